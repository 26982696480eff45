// Reading argument slots without reports: the tests of optional clauses and
// the walks down fixed chains of slots that the semantic passes make.
#ifndef LARK_SEMA_ORVSLOTACCESS_H
#define LARK_SEMA_ORVSLOTACCESS_H

#include "OrvExpr.h"

// A slot is present when it holds a node that is not a NULL_NODE.
inline bool OrvPresent(const OrvExpr* node) {
  return node != nullptr && node->Oper() != NULL_NODE;
}

// The child of slot i; null when the node is null, has no such slot or the
// slot is empty.  Read inline (ChildAt) once the index is known to be in
// range: the passes over the data entries ask for slots by the million.
inline OrvExpr* OrvArgAt(const OrvExpr* node, int i) {
  return node != nullptr && i >= 0 && i < node->NArgs() ? node->ChildAt(i) : nullptr;
}

#endif
