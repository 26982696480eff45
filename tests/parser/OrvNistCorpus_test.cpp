// Every program of the NIST COBOL-85 suite through the parser object, with
// the suite's copy libraries: each parse must succeed (a result other than
// 3) without an error (any message at MSG_ERR or above: syntax, names,
// PICTUREs), except the programs of the table of known failures
// (tests/data/grammar/nist_known_failures.txt), whose syntax errors, and
// result when the parse is given up, must be exactly the ones listed there.
// A listed program that parses clean fails as well, so the table never
// keeps a stale row.  Programs listed only for COPY markers the grammar has
// no place for must parse clean when inlined COPY members are read without
// markers.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvDials.h"
#include "OrvExpr.h"
#include "OrvParserImpl.h"
#include "OrvSourceParser.h"
#include "OrvTxtPosn.h"
#include "TestStrings.h"

namespace {

const std::string kNist = std::string(LARK_CORPUS) + "/nist";
const char kSyntaxError[] = "syntax error. at token: ";
// The construct of the table's rows that an inlined member without
// markers avoids.
const char kCopyMarker[] = "COPY marker";

// One program of the table: its construct and its syntax errors as
// "file:line:column text".
struct KnownFailure {
  std::string construct;
  std::vector<std::string> messages;
  int result = -1;  // the parse's result when the table names one
};

std::string Trim(const std::string& text) {
  const std::size_t begin = text.find_first_not_of(' ');
  const std::size_t end = text.find_last_not_of(' ');
  return begin == std::string::npos ? "" : text.substr(begin, end - begin + 1);
}

// Rows "PROGRAM | construct | file:line:column | message text", and
// "PROGRAM | construct | result | N" for a program whose parse gives a
// result N (the parse given up); blank lines and lines starting with "#"
// are skipped.
std::map<std::string, KnownFailure> ReadKnownFailures() {
  std::map<std::string, KnownFailure> table;
  std::ifstream in(std::string(LARK_TEST_DATA) + "/grammar/nist_known_failures.txt");
  EXPECT_TRUE(in.good()) << "the table of known failures is missing";
  std::string line;
  while (std::getline(in, line)) {
    if (Trim(line).empty() || Trim(line)[0] == '#') continue;
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (int i = 0; i < 3; ++i) {
      const std::size_t bar = line.find('|', start);
      if (bar == std::string::npos) break;
      fields.push_back(Trim(line.substr(start, bar - start)));
      start = bar + 1;
    }
    fields.push_back(Trim(line.substr(start)));
    EXPECT_EQ(fields.size(), 4u) << "bad row: " << line;
    if (fields.size() != 4) continue;
    KnownFailure& failure = table[fields[0]];
    EXPECT_TRUE(failure.construct.empty() || failure.construct == fields[1]) << "two constructs for " << fields[0];
    failure.construct = fields[1];
    if (fields[2] == "result")
      failure.result = std::stoi(fields[3]);
    else
      failure.messages.push_back(fields[2] + " " + fields[3]);
  }
  return table;
}

// The sources of the suite: *.CBL and *.SUB, and lib/*.CBL, by name.
std::vector<std::string> SuitePrograms() {
  std::vector<std::string> programs;
  for (const std::string& folder : {std::string(""), std::string("lib/")}) {
    DIR* dir = opendir((kNist + "/" + folder).c_str());
    if (dir == nullptr) continue;
    while (dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      const std::size_t dot = name.rfind('.');
      const std::string suffix = dot == std::string::npos ? "" : name.substr(dot);
      if (suffix == ".CBL" || (folder.empty() && suffix == ".SUB")) programs.push_back(folder + name);
    }
    closedir(dir);
  }
  std::sort(programs.begin(), programs.end());
  return programs;
}

// A message's place as "file:line:column": the base name of the program
// or of the COPY member, the line in that file, the column counted from 1.
std::string Where(const OrvTxtPosn& at) {
  const std::string file = Str(OrvFileNameOf(at.FileIx()));
  return file.substr(file.rfind('/') + 1) + ":" + std::to_string(at.Line()) + ":" + std::to_string(at.Column() + 1);
}

// One parse of a suite program: its result, its syntax errors and every
// message at MSG_ERR or above.
struct SuiteParse {
  OrvParserResult result = ORV_PARSE_OK;
  std::vector<std::string> syntaxErrors;
  std::vector<std::string> errors;
};

// A list setting of the given entries.
VStringArray Entries(int capacity, std::initializer_list<std::string> entries) {
  VStringArray list(capacity);
  for (const std::string& entry : entries) list.items[list.count++] = VString(entry.c_str());
  return list;
}

SuiteParse ParseProgram(const std::string& program, bool irrevInline) {
  MessageRecorder recorder;
  OrvSourceParser parser;
  parser.messageSink = &MessageRecorder::Sink;
  parser.primaryDialect = ORV_DIAL_ANSI85;
  parser.irrevInline = irrevInline ? 1 : 0;
  // The members of the suite's COPY statements lie in copy/ and copyalt/;
  // a few programs copy another source of the suite.
  parser.lexerSettings.copylibDirs =
      Entries(ORV_COPYLIB_DIRS_MAX, {kNist + "/copy", kNist + "/copyalt", kNist});
  parser.lexerSettings.copylibSuffixes = Entries(ORV_COPYLIB_SUFFIXES_MAX, {"", ".CBL"});
  VString problem;
  EXPECT_EQ(0, parser.ResolveDialectOptions(problem)) << Str(problem);
  OrvTokenList messages;
  OrvExpr* tree = nullptr;
  SuiteParse parse;
  parse.result = parser.Parse(VString((kNist + "/" + program).c_str()), &tree, &messages);
  delete tree;
  for (OrvToken* e = messages.First(); e != nullptr; e = messages.Next(e)) {
    const std::string text = Str(e->Image());
    if (text.find(kSyntaxError) != std::string::npos) parse.syntaxErrors.push_back(Where(e->begin) + " " + text);
    if (e->code >= MSG_ERR) parse.errors.push_back(Where(e->begin) + " " + text);
  }
  return parse;
}

TEST(NistCorpusTest, EveryProgramParsesOrFailsAsTheTableOfKnownFailuresSays) {
  const std::vector<std::string> programs = SuitePrograms();
  if (programs.empty()) GTEST_SKIP() << "the NIST suite is not at " << kNist;
  const std::map<std::string, KnownFailure> known = ReadKnownFailures();
  for (const auto& row : known)
    EXPECT_NE(std::find(programs.begin(), programs.end(), row.first), programs.end())
        << row.first << " is listed but is not in the suite";
  for (const std::string& program : programs) {
    SCOPED_TRACE(program);
    const SuiteParse parse = ParseProgram(program, false);
    const auto failure = known.find(program);
    if (failure == known.end()) {
      EXPECT_NE(parse.result, ORV_PARSE_FAILED);
      EXPECT_EQ(parse.errors, std::vector<std::string>{});
      continue;
    }
    if (failure->second.result >= 0)
      EXPECT_EQ(parse.result, failure->second.result);
    else
      EXPECT_NE(parse.result, ORV_PARSE_FAILED);
    EXPECT_FALSE(parse.syntaxErrors.empty()) << "listed as failing, but parses clean";
    EXPECT_EQ(parse.syntaxErrors, failure->second.messages);
    if (failure->second.construct.find(kCopyMarker) == 0) {
      const SuiteParse inlined = ParseProgram(program, true);
      EXPECT_NE(inlined.result, ORV_PARSE_FAILED);
      EXPECT_EQ(inlined.syntaxErrors, std::vector<std::string>{}) << "with irrev-inline on";
    }
  }
}

}  // namespace
