// Builders of data-item declarations that are not in the source but added by
// the toolkit (special registers, the CICS execute interface block, constants
// set from options), in exactly the shape the grammar gives parsed data
// descriptions, with their names bound in the right symbol table.
#ifndef LARK_TREE_ORVDATAITEMBUILD_H
#define LARK_TREE_ORVDATAITEMBUILD_H

#include "OrvResult.h"
#include "VString.h"

class OrvExpr;
class OrvNamedObjDef;

// One row of a static description table; a row whose name is null ends it.
struct OrvDataItemHierRec {
  int depth;          // 0 for a top-level item; changes by at most 1 per row
  int level;          // COBOL level number
  const char* name;   // data name; null ends the table
  const char* picture;  // PICTURE string, "" for none
  int usage;          // operation code of the USAGE clause, DU_NONE for none
  OrvExpr* value;     // VALUE operand (copied into each tree), null for none
};

// The deepest nesting a table may describe: depths 0 to 30.
const int OrvDataItemMaxDepth = 30;
// The table is malformed (see the message).
const OrvResult ORV_DATA_ITEM_TABLE_BAD = 43;

// A new DECL_DD holder of one data item whose name is defined in the owner's
// symbol table (argument 3 of a COBOL_FILE, else argument 6); *defOut
// receives the definition.  usage and value (may be null) become part of the
// new tree.
OrvExpr* OrvDeclDataItem(OrvNamedObjDef** defOut, int level, const VString& name, int unique,
                         const VString& picture, OrvExpr* usage, OrvExpr* value,
                         OrvExpr* owner);
// A new DECL_DD holder of a level-78 constant under a name not yet taken.
OrvExpr* OrvDeclConstEntry(OrvNamedObjDef** defOut, const VString& name, OrvExpr* value,
                           OrvExpr* owner);
// Appends the items of the table, nested by depth, to the DECL_DD_LIST
// `list`; with hideTop set the depth-0 items become DECL_DD_HIDDEN.
// Returns 0, or 43 with the reason in `message` (the items added before the
// bad row stay).  A table whose first row is not at depth 0 is refused
// before anything is added.
OrvResult OrvDeclDataItemHierarchy(OrvExpr* list, const OrvDataItemHierRec* rows, int hideTop,
                                   OrvExpr* owner, VString& message);
// Appends a declaration to the section `section` (an argument index of the
// DATA DIVISION, made with operation sectionOp when missing) of a program.
void OrvAddDataDeclToSection(OrvExpr* decl, int section, int sectionOp, OrvExpr* program);
// A new MOVE statement of source to target.
OrvExpr* OrvNewMoveStmt(OrvExpr* source, OrvExpr* target);

#endif
