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

#include "GeneratedPrograms.h"
#include "TimedParse.h"

namespace {

const int kSmallLines = 50000;
const int kRepeats = 3;

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
    std::ofstream(path) << generated::StatementMixProgram(kSmallLines << i, false);
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
