// The parse-state record of the parse engine: its four parallel stacks
// (automaton states, semantic values, positions, tree heights), the error-recovery
// countdown and, in a saved record, what a trial level needs to come back
// to its conflict.  The engine's current record and every saved trial level
// and error context are such records.
#ifndef LARK_GRAMMAR_ORVPARSESTATE_H
#define LARK_GRAMMAR_ORVPARSESTATE_H

#include <cstdint>

#include "OrvActionFrame.h"

class OrvTokenList;

// The switches that grammar actions set in the token source (the lexer's
// word-lookup and function-name modes, the parser's name lookup and the
// like), packed into one word so that a trial level can put them back.
typedef std::uint32_t OrvTokenSwitches;

struct ParseState {
  // In the current record: the innermost saved trial level, null outside
  // trials (non-null means trial mode, with { } actions off).  In a saved
  // level: the level around it.  In a record of the replay path: the next
  // record of the path.
  ParseState* enclosingSave;
  // In a saved record: the state in which the conflict was met (for an
  // error context: the state of the failure).
  int conflictState;
  // 0 in normal parsing; 3 right after a syntax error, lowered by each
  // shifted token.
  int errorCountdown;
  // The top entries of the stacks; all four tops always stand at the same
  // depth.
  int* stateTop;
  OrvParseValue* valueTop;
  OrvTokenList** positionTop;
  // The top entry of the height stack, which runs beside the others: for
  // each entry, a bound on the height of the tree its value holds (0 for a
  // token).  A left-recursive rule that wraps its own result, as
  // A + B - C + D ... does, builds a tree far deeper than the stack ever
  // grows; the engine bounds these heights as it bounds the stack.
  int* heightTop;
  // The bases of the stacks.  Entry 0 belongs to state 0, with value 0 and
  // position null.  A position entry owns its list until the position step
  // takes the tokens out of it.
  int* stateStack;
  OrvParseValue* valueStack;
  OrvTokenList** positionStack;
  int* heightStack;
  // In a saved record: the read index of the look-ahead queue at which its
  // trial began (its look-ahead included in what is still to be read); in
  // an error context, the read index at the failure.
  int queueIndex;
  // Entries of each of the four stacks.
  int stackCapacity;
  // In a saved record: the ConflictLists index of the alternative tried.
  int alternative;
  // In a saved record: the token source's switches when it was saved.
  OrvTokenSwitches switches;

  // The number of entries above the bottom entry.
  int Depth() const { return static_cast<int>(stateTop - stateStack); }
};

// The spare entries a new record has beyond the depth it is made for.
const int PARSE_STATE_SPARE = 4;

// A new record whose four stacks hold n + PARSE_STATE_SPARE entries, all
// cleared; the tops point at the bottom entries.
// Every other field is 0 or null for the caller to set.
ParseState* NewParseState(int n);

// Doubles the capacity of the record's four stacks, keeping every entry
// and the depth of the tops.  The new entries above the old capacity are
// not cleared.
void GrowParseStacks(ParseState* record);

// Frees the four stacks (each when present) and the record.
void FreeParseState(ParseState* record);

// Copy n entries from source to destination, from the last one down to the
// first; n of 0 or less copies nothing.
void CopyValues(OrvParseValue* destination, const OrvParseValue* source, int n);
void CopyPositions(OrvTokenList** destination, OrvTokenList* const* source, int n);

// Makes the stacks of `destination` those of `source`: the entries from the
// bottom up to the source's top are copied (the destination grows first when
// it is too small) and the destination's tops stand at the same depth.
void CopyParseStacks(ParseState* destination, const ParseState* source);

// A new record holding a copy of the stacks of `source`, with capacity for
// its depth plus PARSE_STATE_SPARE; the other fields as NewParseState.
ParseState* SaveParseStacks(const ParseState* source);

#endif
