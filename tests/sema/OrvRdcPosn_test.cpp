// RdcPosn: where the tokens of a reduction's right-hand side go, the
// searches it makes (children before grandchildren, from the last slot
// down, never the new node itself), and the reductions that move nothing.
#include "OrvRdcPosn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvListExpr.h"
#include "PoolArenas.h"
#include "SemaTestSupport.h"

namespace {

using RdcPosnTest = sematest::ParserTest;

OrvGrammarValue V(OrvExpr* node) { return reinterpret_cast<OrvGrammarValue>(node); }

// A new position list holding one token per word.
OrvTokenList* Posn(std::initializer_list<const char*> words) {
  OrvTokenList* list = new OrvTokenList;
  for (const char* w : words) list->AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(1, 8, 1), VString(w));
  return list;
}

std::string Images(const OrvTokenList& list) {
  std::string out;
  for (OrvToken* e = list.First(); e != nullptr; e = list.Next(e))
    out += (out.empty() ? "" : " ") + Str(e->Image());
  return out;
}

std::string SlotImages(OrvExpr* node, int slot) { return Images(node->ArgSlots(slot)->tokens); }

// One reduction: the right-hand side's positions and values, RdcPosn, and
// the new position it stored.
struct Reduction {
  std::vector<OrvTokenList*> positions;
  std::vector<OrvGrammarValue> values;
  OrvTokenList* result = nullptr;

  void Run(OrvGrammarValue newValue) {
    RdcPosn(&result, positions.data(), values.data(), static_cast<int>(values.size()), 0, -1, nullptr,
            newValue);
  }
  ~Reduction() {
    for (OrvTokenList* p : positions) delete p;
    delete result;
  }
};

TEST_F(RdcPosnTest, TokensGoToTheSlotOfTheNextTermThatTheNewNodeHolds) {
  // MOVE A TO B .  ->  STMT_MOVE(A, B)
  OrvExpr* a = new OrvCharString(VString("A"));
  OrvExpr* b = new OrvCharString(VString("B"));
  OrvExpr* move = new OrvExprOper(STMT_MOVE, a, b);
  owned.push_back(move);
  Reduction r;
  r.positions = {Posn({"MOVE"}), Posn({"A"}), Posn({"TO"}), Posn({"B"}), Posn({"."})};
  r.values = {0, V(a), 0, V(b), 0};
  r.Run(V(move));
  EXPECT_EQ("MOVE A", SlotImages(move, 0));
  EXPECT_EQ("TO B", SlotImages(move, 1));
  EXPECT_EQ(".", Images(move->Tokens()));
  ASSERT_NE(nullptr, r.result);
  EXPECT_TRUE(r.result->IsEmpty());
  for (OrvTokenList* p : r.positions) EXPECT_EQ(nullptr, p);
}

TEST_F(RdcPosnTest, ASlotThatTakesNoTokensIsNotMadeARecord) {
  if (kPoolsBypassed) GTEST_SKIP() << "the pools use the heap under AddressSanitizer";
  // A B . with no tokens before A: slot 0 takes nothing and stays compact;
  // only slot 1 becomes a record (the one block of the tree's arena made).
  OrvExpr* a = new OrvCharString(VString("A"));
  OrvExpr* b = new OrvCharString(VString("B"));
  OrvExpr* move = new OrvExprOper(STMT_MOVE, a, b);
  owned.push_back(move);
  Reduction r;
  r.positions = {new OrvTokenList, new OrvTokenList, Posn({"TO"}), Posn({"B"}), Posn({"."})};
  r.values = {0, V(a), 0, V(b), 0};
  const long before = TreeArena::BlocksOut();
  r.Run(V(move));
  EXPECT_EQ(1, TreeArena::BlocksOut() - before);
  EXPECT_EQ(nullptr, move->PeekTokens(0));
  EXPECT_EQ("TO B", SlotImages(move, 1));
  EXPECT_EQ(".", Images(move->Tokens()));
}

// A term met while no token is gathered yet is not sought: the first
// search is the one of the first term with tokens before it, and the
// tokens land as ever.
TEST_F(RdcPosnTest, ATermWithNoTokensBeforeItIsNotSought) {
  OrvExpr* a = new OrvCharString(VString("A"));
  OrvExpr* b = new OrvCharString(VString("B"));
  OrvExpr* c = new OrvCharString(VString("C"));
  OrvExpr* node = new OrvExprOper(EX_LIST, a, b, c);
  owned.push_back(node);
  Reduction r;
  r.positions = {new OrvTokenList, nullptr, new OrvTokenList, Posn({"X"}), Posn({"."})};
  r.values = {V(a), V(b), 0, V(c), 0};
  const long before = RdcPosnSlotsExamined;
  r.Run(V(node));
  EXPECT_EQ(1, RdcPosnSlotsExamined - before);  // C, in the last slot, found at once
  EXPECT_EQ(nullptr, node->PeekTokens(0));
  EXPECT_EQ(nullptr, node->PeekTokens(1));
  EXPECT_EQ("X", SlotImages(node, 2));
  EXPECT_EQ(".", Images(node->Tokens()));
}

TEST_F(RdcPosnTest, GrandchildrenAreSearchedAfterChildrenAndChildrenWin) {
  // TABLE_ELT(A, SUBSCRIPT_LIST(X, Y)): Y is found as a grandchild.
  OrvExpr* a = new OrvCharString(VString("A"));
  OrvExpr* x = new OrvCharString(VString("X"));
  OrvExpr* y = new OrvCharString(VString("Y"));
  OrvExpr* list = OrvListExpr(SUBSCRIPT_LIST, x, y);
  OrvExpr* elt = new OrvExprOper(TABLE_ELT, a, list);
  owned.push_back(elt);
  {
    Reduction r;
    r.positions = {Posn({"("}), Posn({"Y"}), Posn({")"})};
    r.values = {0, V(y), 0};
    r.Run(V(elt));
    EXPECT_EQ("( Y", SlotImages(list, 1));
    EXPECT_EQ(")", Images(elt->Tokens()));
  }
  // The same node in a child slot and under another child: the child
  // slot takes the tokens.
  OrvExpr* other = new OrvExprOper(OP_PARENS, new OrvNullNode());
  OrvExpr* pair = new OrvExprOper(TABLE_ELT, new OrvNullNode(), other);
  owned.push_back(pair);
  OrvExpr* shared = new OrvCharString(VString("S"));
  owned.push_back(shared);
  OrvExpr* hidden = other->ArgSlots(0)->child;
  other->ArgSlots(0)->child = shared;
  OrvExpr* first = pair->ArgSlots(0)->child;
  pair->ArgSlots(0)->child = shared;
  {
    Reduction r;
    r.positions = {Posn({"S"})};
    r.values = {V(shared)};
    r.Run(V(pair));
    EXPECT_EQ("S", SlotImages(pair, 0));
    EXPECT_EQ("", SlotImages(other, 0));
  }
  other->ArgSlots(0)->child = hidden;
  pair->ArgSlots(0)->child = first;
}

TEST_F(RdcPosnTest, ReductionsThatMoveNoTokens) {
  // A plain-number value passes every token up as its position.
  {
    Reduction r;
    r.positions = {Posn({"ON"}), Posn({"SIZE"})};
    r.values = {0, 0};
    r.Run(17);
    ASSERT_NE(nullptr, r.result);
    EXPECT_EQ("ON SIZE", Images(*r.result));
  }
  // An empty rule, and terms without tokens: an empty position, the
  // node's lists untouched, the empty lists freed.
  OrvExpr* node = new OrvExprOper(OP_PARENS, new OrvCharString(VString("Q")));
  sematest::PlaceAt(node, 3, 11, "T");
  owned.push_back(node);
  {
    Reduction r;
    r.Run(V(node));
    ASSERT_NE(nullptr, r.result);
    EXPECT_TRUE(r.result->IsEmpty());
  }
  {
    Reduction r;
    r.positions = {new OrvTokenList, nullptr};
    r.values = {V(node->ArgSlots(0)->child), 0};
    r.Run(V(node));
    EXPECT_TRUE(r.result->IsEmpty());
    EXPECT_EQ(nullptr, r.positions[0]);
    EXPECT_EQ("T", Images(node->Tokens()));
  }
  // An error rule's reduction (the no-reduce flag): nothing moves, the
  // flag is cleared.
  {
    parser.noReduce = 1;
    Reduction r;
    r.positions = {Posn({"X"})};
    r.values = {V(node)};
    r.Run(V(node));
    EXPECT_EQ(0, parser.noReduce);
    ASSERT_NE(nullptr, r.positions[0]);
    EXPECT_EQ("X", Images(*r.positions[0]));
    EXPECT_TRUE(r.result->IsEmpty());
    EXPECT_EQ("T", Images(node->Tokens()));
  }
  // A term that is not in the new node: its tokens travel on to the next.
  {
    OrvExpr* stranger = new OrvCharString(VString("Z"));
    owned.push_back(stranger);
    Reduction r;
    r.positions = {Posn({"Z"}), Posn({"Q"})};
    r.values = {V(stranger), V(node->ArgSlots(0)->child)};
    r.Run(V(node));
    EXPECT_EQ("Z Q", SlotImages(node, 0));
  }
}

// list : list item, with the list growing by one item per reduction: the
// list itself is never searched and the new item is found among the first
// slots looked at, however long the list is; each item's token lands in
// its own slot.
TEST_F(RdcPosnTest, AGrowingListCostsAtMostTwoSlotsPerItem) {
  OrvExpr* list = nullptr;
  const int items = 10000;
  long most = 0;
  for (int i = 0; i < items; ++i) {
    OrvExpr* item = new OrvIntNumConst(VString("7"), 7);
    OrvExpr* grown = list == nullptr ? OrvListExpr(IDENT_LIST, item, nullptr) : OrvListExpr(IDENT_LIST, list, item);
    Reduction r;
    r.positions = {list == nullptr ? nullptr : new OrvTokenList, Posn({"I"})};
    r.values = {V(list), V(item)};
    if (list == nullptr) {
      r.positions.erase(r.positions.begin());
      r.values.erase(r.values.begin());
    }
    const long before = RdcPosnSlotsExamined;
    r.Run(V(grown));
    most = std::max(most, RdcPosnSlotsExamined - before);
    list = grown;
  }
  owned.push_back(list);
  EXPECT_LE(most, 2);
  ASSERT_EQ(items, list->NArgs());
  for (int i = 0; i < items; ++i) ASSERT_EQ("I", SlotImages(list, i)) << i;
}

// The slot found is the one the search of every child and grandchild from
// the first slot up finds, on random trees.
OrvArgSlot* ForwardSearch(OrvExpr* node, const OrvExpr* term) {
  for (int k = 0; k < node->NArgs(); ++k)
    if (node->ArgSlots(k)->child == term) return node->ArgSlots(k);
  for (int k = 0; k < node->NArgs(); ++k) {
    OrvExpr* child = node->ArgSlots(k)->child;
    for (int j = 0; child != nullptr && j < child->NArgs(); ++j)
      if (child->ArgSlots(j)->child == term) return child->ArgSlots(j);
  }
  return nullptr;
}

TEST_F(RdcPosnTest, TheSlotFoundIsTheSlotOfTheFullSearch) {
  std::mt19937 random(77);
  for (int run = 0; run < 500; ++run) {
    OrvExpr* node = new OrvExprOper(IDENT_LIST);
    std::vector<OrvExpr*> all{node};
    const int children = 1 + static_cast<int>(random() % 6);
    for (int c = 0; c < children; ++c) {
      OrvExpr* child = random() % 2 ? static_cast<OrvExpr*>(new OrvExprOper(SUBSCRIPT_LIST))
                                    : new OrvCharString(VString("C"));
      node->AddArg(child);
      all.push_back(child);
      for (int g = 0; child->Oper() == SUBSCRIPT_LIST && g < static_cast<int>(random() % 4); ++g) {
        OrvExpr* grand = new OrvCharString(VString("G"));
        child->AddArg(grand);
        all.push_back(grand);
      }
    }
    OrvExpr* outsider = new OrvCharString(VString("O"));
    all.push_back(outsider);
    for (OrvExpr* term : all) {
      if (term == node) continue;
      long examined = 0;
      EXPECT_EQ(ForwardSearch(node, term), RdcPosnFindSlot(node, term, &examined));
    }
    delete node;
    delete outsider;
  }
}

}  // namespace
