// The debug counters of the parse engine.  They are always kept, zeroed at
// the start of every parse and read afterwards: tests assert counts with
// them, and the benchmarks print them.  None is a time.
#ifndef LARK_GRAMMAR_ORVPARSECOUNTERS_H
#define LARK_GRAMMAR_ORVPARSECOUNTERS_H

#include <vector>

struct OrvParseCounters {
  long tokenSourceCalls = 0;  // calls of the token source (yylex)
  long levels = 0;            // trial levels opened
  long trialTokens = 0;       // tokens delivered to the engine in trial mode
  long trialSteps = 0;        // shifts and reductions made in trial mode
  long longestWindow = 0;     // most tokens queued by one outermost trial
  long memoHits = 0;          // levels failed at once by the failure memo
  long commits = 0;           // commits of the trials
  long keptBackTokens = 0;    // tokens kept back for a later state (COPY markers)
  long reductions = 0;        // reductions outside trials
  long positionSteps = 0;     // calls of the position step (RdcPosn)
  long positionSlots = 0;     // argument slots the position step compared
  long deepestStack = 0;      // most entries the parse stack held
  long tallestTree = 0;       // greatest tree height bound on the stack's top
                              // between steps (the accepted root not counted)
  // Per rule: the reductions outside trials, each of which ran the rule's
  // action once.
  std::vector<long> actionRuns;
};

// The counters of the current or the last parse.
extern OrvParseCounters ParseCounters;

#endif
