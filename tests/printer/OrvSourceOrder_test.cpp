// Tests of the reading order of positions across a source and its COPY
// members: positions of the including file against a member's, nested and
// sibling members, files with no recorded statement, and the statements
// recorded from begin markers.
#include "OrvSourceOrder.h"

#include <gtest/gtest.h>

#include <memory>

#include "OrvTxtPosn.h"
#include "PrintTestSupport.h"

namespace {

int File(const char* name) { return OrvFileNameAdd(VString(name)); }

// A main source that copies member A with a statement ending at 5:30,
// member B from inside A (ending at A's 2:20), and member C further down
// (ending at 9:20); X is a file that no statement copied.
struct Sources {
  Sources() {
    order.NoteMember(a, OrvTxtPosn(5, 30, main));
    order.NoteMember(b, OrvTxtPosn(2, 20, a));
    order.NoteMember(c, OrvTxtPosn(9, 20, main));
  }
  const int main = File("order-main.cbl");
  const int a = File("order-a.cpy");
  const int b = File("order-b.cpy");
  const int c = File("order-c.cpy");
  const int x = File("order-x.cpy");
  OrvSourceOrder order;
};

struct OrderCase {
  const char* what;
  int aFile, aLine, aColumn;  // files: 0 main, 1 A, 2 B, 3 C, 4 X
  int bFile, bLine, bColumn;
  bool before;
};

const OrderCase kOrderCases[] = {
    {"one file by line", 0, 3, 40, 0, 4, 7, true},
    {"one file by column", 0, 4, 12, 0, 4, 7, false},
    {"one position", 1, 2, 7, 1, 2, 7, false},
    {"includer's text before the statement", 0, 5, 7, 1, 1, 11, true},
    {"member against text before its statement", 1, 1, 11, 0, 5, 7, false},
    {"statement's own words", 0, 5, 25, 1, 4, 30, true},
    {"member before text at its statement's end", 1, 4, 30, 0, 5, 30, true},
    {"text at the statement's end after the member", 0, 5, 30, 1, 1, 11, false},
    {"member before the includer's next line", 1, 4, 30, 0, 6, 7, true},
    {"includer's next line after the member", 0, 6, 7, 1, 1, 11, false},
    {"nested member after main text before A", 0, 5, 7, 2, 1, 7, true},
    {"nested member before main text after A", 2, 9, 7, 0, 6, 7, true},
    {"A's text before B's statement", 1, 1, 11, 2, 1, 7, true},
    {"B before A's text after its statement", 2, 9, 7, 1, 3, 7, true},
    {"A's text after B's statement", 1, 3, 7, 2, 1, 7, false},
    {"sibling members in statement order", 1, 4, 30, 3, 1, 7, true},
    {"sibling members reversed", 3, 1, 7, 2, 1, 7, false},
    {"a file no statement copied", 0, 1, 7, 4, 1, 7, false},
    {"a file no statement copied, reversed", 4, 1, 7, 0, 9, 7, false},
};

TEST(SourceOrder, PositionsOrderAcrossMembersAsTheTextIsRead) {
  Sources s;
  const int files[] = {s.main, s.a, s.b, s.c, s.x};
  for (const OrderCase& c : kOrderCases) {
    const OrvTxtPosn a(c.aLine, c.aColumn, files[c.aFile]);
    const OrvTxtPosn b(c.bLine, c.bColumn, files[c.bFile]);
    EXPECT_EQ(s.order.Before(a, b), c.before) << c.what;
  }
}

TEST(SourceOrder, UnsetPositionsAndClearedStatementsGiveNoOrder) {
  Sources s;
  EXPECT_FALSE(s.order.Before(OrvTxtPosn(), OrvTxtPosn(1, 7, s.main)));
  EXPECT_FALSE(s.order.Before(OrvTxtPosn(1, 7, s.main), OrvTxtPosn()));
  ASSERT_TRUE(s.order.Before(OrvTxtPosn(1, 7, s.main), OrvTxtPosn(1, 7, s.a)));
  s.order.Clear();
  EXPECT_FALSE(s.order.Before(OrvTxtPosn(1, 7, s.main), OrvTxtPosn(1, 7, s.a)));
  EXPECT_TRUE(s.order.Before(OrvTxtPosn(1, 7, s.main), OrvTxtPosn(2, 7, s.main)));
}

// Statements of members copied at several places can name each other's
// files; following them ends, and files that meet nowhere stay unordered.
TEST(SourceOrder, StatementsNamingEachOthersFilesEndTheWalk) {
  OrvSourceOrder order;
  const int p = File("order-loop-p.cpy");
  const int q = File("order-loop-q.cpy");
  const int r = File("order-loop-r.cpy");
  order.NoteMember(p, OrvTxtPosn(3, 20, q));
  order.NoteMember(q, OrvTxtPosn(4, 20, p));
  EXPECT_FALSE(order.Before(OrvTxtPosn(1, 7, p), OrvTxtPosn(1, 7, r)));
  EXPECT_FALSE(order.Before(OrvTxtPosn(1, 7, r), OrvTxtPosn(1, 7, q)));
  EXPECT_TRUE(order.Before(OrvTxtPosn(1, 7, q), OrvTxtPosn(1, 7, p)));
}

TEST(SourceOrder, RecordsTheMemberOfABeginMarkerOnly) {
  const int main = File("order-marker-main.cbl");
  const int member = File("order-marker.cpy");
  const int other = File("order-other.cpy");
  OrvSourceOrder order;
  std::unique_ptr<OrvExpr> marker(print_test::BeginMarker("MARKER", "order-marker.cpy", 1));
  std::unique_ptr<OrvExpr> end(print_test::EndMarker("order-other.cpy", 1));
  order.NoteMarker(marker.get(), OrvTxtPosn(3, 40, main));
  order.NoteMarker(end.get(), OrvTxtPosn(3, 40, main));
  order.NoteMarker(nullptr, OrvTxtPosn(3, 40, main));
  EXPECT_TRUE(order.Before(OrvTxtPosn(3, 10, main), OrvTxtPosn(1, 7, member)));
  EXPECT_TRUE(order.Before(OrvTxtPosn(1, 7, member), OrvTxtPosn(4, 7, main)));
  EXPECT_FALSE(order.Before(OrvTxtPosn(3, 10, main), OrvTxtPosn(1, 7, other)));
  // A statement said to end inside its own member, or at no position, is
  // not recorded.
  order.NoteMember(other, OrvTxtPosn(2, 7, other));
  order.NoteMember(other, OrvTxtPosn());
  EXPECT_FALSE(order.Before(OrvTxtPosn(3, 10, main), OrvTxtPosn(1, 7, other)));
}

}  // namespace
