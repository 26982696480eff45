// The parser's symbol table with its index of names: every look-up answers
// what the binary search over the sorted children answers, after
// insertions, removals, renames and edits the table does not see coming.
#include "OrvSymTabList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "OrvConstNodes.h"
#include "OrvSymTab.h"
#include "OrvToken.h"
#include "TestStrings.h"

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

TEST(OrvSymTabListTest, NamesOfEveryLengthAndOneByteApartAreFoundAsThemselves) {
  // Every length up to three words of the hash's steps, and for each
  // length the names that differ from it in one byte: the first, the
  // middle or the last one.
  const std::string base = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::vector<std::string> names;
  for (std::size_t n = 1; n <= 25; ++n) {
    const std::string name = base.substr(0, n);
    names.push_back(name);
    for (std::size_t k : {std::size_t(0), n / 2, n - 1}) {
      std::string other = name;
      other[k] = '-';
      names.push_back(other);
    }
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  OrvSymTabList table;
  std::vector<OrvSymTabElt*> elts;
  for (const std::string& n : names) elts.push_back(OrvSymTabFindOrAddElt(&table, VString(n.c_str())));
  EXPECT_EQ(static_cast<int>(names.size()), table.NArgs());
  for (std::size_t i = 0; i < names.size(); ++i) {
    SCOPED_TRACE(names[i]);
    EXPECT_EQ(elts[i], Indexed(&table, names[i].c_str()));
    EXPECT_EQ(elts[i], Searched(&table, names[i].c_str()));
    // Names compare as C strings: what stands after the NUL is not read.
    const std::string tail = names[i] + std::string(1, '\0') + "TAIL-OF-NINE";
    OrvSymTabElt* found = nullptr;
    ASSERT_TRUE(table.Lookup(VString(tail.data(), static_cast<int>(tail.size())), found));
    EXPECT_EQ(elts[i], found);
  }
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

// Names 0..count-1 as "Fnnnnnn" in one of the orders a program may declare
// them: ascending, descending, shuffled with a fixed seed, or ascending with
// every name given twice.
enum class NameOrder { kAscending, kDescending, kShuffled, kDuplicates };

std::vector<std::string> NamesIn(NameOrder order, int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    char text[16];
    std::snprintf(text, sizeof text, "F%06d", i);
    names.push_back(text);
    if (order == NameOrder::kDuplicates) names.push_back(text);
  }
  if (order == NameOrder::kDescending) std::reverse(names.begin(), names.end());
  if (order == NameOrder::kShuffled) std::shuffle(names.begin(), names.end(), std::mt19937(36));
  return names;
}

// The images of the children, read through the node interface.
std::vector<std::string> ChildNames(OrvExpr* table) {
  std::vector<std::string> out;
  for (int i = 0; i < table->NArgs(); ++i) out.push_back(Str(*table->Args(i)->Image()));
  return out;
}

struct OrderCase {
  const char* label;
  NameOrder order;
};

const OrderCase kOrders[] = {
    {"ascending", NameOrder::kAscending},
    {"descending", NameOrder::kDescending},
    {"shuffled", NameOrder::kShuffled},
    {"duplicates", NameOrder::kDuplicates},
};

// In any order the names go in without a position and the children read
// back as a plain table that inserts each name at its place gives them:
// the same names in the same order, the same element for a name asked
// again, and the same answer to every look-up.
TEST(OrvSymTabListTest, NamesInAnyOrderGiveTheChildrenAndLookUpsOfAPlainTable) {
  for (const OrderCase& c : kOrders) {
    SCOPED_TRACE(c.label);
    OrvSymTabList table;
    OrvExprOper plain(SYMBOL_TABLE_ELT_LIST);
    const std::vector<std::string> names = NamesIn(c.order, 500);
    std::vector<OrvSymTabElt*> got;
    for (const std::string& n : names) {
      got.push_back(OrvSymTabFindOrAddElt(&table, VString(n.c_str())));
      OrvSymTabFindOrAddElt(&plain, VString(n.c_str()));
    }
    const std::vector<std::string> expected = ChildNames(&plain);
    ASSERT_EQ(expected.size(), 500u);
    ASSERT_TRUE(std::is_sorted(expected.begin(), expected.end()));
    EXPECT_EQ(ChildNames(&table), expected);
    // The non-virtual readers see the settled order too.
    EXPECT_EQ(Str(*table.ChildAt(0)->Image()), "F000000");
    EXPECT_EQ(Str(*table.SlotAt(499)->child->Image()), "F000499");
    for (size_t i = 0; i < names.size(); ++i) {
      EXPECT_EQ(got[i], Indexed(&table, names[i].c_str())) << names[i];
      EXPECT_EQ(got[i], Searched(&table, names[i].c_str())) << names[i];
      EXPECT_EQ(got[i]->Parent(), &table);
    }
    ExpectSameAnswers(&table, {"F", "F0000000", "F000250", "F999999", ""});
  }
}

// Names appended out of order and then edited through the node interface:
// the edit sees the children in order, and the table keeps its answers.
// Names that share their first eight bytes or end within them, and bytes
// above 0x7f, come out of the unordered insertions in the order of a plain
// table (strcmp's order).
TEST(OrvSymTabListTest, NamesAlikeInTheirFirstBytesSettleInThePlainOrder) {
  const std::vector<std::string> names = {
      "WRK-ITEM-B", "WRK-ITEM", "WRK-ITEM-A", "WRK-ITE", "W", "WRK-ITEM-AA", "A\xe9", "A~",
      "ABCDEFGH", "ABCDEFG", "ABCDEFGHI", "B", "AZ", "WRK-ITEM-\xc0", "WRK-ITEM-0"};
  OrvSymTabList table;
  OrvExprOper plain(SYMBOL_TABLE_ELT_LIST);
  // In order first, so that the rest are appended and settled.
  for (const char* first : {"A", "Z"}) {
    OrvSymTabFindOrAddElt(&table, VString(first));
    OrvSymTabFindOrAddElt(&plain, VString(first));
  }
  for (const std::string& n : names) {
    OrvSymTabFindOrAddElt(&table, VString(n.c_str()));
    OrvSymTabFindOrAddElt(&plain, VString(n.c_str()));
  }
  const std::vector<std::string> expected = ChildNames(&plain);
  ASSERT_EQ(expected.size(), names.size() + 2);
  EXPECT_EQ(ChildNames(&table), expected);
  for (std::size_t i = 1; i < expected.size(); ++i)
    EXPECT_LT(std::strcmp(expected[i - 1].c_str(), expected[i].c_str()), 0);
}

TEST(OrvSymTabListTest, AnEditAfterUnorderedInsertionsSeesTheSortedChildren) {
  OrvSymTabList table;
  for (const char* n : {"D", "B", "C", "A"}) OrvSymTabFindOrAddElt(&table, VString(n));
  // Slot 1 holds B once settled: removing it leaves A C D.
  EXPECT_EQ(Str(*table.ArgSlots(1)->child->Image()), "B");
  delete table.DelArg(1, 1, 0);
  EXPECT_EQ(ChildNames(&table), (std::vector<std::string>{"A", "C", "D"}));
  OrvSymTabFindOrAddElt(&table, VString("0"));
  OrvSymTabFindOrAddElt(&table, VString("E"));
  EXPECT_EQ(table.FindArg(Indexed(&table, "0")), 0);
  EXPECT_EQ(ChildNames(&table), (std::vector<std::string>{"0", "A", "C", "D", "E"}));
  ExpectSameAnswers(&table, {"0", "A", "B", "C", "D", "E"});
}

// The trace lines of look-ups and insertions at level 1 are those of a
// plain table, position by position, in every name order.
TEST(OrvSymTabListTest, TheLevelOneTraceIsThatOfAPlainTable) {
  for (const OrderCase& c : kOrders) {
    SCOPED_TRACE(c.label);
    const std::vector<std::string> names = NamesIn(c.order, 12);
    std::string traced[2];
    OrvSymTabList indexed;
    OrvExprOper plain(SYMBOL_TABLE_ELT_LIST);
    OrvExpr* tables[2] = {&indexed, &plain};
    for (int t = 0; t < 2; ++t) {
      OrvSymTabTraceLevel = 1;
      ::testing::internal::CaptureStdout();
      for (const std::string& n : names) OrvSymTabFindOrAddElt(tables[t], VString(n.c_str()));
      OrvSymTabFindElt(tables[t], VString("F000003"), nullptr);
      traced[t] = ::testing::internal::GetCapturedStdout();
      OrvSymTabTraceLevel = 0;
      // The tables' addresses differ; the rest of each line must not.
      std::ostringstream addr;
      addr << static_cast<const void*>(tables[t]);
      for (size_t at; (at = traced[t].find(addr.str())) != std::string::npos;)
        traced[t].replace(at, addr.str().size(), "TBL");
    }
    EXPECT_NE(traced[1].find("+SymTabAddElt: "), std::string::npos);
    EXPECT_NE(traced[1].find("*SymTabFound: tbl=TBL ix=3 "), std::string::npos) << traced[1];
    EXPECT_EQ(traced[0], traced[1]);
  }
}

}  // namespace
