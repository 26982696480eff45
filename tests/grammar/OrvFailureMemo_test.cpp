// The failure memo of trial parsing: a situation is known only when every
// part of it matches.
#include "OrvFailureMemo.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct Situation {
  int queueIndex = 4;
  int conflictState = 21;
  int errorCountdown = 0;
  int outermost = 0;
  OrvTokenSwitches switches = 1;
  std::vector<int> states{0, 7, 9, 21};
  std::vector<OrvParseValue> values{0, 5000, 0, 1};

  OrvMemoKey Key() const {
    return OrvMemoKey{queueIndex, conflictState, errorCountdown, outermost, switches,
                      static_cast<int>(states.size()) - 1, states.data(), values.data()};
  }
};

TEST(OrvFailureMemoTest, ASituationIsKnownOnlyWhenEveryPartMatches) {
  OrvFailureMemo memo;
  const Situation known;
  EXPECT_FALSE(memo.Knows(known.Key()));
  memo.Add(known.Key());
  EXPECT_TRUE(memo.Knows(known.Key()));

  // A value with another address but the same zero pattern is the same.
  Situation sameZeros;
  sameZeros.values = {0, 77, 0, 9000};
  EXPECT_TRUE(memo.Knows(sameZeros.Key()));

  const std::vector<std::function<void(Situation&)>> changes = {
      [](Situation& s) { s.queueIndex = 5; },
      [](Situation& s) { s.conflictState = 22; },
      [](Situation& s) { s.errorCountdown = 2; },
      [](Situation& s) { s.outermost = 1; },
      [](Situation& s) { s.switches = 0; },
      [](Situation& s) { s.states[1] = 8; },
      [](Situation& s) { s.values[2] = 1; },
      [](Situation& s) { s.values[3] = 0; },
      [](Situation& s) {
        s.states.push_back(30);
        s.values.push_back(0);
      },
  };
  for (std::size_t i = 0; i < changes.size(); ++i) {
    SCOPED_TRACE(i);
    Situation other;
    changes[i](other);
    EXPECT_FALSE(memo.Knows(other.Key()));
  }
  memo.Clear();
  EXPECT_FALSE(memo.Knows(known.Key()));
}

TEST(OrvFailureMemoTest, DeepStacksAreComparedInFull) {
  OrvFailureMemo memo;
  Situation deep;
  deep.states.assign(100, 3);
  deep.values.assign(100, 0);
  memo.Add(deep.Key());
  memo.Add(deep.Key());  // known already: stored once
  Situation differsAtTheBottom = deep;
  differsAtTheBottom.values[40] = 6000;  // past the first word of zero bits
  EXPECT_FALSE(memo.Knows(differsAtTheBottom.Key()));
  memo.Add(differsAtTheBottom.Key());
  EXPECT_TRUE(memo.Knows(differsAtTheBottom.Key()));
  EXPECT_TRUE(memo.Knows(deep.Key()));
}

}  // namespace
