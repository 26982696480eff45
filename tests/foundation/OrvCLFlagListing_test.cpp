// The help listing and the short form of option tables, and reading the
// short form back.
#include "OrvCLFlag.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// One option of every kind, and a selection with display texts.
struct Options {
  int flag = 1;
  int off = 0;
  int sel = 1;
  int num = 42;
  int nums[4] = {1, 0, 2, 77};
  int numCount = 3;
  VString str;
  VString strs[4];
  int strCount = 2;
  int lang = 2;
  int hidden = 5;
  VString words[4] = {VString("red"), VString("green"), VString("blue"), VString()};
  VString dialects[4] = {VString("none"), VString("ansi74"), VString("ansi85"), VString()};
  VString dialectNames[3] = {VString("(none)"), VString("ANSI-74"), VString("ANSI-85")};
  OrvCLFlagTable table;

  Options() : str("a b") {
    strs[0] = VString("x");
    strs[1] = VString("y z");
    const OrvCLFlag array[] = {
        {'-', "", nullptr, nullptr, nullptr, nullptr, 0, "Test Group", 7},
        {'b', "flag", &flag, nullptr, nullptr, nullptr, 0, "A switch", 1},
        {'b', "off", &off, nullptr, nullptr, nullptr, 0, "Another switch", 1},
        {'l', "sel", &sel, words, nullptr, nullptr, 0, "A choice", 1},
        {'-', "", nullptr, nullptr, nullptr, nullptr, 0, "Values", 7},
        {'n', "num", &num, nullptr, nullptr, nullptr, 0, "A number", 1},
        {'a', "nums", nums, nullptr, nullptr, &numCount, 4, "Numbers", 1},
        {'s', "str", nullptr, nullptr, &str, nullptr, 0, "A string", 1},
        {'z', "strs", nullptr, nullptr, strs, &strCount, 4, "Strings", 1},
        {'l', "lang", &lang, dialects, dialectNames, nullptr, 0, "Dialect", 1},
        {'n', "hidden", &hidden, nullptr, nullptr, nullptr, 0, "Other tool", 2},
        {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0}};
    VString error;
    EXPECT_EQ(0, BuildOptionGroup(table, array, 0xff, error));
  }
  Options(const Options&) = delete;
  Options& operator=(const Options&) = delete;
};

const char* const kGoldenHelp =
    "Command-Line arguments parsed:\n"
    "  -flag\n"
    "  x.cbl\n"
    "\n"
    "Command-Line parameters set:\n"
    "\n"
    "*** Test Group ***\n"
    "\n"
    "-flag=boolean (now: +ON+, can be -flag or -no-flag)\n"
    "\tA switch\n"
    "-off=boolean (now: -OFF-, can be -off or -no-off)\n"
    "\tAnother switch\n"
    "-sel=red|green|blue (now: green)\n"
    "\tA choice\n"
    "\n"
    "*** Values ***\n"
    "\n"
    "-num=number (now: 42)\n"
    "\tA number\n"
    "-nums=number list (now: 1,0,2)\n"
    "\tNumbers\n"
    "-str=string (now: \"a b\")\n"
    "\tA string\n"
    "-strs=string list (now: \"x\",\"y z\")\n"
    "\tStrings\n"
    "-lang=none|ansi74|ansi85 (now: ANSI-85)\n"
    "\tDialect\n"
    "-hidden=number (now: 5)\n"
    "\tOther tool\n";

TEST(PrintOptionsHelpTest, ListsArgumentsAndEveryRecord) {
  Options o;
  const char* argv[] = {"larkstat", "-flag", "x.cbl"};
  std::ostringstream os;
  EXPECT_EQ(0, PrintOptionsHelp(o.table, os, 1, 3, argv));
  EXPECT_EQ(kGoldenHelp, os.str());
}

TEST(PrintOptionsHelpTest, EmptyValuesAndNoArguments) {
  Options o;
  o.numCount = 0;
  o.str = VString();
  o.strCount = 0;
  o.sel = 0;
  std::ostringstream os;
  EXPECT_EQ(0, PrintOptionsHelp(o.table, os, 0, 0, nullptr));
  std::string out = os.str();
  EXPECT_EQ(0u, out.find("Command-Line arguments parsed:\n\nCommand-Line parameters set:\n"));
  EXPECT_NE(std::string::npos, out.find("-nums=number list (now: )\n"));
  EXPECT_NE(std::string::npos, out.find("-str=string (now: \"\")\n"));
  EXPECT_NE(std::string::npos, out.find("-strs=string list (now: )\n"));
  EXPECT_NE(std::string::npos, out.find("-sel=red|green|blue (now: red)\n"));
}

// A selection index set by the program beyond the words shows no word
// rather than reading past the list.
TEST(PrintOptionsHelpTest, SelectionIndexWithoutWord) {
  Options o;
  o.sel = 3;
  o.lang = -1;
  std::ostringstream help, shortForm;
  PrintOptionsHelp(o.table, help, 0, 0, nullptr);
  EXPECT_NE(std::string::npos, help.str().find("-sel=red|green|blue (now: )\n"));
  EXPECT_NE(std::string::npos, help.str().find("-lang=none|ansi74|ansi85 (now: )\n"));
  PrintOptionsShort(o.table, shortForm, 1);
  EXPECT_NE(std::string::npos, shortForm.str().find("-sel=\n"));
  EXPECT_NE(std::string::npos, shortForm.str().find("-lang=\n"));
}

const char* const kGoldenShort =
    "-flag\n"
    "-no-off\n"
    "-sel=green\n"
    "-num=42\n"
    "-nums=1,0,2\n"
    "-str=a b\n"
    "-strs=x,y z\n"
    "-lang=ansi85\n";

TEST(PrintOptionsShortTest, OneLinePerOptionOfTheMask) {
  Options o;
  std::ostringstream os;
  PrintOptionsShort(o.table, os, 1);
  EXPECT_EQ(kGoldenShort, os.str());
  std::ostringstream all;
  PrintOptionsShort(o.table, all, 0xff);
  EXPECT_EQ(std::string(kGoldenShort) + "-hidden=5\n", all.str());
}

TEST(PrintOptionsShortTest, OptionsToListHoldsTheSameLines) {
  Options o;
  VStringList list;
  list.Append(VString("kept"));
  OptionsToList(o.table, list, 1);
  std::string joined;
  int n = 0;
  for (VStringListNode* node = list.head; node; node = node->next, ++n)
    if (n > 0) joined += std::string(node->value.text) + "\n";
  EXPECT_STREQ("kept", list.head->value.text);
  EXPECT_EQ(kGoldenShort, joined);
}

TEST(PrintOptionShortTest, SingleRecords) {
  int v = 3;
  const struct {
    OrvCLFlag rec;
    const char* text;
  } cases[] = {
      {{'-', "", nullptr, nullptr, nullptr, nullptr, 0, "Heading", 7}, ""},
      {{0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0}, ""},
      {{'b', "x", &v, nullptr, nullptr, nullptr, 0, "", 1}, "-x"},
      {{'n', "x", &v, nullptr, nullptr, nullptr, 0, "", 1}, "-x=3"},
      {{'q', "x", &v, nullptr, nullptr, nullptr, 0, "", 1}, "-x=UNKNOWN-TYPE"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::ostringstream os;
    PrintOptionShort(c.rec, os);
    EXPECT_EQ(c.text, os.str());
  }
}

// The short listing read back sets the same values in fresh variables.
TEST(PrintOptionsShortTest, ReadBackThroughAnOptionString) {
  Options from;
  from.str = VString("plain");
  from.strs[1] = VString("yz");
  from.strs[2] = VString("w");
  from.strCount = 3;
  from.numCount = 4;
  std::ostringstream os;
  PrintOptionsShort(from.table, os, 0xff);
  std::string text = os.str();
  for (char& c : text)
    if (c == '\n') c = ' ';

  Options to;
  to.flag = 0;
  to.off = 1;
  to.sel = 0;
  to.num = 0;
  to.numCount = 0;
  to.str = VString();
  to.strCount = 0;
  to.lang = 0;
  to.hidden = 0;
  VStringList errors;
  EXPECT_EQ(0, ParseOptionString(to.table, VString(text.c_str()), errors));
  EXPECT_EQ(nullptr, errors.head);

  std::ostringstream again;
  PrintOptionsShort(to.table, again, 0xff);
  EXPECT_EQ(os.str(), again.str());
  EXPECT_EQ(1, to.flag);
  EXPECT_EQ(0, to.off);
  EXPECT_EQ(1, to.sel);
  EXPECT_EQ(42, to.num);
  EXPECT_EQ(4, to.numCount);
  EXPECT_EQ(77, to.nums[3]);
  EXPECT_STREQ("plain", to.str.text);
  EXPECT_EQ(3, to.strCount);
  EXPECT_STREQ("w", to.strs[2].text);
  EXPECT_EQ(2, to.lang);
  EXPECT_EQ(5, to.hidden);
}

// In an options file each line is one word, so values with spaces come
// back too.
TEST(PrintOptionsShortTest, ReadBackThroughAnOptionsFile) {
  Options from;
  std::stringstream file;
  PrintOptionsShort(from.table, file, 1);

  Options to;
  to.flag = 0;
  to.off = 1;
  to.num = 0;
  to.numCount = 0;
  to.str = VString();
  to.strCount = 0;
  to.strs[0] = VString();
  to.strs[1] = VString();
  to.lang = 0;
  VString error;
  EXPECT_EQ(0, ReadOptionsFile(to.table, file, error));
  EXPECT_EQ(nullptr, error.text);
  std::ostringstream again;
  PrintOptionsShort(to.table, again, 1);
  EXPECT_EQ(kGoldenShort, again.str());
  EXPECT_STREQ("y z", to.strs[1].text);
}

}  // namespace
