// Tests of the pre-order tree iterator: forward and backward steps over
// small trees, empty slots, subtrees, the searches with a predicate and the
// collection of matching nodes.
#include "OrvExprIter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TransformTestSupport.h"

namespace {

// Steps with Next (or Prev) from `start` until null; the names visited.
std::string Walk(const NamedTree& tree, OrvExprIter& iter, bool forward) {
  std::vector<std::string> seen;
  for (int guard = 0; guard < 100; ++guard) {
    OrvExpr* node = forward ? iter.Next() : iter.Prev();
    if (node == nullptr) break;
    seen.push_back(tree.Name(node));
  }
  return Joined(seen);
}

int IsLeaf(OrvExpr* node, void*) { return node->NArgs() == 0; }
int Always(OrvExpr*, void*) { return 1; }
int NamedLike(OrvExpr* node, void* tree) {
  return static_cast<NamedTree*>(tree)->Name(node).find('R') != std::string::npos;
}

// P(Q(S), R): the tree of the iterator's description.
struct SmallTree {
  NamedTree t;
  std::unique_ptr<OrvExpr> root{t.List("P", {t.List("Q", {t.Leaf("S")}), t.Leaf("R")})};
};

TEST(OrvExprIter, NextVisitsPreOrderThenEndsOnTheRoot) {
  SmallTree s;
  OrvExprIter iter(s.root.get());
  EXPECT_EQ(Walk(s.t, iter, true), "Q S R");
  EXPECT_EQ(iter.current, s.root.get());
  // After the end a further pass starts again with the root's first child.
  EXPECT_EQ(s.t.Name(iter.Next()), "Q");
}

TEST(OrvExprIter, PrevFromTheLastNodeClimbsBackToTheRoot) {
  SmallTree s;
  OrvExprIter iter(s.root.get());
  iter.current = s.t["R"];
  EXPECT_EQ(Walk(s.t, iter, false), "S Q P");
  EXPECT_EQ(iter.current, s.root.get());
}

TEST(OrvExprIter, RootWithoutArgumentsHasNoNextAndCollectsOnlyItself) {
  NamedTree t;
  std::unique_ptr<OrvExpr> root(t.List("P"));
  OrvExprIter iter(root.get());
  EXPECT_EQ(iter.Next(), nullptr);
  EXPECT_EQ(iter.Prev(), nullptr);
  OrvLinkList all = iter.Collect(Always, nullptr);
  EXPECT_EQ(LinkNames(t, all), "P");
}

TEST(OrvExprIter, EmptySlotsArePassedOverBothWays) {
  // Empty slots in front of, between and after the children, and a
  // positional node whose slots are all empty.
  NamedTree t;
  std::unique_ptr<OrvExpr> root(t.List(
      "P", {t.Pos("A", STMT_IF, {nullptr, t.Leaf("B"), nullptr, t.Pos("C", STMT_IF, {t.Leaf("D")})}),
            t.Pos("E", STMT_IF, {}), t.Pos("F", STMT_IF, {t.Leaf("G"), nullptr, nullptr, nullptr})}));
  OrvExprIter iter(root.get());
  EXPECT_EQ(Walk(t, iter, true), "A B C D E F G");
  iter.current = t["G"];
  EXPECT_EQ(Walk(t, iter, false), "F E D C B A P");
}

TEST(OrvExprIter, ASubtreeIsNeverLeft) {
  SmallTree s;
  OrvExprIter iter(s.t["Q"]);
  EXPECT_EQ(Walk(s.t, iter, true), "S");
  EXPECT_EQ(iter.current, s.t["Q"]);
  iter.current = s.t["S"];
  EXPECT_EQ(Walk(s.t, iter, false), "Q");
}

TEST(OrvExprIter, NodesOutsideTheSubtreeEndTheIteration) {
  SmallTree s;
  OrvExprIter iter(s.t["Q"]);
  iter.current = s.t["R"];
  EXPECT_EQ(iter.Prev(), nullptr);
  EXPECT_EQ(iter.current, s.t["R"]);
  EXPECT_EQ(iter.Next(), nullptr);
  EXPECT_EQ(iter.current, s.t["Q"]);
  iter.current = nullptr;
  EXPECT_EQ(iter.Next(), nullptr);
  EXPECT_EQ(iter.Prev(), nullptr);
}

TEST(OrvExprIter, FindNextAndFindPrevSkipTheStartingNode) {
  struct Case {
    const char* start;
    bool forward;
    OrvExprPredicate predicate;
    const char* found;  // the node of each call until null
  };
  const Case cases[] = {
      {"P", true, IsLeaf, "S R"},   {"S", true, IsLeaf, "R"},      {"R", true, IsLeaf, ""},
      {"R", false, IsLeaf, "S"},    {"R", false, Always, "S Q P"}, {"P", true, Always, "Q S R"},
      {"P", true, nullptr, ""},     {"R", false, nullptr, ""},
  };
  for (const Case& c : cases) {
    SmallTree s;
    OrvExprIter iter(s.root.get());
    iter.current = s.t[c.start];
    std::vector<std::string> found;
    while (OrvExpr* node = c.forward ? iter.FindNext(c.predicate, nullptr)
                                     : iter.FindPrev(c.predicate, nullptr))
      found.push_back(s.t.Name(node));
    EXPECT_EQ(Joined(found), c.found) << c.start << (c.forward ? " forward" : " backward");
  }
}

TEST(OrvExprIter, CollectTestsEveryNodeRootFirst) {
  SmallTree s;
  OrvExprIter iter(s.t["S"]);
  iter.root = s.root.get();
  OrvLinkList all = iter.Collect(Always, nullptr);
  EXPECT_EQ(LinkNames(s.t, all), "P Q S R");
  for (int i = 0; i < all.Count(); ++i) EXPECT_EQ(all.Nth(i).index, -1);
  EXPECT_EQ(iter.current, s.root.get());
  OrvLinkList some = iter.Collect(NamedLike, &s.t);
  EXPECT_EQ(LinkNames(s.t, some), "R");
  OrvLinkList none = iter.Collect(nullptr, nullptr);
  EXPECT_TRUE(none.IsEmpty());
}

}  // namespace
