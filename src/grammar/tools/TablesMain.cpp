// lark_grammar_tables TABLE_FILE CONSTANTS_HEADER: checks the invariants of
// the parse tables byacc wrote and fails listing every violation.
#include "TableInvariants.h"
#include "ToolText.h"

namespace {

bool CheckTables(const std::vector<std::string>& args, std::string& error) {
  std::string tableText, constantsText;
  larkyacc::PackedTables tables;
  if (!larkyacc::ReadTextFile(args[0], tableText, error) || !larkyacc::ReadTextFile(args[1], constantsText, error))
    return false;
  if (!larkyacc::ReadPackedTables(tableText, tables, error)) {
    error = args[0] + ": " + error;
    return false;
  }
  if (!larkyacc::ReadTableConstants(constantsText, tables.constants, error)) {
    error = args[1] + ": " + error;
    return false;
  }
  const std::vector<std::string> findings = larkyacc::CheckTableInvariants(tables);
  if (findings.empty()) return true;
  error = args[0] + ": the parse tables break their invariants:";
  for (const std::string& f : findings) error += "\n  " + f;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  return larkyacc::RunToolMain(argc, argv, 2, "TABLE_FILE CONSTANTS_HEADER", CheckTables);
}
