// The COBOL grammar (OrvGrammar.y): its parse tables and action dispatcher
// as the parse engine takes them, and yyparse, the parse of the running
// parser's source with it.
#ifndef LARK_GRAMMAR_ORVGRAMMAR_H
#define LARK_GRAMMAR_ORVGRAMMAR_H

#include "OrvParseEngine.h"

// The tables and the dispatcher of OrvGrammar.y, with its bound on the
// depth of the parse stack.
extern const OrvGrammarDef OrvCobolGrammar;

// Parses the running parser's source (tokens from yylex) into its tree:
// 0 when the compilation unit is accepted, 1 when the parse is given up.
int yyparse();

#endif
