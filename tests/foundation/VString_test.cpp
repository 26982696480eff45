// Tests of the toolkit string VString: copies, appends, substrings, conversions and the string
// stream.
#include "VString.h"
#include "TestStrings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

namespace {


TEST(VStringConstruction, EmptyFormsAndTheirNullTexts) {
  VString def;
  EXPECT_EQ(def.text, nullptr);
  EXPECT_EQ(def.length, 0);

  VString fromEmpty("");
  ASSERT_NE(fromEmpty.text, nullptr);
  EXPECT_EQ(fromEmpty.length, 0);

  VString fromNull(static_cast<const char*>(nullptr));
  EXPECT_EQ(fromNull.text, nullptr);
  VString zeroCount("abc", 0);
  EXPECT_EQ(zeroCount.text, nullptr);
  EXPECT_EQ(VString("abc").Substr(3, 1).text, nullptr);
  EXPECT_EQ(VString(" \t\r\n ").Trim().text, nullptr);
  EXPECT_EQ(VString().UpTo('x').text, nullptr);

  // Every empty form equals "" and the others.
  const VString empties[] = {def, fromEmpty, fromNull, zeroCount};
  for (const VString& a : empties) {
    EXPECT_TRUE(a == "");
    EXPECT_TRUE(a == nullptr);
    for (const VString& b : empties) EXPECT_EQ(a.Compare(b), 0);
  }
}

TEST(VStringConstruction, CountedCopyStopsAtNulAndKeepsTheCount) {
  VString part("abcdef", 3);
  EXPECT_STREQ(part.text, "abc");
  EXPECT_EQ(part.length, 3);
  // A shorter source leaves NULs behind it; the count stays as given.
  VString shortSource("ab", 4);
  EXPECT_EQ(shortSource.length, 4);
  EXPECT_STREQ(shortSource.text, "ab");
  EXPECT_EQ(shortSource.text[3], '\0');
  EXPECT_EQ(shortSource.text[4], '\0');
}

TEST(VStringConstruction, CharacterAndCopies) {
  VString c('x');
  EXPECT_STREQ(c.text, "x");
  EXPECT_EQ(c.length, 1);

  VString a("hello");
  VString b(a);
  EXPECT_STREQ(b.text, "hello");
  EXPECT_NE(a.text, b.text);  // deep copy

  VString nullSource;
  VString nullCopy(nullSource);
  EXPECT_EQ(nullCopy.text, nullptr);

  VString d("zzz");
  d = a;
  EXPECT_STREQ(d.text, "hello");
  EXPECT_NE(d.text, a.text);
  d = d;  // self-assignment keeps the text
  EXPECT_STREQ(d.text, "hello");
  d = VString();
  EXPECT_EQ(d.text, nullptr);
  EXPECT_EQ(d.length, 0);
}

// A value holding a zero byte inside its length, as a literal's value may.
VString WithZeroByte(const char* text, int zeroAt) {
  VString v(text);
  v.text[zeroAt] = '\0';
  return v;
}

TEST(VStringConstruction, CopiesKeepTheBytesBehindAZeroByte) {
  const std::string bytes("A\0BC", 4);
  const VString v = WithZeroByte("A.BC", 1);
  ASSERT_EQ(Str(v), bytes);

  VString copied(v);
  EXPECT_EQ(Str(copied), bytes);
  EXPECT_EQ(copied.text[4], '\0');
  VString assigned("old");
  assigned = v;
  EXPECT_EQ(Str(assigned), bytes);

  VString appended("<");
  appended += v;
  appended += VString(">");
  EXPECT_EQ(Str(appended), "<" + bytes + ">");
  EXPECT_EQ(Str(v + v), bytes + bytes);
  EXPECT_EQ(Str(VString() + v), bytes);
  VString fromNull;
  fromNull += v;
  EXPECT_EQ(Str(fromNull), bytes);

  EXPECT_EQ(Str(v.Substr(1, 2)), std::string("\0B", 2));
  EXPECT_EQ(Str(v.Substr(0, -1)), bytes);
  EXPECT_EQ(Str(v.ToUpper()), bytes);
  EXPECT_EQ(Str(WithZeroByte("a.bc", 1).ToUpper()), std::string("A\0BC", 4));
  EXPECT_EQ(v.IndexOf('C'), 3);
  EXPECT_EQ(v.Find(VString("BC")), 2);
}

TEST(VStringConstruction, TakeOverMovesTheTextWithoutCopy) {
  VString from("moved");
  const char* buffer = from.text;
  VString to("old");
  to.TakeOver(from);
  EXPECT_EQ(to.text, buffer);
  EXPECT_EQ(to.length, 5);
  EXPECT_EQ(from.text, nullptr);
  EXPECT_EQ(from.length, 0);
}

TEST(VStringConstruction, TakesTheStreamBuffer) {
  FastOstrstream os;
  os << "n=" << 42 << ' ' << VString("v");
  VString s(os);
  EXPECT_STREQ(s.text, "n=42 v");
  EXPECT_EQ(s.length, 6);

  std::ostrstream plain;
  VString emptyStream(plain);
  ASSERT_NE(emptyStream.text, nullptr);
  EXPECT_EQ(emptyStream.length, 0);
}

TEST(VStringConstruction, LongTextKeepsItsWholeLength) {
  // Texts of 65536 characters and more keep their length and their end.
  std::string big(70000, 'a');
  big[69999] = 'z';
  VString v(big.c_str());
  EXPECT_EQ(v.length, 70000);
  EXPECT_EQ(v.text[69999], 'z');

  VString exact(std::string(65536, 'b').c_str());
  EXPECT_EQ(exact.length, 65536);
  VString sum = exact + VString("c");
  EXPECT_EQ(sum.length, 65537);
  EXPECT_EQ(sum.text[65536], 'c');
  EXPECT_EQ(std::strlen(sum.text), 65537u);

  VString tail = v.Substr(69990, -1);
  EXPECT_EQ(Str(tail), "aaaaaaaaaz");
  EXPECT_EQ(v.IndexOf('z'), 69999);
}

TEST(VStringConcatenation, AppendAndPlus) {
  VString a("ab");
  a += VString("cd");
  EXPECT_STREQ(a.text, "abcd");
  EXPECT_EQ(a.length, 4);
  a += VString();
  EXPECT_STREQ(a.text, "abcd");

  VString n;
  n += VString("x");
  EXPECT_STREQ(n.text, "x");
  VString stillNull;
  stillNull += VString();
  EXPECT_EQ(stillNull.text, nullptr);

  EXPECT_STREQ((VString("ab") + VString("cd")).text, "abcd");
  EXPECT_STREQ((VString() + VString("cd")).text, "cd");
  EXPECT_STREQ((VString("ab") + VString()).text, "ab");
  EXPECT_EQ((VString() + VString()).text, nullptr);

  // Appending a value to itself doubles it.
  VString self("xy");
  self += self;
  EXPECT_STREQ(self.text, "xyxy");
}

struct SubstrCase {
  const char* text;
  int pos;
  int len;
  const char* expected;  // null: an empty value with a null text
};

void PrintTo(const SubstrCase& c, std::ostream* os) {
  *os << '"' << (c.text ? c.text : "(null)") << "\" " << c.pos << ' ' << c.len;
}

class VStringSubstr : public ::testing::TestWithParam<SubstrCase> {};

TEST_P(VStringSubstr, Clips) {
  const SubstrCase& c = GetParam();
  VString r = VString(c.text).Substr(c.pos, c.len);
  if (c.expected == nullptr) {
    EXPECT_EQ(r.text, nullptr);
    EXPECT_EQ(r.length, 0);
  } else {
    EXPECT_EQ(Str(r), c.expected);
    EXPECT_EQ(r.length, static_cast<int>(std::strlen(c.expected)));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, VStringSubstr,
                         ::testing::Values(SubstrCase{"abcdef", 2, -1, "cdef"}, SubstrCase{"abcdef", 4, 10, "ef"},
                                           SubstrCase{"abcdef", -1, 2, nullptr}, SubstrCase{"abcdef", 7, 1, nullptr},
                                           SubstrCase{"abcdef", 6, 1, nullptr}, SubstrCase{"abcdef", 0, 0, nullptr},
                                           SubstrCase{"abcdef", 1, -5, nullptr}, SubstrCase{"abcdef", 0, 6, "abcdef"},
                                           SubstrCase{"abcdef", 1, 2, "bc"}, SubstrCase{"abcdef", 5, 0x7fffffff, "f"},
                                           SubstrCase{nullptr, 0, 1, nullptr}));

TEST(VStringSearch, PrefixesAndCharacters) {
  VString s("ab.cd.e");
  EXPECT_STREQ(s.UpTo('.').text, "ab");
  EXPECT_STREQ(s.UpTo('#').text, "ab.cd.e");
  EXPECT_EQ(s.UpTo('a').text, nullptr);

  EXPECT_TRUE(s.StartsWith(VString("ab.")));
  EXPECT_TRUE(s.StartsWith(VString()));
  EXPECT_FALSE(s.StartsWith(VString("ab.cd.e+")));
  EXPECT_FALSE(s.StartsWith(VString("b")));

  EXPECT_TRUE(s.HasChar('e'));
  EXPECT_FALSE(s.HasChar('z'));
  EXPECT_FALSE(s.HasChar('\0'));
  EXPECT_FALSE(VString().HasChar('a'));

  EXPECT_EQ(s.IndexOf('.'), 2);
  EXPECT_EQ(s.IndexOf('z'), -1);
  EXPECT_EQ(VString().IndexOf('a'), -1);
  EXPECT_EQ(s.CountChar('.'), 2);
  EXPECT_EQ(VString().CountChar('.'), 0);
}

TEST(VStringSearch, CharacterSets) {
  EXPECT_TRUE(VString("9901").AllCharsIn("0123456789"));
  EXPECT_FALSE(VString("99a1").AllCharsIn("0123456789"));
  EXPECT_TRUE(VString().AllCharsIn("0"));
  EXPECT_TRUE(VString("").AllCharsIn("0"));
  EXPECT_EQ(VString("a1b22").CountCharsIn("0123456789"), 3);
  EXPECT_EQ(VString().CountCharsIn("0123456789"), 0);
}

TEST(VStringSearch, IsOneOfWordList) {
  const char words[] = "IN\0OF\0\0";
  EXPECT_TRUE(VString("OF").IsOneOf(words));
  EXPECT_TRUE(VString("IN").IsOneOf(words));
  EXPECT_FALSE(VString("ON").IsOneOf(words));
  EXPECT_FALSE(VString("I").IsOneOf(words));
  EXPECT_FALSE(VString("OF").IsOneOf(nullptr));
  EXPECT_FALSE(VString().IsOneOf(words));
}

TEST(VStringSearch, FindAndCompare) {
  VString s("abcabc");
  EXPECT_EQ(s.Find(VString("ca")), 2);
  EXPECT_EQ(s.Find(VString("abc")), 0);
  EXPECT_EQ(s.Find(VString("bcx")), -1);
  EXPECT_EQ(s.Find(VString("abcabcd")), -1);
  EXPECT_EQ(s.Find(VString()), 0);
  EXPECT_EQ(VString("c").Find(VString("c")), 0);

  EXPECT_LT(VString("a").Compare(VString("b")), 0);
  EXPECT_GT(VString("b").Compare(VString("a")), 0);
  EXPECT_EQ(VString("ab").Compare(VString("ab")), 0);
  EXPECT_EQ(VString().Compare(VString("")), 0);
  EXPECT_LT(VString().Compare(VString("a")), 0);

  EXPECT_TRUE(VString("x") == "x");
  EXPECT_FALSE(VString("x") == "y");
  EXPECT_FALSE(VString("x") == "");
  EXPECT_FALSE(VString() == "x");
}

TEST(VStringEdit, ReplaceAndRemove) {
  VString s("a-b-c");
  s.ReplaceChar('-', '_');
  EXPECT_STREQ(s.text, "a_b_c");
  VString n;
  n.ReplaceChar('a', 'b');
  EXPECT_EQ(n.text, nullptr);

  VString r("a1b2c3");
  r.RemoveChars(VString("123"));
  EXPECT_STREQ(r.text, "abc");
  EXPECT_EQ(r.length, 3);
  VString all("111");
  all.RemoveChars(VString("1"));
  EXPECT_EQ(all.text, nullptr);
  EXPECT_EQ(all.length, 0);
  VString none("abc");
  none.RemoveChars(VString());
  EXPECT_STREQ(none.text, "abc");
}

TEST(VStringEdit, StripDelimsAndTrim) {
  EXPECT_STREQ(VString("'abc'").StripDelims('\'', '\'').text, "abc");
  EXPECT_STREQ(VString("'abc").StripDelims('\'', '\'').text, "abc");
  EXPECT_STREQ(VString("abc'").StripDelims('\'', '\'').text, "abc");
  EXPECT_EQ(VString("'").StripDelims('\'', '\'').text, nullptr);
  EXPECT_EQ(VString("''").StripDelims('\'', '\'').text, nullptr);
  EXPECT_EQ(VString().StripDelims('\'', '\'').text, nullptr);
  EXPECT_STREQ(VString("abc").StripDelims('\0', 'c').text, "ab");

  EXPECT_STREQ(VString(" \t a b \r\n").Trim().text, "a b");
  EXPECT_STREQ(VString("ab").Trim().text, "ab");
}

TEST(VStringEdit, CaseAndByteMaps) {
  EXPECT_STREQ(VString("aZ-\xe4z").ToUpper().text, "AZ-\xe4Z");
  EXPECT_STREQ(VString("aZ-\xc4Z").ToLower().text, "az-\xc4z");
  EXPECT_EQ(VString().ToUpper().text, nullptr);

  char table[256];
  for (int i = 0; i < 256; ++i) table[i] = static_cast<char>(i);
  table[static_cast<unsigned char>('a')] = 'b';
  table[0xff] = 'F';
  EXPECT_STREQ(VString("a\xff" "c").MapBytes(table).text, "bFc");

  // EBCDIC "C1 81 40 F0" is "Aa 0"; the two tables are inverses of each other.
  EXPECT_STREQ(VString("\xc1\x81\x40\xf0").EbcdicToAscii().text, "Aa 0");
  EXPECT_STREQ(VString("Aa 0").AsciiToEbcdic().text, "\xc1\x81\x40\xf0");
  for (int b = 1; b < 256; ++b) {
    SCOPED_TRACE(b);
    unsigned char e = static_cast<unsigned char>(OrvAsciiToEbcdicTable[b]);
    EXPECT_EQ(static_cast<unsigned char>(OrvEbcdicToAsciiTable[e]), b);
  }
}

TEST(VStringOutput, StreamInsertion) {
  std::ostringstream os;
  os << VString("ab") << VString() << VString("") << "|";
  EXPECT_EQ(os.str(), "ab|");
}

struct IntCase {
  const char* text;
  long long value;     // when result is 0
  int result;
  const char* message;  // when result is not 0
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class VStringToInt64 : public ::testing::TestWithParam<IntCase> {};

TEST_P(VStringToInt64, Converts) {
  const IntCase& c = GetParam();
  int64 out = 777;
  VString err;
  OrvResult r = VString(c.text).ToInt64(out, err);
  EXPECT_EQ(r, c.result);
  if (c.result == 0) {
    EXPECT_EQ(out, c.value);
    EXPECT_EQ(err.text, nullptr);
  } else {
    EXPECT_EQ(out, 777);  // left alone on failure
    EXPECT_STREQ(err.text, c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VStringToInt64,
    ::testing::Values(IntCase{"H'0A1F'", 2591, 0, nullptr}, IntCase{"-12", -12, 0, nullptr}, IntCase{"+", 0, 0, nullptr},
                      IntCase{"", 0, 0, nullptr}, IntCase{"-", 0, 0, nullptr}, IntCase{"+17", 17, 0, nullptr},
                      IntCase{"H\"FF\"", 255, 0, nullptr}, IntCase{"H''", 0, 0, nullptr},
                      IntCase{"H'0G'", 0, 33, "Bad character 'G' in hexadecimal number 'H'0G''"},
                      IntCase{"H'0a'", 0, 33, "Bad character 'a' in hexadecimal number 'H'0a''"},
                      IntCase{"H'0A", 0, 33, "Bad character '' in hexadecimal number 'H'0A'"},
                      IntCase{"H'0", 0, 33, "Bad character '' in hexadecimal number 'H'0'"},
                      IntCase{"12a", 0, 33, "Expecting integer number here, not '12a'"},
                      IntCase{"1 2", 0, 33, "Expecting integer number here, not '1 2'"},
                      IntCase{"9223372036854775807", 9223372036854775807LL, 0, nullptr},
                      IntCase{"-9223372036854775808", -9223372036854775807LL - 1, 0, nullptr},
                      IntCase{"9223372036854775808", 0, 33, "Integer number '9223372036854775808' does not fit in 64 bits"},
                      IntCase{"-9223372036854775809", 0, 33,
                              "Integer number '-9223372036854775809' does not fit in 64 bits"},
                      IntCase{"99999999999999999999999", 0, 33,
                              "Integer number '99999999999999999999999' does not fit in 64 bits"},
                      IntCase{"H'FFFFFFFFFFFFFFFF'", -1, 0, nullptr},
                      IntCase{"H'0102030405060708'", 0x0102030405060708LL, 0, nullptr},
                      IntCase{"H'010203040506070809'", 0, 33,
                              "Hexadecimal number 'H'010203040506070809'' does not fit in 64 bits"}));

struct PathCase {
  const char* text;
  const char* expected;  // "" for an empty result
};

void ExpectText(const VString& v, const char* expected) {
  EXPECT_EQ(Str(v), expected);
  EXPECT_EQ(v.length, static_cast<int>(std::strlen(expected)));
}

TEST(VStringPath, ReplaceExt) {
  const PathCase cases[] = {{"dir.x/file", "dir.x/file.cbl"}, {"a/b.cob", "a/b.cbl"},  {"b.c.d", "b.c.cbl"},
                            {"x\\y.z\\f", "x\\y.z\\f.cbl"},     {"plain", "plain.cbl"}, {"", ".cbl"}};
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.text);
    ExpectText(VString(c.text).ReplaceExt(VString(".cbl")), c.expected);
  }
}

TEST(VStringPath, ExtBaseAndDir) {
  ExpectText(VString("a/b.c.d").Ext(), ".d");
  ExpectText(VString("a.b/c").Ext(), "");
  ExpectText(VString("a.b\\c").Ext(), "");
  // An extension is cut after 2048 characters, its '.' included.
  const std::string longExt = "." + std::string(3000, 'e');
  ExpectText(VString(("f" + longExt).c_str()).Ext(), longExt.substr(0, 2048).c_str());

  const PathCase baseNoExt[] = {{"dir.x/file", "file"}, {"a/b.c.d", "b.c"}, {"a/", ""}, {"name.cbl", "name"},
                                {"x\\y.cpy", "y"}};
  for (const PathCase& c : baseNoExt) {
    SCOPED_TRACE(c.text);
    ExpectText(VString(c.text).BaseName(false), c.expected);
  }
  ExpectText(VString("a/").BaseName(true), "");
  ExpectText(VString("a/b.c").BaseName(true), "b.c");
  ExpectText(VString("b.c").BaseName(true), "b.c");

  ExpectText(VString("a/b/c.d").DirName(), "a/b");
  ExpectText(VString("a\\c").DirName(), "a");
  ExpectText(VString("c").DirName(), "");
}

TEST(VStringPath, NormalizePath) {
  const PathCase cases[] = {
      {"a/b/../c", "a/c"},     {"x/a/b/../../c", "x/c"}, {"../a", "../a"},   {"/../x", "/x"},
      {"/a/../x", "/x"},       {"x/../y", "y"},          {"a\\b\\..\\c", "a\\c"}, {"a/b/..", "a/b/.."},
      {"../../x", "../../x"},  {"a/../../x", "../x"},    {"/../../x", "/x"}, {"plain", "plain"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.text);
    ExpectText(VString(c.text).NormalizePath(), c.expected);
  }
}

TEST(VStringPath, FileExists) {
  EXPECT_TRUE(VString(".").FileExists());
  EXPECT_TRUE(VString("/").FileExists());
  EXPECT_FALSE(VString("/no/such/file/here").FileExists());
  EXPECT_FALSE(VString().FileExists());
}

TEST(VStringArrayTest, AssignmentCopiesDeeply) {
  VStringArray a(4);
  a.items[0] = VString("one");
  a.items[1] = VString();
  a.items[2] = VString("three");
  a.count = 3;

  VStringArray b(1);
  b.items[0] = VString("old");
  b.count = 1;
  b = a;
  EXPECT_EQ(b.count, 3);
  EXPECT_EQ(b.capacity, 4);
  EXPECT_STREQ(b.items[0].text, "one");
  EXPECT_NE(b.items[0].text, a.items[0].text);
  EXPECT_EQ(b.items[1].text, nullptr);
  EXPECT_STREQ(b.items[2].text, "three");

  VStringArray c(a);
  EXPECT_EQ(c.count, 3);
  EXPECT_STREQ(c.items[2].text, "three");
}

TEST(VStringArrayTest, SelfAssignmentKeepsTheStrings) {
  VStringArray a(2);
  a.items[0] = VString("keep");
  a.count = 1;
  VStringArray& alias = a;
  a = alias;
  EXPECT_EQ(a.count, 1);
  EXPECT_EQ(a.capacity, 2);
  EXPECT_STREQ(a.items[0].text, "keep");
}

TEST(OrvFormatTest, FormatsAnyLength) {
  VString empty = OrvFormat("%s", "");
  ASSERT_NE(empty.text, nullptr);
  EXPECT_EQ(empty.length, 0);

  EXPECT_STREQ(OrvFormat("%02d|%2s|%6lld", 7, "x", 12LL).text, "07| x|    12");

  // Far beyond any fixed buffer: nothing is lost or overrun.
  std::string big(50000, 'q');
  VString v = OrvFormat("<%s>", big.c_str());
  EXPECT_EQ(v.length, 50002);
  EXPECT_EQ(Str(v), "<" + big + ">");
}

TEST(CharHelpers, CaseOfOneCharacter) {
  EXPECT_EQ(OrvToUpper('a'), 'A');
  EXPECT_EQ(OrvToUpper('Z'), 'Z');
  EXPECT_EQ(OrvToUpper('1'), '1');
  EXPECT_EQ(OrvToUpper('\xe4'), '\xe4');
  EXPECT_EQ(OrvToLower('A'), 'a');
  EXPECT_EQ(OrvToLower('z'), 'z');
  EXPECT_EQ(OrvToLower('@'), '@');
}

TEST(CharHelpers, EscapeStr) {
  EXPECT_STREQ(OrvEscapeStr("\x05").text, "\\0x 5");
  EXPECT_STREQ(OrvEscapeStr("\t").text, "\\t");
  EXPECT_STREQ(OrvEscapeStr("a\b\n\f\rz").text, "a\\b\\n\\f\\rz");
  EXPECT_STREQ(OrvEscapeStr("\xff").text, "\\0xff");
  EXPECT_STREQ(OrvEscapeStr("\x1b[").text, "\\0x1b[");
  EXPECT_STREQ(OrvEscapeStr("x\\y").text, "x\\y");
  VString none = OrvEscapeStr(nullptr);
  EXPECT_EQ(none.length, 0);
  EXPECT_TRUE(none == "");
}

}  // namespace
