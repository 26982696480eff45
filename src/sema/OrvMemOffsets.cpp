// The data-item table.  Every row is built in one text and written whole;
// its columns stand at fixed places, and a text longer than its column
// shifts the rest of the row to the right instead of being cut.
#include "OrvMemOffsets.h"

#include <ostream>
#include <string>

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

// The image of a name node; empty when it has none.
VString ImageOf(const OrvExpr* node) {
  if (node == nullptr || !node->HasImage() || node->Image() == nullptr) return VString();
  return *node->Image();
}

// The USAGE column's text of a USAGE operation.
VString UsageText(int usage) {
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
      return VString(OrvOperTemplate(usage));
    case DU_DISPLAY_1:
      return VString("DISPL-1");
    case DU_PACKED_DECIMAL:
      return VString("PAK-DEC");
    case DU_PROC_POINTER:
      return VString("PROCPTR");
    default:
      // DU_COMP_RM too, although its print template is "COMP".
      return VString("UNKNOWN");
  }
}

// A byte count of a layout slot: "UNDEF" or six places right-aligned; an
// absent slot gives nothing.
VString LayoutNumber(const OrvExpr* entry, int slot) {
  int64_t value = 0;
  if (!OrvLayoutSlotValue(entry, slot, &value)) return VString();
  if (value == ORV_LAYOUT_UNDEF) return VString("UNDEF");
  return OrvFormat("%6lld", static_cast<long long>(value));
}

// Appends the text, pads to the column and closes it with a bar.
void Column(VString& row, const VString& text, int end) {
  row += text;
  OrvPadVString(row, end);
  row += VString("|");
}

// The count of an OCCURS clause as written, its bounds evaluated.
VString OccursCount(OrvExpr* occurs) {
  OrvExpr* from = nullptr;
  OrvExpr* to = nullptr;
  if (!OrvOccursBounds(occurs, &from, &to)) return VString("UNDEF TIMES");
  int64_t lower = 0;
  int64_t upper = 0;
  VString text;
  if (to != nullptr) {
    text = OrvCalcIntValue(from, &lower) ? OrvFormat("%lld", static_cast<long long>(lower))
                                         : VString("UNDEF");
    text += VString(" TO ");
  }
  text += OrvCalcIntValue(to != nullptr ? to : from, &upper)
              ? OrvFormat("%lld TIMES", static_cast<long long>(upper))
              : VString("UNDEF TIMES");
  return text;
}

// The line under an item with OCCURS, RENAMES or REDEFINES.
void PrintDetailLine(std::ostream& out, OrvExpr* entry) {
  OrvExpr* occurs = OrvSlot(entry, ORV_DD_OCCURS);
  OrvExpr* renames = OrvSlot(entry, ORV_DD_RENAMES);
  OrvExpr* redefines = OrvSlot(entry, ORV_DD_REDEFINES);
  if (occurs == nullptr && renames == nullptr && redefines == nullptr) return;
  VString line("  | ");
  if (occurs != nullptr) {
    line += VString(" OCCURS ") + OccursCount(occurs);
    if (OrvExpr* depending = OrvSlot(occurs, ORV_OCCURS_DEPENDING))
      line += VString(" DEPENDING ON ") + OrvExprStr(OrvSlot(depending, 0));
    int64_t element = 0;
    if (OrvLayoutSlotValue(occurs, ORV_OCCURS_ELEMENT_LENGTH, &element)) {
      line += element == ORV_LAYOUT_UNDEF
                  ? VString(" (loc-len=UNDEF)")
                  : OrvFormat(" (loc-len=%lld)", static_cast<long long>(element));
    }
  }
  if (renames != nullptr) {
    OrvExpr* range = OrvSlot(renames, 0);
    line += VString(" RENAMES ") + OrvExprStr(OrvSlot(range, 0));
    if (OrvExpr* to = OrvSlot(range, 1)) line += VString(" THROUGH ") + OrvExprStr(to);
  }
  if (redefines != nullptr)
    line += VString(" REDEFINES ") + OrvExprStr(OrvSlot(redefines, 0));
  out << line << std::endl;
}

void PrintItemRow(std::ostream& out, OrvExpr* entry, int depth) {
  int level = OrvEntryLevel(entry);
  if (level == 1 || level == 77) OrvPrintMemOffsetsRule(out);
  VString row = OrvFormat("%02d|", level);
  for (int i = 0; i < depth; ++i) row += VString(". ");
  OrvExpr* name = OrvSlot(entry, ORV_DD_NAME);
  Column(row, name == nullptr ? VString("(noname)")
                              : Is(name, EX_FILLER) ? VString("FILLER") : ImageOf(name),
         kNameEnd);
  OrvExpr* picture = OrvSlot(OrvSlot(entry, ORV_DD_PICTURE), 0);
  Column(row, picture != nullptr ? picture->Value() : VString(), kPicEnd);
  OrvExpr* category = OrvSlot(entry, ORV_DD_CATEGORY);
  Column(row, category != nullptr ? OrvFormat("%2s", OrvOperTemplate(category->Oper())) : VString(),
         kCategoryEnd);
  int usage, sync, sign, separate;
  OrvInheritedDataClauses(entry, usage, sync, sign, separate);
  Column(row, UsageText(usage), kUsageEnd);
  Column(row, VString(sync != 1 ? "*" : " "), kUsageEnd + 2);
  Column(row, LayoutNumber(entry, ORV_DD_OFFSET), kOffsetEnd);
  Column(row, LayoutNumber(entry, ORV_DD_LENGTH), kLengthEnd);
  row += LayoutNumber(entry, ORV_DD_GLOBAL_OFFSET);
  OrvPadVString(row, kRowEnd);
  out << row << std::endl;
  PrintDetailLine(out, entry);
}

// The row of a condition name (88): its values and the WHEN FALSE value.
void PrintConditionRow(std::ostream& out, OrvExpr* entry, int depth) {
  VString row("88|");
  for (int i = 0; i < depth; ++i) row += VString(". ");
  row += ImageOf(OrvSlot(entry, ORV_COND_NAME));
  OrvPadVString(row, kNameEnd);
  row += VString("| ");
  if (OrvExpr* value = OrvSlot(entry, ORV_COND_VALUE)) {
    row += OrvExprStr(OrvSlot(value, 0));
    if (OrvExpr* whenFalse = OrvSlot(value, 1))
      row += VString(" WHEN FALSE ") + OrvExprStr(whenFalse);
  }
  out << row << std::endl;
}

// The row of a constant (78): its computed value.
void PrintConstantRow(std::ostream& out, OrvExpr* entry) {
  VString row("78|");
  row += ImageOf(OrvSlot(entry, ORV_CONST_NAME));
  OrvPadVString(row, kNameEnd);
  row += VString("| ") + OrvExprStr(OrvSlot(entry, ORV_CONST_ACTUAL_VALUE));
  out << row << std::endl;
}

}  // namespace

VString OrvPadVString(VString& text, int column) {
  int missing = column - text.length;
  if (missing > 0) text += VString(std::string(missing, ' ').c_str(), missing);
  return text;
}

void OrvPrintMemOffsetsRule(std::ostream& out) { out << kRule; }

void OrvPrintMemOffsetsHeader(std::ostream& out) { out << kRule << kHeader; }

void OrvPrintDataEntry(std::ostream& out, OrvExpr* node, int depth) {
  if (node == nullptr) return;
  switch (node->Oper()) {
    case DECL_DD_LIST:
      for (int i = 0; i < node->NArgs(); ++i) OrvPrintDataEntry(out, node->Args(i), depth + 1);
      break;
    case DECL_DD:
      for (int i = 0; i < node->NArgs(); ++i) OrvPrintDataEntry(out, node->Args(i), depth);
      break;
    case DECL_DD_ENTRY:
      PrintItemRow(out, node, depth);
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

int OrvMemOffsetsSection(OrvExpr* node, void*) {
  std::ostream& out = *memOffsetsStream;
  OrvExpr* list = nullptr;
  switch (node->Oper()) {
    case SECTION_WORKING_STORAGE:
      out << "\nWORKING-STORAGE SECTION:\n";
      list = OrvSlot(node, 0);
      break;
    case SECTION_LOCAL_STORAGE:
      out << "\nLOCAL-STORAGE SECTION:\n";
      list = OrvSlot(node, 0);
      break;
    case SECTION_LINKAGE:
      out << "\nLINKAGE SECTION:\n";
      list = OrvSlot(node, 0);
      break;
    case DECL_FD: {
      out << "\nRecords for FILE: ";
      OrvExpr* entry = OrvSlot(node, 0);
      if (!Is(entry, DECL_FD_ENTRY)) {
        // An FD that a COPY expression stands for has no entries here.
        out << "(copy-expr)" << std::endl;
        return ORV_WALK_CHILDREN;
      }
      OrvExpr* name = OrvSlot(entry, 1);
      if (name != nullptr) out << name->Value();
      out << std::endl;
      list = OrvSlot(node, 1);
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

OrvWalkCode OrvPrintMemOffsets(std::ostream& out, OrvExpr* root) {
  memOffsetsStream = &out;
  return WalkTheTree(root, nullptr, OrvMemOffsetsSection);
}
