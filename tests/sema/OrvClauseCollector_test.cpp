// Clause collectors: clauses into slots in source order, repetitions
// reported with their text kept, and every node released exactly once
// whether it is finished, abandoned, discarded by error recovery, left over
// at the end of a parse or at exit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NoSourceParser.h"
#include "OrvClauseCollector.h"
#include "OrvOperSlots.h"
#include "OrvParserErrors.h"
#include "OrvTreeUtil.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;
using sematest::PlaceAt;

OrvGrammarValue AsValue(OrvExpr* node) { return reinterpret_cast<OrvGrammarValue>(node); }

// The images of a token list, each followed by a blank.
std::string Images(const OrvTokenList& list) {
  std::string out;
  for (OrvTokenListNode* e = list.Head(); e != nullptr; e = e->next) {
    if (e->token != nullptr) out += Str(e->token->image) + " ";
  }
  return out;
}

// The kept texts of an error node, each followed by a blank.
std::string ErrorText(const OrvExpr* errNode) {
  std::string out;
  const OrvExpr* list = errNode != nullptr ? errNode->Args(STMT__SYNTAX_ERROR__SKIPPED_TOKENS) : nullptr;
  for (int i = 0; list != nullptr && i < list->NArgs(); ++i) {
    out += Str(*list->Args(i)->Image()) + " ";
  }
  return out;
}

// Counts the nodes made and the node releases while alive: when every node
// made was released exactly once, the two are equal.  (Addresses alone
// cannot tell: a new node may take the address of a released one.)
struct NodeBalance {
  const uint32_t start = OrvNodeCounter;
  sematest::ReleaseWatch watch;
  long Made() const { return static_cast<long>(OrvNodeCounter - start); }
  long Released() const { return static_cast<long>(watch.Count()); }
};

class CollectorTest : public sematest::ParserTest {
 protected:
  // A clause node with one word token of that text at (line, column).
  static OrvExpr* Clause(const char* text, int line, int column, OrvOper op = DX_PICTURE) {
    OrvExpr* clause = new OrvExprOper(op);
    PlaceAt(clause, line, column, text);
    return clause;
  }
  // A node to collect into: an entry with one token.
  static OrvExpr* Node(OrvOper op = DECL_DD_ENTRY, const char* text = "ENTRY") {
    OrvExpr* node = new OrvExprOper(op);
    PlaceAt(node, 1, 7, text);
    return node;
  }
};

TEST_F(CollectorTest, ClausesGoIntoTheirSlotsInSourceOrder) {
  OrvClauseCollector collector;
  OrvExpr* entry = collector.Start(Node());
  EXPECT_EQ(collector.node, entry);
  entry->SetArg(DECL_DD_ENTRY__USAGE, new OrvNullNode, -1, 0);  // an empty slot may hold a null node
  OrvExpr* usage = Clause("COMP", 2, 20, DX_USAGE);
  OrvExpr* picture = Clause("PIC", 2, 12);
  OrvExpr* occurs = Clause("OCCURS", 2, 30, DX_OCCURS);
  collector.SetClause(DECL_DD_ENTRY__USAGE, usage);
  collector.SetClause(DECL_DD_ENTRY__PICTURE, picture);
  collector.AddListItem(DECL_DD_ENTRY__OCCURS, EX_LIST, occurs);
  EXPECT_EQ(entry->Args(DECL_DD_ENTRY__USAGE), usage);
  EXPECT_EQ(entry->ArgSlots(DECL_DD_ENTRY__USAGE)->order, 0);
  EXPECT_EQ(entry->ArgSlots(DECL_DD_ENTRY__PICTURE)->order, 1);
  // A list item's order is taken from the same count.
  OrvExpr* list = entry->Args(DECL_DD_ENTRY__OCCURS);
  ASSERT_EQ(list->Oper(), EX_LIST);
  ASSERT_EQ(list->Args(0), occurs);
  EXPECT_EQ(list->ArgSlots(0)->order, 2);
  EXPECT_EQ(collector.count, 3);
  EXPECT_EQ(collector.Finish(), entry);
  EXPECT_EQ(collector.node, nullptr);
  EXPECT_EQ(collector.count, 0);
  owned.push_back(entry);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CollectorTest, ARepeatedClauseIsReportedAndItsTextTravelsOn) {
  for (bool finishedNext : {false, true}) {
    SCOPED_TRACE(finishedNext ? "text goes to the node" : "text goes to the next clause");
    messages.Clear();
    OrvClauseCollector collector;
    OrvExpr* entry = collector.Start(Node());
    collector.SetClause(DECL_DD_ENTRY__PICTURE, Clause("PIC-1", 3, 12));
    collector.SetClause(DECL_DD_ENTRY__PICTURE, Clause("PIC-2", 3, 24));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{Line(
                  MSG_ERR, "Clause Picture is set more than once. Ignoring second instance.")});
    EXPECT_EQ(MessagePosns()[0], OrvTxtPosn(3, 24, 1));
    EXPECT_EQ(Images(collector.tokens), "PIC-2 ");
    EXPECT_EQ(Images(entry->Args(DECL_DD_ENTRY__PICTURE)->Tokens()), "PIC-1 ");
    if (finishedNext) {
      collector.Finish();
      EXPECT_EQ(Images(entry->Tokens()), "ENTRY PIC-2 ");
    } else {
      OrvExpr* usage = Clause("COMP", 3, 36, DX_USAGE);
      collector.SetClause(DECL_DD_ENTRY__USAGE, usage);
      EXPECT_EQ(Images(usage->Tokens()), "COMP PIC-2 ");
      EXPECT_EQ(entry->ArgSlots(DECL_DD_ENTRY__USAGE)->order, 1);  // the rejected one took no index
      collector.Finish();
      EXPECT_EQ(Images(entry->Tokens()), "ENTRY ");
    }
    owned.push_back(entry);
  }
}

TEST_F(CollectorTest, TheSlotNameComesFromTheArgumentNameTable) {
  OrvClauseCollector collector;
  OrvExpr* fd = collector.Start(Node(DECL_FD_ENTRY, "FD"));
  collector.SetClause(DECL_FD_ENTRY__RECORD_SIZE, Clause("RECORD", 4, 12, FDX_RECORD_CONTAINS));
  collector.SetClause(DECL_FD_ENTRY__RECORD_SIZE, Clause("RECORD", 5, 12, FDX_RECORD_VARYING));
  EXPECT_EQ(Messages(),
            std::vector<std::string>{Line(
                MSG_ERR, "Clause Record Size is set more than once. Ignoring second instance.")});
  owned.push_back(collector.Finish());
  EXPECT_EQ(fd->Args(DECL_FD_ENTRY__RECORD_SIZE)->Oper(), FDX_RECORD_CONTAINS);
}

// Mend: a rejected clause that holds the error node does not leave the
// parser pointing at freed memory.
TEST_F(CollectorTest, ARejectedClauseTakesTheErrorNodeInsideItAlong) {
  sematest::ReleaseWatch watch;
  OrvClauseCollector collector;
  collector.Start(Node());  // the collector deletes it when it goes
  collector.SetClause(DECL_DD_ENTRY__PICTURE, Clause("PIC", 6, 12));
  for (bool itself : {true, false}) {
    SCOPED_TRACE(itself ? "the clause is the error node" : "the error node lies inside");
    OrvExpr* errNode = GenErrNode();
    OrvExpr* clause = itself ? errNode : new OrvExprOper(DX_PICTURE, errNode);
    collector.SetClause(DECL_DD_ENTRY__PICTURE, clause);
    EXPECT_TRUE(watch.Released(errNode));
    EXPECT_EQ(parser.errNode, nullptr);
  }
}

TEST_F(CollectorTest, StartReleasesAnAbandonedNodeOnceWithItsTextInTheErrorNode) {
  sematest::ReleaseWatch watch;
  OrvExpr* errNode = GenErrNode();
  OrvClauseCollector collector;
  OrvExpr* abandoned = collector.Start(Node(DECL_DD_ENTRY, "OLD"));
  collector.SetClause(DECL_DD_ENTRY__PICTURE, Clause("PIC", 7, 12));
  collector.SetClause(DECL_DD_ENTRY__PICTURE, Clause("AGAIN", 7, 20));  // saved tokens
  OrvExpr* next = collector.Start(Node(DECL_DD_ENTRY, "NEW"));
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  EXPECT_TRUE(watch.Released(abandoned));
  EXPECT_EQ(collector.node, next);
  EXPECT_TRUE(collector.tokens.IsEmpty());
  EXPECT_EQ(ErrorText(errNode), "PIC OLD AGAIN ");
  EXPECT_EQ(parser.errNode, errNode);
  owned.push_back(collector.Finish());
  EXPECT_EQ(Images(next->Tokens()), "NEW ");

  // A node that a tree holds is only forgotten.
  OrvExpr* tree = new OrvExprOper(EX_LIST);
  owned.push_back(tree);
  OrvExpr* attached = collector.Start(Node());
  tree->AddArg(attached);
  collector.SetClause(DECL_DD_ENTRY__PICTURE, Clause("P", 8, 12));
  collector.SetClause(DECL_DD_ENTRY__PICTURE, Clause("Q", 8, 20));
  watch.Clear();
  collector.Start(Node(DECL_DD_ENTRY, "THIRD"));  // the collector deletes it when it goes
  EXPECT_FALSE(watch.Released(attached));
  EXPECT_EQ(tree->Args(0), attached);
  EXPECT_EQ(Images(collector.tokens), "Q ");  // they wait for the next clause

  // Without an error node the abandoned text goes to a new one, which stays
  // the current error node until an error rule takes it.
  parser.errNode = nullptr;
  owned.push_back(errNode);
  owned.push_back(collector.Finish());
  OrvExpr* unkept = collector.Start(Node(DECL_DD_ENTRY, "GONE"));
  collector.SetClause(DECL_DD_ENTRY__PICTURE, Clause("R", 9, 12));
  watch.Clear();
  collector.Start(nullptr);
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  EXPECT_TRUE(watch.Released(unkept));
  ASSERT_NE(parser.errNode, nullptr);
  EXPECT_EQ(ErrorText(parser.errNode), "R GONE ");
  ClearErrNode();
  EXPECT_NE(parser.errNode, nullptr);
  EXPECT_EQ(GenErrNode(), parser.errNode);
  EXPECT_EQ(collector.node, nullptr);
}

TEST_F(CollectorTest, WithoutAnyNodeAClauseGoesToTheErrorNode) {
  sematest::ReleaseWatch watch;
  OrvExpr* errNode = GenErrNode();
  OrvClauseCollector collector;
  OrvExpr* clause = Clause("STRAY", 9, 12);
  collector.SetClause(DECL_DD_ENTRY__PICTURE, clause);
  OrvExpr* item = Clause("ITEM", 9, 20);
  collector.AddListItem(DECL_DD_ENTRY__OCCURS, EX_LIST, item);
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  EXPECT_TRUE(watch.Released(clause));
  EXPECT_TRUE(watch.Released(item));
  EXPECT_EQ(ErrorText(errNode), "STRAY ITEM ");
  EXPECT_EQ(collector.count, 0);

  // A slot the node does not have is a consistency error; the clause goes
  // the same way.
  collector.Start(new OrvExprOper(DX_USAGE));  // the collector deletes it when it goes
  collector.SetClause(5, Clause("FAR", 9, 30));
  EXPECT_EQ(recorder.Count(MSG_SEVERE), 1);
  EXPECT_EQ(ErrorText(errNode), "STRAY ITEM FAR ");
}

TEST_F(CollectorTest, DiscardingTheHeldNodeMakesItsCollectorForgetIt) {
  NodeBalance balance;
  const sematest::ReleaseWatch& watch = balance.watch;
  OrvExpr* errNode = GenErrNode();
  OrvClauseCollector first;
  OrvClauseCollector second;
  // The held node itself is the stack value.
  OrvExpr* held = first.Start(Node(DECL_DD_ENTRY, "HELD"));
  first.SetClause(DECL_DD_ENTRY__PICTURE, Clause("PIC", 10, 12));
  first.SetClause(DECL_DD_ENTRY__PICTURE, Clause("TWICE", 10, 20));
  // The other's held node lies inside a larger value.
  OrvExpr* inner = second.Start(Node(SNX_FUNC_SWITCH, "SW"));
  OrvExpr* outer = new OrvExprOper(EX_LIST, inner);
  DiscardErrValue(AsValue(held), ORV_DISCARD_POPPED);
  DiscardErrValue(AsValue(outer), ORV_DISCARD_POPPED);
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  EXPECT_TRUE(watch.Released(held));
  EXPECT_TRUE(watch.Released(inner));
  for (OrvClauseCollector* c : {&first, &second}) {
    EXPECT_EQ(c->node, nullptr);
    EXPECT_EQ(c->count, 0);
    EXPECT_TRUE(c->tokens.IsEmpty());
  }
  // The switch's text lies before the rest: it goes in front.
  EXPECT_EQ(ErrorText(errNode), "SW PIC HELD TWICE ");
  // Nothing is released a second time by the next start or by the end.
  size_t released = watch.Count();
  first.Start(Node());
  EXPECT_EQ(watch.Count(), released);
  parser.ReleaseParseState();
  EXPECT_EQ(balance.Released(), balance.Made());
}

TEST_F(CollectorTest, AnAbandonedParseReleasesEveryStackValueOnce) {
  NodeBalance balance;
  const sematest::ReleaseWatch& watch = balance.watch;
  GenErrNode();
  OrvClauseCollector entries;
  OrvCicsCollector cics;
  OrvExpr* entry = entries.Start(Node());
  OrvExpr* clause = Clause("PIC", 11, 12);
  entries.SetClause(DECL_DD_ENTRY__PICTURE, clause);  // placed: its parent holds it
  OrvExpr* option = new OrvExprOper(CS_CL_MAP);
  PlaceAt(option, 11, 30, "MAP");
  cics.AddOption(option);  // pending
  OrvExpr* other = Clause("X", 11, 40);
  // Mode 2 for every stack entry, in any order.
  for (OrvExpr* value : {other, option, clause, entry}) {
    DiscardErrValue(AsValue(value), ORV_DISCARD_ABANDONED);
  }
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  for (OrvExpr* value : {other, option, clause, entry}) EXPECT_TRUE(watch.Released(value));
  EXPECT_EQ(cics.pendingOption, nullptr);
  EXPECT_EQ(entries.node, nullptr);
  EXPECT_EQ(ErrorText(parser.errNode), "PIC ENTRY MAP X ");  // ENTRY stands at line 1
  // The end of the parse frees the error node; the values are not freed
  // again.
  parser.ReleaseParseState();
  EXPECT_EQ(balance.Released(), balance.Made());
}

TEST_F(CollectorTest, TheResetOfEachParseEmptiesEveryCollector) {
  sematest::ReleaseWatch watch;
  OrvClauseCollector collector;
  OrvCicsCollector cics;
  for (bool atEnd : {true, false}) {
    SCOPED_TRACE(atEnd ? "release at the end of a parse" : "reset at the start of one");
    OrvExpr* held = collector.Start(Node(DECL_DD_ENTRY, "LEFT"));
    collector.SetClause(DECL_DD_ENTRY__PICTURE, Clause("P", 12, 12));
    collector.SetClause(DECL_DD_ENTRY__PICTURE, Clause("SAVED", 12, 20));
    OrvExpr* pending = new OrvExprOper(CS_CL_SET);
    cics.AddOption(pending);
    // The error node lies in the held node; it goes with it.
    OrvExpr* errNode = GenErrNode();
    collector.SetClause(DECL_DD_ENTRY__USAGE, errNode);
    watch.Clear();
    if (atEnd) {
      parser.ReleaseParseState();
    } else {
      parser.ResetParseState();
      parser.messageList = &messages;
    }
    EXPECT_TRUE(watch.Released(held));
    EXPECT_TRUE(watch.Released(errNode));
    EXPECT_TRUE(watch.Released(pending));
    EXPECT_EQ(collector.node, nullptr);
    EXPECT_EQ(collector.count, 0);
    EXPECT_TRUE(collector.tokens.IsEmpty());
    EXPECT_EQ(cics.pendingOption, nullptr);
    EXPECT_EQ(parser.errNode, nullptr);
  }
  // Nothing reaches the next parse.
  OrvExpr* fresh = collector.Start(Node(DECL_DD_ENTRY, "FRESH"));
  owned.push_back(collector.Finish());
  EXPECT_EQ(Images(fresh->Tokens()), "FRESH ");
}

TEST_F(CollectorTest, AnotherParsersResetLeavesTheRunningParsesCollectorsAlone) {
  OrvClauseCollector collector;
  OrvExpr* held = collector.Start(Node());
  {
    NoSourceParser other;  // built and reset while this parse runs
    other.ResetParseState();
  }
  EXPECT_EQ(collector.node, held);
  owned.push_back(collector.Finish());
}

TEST_F(CollectorTest, ACollectorDestroyedWithANodeDeletesItUnlessATreeHoldsIt) {
  sematest::ReleaseWatch watch;
  OrvExpr* tree = new OrvExprOper(EX_LIST);
  owned.push_back(tree);
  OrvExpr* loose = nullptr;
  OrvExpr* attached = nullptr;
  {
    OrvClauseCollector a;
    OrvClauseCollector b;
    loose = a.Start(Node());
    a.SetClause(DECL_DD_ENTRY__PICTURE, Clause("P", 14, 12));
    a.SetClause(DECL_DD_ENTRY__PICTURE, Clause("Q", 14, 20));
    attached = b.Start(Node());
    tree->AddArg(attached);
    // The rejected clause is already freed and its memory may hold a later
    // node: only what the collectors' destruction releases counts.
    watch.Clear();
  }
  EXPECT_TRUE(watch.Released(loose));
  EXPECT_FALSE(watch.Released(attached));
  EXPECT_EQ(recorder.size(), 0u);
}

TEST_F(CollectorTest, TheRegistryListsCollectorsInConstructionOrder) {
  std::vector<OrvClauseCollector*> before;
  for (OrvClauseCollector* c = OrvFirstCollector(); c != nullptr; c = c->NextRegistered()) {
    before.push_back(c);
  }
  OrvClauseCollector a;
  OrvCicsCollector b;
  std::vector<OrvClauseCollector*> expected = before;
  {
    OrvClauseCollector c;
    expected.push_back(&a);
    expected.push_back(&b);
    expected.push_back(&c);
    std::vector<OrvClauseCollector*> now;
    for (OrvClauseCollector* r = OrvFirstCollector(); r != nullptr; r = r->NextRegistered()) {
      now.push_back(r);
    }
    EXPECT_EQ(now, expected);
  }
  expected.pop_back();
  std::vector<OrvClauseCollector*> after;
  for (OrvClauseCollector* r = OrvFirstCollector(); r != nullptr; r = r->NextRegistered()) {
    after.push_back(r);
  }
  EXPECT_EQ(after, expected);
}

}  // namespace
