// Benchmark of the parse of real programs (OrvSourceParser::Parse, default
// options but the suite's dialect and copy library): NC246A, whose
// qualified and subscripted references into tables of seven dimensions
// keep trial parsing busy, parsed several times with the median time
// printed in milliseconds; then every program of the NIST suite once, with
// the lines, seconds and lines per second of the whole.  It reports and
// asserts nothing.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "NistSuite.h"
#include "TimedParse.h"

namespace {

const int kRuns = 15;

}  // namespace

int main() {
  const std::string nist = std::string(LARK_CORPUS) + "/nist";
  const std::string copyDir = nist + "/copy";
  const std::vector<std::string> files = nist_suite::Sources(nist);
  if (files.empty()) {
    std::printf("nist parse: the NIST corpus is not at %s; nothing measured\n", nist.c_str());
    return 0;
  }
  std::vector<double> times;
  long lines = 0;
  for (int r = 0; r < kRuns; ++r) times.push_back(timed_parse::ParseOnce(nist + "/NC246A.CBL", copyDir, lines));
  std::sort(times.begin(), times.end());
  std::printf("parse of NC246A: %ld lines, median of %d runs %.1f ms (fastest %.1f ms)\n", lines, kRuns,
              times[kRuns / 2] * 1000, times.front() * 1000);

  double seconds = 0;
  long total = 0;
  for (const std::string& f : files) {
    long n = 0;
    seconds += timed_parse::ParseOnce(f, copyDir, n);
    total += n;
  }
  std::printf("parse of the NIST suite: %zu files, %ld lines, %.3f s, %.0f lines/s\n", files.size(), total, seconds,
              seconds > 0 ? total / seconds : 0.0);
  return 0;
}
