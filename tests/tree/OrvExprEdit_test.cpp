// In-place editing through the parent: finding a node's index and slot,
// sibling navigation, taking a node out, replacing it, slot order, head
// tokens and moving the arguments of another node.
#include <gtest/gtest.h>

#include <string>

#include "MessageRecorder.h"
#include "TestStrings.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"

namespace {

OrvExpr* Str(const char* s) { return new OrvCharString(VString(s)); }

std::string Kids(const OrvExpr& n) {
  std::string s;
  for (int i = 0; i < n.NArgs(); ++i) {
    if (i) s += ',';
    const OrvExpr* c = n.Args(i);
    s += c == nullptr ? "(null)"
         : c->IsNullNode() ? "NULL"
         : c->HasImage() ? c->Image()->text
                         : OrvOperName(c->Oper());
  }
  return s;
}

// A child whose parent pointer names a node that does not hold it: the slot
// is emptied behind the node's back, and given back at the end so that the
// parent frees the child.
struct CorruptedChild {
  OrvExprOper parent{EX_LIST, Str("A"), Str("B")};
  OrvExpr* child;
  CorruptedChild() : child(parent.Args(0)) { parent.ArgSlots(0)->child = nullptr; }
  ~CorruptedChild() { parent.ArgSlots(0)->child = child; }
};

TEST(OrvExprEdit, RootAnswersWithoutParent) {
  OrvExprOper root(EX_LIST, Str("A"));
  OrvExpr* parent = &root;
  MessageRecorder rec;
  EXPECT_EQ(root.FindMe(parent), -1);
  EXPECT_EQ(parent, nullptr);
  EXPECT_EQ(root.FindMySlot(), nullptr);
  EXPECT_EQ(rec.size(), 0u);

  struct Case {
    const char* method;
    OrvExpr* (*call)(OrvExpr& n);
  };
  const Case cases[] = {
      {"OrvExpr::NextSib", [](OrvExpr& n) { return n.NextSib(); }},
      {"OrvExpr::NextSib", [](OrvExpr& n) { return n.PrevSib(); }},
      {"OrvExpr::DelThis", [](OrvExpr& n) { return n.DelThis(); }},
      {"OrvExpr::ReplThis", [](OrvExpr& n) { return n.ReplThis(nullptr); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.method);
    rec.clear();
    EXPECT_EQ(c.call(root), nullptr);
    ASSERT_EQ(rec.size(), 1u);
    EXPECT_EQ(rec.text(0), std::string(c.method) + " at expr node EX_LIST #" +
                               std::to_string(root.Serial()) + " with 1 args: no parent");
  }
  EXPECT_EQ(Kids(root), "A");
}

TEST(OrvExprEdit, SiblingsAndTheirEnds) {
  OrvExprOper root(EX_LIST, Str("A"), Str("B"), Str("C"));
  OrvExpr* b = root.Args(1);
  MessageRecorder rec;
  EXPECT_EQ(b->NextSib(), root.Args(2));
  EXPECT_EQ(b->PrevSib(), root.Args(0));
  EXPECT_EQ(rec.size(), 0u);
  EXPECT_EQ(root.Args(2)->NextSib(), nullptr);
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_NE(rec.text(0).find("OrvExpr::NextSib"), std::string::npos);
  EXPECT_NE(rec.text(0).find("no next sibling"), std::string::npos);
  EXPECT_EQ(root.Args(0)->PrevSib(), nullptr);
  ASSERT_EQ(rec.size(), 2u);
  EXPECT_NE(rec.text(1).find("OrvExpr::NextSib"), std::string::npos);
  EXPECT_NE(rec.text(1).find("no previous sibling"), std::string::npos);
}

TEST(OrvExprEdit, FindMeAndFindMySlot) {
  OrvExprOper root(EX_LIST, Str("A"), Str("B"));
  OrvExpr* parent = nullptr;
  EXPECT_EQ(root.Args(1)->FindMe(parent), 1);
  EXPECT_EQ(parent, &root);
  EXPECT_EQ(root.Args(1)->FindMySlot(), root.ArgSlots(1));
}

TEST(OrvExprEdit, CorruptedParentIsReported) {
  CorruptedChild c;
  MessageRecorder rec;
  OrvExpr* parent = nullptr;
  EXPECT_EQ(c.child->FindMe(parent), -2);
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_NE(rec.text(0).find("OrvExpr::FindMe"), std::string::npos);
  EXPECT_NE(rec.text(0).find("expr tree corrupted: cannot find me among children of my parent"),
            std::string::npos);
  rec.clear();
  EXPECT_EQ(c.child->FindMySlot(), nullptr);
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_NE(rec.text(0).find("OrvExpr::FindMySlot"), std::string::npos);
  for (int which = 0; which < 3; ++which) {
    SCOPED_TRACE(which);
    rec.clear();
    OrvExpr* r = which == 0 ? c.child->NextSib() : which == 1 ? c.child->DelThis() : c.child->ReplThis(nullptr);
    EXPECT_EQ(r, nullptr);
    ASSERT_EQ(rec.size(), 2u);
    EXPECT_NE(rec.text(0).find("corrupted"), std::string::npos);
    EXPECT_NE(rec.text(1).find("no parent"), std::string::npos);
  }
}

TEST(OrvExprEdit, DelThisTakesTheNodeOut) {
  OrvExprOper list(EX_LIST, Str("A"), Str("B"));
  OrvExpr* a = list.Args(0)->DelThis();
  EXPECT_EQ(Kids(list), "B");  // list slots go away
  EXPECT_EQ(a->Parent(), nullptr);
  delete a;

  OrvExprOper pos(COBOL_FILE);
  pos.SetArg(1, Str("X"));
  OrvExpr* x = pos.Args(1)->DelThis();
  EXPECT_EQ(pos.NArgs(), 4);  // positional slots stay
  EXPECT_EQ(pos.Args(1), nullptr);
  delete x;

  OrvFillNullSwitch = 1;
  pos.SetArg(2, Str("Y"));
  OrvExpr* y = pos.Args(2)->DelThis();
  OrvFillNullSwitch = 0;
  ASSERT_NE(pos.Args(2), nullptr);
  EXPECT_TRUE(pos.Args(2)->IsNullNode());
  delete y;
}

TEST(OrvExprEdit, ReplThisPutsTheOtherInPlace) {
  OrvExprOper list(EX_LIST, Str("A"), Str("B"));
  list.ArgSlots(0)->order = 6;
  OrvExpr* a = list.Args(0)->ReplThis(Str("Z"));
  EXPECT_EQ(Kids(list), "Z,B");
  EXPECT_EQ(list.ArgSlots(0)->order, 6);  // the slot stays
  EXPECT_EQ(list.Args(0)->Parent(), &list);
  EXPECT_EQ(a->Parent(), nullptr);
  delete a;
  OrvExpr* z = list.Args(0)->ReplThis(nullptr);  // as DelThis
  EXPECT_EQ(Kids(list), "B");
  delete z;
}

TEST(OrvExprEdit, SetSlotOrderAndHeadTokens) {
  OrvExprOper root(EX_LIST, Str("A"));
  EXPECT_EQ(root.Args(0)->SetSlotOrder(11), 0);
  EXPECT_EQ(root.ArgSlots(0)->order, 11);
  EXPECT_EQ(root.SetSlotOrder(3), -1);
  EXPECT_EQ(root.HeadTokens(), &root.ArgSlots(0)->tokens);
  EXPECT_EQ(root.Args(0)->HeadTokens(), &root.Args(0)->Tokens());
  OrvExprOper empty(EX_LIST);
  EXPECT_EQ(empty.HeadTokens(), &empty.Tokens());
}

TEST(OrvExprEdit, TakeArgsMovesEveryChildWithItsTokens) {
  // Sources of both kinds: a list (its slots go away as children leave)
  // and a positional node (its slots stay).
  struct Case {
    OrvOper op;
    const char* sourceAfter;
  };
  const Case cases[] = {{EX_LIST, ""}, {COBOL_PROGRAM_LIST, ""}, {LOG_NOT, "(null)"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(OrvOperName(c.op));
    OrvExprOper target(EX_LIST, Str("T"));
    OrvExprOper* source = OrvOperIsList(c.op) ? new OrvExprOper(c.op, Str("A"), Str("B"), Str("C"))
                                              : new OrvExprOper(c.op, Str("A"));
    for (int i = 0; i < source->NArgs(); ++i) {
      source->ArgSlots(i)->tokens.AddToken(SEP_COMMA, OrvTxtPosn(1, i, 0), VString(","));
    }
    int moved = source->NArgs();
    MessageRecorder rec;
    target.TakeArgs(source);
    EXPECT_EQ(rec.size(), 0u);
    EXPECT_EQ(Kids(target), OrvOperIsList(c.op) ? "T,A,B,C" : "T,A");
    EXPECT_EQ(Kids(*source), c.sourceAfter);
    for (int i = 1; i <= moved; ++i) {
      EXPECT_EQ(target.Args(i)->Parent(), &target);
      ASSERT_EQ(target.ArgSlots(i)->tokens.Count(), 1);
      EXPECT_EQ(target.ArgSlots(i)->tokens.First()->begin.Column(), i - 1);
    }
    delete source;
  }
}

TEST(OrvExprEdit, TakeArgsRefusesItselfAnAncestorAndALeaf) {
  OrvExprOper* root = new OrvExprOper(EX_LIST, Str("A"), new OrvExprOper(EX_LIST));
  OrvExpr* inner = root->Args(1);
  MessageRecorder rec;
  inner->TakeArgs(root);
  EXPECT_EQ(Kids(*root), "A,EX_LIST");
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_NE(rec.text(0).find("OrvExpr::TakeArgs"), std::string::npos);
  root->TakeArgs(root);
  EXPECT_EQ(root->NArgs(), 2);
  rec.clear();
  OrvCharString leaf(VString("L"));
  leaf.TakeArgs(root);
  EXPECT_EQ(root->NArgs(), 2);
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_NE(rec.text(0).find("AddArg()"), std::string::npos);
  delete root;
}

TEST(OrvExprEdit, DeletingATreeFreesEverythingAndKeepsTheCounter) {
  uint32_t before = OrvNodeCounter;
  OrvExprOper* root = new OrvExprOper(COBOL_FILE);
  root->SetArg(0, new OrvExprOper(EX_LIST, Str("A"), new OrvStrConst(VString("'X'"))));
  root->SetArg(1, new OrvIntNumConst(VString("7"), 7));
  root->Args(0)->Tokens().AddToken(SEP_DOT, OrvTxtPosn(1, 1, 0), VString("."));
  EXPECT_EQ(OrvNodeCounter, before + 5);
  MessageRecorder rec;
  delete root;  // the sanitizer build checks that nothing leaks
  EXPECT_EQ(rec.size(), 0u);
}

}  // namespace
