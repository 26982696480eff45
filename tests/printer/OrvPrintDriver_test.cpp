// Tests of the print driver: output files and strings, the refusals of a
// nested print, of bad settings and of output onto sources, write failures,
// the line format's margins, the copy directory, the fragment print and
// the report routines without a message list.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvLineIdFormat.h"
#include "OrvMessage.h"
#include "OrvPrintMessages.h"
#include "OrvPrintResult.h"
#include "PrintTestSupport.h"
#include "RoundTrip.h"
#include "ScratchDir.h"

namespace {

using print_test::HasMessageEnding;
using print_test::Leaf;
using print_test::Node;
using print_test::Printed;
using print_test::PrintToString;
using print_test::TakeMessages;
using print_test::TemplatePrinter;

OrvExpr* Continue() { return Node(STMT_CONTINUE, {}); }

Printed PrintToFile(OrvPrettyPrinterImpl& printer, const std::string& path, OrvExpr* tree) {
  Printed p;
  OrvTokenList messages;
  p.result = printer.PrintFile(VString(path.c_str()), tree, &messages);
  TakeMessages(messages, p);
  p.text = round_trip::ReadFile(path);
  return p;
}

TEST(PrintDriver, FileInAMissingDirectoryIsNotOpened) {
  MessageRecorder recorder;
  ScratchDir dir;
  OrvPrettyPrinterImpl printer;
  std::unique_ptr<OrvExpr> tree(Continue());
  OrvTokenList messages;
  const std::string path = dir.Path("missing/out.cbl");
  EXPECT_EQ(printer.PrintFile(VString(path.c_str()), tree.get(), &messages), ORV_PRINT_CANNOT_WRITE);
  ASSERT_EQ(messages.Count(), 1);
  const OrvToken* message = messages.First();
  EXPECT_EQ(Str(message->Image()), "Cannot open file '" + path + "' for output");
  EXPECT_EQ(message->code, MSG_ERR);
  EXPECT_FALSE(message->begin.IsSet());
}

TEST(PrintDriver, FileThatCannotBeWrittenIsReported) {
  MessageRecorder recorder;
  std::ifstream full("/dev/full");
  if (!full) GTEST_SKIP() << "no /dev/full";
  OrvPrettyPrinterImpl printer;
  std::unique_ptr<OrvExpr> tree(Continue());
  OrvTokenList messages;
  EXPECT_EQ(printer.PrintFile(VString("/dev/full"), tree.get(), &messages), ORV_PRINT_CANNOT_WRITE);
  Printed p;
  TakeMessages(messages, p);
  EXPECT_EQ(p.messages, std::vector<std::string>{"Cannot write file '/dev/full'"});
  EXPECT_EQ(p.levels, std::vector<int>{MSG_ERR});
}

TEST(PrintDriver, ParsedSourceIsNotOverwritten) {
  MessageRecorder recorder;
  ScratchDir dir;
  const std::string source = "       IDENTIFICATION DIVISION.\n       PROGRAM-ID. SELF.\n       PROCEDURE DIVISION.\n"
                             "           STOP RUN.\n";
  const std::string path = dir.Write("self.cbl", source);
  round_trip::Parse parse(path, round_trip::ParseSettings());
  ASSERT_NE(parse.tree, nullptr);
  OrvPrettyPrinterImpl printer;
  // Another name of the same file is refused too.
  for (const std::string& target : {path, dir.path() + "/./self.cbl"}) {
    SCOPED_TRACE(target);
    OrvTokenList messages;
    EXPECT_EQ(printer.PrintFile(VString(target.c_str()), parse.tree, &messages), ORV_PRINT_CANNOT_WRITE);
    Printed p;
    TakeMessages(messages, p);
    EXPECT_EQ(p.messages,
              std::vector<std::string>{"Output file '" + target + "' is a source file; it is not overwritten"});
    EXPECT_EQ(p.levels, std::vector<int>{MSG_ERR});
    EXPECT_EQ(round_trip::ReadFile(path), source);
  }
}

TEST(PrintDriver, StringHoldsWhatTheFileHolds) {
  MessageRecorder recorder;
  ScratchDir dir;
  OrvPrettyPrinterImpl printer;
  std::unique_ptr<OrvExpr> tree(
      Node(STMT_LIST, {Continue(), Node(STMT_MOVE, {Leaf("A"), Node(IDENT_LIST, {Leaf("B"), Leaf("C")})})}));
  const Printed inFile = PrintToFile(printer, dir.Path("out.cbl"), tree.get());
  const Printed inString = PrintToString(printer, tree.get());
  EXPECT_EQ(inFile.result, 0);
  EXPECT_EQ(inString.result, 0);
  EXPECT_EQ(inString.text, "       CONTINUE\n       MOVE A TO B C\n");
  EXPECT_EQ(inFile.text, inString.text);
}

// The last line is ended once: a tree whose text ends with a line break
// gets no further one.
TEST(PrintDriver, LastLineIsEndedOnce) {
  MessageRecorder recorder;
  for (const char* templ : {"GO", "GO\n"}) {
    TemplatePrinter p(STMT_CONTINUE, templ);
    std::unique_ptr<OrvExpr> tree(Continue());
    EXPECT_EQ(PrintToString(p.printer, tree.get()).text, "       GO\n");
  }
}

// A print started while a print runs (here by a node's print operation)
// is refused into its own list; the running print goes on reporting into
// its list.
class NestingLeaf : public OrvCharString {
 public:
  NestingLeaf() : OrvCharString(VString("A")) {}
  OrvResult PrettyPrintOper(int measure, int forceBreak) override {
    if (!measure) {
      std::unique_ptr<OrvExpr> other(Continue());
      VString text;
      nestedResult = nested.PrintString(text, other.get(), &nestedMessages);
      nestedText = Str(text);
    }
    return OrvCharString::PrettyPrintOper(measure, forceBreak);
  }
  OrvPrettyPrinterImpl nested;
  OrvTokenList nestedMessages;
  OrvResult nestedResult = -1;
  std::string nestedText;
};

TEST(PrintDriver, NestedPrintIsRefusedIntoItsOwnList) {
  MessageRecorder recorder;
  TemplatePrinter p(STMT_READ, "$1{$2=$2}");
  NestingLeaf* leaf = new NestingLeaf();
  std::unique_ptr<OrvExpr> tree(Node(STMT_READ, {leaf, new OrvNullNode()}));
  const Printed out = PrintToString(p.printer, tree.get());

  EXPECT_EQ(leaf->nestedResult, ORV_PRINT_BUSY);
  EXPECT_EQ(leaf->nestedText, "");
  Printed nested;
  TakeMessages(leaf->nestedMessages, nested);
  ASSERT_EQ(nested.messages.size(), 1u);
  // The node has no position: the message begins with its operation.
  EXPECT_EQ(nested.messages.front(), "STMT_CONTINUE: PrettyPrint is already in use");

  // The running print finished, with its own warnings in its own list.
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(out.text, "       A\n");
  EXPECT_FALSE(HasMessageEnding(out, "PrettyPrint is already in use"));
  EXPECT_TRUE(HasMessageEnding(out, "PrettyPrint: arg #1 must not be NULL"));
  EXPECT_EQ(OrvCurrentPrinter, &p.printer);
  EXPECT_EQ(OrvPrintBusy, 0);
}

TEST(PrintDriver, PrinterThatGoesIsNoLongerCurrent) {
  MessageRecorder recorder;
  {
    OrvPrettyPrinterImpl printer;
    std::unique_ptr<OrvExpr> tree(Continue());
    PrintToString(printer, tree.get());
    EXPECT_EQ(OrvCurrentPrinter, &printer);
  }
  EXPECT_EQ(OrvCurrentPrinter, nullptr);
}

// Settings that stop the print before anything is written.
struct BadSettingCase {
  const char* name;
  void (*setup)(OrvPrettyPrinterImpl&);
  std::string message;
};

const BadSettingCase kBadSettings[] = {
    {"IndentationStepZero", [](OrvPrettyPrinterImpl& p) { p.gen_indent_step = 0; },
     "PrettyPrint: negative indentation step: 0"},
    {"IndentationStepNegative", [](OrvPrettyPrinterImpl& p) { p.gen_indent_step = -3; },
     "PrettyPrint: negative indentation step: -3"},
    {"LineNumberFormatOfAString", [](OrvPrettyPrinterImpl& p) { p.gen_73to80_fmt = VString("%s"); },
     "PrettyPrint: bad gen-73to80-fmt: %s"},
    {"LineNumberFormatOfTwoNumbers", [](OrvPrettyPrinterImpl& p) { p.gen_73to80_fmt = VString("%d%d"); },
     "PrettyPrint: bad gen-73to80-fmt: %d%d"},
};

void PrintTo(const BadSettingCase& c, std::ostream* os) { *os << c.name; }

class BadSetting : public ::testing::TestWithParam<BadSettingCase> {};

TEST_P(BadSetting, StopsThePrintBeforeWriting) {
  const BadSettingCase& c = GetParam();
  MessageRecorder recorder;
  OrvPrettyPrinterImpl printer;
  c.setup(printer);
  std::unique_ptr<OrvExpr> tree(Continue());
  const Printed out = PrintToString(printer, tree.get());
  EXPECT_EQ(out.result, ORV_PRINT_BAD_SETTING);
  EXPECT_EQ(out.text, "");
  ASSERT_EQ(out.messages.size(), 1u);
  EXPECT_TRUE(HasMessageEnding(out, c.message)) << out.messages[0];
  EXPECT_EQ(out.levels[0], MSG_SEVERE);
}

INSTANTIATE_TEST_SUITE_P(PrintDriver, BadSetting, ::testing::ValuesIn(kBadSettings),
                         [](const ::testing::TestParamInfo<BadSettingCase>& info) { return std::string(info.param.name); });

// The identification-area format: one integer conversion with its flags,
// width and precision, "%%" anywhere.
struct FormatCase {
  const char* format;
  bool valid;
  const char* text;  // of the number 42, when valid
};

const FormatCase kFormats[] = {
    {"%06d", true, "000042"},   {"%-8x", true, "2a      "}, {"LN%5.3i", true, "LN  042"}, {"%%%o%%", true, "%52%"},
    {"%+d", true, "+42"},       {"%u", true, "42"},         {"%s", false, ""},          {"%d%d", false, ""},
    {"ABC", false, ""},         {"%", false, ""},           {"%ld", false, ""},         {"%*d", false, ""},
    {"%n", false, ""},          {"%5", false, ""},          {"%f", false, ""},          {"%d%", false, ""},
};

TEST(PrintDriver, LineNumberFormatsHoldOneIntegerConversion) {
  for (const FormatCase& c : kFormats) {
    SCOPED_TRACE(c.format);
    const VString format(c.format);
    EXPECT_EQ(OrvLineIdFormatIsValid(format), c.valid);
    if (!c.valid) continue;
    char text[ORV_LINE_ID_TEXT_ROOM];
    const int n = OrvFormatLineId(format, 42, text);
    EXPECT_EQ(std::string(text, static_cast<size_t>(n)), c.text);
  }
}

TEST(PrintDriver, FreeFormatWidensTheMarginAndDropsTheAreaRulesForGood) {
  MessageRecorder recorder;
  TemplatePrinter p(STMT_READ, "$1");
  p.printer.gen_line_format = ORV_GEN_LINE_FREE;
  p.printer.gen_observe_ab_rules = 1;
  std::unique_ptr<OrvExpr> tree(Node(STMT_READ, {Leaf(std::string(218, 'A'))}));
  const Printed out = PrintToString(p.printer, tree.get());
  EXPECT_EQ(out.text, " " + std::string(218, 'A') + "\n");
  EXPECT_TRUE(out.messages.empty());
  EXPECT_EQ(p.printer.gen_observe_ab_rules, 0);
}

// The copy directory is joined to a member's name with a '/' unless it
// ends with a separator already.
struct CopyDirCase {
  const char* name;
  const char* dir;     // inside the scratch directory
  const char* member;  // the file the member is written to, inside it
};

const CopyDirCase kCopyDirs[] = {
    {"WithoutSeparator", "out", "out/M.cpy"},
    {"WithSlash", "out/", "out/M.cpy"},
    {"WithBackslash", "out\\", "out\\M.cpy"},
};

void PrintTo(const CopyDirCase& c, std::ostream* os) { *os << c.name; }

class CopyDirectory : public ::testing::TestWithParam<CopyDirCase> {};

OrvExpr* CopiedContinue() {
  return Node(STMT_LIST,
              {print_test::BeginMarker("M", "M.cpy", 1), Continue(), print_test::EndMarker("M.cpy", 1)});
}

TEST_P(CopyDirectory, MemberIsWrittenUnderIt) {
  const CopyDirCase& c = GetParam();
  MessageRecorder recorder;
  ScratchDir dir;
  OrvPrettyPrinterImpl printer;
  printer.gen_copy_dir = VString(dir.Path(c.dir).c_str());
  std::unique_ptr<OrvExpr> tree(CopiedContinue());
  const Printed out = PrintToString(printer, tree.get());
  EXPECT_EQ(out.result, 0);
  EXPECT_TRUE(out.messages.empty()) << out.messages.front();
  EXPECT_EQ(out.text, "       COPY M .\n");
  EXPECT_EQ(round_trip::ReadFile(dir.Path(c.member)), "       CONTINUE\n");
}

INSTANTIATE_TEST_SUITE_P(PrintDriver, CopyDirectory, ::testing::ValuesIn(kCopyDirs),
                         [](const ::testing::TestParamInfo<CopyDirCase>& info) { return std::string(info.param.name); });

// The offsets of what each node printed, and their move when a fragment
// is printed again at another length.
std::uint32_t Offset(std::uint32_t word) { return word & ORV_GENP_NONE; }

TEST(PrintDriver, FragmentPrintMovesTheOffsetsBehindIt) {
  MessageRecorder recorder;
  OrvPrettyPrinterImpl printer;
  printer.update_genp = 1;
  OrvExpr* first = Continue();
  OrvExpr* move = Node(STMT_MOVE, {Leaf("A"), Node(IDENT_LIST, {Leaf("B")})});
  OrvExpr* last = Continue();
  std::unique_ptr<OrvExpr> tree(Node(STMT_LIST, {first, move, last}));
  const Printed whole = PrintToString(printer, tree.get());
  ASSERT_EQ(whole.text, "       CONTINUE\n       MOVE A TO B\n       CONTINUE\n");
  const std::uint32_t moveBegin = Offset(move->GenpBeg());
  const std::uint32_t moveEnd = Offset(move->GenpEnd());
  EXPECT_EQ(moveBegin, 16u);
  EXPECT_EQ(moveEnd, 34u);
  EXPECT_EQ(Offset(last->GenpBeg()), 35u);
  const std::uint32_t firstBegin = first->GenpBeg();
  const std::uint32_t firstEnd = first->GenpEnd();

  // The source grows past the margin: the MOVE takes two lines.
  OrvExpr* longer = Leaf(std::string(58, 'A'));
  delete move->Args(0);
  move->SetArg(0, longer);
  std::ostringstream text;
  OrvTokenList messages;
  EXPECT_EQ(printer.PrintFragment(text, move, &messages), ORV_OK);
  EXPECT_EQ(messages.Count(), 0);
  const std::string fragment = "       MOVE " + std::string(58, 'A') + "\n           TO B";
  ASSERT_EQ(text.str(), fragment);
  const std::uint32_t delta = static_cast<std::uint32_t>(fragment.size()) - (moveEnd - moveBegin);
  // The fragment's nodes at absolute offsets from its old begin...
  EXPECT_EQ(Offset(move->GenpBeg()), moveBegin);
  EXPECT_EQ(Offset(move->GenpEnd()), moveBegin + fragment.size());
  EXPECT_EQ(Offset(longer->GenpBeg()), moveBegin + 12);
  // ... what stands behind it moved by the change in length, what stands
  // before it left alone.
  EXPECT_EQ(Offset(last->GenpBeg()), 35u + delta);
  EXPECT_EQ(Offset(tree->GenpEnd()), Offset(last->GenpEnd()));
  EXPECT_EQ(first->GenpBeg(), firstBegin);
  EXPECT_EQ(first->GenpEnd(), firstEnd);
}

TEST(PrintDriver, FragmentPrintNeedsATemplateTable) {
  MessageRecorder recorder;
  OrvPrettyPrinterImpl printer;
  std::unique_ptr<OrvExpr> tree(Continue());
  std::ostringstream text;
  OrvTokenList messages;
  EXPECT_EQ(printer.PrintFragment(text, tree.get(), &messages), ORV_OK);
  Printed p;
  TakeMessages(messages, p);
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_TRUE(HasMessageEnding(p, "Must have gen_table set before using fragment print"));
  EXPECT_EQ(text.str(), "");
}

TEST(PrintDriver, ReportsWithoutAMessageListAreTerminal) {
  MessageRecorder recorder;
  OrvTokenList* saved = OrvPrintMessages;
  OrvPrintMessages = nullptr;
  std::unique_ptr<OrvExpr> node(Continue());
  AddError(MSG_WARN, VString("lost"));
  AddPError(node.get(), MSG_WARN, VString("lost"));
  OrvPrintMessages = saved;
  EXPECT_TRUE(recorder.Has(MSG_TERMINAL, "OrvExpr::AddError: no list of error messages specified"));
  EXPECT_TRUE(recorder.Has(MSG_TERMINAL, "OrvExpr::AddPError: no list of error messages specified"));
}

// A message about a node begins with the node's position; a node without
// one gives the operation name first, with no file part.
TEST(PrintDriver, AMessageAboutANodeNamesAPositionOnlyWhenTheNodeHasOne) {
  const int file = OrvFileNameAdd(VString("msgpos.cbl"));
  struct Case {
    const char* what;
    bool positioned;
    const char* expected;
  } const cases[] = {
      {"no position", false, "STMT_CONTINUE: SourcePrint: a warning"},
      {"a position", true, "msgpos.cbl:4:12: STMT_CONTINUE: SourcePrint: a warning"},
  };
  for (const Case& c : cases) {
    std::unique_ptr<OrvExpr> node(Continue());
    if (c.positioned) {
      OrvToken* word = new OrvToken(0, VString("CONTINUE"), OrvTxtPosn(4, 11, file), OrvTxtPosn(4, 19, file));
      node->Tokens().Append(word);
    }
    OrvTokenList messages;
    OrvTokenList* saved = OrvPrintMessages;
    OrvPrintMessages = &messages;
    AddPError(node.get(), MSG_WARN, VString("SourcePrint: a warning"));
    AddError(MSG_WARN, VString("SourcePrint: no node"));
    OrvPrintMessages = saved;
    Printed p;
    TakeMessages(messages, p);
    EXPECT_EQ(p.messages, (std::vector<std::string>{c.expected, "SourcePrint: no node"})) << c.what;
  }
  EXPECT_EQ(Str(OrvPosnPrefix(OrvTxtPosn())), "");
  EXPECT_EQ(Str(OrvPosnPrefix(OrvTxtPosn(7, 0, file))), "msgpos.cbl:7:1: ");
}

// A measured width is kept in ten bits: a wider node counts as 511 wide,
// never as a negative width that would fit anywhere.
TEST(PrintDriver, WideNodesCountAsTheWidestWidth) {
  MessageRecorder recorder;
  TemplatePrinter p(STMT_READ, "\r$1");
  OrvExpr* leaf = Leaf(std::string(600, 'A'));
  std::unique_ptr<OrvExpr> tree(Node(STMT_READ, {leaf}));
  PrintToString(p.printer, tree.get());
  EXPECT_EQ(leaf->PrintValue(), 511);
  EXPECT_EQ(tree->PrintValue(), 511);
}

}  // namespace
