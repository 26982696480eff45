// The parse engine's loop: default reductions, shifts, reductions with
// their actions and position steps, accept and abort.  Trial parsing and
// error recovery branch off from here (OrvTrialParse.cpp,
// OrvSyntaxRecovery.cpp).
#include "OrvParseEngine.h"

#include <algorithm>
#include <limits>

#include "OrvLookaheadQueue.h"
#include "OrvParseCounters.h"
#include "OrvParseRun.h"
#include "OrvParserErrors.h"
#include "OrvRdcPosn.h"
#include "OrvRdcPosnInline.h"

OrvParseValue ParseResultValue = 0;
OrvTokenList* ParseResultPosition = nullptr;
ParseState* ReplayPath = nullptr;
int SyntaxErrorCount = 0;
bool FailureMemoEnabled = true;
long ForceAbortAtStep = -1;
OrvParseCounters ParseCounters;

namespace {

// The depth the engine's first record is made for: its stacks start with
// 12 + PARSE_STATE_SPARE = 16 entries.
const int kFirstRecordDepth = 12;

// Frees a chain of records linked through enclosingSave.
void FreeChain(ParseState* record) {
  while (record != nullptr) {
    ParseState* next = record->enclosingSave;
    FreeParseState(record);
    record = next;
  }
}

}  // namespace

int OrvRunParse(const OrvGrammarDef& grammar) {
  const long slotsBefore = RdcPosnSlotsExamined;
  OrvParseRun run(grammar);
  const int result = run.Run();
  ParseCounters.positionSlots = RdcPosnSlotsExamined - slotsBefore;
  return result;
}

OrvParseRun::OrvParseRun(const OrvGrammarDef& grammar)
    : tables_(*grammar.tables),
      rows_(tables_.StateRows),
      slots_(tables_.TableSlots),
      lastSlot_(static_cast<unsigned long long>(tables_.TABLE_LAST_INDEX)),
      rules_(tables_.RuleSteps),
      runAction_(grammar.runAction),
      maxDepth_(grammar.maxDepth),
      depthLimit_(grammar.maxDepth > 0 ? grammar.maxDepth : std::numeric_limits<long>::max()),
      keptBackTokens_(grammar.keptBackTokens) {
  if (rows_ == nullptr || slots_ == nullptr || tables_.GotoColumns == nullptr || rules_ == nullptr) {
    ownRows_.resize(static_cast<size_t>(tables_.stateCount));
    ownSlots_.resize(static_cast<size_t>(tables_.TABLE_LAST_INDEX) + 1);
    ownColumns_.resize(static_cast<size_t>(tables_.nonterminalCount));
    ownRules_.resize(static_cast<size_t>(tables_.ruleCount));
    OrvPackParseTables(tables_, ownRows_.data(), ownSlots_.data(), ownColumns_.data(), ownRules_.data());
    rows_ = ownRows_.data();
    slots_ = ownSlots_.data();
    rules_ = ownRules_.data();
  }
}

void OrvParseRun::Start() {
  ParseCounters = OrvParseCounters();
  ParseCounters.actionRuns.assign(tables_.ruleCount, 0);
  SyntaxErrorCount = 0;
  CurrentParseState = NewParseState(kFirstRecordDepth);
  CurrentParseState->stateStack[0] = 0;
  lookahead_ = NO_LOOKAHEAD;
  abortAtStep_ = ForceAbortAtStep >= 0 ? ForceAbortAtStep : std::numeric_limits<long>::max();
}

inline void OrvParseRun::PushEntry(ParseState* ps, int state, OrvParseValue value, OrvTokenList* position,
                                   int height) {
  if (ps->Depth() >= ps->stackCapacity - 1) GrowParseStacks(ps);
  *++ps->stateTop = state;
  *++ps->valueTop = value;
  *++ps->positionTop = position;
  *++ps->heightTop = height;
  if (ps->Depth() > ParseCounters.deepestStack) ParseCounters.deepestStack = ps->Depth();
}

void OrvParseRun::Push(int state, OrvParseValue value, OrvTokenList* position, int height) {
  PushEntry(CurrentParseState, state, value, position, height);
}

inline OrvStepResult OrvParseRun::CheckLimits(OrvStepResult result) {
  if (result != STEP_GO_ON) return result;
  // Every step before this one stayed within the limit, so the deepest
  // stack and the tallest tree so far pass it only when this step's stack
  // or tree does; every push keeps deepestStack.
  const int height = *CurrentParseState->heightTop;
  if (height > ParseCounters.tallestTree) ParseCounters.tallestTree = height;
  if (ParseCounters.deepestStack > depthLimit_ || ParseCounters.tallestTree > depthLimit_) return NestingTooDeep();
  return STEP_GO_ON;
}

OrvStepResult OrvParseRun::Shift(int target) { return ShiftStep(target); }

inline OrvStepResult OrvParseRun::ShiftStep(int target) {
  ParseState* ps = CurrentParseState;
  if (InTrial()) ++ParseCounters.trialSteps;
  lookahead_ = NO_LOOKAHEAD;
  if (ps->errorCountdown > 0) --ps->errorCountdown;
  PushEntry(ps, target, TokenValue, TokenPosition, 0);
  // A token's entry has height 0: only the stack can have passed the
  // limit (CheckLimits).
  if (ParseCounters.deepestStack > depthLimit_) return NestingTooDeep();
  return STEP_GO_ON;
}

OrvStepResult OrvParseRun::Reduce(int rule) { return ReduceStep(rule); }

inline OrvStepResult OrvParseRun::ReduceStep(int rule) {
  ParseState* ps = CurrentParseState;
  const OrvRuleStep& step = rules_[rule];
  const bool trial = InTrial();
  if (trial) ++ParseCounters.trialSteps;
  const int m = step.length;
  // An empty rule pushes one entry without popping; the stacks grow here,
  // so that the entry the reduction pushes below always has room.
  if (m == 0 && ps->Depth() + 1 >= ps->stackCapacity) GrowParseStacks(ps);
  OrvParseValue newValue = 0;
  OrvTokenList* newPosition = nullptr;
  bool positionPending = true;
  // A rule without an action gives 0 and leaves its position step to the
  // engine, which is what its call would have done.
  if ((step.flags & RULE_HAS_ACTION) != 0) {
    OrvActionFrame frame;
    frame.valueTop = ps->valueTop;
    frame.newValue = 0;
    frame.trialLevels = openLevels_;
    frame.positionTop = ps->positionTop;
    frame.ruleLength = m;
    frame.newPosition = nullptr;
    frame.positionPending = 1;
    if (runAction_(rule, frame) == ACTION_COMMIT && trial) return CheckLimits(Commit());
    newValue = frame.newValue;
    newPosition = frame.newPosition;
    positionPending = frame.positionPending != 0;
  }
  OrvParseValue* const rhsValues = ps->valueTop - m + 1;
  OrvTokenList** const rhsPositions = ps->positionTop - m + 1;
  if (!trial) {
    ++ParseCounters.reductions;
    ++ParseCounters.actionRuns[rule];
    if (positionPending) {
      ++ParseCounters.positionSteps;
      // RdcPosnStep's most frequent cases inline: an empty rule, and one
      // symbol whose list goes up whole as the new position.
      if (m > 1 || !RdcPosnPlainParser(currentParser) ||
          !RdcPosnQuickStep(&newPosition, rhsPositions, m, newValue))
        RdcPosnStep(&newPosition, rhsPositions, rhsValues, m, newValue);
    }
  }

  int* const rhsHeights = ps->heightTop - m + 1;
  const int height = OrvReducedHeight(newValue, rhsValues, rhsHeights, m);
  // Pop the right-hand side and push the left-hand side's entry in its
  // place: the first popped slot of each stack.
  int* const lhsState = ps->stateTop - m + 1;
  const int uncovered = lhsState[-1];
  const bool start = (step.flags & RULE_REDUCES_START) != 0 && uncovered == 0;
  ps->stateTop = lhsState;
  ps->valueTop = rhsValues;
  ps->positionTop = rhsPositions;
  ps->heightTop = rhsHeights;
  // The start symbol goes to the final state, which accepts end of input
  // only.
  *lhsState = start ? tables_.FINAL_STATE : Goto(step, uncovered);
  *rhsValues = newValue;
  *rhsPositions = newPosition;
  *rhsHeights = height;
  // CheckLimits with the height at hand: only the counters this step
  // raises can have passed the limit (each step before stayed within it),
  // and only an empty rule deepens the stack.
  bool tooDeep = false;
  if (m == 0 && ps->Depth() > ParseCounters.deepestStack) {
    ParseCounters.deepestStack = ps->Depth();
    tooDeep = ParseCounters.deepestStack > depthLimit_;
  }
  if (start) {
    ParseResultValue = newValue;
    ParseResultPosition = newPosition;
    if (Lookahead() == TABLE_END_OF_INPUT) return CheckLimits(Accept());
  }
  if (height > ParseCounters.tallestTree) {
    ParseCounters.tallestTree = height;
    tooDeep = tooDeep || height > depthLimit_;
  }
  if (tooDeep) return NestingTooDeep();
  return STEP_GO_ON;
}

int OrvParseRun::Run() {
  Start();
  // The steps left before the parse is given up (ForceAbortAtStep).
  long stepsLeft = abortAtStep_;
  for (;;) {
    if (stepsLeft <= 0) {
      Abort();
      return PARSE_ABORTED;
    }
    --stepsLeft;
    const OrvStateRow& row = rows_[*CurrentParseState->stateTop];
    OrvStepResult result = STEP_GO_ON;
    // Both ways to a reduction end at the one ReduceStep below, so that the
    // loop holds a single copy of it.  Each step checks the nesting limit
    // itself: a shift or a reduction for what it pushed, the others
    // through CheckLimits.
    int rule = row.defaultReduction;
    bool reduce = rule != 0;
    if (!reduce) {
      if (!kept_.empty() && keptFirst_ < kept_.size()) TakeKeptBack(row);
      const int token = Lookahead();
      int entry;
      if ((entry = Find(row.conflictBase, token)) != TABLE_NO_ENTRY) {
        result = CheckLimits(Conflict(entry));
      } else if ((entry = Find(row.shiftBase, token)) != TABLE_NO_ENTRY) {
        result = ShiftStep(entry);
      } else if ((entry = Find(row.reduceBase, token)) != TABLE_NO_ENTRY) {
        rule = entry;
        reduce = true;
      } else {
        result = CheckLimits(KeepBack() ? STEP_GO_ON : SyntaxError());
      }
    }
    if (reduce) result = ReduceStep(rule);
    if (result == STEP_GO_ON) continue;
    return result == STEP_ACCEPT ? PARSE_ACCEPTED : PARSE_ABORTED;
  }
}

int OrvParseRun::Lookahead() {
  if (lookahead_ == NO_LOOKAHEAD && waiting_.code != NO_LOOKAHEAD) {
    lookahead_ = waiting_.code;
    TokenValue = waiting_.value;
    TokenPosition = waiting_.position;
    waiting_ = HeldToken{NO_LOOKAHEAD, 0, nullptr};
  }
  if (lookahead_ == NO_LOOKAHEAD) {
    lookahead_ = FetchToken();
    if (lookahead_ < 0) lookahead_ = TABLE_END_OF_INPUT;
  }
  return lookahead_;
}

bool OrvParseRun::KeptBackCode(int code) const {
  if (keptBackTokens_ == nullptr || code <= TABLE_END_OF_INPUT) return false;
  for (const int* k = keptBackTokens_; *k != 0; ++k) {
    if (*k == code) return true;
  }
  return false;
}

bool OrvParseRun::KeepBack() {
  // A trial fails on it as on any token without an action; during recovery
  // it is dropped into the error node with the others.
  if (InTrial() || ReplayPath != nullptr || CurrentParseState->errorCountdown > 0) return false;
  if (!KeptBackCode(lookahead_)) return false;
  if (keptFirst_ == kept_.size()) {
    kept_.clear();
    keptFirst_ = 0;
  }
  kept_.push_back(HeldToken{lookahead_, TokenValue, TokenPosition});
  ++ParseCounters.keptBackTokens;
  lookahead_ = NO_LOOKAHEAD;
  return true;
}

void OrvParseRun::TakeKeptBack(const OrvStateRow& row) {
  if (InTrial() || ReplayPath != nullptr) return;
  const HeldToken& next = kept_[keptFirst_];
  if (Find(row.shiftBase, next.code) == TABLE_NO_ENTRY || Find(row.conflictBase, next.code) != TABLE_NO_ENTRY)
    return;
  // Only one look-ahead is ever held: a waiting one is back in lookahead_
  // before the next kept-back token can be taken (Lookahead restores it).
  if (lookahead_ != NO_LOOKAHEAD) waiting_ = HeldToken{lookahead_, TokenValue, TokenPosition};
  lookahead_ = next.code;
  TokenValue = next.value;
  TokenPosition = next.position;
  ++keptFirst_;
}

void OrvParseRun::DiscardKeptBack() {
  for (size_t i = keptFirst_; i < kept_.size(); ++i)
    DiscardEntry(kept_[i].value, kept_[i].position, ORV_DISCARD_ABANDONED);
  kept_.clear();
  keptFirst_ = 0;
  if (waiting_.code != NO_LOOKAHEAD) {
    // The end-of-input list belongs to the token source.
    DiscardEntry(waiting_.value, waiting_.code == TABLE_END_OF_INPUT ? nullptr : waiting_.position,
                 ORV_DISCARD_ABANDONED);
    waiting_ = HeldToken{NO_LOOKAHEAD, 0, nullptr};
  }
}



OrvStepResult OrvParseRun::Accept() {
  if (InTrial()) return Commit();
  // The final entry holds the start symbol (ParseResultValue and
  // ParseResultPosition) and the look-ahead is end of input, whose list
  // belongs to the token source: nothing is left to discard but what the
  // queue may still hold and kept-back tokens that found no place.
  DiscardKeptBack();
  DiscardQueued();
  FreeRecords();
  FreeParseState(CurrentParseState);
  CurrentParseState = nullptr;
  return STEP_ACCEPT;
}

OrvStepResult OrvParseRun::NestingTooDeep() {
  // The look-ahead's list while one is held; otherwise the top entry's, the
  // token just shifted (an earlier look-ahead's list may be gone).
  OrvTokenList* const* at =
      lookahead_ != NO_LOOKAHEAD ? &TokenPosition : CurrentParseState->positionTop;
  ReportNestingTooDeep(maxDepth_, at);
  return Abort();
}

OrvStepResult OrvParseRun::Abort() {
  ParseState* ps = CurrentParseState;
  FreeParseState(errorContext_);
  errorContext_ = nullptr;
  if (InTrial()) {
    // In trial mode the stacks only borrow: the outermost level holds the
    // values and positions of the parse, and the queue every token read
    // since it began.
    ParseState* outermost = ps->enclosingSave;
    while (outermost->enclosingSave != nullptr) outermost = outermost->enclosingSave;
    NoteWindow(outermost);
    CopyParseStacks(ps, outermost);
    LookaheadQueue.readIndex = outermost->queueIndex;
    lookahead_ = NO_LOOKAHEAD;
  }
  const int depth = ps->Depth();
  for (int i = 0; i < depth; ++i)
    DiscardEntry(ps->valueStack[i], ps->positionStack[i], ORV_DISCARD_ABANDONED);
  // The top entry, a look-ahead still held and the tokens still queued are
  // given up too, so that none of them outlives the parse or reaches the
  // next one.
  OrvTokenList* top = ps->positionStack[depth];
  DiscardEntry(ps->valueStack[depth], top, ORV_DISCARD_ABANDONED);
  if (lookahead_ != NO_LOOKAHEAD) {
    // The end-of-input list belongs to the token source.
    const bool keepList = lookahead_ == TABLE_END_OF_INPUT || TokenPosition == top;
    DiscardEntry(TokenValue, keepList ? nullptr : TokenPosition, ORV_DISCARD_ABANDONED);
    lookahead_ = NO_LOOKAHEAD;
  }
  DiscardKeptBack();
  DiscardQueued();
  FreeRecords();
  FreeParseState(ps);
  CurrentParseState = nullptr;
  return STEP_ABORT;
}

void OrvParseRun::DiscardEntry(OrvParseValue value, OrvTokenList* position, int mode) {
  if (position != nullptr && position == ParseResultPosition) ParseResultPosition = nullptr;
  if (value != 0 && value == ParseResultValue) ParseResultValue = 0;
  DiscardErrValue(value, mode);
  DiscardErrTokens(position, mode);
}

void OrvParseRun::DiscardQueued() {
  OrvLookaheadQueue& q = LookaheadQueue;
  for (int i = q.readIndex; i < q.endIndex; ++i) {
    DiscardErrValue(q.values[i], ORV_DISCARD_ABANDONED);
    if (q.codes[i] > TABLE_END_OF_INPUT)
      DiscardErrTokens(q.positions[i], ORV_DISCARD_ABANDONED);
  }
  q.readIndex = q.endIndex = 0;
}

void OrvParseRun::FreeRecords() {
  if (CurrentParseState != nullptr) {
    FreeChain(CurrentParseState->enclosingSave);
    CurrentParseState->enclosingSave = nullptr;
  }
  openLevels_ = 0;
  FreeChain(ReplayPath);
  ReplayPath = nullptr;
  FreeParseState(errorContext_);
  errorContext_ = nullptr;
}
