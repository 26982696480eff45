// The action helpers of the REPORT and SCREEN SECTIONs on hand-built values:
// RD entries with LINE-COUNTER and PAGE-COUNTER, the RD holder and the
// screen section over the group and screen entries they take, the tokens
// the screen section hands to its list, and the slots of the attributes
// that screen entries share with ACCEPT and DISPLAY.
#include <gtest/gtest.h>

#include "OrvDialMasks.h"
#include "OrvGramDataEntries.h"
#include "OrvGramNames.h"
#include "OrvGramNodes.h"
#include "OrvGramReport.h"
#include "OrvGramScreen.h"
#include "OrvOperSlots.h"
#include "OrvParserStatics.h"
#include "GrammarActionTest.h"

namespace {

class ReportScreenTest : public grammar_actions::ProgramTest {
 protected:

  OrvExpr* LevelNode(std::int64_t level) {
    return new OrvIntNumConst(VString(std::to_string(level).c_str()), level);
  }
};

TEST_F(ReportScreenTest, EveryRdDefinesItsCountersAgainWithoutAMessage) {
  parser.lexerSettings.dials = ORV_DIAL_MASK_ANSI74;  // duplicates are reported
  for (int i = 0; i < 2; ++i) {
    OrvExpr* name = OrvGramDefine(Name(i == 0 ? "R1" : "R2"), SYMCAT_REPORT_NAME);
    OrvExpr* entry = OrvGramStartReportDescription(name);
    EXPECT_EQ(entry->ArgSlots(DECL_RD_ENTRY__REPORT_NAME_DEFINED)->order, 0);
    OrvExpr* done = OrvGramFinishReportDescription();
    EXPECT_EQ(done, entry);
    for (int slot : {DECL_RD_ENTRY__LINE_COUNTER, DECL_RD_ENTRY__PAGE_COUNTER}) {
      ASSERT_NE(done->Args(slot), nullptr);
      EXPECT_EQ(done->Args(slot)->Oper(), NAMED_OBJ_DEF);
    }
    owned.push_back(done);
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ReportScreenTest, TheRdHolderAndTheScreenSectionTakeTheirEntriesNestedByLevel) {
  for (bool screen : {false, true}) {
    SCOPED_TRACE(screen ? "screen" : "report");
    for (std::int64_t level : {1, 5, 5, 1}) {
      OrvExpr* start = screen ? OrvGramStartScreenEntry(LevelNode(level), OrvGramNullNode(), nullptr)
                              : OrvGramStartReportGroup(LevelNode(level), OrvGramNullNode(), nullptr);
      static_assert(DECL_SCRD_ENTRY__SCREEN_ITEM_DEFINED == DECL_RGD_ENTRY__GROUP_NAME_DEFINED, "one name slot");
      EXPECT_EQ(start->ArgSlots(DECL_RGD_ENTRY__GROUP_NAME_DEFINED)->order, 1);
      OrvExpr* entry = screen ? OrvScreenItemCollector.Finish() : OrvEntryCollector.Finish();
      OrvGramPlaceEntry(entry, screen ? DECL_SCRD : DECL_RGD);
    }
    OrvExpr* owner = screen ? OrvGramScreenSection() : OrvGramReportDescription(OrvGramNode(DECL_RD_ENTRY));
    EXPECT_EQ(owner->Oper(), screen ? SECTION_SCREEN : DECL_RD);
    OrvExpr* records = owner->Args(screen ? SECTION_SCREEN__SCREEN_DESCRIPTION_ENTRIES : DECL_RD__REPORT_GROUP_ENTRIES);
    ASSERT_NE(records, nullptr);
    ASSERT_EQ(records->NArgs(), 2);
    EXPECT_EQ(records->Args(0)->Oper(), screen ? DECL_SCRD : DECL_RGD);
    EXPECT_EQ(records->Args(0)->Args(DECL_RGD__SUBORDINATE_ENTRIES)->NArgs(), 2);  // DECL_SCRD alike
    EXPECT_EQ(parser.recordList, nullptr);
    owned.push_back(owner);
  }
}

TEST_F(ReportScreenTest, TheScreenSectionHandsItsOwnTokensToItsEntries) {
  OrvGramStartScreenEntry(LevelNode(1), OrvGramNullNode(), nullptr);
  OrvGramPlaceEntry(OrvScreenItemCollector.Finish(), DECL_SCRD);
  OrvExpr* section = OrvGramScreenSection();
  sematest::PlaceAt(section, 3, 8, "SCREEN");
  EXPECT_EQ(OrvGramScreenSectionTokens(section), section);
  EXPECT_EQ(section->Tokens().Count(), 0);
  EXPECT_EQ(section->ArgSlots(SECTION_SCREEN__SCREEN_DESCRIPTION_ENTRIES)->tokens.Count(), 1);
  owned.push_back(section);
}

TEST_F(ReportScreenTest, AttributesGoToTheSlotsThatScreenItemsShare) {
  const struct {
    OrvOper attribute;
    int slot;
  } cases[] = {
      {DSPL_BELL, DECL_SCRD_ENTRY__BELL},
      {DSPL_ERASE, DECL_SCRD_ENTRY__ERASE},
      {DSPL_HIGHLIGHT, DECL_SCRD_ENTRY__HIGHLIGHT_LOWLIGHT},
      {DSPL_LOWLIGHT, DECL_SCRD_ENTRY__HIGHLIGHT_LOWLIGHT},
      {DSPL_SIZE, DECL_SCRD_ENTRY__SIZE},
      {DSPL_CONTROL, DECL_SCRD_ENTRY__CONTROL},
      {DSPL_BACKGROUND_COLOR, DECL_SCRD_ENTRY__BACKGROUND_COLOR},
      {ACCP_AUTO, DECL_SCRD_ENTRY__AUTO},
      {ACCP_ZERO_FILL, DECL_SCRD_ENTRY__ZERO_FILL},
      {DSPL_BLANK, DECL_SCRD_ENTRY__BLANK},
      {SCRD_VALUE, DECL_SCRD_ENTRY__COPYBEGIN_END_SYNTAXERROR},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(OrvOperName(c.attribute));
    OrvExpr* node = OrvGramNode(c.attribute);
    EXPECT_EQ(OrvGramScreenAttributeSlot(node), c.slot);
    delete node;
  }
  EXPECT_EQ(OrvGramScreenAttributeSlot(nullptr), DECL_SCRD_ENTRY__COPYBEGIN_END_SYNTAXERROR);
}

}  // namespace
