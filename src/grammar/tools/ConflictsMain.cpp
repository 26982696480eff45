// lark_grammar_conflicts REPORT EXPECTED: compares the conflict cells of
// byacc's report with the expected cells and fails with a diff when they
// differ.
#include "ConflictInventory.h"
#include "ToolText.h"

namespace {

bool CompareConflicts(const std::vector<std::string>& args, std::string& error) {
  std::string report, expectedText;
  std::vector<std::string> actual, expected;
  if (!larkyacc::ReadTextFile(args[0], report, error) || !larkyacc::ReadTextFile(args[1], expectedText, error))
    return false;
  if (!larkyacc::ReadReportCells(report, actual, error)) {
    error = args[0] + ": " + error;
    return false;
  }
  if (!larkyacc::ReadExpectedCells(expectedText, expected, error)) {
    error = args[1] + ": " + error;
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
  return larkyacc::RunToolMain(argc, argv, 2, "REPORT EXPECTED", CompareConflicts);
}
