// Parse initialisation: the root of the tree, the special registers of the
// dialects in force and the constants set by option.
#include "OrvOperSlots.h"
#include "OrvParseInit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrvDialMasks.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;

class ParseInitTest : public sematest::ParserTest {
 protected:
  // The names of the items of a DECL_DD_LIST, in order.
  static std::vector<std::string> Names(OrvExpr* list) {
    std::vector<std::string> out;
    for (int i = 0; list != nullptr && i < list->NArgs(); ++i) {
      OrvExpr* name = list->Args(i)->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED);
      out.push_back(Str(*name->Image()));
    }
    return out;
  }
  OrvExpr* Registers() { return parser.root->Args(COBOL_FILE__EXTERNAL_DEFINITIONS); }
};

TEST_F(ParseInitTest, TheRootHoldsTheRegistersAndTheFileTable) {
  StartFile();
  OrvExpr* root = parser.root;
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->Oper(), COBOL_FILE);
  EXPECT_EQ(parser.progDepth, 1);
  EXPECT_EQ(parser.progStack[0], root);
  ASSERT_NE(Registers(), nullptr);
  EXPECT_EQ(Registers()->Oper(), DECL_DD_LIST);
  ASSERT_NE(root->Args(FILE_SYMBOL_TABLE), nullptr);
  EXPECT_EQ(root->Args(FILE_SYMBOL_TABLE)->Oper(), SYMBOL_TABLE_ELT_LIST);
  EXPECT_EQ(parser.curSymTab, root->Args(FILE_SYMBOL_TABLE));
  EXPECT_EQ(root->Args(COBOL_FILE__PROGRAM_LIST), nullptr);
  EXPECT_EQ(root->Args(COBOL_FILE__END_OF_FILE), nullptr);
}

TEST_F(ParseInitTest, TheDialectsChooseTheSpecialRegisters) {
  const std::vector<std::string> sorts = {"SORT-CORE-SIZE", "SORT-FILE-SIZE", "SORT-MESSAGE",
                                          "SORT-MODE-SIZE", "SORT-RETURN"};
  const struct {
    const char* title;
    OrvDials dials;
    std::vector<std::string> names;
  } cases[] = {
      {"ms", ORV_DIAL_MASK_MS, {"DEBUG-ITEM", "LIN", "COL"}},
      {"acu", ORV_DIAL_MASK_ACU, {}},
      {"wang", ORV_DIAL_MASK_WANG, {}},
      {"icobol", ORV_DIAL_MASK_ICOBOL, {}},
      {"dml", ORV_DIAL_MASK_DML, {}},
      {"idms", ORV_DIAL_MASK_IDMS, {}},
      {"none", 0, {}},
      {"ansi85", ORV_DIAL_MASK_ANSI85, {"DEBUG-ITEM"}},
      {"rm85", ORV_DIAL_MASK_RM85, {"DEBUG-ITEM", "RETURN-CODE"}},
      {"mf", ORV_DIAL_MASK_MF, {"DEBUG-ITEM", "RETURN-CODE", "WHEN-COMPILED"}},
      {"vsii",
       ORV_DIAL_MASK_VSII,
       {"DEBUG-ITEM", "RETURN-CODE", "SHIFT-IN", "SHIFT-OUT", "TALLY", "WHEN-COMPILED",
        "SORT-CONTROL", sorts[0], sorts[1], sorts[2], sorts[3], sorts[4]}},
      // One bit of a two-bit field is enough.
      {"vsii, high bit only",
       ORV_DIAL_MASK_VSII & ~(ORV_DIAL_MASK_VSII >> 1),
       {"DEBUG-ITEM", "RETURN-CODE", "SHIFT-IN", "SHIFT-OUT", "TALLY", "WHEN-COMPILED",
        "SORT-CONTROL", sorts[0], sorts[1], sorts[2], sorts[3], sorts[4]}},
      {"osvs",
       ORV_DIAL_MASK_OSVS,
       {"DEBUG-ITEM", "CURRENT-DATE", "TIME-OF-DAY", "RETURN-CODE", "TALLY", "WHEN-COMPILED",
        sorts[0], sorts[1], sorts[2], sorts[3], sorts[4]}},
      {"ms and acu", ORV_DIAL_MASK_MS | ORV_DIAL_MASK_ACU, {"DEBUG-ITEM", "LIN", "COL"}},
      // Bits that belong to no dialect choose nothing.
      {"no dialect's bits", 0xfc000001u, {}},
  };
  for (const auto& c : cases) {
    NextParse();
    parser.lexerSettings.dials = c.dials;
    StartFile();
    EXPECT_EQ(Names(Registers()), c.names) << c.title;
    for (const std::string& name : c.names) {
      OrvSymTabElt* elt = OrvSymTabFindElt(parser.curSymTab, VString(name.c_str()), nullptr);
      ASSERT_NE(elt, nullptr) << c.title << " " << name;
      EXPECT_EQ(elt->Category(), SYMCAT_DATA_NAME);
    }
  }
  EXPECT_EQ(recorder.size(), 0u);
}

TEST_F(ParseInitTest, DebugItemNestsItsSixFields) {
  parser.lexerSettings.dials = ORV_DIAL_MASK_ANSI74;
  StartFile();
  ASSERT_EQ(Registers()->NArgs(), 1);
  OrvExpr* debugItem = Registers()->Args(0);
  EXPECT_EQ(debugItem->Oper(), DECL_DD);  // not hidden
  EXPECT_EQ(Names(debugItem->Args(DECL_DD__SUBORDINATE_ENTRIES)),
            (std::vector<std::string>{"DEBUG-LINE", "DEBUG-NAME", "DEBUG-SUB-1", "DEBUG-SUB-2",
                                      "DEBUG-SUB-3", "DEBUG-CONTENTS"}));
  OrvExpr* contents = debugItem->Args(DECL_DD__SUBORDINATE_ENTRIES)->Args(5)->Args(DECL_DD__DATA_DESCRIPTION_ENTRY);
  EXPECT_EQ(contents->Args(DECL_DD_ENTRY__LEVEL_NUMBER)->IntValue(), 5);
  EXPECT_EQ(Str(*contents->Args(DECL_DD_ENTRY__PICTURE)->Args(DX_PICTURE__PICTURE_STRING)->Image()), "X(128)");
}

TEST_F(ParseInitTest, TheRegisterTableKeepsItsRowsAndSelectionOrder) {
  OrvDataItemHierRec rows[ORV_SPECIAL_REGISTER_ROWS + 1];
  EXPECT_EQ(OrvSelectSpecialRegisters(OrvAllDials(), rows), ORV_SPECIAL_REGISTER_ROWS);
  EXPECT_EQ(rows[ORV_SPECIAL_REGISTER_ROWS].name, nullptr);
  EXPECT_STREQ(rows[0].name, "DEBUG-ITEM");
  EXPECT_STREQ(rows[ORV_SPECIAL_REGISTER_ROWS - 1].name, "SORT-RETURN");
  EXPECT_EQ(OrvSelectSpecialRegisters(OrvNoDials(), rows), 0);
  EXPECT_EQ(rows[0].name, nullptr);
}

TEST_F(ParseInitTest, EachSetConstantsEntryIsDeclaredInOrder) {
  parser.lexerSettings.dials = ORV_DIAL_MASK_MS;
  for (const char* entry : {"ALPHA'abc'", "C(12", "BETA(42)"}) {
    parser.setConstants.items[parser.setConstants.count++] = VString(entry);
  }
  parser.curPosn = OrvTxtPosn(1, 0, 1);
  StartFile();
  EXPECT_EQ(Names(Registers()), (std::vector<std::string>{"DEBUG-ITEM", "LIN", "COL", "ALPHA",
                                                          "BETA"}));
  EXPECT_EQ(Registers()->Args(3)->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)->Oper(), DECL_CONST_ENTRY);
  OrvSymTabElt* beta = OrvSymTabFindElt(parser.curSymTab, VString("BETA"), nullptr);
  ASSERT_NE(beta, nullptr);
  EXPECT_EQ(beta->Category(), SYMCAT_CONSTANT_NAME);
  EXPECT_EQ(Messages(), (std::vector<std::string>{Line(MSG_ERR, "Bad constant set: C(12")}));
}

}  // namespace
