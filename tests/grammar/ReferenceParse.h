// A plain LR parse over a grammar's tables for tests, without trial
// parsing or error recovery: at a conflict cell it takes the alternative
// that `choices` names next (0 is the first), so that a test can follow the
// path it expects and compare with what the engine did.
#ifndef LARK_TESTS_GRAMMAR_REFERENCEPARSE_H
#define LARK_TESTS_GRAMMAR_REFERENCEPARSE_H

#include <string>
#include <vector>

#include "OrvParseTables.h"

struct ReferenceParseResult {
  bool accepted = false;
  std::string error;  // why it stopped, when it did not accept
  std::size_t choicesUsed = 0;
};

// Parses `codes` (end of input after the last).  `onShift` is called for
// each shifted token; `onReduce(rule)` for each reduction, before the
// rule's symbols leave the stack; it says whether to go on.
template <class OnShift, class OnReduce>
ReferenceParseResult ReferenceParse(const OrvParseTables& t, const std::vector<int>& codes,
                                    const std::vector<int>& choices, OnShift onShift, OnReduce onReduce) {
  std::vector<int> states{0};
  std::size_t next = 0;
  ReferenceParseResult result;
  for (int step = 0; step < 1000000; ++step) {
    const int state = states.back();
    const int token = next < codes.size() ? codes[next] : 0;
    if (state == t.FINAL_STATE && token == 0) {
      result.accepted = true;
      return result;
    }
    int rule = t.DefaultReduction[state];
    int target = TABLE_NO_ENTRY;
    if (rule == 0) {
      const int list = t.ConflictLookup(state, token);
      if (list != TABLE_NO_ENTRY) {
        if (result.choicesUsed == choices.size()) {
          result.error = "no choice left for the conflict in state " + std::to_string(state);
          return result;
        }
        const int pick = choices[result.choicesUsed++];
        const bool startsWithShift = t.ConflictLists[list] != -1;
        if (startsWithShift && pick == 0) {
          target = t.ConflictLists[list];
        } else {
          rule = t.ConflictLists[list + (startsWithShift ? pick : pick + 1)];
        }
      } else if ((target = t.ShiftLookup(state, token)) == TABLE_NO_ENTRY) {
        rule = t.ReduceLookup(state, token);
      }
    }
    if (target != TABLE_NO_ENTRY) {
      states.push_back(target);
      onShift(next++);
      continue;
    }
    if (rule <= 0) {
      result.error = "syntax error at token " + std::to_string(next);
      return result;
    }
    if (!onReduce(rule)) {
      result.error = "stopped at rule " + std::to_string(rule);
      return result;
    }
    states.resize(states.size() - t.RuleLength[rule]);
    const int lhs = t.RuleLhs[rule];
    states.push_back(states.back() == 0 && lhs == 0 ? t.FINAL_STATE : t.GotoState(lhs, states.back()));
  }
  result.error = "no end";
  return result;
}

#endif
