// Hashed indexes over the lexer's word tables: the COBOL reserved words, the
// SQL and CICS words, the intrinsic functions and the operators.  The token
// layer looks every word up here, so each look-up costs one hash of the word
// and a comparison or two, whatever the size of the table.  The indexes are
// built once per process by OrvLexerStartUp.
#ifndef LARK_LEXER_ORVWORDINDEX_H
#define LARK_LEXER_ORVWORDINDEX_H

#include "OrvWords.h"

// Builds the indexes and installs the token-word look-up (the words that
// OrvToken::Text and the token printers show for reserved-word, SQL and CICS
// codes).  Idempotent: calling it again changes nothing.  The driver calls
// it at program start and the OrvLexer constructor calls it; every look-up
// below calls it on first use too.
void OrvLexerStartUp();

// The row of OrvCobolKeywords whose word is the `length` characters at
// `word` (exact, case matters), or null.  The row's mask is read by the
// caller as it stands, so un-reserved words are seen at once.
OrvKeyword* OrvLookupCobolKeyword(const char* word, int length);
// The same, given the word's hash as OrvTextStore::Hash makes it.
OrvKeyword* OrvLookupCobolKeyword(const char* word, int length, unsigned hash);
// The token code of an SQL word or of a CICS word (exact), or 0.
int OrvLookupSqlKeyword(const char* word, int length);
int OrvLookupCicsKeyword(const char* word, int length);
// The intrinsic function of that name (exact), or null.
const OrvIntrinsicFunction* OrvLookupIntrinsicFunction(const char* word, int length);
// The longest operator text: a longer word is no operator, which a caller
// can see without a look-up.
const int ORV_MAX_OPERATOR_CHARS = 3;
// The token code of a COBOL operator or of an SQL operator whose text is
// exactly the `length` characters at `text`, or 0.
int OrvLookupCobolOperator(const char* text, int length);
int OrvLookupSqlOperator(const char* text, int length);

#endif
