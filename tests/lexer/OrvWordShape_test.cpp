// Tests of the shape tests of text words: the numeric-literal test with its
// rules for signs, decimal point and exponent, and the legal COBOL word, SQL
// word and CICS number.
#include "OrvWordShape.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct NumberCase {
  const char* word;
  char point;
  bool passes;
  int digits;
  bool sign;
  bool hasPoint;
  bool exponent;
};

TEST(OrvWordShapeTest, NumericLiteralTest) {
  const NumberCase cases[] = {
      {"123", '.', true, 3, false, false, false},
      {"-12.5", '.', true, 3, true, true, false},
      {"+.5", '.', true, 1, true, true, false},
      {"1.5E+05", '.', true, 4, true, true, true},
      {"1E5", '.', true, 2, false, false, true},
      {"100E", '.', true, 3, false, false, true},   // an exponent without digits passes
      {"-.", '.', true, 0, true, true, false},      // passes, without digits
      {"1,5", ',', true, 2, false, true, false},
      {"1,5", '.', false, 0, false, false, false},  // ',' is no decimal point here
      {"1.5", ',', false, 0, false, false, false},
      {"1.2.3", '.', false, 0, false, false, false},  // two points
      {"1E2.5", '.', false, 0, false, false, false},  // a point after the exponent
      {"1E2E3", '.', false, 0, false, false, false},  // two exponents
      {"E5", '.', false, 0, false, false, false},     // no digit before E
      {"1-2", '.', false, 0, false, false, false},    // a sign inside
      {"1E-2-", '.', false, 0, false, false, false},
      {"12A", '.', false, 0, false, false, false},
      {"", '.', false, 0, false, false, false},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "'" << c.word << "' with '" << c.point << "'");
    const OrvNumberShape s = OrvScanNumber(c.word, static_cast<int>(std::strlen(c.word)), c.point);
    EXPECT_EQ(c.passes, s.passes);
    if (!c.passes) continue;
    EXPECT_EQ(c.digits, s.digits);
    EXPECT_EQ(c.sign, s.sign);
    EXPECT_EQ(c.hasPoint, s.point);
    EXPECT_EQ(c.exponent, s.exponent);
  }
}

struct WordCase {
  const char* word;
  bool cobol;
  bool sql;
  bool sqlWithQuestionMark;
};

TEST(OrvWordShapeTest, LegalWords) {
  const WordCase cases[] = {
      {"WS-ITEM-1", true, true, true}, {"123", true, true, true},     {"A_B", false, true, true},
      {"-A", false, false, false},     {"A-", false, false, false},   {"_A", false, false, false},
      {"A_", false, false, false},     {"A?B", false, false, true},   {"ab", false, false, false},
      {"A$B", false, false, false},    {"A", true, true, true},       {"", false, false, false},
  };
  for (const WordCase& c : cases) {
    SCOPED_TRACE(c.word);
    const int n = static_cast<int>(std::strlen(c.word));
    EXPECT_EQ(c.cobol, OrvIsCobolWordShape(c.word, n));
    EXPECT_EQ(c.sql, OrvIsSqlWordShape(c.word, n, false));
    EXPECT_EQ(c.sqlWithQuestionMark, OrvIsSqlWordShape(c.word, n, true));
  }
}

TEST(OrvWordShapeTest, CicsNumbers) {
  struct CicsCase {
    const char* word;
    bool number;
    int digits;
  };
  const CicsCase cases[] = {{"10", true, 2}, {"-10", true, 2}, {"+", true, 0},    {"1.5", false, 0},
                            {"1E5", false, 0}, {"A1", false, 0}, {"", false, 0}, {"1-", false, 0}};
  for (const CicsCase& c : cases) {
    SCOPED_TRACE(c.word);
    int digits = -1;
    EXPECT_EQ(c.number, OrvIsCicsNumberShape(c.word, static_cast<int>(std::strlen(c.word)), digits));
    if (c.number) {
      EXPECT_EQ(c.digits, digits);
    }
  }
}

}  // namespace
