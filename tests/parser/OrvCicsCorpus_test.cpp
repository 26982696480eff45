// The CICS sample application of the shared corpus (cics/genapp) through
// the parser object with SQL off, as larkstat reads it with "-lang=saa
// -lang2=mf -cics-eib=yes -copylib-dir=.,../../../syscopy
// -copylib-sfx=,.cpy -no-sql": no program gives a syntax error or a
// refused option, each program has its EXEC CICS blocks as statements, and
// the blocks whose command or option the grammar does not know are text.
// Skipped when the corpus is absent.  Also DFHRESP and DFHVALUE, with CICS
// on and off.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <map>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvDials.h"
#include "OrvExpr.h"
#include "OrvLexerSettings.h"
#include "OrvParserImpl.h"
#include "OrvSourceParser.h"
#include "TestStrings.h"

namespace {

const std::string kGenapp = std::string(LARK_CORPUS) + "/cics/genapp/base/src";

struct CicsCount {
  int blocks;  // STMT_EXEC_CICS nodes
  int text;    // of them, blocks kept as text
};

// The blocks of each program, and how many of them are text.
const std::map<std::string, CicsCount> kCounts = {
    {"lgacdb01", {13, 1}}, {"lgacdb02", {9, 0}},   {"lgacus01", {9, 0}},   {"lgacvs01", {8, 0}},
    {"lgapdb01", {20, 0}}, {"lgapol01", {9, 0}},   {"lgapvs01", {7, 0}},   {"lgastat1", {9, 3}},
    {"lgdpdb01", {10, 0}}, {"lgdpol01", {10, 0}},  {"lgdpvs01", {7, 0}},   {"lgicdb01", {9, 0}},
    {"lgicus01", {9, 0}},  {"lgicvs01", {14, 2}},  {"lgipdb01", {12, 0}},  {"lgipol01", {8, 0}},
    {"lgipvs01", {7, 0}},  {"lgsetup", {84, 74}},  {"lgstsq", {7, 0}},     {"lgtestc1", {30, 3}},
    {"lgtestp1", {26, 2}}, {"lgtestp2", {25, 2}},  {"lgtestp3", {25, 2}},  {"lgtestp4", {20, 2}},
    {"lgucdb01", {8, 0}},  {"lgucus01", {8, 0}},   {"lgucvs01", {11, 0}},  {"lgupdb01", {14, 1}},
    {"lgupol01", {11, 0}}, {"lgupvs01", {11, 0}},  {"lgwebst5", {50, 36}},
};

// The programs that copy the BMS map SSMAP, which the corpus lacks: their
// only errors are the missing member and the fields it would define.
bool UsesMissingMap(const std::string& program) {
  return program == "lgtestc1" || program.compare(0, 7, "lgtestp") == 0;
}

void CountBlocks(OrvExpr* node, CicsCount& count) {
  if (node == nullptr) return;
  if (node->Oper() == STMT_EXEC_CICS) {
    ++count.blocks;
    OrvExpr* statement = node->NArgs() > 0 ? node->Args(STMT_EXEC_CICS__CICS_STATEMENT) : nullptr;
    if (statement != nullptr && statement->Oper() == EX_EXEC_TOKEN_LIST) ++count.text;
    return;
  }
  for (int i = 0; i < node->NArgs(); ++i) CountBlocks(node->Args(i), count);
}

VStringArray TwoEntries(int capacity, const char* first, const char* second) {
  VStringArray list = OrvOneEntryList(capacity, first);
  list.items[list.count++] = VString(second);
  return list;
}

TEST(CicsCorpusTest, GenappProgramsParseWithTheirBlocksAsStatements) {
  struct stat info;
  if (stat(kGenapp.c_str(), &info) != 0) GTEST_SKIP() << "the CICS sample is not at " << kGenapp;
  for (const auto& row : kCounts) {
    const std::string program = row.first;
    SCOPED_TRACE(program);
    MessageRecorder recorder;
    OrvSourceParser parser;
    parser.messageSink = &MessageRecorder::Sink;
    parser.primaryDialect = ORV_DIAL_SAA;
    parser.secondaryDialect = ORV_DIAL_MF;
    parser.cicsEib = ORV_ANY_YES;
    parser.lexerSettings.sql = 0;
    parser.lexerSettings.copylibDirs =
        TwoEntries(ORV_COPYLIB_DIRS_MAX, kGenapp.c_str(), (kGenapp + "/../../../syscopy").c_str());
    parser.lexerSettings.copylibSuffixes = TwoEntries(ORV_COPYLIB_SUFFIXES_MAX, "", ".cpy");
    VString problem;
    ASSERT_EQ(0, parser.ResolveDialectOptions(problem)) << Str(problem);
    OrvTokenList messages;
    OrvExpr* tree = nullptr;
    const OrvParserResult result =
        parser.Parse(VString((kGenapp + "/" + program + ".cbl").c_str()), &tree, &messages);
    EXPECT_NE(result, ORV_PARSE_FAILED);
    std::vector<std::string> errors;
    for (const OrvToken* message : messages)
      if (message->code >= MSG_ERR) errors.push_back(Str(message->Image()));
    for (const RecordedMessage& m : recorder.messages())
      if (m.level >= MSG_ERR) errors.push_back(m.text);
    for (const std::string& error : errors) {
      const bool expected = UsesMissingMap(program) &&
                            (error.find("Cannot find/open file 'SSMAP'") == 0 ||
                             error.find("is not defined") != std::string::npos);
      EXPECT_TRUE(expected) << error;
    }
    CicsCount count{0, 0};
    CountBlocks(tree, count);
    EXPECT_EQ(count.blocks, row.second.blocks);
    EXPECT_EQ(count.text, row.second.text);
    delete tree;
  }
}

// DFHRESP(name) and DFHVALUE(name) are left unresolved in a CICS program,
// and reported as any other undefined names when CICS is off.
TEST(CicsValueFunctionTest, DfhrespAndDfhvalueAreNotReportedWhileCicsIsOn) {
  const std::string source = std::string(LARK_TEST_DATA) + "/grammar/cics/unknown.cbl";
  for (int cics : {1, 0}) {
    SCOPED_TRACE(cics);
    MessageRecorder recorder;
    OrvSourceParser parser;
    parser.messageSink = &MessageRecorder::Sink;
    parser.primaryDialect = ORV_DIAL_ANSI85;
    parser.lexerSettings.cics = cics;
    VString problem;
    ASSERT_EQ(0, parser.ResolveDialectOptions(problem)) << Str(problem);
    OrvTokenList messages;
    OrvExpr* tree = nullptr;
    parser.Parse(VString(source.c_str()), &tree, &messages);
    std::vector<std::string> undefined;
    for (const OrvToken* message : messages) {
      const std::string text = Str(message->Image());
      if (text.find("is not defined") != std::string::npos) undefined.push_back(text);
    }
    for (const RecordedMessage& m : recorder.messages())
      if (m.text.find("is not defined") != std::string::npos) undefined.push_back(m.text);
    if (cics) {
      EXPECT_EQ(undefined, std::vector<std::string>{});
    } else {
      EXPECT_EQ(undefined, (std::vector<std::string>{
                               "Object named 'DFHRESP' is not defined (1 error per name)",
                               "Object named 'NORMAL' is not defined (1 error per name)",
                               "Object named 'DFHVALUE' is not defined (1 error per name)",
                               "Object named 'ACQUIRED' is not defined (1 error per name)"}));
    }
    delete tree;
  }
}

}  // namespace
