// The look-ahead queue of the parse engine and its token fetch: the tokens
// read while trial parses run are kept with their values and positions, so
// that going back to a conflict reads them again without calling the token
// source a second time.
#ifndef LARK_GRAMMAR_ORVLOOKAHEADQUEUE_H
#define LARK_GRAMMAR_ORVLOOKAHEADQUEUE_H

#include "OrvParseState.h"

class OrvTokenList;

struct OrvLookaheadQueue {
  // Three parallel arrays of `capacity` entries: token codes, values and
  // positions.  Null until the first trial.
  int* codes = nullptr;
  OrvParseValue* values = nullptr;
  OrvTokenList** positions = nullptr;
  // The next entry to deliver, and one past the last entry stored.
  int readIndex = 0;
  int endIndex = 0;
  int capacity = 0;
};

// The entries a queue starts with.
const int LOOKAHEAD_QUEUE_START = 16;

// The engine's queue; its arrays stay allocated from one parse to the next.
extern OrvLookaheadQueue LookaheadQueue;

// The value and position of the token just fetched.
extern OrvParseValue TokenValue;
extern OrvTokenList* TokenPosition;

// The engine's current parse-state record, null between parses.
extern ParseState* CurrentParseState;

// The next token code for the engine.  A queued token not yet read comes
// first (TokenValue and TokenPosition become its own); otherwise, in trial
// mode, the token source's token is appended to the queue; outside trials
// it is passed on directly.
int FetchToken();

// Doubles the capacity of the queue (called when it is full and fully
// read), keeping every entry and both indexes.  Returns 0.
int GrowLookaheadQueue();

// Makes the queue's arrays (LOOKAHEAD_QUEUE_START entries) when they do not
// exist yet.
void MakeLookaheadQueue();

// Frees the queue's arrays; the queue is then as before the first trial.
// Tokens it still holds are not released.
void FreeLookaheadQueue();

#endif
