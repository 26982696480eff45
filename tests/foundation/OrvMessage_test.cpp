// Tests of the message printer: level prefixes, counters, hidden warnings and terminal messages.
#include "OrvMessage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "OrvExit.h"
#include "RunProgram.h"

namespace {

struct MessageCase {
  int level;
  const char* text;  // null: no text
  int showWarnings;
  const char* output;
  unsigned warnings;  // added to OrvWarningCount
  unsigned errors;    // added to OrvErrorCount
};

void PrintTo(const MessageCase& c, std::ostream* os) {
  *os << c.level << " show=" << c.showWarnings << " text=" << (c.text ? c.text : "(null)");
}

class PrintMessageTest : public ::testing::TestWithParam<MessageCase> {
protected:
  void TearDown() override { OrvShowWarnings = 1; }
};

TEST_P(PrintMessageTest, PrefixAndCounting) {
  const MessageCase& c = GetParam();
  OrvShowWarnings = c.showWarnings;
  unsigned w = OrvWarningCount, e = OrvErrorCount;
  VString text(c.text);
  testing::internal::CaptureStdout();
  PrintMessage(c.level, c.text ? &text : nullptr);
  std::cout.flush();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), c.output);
  EXPECT_EQ(OrvWarningCount - w, c.warnings);
  EXPECT_EQ(OrvErrorCount - e, c.errors);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, PrintMessageTest,
    ::testing::Values(MessageCase{MSG_INFO, "plain", 1, "plain\n", 0, 0},
                      MessageCase{MSG_WARN, "careful", 1, "Warning: careful\n", 1, 0},
                      MessageCase{MSG_WARN, "hidden", 0, "", 1, 0},
                      MessageCase{MSG_ERR, "bad", 1, "ERROR: bad\n", 0, 1},
                      MessageCase{MSG_SEVERE, "worse", 1, "SEVERE ERROR: worse\n", 0, 1},
                      MessageCase{MSG_ERR, nullptr, 1, "ERROR: \n", 0, 1},
                      MessageCase{MSG_INFO, nullptr, 1, "\n", 0, 0},
                      MessageCase{MSG_WARN, nullptr, 1, "Warning: \n", 1, 0},
                      MessageCase{967, "below", 1, "", 0, 0}, MessageCase{973, "above", 1, "", 0, 0},
                      MessageCase{0, "zero", 1, "", 0, 0}));

TEST(MessageCounters, CountPastSixteenBits) {
  OrvWarningCount = 65535;
  OrvErrorCount = 65535;
  VString text("x");
  testing::internal::CaptureStdout();
  PrintMessage(MSG_WARN, &text);
  PrintMessage(MSG_ERR, &text);
  PrintMessage(MSG_SEVERE, &text);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(OrvWarningCount, 65536u);
  EXPECT_EQ(OrvErrorCount, 65537u);
  OrvWarningCount = 0;
  OrvErrorCount = 0;
}

void ReportCountersAtExit(int status) {
  std::fprintf(stderr, "exit %d warnings=%u errors=%u\n", status, OrvWarningCount, OrvErrorCount);
}

TEST(MessageTerminal, EndsTheProcessWithStatusOneWithoutCounting) {
  OrvWarningCount = 3;
  OrvErrorCount = 4;
  VString text("stop");
  EXPECT_EXIT(
      {
        OrvExitHook = ReportCountersAtExit;
        PrintMessage(MSG_TERMINAL, &text);
      },
      ::testing::ExitedWithCode(1), "exit 1 warnings=3 errors=4");
  OrvWarningCount = 0;
  OrvErrorCount = 0;
}

TEST(MessageTerminal, PrintsItsPrefixBeforeEnding) {
  ProgramRun run = RunProgram(std::string("'") + LARK_FOUNDATION_HELPER + "' terminal");
  EXPECT_EQ(run.exitStatus, 1);
  EXPECT_EQ(run.out, "first line\nTerminal ERROR: it is over\n");
}

}  // namespace
