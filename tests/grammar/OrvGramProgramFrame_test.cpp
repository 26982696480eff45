// The action helpers of the program frame and the DATA DIVISION frame, on
// hand-built values: warnings for missing parts by dialect, END PROGRAM
// headers that end a program or are refused, and divisions whose parts are
// all absent.
#include <gtest/gtest.h>

#include "OrvDialMasks.h"
#include "OrvGramDataDivision.h"
#include "OrvGramNodes.h"
#include "OrvGramProgramFrame.h"
#include "OrvParserStatics.h"
#include "OrvTreeUtil.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;

class ProgramFrameTest : public sematest::ParserTest {
 protected:
  void SetUp() override {
    ParserTest::SetUp();
    StartFile();
  }
  // A value on a stand-in value stack.
  static OrvParseValue Value(OrvExpr* node) { return OrvGramValueOf(node); }
};

TEST_F(ProgramFrameTest, MissingPartsWarnExceptUnderMicroFocus) {
  const struct {
    OrvDials dials;
    bool warns;
  } cases[] = {{ORV_DIAL_MASK_ANSI85, true}, {ORV_DIAL_MASK_OSVS, true}, {ORV_DIAL_MASK_MF, false},
               {ORV_DIAL_MASK_ANSI85 | ORV_DIAL_MASK_MF, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dials);
    NextParse();
    StartFile();
    parser.lexerSettings.dials = c.dials;
    OrvExpr* header = OrvGramMissingIdHeader();
    OrvExpr* programId = OrvGramMissingProgramId();
    OrvExpr* data = OrvGramMissingDataHeader();
    for (OrvExpr* node : {header, programId, data}) {
      EXPECT_EQ(node->Oper(), NULL_NODE);
      owned.push_back(node);
    }
    std::vector<std::string> want;
    if (c.warns)
      want = {Line(MSG_WARN, "IDENTIFICATION DIVISION header is missing"),
              Line(MSG_WARN, "PROGRAM-ID paragraph is missing"), Line(MSG_WARN, "DATA DIVISION header is missing")};
    EXPECT_EQ(Messages(), want);
  }
}

TEST_F(ProgramFrameTest, AnEndProgramHeaderNoProgramTakesLeavesItsTokensWithTheOpenProgram) {
  OrvExpr* outer = BeginProgram("A");
  OrvExpr* inner = BeginProgram("B");
  // END PROGRAM C: refused; its tokens join B's own list.
  OrvExpr* wrong = OrvGramEndProgramHeader(Use(SYMCAT_PROGRAM_NAME, {"C"}));
  sematest::PlaceAt(wrong, 9, 7, "END");
  sematest::ReleaseWatch watch;
  OrvGramEndProgram(wrong);
  EXPECT_EQ(Messages(), std::vector<std::string>{Line(MSG_ERR, "END PROGRAM C does not end the current Program. Ignored.")});
  EXPECT_TRUE(watch.Released(wrong));
  ASSERT_NE(inner->Tokens().Last(), nullptr);
  EXPECT_EQ(Str(inner->Tokens().Last()->image), "END");
  // END PROGRAM B: B is ended into A, the header in B's slot 5.
  OrvExpr* right = OrvGramEndProgramHeader(Use(SYMCAT_PROGRAM_NAME, {"B"}));
  OrvGramEndProgram(right);
  EXPECT_EQ(inner->Args(5), right);
  EXPECT_EQ(inner->Parent() != nullptr && OrvIsInSubtree(outer, inner), 1);
  // END PROGRAM A, then one more: refused with none open; the root keeps it.
  OrvGramEndProgram(OrvGramEndProgramHeader(Use(SYMCAT_PROGRAM_NAME, {"A"})));
  OrvExpr* extra = OrvGramEndProgramHeader(Use(SYMCAT_PROGRAM_NAME, {"A"}));
  sematest::PlaceAt(extra, 12, 7, "LAST");
  OrvGramEndProgram(extra);
  EXPECT_EQ(Messages().back(), Line(MSG_ERR, "There are no more programs to END. Ignored."));
  ASSERT_NE(parser.root->Tokens().Last(), nullptr);
  EXPECT_EQ(Str(parser.root->Tokens().Last()->image), "LAST");
}

TEST_F(ProgramFrameTest, AnEnvironmentDivisionWithoutPartsIsItsHeaderValue) {
  // Nothing present: the header's NULL_NODE; the other entries are cleared.
  OrvExpr* header = OrvGramNullNode();
  OrvParseValue stack[3] = {Value(header), Value(OrvGramNullNode()), Value(OrvGramNullNode())};
  OrvExpr* division = OrvGramEnvDivision(&stack[0], &stack[1], &stack[2]);
  EXPECT_EQ(division, header);
  EXPECT_EQ(stack[1], 0);
  EXPECT_EQ(stack[2], 0);
  owned.push_back(division);
  // A header alone is enough for a division node.
  OrvExpr* real = OrvGramNode(DIVISION_ENVIRONMENT_HEADER);
  OrvParseValue stack2[3] = {Value(real), Value(OrvGramNullNode()), Value(OrvGramNullNode())};
  division = OrvGramEnvDivision(&stack2[0], &stack2[1], &stack2[2]);
  ASSERT_EQ(division->Oper(), DIVISION_ENVIRONMENT);
  EXPECT_EQ(division->Args(0), real);
  EXPECT_EQ(division->Args(1), OrvGramNodeOf(stack2[1]));
  owned.push_back(division);
}

TEST_F(ProgramFrameTest, AConfigurationSectionWithoutClausesBecomesANullNode) {
  // The header's entry is cleared: the section holds the header now.
  OrvParseValue header = Value(OrvGramNullNode());
  OrvParseValue started = Value(OrvGramStartConfiguration(&header));
  EXPECT_EQ(header, 0);
  OrvExpr* section = OrvGramFinishConfiguration(&started);
  EXPECT_EQ(section->Oper(), NULL_NODE);
  EXPECT_EQ(started, 0);
  owned.push_back(section);
  // With only a REPOSITORY paragraph: the section, header slot NULL_NODE.
  header = Value(OrvGramNullNode());
  started = Value(OrvGramStartConfiguration(&header));
  OrvConfigurationCollector.SetClause(4, OrvGramNode(PARA_REPOSITORY));
  section = OrvGramFinishConfiguration(&started);
  ASSERT_EQ(section->Oper(), SECTION_CONFIGURATION);
  EXPECT_EQ(section->Args(0)->Oper(), NULL_NODE);
  EXPECT_EQ(section->Args(4)->Oper(), PARA_REPOSITORY);
  EXPECT_EQ(OrvGramNodeOf(started), section);
  owned.push_back(section);
}

TEST_F(ProgramFrameTest, ADataDivisionTakesItsSectionsIntoSlotsTwoToNine) {
  OrvParseValue header = Value(OrvGramNullNode());
  OrvParseValue sections[ORV_DATA_DIVISION_SECTIONS];
  for (OrvParseValue& s : sections) s = Value(OrvGramNullNode());
  OrvExpr* division = OrvGramDataDivision(&header, sections);
  EXPECT_EQ(division, OrvGramNodeOf(header));
  for (OrvParseValue s : sections) EXPECT_EQ(s, 0);
  owned.push_back(division);

  header = Value(OrvGramNullNode());
  for (OrvParseValue& s : sections) s = Value(OrvGramNullNode());
  OrvExpr* workingStorage = OrvGramNode(SECTION_WORKING_STORAGE);
  delete OrvGramNodeOf(sections[2]);
  sections[2] = Value(workingStorage);
  division = OrvGramDataDivision(&header, sections);
  ASSERT_EQ(division->Oper(), DIVISION_DATA);
  EXPECT_EQ(division->Args(0), OrvGramNodeOf(header));
  EXPECT_EQ(division->Args(4), workingStorage);
  EXPECT_EQ(division->Args(9), OrvGramNodeOf(sections[7]));
  owned.push_back(division);
}

}  // namespace
