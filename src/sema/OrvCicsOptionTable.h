// The CICS option table: which options each EXEC CICS statement takes and
// the argument slot of the statement node that receives each of them.  The
// rows come from OrvCicsOptions.def.
#ifndef LARK_SEMA_ORVCICSOPTIONTABLE_H
#define LARK_SEMA_ORVCICSOPTIONTABLE_H

#include <cstdint>

// One row: the statement and option operation codes and the slot.
struct OrvCicsOptionRow {
  std::uint16_t statement;
  std::uint16_t option;
  std::int32_t slot;
};

// The rows, ordered by statement code and then option code.
extern const OrvCicsOptionRow OrvCicsOptionTable[];
// Number of rows of OrvCicsOptionTable.
extern const int OrvCicsOptionCount;

#endif
