// The print tool as the tool driver runs it: its banner texts and the fixed
// arguments with which `larkprint` calls the driver.
#ifndef LARK_PRINTTOOL_ORVPRINTTOOL_H
#define LARK_PRINTTOOL_ORVPRINTTOOL_H

#include "OrvResult.h"

class OrvTool;

// The texts of the tool's OrvTool record.
extern const char* const OrvPrintBannerFormat;  // "%s: Ledgerlark ver %s."
extern const char* const OrvPrintCommandName;   // "larkprint"
extern const char* const OrvPrintVersion;       // "4-2-0"
extern const char* const OrvPrintNotice;        // "Writes COBOL source programs back as COBOL."

// Runs the tool described by `tool`: every dialect allowed, ANSI-85 as
// primary and no secondary dialect, no option group of its own, no walker,
// suffix ".xxx", no transformation, parsing and printing on, option mask
// 1.  Every parsed source is written back as COBOL by the tool's printer.
// Answers the driver's result.
OrvResult OrvPrintToolRun(OrvTool* tool, int argc, char** argv);

#endif
