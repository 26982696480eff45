// Value expressions: level-78 constants with arithmetic, NEXT, START OF and
// LENGTH OF, the data entry that NEXT refers to, and start offsets.
#include "OrvOperSlots.h"
#include "OrvValueExpr.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "LayoutTestSupport.h"
#include "OrvRecordBase.h"
#include "OrvTreeUtil.h"

namespace {

using layouttest::ByteMode;
using layouttest::LaidOut;

OrvLayoutOptions Folded() { return OrvLayoutOptions{ORV_STOR_MODE_BYTE, 0, 4, 4, 4, 0}; }

struct ConstantCase {
  const char* name;
  OrvLayoutOptions options;
  std::string text;
  const char* constant;  // the level-78 entry to look at
  const char* value;     // its value as printed, "none" for no value
};

const char kFlex[] = "01 R. 05 N PIC 9. 05 T PIC X OCCURS 1 TO 10 DEPENDING ON N.\n";
// The text after a record whose table is sized at run time.
std::string Flex(const char* text) { return std::string(kFlex) + text; }

const ConstantCase kConstants[] = {
    {"literal", ByteMode(), "78 A VALUE 10.", "A", "10"},
    {"names_a_constant", ByteMode(), "78 A VALUE 10. 78 B VALUE A * 2 + 1.", "B", "21"},
    {"one_precedence", ByteMode(), "78 K VALUE 1 + 2 * 3.", "K", "9"},
    {"subtraction_left_to_right", ByteMode(), "78 K VALUE 10 - 3 - 2.", "K", "5"},
    {"division_truncates", ByteMode(), "78 K VALUE 0 - 7 / 2.", "K", "-3"},
    {"bit_or", ByteMode(), "78 K VALUE 1 OR 4.", "K", "5"},
    {"bit_and", ByteMode(), "78 K VALUE 7 AND 12.", "K", "4"},
    {"bits_of_the_low_word", ByteMode(), "78 K VALUE 4294967296 OR 1.", "K", "1"},
    {"bits_widened_with_sign", ByteMode(), "78 K VALUE 2147483648 OR 0.", "K", "-2147483648"},
    {"beyond_32_bits", ByteMode(), "78 K VALUE 4294967296 * 3.", "K", "12884901888"},
    {"smallest", ByteMode(), "78 K VALUE 0 - 9223372036854775807 - 1.", "K",
     "-9223372036854775808"},
    {"string", ByteMode(), "78 K VALUE 'ABC'.", "K", "'ABC'"},
    {"figurative", ByteMode(), "78 K VALUE SPACES.", "K", "SPACES"},
    {"division_by_zero", ByteMode(), "78 K VALUE 1 / 0.", "K", "none"},
    {"division_overflow", ByteMode(),
     "78 M VALUE 0 - 9223372036854775807 - 1. 78 K VALUE M / -1.", "K", "none"},
    {"product_overflow", ByteMode(), "78 K VALUE 4611686018427387904 * 4.", "K", "none"},
    {"sum_overflow", ByteMode(), "78 K VALUE 9223372036854775807 + 1.", "K", "none"},
    {"itself", ByteMode(), "78 K VALUE K + 1.", "K", "none"},
    {"cycle", ByteMode(), "78 P VALUE Q. 78 Q VALUE P + 1.", "Q", "none"},
    {"string_operand", ByteMode(), "78 K VALUE 'A' + 1.", "K", "none"},
    {"data_item", ByteMode(), "01 R PIC X(10). 78 K VALUE R.", "K", "none"},
    {"data_item_operand", ByteMode(), "01 R PIC X(10). 78 K VALUE R + 1.", "K", "none"},
    {"undefined_name", ByteMode(), "78 K VALUE NOSUCH.", "K", "none"},
    {"next_first", ByteMode(), "78 K VALUE NEXT. 01 R PIC X(10).", "K", "0"},
    {"next_after_record", ByteMode(), "78 A VALUE 1. 01 R PIC X(10). 78 K VALUE NEXT.", "K", "10"},
    {"next_in_group", ByteMode(),
     "01 R0 PIC X(12). 01 R. 05 A PIC X(4). 05 B PIC X(6). 78 K VALUE NEXT.", "K", "26"},
    {"next_after_group", ByteMode(),
     "01 R. 05 G. 10 A PIC X(3). 10 B PIC X(2). 05 C. 78 K VALUE NEXT. 10 D PIC X.", "K", "5"},
    {"next_after_77", ByteMode(),
     "01 R PIC X(29). 77 CNT PIC S9(7) COMP-5. 78 K VALUE NEXT.", "K", "36"},
    {"start_of", ByteMode(),
     "01 R0 PIC X(12). 01 R. 05 A PIC X(4). 05 B PIC X(6). 78 K VALUE START OF B.", "K", "20"},
    {"start_after_redefinition", ByteMode(),
     "01 A PIC X(10). 01 B REDEFINES A PIC X(20). 01 C. 05 C1 PIC X(3). 05 C2 PIC X.\n"
     "78 K VALUE START OF C2.",
     "K", "27"},
    {"start_in_redefining_record", ByteMode(),
     "01 Z PIC X(3). 01 A PIC X(9). 01 B REDEFINES A. 05 B1 PIC X(2). 05 B2 PIC X.\n"
     "78 K VALUE START OF B2.",
     "K", "10"},
    // START OF counts from the record redefined, wherever the redefining
    // record stands.
    {"start_in_distant_redefinition", ByteMode(),
     "01 A PIC X(10). 01 C PIC X(4). 01 B REDEFINES A. 05 B1 PIC X(2). 05 B2 PIC X.\n"
     "78 K VALUE START OF B2.",
     "K", "2"},
    {"start_in_linkage", ByteMode(),
     "LINKAGE SECTION. 01 L1 PIC X(9). 01 L2. 05 A PIC X(4). 05 B PIC X.\n"
     "78 K VALUE START OF B.",
     "K", "4"},
    {"start_in_unfinished_file_record", ByteMode(),
     "FILE SECTION. FD F. 01 FR. 05 A PIC X(4). 05 B PIC X. 78 K VALUE START OF B.", "K",
     "none"},
    {"start_in_finished_file_record", ByteMode(),
     "FILE SECTION. FD F. 01 FR. 05 A PIC X(4). 05 B PIC X. 01 FR2 PIC X.\n"
     "78 K VALUE START OF B.",
     "K", "4"},
    {"start_after_undefined_record", Folded(),
     Flex("01 S PIC X. 01 S2 PIC X. 78 K VALUE START OF S."), "K",
     "none"},
    {"start_while_after_undefined_record", Folded(),
     Flex("01 S. 05 S1 PIC X. 78 K VALUE START OF S1."), "K",
     "none"},
    {"start_in_unplaced_group", Folded(),
     Flex("05 G. 10 G1 PIC X(2). 78 K VALUE START OF G1."), "K",
     "none"},
    {"next_in_unplaced_group", Folded(),
     Flex("05 G. 10 G1 PIC X(2). 10 G2 PIC X. 78 K VALUE NEXT."),
     "K", "none"},
    {"length_of", ByteMode(), "01 R. 05 A PIC X(7). 78 K VALUE LENGTH OF A.", "K", "7"},
    {"length_of_group", ByteMode(),
     "01 R. 05 G. 10 A PIC X(7). 10 B PIC X. 05 C PIC X. 78 K VALUE LENGTH OF G.", "K", "8"},
    // The group around the constant is not laid out yet.
    {"length_of_unfinished_group", ByteMode(),
     "01 R. 05 G. 10 A PIC X(7). 10 B PIC X. 78 K VALUE LENGTH OF G.", "K", "none"},
    {"start_of_unfinished_group", ByteMode(),
     "01 R0 PIC X. 01 R. 05 A PIC X(3). 05 G. 10 B PIC X. 78 K VALUE START OF G.", "K", "11"},
    {"start_of_unfinished_table", ByteMode(),
     "01 R. 05 A PIC X(3). 05 T OCCURS 2. 10 B PIC X. 78 K VALUE START OF T.", "K", "none"},
    {"length_of_undefined", Folded(),
     Flex("78 K VALUE LENGTH OF T."), "K", "none"},
    {"length_of_unplaced_group", Folded(),
     Flex("05 G. 10 G1 PIC X(2). 78 K VALUE LENGTH OF G1."), "K",
     "2"},
};

void PrintTo(const ConstantCase& c, std::ostream* os) { *os << c.name; }

class ConstantTest : public ::testing::TestWithParam<ConstantCase> {};

TEST_P(ConstantTest, Value) {
  const ConstantCase& c = GetParam();
  LaidOut tree(c.text, c.options);
  EXPECT_EQ(c.value, tree.Constant(c.constant));
  EXPECT_EQ("", tree.Messages());
}

INSTANTIATE_TEST_SUITE_P(Constants, ConstantTest, ::testing::ValuesIn(kConstants),
                         [](const ::testing::TestParamInfo<ConstantCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ValueExprTest, UndefinedLengthAsTableCount) {
  LaidOut tree(std::string(kFlex) + "78 LT VALUE LENGTH OF T.\n05 U PIC X(2) OCCURS LT TIMES.",
               Folded());
  EXPECT_EQ("none", tree.Constant("LT"));
  EXPECT_EQ("UNDEF/2", tree.At("U"));
  EXPECT_EQ("3: Cannot compute upper bound for array\n", tree.Messages());
}

TEST(ValueExprTest, EachConstantIsEvaluatedOnce) {
  // Each constant names the one before twice: evaluated naively the last
  // would take 2^60 steps.
  std::string text = "78 A0 VALUE 1.\n";
  for (int i = 1; i <= 60; ++i) {
    std::string prev = "A" + std::to_string(i - 1);
    text += "78 A" + std::to_string(i) + " VALUE " + prev + " + " + prev + ".\n";
  }
  LaidOut tree(text);
  EXPECT_EQ("1152921504606846976", tree.Constant("A60"));
}

TEST(ValueExprTest, DeepChainsHaveNoValueInsteadOfOverflowingTheStack) {
  std::string text = "78 A0 VALUE 1.\n";
  const int n = 2000;
  for (int i = 1; i <= n; ++i)
    text += "78 A" + std::to_string(i) + " VALUE A" + std::to_string(i - 1) + " + 1.\n";
  LaidOut tree(text);
  EXPECT_EQ("101", tree.Constant("A100"));
  EXPECT_EQ("none", tree.Constant("A" + std::to_string(n)));
}

// A node of `op` with the children in its slots (or appended to a list).
OrvExpr* Node(OrvOper op, std::initializer_list<OrvExpr*> children = {}) {
  OrvExpr* node = new OrvExprOper(op);
  int i = 0;
  for (OrvExpr* child : children) {
    if (OrvOperIsList(op))
      node->AddArg(child);
    else
      node->SetArg(i++, child, -1, 0);
  }
  return node;
}

OrvExpr* Int(int64_t v) { return new OrvIntNumConst(OrvFormat("%lld", (long long)v), v); }

TEST(ValueExprTest, ExpressionNodes) {
  struct {
    const char* name;
    OrvExpr* expr;
    const char* value;
  } cases[] = {
      {"parens", Node(OP_PARENS, {Node(AR_ADD, {Int(2), Int(3)})}), "5"},
      {"unary_minus", Node(AR_UN_MINUS, {Node(OP_PARENS, {Int(4)})}), "-4"},
      {"unary_plus", Node(AR_UN_PLUS, {Int(4)}), "4"},
      {"minus_smallest", Node(AR_UN_MINUS, {Int(INT64_MIN)}), "none"},
      {"minus_string", Node(AR_UN_MINUS, {new OrvStrConst(VString("'A'"))}), "none"},
      {"parens_string", Node(OP_PARENS, {new OrvStrConst(VString("'A'"))}), "'A'"},
      {"empty_sum", Node(AR_ADD), "0"},
      {"empty_product", Node(AR_MUL), "1"},
      {"empty_difference", Node(AR_SUB), "none"},
      {"empty_quotient", Node(AR_DIV), "none"},
      {"empty_and", Node(BIT_AND), "-1"},
      {"empty_or", Node(BIT_OR), "0"},
      {"real", new OrvRealNumConst(VString("1.5")), "1.5"},
      {"all_literal", Node(FIG_ALL, {new OrvStrConst(VString("'*'"))}), "ALL '*'"},
      {"exponent", Node(AR_EXP, {Int(2), Int(3)}), "none"},
      {"data_entry", Node(DECL_DD_ENTRY), "none"},
      {"next_outside_constant", Node(EX_VAL_NEXT), "none"},
      {"length_of_nothing", Node(EX_VAL_LENGTH_OF), "none"},
      {"null_node", new OrvNullNode(), "none"},
      {"nothing", nullptr, "none"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    OrvExpr* value = OrvCalcValueExpr(c.expr);
    EXPECT_EQ(c.value, value != nullptr ? Str(OrvExprStr(value)) : std::string("none"));
    if (value != nullptr) {
      EXPECT_NE(c.expr, value);
      EXPECT_EQ(nullptr, value->Parent());
      if (value->Oper() == INT_NUM_CONST) {
        EXPECT_EQ(c.value, Str(*value->Image()));
      }
    }
    delete value;
    delete c.expr;
  }
}

TEST(ValueExprTest, CopiedLiteralsCarryNoSourceTokens) {
  OrvExpr* literal = new OrvStrConst(VString("'AB'"));
  literal->Tokens().AddToken(TK_NONNUM_LIT, OrvTxtPosn(3, 7, 0), VString("'AB'"));
  OrvExpr* all = Node(FIG_ALL, {literal});
  all->ArgSlots(FIG_ALL__LITERAL)->tokens.AddToken(RW_ALL, OrvTxtPosn(3, 3, 0), VString("ALL"));
  OrvExpr* value = OrvCalcValueExpr(all);
  ASSERT_NE(nullptr, value);
  EXPECT_EQ("ALL 'AB'", Str(OrvExprStr(value)));
  EXPECT_TRUE(value->ArgSlots(FIG_ALL__LITERAL)->tokens.IsEmpty());
  EXPECT_TRUE(value->Args(FIG_ALL__LITERAL)->Tokens().IsEmpty());
  EXPECT_FALSE(literal->Tokens().IsEmpty());
  delete value;
  delete all;
}

TEST(ValueExprTest, NamesOfConstants) {
  LaidOut tree("78 A VALUE 6. 78 B VALUE A.");
  OrvExpr* b = tree.Entry("B");
  OrvExpr* def = OrvSlot(b, DECL_CONST_ENTRY__CONSTANT_NAME_DEFINED);
  OrvExpr* use = OrvSlot(OrvSlot(b, DECL_CONST_ENTRY__CONSTANT_VALUE), 0);
  ASSERT_EQ(NAMED_OBJ_USE, use->Oper());
  for (OrvExpr* node : {b, def, use}) {
    int64_t value = 0;
    EXPECT_TRUE(OrvCalcIntValue(node, &value)) << OrvOperName(node->Oper());
    EXPECT_EQ(6, value);
  }
  // A name use that is no named-object use has no value.
  OrvNameUse name(*def->Link(0));
  EXPECT_EQ(nullptr, OrvCalcValueExpr(&name));
}

TEST(ValueExprTest, PrecedingDataEntry) {
  struct {
    const char* text;
    const char* preceding;  // name of the entry, "" for none
  } cases[] = {
      {"78 K VALUE 1. 01 R PIC X.", ""},
      {"01 R PIC X. 78 K VALUE 1.", "R"},
      {"01 R. 05 A PIC X. 05 B PIC X. 78 K VALUE 1.", "B"},
      {"01 G. 78 K VALUE 1. 05 A PIC X.", ""},
      {"01 A PIC X. 01 G. 78 K VALUE 1. 05 B PIC X.", "A"},
      {"01 A PIC X. 78 J VALUE 1. 01 G. 78 K VALUE 1. 05 B PIC X.", "A"},
      {"01 R. 05 G. 10 A PIC X. 10 B PIC X. 05 C. 78 K VALUE 1. 10 D PIC X.", "G"},
      {"01 A PIC X. 78 J VALUE 1. 78 K VALUE 2.", "A"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    LaidOut tree(c.text);
    OrvExpr* found = OrvPrecedingDataEntry(tree.Entry("K"));
    EXPECT_EQ(*c.preceding ? tree.Entry(c.preceding) : nullptr, found);
  }
}

TEST(ValueExprTest, DataEntryStartNeedsALayout) {
  OrvExpr* root = layouttest::BuildDataDivision("01 R. 05 A PIC X.");
  OrvExpr* entry = OrvFindDescendantOp(root, DECL_DD_ENTRY);
  int64_t start = 99;
  EXPECT_EQ(ORV_START_UNKNOWN, OrvDataEntryStart(entry, &start));
  EXPECT_EQ(ORV_START_UNKNOWN, OrvDataEntryStart(root, &start));
  EXPECT_EQ(ORV_START_UNKNOWN, OrvDataEntryStart(nullptr, &start));
  EXPECT_EQ(99, start);
  OrvTokenList messages;
  OrvCalcLengthsAndOffsets(root, &messages, 1, 1, 1, ByteMode());
  EXPECT_EQ(ORV_START_KNOWN, OrvDataEntryStart(entry, &start));
  EXPECT_EQ(0, start);
  delete root;
}

}  // namespace

namespace {

// What the records before each record add up to, counted over the section
// once the layout is done, and the same count kept while the last record was
// laid out (a NEXT in it).  A record counts with its longest redefinition,
// wherever that stands (so R4 of the third case starts at 40 for START OF
// and NEXT, while its global offset, which follows the records in their
// order, is 48).
TEST(OrvRecordBaseTest, CountedAfterAndDuringTheLayout) {
  struct {
    const char* text;
    const char* bases;  // before the records R1, R2 ... in order
    const char* next;   // the value of K
  } cases[] = {
      {"01 R1 PIC X(29). 01 R2 PIC X(5). 01 R3. 05 A PIC X(2). 78 K VALUE NEXT.", "0 32 40", "42"},
      {"01 R1 PIC X(10). 01 R2 REDEFINES R1 PIC X(20). 01 R3 PIC X. 78 K VALUE NEXT.",
       "0 24 24", "25"},
      {"01 R1 PIC X(10). 01 R2 PIC X(3). 01 R3 REDEFINES R1 PIC X(30). 01 R4 PIC X.\n"
       "78 K VALUE NEXT.",
       "0 32 40 40", "41"},
      {"78 C VALUE 1. 01 R1 PIC X(9). 77 R2 PIC X. 78 K VALUE NEXT.", "0 16", "17"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    LaidOut tree(c.text);
    OrvExpr* list = tree.Entry("R1")->Parent()->Parent();
    std::string bases;
    for (const char* name : {"R1", "R2", "R3", "R4"}) {
      OrvExpr* record = tree.Entry(name);
      if (record == nullptr) continue;
      int64_t base = -1;
      bool known = OrvRecordBase(list, record->Parent(), &base);
      if (!bases.empty()) bases += ' ';
      bases += known ? std::to_string(base) : "none";
    }
    EXPECT_EQ(c.bases, bases);
    EXPECT_EQ(c.next, tree.Constant("K"));
  }
  LaidOut distant(cases[2].text);
  EXPECT_EQ("48", distant.Global("R4"));
}

TEST(OrvRecordBaseTest, UndefinedLengthsBeforeTheRecord) {
  LaidOut tree(Flex("01 R2 REDEFINES R PIC X(40). 01 R3 PIC X. 78 K VALUE NEXT."), Folded());
  OrvExpr* list = tree.Entry("R")->Parent()->Parent();
  int64_t base = 0;
  EXPECT_FALSE(OrvRecordBase(list, tree.Entry("R3")->Parent(), &base));
  EXPECT_TRUE(OrvRecordBase(list, tree.Entry("R")->Parent(), &base));
  EXPECT_EQ(0, base);
  EXPECT_EQ("none", tree.Constant("K"));
  // A redefinition of undefined length is left out of the count.
  LaidOut redefined("01 A PIC X(9).\n" + Flex("01 B PIC X. 78 K VALUE NEXT."), Folded());
  EXPECT_EQ("none", redefined.Constant("K"));
}

}  // namespace
