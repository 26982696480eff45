// The data-item table.  Every row is built in one text and written whole;
// its columns stand at fixed places, and a text longer than its column
// shifts the rest of the row to the right instead of being cut.
#include "OrvMemOffsets.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "OrvDataEntrySlots.h"
#include "OrvExpr.h"
#include "OrvExprStr.h"
#include "OrvLayoutState.h"
#include "OrvOper.h"
#include "OrvTreeUtil.h"
#include "OrvValueExpr.h"

std::ostream* memOffsetsStream = nullptr;

namespace {

const char kRule[] =
    "--+-------------------------------+----------+--+-------+-+------+------+------\n";
const char kHeader[] =
    "Lv|Data-Name                      |PIC       |CT|USAGE  |S|Offset|Length|OfsGlb\n";
static_assert(sizeof kRule == sizeof kHeader, "the table's lines are of one width");

// Where each column ends (its bar follows).
const int kNameEnd = 34;
const int kPicEnd = 45;
const int kCategoryEnd = 48;
const int kUsageEnd = 56;
const int kOffsetEnd = 65;
const int kLengthEnd = 72;
const int kRowEnd = 79;

bool Is(const OrvExpr* node, int op) { return node != nullptr && node->Oper() == op; }

// One line of the table, built in one buffer and written whole.  The row
// is written into a buffer on the stack, which holds any ordinary row; a
// longer text (deep nesting, long values) moves it to the heap.
class Row {
  static const size_t kRoom = 256;

 public:
  explicit Row(const char* start) : p_(room_), n_(0), cap_(kRoom) { *this << start; }
  Row(const Row&) = delete;
  Row& operator=(const Row&) = delete;

  Row& operator<<(const char* text) {
    Append(text, std::strlen(text));
    return *this;
  }
  Row& operator<<(const VString& text) {
    if (text.text != nullptr) Append(text.text, static_cast<size_t>(text.length));
    return *this;
  }
  Row& operator<<(int64_t number) {
    Reserve(24);
    std::to_chars_result end = std::to_chars(p_ + n_, p_ + n_ + 24, number);
    n_ = static_cast<size_t>(end.ptr - p_);
    return *this;
  }
  // ". " once per depth step.
  void Depth(int depth) {
    if (depth <= 0) return;
    Reserve(2 * static_cast<size_t>(depth));
    for (int i = 0; i < depth; ++i) {
      p_[n_++] = '.';
      p_[n_++] = ' ';
    }
  }
  // Blanks up to the column; a longer text stays as it is.
  void PadTo(int column) {
    const size_t to = static_cast<size_t>(column);
    if (n_ >= to) return;
    Reserve(to - n_);
    std::memset(p_ + n_, ' ', to - n_);
    n_ = to;
  }
  // Pads to the column and closes it with a bar.
  void Bar(int column) {
    PadTo(column);
    Reserve(1);
    p_[n_++] = '|';
  }
  // A byte count of a layout slot: "UNDEF" or six places right-aligned;
  // an absent slot gives nothing.
  void LayoutNumber(const OrvExpr* node, int slot) {
    int64_t value = 0;
    if (!OrvLayoutSlotValue(node, slot, &value)) return;
    if (value == ORV_LAYOUT_UNDEF) {
      Append("UNDEF", 5);
      return;
    }
    char digits[24];
    std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, value);
    const size_t width = static_cast<size_t>(end.ptr - digits);
    if (width < 6) {
      Reserve(6 - width);
      std::memset(p_ + n_, ' ', 6 - width);
      n_ += 6 - width;
    }
    Append(digits, width);
  }
  // Writes the line and ends it.  The table is not flushed row by row: the
  // driver flushes its output once each file is done.
  void WriteTo(std::ostream& out) {
    Reserve(1);
    p_[n_++] = '\n';
    out.write(p_, static_cast<std::streamsize>(n_));
  }

 private:
  void Append(const char* text, size_t length) {
    Reserve(length);
    std::memcpy(p_ + n_, text, length);
    n_ += length;
  }
  // Room for `extra` more characters.
  void Reserve(size_t extra) {
    if (n_ + extra > cap_) Grow(n_ + extra);
  }
  void Grow(size_t need) {
    size_t cap = cap_ * 2;
    while (cap < need) cap *= 2;
    std::unique_ptr<char[]> bigger(new char[cap]);
    std::memcpy(bigger.get(), p_, n_);
    heap_ = std::move(bigger);
    p_ = heap_.get();
    cap_ = cap;
  }

  char room_[kRoom];
  char* p_;
  size_t n_;
  size_t cap_;
  std::unique_ptr<char[]> heap_;
};

// The image of a name node, not copied; an empty text when it has none.
const VString& ImageOf(const OrvExpr* node) {
  static const VString kNone;
  if (node == nullptr || !node->HasImage() || node->Image() == nullptr) return kNone;
  return *node->Image();
}

// The USAGE column's text of a USAGE operation.
const char* UsageText(int usage) {
  switch (usage) {
    case DU_BINARY:
    case DU_COMP:
    case DU_COMP_0:
    case DU_COMP_1:
    case DU_COMP_1_ACU:
    case DU_COMP_1_RM:
    case DU_COMP_2:
    case DU_COMP_2_ACU:
    case DU_COMP_3:
    case DU_COMP_4:
    case DU_COMP_5:
    case DU_COMP_6:
    case DU_COMP_X:
    case DU_BIT:
    case DU_DISPLAY:
    case DU_INDEX:
    case DU_POINTER:
      return OrvOperTemplate(usage);
    case DU_DISPLAY_1:
      return "DISPL-1";
    case DU_PACKED_DECIMAL:
      return "PAK-DEC";
    case DU_PROC_POINTER:
      return "PROCPTR";
    default:
      // DU_COMP_RM too, although its print template is "COMP".
      return "UNKNOWN";
  }
}

// An OCCURS bound as the table shows it: its value, or UNDEF.
void Bound(Row& row, OrvExpr* bound) {
  int64_t value = 0;
  if (OrvCalcIntValue(bound, &value))
    row << value;
  else
    row << "UNDEF";
}

// The line under an item with OCCURS, RENAMES or REDEFINES.
void PrintDetailLine(std::ostream& out, OrvExpr* entry) {
  OrvExpr* occurs = OrvSlot(entry, DECL_DD_ENTRY__OCCURS);
  OrvExpr* renames = OrvSlot(entry, DECL_DD_ENTRY__RENAMES);
  OrvExpr* redefines = OrvSlot(entry, DECL_DD_ENTRY__REDEFINES_CLAUSE);
  if (occurs == nullptr && renames == nullptr && redefines == nullptr) return;
  Row line("  | ");
  if (occurs != nullptr) {
    line << " OCCURS ";
    OrvExpr* from = nullptr;
    OrvExpr* to = nullptr;
    if (OrvOccursBounds(occurs, &from, &to)) {
      if (to != nullptr) {
        Bound(line, from);
        line << " TO ";
      }
      Bound(line, to != nullptr ? to : from);
    } else {
      line << "UNDEF";
    }
    line << " TIMES";
    if (OrvExpr* depending = OrvSlot(occurs, DX_OCCURS__DEPENDING_ON))
      line << " DEPENDING ON " << OrvExprStr(OrvSlot(depending, EX_DEPENDING_ON__DATA_NAME));
    int64_t element = 0;
    if (OrvLayoutSlotValue(occurs, DX_OCCURS__LENGTH_OF_THE_ARRAY_ELEMENT, &element)) {
      line << " (loc-len=";
      if (element == ORV_LAYOUT_UNDEF)
        line << "UNDEF";
      else
        line << element;
      line << ")";
    }
  }
  if (renames != nullptr) {
    OrvExpr* range = OrvSlot(renames, DX_RENAMES__RENAMED_ITEMS);
    line << " RENAMES " << OrvExprStr(OrvSlot(range, EX_RENAMES_THRU__FROM));
    if (OrvExpr* to = OrvSlot(range, EX_RENAMES_THRU__TO)) line << " THROUGH " << OrvExprStr(to);
  }
  if (redefines != nullptr) line << " REDEFINES " << OrvExprStr(OrvSlot(redefines, DX_REDEFINES__REDEFINED_ITEM));
  line.WriteTo(out);
}

// The USAGE and SYNCHRONIZED clauses that the DECL_DD holders above an
// item give it, as OrvInheritedDataClauses finds them (1: none yet).  The
// print of a list passes them down from holder to holder instead of
// climbing from every item: the holders it goes through are the item's
// parents.
struct HeldClauses {
  int usage = 1;
  int sync = 1;
};

// Child i as stored, or null when there is no such slot (a NULL_NODE of the
// fill that is not made reads as null, as an absent clause).
OrvExpr* StoredChild(const OrvExpr* node, int i) {
  return i < node->NArgs() ? node->PeekChild(i) : nullptr;
}

// The clauses below the DECL_DD `holder`: those of its entry (slot 0) where
// it gives them, else those from above.
HeldClauses ClausesBelow(const OrvExpr* holder, HeldClauses above) {
  const OrvExpr* entry = StoredChild(holder, 0);
  if (entry == nullptr) return above;
  const OrvExpr* usage = StoredChild(entry, 5);
  if (usage != nullptr && usage->Oper() != NULL_NODE) {
    const OrvExpr* kind = StoredChild(usage, 0);
    if (kind != nullptr && kind->Oper() != NULL_NODE) above.usage = kind->Oper();
  }
  const OrvExpr* sync = StoredChild(entry, 9);
  if (sync != nullptr && sync->Oper() != NULL_NODE) above.sync = sync->Oper();
  return above;
}

// The clauses that the DECL_DD holders strictly above `node` give, up to
// DIVISION_DATA.
HeldClauses ClausesAbove(const OrvExpr* node) {
  std::vector<const OrvExpr*> holders;
  for (const OrvExpr* n = node->Parent(); n != nullptr && n->Oper() != DIVISION_DATA; n = n->Parent())
    if (n->Oper() == DECL_DD) holders.push_back(n);
  HeldClauses clauses;
  for (auto h = holders.rbegin(); h != holders.rend(); ++h) clauses = ClausesBelow(*h, clauses);
  return clauses;
}

void PrintItemRow(std::ostream& out, OrvExpr* entry, int depth, HeldClauses held) {
  int level = OrvEntryLevel(entry);
  if (level == 1 || level == 77) OrvPrintMemOffsetsRule(out);
  char levelText[16];
  if (level >= 0 && level <= 99) {
    levelText[0] = static_cast<char>('0' + level / 10);
    levelText[1] = static_cast<char>('0' + level % 10);
    levelText[2] = '|';
    levelText[3] = '\0';
  } else {
    std::snprintf(levelText, sizeof levelText, "%02d|", level);
  }
  Row row(levelText);
  row.Depth(depth);
  OrvExpr* name = OrvSlot(entry, DECL_DD_ENTRY__DATA_ITEM_DEFINED);
  if (name == nullptr)
    row << "(noname)";
  else if (Is(name, EX_FILLER))
    row << "FILLER";
  else
    row << ImageOf(name);
  row.Bar(kNameEnd);
  if (OrvExpr* picture = OrvSlot(OrvSlot(entry, DECL_DD_ENTRY__PICTURE), 0)) row << picture->Value();
  row.Bar(kPicEnd);
  if (OrvExpr* category = OrvSlot(entry, DECL_DD_ENTRY__CATEGORY)) {
    // Right-aligned in two places ("%2s").
    const char* text = OrvOperTemplate(category->Oper());
    for (size_t width = std::strlen(text); width < 2; ++width) row << " ";
    row << text;
  }
  row.Bar(kCategoryEnd);
  int usage = held.usage == 1 ? DU_DISPLAY : held.usage;
  int sync = held.sync;
  if (OrvFillNullSwitch) {
    // An empty slot is then read through ChildAt, which reports.
    int sign, separate;
    OrvInheritedDataClauses(entry, usage, sync, sign, separate);
  }
  row << UsageText(usage);
  row.Bar(kUsageEnd);
  row << (sync != 1 ? "*" : " ");
  row.Bar(kUsageEnd + 2);
  row.LayoutNumber(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL);
  row.Bar(kOffsetEnd);
  row.LayoutNumber(entry, DECL_DD_ENTRY__LENGTH);
  row.Bar(kLengthEnd);
  row.LayoutNumber(entry, DECL_DD_ENTRY__OFFSET_GLOBAL);
  row.PadTo(kRowEnd);
  row.WriteTo(out);
  PrintDetailLine(out, entry);
}

// The row of a condition name (88): its values and the WHEN FALSE value.
void PrintConditionRow(std::ostream& out, OrvExpr* entry, int depth) {
  Row row("88|");
  row.Depth(depth);
  row << ImageOf(OrvSlot(entry, DECL_COND_ENTRY__CONDITION_NAME_DEFINED));
  row.PadTo(kNameEnd);
  row << "| ";
  if (OrvExpr* value = OrvSlot(entry, DECL_COND_ENTRY__CONDITION_VALUE)) {
    row << OrvExprStr(OrvSlot(value, EX_COND_VALUE__VALUE_RANGES));
    if (OrvExpr* whenFalse = OrvSlot(value, EX_COND_VALUE__WHEN_FALSE)) row << " WHEN FALSE " << OrvExprStr(whenFalse);
  }
  row.WriteTo(out);
}

// The row of a constant (78): its computed value.
void PrintConstantRow(std::ostream& out, OrvExpr* entry) {
  Row row("78|");
  row << ImageOf(OrvSlot(entry, DECL_CONST_ENTRY__CONSTANT_NAME_DEFINED));
  row.PadTo(kNameEnd);
  row << "| " << OrvExprStr(OrvSlot(entry, DECL_CONST_ENTRY__ACTUAL_CONSTANT_VALUE));
  row.WriteTo(out);
}

// The walk of OrvPrintMemOffsets: the section call-back, which also lets
// the walk pass by what holds no section (the entries of a section, the
// divisions other than DATA).
int SectionsOnly(OrvExpr* node, void* context) {
  switch (node->Oper()) {
    case SECTION_WORKING_STORAGE:
    case SECTION_LOCAL_STORAGE:
    case SECTION_LINKAGE:
    case DECL_FD:
      OrvMemOffsetsSection(node, context);
      return ORV_WALK_SKIP;
    case DIVISION_IDENTIFICATION:
    case DIVISION_ENVIRONMENT:
    case DIVISION_PROCEDURE:
      return ORV_WALK_SKIP;
    default:
      return ORV_WALK_CHILDREN;
  }
}

}  // namespace

VString OrvPadVString(VString& text, int column) {
  int missing = column - text.length;
  if (missing > 0) text += VString(std::string(missing, ' ').c_str(), missing);
  return text;
}

void OrvPrintMemOffsetsRule(std::ostream& out) { out.write(kRule, sizeof kRule - 1); }

void OrvPrintMemOffsetsHeader(std::ostream& out) {
  out.write(kRule, sizeof kRule - 1);
  out.write(kHeader, sizeof kHeader - 1);
}

namespace {

// OrvPrintDataEntry below holders that give the clauses `held`.
void PrintDataEntry(std::ostream& out, OrvExpr* node, int depth, HeldClauses held) {
  if (node == nullptr) return;
  // The children are read as they are stored: a NULL_NODE of the fill,
  // made or not, prints nothing.
  switch (node->Oper()) {
    case DECL_DD_LIST:
      for (int i = 0; i < node->NArgs(); ++i) PrintDataEntry(out, node->PeekChild(i), depth + 1, held);
      break;
    case DECL_DD: {
      const HeldClauses below = ClausesBelow(node, held);
      for (int i = 0; i < node->NArgs(); ++i) PrintDataEntry(out, node->PeekChild(i), depth, below);
      break;
    }
    case DECL_DD_ENTRY:
      PrintItemRow(out, node, depth, held);
      break;
    case DECL_COND_ENTRY:
      PrintConditionRow(out, node, depth);
      break;
    case DECL_CONST_ENTRY:
      PrintConstantRow(out, node);
      break;
    default:
      // Hidden entries, COPY markers, error nodes: nothing.
      break;
  }
}

}  // namespace

void OrvPrintDataEntry(std::ostream& out, OrvExpr* node, int depth) {
  if (node == nullptr) return;
  PrintDataEntry(out, node, depth, ClausesAbove(node));
}

int OrvMemOffsetsSection(OrvExpr* node, void*) {
  std::ostream& out = *memOffsetsStream;
  OrvExpr* list = nullptr;
  switch (node->Oper()) {
    case SECTION_WORKING_STORAGE:
      out << "\nWORKING-STORAGE SECTION:\n";
      list = OrvSlot(node, SECTION_WORKING_STORAGE__DATA_DESCRIPTION_ENTRIES);
      break;
    case SECTION_LOCAL_STORAGE:
      out << "\nLOCAL-STORAGE SECTION:\n";
      list = OrvSlot(node, SECTION_LOCAL_STORAGE__DATA_DESCRIPTION_ENTRIES);
      break;
    case SECTION_LINKAGE:
      out << "\nLINKAGE SECTION:\n";
      list = OrvSlot(node, SECTION_LINKAGE__DATA_DESCRIPTION_ENTRIES);
      break;
    case DECL_FD: {
      out << "\nRecords for FILE: ";
      OrvExpr* entry = OrvSlot(node, DECL_FD__FILE_DESCRIPTION_ENTRY);
      if (!Is(entry, DECL_FD_ENTRY)) {
        // An FD that a COPY expression stands for has no entries here.
        out << "(copy-expr)\n";
        return ORV_WALK_CHILDREN;
      }
      OrvExpr* name = OrvSlot(entry, FD_FILE_NAME);
      if (name != nullptr) out << name->Value();
      out << '\n';
      list = OrvSlot(node, DECL_FD__RECORD_DESCRIPTION_ENTRIES);
      break;
    }
    default:
      return ORV_WALK_CHILDREN;
  }
  OrvPrintMemOffsetsHeader(out);
  OrvPrintDataEntry(out, list, -1);
  OrvPrintMemOffsetsRule(out);
  return ORV_WALK_CHILDREN;
}

namespace {

// WalkTheTree(node, nullptr, SectionsOnly) with the slots read as they are
// stored: a NULL_NODE of the fill that is not made yet counts as a child
// whose visit answers "children" (as the made one would: it holds no
// section and has no slots), without being made for the walk.
OrvWalkCode WalkSectionsOnly(OrvExpr* node) {
  const OrvWalkCode code = static_cast<OrvWalkCode>(SectionsOnly(node, nullptr));
  if (code != ORV_WALK_CHILDREN) return code;
  OrvWalkCode last = ORV_WALK_CHILDREN;
  for (int i = 0; i < node->NArgs(); ++i) {
    OrvExpr* child = node->PeekChild(i);
    if (child != nullptr)
      last = WalkSectionsOnly(child);
    else if (node->PeekFill(i))
      last = ORV_WALK_CHILDREN;
  }
  return last;
}

}  // namespace

OrvWalkCode OrvPrintMemOffsets(std::ostream& out, OrvExpr* root) {
  memOffsetsStream = &out;
  // The trace shows each node the walk visits, and the fill switch makes
  // the walk report the empty slots it passes: the walk itself then runs.
  if (root == nullptr || OrvWalkTraceSwitch || OrvFillNullSwitch)
    return WalkTheTree(root, nullptr, SectionsOnly);
  return WalkSectionsOnly(root);
}
