// Test helpers for the toolkit's string value: the whole text of a VString
// as a std::string (every byte of its length, zero bytes included) and the
// GoogleTest printer that shows a VString in failure messages.
#ifndef LARK_TESTS_SUPPORT_TESTSTRINGS_H
#define LARK_TESTS_SUPPORT_TESTSTRINGS_H

#include <ostream>
#include <string>

#include "VString.h"

// The text of `v`, all `length` bytes of it; empty for a null text.
std::string Str(const VString& v);

// Prints `v` quoted, with non-printing bytes as \xNN, for failure messages.
void PrintTo(const VString& v, std::ostream* os);

#endif
