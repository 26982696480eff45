// Writing one comment line of the tree (a source comment, a persistent
// NOTE line, or the enter/exit lines of an inlined COPY member).
#ifndef LARK_PRINTER_ORVPRINTCOMMENT_H
#define LARK_PRINTER_ORVPRINTCOMMENT_H

#include "VString.h"

// Ends the current line when something stands on it, then writes the text
// as a comment line: its first character is the indicator (a first byte 13
// announces the indicator as the second character), put in the indicator
// column of the line format (six blanks first in fixed formats; " *>" for
// a '*' in "fsc-free"), then the rest; with `whole` 0 the text is cut at
// the right margin.  The line ends with a line break.  Every character goes
// through the line-end level of the output chain.
void PrintComment(const VString& text, int whole);

#endif
