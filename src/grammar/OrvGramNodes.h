// Node building for the grammar's actions: a node of an operation with its
// children, NULL_NODE, the filling of a node made early, the stack values
// that actions read and clear, the error node of an error rule and the
// division call-back of the parser settings.
#ifndef LARK_GRAMMAR_ORVGRAMNODES_H
#define LARK_GRAMMAR_ORVGRAMNODES_H

#include <initializer_list>

#include "OrvActionFrame.h"
#include "OrvParserErrors.h"

class OrvClauseCollector;
class OrvExpr;

// A new node of operation `op`; each child that is not null goes into its
// slot (a into slot 0, b into slot 1, ...), the others stay empty.
OrvExpr* OrvGramNode(int op, OrvExpr* a = nullptr, OrvExpr* b = nullptr, OrvExpr* c = nullptr,
                     OrvExpr* d = nullptr);

// A new NULL_NODE: the value of an optional phrase that is absent.
OrvExpr* OrvGramNullNode();
// Whether a value stands for an absent part: null or a NULL_NODE.
bool OrvGramAbsent(const OrvExpr* node);

// Puts the children that are not null into slots 0, 1, ... of a node made
// before its phrases (SetArg, order -1) and returns the node.
OrvExpr* OrvGramFillSlots(OrvExpr* node, OrvExpr* a, OrvExpr* b = nullptr, OrvExpr* c = nullptr,
                          OrvExpr* d = nullptr, OrvExpr* e = nullptr);

// The same for a node of more slots: the children that are not null go
// into slots 0, 1, ... in their order.
OrvExpr* OrvGramFillSlotList(OrvExpr* node, std::initializer_list<OrvExpr*> children);
template <typename... Children>
OrvExpr* OrvGramFillAll(OrvExpr* node, Children... children) {
  return OrvGramFillSlotList(node, {children...});
}

// The value of an error rule: the running parse's current error node
// (GenErrNode); the next position step then moves no tokens, which stay
// where recovery put them.
OrvExpr* OrvGramErrorNode();

// Hands a division, section, paragraph, sentence, COPY marker, error item or
// END PROGRAM header to the settings' division call-back, which may replace
// it; returns what the call-back left.  Without a running parse or a
// call-back the item comes back unchanged.
OrvExpr* OrvGramDivisionCallBack(OrvExpr* item);

// A section or paragraph from its optional parts, the nodes of value-stack
// entries (a header and its bodies): a node of `op` with the parts in slots
// 0, 1, ..., or, when every part is absent (null or a NULL_NODE), the first
// part alone, the others deleted and their entries cleared.
OrvExpr* OrvGramOptionalFrame(int op, std::initializer_list<OrvExpr**> parts);

// Appends `item` to the list of operation `op` held by a value-stack entry
// that may still hold the NULL_NODE of an empty list; the entry is cleared
// when that NULL_NODE is deleted, so no later step sees it.  Returns the
// list (OrvListExpr).
OrvExpr* OrvGramListAppend(int op, OrvExpr** list, OrvExpr* item);

// Gives a node another operation (a SIGN phrase built as DX_SIGN that a
// screen entry keeps as SCRD_SIGN) and returns it.
OrvExpr* OrvGramRetag(OrvExpr* node, int op);

// Starts `collector` on a new node of `op` and hands it the parts as its
// first clauses: parts[0] into slot 0, parts[1] into slot 1, ... (a null
// part leaves its slot empty), so that they take the clause orders 0, 1,
// ... before the clauses that follow.  Returns the node, which the starting
// action keeps as its value.
OrvExpr* OrvGramStartCollected(OrvClauseCollector& collector, int op, OrvExpr* const* parts, int count);

#endif
