// The action helpers of the PROCEDURE DIVISION structure on hand-built
// values: procedure headers with their tokens, passing modes of USING
// parameters, DECLARATIVES, and the names of procedures.
#include <gtest/gtest.h>

#include "OrvGramNames.h"
#include "OrvGramNodes.h"
#include "OrvGramProcedure.h"
#include "OrvGramStatements.h"
#include "OrvListExpr.h"
#include "OrvOperSlots.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;

class ProcedureTest : public sematest::ParserTest {
 protected:
  void SetUp() override {
    ParserTest::SetUp();
    StartFile();
    program = BeginProgram("P");
    division = Procedure(program);
  }
  // The texts of a token list, joined by blanks.
  static std::string Texts(const OrvTokenList& list) {
    std::string out;
    for (OrvTokenListNode* e = list.Head(); e != nullptr; e = e->next)
      out += (out.empty() ? "" : " ") + Str(e->token->image);
    return out;
  }
  // What the position step leaves after a header: the comment and the name
  // in front of the name slot (SECTION_NAME and PARA_NAME alike), the "." on
  // the node itself.
  static void AsAfterThePositionStep(OrvExpr* header, const char* name) {
    header->ArgSlots(SECTION_NAME)->tokens.AddToken(CM_COMMENT, OrvTxtPosn(2, 6, 1), VString("*C"));
    header->ArgSlots(SECTION_NAME)->tokens.AddToken(TK_AREA_A_NAME, OrvTxtPosn(3, 7, 1), VString(name));
    header->Tokens().AddToken(SEP_DOT, OrvTxtPosn(3, 9, 1), VString("."));
  }

  OrvExpr* program = nullptr;
  OrvExpr* division = nullptr;
};

TEST_F(ProcedureTest, HeadersGiveTheirNameToTheDefinitionAndTheirPeriodToTheBody) {
  OrvExpr* name = Name("S1");
  OrvExpr* section = OrvGramSectionNode(&name, OrvGramNullNode());
  ASSERT_EQ(section->Oper(), SECTION_PROC);
  EXPECT_EQ(name, section->Args(SECTION_NAME));  // the step then finds the name's slot
  AsAfterThePositionStep(section, "S1");
  OrvGramSectionHeader(section);
  EXPECT_EQ(Texts(section->ArgSlots(SECTION_NAME)->tokens), "*C");
  EXPECT_EQ(Texts(section->Args(SECTION_NAME)->Tokens()), "S1");
  EXPECT_EQ(Texts(section->ArgSlots(SECTION_PROC__PARAGRAPHS)->tokens), ".");
  EXPECT_TRUE(section->Tokens().IsEmpty());
  EXPECT_EQ(division->Args(DIVISION_PROCEDURE__IMPERATIVES)->Args(0), section);

  name = Name("P1");
  OrvExpr* paragraph = OrvGramParagraphNode(&name);
  AsAfterThePositionStep(paragraph, "P1");
  OrvGramParagraphHeader(paragraph);
  EXPECT_EQ(Texts(paragraph->Args(PARA_NAME)->Tokens()), "P1");
  EXPECT_EQ(Texts(paragraph->ArgSlots(PARA_PROC__SENTENCES)->tokens), ".");
  EXPECT_EQ(section->Args(SECTION_PROC__PARAGRAPHS)->Args(0), paragraph);
  // A paragraph name may be repeated, a section name may not.
  name = Name("P1");
  owned.push_back(OrvGramParagraphNode(&name));
  name = Name("S1");
  owned.push_back(OrvGramSectionNode(&name, OrvGramNullNode()));
  EXPECT_EQ(Messages(), std::vector<std::string>{Line(MSG_WARN, "Duplicate definition of section-name 'S1'")});
}

TEST_F(ProcedureTest, APassingModeHoldsForTheParametersThatFollowIt) {
  // USING BY VALUE X Y BY REFERENCE Z, as the grammar reduces it.
  // The phrase is reduced before its parameter.
  std::uint16_t mode = EX_PT_BY_REFERENCE;
  OrvExpr* byValue = OrvGramPassingMode(EX_PT_BY_VALUE, &mode);
  OrvExpr* x = OrvGramProcParam(byValue, Use(SYMCAT_DATA_NAME, {"X"}), mode);
  OrvExpr* y = OrvGramProcParam(OrvGramNullNode(), Use(SYMCAT_DATA_NAME, {"Y"}), mode);
  OrvExpr* byReference = OrvGramPassingMode(EX_PT_BY_REFERENCE, &mode);
  OrvExpr* z = OrvGramProcParam(byReference, Use(SYMCAT_DATA_NAME, {"Z"}), mode);
  const struct {
    OrvExpr* param;
    OrvOper phrase;
    OrvOper computed;
  } cases[] = {{x, EX_PT_BY_VALUE, EX_PT_BY_VALUE},
               {y, NULL_NODE, EX_PT_BY_VALUE},
               {z, EX_PT_BY_REFERENCE, EX_PT_BY_REFERENCE}};
  for (const auto& c : cases) {
    ASSERT_EQ(c.param->Oper(), EX_PROC_PARAM);
    EXPECT_EQ(c.param->Args(EX_PROC_PARAM__PARAMETER_TYPE_PHRASE)->Oper(), c.phrase);
    EXPECT_EQ(c.param->Args(EX_PROC_PARAM__PARAMETER_DATA_NAME)->Oper(), NAMED_OBJ_USE);
    EXPECT_EQ(c.param->Args(EX_PROC_PARAM__ACTUAL_PARAMETER_TYPE)->Oper(), c.computed);
    owned.push_back(c.param);
  }
}

TEST_F(ProcedureTest, DeclarativesTakeTheirSectionsAndThenGiveTheContainerBack) {
  OrvExpr* started = OrvGramStartDeclaratives();
  OrvExpr* declaratives = started;
  EXPECT_EQ(parser.inDeclaratives, 1);
  EXPECT_EQ(parser.procOwner, declaratives);
  Section("ERRS");
  OrvExpr* sections = declaratives->Args(DECLARATIVE_SECTIONS__SECTIONS);
  ASSERT_NE(sections, nullptr);
  OrvExpr* end = OrvGramNode(END_DECLARATIVES);
  EXPECT_EQ(OrvGramFinishDeclaratives(&started, end), declaratives);
  EXPECT_EQ(started, sections);
  EXPECT_EQ(declaratives->Args(DECLARATIVE_SECTIONS__END_DECLARATIVES), end);
  EXPECT_EQ(parser.inDeclaratives, 0);
  EXPECT_EQ(parser.procOwner, nullptr);
  EXPECT_EQ(parser.curSection, nullptr);
  // No section: the starting entry is cleared.
  started = OrvGramStartDeclaratives();
  owned.push_back(OrvGramFinishDeclaratives(&started, OrvGramNode(END_DECLARATIVES)));
  EXPECT_EQ(started, nullptr);
  owned.push_back(declaratives);
}

TEST_F(ProcedureTest, IntegerNamesMeetTheirUsesInOneElement) {
  OrvExpr* header = new OrvIntNumConst(VString("100"), 100);
  OrvGramNumberName(&header);
  OrvExpr* element = header;
  ASSERT_NE(element, nullptr);
  EXPECT_EQ(element->Oper(), SYMBOL_TABLE_ELT);
  OrvExpr* used = new OrvIntNumConst(VString("100"), 100);
  OrvExpr* use = OrvGramProcNameUse(OrvGramNumberNameUse(&used), nullptr);
  EXPECT_EQ(used, nullptr);
  ASSERT_EQ(use->Oper(), NAMED_OBJ_USE);
  ASSERT_EQ(use->Args(NAMED_OBJ_USE__NAMES)->Oper(), OF_IN_LIST);
  EXPECT_EQ(use->Args(NAMED_OBJ_USE__NAMES)->Args(0)->Link(0)->node, element);
  owned.push_back(use);
  // A PROGRAM-ID literal keeps its quotes in the element's name.
  OrvExpr* literal = new OrvStrConst(VString("\"PROG-1\""));
  OrvExpr* named = OrvGramLiteralName(&literal);
  EXPECT_EQ(Str(*named->Image()), "\"PROG-1\"");
  EXPECT_EQ(literal, nullptr);
}

TEST_F(ProcedureTest, GoToWithSeveralNamesNeedsDepending) {
  const struct {
    int names;
    bool depending;
    OrvOper statement;
    bool error;
  } cases[] = {{0, false, STMT_GOTO, false},
               {1, false, STMT_GOTO, false},
               {2, false, STMT_GOTO, true},
               {2, true, STMT_GOTO_DEPENDING, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.names);
    messages.Clear();
    OrvExpr* list = c.names == 0 ? OrvGramNullNode() : nullptr;
    for (int i = 0; i < c.names; ++i)
      list = OrvListExpr(EX_LIST, list, OrvGramProcNameUse(OrvGramNameUseNode(Name("P")), nullptr));
    OrvExpr* phrase = c.depending ? OrvGramNode(EX_DEPENDING_ON, Use(SYMCAT_DATA_NAME, {"X"})) : OrvGramNullNode();
    OrvExpr* entry = phrase;
    OrvExpr* statement = OrvGramGoTo(list, &entry);
    EXPECT_EQ(statement->Oper(), c.statement);
    static_assert(STMT_GOTO__PROCEDURE_NAMES == STMT_GOTO_DEPENDING__PROCEDURE_NAMES, "one layout");
    EXPECT_EQ(statement->Args(STMT_GOTO__PROCEDURE_NAMES), list);
    EXPECT_EQ(entry == 0, !c.depending);
    std::vector<std::string> want;
    if (c.error) want.push_back(Line(MSG_ERR, "More than one procedure name in GO TO without DEPENDING"));
    EXPECT_EQ(Messages(), want);
    owned.push_back(statement);
  }
}

}  // namespace
