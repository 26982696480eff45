// The look-ahead queue, the token fetch and the engine's token globals.
#include "OrvLookaheadQueue.h"

#include <cstring>

#include "OrvParseCounters.h"
#include "OrvTokenSource.h"

OrvLookaheadQueue LookaheadQueue;
OrvParseValue TokenValue = 0;
OrvTokenList* TokenPosition = nullptr;
ParseState* CurrentParseState = nullptr;

namespace {

// The token source's next token, counted; end of input without a source.
int CallTokenSource() {
  ++ParseCounters.tokenSourceCalls;
  if (TokenSource.next != nullptr) return TokenSource.next();
  TokenValue = 0;
  TokenPosition = nullptr;
  return 0;
}

}  // namespace

OrvTokenSwitches TokenSourceSwitches() {
  return TokenSource.getSwitches != nullptr ? TokenSource.getSwitches() : 0;
}

void SetTokenSourceSwitches(OrvTokenSwitches switches) {
  if (TokenSource.setSwitches != nullptr) TokenSource.setSwitches(switches);
}

int FetchToken() {
  OrvLookaheadQueue& q = LookaheadQueue;
  const bool trial = CurrentParseState != nullptr && CurrentParseState->enclosingSave != nullptr;
  if (trial) ++ParseCounters.trialTokens;
  if (q.readIndex < q.endIndex) {
    TokenValue = q.values[q.readIndex];
    TokenPosition = q.positions[q.readIndex];
    return q.codes[q.readIndex++];
  }
  if (!trial) return CallTokenSource();
  if (q.readIndex >= q.capacity) GrowLookaheadQueue();
  const int code = CallTokenSource();
  q.codes[q.readIndex] = code;
  q.values[q.readIndex] = TokenValue;
  q.positions[q.readIndex] = TokenPosition;
  q.endIndex = ++q.readIndex;
  return code;
}

int GrowLookaheadQueue() {
  OrvLookaheadQueue& q = LookaheadQueue;
  if (q.codes == nullptr) {
    MakeLookaheadQueue();
    return 0;
  }
  // Doubling keeps the cost of a long trial window linear in its length.
  const int capacity = q.capacity * 2;
  int* codes = new int[capacity];
  OrvParseValue* values = new OrvParseValue[capacity];
  OrvTokenList** positions = new OrvTokenList*[capacity];
  std::memcpy(codes, q.codes, sizeof(int) * q.endIndex);
  CopyValues(values, q.values, q.endIndex);
  CopyPositions(positions, q.positions, q.endIndex);
  delete[] q.codes;
  delete[] q.values;
  delete[] q.positions;
  q.codes = codes;
  q.values = values;
  q.positions = positions;
  q.capacity = capacity;
  return 0;
}

void MakeLookaheadQueue() {
  OrvLookaheadQueue& q = LookaheadQueue;
  if (q.codes != nullptr) return;
  q.codes = new int[LOOKAHEAD_QUEUE_START];
  q.values = new OrvParseValue[LOOKAHEAD_QUEUE_START];
  q.positions = new OrvTokenList*[LOOKAHEAD_QUEUE_START];
  q.capacity = LOOKAHEAD_QUEUE_START;
  q.readIndex = q.endIndex = 0;
}

void FreeLookaheadQueue() {
  OrvLookaheadQueue& q = LookaheadQueue;
  delete[] q.codes;
  delete[] q.values;
  delete[] q.positions;
  q = OrvLookaheadQueue();
}
