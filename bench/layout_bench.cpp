// Speed of the data layout (lengths, offsets, constant values) and of the
// data-item table over a large WORKING-STORAGE SECTION built in memory:
// records of groups, packed and binary items, a table, a REDEFINES and,
// every 50th record, a level-78 constant of value NEXT.
#include <chrono>
#include <cstdio>
#include <ostream>
#include <streambuf>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvLengthsAndOffsets.h"
#include "OrvMemOffsets.h"
#include "OrvNameNodes.h"
#include "OrvOperSlots.h"
#include "OrvParser.h"
#include "OrvSymTab.h"
#include "OrvToken.h"

namespace {

const int kRecords = 20000;

OrvExpr* program = nullptr;
long entries = 0;

OrvExpr* Holder(int level, const char* name, int number, const char* pic, int usage,
                OrvNamedObjDef** def = nullptr) {
  OrvExpr* entry = new OrvExprOper(DECL_DD_ENTRY);
  entry->SetArg(DECL_DD_ENTRY__LEVEL_NUMBER, new OrvIntNumConst(OrvFormat("%02d", level), level), -1, 0);
  OrvNamedObjDef* d =
      OrvSymTabDefineName(OrvFormat("X%07d-%s", number, name), SYMCAT_DATA_NAME, 0, program);
  entry->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, d, -1, 0);
  if (def != nullptr) *def = d;
  if (pic != nullptr)
    entry->SetArg(DECL_DD_ENTRY__PICTURE, new OrvExprOper(DX_PICTURE, new OrvCharString(VString(pic))), -1, 0);
  if (usage != 0)
    entry->SetArg(DECL_DD_ENTRY__USAGE, new OrvExprOper(DX_USAGE, new OrvExprOper(static_cast<OrvOper>(usage))), -1,
                  0);
  ++entries;
  return new OrvExprOper(DECL_DD, entry, new OrvNullNode());
}

void Sub(OrvExpr* holder, OrvExpr* sub) { holder->SetArgToList(DECL_DD__SUBORDINATE_ENTRIES, DECL_DD_LIST, sub); }

OrvExpr* Record(int n) {
  OrvExpr* record = Holder(1, "R", n, nullptr, 0);
  OrvNamedObjDef* a = nullptr;
  Sub(record, Holder(5, "A", n, "X(10)", 0, &a));
  Sub(record, Holder(5, "B", n, "S9(7)", DU_COMP_3));
  Sub(record, Holder(5, "C", n, "9(4)", DU_BINARY));
  OrvExpr* table = Holder(5, "T", n, nullptr, 0);
  OrvExpr* times = new OrvExprOper(EX_INT_CONST_RANGE);
  times->SetArg(EX_INT_CONST_RANGE__FROM, new OrvIntNumConst(VString("5"), 5), -1, 0);
  OrvExpr* occurs = new OrvExprOper(DX_OCCURS);
  occurs->SetArg(DX_OCCURS__TIMES, times, -1, 0);
  table->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)->SetArg(DECL_DD_ENTRY__OCCURS, occurs, -1, 0);
  Sub(table, Holder(10, "T1", n, "X(3)", 0));
  Sub(table, Holder(10, "T2", n, "S9(4)", DU_COMP));
  Sub(record, table);
  OrvExpr* redefines = Holder(5, "D", n, "X(12)", 0);
  OrvNamedObjUse* use = OrvNewNamedObjUse(nullptr, SYMCAT_DATA_NAME, 1);
  use->BindDefinition(a, -1);
  redefines->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)->SetArg(DECL_DD_ENTRY__REDEFINES_CLAUSE, new OrvExprOper(DX_REDEFINES, use), -1, 0);
  Sub(record, redefines);
  OrvExpr* last = Holder(5, "E", n, "9(5)", 0);
  if (n % 50 == 0) {
    OrvExpr* constant = new OrvExprOper(DECL_CONST_ENTRY);
    constant->SetArg(DECL_CONST_ENTRY__LEVEL_NUMBER, new OrvIntNumConst(VString("78"), 78), -1, 0);
    constant->SetArg(DECL_CONST_ENTRY__CONSTANT_VALUE, new OrvExprOper(EX_CONST_VALUE, new OrvExprOper(EX_VAL_NEXT)), -1, 0);
    Sub(last, new OrvExprOper(DECL_DD, constant, new OrvNullNode()));
  }
  Sub(record, last);
  return record;
}

// A stream that drops what is written to it.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main() {
  OrvExpr* root = new OrvExprOper(COBOL_FILE);
  program = new OrvExprOper(COBOL_PROGRAM);
  program->SetArg(PROG_SYMBOL_TABLE, new OrvExprOper(SYMBOL_TABLE_ELT_LIST), -1, 0);
  root->SetArg(COBOL_FILE__PROGRAM_LIST, new OrvExprOper(COBOL_PROGRAM_LIST, program), -1, 0);
  OrvExpr* division = new OrvExprOper(DIVISION_DATA);
  program->SetArg(COBOL_PROGRAM__DATA_DIVISION, division, -1, 0);
  OrvExpr* section = new OrvExprOper(SECTION_WORKING_STORAGE);
  division->SetArg(DIVISION_DATA__WORKING_STORAGE_SECTION, section, -1, 0);
  for (int n = 0; n < kRecords; ++n) section->SetArgToList(SECTION_WORKING_STORAGE__DATA_DESCRIPTION_ENTRIES, DECL_DD_LIST, Record(n));

  OrvLayoutOptions options{ORV_STOR_MODE_BYTE, 0, 4, 4, 4, 1};
  OrvTokenList messages;
  auto start = std::chrono::steady_clock::now();
  OrvCalcLengthsAndOffsets(root, &messages, 1, 1, 1, options);
  double layout = Seconds(start);

  NullBuffer buffer;
  std::ostream out(&buffer);
  start = std::chrono::steady_clock::now();
  OrvPrintMemOffsets(out, root);
  double table = Seconds(start);

  std::printf("layout: %ld entries in %.3f s, %.0f entries/s (%d messages)\n", entries, layout,
              entries / layout, messages.Count());
  std::printf("table:  %ld entries in %.3f s, %.0f entries/s\n", entries, table, entries / table);
  delete root;
  return 0;
}
