// Statements in the grammar's actions that need more than a node over
// their phrases: GO TO with or without DEPENDING.
#ifndef LARK_GRAMMAR_ORVGRAMSTATEMENTS_H
#define LARK_GRAMMAR_ORVGRAMSTATEMENTS_H

#include "OrvActionFrame.h"

class OrvExpr;

// GO TO: STMT_GOTO_DEPENDING (names, DEPENDING phrase) when the phrase in
// `depending` is present; otherwise STMT_GOTO over the names (or a
// NULL_NODE), after "More than one procedure name in GO TO without
// DEPENDING" when there are several, and the absent phrase's NULL_NODE is
// deleted and its entry cleared.
OrvExpr* OrvGramGoTo(OrvExpr* names, OrvExpr** depending);

#endif
