// larkstat: prints the line, code-line and token counts, the statistics
// report and the data-item table of every COBOL source named on its command
// line.
#include "LarkstatParser.h"
#include "OrvExit.h"
#include "OrvStatTool.h"
#include "OrvTool.h"

// Constructed before main; its constructor reads no other unit's objects.
static OrvTool larkstatTool(OrvStatBannerFormat, OrvStatCommandName, OrvStatVersion, OrvStatNotice,
                            NewLarkstatParser());

int main(int argc, char** argv) { OrvExit(OrvStatToolRun(&larkstatTool, argc, argv)); }
