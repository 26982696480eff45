// Tests of the exit routine, the exit hook, the signal handlers and the debug-context stack.
#include "OrvExit.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "RunProgram.h"

namespace {

std::string Helper(const std::string& args) { return std::string("'") + LARK_FOUNDATION_HELPER + "' " + args; }

TEST(OrvExitTest, EndsWithTheStatus) {
  EXPECT_EXIT(OrvExit(7), ::testing::ExitedWithCode(7), "");
  EXPECT_EXIT(OrvExit(0), ::testing::ExitedWithCode(0), "");
}

void HookToStderr(int status) { std::fprintf(stderr, "hook saw %d\n", status); }

TEST(OrvExitTest, CallsTheHookFirst) {
  EXPECT_EXIT(
      {
        OrvExitHook = HookToStderr;
        OrvExit(9);
      },
      ::testing::ExitedWithCode(9), "hook saw 9");
}

TEST(OrvExitTest, TerminalErrorAborts) {
  EXPECT_EXIT(OrvTerminalError("broken"), ::testing::KilledBySignal(SIGABRT), "");
}

TEST(OrvExitTest, TerminalErrorWritesItsLineOnStandardOutput) {
  ProgramRun run = RunProgram(Helper("terminal-error"));
  // Aborted: the shell reports 128 + SIGABRT, or the run shows no exit.
  EXPECT_TRUE(run.exitStatus == -1 || run.exitStatus == 128 + SIGABRT) << run.exitStatus;
  EXPECT_EQ(run.out, "first line\nTERMINAL ERROR: broken\n");
}

TEST(SignalHandlers, InterruptEndsWith32AndTheNotice) {
  ProgramRun run = RunProgram(Helper("interrupt"));
  EXPECT_EQ(run.exitStatus, 32);
  EXPECT_EQ(run.out, "before\n\n\n--- Interrupted. Stopping. ---\n\n");
  EXPECT_EQ(run.err, "");
}

struct FatalCase {
  const char* args;
  int signal;
  const char* contextLines;
};

TEST(SignalHandlers, FatalSignalEndsWith30TheNoticeAndTheDump) {
  const FatalCase cases[] = {
      {"fault", SIGSEGV, ""},
      {"fault 7", SIGBUS, ""},
      {"fault 8", SIGFPE, ""},
      {"fault 4", SIGILL, ""},
      {"fault-context", SIGSEGV, "  outer step\n  inner step\n"},
  };
  for (const FatalCase& c : cases) {
    SCOPED_TRACE(c.args);
    ProgramRun run = RunProgram(Helper(c.args));
    std::string notice = "\n\n*** Caught a bad signal " + std::to_string(c.signal) + ". ***\n\n";
    EXPECT_EQ(run.exitStatus, 30);
    EXPECT_EQ(run.out, notice + "Debug context stack dump: \n" + c.contextLines + "\n\n");
    EXPECT_EQ(run.err, notice);
  }
}

TEST(SignalHandlers, HandlersEndWithoutExitTimeWork) {
  const struct {
    int signal;
    int status;
  } cases[] = {{SIGINT, 32}, {SIGSEGV, 30}, {SIGFPE, 30}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.signal);
    ProgramRun run = RunProgram(Helper("signal-skips-atexit " + std::to_string(c.signal)));
    EXPECT_EQ(run.exitStatus, c.status);
    EXPECT_EQ(run.err.find("atexit ran"), std::string::npos) << run.err;
  }
}

TEST(SignalHandlers, SwitchedOffInstallsNothing) {
  ProgramRun run = RunProgram(Helper("no-handlers"));
  // The default action of SIGINT ends it (the shell reports 128 + 2).
  EXPECT_TRUE(run.exitStatus == -1 || run.exitStatus == 128 + SIGINT) << run.exitStatus;
  EXPECT_EQ(run.out, "");
}

class DebugContextStack : public ::testing::Test {
protected:
  void TearDown() override {
    while (OrvDebugContextStackPtr < DEBUG_CONTEXT_STACK_DEPTH) OrvLeaveDebugContext();
  }
  static std::string Dump() {
    testing::internal::CaptureStdout();
    DumpDebugContextStack();
    return testing::internal::GetCapturedStdout();
  }
};

TEST_F(DebugContextStack, PushPopAndDumpOldestFirst) {
  EXPECT_EQ(OrvDebugContextStackPtr, DEBUG_CONTEXT_STACK_DEPTH);
  EXPECT_EQ(Dump(), "Debug context stack dump: \n\n\n");

  OrvEnterDebugContext(new OrvStringDebugContext("searching A"));
  OrvEnterDebugContext(new OrvStringDebugContext("applying B"));
  EXPECT_EQ(OrvDebugContextStackPtr, DEBUG_CONTEXT_STACK_DEPTH - 2);
  EXPECT_STREQ(OrvDebugContextStack[DEBUG_CONTEXT_STACK_DEPTH - 1]->Text(), "searching A");
  EXPECT_EQ(Dump(), "Debug context stack dump: \n  searching A\n  applying B\n\n\n");

  OrvLeaveDebugContext();
  EXPECT_EQ(Dump(), "Debug context stack dump: \n  searching A\n\n\n");
  OrvLeaveDebugContext();
  EXPECT_EQ(OrvDebugContextStackPtr, DEBUG_CONTEXT_STACK_DEPTH);
  OrvLeaveDebugContext();  // an extra leave on the empty stack does nothing
  EXPECT_EQ(OrvDebugContextStackPtr, DEBUG_CONTEXT_STACK_DEPTH);
}

TEST_F(DebugContextStack, DumpFollowsEarlierBufferedOutput) {
  testing::internal::CaptureStdout();
  std::cout << "pending ";
  std::printf("stdio ");
  DumpDebugContextStack();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "pending stdio Debug context stack dump: \n\n\n");
}

TEST_F(DebugContextStack, PushesBeyondTheDepthAreDroppedAndBalanced) {
  for (int i = 0; i < DEBUG_CONTEXT_STACK_DEPTH; ++i) OrvEnterDebugContext(new OrvStringDebugContext("x"));
  EXPECT_EQ(OrvDebugContextStackPtr, 0);
  OrvEnterDebugContext(new OrvStringDebugContext("one too many"));
  OrvEnterDebugContext(new OrvStringDebugContext("two too many"));
  EXPECT_EQ(OrvDebugContextStackPtr, 0);
  EXPECT_STREQ(OrvDebugContextStack[0]->Text(), "x");
  // The two leaves that match the dropped pushes pop nothing.
  OrvLeaveDebugContext();
  OrvLeaveDebugContext();
  EXPECT_EQ(OrvDebugContextStackPtr, 0);
  OrvLeaveDebugContext();
  EXPECT_EQ(OrvDebugContextStackPtr, 1);
}

}  // namespace
