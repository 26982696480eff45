// The template interpreter: one print template interpreted for one node,
// in the measure pass (nothing is written; the widths of the template's
// pieces are recorded) or in the print pass (the text is written, and the
// recorded widths decide where lines break).  Children are printed through
// their own print operation, which comes back here for operation nodes.
#ifndef LARK_PRINTER_ORVTEMPLATEINTERP_H
#define LARK_PRINTER_ORVTEMPLATEINTERP_H

#include <string>

#include "OrvResult.h"

class OrvExpr;

// Most subdivisions one node may record (indexes 0..699).
const int ORV_MAX_SUBDIVISIONS = 700;

// Largest width a node records: its width field holds signed 10-bit
// values, and a wider node fits no line anyway.
const int ORV_MAX_NODE_WIDTH = 511;

// Interprets `templ` for `node`.  `measure` non-zero: the measure pass;
// `forceBreak`: the caller demands that the node break its separators;
// `printSlotTokens` (p_s_l): 1 from a node's own print operation, so that
// the print pass also prints the comments that stand in the node's token
// lists.  0, or the code of the first failure (42, 44, 45, 46, 50, or a
// child's), which stops the interpretation at once.
OrvResult PrettyPrint(OrvExpr* node, const char* templ, int measure, int forceBreak, int printSlotTokens);

// Reads the decimal number after the "$" at `cursor` (left on its last
// digit) as the 0-based argument index `index`.  0, or 44 with
// "GetArgNo: illegal argument: $%d" (a number outside 1..9999) or
// "GetArgNo: argument number out of range: $%d" (not below `argCount`)
// reported on the node.
OrvResult GetArgNo(int& index, const char*& cursor, int argCount, const OrvExpr* node);

// The template with its control bytes spelled out (a line feed as \n, a
// byte 255 as \xff), for traces.
std::string OrvEscapedTemplate(const char* templ);

#endif
