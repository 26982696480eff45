// OrvTool: the description of one command-line tool that the tool driver
// runs: the texts of its banner, the values of the options the driver owns,
// the parser and printer objects, the input files and the output name.  The
// driver's unit also keeps the message log, the option registry and the
// list of logged messages for the whole run.
#ifndef LARK_DRIVER_ORVTOOL_H
#define LARK_DRIVER_ORVTOOL_H

#include <fstream>

#include "OrvCLFlag.h"
#include "OrvPrettyPrinter.h"
#include "OrvToken.h"
#include "VString.h"
#include "VStringList.h"

class OrvParser;

// Choices of the "bailout-level" option.
enum OrvBailoutLevel {
  ORV_BAILOUT_WARNINGS = 0,
  ORV_BAILOUT_ERRORS = 1,
  ORV_BAILOUT_SEVERE = 2
};

// The fields are public: the driver and the option machinery read and write
// them directly.
class OrvTool {
public:
  // Copies the four texts; every option value at its default, no input
  // files.  The tool owns `parser` (which may be null for a tool that does
  // not parse) and deletes it with itself.
  OrvTool(const VString& bannerFormat, const VString& commandName, const VString& version,
          const VString& notice, OrvParser* parser);
  ~OrvTool();
  OrvTool(const OrvTool&) = delete;
  OrvTool& operator=(const OrvTool&) = delete;

  VString bannerFormat;  // printf format with two %s: command name, version
  VString commandName;
  VString version;
  VString notice;        // the banner's line that says what the tool does
  int help;              // "help"
  int pf;                // "pf"
  int v;                 // "v"
  VString genSfx;        // "gen-sfx": preset from the driver's default suffix
  VString genMainDir;    // "gen-main-dir"
  int progress;          // "progress"
  int bailoutLevel;      // "bailout-level": OrvBailoutLevel
  int dumpTree;          // no option sets it: a debug dump of every tree after processing
  OrvParser* parser;     // the parser object, owned
  OrvPrettyPrinterImpl printer;
  VStringList inputFiles;  // every command-line word that is not an option, in order
  VString genFile;       // "gen-file"; emptied after every input file
};

// The message log: closed unless a tool opens it; while it is open the
// message sink collects messages in OrvLoggedMessages instead of printing
// them, and the driver's exit path writes them to it in TIC form.
extern std::ofstream OrvMessageLog;
extern OrvTokenList OrvLoggedMessages;
// The registry of every option group of the run.
extern OrvCLFlagTable OrvOptionRegistry;

#endif
