// A scripted parser object for the tests of the tool driver and of the
// statistics tool.  It reads the file it is asked to parse as a script, one
// directive a line, and acts it out:
//
//   result N                  the parse result (default 0)
//   counts LINES LOC TOKENS   the counters of lines, code lines and tokens
//   message LEVEL LINE COL T  a message (token code LEVEL) at LINE:COL of the
//                             file, in the caller's message list
//   sink LEVEL T              a message through the settings' call-back, at
//                             no position (severe and terminal messages)
//   progress LINE T           a call of the progress call-back, when set
//   program NAME              the tree: a COBOL_FILE with one program NAME
//   walker N                  what the test walker answers (default 0)
//   walker-message LEVEL T    a message the test walker adds to its list
//   walker-sink N LEVEL       the test walker reports "walker" N times
//                             through the process-wide message sink
//   interrupt                 raises SIGINT
//
// Every parse result above 2 gives no tree.  A file that cannot be read
// answers 11.
#ifndef LARK_TESTS_DRIVER_FAKEPARSER_H
#define LARK_TESTS_DRIVER_FAKEPARSER_H

#include <string>
#include <utility>
#include <vector>

#include "OrvParser.h"
#include "OrvResult.h"

class OrvPrettyPrinter;

// The script of the file parsed last.
struct FakeScript {
  int walkerResult = 0;
  std::vector<std::pair<int, std::string>> walkerMessages;
  int walkerSinkCount = 0;
  int walkerSinkLevel = 0;
};

class FakeParser : public OrvParser {
public:
  OrvParserResult Parse(const VString& fileName, OrvExpr** tree, OrvTokenList* messages) override;

  int parseCalls = 0;
  std::vector<std::string> parsedFiles;
  FakeScript script;
};

// The tree of the "program" directive: COBOL_FILE, COBOL_PROGRAM_LIST,
// COBOL_PROGRAM, DIVISION_IDENTIFICATION, PARA_PROGRAM_ID and the name.
OrvExpr* FakeProgramTree(const std::string& name);

// A walker for driver tests: records its calls and answers the script's
// walker result with the script's walker messages.
extern std::vector<std::string> fakeWalkerFiles;
OrvResult FakeWalker(OrvExpr** tree, const VString& inputFile, OrvParser* parser,
                     OrvPrettyPrinter* printer, OrvTokenList* messages);

#endif
