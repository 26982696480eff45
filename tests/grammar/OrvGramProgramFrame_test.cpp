// The action helpers of the program frame and the DATA DIVISION frame, on
// hand-built values: warnings for missing parts by dialect, END PROGRAM
// headers that end a program or are refused, and divisions whose parts are
// all absent.
#include <gtest/gtest.h>

#include "OrvDialMasks.h"
#include "OrvGramDataDivision.h"
#include "OrvGramNodes.h"
#include "OrvGramProgramFrame.h"
#include "OrvOperSlots.h"
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
  // END PROGRAM B: B is ended into A, the header in B's end-program slot.
  OrvExpr* right = OrvGramEndProgramHeader(Use(SYMCAT_PROGRAM_NAME, {"B"}));
  OrvGramEndProgram(right);
  EXPECT_EQ(inner->Args(COBOL_PROGRAM__END_PROGRAM_HEADER), right);
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
  OrvExpr* stack[3] = {header, OrvGramNullNode(), OrvGramNullNode()};
  OrvExpr* division = OrvGramEnvDivision(&stack[0], &stack[1], &stack[2]);
  EXPECT_EQ(division, header);
  EXPECT_EQ(stack[1], nullptr);
  EXPECT_EQ(stack[2], nullptr);
  owned.push_back(division);
  // A header alone is enough for a division node.
  OrvExpr* real = OrvGramNode(DIVISION_ENVIRONMENT_HEADER);
  OrvExpr* stack2[3] = {real, OrvGramNullNode(), OrvGramNullNode()};
  division = OrvGramEnvDivision(&stack2[0], &stack2[1], &stack2[2]);
  ASSERT_EQ(division->Oper(), DIVISION_ENVIRONMENT);
  EXPECT_EQ(division->Args(DIVISION_ENVIRONMENT__ENVIRONMENT_DIVISION_HEADER), real);
  EXPECT_EQ(division->Args(DIVISION_ENVIRONMENT__CONFIGURATION_SECTION), stack2[1]);
  owned.push_back(division);
}

TEST_F(ProgramFrameTest, AConfigurationSectionWithoutClausesBecomesANullNode) {
  // The header's entry is cleared: the section holds the header now.
  OrvExpr* header = OrvGramNullNode();
  OrvExpr* started = OrvGramStartConfiguration(&header);
  EXPECT_EQ(header, nullptr);
  OrvExpr* section = OrvGramFinishConfiguration(&started);
  EXPECT_EQ(section->Oper(), NULL_NODE);
  EXPECT_EQ(started, nullptr);
  owned.push_back(section);
  // With only a REPOSITORY paragraph: the section, header slot NULL_NODE.
  header = OrvGramNullNode();
  started = OrvGramStartConfiguration(&header);
  OrvConfigurationCollector.SetClause(SECTION_CONFIGURATION__REPOSITORY, OrvGramNode(PARA_REPOSITORY));
  section = OrvGramFinishConfiguration(&started);
  ASSERT_EQ(section->Oper(), SECTION_CONFIGURATION);
  EXPECT_EQ(section->Args(SECTION_CONFIGURATION__CONFIGURATION_SECTION_HEADER)->Oper(), NULL_NODE);
  EXPECT_EQ(section->Args(SECTION_CONFIGURATION__REPOSITORY)->Oper(), PARA_REPOSITORY);
  EXPECT_EQ(started, section);
  owned.push_back(section);
}

TEST_F(ProgramFrameTest, ADataDivisionTakesItsSectionsIntoTheirSlots) {
  OrvExpr* header = OrvGramNullNode();
  OrvExpr* sections[8];
  for (OrvExpr*& s : sections) s = OrvGramNullNode();
  OrvExpr* division = OrvGramDataDivision(&header, {&sections[0], &sections[1], &sections[2], &sections[3], &sections[4], &sections[5], &sections[6], &sections[7]});
  EXPECT_EQ(division, header);
  for (OrvExpr* s : sections) EXPECT_EQ(s, nullptr);
  owned.push_back(division);

  header = OrvGramNullNode();
  for (OrvExpr*& s : sections) s = OrvGramNullNode();
  OrvExpr* workingStorage = OrvGramNode(SECTION_WORKING_STORAGE);
  delete sections[2];
  sections[2] = workingStorage;
  division = OrvGramDataDivision(&header, {&sections[0], &sections[1], &sections[2], &sections[3], &sections[4], &sections[5], &sections[6], &sections[7]});
  ASSERT_EQ(division->Oper(), DIVISION_DATA);
  EXPECT_EQ(division->Args(DIVISION_DATA__DATA_DIVISION_HEADER), header);
  EXPECT_EQ(division->Args(DIVISION_DATA__WORKING_STORAGE_SECTION), workingStorage);
  EXPECT_EQ(division->Args(DIVISION_DATA__SCREEN_SECTION), sections[7]);
  owned.push_back(division);
}

}  // namespace
