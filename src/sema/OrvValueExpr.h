// Value expressions: the values of level-78 constants and OCCURS counts,
// written with literals, other constants, integer arithmetic (+ - * / AND
// OR, unary minus and plus, parentheses) and the layout of data items: NEXT
// (the first byte after the preceding data item), START OF an item and
// LENGTH OF an item.  A value that refers to the layout has one only once
// the items it refers to are laid out.
#ifndef LARK_SEMA_ORVVALUEEXPR_H
#define LARK_SEMA_ORVVALUEEXPR_H

#include <cstdint>

class OrvExpr;

// The value of an expression node, of a name (NAMED_OBJ_USE or
// NAMED_OBJ_DEF) of a constant, or of a DECL_CONST_ENTRY: a new node that
// the caller owns, an INT_NUM_CONST for an integer value (its image the
// value in decimal) or a copy of a literal or figurative constant; null when
// there is no value: a data item named as a value, an operand that is no
// integer, division by zero, a result outside 64 bits, a constant whose
// value depends on itself, a layout not yet known.  This is the evaluator
// that the PICTURE expansion uses once this library is linked.
OrvExpr* OrvCalcValueExpr(OrvExpr* node);

// True with *value set when OrvCalcValueExpr gives the node an integer.
bool OrvCalcIntValue(OrvExpr* node, int64_t* value);

// Answers of OrvDataEntryStart.
enum OrvDataEntryStartResult { ORV_START_KNOWN = 0, ORV_START_UNKNOWN = 1 };

// The global start offset of a DECL_DD_ENTRY in its storage section (in
// the LINKAGE SECTION its offset in its record), also while its record is
// still being laid out; ORV_START_UNKNOWN for an item of the FILE SECTION
// whose record is not finished, an item without layout or at an undefined
// offset, or an item after a record of undefined length.
int OrvDataEntryStart(OrvExpr* entry, int64_t* start);

// The data entry that a level-78 entry follows (what NEXT refers to): the
// last data entry written before it at its level or, when there is none,
// at the levels above; the item itself when the 78 entry is one of an
// elementary item's subordinates.  Null when nothing precedes it.
OrvExpr* OrvPrecedingDataEntry(OrvExpr* constEntry);

#endif
