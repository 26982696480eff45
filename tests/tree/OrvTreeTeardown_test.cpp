// Deleting a whole tree: when the tree holds every node and every pool
// block of the tree's arena, its nodes go without unbinding one another and
// the arena rewinds; a node or link list outside the tree (on the stack, or
// a second tree) makes the deletion unbind what stays outside, as a
// deletion of part of a tree does.
#include <gtest/gtest.h>

#include "OrvBlockPool.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvNameNodes.h"
#include "OrvPoolArena.h"
#include "PoolArenas.h"
#include "TestStrings.h"

namespace {

// A program-like tree: a table with an element and a definition of X, two
// statements using X (a name use and a use of the definition), an empty
// argument, a text leaf, tokens in front of a child and behind a node.
// The uses are put in `use` and `nuse`, the element in `elt`.
OrvExpr* BuildTree(OrvSymTabElt*& elt, OrvNameUse*& use, OrvNamedObjUse*& nuse) {
  elt = new OrvSymTabElt(VString("X"), SYMCAT_DATA_NAME, OrvLinkList());
  OrvNamedObjDef* def = new OrvNamedObjDef(SYMCAT_DATA_NAME, OrvLink(elt, -1), OrvLinkList());
  OrvExpr* names = new OrvExprOper(EX_LIST, elt, def);
  use = new OrvNameUse(OrvLink(elt, -1));
  nuse = new OrvNamedObjUse(new OrvExprOper(EX_LIST, use), SYMCAT_DATA_NAME, 0);
  nuse->BindDefinition(def, 0);
  OrvExpr* text = new OrvCharString(VString("A TEXT LONGER THAN A FEW CHARACTERS"));
  OrvExpr* stmts = new OrvExprOper(STMT_LIST, nuse, new OrvNullNode, text);
  stmts->ArgSlots(2)->tokens.AddToken(SEP_SPACE, OrvTxtPosn(3, 7, 0), VString("   "));
  stmts->Tokens().AddToken(SEP_DOT, OrvTxtPosn(3, 40, 0), VString("."));
  return new OrvExprOper(EX_LIST, names, stmts);
}

// Skips when the pools use the heap or something of this process is still
// out, so that the tree built next holds all there is.
#define REQUIRE_ONLY_THE_TREE()                                                       \
  do {                                                                                \
    if (kPoolsBypassed) GTEST_SKIP() << "the pools use the heap under AddressSanitizer";   \
    if (TreeArena::BlocksOut() != 0 || TokenArena::BlocksOut() != 0 || OrvLiveNodes != 0) \
      GTEST_SKIP() << "nodes or blocks of this process are out";                      \
  } while (0)

TEST(OrvTreeTeardown, AWholeTreeGoesAndItsArenaRewinds) {
  REQUIRE_ONLY_THE_TREE();
  OrvSymTabElt* elt = nullptr;
  OrvNameUse* use = nullptr;
  OrvNamedObjUse* nuse = nullptr;
  OrvExpr* tree = BuildTree(elt, use, nuse);
  ASSERT_EQ(2, elt->Links(0)->Count());
  EXPECT_EQ(10, OrvLiveNodes);
  const long rewinds = TreeArena::Rewinds();
  const long tokenRewinds = TokenArena::Rewinds();
  const long drops = TreeArena::Drops();
  delete tree;
  // Torn down whole: the blocks were counted back, not put one by one.
  EXPECT_EQ(drops + 1, TreeArena::Drops());
  EXPECT_EQ(0, OrvLiveNodes);
  EXPECT_EQ(0, TreeArena::BlocksOut());
  EXPECT_EQ(rewinds + 1, TreeArena::Rewinds());
  EXPECT_FALSE(TreeArena::Dropping());
  EXPECT_FALSE(OrvWholeTreeTeardown);
  // The tokens went back one by one, the last rewinding their arena.
  EXPECT_EQ(0, TokenArena::BlocksOut());
  EXPECT_EQ(tokenRewinds + 1, TokenArena::Rewinds());
  // The next tree is carved afresh and binds as before.
  tree = BuildTree(elt, use, nuse);
  EXPECT_EQ(elt, use->Link(0)->node);
  EXPECT_EQ(2, elt->Links(0)->Count());
  delete tree;
  EXPECT_EQ(0, TreeArena::BlocksOut());
}

TEST(OrvTreeTeardown, ANodeOutsideTheTreeIsUnboundFromIt) {
  // Holds with the pools on the heap too: the deletion unbinds.
  OrvSymTabElt* elt = nullptr;
  OrvNameUse* use = nullptr;
  OrvNamedObjUse* nuse = nullptr;
  OrvExpr* tree = BuildTree(elt, use, nuse);
  {
    OrvNameUse outside(OrvLink(elt, -1));
    ASSERT_EQ(3, elt->Links(0)->Count());
    const long drops = TreeArena::Drops();
    delete tree;
    EXPECT_EQ(drops, TreeArena::Drops());
    EXPECT_EQ(nullptr, outside.Link(0)->node);
    EXPECT_EQ("", Str(*outside.Image()));
  }
  EXPECT_FALSE(OrvWholeTreeTeardown);
}

TEST(OrvTreeTeardown, ANodeOfTheTreeBoundOutsideIsTakenOffTheOutsideList) {
  OrvSymTabElt* other = new OrvSymTabElt(VString("Y"), SYMCAT_DATA_NAME, OrvLinkList());
  OrvSymTabElt* elt = nullptr;
  OrvNameUse* use = nullptr;
  OrvNamedObjUse* nuse = nullptr;
  OrvExpr* tree = BuildTree(elt, use, nuse);
  OrvExpr* extra = new OrvNameUse(OrvLink(other, -1));
  tree->AddArg(extra);
  ASSERT_EQ(1, other->Links(0)->Count());
  const long drops = TreeArena::Drops();
  delete tree;
  EXPECT_EQ(drops, TreeArena::Drops());
  EXPECT_TRUE(other->Links(0)->IsEmpty());
  delete other;
}

TEST(OrvTreeTeardown, ALinkListOutsideTheTreeKeepsItsElements) {
  OrvSymTabElt* elt = nullptr;
  OrvNameUse* use = nullptr;
  OrvNamedObjUse* nuse = nullptr;
  OrvExpr* tree = BuildTree(elt, use, nuse);
  OrvLinkList kept;
  kept.Append(OrvLink(nullptr, 7));
  kept.Append(OrvLink(nullptr, 8));
  const long drops = TreeArena::Drops();
  delete tree;
  EXPECT_EQ(drops, TreeArena::Drops());
  // The list's elements stay its own: nothing carved after the deletion
  // lands on them.
  OrvExpr* again = BuildTree(elt, use, nuse);
  ASSERT_EQ(2, kept.Count());
  EXPECT_EQ(7, kept.Nth(0).index);
  EXPECT_EQ(8, kept.Nth(1).index);
  delete again;
  EXPECT_EQ(7, kept.Nth(0).index);
  EXPECT_EQ(8, kept.Nth(1).index);
}

}  // namespace
