// The tree layer's part of the state the test main restores around each
// case: the table of source file names (names a case added are dropped,
// the counts of the others put back), the process-wide message sink, the
// walk, dump, symbol-table and TIC switches and the hooks tests install.
#include <vector>

#include "OrvCalcValue.h"
#include "OrvDebugDump.h"
#include "OrvExpr.h"
#include "OrvMessageSink.h"
#include "OrvSymTab.h"
#include "OrvTreeWalk.h"
#include "OrvTxtPosn.h"
#include "ProcessState.h"

namespace {

// The file-name table grows with every file a case reads, and a TIC text
// carries the whole table: without this, a case that read many files would
// slow down every later case that writes or reads trees.
class FileNameTablePart : public ProcessStatePart {
 public:
  FileNameTablePart() : ProcessStatePart("source file-name table") {}

  void Save() override {
    const CountedNameTable& table = OrvFileNameTable();
    counts_.clear();
    for (int i = 0; i < table.count; ++i) counts_.push_back(table.entries[i].count);
  }
  // Entries past the saved count are emptied (their names freed); the
  // table's look-up index notices the new count and is built again.
  void Restore() override {
    CountedNameTable& table = OrvFileNameTable();
    const int saved = static_cast<int>(counts_.size());
    for (int i = saved; i < table.count; ++i) table.entries[i] = CountedName();
    if (table.count > saved) table.count = saved;
    for (int i = 0; i < table.count; ++i) table.entries[i].count = counts_[static_cast<size_t>(i)];
  }

 private:
  std::vector<int> counts_;
};

FileNameTablePart fileNameTable;

SavedVariables treeSwitches("tree switches, hooks and the message sink", OrvGlobalMessageSink, OrvFillNullSwitch,
                            OrvWalkTraceSwitch, OrvWalkTraceStream, OrvDumpDepth, OrvDumpLevel,
                            OrvSymTabTraceLevel, OrvTicPosnWithFileNames, OrvTreeEditHook, OrvNodeRelease,
                            OrvWholeTreeTeardown, OrvCalcValueHook);

}  // namespace
