// The action helpers of EXEC CICS on hand-built values: the head's
// placeholder slot, the finished command's tokens, the lists of ASSIGN and
// HANDLE, condition names, the lookup switches and the text of a block
// whose command the grammar does not know.
#include <gtest/gtest.h>

#include "GrammarActionTest.h"
#include "OrvConstNodes.h"
#include "OrvGramCics.h"
#include "OrvGramNodes.h"
#include "OrvListExpr.h"
#include "OrvOperSlots.h"

namespace {

class CicsActionsTest : public grammar_actions::ProgramTest {
 protected:
  static void AddToken(OrvTokenList& list, int code, int line, int column, const char* text = "") {
    list.AddToken(code, OrvTxtPosn(line, column, 1), VString(text));
  }
  static std::vector<std::string> Texts(OrvExpr* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->NArgs(); ++i) out.push_back(Str(list->Args(i)->Value()));
    return out;
  }
};

TEST_F(CicsActionsTest, AHeadHoldsItsPlaceholderOutsideTheClauseOrder) {
  OrvExpr* placeholder = OrvGramNullNode();
  OrvExpr* entry = placeholder;
  OrvExpr* head = OrvGramCicsHead(CS_STMT_RETURN, &entry);
  EXPECT_EQ(entry, nullptr);
  EXPECT_EQ(head->Oper(), CS_STMT_RETURN);
  EXPECT_EQ(head->Args(CS_STMT_RETURN__NOT_USED), placeholder);
  EXPECT_EQ(head->ArgSlots(CS_STMT_RETURN__NOT_USED)->order, -1);
  owned.push_back(head);
}

TEST_F(CicsActionsTest, AHeadWithItsOptionDropsThePlaceholder) {
  OrvExpr* entry = OrvGramNullNode();
  OrvExpr* head = OrvGramCicsHeadWithOption(CS_STMT_SEND_MAP, &entry);
  EXPECT_EQ(entry, nullptr);
  EXPECT_EQ(head->Args(CS_STMT_SEND_MAP__MAP), nullptr);
  owned.push_back(head);
}

TEST_F(CicsActionsTest, OptionsArePlacedInOrderAndTheTokensEndInSlotZero) {
  OrvExpr* entry = OrvGramNullNode();
  OrvExpr* head = OrvGramCicsHead(CS_STMT_READ, &entry);
  OrvExpr* headEntry = head;
  OrvGramCicsStart(&headEntry);
  EXPECT_EQ(headEntry, nullptr);
  EXPECT_EQ(OrvGramCicsOption(OrvGramNode(CS_CL_RESP, OrvGramNullNode())), nullptr);
  EXPECT_EQ(OrvGramCicsOption(OrvGramNode(CS_CL_FILE, OrvGramNullNode())), nullptr);
  OrvExpr* statement = OrvGramCicsCollected();
  ASSERT_EQ(statement, head);
  AddToken(statement->Tokens(), RW_END_EXEC, 3, 40);
  EXPECT_EQ(OrvGramCicsFinish(statement), statement);
  EXPECT_TRUE(statement->Tokens().IsEmpty());
  EXPECT_EQ(statement->ArgSlots(CS_STMT_READ__NOT_USED)->tokens.Last()->code, RW_END_EXEC);
  EXPECT_EQ(statement->ArgSlots(CS_STMT_READ__RESP)->order, 0);
  EXPECT_EQ(statement->ArgSlots(CS_STMT_READ__DATASET_FILE)->order, 1);
  EXPECT_EQ(Messages(), std::vector<std::string>{});
  owned.push_back(statement);
}

TEST_F(CicsActionsTest, AListStatementHoldsThePlaceholderAndTheList) {
  OrvExpr* list = OrvListExpr(CS_COND_HANDLER_LIST, OrvGramNode(CS_GRP_CONDITION_HANDLER, OrvGramCicsWordName(CTK_NOTFND)), nullptr);
  OrvExpr* statement = OrvGramCicsListStatement(CS_STMT_HANDLE_CONDITION, OrvGramNullNode(), list);
  EXPECT_EQ(statement->Oper(), CS_STMT_HANDLE_CONDITION);
  EXPECT_EQ(statement->Args(CS_STMT_HANDLE_CONDITION__HANDLER_LIST), list);
  EXPECT_EQ(statement->Args(CS_STMT_HANDLE_CONDITION__NOT_USED)->Oper(), NULL_NODE);
  EXPECT_EQ(Str(list->Args(0)->Args(CS_GRP_CONDITION_HANDLER__CONDITION_NAME)->Value()), "NOTFND");
  owned.push_back(statement);
}

TEST_F(CicsActionsTest, ConditionWordsAndUserWordsBecomeStrings) {
  const struct {
    int code;
    const char* text;
  } words[] = {{CTK_ERROR, "ERROR"}, {CTK_PF12, "PF12"}, {CTK_CLEAR, "CLEAR"}, {CTK_WRONGSTAT, "WRONGSTAT"}};
  for (const auto& w : words) {
    OrvExpr* name = OrvGramCicsWordName(w.code);
    EXPECT_EQ(name->Oper(), CHAR_STRING);
    EXPECT_EQ(Str(name->Value()), w.text);
    owned.push_back(name);
  }
  OrvExpr* element = Name("OTHERKEY");
  OrvExpr* entry = element;
  OrvExpr* name = OrvGramCicsUserName(&entry);
  EXPECT_EQ(entry, nullptr);
  EXPECT_EQ(Str(name->Value()), "OTHERKEY");
  owned.push_back(name);
}

TEST_F(CicsActionsTest, TheSwitchesTurnBothLookupsAndTheTextMode) {
  OrvGramCicsTextMode();
  EXPECT_EQ(parser.nameLookup, 0);
  EXPECT_EQ(parser.lexer.switches.reservedWordLookup, 0);
  EXPECT_EQ(parser.lexer.switches.cicsText, 1);
  OrvGramCicsWords(1);
  EXPECT_EQ(parser.nameLookup, 1);
  EXPECT_EQ(parser.lexer.switches.reservedWordLookup, 1);
  EXPECT_EQ(parser.lexer.switches.cicsText, 0);
  OrvGramCicsWords(0);
  EXPECT_EQ(parser.nameLookup, 0);
  EXPECT_EQ(parser.lexer.switches.cicsText, 0);
  OrvGramCicsWords(1);
}

TEST_F(CicsActionsTest, TheTextTakesTheStartedStatementsTokensInSourceOrder) {
  // LINK PROGRAM(X) CHANNEL('C'): LINK stands in slot 0, PROGRAM(X) in
  // slot 1, the unknown word and its text in the list's own tokens.
  OrvExpr* placeholder = OrvGramNullNode();
  OrvExpr* statement = OrvGramCicsHead(CS_STMT_LINK, &placeholder);
  AddToken(statement->ArgSlots(CS_STMT_LINK__NOT_USED)->tokens, CTK_LINK, 5, 22, "LINK");
  OrvExpr* program = OrvGramNode(CS_CL_PROGRAM, new OrvCharString(VString("X")));
  AddToken(program->Tokens(), CTK_PROGRAM, 5, 27, "PROGRAM");
  statement->SetArg(CS_STMT_LINK__PROGRAM, program, 0, 0);
  OrvExpr* list = OrvGramCicsTextList();
  AddToken(list->Tokens(), TK_USER_DEFD_WORD, 5, 39, "CHANNEL");
  AddToken(list->Tokens(), TK_NONNUM_LIT, 5, 47, "'C'");
  EXPECT_EQ(OrvGramCicsText(list, statement), list);
  EXPECT_EQ(list->Oper(), EX_EXEC_TOKEN_LIST);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"LINK", "PROGRAM", "CHANNEL", "'C'"}));
  EXPECT_TRUE(list->Tokens().IsEmpty());
  owned.push_back(list);
}

TEST_F(CicsActionsTest, AnUnknownWordIsReportedAsText) {
  OrvTokenList tokens;
  AddToken(tokens, TK_USER_DEFD_WORD, 9, 21, "GET");
  OrvExpr* element = Name("GET");
  OrvExpr* entry = element;
  OrvGramCicsUnknownWord(&entry, &tokens);
  EXPECT_EQ(entry, nullptr);
  EXPECT_EQ(Messages(), std::vector<std::string>{sematest::Line(
                            MSG_WARN, "Unknown CICS command or option 'GET'; the EXEC CICS block is kept as text.")});
}

}  // namespace
