// SourcePrint preparation: once per parsed source, before any print, the
// printing order of every operation node's argument slots is worked out from
// the source order the parser recorded, and a SEP_SPACE token is put in front
// of every child whose text does not begin where the text before it ended,
// so that a later SourcePrint can copy the white space, line breaks and
// comments between them from the source file.
#ifndef LARK_PRINTER_ORVSOURCEPRINTPREP_H
#define LARK_PRINTER_ORVSOURCEPRINTPREP_H

#include <cstdint>
#include <vector>

#include "OrvResult.h"
#include "OrvTxtPosn.h"
#include "VString.h"

class OrvArgSlot;
class OrvExpr;
class OrvTokenList;

// One argument slot in printing order: the slot, the node whose template
// describes it (the node itself, or a list child flattened into it) and the
// slot's index within that node.  A fresh entry is {null, null, -1}.
struct OrvSlotOrderEntry {
  OrvArgSlot* slot;
  OrvExpr* root;
  std::int32_t arg_ix;
};

// Result of SourcePrint when the slot order could not be followed.
const OrvResult ORV_SOURCE_PRINT_BAD_ORDER = 51;

// The end of the latest positioned token that UpdateErrorExpr saw (for the
// trace only), and the pending error node whose first tail token receives
// the next begin position (nothing in this program sets it).  Both are
// cleared by PrepareSourcePrint.
extern OrvTxtPosn last_posn;
extern OrvExpr* err_expr;

// The entries the preparation's scratch stacks copied when they grew, over
// the run: a debug counter that tests read to see the preparation stay
// linear in the size of the tree at any depth.
extern long SourcePrintScratchMoves;

// Prepares the whole tree: clears `err_expr` and `last_posn`, then runs
// SetSlotPosnOper on the root.
void PrepareSourcePrint(OrvExpr* root);
// The same, passing every node of the tree to `visit` on the way, so that
// a pass over every node needs no walk of its own: the nodes that the
// preparation reaches as it reaches them, and those of the subtrees it
// does not enter (the symbol table, computed slots, slots left out of a
// bad order) in a walk of their own.  A node may be passed more than once
// and in any order, so `visit` must give the same tree however often and
// in whatever order it runs, and must not change the tree's shape, slot
// orders or tokens.  With the trace on, the tree is walked before the
// preparation.
void PrepareSourcePrint(OrvExpr* root, void (*visit)(OrvExpr* node));

// The source range covered by the subtree (first set begin, last set end);
// adds the gap tokens below the node.  A SYMBOL_TABLE_ELT_LIST is not source
// text: it answers an unset range and is not entered.  A bad slot order is
// reported as a warning through the running parser's message path, at the
// node's begin position, and the order that was produced is used.  Traces
// go to standard output when the running parser's positions trace word is
// above 0.
OrvTxtPosnRange SetSlotPosnOper(OrvExpr* node);
// The same with the trace level given instead of the running parser's.
OrvTxtPosnRange SetSlotPosnOper(OrvExpr* node, int debugLevel);

// The printing order of the node's argument slots: a new array of `count`
// entries (null and 0 for a node without slots) that the caller frees with
// delete[].  0, or ORV_SOURCE_PRINT_BAD_ORDER when the fixed clauses are out
// of order or entries were left out; `message` receives the text of the
// first problem only while it is still empty.
OrvResult SourcePrint(OrvExpr* node, OrvSlotOrderEntry*& entries, int& count, VString& message);

// SourcePrint's order appended to `arena`, which may hold the entries of
// callers below: on return the arena holds, from its old size on, the
// `count` entries of the node in printing order.  The caller shrinks the
// arena back when done.  Results and message as SourcePrint's.
OrvResult OrvSourcePrintOrder(OrvExpr* node, std::vector<OrvSlotOrderEntry>& arena, int& count, VString& message);

// For each token of the list in order: a pending `err_expr` takes the
// token's begin as the end of its first tail token, and a set token end
// becomes `last_posn`.
void UpdateErrorExpr(const OrvTokenList& tokens);
void UpdateErrorExpr(const OrvTokenList& tokens, int debugLevel);

// The links of the preparation to the running parser, defined apart so that
// the parser object can supply them: its positions trace word (0 when no
// parse runs) and its message path for a warning at a position.
int SourcePrintTraceLevel();
void SourcePrintWarning(const VString& text, const OrvTxtPosn& position);

#endif
