// Searches among data-description entries.
//
// A name use is resolved to one definition, and a definition hangs in slot 2
// of exactly one entry, so the entry a use names is found by climbing from
// its definition, not by scanning the list: the answer is the same and the
// cost does not grow with the record.
#include "OrvDataEntrySearch.h"

#include "OrvDataEntrySlots.h"
#include "OrvExpr.h"
#include "OrvOper.h"
#include "OrvQualName.h"

namespace {

bool Is(const OrvExpr* node, int op) { return node != nullptr && node->Oper() == op; }

// The DECL_DD_ENTRY whose name is `def`, or null.
OrvExpr* EntryOfDef(OrvExpr* def) {
  if (!Is(def, NAMED_OBJ_DEF)) return nullptr;
  OrvExpr* entry = def->Parent();
  if (!Is(entry, DECL_DD_ENTRY) || OrvSlot(entry, DECL_DD_ENTRY__DATA_ITEM_DEFINED) != def) return nullptr;
  return entry;
}

// The DECL_DD_LIST that holds the entry's DECL_DD, or null.
OrvExpr* ListOfEntry(OrvExpr* entry) {
  OrvExpr* holder = entry != nullptr ? entry->Parent() : nullptr;
  if (!Is(holder, DECL_DD) || OrvSlot(holder, DECL_DD__DATA_DESCRIPTION_ENTRY) != entry) return nullptr;
  OrvExpr* list = holder->Parent();
  return Is(list, DECL_DD_LIST) ? list : nullptr;
}

// True when the entry's list is `list` or lies below it through holders.
bool LiesBelow(OrvExpr* entry, OrvExpr* list) {
  for (OrvExpr* at = ListOfEntry(entry); at != nullptr;) {
    if (at == list) return true;
    OrvExpr* holder = at->Parent();
    if (!Is(holder, DECL_DD) || OrvSlot(holder, DECL_DD__SUBORDINATE_ENTRIES) != at) return false;
    at = ListOfEntry(OrvSlot(holder, DECL_DD__DATA_DESCRIPTION_ENTRY));
  }
  return false;
}

}  // namespace

OrvExpr* OrvFindDefInGroup(OrvExpr* entry, OrvExpr* use, int mode) {
  if (mode != ORV_FIND_PLAIN && mode != ORV_FIND_RECURSIVE) return nullptr;
  if (!Is(use, NAMED_OBJ_USE)) return nullptr;
  OrvExpr* list = ListOfEntry(entry);
  OrvExpr* target = EntryOfDef(OrvDefForNamedObjUse(use));
  if (list == nullptr || target == nullptr) return nullptr;
  if (mode == ORV_FIND_PLAIN) return ListOfEntry(target) == list ? target : nullptr;
  return LiesBelow(target, list) ? target : nullptr;
}

long OrvRedefinedEntryCalls = 0;

OrvExpr* OrvRedefinedEntry(OrvExpr* entry) {
  ++OrvRedefinedEntryCalls;
  OrvExpr* clause = OrvSlot(entry, DECL_DD_ENTRY__REDEFINES_CLAUSE);
  if (clause == nullptr) return nullptr;
  OrvExpr* target = OrvFindDefInGroup(entry, OrvSlot(clause, DX_REDEFINES__REDEFINED_ITEM), ORV_FIND_PLAIN);
  return target != nullptr && target->Serial() < entry->Serial() ? target : nullptr;
}

OrvExpr* OrvRedefinesRoot(OrvExpr* entry) {
  // Each link goes to an entry made earlier, so the chain ends.
  while (Is(entry, DECL_DD_ENTRY)) {
    if (OrvSlot(entry, DECL_DD_ENTRY__REDEFINES_CLAUSE) == nullptr) return entry;
    entry = OrvRedefinedEntry(entry);
  }
  return nullptr;
}

OrvExpr* OrvLastDataEntry(OrvExpr* node) {
  if (Is(node, DECL_DD)) {
    OrvExpr* entry = OrvSlot(node, DECL_DD__DATA_DESCRIPTION_ENTRY);
    return Is(entry, DECL_DD_ENTRY) ? entry : nullptr;
  }
  if (!Is(node, DECL_DD_LIST)) return nullptr;
  for (int i = node->NArgs() - 1; i >= 0; --i) {
    if (OrvExpr* entry = OrvLastDataEntry(node->Args(i))) return entry;
  }
  return nullptr;
}

int OrvHasOnlyConstSubordinates(OrvExpr* dd) {
  OrvExpr* list = OrvSlot(dd, DECL_DD__SUBORDINATE_ENTRIES);
  if (list == nullptr) return 0;
  for (int i = 0; i < list->NArgs(); ++i) {
    OrvExpr* sub = list->Args(i);
    if (!Is(sub, DECL_DD)) continue;
    OrvExpr* entry = OrvSlot(sub, DECL_DD__DATA_DESCRIPTION_ENTRY);
    if (!Is(entry, DECL_CONST_ENTRY) && !Is(entry, DECL_COND_ENTRY)) return 0;
  }
  return 1;
}

int OrvIsGroupHolder(OrvExpr* dd) {
  OrvExpr* list = OrvSlot(dd, DECL_DD__SUBORDINATE_ENTRIES);
  if (list == nullptr) return 0;
  for (int i = 0; i < list->NArgs(); ++i) {
    OrvExpr* sub = list->Args(i);
    if (Is(sub, DECL_DD) && Is(OrvSlot(sub, DECL_DD__DATA_DESCRIPTION_ENTRY), DECL_DD_ENTRY)) return 1;
  }
  return 0;
}
