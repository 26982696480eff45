// What a semantic action of the grammar sees when the parse engine reduces
// its rule: the value stack from its top, the result of the rule, and
// whether a trial parse runs.  Each grammar's RunAction (made from
// OrvGrammarActions.inc) runs the action of one rule against such a frame.
#ifndef LARK_GRAMMAR_ORVACTIONFRAME_H
#define LARK_GRAMMAR_ORVACTIONFRAME_H

#include <cstdint>

// The semantic value of a grammar symbol: one pointer-sized word holding a
// node (OrvExpr), null, or a small integer of at most 1400 (an operation
// code or a flag), which every consumer treats as a non-node.
typedef std::intptr_t OrvParseValue;

struct OrvActionFrame {
  // The top entry of the value stack: for a rule of m symbols, $k is
  // valueTop[k - m] (byacc's yystack.l_mark[k - m]); $0 and below are the
  // entries of the symbols before the rule.
  OrvParseValue* valueTop;
  // The rule's result ($$, byacc's yyval); the engine sets it to 0 before
  // the action, and there is no implicit $$ = $1.
  OrvParseValue newValue;
  // The number of open trial levels, 0 outside trials.  In a trial only
  // the code of [ ] actions runs; { } code is skipped.
  int trialLevels;
};

// How an action ends.
enum OrvActionOutcome {
  ACTION_DONE = 0,   // the reduction goes on
  ACTION_COMMIT = 1  // the action asked to commit the trials (YYVALID, or
                     // YYVALID_NESTED with one level open); the rest of
                     // its code did not run
};

#endif
