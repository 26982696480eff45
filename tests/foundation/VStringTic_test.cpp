// Tests of the TIC text forms of strings and of the integer readers.
#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>

#include "OrvTicRead.h"
#include "TestStrings.h"
#include "VString.h"

namespace {


TEST(VStringTicLength, WritesLengthAndRawBytes) {
  std::ostringstream out;
  VString("a:b\n").PutTic(out);
  VString().PutTic(out);
  VString("").PutTic(out);
  EXPECT_EQ(out.str(), "4:a:b\n0:0:");
}

TEST(VStringTicLength, RoundTripsAnyBytes) {
  std::string raw = "x\t\\\x01\xff:end";
  std::ostringstream out;
  VString(raw.c_str()).PutTic(out);
  VString(std::string(70000, 'k').c_str()).PutTic(out);
  VString().PutTic(out);

  std::istringstream in(out.str());
  VString err;
  VString a("old"), b, c("old");
  EXPECT_EQ(a.GetTic(in, err), 0);
  EXPECT_EQ(Str(a), raw);
  EXPECT_EQ(b.GetTic(in, err), 0);
  EXPECT_EQ(b.length, 70000);  // more than 16 bits of length reads back whole
  EXPECT_EQ(c.GetTic(in, err), 0);
  EXPECT_EQ(c.text, nullptr);
  EXPECT_EQ(c.length, 0);
}

struct BadTic {
  const char* input;
  int result;
  const char* message;
};

TEST(VStringTicLength, RefusesBadInput) {
  const BadTic cases[] = {
      {"5:abc", 57, "EOF or read error while reading TIC input stream"},
      {"2000000000:abc", 57, "EOF or read error while reading TIC input stream"},
      {"-1:", 59, "GetTicIntNo: negative number -1 is not allowed"},
      {"3;abc", 59, "GetTicIntNo: bad char ';'(59) after Int number. ':' expected"},
      {"99999999999:x", 59, "GetTicIntNo: Int number out of range"},
  };
  for (const BadTic& c : cases) {
    SCOPED_TRACE(c.input);
    std::istringstream in(c.input);
    VString s("old"), err;
    EXPECT_EQ(s.GetTic(in, err), c.result);
    EXPECT_STREQ(err.text, c.message);
    EXPECT_EQ(s.length, 0);
  }
}

TEST(VStringTicEscaped, WritesEscapes) {
  std::ostringstream out;
  VString("a\bb\tc\nd\fe\rf\\g|h\x07i\xe9").PutTic(out, '|');
  EXPECT_EQ(out.str(), "a\\bb\\tc\\nd\\fe\\rf\\\\g\\124h\\007i\\233|");
}

TEST(VStringTicEscaped, RoundTripsTextsWithTerminatorAndControls) {
  const std::string texts[] = {"", "plain", "with|bar", "\\|\\", "\x01\x02\x7f\x80\xff", "\b\t\n\f\r",
                               std::string(4095, 'm')};
  for (const std::string& t : texts) {
    SCOPED_TRACE(t.substr(0, 20));
    std::ostringstream out;
    VString(t.c_str()).PutTic(out, '|');
    out << "rest";
    std::istringstream in(out.str());
    VString back("old"), err;
    EXPECT_EQ(back.GetTic(in, '|', err), 0);
    EXPECT_EQ(Str(back), t);
    std::string rest;
    in >> rest;
    EXPECT_EQ(rest, "rest");  // the terminator is consumed, nothing more
  }
}

TEST(VStringTicEscaped, ReadsEscapeForms) {
  std::istringstream in("\\q\\065\\321x");  // \321 is 321 modulo 256 = 65
  VString s, err;
  EXPECT_EQ(s.GetTic(in, '|', err), 0);  // end of input ends the text
  EXPECT_EQ(Str(s), "qAAx");
}

TEST(VStringTicEscaped, RefusesBadDigitsAndTooLongTexts) {
  {
    std::istringstream in("ab\\1x2|");
    VString s, err;
    EXPECT_EQ(s.GetTic(in, '|', err), 60);
    EXPECT_STREQ(err.text, "VString::GetTic: bad digits in '\\nnn' while getting 'ab'");
  }
  {
    std::istringstream in(std::string(4096, 'm') + "|");
    VString s, err;
    EXPECT_EQ(s.GetTic(in, '|', err), 63);
    EXPECT_EQ(Str(err), "VString::GetTic: max length reached while getting '" + std::string(4095, 'm') + "'");
  }
}

struct IntNoCase {
  const char* input;
  bool allowNegative;
  int result;
  long long value;  // stored value when result is 0, or a negative refused
  const char* message;
};

void PrintTo(const IntNoCase& c, std::ostream* os) { *os << '"' << c.input << "\" neg=" << c.allowNegative; }

class GetTicIntNoTest : public ::testing::TestWithParam<IntNoCase> {};

TEST_P(GetTicIntNoTest, ReadsOneNumber) {
  const IntNoCase& c = GetParam();
  std::istringstream in(c.input);
  int value = 12345;
  VString err;
  EXPECT_EQ(GetTicIntNo(in, &value, c.allowNegative, ':', err), c.result);
  if (c.message) EXPECT_STREQ(err.text, c.message);
  else EXPECT_EQ(err.text, nullptr);
  EXPECT_EQ(value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetTicIntNoTest,
    ::testing::Values(IntNoCase{"42:", false, 0, 42, nullptr}, IntNoCase{":", false, 0, 0, nullptr},
                      IntNoCase{"-7:", true, 0, -7, nullptr}, IntNoCase{"-0:", false, 0, 0, nullptr},
                      IntNoCase{"2147483647:", false, 0, INT_MAX, nullptr},
                      IntNoCase{"-2147483648:", true, 0, INT_MIN, nullptr},
                      IntNoCase{"-7:", false, 59, -7, "GetTicIntNo: negative number -7 is not allowed"},
                      IntNoCase{"12x", false, 59, 12345, "GetTicIntNo: bad char 'x'(120) after Int number. ':' expected"},
                      IntNoCase{"12", false, 59, 12345, "GetTicIntNo: bad char '\xff'(-1) after Int number. ':' expected"},
                      IntNoCase{"", false, 59, 12345, "GetTicIntNo: bad char '\xff'(-1) after Int number. ':' expected"},
                      IntNoCase{"2147483648:", true, 59, 12345, "GetTicIntNo: Int number out of range"},
                      IntNoCase{"-2147483649:", true, 59, 12345, "GetTicIntNo: Int number out of range"},
                      IntNoCase{"4294967295:", true, 59, 12345, "GetTicIntNo: Int number out of range"}));

TEST(GetTicInt64No, ReadsSixtyFourBits) {
  std::istringstream in("9223372036854775807,-9223372036854775808,9223372036854775808,5;-3,");
  int64 v = 0;
  VString err;
  EXPECT_EQ(GetTicInt64No(in, &v, true, ',', err), 0);
  EXPECT_EQ(v, INT64_MAX);
  EXPECT_EQ(GetTicInt64No(in, &v, true, ',', err), 0);
  EXPECT_EQ(v, INT64_MIN);
  EXPECT_EQ(GetTicInt64No(in, &v, true, ',', err), 59);
  EXPECT_STREQ(err.text, "GetTicIntNo: Int64 number out of range");
  EXPECT_EQ(GetTicInt64No(in, &v, true, ',', err), 59);
  EXPECT_STREQ(err.text, "GetTicIntNo: bad char ';'(59) after Int64 number. ',' expected");
  EXPECT_EQ(GetTicInt64No(in, &v, false, ',', err), 59);
  EXPECT_STREQ(err.text, "GetTicIntNo: negative number -3 is not allowed");
  EXPECT_EQ(v, -3);
}

TEST(GetTicIntNo, ReadsConsecutiveNumbersWithNewlineTerminator) {
  std::istringstream in("3\n17\n");
  int a = 0, b = 0;
  VString err;
  EXPECT_EQ(GetTicIntNo(in, &a, false, '\n', err), 0);
  EXPECT_EQ(GetTicIntNo(in, &b, false, '\n', err), 0);
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 17);
}

}  // namespace
