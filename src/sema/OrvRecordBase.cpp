// Record bases for START OF and NEXT.
#include "OrvRecordBase.h"

#include <unordered_map>
#include <vector>

#include "OrvDataEntrySearch.h"
#include "OrvDataEntrySlots.h"
#include "OrvExpr.h"
#include "OrvLayoutState.h"
#include "OrvOper.h"

namespace {

bool Is(const OrvExpr* node, int op) { return node != nullptr && node->Oper() == op; }

// The data entry of a holder of the list, or null.
OrvExpr* DataEntryOf(OrvExpr* holder) {
  OrvExpr* entry = Is(holder, DECL_DD) ? OrvSlot(holder, DECL_DD__DATA_DESCRIPTION_ENTRY) : nullptr;
  return Is(entry, DECL_DD_ENTRY) ? entry : nullptr;
}

// The length a record holds in its section's sum; false for none (no
// length yet).
bool RecordLength(OrvExpr* entry, int64_t* length) {
  return OrvLayoutSlotValue(entry, DECL_DD_ENTRY__LENGTH, length);
}

// The REDEFINES roots of the records of one section, each link of a chain
// followed once: in a chain of n records that each redefine the one before,
// asking every record for its root costs n links in all, not n per record.
class RedefinesRoots {
 public:
  void Clear() { roots_.clear(); }

  // OrvRedefinesRoot of the entry.
  OrvExpr* Of(OrvExpr* entry) {
    path_.clear();
    OrvExpr* root = nullptr;
    for (;;) {
      auto known = roots_.find(entry);
      if (known != roots_.end()) {
        root = known->second;
        break;
      }
      if (!Is(entry, DECL_DD_ENTRY)) break;
      path_.push_back(entry);
      if (OrvSlot(entry, DECL_DD_ENTRY__REDEFINES_CLAUSE) == nullptr) {
        root = entry;
        break;
      }
      entry = OrvRedefinedEntry(entry);
    }
    for (OrvExpr* e : path_) roots_[e] = root;
    return root;
  }

 private:
  std::unordered_map<OrvExpr*, OrvExpr*> roots_;
  std::vector<OrvExpr*> path_;
};

// What the records laid out so far in one section add up to.  Each record
// counts with the longest of itself and its redefinitions; a longer
// redefinition replaces its record's share of the sum.
struct Tracker {
  OrvExpr* list = nullptr;
  OrvExpr* current = nullptr;  // the record being laid out
  int64_t sum = 0;             // ORV_LAYOUT_UNDEF once a length was undefined
  std::unordered_map<OrvExpr*, int64_t> room;  // record entry -> its share's length
  RedefinesRoots roots;

  void Reset(OrvExpr* section) {
    list = section;
    current = nullptr;
    sum = 0;
    room.clear();
    roots.Clear();
  }

  void Add(OrvExpr* holder) {
    OrvExpr* entry = DataEntryOf(holder);
    int64_t length = 0;
    if (entry == nullptr || !RecordLength(entry, &length)) return;
    if (OrvSlot(entry, DECL_DD_ENTRY__REDEFINES_CLAUSE) == nullptr) {
      room[entry] = length;
      sum = OrvLayoutSum(sum, OrvLayoutRoundUp(length, 8));
      return;
    }
    if (length == ORV_LAYOUT_UNDEF) return;
    auto record = room.find(roots.Of(entry));
    if (record == room.end() || record->second == ORV_LAYOUT_UNDEF || length <= record->second)
      return;
    sum = OrvLayoutDiff(OrvLayoutSum(sum, OrvLayoutRoundUp(length, 8)),
                        OrvLayoutRoundUp(record->second, 8));
    record->second = length;
  }
};

Tracker tracker;

// The longest redefinition of each record of the list.
std::unordered_map<OrvExpr*, int64_t> LongestRedefinitions(OrvExpr* list) {
  std::unordered_map<OrvExpr*, int64_t> longest;
  RedefinesRoots roots;
  for (int i = 0; i < list->NArgs(); ++i) {
    OrvExpr* entry = DataEntryOf(list->Args(i));
    int64_t length = 0;
    if (entry == nullptr || OrvSlot(entry, DECL_DD_ENTRY__REDEFINES_CLAUSE) == nullptr ||
        !RecordLength(entry, &length) || length == ORV_LAYOUT_UNDEF)
      continue;
    OrvExpr* root = roots.Of(entry);
    if (root == nullptr) continue;
    int64_t& known = longest[root];
    if (length > known) known = length;
  }
  return longest;
}

}  // namespace

bool OrvRecordBase(OrvExpr* list, OrvExpr* rootHolder, int64_t* base) {
  if (list != nullptr && list == tracker.list && rootHolder == tracker.current) {
    *base = tracker.sum;
    return tracker.sum != ORV_LAYOUT_UNDEF;
  }
  std::unordered_map<OrvExpr*, int64_t> longest = LongestRedefinitions(list);
  *base = 0;
  for (int i = 0; i < list->NArgs() && list->Args(i) != rootHolder; ++i) {
    OrvExpr* entry = DataEntryOf(list->Args(i));
    int64_t length = 0;
    if (entry == nullptr || OrvSlot(entry, DECL_DD_ENTRY__REDEFINES_CLAUSE) != nullptr ||
        !RecordLength(entry, &length))
      continue;
    auto redefined = longest.find(entry);
    if (redefined != longest.end()) length = OrvLayoutMax(length, redefined->second);
    *base = OrvLayoutSum(*base, OrvLayoutRoundUp(length, 8));
    if (*base == ORV_LAYOUT_UNDEF) return false;
  }
  return true;
}

void OrvRecordBaseStartSection(OrvExpr* list) { tracker.Reset(list); }

void OrvRecordBaseEnterRecord(OrvExpr* holder) { tracker.current = holder; }

void OrvRecordBaseLeaveRecord(OrvExpr* holder) {
  tracker.current = nullptr;
  tracker.Add(holder);
}
