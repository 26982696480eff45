// Names while a source is parsed: the lookup that the lexer and the token
// supply make for every user-defined word, and the walk call-back that
// resolves the name uses of a finished program.  The definition of names
// and the resolution itself are operations of the parser object
// (OrvParserImpl::SymTabDefine, OrvParserImpl::SymTabQualResolve).
#ifndef LARK_SEMA_ORVPARSERNAMES_H
#define LARK_SEMA_ORVPARSERNAMES_H

#include "VString.h"

class OrvExpr;
class OrvParserImpl;
class OrvSymTabElt;

// The symbol-table element of a name as seen from the innermost open
// program: its own table first, then outward; an enclosing program's
// element counts only for symbolic characters and constants, constant names
// and program names, the file's table always.  A name found nowhere is
// created undefined in the innermost table.  Null only when no table is
// open.
OrvSymTabElt* FindNameInProg(OrvParserImpl* parser, const VString& name);

// WalkTheTree call-back: resolves a NAMED_OBJ_USE through the current
// parser and skips its children (2); 1 for every other node.
int ResolveUseCallback(OrvExpr* node, void* context);

#endif
