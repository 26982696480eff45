// Value of a level-78 constant, for the PICTURE repeat counts that name one.
// The tree layer evaluates the integer-literal form itself; the semantic
// layer, which can evaluate whole constant expressions (arithmetic, NEXT,
// START OF, LENGTH OF), installs its evaluator in OrvCalcValueHook.
#ifndef LARK_TREE_ORVCALCVALUE_H
#define LARK_TREE_ORVCALCVALUE_H

class OrvExpr;

// An evaluator of constant values: takes a constant given by its
// NAMED_OBJ_DEF, its DECL_CONST_ENTRY, a NAMED_OBJ_USE resolved to one, or a
// literal; answers a new node that the caller owns and deletes (an
// OrvIntNumConst for an integer value), or null when no value can be
// computed.
typedef OrvExpr* (*OrvCalcValueFn)(OrvExpr* node);

// The tree's own evaluator: integer literals, reached directly or through
// constants that name other constants; anything else has no value.
OrvExpr* OrvCalcLiteralValue(OrvExpr* node);

// The evaluator that the PICTURE expansion asks; OrvCalcLiteralValue until
// the semantic layer replaces it.  One per process.
extern OrvCalcValueFn OrvCalcValueHook;

#endif
