// The action dispatcher of a grammar, on the toy grammar's rules: what each
// kind of action computes and whether it commits, outside trials and at one
// or more trial levels.
#include "OrvActionFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToyGrammar.h"
#include "ToyGrammarSupport.h"

namespace {

using toy_grammar::RunAction;
using toy_grammar::ToyRule;

TEST(OrvActionFrameTest, ToyActionsComputeAndCommitByTrialLevel) {
  const struct {
    const char* rule;
    std::vector<OrvParseValue> stack;  // bottom to top; the top is the last symbol
    int trialLevels;
    OrvActionOutcome outcome;
    OrvParseValue newValue;
    std::vector<OrvParseValue> stackAfter;
  } cases[] = {
      // { } code runs outside trials only.
      {"statements : statements statement", {3, 4}, 0, ACTION_DONE, 304, {3, 4}},
      {"statements : statements statement", {3, 4}, 1, ACTION_DONE, 0, {3, 4}},
      {"item : SEP_LEFT_PAR ident SEP_RIGHT_PAR", {77, 5, 77}, 0, ACTION_DONE, 10, {77, 5, 77}},
      // A rule without an action leaves $$ at 0.
      {"item : TK_INT_NUM_LIT", {77}, 0, ACTION_DONE, 0, {77}},
      // A { } mid-rule action sets the value of its own symbol.
      {"statement : RW_ACCEPT {*} TK_USER_DEFD_WORD SEP_DOT", {77}, 0, ACTION_DONE, 7, {77}},
      {"statement : RW_ACCEPT {} TK_USER_DEFD_WORD SEP_DOT", {77, 7, 77, 77}, 0, ACTION_DONE, 8, {77, 7, 77, 77}},
      // [ ] code runs in trials too: the mark writes into the word's entry.
      {"ident : TK_USER_DEFD_WORD SEP_LEFT_PAR {*} TK_INT_NUM_LIT SEP_RIGHT_PAR", {3, 77}, 2, ACTION_DONE, 0, {1, 77}},
      {"ident : TK_USER_DEFD_WORD SEP_LEFT_PAR {*} TK_INT_NUM_LIT SEP_RIGHT_PAR", {3, 77}, 0, ACTION_DONE, 0, {1, 77}},
      // YYVALID_NESTED commits with one level open, not with two.
      {"ident : TK_USER_DEFD_WORD SEP_LEFT_PAR {} TK_INT_NUM_LIT SEP_RIGHT_PAR", {1, 77, 0, 77, 77}, 1, ACTION_COMMIT, 0,
       {1, 77, 0, 77, 77}},
      {"ident : TK_USER_DEFD_WORD SEP_LEFT_PAR {} TK_INT_NUM_LIT SEP_RIGHT_PAR", {1, 77, 0, 77, 77}, 2, ACTION_DONE, 41,
       {1, 77, 0, 77, 77}},
      {"ident : TK_USER_DEFD_WORD SEP_LEFT_PAR {} TK_INT_NUM_LIT SEP_RIGHT_PAR", {1, 77, 0, 77, 77}, 0, ACTION_DONE, 41,
       {1, 77, 0, 77, 77}},
      // YYVALID commits at every level, before the rest of the action.
      {"statement : RW_ACCEPT TK_USER_DEFD_WORD RW_FROM {*} TK_USER_DEFD_WORD SEP_DOT", {77, 77, 77}, 1, ACTION_COMMIT, 0,
       {77, 77, 77}},
      {"statement : RW_ACCEPT TK_USER_DEFD_WORD RW_FROM {*} TK_USER_DEFD_WORD SEP_DOT", {77, 77, 77}, 3, ACTION_COMMIT, 0,
       {77, 77, 77}},
      {"statement : RW_ACCEPT TK_USER_DEFD_WORD RW_FROM {*} TK_USER_DEFD_WORD SEP_DOT", {77, 77, 77}, 0, ACTION_DONE, 8,
       {77, 77, 77}},
      // [ ] code that clears $$ before its own trial test.
      {"data_word : TK_USER_DEFD_WORD", {77}, 1, ACTION_DONE, 0, {77}},
      {"data_word : TK_USER_DEFD_WORD", {77}, 0, ACTION_DONE, 4, {77}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.rule) + " at trial level " + std::to_string(c.trialLevels));
    const int rule = ToyRule(c.rule);
    ASSERT_GT(rule, 0);
    std::vector<OrvParseValue> stack = c.stack;
    // The engine clears the result before every action; a stale value shows
    // whether the action itself sets it.
    OrvActionFrame frame{&stack.back(), c.rule == std::string("data_word : TK_USER_DEFD_WORD") ? 55 : 0,
                         c.trialLevels};
    EXPECT_EQ(c.outcome, RunAction(rule, frame));
    EXPECT_EQ(c.newValue, frame.newValue);
    EXPECT_EQ(c.stackAfter, stack);
  }
}

TEST(OrvActionFrameTest, RulesWithoutActionsAndUnknownRulesDoNothing) {
  OrvParseValue stack[] = {9, 9};
  for (int rule : {0, ToyRule("item : TK_INT_NUM_LIT"), toy_grammar::ParseTables.ruleCount, 100000, -1}) {
    SCOPED_TRACE(rule);
    OrvActionFrame frame{&stack[1], 0, 0};
    EXPECT_EQ(ACTION_DONE, RunAction(rule, frame));
    EXPECT_EQ(0, frame.newValue);
    EXPECT_EQ(9, stack[0]);
    EXPECT_EQ(9, stack[1]);
  }
}

}  // namespace
