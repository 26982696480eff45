// The default template table, the build of a printer's table from it and
// from a primary table, the row lookup, and the predicates of the
// conditional rows.
#include "OrvGenTable.h"

#include <cstring>
#include <iostream>
#include <new>
#include <string>

#include "OrvExpr.h"
#include "OrvMessage.h"
#include "OrvOper.h"
#include "OrvPrettyPrinter.h"
#include "OrvPrintMessages.h"
#include "OrvPrintResult.h"
#include "OrvQualName.h"

namespace {

// Child n (counted from 1) of the node, or null when the node has fewer.
OrvExpr* Child(OrvExpr* node, int n) {
  return node != nullptr && n >= 1 && n <= node->NArgs() ? node->Args(n - 1) : nullptr;
}

bool Present(const OrvExpr* child) { return child != nullptr && !child->IsNullNode(); }

bool HasCode(const OrvExpr* child, int code) { return child != nullptr && child->Oper() == code; }

// The conditional rows counted by kind.
constexpr int kConditionalRows = 0
#define ORV_COND_TEMPLATE(code, condition, templ) +1
#define ORV_COND_TEMPLATE_NO_PERIOD(code, condition) +1
#include "OrvCondTemplates.def"
    ;
static_assert(kConditionalRows == 9, "nine conditional rows");
// Codes 1396..1399 have no row: their catalogue template is "-not-defined-".
constexpr int kUndefinedCodes = 4;
static_assert(ORV_DEFAULT_TABLE_ROWS == ORV_OPER_LAST - kUndefinedCodes + kConditionalRows,
              "one row per defined code and the conditional rows");

// The first code without a default row, and the number of them.
constexpr int kFirstUndefinedCode = SECTION_SCHEMA;
static_assert(SECTION_SCHEMA == 1396 && EX_DML_ONLY == 1399, "the undefined codes are 1396..1399");

// A catalogue template without its closing "[.]" (or unchanged).
std::string WithoutClosingPeriod(const char* templ) {
  std::string text = templ;
  const std::string tail = "[.]";
  if (text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0)
    text.erase(text.size() - tail.size());
  return text;
}

struct DefaultTable {
  CGentry* rows;
  std::string shortened[kConditionalRows];

  DefaultTable() {
    void* memory = ::operator new(sizeof(CGentry) * ORV_DEFAULT_TABLE_ROWS);
    rows = static_cast<CGentry*>(memory);
    int n = 0;
    int shortenedCount = 0;
    for (int code = 1; code <= ORV_OPER_LAST; ++code) {
      if (code >= kFirstUndefinedCode && code < kFirstUndefinedCode + kUndefinedCodes) continue;
#define ORV_COND_TEMPLATE(c, condition, templ) \
  if (code == c) new (&rows[n++]) CGentry(code, condition, templ);
#define ORV_COND_TEMPLATE_NO_PERIOD(c, condition)                                           \
  if (code == c) {                                                                          \
    shortened[shortenedCount] = WithoutClosingPeriod(OrvOperTemplate(code));                \
    new (&rows[n++]) CGentry(code, condition, shortened[shortenedCount++].c_str());         \
  }
#include "OrvCondTemplates.def"
      new (&rows[n++]) CGentry(code, nullptr, OrvOperTemplate(code));
    }
  }
};

}  // namespace

CGentry* OrvDefaultGenTable() {
  // Built on first use and kept to the end of the process: the catalogue is
  // constant data, so the order of static initialisers does not matter.
  static DefaultTable* table = new DefaultTable();
  return table->rows;
}

// ------------------------------------------------------------ predicates

int CondChild2IsDiskFile(OrvExpr* node) {
  OrvExpr* child = Child(node, 2);
  return Present(child) && HasCode(child, DEV_DISK_FILE);
}

int CondChild14IsUninlinedCopy(OrvExpr* node) {
  OrvExpr* child = Child(node, 14);
  return Present(child) && HasCode(child, STMT_UNINLINED_COPY);
}

int CondChild16Or2IsUninlinedCopy(OrvExpr* node) {
  OrvExpr* a = Child(node, 16);
  OrvExpr* b = Child(node, 2);
  return (Present(a) && HasCode(a, STMT_UNINLINED_COPY)) || (Present(b) && HasCode(b, STMT_UNINLINED_COPY));
}

int CondChild1IsRangeListOfMany(OrvExpr* node) {
  OrvExpr* child = Child(node, 1);
  return HasCode(child, EX_VALUE_RANGE_LIST) && child->NArgs() > 1;
}

int CondDeclaresNoName(OrvExpr* node) { return !Present(OrvDefForNamedObjDecl(node)); }

int CondChild1Present(OrvExpr* node) { return Present(Child(node, 1)); }

int CondElseOfOneIf(OrvExpr* node) {
  OrvExpr* list = Child(node, 1);
  if (!Present(list) || !HasCode(list, STMT_LIST) || list->NArgs() != 1) return 0;
  return HasCode(list->Args(0), STMT_IF);
}

int CondChild1IsIdentListOfMany(OrvExpr* node) {
  OrvExpr* child = Child(node, 1);
  return HasCode(child, IDENT_LIST) && child->NArgs() > 1;
}

int CondChild2IsExecLineListOfMany(OrvExpr* node) {
  OrvExpr* child = Child(node, 2);
  return Present(child) && HasCode(child, EX_EXEC_LINE_LIST) && child->NArgs() > 1;
}

// ---------------------------------------------------------------- build

namespace {

CGentry* LastOfChain(CGentry* head) {
  CGentry* row = head;
  while (row->next != nullptr) row = row->next;
  return row;
}

// Puts a copy of `row` into the code's head or behind the chain's last
// conditional row; a row behind an unconditional one is refused with the
// message of `which` table.
void AddRow(CGentry* table, const CGentry& row, bool primary) {
  CGentry& head = table[row.code];
  if (head.code == 0) {
    head = row;
    head.primary = primary ? 1 : 0;
    return;
  }
  CGentry* last = LastOfChain(&head);
  if (last->condition != nullptr) {
    last->next = new CGentry(row);
    last->next->primary = primary ? 1 : 0;
    return;
  }
  const char* name = OrvOperName(row.code);
  if (primary) {
    AddError(MSG_ERR, row.condition == nullptr
                          ? OrvFormat("RecomputeGenTable: Code %s is doubly defined in primary table. Second "
                                      "definition ignored.",
                                      name)
                          : OrvFormat("RecomputeGenTable: Code %s has conditional definition that follows "
                                      "non-conditional definition in primary table. Conditional def ignored.",
                                      name));
  } else {
    AddError(MSG_ERR, row.condition == nullptr
                          ? OrvFormat("RecomputeGenTable: Code %s is doubly defined in default table. Second "
                                      "definition ignored.",
                                      name)
                          : OrvFormat("RecomputeGenTable: Code %s has conditional definition that follows "
                                      "non-conditional definition in default table. This conditional def is "
                                      "ignored.",
                                      name));
  }
}

bool ValidTableCode(int code) { return code >= 1 && code <= ORV_OPER_LAST; }

}  // namespace

OrvResult RecomputeGenTable(OrvPrettyPrinterImpl& printer) {
  printer.ReleaseGenTable();
  void* memory = ::operator new(sizeof(CGentry) * ORV_GEN_TABLE_SIZE);
  CGentry* table = static_cast<CGentry*>(memory);
  for (int i = 0; i < ORV_GEN_TABLE_SIZE; ++i) new (&table[i]) CGentry(0, nullptr, nullptr);
  printer.gen_table = table;

  CGentry* defaults = OrvDefaultGenTable();
  for (int i = 0; i < ORV_DEFAULT_TABLE_ROWS; ++i) {
    CGentry& row = defaults[i];
    if (!ValidTableCode(row.code)) {
      AddError(MSG_SEVERE, OrvFormat("RecomputeGenTable: bad code %d in default table. ", row.code));
      return ORV_PRINT_BAD_TABLE_CODE;
    }
    row.primary = 0;
    row.next = nullptr;
    AddRow(table, row, false);
  }

  CGentry* primary = printer.primary_table;
  if (primary == nullptr || primary[0].templ == nullptr) return ORV_OK;
  for (CGentry* row = primary; row->templ != nullptr; ++row) {
    if (!ValidTableCode(row->code)) {
      AddError(MSG_ERR, OrvFormat("Bad code %d in primary table", row->code));
      return ORV_PRINT_BAD_TABLE_CODE;
    }
    row->primary = 0;
    row->next = nullptr;
    CGentry& head = table[row->code];
    // The first primary row of a code drops the code's whole default
    // definition.
    if (head.code != 0 && head.primary == 0) head = CGentry(0, nullptr, nullptr);
    AddRow(table, *row, true);
  }
  return ORV_OK;
}

// ---------------------------------------------------------------- lookup

OrvResult FindCGentry(CGentry*& row, OrvExpr* node) {
  const int code = node->Oper();
  CGentry* table = OrvCurrentPrinter != nullptr ? OrvCurrentPrinter->gen_table : nullptr;
  row = table != nullptr && ValidTableCode(code) ? &table[code] : nullptr;
  if (row != nullptr && row->code != 0) {
    int number = 1;
    for (CGentry* r = row; r != nullptr; r = r->next, ++number) {
      if (r->condition != nullptr && r->condition(node) == 0) continue;
      if (OrvCurrentPrinter->trace_flags & ORV_PTRACE_TEMPLATES)
        std::cout << "FindCGentry: found oper " << OrvOperName(code) << ", entry #" << number << " in table\n";
      row = r;
      return ORV_OK;
    }
  }
  AddError(MSG_ERR, OrvFormat("PrettyPrint: cannot find operation %s in the table", OrvOperName(code)));
  return ORV_PRINT_NO_TEMPLATE;
}
