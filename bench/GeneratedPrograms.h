// The generated COBOL programs of the benchmarks: the statement mix of the
// parse benchmark (MOVE with subscripts and reference modification, IF with
// conditions and ELSE, PERFORM of procedures and in-line with VARYING,
// COMPUTE with functions, CONTINUE, 8% comment lines), with or without a
// WORKING-STORAGE that defines every name it uses, and the program of one
// long record of PIC X(3) items.  Fixed format, each line ended by a line
// feed.  Benchmarks only.
#ifndef LARK_BENCH_GENERATEDPROGRAMS_H
#define LARK_BENCH_GENERATEDPROGRAMS_H

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace generated {

// A line in area B of the fixed format (column 8 on).
inline void Line(std::string& out, const std::string& text) {
  out += "       ";
  out += text;
  out += '\n';
}

// A comment line: the asterisk in the indicator area (column 7).
inline void Comment(std::string& out, const std::string& text) {
  out += "      *";
  out += text;
  out += '\n';
}

// The data items the statement mix names, so that every name resolves.
inline void StatementMixStorage(std::string& out) {
  Line(out, "WORKING-STORAGE SECTION.");
  Line(out, "01 IX PIC 9(4).");
  Line(out, "01 LEN-D PIC 9(4).");
  Line(out, "01 FLD-A PIC 9(4).");
  Line(out, "01 FLD-B PIC 9(4).");
  Line(out, "01 FLD-C PIC X(20).");
  Line(out, "01 FLD-D PIC 9(8).");
  Line(out, "01 TAB-G.");
  Line(out, "   05 TAB-R OCCURS 20.");
  Line(out, "      10 TAB-A PIC 9(4) OCCURS 5.");
  Line(out, "01 GRP-T.");
  Line(out, "   05 GRP-A OCCURS 10.");
  Line(out, "      10 FLD-E PIC 9(4).");
}

// A program of about `lines` lines of the statement mix.  With `storage`
// its WORKING-STORAGE defines every name it uses and the last PERFORM goes
// to a paragraph that exists; without, the names stay undefined (the parse
// benchmark's program).
inline std::string StatementMixProgram(int lines, bool storage) {
  std::string out;
  Line(out, "IDENTIFICATION DIVISION.");
  Line(out, "PROGRAM-ID. BENCH.");
  Line(out, "ENVIRONMENT DIVISION.");
  Line(out, "CONFIGURATION SECTION.");
  Line(out, "SOURCE-COMPUTER. IBM-370.");
  Line(out, "DATA DIVISION.");
  int count = 6;
  if (storage) {
    const size_t before = out.size();
    StatementMixStorage(out);
    count += static_cast<int>(std::count(out.begin() + static_cast<std::ptrdiff_t>(before), out.end(), '\n'));
  }
  Line(out, "PROCEDURE DIVISION.");
  ++count;
  int p = 0;
  for (; count < lines; ++p) {
    const std::string name = "P" + std::to_string(p);
    const std::string next = "P" + std::to_string(p + 1);
    if (p % 50 == 0) {
      Line(out, "S" + std::to_string(p) + " SECTION.");
      ++count;
    }
    Line(out, name + ".");
    Comment(out, "   A COMMENT LINE OF THE PARAGRAPH.");
    Line(out, "    MOVE TAB-A (IX + 1, 2) TO FLD-B FLD-C (1 : LEN-D).");
    Line(out, "    IF FLD-A > 10 AND FLD-B NOT = \"X\" OR FLD-C IS NUMERIC");
    Line(out, "       MOVE ZEROES TO FLD-A");
    Line(out, "       PERFORM " + next + " THRU " + next);
    Line(out, "    ELSE");
    Line(out, "       COMPUTE FLD-D ROUNDED = (FLD-A + 2) * FLD-B ** 2");
    Line(out, "                             - FUNCTION MAX (FLD-A FLD-B 3)");
    Line(out, "    END-IF.");
    Line(out, "    PERFORM VARYING IX FROM 1 BY 1 UNTIL IX > 10");
    Line(out, "        MOVE IX TO FLD-E OF GRP-A (IX)");
    Line(out, "    END-PERFORM.");
    Line(out, "    CONTINUE.");
    count += 14;
  }
  Line(out, storage ? "P" + std::to_string(p) + "." : std::string("PLAST."));
  Line(out, "    STOP RUN.");
  return out;
}

// The smallest whole program: the base of the memory figures.
inline std::string EmptyProgram() {
  std::string out;
  Line(out, "IDENTIFICATION DIVISION.");
  Line(out, "PROGRAM-ID. EMPTY.");
  Line(out, "PROCEDURE DIVISION.");
  Line(out, "    STOP RUN.");
  return out;
}

// The order of the item names of ItemsProgram.
enum class NameOrder { kAscending, kDescending, kShuffled };

// The program of one record R of `items` items "05 Fnnnnnn PIC X(3)." in
// column 12, the names in the given order (shuffled with a fixed seed),
// then 01 X PIC 9(4) VALUE 0. and a PROCEDURE DIVISION of STOP RUN.
inline std::string ItemsProgram(int items, NameOrder order) {
  std::vector<int> names(static_cast<size_t>(items));
  for (int i = 0; i < items; ++i) names[static_cast<size_t>(i)] = i;
  if (order == NameOrder::kDescending) std::reverse(names.begin(), names.end());
  if (order == NameOrder::kShuffled) std::shuffle(names.begin(), names.end(), std::mt19937(20240611u));
  std::string out;
  out.reserve(static_cast<size_t>(items) * 32 + 256);
  Line(out, "IDENTIFICATION DIVISION.");
  Line(out, "PROGRAM-ID. ADV.");
  Line(out, "DATA DIVISION.");
  Line(out, "WORKING-STORAGE SECTION.");
  Line(out, "01 R.");
  char item[48];
  for (int n : names) {
    std::snprintf(item, sizeof item, "    05 F%06d PIC X(3).", n);
    Line(out, item);
  }
  Line(out, "01 X PIC 9(4) VALUE 0.");
  Line(out, "PROCEDURE DIVISION.");
  Line(out, "    STOP RUN.");
  return out;
}

}  // namespace generated

#endif
