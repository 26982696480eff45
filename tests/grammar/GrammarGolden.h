// The tree-dump harness of the grammar tests: a COBOL source under
// tests/data/grammar/<area>/ is parsed whole (OrvSourceParser::Parse), and
// the text made of its result, its messages as "line:column LEVEL text" and
// the debug dump of the finished tree (tokens included) cut to the named
// divisions or statements is
// compared with a golden file beside the source (<source>.golden, or
// <source>.<variant>.golden for a second reading of one source).
//
// Goldens are written only on request and read by hand before they are
// committed: run the test with LARK_UPDATE_GOLDENS=1 in the environment and
// every golden the run compares is rewritten instead.
//
// The text does not depend on where the checkout lies: the source's path in
// positions becomes its file name, and node addresses in links become "#@".
#ifndef LARK_TESTS_GRAMMAR_GRAMMARGOLDEN_H
#define LARK_TESTS_GRAMMAR_GRAMMARGOLDEN_H

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvDebugDump.h"
#include "OrvExpr.h"
#include "OrvLexerSettings.h"
#include "OrvMessage.h"
#include "OrvParserImpl.h"
#include "OrvSourceParser.h"
#include "TestStrings.h"

namespace grammar_golden {

// The folder of the harness's sources.
inline std::string SourceDir() { return std::string(LARK_TEST_DATA) + "/grammar/"; }

// A message level as the harness writes it.
inline const char* LevelName(int level) {
  switch (level) {
    case MSG_INFO:
      return "INFO";
    case MSG_WARN:
      return "WARN";
    case MSG_ERR:
      return "ERROR";
    case MSG_SEVERE:
      return "SEVERE";
    case MSG_TERMINAL:
      return "TERMINAL";
    default:
      return "MESSAGE";
  }
}

inline std::string MessageLine(int level, const OrvTxtPosn& at, const std::string& text) {
  return std::to_string(at.Line()) + ":" + std::to_string(at.Column() + 1) + " " + LevelName(level) + " " + text;
}

// One parse of a source through the parser object, as the tool driver runs
// it.  The tree belongs to the object.
struct ParsedSource {
  ParsedSource(const std::string& path, int dialect, int secondDialect = 0, int warnings = 1) {
    parser.messageSink = &MessageRecorder::Sink;
    // COPY members lie beside the source.
    parser.lexerSettings.copylibDirs =
        OrvOneEntryList(ORV_COPYLIB_DIRS_MAX, path.substr(0, path.rfind('/')).c_str());
    parser.primaryDialect = dialect;
    parser.secondaryDialect = secondDialect;
    parser.warnings = warnings;
    parser.lexerSettings.sql = 1;  // EXEC SQL parsed, as larkstat does unless told otherwise
    VString problem;
    EXPECT_EQ(0, parser.ResolveDialectOptions(problem)) << Str(problem);
    result = parser.Parse(VString(path.c_str()), &tree, &messages);
  }
  ~ParsedSource() { delete tree; }
  ParsedSource(const ParsedSource&) = delete;
  ParsedSource& operator=(const ParsedSource&) = delete;

  // Every message, from the list and from the call-back, in arrival order
  // of each kind: the list's first.
  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (OrvToken* e = messages.First(); e != nullptr; e = messages.Next(e))
      out.push_back(MessageLine(e->code, e->begin, Str(e->Image())));
    for (const RecordedMessage& m : recorder.messages()) out.push_back(MessageLine(m.level, m.posn, m.text));
    return out;
  }

  MessageRecorder recorder;
  OrvSourceParser parser;
  OrvTokenList messages;
  OrvExpr* tree = nullptr;
  OrvParserResult result = ORV_PARSE_OK;
};

// The outermost nodes of the tree whose operation is `op`, in walk order.
inline void FindOuter(OrvExpr* node, int op, std::vector<OrvExpr*>& found) {
  if (node == nullptr) return;
  if (node->Oper() == op) {
    found.push_back(node);
    return;
  }
  for (int i = 0; i < node->NArgs(); ++i) FindOuter(node->Args(i), op, found);
}

// The debug dump of a subtree, made independent of the checkout's place:
// the folder of the source (and of its COPY members) is cut from the file
// names in positions.
inline std::string Dump(OrvExpr* node, const std::string& path) {
  std::ostringstream out;
  OrvDumpDepth = 0;
  node->DebugDump(out);
  std::string text = std::regex_replace(out.str(), std::regex("#0x[0-9a-fA-F]+"), "#@");
  const std::string folder = path.substr(0, path.rfind('/') + 1);
  for (std::size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
    text.erase(at, folder.size());
  return text;
}

// The harness's text of a source parsed in the dialects given (the second
// may be 0): the result, the messages, and for each operation named in
// `cuts` the dumps of its outermost nodes.
inline std::string GoldenText(const std::string& area, const std::string& file, int dialect, int secondDialect,
                              const std::vector<int>& cuts) {
  const std::string path = SourceDir() + area + "/" + file;
  ParsedSource parsed(path, dialect, secondDialect);
  std::string text = "result " + std::to_string(parsed.result) + "\n";
  for (const std::string& line : parsed.Messages()) text += line + "\n";
  for (int op : cuts) {
    std::vector<OrvExpr*> found;
    FindOuter(parsed.tree, op, found);
    text += "== " + std::string(OrvOperName(op)) + " (" + std::to_string(found.size()) + ")\n";
    for (OrvExpr* node : found) text += Dump(node, path);
  }
  return text;
}

// Compares `text` with the golden file of the source (of its variant when
// `variant` is not empty), or rewrites the golden when LARK_UPDATE_GOLDENS
// is set.
inline void ExpectGolden(const std::string& area, const std::string& file, const std::string& variant,
                         const std::string& text) {
  const std::string golden = SourceDir() + area + "/" + file + (variant.empty() ? "" : "." + variant) + ".golden";
  const char* update = std::getenv("LARK_UPDATE_GOLDENS");
  if (update != nullptr && *update != '\0' && *update != '0') {
    std::ofstream(golden, std::ios::binary) << text;
    return;
  }
  std::ifstream in(golden, std::ios::binary);
  ASSERT_TRUE(in.good()) << "no golden file " << golden << "; write it with LARK_UPDATE_GOLDENS=1";
  std::ostringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(expected.str(), text) << "the dump of " << area << "/" << file << " differs from " << golden;
}

}  // namespace grammar_golden

#endif
