// The action helpers of ACCEPT and DISPLAY on hand-built values: the early
// node of ACCEPT over its items, screen items started in the screen-item
// collector with their position and value, the slot of every phrase of an
// item, and a phrase given twice.
#include <gtest/gtest.h>

#include "GrammarActionTest.h"
#include "OrvGramAcceptDisplay.h"
#include "OrvGramNodes.h"
#include "OrvGramScreen.h"
#include "OrvListExpr.h"
#include "OrvOperSlots.h"
#include "OrvParserStatics.h"

namespace {

class AcceptDisplayTest : public grammar_actions::ProgramTest {};

TEST_F(AcceptDisplayTest, AcceptsEarlyNodeHoldsTheItemsAndTheEntryStillNamesThem) {
  OrvExpr* items = OrvListExpr(ACCEPT_ITEM_LIST, OrvGramNode(ACCEPT_SCREEN_ITEM), nullptr);
  OrvExpr* entry = items;
  OrvExpr* statement = OrvGramAcceptStatement(&entry);
  ASSERT_EQ(statement->Oper(), STMT_ACCEPT);
  EXPECT_EQ(statement->Args(STMT_ACCEPT__ACCEPT_ITEMS), items);
  // The closing position step finds the list in slot 0 through the entry.
  EXPECT_EQ(entry, items);
  EXPECT_EQ(statement->Args(STMT_ACCEPT__ON_EXCEPTION), nullptr);
  owned.push_back(statement);
}

TEST_F(AcceptDisplayTest, ScreenItemsStartWithTheirPositionAndValueAsTheFirstClauses) {
  for (int op : {ACCEPT_SCREEN_ITEM, DISPLAY_SCREEN_ITEM}) {
    SCOPED_TRACE(OrvOperName(op));
    OrvExpr* position = OrvGramNode(EX_ADIS_MS_POSN, new OrvIntNumConst(VString("1"), 1), new OrvIntNumConst(VString("5"), 5));
    OrvExpr* value = OrvGramNode(DSPL_MS_ERASE);
    OrvExpr* entries[] = {position, value};
    OrvExpr* item = OrvGramStartScreenItem(op, &entries[0], &entries[1]);
    ASSERT_EQ(item->Oper(), op);
    EXPECT_EQ(item->Args(DISPLAY_SCREEN_ITEM__POSITION), position);
    EXPECT_EQ(item->Args(DISPLAY_SCREEN_ITEM__VALUE_TO_DISPLAY), value);
    EXPECT_EQ(item->ArgSlots(DISPLAY_SCREEN_ITEM__POSITION)->order, 0);
    EXPECT_EQ(item->ArgSlots(DISPLAY_SCREEN_ITEM__VALUE_TO_DISPLAY)->order, 1);
    // The phrases that follow take the next orders; the item is finished.
    OrvExpr* with = OrvGramNode(DSPL_WITH);
    OrvScreenItemCollector.SetClause(OrvGramScreenItemPhraseSlot(with), with);
    EXPECT_EQ(item->ArgSlots(DISPLAY_SCREEN_ITEM__WITH_WORD)->order, 2);
    EXPECT_EQ(OrvScreenItemCollector.Finish(), item);
    owned.push_back(item);
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(AcceptDisplayTest, EveryPhraseOfAScreenItemHasItsSlot) {
  const struct {
    OrvOper phrase;
    int slot;
  } cases[] = {
      {DSPL_LINE_NUMBER, DISPLAY_SCREEN_ITEM__LINE},
      {DSPL_COLUMN_NUMBER, DISPLAY_SCREEN_ITEM__COLUMN},
      {DSPL_AT, DISPLAY_SCREEN_ITEM__AT},
      {DSPL_POSITION, DISPLAY_SCREEN_ITEM__AT},
      {DSPL_UNIT, DISPLAY_SCREEN_ITEM__FROM_OR_UPON},
      {DSPL_MODE_IS_BLOCK, DISPLAY_SCREEN_ITEM__MODE_IS_BLOCK},
      {DSPL_WITH, DISPLAY_SCREEN_ITEM__WITH_WORD},
      {DSPL_HIGH, DISPLAY_SCREEN_ITEM__HIGHLIGHT_LOWLIGHT},
      {DSPL_LOW, DISPLAY_SCREEN_ITEM__HIGHLIGHT_LOWLIGHT},
      {DSPL_REVERSE, DISPLAY_SCREEN_ITEM__REVERSE_VIDEO},
      // The attributes shared with screen entries keep their slots there.
      {DSPL_BELL, DISPLAY_SCREEN_ITEM__BELL},
      {DSPL_HIGHLIGHT, DISPLAY_SCREEN_ITEM__HIGHLIGHT_LOWLIGHT},
      {DSPL_REVERSE_VIDEO, DISPLAY_SCREEN_ITEM__REVERSE_VIDEO},
      {ACCP_SECURE, DISPLAY_SCREEN_ITEM__SECURE},
      {DSPL_BLANK, DISPLAY_SCREEN_ITEM__BLANK},
      // Anything else is a COPY marker or an error.
      {STMT__SYNTAX_ERROR, DECL_SCRD_ENTRY__COPYBEGIN_END_SYNTAXERROR},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(OrvOperName(c.phrase));
    OrvExprOper node(c.phrase);
    EXPECT_EQ(OrvGramScreenItemPhraseSlot(&node), c.slot);
  }
  EXPECT_EQ(OrvGramScreenItemPhraseSlot(nullptr), DECL_SCRD_ENTRY__COPYBEGIN_END_SYNTAXERROR);
}

TEST_F(AcceptDisplayTest, HighAndHighlightInOneItemAreOneClauseGivenTwice) {
  OrvExpr* entries[] = {OrvGramNullNode(), Use(SYMCAT_DATA_NAME, {"X"})};
  OrvExpr* item = OrvGramStartScreenItem(DISPLAY_SCREEN_ITEM, &entries[0], &entries[1]);
  OrvExpr* high = OrvGramNode(DSPL_HIGH);
  sematest::PlaceAt(high, 9, 20, "HIGH");
  OrvScreenItemCollector.SetClause(OrvGramScreenItemPhraseSlot(high), high);
  OrvExpr* highlight = OrvGramNode(DSPL_HIGHLIGHT);
  sematest::PlaceAt(highlight, 9, 25, "HIGHLIGHT");
  OrvScreenItemCollector.SetClause(OrvGramScreenItemPhraseSlot(highlight), highlight);
  EXPECT_EQ(Messages(), std::vector<std::string>{sematest::Line(MSG_ERR, "Clause Highlight/Lowlight is set more than once. "
                                                                          "Ignoring second instance.")});
  EXPECT_EQ(item->Args(DISPLAY_SCREEN_ITEM__HIGHLIGHT_LOWLIGHT), high);
  OrvScreenItemCollector.Finish();
  EXPECT_EQ(item->Tokens().Count(), 1);  // the dropped word stays with the item
  owned.push_back(item);
}

}  // namespace
