// Tests of the template interpreter: the constructs of the template
// language in both passes, the break decisions that the measured widths
// drive, the messages and results of malformed templates, and the comments
// of token lists that a template prints.
#include "OrvTemplateInterp.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "MessageRecorder.h"
#include "OrvConstNodes.h"
#include "OrvMessage.h"
#include "OrvPrintResult.h"
#include "PrintTestSupport.h"

namespace {

using print_test::HasMessageEnding;
using print_test::Leaf;
using print_test::Node;
using print_test::Printed;
using print_test::PrintToString;
using print_test::TemplatePrinter;

// STMT_READ has ten slots: room for every template under test.
const int kOp = STMT_READ;

Printed PrintWith(const char* templ, OrvExpr* tree) {
  TemplatePrinter p(kOp, templ);
  std::unique_ptr<OrvExpr> owned(tree);
  return PrintToString(p.printer, tree);
}

struct Case {
  const char* name;
  const char* templ;
  std::vector<std::string> children;  // "" stands for an empty slot, "~" for a NULL_NODE
  std::string text;
};

OrvExpr* NodeOf(const std::vector<std::string>& children) {
  OrvExpr* node = new OrvExprOper(static_cast<OrvOper>(kOp));
  for (size_t i = 0; i < children.size(); ++i) {
    if (children[i].empty()) continue;
    node->SetArg(static_cast<int>(i), children[i] == "~" ? static_cast<OrvExpr*>(new OrvNullNode()) : Leaf(children[i]));
  }
  return node;
}

class TemplateText : public ::testing::TestWithParam<Case> {};

TEST_P(TemplateText, PrintsTheExpectedText) {
  const Case& c = GetParam();
  MessageRecorder recorder;
  const Printed p = PrintWith(c.templ, NodeOf(c.children));
  EXPECT_EQ(p.result, 0);
  EXPECT_EQ(p.text, c.text);
  EXPECT_TRUE(p.messages.empty()) << p.messages.front();
}

const std::string k25a(25, 'A');
const std::string k25b(25, 'B');
const std::string k25c(25, 'C');

const Case kCases[] = {
    {"Literal", "KEYWORD", {}, "       KEYWORD\n"},
    {"FirstChild", "GO $1", {"X"}, "       GO X\n"},
    {"PresentBranch", "A{$2? $2}", {"", "X"}, "       A X\n"},
    {"AbsentBranchOfEmptySlot", "A{$2? $2}", {}, "       A\n"},
    {"AbsentBranchOfNullNode", "A{$2? $2}", {"", "~"}, "       A\n"},
    {"ElseBranch", "A{$2? $2:-NONE}", {}, "       A-NONE\n"},
    {"ElseNotTakenWhenPresent", "A{$2? $2:-NONE}", {"", "X"}, "       A X\n"},
    {"Escape", "A\\|B\\:C", {}, "       A|B:C\n"},
    {"SilentSeparator", "A!B", {}, "       AB\n"},
    {"SkippedSeparator", "A~|B", {}, "       AB\n"},
    {"TailText", "A[.]", {}, "       A.\n"},
    {"LineBreakBackAtLevel", "A\n\tB\b\nC", {}, "       A\n           B\n       C\n"},
    {"LineBreakUndoesIndentation", "A\t\nB", {}, "       A\n       B\n"},
    {"TabStop", "A$p2B", {}, "       A               B\n"},
    {"RegisterColumn", "ABC^x\nD$xE", {}, "       ABC\n       D  E\n"},
    {"ListFormOnlyWhenLeading", "X @", {}, "       X @\n"},
    // A node that does not fit breaks every separator; with a leading byte
    // 13 only where the next piece does not fit.
    {"BreakAllWhenTooWide", "$1{$2=|$2}{$3=|$3}", {k25a, k25b, k25c},
     "       " + k25a + "\n           " + k25b + "\n           " + k25c + "\n"},
    {"LeadingCarriageReturnKeepsTheLine", "\r$1{$2=|$2}{$3=|$3}", {k25a, k25b, k25c},
     "       " + k25a + " " + k25b + "\n           " + k25c + "\n"},
    {"SameLevelSeparator", "$1{$2=&$2}{$3=&$3}", {k25a, k25b, k25c},
     "       " + k25a + "\n       " + k25b + "\n       " + k25c + "\n"},
    {"BreakIfNeededOnly", "$1{$2=%$2}{$3=%$3}", {k25a, k25b, k25c},
     "       " + k25a + " " + k25b + "\n       " + k25c + "\n"},
    {"FitsOnOneLine", "$1{$2=|$2}{$3=|$3}", {"A", "B", "C"}, "       A B C\n"},
};

INSTANTIATE_TEST_SUITE_P(Templates, TemplateText, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(TemplateInterp, ListFormPutsEachChildOnItsLineAtTheFirstColumn) {
  TemplatePrinter p(EX_LIST, "\r@\n");
  std::unique_ptr<OrvExpr> list(Node(EX_LIST, {Leaf("A"), Leaf("B"), Leaf("C")}));
  const Printed out = PrintToString(p.printer, list.get());
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(out.text, "       A\n       B\n       C\n");
}

TEST(TemplateInterp, ListFormAlignsWithTheFirstChildAfterABreak) {
  TemplatePrinter p(kOp, "MOVE X TO $1");
  std::unique_ptr<OrvExpr> list(Node(EX_LIST, {Leaf(k25a), Leaf(k25b), Leaf(k25c)}));
  OrvExpr* read = Node(kOp, {list.release()});
  std::unique_ptr<OrvExpr> owned(read);
  // EX_LIST is "@&": after a break the column of the first child again.
  const Printed out = PrintToString(p.printer, read);
  EXPECT_EQ(out.text, "       MOVE X TO " + k25a + "\n                 " + k25b + "\n                 " + k25c + "\n");
}

TEST(TemplateInterp, AnEmptyListPrintsNothing) {
  TemplatePrinter p(kOp, "A $1 B");
  std::unique_ptr<OrvExpr> read(Node(kOp, {Node(COPY_TOKEN_LIST, {})}));
  const Printed out = PrintToString(p.printer, read.get());
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(out.text, "       A  B\n");
  EXPECT_TRUE(out.messages.empty());
}

TEST(TemplateInterp, EqualsWarnsOfAnAbsentChild) {
  const Printed p = PrintWith("\r$1{$2=$2}", NodeOf({"A", "~"}));
  EXPECT_EQ(p.result, 0);
  EXPECT_EQ(p.text, "       A\n");
  // Once in each pass.
  ASSERT_EQ(p.messages.size(), 2u);
  for (size_t i = 0; i < p.messages.size(); ++i) {
    EXPECT_EQ(p.messages[i], "STMT_READ: PrettyPrint: arg #1 must not be NULL");
    EXPECT_EQ(p.levels[i], MSG_WARN);
  }
}

TEST(TemplateInterp, ChildOutsideAConditionalIsReported) {
  const Printed p = PrintWith("$1 $2", NodeOf({"A", "B"}));
  EXPECT_EQ(p.result, 0);
  EXPECT_EQ(p.text, "       A B\n");
  EXPECT_TRUE(HasMessageEnding(p, "PrettyPrint: $2: this arg must be enclosed in {...}"));
  EXPECT_EQ(p.levels[0], MSG_ERR);
}

struct Failure {
  const char* name;
  const char* templ;
  int result;
  const char* message;
};

class TemplateFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(TemplateFailure, StopsWithTheResultAndTheMessage) {
  const Failure& f = GetParam();
  const Printed p = PrintWith(f.templ, NodeOf({"A", "B"}));
  EXPECT_EQ(p.result, f.result);
  EXPECT_TRUE(HasMessageEnding(p, f.message)) << (p.messages.empty() ? "(none)" : p.messages.back());
}

const std::string k700Separators = std::string(700, '|');

const Failure kFailures[] = {
    {"NestedConditional", "{$1?{$2?x}}", ORV_PRINT_BAD_TEMPLATE, "PrettyPrint: conditional expression max depth is 1"},
    {"DollarExpectedAfterBrace", "{x}", ORV_PRINT_BAD_COMMAND, "PrettyPrint: '$' expected after '{'"},
    {"QuestionExpected", "{$1!x}", ORV_PRINT_BAD_TEMPLATE, "PrettyPrint: '?' expected after $arg"},
    {"NotClosed", "{$3?x", ORV_PRINT_BAD_TEMPLATE, "PrettyPrint: conditional expression not closed with '}'"},
    {"ColonOutside", "A:B", ORV_PRINT_BAD_TEMPLATE, "PrettyPrint: ':' not in conditional expression"},
    {"CloseOutside", "A}", ORV_PRINT_BAD_TEMPLATE, "PrettyPrint: '}' have no conditional expression to close"},
    {"ArgumentZero", "$0", ORV_PRINT_BAD_ARG, "GetArgNo: illegal argument: $0"},
    {"ArgumentTooLarge", "$12345", ORV_PRINT_BAD_ARG, "GetArgNo: illegal argument: $12345"},
    {"ArgumentOutOfRange", "{$11?x}", ORV_PRINT_BAD_ARG, "GetArgNo: argument number out of range: $11"},
    {"BadDollar", "$q", ORV_PRINT_NO_TEMPLATE, "PrettyPrint: bad arg: $q"},
    {"UnknownRegister", "^y", ORV_PRINT_BAD_COMMAND, "PrettyPrint: command ^: unknown register 'y'"},
    {"TabStopBeyondList", "$p7", ORV_PRINT_BAD_ARG, "PrettyPrint: command $pN: bad number: 7"},
    {"TailNotClosed", "A[.", ORV_PRINT_BAD_TEMPLATE, "PrettyPrint: tail text not closed with ']'"},
    {"TextAfterTail", "A[.]B", ORV_PRINT_BAD_TEMPLATE, "PrettyPrint: text follows after tail"},
    {"TooManySubdivisions", k700Separators.c_str(), ORV_PRINT_TOO_MANY_SUBDIVISIONS,
     "OrvExprOper::print: too many subdivisions"},
};

INSTANTIATE_TEST_SUITE_P(Templates, TemplateFailure, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<Failure>& info) { return std::string(info.param.name); });

TEST(TemplateInterp, SeparatorsAfterALineBreakAreReportedAndPrinted) {
  const Printed p = PrintWith("A\nB|C", NodeOf({}));
  EXPECT_EQ(p.result, 0);
  EXPECT_EQ(p.text, "       A\n       B C\n");
  EXPECT_TRUE(HasMessageEnding(p, "PrettyPrint: non-'\\n' separators after '\\n'"));
}

TEST(TemplateInterp, RegisterAtTheMarginCannotBePositionedTo) {
  const std::string templ = std::string(65, 'X') + "^x\n$x";
  const Printed p = PrintWith(templ.c_str(), NodeOf({}));
  EXPECT_EQ(p.result, ORV_PRINT_NO_TEMPLATE);
  EXPECT_TRUE(HasMessageEnding(p, "PrettyPrint: command $x: cannot position to column 72"));
}

TEST(TemplateInterp, NonPrintableBytesAreReportedAndPrinted) {
  const Printed p = PrintWith("A\x01", NodeOf({}));
  EXPECT_EQ(p.result, 0);
  EXPECT_EQ(p.text, "       A\x01\n");
  EXPECT_TRUE(HasMessageEnding(p, "OrvExprOper::print: non-printable character 1"));
}

TEST(TemplateInterp, SwallowDropsTheNextLineBreakAtColumnZero) {
  // A comment line ends the line; the line break that follows it in the
  // template is not wanted.
  const Printed p = PrintWith("A\n\xff\nB", NodeOf({}));
  EXPECT_EQ(p.text, "       A\n       B\n");
}

// --- comments of token lists --------------------------------------------

TEST(TemplateInterp, CommentsInFrontOfAChildStandBeforeItsText) {
  OrvExpr* read = NodeOf({"A", "B"});
  OrvToken* comment = print_test::Comment("* BEFORE B");
  read->ArgSlots(1)->tokens.Append(comment);
  const Printed p = PrintWith("GO $1{$2=|TO $2}", read);
  EXPECT_EQ(p.text, "       GO A\n      * BEFORE B\n       TO B\n");
}

TEST(TemplateInterp, CommentsOfAnAbsentChildAreNotLost) {
  OrvExpr* read = NodeOf({"A"});
  OrvToken* comment = print_test::Comment("* KEPT");
  read->ArgSlots(1)->tokens.Append(comment);
  const Printed p = PrintWith("GO $1{$2? TO $2}", read);
  EXPECT_EQ(p.text, "       GO A\n      * KEPT\n");
}

TEST(TemplateInterp, TailCommentsPrintAtTheTailOnce) {
  OrvExpr* read = NodeOf({"A"});
  OrvToken* comment = print_test::Comment("* TAIL");
  read->Tokens().Append(comment);
  const Printed p = PrintWith("GO $1[.]", read);
  EXPECT_EQ(p.text, "       GO A\n      * TAIL\n       .\n");
}

TEST(TemplateInterp, TailCommentsOfANodeWithoutTailTextPrintAtItsEnd) {
  OrvExpr* read = NodeOf({"A"});
  OrvToken* comment = print_test::Comment("* AFTER");
  read->Tokens().Append(comment);
  const Printed p = PrintWith("GO $1", read);
  EXPECT_EQ(p.text, "       GO A\n      * AFTER\n");
}

TEST(TemplateInterp, TailCommentsOfANodeWithoutChildrenPrintFirstAndOnce) {
  OrvExpr* read = NodeOf({});
  OrvToken* comment = print_test::Comment("* FIRST");
  read->Tokens().Append(comment);
  const Printed p = PrintWith("EXIT[.]", read);
  EXPECT_EQ(p.text, "      * FIRST\n       EXIT.\n");
}

}  // namespace
