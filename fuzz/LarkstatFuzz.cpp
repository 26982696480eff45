// The fuzz target of larkstat: one input is one source file with its COPY
// members (LarkFuzzInput.h), run through what larkstat does to each file it
// is given: parse, the parser's messages, the bail-out check, the statistics
// walker, the tree deleted.  It keeps larkstat's steps and their order and
// differs only where a fuzzer must:
// - no signal handlers, so that a crash stays a crash for the fuzzer;
// - standard output goes nowhere;
// - the options come from LARK_FUZZ_OPTIONS, in larkstat's command-line form;
// - every input gets a fresh parser object with the configured settings and
//   its files (and their entries in the table of file names) are gone after
//   it, so that no input depends on the ones before;
// - the two documented limits of a source, which end larkstat with a
//   terminal message, end the input instead; any other terminal message is
//   an internal check that no source may reach, and aborts as a finding.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <streambuf>
#include <string>

#include "CountedNameTable.h"
#include "LarkFuzzInput.h"
#include "OrvCLFlag.h"
#include "OrvDials.h"
#include "OrvDummyWalker.h"
#include "OrvExpr.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvSourceParser.h"
#include "OrvStatTool.h"
#include "OrvSymTab.h"
#include "OrvTool.h"
#include "OrvToolMain.h"
#include "OrvToolMessageSink.h"
#include "OrvTxtPosn.h"
#include "OrvWordIndex.h"

namespace {

const char kOptionsVariable[] = "LARK_FUZZ_OPTIONS";

// The terminal messages of the documented limits of a source.
const char* const kDocumentedLimits[] = {
    "Too many levels of Nested Programs",
    "Too many levels in record structure definition",
};

// A stream buffer that takes everything and keeps nothing.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// What the target keeps from its set-up to the end of the process.
struct Target {
  OrvTool* tool = nullptr;        // owns the configured parser
  OrvSourceParser* configured = nullptr;
  int silent = 0;                 // "silent"
  int stat = 0;                   // "stat"
  std::string inputPath;          // the main source of every input
  std::string memberDir;          // the members, first copy-library directory
  int keptFileNames = 0;          // entries of the file-name table before any input
  bool endedByLimit = false;      // a documented limit ended the current file
};

Target& TheTarget() {
  static Target target;
  return target;
}

[[noreturn]] void GiveUp(const std::string& why) {
  std::fprintf(stderr, "larkstat_fuzz: %s\n", why.c_str());
  std::exit(1);
}

bool IsDocumentedLimit(const VString* text) {
  if (text == nullptr || text->text == nullptr) return false;
  for (const char* limit : kDocumentedLimits)
    if (std::strcmp(text->text, limit) == 0) return true;
  return false;
}

// larkstat's message sink, except at MSG_TERMINAL: there it returns from the
// documented limits (the parser goes on without a stack entry) and aborts
// on every other text.
void FuzzMessageSink(int level, const OrvTxtPosn* position, const VString* text) {
  if (level != MSG_TERMINAL) {
    OrvToolMessageSink(level, position, text);
    return;
  }
  if (IsDocumentedLimit(text)) {
    TheTarget().endedByLimit = true;
    return;
  }
  std::fprintf(stderr, "larkstat_fuzz: terminal message: %s\n",
               text != nullptr && text->text != nullptr ? text->text : "");
  std::abort();
}

// A parser for one input with every setting of the configured one and a
// lexer of its own, so that no member text or member search of an earlier
// input is remembered.
OrvSourceParser* FreshParser(const OrvSourceParser& configured) { return new OrvSourceParser(configured); }

// The options of larkstat that act on the handling of one file: the tool's
// group, the parser's groups and the driver's "silent", "bailout-level" and
// "stat".  Options that only act on a whole run ("help", "progress" and
// the like) are not offered.
void ReadOptions(Target& t) {
  static OrvCLFlagTable registry;
  const OrvCLFlag driverGroup[] = {
      {'b', "silent", &t.silent, nullptr, nullptr, nullptr, 0, "Do not print short summary of the conversion",
       1},
      {'l', "bailout-level", &t.tool->bailoutLevel, OrvBailoutLevelChoices(), nullptr, nullptr, 0,
       "Level of parser messages that cause bailout", 1},
      {'b', "stat", &t.stat, nullptr, nullptr, nullptr, 0, "Print short source program statistics", 1},
      {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0},
  };
  VString error;
  OrvResult r = OrvAddCommandLineFlags(registry, OrvStatToolOptions(), error, OrvStatOptionMask);
  if (r == ORV_OK)
    r = OrvAddCommandLineFlags(registry, t.configured->BuildOptions(ORV_PARSER_ALL_OPTIONS), error,
                               OrvStatOptionMask);
  if (r == ORV_OK) r = OrvAddCommandLineFlags(registry, driverGroup, error, OrvStatOptionMask);
  if (r != ORV_OK) GiveUp(error.text != nullptr ? error.text : "the option groups do not fit");

  const char* text = std::getenv(kOptionsVariable);
  if (text == nullptr) return;
  VStringList errors;
  r = ParseOptionString(registry, VString(text), errors);
  std::string all;
  for (const VStringListNode* n = errors.head; n != nullptr; n = n->next)
    all += std::string("\n  ") + (n->value.text != nullptr ? n->value.text : "");
  errors.Clear();
  if (r != ORV_OK) GiveUp(std::string("bad ") + kOptionsVariable + ":" + all);
}

// What the driver does to the parser before the first file.
void PrepareParser(Target& t) {
  OrvSourceParser* parser = t.configured;
  parser->allowedDials = OrvAllDials();
  VString error;
  if (parser->ResolveDialectOptions(error) != ORV_OK)
    GiveUp(error.text != nullptr ? error.text : "the dialect options contradict each other");
  OrvSymTabTraceLevel = parser->traceWords[ORV_TRACE_WORD_SYMTAB];
}

// The member directory comes first among the copy-library directories.
void PutMemberDirFirst(Target& t) {
  VStringArray& dirs = t.configured->lexerSettings.copylibDirs;
  VStringArray given = dirs;
  dirs.count = 0;
  dirs.items[dirs.count++] = VString(t.memberDir.c_str());
  for (int i = 0; i < given.count && dirs.count < dirs.capacity; ++i) dirs.items[dirs.count++] = given.items[i];
}

void RemoveScratch() {
  const Target& t = TheTarget();
  unlink(t.inputPath.c_str());
  rmdir(t.memberDir.c_str());
}

// The input file and the member directory of this process: several
// processes fuzz side by side.
void MakeScratch(Target& t) {
  const char* tmp = std::getenv("TMPDIR");
  const std::string base = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/lark_fuzz_" +
                           std::to_string(static_cast<long>(getpid()));
  t.inputPath = base + ".cbl";
  t.memberDir = base + ".d";
  if (mkdir(t.memberDir.c_str(), 0755) != 0 && errno != EEXIST)
    GiveUp("cannot make " + t.memberDir + ": " + std::strerror(errno));
  std::atexit(RemoveScratch);
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) GiveUp("cannot write " + path);
}

std::string MemberPath(const Target& t, const LarkFuzzMember& m) { return t.memberDir + "/" + m.name + ".cpy"; }

void WriteInput(const Target& t, const LarkFuzzInput& input) {
  WriteFile(t.inputPath, input.mainText);
  for (const LarkFuzzMember& m : input.members) WriteFile(MemberPath(t, m), m.text);
}

// Every file goes after its input: a file written afresh costs less than one
// truncated and written again, which the file system may flush to disk.
void RemoveInput(const Target& t, const LarkFuzzInput& input) {
  unlink(t.inputPath.c_str());
  for (const LarkFuzzMember& m : input.members) unlink(MemberPath(t, m).c_str());
}

// The table of file names as it was before the first input: the next input
// starts like a run of larkstat over one file.
void ForgetFileNames(int keep) {
  CountedNameTable& names = OrvFileNameTable();
  for (int i = keep; i < names.count; ++i) names.entries[i] = CountedName();
  if (names.count > keep) names.count = keep;
}

void ReportError(const VString& text) { FuzzMessageSink(MSG_ERR, &OrvNullPosn, &text); }

// Reports every message of the list through the sink, then frees the list.
void ReportMessages(OrvTokenList& messages) {
  for (const OrvToken* t = messages.First(); t != nullptr; t = messages.Next(t))
    FuzzMessageSink(t->code, &t->begin, &t->Image());
  messages.Clear();
}

// The parse of the file, its messages and the bail-out check; true when the
// walker is to run.
bool ParseFile(Target& t, OrvParser* parser, const VString& file, OrvExpr** tree) {
  OrvNodeCounter = 0;
  OrvTokenList messages;
  const OrvResult result = parser->Parse(file, tree, &messages);
  if (t.endedByLimit) {
    // larkstat has ended at the terminal message.
    messages.Clear();
    return false;
  }
  ReportMessages(messages);
  if (static_cast<unsigned>(result) > static_cast<unsigned>(t.tool->bailoutLevel)) {
    ReportError(OrvFormat("%s: Parsing errors have caused bailout. This file will not be processed.",
                          file.text != nullptr ? file.text : ""));
    return false;
  }
  if (t.stat && *tree != nullptr) {
    std::cout << OrvFormat("Lines:        %5d\n", parser->lineCount)
              << OrvFormat("LinesOfCode:  %5d\n", parser->locCount);
  }
  return true;
}

void WalkFile(Target& t, OrvParser* parser, const VString& file, OrvExpr** tree) {
  OrvTokenList messages;
  OrvDummyWalker(tree, file, parser, &t.tool->printer, &messages);
  ReportMessages(messages);
}

// One file, as the driver handles each input file of larkstat.
void ProcessFile(Target& t, OrvParser* parser, const VString& file) {
  if (!t.silent) std::cout << "*Reading* " << file << "\n";
  OrvErrorCount = 0;
  OrvWarningCount = 0;
  t.endedByLimit = false;
  OrvExpr* tree = nullptr;
  if (ParseFile(t, parser, file, &tree)) WalkFile(t, parser, file, &tree);
  if (!t.endedByLimit && (OrvErrorCount != 0 || OrvWarningCount != 0 || !t.silent))
    std::cout << OrvFormat("Errors: %u, Warnings: %u\n", OrvErrorCount, OrvWarningCount);
  delete tree;
  std::cout.flush();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  (void)argc;
  (void)argv;
  // Never destroyed: standard output is flushed at the very end of the
  // process, after every static object has gone.
  static NullBuffer* const nowhere = new NullBuffer;
  std::cout.rdbuf(nowhere);
  OrvLexerStartUp();
  Target& t = TheTarget();
  // The parser object larkstat makes, before the options reach it.
  t.configured = new OrvSourceParser;
  t.tool = new OrvTool(VString(OrvStatBannerFormat), VString(OrvStatCommandName), VString(OrvStatVersion),
                       VString(OrvStatNotice), t.configured);
  t.configured->messageSink = FuzzMessageSink;
  OrvGlobalMessageSink = FuzzMessageSink;
  t.configured->primaryDialect = OrvStatPrimaryDialect;
  t.configured->secondaryDialect = OrvStatSecondaryDialect;
  ReadOptions(t);
  PrepareParser(t);
  MakeScratch(t);
  PutMemberDirFirst(t);
  t.keptFileNames = OrvFileNameTable().count;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const LarkFuzzInput input = LarkSplitFuzzInput(data, size);
  // Too many inclusions: not run, and kept out of the corpus.
  if (input.TooManyCopies()) return -1;
  Target& t = TheTarget();
  WriteInput(t, input);
  OrvSourceParser* parser = FreshParser(*t.configured);
  ProcessFile(t, parser, VString(t.inputPath.c_str()));
  delete parser;
  RemoveInput(t, input);
  ForgetFileNames(t.keptFileNames);
  return 0;
}
