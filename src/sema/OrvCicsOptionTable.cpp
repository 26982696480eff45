// The CICS option table and its look-up.
#include "OrvCicsOptionTable.h"

#include <algorithm>

#include "OrvClauseCollector.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"

// Declared extern in the header, so the table keeps external linkage while
// the checks below can read it at compile time.
constexpr OrvCicsOptionRow OrvCicsOptionTable[] = {
#define ORV_CICS_OPTION(statement, option, slot) {statement, option, slot},
#include "OrvCicsOptions.def"
};

namespace {

constexpr int kRowCount =
    static_cast<int>(sizeof(OrvCicsOptionTable) / sizeof(OrvCicsOptionTable[0]));

// 473 statement-option pairs, and three of them a second time.
static_assert(kRowCount == 476, "the CICS option table has 476 rows");

constexpr bool RowBefore(const OrvCicsOptionRow& a, const OrvCicsOptionRow& b) {
  return a.statement < b.statement || (a.statement == b.statement && a.option < b.option);
}

constexpr bool RowsOrdered() {
  for (int i = 1; i < kRowCount; ++i) {
    if (RowBefore(OrvCicsOptionTable[i], OrvCicsOptionTable[i - 1])) return false;
  }
  return true;
}
// The look-up searches by halving; it needs the order.
static_assert(RowsOrdered(), "the CICS option table is ordered by statement and option code");

constexpr bool RowsValid() {
  for (const OrvCicsOptionRow& row : OrvCicsOptionTable) {
    if (row.statement < CS_STMT_ABEND || row.statement > CS_STMT_XCTL) return false;
    if (row.option < CS_CL_ABCODE || row.option > CS_CL_YYYYMMDD) return false;
    if (row.slot < 0) return false;
  }
  return true;
}
static_assert(RowsValid(), "CICS option rows name CICS statements and options");

}  // namespace

const int OrvCicsOptionCount = kRowCount;

int OrvCicsOptionSlot(std::uint16_t statementCode, std::uint16_t optionCode) {
  const OrvCicsOptionRow key{statementCode, optionCode, 0};
  const OrvCicsOptionRow* end = OrvCicsOptionTable + OrvCicsOptionCount;
  // The first row that is not before the key is the first matching row
  // when any row matches.
  const OrvCicsOptionRow* row = std::lower_bound(OrvCicsOptionTable, end, key, RowBefore);
  if (row == end || row->statement != statementCode || row->option != optionCode) return -1;
  return row->slot;
}
