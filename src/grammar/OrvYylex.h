// The token supply of the grammar: yylex turns the lexer's token groups
// into the tokens the grammar reads, with their semantic values and
// position lists, on the parser object that runs the parse.
#ifndef LARK_GRAMMAR_ORVYYLEX_H
#define LARK_GRAMMAR_ORVYYLEX_H

#include "OrvTokenSource.h"

class OrvParserImpl;

// The code of the next token for the grammar (0 at the end of the main
// source), its value in TokenValue and a new position list in
// TokenPosition.  It reads the parser's lexer: it recodes what one token of
// look-ahead cannot tell (NOT and ON before their keywords, word pairs such
// as END PROGRAM, WITH DATA, < >), puts in the period a COPY statement or
// an END PROGRAM header lacks, warns of division and section headers in
// Area B, makes literals and words semantic values (a word: its
// symbol-table element while the parser's name lookup is on), takes the
// lexer's COPY, end-of-member and REPLACE nodes as the values of their
// statement tokens, and gathers the blanks, comments and attached tokens in
// front of each token into its position list.
int yylex(OrvParserImpl* parser);

// yylex of the running parser (currentParser); end of input without one.
int CallYylex();

// The switches of the lexer and of the parser object that grammar actions
// set, packed into one word, and putting them back.
OrvTokenSwitches YylexSwitches();
void SetYylexSwitches(OrvTokenSwitches switches);

#endif
