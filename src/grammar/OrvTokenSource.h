// The token source of the parse engine: the function that delivers the next
// token with its semantic value and position, and the word of switches that
// grammar actions set in it.  The parse driver's yylex is the source of a
// real parse; tests put a source of their own in its place.
#ifndef LARK_GRAMMAR_ORVTOKENSOURCE_H
#define LARK_GRAMMAR_ORVTOKENSOURCE_H

#include "OrvParseState.h"

struct OrvTokenSource {
  // The code of the next token (0 or a negative code at the end of input);
  // sets TokenValue and TokenPosition, a new position list that the engine
  // owns from then on (the end-of-input list excepted: its owner keeps it).
  int (*next)();
  // The switches as they stand now, and putting them back.  A trial level
  // saves them, and going back to a level (or to the failure that read
  // furthest) restores them, so that tokens read after the level are read
  // with the switches of the parse that reads them.
  OrvTokenSwitches (*getSwitches)();
  void (*setSwitches)(OrvTokenSwitches switches);
};

// The source the engine reads: the parse driver's yylex (YylexTokenSource)
// unless a caller installed another, as tests do.  Without a `next` the
// input is empty; a source without switches has the word 0.
extern OrvTokenSource TokenSource;

// The parse driver's source: CallYylex and the switches of the lexer and of
// the parser object that grammar actions set (OrvYylex.h).
extern const OrvTokenSource YylexTokenSource;

// The installed source's switches (0 without them), and putting them back.
OrvTokenSwitches TokenSourceSwitches();
void SetTokenSourceSwitches(OrvTokenSwitches switches);

#endif
