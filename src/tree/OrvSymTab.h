// Symbol tables: the sorted list of the names declared or used in a program
// (or a source file), with lookup, insertion, name definition, unique names
// and the factories of named-object uses.
//
// A table is an OrvExprOper of SYMBOL_TABLE_ELT_LIST whose children are
// OrvSymTabElt nodes in strictly increasing byte-wise order of their images.
// It hangs in argument 3 of a COBOL_FILE and in argument 6 of a
// COBOL_PROGRAM.
#ifndef LARK_TREE_ORVSYMTAB_H
#define LARK_TREE_ORVSYMTAB_H

#include "OrvNameNodes.h"
#include "OrvResult.h"
#include "VString.h"

class OrvExpr;
class OrvTokenList;

// A name-binding operation found no symbol table where it needs one.
const OrvResult ORV_SYMTAB_MISSING = 33;

// Trace level of the symbol-table operations: at 1 and above they write
// trace lines to standard output, at 2 and above insertions also dump the
// table.  The tool driver sets it before parsing.
extern int OrvSymTabTraceLevel;

// The table of an owner: argument 3 of a COBOL_FILE, argument 6 otherwise;
// null when the owner has no such argument.
OrvExpr* OrvOwnerSymTab(OrvExpr* owner);

// The element named `name`, or null.  *pos (when pos is not null) receives
// its index, or the index at which an element of that name belongs.
OrvSymTabElt* OrvSymTabFindElt(OrvExpr* table, const VString& name, int* pos);
// Inserts the element at its sorted place; an element of that name already
// present is reported and the element stays with the caller.
void OrvSymTabAddElt(OrvExpr* table, OrvSymTabElt* elt);
// Inserts the element at a position that OrvSymTabFindElt gave while the
// table has not changed since.
void OrvSymTabInsElt(OrvExpr* table, OrvSymTabElt* elt, int pos);
// The element of that name, created with category 0 when missing.
OrvSymTabElt* OrvSymTabFindOrAddElt(OrvExpr* table, const VString& name);
// A new element under the name, or name-1, name-2, ... when taken.
OrvSymTabElt* OrvSymTabAddUniqueElt(const VString& name, int category, OrvExpr* table);

// A new definition of the name in the owner's table, bound to its element
// (whose category becomes `category`).  The caller hangs it in the tree.
OrvNamedObjDef* OrvSymTabDefineName(const VString& name, int category, int unique,
                                    OrvExpr* owner);
// The table that holds the definition's element.
OrvExpr* SymTabForDef(OrvExpr* def);
// Unbinds the definition from its element; an element left without
// references is taken out of its table and deleted.
void SymTabDeleteDef(OrvExpr* def);
// The table of the nearest program at or above the node, or null.
OrvExpr* OrvProgSymTab(OrvExpr* node);
// 1 when the program's table holds a definition of the name, else 0.
int OrvIsNameDefined(const VString& name, OrvExpr* program);

// A new unresolved named-object use over a name expression.
OrvNamedObjUse* OrvNewNamedObjUse(OrvExpr* names, int category, int flag);
// A new named-object use over one name of the element (which may be null);
// the tokens (when given) move to the name use.
OrvNamedObjUse* OrvNewNamedObjUseForElt(OrvSymTabElt* elt, int category, OrvTokenList* tokens);
// A new data-name use of the program that contains the node; null (with a
// report) when the node lies in no program.
OrvNamedObjUse* OrvNewDataNameUse(const VString& name, OrvExpr* node);

#endif
