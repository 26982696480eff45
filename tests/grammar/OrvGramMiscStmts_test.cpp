// The action helpers of ENTER, NOTE, EXEC blocks, USE and statements with
// many children on hand-built values: the ENTER warning, the NOTE text
// taking the place of its words, EXEC's head tokens going to the subsystem
// word, the USE warnings and debugging list, and children placed by slot.
#include <gtest/gtest.h>

#include "GrammarActionTest.h"
#include "OrvGramMiscStmts.h"
#include "OrvGramNodes.h"
#include "OrvGramStatementNodes.h"
#include "OrvGramUse.h"
#include "OrvListExpr.h"
#include "OrvOperSlots.h"

namespace {

class MiscStatementsTest : public grammar_actions::ProgramTest {
 protected:
  // The codes of a token list, in order.
  static std::vector<int> Codes(const OrvTokenList& list) {
    std::vector<int> out;
    for (OrvTokenListNode* e = list.Head(); e != nullptr; e = e->next) out.push_back(e->token->code);
    return out;
  }
  static void AddToken(OrvTokenList& list, int code, int line, int column, const char* text = "") {
    list.AddToken(code, OrvTxtPosn(line, column, 1), VString(text));
  }
};

TEST_F(MiscStatementsTest, EnterOnlyWarnsAtTheCurrentPosition) {
  parser.curPosn = OrvTxtPosn(12, 11, 1);
  OrvGramEnter();
  EXPECT_EQ(Messages(), std::vector<std::string>{sematest::Line(MSG_WARN, "ENTER statement is ignored")});
  EXPECT_EQ(MessagePosns().front().Line(), 12);
}

TEST_F(MiscStatementsTest, TheNoteTextTakesThePlaceOfItsWords) {
  OrvTokenGroup* word = new OrvTokenGroup(new OrvToken(RW_NOTE, VString("NOTE"), OrvTxtPosn(4, 11, 1), OrvTxtPosn(4, 15, 1)));
  OrvParserImpl::AddNoteToken(word);
  delete word;
  OrvTokenGroup* text = new OrvTokenGroup(new OrvToken(TK_CHAR_STRING, VString("HELLO"), OrvTxtPosn(4, 16, 1), OrvTxtPosn(4, 21, 1)));
  OrvParserImpl::AddNoteToken(text);
  delete text;
  OrvExpr* note = OrvGramNode(STMT_NOTE);
  AddToken(note->Tokens(), SEP_SPACE, 4, 10);
  AddToken(note->Tokens(), RW_NOTE, 4, 11, "NOTE");
  AddToken(note->Tokens(), TK_END_NOTE, 4, 21);
  EXPECT_EQ(OrvGramNote(note), note);
  EXPECT_EQ(Codes(note->Tokens()), (std::vector<int>{SEP_SPACE, CM_PERSISTENT}));
  EXPECT_EQ(Str(note->Tokens().Last()->image), "* NOTEHELLO");
  EXPECT_TRUE(parser.noteTokens.IsEmpty());
  EXPECT_EQ(parser.noteLine, nullptr);
  owned.push_back(note);
}

TEST_F(MiscStatementsTest, ExecGivesItsHeadTokensUpToExecToTheSubsystemWord) {
  OrvExpr* exec = OrvGramNode(STMT_EXEC, new OrvTokenString(VString("DLI")), OrvGramNode(EX_EXEC_LINE_LIST));
  AddToken(exec->Tokens(), CM_COMMENT, 5, 7, "* C");
  AddToken(exec->Tokens(), RW_EXEC, 6, 11, "EXEC");
  AddToken(exec->Tokens(), SEP_SPACE, 6, 15);
  AddToken(exec->Tokens(), RW_END_EXEC, 7, 11, "END-EXEC");
  EXPECT_EQ(OrvGramExecTokens(exec), exec);
  EXPECT_EQ(Codes(exec->ArgSlots(STMT_EXEC__EXEC_KIND)->tokens), (std::vector<int>{CM_COMMENT, RW_EXEC}));
  EXPECT_EQ(Codes(exec->Tokens()), (std::vector<int>{SEP_SPACE, RW_END_EXEC}));
  // Without EXEC's token nothing moves.
  OrvExpr* bare = OrvGramNode(STMT_EXEC, new OrvTokenString(VString("DLI")));
  AddToken(bare->Tokens(), RW_END_EXEC, 7, 11, "END-EXEC");
  OrvGramExecTokens(bare);
  EXPECT_EQ(Codes(bare->Tokens()), std::vector<int>{RW_END_EXEC});
  EXPECT_TRUE(bare->ArgSlots(STMT_EXEC__EXEC_KIND)->tokens.IsEmpty());
  owned.push_back(exec);
  owned.push_back(bare);
}

TEST_F(MiscStatementsTest, TheExecNodeComesFromTheBlockReadSoFar) {
  OrvExpr* exec = OrvGramExecLines();
  ASSERT_EQ(exec->Oper(), STMT_EXEC);
  EXPECT_TRUE(exec->Args(STMT_EXEC__EXEC_KIND)->IsNullNode());  // a block without a word
  EXPECT_EQ(parser.execTokens, nullptr);
  owned.push_back(exec);
}

TEST_F(MiscStatementsTest, UseStatementsWarnOutsideDeclarativesOnly) {
  const struct {
    OrvExpr* (*finish)(OrvExpr*);
    int op;
    const char* warning;
  } cases[] = {
      {OrvGramUseAfter, STMT_USE_AFTER, "USE AFTER PROCEDURE statement can appear in DECLARATIVES only"},
      {OrvGramUseBeforeReporting, STMT_USE_BEFORE_REPORTING,
       "USE BEFORE REPORTING statement should appear in DECLARATIVES only"},
      {OrvGramUseForDebugging, STMT_USE_FOR_DEBUGGING,
       "USE FOR DEBUGGING statement should appear in DECLARATIVES only"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.warning);
    for (int inDeclaratives : {0, 1}) {
      messages.Clear();
      parser.inDeclaratives = inDeclaratives;
      OrvExpr* use = OrvGramNode(c.op);
      EXPECT_EQ(c.finish(use), use);  // built in either case
      EXPECT_EQ(Messages(), inDeclaratives ? std::vector<std::string>{}
                                           : std::vector<std::string>{sematest::Line(MSG_WARN, c.warning)});
      owned.push_back(use);
    }
  }
}

TEST_F(MiscStatementsTest, DebuggingItemsExpectAnyCategoryAndTheListFlagEnds) {
  OrvGramDebuggingList(1);
  EXPECT_EQ(parser.inUseForDebugging, 1);
  OrvNamedObjUse* paragraph = Use(SYMCAT_DATA_NAME, {"P1"});
  OrvNamedObjUse* data = Use(SYMCAT_DATA_NAME, {"X"});
  OrvExpr* targets = OrvListExpr(EX_LIST, paragraph, OrvGramNode(EX_DEBUG_ALL_REFERENCES_OF, data));
  OrvExpr* use = OrvGramUseForDebugging(OrvGramNode(STMT_USE_FOR_DEBUGGING, targets));
  EXPECT_EQ(parser.inUseForDebugging, 0);
  EXPECT_EQ(paragraph->Category(), SYMCAT_UNKNOWN);
  EXPECT_EQ(data->Category(), SYMCAT_UNKNOWN);
  owned.push_back(use);
}

TEST_F(MiscStatementsTest, StatementsWithManyChildrenTakeThemBySlot) {
  OrvExpr* children[6];
  for (int i = 0; i < 6; ++i) children[i] = OrvGramNullNode();
  OrvExpr* sort = OrvGramStatement(STMT_SORT, {children[0], children[1], nullptr, children[3], children[4], children[5]});
  ASSERT_EQ(sort->NArgs(), 6);
  EXPECT_EQ(sort->Args(STMT_SORT__FILE_OR_TABLE), children[0]);
  EXPECT_EQ(sort->Args(STMT_SORT__WITH_DUPLICATES), nullptr);  // left empty
  EXPECT_EQ(sort->Args(STMT_SORT__OUTPUT_PHRASE), children[5]);
  OrvExpr* receive = OrvGramNode(STMT_RECEIVE);
  EXPECT_EQ(OrvGramFillStatement(receive, {nullptr, children[2]}), receive);
  EXPECT_EQ(receive->Args(STMT_RECEIVE__MESSAGE_SEGMENT), children[2]);
  EXPECT_EQ(receive->Args(STMT_RECEIVE__CD_NAME), nullptr);
  EXPECT_EQ(OrvGramFillStatement(nullptr, {children[2]}), nullptr);
  owned.push_back(sort);
  owned.push_back(receive);
}

}  // namespace
