// The statistics report of one program: names, structure counts, tree
// shape, the optional-feature counters and the name lists, in a fixed order
// and format.
#include "OrvProgStats.h"

#include <cinttypes>
#include <ostream>

namespace {

// "label" (16 characters) and the number right-aligned in 6 columns.
void CounterLine(std::ostream& out, const char* label, int value) {
  out << OrvFormat("%s%6d\n", label, value);
}

// A counter line printed only for a counter that is not 0.
void FeatureLine(std::ostream& out, const char* label, int value) {
  if (value != 0) CounterLine(out, label, value);
}

// One row per entry: the label, the count in 5 columns, a blank, the name
// padded to 20 characters (a longer one whole).
void ListRows(std::ostream& out, const char* label, const CountedNameTable& list) {
  for (int i = 0; i < list.count; ++i) {
    const CountedName& e = list[i];
    out << OrvFormat("%s%5d %-20s\n", label, e.count, e.name.text ? e.name.text : "");
  }
}

// The rows of a list that holds something, then an empty line.
void ListBlock(std::ostream& out, const char* label, const CountedNameTable& list) {
  if (list.count == 0) return;
  ListRows(out, label, list);
  out << "\n";
}

// The names of a list, one line each after the label, without counts.
void NameLines(std::ostream& out, const char* label, const CountedNameTable& list) {
  for (int i = 0; i < list.count; ++i) out << label << list[i].name << "\n";
}

}  // namespace

std::ostream& OrvProgStats::Print(std::ostream& out) const {
  NameLines(out, "PROGRAM-ID:            ", ProgramIds);
  NameLines(out, "ENTRY:                 ", Entries);
  out << "\n";

  CounterLine(out, "Sections:       ", Sections);
  CounterLine(out, "Paragraphs:     ", Paragraphs);
  CounterLine(out, "Sentences:      ", Sentences);
  CounterLine(out, "Statements:     ", Statements);
  out << "\n";

  std::int64_t average = TotLeaves != 0 ? LeafDepthSum / TotLeaves : 0;
  CounterLine(out, "TotTreeNodes:   ", TotTreeNodes);
  CounterLine(out, "MaxTreeHeight:  ", MaxTreeHeight);
  out << OrvFormat("AveTreeHeight:  %6" PRId64 "\n", average);
  CounterLine(out, "TotLeaves:      ", TotLeaves);
  out << "\n";

  FeatureLine(out, "File IO:        ", FileIO);
  FeatureLine(out, "Sort Merge:     ", SortMerge);
  FeatureLine(out, "Report Writer:  ", ReportWriter);
  FeatureLine(out, "Comm Section:   ", CommSection);
  FeatureLine(out, "AcceptDisplANSI:", AcceptDisplANSI);
  FeatureLine(out, "ADIS Screen:    ", AdisScreen);
  FeatureLine(out, "ADIS Dynamic:   ", AdisDynamic);
  out << "\n";

  if (CopyInlined.count > 0 || CopyUninlined.count > 0) {
    ListRows(out, "COPYbook++:      ", CopyInlined);
    ListRows(out, "COPYbook??:      ", CopyUninlined);
    FeatureLine(out, "Replacing:      ", Replacing);
    out << "\n";
  }
  ListBlock(out, "CALL:            ", Calls);
  ListBlock(out, "EXEC:            ", Execs);
  FeatureLine(out, "SQL:            ", SQL);
  ListBlock(out, "SQL:             ", SqlKinds);
  FeatureLine(out, "CICS:           ", CICS);
  ListBlock(out, "CICS:            ", CicsKinds);
  return out;
}
