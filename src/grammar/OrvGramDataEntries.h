// Data description entries in the grammar's actions, and the entries of
// report groups and screens that follow the same frame: the level check,
// the entry started in its collector, the entry handed to the nesting of
// entries, the names an entry defines, the usage words by dialect and the
// plain words of VALUE expressions.
#ifndef LARK_GRAMMAR_ORVGRAMDATAENTRIES_H
#define LARK_GRAMMAR_ORVGRAMDATAENTRIES_H

#include "OrvDials.h"

class OrvClauseCollector;
class OrvExpr;
class OrvTokenList;

// Checks the level number (CheckLevelNumber: reported at the number's own
// tokens, which are lent to the node for the check and given back), then
// starts `collector` on a new node of `op` with the parts as its first
// clauses (OrvGramStartCollected): the level number takes the clause order
// 0.  Returns the node, which the starting action keeps as its value.
OrvExpr* OrvGramStartLeveledEntry(OrvClauseCollector& collector, int op, OrvExpr* const* parts, int count,
                                  OrvTokenList* levelTokens);

// A data description entry: DECL_DD_ENTRY (DECL_DD_ENTRY_WANG_DISPLAY when
// the dialect set holds Wang VS) with the level number, the COPY marker
// before the name (null when absent) and the name, started in the entry
// collector.
OrvExpr* OrvGramStartDataEntry(OrvExpr* level, OrvExpr* copy, OrvExpr* name, OrvTokenList* levelTokens);

// Hands a finished entry, which carries its tokens, to the nesting of
// entries with the value of its level number (slot 0) and the holder
// operation (DECL_DD, DECL_RGD or DECL_SCRD).  The entry belongs to the
// record structure afterwards (a level-78 or level-88 entry is replaced
// there), so the action keeps no value of it.
void OrvGramPlaceEntry(OrvExpr* entry, int holder);

// A word the lexer knows as a level-78 constant, written as the name of an
// entry: "Double definition of 78-level constant. Second definition is
// ignored." (a warning at the current position), then the word is defined
// as a constant name, duplicates allowed.
OrvExpr* OrvGramConstantNameAgain(OrvExpr* element);

// A plain word in a VALUE expression: "Undefined 78-level constant" (a
// warning at the current position), and the word stands as a data-name use.
OrvExpr* OrvGramUndefinedConstant(OrvExpr* element, OrvTokenList* tokens);

// The usage node of a COMP, COMP-1 or COMP-2 word under a dialect set
// (Ryan McFarland first, then Acu); any other usage operation is returned
// as it is.
int OrvGramUsageOper(int op, OrvDials dials);
// A new usage node of OrvGramUsageOper for the running parse's dialects.
OrvExpr* OrvGramUsage(int op);

#endif
