// Tests of the replacement layer and of the REPLACE and COPY ... REPLACING
// statements: the matching of FROM texts, what a replacement hands out,
// the space-collapsed layer and its push-back stack, the phrases in force in
// members and around them, the statement nodes, and the limits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LexerTestSupport.h"
#include "OrvExprOper.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"

namespace {

const int kFree = ORV_LINE_FORMAT_FREE;
const int kFixed = ORV_LINE_FORMAT_FIXED;

// The units after the statement token of the first statement (REPLACE or
// COPY), as the copy-less layer hands them up.
std::vector<UnitView> After(const std::vector<UnitView>& units, int code) {
  for (size_t i = 0; i < units.size(); ++i)
    if (units[i].code == code) return std::vector<UnitView>(units.begin() + i + 1, units.end());
  ADD_FAILURE() << "no statement token " << code << " in " << Show(units);
  return {};
}

int CountOf(const std::vector<UnitView>& units, int code) {
  int n = 0;
  for (const UnitView& u : units) n += u.code == code;
  return n;
}

// One REPLACE statement and the text after it: the units the replacement
// layer hands up.
struct MatchCase {
  const char* what;
  std::string replace;  // the REPLACE statement
  std::string text;     // the text after it (free format)
  const char* units;    // Show() of the units after SEP_REPLACE
};

void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.what; }

class MatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(MatchTest, UnitsHandedUp) {
  const MatchCase& c = GetParam();
  LexerRun run;
  run.Open(c.replace + "\n" + c.text + "\n", kFree);
  EXPECT_EQ(c.units, Show(After(run.CopylessWords(), SEP_REPLACE)));
  EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
}

INSTANTIATE_TEST_SUITE_P(
    OrvLexerReplace, MatchTest,
    ::testing::Values(
        MatchCase{"one word", "REPLACE ==A== BY ==B==.", "X A Y",
                  "SEP_SPACE, TK_CHAR_STRING X, SEP_SPACE, TK_CHAR_STRING B, SEP_SPACE, TK_CHAR_STRING Y, SEP_EOF"},
        MatchCase{"whole units only", "REPLACE ==X== BY ==Y==.", "X-1 X",
                  "SEP_SPACE, TK_CHAR_STRING X-1, SEP_SPACE, TK_CHAR_STRING Y, SEP_EOF"},
        MatchCase{"a shorter phrase completes first", "REPLACE ==A B== BY ==C== ==A== BY ==D==.", "A B",
                  "SEP_SPACE, TK_CHAR_STRING D, SEP_SPACE, TK_CHAR_STRING B, SEP_EOF"},
        MatchCase{"two words", "REPLACE ==A B== BY ==C==.", "A B", "SEP_SPACE, TK_CHAR_STRING C, SEP_EOF"},
        MatchCase{"two words across a line break", "REPLACE ==A B== BY ==C==.", "A\nB",
                  "SEP_SPACE, TK_CHAR_STRING C, SEP_EOF"},
        MatchCase{"second word differs", "REPLACE ==A B== BY ==C==.", "A Z",
                  "SEP_SPACE, TK_CHAR_STRING A, SEP_SPACE, TK_CHAR_STRING Z, SEP_EOF"},
        MatchCase{"third word differs", "REPLACE ==A B C== BY ==D==.", "A B X C",
                  "SEP_SPACE, TK_CHAR_STRING A, SEP_SPACE, TK_CHAR_STRING B, SEP_SPACE, TK_CHAR_STRING X, "
                  "SEP_SPACE, TK_CHAR_STRING C, SEP_EOF"},
        MatchCase{"match after a failed one", "REPLACE ==A B== BY ==C==.", "A A B",
                  "SEP_SPACE, TK_CHAR_STRING A, SEP_SPACE, TK_CHAR_STRING C, SEP_EOF"},
        MatchCase{"commas and semicolons fold like spaces", "REPLACE ==A B== BY ==C==.", "A, B; A ; B",
                  "SEP_SPACE, TK_CHAR_STRING C, SEP_SEMI, SEP_SPACE, TK_CHAR_STRING C, SEP_EOF"},
        MatchCase{"TO text of several units", "REPLACE ==A== BY ==P (Q)==.", "A.",
                  "SEP_SPACE, TK_CHAR_STRING P, SEP_SPACE, SEP_LEFT_PAR, TK_CHAR_STRING Q, SEP_RIGHT_PAR, SEP_DOT, "
                  "SEP_EOF"},
        MatchCase{"literals and punctuation", "REPLACE =='X' (1)== BY ==ZERO==.", "MOVE 'X' (1) TO 'X'.",
                  "SEP_SPACE, TK_CHAR_STRING MOVE, SEP_SPACE, TK_CHAR_STRING ZERO, SEP_SPACE, TK_CHAR_STRING TO, "
                  "SEP_SPACE, TK_NONNUM_LIT 'X', SEP_DOT, SEP_EOF"},
        MatchCase{"empty TO text reads on", "REPLACE ==A== BY ====.", "X(A)",
                  "SEP_SPACE, TK_CHAR_STRING X, SEP_LEFT_PAR, SEP_RIGHT_PAR, SEP_EOF"},
        // The space between BY and a TO text that is no pseudo-text goes
        // with the TO text.
        MatchCase{"identifier operand", "REPLACE A OF B (1) BY C.", "A OF B (1) A OF B",
                  "SEP_SPACE, SEP_SPACE, TK_CHAR_STRING C, SEP_SPACE, TK_CHAR_STRING A, SEP_SPACE, TK_CHAR_STRING OF, "
                  "SEP_SPACE, TK_CHAR_STRING B, SEP_EOF"}),
    CaseName<MatchCase>);

// The replacement takes the matched text's place: the first unit begins at
// the first matched word, the last ends at the last one, the units between
// have none; the spaces in front of the first matched word keep theirs.
TEST(OrvLexerReplaceTest, ReplacementPositions) {
  LexerRun run;
  run.Open("REPLACE ==A B== BY ==P Q R==.\nX A  B\n", kFree);
  const std::vector<UnitView> units = After(run.CopylessWords(), SEP_REPLACE);
  ASSERT_EQ("SEP_SPACE, TK_CHAR_STRING X, SEP_SPACE, TK_CHAR_STRING P, SEP_SPACE, TK_CHAR_STRING Q, SEP_SPACE, "
            "TK_CHAR_STRING R, SEP_EOF",
            Show(units));
  const int file = units[1].beg.FileIx();
  EXPECT_EQ(OrvTxtPosn(2, 1, file), units[2].beg);  // the space before A
  EXPECT_EQ(OrvTxtPosn(2, 2, file), units[2].end);
  EXPECT_EQ(OrvTxtPosn(2, 2, file), units[3].beg);  // P at A
  EXPECT_FALSE(units[3].end.IsSet());
  EXPECT_FALSE(units[4].beg.IsSet());
  EXPECT_FALSE(units[5].beg.IsSet());
  EXPECT_FALSE(units[5].end.IsSet());
  EXPECT_FALSE(units[7].beg.IsSet());
  EXPECT_EQ(OrvTxtPosn(2, 6, file), units[7].end);  // R ends with B
}

// A comment line in front of the first matched word rides on the first
// unit handed out; one between the matched words goes with them.
TEST(OrvLexerReplaceTest, CommentLinesAroundAMatch) {
  LexerRun run;
  run.Open(Lines({AreaA("REPLACE ==A B== BY ==C==."), AreaB("X"), CommentLine("BEFORE"), AreaB("A"),
                  CommentLine("BETWEEN"), AreaB("B Y")}),
           kFixed);
  const std::vector<UnitView> units = After(run.CopylessWords(), SEP_REPLACE);
  ASSERT_EQ("SEP_SPACE, TK_CHAR_STRING X, SEP_SPACE, TK_CHAR_STRING C, SEP_SPACE, TK_CHAR_STRING Y, SEP_EOF",
            Show(units));
  ASSERT_EQ(1u, units[2].attached.size());
  EXPECT_EQ("*BEFORE", units[2].attached[0].text);
  for (const UnitView& u : units)
    for (const AttachedView& a : u.attached) EXPECT_NE("*BETWEEN", a.text);
}

// A TO text of 22 words joined by commas hands out 65 units in order (the
// output has no fixed size).
TEST(OrvLexerReplaceTest, LongReplacementInOrder) {
  std::string to;
  std::string expected = "SEP_SPACE";
  for (int i = 1; i <= 22; ++i) {
    to += (i > 1 ? ", A" : "A") + std::to_string(i);
    expected += (i > 1 ? ", SEP_COMMA, SEP_SPACE, TK_CHAR_STRING A" : ", TK_CHAR_STRING A") + std::to_string(i);
  }
  LexerRun run;
  run.Open("REPLACE ==A== BY ==" + to + "==.\nMOVE A TO B.\n", kFree);
  std::vector<UnitView> units = After(run.CopylessWords(), SEP_REPLACE);
  // MOVE and the line break before it, then the replacement, then " TO B."
  // and the end.
  ASSERT_EQ(2u + 65u + 6u, units.size()) << Show(units);
  const std::vector<UnitView> replaced(units.begin() + 2, units.begin() + 67);
  EXPECT_EQ(expected, Show(replaced));
  EXPECT_EQ("SEP_SPACE, TK_CHAR_STRING TO, SEP_SPACE, TK_CHAR_STRING B, SEP_DOT, SEP_EOF",
            Show(std::vector<UnitView>(units.begin() + 67, units.end())));
}

// Tokens after replacements, as the parser sees them.
struct TokenCase {
  const char* what;
  std::string member;  // written as M.cpy when not empty
  std::string source;
  const char* tokens;  // Show() of the tokens after the statement token
  int code;            // of that statement token
};

void PrintTo(const TokenCase& c, std::ostream* os) { *os << c.what; }

class ReplacedTokenTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(ReplacedTokenTest, Tokens) {
  const TokenCase& c = GetParam();
  LexerRun run;
  if (!c.member.empty()) run.Member("M.cpy", c.member);
  run.Open(c.source);
  std::vector<UnitView> tokens = After(run.Tokens(), c.code);
  // After the last of several REPLACE statements in a row.
  while (!tokens.empty() && tokens[0].code == c.code) tokens.erase(tokens.begin());
  EXPECT_EQ(c.tokens, Show(tokens));
  EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
}

INSTANTIATE_TEST_SUITE_P(
    OrvLexerReplace, ReplacedTokenTest,
    ::testing::Values(
        TokenCase{"pseudo-text joined to the next word", Lines({AreaA("01 :P:-NAME PIC X.")}),
                  Lines({AreaB("COPY M REPLACING ==:P:== BY ==WS==.")}),
                  "TK_INT_NUM_LIT 01, TK_USER_DEFD_WORD WS-NAME, RW_PIC, TK_PIC_CHAR_STRING X, SEP_DOT, "
                  "SEP_COPY_EOF, SEP_EOF",
                  SEP_INLINED_COPY},
        TokenCase{"comma replaced", Lines({AreaB("MOVE A, B TO C.")}),
                  Lines({AreaB("COPY M REPLACING ==,== BY ==;==.")}),
                  "RW_MOVE, TK_USER_DEFD_WORD A, TK_USER_DEFD_WORD B, RW_TO, TK_USER_DEFD_WORD C, SEP_DOT, "
                  "SEP_COPY_EOF, SEP_EOF",
                  SEP_INLINED_COPY},
        TokenCase{"empty replacement between parentheses", "", Lines({AreaB("REPLACE ==A== BY ====."),
                                                                      AreaB("MOVE X(A) TO Y.")}),
                  "RW_MOVE, TK_USER_DEFD_WORD X, SEP_LEFT_PAR, SEP_RIGHT_PAR, RW_TO, TK_USER_DEFD_WORD Y, "
                  "SEP_DOT, SEP_EOF",
                  SEP_REPLACE},
        TokenCase{"REPLACING only inside the member", Lines({AreaB("MOVE A TO Z.")}),
                  Lines({AreaB("COPY M REPLACING ==A== BY ==B==."), AreaB("MOVE A TO Z.")}),
                  "RW_MOVE, TK_USER_DEFD_WORD B, RW_TO, TK_USER_DEFD_WORD Z, SEP_DOT, SEP_COPY_EOF, RW_MOVE, "
                  "TK_USER_DEFD_WORD A, RW_TO, TK_USER_DEFD_WORD Z, SEP_DOT, SEP_EOF",
                  SEP_INLINED_COPY},
        TokenCase{"a member's phrases, not the REPLACE in force", Lines({AreaB("MOVE OLD TO X.")}),
                  Lines({AreaB("REPLACE ==OLD== BY ==NEW==."), AreaB("COPY M REPLACING ==X== BY ==Y==."),
                         AreaB("MOVE OLD TO X.")}),
                  "RW_MOVE, TK_USER_DEFD_WORD OLD, RW_TO, TK_USER_DEFD_WORD Y, SEP_DOT, SEP_COPY_EOF, RW_MOVE, "
                  "TK_USER_DEFD_WORD NEW, RW_TO, TK_USER_DEFD_WORD X, SEP_DOT, SEP_EOF",
                  SEP_INLINED_COPY},
        TokenCase{"a second REPLACE replaces the whole table", "",
                  Lines({AreaB("REPLACE ==A== BY ==X== ==B== BY ==Y==."), AreaB("REPLACE ==C== BY ==Z=="),
                         AreaB(". MOVE A TO B C.")}),
                  "RW_MOVE, TK_USER_DEFD_WORD A, RW_TO, TK_USER_DEFD_WORD B, TK_USER_DEFD_WORD Z, SEP_DOT, "
                  "SEP_EOF",
                  SEP_REPLACE},
        TokenCase{"REPLACE OFF", "",
                  Lines({AreaB("REPLACE ==A== BY ==X==."), AreaB("MOVE A TO B."), AreaB("REPLACE OFF."),
                         AreaB("MOVE A TO B.")}),
                  "RW_MOVE, TK_USER_DEFD_WORD X, RW_TO, TK_USER_DEFD_WORD B, SEP_DOT, SEP_REPLACE, RW_MOVE, "
                  "TK_USER_DEFD_WORD A, RW_TO, TK_USER_DEFD_WORD B, SEP_DOT, SEP_EOF",
                  SEP_REPLACE}),
    CaseName<TokenCase>);

// Fixture: a member copied with REPLACING copies another member, which runs
// under the same phrases; the phrases end with the member.
TEST(OrvLexerReplaceTest, NestedCopyRunsUnderTheIncludersPhrases) {
  LexerRun run;
  run.OpenFixture("copy/nest-main.cbl");
  TokensAndNodes read = ReadTokensAndNodes(run.lexer);
  EXPECT_EQ("SEP_INLINED_COPY, RW_MOVE, TK_USER_DEFD_WORD Y, RW_TO, TK_USER_DEFD_WORD Z, SEP_DOT, "
            "SEP_INLINED_COPY, RW_MOVE, TK_USER_DEFD_WORD Y, RW_TO, TK_USER_DEFD_WORD W, SEP_DOT, SEP_COPY_EOF, "
            "RW_MOVE, TK_USER_DEFD_WORD Y, RW_TO, TK_USER_DEFD_WORD Z, SEP_DOT, SEP_COPY_EOF, RW_MOVE, "
            "TK_USER_DEFD_WORD X, RW_TO, TK_USER_DEFD_WORD V, SEP_DOT, SEP_EOF",
            Show(read.tokens));
  const std::string dir = std::string(LARK_TEST_DATA) + "/copy/";
  EXPECT_EQ((std::vector<std::string>{
                "STMT_INLINED_COPY_BEG(OF_IN_LIST(NESTA),COPY_REPLACING(COPY_REPLACING_LIST(COPY_REPLACING_BY("
                "COPY_EQEQS(COPY_TOKEN_LIST(X)),COPY_EQEQS(COPY_TOKEN_LIST(Y))))),"
                    + dir + "NESTA.cpy,1)",
                "STMT_INLINED_COPY_BEG(OF_IN_LIST(NESTB),-," + dir + "NESTB.cpy,2)",
                "STMT_INLINED_COPY_END(" + dir + "NESTB.cpy,2)", "STMT_INLINED_COPY_END(" + dir + "NESTA.cpy,1)"}),
            read.Shapes());
  // The node keeps the words of the statement at their places.
  OrvExpr* copy = read.nodes[0].get();
  OrvExpr* replacing = copy->Args(STMT_INLINED_COPY_BEG__COPY_LIBRARY);
  EXPECT_EQ("TK_CHAR_STRING REPLACING", ShowTokens(&replacing->ArgSlots(COPY_REPLACING__REPLACING_PHRASES)->tokens));
  OrvExpr* by = replacing->Args(COPY_REPLACING__REPLACING_PHRASES)->Args(0);
  OrvExpr* from = by->Args(COPY_REPLACING_BY__REPLACED_TEXT);
  EXPECT_EQ("SEP_EQEQ", ShowTokens(&from->ArgSlots(COPY_EQEQS__PSEUDO_TEXT)->tokens));
  EXPECT_EQ("SEP_EQEQ", ShowTokens(&from->Tokens()));
  EXPECT_EQ("TK_CHAR_STRING BY", ShowTokens(&by->ArgSlots(COPY_REPLACING_BY__REPLACING_TEXT)->tokens));
  EXPECT_EQ("TK_CHAR_STRING X", ShowTokens(&from->Args(COPY_EQEQS__PSEUDO_TEXT)->Args(0)->Tokens()));
  EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
}

// Fixture: a REPLACE stays in force in a member copied after it, across
// the member, and after a member that is missing.
TEST(OrvLexerReplaceTest, ReplaceSpansACopy) {
  LexerRun run;
  run.OpenFixture("copy/replace-main.cbl");
  const std::vector<UnitView> tokens = run.Tokens();
  EXPECT_EQ("SEP_REPLACE, SEP_INLINED_COPY, RW_MOVE, TK_USER_DEFD_WORD NEW, RW_TO, TK_USER_DEFD_WORD Z, SEP_DOT, "
            "SEP_COPY_EOF, RW_MOVE, TK_USER_DEFD_WORD NEW, RW_TO, TK_USER_DEFD_WORD X, SEP_DOT, "
            "SEP_UNINLINED_COPY, RW_MOVE, TK_USER_DEFD_WORD NEW, RW_TO, TK_USER_DEFD_WORD Y, SEP_DOT, SEP_EOF",
            Show(tokens));
  ASSERT_EQ(1u, run.rec.size());
  EXPECT_EQ("Cannot find/open file 'NOSUCH' in directories on Copylib path", run.rec.text(0));
}

// The REPLACE node holds its phrases and the statement's tokens; REPLACE
// OFF holds its words and period.  The token stands at the last word
// position the token layer recorded (none yet here).
TEST(OrvLexerReplaceTest, ReplaceNodes) {
  LexerRun run;
  run.Open(Lines({AreaB("REPLACE ==A B== BY C"), AreaB("D BY ====."), AreaB("REPLACE OFF.")}));
  TokensAndNodes read = ReadTokensAndNodes(run.lexer);
  EXPECT_EQ("SEP_REPLACE, SEP_REPLACE, SEP_EOF", Show(read.tokens));
  EXPECT_EQ((std::vector<std::string>{
                "STMT_REPLACE(COPY_REPLACING_LIST(COPY_REPLACING_BY(COPY_EQEQS(COPY_TOKEN_LIST(A,B)),"
                "COPY_TOKEN_LIST(C)),COPY_REPLACING_BY(COPY_TOKEN_LIST(D),COPY_EQEQS(COPY_TOKEN_LIST()))))",
                "STMT_REPLACE_OFF()"}),
            read.Shapes());
  EXPECT_EQ("TK_CHAR_STRING REPLACE", ShowTokens(read.nodes[0]->HeadTokens()));
  EXPECT_EQ("SEP_DOT", ShowTokens(&read.nodes[0]->Tokens()));
  EXPECT_EQ("TK_CHAR_STRING REPLACE, TK_CHAR_STRING OFF, SEP_DOT", ShowTokens(&read.nodes[1]->Tokens()));
  EXPECT_FALSE(read.tokens[0].beg.IsSet());
  EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
}

// REPLACE OFF without its period leaves the replacement in force; a seventh
// phrase is reported once and takes the sixth place.
TEST(OrvLexerReplaceTest, ReplaceLimits) {
  LexerRun run;
  run.Open(Lines({AreaB("REPLACE ==A== BY ==1== ==B== BY ==2== ==C== BY ==3=="),
                  AreaB("==D== BY ==4== ==E== BY ==5== ==F== BY ==6=="), AreaB("==G== BY ==7==."),
                  AreaB("REPLACE OFF"), AreaB("A B C D E F G.")}));
  const std::vector<UnitView> tokens = run.Tokens();
  // The unit that shows REPLACE OFF has no period (the replaced A) goes with
  // the statement.
  EXPECT_EQ("TK_INT_NUM_LIT 2, TK_INT_NUM_LIT 3, TK_INT_NUM_LIT 4, TK_INT_NUM_LIT 5, TK_USER_DEFD_WORD F, "
            "TK_INT_NUM_LIT 7, SEP_DOT, SEP_EOF",
            Show(After(tokens, SEP_REPLACE)));
  ASSERT_EQ(2u, run.rec.size()) << run.rec.Dump();
  EXPECT_EQ("Too many REPLACE phrases. Ignored", run.rec.text(0));
  EXPECT_EQ(3, run.rec.messages()[0].posn.Line());
  EXPECT_EQ("REPLACE OFF statement should be ended with separator period. Ignored.", run.rec.text(1));
  EXPECT_EQ(5, run.rec.messages()[1].posn.Line());
}

// A text of more than 30 units keeps 30, the last from the last unit, with
// one message per unit beyond.
TEST(OrvLexerReplaceTest, TooManyUnitsInAText) {
  std::string from;
  for (int i = 1; i <= 32; ++i) from += " W" + std::to_string(i);
  LexerRun run;
  run.Open("REPLACE ==" + from + "== BY ==X==.\n" + from + "\n", kFree);
  const std::vector<UnitView> units = After(run.CopylessWords(), SEP_REPLACE);
  EXPECT_EQ(2, run.rec.Count(MSG_ERR));
  EXPECT_TRUE(run.rec.Has(MSG_ERR, "Too many tokens in COPY REPLACING pseudo-text."));
  // W1 .. W29 W32 is the FROM text: the source's W30 stops the match.
  EXPECT_EQ(32, CountOf(units, TK_CHAR_STRING));
  LexerRun again;
  std::string kept;
  for (int i = 1; i <= 29; ++i) kept += " W" + std::to_string(i);
  again.Open("REPLACE ==" + from + "== BY ==X==.\n" + kept + " W32\n", kFree);
  EXPECT_EQ("SEP_SPACE, TK_CHAR_STRING X, SEP_EOF", Show(After(again.CopylessWords(), SEP_REPLACE)));
}

// The space-collapsed layer folds spaces, and commas and semicolons unless
// the phrases in force have one of them as a FROM text.
TEST(OrvLexerReplaceTest, SpaceCollapsedWords) {
  {
    LexerRun run;
    run.Open("A, B\n", kFree);
    std::vector<UnitView> units;
    for (int i = 0; i < 3; ++i) units.push_back(ViewOf(run.lexer.GetSpaceCollapsedRawTextWord()));
    EXPECT_EQ("TK_CHAR_STRING A, TK_CHAR_STRING B, SEP_EOF", Show(units));
    ASSERT_EQ(2u, units[1].attached.size());
    EXPECT_EQ(SEP_COMMA, units[1].attached[0].code);
    EXPECT_EQ(SEP_SPACE, units[1].attached[1].code);
  }
  {
    LexerRun run;
    run.Member("M.cpy", "A, B\n");
    run.Open("COPY M REPLACING ==,== BY ==;==.\n", kFree);
    EXPECT_EQ(SEP_INLINED_COPY, ViewOf(run.lexer.GetCopylessTextWord()).code);
    std::vector<UnitView> units;
    for (int i = 0; i < 4; ++i) units.push_back(ViewOf(run.lexer.GetSpaceCollapsedRawTextWord()));
    EXPECT_EQ("TK_CHAR_STRING A, SEP_COMMA, TK_CHAR_STRING B, SEP_EOF", Show(units));
    ASSERT_EQ(1u, units[2].attached.size());
    EXPECT_EQ(SEP_SPACE, units[2].attached[0].code);
  }
}

// The space-collapsed stack gives back the last unit pushed first; it holds
// 32, and a 33rd push-back is a terminal error.
TEST(OrvLexerReplaceTest, SpaceCollapsedStackOf32) {
  LexerRun run;
  run.Open("Z\n", kFree);
  for (int i = 0; i < 33; ++i)
    run.lexer.UnGetSpaceCollapsedRawTextWord(
        new OrvTokenGroup(new OrvToken(TK_CHAR_STRING, VString(("W" + std::to_string(i)).c_str()), OrvTxtPosn(),
                                       OrvTxtPosn())));
  ASSERT_EQ(1u, run.rec.size());
  EXPECT_EQ(MSG_TERMINAL, run.rec.level(0));
  EXPECT_EQ("OrvLexer::UnGetSpaceCollapsedRawTextWord: cannot unget a token, buffer overflow", run.rec.text(0));
  for (int i = 31; i >= 0; --i)
    EXPECT_EQ("W" + std::to_string(i), ViewOf(run.lexer.GetSpaceCollapsedRawTextWord()).text);
  EXPECT_EQ("Z", ViewOf(run.lexer.GetSpaceCollapsedRawTextWord()).text);
}

// Units put back in front of the replacement layer come out first, the
// last put back first, any number of them.
TEST(OrvLexerReplaceTest, UngetRpldTextWord) {
  LexerRun run;
  run.Open("Z\n", kFree);
  for (int i = 0; i < 100; ++i)
    run.lexer.UngetRpldTextWord(new OrvTokenGroup(
        new OrvToken(TK_CHAR_STRING, VString(("W" + std::to_string(i)).c_str()), OrvTxtPosn(), OrvTxtPosn())));
  for (int i = 99; i >= 0; --i) ASSERT_EQ("W" + std::to_string(i), ViewOf(run.lexer.GetRpldTextWord()).text);
  EXPECT_EQ("Z", ViewOf(run.lexer.GetRpldTextWord()).text);
  EXPECT_TRUE(run.rec.messages().empty());
}

// Units read ahead while phrases were in force are read after REPLACE OFF
// as they stood.
TEST(OrvLexerReplaceTest, UnitsReadAheadOutliveReplaceOff) {
  LexerRun run;
  run.Open("REPLACE ==OFF . Q== BY ==X==.\nREPLACE OFF. MOVE A.\n", kFree);
  EXPECT_EQ("SEP_SPACE, TK_CHAR_STRING MOVE, SEP_SPACE, TK_CHAR_STRING A, SEP_DOT, SEP_EOF",
            Show(After(After(run.CopylessWords(), SEP_REPLACE), SEP_REPLACE)));
  EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
}

// With phrases in force, the period after END-EXEC of EXEC SQL INCLUDE may
// wait in the replacement layer: it goes to the statement all the same.
TEST(OrvLexerReplaceTest, IncludePeriodThroughTheReplacementLayer) {
  LexerRun run;
  run.Member("M.cpy", Lines({AreaB("DISPLAY Q.")}));
  run.Open(Lines({AreaB("REPLACE ==END-EXEC Z== BY ==Y==."), AreaB("EXEC SQL INCLUDE M END-EXEC."),
                  AreaB("STOP RUN.")}));
  TokensAndNodes read = ReadTokensAndNodes(run.lexer);
  EXPECT_EQ("SEP_REPLACE, SEP_INLINED_COPY, RW_DISPLAY, TK_USER_DEFD_WORD Q, SEP_DOT, SEP_COPY_EOF, RW_STOP, "
            "RW_RUN, SEP_DOT, SEP_EOF",
            Show(read.tokens));
  EXPECT_EQ("TK_CHAR_STRING END-EXEC, SEP_DOT", ShowTokens(&read.nodes[1]->Tokens()));
  EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
}

// The trace lines of phrases, matches and REPLACE OFF.
TEST(OrvLexerReplaceTest, TraceLines) {
  TraceCapture trace;
  LexerRun run;
  run.lexer.settings.traceFlags = ORV_LEX_TRACE_REPLACE;
  run.Open("REPLACE ==A== BY ==B==.\nA\nREPLACE OFF.\n", kFree);
  run.Tokens();
  const std::string text = trace.text();
  for (const char* line : {"##Repl phrase # 0\n####FR:\nTK_CHAR_STRING A", "####TO:\nTK_CHAR_STRING B", "##\n",
                           "**Match_FR:\nTK_CHAR_STRING A", "**Match_TO:\nTK_CHAR_STRING B", "**\n",
                           "##REPLACE OFF.\n"})
    EXPECT_NE(std::string::npos, text.find(line)) << line << "\n" << text;
}

}  // namespace
