// The in-process run of the tool driver for the driver tests: a tool record
// with the scripted parser (FakeParser.h), the driver's arguments, and the
// captured output, exit status and calls of one run.
#ifndef LARK_TESTS_DRIVER_DRIVERTESTSUPPORT_H
#define LARK_TESTS_DRIVER_DRIVERTESTSUPPORT_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "FakeParser.h"
#include "OrvExit.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvTool.h"
#include "OrvToolMain.h"
#include "ScratchDir.h"
#include "TestStrings.h"

// The driver's arguments of one run beside the command line: by default the
// statistics tool's, with the test walker.
struct RunSetup {
  OrvDials allowed = OrvAllDials();
  const OrvCLFlag* toolOptions = nullptr;
  OrvWalker walker = FakeWalker;
  OrvTransform* transform = nullptr;
  int parseSwitch = 1;
  int printSwitch = 0;
  int dumpTree = 0;
};

// What one run left: its result, its standard output and error, the calls
// of the parser and the walker, and the tool's output naming fields.
struct ToolRun {
  OrvResult result = 0;
  std::string out;
  std::string err;
  int parseCalls = 0;
  std::vector<std::string> walked;
  std::string genSfx;
  std::string genFile;
  int lineIdComments = 0;  // the printer's "gen-line-id-comments" after the run
};

class DriverTest : public ::testing::Test {
protected:
  void SetUp() override {
    OrvNoSignalHandlers = 1;
    savedSink_ = OrvGlobalMessageSink;
    unsetenv(OrvToolOptionsVariable);
    fakeWalkerFiles.clear();
  }
  void TearDown() override {
    OrvGlobalMessageSink = savedSink_;
    unsetenv(OrvToolOptionsVariable);
    OrvConvWarn = 1;
    OrvConvInfo = OrvConvList = OrvTransFindOnly = 0;
    OrvErrorCount = OrvWarningCount = 0;
  }

  // Writes a script file and answers its path.
  std::string File(const std::string& name, const std::string& script) {
    return dir_.Write(name, script);
  }

  ToolRun Run(const std::vector<std::string>& args, const RunSetup& setup = RunSetup()) {
    FakeParser* parser = new FakeParser;
    OrvTool tool(VString("%s: Ledgerlark ver %s."), VString("larkstat"), VString("4-2-0"),
                 VString("Prints statistics of COBOL source programs."), parser);
    tool.dumpTree = setup.dumpTree;
    std::vector<std::string> words = {"larkstat"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(&w[0]);
    argv.push_back(nullptr);

    ToolRun run;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    run.result = OrvToolMain(&tool, static_cast<int>(words.size()), argv.data(), setup.allowed,
                             ORV_DIAL_ANSI85, ORV_DIAL_NONE, setup.toolOptions, setup.walker,
                             ".xxx", setup.transform, setup.parseSwitch, setup.printSwitch, 1);
    run.err = testing::internal::GetCapturedStderr();
    run.out = testing::internal::GetCapturedStdout();
    run.parseCalls = parser->parseCalls;
    run.walked = fakeWalkerFiles;
    run.genSfx = Str(tool.genSfx);
    run.genFile = Str(tool.genFile);
    run.lineIdComments = tool.printer.gen_line_id_comments;
    return run;
  }

  ScratchDir dir_;

private:
  OrvMessageSink savedSink_;
};

// The block of one file: its "*Reading*" line, the lines between, the
// counts line.
inline std::string Block(const std::string& file, const std::string& middle, int errors = 0,
                         int warnings = 0) {
  return "*Reading* " + file + "\n" + middle + "Errors: " + std::to_string(errors) +
         ", Warnings: " + std::to_string(warnings) + "\n";
}

#endif
