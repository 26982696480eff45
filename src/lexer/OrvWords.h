// The word tables of the lexer: COBOL reserved words with the dialects in
// which each is reserved, the words of embedded SQL and CICS, and the
// operator symbols of COBOL and SQL; with the lookups the token layer makes
// in them and the un-reserving of words that the user excludes.
#ifndef LARK_LEXER_ORVWORDS_H
#define LARK_LEXER_ORVWORDS_H

#include "OrvDials.h"
#include "VString.h"

// One COBOL reserved word.  `mask` has the layout of OrvDials plus bit 0,
// which marks a special reserved word (ORV_SPECIAL_WORD_BIT).
struct OrvKeyword {
  int code;
  OrvDials mask;
  const char* word;
};

// One operator symbol: its token code and its text, NUL-padded.
struct OrvOperator {
  int code;
  char text[4];
};

const OrvDials ORV_SPECIAL_WORD_BIT = 0x1;

const int ORV_COBOL_KEYWORD_COUNT = 769;
const int ORV_SQL_KEYWORD_COUNT = 253;
const int ORV_CICS_KEYWORD_COUNT = 320;
// Token code of the first SQL word and of the first CICS word; the word at
// index i of its list has the first code + i.
const int ORV_SQL_FIRST_CODE = 1161;
const int ORV_CICS_FIRST_CODE = 1414;

// The COBOL reserved words, ended by the row {-1, 0, null}.  The masks are
// writable: un-reserving a word clears its mask for the rest of the process.
extern OrvKeyword OrvCobolKeywords[ORV_COBOL_KEYWORD_COUNT + 1];
// The SQL and CICS words in code order, each list ended by a null pointer.
extern const char* const OrvSqlKeywords[ORV_SQL_KEYWORD_COUNT + 1];
extern const char* const OrvCicsKeywords[ORV_CICS_KEYWORD_COUNT + 1];
// The operators, each table ended by a row of code 0.
extern const OrvOperator OrvCobolOperators[];
extern const OrvOperator OrvSqlOperators[];

// Argument kinds of the intrinsic functions.
enum OrvFunctionArgKind {
  ORV_FUNC_SPECIAL = -2,   // RANDOM: the grammar reads its argument itself
  ORV_FUNC_ARG_LIST = -1,  // any number of arguments
  ORV_FUNC_NO_ARGS = 0,
  ORV_FUNC_ONE_ARG = 1,
  ORV_FUNC_TWO_ARGS = 2
};

// One intrinsic function: its name (upper case) and its argument kind.
struct OrvIntrinsicFunction {
  const char* name;
  int argKind;
};

const int ORV_INTRINSIC_FUNCTION_COUNT = 42;
// The intrinsic functions (OrvFunctions.def), ended by {null, 0}.
extern const OrvIntrinsicFunction OrvIntrinsicFunctions[ORV_INTRINSIC_FUNCTION_COUNT + 1];

// The first row of `table` (ended by a row without a word) whose word equals
// `word` exactly (case matters), or null.  On OrvCobolKeywords this is one
// hashed look-up; any other table is scanned.
OrvKeyword* OrvFindKeyword(const VString& word, OrvKeyword* table);

// Whether a word found in the COBOL table is reserved: never while the
// reserved-word lookup is off; a special reserved word only while special
// words are on; otherwise when the word's mask (as it stands now) and the
// dialect set share a dialect, any bit of a wide field standing for the whole
// dialect on either side.
bool OrvIsReservedKeyword(const OrvKeyword& row, OrvDials dials, int lookupOn,
                          int specialWordsOn);

// The token code of an SQL word (exact, upper case), or 0 when it is none.
int OrvSqlKeywordCode(const VString& word);
// The token code of a CICS word (exact, upper case), or 0 when it is none.
int OrvCicsKeywordCode(const VString& word);

// The token code of the operator whose text equals `text` in a table, or 0.
// OrvCobolOperators and OrvSqlOperators are looked up by their first
// character; any other table is scanned.
int OrvFindOperator(const VString& text, const OrvOperator* table);

// Un-reserves the `count` words of `words`: each is turned to upper case in
// place and, when the COBOL table holds it, its mask is cleared, so that it is
// a user word in every dialect from then on.  Words the table lacks are
// ignored.
void OrvUnreserveKeywords(VString* words, int count);

#endif
