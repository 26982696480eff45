// Values of level-78 constants as the PICTURE expansion asks for them.
#include "OrvCalcValue.h"
#include "OrvOperSlots.h"

#include <gtest/gtest.h>

#include "NameTestSupport.h"
#include "OrvConstNodes.h"
#include "OrvDataItemBuild.h"

namespace {

class CalcValueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = nametest::NewProgram();
    list_ = new OrvExprOper(DECL_DD_LIST);
    program_->SetArg(COBOL_PROGRAM__DATA_DIVISION, list_, -1, 0);
  }
  void TearDown() override { delete program_; }
  OrvNamedObjDef* Constant(const char* name, OrvExpr* value) {
    OrvNamedObjDef* def = nullptr;
    list_->AddArg(OrvDeclConstEntry(&def, VString(name), value, program_));
    return def;
  }
  // A use of the constant `target`, resolved to it.
  OrvExpr* UseOf(OrvNamedObjDef* target) {
    OrvNamedObjUse* use = OrvNewNamedObjUseForElt(
        static_cast<OrvSymTabElt*>(target->Link(0)->node), SYMCAT_CONSTANT_NAME, nullptr);
    use->BindDefinition(target, 0);
    return use;
  }
  OrvExpr* program_ = nullptr;
  OrvExpr* list_ = nullptr;
};

TEST_F(CalcValueTest, IntegerConstants) {
  OrvNamedObjDef* ten = Constant("TEN", new OrvIntNumConst(VString("10"), 10));
  OrvNamedObjDef* alias = Constant("ALIAS", UseOf(ten));
  OrvExpr* unresolved = OrvNewNamedObjUse(new OrvExprOper(OF_IN_LIST), SYMCAT_DATA_NAME, 0);
  OrvNamedObjDef* dangling = Constant("DANGLING", unresolved);
  OrvNamedObjDef* text = Constant("TEXT", new OrvStrConst(VString("'A'")));
  OrvNamedObjDef* none = Constant("NONE", nullptr);
  OrvNamedObjDef* sum = Constant("SUM", new OrvExprOper(AR_ADD, new OrvIntNumConst(VString("1"), 1),
                                                         new OrvIntNumConst(VString("2"), 2)));
  struct {
    OrvExpr* node;
    bool hasValue;
    int64_t value;
  } cases[] = {
      {ten, true, 10},
      {ten->Parent(), true, 10},
      {alias, true, 10},
      {ten->Parent()->Args(DECL_CONST_ENTRY__CONSTANT_VALUE)->Args(EX_CONST_VALUE__VALUE), true, 10},
      {dangling, false, 0},
      {text, false, 0},
      {none, false, 0},
      // Arithmetic is the parse driver's: no value here.
      {sum, false, 0},
      {nullptr, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.node != nullptr ? OrvOperName(c.node->Oper()) : "null");
    OrvExpr* v = OrvCalcLiteralValue(c.node);
    ASSERT_EQ(c.hasValue, v != nullptr);
    if (v != nullptr) {
      EXPECT_EQ(INT_NUM_CONST, v->Oper());
      EXPECT_EQ(c.value, v->IntValue());
      EXPECT_EQ(nullptr, v->Parent());
      delete v;
    }
  }
  // A name use is not a constant.
  OrvNameUse name(*ten->Link(0));
  EXPECT_EQ(nullptr, OrvCalcLiteralValue(&name));
}

TEST_F(CalcValueTest, CyclicConstantsHaveNoValue) {
  OrvNamedObjDef* a = Constant("A", nullptr);
  OrvNamedObjDef* b = Constant("B", UseOf(a));
  a->Parent()->SetArg(DECL_CONST_ENTRY__CONSTANT_VALUE, new OrvExprOper(EX_CONST_VALUE, UseOf(b)), -1, 0);
  EXPECT_EQ(nullptr, OrvCalcLiteralValue(a));
  EXPECT_EQ(nullptr, OrvCalcLiteralValue(b));
}

}  // namespace
