// The shape tests that the token layer makes on a text word before it looks
// the word up: is it a numeric literal, a legal COBOL word, a legal SQL word,
// a CICS number.  Each looks only at the characters, so the token layer can
// run it on the word as read or on an upper-cased copy of it.
#ifndef LARK_LEXER_ORVWORDSHAPE_H
#define LARK_LEXER_ORVWORDSHAPE_H

// What the numeric-literal test found in a word.
struct OrvNumberShape {
  // The word is made of digits, the decimal-point character at most once and
  // never after the exponent letter, '-' or '+' only first or right after
  // 'E', and 'E' at most once after at least one digit.
  bool passes = false;
  int digits = 0;         // how many digits, exponent digits included
  bool sign = false;      // a leading sign or an exponent sign
  bool point = false;     // the decimal-point character
  bool exponent = false;  // the exponent letter E
};

// The numeric-literal test of the `length` characters at `word`, with
// `decimalPoint` ('.' or ',') as the decimal-point character.
OrvNumberShape OrvScanNumber(const char* word, int length, char decimalPoint);

// A legal COBOL word: digits, A..Z and '-', with no '-' first or last.
bool OrvIsCobolWordShape(const char* word, int length);

// A legal SQL word: digits, A..Z, '-' and '_' (neither first nor last), and
// '?' when `questionMark` is set (ICobol).
bool OrvIsSqlWordShape(const char* word, int length, bool questionMark);

// A number inside EXEC CICS: an optional leading sign, then digits only (a
// sign alone passes with no digits).  `digits` receives the digit count.
bool OrvIsCicsNumberShape(const char* word, int length, int& digits);

#endif
