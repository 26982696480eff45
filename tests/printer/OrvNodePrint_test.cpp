// Tests of node printing: leaves, string literals continued at the right
// margin, comment lines in each line format, comments kept between the
// words of a parsed statement, COPY markers that match no member output,
// and the indentation level checked when a node ends.
#include "OrvNodePrint.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvMessage.h"
#include "OrvPrintResult.h"
#include "PrintTestSupport.h"
#include "RoundTrip.h"
#include "ScratchDir.h"

namespace {

using print_test::Comment;
using print_test::FindFirst;
using print_test::HasMessageEnding;
using print_test::Leaf;
using print_test::Node;
using print_test::Printed;
using print_test::PrintToString;
using print_test::TemplatePrinter;

OrvExpr* Literal(const std::string& image) { return new OrvStrConst(VString(image.c_str())); }
OrvExpr* Quoted(const std::string& text) { return Literal("\"" + text + "\""); }

std::string Hundred() {
  std::string text;
  for (int i = 0; i < 10; ++i) text += "1234567890";
  return text;
}

// Prints a STMT_READ node of the given children with the template.
Printed PrintWith(const std::string& templ, std::vector<OrvExpr*> children,
                  void (*setup)(OrvPrettyPrinterImpl&) = nullptr) {
  TemplatePrinter p(STMT_READ, templ.c_str());
  if (setup != nullptr) setup(p.printer);
  std::unique_ptr<OrvExpr> node(new OrvExprOper(STMT_READ));
  for (size_t i = 0; i < children.size(); ++i) node->SetArg(static_cast<int>(i), children[i]);
  return PrintToString(p.printer, node.get());
}

TEST(NodePrint, LongLiteralContinuesBelowItsOpeningColumnAndParsesBack) {
  MessageRecorder recorder;
  OrvPrettyPrinterImpl printer;
  std::unique_ptr<OrvExpr> move(Node(STMT_MOVE, {Quoted(Hundred()), Node(IDENT_LIST, {Leaf("B")})}));
  const Printed out = PrintToString(printer, move.get());
  EXPECT_EQ(out.result, 0);
  EXPECT_TRUE(out.messages.empty());
  const std::string expected =
      "       MOVE \"12345678901234567890123456789012345678901234567890123456789\n"
      "      -     \"01234567890123456789012345678901234567890\"\n"
      "           TO B\n";
  ASSERT_EQ(out.text, expected);

  // The statement in a program parses to the same hundred characters.
  ScratchDir dir;
  const std::string path = dir.Write("again.cbl", "       IDENTIFICATION DIVISION.\n"
                                                  "       PROGRAM-ID. AGAIN.\n"
                                                  "       DATA DIVISION.\n"
                                                  "       WORKING-STORAGE SECTION.\n"
                                                  "       01 B PIC X(100).\n"
                                                  "       PROCEDURE DIVISION.\n" +
                                                      out.text + "           STOP RUN.\n");
  round_trip::Parse parse(path, round_trip::ParseSettings());
  EXPECT_TRUE(parse.SyntaxErrors().empty());
  OrvExpr* again = FindFirst(parse.tree, STMT_MOVE);
  ASSERT_NE(again, nullptr);
  ASSERT_NE(again->Args(0), nullptr);
  ASSERT_EQ(again->Args(0)->Oper(), STR_CONST);
  EXPECT_EQ(Str(static_cast<OrvStrConst*>(again->Args(0))->StrValue()), Hundred());
}

// Where a literal starts and how it continues.
struct LiteralCase {
  const char* name;
  std::string templ;
  std::string image;
  std::string text;
};

const LiteralCase kLiteralCases[] = {
    // At a line start: in its level's column when it fits there...
    {"FitsInItsLevelColumn", "$1", "\"" + std::string(60, 'L') + "\"", "       \"" + std::string(60, 'L') + "\"\n"},
    // ... else in Area B, else in Area A ...
    {"MovesToAreaBWhenItFitsThere", "\t\t$1", "\"" + std::string(58, 'L') + "\"",
     "           \"" + std::string(58, 'L') + "\"\n"},
    {"MovesToAreaAWhenItFitsOnlyThere", "\t\t$1", "\"" + std::string(61, 'L') + "\"",
     "       \"" + std::string(61, 'L') + "\"\n"},
    // ... else at its level, continued with the quote in Area B.
    {"TooLongForAnyAreaContinuesFromItsLevel", "\t\t$1", "\"" + std::string(68, 'L') + "\"",
     "             \"" + std::string(58, 'L') + "\n      -    \"" + std::string(10, 'L') + "\"\n"},
    // A literal opening beyond column 39 continues in Area B.
    {"OpeningBeyondColumn39ContinuesInAreaB", "\r" + std::string(40, 'X') + " $1", "\"" + std::string(50, 'L') + "\"",
     "       " + std::string(40, 'X') + " \"" + std::string(23, 'L') + "\n      -    \"" + std::string(27, 'L') +
         "\"\n"},
    // A literal whose quote would stand beyond the margin starts a new line:
    // a continuation cannot open a literal.
    {"QuoteAtTheMarginStartsANewLine", "\r" + std::string(64, 'X') + " $1", "\"" + std::string(10, 'L') + "\"",
     "       " + std::string(64, 'X') + " \n       \"" + std::string(10, 'L') + "\"\n"},
    {"QuoteJustBeforeTheMarginContinuesAtOnce", "\r" + std::string(63, 'X') + " $1", "\"" + std::string(10, 'L') + "\"",
     "       " + std::string(63, 'X') + " \"\n      -    \"" + std::string(10, 'L') + "\"\n"},
    // A prefixed literal reopens with its quote, not its prefix.
    {"PrefixedLiteralReopensWithItsQuote", "\t\t$1", "X'" + std::string(66, '4') + "'",
     "             X'" + std::string(57, '4') + "\n      -    '" + std::string(9, '4') + "'\n"},
};

void PrintTo(const LiteralCase& c, std::ostream* os) { *os << c.name; }

class LiteralContinuation : public ::testing::TestWithParam<LiteralCase> {};

TEST_P(LiteralContinuation, PrintsTheExpectedLines) {
  const LiteralCase& c = GetParam();
  MessageRecorder recorder;
  const Printed out = PrintWith(c.templ, {Literal(c.image)});
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(out.text, c.text);
  EXPECT_TRUE(out.messages.empty()) << out.messages.front();
}

INSTANTIATE_TEST_SUITE_P(NodePrint, LiteralContinuation, ::testing::ValuesIn(kLiteralCases),
                         [](const ::testing::TestParamInfo<LiteralCase>& info) { return std::string(info.param.name); });

TEST(NodePrint, CommentBetweenTheWordsOfAParsedStatementStaysThere) {
  MessageRecorder recorder;
  round_trip::Parse parse(std::string(LARK_TEST_DATA) + "/printer/move_comment.cbl", round_trip::ParseSettings());
  ASSERT_TRUE(parse.SyntaxErrors().empty());
  OrvExpr* move = FindFirst(parse.tree, STMT_MOVE);
  ASSERT_NE(move, nullptr);
  OrvPrettyPrinterImpl printer;
  const Printed out = PrintToString(printer, move);
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(out.text, "       MOVE A\n      * KEEP THIS\n       TO B\n");
  EXPECT_TRUE(out.messages.empty());
}

// Comment lines: six blanks and the indicator in the fixed formats, the
// indicator in column 0 in free format, "*>" in fsc-free; the text is cut
// at the right margin.
struct CommentCase {
  const char* name;
  int format;
  std::string comment;
  std::string text;
};

const CommentCase kCommentCases[] = {
    {"FixedComment", ORV_GEN_LINE_FIXED, "* NOTE", "      * NOTE\n       A\n"},
    {"FixedPageEject", ORV_GEN_LINE_FIXED, "/ NEW PAGE", "      / NEW PAGE\n       A\n"},
    {"IndicatorHighBitCleared", ORV_GEN_LINE_FIXED, "\xaa MARKED", "      * MARKED\n       A\n"},
    {"DirectiveStartsInColumnZero", ORV_GEN_LINE_FIXED, "#DEFINE X", "#DEFINE X\n       A\n"},
    {"LeadingByte13TakesTheNextCharacterAsIndicator", ORV_GEN_LINE_FIXED, "\r* ANY", "* ANY\n       A\n"},
    {"FixedCommentCutAtTheMargin", ORV_GEN_LINE_FIXED, "*" + std::string(80, 'C'),
     "      *" + std::string(65, 'C') + "\n       A\n"},
    {"FreeComment", ORV_GEN_LINE_FREE, "* NOTE", "* NOTE\n A\n"},
    {"FscFreeComment", ORV_GEN_LINE_FSC_FREE, "* NOTE", " *> NOTE\n A\n"},
};

void PrintTo(const CommentCase& c, std::ostream* os) { *os << c.name; }

class CommentLines : public ::testing::TestWithParam<CommentCase> {};

TEST_P(CommentLines, PrintsTheExpectedLine) {
  const CommentCase& c = GetParam();
  MessageRecorder recorder;
  TemplatePrinter p(STMT_READ, "$1");
  p.printer.gen_line_format = c.format;
  std::unique_ptr<OrvExpr> node(Node(STMT_READ, {Leaf("A")}));
  OrvToken* comment = Comment(c.comment);
  node->ArgSlots(0)->tokens.Append(comment);
  const Printed out = PrintToString(p.printer, node.get());
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(out.text, c.text);
  EXPECT_TRUE(out.messages.empty()) << out.messages.front();
}

INSTANTIATE_TEST_SUITE_P(NodePrint, CommentLines, ::testing::ValuesIn(kCommentCases),
                         [](const ::testing::TestParamInfo<CommentCase>& info) { return std::string(info.param.name); });

TEST(NodePrint, CommentsAreLeftOutWhenTheOptionIsOff) {
  MessageRecorder recorder;
  TemplatePrinter p(STMT_READ, "$1");
  p.printer.gen_print_comments = 0;
  std::unique_ptr<OrvExpr> node(Node(STMT_READ, {Leaf("A")}));
  OrvToken* gone = Comment("* GONE");
  OrvToken* stays = new OrvToken(CM_PERSISTENT, VString("* STAYS"), OrvTxtPosn(), OrvTxtPosn());
  node->ArgSlots(0)->tokens.Append(gone);
  node->ArgSlots(0)->tokens.Append(stays);
  const Printed out = PrintToString(p.printer, node.get());
  EXPECT_EQ(out.text, "      * STAYS\n       A\n");
}

// COPY markers that open or close no member print as comment lines.
OrvExpr* BeginMarker(const std::string& name, int level) { return print_test::BeginMarker(name, name, level); }
using print_test::EndMarker;

TEST(NodePrint, MarkersWithoutACopyDirectoryPrintAsEnterAndExitComments) {
  MessageRecorder recorder;
  OrvPrettyPrinterImpl printer;
  std::unique_ptr<OrvExpr> list(
      Node(STMT_LIST, {BeginMarker("M.cpy", 1), Node(STMT_CONTINUE, {}), EndMarker("M.cpy", 0)}));
  Printed out = PrintToString(printer, list.get());
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(out.text, "      * === Enter copylib M.cpy ===\n       CONTINUE\n      * === Exit copylib M.cpy ===\n");
  EXPECT_TRUE(out.messages.empty());

  printer.gen_enter_exit_copy_comments = 0;
  out = PrintToString(printer, list.get());
  EXPECT_EQ(out.text, "       CONTINUE\n");
}

TEST(NodePrint, EndMarkerThatClosesNoMemberIsWarnedAndPrintedAsAComment) {
  MessageRecorder recorder;
  ScratchDir dir;
  OrvPrettyPrinterImpl printer;
  printer.gen_copy_dir = VString(dir.Path("out").c_str());
  std::unique_ptr<OrvExpr> list(Node(STMT_LIST, {Node(STMT_CONTINUE, {}), EndMarker("M.cpy", 0)}));
  const Printed out = PrintToString(printer, list.get());
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(out.text, "       CONTINUE\n      * === Exit copylib M.cpy ===\n");
  EXPECT_TRUE(HasMessageEnding(
      out, "SourcePrint: finishing Copybook 'M.cpy' of level 0: this copybook was not started. Finish command ignored."));
}

TEST(NodePrint, BeginMarkerOfTheWrongLevelIsWarnedAndPrintedAsAComment) {
  MessageRecorder recorder;
  ScratchDir dir;
  OrvPrettyPrinterImpl printer;
  printer.gen_copy_dir = VString(dir.Path("out").c_str());
  std::unique_ptr<OrvExpr> list(Node(STMT_LIST, {BeginMarker("M.cpy", 3), Node(STMT_CONTINUE, {})}));
  const Printed out = PrintToString(printer, list.get());
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(out.text, "      * === Enter copylib M.cpy ===\n       CONTINUE\n");
  // The marker has no position: the message names no file.
  EXPECT_EQ(out.messages, std::vector<std::string>{"SourcePrint: starting Copybook 'M.cpy' of level 3: copybook was NOT "
                                                   "expected to be started at level 1. Copybook creation command "
                                                   "ignored."});
}

// Ten members nest; an eleventh finds no room on the stack and is printed
// as a comment in the tenth member's file.  (The end marker of the member
// opened at level n carries level n.)
TEST(NodePrint, BeginMarkerBeyondTheLastStackEntryIsPrintedAsAComment) {
  MessageRecorder recorder;
  ScratchDir dir;
  OrvPrettyPrinterImpl printer;
  printer.gen_copy_dir = VString((dir.path() + "/").c_str());
  std::vector<OrvExpr*> items;
  for (int level = 1; level <= 11; ++level) items.push_back(BeginMarker("M" + std::to_string(level) + ".cpy", level));
  items.push_back(Node(STMT_CONTINUE, {}));
  for (int level = 10; level >= 1; --level) items.push_back(EndMarker("M" + std::to_string(level) + ".cpy", level));
  OrvExpr* list = new OrvExprOper(STMT_LIST, items.data(), static_cast<int>(items.size()));
  std::unique_ptr<OrvExpr> owned(list);
  const Printed out = PrintToString(printer, list);
  EXPECT_EQ(out.result, 0);
  EXPECT_TRUE(HasMessageEnding(out, "SourcePrint: starting Copybook 'M11.cpy' of level 11: copybook was NOT expected to "
                                    "be started at level 11. Copybook creation command ignored."));
  EXPECT_EQ(round_trip::ReadFile(dir.Path("M10.cpy")), "      * === Enter copylib M11.cpy ===\n       CONTINUE\n");
  EXPECT_EQ(round_trip::ReadFile(dir.Path("M1.cpy")), "       COPY M2.cpy .\n");
}

TEST(NodePrint, NegativeIndentationLevelStopsThePrint) {
  MessageRecorder recorder;
  const Printed out = PrintWith("\b\b$1", {Node(STMT_CONTINUE, {})});
  EXPECT_EQ(out.result, ORV_PRINT_BAD_INDENT);
  EXPECT_TRUE(HasMessageEnding(out, "PrettyPrint: negative gen_xtart: -2"));
}

}  // namespace
