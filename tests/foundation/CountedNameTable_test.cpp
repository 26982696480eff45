// Tests of the counted name table: sorted and arrival-order insertion, counts, growth and out-of-
// range access.
#include "CountedNameTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Names(const CountedNameTable& t) {
  std::string s;
  for (int i = 0; i < t.count; ++i) {
    if (i) s += ",";
    s += t.entries[i].name.text ? t.entries[i].name.text : "";
    s += "=" + std::to_string(t.entries[i].count);
  }
  return s;
}

TEST(CountedNameTableTest, SameNameCountsUp) {
  for (int ordered = 0; ordered <= 1; ++ordered) {
    SCOPED_TRACE(ordered);
    CountedNameTable u(100);
    EXPECT_EQ(u.Add(VString("X"), ordered, 1), 0);
    EXPECT_EQ(u.Add(VString("X"), ordered, 1), 0);
    EXPECT_EQ(u.Add(VString("X"), ordered, 1), 0);
    EXPECT_EQ(Names(u), "X=3");
  }
}

TEST(CountedNameTableTest, OrderedAndArrivalOrder) {
  CountedNameTable sorted(100), arrival(100);
  for (const char* n : {"B", "A", "C", "A"}) {
    sorted.Add(VString(n), 1, 1);
    arrival.Add(VString(n), 0, 1);
  }
  EXPECT_EQ(Names(sorted), "A=2,B=1,C=1");
  EXPECT_EQ(Names(arrival), "B=1,A=2,C=1");
  EXPECT_EQ(arrival.Add(VString("C"), 0, 1), 2);
  EXPECT_EQ(sorted.Add(VString("C"), 1, 1), 2);
}

TEST(CountedNameTableTest, AbsentNameWithoutAdd) {
  CountedNameTable t(4);
  t.Add(VString("A"), 1, 1);
  EXPECT_EQ(t.Add(VString("B"), 1, 0), -1);
  EXPECT_EQ(t.Add(VString("B"), 0, 0), -1);
  EXPECT_EQ(Names(t), "A=1");
  // A present name is found (and counted) also without adding.
  EXPECT_EQ(t.Add(VString("A"), 0, 0), 0);
  EXPECT_EQ(Names(t), "A=2");
}

TEST(CountedNameTableTest, GrowsByDoublingKeepingCounts) {
  CountedNameTable t(100);
  for (int i = 0; i < 100; ++i) {
    t.Add(OrvFormat("n%03d", i), 0, 1);
    t.Add(OrvFormat("n%03d", i), 0, 1);
  }
  EXPECT_EQ(t.capacity, 100);
  EXPECT_EQ(t.Add(VString("n100"), 0, 1), 100);
  EXPECT_EQ(t.capacity, 200);
  EXPECT_EQ(t.count, 101);
  for (int i = 0; i < 100; ++i) {
    EXPECT_STREQ(t[i].name.text, OrvFormat("n%03d", i).text);
    EXPECT_EQ(t[i].count, 2);
  }
  EXPECT_EQ(t[100].count, 1);
}

TEST(CountedNameTableTest, ZeroCapacityTableGrows) {
  CountedNameTable t(0);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(t.Add(OrvFormat("%02d", i), 1, 1), i);
  EXPECT_EQ(t.count, 20);
  EXPECT_GE(t.capacity, 20);
  EXPECT_STREQ(t[19].name.text, "19");
}

TEST(CountedNameTableTest, IndexOutsideGivesTheEmptyEntry) {
  CountedNameTable t(2);
  t.Add(VString("only"), 0, 1);
  for (int i : {-1, 1, 2, 1000}) {
    SCOPED_TRACE(i);
    const CountedName& e = t[i];
    EXPECT_EQ(&e, &CountedNameTable::EmptyEntry());
    EXPECT_EQ(e.name.length, 0);
    EXPECT_EQ(e.count, 0);
  }
  EXPECT_STREQ(t[0].name.text, "only");
}

TEST(CountedNameTableTest, InsertAtPlacesACopy) {
  CountedNameTable t(1);
  EXPECT_EQ(t.InsertAt(CountedName(VString("b"), 5), 0), 0);
  EXPECT_EQ(t.InsertAt(CountedName(VString("a"), 7), 0), 0);
  EXPECT_EQ(t.InsertAt(CountedName(VString("c"), 1), 2), 2);
  EXPECT_EQ(Names(t), "a=7,b=5,c=1");
  // An index outside 0..count inserts nothing.
  EXPECT_EQ(t.InsertAt(CountedName(VString("x"), 1), 5), -1);
  EXPECT_EQ(t.InsertAt(CountedName(VString("x"), 1), -1), -1);
  EXPECT_EQ(t.count, 3);
  // Inserting an entry of the table itself, also while the array grows.
  EXPECT_EQ(t.InsertAt(t.entries[0], 3), 3);
  EXPECT_EQ(t.count, t.capacity);
  EXPECT_EQ(t.InsertAt(t.entries[1], 0), 0);
  EXPECT_EQ(Names(t), "b=5,a=7,b=5,c=1,a=7");
}

TEST(CountedNameTableTest, OrderedComparesLengthAndText) {
  CountedNameTable t(10);
  t.Add(VString("AB"), 1, 1);
  t.Add(VString("A"), 1, 1);
  t.Add(VString("ABC"), 1, 1);
  t.Add(VString("A"), 1, 1);
  EXPECT_EQ(Names(t), "A=2,AB=1,ABC=1");
}

// Names arriving in a scrambled order, each a number of times: the table
// ends sorted, one entry per name with its count, and every look-up of a
// name answers its entry's index (a look-up counts too).
TEST(CountedNameTableTest, OrderedTableOfManyScrambledNames) {
  const int names = 1000;
  CountedNameTable t(4);
  for (int round = 1; round <= 3; ++round)
    for (int i = 0; i < names; ++i) {
      const int n = (i * 617 + round) % names;  // 617 is prime to 1000
      if (n % round == 0) t.Add(OrvFormat("N%d", n), 1, 1);
    }
  ASSERT_EQ(t.count, names);
  for (int i = 1; i < t.count; ++i)
    ASSERT_LT(t.entries[i - 1].name.Compare(t.entries[i].name), 0) << i;
  for (int n = 0; n < names; ++n) {
    const int index = t.Add(OrvFormat("N%d", n), 1, 0);
    ASSERT_GE(index, 0) << n;
    EXPECT_EQ(std::string(t.entries[index].name.text), "N" + std::to_string(n));
    EXPECT_EQ(t.entries[index].count, 2 + (n % 2 == 0) + (n % 3 == 0)) << n;
  }
  EXPECT_EQ(t.Add(VString("N"), 1, 0), -1);
  EXPECT_GE(t.Add(VString("N99"), 1, 0), 0);
  EXPECT_EQ(t.Add(VString("N999A"), 1, 0), -1);
}

}  // namespace
