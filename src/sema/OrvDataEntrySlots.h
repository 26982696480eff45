// The argument slots of data-description nodes that the layout, the value
// expressions and the data-item table read and write, and the access to
// them: a slot counts as present when it holds a node that is not a
// NULL_NODE; the layout results (slots 17 to 20 of an entry, slot 4 of an
// OCCURS clause) are INT_NUM_CONST nodes holding 64-bit byte counts.
#ifndef LARK_SEMA_ORVDATAENTRYSLOTS_H
#define LARK_SEMA_ORVDATAENTRYSLOTS_H

#include <cstdint>

class OrvExpr;

// DECL_DD_ENTRY.
enum OrvDataEntrySlot {
  ORV_DD_LEVEL = 0,
  ORV_DD_NAME = 2,
  ORV_DD_REDEFINES = 3,
  ORV_DD_PICTURE = 4,
  ORV_DD_USAGE = 5,
  ORV_DD_RENAMES = 12,
  ORV_DD_OCCURS = 13,
  ORV_DD_CATEGORY = 16,
  ORV_DD_LENGTH = 17,
  ORV_DD_OFFSET_IN_GROUP = 18,
  ORV_DD_OFFSET = 19,          // from the 01/77 level
  ORV_DD_GLOBAL_OFFSET = 20
};
// DECL_DD holder: the entry and the DECL_DD_LIST of its subordinates.
const int ORV_HOLDER_ENTRY = 0;
const int ORV_HOLDER_SUBORDINATES = 1;
// DX_OCCURS.
const int ORV_OCCURS_TIMES = 0;
const int ORV_OCCURS_DEPENDING = 1;
const int ORV_OCCURS_ELEMENT_LENGTH = 4;
// DECL_CONST_ENTRY (level 78) and DECL_COND_ENTRY (level 88).
const int ORV_CONST_NAME = 2;
const int ORV_CONST_VALUE = 3;
const int ORV_CONST_ACTUAL_VALUE = 5;
const int ORV_COND_NAME = 2;
const int ORV_COND_VALUE = 3;

// The child of slot i when it is present (held, not a NULL_NODE, and the
// node has that many slots); null otherwise.
OrvExpr* OrvSlot(const OrvExpr* node, int i);

// The level number of an entry (the value of slot 0), 0 when it has none.
int OrvEntryLevel(const OrvExpr* entry);

// True with *value set when slot i holds an integer constant.
bool OrvLayoutSlotValue(const OrvExpr* node, int i, int64_t* value);
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
