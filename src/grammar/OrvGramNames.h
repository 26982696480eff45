// Names in the grammar's actions: the definition of a word in a symbol
// category, the uses of a word (one name use, or a named-object use of a
// category), qualified procedure names, and the names written as literals
// (PROGRAM-ID, END PROGRAM) or as integers (paragraphs and sections).
//
// A user-defined word reaches the grammar with its symbol-table element as
// value (the token supply finds or makes it in the running program).
#ifndef LARK_GRAMMAR_ORVGRAMNAMES_H
#define LARK_GRAMMAR_ORVGRAMNAMES_H

#include "OrvActionFrame.h"

class OrvExpr;
class OrvTokenList;

// The NAMED_OBJ_DEF of the element's name in `category`, made by the
// running parser's SymTabDefine (which reports a duplicate or a name of
// another category unless `mayRepeat`).
OrvExpr* OrvGramDefine(OrvExpr* element, int category, int mayRepeat = 0);

// A NAMED_OBJ_USE of `category` over an OF_IN_LIST of one NAME_USE of the
// element; the tokens (the word's token list, may be null) move to the
// NAME_USE.
OrvExpr* OrvGramNameUse(OrvExpr* element, int category, OrvTokenList* tokens);

// A NAME_USE of the element, registered in its References.
OrvExpr* OrvGramNameUseNode(OrvExpr* element);

// The element of a name written as a literal (quotes kept) or an integer:
// the image looked up, or added, in the running parser's current symbol
// table.  The literal node of the entry is deleted and the entry cleared.
OrvExpr* OrvGramLiteralName(OrvExpr** entry);

// The element of a name written as a literal in END PROGRAM: the image
// looked up as a word is (FindNameInProg), so that it meets the program
// name that PROGRAM-ID defined in the compilation unit's table; the literal
// node of the entry is deleted and the entry cleared.
OrvExpr* OrvGramLiteralProgramName(OrvExpr** entry);

// An integer used as a section or paragraph name: the entry's literal is
// replaced by the element of its image, so that "100" written as a name
// and "100" written in a PERFORM meet in one element.
void OrvGramNumberName(OrvExpr** entry);

// A NAME_USE of the element of an integer written as a procedure name; the
// literal is deleted and the entry cleared.
OrvExpr* OrvGramNumberNameUse(OrvExpr** entry);

// A procedure-name use (category 19): the name, qualified by its section
// when `section` is not null, as an OF_IN_LIST of NAME_USE nodes.
OrvExpr* OrvGramProcNameUse(OrvExpr* name, OrvExpr* section);

#endif
