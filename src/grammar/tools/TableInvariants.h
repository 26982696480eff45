// The invariants of a grammar's packed parse tables, checked at build time on
// the arrays byacc writes (X.tab.c) so that the parse engine can rely on
// them: every lookup finds only entries of its own row, default reductions
// need no look-ahead token, conflict cells are found only through their
// conflict lists, and every rule can be reduced.
#ifndef LARK_GRAMMAR_TOOLS_TABLEINVARIANTS_H
#define LARK_GRAMMAR_TOOLS_TABLEINVARIANTS_H

#include <string>
#include <vector>

#include "ActionExtract.h"

namespace larkyacc {

// The arrays of a table file, under byacc's names, and the constants.
struct PackedTables {
  std::vector<int> yylhs, yylen;                        // per rule
  std::vector<int> yydefred, yysindex, yyrindex, yycindex;  // per state
  std::vector<int> yydgoto, yygindex;                   // per nonterminal
  std::vector<int> yytable, yycheck;                    // per slot
  std::vector<int> yyctable;                            // conflict lists
  TableConstants constants;
};

// Reads the eleven integer arrays "const YYINT name[] = { ... };" of a
// table file; refuses a file where one is missing, repeated or holds
// something other than integers.
bool ReadPackedTables(const std::string& tableText, PackedTables& tables, std::string& error);

// Checks the invariants and returns one message per violation (empty when
// the tables hold them all; after 50 messages the rest are counted in one
// line):
// - the per-rule, per-state and per-nonterminal arrays agree in size,
//   yytable and yycheck have YYTABLESIZE + 1 entries, YYERRCODE is 256 and
//   YYFINAL is a state;
// - rule 0 has the left-hand side -1 and the length 2;
// - every non-empty slot belongs to a row or column: its displacement
//   (index minus key) is the displacement of one;
// - a displacement is shared only by shift and reduce rows (identical rows
//   that byacc stores once, a shift row and a reduce row with the same keys
//   and numbers among them), never by a conflict row or a goto column; no
//   key can then reach the slot of another row, and the shared entries
//   must suit every kind of row that reads them;
// - the keys of shift, reduce and conflict rows are token codes (0, 256,
//   257..YYMAXTOKEN), those of goto columns states;
// - shift and goto targets are states, reductions rules 1..R-1, conflict
//   entries well-formed lists (a shift or not, then reductions, at least two
//   alternatives, ended by -1);
// - a state with a default reduction has no shift, reduce or conflict
//   entry; a conflict cell has no shift or reduce entry for its token;
// - no explicit goto repeats its nonterminal's default goto;
// - every rule 1..R-1 is reduced in some state;
// - YYFINAL has no entries and no default reduction.
std::vector<std::string> CheckTableInvariants(const PackedTables& tables);

}  // namespace larkyacc

#endif
