// The parse engine's records and queue: a new record's stacks, their
// growth, entry copies, the queue's growth, and the token fetch outside
// trials.
#include "OrvParseState.h"

#include <gtest/gtest.h>

#include <vector>

#include "OrvLookaheadQueue.h"
#include "OrvParseCounters.h"
#include "OrvToken.h"
#include "OrvTokenSource.h"

namespace {

OrvTokenList* FakeList(int i) { return reinterpret_cast<OrvTokenList*>(static_cast<std::intptr_t>(0x1000 + 8 * i)); }

// Pushes one entry as the engine does (no growth check).
void Put(ParseState* r, int state, OrvParseValue value, OrvTokenList* position) {
  *++r->stateTop = state;
  *++r->valueTop = value;
  *++r->positionTop = position;
}

TEST(OrvParseStateTest, TheFirstRecordHasSixteenClearedEntriesAndGrowsToThirtyTwo) {
  ParseState* r = NewParseState(12);
  ASSERT_EQ(16, r->stackCapacity);
  EXPECT_EQ(0, r->Depth());
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(0, r->stateStack[i]);
    EXPECT_EQ(0, r->valueStack[i]);
    EXPECT_EQ(nullptr, r->positionStack[i]);
  }
  // The bottom entry and 15 pushed ones fill it.
  for (int i = 1; i <= 15; ++i) Put(r, 100 + i, 2000 + i, FakeList(i));
  EXPECT_EQ(15, r->Depth());
  EXPECT_EQ(r->stackCapacity - 1, r->Depth());
  GrowParseStacks(r);
  EXPECT_EQ(32, r->stackCapacity);
  EXPECT_EQ(15, r->Depth());
  EXPECT_EQ(115, *r->stateTop);
  EXPECT_EQ(2015, *r->valueTop);
  EXPECT_EQ(FakeList(15), *r->positionTop);
  for (int i = 1; i <= 15; ++i) {
    EXPECT_EQ(100 + i, r->stateStack[i]);
    EXPECT_EQ(2000 + i, r->valueStack[i]);
    EXPECT_EQ(FakeList(i), r->positionStack[i]);
  }
  // Growth doubles: deep stacks cost linear time.
  GrowParseStacks(r);
  EXPECT_EQ(64, r->stackCapacity);
  EXPECT_EQ(15, r->Depth());
  FreeParseState(r);
  FreeParseState(nullptr);
}

TEST(OrvParseStateTest, SavingCopiesTheStacksUpToTheTop) {
  ParseState* r = NewParseState(12);
  for (int i = 1; i <= 40; ++i) {
    if (r->Depth() >= r->stackCapacity - 1) GrowParseStacks(r);
    Put(r, i, -i, FakeList(i));
  }
  ParseState* saved = SaveParseStacks(r);
  EXPECT_EQ(40, saved->Depth());
  EXPECT_EQ(40 + PARSE_STATE_SPARE, saved->stackCapacity);
  r->stateTop -= 30;
  r->valueTop -= 30;
  r->positionTop -= 30;
  ParseState* small = NewParseState(0);
  CopyParseStacks(small, saved);  // grows the destination first
  EXPECT_EQ(40, small->Depth());
  EXPECT_GE(small->stackCapacity, 41);
  for (int i = 0; i <= 40; ++i) {
    EXPECT_EQ(i, small->stateStack[i]);
    EXPECT_EQ(-i, small->valueStack[i]);
    EXPECT_EQ(i == 0 ? nullptr : FakeList(i), small->positionStack[i]);
  }
  FreeParseState(r);
  FreeParseState(saved);
  FreeParseState(small);
}

TEST(OrvParseStateTest, EntryCopiesRunFromTheLastEntryDown) {
  // Copying to a higher place of the same array works because the last
  // entry moves first.
  std::vector<OrvParseValue> values{1, 2, 3, 4, 5, 0, 0};
  CopyValues(values.data() + 2, values.data(), 5);
  EXPECT_EQ((std::vector<OrvParseValue>{1, 2, 1, 2, 3, 4, 5}), values);
  CopyValues(values.data(), values.data() + 1, 0);
  CopyValues(values.data(), values.data() + 1, -3);
  EXPECT_EQ((std::vector<OrvParseValue>{1, 2, 1, 2, 3, 4, 5}), values);
  std::vector<OrvTokenList*> positions{FakeList(1), FakeList(2), nullptr};
  CopyPositions(positions.data() + 1, positions.data(), 2);
  EXPECT_EQ((std::vector<OrvTokenList*>{FakeList(1), FakeList(1), FakeList(2)}), positions);
}

TEST(OrvLookaheadQueueTest, AFullQueueGrowsOnceToThirtyTwoKeepingItsEntries) {
  FreeLookaheadQueue();
  MakeLookaheadQueue();
  OrvLookaheadQueue& q = LookaheadQueue;
  ASSERT_EQ(LOOKAHEAD_QUEUE_START, q.capacity);
  for (int i = 0; i < 16; ++i) {
    q.codes[i] = 400 + i;
    q.values[i] = 5000 + i;
    q.positions[i] = FakeList(i);
  }
  q.readIndex = q.endIndex = 16;
  EXPECT_EQ(0, GrowLookaheadQueue());
  EXPECT_EQ(32, q.capacity);
  EXPECT_EQ(16, q.readIndex);
  EXPECT_EQ(16, q.endIndex);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(400 + i, q.codes[i]);
    EXPECT_EQ(5000 + i, q.values[i]);
    EXPECT_EQ(FakeList(i), q.positions[i]);
  }
  FreeLookaheadQueue();
  EXPECT_EQ(nullptr, q.codes);
  EXPECT_EQ(0, q.capacity);
}

// A source of three numbered tokens.
int sourceNext = 0;
int ThreeTokens() {
  TokenValue = 7000 + sourceNext;
  TokenPosition = FakeList(sourceNext);
  return sourceNext < 3 ? 500 + sourceNext++ : 0;
}

TEST(OrvLookaheadQueueTest, OutsideTrialsTokensGoStraightFromTheSource) {
  FreeLookaheadQueue();
  const OrvTokenSource saved = TokenSource;
  TokenSource = OrvTokenSource{&ThreeTokens, nullptr, nullptr};
  ParseCounters = OrvParseCounters();
  sourceNext = 0;
  ParseState* outside = NewParseState(12);
  CurrentParseState = outside;
  EXPECT_EQ(500, FetchToken());
  EXPECT_EQ(7000, TokenValue);
  EXPECT_EQ(501, FetchToken());
  EXPECT_EQ(FakeList(1), TokenPosition);
  EXPECT_EQ(nullptr, LookaheadQueue.codes);
  EXPECT_EQ(2, ParseCounters.tokenSourceCalls);
  EXPECT_EQ(0, ParseCounters.trialTokens);
  // Without a source the input is empty.
  TokenSource = OrvTokenSource{nullptr, nullptr, nullptr};
  EXPECT_EQ(0, FetchToken());
  EXPECT_EQ(0u, TokenSourceSwitches());
  SetTokenSourceSwitches(5);  // nothing to set
  CurrentParseState = nullptr;
  FreeParseState(outside);
  TokenSource = saved;
}

}  // namespace
