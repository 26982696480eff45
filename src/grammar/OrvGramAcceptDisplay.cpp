// ACCEPT and DISPLAY in the grammar's actions.
#include "OrvGramAcceptDisplay.h"

#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvGramScreen.h"
#include "OrvOperSlots.h"
#include "OrvParserStatics.h"

namespace {

// Where the position phrases and the attribute words of ACCEPT and DISPLAY
// items go (the slots of both, asserted alike below); the display
// attributes shared with screen entries are looked up in the screen
// section's table.
const struct {
  OrvOper phrase;
  int slot;
} kPhraseSlots[] = {
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
};
static_assert(ACCEPT_SCREEN_ITEM__LINE == DISPLAY_SCREEN_ITEM__LINE &&
                  ACCEPT_SCREEN_ITEM__COLUMN == DISPLAY_SCREEN_ITEM__COLUMN &&
                  ACCEPT_SCREEN_ITEM__AT == DISPLAY_SCREEN_ITEM__AT &&
                  ACCEPT_SCREEN_ITEM__FROM_OR_UPON == DISPLAY_SCREEN_ITEM__FROM_OR_UPON &&
                  ACCEPT_SCREEN_ITEM__MODE_IS_BLOCK == DISPLAY_SCREEN_ITEM__MODE_IS_BLOCK &&
                  ACCEPT_SCREEN_ITEM__WITH_WORD == DISPLAY_SCREEN_ITEM__WITH_WORD &&
                  ACCEPT_SCREEN_ITEM__HIGHLIGHT_LOWLIGHT == DISPLAY_SCREEN_ITEM__HIGHLIGHT_LOWLIGHT &&
                  ACCEPT_SCREEN_ITEM__REVERSE_VIDEO == DISPLAY_SCREEN_ITEM__REVERSE_VIDEO,
              "ACCEPT and DISPLAY screen items keep their phrases in the same slots");

}  // namespace

OrvExpr* OrvGramAcceptStatement(OrvExpr** items) {
  return OrvGramNode(STMT_ACCEPT, *items);
}

OrvExpr* OrvGramStartScreenItem(int op, OrvExpr** position, OrvExpr** value) {
  OrvExpr* const parts[] = {*position, *value};
  return OrvGramStartCollected(OrvScreenItemCollector, op, parts, 2);
}

int OrvGramScreenItemPhraseSlot(const OrvExpr* phrase) {
  if (phrase != nullptr)
    for (const auto& row : kPhraseSlots)
      if (row.phrase == phrase->Oper()) return row.slot;
  return OrvGramScreenAttributeSlot(phrase);
}
