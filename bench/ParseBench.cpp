// Benchmark of the parse of whole sources (OrvSourceParser::Parse): writes a
// generated fixed-format program whose PROCEDURE DIVISION is made of the
// statements the grammar has (MOVE with subscripts and reference
// modification, IF with conditions and ELSE, PERFORM of qualified procedures
// and in-line with VARYING, COMPUTE with functions, GO TO, CONTINUE), with 8%
// comment lines, at two sizes, parses each on one core and prints lines,
// seconds, lines per second, the ratio of the two times and the peak memory
// of the process, and for the larger program the time of each step of the
// parse (PhaseClock) and of deleting the tree.  It reports and asserts
// nothing.
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "TimedParse.h"

namespace {

const int kSmallLines = 50000;
const int kRepeats = 3;

void Line(std::string& out, const std::string& text) {
  out += "       ";
  out += text;
  out += '\n';
}

// A comment line: the asterisk in the indicator area (column 7).
void Comment(std::string& out, const std::string& text) {
  out += "      *";
  out += text;
  out += '\n';
}

// A program of about `lines` lines.
std::string Program(int lines) {
  std::string out;
  Line(out, "IDENTIFICATION DIVISION.");
  Line(out, "PROGRAM-ID. BENCH.");
  Line(out, "ENVIRONMENT DIVISION.");
  Line(out, "CONFIGURATION SECTION.");
  Line(out, "SOURCE-COMPUTER. IBM-370.");
  Line(out, "DATA DIVISION.");
  Line(out, "PROCEDURE DIVISION.");
  int count = 7;
  for (int p = 0; count < lines; ++p) {
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
  Line(out, "PLAST.");
  Line(out, "    STOP RUN.");
  return out;
}

// The best of kRepeats parses; `phases` gets the steps of that parse and
// the deletion of its tree.
double ParseSeconds(const std::string& path, int& lines, PhaseClock& phases) {
  double best = 1e9;
  for (int r = 0; r < kRepeats; ++r) {
    long count = 0;
    PhaseClock clock;
    const double seconds = timed_parse::ParseOnce(path, "", count, &clock);
    lines = static_cast<int>(count);
    if (seconds < best) {
      best = seconds;
      phases = clock;
    }
  }
  return best;
}

}  // namespace

int main() {
  char dir[] = "/tmp/lark_parse_bench_XXXXXX";
  if (mkdtemp(dir) == nullptr) return 1;
  double seconds[2] = {0, 0};
  int lines[2] = {0, 0};
  for (int i = 0; i < 2; ++i) {
    const std::string path = std::string(dir) + "/p" + std::to_string(i) + ".cbl";
    std::ofstream(path) << Program(kSmallLines << i);
    PhaseClock phases;
    seconds[i] = ParseSeconds(path, lines[i], phases);
    std::printf("parse %7d lines  %.3f s  %9.0f lines/s\n", lines[i], seconds[i], lines[i] / seconds[i]);
    if (i == 1) phases.Print("    ");
    unlink(path.c_str());
  }
  rmdir(dir);
  std::printf("ratio of the two times %.2f (twice the lines)\n", seconds[1] / seconds[0]);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory %.1f MB\n", usage.ru_maxrss / 1024.0);
  return 0;
}
