// The printer layer's part of the state the test main restores around each
// case: a case that leaves a print marked running fails (every later print
// would be refused as already in use); the current printer, the message
// list of the print, the print operations the tree forwards to and the rows
// of the default template table are put back.
#include <cstdint>
#include <string>
#include <vector>

#include "OrvExpr.h"
#include "OrvGenTable.h"
#include "OrvOper.h"
#include "OrvPrettyPrinter.h"
#include "ProcessState.h"

namespace {

class PrintRunningPart : public ProcessStatePart {
 public:
  PrintRunningPart() : ProcessStatePart("OrvPrintBusy") {}
  void Save() override { saved_ = OrvPrintBusy; }
  std::string Leftover() const override {
    if (OrvPrintBusy == saved_) return std::string();
    return "a print is left marked running: every later print would be refused as already in use";
  }
  void Restore() override { OrvPrintBusy = saved_; }

 private:
  int saved_ = 0;
};

// The default table is built once and kept: a case that changed a row
// would change every later print.
class DefaultTablePart : public ProcessStatePart {
 public:
  DefaultTablePart() : ProcessStatePart("default template table") {}
  void Save() override {
    const CGentry* rows = OrvDefaultGenTable();
    saved_.clear();
    for (int i = 0; i < ORV_DEFAULT_TABLE_ROWS; ++i) saved_.push_back(Row{rows[i].code, rows[i].condition, rows[i].templ});
  }
  std::string Leftover() const override {
    const CGentry* rows = OrvDefaultGenTable();
    for (int i = 0; i < ORV_DEFAULT_TABLE_ROWS; ++i) {
      const Row& row = saved_[static_cast<size_t>(i)];
      if (rows[i].code != row.code || rows[i].condition != row.condition || rows[i].templ != row.templ)
        return "row " + std::to_string(i) + " of the default template table (" + OrvOperName(row.code) +
               ") is left changed";
    }
    return std::string();
  }
  void Restore() override {
    CGentry* rows = OrvDefaultGenTable();
    for (int i = 0; i < ORV_DEFAULT_TABLE_ROWS; ++i) {
      const Row& row = saved_[static_cast<size_t>(i)];
      rows[i].code = row.code;
      rows[i].condition = row.condition;
      rows[i].templ = row.templ;
    }
  }

 private:
  struct Row {
    std::uint16_t code;
    OrvCGCondition condition;
    const char* templ;
  };
  std::vector<Row> saved_;
};

PrintRunningPart printRunning;
DefaultTablePart defaultTable;

SavedVariables printerVariables("current printer, print messages and print operations", OrvCurrentPrinter,
                                OrvPrintMessages, OrvPrettyPrintLeafFn, OrvPrettyPrintOperFn,
                                OrvPrettyPrintStrConstFn);

}  // namespace
