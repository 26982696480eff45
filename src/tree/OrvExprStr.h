// Expression text: a short, source-like text of a data reference or a value
// expression for reports and tables (not a printer: shapes it does not know
// show as a marker).
#ifndef LARK_TREE_ORVEXPRSTR_H
#define LARK_TREE_ORVEXPRSTR_H

#include "VString.h"

class OrvExpr;

// "-[undefined]-" for a missing node or NULL_NODE, "-[unknown]-" for a shape
// that has no text form.
VString OrvExprStr(OrvExpr* node);

#endif
