// Tests of the lexer object and its input levels: construction and reset,
// opening and closing the main source, the search of the copy libraries,
// the nesting limit, files already open on the stack, and the value of
// member names written as literals.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "LexerTestSupport.h"
#include "OrvExprOper.h"
#include "OrvOper.h"

namespace {

std::vector<std::string> Suffixes(const OrvLexer& lexer) {
  std::vector<std::string> all;
  const VStringArray& suffixes = lexer.settings.copylibSuffixes;
  for (int i = 0; i < suffixes.count; ++i) all.push_back(Str(suffixes.items[i]));
  return all;
}

void SetList(VStringArray& list, std::initializer_list<std::string> items) {
  list.count = 0;
  for (const std::string& s : items) list.items[list.count++] = VString(s.c_str());
}

// Writes each member as <name>.cpy beside the main source, makes the
// scratch directory the only copy library and opens the main source.
void OpenWithMembers(LexerRun& run, std::initializer_list<const char*> members) {
  for (const char* m : members) run.dir.Write(std::string(m) + ".cpy", "       X.\n");
  SetList(run.lexer.settings.copylibDirs, {run.dir.path()});
  run.Open("       A.\n");
}

TEST(OrvLexerTest, DefaultsAndResetKeepOneEmptySuffix) {
  MessageRecorder rec;
  OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(ORV_LINE_FORMAT_FIXED, lexer.settings.lineFormat);
  EXPECT_EQ(1, lexer.settings.sepSpaceReqd);
  EXPECT_EQ(1, lexer.settings.inlineCopy);
  EXPECT_EQ(ORV_CASE_LOWER, lexer.settings.copynamesCase);
  EXPECT_EQ(100, lexer.settings.progressInterval);
  EXPECT_EQ(100, lexer.settings.excludeKeywords.capacity);
  ASSERT_EQ(1, lexer.settings.copylibDirs.count);
  EXPECT_EQ(".", Str(lexer.settings.copylibDirs.items[0]));
  EXPECT_EQ((std::vector<std::string>{".cpy", ""}), Suffixes(lexer));
  lexer.Reset();
  lexer.Reset();
  EXPECT_EQ((std::vector<std::string>{".cpy", ""}), Suffixes(lexer));
  // A full list, as copied in from the parser settings, gets no empty
  // suffix: the bare member name is then not tried.
  VStringArray ten(10);
  for (int i = 0; i < 10; ++i) ten.items[ten.count++] = VString(OrvFormat(".s%d", i));
  lexer.settings.copylibSuffixes = ten;
  lexer.Reset();
  EXPECT_EQ(10, lexer.settings.copylibSuffixes.count);
  EXPECT_EQ(".s9", Str(lexer.settings.copylibSuffixes.items[9]));
  EXPECT_EQ(0u, rec.size());
}

TEST(OrvLexerTest, ResetRestoresSwitchesAndCounters) {
  LexerRun run;
  run.Open(Lines({AreaA("A.")}));
  OrvLexer& lx = run.lexer;
  lx.switches.reservedWordLookup = 0;
  lx.switches.specialReservedWords = 1;
  lx.switches.functionNameMode = 1;
  lx.switches.debuggingLines = 1;
  lx.switches.cblWindow = 0;
  lx.switches.commentEntry = 1;
  lx.switches.decimalPoint = ',';
  lx.errorFlag = 1;
  EXPECT_EQ('A', ViewOf(lx.GetCharAB()).code);
  EXPECT_EQ(1, lx.lineCount);
  lx.Reset();
  EXPECT_EQ(1, lx.switches.reservedWordLookup);
  EXPECT_EQ(0, lx.switches.specialReservedWords);
  EXPECT_EQ(0, lx.switches.functionNameMode);
  EXPECT_EQ(0, lx.switches.debuggingLines);
  EXPECT_EQ(1, lx.switches.cblWindow);
  EXPECT_EQ(0, lx.switches.commentEntry);
  EXPECT_EQ('.', lx.switches.decimalPoint);
  EXPECT_EQ(0, lx.errorFlag);
  EXPECT_EQ(0, lx.lineCount);
  EXPECT_EQ(0, lx.locCount);
  EXPECT_EQ(0, lx.tokenCount);
  // Reset closes what an earlier parse left open.
  EXPECT_EQ(0, lx.InputLevelCount());
}

TEST(OrvLexerTest, ResetUnreservesExcludedKeywords) {
  MessageRecorder rec;
  OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, nullptr, nullptr);
  const OrvKeyword* row = OrvFindKeyword(VString("CONVERTING"), OrvCobolKeywords);
  ASSERT_NE(nullptr, row);
  ASSERT_NE(0u, row->mask);
  lexer.settings.excludeKeywords.items[lexer.settings.excludeKeywords.count++] = VString("converting");
  lexer.Reset();
  EXPECT_EQ(0u, row->mask);
  EXPECT_EQ("CONVERTING", Str(lexer.settings.excludeKeywords.items[0]));
}

TEST(OrvLexerTest, SetInputFailures) {
  LexerRun run;
  const std::string missing = run.dir.Path("x");
  EXPECT_EQ(ORV_CANNOT_OPEN_INPUT, run.lexer.SetInput(VString(missing.c_str())));
  EXPECT_TRUE(run.rec.Has(MSG_ERR, "Cannot open main file '" + missing + "' for input"));
  EXPECT_EQ(0, run.lexer.InputLevelCount());
  // A directory is no source.
  EXPECT_EQ(ORV_CANNOT_OPEN_INPUT, run.lexer.SetInput(VString(run.dir.path().c_str())));
  run.rec.clear();
  run.Open("       A.\n");
  EXPECT_EQ(ORV_CANNOT_OPEN_INPUT, run.lexer.SetInput(VString(run.path.c_str())));
  EXPECT_TRUE(run.rec.Has(MSG_SEVERE, "OrvLexer::SetInput: input_level!=0"));
  EXPECT_EQ(1, run.lexer.InputLevelCount());
}

TEST(OrvLexerTest, CloseInputClosesEveryLevel) {
  LexerRun run;
  OpenWithMembers(run, {"M1", "M2"});
  VString path;
  ASSERT_EQ(1, run.lexer.OpenInputLevel("M1", STMT_INLINED_COPY_END, path));
  ASSERT_EQ(1, run.lexer.OpenInputLevel("M2", STMT_INLINED_COPY_END, path));
  EXPECT_EQ(run.dir.Path("M2.cpy"), Str(path));
  EXPECT_EQ(run.dir.Path("M2.cpy"), Str(run.lexer.CurrentFileName()));
  EXPECT_EQ(3, run.lexer.InputLevelCount());
  run.lexer.errorFlag = 1;
  run.lexer.CloseInput();
  EXPECT_EQ(0, run.lexer.InputLevelCount());
  EXPECT_EQ(0, run.lexer.errorFlag);
  // The file is read again from its start by the next parse.
  run.lexer.Reset();
  ASSERT_EQ(ORV_OK, run.lexer.SetInput(VString(run.path.c_str())));
  EXPECT_EQ('A', ViewOf(run.lexer.GetCharAB()).code);
}

TEST(OrvLexerTest, CloseInputLevelGivesBackEndOperationAndName) {
  LexerRun run;
  OpenWithMembers(run, {"M1"});
  VString path;
  ASSERT_EQ(1, run.lexer.OpenInputLevel("M1", STMT_INLINED_INCLUDE_END, path));
  VString name;
  EXPECT_EQ(STMT_INLINED_INCLUDE_END, run.lexer.CloseInputLevel(0, name));
  EXPECT_EQ(run.dir.Path("M1.cpy"), Str(name));
  EXPECT_EQ(1, run.lexer.InputLevelCount());
  // The main source stays unless asked to close.
  name = VString();
  EXPECT_EQ(ORV_MAIN_SOURCE_END, run.lexer.CloseInputLevel(0, name));
  EXPECT_EQ(1, run.lexer.InputLevelCount());
  EXPECT_EQ("", Str(name));
  EXPECT_EQ(ORV_MAIN_SOURCE_END, run.lexer.CloseInputLevel(1, name));
  EXPECT_EQ(run.path, Str(name));
  EXPECT_EQ(0, run.lexer.InputLevelCount());
}

// The copy-library search for the member ABC: which files exist, the
// directories and suffixes configured, the name case, and the path opened
// ("" when nothing is opened) with the message expected.
struct SearchCase {
  const char* what;
  std::vector<std::string> files;
  std::vector<std::string> dirs;
  std::vector<std::string> suffixes;  // before the empty suffix of Reset
  int nameCase;
  const char* member;
  const char* opened;
  int level;
  const char* message;
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.what; }

class CopySearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(CopySearchTest, OpensFirstPathFound) {
  const SearchCase& c = GetParam();
  LexerRun run;
  for (const std::string& f : c.files) {
    if (f.back() == '/')
      run.dir.MakeDir(f);
    else
      run.dir.Write(f, "       X.\n");
  }
  InDir here(run.dir.path());
  std::vector<std::string> dirs = c.dirs;
  for (std::string& d : dirs)
    if (d == "<long>") d = std::string(1530, 'd');
  VStringArray& dirList = run.lexer.settings.copylibDirs;
  dirList.count = 0;
  for (const std::string& d : dirs) dirList.items[dirList.count++] = VString(d.c_str());
  VStringArray& suffixList = run.lexer.settings.copylibSuffixes;
  suffixList.count = 0;
  for (const std::string& s : c.suffixes) suffixList.items[suffixList.count++] = VString(s.c_str());
  run.lexer.settings.copynamesCase = c.nameCase;
  run.Open("       A.\n");
  run.rec.clear();
  VString path;
  const int opened = run.lexer.OpenInputLevel(c.member, STMT_INLINED_COPY_END, path);
  EXPECT_EQ(c.opened[0] != '\0', opened == 1);
  EXPECT_EQ(c.opened, Str(path));
  EXPECT_EQ(opened ? 2 : 1, run.lexer.InputLevelCount());
  if (c.message[0] != '\0') {
    std::string text = c.message;
    const size_t at = text.find("<long>");
    if (at != std::string::npos) text.replace(at, 6, std::string(1530, 'd'));
    EXPECT_TRUE(run.rec.Has(c.level, text)) << run.rec.Dump();
  }
  EXPECT_EQ(c.message[0] != '\0' ? 1u : 0u, run.rec.size()) << run.rec.Dump();
  if (opened) {
    EXPECT_EQ('X', ViewOf(run.lexer.GetCharAB()).code);
  }
}

const int kExact = ORV_CASE_EXACT;
const int kLower = ORV_CASE_LOWER;
const int kUpper = ORV_CASE_UPPER;

INSTANTIATE_TEST_SUITE_P(
    OrvLexerTest, CopySearchTest,
    ::testing::Values(
        SearchCase{"bare lower-case name last", {"abc"}, {"."}, {".cpy"}, kLower, "ABC", "./abc", 0, ""},
        SearchCase{"suffix before case", {"abc.cpy", "ABC"}, {"."}, {".cpy"}, kLower, "ABC", "./abc.cpy", 0, ""},
        SearchCase{"directory with slash", {"lib/ABC.cpy"}, {"lib/"}, {".cpy"}, kLower, "ABC", "lib/ABC.cpy", 0, ""},
        SearchCase{"empty directory", {"ABC.cpy"}, {""}, {".cpy"}, kLower, "ABC", "ABC.cpy", 0, ""},
        SearchCase{"second directory", {"two/ABC.cpy"}, {"one", "two"}, {".cpy"}, kLower, "ABC", "two/ABC.cpy", 0, ""},
        SearchCase{"suffix without dot", {"ABC.cob"}, {"."}, {"cob"}, kLower, "ABC", "./ABC.cob", 0, ""},
        SearchCase{"upper case variant", {"ABC.CPY"}, {"."}, {".cpy"}, kUpper, "abc", "./ABC.CPY", 0, ""},
        SearchCase{"name with a dot takes no suffix", {"abc.txt"}, {"."}, {".cpy"}, kLower, "ABC.TXT", "./abc.txt", 0, ""},
        SearchCase{"name with a slash as given", {"sub/Abc.cpy"}, {"nowhere"}, {".cpy"}, kLower, "sub/Abc.cpy", "sub/Abc.cpy", 0, ""},
        SearchCase{"a directory is no member", {"ABC.cpy/", "ABC"}, {"."}, {".cpy"}, kExact, "ABC", "./ABC", 0, ""},
        SearchCase{"exact case finds nothing else", {"abc.cpy"}, {"."}, {".cpy"}, kExact, "ABC", "", MSG_WARN,
                   "Cannot find/open file 'ABC' in directories on Copylib path"},
        SearchCase{"no directories", {"ABC.cpy"}, {}, {".cpy"}, kLower, "ABC", "", MSG_WARN,
                   "Cannot find/open file 'ABC' in directories on Copylib path"},
        SearchCase{"path too long stops the search", {"ABC.cpy"}, {"<long>", "."}, {".cpy"}, kLower, "ABC", "",
                   MSG_ERR, "COPYLIB file name too long: dir='<long>', name='ABC'"}),
    CaseName<SearchCase>);

TEST(OrvLexerTest, MembersAreNotOpenedWithInlineCopyOff) {
  LexerRun run;
  run.lexer.settings.inlineCopy = 0;
  OpenWithMembers(run, {"ABC"});
  VString path;
  EXPECT_EQ(0, run.lexer.OpenInputLevel("ABC", STMT_INLINED_COPY_END, path));
  EXPECT_EQ(0u, run.rec.size());
  EXPECT_EQ(1, run.lexer.InputLevelCount());
}

TEST(OrvLexerTest, TwentyLevelsAtMost) {
  LexerRun run;
  std::vector<std::string> names;
  for (int i = 1; i <= ORV_MAX_INPUT_LEVELS; ++i) names.push_back("M" + std::to_string(i));
  for (const std::string& m : names) run.dir.Write(m + ".cpy", "       X.\n");
  SetList(run.lexer.settings.copylibDirs, {run.dir.path()});
  run.Open("       A.\n");
  VString path;
  for (int i = 1; i < ORV_MAX_INPUT_LEVELS; ++i)
    ASSERT_EQ(1, run.lexer.OpenInputLevel(names[i - 1].c_str(), STMT_INLINED_COPY_END, path)) << i;
  EXPECT_EQ(20, run.lexer.InputLevelCount());
  EXPECT_EQ(0u, run.rec.size()) << run.rec.Dump();
  EXPECT_EQ(0, run.lexer.OpenInputLevel(names.back().c_str(), STMT_INLINED_COPY_END, path));
  EXPECT_TRUE(run.rec.Has(MSG_SEVERE, "COPY/-INC statements are nested too deep"));
  EXPECT_EQ(20, run.lexer.InputLevelCount());
  // Every open level goes with the lexer (checked by the leak checker).
}

// A file already open on the input stack is not opened again, whatever
// path reaches it: its COPY (-INC, EXEC SQL INCLUDE) gets the message of the
// nesting bound at the statement and the text goes on after it.  Files are
// written in the working directory, the only copy library ".", and the main
// source is src.cbl; `opened` counts the levels opened per path, `refused`
// gives the place of each message as file:line:column (columns from 0).
struct RepeatCase {
  const char* what;
  std::vector<std::pair<std::string, std::string>> members;
  std::string main;
  std::string opened;
  std::vector<std::string> refused;
};

void PrintTo(const RepeatCase& c, std::ostream* os) { *os << c.what; }

class RepeatedMemberTest : public ::testing::TestWithParam<RepeatCase> {};

// "path:count" for each path opened, in the order of first opening.
std::string Openings(const TokensAndNodes& read) {
  std::vector<std::pair<std::string, int>> counts;
  for (const auto& node : read.nodes) {
    if (node->Oper() != STMT_INLINED_COPY_BEG && node->Oper() != STMT_INLINED_INCLUDE_BEG) continue;
    const std::string path = Str(*node->Args(2)->Image());
    auto at = std::find_if(counts.begin(), counts.end(), [&](const auto& c) { return c.first == path; });
    if (at == counts.end())
      counts.emplace_back(path, 1);
    else
      ++at->second;
  }
  std::string out;
  for (const auto& c : counts) out += (out.empty() ? "" : " ") + c.first + ":" + std::to_string(c.second);
  return out;
}

std::string Place(const OrvTxtPosn& posn) {
  const CountedNameTable& names = OrvFileNameTable();
  const int ix = posn.FileIx();
  const std::string file = ix > 0 && ix < names.count ? Str(names.entries[ix].name) : "?";
  return file + ":" + std::to_string(posn.Line()) + ":" + std::to_string(posn.Column());
}

TEST_P(RepeatedMemberTest, OpensEachFileOnceOnTheStack) {
  const RepeatCase& c = GetParam();
  LexerRun run;
  InDir here(run.dir.path());
  for (const auto& m : c.members) run.dir.Write(m.first, m.second);
  run.dir.Write("src.cbl", c.main);
  run.lexer.settings.sql = 1;
  run.lexer.settings.dials = DialsOf({ORV_DIAL_ANSI85});
  run.lexer.Reset();
  ASSERT_EQ(ORV_OK, run.lexer.SetInput(VString("src.cbl")));
  TokensAndNodes read = ReadTokensAndNodes(run.lexer);
  EXPECT_EQ(c.opened, Openings(read));
  std::vector<std::string> refused;
  for (const RecordedMessage& m : run.rec.messages()) {
    EXPECT_EQ(MSG_SEVERE, m.level) << m.text;
    EXPECT_EQ("COPY/-INC statements are nested too deep", m.text);
    refused.push_back(Place(m.posn));
  }
  EXPECT_EQ(c.refused, refused);
  // The main source's last statement is read after every member.
  ASSERT_GE(read.tokens.size(), 4u);
  EXPECT_EQ("RW_STOP, RW_RUN, SEP_DOT, SEP_EOF",
            Show(std::vector<UnitView>(read.tokens.end() - 4, read.tokens.end())));
  EXPECT_EQ(1, run.lexer.InputLevelCount());
}

const std::string kStop = AreaB("STOP RUN.");

INSTANTIATE_TEST_SUITE_P(
    OrvLexerTest, RepeatedMemberTest,
    ::testing::Values(
        RepeatCase{"member copies itself twice",
                   {{"A.cpy", Lines({AreaB("COPY A."), AreaB("COPY A.")})}},
                   Lines({AreaB("COPY A."), kStop}),
                   "./A.cpy:1",
                   {"./A.cpy:1:11", "./A.cpy:2:11"}},
        RepeatCase{"member copies itself through another",
                   {{"A.cpy", Lines({AreaB("COPY B.")})},
                    {"B.cpy", Lines({AreaB("COPY A."), AreaB("COPY A.")})}},
                   Lines({AreaB("COPY A."), kStop}),
                   "./A.cpy:1 ./B.cpy:1",
                   {"./B.cpy:1:11", "./B.cpy:2:11"}},
        RepeatCase{"main source copies itself",
                   {},
                   Lines({AreaB("COPY 'src.cbl'."), kStop}),
                   "",
                   {"src.cbl:1:11"}},
        RepeatCase{"member named by its path copies itself",
                   {{"A.cpy", Lines({AreaB("COPY \"./A.cpy\".")})}},
                   Lines({AreaB("COPY A."), kStop}),
                   "./A.cpy:1",
                   {"./A.cpy:1:11"}},
        RepeatCase{"library inclusion of itself",
                   {{"A.cpy", Lines({"-INC A", AreaB("DISPLAY X.")})}},
                   Lines({AreaB("COPY A."), kStop}),
                   "./A.cpy:1",
                   {"./A.cpy:1:5"}},
        RepeatCase{"SQL include of itself",
                   {{"A.cpy", Lines({AreaB("EXEC SQL INCLUDE A END-EXEC.")})}},
                   Lines({AreaB("EXEC SQL INCLUDE A END-EXEC."), kStop}),
                   "./A.cpy:1",
                   {"./A.cpy:1:11"}},
        RepeatCase{"chain of distinct members expands in full",
                   {{"A.cpy", Lines({AreaB("COPY B."), AreaB("COPY B.")})},
                    {"B.cpy", Lines({AreaB("COPY C."), AreaB("COPY C.")})},
                    {"C.cpy", Lines({AreaB("DISPLAY X.")})}},
                   Lines({AreaB("COPY A."), kStop}),
                   "./A.cpy:1 ./B.cpy:2 ./C.cpy:4",
                   {}},
        RepeatCase{"a member closed may be copied again",
                   {{"A.cpy", Lines({AreaB("DISPLAY X.")})}},
                   Lines({AreaB("COPY A."), AreaB("COPY A."), kStop}),
                   "./A.cpy:2",
                   {}}),
    CaseName<RepeatCase>);

// One file reached through two copy-library directories (a symbolic link)
// is one file on the stack.
TEST(OrvLexerTest, OneFileUnderTwoDirectoriesIsOpenedOnce) {
  LexerRun run;
  run.dir.Write("lib/A.cpy", Lines({AreaB("COPY A.")}));
  ASSERT_EQ(0, symlink("lib", run.dir.Path("alias").c_str()));
  SetList(run.lexer.settings.copylibDirs, {run.dir.Path("alias"), run.dir.Path("lib")});
  run.Open(Lines({AreaB("COPY A."), kStop}));
  VString path;
  ASSERT_EQ(1, run.lexer.OpenInputLevel("A", STMT_INLINED_COPY_END, path));
  EXPECT_EQ(run.dir.Path("alias/A.cpy"), Str(path));
  // The member copies itself: the search finds the same file again, and
  // another path to it is refused all the same.
  EXPECT_EQ(0, run.lexer.OpenInputLevel("A", STMT_INLINED_COPY_END, path));
  EXPECT_EQ(0, run.lexer.OpenInputLevel(run.dir.Path("lib/A.cpy").c_str(), STMT_INLINED_COPY_END, path));
  EXPECT_EQ(2, run.rec.Count(MSG_SEVERE)) << run.rec.Dump();
  EXPECT_EQ(2, run.lexer.InputLevelCount());
}

TEST(OrvLexerTest, CopyingIsATerminalError) {
  MessageRecorder rec;
  OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, nullptr, nullptr);
  OrvLexer copy(lexer);
  ASSERT_EQ(1u, rec.size());
  EXPECT_EQ(MSG_TERMINAL, rec.level(0));
  EXPECT_EQ("OrvLexer::OrvLexer(const OrvLexer &) must not be called", rec.text(0));
  EXPECT_EQ(nullptr, copy.messageSink);
  EXPECT_EQ(0, copy.InputLevelCount());
}

TEST(OrvLexerTest, NonnumLiteralValue) {
  struct {
    const char* text;
    const char* value;
    const char* message;
  } cases[] = {
      {"'ABC'", "ABC", ""},
      {"\"it''s\"", "it''s", ""},
      {"'IT''S'", "IT'S", ""},
      {"X'414243'", "414243", ""},
      {"h\"0F\"", "0F", ""},
      {"'A'B'", "A", "OrvNonnumLiteralValue: No ending delimiter at non-numeric literal 'A'B'"},
      {"ABC", "BC", "OrvNonnumLiteralValue: No starting delimiter at non-numeric literal ABC"},
  };
  MessageRecorder rec;
  OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, nullptr, nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    rec.clear();
    EXPECT_EQ(c.value, Str(OrvNonnumLiteralValue(lexer, VString(c.text), OrvTxtPosn(3, 4, 0))));
    if (c.message[0] == '\0') {
      EXPECT_EQ(0u, rec.size());
    } else {
      ASSERT_EQ(1u, rec.size());
      EXPECT_EQ(MSG_SEVERE, rec.level(0));
      EXPECT_EQ(c.message, rec.text(0));
    }
  }
}

}  // namespace
