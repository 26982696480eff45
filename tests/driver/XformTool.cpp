// xformtool: a test program that runs the tool driver with a transformation
// object and no walker.  Its object is a sequence of stored transformations
// (options "xforms" and "xform-dirs", TestTransSequence.h); the sample
// classes TestFindStatements and TestRenewStatements are registered, so
// that transformation files (.orv) can name them.  It is not part of
// larkstat.
#include "OrvDials.h"
#include "OrvExit.h"
#include "OrvSourceParser.h"
#include "OrvTool.h"
#include "OrvToolMain.h"
#include "OrvTransform.h"
#include "SampleTransforms.h"
#include "TestTransSequence.h"

namespace {

// The driver's arguments, as larkstat passes them but for the missing
// walker and the sequence object.  Printing stays off: the driver refuses a
// tool that asks for it.
const int kPrimaryDialect = ORV_DIAL_ANSI85;
const int kSecondaryDialect = ORV_DIAL_NONE;
const char* const kDefaultSuffix = ".xxx";
const int kParse = 1;
const int kPrint = 0;
const int kOptionMask = 1;

OrvParser* NewParser() { return new OrvSourceParser; }

}  // namespace

// Constructed before main; its constructor reads no other unit's objects.
static OrvTool xformTool(VString("%s: Ledgerlark ver %s."), VString("xformtool"), VString("4-2-0"),
                         VString("Runs stored transformations over COBOL source programs."),
                         NewParser());

int main(int argc, char** argv) {
  VString error;
  TestFindStatements find;
  TestRenewStatements renew;
  OrvTransform::Register(&find, TestFindStatements::Make, error);
  OrvTransform::Register(&renew, TestRenewStatements::Make, error);
  OrvResult result = OrvToolMain(&xformTool, argc, argv, OrvAllDials(), kPrimaryDialect,
                                 kSecondaryDialect, nullptr, nullptr, kDefaultSuffix,
                                 new TestTransSequence, kParse, kPrint, kOptionMask);
  // The sequence and every transformation loaded for it.
  OrvTransform::DeleteAll();
  OrvExit(result);
}
