// Tests of the xformtool test program run as a separate process: the sample
// transformations found and applied on small fixtures and over the shared
// corpus (whose statement counts must equal larkstat's), the transformed
// trees written back as COBOL (output names, the " Writing" lines, the
// refusal to overwrite a source, larkprint's output where nothing applied),
// the refusal of bad transformation files and options, and the renewed NIST
// programs read back by larkstat.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../foundation/RunProgram.h"
#include "ScratchDir.h"
#include "ToolRunPaths.h"

namespace {

const char kXformtool[] = LARK_XFORMTOOL;
const char kLarkstat[] = LARK_LARKSTAT;
const char kLarkprint[] = LARK_LARKPRINT;
const std::string kFixtures = std::string(LARK_TEST_DATA) + "/transform";
const std::string kPrintFixtures = std::string(LARK_TEST_DATA) + "/printer/sourceprint";
const std::string kNist = std::string(LARK_CORPUS) + "/nist";
const std::string kGenapp = std::string(LARK_CORPUS) + "/cics/genapp/base/src";

ProgramRun RunIn(const std::string& dir, const char* program, const std::string& args) {
  return RunProgram(CommandIn(dir, program, args));
}

// The sources of a folder with one of the suffixes, in name order,
// prefixed with `prefix`.
std::vector<std::string> Sources(const std::string& dir, const std::vector<std::string>& suffixes,
                                 const std::string& prefix = "") {
  std::vector<std::string> files;
  for (const std::string& name : DirectoryNames(dir))
    for (const std::string& sfx : suffixes)
      if (name.size() > sfx.size() && name.compare(name.size() - sfx.size(), sfx.size(), sfx) == 0)
        files.push_back(prefix + name);
  return files;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& w : words) text += " " + ShellQuote(w);
  return text;
}

// The output of a run cut into the blocks of its files ("*Reading* NAME"
// up to the next such line).
std::map<std::string, std::string> Blocks(const std::string& out) {
  std::map<std::string, std::string> blocks;
  const std::string mark = "*Reading* ";
  size_t at = out.find(mark);
  while (at != std::string::npos) {
    const size_t nameEnd = out.find('\n', at);
    const std::string name = out.substr(at + mark.size(), nameEnd - at - mark.size());
    const size_t next = out.find("\n" + mark, nameEnd);
    blocks[name] = out.substr(nameEnd + 1, next == std::string::npos ? std::string::npos
                                                                      : next + 1 - nameEnd - 1);
    at = next == std::string::npos ? next : next + 1;
  }
  return blocks;
}

bool BailedOut(const std::string& block) {
  return block.find("Parsing errors have caused bailout") != std::string::npos;
}

// The sum of larkstat's "Statements:" lines in a block.
long Statements(const std::string& block) {
  long sum = 0;
  std::istringstream in(block);
  for (std::string line; std::getline(in, line);)
    if (line.rfind("Statements:", 0) == 0) sum += std::stol(line.substr(11));
  return sum;
}

// The count of `name` in the applied list of a block, or -1 without one.
long Listed(const std::string& block, const std::string& name) {
  std::istringstream in(block);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    long count = 0;
    std::string listed;
    if ((words >> count >> listed) && listed == name && words.eof()) return count;
  }
  return -1;
}

// For every file of both runs that larkstat did not give up: the found
// count of xformtool (a running total, so the step from the file before)
// equals larkstat's statements.  Answers the number of files compared.
int CompareCounts(const std::vector<std::string>& files, const ProgramRun& stat,
                  const ProgramRun& xform) {
  std::map<std::string, std::string> statBlocks = Blocks(stat.out);
  std::map<std::string, std::string> xformBlocks = Blocks(xform.out);
  long total = 0;
  int compared = 0;
  for (const std::string& f : files) {
    const long listed = Listed(xformBlocks[f], "find");
    const long found = listed < 0 ? 0 : listed - total;
    if (listed >= 0) total = listed;
    if (BailedOut(statBlocks[f])) continue;
    EXPECT_EQ(found, Statements(statBlocks[f])) << f;
    ++compared;
  }
  return compared;
}

// Copies the fixture `source` into `dir` under `name` (its own name when
// empty).
void CopyFixture(const ScratchDir& dir, const std::string& source, const std::string& name = "") {
  dir.Write(name.empty() ? source : name, ReadWholeFile(kFixtures + "/" + source));
}

class Xformtool : public ::testing::Test {
protected:
  // Copies the fixture `source` into the scratch directory under `name`
  // (its own name when empty).
  void Copy(const std::string& source, const std::string& name = "") { CopyFixture(dir_, source, name); }
  // Runs xformtool in the scratch directory with the fixtures as
  // transformation directory.
  ProgramRun Run(const std::string& args) {
    return RunIn(dir_.path(), kXformtool, "-xform-dirs=" + ShellQuote(kFixtures) + " " + args);
  }
  // Runs xformtool on `source` (a fixture) copied into the scratch
  // directory.
  ProgramRun OnFixture(const std::string& source, const std::string& args) {
    Copy(source);
    return Run(args + " " + source);
  }
  ScratchDir dir_;
};

TEST_F(Xformtool, FindOnlyTellsWhereEachStatementWouldBeRenewed) {
  ProgramRun run = OnFixture("nested.cbl", "-find-only -conv-info -xforms=renew");
  EXPECT_EQ(run.out,
            "*Reading* nested.cbl\n"
            "nested.cbl:8:12: Found renew (renew procedure statements)\n"
            "nested.cbl:9:16: Found renew (renew procedure statements)\n"
            "nested.cbl:11:12: Found renew (renew procedure statements)\n"
            "List of applied transformations:\n"
            "3   renew\n"
            "Errors: 0, Warnings: 0\n");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(DirectoryNames(dir_.path()), std::vector<std::string>{"nested.cbl"});
}

TEST_F(Xformtool, ApplyingRenewsStatementsInsideNoOtherAndWritesTheTree) {
  // The IF is renewed; the DISPLAY inside it went with it and is not
  // walked again.  The tree is written after the list, under the default
  // suffix.
  ProgramRun run = OnFixture("nested.cbl", "-conv-info -conv-list -xforms=renew");
  EXPECT_EQ(run.out,
            "*Reading* nested.cbl\n"
            "nested.cbl:8:12: Applied renew (renew procedure statements)\n"
            "nested.cbl:11:12: Applied renew (renew procedure statements)\n"
            "List of applied transformations:\n"
            "2   renew\n"
            " Writing  nested.xxx\n"
            "Errors: 0, Warnings: 0\n");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(DirectoryNames(dir_.path()), (std::vector<std::string>{"nested.cbl", "nested.xxx"}));
}

// Renewed statements are regenerated from their templates while their parts
// are copied from the source: every keyword comes back once, in place.  The
// BY of SET ... UP BY stands in front of the operand, not in the UP node.
TEST_F(Xformtool, RenewedStatementsAreWrittenAsTheSourceReads) {
  ProgramRun run = OnFixture("setby.cbl", "-silent -conv-list -xforms=renew -gen-src -gen-main-dir=out");
  EXPECT_EQ(run.out, "List of applied transformations:\n5   renew\n");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(ReadWholeFile(dir_.Path("out/setby.cbl")), ReadWholeFile(kFixtures + "/setby.cbl"));
}

TEST(XformtoolOutput, OutputsAreNamedAsLarkprintNamesThem) {
  struct Case {
    std::string args;
    std::string out;  // after the applied list of each file
    std::vector<std::string> written;
  } cases[] = {
      {"nested.cbl", " Writing  nested.xxx\n", {"nested.xxx"}},
      {"-gen-sfx=.new nested.cbl", " Writing  nested.new\n", {"nested.new"}},
      {"-gen-main-dir=out nested.cbl", " Writing  out/nested.cbl\n", {"out/nested.cbl"}},
      {"-gen-main-dir=out -gen-sfx=.new nested.cbl", " Writing  out/nested.new\n", {"out/nested.new"}},
      {"-gen-file=named.cob nested.cbl", " Writing  named.cob\n", {"named.cob"}},
      // One " Writing" line per file, each in its file's block; a name with
      // a directory keeps it under gen-main-dir.
      {"-gen-main-dir=out nested.cbl sub/setby.cbl", " Writing  out/nested.cbl\n Writing  out/sub/setby.cbl\n",
       {"out/nested.cbl", "out/sub/setby.cbl"}},
  };
  for (const Case& c : cases) {
    // Each case in a directory of its own, so that only its outputs are there.
    ScratchDir run;
    CopyFixture(run, "nested.cbl");
    CopyFixture(run, "setby.cbl", "sub/setby.cbl");
    ProgramRun r = RunIn(run.path(), kXformtool,
                         "-xforms=renew -xform-dirs=" + ShellQuote(kFixtures) + " " + c.args);
    std::string writing;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
      if (line.rfind(" Writing", 0) == 0) writing += line + "\n";
    EXPECT_EQ(writing, c.out) << c.args << "\n" << r.out;
    EXPECT_EQ(r.exitStatus, 0) << c.args;
    std::vector<std::string> expected = c.written;
    expected.push_back("nested.cbl");
    expected.push_back("sub/setby.cbl");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesBelow(run.path()), expected) << c.args;
  }
}

TEST_F(Xformtool, AnOutputSuffixThatNamesTheSourceIsRefusedAndNothingIsWritten) {
  Copy("nested.cbl", "NESTED.CBL");
  const std::string source = ReadWholeFile(dir_.Path("NESTED.CBL"));
  ProgramRun run = Run("-xforms=renew -gen-sfx=.CBL NESTED.CBL");
  EXPECT_EQ(run.out,
            "*Reading* NESTED.CBL\n"
            " Writing  NESTED.CBL\n"
            "ERROR: Output file 'NESTED.CBL' is a source file; it is not overwritten\n");
  EXPECT_EQ(run.exitStatus, 10);
  EXPECT_EQ(FilesBelow(dir_.path()), std::vector<std::string>{"NESTED.CBL"});
  EXPECT_EQ(ReadWholeFile(dir_.Path("NESTED.CBL")), source);
}

// A run in which no transformation applies lists nothing, even with
// -conv-list, and writes what larkprint writes with the same options: the
// program and its COPY member byte for byte.
TEST_F(Xformtool, ApplyingNowhereListsNothingAndWritesWhatLarkprintWrites) {
  for (const char* name : {"srcprint.cbl", "MEMB.cpy"})
    dir_.Write(name, ReadWholeFile(kPrintFixtures + "/" + name));
  // The options of both programs, writing under `root`.
  auto gen = [](const std::string& root) {
    return " -gen-src -gen-main-dir=" + root + "/out -gen-copy-dir=" + root + "/copy srcprint.cbl";
  };
  ProgramRun print = RunIn(dir_.path(), kLarkprint, "-silent" + gen("L"));
  ASSERT_EQ(print.exitStatus, 0) << print.out;
  const std::vector<std::string> printed = FilesBelow(dir_.Path("L"));
  ASSERT_EQ(printed, (std::vector<std::string>{"copy/MEMB.cpy", "out/srcprint.cbl"}));
  for (const char* xforms : {"-xforms=find", "-xforms=", ""}) {
    ProgramRun run = Run("-conv-list " + std::string(xforms) + gen("P"));
    EXPECT_EQ(run.out, "*Reading* srcprint.cbl\n Writing  P/out/srcprint.cbl\nErrors: 0, Warnings: 0\n") << xforms;
    EXPECT_EQ(run.exitStatus, 0) << xforms;
    EXPECT_EQ(FilesBelow(dir_.Path("P")), printed) << xforms;
    for (const std::string& f : printed)
      EXPECT_EQ(ReadWholeFile(dir_.Path("P/" + f)), ReadWholeFile(dir_.Path("L/" + f))) << xforms << ": " << f;
    std::filesystem::remove_all(dir_.Path("P"));
  }
}

TEST_F(Xformtool, BadTransformationsAndSourcesAreRefusedAndNothingIsWritten) {
  struct Case {
    const char* source;
    const char* args;
    const char* out;
    int status;
  };
  const Case cases[] = {
      {"nested.cbl", "-xforms=nosuch",
       "*Reading* nested.cbl\nERROR: Cannot find transformation 'nosuch' for load\n"
       "Errors: 1, Warnings: 0\n",
       110},
      {"nested.cbl", "-xforms=badclass",
       "*Reading* nested.cbl\n"
       "ERROR: OrvTransform::NewByName: transformation class 'NoSuch' not found\n"
       "Errors: 1, Warnings: 0\n",
       60},
      {"nested.cbl", "-xforms=find,manyrefs",
       "*Reading* nested.cbl\nERROR: OrvTransform::GetTic: too many references: 500\n"
       "Errors: 1, Warnings: 0\n",
       59},
      {"syntax.cbl", "-bailout-level=errors -xforms=find",
       "*Reading* syntax.cbl\n"
       "syntax.cbl:3:8: Warning: DATA DIVISION header is missing\n"
       "syntax.cbl:4:17: ERROR: syntax error. at token: keyword TO\n"
       "ERROR: syntax.cbl: Parsing errors have caused bailout. This file will not be processed.\n"
       "Errors: 2, Warnings: 1\n",
       2},
  };
  std::vector<std::string> sources;
  for (const Case& c : cases) {
    ProgramRun run = OnFixture(c.source, c.args);
    EXPECT_EQ(run.out, c.out) << c.args;
    EXPECT_EQ(run.exitStatus, c.status) << c.args;
    if (std::find(sources.begin(), sources.end(), c.source) == sources.end())
      sources.push_back(c.source);
    std::sort(sources.begin(), sources.end());
    EXPECT_EQ(DirectoryNames(dir_.path()), sources) << c.args;
  }
}

// ---------------------------------------------------------------------------
// The shared corpus
// ---------------------------------------------------------------------------

class XformtoolCorpus : public ::testing::Test {
protected:
  void SetUp() override {
    if (!IsDirectory(kNist)) GTEST_SKIP() << "the shared corpus is not at " << kNist;
  }
  std::string FindArgs() const {
    return "-find-only -xforms=find -xform-dirs=" + ShellQuote(kFixtures);
  }
};

TEST_F(XformtoolCorpus, FindOnlyCountsTheStatementsOfNistProgramsAndWritesNothing) {
  const std::vector<std::string> before = DirectoryNames(kNist);
  const std::string args = FindArgs() + " -copylib-dir=" + ShellQuote(kNist + "/copy");
  ProgramRun one = RunIn(kNist, kXformtool, args + " NC101A.CBL");
  EXPECT_EQ(one.out,
            "*Reading* NC101A.CBL\nList of applied transformations:\n1601 find\n"
            "Errors: 0, Warnings: 0\n");
  EXPECT_EQ(one.exitStatus, 0);
  ProgramRun two = RunIn(kNist, kXformtool, args + " NC101A.CBL NC171A.CBL");
  EXPECT_EQ(Listed(Blocks(two.out)["NC171A.CBL"], "find"), 3384);
  EXPECT_EQ(two.exitStatus, 0);
  EXPECT_EQ(DirectoryNames(kNist), before);
}

// The NIST sources in eight parts, so that each run stays short under the
// sanitizers.
const int kNistParts = 8;

class XformtoolNistPart : public XformtoolCorpus, public ::testing::WithParamInterface<int> {};

TEST_P(XformtoolNistPart, EveryNistSourceHasLarkstatsStatementCount) {
  std::vector<std::string> all = Sources(kNist, {".CBL", ".SUB"});
  for (const std::string& f : Sources(kNist + "/lib", {".CBL", ".SUB"}, "lib/")) all.push_back(f);
  std::vector<std::string> files;
  for (size_t i = 0; i < all.size(); ++i)
    if (static_cast<int>(i % kNistParts) == GetParam()) files.push_back(all[i]);
  const std::string copy = " -copylib-dir=" + ShellQuote(kNist + "/copy");
  ProgramRun stat = RunIn(kNist, kLarkstat, "-no-mem-offsets" + copy + Joined(files));
  ProgramRun xform = RunIn(kNist, kXformtool, FindArgs() + copy + Joined(files));
  EXPECT_GT(CompareCounts(files, stat, xform), 40);
}

INSTANTIATE_TEST_SUITE_P(Parts, XformtoolNistPart, ::testing::Range(0, kNistParts));

TEST_F(XformtoolCorpus, EveryGenappProgramHasLarkstatsStatementCount) {
  if (!IsDirectory(kGenapp)) GTEST_SKIP() << "genapp is not at " << kGenapp;
  const std::vector<std::string> files = Sources(kGenapp, {".cbl"});
  const std::string cics =
      " -lang=saa -lang2=mf -cics-eib=yes -copylib-dir=.,../../../syscopy -copylib-sfx=,.cpy";
  ProgramRun stat = RunIn(kGenapp, kLarkstat, "-no-mem-offsets" + cics + Joined(files));
  ProgramRun xform = RunIn(kGenapp, kXformtool, FindArgs() + cics + Joined(files));
  EXPECT_GT(CompareCounts(files, stat, xform), 20);
}

TEST_F(XformtoolCorpus, RenewRenewsTheProcedureStatementsInsideNoOther) {
  // The renewed programs go to a scratch folder: nothing is written beside
  // the shared sources.
  ScratchDir out;
  const std::vector<std::string> before = DirectoryNames(kNist);
  const std::string args = "-silent -conv-list -xforms=renew -xform-dirs=" + ShellQuote(kFixtures) +
                           " -gen-main-dir=" + ShellQuote(out.Path("out")) + " -copylib-dir=" +
                           ShellQuote(kNist + "/copy");
  struct Case {
    const char* program;
    long renewed;
  };
  for (const Case& c : {Case{"NC101A.CBL", 701}, Case{"NC171A.CBL", 744}, Case{"IF101A.CBL", 354}}) {
    ProgramRun run = RunIn(kNist, kXformtool, args + " " + c.program);
    EXPECT_EQ(Listed(run.out, "renew"), c.renewed) << c.program;
    EXPECT_EQ(run.exitStatus, 0) << c.program;
    EXPECT_TRUE(PathExists(out.Path(std::string("out/") + c.program))) << c.program;
  }
  EXPECT_EQ(DirectoryNames(kNist), before);
}

// Where nothing applies, the outputs of NIST programs and their COPY members
// are larkprint's, byte for byte.
TEST_F(XformtoolCorpus, ApplyingNowhereWritesWhatLarkprintWritesForNistPrograms) {
  ScratchDir t;
  auto gen = [&](const std::string& root) {
    return " -silent -gen-src -gen-main-dir=" + ShellQuote(t.Path(root + "/out")) + " -gen-copy-dir=" +
           ShellQuote(t.Path(root + "/copy")) + " -copylib-dir=" + ShellQuote(kNist + "/copy") +
           " NC101A.CBL SM105A.CBL SM201A.CBL";
  };
  ProgramRun print = RunIn(kNist, kLarkprint, gen("L"));
  ASSERT_EQ(print.exitStatus, 0) << print.out;
  ProgramRun run = RunIn(kNist, kXformtool, "-xforms=find -xform-dirs=" + ShellQuote(kFixtures) + gen("X"));
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.exitStatus, 0);
  const std::vector<std::string> printed = FilesBelow(t.Path("L"));
  EXPECT_GT(printed.size(), 3u);
  EXPECT_EQ(FilesBelow(t.Path("X")), printed);
  for (const std::string& f : printed)
    EXPECT_EQ(ReadWholeFile(t.Path("X/" + f)), ReadWholeFile(t.Path("L/" + f))) << f;
}

// ---------------------------------------------------------------------------
// Renewed NIST programs written back
// ---------------------------------------------------------------------------

// The programs of tests/data/grammar/nist_known_failures.txt.
std::vector<std::string> KnownFailures() {
  std::ifstream in(std::string(LARK_TEST_DATA) + "/grammar/nist_known_failures.txt");
  std::vector<std::string> names;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') names.push_back(line.substr(0, line.find(' ')));
  return names;
}

// The comment lines of a fixed-format source: columns 7 to 72 of each line
// with '*' or '/' in column 7, blanks at the end dropped.
std::vector<std::string> CommentLines(const std::string& text) {
  std::vector<std::string> comments;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() < 7 || (line[6] != '*' && line[6] != '/')) continue;
    std::string part = line.substr(6, 66);
    part.erase(part.find_last_not_of(' ') + 1);
    comments.push_back(part);
  }
  return comments;
}

// larkstat's report of a block from "PROGRAM-ID:" to its counts line.
std::string ReportPart(const std::string& block) {
  const size_t from = block.find("PROGRAM-ID:");
  const size_t counts = block.find("Errors: ", from == std::string::npos ? 0 : from);
  if (from == std::string::npos || counts == std::string::npos) return "(no report)";
  return block.substr(from, block.find('\n', counts) + 1 - from);
}

// The renewed programs in sixteen parts: each part renews, writes and reads
// back its programs twice, which under the sanitizers takes a part of the
// suite well inside the time limit of a case.
const int kRenewParts = 16;

class XformtoolRenewPart : public XformtoolCorpus, public ::testing::WithParamInterface<int> {};

TEST_P(XformtoolRenewPart, RenewedProgramsReadBackAsTheirSources) {
  ScratchDir out;
  const std::string copy = kNist + "/copy";
  const std::vector<std::string> known = KnownFailures();
  std::vector<std::string> programs;
  int index = 0;
  for (const std::string& p : Sources(kNist, {".CBL"})) {
    if (std::find(known.begin(), known.end(), p) != known.end()) continue;
    const std::string text = ReadWholeFile(kNist + "/" + p);
    if (p.rfind("SM", 0) == 0 && text.find(" COPY ") != std::string::npos) continue;
    if (index++ % kRenewParts == GetParam()) programs.push_back(p);
  }
  ASSERT_FALSE(programs.empty());
  ProgramRun renew = RunIn(kNist, kXformtool,
                           "-silent -conv-list -xforms=renew -xform-dirs=" + ShellQuote(kFixtures) +
                               " -gen-src -gen-main-dir=" + ShellQuote(out.Path("out")) +
                               " -gen-copy-dir=" + ShellQuote(out.Path("copy")) + " -copylib-dir=" +
                               ShellQuote(copy) + Joined(programs));
  ASSERT_EQ(renew.exitStatus, 0) << renew.out;
  const std::string stat = std::string(kLarkstat) + " -no-mem-offsets -copylib-dir=" + ShellQuote(copy);
  std::map<std::string, std::string> before = Blocks(RunIn(kNist, stat.c_str(), Joined(programs)).out);
  std::map<std::string, std::string> after =
      Blocks(RunIn(out.Path("out"), stat.c_str(), Joined(programs)).out);
  for (const std::string& p : programs) {
    EXPECT_EQ(ReportPart(after[p]), ReportPart(before[p])) << p;
    // Every comment line of the source stands in the output, in order.
    const std::vector<std::string> written = CommentLines(ReadWholeFile(out.Path("out/" + p)));
    size_t at = 0;
    for (const std::string& comment : CommentLines(ReadWholeFile(kNist + "/" + p))) {
      while (at < written.size() && written[at] != comment) ++at;
      EXPECT_LT(at, written.size()) << p << ": comment line missing: " << comment;
      if (at == written.size()) break;
      ++at;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Parts, XformtoolRenewPart, ::testing::Range(0, kRenewParts));

}  // namespace
