// Tests of the token layer: the code of every kind of word in every block
// and mode, the messages of bad words and numbers, the EXEC and NOTE blocks
// with their hooks, words broken at operators, the token counter, the
// push-back, the tokens of dropped separators, and the token dump.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "LexerTestSupport.h"
#include "OrvExpr.h"
#include "TokenDump.h"

namespace {

struct Tok {
  int code;
  std::string text;
};

std::string ShowAll(const std::vector<Tok>& toks) {
  std::string out;
  for (const Tok& t : toks) out += (out.empty() ? "" : ", ") + Show(t.code, t.text);
  return out;
}

// The tokens before SEP_EOF.
std::vector<UnitView> BeforeEnd(std::vector<UnitView> units) {
  if (!units.empty() && units.back().code == SEP_EOF) units.pop_back();
  return units;
}

const int kFixed = ORV_LINE_FORMAT_FIXED;
const int kFree = ORV_LINE_FORMAT_FREE;
const OrvDials kAnsi85 = DialsOf({ORV_DIAL_ANSI85});

struct TokenCase {
  const char* what;
  std::string source;
  OrvDials dials;
  int format;
  // Settings and switches, applied after the lexer is reset and opened.
  std::function<void(OrvLexer&)> setup;
  std::vector<Tok> tokens;  // up to SEP_EOF, which is left out
  std::vector<std::string> messages;
  int counted;  // the token counter at the end of input, SEP_EOF included
};

void PrintTo(const TokenCase& c, std::ostream* os) { *os << c.what; }

void Sql(OrvLexer& lx) { lx.settings.sql = 1; }
void Cics(OrvLexer& lx) { lx.settings.cics = 1; }
void Nothing(OrvLexer&) {}

// 39 times X(1) and then X( : the picture string cut at 158 characters.
std::string PictureCut() {
  std::string s;
  for (int i = 0; i < 39; ++i) s += "X(1)";
  return s + "X(";
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

class TokenTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokenTest, Codes) {
  const TokenCase& c = GetParam();
  LexerRun run;
  run.Open(c.source, c.format, c.dials);
  c.setup(run.lexer);
  std::vector<UnitView> units = run.Tokens();
  ASSERT_FALSE(units.empty());
  EXPECT_EQ(SEP_EOF, units.back().code);
  EXPECT_EQ(ShowAll(c.tokens), Show(BeforeEnd(units)));
  EXPECT_EQ(c.messages, Texts(run.rec));
  EXPECT_EQ(c.counted, run.lexer.tokenCount);
}

INSTANTIATE_TEST_SUITE_P(
    OrvLexerTokens, TokenTest,
    ::testing::Values(
        TokenCase{"reserved words of the dialect", Lines({AreaB("ACCEPT ALARM ACTIVATION")}), kAnsi85,
                  kFixed, Nothing, {{RW_ACCEPT, ""}, {419, "ALARM"}, {419, "ACTIVATION"}}, {}, 4},
        TokenCase{"words a space ends are reported with their own text",
                  Lines({AreaB("MOVE ABC- TO 1234567890123456789 PIC IS X A")}), kAnsi85, kFixed, Nothing,
                  {{RW_MOVE, ""}, {TK_USER_DEFD_WORD, "ABC-"}, {RW_TO, ""}, {TK_USER_DEFD_WORD, "1234567890123456789"},
                   {RW_PIC, ""}, {RW_IS, ""}, {TK_PIC_CHAR_STRING, "X"}, {TK_USER_DEFD_WORD, "A"}},
                  {"Not a legal COBOL word, number or operation: 'ABC-'."}, 9},
        TokenCase{"a word of Wang VS alone", Lines({AreaB("ALARM")}), DialsOf({ORV_DIAL_WANG}), kFixed,
                  Nothing, {{RW_ALARM, ""}}, {}, 2},
        TokenCase{"reserved-word lookup off", Lines({AreaB("MOVE")}), kAnsi85, kFixed,
                  [](OrvLexer& lx) { lx.switches.reservedWordLookup = 0; }, {{419, "MOVE"}}, {}, 2},
        TokenCase{"special word only while special words are on", Lines({AreaB("ASCII ASCII")}),
                  DialsOf({ORV_DIAL_MF}), kFixed,
                  [](OrvLexer& lx) {
                    // The first ASCII is read with the switch off; the
                    // grammar's switch acts on the next token lexed.
                    delete lx.GetToken();
                    lx.switches.specialReservedWords = 1;
                  },
                  {{RW_ASCII, ""}}, {}, 3},
        TokenCase{"EXEC SQL", Lines({AreaB("EXEC SQL SELECT A.B INTO :X END-EXEC")}), kAnsi85, kFixed,
                  Sql,
                  {{335, ""}, {967, "SQL"}, {1361, ""}, {1138, "A"}, {1141, "."}, {1138, "B"},
                   {1284, ""}, {1142, ""}, {1138, "X"}, {271, ""}},
                  {}, 9},
        TokenCase{"EXEC CICS",
                  Lines({AreaB("EXEC CICS LINK PROGRAM('ABC') COMMAREA(WS-X) END-EXEC.")}), kAnsi85,
                  kFixed, Cics,
                  {{335, ""}, {966, "CICS"}, {1557, ""}, {1634, ""}, {402, ""}, {414, "'ABC'"},
                   {403, ""}, {1445, ""}, {402, ""}, {419, "WS-X"}, {403, ""}, {271, ""}, {404, ""}},
                  {}, 12},
        TokenCase{"EXEC of another subsystem", Lines({AreaB("EXEC DLI GU X END-EXEC")}), kAnsi85, kFixed,
                  [](OrvLexer& lx) { lx.settings.sql = lx.settings.cics = 1; }, {{335, ""}, {271, ""}}, {}, 2},
        TokenCase{"EXEC SQL while the SQL switch is off", Lines({AreaB("EXEC SQL SELECT END-EXEC")}),
                  kAnsi85, kFixed, Nothing, {{335, ""}, {271, ""}}, {}, 2},
        TokenCase{"NetCobol keeps case inside EXEC",
                  Lines({AreaB("exec sql select a into :b from t end-exec.")}), DialsOf({ORV_DIAL_NET}),
                  kFixed, Sql,
                  {{335, ""}, {967, "sql"}, {1361, ""}, {1138, "a"}, {1284, ""}, {1142, ""},
                   {1138, "b"}, {1260, ""}, {1138, "t"}, {271, ""}, {404, ""}},
                  {}, 10},
        TokenCase{"NetCobol CICS words in lower case",
                  Lines({AreaB("exec cics link program(ws-x) end-exec")}), DialsOf({ORV_DIAL_NET}),
                  kFixed, Cics,
                  {{335, ""}, {966, "cics"}, {1557, ""}, {1634, ""}, {402, ""}, {419, "ws-x"},
                   {403, ""}, {271, ""}},
                  {}, 7},
        TokenCase{"EXECUTE", Lines({AreaB("EXECUTE DLI X END-EXEC")}), kAnsi85, kFixed, Nothing,
                  {{RW_EXEC, ""}, {RW_END_EXEC, ""}}, {}, 2},
        TokenCase{"end of input inside EXEC", Lines({AreaB("EXEC SQL SELECT")}), kAnsi85, kFixed, Sql,
                  {{RW_EXEC, ""}, {TK_SQL, "SQL"}, {STK_SELECT, ""}, {RW_END_EXEC, ""}},
                  {"Unexpected end-of-file within EXEC ... END-EXEC statement"}, 3},
        TokenCase{"EXEC without a subsystem word", Lines({AreaB("EXEC ( X ) END-EXEC")}), kAnsi85,
                  kFixed, Sql, {{RW_EXEC, ""}, {RW_END_EXEC, ""}},
                  {"EXEC subsystem specifier expected."}, 2},
        TokenCase{"SQL numbers, literals and commas",
                  Lines({AreaB("EXEC SQL SELECT 1.5, 'X', \"Y\", 7 FROM T END-EXEC")}), kAnsi85, kFixed,
                  Sql,
                  {{RW_EXEC, ""}, {TK_SQL, "SQL"}, {STK_SELECT, ""}, {ST_APPROX_NUM_LIT, "1.5"},
                   {ST_COMMA, ""}, {ST_STR_LITER, "'X'"}, {ST_COMMA, ""}, {ST_IDENT, "\"Y\""},
                   {ST_COMMA, ""}, {ST_EXACT_NUM_LIT, "7"}, {STK_FROM, ""}, {ST_IDENT, "T"},
                   {RW_END_EXEC, ""}},
                  {}, 12},
        TokenCase{"SQL operators broken out of words", Lines({AreaB("EXEC SQL SET X=:Y END-EXEC")}),
                  kAnsi85, kFixed, Sql,
                  {{RW_EXEC, ""}, {TK_SQL, "SQL"}, {STK_SET, ""}, {ST_IDENT, "X"}, {ST_EQ, "="},
                   {ST_COLON, ""}, {ST_IDENT, "Y"}, {RW_END_EXEC, ""}},
                  {}, 7},
        TokenCase{"illegal SQL word", Lines({AreaB("EXEC SQL SELECT A$B _C END-EXEC")}), kAnsi85, kFixed,
                  Sql,
                  {{RW_EXEC, ""}, {TK_SQL, "SQL"}, {STK_SELECT, ""}, {419, "A$B"}, {419, "_C"},
                   {RW_END_EXEC, ""}},
                  {"Not a legal COBOL word, number or operation: 'A$B'.",
                   "Not a legal COBOL word, number or operation: '_C'."},
                  5},
        TokenCase{"SQL concatenation: each bar is a piece, glued or not",
                  Lines({AreaB("EXEC SQL SELECT A||B, C || D END-EXEC")}), kAnsi85, kFixed, Sql,
                  {{RW_EXEC, ""}, {TK_SQL, "SQL"}, {STK_SELECT, ""}, {ST_IDENT, "A"}, {ST_VERT, "|"},
                   {ST_VERT, "|"}, {ST_IDENT, "B"}, {ST_COMMA, ""}, {ST_IDENT, "C"}, {ST_VERT, "|"},
                   {ST_VERT, "|"}, {ST_IDENT, "D"}, {RW_END_EXEC, ""}},
                  {}, 12},
        TokenCase{"PERFORM of WHENEVER is the COBOL word",
                  Lines({AreaB("EXEC SQL WHENEVER SQLERROR PERFORM P1 END-EXEC")}), kAnsi85, kFixed, Sql,
                  {{RW_EXEC, ""}, {TK_SQL, "SQL"}, {STK_WHENEVER, ""}, {STK_SQLERROR, ""}, {RW_PERFORM, ""},
                   {ST_IDENT, "P1"}, {RW_END_EXEC, ""}},
                  {}, 6},
        TokenCase{"a bar outside SQL breaks no word", Lines({AreaB("MOVE A||B TO C.")}), kAnsi85, kFixed, Sql,
                  {{RW_MOVE, ""}, {419, "A||B"}, {RW_TO, ""}, {419, "C"}, {SEP_DOT, ""}},
                  {"Not a legal COBOL word, number or operation: 'A||B'."}, 6},
        TokenCase{"question mark in SQL words of ICobol", Lines({AreaB("EXEC SQL SELECT A?B END-EXEC")}),
                  DialsOf({ORV_DIAL_ICOBOL}), kFixed, Sql,
                  {{RW_EXEC, ""}, {TK_SQL, "SQL"}, {STK_SELECT, ""}, {ST_IDENT, "A?B"}, {RW_END_EXEC, ""}},
                  {}, 4},
        TokenCase{"CICS numbers, IN and OF, and punctuation",
                  Lines({AreaB("EXEC CICS LINK LENGTH(10) X OF Y IN Z; END-EXEC")}), kAnsi85, kFixed, Cics,
                  {{RW_EXEC, ""}, {TK_CICS, "CICS"}, {CTK_LINK, ""}, {CTK_LENGTH, ""}, {SEP_LEFT_PAR, ""},
                   {TK_INT_NUM_LIT, "10"}, {SEP_RIGHT_PAR, ""}, {419, "X"}, {RW_OF, ""}, {419, "Y"},
                   {RW_IN, ""}, {419, "Z"}, {RW_END_EXEC, ""}},
                  {"This token cannot be used in CICS: ';'."}, 12},
        TokenCase{"CICS passes the colon of a reference modification",
                  Lines({AreaB("EXEC CICS SEND FROM(X(1:4)) END-EXEC")}), kAnsi85, kFixed, Cics,
                  {{RW_EXEC, ""}, {TK_CICS, "CICS"}, {CTK_SEND, ""}, {CTK_FROM, ""}, {SEP_LEFT_PAR, ""},
                   {419, "X"}, {SEP_LEFT_PAR, ""}, {TK_INT_NUM_LIT, "1"}, {SEP_COLON, ""},
                   {TK_INT_NUM_LIT, "4"}, {SEP_RIGHT_PAR, ""}, {SEP_RIGHT_PAR, ""}, {RW_END_EXEC, ""}},
                  {}, 12},
        TokenCase{"a period ends a CICS block read as text",
                  Lines({AreaB("EXEC CICS GET X. MOVE Y")}), kAnsi85, kFixed,
                  [](OrvLexer& lx) {
                    lx.settings.cics = 1;
                    lx.switches.cicsText = 1;
                  },
                  {{RW_EXEC, ""}, {TK_CICS, "CICS"}, {419, "GET"}, {419, "X"}, {SEP_DOT, ""}, {RW_MOVE, ""},
                   {419, "Y"}},
                  {}, 7},
        TokenCase{"CICS words with the reserved-word lookup off",
                  Lines({AreaB("EXEC CICS LINK END-EXEC")}), kAnsi85, kFixed,
                  [](OrvLexer& lx) {
                    lx.settings.cics = 1;
                    lx.switches.reservedWordLookup = 0;
                  },
                  {{RW_EXEC, ""}, {TK_CICS, "CICS"}, {419, "LINK"}, {RW_END_EXEC, ""}}, {}, 3},
        TokenCase{"NOTE is a word in ANSI-85", Lines({AreaB("NOTE")}), kAnsi85, kFixed, Nothing,
                  {{419, "NOTE"}}, {}, 2},
        TokenCase{"NOTE paragraph in IBM OSVS", Lines({AreaB("NOTE THIS IS TEXT.")}),
                  DialsOf({ORV_DIAL_OSVS}), kFixed, Nothing, {{758, ""}, {965, ""}, {404, ""}}, {}, 2},
        TokenCase{"NOTE paragraph in IBM DOSVS over two lines",
                  Lines({AreaB("NOTE THIS"), AreaB("IS TEXT. MOVE")}), DialsOf({ORV_DIAL_DOSVS}), kFixed,
                  Nothing, {{RW_NOTE, ""}, {TK_END_NOTE, ""}, {SEP_DOT, ""}, {RW_MOVE, ""}}, {}, 3},
        TokenCase{"end of input inside NOTE", Lines({AreaB("NOTE SOME TEXT")}), DialsOf({ORV_DIAL_OSVS}),
                  kFixed, Nothing, {{RW_NOTE, ""}, {SEP_DOT, ""}},
                  {"Unexpected end-of-file within NOTE statement"}, 2},
        TokenCase{"picture string", Lines({AreaB("PIC 9(5)V99.")}), kAnsi85, kFixed, Nothing,
                  {{778, ""}, {417, "9(5)V99"}, {404, ""}}, {}, 4},
        TokenCase{"picture string before VALUE", Lines({AreaB("PIC X(10) VALUE")}), kAnsi85, kFixed,
                  Nothing, {{778, ""}, {417, "X(10)"}, {914, ""}}, {}, 4},
        TokenCase{"PICTURE IS", Lines({AreaB("PICTURE IS 9(5)V99 X(2)")}), kAnsi85, kFixed, Nothing,
                  {{RW_PICTURE, ""}, {717, ""}, {417, "9(5)V99"}, {419, "X"}, {SEP_LEFT_PAR, ""},
                   {TK_INT_NUM_LIT, "2"}, {SEP_RIGHT_PAR, ""}},
                  {}, 8},
        TokenCase{"picture string cut at 158 characters", "PIC " + Repeat("X(1)", 40) + "\n", kAnsi85,
                  kFree, Nothing, {{RW_PIC, ""}, {417, PictureCut()}},
                  {"OrvLexer::GetTextWord: text-word '" + PictureCut() + "...' is too long. Truncated"},
                  3},
        TokenCase{"19 digits are a user word", Lines({AreaB("1234567890123456789")}), kAnsi85, kFixed,
                  Nothing, {{419, "1234567890123456789"}}, {}, 2},
        TokenCase{"19 digits with a point", Lines({AreaB("1234567890.123456789")}), kAnsi85, kFixed,
                  Nothing, {{416, "1234567890.123456789"}},
                  {"Numeric literal '1234567890.123456789' longer than 18 digits."}, 2},
        TokenCase{"31 letters", Lines({AreaB(std::string(31, 'W'))}), kAnsi85, kFixed, Nothing,
                  {{419, std::string(31, 'W')}},
                  {"User defined word '" + std::string(31, 'W') + "' is longer than 30 characters."}, 2},
        TokenCase{"word ending in a hyphen", Lines({AreaB("X- -Y")}), kAnsi85, kFixed, Nothing,
                  {{419, "X-"}, {419, "-Y"}},
                  {"Not a legal COBOL word, number or operation: 'X-'.",
                   "Not a legal COBOL word, number or operation: '-Y'."},
                  3},
        TokenCase{"200 letters", std::string(200, 'L') + "\n", kAnsi85, kFree, Nothing,
                  {{419, std::string(158, 'L')}},
                  {"GetRawTextWord: text-word '" + std::string(158, 'L') + "...' is too long. Truncated",
                   "User defined word '" + std::string(158, 'L') + "' is longer than 30 characters."},
                  2},
        TokenCase{"numbers and operators", Lines({AreaB("12 -3 1.5 1E5 100E + ** >= <> = (-.)")}), kAnsi85,
                  kFixed, Nothing,
                  {{415, "12"}, {415, "-3"}, {416, "1.5"}, {415, "1E5"}, {415, "100E"}, {429, "+"},
                   {433, "**"}, {439, ">="}, {437, "<>"}, {436, "="}, {402, ""}, {416, "-."}, {403, ""}},
                  {"Numeric literal '-.' does not contain digits. Set to zero"}, 14},
        TokenCase{"H literal is an integer", Lines({AreaB("H'0A' X'0A'")}), kAnsi85, kFixed, Nothing,
                  {{TK_INT_NUM_LIT, "H'0A'"}, {TK_NONNUM_LIT, "X'0A'"}}, {}, 3},
        TokenCase{"decimal point is comma", Lines({AreaB("1,5 1.5")}), kAnsi85, kFixed,
                  [](OrvLexer& lx) { lx.switches.decimalPoint = ','; },
                  {{416, "1,5"}, {419, "1.5"}},
                  {"Not a legal COBOL word, number or operation: '1.5'."}, 3},
        TokenCase{"function names with the lookup off", Lines({AreaB("RANDOM CURRENT-DATE MAX FOO")}),
                  kAnsi85, kFixed,
                  [](OrvLexer& lx) {
                    lx.switches.functionNameMode = 1;
                    lx.switches.reservedWordLookup = 0;
                  },
                  {{418, "RANDOM"}, {420, "CURRENT-DATE"}, {421, "MAX"}, {418, "FOO"}},
                  {"Not a legal intrinsic function name: 'FOO'"}, 5},
        TokenCase{"the reserved lookup comes before function names", Lines({AreaB("LENGTH SQRT")}),
                  kAnsi85, kFixed, [](OrvLexer& lx) { lx.switches.functionNameMode = 1; },
                  {{RW_LENGTH, ""}, {TK_FUNC_NAME_WITH_ARGS, "SQRT"}}, {}, 3},
        TokenCase{"operators need no spaces when spaces are not required",
                  Lines({AreaB("A+B -C +5+3 D,E")}), kAnsi85, kFixed,
                  [](OrvLexer& lx) { lx.settings.sepSpaceReqd = 0; },
                  {{419, "A"}, {429, "+"}, {419, "B"}, {430, "-"}, {419, "C"}, {415, "+5"}, {429, "+"},
                   {415, "3"}, {419, "D"}, {419, "E"}},
                  {}, 11},
        TokenCase{"operators inside a word when spaces are required", Lines({AreaB("A+B")}), kAnsi85,
                  kFixed, Nothing, {{419, "A+B"}},
                  {"Not a legal COBOL word, number or operation: 'A+B'."}, 2}),
    CaseName<TokenCase>);

// Every token of every layer ends up with its own columns.
TEST(OrvLexerTokensTest, BrokenPiecesTakeTheirOwnColumns) {
  LexerRun run;
  run.Open(Lines({AreaB("MOVE AB+XY TO E")}));
  run.lexer.settings.sepSpaceReqd = 0;
  std::vector<UnitView> units = run.Tokens();
  ASSERT_EQ("RW_MOVE, TK_USER_DEFD_WORD AB, OP_PLUS +, TK_USER_DEFD_WORD XY, RW_TO, "
            "TK_USER_DEFD_WORD E, SEP_EOF",
            Show(units));
  const int first = 16;  // AB starts at index 16 (Area B at 11, "MOVE ")
  EXPECT_EQ(first, units[1].beg.Column());
  EXPECT_EQ(first + 2, units[1].end.Column());
  EXPECT_EQ(first + 2, units[2].beg.Column());
  EXPECT_EQ(first + 3, units[2].end.Column());
  EXPECT_EQ(first + 3, units[3].beg.Column());
  EXPECT_EQ(first + 5, units[3].end.Column());
  EXPECT_EQ(1, units[3].beg.Line());

  // A word that begins with a comma: the comma is skipped, and every piece
  // still counts its columns from the word's first character.
  run.Open(Lines({AreaB(",AB+XY")}));
  run.lexer.settings.sepSpaceReqd = 0;
  units = run.Tokens();
  ASSERT_EQ("TK_USER_DEFD_WORD AB, OP_PLUS +, TK_USER_DEFD_WORD XY, SEP_EOF", Show(units));
  EXPECT_EQ(12, units[0].beg.Column());
  EXPECT_EQ(14, units[0].end.Column());
  EXPECT_EQ(14, units[1].beg.Column());
  EXPECT_EQ(15, units[2].beg.Column());
  EXPECT_EQ(17, units[2].end.Column());
}

// Spaces, commas and semicolons between words are dropped; a comma or a
// semicolon rides whole on the next token, a space leaves its comment lines.
TEST(OrvLexerTokensTest, DroppedSeparatorsRideOnTheNextToken) {
  LexerRun run;
  run.Open(Lines({AreaB("A , B ;"), CommentLine("NOTE IT"), AreaB("C")}));
  std::vector<UnitView> units = run.Tokens();
  ASSERT_EQ("TK_USER_DEFD_WORD A, TK_USER_DEFD_WORD B, TK_USER_DEFD_WORD C, SEP_EOF", Show(units));
  EXPECT_TRUE(units[0].attached.empty());
  ASSERT_EQ(1u, units[1].attached.size());
  EXPECT_EQ(SEP_COMMA, units[1].attached[0].code);
  EXPECT_EQ(13, units[1].attached[0].beg.Column());
  ASSERT_EQ(2u, units[2].attached.size());
  EXPECT_EQ(SEP_SEMI, units[2].attached[0].code);
  EXPECT_EQ(CM_COMMENT, units[2].attached[1].code);
  EXPECT_EQ("*NOTE IT", units[2].attached[1].text);
}

TEST(OrvLexerTokensTest, PushBackIsOneTokenDeep) {
  LexerRun run;
  run.Open(Lines({AreaB("MOVE A TO B.")}));
  OrvTokenGroup* move = run.lexer.GetToken();
  EXPECT_EQ(1, run.lexer.tokenCount);
  run.lexer.UnGetToken(move);
  EXPECT_TRUE(run.lexer.TokenSlotFull());
  // A token read again is counted once.
  EXPECT_EQ(move, run.lexer.GetToken());
  EXPECT_EQ(1, run.lexer.tokenCount);
  run.lexer.UnGetToken(move);
  OrvTokenGroup* second = new OrvTokenGroup(new OrvToken(RW_TO, VString(), OrvTxtPosn(1, 3, 0),
                                                         OrvTxtPosn(1, 5, 0)));
  run.lexer.UnGetToken(second);
  ASSERT_EQ(1u, run.rec.size());
  EXPECT_EQ(MSG_TERMINAL, run.rec.level(0));
  EXPECT_EQ("OrvLexer::UnGetToken: cannot unget", run.rec.text(0));
  EXPECT_EQ(OrvTxtPosn(1, 3, 0), run.rec.messages()[0].posn);
  // The slot holds the second group now; the lexer owns it until it is read.
  EXPECT_EQ(second, run.lexer.GetToken());
  delete second;
  EXPECT_EQ("TK_USER_DEFD_WORD A, RW_TO, TK_USER_DEFD_WORD B, SEP_DOT, SEP_EOF", Show(run.Tokens()));
}

TEST(OrvLexerTokensTest, CopylessPushBackIsOneUnitDeep) {
  LexerRun run;
  run.Open("A B\n", kFree);
  OrvTokenGroup* a = run.lexer.GetCopylessTextWord();
  ASSERT_EQ("A", Str(a->token->Image()));
  EXPECT_FALSE(run.lexer.CopylessSlotFull());
  run.lexer.UnGetCopylessTextWord(a);
  EXPECT_TRUE(run.lexer.CopylessSlotFull());
  EXPECT_TRUE(run.rec.messages().empty());
  run.lexer.UnGetCopylessTextWord(new OrvTokenGroup(new OrvToken(TK_CHAR_STRING, VString("Z"),
                                                                 OrvTxtPosn(1, 9, 0), OrvTxtPosn(1, 10, 0))));
  ASSERT_EQ(1u, run.rec.size());
  EXPECT_EQ(MSG_TERMINAL, run.rec.level(0));
  EXPECT_EQ("OrvLexer::UnGetCopylessTextWord: cannot do 2nd unget", run.rec.text(0));
  EXPECT_EQ("TK_USER_DEFD_WORD Z, TK_USER_DEFD_WORD B, SEP_EOF", Show(run.Tokens()));
}

// The EXEC hook takes every unit of a block that the grammar does not parse,
// from the subsystem word up to END-EXEC.
std::vector<std::unique_ptr<OrvTokenGroup>>* gExecUnits = nullptr;
void TakeExecUnit(OrvTokenGroup* group) { gExecUnits->emplace_back(group); }

TEST(OrvLexerTokensTest, ExecHookTakesTheUnitsOfOtherSubsystems) {
  std::vector<std::unique_ptr<OrvTokenGroup>> units;
  gExecUnits = &units;
  LexerRun run;
  run.lexer.execTokenHook = TakeExecUnit;
  run.Open(Lines({AreaB("EXEC DLI GU X"), AreaB("END-EXEC")}));
  EXPECT_EQ("RW_EXEC, RW_END_EXEC, SEP_EOF", Show(run.Tokens()));
  std::string seen;
  for (const auto& g : units) seen += (seen.empty() ? "" : ", ") + Show(g->token->code, Str(g->token->Image()));
  EXPECT_EQ("TK_CHAR_STRING DLI, SEP_SPACE, TK_CHAR_STRING GU, SEP_SPACE, TK_CHAR_STRING X, SEP_SPACE",
            seen);
  EXPECT_EQ(2, run.lexer.tokenCount);
  gExecUnits = nullptr;
}

// The NOTE hook reads the NOTE word, every unit of the paragraph and a line
// feed at each new line; the lexer keeps and deletes them.
std::vector<std::string>* gNoteSeen = nullptr;
OrvTokenGroup* gNoteFirst = nullptr;
void ReadNoteUnit(OrvTokenGroup* group) {
  if (gNoteFirst == nullptr) gNoteFirst = group;
  if (group->token->code != SEP_SPACE) gNoteSeen->push_back(Show(group->token->code, Str(group->token->Image())));
}

TEST(OrvLexerTokensTest, NoteHookReadsTheParagraph) {
  std::vector<std::string> seen;
  gNoteSeen = &seen;
  gNoteFirst = nullptr;
  LexerRun run;
  run.lexer.noteTokenHook = ReadNoteUnit;
  run.Open(Lines({AreaB("NOTE THIS IS"), AreaB("SOME TEXT. MOVE")}), kFixed, DialsOf({ORV_DIAL_OSVS}));
  OrvTokenGroup* note = run.lexer.GetToken();
  EXPECT_EQ(RW_NOTE, note->token->code);
  EXPECT_FALSE(run.lexer.TokenSlotFull());
  EXPECT_EQ(note, gNoteFirst);  // the same group: given to the hook and returned
  delete note;
  UnitView end = ViewOf(run.lexer.GetToken());
  EXPECT_EQ(TK_END_NOTE, end.code);
  // The period waits in the token slot behind the end of the paragraph.
  EXPECT_TRUE(run.lexer.TokenSlotFull());
  std::vector<UnitView> rest = run.Tokens();
  rest.insert(rest.begin(), end);
  EXPECT_EQ("TK_END_NOTE, SEP_DOT, RW_MOVE, SEP_EOF", Show(rest));
  // The end of the paragraph stands where its period begins.
  EXPECT_EQ(rest[1].beg, rest[0].beg);
  EXPECT_EQ(rest[0].beg, rest[0].end);
  const std::vector<std::string> expected = {"RW_NOTE", "TK_CHAR_STRING THIS", "TK_CHAR_STRING IS",
                                             "TK_CHAR_STRING \n", "TK_CHAR_STRING SOME",
                                             "TK_CHAR_STRING TEXT"};
  EXPECT_EQ(expected, seen);
  EXPECT_EQ(3, run.lexer.tokenCount);  // NOTE, MOVE, SEP_EOF
  gNoteSeen = nullptr;
}

// An excluded keyword is a user word from the reset on, in every dialect and
// every later parse.
TEST(OrvLexerTokensTest, ExcludedKeywordStaysAUserWord) {
  OrvKeyword* next = OrvFindKeyword(VString("NEXT"), OrvCobolKeywords);
  ASSERT_NE(nullptr, next);
  const OrvDials saved = next->mask;
  {
    LexerRun run;
    run.lexer.settings.excludeKeywords.items[run.lexer.settings.excludeKeywords.count++] = VString("next");
    run.Open(Lines({AreaB("NEXT SENTENCE")}));
    EXPECT_EQ("TK_USER_DEFD_WORD NEXT, RW_SENTENCE, SEP_EOF", Show(run.Tokens()));
  }
  {
    LexerRun later;
    later.Open(Lines({AreaB("NEXT")}), kFixed, DialsOf({ORV_DIAL_DML, ORV_DIAL_MF}));
    EXPECT_EQ("TK_USER_DEFD_WORD NEXT, SEP_EOF", Show(later.Tokens()));
  }
  next->mask = saved;  // the table is process-wide: other tests expect it whole
}

// The statement token of a library inclusion hands its comment lines to the
// statement's node, in front of the -INC word (here the member is missing).
TEST(OrvLexerTokensTest, LibraryInclusionCommentsGoToItsNode) {
  LexerRun run;
  run.Open(Lines({AreaB("MOVE A TO B."), CommentLine("BEFORE"), "-INC MEMBER", AreaB("STOP RUN.")}));
  std::vector<UnitView> units = run.Tokens();
  ASSERT_EQ("RW_MOVE, TK_USER_DEFD_WORD A, RW_TO, TK_USER_DEFD_WORD B, SEP_DOT, SEP_UNINLINED_COPY, "
            "RW_STOP, RW_RUN, SEP_DOT, SEP_EOF",
            Show(units));
  ASSERT_EQ(1u, run.rec.size());
  EXPECT_TRUE(run.rec.Has(MSG_WARN, "Cannot find/open file 'MEMBER' in directories on Copylib path"));
  EXPECT_TRUE(units[5].attached.empty());
  ASSERT_NE(nullptr, run.lexer.libInclusionNode);
  const OrvTokenList* head = run.lexer.libInclusionNode->HeadTokens();
  ASSERT_EQ(2, head->Count());
  EXPECT_EQ(CM_COMMENT, head->First()->code);
  EXPECT_EQ("*BEFORE", Str(head->First()->Image()));
  EXPECT_EQ(TK__INC, head->Last()->code);
  EXPECT_EQ(10, run.lexer.tokenCount);
}

// Each layer writes its trace line under its own trace bit.
TEST(OrvLexerTokensTest, TraceLinesOfTheLayers) {
  struct TraceCase {
    int bits;
    std::vector<const char*> present;
    std::vector<const char*> absent;
  };
  const TraceCase cases[] = {
      {ORV_LEX_TRACE_LINES, {"-GetToken: RW_EXEC", "UnGetToken: RW_EXEC"}, {"GetRawTextWord: ", "-NextExecToken: "}},
      {ORV_LEX_TRACE_WORDS,
       {"GetRawTextWord: ret TK_CHAR_STRING", "GetRpldTextWord: ", "GetCopylessTextWord: ",
        "UnGetCopylessTextWord: ", "GetTextWord: ", "GetBrokenTextWord: "},
       {"-GetToken: "}},
      {ORV_LEX_TRACE_BLOCKS, {"-NextExecToken: TK_CHAR_STRING DLI"}, {"GetTextWord: "}},
  };
  for (const TraceCase& c : cases) {
    SCOPED_TRACE(c.bits);
    TraceCapture trace;
    LexerRun run;
    run.lexer.settings.traceFlags = c.bits;
    run.Open(Lines({AreaB("EXEC DLI X END-EXEC")}));
    run.lexer.UnGetToken(run.lexer.GetToken());
    run.Tokens();
    const std::string text = trace.text();
    for (const char* line : c.present) EXPECT_NE(std::string::npos, text.find(line)) << line << "\n" << text;
    for (const char* line : c.absent) EXPECT_EQ(std::string::npos, text.find(line)) << line;
  }
}

struct CountCase {
  const char* what;
  std::string source;
  int lines;
  int linesOfCode;
  int tokens;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.what; }

std::string ReadFixture(const char* name) {
  std::ifstream in(std::string(LARK_TEST_DATA) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class CountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountTest, LinesAndTokens) {
  const CountCase& c = GetParam();
  ASSERT_FALSE(c.source.empty());
  LexerRun run;
  // The sample program's COPY member stands beside it.
  run.lexer.settings.copylibDirs = OrvOneEntryList(ORV_COPYLIB_DIRS_MAX, LARK_TEST_DATA);
  run.Open(c.source);
  run.Tokens();
  EXPECT_EQ(c.lines, run.lexer.lineCount);
  EXPECT_EQ(c.linesOfCode, run.lexer.locCount);
  EXPECT_EQ(c.tokens, run.lexer.tokenCount);
  EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
}

INSTANTIATE_TEST_SUITE_P(
    OrvLexerTokens, CountTest,
    ::testing::Values(
        CountCase{"five lines", Lines({AreaA("IDENTIFICATION DIVISION."), AreaA("PROGRAM-ID. P1."),
                                       AreaA("PROCEDURE DIVISION."), AreaB("DISPLAY \"HI\"."),
                                       AreaB("STOP RUN.")}),
                  6, 5, 17},
        CountCase{"sample program with its member", ReadFixture("sample.cbl"), 39, 34, 162},
        CountCase{"comment line", ReadFixture("lexdump_move.cbl"), 4, 2, 9}),
    CaseName<CountCase>);

TEST(OrvLexerTokensTest, DumpOfASource) {
  LexerRun run;
  run.Open(ReadFixture("lexdump_move.cbl"));
  EXPECT_EQ(ReadFixture("lexdump_move.golden"), DumpTokens(run.lexer));
}

// Words that end at something other than a space - a period before a
// space or the line's end, a parenthesis in and out of a picture string,
// picture strings of runs and parentheses ended by a space or a period,
// continued on the next line or holding a word that may begin a statement,
// the line's end before a continuation line, a comment line or a quote
// after a literal prefix, a semicolon, a literal, an operator character,
// the end of a member - come out as the word layers make them, with the
// messages of the lines read ahead before the word's own message.
TEST(OrvLexerTokensTest, DumpOfWordsEndedOtherThanBySpace) {
  LexerRun run;
  run.OpenFixture("lexdump_word_ends.cbl");
  EXPECT_EQ(ReadFixture("lexdump_word_ends.golden"), DumpTokens(run.lexer));
  const std::vector<std::string> messages = {
      "Not a legal COBOL word, number or operation: 'FOO.5'.",
      "Not a legal COBOL word, number or operation: 'H;I'.",
      "Not a legal COBOL word, number or operation: 'K=L'.",
      "Not a legal COBOL word, number or operation: 'NOT='.",
      "Unrecognized character 'X' in indicator area.",
      "User defined word 'A-VERY-LONG-DATA-NAME-OF-MORE-THAN-THIRTY-CHARS' is longer than 30 characters."};
  EXPECT_EQ(messages, Texts(run.rec));
}

// The test-only lexdump program prints the same dump, and refuses bad
// arguments.
TEST(OrvLexerTokensTest, LexdumpProgram) {
  const std::string fixture = std::string(LARK_TEST_DATA) + "/lexdump_move.cbl";
  ScratchDir dir;
  const std::string out = dir.Path("out.txt");
  const std::string command = std::string(LARK_LEXDUMP) + " " + fixture + " ansi85 fixed > " + out;
  ASSERT_EQ(0, std::system(command.c_str()));
  std::ifstream in(out, std::ios::binary);
  EXPECT_EQ(ReadFixture("lexdump_move.golden"),
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  const std::string bad = std::string(LARK_LEXDUMP) + " " + fixture + " nosuchdialect 2>/dev/null";
  EXPECT_EQ(ORV_BAD_OPTIONS, WEXITSTATUS(std::system(bad.c_str())));
}

}  // namespace
