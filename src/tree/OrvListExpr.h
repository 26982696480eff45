// Joining operands into list nodes, and filling empty argument slots.
#ifndef ORV_LIST_EXPR_H
#define ORV_LIST_EXPR_H

#include "OrvOper.h"

class OrvExpr;

// Joins a and b into a list node of the list operation op, flattening
// operands that already are lists of op.  A null or NULL_NODE operand counts
// as empty.  A non-list op is reported and used all the same.
OrvExpr* OrvListExpr(OrvOper op, OrvExpr* a, OrvExpr* b);

// Gives every empty argument slot of the tree a new NULL_NODE; a null root
// pointer is replaced by a new NULL_NODE.
void OrvFillNullArgs(OrvExpr*& root);

#endif
