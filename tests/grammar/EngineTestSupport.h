// Helpers of the parse-engine tests: a reference LR parse of the harness
// grammar that takes given choices at conflict cells (what the final path
// of a trial parse should be), and the checks every harness parse must
// pass.
#ifndef LARK_TESTS_GRAMMAR_ENGINETESTSUPPORT_H
#define LARK_TESTS_GRAMMAR_ENGINETESTSUPPORT_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineHarness.h"
#include "ReferenceParse.h"

namespace engine_harness {

// The reductions per rule of a plain LR parse of `text` (no actions, no
// recovery) taking choices[i] at the i-th conflict cell met (0 = the first
// alternative).  A word after FUNCTION is a function name, as the grammar's
// switch makes it.  Fails the test and gives an empty vector when the
// parse does not accept with exactly these choices.
inline std::vector<long> ReferenceReductions(const std::string& text, const std::vector<int>& choices) {
  std::vector<int> codes;
  std::string previous;
  for (const std::string& w : Words(text)) {
    codes.push_back(WordCode(w, previous == "FUNCTION"));
    previous = w;
  }
  std::vector<long> reductions(ParseTables.ruleCount, 0);
  const ReferenceParseResult r = ReferenceParse(ParseTables, codes, choices, [](std::size_t) {},
                                                [&reductions](int rule) {
                                                  ++reductions[rule];
                                                  return true;
                                                });
  EXPECT_TRUE(r.accepted) << r.error;
  EXPECT_EQ(choices.size(), r.choicesUsed) << "choices left over";
  return r.accepted ? reductions : std::vector<long>();
}

// What holds for every harness parse: the token source was called once per
// word and once for the end of input (never more, and all of them when the
// input was accepted), the position step ran once per reduction outside
// trials, and nothing is left in the queue.
inline void ExpectSoundParse(const HarnessParse& p, const std::string& text) {
  const long calls = static_cast<long>(Words(text).size()) + 1;
  if (p.result == PARSE_ACCEPTED) {
    EXPECT_EQ(calls, p.counters.tokenSourceCalls) << "token source calls";
  } else {
    EXPECT_LE(p.counters.tokenSourceCalls, calls) << "token source calls";
  }
  EXPECT_EQ(p.counters.reductions, p.counters.positionSteps) << "position steps";
  EXPECT_EQ(0, p.queueRead);
  EXPECT_EQ(0, p.queueEnd);
}

// Every word of the text, in source order, among the tokens of the tree.
inline std::vector<int> AllWords(const std::string& text) {
  const std::size_t count = Words(text).size();
  std::vector<int> words;
  for (std::size_t i = 0; i < count; ++i) words.push_back(static_cast<int>(i));
  return words;
}

}  // namespace engine_harness

#endif
