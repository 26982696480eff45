// Tests of the transformation engine on small trees: the walk of ApplyAll
// (what it tries, what it passes over after an application), one search
// step with its limits and the node it hands back, the count and report of
// applications, the iterator-driven searches and the trace lines.
#include "OrvTransEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "OrvExit.h"
#include "OrvExprIter.h"
#include "OrvLink.h"
#include "OrvMessage.h"
#include "OrvToken.h"
#include "TestStrings.h"
#include "TransformTestSupport.h"

namespace {

class Engine : public ::testing::Test {
protected:
  TransformStateGuard guard_;
  HandlerCapture handler_;
};

// The messages of a list as "LEVEL line:column text" lines.
std::string Messages(const OrvTokenList& list) {
  std::string text;
  for (const OrvTokenListNode* n = list.Head(); n; n = n->next) {
    const OrvToken* t = n->token;
    text += std::to_string(t->code) + " " + std::to_string(t->begin.Line()) + ":" +
            std::to_string(t->begin.Column() + 1) + " " + Str(t->image) + "\n";
  }
  return text;
}

// ---------------------------------------------------------------------------
// The walk
// ---------------------------------------------------------------------------

// One walk: a tree P(A(B(D), E), C), possibly a NULL_NODE or empty slots, a
// script, the mode; what was tried, what ApplyAll answered, the tree after.
struct WalkCase {
  const char* what;
  std::map<std::string, Step> script;
  int mode;
  int tracking;
  OrvResult result;
  const char* tried;
  const char* after;  // the tree after, as nested names
  const char* handler;  // the error handler's messages
};

// The tree as "P(A(B(D) E) C)".
std::string Shape(const NamedTree& t, const OrvExpr* node) {
  if (node == nullptr) return "-";
  std::string text = t.Name(node);
  if (node->NArgs() == 0) return text;
  text += "(";
  for (int i = 0; i < node->NArgs(); ++i)
    text += (i ? " " : "") + Shape(t, node->SlotAt(i)->child);
  return text + ")";
}

TEST_F(Engine, TheWalkTriesEachNodeOnceAndPassesOverWhatAnApplicationChanged) {
  const WalkCase cases[] = {
      {"nothing applies", {}, 1, 1, 0, "P A B D E C", "P(A(B(D) E) C)", ""},
      {"finding changes nothing", {{"A", {Act::Find}}, {"D", {Act::Find}}}, 0, 1, 0,
       "P A B D E C", "P(A(B(D) E) C)", ""},
      {"a replaced node is not descended into, its stand-in not tried",
       {{"A", {Act::Replace}}}, 1, 1, 0, "P A C", "P(A' C)", ""},
      {"a removed node's next sibling is walked", {{"B", {Act::Remove}}}, 1, 1, 0, "P A B E C",
       "P(A(E) C)", ""},
      {"an inserted node is not walked", {{"A", {Act::InsertAfter}}}, 1, 1, 0, "P A B D E C",
       "P(A(B(D) E) A+ C)", ""},
      {"a detached ancestor is walked again from its parent: the node now at its index",
       {{"D", {Act::DetachUp, "B"}}}, 1, 1, 0, "P A B D E C", "P(A(E) C)", ""},
      {"a detached grandparent: its parent walks the node now at its index",
       {{"E", {Act::DetachUp, "A"}}}, 1, 1, 0,
       "P A B D E C", "P(C)", ""},
      {"an error ends the walk", {{"B", {Act::Fail, "", 99}}}, 1, 1, 99, "P A B", "P(A(B(D) E) C)",
       ""},
      {"without tracking the walk descends and goes on by index", {{"A", {Act::Find}}}, 1, 0, 0,
       "P A B D E C", "P(A(B(D) E) C)", ""},
      {"a removed next sibling is reported lost; the walk goes on by index",
       {{"A", {Act::DetachUp, "C"}}}, 1, 1, 0, "P A B D E", "P(A(B(D) E))",
       "OrvTransWalker: next expression to be transformed was lost"},
  };
  for (const WalkCase& c : cases) {
    NamedTree t;
    std::unique_ptr<OrvExpr> root(
        t.List("P", {t.List("A", {t.List("B", {t.Leaf("D")}), t.Leaf("E")}), t.Leaf("C")}));
    ScriptedTransform x(t);
    x.script = c.script;
    x.tracking = c.tracking;
    HandlerCapture::texts().clear();
    const int first = OrvTransExprStack.first;
    const int end = OrvTransExprStack.end;
    OrvTokenList messages;
    EXPECT_EQ(x.ApplyAll(root.get(), c.mode, &messages, nullptr), c.result) << c.what;
    EXPECT_EQ(Joined(x.tried), c.tried) << c.what;
    EXPECT_EQ(Shape(t, root.get()), c.after) << c.what;
    EXPECT_EQ(Joined(HandlerCapture::texts()), c.handler) << c.what;
    EXPECT_EQ(OrvTransExprStack.first, first) << c.what;
    EXPECT_EQ(OrvTransExprStack.end, end) << c.what;
    EXPECT_EQ(OrvTransStack.depth, 0) << c.what;
  }
}

TEST_F(Engine, EmptySlotsAreSkippedAlsoAfterAnApplication) {
  // B's removal leaves its positional slot empty; the walk goes on with C,
  // behind one more empty slot.
  NamedTree t;
  std::unique_ptr<OrvExpr> root(t.Pos("P", STMT_IF, {t.Leaf("A"), t.Leaf("B"), nullptr, t.Leaf("C")}));
  ScriptedTransform x(t);
  x.script = {{"B", {Act::Remove}}};
  EXPECT_EQ(x.ApplyAll(root.get(), 1, nullptr, nullptr), ORV_OK);
  EXPECT_EQ(Joined(x.tried), "P A B C");
  EXPECT_EQ(Shape(t, root.get()), "P(A - - C)");
}

TEST_F(Engine, NullNodesAndCutOffSubtreesAreNotTried) {
  NamedTree t;
  std::unique_ptr<OrvExpr> root(t.Pos(
      "P", COBOL_PROGRAM, {t.Null("N"), t.Pos("Q", COBOL_PROGRAM, {t.Leaf("S")}), t.Leaf("R")}));
  ScriptedTransform x(t);
  EXPECT_EQ(x.ApplyAll(root.get(), 1, nullptr, nullptr), ORV_OK);
  EXPECT_EQ(Joined(x.tried), "P Q S R");
  x.tried.clear();
  x.cutOff = IsNestedProgram;
  const int end = OrvTransExprStack.end;
  EXPECT_EQ(x.ApplyAll(root.get(), 1, nullptr, nullptr), ORV_OK);
  EXPECT_EQ(Joined(x.tried), "P R");
  EXPECT_EQ(OrvTransExprStack.end, end);
  EXPECT_EQ(IsNestedProgram(root.get(), root.get()), 0);
  EXPECT_EQ(IsNestedProgram(t["Q"], root.get()), 1);
  EXPECT_EQ(IsNestedProgram(t["S"], root.get()), 0);
  // Without a walk function nothing is walked.
  x.tried.clear();
  x.walkFn = nullptr;
  EXPECT_EQ(x.ApplyAll(root.get(), 1, nullptr, nullptr), ORV_OK);
  EXPECT_TRUE(x.tried.empty());
}

TEST_F(Engine, ApplyAllHandsBackTheNodeStandingWhereItsStartStood) {
  // ApplyAll at A, whose walk replaces A itself: with a non-zero mode the
  // answer is A's parent, in mode 0 A itself.
  for (int mode : {0, 1}) {
    NamedTree t;
    std::unique_ptr<OrvExpr> root(t.List("P", {t.List("Q", {t.Leaf("A")})}));
    ScriptedTransform x(t);
    x.script = {{"A", {Act::Replace}}};
    OrvExpr* start = t["A"];
    OrvExpr* after = nullptr;
    EXPECT_EQ(x.ApplyAll(start, mode, nullptr, &after), ORV_OK);
    EXPECT_EQ(t.Name(after), mode ? "Q" : "A");
  }
}

// ---------------------------------------------------------------------------
// One search step
// ---------------------------------------------------------------------------

// A transformation that searches again, at the same node, from inside its
// ApplyOnce, until the engine refuses.
class Recursive : public OrvTransform {
public:
  OrvTransform* Clone() const override { return new Recursive(*this); }
  OrvResult ApplyOnce(OrvExpr* node, int mode, OrvTokenList* messages, OrvExpr**) override {
    ++calls;
    maxDepth = std::max(maxDepth, OrvTransStack.depth);
    return SearchTransform(this, node, mode, messages);
  }
  int calls = 0;
  int maxDepth = 0;
};

TEST_F(Engine, SearchesNestDeeperThan1024AreRefused) {
  NamedTree t;
  std::unique_ptr<OrvExpr> root(NamedTree::Place(t.Leaf("A"), 3, 12, OrvFileNameAdd(VString("a.cbl"))));
  Recursive x;
  OrvTokenList messages;
  EXPECT_EQ(OrvTransform::SearchTransform(&x, root.get(), 0, &messages), ORV_TRANS_STACK_FULL);
  EXPECT_EQ(x.calls, OrvTransNesting::Capacity);
  EXPECT_EQ(x.maxDepth, OrvTransNesting::Capacity);
  EXPECT_EQ(OrvTransStack.depth, 0);
  EXPECT_EQ(Messages(messages),
            "971 3:12 OrvTransform::SearchTransform: transformation stack limit exceeded\n");
}

TEST_F(Engine, SearchHandsBackTheNodeThatStandsWhereTheNodeStood) {
  struct Case {
    const char* what;
    const char* scripted;  // the node with the step, or null
    Act act;
    int mode;
    int tracking;
    const char* start;
    OrvResult result;
    const char* after;
  };
  const Case cases[] = {
      {"not applied", nullptr, Act::Find, 1, 1, "C", ORV_TRANS_NOT_APPLIED, "C"},
      {"applied in mode 0", "A", Act::Replace, 0, 1, "A", ORV_OK, "A"},
      {"replaced: its parent", "A", Act::Replace, 1, 1, "A", ORV_OK, "Q"},
      {"removed: its parent", "A", Act::Remove, 1, 1, "A", ORV_OK, "Q"},
      {"a replaced child of the root: the root", "Q", Act::Replace, 1, 1, "Q", ORV_OK, "P"},
      {"the root itself", "P", Act::Find, 1, 1, "P", ORV_OK, "P"},
      {"without tracking: the node given", "A", Act::Find, 1, 0, "A", ORV_OK, "A"},
  };
  for (const Case& c : cases) {
    NamedTree t;
    std::unique_ptr<OrvExpr> root(t.List("P", {t.List("Q", {t.Leaf("A")}), t.Leaf("C")}));
    ScriptedTransform x(t);
    x.tracking = c.tracking;
    if (c.scripted) x.script = {{c.scripted, {c.act}}};
    OrvExpr* after = nullptr;
    EXPECT_EQ(OrvTransform::SearchTransform(&x, t[c.start], c.mode, nullptr, &after), c.result)
        << c.what;
    EXPECT_EQ(t.Name(after), c.after) << c.what;
  }
}

TEST_F(Engine, APathThatDoesNotFitRunsNothingAndUndoesItsPushes) {
  // A chain of 1100 nodes below the root.
  NamedTree t;
  std::unique_ptr<OrvExpr> root(t.List("P"));
  OrvExpr* bottom = root.get();
  for (int i = 0; i < 1100; ++i) {
    OrvExpr* child = new OrvExprOper(EX_LIST);
    bottom->AddArg(child);
    bottom = child;
  }
  t.Add("Z", bottom);
  ScriptedTransform x(t);
  x.script = {{"Z", {Act::Find}}};
  OrvTokenList messages;
  OrvExpr* after = nullptr;
  EXPECT_EQ(OrvTransform::SearchTransform(&x, bottom, 1, &messages, &after), ORV_TRANS_STACK_FULL);
  EXPECT_TRUE(x.tried.empty());
  EXPECT_EQ(OrvTransStack.depth, 0);
  EXPECT_EQ(Messages(messages), "971 0:1 OrvExprPath::Set: expr path overflow\n");
  messages.Clear();
  const int first = OrvTransExprStack.first;
  const int end = OrvTransExprStack.end;
  EXPECT_EQ(x.ApplyAll(bottom, 1, &messages, &after), ORV_TRANS_STACK_FULL);
  EXPECT_TRUE(x.tried.empty());
  EXPECT_EQ(OrvTransExprStack.first, first);
  EXPECT_EQ(OrvTransExprStack.end, end);
  // In mode 0 no path is needed: the search runs.
  EXPECT_EQ(OrvTransform::SearchTransform(&x, bottom, 0, &messages, &after), ORV_OK);
  EXPECT_EQ(after, bottom);
}

// A transformation that, at its first node, searches `inner` at `other`
// with a list of its own before it reports its own application.
class Outer : public OrvTransform {
public:
  OrvTransform* Clone() const override { return new Outer(*this); }
  OrvResult ApplyOnce(OrvExpr*, int mode, OrvTokenList*, OrvExpr**) override {
    OrvTokenList innerMessages;
    SearchTransform(inner, other, mode, &innerMessages);
    innerText = Messages(innerMessages);
    WillTransform(0);
    return ORV_OK;
  }
  OrvTransform* inner = nullptr;
  OrvExpr* other = nullptr;
  std::string innerText;
};

TEST_F(Engine, AnOuterApplicationReportsIntoItsOwnListAfterANestedSearch) {
  NamedTree t;
  const int file = OrvFileNameAdd(VString("n.cbl"));
  std::unique_ptr<OrvExpr> root(t.List("P", {NamedTree::Place(t.Leaf("A"), 4, 8, file),
                                             NamedTree::Place(t.Leaf("B"), 9, 12, file)}));
  ScriptedTransform inner(t, "inner");
  inner.script = {{"B", {Act::Find}}};
  Outer outer;
  outer.name = VString("outer");
  outer.inner = &inner;
  outer.other = t["B"];
  OrvConvInfo = 1;
  OrvTokenList messages;
  EXPECT_EQ(OrvTransform::SearchTransform(&outer, t["A"], 0, &messages), ORV_OK);
  EXPECT_EQ(outer.innerText, "968 9:12 Applied inner (scripted steps)\n");
  EXPECT_EQ(Messages(messages), "968 4:8 Applied outer ()\n");
  EXPECT_EQ(OrvTransCurrent.node, nullptr);
  EXPECT_EQ(OrvTransCurrent.messages, nullptr);
}

// ---------------------------------------------------------------------------
// Counting and reporting applications
// ---------------------------------------------------------------------------

TEST_F(Engine, WillTransformCountsAndReportsByTheFindOnlySwitch) {
  struct Case {
    int convInfo;
    int findOnly;
    int silent;
    const char* messages;
    int count;
  };
  const Case cases[] = {
      {1, 1, 0, "968 7:12 Found scripted (scripted steps)\n", 1},
      {1, 0, 0, "968 7:12 Applied scripted (scripted steps)\n", 1},
      {0, 0, 0, "", 1},
      {1, 0, 1, "", 0},
  };
  for (const Case& c : cases) {
    OrvTransAppliedMap = OrvTransAppliedTable();
    OrvConvInfo = c.convInfo;
    OrvTransFindOnly = c.findOnly;
    NamedTree t;
    std::unique_ptr<OrvExpr> node(NamedTree::Place(t.Leaf("A"), 7, 12, OrvFileNameAdd(VString("w.cbl"))));
    ScriptedTransform x(t);
    x.script = {{"A", {Act::Find}}};
    OrvTokenList messages;
    if (c.silent) {
      OrvTransCurrent = {node.get(), 0, &messages};
      x.WillTransform(1);
      OrvTransCurrent = OrvTransCall();
    } else {
      EXPECT_EQ(OrvTransform::SearchTransform(&x, node.get(), 0, &messages), ORV_OK);
    }
    EXPECT_EQ(Messages(messages), c.messages);
    EXPECT_EQ(OrvTransAppliedMap.count, c.count ? 1 : 0);
    if (c.count) {
      EXPECT_EQ(OrvTransAppliedMap.entries[0].count, c.count);
    }
  }
}

TEST_F(Engine, TheMapCountsPerNameAndRefusesThe201stName) {
  OrvTransAppliedMap = OrvTransAppliedTable();
  NamedTree t;
  ScriptedTransform x(t);
  for (int i = 0; i < OrvTransAppliedTable::Capacity; ++i) {
    x.name = OrvFormat("x%d", i);
    x.WillTransform(0);
  }
  x.name = VString("x7");
  x.WillTransform(0);
  EXPECT_TRUE(HandlerCapture::texts().empty());
  x.name = VString("one-too-many");
  x.WillTransform(0);
  x.WillTransform(0);
  EXPECT_EQ(OrvTransAppliedMap.count, OrvTransAppliedTable::Capacity);
  EXPECT_EQ(OrvTransAppliedMap.entries[7].count, 2);
  EXPECT_EQ(Joined(HandlerCapture::texts()),
            "SEVERE ERROR: OrvTransform::WillTransform: too many transformations in a map "
            "SEVERE ERROR: OrvTransform::WillTransform: too many transformations in a map");
}

// ---------------------------------------------------------------------------
// Iterator-driven searches
// ---------------------------------------------------------------------------

TEST_F(Engine, SearchNextAndPrevStopAtTheNextApplicationOrTheEnd) {
  NamedTree t;
  std::unique_ptr<OrvExpr> root(t.List("P", {t.List("Q", {t.Leaf("S")}), t.Leaf("R")}));
  ScriptedTransform x(t);
  x.script = {{"S", {Act::Find}}, {"P", {Act::Find}}};
  OrvExprIter iter(root.get());
  EXPECT_EQ(x.SearchNext(iter, nullptr), ORV_OK);
  EXPECT_EQ(t.Name(iter.current), "S");
  EXPECT_EQ(x.SearchNext(iter, nullptr), ORV_TRANS_ITER_END);
  iter.current = t["R"];
  EXPECT_EQ(x.SearchNext(iter, nullptr), ORV_TRANS_ITER_END);
  iter.current = t["R"];
  EXPECT_EQ(x.SearchPrev(iter, nullptr), ORV_OK);
  EXPECT_EQ(t.Name(iter.current), "S");
  EXPECT_EQ(x.SearchPrev(iter, nullptr), ORV_OK);
  EXPECT_EQ(t.Name(iter.current), "P");
  EXPECT_EQ(x.SearchPrev(iter, nullptr), ORV_TRANS_ITER_END);
  iter.current = nullptr;
  EXPECT_EQ(x.SearchNext(iter, nullptr), ORV_TRANS_ITER_END);
  // An error of the transformation is answered at once.
  x.script = {{"Q", {Act::Fail, "", 77}}};
  iter.current = root.get();
  EXPECT_EQ(x.SearchNext(iter, nullptr), 77);
  EXPECT_EQ(t.Name(iter.current), "Q");
}

TEST_F(Engine, SearchAllCollectsEveryApplicationRootFirstAndEnds) {
  NamedTree t;
  std::unique_ptr<OrvExpr> root(t.List("P", {t.List("Q", {t.Leaf("S")}), t.Leaf("R")}));
  ScriptedTransform x(t);
  x.script = {{"P", {Act::Find}}, {"S", {Act::Find}}, {"R", {Act::Find}}};
  OrvExprIter iter(t["S"]);
  iter.root = root.get();
  OrvLinkList found;
  EXPECT_EQ(x.SearchAll(iter, found, nullptr), ORV_OK);
  EXPECT_EQ(LinkNames(t, found), "P S R");
  EXPECT_EQ(Joined(x.tried), "P Q S R");
  x.script = {{"S", {Act::Find}}, {"Q", {Act::Fail, "", 70}}};
  OrvLinkList partial;
  EXPECT_EQ(x.SearchAll(iter, partial, nullptr), 70);
  EXPECT_TRUE(partial.IsEmpty());
}

TEST_F(Engine, MatchAtTellsWhetherTheTransformationApplies) {
  NamedTree t;
  std::unique_ptr<OrvExpr> root(t.List("P", {t.Leaf("A"), t.Leaf("B"), t.Leaf("C")}));
  ScriptedTransform x(t);
  x.script = {{"A", {Act::Replace}}, {"C", {Act::Fail, "", 80}}};
  int applied = -1;
  EXPECT_EQ(x.MatchAt(t["A"], applied, nullptr), ORV_OK);
  EXPECT_EQ(applied, 1);
  EXPECT_EQ(Shape(t, root.get()), "P(A B C)");  // mode 0 changes nothing
  EXPECT_EQ(x.MatchAt(t["B"], applied, nullptr), ORV_OK);
  EXPECT_EQ(applied, 0);
  EXPECT_EQ(x.MatchAt(t["C"], applied, nullptr), 80);
  EXPECT_EQ(applied, 0);
}

TEST_F(Engine, ApplyRepeatedlyGoesOnWhereTheLastRoundLeftANode) {
  // A's replacement leaves Q where A stood; the script replaces Q in turn,
  // then P stands there, where nothing applies.
  NamedTree t;
  std::unique_ptr<OrvExpr> root(t.List("P", {t.List("Q", {t.Leaf("A")})}));
  ScriptedTransform x(t);
  x.script = {{"A", {Act::Replace}}, {"Q", {Act::Replace}}};
  OrvExpr* after = nullptr;
  EXPECT_EQ(x.ApplyRepeatedly(t["A"], nullptr, &after), ORV_OK);
  EXPECT_EQ(Joined(x.tried), "A Q P");
  EXPECT_EQ(Shape(t, root.get()), "P(Q')");
  EXPECT_EQ(after, root.get());
  x.script = {{"P", {Act::Fail, "", 90}}};
  EXPECT_EQ(x.ApplyRepeatedly(root.get(), nullptr, nullptr), 90);
}

// ---------------------------------------------------------------------------
// Traces
// ---------------------------------------------------------------------------

TEST_F(Engine, TraceLinesFollowTheSearchesOfAWalk) {
  NamedTree t;
  std::unique_ptr<OrvExpr> root(t.List("P", {t.Leaf("A")}));
  ScriptedTransform x(t);
  x.script = {{"A", {Act::Find}}};
  OrvTransTraceLevel = 2;
  testing::internal::CaptureStdout();
  EXPECT_EQ(x.ApplyAll(root.get(), 1, nullptr, nullptr), ORV_OK);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(OrvDebugContextStackPtr, DEBUG_CONTEXT_STACK_DEPTH);
  // Addresses vary: each is replaced by ADDR (the null address reads 0).
  out = std::regex_replace(out, std::regex("0x[0-9a-f]+"), "ADDR");
  const std::string p = "e=ADDR op=EX_LIST @=(null)";
  const std::string a = "e=ADDR op=CHAR_STRING @=(null)";
  EXPECT_EQ(out,
            "=>ApplyAll: scripted " + p + " t=1 eaft=no\n"
            ":>TrnWkr: scripted " + p + " t=-1 eaft=no\n"
            "->ApplyOnce: scripted " + p + " t=1 eaft=no\n"
            "<-ApplyOnce: scripted " + p + " eaft=0 rc=65\n"
            ":>TrnWkr: scripted " + a + " t=-1 eaft=no\n"
            "->ApplyOnce: scripted " + a + " t=1 eaft=no\n"
            "**WillTr: scripted op=CHAR_STRING @=(null) i=" + std::to_string(t["A"]->Serial()) +
            " t=1\n"
            "<-ApplyOnce: scripted " + a + " eaft=0 rc=0\n"
            "TrWkr***: check expr stack: from " + std::to_string(OrvTransExprStack.end + 1) +
            " to " + std::to_string(OrvTransExprStack.end + 3) + "\n"
            ":<TrWkr: scripted " + a + " eaft=0 rc=0\n"
            ":<TrWkr: scripted " + p + " eaft=0 rc=65\n"
            "<-ApplyAll: scripted " + p + " eaft=0 rc=0\n");
}

}  // namespace
