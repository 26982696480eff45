// lark_grammar_conflicts REPORT EXPECTED GRAMMAR: compares the conflict
// cells of byacc's report with the expected cells and fails with a diff when
// they differ, and fails when the grammar declares a precedence for the
// look-ahead token of an expected cell.
#include "ConflictInventory.h"
#include "ToolText.h"

namespace {

bool CompareConflicts(const std::vector<std::string>& args, std::string& error) {
  std::string report, expectedText, grammar;
  std::vector<std::string> actual, expected, precedence;
  if (!larkyacc::ReadTextFile(args[0], report, error) || !larkyacc::ReadTextFile(args[1], expectedText, error) ||
      !larkyacc::ReadTextFile(args[2], grammar, error))
    return false;
  if (!larkyacc::ReadReportCells(report, actual, error)) {
    error = args[0] + ": " + error;
    return false;
  }
  if (!larkyacc::ReadExpectedCells(expectedText, expected, error)) {
    error = args[1] + ": " + error;
    return false;
  }
  if (!larkyacc::ReadPrecedenceTokens(grammar, precedence, error)) {
    error = args[2] + ": " + error;
    return false;
  }
  std::string ranked = larkyacc::PrecedenceOnCellTokens(expected, precedence);
  if (!ranked.empty()) {
    ranked.pop_back();
    error = args[2] + " declares a precedence for the look-ahead of a conflict cell of " + args[1] +
            ", which trial parsing must decide:\n" + ranked;
    return false;
  }
  const std::string diff = larkyacc::DiffCells(expected, actual);
  if (diff.empty()) return true;
  error = "the conflict cells of the tables differ from " + args[1] +
          " (- expected but missing, + present but not expected):\n" + diff;
  error.pop_back();
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  return larkyacc::RunToolMain(argc, argv, 3, "REPORT EXPECTED GRAMMAR", CompareConflicts);
}
