// One run of the parse engine (the inside of OrvRunParse): the loop over
// the automaton, trial parsing over conflict cells (OrvTrialParse.cpp) and
// recovery from syntax errors (OrvSyntaxRecovery.cpp).  The process-wide
// state lives in the globals of OrvParseEngine.h and OrvLookaheadQueue.h;
// this object holds what is local to one call.
#ifndef LARK_GRAMMAR_ORVPARSERUN_H
#define LARK_GRAMMAR_ORVPARSERUN_H

#include <algorithm>
#include <vector>

#include "OrvFailureMemo.h"
#include "OrvParseEngine.h"
#include "OrvParserErrors.h"

// What a step of the loop leads to.
enum OrvStepResult {
  STEP_GO_ON = 0,  // back to the top of the loop
  STEP_ACCEPT,     // the input was accepted (outside trials)
  STEP_ABORT       // the parse was given up
};

// The look-ahead code when none is held.
const int NO_LOOKAHEAD = -1;

// A bound on the height of the tree that a reduction's result holds, from
// the heights of the m entries it pops (`values` and `heights` from the
// first of them).  A result that is one of the popped values (a list grown
// in place, a value passed up) is at most as tall as it was or one above
// the others, which went into it; a new node is one above the tallest of
// them.  An action may add a few levels more, but only a fixed number per
// rule, so the bound grows with the tree.  Values of 1400 or less are no
// nodes, and a result of 0 holds no tree.
inline int OrvReducedHeight(OrvParseValue result, const OrvParseValue* values, const int* heights, int m) {
  // The rules of one symbol, the most frequent, by the same reckoning
  // without the loops.
  if (m == 1) {
    if (result <= ORV_GRAMMAR_PLAIN_MAX) return heights[0];
    return values[0] == result ? std::max(heights[0], 1) : heights[0] + 1;
  }
  int tallest = 0;
  if (result <= ORV_GRAMMAR_PLAIN_MAX) {
    for (int k = 0; k < m; ++k) tallest = std::max(tallest, heights[k]);
    return tallest;
  }
  // One pass: the entries before the first that holds the result, then,
  // when one does, the entries after it; `tallest` is the tallest of the
  // others.
  int k = 0;
  for (; k < m && values[k] != result; ++k) tallest = std::max(tallest, heights[k]);
  if (k == m) return tallest + 1;
  const int kept = heights[k];
  for (++k; k < m; ++k) tallest = std::max(tallest, heights[k]);
  return std::max(kept, tallest + 1);
}

class OrvParseRun {
 public:
  explicit OrvParseRun(const OrvGrammarDef& grammar);
  // The whole parse: PARSE_ACCEPTED or PARSE_ABORTED.
  int Run();

 private:
  // --- the loop (OrvParseEngine.cpp) ---------------------------------------
  void Start();
  // The look-ahead, fetched when none is held; a negative code is 0.
  int Lookahead();
  // Consumes the look-ahead and pushes state `target` with the token;
  // NestingTooDeep when the stack has passed the limit.
  OrvStepResult Shift(int target);
  // The same, inlined into the loop.
  [[gnu::always_inline]] inline OrvStepResult ShiftStep(int target);
  // Reduces by `rule`: its action, its position step, the goto, then the
  // limits as CheckLimits checks them.
  OrvStepResult Reduce(int rule);
  // The same, inlined into the loop (Run), which makes most reductions.
  [[gnu::always_inline]] inline OrvStepResult ReduceStep(int rule);
  // Pushes one entry, growing the stacks when they are full; `height`
  // bounds the height of the tree the value holds (0 for a token).
  void Push(int state, OrvParseValue value, OrvTokenList* position, int height);
  // The same on the record `ps` (the current one), inlined into the loop.
  [[gnu::always_inline]] inline void PushEntry(ParseState* ps, int state, OrvParseValue value,
                                               OrvTokenList* position, int height);
  // After a step that came to `result`: a step that goes on whose stack or
  // top tree has passed the grammar's maxDepth ends in NestingTooDeep
  // (its result instead); tallestTree takes the top entry's height.
  // ShiftStep and ReduceStep check their own steps.
  [[gnu::always_inline]] inline OrvStepResult CheckLimits(OrvStepResult result);
  OrvStepResult Accept();
  // The stack has grown past the grammar's maxDepth: one message at the
  // current token, then the parse is given up (Abort).
  OrvStepResult NestingTooDeep();
  // Gives the parse up: every value and position still held is discarded.
  OrvStepResult Abort();
  // Hands a value and a position that the engine gives up to the error
  // node (DiscardErrValue, DiscardErrTokens) in `mode`; the start symbol's
  // value and position are forgotten first when they are these.
  void DiscardEntry(OrvParseValue value, OrvTokenList* position, int mode);
  // Discards what the queue holds unread and empties it.
  void DiscardQueued();
  // Frees the trial levels, the replay path and the error context.
  void FreeRecords();
  bool InTrial() const { return CurrentParseState->enclosingSave != nullptr; }

  // --- trial parsing (OrvTrialParse.cpp) -----------------------------------
  // The look-ahead meets conflict cell `list` in the current state.
  OrvStepResult Conflict(int list);
  // Opens a trial level at the conflict; null when the failure memo knows
  // its situation (the level then fails at once).
  ParseState* OpenLevel(int list);
  // Takes alternative `alternative` of conflict list `list`.
  OrvStepResult TakeAlternative(int list, int alternative);
  // No action for the look-ahead in trial mode with the countdown at 0.
  OrvStepResult TrialFailed();
  // Commits the trials: the levels become the replay path, and parsing
  // goes on from the outermost saved state.
  OrvStepResult Commit();
  // The outermost level `outermost` has run out of alternatives: the
  // failure that read furthest becomes the current state.
  void RestoreErrorContext(ParseState* outermost);
  // After that restore: the values and tokens the failed trial had taken
  // from the outermost level's stacks and from the queue go back onto the
  // stacks, so that recovery hands them on.
  void KeepTrialTokens(const ParseState* outermost);
  // Notes how far the outermost trial, begun at level `outermost`, read
  // ahead (ParseCounters.longestWindow).
  void NoteWindow(const ParseState* outermost);

  // --- kept-back tokens (OrvParseEngine.cpp) -------------------------------
  // A token the grammar keeps back, with its value and position.
  struct HeldToken {
    int code;
    OrvParseValue value;
    OrvTokenList* position;
  };
  // Whether `code` is one of the grammar's kept-back tokens.
  bool KeptBackCode(int code) const;
  // The look-ahead has no action: outside trials and recovery a kept-back
  // token is put aside (true); any other goes to SyntaxError (false).
  bool KeepBack();
  // In the state of `row`, when it shifts the first kept-back token
  // outside trials and replays: that token becomes the look-ahead, and a
  // look-ahead held meanwhile waits until it is consumed.
  void TakeKeptBack(const OrvStateRow& row);
  // Gives up the kept-back tokens and the waiting look-ahead (the parse
  // ends).
  void DiscardKeptBack();

  // --- syntax errors (OrvSyntaxRecovery.cpp) -------------------------------
  // No action for the look-ahead outside trials, or in a trial during
  // recovery: report it when it is new, then recover.
  OrvStepResult SyntaxError();

  // The entry at base + key of the packed slots, as OrvParseTables::Lookup
  // finds it in the arrays (a key is never negative).
  int Find(int base, int key) const {
    // One unsigned comparison tells a negative index, TABLE_EMPTY_BASE
    // included, and one past the last slot.
    const unsigned long long i = static_cast<unsigned long long>(static_cast<long long>(base) + key);
    if (i > lastSlot_ || slots_[i].check != key) return TABLE_NO_ENTRY;
    return slots_[i].action;
  }
  // OrvParseTables::GotoState on the packed column of a rule's left-hand
  // side.
  int Goto(const OrvRuleStep& rule, int state) const {
    const int target = Find(rule.gotoBase, state);
    return target != TABLE_NO_ENTRY ? target : rule.defaultGoto;
  }

  const OrvParseTables& tables_;
  // The tables' engine layout, or this run's own packing of them when they
  // come without one.
  std::vector<OrvStateRow> ownRows_;
  std::vector<OrvTableSlot> ownSlots_;
  std::vector<OrvGotoColumn> ownColumns_;
  std::vector<OrvRuleStep> ownRules_;
  const OrvStateRow* rows_;
  const OrvTableSlot* slots_;
  // The index of the last packed slot (TABLE_LAST_INDEX).
  unsigned long long lastSlot_;
  // Per rule, read at every reduction.
  const OrvRuleStep* rules_;
  OrvActionOutcome (*runAction_)(int rule, OrvActionFrame& frame);
  const int maxDepth_;
  // The stack depth and tree height past which the parse is given up:
  // maxDepth_, or the largest count without a limit.
  long depthLimit_;
  int lookahead_ = NO_LOOKAHEAD;
  int state_ = 0;
  // The failed trial that read furthest, or null.
  ParseState* errorContext_ = nullptr;
  // The trial levels open (the length of the enclosingSave chain).
  int openLevels_ = 0;
  // The step at which the parse is given up (ForceAbortAtStep as the run
  // began), or the largest count when it is not.
  long abortAtStep_ = 0;
  OrvFailureMemo memo_;
  const int* keptBackTokens_;
  // Kept-back tokens in arrival order, from keptFirst_ on.
  std::vector<HeldToken> kept_;
  size_t keptFirst_ = 0;
  // The look-ahead that waits while kept-back tokens go first.
  HeldToken waiting_ = {NO_LOOKAHEAD, 0, nullptr};
};

#endif
