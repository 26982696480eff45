// The print operation of every node class: leaves with an image, string
// literals (continued over lines when they do not fit) and operation nodes
// (printed from their template, with COPY and INCLUDE markers directing
// the output of members).  The tree forwards its print operation to these
// functions once a print has installed them.
#ifndef LARK_PRINTER_ORVNODEPRINT_H
#define LARK_PRINTER_ORVNODEPRINT_H

#include "OrvResult.h"

class OrvExpr;

// The print operation of leaves: the tail's comments, then the image.
OrvResult OrvPrettyPrintLeaf(OrvExpr* node, int measure, int forceBreak);

// The print operation of string literals: as for leaves, but an image that
// reaches the right margin is continued on continuation lines, each
// reopened with the literal's quote.
OrvResult OrvPrettyPrintStrConst(OrvExpr* node, int measure, int forceBreak);

// The print operation of operation nodes: the template row that applies,
// interpreted for the node; COPY and INCLUDE markers open and close member
// outputs, or print as enter and exit comment lines.
OrvResult OrvPrettyPrintOperNode(OrvExpr* node, int measure, int forceBreak);

// Makes the tree's print operation reach the three functions above.
void OrvInstallNodePrinters();

// Whether the node's text could be copied from the source (SourcePrint).
// SourcePrint output is not part of this program: always 0, so that every
// node is printed from its template.
int CanPrintFromSource(const OrvExpr* node);

#endif
