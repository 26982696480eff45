// The statistics tool's option group and its call of the tool driver.
#include "OrvStatTool.h"

#include "OrvCLFlag.h"
#include "OrvDials.h"
#include "OrvDummyWalker.h"
#include "OrvToolMain.h"

const char* const OrvStatBannerFormat = "%s: Ledgerlark ver %s.";
const char* const OrvStatCommandName = "larkstat";
const char* const OrvStatVersion = "4-2-0";
const char* const OrvStatNotice = "Prints statistics of COBOL source programs.";

const int OrvStatPrimaryDialect = ORV_DIAL_ANSI85;
const int OrvStatSecondaryDialect = ORV_DIAL_NONE;
const int OrvStatOptionMask = 1;

namespace {

const char* const kDefaultSuffix = ".xxx";
const int kParse = 1;
const int kPrint = 0;

const OrvCLFlag kOptions[] = {
    {'-', "", nullptr, nullptr, nullptr, nullptr, 0, "Ledgerlark", 7},
    {'b', "long-stat", &OrvLongStatSwitch, nullptr, nullptr, nullptr, 0,
     "Print long program statistics", 7},
    {'b', "mem-offsets", &OrvMemOffsetsSwitch, nullptr, nullptr, nullptr, 0,
     "Compute and print offsets and lengths of data items", 7},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0},
};

}  // namespace

const OrvCLFlag* OrvStatToolOptions() { return kOptions; }

OrvResult OrvStatToolRun(OrvTool* tool, int argc, char** argv) {
  return OrvToolMain(tool, argc, argv, OrvAllDials(), OrvStatPrimaryDialect,
                     OrvStatSecondaryDialect, OrvStatToolOptions(), OrvDummyWalker,
                     kDefaultSuffix, nullptr, kParse, kPrint, OrvStatOptionMask);
}
