// Finishing programs of growing size: the time per name use of defining the
// names, resolving every use and attaching the program, which should stay
// flat as the program grows (cost linear in its uses).  Each program has
// records with homonyms, a few names used very often and many used once.
#include <chrono>
#include <cstdio>
#include <string>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvNameNodes.h"
#include "OrvOperSlots.h"
#include "OrvParseInit.h"
#include "OrvParserImpl.h"
#include "OrvParserNames.h"
#include "OrvSourceParser.h"
#include "OrvSymTab.h"

namespace {

// Records that share the field name COUNTER.
const int kHomonyms = 8;

OrvExpr* Item(OrvParserImpl& p, int level, const std::string& name) {
  OrvExpr* levelNumber = new OrvIntNumConst(OrvFormat("%02d", level), level);
  OrvExpr* entry = new OrvExprOper(DECL_DD_ENTRY);
  entry->SetArg(DECL_DD_ENTRY__LEVEL_NUMBER, levelNumber, -1, 0);
  entry->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, p.SymTabDefine(FindNameInProg(&p, VString(name.c_str())), SYMCAT_DATA_NAME, 1),
                -1, 0);
  return new OrvExprOper(DECL_DD, entry, nullptr);
}

OrvExpr* Use(OrvParserImpl& p, const std::string& name, const std::string& qualifier) {
  OrvExpr* list = new OrvExprOper(OF_IN_LIST);
  list->AddArg(new OrvNameUse(OrvLink(FindNameInProg(&p, VString(name.c_str())), -1)));
  if (!qualifier.empty()) {
    list->AddArg(new OrvNameUse(OrvLink(FindNameInProg(&p, VString(qualifier.c_str())), -1)));
  }
  return OrvNewNamedObjUse(list, SYMCAT_DATA_NAME, 0);
}

// Seconds to finish one program of `records` records of ten fields each and
// `uses` uses; the names are made before the clock starts.
double FinishOneProgram(int records, int uses) {
  OrvSourceParser p;
  OrvTokenList messages;
  currentParser = &p;
  p.messageList = &messages;
  InitParseTree(&p);
  OrvExpr* program = p.StartProgram();
  OrvExpr* data = new OrvExprOper(DECL_DD_LIST);
  program->SetArg(COBOL_PROGRAM__DATA_DIVISION, new OrvExprOper(DIVISION_DATA), -1, 0);
  program->Args(COBOL_PROGRAM__DATA_DIVISION)
      ->SetArg(DIVISION_DATA__WORKING_STORAGE_SECTION, new OrvExprOper(SECTION_WORKING_STORAGE, data), -1, 0);
  for (int r = 0; r < records; ++r) {
    OrvExpr* record = Item(p, 1, "REC-" + std::to_string(r));
    for (int f = 0; f < 10; ++f) {
      // The first records each have a field COUNTER: a homonym used through
      // its record.
      std::string field = f == 0 && r < kHomonyms
                              ? "COUNTER"
                              : "F-" + std::to_string(r) + "-" + std::to_string(f);
      record->SetArgToList(DECL_DD__SUBORDINATE_ENTRIES, DECL_DD_LIST, Item(p, 5, field));
    }
    data->AddArg(record);
  }
  OrvExpr* statements = new OrvExprOper(IDENT_LIST);
  program->SetArg(COBOL_PROGRAM__PROCEDURE_DIVISION, statements, -1, 0);
  for (int u = 0; u < uses; ++u) {
    int r = u % records;
    if (u % 3 == 0) {
      statements->AddArg(Use(p, "COUNTER", "REC-" + std::to_string(u % kHomonyms)));
    } else if (u % 3 == 1) {
      statements->AddArg(Use(p, "F-0-1", ""));  // one name used very often
    } else {
      statements->AddArg(Use(p, "F-" + std::to_string(r) + "-" + std::to_string(1 + u % 9), ""));
    }
  }
  auto start = std::chrono::steady_clock::now();
  p.FinishSource(0);
  double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  p.ReleaseParseState();
  delete p.root;
  currentParser = nullptr;
  return seconds;
}

}  // namespace

int main() {
  std::printf("%10s %10s %12s %14s\n", "records", "uses", "seconds", "ns per use");
  for (int scale : {1, 4, 16}) {
    int records = 250 * scale;
    int uses = 5000 * scale;
    double s = FinishOneProgram(records, uses);
    std::printf("%10d %10d %12.4f %14.1f\n", records, uses, s, s * 1e9 / uses);
  }
  return 0;
}
