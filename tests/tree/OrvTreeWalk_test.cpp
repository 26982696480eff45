// The two tree walks: the order of visits, the effect of each answer code
// (1 children, 2 skip, 3 removed, 4 stop), post-callbacks and token lists.
#include <gtest/gtest.h>

#include <map>
#include <vector>
#include <sstream>
#include <string>

#include "MessageRecorder.h"
#include "TestStrings.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvTreeWalk.h"

namespace {

OrvExpr* Str(const char* s) { return new OrvCharString(VString(s)); }

std::string Name(const OrvExpr* n) {
  return n->HasImage() ? n->Image()->text : OrvOperName(n->Oper());
}

// The tree   R(EX_LIST) = [ A, M(STMT_LIST) = [ B, C ], D ]
// with a token in front of every slot ("t<child>") and a tail token on M
// and R ("tail<node>").
struct Tree {
  OrvExprOper* root;
  Tree() {
    OrvExprOper* m = new OrvExprOper(STMT_LIST, Str("B"), Str("C"));
    root = new OrvExprOper(EX_LIST, Str("A"), m, Str("D"));
    Tag(root);
  }
  ~Tree() { delete root; }
  static void Tag(OrvExpr* n) {
    for (int i = 0; i < n->NArgs(); ++i) {
      n->ArgSlots(i)->tokens.AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(),
                                      VString(("t" + Name(n->Args(i))).c_str()));
      Tag(n->Args(i));
    }
    if (n->NArgs() > 0) {
      n->Tokens().AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(), VString(("tail" + Name(n)).c_str()));
    }
  }
  OrvExpr* M() const { return root->Args(1); }
};

// Walk context: a trace of the visits and per-node answers.
struct Trace {
  std::string log;
  std::map<std::string, int> pre;   // answers of the pre-callback by node name
  std::map<std::string, int> post;  // answers of the post-callback (default: code)
  std::map<std::string, int> toks;  // answers of the token callback by first image
  std::string removeOnVisit;        // a node that removes itself and answers 3
  std::vector<OrvExpr*> removed;    // nodes taken out, freed after the walk
  ~Trace() {
    for (OrvExpr* n : removed) delete n;
  }
};

void Log(Trace* t, const std::string& s) {
  if (!t->log.empty()) t->log += ' ';
  t->log += s;
}

int PlainCb(OrvExpr* node, void* ctx) {
  Trace* t = static_cast<Trace*>(ctx);
  std::string name = Name(node);
  Log(t, name);
  if (name == t->removeOnVisit) {
    t->removed.push_back(node->DelThis());
    return ORV_WALK_REMOVED;
  }
  auto it = t->pre.find(name);
  return it == t->pre.end() ? ORV_WALK_CHILDREN : it->second;
}

int PreCb(OrvExpr* node, OrvExpr*, void* ctx) {
  Trace* t = static_cast<Trace*>(ctx);
  std::string name = Name(node);
  Log(t, "pre:" + name);
  if (name == t->removeOnVisit) {
    t->removed.push_back(node->DelThis());
    return ORV_WALK_REMOVED;
  }
  auto it = t->pre.find(name);
  return it == t->pre.end() ? ORV_WALK_CHILDREN : it->second;
}

int PostCb(OrvExpr* node, OrvExpr*, void* ctx, int code) {
  Trace* t = static_cast<Trace*>(ctx);
  std::string name = Name(node);
  Log(t, "post:" + name + "/" + std::to_string(code));
  auto it = t->post.find(name);
  return it == t->post.end() ? code : it->second;
}

int TokCb(OrvTokenList* list, OrvExpr*, OrvExpr*, void* ctx) {
  Trace* t = static_cast<Trace*>(ctx);
  std::string first = list->IsEmpty() ? "-" : list->First()->Image().text;
  Log(t, "tok:" + first);
  auto it = t->toks.find(first);
  return it == t->toks.end() ? ORV_WALK_CHILDREN : it->second;
}

TEST(WalkTheTree, NullRootAnswersTwoWithoutCalls) {
  Trace t;
  EXPECT_EQ(WalkTheTree(nullptr, &t, PlainCb), ORV_WALK_SKIP);
  EXPECT_EQ(t.log, "");
}

TEST(WalkTheTree, AnswerCodesShapeTheVisits) {
  struct Case {
    const char* name;
    std::map<std::string, int> pre;
    const char* removeOnVisit;
    const char* log;
    int result;
  };
  const Case cases[] = {
      {"all children", {}, "", "EX_LIST A STMT_LIST B C D", 1},
      {"root skips", {{"EX_LIST", 2}}, "", "EX_LIST", 2},
      {"M skips its children", {{"STMT_LIST", 2}}, "", "EX_LIST A STMT_LIST D", 1},
      {"stop at B", {{"B", 4}}, "", "EX_LIST A STMT_LIST B", 4},
      {"other value acts like 2", {{"A", 0x107}, {"STMT_LIST", 0x207}}, "", "EX_LIST A STMT_LIST D", 1},
      {"high bits are ignored", {{"B", 0x104}}, "", "EX_LIST A STMT_LIST B", 4},
      {"an unknown answer skips the children", {{"EX_LIST", 0x107}}, "", "EX_LIST", 7},
      {"a child's unknown answer is passed up", {{"D", 9}}, "", "EX_LIST A STMT_LIST B C D", 9},
      {"B removes itself", {}, "B", "EX_LIST A STMT_LIST B C D", 1},
      {"last child removes itself", {}, "D", "EX_LIST A STMT_LIST B C D", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Tree tree;
    Trace t;
    t.pre = c.pre;
    t.removeOnVisit = c.removeOnVisit;
    EXPECT_EQ(WalkTheTree(tree.root, &t, PlainCb), c.result);
    EXPECT_EQ(t.log, c.log);
  }
}

TEST(WalkTheTree, ResultIsTheLastChildWalkOrTheCallbackAnswer) {
  OrvExprOper empty(EX_LIST, nullptr, nullptr);
  Trace t;
  t.pre["EX_LIST"] = 1;
  EXPECT_EQ(WalkTheTree(&empty, &t, PlainCb), 1);  // all slots empty
  Tree tree;
  Trace t2;
  t2.pre["D"] = 2;  // the last child answers 2
  EXPECT_EQ(WalkTheTree(tree.root, &t2, PlainCb), 2);
}

TEST(WalkTheTree, ARemovedLastChildDoesNotMakeItsParentWalkedTwice) {
  Tree tree;
  Trace t;
  t.removeOnVisit = "C";  // the last child of M
  EXPECT_EQ(WalkTheTree(tree.root, &t, PlainCb), 1);
  EXPECT_EQ(t.log, "EX_LIST A STMT_LIST B C D");  // M and D once each
  EXPECT_EQ(tree.M()->NArgs(), 1);
}

TEST(WalkTheTree, CallbackAnsweringRemovedWithoutRemovingDoesNotLoop) {
  Tree tree;
  Trace t;
  t.pre["B"] = 3;  // B is still there
  WalkTheTree(tree.root, &t, PlainCb);
  EXPECT_EQ(t.log, "EX_LIST A STMT_LIST B C D");
}

TEST(OrvWalkSubtree, OrderOfPreTokensChildrenTailAndPost) {
  Tree tree;
  Trace t;
  OrvWalkTree(tree.root, &t, "TestWalker", PreCb, PostCb, TokCb);
  EXPECT_EQ(t.log,
            "pre:EX_LIST tok:tA pre:A tok:- post:A/1 "
            "tok:tSTMT_LIST pre:STMT_LIST tok:tB pre:B tok:- post:B/1 tok:tC pre:C tok:- post:C/1 "
            "tok:tailSTMT_LIST post:STMT_LIST/1 "
            "tok:tD pre:D tok:- post:D/1 tok:tailEX_LIST post:EX_LIST/1");
}

TEST(OrvWalkSubtree, AnswerCodesShapeTheVisits) {
  struct Case {
    const char* name;
    std::map<std::string, int> pre;
    std::map<std::string, int> toks;
    const char* removeOnVisit;
    const char* log;
    int result;
  };
  const Case cases[] = {
      {"root skips: post still runs with 2",
       {{"EX_LIST", 2}}, {}, "", "pre:EX_LIST post:EX_LIST/2", 2},
      {"pre answers 4: its own post still runs, then the walk ends",
       {{"B", 4}}, {}, "",
       "pre:EX_LIST tok:tA pre:A tok:- post:A/1 tok:tSTMT_LIST pre:STMT_LIST tok:tB pre:B post:B/4", 4},
      {"a token list answers 4: no post on the way up",
       {}, {{"tC", 4}}, "",
       "pre:EX_LIST tok:tA pre:A tok:- post:A/1 tok:tSTMT_LIST pre:STMT_LIST tok:tB pre:B tok:- "
       "post:B/1 tok:tC", 4},
      {"a removed child: its slot's tokens are offered again with the next child",
       {}, {}, "A",
       "pre:EX_LIST tok:tA pre:A post:A/3 tok:tSTMT_LIST pre:STMT_LIST tok:tB pre:B tok:- post:B/1 tok:tC "
       "pre:C tok:- post:C/1 tok:tailSTMT_LIST post:STMT_LIST/1 tok:tD pre:D tok:- post:D/1 "
       "tok:tailEX_LIST post:EX_LIST/1", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Tree tree;
    Trace t;
    t.pre = c.pre;
    t.toks = c.toks;
    t.removeOnVisit = c.removeOnVisit;
    EXPECT_EQ(OrvWalkSubtree(tree.root, tree.root, &t, "TestWalker", PreCb, PostCb, TokCb), c.result);
    EXPECT_EQ(t.log, c.log);
  }
}

TEST(OrvWalkSubtree, ResultIsTheTailTokenAnswerThenThePostAnswer) {
  Tree tree;
  Trace t;
  t.toks["tailEX_LIST"] = 7;
  EXPECT_EQ(OrvWalkSubtree(tree.root, tree.root, &t, "W", nullptr, nullptr, TokCb), 7);
  Trace t2;
  t2.post["EX_LIST"] = 9;
  EXPECT_EQ(OrvWalkSubtree(tree.root, tree.root, &t2, "W", PreCb, PostCb, nullptr), 9);
}

TEST(OrvWalkSubtree, ARemovedLastChildIsNotPassedUp) {
  Tree tree;
  Trace t;
  t.removeOnVisit = "C";
  EXPECT_EQ(OrvWalkSubtree(tree.root, tree.root, &t, "W", PreCb, PostCb, nullptr), 1);
  EXPECT_EQ(t.log,
            "pre:EX_LIST pre:A post:A/1 pre:STMT_LIST pre:B post:B/1 pre:C post:C/3 post:STMT_LIST/1 "
            "pre:D post:D/1 post:EX_LIST/1");
}

TEST(OrvWalkSubtree, NodeWithEmptySlotsStillOffersItsTail) {
  OrvExprOper n(EX_LIST, nullptr, nullptr);
  n.Tokens().AddToken(SEP_DOT, OrvTxtPosn(), VString("tail"));
  Trace t;
  OrvWalkTree(&n, &t, "W", nullptr, nullptr, TokCb);
  EXPECT_EQ(t.log, "tok:- tok:- tok:tail");
  OrvWalkTree(nullptr, &t, "W", PreCb, PostCb, TokCb);  // nothing for a null root
  EXPECT_EQ(t.log, "tok:- tok:- tok:tail");
}

TEST(OrvWalkSubtree, TraceLinesNameTheWalkerAndTheCodes) {
  OrvExprOper n(EX_LIST, Str("A"));
  std::ostringstream trace;
  std::ostream* saved = OrvWalkTraceStream;
  OrvWalkTraceStream = &trace;
  OrvWalkTraceSwitch = 1;
  Trace t;
  OrvWalkTree(&n, &t, "MyWalker", PreCb, nullptr, nullptr);
  WalkTheTree(&n, &t, PlainCb);
  OrvWalkTraceSwitch = 0;
  OrvWalkTraceStream = saved;
  std::string s = trace.str();
  EXPECT_NE(s.find("MyWalker+++: EX_LIST e="), std::string::npos);
  EXPECT_NE(s.find("MyWalker---: CHAR_STRING e="), std::string::npos);
  EXPECT_NE(s.find("+++WalkTheTree: EX_LIST e="), std::string::npos);
  EXPECT_NE(s.find(" ret=1\n"), std::string::npos);
}

}  // namespace
