// Tests of the tool driver's message sink (printed, counted, collected in
// the log, terminal) and of the progress indicator.
#include "OrvToolMessageSink.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "OrvMessage.h"
#include "OrvResult.h"
#include "OrvTool.h"
#include "ScratchDir.h"
#include "TestStrings.h"

namespace {

struct SinkCase {
  int level;
  bool positioned;
  const char* out;
  unsigned errors;
  unsigned warnings;
};

TEST(OrvToolMessageSinkTest, PrintsPositionPrefixAndTextAndCounts) {
  int ix = OrvFileNameAdd(VString("a.cbl"));
  const SinkCase cases[] = {
      {MSG_INFO, false, "text\n", 0, 0},
      {MSG_WARN, true, "a.cbl:12:5: Warning: text\n", 0, 1},
      {MSG_WARN, false, "Warning: text\n", 0, 1},
      {MSG_ERR, true, "a.cbl:12:5: ERROR: text\n", 1, 0},
      {MSG_SEVERE, false, "SEVERE ERROR: text\n", 1, 0},
  };
  for (const SinkCase& c : cases) {
    OrvErrorCount = OrvWarningCount = 0;
    OrvTxtPosn posn = c.positioned ? OrvTxtPosn(12, 4, ix) : OrvNullPosn;
    VString text("text");
    testing::internal::CaptureStdout();
    OrvToolMessageSink(c.level, &posn, &text);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.out);
    EXPECT_EQ(OrvErrorCount, c.errors);
    EXPECT_EQ(OrvWarningCount, c.warnings);
  }
  OrvErrorCount = OrvWarningCount = 0;
}

TEST(OrvToolMessageSinkTest, OpenLogCollectsMessagesInsteadOfPrinting) {
  ScratchDir dir;
  OrvMessageLog.open(dir.Path("log.tic"));
  ASSERT_TRUE(OrvMessageLog.is_open());
  OrvErrorCount = 0;
  VString text("kept");
  OrvTxtPosn posn(3, 0, 0);
  testing::internal::CaptureStdout();
  OrvToolMessageSink(MSG_ERR, &posn, &text);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(OrvErrorCount, 0u);
  ASSERT_NE(OrvLoggedMessages.First(), nullptr);
  EXPECT_EQ(OrvLoggedMessages.First()->code, MSG_ERR);
  EXPECT_EQ(Str(OrvLoggedMessages.First()->Image()), "kept");
  EXPECT_EQ(OrvLoggedMessages.First()->begin, posn);
  OrvMessageLog.close();
  OrvLoggedMessages.Clear();
}

TEST(OrvToolMessageSinkDeathTest, TerminalMessageEndsTheProcess) {
  VString text("the end");
  EXPECT_EXIT(OrvToolMessageSink(MSG_TERMINAL, &OrvNullPosn, &text),
              ::testing::ExitedWithCode(ORV_TERMINAL_EXIT), "");
}

TEST(OrvToolMessageSinkDeathTest, TerminalMessageWithOpenLogWritesItAndEnds) {
  ScratchDir dir;
  std::string log = dir.Path("log.tic");
  EXPECT_EXIT(
      {
        OrvMessageLog.open(log);
        VString first("first");
        VString last("the end");
        OrvToolMessageSink(MSG_WARN, &OrvNullPosn, &first);
        OrvToolMessageSink(MSG_TERMINAL, &OrvNullPosn, &last);
      },
      ::testing::ExitedWithCode(ORV_TERMINAL_COLLECTED), "");
  std::ifstream in(log);
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t first = content.find("T969,");
  size_t last = content.find("T972,");
  ASSERT_NE(first, std::string::npos) << content;
  ASSERT_NE(last, std::string::npos) << content;
  EXPECT_LT(first, last);
  EXPECT_NE(content.find("the end"), std::string::npos);
  EXPECT_EQ(content.back(), '#');
}

struct ProgressCase {
  int line;
  int fileIx;  // -1: the file of the test
  const char* text;
  std::string expected;
};

TEST(OrvProgressIndicatorTest, WritesLineNumberFileAndTextThenBlanksAndReturn) {
  int ix = OrvFileNameAdd(VString("a.cbl"));
  const std::string blanks = std::string(27, ' ') + "\r";
  const ProgressCase cases[] = {
      {12, -1, "Parsing", "     12 a.cbl: Parsing" + blanks},
      {100, -1, "", "    100 a.cbl" + blanks},
      {0, -1, "Resolving Names", "Resolving Names" + blanks},
      {0, -1, "", blanks},
      {7, 60000, "x", "      7 : x" + blanks},  // an index outside the table
  };
  for (const ProgressCase& c : cases) {
    OrvTxtPosn posn(c.line, 0, c.fileIx < 0 ? ix : c.fileIx);
    VString text(c.text);
    testing::internal::CaptureStderr();
    OrvProgressIndicator(&posn, &text);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.expected);
  }
}

}  // namespace
