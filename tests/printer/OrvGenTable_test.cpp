// Tests of the template table: the default rows and their conditional
// rows, a caller's primary table replacing a code's definition, the
// refusals of bad tables, and the lookup of the row that applies to a node.
#include "OrvGenTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvMessage.h"
#include "OrvPrintResult.h"
#include "PrintTestSupport.h"

namespace {

using print_test::Leaf;
using print_test::Node;
using print_test::Printed;
using print_test::PrintToString;
using print_test::TemplatePrinter;

// Builds the printer's table outside a print, with the messages going to
// `messages` for the time of the call.
OrvResult Build(OrvPrettyPrinterImpl& printer, OrvTokenList& messages) {
  OrvTokenList* saved = OrvPrintMessages;
  OrvPrintMessages = &messages;
  const OrvResult result = RecomputeGenTable(printer);
  OrvPrintMessages = saved;
  return result;
}

std::vector<std::string> Texts(const OrvTokenList& list) {
  Printed p;
  print_test::TakeMessages(list, p);
  return p.messages;
}

// The codes with a conditional default row.
const int kConditionalCodes[] = {FCX_DEVICE, DECL_FD_ENTRY, DECL_DD_ENTRY, EX_COND_VALUE, SECTION_PROC,
                                 PARA_PROC, STMT_CALL, EX_ELSE, STMT_MOVE};

bool IsConditionalCode(int code) {
  for (int c : kConditionalCodes)
    if (c == code) return true;
  return false;
}

TEST(GenTable, DefaultTableFillsEveryCatalogueCodeAndChainsTheConditionalRowsFirst) {
  MessageRecorder recorder;
  OrvPrettyPrinterImpl printer;
  OrvTokenList messages;
  ASSERT_EQ(Build(printer, messages), ORV_OK);
  EXPECT_TRUE(Texts(messages).empty());
  ASSERT_NE(printer.gen_table, nullptr);
  for (int code = 0; code < ORV_GEN_TABLE_SIZE; ++code) {
    SCOPED_TRACE(code);
    const CGentry& head = printer.gen_table[code];
    const bool filled = (code >= 1 && code <= 1395) || code == 1400;
    ASSERT_EQ(head.code != 0, filled);
    if (!filled) continue;
    EXPECT_EQ(head.code, code);
    EXPECT_EQ(head.primary, 0);
    if (IsConditionalCode(code)) {
      ASSERT_NE(head.condition, nullptr);
      ASSERT_NE(head.next, nullptr);
      EXPECT_EQ(head.next->condition, nullptr);
      EXPECT_STREQ(head.next->templ, OrvOperTemplate(code));
      EXPECT_EQ(head.next->next, nullptr);
    } else {
      EXPECT_EQ(head.condition, nullptr);
      EXPECT_STREQ(head.templ, OrvOperTemplate(code));
      EXPECT_EQ(head.next, nullptr);
    }
  }
}

// Which row applies to a node: the conditional row when its condition
// holds, the catalogue's template otherwise.
struct RowCase {
  const char* name;
  OrvExpr* (*make)();
  const char* templ;  // null: the catalogue's template of the node's code
};

OrvExpr* MoveOfTwoSources() { return Node(STMT_MOVE, {Node(IDENT_LIST, {Leaf("A"), Leaf("B")}), Leaf("C")}); }
OrvExpr* MoveOfOneSource() { return Node(STMT_MOVE, {Node(IDENT_LIST, {Leaf("A")}), Leaf("C")}); }
OrvExpr* ElseOfOneIf() {
  return Node(EX_ELSE, {Node(STMT_LIST, {Node(STMT_IF, {Leaf("X"), Node(STMT_LIST, {Leaf("Y")})})})});
}
OrvExpr* ElseOfTwoStatements() {
  return Node(EX_ELSE, {Node(STMT_LIST, {Node(STMT_IF, {Leaf("X"), Leaf("Y")}), Leaf("Z")})});
}
OrvExpr* UnnamedParagraph() { return Node(PARA_PROC, {nullptr, Leaf("BODY")}); }
OrvExpr* UnnamedSection() { return Node(SECTION_PROC, {nullptr, nullptr, Leaf("BODY")}); }
OrvExpr* DiskDevice() { return Node(FCX_DEVICE, {nullptr, new OrvExprOper(DEV_DISK_FILE), Leaf("F")}); }
OrvExpr* InputDevice() { return Node(FCX_DEVICE, {nullptr, new OrvExprOper(DEV_INPUT), Leaf("F")}); }
OrvExpr* CallOfProgram() { return Node(STMT_CALL, {Leaf("P"), Leaf("U")}); }

const RowCase kRowCases[] = {
    {"MoveOfTwoSourcesTakesTheConditionalRow", MoveOfTwoSources, "MOVE $1\n{$2=  TO $2}"},
    {"MoveOfOneSourceTakesTheCatalogueRow", MoveOfOneSource, nullptr},
    {"ElseOfOneIfTakesTheConditionalRow", ElseOfOneIf, "ELSE \r$1"},
    {"ElseOfTwoStatementsTakesTheCatalogueRow", ElseOfTwoStatements, nullptr},
    {"UnnamedParagraphTakesTheConditionalRow", UnnamedParagraph, "\r{$2=$2}"},
    {"UnnamedSectionTakesTheConditionalRow", UnnamedSection, "\r{$3=$3}"},
    {"DiskDeviceTakesTheConditionalRow", DiskDevice, "{$1?$1|}{$2?$2}{$3?$3}"},
    {"OtherDeviceTakesTheCatalogueRow", InputDevice, nullptr},
    {"CallWithAProgramTakesTheConditionalRow", CallOfProgram,
     "CALL $1{$2= $2}{$3?|$3}{$4?|$4}{$5?|$5}{$6?\n$6}{$7?\n$7}{$8?\n$8}"},
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

class RowLookup : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowLookup, FindsTheRowThatApplies) {
  const RowCase& c = GetParam();
  MessageRecorder recorder;
  OrvPrettyPrinterImpl printer;
  OrvTokenList messages;
  ASSERT_EQ(Build(printer, messages), ORV_OK);
  std::unique_ptr<OrvExpr> node(c.make());
  OrvPrettyPrinterImpl* saved = OrvCurrentPrinter;
  OrvCurrentPrinter = &printer;
  CGentry* row = nullptr;
  const OrvResult result = FindCGentry(row, node.get());
  OrvCurrentPrinter = saved;
  ASSERT_EQ(result, ORV_OK);
  ASSERT_NE(row, nullptr);
  EXPECT_STREQ(row->templ, c.templ != nullptr ? c.templ : OrvOperTemplate(node->Oper()));
}

INSTANTIATE_TEST_SUITE_P(GenTable, RowLookup, ::testing::ValuesIn(kRowCases),
                         [](const ::testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

TEST(GenTable, UnnamedProceduresPrintOnlyTheirBody) {
  MessageRecorder recorder;
  for (OrvExpr* (*make)() : {UnnamedParagraph, UnnamedSection}) {
    OrvPrettyPrinterImpl printer;
    std::unique_ptr<OrvExpr> node(make());
    const Printed out = PrintToString(printer, node.get());
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.text, "       BODY\n");
    EXPECT_TRUE(out.messages.empty());
  }
}

TEST(GenTable, PrimaryRowReplacesTheWholeDefaultDefinitionOfItsCode) {
  MessageRecorder recorder;
  TemplatePrinter p(STMT_MOVE, "SHIFT $1{$2? INTO $2}");
  // Even a MOVE that the default conditional row would take uses the
  // primary row; other codes keep their rows.
  std::unique_ptr<OrvExpr> list(Node(STMT_LIST, {MoveOfTwoSources(), Node(STMT_CONTINUE, {})}));
  const Printed out = PrintToString(p.printer, list.get());
  EXPECT_EQ(out.result, 0);
  EXPECT_EQ(out.text, "       SHIFT A B INTO C\n       CONTINUE\n");
  EXPECT_TRUE(out.messages.empty());
  const CGentry& head = p.printer.gen_table[STMT_MOVE];
  EXPECT_EQ(head.primary, 1);
  EXPECT_EQ(head.condition, nullptr);
  EXPECT_EQ(head.next, nullptr);
}

TEST(GenTable, SecondUnconditionalPrimaryRowIsIgnoredAndReported) {
  MessageRecorder recorder;
  CGentry rows[] = {CGentry(STMT_CONTINUE, nullptr, "GO ON"), CGentry(STMT_CONTINUE, nullptr, "CARRY ON"),
                    CGentry(0, nullptr, nullptr)};
  OrvPrettyPrinterImpl printer;
  printer.primary_table = rows;
  OrvTokenList messages;
  EXPECT_EQ(Build(printer, messages), ORV_OK);
  EXPECT_EQ(Texts(messages), std::vector<std::string>{"RecomputeGenTable: Code STMT_CONTINUE is doubly defined in "
                                                      "primary table. Second definition ignored."});
  EXPECT_STREQ(printer.gen_table[STMT_CONTINUE].templ, "GO ON");
}

TEST(GenTable, PrimaryRowOfABadCodeStopsTheBuild) {
  MessageRecorder recorder;
  for (int code : {0, 1401}) {
    SCOPED_TRACE(code);
    CGentry rows[] = {CGentry(code, nullptr, "X"), CGentry(0, nullptr, nullptr)};
    OrvPrettyPrinterImpl printer;
    printer.primary_table = rows;
    OrvTokenList messages;
    EXPECT_EQ(Build(printer, messages), ORV_PRINT_BAD_TABLE_CODE);
    EXPECT_EQ(Texts(messages), std::vector<std::string>{"Bad code " + std::to_string(code) + " in primary table"});
    // The print refuses the same way, before writing anything.
    std::unique_ptr<OrvExpr> node(Node(STMT_CONTINUE, {}));
    printer.ReleaseGenTable();
    const Printed out = PrintToString(printer, node.get());
    EXPECT_EQ(out.result, ORV_PRINT_BAD_TABLE_CODE);
    EXPECT_EQ(out.text, "");
  }
}

TEST(GenTable, CodeWithoutARowIsNotPrinted) {
  MessageRecorder recorder;
  OrvPrettyPrinterImpl printer;
  std::unique_ptr<OrvExpr> node(new OrvExprOper(SECTION_SCHEMA));
  const Printed out = PrintToString(printer, node.get());
  EXPECT_EQ(out.result, ORV_PRINT_NO_TEMPLATE);
  ASSERT_EQ(out.messages.size(), 1u);
  EXPECT_NE(out.messages[0].find("PrettyPrint: cannot find operation SECTION_SCHEMA in the table"), std::string::npos)
      << out.messages[0];
}

TEST(GenTable, TemplateTraceNamesTheRowFound) {
  MessageRecorder recorder;
  OrvPrettyPrinterImpl printer;
  printer.trace_flags = ORV_PTRACE_TEMPLATES;
  std::unique_ptr<OrvExpr> node(InputDevice());
  ::testing::internal::CaptureStdout();
  const Printed out = PrintToString(printer, node.get());
  const std::string trace = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(out.result, 0);
  EXPECT_NE(trace.find("FindCGentry: found oper FCX_DEVICE, entry #2 in table\n"), std::string::npos) << trace;
}

}  // namespace
