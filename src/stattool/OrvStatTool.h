// The statistics tool as the tool driver runs it: its banner texts, its
// option group and the fixed arguments with which `larkstat` calls the
// driver.
#ifndef LARK_STATTOOL_ORVSTATTOOL_H
#define LARK_STATTOOL_ORVSTATTOOL_H

#include "OrvResult.h"

class OrvTool;
struct OrvCLFlag;

// The texts of the tool's OrvTool record.
extern const char* const OrvStatBannerFormat;  // "%s: Ledgerlark ver %s."
extern const char* const OrvStatCommandName;   // "larkstat"
extern const char* const OrvStatVersion;       // "4-2-0"
extern const char* const OrvStatNotice;        // "Prints statistics of COBOL source programs."

// The dialects and option mask with which the tool calls the driver:
// ANSI-85 as primary, no secondary dialect (every dialect is allowed),
// option mask 1.
extern const int OrvStatPrimaryDialect;
extern const int OrvStatSecondaryDialect;
extern const int OrvStatOptionMask;

// The tool's option group: the heading "Ledgerlark", then "long-stat" and
// "mem-offsets" (OrvLongStatSwitch, OrvMemOffsetsSwitch), ended by a kind-0
// record.
const OrvCLFlag* OrvStatToolOptions();

// Runs the tool described by `tool`: its option group ("Ledgerlark" with
// "long-stat" and "mem-offsets"), every dialect allowed, ANSI-85 as primary
// and no secondary dialect, OrvDummyWalker, suffix ".xxx", no
// transformation, parsing on, printing off, option mask 1.  Answers the
// driver's result.
OrvResult OrvStatToolRun(OrvTool* tool, int argc, char** argv);

#endif
