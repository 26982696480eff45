// Tests of the statistics walker: the parser's three counters and the report
// under "long-stat", the data-item table under "mem-offsets", each alone.
#include "OrvDummyWalker.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>

#include "FakeParser.h"
#include "OrvExpr.h"
#include "OrvProgStats.h"
#include "OrvToken.h"

namespace {

// Stands in for the data-item table: one line naming the tree it was given.
OrvExpr* tableTree = nullptr;
int tableCalls = 0;
int RecordTable(std::ostream& out, OrvExpr* root) {
  ++tableCalls;
  tableTree = root;
  out << "<data-item table>\n";
  return 1;
}

class WalkerTest : public ::testing::Test {
protected:
  void SetUp() override {
    saved_ = OrvMemOffsetsPrinter;
    OrvMemOffsetsPrinter = RecordTable;
    tableCalls = 0;
    tableTree = nullptr;
    parser_.lineCount = 12;
    parser_.locCount = 11;
    parser_.tokenCount = 70000;
  }
  void TearDown() override {
    OrvMemOffsetsPrinter = saved_;
    OrvLongStatSwitch = OrvMemOffsetsSwitch = 1;
  }

  std::string Walk(OrvExpr* tree, int longStat, int memOffsets) {
    OrvLongStatSwitch = longStat;
    OrvMemOffsetsSwitch = memOffsets;
    OrvTokenList messages;
    testing::internal::CaptureStdout();
    OrvResult r = OrvDummyWalker(&tree, VString("a.cbl"), &parser_, nullptr, &messages);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(r, ORV_OK);
    EXPECT_TRUE(messages.IsEmpty());
    return out;
  }

  FakeParser parser_;

private:
  OrvMemOffsetsPrinterFn saved_;
};

std::string ReportOf(OrvExpr* tree) {
  OrvProgStats stats;
  stats.Init(tree);
  std::ostringstream os;
  stats.Print(os);
  return os.str();
}

TEST_F(WalkerTest, SwitchesSelectCountersReportAndTable) {
  OrvExpr* tree = FakeProgramTree("SAMPLE");
  const std::string counters =
      "Lines:              12\nLinesOfCode:        11\nTokens:          70000\n\n";
  const std::string report = ReportOf(tree);
  ASSERT_EQ(report.substr(0, 31), "PROGRAM-ID:            SAMPLE\n\n");
  struct Case {
    int longStat, memOffsets;
    std::string out;
    int tables;
  } cases[] = {
      {1, 1, counters + report + "<data-item table>\n", 1},
      {1, 0, counters + report, 0},
      {0, 1, "<data-item table>\n", 1},
      {0, 0, "", 0},
  };
  for (const Case& c : cases) {
    tableCalls = 0;
    EXPECT_EQ(Walk(tree, c.longStat, c.memOffsets), c.out);
    EXPECT_EQ(tableCalls, c.tables);
    if (c.tables) {
      EXPECT_EQ(tableTree, tree);
    }
  }
  delete tree;
}

TEST_F(WalkerTest, MissingTreeGivesNoReportAndAnEmptyTableCall) {
  EXPECT_EQ(Walk(nullptr, 1, 1), "<data-item table>\n");
  EXPECT_EQ(tableCalls, 1);
  EXPECT_EQ(tableTree, nullptr);
}

}  // namespace
