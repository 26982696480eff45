// PICTURE string utilities: expansion of repeat counts such as X(5) (the
// count may also name a level-78 constant of the program) and classification
// of a PICTURE into its category, length and number of digit positions.
#ifndef LARK_TREE_ORVPICTURE_H
#define LARK_TREE_ORVPICTURE_H

#include <cstdint>

#include "OrvResult.h"
#include "VString.h"

class OrvExpr;

// Result bytes of the PICTURE utilities (0 is success).
const OrvResult ORV_PIC_STARTS_WITH_PAREN = '#';
const OrvResult ORV_PIC_REPEATER_NOT_CLOSED = '"';
const OrvResult ORV_PIC_CONSTANT_PROBLEM = 'r';
const OrvResult ORV_PIC_NO_CATEGORY = '$';
// The expansion would be longer than the limits below.
const OrvResult ORV_PIC_TOO_LONG = 'L';

// Longest text that OrvUnrollPicStr writes out.  Longer expansions are
// refused with ORV_PIC_TOO_LONG instead of allocating a huge string.
const int OrvPicMaxUnrolledLength = 1 << 20;
// Longest item that OrvPicStrCategory classifies (COBOL's nine-digit limit).
// The category works on the repeat counts, so it needs no expansion.
const int OrvPicMaxItemLength = 999999999;

// Expands the repeat counts of the PICTURE text *text into `unrolled`.
// `context` is any node inside the program whose level-78 constants may be
// named as counts (may be null).  Returns 0, or a result byte above with the
// reason in `message`.
OrvResult OrvUnrollPicStr(const char** text, VString& unrolled, OrvExpr* context,
                          VString& message);

// The same expansion without a program: a count that is not a number fails
// with the "no context" message.
OrvResult OrvUnrollPicStrNoContext(const char** text, VString& unrolled, VString& message);

// Classifies the PICTURE text *text: *category becomes 1 at entry and, on
// success, one of PIC_ALPHA .. PIC_NATIONAL_EDITED, with the item length and
// the number of '9' positions.  The currency sign of the nearest program
// around `context` that gives a CURRENCY SIGN clause counts as "$" (so does
// "$" itself).  `unrolled` receives the expansion; when that
// would exceed OrvPicMaxUnrolledLength characters the classification still
// succeeds and `unrolled` keeps the long runs in their c(n) form.
OrvResult OrvPicStrCategory(const char** text, VString& unrolled, std::uint16_t* category,
                            int* length, int* digits, OrvExpr* context, VString& message);

#endif
