// The parse engine on ten thousand damaged sources: words of sound
// sentences deleted, inserted and swapped, and parses given up at random
// steps.  Every parse must end; an accepted one holds every token the
// source delivered exactly once, in source order (in the tree or its error
// nodes); nothing
// stays in the look-ahead queue for the next parse.  Under the sanitizer
// build every run is also checked for leaks and stray memory use.
#include <gtest/gtest.h>

#include <utility>
#include <random>
#include <string>
#include <vector>

#include "EngineHarness.h"
#include "EngineTestSupport.h"

namespace {

using engine_harness::HarnessOptions;
using engine_harness::HarnessParse;
using engine_harness::ParseText;
using engine_harness::Words;

const char* const kSentences[] = {
    "READ F AT-END READ G AT-END WRITE X NOT-AT WRITE Y .",
    "WRITE A ( 1 ) FROM B INVALID MOVE C TO D NOT-AT INVALID DISPLAY ( 2 ) .",
    "PERFORM P OF S . PERFORM A OF B 3 .",
    "WRITE A ( B ( 1 ) ) WRITE C ( FUNCTION LEN ) .",
    "COMPUTE ( ( X ) ) ( END-READ Y ) .",
    "MOVE A B 1 TO C . WRITE A ( END-READ X ) .",
};

const char* const kVocabulary[] = {
    "READ", "WRITE", "PERFORM", "COMPUTE", "DISPLAY", "MOVE", "TO",       "FROM", "AT-END", "INVALID",
    "NOT-AT", "OF",  "FUNCTION", "END-READ", "(",     ")",    ".",        "A",    "B",      "7",
};

std::string Join(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& w : words) text += (text.empty() ? "" : " ") + w;
  return text;
}

TEST(EngineFuzzTest, DamagedSourcesKeepEveryTokenAndLeaveNothingQueued) {
  std::mt19937 random(20240611);
  auto below = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  const std::size_t sentenceCount = sizeof(kSentences) / sizeof(kSentences[0]);
  const std::size_t vocabularySize = sizeof(kVocabulary) / sizeof(kVocabulary[0]);
  int accepted = 0, aborted = 0, forced = 0;
  for (int run = 0; run < 10000; ++run) {
    std::vector<std::string> words = Words(kSentences[below(sentenceCount)]);
    if (below(2) == 0) {
      const std::vector<std::string> more = Words(kSentences[below(sentenceCount)]);
      words.insert(words.end(), more.begin(), more.end());
    }
    const int damage = 1 + static_cast<int>(below(3));
    for (int d = 0; d < damage && !words.empty(); ++d) {
      const std::size_t at = below(words.size());
      switch (below(3)) {
        case 0:
          words.erase(words.begin() + static_cast<long>(at));
          break;
        case 1:
          words.insert(words.begin() + static_cast<long>(at), kVocabulary[below(vocabularySize)]);
          break;
        default:
          if (at + 1 < words.size()) std::swap(words[at], words[at + 1]);
          break;
      }
    }
    const std::string text = Join(words);
    HarnessOptions options;
    if (run % 5 == 4) {
      options.forceAbortAtStep = static_cast<long>(below(4 * words.size() + 4));
      ++forced;
    }
    SCOPED_TRACE(text + (options.forceAbortAtStep >= 0
                             ? " (given up at step " + std::to_string(options.forceAbortAtStep) + ")"
                             : ""));
    const HarnessParse p = ParseText(text, options);
    ASSERT_EQ(0, p.queueRead);
    ASSERT_EQ(0, p.queueEnd);
    if (p.result == PARSE_ACCEPTED) {
      ++accepted;
      ASSERT_EQ(engine_harness::AllWords(text), p.tokenWords) << p.tree;
      ASSERT_EQ(static_cast<long>(words.size()) + 1, p.counters.tokenSourceCalls);
      ASSERT_EQ(p.counters.reductions, p.counters.positionSteps);
    } else {
      ++aborted;
      ASSERT_LE(p.counters.tokenSourceCalls, static_cast<long>(words.size()) + 1);
    }
  }
  // The damage gives both outcomes in numbers.
  EXPECT_GT(accepted, 1000);
  EXPECT_GT(aborted, 100);
  EXPECT_EQ(2000, forced);
}

}  // namespace
