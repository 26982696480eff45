// Renaming a definition (a data item, a paragraph, ...) with all its uses:
// the definition is bound to the new name in its symbol table and every use
// of it, and of every homonym in the same scopes, is rewritten to the
// shortest qualified name that is still unique.
#ifndef LARK_TREE_ORVRENAME_H
#define LARK_TREE_ORVRENAME_H

#include "VString.h"

class OrvExpr;
class OrvNamedObjDef;

// Re-binds the definition to `newName` in the same symbol table: the old
// element is left (and removed when nothing refers to it any more), the
// element of the new name is found or created and takes the definition's
// category.  A node that is not a NAMED_OBJ_DEF is a terminal error.
void OrvRenameDef(OrvNamedObjDef* def, const VString& newName);

// Renames the definition and rewrites the uses.  When the new name is not
// unique any more and `undoIfAmbiguous` is set, the rename is undone, no use
// is touched and the result is 1; otherwise the result is 0.
int OrvRenameDefAndAllUses(OrvNamedObjDef* def, const VString& newName, int undoIfAmbiguous);

// WalkTheTree callback: rewrites every use of each definition it meets to
// the definition's shortest unique qualified name.  Answers 1.
int OrvRenameDefUsesWalker(OrvExpr* node, void* context);

// Runs OrvRenameDefUsesWalker over the scope of one definition: its parent
// for procedure, paragraph and section names, its parent's parent for the
// others.  A node that is not a NAMED_OBJ_DEF is ignored.
void OrvRenameDefUsesInScope(OrvExpr* def);

#endif
