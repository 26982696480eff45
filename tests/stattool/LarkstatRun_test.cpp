// Whole runs of the statistics tool as a separate process, with the scripted
// parser object in place of the real one: the report of each file, the
// options that shape it, the exit status over several files, a terminal
// message during a parse, an interrupt with the output in a file, the
// message log and a failed signal set-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../foundation/RunProgram.h"
#include "ScratchDir.h"

namespace {

const char kHelper[] = LARK_FAKE_LARKSTAT;
const std::string kTail = std::string(27, ' ');

std::string Quote(const std::string& s) { return "'" + s + "'"; }

class LarkstatRunTest : public ::testing::Test {
protected:
  std::string File(const std::string& name, const std::string& script) {
    return dir_.Write(name, script);
  }
  // Runs the helper in the scratch directory, so that file names stay short.
  ProgramRun Run(const std::string& args, const std::string& env = "") {
    return RunProgram("cd " + Quote(dir_.path()) + " && " + env + " " + kHelper + " " + args);
  }
  ScratchDir dir_;
};

// The statistics of the scripted program tree: six nodes in a chain.
const char kSampleReport[] =
    "Lines:              12\n"
    "LinesOfCode:        11\n"
    "Tokens:             40\n"
    "\n"
    "PROGRAM-ID:            SAMPLE\n"
    "\n"
    "Sections:            0\n"
    "Paragraphs:          0\n"
    "Sentences:           0\n"
    "Statements:          0\n"
    "\n"
    "TotTreeNodes:        6\n"
    "MaxTreeHeight:       5\n"
    "AveTreeHeight:       5\n"
    "TotLeaves:           1\n"
    "\n"
    "\n";

TEST_F(LarkstatRunTest, OptionsShapeTheFileBlock) {
  File("s.cbl", "program SAMPLE\ncounts 12 11 40\n");
  struct Case {
    std::string args;
    std::string env;
    std::string out;
  } cases[] = {
      {"-no-mem-offsets s.cbl", "",
       std::string("*Reading* s.cbl\n") + kSampleReport + "Errors: 0, Warnings: 0\n"},
      {"-no-long-stat -no-mem-offsets s.cbl", "", "*Reading* s.cbl\nErrors: 0, Warnings: 0\n"},
      {"-stat -no-long-stat -no-mem-offsets s.cbl", "",
       "*Reading* s.cbl\nLines:           12\nLinesOfCode:     11\nErrors: 0, Warnings: 0\n"},
      {"-long-stat -no-mem-offsets s.cbl", "ORV_TOOL_OPTIONS=-no-long-stat",
       std::string("*Reading* s.cbl\n") + kSampleReport + "Errors: 0, Warnings: 0\n"},
      {"-no-mem-offsets s.cbl", "ORV_TOOL_OPTIONS=-no-long-stat",
       "*Reading* s.cbl\nErrors: 0, Warnings: 0\n"},
  };
  for (const Case& c : cases) {
    ProgramRun run = Run(c.args, c.env);
    EXPECT_EQ(run.out, c.out) << c.env << " " << c.args;
    EXPECT_EQ(run.exitStatus, 0) << c.args;
  }
}

TEST_F(LarkstatRunTest, FailedFileDecidesTheStatusEvenWhenLaterFilesGoWell) {
  File("bad.cbl", "sink 971 cannot parse\nresult 3\n");
  File("good.cbl", "program GOOD\n");
  ProgramRun run = Run("-no-long-stat -no-mem-offsets bad.cbl good.cbl");
  EXPECT_EQ(run.out,
            "*Reading* bad.cbl\nSEVERE ERROR: cannot parse\n"
            "ERROR: bad.cbl: Parsing errors have caused bailout. This file will not be processed.\n"
            "Errors: 2, Warnings: 0\n\n"
            "*Reading* good.cbl\nErrors: 0, Warnings: 0\n\n");
  EXPECT_EQ(run.exitStatus, 3);
  EXPECT_EQ(Run("-bailout-level=errors -no-long-stat -no-mem-offsets good.cbl bad.cbl").exitStatus, 3);
}

TEST_F(LarkstatRunTest, ProgressLineOnStandardErrorOnly) {
  File("s.cbl",
       "program SAMPLE\nprogress 100\nprogress 200\nprogress 0 Resolving Names\nprogress 0 *\n");
  ProgramRun run = Run("-progress -no-long-stat -no-mem-offsets s.cbl");
  EXPECT_EQ(run.out, "*Reading* s.cbl\n*Transforming*\nErrors: 0, Warnings: 0\n\n");
  EXPECT_EQ(run.err, "    100 s.cbl" + kTail + "\r    200 s.cbl" + kTail + "\rResolving Names" +
                         kTail + "\r*" + kTail + "\r" + kTail + "\r");
  EXPECT_EQ(run.exitStatus, 0);
}

TEST_F(LarkstatRunTest, TerminalMessageDuringAParseEndsTheRunCleanly) {
  File("a.cbl", "program A\n");
  File("t.cbl", "sink 972 out of room\nprogram T\n");
  ProgramRun run = Run("-no-long-stat -no-mem-offsets a.cbl t.cbl a.cbl");
  EXPECT_EQ(run.out,
            "*Reading* a.cbl\nErrors: 0, Warnings: 0\n\n*Reading* t.cbl\n"
            "Terminal ERROR: out of room\n");
  EXPECT_EQ(run.err, "");  // no fault while the process went down
  EXPECT_EQ(run.exitStatus, 1);
}

TEST_F(LarkstatRunTest, InterruptKeepsEveryFinishedBlockOfRedirectedOutput) {
  File("a.cbl", "program SAMPLE\ncounts 12 11 40\n");
  File("b.cbl", "program SAMPLE\ncounts 12 11 40\nmessage 969 2 0 look\nresult 1\n");
  File("c.cbl", "message 970 1 0 lost with the block\ninterrupt\n");
  ProgramRun run = Run("-no-mem-offsets a.cbl b.cbl c.cbl a.cbl");
  std::string a = std::string("*Reading* a.cbl\n") + kSampleReport + "Errors: 0, Warnings: 0\n\n";
  std::string b = std::string("*Reading* b.cbl\nb.cbl:2:1: Warning: look\n") + kSampleReport +
                  "Errors: 0, Warnings: 1\n\n";
  EXPECT_EQ(run.out, a + b + "\n\n--- Interrupted. Stopping. ---\n\n");
  EXPECT_EQ(run.exitStatus, 32);
}

TEST_F(LarkstatRunTest, OpenMessageLogCollectsTheMessages) {
  File("bad.cbl", "message 970 4 0 broken\nresult 3\n");
  std::string log = dir_.Path("messages.tic");
  ProgramRun run = Run("-no-long-stat bad.cbl", "LARK_FAKE_LOG=" + Quote(log));
  EXPECT_EQ(run.out, "*Reading* bad.cbl\nErrors: 0, Warnings: 0\n");
  EXPECT_EQ(run.exitStatus, 3);
  std::string written = ReadWholeFile(log);
  size_t message = written.find("broken");
  size_t bailout = written.find("Parsing errors have caused bailout");
  EXPECT_NE(message, std::string::npos) << written;
  EXPECT_NE(bailout, std::string::npos) << written;
  EXPECT_LT(message, bailout);
  EXPECT_NE(written.find("bad.cbl"), std::string::npos);  // positions name their file

  File("t.cbl", "sink 972 out of room\n");
  run = Run("t.cbl", "LARK_FAKE_LOG=" + Quote(log));
  EXPECT_EQ(run.out, "*Reading* t.cbl\n");
  EXPECT_EQ(run.exitStatus, 6);
  EXPECT_NE(ReadWholeFile(log).find("out of room"), std::string::npos);
}

TEST_F(LarkstatRunTest, FailedSignalSetUpEndsTheRun) {
  File("a.cbl", "program A\n");
  ProgramRun run = Run("a.cbl", "LARK_FAKE_REFUSE_SIGINT=1");
  EXPECT_EQ(run.out, "\nCannot set SIGINT handler.\n");
  EXPECT_EQ(run.exitStatus, 31);
}

}  // namespace
