// yylex on the lexer's tokens: recoded NOT and ON, word pairs, the periods
// it puts in, Area A headers, semantic values and position lists, and the
// statement tokens of COPY, member ends and REPLACE.
#include "OrvYylex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FixedLine.h"
#include "MessageRecorder.h"
#include "NoSourceParser.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvLookaheadQueue.h"
#include "OrvNameNodes.h"
#include "OrvOperSlots.h"
#include "OrvParseInit.h"
#include "OrvParserErrors.h"
#include "OrvParserImpl.h"
#include "OrvParserNames.h"
#include "OrvToken.h"
#include "ScratchDir.h"
#include "TestStrings.h"

namespace {

// A parser set up as a parse sets it up, reading a scratch source with
// yylex.
class YylexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parser.messageSink = &MessageRecorder::Sink;
    parser.messageList = &messages;
    currentParser = &parser;
  }
  void TearDown() override {
    parser.lexer.CloseInput();
    parser.ReleaseParseState();
    delete parser.root;
    delete parser.eofTokens;
    currentParser = nullptr;
  }

  void Open(const std::string& source, int format = ORV_LINE_FORMAT_FIXED) {
    parser.lexerSettings.lineFormat = format;
    parser.lexer.settings.lineFormat = format;
    parser.lexer.settings.dials = OrvDialFieldMask(ORV_DIAL_ANSI85);
    parser.lexer.Reset();
    InitParseTree(&parser);
    ASSERT_EQ(ORV_OK, parser.lexer.SetInput(VString(dir.Write("src.cbl", source).c_str())));
  }

  // One token: its code's name, the image of the token that ends its
  // position list when it has one, and "put in" for a period that yylex
  // put in (begin and end at one place).  The columns the token spans are
  // kept in `span`.
  std::string Next() {
    const int code = yylex(&parser);
    std::string text = code == 0 ? "0" : (OrvTokenCodeName(code) != nullptr ? OrvTokenCodeName(code) : std::to_string(code));
    const OrvToken* last = TokenPosition != nullptr ? TokenPosition->Last() : nullptr;
    if (last != nullptr) {
      if (last->image.length > 0) text += " " + Str(last->image);
      if (code == SEP_DOT && last->begin == last->end) text += " put in";
      span = std::to_string(last->begin.Column()) + "-" + std::to_string(last->end.Column());
    }
    if (code != 0) delete TokenPosition;
    Release(TokenValue);
    return text;
  }

  // Every token up to the end of input (bounded).
  std::vector<std::string> All() {
    std::vector<std::string> out;
    for (int i = 0; i < 200; ++i) {
      out.push_back(Next());
      if (out.back() == "0") break;
    }
    return out;
  }

  // Values the grammar would take over are freed here; a symbol-table
  // element belongs to its table.
  static void Release(OrvParseValue value) {
    OrvExpr* node = OrvGrammarValueNode(value);
    if (node != nullptr && node->Parent() == nullptr) delete node;
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (OrvTokenListNode* e = messages.Head(); e != nullptr; e = e->next)
      out.push_back(std::to_string(e->token->code) + " " + Str(e->token->image));
    return out;
  }

  std::string span;
  MessageRecorder recorder;
  ScratchDir dir;
  OrvTokenList messages;
  NoSourceParser parser;
};

TEST_F(YylexTest, TokensReachTheGrammarRecodedAndCompleted) {
  const struct {
    const char* what;
    std::string source;
    std::vector<std::string> tokens;
  } cases[] = {
      {"END PROGRAM is one token, after the period it lacks",
       Lines({AreaB("MOVE A TO B"), AreaA("END PROGRAM P.")}),
       {"RW_MOVE", "TK_USER_DEFD_WORD A", "RW_TO", "TK_USER_DEFD_WORD B", "SEP_DOT put in",
        "RW_END_PROGRAM", "TK_USER_DEFD_WORD P", "SEP_DOT", "0"}},
      {"after a period nothing is put in", Lines({AreaB("EXIT."), AreaA("END PROGRAM P.")}),
       {"RW_EXIT", "SEP_DOT", "RW_END_PROGRAM", "TK_USER_DEFD_WORD P", "SEP_DOT", "0"}},
      {"the end without a period", Lines({AreaB("EXIT")}), {"RW_EXIT", "SEP_DOT put in", "0"}},
      {"< > is one token", Lines({AreaB("IF A < > B")}),
       {"RW_IF", "TK_USER_DEFD_WORD A", "OP_NE <", "TK_USER_DEFD_WORD B", "SEP_DOT put in", "0"}},
      {"WITH without DATA stays, and the next word is read again", Lines({AreaB("WITH X WITH DATA.")}),
       {"RW_WITH", "TK_USER_DEFD_WORD X", "RW_WITH_DATA", "SEP_DOT", "0"}},
      {"NOT before SIZE, EOP and ON; ON before SIZE; NOT before a word",
       Lines({AreaB("NOT SIZE NOT EOP NOT ON SIZE ON SIZE NOT X")}),
       {"CMB_NOT_ON_AT", "RW_SIZE", "CMB_NOT_ON_AT", "RW_EOP", "CMB_NOT_ON_AT",
        "CMB_ON_BEF_KWD", "RW_SIZE", "CMB_ON_BEF_KWD", "RW_SIZE", "RW_NOT",
        "TK_USER_DEFD_WORD X", "SEP_DOT put in", "0"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Open(c.source);
    EXPECT_EQ(c.tokens, All());
    EXPECT_TRUE(Messages().empty()) << Messages().front();
    TearDown();
    messages.Clear();
    parser.ResetParseState();
    SetUp();
  }
}

// A pair made one token spans both words.
TEST_F(YylexTest, AJoinedPairSpansBothWords) {
  Open(Lines({AreaB("IF A < > B"), AreaA("END PROGRAM P.")}));
  EXPECT_EQ("RW_IF", Next());
  EXPECT_EQ("TK_USER_DEFD_WORD A", Next());
  EXPECT_EQ("OP_NE <", Next());
  EXPECT_EQ("16-19", span);
  EXPECT_EQ("TK_USER_DEFD_WORD B", Next());
  EXPECT_EQ("SEP_DOT put in", Next());
  EXPECT_EQ("7-7", span);  // at the begin of END PROGRAM
  EXPECT_EQ("RW_END_PROGRAM", Next());
  EXPECT_EQ("7-18", span);
}

TEST_F(YylexTest, HeadersInAreaBAreReportedInFixedFormatOnly) {
  Open(Lines({AreaA("DATA DIVISION."), AreaB("WORKING-STORAGE SECTION."), AreaA("LINKAGE SECTION.")}));
  EXPECT_EQ((std::vector<std::string>{"RW_DATA_DIVISION", "SEP_DOT", "RW_WORKING_STORAGE",
                                      "RW_SECTION", "SEP_DOT", "RW_LINKAGE", "RW_SECTION",
                                      "SEP_DOT", "0"}),
            All());
  EXPECT_EQ((std::vector<std::string>{
                "969 This token should appear in Area A, not in Area B: keyword WORKING-STORAGE"}),
            Messages());
  ASSERT_NE(nullptr, messages.First());
  EXPECT_EQ(2, messages.First()->begin.Line());
  EXPECT_EQ(11, messages.First()->begin.Column());

  TearDown();
  messages.Clear();
  parser.ResetParseState();
  SetUp();
  Open("       WORKING-STORAGE SECTION.\n", ORV_LINE_FORMAT_FREE);
  All();
  EXPECT_TRUE(Messages().empty());
}

// A token group made here, pushed back into the lexer so that yylex reads
// it next: a token of `code` and `image` at line 9, column 11, with a
// comment attached in front when `comment` is given.
void Inject(OrvParserImpl& parser, int code, const char* image = "", const char* comment = nullptr) {
  OrvTokenGroup* group = new OrvTokenGroup(new OrvToken(code, VString(image), OrvTxtPosn(9, 11, 1), OrvTxtPosn(9, 15, 1)));
  if (comment != nullptr) group->attached.AddToken(CM_COMMENT, OrvTxtPosn(8, 6, 1), VString(comment));
  parser.lexer.UnGetToken(group);
}

// The images of a token list.
std::string Images(const OrvTokenList& list) {
  std::string out;
  for (OrvTokenListNode* e = list.Head(); e != nullptr; e = e->next)
    out += (out.empty() ? "" : " ") + Str(e->token->image);
  return out;
}

// The statement tokens: the lexer's pending node is the value and takes the
// tokens in front of the statement; a COPY token without one is reported
// and not delivered.
TEST_F(YylexTest, StatementTokensTakeTheLexersNodes) {
  Open(Lines({AreaB("EXIT. EXIT. EXIT. EXIT.")}));
  parser.lastTokenCode = SEP_DOT;

  OrvExpr* copy = new OrvExprOper(STMT_INLINED_COPY_BEG);
  parser.lexer.copyNode = copy;
  Inject(parser, SEP_COPY_INC, "", "*> before the member");
  EXPECT_EQ(SEP_INLINED_COPY, yylex(&parser));
  EXPECT_EQ(reinterpret_cast<OrvParseValue>(copy), TokenValue);
  EXPECT_EQ(nullptr, parser.lexer.copyNode);
  EXPECT_TRUE(TokenPosition->IsEmpty());
  EXPECT_EQ("*> before the member", Images(copy->ArgSlots(STMT_INLINED_COPY_BEG__COPY_MEMBER)->tokens));
  EXPECT_EQ(SEP_DOT, parser.lastTokenCode);  // a COPY marker leaves it
  delete TokenPosition;
  delete copy;

  OrvExpr* end = new OrvExprOper(STMT_INLINED_COPY_END);
  parser.lexer.memberEndNode = end;
  Inject(parser, SEP_COPY_EOF, "", "*> last line");
  EXPECT_EQ(SEP_INLINED_COPY, yylex(&parser));
  EXPECT_EQ(reinterpret_cast<OrvParseValue>(end), TokenValue);
  EXPECT_EQ(nullptr, parser.lexer.memberEndNode);
  ASSERT_EQ(2, end->Tokens().Count());
  EXPECT_EQ(CM_COMMENT, end->Tokens().First()->code);
  EXPECT_EQ(SEP_COPY_EOF, end->Tokens().Last()->code);
  delete TokenPosition;
  delete end;

  OrvExpr* replace = new OrvExprOper(STMT_REPLACE, new OrvCharString(VString("R")));
  parser.lexer.replaceNode = replace;
  Inject(parser, SEP_REPLACE, "", "*> before REPLACE");
  EXPECT_EQ(SEP_INLINED_COPY, yylex(&parser));
  EXPECT_EQ(reinterpret_cast<OrvParseValue>(replace), TokenValue);
  EXPECT_EQ("*> before REPLACE", Images(*replace->HeadTokens()));
  delete TokenPosition;
  delete replace;

  // A COPY token with no node behind it: reported, not delivered; what
  // stood in front of it goes with the next token.
  Inject(parser, SEP_UNINLINED_COPY, "", "*> kept");
  EXPECT_EQ("RW_EXIT", Next());
  EXPECT_EQ((std::vector<std::string>{"970 yylex: bad uninlined copy expr"}), Messages());
  ASSERT_NE(nullptr, messages.First());
  EXPECT_EQ(9, messages.First()->begin.Line());

  // An uninlined COPY after a word gets its period, at the COPY's end.
  EXPECT_EQ("SEP_DOT", Next());
  OrvExpr* uninlined = new OrvExprOper(STMT_UNINLINED_COPY);
  parser.lexer.libInclusionNode = uninlined;
  parser.lastTokenCode = RW_EXIT;
  Inject(parser, SEP_UNINLINED_COPY);
  EXPECT_EQ(SEP_UNINLINED_COPY, yylex(&parser));
  delete TokenPosition;
  delete uninlined;
  EXPECT_EQ("SEP_DOT put in", Next());
  EXPECT_EQ("15-15", span);
  EXPECT_EQ("RW_EXIT", Next());
}

// With irrev-inline on, inlined COPY markers, member ends and REPLACE are
// not delivered: only the comments of their nodes stay, with the next
// token.  With old-copy on, the words after a COPY marker up to the period
// are dropped.
TEST_F(YylexTest, IrreversibleInliningAndOldCopy) {
  Open(Lines({AreaB("EXIT A B . EXIT.")}));
  parser.irrevInline = 1;
  OrvExpr* copy = new OrvExprOper(STMT_INLINED_COPY_BEG);
  copy->Tokens().AddToken(CM_COMMENT, OrvTxtPosn(3, 6, 1), VString("*> of the COPY"));
  copy->Tokens().AddToken(RW_COPY, OrvTxtPosn(3, 11, 1), VString("COPY"));
  parser.lexer.copyNode = copy;
  Inject(parser, SEP_INLINED_COPY);
  EXPECT_EQ(RW_EXIT, yylex(&parser));
  EXPECT_EQ("*> of the COPY", Images(*TokenPosition).substr(0, 14));
  EXPECT_EQ(2, TokenPosition->Count());
  delete TokenPosition;

  parser.irrevInline = 0;
  parser.lexer.settings.oldCopy = 1;
  OrvExpr* old = new OrvExprOper(STMT_INLINED_COPY_BEG);
  parser.lexer.copyNode = old;
  Inject(parser, SEP_INLINED_COPY);
  EXPECT_EQ(SEP_INLINED_COPY, yylex(&parser));
  delete TokenPosition;
  delete old;
  EXPECT_EQ(1, parser.copySkip);
  EXPECT_EQ("SEP_DOT", Next());  // A and B dropped
  EXPECT_EQ(0, parser.copySkip);
  EXPECT_EQ("RW_EXIT", Next());
}

// Semantic values: words as symbol-table elements (their category may
// recode them) or, with the name lookup off, as character strings; an
// integer the conversion refuses keeps its own message and the value 0.
TEST_F(YylexTest, WordsAndLiteralsBecomeValues) {
  Open(Lines({AreaB("S1 K1 F1 PLAIN"), AreaB("'LIT' 12 1.5 PLAIN")}));
  FindNameInProg(&parser, VString("S1"))->SetCategory(SYMCAT_SYMBOLIC_CHAR);
  FindNameInProg(&parser, VString("K1"))->SetCategory(SYMCAT_CONSTANT_NAME);
  FindNameInProg(&parser, VString("F1"))->SetCategory(SYMCAT_USER_FIGURATIVE_CONST);
  OrvSymTabElt* plain = FindNameInProg(&parser, VString("PLAIN"));
  EXPECT_EQ(UW_SYMBOLIC_CHAR, yylex(&parser));
  delete TokenPosition;
  EXPECT_EQ(UW_CONSTANT_NAME, yylex(&parser));
  delete TokenPosition;
  EXPECT_EQ(ORV_TOKEN_LAST_NAMED + 1, yylex(&parser));  // no action in any state
  delete TokenPosition;
  EXPECT_EQ(TK_USER_DEFD_WORD, yylex(&parser));
  EXPECT_EQ(reinterpret_cast<OrvParseValue>(plain), TokenValue);
  delete TokenPosition;

  EXPECT_EQ(TK_NONNUM_LIT, yylex(&parser));
  OrvExpr* literal = OrvGrammarValueNode(TokenValue);
  ASSERT_NE(nullptr, literal);
  EXPECT_EQ(STR_CONST, literal->Oper());
  EXPECT_EQ("'LIT'", Str(*literal->Image()));
  delete literal;
  delete TokenPosition;
  EXPECT_EQ(TK_INT_NUM_LIT, yylex(&parser));
  EXPECT_EQ(12, OrvGrammarValueNode(TokenValue)->IntValue());
  Release(TokenValue);
  delete TokenPosition;
  EXPECT_EQ(TK_REAL_NUM_LIT, yylex(&parser));
  EXPECT_EQ(REAL_NUM_CONST, OrvGrammarValueNode(TokenValue)->Oper());
  Release(TokenValue);
  delete TokenPosition;
  parser.nameLookup = 0;
  EXPECT_EQ(TK_CHAR_STRING, yylex(&parser));
  EXPECT_EQ(CHAR_STRING, OrvGrammarValueNode(TokenValue)->Oper());
  Release(TokenValue);
  delete TokenPosition;

  Inject(parser, TK_INT_NUM_LIT, "99999999999999999999");
  EXPECT_EQ(TK_INT_NUM_LIT, yylex(&parser));
  EXPECT_EQ(0, OrvGrammarValueNode(TokenValue)->IntValue());
  Release(TokenValue);
  delete TokenPosition;
  EXPECT_EQ((std::vector<std::string>{"970 Integer number '99999999999999999999' does not fit in 64 bits"}),
            Messages());
  ASSERT_NE(nullptr, messages.First());
  EXPECT_EQ(OrvTxtPosn(9, 11, 1), messages.First()->begin);
}

// The position list of a token: the comments in front of it and the token;
// blanks, commas and semicolons are dropped.  Words in Area A become Area A
// names while the grammar asks for them, except under Micro Focus and
// Microsoft.
TEST_F(YylexTest, PositionsKeepCommentsAndAreaANamesAreMarked) {
  Open(Lines({AreaB("MOVE A,"), CommentLine("about B"), AreaB("B; C"), AreaA("PARA-1.")}));
  EXPECT_EQ("RW_MOVE", Next());
  EXPECT_EQ(TK_USER_DEFD_WORD, yylex(&parser));
  EXPECT_EQ("A", Images(*TokenPosition));
  delete TokenPosition;
  EXPECT_EQ(TK_USER_DEFD_WORD, yylex(&parser));
  ASSERT_EQ(2, TokenPosition->Count());
  EXPECT_EQ(CM_COMMENT, TokenPosition->First()->code);
  EXPECT_EQ("B", Str(TokenPosition->Last()->image));
  delete TokenPosition;
  EXPECT_EQ(TK_USER_DEFD_WORD, yylex(&parser));
  EXPECT_EQ("C", Images(*TokenPosition));
  delete TokenPosition;
  parser.areaANames = 1;
  EXPECT_EQ("TK_AREA_A_NAME PARA-1", Next());
  EXPECT_EQ("SEP_DOT", Next());

  TearDown();
  messages.Clear();
  parser.ResetParseState();
  SetUp();
  Open(Lines({AreaA("PARA-1.")}));
  parser.areaANames = 1;
  parser.lexer.settings.dials = OrvDialFieldMask(ORV_DIAL_MF);
  EXPECT_EQ("TK_USER_DEFD_WORD PARA-1", Next());
}

// Wang VS has its own ALTERNATE, ASSIGN and ROLLBACK.
TEST_F(YylexTest, WangWordsAreRecoded) {
  Open(Lines({AreaB("ALTERNATE ASSIGN ROLLBACK")}));
  parser.lexer.settings.dials = OrvDialFieldMask(ORV_DIAL_WANG);
  EXPECT_EQ("RW_ALTERNATE_WANG", Next());
  EXPECT_EQ("RW_ASSIGN_WANG", Next());
  EXPECT_EQ("RW_ROLLBACK_WANG", Next());
}

// The switch word round trip: every switch that actions set is read and
// put back.
TEST_F(YylexTest, TheSwitchWordCarriesEverySwitch) {
  OrvLexer& lexer = parser.lexer;
  OrvLexerSwitches& switches = lexer.switches;
  int* const flags[] = {&switches.reservedWordLookup, &switches.specialReservedWords, &switches.functionNameMode,
                        &switches.debuggingLines,     &parser.nameLookup,             &parser.areaANames};
  auto setAll = [&](int on, char point) {
    for (int* flag : flags) *flag = on;
    lexer.switches.decimalPoint = point;
  };
  setAll(1, ',');
  const OrvTokenSwitches set = YylexSwitches();
  setAll(0, '.');
  const OrvTokenSwitches reset = YylexSwitches();
  for (std::size_t i = 0; i < sizeof(flags) / sizeof(flags[0]); ++i) {
    SCOPED_TRACE(i);
    SetYylexSwitches(reset);
    *flags[i] = 1;  // each switch alone changes the word
    EXPECT_NE(reset, YylexSwitches());
  }
  SetYylexSwitches(set);
  for (int* flag : flags) EXPECT_EQ(1, *flag);
  EXPECT_EQ(',', lexer.switches.decimalPoint);
  SetYylexSwitches(reset);
  for (int* flag : flags) EXPECT_EQ(0, *flag);
  EXPECT_EQ('.', lexer.switches.decimalPoint);
}

}  // namespace
