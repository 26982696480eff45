// Tests of the string lists and the case-insensitive compares.
#include "VStringList.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string Debug(const VStringList& l) {
  std::ostringstream os;
  l.PrintDebug(os);
  return os.str();
}

VStringList Make(std::initializer_list<const char*> items) {
  VStringList l;
  for (const char* s : items) l.Append(VString(s));
  return l;
}

TEST(VStringListTest, AppendPrependCountClear) {
  VStringList l;
  EXPECT_EQ(l.Count(), 0);
  EXPECT_EQ(Debug(l), "CL{  }CL");
  l.Append(VString("b"));
  l.Append(VString("c"));
  l.Prepend(VString("a"));
  EXPECT_EQ(l.Count(), 3);
  EXPECT_EQ(Debug(l), "CL{ a, b, c }CL");
  l.Append(VString());
  EXPECT_EQ(Debug(l), "CL{ a, b, c,  }CL");
  l.Clear();
  EXPECT_EQ(l.head, nullptr);
  EXPECT_EQ(l.Count(), 0);
}

TEST(VStringListTest, CopiesAreDeepAndOrdered) {
  VStringList a = Make({"x", "y", "z"});
  VStringList b(a);
  EXPECT_EQ(Debug(b), "CL{ x, y, z }CL");
  EXPECT_NE(a.head->value.text, b.head->value.text);

  VStringList c = Make({"old1", "old2"});
  c = a;
  EXPECT_EQ(Debug(c), "CL{ x, y, z }CL");
  c = c;
  EXPECT_EQ(Debug(c), "CL{ x, y, z }CL");
  a.Clear();
  EXPECT_EQ(Debug(c), "CL{ x, y, z }CL");
}

TEST(VStringListTest, SpliceMovesNodes) {
  VStringList a = Make({"a", "b"});
  VStringList b = Make({"c", "d"});
  const VStringListNode* moved = b.head;
  a.Splice(b);
  EXPECT_EQ(Debug(a), "CL{ a, b, c, d }CL");
  EXPECT_EQ(b.head, nullptr);
  EXPECT_EQ(a.head->next->next, moved);  // relinked, not copied

  VStringList front = Make({"0", "1"});
  a.SpliceFront(front);
  EXPECT_EQ(Debug(a), "CL{ 0, 1, a, b, c, d }CL");
  EXPECT_EQ(front.head, nullptr);

  VStringList empty;
  a.Splice(empty);
  a.SpliceFront(empty);
  EXPECT_EQ(a.Count(), 6);

  VStringList target;
  VStringList src = Make({"only"});
  target.Splice(src);
  EXPECT_EQ(Debug(target), "CL{ only }CL");
  VStringList src2 = Make({"first"});
  VStringList target2;
  target2.SpliceFront(src2);
  EXPECT_EQ(Debug(target2), "CL{ first }CL");
}

struct CaseCmp {
  const char* a;
  const char* b;
  int n;  // -1: the whole-string compare
  int sign;
};

TEST(CaseInsensitiveCompare, Table) {
  const CaseCmp cases[] = {
      {"-INC ", "-inc ", 5, 0}, {"-INC ", "-inx ", 5, -1}, {"abc", "xyz", 0, 0},   {"abc", "ABD", 2, 0},
      {"ab", "ab", 10, 0},      {"ab", "abc", 10, -1},      {"abc", "ab", 3, 1},    {"", "", -1, 0},
      {"", "a", -1, -1},        {"Hello", "hELLO", -1, 0},  {"b", "A", -1, 1},      {"[", "a", -1, -1},
      {"\xe4", "a", -1, 1},
  };
  for (const CaseCmp& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
    int r = c.n < 0 ? OrvStrCaseCmp(c.a, c.b) : OrvStrNCaseCmp(c.a, c.b, c.n);
    EXPECT_EQ((r > 0) - (r < 0), c.sign);
  }
}

TEST(CaseInsensitiveCompare, Characters) {
  EXPECT_EQ(OrvCharCaseCmp('a', 'A'), 0);
  EXPECT_EQ(OrvCharCaseCmp('b', 'A'), 1);
  EXPECT_EQ(OrvCharCaseCmp('A', 'b'), -1);
  // '[' lies between 'Z' and 'a': only letters fold.
  EXPECT_EQ(OrvCharCaseCmp('[', 'a'), -1);
  EXPECT_EQ(OrvCharCaseCmp('\xff', 'z'), 1);
}

}  // namespace
