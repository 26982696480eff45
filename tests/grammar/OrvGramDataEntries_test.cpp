// The action helpers of data description entries on hand-built values: the
// usage words by dialect, the entry started in its collector with the clause
// orders of its first parts and the level reported at its own tokens, the
// entry placed by its level (level 0 included), and the two warnings of
// constant names.
#include <gtest/gtest.h>

#include "OrvDialMasks.h"
#include "OrvGramDataEntries.h"
#include "OrvGramNames.h"
#include "OrvGramNodes.h"
#include "OrvOperSlots.h"
#include "OrvParserStatics.h"
#include "GrammarActionTest.h"

namespace {

using sematest::Line;

class DataEntriesTest : public grammar_actions::ProgramTest {
 protected:

  // A level number as the token supply gives it: the node, and its token in
  // the position list.
  OrvExpr* Level(const char* image, std::int64_t value, OrvTokenList& tokens, int line = 7) {
    tokens.AddToken(TK_INT_NUM_LIT, OrvTxtPosn(line, 7, 1), VString(image));
    return new OrvIntNumConst(VString(image), value);
  }
};

TEST_F(DataEntriesTest, CompOneAndTwoFollowRyanMcFarlandFirstThenAcu) {
  const struct {
    int op;
    OrvDials dials;
    int expected;
  } cases[] = {
      {DU_COMP, ORV_DIAL_MASK_ANSI85, DU_COMP},
      {DU_COMP, ORV_DIAL_MASK_ANSI85 | ORV_DIAL_MASK_RM85, DU_COMP_RM},
      {DU_COMP, ORV_DIAL_MASK_RM, DU_COMP_RM},
      {DU_COMP, ORV_DIAL_MASK_ACU, DU_COMP},
      {DU_COMP_1, ORV_DIAL_MASK_ANSI85, DU_COMP_1},
      {DU_COMP_1, ORV_DIAL_MASK_ACU, DU_COMP_1_ACU},
      {DU_COMP_1, ORV_DIAL_MASK_ACU | ORV_DIAL_MASK_RM, DU_COMP_1_RM},
      {DU_COMP_2, ORV_DIAL_MASK_RM85, DU_COMP_2},
      {DU_COMP_2, ORV_DIAL_MASK_ACU | ORV_DIAL_MASK_RM85, DU_COMP_2_ACU},
      {DU_DISPLAY, ORV_DIAL_MASK_ACU | ORV_DIAL_MASK_RM, DU_DISPLAY},
      {DU_PACKED_DECIMAL, ORV_DIAL_MASK_RM85, DU_PACKED_DECIMAL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(OrvOperName(static_cast<OrvOper>(c.op))) + " " + std::to_string(c.dials));
    EXPECT_EQ(OrvGramUsageOper(c.op, c.dials), c.expected);
    parser.lexerSettings.dials = c.dials;
    OrvExpr* node = OrvGramUsage(c.op);
    EXPECT_EQ(node->Oper(), c.expected);
    delete node;
  }
}

TEST_F(DataEntriesTest, TheFirstPartsTakeTheFirstClauseOrdersAndWangEntriesAreWangDisplay) {
  for (OrvDials dials : {OrvDials{ORV_DIAL_MASK_ANSI85}, OrvDials{ORV_DIAL_MASK_WANG}}) {
    parser.lexerSettings.dials = dials;
    OrvTokenList tokens;
    OrvExpr* level = Level("05", 5, tokens);
    OrvExpr* name = OrvGramNode(EX_FILLER);
    OrvExpr* entry = OrvGramStartDataEntry(level, nullptr, name, &tokens);
    EXPECT_EQ(entry->Oper(), dials == ORV_DIAL_MASK_WANG ? DECL_DD_ENTRY_WANG_DISPLAY : DECL_DD_ENTRY);
    EXPECT_EQ(OrvEntryCollector.node, entry);
    EXPECT_EQ(entry->Args(DECL_DD_ENTRY__LEVEL_NUMBER), level);
    EXPECT_EQ(entry->Args(DECL_DD_ENTRY__COPY_BEFORE_NAME), nullptr);
    EXPECT_EQ(entry->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED), name);
    EXPECT_EQ(entry->ArgSlots(DECL_DD_ENTRY__LEVEL_NUMBER)->order, 0);
    EXPECT_EQ(entry->ArgSlots(DECL_DD_ENTRY__DATA_ITEM_DEFINED)->order, 2);
    OrvEntryCollector.SetClause(DECL_DD_ENTRY__PICTURE, OrvGramNode(DX_PICTURE));
    EXPECT_EQ(entry->ArgSlots(DECL_DD_ENTRY__PICTURE)->order, 3);
    // The level's tokens are back in the position list for the entry's
    // position step.
    EXPECT_EQ(tokens.Count(), 1);
    EXPECT_EQ(level->Tokens().Count(), 0);
    delete OrvEntryCollector.Finish();
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(DataEntriesTest, BadLevelsAreReportedAtTheirOwnTokensAndStillNested) {
  const struct {
    const char* image;
    std::int64_t value;
  } cases[] = {{"50", 50}, {"00", 0}, {"65", 65}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.image);
    messages.Clear();
    PlaceDataEntry(1, "REC");
    OrvTokenList tokens;
    OrvExpr* bad = PlaceDataEntry(c.value, "ITEM", &tokens);
    EXPECT_EQ(Messages(), std::vector<std::string>{Line(
                              MSG_ERR, std::string("Level number should be between 01 and 49, or 66, 77, 78, 88, not ") +
                                           c.image)});
    EXPECT_EQ(MessagePosns()[0].Line(), 7);
    EXPECT_EQ(MessagePosns()[0].Column(), 7);
    // The entry is in the record structure: a level 0 entry is nested as
    // level 1, so it closes REC and heads a record of its own.
    ASSERT_NE(bad->Parent(), nullptr);
    EXPECT_EQ(bad->Parent()->Oper(), DECL_DD);
    parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
    OrvExpr* records = parser.recordList;
    ASSERT_NE(records, nullptr);
    EXPECT_EQ(records->NArgs(), c.value == 0 ? 2 : 1);
    owned.push_back(records);
    parser.recordList = nullptr;
  }
}

TEST_F(DataEntriesTest, ConstantNamesWrittenAgainOrWordsInValuesWarnAtTheCurrentPosition) {
  parser.curPosn = OrvTxtPosn(12, 20, 1);
  OrvExpr* def = OrvGramConstantNameAgain(Name("K"));
  ASSERT_NE(def, nullptr);
  EXPECT_EQ(Name("K")->Category(), SYMCAT_CONSTANT_NAME);
  OrvExpr* use = OrvGramUndefinedConstant(Name("W"), nullptr);
  ASSERT_NE(use, nullptr);
  EXPECT_EQ(use->Oper(), NAMED_OBJ_USE);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{
                Line(MSG_WARN, "Double definition of 78-level constant. Second definition is ignored."),
                Line(MSG_WARN, "Undefined 78-level constant")}));
  EXPECT_EQ(MessagePosns()[1].Line(), 12);
  owned.push_back(def);
  owned.push_back(use);
}

}  // namespace
