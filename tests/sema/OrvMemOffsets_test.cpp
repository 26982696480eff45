// The data-item table: its rows, detail lines and headings.
#include "OrvMemOffsets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "LayoutTestSupport.h"

namespace {

using layouttest::LaidOut;

// Rows in the table are joined with "$\n" in the expected texts below so
// that trailing blanks show.
std::string Visible(const std::string& table) {
  std::string out;
  for (char c : table) {
    if (c == '\n') out += '$';
    out += c;
  }
  return out;
}

TEST(OrvMemOffsetsTest, WorkedExample) {
  LaidOut tree(
      "01 REC. 05 A PIC X(4). 05 B REDEFINES A PIC X(10). 05 D PIC S9(5) COMP-3.\n"
      "05 T OCCURS 3 TIMES. 10 T1 PIC X(2). 10 T2 PIC 9(4) COMP. 05 F PIC 9 VALUE 1.\n"
      "88 F-ON VALUE 1. 05 FILLER PIC X(3). 66 AB RENAMES A THRU D.\n"
      "77 CNT PIC S9(7) COMP-5. 78 K VALUE NEXT.\n");
  const char* expected =
      "$\n"
      "WORKING-STORAGE SECTION:$\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------$\n"
      "Lv|Data-Name                      |PIC       |CT|USAGE  |S|Offset|Length|OfsGlb$\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------$\n"
      "01|REC                            |          | G|DISPLAY| |     0|    29|     0$\n"
      "05|. A                            |X(4)      |AN|DISPLAY| |     0|     4|     0$\n"
      "05|. B                            |X(10)     |AN|DISPLAY| |     0|    10|     0$\n"
      "  |  REDEFINES A$\n"
      "05|. D                            |S9(5)     | N|COMP-3 | |    10|     3|    10$\n"
      "05|. T                            |          | G|DISPLAY| |    13|    12|    13$\n"
      "  |  OCCURS 3 TIMES (loc-len=4)$\n"
      "10|. . T1                         |X(2)      |AN|DISPLAY| |    13|     2|    13$\n"
      "10|. . T2                         |9(4)      | N|COMP   | |    15|     2|    15$\n"
      "05|. F                            |9         | N|DISPLAY| |    25|     1|    25$\n"
      "88|. . F-ON                       | 1$\n"
      "05|. FILLER                       |X(3)      |AN|DISPLAY| |    26|     3|    26$\n"
      "66|. AB                           |          |  |DISPLAY| |     0|    13|     0$\n"
      "  |  RENAMES A THROUGH D$\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------$\n"
      "77|CNT                            |S9(7)     | N|COMP-5 | |     0|     4|    32$\n"
      "78|K                              | 36$\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------$\n";
  EXPECT_EQ(expected, Visible(tree.Table()));
  EXPECT_EQ("", tree.Messages());
}

}  // namespace

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Every section kind, FD and SD headings, an FD from a COPY expression, a
// contained program, and the rarer shapes of rows and detail lines.
TEST(OrvMemOffsetsTest, SectionsAndLineForms) {
  const std::string data = std::string(LARK_TEST_DATA) + "/sema/mem_offsets_sections";
  std::string source = ReadFile(data + ".cbl");
  ASSERT_FALSE(source.empty());
  LaidOut tree(source);
  EXPECT_EQ(ReadFile(data + ".txt"), tree.Table());
  EXPECT_EQ(
      "22: Cannot determine category for PIC string: Q(3)\n"
      "31: Cannot compute lower bound for array\n"
      "32: Cannot compute upper bound for array\n",
      tree.Messages());
}

}  // namespace

namespace {

// The heading of a WORKING-STORAGE table in the form of Visible.
const char kWorkingStorageHead[] =
    "$\n"
    "WORKING-STORAGE SECTION:$\n"
    "--+-------------------------------+----------+--+-------+-+------+------+------$\n"
    "Lv|Data-Name                      |PIC       |CT|USAGE  |S|Offset|Length|OfsGlb$\n"
    "--+-------------------------------+----------+--+-------+-+------+------+------$\n";

TEST(OrvMemOffsetsTest, UndefinedOffsetsAndLengths) {
  LaidOut tree(
      "01 R. 05 N PIC 9. 05 T PIC X OCCURS 1 TO 10 DEPENDING ON N.\n"
      "05 G. 10 G1 PIC X(2). 10 G2 PIC X(3). 01 R2 PIC X.",
      OrvLayoutOptions{ORV_STOR_MODE_BYTE, 0, 4, 4, 4, 0});
  std::string expected = std::string(kWorkingStorageHead) +
      "01|R                              |          | G|DISPLAY| |     0|UNDEF |     0$\n"
      "05|. N                            |9         | N|DISPLAY| |     0|     1|     0$\n"
      "05|. T                            |X         |AN|DISPLAY| |     1|UNDEF |     1$\n"
      "  |  OCCURS 1 TO 10 TIMES DEPENDING ON N (loc-len=1)$\n"
      "05|. G                            |          | G|DISPLAY| |UNDEF |     5|UNDEF $\n"
      "10|. . G1                         |X(2)      |AN|DISPLAY| |UNDEF |     2|UNDEF $\n"
      "10|. . G2                         |X(3)      |AN|DISPLAY| |UNDEF |     3|UNDEF $\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------$\n"
      "01|R2                             |X         |AN|DISPLAY| |     0|     1|UNDEF $\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------$\n";
  EXPECT_EQ(expected, Visible(tree.Table()));
}

TEST(OrvMemOffsetsTest, HiddenEntriesMarkersAndErrorsPrintNothing) {
  LaidOut tree("01 A PIC X. 01 B PIC X(2). 01 C. 05 C1 PIC X. 05 C2 PIC X.");
  OrvExpr* list = tree.Entry("A")->Parent()->Parent();
  tree.Entry("B")->Parent()->SetOper(DECL_DD_HIDDEN);
  list->AddArg(new OrvExprOper(STMT__SYNTAX_ERROR));
  OrvExpr* group = tree.Entry("C")->Parent()->Args(DECL_DD__SUBORDINATE_ENTRIES);
  group->InsArg(new OrvExprOper(STMT_INLINED_COPY_BEG), 1);
  std::string expected = std::string(kWorkingStorageHead) +
      "01|A                              |X         |AN|DISPLAY| |     0|     1|     0$\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------$\n"
      "01|C                              |          | G|DISPLAY| |     0|     2|    16$\n"
      "05|. C1                           |X         |AN|DISPLAY| |     0|     1|    16$\n"
      "05|. C2                           |X         |AN|DISPLAY| |     1|     1|    17$\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------$\n";
  EXPECT_EQ(expected, Visible(tree.Table()));
}

TEST(OrvMemOffsetsTest, SectionWithoutEntries) {
  LaidOut tree("LINKAGE SECTION.");
  EXPECT_EQ(
      "\nLINKAGE SECTION:\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------\n"
      "Lv|Data-Name                      |PIC       |CT|USAGE  |S|Offset|Length|OfsGlb\n"
      "--+-------------------------------+----------+--+-------+-+------+------+------\n",
      tree.Table());
}

TEST(OrvMemOffsetsTest, TreeWithoutSectionsPrintsNothing) {
  std::ostringstream out;
  OrvExprOper program(COBOL_PROGRAM);
  EXPECT_NE(ORV_WALK_STOP, OrvPrintMemOffsets(out, &program));
  EXPECT_EQ(&out, memOffsetsStream);
  EXPECT_EQ("", out.str());
}

// A list of slots by letter: 'L' a LINKAGE SECTION, 'P' a PROCEDURE
// DIVISION, 'F' a NULL_NODE of the fill (unmade), 'E' an empty slot, and
// '(' ... ')' a nested list.
OrvExpr* SlotsTree(const char*& at) {
  OrvExprOper* list = new OrvExprOper(EX_LIST);
  std::vector<int> empties;
  for (; *at != '\0' && *at != ')'; ++at) {
    switch (*at) {
      case 'L': list->AddArg(new OrvExprOper(SECTION_LINKAGE)); break;
      case 'P': list->AddArg(new OrvExprOper(DIVISION_PROCEDURE)); break;
      case 'F': list->AddArg(nullptr); break;
      case 'E':
        // Held by a stand-in until the fill has passed.
        empties.push_back(list->NArgs());
        list->AddArg(new OrvExprOper(EX_LIST));
        break;
      case '(': list->AddArg(SlotsTree(++at)); break;
    }
  }
  list->FillEmptySlots();
  for (int i : empties) delete list->DelArg(i, 0, 0);
  return list;
}

// The table's walk reads the slots as stored: a NULL_NODE of the fill stays
// unmade, and the table and the answer are those of the walk that makes it
// (the one that runs under the walk trace).
TEST(OrvMemOffsetsTest, FillLeftUnmadeWithTheWalksTableAndAnswer) {
  const char* cases[] = {"", "L", "LF", "FL", "LE", "ELF", "(LF)", "(LF)E", "F(L)", "PF", "LP", "L(P)F", "FF"};
  for (const char* c : cases) {
    SCOPED_TRACE(c);
    const char* at = c;
    std::unique_ptr<OrvExpr> stored(SlotsTree(at));
    at = c;
    std::unique_ptr<OrvExpr> walked(SlotsTree(at));
    const long nodes = OrvLiveNodes;
    std::ostringstream storedOut;
    const OrvWalkCode storedCode = OrvPrintMemOffsets(storedOut, stored.get());
    EXPECT_EQ(nodes, OrvLiveNodes);
    std::ostringstream walkedOut, trace;
    std::ostream* traceBefore = OrvWalkTraceStream;
    OrvWalkTraceStream = &trace;
    OrvWalkTraceSwitch = 1;
    const OrvWalkCode walkedCode = OrvPrintMemOffsets(walkedOut, walked.get());
    OrvWalkTraceSwitch = 0;
    OrvWalkTraceStream = traceBefore;
    EXPECT_EQ(walkedCode, storedCode);
    EXPECT_EQ(walkedOut.str(), storedOut.str());
    // The walk made a NULL_NODE for each fill it passed.
    EXPECT_EQ(nodes + static_cast<long>(std::count(c, c + std::strlen(c), 'F')), OrvLiveNodes);
  }
}

TEST(OrvPadVStringTest, PadsButNeverCuts) {
  struct {
    const char* text;
    int column;
    const char* padded;
  } cases[] = {
      {"", 3, "   "}, {"AB", 5, "AB   "}, {"ABCDE", 5, "ABCDE"}, {"ABCDEF", 5, "ABCDEF"},
      {"AB", -1, "AB"},
  };
  for (const auto& c : cases) {
    VString text(c.text);
    VString copy = OrvPadVString(text, c.column);
    EXPECT_EQ(c.padded, Str(text));
    EXPECT_EQ(c.padded, Str(copy));
  }
}

}  // namespace
