// Names as the source is read: the lookup of words in the tables of the open
// programs, and the definition of names with its duplicate and category
// checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrvDialMasks.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;

class NameLookupTest : public sematest::ParserTest {
 protected:
  void SetUp() override {
    ParserTest::SetUp();
    StartFile();
    outer = BeginProgram("OUTER");
    inner = BeginProgram("INNER");
  }
  OrvExpr* Table(OrvExpr* owner) { return OrvOwnerSymTab(owner); }
  // An element of the name and category put straight into a table.
  OrvSymTabElt* Put(OrvExpr* owner, const char* name, int category) {
    OrvSymTabElt* elt = OrvSymTabFindOrAddElt(Table(owner), VString(name));
    elt->SetCategory(category);
    return elt;
  }
  std::vector<std::string> Names(OrvExpr* owner) {
    std::vector<std::string> out;
    OrvExpr* table = Table(owner);
    for (int i = 0; i < table->NArgs(); ++i) out.push_back(Str(*table->Args(i)->Image()));
    return out;
  }
  OrvExpr* outer = nullptr;
  OrvExpr* inner = nullptr;
};

TEST_F(NameLookupTest, AnEnclosingProgramLendsOnlyConstantsAndProgramNames) {
  const struct {
    int category;
    bool seenFromInner;
  } cases[] = {
      {SYMCAT_UNKNOWN, false},           {SYMCAT_MNEMONIC_NAME, false},
      {SYMCAT_SYMBOLIC_CHAR, true},      {SYMCAT_SYMBOLIC_CONSTANT, true},
      {SYMCAT_USER_FIGURATIVE_CONST, true}, {SYMCAT_CLASS_NAME, false},
      {SYMCAT_FILE_NAME, false},         {SYMCAT_DATA_NAME, false},
      {SYMCAT_CONSTANT_NAME, true},      {SYMCAT_PROGRAM_NAME, true},
      {SYMCAT_PARA_NAME, false},         {SYMCAT_SECTION_NAME, false},
  };
  for (const auto& c : cases) {
    std::string name = "N" + std::to_string(c.category);
    OrvSymTabElt* lent = Put(outer, name.c_str(), c.category);
    OrvSymTabElt* found = Name(name.c_str());
    if (c.seenFromInner) {
      EXPECT_EQ(found, lent) << name;
    } else {
      EXPECT_NE(found, lent) << name;
      EXPECT_EQ(found->Parent(), Table(inner)) << name;
      EXPECT_EQ(found->Category(), SYMCAT_UNKNOWN);
    }
  }
}

TEST_F(NameLookupTest, TheInnermostAndTheFileTableAlwaysCount) {
  OrvSymTabElt* own = Put(inner, "OWN", SYMCAT_DATA_NAME);
  Put(outer, "OWN", SYMCAT_CONSTANT_NAME);
  EXPECT_EQ(Name("OWN"), own);
  OrvSymTabElt* fileWide = Put(parser.root, "FILE-WIDE", SYMCAT_DATA_NAME);
  EXPECT_EQ(Name("FILE-WIDE"), fileWide);
  // The lookup is exact: case and length count.
  EXPECT_NE(Name("own"), own);
  EXPECT_NE(Name("OWN-X"), own);
}

TEST_F(NameLookupTest, NewNamesAreCreatedUndefinedInSortedOrder) {
  for (const char* name : {"MM", "B", "ZZ", "A", "M", "B"}) Name(name);
  EXPECT_EQ(Names(inner), (std::vector<std::string>{"A", "B", "M", "MM", "ZZ"}));
  OrvSymTabElt* b = Name("B");
  EXPECT_EQ(b->Category(), SYMCAT_UNKNOWN);
  EXPECT_TRUE(b->References().IsEmpty());
  EXPECT_EQ(b->ExtraWord(), 0u);
  EXPECT_EQ(Names(outer), (std::vector<std::string>{}));
}

TEST_F(NameLookupTest, ProgramNamesMoveToTheFileTable) {
  // BeginProgram defined OUTER and INNER as program-names.
  EXPECT_EQ(Names(parser.root), (std::vector<std::string>{"INNER", "OUTER"}));
  EXPECT_EQ(Names(outer), (std::vector<std::string>{}));
  EXPECT_EQ(Names(inner), (std::vector<std::string>{}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(NameLookupTest, AProgramNameTheFileTableHoldsStaysWhereItsUsesFindIt) {
  // An element of the same name already in the program's own table.
  OrvSymTabElt* local = Put(inner, "OUTER", SYMCAT_UNKNOWN);
  OrvNamedObjDef* def = parser.SymTabDefine(local, SYMCAT_PROGRAM_NAME, 0);
  ASSERT_NE(def, nullptr);
  EXPECT_EQ(local->Parent(), Table(inner));
  EXPECT_EQ(def->Link(0)->node, local);
  EXPECT_TRUE(recorder.Has(MSG_SEVERE, "OrvSymTabAddElt: name 'OUTER' should not be declared yet"))
      << recorder.Dump();
  delete def;
}

using SymTabDefineTest = sematest::ParserTest;

struct DefineCase {
  const char* title;
  OrvDials dials;
  int first;
  int second;
  int mayRepeat;
  int sameParaDataName;
  std::vector<std::string> messages;
  int finalCategory;
};

TEST_F(SymTabDefineTest, DuplicatesAndCategoryConflicts) {
  const OrvDials osvs = ORV_DIAL_MASK_OSVS;
  const OrvDials ansi85 = ORV_DIAL_MASK_ANSI85;
  const DefineCase cases[] = {
      {"section twice under osvs", osvs, SYMCAT_SECTION_NAME, SYMCAT_SECTION_NAME, 0, 0,
       {Line(MSG_WARN, "Duplicate definition of section-name 'N'")}, SYMCAT_SECTION_NAME},
      {"section twice under ansi85", ansi85, SYMCAT_SECTION_NAME, SYMCAT_SECTION_NAME, 0, 0, {},
       SYMCAT_SECTION_NAME},
      {"section twice under osvs and mf", osvs | ORV_DIAL_MASK_MF, SYMCAT_SECTION_NAME,
       SYMCAT_SECTION_NAME, 0, 0, {}, SYMCAT_SECTION_NAME},
      {"data-name twice", osvs, SYMCAT_DATA_NAME, SYMCAT_DATA_NAME, 1, 0, {}, SYMCAT_DATA_NAME},
      {"data-name then para-name", ansi85, SYMCAT_DATA_NAME, SYMCAT_PARA_NAME, 1, 0,
       {Line(MSG_ERR, "data-name 'N' is already defined. You cannot redefine it as para-name")},
       SYMCAT_DATA_NAME},
      {"data-name then para-name, same-para-data-name", ansi85, SYMCAT_DATA_NAME,
       SYMCAT_PARA_NAME, 1, 1, {}, SYMCAT_DATA_NAME},
      {"file-name then data-name, no repeat, osvs", osvs, SYMCAT_FILE_NAME, SYMCAT_DATA_NAME, 0,
       0,
       {Line(MSG_WARN, "Duplicate definition of data-name 'N'"),
        Line(MSG_ERR, "file-name 'N' is already defined. You cannot redefine it as data-name")},
       SYMCAT_FILE_NAME},
  };
  for (const DefineCase& c : cases) {
    NextParse();
    parser.lexerSettings.dials = c.dials;
    parser.sameParaDataName = c.sameParaDataName;
    StartFile();
    parser.curPosn = OrvTxtPosn(30, 11, 1);
    OrvNamedObjDef* a = Define("N", c.first, c.mayRepeat);
    OrvNamedObjDef* b = Define("N", c.second, c.mayRepeat);
    EXPECT_EQ(Messages(), c.messages) << c.title;
    for (const OrvTxtPosn& p : MessagePosns()) EXPECT_EQ(p, parser.curPosn) << c.title;
    OrvSymTabElt* elt = Name("N");
    EXPECT_EQ(elt->Category(), c.finalCategory) << c.title;
    EXPECT_EQ(a->Category(), c.first) << c.title;
    EXPECT_EQ(b->Category(), c.second) << c.title;
    // Both definitions are References of the element, in order.
    ASSERT_EQ(elt->References().Count(), 2) << c.title;
    EXPECT_EQ(const_cast<OrvLinkList&>(elt->References()).Nth(0).node, a);
    EXPECT_EQ(const_cast<OrvLinkList&>(elt->References()).Nth(1).node, b);
    delete a;
    delete b;
  }
}

TEST_F(SymTabDefineTest, AnythingButAnElementIsTerminalAndDefinesNothing) {
  StartFile();
  parser.curPosn = OrvTxtPosn(5, 7, 1);
  OrvExprOper notAnElement(SYMBOL_TABLE_ELT_LIST);
  EXPECT_EQ(parser.SymTabDefine(reinterpret_cast<OrvSymTabElt*>(&notAnElement),
                                SYMCAT_DATA_NAME, 1),
            nullptr);
  EXPECT_EQ(parser.SymTabDefine(nullptr, SYMCAT_DATA_NAME, 1), nullptr);
  ASSERT_EQ(recorder.size(), 2u);
  EXPECT_EQ(recorder.level(0), MSG_TERMINAL);
  EXPECT_EQ(recorder.text(0), "OrvParserImpl::SymTabDefine: expect SYMBOL_TABLE_ELT node");
  EXPECT_EQ(recorder.messages()[0].posn, parser.curPosn);
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
