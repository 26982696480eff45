// The engine's layout of the parse tables, filled from byacc's arrays.
#include "OrvParseTables.h"

void OrvPackParseTables(const OrvParseTables& tables, OrvStateRow* rows, OrvTableSlot* slots,
                        OrvGotoColumn* columns) {
  for (int state = 0; state < tables.stateCount; ++state) {
    rows[state] = OrvStateRow{tables.DefaultReduction[state], tables.ShiftBase[state],
                              tables.ReduceBase[state], tables.ConflictBase[state]};
  }
  for (int i = 0; i <= tables.TABLE_LAST_INDEX; ++i)
    slots[i] = OrvTableSlot{tables.CheckTable[i], tables.ActionTable[i]};
  for (int n = 0; n < tables.nonterminalCount; ++n)
    columns[n] = OrvGotoColumn{tables.DefaultGoto[n], tables.GotoBase[n]};
}
