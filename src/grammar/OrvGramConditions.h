// Conditions in the grammar's actions.  Relational operators, classes and
// signs reach the condition rules as operation codes (plain values of at
// most 1400), and each negated comparison is 13 codes above its positive
// form (CMP_NOT_EQ is CMP_EQ + 13 ... CMP_NOT_ZER is CMP_ZER + 13).
#ifndef LARK_GRAMMAR_ORVGRAMCONDITIONS_H
#define LARK_GRAMMAR_ORVGRAMCONDITIONS_H

class OrvExpr;

// The negated comparison, class or sign of `op` (CMP_EQ .. CMP_ZER).
int OrvGramNegated(int op);

// A relation of operation `op` over its subject (a NULL_NODE in an
// abbreviated relation) and its object.
OrvExpr* OrvGramRelation(int op, OrvExpr* subject, OrvExpr* object);

#endif
