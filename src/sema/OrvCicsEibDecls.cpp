// The CICS execute interface block of a finished program.
#include "OrvExprOper.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "OrvProgramFinish.h"
#include "OrvSlotAccess.h"
#include "OrvTreeWalk.h"

const OrvDataItemHierRec OrvCicsEibTable[] = {
#define ORV_CICS_EIB_ITEM(Depth, Level, Name, Picture, Usage) \
  {Depth, Level, Name, Picture, Usage, nullptr},
#include "OrvCicsEib.def"
    {0, 0, nullptr, nullptr, DU_NONE, nullptr},
};
static_assert(sizeof(OrvCicsEibTable) / sizeof(OrvCicsEibTable[0]) == ORV_CICS_EIB_ROWS + 1,
              "the block's items and the end row");

namespace {

// The child in `slot`, made with operation `op` when the slot is empty.
OrvExpr* ChildOrNew(OrvExpr* node, int slot, OrvOper op) {
  OrvExpr* child = node->Args(slot);
  if (!OrvPresent(child)) {
    child = new OrvExprOper(op);
    node->SetArg(slot, child, -1, 0);
  }
  return child;
}

}  // namespace

int OrvAddCicsEibDecls(OrvExpr* node, OrvExpr* root, void* context) {
  (void)root;
  (void)context;
  if (node->Oper() != DIVISION_DATA) return ORV_WALK_CHILDREN;
  OrvExpr* linkage = ChildOrNew(node, DIVISION_DATA__LINKAGE_SECTION, SECTION_LINKAGE);
  OrvExpr* entries = ChildOrNew(linkage, SECTION_LINKAGE__DATA_DESCRIPTION_ENTRIES, DECL_DD_LIST);
  VString ignored;
  OrvDeclDataItemHierarchy(entries, OrvCicsEibTable, 1, node->Parent(), ignored);
  return ORV_WALK_SKIP;
}
