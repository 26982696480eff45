// SourcePrint output of an operation node: its argument slots in the order
// the source wrote them, each slot's tokens copied from the source, and each
// child either printed by its own print operation (when the child or its
// slot came from the source unchanged) or regenerated from the piece of the
// template that belongs to its slot (the slot's excerpt).
#ifndef LARK_PRINTER_ORVSLOTPRINT_H
#define LARK_PRINTER_ORVSLOTPRINT_H

#include "OrvResult.h"
#include "VString.h"

class OrvExpr;
struct OrvSlotOrderEntry;

// Prints the node from the source, slot by slot in SourcePrint's order,
// then its tail tokens.  A bad slot order is a warning on the node and the
// order obtained is printed.  0, or the first failure: 44 (an excerpt that
// names another slot than its own), or that of copying, of an excerpt or of
// a child.
OrvResult SlotPrint(OrvExpr* node);

// The piece of the template of the entry's `root` that prints the entry's
// slot: for a list, "$1" for the first element and the list template
// without its "@" followed by the element's "$N" for the others; for a
// positional node, "$N", or the branch of the conditional "{$N?...}" or
// "{$N=...}" that holds it.  A slot the template does not print gives an
// empty excerpt, with a warning on the child unless the child is a symbol
// table or `root` a hidden declaration.  0, or the failure of finding the
// template row or of reading an argument number (the excerpt empty).
OrvResult ComputeCGexcerpt(VString& excerpt, const OrvSlotOrderEntry& entry);

#endif
