// Small pieces shared by the lexer's statement readers (COPY, REPLACE,
// EXEC SQL INCLUDE and -INC): word tests on units, moving a unit's tokens
// into a node's token list, and finishing a statement node.
#ifndef LARK_LEXER_ORVSTATEMENTPARTS_H
#define LARK_LEXER_ORVSTATEMENTPARTS_H

#include <cstddef>
#include <cstring>

#include "OrvLexUnit.h"
#include "OrvToken.h"

class OrvExpr;
class OrvTokenList;

// Whether the unit is the text word `word` (TK_CHAR_STRING, same text).
// Inline, with the length known at compile time: the copy-less layer tests
// every word it hands on.
template <std::size_t N>
inline bool OrvIsWord(const OrvLexUnit& unit, const char (&word)[N]) {
  return unit.code == TK_CHAR_STRING && unit.text.length == static_cast<int>(N - 1) &&
         std::memcmp(unit.text.text, word, N - 1) == 0;
}
// The same, with the unit's letters compared in upper case (the words of
// EXEC blocks keep their case in some dialects).
bool OrvIsWordAnyCase(const OrvLexUnit& unit, const char* word);

// Appends the unit's attached tokens, then its token, to the list; the unit
// is left empty.
void OrvMoveUnitTo(OrvLexUnit& unit, OrvTokenList& list);

// Appends copies of the unit's attached tokens and of its token to the list.
void OrvCopyUnitTo(const OrvLexUnit& unit, OrvTokenList& list);

// A new INT_NUM_CONST node of the value.
OrvExpr* OrvNewIntConst(int value);

// The last step of every statement node the lexer builds: the space tokens
// of its subtree are dropped and it is marked as coming from the source.
void OrvFinishStatementNode(OrvExpr* node);

#endif
