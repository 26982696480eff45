// Tests of the SourcePrint preparation: the printing order of argument
// slots (fixed part, source-order indexes, unordered rest, flattened lists,
// computed slots) and the gap tokens between a parent's text and each
// child's, with the warnings and the trace.
#include "OrvSourcePrintPrep.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "NoSourceParser.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvPosnWalkers.h"
#include "OrvToken.h"
#include "PrintTestSupport.h"
#include "TestStrings.h"

namespace {

OrvTxtPosn P(int line, int column, int file = 0) { return OrvTxtPosn(line, column, file); }

void AddToken(OrvTokenList& list, int code, const OrvTxtPosn& b, const OrvTxtPosn& e,
              const char* image = "w") {
  OrvToken* t = new OrvToken(code, VString(image), b, e);
  list.Append(t);
}

// A word whose one token spans b..e.
OrvExpr* Word(const OrvTxtPosn& b, const OrvTxtPosn& e) {
  OrvExpr* leaf = new OrvCharString(VString("W"));
  AddToken(leaf->Tokens(), 0, b, e);
  return leaf;
}

std::string Text(const OrvTxtPosnRange& r) {
  std::ostringstream os;
  os << r;
  return os.str();
}

// The gap tokens (SEP_SPACE) of a slot as ranges.
std::vector<std::string> Gaps(OrvExpr* node, int slot) {
  std::vector<std::string> gaps;
  for (OrvToken* n = node->ArgSlots(slot)->tokens.First(); n != nullptr; n = node->ArgSlots(slot)->tokens.Next(n))
    if (n->code == SEP_SPACE) {
      EXPECT_EQ(n->Image().length, 0);
      gaps.push_back(Text(n->Range()));
    }
  return gaps;
}

std::string Range(const OrvTxtPosn& b, const OrvTxtPosn& e) { return Text(OrvTxtPosnRange(b, e)); }

// One entry in printing order: the slot index within its root, whether the
// root is the node itself, and whether the slot is the first slot of the
// list that the root's slot holds (a flattened list's first element is
// attributed to the parent's slot).
struct Pick {
  int argIx;
  bool ownRoot;
  bool listHead = false;
  bool operator==(const Pick& o) const {
    return argIx == o.argIx && ownRoot == o.ownRoot && listHead == o.listHead;
  }
};
void PrintTo(const Pick& p, std::ostream* os) {
  *os << "{" << p.argIx << "," << p.ownRoot << "," << p.listHead << "}";
}

std::vector<Pick> Order(OrvExpr* node, OrvResult& result, VString& message) {
  OrvSlotOrderEntry* entries = nullptr;
  int count = -1;
  result = SourcePrint(node, entries, count, message);
  std::vector<Pick> picks;
  for (int k = 0; k < count; ++k) {
    OrvArgSlot* own = entries[k].root->ArgSlots(entries[k].arg_ix);
    bool listHead = entries[k].slot != own && own->child && own->child->NArgs() > 0 &&
                    entries[k].slot == own->child->ArgSlots(0);
    EXPECT_TRUE(entries[k].slot == own || listHead) << "entry " << k << " names its slot";
    picks.push_back({entries[k].arg_ix, entries[k].root == node, listHead});
  }
  delete[] entries;
  return picks;
}

TEST(SourcePrintTest, NodeWithoutSlotsHasNoEntries) {
  OrvExpr* leaf = Word(P(1, 7), P(1, 12));
  OrvSlotOrderEntry* entries = reinterpret_cast<OrvSlotOrderEntry*>(1);
  int count = -1;
  VString message;
  EXPECT_EQ(SourcePrint(leaf, entries, count, message), ORV_OK);
  EXPECT_EQ(entries, nullptr);
  EXPECT_EQ(count, 0);
  delete leaf;
}

struct OrderCase {
  const char* what;
  OrvOper op;
  std::vector<int> orders;  // per slot, -1 = none
  std::vector<Pick> picks;
  OrvResult result;
  const char* message;
};

TEST(SourcePrintTest, SlotsFollowFixedPartThenSourceOrderThenTheRest) {
  const OrderCase cases[] = {
      {"all fixed in slot order", COBOL_PROGRAM, {-1, -1, -1, -1, -1, -1, -1},
       {{0, true}, {1, true}, {2, true}, {3, true}, {4, true}, {5, true}, {6, true}}, ORV_OK, ""},
      {"fixed clauses counting up", DX_OCCURS, {0, 1, -1, 2, -1},
       {{0, true}, {1, true}, {2, true}, {3, true}}, ORV_OK, ""},
      {"fixed clauses out of order", DX_OCCURS, {0, 2, -1, -1, -1},
       {{0, true}, {1, true}, {2, true}, {3, true}}, ORV_SOURCE_PRINT_BAD_ORDER,
       "SourcePrint: bad order of fixed clauses in DX_OCCURS: clause 'Depending On' has index 2 "
       "instead of 1"},
      {"source order after the fixed part", SECTION_CONFIGURATION, {-1, 2, 0, -1, 1, -1, -1},
       {{0, true}, {2, true}, {4, true}, {1, true}, {3, true}, {5, true}, {6, true}}, ORV_OK, ""},
      {"an index twice: the second stays out", SECTION_CONFIGURATION, {-1, 1, 0, 1, -1, -1, -1},
       {{0, true}, {2, true}, {1, true}, {4, true}, {5, true}, {6, true}},
       ORV_SOURCE_PRINT_BAD_ORDER, "SourcePrint: all_arg_no (7) != ord_arg_no (6)"},
      {"indexes rising in slot order, slots without one after them", SECTION_CONFIGURATION,
       {-1, 0, -1, 1, -1, 2, -1},
       {{0, true}, {1, true}, {3, true}, {5, true}, {2, true}, {4, true}, {6, true}}, ORV_OK, ""},
      {"indexes rising from past the next one expected", SECTION_CONFIGURATION, {-1, 3, -1, 5, -1, -1, -1},
       {{0, true}, {1, true}, {3, true}, {2, true}, {4, true}, {5, true}, {6, true}}, ORV_OK, ""},
      {"an index the fixed part used stays out", SECTION_CONFIGURATION, {0, 0, 1, -1, -1, -1, -1},
       {{0, true}, {2, true}, {3, true}, {4, true}, {5, true}, {6, true}}, ORV_SOURCE_PRINT_BAD_ORDER,
       "SourcePrint: all_arg_no (7) != ord_arg_no (6)"},
      {"computed slots are left out", COBOL_FILE, {-1, -1, -1, -1}, {{0, true}, {1, true}}, ORV_OK,
       ""},
  };
  for (const OrderCase& c : cases) {
    OrvExpr* node = new OrvExprOper(c.op);
    ASSERT_EQ(node->NArgs(), static_cast<int>(c.orders.size())) << c.what;
    for (size_t i = 0; i < c.orders.size(); ++i) node->ArgSlots(static_cast<int>(i))->order = static_cast<int16_t>(c.orders[i]);
    OrvResult result = 99;
    VString message;
    EXPECT_EQ(Order(node, result, message), c.picks) << c.what;
    EXPECT_EQ(result, c.result) << c.what;
    EXPECT_EQ(Str(message), c.message) << c.what;
    delete node;
  }
}

TEST(SourcePrintTest, FirstProblemKeepsTheMessage) {
  // Both problems at once: the bad fixed order comes first and stays.
  OrvExpr* node = new OrvExprOper(DX_OCCURS);
  node->ArgSlots(DX_OCCURS__TIMES)->order = 1;
  OrvResult result = 0;
  VString message("earlier");
  Order(node, result, message);
  EXPECT_EQ(result, ORV_SOURCE_PRINT_BAD_ORDER);
  EXPECT_EQ(Str(message), "earlier");
  delete node;
}

TEST(SourcePrintTest, ListChildPastTheFixedPartIsFlattened) {
  OrvExpr* node = new OrvExprOper(SECTION_CONFIGURATION);
  OrvExpr* fixedList = new OrvExprOper(EX_LIST);
  fixedList->AddArg(new OrvCharString(VString("A")));
  fixedList->AddArg(new OrvCharString(VString("B")));
  node->SetArg(SECTION_CONFIGURATION__CONFIGURATION_SECTION_HEADER, fixedList);
  OrvExpr* list = new OrvExprOper(EX_LIST);
  for (const char* w : {"X", "Y", "Z"}) list->AddArg(new OrvCharString(VString(w)));
  node->SetArg(SECTION_CONFIGURATION__SPECIAL_NAMES, list);
  // A list without slots adds nothing.
  node->SetArg(SECTION_CONFIGURATION__REPOSITORY, new OrvExprOper(EX_LIST));
  OrvResult result = 99;
  VString message;
  std::vector<Pick> picks = Order(node, result, message);
  EXPECT_EQ(picks, (std::vector<Pick>{{0, true}, {1, true}, {2, true}, {3, true, true},
                                      {1, false}, {2, false}, {5, true}, {6, true}}));
  EXPECT_EQ(result, ORV_OK);
  delete node;
}

TEST(SetSlotPosnOperTest, NodeWithoutSlotsCoversItsTailTokens) {
  OrvExpr* leaf = Word(P(1, 7), P(1, 12));
  AddToken(leaf->Tokens(), 0, P(1, 14), P(1, 20));
  EXPECT_EQ(Text(SetSlotPosnOper(leaf, 0)), Range(P(1, 7), P(1, 20)));
  EXPECT_EQ(leaf->Tokens().Count(), 2);
  delete leaf;
}

// A list whose children stand: right behind the slot's keyword, a line
// later, in another file at the same line and column, behind a symbol table,
// and at the open-end position.
TEST(SetSlotPosnOperTest, GapTokensStandWhereTheTextBeforeAChildEnded) {
  int copyFile = OrvFileNameAdd(VString("member.cpy"));
  OrvExpr* list = new OrvExprOper(EX_LIST);
  list->AddArg(Word(P(1, 15), P(1, 20)));                    // 0: right behind its keyword
  list->AddArg(Word(P(2, 11), P(2, 14)));                    // 1: a line later
  list->AddArg(Word(P(2, 14, copyFile), P(2, 16, copyFile)));  // 2: another file
  OrvExpr* symtab = new OrvExprOper(SYMBOL_TABLE_ELT_LIST);
  OrvExpr* hidden = new OrvExprOper(EX_LIST);
  hidden->AddArg(Word(P(9, 9), P(9, 12)));
  hidden->AddArg(Word(P(9, 20), P(9, 22)));
  symtab->AddArg(hidden);
  list->AddArg(symtab);                                      // 3: not source text
  list->AddArg(Word(P(2, 16, copyFile), P(2, 20, copyFile)));  // 4: behind the symbol table
  list->AddArg(Word(P(0, 1), P(0, 1)));                      // 5: the open end
  AddToken(list->ArgSlots(0)->tokens, 0, P(1, 7), P(1, 15), "KEY");

  OrvTxtPosnRange r = SetSlotPosnOper(list, 0);

  EXPECT_EQ(Text(r), Range(P(1, 7), P(0, 1)));
  EXPECT_TRUE(Gaps(list, 0).empty());
  EXPECT_EQ(Gaps(list, 1), std::vector<std::string>{Range(P(1, 20), P(2, 11))});
  EXPECT_EQ(Gaps(list, 2), std::vector<std::string>{Range(P(2, 14), P(2, 14, copyFile))});
  EXPECT_TRUE(Gaps(list, 3).empty());
  EXPECT_TRUE(Gaps(hidden, 1).empty());  // the symbol table is not entered
  EXPECT_TRUE(Gaps(list, 4).empty());
  EXPECT_TRUE(Gaps(list, 5).empty());
  // The gap token follows the tokens the slot already held.
  EXPECT_EQ(list->ArgSlots(0)->tokens.Count(), 1);
  delete list;
}

TEST(SetSlotPosnOperTest, GapIsMeasuredFromTheSlotsOwnTokens) {
  OrvExpr* list = new OrvExprOper(EX_LIST);
  list->AddArg(Word(P(1, 8), P(1, 10)));
  list->AddArg(Word(P(1, 20), P(1, 24)));
  AddToken(list->ArgSlots(1)->tokens, 0, P(1, 12), P(1, 16), "TO");
  SetSlotPosnOper(list, 0);
  EXPECT_EQ(Gaps(list, 1), std::vector<std::string>{Range(P(1, 16), P(1, 20))});
  ASSERT_EQ(list->ArgSlots(1)->tokens.Count(), 2);
  EXPECT_EQ(list->ArgSlots(1)->tokens.Last()->code, SEP_SPACE);
  delete list;
}

TEST(SetSlotPosnOperTest, BadOrderIsAWarningAtTheNodeAndPreparationGoesOn) {
  MessageRecorder recorder;
  OrvExpr* occurs = new OrvExprOper(DX_OCCURS);
  occurs->SetArg(DX_OCCURS__TIMES, Word(P(4, 20), P(4, 22)));
  occurs->SetArg(DX_OCCURS__DEPENDING_ON, Word(P(5, 12), P(5, 20)));
  occurs->ArgSlots(DX_OCCURS__TIMES)->order = 0;
  occurs->ArgSlots(DX_OCCURS__DEPENDING_ON)->order = 2;
  PrepareSourcePrint(occurs);
  ASSERT_EQ(recorder.size(), 1u) << recorder.Dump();
  EXPECT_EQ(recorder.level(0), MSG_WARN);
  EXPECT_EQ(recorder.text(0),
            "SourcePrint: bad order of fixed clauses in DX_OCCURS: clause 'Depending On' has "
            "index 2 instead of 1");
  EXPECT_EQ(recorder.messages()[0].posn, P(4, 20));
  EXPECT_EQ(Gaps(occurs, DX_OCCURS__DEPENDING_ON), std::vector<std::string>{Range(P(4, 22), P(5, 12))});
  delete occurs;
}

// A paragraph whose keyword and period stand before a COPY statement and
// whose clauses and closing period stand in the member: the keyword and
// period go in front of the statement, the member's period stays in the
// tail, printed after the clauses, and the range begins at the keyword.
TEST(SetSlotPosnOperTest, TailTokensBeforeACopyStatementGoInFrontOfIt) {
  const int main = OrvFileNameAdd(VString("tail-main.cbl"));
  const int member = OrvFileNameAdd(VString("tail-member.cpy"));
  OrvExpr* marker = print_test::BeginMarker("TAILMEM", "tail-member.cpy", 1);
  AddToken(marker->ArgSlots(0)->tokens, TK_COPY, P(5, 61, main), P(5, 65, main), "COPY");
  AddToken(marker->Tokens(), SEP_DOT, P(5, 72, main), P(5, 73, main), ".");
  OrvExpr* para = new OrvExprOper(EX_LIST);
  para->AddArg(marker);
  para->AddArg(Word(P(1, 11, member), P(1, 19, member)));
  AddToken(para->Tokens(), 0, P(5, 7, main), P(5, 20, main), "SPECIAL-NAMES");
  AddToken(para->Tokens(), SEP_DOT, P(5, 20, main), P(5, 21, main), ".");
  AddToken(para->Tokens(), SEP_DOT, P(1, 19, member), P(1, 20, member), ".");

  const OrvTxtPosnRange r = SetSlotPosnOper(para, 0);

  EXPECT_EQ(r.beg, P(5, 7, main));
  EXPECT_EQ(r.end, P(1, 20, member));
  std::vector<std::string> front;
  for (const OrvToken* t : para->ArgSlots(0)->tokens) front.push_back(Text(t->Range()));
  // The keyword, its period, and the gap up to the COPY word.
  EXPECT_EQ(front, (std::vector<std::string>{Range(P(5, 7, main), P(5, 20, main)),
                                             Range(P(5, 20, main), P(5, 21, main)),
                                             Range(P(5, 21, main), P(5, 61, main))}));
  ASSERT_EQ(para->Tokens().Count(), 1);
  EXPECT_EQ(para->Tokens().First()->begin, P(1, 19, member));
  delete para;
}

// A keyword that the parent's slot holds although it stands between two
// children of the slot's child takes the place of the part of the child's
// gap that covers it; one that no gap covers stays with the parent.
TEST(SetSlotPosnOperTest, ASlotTokenInsideTheChildsTextGoesIntoTheGapThatCoversIt) {
  struct Case {
    const char* what;
    int begin, end;                        // the keyword's columns on line 1
    std::vector<std::string> childSlot1;   // the child's second slot afterwards
    bool stays;                            // the keyword stays with the parent
  } const cases[] = {
      {"inside the gap", 24, 28,
       {Range(P(1, 22), P(1, 24)), Range(P(1, 24), P(1, 28)), Range(P(1, 28), P(1, 30))}, false},
      {"at the gap's begin", 22, 26, {Range(P(1, 22), P(1, 26)), Range(P(1, 26), P(1, 30))}, false},
      {"filling the gap", 22, 30, {Range(P(1, 22), P(1, 30))}, false},
      {"over the first word", 21, 23, {Range(P(1, 22), P(1, 30))}, true},
  };
  for (const Case& c : cases) {
    OrvExpr* child = new OrvExprOper(EX_LIST);
    child->AddArg(Word(P(1, 20), P(1, 22)));
    child->AddArg(Word(P(1, 30), P(1, 32)));
    OrvExpr* parent = new OrvExprOper(EX_LIST);
    parent->AddArg(child);
    AddToken(parent->ArgSlots(0)->tokens, 0, P(1, c.begin), P(1, c.end), "ALSO");

    const OrvTxtPosnRange r = SetSlotPosnOper(parent, 0);

    if (!c.stays) {
      EXPECT_EQ(Text(r), Range(P(1, 20), P(1, 32))) << c.what;
    }
    std::vector<std::string> slot1;
    for (const OrvToken* t : child->ArgSlots(1)->tokens) slot1.push_back(Text(t->Range()));
    EXPECT_EQ(slot1, c.childSlot1) << c.what;
    const OrvToken* first = parent->ArgSlots(0)->tokens.First();
    EXPECT_EQ(first != nullptr && first->code != SEP_SPACE, c.stays) << c.what;
    delete parent;
  }
}

// A chain of nodes whose slots carry clause indexes, thousands deep: the
// scratch stacks grow geometrically, so the entries they copy while growing
// stay proportional to the nodes, not to the nodes times the depth.
TEST(SetSlotPosnOperTest, ADeepChainCopiesTheScratchEntriesAConstantNumberOfTimes) {
  const int depth = 3000;
  // Each node holds the next in its last slot.
  const int kNested = SECTION_CONFIGURATION__COPYBEGIN_END_SYNTAXERROR;
  OrvExpr* root = nullptr;
  OrvExpr* inner = nullptr;
  for (int i = 0; i < depth; ++i) {
    OrvExpr* node = new OrvExprOper(SECTION_CONFIGURATION);
    const int orders[] = {-1, 2, 0, -1, 1, -1, -1};
    for (int k = 0; k < node->NArgs(); ++k) node->ArgSlots(k)->order = static_cast<int16_t>(orders[k]);
    node->SetArg(SECTION_CONFIGURATION__SOURCE_COMPUTER, Word(P(i + 1, 8), P(i + 1, 10)));
    if (inner != nullptr) inner->SetArg(kNested, node);
    if (root == nullptr) root = node;
    inner = node;
  }
  const long before = SourcePrintScratchMoves;
  PrepareSourcePrint(root);
  const long moves = SourcePrintScratchMoves - before;
  EXPECT_LE(moves, 4L * 7 * depth);
  // Every level was prepared: a gap from the node's word to the nested
  // node's word, a line further.
  int line = 1;
  for (OrvExpr* node = root; node != inner; node = node->ArgSlots(kNested)->child, ++line)
    ASSERT_EQ(Gaps(node, kNested), std::vector<std::string>{Range(P(line, 10), P(line + 1, 8))}) << line;
  EXPECT_TRUE(Gaps(inner, kNested).empty());
  delete root;
}

// During a parse the warning goes into the parse's message list, where it
// counts in the parse result, and the trace follows the parse's trace word.
TEST(SourcePrintParserLinkTest, DuringAParseTheWarningJoinsTheMessageListAndTheTraceFollowsTheParse) {
  MessageRecorder recorder;
  NoSourceParser parser;
  OrvTokenList messages;
  parser.messageList = &messages;
  parser.debugLevel = 1;
  currentParser = &parser;
  EXPECT_EQ(SourcePrintTraceLevel(), 1);
  SourcePrintWarning(VString("bad order"), P(4, 20));
  currentParser = nullptr;
  EXPECT_EQ(SourcePrintTraceLevel(), 0);
  EXPECT_EQ(recorder.size(), 0u) << recorder.Dump();
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.First()->code, MSG_WARN);
  EXPECT_EQ(Str(messages.First()->Image()), "bad order");
  EXPECT_EQ(messages.First()->begin, P(4, 20));
}

TEST(SetSlotPosnOperTest, TraceShowsEachNodeAndGap) {
  OrvExpr* list = new OrvExprOper(EX_LIST);
  list->AddArg(Word(P(1, 8), P(1, 10)));
  list->AddArg(Word(P(2, 8), P(2, 10)));
  testing::internal::CaptureStdout();
  SetSlotPosnOper(list, 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  delete list;

  list = new OrvExprOper(EX_LIST);
  list->AddArg(Word(P(1, 8), P(1, 10)));
  list->AddArg(Word(P(2, 8), P(2, 10)));
  testing::internal::CaptureStdout();
  SetSlotPosnOper(list, 1);
  std::string trace = testing::internal::GetCapturedStdout();
  const std::string unset = Text(OrvTxtPosnRange());
  const std::string expected = "\n@SetSlotPosnOper: CHAR_STRING\n*SetSlotPosnOper: rc " +
                               Range(P(1, 8), P(1, 10)) + "\n" +
                               "\n@SetSlotPosnOper: CHAR_STRING\n*SetSlotPosnOper: rc " +
                               Range(P(2, 8), P(2, 10)) + "\n" +
                               "\n@SetSlotPosnOper: EX_LIST\n" +
                               "$SetSlotPosnOper: toks#0: " + unset + "\n" +
                               "=SetSlotPosnOper: arg #0: " + Range(P(1, 8), P(1, 10)) + "\n" +
                               "$SetSlotPosnOper: toks#1: " + unset + "\n" +
                               "=SetSlotPosnOper: arg #1: " + Range(P(2, 8), P(2, 10)) + "\n" +
                               "+SetSlotPosnOper: add space token " + Range(P(1, 10), P(2, 8)) +
                               "\n*SetSlotPosnOper: rc " + Range(P(1, 8), P(2, 10)) + "\n";
  EXPECT_EQ(trace, expected);
  delete list;
}

TEST(UpdateErrorExprTest, PendingErrorNodeTakesTheNextBeginAndLastPosnTheEnd) {
  OrvExpr* error = new OrvCharString(VString("E"));
  AddToken(error->Tokens(), 0, P(3, 7), OrvTxtPosn());
  OrvTokenList tokens;
  AddToken(tokens, 0, OrvTxtPosn(), OrvTxtPosn());  // unpositioned: passed over
  AddToken(tokens, 0, P(3, 12), P(3, 15));
  AddToken(tokens, 0, P(3, 17), P(3, 19));
  err_expr = error;
  UpdateErrorExpr(tokens, 0);
  EXPECT_EQ(err_expr, nullptr);
  EXPECT_EQ(error->Tokens().First()->end, P(3, 12));
  EXPECT_EQ(last_posn, P(3, 19));

  // The preparation starts from a clean state.
  err_expr = error;
  OrvExpr* empty = new OrvCharString(VString("X"));
  PrepareSourcePrint(empty);
  EXPECT_EQ(err_expr, nullptr);
  EXPECT_FALSE(last_posn.IsSet());
  delete empty;
  delete error;
}

}  // namespace

namespace {

// The dump of a prepared tree with every slot's tokens and positions.
std::string Dump(const OrvExpr* node) {
  std::ostringstream os;
  node->DebugDump(os);
  return os.str();
}

// The tokens of every slot and tail below the node, in slot order, as
// code and range: what the preparation adds and moves.
void ListTokens(OrvExpr* node, std::vector<std::string>& out) {
  if (node == nullptr) return;
  for (int i = 0; i < node->NArgs(); ++i) {
    out.push_back("slot " + std::to_string(i));
    if (OrvTokenList* tokens = node->PeekTokens(i))
      for (const OrvToken* t : *tokens) out.push_back(std::to_string(t->code) + Text(t->Range()));
    ListTokens(node->PeekChild(i), out);
  }
  out.push_back("tail");
  for (const OrvToken* t : node->Tokens()) out.push_back(std::to_string(t->code) + Text(t->Range()));
}

}  // namespace

// The preparation a parse runs (no trace, no pending error node) reads the
// slots from their stored words, prepares a child without slots in its
// parent's loop and finds the gaps in the loop over the slots; with the
// trace on it takes the step-by-step path.  Both give every tree the same
// range, tokens, gaps and last_posn: trees with tail tokens that stay
// behind the slots and that go into them, a symbol table, a child without
// slots and with tokens of its own, clause orders and a list past the
// fixed part.
TEST(SetSlotPosnOperTest, TheQuietPathPreparesEveryTreeAsTheTracedOne) {
  const int main = OrvFileNameAdd(VString("quiet-main.cbl"));
  const int member = OrvFileNameAdd(VString("quiet-member.cpy"));
  struct Case {
    const char* what;
    OrvExpr* (*build)(int main, int member);
  } const cases[] = {
      {"tail behind the slots",
       [](int, int) -> OrvExpr* {
         OrvExpr* list = new OrvExprOper(EX_LIST);
         list->AddArg(Word(P(1, 8), P(1, 10)));
         list->AddArg(nullptr);
         list->AddArg(Word(P(2, 8), P(2, 10)));
         AddToken(list->ArgSlots(2)->tokens, 0, P(1, 12), P(1, 16), "TO");
         AddToken(list->Tokens(), SEP_DOT, P(2, 10), P(2, 11), ".");
         OrvExpr* outer = new OrvExprOper(EX_LIST);
         outer->AddArg(list);
         outer->AddArg(Word(P(4, 8), P(4, 12)));
         AddToken(outer->Tokens(), SEP_DOT, P(4, 20), P(4, 21), ".");
         return outer;
       }},
      {"tail before a COPY statement",
       [](int main, int member) -> OrvExpr* {
         OrvExpr* marker = print_test::BeginMarker("QUIETMEM", "quiet-member.cpy", 1);
         AddToken(marker->ArgSlots(0)->tokens, TK_COPY, P(5, 61, main), P(5, 65, main), "COPY");
         AddToken(marker->Tokens(), SEP_DOT, P(5, 72, main), P(5, 73, main), ".");
         OrvExpr* para = new OrvExprOper(EX_LIST);
         para->AddArg(marker);
         para->AddArg(Word(P(1, 11, member), P(1, 19, member)));
         para->AddArg(Word(P(2, 11, member), P(2, 19, member)));
         AddToken(para->Tokens(), 0, P(5, 7, main), P(5, 20, main), "SPECIAL-NAMES");
         AddToken(para->Tokens(), SEP_DOT, P(5, 20, main), P(5, 21, main), ".");
         AddToken(para->Tokens(), SEP_DOT, P(2, 19, member), P(2, 20, member), ".");
         return para;
       }},
      {"symbol table, leaf tokens and a keyword inside the child",
       [](int, int) -> OrvExpr* {
         OrvExpr* child = new OrvExprOper(EX_LIST);
         child->AddArg(Word(P(1, 20), P(1, 22)));
         child->AddArg(Word(P(1, 30), P(1, 32)));
         OrvExpr* symtab = new OrvExprOper(SYMBOL_TABLE_ELT_LIST);
         symtab->AddArg(Word(P(9, 9), P(9, 12)));
         OrvExpr* parent = new OrvExprOper(EX_LIST);
         parent->AddArg(child);
         parent->AddArg(symtab);
         parent->AddArg(Word(P(3, 8), P(3, 9)));
         AddToken(parent->ArgSlots(0)->tokens, 0, P(1, 24), P(1, 28), "ALSO");
         AddToken(parent->ArgSlots(2)->tokens, 0, P(2, 8), P(2, 12), "THRU");
         return parent;
       }},
      {"clause orders and a list past the fixed part",
       [](int, int) -> OrvExpr* {
         OrvExpr* occurs = new OrvExprOper(DX_OCCURS);
         occurs->SetArg(DX_OCCURS__TIMES, Word(P(4, 20), P(4, 22)));
         occurs->SetArg(DX_OCCURS__DEPENDING_ON, Word(P(5, 12), P(5, 20)));
         occurs->ArgSlots(DX_OCCURS__TIMES)->order = 0;
         occurs->ArgSlots(DX_OCCURS__DEPENDING_ON)->order = 1;
         AddToken(occurs->Tokens(), SEP_DOT, P(5, 20), P(5, 21), ".");
         OrvExpr* config = new OrvExprOper(SECTION_CONFIGURATION);
         const int orders[] = {-1, 2, 0, -1, 1, -1, -1};
         for (int k = 0; k < config->NArgs(); ++k) config->ArgSlots(k)->order = static_cast<int16_t>(orders[k]);
         config->SetArg(SECTION_CONFIGURATION__SOURCE_COMPUTER, Word(P(6, 8), P(6, 10)));
         config->SetArg(SECTION_CONFIGURATION__COPYBEGIN_END_SYNTAXERROR, occurs);
         return config;
       }},
  };
  for (const Case& c : cases) {
    OrvExpr* quiet = c.build(main, member);
    OrvExpr* traced = c.build(main, member);
    last_posn = OrvTxtPosn();
    const OrvTxtPosnRange quietRange = SetSlotPosnOper(quiet, 0);
    const OrvTxtPosn quietLast = last_posn;
    last_posn = OrvTxtPosn();
    testing::internal::CaptureStdout();
    const OrvTxtPosnRange tracedRange = SetSlotPosnOper(traced, 1);
    EXPECT_NE(testing::internal::GetCapturedStdout(), "") << c.what;
    EXPECT_EQ(Text(quietRange), Text(tracedRange)) << c.what;
    EXPECT_EQ(quietLast, last_posn) << c.what;
    EXPECT_TRUE(quietLast.IsSet()) << c.what;
    std::vector<std::string> quietTokens, tracedTokens;
    ListTokens(quiet, quietTokens);
    ListTokens(traced, tracedTokens);
    EXPECT_EQ(quietTokens, tracedTokens) << c.what;
    EXPECT_EQ(Dump(quiet), Dump(traced)) << c.what;
    delete quiet;
    delete traced;
  }
}

namespace {

std::vector<const OrvExpr*> visitedNodes;
void RecordVisit(OrvExpr* node) { visitedNodes.push_back(node); }

// Every node of the tree, by the stored slots.
void AllNodes(const OrvExpr* node, std::set<const OrvExpr*>& out) {
  out.insert(node);
  for (int i = 0; i < node->NArgs(); ++i)
    if (const OrvExpr* child = node->PeekChild(i)) AllNodes(child, out);
}

// A small subtree of three nodes.
OrvExpr* Pair(int line) {
  OrvExpr* list = new OrvExprOper(EX_LIST);
  list->AddArg(Word(P(line, 8), P(line, 10)));
  list->AddArg(Word(P(line, 12), P(line, 14)));
  return list;
}

}  // namespace

// The preparation that a parse runs passes every node of the tree to the
// visit call: the nodes it prepares, its leaves, and the nodes it does not
// enter (below the symbol table, computed slots, a list flattened into the
// order, a slot a bad order leaves out), with the trace off and on, and for
// a root without slots or a symbol table as root.
TEST(PrepareSourcePrintTest, EveryNodeOfTheTreeIsVisited) {
  struct Case {
    const char* what;
    OrvExpr* (*build)();
  } const cases[] = {
      {"computed slots and the symbol table",
       []() -> OrvExpr* {
         OrvExpr* file = new OrvExprOper(COBOL_FILE);
         OrvExpr* programs = Pair(1);
         OrvExpr* symtab = new OrvExprOper(SYMBOL_TABLE_ELT_LIST);
         symtab->AddArg(Pair(9));
         programs->AddArg(symtab);
         file->SetArg(COBOL_FILE__PROGRAM_LIST, programs);
         file->SetArg(COBOL_FILE__END_OF_FILE, Word(P(5, 1), P(5, 2)));
         file->SetArg(COBOL_FILE__EXTERNAL_DEFINITIONS, Pair(7));
         return file;
       }},
      {"flattened lists and a slot left out by a bad order",
       []() -> OrvExpr* {
         OrvExpr* config = new OrvExprOper(SECTION_CONFIGURATION);
         config->SetArg(SECTION_CONFIGURATION__SOURCE_COMPUTER, Pair(2));
         config->SetArg(SECTION_CONFIGURATION__OBJECT_COMPUTER, Pair(3));
         config->ArgSlots(SECTION_CONFIGURATION__SOURCE_COMPUTER)->order = 0;
         config->ArgSlots(SECTION_CONFIGURATION__OBJECT_COMPUTER)->order = 0;  // left out
         config->SetArg(SECTION_CONFIGURATION__SPECIAL_NAMES, Pair(4));
         config->SetArg(SECTION_CONFIGURATION__REPOSITORY, new OrvExprOper(EX_LIST));
         return config;
       }},
      {"a root without slots", []() -> OrvExpr* { return Word(P(1, 8), P(1, 10)); }},
      {"the symbol table as root",
       []() -> OrvExpr* {
         OrvExpr* symtab = new OrvExprOper(SYMBOL_TABLE_ELT_LIST);
         symtab->AddArg(Pair(1));
         return symtab;
       }},
  };
  MessageRecorder recorder;
  for (const int trace : {0, 1}) {
    for (const Case& c : cases) {
      OrvExpr* root = c.build();
      std::set<const OrvExpr*> all;
      AllNodes(root, all);
      NoSourceParser parser;
      parser.debugLevel = trace;
      currentParser = &parser;
      visitedNodes.clear();
      testing::internal::CaptureStdout();
      PrepareSourcePrint(root, &RecordVisit);
      const std::string traced = testing::internal::GetCapturedStdout();
      currentParser = nullptr;
      if (trace == 0) {
        EXPECT_EQ(traced, "") << c.what;
      }
      const std::set<const OrvExpr*> visited(visitedNodes.begin(), visitedNodes.end());
      EXPECT_EQ(visited, all) << c.what << " trace " << trace;
      EXPECT_GE(all.size(), 1u);
      delete root;
    }
  }
}
