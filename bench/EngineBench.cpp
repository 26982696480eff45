// Benchmark of the parse engine on generated sources of the harness
// grammar, each parsed at a size and at twice that size:
//   nesting      DISPLAY ( ( ... 7 ... ) ) .      no conflict, deep stacks
//   window       WRITE A ( 1 2 ... n ) .          one trial reading n tokens
//   list         MOVE X AND X ... AND X TO Y .    a list growing per item
// and nested ambiguous parentheses, COMPUTE ( ( ... X ... ) ) TO ., whose
// conflicts all fail at the last token.  Prints seconds, the ratio of the
// doubled size, trial tokens and steps per token, levels, the position
// step's slots per list item, and the peak memory.  It asserts nothing.
#include <pthread.h>
#include <sys/resource.h>

#include <cstdio>
#include <string>
#include <vector>

#include "EngineHarness.h"

namespace {

using engine_harness::HarnessOptions;
using engine_harness::HarnessParse;
using engine_harness::ParseText;

std::string Nesting(int n) { return engine_harness::Nested("DISPLAY", n, "7", "."); }

std::string Window(int n) {
  std::string text = "WRITE A (";
  for (int i = 1; i <= n; ++i) text += " " + std::to_string(i % 1000 + 1);
  return text + " ) .";
}

std::string List(int n) {
  std::string text = "MOVE X";
  for (int i = 1; i < n; ++i) text += " AND X";
  return text + " TO Y .";
}

std::string Ambiguous(int depth) { return engine_harness::Nested("COMPUTE", depth, "X", "TO ."); }

HarnessParse Run(const std::string& text) {
  HarnessOptions options;
  options.readBack = false;
  // The best of three runs.
  HarnessParse best;
  for (int i = 0; i < 3; ++i) {
    HarnessParse p = ParseText(text, options);
    if (i == 0 || p.seconds < best.seconds) best = p;
  }
  return best;
}

long Tokens(const std::string& text) { return static_cast<long>(engine_harness::Words(text).size()); }

void Doubling(const char* name, std::string (*generate)(int), int n) {
  const std::string small = generate(n);
  const std::string large = generate(2 * n);
  const HarnessParse a = Run(small);
  const HarnessParse b = Run(large);
  const long tokens = Tokens(large);
  std::printf("%-8s %7ld tokens %8.4f s  %7ld tokens %8.4f s  ratio %.2f (<= 2.2)  result %d\n", name,
              Tokens(small), a.seconds, tokens, b.seconds, a.seconds > 0 ? b.seconds / a.seconds : 0.0,
              b.result);
  std::printf("         trial tokens per token %.2f (<= 1)  trial steps per token %.2f (<= 8)  "
              "levels %ld  longest window %ld\n",
              static_cast<double>(b.counters.trialTokens) / tokens,
              static_cast<double>(b.counters.trialSteps) / tokens, b.counters.levels,
              b.counters.longestWindow);
}

void* Benchmarks(void*) {
  Doubling("nesting", &Nesting, 50000);
  Doubling("window", &Window, 50000);
  Doubling("list", &List, 50000);

  const HarnessParse ambiguous = Run(Ambiguous(24));
  std::printf("ambiguous parentheses, depth 24: %.3f ms (< 50)  levels %ld (<= 48)  memo hits %ld  "
              "messages %zu\n",
              ambiguous.seconds * 1000, ambiguous.counters.levels, ambiguous.counters.memoHits,
              ambiguous.messages.size());

  std::printf("position step, slots examined per list item:");
  for (int n : {10, 100, 1000, 10000}) {
    HarnessOptions options;
    options.readBack = false;
    const HarnessParse p = ParseText(List(n), options);
    std::printf("  %d items %.2f", n, static_cast<double>(p.counters.positionSlots) / n);
  }
  std::printf("\n");
  return nullptr;
}

}  // namespace

int main() {
  // Deleting a tree 100000 levels deep recurses through every level: the
  // benchmarks run on a thread with a stack to match.
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, 1024L * 1024 * 1024);
  pthread_t thread;
  if (pthread_create(&thread, &attributes, &Benchmarks, nullptr) != 0) {
    std::printf("cannot start the benchmark thread\n");
    return 1;
  }
  pthread_join(thread, nullptr);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory %.1f MB\n", usage.ru_maxrss / 1024.0);
  return 0;
}
