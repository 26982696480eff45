// The build-time tools of the grammar rule, called as functions: the token
// splice, the action and constant extraction, the conflict inventory and the
// table invariants, on small texts and on the toy grammar's own outputs.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ActionExtract.h"
#include "ConflictInventory.h"
#include "OrvParseTables.h"
#include "TableInvariants.h"
#include "TokenSplice.h"
#include "ToolText.h"
#include "ToyGrammar.h"

namespace {

using namespace larkyacc;

std::string ReadOrFail(const std::string& path) {
  std::string text, error;
  EXPECT_TRUE(ReadTextFile(path, text, error)) << error;
  return text;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// An input a reader must refuse, and a part of its message.
struct Refusal {
  std::string input;
  std::string error;
};

// Whether a reader refused its input (`ok` false) with a message holding
// `part`.
::testing::AssertionResult Refused(bool ok, const std::string& error, const std::string& part) {
  if (ok) return ::testing::AssertionFailure() << "accepted; expected a refusal with \"" << part << "\"";
  if (!Contains(error, part))
    return ::testing::AssertionFailure() << "refused with \"" << error << "\"; expected \"" << part << "\"";
  return ::testing::AssertionSuccess();
}

// --- token codes --------------------------------------------------------

TEST(GrammarToolsTest, TokenTableGivesEveryNamedCodeInOrder) {
  std::vector<TokenCode> codes;
  std::string error;
  ASSERT_TRUE(ReadTokenCodes(ReadOrFail(LARK_TOKEN_TABLE), codes, error)) << error;
  ASSERT_EQ(1477u, codes.size());
  EXPECT_EQ("PRTY_LOW", codes.front().name);
  EXPECT_EQ(257, codes.front().code);
  EXPECT_EQ("CTK_YYYYMMDD", codes.back().name);
  EXPECT_EQ(1733, codes.back().code);
  EXPECT_EQ("RW_FILE", codes[491 - 257].name);
  EXPECT_EQ("MSG_INFO", codes[968 - 257].name);  // the message levels are codes too
}

TEST(GrammarToolsTest, TokenTableRefusesRowsItCannotTrust) {
  const Refusal cases[] = {
      {"ORV_TOKEN(257 PRTY_LOW)\n", "line 1: cannot read"},
      {"ORV_TOKEN(257, 9A)\n", "line 1: cannot read"},
      {"ORV_TOKEN(258, A)\nORV_TOKEN(257, B)\n", "line 2: code 257 does not follow 258"},
      {"ORV_TOKEN(257, A)\nORV_TOKEN_LEVEL(258, A)\n", "line 2: A is named twice"},
      {"ORV_TOKEN(12, A)\n", "code 12 is not in 257..65535"},
      {"#define ORV_TOKEN_LEVEL(code, name) ORV_TOKEN(code, name)\n", "has no rows"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    std::vector<TokenCode> codes;
    std::string error;
    EXPECT_TRUE(Refused(ReadTokenCodes(c.input, codes, error), error, c.error));
  }
}

TEST(GrammarToolsTest, SpliceReplacesTheOneMarkerLineKeepingLineNumbers) {
  const std::vector<TokenCode> codes = {{"RW_FILE", 491}, {"CTK_YYYYMMDD", 1733}};
  std::string spliced, error;
  ASSERT_TRUE(SpliceTokenCodes("%{\n%}\n  %token_codes \n%%\ns : RW_FILE ;\n", codes, spliced, error)) << error;
  EXPECT_EQ("%{\n%}\n%token RW_FILE 491 CTK_YYYYMMDD 1733\n%%\ns : RW_FILE ;\n", spliced);

  // A grammar with a %union names its tokens' member after the marker.
  ASSERT_TRUE(SpliceTokenCodes("%union { int node; }\n%token_codes <node>\n%%\n", codes, spliced, error)) << error;
  EXPECT_EQ("%union { int node; }\n%token <node> RW_FILE 491 CTK_YYYYMMDD 1733\n%%\n", spliced);

  const Refusal refused[] = {
      {"%%\ns : RW_FILE ;\n", "has no line \"%token_codes\""},
      {"%token_codes\n%token_codes\n%%\n", "has 2 lines \"%token_codes\""},
      {"%token_codes\n%token_codes <node>\n%%\n", "has 2 lines \"%token_codes\""},
      {"/* %token_codes */\n%%\n", "has no line"},
      {"%token_codes node\n%%\n", "names no member"},
      {"%token_codes <>\n%%\n", "names no member"},
      {"%token_codes <a b>\n%%\n", "names no member"},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.input);
    EXPECT_TRUE(Refused(SpliceTokenCodes(c.input, codes, spliced, error), error, c.error));
  }
}

// --- actions and constants ----------------------------------------------

// A code file as byacc writes it, with `cases` as its action cases.
std::string CodeFile(const std::string& cases) {
  return "int yyparse(void) {\n"
         "    switch (yyn)\n"
         "    {\n" +
         cases +
         "    default:\n"
         "        break;\n"
         "    }\n"
         "    yystack.s_mark -= yym;\n"
         "    if (yychar == 0) YYACCEPT;\n"
         "}\n";
}

TEST(GrammarToolsTest, ExtractedActionsAreTheCasesOfTheSwitch) {
  const std::string cases =
      "case 3:\n"
      "  if (!yytrial)\n"
      "\t{ yyval = yystack.l_mark[-1] + yystack . l_mark[0]; }\n"
      "break;\n"
      "case 7:\n"
      "{ YYVALID; YYVALID_NESTED; yyval = 8; if (yytrial) break; }\n"
      "break;\n";
  std::string actions, error;
  ASSERT_TRUE(ExtractActions(CodeFile(cases), actions, error)) << error;
  EXPECT_TRUE(Contains(actions, cases));
  EXPECT_FALSE(Contains(actions, "default:"));
  EXPECT_FALSE(Contains(actions, "yychar"));  // the skeleton beyond the switch stays out
}

// The rules with an action are the numeric case labels, each once and in
// rising order, wherever the line stands; other lines and labels that are
// no rule numbers are left out.
TEST(GrammarToolsTest, ActionRulesAreTheCaseLabelsInRisingOrder) {
  const std::string actions =
      "// The semantic actions\n"
      "case 12:\n{ yyval = 1; }\nbreak;\n"
      "case 3:\n  { switch (x) {\n  case 40: break;\n  case FOO: break; } }\nbreak;\n"
      "  case 7: { yyval = 2; }\nbreak;\n"
      "case 3:\nbreak;\n"
      "case -2:\nbreak;\n"
      "/* showcase 9: */\n";
  EXPECT_EQ((std::vector<int>{3, 7, 12, 40}), ActionRules(actions));
  EXPECT_TRUE(ActionRules("// none\n").empty());
}

TEST(GrammarToolsTest, ActionRulesFormatAsAnXMacroOverLinesOfSixteen) {
  EXPECT_EQ("// The rules that have an action (the cases of the action switch).\n"
            "#define LARK_ACTION_RULES(X)\n",
            FormatActionRules({}));
  EXPECT_TRUE(Contains(FormatActionRules({2, 9}), "#define LARK_ACTION_RULES(X) X(2) X(9)\n"));
  std::vector<int> many;
  for (int r = 1; r <= 17; ++r) many.push_back(r);
  const std::string text = FormatActionRules(many);
  EXPECT_TRUE(Contains(text, " X(15) X(16) \\\n X(17)\n")) << text;
}

// The toy grammar's tables mark exactly the rules whose case its action
// file holds; tables without the marks say every rule may have an action.
TEST(GrammarToolsTest, ToyTablesMarkTheRulesWithAnAction) {
  const std::vector<int> withAction = ActionRules(ReadOrFail(LARK_TOY_OUT_DIR "/ToyGrammar.actions.inc"));
  ASSERT_FALSE(withAction.empty());
  const OrvParseTables& t = toy_grammar::ParseTables;
  ASSERT_NE(nullptr, t.RuleHasAction);
  int marked = 0;
  for (int rule = 0; rule < t.ruleCount; ++rule) {
    const bool listed = std::find(withAction.begin(), withAction.end(), rule) != withAction.end();
    EXPECT_EQ(listed, t.HasAction(rule)) << rule;
    marked += t.HasAction(rule) ? 1 : 0;
  }
  EXPECT_EQ(static_cast<int>(withAction.size()), marked);
  EXPECT_LT(marked, t.ruleCount);  // the toy has rules without an action

  OrvParseTables unmarked{};
  EXPECT_TRUE(unmarked.HasAction(0));
  EXPECT_TRUE(unmarked.HasAction(5));
}

TEST(GrammarToolsTest, ExtractorRefusesParserNamesTheFrameDoesNotGive) {
  const struct {
    const char* action;
    const char* error;  // null: accepted
  } cases[] = {
      {"{ if (yychar == 0) yyval = 1; }", "case 5 uses yychar"},
      {"{ YYERROR; }", "case 5 uses YYERROR"},
      {"{ yyval = yylval; }", "case 5 uses yylval"},
      {"{ yyerrok; yyclearin; }", "case 5 uses yyerrok"},
      {"{ YYACCEPT; }", "case 5 uses YYACCEPT"},
      {"{ yystack.s_mark[0] = 1; }", "case 5 uses yystack.s_mark"},
      {"{ yyval = yystack.l_mark[yym]; }", "case 5 uses yym"},
      {"{ yyval = Yyval(\"yychar YYERROR\", 'y'); }", nullptr},
      {"{ /* yychar */ yyval = 1; // YYERROR\n}", nullptr},
      {"{ /* a comment over\n   two lines: yylval */ yyval = 0x1ee; }", nullptr},
      {"{ yyval = \"\\\"yychar\"[0]; }", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.action);
    std::string actions, error;
    const bool ok = ExtractActions(CodeFile("case 1:\n{ yyval = 1; }\nbreak;\ncase 5:\n" + std::string(c.action) +
                                            "\nbreak;\n"),
                                   actions, error);
    if (c.error == nullptr) {
      EXPECT_TRUE(ok) << error;
    } else {
      EXPECT_TRUE(Refused(ok, error, c.error));
    }
  }
  // Every refused use is named, each with its case.
  std::string actions, error;
  EXPECT_TRUE(Refused(ExtractActions(CodeFile("case 2:\n{ yychar = 0; }\nbreak;\ncase 9:\n{ YYABORT; }\nbreak;\n"),
                                     actions, error),
                      error, "case 2 uses yychar"));
  EXPECT_TRUE(Contains(error, "case 9 uses YYABORT")) << error;
}

TEST(GrammarToolsTest, ExtractorRefusesACodeFileWithoutOneActionSwitch) {
  const std::string body = "case 1:\n{ yyval = 1; }\nbreak;\n";
  const Refusal cases[] = {
      {"int yyparse(void) { return 0; }\n", "has no action switch"},
      {"    switch (yyn)\n    return 0;\n", "has no action switch"},
      {CodeFile(body) + CodeFile(body), "has 2 action switches"},
      {"    switch (yyn)\n    {\n" + body + "    default:\n        break;\n    }\n", "has no end"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    std::string actions, error;
    EXPECT_TRUE(Refused(ExtractActions(c.input, actions, error), error, c.error));
  }
}

// The value type the dispatcher declares: byacc's union when the grammar
// has a %union (over several lines too), the engine's word otherwise.
TEST(GrammarToolsTest, ValueTypeIsTheGrammarsUnionOrTheEnginesWord) {
  std::string declaration, error;
  ASSERT_TRUE(ReadValueType("#define YYSTYPE_IS_DECLARED 1\n"
                            "typedef union YYSTYPE { OrvExpr* node; std::intptr_t code; } YYSTYPE;\n#endif\n",
                            declaration, error))
      << error;
  EXPECT_TRUE(Contains(declaration, "\ntypedef union YYSTYPE { OrvExpr* node; std::intptr_t code; } YYSTYPE;\n"))
      << declaration;
  EXPECT_FALSE(Contains(declaration, "#endif"));

  ASSERT_TRUE(ReadValueType("typedef union YYSTYPE {\n  OrvExpr* node;\n  std::intptr_t code;\n} YYSTYPE;\nint x;\n",
                            declaration, error))
      << error;
  EXPECT_TRUE(Contains(declaration, "typedef union YYSTYPE {\n  OrvExpr* node;\n  std::intptr_t code;\n} YYSTYPE;\n"));
  EXPECT_FALSE(Contains(declaration, "int x;"));

  ASSERT_TRUE(ReadValueType("typedef int YYSTYPE;\n", declaration, error)) << error;
  EXPECT_TRUE(Contains(declaration, "\ntypedef OrvParseValue YYSTYPE;\n")) << declaration;
  EXPECT_FALSE(Contains(declaration, "typedef int"));

  EXPECT_TRUE(Refused(ReadValueType("typedef union YYSTYPE {\n  OrvExpr* node;\n", declaration, error), error,
                      "has no end"));
}

TEST(GrammarToolsTest, ConstantsAreReadOnceEachAndWrittenBack) {
  const std::string good = "#define YYERRCODE 256\n#define YYTABLESIZE 102\n#define YYFINAL 5\n"
                           "#define YYDEBUG 0\n#define YYMAXTOKEN 1733\n";
  TableConstants c;
  std::string error;
  ASSERT_TRUE(ReadTableConstants(good, c, error)) << error;
  EXPECT_EQ(5, c.finalState);
  EXPECT_EQ(102, c.tableSize);
  EXPECT_EQ(1733, c.maxToken);
  EXPECT_EQ(256, c.errorCode);
  TableConstants again;
  ASSERT_TRUE(ReadTableConstants(FormatConstantsHeader(c, "Toy"), again, error)) << error;
  EXPECT_EQ(c.finalState, again.finalState);
  EXPECT_EQ(c.tableSize, again.tableSize);
  EXPECT_EQ(c.maxToken, again.maxToken);
  EXPECT_EQ(c.errorCode, again.errorCode);

  const Refusal refused[] = {
      {"#define YYERRCODE 256\n#define YYTABLESIZE 102\n#define YYFINAL 5\n", "no \"#define YYMAXTOKEN\""},
      {good + "#define YYFINAL 6\n", "YYFINAL is defined twice"},
      {"#define YYERRCODE 256\n#define YYTABLESIZE (102)\n#define YYFINAL 5\n#define YYMAXTOKEN 9\n",
       "YYTABLESIZE is not an integer"},
  };
  for (const auto& r : refused) {
    SCOPED_TRACE(r.error);
    EXPECT_TRUE(Refused(ReadTableConstants(r.input, c, error), error, r.error));
  }
}

// --- conflict inventory ---------------------------------------------------

// A report of a grammar with a three-way cell (a shift and two
// reductions, given by byacc as two lines), a three-way reductions-only cell
// and a cell whose reduction is a mid-rule action.
const char kReport[] =
    "   0  $accept : s $end\n"
    "\n"
    "   1  s : x B\n"
    "   2    | y B\n"
    "   3    | A B C\n"
    "\n"
    "   4  x : A\n"
    "\n"
    "   5  y : A\n"
    "\n"
    "   6  $$1 :\n"
    "\n"
    "   7  s : C $$1 A $$2 B\n"
    "\n"
    "   8  $$2 :\n"
    "\n"
    "   9  z : A\n"
    "\n"
    "1: shift/reduce conflict (shift 6, reduce 4) on B\n"
    "1: shift/reduce conflict (shift 6, reduce 5) on B\n"
    "state 1\n"
    "\tx : A .  (4)\n"
    "\n"
    "2: reduce/reduce conflict (reduce 4, reduce 9) on C\n"
    "2: reduce/reduce conflict (reduce 4, reduce 5) on C\n"
    "3: shift/reduce conflict (shift 7, reduce 8) on B\n"
    "state 2\n"
    "\n"
    "State 1 contains 2 shift/reduce conflicts.\n";

TEST(GrammarToolsTest, ReportCellsMergeTheirLinesAndNameRulesByText) {
  std::vector<std::string> cells;
  std::string error;
  ASSERT_TRUE(ReadReportCells(kReport, cells, error)) << error;
  const std::vector<std::string> expected = {
      "B | shift | reduce x : A | reduce y : A",
      "C | reduce x : A | reduce y : A | reduce z : A",
      "B | shift | reduce s : C {} A {*} B",
  };
  EXPECT_EQ(expected, cells);
}

// byacc writes rule numbers right-aligned in four columns: from rule 1000
// on the number starts the line.
TEST(GrammarToolsTest, ReportCellsNameRulesNumberedFromAThousandOn) {
  std::string report = "   0  $accept : s $end\n\n   1  s : x B\n";
  for (int r = 2; r < 1000; ++r) {
    const std::string number = std::to_string(r);
    report += std::string(4 - number.size(), ' ') + number + "  x" + number + " : A\n";
  }
  report += "1000  x : A\n\n1001  y : A\n\n";
  report += "7: reduce/reduce conflict (reduce 1000, reduce 1001) on B\nstate 7\n";
  std::vector<std::string> cells;
  std::string error;
  ASSERT_TRUE(ReadReportCells(report, cells, error)) << error;
  EXPECT_EQ(std::vector<std::string>{"B | reduce x : A | reduce y : A"}, cells);
}

TEST(GrammarToolsTest, ReportsAndExpectedFilesThatCannotBeReadAreRefused) {
  const Refusal reports[] = {
      {"state 0\n", "no rule list"},
      {"   0  $accept : s $end\n   2  s : A\n", "rule 2 out of order"},
      {"   0  $accept : s $end\n   1  s : A\n1: shift/reduce conflict on A\n", "unknown conflict line"},
      {"   0  $accept : s $end\n   1  s : A\n1: reduce/reduce conflict (reduce 1, reduce 4) on A\n",
       "rule 4 is not in the rule list"},
  };
  for (const auto& r : reports) {
    SCOPED_TRACE(r.error);
    std::vector<std::string> cells;
    std::string error;
    EXPECT_TRUE(Refused(ReadReportCells(r.input, cells, error), error, r.error));
  }
  const Refusal files[] = {
      {"# one\n\nB | shift\n", "line 3: fewer than two alternatives"},
      {"B | reduce x : A | shift\n", "line 1: \"shift\" is not the first alternative"},
      {"B | shift | x : A\n", "\"x : A\" is neither"},
      {" | shift | reduce x : A\n", "no token"},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.input);
    std::vector<std::string> cells;
    std::string error;
    EXPECT_TRUE(Refused(ReadExpectedCells(f.input, cells, error), error, f.error));
  }
}

// The toy's report against its expected file and against edited copies.
TEST(GrammarToolsTest, ToyInventoryFailsOnEveryChangeWithADiffNamingTheCell) {
  std::vector<std::string> actual;
  std::string error;
  ASSERT_TRUE(ReadReportCells(ReadOrFail(LARK_TOY_WORK_DIR "/ToyGrammar.output"), actual, error)) << error;
  const std::string file = ReadOrFail(LARK_GRAMMAR_SOURCE_DIR "/ToyGrammar.conflicts");
  const std::string paren = "SEP_LEFT_PAR | shift | reduce ident : TK_USER_DEFD_WORD";
  const std::string in = "RW_IN | reduce data_word : TK_USER_DEFD_WORD | reduce cond_word : TK_USER_DEFD_WORD";
  const std::string swapped = "RW_IN | reduce cond_word : TK_USER_DEFD_WORD | reduce data_word : TK_USER_DEFD_WORD";
  const std::string added = "RW_TO | shift | reduce qualified : data_word RW_IN TK_USER_DEFD_WORD";
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = file;
    const std::size_t at = text.find(from);
    EXPECT_NE(std::string::npos, at) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
  };
  const struct {
    const char* what;
    std::string expectedFile;
    std::string diff;
  } cases[] = {
      {"unchanged", file, ""},
      {"unchanged but spaced and commented", replaced(paren, "# the subscript cell\n  SEP_LEFT_PAR|shift |  reduce ident :  TK_USER_DEFD_WORD"), ""},
      {"the tables hold a cell not expected", replaced(paren + "\n", ""), "+ " + paren + "\n"},
      {"an expected cell is missing", file + added + "\n", "- " + added + "\n"},
      {"two reductions swapped", replaced(in, swapped), "- " + swapped + "\n+ " + in + "\n"},
      {"a cell expected twice", file + paren + "\n", "- " + paren + "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> expected;
    ASSERT_TRUE(ReadExpectedCells(c.expectedFile, expected, error)) << error;
    EXPECT_EQ(c.diff, DiffCells(expected, actual));
  }
}

// The precedence declarations of a grammar, and the conflict tokens among
// them.
TEST(GrammarToolsTest, PrecedenceTokensAreThoseOfThePrecedenceDeclarations) {
  const struct {
    const char* grammar;
    std::vector<std::string> tokens;
  } cases[] = {
      {"%token A B\n%%\ns : A ;\n", {}},
      {"%left A B\n%right C\n%nonassoc D\n%precedence E\n%%\ns : A ;\n", {"A", "B", "C", "D", "E"}},
      // A declaration goes on over lines until the next one; tags, numbers,
      // literals and comments name no token.
      {"%right A\n   B /* not C */ '+' <tag> 7\n%token F\n%expect 1\n%%\n", {"A", "B"}},
      {"%{\n%left X\n%}\n%left A // B\n%%\n", {"A"}},
      // The rules after "%%" are not declarations, %prec there included.
      {"%token A\n%%\ns : A %prec A ;\n%left B\n", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.grammar);
    std::vector<std::string> tokens;
    std::string error;
    ASSERT_TRUE(ReadPrecedenceTokens(c.grammar, tokens, error)) << error;
    EXPECT_EQ(c.tokens, tokens);
  }
  std::vector<std::string> tokens;
  std::string error;
  EXPECT_TRUE(Refused(ReadPrecedenceTokens("%left A\ns : A ;\n", tokens, error), error, "no \"%%\" line"));

  const std::vector<std::string> cells = {"B | shift | reduce x : A", "C | reduce x : A | reduce y : A",
                                          "B | shift | reduce y : A"};
  EXPECT_EQ("", PrecedenceOnCellTokens(cells, {"A", "D"}));
  EXPECT_EQ("B\nC\n", PrecedenceOnCellTokens(cells, {"C", "A", "B"}));
}

// --- table invariants -------------------------------------------------------

PackedTables ToyTables() {
  PackedTables t;
  std::string error;
  EXPECT_TRUE(ReadPackedTables(ReadOrFail(LARK_TOY_OUT_DIR "/ToyGrammar.tables.inc"), t, error)) << error;
  EXPECT_TRUE(ReadTableConstants(ReadOrFail(LARK_TOY_OUT_DIR "/ToyGrammar.constants.h"), t.constants, error))
      << error;
  return t;
}

int Slots(const PackedTables& t) { return static_cast<int>(t.yytable.size()); }

bool BaseInUse(const PackedTables& t, int base) {
  for (const std::vector<int>* bases : {&t.yysindex, &t.yyrindex, &t.yycindex, &t.yygindex})
    for (int b : *bases)
      if (b == base) return true;
  return false;
}

// Adds the entry `key` -> `value` to the row whose displacement is `base`,
// giving an empty row a displacement of its own past the end of the table.
void AddEntry(PackedTables& t, int& base, int key, int value) {
  if (base == 0) {
    while (BaseInUse(t, Slots(t) - key) || Slots(t) == key) {
      t.yytable.push_back(0);
      t.yycheck.push_back(-1);
    }
    base = Slots(t) - key;
  }
  const int slot = base + key;
  ASSERT_GE(slot, 0);
  while (Slots(t) <= slot) {
    t.yytable.push_back(0);
    t.yycheck.push_back(-1);
  }
  ASSERT_EQ(-1, t.yycheck[slot]) << "slot " << slot << " is taken";
  t.yycheck[slot] = key;
  t.yytable[slot] = value;
  t.constants.tableSize = Slots(t) - 1;
}

// The first index whose element satisfies `p`, or -1.
template <typename P>
int First(int count, P p) {
  for (int i = 0; i < count; ++i)
    if (p(i)) return i;
  return -1;
}

TEST(GrammarToolsTest, ToyTablesHoldEveryInvariant) {
  const PackedTables t = ToyTables();
  EXPECT_EQ(std::vector<std::string>(), CheckTableInvariants(t));
}

// byacc stores a shift row and a reduce row with the same keys and
// numbers once: each lookup still finds its own row's entries.
TEST(GrammarToolsTest, AShiftRowMayShareTheDisplacementOfAnIdenticalReduceRow) {
  PackedTables t = ToyTables();
  const int states = static_cast<int>(t.yydefred.size());
  const int reducing = First(states, [&](int s) { return t.yyrindex[s] != 0; });
  ASSERT_GE(reducing, 0);
  // A further state whose shift row is the reduce row of `reducing`: its
  // targets are the rule numbers, states of the toy as well.
  t.yydefred.push_back(0);
  t.yysindex.push_back(t.yyrindex[reducing]);
  t.yyrindex.push_back(0);
  t.yycindex.push_back(0);
  EXPECT_EQ(std::vector<std::string>(), CheckTableInvariants(t));
  // A target that is no rule is reported for the reduce row that reads it.
  const int slot = First(Slots(t), [&](int i) { return t.yycheck[i] != -1 && i - t.yycheck[i] == t.yyrindex[reducing]; });
  ASSERT_GE(slot, 0);
  t.yytable[slot] = static_cast<int>(t.yylhs.size());
  std::string all;
  for (const std::string& f : CheckTableInvariants(t)) all += f + "\n";
  EXPECT_TRUE(Contains(all, "the reduce row of state " + std::to_string(reducing))) << all;
}

TEST(GrammarToolsTest, EachBrokenCopyOfTheToyTablesIsReported) {
  const PackedTables toy = ToyTables();
  const int states = static_cast<int>(toy.yydefred.size());
  const int withDefault = First(states, [&](int s) { return toy.yydefred[s] != 0; });
  const int withShifts = First(states, [&](int s) { return toy.yysindex[s] != 0; });
  const int withReduces = First(states, [&](int s) {
    return toy.yyrindex[s] != 0 && toy.yyrindex[s] != toy.yysindex[withShifts];
  });
  const int withConflict = First(states, [&](int s) { return toy.yycindex[s] != 0; });
  const int withGotos = First(static_cast<int>(toy.yygindex.size()), [&](int a) { return toy.yygindex[a] != 0; });
  ASSERT_TRUE(withDefault >= 0 && withShifts >= 0 && withReduces >= 0 && withConflict >= 0 && withGotos >= 0);
  int conflictToken = -1;
  for (int k = 0; k <= toy.constants.maxToken && conflictToken < 0; ++k) {
    const int slot = toy.yycindex[withConflict] + k;
    if (slot >= 0 && slot < Slots(toy) && toy.yycheck[slot] == k) conflictToken = k;
  }
  ASSERT_GE(conflictToken, 0);
  const int gotoSlot = First(Slots(toy), [&](int i) {
    return toy.yycheck[i] != -1 && i - toy.yycheck[i] == toy.yygindex[withGotos];
  });
  ASSERT_GE(gotoSlot, 0);

  const struct {
    const char* what;
    void (*breakIt)(PackedTables&, int, int);
    int a, b;
    std::string finding;
  } cases[] = {
      {"a default-reduction state with a shift entry",
       [](PackedTables& t, int s, int) { AddEntry(t, t.yysindex[s], 491, 1); }, withDefault, 0,
       "state " + std::to_string(withDefault) + " has a default reduction and shift entries"},
      {"a conflict cell also in the shift row",
       [](PackedTables& t, int s, int k) { AddEntry(t, t.yysindex[s], k, 1); }, withConflict, conflictToken,
       "state " + std::to_string(withConflict) + ": the conflict cell on token " + std::to_string(conflictToken) +
           " also has a shift or reduce entry"},
      {"a goto equal to its default",
       [](PackedTables& t, int a, int slot) { t.yytable[slot] = t.yydgoto[a]; }, withGotos, gotoSlot,
       "nonterminal " + std::to_string(withGotos) + ": the goto from state"},
      {"a conflict row sharing the displacement of a shift row",
       [](PackedTables& t, int conflicting, int shifting) { t.yycindex[conflicting] = t.yysindex[shifting]; },
       withConflict, withShifts, "the conflict row of state " + std::to_string(withConflict)},
      {"a token key above YYMAXTOKEN",
       [](PackedTables& t, int s, int) { AddEntry(t, t.yysindex[s], t.constants.maxToken + 1, 1); }, withShifts, 0,
       "the shift row of state " + std::to_string(withShifts) + ", key 1734: the key is not a token code"},
      {"a slot of no row",
       [](PackedTables& t, int, int) {
         int none = 0;
         AddEntry(t, none, 5, 1);
       },
       0, 0, "(key 5) belongs to no row or column"},
      {"entries in the final state",
       [](PackedTables& t, int, int) { t.yysindex[t.constants.finalState] = t.yysindex[0]; }, 0, 0,
       "the final state " + std::to_string(toy.constants.finalState) + " has entries"},
      {"a rule reduced nowhere",
       [](PackedTables& t, int, int) {
         t.yylhs.push_back(1);
         t.yylen.push_back(0);
       },
       0, 0, "rule " + std::to_string(toy.yylhs.size()) + " is never reduced"},
      {"rule 0 of another length", [](PackedTables& t, int, int) { t.yylen[0] = 3; }, 0, 0,
       "rule 0 has left-hand side -1 and length 3"},
      {"a conflict list without end",
       [](PackedTables& t, int, int) { t.yyctable.assign(t.yyctable.size(), 7); }, 0, 0, "has no end (-1)"},
      {"a wrong error token", [](PackedTables& t, int, int) { t.constants.errorCode = 257; }, 0, 0,
       "YYERRCODE is 257, expected 256"},
      {"arrays of different sizes", [](PackedTables& t, int, int) { t.yyrindex.pop_back(); }, 0, 0,
       "yyrindex (per state, like yydefred)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PackedTables broken = toy;
    c.breakIt(broken, c.a, c.b);
    const std::vector<std::string> findings = CheckTableInvariants(broken);
    std::string all;
    for (const std::string& f : findings) all += f + "\n";
    EXPECT_TRUE(Contains(all, c.finding)) << all;
  }
}

TEST(GrammarToolsTest, TableFilesWithoutTheirArraysAreRefused) {
  const std::string text = ReadOrFail(LARK_TOY_OUT_DIR "/ToyGrammar.tables.inc");
  auto edited = [&](const std::string& from, const std::string& to) {
    std::string t = text;
    const std::size_t at = t.find(from);
    return at == std::string::npos ? t : t.replace(at, from.size(), to);
  };
  const Refusal cases[] = {
      {edited("YYINT yyctable[]", "YYINT yyotable[]"), "has no array yyctable"},
      {text + "const YYINT yylen[] = { 2 };\n", "has array yylen twice"},
      {edited("YYINT yylen[] = {", "YYINT yylen[] = { x,"), "array yylen holds \"x\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    PackedTables t;
    std::string error;
    EXPECT_TRUE(Refused(ReadPackedTables(c.input, t, error), error, c.error));
  }
}

}  // namespace
