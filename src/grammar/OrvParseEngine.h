// The parse engine: the table-driven LALR(1) parse of one source, with
// trial parsing over the grammar's conflict cells and recovery from syntax
// errors.  It is generic over grammars: a grammar hands over its tables and
// its action dispatcher, and its yyparse runs the engine with them.  The
// engine's state is process-wide; one parse runs at a time.
#ifndef LARK_GRAMMAR_ORVPARSEENGINE_H
#define LARK_GRAMMAR_ORVPARSEENGINE_H

#include "OrvActionFrame.h"
#include "OrvParseState.h"
#include "OrvParseTables.h"

class OrvTokenList;

// What the engine needs of a grammar.
struct OrvGrammarDef {
  const OrvParseTables* tables;
  // Runs the action of one rule (the grammar's RunAction).
  OrvActionOutcome (*runAction)(int rule, OrvActionFrame& frame);
  // The most entries the parse stack may hold above its bottom entry, 0 for
  // no limit.  The trees a parse builds are about as deep as its stack, and
  // every walk over them recurses through their depth: a grammar whose input
  // comes from users bounds the stack, so that a pathological nesting is
  // refused with a message instead of overflowing the machine stack later.
  int maxDepth;
  // Token codes kept back when the state has no action for them, ended by
  // 0; null for none.  The COBOL grammar lists its COPY markers: a marker
  // that cannot stand where it comes (between two words of a clause or a
  // statement) is not an error; it waits, and the next state that shifts
  // it takes the kept-back ones first, in their order, while the look-ahead
  // read after them waits.  In a trial such a token fails the alternative.
  const int* keptBackTokens;
};

// What a parse comes to.
enum OrvParseOutcome {
  PARSE_ACCEPTED = 0,  // the input was accepted
  PARSE_ABORTED = 1    // the parse was given up
};

// Parses the token source's tokens with the grammar; PARSE_ACCEPTED or
// PARSE_ABORTED.  Tokens come through FetchToken, every reduction outside
// trials runs its action and the position step (RdcPosn), syntax errors are
// reported (ReportSyntaxError) and recovered from, a stack that would grow
// past the grammar's maxDepth gives the parse up after one MSG_SEVERE
// message (ReportNestingTooDeep), and what recovery throws
// away goes to the error node (DiscardErrValue, DiscardErrTokens).  When it
// returns, no parse-state record is left, nothing stays queued, and every
// value and position it held has been handed on or discarded, except the
// start symbol's (ParseResultValue, ParseResultPosition).
int OrvRunParse(const OrvGrammarDef& grammar);

// The value and the position of the start symbol, set when it is
// recognised.  The parse driver clears both before a parse and takes the
// position afterwards.  The engine clears them when it discards the entry
// that holds them, so that they never point at a freed list or node.
extern OrvParseValue ParseResultValue;
extern OrvTokenList* ParseResultPosition;

// After a commit: the saved records of every trial level, outermost first,
// whose choices the re-parse follows.  Empty outside that re-parse.
extern ParseState* ReplayPath;

// The syntax errors reported in the current or the last parse.
extern int SyntaxErrorCount;

// Whether a trial level whose situation is known to fail fails at once
// (on by default).  Tests turn it off to compare.
extern bool FailureMemoEnabled;

// A test hook: when not negative, the parse is given up when the engine has
// made this many steps (shifts, reductions and conflict choices), wherever
// it stands.
extern long ForceAbortAtStep;

#endif
