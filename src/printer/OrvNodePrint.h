// The print operation of every node class: leaves with an image, string
// literals (continued over lines when they do not fit) and operation nodes
// (printed from their template, with COPY and INCLUDE markers directing
// the output of members).  The tree forwards its print operation to these
// functions once a print has installed them.
#ifndef LARK_PRINTER_ORVNODEPRINT_H
#define LARK_PRINTER_ORVNODEPRINT_H

#include "OrvResult.h"

class OrvExpr;

// The print operation of leaves: the tail's tokens (copied from the source
// when the leaf can be, else only its comments), then, unless copied, the
// image.
OrvResult OrvPrettyPrintLeaf(OrvExpr* node, int measure, int forceBreak);

// The print operation of string literals: as for leaves, but an image that
// reaches the right margin is continued on continuation lines, each
// reopened with the literal's quote.
OrvResult OrvPrettyPrintStrConst(OrvExpr* node, int measure, int forceBreak);

// The print operation of operation nodes: the node copied from the source
// (SourcePrint) when it can be, else the template row that applies,
// interpreted for the node; COPY and INCLUDE markers open and close member
// outputs, or print as enter and exit comment lines.
OrvResult OrvPrettyPrintOperNode(OrvExpr* node, int measure, int forceBreak);

// Makes the tree's print operation reach the three functions above.
void OrvInstallNodePrinters();

// Whether the node's text is copied from the source: 1 when the current
// printer has "gen-src" on, the node came from the source unchanged and
// every token in front of its slots and in its tail (comments aside) has
// its begin and end positions; else 0.
int CanPrintFromSource(const OrvExpr* node);

#endif
