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

namespace timed_parse {

inline void Quiet(int, const OrvTxtPosn*, const VString*) {}

// Parses `path` once (the parse routine must be installed); returns the
// seconds of OrvParserImpl::Parse and puts the source's line count in
// `lines`.  A failed parse is reported on a line of its own.
inline double ParseOnce(const std::string& path, const std::string& copyDir, long& lines) {
  OrvParserImpl parser;
  parser.messageSink = &Quiet;
  parser.primaryDialect = ORV_DIAL_ANSI85;
  if (!copyDir.empty()) {
    parser.copylibDirs.count = 0;
    parser.copylibDirs.items[parser.copylibDirs.count++] = VString(copyDir.c_str());
  }
  VString problem;
  parser.ResolveDialectOptions(problem);
  OrvTokenList messages;
  OrvExpr* tree = nullptr;
  const auto start = std::chrono::steady_clock::now();
  const OrvParserResult result = parser.Parse(VString(path.c_str()), &tree, &messages);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (result > ORV_PARSE_ERRORS)
    std::printf("  %s: the parse failed, result %d\n", path.c_str(), static_cast<int>(result));
  lines = parser.lineCount;
  delete tree;
  return seconds;
}

}  // namespace timed_parse

#endif
