// Setting options from command-line words, from an option string and from
// an options file.
#include "OrvCLFlag.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// One variable of every option kind, described by an option table.
struct Options {
  int flag = 0;
  int num = 7;
  int nums[3] = {9, 9, 9};
  int numCount = 0;
  VString str;
  VString strs[3];
  int strCount = 0;
  int sel = 0;
  int noWait = 1;
  VString words[4] = {VString("red"), VString("green"), VString("blue"), VString()};
  OrvCLFlagTable table;

  Options() {
    const OrvCLFlag array[] = {
        {'-', "", nullptr, nullptr, nullptr, nullptr, 0, "Test options", 7},
        {'b', "flag", &flag, nullptr, nullptr, nullptr, 0, "A switch", 1},
        {'n', "num", &num, nullptr, nullptr, nullptr, 0, "A number", 1},
        {'a', "nums", nums, nullptr, nullptr, &numCount, 3, "Numbers", 1},
        {'s', "str", nullptr, nullptr, &str, nullptr, 0, "A string", 1},
        {'z', "strs", nullptr, nullptr, strs, &strCount, 3, "Strings", 1},
        {'l', "sel", &sel, words, nullptr, nullptr, 0, "A choice", 1},
        {'b', "no-wait", &noWait, nullptr, nullptr, nullptr, 0, "Named with no-", 1},
        {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0}};
    VString error;
    EXPECT_EQ(0, BuildOptionGroup(table, array, 0xff, error));
  }
  Options(const Options&) = delete;
  Options& operator=(const Options&) = delete;

  // Every variable, read directly; a null text shows as '-', any other text
  // in double quotes.
  std::string Dump() const {
    std::ostringstream os;
    os << "flag=" << flag << " num=" << num << " nums=" << numCount << ":" << nums[0] << ","
       << nums[1] << "," << nums[2] << " str=" << Shown(str) << " strs=" << strCount << ":"
       << Shown(strs[0]) << "," << Shown(strs[1]) << "," << Shown(strs[2]) << " sel=" << sel
       << " no-wait=" << noWait;
    return os.str();
  }
  static std::string Shown(const VString& s) {
    if (!s.text) return "-";
    return "\"" + std::string(s.text) + "\"";
  }
};

const char* const kInitial =
    "flag=0 num=7 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1";

std::vector<std::string> Texts(const VStringList& list) {
  std::vector<std::string> out;
  for (VStringListNode* n = list.head; n; n = n->next)
    out.push_back(n->value.text ? n->value.text : "");
  return out;
}

// Runs SetCLFlag over the words, as the command line would give them.
OrvResult RunCommandLine(Options& o, const std::vector<std::string>& words,
                         std::vector<std::string>& files, std::vector<std::string>& errors) {
  std::vector<const char*> argv;
  argv.push_back("prog");
  for (const std::string& w : words) argv.push_back(w.c_str());
  VStringList fileList, errorList;
  OrvResult r = SetCLFlag(o.table, 1, (int)argv.size(), argv.data(), fileList, errorList);
  files = Texts(fileList);
  errors = Texts(errorList);
  return r;
}

struct SetCase {
  const char* title;
  std::vector<std::string> words;
  OrvResult result;
  std::vector<std::string> errors;
  std::vector<std::string> files;
  std::string state;  // Dump() afterwards
};

void PrintTo(const SetCase& c, std::ostream* os) { *os << c.title; }

class SetOptionTest : public ::testing::TestWithParam<SetCase> {};

// The words given one by one on the command line.
TEST_P(SetOptionTest, FromCommandLine) {
  const SetCase& c = GetParam();
  Options o;
  std::vector<std::string> files, errors;
  EXPECT_EQ(c.result, RunCommandLine(o, c.words, files, errors));
  EXPECT_EQ(c.errors, errors);
  EXPECT_EQ(c.files, files);
  EXPECT_EQ(c.state, o.Dump());
}

// The same words joined by spaces into one option string: the same values
// and messages, except that a file name is refused.
TEST_P(SetOptionTest, FromOptionString) {
  const SetCase& c = GetParam();
  std::string text;
  for (const std::string& w : c.words) text += (text.empty() ? "" : " ") + w;
  Options o;
  VStringList errorList;
  OrvResult r = ParseOptionString(o.table, VString(text.c_str()), errorList);
  std::vector<std::string> errors = c.errors;
  OrvResult expected = c.result;
  if (!c.files.empty() && c.result == 0) {
    errors.push_back("File names not allowed in options taken from environment variables: " +
                     c.files[0]);
    expected = ORV_BAD_OPTIONS;
  }
  EXPECT_EQ(expected, r);
  EXPECT_EQ(errors, Texts(errorList));
  EXPECT_EQ(c.state, o.Dump());
}

const std::string k255(255, 'e');
const std::string k256(256, 'e');

const SetCase kSetCases[] = {
    {"nothing", {}, 0, {}, {}, kInitial},
    // Booleans.
    {"boolean_on", {"-flag"}, 0, {}, {}, "flag=1 num=7 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"boolean_on_then_off", {"-flag", "-no-flag"}, 0, {}, {}, kInitial},
    {"boolean_negated_with_value", {"-no-flag=1"}, 21,
     {"Assigning non-boolean value to boolean flag: -no-flag=1"}, {}, kInitial},
    {"boolean_with_empty_value", {"-flag="}, 21,
     {"Assigning non-boolean value to boolean flag: -flag="}, {}, kInitial},
    {"boolean_named_no_cannot_be_set_on", {"-no-wait"}, 21, {"Unknown option: -no-wait"}, {},
     kInitial},
    {"boolean_named_no_set_off", {"-no-no-wait"}, 0, {}, {},
     "flag=0 num=7 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=0"},
    // Numbers.
    {"number", {"-num=12"}, 0, {}, {}, "flag=0 num=12 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"number_empty_is_zero", {"-num="}, 0, {}, {},
     "flag=0 num=0 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"number_largest", {"-num=2147483647"}, 0, {}, {},
     "flag=0 num=2147483647 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"number_not_digits", {"-num=12a"}, 21, {"Not a numeric value: -num=12a"}, {}, kInitial},
    {"number_with_sign", {"-num=-3"}, 21, {"Not a numeric value: -num=-3"}, {}, kInitial},
    {"number_too_large", {"-num=2147483648"}, 21, {"Numeric value out of range: -num=2147483648"},
     {}, kInitial},
    {"number_without_value", {"-num"}, 21, {"Numeric option requires a value: -num"}, {},
     kInitial},
    {"number_negated", {"-no-num"}, 21, {"Non-boolean flag -no-num has no- prefix"}, {},
     kInitial},
    // Number lists.
    {"number_list_empty_element_is_zero", {"-nums=1,,2"}, 0, {}, {},
     "flag=0 num=7 nums=3:1,0,2 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"number_list_trailing_comma_ends", {"-nums=1,"}, 0, {}, {},
     "flag=0 num=7 nums=1:1,9,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"number_list_full", {"-nums=10,20,30"}, 0, {}, {},
     "flag=0 num=7 nums=3:10,20,30 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"number_list_emptied", {"-nums=4,5", "-nums="}, 0, {}, {},
     "flag=0 num=7 nums=0:4,5,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"number_list_too_many_changes_nothing", {"-nums=4,5", "-nums=1,2,3,4"}, 21,
     {"Too many elements in numeric array option: '-nums=1,2,3,4'"}, {},
     "flag=0 num=7 nums=2:4,5,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"number_list_bad_element_changes_nothing", {"-nums=1,x"}, 21,
     {"Not a numeric value: -nums=1,x"}, {}, kInitial},
    {"number_list_element_too_large", {"-nums=1,99999999999"}, 21,
     {"Numeric value out of range: -nums=1,99999999999"}, {}, kInitial},
    {"number_list_without_value", {"-nums"}, 21,
     {"Numeric array option requires a value: -nums"}, {}, kInitial},
    // Strings.
    {"string", {"-str=abc"}, 0, {}, {},
     "flag=0 num=7 nums=0:9,9,9 str=\"abc\" strs=0:-,-,- sel=0 no-wait=1"},
    {"string_empty", {"-str="}, 0, {}, {},
     "flag=0 num=7 nums=0:9,9,9 str=\"\" strs=0:-,-,- sel=0 no-wait=1"},
    {"string_keeps_equals_sign", {"-str=a=b"}, 0, {}, {},
     "flag=0 num=7 nums=0:9,9,9 str=\"a=b\" strs=0:-,-,- sel=0 no-wait=1"},
    {"string_without_value", {"-str"}, 21, {"String option requires a value: -str"}, {},
     kInitial},
    // String lists.
    {"string_list_commas", {"-strs=a,b"}, 0, {}, {},
     "flag=0 num=7 nums=0:9,9,9 str=- strs=2:\"a\",\"b\",- sel=0 no-wait=1"},
    {"string_list_semicolons", {"-strs=a;bc"}, 0, {}, {},
     "flag=0 num=7 nums=0:9,9,9 str=- strs=2:\"a\",\"bc\",- sel=0 no-wait=1"},
    {"string_list_colon_stays_in_element", {"-strs=c:\\d"}, 0, {}, {},
     "flag=0 num=7 nums=0:9,9,9 str=- strs=1:\"c:\\d\",-,- sel=0 no-wait=1"},
    {"string_list_emptied", {"-strs=x", "-strs="}, 0, {}, {},
     "flag=0 num=7 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"string_list_too_many_changes_nothing", {"-strs=x", "-strs=a,b,c"}, 21,
     {"Too many elements in string array option: '-strs=a,b,c'"}, {},
     "flag=0 num=7 nums=0:9,9,9 str=- strs=1:\"x\",-,- sel=0 no-wait=1"},
    {"string_list_longest_element", {"-strs=" + k255}, 0, {}, {},
     "flag=0 num=7 nums=0:9,9,9 str=- strs=1:\"" + k255 + "\",-,- sel=0 no-wait=1"},
    {"string_list_element_too_long", {"-strs=a," + k256}, 21,
     {"String array option element longer than 255 characters: -strs=a," + k256}, {}, kInitial},
    {"string_list_without_value", {"-strs"}, 21,
     {"String array option requires a value: -strs"}, {}, kInitial},
    // Selections.
    {"selection_by_word", {"-sel=green"}, 0, {}, {},
     "flag=0 num=7 nums=0:9,9,9 str=- strs=0:-,-,- sel=1 no-wait=1"},
    {"selection_by_number", {"-sel=2"}, 0, {}, {},
     "flag=0 num=7 nums=0:9,9,9 str=- strs=0:-,-,- sel=2 no-wait=1"},
    {"selection_empty_is_first", {"-sel=blue", "-sel="}, 0, {}, {}, kInitial},
    {"selection_without_value_is_first", {"-sel=blue", "-sel"}, 0, {}, {}, kInitial},
    {"selection_number_past_words", {"-sel=3"}, 21,
     {"Selection option is assigned illegal value: -sel=3"}, {}, kInitial},
    {"selection_huge_number", {"-sel=99999999999"}, 21,
     {"Selection option is assigned illegal value: -sel=99999999999"}, {}, kInitial},
    {"selection_word_is_case_sensitive", {"-sel=Green"}, 21,
     {"Selection option is assigned illegal value: -sel=Green"}, {}, kInitial},
    {"selection_negated", {"-no-sel"}, 21, {"Non-boolean flag -no-sel has no- prefix"}, {},
     kInitial},
    // Names and words.
    {"unknown_option", {"-bogus"}, 21, {"Unknown option: -bogus"}, {}, kInitial},
    {"name_is_case_sensitive", {"-Flag"}, 21, {"Unknown option: -Flag"}, {}, kInitial},
    {"name_must_match_whole", {"-fla", "-flags"}, 21,
     {"Unknown option: -fla", "Unknown option: -flags"}, {}, kInitial},
    {"lone_dash_finds_heading", {"-"}, 21, {"SetCLFlag: bad flag code"}, {}, kInitial},
    {"errors_do_not_stop_parsing", {"-bogus", "-flag", "-num=x", "-num=5"}, 21,
     {"Unknown option: -bogus", "Not a numeric value: -num=x"}, {},
     "flag=1 num=5 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"file_names", {"a.cbl", "-flag", "b.cbl"}, 0, {}, {"a.cbl", "b.cbl"},
     "flag=1 num=7 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"file_name_and_bad_option", {"a.cbl", "-bogus"}, 21, {"Unknown option: -bogus"}, {"a.cbl"},
     kInitial},
};

INSTANTIATE_TEST_SUITE_P(Kinds, SetOptionTest, ::testing::ValuesIn(kSetCases),
                         [](const ::testing::TestParamInfo<SetCase>& info) {
                           return std::string(info.param.title);
                         });

TEST(SetCLFlagTest, TakesOnlyTheGivenRangeOfWords) {
  Options o;
  const char* argv[] = {"-num=1", "-flag", "x.cbl", "-num=3"};
  VStringList files, errors;
  EXPECT_EQ(0, SetCLFlag(o.table, 1, 3, argv, files, errors));
  EXPECT_EQ("flag=1 num=7 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1", o.Dump());
  EXPECT_EQ(std::vector<std::string>{"x.cbl"}, Texts(files));
  EXPECT_EQ(nullptr, errors.head);
}

TEST(SetCLFlagTest, AppendsToListsThatAlreadyHoldEntries) {
  Options o;
  const char* argv[] = {"new.cbl", "-bogus"};
  VStringList files, errors;
  files.Append(VString("old.cbl"));
  errors.Append(VString("earlier"));
  EXPECT_EQ(21, SetCLFlag(o.table, 0, 2, argv, files, errors));
  EXPECT_EQ((std::vector<std::string>{"old.cbl", "new.cbl"}), Texts(files));
  EXPECT_EQ((std::vector<std::string>{"earlier", "Unknown option: -bogus"}), Texts(errors));
}

TEST(SetCLFlagTest, FirstRecordOfANameWins) {
  int first = 0, second = 0;
  const OrvCLFlag array[] = {{'b', "x", &first, nullptr, nullptr, nullptr, 0, "", 1},
                             {'b', "x", &second, nullptr, nullptr, nullptr, 0, "", 1},
                             {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0}};
  OrvCLFlagTable table;
  VString error;
  ASSERT_EQ(0, BuildOptionGroup(table, array, 1, error));
  const char* argv[] = {"-x"};
  VStringList files, errors;
  EXPECT_EQ(0, SetCLFlag(table, 0, 1, argv, files, errors));
  EXPECT_EQ(1, first);
  EXPECT_EQ(0, second);
}

TEST(SetCLFlagTest, RecordOfUnknownKindOrWithoutVariable) {
  int v = 5;
  const OrvCLFlag array[] = {{'q', "odd", &v, nullptr, nullptr, nullptr, 0, "", 1},
                             {'n', "novar", nullptr, nullptr, nullptr, nullptr, 0, "", 1},
                             {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0}};
  OrvCLFlagTable table;
  VString error;
  ASSERT_EQ(0, BuildOptionGroup(table, array, 1, error));
  const char* argv[] = {"-odd=1", "-novar=1"};
  VStringList files, errors;
  EXPECT_EQ(21, SetCLFlag(table, 0, 2, argv, files, errors));
  EXPECT_EQ((std::vector<std::string>{"SetCLFlag: bad flag code", "SetCLFlag: bad flag code"}),
            Texts(errors));
  EXPECT_EQ(5, v);
}

TEST(SetCLFlagTest, VeryLongWordIsQuotedShortened) {
  Options o;
  std::string word = "-" + std::string(5000, 'x');
  const char* argv[] = {word.c_str()};
  VStringList files, errors;
  EXPECT_EQ(21, SetCLFlag(o.table, 0, 1, argv, files, errors));
  std::vector<std::string> texts = Texts(errors);
  ASSERT_EQ(1u, texts.size());
  EXPECT_EQ("Unknown option: " + word.substr(0, 1000) + "...", texts[0]);
}

TEST(SetCLFlagTest, WordTooLongForAValueIsRefused) {
  Options o;
  std::string word = "-str=" + std::string(70000, 'y');
  const char* argv[] = {word.c_str()};
  VStringList files, errors;
  EXPECT_EQ(21, SetCLFlag(o.table, 0, 1, argv, files, errors));
  std::vector<std::string> texts = Texts(errors);
  ASSERT_EQ(1u, texts.size());
  EXPECT_EQ("Command-line word longer than 65535 characters: " + word.substr(0, 1000) + "...",
            texts[0]);
  EXPECT_EQ(kInitial, o.Dump());
}

// Option strings: splitting and quoting.
struct SplitCase {
  const char* title;
  const char* text;
  OrvResult result;
  std::vector<std::string> errors;
  const char* state;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.title; }

class OptionStringTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(OptionStringTest, SplitsAndSets) {
  const SplitCase& c = GetParam();
  Options o;
  VStringList errors;
  EXPECT_EQ(c.result, ParseOptionString(o.table, VString(c.text), errors));
  EXPECT_EQ(c.errors, Texts(errors));
  EXPECT_EQ(c.state, o.Dump());
}

const SplitCase kSplitCases[] = {
    {"empty", "", 0, {}, kInitial},
    {"spaces_only", "   ", 0, {}, kInitial},
    {"extra_spaces_everywhere", "  -flag   -num=4  ", 0, {},
     "flag=1 num=4 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"quoted_value_keeps_spaces", "-str=\"a  b\"", 0, {},
     "flag=0 num=7 nums=0:9,9,9 str=\"a  b\" strs=0:-,-,- sel=0 no-wait=1"},
    {"options_after_a_quoted_part_are_taken", "-str=\"a b\" -flag -num=3", 0, {},
     "flag=1 num=3 nums=0:9,9,9 str=\"a b\" strs=0:-,-,- sel=0 no-wait=1"},
    {"two_quoted_parts", "-strs=\"x y\",\"z\" -str=\"p q\"", 0, {},
     "flag=0 num=7 nums=0:9,9,9 str=\"p q\" strs=2:\"x y\",\"z\",- sel=0 no-wait=1"},
    {"word_goes_on_after_closing_quote", "-str=\"a b\"c -flag", 0, {},
     "flag=1 num=7 nums=0:9,9,9 str=\"a bc\" strs=0:-,-,- sel=0 no-wait=1"},
    {"empty_quotes", "-str=\"\"", 0, {},
     "flag=0 num=7 nums=0:9,9,9 str=\"\" strs=0:-,-,- sel=0 no-wait=1"},
    {"unclosed_quote_runs_to_the_end", "-str=\"a -flag", 0, {},
     "flag=0 num=7 nums=0:9,9,9 str=\"a -flag\" strs=0:-,-,- sel=0 no-wait=1"},
    {"quoted_file_name", "-flag \"my file.cbl\"", 21,
     {"File names not allowed in options taken from environment variables: my file.cbl"},
     "flag=1 num=7 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"first_file_name_is_named", "a.cbl b.cbl", 21,
     {"File names not allowed in options taken from environment variables: a.cbl"}, kInitial},
    {"option_error_hides_file_names", "-bogus a.cbl -flag", 21, {"Unknown option: -bogus"},
     "flag=1 num=7 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1"},
    {"tab_is_not_a_separator", "-flag\t-num=1", 21, {"Unknown option: -flag\t-num=1"},
     kInitial},
};

INSTANTIATE_TEST_SUITE_P(Splitting, OptionStringTest, ::testing::ValuesIn(kSplitCases),
                         [](const ::testing::TestParamInfo<SplitCase>& info) {
                           return std::string(info.param.title);
                         });

std::string Repeat(const char* word, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += (i ? " " : "") + std::string(word);
  return s;
}

TEST(ParseOptionStringTest, TakesUpTo1024Words) {
  Options o;
  VStringList errors;
  EXPECT_EQ(0, ParseOptionString(o.table, VString(Repeat("-flag", 1024).c_str()), errors));
  EXPECT_EQ(1, o.flag);
  EXPECT_EQ(nullptr, errors.head);
}

TEST(ParseOptionStringTest, RefusesMoreThan1024WordsWithoutSettingAny) {
  Options o;
  VStringList errors;
  EXPECT_EQ(21, ParseOptionString(o.table, VString(Repeat("-flag", 1025).c_str()), errors));
  EXPECT_EQ(std::vector<std::string>{"Too many words in option string (at most 1024)"},
            Texts(errors));
  EXPECT_EQ(0, o.flag);
}

TEST(ParseOptionStringTest, NullTextIsEmpty) {
  Options o;
  VStringList errors;
  EXPECT_EQ(0, ParseOptionString(o.table, VString(), errors));
  EXPECT_EQ(kInitial, o.Dump());
}

// Options files.
OrvResult ReadFromText(Options& o, const std::string& text, VString& error) {
  std::istringstream in(text);
  return ReadOptionsFile(o.table, in, error);
}

TEST(ReadOptionsFileTest, ReadsTheFixtureUpToTheSectionLine) {
  Options o;
  std::ifstream in(LARK_TEST_DATA "/options.cop");
  ASSERT_TRUE(in.is_open());
  VString error;
  EXPECT_EQ(0, ReadOptionsFile(o.table, in, error));
  EXPECT_EQ(nullptr, error.text);
  EXPECT_EQ(
      "flag=1 num=42 nums=2:3,4,9 str=\"two words\" strs=2:\"copy\",\"lib\",- sel=2 no-wait=0",
      o.Dump());
}

TEST(ReadOptionsFileTest, JoinsErrorTexts) {
  Options o;
  VString error;
  EXPECT_EQ(21, ReadFromText(o, "-bogus\n-num=x\n-flag\n", error));
  EXPECT_STREQ("Unknown option: -bogus; Not a numeric value: -num=x", error.text);
  EXPECT_EQ(1, o.flag);
}

TEST(ReadOptionsFileTest, LastLineWithoutLineEndAndEmptyLines) {
  Options o;
  VString error;
  EXPECT_EQ(0, ReadFromText(o, "\n-flag\n\n-num=5", error));
  EXPECT_EQ("flag=1 num=5 nums=0:9,9,9 str=- strs=0:-,-,- sel=0 no-wait=1", o.Dump());
}

TEST(ReadOptionsFileTest, LineOf255CharactersIsTaken) {
  Options o;
  VString error;
  std::string line = "-str=" + std::string(250, 's');
  EXPECT_EQ(0, ReadFromText(o, line + "\n", error));
  ASSERT_NE(nullptr, o.str.text);
  EXPECT_EQ(std::string(250, 's'), o.str.text);
}

TEST(ReadOptionsFileTest, LongerLineParsesNothing) {
  Options o;
  VString error;
  std::string line = "-str=" + std::string(251, 's');
  EXPECT_EQ(21, ReadFromText(o, "-flag\n" + line + "\n", error));
  EXPECT_EQ("Options file line longer than 255 characters: " + line.substr(0, 255) + "...",
            std::string(error.text));
  EXPECT_EQ(kInitial, o.Dump());
}

TEST(ReadOptionsFileTest, AtMost100Lines) {
  std::string hundred;
  for (int i = 0; i < 99; ++i) hundred += "-no-flag\n";
  hundred += "-flag\n";
  {
    Options o;
    VString error;
    EXPECT_EQ(0, ReadFromText(o, hundred, error));
    EXPECT_EQ(1, o.flag);
  }
  {
    Options o;
    VString error;
    EXPECT_EQ(21, ReadFromText(o, hundred + "-num=1\n", error));
    EXPECT_STREQ("Too many lines in options file (at most 100)", error.text);
    EXPECT_EQ(kInitial, o.Dump());
  }
}

TEST(ReadOptionsFileTest, ReadFailureParsesNothing) {
  Options o;
  std::istringstream in("-flag\n");
  in.setstate(std::ios::badbit);
  VString error;
  EXPECT_EQ(21, ReadOptionsFile(o.table, in, error));
  EXPECT_STREQ("Cannot read options file", error.text);
  EXPECT_EQ(kInitial, o.Dump());
}

}  // namespace
