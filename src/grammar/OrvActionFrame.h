// What a semantic action of the grammar sees when the parse engine reduces
// its rule: the value and position stacks from their tops, the result of the
// rule, and whether a trial parse runs.  Each grammar's RunAction (made from
// OrvGrammarActions.inc) runs the action of one rule against such a frame.
#ifndef LARK_GRAMMAR_ORVACTIONFRAME_H
#define LARK_GRAMMAR_ORVACTIONFRAME_H

#include <cstdint>

class OrvExpr;
class OrvTokenList;

// The semantic value of a grammar symbol as the engine keeps it: one
// pointer-sized word holding a node (OrvExpr), null, or a small integer of
// at most 1400 (an operation code or a flag), which every consumer treats
// as a non-node.  A grammar's actions see the word through its value type
// (YYSTYPE, see OrvGrammarActions.inc): the members of its %union, each one
// word, or this word itself for a grammar without one.
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
  // The top entry of the position stack: the position of $k is
  // positionTop[k - m].
  OrvTokenList** positionTop = nullptr;
  // The number of symbols on the rule's right-hand side (m).
  int ruleLength = 0;
  // The position the reduction gives its symbol, set by the position step.
  OrvTokenList* newPosition = nullptr;
  // Set while the position step of this reduction has yet to run: the
  // engine runs it after the action unless the action ran it
  // (OrvActionPositions).
  int positionPending = 0;
};

// The position step run by an action itself, before it hands its node on
// (into a collector, a list, or the parse driver), so that the node carries
// its tokens when it goes: RdcPosn over the rule's right-hand side with
// `newValue` as the new symbol's value, then the engine does not run it
// again for this reduction.  Nothing happens in a trial, where positions
// are never reduced.  The COBOL grammar's actions write it
// POSITION_STEP(node), a grammar of untyped values RDC_POSN(node).
void OrvActionPositions(OrvActionFrame& frame, OrvParseValue newValue);

// Deletes the node that a value-stack entry holds (a value of 1400 or less
// is no node; a node that a tree holds is left to it) and sets the entry to
// 0; actions write it OrvReleaseValue($k) for a symbol whose node they have
// used up.  The second form takes the entry as its <node> member.
void OrvReleaseValue(OrvParseValue& entry);
void OrvReleaseValue(OrvExpr*& node);

// How an action ends.
enum OrvActionOutcome {
  ACTION_DONE = 0,   // the reduction goes on
  ACTION_COMMIT = 1  // the action asked to commit the trials (YYVALID, or
                     // YYVALID_NESTED with one level open); the rest of
                     // its code did not run
};

#endif
