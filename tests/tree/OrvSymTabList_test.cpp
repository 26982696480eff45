// The parser's symbol table with its index of names: every look-up answers
// what the binary search over the sorted children answers, after
// insertions, removals, renames and edits the table does not see coming.
#include "OrvSymTabList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrvConstNodes.h"
#include "OrvSymTab.h"

namespace {

// The answer of the binary search over the children (a position is asked
// for, which the index never gives).
OrvSymTabElt* Searched(OrvExpr* table, const char* name) {
  int pos = 0;
  return OrvSymTabFindElt(table, VString(name), &pos);
}

// The answer of a look-up by name alone, which the index gives.
OrvSymTabElt* Indexed(OrvExpr* table, const char* name) {
  return OrvSymTabFindElt(table, VString(name), nullptr);
}

void ExpectSameAnswers(OrvExpr* table, const std::vector<std::string>& names) {
  for (const std::string& n : names) {
    SCOPED_TRACE(n);
    EXPECT_EQ(Searched(table, n.c_str()), Indexed(table, n.c_str()));
  }
}

TEST(OrvSymTabListTest, LookUpsAgreeWithTheSortedSearchAsTheTableGrows) {
  OrvSymTabList table;
  std::vector<std::string> names;
  for (int i = 0; i < 300; ++i) {
    // Names in no order, some only a suffix apart.
    names.push_back("N-" + std::to_string((i * 7919) % 1000));
    names.push_back("N-" + std::to_string((i * 7919) % 1000) + "X");
  }
  for (const std::string& n : names) {
    OrvSymTabElt* elt = OrvSymTabFindOrAddElt(&table, VString(n.c_str()));
    ASSERT_NE(elt, nullptr);
    EXPECT_EQ(elt, Indexed(&table, n.c_str()));
  }
  // Sorted children, one per name.
  for (int i = 1; i < table.NArgs(); ++i)
    EXPECT_LT(table.Args(i - 1)->Image()->Compare(*table.Args(i)->Image()), 0);
  EXPECT_EQ(table.NArgs(), 600);
  names.push_back("MISSING");
  names.push_back("");
  ExpectSameAnswers(&table, names);
  EXPECT_EQ(Indexed(&table, "MISSING"), nullptr);
}

TEST(OrvSymTabListTest, RemovedAndRenamedElementsAreNotFoundUnderTheirOldNames) {
  OrvSymTabList table;
  for (const char* n : {"A", "B", "C", "D"}) OrvSymTabFindOrAddElt(&table, VString(n));
  ASSERT_NE(Indexed(&table, "B"), nullptr);

  // Taken out of the table through the node operations.
  delete Indexed(&table, "B")->DelThis();
  EXPECT_EQ(Indexed(&table, "B"), nullptr);
  ExpectSameAnswers(&table, {"A", "B", "C", "D"});

  // Renamed in place: found under the new name only.
  OrvSymTabElt* c = Indexed(&table, "C");
  VString message;
  c->SetImage(VString("CC"), message);
  EXPECT_EQ(Indexed(&table, "C"), nullptr);
  EXPECT_EQ(Indexed(&table, "CC"), c);

  // A child dropped from its slot by the slot pointer.
  OrvSymTabElt* d = Indexed(&table, "D");
  const int at = table.FindArg(d);
  ASSERT_GE(at, 0);
  delete table.DelArg(at, 1, 0);
  EXPECT_EQ(Indexed(&table, "D"), nullptr);
  ExpectSameAnswers(&table, {"A", "B", "C", "CC", "D"});
}

TEST(OrvSymTabListTest, ChildrenTheIndexCannotHoldLeaveTheAnswerToTheSearch) {
  // Two children of one name (appended past the sorted insertion) and a
  // child that is no element: the look-up still answers as the search.
  OrvSymTabList twice;
  twice.AddArg(new OrvSymTabElt(VString("A"), 0, OrvLinkList()));
  twice.AddArg(new OrvSymTabElt(VString("B"), 0, OrvLinkList()));
  twice.AddArg(new OrvSymTabElt(VString("B"), 0, OrvLinkList()));
  ExpectSameAnswers(&twice, {"A", "B", "C"});

  OrvSymTabList mixed;
  mixed.AddArg(new OrvSymTabElt(VString("A"), 0, OrvLinkList()));
  mixed.AddArg(new OrvCharString(VString("B")));
  mixed.AddArg(new OrvSymTabElt(VString("C"), 0, OrvLinkList()));
  ExpectSameAnswers(&mixed, {"A", "B", "C"});
  EXPECT_EQ(Indexed(&mixed, "B"), nullptr);
}

TEST(OrvSymTabListTest, ACopyAnswersForItsOwnChildren) {
  OrvSymTabList table;
  for (const char* n : {"X", "Y"}) OrvSymTabFindOrAddElt(&table, VString(n));
  OrvExpr* copy = table.Clone();
  ASSERT_NE(dynamic_cast<OrvSymTabList*>(copy), nullptr);
  OrvSymTabElt* x = Indexed(copy, "X");
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(x->Parent(), copy);
  EXPECT_NE(x, Indexed(&table, "X"));
  delete copy;
}

TEST(OrvSymTabListTest, OnlyATableIsTakenForOne) {
  OrvSymTabList table;
  OrvExpr* copy = table.Clone();
  OrvExprOper plain(SYMBOL_TABLE_ELT_LIST);
  OrvSymTabElt element(VString("A"), 0, OrvLinkList());
  EXPECT_EQ(OrvSymTabList::Of(&table), &table);
  EXPECT_EQ(OrvSymTabList::Of(copy), copy);
  EXPECT_EQ(OrvSymTabList::Of(&plain), nullptr);
  EXPECT_EQ(OrvSymTabList::Of(&element), nullptr);
  EXPECT_EQ(OrvSymTabList::Of(nullptr), nullptr);
  delete copy;
}

}  // namespace
