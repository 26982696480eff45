// Joining operands into list nodes, and filling empty argument slots.
#include <gtest/gtest.h>

#include <string>

#include "MessageRecorder.h"
#include "TestStrings.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvListExpr.h"

namespace {

OrvExpr* Str(const char* s) { return new OrvCharString(VString(s)); }

// "OP[a,b,...]" for operation nodes, the image for leaves, NULL, (null).
std::string Shape(const OrvExpr* e) {
  if (e == nullptr) return "(null)";
  if (e->IsNullNode()) return "NULL";
  if (e->HasImage()) return e->Image()->text;
  std::string s = std::string(OrvOperName(e->Oper())) + "[";
  for (int i = 0; i < e->NArgs(); ++i) {
    if (i) s += ',';
    s += Shape(e->Args(i));
    if (e->Args(i) && e->Args(i)->Parent() != e) s += "!parent";
  }
  return s + "]";
}

enum Operand { kNone, kNull, kLeafX, kLeafY, kListXY, kListZW, kOtherList };

OrvExpr* MakeOperand(Operand o) {
  switch (o) {
    case kNone: return nullptr;
    case kNull: return new OrvNullNode;
    case kLeafX: return Str("x");
    case kLeafY: return Str("y");
    case kListXY: return new OrvExprOper(EX_LIST, Str("x1"), Str("x2"));
    case kListZW: return new OrvExprOper(EX_LIST, Str("y1"), Str("y2"));
    case kOtherList: return new OrvExprOper(COBOL_PROGRAM_LIST, Str("p"));
  }
  return nullptr;
}

struct JoinCase {
  const char* name;
  Operand a;
  Operand b;
  const char* shape;
  int resultIs;  // 1: a itself, 2: b itself, 0: a new node or null
};

const JoinCase kJoinCases[] = {
    {"null null", kNone, kNone, "(null)", 0},
    {"NULL_NODE null", kNull, kNone, "NULL", 1},
    {"NULL_NODE NULL_NODE", kNull, kNull, "NULL", 1},
    {"null NULL_NODE", kNone, kNull, "(null)", 0},
    {"null leaf", kNone, kLeafY, "EX_LIST[y]", 0},
    {"NULL_NODE leaf", kNull, kLeafY, "EX_LIST[y]", 0},
    {"NULL_NODE list", kNull, kListZW, "EX_LIST[y1,y2]", 2},
    {"leaf null", kLeafX, kNone, "EX_LIST[x]", 0},
    {"leaf NULL_NODE", kLeafX, kNull, "EX_LIST[x]", 0},
    {"list null", kListXY, kNone, "EX_LIST[x1,x2]", 1},
    {"leaf leaf", kLeafX, kLeafY, "EX_LIST[x,y]", 0},
    {"list leaf", kListXY, kLeafY, "EX_LIST[x1,x2,y]", 1},
    {"leaf list", kLeafX, kListZW, "EX_LIST[x,y1,y2]", 2},
    {"list list", kListXY, kListZW, "EX_LIST[x1,x2,y1,y2]", 1},
    {"other list leaf", kOtherList, kLeafY, "EX_LIST[COBOL_PROGRAM_LIST[p],y]", 0},
};

class OrvListExprJoin : public ::testing::TestWithParam<JoinCase> {};

TEST_P(OrvListExprJoin, JoinsAndFlattens) {
  const JoinCase& c = GetParam();
  OrvExpr* a = MakeOperand(c.a);
  OrvExpr* b = MakeOperand(c.b);
  MessageRecorder rec;
  OrvExpr* r = OrvListExpr(EX_LIST, a, b);
  EXPECT_EQ(rec.size(), 0u);
  EXPECT_EQ(Shape(r), c.shape);
  if (c.resultIs == 1) {
    EXPECT_EQ(r, a);
  } else if (c.resultIs == 2) {
    EXPECT_EQ(r, b);
  }
  if (r != nullptr) {
    EXPECT_EQ(r->Parent(), nullptr);
  }
  delete r;  // every operand not in the result is gone already (ASan checks)
}

INSTANTIATE_TEST_SUITE_P(Operands, OrvListExprJoin, ::testing::ValuesIn(kJoinCases),
                         [](const ::testing::TestParamInfo<JoinCase>& info) {
                           std::string n = info.param.name;
                           for (char& ch : n) {
                             if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return n;
                         });

TEST(OrvListExpr, JoiningTwoListsMovesEveryElementWithItsTokens) {
  OrvExprOper* a = new OrvExprOper(EX_LIST, Str("a1"));
  OrvExprOper* b = new OrvExprOper(EX_LIST);
  for (int i = 0; i < 5; ++i) {
    b->AddArg(Str(("b" + std::to_string(i)).c_str()));
    b->ArgSlots(i)->tokens.AddToken(SEP_COMMA, OrvTxtPosn(1, i, 0), VString(","));
  }
  a->Tokens().AddToken(SEP_SPACE, OrvTxtPosn(1, 20, 0), VString(" "));
  b->Tokens().AddToken(SEP_DOT, OrvTxtPosn(1, 30, 0), VString("."));
  OrvExpr* r = OrvListExpr(EX_LIST, a, b);
  ASSERT_EQ(r, a);
  EXPECT_EQ(Shape(r), "EX_LIST[a1,b0,b1,b2,b3,b4]");
  for (int i = 1; i <= 5; ++i) {
    ASSERT_EQ(r->ArgSlots(i)->tokens.Count(), 1);
    EXPECT_EQ(r->ArgSlots(i)->tokens.First()->begin.Column(), i - 1);
  }
  // The tokens behind b are not lost with it.
  ASSERT_EQ(r->Tokens().Count(), 2);
  EXPECT_EQ(r->Tokens().First()->code, SEP_SPACE);
  EXPECT_EQ(r->Tokens().Last()->code, SEP_DOT);
  delete r;
}

TEST(OrvListExpr, NonListOperationIsReportedAndUsed) {
  OrvExpr* a = Str("x");
  a->Tokens().AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(3, 4, 0), VString("x"));
  MessageRecorder rec;
  OrvExpr* r = OrvListExpr(LOG_NOT, a, nullptr);
  ASSERT_GE(rec.size(), 1u);
  EXPECT_EQ(rec.text(0), "OrvListExpr: oper LOG_NOT is not a list oper");
  EXPECT_EQ(rec.messages()[0].posn.Line(), 3);
  EXPECT_EQ(Shape(r), "LOG_NOT[x]");
  delete r;
}

TEST(OrvListExpr, AnOperandJoinedToItselfIsLeftAlone) {
  OrvExprOper* a = new OrvExprOper(EX_LIST, Str("x"));
  EXPECT_EQ(OrvListExpr(EX_LIST, a, a), a);
  EXPECT_EQ(Shape(a), "EX_LIST[x]");
  delete a;
}

TEST(OrvFillNullArgs, FillsEveryEmptySlotOfTheTree) {
  OrvExpr* none = nullptr;
  OrvFillNullArgs(none);
  ASSERT_NE(none, nullptr);
  EXPECT_TRUE(none->IsNullNode());
  delete none;

  OrvExpr* tree = new OrvExprOper(COBOL_FILE);
  tree->SetArg(0, new OrvExprOper(EX_LIST, nullptr, Str("a")));
  tree->SetArg(3, new OrvExprOper(LOG_NOT));
  uint32_t before = OrvNodeCounter;
  OrvFillNullArgs(tree);
  EXPECT_EQ(Shape(tree), "COBOL_FILE[EX_LIST[NULL,a],NULL,NULL,LOG_NOT[NULL]]");
  EXPECT_EQ(OrvNodeCounter, before + 4);
  OrvFillNullArgs(tree);  // a full tree is left as it is
  EXPECT_EQ(OrvNodeCounter, before + 4);
  delete tree;
}

}  // namespace
