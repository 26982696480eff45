// Value of a level-78 constant, for the PICTURE repeat counts that name one.
// The tree layer evaluates the integer-literal form; the parse driver's
// evaluation of full constant expressions (arithmetic, NEXT, START OF,
// LENGTH OF) takes its place once it stands.
#ifndef LARK_TREE_ORVCALCVALUE_H
#define LARK_TREE_ORVCALCVALUE_H

class OrvExpr;

// The value of a constant given by its NAMED_OBJ_DEF, its DECL_CONST_ENTRY,
// a NAMED_OBJ_USE resolved to one, or an integer literal: a new
// OrvIntNumConst that the caller owns and deletes; null when no value can be
// computed.
OrvExpr* OrvCalcValueExpr(OrvExpr* node);

#endif
