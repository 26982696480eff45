// The tool driver: option groups, environment and command line, banner and
// listings, input checks, the loop over the input files (with the steps of a
// transformation object and the printing of each tree as COBOL) and the
// exit path.
#include "OrvToolMain.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "OrvExit.h"
#include "OrvExpr.h"
#include "OrvFiles.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvOutputName.h"
#include "OrvParser.h"
#include "OrvParserStatics.h"
#include "OrvPosnWalkers.h"
#include "OrvSymTab.h"
#include "OrvTool.h"
#include "OrvToolMessageSink.h"
#include "OrvTransEngine.h"
#include "OrvTransform.h"
#include "OrvWordIndex.h"

std::ofstream OrvMessageLog;
OrvCLFlagTable OrvOptionRegistry;
OrvTokenList OrvLoggedMessages;

const char* const OrvToolOptionsVariable = "ORV_TOOL_OPTIONS";

int OrvConvWarn = 1;
int OrvConvInfo = 0;
int OrvConvList = 0;
int OrvTransFindOnly = 0;

VString* OrvBailoutLevelChoices() {
  static VString choices[] = {VString("warnings"), VString("errors"), VString("severe"),
                              VString("")};
  return choices;
}

namespace {

// The printer's option records are all built; the tool's mask selects.
const int kAllPrinterOptions = 0xff;

// The modes of ApplyAll: only find, or transform.
const int kFindMode = 0;
const int kApplyMode = 1;

const OrvCLFlag kEnd = {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0};

OrvCLFlag Heading(const char* title) {
  return {'-', "", nullptr, nullptr, nullptr, nullptr, 0, title, 7};
}
OrvCLFlag Switch(const char* name, int* value, const char* description, int mask) {
  return {'b', name, value, nullptr, nullptr, nullptr, 0, description, mask};
}

// The state of one run.
struct Run {
  OrvTool* tool;
  OrvTransform* transform = nullptr;  // the tool's transformation object, or null
  int argc;
  char** argv;
  int findOnly = 0;
  int silent = 0;
  int stat = 0;
  int several = 0;
  VString errorText;      // a fatal condition's message, reported on exit
  OrvExpr* tree = nullptr;
  OrvResult result = ORV_OK;  // the run's exit status so far

  // The three groups of the driver, each ended by a kind-0 record.  They
  // point at the tool's fields and at this run's switches.
  OrvCLFlag settings[5];
  OrvCLFlag reporting[7];
  OrvCLFlag parsing[4];
  OrvCLFlag output[5];    // "Cobol Output File", offered by a tool that prints

  int printSwitch = 0;
  const char* defaultSuffix = "";
  bool ended = false;     // a failure that ends the run: no later file is handled
};

void BuildGroups(Run& run) {
  OrvTool* t = run.tool;
  run.settings[0] = Heading("Settings");
  run.settings[1] = Switch("help", &t->help, "Print command line options values and description", 11);
  run.settings[2] = Switch("pf", &t->pf,
                           "Print command line flags values in the short form (*.cop file format)", 11);
  run.settings[3] = Switch("v", &t->v, "Print Loomwright version", 11);
  run.settings[4] = kEnd;

  run.reporting[0] = Heading("Generic Reporting");
  run.reporting[1] = Switch("conv-warn", &OrvConvWarn, "Warn about transformation problems", 1);
  run.reporting[2] = Switch("conv-info", &OrvConvInfo, "Inform about every trasnformation performed", 1);
  run.reporting[3] = Switch("conv-list", &OrvConvList, "List all transformations applied", 1);
  run.reporting[4] = Switch("find-only", &run.findOnly,
                            "Only list potential transformations, do not execute them", 1);
  run.reporting[5] = Switch("silent", &run.silent, "Do not print short summary of the conversion", 1);
  run.reporting[6] = kEnd;

  // The parse group has no heading: its options show under the parser's
  // last group.
  run.parsing[0] = Switch("progress", &t->progress, "Display Parsing Progress Indicator", 1);
  run.parsing[1] = {'l', "bailout-level", &t->bailoutLevel, OrvBailoutLevelChoices(), nullptr,
                    nullptr, 0, "Level of parser messages that cause bailout", 1};
  run.parsing[2] = Switch("stat", &run.stat, "Print short source program statistics", 1);
  run.parsing[3] = kEnd;

  run.output[0] = Heading("Cobol Output File");
  run.output[1] = {'s', "gen-file", nullptr, nullptr, &t->genFile, nullptr, 0,
                   "Write the converted source to this file", 9};
  run.output[2] = {'s', "gen-sfx", nullptr, nullptr, &t->genSfx, nullptr, 0, "Converted Cobol file suffix", 9};
  run.output[3] = {'s', "gen-main-dir", nullptr, nullptr, &t->genMainDir, nullptr, 0,
                   "Write the converted Main File to this directory", 9};
  run.output[4] = kEnd;
}

void ReportError(const VString& text) { OrvToolMessageSink(MSG_ERR, &OrvNullPosn, &text); }

// Reports every text of the list as an error, then frees the list.
void ReportErrors(VStringList& errors) {
  for (const VStringListNode* n = errors.head; n; n = n->next) ReportError(n->value);
  errors.Clear();
}

// Reports every message of the list through the sink (token code = level,
// the token's begin, its image), then frees the list.
void ReportMessages(OrvTokenList& messages) {
  for (const OrvToken* n : messages) OrvToolMessageSink(n->code, &n->begin, &n->Image());
  messages.Clear();
}

// Everything the driver writes is on its way out before the next file
// starts, so that an interrupt, whose handler ends the process at once,
// loses no finished block.
void FlushOutput() {
  std::cout.flush();
  std::fflush(stdout);
}

// Start step 7: every option group into the registry, in order.  The
// registry is emptied first, so that it holds this run's records only.
OrvResult RegisterOptions(Run& run, const OrvCLFlag* toolOptions, int parseSwitch, int mask) {
  OrvCLFlagTable& registry = OrvOptionRegistry;
  registry = OrvCLFlagTable();
  OrvResult r = OrvAddCommandLineFlags(registry, run.settings, run.errorText, mask);
  if (r == ORV_OK && toolOptions)
    r = OrvAddCommandLineFlags(registry, toolOptions, run.errorText, mask);
  if (r == ORV_OK && run.transform) {
    r = run.transform->AddOptions();
    if (r == ORV_OK)
      r = OrvAddCommandLineFlags(registry, run.transform->options, run.errorText, mask);
  }
  if (r == ORV_OK) r = OrvAddCommandLineFlags(registry, run.reporting, run.errorText, mask);
  if (r == ORV_OK && parseSwitch) {
    OrvParser* parser = run.tool->parser;
    r = OrvAddCommandLineFlags(registry, parser->BuildOptions(ORV_PARSER_ALL_OPTIONS),
                               run.errorText, mask);
    if (r == ORV_OK) r = OrvAddCommandLineFlags(registry, run.parsing, run.errorText, mask);
  }
  if (r == ORV_OK && run.printSwitch) {
    OrvPrettyPrinterImpl& printer = run.tool->printer;
    r = OrvAddCommandLineFlags(registry, printer.BuildOptions(kAllPrinterOptions), run.errorText, mask);
    if (r == ORV_OK) r = OrvAddCommandLineFlags(registry, run.output, run.errorText, mask);
  }
  return r;
}

// Start steps 8 and 9: the environment variable, then the command line.
OrvResult ReadOptions(Run& run) {
  VStringList errors;
  const char* env = std::getenv(OrvToolOptionsVariable);
  if (env) {
    OrvResult r = ParseOptionString(OrvOptionRegistry, VString(env), errors);
    ReportErrors(errors);
    if (r != ORV_OK) return r;
  }
  OrvResult r = SetCLFlag(OrvOptionRegistry, 1, run.argc, run.argv, run.tool->inputFiles, errors);
  ReportErrors(errors);
  return r;
}

// Start step 10.
void PrintBanner(const OrvTool& tool) {
  std::ostream& out = std::cout;
  const char* format = tool.bannerFormat.text ? tool.bannerFormat.text : "";
  VString banner = OrvFormat(format, tool.commandName.text ? tool.commandName.text : "",
                             tool.version.text ? tool.version.text : "");
  out << banner << "\n";
  out << "Source-to-Source converter.\n";
  out << "Loomwright Direct.\n";
  if (OrvCanParseSql) out << "Can parse SQL.\n";
  if (OrvCanParseCics) out << "Can parse CICS.\n";
  const OrvDials wang = OrvDialFieldMask(ORV_DIAL_WANG);
  const OrvDials dml = OrvDialFieldMask(ORV_DIAL_DML);
  if (CanParseDialects(&wang)) out << "Can parse Wang.\n";
  if (CanParseDialects(&dml)) out << "Can parse DMS DML.\n";
  out << tool.notice << "\n\n";
  out << "Start it with -help to see a list of command-line options.\n";
}

bool IsDirectory(const char* path) {
  struct stat st;
  return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

// Start steps 13 and 14: at least one input, and every input readable.
// A directory opens as a stream on some systems but cannot be read as a
// source, so it is refused here rather than when its turn comes.
OrvResult CheckInputs(Run& run) {
  const VStringList& files = run.tool->inputFiles;
  if (files.head == nullptr) {
    run.errorText = VString("No input files specified");
    return ORV_BAD_OPTIONS;
  }
  for (const VStringListNode* n = files.head; n; n = n->next) {
    const char* path = n->value.text ? n->value.text : "";
    std::ifstream in;
    OrvResult r = OrvOpenInFile(in, path, false, true);
    in.close();
    if (r != ORV_OK) {
      run.errorText = OrvFormat("Cannot open file '%s' for input", path);
      return r;
    }
    if (IsDirectory(path)) {
      run.errorText = OrvFormat("Cannot open file '%s' for input: it is a directory", path);
      return ORV_CANNOT_OPEN_INPUT;
    }
  }
  return ORV_OK;
}

// Start step 15.
OrvResult PrepareParser(Run& run, OrvDials allowedDials) {
  OrvParser* parser = run.tool->parser;
  parser->allowedDials = allowedDials;
  OrvResult r = parser->ResolveDialectOptions(run.errorText);
  if (r != ORV_OK) return r;
  if (run.tool->progress) parser->lexerSettings.progressCallBack = OrvProgressIndicator;
  OrvSymTabTraceLevel = parser->traceWords[ORV_TRACE_WORD_SYMTAB];
  return ORV_OK;
}

// Start step 17 of a tool that prints: line identification only for the
// fixed source format, and one named output for one input only.
OrvResult CheckPrintStart(Run& run) {
  OrvTool* tool = run.tool;
  if (tool->parser && tool->parser->lexerSettings.lineFormat != ORV_LINE_FORMAT_FIXED)
    tool->printer.gen_line_id_comments = 0;
  if (tool->genFile.length > 0 && run.several) {
    run.errorText = OrvFormat("Cannot specify one output file '%s' for several input files", tool->genFile.text);
    return ORV_BAD_OPTIONS;
  }
  return ORV_OK;
}

// Per-file step 4: parse, report, bail out or print the short statistics.
// Answers the parse result when the file bails out, else 0.
OrvResult ParseFile(Run& run, const VString& file, bool& bailedOut) {
  OrvTool* tool = run.tool;
  OrvParser* parser = tool->parser;
  OrvNodeCounter = 0;
  OrvTokenList messages;
  OrvResult result = parser->Parse(file, &run.tree, &messages);
  if (tool->progress && parser->lexerSettings.progressCallBack) {
    VString empty;
    parser->lexerSettings.progressCallBack(&OrvNullPosn, &empty);
  }
  ReportMessages(messages);
  if (static_cast<unsigned>(result) > static_cast<unsigned>(tool->bailoutLevel)) {
    ReportError(OrvFormat("%s: Parsing errors have caused bailout. This file will not be processed.",
                          file.text ? file.text : ""));
    bailedOut = true;
    return result;
  }
  if (run.stat && run.tree) {
    std::cout << OrvFormat("Lines:        %5d\n", parser->lineCount)
              << OrvFormat("LinesOfCode:  %5d\n", parser->locCount);
  }
  return ORV_OK;
}

// Per-file step 3: the transformation object's pre-processing.  Answers
// 0, or the file's result when it is not to be processed: the object's
// result, or ORV_PARSE_FAILED when it answered 0 but left messages (a file
// that was not processed never counts as a success).
OrvResult PreProcessFile(Run& run, const VString& file, bool& refused) {
  OrvTool* tool = run.tool;
  OrvTokenList messages;
  OrvResult result = run.transform->PreProcess(file, tool->parser, &tool->printer, &messages);
  if (result == ORV_OK && messages.IsEmpty()) return ORV_OK;
  ReportError(OrvFormat("%s: Failed to pre-process. This file will not be processed.",
                        file.text ? file.text : ""));
  ReportMessages(messages);
  refused = true;
  return result != ORV_OK ? result : static_cast<OrvResult>(ORV_PARSE_FAILED);
}

// Per-file step 5 for a tool without a walker: the transformation object
// prepares and then searches the whole tree, applying itself unless only
// finding was asked.
OrvResult TransformTree(Run& run, const VString& file, OrvTokenList& messages) {
  OrvTool* tool = run.tool;
  OrvTransform* t = run.transform;
  OrvResult result = t->Transform(file, tool->parser, &tool->printer, &messages);
  if (result == ORV_OK) result = t->Prepare(&messages);
  if (result == ORV_OK)
    result = t->ApplyAll(run.tree, run.findOnly ? kFindMode : kApplyMode, &messages, nullptr);
  return result;
}

// Per-file step 5.6: the applied transformations, when "conv-list" asks and
// there are any (running totals of the whole run).
void PrintAppliedList() {
  const OrvTransAppliedTable& map = OrvTransAppliedMap;
  if (!OrvConvList || map.count == 0) return;
  std::cout << "List of applied transformations:\n";
  for (int i = 0; i < map.count; ++i)
    std::cout << OrvFormat("%-3d ", map.entries[i].count) << map.entries[i].name << "\n";
}

// Per-file step 5: the walker, or else the transformation object when
// there is a tree.  Answers the result.
OrvResult WalkFile(Run& run, OrvWalker walker, const VString& file) {
  OrvTool* tool = run.tool;
  if (walker == nullptr && (run.transform == nullptr || run.tree == nullptr)) return ORV_OK;
  if (tool->progress) std::cout << (run.findOnly ? "*Searching*\n" : "*Transforming*\n");
  OrvTokenList messages;
  OrvResult result = walker ? walker(&run.tree, file, tool->parser, &tool->printer, &messages)
                            : TransformTree(run, file, messages);
  ReportMessages(messages);
  if (result != ORV_OK) return result;
  if (tool->dumpTree) {
    std::cout << "\n***Tree After Processing:\n";
    if (run.tree) run.tree->DebugDump(std::cout);
  }
  PrintAppliedList();
  return ORV_OK;
}

// Per-file step 6: the tree written as COBOL.  The output name is derived
// unless "gen-file" gave one; the directories on its path are made.  A
// failure ends the run.
OrvResult PrintTree(Run& run, const VString& file) {
  OrvTool* tool = run.tool;
  OrvRaiseCommentsWalker(run.tree);
  if (tool->genFile.length == 0)
    tool->genFile = OrvOutputFileName(file, tool->genMainDir, tool->genSfx, run.defaultSuffix);
  const char* name = tool->genFile.text;
  if (!run.silent) std::cout << " Writing  " << name << "\n";
  int error = 0;
  if (OrvMkDir(name, &error) != ORV_OK) {
    run.errorText = OrvFormat("Cannot create directory for '%s': %s", name, std::strerror(error));
    return ORV_CANNOT_OPEN_OUTPUT;
  }
  if (tool->progress) std::cout << "*PrettyPrinting* " << name << "\n";
  tool->printer.update_genp = 0;
  OrvTokenList messages;
  OrvResult result = tool->printer.PrintFile(tool->genFile, run.tree, &messages);
  ReportMessages(messages);
  return result;
}

void DeleteTree(Run& run) {
  delete run.tree;
  run.tree = nullptr;
}

// One input file, steps 1 to 9.
void ProcessFile(Run& run, const VString& file, OrvWalker walker, int parseSwitch) {
  OrvTool* tool = run.tool;
  if (!run.silent) std::cout << "*Reading* " << file << "\n";
  DeleteTree(run);
  OrvErrorCount = 0;
  OrvWarningCount = 0;

  OrvResult fileResult = ORV_OK;
  bool skipped = false;
  if (run.transform) fileResult = PreProcessFile(run, file, skipped);
  if (!skipped && parseSwitch) fileResult = ParseFile(run, file, skipped);
  if (!skipped) fileResult = WalkFile(run, walker, file);
  // A failed file stays the run's result even when later files go well.
  if (fileResult != ORV_OK) run.result = fileResult;
  if (!skipped && fileResult == ORV_OK && !run.findOnly && run.printSwitch && run.tree) {
    OrvResult printed = PrintTree(run, file);
    if (printed != ORV_OK) {
      // A print that failed ends the run at once: no totals, no later file.
      run.result = printed;
      run.ended = true;
      return;
    }
  }

  if (OrvErrorCount != 0 || OrvWarningCount != 0 || !run.silent)
    std::cout << OrvFormat("Errors: %u, Warnings: %u\n", OrvErrorCount, OrvWarningCount);
  if ((tool->progress || run.several) && !run.silent) std::cout << "\n";
  tool->genFile = VString();
  DeleteTree(run);
  FlushOutput();
}

// The exit path.
OrvResult Finish(Run& run, OrvResult result) {
  DeleteTree(run);
  if (run.errorText.length > 0) ReportError(run.errorText);
  if (OrvMessageLog.is_open()) OrvWriteMessageLog();
  FlushOutput();
  return result;
}

}  // namespace

OrvResult OrvToolMain(OrvTool* tool, int argc, char** argv, OrvDials allowedDials,
                      int defaultPrimary, int defaultSecondary, const OrvCLFlag* toolOptions,
                      OrvWalker walker, const char* defaultSuffix, OrvTransform* transform,
                      int parseSwitch, int printSwitch, int optionMask) {
  OrvLexerStartUp();
  Run run;
  run.tool = tool;
  run.argc = argc;
  run.argv = argv;
  BuildGroups(run);

  InstallSignalHandlers();
  OrvParser* parser = tool->parser;
  if (parser) parser->messageSink = OrvToolMessageSink;
  OrvGlobalMessageSink = OrvToolMessageSink;
  if (parser) {
    parser->primaryDialect = defaultPrimary;
    parser->secondaryDialect = defaultSecondary;
  }
  tool->genSfx = VString(defaultSuffix ? defaultSuffix : "");

  run.transform = transform;
  run.printSwitch = printSwitch;
  run.defaultSuffix = defaultSuffix ? defaultSuffix : "";
  if (parseSwitch && parser == nullptr) {
    run.errorText = VString("OrvToolMain: the tool has no parser object");
    return Finish(run, ORV_BAD_OPTIONS);
  }

  OrvResult r = RegisterOptions(run, toolOptions, parseSwitch, optionMask);
  if (r == ORV_OK) r = ReadOptions(run);
  if (r != ORV_OK) return Finish(run, r);

  if (argc <= 1 || tool->v || tool->help || tool->pf) PrintBanner(*tool);
  if (tool->help) PrintOptionsHelp(OrvOptionRegistry, std::cout, 1, argc, argv);
  if (tool->pf) PrintOptionsShort(OrvOptionRegistry, std::cout, 0xff);

  r = CheckInputs(run);
  if (r == ORV_OK && parseSwitch) r = PrepareParser(run, allowedDials);
  if (r != ORV_OK) return Finish(run, r);
  if (run.findOnly) OrvConvList = 1;
  OrvTransFindOnly = run.findOnly ? 1 : 0;
  run.several = tool->inputFiles.head->next != nullptr;
  if (printSwitch) {
    r = CheckPrintStart(run);
    if (r != ORV_OK) return Finish(run, r);
  }

  for (const VStringListNode* n = tool->inputFiles.head; n && !run.ended; n = n->next)
    ProcessFile(run, n->value, walker, parseSwitch);
  return Finish(run, run.result);
}
