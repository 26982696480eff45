// The walks that run when a program is finished, besides name resolution:
// the CICS execute interface block declared in the program's LINKAGE
// SECTION, and the conversion of ACCEPT and DISPLAY items written in screen
// form that use none of the screen clauses.
#ifndef LARK_SEMA_ORVPROGRAMFINISH_H
#define LARK_SEMA_ORVPROGRAMFINISH_H

#include "OrvDataItemBuild.h"
#include "OrvOper.h"

class OrvExpr;

// The CICS execute interface block: CICS-BLOCKS (hidden), DFHEIBLK and its
// 26 fields, ended by a row without a name.
extern const OrvDataItemHierRec OrvCicsEibTable[];
// Rows of the table before its end row.
const int ORV_CICS_EIB_ROWS = 30;

// Named-walk pre call-back: at a DIVISION_DATA, appends the block to its
// LINKAGE SECTION (made when missing), defining the names in the program's
// table, and skips the division's children (2); 1 for every other node.
int OrvAddCicsEibDecls(OrvExpr* node, OrvExpr* root, void* context);

// WalkTheTree call-back: an ACCEPT_SCREEN_ITEM or DISPLAY_SCREEN_ITEM that
// needs no screen handling becomes the ANSI form, or the function form when
// it names a device other than the console; answers 2 after such an item
// and for a subtree that holds no statement (the IDENTIFICATION,
// ENVIRONMENT and DATA DIVISIONs, the symbol table, a NAMED_OBJ_USE), 1 for
// every other node.  The item replaced is retired through the current
// parser (the walk may still look at it).
int ProcessAcceptItem(OrvExpr* node, void* context);

// WalkTheTree(program, program, ProcessAcceptItem): the same items
// converted in the same order, without a call-back call for the nodes the
// call-back passes by (the walk itself runs under the walk trace).
void OrvProcessAcceptItems(OrvExpr* program);

// Whether the walk of OrvProcessAcceptItems passes by a subtree of this
// operation, which holds no statement and so no ACCEPT or DISPLAY item: the
// divisions before the PROCEDURE DIVISION, the symbol table and a data
// name's use (its qualifiers and subscripts).  Inline: the walks ask it at
// every node with slots.
inline bool OrvHoldsNoScreenItem(int op) {
  switch (op) {
    case DIVISION_IDENTIFICATION:
    case DIVISION_ENVIRONMENT:
    case DIVISION_DATA:
    case SYMBOL_TABLE_ELT_LIST:
    case NAMED_OBJ_USE:
      return true;
    default:
      return false;
  }
}

#endif
