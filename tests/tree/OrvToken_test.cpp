// Tokens, token lists, token groups and the token-code names.
#include "OrvToken.h"
#include "TestStrings.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "VStringList.h"

namespace {


OrvToken* Tok(int code, const char* image = "", int line = 0, int col = 0, int endCol = -1) {
  return new OrvToken(code, VString(image), OrvTxtPosn(line, col, 1),
                      OrvTxtPosn(line, endCol < 0 ? col : endCol, 1));
}

void Add(OrvTokenList& list, OrvToken* t) { list.Append(t); }

std::string DebugForm(const OrvToken& t) {
  std::ostringstream os;
  t.PrintCode(os);
  return os.str();
}

std::string Kind(const OrvToken& t) {
  std::ostringstream os;
  os << t;
  return os.str();
}

std::string Codes(const OrvTokenList& l) {
  std::string s;
  for (const OrvToken* p = l.First(); p != nullptr; p = l.Next(p))
    s += (s.empty() ? "" : " ") + std::to_string(p->code);
  return s;
}

std::string Tic(const OrvTokenList& l) {
  std::ostringstream os;
  l.PutTic(os);
  return os.str();
}

// Word tables of a tiny lexer, installed for the tests that need them.
const char* TestCobolWord(int code) { return code == RW_ACCEPT ? "ACCEPT" : nullptr; }
const char* TestSqlWord(int code) { return code == STK_SELECT ? "SELECT" : nullptr; }
const char* TestCicsWord(int code) { return code == CTK_ABEND ? "ABEND" : nullptr; }

class WithWordTables : public ::testing::Test {
protected:
  void SetUp() override {
    saved_ = OrvGetTokenWordLookup();
    OrvSetTokenWordLookup(OrvTokenWordLookup{TestCobolWord, TestSqlWord, TestCicsWord});
  }
  void TearDown() override { OrvSetTokenWordLookup(saved_); }
  OrvTokenWordLookup saved_{};
};

TEST(OrvTokenCodeTest, NamesOfTheCodeSpace) {
  std::set<std::string> names;
  for (int c = ORV_TOKEN_FIRST_NAMED; c <= ORV_TOKEN_LAST_NAMED; ++c) {
    ASSERT_NE(nullptr, OrvTokenCodeName(c)) << c;
    EXPECT_TRUE(names.insert(OrvTokenCodeName(c)).second) << OrvTokenCodeName(c);
  }
  EXPECT_EQ(1477u, names.size());
  const struct {
    int code;
    const char* name;
  } cases[] = {{0, "LEX_EOF"},         {257, "PRTY_LOW"},       {299, "TK_AREA_A_NAME"},
               {401, "SEP_ERROR"},      {419, "TK_USER_DEFD_WORD"}, {434, "OP_UN_PLUS"},
               {435, "OP_UN_MINUS"},    {959, "CM_COMMENT"},     {968, "MSG_INFO"},
               {972, "MSG_TERMINAL"},   {1158, "ST_RIGHT_ANGLE"}, {1733, "CTK_YYYYMMDD"}};
  for (const auto& c : cases) EXPECT_STREQ(c.name, OrvTokenCodeName(c.code));
  EXPECT_EQ(nullptr, OrvTokenCodeName(256));
  EXPECT_EQ(nullptr, OrvTokenCodeName(1734));
  EXPECT_EQ(nullptr, OrvTokenCodeName(65));
  EXPECT_EQ(nullptr, OrvTokenCodeName(-1));
  // The enum and the message levels share the numbers.
  EXPECT_EQ(419, TK_USER_DEFD_WORD);
  EXPECT_EQ(MSG_INFO, 968);
  EXPECT_EQ(1158, ST_RIGHT_ANGLE);
}

TEST(OrvTokenTest, SeparatorPredicates) {
  for (int c = 0; c < 2000; ++c) {
    OrvToken t(c, VString(), OrvTxtPosnRange());
    const bool sep = (c >= 396 && c <= 400) || (c >= 402 && c <= 411) || c == 414;
    EXPECT_EQ(sep ? 1 : 0, t.IsSeparator()) << c;
    const bool space = c >= 405 && c <= 407;
    EXPECT_EQ(space ? 1 : 0, t.IsSpaceSep()) << c;
    EXPECT_EQ(space ? 1 : 0, OrvTokenIsSpaceSep(&t)) << c;
  }
}

TEST(OrvTokenTest, DebugForm) {
  const struct {
    int code;
    const char* image;
    int line;
    std::string text;
  } cases[] = {
      {65, "A", 0, "TokenChar 'A' A"},
      {10, "", 0, "TokenChar '\\n'"},
      {1734, "", 0, "Token #1734"},
      {256, "", 0, "Token #256"},
      {-2, "", 0, "Token #-2"},
      {0, "", 0, "LEX_EOF"},
      {TK_USER_DEFD_WORD, "MOVE", 0, "TK_USER_DEFD_WORD MOVE"},
      {TK_NONNUM_LIT, "a\tb", 0, "TK_NONNUM_LIT a\\tb"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    OrvToken t(c.code, VString(c.image), OrvTxtPosnRange());
    EXPECT_EQ(c.text, DebugForm(t));
  }
  OrvToken hex(-2, VString(), OrvTxtPosnRange());
  std::ostringstream os;
  os << std::hex;
  hex.PrintCode(os);
  EXPECT_EQ("Token #fffe", os.str());

  const int prog = OrvFileNameAdd(VString("PROG.cbl"));
  OrvToken placed(TK_USER_DEFD_WORD, VString("X"), OrvTxtPosn(3, 7, prog), OrvTxtPosn(3, 7, prog));
  EXPECT_EQ("TK_USER_DEFD_WORD X posn=[beg:PROG.cbl:3:8, end:PROG.cbl:3:8]", DebugForm(placed));
}

TEST(OrvTokenTest, KindForm) {
  const struct {
    int code;
    const char* image;
    std::string text;
  } cases[] = {
      {TK_USER_DEFD_WORD, "MOVE", "user-word MOVE"},
      {TK_USER_DEFD_WORD, "", "user-word "},
      {TK_AREA_A_NAME, "PARA-1", "area-a-name PARA-1"},
      {TK_NONNUM_LIT, "'x'", "nonnum-literal 'x'"},
      {ST_DELIM_IDENT, "\"c\"", "delimited-identifier \"c\""},
      {SEP_LEFT_PAR, "(", "("},
      {ST_LEFT_PAR, "", "("},
      {SEP_SPACE, "   ", " "},
      {SEP_EQEQ, "", "=="},
      {OP_EXP, "", "**"},
      {OP_GE, "", ">="},
      {ST_VERT, "", "|"},
      {ST_PERC, "", "%"},
      {RW_ACCEPT, "", "RW_ACCEPT"},  // no word table installed
      {1734, "", "Token #1734"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    OrvToken t(c.code, VString(c.image), OrvTxtPosnRange());
    EXPECT_EQ(c.text, Kind(t));
    EXPECT_EQ(c.text, Str(t.KindString()));
  }
}

TEST_F(WithWordTables, KindFormOfKeywords) {
  OrvToken accept(RW_ACCEPT, VString("accept"), OrvTxtPosnRange());
  EXPECT_EQ("keyword ACCEPT", Kind(accept));
  OrvToken select(STK_SELECT, VString(), OrvTxtPosnRange());
  EXPECT_EQ("STK_SELECT", Kind(select));  // only COBOL words make keywords
}

TEST(OrvTokenTest, SourceText) {
  const struct {
    int code;
    const char* image;
    std::string text;
  } cases[] = {
      {RW_DATA_DIVISION, "", "DATA_DIVISION"},
      {RW_END_PROGRAM, "", "END_PROGRAM"},
      {CMB_NOT_ON_AT, "", "NOT"},
      {CMB_ON_BEF_KWD, "", "ON"},
      {TK_CICS, "", "CICS"},
      {TK_SQL, "", "SQL"},
      {PRESERVED_SPACE, "    ", " "},
      {SEP_DOT, "", "."},
      {SEP_AMPER, "", "&"},
      {OP_LE, "", "<="},
      {ST_COMMA, "", ","},
      {ST_GT, "", ">"},
      {ST_RIGHT_ANGLE, "", "\xac"},
      {TK_AREA_A_NAME, "MAIN-PARA", "MAIN-PARA"},
      {PRESERVED_STRING, "keep me", "keep me"},
      {TK_PIC_CHAR_STRING, "X(5)", "X(5)"},
      {TK_USER_DEFD_WORD, "", ""},
      {UW_CONSTANT_NAME, "K", "K"},
      {ST_STR_LITER, "'s'", "'s'"},
      {STK_WITH_HOLD, "", "STK_WITH_HOLD"},
      {OP_UN_MINUS, "", "OP_UN_MINUS"},
      {65, "", "TokenChar 'A'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    OrvToken t(c.code, VString(c.image), OrvTxtPosnRange());
    EXPECT_EQ(c.text, Str(t.Text()));
  }
  OrvToken angle(ST_RIGHT_ANGLE, VString(), OrvTxtPosnRange());
  EXPECT_EQ(1, angle.Text().length);
}

TEST_F(WithWordTables, SourceTextOfWords) {
  const struct {
    int code;
    std::string text;
  } cases[] = {{RW_ACCEPT, "ACCEPT"},
               {STK_SELECT, "SELECT"},
               {CTK_ABEND, "ABEND"},
               // No word: the debug form, image included.
               {STK_WITH_HOLD, "STK_WITH_HOLD image"},
               {STK_ZONE, "STK_ZONE image"},
               {CTK_ABCODE, "CTK_ABCODE image"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    OrvToken t(c.code, VString("image"), OrvTxtPosnRange());
    EXPECT_EQ(c.text, Str(t.Text()));
  }
}

TEST(OrvTokenTest, CopyAndDestroy) {
  OrvToken a(TK_USER_DEFD_WORD, VString("ABC"), OrvTxtPosn(1, 2, 1), OrvTxtPosn(1, 4, 1));
  OrvToken b(a);
  EXPECT_EQ(a.code, b.code);
  EXPECT_EQ("ABC", Str(b.Image()));
  EXPECT_NE(a.Image().text, b.Image().text);
  EXPECT_EQ(a.begin, b.begin);
  EXPECT_EQ(a.end, b.end);
  OrvToken c;
  c = a;
  EXPECT_EQ("ABC", Str(c.Image()));
  EXPECT_EQ(a.Range().end, c.end);
}

TEST(OrvTokenTest, TicRoundTripOfOneToken) {
  OrvToken t(TK_NONNUM_LIT, VString("'a]b,c'"), OrvTxtPosn(9, 3, 1), OrvTxtPosn(9, 9, 1));
  std::ostringstream os;
  t.PutTic(os);
  EXPECT_EQ("T414,7:'a]b,c'[9,3,n1][9,9,n1]", os.str());
  std::istringstream in(os.str());
  OrvToken back;
  VString err;
  ASSERT_EQ(0, back.GetTic(in, err)) << Str(err);
  EXPECT_EQ(t.code, back.code);
  EXPECT_EQ(Str(t.Image()), Str(back.Image()));
  EXPECT_EQ(t.begin, back.begin);
  EXPECT_EQ(t.end, back.end);
}

TEST(OrvTokenTest, TicReadErrorsOfOneToken) {
  const struct {
    const char* text;
    int result;
    const char* error;
  } cases[] = {
      {"X419,1:A[0,0,n0][0,0,n0]", 60, "OrvToken::GetTic: 'T' is expected"},
      {"T-4,1:A[0,0,n0][0,0,n0]", 59, nullptr},
      {"T70000,1:A[0,0,n0][0,0,n0]", 60, "OrvToken::GetTic: token code 70000 is out of range 0..32767"},
      {"T419;1:A[0,0,n0][0,0,n0]", 59, nullptr},
      {"T419,1:A[0,0,x][0,0,n0]", 60, "OrvTxtPosn::GetTic: bad char that qualifies file_name"},
      {"T419,1:A[0,0,n0]", 60, "OrvTxtPosn::GetTic: '[' is expected"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::istringstream in(c.text);
    OrvToken t;
    VString err;
    EXPECT_EQ(c.result, t.GetTic(in, err));
    if (c.error) EXPECT_EQ(c.error, Str(err));
    else EXPECT_GT(err.length, 0);
  }
}

TEST(OrvTokenListTest, AppendTakesOverTheToken) {
  OrvTokenList l;
  EXPECT_TRUE(l.IsEmpty());
  OrvToken* t = Tok(TK_USER_DEFD_WORD, "A");
  l.Append(t);
  EXPECT_EQ(nullptr, t);
  l.AddToken(MSG_ERR, OrvTxtPosn(4, 2, 1), VString("bad thing"));
  ASSERT_EQ(2, l.Count());
  OrvToken* msg = l.Last();
  EXPECT_EQ(MSG_ERR, msg->code);
  EXPECT_EQ("bad thing", Str(msg->Image()));
  EXPECT_EQ(OrvTxtPosn(4, 2, 1), msg->begin);
  EXPECT_EQ(OrvTxtPosn(4, 2, 1), msg->end);
  EXPECT_EQ(TK_USER_DEFD_WORD, l.First()->code);
}

TEST(OrvTokenListTest, CopiesAreDeep) {
  OrvTokenList a;
  Add(a, Tok(419, "X", 1, 1));
  Add(a, Tok(405, " ", 1, 2));
  OrvTokenList b(a);
  EXPECT_EQ("419 405", Codes(b));
  // New tokens with the same texts: tokens of an arena share a text of the
  // source store, which stays while either holds it.
  EXPECT_NE(a.First(), b.First());
  EXPECT_EQ("X", Str(b.First()->Image()));
  OrvTokenList c;
  Add(c, Tok(1));
  c.CopyFrom(a);
  EXPECT_EQ("419 405", Codes(c));
  a.Clear();
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_EQ("419 405", Codes(b));
  EXPECT_EQ("X", Str(b.First()->Image()));
}

TEST(OrvTokenListTest, AssignmentAnnouncesItselfAndCopies) {
  OrvTokenList a, b;
  Add(a, Tok(419, "X"));
  Add(b, Tok(1));
  ::testing::internal::CaptureStdout();
  b = a;
  b = b;  // assigning a list to itself keeps its tokens
  std::cout.flush();
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(
      "=== &OrvTokenList::operator = (const OrvTokenList &tl)\n"
      "=== &OrvTokenList::operator = (const OrvTokenList &tl)\n",
      out);
  EXPECT_EQ("419", Codes(b));
  EXPECT_EQ("419", Codes(a));
}

TEST(OrvTokenListTest, SpliceAndPrepend) {
  OrvTokenList a, b, empty;
  Add(a, Tok(1));
  Add(a, Tok(2));
  Add(b, Tok(3));
  Add(b, Tok(4));
  a.Splice(b);
  EXPECT_EQ("1 2 3 4", Codes(a));
  EXPECT_TRUE(b.IsEmpty());
  Add(b, Tok(5));
  a.Prepend(b);
  EXPECT_EQ("5 1 2 3 4", Codes(a));
  EXPECT_TRUE(b.IsEmpty());
  a.Splice(empty);
  a.Prepend(empty);
  a.Splice(a);
  EXPECT_EQ("5 1 2 3 4", Codes(a));
  empty.Prepend(a);
  EXPECT_EQ("5 1 2 3 4", Codes(empty));
}

TEST(OrvTokenListTest, Groups) {
  OrvTokenList l;
  Add(l, Tok(1));
  OrvTokenGroup* g = new OrvTokenGroup(Tok(TK_USER_DEFD_WORD, "W"));
  Add(g->attached, Tok(SEP_SPACE));
  Add(g->attached, Tok(CM_COMMENT, "* c"));
  l.AppendGroup(g);
  EXPECT_EQ("1 405 959 419", Codes(l));

  OrvTokenGroup* drop = new OrvTokenGroup(Tok(SEP_DOT));
  Add(drop->attached, Tok(SEP_SPACE));
  l.AppendGroupDropToken(drop);
  EXPECT_EQ("1 405 959 419 405", Codes(l));

  OrvTokenGroup front(Tok(RW_MOVE));
  Add(front.attached, Tok(SEP_SPACE));
  l.PushFront(&front);
  EXPECT_EQ(nullptr, front.token);
  EXPECT_EQ("405", Codes(front.attached));
  EXPECT_EQ("358 1 405 959 419 405", Codes(l));
}

TEST(OrvTokenListTest, GroupPrinting) {
  OrvTokenGroup g(Tok(TK_USER_DEFD_WORD, "W"));
  Add(g.attached, new OrvToken(SEP_SPACE, VString(" "), OrvTxtPosnRange()));
  Add(g.attached, new OrvToken(SEP_COMMA, VString(","), OrvTxtPosnRange()));
  g.token->begin = OrvTxtPosn();
  g.token->end = OrvTxtPosn();
  std::ostringstream dbg, kind;
  g.Print(dbg);
  g.PrintKind(kind);
  EXPECT_EQ("TK_USER_DEFD_WORD W, {SEP_SPACE  , SEP_COMMA ,}", dbg.str());
  EXPECT_EQ("user-word W, { , ,}", kind.str());
}

TEST(OrvTokenListTest, PopsAndQueries) {
  OrvTokenList l;
  EXPECT_EQ(nullptr, l.PopFirst());
  EXPECT_EQ(nullptr, l.PopLast());
  EXPECT_EQ(nullptr, l.Last());
  EXPECT_EQ(nullptr, l.First());
  EXPECT_EQ(nullptr, l.FirstSignificant());
  Add(l, Tok(SEP_SPACE));
  Add(l, Tok(CM_COMMENT));
  Add(l, Tok(SEP_SEMI));
  EXPECT_EQ(nullptr, l.FirstSignificant());
  Add(l, Tok(CM_INLINE_COMMENT));
  Add(l, Tok(SEP_DOT));
  EXPECT_EQ(CM_INLINE_COMMENT, l.FirstSignificant()->code);
  OrvToken* first = l.PopFirst();
  OrvToken* last = l.PopLast();
  EXPECT_EQ(SEP_SPACE, first->code);
  EXPECT_EQ(SEP_DOT, last->code);
  delete first;
  delete last;
  EXPECT_EQ("959 407 960", Codes(l));
  EXPECT_EQ(CM_INLINE_COMMENT, l.Last()->code);
  OrvToken* only = nullptr;
  OrvTokenList one;
  Add(one, Tok(7));
  only = one.PopLast();
  EXPECT_TRUE(one.IsEmpty());
  delete only;
}

TEST(OrvTokenListTest, RemoveIf) {
  OrvTokenList l;
  for (int c : {405, 419, 406, 406, 407, 404, 405}) Add(l, Tok(c));
  l.RemoveSpaceSeps();
  EXPECT_EQ("419 404", Codes(l));
  l.RemoveIf([](OrvToken*) { return 1; });
  EXPECT_TRUE(l.IsEmpty());
}

TEST(OrvTokenListTest, PositionRange) {
  OrvTokenList l;
  Add(l, new OrvToken(SEP_SPACE, VString(), OrvTxtPosnRange()));
  Add(l, Tok(419, "A", 3, 7, 9));
  Add(l, new OrvToken(CM_COMMENT, VString(), OrvTxtPosnRange()));
  Add(l, Tok(419, "B", 4, 1, 2));
  Add(l, new OrvToken(SEP_SPACE, VString(), OrvTxtPosn(5, 0, 1), OrvTxtPosn()));
  OrvTxtPosnRange r = l.PosnRange();
  EXPECT_EQ(OrvTxtPosn(3, 7, 1), r.beg);
  EXPECT_EQ(OrvTxtPosn(4, 2, 1), r.end);
  EXPECT_EQ(1, l.HasUnpositioned());

  OrvTokenList unplaced;
  Add(unplaced, new OrvToken(SEP_SPACE, VString(), OrvTxtPosnRange()));
  r = unplaced.PosnRange();
  EXPECT_FALSE(r.beg.IsSet());
  EXPECT_FALSE(r.end.IsSet());

  // An existing begin stays; the end moves to the last set end.
  OrvTxtPosnRange ext(OrvTxtPosn(1, 1, 1), OrvTxtPosn(1, 1, 1));
  l.ExtendPosnRange(ext);
  EXPECT_EQ(OrvTxtPosn(1, 1, 1), ext.beg);
  EXPECT_EQ(OrvTxtPosn(4, 2, 1), ext.end);

  OrvTokenList comments;
  Add(comments, new OrvToken(CM_COMMENT, VString(), OrvTxtPosnRange()));
  Add(comments, Tok(419, "A", 3, 7, 9));
  EXPECT_EQ(0, comments.HasUnpositioned());
  EXPECT_EQ(0, OrvTokenList().HasUnpositioned());
}

TEST(OrvTokenListTest, MoveImagesTo) {
  OrvTokenList l;
  Add(l, Tok(419, "ONE"));
  Add(l, Tok(405, ""));
  Add(l, Tok(419, "TWO"));
  VStringList strings;
  l.MoveImagesTo(strings);
  EXPECT_TRUE(l.IsEmpty());
  EXPECT_EQ(3, strings.Count());
}

TEST(OrvTokenListTest, PrintForms) {
  OrvTokenList l;
  Add(l, new OrvToken(TK_USER_DEFD_WORD, VString("A"), OrvTxtPosnRange()));
  Add(l, new OrvToken(SEP_DOT, VString("."), OrvTxtPosnRange()));
  // A null token is not kept: the list links its tokens themselves.
  OrvToken* none = nullptr;
  l.Append(none);
  EXPECT_EQ(2, l.Count());
  std::ostringstream dbg, kind;
  l.Print(dbg);
  kind << l;
  EXPECT_EQ("{TK_USER_DEFD_WORD A, SEP_DOT .}", dbg.str());
  EXPECT_EQ("{user-word A, .}", kind.str());
  std::ostringstream empty;
  OrvTokenList().Print(empty);
  EXPECT_EQ("{}", empty.str());
}

TEST(OrvTokenListTest, TicForm) {
  OrvTokenList l;
  Add(l, new OrvToken(TK_USER_DEFD_WORD, VString("MOVE"), OrvTxtPosn(12, 7, 1), OrvTxtPosn(12, 10, 1)));
  EXPECT_EQ("-T419,4:MOVE[12,7,n1][12,10,n1]#", Tic(l));
  EXPECT_EQ("#", Tic(OrvTokenList()));

  Add(l, new OrvToken(CM_COMMENT, VString("* a\ncomment"), OrvTxtPosn(13, 6, 1), OrvTxtPosn(13, 40, 1)));
  Add(l, new OrvToken(MSG_WARN, VString(), OrvTxtPosnRange()));
  const std::string text = Tic(l);
  std::istringstream in(text);
  OrvTokenList back;
  Add(back, Tok(1));  // the reader appends to what the list holds
  VString err;
  ASSERT_EQ(0, back.GetTic(in, err)) << Str(err);
  EXPECT_EQ("1 419 959 969", Codes(back));
  delete back.PopFirst();
  EXPECT_EQ(text, Tic(back));
}

TEST(OrvTokenListTest, TicReadErrors) {
  {
    std::istringstream in("-T5,1:x[1,0,n0][1,0,n0]!");
    OrvTokenList l;
    VString err;
    EXPECT_EQ(60, l.GetTic(in, err));
    EXPECT_EQ("OrvTokenList::GetTic: '#' is expected", Str(err));
    EXPECT_EQ("5", Codes(l));
  }
  {
    std::istringstream in("-T5,1:x[1,0,n0][1,0,n0]-T6,1:y[1,0,n0]");
    OrvTokenList l;
    VString err;
    EXPECT_EQ(60, l.GetTic(in, err));
    EXPECT_EQ("5", Codes(l));  // the failed token is discarded
  }
  {
    std::istringstream in("-T5,9:x");
    OrvTokenList l;
    VString err;
    EXPECT_NE(0, l.GetTic(in, err));
    EXPECT_TRUE(l.IsEmpty());
  }
  {
    std::istringstream in("");
    OrvTokenList l;
    VString err;
    EXPECT_EQ(60, l.GetTic(in, err));
  }
}

}  // namespace

// The list keeps its last node through every operation that changes its
// ends: after each step of a case, the last token is the one a walk finds
// and a token appended afterwards lands at the very end.
struct TailCase {
  const char* title;
  void (*steps)(OrvTokenList& list);
  std::vector<int> codesBeforeAppend;
};

void PrintTo(const TailCase& c, std::ostream* os) { *os << c.title; }

OrvToken* CodeTok(int code) { return new OrvToken(code, VString(), OrvTxtPosnRange()); }

OrvTokenGroup* Group(int code) {
  OrvTokenGroup* g = new OrvTokenGroup();
  g->token = CodeTok(code);
  return g;
}

class OrvTokenListTailTest : public ::testing::TestWithParam<TailCase> {};

TEST_P(OrvTokenListTailTest, LastTokenAndAppendFollowEveryChange) {
  OrvTokenList list;
  GetParam().steps(list);
  std::string expected;
  for (int code : GetParam().codesBeforeAppend)
    expected += (expected.empty() ? "" : " ") + std::to_string(code);
  EXPECT_EQ(Codes(list), expected);
  OrvToken* walkedLast = nullptr;
  for (OrvToken* n = list.First(); n != nullptr; n = list.Next(n)) walkedLast = n;
  EXPECT_EQ(list.Last(), walkedLast);
  Add(list, CodeTok(SEP_EOF));
  ASSERT_NE(list.Last(), nullptr);
  EXPECT_EQ(list.Last()->code, SEP_EOF);
  // The walk from the first token ends at the new last one.
  OrvToken* n = list.First();
  while (list.Next(n) != nullptr) n = list.Next(n);
  EXPECT_EQ(n->code, SEP_EOF);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OrvTokenListTailTest,
    ::testing::Values(
        TailCase{"empty", [](OrvTokenList&) {}, {}},
        TailCase{"appended",
                 [](OrvTokenList& l) {
                   Add(l, CodeTok(SEP_DOT));
                   Add(l, CodeTok(SEP_COMMA));
                 },
                 {SEP_DOT, SEP_COMMA}},
        TailCase{"spliced onto empty",
                 [](OrvTokenList& l) {
                   OrvTokenList o;
                   Add(o, CodeTok(SEP_DOT));
                   l.Splice(o);
                   EXPECT_TRUE(o.IsEmpty());
                   Add(o, CodeTok(SEP_SEMI));  // the emptied list starts afresh
                   l.Splice(o);
                 },
                 {SEP_DOT, SEP_SEMI}},
        TailCase{"prepended to empty",
                 [](OrvTokenList& l) {
                   OrvTokenList o;
                   Add(o, CodeTok(SEP_DOT));
                   Add(o, CodeTok(SEP_COMMA));
                   l.Prepend(o);
                 },
                 {SEP_DOT, SEP_COMMA}},
        TailCase{"prepended to a list",
                 [](OrvTokenList& l) {
                   Add(l, CodeTok(SEP_SEMI));
                   OrvTokenList o;
                   Add(o, CodeTok(SEP_DOT));
                   l.Prepend(o);
                 },
                 {SEP_DOT, SEP_SEMI}},
        TailCase{"pushed in front of empty",
                 [](OrvTokenList& l) {
                   OrvTokenGroup* g = Group(SEP_DOT);
                   l.PushFront(g);  // the group stays the caller's
                   delete g;
                 },
                 {SEP_DOT}},
        TailCase{"first popped to empty",
                 [](OrvTokenList& l) {
                   Add(l, CodeTok(SEP_DOT));
                   delete l.PopFirst();
                 },
                 {}},
        TailCase{"last popped",
                 [](OrvTokenList& l) {
                   Add(l, CodeTok(SEP_DOT));
                   Add(l, CodeTok(SEP_COMMA));
                   delete l.PopLast();
                 },
                 {SEP_DOT}},
        TailCase{"last popped to empty",
                 [](OrvTokenList& l) {
                   Add(l, CodeTok(SEP_DOT));
                   delete l.PopLast();
                 },
                 {}},
        TailCase{"last removed by a predicate",
                 [](OrvTokenList& l) {
                   Add(l, CodeTok(SEP_DOT));
                   Add(l, CodeTok(SEP_SPACE));
                   l.RemoveSpaceSeps();
                 },
                 {SEP_DOT}},
        TailCase{"every token removed by a predicate",
                 [](OrvTokenList& l) {
                   Add(l, CodeTok(SEP_SPACE));
                   l.RemoveSpaceSeps();
                 },
                 {}},
        TailCase{"group appended",
                 [](OrvTokenList& l) {
                   OrvTokenGroup* g = Group(SEP_DOT);
                   Add(g->attached, CodeTok(SEP_SPACE));
                   l.AppendGroup(g);
                 },
                 {SEP_SPACE, SEP_DOT}},
        TailCase{"copied",
                 [](OrvTokenList& l) {
                   OrvTokenList o;
                   Add(o, CodeTok(SEP_DOT));
                   Add(o, CodeTok(SEP_COMMA));
                   l.CopyFrom(o);
                 },
                 {SEP_DOT, SEP_COMMA}},
        TailCase{"tokens pushed in front",
                 [](OrvTokenList& l) {
                   Add(l, CodeTok(SEP_SEMI));
                   l.PushFrontToken(CodeTok(SEP_COMMA));
                   l.PushFrontToken(CodeTok(SEP_DOT));
                 },
                 {SEP_DOT, SEP_COMMA, SEP_SEMI}},
        TailCase{"token pushed in front of empty",
                 [](OrvTokenList& l) { l.PushFrontToken(CodeTok(SEP_DOT)); },
                 {SEP_DOT}},
        TailCase{"cleared",
                 [](OrvTokenList& l) {
                   Add(l, CodeTok(SEP_DOT));
                   l.Clear();
                 },
                 {}}));
