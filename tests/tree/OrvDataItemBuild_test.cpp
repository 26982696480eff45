// Data-item declaration builders: single items, level-78 constants and
// hierarchies built from tables of rows.
#include "OrvDataItemBuild.h"
#include "OrvOperSlots.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "NameTestSupport.h"
#include "OrvConstNodes.h"

using nametest::TableNames;

namespace {

const OrvDataItemHierRec kEnd = {0, 0, nullptr, nullptr, 0, nullptr};

class DataItemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = nametest::NewProgram();
    table_ = nametest::SymTabOf(program_);
    list_ = new OrvExprOper(DECL_DD_LIST);
    program_->SetArg(COBOL_PROGRAM__DATA_DIVISION, list_, -1, 0);
  }
  void TearDown() override { delete program_; }

  OrvResult Build(std::vector<OrvDataItemHierRec> rows, int hideTop = 0) {
    rows.push_back(kEnd);
    message_ = VString();
    return OrvDeclDataItemHierarchy(list_, rows.data(), hideTop, program_, message_);
  }
  // "NAME(children...)" of a DECL_DD_LIST, names of its items in order.
  static std::string Shape(OrvExpr* list) {
    std::string s;
    for (int i = 0; i < list->NArgs(); ++i) {
      OrvExpr* dd = list->Args(i);
      if (i > 0) s += " ";
      s += Str(*dd->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED)->Image());
      OrvExpr* sub = dd->Args(DECL_DD__SUBORDINATE_ENTRIES);
      if (sub != nullptr) s += "(" + Shape(sub) + ")";
    }
    return s;
  }

  OrvExpr* program_ = nullptr;
  OrvExpr* table_ = nullptr;
  OrvExpr* list_ = nullptr;
  VString message_;
};

TEST_F(DataItemTest, SingleItemShape) {
  OrvNamedObjDef* def = nullptr;
  OrvExpr* usage = new OrvExprOper(DU_COMP_3);
  OrvExpr* value = new OrvIntNumConst(VString("0"), 0);
  OrvExpr* dd = OrvDeclDataItem(&def, 5, VString("AMOUNT"), 0, VString("S9(7)V99"), usage,
                                value, program_);
  list_->AddArg(dd);
  ASSERT_EQ(DECL_DD, dd->Oper());
  ASSERT_EQ(2, dd->NArgs());
  EXPECT_EQ(nullptr, dd->Args(DECL_DD__SUBORDINATE_ENTRIES));
  OrvExpr* entry = dd->Args(DECL_DD__DATA_DESCRIPTION_ENTRY);
  ASSERT_EQ(DECL_DD_ENTRY, entry->Oper());
  EXPECT_EQ(DECL_DD_ENTRY__OFFSET_GLOBAL + 1, entry->NArgs());
  EXPECT_EQ("05", Str(*entry->Args(DECL_DD_ENTRY__LEVEL_NUMBER)->Image()));
  EXPECT_EQ(5, entry->Args(DECL_DD_ENTRY__LEVEL_NUMBER)->IntValue());
  EXPECT_EQ(def, entry->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED));
  EXPECT_EQ(DX_PICTURE, entry->Args(DECL_DD_ENTRY__PICTURE)->Oper());
  EXPECT_EQ(CHAR_STRING, entry->Args(DECL_DD_ENTRY__PICTURE)->Args(DX_PICTURE__PICTURE_STRING)->Oper());
  EXPECT_EQ("S9(7)V99", Str(*entry->Args(DECL_DD_ENTRY__PICTURE)->Args(DX_PICTURE__PICTURE_STRING)->Image()));
  EXPECT_EQ(DX_USAGE, entry->Args(DECL_DD_ENTRY__USAGE)->Oper());
  EXPECT_EQ(usage, entry->Args(DECL_DD_ENTRY__USAGE)->Args(DX_USAGE__USAGE_KIND));
  EXPECT_EQ(DX_VALUE, entry->Args(DECL_DD_ENTRY__VALUE)->Oper());
  EXPECT_EQ(value, entry->Args(DECL_DD_ENTRY__VALUE)->Args(DX_VALUE__VALUE_CLAUSE));
  for (int i : {1, 3, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 18, 19, 20}) {
    EXPECT_EQ(nullptr, entry->Args(i)) << i;
  }
  // The name is a data-name of the program.
  OrvSymTabElt* elt = OrvSymTabFindElt(table_, VString("AMOUNT"), nullptr);
  ASSERT_NE(nullptr, elt);
  EXPECT_EQ(SYMCAT_DATA_NAME, elt->Category());
  EXPECT_EQ(SYMCAT_DATA_NAME, def->Category());
  EXPECT_EQ(elt, def->Link(0)->node);

  // Without picture, usage and value those slots stay empty; a name that
  // is taken is shared unless a unique name is asked for.
  OrvNamedObjDef* again = nullptr;
  list_->AddArg(OrvDeclDataItem(&again, 77, VString("AMOUNT"), 0, VString(""), nullptr, nullptr,
                                program_));
  EXPECT_EQ(elt, again->Link(0)->node);
  OrvExpr* e2 = again->Parent();
  EXPECT_EQ("77", Str(*e2->Args(DECL_DD_ENTRY__LEVEL_NUMBER)->Image()));
  EXPECT_EQ(nullptr, e2->Args(DECL_DD_ENTRY__PICTURE));
  EXPECT_EQ(nullptr, e2->Args(DECL_DD_ENTRY__USAGE));
  EXPECT_EQ(nullptr, e2->Args(DECL_DD_ENTRY__VALUE));
  OrvNamedObjDef* unique = nullptr;
  list_->AddArg(OrvDeclDataItem(&unique, 1, VString("AMOUNT"), 1, VString("X"), nullptr, nullptr,
                                program_));
  EXPECT_EQ("AMOUNT-1", Str(*unique->Image()));
  EXPECT_EQ(SYMCAT_DATA_NAME, unique->Category());
}

TEST_F(DataItemTest, ConstantEntry) {
  OrvSymTabFindOrAddElt(table_, VString("MAXLEN"));
  OrvNamedObjDef* def = nullptr;
  OrvExpr* value = new OrvIntNumConst(VString("80"), 80);
  OrvExpr* dd = OrvDeclConstEntry(&def, VString("MAXLEN"), value, program_);
  list_->AddArg(dd);
  OrvExpr* entry = dd->Args(DECL_DD__DATA_DESCRIPTION_ENTRY);
  ASSERT_EQ(DECL_CONST_ENTRY, entry->Oper());
  EXPECT_EQ("78", Str(*entry->Args(DECL_CONST_ENTRY__LEVEL_NUMBER)->Image()));
  EXPECT_EQ(78, entry->Args(DECL_CONST_ENTRY__LEVEL_NUMBER)->IntValue());
  EXPECT_EQ(def, entry->Args(DECL_CONST_ENTRY__CONSTANT_NAME_DEFINED));
  EXPECT_EQ(EX_CONST_VALUE, entry->Args(DECL_CONST_ENTRY__CONSTANT_VALUE)->Oper());
  EXPECT_EQ(value, entry->Args(DECL_CONST_ENTRY__CONSTANT_VALUE)->Args(EX_CONST_VALUE__VALUE));
  // The constant never collides with a name already there.
  EXPECT_EQ("MAXLEN-1", Str(*def->Image()));
  EXPECT_EQ(SYMCAT_CONSTANT_NAME, def->Category());
  OrvNamedObjDef* bare = nullptr;
  list_->AddArg(OrvDeclConstEntry(&bare, VString("K"), nullptr, program_));
  EXPECT_EQ(nullptr, bare->Parent()->Args(DECL_CONST_ENTRY__CONSTANT_VALUE));
}

TEST_F(DataItemTest, FileOwnerUsesTheFileTable) {
  OrvExpr* file = new OrvExprOper(COBOL_FILE);
  file->SetArg(FILE_SYMBOL_TABLE, new OrvExprOper(SYMBOL_TABLE_ELT_LIST), -1, 0);
  OrvNamedObjDef* def = nullptr;
  OrvExpr* dd = OrvDeclDataItem(&def, 1, VString("EXT"), 0, VString("X"), nullptr, nullptr, file);
  EXPECT_EQ((std::vector<std::string>{"EXT"}), TableNames(file->Args(FILE_SYMBOL_TABLE)));
  EXPECT_EQ(0, table_->NArgs());
  delete dd;
  delete file;
}

TEST_F(DataItemTest, OwnerWithoutSymbolTableIsReported) {
  MessageRecorder sink;
  OrvExpr* bare = new OrvExprOper(COBOL_PROGRAM);
  struct {
    const char* what;
    bool constant;
  } cases[] = {{"data item", false}, {"constant", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    sink.clear();
    OrvNamedObjDef* def = nullptr;
    OrvExpr* dd = c.constant
                      ? OrvDeclConstEntry(&def, VString("K"), nullptr, bare)
                      : OrvDeclDataItem(&def, 1, VString("K"), 0, VString("X"), nullptr, nullptr,
                                        bare);
    ASSERT_NE(nullptr, def);
    EXPECT_EQ(def, dd->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED));
    EXPECT_EQ(nullptr, def->Link(0)->node);
    EXPECT_TRUE(sink.Has(MSG_SEVERE, "OrvSymTabDefineName: no symbol table to define 'K' in"));
    delete dd;
  }
  delete bare;
}

TEST_F(DataItemTest, HierarchyNestsByDepth) {
  ASSERT_EQ(0, Build({{0, 1, "A", "", DU_NONE, nullptr},
                      {1, 5, "B", "X", DU_NONE, nullptr},
                      {2, 10, "C", "9", DU_NONE, nullptr},
                      {1, 5, "D", "X", DU_NONE, nullptr},
                      {0, 1, "E", "X", DU_NONE, nullptr}}));
  EXPECT_EQ("A(B(C) D) E", Shape(list_));
  EXPECT_EQ((std::vector<std::string>{"A", "B", "C", "D", "E"}), TableNames(table_));
  OrvExpr* a = list_->Args(0);
  const int entry = DECL_DD__DATA_DESCRIPTION_ENTRY;
  const int subordinates = DECL_DD__SUBORDINATE_ENTRIES;
  EXPECT_EQ(DECL_DD_LIST, a->Args(subordinates)->Oper());
  EXPECT_EQ(nullptr, list_->Args(1)->Args(subordinates));
  EXPECT_EQ("01", Str(*a->Args(entry)->Args(DECL_DD_ENTRY__LEVEL_NUMBER)->Image()));
  // No PICTURE and DU_NONE: neither slot is filled.
  EXPECT_EQ(nullptr, a->Args(entry)->Args(DECL_DD_ENTRY__PICTURE));
  EXPECT_EQ(nullptr, a->Args(entry)->Args(DECL_DD_ENTRY__USAGE));
  EXPECT_EQ(DX_PICTURE, list_->Args(1)->Args(entry)->Args(DECL_DD_ENTRY__PICTURE)->Oper());
  EXPECT_EQ("10", Str(*a->Args(subordinates)
                           ->Args(0)
                           ->Args(subordinates)
                           ->Args(0)
                           ->Args(entry)
                           ->Args(DECL_DD_ENTRY__LEVEL_NUMBER)
                           ->Image()));
}

TEST_F(DataItemTest, HierarchyDump) {
  ASSERT_EQ(0, Build({{0, 1, "A", "", DU_NONE, nullptr},
                      {1, 5, "B", "X(2)", DU_COMP, nullptr}}));
  std::ostringstream out;
  list_->DebugDump(out);
  std::string dump = out.str();
  // One line per node, indented one ". " per level below the list.
  std::vector<std::string> lines;
  std::istringstream in(dump);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  auto nodeLine = [&](const std::string& text) {
    for (const std::string& l : lines) {
      if (l.size() >= text.size() && l.compare(l.size() - text.size(), text.size(), text) == 0) {
        return true;
      }
    }
    return false;
  };
  EXPECT_EQ("DECL_DD_LIST", lines[0]);
  EXPECT_TRUE(nodeLine(". DECL_DD")) << dump;
  EXPECT_TRUE(nodeLine(". . DECL_DD_ENTRY")) << dump;
  EXPECT_TRUE(nodeLine(". . . INT_NUM_CONST image=01 value=1")) << dump;
  EXPECT_TRUE(nodeLine(". . . NAMED_OBJ_DEF img=A cat=data-name")) << dump;
  EXPECT_TRUE(nodeLine(". . DECL_DD_LIST")) << dump;
  EXPECT_TRUE(nodeLine(". . . DECL_DD")) << dump;
  EXPECT_TRUE(nodeLine(". . . . DECL_DD_ENTRY")) << dump;
  EXPECT_TRUE(nodeLine(". . . . . INT_NUM_CONST image=05 value=5")) << dump;
  EXPECT_TRUE(nodeLine(". . . . . NAMED_OBJ_DEF img=B cat=data-name")) << dump;
  EXPECT_TRUE(nodeLine(". . . . . DX_PICTURE")) << dump;
  EXPECT_TRUE(nodeLine(". . . . . . CHAR_STRING X(2)")) << dump;
  EXPECT_TRUE(nodeLine(". . . . . DX_USAGE")) << dump;
  EXPECT_TRUE(nodeLine(". . . . . . DU_COMP")) << dump;
  // The order of the node lines follows the tree.
  EXPECT_LT(dump.find("img=A"), dump.find("img=B"));
  EXPECT_LT(dump.find("DX_PICTURE"), dump.find("DX_USAGE"));
}

TEST_F(DataItemTest, HideTopMarksOnlyDepthZero) {
  ASSERT_EQ(0, Build({{0, 1, "H", "", DU_NONE, nullptr},
                      {1, 5, "I", "X", DU_NONE, nullptr},
                      {0, 1, "J", "X", DU_NONE, nullptr}},
                     1));
  EXPECT_EQ(DECL_DD_HIDDEN, list_->Args(0)->Oper());
  EXPECT_EQ(DECL_DD, list_->Args(0)->Args(DECL_DD__SUBORDINATE_ENTRIES)->Args(0)->Oper());
  EXPECT_EQ(DECL_DD_HIDDEN, list_->Args(1)->Oper());
  EXPECT_EQ("H(I) J", Shape(list_));
}

TEST_F(DataItemTest, RowValuesAreCopiedAndUsagesBuilt) {
  OrvIntNumConst value(VString("7"), 7);
  std::vector<OrvDataItemHierRec> rows = {{0, 1, "V", "9", DU_BINARY, &value}};
  ASSERT_EQ(0, Build(rows));
  ASSERT_EQ(0, Build(rows));  // the table can be used again
  for (int i = 0; i < 2; ++i) {
    OrvExpr* entry = list_->Args(i)->Args(DECL_DD__DATA_DESCRIPTION_ENTRY);
    OrvExpr* copy = entry->Args(DECL_DD_ENTRY__VALUE)->Args(DX_VALUE__VALUE_CLAUSE);
    EXPECT_NE(&value, copy);
    EXPECT_EQ(7, copy->IntValue());
    EXPECT_EQ(DU_BINARY, entry->Args(DECL_DD_ENTRY__USAGE)->Args(DX_USAGE__USAGE_KIND)->Oper());
  }
  EXPECT_EQ(nullptr, value.Parent());
}

TEST_F(DataItemTest, BadTables) {
  struct {
    const char* what;
    std::vector<OrvDataItemHierRec> rows;
    const char* message;
    const char* shape;  // what stays in the list
  } cases[] = {
      {"jump of two", {{0, 1, "A", "", DU_NONE, nullptr}, {2, 5, "J2", "X", DU_NONE, nullptr}},
       "OrvDeclDataItemHierarchy: bad depth switch", "A"},
      {"fall of two",
       {{0, 1, "A", "", DU_NONE, nullptr}, {1, 5, "B", "", DU_NONE, nullptr},
        {2, 5, "C", "X", DU_NONE, nullptr}, {0, 1, "F2", "X", DU_NONE, nullptr}},
       "OrvDeclDataItemHierarchy: bad depth switch", "A(B(C))"},
      {"fall below zero", {{0, 1, "A", "X", DU_NONE, nullptr}, {-1, 1, "FZ", "X", DU_NONE, nullptr}},
       "OrvDeclDataItemHierarchy: Stack is empty", "A"},
      {"first row nested", {{1, 5, "FN", "X", DU_NONE, nullptr}},
       "OrvDeclDataItemHierarchy: first row has depth 1, not 0", ""},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.what);
    delete list_->DelThis();
    list_ = new OrvExprOper(DECL_DD_LIST);
    program_->SetArg(COBOL_PROGRAM__DATA_DIVISION, list_, -1, 0);
    EXPECT_EQ(ORV_DATA_ITEM_TABLE_BAD, Build(c.rows));
    EXPECT_EQ(std::string(c.message), Str(message_));
    EXPECT_EQ(std::string(c.shape), Shape(list_));
  }
  // A refused row leaves no name behind.
  for (const char* name : {"J2", "F2", "FZ", "FN"}) {
    EXPECT_EQ(nullptr, OrvSymTabFindElt(table_, VString(name), nullptr)) << name;
  }
}

TEST_F(DataItemTest, NestingLimit) {
  std::vector<OrvDataItemHierRec> rows;
  static char names[40][8];
  for (int d = 0; d <= OrvDataItemMaxDepth; ++d) {
    std::snprintf(names[d], sizeof names[d], "N%d", d);
    rows.push_back({d, d + 1, names[d], "X", DU_NONE, nullptr});
  }
  ASSERT_EQ(0, Build(rows)) << Str(message_);
  OrvExpr* deepest = OrvSymTabFindElt(table_, VString("N30"), nullptr);
  ASSERT_NE(nullptr, deepest);
  int depth = 0;
  for (OrvExpr* n = deepest->Links(0)->Head()->link.node; n != nullptr; n = n->Parent()) {
    if (n->Oper() == DECL_DD) ++depth;
  }
  EXPECT_EQ(31, depth);

  std::snprintf(names[31], sizeof names[31], "N31");
  rows.push_back({31, 32, names[31], "X", DU_NONE, nullptr});
  delete list_->DelThis();
  list_ = new OrvExprOper(DECL_DD_LIST);
  program_->SetArg(COBOL_PROGRAM__DATA_DIVISION, list_, -1, 0);
  EXPECT_EQ(ORV_DATA_ITEM_TABLE_BAD, Build(rows));
  EXPECT_EQ("OrvDeclDataItemHierarchy: Nesting of DDs is too deep", Str(message_));
}

TEST_F(DataItemTest, AddDataDeclToSection) {
  OrvExpr* program = new OrvExprOper(COBOL_PROGRAM);
  OrvExpr* a = new OrvExprOper(DECL_DD, new OrvExprOper(DECL_DD_ENTRY), nullptr);
  OrvExpr* b = new OrvExprOper(DECL_DD, new OrvExprOper(DECL_DD_ENTRY), nullptr);
  OrvAddDataDeclToSection(a, DIVISION_DATA__FILE_SECTION, SECTION_LINKAGE, program);
  OrvAddDataDeclToSection(b, DIVISION_DATA__FILE_SECTION, SECTION_LINKAGE, program);
  OrvExpr* division = program->Args(COBOL_PROGRAM__DATA_DIVISION);
  ASSERT_NE(nullptr, division);
  EXPECT_EQ(DIVISION_DATA, division->Oper());
  OrvExpr* section = division->Args(DIVISION_DATA__FILE_SECTION);
  ASSERT_NE(nullptr, section);
  EXPECT_EQ(SECTION_LINKAGE, section->Oper());
  OrvExpr* list = section->Args(SECTION_LINKAGE__DATA_DESCRIPTION_ENTRIES);
  ASSERT_EQ(DECL_DD_LIST, list->Oper());
  ASSERT_EQ(2, list->NArgs());
  EXPECT_EQ(a, list->Args(0));
  EXPECT_EQ(b, list->Args(1));
  delete program;
}

TEST(OrvNewMoveStmtTest, Shape) {
  OrvExpr* source = new OrvCharString(VString("A"));
  OrvExpr* target = new OrvCharString(VString("B"));
  OrvExpr* move = OrvNewMoveStmt(source, target);
  EXPECT_EQ(STMT_MOVE, move->Oper());
  EXPECT_EQ(source, move->Args(STMT_MOVE__SOURCE));
  EXPECT_EQ(IDENT_LIST, move->Args(STMT_MOVE__TARGETS)->Oper());
  EXPECT_EQ(target, move->Args(STMT_MOVE__TARGETS)->Args(0));
  delete move;
}

}  // namespace
