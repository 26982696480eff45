// Trial parsing over the grammar's conflict cells.  At a conflict the
// engine saves its state as a trial level and tries the first alternative
// with { } actions off, reading ahead into the look-ahead queue; a syntax
// error makes it go back and try the next one.  A commit (accepting, or a
// committing rule) turns the levels into the replay path and the same
// tokens are parsed again with actions on, each conflict taking the
// alternative that the trial recorded.  When every alternative fails, the
// failure that read furthest becomes the point of the syntax error.
#include "OrvParserErrors.h"
#include "OrvLookaheadQueue.h"
#include "OrvParseCounters.h"
#include "OrvParseRun.h"
#include "OrvTokenSource.h"
#include "OrvToken.h"

OrvStepResult OrvParseRun::Conflict(int list) {
  ParseState* ps = CurrentParseState;
  if (ReplayPath != nullptr) {
    // The re-parse meets the conflicts of the trial in the same order.
    ParseState* record = ReplayPath;
    ReplayPath = record->enclosingSave;
    const bool sameConflict = record->conflictState == *ps->stateTop;
    const int alternative = record->alternative;
    FreeParseState(record);
    if (!sameConflict) return Abort();
    return TakeAlternative(list, alternative);
  }
  ParseState* level = OpenLevel(list);
  if (level == nullptr) {
    ++ParseCounters.memoHits;
    return TrialFailed();
  }
  return TakeAlternative(list, level->alternative);
}

ParseState* OrvParseRun::OpenLevel(int list) {
  ParseState* ps = CurrentParseState;
  OrvLookaheadQueue& q = LookaheadQueue;
  const int state = *ps->stateTop;
  const bool outermost = ps->enclosingSave == nullptr;
  const OrvTokenSwitches switches = TokenSourceSwitches();
  if (!outermost && FailureMemoEnabled) {
    // Inside a trial the look-ahead came from the queue, one entry back.
    const OrvMemoKey key{q.readIndex - 1, state,       ps->errorCountdown, 0,
                         switches,        ps->Depth(), ps->stateStack,     ps->valueStack};
    if (memo_.Knows(key)) {
      q.readIndex--;
      lookahead_ = NO_LOOKAHEAD;
      return nullptr;
    }
  }

  ParseState* level = SaveParseStacks(ps);
  level->enclosingSave = ps->enclosingSave;
  level->conflictState = state;
  level->errorCountdown = ps->errorCountdown;
  level->switches = switches;
  level->alternative = tables_.ConflictLists[list] == -1 ? list + 1 : list;

  if (outermost) {
    memo_.Clear();
    MakeLookaheadQueue();
    if (q.readIndex == q.endIndex) {
      q.readIndex = q.endIndex = 0;
      if (lookahead_ != NO_LOOKAHEAD) {
        q.codes[0] = lookahead_;
        q.values[0] = TokenValue;
        q.positions[0] = TokenPosition;
        q.endIndex = 1;
        lookahead_ = NO_LOOKAHEAD;
      }
    } else {
      // Tokens queued before are still to be read (a re-parse, or the
      // tokens after a failure): they move to the front, so that the queue
      // never holds more than what is still ahead.
      if (lookahead_ != NO_LOOKAHEAD) {
        q.readIndex--;
        lookahead_ = NO_LOOKAHEAD;
      }
      const int unread = q.endIndex - q.readIndex;
      if (q.readIndex > 0) {
        for (int i = 0; i < unread; ++i) {
          q.codes[i] = q.codes[q.readIndex + i];
          q.values[i] = q.values[q.readIndex + i];
          q.positions[i] = q.positions[q.readIndex + i];
        }
      }
      q.readIndex = 0;
      q.endIndex = unread;
    }
  }
  if (lookahead_ != NO_LOOKAHEAD) {
    q.readIndex--;
    lookahead_ = NO_LOOKAHEAD;
  }
  level->queueIndex = q.readIndex;
  ps->enclosingSave = level;
  ++openLevels_;
  ++ParseCounters.levels;
  return level;
}

OrvStepResult OrvParseRun::TakeAlternative(int list, int alternative) {
  if (alternative == list && tables_.ConflictLists[list] != -1) {
    // The shift: a token dropped back into the queue is consumed from it
    // (TokenValue and TokenPosition still hold it).
    if (lookahead_ == NO_LOOKAHEAD) LookaheadQueue.readIndex++;
    return Shift(tables_.ConflictLists[list]);
  }
  return Reduce(tables_.ConflictLists[alternative]);
}

OrvStepResult OrvParseRun::TrialFailed() {
  ParseState* ps = CurrentParseState;
  OrvLookaheadQueue& q = LookaheadQueue;
  for (;;) {
    ParseState* level = ps->enclosingSave;
    // Keep the failure that read furthest; a tie keeps the first.
    if (errorContext_ == nullptr || errorContext_->queueIndex < q.readIndex) {
      FreeParseState(errorContext_);
      errorContext_ = SaveParseStacks(ps);
      errorContext_->conflictState = *ps->stateTop;
      errorContext_->errorCountdown = ps->errorCountdown;
      errorContext_->queueIndex = q.readIndex;
      errorContext_->switches = TokenSourceSwitches();
    }
    // Back to the level's conflict.  The error countdown is left as it is:
    // a level saves it, but going back does not restore it.
    q.readIndex = level->queueIndex;
    lookahead_ = NO_LOOKAHEAD;
    CopyParseStacks(ps, level);
    SetTokenSourceSwitches(level->switches);

    const int next = tables_.ConflictLists[++level->alternative];
    if (next != -1) return Reduce(next);

    // The level ran out of alternatives.
    if (FailureMemoEnabled) memo_.Add(OrvMemoKeyOf(level));
    ps->enclosingSave = level->enclosingSave;
    --openLevels_;
    if (ps->enclosingSave == nullptr) {
      NoteWindow(level);
      RestoreErrorContext(level);
      FreeParseState(level);
      return SyntaxError();
    }
    FreeParseState(level);
    // The enclosing level fails too.
  }
}

OrvStepResult OrvParseRun::Commit() {
  ParseState* ps = CurrentParseState;
  if (ReplayPath != nullptr) return Abort();
  while (ps->enclosingSave != nullptr) {
    ParseState* level = ps->enclosingSave;
    ps->enclosingSave = level->enclosingSave;
    level->enclosingSave = ReplayPath;
    ReplayPath = level;
  }
  openLevels_ = 0;
  ++ParseCounters.commits;
  FreeParseState(errorContext_);
  errorContext_ = nullptr;
  lookahead_ = NO_LOOKAHEAD;
  ParseState* outermost = ReplayPath;
  NoteWindow(outermost);
  CopyParseStacks(ps, outermost);
  LookaheadQueue.readIndex = outermost->queueIndex;
  SetTokenSourceSwitches(outermost->switches);
  return STEP_GO_ON;
}

void OrvParseRun::NoteWindow(const ParseState* outermost) {
  const long window = LookaheadQueue.endIndex - outermost->queueIndex;
  if (window > ParseCounters.longestWindow) ParseCounters.longestWindow = window;
}

void OrvParseRun::RestoreErrorContext(ParseState* outermost) {
  ParseState* ps = CurrentParseState;
  OrvLookaheadQueue& q = LookaheadQueue;
  ParseState* context = errorContext_;
  // The look-ahead is the token at which that trial failed.
  q.readIndex = context->queueIndex;
  const int at = q.readIndex - 1;
  lookahead_ = q.codes[at] < 0 ? TABLE_END_OF_INPUT : q.codes[at];
  TokenValue = q.values[at];
  TokenPosition = q.positions[at];
  CopyParseStacks(ps, context);
  SetTokenSourceSwitches(context->switches);
  KeepTrialTokens(outermost);
  FreeParseState(context);
  errorContext_ = nullptr;
}

namespace {

// The tokens that a failed trial took from the stacks and the queue, on
// their way back onto the stacks.
class LostTokens {
 public:
  // Takes over a value and its position: the value's tokens (the value
  // released as DiscardErrValue would) and the position's.  The
  // end-of-input list is never taken.
  void Take(OrvParseValue value, OrvTokenList* position, bool endOfInput) {
    if (list_ == nullptr) list_ = new OrvTokenList();
    TakeOverValueTokens(value, *list_);
    if (position != nullptr && !endOfInput) {
      list_->Splice(*position);
      delete position;
    }
  }
  bool Any() const { return list_ != nullptr && !list_->IsEmpty(); }
  // Gives the tokens taken so far to the entry that stands for them, the
  // first one of the gap they fell into (an entry without a position); with
  // no gap, in front of `following`, the position of what follows them.
  void GiveTo(OrvTokenList** gapOwner, OrvTokenList*& following) {
    if (!Any()) return;
    if (gapOwner != nullptr) {
      *gapOwner = Release();
    } else if (following == nullptr) {
      following = Release();
    } else {
      following->Prepend(*list_);
      delete Release();
    }
  }
  ~LostTokens() { delete list_; }

 private:
  OrvTokenList* Release() {
    OrvTokenList* list = list_;
    list_ = nullptr;
    return list;
  }

  OrvTokenList* list_ = nullptr;
};

}  // namespace

void OrvParseRun::KeepTrialTokens(const ParseState* outermost) {
  // The stacks restored are those of the failure: an entry up to the
  // outermost level's depth that still has its state and position is the
  // parse's own (its value goes back: trial code may have written into
  // it); every entry above is the trial's: a token shifted from the queue,
  // or a symbol the trial reduced, with value 0 and no position.  The
  // trial's reductions consumed the outermost level's entries above the
  // common part and the queued tokens that are not on the stacks; their
  // tokens go, in source order, to the first reduced entry of the gap they
  // fell into, so that recovery hands them to the error node.
  ParseState* ps = CurrentParseState;
  OrvLookaheadQueue& q = LookaheadQueue;
  const int top = ps->Depth();
  const int outerTop = outermost->Depth();
  int common = 0;
  while (common <= top && common <= outerTop &&
         ps->stateStack[common] == outermost->stateStack[common] &&
         ps->positionStack[common] == outermost->positionStack[common]) {
    ps->valueStack[common] = outermost->valueStack[common];
    ++common;
  }

  LostTokens lost;
  for (int i = common; i <= outerTop; ++i)
    lost.Take(outermost->valueStack[i], outermost->positionStack[i], false);

  // Queue entries from the outermost conflict up to the look-ahead.
  int next = outermost->queueIndex;
  const int end = q.readIndex - 1;
  OrvTokenList** gapOwner = nullptr;
  for (int i = common; i <= top; ++i) {
    OrvTokenList*& position = ps->positionStack[i];
    int shifted = -1;
    if (position != nullptr) {
      for (int j = next; j < end && shifted < 0; ++j)
        if (q.positions[j] == position) shifted = j;
    }
    if (shifted < 0) {
      if (position == nullptr && gapOwner == nullptr) gapOwner = &position;
      continue;
    }
    for (int j = next; j < shifted; ++j) lost.Take(q.values[j], q.positions[j], q.codes[j] <= 0);
    lost.GiveTo(gapOwner, position);
    // A shifted token gets its own value back: trial code may have written
    // into the entry.
    ps->valueStack[i] = q.values[shifted];
    next = shifted + 1;
    gapOwner = nullptr;
  }
  for (int j = next; j < end; ++j) lost.Take(q.values[j], q.positions[j], q.codes[j] <= 0);
  lost.GiveTo(gapOwner, TokenPosition);
}
