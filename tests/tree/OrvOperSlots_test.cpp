// The generated argument-slot constants (OrvOperSlots.h) against the
// operation name table: each constant is its slot's number and carries the
// identifier the table gives that slot under its operation, and every slot
// row of the table has its constant.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "OrvOper.h"
#include "OrvOperSlots.h"

namespace {

TEST(OrvOperSlotsTest, EveryConstantIsTheNameTableRowOfItsSlot) {
  // The slot rows of the name table: operation -> slot number -> identifier.
  std::map<int, std::map<int, std::string>> table;
  int slotRows = 0;
  int op = -1;
  for (int i = 0; i < OrvOperNameTableSize(); ++i) {
    const OrvOperNameEntry& row = OrvOperNameTableRow(i);
    if (row.kind == 1) op = row.value;
    if (row.kind != 2) continue;
    ++slotRows;
    EXPECT_TRUE(table[op].emplace(row.value, row.name).second) << row.name << ": slot named twice";
  }
  // The generated constants as rows, checked in one loop.
  const struct {
    int op;
    int slot;
    const char* ident;
  } constants[] = {
#define SLOT_ROW(operation, ident) {operation, ident, #ident},
      ORV_OPER_SLOT_LIST(SLOT_ROW)
#undef SLOT_ROW
  };
  for (const auto& c : constants) {
    SCOPED_TRACE(c.ident);
    const auto slots = table.find(c.op);
    ASSERT_NE(table.end(), slots) << "no slot rows under " << OrvOperName(c.op);
    const auto slot = slots->second.find(c.slot);
    ASSERT_NE(slots->second.end(), slot) << "no row of slot " << c.slot;
    EXPECT_EQ(c.ident, slot->second);
    int kind = 0;
    EXPECT_EQ(c.slot, OrvOperNameLookup(c.ident, &kind));
    EXPECT_EQ(2, kind);
  }
  EXPECT_EQ(slotRows, static_cast<int>(sizeof(constants) / sizeof(constants[0])));
}

}  // namespace
