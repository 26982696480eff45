// The COBOL grammar on whole sources, through the tree-dump harness
// (GrammarGolden.h): each case parses one source of tests/data/grammar and
// compares its result, messages and the dumps of the named constructs with
// the golden file beside the source; and no gap token of the finished tree
// runs backwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GrammarGolden.h"
#include "OrvDials.h"
#include "OrvToken.h"

namespace {

using grammar_golden::ExpectGolden;
using grammar_golden::GoldenText;

struct GoldenCase {
  const char* area;
  const char* file;
  const char* variant;  // "" for the source's main golden
  int dialect;
  int secondDialect;      // 0 for none
  std::vector<int> cuts;  // operations whose outermost nodes are dumped
};

void PrintTo(const GoldenCase& c, std::ostream* out) {
  *out << c.area << "/" << c.file << (*c.variant ? "." : "") << c.variant;
}

class GrammarGoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GrammarGoldenTest, DumpMatchesTheGolden) {
  const GoldenCase& c = GetParam();
  ExpectGolden(c.area, c.file, c.variant, GoldenText(c.area, c.file, c.dialect, c.secondDialect, c.cuts));
}

const GoldenCase kCases[] = {
    // Compilation unit, IDENTIFICATION and ENVIRONMENT DIVISIONs.
    {"frame", "missing_identification.cbl", "", ORV_DIAL_ANSI85, 0, {DIVISION_IDENTIFICATION, DIVISION_DATA}},
    {"frame", "missing_identification.cbl", "mf", ORV_DIAL_MF, 0, {DIVISION_IDENTIFICATION}},
    {"frame", "nested_programs.cbl", "", ORV_DIAL_ANSI85, 0, {COBOL_PROGRAM_LIST}},
    {"frame", "program_id.cbl", "", ORV_DIAL_ANSI85, ORV_DIAL_OSVS, {DIVISION_IDENTIFICATION, END_COBOL_PROGRAM, END_COBOL_FILE}},
    {"frame", "environment.cbl", "", ORV_DIAL_ANSI85, 0, {DIVISION_ENVIRONMENT}},
    {"frame", "repository.cbl", "", ORV_DIAL_FSCNET, ORV_DIAL_FSC, {DIVISION_ENVIRONMENT}},
    {"frame", "special_names.cbl", "", ORV_DIAL_MF, ORV_DIAL_OSVS, {PARA_SPECIAL_NAMES}},
    {"frame", "special_names_error.cbl", "", ORV_DIAL_MF, ORV_DIAL_OSVS, {SECTION_CONFIGURATION}},
    // COPY markers before headers, in computer names, in I-O-CONTROL and
    // between two words of a statement.
    {"frame", "copy_places.cbl", "", ORV_DIAL_ANSI85, 0, {DIVISION_ENVIRONMENT, STMT_IF}},
    // The markers of an absent header go in front of the next header, or
    // are the first items of what follows.
    {"frame", "copy_headers.cbl", "", ORV_DIAL_ANSI85, 0, {DIVISION_ENVIRONMENT}},
    // Devices that ANSI-85 does not reserve, named by user-defined words.
    {"frame", "devices.cbl", "", ORV_DIAL_ANSI85, 0, {PARA_SPECIAL_NAMES}},
    // INPUT-OUTPUT SECTION.
    {"input_output", "select.cbl", "", ORV_DIAL_MF, ORV_DIAL_OSVS, {SECTION_INPUT_OUTPUT}},
    {"input_output", "locking.cbl", "", ORV_DIAL_MS, 0, {SECTION_INPUT_OUTPUT}},
    {"input_output", "select_errors.cbl", "", ORV_DIAL_MF, 0, {SECTION_INPUT_OUTPUT}},
    {"input_output", "select_truncated.cbl", "", ORV_DIAL_MF, 0, {}},
    // DATA DIVISION sections and data description entries.
    {"data", "file_section.cbl", "", ORV_DIAL_MF, ORV_DIAL_OSVS, {DIVISION_DATA}},
    {"data", "storage.cbl", "", ORV_DIAL_ANSI85, 0, {DIVISION_DATA}},
    {"data", "communication.cbl", "", ORV_DIAL_ANSI85, 0, {SECTION_COMMUNICATION}},
    {"entries", "entries.cbl", "", ORV_DIAL_ANSI85, 0, {SECTION_WORKING_STORAGE}},
    {"entries", "entries.cbl", "rm", ORV_DIAL_ANSI85, ORV_DIAL_RM85, {DX_USAGE}},
    {"entries", "errors.cbl", "", ORV_DIAL_MF, 0, {SECTION_INPUT_OUTPUT, DIVISION_DATA}},
    // REPORT and SCREEN SECTIONs.
    {"report", "report.cbl", "", ORV_DIAL_ANSI74, ORV_DIAL_OSVS, {SECTION_REPORT, FDX_REPORT}},
    {"screen", "screen.cbl", "", ORV_DIAL_MF, 0, {SECTION_SCREEN}},
    {"report", "report_errors.cbl", "", ORV_DIAL_MF, 0, {SECTION_COMMUNICATION, SECTION_REPORT, SECTION_SCREEN}},
    // PROCEDURE DIVISION structure.
    {"procedure", "structure.cbl", "", ORV_DIAL_ANSI85, 0, {DIVISION_PROCEDURE}},
    {"procedure", "declaratives.cbl", "", ORV_DIAL_ANSI85, ORV_DIAL_MF, {DIVISION_PROCEDURE}},
    {"procedure", "qualified_perform.cbl", "", ORV_DIAL_ANSI85, 0, {STMT_LIST}},
    {"procedure", "garbled.cbl", "", ORV_DIAL_ANSI85, 0, {SECTION_PROC_LIST}},
    // Embedded SQL: statements, queries, expressions and host variables.
    {"sql", "statements.cbl", "", ORV_DIAL_MF, 0, {STMT_EXEC_SQL_IN_DCL, STMT_EXEC_SQL}},
    {"sql", "queries.cbl", "", ORV_DIAL_MF, 0, {STMT_EXEC_SQL}},
    {"sql", "expressions.cbl", "", ORV_DIAL_MF, 0, {STMT_EXEC_SQL}},
    {"sql", "errors.cbl", "", ORV_DIAL_ANSI85, 0, {STMT_IF, STMT_EXEC_SQL, STMT_EXEC_SQL_IN_DCL}},
    // Statements.
    {"statements", "goto.cbl", "", ORV_DIAL_ANSI85, 0, {STMT_LIST}},
    {"statements", "if_else.cbl", "", ORV_DIAL_ANSI85, ORV_DIAL_OSVS, {STMT_IF}},
    {"statements", "perform.cbl", "", ORV_DIAL_ANSI85, 0, {STMT_LIST}},
    {"statements", "simple.cbl", "", ORV_DIAL_ANSI85, 0, {STMT_LIST}},
    {"statements", "arithmetic.cbl", "", ORV_DIAL_ANSI85, 0, {STMT_LIST}},
    {"statements", "both_phrases.cbl", "", ORV_DIAL_ANSI85, 0, {SENTENCE_LIST}},
    {"statements", "call.cbl", "", ORV_DIAL_MF, ORV_DIAL_FSCNET, {STMT_LIST}},
    {"statements", "nesting.cbl", "", ORV_DIAL_ANSI85, 0, {PARA_PROC_LIST}},
    {"statements", "phrase_errors.cbl", "", ORV_DIAL_ANSI85, 0, {SENTENCE_LIST}},
    {"statements", "search_evaluate.cbl", "", ORV_DIAL_ANSI85, 0, {STMT_LIST}},
    {"statements", "when_not_thru.cbl", "", ORV_DIAL_ANSI85, 0, {EX_EVAL_WHEN_PHRASE_LIST}},
    {"statements", "set_initialize_alter.cbl", "", ORV_DIAL_MF, 0, {STMT_LIST}},
    {"statements", "strings.cbl", "", ORV_DIAL_ANSI85, 0, {STMT_LIST}},
    {"statements", "file_io.cbl", "", ORV_DIAL_MF, ORV_DIAL_OSVS, {STMT_LIST}},
    {"statements", "locking_undelete.cbl", "", ORV_DIAL_MS, ORV_DIAL_ICOBOL, {STMT_LIST}},
    // EXEC CICS: option placement, syntax errors in blocks, unknown commands.
    {"cics", "placement.cbl", "", ORV_DIAL_ANSI85, 0, {STMT_EXEC_CICS}},
    {"cics", "errors.cbl", "", ORV_DIAL_ANSI85, 0, {STMT_LIST}},
    {"cics", "unknown.cbl", "", ORV_DIAL_ANSI85, 0, {STMT_EXEC_CICS}},
    {"statements", "note_exec.cbl", "", ORV_DIAL_ANSI85, ORV_DIAL_OSVS, {STMT_EXEC_IN_DCL, PARA_PROC}},
    {"statements", "accept_display.cbl", "", ORV_DIAL_MF, 0, {STMT_DISPLAY, STMT_ACCEPT}},
    // Identifiers, literals, expressions and conditions.
    {"operands", "identifiers.cbl", "", ORV_DIAL_ANSI85, ORV_DIAL_MF, {STMT_MOVE, STMT_COMPUTE}},
    {"expressions", "arithmetic.cbl", "", ORV_DIAL_ANSI85, 0, {STMT_COMPUTE}},
    {"expressions", "conditions.cbl", "", ORV_DIAL_ANSI85, ORV_DIAL_MF, {STMT_IF}},
};

INSTANTIATE_TEST_SUITE_P(Sources, GrammarGoldenTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                           std::string name = std::string(info.param.area) + "_" + info.param.file +
                                              (*info.param.variant ? "_" : "") + info.param.variant;
                           for (char& ch : name)
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return name;
                         });

// Every gap token below `node` whose end lies before its begin in the same
// file, as "<begin> .. <end>".  A gap token stands for the text between the
// child before it and the one after; one that runs backwards means the
// tree holds those children out of source order.
void BackwardGaps(const OrvExpr* node, std::vector<std::string>& found) {
  if (node == nullptr) return;
  for (int i = 0; i < node->NArgs(); ++i) {
    const OrvArgSlot* slot = node->SlotAt(i);
    if (slot == nullptr) continue;
    for (const OrvToken* token = slot->tokens.First(); token != nullptr; token = slot->tokens.Next(token)) {
      if (token->code != SEP_SPACE) continue;
      if (OrvTxtPosn::Compare(token->begin, token->end) > 0)
        found.push_back(Str(token->begin.ToString()) + " .. " + Str(token->end.ToString()));
    }
    BackwardGaps(slot->child, found);
  }
}

// Error recovery hands the dropped tokens to the error node piece by piece,
// popped from the parse stack top first; they must still end up in source
// order, which the gap tokens around and inside the node show.  Checked on
// every source above whose tree keeps an error node.
TEST(GrammarErrorNodeTest, AroundAndInsideErrorNodesNoGapTokenRunsBackwards) {
  for (const GoldenCase& c : kCases) {
    SCOPED_TRACE(std::string(c.area) + "/" + c.file + " " + c.variant);
    grammar_golden::ParsedSource parsed(grammar_golden::SourceDir() + c.area + "/" + c.file, c.dialect,
                                        c.secondDialect);
    std::vector<OrvExpr*> errorNodes;
    grammar_golden::FindOuter(parsed.tree, STMT__SYNTAX_ERROR, errorNodes);
    if (errorNodes.empty()) continue;
    std::vector<std::string> found;
    BackwardGaps(parsed.tree, found);
    EXPECT_EQ(found, std::vector<std::string>{});
  }
}

}  // namespace
