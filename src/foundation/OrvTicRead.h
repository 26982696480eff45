// Readers of the integers of the TIC text form.
#ifndef LARK_FOUNDATION_ORVTICREAD_H
#define LARK_FOUNDATION_ORVTICREAD_H

#include <iosfwd>

#include "VString.h"

// Reads an optional "-" and decimal digits, then one character that must be
// `terminator`.  Result 0 with the number in *value, or 59 with the message in
// `error`: a bad character after the digits, a number that does not fit the
// value's type, or a negative number when `allowNegative` is false (the
// negative number is stored all the same).
OrvResult GetTicIntNo(std::istream& in, int* value, bool allowNegative, char terminator, VString& error);
OrvResult GetTicInt64No(std::istream& in, int64* value, bool allowNegative, char terminator, VString& error);

#endif
