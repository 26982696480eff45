// ACCEPT and DISPLAY in the grammar's actions: the statement node that
// ACCEPT makes before its exception phrases, the screen items that the
// screen-item collector gathers, and the slot of each phrase of an item.
// Whether an item stays in screen form is decided when its program is
// finished (ProcessAcceptItem).
#ifndef LARK_GRAMMAR_ORVGRAMACCEPTDISPLAY_H
#define LARK_GRAMMAR_ORVGRAMACCEPTDISPLAY_H

#include "OrvActionFrame.h"

class OrvExpr;

// ACCEPT's early node: STMT_ACCEPT with the item list (the entry `items`,
// which keeps naming it, so that the closing position step gives the
// list's tokens to slot 0).
OrvExpr* OrvGramAcceptStatement(OrvExpr** items);

// The start of an ACCEPT_SCREEN_ITEM or DISPLAY_SCREEN_ITEM (`op`) in the
// screen-item collector: the position (or its NULL_NODE) as the clause of
// slot 0, the identifier or value as the clause of slot 1.  The entries
// keep naming them, so that the item's position step finds their slots.
// Returns the item, which the starting action keeps as its value.
OrvExpr* OrvGramStartScreenItem(int op, OrvExpr** position, OrvExpr** value);

// The slot of a phrase node of an ACCEPT or DISPLAY screen item: the
// position phrases (LINE, COLUMN, AT and POSITION in the slot of AT, UNIT in
// that of FROM or UPON), MODE IS BLOCK, WITH, HIGH and LOW in the slot of
// HIGHLIGHT, REVERSE in that of REVERSE-VIDEO, and the display and input
// attributes and BLANK phrases in their slots (OrvGramScreenAttributeSlot).
int OrvGramScreenItemPhraseSlot(const OrvExpr* phrase);

#endif
