// The data-item table ("mem-offsets"): one table per storage section and
// per file description of a laid-out tree, a row per data item with its
// level, name, PICTURE, category, USAGE, SYNCHRONIZED mark, offset from its
// record, length and global offset, detail lines for OCCURS, RENAMES and
// REDEFINES, and rows for condition names (88) and constants (78).  It only
// reads what the layout (OrvCalcLengthsAndOffsets) stored in the tree.
#ifndef LARK_SEMA_ORVMEMOFFSETS_H
#define LARK_SEMA_ORVMEMOFFSETS_H

#include <iosfwd>

#include "OrvTreeWalk.h"
#include "VString.h"

class OrvExpr;

// The stream of the table walk that runs; set by OrvPrintMemOffsets.
extern std::ostream* memOffsetsStream;

// Prints the tables of every WORKING-STORAGE, LOCAL-STORAGE and LINKAGE
// SECTION and every FD or SD of the tree, nested programs included, in tree
// order, on `out`.  Returns the walk's answer.
OrvWalkCode OrvPrintMemOffsets(std::ostream& out, OrvExpr* root);

// Walk call-back: prints the heading and the table of a storage section or
// file description on memOffsetsStream; any other node prints nothing.
// Always answers 1 (visit the children).
int OrvMemOffsetsSection(OrvExpr* node, void* context);

// Prints the rows of a DECL_DD_LIST, DECL_DD, DECL_DD_ENTRY (row and detail
// line), DECL_COND_ENTRY (level 88) or DECL_CONST_ENTRY (level 78); other
// nodes print nothing.  Items print ". " once per depth step; a section's
// list is printed at depth -1, so that its records come out at depth 0.
void OrvPrintDataEntry(std::ostream& out, OrvExpr* node, int depth);

// Appends blanks to the text until it is at least `column` characters long
// (never shortens it); returns a copy of the result.
VString OrvPadVString(VString& text, int column);

// The table's header (a separator line and the heading line) and its
// separator line.
void OrvPrintMemOffsetsHeader(std::ostream& out);
void OrvPrintMemOffsetsRule(std::ostream& out);

#endif
