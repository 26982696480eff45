// Benchmark of printing parsed trees back as COBOL: every program of the
// NIST suite is parsed (not timed) and written with PrintFile and the
// default settings into a scratch folder, three times over; each run prints
// the files, the source lines, the seconds of PrintFile and the lines per
// second of the whole suite.  It reports and asserts nothing.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <string>
#include <vector>

#include "NistSuite.h"
#include "OrvDials.h"
#include "OrvExpr.h"
#include "OrvParseSource.h"
#include "OrvParserImpl.h"
#include "OrvPrettyPrinter.h"
#include "OrvToken.h"

namespace {

const int kRuns = 3;

void Quiet(int, const OrvTxtPosn*, const VString*) {}

// One parsed program; the tree belongs to the caller.
OrvExpr* ParseProgram(const std::string& path, const std::string& copyDir, long& lines) {
  OrvParserImpl parser;
  parser.messageSink = &Quiet;
  parser.primaryDialect = ORV_DIAL_ANSI85;
  parser.copylibDirs.count = 0;
  parser.copylibDirs.items[parser.copylibDirs.count++] = VString(copyDir.c_str());
  parser.copylibSuffixes.count = 0;
  parser.copylibSuffixes.items[parser.copylibSuffixes.count++] = VString("");
  VString problem;
  parser.ResolveDialectOptions(problem);
  OrvTokenList messages;
  OrvExpr* tree = nullptr;
  parser.Parse(VString(path.c_str()), &tree, &messages);
  lines = parser.lineCount;
  return tree;
}

std::string BaseName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace

int main() {
  OrvInstallParseSource();
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
  double seconds[kRuns] = {};
  long lines = 0;
  int printed = 0, failed = 0;
  std::vector<std::string> outputs;
  OrvPrettyPrinterImpl printer;
  for (const std::string& path : files) {
    long n = 0;
    OrvExpr* tree = ParseProgram(path, nist + "/copy", n);
    if (tree == nullptr) continue;
    const std::string out = std::string(scratch) + "/" + BaseName(path) + ".out";
    outputs.push_back(out);
    for (int r = 0; r < kRuns; ++r) {
      // Each run writes a new file: truncating one just written makes the
      // file system write it out first, which is not the printer's time.
      std::remove(out.c_str());
      OrvTokenList messages;
      const auto start = std::chrono::steady_clock::now();
      const OrvResult result = printer.PrintFile(VString(out.c_str()), tree, &messages);
      seconds[r] += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      if (r == 0 && result != 0) ++failed;
    }
    lines += n;
    ++printed;
    delete tree;
  }
  for (int r = 0; r < kRuns; ++r)
    std::printf("print of the NIST suite, run %d: %d files (%d failed), %ld lines, %.3f s, %.0f lines/s\n", r + 1,
                printed, failed, lines, seconds[r], seconds[r] > 0 ? lines / seconds[r] : 0.0);
  for (const std::string& out : outputs) std::remove(out.c_str());
  rmdir(scratch);
  return 0;
}
