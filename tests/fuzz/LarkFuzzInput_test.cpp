// Tests of the fuzz input form: which lines are member headers, what each
// text receives, and the count of inclusion words that keeps an input out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LarkFuzzInput.h"

namespace {

// An input and its split, shown as "main|NAME=text|NAME=text".
struct SplitCase {
  const char* what;
  std::string input;
  std::string split;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.what; }

std::string Show(const LarkFuzzInput& input) {
  std::string out = input.mainText;
  for (const LarkFuzzMember& m : input.members) out += "|" + m.name + "=" + m.text;
  return out;
}

std::string Headers(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) text += "*>MEMBER M" + std::to_string(i) + "\nx\n";
  return text;
}

class FuzzInputSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(FuzzInputSplitTest, SplitsAtHeaderLines) {
  EXPECT_EQ(GetParam().split, Show(LarkSplitFuzzInput(GetParam().input)));
}

INSTANTIATE_TEST_SUITE_P(
    LarkFuzzInput, FuzzInputSplitTest,
    ::testing::Values(
        SplitCase{"no header", "a\nb", "a\nb"},
        SplitCase{"empty input", "", ""},
        SplitCase{"two members", "m\n*>MEMBER A\na1\n*>MEMBER b-2\nb\n", "m\n|A=a1\n|B-2=b\n"},
        SplitCase{"header first", "*>MEMBER A\nx", "|A=x"},
        SplitCase{"last line without line end", "m\n*>MEMBER A", "m\n|A="},
        SplitCase{"blanks and carriage return after the name", "*>MEMBER  A1 \r\nx\r\n", "|A1=x\r\n"},
        SplitCase{"eight characters", "*>MEMBER ABCDEFGH\nx\n", "|ABCDEFGH=x\n"},
        SplitCase{"nine characters are text", "*>MEMBER ABCDEFGHI\nx\n", "*>MEMBER ABCDEFGHI\nx\n"},
        SplitCase{"a bad character is text", "*>MEMBER A.B\nx\n", "*>MEMBER A.B\nx\n"},
        SplitCase{"no name is text", "*>MEMBER \nx\n", "*>MEMBER \nx\n"},
        SplitCase{"no blank is text", "*>MEMBERA\nx\n", "*>MEMBERA\nx\n"},
        SplitCase{"not at the line start", " *>MEMBER A\nx\n", " *>MEMBER A\nx\n"},
        SplitCase{"lower-case keyword is text", "*>member A\nx\n", "*>member A\nx\n"},
        SplitCase{"repeated name stays in the text", "*>MEMBER A\nx\n*>MEMBER a\ny\n", "|A=x\n*>MEMBER a\ny\n"},
        SplitCase{"a ninth header is text", Headers(9),
                  "|M1=x\n|M2=x\n|M3=x\n|M4=x\n|M5=x\n|M6=x\n|M7=x\n|M8=x\n*>MEMBER M9\nx\n"}),
    [](const ::testing::TestParamInfo<SplitCase>& info) {
      std::string name = info.param.what;
      for (char& ch : name)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST(LarkFuzzInputTest, CountsInclusionWordsAsWholeWords) {
  struct {
    const char* text;
    int count;
  } cases[] = {
      {"COPY A.", 1},
      {"copy a. Copy B.", 2},
      {"-INC A\nEXEC SQL INCLUDE B END-EXEC.", 2},
      {"COPYA. X-INC ACOPY INCLUDED COPY-A", 0},
      {"'COPY'(COPY)", 2},
      {"", 0},
  };
  for (const auto& c : cases) {
    const std::string text = c.text;
    EXPECT_EQ(c.count, LarkCountCopyWords(reinterpret_cast<const unsigned char*>(text.data()), text.size()))
        << text;
  }
}

TEST(LarkFuzzInputTest, MoreThanSixteenInclusionsAreTooMany) {
  std::string text;
  for (int i = 0; i < LARK_FUZZ_MAX_COPY_WORDS; ++i) text += "COPY A.\n";
  EXPECT_FALSE(LarkSplitFuzzInput(text).TooManyCopies());
  // The words count in the members as well as in the main text.
  const LarkFuzzInput more = LarkSplitFuzzInput(text + "*>MEMBER A\n-INC B\n");
  EXPECT_EQ(LARK_FUZZ_MAX_COPY_WORDS + 1, more.copyWords);
  EXPECT_TRUE(more.TooManyCopies());
}

}  // namespace
