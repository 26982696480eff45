// OrvDials: the set of COBOL dialects a source is written in, one 32-bit word
// of bit fields with one field per dialect (see OrvDialects.def), and the
// operations on it.  Reserved-word masks use the same layout.
#ifndef LARK_LEXER_ORVDIALS_H
#define LARK_LEXER_ORVDIALS_H

#include <cstdint>

#include "OrvResult.h"
#include "VString.h"

typedef std::uint32_t OrvDials;

// Dialect numbers, 1..ORV_DIALECT_COUNT; 0 means no dialect.
enum OrvDialect {
  ORV_DIAL_NONE = 0,
#define ORV_DIALECT(Number, Id, ShortName, LongName, FirstBit, Width, Word) \
  ORV_DIAL_##Id = Number,
#include "OrvDialects.def"
  ORV_DIALECT_COUNT = 20
};

// Result of OrvStringToDials for a malformed digit string.
const OrvResult ORV_BAD_DIALECTS_STRING = 21;
// Result of OrvCheckDials for a dialect outside the allowed set.
const OrvResult ORV_DIALECTS_NOT_ALLOWED = 22;

// Names indexed by dialect number: index 0 is "none" / "None", 1..20 the
// dialects, 21 an empty value that ends the table.  The short names are the
// value words of the options "lang" and "lang2", the long names their
// descriptions.
extern VString OrvDialectShortNames[ORV_DIALECT_COUNT + 2];
extern VString OrvDialectNames[ORV_DIALECT_COUNT + 2];

// The masks of the dialect fields by dialect number (index 0: none).
extern const OrvDials OrvDialFieldMasks[ORV_DIALECT_COUNT + 1];

// The mask of the field of a dialect; 0 for a number outside 1..20.  Inline:
// the lexer and the token supply test dialects for many tokens.
inline OrvDials OrvDialFieldMask(int number) {
  return number >= 1 && number <= ORV_DIALECT_COUNT ? OrvDialFieldMasks[number] : 0;
}

// The set with every dialect field that holds any bit filled with ones and
// the bits of no dialect (0 and 26..31) cleared.  An expanded set shares a
// bit with a reserved-word mask exactly when the two share a dialect, so the
// reserved-word test is one AND against a set expanded once per parse.
OrvDials OrvExpandDials(OrvDials set);

// The empty set and the full set (all 32 bits on).
OrvDials OrvNoDials();
OrvDials OrvAllDials();

// Adds a dialect (fills its whole field); a number outside 1..20 changes
// nothing.  Returns the low byte of the number.
unsigned char OrvSetDial(OrvDials& set, int number);

// The value of a dialect's field (0..7); 0 for a number outside 1..20.
int OrvGetDial(OrvDials set, int number);

// Exactly 20 decimal digits, the field values of dialects 1 to 20.
VString OrvDialsToString(OrvDials set);

// The inverse of OrvDialsToString.  The set is cleared first; a text that is
// not 20 characters long, or that holds a character above '9', leaves it
// empty and gives ORV_BAD_DIALECTS_STRING with a message.  Each field takes
// the low bits of its character's code.
OrvResult OrvStringToDials(const VString& digits, OrvDials& set, VString& message);

// Adds the primary and then the secondary dialect to `set` (0 adds nothing)
// and checks that every dialect present in `set` is present in `allowed`;
// otherwise ORV_DIALECTS_NOT_ALLOWED with a message, `set` keeping what was
// added.
OrvResult OrvCheckDials(OrvDials& set, int primary, int secondary, OrvDials allowed,
                        VString& message);

// The readable list of a set: the word of each dialect present, each ending
// in a blank ("Ansi85 Mf "); empty for the empty set.
VString OrvDialsToText(OrvDials set);

#endif
