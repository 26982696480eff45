// The action helper of CALL, CHAIN and INVOKE parameters on hand-built
// values: the passing mode in force recorded in each parameter.
#include <gtest/gtest.h>

#include "OrvGramCall.h"
#include "OrvGramNodes.h"
#include "OrvGramProcedure.h"
#include "OrvOperSlots.h"
#include "SemaTestSupport.h"

namespace {

class CallTest : public sematest::ParserTest {
 protected:
  void SetUp() override {
    ParserTest::SetUp();
    StartFile();
    BeginProgram("P");
  }
};

TEST_F(CallTest, AParameterRecordsThePassingModeInForce) {
  // USING BY CONTENT X Y SIZE 4 BY REFERENCE Z, as the grammar reduces it.
  std::uint16_t mode = EX_PT_BY_REFERENCE;
  OrvExpr* byContent = OrvGramPassingMode(EX_PT_BY_CONTENT, &mode);
  OrvExpr* x = OrvGramCallParam(byContent, Use(SYMCAT_DATA_NAME, {"X"}), OrvGramNullNode(), mode);
  OrvExpr* size = OrvGramNode(EX_CALL_PARAM_SIZE, new OrvIntNumConst(VString("4"), 4));
  OrvExpr* y = OrvGramCallParam(OrvGramNullNode(), Use(SYMCAT_DATA_NAME, {"Y"}), size, mode);
  OrvExpr* byReference = OrvGramPassingMode(EX_PT_BY_REFERENCE, &mode);
  OrvExpr* z = OrvGramCallParam(byReference, Use(SYMCAT_DATA_NAME, {"Z"}), OrvGramNullNode(), mode);
  const struct {
    OrvExpr* param;
    int phrase;
    int recorded;
  } expected[] = {{x, EX_PT_BY_CONTENT, EX_PT_BY_CONTENT},
                  {y, NULL_NODE, EX_PT_BY_CONTENT},
                  {z, EX_PT_BY_REFERENCE, EX_PT_BY_REFERENCE}};
  for (const auto& e : expected) {
    owned.push_back(e.param);
    ASSERT_EQ(e.param->Oper(), EX_CALL_PARAM);
    EXPECT_EQ(e.param->Args(EX_CALL_PARAM__PARAMETER_TYPE_PHRASE)->Oper(), e.phrase);
    EXPECT_EQ(e.param->Args(EX_CALL_PARAM__PARAMETER)->Oper(), NAMED_OBJ_USE);
    EXPECT_EQ(e.param->Args(EX_CALL_PARAM__ARG_TYPE)->Oper(), e.recorded);
  }
  EXPECT_EQ(y->Args(EX_CALL_PARAM__PARAMETER_SIZE), size);
  // Before the grammar set any mode a parameter counts as BY REFERENCE.
  OrvExpr* early = OrvGramCallParam(OrvGramNullNode(), Use(SYMCAT_DATA_NAME, {"W"}), OrvGramNullNode(), 0);
  owned.push_back(early);
  EXPECT_EQ(early->Args(EX_CALL_PARAM__ARG_TYPE)->Oper(), EX_PT_BY_REFERENCE);
}

TEST_F(CallTest, FillingANodeOfManySlotsLeavesTheAbsentChildrenEmpty) {
  OrvExpr* call = OrvGramNode(STMT_CALL);
  owned.push_back(call);
  OrvExpr* end = OrvGramNode(EX_END_CALL);
  EXPECT_EQ(OrvGramFillAll(call, OrvGramNullNode(), Use(SYMCAT_DATA_NAME, {"X"}), nullptr, nullptr, nullptr,
                           nullptr, nullptr, end),
            call);
  EXPECT_EQ(call->Args(STMT_CALL__CALL_CONVENTION)->Oper(), NULL_NODE);
  EXPECT_EQ(call->Args(STMT_CALL__CALLED_PROGRAM)->Oper(), NAMED_OBJ_USE);
  for (int slot = STMT_CALL__WITH_LINKAGE; slot < STMT_CALL__END_CALL; ++slot) EXPECT_EQ(call->Args(slot), nullptr) << slot;
  EXPECT_EQ(call->Args(STMT_CALL__END_CALL), end);
}

}  // namespace
