// Statements whose actions work on the running parser rather than on
// their phrases: ENTER, which is ignored; NOTE, whose text the lexer hands
// to the parser; EXEC of a subsystem the grammar does not parse, whose
// words the lexer hands to the parser as well.
#ifndef LARK_GRAMMAR_ORVGRAMMISCSTMTS_H
#define LARK_GRAMMAR_ORVGRAMMISCSTMTS_H

class OrvExpr;

// ENTER: the warning "ENTER statement is ignored" at the current position;
// there is no node.
void OrvGramEnter();

// NOTE, after its position step: the NOTE and end-of-NOTE tokens leave the
// node's token list and the note's comment lines take their place
// (FinishNote).  Returns the node.
OrvExpr* OrvGramNote(OrvExpr* note);

// The STMT_EXEC node of the EXEC block just read (MakeExecLines): slot 0
// the subsystem word, slot 1 the lines.  Without a running parse, an empty
// STMT_EXEC.
OrvExpr* OrvGramExecLines();
// After the position step: the tokens at the head of the node's own list,
// up to and including EXEC's, go to slot 0 (the subsystem word's slot), in
// order; END-EXEC stays with the node.  Returns the node.
OrvExpr* OrvGramExecTokens(OrvExpr* exec);

#endif
