// Statement nodes with more children than OrvGramNode takes: a node of an
// operation built, or a node made early filled, from a list of children in
// slot order.
#ifndef LARK_GRAMMAR_ORVGRAMSTATEMENTNODES_H
#define LARK_GRAMMAR_ORVGRAMSTATEMENTNODES_H

#include <initializer_list>

class OrvExpr;

// A new node of operation `op` with the children in slots 0, 1, ...; a
// null child leaves its slot empty.
OrvExpr* OrvGramStatement(int op, std::initializer_list<OrvExpr*> children);

// Puts the children that are not null into slots 0, 1, ... of a node made
// before its phrases (SetArg, order -1) and returns the node.
OrvExpr* OrvGramFillStatement(OrvExpr* node, std::initializer_list<OrvExpr*> children);

#endif
