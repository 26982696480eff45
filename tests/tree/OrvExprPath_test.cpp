// Tests of the expression path: adding, removing and setting the chain of nodes from a root.
#include <gtest/gtest.h>

#include <memory>

#include "OrvConstNodes.h"
#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvExprPath.h"
#include "OrvMessage.h"
#include "OrvOper.h"
#include "OrvToken.h"
#include "OrvTxtPosn.h"

namespace {

// A chain of `depth` EX_LIST nodes below a root EX_LIST; *bottom is the
// deepest node (the root itself for depth 0).
OrvExpr* MakeChain(int depth, OrvExpr** bottom) {
  OrvExpr* root = new OrvExprOper(EX_LIST);
  OrvExpr* cur = root;
  for (int i = 0; i < depth; ++i) {
    OrvExpr* child = new OrvExprOper(EX_LIST);
    cur->AddArg(child);
    cur = child;
  }
  *bottom = cur;
  return root;
}

std::string Text(const VString& s) { return s.text != nullptr ? s.text : ""; }

// Checks that `messages` holds exactly one severe message with that text
// and those positions.
void ExpectOneSevere(const OrvTokenList& messages, const char* text, const OrvTxtPosn& posn) {
  ASSERT_EQ(messages.Count(), 1);
  const OrvToken* token = messages.First();
  EXPECT_EQ(token->code, MSG_SEVERE);
  EXPECT_EQ(Text(token->Image()), text);
  EXPECT_EQ(token->begin, posn);
  EXPECT_EQ(token->end, posn);
}

TEST(OrvExprPath, StartsEmpty) {
  OrvExprPath path;
  EXPECT_EQ(path.first, 0);
  EXPECT_EQ(path.end, 0);
  EXPECT_EQ(path.LastConnected(), nullptr);
}

TEST(OrvExprPath, SetOfRootIsEmpty) {
  OrvExpr* bottom = nullptr;
  std::unique_ptr<OrvExpr> root(MakeChain(0, &bottom));
  OrvExprPath path;
  OrvTokenList messages;
  EXPECT_EQ(path.Set(root.get(), messages), ORV_OK);
  EXPECT_EQ(path.first, path.end);
  EXPECT_EQ(path.LastConnected(), nullptr);
  EXPECT_TRUE(messages.IsEmpty());
}

TEST(OrvExprPath, SetStoresChainBelowRootTopmostFirst) {
  OrvExpr* bottom = nullptr;
  std::unique_ptr<OrvExpr> root(MakeChain(3, &bottom));
  OrvExprPath path;
  OrvTokenList messages;
  ASSERT_EQ(path.Set(bottom, messages), ORV_OK);
  EXPECT_EQ(path.end, OrvExprPath::Capacity);
  ASSERT_EQ(path.end - path.first, 3);
  EXPECT_EQ(path.entries[path.first], root->Args(0));
  EXPECT_EQ(path.entries[path.first + 1], root->Args(0)->Args(0));
  EXPECT_EQ(path.entries[path.end - 1], bottom);
  EXPECT_EQ(path.LastConnected(), bottom);
}

TEST(OrvExprPath, SetFillsTheWholeArrayAt1024Levels) {
  OrvExpr* bottom = nullptr;
  std::unique_ptr<OrvExpr> root(MakeChain(1024, &bottom));
  OrvExprPath path;
  OrvTokenList messages;
  ASSERT_EQ(path.Set(bottom, messages), ORV_OK);
  EXPECT_EQ(path.first, 0);
  EXPECT_EQ(path.end, 1024);
  EXPECT_EQ(path.entries[0], root->Args(0));
  EXPECT_EQ(path.entries[1023], bottom);
  EXPECT_EQ(path.LastConnected(), bottom);
  EXPECT_TRUE(messages.IsEmpty());

  // The path is full: Add fails at the node's first source position.
  OrvExpr* extra = new OrvExprOper(EX_LIST);
  std::unique_ptr<OrvExpr> owner(extra);
  OrvTxtPosn posn(7, 3, 0);
  extra->Tokens().AddToken(TK_USER_DEFD_WORD, posn, VString("X"));
  EXPECT_EQ(path.Add(extra, messages), ORV_PATH_OVERFLOW);
  ExpectOneSevere(messages, "OrvExprPath::Add: expr stack overflow", posn);
  EXPECT_EQ(path.end, 1024);

  // Remove, then Add succeeds.
  OrvTokenList more;
  EXPECT_EQ(path.Remove(more), ORV_OK);
  EXPECT_EQ(path.Add(extra, more), ORV_OK);
  EXPECT_EQ(path.entries[1023], extra);
  EXPECT_TRUE(more.IsEmpty());
}

TEST(OrvExprPath, SetFailsAt1025LevelsAndKeepsThePath) {
  OrvExpr* shallow = nullptr;
  std::unique_ptr<OrvExpr> small(MakeChain(2, &shallow));
  OrvExpr* bottom = nullptr;
  std::unique_ptr<OrvExpr> root(MakeChain(1025, &bottom));
  OrvExprPath path;
  OrvTokenList messages;
  ASSERT_EQ(path.Set(shallow, messages), ORV_OK);
  EXPECT_EQ(path.Set(bottom, messages), ORV_PATH_OVERFLOW);
  ExpectOneSevere(messages, "OrvExprPath::Set: expr path overflow", OrvTxtPosn());
  EXPECT_EQ(path.end - path.first, 2);
  EXPECT_EQ(path.LastConnected(), shallow);
}

TEST(OrvExprPath, RemoveOnEmptyPathReports) {
  OrvExprPath path;
  OrvTokenList messages;
  EXPECT_EQ(path.Remove(messages), ORV_PATH_OVERFLOW);
  ExpectOneSevere(messages, "OrvExprPath::Remove: empty expr stack", OrvTxtPosn());
  EXPECT_EQ(path.first, 0);
  EXPECT_EQ(path.end, 0);
}

TEST(OrvExprPath, AddAndRemoveWorkAsAStack) {
  OrvExpr* bottom = nullptr;
  std::unique_ptr<OrvExpr> root(MakeChain(2, &bottom));
  OrvExprPath path;
  OrvTokenList messages;
  EXPECT_EQ(path.Add(root.get(), messages), ORV_OK);
  EXPECT_EQ(path.LastConnected(), root.get());  // one entry answers itself
  EXPECT_EQ(path.Add(root->Args(0), messages), ORV_OK);
  EXPECT_EQ(path.Add(bottom, messages), ORV_OK);
  EXPECT_EQ(path.LastConnected(), bottom);
  EXPECT_EQ(path.Remove(messages), ORV_OK);
  EXPECT_EQ(path.LastConnected(), root->Args(0));
  EXPECT_TRUE(messages.IsEmpty());
}

TEST(OrvExprPath, LastConnectedStopsAboveACut) {
  OrvExpr* bottom = nullptr;
  std::unique_ptr<OrvExpr> root(MakeChain(6, &bottom));
  OrvExprPath path;
  OrvTokenList messages;
  ASSERT_EQ(path.Set(bottom, messages), ORV_OK);
  ASSERT_EQ(path.end - path.first, 6);
  OrvExpr* entry2 = path.entries[path.first + 2];
  OrvExpr* entry3 = path.entries[path.first + 3];
  std::unique_ptr<OrvExpr> cut(entry3->DelThis());
  ASSERT_EQ(cut.get(), entry3);
  EXPECT_EQ(path.LastConnected(), entry2);

  // Putting it back restores the whole path.
  entry2->AddArg(cut.release());
  EXPECT_EQ(path.LastConnected(), bottom);
}

TEST(OrvExprPath, LastConnectedTreatsALeafAboveAsACut) {
  std::unique_ptr<OrvExpr> leaf(new OrvNullNode());
  OrvExpr* bottom = nullptr;
  std::unique_ptr<OrvExpr> root(MakeChain(1, &bottom));
  OrvExprPath path;
  OrvTokenList messages;
  ASSERT_EQ(path.Add(leaf.get(), messages), ORV_OK);
  ASSERT_EQ(path.Add(bottom, messages), ORV_OK);
  EXPECT_EQ(path.LastConnected(), leaf.get());
}

}  // namespace
