// Symbol tables: sorted lookup and insertion, unique names, definitions and
// their removal, and the factories of named-object uses.
#include "OrvSymTab.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "NameTestSupport.h"
#include "OrvConstNodes.h"
#include "OrvToken.h"

using nametest::TableNames;

namespace {

OrvExpr* NewTable(std::initializer_list<const char*> names) {
  OrvExpr* table = new OrvExprOper(SYMBOL_TABLE_ELT_LIST);
  for (const char* n : names) OrvSymTabFindOrAddElt(table, VString(n));
  return table;
}

struct FindCase {
  std::vector<const char*> table;
  const char* name;
  bool found;
  int pos;
};

TEST(OrvSymTabFindEltTest, PositionsOfHitsAndMisses) {
  const FindCase cases[] = {
      {{}, "A", false, 0},
      {{"M"}, "A", false, 0},
      {{"M"}, "Z", false, 1},
      {{"M"}, "M", true, 0},
      {{"A", "C"}, "B", false, 1},
      {{"A", "C"}, "C", true, 1},
      {{"A", "C"}, "D", false, 2},
      {{"A", "B", "C", "D", "E"}, "A", true, 0},
      {{"A", "B", "C", "D", "E"}, "E", true, 4},
      {{"A", "B", "C", "D", "E"}, "0", false, 0},
      {{"A", "B", "C", "D", "E"}, "CC", false, 3},
      // Byte-wise order: upper case before lower case, no folding.
      {{"ABC", "abc"}, "Abc", false, 1},
      {{"ABC", "abc"}, "abc", true, 1},
      {{"X", "X-1"}, "X-", false, 1},
      {{"", "A"}, "", true, 0},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.table) + " " + c.name);
    OrvExpr* table = new OrvExprOper(SYMBOL_TABLE_ELT_LIST);
    for (const char* n : c.table) {
      table->AddArg(new OrvSymTabElt(VString(n), 0, OrvLinkList()));
    }
    int pos = -1;
    OrvSymTabElt* elt = OrvSymTabFindElt(table, VString(c.name), &pos);
    EXPECT_EQ(c.found, elt != nullptr);
    EXPECT_EQ(c.pos, pos);
    if (elt != nullptr) {
      EXPECT_EQ(table->Args(c.pos), elt);
    }
    EXPECT_EQ(elt, OrvSymTabFindElt(table, VString(c.name), nullptr));
    delete table;
  }
}

// Lookups against a plain sorted vector for every table size up to 70: the
// halving phase and the fix-up must agree with a binary search everywhere.
TEST(OrvSymTabFindEltTest, AgreesWithBinarySearchForEverySize) {
  for (int n = 0; n <= 70; ++n) {
    SCOPED_TRACE(n);
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i) names.push_back("N" + std::to_string(1000 + 2 * i));
    OrvExpr* table = new OrvExprOper(SYMBOL_TABLE_ELT_LIST);
    // Insert in a scrambled order; the table sorts itself.
    std::vector<std::string> order = names;
    std::reverse(order.begin(), order.end());
    std::rotate(order.begin(), order.begin() + order.size() / 3, order.end());
    for (const std::string& name : order) OrvSymTabFindOrAddElt(table, VString(name.c_str()));
    ASSERT_EQ(names, TableNames(table));
    for (int probe = 999; probe <= 1000 + 2 * n; ++probe) {
      std::string name = "N" + std::to_string(probe);
      auto it = std::lower_bound(names.begin(), names.end(), name);
      int expectPos = static_cast<int>(it - names.begin());
      bool expectFound = it != names.end() && *it == name;
      int pos = -1;
      OrvSymTabElt* elt = OrvSymTabFindElt(table, VString(name.c_str()), &pos);
      ASSERT_EQ(expectFound, elt != nullptr) << name;
      ASSERT_EQ(expectPos, pos) << name;
    }
    delete table;
  }
}

TEST(OrvSymTabInsertTest, FindOrAddKeepsOrderAndCreatesUnknown) {
  OrvExpr* table = NewTable({"A", "C"});
  OrvSymTabElt* b = OrvSymTabFindOrAddElt(table, VString("B"));
  EXPECT_EQ((std::vector<std::string>{"A", "B", "C"}), TableNames(table));
  EXPECT_EQ(SYMCAT_UNKNOWN, b->Category());
  EXPECT_TRUE(b->References().IsEmpty());
  EXPECT_EQ(table, b->Parent());
  EXPECT_EQ(b, OrvSymTabFindOrAddElt(table, VString("B")));
  EXPECT_EQ(3, table->NArgs());
  // Names differing only in case are different names.
  OrvSymTabFindOrAddElt(table, VString("b"));
  EXPECT_EQ((std::vector<std::string>{"A", "B", "C", "b"}), TableNames(table));
  delete table;
}

TEST(OrvSymTabInsertTest, AddEltRefusesDuplicates) {
  MessageRecorder sink;
  OrvExpr* table = NewTable({"A", "X"});
  OrvSymTabElt* fresh = new OrvSymTabElt(VString("M"), SYMCAT_DATA_NAME, OrvLinkList());
  OrvSymTabAddElt(table, fresh);
  EXPECT_EQ((std::vector<std::string>{"A", "M", "X"}), TableNames(table));
  EXPECT_TRUE(sink.messages().empty());

  OrvSymTabElt* dup = new OrvSymTabElt(VString("X"), SYMCAT_DATA_NAME, OrvLinkList());
  OrvSymTabAddElt(table, dup);
  EXPECT_EQ((std::vector<std::string>{"A", "M", "X"}), TableNames(table));
  EXPECT_EQ(nullptr, dup->Parent());
  ASSERT_EQ(1u, sink.messages().size());
  EXPECT_EQ(MSG_SEVERE, sink.messages()[0].level);
  EXPECT_EQ("OrvSymTabAddElt: name 'X' should not be declared yet", sink.messages()[0].text);
  delete dup;  // still the caller's
  delete table;
}

TEST(OrvSymTabInsertTest, AddUniqueElt) {
  struct {
    std::vector<const char*> present;
    const char* name;
    const char* got;
  } cases[] = {
      {{}, "X", "X"},
      {{"X"}, "X", "X-1"},
      {{"X", "X-1"}, "X", "X-2"},
      {{"X-1"}, "X", "X"},
      {{"X", "X-1", "X-2", "X-3"}, "X", "X-4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.got);
    OrvExpr* table = new OrvExprOper(SYMBOL_TABLE_ELT_LIST);
    for (const char* n : c.present) OrvSymTabFindOrAddElt(table, VString(n));
    OrvSymTabElt* elt = OrvSymTabAddUniqueElt(VString(c.name), SYMCAT_CONSTANT_NAME, table);
    EXPECT_EQ(std::string(c.got), Str(*elt->Image()));
    EXPECT_EQ(SYMCAT_CONSTANT_NAME, elt->Category());
    std::vector<std::string> names = TableNames(table);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_EQ(c.present.size() + 1, names.size());
    delete table;
  }
}

TEST(OrvSymTabTraceTest, TraceLines) {
  OrvExpr* table = NewTable({"A", "C"});
  OrvSymTabTraceLevel = 1;
  ::testing::internal::CaptureStdout();
  OrvSymTabFindOrAddElt(table, VString("B"));
  OrvSymTabFindElt(table, VString("C"), nullptr);
  std::string out = ::testing::internal::GetCapturedStdout();
  OrvSymTabTraceLevel = 0;
  std::ostringstream addr;
  addr << static_cast<const void*>(table);
  EXPECT_EQ("*SymTabNOTfound: tbl=" + addr.str() + " ix=1 cmp1=1 cmp2=1 name=B\n"
            "+SymTabAddElt: 1 B\n"
            "*SymTabFound: tbl=" + addr.str() + " ix=2 cmp1=1 cmp2=1 SYMBOL_TABLE_ELT C cat=unknown\n",
            out);

  // At level 2 an insertion also dumps the table.
  OrvSymTabTraceLevel = 2;
  ::testing::internal::CaptureStdout();
  OrvSymTabFindOrAddElt(table, VString("D"));
  out = ::testing::internal::GetCapturedStdout();
  OrvSymTabTraceLevel = 0;
  size_t add = out.find("+SymTabAddElt: 3 D\n");
  ASSERT_NE(std::string::npos, add) << out;
  size_t dump = out.find("SYMBOL_TABLE_ELT_LIST\n", add);
  ASSERT_NE(std::string::npos, dump) << out;
  EXPECT_NE(std::string::npos, out.find(". SYMBOL_TABLE_ELT D cat=unknown", dump)) << out;
  delete table;
}

class SymTabProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = nametest::NewProgram();
    table_ = nametest::SymTabOf(program_);
    holder_ = new OrvExprOper(EX_LIST);
    program_->SetArg(COBOL_PROGRAM__DATA_DIVISION, holder_, -1, 0);
  }
  void TearDown() override { delete program_; }
  // Hangs a node in the program so that it is destroyed with it.
  template <class T>
  T* Hang(T* node) {
    holder_->AddArg(node);
    return node;
  }
  OrvExpr* program_ = nullptr;
  OrvExpr* table_ = nullptr;
  OrvExpr* holder_ = nullptr;
};

TEST_F(SymTabProgramTest, DefineName) {
  OrvNamedObjDef* x = Hang(OrvSymTabDefineName(VString("X"), SYMCAT_DATA_NAME, 0, program_));
  OrvSymTabElt* elt = OrvSymTabFindElt(table_, VString("X"), nullptr);
  ASSERT_NE(nullptr, elt);
  EXPECT_EQ(elt, x->Link(0)->node);
  EXPECT_EQ(SYMCAT_DATA_NAME, x->Category());
  EXPECT_EQ(x, elt->References().Head()->link.node);

  // A second definition of the name overwrites the element's category.
  OrvNamedObjDef* x2 = Hang(OrvSymTabDefineName(VString("X"), SYMCAT_PARA_NAME, 0, program_));
  EXPECT_EQ(elt, x2->Link(0)->node);
  EXPECT_EQ(SYMCAT_PARA_NAME, elt->Category());
  EXPECT_EQ(SYMCAT_PARA_NAME, x2->Category());
  EXPECT_EQ(2, elt->References().Count());

  // Unique: a new element under a free name.
  OrvNamedObjDef* x3 = Hang(OrvSymTabDefineName(VString("X"), SYMCAT_CONSTANT_NAME, 1, program_));
  EXPECT_EQ("X-1", Str(*x3->Image()));
  EXPECT_EQ((std::vector<std::string>{"X", "X-1"}), TableNames(table_));

  // The table of a file owner is its argument 3.
  OrvExpr* file = new OrvExprOper(COBOL_FILE);
  file->SetArg(FILE_SYMBOL_TABLE, new OrvExprOper(SYMBOL_TABLE_ELT_LIST), -1, 0);
  OrvNamedObjDef* f = OrvSymTabDefineName(VString("F"), SYMCAT_FILE_NAME, 0, file);
  EXPECT_EQ((std::vector<std::string>{"F"}), TableNames(file->Args(FILE_SYMBOL_TABLE)));
  EXPECT_EQ(file->Args(FILE_SYMBOL_TABLE), SymTabForDef(f));
  delete f;
  delete file;
}

TEST_F(SymTabProgramTest, DefineNameWithoutTableGivesUnboundDefinition) {
  MessageRecorder sink;
  OrvExpr* bare = new OrvExprOper(COBOL_PROGRAM);
  OrvNamedObjDef* def = OrvSymTabDefineName(VString("X"), SYMCAT_DATA_NAME, 0, bare);
  ASSERT_NE(nullptr, def);
  EXPECT_EQ(nullptr, def->Link(0)->node);
  EXPECT_TRUE(sink.Has(MSG_SEVERE, "OrvSymTabDefineName: no symbol table to define 'X' in"));
  delete def;
  delete bare;
}

TEST_F(SymTabProgramTest, DeleteDefRemovesElementLeftWithoutReferences) {
  OrvNamedObjDef* lone = Hang(OrvSymTabDefineName(VString("LONE"), SYMCAT_DATA_NAME, 0, program_));
  OrvNamedObjDef* used = Hang(OrvSymTabDefineName(VString("USED"), SYMCAT_DATA_NAME, 0, program_));
  OrvNameUse* use = Hang(new OrvNameUse(*used->Link(0)));
  EXPECT_EQ(table_, SymTabForDef(lone));

  SymTabDeleteDef(lone);
  EXPECT_EQ((std::vector<std::string>{"USED"}), TableNames(table_));
  // The definition no longer points at the deleted element.
  EXPECT_EQ(nullptr, lone->Link(0)->node);
  EXPECT_EQ("", Str(*lone->Image()));

  OrvExpr* usedElt = used->Link(0)->node;
  SymTabDeleteDef(used);
  EXPECT_EQ((std::vector<std::string>{"USED"}), TableNames(table_));
  EXPECT_EQ(nullptr, used->Link(0)->node);
  EXPECT_EQ(1, usedElt->Links(0)->Count());
  EXPECT_EQ(use, usedElt->Links(0)->Head()->link.node);
  // Destroying the program (definitions and all) touches nothing freed.
}

TEST_F(SymTabProgramTest, BadDefinitionNodesAreTerminal) {
  MessageRecorder sink;
  OrvCharString notDef(VString("X"));
  EXPECT_EQ(nullptr, SymTabForDef(&notDef));
  EXPECT_EQ(nullptr, SymTabForDef(nullptr));
  SymTabDeleteDef(&notDef);
  ASSERT_EQ(3u, sink.messages().size());
  EXPECT_TRUE(sink.Has(MSG_TERMINAL, "SymTabForDef: bad def node"));
  EXPECT_TRUE(sink.Has(MSG_TERMINAL, "SymTabDeleteDef: bad def node"));
}

TEST_F(SymTabProgramTest, ProgSymTabAndIsNameDefined) {
  OrvExpr* inner = new OrvCharString(VString("deep"));
  holder_->AddArg(new OrvExprOper(EX_LIST, inner));
  EXPECT_EQ(table_, OrvProgSymTab(inner));
  EXPECT_EQ(table_, OrvProgSymTab(program_));
  OrvNullNode null;
  EXPECT_EQ(nullptr, OrvProgSymTab(&null));
  EXPECT_EQ(nullptr, OrvProgSymTab(nullptr));
  OrvCharString loose(VString("loose"));
  EXPECT_EQ(nullptr, OrvProgSymTab(&loose));

  Hang(OrvSymTabDefineName(VString("DEF"), SYMCAT_DATA_NAME, 0, program_));
  Hang(new OrvNameUse(OrvLink(OrvSymTabFindOrAddElt(table_, VString("USE")), -1)));
  EXPECT_EQ(1, OrvIsNameDefined(VString("DEF"), program_));
  EXPECT_EQ(0, OrvIsNameDefined(VString("USE"), program_));
  EXPECT_EQ(0, OrvIsNameDefined(VString("NONE"), program_));
  EXPECT_EQ(0, OrvIsNameDefined(VString("def"), program_));
}

TEST_F(SymTabProgramTest, NamedObjUseFactories) {
  OrvExpr* names = new OrvExprOper(OF_IN_LIST);
  OrvNamedObjUse* a = Hang(OrvNewNamedObjUse(names, SYMCAT_PROC_NAME, 1));
  EXPECT_EQ(NAMED_OBJ_USE, a->Oper());
  EXPECT_EQ(1, a->NArgs());
  EXPECT_EQ(names, a->Args(NAMED_OBJ_USE__NAMES));
  EXPECT_EQ(SYMCAT_PROC_NAME, a->Category());
  EXPECT_EQ(1u, a->ExtraWord());
  EXPECT_EQ(nullptr, a->Link(0)->node);
  EXPECT_EQ(-1, a->Link(0)->index);

  OrvSymTabElt* elt = OrvSymTabFindOrAddElt(table_, VString("FILE-1"));
  OrvTokenList tokens;
  tokens.AddToken(RW_COPY, OrvTxtPosn(3, 7, 0), VString("FILE-1"));
  OrvNamedObjUse* b = Hang(OrvNewNamedObjUseForElt(elt, SYMCAT_FILE_NAME, &tokens));
  EXPECT_TRUE(tokens.IsEmpty());
  EXPECT_EQ(SYMCAT_FILE_NAME, b->Category());
  EXPECT_EQ(0u, b->ExtraWord());
  OrvExpr* list = b->Args(NAMED_OBJ_USE__NAMES);
  ASSERT_EQ(OF_IN_LIST, list->Oper());
  ASSERT_EQ(1, list->NArgs());
  OrvExpr* name = list->Args(0);
  EXPECT_EQ(NAME_USE, name->Oper());
  EXPECT_EQ(elt, name->Link(0)->node);
  EXPECT_EQ(name, elt->References().Head()->link.node);
  EXPECT_EQ(1, name->Tokens().Count());
  EXPECT_EQ("FILE-1", Str(name->Tokens().First()->image));

  OrvNamedObjUse* c = Hang(OrvNewNamedObjUseForElt(nullptr, SYMCAT_MNEMONIC_NAME, nullptr));
  EXPECT_EQ(nullptr, c->Args(NAMED_OBJ_USE__NAMES)->Args(0)->Link(0)->node);
}

TEST_F(SymTabProgramTest, DataNameUse) {
  OrvExpr* inner = new OrvCharString(VString("here"));
  holder_->AddArg(inner);
  OrvNamedObjUse* use = Hang(OrvNewDataNameUse(VString("TOTAL"), inner));
  ASSERT_NE(nullptr, use);
  EXPECT_EQ(SYMCAT_DATA_NAME, use->Category());
  OrvSymTabElt* elt = OrvSymTabFindElt(table_, VString("TOTAL"), nullptr);
  ASSERT_NE(nullptr, elt);
  EXPECT_EQ(SYMCAT_UNKNOWN, elt->Category());
  OrvExpr* list = use->Args(NAMED_OBJ_USE__NAMES);
  ASSERT_EQ(OF_IN_LIST, list->Oper());
  EXPECT_EQ(elt, list->Args(0)->Link(0)->node);
  // A second use shares the element.
  Hang(OrvNewDataNameUse(VString("TOTAL"), program_));
  EXPECT_EQ(2, elt->References().Count());
  EXPECT_EQ(1, table_->NArgs());
}

TEST(OrvNewDataNameUseTest, OutsideAProgramIsRefused) {
  MessageRecorder sink;
  OrvCharString loose(VString("loose"));
  EXPECT_EQ(nullptr, OrvNewDataNameUse(VString("X"), &loose));
  EXPECT_EQ(nullptr, OrvNewDataNameUse(VString("X"), nullptr));
  ASSERT_EQ(2u, sink.messages().size());
  EXPECT_EQ(MSG_SEVERE, sink.messages()[0].level);
  EXPECT_EQ("OrvNewDataNameUse: 'X' is not used inside a program with a symbol table",
            sink.messages()[0].text);
}

}  // namespace
