// Whole runs of `larkprint` as a separate process: the banner, a clean
// program written back, the output names, the refusals, the outputs that
// cannot be written (no source is ever overwritten), and `larkstat`, which
// knows none of the output options.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "../foundation/RunProgram.h"
#include "ScratchDir.h"

namespace {

const char kLarkprint[] = LARK_LARKPRINT;
const char kLarkstat[] = LARK_LARKSTAT;
const std::string kFixtureDir = std::string(LARK_TEST_DATA) + "/printer/sourceprint";

std::string Quote(const std::string& s) { return "'" + s + "'"; }

bool Exists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

class LarkprintTest : public ::testing::Test {
protected:
  void SetUp() override {
    source_ = ReadWholeFile(kFixtureDir + "/srcprint.cbl");
    member_ = ReadWholeFile(kFixtureDir + "/MEMB.cpy");
    dir_.Write("a.CBL", source_);
    dir_.Write("MEMB.cpy", member_);
  }
  // Runs the program in the scratch directory, so that names stay short.
  ProgramRun Run(const char* program, const std::string& args) {
    return RunProgram("cd " + Quote(dir_.path()) + " && " + program + " " + args);
  }
  // The sources are never touched.
  void ExpectSourcesUnchanged() {
    EXPECT_EQ(ReadWholeFile(dir_.Path("a.CBL")), source_);
    EXPECT_EQ(ReadWholeFile(dir_.Path("MEMB.cpy")), member_);
  }
  ScratchDir dir_;
  std::string source_;
  std::string member_;
};

TEST_F(LarkprintTest, WithoutArgumentsTheBannerAndTheNoInputError) {
  ProgramRun run = Run(kLarkprint, "");
  EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), "larkprint: Ledgerlark ver 4-2-0.\n");
  EXPECT_NE(run.out.find("\nSource-to-Source converter.\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\nWrites COBOL source programs back as COBOL.\n\n"), std::string::npos) << run.out;
  const std::string last = "ERROR: No input files specified\n";
  ASSERT_GE(run.out.size(), last.size());
  EXPECT_EQ(run.out.substr(run.out.size() - last.size()), last);
  EXPECT_EQ(run.exitStatus, 21);
}

TEST_F(LarkprintTest, ACleanProgramIsWrittenWithTheDefaultSuffix) {
  ProgramRun run = Run(kLarkprint, "a.CBL");
  EXPECT_EQ(run.out, "*Reading* a.CBL\n Writing  a.xxx\nErrors: 0, Warnings: 0\n");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(Exists(dir_.Path("a.xxx")));
  ExpectSourcesUnchanged();
}

TEST_F(LarkprintTest, OutputNamesFollowTheDirectoryAndTheSuffix) {
  dir_.Write("x/b.CBL", source_);
  struct Case {
    std::string args;
    std::string written;
  } cases[] = {
      {"-gen-main-dir=out a.CBL", "out/a.CBL"},
      {"-gen-main-dir=out -gen-sfx=.new a.CBL", "out/a.new"},
      {"-gen-sfx=.new a.CBL", "a.new"},
      {"-gen-file=named.cob a.CBL", "named.cob"},
      // A ".." part would lead out of the directory.
      {"-gen-main-dir=out ../" + dir_.path().substr(dir_.path().rfind('/') + 1) + "/x/b.CBL", "out/b.CBL"},
  };
  for (const Case& c : cases) {
    ProgramRun run = Run(kLarkprint, "-silent -gen-src -gen-copy-dir=copy " + c.args);
    EXPECT_EQ(run.out, "") << c.args;
    EXPECT_EQ(run.exitStatus, 0) << c.args;
    EXPECT_EQ(ReadWholeFile(dir_.Path(c.written)), source_) << c.args;
  }
  ExpectSourcesUnchanged();
  EXPECT_EQ(ReadWholeFile(dir_.Path("x/b.CBL")), source_);
}

TEST_F(LarkprintTest, RefusedOptionsEndTheRunBeforeAnyFile) {
  dir_.Write("b.CBL", source_);
  struct Case {
    const char* program;
    std::string args;
    std::string out;
  } cases[] = {
      {kLarkprint, "-gen-file=x a.CBL b.CBL", "ERROR: Cannot specify one output file 'x' for several input files\n"},
      {kLarkstat, "-gen-file=x a.CBL", "ERROR: Unknown option: -gen-file=x\n"},
      {kLarkstat, "-gen-sfx=.new a.CBL", "ERROR: Unknown option: -gen-sfx=.new\n"},
      {kLarkstat, "-gen-main-dir=out a.CBL", "ERROR: Unknown option: -gen-main-dir=out\n"},
  };
  for (const Case& c : cases) {
    ProgramRun run = Run(c.program, c.args);
    EXPECT_EQ(run.out, c.out) << c.args;
    EXPECT_EQ(run.exitStatus, 21) << c.args;
  }
  EXPECT_FALSE(Exists(dir_.Path("x")));
  EXPECT_FALSE(Exists(dir_.Path("out")));
  ExpectSourcesUnchanged();
}

TEST_F(LarkprintTest, OutputsThatCannotBeWrittenEndTheRunAndLeaveTheSources) {
  dir_.Write("plain", "");
  dir_.Write("b.CBL", source_);
  struct Case {
    std::string args;
    std::string error;
    int status;
  } cases[] = {
      {"-gen-main-dir=/proc a.CBL b.CBL", "ERROR: Cannot open file '/proc/a.CBL' for output\n", 10},
      {"-gen-main-dir=plain/sub a.CBL b.CBL", "ERROR: Cannot create directory for 'plain/sub/a.CBL': Not a directory\n",
       10},
      {"-gen-sfx=.CBL a.CBL b.CBL", "ERROR: Output file 'a.CBL' is a source file; it is not overwritten\n", 10},
      {"-gen-file=a.CBL a.CBL", "ERROR: Output file 'a.CBL' is a source file; it is not overwritten\n", 10},
      {"-gen-file=/dev/full a.CBL", "ERROR: Cannot write file '/dev/full'\n", 10},
  };
  for (const Case& c : cases) {
    ProgramRun run = Run(kLarkprint, "-silent -gen-src " + c.args);
    EXPECT_EQ(run.out, c.error) << c.args;
    EXPECT_EQ(run.exitStatus, c.status) << c.args;
    // No later file is printed.
    EXPECT_FALSE(Exists(dir_.Path("b.xxx"))) << c.args;
  }
  EXPECT_EQ(ReadWholeFile(dir_.Path("b.CBL")), source_);
  ExpectSourcesUnchanged();
}

TEST_F(LarkprintTest, MembersAreNotWrittenOverTheirLibrary) {
  ProgramRun run = Run(kLarkprint, "-silent -gen-src -gen-main-dir=out -gen-copy-dir=. a.CBL");
  EXPECT_NE(run.out.find("SEVERE ERROR: Starting Copybook: "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("is a source file; it is not overwritten"), std::string::npos) << run.out;
  EXPECT_EQ(run.exitStatus, 54);
  ExpectSourcesUnchanged();
}

TEST_F(LarkprintTest, ProgramAndMemberComeBackByteForByte) {
  ProgramRun run = Run(kLarkprint, "-silent -gen-src -gen-main-dir=out -gen-copy-dir=copy a.CBL");
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(ReadWholeFile(dir_.Path("out/a.CBL")), source_);
  EXPECT_EQ(ReadWholeFile(dir_.Path("copy/MEMB.cpy")), member_);
}

}  // namespace
