// What grammar actions call of the engine beside their frame: the position
// step run from inside an action, and the release of a used-up node.
#include "OrvActionFrame.h"
#include "OrvExpr.h"
#include "OrvLookaheadQueue.h"
#include "OrvParseCounters.h"
#include "OrvParserErrors.h"
#include "OrvRdcPosn.h"

void OrvActionPositions(OrvActionFrame& frame, OrvParseValue newValue) {
  if (frame.trialLevels > 0 || !frame.positionPending) return;
  frame.positionPending = 0;
  ++ParseCounters.positionSteps;
  const int m = frame.ruleLength;
  RdcPosnStep(&frame.newPosition, frame.positionTop - m + 1, frame.valueTop - m + 1, m, newValue);
}

void OrvReleaseValue(OrvParseValue& entry) {
  OrvExpr* node = OrvGrammarValueNode(entry);
  // A node that a tree holds is the tree's: the entry only lets go of it.
  if (node != nullptr && node->Parent() == nullptr) delete node;
  entry = 0;
}

void OrvReleaseValue(OrvExpr*& node) {
  OrvParseValue entry = reinterpret_cast<OrvParseValue>(node);
  OrvReleaseValue(entry);
  node = nullptr;
}
