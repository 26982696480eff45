// The printer's generated positions of nodes, kept beside the tree: none
// until set, read back as set, copied with a node, gone with the node or
// when set back to none, and gone with a whole tree given back at once; the
// table finds every node's positions while others come and go.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <vector>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvGenpTable.h"
#include "PoolArenas.h"

namespace {

TEST(OrvGenp, NoneUntilSetThenReadBackAndCopiedWithTheNode) {
  const size_t before = OrvGenpTable::Count();
  OrvCharString* leaf = new OrvCharString(VString("A"));
  EXPECT_EQ(ORV_GENP_NONE, leaf->GenpBeg());
  EXPECT_EQ(ORV_GENP_NONE, leaf->GenpEnd());
  // The high byte is the printer's and is kept with the position.
  leaf->SetGenp(0x05000010u, 0x07000020u);
  EXPECT_EQ(0x05000010u, leaf->GenpBeg());
  EXPECT_EQ(0x07000020u, leaf->GenpEnd());
  EXPECT_EQ(before + 1, OrvGenpTable::Count());
  OrvExpr* copy = leaf->Clone();
  EXPECT_EQ(0x05000010u, copy->GenpBeg());
  EXPECT_EQ(0x07000020u, copy->GenpEnd());
  copy->SetGenp(1, 2);
  EXPECT_EQ(0x05000010u, leaf->GenpBeg());
  EXPECT_EQ(before + 2, OrvGenpTable::Count());
  // Back to none: the entry goes; a deleted node's entry goes with it.
  copy->SetGenp(ORV_GENP_NONE, ORV_GENP_NONE);
  EXPECT_EQ(ORV_GENP_NONE, copy->GenpBeg());
  EXPECT_EQ(before + 1, OrvGenpTable::Count());
  delete copy;
  delete leaf;
  EXPECT_EQ(before, OrvGenpTable::Count());
}

TEST(OrvGenp, TheDebugDumpShowsPositionsOnlyWhenSet) {
  OrvNullNode node;
  std::ostringstream none;
  node.DebugDump(none);
  EXPECT_EQ(std::string::npos, none.str().find("genp="));
  node.SetGenp(12, 34);
  std::ostringstream set;
  node.DebugDump(set);
  EXPECT_NE(std::string::npos, set.str().find(" genp=12 - 34"));
}

TEST(OrvGenp, EveryNodeKeepsItsPositionsWhileOthersComeAndGo) {
  std::vector<OrvExpr*> nodes;
  for (uint32_t i = 0; i < 5000; ++i) {
    nodes.push_back(new OrvNullNode);
    nodes.back()->SetGenp(i, i + 1);
  }
  // Half of them go, in a shuffled order, and new ones come between.
  std::vector<size_t> order(nodes.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937(7));
  for (size_t k = 0; k < order.size() / 2; ++k) {
    delete nodes[order[k]];
    nodes[order[k]] = nullptr;
    if (k % 4 == 0) {
      OrvExpr* extra = new OrvNullNode;
      extra->SetGenp(900000, 900001);
      nodes.push_back(extra);
    }
  }
  for (size_t i = 0; i < nodes.size(); ++i) {
    if (nodes[i] == nullptr) continue;
    const uint32_t beg = i < 5000 ? static_cast<uint32_t>(i) : 900000u;
    ASSERT_EQ(beg, nodes[i]->GenpBeg()) << i;
    ASSERT_EQ(beg + 1, nodes[i]->GenpEnd()) << i;
  }
  for (OrvExpr* n : nodes) delete n;
}

TEST(OrvGenp, AWholeTreeGivenBackAtOnceTakesItsPositions) {
  if (kPoolsBypassed) GTEST_SKIP() << "the pools use the heap under AddressSanitizer";
  if (TreeArena::BlocksOut() != 0 || TokenArena::BlocksOut() != 0 || OrvLiveNodes != 0)
    GTEST_SKIP() << "nodes or blocks of this process are out";
  OrvExpr* a = new OrvCharString(VString("A"));
  OrvExpr* b = new OrvNullNode;
  OrvExpr* root = new OrvExprOper(EX_LIST, new OrvExprOper(EX_LIST, a), b);
  a->SetGenp(1, 2);
  b->SetGenp(3, 4);
  root->SetGenp(0, 5);
  const long drops = TreeArena::Drops();
  delete root;
  EXPECT_EQ(drops + 1, TreeArena::Drops());
  EXPECT_EQ(0u, OrvGenpTable::Count());
  // The next nodes, in the same memory, have none.
  OrvExpr* again = new OrvCharString(VString("A"));
  EXPECT_EQ(ORV_GENP_NONE, again->GenpBeg());
  delete again;
}

}  // namespace
