// ACCEPT and DISPLAY in the grammar's actions.
#include "OrvGramAcceptDisplay.h"

#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvGramScreen.h"
#include "OrvParserStatics.h"

namespace {

// Where the position phrases and the attribute words of ACCEPT and DISPLAY
// items go; the display attributes shared with screen entries are looked
// up in the screen section's table.
const struct {
  OrvOper phrase;
  int slot;
} kPhraseSlots[] = {
    {DSPL_LINE_NUMBER, 2},   {DSPL_COLUMN_NUMBER, 3}, {DSPL_AT, 4}, {DSPL_POSITION, 4},
    {DSPL_UNIT, 5},          {DSPL_MODE_IS_BLOCK, 6}, {DSPL_WITH, 7}, {DSPL_HIGH, 12},
    {DSPL_LOW, 12},          {DSPL_REVERSE, 15},
};

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
