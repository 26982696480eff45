// The data-item table as the statistics walker prints it: the layout pass's
// table of the lengths and offsets it stored in the tree.
#include "OrvDummyWalker.h"
#include "OrvMemOffsets.h"

int OrvStatPrintMemOffsets(std::ostream& out, OrvExpr* root) {
  return root ? OrvPrintMemOffsets(out, root) : 0;
}
