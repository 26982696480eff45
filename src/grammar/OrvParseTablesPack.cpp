// The engine's layout of the parse tables, filled from byacc's arrays.
#include "OrvParseTables.h"

namespace {

// A displacement as the engine's layout holds it.
int PackedBase(int base) { return base == 0 ? TABLE_EMPTY_BASE : base; }

}  // namespace

void OrvPackParseTables(const OrvParseTables& tables, OrvStateRow* rows, OrvTableSlot* slots,
                        OrvGotoColumn* columns, OrvRuleStep* rules) {
  for (int state = 0; state < tables.stateCount; ++state) {
    rows[state] = OrvStateRow{tables.DefaultReduction[state], PackedBase(tables.ShiftBase[state]),
                              PackedBase(tables.ReduceBase[state]), PackedBase(tables.ConflictBase[state])};
  }
  for (int i = 0; i <= tables.TABLE_LAST_INDEX; ++i)
    slots[i] = OrvTableSlot{tables.CheckTable[i], tables.ActionTable[i]};
  for (int n = 0; n < tables.nonterminalCount; ++n)
    columns[n] = OrvGotoColumn{tables.DefaultGoto[n], PackedBase(tables.GotoBase[n])};
  for (int rule = 0; rule < tables.ruleCount; ++rule) {
    const int lhs = tables.RuleLhs[rule];
    const bool column = lhs >= 0 && lhs < tables.nonterminalCount;
    int flags = tables.HasAction(rule) ? RULE_HAS_ACTION : 0;
    if (lhs == 0) flags |= RULE_REDUCES_START;
    rules[rule] = OrvRuleStep{column ? tables.DefaultGoto[lhs] : TABLE_NO_ENTRY,
                              column ? PackedBase(tables.GotoBase[lhs]) : TABLE_EMPTY_BASE,
                              tables.RuleLength[rule], flags};
  }
}
