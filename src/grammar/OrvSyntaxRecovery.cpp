// Syntax error reporting and recovery.  The error is reported once; then
// the stack is popped to a state that shifts the error token, whose error
// rule is reduced at once, and look-ahead tokens that still do not fit are
// dropped until three tokens have been shifted.  Outside trials everything
// popped or dropped goes to the error node, so that the skipped source
// text stays in the tree.
#include "OrvLookaheadQueue.h"
#include "OrvParseRun.h"
#include "OrvParserErrors.h"
#include "OrvToken.h"

namespace {

// The countdown right after an error: three tokens must be shifted before
// another error is reported.
const int kRecoveryCountdown = 3;

}  // namespace

OrvStepResult OrvParseRun::SyntaxError() {
  ParseState* ps = CurrentParseState;
  const bool trial = InTrial();
  if (trial && ps->errorCountdown == 0) return TrialFailed();
  if (ps->errorCountdown == 0) {
    ReportSyntaxError("syntax error", lookahead_, &TokenValue, &TokenPosition);
    ++SyntaxErrorCount;
  }

  if (ps->errorCountdown < kRecoveryCountdown) {
    ps->errorCountdown = kRecoveryCountdown;
    // What this recovery drops goes to an error node of its own.
    if (!trial) ClearErrNode();
    for (;;) {
      const int target = tables_.ShiftLookup(*ps->stateTop, TABLE_ERROR_TOKEN);
      if (target != TABLE_NO_ENTRY) {
        // The error token carries the look-ahead's value and position; its
        // error rule, reduced at once, leaves both to the look-ahead.
        Push(target, TokenValue, TokenPosition, 0);
        return STEP_GO_ON;
      }
      if (ps->Depth() == 0) return Abort();
      if (!trial) DiscardEntry(*ps->valueTop, *ps->positionTop, ORV_DISCARD_POPPED);
      --ps->stateTop;
      --ps->valueTop;
      --ps->positionTop;
      --ps->heightTop;
    }
  }

  // The look-ahead cannot follow the error rule either: it is dropped.
  if (lookahead_ == TABLE_END_OF_INPUT) return Abort();
  if (!trial) {
    DiscardErrValue(TokenValue, ORV_DISCARD_LOOKAHEAD);
    DiscardErrTokens(TokenPosition, ORV_DISCARD_LOOKAHEAD);
    // The emptied list is the engine's to free; an entry still sharing it
    // (an error token not yet reduced) keeps it.
    if (TokenPosition != *ps->positionTop) delete TokenPosition;
    TokenPosition = nullptr;
    TokenValue = 0;
  }
  lookahead_ = NO_LOOKAHEAD;
  return STEP_GO_ON;
}
