// The position-prefixing message sink and the process-wide sink.
#include "OrvMessageSink.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>

namespace {

std::string Capture(int level, const OrvTxtPosn* posn, const VString* text) {
  ::testing::internal::CaptureStdout();
  PrintPosnMessage(level, posn, text);
  std::cout.flush();
  return ::testing::internal::GetCapturedStdout();
}

TEST(OrvMessageSinkTest, InitialSinkIsThePositionPrinter) {
  EXPECT_EQ(&PrintPosnMessage, OrvGlobalMessageSink);
}

TEST(OrvMessageSinkTest, PositionPrefix) {
  const int prog = OrvFileNameAdd(VString("SINK.cbl"));
  const VString text("something odd");
  const OrvTxtPosn placed(5000, 299, prog);
  const OrvTxtPosn fileOnly(0, 0, prog);
  const OrvTxtPosn columnOnly(0, 4, prog);
  const struct {
    int level;
    const OrvTxtPosn* posn;
    const VString* text;
    std::string out;
  } cases[] = {
      {MSG_INFO, &placed, &text, "SINK.cbl:5000:300: something odd\n"},
      {MSG_ERR, &placed, &text, "SINK.cbl:5000:300: ERROR: something odd\n"},
      {MSG_WARN, &columnOnly, &text, "SINK.cbl:0:5: Warning: something odd\n"},
      {MSG_SEVERE, &fileOnly, &text, "SEVERE ERROR: something odd\n"},
      {MSG_INFO, nullptr, &text, "something odd\n"},
      {MSG_ERR, &placed, nullptr, "SINK.cbl:5000:300: ERROR: \n"},
      {MSG_INFO, &OrvInftyPosn, &text, "(infty): something odd\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.out);
    EXPECT_EQ(c.out, Capture(c.level, c.posn, c.text));
  }
}

TEST(OrvMessageSinkTest, CountsThroughThePrinter) {
  const unsigned errors = OrvErrorCount;
  const unsigned warnings = OrvWarningCount;
  const VString text("x");
  const OrvTxtPosn p(1, 0, 0);
  Capture(MSG_ERR, &p, &text);
  Capture(MSG_SEVERE, nullptr, &text);
  Capture(MSG_WARN, &p, &text);
  EXPECT_EQ(errors + 2, OrvErrorCount);
  EXPECT_EQ(warnings + 1, OrvWarningCount);
}

TEST(OrvMessageSinkTest, TerminalMessageEndsTheProcess) {
  const VString text("stop");
  const OrvTxtPosn p(3, 0, 0);
  EXPECT_EXIT(PrintPosnMessage(MSG_TERMINAL, &p, &text), ::testing::ExitedWithCode(1),
              "");
}

}  // namespace
