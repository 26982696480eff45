// Lengths and offsets of data items.
//
// Items are laid out in source order at the layout's current offset (the
// offset from the record start where the next item goes).  A group takes
// the room from its first subordinate to the end of its last; a REDEFINES
// item goes where the item it redefines went and never moves what follows,
// except that a redefinition longer than what it redefines pushes the next
// items (and the end of its group) behind itself; a table is one element
// times the number of elements.  Once an offset is undefined (a table sized
// at run time with "lo-unfold-flex-arrays" off) the offsets after it in the
// record are undefined too.
#include "OrvLengthsAndOffsets.h"

#include "OrvDataEntrySearch.h"
#include "OrvDataEntrySlots.h"
#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvItemLength.h"
#include "OrvOper.h"
#include "OrvRecordBase.h"
#include "OrvTreeUtil.h"
#include "OrvTreeWalk.h"
#include "OrvValueExpr.h"

namespace {

bool Is(const OrvExpr* node, int op) { return node != nullptr && node->Oper() == op; }

// The byte count in slot i, UNDEF when the slot holds none.
int64_t SlotValue(const OrvExpr* node, int i) {
  int64_t value = ORV_LAYOUT_UNDEF;
  return OrvLayoutSlotValue(node, i, &value) ? value : ORV_LAYOUT_UNDEF;
}

int64_t& Current() { return OrvLayout.currentOffset; }

// A DECL_DD that holds a data entry (not a level-78 or level-88 one).
bool IsDataHolder(const OrvExpr* node) {
  return Is(node, DECL_DD) && Is(OrvSlot(node, DECL_DD__DATA_DESCRIPTION_ENTRY), DECL_DD_ENTRY);
}

// The shape of an OCCURS clause.
struct TableShape {
  OrvExpr* occurs = nullptr;  // the clause, null for no table
  int64_t count = 1;          // the largest number of elements
  bool flexible = false;      // sized at run time (DEPENDING ON)
};

// A count of an OCCURS clause that can be used: an integer, not negative.
bool TableCount(OrvExpr* bound, int64_t* value) {
  return OrvCalcIntValue(bound, value) && *value >= 0;
}

TableShape ReadOccurs(OrvExpr* entry) {
  TableShape table;
  table.occurs = OrvSlot(entry, DECL_DD_ENTRY__OCCURS);
  if (table.occurs == nullptr) return table;
  table.flexible = OrvSlot(table.occurs, DX_OCCURS__DEPENDING_ON) != nullptr;
  OrvExpr* from = nullptr;
  OrvExpr* to = nullptr;
  if (!OrvOccursBounds(table.occurs, &from, &to)) return table;
  OrvExpr* upper = from;
  if (to != nullptr) {
    int64_t lower = 0;
    if (!TableCount(from, &lower))
      OrvLayoutReport(entry, VString("Cannot compute lower bound for array"));
    upper = to;
  }
  if (!TableCount(upper, &table.count)) {
    OrvLayoutReport(entry, VString("Cannot compute upper bound for array"));
    table.count = 1;
  }
  return table;
}

// The length of `element` times the count, UNDEF for a table sized at run
// time that the options leave unsized.
int64_t TableLength(const TableShape& table, int64_t element, const OrvLayoutOptions& options) {
  if (table.flexible && options.unfoldFlexArrays == 0) return ORV_LAYOUT_UNDEF;
  return OrvLayoutProduct(element, table.count);
}

// After the first element of a table was placed: the offset moves to the
// end of the whole table.
void SkipRestOfTable(int64_t length, int64_t element) {
  if (length == ORV_LAYOUT_UNDEF)
    Current() = ORV_LAYOUT_UNDEF;
  else if (Current() != ORV_LAYOUT_UNDEF)
    Current() = OrvLayoutDiff(OrvLayoutSum(Current(), length), element);
}

// Places one elementary item at the current offset.
void PlaceItem(OrvExpr* entry, const OrvLayoutOptions& options) {
  int length = OrvCalcItemLength(entry, options);
  OrvSetLayoutSlot(entry, DECL_DD_ENTRY__LENGTH, length);
  OrvSetLayoutSlot(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL, Current());
  if (Current() != ORV_LAYOUT_UNDEF) Current() = OrvLayoutSum(Current(), length);
}

// The entry a RENAMES operand names: found anywhere in the record, and
// written before the 66 entry (a later item has no layout yet).
OrvExpr* RenamedEntry(OrvExpr* entry, OrvExpr* use) {
  OrvExpr* target = OrvFindDefInGroup(entry, use, ORV_FIND_RECURSIVE);
  return target != nullptr && target->Serial() < entry->Serial() ? target : nullptr;
}

// Level 66: the offset and length of the renamed stretch; the current
// offset does not move.
void CalcRenames(OrvExpr* entry) {
  OrvExpr* range = OrvSlot(OrvSlot(entry, DECL_DD_ENTRY__RENAMES), DX_RENAMES__RENAMED_ITEMS);
  OrvExpr* toUse = OrvSlot(range, EX_RENAMES_THRU__TO);
  OrvExpr* from = RenamedEntry(entry, OrvSlot(range, EX_RENAMES_THRU__FROM));
  OrvExpr* to = toUse != nullptr ? RenamedEntry(entry, toUse) : from;
  if (from == nullptr || to == nullptr) {
    OrvSetLayoutSlot(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL, Current());
    OrvSetLayoutSlot(entry, DECL_DD_ENTRY__LENGTH, 0);
    OrvLayoutReport(entry, VString(toUse != nullptr ? "Arguments of RENAMES THROUGH not found"
                                                    : "Argument of RENAMES not found"));
    return;
  }
  int64_t start = SlotValue(from, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL);
  int64_t length = SlotValue(from, DECL_DD_ENTRY__LENGTH);
  if (toUse != nullptr) {
    int64_t end = OrvLayoutSum(SlotValue(to, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL), SlotValue(to, DECL_DD_ENTRY__LENGTH));
    length = OrvLayoutDiff(end, start);
    // THROUGH an item that ends before the first one starts renames nothing
    // that has a length.
    if (length < 0) length = ORV_LAYOUT_UNDEF;
  }
  OrvSetLayoutSlot(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL, start);
  OrvSetLayoutSlot(entry, DECL_DD_ENTRY__LENGTH, length);
}

void LayOutHolder(OrvExpr* dd, const OrvLayoutOptions& options);

// Lays out every DECL_DD of the list from index `begin` to before `end`.
void LayOutRange(OrvExpr* list, int begin, int end, const OrvLayoutOptions& options) {
  for (int i = begin; i < end; ++i) {
    OrvExpr* sub = list->Args(i);
    if (Is(sub, DECL_DD)) LayOutHolder(sub, options);
  }
}

void LayOutElementary(OrvExpr* dd, OrvExpr* entry, const TableShape& table,
                      const OrvLayoutOptions& options) {
  PlaceItem(entry, options);
  if (table.occurs != nullptr) {
    // Sizing the item again aligns the end of the first element, so that
    // every element begins on the boundary of the first.
    int64_t element = OrvCalcItemLength(entry, options, ORV_ITEM_SIZE_ONLY);
    int64_t length = TableLength(table, element, options);
    OrvSetLayoutSlot(entry, DECL_DD_ENTRY__LENGTH, length);
    SkipRestOfTable(length, element);
    OrvSetLayoutSlot(table.occurs, DX_OCCURS__LENGTH_OF_THE_ARRAY_ELEMENT, element);
  }
  OrvExpr* list = OrvSlot(dd, DECL_DD__SUBORDINATE_ENTRIES);
  if (list != nullptr) LayOutRange(list, 0, list->NArgs(), options);
}

// Lays out the subordinates after the first one.  `high` is the end of what
// has been laid out so far, a redefinition included.
void LayOutSiblings(OrvExpr* list, int first, int64_t& high, const OrvLayoutOptions& options) {
  for (int i = first + 1; i < list->NArgs(); ++i) {
    OrvExpr* sub = list->Args(i);
    if (!Is(sub, DECL_DD)) continue;
    OrvExpr* subEntry = OrvSlot(sub, DECL_DD__DATA_DESCRIPTION_ENTRY);
    bool redefining =
        Is(subEntry, DECL_DD_ENTRY) && OrvSlot(subEntry, DECL_DD_ENTRY__REDEFINES_CLAUSE) != nullptr;
    if (!redefining) Current() = high;
    LayOutHolder(sub, options);
    if (redefining) {
      int64_t end = OrvLayoutSum(SlotValue(subEntry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL),
                                 SlotValue(subEntry, DECL_DD_ENTRY__LENGTH));
      high = OrvLayoutMax(high, end);
    } else {
      high = Current();
    }
  }
}

// Every entry below the list loses its offset from the record start.
void ForgetOffsets(OrvExpr* list) {
  for (int i = 0; i < list->NArgs(); ++i) {
    OrvExpr* sub = list->Args(i);
    if (!Is(sub, DECL_DD)) continue;
    OrvExpr* entry = OrvSlot(sub, DECL_DD__DATA_DESCRIPTION_ENTRY);
    if (Is(entry, DECL_DD_ENTRY)) OrvSetLayoutSlot(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL, ORV_LAYOUT_UNDEF);
    if (OrvExpr* deeper = OrvSlot(sub, DECL_DD__SUBORDINATE_ENTRIES)) ForgetOffsets(deeper);
  }
}

// Slot 18 of each data entry of the list: its offset from the list's first
// data entry.
void SetOffsetsInGroup(OrvExpr* list, OrvExpr* firstEntry) {
  int64_t base = SlotValue(firstEntry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL);
  for (int i = 0; i < list->NArgs(); ++i) {
    OrvExpr* sub = list->Args(i);
    OrvExpr* entry = Is(sub, DECL_DD) ? OrvSlot(sub, DECL_DD__DATA_DESCRIPTION_ENTRY) : nullptr;
    if (!Is(entry, DECL_DD_ENTRY)) continue;
    OrvSetLayoutSlot(entry, DECL_DD_ENTRY__OFFSET_FROM_UPPER_LEVEL,
                     OrvLayoutDiff(SlotValue(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL), base));
  }
}

// A group that is no table.  At an undefined offset its items are laid out
// from a stand-in 0, which gives the lengths; their offsets from the record
// start stay undefined, and so does the offset after the group.
void LayOutPlainGroup(OrvExpr* dd, OrvExpr* entry, OrvExpr* list, int first,
                      const OrvLayoutOptions& options) {
  bool floating = Current() == ORV_LAYOUT_UNDEF;
  bool outermost = floating && OrvLayout.floatingGroup == nullptr;
  if (floating) Current() = 0;
  if (outermost) OrvLayout.floatingGroup = dd;
  OrvSetLayoutSlot(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL, Current());
  LayOutHolder(list->Args(first), options);
  int64_t high = Current();
  LayOutSiblings(list, first, high, options);
  Current() = OrvLayoutMax(Current(), high);
  OrvSetLayoutSlot(entry, DECL_DD_ENTRY__LENGTH,
                   OrvLayoutDiff(Current(), SlotValue(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL)));
  if (floating) {
    ForgetOffsets(list);
    Current() = ORV_LAYOUT_UNDEF;
    OrvSetLayoutSlot(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL, ORV_LAYOUT_UNDEF);
  }
  if (outermost) OrvLayout.floatingGroup = nullptr;
}

// A group with OCCURS: it begins where its first subordinate was placed
// (after that item's alignment) and takes the count times one element.
void LayOutTableGroup(OrvExpr* entry, OrvExpr* list, int first, const TableShape& table,
                      const OrvLayoutOptions& options) {
  OrvExpr* firstHolder = list->Args(first);
  OrvExpr* firstEntry = OrvSlot(firstHolder, DECL_DD__DATA_DESCRIPTION_ENTRY);
  LayOutHolder(firstHolder, options);
  int64_t start = SlotValue(firstEntry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL);
  OrvSetLayoutSlot(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL, start);
  int64_t high = Current();
  LayOutSiblings(list, first, high, options);
  Current() = OrvLayoutMax(Current(), high);
  // The next element begins where the first subordinate would be aligned.
  int64_t element = OrvCalcItemLength(firstEntry, options, ORV_ITEM_SIZE_ONLY);
  if (start == ORV_LAYOUT_UNDEF || Current() == ORV_LAYOUT_UNDEF) {
    OrvSetLayoutSlot(entry, DECL_DD_ENTRY__LENGTH, ORV_LAYOUT_UNDEF);
  } else {
    element = Current() - start;
    int64_t length = TableLength(table, element, options);
    OrvSetLayoutSlot(entry, DECL_DD_ENTRY__LENGTH, length);
    SkipRestOfTable(length, element);
  }
  OrvSetLayoutSlot(table.occurs, DX_OCCURS__LENGTH_OF_THE_ARRAY_ELEMENT, element);
}

void LayOutGroup(OrvExpr* dd, OrvExpr* entry, const TableShape& table,
                 const OrvLayoutOptions& options) {
  OrvExpr* list = OrvSlot(dd, DECL_DD__SUBORDINATE_ENTRIES);
  entry->SetArg(DECL_DD_ENTRY__CATEGORY, new OrvExprOper(DCAT_GROUP), -1, 0);
  // A group holds a data entry (OrvIsGroupHolder), so there is a first.
  int first = 0;
  while (!IsDataHolder(list->Args(first))) ++first;
  if (table.occurs == nullptr)
    LayOutPlainGroup(dd, entry, list, first, options);
  else
    LayOutTableGroup(entry, list, first, table, options);
  // The group's own 78 and 88 entries, written before its first item.
  LayOutRange(list, 0, first, options);
  if (OrvLayout.offsetsInGroup)
    SetOffsetsInGroup(list, OrvSlot(list->Args(first), DECL_DD__DATA_DESCRIPTION_ENTRY));
}

// Slot 20 of every data entry of the record.
void SetGlobalOffsets(OrvExpr* dd, int64_t base) {
  OrvExpr* entry = OrvSlot(dd, DECL_DD__DATA_DESCRIPTION_ENTRY);
  if (Is(entry, DECL_DD_ENTRY)) {
    int64_t offset = SlotValue(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL);
    OrvSetLayoutSlot(entry, DECL_DD_ENTRY__OFFSET_GLOBAL, OrvLayoutSum(base, offset));
  }
  OrvExpr* list = OrvSlot(dd, DECL_DD__SUBORDINATE_ENTRIES);
  for (int i = 0; list != nullptr && i < list->NArgs(); ++i) {
    if (Is(list->Args(i), DECL_DD)) SetGlobalOffsets(list->Args(i), base);
  }
}

// The place of a 01/77 record in its storage section: records follow each
// other on 8-byte boundaries, a record that redefines another shares its
// room.  An undefined record length leaves the rest of the section without
// global offsets.
void PlaceRecord(OrvExpr* dd, OrvExpr* entry) {
  int64_t length = SlotValue(entry, DECL_DD_ENTRY__LENGTH);
  int64_t size = OrvLayoutRoundUp(length, 8);
  if (OrvSlot(entry, DECL_DD_ENTRY__REDEFINES_CLAUSE) != nullptr) {
    OrvLayout.previousSlot = OrvLayoutMax(OrvLayout.previousSlot, size);
  } else {
    OrvLayout.recordBase = OrvLayoutSum(OrvLayout.recordBase, OrvLayout.previousSlot);
    OrvLayout.previousSlot = size;
  }
  // LINKAGE and FILE SECTION records are each addressed on their own.
  OrvExpr* section = OrvEnclosingSection(entry);
  if (!Is(section, SECTION_WORKING_STORAGE) && !Is(section, SECTION_LOCAL_STORAGE))
    OrvLayout.recordBase = 0;
  SetGlobalOffsets(dd, OrvLayout.recordBase);
}

// Level 78: the constant's value, once.
void CalcConstant(OrvExpr* entry) {
  if (!OrvLayout.constantValues || OrvSlot(entry, DECL_CONST_ENTRY__ACTUAL_CONSTANT_VALUE) != nullptr) return;
  if (entry->NArgs() <= DECL_CONST_ENTRY__ACTUAL_CONSTANT_VALUE) return;
  if (OrvExpr* value = OrvCalcValueExpr(entry))
    entry->SetArg(DECL_CONST_ENTRY__ACTUAL_CONSTANT_VALUE, value, -1, 0);
}

void LayOutHolder(OrvExpr* dd, const OrvLayoutOptions& options) {
  OrvExpr* entry = OrvSlot(dd, DECL_DD__DATA_DESCRIPTION_ENTRY);
  if (Is(entry, DECL_CONST_ENTRY)) {
    CalcConstant(entry);
    return;
  }
  if (!Is(entry, DECL_DD_ENTRY)) return;
  int level = OrvEntryLevel(entry);
  if (level == 78 || level == 88) return;
  // Until the item is laid out its offset and length are not known: a
  // value expression met on the way (START OF or LENGTH OF the group being
  // laid out) has no value rather than a stand-in.  The offset slot is
  // made when the offset is known.
  if (OrvSlot(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL) != nullptr)
    OrvSetLayoutSlot(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL, ORV_LAYOUT_UNDEF);
  OrvSetLayoutSlot(entry, DECL_DD_ENTRY__LENGTH, ORV_LAYOUT_UNDEF);
  if (OrvLayout.offsetsInGroup) OrvEnsureLayoutSlot(entry, DECL_DD_ENTRY__OFFSET_FROM_UPPER_LEVEL);
  TableShape table = ReadOccurs(entry);
  if (level == 66) {
    CalcRenames(entry);
    return;
  }
  bool record = level == 1 || level == 77;
  if (record) Current() = 0;
  bool redefines = OrvSlot(entry, DECL_DD_ENTRY__REDEFINES_CLAUSE) != nullptr;
  bool restore = false;
  int64_t saved = 0;
  if (redefines) {
    OrvExpr* target = OrvRedefinedEntry(entry);
    if (target != nullptr) {
      // A redefinition never moves what follows it.
      saved = Current();
      restore = true;
      Current() = SlotValue(target, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL);
    } else {
      OrvLayoutReport(entry, VString("No Argument for REDEFINES found in current context"));
    }
  }
  if (OrvIsGroupHolder(dd))
    LayOutGroup(dd, entry, table, options);
  else
    LayOutElementary(dd, entry, table, options);
  if (restore) Current() = saved;
  if (record && OrvLayout.globalOffsets) PlaceRecord(dd, entry);
}

// Lays out the records of a storage section, FD or SD from its start.
void LayOutSection(OrvExpr* list) {
  OrvLayout.currentOffset = 0;
  OrvLayout.recordBase = 0;
  OrvLayout.previousSlot = 0;
  if (!Is(list, DECL_DD_LIST)) return;
  OrvRecordBaseStartSection(list);
  for (int i = 0; i < list->NArgs(); ++i) {
    OrvExpr* record = list->Args(i);
    if (!Is(record, DECL_DD)) continue;
    OrvRecordBaseEnterRecord(record);
    LayOutHolder(record, OrvLayoutOptionsInUse);
    OrvRecordBaseLeaveRecord(record);
  }
  OrvRecordBaseStartSection(nullptr);
}

int LayOutSections(OrvExpr* node, void*) {
  switch (node->Oper()) {
    case DIVISION_IDENTIFICATION:
    case DIVISION_ENVIRONMENT:
    case DIVISION_PROCEDURE:
      // No data section lies there.
      return ORV_WALK_SKIP;
    case SECTION_WORKING_STORAGE:
    case SECTION_LOCAL_STORAGE:
    case SECTION_LINKAGE:
      LayOutSection(OrvSlot(node, SECTION_WORKING_STORAGE__DATA_DESCRIPTION_ENTRIES));
      return ORV_WALK_SKIP;
    case DECL_FD:
      LayOutSection(OrvSlot(node, DECL_FD__RECORD_DESCRIPTION_ENTRIES));
      return ORV_WALK_SKIP;
    default:
      return ORV_WALK_CHILDREN;
  }
}

// Each program lays out its own sections and those of the programs it
// contains; a contained program is thus laid out again by every program
// around it, each time with the same results.
int LayOutProgram(OrvExpr* node, void*) {
  switch (node->Oper()) {
    case COBOL_PROGRAM:
      WalkTheTree(node, nullptr, LayOutSections);
      return ORV_WALK_CHILDREN;
    case DIVISION_IDENTIFICATION:
    case DIVISION_ENVIRONMENT:
    case DIVISION_DATA:
    case DIVISION_PROCEDURE:
      // Programs are contained in programs, never in their divisions.
      return ORV_WALK_SKIP;
    default:
      return ORV_WALK_CHILDREN;
  }
}

}  // namespace

void OrvCalcDataOffsets(OrvExpr* node, const OrvLayoutOptions& options) {
  if (node == nullptr) return;
  switch (node->Oper()) {
    case DECL_DD_LIST:
      LayOutRange(node, 0, node->NArgs(), options);
      break;
    case DECL_DD:
      LayOutHolder(node, options);
      break;
    case DECL_DD_ENTRY:
      PlaceItem(node, options);
      break;
    default:
      break;
  }
}

int OrvCalcLengthsAndOffsets(OrvExpr* root, OrvTokenList* messages, int offsetsInGroup,
                             int globalOffsets, int constantValues,
                             const OrvLayoutOptions& options) {
  OrvLayoutOptionsInUse = options;
  OrvLayout.currentOffset = 0;
  OrvLayout.recordBase = 0;
  OrvLayout.previousSlot = 0;
  OrvLayout.messages = messages;
  OrvLayout.offsetsInGroup = offsetsInGroup;
  OrvLayout.globalOffsets = globalOffsets;
  OrvLayout.constantValues = constantValues;
  OrvLayout.floatingGroup = nullptr;
  WalkTheTree(root, nullptr, LayOutProgram);
  OrvLayout.messages = nullptr;
  return 0;
}
