// Tests of the copy-less layer: COPY statements with their members and
// nodes, the copy-library search with its caches, -INC lines, EXEC SQL
// INCLUDE, nesting, statements in error or cut off by the end of input, the
// NOTE paragraph, and the ownership of the statement nodes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "LexerTestSupport.h"
#include "OrvExprOper.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"

namespace {

const int kFixed = ORV_LINE_FORMAT_FIXED;

int CountOf(const std::vector<UnitView>& units, int code) {
  int n = 0;
  for (const UnitView& u : units) n += u.code == code;
  return n;
}

// A COPY statement between two statements: the member's tokens come
// between the statement tokens, the nodes carry the member, its path and
// depth, and the counters count the member's lines and tokens.
TEST(OrvLexerCopyTest, CopyMemberInline) {
  LexerRun run;
  InDir here(run.dir.path());
  run.dir.Write("MEMBER.cpy", Lines({AreaB("MOVE C TO D."), AreaB("DISPLAY D.")}));
  run.Open(Lines({AreaB("MOVE A TO B."), CommentLine("NOTE IT"), AreaB("COPY MEMBER."), AreaB("STOP RUN.")}));
  TokensAndNodes read = ReadTokensAndNodes(run.lexer);
  EXPECT_EQ("RW_MOVE, TK_USER_DEFD_WORD A, RW_TO, TK_USER_DEFD_WORD B, SEP_DOT, SEP_INLINED_COPY, "
            "RW_MOVE, TK_USER_DEFD_WORD C, RW_TO, TK_USER_DEFD_WORD D, SEP_DOT, RW_DISPLAY, "
            "TK_USER_DEFD_WORD D, SEP_DOT, SEP_COPY_EOF, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF",
            Show(read.tokens));
  EXPECT_EQ((std::vector<std::string>{"STMT_INLINED_COPY_BEG(OF_IN_LIST(MEMBER),-,./MEMBER.cpy,1)",
                                      "STMT_INLINED_COPY_END(./MEMBER.cpy,1)"}),
            read.Shapes());
  // The statement token spans the statement; the member's tokens stand in
  // the member's file.
  const UnitView& copy = read.tokens[5];
  EXPECT_EQ(OrvTxtPosn(3, 11, copy.beg.FileIx()), copy.beg);
  EXPECT_EQ(OrvTxtPosn(3, 23, copy.beg.FileIx()), copy.end);
  EXPECT_TRUE(copy.attached.empty());
  EXPECT_NE(copy.beg.FileIx(), read.tokens[6].beg.FileIx());
  EXPECT_EQ(OrvTxtPosn(1, 11, read.tokens[6].beg.FileIx()), read.tokens[6].beg);
  // The node holds the statement's tokens: the comment line and COPY in
  // front of the name, the period behind.
  OrvExpr* node = read.nodes[0].get();
  EXPECT_EQ("CM_COMMENT *NOTE IT, TK_COPY COPY", ShowTokens(node->HeadTokens()));
  EXPECT_EQ("TK_CHAR_STRING MEMBER", ShowTokens(&node->Args(STMT_INLINED_COPY_BEG__COPY_MEMBER)->Args(0)->Tokens()));
  EXPECT_EQ("SEP_DOT", ShowTokens(&node->Tokens()));
  EXPECT_EQ(1, node->FromSrc());
  // Four lines and five of code in the main source, two in the member; the
  // end of each file is read as one line more.
  EXPECT_EQ(8, run.lexer.lineCount);
  EXPECT_EQ(5, run.lexer.locCount);
  EXPECT_EQ(19, run.lexer.tokenCount);
  EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
  EXPECT_EQ(1, run.lexer.InputLevelCount());
}

// The copy-library search as the COPY statement sees it: which member
// files exist, the environment, and what the statement opens.
struct SearchCase {
  const char* what;
  std::vector<std::string> files;  // in the scratch directory (the working directory)
  const char* env;                 // LIB=<scratch>/<env>, or unset when null
  std::string source;
  const char* shape;               // of the COPY node
  int code;                        // of the statement token
  const char* message;             // expected alone, or none when empty
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.what; }

class CopySearchTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(CopySearchTest, OpensWhatTheStatementNames) {
  const SearchCase& c = GetParam();
  LexerRun run;
  for (const std::string& f : c.files) run.dir.Write(f, Lines({AreaB("X.")}));
  InDir here(run.dir.path());
  if (c.env != nullptr)
    setenv("LIB", (run.dir.path() + "/" + c.env).c_str(), 1);
  else
    unsetenv("LIB");
  run.Open(c.source);
  TokensAndNodes read = ReadTokensAndNodes(run.lexer);
  ASSERT_LE(1u, read.nodes.size());
  auto withDir = [&](std::string text) {
    const size_t at = text.find("<dir>");
    if (at != std::string::npos) text.replace(at, 5, run.dir.path());
    return text;
  };
  EXPECT_EQ(withDir(c.shape), Shape(read.nodes[0].get()));
  EXPECT_EQ(c.code, read.tokens[0].code);
  if (c.message[0] == '\0') {
    EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
  } else {
    ASSERT_EQ(1u, run.rec.size()) << run.rec.Dump();
    EXPECT_EQ(withDir(c.message), run.rec.text(0));
    // Reported at the COPY statement, not at the line read after it.
    EXPECT_EQ(1, run.rec.messages()[0].posn.Line());
  }
  unsetenv("LIB");
}

INSTANTIATE_TEST_SUITE_P(
    OrvLexerCopy, CopySearchTest,
    ::testing::Values(
        SearchCase{"lower case file of an upper case name", {"abc"}, nullptr, Lines({AreaB("COPY ABC.")}),
                   "STMT_INLINED_COPY_BEG(OF_IN_LIST(ABC),-,./abc,1)", SEP_INLINED_COPY, ""},
        SearchCase{"missing member", {}, nullptr, Lines({AreaB("COPY ABC."), AreaB("STOP RUN.")}),
                   "STMT_UNINLINED_COPY(OF_IN_LIST(ABC),-,-,-)", SEP_UNINLINED_COPY,
                   "Cannot find/open file 'ABC' in directories on Copylib path"},
        SearchCase{"literal name", {"abc.cpy"}, nullptr, Lines({AreaB("COPY \"abc\".")}),
                   "STMT_INLINED_COPY_BEG(OF_IN_LIST(\"abc\"),-,./abc.cpy,1)", SEP_INLINED_COPY, ""},
        SearchCase{"library names the directory", {"d/MEMBER", "MEMBER.cpy"}, "d",
                   Lines({AreaB("COPY MEMBER OF LIB.")}),
                   "STMT_INLINED_COPY_BEG(OF_IN_LIST(MEMBER,LIB),-,<dir>/d/MEMBER,1)", SEP_INLINED_COPY, ""},
        SearchCase{"library path taken exactly", {"d/member", "d/MEMBER.cpy"}, "d",
                   Lines({AreaB("COPY MEMBER IN LIB.")}), "STMT_UNINLINED_COPY(OF_IN_LIST(MEMBER,LIB),-,-,-)",
                   SEP_UNINLINED_COPY, "Cannot find/open file '<dir>/d/MEMBER' in directories on Copylib path"},
        SearchCase{"library not defined", {"MEMBER.cpy"}, nullptr, Lines({AreaB("COPY MEMBER OF LIB.")}),
                   "STMT_INLINED_COPY_BEG(OF_IN_LIST(MEMBER,LIB),-,./MEMBER.cpy,1)", SEP_INLINED_COPY,
                   "Environment variable 'LIB' is not defined, so library name is ignored"},
        SearchCase{"SUPPRESS is read", {"MEMBER.cpy"}, nullptr, Lines({AreaB("COPY MEMBER SUPPRESS.")}),
                   "STMT_INLINED_COPY_BEG(OF_IN_LIST(MEMBER),-,./MEMBER.cpy,1)", SEP_INLINED_COPY, ""}),
    CaseName<SearchCase>);

// Fifty COPY statements of a missing member search the libraries once
// (two directories, two suffixes, two name cases) and report fifty times;
// a member found is read once however often it is copied.
TEST(OrvLexerCopyTest, MemberSearchesAndTextsAreKept) {
  LexerRun run;
  InDir here(run.dir.path());
  run.dir.Write("FOUND.cpy", Lines({AreaB("X.")}));
  run.lexer.settings.copylibDirs.count = 0;
  run.lexer.settings.copylibDirs.items[run.lexer.settings.copylibDirs.count++] = VString(".");
  run.lexer.settings.copylibDirs.items[run.lexer.settings.copylibDirs.count++] = VString("lib");
  std::string source;
  for (int i = 0; i < 50; ++i) source += AreaB("COPY MISSING.") + "\n";
  for (int i = 0; i < 5; ++i) source += AreaB("COPY FOUND.") + "\n";
  run.Open(source);
  const std::vector<UnitView> tokens = run.Tokens();
  EXPECT_EQ(50, run.rec.Count(MSG_WARN));
  EXPECT_EQ(50u, run.rec.size());
  EXPECT_EQ(50, CountOf(tokens, SEP_UNINLINED_COPY));
  EXPECT_EQ(5, CountOf(tokens, SEP_INLINED_COPY));
  EXPECT_EQ(5, CountOf(tokens, SEP_COPY_EOF));
  EXPECT_EQ(8 + 1, run.lexer.MemberOpenAttempts());
  // Every COPY reports at its own line.
  EXPECT_EQ(50, run.rec.messages()[49].posn.Line());
  // The next parse by the same lexer searches nothing again.
  run.rec.clear();
  run.lexer.Reset();
  ASSERT_EQ(ORV_OK, run.lexer.SetInput(VString(run.path.c_str())));
  run.Tokens();
  EXPECT_EQ(50u, run.rec.size());
  EXPECT_EQ(8 + 1, run.lexer.MemberOpenAttempts());
}

// A member the parser already found searched again when the settings of
// the search change.
TEST(OrvLexerCopyTest, NewSearchSettingsSearchAgain) {
  LexerRun run;
  run.Member("M.cpy", Lines({AreaB("X.")}));
  run.Open(Lines({AreaB("COPY M.")}));
  run.Tokens();
  EXPECT_EQ(1, run.lexer.MemberOpenAttempts());
  run.lexer.settings.copynamesCase = ORV_CASE_EXACT;
  run.lexer.Reset();
  ASSERT_EQ(ORV_OK, run.lexer.SetInput(VString(run.path.c_str())));
  EXPECT_EQ(1, CountOf(run.Tokens(), SEP_INLINED_COPY));
  // The search is made again; the text read before is not read again.
  EXPECT_EQ(1, run.lexer.MemberOpenAttempts());
  EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
}

// A statement in error is reported at the unit that shows it and dropped:
// its units are gone and the text after it reads on.
struct ErrorCase {
  const char* what;
  std::string statement;  // one line in Area B, followed by "STOP RUN."
  int level;
  const char* message;
  int column;             // of the message
  const char* tokens;     // Show() of the tokens read
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.what; }

class StatementErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(StatementErrorTest, ReportedAndDropped) {
  const ErrorCase& c = GetParam();
  LexerRun run;
  run.Member("M.cpy", Lines({AreaB("X.")}));
  run.Open(Lines({AreaB(c.statement), AreaB("STOP RUN.")}));
  TokensAndNodes read = ReadTokensAndNodes(run.lexer);
  EXPECT_EQ(c.tokens, Show(read.tokens));
  ASSERT_EQ(1u, run.rec.size()) << run.rec.Dump();
  EXPECT_EQ(c.level, run.rec.level(0));
  EXPECT_EQ(c.message, run.rec.text(0));
  EXPECT_EQ(OrvTxtPosn(1, c.column, run.rec.messages()[0].posn.FileIx()), run.rec.messages()[0].posn);
}

INSTANTIATE_TEST_SUITE_P(
    OrvLexerCopy, StatementErrorTest,
    ::testing::Values(
        ErrorCase{"COPY without a name", "COPY (A).", MSG_ERR, "We expect file name after COPY word. Ignored",
                  16, "TK_USER_DEFD_WORD A, SEP_RIGHT_PAR, SEP_DOT, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF"},
        ErrorCase{"OF without a library", "COPY M OF (L).", MSG_ERR,
                  "Expect library name after OF/IN word in COPY statement", 21,
                  "TK_USER_DEFD_WORD L, SEP_RIGHT_PAR, SEP_DOT, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF"},
        ErrorCase{"COPY without its period", "COPY M X", MSG_ERR,
                  "COPY statement should be ended with separator period. Ignored.", 18,
                  "RW_STOP, RW_RUN, SEP_DOT, SEP_EOF"},
        ErrorCase{"REPLACING without BY", "COPY M REPLACING ==A== ==B==.", MSG_ERR,
                  "We expect word BY after text-1 in COPY statement", 34,
                  "TK_USER_DEFD_WORD B, SEP_EQEQ, SEP_DOT, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF"},
        ErrorCase{"empty REPLACING text", "COPY M REPLACING ==== BY ==B==.", MSG_ERR,
                  "The text after REPLACING keyword cannot be empty", 28,
                  "SEP_EQEQ, TK_USER_DEFD_WORD B, SEP_EQEQ, SEP_DOT, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF"},
        ErrorCase{"empty REPLACE text", "REPLACE ==== BY ==B==.", MSG_ERR,
                  "The text after REPLACE keyword cannot be empty", 19,
                  "SEP_EQEQ, TK_USER_DEFD_WORD B, SEP_EQEQ, SEP_DOT, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF"},
        ErrorCase{"REPLACE without BY", "REPLACE ==A== TO ==B==.", MSG_ERR,
                  "We expect word BY after text-1 in REPLACE statement", 25,
                  "SEP_EQEQ, TK_USER_DEFD_WORD B, SEP_EQEQ, SEP_DOT, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF"},
        ErrorCase{"REPLACE OFF without its period", "REPLACE OFF MOVE", MSG_ERR,
                  "REPLACE OFF statement should be ended with separator period. Ignored.", 23,
                  "RW_STOP, RW_RUN, SEP_DOT, SEP_EOF"},
        ErrorCase{"EXEC SQL INCLUDE without a name", "EXEC SQL INCLUDE 'M' END-EXEC.", MSG_ERR,
                  "We expect file name after EXEC SQL INCLUDE. Ignored", 28,
                  "RW_END_EXEC, SEP_DOT, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF"},
        ErrorCase{"EXEC SQL INCLUDE without END-EXEC", "EXEC SQL INCLUDE M.", MSG_ERR,
                  "We expect END-EXEC after file name in EXEC SQL INCLUDE. Ignored", 29,
                  "RW_STOP, RW_RUN, SEP_DOT, SEP_EOF"},
        ErrorCase{"COPY inside a COPY statement is skipped", "COPY M REPLACING ==A COPY== BY ==B==.", MSG_ERR,
                  "COPY statement embedded within a COPY statement. Ignored.", 32,
                  "SEP_INLINED_COPY, TK_USER_DEFD_WORD X, SEP_DOT, SEP_COPY_EOF, RW_STOP, RW_RUN, SEP_DOT, "
                  "SEP_EOF"}),
    CaseName<ErrorCase>);

// A statement cut off by the end of its file: one message at its first
// word, no statement token, the end of input once; in a member the text
// after the COPY of the member reads on.
struct EofCase {
  const char* what;
  std::string fixture;  // under tests/data, else the source
  std::string source;
  int line;             // of the message
  int column;
  const char* tokens;
  int lines;
};

void PrintTo(const EofCase& c, std::ostream* os) { *os << c.what; }

class EndOfFileInStatementTest : public ::testing::TestWithParam<EofCase> {};

TEST_P(EndOfFileInStatementTest, OneMessageAndTheEndOnce) {
  const EofCase& c = GetParam();
  LexerRun run;
  if (!c.fixture.empty())
    run.OpenFixture(c.fixture);
  else
    run.Open(c.source);
  TokensAndNodes read = ReadTokensAndNodes(run.lexer);
  EXPECT_EQ(c.tokens, Show(read.tokens));
  ASSERT_EQ(1u, run.rec.size()) << run.rec.Dump();
  EXPECT_EQ(MSG_ERR, run.rec.level(0));
  EXPECT_EQ("End-of-file in COPY/REPLACE statement", run.rec.text(0));
  EXPECT_EQ(c.line, run.rec.messages()[0].posn.Line());
  EXPECT_EQ(c.column, run.rec.messages()[0].posn.Column());
  EXPECT_EQ(c.lines, run.lexer.lineCount);
  EXPECT_EQ(1, CountOf(read.tokens, SEP_EOF));
}

INSTANTIATE_TEST_SUITE_P(
    OrvLexerCopy, EndOfFileInStatementTest,
    ::testing::Values(
        EofCase{"open pseudo-text", "copy/open-pseudo.cbl", "", 2, 11,
                "RW_MOVE, TK_USER_DEFD_WORD A, RW_TO, TK_USER_DEFD_WORD B, SEP_DOT, SEP_EOF", 3},
        EofCase{"open pseudo-text in a member", "copy/open-member.cbl", "", 2, 11,
                "SEP_INLINED_COPY, RW_MOVE, TK_USER_DEFD_WORD C, RW_TO, TK_USER_DEFD_WORD D, SEP_DOT, "
                "SEP_COPY_EOF, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF",
                6},
        EofCase{"open subscript", "", Lines({AreaB("MOVE A TO B."), AreaB("COPY M REPLACING A(1")}), 2, 11,
                "RW_MOVE, TK_USER_DEFD_WORD A, RW_TO, TK_USER_DEFD_WORD B, SEP_DOT, SEP_EOF", 3},
        EofCase{"no name", "", Lines({AreaB("COPY")}), 1, 11, "SEP_EOF", 2},
        EofCase{"no period", "", Lines({AreaB("COPY M")}), 1, 11, "SEP_EOF", 2},
        EofCase{"no TO text", "", Lines({AreaB("REPLACE ==A== BY")}), 1, 11, "SEP_EOF", 2},
        EofCase{"no last line feed", "", AreaB("COPY M REPLACING ==A== BY ==B== ==C"), 1, 11, "SEP_EOF", 1},
        EofCase{"no member name in EXEC SQL INCLUDE", "", Lines({AreaB("EXEC SQL INCLUDE")}), 1, 11, "SEP_EOF",
                2}),
    CaseName<EofCase>);

// A member copying itself, and two copying each other, nest to 20 levels;
// the COPY that would open a 21st is refused once, and every level's rest
// is read.
TEST(OrvLexerCopyTest, CopyingItselfStopsAtTwentyLevels) {
  for (const char* fixture : {"copy/self-main.cbl", "copy/mutual-main.cbl"}) {
    SCOPED_TRACE(fixture);
    LexerRun run;
    run.OpenFixture(fixture);
    TokensAndNodes read = ReadTokensAndNodes(run.lexer);
    ASSERT_EQ(1u, run.rec.size()) << run.rec.Dump();
    EXPECT_EQ(MSG_SEVERE, run.rec.level(0));
    EXPECT_EQ("COPY/-INC statements are nested too deep", run.rec.text(0));
    EXPECT_EQ(11, run.rec.messages()[0].posn.Column());
    EXPECT_EQ(19, CountOf(read.tokens, SEP_INLINED_COPY));
    EXPECT_EQ(1, CountOf(read.tokens, SEP_UNINLINED_COPY));
    EXPECT_EQ(19, CountOf(read.tokens, SEP_COPY_EOF));
    // The refused COPY comes right after the 19th opened.
    EXPECT_EQ(SEP_UNINLINED_COPY, read.tokens[19].code);
    EXPECT_EQ("RW_STOP, RW_RUN, SEP_DOT, SEP_EOF",
              Show(std::vector<UnitView>(read.tokens.end() - 4, read.tokens.end())));
    // The deepest end node tells the level after closing.
    EXPECT_EQ("STMT_INLINED_COPY_END(" + std::string(LARK_TEST_DATA) + "/copy/" +
                  (fixture[5] == 's' ? "SELF" : "PINGA") + ".cpy,19)",
              Shape(read.nodes[20].get()));
    EXPECT_EQ(1, run.lexer.InputLevelCount());
    run.lexer.CloseInput();
    EXPECT_EQ(0, run.lexer.InputLevelCount());
  }
}

// A missing member leaves the uninlined statement and reads on.
TEST(OrvLexerCopyTest, MissingMemberFixture) {
  LexerRun run;
  run.OpenFixture("copy/missing-main.cbl");
  TokensAndNodes read = ReadTokensAndNodes(run.lexer);
  EXPECT_EQ("RW_MOVE, TK_USER_DEFD_WORD A, RW_TO, TK_USER_DEFD_WORD B, SEP_DOT, SEP_UNINLINED_COPY, RW_STOP, "
            "RW_RUN, SEP_DOT, SEP_EOF",
            Show(read.tokens));
  EXPECT_EQ((std::vector<std::string>{"STMT_UNINLINED_COPY(OF_IN_LIST(NOSUCH),-,-,-)"}), read.Shapes());
  ASSERT_EQ(1u, run.rec.size());
  EXPECT_EQ(OrvTxtPosn(2, 11, run.rec.messages()[0].posn.FileIx()), run.rec.messages()[0].posn);
}

// A -INC line opens its member (the token stays SEP_COPY_INC and has no
// position) or leaves an uninlined statement.
TEST(OrvLexerCopyTest, LibraryInclusionLines) {
  LexerRun run;
  run.Member("COPYMEM.cpy", Lines({AreaB("DISPLAY X.")}));
  run.Open(Lines({AreaB("MOVE A TO B."), "-INC COPYMEM", "-INC NOMEM", AreaB("STOP RUN.")}));
  TokensAndNodes read = ReadTokensAndNodes(run.lexer);
  EXPECT_EQ("RW_MOVE, TK_USER_DEFD_WORD A, RW_TO, TK_USER_DEFD_WORD B, SEP_DOT, SEP_COPY_INC, RW_DISPLAY, "
            "TK_USER_DEFD_WORD X, SEP_DOT, SEP_COPY_EOF, SEP_UNINLINED_COPY, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF",
            Show(read.tokens));
  EXPECT_FALSE(read.tokens[5].beg.IsSet());
  EXPECT_EQ((std::vector<std::string>{"STMT_INLINED_COPY_BEG(OF_IN_LIST(COPYMEM),-," +
                                          run.dir.Path("COPYMEM.cpy") + ",1)",
                                      "STMT_INLINED_COPY_END(" + run.dir.Path("COPYMEM.cpy") + ",1)",
                                      "STMT_UNINLINED_COPY(OF_IN_LIST(NOMEM),-,-,-)"}),
            read.Shapes());
  ASSERT_EQ(1u, run.rec.size());
  EXPECT_EQ("Cannot find/open file 'NOMEM' in directories on Copylib path", run.rec.text(0));
  EXPECT_EQ(OrvTxtPosn(3, 5, run.rec.messages()[0].posn.FileIx()), run.rec.messages()[0].posn);
}

// EXEC SQL INCLUDE opens its member; its node keeps END-EXEC and the period
// behind it.  Other EXEC blocks read on unchanged.
TEST(OrvLexerCopyTest, ExecSqlInclude) {
  LexerRun run;
  run.lexer.settings.sql = 1;
  run.Member("SQLCA.cpy", Lines({AreaA("01 SQLCODE PIC S9(9).")}));
  run.Open(Lines({AreaB("EXEC SQL INCLUDE SQLCA END-EXEC."), AreaB("EXEC SQL INCLUDE NOSQL END-EXEC"),
                  AreaB("EXEC SQL SELECT A INTO :B FROM T END-EXEC.")}));
  TokensAndNodes read = ReadTokensAndNodes(run.lexer);
  EXPECT_EQ("SEP_INLINED_COPY, TK_INT_NUM_LIT 01, TK_USER_DEFD_WORD SQLCODE, RW_PIC, TK_PIC_CHAR_STRING S9(9), "
            "SEP_DOT, SEP_COPY_EOF, SEP_UNINLINED_COPY, RW_EXEC, TK_SQL SQL, STK_SELECT, ST_IDENT A, STK_INTO, "
            "ST_COLON, ST_IDENT B, STK_FROM, ST_IDENT T, RW_END_EXEC, SEP_DOT, SEP_EOF",
            Show(read.tokens));
  EXPECT_EQ((std::vector<std::string>{
                "STMT_INLINED_INCLUDE_BEG(OF_IN_LIST(SQLCA),-," + run.dir.Path("SQLCA.cpy") + ",1)",
                "STMT_INLINED_INCLUDE_END(" + run.dir.Path("SQLCA.cpy") + ",1)",
                "STMT_UNINLINED_INCLUDE(OF_IN_LIST(NOSQL),-,-,-)"}),
            read.Shapes());
  OrvExpr* found = read.nodes[0].get();
  EXPECT_EQ("RW_EXEC, TK_SQL, STK_INCLUDE", ShowTokens(found->HeadTokens()));
  EXPECT_EQ("TK_CHAR_STRING END-EXEC, SEP_DOT", ShowTokens(&found->Tokens()));
  EXPECT_EQ("TK_CHAR_STRING END-EXEC", ShowTokens(&read.nodes[2]->Tokens()));
  // The statement token ends with the period, or with END-EXEC.
  EXPECT_EQ(OrvTxtPosn(1, 11, read.tokens[0].beg.FileIx()), read.tokens[0].beg);
  EXPECT_EQ(OrvTxtPosn(1, 43, read.tokens[0].beg.FileIx()), read.tokens[0].end);
  EXPECT_EQ(OrvTxtPosn(2, 42, read.tokens[7].beg.FileIx()), read.tokens[7].end);
  EXPECT_EQ(1u, run.rec.size()) << run.rec.Dump();
}

// What the copy-less layer hands up after looking ahead for SQL INCLUDE.
TEST(OrvLexerCopyTest, ExecLookAheadGivesTheWordsBack) {
  struct {
    std::string source;
    const char* units;
  } cases[] = {
      {"EXEC SQL SELECT\n", "TK_CHAR_STRING EXEC, SEP_SPACE, TK_CHAR_STRING SQL, SEP_SPACE, TK_CHAR_STRING SELECT, "
                            "SEP_EOF"},
      {"EXEC CICS\n", "TK_CHAR_STRING EXEC, SEP_SPACE, TK_CHAR_STRING CICS, SEP_EOF"},
      {"EXEC\n", "TK_CHAR_STRING EXEC, SEP_SPACE, SEP_EOF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    LexerRun run;
    run.Open(c.source, ORV_LINE_FORMAT_FREE);
    const std::vector<UnitView> units = run.CopylessWords();
    EXPECT_EQ(c.units, Show(units));
    // The space put in front of a word read ahead has no position; the
    // spaces read stay in front of the word.
    EXPECT_FALSE(units[1].beg.IsSet());
    if (units.size() > 3) {
      ASSERT_EQ(1u, units[2].attached.size());
      EXPECT_EQ(SEP_SPACE, units[2].attached[0].code);
    }
    EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
  }
}

// REPLACE inside an EXEC SQL block is a word of the block, and so it is
// inside any EXEC block when SQL is not parsed (the block's units go to the
// EXEC-token hook).
TEST(OrvLexerCopyTest, ReplaceInsideExecSqlIsAWord) {
  for (int sql : {1, 0}) {
    SCOPED_TRACE(sql);
    LexerRun run;
    run.lexer.settings.sql = sql;
    run.Open(Lines({AreaB("EXEC SQL REPLACE INTO T VALUES (1) END-EXEC."), AreaB("STOP RUN.")}));
    const std::vector<UnitView> tokens = run.Tokens();
    EXPECT_EQ(sql ? "RW_EXEC, TK_SQL SQL, STK_REPLACE, STK_INTO, ST_IDENT T, STK_VALUES, ST_LEFT_PAR, "
                    "ST_EXACT_NUM_LIT 1, ST_RIGHT_PAR, RW_END_EXEC, SEP_DOT, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF"
                  : "RW_EXEC, RW_END_EXEC, SEP_DOT, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF",
              Show(tokens));
    EXPECT_EQ(1348, STK_REPLACE);
    EXPECT_EQ(nullptr, run.lexer.replaceNode);
    EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
  }
}

// In a NOTE paragraph (IBM OSVS) COPY is comment text: nothing is opened
// and no node is made; the paragraph ends at its period as usual.
TEST(OrvLexerCopyTest, NothingIsCopiedInsideNote) {
  LexerRun run;
  run.Member("FILES.cpy", Lines({AreaB("DISPLAY X.")}));
  run.Open(Lines({AreaB("NOTE WE COPY FILES."), AreaB("STOP RUN.")}), kFixed,
           DialsOf({ORV_DIAL_OSVS}));
  const std::vector<UnitView> tokens = run.Tokens();
  EXPECT_EQ(0, CountOf(tokens, SEP_INLINED_COPY));
  EXPECT_EQ(nullptr, run.lexer.copyNode);
  EXPECT_EQ(0, run.lexer.MemberOpenAttempts());
  EXPECT_EQ(RW_NOTE, tokens[0].code);
  EXPECT_EQ(TK_END_NOTE, tokens[1].code);
  EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
}

// A -INC line within a NOTE paragraph includes nothing and leaves no node.
TEST(OrvLexerCopyTest, LibraryInclusionInsideNoteLeavesNoNode) {
  LexerRun run;
  run.Member("FILES.cpy", Lines({AreaB("DISPLAY X.")}));
  run.Open(Lines({AreaB("NOTE SEE"), "-INC FILES", AreaB("THERE."), AreaB("STOP RUN.")}), kFixed,
           DialsOf({ORV_DIAL_OSVS}));
  const std::vector<UnitView> tokens = run.Tokens();
  EXPECT_EQ("RW_NOTE, TK_END_NOTE, SEP_DOT, RW_STOP, RW_RUN, SEP_DOT, SEP_EOF", Show(tokens));
  EXPECT_EQ(nullptr, run.lexer.libInclusionNode);
  EXPECT_EQ(0, run.lexer.MemberOpenAttempts());
}

// The kept separators and comment lines in front of a statement go to the
// node of that statement, whichever statement it is.
TEST(OrvLexerCopyTest, CommentsInFrontGoToTheStatementJustMade) {
  LexerRun run;
  run.lexer.settings.sql = 1;
  run.Member("M.cpy", "");
  run.Open(Lines({AreaB("COPY M."), CommentLine("ONE"), AreaB("EXEC SQL INCLUDE M END-EXEC."),
                  CommentLine("TWO"), AreaB("REPLACE ==A== BY ==B==."), CommentLine("THREE"),
                  AreaB("REPLACE OFF.")}));
  TokensAndNodes read = ReadTokensAndNodes(run.lexer);
  ASSERT_EQ(6u, read.nodes.size());
  EXPECT_EQ(STMT_INLINED_INCLUDE_BEG, read.nodes[2]->Oper());
  EXPECT_EQ("CM_COMMENT *ONE, RW_EXEC, TK_SQL, STK_INCLUDE", ShowTokens(read.nodes[2]->HeadTokens()));
  EXPECT_EQ(STMT_REPLACE, read.nodes[4]->Oper());
  EXPECT_EQ("CM_COMMENT *TWO, TK_CHAR_STRING REPLACE", ShowTokens(read.nodes[4]->HeadTokens()));
  EXPECT_EQ(STMT_REPLACE_OFF, read.nodes[5]->Oper());
  EXPECT_EQ("CM_COMMENT *THREE, TK_CHAR_STRING REPLACE, TK_CHAR_STRING OFF, SEP_DOT",
            ShowTokens(&read.nodes[5]->Tokens()));
  for (const UnitView& t : read.tokens) EXPECT_TRUE(t.attached.empty()) << Show(t.code, t.text);
}

// The lexer owns a statement node until it is taken: a node not taken is
// deleted when the next of its kind comes, at Reset and with the lexer (the
// leak checker sees the rest).  TakeCopyNode gives the node of the last
// statement read, else the first held of COPY, EXEC SQL INCLUDE and -INC; a
// node is taken once.
TEST(OrvLexerCopyTest, HeldNodesAreOwnedUntilTaken) {
  LexerRun run;
  run.lexer.settings.sql = 1;
  run.Member("M.cpy", Lines({AreaB("X.")}));
  run.Open(Lines({AreaB("COPY M. COPY M."), AreaB("EXEC SQL INCLUDE M END-EXEC."), "-INC M",
                  AreaB("REPLACE ==A== BY ==B==. REPLACE OFF.")}));
  // Up to the -INC token: its node comes first.
  int code = 0;
  while (code != SEP_COPY_INC && code != SEP_EOF) code = ViewOf(run.lexer.GetToken()).code;
  ASSERT_EQ(SEP_COPY_INC, code);
  std::unique_ptr<OrvExpr> inc(run.lexer.TakeCopyNode());
  ASSERT_NE(nullptr, inc);
  EXPECT_EQ(TK__INC, inc->HeadTokens()->Last()->code);
  const std::vector<UnitView> rest = run.Tokens();
  EXPECT_EQ(2, CountOf(rest, SEP_REPLACE));
  ASSERT_NE(nullptr, run.lexer.replaceNode);
  EXPECT_EQ(STMT_REPLACE_OFF, run.lexer.replaceNode->Oper());
  std::unique_ptr<OrvExpr> copy(run.lexer.TakeCopyNode());
  ASSERT_NE(nullptr, copy);
  EXPECT_EQ(STMT_INLINED_COPY_BEG, copy->Oper());
  EXPECT_EQ(TK_COPY, copy->HeadTokens()->Last()->code);
  std::unique_ptr<OrvExpr> include(run.lexer.TakeCopyNode());
  ASSERT_NE(nullptr, include);
  EXPECT_EQ(STMT_INLINED_INCLUDE_BEG, include->Oper());
  EXPECT_EQ(nullptr, run.lexer.TakeCopyNode());
  std::unique_ptr<OrvExpr> end(run.lexer.TakeMemberEndNode());
  ASSERT_NE(nullptr, end);
  EXPECT_EQ(nullptr, run.lexer.TakeMemberEndNode());
  EXPECT_EQ(nullptr, run.lexer.memberEndNode);
  run.lexer.Reset();
  EXPECT_EQ(nullptr, run.lexer.replaceNode);
}

// An EXEC SQL INCLUDE at the end of a line leaves the line break read ahead
// in the main source: it is read after the member, in its place.
TEST(OrvLexerCopyTest, UnitsReadAheadWaitForTheMember) {
  LexerRun run;
  run.Member("M.cpy", Lines({AreaB("DISPLAY X")}));
  run.Open(Lines({AreaB("EXEC SQL INCLUDE M END-EXEC"), CommentLine("AFTER"), AreaB("STOP RUN.")}));
  const std::vector<UnitView> words = run.CopylessWords();
  EXPECT_EQ("SEP_SPACE, SEP_INLINED_COPY, SEP_SPACE, TK_CHAR_STRING DISPLAY, SEP_SPACE, TK_CHAR_STRING X, "
            "SEP_COPY_EOF, SEP_SPACE, TK_CHAR_STRING STOP, SEP_SPACE, TK_CHAR_STRING RUN, SEP_DOT, SEP_EOF",
            Show(words));
  ASSERT_EQ(1u, words[7].attached.size());
  EXPECT_EQ("*AFTER", words[7].attached[0].text);
  EXPECT_EQ(3, words[8].beg.Line());
}

}  // namespace
