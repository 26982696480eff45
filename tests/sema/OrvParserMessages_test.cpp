// Parser messages: where each level goes, the position a message gets, the
// parse without a message list, and the grammar's syntax-error report.
#include <gtest/gtest.h>

#include <sstream>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvParserErrors.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;

const OrvTxtPosn kCur(7, 3, 2);  // the parser's current position

struct LevelCase {
  int level;
  bool listed;  // kept in the message list; otherwise given to the call-back
};

void PrintTo(const LevelCase& c, std::ostream* os) { *os << "level " << c.level; }

class ParserErrorLevels : public sematest::ParserTest,
                          public ::testing::WithParamInterface<LevelCase> {};

TEST_P(ParserErrorLevels, WarningsAndErrorsAreListedTheOtherLevelsGoToTheCallBack) {
  parser.curPosn = kCur;
  const LevelCase& c = GetParam();
  const OrvTxtPosn at(12, 40, 1);
  VString text("some text");
  OrvParserImpl::ParserError(c.level, &at, &text);
  if (c.listed) {
    ASSERT_EQ(messages.Count(), 1);
    const OrvToken* token = messages.First();
    EXPECT_EQ(token->code, c.level);
    EXPECT_EQ(Str(token->image), "some text");
    EXPECT_EQ(token->begin, at);
    EXPECT_FALSE(token->end.IsSet());
    EXPECT_EQ(recorder.size(), 0u);
  } else {
    EXPECT_TRUE(messages.IsEmpty());
    ASSERT_EQ(recorder.size(), 1u);
    EXPECT_EQ(recorder.level(0), c.level);
    EXPECT_EQ(recorder.text(0), "some text");
    EXPECT_EQ(recorder.messages()[0].posn, at);
  }
}

INSTANTIATE_TEST_SUITE_P(AllLevels, ParserErrorLevels,
                         ::testing::Values(LevelCase{MSG_INFO, false}, LevelCase{MSG_WARN, true},
                                           LevelCase{MSG_ERR, true},
                                           LevelCase{MSG_SEVERE, false},
                                           LevelCase{MSG_TERMINAL, false}));

using ParserErrorTest = sematest::ParserTest;

TEST_F(ParserErrorTest, OnlyLineAndColumnDecideWhetherThePositionIsTaken) {
  parser.curPosn = kCur;
  const struct {
    bool given;
    OrvTxtPosn posn;
    OrvTxtPosn expected;
  } cases[] = {
      {false, OrvTxtPosn(), kCur},                   // no position at all
      {true, OrvTxtPosn(), kCur},                    // the empty position
      {true, OrvTxtPosn(0, 0, 3), kCur},             // a file but no line or column
      {true, OrvTxtPosn(0, 4, 3), OrvTxtPosn(0, 4, 3)},  // a column alone counts
      {true, OrvTxtPosn(9, 0, 1), OrvTxtPosn(9, 0, 1)},  // a line alone counts
  };
  for (const auto& c : cases) {
    VString text("x");
    OrvParserImpl::ParserError(MSG_ERR, c.given ? &c.posn : nullptr, &text);
  }
  std::vector<OrvTxtPosn> posns = MessagePosns();
  ASSERT_EQ(posns.size(), 5u);
  for (size_t i = 0; i < posns.size(); ++i) EXPECT_EQ(posns[i], cases[i].expected) << i;
}

TEST_F(ParserErrorTest, WithoutAMessageListOneTerminalMessageAndTheMessageIsDropped) {
  parser.messageList = nullptr;
  parser.curPosn = kCur;
  for (int level : {MSG_WARN, MSG_ERR, MSG_SEVERE}) {
    recorder.clear();
    VString text("lost");
    OrvParserImpl::ParserError(level, nullptr, &text);
    ASSERT_EQ(recorder.size(), 1u) << level;
    EXPECT_EQ(recorder.level(0), MSG_TERMINAL);
    EXPECT_EQ(recorder.text(0), "OrvParserImpl::ParserError: no list of error messages specified");
    EXPECT_EQ(recorder.messages()[0].posn, kCur);
  }
}

TEST_F(ParserErrorTest, AMissingTextIsAnEmptyMessageAndNoParserMeansTheProcessSink) {
  OrvParserImpl::ParserError(MSG_WARN, nullptr, nullptr);
  ASSERT_EQ(Messages(), std::vector<std::string>{Line(MSG_WARN, "")});

  currentParser = nullptr;
  VString text("outside a parse");
  OrvTxtPosn at(3, 1, 1);
  OrvParserImpl::ParserError(MSG_ERR, &at, &text);
  ASSERT_EQ(recorder.size(), 1u);
  EXPECT_EQ(recorder.level(0), MSG_ERR);
  EXPECT_EQ(recorder.text(0), "outside a parse");
  EXPECT_EQ(messages.Count(), 1);
}

TEST_F(ParserErrorTest, TheLexerTraceEchoesEachMessage) {
  parser.lexer.settings.traceFlags = ORV_LEX_TRACE_LINES;
  std::ostringstream captured;
  std::streambuf* saved = std::cout.rdbuf(captured.rdbuf());
  VString text("traced");
  OrvTxtPosn at(2, 0, 0);
  OrvParserImpl::ParserError(MSG_ERR, &at, &text);
  std::cout.rdbuf(saved);
  EXPECT_NE(captured.str().find(": ERROR: lev=2: traced"), std::string::npos) << captured.str();
}

// --- syntax errors ---------------------------------------------------------

using SyntaxErrorTest = sematest::ParserTest;

TEST_F(SyntaxErrorTest, ReportedAtTheFirstTokenThatIsNotABlankSeparatorOrComment) {
  parser.curPosn = kCur;
  struct Tok {
    int code;
    OrvTxtPosn at;
  };
  const struct {
    std::vector<Tok> tokens;
    OrvTxtPosn expected;
  } cases[] = {
      {{{SEP_SPACE, {3, 0, 1}}, {SEP_COMMA, {3, 2, 1}}, {SEP_SEMI, {3, 4, 1}},
        {CM_COMMENT, {3, 6, 1}}, {TK_USER_DEFD_WORD, {4, 11, 1}}, {SEP_DOT, {4, 15, 1}}},
       {4, 11, 1}},
      {{{SEP_SPACE, {3, 0, 1}}, {CM_COMMENT, {3, 6, 1}}}, kCur},
      {{}, kCur},
  };
  OrvGrammarValue value = reinterpret_cast<OrvGrammarValue>(new OrvCharString(VString("MOVX")));
  for (const auto& c : cases) {
    OrvTokenList* list = new OrvTokenList;
    for (const Tok& t : c.tokens) list->AddToken(t.code, t.at, VString("t"));
    ReportSyntaxError("syntax error", TK_USER_DEFD_WORD, &value, &list);
    list->Clear();
    delete list;
  }
  OrvTokenList* none = nullptr;
  ReportSyntaxError("syntax error", TK_USER_DEFD_WORD, &value, &none);
  delete OrvGrammarValueNode(value);

  const std::string text = "syntax error. at token: user-word MOVX";
  EXPECT_EQ(Messages(), std::vector<std::string>(4, Line(MSG_ERR, text)));
  std::vector<OrvTxtPosn> posns = MessagePosns();
  ASSERT_EQ(posns.size(), 4u);
  EXPECT_EQ(posns[0], OrvTxtPosn(4, 11, 1));
  EXPECT_EQ(posns[1], kCur);
  EXPECT_EQ(posns[2], kCur);
  EXPECT_EQ(posns[3], kCur);
}

TEST(TokenErrText, ShowsTheValueImageOrDumpsANodeWithoutOne) {
  OrvCharString word(VString("ABC"));
  OrvGrammarValue withImage = reinterpret_cast<OrvGrammarValue>(&word);
  EXPECT_EQ(Str(TokenErrText(TK_USER_DEFD_WORD, &withImage)), "user-word ABC");

  OrvGrammarValue number = 17;  // a plain number is no node
  OrvToken bare(SEP_DOT, VString(), OrvTxtPosnRange());
  EXPECT_EQ(Str(TokenErrText(SEP_DOT, &number)), Str(bare.KindString()));
  EXPECT_EQ(Str(TokenErrText(SEP_DOT, nullptr)), Str(bare.KindString()));

  OrvExprOper move(STMT_MOVE);
  OrvGrammarValue noImage = reinterpret_cast<OrvGrammarValue>(&move);
  std::ostringstream dump;
  move.DebugDump(dump);
  OrvToken keyword(RW_MOVE, VString(), OrvTxtPosnRange());
  EXPECT_EQ(Str(TokenErrText(RW_MOVE, &noImage)),
            Str(keyword.KindString()) + "  TokenExpr:\n" + dump.str());
}

}  // namespace
