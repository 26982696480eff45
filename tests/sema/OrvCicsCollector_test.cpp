// The CICS collector: the option table, options placed into the slots of
// their statement, options a statement does not take, options met before
// their statement, and the release of statements and options that error
// recovery throws away.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrvCicsOptionTable.h"
#include "OrvClauseCollector.h"
#include "OrvOperSlots.h"
#include "OrvParserErrors.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;
using sematest::PlaceAt;

OrvGrammarValue AsValue(OrvExpr* node) { return reinterpret_cast<OrvGrammarValue>(node); }

TEST(OrvCicsOptionTable, EveryRowNamesASlotOfItsStatementAndIsFoundByTheLookUp) {
  ASSERT_EQ(OrvCicsOptionCount, 476);
  for (int i = 0; i < OrvCicsOptionCount; ++i) {
    const OrvCicsOptionRow& row = OrvCicsOptionTable[i];
    SCOPED_TRACE(std::string(OrvOperName(row.statement)) + " " + OrvOperName(row.option));
    EXPECT_LT(row.slot, OrvOperArgNo(row.statement));
    // Options in slot 0 stand in the statement's head (MAP, SET); every
    // other slot 0 is the head's placeholder.
    if (row.slot == 0) {
      EXPECT_TRUE(row.option == CS_CL_MAP || row.option == CS_CL_SET);
    }
    EXPECT_EQ(OrvCicsOptionSlot(row.statement, row.option), row.slot);
  }
}

TEST(OrvCicsOptionTable, LookUps) {
  const struct {
    int statement;
    int option;
    int slot;
  } cases[] = {
      {CS_STMT_ABEND, CS_CL_ABCODE, 1},       // first row
      {CS_STMT_XCTL, CS_CL_RESP2, 8},         // last row
      {CS_STMT_READ, CS_CL_FILE, 1},          {CS_STMT_READ, CS_CL_DATASET, 1},
      {CS_STMT_READ, CS_CL_INTO, 5},          {CS_STMT_READ, CS_CL_SET, 5},
      {CS_STMT_SEND_MAP, CS_CL_MAP, 0},       {CS_STMT_SEND_MAP, CS_CL_CURSOR, 7},
      {CS_STMT_FORMATTIME, CS_CL_DATESEP, 5}, {CS_STMT_FORMATTIME, CS_CL_TIMESEP, 15},
      {CS_STMT_ADDRESS_SET, CS_CL_SET, 0},    {CS_STMT_SEND_TEXT, CS_CL_L80, 15},
      {CS_STMT_DELAY, CS_CL_FOR, 2},          {CS_STMT_DELAY, CS_CL_HOURS, 3},
      {CS_STMT_ASKTIME, CS_CL_FILE, -1},      {CS_STMT_ABEND, CS_CL_MAP, -1},
      {CS_STMT_ASSIGN, CS_CL_RESP, 3},        {CS_STMT_HANDLE_CONDITION, CS_CL_NOHANDLE, 2},
      {STMT_MOVE, CS_CL_FILE, -1},            {CS_STMT_READ, STMT__SYNTAX_ERROR, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(OrvOperName(c.statement)) + " " + OrvOperName(c.option));
    EXPECT_EQ(OrvCicsOptionSlot(c.statement, c.option), c.slot);
  }
  // READPREV takes READNEXT's options in the same slots, and nothing else.
  int readNext = 0;
  int readPrev = 0;
  for (int i = 0; i < OrvCicsOptionCount; ++i) {
    const OrvCicsOptionRow& row = OrvCicsOptionTable[i];
    if (row.statement == CS_STMT_READNEXT) {
      ++readNext;
      EXPECT_EQ(OrvCicsOptionSlot(CS_STMT_READPREV, row.option), row.slot);
    }
    if (row.statement == CS_STMT_READPREV) ++readPrev;
  }
  EXPECT_EQ(readNext, 20);
  EXPECT_EQ(readPrev, readNext);
}

class CicsTest : public sematest::ParserTest {
 protected:
  // An option node of that operation with one token at (line, column).
  static OrvExpr* Option(OrvOper op, int line, int column, const char* text) {
    OrvExpr* option = new OrvExprOper(op);
    PlaceAt(option, line, column, text);
    return option;
  }
  OrvCicsCollector cics;
};

TEST_F(CicsTest, OptionsGoToTheirSlotsInTheOrderWritten) {
  OrvExpr* read = cics.Start(new OrvExprOper(CS_STMT_READ));
  read->SetArg(CS_STMT_READ__NOT_USED, new OrvNullNode, -1, 0);  // the head's placeholder
  EXPECT_EQ(cics.AddOption(Option(CS_CL_RESP, 2, 20, "RESP")), CS_STMT_READ__RESP);
  EXPECT_EQ(cics.AddOption(Option(CS_CL_FILE, 2, 30, "FILE")), CS_STMT_READ__DATASET_FILE);
  EXPECT_EQ(cics.AddOption(Option(CS_CL_INTO, 2, 40, "INTO")), CS_STMT_READ__INTO_SET);
  EXPECT_EQ(cics.AddOption(nullptr), -1);
  EXPECT_EQ(cics.Finish(), read);
  owned.push_back(read);
  EXPECT_EQ(read->ArgSlots(CS_STMT_READ__NOT_USED)->order, -1);
  EXPECT_EQ(read->ArgSlots(CS_STMT_READ__RESP)->order, 0);
  EXPECT_EQ(read->ArgSlots(CS_STMT_READ__DATASET_FILE)->order, 1);
  EXPECT_EQ(read->ArgSlots(CS_STMT_READ__INTO_SET)->order, 2);
  EXPECT_EQ(read->Args(CS_STMT_READ__DATASET_FILE)->Oper(), CS_CL_FILE);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CicsTest, OptionsSharingASlotAreARepetition) {
  OrvExpr* read = cics.Start(new OrvExprOper(CS_STMT_READ));
  cics.AddOption(Option(CS_CL_FILE, 3, 20, "FILE"));
  EXPECT_EQ(cics.AddOption(Option(CS_CL_DATASET, 3, 32, "DATASET")), CS_STMT_READ__DATASET_FILE);
  EXPECT_EQ(Messages(),
            std::vector<std::string>{Line(
                MSG_ERR, "Clause Dataset/File is set more than once. Ignoring second instance.")});
  EXPECT_EQ(MessagePosns()[0], OrvTxtPosn(3, 32, 1));
  EXPECT_EQ(read->Args(CS_STMT_READ__DATASET_FILE)->Oper(), CS_CL_FILE);
  // The dropped option's text joins the statement at the end.
  owned.push_back(cics.Finish());
  ASSERT_EQ(read->Tokens().Count(), 1);
  EXPECT_EQ(Str(read->Tokens().First()->image), "DATASET");
}

TEST_F(CicsTest, AnOptionTheStatementDoesNotTakeIsReportedAndDropped) {
  sematest::ReleaseWatch watch;
  OrvExpr* asktime = cics.Start(new OrvExprOper(CS_STMT_ASKTIME));
  OrvExpr* file = Option(CS_CL_FILE, 4, 20, "FILE");
  EXPECT_EQ(cics.AddOption(file), -1);
  EXPECT_EQ(Messages(), std::vector<std::string>{Line(
                            MSG_ERR,
                            "Option CS_CL_FILE can not be used in CICS statement CS_STMT_ASKTIME. "
                            "Option ignored.")});
  EXPECT_EQ(MessagePosns()[0], OrvTxtPosn(4, 20, 1));
  EXPECT_TRUE(watch.Released(file));
  owned.push_back(cics.Finish());
  EXPECT_TRUE(asktime->Tokens().IsEmpty());  // no text of it in the tree

  // An error alternative in an option's place is such an option too; the
  // parser does not keep pointing at it.
  messages.Clear();
  cics.Start(new OrvExprOper(CS_STMT_RETURN));
  OrvExpr* errNode = GenErrNode();
  EXPECT_EQ(cics.AddOption(errNode), -1);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_TRUE(watch.Released(errNode));
  EXPECT_EQ(parser.errNode, nullptr);
  owned.push_back(cics.Finish());
}

TEST_F(CicsTest, AnOptionBeforeItsStatementIsPlacedWhenTheStatementStarts) {
  OrvExpr* map = Option(CS_CL_MAP, 5, 30, "MAP");
  EXPECT_EQ(cics.AddOption(map), -1);
  EXPECT_EQ(cics.pendingOption, map);
  OrvExpr* send = cics.Start(new OrvExprOper(CS_STMT_SEND_MAP));
  EXPECT_EQ(cics.pendingOption, nullptr);
  EXPECT_EQ(send->Args(CS_STMT_SEND_MAP__MAP), map);
  EXPECT_EQ(send->ArgSlots(CS_STMT_SEND_MAP__MAP)->order, 0);
  EXPECT_EQ(cics.AddOption(Option(CS_CL_ERASE, 5, 40, "ERASE")), CS_STMT_SEND_MAP__ERASE_ERASEAUP);
  owned.push_back(cics.Finish());
  EXPECT_TRUE(Messages().empty());

  // A pending option the new statement does not take is reported there.
  cics.AddOption(Option(CS_CL_MAP, 6, 30, "MAP"));
  cics.Start(new OrvExprOper(CS_STMT_SEND));
  EXPECT_EQ(Messages(), std::vector<std::string>{Line(
                            MSG_ERR,
                            "Option CS_CL_MAP can not be used in CICS statement CS_STMT_SEND. "
                            "Option ignored.")});
  owned.push_back(cics.Finish());
}

TEST_F(CicsTest, APendingOptionIsReplacedOrDroppedWithoutAStatement) {
  sematest::ReleaseWatch watch;
  OrvExpr* first = Option(CS_CL_SET, 7, 20, "SET");
  OrvExpr* second = Option(CS_CL_MAP, 7, 30, "MAP");
  cics.AddOption(first);
  cics.AddOption(second);
  EXPECT_TRUE(watch.Released(first));
  EXPECT_EQ(cics.pendingOption, second);
  EXPECT_EQ(cics.Start(nullptr), nullptr);
  EXPECT_TRUE(watch.Released(second));
  EXPECT_EQ(cics.pendingOption, nullptr);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CicsTest, AfterRecoveryDiscardsTheStatementAnOptionWaitsForTheNextOne) {
  sematest::ReleaseWatch watch;
  OrvExpr* errNode = GenErrNode();
  OrvExpr* stmt = cics.Start(new OrvExprOper(CS_STMT_RECEIVE_MAP));
  PlaceAt(stmt, 8, 12, "RECEIVE");
  cics.AddOption(Option(CS_CL_INTO, 8, 30, "INTO"));
  cics.AddOption(Option(CS_CL_INTO, 8, 40, "INTO2"));  // a repetition: saved tokens
  EXPECT_EQ(Messages().size(), 1u);
  messages.Clear();
  DiscardErrValue(AsValue(stmt), ORV_DISCARD_POPPED);
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  EXPECT_TRUE(watch.Released(stmt));
  EXPECT_EQ(cics.node, nullptr);
  EXPECT_TRUE(cics.tokens.IsEmpty());
  ASSERT_EQ(errNode->Args(STMT__SYNTAX_ERROR__SKIPPED_TOKENS)->NArgs(), 3);  // INTO, RECEIVE, INTO2

  // The MAP of the next head must not go into the released statement.
  OrvExpr* map = Option(CS_CL_MAP, 9, 30, "MAP");
  EXPECT_EQ(cics.AddOption(map), -1);
  EXPECT_EQ(cics.pendingOption, map);
  OrvExpr* next = cics.Start(new OrvExprOper(CS_STMT_RECEIVE_MAP));
  EXPECT_EQ(next->Args(CS_STMT_RECEIVE_MAP__MAP), map);
  owned.push_back(cics.Finish());

  // A pending option that recovery discards is forgotten.
  OrvExpr* set = Option(CS_CL_SET, 10, 30, "SET");
  cics.AddOption(set);
  DiscardErrValue(AsValue(set), ORV_DISCARD_POPPED);
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  EXPECT_TRUE(watch.Released(set));
  EXPECT_EQ(cics.pendingOption, nullptr);
  OrvExpr* address = cics.Start(new OrvExprOper(CS_STMT_ADDRESS_SET));
  EXPECT_EQ(address->Args(CS_STMT_ADDRESS_SET__SET), nullptr);
  owned.push_back(cics.Finish());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CicsTest, TheStatementsOwnClausesGoThroughSetClause) {
  OrvExpr* handle = cics.Start(new OrvExprOper(CS_STMT_HANDLE_CONDITION));
  cics.SetClause(CS_STMT_HANDLE_CONDITION__NOT_USED, new OrvNullNode);
  cics.SetClause(CS_STMT_HANDLE_CONDITION__HANDLER_LIST, new OrvExprOper(CS_COND_HANDLER_LIST));
  EXPECT_EQ(cics.Finish(), handle);
  owned.push_back(handle);
  EXPECT_EQ(handle->ArgSlots(CS_STMT_HANDLE_CONDITION__HANDLER_LIST)->order, 1);
  EXPECT_EQ(handle->Args(CS_STMT_HANDLE_CONDITION__HANDLER_LIST)->Oper(), CS_COND_HANDLER_LIST);
}

}  // namespace
