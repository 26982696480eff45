// The access to the argument slots of data-description nodes that the
// layout, the value expressions and the data-item table read and write (by
// the names of OrvOperSlots.h): a slot counts as present when it holds a
// node that is not a NULL_NODE; the layout results (the length and the
// three offsets of an entry, the element length of an OCCURS clause) are
// INT_NUM_CONST nodes holding 64-bit byte counts.
#ifndef LARK_SEMA_ORVDATAENTRYSLOTS_H
#define LARK_SEMA_ORVDATAENTRYSLOTS_H

#include <cstdint>

#include "OrvExpr.h"
#include "OrvOperSlots.h"

// The child of slot i when it is present (held, not a NULL_NODE, and the
// node has that many slots); null otherwise.  Inline: the layout and the
// data-item table ask for slots by the million.
inline OrvExpr* OrvSlot(const OrvExpr* node, int i) {
  if (node == nullptr || i < 0 || i >= node->NArgs()) return nullptr;
  // The slot is read as stored.  A NULL_NODE of the fill is not present,
  // made or not: it is not made for the question.  An empty slot is asked
  // through ChildAt only with the fill switch on, under which it reports.
  bool fill = false;
  OrvExpr* child = node->PeekChildOrFill(i, &fill);
  if (child == nullptr) {
    if (OrvFillNullSwitch && !fill) node->ChildAt(i);
    return nullptr;
  }
  return child->Oper() != NULL_NODE ? child : nullptr;
}

// The level number of an entry (the value of slot 0), 0 when it has none.
int OrvEntryLevel(const OrvExpr* entry);

// True with *value set when slot i holds an integer constant.  Inline: the
// layout and the data-item table read the layout slots of every item.
inline bool OrvLayoutSlotValue(const OrvExpr* node, int i, int64_t* value) {
  OrvExpr* slot = OrvSlot(node, i);
  if (slot == nullptr || slot->Oper() != INT_NUM_CONST) return false;
  *value = slot->IntValue();
  return true;
}
// Stores the value in slot i: a present integer constant is set in place,
// anything else there is replaced by a new one.
void OrvSetLayoutSlot(OrvExpr* node, int i, int64_t value);
// Creates slot i with the value 0 when it holds no integer constant.
void OrvEnsureLayoutSlot(OrvExpr* node, int i);

// The bounds of an OCCURS clause: *from the lower or only count, *to the
// upper count of a range (null when there is none).  False, with both null,
// when the clause gives no count ("Times" absent).
bool OrvOccursBounds(const OrvExpr* occurs, OrvExpr** from, OrvExpr** to);

#endif
