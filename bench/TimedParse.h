// One timed parse of a source file by the parser object, as the parse
// benchmarks make it: ANSI-85, messages dropped, an optional copy folder.
#ifndef LARK_BENCH_TIMEDPARSE_H
#define LARK_BENCH_TIMEDPARSE_H

#include <chrono>
#include <cstdio>
#include <string>

#include "OrvDials.h"
#include "OrvExpr.h"
#include "OrvParserImpl.h"
#include "OrvSourceParser.h"
#include "PhaseClock.h"

namespace timed_parse {

inline void Quiet(int, const OrvTxtPosn*, const VString*) {}

// What a benchmark does with a parsed tree before it is deleted.
typedef void (*TreeUse)(OrvExpr* tree, void* context);

// Parses `path` once; returns the seconds of OrvSourceParser::Parse and
// puts the source's line count in `lines`.  A failed parse is reported on a
// line of its own.  With `phases`, the clock times the steps of the parse
// and the deletion of the tree.  With `use`, it gets the tree (when there
// is one) before the tree is deleted.
inline double ParseOnce(const std::string& path, const std::string& copyDir, long& lines,
                        PhaseClock* phases = nullptr, TreeUse use = nullptr,
                        void* context = nullptr) {
  OrvSourceParser parser;
  parser.messageSink = &Quiet;
  if (phases != nullptr) parser.lexerSettings.progressCallBack = &PhaseClock::Progress;
  parser.primaryDialect = ORV_DIAL_ANSI85;
  if (!copyDir.empty()) {
    parser.lexerSettings.copylibDirs = OrvOneEntryList(ORV_COPYLIB_DIRS_MAX, copyDir.c_str());
  }
  VString problem;
  parser.ResolveDialectOptions(problem);
  OrvTokenList messages;
  OrvExpr* tree = nullptr;
  if (phases != nullptr) phases->StartParse();
  const auto start = std::chrono::steady_clock::now();
  const OrvParserResult result = parser.Parse(VString(path.c_str()), &tree, &messages);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (phases != nullptr) phases->EndParse();
  if (result > ORV_PARSE_ERRORS)
    std::printf("  %s: the parse failed, result %d\n", path.c_str(), static_cast<int>(result));
  lines = parser.lineCount;
  if (use != nullptr && tree != nullptr) use(tree, context);
  const double deleting = PhaseClock::Now();
  delete tree;
  if (phases != nullptr) phases->Charge(PhaseClock::kDelete, PhaseClock::Now() - deleting);
  return seconds;
}

}  // namespace timed_parse

#endif
