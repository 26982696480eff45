// The small named walks of the node core: first source position, reset of
// from-source marks, raising of comments and dropping of spaces.
#include <gtest/gtest.h>

#include <string>

#include "MessageRecorder.h"
#include "TestStrings.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvPosnWalkers.h"

namespace {

OrvExpr* Str(const char* s) { return new OrvCharString(VString(s)); }

void Add(OrvTokenList& list, int code, int line, int column, const char* text = "") {
  list.AddToken(code, OrvTxtPosn(line, column, 1), VString(text));
}

std::string Codes(const OrvTokenList& list) {
  std::string s;
  for (OrvToken* n = list.First(); n != nullptr; n = list.Next(n)) {
    if (!s.empty()) s += ',';
    s += OrvTokenCodeName(n->code);
  }
  return s;
}

TEST(OrvSrcPosnBegWalker, FirstSignificantTokenInSourceOrder) {
  EXPECT_FALSE(OrvSrcPosnBegWalker(nullptr).IsSet());

  // Only spaces, commas, semicolons and comments: no position.
  OrvExprOper blank(EX_LIST, Str("A"));
  Add(blank.ArgSlots(0)->tokens, SEP_SPACE, 1, 1);
  Add(blank.ArgSlots(0)->tokens, SEP_COMMA, 1, 2);
  Add(blank.Args(0)->Tokens(), SEP_SEMI, 1, 3);
  Add(blank.Args(0)->Tokens(), CM_COMMENT, 2, 0);
  Add(blank.Tokens(), CM_PERSISTENT, 3, 0);
  EXPECT_FALSE(OrvSrcPosnBegWalker(&blank).IsSet());

  // A leaf whose list starts with a comment and then a word.
  OrvCharString leaf(VString("W"));
  Add(leaf.Tokens(), CM_COMMENT, 4, 0);
  Add(leaf.Tokens(), TK_USER_DEFD_WORD, 5, 7, "W");
  OrvTxtPosn p = OrvSrcPosnBegWalker(&leaf);
  EXPECT_EQ(p.Line(), 5);
  EXPECT_EQ(p.Column(), 7);

  // The slot list of the second child comes before the parent's tail.
  OrvExprOper tree(EX_LIST, Str("A"), Str("B"));
  Add(tree.Tokens(), SEP_DOT, 9, 9, ".");
  Add(tree.ArgSlots(1)->tokens, TK_USER_DEFD_WORD, 8, 3, "B");
  p = OrvSrcPosnBegWalker(&tree);
  EXPECT_EQ(p.Line(), 8);
  EXPECT_EQ(p.Column(), 3);
}

TEST(ResetFromSrcWalker, ClearsMarksBelowExceptShieldedSlots) {
  OrvExprOper* inner = new OrvExprOper(EX_LIST, Str("C"));
  OrvExprOper parent(EX_LIST, new OrvExprOper(EX_LIST, Str("A"), inner));
  OrvExpr* root = parent.Args(0);
  for (OrvExpr* n : {root, root->Args(0), static_cast<OrvExpr*>(inner), inner->Args(0)}) n->SetFromSrc(1);
  parent.ArgSlots(0)->state = 1;  // the root's own slot is never changed
  root->ArgSlots(0)->state = 1;
  root->ArgSlots(1)->state = 0x8001;  // shields inner
  inner->ArgSlots(0)->state = 1;
  EXPECT_EQ(ResetFromSrcWalker(root), root);
  EXPECT_EQ(root->FromSrc(), 0);
  EXPECT_EQ(parent.ArgSlots(0)->state, 1);
  EXPECT_EQ(root->ArgSlots(0)->state, 0);
  EXPECT_EQ(root->Args(0)->FromSrc(), 0);
  EXPECT_EQ(root->ArgSlots(1)->state, 0x8001);
  EXPECT_EQ(inner->FromSrc(), 0);  // the shielded node itself is cleared ...
  EXPECT_EQ(inner->ArgSlots(0)->state, 1);  // ... but nothing beneath it
  EXPECT_EQ(inner->Args(0)->FromSrc(), 1);
  EXPECT_EQ(ResetFromSrcWalker(nullptr), nullptr);
}

TEST(OrvRaiseCommentsWalker, CommentsMoveUpInFrontOfTheConstruct) {
  // parent [ node [ first ] ]: comments in front of `first` move to the
  // slot in front of `node`, and from there on up to `parent`'s slot.
  OrvExprOper* node = new OrvExprOper(EX_LIST, Str("first"));
  OrvExprOper* parent = new OrvExprOper(EX_LIST, node);
  OrvExprOper top(EX_LIST, parent);
  Add(node->ArgSlots(0)->tokens, CM_COMMENT, 1, 0, "*> one");
  Add(node->ArgSlots(0)->tokens, CM_COMMENT, 2, 0, "*> two");
  Add(node->ArgSlots(0)->tokens, TK_USER_DEFD_WORD, 3, 7, "X");
  Add(parent->ArgSlots(0)->tokens, SEP_SPACE, 1, 0);
  OrvRaiseCommentsWalker(&top);
  EXPECT_EQ(Codes(parent->ArgSlots(0)->tokens), "SEP_SPACE,CM_COMMENT,CM_COMMENT");
  EXPECT_EQ(Codes(node->ArgSlots(0)->tokens), "TK_USER_DEFD_WORD");
  EXPECT_EQ(Codes(top.ArgSlots(0)->tokens), "");  // parent's own first slot held a space first
}

TEST(OrvRaiseCommentsWalker, AWordInFrontKeepsCommentsInPlace) {
  OrvExprOper* node = new OrvExprOper(EX_LIST, Str("first"));
  OrvExprOper parent(EX_LIST, node);
  Add(parent.ArgSlots(0)->tokens, TK_USER_DEFD_WORD, 1, 0, "W");
  Add(node->ArgSlots(0)->tokens, CM_COMMENT, 2, 0, "*> c");
  OrvRaiseCommentsWalker(&parent);
  EXPECT_EQ(Codes(parent.ArgSlots(0)->tokens), "TK_USER_DEFD_WORD");
  EXPECT_EQ(Codes(node->ArgSlots(0)->tokens), "CM_COMMENT");
}

TEST(ProcessToken, DropsSpacesEverywhereAndKeepsTheRest) {
  OrvExprOper tree(EX_LIST, Str("A"), Str("B"));
  Add(tree.ArgSlots(0)->tokens, SEP_SPACE, 1, 0);
  Add(tree.ArgSlots(0)->tokens, SEP_COMMA, 1, 1);
  Add(tree.ArgSlots(0)->tokens, SEP_SPACE, 1, 2);
  Add(tree.Args(1)->Tokens(), SEP_SPACE, 1, 3);
  Add(tree.Args(1)->Tokens(), TK_USER_DEFD_WORD, 1, 4, "B");
  Add(tree.Tokens(), SEP_DOT, 1, 5);
  Add(tree.Tokens(), SEP_SPACE, 1, 6);
  ProcessToken(&tree);
  EXPECT_EQ(Codes(tree.ArgSlots(0)->tokens), "SEP_COMMA");
  EXPECT_EQ(Codes(tree.Args(1)->Tokens()), "TK_USER_DEFD_WORD");
  EXPECT_EQ(Codes(tree.Tokens()), "SEP_DOT");
  ProcessToken(nullptr);
}

}  // namespace
