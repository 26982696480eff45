// larkprint: writes every COBOL source named on its command line back as
// COBOL, copied from the source where the tree is unchanged ("gen-src") or
// pretty-printed from the print templates.
#include "LarkprintParser.h"
#include "OrvExit.h"
#include "OrvPrintTool.h"
#include "OrvTool.h"

// Constructed before main; its constructor reads no other unit's objects.
static OrvTool larkprintTool(OrvPrintBannerFormat, OrvPrintCommandName, OrvPrintVersion, OrvPrintNotice,
                             NewLarkprintParser());

int main(int argc, char** argv) { OrvExit(OrvPrintToolRun(&larkprintTool, argc, argv)); }
