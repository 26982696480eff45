// The position step of the grammar: after each reduction, RdcPosn moves
// the tokens of the reduced symbols into the syntax tree, into the token
// list of the argument slot that holds each symbol's value in the new node,
// so that every source token stays at the place it belongs.
#ifndef LARK_SEMA_ORVRDCPOSN_H
#define LARK_SEMA_ORVRDCPOSN_H

#include "OrvParserErrors.h"

class OrvArgSlot;
class OrvExpr;
class OrvTokenList;

// The position step of one reduction of a rule of n symbols: stores into
// *newPosition the new symbol's position list, the first right-hand-side
// list taken over (a new list when that entry is null).  Each
// right-hand-side position list is taken (its tokens moved, the list freed
// or taken over, its entry set to null); the tokens gathered so far go
// into the slot of the new node that holds the next term's value (a child,
// else a grandchild), and what is left goes to the new node's own list, or
// stays in the new position when the new value is no node.  With the
// parser's no-reduce flag set (an error rule took the error node) it only
// clears the flag and stores an empty list.  depth, lookahead and
// tokenPosition are what the engine passes; they are not needed.
void RdcPosn(OrvTokenList** newPosition, OrvTokenList** rhsPositions, OrvGrammarValue* rhsValues,
             int n, int depth, int lookahead, OrvTokenList** tokenPosition, OrvGrammarValue newValue);

// RdcPosn without the arguments it does not need: the form the parse
// engine calls at every reduction.
void RdcPosnStep(OrvTokenList** newPosition, OrvTokenList** rhsPositions, OrvGrammarValue* rhsValues, int n,
                 OrvGrammarValue newValue);

// The argument slot of `node` whose child is `term`, looked for among the
// children first (from the last slot down) and then among the arguments of
// the children; null when there is none.  Every slot compared is counted
// in *slotsExamined.
OrvArgSlot* RdcPosnFindSlot(OrvExpr* node, const OrvExpr* term, long* slotsExamined);
// The same search without making the slot a record: true with the node
// that holds the slot (`node` or one of its children) in *holder and the
// slot's index in *index; false when there is none.
bool RdcPosnFindSlotAt(OrvExpr* node, const OrvExpr* term, long* slotsExamined, OrvExpr** holder, int* index);

// The slots RdcPosn has compared since the counter was last zeroed (a debug
// counter; tests and benchmarks read it).
extern long RdcPosnSlotsExamined;

#endif
