// Tests of the xformtool test program run as a separate process: the sample
// transformations found and applied on a small fixture and over the shared
// corpus (whose statement counts must equal larkstat's), the refusal of bad
// transformation files and options, and (once the driver prints) the
// renewed NIST programs read back by larkstat.
#include <dirent.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "../foundation/RunProgram.h"
#include "ScratchDir.h"

namespace {

const char kXformtool[] = LARK_XFORMTOOL;
const char kLarkstat[] = LARK_LARKSTAT;
const std::string kFixtures = std::string(LARK_TEST_DATA) + "/transform";
const std::string kNist = std::string(LARK_CORPUS) + "/nist";
const std::string kGenapp = std::string(LARK_CORPUS) + "/cics/genapp/base/src";

std::string Quote(const std::string& s) { return "'" + s + "'"; }

ProgramRun RunIn(const std::string& dir, const char* program, const std::string& args) {
  return RunProgram("cd " + Quote(dir) + " && " + program + " " + args);
}

// The names in a directory, sorted.
std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d))
      if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.push_back(e->d_name);
    closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool IsDirectory(const std::string& path) {
  DIR* d = opendir(path.c_str());
  if (d) closedir(d);
  return d != nullptr;
}

// The sources of a folder with one of the suffixes, in name order,
// prefixed with `prefix`.
std::vector<std::string> Sources(const std::string& dir, const std::vector<std::string>& suffixes,
                                 const std::string& prefix = "") {
  std::vector<std::string> files;
  for (const std::string& name : Listing(dir))
    for (const std::string& sfx : suffixes)
      if (name.size() > sfx.size() && name.compare(name.size() - sfx.size(), sfx.size(), sfx) == 0)
        files.push_back(prefix + name);
  return files;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& w : words) text += " " + Quote(w);
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

class Xformtool : public ::testing::Test {
protected:
  // Runs xformtool on `source` (a fixture) copied into the scratch
  // directory, with the fixtures as transformation directory.
  ProgramRun OnFixture(const std::string& source, const std::string& args) {
    std::ifstream in(kFixtures + "/" + source, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    dir_.Write(source, text.str());
    return RunIn(dir_.path(), kXformtool,
                 "-xform-dirs=" + Quote(kFixtures) + " " + args + " " + source);
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
  EXPECT_EQ(Listing(dir_.path()), std::vector<std::string>{"nested.cbl"});
}

TEST_F(Xformtool, ApplyingRenewsStatementsInsideNoOther) {
  // The IF is renewed; the DISPLAY inside it went with it and is not
  // walked again.
  ProgramRun run = OnFixture("nested.cbl", "-conv-info -conv-list -xforms=renew");
  EXPECT_EQ(run.out,
            "*Reading* nested.cbl\n"
            "nested.cbl:8:12: Applied renew (renew procedure statements)\n"
            "nested.cbl:11:12: Applied renew (renew procedure statements)\n"
            "List of applied transformations:\n"
            "2   renew\n"
            "Errors: 0, Warnings: 0\n");
  EXPECT_EQ(run.exitStatus, 0);
}

TEST_F(Xformtool, ApplyingNowhereListsNothing) {
  for (const char* args : {"-conv-list -xforms=find", "-conv-list -xforms=", "-conv-list"}) {
    ProgramRun run = OnFixture("nested.cbl", args);
    EXPECT_EQ(run.out, "*Reading* nested.cbl\nErrors: 0, Warnings: 0\n") << args;
    EXPECT_EQ(run.exitStatus, 0) << args;
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
    EXPECT_EQ(Listing(dir_.path()), sources) << c.args;
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
    return "-find-only -xforms=find -xform-dirs=" + Quote(kFixtures);
  }
};

TEST_F(XformtoolCorpus, FindOnlyCountsTheStatementsOfNistProgramsAndWritesNothing) {
  const std::vector<std::string> before = Listing(kNist);
  const std::string args = FindArgs() + " -copylib-dir=" + Quote(kNist + "/copy");
  ProgramRun one = RunIn(kNist, kXformtool, args + " NC101A.CBL");
  EXPECT_EQ(one.out,
            "*Reading* NC101A.CBL\nList of applied transformations:\n1601 find\n"
            "Errors: 0, Warnings: 0\n");
  EXPECT_EQ(one.exitStatus, 0);
  ProgramRun two = RunIn(kNist, kXformtool, args + " NC101A.CBL NC171A.CBL");
  EXPECT_EQ(Listed(Blocks(two.out)["NC171A.CBL"], "find"), 3384);
  EXPECT_EQ(two.exitStatus, 0);
  EXPECT_EQ(Listing(kNist), before);
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
  const std::string copy = " -copylib-dir=" + Quote(kNist + "/copy");
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
  const std::string args = "-silent -conv-list -xforms=renew -xform-dirs=" + Quote(kFixtures) +
                           " -copylib-dir=" + Quote(kNist + "/copy");
  struct Case {
    const char* program;
    long renewed;
  };
  for (const Case& c : {Case{"NC101A.CBL", 701}, Case{"NC171A.CBL", 744}, Case{"IF101A.CBL", 354}}) {
    ProgramRun run = RunIn(kNist, kXformtool, args + " " + c.program);
    EXPECT_EQ(Listed(run.out, "renew"), c.renewed) << c.program;
    EXPECT_EQ(run.exitStatus, 0) << c.program;
  }
}

// ---------------------------------------------------------------------------
// Renewed programs written back (needs the driver's printing step)
// ---------------------------------------------------------------------------

// Whether xformtool offers the options of COBOL output.
bool XformtoolPrints() {
  ProgramRun run = RunProgram(std::string(kXformtool) + " -pf");
  return run.out.find("-gen-main-dir=") != std::string::npos;
}

// The programs of tests/data/grammar/nist_known_failures.txt.
std::vector<std::string> KnownFailures() {
  std::ifstream in(std::string(LARK_TEST_DATA) + "/grammar/nist_known_failures.txt");
  std::vector<std::string> names;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') names.push_back(line.substr(0, line.find(' ')));
  return names;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
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

TEST_F(XformtoolCorpus, RenewedProgramsReadBackAsTheirSources) {
  if (!XformtoolPrints()) GTEST_SKIP() << "xformtool does not write COBOL yet";
  ScratchDir out;
  const std::string copy = kNist + "/copy";
  const std::vector<std::string> known = KnownFailures();
  std::vector<std::string> programs;
  for (const std::string& p : Sources(kNist, {".CBL"})) {
    if (std::find(known.begin(), known.end(), p) != known.end()) continue;
    const std::string text = ReadText(kNist + "/" + p);
    if (p.rfind("SM", 0) == 0 && text.find(" COPY ") != std::string::npos) continue;
    programs.push_back(p);
  }
  ProgramRun renew = RunIn(kNist, kXformtool,
                           "-silent -conv-list -xforms=renew -xform-dirs=" + Quote(kFixtures) +
                               " -gen-src -gen-main-dir=" + Quote(out.Path("out")) +
                               " -gen-copy-dir=" + Quote(out.Path("copy")) + " -copylib-dir=" +
                               Quote(copy) + Joined(programs));
  ASSERT_EQ(renew.exitStatus, 0) << renew.out;
  const std::string stat = std::string(kLarkstat) + " -no-mem-offsets -copylib-dir=" + Quote(copy);
  std::map<std::string, std::string> before = Blocks(RunIn(kNist, stat.c_str(), Joined(programs)).out);
  std::map<std::string, std::string> after =
      Blocks(RunIn(out.Path("out"), stat.c_str(), Joined(programs)).out);
  for (const std::string& p : programs) {
    EXPECT_EQ(ReportPart(after[p]), ReportPart(before[p])) << p;
    // Every comment line of the source stands in the output, in order.
    const std::vector<std::string> written = CommentLines(ReadText(out.Path("out/" + p)));
    size_t at = 0;
    for (const std::string& comment : CommentLines(ReadText(kNist + "/" + p))) {
      while (at < written.size() && written[at] != comment) ++at;
      EXPECT_LT(at, written.size()) << p << ": comment line missing: " << comment;
      if (at == written.size()) break;
      ++at;
    }
  }
}

}  // namespace
