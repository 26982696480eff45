// The statistics tool's walker.
#include "OrvDummyWalker.h"

#include <iostream>

#include "OrvParser.h"
#include "OrvProgStats.h"

int OrvLongStatSwitch = 1;
int OrvMemOffsetsSwitch = 1;
OrvMemOffsetsPrinterFn OrvMemOffsetsPrinter = OrvStatPrintMemOffsets;

OrvResult OrvDummyWalker(OrvExpr** tree, const VString&, OrvParser* parser, OrvPrettyPrinter*,
                         OrvTokenList*) {
  std::ostream& out = std::cout;
  OrvExpr* root = tree ? *tree : nullptr;
  if (OrvLongStatSwitch && root) {
    out << OrvFormat("Lines:          %6d\n", parser ? parser->lineCount : 0)
        << OrvFormat("LinesOfCode:    %6d\n", parser ? parser->locCount : 0)
        << OrvFormat("Tokens:         %6d\n", parser ? parser->tokenCount : 0) << "\n";
    OrvProgStats stats;
    stats.Init(root);
    stats.Print(out);
  }
  if (OrvMemOffsetsSwitch && OrvMemOffsetsPrinter) OrvMemOffsetsPrinter(out, root);
  return ORV_OK;
}
