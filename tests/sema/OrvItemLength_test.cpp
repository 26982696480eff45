// USAGE sizes: lengths and categories of elementary items, binary sizes by
// storage mode, and the alignment of SYNCHRONIZED items.
#include "OrvItemLength.h"

#include <gtest/gtest.h>

#include <string>

#include "LayoutTestSupport.h"

namespace {

using layouttest::ByteMode;
using layouttest::LaidOut;
using layouttest::Mode;

OrvLayoutOptions Word() { return Mode(ORV_STOR_MODE_WORD); }
OrvLayoutOptions Fsc() { return Mode(ORV_STOR_MODE_FSC); }
OrvLayoutOptions TrailingSign() { return OrvLayoutOptions{ORV_STOR_MODE_BYTE, 1, 4, 4, 4, 1}; }
OrvLayoutOptions Pointers8() { return OrvLayoutOptions{ORV_STOR_MODE_BYTE, 0, 8, 4, 4, 1}; }
OrvLayoutOptions ProcPointers8() { return OrvLayoutOptions{ORV_STOR_MODE_BYTE, 0, 4, 8, 4, 1}; }
OrvLayoutOptions Index2() { return OrvLayoutOptions{ORV_STOR_MODE_WORD, 0, 4, 4, 2, 1}; }

// The category column of an entry: the print template of slot 16.
std::string CategoryOf(OrvExpr* entry) {
  OrvExpr* category = OrvSlot(entry, DECL_DD_ENTRY__CATEGORY);
  return category != nullptr ? OrvOperTemplate(category->Oper()) : "";
}

struct SizeCase {
  const char* clauses;  // of "01 X"
  OrvLayoutOptions options;
  int64_t length;
  const char* category;
  const char* message;  // the layout's message, "" for none
};

const SizeCase kSizes[] = {
    {"PIC S9(5)", ByteMode(), 5, "N", ""},
    {"PIC S9(5) SIGN TRAILING SEPARATE", ByteMode(), 6, "N", ""},
    {"PIC S9(5) SIGN IS LEADING SEPARATE CHARACTER", ByteMode(), 6, "N", ""},
    {"PIC S9(5) SIGN TRAILING", ByteMode(), 5, "N", ""},
    {"PIC 9(5) SIGN TRAILING SEPARATE", ByteMode(), 5, "N", ""},
    {"PIC S9(5)", TrailingSign(), 6, "N", ""},
    {"PIC 9(5)", TrailingSign(), 5, "N", ""},
    {"PIC S9(5) DU_COMP_RM", TrailingSign(), 6, "N", ""},
    {"PIC S9(5) COMP-3", TrailingSign(), 3, "N", ""},
    {"PIC S9(7) COMP-3", ByteMode(), 4, "N", ""},
    {"PIC 9(4) COMP-3", ByteMode(), 3, "N", ""},
    {"PIC 9(5) PACKED-DECIMAL", ByteMode(), 3, "N", ""},
    {"PIC 9(18) COMP-3", ByteMode(), 10, "N", ""},
    // Packed items of 19 digits and more are sized like the shorter ones.
    {"PIC 9(19) COMP-3", ByteMode(), 10, "N", ""},
    {"PIC S9(31) COMP-3", ByteMode(), 16, "N", ""},
    {"PIC 9(4) COMP-6", ByteMode(), 2, "N", ""},
    {"PIC 9(5) COMP-6", ByteMode(), 3, "N", ""},
    {"PIC 9(19) COMP-6", ByteMode(), 10, "N", ""},
    {"PIC 9(7) COMP-5", ByteMode(), 3, "N", ""},
    {"PIC S9(7) COMP-5", ByteMode(), 4, "N", ""},
    {"PIC 9(7) COMP-5", Word(), 4, "N", ""},
    {"PIC 9(7) COMP-5", Fsc(), 4, "N", ""},
    {"PIC 9(4) COMP", Word(), 2, "N", ""},
    {"PIC 9(10) COMP-4", Word(), 8, "N", ""},
    {"PIC 9(20) BINARY", ByteMode(), 8, "N", ""},
    {"PIC 9(20) BINARY", Word(), 8, "N", ""},
    {"PIC 9(20) BINARY", Fsc(), 8, "N", ""},
    // P positions are not digits.
    {"PIC 9(3)PPP COMP-0", ByteMode(), 2, "N", ""},
    {"PIC X(4) COMP-X", ByteMode(), 4, "AN", ""},
    {"PIC 9(4) COMP-X", ByteMode(), 2, "N", ""},
    {"COMP-1", ByteMode(), 4, "IF", ""},
    {"PIC 9(3) COMP-1", ByteMode(), 4, "IF", ""},
    {"COMP-2", ByteMode(), 8, "IF", ""},
    {"DU_COMP_1_ACU", ByteMode(), 2, "N", ""},
    {"PIC X(3) DU_COMP_1_RM", ByteMode(), 2, "AN", ""},
    {"PIC 9(6) DU_COMP_2_ACU", ByteMode(), 6, "N", ""},
    {"INDEX", ByteMode(), 4, "I", ""},
    {"INDEX", Index2(), 2, "I", ""},
    {"POINTER", ByteMode(), 4, "P", ""},
    {"POINTER", Pointers8(), 8, "P", ""},
    {"PROCEDURE-POINTER", Pointers8(), 4, "PP", ""},
    {"PROCEDURE-POINTER", ProcPointers8(), 8, "PP", ""},
    {"POINTER", ProcPointers8(), 4, "P", ""},
    {"PIC N(3)", ByteMode(), 6, "J", ""},
    {"PIC G(2) DISPLAY-1", ByteMode(), 4, "J", ""},
    {"PIC NBN", ByteMode(), 6, "JE", ""},
    {"PIC ZZ9.99", ByteMode(), 6, "NE", ""},
    {"PIC -9(3).99CR", ByteMode(), 9, "NE", ""},
    {"PIC 9(3)V99", ByteMode(), 5, "N", ""},
    {"PIC A(3)", ByteMode(), 3, "A", ""},
    {"PIC XXBX", ByteMode(), 4, "AE", ""},
    {"PIC +9.9E+99", ByteMode(), 8, "EF", ""},
    {"PIC 1(8) BIT", ByteMode(), 0, "B", ""},
    {"DISPLAY", ByteMode(), 0, "", ""},
    {"PIC Q(3)", ByteMode(), 3, "", "1: Cannot determine category for PIC string: Q(3)"},
    {"PIC X(3) DU_DISPLAY_WS", ByteMode(), 0, "AN",
     "1: Cannot compute length for DU_DISPLAY_WS field: not implemented. Length of this filed "
     "assumed to be 0 bytes."},
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.clauses; }

class ItemSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ItemSizeTest, LengthAndCategory) {
  const SizeCase& c = GetParam();
  LaidOut tree(std::string("01 X ") + c.clauses + ".", c.options);
  EXPECT_EQ(std::to_string(c.length), LaidOut::Number(tree.Entry("X"), DECL_DD_ENTRY__LENGTH));
  EXPECT_EQ(c.category, CategoryOf(tree.Entry("X")));
  EXPECT_EQ(std::string(c.message) + (*c.message ? "\n" : ""), tree.Messages());
}

INSTANTIATE_TEST_SUITE_P(Usages, ItemSizeTest, ::testing::ValuesIn(kSizes));

TEST(ItemSizeTest, ClausesOfTheGroupsApply) {
  LaidOut tree(
      "01 G COMP-3 SIGN TRAILING SEPARATE. 05 H. 10 A PIC S9(5). 10 B PIC 9(4) DISPLAY.\n"
      "01 S SIGN LEADING SEPARATE. 05 C PIC S9(3). 05 D PIC S9(3) SIGN TRAILING.\n");
  // D's own SIGN clause, without SEPARATE, overrides the group's.
  EXPECT_EQ("A 0/3 B 3/4 C 0/4 D 4/3", tree.Placement({"A", "B", "C", "D"}));
}

TEST(ItemSizeTest, ConstantsCountInPictures) {
  LaidOut tree(
      "01 R PIC X(10). 78 N VALUE NEXT. 78 LEN VALUE 2 + 3.\n"
      "01 X PIC X(LEN). 01 Y PIC 9(N). 01 Z PIC X(NOPE).\n");
  EXPECT_EQ("X 0/5 Y 0/10 Z 0/0", tree.Placement({"X", "Y", "Z"}));
  EXPECT_EQ("2: 78-level name used in PIC string is not defined: X(NOPE)\n", tree.Messages());
}

TEST(OrvBinaryItemSizeTest, SizesByDigitsAndMode) {
  // Digits 0 to 20: byte mode unsigned and signed, word and fsc mode.
  const int unsignedBytes[] = {0, 1, 1, 2, 2, 3, 3, 3, 4, 4, 5, 5, 5, 6, 6, 7, 7, 8, 8, 8, 8};
  const int signedBytes[] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 4, 5, 5, 6, 6, 6, 7, 7, 8, 8, 8, 8};
  const int wordBytes[] = {0, 2, 2, 2, 2, 4, 4, 4, 4, 4, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8};
  for (int digits = 0; digits <= 20; ++digits) {
    SCOPED_TRACE(digits);
    EXPECT_EQ(unsignedBytes[digits], OrvBinaryItemSize(digits, 0, ORV_STOR_MODE_BYTE));
    EXPECT_EQ(signedBytes[digits], OrvBinaryItemSize(digits, 1, ORV_STOR_MODE_BYTE));
    for (int isSigned = 0; isSigned < 2; ++isSigned) {
      EXPECT_EQ(wordBytes[digits], OrvBinaryItemSize(digits, isSigned, ORV_STOR_MODE_WORD));
      EXPECT_EQ(wordBytes[digits], OrvBinaryItemSize(digits, isSigned, ORV_STOR_MODE_FSC));
      EXPECT_EQ(0, OrvBinaryItemSize(digits, isSigned, ORV_STOR_MODE_DIAL));
    }
  }
  EXPECT_EQ(0, OrvBinaryItemSize(-3, 1, ORV_STOR_MODE_BYTE));
}

struct AlignCase {
  const char* name;
  OrvLayoutOptions options;
  const char* text;
  const char* expected;  // "name offset/length" pairs
};

const char kSyncRecord[] =
    "01 S. 05 S1 PIC X. 05 S2 PIC S9(9) COMP-5 SYNC. 05 S5 PIC X.\n"
    "05 S3 PIC S9(12) BINARY SYNC. 05 S4 USAGE POINTER SYNC.";

const AlignCase kAlignments[] = {
    {"byte", ByteMode(), kSyncRecord, "S 0/16 S1 0/1 S2 1/4 S5 5/1 S3 6/6 S4 12/4"},
    {"word", Word(), kSyncRecord, "S 0/28 S1 0/1 S2 4/4 S5 8/1 S3 16/8 S4 24/4"},
    {"fsc", Fsc(), kSyncRecord, "S 0/24 S1 0/1 S2 4/4 S5 8/1 S3 12/8 S4 20/4"},
    {"word_small", Word(), "01 S. 05 S1 PIC X. 05 S2 PIC 9 COMP SYNC. 05 S3 PIC X SYNC.",
     "S 0/5 S1 0/1 S2 2/2 S3 4/1"},
    {"fsc_small", Fsc(), "01 S. 05 S1 PIC X. 05 S2 PIC 9(3) BINARY SYNC RIGHT.",
     "S 0/4 S1 0/1 S2 2/2"},
    {"word_floats", Word(), "01 S. 05 S1 PIC X. 05 S2 COMP-1 SYNC. 05 S3 COMP-2 SYNC.",
     "S 0/16 S1 0/1 S2 4/4 S3 8/8"},
    {"fsc_floats", Fsc(), "01 S. 05 S1 PIC X. 05 S2 COMP-2 SYNC. 05 S3 DU_COMP_1_ACU SYNC.",
     "S 0/18 S1 0/1 S2 8/8 S3 16/2"},
    {"word_acu_float", Word(), "01 S. 05 S1 PIC X. 05 S2 DU_COMP_1_ACU SYNC.", "S 0/4 S1 0/1 S2 2/2"},
    {"word_index_2", Index2(), "01 S. 05 S1 PIC X. 05 S2 INDEX SYNC.", "S 0/6 S1 0/1 S2 4/2"},
    {"word_pointer_8", OrvLayoutOptions{ORV_STOR_MODE_WORD, 0, 8, 4, 4, 1},
     "01 S. 05 S1 PIC X. 05 S2 POINTER SYNC. 05 S3 PROCEDURE-POINTER SYNC.",
     "S 0/16 S1 0/1 S2 4/8 S3 12/4"},
    // Not numeric, not synchronized, not packed: never aligned.
    {"word_unaligned", Word(),
     "01 S. 05 S1 PIC X. 05 S2 PIC X(2) COMP-X SYNC. 05 S3 PIC S9(4) COMP.\n"
     "05 S4 PIC S9(4) COMP-3 SYNC.",
     "S 0/8 S1 0/1 S2 1/2 S3 3/2 S4 5/3"},
    // SYNCHRONIZED on a group applies to its items.
    {"word_inherited", Word(), "01 S SYNC. 05 S1 PIC X. 05 S2 PIC S9(4) COMP.",
     "S 0/4 S1 0/1 S2 2/2"},
    // The alignment counts from the record start.
    {"word_nested", Word(),
     "01 S. 05 S1 PIC X(2). 05 S2. 10 S3 PIC X. 10 S4 PIC S9(9) COMP SYNC.",
     "S 0/8 S1 0/2 S2 2/6 S3 2/1 S4 4/4"},
};

void PrintTo(const AlignCase& c, std::ostream* os) { *os << c.name; }

class AlignTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignTest, SynchronizedItems) {
  const AlignCase& c = GetParam();
  LaidOut tree(c.text, c.options);
  EXPECT_EQ(c.expected, layouttest::PlacementLike(tree, c.expected));
  EXPECT_EQ("", tree.Messages());
}

INSTANTIATE_TEST_SUITE_P(Modes, AlignTest, ::testing::ValuesIn(kAlignments),
                         [](const ::testing::TestParamInfo<AlignCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
