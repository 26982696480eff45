// The packed LALR(1) parse tables of a grammar, as the parse engine reads
// them: per rule its left-hand side and length, per state its default
// reduction and the displacements of its shift, reduce and conflict rows,
// per nonterminal its default goto and the displacement of its goto column,
// and the shared ActionTable/CheckTable pair into which every row and column
// is packed.  byacc makes the arrays at build time (LarkGrammar.cmake); each
// grammar's one table unit (OrvGrammarTables.inc) fills an OrvParseTables
// with them.
#ifndef LARK_GRAMMAR_ORVPARSETABLES_H
#define LARK_GRAMMAR_ORVPARSETABLES_H

// What a lookup answers when it finds no entry (entries are states, rules
// and conflict-list indexes, never negative).
const int TABLE_NO_ENTRY = -1;

// The token code of end of input and of the error token that error recovery
// shifts.
const int TABLE_END_OF_INPUT = 0;
const int TABLE_ERROR_TOKEN = 256;

// The engine's layout of the same entries, so that each step of its loop
// reads one cache line where the arrays below take several: per state its
// default reduction and row displacements side by side, per packed slot
// its key beside its target, per nonterminal its default goto beside its
// column's displacement.
struct OrvStateRow {
  int defaultReduction;
  int shiftBase;
  int reduceBase;
  int conflictBase;
};
struct OrvTableSlot {
  int check;
  int action;
};
struct OrvGotoColumn {
  int defaultGoto;
  int gotoBase;
};
// Per rule, what its reduction reads: the goto column of its left-hand
// side (as OrvGotoColumn), the length of its right-hand side and its flags
// (RULE_HAS_ACTION, RULE_REDUCES_START), so that a reduction reads one
// record where the arrays take four.  Rule 0, which is never reduced, has
// an empty column.
struct OrvRuleStep {
  int defaultGoto;
  int gotoBase;
  int length;
  int flags;
};
// OrvRuleStep flags: the grammar's RunAction has an action for the rule
// (every rule has when RuleHasAction is null); its left-hand side is the
// start symbol.
const int RULE_HAS_ACTION = 1;
const int RULE_REDUCES_START = 2;

// The displacement that the engine's layout holds where the arrays hold 0
// (a row or column without entries): base + key is negative for every key
// of a grammar (tokens and states are far below 2^30), so the one bound
// check of a look-up refuses it and no look-up tests for 0 on its own.
const int TABLE_EMPTY_BASE = -(1 << 30);

struct OrvParseTables;

// Fills the engine's layout from the arrays of `tables`: `rows` has
// stateCount entries, `slots` TABLE_LAST_INDEX + 1, `columns`
// nonterminalCount and `rules` ruleCount.  A displacement of 0 becomes
// TABLE_EMPTY_BASE.
void OrvPackParseTables(const OrvParseTables& tables, OrvStateRow* rows, OrvTableSlot* slots,
                        OrvGotoColumn* columns, OrvRuleStep* rules);

struct OrvParseTables {
  // Per rule 0..ruleCount-1: the nonterminal of its left-hand side (-1 for
  // rule 0, the augmented rule) and the number of symbols on its right.
  const int* RuleLhs;
  const int* RuleLength;
  int ruleCount;

  // Per state 0..stateCount-1: the rule reduced without a look-ahead token
  // (0 = none) and the displacements of the state's shift, reduce and
  // conflict rows in ActionTable (0 = no such entries).
  const int* DefaultReduction;
  const int* ShiftBase;
  const int* ReduceBase;
  const int* ConflictBase;
  int stateCount;

  // Per nonterminal 0..nonterminalCount-1: the state entered after a
  // reduction to it when its goto column has no entry for the uncovered
  // state, and the displacement of that column (0 = none).
  const int* DefaultGoto;
  const int* GotoBase;
  int nonterminalCount;

  // The packed entries, indexes 0..TABLE_LAST_INDEX: the target of the
  // entry, and the key that owns the slot (-1 in an empty slot).
  const int* ActionTable;
  const int* CheckTable;
  int TABLE_LAST_INDEX;

  // The alternatives of the conflict cells: runs ended by -1; a run that
  // starts with a state shifts to it first, one that starts at a -1 holds
  // only the rules after it.  Alternatives are tried in their order.
  const int* ConflictLists;
  int conflictListCount;  // entries of ConflictLists

  // The state entered when the start symbol has been recognised in state 0;
  // it has no entries, and end of input there accepts.
  int FINAL_STATE;
  // The highest token code of the grammar.
  int MAX_TOKEN;

  // For traces: yacc's name of every symbol (tokens by code 0..MAX_TOKEN,
  // then nonterminal n at MAX_TOKEN + 1 + n; unused codes are null) and the
  // text "lhs : rhs" of every rule.
  const char* const* symbolNames;
  int symbolNameCount;
  const char* const* ruleTexts;

  // Per rule: nonzero when the grammar's RunAction has an action for it;
  // the engine skips the call for the others.  Null: every rule may have
  // one.
  const unsigned char* RuleHasAction;

  // The entries above in the engine's layout (OrvPackParseTables), or null
  // in tables made without it; the engine then packs them for its run.
  const OrvStateRow* StateRows;
  const OrvTableSlot* TableSlots;
  const OrvGotoColumn* GotoColumns;
  const OrvRuleStep* RuleSteps;

  // lookup(base, key): the ActionTable entry at base + key when base is not
  // 0, base + key lies in 0..TABLE_LAST_INDEX and the CheckTable entry
  // there equals key; otherwise TABLE_NO_ENTRY.
  int Lookup(int base, int key) const {
    if (base == 0) return TABLE_NO_ENTRY;
    const long long i = static_cast<long long>(base) + key;
    if (i < 0 || i > TABLE_LAST_INDEX || CheckTable[i] != key) return TABLE_NO_ENTRY;
    return ActionTable[i];
  }

  // The target state of the shift of `token` in `state`, the rule of its
  // reduction, or the ConflictLists index of its conflict cell; each
  // TABLE_NO_ENTRY when the state has none for the token.
  int ShiftLookup(int state, int token) const { return Lookup(ShiftBase[state], token); }
  int ReduceLookup(int state, int token) const { return Lookup(ReduceBase[state], token); }
  int ConflictLookup(int state, int token) const { return Lookup(ConflictBase[state], token); }

  // The state entered after a reduction to `nonterminal` that uncovered
  // `state`: its explicit goto entry, else its default goto.  The key here
  // is a state, not a symbol.
  int GotoState(int nonterminal, int state) const {
    const int target = Lookup(GotoBase[nonterminal], state);
    return target != TABLE_NO_ENTRY ? target : DefaultGoto[nonterminal];
  }

  // The yacc name of token `code` (null for an unused or invalid code), and
  // the text of `rule` (null for an invalid one).
  const char* TokenName(int code) const {
    return code >= 0 && code <= MAX_TOKEN ? symbolNames[code] : nullptr;
  }
  const char* RuleText(int rule) const { return rule >= 0 && rule < ruleCount ? ruleTexts[rule] : nullptr; }

  // Whether the reduction of `rule` (a valid rule) needs the action call.
  bool HasAction(int rule) const { return RuleHasAction == nullptr || RuleHasAction[rule] != 0; }
};

#endif
