// Shared support of the name-binding tests: builders of small program trees
// with symbol tables.
#ifndef LARK_TESTS_TREE_NAMETESTSUPPORT_H
#define LARK_TESTS_TREE_NAMETESTSUPPORT_H

#include <string>
#include <vector>

#include "OrvExprOper.h"
#include "MessageRecorder.h"
#include "OrvNameNodes.h"
#include "OrvOperSlots.h"
#include "OrvSymTab.h"
#include "TestStrings.h"

namespace nametest {

// The images of a table's children, in order.
inline std::vector<std::string> TableNames(OrvExpr* table) {
  std::vector<std::string> names;
  for (int i = 0; i < table->NArgs(); ++i) names.push_back(Str(*table->Args(i)->Image()));
  return names;
}

// A COBOL_PROGRAM with an empty symbol table in argument 6.
inline OrvExpr* NewProgram() {
  OrvExpr* program = new OrvExprOper(COBOL_PROGRAM);
  program->SetArg(PROG_SYMBOL_TABLE, new OrvExprOper(SYMBOL_TABLE_ELT_LIST), -1, 0);
  return program;
}

inline OrvExpr* SymTabOf(OrvExpr* program) { return program->Args(PROG_SYMBOL_TABLE); }

}  // namespace nametest

#endif
