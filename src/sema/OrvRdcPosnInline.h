// The tests of the position step's most frequent case, inline for its
// callers at every reduction (RdcPosnStep and the parse engine), which
// skip the step's set-up when they hold.
#ifndef LARK_SEMA_ORVRDCPOSNINLINE_H
#define LARK_SEMA_ORVRDCPOSNINLINE_H

#include "OrvParserErrors.h"
#include "OrvParserImpl.h"
#include "OrvToken.h"

// Whether `parser` (the current parser, or null) runs the plain position
// step: its no-reduce flag is clear and its position trace is off.
inline bool RdcPosnPlainParser(const OrvParserImpl* parser) {
  return parser == nullptr || (!parser->noReduce && parser->debugLevel == 0);
}

// Whether the plain position step of a rule of one symbol, whose position
// list is `first` and whose new value is `newValue`, passes that list up
// whole as the new position: a list that is there and holds no tokens, or
// a new value that is no node.  RdcPosnStep then only takes the list out
// of its entry.
inline bool RdcPosnPassesFirstList(const OrvTokenList* first, OrvGrammarValue newValue) {
  return first != nullptr && (first->IsEmpty() || OrvGrammarValueNode(newValue) == nullptr);
}

// The plain position step's cases that need no search, taken inline: a
// rule of no symbol gets a new empty list, and a rule of one symbol whose
// list RdcPosnPassesFirstList passes up gets that list (its entry set to
// null).  False, with nothing done, for any other reduction, which takes
// the whole step (RdcPosnStep).
inline bool RdcPosnQuickStep(OrvTokenList** newPosition, OrvTokenList** rhsPositions, int n,
                             OrvGrammarValue newValue) {
  if (n == 0) {
    *newPosition = new OrvTokenList();
    return true;
  }
  if (n == 1 && RdcPosnPassesFirstList(rhsPositions[0], newValue)) {
    *newPosition = rhsPositions[0];
    rhsPositions[0] = nullptr;
    return true;
  }
  return false;
}

#endif
