// Access to the slots of data-description nodes.
#include "OrvDataEntrySlots.h"

#include <charconv>

#include "OrvConstNodes.h"
#include "OrvExpr.h"
#include "OrvOper.h"
#include "OrvSlotAccess.h"

int OrvEntryLevel(const OrvExpr* entry) {
  OrvExpr* level = OrvSlot(entry, DECL_DD_ENTRY__LEVEL_NUMBER);
  return level != nullptr && level->Oper() == INT_NUM_CONST ? static_cast<int>(level->IntValue())
                                                            : 0;
}

void OrvSetLayoutSlot(OrvExpr* node, int i, int64_t value) {
  if (node == nullptr || i >= node->NArgs()) return;
  OrvExpr* slot = OrvSlot(node, i);
  if (slot != nullptr && slot->Oper() == INT_NUM_CONST) {
    if (slot->IntValue() != value) slot->SetValue(value);
    return;
  }
  // The new constant's image is the value, as if it had been made with 0
  // and then set.
  char image[24];
  std::to_chars_result end = std::to_chars(image, image + sizeof image, value);
  node->SetArg(i, new OrvIntNumConst(VString(image, static_cast<int>(end.ptr - image)), value),
               -1, 0);
}

void OrvEnsureLayoutSlot(OrvExpr* node, int i) {
  OrvExpr* slot = OrvSlot(node, i);
  if (slot == nullptr || slot->Oper() != INT_NUM_CONST) OrvSetLayoutSlot(node, i, 0);
}

bool OrvOccursBounds(const OrvExpr* occurs, OrvExpr** from, OrvExpr** to) {
  *from = nullptr;
  *to = nullptr;
  OrvExpr* times = OrvSlot(occurs, DX_OCCURS__TIMES);
  if (times == nullptr) return false;
  if (times->Oper() != EX_INT_CONST_RANGE) {
    // A count written without a range node stands alone.
    *from = times;
    return true;
  }
  *from = OrvSlot(times, EX_INT_CONST_RANGE__FROM);
  *to = OrvSlot(times, EX_INT_CONST_RANGE__TO);
  return true;
}
