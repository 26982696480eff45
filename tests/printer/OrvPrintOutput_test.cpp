// Tests of the output columns: the indentation columns of the levels, the
// right margin and its continuation lines in the fixed and free formats,
// tabs, and the identification area or change mark after column 72.
#include "OrvPrintOutput.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvMessage.h"
#include "PrintTestSupport.h"

namespace {

using print_test::Leaf;
using print_test::Printed;
using print_test::PrintToString;
using print_test::TemplatePrinter;

using Setup = void (*)(OrvPrettyPrinterImpl&);

struct ColumnCase {
  const char* name;
  Setup setup;  // null: the defaults (fixed format, A/B rules, step 2)
  const char* templ;
  std::vector<std::string> children;
  std::string text;
  std::string warning;  // the one message expected, or none
};

const std::string k65(65, 'A');

void FreeFormat(OrvPrettyPrinterImpl& p) { p.gen_line_format = ORV_GEN_LINE_FREE; }
void FscFreeFormat(OrvPrettyPrinterImpl& p) { p.gen_line_format = ORV_GEN_LINE_FSC_FREE; }
void NumberedLines(OrvPrettyPrinterImpl& p) {
  p.gen_73to80_fmt = VString("%06d");
  p.gen_73to80_start = 100;
  p.gen_73to80_step = 10;
}
void DefaultNumbering(OrvPrettyPrinterImpl& p) { p.gen_73to80_fmt = VString("%08d"); }
void MarkConverted(OrvPrettyPrinterImpl& p) { p.gen_mark_conv = VString("CONV"); }
void NoAreaRules(OrvPrettyPrinterImpl& p) { p.gen_observe_ab_rules = 0; }

const char* const kMargin = "Out line 1: Attempting to print char '";

const ColumnCase kColumnCases[] = {
    // The 73rd character of a line continues on a hyphen line.
    {"WordCutAtTheMarginContinuesWithAHyphen", nullptr, "$1", {std::string(70, 'A')},
     "       " + k65 + "\n      -    AAAAA\n", std::string(kMargin) + "A' beyond right margin"},
    // A blank at the margin gives a line of eleven blanks, then the blank.
    {"BlankAtTheMarginContinuesWithBlanks", nullptr, "$1", {k65 + " B"},
     "       " + k65 + "\n            B\n", std::string(kMargin) + " ' beyond right margin"},
    // A word that begins at the margin is a new word: no hyphen joins it to
    // the word before.
    {"WordBeginningAtTheMarginGetsNoHyphen", nullptr, "$1", {std::string(64, 'A') + " B"},
     "       " + std::string(64, 'A') + " \n           B\n", std::string(kMargin) + "B' beyond right margin"},
    // Free formats: the margin is column 219 and the indicator column 0.
    {"FreeFormatContinuesWithAHyphenInColumnOne", FreeFormat, "$1", {std::string(230, 'A')},
     " " + std::string(218, 'A') + "\n-          " + std::string(12, 'A') + "\n",
     std::string(kMargin) + "A' beyond right margin"},
    {"FscFreeFormatContinuesWithAHyphenInColumnOne", FscFreeFormat, "$1", {std::string(230, 'A')},
     " " + std::string(218, 'A') + "\n-          " + std::string(12, 'A') + "\n",
     std::string(kMargin) + "A' beyond right margin"},
    // A tab moves to the next multiple of eight: from column 9 to 16.
    {"TabMovesToTheNextMultipleOfEight", nullptr, "$1", {"AB\tC" + std::string(70, 'D')},
     "       AB\tC" + std::string(55, 'D') + "\n      -    " + std::string(15, 'D') + "\n",
     std::string(kMargin) + "D' beyond right margin"},
    {"TabAtAMultipleOfEightMovesAWholeStop", nullptr, "$1", {"A\tC" + std::string(70, 'D')},
     "       A\tC" + std::string(55, 'D') + "\n      -    " + std::string(15, 'D') + "\n",
     std::string(kMargin) + "D' beyond right margin"},
    // The identification area after column 72: the line number formatted,
    // counted from the start by the step.
    {"LineNumbersFromTheStartByTheStep", NumberedLines, "$1{$2?\n$2}", {"A", "B"},
     "       A" + std::string(64, ' ') + "000100\n       B" + std::string(64, ' ') + "000110\n", ""},
    {"LineNumbersFromOneByOne", DefaultNumbering, "$1{$2?\n$2}", {"A", "B"},
     "       A" + std::string(64, ' ') + "00000001\n       B" + std::string(64, ' ') + "00000002\n", ""},
    {"GeneratedLinesCarryTheChangeMark", MarkConverted, "$1{$2?\n$2}", {"A", "B"},
     "       A" + std::string(64, ' ') + "CONV\n       B" + std::string(64, ' ') + "CONV\n", ""},
    // Levels: with the A/B rules level 1 is Area B (column 11), without them
    // Area A plus one step (column 9).
    {"LevelOneStartsInAreaB", nullptr, "$1{$2?\n\t$2}", {"A", "B"}, "       A\n           B\n", ""},
    {"LevelOneWithoutAreaRulesIsOneStepIn", NoAreaRules, "$1{$2?\n\t$2}", {"A", "B"}, "       A\n         B\n", ""},
    {"LevelTwoIsOneStepBeyondAreaB", nullptr, "$1{$2?\n\t\t$2}", {"A", "B"}, "       A\n             B\n", ""},
    // A level whose column would pass "gen-max-indent" starts there.
    {"DeepLevelsStopAtTheMaximumIndentation", nullptr, "$1{$2?\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t$2}", {"A", "B"},
     "       A\n" + std::string(40, ' ') + "B\n", ""},
    // Free format has no areas: level n starts in column 1 + n x step.
    {"FreeFormatIndentsFromColumnOneByTheStep", FreeFormat, "$1{$2?\n\t$2}", {"A", "B"}, " A\n   B\n", ""},
};

void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.name; }

class Columns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(Columns, PrintsTheExpectedLines) {
  const ColumnCase& c = GetParam();
  MessageRecorder recorder;
  TemplatePrinter p(STMT_READ, c.templ);
  if (c.setup != nullptr) c.setup(p.printer);
  std::unique_ptr<OrvExpr> node(new OrvExprOper(STMT_READ));
  for (size_t i = 0; i < c.children.size(); ++i) node->SetArg(static_cast<int>(i), Leaf(c.children[i]));
  const Printed out = PrintToString(p.printer, node.get());
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(out.text, c.text);
  if (c.warning.empty()) {
    EXPECT_TRUE(out.messages.empty()) << out.messages.front();
  } else {
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0], c.warning);
    EXPECT_EQ(out.levels[0], MSG_WARN);
  }
}

INSTANTIATE_TEST_SUITE_P(Output, Columns, ::testing::ValuesIn(kColumnCases),
                         [](const ::testing::TestParamInfo<ColumnCase>& info) { return std::string(info.param.name); });

}  // namespace
