// Lengths and offsets of data items: records, groups, REDEFINES, tables,
// RENAMES, global offsets, undefined offsets and the layout's messages.
#include "OrvLengthsAndOffsets.h"

#include <gtest/gtest.h>

#include <string>

#include "LayoutTestSupport.h"
#include "OrvDataEntrySearch.h"
#include "OrvTreeUtil.h"

namespace {

using layouttest::ByteMode;
using layouttest::LaidOut;
using layouttest::PlacementLike;

OrvLayoutOptions Unfold(bool on) { return OrvLayoutOptions{ORV_STOR_MODE_BYTE, 0, 4, 4, 4, on}; }

struct PlacementCase {
  const char* name;
  OrvLayoutOptions options;
  const char* text;
  const char* expected;  // "name offset/length" pairs
  const char* messages;  // "line: text" lines
};

const char kFlexRecord[] =
    "01 R. 05 N PIC 9. 05 T PIC X OCCURS 1 TO 10 DEPENDING ON N.\n"
    "05 G. 10 G1 PIC X(2). 10 G2 PIC X(3).\n"
    "01 R2 PIC X.";

const PlacementCase kPlacements[] = {
    {"redefines_longer", ByteMode(),
     "01 R. 05 A PIC X(4). 05 B REDEFINES A PIC X(10). 05 D PIC X(2).",
     "R 0/12 A 0/4 B 0/10 D 10/2", ""},
    // A longer redefinition at the end of a group extends the group.
    {"redefines_longer_last", ByteMode(), "01 R. 05 A PIC X(4). 05 B REDEFINES A PIC X(10).",
     "R 0/10 A 0/4 B 0/10", ""},
    {"redefines_shorter", ByteMode(),
     "01 R. 05 A PIC X(10). 05 B REDEFINES A PIC X(4). 05 D PIC X(2).",
     "R 0/12 A 0/10 B 0/4 D 10/2", ""},
    {"redefines_chain", ByteMode(),
     "01 R. 05 A PIC X(4). 05 B REDEFINES A PIC X(6). 05 C REDEFINES B PIC X(8). 05 D PIC X.",
     "R 0/9 A 0/4 B 0/6 C 0/8 D 8/1", ""},
    {"redefines_group", ByteMode(),
     "01 R. 05 G. 10 A PIC X(3). 10 B PIC X(3). 05 H REDEFINES G. 10 C PIC X(2).\n"
     "05 D PIC X.",
     "R 0/7 G 0/6 H 0/2 C 0/2 D 6/1", ""},
    {"redefines_in_group", ByteMode(),
     "01 R. 05 X PIC X. 05 G. 10 A PIC X(3). 10 B REDEFINES A PIC X(5). 05 D PIC X.",
     "R 0/7 G 1/5 A 1/3 B 1/5 D 6/1", ""},
    {"redefines_other_group", ByteMode(),
     "01 R. 05 G1. 10 A PIC X(4).\n05 G2. 10 B REDEFINES A PIC X(2).",
     "R 0/6 G2 4/2 B 4/2", "2: No Argument for REDEFINES found in current context\n"},
    // An entry can only redefine one written before it.
    {"redefines_itself", ByteMode(), "01 R. 05 A REDEFINES A PIC X(4). 05 D PIC X.",
     "R 0/5 A 0/4 D 4/1", "1: No Argument for REDEFINES found in current context\n"},
    {"redefines_later", ByteMode(), "01 R. 05 A PIC X.\n05 B REDEFINES C PIC X(4). 05 C PIC X(2).",
     "R 0/7 B 1/4 C 5/2", "2: No Argument for REDEFINES found in current context\n"},
    // A longer redefinition at the end of a table element widens the element.
    {"redefines_longer_in_table", ByteMode(),
     "01 R. 05 T OCCURS 2. 10 A PIC X(2). 10 B REDEFINES A PIC X(5). 05 D PIC X.",
     "R 0/11 T 0/10 A 0/2 B 0/5 D 10/1", ""},
    {"elementary_table", ByteMode(), "01 R. 05 T PIC X(3) OCCURS 4. 05 D PIC X.",
     "R 0/13 T 0/12 D 12/1", ""},
    {"nested_tables", ByteMode(),
     "01 R. 05 T OCCURS 2. 10 U OCCURS 3. 15 V PIC X(2). 10 W PIC X. 05 D PIC X.",
     "R 0/15 T 0/14 U 0/6 V 0/2 W 6/1 D 14/1", ""},
    {"range_without_depending", ByteMode(), "01 R. 05 T PIC X(2) OCCURS 3 TO 5. 05 D PIC X.",
     "T 0/10 D 10/1", ""},
    {"zero_times", ByteMode(), "01 R. 05 T PIC X(2) OCCURS 0 TIMES. 05 D PIC X.",
     "R 0/1 T 0/0 D 0/1", ""},
    {"count_beyond_32_bits", ByteMode(),
     "01 R. 05 T PIC X(4) OCCURS 1099511627776 TIMES. 05 D PIC X.",
     "T 0/4398046511104 D 4398046511104/1", ""},
    {"count_overflows", ByteMode(),
     "78 BIG VALUE 4611686018427387904. 01 R. 05 T PIC X(4) OCCURS BIG TIMES. 05 D PIC X.",
     "R 0/UNDEF T 0/UNDEF D UNDEF/1", ""},
    {"count_from_constant", ByteMode(),
     "78 CNT VALUE 2 * 2. 01 R. 05 T PIC X OCCURS 1 TO CNT DEPENDING ON CNT.", "T 0/4", ""},
    {"count_without_times", ByteMode(), "01 R. 05 N PIC 9. 05 T PIC X(2) OCCURS DEPENDING ON N.",
     "R 0/3 T 1/2", ""},
    {"upper_bound_unknown", ByteMode(),
     "01 R.\n05 T PIC X(2) OCCURS NOSUCH TIMES. 05 D PIC X.", "T 0/2 D 2/1",
     "2: Cannot compute upper bound for array\n"},
    {"lower_bound_unknown", ByteMode(),
     "01 R.\n05 T PIC X(2) OCCURS NOSUCH TO 3 TIMES. 05 D PIC X.", "T 0/6 D 6/1",
     "2: Cannot compute lower bound for array\n"},
    {"negative_bounds", ByteMode(),
     "78 NEG VALUE 0 - 3. 01 R.\n05 T PIC X(2) OCCURS NEG TIMES.\n"
     "05 U PIC X OCCURS NEG TO 3 TIMES.",
     "T 0/2 U 2/3",
     "2: Cannot compute upper bound for array\n3: Cannot compute lower bound for array\n"},
    {"flexible_unfolded", Unfold(true), kFlexRecord,
     "R 0/16 N 0/1 T 1/10 G 11/5 G1 11/2 G2 13/3 R2 0/1", ""},
    {"flexible_folded", Unfold(false), kFlexRecord,
     "R 0/UNDEF N 0/1 T 1/UNDEF G UNDEF/5 G1 UNDEF/2 G2 UNDEF/3 R2 0/1", ""},
    {"flexible_table_group", Unfold(false),
     "01 R. 05 N PIC 9. 05 T OCCURS 1 TO 4 DEPENDING ON N. 10 T1 PIC X(2). 10 T2 PIC X.\n"
     "05 D PIC X.",
     "R 0/UNDEF T 1/UNDEF T1 1/2 T2 3/1 D UNDEF/1", ""},
    // After an undefined offset a redefinition of an earlier item is placed
    // but leaves the rest undefined.
    {"redefines_after_flexible", Unfold(false),
     "01 R. 05 A PIC X(4). 05 N PIC 9. 05 T PIC X OCCURS 1 TO 5 DEPENDING ON N.\n"
     "05 B REDEFINES A PIC X(10). 05 C PIC X.",
     "R 0/UNDEF B 0/10 C UNDEF/1", ""},
    {"table_after_flexible", Unfold(false),
     "01 R. 05 N PIC 9. 05 T PIC X OCCURS 1 TO 5 DEPENDING ON N.\n"
     "05 U OCCURS 2. 10 U1 PIC X(3). 05 V PIC X(2) OCCURS 2.",
     "U UNDEF/UNDEF U1 UNDEF/3 V UNDEF/4", ""},
    {"groups_after_flexible", Unfold(false),
     "01 R. 05 N PIC 9. 05 T PIC X OCCURS 1 TO 5 DEPENDING ON N.\n"
     "05 G. 10 H. 15 H1 PIC X. 15 H2 PIC X(2). 10 I PIC X. 05 J PIC X.",
     "G UNDEF/4 H UNDEF/3 H1 UNDEF/1 H2 UNDEF/2 I UNDEF/1 J UNDEF/1", ""},
    {"renames", ByteMode(),
     "01 R. 05 A PIC X(2). 05 B PIC X(3). 05 C PIC X(4). 05 D PIC X.\n"
     "66 X1 RENAMES B. 66 X2 RENAMES A THRU C. 66 X3 RENAMES B THROUGH B.",
     "R 0/10 X1 2/3 X2 0/9 X3 2/3", ""},
    {"renames_in_groups", ByteMode(),
     "01 R. 05 G. 10 A PIC X(2). 10 B PIC X(3). 05 H. 10 C PIC X(4).\n"
     "66 X1 RENAMES B THRU C. 66 X2 RENAMES H.",
     "X1 2/7 X2 5/4", ""},
    {"renames_not_found", ByteMode(),
     "01 R. 05 A PIC X(2). 05 B PIC X(3).\n66 X RENAMES NOSUCH.\n66 Y RENAMES A THRU NOSUCH.",
     "R 0/5 X 5/0 Y 5/0",
     "2: Argument of RENAMES not found\n3: Arguments of RENAMES THROUGH not found\n"},
    // A RENAMES of what follows the 66 entry has nothing to read yet.
    {"renames_later", ByteMode(), "01 R. 05 A PIC X(2).\n66 X RENAMES B. 05 B PIC X.",
     "R 0/2 X 2/0", "2: Argument of RENAMES not found\n"},
    {"renames_unplaced", Unfold(false),
     "01 R. 05 N PIC 9. 05 T PIC X OCCURS 1 TO 5 DEPENDING ON N. 05 A PIC X(3). 05 B PIC X.\n"
     "66 X1 RENAMES A. 66 X2 RENAMES A THRU B.",
     "X1 UNDEF/3 X2 UNDEF/UNDEF", ""},
    {"renames_backwards", ByteMode(),
     "01 R. 05 A PIC X(2). 05 B PIC X(3). 05 C PIC X(4). 66 X RENAMES C THRU A.",
     "X 5/UNDEF", ""},
    // A group whose only subordinates are 88 and 78 entries is elementary.
    {"only_conditions_below", ByteMode(),
     "01 R PIC X(5). 88 R-ON VALUE 'A'. 78 K VALUE 3. 01 S. 05 T PIC 9. 88 T-ON VALUE 1.",
     "R 0/5 S 0/1 T 0/1", ""},
    {"records_start_at_zero", ByteMode(), "01 R PIC X(5). 77 C PIC X(3). 01 S. 05 T PIC X.",
     "R 0/5 C 0/3 S 0/1 T 0/1", ""},
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

class PlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, OffsetsAndLengths) {
  const PlacementCase& c = GetParam();
  LaidOut tree(c.text, c.options);
  EXPECT_EQ(c.expected, PlacementLike(tree, c.expected));
  EXPECT_EQ(c.messages, tree.Messages());
}

INSTANTIATE_TEST_SUITE_P(Records, PlacementTest, ::testing::ValuesIn(kPlacements),
                         [](const ::testing::TestParamInfo<PlacementCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(LengthsAndOffsetsTest, ElementLengthOfTables) {
  LaidOut tree(
      "01 R. 05 N PIC 9. 05 T OCCURS 3. 10 T1 PIC X(2). 10 T2 PIC X.\n"
      "05 U PIC X(4) OCCURS 1 TO 2 DEPENDING ON N.",
      Unfold(false));
  int64_t element = 0;
  ASSERT_TRUE(OrvLayoutSlotValue(OrvSlot(tree.Entry("T"), DECL_DD_ENTRY__OCCURS),
                                 DX_OCCURS__LENGTH_OF_THE_ARRAY_ELEMENT, &element));
  EXPECT_EQ(3, element);
  ASSERT_TRUE(OrvLayoutSlotValue(OrvSlot(tree.Entry("U"), DECL_DD_ENTRY__OCCURS),
                                 DX_OCCURS__LENGTH_OF_THE_ARRAY_ELEMENT, &element));
  EXPECT_EQ(4, element);
}

// Sizing a table element again and aligning the end of a table group only
// size and align: no category changes, no message twice.
TEST(LengthsAndOffsetsTest, TablesAreSizedOnceForTheirMessages) {
  LaidOut tree(
      "01 R. 05 T OCCURS 2. 10 G INDEX SYNC. 15 I1. 15 I2.\n"
      "05 U PIC Q OCCURS 2.\n"
      "05 V PIC X DU_DISPLAY_WS OCCURS 2.\n",
      layouttest::Mode(ORV_STOR_MODE_WORD));
  const char* expected = "T 0/16 G 0/8 I1 0/4 I2 4/4 U 16/2 V 18/0";
  EXPECT_EQ(expected, PlacementLike(tree, expected));
  EXPECT_EQ(std::string(OrvOperTemplate(DCAT_GROUP)),
            OrvOperTemplate(OrvSlot(tree.Entry("G"), DECL_DD_ENTRY__CATEGORY)->Oper()));
  EXPECT_EQ(
      "2: Cannot determine category for PIC string: Q\n"
      "3: Cannot compute length for DU_DISPLAY_WS field: not implemented. Length of this filed "
      "assumed to be 0 bytes.\n",
      tree.Messages());
}

TEST(LengthsAndOffsetsTest, GlobalOffsets) {
  LaidOut tree(
      "WORKING-STORAGE SECTION.\n"
      "01 W1. 05 W1A PIC X(20). 05 W1B PIC X(9). 01 W2 PIC X(5). 77 W3 PIC X.\n"
      "01 W4 PIC X(10). 01 W5 REDEFINES W4 PIC X(20). 01 W6 PIC X.\n"
      "LOCAL-STORAGE SECTION.\n"
      "01 L1 PIC X(3). 01 L2. 05 L2A PIC X.\n"
      "LINKAGE SECTION.\n"
      "01 K1 PIC X(29). 01 K2. 05 K2A PIC X(2). 05 K2B PIC X.\n"
      "FILE SECTION. FD CUST-FILE.\n"
      "01 CR. 05 C-ID PIC 9(6). 05 C-NM PIC X(20). 01 CR2 PIC X(8).\n");
  struct {
    const char* name;
    const char* global;
  } expected[] = {
      {"W1", "0"},   {"W1B", "20"}, {"W2", "32"}, {"W3", "40"}, {"W4", "48"},
      {"W5", "48"},  {"W6", "72"},  {"L1", "0"},  {"L2", "8"},  {"L2A", "8"},
      {"K1", "0"},   {"K2", "0"},   {"K2B", "2"}, {"CR", "0"},  {"C-NM", "6"},
      {"CR2", "0"},
  };
  for (const auto& e : expected) EXPECT_EQ(e.global, tree.Global(e.name)) << e.name;
  EXPECT_EQ("6/20", tree.At("C-NM"));
}

TEST(LengthsAndOffsetsTest, RedefinitionElsewhereInTheSection) {
  // A record that redefines one further back shares the room of the record
  // just before it.
  LaidOut tree("01 A PIC X(10). 01 C PIC X(4). 01 B REDEFINES A PIC X(20). 01 D PIC X.");
  EXPECT_EQ("0 16 16 40", tree.Global("A") + " " + tree.Global("C") + " " + tree.Global("B") +
                              " " + tree.Global("D"));
}

// Thousands of records, each redefining the one before: every record
// shares the first one's room, and the layout follows each REDEFINES link a
// bounded number of times rather than once per record behind it.
TEST(LengthsAndOffsetsTest, ALongRedefinitionChainIsFollowedOnce) {
  const int chain = 3000;
  std::string text = "01 R0 PIC X(10).\n";
  for (int i = 1; i <= chain; ++i)
    text += "01 R" + std::to_string(i) + " REDEFINES R" + std::to_string(i - 1) + " PIC X(" +
            std::to_string(10 + i % 7) + ").\n";
  text += "01 LAST PIC X.\n";
  const long before = OrvRedefinedEntryCalls;
  LaidOut tree(text);
  EXPECT_LE(OrvRedefinedEntryCalls - before, 8L * chain);
  EXPECT_EQ("0 0 0 16", tree.Global("R0") + " " + tree.Global("R1") + " " +
                            tree.Global("R" + std::to_string(chain)) + " " + tree.Global("LAST"));
}

TEST(LengthsAndOffsetsTest, UndefinedRecordLeavesTheRestOfTheSectionUnplaced) {
  const char* text =
      "01 R. 05 N PIC 9. 05 T PIC X OCCURS 1 TO 10 DEPENDING ON N.\n"
      "01 R2 PIC X. 01 R3 PIC X(2).\n";
  LaidOut ws(text, Unfold(false));
  EXPECT_EQ("0 1 UNDEF UNDEF",
            ws.Global("R") + " " + ws.Global("T") + " " + ws.Global("R2") + " " + ws.Global("R3"));
  LaidOut linkage(std::string("LINKAGE SECTION. ") + text, Unfold(false));
  EXPECT_EQ("0 0", linkage.Global("R2") + " " + linkage.Global("R3"));
}

TEST(LengthsAndOffsetsTest, OffsetsInGroup) {
  LaidOut tree(
      "01 R. 05 A PIC X(2). 05 G. 10 B PIC X(3). 10 C PIC X(4). 05 T OCCURS 2.\n"
      "10 T1 PIC X. 10 T2 PIC X(2). 77 S PIC X.");
  std::string got;
  for (const char* name : {"R", "A", "G", "B", "C", "T", "T1", "T2", "S"})
    got += std::string(name) + "=" + LaidOut::Number(tree.Entry(name), DECL_DD_ENTRY__OFFSET_FROM_UPPER_LEVEL) + " ";
  EXPECT_EQ("R=0 A=0 G=2 B=0 C=3 T=9 T1=0 T2=1 S=0 ", got);
}

TEST(LengthsAndOffsetsTest, SwitchesOffLeaveTheirSlotsAlone) {
  MessageRecorder recorder;
  OrvExpr* root = layouttest::BuildDataDivision(
      "01 R. 05 A PIC X(2). 05 B PIC X(3). 78 K VALUE 7. 01 S PIC X.");
  OrvTokenList messages;
  EXPECT_EQ(0, OrvCalcLengthsAndOffsets(root, &messages, 0, 0, 0, ByteMode()));
  OrvExpr* r = OrvFindDescendantOp(root, DECL_DD_ENTRY);
  ASSERT_NE(nullptr, r);
  for (int slot : {DECL_DD_ENTRY__OFFSET_FROM_UPPER_LEVEL, DECL_DD_ENTRY__OFFSET_GLOBAL})
    EXPECT_EQ(nullptr, OrvSlot(r, slot)) << slot;
  EXPECT_NE(nullptr, OrvSlot(r, DECL_DD_ENTRY__LENGTH));
  OrvExpr* k = OrvFindDescendantOp(root, DECL_CONST_ENTRY);
  EXPECT_EQ(nullptr, OrvSlot(k, DECL_CONST_ENTRY__ACTUAL_CONSTANT_VALUE));
  delete root;
  EXPECT_EQ(0u, recorder.size()) << recorder.Dump();
}

TEST(LengthsAndOffsetsTest, WithoutAMessageListProblemsAreDropped) {
  MessageRecorder recorder;
  OrvExpr* root = layouttest::BuildDataDivision(
      "01 R. 05 A PIC Q. 05 B REDEFINES NOSUCH PIC X(2). 05 T PIC X OCCURS NOSUCH.");
  EXPECT_EQ(0, OrvCalcLengthsAndOffsets(root, nullptr, 1, 1, 1, ByteMode()));
  OrvExpr* r = OrvFindDescendantOp(root, DECL_DD_ENTRY);
  EXPECT_EQ("0/4", LaidOut::Number(r, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL) + "/" + LaidOut::Number(r, DECL_DD_ENTRY__LENGTH));
  delete root;
  EXPECT_EQ(0, OrvCalcLengthsAndOffsets(nullptr, nullptr, 1, 1, 1, ByteMode()));
  EXPECT_EQ(0u, recorder.size()) << recorder.Dump();
}

TEST(LengthsAndOffsetsTest, ContainedProgramsAreLaidOutByEveryProgramAroundThem) {
  LaidOut tree(
      "01 A PIC X(3).\n"
      "PROGRAM-ID INNER.\n"
      "01 B PIC X(2). 01 C REDEFINES NOSUCH PIC X.\n"
      "LINKAGE SECTION. 01 D PIC X(4).\n"
      "END PROGRAM.\n"
      "01 E PIC X.\n");
  EXPECT_EQ("A 0/3 B 0/2 C 0/1 D 0/4 E 0/1", PlacementLike(tree, "A 0/3 B 0/2 C 0/1 D 0/4 E 0/1"));
  // A record with a REDEFINES clause shares the room of the record before
  // it, also when what it names is not found.
  EXPECT_EQ("0 0 0 8", tree.Global("B") + " " + tree.Global("C") + " " + tree.Global("D") + " " +
                           tree.Global("E"));
  EXPECT_EQ(
      "3: No Argument for REDEFINES found in current context\n"
      "3: No Argument for REDEFINES found in current context\n",
      tree.Messages());
}

TEST(LengthsAndOffsetsTest, OptionsComeFromTheParserSettings) {
  struct Settings : OrvParser {
    OrvParserResult Parse(const VString&, OrvExpr**, OrvTokenList*) override {
      return ORV_PARSE_OK;
    }
  } settings;
  settings.storageMode = ORV_STOR_MODE_FSC;
  settings.numSignTrailSep = 1;
  settings.pointerSize = 8;
  settings.procPointerSize = 6;
  settings.indexSize = 2;
  settings.unfoldFlexArrays = 0;
  OrvLayoutOptions options = OrvLayoutOptionsOf(settings);
  EXPECT_EQ(ORV_STOR_MODE_FSC, options.storageMode);
  EXPECT_EQ(1, options.trailingSeparateSign);
  EXPECT_EQ(8, options.pointerSize);
  EXPECT_EQ(6, options.procPointerSize);
  EXPECT_EQ(2, options.indexSize);
  EXPECT_EQ(0, options.unfoldFlexArrays);
  LaidOut tree("01 R PIC X.", options);
  EXPECT_EQ(6, OrvLayoutOptionsInUse.procPointerSize);
  EXPECT_EQ(ORV_STOR_MODE_FSC, OrvLayoutOptionsInUse.storageMode);
}

}  // namespace
