// Benchmark of printing parsed trees back as COBOL: every program of the
// NIST suite is parsed (not timed) and written with PrintFile into a
// scratch folder, three times over from the templates (default settings)
// and three times from the source ("gen-src" with a copy directory, so
// that the members are written too); each run prints the files, the
// source lines, the seconds of PrintFile and the lines per second of the
// whole suite.  It reports and asserts nothing.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "NistSuite.h"
#include "OrvPrettyPrinter.h"
#include "OrvToken.h"
#include "TimedParse.h"

namespace {

const int kRuns = 3;

// The modes measured: from the templates, and from the source.
enum Mode { kTemplates, kSource, kModes };
const char* const kModeNames[kModes] = {"print", "SourcePrint"};

// What the runs share: the printers, the output of the program in hand, and
// each run's seconds and failures.
struct Runs {
  OrvPrettyPrinterImpl printers[kModes];
  std::string out;
  int printed = 0;
  double seconds[kModes][kRuns] = {};
  int failed[kModes][kRuns] = {};
};

// Prints one parsed program once per run in each mode.
void PrintRuns(OrvExpr* tree, void* context) {
  Runs& runs = *static_cast<Runs*>(context);
  ++runs.printed;
  for (int m = 0; m < kModes; ++m) {
    for (int r = 0; r < kRuns; ++r) {
      // Each run writes a new file: truncating one just written makes the
      // file system write it out first, which is not the printer's time.
      std::remove(runs.out.c_str());
      OrvTokenList messages;
      const auto start = std::chrono::steady_clock::now();
      const OrvResult result = runs.printers[m].PrintFile(VString(runs.out.c_str()), tree, &messages);
      runs.seconds[m][r] += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      if (result != 0) ++runs.failed[m][r];
    }
  }
  std::remove(runs.out.c_str());
}

}  // namespace

int main() {
  const std::string nist = std::string(LARK_CORPUS) + "/nist";
  const std::vector<std::string> files = nist_suite::Sources(nist);
  if (files.empty()) {
    std::printf("print: the NIST corpus is not at %s; nothing measured\n", nist.c_str());
    return 0;
  }
  char scratch[] = "/tmp/bench_print.XXXXXX";
  if (mkdtemp(scratch) == nullptr) {
    std::printf("print: cannot make a scratch folder\n");
    return 1;
  }
  Runs runs;
  const std::string copyDir = std::string(scratch) + "/copy";
  runs.printers[kSource].gen_src = 1;
  runs.printers[kSource].gen_copy_dir = VString(copyDir.c_str());
  long lines = 0;
  for (const std::string& path : files) {
    runs.out = std::string(scratch) + "/" + path.substr(path.rfind('/') + 1) + ".out";
    long n = 0;
    const int before = runs.printed;
    timed_parse::ParseOnce(path, nist + "/copy", n, nullptr, PrintRuns, &runs);
    if (runs.printed > before) lines += n;
  }
  for (int m = 0; m < kModes; ++m)
    for (int r = 0; r < kRuns; ++r)
      std::printf("%s of the NIST suite, run %d: %d files (%d failed), %ld lines, %.3f s, %.0f lines/s\n",
                  kModeNames[m], r + 1, runs.printed, runs.failed[m][r], lines, runs.seconds[m][r],
                  runs.seconds[m][r] > 0 ? lines / runs.seconds[m][r] : 0.0);
  // The member files of the SourcePrint runs.
  std::system(("rm -rf '" + copyDir + "'").c_str());
  rmdir(scratch);
  return 0;
}
