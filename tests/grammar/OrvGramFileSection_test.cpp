// The action helpers of the FILE SECTION and of the items among record
// entries on hand-built values: the record list a section takes, COPY
// markers placed by the nesting of entries, loose items and EXEC blocks
// after the finished records, a node no boundary stands for kept in the
// tree, the VALUE OF words under Wang, and LINAGE-COUNTER.
#include <gtest/gtest.h>

#include "OrvDialMasks.h"
#include "OrvGramDataEntries.h"
#include "OrvGramFileSection.h"
#include "OrvGramNames.h"
#include "OrvGramNodes.h"
#include "OrvOperSlots.h"
#include "OrvParserStatics.h"
#include "GrammarActionTest.h"

namespace {

class FileSectionTest : public grammar_actions::ProgramTest {
 protected:
  OrvExpr* Entry(std::int64_t level, const char* name) { return PlaceDataEntry(level, name); }

  // The operations of the children of a list, in order.
  static std::vector<int> Opers(const OrvExpr* list) {
    std::vector<int> ops;
    for (int i = 0; list != nullptr && i < list->NArgs(); ++i) ops.push_back(list->Args(i)->Oper());
    return ops;
  }

  OrvExpr* TakeRecords() {
    OrvExpr* records = OrvGramRecordEntries();
    owned.push_back(records);
    return records;
  }
};

TEST_F(FileSectionTest, TheEntriesOfASectionAreTakenOnceAndNoneGiveANullNode) {
  OrvExpr* none = TakeRecords();
  EXPECT_TRUE(none->IsNullNode());
  Entry(1, "A");
  Entry(5, "B");
  Entry(77, "X");
  OrvExpr* records = TakeRecords();
  EXPECT_EQ(records->Oper(), DECL_DD_LIST);
  EXPECT_EQ(records->NArgs(), 2);
  EXPECT_EQ(parser.recordList, nullptr);
  EXPECT_EQ(parser.levelDepth, 0);
  EXPECT_TRUE(TakeRecords()->IsNullNode());
}

TEST_F(FileSectionTest, ACopiedMemberAfterAGroupNestsBetweenItsMarkers) {
  // 01 A. COPY M1. with M1 holding 05 B PIC X.
  Entry(1, "A");
  OrvGramMarkerAmongEntries(OrvGramNode(STMT_INLINED_COPY_BEG), DECL_DD);
  OrvExpr* b = Entry(5, "B");
  OrvGramMarkerAmongEntries(OrvGramNode(STMT_INLINED_COPY_END), DECL_DD);
  OrvExpr* records = TakeRecords();
  ASSERT_EQ(records->NArgs(), 1);
  OrvExpr* subordinates = records->Args(0)->Args(DECL_DD__SUBORDINATE_ENTRIES);
  EXPECT_EQ(Opers(subordinates), (std::vector<int>{STMT_INLINED_COPY_BEG, DECL_DD}));
  EXPECT_EQ(subordinates->Args(1)->Args(DECL_DD__DATA_DESCRIPTION_ENTRY), b);
  EXPECT_EQ(Opers(subordinates->Args(1)->Args(DECL_DD__SUBORDINATE_ENTRIES)), std::vector<int>{STMT_INLINED_COPY_END});
}

TEST_F(FileSectionTest, LooseItemsAndExecBlocksCloseTheRecordsAndFollowThem) {
  const struct {
    int op;
    bool exec;
    int placed;
  } cases[] = {
      {STMT_UNINLINED_COPY, false, STMT_UNINLINED_COPY},
      {STMT__SYNTAX_ERROR, false, STMT__SYNTAX_ERROR},
      {STMT_EXEC, true, STMT_EXEC_IN_DCL},
      {STMT_EXEC_SQL, true, STMT_EXEC_SQL_IN_DCL},
      {STMT_EXEC_CICS, true, STMT_EXEC_CICS},
      // Not a boundary: the nesting ignores it, so it stays as an item.
      {STMT_MOVE, false, STMT_MOVE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(OrvOperName(static_cast<OrvOper>(c.op)));
    Entry(1, "A");
    Entry(5, "B");
    OrvExpr* item = OrvGramNode(c.op);
    if (c.exec)
      OrvGramExecAmongEntries(item);
    else if (c.op == STMT_MOVE)
      OrvGramMarkerAmongEntries(item, DECL_DD);
    else
      OrvGramItemAmongEntries(item);
    Entry(1, "C");
    OrvExpr* records = TakeRecords();
    EXPECT_EQ(Opers(records), (std::vector<int>{DECL_DD, c.placed, DECL_DD}));
    if (c.exec) {
      EXPECT_EQ(item->FromSrc(), 0);
    }
  }
}

TEST_F(FileSectionTest, ValueOfTurnsSpecialWordsOnOnlyUnderWangAndAlwaysOff) {
  for (OrvDials dials : {OrvDials{ORV_DIAL_MASK_ANSI85}, OrvDials{ORV_DIAL_MASK_MF}, OrvDials{ORV_DIAL_MASK_WANG}}) {
    parser.lexerSettings.dials = dials;
    parser.lexer.switches.specialReservedWords = 0;
    OrvGramValueOfWords(1);
    EXPECT_EQ(parser.lexer.switches.specialReservedWords, dials == ORV_DIAL_MASK_WANG ? 1 : 0);
    parser.lexer.switches.specialReservedWords = 1;
    OrvGramValueOfWords(0);
    EXPECT_EQ(parser.lexer.switches.specialReservedWords, 0);
  }
}

TEST_F(FileSectionTest, EachLinageDefinesLinageCounterWithoutADuplicateMessage) {
  parser.lexerSettings.dials = ORV_DIAL_MASK_ANSI74;
  for (int i = 0; i < 2; ++i) {
    OrvExpr* lines = new OrvIntNumConst(VString("60"), 60);
    OrvExpr* started = OrvGramStartLinage(lines);
    EXPECT_EQ(started->Args(FDX_LINAGE__LINAGE_LINES), lines);
    EXPECT_EQ(started->ArgSlots(FDX_LINAGE__LINAGE_LINES)->order, 0);
    OrvExpr* clause = OrvGramFinishLinage();
    EXPECT_EQ(clause, started);
    EXPECT_EQ(OrvEntryCollector.node, nullptr);
    ASSERT_NE(clause->Args(FDX_LINAGE__LINAGE_COUNTER_DEFINED), nullptr);
    EXPECT_EQ(clause->Args(FDX_LINAGE__LINAGE_COUNTER_DEFINED)->Oper(), NAMED_OBJ_DEF);
    owned.push_back(clause);
  }
  EXPECT_EQ(Name("LINAGE-COUNTER")->Category(), SYMCAT_DATA_NAME);
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
