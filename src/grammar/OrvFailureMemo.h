// The failure memo of trial parsing.  Within one outermost trial the queued
// tokens never change, so a trial level behaves alike whenever it starts
// from the same situation: the same queue index, conflict state, state
// stack, zero/non-zero pattern of the values (all that trial code may test
// of them), error countdown, outermost flag and token-source switches.  A
// level that ran out of alternatives records its situation; a later level
// in a recorded situation fails at once, which changes nothing else: the
// failure that read furthest was already kept when the first one failed.
// Nested two-way conflicts that all fail late then cost a number of levels
// linear in their depth, not exponential.
#ifndef LARK_GRAMMAR_ORVFAILUREMEMO_H
#define LARK_GRAMMAR_ORVFAILUREMEMO_H

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "OrvParseState.h"

// The situation of a trial level, read from stacks that the memo does not
// own.
struct OrvMemoKey {
  int queueIndex;
  int conflictState;
  int errorCountdown;
  int outermost;  // 1 for an outermost level
  OrvTokenSwitches switches;
  int depth;      // the stacks hold entries 0..depth
  const int* states;
  const OrvParseValue* values;
};

// The situation of the saved level `level`.
OrvMemoKey OrvMemoKeyOf(const ParseState* level);

class OrvFailureMemo {
 public:
  // Forgets every situation (an outermost trial starts).
  void Clear();
  // Whether a level in this situation is known to run out of alternatives.
  bool Knows(const OrvMemoKey& key) const;
  // Records a situation whose level ran out of alternatives.
  void Add(const OrvMemoKey& key);

 private:
  static std::uint64_t Hash(const OrvMemoKey& key);
  // Whether a situation of this hash is `key`.
  bool Find(std::uint64_t hash, const OrvMemoKey& key) const;
  // Whether the situation stored at `at` in the pool is `key`.
  bool Matches(std::size_t at, const OrvMemoKey& key) const;

  // Hash to the offset of a situation in the pool.
  std::unordered_multimap<std::uint64_t, std::size_t> index_;
  // The situations, one after the other: the six scalar fields, the states,
  // then the zero/non-zero bits of the values, 32 to a word.
  std::vector<std::uint32_t> pool_;
};

#endif
