// The parse-state record: creation, growth, copying and release of its
// four stacks.
#include "OrvParseState.h"

#include <cstring>

namespace {

// Points the four tops of a record at entry `depth`.
void SetTops(ParseState* record, int depth) {
  record->stateTop = record->stateStack + depth;
  record->valueTop = record->valueStack + depth;
  record->positionTop = record->positionStack + depth;
  record->heightTop = record->heightStack + depth;
}

}  // namespace

ParseState* NewParseState(int n) {
  const int capacity = (n < 0 ? 0 : n) + PARSE_STATE_SPARE;
  ParseState* record = new ParseState();
  record->stackCapacity = capacity;
  record->stateStack = new int[capacity]();
  record->valueStack = new OrvParseValue[capacity]();
  record->positionStack = new OrvTokenList*[capacity]();
  record->heightStack = new int[capacity]();
  SetTops(record, 0);
  return record;
}

void GrowParseStacks(ParseState* record) {
  const int depth = record->Depth();
  const int old = record->stackCapacity;
  // Doubling keeps the cost of growth linear in the deepest depth reached.
  const int capacity = old * 2;
  int* states = new int[capacity];
  OrvParseValue* values = new OrvParseValue[capacity];
  OrvTokenList** positions = new OrvTokenList*[capacity];
  int* heights = new int[capacity];
  // Only the entries up to the top hold anything; those above it are read
  // by nobody.
  std::memcpy(states, record->stateStack, sizeof(int) * (depth + 1));
  CopyValues(values, record->valueStack, depth + 1);
  CopyPositions(positions, record->positionStack, depth + 1);
  std::memcpy(heights, record->heightStack, sizeof(int) * (depth + 1));
  delete[] record->stateStack;
  delete[] record->valueStack;
  delete[] record->positionStack;
  delete[] record->heightStack;
  record->stateStack = states;
  record->valueStack = values;
  record->positionStack = positions;
  record->heightStack = heights;
  record->stackCapacity = capacity;
  SetTops(record, depth);
}

void FreeParseState(ParseState* record) {
  if (record == nullptr) return;
  delete[] record->stateStack;
  delete[] record->valueStack;
  delete[] record->positionStack;
  delete[] record->heightStack;
  delete record;
}

void CopyValues(OrvParseValue* destination, const OrvParseValue* source, int n) {
  for (int i = n - 1; i >= 0; --i) destination[i] = source[i];
}

void CopyPositions(OrvTokenList** destination, OrvTokenList* const* source, int n) {
  for (int i = n - 1; i >= 0; --i) destination[i] = source[i];
}

void CopyParseStacks(ParseState* destination, const ParseState* source) {
  const int depth = source->Depth();
  while (destination->stackCapacity < depth + 1) GrowParseStacks(destination);
  std::memcpy(destination->stateStack, source->stateStack, sizeof(int) * (depth + 1));
  CopyValues(destination->valueStack, source->valueStack, depth + 1);
  CopyPositions(destination->positionStack, source->positionStack, depth + 1);
  std::memcpy(destination->heightStack, source->heightStack, sizeof(int) * (depth + 1));
  SetTops(destination, depth);
}

ParseState* SaveParseStacks(const ParseState* source) {
  ParseState* record = NewParseState(source->Depth());
  CopyParseStacks(record, source);
  return record;
}
