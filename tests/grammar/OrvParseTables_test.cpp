// The parse tables as the engine reads them: the lookup rule on a table made
// by hand, and the toy grammar's tables made by the build rule: their token
// codes, their final state, their conflict cells, and a parse driven by them
// with the grammar's actions.
#include "OrvParseTables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrvToken.h"
#include "ReferenceParse.h"
#include "ToyGrammar.h"
#include "ToyGrammarSupport.h"

namespace {

using toy_grammar::ParseTables;
using toy_grammar::ToyRule;
using toy_grammar::ToyRuleText;

// A table of ten slots (0..9) whose arrays go on one slot further, where
// the key of the probe past the end stands, so that only the bound can
// refuse it.
//   index   0   1   2   3   4   5   6   7   8   9 | 10
//   check   0   5  -1   3   2  -1   4  -1  -1   7 |  5
//   action 11  12   0  13  14   0  15   0   0  16 | 17
const int kCheck[] = {0, 5, -1, 3, 2, -1, 4, -1, -1, 7, 5};
const int kAction[] = {11, 12, 0, 13, 14, 0, 15, 0, 0, 16, 17};
const int kNoEntries[] = {0, 0, 0};
const int kDefaultGoto[] = {6, 8};
const int kGotoBase[] = {2, 0};

OrvParseTables HandMadeTables() {
  OrvParseTables t{};
  t.ActionTable = kAction;
  t.CheckTable = kCheck;
  t.TABLE_LAST_INDEX = 9;
  t.DefaultGoto = kDefaultGoto;
  t.GotoBase = kGotoBase;
  t.nonterminalCount = 2;
  return t;
}

TEST(OrvParseTablesTest, LookupFindsOnlyTheKeyOfItsSlotWithinTheTable) {
  const OrvParseTables t = HandMadeTables();
  const struct {
    int base, key, entry;
    const char* why;
  } cases[] = {
      {0, 3, TABLE_NO_ENTRY, "base 0 finds nothing although CheckTable[3] is 3"},
      {0, 0, TABLE_NO_ENTRY, "base 0 finds nothing although CheckTable[0] is 0"},
      {-1, 0, TABLE_NO_ENTRY, "base + key = -1"},
      {-4, 3, TABLE_NO_ENTRY, "base + key = -1 with a key that CheckTable holds"},
      {5, 5, TABLE_NO_ENTRY, "base + key = TABLE_LAST_INDEX + 1, where the key stands"},
      {2, 7, 16, "base + key = TABLE_LAST_INDEX is valid"},
      {-4, 5, 12, "a negative base"},
      {2, 2, 14, "a key in its own slot"},
      {1, 3, TABLE_NO_ENTRY, "the slot belongs to another key"},
      {-1, 3, TABLE_NO_ENTRY, "an empty slot"},
      {1, -1, TABLE_NO_ENTRY, "the key of no slot"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(c.entry, t.Lookup(c.base, c.key));
  }
}

TEST(OrvParseTablesTest, StateLookupsReadTheirOwnBase) {
  OrvParseTables t = HandMadeTables();
  const int shift[] = {-4, 0};
  const int reduce[] = {2, 0};
  const int conflict[] = {2, -4};
  t.ShiftBase = shift;
  t.ReduceBase = reduce;
  t.ConflictBase = conflict;
  t.DefaultReduction = kNoEntries;
  t.stateCount = 2;
  EXPECT_EQ(12, t.ShiftLookup(0, 5));
  EXPECT_EQ(16, t.ReduceLookup(0, 7));
  EXPECT_EQ(15, t.ConflictLookup(0, 4));
  EXPECT_EQ(12, t.ConflictLookup(1, 5));
  EXPECT_EQ(TABLE_NO_ENTRY, t.ShiftLookup(0, 7));
  EXPECT_EQ(TABLE_NO_ENTRY, t.ShiftLookup(1, 5));
  EXPECT_EQ(TABLE_NO_ENTRY, t.ReduceLookup(1, 7));
  // The goto column of nonterminal 0 (base 2) holds state 2 -> 14; other
  // states and nonterminal 1 (no column) take the default.
  EXPECT_EQ(14, t.GotoState(0, 2));
  EXPECT_EQ(6, t.GotoState(0, 3));
  EXPECT_EQ(8, t.GotoState(1, 2));
}

TEST(OrvParseTablesTest, ToyTablesKeepTheProjectTokenCodes) {
  EXPECT_EQ(ORV_TOKEN_LAST_NAMED, ParseTables.MAX_TOKEN);
  for (int code = ORV_TOKEN_FIRST_NAMED; code <= ORV_TOKEN_LAST_NAMED; ++code) {
    ASSERT_NE(nullptr, ParseTables.TokenName(code)) << code;
    ASSERT_STREQ(OrvTokenCodeName(code), ParseTables.TokenName(code)) << code;
  }
  EXPECT_STREQ("RW_FILE", ParseTables.TokenName(491));
  EXPECT_STREQ("CTK_YYYYMMDD", ParseTables.TokenName(1733));
  EXPECT_STREQ("$end", ParseTables.TokenName(0));
  EXPECT_STREQ("error", ParseTables.TokenName(TABLE_ERROR_TOKEN));
  EXPECT_EQ(nullptr, ParseTables.TokenName(1734));
  EXPECT_EQ(nullptr, ParseTables.TokenName(-1));
}

// A displacement of the arrays as the engine's layout holds it.
int Packed(int base) { return base == 0 ? TABLE_EMPTY_BASE : base; }

// The engine's layout holds the same entries as the arrays, a displacement
// of 0 as TABLE_EMPTY_BASE, for the toy's tables as the program starts
// with them and for tables packed on demand; each rule's record holds its
// length, the goto column of its left-hand side and its flags.
TEST(OrvParseTablesTest, PackedLayoutHoldsTheEntriesOfTheArrays) {
  const OrvParseTables& t = ParseTables;
  ASSERT_NE(nullptr, t.StateRows);
  ASSERT_NE(nullptr, t.TableSlots);
  ASSERT_NE(nullptr, t.GotoColumns);
  ASSERT_NE(nullptr, t.RuleSteps);
  std::vector<OrvStateRow> rows(static_cast<size_t>(t.stateCount));
  std::vector<OrvTableSlot> slots(static_cast<size_t>(t.TABLE_LAST_INDEX) + 1);
  std::vector<OrvGotoColumn> columns(static_cast<size_t>(t.nonterminalCount));
  std::vector<OrvRuleStep> rules(static_cast<size_t>(t.ruleCount));
  OrvPackParseTables(t, rows.data(), slots.data(), columns.data(), rules.data());
  int emptyRows = 0;
  for (const OrvStateRow* packed : {t.StateRows, static_cast<const OrvStateRow*>(rows.data())}) {
    for (int s = 0; s < t.stateCount; ++s) {
      ASSERT_EQ(t.DefaultReduction[s], packed[s].defaultReduction) << s;
      ASSERT_EQ(Packed(t.ShiftBase[s]), packed[s].shiftBase) << s;
      ASSERT_EQ(Packed(t.ReduceBase[s]), packed[s].reduceBase) << s;
      ASSERT_EQ(Packed(t.ConflictBase[s]), packed[s].conflictBase) << s;
      if (packed[s].conflictBase == TABLE_EMPTY_BASE) ++emptyRows;
    }
  }
  EXPECT_GT(emptyRows, 0);  // the toy has states without conflict cells
  for (const OrvTableSlot* packed : {t.TableSlots, static_cast<const OrvTableSlot*>(slots.data())}) {
    for (int i = 0; i <= t.TABLE_LAST_INDEX; ++i) {
      ASSERT_EQ(t.CheckTable[i], packed[i].check) << i;
      ASSERT_EQ(t.ActionTable[i], packed[i].action) << i;
    }
  }
  for (const OrvGotoColumn* packed : {t.GotoColumns, static_cast<const OrvGotoColumn*>(columns.data())}) {
    for (int n = 0; n < t.nonterminalCount; ++n) {
      ASSERT_EQ(t.DefaultGoto[n], packed[n].defaultGoto) << n;
      ASSERT_EQ(Packed(t.GotoBase[n]), packed[n].gotoBase) << n;
    }
  }
  int actionRules = 0;
  for (const OrvRuleStep* packed : {t.RuleSteps, static_cast<const OrvRuleStep*>(rules.data())}) {
    // Rule 0, the augmented rule, is never reduced: its column is empty.
    EXPECT_EQ(TABLE_NO_ENTRY, packed[0].defaultGoto);
    EXPECT_EQ(TABLE_EMPTY_BASE, packed[0].gotoBase);
    EXPECT_EQ(0, packed[0].flags & RULE_REDUCES_START);
    for (int r = 1; r < t.ruleCount; ++r) {
      const int lhs = t.RuleLhs[r];
      ASSERT_EQ(t.RuleLength[r], packed[r].length) << r;
      ASSERT_EQ(t.DefaultGoto[lhs], packed[r].defaultGoto) << r;
      ASSERT_EQ(Packed(t.GotoBase[lhs]), packed[r].gotoBase) << r;
      ASSERT_EQ(t.HasAction(r), (packed[r].flags & RULE_HAS_ACTION) != 0) << r;
      ASSERT_EQ(lhs == 0, (packed[r].flags & RULE_REDUCES_START) != 0) << r;
      if ((packed[r].flags & RULE_HAS_ACTION) != 0) ++actionRules;
    }
  }
  EXPECT_GT(actionRules, 0);
  EXPECT_LT(actionRules, 2 * (t.ruleCount - 1));  // and some rules have none
}

// A table without RuleHasAction gives every rule the action flag.
TEST(OrvParseTablesTest, PackedRulesWithoutActionFlagsAllHaveActions) {
  OrvParseTables t = ParseTables;
  t.RuleHasAction = nullptr;
  std::vector<OrvStateRow> rows(static_cast<size_t>(t.stateCount));
  std::vector<OrvTableSlot> slots(static_cast<size_t>(t.TABLE_LAST_INDEX) + 1);
  std::vector<OrvGotoColumn> columns(static_cast<size_t>(t.nonterminalCount));
  std::vector<OrvRuleStep> rules(static_cast<size_t>(t.ruleCount));
  OrvPackParseTables(t, rows.data(), slots.data(), columns.data(), rules.data());
  for (int r = 0; r < t.ruleCount; ++r) ASSERT_NE(0, rules[r].flags & RULE_HAS_ACTION) << r;
}

TEST(OrvParseTablesTest, ToyRulesStartWithTheAugmentedRule) {
  EXPECT_EQ(-1, ParseTables.RuleLhs[0]);
  EXPECT_EQ(2, ParseTables.RuleLength[0]);
  EXPECT_EQ("program : statements", ToyRuleText(1));
  EXPECT_EQ(0, ParseTables.RuleLhs[1]);
  EXPECT_EQ(nullptr, ParseTables.RuleText(ParseTables.ruleCount));
  const int mark = ToyRule("ident : TK_USER_DEFD_WORD SEP_LEFT_PAR {*} TK_INT_NUM_LIT SEP_RIGHT_PAR");
  ASSERT_GT(mark, 0);
  EXPECT_EQ(0, ParseTables.RuleLength[mark]);
}

// In the final state every token finds nothing (end of input accepts there
// without a table entry), and key 1734, one past the last token code, finds
// nothing in any state.
TEST(OrvParseTablesTest, FinalStateAndKeysPastTheLastTokenFindNothing) {
  const OrvParseTables& t = ParseTables;
  ASSERT_GT(t.FINAL_STATE, 0);
  EXPECT_EQ(0, t.DefaultReduction[t.FINAL_STATE]);
  for (int key = 0; key <= ORV_TOKEN_LAST_NAMED + 1; ++key) {
    ASSERT_EQ(TABLE_NO_ENTRY, t.ShiftLookup(t.FINAL_STATE, key)) << key;
    ASSERT_EQ(TABLE_NO_ENTRY, t.ReduceLookup(t.FINAL_STATE, key)) << key;
    ASSERT_EQ(TABLE_NO_ENTRY, t.ConflictLookup(t.FINAL_STATE, key)) << key;
  }
  for (int s = 0; s < t.stateCount; ++s) {
    EXPECT_EQ(TABLE_NO_ENTRY, t.ShiftLookup(s, ORV_TOKEN_LAST_NAMED + 1)) << s;
    EXPECT_EQ(TABLE_NO_ENTRY, t.ReduceLookup(s, ORV_TOKEN_LAST_NAMED + 1)) << s;
    EXPECT_EQ(TABLE_NO_ENTRY, t.ConflictLookup(s, ORV_TOKEN_LAST_NAMED + 1)) << s;
  }
}

// The alternatives of a conflict cell in trial order: "shift" first when the
// list starts with a state, then the rules by text.
std::vector<std::string> Alternatives(int list) {
  const OrvParseTables& t = ParseTables;
  std::vector<std::string> alternatives;
  int i = list;
  if (t.ConflictLists[i] != -1) alternatives.push_back("shift");
  for (++i; i < t.conflictListCount && t.ConflictLists[i] != -1; ++i)
    alternatives.push_back(ToyRuleText(t.ConflictLists[i]));
  return alternatives;
}

TEST(OrvParseTablesTest, ToyConflictCellsHoldTheirAlternativesInTrialOrder) {
  const OrvParseTables& t = ParseTables;
  const struct {
    int token;
    std::vector<std::string> alternatives;
  } cells[] = {
      {TK_USER_DEFD_WORD, {"shift", "statement : RW_ACCEPT {*} TK_USER_DEFD_WORD SEP_DOT"}},
      {SEP_LEFT_PAR, {"shift", "ident : TK_USER_DEFD_WORD"}},
      {RW_IN, {"data_word : TK_USER_DEFD_WORD", "cond_word : TK_USER_DEFD_WORD"}},
      {RW_OF, {"data_word : TK_USER_DEFD_WORD", "cond_word : TK_USER_DEFD_WORD"}},
  };
  std::vector<int> statesWithConflicts;
  for (int s = 0; s < t.stateCount; ++s)
    for (int key = 0; key <= t.MAX_TOKEN; ++key) {
      const int list = t.ConflictLookup(s, key);
      if (list == TABLE_NO_ENTRY) continue;
      SCOPED_TRACE("state " + std::to_string(s) + " on " + t.TokenName(key));
      if (statesWithConflicts.empty() || statesWithConflicts.back() != s) statesWithConflicts.push_back(s);
      EXPECT_EQ(0, t.DefaultReduction[s]);
      EXPECT_EQ(TABLE_NO_ENTRY, t.ShiftLookup(s, key));
      EXPECT_EQ(TABLE_NO_ENTRY, t.ReduceLookup(s, key));
      bool known = false;
      for (const auto& cell : cells)
        if (cell.token == key) {
          known = true;
          EXPECT_EQ(cell.alternatives, Alternatives(list));
        }
      EXPECT_TRUE(known);
    }
  EXPECT_EQ(3u, statesWithConflicts.size());
  // IN and OF share one reductions-only list, stored from the -1 that ends
  // the list before it.
  for (int s : statesWithConflicts) {
    const int in = t.ConflictLookup(s, RW_IN);
    if (in == TABLE_NO_ENTRY) continue;
    EXPECT_EQ(in, t.ConflictLookup(s, RW_OF));
    EXPECT_EQ(-1, t.ConflictLists[in]);
  }
}

// A plain LR parse of the toy tables with the grammar's actions, taking
// the given choices at conflict cells.  Every token carries the value 77,
// so that a rule without an action shows that nothing copies $1 into $$.
struct ToyParse {
  bool accepted = false;
  OrvParseValue value = 0;
  std::string error;
};

ToyParse ParseToy(const std::vector<int>& tokens, const std::vector<int>& choices) {
  const OrvParseValue kTokenValue = 77;
  std::vector<OrvParseValue> values{0};
  bool committed = false;
  const ReferenceParseResult r = ReferenceParse(
      ParseTables, tokens, choices, [&](std::size_t) { values.push_back(kTokenValue); },
      [&](int rule) {
        OrvActionFrame frame{&values.back(), 0, 0};
        if (toy_grammar::RunAction(rule, frame) != ACTION_DONE) {
          committed = true;
          return false;
        }
        values.resize(values.size() - ParseTables.RuleLength[rule]);
        values.push_back(frame.newValue);
        return true;
      });
  ToyParse result;
  result.accepted = r.accepted;
  result.value = values.back();
  result.error = committed ? "an action committed outside trials" : r.error;
  return result;
}

TEST(OrvParseTablesTest, ToyParsesFollowTheTablesAndRunTheActions) {
  const int W = TK_USER_DEFD_WORD, N = TK_INT_NUM_LIT, L = SEP_LEFT_PAR, R = SEP_RIGHT_PAR, D = SEP_DOT;
  const struct {
    const char* what;
    std::vector<int> tokens;
    std::vector<int> choices;
    bool accepted;
    OrvParseValue value;
  } cases[] = {
      {"an item without an action yields 0, not its token's value", {RW_DISPLAY, N, D}, {}, true, 0},
      {"a parenthesised item", {RW_DISPLAY, L, W, R, D}, {}, true, 6},
      {"the subscript alternative: the mark sets $1, the rule adds 40",
       {RW_DISPLAY, W, L, N, R, D}, {0}, true, 41},
      {"the item alternative: the word ends, ( opens the next item",
       {RW_DISPLAY, W, L, W, R, D}, {1}, true, 9},
      {"the shift against the mid-rule action, shift taken", {RW_ACCEPT, W, RW_FROM, W, D}, {0}, true, 28},
      {"the shift against the mid-rule action, mid-rule action taken", {RW_ACCEPT, W, D}, {1}, true, 8},
      {"IN after a data word", {RW_MOVE, W, RW_IN, W, RW_TO, W, D}, {0}, true, 14},
      {"OF after a condition word", {RW_MOVE, W, RW_OF, W, RW_TO, W, D}, {1}, true, 45},
      {"two statements", {RW_DISPLAY, L, W, R, D, RW_ACCEPT, W, D}, {1}, true, 608},
      {"a wrong alternative fails", {RW_ACCEPT, W, D}, {0}, false, 0},
      {"DISPLAY without items", {RW_DISPLAY, D}, {}, false, 0},
      {"no statement", {}, {}, false, 0},
      {"a token after the end", {RW_DISPLAY, N, D, SEP_DOT}, {}, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const ToyParse p = ParseToy(c.tokens, c.choices);
    EXPECT_EQ(c.accepted, p.accepted) << p.error;
    if (c.accepted) {
      EXPECT_EQ(c.value, p.value);
    }
  }
}

}  // namespace
