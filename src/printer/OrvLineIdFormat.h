// The text of the identification area (columns 73 to 80) made from the
// "gen-73to80-fmt" option: a printf format that must hold exactly one
// integer conversion, since the line number is its only argument.
#ifndef LARK_PRINTER_ORVLINEIDFORMAT_H
#define LARK_PRINTER_ORVLINEIDFORMAT_H

#include "VString.h"

// Room of the formatted text; a longer result is cut to it.
const int ORV_LINE_ID_TEXT_ROOM = 128;

// Whether the format holds exactly one conversion, and that one is %d, %i,
// %u, %x, %X or %o with optional flags ("-+ #0"), width and precision
// (digits only, no '*', no length modifier); "%%" stands for itself and
// may appear anywhere.
bool OrvLineIdFormatIsValid(const VString& format);

// Formats `number` with a valid format into `text` (room
// ORV_LINE_ID_TEXT_ROOM, zero-terminated) and returns the number of
// characters stored.
int OrvFormatLineId(const VString& format, int number, char* text);

#endif
