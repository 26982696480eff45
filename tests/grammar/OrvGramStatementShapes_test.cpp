// The trees of the statements of grammar IV, each written into one program
// frame (tests/data/grammar/statements/shapes_frame.cbl, which defines the
// names the cases use) and parsed whole: the first node of a named
// operation must have the expected shape (TreeShape.h), and the parse must
// give exactly the expected messages, with lines counted from the first
// line of the case.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "GrammarGolden.h"
#include "OrvDials.h"
#include "ScratchDir.h"
#include "TreeShape.h"

namespace {

using grammar_golden::FindOuter;
using grammar_golden::ParsedSource;
using tree_shape::Shape;

struct ShapeCase {
  const char* name;
  int dialect;
  int secondDialect;
  const char* statements;  // Area B lines of the PROCEDURE DIVISION
  int op;                  // the operation whose first node is compared
  const char* shape;
  std::vector<std::string> messages;  // "line:column LEVEL text"
};

void PrintTo(const ShapeCase& c, std::ostream* out) { *out << c.name; }

// The frame with the case's lines in place of its marker line; `firstLine`
// is the number of the case's first line.
std::string FramedSource(const std::string& statements, int& firstLine) {
  std::ifstream in(std::string(LARK_TEST_DATA) + "/grammar/statements/shapes_frame.cbl", std::ios::binary);
  EXPECT_TRUE(in.good());
  std::string text, line;
  int number = 0;
  firstLine = 0;
  while (std::getline(in, line)) {
    ++number;
    if (line.find("*> STATEMENTS") != std::string::npos) {
      firstLine = number;
      text += statements;
    } else {
      text += line + "\n";
    }
  }
  EXPECT_NE(firstLine, 0);
  return text;
}

// A message line with its line number counted from the case's first line.
std::string Relative(const std::string& message, int firstLine) {
  const std::size_t colon = message.find(':');
  return std::to_string(std::stoi(message.substr(0, colon)) - firstLine + 1) + message.substr(colon);
}

class StatementShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(StatementShapeTest, GivesItsTreeAndItsMessages) {
  const ShapeCase& c = GetParam();
  ScratchDir dir;
  int firstLine = 0;
  dir.Write("case.cbl", FramedSource(c.statements, firstLine));
  ParsedSource parsed(dir.Path("case.cbl"), c.dialect, c.secondDialect);
  std::vector<std::string> messages;
  for (const std::string& m : parsed.Messages()) messages.push_back(Relative(m, firstLine));
  EXPECT_EQ(messages, c.messages);
  std::vector<OrvExpr*> found;
  FindOuter(parsed.tree, c.op, found);
  ASSERT_FALSE(found.empty()) << "no " << OrvOperName(c.op);
  EXPECT_EQ(Shape(found.front()), c.shape);
}

const ShapeCase kCases[] = {
    {"DisplayAnsiItems", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           DISPLAY \"A\" X UPON CONSOLE WITH NO ADVANCING.\n",
     STMT_DISPLAY,
     "STMT_DISPLAY(DISPLAY_ITEM_LIST[DISPLAY_ANSI_ITEM(\"A\", NULL_NODE*3), DISPLAY_ANSI_ITEM(X@10, DSPL_UPON(IOF_CONSOLE), NULL_NODE, DSPL_NO_ADVANCING)], NULL_NODE*3)",
     {}},
    {"DisplayUponMnemonicIsAFunctionItem", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           DISPLAY X UPON PRN.\n",
     STMT_DISPLAY,
     "STMT_DISPLAY(DISPLAY_ITEM_LIST[DISPLAY_FUNC_ITEM(X@10, DSPL_UPON(PRN@1), NULL_NODE)], NULL_NODE*3)",
     {}},
    {"DisplayAtStaysAScreenItem", ORV_DIAL_MF, 0,
     "           DISPLAY X AT 0101 WITH NO ADVANCING.\n",
     STMT_DISPLAY,
     "STMT_DISPLAY(DISPLAY_ITEM_LIST[DISPLAY_SCREEN_ITEM(NULL_NODE, X@10, NULL_NODE, NULL_NODE, DSPL_AT(0101), NULL_NODE, NULL_NODE, DSPL_WITH, NULL_NODE*23, DSPL_NO_ADVANCING)], NULL_NODE*3)",
     {}},
    {"DisplayPositionsOfMicrosoftForm", ORV_DIAL_MF, 0,
     "           DISPLAY (1, 5) \"A\" (L + 1, K - 2) X.\n",
     STMT_DISPLAY,
     "STMT_DISPLAY(DISPLAY_ITEM_LIST[DISPLAY_SCREEN_ITEM(EX_ADIS_MS_POSN(1, 5), \"A\", NULL_NODE*30), DISPLAY_SCREEN_ITEM(EX_ADIS_MS_POSN(OP_ADD_IX(L@10, 1), OP_SUB_IX(K@10, 2)), X@10, NULL_NODE*30)], NULL_NODE*3)",
     {}},
    {"DisplayEraseAfterAnItemIsItsAttribute", ORV_DIAL_MF, 0,
     "           DISPLAY X ERASE (1, 1) ERASE.\n",
     STMT_DISPLAY,
     "STMT_DISPLAY(DISPLAY_ITEM_LIST[DISPLAY_SCREEN_ITEM(NULL_NODE, X@10, NULL_NODE*8, DSPL_ERASE(NULL_NODE), NULL_NODE*21), DISPLAY_SCREEN_ITEM(EX_ADIS_MS_POSN(1, 1), DSPL_MS_ERASE, NULL_NODE*30)], NULL_NODE*3)",
     {}},
    {"DisplayOfAFunction", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           DISPLAY W FUNCTION CURRENT-DATE.\n",
     STMT_DISPLAY,
     "STMT_DISPLAY(DISPLAY_ITEM_LIST[DISPLAY_ANSI_ITEM(W@10, NULL_NODE*3), DISPLAY_ANSI_ITEM(INTR_FUNCTION(CURRENT-DATE, NULL_NODE), NULL_NODE*3)], NULL_NODE*3)",
     {}},
    {"DisplayExceptionPhrases", ORV_DIAL_MF, 0,
     "           DISPLAY X ON EXCEPTION MOVE 1 TO N\n           NOT ON EXCEPTION MOVE 2 TO N END-DISPLAY.\n",
     STMT_DISPLAY,
     "STMT_DISPLAY(DISPLAY_ITEM_LIST[DISPLAY_ANSI_ITEM(X@10, NULL_NODE*3)], ON_DISPLAY_EXCEPTION(STMT_LIST[STMT_MOVE(1, IDENT_LIST[N@10])]), NOT_ON_DISPLAY_EXCEPTION(STMT_LIST[STMT_MOVE(2, IDENT_LIST[N@10])]), EX_END_DISPLAY)",
     {}},
    {"AcceptFromDate", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           ACCEPT D FROM DATE YYYYMMDD.\n",
     STMT_ACCEPT,
     "STMT_ACCEPT(ACCEPT_ITEM_LIST[ACCEPT_FUNC_ITEM(D@10, ACCP_FROM(ACCP_DATE(ACCP_DATE_YYYYMMDD)), NULL_NODE)], NULL_NODE*3)",
     {}},
    {"AcceptFromDayAndDevices", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           ACCEPT D FROM DAY YYYYDDD X FROM CONSOLE Y FROM PRN.\n",
     STMT_ACCEPT,
     "STMT_ACCEPT(ACCEPT_ITEM_LIST[ACCEPT_FUNC_ITEM(D@10, ACCP_FROM(ACCP_DAY(ACCP_DATE_YYYYDDD)), NULL_NODE), ACCEPT_ANSI_ITEM(X@10, ACCP_FROM(IOF_CONSOLE), NULL_NODE), ACCEPT_FUNC_ITEM(Y@10, ACCP_FROM(PRN@1), NULL_NODE)], NULL_NODE*3)",
     {}},
    {"AcceptMessageCount", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           ACCEPT CI MESSAGE COUNT.\n",
     STMT_ACCEPT_MSG_COUNT,
     "STMT_ACCEPT_MSG_COUNT(CI@9)",
     {}},
    {"AcceptCount", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           ACCEPT CI COUNT.\n",
     STMT_ACCEPT_MSG_COUNT,
     "STMT_ACCEPT_MSG_COUNT(CI@9)",
     {}},
    {"AcceptOneItem", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           ACCEPT X.\n",
     STMT_ACCEPT,
     "STMT_ACCEPT(ACCEPT_ITEM_LIST[ACCEPT_ANSI_ITEM(X@10, NULL_NODE, NULL_NODE)], NULL_NODE*3)",
     {}},
    {"AcceptScreenPhrases", ORV_DIAL_MF, 0,
     "           ACCEPT X AT 0101 WITH PROMPT AUTO\n           UPDATE TIMEOUT AFTER 5 UPPER.\n",
     STMT_ACCEPT,
     "STMT_ACCEPT(ACCEPT_ITEM_LIST[ACCEPT_SCREEN_ITEM(NULL_NODE, X@10, NULL_NODE, NULL_NODE, DSPL_AT(0101), NULL_NODE, NULL_NODE, DSPL_WITH, NULL_NODE*13, ACCP_PROMPT(NULL_NODE), ACCP_AUTO, NULL_NODE*11, ACCP_TIMEOUT(5), NULL_NODE, ACCP_UPDATE, ACCP_UPPER, NULL_NODE)], NULL_NODE*3)",
     {}},
    {"AcceptClauseTwice", ORV_DIAL_MF, 0,
     "           ACCEPT X LINE 1 LINE 2 SECURE NO-ECHO.\n",
     STMT_ACCEPT,
     "STMT_ACCEPT(ACCEPT_ITEM_LIST[ACCEPT_SCREEN_ITEM(NULL_NODE, X@10, DSPL_LINE_NUMBER(1), NULL_NODE*22, ACCP_SECURE, NULL_NODE*13)], NULL_NODE*3)",
     { "1:28 ERROR Clause Line is set more than once. Ignoring second instance.", "1:42 ERROR Clause Secure is set more than once. Ignoring second instance." }},
    {"AcceptExceptionPhrases", ORV_DIAL_MF, 0,
     "           ACCEPT X ON EXCEPTION Y MOVE 1 TO N\n           NOT ON ESCAPE MOVE 2 TO N END-ACCEPT.\n",
     STMT_ACCEPT,
     "STMT_ACCEPT(ACCEPT_ITEM_LIST[ACCEPT_ANSI_ITEM(X@10, NULL_NODE, NULL_NODE)], ON_ACCEPT_EXCEPTION(Y@10, STMT_LIST[STMT_MOVE(1, IDENT_LIST[N@10])]), NOT_ON_ACCEPT_EXCEPTION(NULL_NODE, STMT_LIST[STMT_MOVE(2, IDENT_LIST[N@10])]), EX_END_ACCEPT)",
     {}},
    {"NotOnExceptionGoesToTheInnerStatement", ORV_DIAL_MF, 0,
     "           DISPLAY X ON EXCEPTION ACCEPT Y\n           NOT ON EXCEPTION MOVE 1 TO N.\n",
     STMT_DISPLAY,
     "STMT_DISPLAY(DISPLAY_ITEM_LIST[DISPLAY_ANSI_ITEM(X@10, NULL_NODE*3)], ON_DISPLAY_EXCEPTION(STMT_LIST[STMT_ACCEPT(ACCEPT_ITEM_LIST[ACCEPT_ANSI_ITEM(Y@10, NULL_NODE, NULL_NODE)], NULL_NODE, NOT_ON_ACCEPT_EXCEPTION(NULL_NODE, STMT_LIST[STMT_MOVE(1, IDENT_LIST[N@10])]), NULL_NODE)]), NULL_NODE, NULL_NODE)",
     {}},
    {"NotOnEscapeGoesOutward", ORV_DIAL_MF, 0,
     "           ACCEPT X ON ESCAPE DISPLAY Y\n           NOT ON ESCAPE MOVE 1 TO N.\n",
     STMT_ACCEPT,
     "STMT_ACCEPT(ACCEPT_ITEM_LIST[ACCEPT_ANSI_ITEM(X@10, NULL_NODE, NULL_NODE)], ON_ACCEPT_EXCEPTION(NULL_NODE, STMT_LIST[STMT_DISPLAY(DISPLAY_ITEM_LIST[DISPLAY_ANSI_ITEM(Y@10, NULL_NODE*3)], NULL_NODE*3)]), NOT_ON_ACCEPT_EXCEPTION(NULL_NODE, STMT_LIST[STMT_MOVE(1, IDENT_LIST[N@10])]), NULL_NODE)",
     {}},
    {"InspectTwoTallyClauses", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           INSPECT X TALLYING N FOR ALL \"A\" M FOR LEADING \"0\".\n",
     STMT_INSPECT,
     "STMT_INSPECT(X@10, EX_STR_TALLYING(EX_STR_TALLY_CLAUSE_LIST[EX_STR_TALLY_CLAUSE(N@10, EX_STR_TALLY_PHRASE_LIST[EX_STR_TALLY_PHRASE(EX_STR_ALL, EX_STR_TALLY_UNIT_LIST[EX_STR_TALLY_UNIT(\"A\", NULL_NODE)])]), EX_STR_TALLY_CLAUSE(M@10, EX_STR_TALLY_PHRASE_LIST[EX_STR_TALLY_PHRASE(EX_STR_LEADING, EX_STR_TALLY_UNIT_LIST[EX_STR_TALLY_UNIT(\"0\", NULL_NODE)])])]), NULL_NODE)",
     {}},
    {"InspectTwoUnits", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           INSPECT X TALLYING N FOR ALL \"A\" \"B\".\n",
     STMT_INSPECT,
     "STMT_INSPECT(X@10, EX_STR_TALLYING(EX_STR_TALLY_CLAUSE_LIST[EX_STR_TALLY_CLAUSE(N@10, EX_STR_TALLY_PHRASE_LIST[EX_STR_TALLY_PHRASE(EX_STR_ALL, EX_STR_TALLY_UNIT_LIST[EX_STR_TALLY_UNIT(\"A\", NULL_NODE), EX_STR_TALLY_UNIT(\"B\", NULL_NODE)])])]), NULL_NODE)",
     {}},
    {"InspectFunctionUnitAndReplacing", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           INSPECT X TALLYING N FOR CHARACTERS BEFORE INITIAL \".\"\n           ALL FUNCTION UPPER-CASE (Y) REPLACING ALL \"a\" BY \"A\"\n           FIRST \"C\" BY \"D\" AFTER \"E\" CHARACTERS BY \"0\".\n",
     STMT_INSPECT,
     "STMT_INSPECT(X@10, EX_STR_TALLYING(EX_STR_TALLY_CLAUSE_LIST[EX_STR_TALLY_CLAUSE(N@10, EX_STR_TALLY_PHRASE_LIST[EX_STR_TALLY_UNIT(EX_STR_TALLY_CHARACTERS, EX_STR_BA_INITIAL_LIST[EX_STR_BA_INITIAL(EX_BEFORE, \".\")]), EX_STR_TALLY_PHRASE(EX_STR_ALL, EX_STR_TALLY_UNIT_LIST[EX_STR_TALLY_UNIT(INTR_FUNCTION(UPPER-CASE, OP_PARENS(FUNC_ARG_LIST[Y@10])), NULL_NODE)])])]), EX_INSPECT_REPLACING(EX_STR_REPLACE_PHRASE_LIST[EX_STR_REPLACE_PHRASE(EX_STR_ALL, EX_STR_REPLACE_UNIT_LIST[EX_STR_REPLACE_UNIT(\"a\", \"A\", NULL_NODE)]), EX_STR_REPLACE_PHRASE(EX_STR_FIRST, EX_STR_REPLACE_UNIT_LIST[EX_STR_REPLACE_UNIT(\"C\", \"D\", EX_STR_BA_INITIAL_LIST[EX_STR_BA_INITIAL(EX_AFTER, \"E\")])]), EX_STR_REPLACE_UNIT(EX_STR_REPL_CHARACTERS, \"0\", NULL_NODE)]))",
     {}},
    {"InspectConverting", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           INSPECT X CONVERTING \"abc\" TO \"ABC\" AFTER INITIAL \"*\".\n",
     STMT_INSPECT_CONVERTING,
     "STMT_INSPECT_CONVERTING(X@10, \"abc\", \"ABC\", EX_STR_BA_INITIAL_LIST[EX_STR_BA_INITIAL(EX_AFTER, \"*\")])",
     {}},
    {"SortWithEveryPhrase", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           SORT SF ON ASCENDING KEY K1 DESCENDING K2\n           WITH DUPLICATES IN ORDER COLLATING SEQUENCE IS ALPHA\n           INPUT PROCEDURE IS P1 THRU P2 GIVING F3.\n       P1. EXIT.\n       P2. EXIT.\n",
     STMT_SORT,
     "STMT_SORT(SF@8, EX_LIST[EX_SORT_KEY(EX_ASCENDING, EX_LIST[K1@10]), EX_SORT_KEY(EX_DESCENDING, EX_LIST[K2@10])], EX_WITH_DUPS_IN_ORDER, EX_SORT_COLL_SEQCE(ALPHA@3), EX_INPUT_PROC_IS(EX_PROC_RANGE(P1@20, P2@20)), EX_GIVING(EX_LIST[F3@8]))",
     {}},
    {"MergeUsingAndOutputProcedure", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           MERGE SF ON ASCENDING KEY K1 USING F1 F2\n           OUTPUT PROCEDURE P1.\n       P1. EXIT.\n",
     STMT_MERGE,
     "STMT_MERGE(SF@8, EX_LIST[EX_SORT_KEY(EX_ASCENDING, EX_LIST[K1@10])], NULL_NODE, EX_SORT_USING(EX_LIST[F1@8, F2@8]), EX_OUTPUT_PROC_IS(EX_PROC_RANGE(P1@20, NULL_NODE)))",
     {}},
    {"ReceiveWithBothPhrases", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           RECEIVE CI MESSAGE INTO X NO DATA MOVE 1 TO N\n           WITH DATA MOVE 2 TO N END-RECEIVE.\n",
     STMT_RECEIVE,
     "STMT_RECEIVE(CI@9, EX_RECV_MESSAGE, X@10, EX_ON_NO_DATA(STMT_LIST[STMT_MOVE(1, IDENT_LIST[N@10])]), EX_NOT_ON_NO_DATA(STMT_LIST[STMT_MOVE(2, IDENT_LIST[N@10])]), EX_END_RECEIVE)",
     {}},
    {"WithDataGoesToTheInnerReceive", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           RECEIVE CI MESSAGE INTO X NO DATA\n           RECEIVE CI SEGMENT INTO Y WITH DATA MOVE 1 TO N.\n",
     STMT_RECEIVE,
     "STMT_RECEIVE(CI@9, EX_RECV_MESSAGE, X@10, EX_ON_NO_DATA(STMT_LIST[STMT_RECEIVE(CI@9, EX_RECV_SEGMENT, Y@10, NULL_NODE, EX_NOT_ON_NO_DATA(STMT_LIST[STMT_MOVE(1, IDENT_LIST[N@10])]), NULL_NODE)]), NULL_NODE, NULL_NODE)",
     {}},
    {"SendWithEgiAfterAdvancing", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           SEND CO FROM X WITH EGI AFTER ADVANCING 2 LINES.\n",
     STMT_SEND,
     "STMT_SEND(CO@9, EX_WRITE_FROM(X@10), EX_SEND_EGI, IOCX_ADVANCING(EX_AFTER, EX_LINES(2)), NULL_NODE)",
     {}},
    {"SendReplacingLine", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           SEND CO Y BEFORE PAGE REPLACING LINE.\n",
     STMT_SEND,
     "STMT_SEND(CO@9, NULL_NODE, Y@10, IOCX_ADVANCING(EX_BEFORE, EX_PAGE), EX_SEND_REPLACING_LINE)",
     {}},
    {"EnableInputTerminal", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           ENABLE INPUT TERMINAL CI WITH KEY \"K\".\n",
     STMT_ENABLE,
     "STMT_ENABLE(EX_ABLE_INPUT_TERMINAL, CI@9, \"K\")",
     {}},
    {"DisableOutput", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           DISABLE OUTPUT CO KEY X.\n",
     STMT_DISABLE,
     "STMT_DISABLE(EX_ABLE_OUTPUT, CO@9, X@10)",
     {}},
    {"Purge", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           PURGE CO.\n",
     STMT_PURGE,
     "STMT_PURGE(CO@9)",
     {}},
    {"InitiateTwoReports", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           INITIATE R1 R2.\n",
     STMT_INITIATE,
     "STMT_INITIATE(EX_LIST[R1@15, R2@15])",
     {}},
    {"TerminateAndGenerate", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           GENERATE R1 TERMINATE R1.\n",
     STMT_LIST,
     "STMT_LIST[STMT_GENERATE(R1@15), STMT_TERMINATE(EX_LIST[R1@15])]",
     {}},
    {"Suppress", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           SUPPRESS PRINTING.\n",
     STMT_SUPPRESS_PRINTING,
     "STMT_SUPPRESS_PRINTING",
     {}},
    {"EnterIsIgnored", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           ENTER.\n",
     SENTENCE,
     "SENTENCE(NULL_NODE)",
     { "1:12 WARN ENTER statement is ignored" }},
    {"ExecOfAnotherSubsystem", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           EXEC DLI GU X\n           END-EXEC.\n",
     STMT_EXEC,
     "STMT_EXEC(DLI, EX_EXEC_LINE_LIST[EX_EXEC_TOKEN_LIST[ , GU,  , X,  ]])",
     {}},
    {"UseAfterOutsideDeclaratives", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           USE AFTER ERROR PROCEDURE ON F1.\n",
     STMT_USE_AFTER,
     "STMT_USE_AFTER(NULL_NODE, IOCX_ERROR, EX_LIST[F1@8], NULL_NODE)",
     { "1:43 WARN USE AFTER PROCEDURE statement can appear in DECLARATIVES only" }},
    {"UseAfterLabelGiving", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "       DECLARATIVES.\n       D1 SECTION.\n           USE GLOBAL AFTER STANDARD BEGINNING FILE LABEL\n           PROCEDURE ON INPUT GIVING X Y.\n       END DECLARATIVES.\n",
     STMT_USE_AFTER,
     "STMT_USE_AFTER(EX_USE_GLOBAL, IOCX_BEGINNING(IOCX_FILE), IOCX_INPUT, EX_USE_GIVING(EX_USE_ARG(X@10, Y@10)))",
     {}},
    {"UseBeforeReportingOutsideDeclaratives", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           USE BEFORE REPORTING X.\n",
     STMT_USE_BEFORE_REPORTING,
     "STMT_USE_BEFORE_REPORTING(NULL_NODE, X@10)",
     { "1:34 WARN USE BEFORE REPORTING statement should appear in DECLARATIVES only" }},
    {"UseForDebuggingAllProcedures", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "       DECLARATIVES.\n       D1 SECTION.\n           USE FOR DEBUGGING ON ALL PROCEDURES.\n       END DECLARATIVES.\n",
     STMT_USE_FOR_DEBUGGING,
     "STMT_USE_FOR_DEBUGGING(EX_LIST[EX_DEBUG_ALL_PROCEDURES])",
     {}},
    {"UseForDebuggingOfAParagraphAndData", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "       DECLARATIVES.\n       D1 SECTION.\n           USE FOR DEBUGGING ON P1 ALL REFERENCES OF X.\n       END DECLARATIVES.\n       P1. EXIT.\n",
     STMT_USE_FOR_DEBUGGING,
     "STMT_USE_FOR_DEBUGGING(EX_LIST[P1@20, EX_DEBUG_ALL_REFERENCES_OF(X@10)])",
     {}},
    {"Note", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           NOTE THIS IS\n           A NOTE.\n",
     STMT_NOTE,
     "STMT_NOTE",
     {}},
    {"ExamineTallying", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           EXAMINE X TALLYING UNTIL FIRST \"A\" REPLACING BY \"B\".\n",
     STMT_EXAMINE_TALLYING,
     "STMT_EXAMINE_TALLYING(X@10, EX_STR_EXAM_PHRASE(EX_STR_UNTIL_FIRST, \"A\"), EX_STR_REPLACING_BY(\"B\"))",
     {}},
    {"ExamineReplacing", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           EXAMINE X REPLACING LEADING \"A\" BY \"B\".\n",
     STMT_EXAMINE_REPLACING,
     "STMT_EXAMINE_REPLACING(X@10, EX_STR_EXAM_PHRASE(EX_STR_LEADING, \"A\"), \"B\")",
     {}},
    {"Transform", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           TRANSFORM X CHARACTERS FROM \"AB\" TO \"CD\".\n",
     STMT_TRANSFORM,
     "STMT_TRANSFORM(X@10, \"AB\", \"CD\")",
     {}},
    {"Exhibit", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           EXHIBIT CHANGED NAMED X Y.\n",
     STMT_EXHIBIT,
     "STMT_EXHIBIT(EX_EXHIBIT_CHANGED, EX_EXHIBIT_NAMED, EX_LIST[X@10, Y@10])",
     {}},
    {"OnWithEveryUntilAndElse", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           ON 1 AND EVERY 2 UNTIL 10 MOVE 1 TO N\n           ELSE MOVE 2 TO N.\n",
     STMT_ON,
     "STMT_ON(1, EX_ON_ANDEVERY(2), EX_ON_UNTIL(10), STMT_LIST[STMT_MOVE(1, IDENT_LIST[N@10])], EX_ON_ELSE(STMT_LIST[STMT_MOVE(2, IDENT_LIST[N@10])]))",
     {}},
    {"ElseAfterOnInsideIfIsTheOns", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           IF N = 1 ON 2 MOVE 1 TO N ELSE MOVE 2 TO N.\n",
     STMT_IF,
     "STMT_IF(CMP_EQ(N@10, 1), STMT_LIST[STMT_ON(2, NULL_NODE, NULL_NODE, STMT_LIST[STMT_MOVE(1, IDENT_LIST[N@10])], EX_ON_ELSE(STMT_LIST[STMT_MOVE(2, IDENT_LIST[N@10])]))], NULL_NODE, NULL_NODE)",
     {}},
    {"TraceStatements", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           READY TRACE RESET TRACE.\n",
     STMT_LIST,
     "STMT_LIST[STMT_READY_TRACE, STMT_RESET_TRACE]",
     {}},
    {"ServiceReload", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           SERVICE RELOAD X.\n",
     STMT_SERVICE_RELOAD,
     "STMT_SERVICE_RELOAD(X@10)",
     {}},
    {"CommitAndRollback", ORV_DIAL_MF, 0,
     "           COMMIT ROLLBACK.\n",
     STMT_LIST,
     "STMT_LIST[STMT_COMMIT, STMT_ROLLBACK]",
     {}},
    {"MoveCorresponding", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           MOVE CORRESPONDING G TO G.\n",
     STMT_MOVE_CORR,
     "STMT_MOVE_CORR(G@10, IDENT_LIST[G@10])",
     {}},
    {"SubscriptInsideAReferenceModification", ORV_DIAL_ANSI85, ORV_DIAL_OSVS,
     "           MOVE X (T (1) : 2) TO Y (T (2) : 1).\n",
     STMT_MOVE,
     "STMT_MOVE(REFERENCE_MOD(X@10, TABLE_ELT(T@10, SUBSCRIPT_LIST[1]), 2), IDENT_LIST[REFERENCE_MOD(Y@10, TABLE_ELT(T@10, SUBSCRIPT_LIST[2]), 1)])",
     {}},
    {"SpecialWordsOfADisplayReadInATrial", ORV_DIAL_MF, 0,
     "           MOVE X (N (1) : 2) TO Y\n           DISPLAY Y UPON ARGUMENT-NUMBER.\n",
     STMT_DISPLAY,
     "STMT_DISPLAY(DISPLAY_ITEM_LIST[DISPLAY_FUNC_ITEM(Y@10, DSPL_UPON(IOF_ARG_NUMBER), NULL_NODE)], NULL_NODE*3)",
     {}},
    {"SpecialWordsOfAnAcceptReadInATrial", ORV_DIAL_MF, 0,
     "           MOVE X (N (1) : 2) TO Y\n           ACCEPT Y FROM COMMAND-LINE.\n",
     STMT_ACCEPT,
     "STMT_ACCEPT(ACCEPT_ITEM_LIST[ACCEPT_FUNC_ITEM(Y@10, ACCP_FROM(IOF_COMMAND_LINE), NULL_NODE)], NULL_NODE*3)",
     {}},
    {"ErrorInsideAcceptPhrases", ORV_DIAL_MF, 0,
     "           ACCEPT X LINE MOVE 1 TO N.\n           MOVE 2 TO N.\n",
     SENTENCE_LIST,
     "SENTENCE_LIST[STMT__SYNTAX_ERROR(EX_EXEC_TOKEN_LIST[ACCEPT, X, LINE]), SENTENCE(STMT_LIST[STMT_MOVE(1, IDENT_LIST[N@10])]), SENTENCE(STMT_LIST[STMT_MOVE(2, IDENT_LIST[N@10])])]",
     { "1:26 ERROR syntax error. at token: keyword MOVE" }},
    {"ErrorInsideAcceptPhrasesAfterAStatement", ORV_DIAL_MF, 0,
     "           MOVE 1 TO N ACCEPT X UPDATE LINE + DISPLAY Y.\n           MOVE 2 TO N.\n",
     SENTENCE_LIST,
     "SENTENCE_LIST[SENTENCE(STMT_LIST[STMT_MOVE(1, IDENT_LIST[N@10]), STMT__SYNTAX_ERROR(EX_EXEC_TOKEN_LIST[ACCEPT, X, UPDATE, LINE, +]), STMT_DISPLAY(DISPLAY_ITEM_LIST[DISPLAY_ANSI_ITEM(Y@10, NULL_NODE*3)], NULL_NODE*3)]), SENTENCE(STMT_LIST[STMT_MOVE(2, IDENT_LIST[N@10])])]",
     { "1:45 ERROR syntax error. at token: +" }},
    {"ErrorInsideADisplayItem", ORV_DIAL_MF, 0,
     "           DISPLAY X UPON 12 Y MOVE 1 TO N.\n           MOVE 2 TO N.\n",
     SENTENCE_LIST,
     "SENTENCE_LIST[SENTENCE(STMT_LIST[STMT_DISPLAY(DISPLAY_ITEM_LIST[DISPLAY_ANSI_ITEM(X@10, NULL_NODE, STMT__SYNTAX_ERROR(EX_EXEC_TOKEN_LIST[UPON]), NULL_NODE), DISPLAY_ANSI_ITEM(12, NULL_NODE*3), DISPLAY_ANSI_ITEM(Y@10, NULL_NODE*3)], NULL_NODE*3), STMT_MOVE(1, IDENT_LIST[N@10])]), SENTENCE(STMT_LIST[STMT_MOVE(2, IDENT_LIST[N@10])])]",
     { "1:27 ERROR syntax error. at token: num-literal 12" }},
    // Embedded SQL.  A WHENEVER label is a procedure-name use (19) that
    // becomes a paragraph-name use (20) when it resolves, as a GO TO's does.
    {"SqlWheneverGoTo", ORV_DIAL_MF, 0,
     "           EXEC SQL WHENEVER SQLERROR GO TO P1 END-EXEC.\n       P1.\n",
     SQL_STMT_WHENEVER,
     "SQL_STMT_WHENEVER(SQL_ERR_SQLERROR, SQL_ACT_GOTO(P1@20))",
     {}},
    {"SqlWheneverPerform", ORV_DIAL_MF, 0,
     "           EXEC SQL WHENEVER NOT FOUND PERFORM P1 END-EXEC.\n       P1.\n",
     SQL_STMT_WHENEVER,
     "SQL_STMT_WHENEVER(SQL_ERR_NOT_FOUND, SQL_ACT_PERFORM(P1@20))",
     {}},
    {"SqlWheneverLabelWithColon", ORV_DIAL_MF, 0,
     "           EXEC SQL WHENEVER SQLWARNING GOTO :P1 END-EXEC.\n       P1.\n",
     SQL_STMT_WHENEVER,
     "SQL_STMT_WHENEVER(SQL_ERR_SQLWARNING, SQL_ACT_GOTO(P1@20))",
     {}},
    {"SqlWheneverLabelNotDefined", ORV_DIAL_MF, 0,
     "           EXEC SQL WHENEVER SQLERROR GO TO P9 END-EXEC.\n",
     SQL_STMT_WHENEVER,
     "SQL_STMT_WHENEVER(SQL_ERR_SQLERROR, SQL_ACT_GOTO(P9@19))",
     {"1:45 ERROR Object named 'P9' is not defined (1 error per name)"}},
    {"SqlSelectStar", ORV_DIAL_MF, 0,
     "           EXEC SQL SELECT * INTO :A FROM T END-EXEC.\n",
     SQL_STMT_SELECT,
     "SQL_STMT_SELECT(NULL_NODE, SQL_SEL_ITEM_LIST_STAR, SQL_INTO_VARS(SQL_IND_HOST_VAR_LIST[SQL_IND_HOST_VAR(SQL_HOST_VAR_REF(A@10), NULL_NODE)]), SQL_FROM(SQL_TABLE_REF_LIST[SQL_TABLE_REF_ITEM(SQL_TABLE_REF(NULL_NODE, T), NULL_NODE)]), NULL_NODE*3)",
     {}},
    {"SqlSelectTableStars", ORV_DIAL_MF, 0,
     "           EXEC SQL SELECT S.T.*, X, T.* INTO :A FROM T END-EXEC.\n",
     SQL_SEL_ITEM_LIST,
     "SQL_SEL_ITEM_LIST[SQL_SEL_ITEM_TABLE_STAR(SQL_TABLE_REF(S, T)), SQL_SEL_ITEM_EXPR(SQL_COL_REF(NULL_NODE, X)), SQL_SEL_ITEM_TABLE_STAR(SQL_TABLE_REF(NULL_NODE, T))]",
     {}},
    {"SqlInsertColumnsAndValues", ORV_DIAL_MF, 0,
     "           EXEC SQL INSERT INTO T (A) VALUES (:X, DEFAULT) END-EXEC.\n",
     SQL_STMT_INSERT,
     "SQL_STMT_INSERT(SQL_TABLE_REF(NULL_NODE, T), SQL_INSERT_COLS(SQL_OP_PARENS(SQL_COL_REF_LIST[SQL_COL_REF(NULL_NODE, A)]), SQL_OP_VALUES(SQL_ROW_CONSTRUCTOR_LIST[SQL_ROW_CONSTRUCTOR(SQL_EXPR_LIST[SQL_IND_HOST_VAR(SQL_HOST_VAR_REF(X@10), NULL_NODE), SQL_VALUE_DEFAULT])])))",
     {}},
    {"SqlInsertQueryInParentheses", ORV_DIAL_MF, 0,
     "           EXEC SQL INSERT INTO T (T1 CROSS JOIN T2) END-EXEC.\n",
     SQL_STMT_INSERT,
     "SQL_STMT_INSERT(SQL_TABLE_REF(NULL_NODE, T), SQL_INSERT_COLS(NULL_NODE, SQL_OP_PARENS(SQL_OP_CROSS_JOIN(SQL_TABLE_REF(NULL_NODE, T1), SQL_TABLE_REF(NULL_NODE, T2)))))",
     {}},
    {"SqlValuesOfOneParenthesisedValue", ORV_DIAL_MF, 0,
     "           EXEC SQL INSERT INTO T VALUES (1) END-EXEC.\n",
     SQL_OP_VALUES,
     "SQL_OP_VALUES(SQL_ROW_CONSTRUCTOR_LIST[SQL_ROW_CONSTRUCTOR(SQL_EXPR_LIST[SQL_OP_PARENS(1)])])",
     {}},
    {"SqlValuesRows", ORV_DIAL_MF, 0,
     "           EXEC SQL INSERT INTO T VALUES 1, (2, 3), (SELECT A FROM U)\n           END-EXEC.\n",
     SQL_OP_VALUES,
     "SQL_OP_VALUES(SQL_ROW_CONSTRUCTOR_LIST[SQL_ROW_CONSTRUCTOR(SQL_EXPR_LIST[1]), SQL_ROW_CONSTRUCTOR(SQL_EXPR_LIST[2, 3]), SQL_ROW_CONSTRUCTOR(SQL_EXPR_SELECT(NULL_NODE, SQL_SEL_ITEM_LIST[SQL_SEL_ITEM_EXPR(SQL_COL_REF(NULL_NODE, A))], SQL_FROM(SQL_TABLE_REF_LIST[SQL_TABLE_REF_ITEM(SQL_TABLE_REF(NULL_NODE, U), NULL_NODE)]), NULL_NODE*3))])",
     {}},
    {"SqlSetHostVariable", ORV_DIAL_MF, 0,
     "           EXEC SQL SET :H = IDENTITY_VAL_LOCAL() END-EXEC.\n",
     SQL_SET_ASSIGN_LIST,
     "SQL_SET_ASSIGN_LIST[SQL_SET_ASSIGN(SQL_IND_HOST_VAR(SQL_HOST_VAR_REF(H@10), NULL_NODE), INTR_FUNCTION(IDENTITY_VAL_LOCAL, NULL_NODE))]",
     {}},
    {"SqlFunctionByAnyName", ORV_DIAL_MF, 0,
     "           EXEC SQL SET :H = LENGTH(X), :A = F(1, 2) END-EXEC.\n",
     SQL_SET_ASSIGN_LIST,
     "SQL_SET_ASSIGN_LIST[SQL_SET_ASSIGN(SQL_IND_HOST_VAR(SQL_HOST_VAR_REF(H@10), NULL_NODE), INTR_FUNCTION(LENGTH, SQL_EXPR_LIST[SQL_COL_REF(NULL_NODE, X)])), SQL_SET_ASSIGN(SQL_IND_HOST_VAR(SQL_HOST_VAR_REF(A@10), NULL_NODE), INTR_FUNCTION(F, SQL_EXPR_LIST[1, 2]))]",
     {}},
    {"SqlConcatenation", ORV_DIAL_MF, 0,
     "           EXEC SQL SELECT A || B, C||D INTO :X FROM T END-EXEC.\n",
     SQL_SEL_ITEM_LIST,
     "SQL_SEL_ITEM_LIST[SQL_SEL_ITEM_EXPR(SQL_OP_CONCAT[SQL_COL_REF(NULL_NODE, A), SQL_COL_REF(NULL_NODE, B)]), SQL_SEL_ITEM_EXPR(SQL_OP_CONCAT[SQL_COL_REF(NULL_NODE, C), SQL_COL_REF(NULL_NODE, D)])]",
     {}},
    {"SqlAdditiveChain", ORV_DIAL_MF, 0,
     "           EXEC SQL SELECT 1 + 2 - 3 + 4, 1 + 2 + 3 INTO :X FROM T\n           END-EXEC.\n",
     SQL_SEL_ITEM_LIST,
     "SQL_SEL_ITEM_LIST[SQL_SEL_ITEM_EXPR(SQL_OP_ADD[SQL_OP_SUB[SQL_OP_ADD[1, 2], 3], 4]), SQL_SEL_ITEM_EXPR(SQL_OP_ADD[1, 2, 3])]",
     {}},
    {"SqlMinusAndNames", ORV_DIAL_MF, 0,
     "           EXEC SQL SELECT X - 1, A-B INTO :X FROM T END-EXEC.\n",
     SQL_SEL_ITEM_LIST,
     "SQL_SEL_ITEM_LIST[SQL_SEL_ITEM_EXPR(SQL_OP_SUB[SQL_COL_REF(NULL_NODE, X), 1]), SQL_SEL_ITEM_EXPR(SQL_COL_REF(NULL_NODE, A-B))]",
     {}},
    {"SqlComparisonsNotSign", ORV_DIAL_MF, 0,
     "           EXEC SQL DELETE WHERE X \xac= 1 OR X <> 1 OR X \xac< 1 OR X \xac> 1\n           END-EXEC.\n",
     SQL_WHERE,
     "SQL_WHERE(SQL_OP_OR[SQL_OP_NE(SQL_COL_REF(NULL_NODE, X), 1), SQL_OP_NE(SQL_COL_REF(NULL_NODE, X), 1), SQL_OP_GE(SQL_COL_REF(NULL_NODE, X), 1), SQL_OP_LE(SQL_COL_REF(NULL_NODE, X), 1)])",
     {}},
    {"SqlNotOfAParenthesisedNot", ORV_DIAL_MF, 0,
     "           EXEC SQL DELETE WHERE NOT (NOT A = B) AND C IS NULL END-EXEC.\n",
     SQL_WHERE,
     "SQL_WHERE(SQL_OP_AND[SQL_OP_NOT(SQL_OP_PARENS(SQL_OP_NOT(SQL_OP_EQ(SQL_COL_REF(NULL_NODE, A), SQL_COL_REF(NULL_NODE, B))))), SQL_OP_IS_NULL(SQL_COL_REF(NULL_NODE, C))])",
     {}},
    {"SqlHostVariablePathAndIndicators", ORV_DIAL_MF, 0,
     "           EXEC SQL FETCH C1 INTO :G.T, :A :H, :A INDICATOR :H END-EXEC.\n",
     SQL_IND_HOST_VAR_LIST,
     "SQL_IND_HOST_VAR_LIST[SQL_IND_HOST_VAR(SQL_HOST_VAR_REF(G.T@10), NULL_NODE), SQL_IND_HOST_VAR(SQL_HOST_VAR_REF(A@10), SQL_HOST_VAR_REF(H@10)), SQL_IND_HOST_VAR(SQL_HOST_VAR_REF(A@10), SQL_HOST_VAR_REF(H@10))]",
     {}},
    {"SqlUndefinedHostVariable", ORV_DIAL_MF, 0,
     "           EXEC SQL OPEN C1 USING :Z END-EXEC.\n",
     SQL_STMT_OPEN_CURSOR,
     "SQL_STMT_OPEN_CURSOR(SQL_CURSOR_REF(C1), SQL_USING_VARS(SQL_IND_HOST_VAR_LIST[SQL_IND_HOST_VAR(SQL_HOST_VAR_REF(Z@10), NULL_NODE)]))",
     {"1:35 ERROR Object named 'Z' is not defined (1 error per name)"}},
    {"SqlHostVariableInLowerCaseUnderNetCobol", ORV_DIAL_NET, 0,
     "           EXEC SQL OPEN C1 USING :x END-EXEC.\n",
     SQL_STMT_OPEN_CURSOR,
     "SQL_STMT_OPEN_CURSOR(SQL_CURSOR_REF(C1), SQL_USING_VARS(SQL_IND_HOST_VAR_LIST[SQL_IND_HOST_VAR(SQL_HOST_VAR_REF(X@10), NULL_NODE)]))",
     {}},
    {"SqlColumnReferences", ORV_DIAL_MF, 0,
     "           EXEC SQL UPDATE S.T SET C = A.B, S.T.C = VALUE END-EXEC.\n",
     SQL_UPDATE_ASSIGN_LIST,
     "SQL_UPDATE_ASSIGN_LIST[SQL_UPDATE_ASSIGN(SQL_COL_REF(NULL_NODE, C), SQL_COL_REF(SQL_TABLE_REF(NULL_NODE, A), B)), SQL_UPDATE_ASSIGN(SQL_COL_REF(SQL_TABLE_REF(S, T), C), SQL_COL_REF(NULL_NODE, VALUE))]",
     {}},
    {"SqlUnionOfAnIntersection", ORV_DIAL_MF, 0,
     "           EXEC SQL DECLARE C1 CURSOR FOR\n                TABLE T1 UNION TABLE T2 INTERSECT TABLE T3 END-EXEC.\n",
     SQL_OP_UNION,
     "SQL_OP_UNION(SQL_OP_TABLE(SQL_TABLE_REF(NULL_NODE, T1)), NULL_NODE, NULL_NODE, SQL_OP_INTERSECT(SQL_OP_TABLE(SQL_TABLE_REF(NULL_NODE, T2)), NULL_NODE, NULL_NODE, SQL_OP_TABLE(SQL_TABLE_REF(NULL_NODE, T3))))",
     {}},
    {"SqlReadOnlyAndFetchOnly", ORV_DIAL_MF, 0,
     "           EXEC SQL DECLARE C1 CURSOR FOR TABLE T FOR FETCH ONLY\n           END-EXEC.\n           EXEC SQL DECLARE C2 CURSOR FOR TABLE T FOR READ ONLY\n           END-EXEC.\n",
     SQL_DECL_FOR,
     "SQL_DECL_FOR(SQL_DECL_ACC_READONLY)",
     {}},
    {"SqlDeleteForms", ORV_DIAL_MF, 0,
     "           EXEC SQL DELETE FROM T END-EXEC\n           EXEC SQL DELETE FROM T WHERE CURRENT OF C1 END-EXEC.\n",
     STMT_LIST,
     "STMT_LIST[STMT_EXEC_SQL(SQL_STMT_DELETE(SQL_FROM_TABLE(SQL_TABLE_REF(NULL_NODE, T)), NULL_NODE)), STMT_EXEC_SQL(SQL_STMT_DELETE_CURSOR(SQL_FROM_TABLE(SQL_TABLE_REF(NULL_NODE, T)), SQL_CURSOR_REF(C1)))]",
     {}},
    {"SqlDataTypesAndConstraints", ORV_DIAL_MF, 0,
     "           EXEC SQL DECLARE T TABLE (C1 CHAR(10) NOT NULL,\n                C2 DECIMAL(7,2), C3 INT, C4 DECIMAL, C5 NUMERIC(5))\n           END-EXEC.\n",
     SQL_COL_DEF_LIST,
     "SQL_COL_DEF_LIST[SQL_COL_DEF(C1, SQL_TYPE_CHAR(10), SQL_CONSTR_NOT_NULL), SQL_COL_DEF(C2, SQL_TYPE_DECIMAL(7, 2), NULL_NODE), SQL_COL_DEF(C3, SQL_TYPE_INT, NULL_NODE), SQL_COL_DEF(C4, SQL_TYPE_DECIMAL(NULL_NODE, NULL_NODE), NULL_NODE), SQL_COL_DEF(C5, SQL_TYPE_NUMERIC(5, NULL_NODE), NULL_NODE)]",
     {}},
    {"SqlConcurrencyReadOnlyTwoWays", ORV_DIAL_MF, 0,
     "           EXEC SQL SET CONCURRENCY READ ONLY END-EXEC\n           EXEC SQL SET CONCURRENCY READONLY END-EXEC.\n",
     STMT_LIST,
     "STMT_LIST[STMT_EXEC_SQL(SQL_STMT_SET_CONCURRENCY(SQL_CONC_READONLY)), STMT_EXEC_SQL(SQL_STMT_SET_CONCURRENCY(SQL_CONC_READONLY))]",
     {}},
    {"SqlServers", ORV_DIAL_MF, 0,
     "           EXEC SQL CONNECT TO DEFAULT END-EXEC\n           EXEC SQL CONNECT TO 'SRV' AS 'C1' END-EXEC.\n",
     STMT_LIST,
     "STMT_LIST[STMT_EXEC_SQL(SQL_STMT_CONNECT(SQL_SERVER_DEFAULT)), STMT_EXEC_SQL(SQL_STMT_CONNECT(SQL_SERVER_SPEC('SRV', SQL_CONNECT_AS('C1'), NULL_NODE)))]",
     {}},
    {"SqlDescribeWithoutOutput", ORV_DIAL_MF, 0,
     "           EXEC SQL DESCRIBE P USING SQL DESCRIPTOR D END-EXEC.\n",
     SQL_STMT_DESCRIBE_OUTPUT,
     "SQL_STMT_DESCRIBE_OUTPUT(SQL_PREPPED_REF(P), SQL_DESCR_REF(D))",
     {}},
    {"SqlSetDescriptorCount", ORV_DIAL_MF, 0,
     "           EXEC SQL SET DESCRIPTOR D :H = COUNT END-EXEC.\n",
     SQL_STMT_SET_DESCRIPTOR,
     "SQL_STMT_SET_DESCRIPTOR(SQL_DESCR_REF(D), SQL_SET_COUNT(SQL_IND_HOST_VAR(SQL_HOST_VAR_REF(H@10), NULL_NODE)))",
     {}},
    {"SqlDataDivisionBlock", ORV_DIAL_MF, 0,
     "           EXEC SQL COMMIT END-EXEC.\n",
     STMT_EXEC_SQL,
     "STMT_EXEC_SQL(SQL_STMT_COMMIT)",
     {}},
    // A syntax error after an EXEC SQL whose statement opened a trial: the
    // block commits at END-EXEC, so the statements before the error stay.
    {"SqlBlockCommitsItsTrials", ORV_DIAL_MF, 0,
     "           EXEC SQL INSERT INTO T (A) VALUES (1) END-EXEC\n           MOVE 1 TO N\n           MOVE 2 TO N\n           MOVE 3 TO N\n           MOVE TO Y.\n",
     STMT_LIST,
     "STMT_LIST[STMT_EXEC_SQL(SQL_STMT_INSERT(SQL_TABLE_REF(NULL_NODE, T), SQL_INSERT_COLS(SQL_OP_PARENS(SQL_COL_REF_LIST[SQL_COL_REF(NULL_NODE, A)]), SQL_OP_VALUES(SQL_ROW_CONSTRUCTOR_LIST[SQL_ROW_CONSTRUCTOR(SQL_EXPR_LIST[SQL_OP_PARENS(1)])])))), STMT_MOVE(1, IDENT_LIST[N@10]), STMT_MOVE(2, IDENT_LIST[N@10]), STMT_MOVE(3, IDENT_LIST[N@10]), STMT__SYNTAX_ERROR(EX_EXEC_TOKEN_LIST[MOVE, TO, Y])]",
     {"5:17 ERROR syntax error. at token: keyword TO"}},
};

INSTANTIATE_TEST_SUITE_P(Statements, StatementShapeTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ShapeCase>& info) { return std::string(info.param.name); });

// SQL that no rule takes: one syntax error at the first token that fits no
// rule, and the block stays an EXEC SQL node over the error node.
struct RejectedSqlCase {
  const char* name;
  const char* statements;
  const char* message;  // "line:column LEVEL text"
};

void PrintTo(const RejectedSqlCase& c, std::ostream* out) { *out << c.name; }

class RejectedSqlTest : public ::testing::TestWithParam<RejectedSqlCase> {};

TEST_P(RejectedSqlTest, GivesOneSyntaxErrorAndAnErrorNode) {
  const RejectedSqlCase& c = GetParam();
  ScratchDir dir;
  int firstLine = 0;
  dir.Write("case.cbl", FramedSource(c.statements, firstLine));
  ParsedSource parsed(dir.Path("case.cbl"), ORV_DIAL_MF, 0);
  std::vector<std::string> messages;
  for (const std::string& m : parsed.Messages()) messages.push_back(Relative(m, firstLine));
  EXPECT_EQ(messages, std::vector<std::string>{c.message});
  std::vector<OrvExpr*> found;
  FindOuter(parsed.tree, STMT_EXEC_SQL, found);
  ASSERT_EQ(found.size(), 1u);
  ASSERT_GT(found.front()->NArgs(), 0);
  ASSERT_NE(found.front()->Args(0), nullptr);
  EXPECT_EQ(found.front()->Args(0)->Oper(), STMT__SYNTAX_ERROR);
}

const RejectedSqlCase kRejectedSql[] = {
    {"CaseWithoutElse", "           EXEC SQL SELECT CASE WHEN 1 THEN 2 END\n                INTO :X FROM T END-EXEC.\n",
     "1:47 ERROR syntax error. at token: STK_END"},
    {"NotNot", "           EXEC SQL DELETE WHERE NOT NOT A = B END-EXEC.\n",
     "1:38 ERROR syntax error. at token: STK_NOT"},
    {"InOfAQuery", "           EXEC SQL DELETE WHERE A IN (SELECT B FROM T) END-EXEC.\n",
     "1:40 ERROR syntax error. at token: STK_SELECT"},
    {"IsNullOfAnExpression", "           EXEC SQL DELETE WHERE A + 1 IS NULL END-EXEC.\n",
     "1:40 ERROR syntax error. at token: STK_IS"},
    // "-1" is one literal: X and a number with nothing between them.
    {"SignGluedToANumber", "           EXEC SQL SELECT X -1 INTO :X FROM T END-EXEC.\n",
     "1:30 ERROR syntax error. at token: exact-numeric-literal -1"},
    {"SqlWordAsFunctionName", "           EXEC SQL SELECT COALESCE(A, B) INTO :X FROM T END-EXEC.\n",
     "1:28 ERROR syntax error. at token: STK_COALESCE"},
    {"TwoSignsInARow", "           EXEC SQL DELETE WHERE A = - - 1 END-EXEC.\n",
     "1:40 ERROR syntax error. at token: -"},
    {"JoinWithoutItsType", "           EXEC SQL DECLARE C CURSOR FOR T1 JOIN T2 END-EXEC.\n",
     "1:45 ERROR syntax error. at token: STK_JOIN"},
    {"CrossJoinWithOn", "           EXEC SQL DECLARE C CURSOR FOR\n                T1 CROSS JOIN T2 ON A = B END-EXEC.\n",
     "2:34 ERROR syntax error. at token: STK_ON"},
};

INSTANTIATE_TEST_SUITE_P(Sql, RejectedSqlTest, ::testing::ValuesIn(kRejectedSql),
                         [](const ::testing::TestParamInfo<RejectedSqlCase>& info) { return std::string(info.param.name); });

}  // namespace
