// Operation nodes: construction, argument slots, setting, inserting and
// detaching arguments, the operation change, clones, the edit hook, and the
// sound handling of nodes that would otherwise be owned twice.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "TestStrings.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"

namespace {

OrvExpr* Str(const char* s) { return new OrvCharString(VString(s)); }

std::string Img(const OrvExpr* e) {
  if (e == nullptr) return "(null)";
  if (e->IsNullNode()) return "NULL";
  return e->Image()->text ? e->Image()->text : "";
}

// The images of the children of a node, "(null)" for an empty slot.
std::string Kids(const OrvExpr& n) {
  std::string s;
  for (int i = 0; i < n.NArgs(); ++i) {
    if (i) s += ',';
    s += Img(n.Args(i));
  }
  return s;
}

// Checks that every child's parent pointer names the node that holds it.
void ExpectParentsConsistent(const OrvExpr* n) {
  for (int i = 0; i < n->NArgs(); ++i) {
    const OrvExpr* c = n->Args(i);
    if (c == nullptr) continue;
    EXPECT_EQ(c->Parent(), n);
    ExpectParentsConsistent(c);
  }
}

class FillSwitchOn {
 public:
  FillSwitchOn() { OrvFillNullSwitch = 1; }
  ~FillSwitchOn() { OrvFillNullSwitch = 0; }
};

// Records the events of the tree-edit hook.
struct HookEvent {
  int event;
  const OrvExpr* node;
  const OrvExpr* child;
  int index;
};
std::vector<HookEvent> hookEvents;
void RecordHook(int event, OrvExpr* node, OrvExpr* child, int index, const VString&) {
  hookEvents.push_back({event, node, child, index});
}
class HookInstalled {
 public:
  HookInstalled() {
    hookEvents.clear();
    OrvTreeEditHook = RecordHook;
  }
  ~HookInstalled() { OrvTreeEditHook = nullptr; }
};

// --- construction -----------------------------------------------------------

TEST(OrvExprOperBuild, CodeAloneGivesTheFixedNumberOfEmptySlots) {
  struct Case {
    OrvOper op;
    int slots;
  };
  const Case cases[] = {{COBOL_PROGRAM, 7}, {COBOL_FILE, 4}, {EX_LIST, 0}, {LOG_NOT, 1}, {NULL_NODE, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(OrvOperName(c.op));
    MessageRecorder rec;
    OrvExprOper n(c.op);
    EXPECT_EQ(n.NArgs(), c.slots);
    for (int i = 0; i < n.NArgs(); ++i) {
      EXPECT_EQ(n.Args(i), nullptr);
      ASSERT_NE(n.ArgSlots(i), nullptr);
      EXPECT_EQ(n.ArgSlots(i)->order, -1);
      EXPECT_EQ(n.ArgSlots(i)->state, 0);
      EXPECT_TRUE(n.ArgSlots(i)->tokens.IsEmpty());
    }
    EXPECT_EQ(rec.size(), 0u);
  }
}

TEST(OrvExprOperBuild, CodeAloneWithFillSwitchFillsNullNodes) {
  FillSwitchOn fill;
  OrvExprOper n(COBOL_FILE);
  ASSERT_EQ(n.NArgs(), 4);
  for (int i = 0; i < 4; ++i) {
    ASSERT_NE(n.Args(i), nullptr);
    EXPECT_TRUE(n.Args(i)->IsNullNode());
    EXPECT_EQ(n.Args(i)->Parent(), &n);
  }
}

TEST(OrvExprOperBuild, ChildrenGoIntoSlotsInOrder) {
  MessageRecorder rec;
  OrvExprOper n(EX_LIST, Str("A"), Str("B"), Str("C"));
  EXPECT_EQ(Kids(n), "A,B,C");
  ExpectParentsConsistent(&n);
  OrvExprOper ten(EX_LIST, Str("1"), Str("2"), Str("3"), Str("4"), Str("5"), Str("6"), Str("7"),
                  Str("8"), Str("9"), Str("10"));
  EXPECT_EQ(Kids(ten), "1,2,3,4,5,6,7,8,9,10");
  OrvExpr* arr[] = {Str("x"), nullptr, Str("z")};
  OrvExprOper fromArray(EX_LIST, arr, 3);
  EXPECT_EQ(Kids(fromArray), "x,(null),z");
  ExpectParentsConsistent(&fromArray);
  EXPECT_EQ(rec.size(), 0u);
}

// A node of one child: a list or a one-slot operation takes a child that
// hangs nowhere into its one slot; a child held elsewhere moves with the
// report, a null child leaves the slot empty, and an operation of another
// slot count is reported; each slot reads back with state 0 and order -1.
TEST(OrvExprOperBuild, OneChildGoesIntoTheOneSlot) {
  struct Case {
    const char* name;
    OrvOper op;
    int child;  // 0: none, 1: hangs nowhere, 2: held by another node
    const char* kids;
    size_t reports;
  };
  const Case cases[] = {
      {"list", EX_LIST, 1, "A", 0},
      {"one-slot operation", LOG_NOT, 1, "A", 0},
      {"null child", LOG_NOT, 0, "(null)", 0},
      {"child held elsewhere", LOG_NOT, 2, "A", 1},
      {"operation of four slots", COBOL_FILE, 1, "A", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OrvExprOper holder(EX_LIST);
    OrvExpr* child = c.child == 0 ? nullptr : Str("A");
    if (c.child == 2) holder.AddArg(child);
    MessageRecorder rec;
    OrvExprOper n(c.op, child);
    EXPECT_EQ(Kids(n), c.kids);
    EXPECT_EQ(rec.size(), c.reports);
    EXPECT_EQ(n.NArgs(), 1);
    EXPECT_EQ(n.PeekState(0), 0);
    EXPECT_EQ(n.PeekOrder(0), -1);
    ExpectParentsConsistent(&n);
    if (c.child == 2) {
      EXPECT_EQ(Kids(holder), "(null)");
    }
  }
  // Under the fill switch the null child reads as a NULL_NODE.
  FillSwitchOn fill;
  OrvExprOper filled(LOG_NOT, static_cast<OrvExpr*>(nullptr));
  ASSERT_NE(filled.Args(0), nullptr);
  EXPECT_TRUE(filled.Args(0)->IsNullNode());
}

TEST(OrvExprOperBuild, WrongChildCountForPositionalOperationIsReportedAndBuilt) {
  MessageRecorder rec;
  OrvExprOper n(LOG_NOT, Str("A"), Str("B"));
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec.text(0), "OrvExprOper::OrvExprOper at expr node LOG_NOT #" +
                             std::to_string(n.Serial()) + " with 0 args: bad arg_no, must be 1");
  EXPECT_EQ(Kids(n), "A,B");
  rec.clear();
  OrvExprOper bad(static_cast<OrvOper>(1401), Str("A"));
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_NE(rec.text(0).find("bad-op"), std::string::npos);
  EXPECT_NE(rec.text(0).find("bad arg_no, must be -1"), std::string::npos);
}

// TakeFreshChildren gives the node SetArg gives for each non-null child:
// the same children, parents, reports (a slot beyond the count, a child
// owned elsewhere) and, under the fill switch or a hook, the same slow path.
TEST(OrvExprOperBuild, FreshChildrenGoInAsSetArgPutsThem) {
  struct Case {
    const char* name;
    OrvOper op;
    bool ownedElsewhere;  // the second child hangs in another node first
    bool fill;
    bool hook;
    const char* kids;
    size_t reports;
  };
  const Case cases[] = {
      {"four slots, one left empty", COBOL_FILE, false, false, false, "A,(null),C,D", 0},
      {"one slot, two children too many", LOG_NOT, false, false, false, "A", 2},
      {"a child owned elsewhere moves", COBOL_FILE, true, false, false, "A,B,C,D", 1},
      {"fill switch", COBOL_FILE, false, true, false, "A,NULL,C,D", 0},
      {"edit hook", COBOL_FILE, false, false, true, "A,(null),C,D", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> kids;
    std::vector<size_t> reports;
    std::vector<size_t> events;
    for (int way = 0; way < 2; ++way) {
      if (c.fill) OrvFillNullSwitch = 1;
      hookEvents.clear();
      if (c.hook) OrvTreeEditHook = RecordHook;
      OrvExprOper holder(EX_LIST, Str("Y"));
      OrvExpr* children[] = {Str("A"), nullptr, Str("C"), Str("D")};
      if (c.ownedElsewhere) {
        holder.SetArg(0, Str("B"));
        children[1] = holder.Args(0);
      } else {
        children[1] = nullptr;
      }
      MessageRecorder rec;
      OrvExprOper n(c.op);
      if (way == 0) {
        n.TakeFreshChildren(children, 4);
      } else {
        for (int i = 0; i < 4; ++i) {
          if (children[i] != nullptr) n.SetArg(i, children[i], -1, 0);
        }
      }
      OrvTreeEditHook = nullptr;
      kids.push_back(Kids(n));
      reports.push_back(rec.size());
      events.push_back(hookEvents.size());
      ExpectParentsConsistent(&n);
      if (c.ownedElsewhere) {
        EXPECT_EQ(Kids(holder), c.fill ? "NULL" : "(null)");
      }
      if (c.op == LOG_NOT) {
        for (OrvExpr* child : children) {
          if (child != nullptr && child->Parent() == nullptr) delete child;
        }
      }
      OrvFillNullSwitch = 0;
    }
    EXPECT_EQ(kids[0], c.kids);
    EXPECT_EQ(kids[1], c.kids);
    EXPECT_EQ(reports[0], c.reports);
    EXPECT_EQ(reports[1], c.reports);
    EXPECT_EQ(events[0], events[1]);
    if (c.hook) {
      EXPECT_GT(events[0], 0u);
    }
  }
}

TEST(OrvExprOperBuild, CloneCopiesSlotsTokensAndSubtrees) {
  OrvExprOper n(EX_LIST, Str("A"), nullptr, new OrvExprOper(EX_LIST, Str("B")));
  n.ArgSlots(0)->order = 3;
  n.ArgSlots(1)->state = 0x8001;
  n.ArgSlots(0)->tokens.AddToken(SEP_SPACE, OrvTxtPosn(1, 2, 0), VString(" "));
  int16_t* widths = new int16_t[2]{4, 9};
  n.SetSd(widths, 2);
  OrvExpr* c = n.Clone();
  ASSERT_EQ(c->NArgs(), 3);
  EXPECT_EQ(c->Serial(), n.Serial());
  EXPECT_EQ(c->ArgSlots(0)->order, 3);
  EXPECT_EQ(c->ArgSlots(1)->state, 0x8001);
  EXPECT_EQ(c->ArgSlots(0)->tokens.Count(), 1);
  EXPECT_NE(c->ArgSlots(0)->tokens.First(), n.ArgSlots(0)->tokens.First());
  EXPECT_EQ(c->Args(1), nullptr);
  EXPECT_NE(c->Args(0), n.Args(0));
  EXPECT_EQ(Img(c->Args(2)->Args(0)), "B");
  ExpectParentsConsistent(c);
  const OrvExprOper* co = static_cast<const OrvExprOper*>(c);
  ASSERT_EQ(co->SdCount(), 2);
  EXPECT_NE(co->Sd(), n.Sd());
  EXPECT_EQ(co->Sd()[1], 9);
  delete c;
  EXPECT_EQ(Kids(n), "A,(null),");  // the original is untouched
}

TEST(OrvExprOperBuild, MoreThan511ChildrenKeepTheirFullCount) {
  OrvExprOper list(EX_LIST);
  for (int i = 0; i < 1500; ++i) list.AddArg(new OrvIntNumConst(VString("0"), i));
  ASSERT_EQ(list.NArgs(), 1500);
  EXPECT_EQ(list.Args(511)->IntValue(), 511);
  EXPECT_EQ(list.Args(512)->IntValue(), 512);
  EXPECT_EQ(list.Args(1499)->IntValue(), 1499);
  EXPECT_EQ(list.FindArg(list.Args(1000)), 1000);
  OrvExpr* copy = list.Clone();
  EXPECT_EQ(copy->NArgs(), 1500);
  delete copy;
}

// --- argument access ----------------------------------------------------------

TEST(OrvExprOperArgs, BadIndexesAreReportedEverywhere) {
  struct Case {
    const char* method;
    void (*call)(OrvExprOper& n);
  };
  const Case cases[] = {
      {"OrvExprOper::Args", [](OrvExprOper& n) { EXPECT_EQ(n.Args(2), nullptr); }},
      {"OrvExprOper::Args", [](OrvExprOper& n) { EXPECT_EQ(n.Args(-1), nullptr); }},
      {"OrvExprOper::ArgSlots", [](OrvExprOper& n) { EXPECT_EQ(n.ArgSlots(5), nullptr); }},
      {"OrvExprOper::SetArg", [](OrvExprOper& n) { n.SetArg(2, static_cast<OrvExpr*>(nullptr)); }},
      {"OrvExprOper::DelArg", [](OrvExprOper& n) { EXPECT_EQ(n.DelArg(2, 0, 0), nullptr); }},
      {"OrvExprOper::DelArgSlot", [](OrvExprOper& n) { EXPECT_EQ(n.DelArgSlot(9, 1, 0), nullptr); }},
      {"OrvExprOper::InsArg", [](OrvExprOper& n) { n.InsArg(nullptr, 3); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.method);
    OrvExprOper n(EX_LIST, Str("A"), Str("B"));
    MessageRecorder rec;
    c.call(n);
    ASSERT_EQ(rec.size(), 1u);
    EXPECT_EQ(rec.text(0).find(std::string(c.method) + " at expr node EX_LIST"), 0u);
    EXPECT_NE(rec.text(0).find("is not available."), std::string::npos);
    EXPECT_EQ(Kids(n), "A,B");
  }
}

TEST(OrvExprOperArgs, FillSwitchReportsANullChild) {
  OrvExprOper n(EX_LIST);
  n.AddArg(nullptr);
  {
    MessageRecorder rec;
    EXPECT_EQ(n.Args(0), nullptr);
    EXPECT_EQ(rec.size(), 0u);
  }
  OrvArgSlot* slot = n.DelArgSlot(0, 0, 0);  // leaves an empty record
  delete slot;
  FillSwitchOn fill;
  MessageRecorder rec;
  EXPECT_EQ(n.Args(0), nullptr);
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_NE(rec.text(0).find("OrvExprOper::Args"), std::string::npos);
  EXPECT_NE(rec.text(0).find("arg #0 is NULL."), std::string::npos);
}

TEST(OrvExprOperArgs, FindArgAnswersIndexOrMinusOne) {
  OrvExprOper n(EX_LIST, Str("A"), Str("B"));
  OrvCharString stranger(VString("Z"));
  EXPECT_EQ(n.FindArg(n.Args(1)), 1);
  EXPECT_EQ(n.FindArg(&stranger), -1);
  // Without an empty slot, no slot holds "no node".
  EXPECT_EQ(n.FindArg(nullptr), -1);
  OrvExprOper empty(EX_LIST);
  EXPECT_EQ(empty.FindArg(&stranger), -1);
  EXPECT_EQ(empty.FindArg(nullptr), -1);
  // A null node is found in the first slot that holds no child.
  OrvExprOper prog(COBOL_FILE);
  prog.SetArg(0, Str("P"));
  EXPECT_EQ(prog.FindArg(nullptr), 1);
}

// --- setting and inserting ------------------------------------------------------

TEST(OrvExprOperSet, SetArgReplacesAndDeletesTheOldChild) {
  HookInstalled hook;
  OrvExprOper n(EX_LIST, Str("A"), Str("B"));
  hookEvents.clear();
  OrvExpr* c = Str("C");
  n.SetArg(1, c, 5, 0x8000);
  EXPECT_EQ(Kids(n), "A,C");
  EXPECT_EQ(c->Parent(), &n);
  EXPECT_EQ(n.ArgSlots(1)->order, 5);
  EXPECT_EQ(n.ArgSlots(1)->state, 0x8000);
  n.SetArg(1, c, -1, 0);  // the same child again: nothing changes
  EXPECT_EQ(Kids(n), "A,C");
  EXPECT_EQ(n.ArgSlots(1)->order, 5);
  ASSERT_GE(hookEvents.size(), 2u);
  EXPECT_EQ(hookEvents[0].event, ORV_EDIT_DETACH);
  EXPECT_EQ(hookEvents.back().event, ORV_EDIT_SET_ARG);
  EXPECT_EQ(hookEvents.back().child, c);
  EXPECT_EQ(hookEvents.back().index, 1);
}

TEST(OrvExprOperSet, AttachingANodeOwnedElsewhereMovesIt) {
  OrvExprOper first(EX_LIST, Str("A"), Str("B"));
  OrvExprOper second(EX_LIST, Str("X"));
  OrvExpr* moved = first.Args(0);
  MessageRecorder rec;
  second.SetArg(0, moved);
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_NE(rec.text(0).find("OrvExprOper::SetArg"), std::string::npos);
  EXPECT_NE(rec.text(0).find("attaching node CHAR_STRING that has non-null parent."), std::string::npos);
  EXPECT_EQ(Kids(second), "A");
  EXPECT_EQ(Kids(first), "(null),B");  // the old slot no longer holds it
  EXPECT_EQ(moved->Parent(), &second);
}

TEST(OrvExprOperSet, MovingAChildWithinTheSameNode) {
  OrvExprOper n(EX_LIST, Str("A"), Str("B"), Str("C"));
  MessageRecorder rec;
  n.SetArg(2, n.Args(0));
  EXPECT_EQ(Kids(n), "(null),B,A");
  ExpectParentsConsistent(&n);
  n.AddArg(n.Args(1));
  EXPECT_EQ(Kids(n), "(null),(null),A,B");
  ExpectParentsConsistent(&n);
}

TEST(OrvExprOperSet, AttachingANodeBelowItselfIsRefused) {
  OrvExprOper* root = new OrvExprOper(EX_LIST, Str("A"));
  OrvExprOper* mid = new OrvExprOper(EX_LIST);
  root->AddArg(mid);
  MessageRecorder rec;
  mid->AddArg(root);
  mid->SetArg(0, root);  // index 0 does not exist either
  mid->InsArg(mid, 0);
  EXPECT_EQ(mid->NArgs(), 0);
  EXPECT_EQ(root->Parent(), nullptr);
  EXPECT_GE(rec.size(), 2u);
  EXPECT_NE(rec.text(0).find("that is this node or one of its ancestors"), std::string::npos);
  delete root;
}

TEST(OrvExprOperSet, SetArgNoDelLeavesTheOldChildDetachedWithTheCaller) {
  OrvExprOper n(EX_LIST, Str("A"));
  n.ArgSlots(0)->order = 4;
  OrvExpr* old = n.Args(0);
  n.SetArgNoDel(0, Str("B"));
  EXPECT_EQ(Kids(n), "B");
  EXPECT_EQ(old->Parent(), nullptr);
  EXPECT_EQ(n.ArgSlots(0)->order, 4);
  MessageRecorder rec;
  delete old;  // no "being pointed to" report: it was detached
  EXPECT_EQ(rec.size(), 0u);
}

TEST(OrvExprOperSet, SetArgWithSlotRecordInstallsTheWholeRecord) {
  OrvExprOper n(EX_LIST, Str("A"), Str("B"));
  OrvArgSlot* rec = new OrvArgSlot;
  rec->child = Str("R");
  rec->order = 2;
  rec->tokens.AddToken(CM_COMMENT, OrvTxtPosn(), VString("*> c"));
  n.SetArg(1, rec);
  EXPECT_EQ(n.ArgSlots(1), rec);
  EXPECT_EQ(Kids(n), "A,R");
  EXPECT_EQ(n.Args(1)->Parent(), &n);
}

TEST(OrvExprOperSet, SlotRecordStillInstalledElsewhereMovesWithoutBeingShared) {
  // A record still installed in a slot of another node moves: the old slot
  // gets a fresh empty record, and each record has one owner.
  OrvExprOper from(EX_LIST, Str("A"), Str("B"));
  OrvExprOper to(EX_LIST, Str("X"));
  OrvArgSlot* moving = from.ArgSlots(1);
  MessageRecorder rec;
  to.SetArg(0, moving);
  EXPECT_EQ(to.ArgSlots(0), moving);
  EXPECT_EQ(Kids(to), "B");
  EXPECT_EQ(to.Args(0)->Parent(), &to);
  ASSERT_NE(from.ArgSlots(1), nullptr);
  EXPECT_NE(from.ArgSlots(1), moving);
  EXPECT_EQ(Kids(from), "A,(null)");
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_NE(rec.text(0).find("attaching node CHAR_STRING that has non-null parent."),
            std::string::npos);
  // Within one node, an empty record moves from one index to another.
  OrvExprOper same(EX_LIST, nullptr, Str("C"));
  OrvArgSlot* empty = same.ArgSlots(0);
  same.SetArg(1, empty);
  EXPECT_EQ(same.ArgSlots(1), empty);
  EXPECT_NE(same.ArgSlots(0), empty);
  EXPECT_EQ(Kids(same), "(null),(null)");
  // A record whose child is an ancestor of the node is refused.
  OrvExprOper* inner = new OrvExprOper(EX_LIST, Str("D"));
  OrvExprOper outer(EX_LIST, inner);
  rec.clear();
  inner->SetArg(0, outer.ArgSlots(0));
  EXPECT_EQ(outer.Args(0), inner);
  EXPECT_EQ(Kids(*inner), "D");
  EXPECT_EQ(rec.size(), 1u);
}

TEST(OrvExprOperSet, InsArgAppendsAtCountAndRefusesBeyond) {
  HookInstalled hook;
  OrvExprOper n(EX_LIST, Str("A"), Str("C"));
  n.InsArg(Str("B"), 1);
  n.InsArg(Str("D"), 3);
  n.InsArg(Str("0"), 0);
  EXPECT_EQ(Kids(n), "0,A,B,C,D");
  ExpectParentsConsistent(&n);
  MessageRecorder rec;
  OrvExpr* extra = Str("E");
  n.InsArg(extra, 6);
  EXPECT_EQ(rec.size(), 1u);
  EXPECT_EQ(Kids(n), "0,A,B,C,D");
  delete extra;
  bool sawInsert = false;
  for (const HookEvent& e : hookEvents) sawInsert = sawInsert || e.event == ORV_EDIT_INS_SLOT;
  EXPECT_TRUE(sawInsert);
}

// Appending without a hook: children that hang nowhere go in at the end
// as fresh slots (state 0, order -1) across the growth of the block; a
// child held elsewhere moves with its report, and a node above the list
// is refused with its report.
TEST(OrvExprOperSet, AddArgAppendsAsInsArgDoes) {
  OrvExprOper* root = new OrvExprOper(EX_LIST);
  OrvExprOper* list = new OrvExprOper(EX_LIST, Str("0"), Str("1"));
  root->AddArg(list);
  MessageRecorder rec;
  std::string expected = "0,1";
  for (int k = 2; k < 12; ++k) {
    const std::string text = std::to_string(k);
    list->AddArg(Str(text.c_str()));
    expected += "," + text;
  }
  OrvExprOper* sub = new OrvExprOper(EX_LIST, Str("S"));
  list->AddArg(sub);
  EXPECT_EQ(rec.size(), 0u);
  EXPECT_EQ(list->Args(list->NArgs() - 1), sub);
  EXPECT_EQ(list->DelArg(list->NArgs() - 1, 1, 0), sub);
  EXPECT_EQ(Kids(*list), expected);
  list->AddArg(sub);
  EXPECT_EQ(Kids(*sub), "S");
  for (int i = 0; i < list->NArgs(); ++i) {
    EXPECT_EQ(list->PeekState(i), 0) << i;
    EXPECT_EQ(list->PeekOrder(i), -1) << i;
  }
  ExpectParentsConsistent(root);
  OrvExprOper other(EX_LIST, Str("X"));
  list->AddArg(other.Args(0));
  EXPECT_EQ(rec.size(), 1u);
  EXPECT_EQ(Kids(other), "(null)");
  const int before = list->NArgs();
  list->AddArg(root);
  EXPECT_EQ(rec.size(), 2u);
  EXPECT_NE(rec.text(1).find("that is this node or one of its ancestors"), std::string::npos);
  EXPECT_EQ(list->NArgs(), before);
  ExpectParentsConsistent(root);
  delete root;
}

TEST(OrvExprOperSet, SiblingInsertionGoesThroughTheParent) {
  OrvExprOper parent(EX_LIST, new OrvExprOper(EX_LIST), Str("Z"));
  OrvExpr* mid = parent.Args(0);
  mid->InsSibBefore(Str("before"));
  mid->InsSibAfter(Str("after"));
  ASSERT_EQ(parent.NArgs(), 4);
  EXPECT_EQ(Img(parent.Args(0)), "before");
  EXPECT_EQ(parent.Args(1), mid);
  EXPECT_EQ(Img(parent.Args(2)), "after");
  OrvExprOper orphan(EX_LIST);
  MessageRecorder rec;
  OrvExpr* s = Str("S");
  orphan.InsSibBefore(s);
  orphan.InsSibAfter(s);
  ASSERT_EQ(rec.size(), 2u);
  EXPECT_NE(rec.text(0).find("OrvExprOper::InsSibBefore"), std::string::npos);
  EXPECT_NE(rec.text(1).find("OrvExprOper::InsSibAfter"), std::string::npos);
  EXPECT_NE(rec.text(1).find("no parent"), std::string::npos);
  delete s;
}

TEST(OrvExprOperSet, SetArgToListBuildsAListInTheSlot) {
  OrvExprOper n(LOG_NOT);
  n.SetArgToList(0, EX_LIST, Str("A"));
  ASSERT_NE(n.Args(0), nullptr);
  EXPECT_EQ(n.Args(0)->Oper(), EX_LIST);
  n.SetArgToList(0, EX_LIST, Str("B"));
  EXPECT_EQ(Kids(*n.Args(0)), "A,B");
  ExpectParentsConsistent(&n);
}

// --- detaching ------------------------------------------------------------------

TEST(OrvExprOperDel, DelArgRemovesListSlotsButKeepsPositionalOnes) {
  struct Case {
    OrvOper op;
    int removeSlot;
    int fill;
    bool fillSwitch;
    const char* after;
  };
  const Case cases[] = {
      {EX_LIST, -1, 0, false, "B"},
      {EX_LIST, 0, 0, false, "(null),B"},
      {EX_LIST, 1, 0, false, "B"},
      {COBOL_PROGRAM_LIST, -1, 1, true, "B"},
      {EX_CC_CLAUSE_LIST, 0, 1, true, "NULL,B"},
      {EX_LIST, 0, 1, false, "(null),B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.after);
    OrvFillNullSwitch = c.fillSwitch;
    OrvExprOper n(c.op, Str("A"), Str("B"));
    OrvExpr* a = n.DelArg(0, c.removeSlot, c.fill);
    OrvFillNullSwitch = 0;
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(Kids(n), c.after);
    delete a;
  }
  MessageRecorder rec;
  OrvExprOper pos(COBOL_FILE);
  pos.SetArg(0, Str("A"));
  OrvExpr* a = pos.DelArg(0, -1, 0);
  EXPECT_EQ(pos.NArgs(), 4);
  EXPECT_EQ(pos.Args(0), nullptr);
  delete a;
  EXPECT_EQ(rec.size(), 0u);
}

TEST(OrvExprOperDel, DelArgSlotHandsOverTheWholeRecord) {
  OrvExprOper n(EX_LIST, Str("A"), Str("B"), Str("C"));
  n.ArgSlots(1)->order = 7;
  OrvArgSlot* slot = n.DelArgSlot(1, 1, 0);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(slot->order, 7);
  EXPECT_EQ(Img(slot->child), "B");
  EXPECT_EQ(slot->child->Parent(), nullptr);
  EXPECT_EQ(Kids(n), "A,C");
  delete slot;  // with its child
}

TEST(OrvExprOperDel, DelArgSlotRemovesByKindWhenAskedTo) {
  // A negative removal flag removes the slot of a list operation only.
  OrvExprOper list(EX_LIST, Str("A"), Str("B"));
  OrvArgSlot* fromList = list.DelArgSlot(0, -1, 0);
  ASSERT_NE(fromList, nullptr);
  EXPECT_EQ(Img(fromList->child), "A");
  EXPECT_EQ(Kids(list), "B");
  delete fromList;
  OrvExprOper pos(EX_INT_CONST_RANGE, Str("A"), Str("B"));
  OrvArgSlot* fromPos = pos.DelArgSlot(0, -1, 0);
  ASSERT_NE(fromPos, nullptr);
  EXPECT_EQ(Img(fromPos->child), "A");
  EXPECT_EQ(pos.NArgs(), 2);
  EXPECT_EQ(Kids(pos), "(null),B");
  delete fromPos;
}

TEST(OrvExprOperDel, DelArgSlotWithoutRemovalLeavesAFreshRecord) {
  OrvExprOper n(EX_LIST, Str("A"), Str("B"));
  OrvArgSlot* slot = n.DelArgSlot(0, 0, 0);
  ASSERT_NE(n.ArgSlots(0), nullptr);
  EXPECT_NE(n.ArgSlots(0), slot);
  EXPECT_EQ(n.Args(0), nullptr);
  EXPECT_EQ(n.ArgSlots(0)->order, -1);
  // Every operation works on the fresh record.
  n.SetArg(0, Str("C"));
  n.InsArg(Str("D"), 0);
  EXPECT_EQ(Kids(n), "D,C,B");
  delete slot;
  FillSwitchOn fill;
  OrvArgSlot* again = n.DelArgSlot(0, 0, 1);
  ASSERT_NE(n.Args(0), nullptr);
  EXPECT_TRUE(n.Args(0)->IsNullNode());
  delete again;
}

// --- operation change -------------------------------------------------------------

TEST(OrvExprOperOper, SetOperChecksKindAndCount) {
  struct Case {
    OrvOper from;
    int children;
    OrvOper to;
    int allowShrink;
    int slotsAfter;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {EX_LIST, 2, COBOL_PROGRAM_LIST, 0, 2, {}},
      {EX_LIST, 2, LOG_NOT, 0, 2,
       {"setting to LOG_NOT: changing the List/Positional kind of oper",
        "setting oper to LOG_NOT: new arg_no 1 is not equal to old arg_no"}},
      {COBOL_FILE, 0, COBOL_PROGRAM, 1, 4, {"Growing nodes not allowed"}},
      {COBOL_PROGRAM, 0, COBOL_FILE, 1, 4, {}},
      {COBOL_FILE, 0, LOG_NOT, 0, 4, {"new arg_no 1 is not equal to old arg_no"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(OrvOperName(c.from)) + "->" + OrvOperName(c.to));
    OrvExprOper n(c.from);
    for (int i = 0; i < c.children; ++i) n.AddArg(Str("x"));
    MessageRecorder rec;
    n.SetOper(c.to, 0, c.allowShrink);
    EXPECT_EQ(n.Oper(), c.to);
    EXPECT_EQ(n.NArgs(), c.slotsAfter);
    ASSERT_EQ(rec.size(), c.messages.size());
    for (size_t i = 0; i < c.messages.size(); ++i) {
      EXPECT_NE(rec.text(i).find(c.messages[i]), std::string::npos) << rec.text(i);
      EXPECT_NE(rec.text(i).find("OrvExprOper::SetOper"), std::string::npos);
    }
  }
}

TEST(OrvExprOperOper, ShrinkingReportsNonNullChildrenAndDeletesThem) {
  OrvExprOper n(COBOL_FILE);
  n.SetArg(0, Str("keep"));
  n.SetArg(1, new OrvNullNode);
  n.SetArg(2, Str("gone"));
  MessageRecorder rec;
  n.SetOper(LOG_NOT, 0, 1);
  EXPECT_EQ(n.NArgs(), 1);
  EXPECT_EQ(Kids(n), "keep");
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_NE(rec.text(0).find("shrinking oper to LOG_NOT: arg #2 is not NULL"), std::string::npos);
}

TEST(OrvExprOperOper, ResetClearsFromSourceMarksBelow) {
  HookInstalled hook;
  OrvExprOper n(EX_LIST, Str("A"));
  n.SetFromSrc(1);
  n.Args(0)->SetFromSrc(1);
  n.ArgSlots(0)->state = 1;
  hookEvents.clear();
  n.SetOper(COBOL_PROGRAM_LIST, 1, 0);
  EXPECT_EQ(n.FromSrc(), 0);
  EXPECT_EQ(n.Args(0)->FromSrc(), 0);
  EXPECT_EQ(n.ArgSlots(0)->state, 0);
  ASSERT_FALSE(hookEvents.empty());
  EXPECT_EQ(hookEvents[0].event, ORV_EDIT_OPER);
  EXPECT_EQ(hookEvents[0].node, &n);
}

// --- TIC record of the node and its slots -----------------------------------------

TEST(OrvExprOperTic, SlotRecordsAreWrittenAfterTheCommonPart) {
  OrvExprOper n(EX_LIST, nullptr, nullptr);
  n.SetSerial(3);
  n.ArgSlots(0)->order = -1;
  n.ArgSlots(1)->order = 2;
  n.ArgSlots(1)->state = 0x8000;
  std::ostringstream out;
  n.PutTic(out);
  EXPECT_EQ(out.str(), "\no3:2:0:3:#0:-1:#0-32768:2:#0");
}

TEST(OrvExprOperTic, PositionalNodeWithWrongCountIsReportedAndWritten) {
  OrvExprOper n(EX_LIST, Str("A"), Str("B"));
  n.SetOper(LOG_NOT, 0, 0);
  n.SetArg(0, static_cast<OrvExpr*>(nullptr));
  n.SetArg(1, static_cast<OrvExpr*>(nullptr));
  MessageRecorder rec;
  std::ostringstream out;
  n.PutTic(out);
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec.text(0), "OrvExprOper: oper LOG_NOT: BAD number of children 2, must be 1");
  EXPECT_EQ(out.str().substr(out.str().size() - 16), ":#0:-1:#00:-1:#0");
}

TEST(OrvExprOperTic, EmptySlotsReadBackWithStateAndOrder) {
  OrvExprOper n(EX_LIST, nullptr, nullptr);
  n.ArgSlots(0)->tokens.AddToken(SEP_SPACE, OrvTxtPosn(2, 4, 0), VString(" "));
  n.ArgSlots(1)->order = 9;
  n.ArgSlots(1)->state = 0x8001;
  std::ostringstream out;
  n.PutTic(out);
  std::string text = out.str();
  OrvExprOper back(EX_LIST, nullptr, nullptr);
  std::istringstream in(text.substr(text.find(':', text.find(':') + 1) + 1));
  VString err;
  ASSERT_EQ(back.GetTic(in, err), 0) << (err.text ? err.text : "");
  EXPECT_EQ(back.Serial(), n.Serial());
  EXPECT_EQ(back.ArgSlots(0)->tokens.Count(), 1);
  EXPECT_EQ(back.ArgSlots(1)->order, 9);
  EXPECT_EQ(back.ArgSlots(1)->state, 0x8001);
  EXPECT_EQ(back.Args(0), nullptr);
}

TEST(OrvExprOperTic, SubtreeReadsBackAsWritten) {
  OrvExprOper tree(COBOL_FILE);
  tree.SetArg(0, new OrvExprOper(EX_LIST, Str("A"), new OrvStrConst(VString("X'00'"))), 4, 0);
  tree.SetArg(2, new OrvIntNumConst(VString("-3"), -3));
  tree.ArgSlots(2)->tokens.AddToken(SEP_SPACE, OrvTxtPosn(1, 2, 0), VString(" "));
  tree.Tokens().AddToken(SEP_DOT, OrvTxtPosn(1, 9, 0), VString("."));
  std::ostringstream out;
  tree.PutTic(out);
  std::istringstream in(out.str());
  OrvExpr* back = nullptr;
  VString err;
  ASSERT_EQ(OrvExpr::GetTicOp(in, back, err), 0) << (err.text ? err.text : "");
  ASSERT_NE(back, nullptr);
  std::ostringstream again;
  back->PutTic(again);
  EXPECT_EQ(again.str(), out.str());
  EXPECT_EQ(back->ArgSlots(0)->order, 4);
  ExpectParentsConsistent(back);
  delete back;
}

TEST(OrvExprOperTic, BadSlotCodeIsRefused) {
  OrvExprOper back(EX_LIST, nullptr);
  std::istringstream in("0:5:#0:-1:#x");
  VString err;
  EXPECT_EQ(back.GetTic(in, err), 60);
  EXPECT_STREQ(err.text, "OrvExprOper::GetTic: bad arg code 'x'");
}

}  // namespace

namespace {

// What a slot given a NULL_NODE by SetArgNullNode reads as, once asked for.
void ExpectPlainNull(const OrvExprOper& n, int i, uint32_t serial) {
  const OrvExpr* c = n.Args(i);
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(c->IsNullNode());
  EXPECT_EQ(c->FromSrc(), 0);
  EXPECT_EQ(c->Serial(), serial);
  EXPECT_EQ(c->Parent(), &n);
  EXPECT_FALSE(n.PeekFill(i));
}

void NoHook(int, OrvExpr*, OrvExpr*, int, const VString&) {}

}  // namespace

// SetArgNullNode gives the slot a NULL_NODE not from source with the next
// serial, whatever the slot held and however it is asked for afterwards;
// only a slot holding nothing (and no edit hook) keeps it unmade.
TEST(OrvExprOperNullNode, ReadsAsTheNullNodeSetArgPutsThere) {
  struct Case {
    const char* name;
    bool holdChild;  // the slot holds a child before
    bool hook;       // an edit hook watches
    int ask;         // 0 Args, 1 SlotAt, 2 a clone, 3 the fill then Args, 4 SetArg over it
    bool unmade;     // left unmade by SetArgNullNode
  };
  const Case cases[] = {
      {"empty, Args", false, false, 0, true},     {"empty, SlotAt", false, false, 1, true},
      {"empty, clone", false, false, 2, true},    {"empty, fill after", false, false, 3, true},
      {"empty, replaced", false, false, 4, true}, {"child replaced", true, false, 0, false},
      {"edit hook", false, true, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OrvExprOper n(DECL_DD_ENTRY);
    if (c.holdChild) n.SetArg(2, Str("OLD"));
    OrvTreeEditHook = c.hook ? &NoHook : nullptr;
    const long live = OrvLiveNodes;
    const uint32_t serial = OrvNodeCounter;
    n.SetArgNullNode(2);
    OrvTreeEditHook = nullptr;
    EXPECT_EQ(OrvNodeCounter, serial + 1);
    EXPECT_EQ(n.PeekFill(2), c.unmade);
    EXPECT_EQ(OrvLiveNodes, live + (c.unmade ? 0 : 1) - (c.holdChild ? 1 : 0));
    EXPECT_EQ(n.FindArg(nullptr), 0);  // the NULL_NODE is a child, slot 0 is empty
    switch (c.ask) {
      case 0: ExpectPlainNull(n, 2, serial); break;
      case 1: {
        const OrvArgSlot* slot = n.SlotAt(2);
        ASSERT_NE(slot->child, nullptr);
        EXPECT_EQ(slot->child->FromSrc(), 0);
        ExpectPlainNull(n, 2, serial);
        break;
      }
      case 2: {
        OrvExpr* copy = n.Clone();
        ExpectPlainNull(*static_cast<OrvExprOper*>(copy), 2, serial);
        delete copy;
        EXPECT_TRUE(n.PeekFill(2));  // the original stays unmade
        break;
      }
      case 3: {
        // The fill passes the slot by: it holds a NULL_NODE already.
        const uint32_t fillFirst = OrvNodeCounter;
        const int filled = n.FillEmptySlots();
        EXPECT_EQ(filled, n.NArgs() - 1);
        ExpectPlainNull(n, 2, serial);
        EXPECT_EQ(n.ChildAt(0)->FromSrc(), 1);
        EXPECT_EQ(n.ChildAt(0)->Serial(), fillFirst);
        break;
      }
      case 4:
        n.SetArg(2, Str("NEW"));
        EXPECT_EQ(Img(n.Args(2)), "NEW");
        EXPECT_EQ(OrvLiveNodes, live + 1);
        break;
    }
  }
}

// PeekChildOrFill answers what PeekChild and PeekFill answer, for every
// kind of slot: a child, an empty slot, a NULL_NODE of the fill unmade and
// made, a record with a child, an empty record and a record of the fill.
TEST(OrvExprOperPeek, ChildOrFillAgreesWithPeekChildAndPeekFill) {
  struct Case {
    const char* name;
    bool child;   // the slot holds a child
    bool record;  // the slot is asked for as a record first
    bool fill;    // the fill passes the slot
    bool make;    // the fill's NULL_NODE is made (asked for through Args)
  };
  const Case cases[] = {
      {"child", true, false, false, false},         {"empty", false, false, false, false},
      {"fill unmade", false, false, true, false},   {"fill made", false, false, true, true},
      {"record with child", true, true, false, false}, {"empty record", false, true, false, false},
      {"record of the fill", false, true, true, false}, {"record, fill made", false, true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OrvExprOper n(DECL_DD_ENTRY);
    if (c.child) n.SetArg(1, Str("A"));
    if (c.record) n.ArgSlots(1)->tokens.AddToken(SEP_SPACE, OrvTxtPosn(1, 2, 0), VString(" "));
    if (c.fill) n.FillEmptySlots();
    if (c.make) {
      ASSERT_NE(n.Args(1), nullptr);
    }
    bool fill = !n.PeekFill(1);
    EXPECT_EQ(n.PeekChild(1), n.PeekChildOrFill(1, &fill));
    EXPECT_EQ(n.PeekFill(1), fill);
    EXPECT_EQ(c.fill && !c.make, fill);
    EXPECT_EQ(c.child || c.make, n.PeekChild(1) != nullptr);
  }
}

// The states left at 0 are set in one pass, each slot as SetSlotState sets
// it: in compact words (empty, holding a child, holding a NULL_NODE of the
// fill) and in records (with tokens, or asked for); a state already set
// stays, and no slot loses its order, child or tokens.
TEST(OrvExprOperSet, SetUnsetSlotStatesSetsEveryStateLeftAtZero) {
  struct Slot {
    const char* what;
    bool child;
    int order;
    int state;
    bool record;  // asked for as a record beforehand
    bool tokens;
  } const slots[] = {
      {"empty", false, -1, 0, false, false},
      {"child", true, 2, 0, false, false},
      {"child already marked", true, -1, 1, false, false},
      {"record with tokens", true, 0, 0, true, true},
      {"record asked for", false, 1, 0, true, false},
      {"record with a state of its own", true, -1, 7, true, false},
  };
  const int count = static_cast<int>(sizeof(slots) / sizeof(slots[0]));
  // Way 1: MarkSlotsFromSource, the inline form, leaves the same slots.
  for (int way = 0; way < 2; ++way) {
    OrvExprOper node(EX_LIST);
    for (int i = 0; i < count; ++i) node.AddArg(nullptr);
    for (int i = 0; i < count; ++i) {
      const Slot& s = slots[i];
      if (s.record) {
        if (s.child) node.SetArg(i, Str("C"));
        OrvArgSlot* record = node.ArgSlots(i);
        record->order = static_cast<int16_t>(s.order);
        record->state = static_cast<uint16_t>(s.state);
        if (s.tokens) record->tokens.AddToken(SEP_SPACE, OrvTxtPosn(1, 1, 0), VString(" "));
      } else {
        node.SetArg(i, s.child ? Str("C") : nullptr, s.order, s.state);
      }
    }
    const int fillAt = count;
    node.AddArg(nullptr);
    node.FillEmptySlots();  // slot 0 and the last read as unmade NULL_NODEs now
    const int expected = 4 + 1;
    if (way == 0) {
      EXPECT_EQ(node.SetUnsetSlotStates(1), expected);
    } else {
      node.MarkSlotsFromSource();
    }
    for (int i = 0; i < count; ++i) {
      const Slot& s = slots[i];
      EXPECT_EQ(node.PeekState(i), s.state == 0 ? 1 : s.state) << s.what;
      EXPECT_EQ(node.PeekOrder(i), s.order) << s.what;
      EXPECT_EQ(node.PeekChild(i) != nullptr, s.child) << s.what;
      EXPECT_EQ(node.PeekTokens(i) != nullptr, s.tokens) << s.what;
    }
    EXPECT_EQ(node.PeekState(fillAt), 1);
    EXPECT_TRUE(node.PeekFill(fillAt));
    EXPECT_TRUE(node.PeekFill(0));
    EXPECT_EQ(node.SetUnsetSlotStates(1), 0);
  }
  // A node of compact words alone is marked inline from end to end, and
  // one slot stands in place of the block.
  OrvExprOper compact(EX_LIST);
  compact.AddArg(nullptr);
  compact.AddArg(Str("C"));
  compact.SetArg(1, Str("D"), 3, 0);
  compact.AddArg(Str("E"));
  compact.SetSlotState(2, 1);
  compact.MarkSlotsFromSource();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(compact.PeekState(i), 1) << i;
  EXPECT_EQ(compact.PeekOrder(1), 3);
  EXPECT_EQ(compact.SetUnsetSlotStates(1), 0);
  OrvExprOper single(LOG_NOT, Str("X"));
  single.MarkSlotsFromSource();
  EXPECT_EQ(single.PeekState(0), 1);
  EXPECT_EQ(Img(single.PeekChild(0)), "X");
}
