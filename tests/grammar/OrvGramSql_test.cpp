// The embedded SQL helpers of the grammar's actions on hand-built values:
// host-variable names and WHENEVER labels are looked up in upper case and
// take their identifier's tokens, rows of VALUES are wrapped once, VALUE
// as a column name, and function calls by any name.
#include <gtest/gtest.h>

#include "GrammarActionTest.h"
#include "OrvConstNodes.h"
#include "OrvGramNodes.h"
#include "OrvGramSql.h"
#include "OrvListExpr.h"
#include "OrvNameNodes.h"
#include "OrvOperSlots.h"
#include "TreeShape.h"

namespace {

using tree_shape::Shape;

class SqlActionsTest : public grammar_actions::ProgramTest {
 protected:
  // A stack entry holding an SQL identifier as the token fetch makes it.
  static OrvExpr* Identifier(const char* image) { return new OrvCharString(VString(image)); }
  static OrvTokenList OneToken(const char* image) {
    OrvTokenList tokens;
    tokens.AddToken(ST_IDENT, OrvTxtPosn(9, 20, 1), VString(image));
    return tokens;
  }
  static OrvExpr* ElementOf(OrvExpr* nameUse) { return nameUse->Link(0)->node; }
};

// Words inside EXEC may keep their case; COBOL names are upper case.
TEST_F(SqlActionsTest, AHostVariableNameIsLookedUpInUpperCaseAndTakesItsToken) {
  OrvExpr* entry = Identifier("ws-x");
  OrvTokenList tokens = OneToken("ws-x");
  OrvExpr* use = OrvGramSqlName(&entry, &tokens);
  EXPECT_EQ(entry, nullptr);
  ASSERT_NE(use, nullptr);
  EXPECT_EQ(use->Oper(), NAME_USE);
  EXPECT_EQ(ElementOf(use), Name("WS-X"));
  EXPECT_TRUE(tokens.IsEmpty());
  ASSERT_NE(use->Tokens().First(), nullptr);
  EXPECT_EQ(Str(use->Tokens().First()->Image()), "ws-x");
  OrvExpr* host = OrvGramSqlHostVar(OrvListExpr(SQL_VAR_NAME_LIST, use, nullptr));
  EXPECT_EQ(Shape(host), "SQL_HOST_VAR_REF(WS-X@10)");
  delete host;
}

TEST_F(SqlActionsTest, AHostVariablePathKeepsTheNamedItemLast) {
  OrvExpr* group = Identifier("A");
  OrvExpr* item = Identifier("b");
  OrvExpr* names = OrvListExpr(SQL_VAR_NAME_LIST, OrvGramSqlName(&group, nullptr), nullptr);
  names = OrvListExpr(SQL_VAR_NAME_LIST, names, OrvGramSqlName(&item, nullptr));
  OrvExpr* host = OrvGramSqlHostVar(names);
  EXPECT_EQ(Shape(host), "SQL_HOST_VAR_REF(A.B@10)");
  const OrvExpr* use = host->Args(0);
  EXPECT_EQ(static_cast<const OrvNamedObjUse*>(use)->Category(), SYMCAT_DATA_NAME);
  delete host;
}

TEST_F(SqlActionsTest, ALabelIsAProcedureNameUseOfOneName) {
  OrvExpr* entry = Identifier("p1");
  OrvTokenList tokens = OneToken("p1");
  OrvExpr* label = OrvGramSqlLabel(&entry, &tokens);
  EXPECT_EQ(entry, nullptr);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(Shape(label), "P1@19");
  ASSERT_EQ(label->Args(0)->Oper(), OF_IN_LIST);
  EXPECT_EQ(label->Args(0)->NArgs(), 1);
  EXPECT_EQ(ElementOf(label->Args(0)->Args(0)), Name("P1"));
  EXPECT_TRUE(tokens.IsEmpty());
  delete label;
}

TEST_F(SqlActionsTest, ARowConstructorIsARowAndAnyOtherValueIsWrapped) {
  OrvExpr* constructor = OrvGramNode(SQL_ROW_CONSTRUCTOR, OrvListExpr(SQL_EXPR_LIST, Identifier("A"), nullptr));
  EXPECT_EQ(OrvGramSqlRow(constructor), constructor);
  EXPECT_EQ(Shape(constructor), "SQL_ROW_CONSTRUCTOR(SQL_EXPR_LIST[A])");
  delete constructor;
  OrvExpr* parens = OrvGramSqlRow(OrvGramNode(SQL_OP_PARENS, Identifier("B")));
  EXPECT_EQ(Shape(parens), "SQL_ROW_CONSTRUCTOR(SQL_EXPR_LIST[SQL_OP_PARENS(B)])");
  delete parens;
}

TEST_F(SqlActionsTest, ValueAsAColumnNameIsItsWord) {
  OrvExpr* value = OrvGramSqlValueWord();
  EXPECT_EQ(value->Oper(), CHAR_STRING);
  EXPECT_EQ(Str(*value->Image()), "VALUE");
  delete value;
}

// "()" leaves the argument slot empty, which the finished tree cannot tell
// from an absent part.
TEST_F(SqlActionsTest, AFunctionWithoutArgumentsLeavesItsListSlotEmpty) {
  OrvExpr* call = OrvGramSqlFunction(Identifier("IDENTITY_VAL_LOCAL"), nullptr);
  EXPECT_EQ(call->Oper(), INTR_FUNCTION);
  EXPECT_EQ(call->Args(1), nullptr);
  EXPECT_EQ(Shape(call), "INTR_FUNCTION(IDENTITY_VAL_LOCAL, -)");
  delete call;
  OrvExpr* length = OrvGramSqlFunction(Identifier("LENGTH"), OrvListExpr(SQL_EXPR_LIST, Identifier("X"), nullptr));
  EXPECT_EQ(Shape(length), "INTR_FUNCTION(LENGTH, SQL_EXPR_LIST[X])");
  delete length;
}

}  // namespace
