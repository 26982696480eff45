// OrvToolMain: the toolkit's generic command-line driver.  A tool program
// describes itself with an OrvTool record, its own option group and a walker
// and calls OrvToolMain from main; the driver reads the options from the
// environment and the command line, prints the banner and the option
// listings on request, checks the input files, and then parses each one,
// reports the parser's messages, runs the walker over the tree and prints the
// error and warning totals.  Its result is the process's exit status.
#ifndef LARK_DRIVER_ORVTOOLMAIN_H
#define LARK_DRIVER_ORVTOOLMAIN_H

#include "OrvCLFlag.h"
#include "OrvDials.h"
#include "OrvResult.h"
#include "VString.h"

class OrvExpr;
class OrvParser;
class OrvPrettyPrinter;
class OrvTokenList;
class OrvTool;
class OrvTransform;

// A tool's call-back for one parsed file: the address of the tree variable
// (the tree may be null; the walker may replace it), the input file's name,
// the tool's parser and printer, and an empty message list for the walker's
// messages (token code = level).  A result other than 0 ends the handling of
// that file and becomes the run's exit status unless a later file fails.
typedef OrvResult (*OrvWalker)(OrvExpr** tree, const VString& inputFile, OrvParser* parser,
                               OrvPrettyPrinter* printer, OrvTokenList* messages);

// The environment variable whose options are read before the command line.
extern const char* const OrvToolOptionsVariable;  // "ORV_TOOL_OPTIONS"

// Switches of the "Generic Reporting" group that only the transformation
// framework reads, and the find-only switch of a run.
extern int OrvConvWarn;        // "conv-warn", 1 at start
extern int OrvConvInfo;        // "conv-info"
extern int OrvConvList;        // "conv-list"
extern int OrvTransFindOnly;   // set from "find-only" by the driver

// The choices of "bailout-level" ("warnings", "errors", "severe", then an
// empty value); built by the first call of the driver.
VString* OrvBailoutLevelChoices();

// Runs the tool.  `toolOptions` is the tool's own option group (ended by a
// kind-0 record) or null; `walker` may be null; `defaultSuffix` presets the
// output suffix.  With `parseSwitch` the parser's options are offered and
// every input is parsed; `optionMask` selects the option records offered.
// A `transform` offers its own options (after AddOptions; a result other
// than 0 ends the run), pre-processes every input and, when there is no
// walker, searches each tree (applying itself unless "find-only" is given);
// "conv-list" then lists the applied transformations.  With `printSwitch`
// the printer's options and the "Cobol Output File" group ("gen-file",
// "gen-sfx", "gen-main-dir") are offered, and every tree that was parsed
// and processed without failure is written as COBOL by the tool's printer
// to the file "gen-file" names, or else to a name derived from the input
// (OrvOutputFileName); " Writing  " and the name are printed unless
// "silent".  A non-fixed source format switches "gen-line-id-comments"
// off.  A print that fails ends the run with its result.
//
// Results: 0 after a clean run; ORV_BAD_OPTIONS for bad options or no input
// file; ORV_CANNOT_OPEN_INPUT when an input file cannot be read (or is a
// directory); the dialect check's result; ORV_TOO_MANY_OPTIONS when the
// option groups overflow the registry; otherwise the result of the last
// input file that failed (a pre-processing result, ORV_PARSE_FAILED for a
// file refused by pre-processing with messages, a parse result above the
// bail-out level, or a walker's or transformation's result) - a later
// clean file does not hide it.  A tool that prints adds: ORV_BAD_OPTIONS
// for "gen-file" with several inputs; ORV_CANNOT_OPEN_OUTPUT when the
// output's directory cannot be made; the printer's result (10, 41 to 56)
// when a print fails.
OrvResult OrvToolMain(OrvTool* tool, int argc, char** argv, OrvDials allowedDials,
                      int defaultPrimary, int defaultSecondary, const OrvCLFlag* toolOptions,
                      OrvWalker walker, const char* defaultSuffix, OrvTransform* transform,
                      int parseSwitch, int printSwitch, int optionMask);

#endif
