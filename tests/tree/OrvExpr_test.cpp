// The node base class: header of new and copied nodes, the stub reports of
// unsupported operations with their recursion guard, the node error report,
// and the release of deleted nodes.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "MessageRecorder.h"
#include "TestStrings.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvLink.h"

namespace {

OrvToken* Word(const char* text, int line, int column) {
  OrvTxtPosn beg(line, column, 0);
  OrvTxtPosn end(line, column + static_cast<int>(std::strlen(text)), 0);
  return new OrvToken(TK_USER_DEFD_WORD, VString(text), beg, end);
}

TEST(OrvExprHeader, NewNodeHasEmptyHeaderAndNextSerial) {
  OrvNullNode first;
  OrvCharString second(VString("ABC"));
  EXPECT_EQ(second.Serial(), first.Serial() + 1);
  EXPECT_EQ(second.Oper(), CHAR_STRING);
  EXPECT_EQ(second.NArgs(), 0);
  EXPECT_EQ(second.FromSrc(), 0);
  EXPECT_EQ(second.PrintValue(), 0);
  EXPECT_EQ(second.Parent(), nullptr);
  EXPECT_EQ(second.GenpBeg(), ORV_GENP_NONE);
  EXPECT_EQ(second.GenpEnd(), ORV_GENP_NONE);
  EXPECT_TRUE(second.Tokens().IsEmpty());
}

TEST(OrvExprHeader, CloneCopiesHeaderAndTokensButNotParentOrCounter) {
  OrvExprOper parent(EX_LIST);
  OrvCharString* leaf = new OrvCharString(VString("X"));
  parent.AddArg(leaf);
  leaf->SetFromSrc(1);
  leaf->SetPrintValue(-7);
  leaf->SetGenp(0x01000005, 0x02000009);
  OrvToken* t = Word("X", 3, 7);
  leaf->Tokens().Append(t);

  uint32_t counter = OrvNodeCounter;
  OrvExpr* copy = leaf->Clone();
  EXPECT_EQ(OrvNodeCounter, counter);
  EXPECT_EQ(copy->Serial(), leaf->Serial());
  EXPECT_EQ(copy->Oper(), CHAR_STRING);
  EXPECT_EQ(copy->FromSrc(), 1);
  EXPECT_EQ(copy->PrintValue(), -7);
  EXPECT_EQ(copy->GenpBeg(), 0x01000005u);
  EXPECT_EQ(copy->GenpEnd(), 0x02000009u);
  EXPECT_EQ(copy->Parent(), nullptr);
  ASSERT_EQ(copy->Tokens().Count(), 1);
  EXPECT_NE(copy->Tokens().First(), leaf->Tokens().First());
  EXPECT_EQ(copy->Tokens().First()->begin, leaf->Tokens().First()->begin);
  EXPECT_STREQ(copy->Image()->text, "X");
  delete copy;
}

TEST(OrvExprHeader, FromSourceAndPrintValueKeepTheirBitWidths) {
  OrvNullNode n;
  const int states[][2] = {{0, 0}, {1, 1}, {2, -2}, {3, -1}, {-1, -1}, {4, 0}};
  for (const auto& s : states) {
    SCOPED_TRACE(s[0]);
    n.SetFromSrc(s[0]);
    EXPECT_EQ(n.FromSrc(), s[1]);
  }
  n.SetPrintValue(511);
  EXPECT_EQ(n.PrintValue(), 511);
  n.SetPrintValue(512);
  EXPECT_EQ(n.PrintValue(), -512);
  n.SetPrintValue(-3);
  EXPECT_EQ(n.PrintValue(), -3);
}

// One row per base-class stub: the call and the method text it reports.
struct StubCase {
  const char* method;
  void (*call)(OrvExpr& node);
};

const StubCase kStubCases[] = {
    {"SetOper(OrvOper)", [](OrvExpr& n) { n.SetOper(EX_LIST, 0, 0); }},
    {"Image()", [](OrvExpr& n) { EXPECT_EQ(n.Image(), &OrvEmptyVString); }},
    {"Value()", [](OrvExpr& n) { EXPECT_EQ(n.Value().length, 0); }},
    {"IntValue()", [](OrvExpr& n) { EXPECT_EQ(n.IntValue(), -1); }},
    {"SetImage()", [](OrvExpr& n) {
       VString msg;
       EXPECT_EQ(n.SetImage(VString("A"), msg), 33);
     }},
    {"SetValue()", [](OrvExpr& n) { n.SetValue(VString("A")); }},
    {"SetValue()", [](OrvExpr& n) { n.SetValue(int64_t{5}); }},
    {"Args()", [](OrvExpr& n) { EXPECT_EQ(n.Args(0), nullptr); }},
    {"ArgSlots()", [](OrvExpr& n) { EXPECT_EQ(n.ArgSlots(0), nullptr); }},
    {"SetArg()", [](OrvExpr& n) { n.SetArg(0, static_cast<OrvExpr*>(nullptr), -1, 0); }},
    {"SetArg()", [](OrvExpr& n) { n.SetArgNoDel(0, nullptr); }},
    {"SetArg()", [](OrvExpr& n) { n.SetArg(0, static_cast<OrvArgSlot*>(nullptr)); }},
    {"SetArgToList()", [](OrvExpr& n) { n.SetArgToList(0, EX_LIST, nullptr); }},
    {"AddArg()", [](OrvExpr& n) { n.AddArg(nullptr); }},
    {"InsArg()", [](OrvExpr& n) { n.InsArg(nullptr, 0); }},
    {"InsSibBefore()", [](OrvExpr& n) { n.InsSibBefore(nullptr); }},
    {"InsSibAfter()", [](OrvExpr& n) { n.InsSibAfter(nullptr); }},
    {"DelArg()", [](OrvExpr& n) { EXPECT_EQ(n.DelArg(0, 0, 0), nullptr); }},
    {"DelArg()", [](OrvExpr& n) { EXPECT_EQ(n.DelArgSlot(0, 0, 0), nullptr); }},
    {"FindArg()", [](OrvExpr& n) { EXPECT_EQ(n.FindArg(&n), -1); }},
    {"Link()", [](OrvExpr& n) {
       OrvLink* l = n.Link(0);
       EXPECT_EQ(l, &OrvNullLink);
       EXPECT_EQ(l->node, nullptr);
       EXPECT_EQ(l->index, -1);
     }},
    {"Links()", [](OrvExpr& n) {
       OrvLinkList* l = n.Links(0);
       EXPECT_EQ(l, &OrvEmptyLinkList);
       EXPECT_TRUE(l->IsEmpty());
     }},
};

TEST(OrvExprStub, EveryUnsupportedOperationReportsOnceWithItsMethod) {
  OrvNullNode leaf;
  OrvToken* t = Word("ABC", 12, 7);
  leaf.Tokens().Append(t);
  for (const StubCase& c : kStubCases) {
    SCOPED_TRACE(c.method);
    MessageRecorder rec;
    c.call(leaf);
    ASSERT_EQ(rec.size(), 1u);
    EXPECT_EQ(rec.messages()[0].level, MSG_SEVERE);
    std::string expected = std::string(c.method) + " at expr node NULL_NODE #" +
                           std::to_string(leaf.Serial()) +
                           " with 0 args: this function must not be called";
    EXPECT_EQ(rec.text(0), expected);
    EXPECT_EQ(rec.messages()[0].posn.Line(), 12);
    EXPECT_EQ(rec.messages()[0].posn.Column(), 7);
  }
}

TEST(OrvExprStub, SharedNullLinkAndEmptyListStayNeutral) {
  OrvNullNode leaf;
  OrvNullNode target;
  MessageRecorder rec;
  *leaf.Link(0) = OrvLink(&target, 3);
  leaf.Links(0)->Append(OrvLink(&target, 5));
  const OrvLink* link = leaf.Link(0);
  EXPECT_EQ(link->node, nullptr);
  EXPECT_EQ(link->index, -1);
  EXPECT_TRUE(leaf.Links(0)->IsEmpty());
  EXPECT_EQ(rec.size(), 4u);
}

TEST(OrvExprStub, QueriesWithoutReportAnswerNeutralValues) {
  OrvCharString leaf(VString("ABC"));
  MessageRecorder rec;
  EXPECT_EQ(leaf.NLinks(), 0);
  EXPECT_EQ(leaf.NLinkLists(), 0);
  EXPECT_EQ(leaf.IsNullNode(), 0);
  EXPECT_EQ(leaf.LinkName(0), nullptr);
  EXPECT_EQ(leaf.LinkListName(0), nullptr);
  OrvExprOper oper(EX_LIST);
  EXPECT_EQ(oper.HasImage(), 0);
  EXPECT_EQ(rec.size(), 0u);
}

TEST(OrvExprStub, StubCalledFromInsideAReportSendsOnlyTheShortMessage) {
  OrvCharString leaf(VString("ABC"));
  static OrvCharString* target;
  target = &leaf;
  MessageRecorder rec;
  // The sink calls another stub while the first report is being sent.
  rec.onMessage = [](const RecordedMessage& m) {
    if (m.text.find("Args()") == 0) target->IntValue();
  };
  EXPECT_EQ(leaf.Args(0), nullptr);
  ASSERT_EQ(rec.size(), 2u);
  EXPECT_EQ(rec.text(1), "Recursive error calls -- cut them");
  EXPECT_EQ(rec.messages()[1].level, MSG_SEVERE);
  EXPECT_FALSE(rec.messages()[1].posn.IsSet());
  // The guard is released afterwards: the next stub reports in full.
  rec.onMessage = nullptr;
  rec.clear();
  leaf.IntValue();
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec.text(0).find("IntValue() at expr node CHAR_STRING"), 0u);
}

TEST(OrvExprStub, FreeRoutineWithoutNodeReportsWithoutPosition) {
  MessageRecorder rec;
  OrvStubMessage(nullptr, "Args()");
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_NE(rec.text(0).find("Args()"), std::string::npos);
  EXPECT_NE(rec.text(0).find("this function must not be called"), std::string::npos);
  EXPECT_FALSE(rec.messages()[0].posn.IsSet());
}

TEST(OrvExprMessage, ReportNamesBadOperationAndSlotCount) {
  OrvExprOper node(EX_LIST);
  node.AddArg(new OrvNullNode);
  node.AddArg(new OrvNullNode);
  MessageRecorder rec;
  node.NodeMessage(MSG_WARN, "Some::Method", VString("text here"));
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_EQ(rec.messages()[0].level, MSG_WARN);
  EXPECT_EQ(rec.text(0), "Some::Method at expr node EX_LIST #" + std::to_string(node.Serial()) +
                             " with 2 args: text here");
  EXPECT_FALSE(rec.messages()[0].posn.IsSet());
}

// Looks at a released node before its memory goes back through the
// release function it replaced.
struct ReleaseProbe {
  static inline bool allFilled = false;
  static inline std::size_t size = 0;
  static inline OrvNodeReleaseFn saved = nullptr;
  static void Release(void* memory, std::size_t n) {
    const unsigned char* p = static_cast<const unsigned char*>(memory);
    allFilled = true;
    for (std::size_t i = 0; i < n; ++i) allFilled = allFilled && p[i] == 0xAA;
    size = n;
    saved(memory, n);
  }
};

TEST(OrvExprDelete, DeletedNodeMemoryIsFilledWithAA) {
  OrvNodeReleaseFn saved = OrvNodeRelease;
  ReleaseProbe::saved = saved;
  OrvNodeRelease = ReleaseProbe::Release;
  OrvExpr* leaf = new OrvStrConst(VString("'HELLO'"));
  delete leaf;
  OrvNodeRelease = saved;
  EXPECT_TRUE(ReleaseProbe::allFilled);
  EXPECT_EQ(ReleaseProbe::size, sizeof(OrvStrConst));
}

TEST(OrvExprDelete, DeletingAChildStillInItsSlotReportsAndEmptiesTheSlot) {
  OrvExprOper parent(EX_LIST);
  OrvExpr* child = new OrvNullNode;
  parent.AddArg(child);
  parent.AddArg(new OrvNullNode);
  MessageRecorder rec;
  delete child;
  ASSERT_EQ(rec.size(), 1u);
  EXPECT_NE(rec.text(0).find("OrvExpr::~OrvExpr at expr node NULL_NODE"), std::string::npos);
  EXPECT_NE(rec.text(0).find("deleting node that is being pointed to"), std::string::npos);
  EXPECT_EQ(parent.NArgs(), 2);
  EXPECT_EQ(parent.Args(0), nullptr);  // no dangling pointer left behind
  EXPECT_NE(parent.Args(1), nullptr);
}

TEST(OrvExprTic, CommonPartWritesHeaderAndTokens) {
  OrvNullNode n;
  n.SetSerial(42);
  n.SetFromSrc(1);
  OrvToken* t = Word("MOVE", 12, 7);
  n.Tokens().Append(t);
  std::ostringstream out;
  n.PutTic(out);
  EXPECT_EQ(out.str(), "\no1:0:1:42:-T419,4:MOVE[12,7,n0][12,11,n0]#");
}

TEST(OrvExprTic, CommonPartReadsBackStateSerialAndTokens) {
  // Each row: the text after "o<op>:<slots>:", the state and serial read.
  struct Case {
    const char* text;
    int result;
    int state;
    uint32_t serial;
    int tokens;
  };
  const Case cases[] = {
      {"1:42:#", 0, 1, 42, 0},
      {"0:7:-T419,4:MOVE[12,7,n0][12,11,n0]#", 0, 0, 7, 1},
      {"-1:3:#", 0, -1, 3, 0},  // negative states are read back as written
      {"-2:3:#", 0, -2, 3, 0},
      {"1;42:#", 59, 0, 0, 0},
      {"1:x:#", 59, 1, 0, 0},
      {"1:42:!", 60, 1, 42, 0},
      {"-3:1:#", 59, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    OrvNullNode n;
    n.SetSerial(0);
    std::istringstream in(c.text);
    VString err;
    EXPECT_EQ(n.GetTic(in, err), c.result);
    if (c.result == 0) {
      EXPECT_EQ(n.FromSrc(), c.state);
      EXPECT_EQ(n.Serial(), c.serial);
      EXPECT_EQ(n.Tokens().Count(), c.tokens);
    } else {
      EXPECT_GT(err.length, 0);
    }
  }
}

TEST(OrvExprTic, NegativeStateRoundTrips) {
  for (int state : {-2, -1, 0, 1}) {
    SCOPED_TRACE(state);
    OrvNullNode n;
    n.SetFromSrc(state);
    std::ostringstream out;
    n.PutTic(out);
    std::string text = out.str();
    std::size_t start = text.find(':', text.find(':') + 1) + 1;  // after "o1:0:"
    std::istringstream in(text.substr(start));
    OrvNullNode back;
    VString err;
    ASSERT_EQ(back.GetTic(in, err), 0) << err.text;
    EXPECT_EQ(back.FromSrc(), state);
    EXPECT_EQ(back.Serial(), n.Serial());
  }
}

}  // namespace

namespace {

TEST(OrvArgSlotTic, StateAndOrderReadBackWithinTheirRange) {
  struct Case {
    const char* text;
    int result;
    uint16_t state;
    int16_t order;
  };
  const Case cases[] = {
      {"0:-1:#", 0, 0, -1},
      {"-32768:5:#", 0, 0x8000, 5},
      {"32769:-32768:#", 0, 0x8001, -32768},
      {"70000:0:#", 59, 0, -1},
      {"0:40000:#", 59, 0, -1},
      {"0:0;#", 59, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    OrvArgSlot slot;
    std::istringstream in(c.text);
    VString err;
    EXPECT_EQ(slot.GetTic(in, err), c.result);
    if (c.result == 0) {
      EXPECT_EQ(slot.state, c.state);
      EXPECT_EQ(slot.order, c.order);
      std::ostringstream out;
      slot.PutTic(out);
      OrvArgSlot again;
      std::istringstream back(out.str());
      ASSERT_EQ(again.GetTic(back, err), 0);
      EXPECT_EQ(again.state, slot.state);
      EXPECT_EQ(again.order, slot.order);
    } else {
      EXPECT_GT(err.length, 0);
    }
  }
}

}  // namespace

namespace {

// Records which print body a node's print operation reached.
struct PrintProbe {
  static inline std::string reached;
  static OrvResult Leaf(OrvExpr* n, int m, int f) {
    reached = "leaf:" + std::string(OrvOperName(n->Oper())) + std::to_string(m) + std::to_string(f);
    return 0;
  }
  static OrvResult Oper(OrvExpr* n, int, int) {
    reached = "oper:" + std::string(OrvOperName(n->Oper()));
    return 5;
  }
  static OrvResult Str(OrvExpr*, int, int) {
    reached = "str";
    return 7;
  }
};

TEST(OrvExprPrint, PrintOperationReachesTheBodyOfItsClass) {
  OrvNullNode leaf;
  OrvExprOper oper(EX_LIST);
  OrvStrConst str(VString("'A'"));
  // Without a printer every node answers 0 and prints nothing.
  EXPECT_EQ(leaf.PrettyPrintOper(1, 0), 0);
  EXPECT_EQ(oper.PrettyPrintOper(1, 0), 0);
  EXPECT_EQ(str.PrettyPrintOper(1, 0), 0);
  OrvPrettyPrintLeafFn = PrintProbe::Leaf;
  OrvPrettyPrintOperFn = PrintProbe::Oper;
  OrvPrettyPrintStrConstFn = PrintProbe::Str;
  EXPECT_EQ(leaf.PrettyPrintOper(1, 0), 0);
  EXPECT_EQ(PrintProbe::reached, "leaf:NULL_NODE10");
  EXPECT_EQ(oper.PrettyPrintOper(0, 1), 5);
  EXPECT_EQ(PrintProbe::reached, "oper:EX_LIST");
  EXPECT_EQ(str.PrettyPrintOper(0, 0), 7);
  EXPECT_EQ(PrintProbe::reached, "str");
  OrvPrettyPrintLeafFn = nullptr;
  OrvPrettyPrintOperFn = nullptr;
  OrvPrettyPrintStrConstFn = nullptr;
}

}  // namespace
