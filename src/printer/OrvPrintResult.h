// The result codes of a print: what PrintFile, PrintString, PrintTree and
// the routines of a print answer when they stop.  0 is success.
#ifndef LARK_PRINTER_ORVPRINTRESULT_H
#define LARK_PRINTER_ORVPRINTRESULT_H

#include "OrvResult.h"

// The output file could not be opened or written, or it is a source file.
const OrvResult ORV_PRINT_CANNOT_WRITE = ORV_CANNOT_OPEN_OUTPUT;
// Another print runs in this process.
const OrvResult ORV_PRINT_BUSY = 41;
// No template row applies, or "$x" / "$p" / a bad "$" command.
const OrvResult ORV_PRINT_NO_TEMPLATE = 42;
// A bad setting: indentation step below 1, or a bad "gen-73to80-fmt".
const OrvResult ORV_PRINT_BAD_SETTING = 43;
// A bad argument number of a template (or of an excerpt).
const OrvResult ORV_PRINT_BAD_ARG = 44;
// A template command that is not followed by what it needs.
const OrvResult ORV_PRINT_BAD_COMMAND = 45;
// A malformed conditional or tail of a template.
const OrvResult ORV_PRINT_BAD_TEMPLATE = 46;
// The end of a source file where source text is expected.
const OrvResult ORV_PRINT_SOURCE_EOF = 47;
// A source position names no file of the run.
const OrvResult ORV_PRINT_BAD_FILE_IX = 48;
// A row of a template table names a code outside 1..1400.
const OrvResult ORV_PRINT_BAD_TABLE_CODE = 49;
// A template with more subdivisions than a node can hold.
const OrvResult ORV_PRINT_TOO_MANY_SUBDIVISIONS = 50;
// A COPY member's directory or file could not be made or written.
const OrvResult ORV_PRINT_MEMBER_FILE = 54;
// An end marker while no output is open.
const OrvResult ORV_PRINT_EMPTY_STACK = 55;
// The indentation level differs at a node's exit, or fell below 0.
const OrvResult ORV_PRINT_BAD_INDENT = 56;

#endif
