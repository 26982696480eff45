// The foundation's part of the state the test main restores around each
// case: the message counters and the warnings switch, the exit hook, the
// signal-handler switch and the depth of the debug-context stack.
#include "OrvExit.h"
#include "OrvMessage.h"
#include "ProcessState.h"

namespace {

SavedVariables foundationState("message counters, exit hook and switches", OrvWarningCount, OrvErrorCount,
                               OrvShowWarnings, OrvExitHook, OrvNoSignalHandlers, OrvDebugContextStackPtr);

}  // namespace
