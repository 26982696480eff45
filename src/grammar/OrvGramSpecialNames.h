// SPECIAL-NAMES in the grammar's actions: the paragraph and its switch
// clauses (each gathered by the sub-clause collector while the SPECIAL-NAMES
// collector is busy), device clauses with CONSOLE IS CRT, numbered switches,
// and the side effects of CURRENCY SIGN and NUMERIC SIGN.
#ifndef LARK_GRAMMAR_ORVGRAMSPECIALNAMES_H
#define LARK_GRAMMAR_ORVGRAMSPECIALNAMES_H

#include "OrvActionFrame.h"

class OrvExpr;
class OrvTokenList;

// Starts the SPECIAL-NAMES collector on a new PARA_SPECIAL_NAMES whose slot
// 0 holds a NULL_NODE; returns the node.
OrvExpr* OrvGramStartSpecialNames();

// Starts the sub-clause collector on a new SNX_FUNC_SWITCH with the switch
// of the entry `switchName` in slot 0 and the IS-phrase of `isPhrase` (or
// nothing) in slot 1; returns the node.  Both entries are cleared, so that
// error recovery, which pops entries from the top and may delete the node,
// never meets them after it.
OrvExpr* OrvGramStartSwitch(OrvExpr** switchName, OrvExpr** isPhrase);

// SWITCH n: the node of SWITCH-n for n from 0 to 8.  Another number gives
// "Bad switch number: n" (the whole number) at the begin of the number's
// tokens and the node of SWITCH-0.  The integer node is deleted and its
// entry cleared; its own tokens go to the new node.
OrvExpr* OrvGramNumberedSwitch(OrvExpr** number, const OrvTokenList* tokens);

// A device clause from the device and its target (SNX_IS or IOF_CRT).
// CONSOLE with IOF_CRT gives SNX_CONSOLE_IS_CRT with the tokens of both and
// no children (both values deleted, their entries cleared); any other device
// gives SNX_FUNC_SWITCH (device, target), after "CRT can only appear in
// CONSOLE IS CRT" at the target when the target is IOF_CRT.
OrvExpr* OrvGramDeviceClauseNode(OrvExpr** device, OrvExpr** target);
// Hands a device clause, which carries its tokens, to the SPECIAL-NAMES
// collector: CONSOLE IS CRT into slot 8, the others into the switch list.
void OrvGramDeviceClause(OrvExpr* clause);

// CURRENCY SIGN (SNX_CURRENCY_SIGN over its literal, carrying its tokens):
// the middle character of the literal's three-character text form becomes
// the running parser's currency sign; any other literal gives "Currency
// Sign literal must have length of one" at the clause.  Returns the clause.
OrvExpr* OrvGramCheckCurrencySign(OrvExpr* clause);

// NUMERIC SIGN IS TRAILING SEPARATE: the running parse lays out signed
// DISPLAY items with a trailing separate sign.  The setting is put back when
// the parse ends, so that the next source is not affected.
void OrvGramNumericSignTrailingSeparate();

#endif
