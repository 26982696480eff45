// The parse engine on the harness grammar: the conflicts decided by trial
// parsing, the final path's actions and position steps, syntax errors
// reported at the furthest point and recovered from with every token kept,
// the failure memo, and the look-ahead window.
#include "OrvParseEngine.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "EngineHarness.h"
#include "EngineTestSupport.h"
#include "MessageRecorder.h"
#include "OrvLookaheadQueue.h"
#include "OrvParseRun.h"
#include "OrvParserImpl.h"
#include "OrvToken.h"

namespace {

using engine_harness::AllWords;
using engine_harness::ExpectSoundParse;
using engine_harness::HarnessOptions;
using engine_harness::HarnessParse;
using engine_harness::ParseText;
using engine_harness::ReferenceReductions;

const char* const kWriteX = "STMT_WRITE(X,-,-,-,~,~,-)";

std::string Write(const std::string& record) { return "STMT_WRITE(" + record + ",-,-,-,~,~,-)"; }
std::string Sentence(const std::string& statements) { return "SENTENCE(STMT_LIST(" + statements + "))"; }
std::string Source(const std::string& sentences) { return "SENTENCE_LIST(" + sentences + ")"; }

TEST(OrvParseEngineTest, TrialsDecideTheConflictsAndTheFinalPathRunsEachActionOnce) {
  const struct {
    const char* text;
    std::string tree;
    std::vector<int> choices;  // the alternatives of the final path
    long levels;
    long commits;
  } cases[] = {
      // The NOT-AT of WRITE X needs INVALID: its trial fails and the empty
      // rule commits; READ G then takes NOT-AT, whose shift commits.
      {"READ F AT-END READ G AT-END WRITE X NOT-AT WRITE Y .",
       Source(Sentence("STMT_READ(F,EX_ON_AT_END(STMT_READ(G,EX_ON_AT_END(" + std::string(kWriteX) +
                       "),EX_NOT_ON_AT_END(" + Write("Y") + "),-,-,-,-,-,-,-)),~,-,-,-,-,-,-,-)")),
       {1, 0}, 2, 2},
      {"WRITE A ( 1 ) .", Source(Sentence(Write("TABLE_ELT(A,SUBSCRIPT_LIST(1))"))), {0}, 1, 1},
      // The subscript fails at END-READ; the plain word commits at once and
      // "(" opens the next statement.
      {"WRITE A ( END-READ X ) .", Source(Sentence(Write("A") + ",STMT_EXIT_PERFORM(X)")), {1}, 1, 1},
      // Two reductions on OF: the earlier rule (procedure name) first.
      {"PERFORM P OF S .", Source(Sentence("STMT_PERFORM_PROC(EX_PROC_RANGE(P,S),~)")), {0}, 1, 1},
      {"PERFORM P FUNCTION LEN .", Source(Sentence("STMT_PERFORM_PROC(EX_PROC_RANGE(P,~),LEN)")), {0}, 1, 1},
      {"PERFORM A OF B 3 .", Source(Sentence("STMT_PERFORM_BLOCK(OF_IN_LIST(A,B),3,~)")), {1}, 1, 1},
      // The inner subscript opens a second level, where the subscript
      // rule does not commit; the outer one does not either while the
      // inner level is open, and the missing NOT phrase of WRITE commits.
      {"WRITE A ( B ( 1 ) ) WRITE C .",
       Source(Sentence(Write("TABLE_ELT(A,SUBSCRIPT_LIST(TABLE_ELT(B,SUBSCRIPT_LIST(1))))") + "," + Write("C"))),
       {0, 0}, 2, 1},
      // FUNCTION turns the function-name switch on in the trial too, so
      // LEN is queued as a function name.
      {"WRITE A ( FUNCTION LEN ) .", Source(Sentence(Write("TABLE_ELT(A,SUBSCRIPT_LIST(INTR_FUNCTION(LEN,~)))"))),
       {0}, 1, 1},
      // A clause handed to the collector after its own position step.
      {"WRITE A FROM B ( 2 ) .", Source(Sentence("STMT_WRITE(A,EX_WRITE_FROM(TABLE_ELT(B,SUBSCRIPT_LIST(2))),-,-,~,~,-)")),
       {0}, 1, 1},
      {"MOVE A AND B C TO D .", Source(Sentence("STMT_MOVE(IDENT_LIST(A,B,C),D)")), {}, 0, 0},
      {"DISPLAY ( ( ( 7 ) ) ) . MOVE 1 TO Z .",
       Source(Sentence("STMT_DISPLAY(OP_PARENS(OP_PARENS(OP_PARENS(7))),~,~,-)") + "," +
              Sentence("STMT_MOVE(IDENT_LIST(1),Z)")),
       {}, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const HarnessParse p = ParseText(c.text);
    EXPECT_EQ(PARSE_ACCEPTED, p.result);
    EXPECT_EQ(c.tree, p.tree);
    EXPECT_TRUE(p.messages.empty()) << p.messages.front();
    EXPECT_EQ(AllWords(c.text), p.tokenWords) << "every token once, in source order";
    EXPECT_EQ(c.levels, p.counters.levels);
    EXPECT_EQ(c.commits, p.counters.commits);
    EXPECT_EQ(ReferenceReductions(c.text, c.choices), p.counters.actionRuns) << "actions of the final path";
    ExpectSoundParse(p, c.text);
  }
}

TEST(OrvParseEngineTest, SyntaxErrorsAreReportedAtTheFurthestPointAndKeepEveryToken) {
  const struct {
    const char* text;
    int result;
    std::string tree;
    std::vector<std::string> messages;  // "<level> <text> @<word>"
    std::vector<std::string> errorNodes;
  } cases[] = {
      // Two reported errors; the second error of the first sentence comes
      // within the countdown and is not reported, but recovers into an
      // error node of its own.
      {"WRITE ( . WRITE B . WRITE C ( .", PARSE_ACCEPTED,
       Source(Sentence("ERR[WRITE],ERR[(]") + "," + Sentence(Write("B")) + "," + Sentence(Write("C") + ",ERR[(]")),
       {"970 syntax error. at token: ( @1", "970 syntax error. at token: . @9"},
       {"WRITE", "(", "("}},
      // Both alternatives of OF fail; the first read furthest (to C): the
      // error is reported there, and the tokens its trial had reduced stay
      // in the tree.
      {"PERFORM A OF B ( C D . WRITE E .", PARSE_ACCEPTED,
       Source(Sentence("ERR[( C D]") + "," + Sentence(Write("E"))),
       {"970 syntax error. at token: user-word C @5"},
       {"( C D"}},
      // Both alternatives fail at NOT-AT, the procedure name after its
      // statement ended, the data name within it: the stacks of the first
      // are kept (the second's would put PERFORM A OF B in the error node).
      {"PERFORM A OF B NOT-AT .", PARSE_ACCEPTED, Source(Sentence("ERR[NOT]")),
       {"970 syntax error. at token: CMB_NOT_ON_AT @4"},
       {"NOT"}},
      // Nested conflicts that all fail late: reported at TO, not at a
      // conflict.
      {"COMPUTE ( ( ( X ) ) ) TO .", PARSE_ACCEPTED, Source(Sentence("ERR[TO]")),
       {"970 syntax error. at token: keyword TO @8"},
       {"TO"}},
      {"WRITE ( ( .", PARSE_ACCEPTED, Source(Sentence("ERR[WRITE],ERR[(],ERR[(]")),
       {"970 syntax error. at token: ( @1"},
       {"WRITE", "(", "("}},
      // A code beyond the grammar's last token has no action.
      {"WRITE A #1734 .", PARSE_ACCEPTED, Source(Sentence("ERR[WRITE A Token #1734 #1734 posn=[beg:-(bad)-:3:8, end:-(bad)-:3:13]]")),
       {"970 syntax error. at token: Token #1734 @2"},
       {"WRITE A Token #1734 #1734 posn=[beg:-(bad)-:3:8, end:-(bad)-:3:13]"}},
      // Recovery pops WRITE's node, which holds A while A's own entry is
      // still below it on the stack: the node is kept until the parse
      // ends, so that the entry does not name freed memory.
      {"WRITE A FROM .", PARSE_ACCEPTED, Source(Sentence("ERR[WRITE A FROM]")),
       {"970 syntax error. at token: . @3"},
       {"WRITE A FROM"}},
      // End of input as the first error's look-ahead is reported; while
      // tokens are being dropped it gives the parse up.
      {"WRITE A", PARSE_ABORTED, "-", {"970 syntax error. at token: LEX_EOF @-1"}, {}},
      {"WRITE ( ( (", PARSE_ABORTED, "-", {"970 syntax error. at token: ( @1"}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const HarnessParse p = ParseText(c.text);
    EXPECT_EQ(c.result, p.result);
    EXPECT_EQ(c.tree, p.tree);
    EXPECT_EQ(c.messages, p.messages);
    EXPECT_EQ(c.errorNodes, p.errorNodes);
    if (c.result == PARSE_ACCEPTED) {
      EXPECT_EQ(AllWords(c.text), p.tokenWords) << "every token once, in source order";
    }
    EXPECT_EQ(static_cast<long>(c.messages.size()), static_cast<long>(SyntaxErrorCount));
    ExpectSoundParse(p, c.text);
  }
}

// A trial level saves the token source's switches and going back puts them
// back, so that each token is read with the switches of the parse that
// reads it.  (The switch log has one digit per word: the function-name
// switch as the word was read.)
TEST(OrvParseEngineTest, GoingBackPutsTheSwitchesBack) {
  // Rewind: the procedure name turns the switch on for the word after
  // FUNCTION and fails at 7; the data name, tried next, reads C after it
  // with the switch off again.
  const HarnessParse rewound = ParseText("PERFORM A OF B FUNCTION 7 C .");
  EXPECT_EQ(PARSE_ACCEPTED, rewound.result);
  EXPECT_EQ(Source(Sentence("STMT_PERFORM_BLOCK(OF_IN_LIST(A,B),7,C)")), rewound.tree);
  EXPECT_EQ("00000100", rewound.switches);
  EXPECT_TRUE(rewound.messages.empty());

  // Commit: the subscript's trial turns the switch on and fails; the plain
  // word commits, and the period after the parenthesis statement is read
  // with the switch off.
  const HarnessParse committed = ParseText("WRITE A ( FUNCTION ) . MOVE B TO C .");
  EXPECT_EQ(Source(Sentence(Write("A") + ",ERR[( FUNCTION )]") + "," + Sentence("STMT_MOVE(IDENT_LIST(B),C)")),
            committed.tree);
  EXPECT_EQ("00001000000", committed.switches);

  // The failure that read furthest: both names fail at the period, the
  // procedure name's failure is kept, and with it the switch it had turned
  // on: the words after it are read as function names.
  const HarnessParse failed = ParseText("PERFORM A OF B FUNCTION . MOVE X TO Y .");
  EXPECT_EQ("00000111111", failed.switches);
  EXPECT_EQ((std::vector<std::string>{"970 syntax error. at token: . @5"}), failed.messages);
  ASSERT_EQ(2u, failed.errorNodes.size());
  EXPECT_EQ("PERFORM A OF B FUNCTION", failed.errorNodes[0]);
  EXPECT_EQ(AllWords("PERFORM A OF B FUNCTION . MOVE X TO Y ."), failed.tokenWords);
}

// A level saves the error countdown, but a commit does not restore it: the
// NOT-AT trial starts with the countdown at 3 (X was just dropped) and
// commits with it at 2, so that the re-parse reaches the period with the
// countdown at 0 and reports a second error, where a restored countdown
// would have been 1.
TEST(OrvParseEngineTest, ACommitDoesNotRestoreTheErrorCountdown) {
  const HarnessParse p = ParseText("READ F AT-END X NOT-AT WRITE .");
  EXPECT_EQ(PARSE_ACCEPTED, p.result);
  EXPECT_EQ((std::vector<std::string>{"970 syntax error. at token: user-word X @3",
                                       "970 syntax error. at token: . @6"}),
            p.messages);
  EXPECT_EQ(1, p.counters.commits);
  EXPECT_EQ(AllWords("READ F AT-END X NOT-AT WRITE ."), p.tokenWords);
}

std::string NestedParens(int depth) { return engine_harness::Nested("COMPUTE", depth, "X", "TO ."); }

// d nested two-way conflicts that all fail at the last token: with the
// failure memo the same message, tree and error nodes come from at most
// 2d levels instead of 2^d - 1.
TEST(OrvParseEngineTest, TheFailureMemoChangesNothingButTheNumberOfLevels) {
  for (int depth = 1; depth <= 12; ++depth) {
    SCOPED_TRACE(depth);
    const std::string text = NestedParens(depth);
    HarnessOptions off;
    off.memo = false;
    const HarnessParse with = ParseText(text);
    const HarnessParse without = ParseText(text, off);
    EXPECT_EQ(without.result, with.result);
    EXPECT_EQ(without.tree, with.tree);
    EXPECT_EQ(without.messages, with.messages);
    EXPECT_EQ(without.errorNodes, with.errorNodes);
    EXPECT_EQ(without.tokenWords, with.tokenWords);
    EXPECT_EQ(AllWords(text), with.tokenWords);
    EXPECT_EQ((std::vector<std::string>{"970 syntax error. at token: keyword TO @" + std::to_string(2 * depth + 2)}),
              with.messages);
    EXPECT_LE(with.counters.levels, 2L * depth);
    EXPECT_EQ((1L << depth) - 1, without.counters.levels);
    EXPECT_EQ(0, without.counters.memoHits);
  }
}

// A trial that reads 17 tokens beyond its conflict grows the queue once:
// every queued token comes back, and the token source runs once per token.
TEST(OrvParseEngineTest, ALongTrialWindowGrowsTheQueueAndKeepsEveryToken) {
  std::string text = "WRITE A (";
  std::string subscripts;
  for (int i = 1; i <= 17; ++i) {
    text += " " + std::to_string(i);
    subscripts += (i > 1 ? "," : "") + std::to_string(i);
  }
  text += " ) .";
  FreeLookaheadQueue();
  const HarnessParse p = ParseText(text);
  EXPECT_EQ(PARSE_ACCEPTED, p.result);
  EXPECT_EQ(Source(Sentence(Write("TABLE_ELT(A,SUBSCRIPT_LIST(" + subscripts + "))"))), p.tree);
  EXPECT_EQ(19, p.counters.longestWindow);  // "(", 17 numbers, ")"
  EXPECT_EQ(2 * LOOKAHEAD_QUEUE_START, LookaheadQueue.capacity);
  EXPECT_EQ(AllWords(text), p.tokenWords);
  ExpectSoundParse(p, text);
}

// Subscripts nested twelve deep: a trial level each (none commits while an
// inner one is open), and stacks that grow while empty rules push.
TEST(OrvParseEngineTest, NestedSubscriptsOpenALevelEach) {
  const int depth = 12;
  std::string text = "WRITE";
  std::string tree = "1";
  for (int i = 0; i < depth; ++i) {
    text += " A (";
    tree = "TABLE_ELT(A,SUBSCRIPT_LIST(" + tree + "))";
  }
  text += " 1";
  for (int i = 0; i < depth; ++i) text += " )";
  text += " .";
  const HarnessParse p = ParseText(text);
  EXPECT_EQ(PARSE_ACCEPTED, p.result);
  EXPECT_EQ(Source(Sentence(Write(tree))), p.tree);
  EXPECT_EQ(depth, p.counters.levels);
  EXPECT_EQ(1, p.counters.commits);
  EXPECT_EQ(AllWords(text), p.tokenWords);
  ExpectSoundParse(p, text);
}

// list : list AND item over ten thousand items: the position step compares
// at most two slots per item, however long the list grows, and every token
// lands in the tree in order.
TEST(OrvParseEngineTest, TheSlotsComparedPerListItemStayFlat) {
  for (int items : {10, 10000}) {
    SCOPED_TRACE(items);
    std::string text = "MOVE X";
    for (int i = 1; i < items; ++i) text += " AND X";
    text += " TO Y .";
    const HarnessParse p = ParseText(text);
    EXPECT_EQ(PARSE_ACCEPTED, p.result);
    EXPECT_LE(p.counters.positionSlots, 2L * items);
    EXPECT_EQ(AllWords(text), p.tokenWords);
  }
}

// The height bound of a reduction's result, from the entries it pops: a
// plain value is as tall as the tallest popped tree, a new node one above
// it, and a popped value passed up at most one above the others.
TEST(OrvParseEngineTest, AReducedValueIsBoundedByThePoppedHeights) {
  const OrvParseValue node = 5000, other = 6000;  // above 1400: nodes
  struct Case {
    const char* name;
    OrvParseValue result;
    std::vector<OrvParseValue> values;
    std::vector<int> heights;
    int expected;
  };
  const Case cases[] = {
      {"empty rule, no value", 0, {}, {}, 0},
      {"empty rule, new node", node, {}, {}, 1},
      {"one symbol, plain result", 7, {node}, {4}, 4},
      {"one symbol, new node", other, {node}, {4}, 5},
      {"one symbol passed up", node, {node}, {4}, 4},
      {"one token passed up", node, {node}, {0}, 1},
      {"plain result over several", 3, {node, other}, {2, 6}, 6},
      {"new node over several", 9000, {node, other}, {2, 6}, 7},
      {"list grown in place, taller", node, {node, other}, {8, 3}, 8},
      {"list grown in place, shorter", node, {node, other}, {2, 3}, 4},
      {"first of two equal values kept", node, {other, node, node}, {1, 5, 9}, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, OrvReducedHeight(c.result, c.values.data(), c.heights.data(),
                                           static_cast<int>(c.values.size())));
  }
}

// Tokens read outside trials never enter the queue.
TEST(OrvParseEngineTest, WithoutConflictsTheQueueStaysEmpty) {
  FreeLookaheadQueue();
  const HarnessParse p = ParseText("MOVE A B TO C . DISPLAY ( 1 ) .");
  EXPECT_EQ(PARSE_ACCEPTED, p.result);
  EXPECT_EQ(0, p.counters.trialTokens);
  EXPECT_EQ(0, p.counters.longestWindow);
  EXPECT_EQ(nullptr, LookaheadQueue.codes);
}

// A stack bound: a parse whose stack reaches the bound exactly is the
// unbounded parse, and one entry less gives the parse up with a single
// severe message at a word of the nesting, every token and node released
// (the sanitizer build checks for leaks) and nothing left queued, both in
// plain parsing and inside a trial.
TEST(OrvParseEngineTest, AStackPastTheGrammarsBoundGivesTheParseUp) {
  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {
      {"plain nesting", engine_harness::Nested("DISPLAY", 40, "7", ".")},
      {"nesting in a trial", NestedParens(40)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const HarnessParse free = ParseText(c.text);
    ASSERT_GT(free.counters.deepestStack, 40);
    // The bound holds both the stack and the height of the trees on it.
    const int deepest = static_cast<int>(std::max(free.counters.deepestStack, free.counters.tallestTree));

    OrvGrammarDef bounded = engine_harness::Grammar;
    HarnessOptions options;
    options.grammar = &bounded;
    bounded.maxDepth = deepest;
    {
      MessageRecorder recorder;
      const HarnessParse within = ParseText(c.text, options);
      EXPECT_EQ(free.result, within.result);
      EXPECT_EQ(free.tree, within.tree);
      EXPECT_EQ(free.messages, within.messages);
      EXPECT_EQ(0, recorder.Count(MSG_SEVERE));
    }

    bounded.maxDepth = deepest - 1;
    MessageRecorder recorder;
    const HarnessParse past = ParseText(c.text, options);
    EXPECT_EQ(PARSE_ABORTED, past.result);
    EXPECT_EQ(deepest, std::max(past.counters.deepestStack, past.counters.tallestTree));
    ASSERT_EQ(1u, recorder.size()) << recorder.Dump();
    EXPECT_EQ(MSG_SEVERE, recorder.level(0));
    EXPECT_EQ("Nesting too deep: more than " + std::to_string(deepest - 1) + " levels", recorder.text(0));
    // At a word of the nesting, past the head word, when the stack went
    // past the bound; a tree that grows too tall while the closing words
    // reduce may be caught at the end of the input, which has no word.
    const int word = recorder.messages()[0].posn.Line() - 1;
    if (free.counters.deepestStack >= deepest) {
      EXPECT_GE(word, 1);
    } else {
      EXPECT_TRUE(word == -1 || word >= 1) << word;
    }
    EXPECT_LT(word, static_cast<int>(engine_harness::Words(c.text).size()));
    EXPECT_TRUE(past.tree.empty() || past.tree == "-") << past.tree;
    EXPECT_TRUE(past.tokens.empty());
    ExpectSoundParse(past, c.text);
  }
}

// A grammar of one rule, S : word, made by hand: state 0 shifts the word
// to state 2, which reduces S : word by default; state 1 is the final
// state.  Its action makes the parser's root the start symbol's value.
const int kMiniRuleLhs[] = {-1, 0};
const int kMiniRuleLength[] = {2, 1};
const int kMiniDefaultReduction[] = {0, 0, 1};
const int kMiniShiftBase[] = {1 - TK_USER_DEFD_WORD, 0, 0};
const int kMiniNoBase[] = {0, 0, 0};
const int kMiniDefaultGoto[] = {1};
const int kMiniGotoBase[] = {0};
const int kMiniAction[] = {0, 2};
const int kMiniCheck[] = {-1, TK_USER_DEFD_WORD};
const int kMiniConflictLists[] = {-1};

OrvActionOutcome MiniAction(int rule, OrvActionFrame& frame) {
  if (rule != 1 || frame.trialLevels != 0) return ACTION_DONE;
  OrvReleaseValue(frame.valueTop[0]);  // the word's node is used up
  frame.newValue = reinterpret_cast<OrvParseValue>(currentParser->root);
  return ACTION_DONE;
}

// The same rule giving no value: it only lets go of the word's node.
OrvActionOutcome ValuelessAction(int rule, OrvActionFrame& frame) {
  if (rule == 1 && frame.trialLevels == 0) OrvReleaseValue(frame.valueTop[0]);
  return ACTION_DONE;
}

OrvParseTables MiniTables() {
  OrvParseTables t{};
  t.RuleLhs = kMiniRuleLhs;
  t.RuleLength = kMiniRuleLength;
  t.ruleCount = 2;
  t.DefaultReduction = kMiniDefaultReduction;
  t.ShiftBase = kMiniShiftBase;
  t.ReduceBase = kMiniNoBase;
  t.ConflictBase = kMiniNoBase;
  t.stateCount = 3;
  t.DefaultGoto = kMiniDefaultGoto;
  t.GotoBase = kMiniGotoBase;
  t.nonterminalCount = 1;
  t.ActionTable = kMiniAction;
  t.CheckTable = kMiniCheck;
  t.TABLE_LAST_INDEX = 1;
  t.ConflictLists = kMiniConflictLists;
  t.conflictListCount = 1;
  t.FINAL_STATE = 1;
  t.MAX_TOKEN = ORV_TOKEN_LAST_NAMED;
  return t;
}

// After the start symbol, end of input accepts and any other token is a
// syntax error in the final state; recovery then pops the start symbol's
// entry, whose position the engine stops pointing at before it is freed.
TEST(OrvParseEngineTest, TheFinalStateAcceptsOnlyEndOfInput) {
  const OrvParseTables tables = MiniTables();
  const OrvGrammarDef mini = {&tables, &MiniAction, 0};
  HarnessOptions options;
  options.grammar = &mini;

  const HarnessParse one = ParseText("A", options);
  EXPECT_EQ(PARSE_ACCEPTED, one.result);
  EXPECT_EQ(0, one.resultPositionTokens);  // the word went to the root
  EXPECT_EQ(std::vector<int>{0}, one.tokenWords);
  EXPECT_TRUE(one.messages.empty());

  // A rule that gives no value: the start symbol's value is 0 and its
  // position keeps the word.
  const OrvGrammarDef silent = {&tables, &ValuelessAction, 0};
  HarnessOptions silentOptions;
  silentOptions.grammar = &silent;
  const HarnessParse kept = ParseText("A", silentOptions);
  EXPECT_EQ(PARSE_ACCEPTED, kept.result);
  EXPECT_EQ(1, kept.resultPositionTokens);

  const HarnessParse two = ParseText("A B", options);
  EXPECT_EQ(PARSE_ABORTED, two.result);
  EXPECT_EQ((std::vector<std::string>{"970 syntax error. at token: user-word B @1"}), two.messages);
  EXPECT_EQ(-1, two.resultPositionTokens);
  EXPECT_EQ(2, two.counters.tokenSourceCalls);
}

}  // namespace
