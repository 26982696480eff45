// The test main's guard of the process-wide state, seen from outside: a
// program of cases (StateGuardCases) is run whole, and a case sees the
// state as it was before an earlier case changed it, while a case that
// leaves a parse marked running or a clause collector busy fails by name.
#include <gtest/gtest.h>

#include <string>

#include "../foundation/RunProgram.h"

namespace {

ProgramRun RunCases(const std::string& filter) {
  return RunProgram(std::string(LARK_STATE_GUARD_CASES) + " --gtest_filter='" + filter + "'");
}

TEST(ProcessStateGuard, ALaterCaseSeesTheStateAsItWasBeforeAnEarlierCaseChangedIt) {
  const ProgramRun run = RunCases("Restores.*");
  EXPECT_EQ(run.exitStatus, 0) << run.out;
  EXPECT_NE(run.out.find("[  PASSED  ] 2 tests."), std::string::npos) << run.out;
}

TEST(ProcessStateGuard, ACaseLeavingAParseRunningOrACollectorBusyFailsByName) {
  const ProgramRun run = RunCases("Leaks.*");
  EXPECT_EQ(run.exitStatus, 1) << run.out;
  const char* const expected[] = {
      "Leaks.LeavesCurrentParserSet leaves process-wide state behind (currentParser): currentParser is left "
      "set",
      "[  FAILED  ] Leaks.LeavesCurrentParserSet",
      "Leaks.LeavesACollectorBusy leaves process-wide state behind (clause collectors): collector #",
      "still holds a DECL_DD_ENTRY node",
      "[  FAILED  ] Leaks.LeavesACollectorBusy",
      // The case after them runs with the state put back.
      "[       OK ] Leaks.TheNextCaseFindsNoParseRunningAndEveryCollectorIdle",
  };
  for (const char* text : expected) EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
}

}  // namespace
