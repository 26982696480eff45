// The print tool's call of the tool driver.
#include "OrvPrintTool.h"

#include "OrvDials.h"
#include "OrvToolMain.h"

const char* const OrvPrintBannerFormat = "%s: Ledgerlark ver %s.";
const char* const OrvPrintCommandName = "larkprint";
const char* const OrvPrintVersion = "4-2-0";
const char* const OrvPrintNotice = "Writes COBOL source programs back as COBOL.";

namespace {

const int kPrimaryDialect = ORV_DIAL_ANSI85;
const int kSecondaryDialect = ORV_DIAL_NONE;
// The suffix of outputs named after their input: never a COBOL source's,
// so that a source is not taken for its own output.
const char* const kDefaultSuffix = ".xxx";
const int kParse = 1;
const int kPrint = 1;
const int kOptionMask = 1;

}  // namespace

OrvResult OrvPrintToolRun(OrvTool* tool, int argc, char** argv) {
  return OrvToolMain(tool, argc, argv, OrvAllDials(), kPrimaryDialect, kSecondaryDialect, nullptr, nullptr,
                     kDefaultSuffix, nullptr, kParse, kPrint, kOptionMask);
}
