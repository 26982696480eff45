// Links and link lists: list operations, print and TIC forms, re-binding
// by node number, and the link check of a node against its tree.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvNameNodes.h"
#include "OrvTreeWalk.h"

namespace {

std::string Printed(const OrvLinkList& l) {
  std::ostringstream out;
  l.Print(out);
  return out.str();
}

std::string Ptr(const void* p) {
  std::ostringstream out;
  out << p;
  return out.str();
}

TEST(OrvLinkList, AppendNthCountAndCopies) {
  OrvNullNode a, b, c;
  OrvLinkList l;
  EXPECT_TRUE(l.IsEmpty());
  l.Append(OrvLink(&a, 1));
  l.Append(OrvLink(&b, -1));
  l.Append(OrvLink(&c, 3));
  EXPECT_EQ(l.Count(), 3);
  EXPECT_EQ(l.Nth(0).node, &a);
  EXPECT_EQ(l.Nth(2).index, 3);
  for (int i : {-1, 3, 100}) {
    SCOPED_TRACE(i);
    OrvLink& none = l.Nth(i);
    EXPECT_EQ(&none, &OrvNullLink);
    EXPECT_EQ(none.node, nullptr);
    EXPECT_EQ(none.index, -1);
  }
  // A caller that writes through the shared null link does not change what
  // the next caller gets.
  l.Nth(7) = OrvLink(&a, 4);
  EXPECT_EQ(l.Nth(-3).node, nullptr);
  EXPECT_EQ(l.Nth(-3).index, -1);
  l.Nth(1).index = 9;  // entries can be changed in place
  OrvLinkList copy(l);
  l.Clear();
  EXPECT_TRUE(l.IsEmpty());
  ASSERT_EQ(copy.Count(), 3);
  EXPECT_EQ(copy.Nth(1).index, 9);
  OrvLinkList assigned;
  assigned.Append(OrvLink(&c, 0));
  assigned = copy;
  assigned = assigned;
  EXPECT_EQ(assigned.Count(), 3);
  EXPECT_EQ(assigned.Nth(0).node, &a);
}

TEST(OrvLinkList, RemoveDropsEveryLinkToTheNodeAndKeepsOrder) {
  OrvNullNode a, b, c;
  OrvLinkList l;
  for (OrvExpr* n : {static_cast<OrvExpr*>(&a), static_cast<OrvExpr*>(&b),
                     static_cast<OrvExpr*>(&a), static_cast<OrvExpr*>(&c),
                     static_cast<OrvExpr*>(&a)}) {
    l.Append(OrvLink(n, -1));
  }
  l.Remove(&a);
  ASSERT_EQ(l.Count(), 2);
  EXPECT_EQ(l.Nth(0).node, &b);
  EXPECT_EQ(l.Nth(1).node, &c);
  l.Remove(&a);  // nothing left to remove
  EXPECT_EQ(l.Count(), 2);
}

int PointsAtOddNode(const OrvLink& link, void*) { return link.index % 2 != 0 ? 1 : 0; }

TEST(OrvLinkList, RemoveIfDropsTheChosenLinksAndKeepsOrder) {
  OrvLinkList l;
  for (int i = 0; i < 6; ++i) l.Append(OrvLink(nullptr, i));
  l.RemoveIf(PointsAtOddNode, nullptr);
  ASSERT_EQ(l.Count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(l.Nth(i).index, 2 * i);
  OrvLinkList none;
  none.RemoveIf(PointsAtOddNode, nullptr);
  EXPECT_TRUE(none.IsEmpty());
}

// The indexes of a list, in order.
std::vector<int> Indexes(const OrvLinkList& l) {
  std::vector<int> out;
  for (OrvLinkElem* e = l.Head(); e != nullptr; e = e->next) out.push_back(e->link.index);
  return out;
}

int IndexAtLeastThree(const OrvLink& link, void*) { return link.index >= 3 ? 1 : 0; }
int Every(const OrvLink&, void*) { return 1; }

TEST(OrvLinkList, AppendingAfterRemovalsGoesBehindTheLastLinkLeft) {
  OrvNullNode a, b;
  const struct {
    const char* title;
    void (*edit)(OrvLinkList& l, OrvExpr* a, OrvExpr* b);
    std::vector<int> expected;  // after appending index 9
  } cases[] = {
      {"the last removed", [](OrvLinkList& l, OrvExpr*, OrvExpr* b) { l.Remove(b); }, {0, 1, 9}},
      {"all removed", [](OrvLinkList& l, OrvExpr* a, OrvExpr* b) { l.Remove(a); l.Remove(b); },
       {9}},
      {"the tail removed by predicate",
       [](OrvLinkList& l, OrvExpr*, OrvExpr*) { l.RemoveIf(IndexAtLeastThree, nullptr); },
       {0, 1, 2, 9}},
      {"all removed by predicate",
       [](OrvLinkList& l, OrvExpr*, OrvExpr*) { l.RemoveIf(Every, nullptr); }, {9}},
      {"cleared", [](OrvLinkList& l, OrvExpr*, OrvExpr*) { l.Clear(); }, {9}},
      {"assigned", [](OrvLinkList& l, OrvExpr*, OrvExpr*) {
         OrvLinkList other;
         other.Append(OrvLink(nullptr, 7));
         l = other;
       }, {7, 9}},
  };
  for (const auto& c : cases) {
    OrvLinkList l;
    l.Append(OrvLink(&a, 0));
    l.Append(OrvLink(&a, 1));
    l.Append(OrvLink(&b, 2));
    l.Append(OrvLink(&b, 3));
    c.edit(l, &a, &b);
    l.Append(OrvLink(nullptr, 9));
    EXPECT_EQ(Indexes(l), c.expected) << c.title;
    OrvLinkList copy(l);
    copy.Append(OrvLink(nullptr, 10));
    EXPECT_EQ(copy.Count(), static_cast<int>(c.expected.size()) + 1) << c.title;
    EXPECT_EQ(Indexes(l), c.expected) << c.title;
  }
}

TEST(OrvLinkList, PrintForms) {
  OrvNullNode a;
  OrvLinkList l;
  EXPECT_EQ(Printed(l), "[]");
  l.Append(OrvLink(&a, 5));
  l.Append(OrvLink(nullptr, -1));
  EXPECT_EQ(Printed(l), "[Link(#5," + Ptr(&a) + "),Link(#" + Ptr(nullptr) + ")]");
}

TEST(OrvLinkList, TicFormWritesIndexesOnly) {
  OrvNullNode a;
  OrvLinkList l;
  std::ostringstream empty;
  l.PutTic(empty);
  EXPECT_EQ(empty.str(), "&");
  l.Append(OrvLink(&a, 5));
  l.Append(OrvLink(&a, -1));
  std::ostringstream out;
  l.PutTic(out);
  EXPECT_EQ(out.str(), "=5:=4294967295:&");
}

TEST(OrvLinkList, TicReading) {
  struct Case {
    const char* text;
    int result;
    std::vector<int> indexes;
    const char* message;
  };
  const Case cases[] = {
      {"=5:=4294967295:&", 0, {5, -1}, nullptr},
      {"=5:=-1:&", 0, {5, -1}, nullptr},
      {"&", 0, {}, nullptr},
      {"=5;&", 59, {}, nullptr},
      {"=5:x", 60, {5}, "OrvLinkList::GetTic: bad list finisher"},
      {"=5:", 60, {5}, "OrvLinkList::GetTic: bad list finisher"},
      {"=99999999999:&", 59, {}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    OrvLinkList l;
    l.Append(OrvLink(nullptr, 77));  // links read are appended
    std::istringstream in(c.text);
    VString err;
    EXPECT_EQ(l.GetTic(in, err), c.result);
    ASSERT_EQ(l.Count(), 1 + static_cast<int>(c.indexes.size()));
    for (size_t i = 0; i < c.indexes.size(); ++i) {
      EXPECT_EQ(l.Nth(static_cast<int>(i) + 1).index, c.indexes[i]);
      EXPECT_EQ(l.Nth(static_cast<int>(i) + 1).node, nullptr);
    }
    if (c.message) {
      EXPECT_STREQ(err.text, c.message);
    }
    if (c.result) {
      EXPECT_GT(err.length, 0);
    }
  }
}

// A long list reads whole and in order: 300,000 entries are a few megabytes
// of text (a read quadratic in the length would run past the test's time
// limit; speed itself is measured by the benchmarks, not here).
TEST(OrvLinkList, LongListReadsWholeAndInOrder) {
  const int n = 300000;
  std::string text;
  for (int i = 0; i < n; ++i) text += "=" + std::to_string(i) + ":";
  text += "&";
  std::istringstream in(text);
  OrvLinkList l;
  VString err;
  ASSERT_EQ(l.GetTic(in, err), 0);
  ASSERT_EQ(l.Count(), n);
  int expected = 0;
  for (OrvLinkElem* e = l.Head(); e != nullptr; e = e->next) EXPECT_EQ(e->link.index, expected++);
}

TEST(OrvLink, SetLinkExprFromIndex) {
  OrvNullNode a, b;
  OrvExpr* table[7] = {&a, nullptr, &b, nullptr, nullptr, nullptr, nullptr};
  struct Case {
    int index;
    OrvExpr* expected;
    const char* message;
  };
  const Case cases[] = {
      {0, &a, nullptr},
      {2, &b, nullptr},
      {-1, nullptr, nullptr},
      {1, nullptr, "SetLinkExprFromIndex: NULL epxression in link forwarder."},
      {7, nullptr, "SetLinkExprFromIndex: OrvLink index 7 out of range 0..7. Link nullified."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    MessageRecorder rec;
    OrvLink link(&b, c.index);
    EXPECT_EQ(link.SetLinkExprFromIndex(table, 7), c.expected);
    EXPECT_EQ(link.node, c.expected);
    if (c.message) {
      ASSERT_EQ(rec.size(), 1u);
      EXPECT_EQ(rec.text(0), c.message);
      EXPECT_EQ(rec.messages()[0].level, MSG_SEVERE);
    } else {
      EXPECT_EQ(rec.size(), 0u);
    }
  }
}

TEST(OrvNodeLinks, NumberingAndIndexWalks) {
  OrvExprOper* root = new OrvExprOper(EX_LIST);
  OrvSymTabElt* elt = new OrvSymTabElt(VString("X"), 10, OrvLinkList());
  root->AddArg(new OrvNullNode);
  root->AddArg(elt);
  OrvNameUse* use = new OrvNameUse(OrvLink(elt, -1));
  root->AddArg(use);
  OrvNodeCounter = 0;
  WalkTheTree(root, nullptr, OrvNumberNodesWalker);
  EXPECT_EQ(root->Serial(), 0u);
  EXPECT_EQ(elt->Serial(), 2u);
  EXPECT_EQ(use->Serial(), 3u);
  WalkTheTree(root, nullptr, OrvLinkIndexWalker);
  EXPECT_EQ(use->Link(0)->index, 2);
  ASSERT_EQ(elt->Links(0)->Count(), 1);
  EXPECT_EQ(elt->Links(0)->Nth(0).index, 3);
  delete root;
}

struct TreeSet {
  std::set<const OrvExpr*> nodes;
  static int Has(const OrvExpr* n, void* ctx) { return static_cast<TreeSet*>(ctx)->nodes.count(n) > 0; }
};

TEST(OrvNodeLinks, CheckReportsLinksOutsideTheTree) {
  // An element in the tree whose References hold a name use outside it.
  OrvSymTabElt* elt = new OrvSymTabElt(VString("X"), 10, OrvLinkList());
  OrvExprOper root(EX_LIST, elt);
  OrvNameUse* outside = new OrvNameUse(OrvLink(elt, -1));
  TreeSet set;
  set.nodes = {&root, elt};
  OrvTokenList messages;
  EXPECT_EQ(OrvCheckNodeLinks(elt, TreeSet::Has, &set, &messages), 37);
  ASSERT_EQ(messages.Count(), 2);
  EXPECT_EQ(messages.First()->code, MSG_ERR);
  EXPECT_STREQ(messages.First()->image.text,
               "Link at SYMBOL_TABLE_ELT points to non-tree node NAME_USE. Link nullified.");
  EXPECT_STREQ(messages.Last()->image.text, "One of the links at SYMBOL_TABLE_ELT is ENULL.");
  EXPECT_EQ(elt->Links(0)->Nth(0).node, nullptr);
  EXPECT_EQ(elt->Links(0)->Nth(0).index, -1);
  // The name use outside no longer points at the element either.
  EXPECT_EQ(outside->Link(0)->node, nullptr);
  delete outside;

  // A single link to a node outside the tree gives only the first message,
  // and the element outside forgets the name use.
  OrvSymTabElt* outsideElt = new OrvSymTabElt(VString("Y"), 10, OrvLinkList());
  OrvNameUse* inside = new OrvNameUse(OrvLink(outsideElt, -1));
  root.AddArg(inside);
  set.nodes = {&root, elt, outsideElt, inside};
  OrvTokenList single;
  EXPECT_EQ(OrvCheckNodeLinks(inside, TreeSet::Has, &set, &single), 0);  // all in the tree
  EXPECT_TRUE(single.IsEmpty());
  set.nodes.erase(outsideElt);
  EXPECT_EQ(OrvCheckNodeLinks(inside, TreeSet::Has, &set, &single), 37);
  ASSERT_EQ(single.Count(), 1);
  EXPECT_STREQ(single.First()->image.text,
               "Link at NAME_USE points to non-tree node SYMBOL_TABLE_ELT. Link nullified.");
  EXPECT_EQ(inside->Link(0)->node, nullptr);
  EXPECT_EQ(outsideElt->Links(0)->Count(), 0);
  delete outsideElt;
}

TEST(OrvNodeLinks, CheckReportsListEntriesThatDoNotPointBack) {
  OrvSymTabElt* one = new OrvSymTabElt(VString("ONE"), 10, OrvLinkList());
  OrvSymTabElt* two = new OrvSymTabElt(VString("TWO"), 10, OrvLinkList());
  OrvNameUse* use = new OrvNameUse(OrvLink(two, -1));
  OrvExprOper root(EX_LIST, one, two, use);
  one->Links(0)->Append(OrvLink(use, -1));  // use points at two, not back at one
  TreeSet set;
  set.nodes = {&root, one, two, use};
  OrvTokenList messages;
  EXPECT_EQ(OrvCheckNodeLinks(one, TreeSet::Has, &set, &messages), 0);
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_STREQ(messages.First()->image.text,
               "One of the links at SYMBOL_TABLE_ELT points to (null):NAME_USE but it does NOT "
               "point back.");
  OrvTokenList none;
  EXPECT_EQ(OrvCheckNodeLinks(two, TreeSet::Has, &set, &none), 0);
  EXPECT_TRUE(none.IsEmpty());
  one->Links(0)->Clear();
}

TEST(OrvArgSlots, NewArgSlotsAreEmpty) {
  OrvArgSlot** slots = OrvNewArgSlots(3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(slots[i]->child, nullptr);
    EXPECT_EQ(slots[i]->state, 0);
    EXPECT_EQ(slots[i]->order, -1);
    EXPECT_TRUE(slots[i]->tokens.IsEmpty());
    delete slots[i];
  }
  delete[] slots;
}

}  // namespace
