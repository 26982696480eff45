// OrvDummyWalker: the statistics tool's walker.  For every file whose parse
// did not bail out it prints the parser's line, code-line and token counts
// and the program statistics report (switch "long-stat"), and the table of
// data items with their lengths and offsets (switch "mem-offsets").
#ifndef LARK_STATTOOL_ORVDUMMYWALKER_H
#define LARK_STATTOOL_ORVDUMMYWALKER_H

#include <iosfwd>

#include "OrvResult.h"
#include "VString.h"

class OrvExpr;
class OrvParser;
class OrvPrettyPrinter;
class OrvTokenList;

// The tool's two switches, both 1 at start.
extern int OrvLongStatSwitch;   // "long-stat"
extern int OrvMemOffsetsSwitch; // "mem-offsets"

// Prints the data-item table of a tree on a stream; nothing for a missing
// tree.  Answers the walk's code.
typedef int (*OrvMemOffsetsPrinterFn)(std::ostream& out, OrvExpr* root);
// The table printer the walker calls; OrvStatPrintMemOffsets unless a test
// puts another in its place.
extern OrvMemOffsetsPrinterFn OrvMemOffsetsPrinter;
// The data-item table of the layout pass.
int OrvStatPrintMemOffsets(std::ostream& out, OrvExpr* root);

// The OrvWalker of the statistics tool: uses the tree and the parser's
// counters, ignores the input file, the printer and the message list, and
// always answers 0.
OrvResult OrvDummyWalker(OrvExpr** tree, const VString& inputFile, OrvParser* parser,
                         OrvPrettyPrinter* printer, OrvTokenList* messages);

#endif
