// The grammar layer's part of the state the test main restores around each
// case: the token source the engine reads, the engine's test switches, the
// SQL and CICS flags and the passing mode of USING and CALL parameters.
#include "OrvParseEngine.h"
#include "OrvParserStatics.h"
#include "OrvTokenSource.h"
#include "ProcessState.h"

namespace {

SavedVariables grammarSwitches("token source and grammar switches", TokenSource, FailureMemoEnabled,
                               ForceAbortAtStep, GrammarSupportsSql, GrammarSupportsCics, OrvPassingMode);

}  // namespace
