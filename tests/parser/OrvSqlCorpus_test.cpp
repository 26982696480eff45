// The SQL programs of the shared corpus's CICS sample application through
// the parser object, as larkstat reads them with "-lang=saa -lang2=mf
// -no-cics" and the application's copy libraries: the embedded SQL parses
// without a syntax error, the only errors left are the two names of a
// CICS-translator form in one program, and each program holds the SQL
// statements it is written with.  Skipped when the corpus is absent.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <map>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvDials.h"
#include "OrvExpr.h"
#include "OrvMessage.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "OrvParseCounters.h"
#include "OrvSourceParser.h"
#include "OrvTxtPosn.h"
#include "TestStrings.h"

namespace {

const std::string kGenapp = std::string(LARK_CORPUS) + "/cics/genapp/base/src";
const std::string kSyscopy = std::string(LARK_CORPUS) + "/cics/syscopy";

bool IsDirectory(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

struct SqlParse {
  OrvParserResult result = ORV_PARSE_OK;
  std::vector<std::string> errors;            // "line:column text", ERROR level and above
  std::map<std::string, int> statementKinds;  // operation of each EXEC SQL's statement
  long longestWindow = 0;
};

// The operations of the statements of the EXEC SQL blocks under `node`.
void CountSqlStatements(const OrvExpr* node, std::map<std::string, int>& kinds) {
  if (node == nullptr) return;
  const int op = node->Oper();
  if (op == STMT_EXEC_SQL || op == STMT_EXEC_SQL_IN_DCL) {
    const OrvExpr* statement = node->NArgs() > 0 ? node->Args(STMT_EXEC_SQL__SQL_STATEMENT) : nullptr;
    if (statement != nullptr) ++kinds[OrvOperName(static_cast<OrvOper>(statement->Oper()))];
    return;
  }
  for (int i = 0; i < node->NArgs(); ++i) CountSqlStatements(node->Args(i), kinds);
}

SqlParse ParseProgram(const std::string& program) {
  MessageRecorder recorder;
  OrvSourceParser parser;
  parser.messageSink = &MessageRecorder::Sink;
  parser.primaryDialect = ORV_DIAL_SAA;
  parser.secondaryDialect = ORV_DIAL_MF;
  parser.lexerSettings.sql = 1;
  parser.lexerSettings.cics = 0;
  VStringArray dirs(ORV_COPYLIB_DIRS_MAX);
  dirs.items[dirs.count++] = VString(kGenapp.c_str());
  dirs.items[dirs.count++] = VString(kSyscopy.c_str());
  parser.lexerSettings.copylibDirs = dirs;
  VStringArray suffixes(ORV_COPYLIB_SUFFIXES_MAX);
  suffixes.items[suffixes.count++] = VString("");
  suffixes.items[suffixes.count++] = VString(".cpy");
  parser.lexerSettings.copylibSuffixes = suffixes;
  VString problem;
  EXPECT_EQ(0, parser.ResolveDialectOptions(problem)) << Str(problem);
  OrvTokenList messages;
  OrvExpr* tree = nullptr;
  SqlParse parse;
  parse.result = parser.Parse(VString((kGenapp + "/" + program).c_str()), &tree, &messages);
  parse.longestWindow = ParseCounters.longestWindow;
  CountSqlStatements(tree, parse.statementKinds);
  delete tree;
  for (OrvToken* e = messages.First(); e != nullptr; e = messages.Next(e))
    if (e->code >= MSG_ERR)
      parse.errors.push_back(std::to_string(e->begin.Line()) + ":" +
                             std::to_string(e->begin.Column() + 1) + " " + Str(e->Image()));
  for (const RecordedMessage& m : recorder.messages())
    if (m.level >= MSG_ERR) parse.errors.push_back(m.text);
  return parse;
}

struct ProgramCase {
  const char* program;
  std::vector<std::string> errors;
  std::map<std::string, int> kinds;  // empty: not checked
};

const ProgramCase kPrograms[] = {
    {"lgacdb01.cbl",
     {"206:29 Object named 'DFHRESP' is not defined (1 error per name)",
      "206:37 Object named 'NORMAL' is not defined (1 error per name)"},
     {{"SQL_SET_ASSIGN_LIST", 1}, {"SQL_STMT_INSERT", 2}}},
    {"lgacdb02.cbl", {}, {{"SQL_STMT_INSERT", 1}}},
    {"lgapdb01.cbl", {}, {{"SQL_SET_ASSIGN_LIST", 1}, {"SQL_STMT_INSERT", 6}, {"SQL_STMT_SELECT", 1}}},
    {"lgdpdb01.cbl", {}, {{"SQL_STMT_DELETE", 1}}},
    {"lgicdb01.cbl", {}, {{"SQL_STMT_SELECT", 1}}},
    {"lgipdb01.cbl",
     {},
     {{"SQL_STMT_CLOSE_CURSOR", 2},
      {"SQL_STMT_DECLARE_CURSOR", 2},
      {"SQL_STMT_FETCH_CURSOR", 2},
      {"SQL_STMT_OPEN_CURSOR", 2},
      {"SQL_STMT_SELECT", 5}}},
    {"lgucdb01.cbl", {}, {{"SQL_STMT_UPDATE", 1}}},
    {"lgupdb01.cbl",
     {},
     {{"SQL_STMT_CLOSE_CURSOR", 1},
      {"SQL_STMT_DECLARE_CURSOR", 1},
      {"SQL_STMT_FETCH_CURSOR", 1},
      {"SQL_STMT_OPEN_CURSOR", 1},
      {"SQL_STMT_SELECT", 1},
      {"SQL_STMT_UPDATE", 3},
      {"SQL_STMT_UPDATE_CURSOR", 1}}},
};

TEST(SqlCorpusTest, TheSqlProgramsOfTheSampleApplicationParseClean) {
  if (!IsDirectory(kGenapp)) GTEST_SKIP() << "genapp is not at " << kGenapp;
  for (const ProgramCase& c : kPrograms) {
    SCOPED_TRACE(c.program);
    const SqlParse parse = ParseProgram(c.program);
    EXPECT_NE(parse.result, ORV_PARSE_FAILED);
    EXPECT_EQ(parse.errors, c.errors);
    EXPECT_EQ(parse.statementKinds, c.kinds);
  }
}

// EXEC SQL commits the trials its statement opened: the longest trial of
// lgapdb01 is the column list of an INSERT (line 499), from its "(" to its
// END-EXEC, and none runs on into the COBOL after a block.
TEST(SqlCorpusTest, NoTrialRunsPastTheEndOfAnSqlBlock) {
  if (!IsDirectory(kGenapp)) GTEST_SKIP() << "genapp is not at " << kGenapp;
  const SqlParse parse = ParseProgram("lgapdb01.cbl");
  EXPECT_EQ(parse.errors, std::vector<std::string>{});
  EXPECT_GT(parse.longestWindow, 0);
  EXPECT_LE(parse.longestWindow, 104);
}

}  // namespace
