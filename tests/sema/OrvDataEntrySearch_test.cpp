// Searches among data entries: the entry a name names within a record, the
// end of a REDEFINES chain, the last data entry of a list and the kinds of
// holders.
#include "OrvDataEntrySearch.h"

#include <gtest/gtest.h>

#include <string>

#include "LayoutTestSupport.h"
#include "OrvOperSlots.h"

namespace {

using layouttest::LaidOut;

// The use in the REDEFINES clause of the named entry.
OrvExpr* RedefinesUse(LaidOut& tree, const char* name) {
  return OrvSlot(OrvSlot(tree.Entry(name), DECL_DD_ENTRY__REDEFINES_CLAUSE), 0);
}

TEST(OrvFindDefInGroupTest, PlainAndRecursive) {
  LaidOut tree(
      "01 R. 05 A PIC X. 05 G. 10 B PIC X. 10 X1 REDEFINES B PIC X.\n"
      "05 X2 REDEFINES A PIC X. 05 X3 REDEFINES B PIC X. 05 X4 REDEFINES NOSUCH PIC X.\n"
      "01 S PIC X. 01 X5 REDEFINES R PIC X.");
  struct {
    const char* from;
    int mode;
    const char* found;  // "" for none
  } cases[] = {
      {"X1", ORV_FIND_PLAIN, "B"},     {"X1", ORV_FIND_RECURSIVE, "B"},
      {"X2", ORV_FIND_PLAIN, "A"},     {"X2", ORV_FIND_RECURSIVE, "A"},
      {"X3", ORV_FIND_PLAIN, ""},      {"X3", ORV_FIND_RECURSIVE, "B"},
      {"X4", ORV_FIND_PLAIN, ""},      {"X4", ORV_FIND_RECURSIVE, ""},
      {"X5", ORV_FIND_PLAIN, "R"},     {"X5", ORV_FIND_RECURSIVE, "R"},
      {"X2", 2, ""},                   {"X2", -1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " mode " + std::to_string(c.mode));
    OrvExpr* found = OrvFindDefInGroup(tree.Entry(c.from), RedefinesUse(tree, c.from), c.mode);
    EXPECT_EQ(*c.found ? tree.Entry(c.found) : nullptr, found);
  }
  // Only a resolved named-object use names anything.
  OrvExpr* x2 = tree.Entry("X2");
  EXPECT_EQ(nullptr, OrvFindDefInGroup(x2, x2, ORV_FIND_RECURSIVE));
  EXPECT_EQ(nullptr, OrvFindDefInGroup(x2, nullptr, ORV_FIND_PLAIN));
  // An entry outside any holder has no list to search.
  OrvExprOper loose(DECL_DD_ENTRY);
  EXPECT_EQ(nullptr, OrvFindDefInGroup(&loose, RedefinesUse(tree, "X2"), ORV_FIND_RECURSIVE));
}

TEST(OrvRedefinesRootTest, FollowsEarlierEntriesOnly) {
  LaidOut tree(
      "01 R. 05 A PIC X(4). 05 B REDEFINES A PIC X. 05 C REDEFINES B PIC X.\n"
      "05 D REDEFINES E PIC X. 05 E REDEFINES D PIC X. 05 F REDEFINES NOSUCH PIC X.\n"
      "05 H REDEFINES H PIC X.");
  struct {
    const char* entry;
    const char* root;
  } cases[] = {
      {"A", "A"}, {"B", "A"}, {"C", "A"}, {"D", ""}, {"E", ""}, {"F", ""}, {"H", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    EXPECT_EQ(*c.root ? tree.Entry(c.root) : nullptr, OrvRedefinesRoot(tree.Entry(c.entry)));
  }
  EXPECT_EQ(tree.Entry("A"), OrvRedefinedEntry(tree.Entry("B")));
  EXPECT_EQ(nullptr, OrvRedefinedEntry(tree.Entry("A")));
  EXPECT_EQ(nullptr, OrvRedefinesRoot(nullptr));
  OrvExprOper notAnEntry(DECL_DD);
  EXPECT_EQ(nullptr, OrvRedefinesRoot(&notAnEntry));
}

TEST(DataHolderTest, KindsOfHolders) {
  LaidOut tree(
      "01 R. 05 A PIC X. 88 A-ON VALUE 'Y'. 05 G. 10 B PIC X. 78 K VALUE 1.\n"
      "01 E PIC X. 01 C PIC X. 78 J VALUE 2. 88 C-ON VALUE 'Y'.");
  struct {
    const char* entry;
    int group;
    int onlyConst;
  } cases[] = {
      {"R", 1, 0}, {"A", 0, 1}, {"G", 1, 0}, {"B", 0, 1}, {"E", 0, 0}, {"C", 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    OrvExpr* holder = tree.Entry(c.entry)->Parent();
    EXPECT_EQ(c.group, OrvIsGroupHolder(holder));
    EXPECT_EQ(c.onlyConst, OrvHasOnlyConstSubordinates(holder));
  }
  OrvExpr* list = tree.Entry("R")->Parent()->Parent();
  // The last data entry of the section's list is the record C, not one of
  // its subordinates; of R's holder it is R itself.
  EXPECT_EQ(tree.Entry("C"), OrvLastDataEntry(list));
  EXPECT_EQ(tree.Entry("R"), OrvLastDataEntry(tree.Entry("R")->Parent()));
  EXPECT_EQ(tree.Entry("G"), OrvLastDataEntry(tree.Entry("R")->Parent()->Args(DECL_DD__SUBORDINATE_ENTRIES)));
  EXPECT_EQ(nullptr, OrvLastDataEntry(tree.Entry("K")->Parent()));
  EXPECT_EQ(nullptr, OrvLastDataEntry(tree.Entry("B")));
  EXPECT_EQ(nullptr, OrvLastDataEntry(nullptr));
}

}  // namespace
