// Expression text of references and values.
#include "OrvExprStr.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "NameTestSupport.h"
#include "OrvConstNodes.h"


namespace {

class OrvExprStrTest : public ::testing::Test {
 protected:
  void SetUp() override { table_ = new OrvExprOper(SYMBOL_TABLE_ELT_LIST); }
  void TearDown() override { delete table_; }

  // A name use of `name` in the table.
  OrvExpr* Name(const char* name) {
    return new OrvNameUse(OrvLink(OrvSymTabFindOrAddElt(table_, VString(name)), -1));
  }
  // A named-object use of X OF G ... .
  OrvExpr* Ref(std::initializer_list<const char*> names) {
    OrvExpr* list = new OrvExprOper(OF_IN_LIST);
    for (const char* n : names) list->AddArg(Name(n));
    return new OrvNamedObjUse(list, SYMCAT_DATA_NAME, 0);
  }
  OrvExpr* Int(int64_t v) { return new OrvIntNumConst(OrvFormat("%lld", (long long)v), v); }
  OrvExpr* Lit(const char* image) { return new OrvStrConst(VString(image)); }
  OrvExpr* Op(OrvOper op) { return new OrvExprOper(op); }
  OrvExpr* Op(OrvOper op, OrvExpr* a) { return new OrvExprOper(op, a); }
  OrvExpr* Op(OrvOper op, OrvExpr* a, OrvExpr* b) { return new OrvExprOper(op, a, b); }
  OrvExpr* Op(OrvOper op, OrvExpr* a, OrvExpr* b, OrvExpr* c) {
    return new OrvExprOper(op, a, b, c);
  }

  OrvExpr* table_ = nullptr;
};

TEST_F(OrvExprStrTest, TextOfEachShape) {
  struct Case {
    const char* what;
    std::function<OrvExpr*()> make;
    const char* text;
  };
  const Case cases[] = {
      {"null pointer", [] { return static_cast<OrvExpr*>(nullptr); }, "-[undefined]-"},
      {"NULL_NODE", [] { return static_cast<OrvExpr*>(new OrvNullNode()); }, "-[undefined]-"},
      {"plain name", [&] { return Ref({"X"}); }, "X"},
      {"qualified", [&] { return Ref({"X", "G", "R"}); }, "X OF G OF R"},
      {"name use", [&] { return Name("CUST-NO"); }, "CUST-NO"},
      {"integer", [&] { return Int(-5); }, "-5"},
      {"real", [] { return static_cast<OrvExpr*>(new OrvRealNumConst(VString("3.25"))); },
       "3.25"},
      {"string literal", [&] { return Lit("'AB'"); }, "'AB'"},
      {"ZERO", [&] { return Op(FIG_ZERO); }, "ZERO"},
      {"SPACES", [&] { return Op(FIG_SPACE); }, "SPACES"},
      {"HIGH-VALUES", [&] { return Op(FIG_HIGH_VALUE); }, "HIGH-VALUES"},
      {"LOW-VALUES", [&] { return Op(FIG_LOW_VALUE); }, "LOW-VALUES"},
      {"QUOTE", [&] { return Op(FIG_QUOTE); }, "QUOTE"},
      {"NULL", [&] { return Op(FIG_NULL); }, "NULL"},
      {"index ALL", [&] { return Op(EX_INDEX_ALL); }, "ALL"},
      {"ALL literal", [&] { return Op(FIG_ALL, Lit("\"AB\"")); }, "ALL 'AB'"},
      {"list", [&] { return Op(EX_LIST, Int(1), Ref({"Y"})); }, "1 , Y"},
      {"empty list", [&] { return Op(EX_LIST); }, ""},
      {"value range", [&] { return Op(EX_VALUE_RANGE, Int(1), Int(5)); }, "1 THRU 5"},
      {"value range without THRU", [&] { return Op(EX_VALUE_RANGE, Int(7), new OrvNullNode()); },
       "7"},
      {"value range list",
       [&] {
         return Op(EX_VALUE_RANGE_LIST, Op(EX_VALUE_RANGE, Int(1), nullptr),
                   Op(EX_VALUE_RANGE, Int(3), nullptr));
       },
       "1 3"},
      {"when false", [&] { return Op(EX_VALUE_WHEN_FALSE, Int(0)); }, "0"},
      {"reference modification", [&] { return Op(REFERENCE_MOD, Ref({"X"}), Int(1), Int(4)); },
       "X(1:4)"},
      {"reference modification without length",
       [&] { return Op(REFERENCE_MOD, Ref({"X"}), Int(1), nullptr); }, "X(1:-[undefined]-)"},
      {"table element", [&] { return Op(TABLE_ELT, Ref({"T"}), Int(3)); }, "T(3)"},
      {"subscript list",
       [&] { return Op(TABLE_ELT, Ref({"T"}), Op(SUBSCRIPT_LIST, Int(1), Int(2))); },
       "T(-[unknown]-)"},
      {"index plus", [&] { return Op(OP_ADD_IX, Ref({"I"}), Int(1)); }, "I + 1"},
      {"index minus", [&] { return Op(OP_SUB_IX, Ref({"I"}), Int(2)); }, "I - 2"},
      {"sum", [&] { return Op(AR_ADD, Int(1), Int(2)); }, "1 + 2"},
      {"difference", [&] { return Op(AR_SUB, Int(9), Int(3)); }, "9 - 3"},
      {"concatenation", [&] { return Op(STR_CONCATENATE, Lit("'A'"), Lit("'B'")); },
       "'A' & 'B'"},
      {"other operation", [&] { return Op(AR_MUL, Int(2), Int(3)); }, "-[unknown]-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    OrvExpr* node = c.make();
    EXPECT_EQ(std::string(c.text), Str(OrvExprStr(node)));
    delete node;
  }
}

TEST_F(OrvExprStrTest, UnboundNameShowsEmpty) {
  OrvExpr* ref = Ref({"X", "G"});
  delete table_;  // the elements go; the uses become unbound
  table_ = new OrvExprOper(SYMBOL_TABLE_ELT_LIST);
  EXPECT_EQ(" OF ", Str(OrvExprStr(ref)));
  delete ref;
}

TEST_F(OrvExprStrTest, DeepNestingIsCut) {
  OrvExpr* expr = Int(0);
  for (int i = 1; i <= 1000; ++i) expr = Op(AR_ADD, expr, Int(i));
  std::string text = Str(OrvExprStr(expr));
  // The operands below depth 256 show as unknown, the rest in full.
  EXPECT_EQ(0u, text.find("-[unknown]- + -[unknown]- + 745 + 746 + ")) << text.substr(0, 40);
  EXPECT_EQ(text.size() - 7, text.rfind(" + 1000"));
  delete expr;
}

TEST_F(OrvExprStrTest, QualifierWithoutImageShowsEmpty) {
  OrvExpr* list = new OrvExprOper(OF_IN_LIST);
  list->AddArg(Name("X"));
  list->AddArg(Op(EX_LIST));
  EXPECT_EQ("X OF ", Str(OrvExprStr(list)));
  delete list;
}

}  // namespace
