// PICTURE expansion and classification.
#include "OrvPicture.h"

#include <gtest/gtest.h>

#include <string>

#include "NameTestSupport.h"
#include "OrvCalcValue.h"
#include "OrvConstNodes.h"
#include "OrvDataItemBuild.h"
#include "OrvOperSlots.h"


namespace {

// Everything OrvPicStrCategory gives back, its outputs preset to junk so
// that a value it fails to set shows.
struct Classified {
  OrvResult result;
  std::string unrolled;
  int category;
  int length;
  int digits;
  std::string message;
};

Classified Classify(const char* pic, OrvExpr* context = nullptr) {
  VString unrolled("junk");
  VString message;
  std::uint16_t category = 999;
  int length = -7;
  int digits = -7;
  OrvResult r = OrvPicStrCategory(&pic, unrolled, &category, &length, &digits, context, message);
  return {r, Str(unrolled), category, length, digits, Str(message)};
}

struct PicCase {
  const char* pic;
  OrvResult result;
  const char* unrolled;
  int category;  // 1 when not determined
  int length;
  int digits;
};

const PicCase kPicCases[] = {
    {"X(3)9(2)", 0, "XXX99", PIC_ALPHA_NUM, 5, 2},
    {"9(4)V99", 0, "9999V99", PIC_NUM, 6, 6},
    {"S9(5)V9(2)", 0, "S99999V99", PIC_NUM, 7, 7},
    {"999PPV", 0, "999PPV", PIC_NUM, 3, 3},
    {"", 0, "", PIC_ALPHA, 0, 0},
    {"X(0)", 0, "", PIC_ALPHA, 0, 0},
    {"X(0)9", 0, "9", PIC_NUM, 1, 1},
    {"A(4)", 0, "AAAA", PIC_ALPHA, 4, 0},
    {"AAB", 0, "AAB", PIC_ALPHA, 3, 0},
    {"X(5)", 0, "XXXXX", PIC_ALPHA_NUM, 5, 0},
    {"X(05)", 0, "XXXXX", PIC_ALPHA_NUM, 5, 0},
    {"XXBXX", 0, "XXBXX", PIC_ALPHA_NUM_EDITED, 5, 0},
    {"X(2)/X9", 0, "XX/X9", PIC_ALPHA_NUM_EDITED, 5, 0},
    {"A0A", 0, "A0A", PIC_ALPHA_NUM_EDITED, 3, 0},
    {"99/99/99", 0, "99/99/99", PIC_NUM_EDITED, 8, 6},
    {"ZZ,ZZ9.99", 0, "ZZ,ZZ9.99", PIC_NUM_EDITED, 9, 3},
    {"$$$,$$9.99CR", 0, "$$$,$$9.99CR", PIC_NUM_EDITED, 12, 3},
    {"-Z(3)9V99DB", 0, "-ZZZ9V99DB", PIC_NUM_EDITED, 9, 3},
    {"*(4)9PP", 0, "****9PP", PIC_NUM_EDITED, 5, 1},
    {"+9.99E+99", 0, "+9.99E+99", PIC_EXT_FLOAT, 9, 5},
    {"-9V9(3)E-99", 0, "-9V999E-99", PIC_EXT_FLOAT, 9, 6},
    {"1(8)", 0, "11111111", PIC_BIT, 8, 0},
    {"N(4)", 0, "NNNN", PIC_NATIONAL, 8, 0},
    {"G(3)", 0, "GGG", PIC_NATIONAL, 6, 0},
    {"NBN", 0, "NBN", PIC_NATIONAL_EDITED, 6, 0},
    {"GBG", 0, "GBG", PIC_NATIONAL_EDITED, 6, 0},
    {"X(3)Q", ORV_PIC_NO_CATEGORY, "XXXQ", 1, 4, 0},
    {"NG", ORV_PIC_NO_CATEGORY, "NG", 1, 2, 0},
    // The digit count is made before the rules, so it comes back here too.
    {"9(2)XQ", ORV_PIC_NO_CATEGORY, "99XQ", 1, 4, 2},
};

void PrintTo(const PicCase& c, std::ostream* os) { *os << c.pic; }

class PicCategoryTest : public ::testing::TestWithParam<PicCase> {};

TEST_P(PicCategoryTest, ExpandsAndClassifies) {
  const PicCase& c = GetParam();
  Classified got = Classify(c.pic);
  EXPECT_EQ(c.result, got.result);
  EXPECT_EQ(std::string(c.unrolled), got.unrolled);
  EXPECT_EQ(c.category, got.category);
  EXPECT_EQ(c.length, got.length);
  EXPECT_EQ(c.digits, got.digits);
  if (c.result == 0) {
    EXPECT_EQ("", got.message);
  } else {
    EXPECT_EQ("Cannot determine category for PIC string: " + std::string(c.pic), got.message);
  }

  // The plain expansion gives the same text.
  const char* text = c.pic;
  VString plain;
  VString message2;
  EXPECT_EQ(0, OrvUnrollPicStr(&text, plain, nullptr, message2));
  EXPECT_EQ(std::string(c.unrolled), Str(plain));
}

INSTANTIATE_TEST_SUITE_P(Pictures, PicCategoryTest, ::testing::ValuesIn(kPicCases));

struct PicFailure {
  const char* pic;
  OrvResult result;
  const char* message;
};

const PicFailure kFailures[] = {
    {"(3)X", ORV_PIC_STARTS_WITH_PAREN, "OrvUnrollPicStr: PIC string starts with '(': (3)X"},
    {"X(3", ORV_PIC_REPEATER_NOT_CLOSED, "PIC string repeater is not closed with ')': X(3"},
    {"9(2)X(", ORV_PIC_REPEATER_NOT_CLOSED, "PIC string repeater is not closed with ')': 9(2)X("},
    {"X(LEN)", ORV_PIC_CONSTANT_PROBLEM,
     "Using 78-level constant in PIC string with no context: X(LEN)"},
    {"X(99999999999999999999)", ORV_PIC_TOO_LONG,
     "PIC string expands beyond 999999999 characters: X(99999999999999999999)"},
    {"X(999999999)X", ORV_PIC_TOO_LONG,
     "PIC string expands beyond 999999999 characters: X(999999999)X"},
};

void PrintTo(const PicFailure& c, std::ostream* os) { *os << c.pic; }

class PicFailureTest : public ::testing::TestWithParam<PicFailure> {};

TEST_P(PicFailureTest, ReportsTheWholeText) {
  const PicFailure& c = GetParam();
  Classified got = Classify(c.pic);
  EXPECT_EQ(c.result, got.result);
  EXPECT_EQ(std::string(c.message), got.message);
  EXPECT_EQ(1, got.category);
  EXPECT_EQ("", got.unrolled);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PicFailureTest, ::testing::ValuesIn(kFailures));

TEST(OrvUnrollPicStrTest, HugeRepeatCountIsRefusedWithoutExpansion) {
  const char* text = "X(999999999)";
  VString unrolled("junk");
  VString message;
  EXPECT_EQ(ORV_PIC_TOO_LONG, OrvUnrollPicStr(&text, unrolled, nullptr, message));
  EXPECT_EQ("PIC string expands beyond 1048576 characters: X(999999999)", Str(message));
  EXPECT_EQ("", Str(unrolled));
}

TEST(OrvUnrollPicStrTest, ExpansionUpToTheLimitIsWritten) {
  const char* text = "X(1048575)9";
  VString unrolled;
  VString message;
  ASSERT_EQ(0, OrvUnrollPicStr(&text, unrolled, nullptr, message));
  ASSERT_EQ(OrvPicMaxUnrolledLength, unrolled.length);
  EXPECT_EQ('X', unrolled.text[0]);
  EXPECT_EQ('9', unrolled.text[OrvPicMaxUnrolledLength - 1]);
}

TEST(OrvPicStrCategoryTest, LongItemIsClassifiedFromTheCounts) {
  Classified got = Classify("S9(999999998)");
  ASSERT_EQ(0, got.result);
  EXPECT_EQ(PIC_NUM, got.category);
  EXPECT_EQ(999999998, got.length);
  EXPECT_EQ(999999998, got.digits);
  // The long run keeps its repeat form; the sign stays visible.
  EXPECT_EQ("S9(999999998)", got.unrolled);

  got = Classify("N(999999999)");
  ASSERT_EQ(0, got.result);
  EXPECT_EQ(PIC_NATIONAL, got.category);
  EXPECT_EQ(1999999998, got.length);
}

TEST(OrvUnrollPicStrTest, NoContextFormRefusesConstantNames) {
  const char* text = "X(5)A(N)";
  VString unrolled;
  VString message;
  EXPECT_EQ(ORV_PIC_CONSTANT_PROBLEM, OrvUnrollPicStrNoContext(&text, unrolled, message));
  EXPECT_EQ("Using 78-level constant in PIC string with no context: X(5)A(N)", Str(message));
  const char* plain = "X(2)9";
  EXPECT_EQ(0, OrvUnrollPicStrNoContext(&plain, unrolled, message));
  EXPECT_EQ("XX9", Str(unrolled));
}

TEST(OrvUnrollPicStrTest, NullTextIsEmpty) {
  const char* text = nullptr;
  VString unrolled("junk");
  VString message;
  EXPECT_EQ(0, OrvUnrollPicStr(&text, unrolled, nullptr, message));
  EXPECT_EQ("", Str(unrolled));
}

// A program whose table holds the level-78 constants LEN (4), NEG (-3),
// TEXT (a string) and the name USED that only a name use refers to.
class PicConstantTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = nametest::NewProgram();
    list_ = new OrvExprOper(DECL_DD_LIST);
    program_->SetArg(COBOL_PROGRAM__DATA_DIVISION, list_, -1, 0);
    OrvNamedObjDef* def = nullptr;
    list_->AddArg(OrvDeclConstEntry(&def, VString("LEN"), new OrvIntNumConst(VString("4"), 4),
                                    program_));
    list_->AddArg(OrvDeclConstEntry(&def, VString("NEG"), new OrvIntNumConst(VString("-3"), -3),
                                    program_));
    list_->AddArg(OrvDeclConstEntry(&def, VString("TEXT"), new OrvStrConst(VString("'AB'")),
                                    program_));
    list_->AddArg(OrvDeclConstEntry(&def, VString("NOVAL"), nullptr, program_));
    OrvSymTabElt* used = OrvSymTabFindOrAddElt(nametest::SymTabOf(program_), VString("USED"));
    use_ = new OrvNameUse(OrvLink(used, -1));
  }
  void TearDown() override {
    delete use_;
    delete program_;
  }
  OrvResult Unroll(const char* pic, OrvExpr* context, std::string& out, std::string& msg) {
    VString unrolled;
    VString message;
    OrvResult r = OrvUnrollPicStr(&pic, unrolled, context, message);
    out = Str(unrolled);
    msg = Str(message);
    return r;
  }
  OrvExpr* program_ = nullptr;
  OrvExpr* list_ = nullptr;
  OrvNameUse* use_ = nullptr;
};

TEST_F(PicConstantTest, CountNamesAConstant) {
  std::string out;
  std::string msg;
  // Any node inside the program is a context; so is the program itself.
  EXPECT_EQ(0, Unroll("X(LEN)9", list_->Args(0), out, msg));
  EXPECT_EQ("XXXX9", out);
  EXPECT_EQ(0, Unroll("9(LEN)", program_, out, msg));
  EXPECT_EQ("9999", out);
  // A negative constant writes nothing.
  EXPECT_EQ(0, Unroll("AX(NEG)B", program_, out, msg));
  EXPECT_EQ("AB", out);
}

TEST_F(PicConstantTest, ConstantProblems) {
  struct {
    const char* pic;
    OrvExpr* context;
    const char* message;
  } cases[] = {
      {"X(NOPE)", program_, "78-level name used in PIC string is not defined: X(NOPE)"},
      // Names differ by case.
      {"X(len)", program_, "78-level name used in PIC string is not defined: X(len)"},
      {"X(USED)", program_,
       "Cannot compute value of 78-level constant used in PIC string: X(USED)"},
      {"X(TEXT)", program_,
       "Cannot compute value of 78-level constant used in PIC string: X(TEXT)"},
      {"X(NOVAL)", program_,
       "Cannot compute value of 78-level constant used in PIC string: X(NOVAL)"},
      {"X(LEN)", nullptr, "Using 78-level constant in PIC string with no context: X(LEN)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pic);
    std::string out;
    std::string msg;
    EXPECT_EQ(ORV_PIC_CONSTANT_PROBLEM, Unroll(c.pic, c.context, out, msg));
    EXPECT_EQ(std::string(c.message), msg);
    EXPECT_EQ("", out);
  }
}

TEST_F(PicConstantTest, ContextOutsideAnyProgramHasNoConstants) {
  OrvNullNode null;
  OrvCharString loose(VString("X"));
  for (OrvExpr* context : {static_cast<OrvExpr*>(&null), static_cast<OrvExpr*>(&loose)}) {
    std::string out;
    std::string msg;
    EXPECT_EQ(ORV_PIC_CONSTANT_PROBLEM, Unroll("X(LEN)", context, out, msg));
    EXPECT_EQ("78-level name used in PIC string is not defined: X(LEN)", msg);
  }
}

// Evaluators that a test installs in place of the tree's own.
OrvExpr* SevenForAnything(OrvExpr*) { return new OrvIntNumConst(VString("7"), 7); }
OrvExpr* TextForAnything(OrvExpr*) { return new OrvStrConst(VString("'7'")); }

TEST_F(PicConstantTest, CountsComeFromTheInstalledEvaluator) {
  OrvCalcValueFn saved = OrvCalcValueHook;
  std::string out;
  std::string msg;
  OrvCalcValueHook = SevenForAnything;
  OrvResult seven = Unroll("X(NOVAL)", program_, out, msg);
  std::string sevenOut = out;
  // A value that is not an integer is no repeat count.
  OrvCalcValueHook = TextForAnything;
  OrvResult text = Unroll("X(LEN)", program_, out, msg);
  OrvCalcValueHook = saved;
  EXPECT_EQ(0, seven);
  EXPECT_EQ("XXXXXXX", sevenOut);
  EXPECT_EQ(ORV_PIC_CONSTANT_PROBLEM, text);
  EXPECT_EQ("Cannot compute value of 78-level constant used in PIC string: X(LEN)", msg);
  EXPECT_EQ("", out);
}

TEST_F(PicConstantTest, CategoryWithConstantCount) {
  Classified got = Classify("S9(LEN)V99", program_);
  ASSERT_EQ(0, got.result) << got.message;
  EXPECT_EQ("S9999V99", got.unrolled);
  EXPECT_EQ(PIC_NUM, got.category);
  EXPECT_EQ(6, got.length);
  EXPECT_EQ(6, got.digits);
}

}  // namespace
