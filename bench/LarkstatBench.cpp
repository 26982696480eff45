// Benchmark of the whole program: one `larkstat` run, with its default
// options, over every main program and subprogram of the NIST suite
// (NAME.CBL and NAME.SUB, and those of lib/), its COPY library as the copy
// directory.  Prints the number of files, the files that bailed out, the
// total source lines, the seconds, the lines per second and the peak memory
// of the larkstat process; then the same work in this process, step by step
// (PhaseClock).  It reports and asserts nothing.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "NistSuite.h"
#include "OrvDials.h"
#include "OrvDummyWalker.h"
#include "OrvExpr.h"
#include "OrvMessageSink.h"
#include "OrvParserImpl.h"
#include "OrvPoolArena.h"
#include "OrvSourceParser.h"
#include "OrvWordIndex.h"
#include "PhaseClock.h"

namespace {

long CountLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  long lines = 0;
  char buf[1 << 16];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    lines += std::count(buf, buf + in.gcount(), '\n');
    if (!in) break;
  }
  return lines;
}

// Counts the bail-out lines of the run's output.
long CountBailouts(const std::string& path) {
  std::ifstream in(path);
  long n = 0;
  for (std::string line; std::getline(in, line);)
    if (line.find(": Parsing errors have caused bailout.") != std::string::npos) ++n;
  return n;
}

// Lets the output of the walker go nowhere.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void Quiet(int, const OrvTxtPosn*, const VString*) {}

// Rounds of the work in this process; the fastest is shown.
const int kRounds = 3;

// One round of larkstat's work over the files in this process: each file
// parsed, walked by the statistics walker (when it does not bail out) and
// its tree deleted, the steps timed by `clock`.
void OneRound(OrvParserImpl& parser, const std::vector<std::string>& files, PhaseClock& clock) {
  for (const std::string& f : files) {
    OrvNodeCounter = 0;
    OrvTokenList messages;
    OrvExpr* tree = nullptr;
    clock.StartParse();
    const OrvParserResult result = parser.Parse(VString(f.c_str()), &tree, &messages);
    clock.EndParse();
    double mark = PhaseClock::Now();
    if (result <= ORV_PARSE_ERRORS && tree != nullptr) {
      OrvDummyWalker(&tree, VString(f.c_str()), &parser, nullptr, &messages);
      const double walked = PhaseClock::Now();
      clock.Charge(PhaseClock::kWalk, walked - mark);
      mark = walked;
    }
    delete tree;
    clock.Charge(PhaseClock::kDelete, PhaseClock::Now() - mark);
  }
}

// The steps of larkstat's work in this process, with its settings (the
// ANSI 85 dialect, the suite's COPY library, bail-out above errors), the
// report of the walker thrown away, in kRounds rounds.  Prints the seconds
// and share of each step of the fastest round, and the seconds of the
// lexer alone over the same files.
void PhasesInProcess(const std::vector<std::string>& files, const std::string& copyDir, long lines) {
  OrvLexerStartUp();
  OrvSourceParser parser;
  parser.messageSink = &Quiet;
  parser.lexerSettings.progressCallBack = &PhaseClock::Progress;
  parser.primaryDialect = ORV_DIAL_ANSI85;
  parser.allowedDials = OrvAllDials();
  parser.lexerSettings.copylibDirs.items[parser.lexerSettings.copylibDirs.count++] = VString(copyDir.c_str());
  VString problem;
  parser.ResolveDialectOptions(problem);
  OrvMessageSink savedSink = OrvGlobalMessageSink;
  OrvGlobalMessageSink = &Quiet;
  NullBuffer nowhere;
  std::streambuf* savedOut = std::cout.rdbuf(&nowhere);
  PhaseClock best;
  for (int round = 0; round < kRounds; ++round) {
    PhaseClock clock;
    OneRound(parser, files, clock);
    if (round == 0 || clock.Total() < best.Total()) best = clock;
  }
  const long treeRewinds = OrvPoolArena<ORV_TREE_ARENA>::Rewinds();
  const long tokenRewinds = OrvPoolArena<ORV_TOKEN_ARENA>::Rewinds();
  const long wholeTrees = OrvPoolArena<ORV_TREE_ARENA>::Drops();
  // The lexer alone over the same files: the parser object's token-dump
  // setting reads every token and builds nothing.
  parser.tokenDump = 1;
  double lexing = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    const double start = PhaseClock::Now();
    for (const std::string& f : files) {
      OrvTokenList messages;
      OrvExpr* tree = nullptr;
      parser.Parse(VString(f.c_str()), &tree, &messages);
      delete tree;
    }
    const double seconds = PhaseClock::Now() - start;
    if (seconds < lexing) lexing = seconds;
  }
  parser.tokenDump = 0;
  std::cout.rdbuf(savedOut);
  OrvGlobalMessageSink = savedSink;
  const double total = best.Total();
  std::printf("in one process, best of %d rounds, by step: %.3f s, %.0f lines/s "
              "(pool arenas rewound %ld and %ld times for %zu files, %ld trees torn down whole)\n",
              kRounds, total, total > 0 ? lines / total : 0.0, treeRewinds, tokenRewinds, kRounds * files.size(),
              wholeTrees);
  best.Print("    ");
  std::printf("    of lex and parse, the lexer alone (token dump): %.4f s\n", lexing);
}

}  // namespace

int main() {
  const std::string nist = std::string(LARK_CORPUS) + "/nist";
  std::vector<std::string> files = nist_suite::Sources(nist);
  if (files.empty()) {
    std::printf("larkstat: the NIST corpus is not at %s; nothing measured\n", nist.c_str());
    return 0;
  }
  long lines = 0;
  for (const std::string& f : files) lines += CountLines(f);

  // The report goes to a scratch file, read afterwards for the bail-outs.
  char outPath[] = "/tmp/lark_bench_XXXXXX";
  int outFd = mkstemp(outPath);
  if (outFd < 0) {
    std::perror("mkstemp");
    return 1;
  }
  std::string copyDir = "-copylib-dir=" + nist + "/copy";
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(LARK_LARKSTAT));
  argv.push_back(&copyDir[0]);
  for (std::string& f : files) argv.push_back(&f[0]);
  argv.push_back(nullptr);

  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    dup2(outFd, STDOUT_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  close(outFd);
  long bailouts = CountBailouts(outPath);
  unlink(outPath);

  std::printf("larkstat over NIST: %zu files, %ld bailed out, %ld lines, %.3f s, %.0f lines/s, "
              "peak memory %.1f MB, exit status %d\n",
              files.size(), bailouts, lines, seconds, seconds > 0 ? lines / seconds : 0.0,
              usage.ru_maxrss / 1024.0, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  PhasesInProcess(files, nist + "/copy", lines);
  return 0;
}
