// Tests of the driver's printing steps, run in process with the scripted
// parser: the output options offered only to a tool that prints, the
// derived output names, the checks at the start, a print that fails
// ending the run, and no print after a failed walker.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "DriverTestSupport.h"
#include "OrvOutputName.h"
#include "../foundation/RunProgram.h"

namespace {

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

RunSetup Printing() {
  RunSetup setup;
  setup.printSwitch = 1;
  return setup;
}

TEST(OrvOutputFileNameTest, NamesFollowTheDirectoryAndTheSuffix) {
  struct Case {
    const char* input;
    const char* mainDir;
    const char* suffix;
    const char* expected;
  } cases[] = {
      {"a.cbl", "", ".xxx", "a.xxx"},
      {"a.cbl", "", ".new", "a.new"},
      {"src/a.cbl", "", ".new", "src/a.new"},
      {"a.cbl", "out", ".xxx", "out/a.cbl"},
      {"a.cbl", "out", ".new", "out/a.new"},
      {"src/a.cbl", "out", ".xxx", "out/src/a.cbl"},
      // A ".." part would lead out of the directory, perhaps onto a source.
      {"../x/a.cbl", "out", ".xxx", "out/a.cbl"},
      {"src/../../a.CBL", "out", ".new", "out/a.new"},
      {"..a/b..c/a.cbl", "out", ".xxx", "out/..a/b..c/a.cbl"},
      // An absolute name stays whole: it lies inside the directory.
      {"/abs/a.cbl", "out", ".xxx", "out//abs/a.cbl"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Str(OrvOutputFileName(VString(c.input), VString(c.mainDir), VString(c.suffix), ".xxx")),
              c.expected)
        << c.input << " " << c.mainDir << " " << c.suffix;
}

TEST_F(DriverTest, OutputOptionsAreKnownOnlyToAToolThatPrints) {
  std::string f = File("a.cbl", "program A\n");
  for (const char* option : {"-gen-file=x", "-gen-sfx=.new", "-gen-main-dir=out", "-gen-src"}) {
    ToolRun run = Run({option, f});
    EXPECT_EQ(run.out, std::string("ERROR: Unknown option: ") + option + "\n");
    EXPECT_EQ(run.result, ORV_BAD_OPTIONS);
    EXPECT_EQ(run.parseCalls, 0);
  }
  EXPECT_FALSE(Exists(dir_.Path("x")));
}

TEST_F(DriverTest, EachTreeIsWrittenToItsDerivedName) {
  std::string a = File("a.cbl", "program A\n");
  std::string b = File("b.cbl", "program B\n");
  ToolRun run = Run({"-gen-main-dir=" + dir_.Path("out"), "-gen-sfx=.new", a, b}, Printing());
  EXPECT_EQ(run.result, 0) << run.out;
  const std::string outA = dir_.Path("out") + "/" + a.substr(0, a.size() - 4) + ".new";
  const std::string outB = dir_.Path("out") + "/" + b.substr(0, b.size() - 4) + ".new";
  // The scripted tree leaves slots empty, which the printer warns about.
  const std::size_t writingA = run.out.find("*Reading* " + a + "\n Writing  " + outA + "\n");
  const std::size_t writingB = run.out.find("*Reading* " + b + "\n Writing  " + outB + "\n");
  EXPECT_EQ(writingA, 0u) << run.out;
  EXPECT_NE(writingB, std::string::npos) << run.out;
  EXPECT_NE(ReadWholeFile(outA).find("PROGRAM-ID. A"), std::string::npos) << ReadWholeFile(outA);
  EXPECT_NE(ReadWholeFile(outB).find("PROGRAM-ID. B"), std::string::npos);
  // The name derived for one file is not kept for the next.
  EXPECT_EQ(run.genFile, "");
}

TEST_F(DriverTest, OneOutputFileForSeveralInputsIsRefused) {
  std::string a = File("a.cbl", "program A\n");
  std::string b = File("b.cbl", "program B\n");
  ToolRun run = Run({"-gen-file=" + dir_.Path("x"), a, b}, Printing());
  EXPECT_EQ(run.out, "ERROR: Cannot specify one output file '" + dir_.Path("x") + "' for several input files\n");
  EXPECT_EQ(run.result, ORV_BAD_OPTIONS);
  EXPECT_EQ(run.parseCalls, 0);
  EXPECT_FALSE(Exists(dir_.Path("x")));
}

TEST_F(DriverTest, AFailedPrintEndsTheRun) {
  std::string a = File("a.cbl", "program A\n");
  std::string b = File("b.cbl", "program B\n");
  std::string plain = File("plain", "");
  struct Case {
    std::string option;
    std::string message;
    OrvResult result;
  };
  dir_.MakeDir("out" + a);
  const Case cases[] = {
      {"-gen-main-dir=" + plain + "/sub",
       "ERROR: Cannot create directory for '" + plain + "/sub/" + a + "': Not a directory\n", 10},
      // A directory stands where the output would go.
      {"-gen-main-dir=" + dir_.Path("out"), "ERROR: Cannot open file '" + dir_.Path("out") + "/" + a + "' for output\n",
       10},
  };
  for (const Case& c : cases) {
    ToolRun run = Run({"-silent", c.option, a, b}, Printing());
    EXPECT_EQ(run.out, c.message) << c.option;
    EXPECT_EQ(run.result, c.result) << c.option;
    // The second file is never read.
    EXPECT_EQ(run.parseCalls, 1) << c.option;
  }
}

TEST_F(DriverTest, NothingIsPrintedAfterAFailedWalkerOrWithFindOnly) {
  std::string bad = File("bad.cbl", "program A\nwalker 7\n");
  std::string good = File("good.cbl", "program B\n");
  ToolRun run = Run({"-silent", "-gen-main-dir=" + dir_.Path("out"), bad}, Printing());
  EXPECT_EQ(run.result, 7);
  EXPECT_FALSE(Exists(dir_.Path("out")));
  run = Run({"-silent", "-find-only", "-gen-main-dir=" + dir_.Path("out"), good}, Printing());
  EXPECT_EQ(run.result, 0);
  EXPECT_FALSE(Exists(dir_.Path("out")));
}

TEST_F(DriverTest, LineIdentificationIsKeptOnlyForTheFixedFormat) {
  std::string a = File("a.cbl", "program A\n");
  struct Case {
    const char* format;
    int expected;
  } cases[] = {{"-line-format=fixed", 1}, {"-line-format=free", 0}, {"-line-format=var", 0}};
  for (const Case& c : cases) {
    ToolRun run = Run({"-silent", c.format, "-gen-file=" + dir_.Path("o.cbl"), a}, Printing());
    EXPECT_EQ(run.result, 0) << run.out;
    EXPECT_EQ(run.lineIdComments, c.expected) << c.format;
  }
}

}  // namespace
