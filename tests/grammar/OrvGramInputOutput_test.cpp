// The action helpers of the INPUT-OUTPUT SECTION on hand-built values: the
// sections and paragraphs whose parts may all be absent, SELECT entries and
// alternate keys started with their first clause orders, split keys joined
// with ALSO, and lists that start from an empty NULL_NODE.
#include <gtest/gtest.h>

#include "OrvGramInputOutput.h"
#include "OrvGramNodes.h"
#include "OrvListExpr.h"
#include "OrvOperSlots.h"
#include "OrvParserStatics.h"
#include "SemaTestSupport.h"

namespace {

class InputOutputTest : public sematest::ParserTest {
 protected:
  void TearDown() override {
    delete OrvFileControlCollector.Finish();
    delete OrvSubClauseCollector.Finish();
    ParserTest::TearDown();
  }
};

TEST_F(InputOutputTest, AFrameOfAbsentPartsIsItsFirstValueAndTheOthersAreFreed) {
  const struct {
    bool header, body, tail;
  } cases[] = {{false, false, false}, {true, false, false}, {false, true, false},
               {false, false, true},  {true, true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.header) + std::to_string(c.body) + std::to_string(c.tail));
    OrvExpr* header = c.header ? OrvGramNode(SECTION_INPUT_OUTPUT_HEADER) : OrvGramNullNode();
    OrvExpr* body = c.body ? OrvGramNode(PARA_FILE_CONTROL) : OrvGramNullNode();
    OrvExpr* values[] = {header, body, c.tail ? OrvGramNode(PARA_I_O_CONTROL) : nullptr};
    sematest::ReleaseWatch watch;
    OrvExpr* frame = OrvGramOptionalFrame(SECTION_INPUT_OUTPUT, {&values[0], &values[1], &values[2]});
    if (!c.header && !c.body && !c.tail) {
      EXPECT_EQ(frame, header);
      EXPECT_TRUE(watch.Released(body));
      EXPECT_EQ(values[1], nullptr);
    } else {
      ASSERT_EQ(frame->Oper(), SECTION_INPUT_OUTPUT);
      EXPECT_EQ(frame->Args(SECTION_INPUT_OUTPUT__INPUT_OUTPUT_SECTION_HEADER), header);
      EXPECT_EQ(frame->Args(SECTION_INPUT_OUTPUT__FILE_CONTROL_PARAGRAPH), body);
      EXPECT_EQ(frame->Args(SECTION_INPUT_OUTPUT__I_O_CONTROL_PARAGRAPH) != nullptr, c.tail);
      EXPECT_EQ(watch.Count(), 0u);
    }
    owned.push_back(frame);
  }
}

TEST_F(InputOutputTest, SelectAndAlternateKeyPartsTakeTheFirstClauseOrders) {
  OrvExpr* optional = OrvGramNode(FCX_OPTIONAL);
  OrvExpr* name = OrvGramNode(NAMED_OBJ_USE);
  OrvExpr* entry = OrvGramStartFileControl(optional, name);
  EXPECT_EQ(OrvFileControlCollector.node, entry);
  EXPECT_EQ(entry->Oper(), DECL_FC_ENTRY);
  EXPECT_EQ(entry->Args(DECL_FC_ENTRY__OPTIONAL), optional);
  EXPECT_EQ(entry->Args(DECL_FC_ENTRY__FILE_NAME), name);
  EXPECT_EQ(entry->ArgSlots(DECL_FC_ENTRY__FILE_NAME)->order, 1);
  OrvExpr* key = OrvGramNode(FCX_COMP_REC_KEY);
  OrvExpr* alternate = OrvGramStartAlternateKey(key);
  EXPECT_EQ(OrvSubClauseCollector.node, alternate);
  EXPECT_EQ(alternate->Args(FCX_ALTERNATE_RECORD_KEY__ALTERNATE_KEY), key);
  OrvSubClauseCollector.SetClause(FCX_ALTERNATE_RECORD_KEY__WITH_DUPLICATES, OrvGramNode(FCX_ALTKEY_WITH_DUPLICATES));
  EXPECT_EQ(alternate->ArgSlots(FCX_ALTERNATE_RECORD_KEY__WITH_DUPLICATES)->order, 1);
  OrvFileControlCollector.AddListItem(DECL_FC_ENTRY__ALTERNATE_RECORD_KEYS, FCX_ALTERNATE_RECORD_KEY_LIST,
                                      OrvSubClauseCollector.Finish());
  EXPECT_EQ(entry->Args(DECL_FC_ENTRY__ALTERNATE_RECORD_KEYS)->Oper(), FCX_ALTERNATE_RECORD_KEY_LIST);
  EXPECT_EQ(entry->Args(DECL_FC_ENTRY__ALTERNATE_RECORD_KEYS)->ArgSlots(0)->order, 2);
}

TEST_F(InputOutputTest, AlsoJoinsTheDataNameInFrontOfOneFlatList) {
  OrvExpr* first = OrvGramNode(NAMED_OBJ_USE);
  OrvExpr* second = OrvGramNode(NAMED_OBJ_USE);
  OrvExpr* third = OrvGramNode(NAMED_OBJ_USE);
  OrvExpr* components = OrvListExpr(SPLIT_KEY_COMP_LIST, second, third);
  OrvExpr* joined = OrvGramSplitKeyAlso(first, components);
  EXPECT_EQ(joined->Oper(), SPLIT_KEY_COMP_ALSO_LIST);
  ASSERT_EQ(joined->NArgs(), 3);
  EXPECT_EQ(joined->Args(0), first);
  EXPECT_EQ(joined->Args(2), third);
  owned.push_back(joined);
}

TEST_F(InputOutputTest, AListThatStartsEmptyFreesItsNullNodeAndClearsItsEntry) {
  OrvExpr* empty = OrvGramNullNode();
  OrvExpr* entry = empty;
  sematest::ReleaseWatch watch;
  OrvExpr* item = OrvGramNode(EX_CD_MSG_COUNT_IS);
  OrvExpr* list = OrvGramListAppend(EX_CD_LIST, &entry, item);
  EXPECT_TRUE(watch.Released(empty));
  EXPECT_EQ(entry, nullptr);
  EXPECT_EQ(list->Oper(), EX_CD_LIST);
  OrvExpr* held = list;
  EXPECT_EQ(OrvGramListAppend(EX_CD_LIST, &held, OrvGramNode(EX_CD_END_KEY_IS)), list);
  EXPECT_EQ(list->NArgs(), 2);
  EXPECT_EQ(held, list);
  owned.push_back(list);
}

}  // namespace
