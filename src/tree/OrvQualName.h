// Qualified names (X OF G OF R) and the search for definitions: the
// declaring node of every kind of definition, the fully qualified and the
// shortest unique qualified name of a definition as an OF_IN_LIST, their
// text, narrowing homonymous definitions by qualifiers, and resolving a
// qualified use to its one definition.
//
// Every expression and node returned here belongs to the caller.  Wrong
// node kinds are programming errors and are reported at MSG_TERMINAL.
#ifndef LARK_TREE_ORVQUALNAME_H
#define LARK_TREE_ORVQUALNAME_H

#include "VString.h"

class OrvExpr;
class OrvLinkList;
class OrvNameUse;
class OrvNamedObjUse;

// The name child of a declaring node (a NAMED_OBJ_DEF, or a NULL_NODE for
// an unnamed item), or null.
OrvExpr* OrvDefForNamedObjDecl(OrvExpr* decl);
// The nearest declaring ancestor of the node below its program, or null.
OrvExpr* OrvNextDeclAbove(OrvExpr* node);
// The node that declares the definition: its parent for procedure,
// paragraph and section names, else its parent's parent.
OrvExpr* OrvNamedObjDeclForDef(OrvExpr* def);
// A new name use bound to the definition's element.
OrvNameUse* OrvNameUseForDef(OrvExpr* def);

// A new OF_IN_LIST of the name and every enclosing named declaration.
OrvExpr* OrvFullQualNameExpr(OrvExpr* def);
// Its text, names joined by " OF ".
VString OrvFullQualNameStr(OrvExpr* def);
// Its text, outermost name first, joined by `sep`.
VString OrvFullQualNameStrSep(OrvExpr* def, char sep);

// The text of a qualified-name expression (OF_IN_LIST or SQL_VAR_NAME_LIST):
// names joined by " OF ", or with `sep` from the last child to the first.
// A name that is not bound to an element is reported and shows as empty.
VString OrvQualNameStr(OrvExpr* qe);
VString OrvQualNameStrSep(OrvExpr* qe, char sep);

// Keeps the candidate definitions that lie inside the declaration of at
// least one definition among the qualifier's References; keeps their order.
void OrvRestrictDefs(OrvLinkList& candidates, OrvLinkList& refs);
// Resolves an unresolved named-object use when exactly one definition fits
// its qualified name.
void SymTabResolve(OrvExpr* use);

// A new OF_IN_LIST naming the definition with no more qualifiers than needed
// to tell it from its homonyms; *notUnique becomes 1 when even the full
// qualification leaves several.
OrvExpr* OrvShortestUniqueQualNameExpr(OrvExpr* def, int* notUnique);
// A new named-object use over that name, resolved to the definition.
OrvNamedObjUse* OrvShortestUniqueQualNameUse(OrvExpr* def);
// The definition a named-object use is resolved to, or null.
OrvExpr* OrvDefForNamedObjUse(OrvExpr* use);

#endif
