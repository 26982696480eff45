// Rows of the printer's table of conditional print templates.
#include "OrvOperCGentry.h"

#include <gtest/gtest.h>

#include "OrvConstNodes.h"
#include "OrvOper.h"

namespace {

int IsNullNodeCondition(OrvExpr* node) { return node != nullptr && node->IsNullNode(); }

TEST(CGentryTest, NewRowHasNoMarkerAndNoNextRow) {
  CGentry row(STMT_MOVE, IsNullNodeCondition, "MOVE $1\n{$2=  TO $2}");
  EXPECT_EQ(STMT_MOVE, row.code);
  EXPECT_STREQ("MOVE $1\n{$2=  TO $2}", row.templ);
  EXPECT_EQ(0, row.primary);
  EXPECT_EQ(nullptr, row.next);
  ASSERT_NE(nullptr, row.condition);
  OrvNullNode null;
  OrvCharString text(VString("X"));
  EXPECT_NE(0, row.condition(&null));
  EXPECT_EQ(0, row.condition(&text));
  CGentry always(EX_LIST, nullptr, "@&");
  EXPECT_EQ(nullptr, always.condition);
}

TEST(CGentryTest, RowOwnsTheRestOfItsChain) {
  // The rows behind the head are released with it (the leak check of the
  // sanitizer build sees any that are not).
  CGentry head(EX_ELSE, nullptr, "ELSE \r$1");
  head.next = new CGentry(EX_ELSE, IsNullNodeCondition, "a");
  head.next->next = new CGentry(EX_ELSE, nullptr, "b");
  CGentry copy(head);
  EXPECT_EQ(EX_ELSE, copy.code);
  EXPECT_STREQ(head.templ, copy.templ);
  EXPECT_EQ(nullptr, copy.next);  // a copy owns no chain
  CGentry other(LOG_NOT, nullptr, "NOT $1");
  other.next = new CGentry(LOG_NOT, nullptr, "x");
  other = head;
  EXPECT_EQ(EX_ELSE, other.code);
  EXPECT_EQ(nullptr, other.next);
}

}  // namespace
