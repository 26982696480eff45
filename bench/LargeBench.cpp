// Benchmark of larkstat on large generated programs, each run in a new
// larkstat process: the statement mix of the parse benchmark with a
// WORKING-STORAGE that defines every name it uses, at 10,000, 100,000 and
// 400,000 lines, and the program of one record of 200,000 PIC X(3) items
// with the names ascending, descending and shuffled, and of 20,000 items
// ascending.  For each: lines or items, seconds, lines or items per second,
// peak memory and the bytes per line or item above the peak of an empty
// program; then the ratios of the large against the smaller sizes and of
// the name orders, each with its target in parentheses.  The time is the
// fastest of kRuns processes.  It reports and asserts nothing.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "GeneratedPrograms.h"
#include "LarkstatProcess.h"

namespace {

const int kRuns = 3;

struct Figures {
  double seconds = 0;
  double peakMB = 0;
  int exitStatus = 0;
};

// Writes `text` to `path`; false when the file cannot be written.
bool WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

// larkstat with its default options on one file, kRuns times: the fastest
// run's seconds, the largest peak and the exit status of the last run.
Figures Measure(const std::string& dir, const std::string& name, const std::string& text) {
  Figures f;
  const std::string path = dir + "/" + name;
  if (!WriteFile(path, text)) {
    std::printf("  %s: cannot be written\n", path.c_str());
    f.exitStatus = -1;
    return f;
  }
  const std::string outPath = dir + "/report.txt";
  for (int r = 0; r < kRuns; ++r) {
    const larkstat_process::Run run = larkstat_process::RunOnce(LARK_LARKSTAT, {path}, outPath);
    if (r == 0 || run.seconds < f.seconds) f.seconds = run.seconds;
    if (run.peakMB > f.peakMB) f.peakMB = run.peakMB;
    f.exitStatus = run.exitStatus;
  }
  unlink(outPath.c_str());
  unlink(path.c_str());
  return f;
}

// One line of figures: `count` lines or items (`unit`) in f.
void Print(const char* what, long count, const char* unit, const Figures& f, double baseMB) {
  std::printf("%-22s %8ld %-5s %7.3f s %9.0f %s/s  peak %7.1f MB  %6.0f B/%s above base  exit %d\n", what, count,
              unit, f.seconds, f.seconds > 0 ? count / f.seconds : 0.0, unit, f.peakMB,
              (f.peakMB - baseMB) * 1024 * 1024 / count, unit, f.exitStatus);
}

// Lines of a text (each line ends with a line feed).
long Lines(const std::string& text) {
  long n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

}  // namespace

int main() {
  char dir[] = "/tmp/lark_large_bench_XXXXXX";
  if (mkdtemp(dir) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const Figures empty = Measure(dir, "empty.cbl", generated::EmptyProgram());
  std::printf("empty program: peak %.1f MB (the base of the figures above base)\n", empty.peakMB);
  const double base = empty.peakMB;

  const int sizes[] = {10000, 100000, 400000};
  Figures mix[3];
  for (int i = 0; i < 3; ++i) {
    const std::string text = generated::StatementMixProgram(sizes[i], true);
    mix[i] = Measure(dir, "mix.cbl", text);
    Print((std::to_string(sizes[i] / 1000) + "k-line program").c_str(), Lines(text), "line", mix[i], base);
  }

  struct ItemRun {
    const char* what;
    int items;
    generated::NameOrder order;
  };
  const ItemRun itemRuns[] = {{"20k items, ascending", 20000, generated::NameOrder::kAscending},
                              {"200k items, ascending", 200000, generated::NameOrder::kAscending},
                              {"200k items, descending", 200000, generated::NameOrder::kDescending},
                              {"200k items, shuffled", 200000, generated::NameOrder::kShuffled}};
  Figures items[4];
  for (int i = 0; i < 4; ++i) {
    items[i] = Measure(dir, "items.cbl", generated::ItemsProgram(itemRuns[i].items, itemRuns[i].order));
    Print(itemRuns[i].what, itemRuns[i].items, "item", items[i], base);
  }
  rmdir(dir);

  const double lines100k = sizes[1] / mix[1].seconds;
  std::printf("100k-line program: %.0f lines/s (>= 350000), %.0f B/line above base (<= 1000)\n", lines100k,
              (mix[1].peakMB - base) * 1024 * 1024 / sizes[1]);
  std::printf("400k against 100k lines: time x%.2f (<= 4.4), memory above base x%.2f (<= 4.1)\n",
              mix[2].seconds / mix[1].seconds, (mix[2].peakMB - base) / (mix[1].peakMB - base));
  std::printf("200k items, ascending: %.3f s (<= 1.0), %.0f B/item above base (<= 1200), peak %.1f MB (<= 250)\n",
              items[1].seconds, (items[1].peakMB - base) * 1024 * 1024 / 200000, items[1].peakMB);
  std::printf("200k items against 20k, ascending: time x%.2f, memory above base x%.2f\n",
              items[1].seconds / items[0].seconds, (items[1].peakMB - base) / (items[0].peakMB - base));
  std::printf("200k items, descending against ascending: time x%.2f (<= 1.2)\n",
              items[2].seconds / items[1].seconds);
  std::printf("200k items, shuffled against ascending: time x%.2f (<= 1.2)\n", items[3].seconds / items[1].seconds);
  return 0;
}
