// Cases that ProcessStateGuard_test runs in a program of their own, to see
// the test main restore the process-wide state around each case and fail a
// case that leaves a parse marked running or a clause collector busy.  The
// cases of a suite run in this order in one process.
#include <gtest/gtest.h>

#include <memory>

#include "NoSourceParser.h"
#include "OrvClauseCollector.h"
#include "OrvExprOper.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvTreeWalk.h"
#include "OrvTxtPosn.h"
#include "OrvWords.h"

namespace {

void IgnoreMessage(int, const OrvTxtPosn*, const VString*) {}

bool Reserved(const char* word) {
  const OrvKeyword* row = OrvFindKeyword(VString(word), OrvCobolKeywords);
  return row != nullptr && row->mask != 0;
}

// Set by the first case of Restores, so that the second can tell it ran
// after it in the same process.
struct Before {
  bool changed = false;
  int fileNames = 0;
  OrvMessageSink sink = nullptr;
} before;

TEST(Restores, ACaseChangesProcessWideState) {
  before.fileNames = OrvFileNameTable().count;
  before.sink = OrvGlobalMessageSink;
  ASSERT_TRUE(Reserved("MOVE"));
  for (int i = 0; i < 5; ++i) OrvFileNameAdd(VString(("guard-" + std::to_string(i) + ".cbl").c_str()));
  VString word("move");
  OrvUnreserveKeywords(&word, 1);
  OrvWalkTraceSwitch = 1;
  OrvWarningCount += 3;
  OrvGlobalMessageSink = &IgnoreMessage;
  currentParser = nullptr;
  EXPECT_FALSE(Reserved("MOVE"));
  before.changed = true;
}

TEST(Restores, TheNextCaseSeesTheStateAsBefore) {
  ASSERT_TRUE(before.changed) << "runs after ACaseChangesProcessWideState in one process";
  EXPECT_EQ(OrvFileNameTable().count, before.fileNames);
  // A name the earlier case added is new again, at the first free index.
  EXPECT_EQ(OrvFileNameAdd(VString("guard-3.cbl")), before.fileNames);
  EXPECT_TRUE(Reserved("MOVE"));
  EXPECT_EQ(OrvWalkTraceSwitch, 0);
  EXPECT_EQ(OrvWarningCount, 0u);
  EXPECT_EQ(OrvGlobalMessageSink, before.sink);
}

TEST(Leaks, LeavesCurrentParserSet) {
  static NoSourceParser parser;
  currentParser = &parser;
}

TEST(Leaks, LeavesACollectorBusy) {
  // Owned here, so that the node is freed at exit after the collector was
  // made to forget it.
  static std::unique_ptr<OrvExpr> entry(new OrvExprOper(DECL_DD_ENTRY));
  static OrvClauseCollector collector;
  collector.Start(entry.get());
}

TEST(Leaks, TheNextCaseFindsNoParseRunningAndEveryCollectorIdle) {
  EXPECT_EQ(currentParser, nullptr);
  for (const OrvClauseCollector* c = OrvFirstCollector(); c != nullptr; c = c->NextRegistered()) {
    EXPECT_EQ(c->node, nullptr);
  }
}

}  // namespace
