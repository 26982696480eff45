// Parsing one source file through the parser object: result codes from the
// tally of the messages and from failures, the end of the file, from-source
// marks, lex-only runs, the counters, and settings a source may change for
// its own parse only.
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "FixedLine.h"
#include "MessageRecorder.h"
#include "OrvDials.h"
#include "OrvExpr.h"
#include "OrvMessage.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvSourceParser.h"
#include "OrvTreeWalk.h"
#include "ScratchDir.h"
#include "TestStrings.h"

namespace {

// A small program in fixed format, one line per text.
std::string Program(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "       " + line + "\n";
  return text;
}

const std::vector<std::string> kClean = {"IDENTIFICATION DIVISION.", "PROGRAM-ID. T.", "DATA DIVISION.",
                                         "PROCEDURE DIVISION.", "P1.", "    PERFORM P2.", "    STOP RUN.",
                                         "P2.", "    EXIT."};

class ParseSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parser.messageSink = &MessageRecorder::Sink;
    parser.primaryDialect = ORV_DIAL_ANSI85;
    VString problem;
    ASSERT_EQ(0, parser.ResolveDialectOptions(problem)) << Str(problem);
  }
  void TearDown() override { delete tree; }

  OrvParserResult Parse(const std::string& source) {
    delete tree;
    tree = nullptr;
    messages.Clear();
    return parser.Parse(VString(dir.Write("src.cbl", source).c_str()), &tree, &messages);
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (OrvTokenListNode* e = messages.Head(); e != nullptr; e = e->next)
      out.push_back(std::to_string(e->token->code) + " " + Str(e->token->image));
    return out;
  }

  MessageRecorder recorder;
  ScratchDir dir;
  OrvSourceParser parser;
  OrvTokenList messages;
  OrvExpr* tree = nullptr;
};

TEST_F(ParseSourceTest, TheResultTalliesTheMessagesOfAGoodParse) {
  const std::string warning = "IDENTIFICATION DIVISION header is missing";
  const std::string error = "More than one procedure name in GO TO without DEPENDING";
  const std::vector<std::string> noHeader = {"PROGRAM-ID. W.", "DATA DIVISION.", "PROCEDURE DIVISION.",
                                             "    STOP RUN."};
  const std::vector<std::string> twoNames = {"PROGRAM-ID. E.", "DATA DIVISION.", "PROCEDURE DIVISION.", "P1.",
                                             "    GO TO P1 P1."};
  const struct {
    const char* what;
    std::vector<std::string> lines;
    int warnings;
    OrvParserResult result;
    std::vector<std::string> kept;
  } cases[] = {
      {"clean", kClean, 0, ORV_PARSE_OK, {}},
      {"a warning", noHeader, 0, ORV_PARSE_WARNINGS, {}},
      {"a warning kept", noHeader, 1, ORV_PARSE_WARNINGS, {"969 " + warning}},
      {"an error after a warning", twoNames, 0, ORV_PARSE_ERRORS, {"970 " + error}},
      {"both kept", twoNames, 1, ORV_PARSE_ERRORS, {"969 " + warning, "970 " + error}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    parser.warnings = c.warnings;
    EXPECT_EQ(Parse(Program(c.lines)), c.result);
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(Messages(), c.kept);
  }
}

TEST_F(ParseSourceTest, AGoodTreeEndsWithTheEndOfFileAndComesWhollyFromTheSource) {
  ASSERT_EQ(Parse(Program(kClean) + CommentLine("AFTER THE LAST PROGRAM") + "\n"), ORV_PARSE_OK);
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->Oper(), COBOL_FILE);
  OrvExpr* end = tree->Args(COBOL_FILE__END_OF_FILE);
  ASSERT_NE(end, nullptr);
  EXPECT_EQ(end->Oper(), END_COBOL_FILE);
  ASSERT_NE(end->Tokens().First(), nullptr);
  EXPECT_EQ(end->Tokens().First()->code, CM_COMMENT);
  // Every node and every argument slot is marked as coming from the source.
  struct Count {
    int nodes = 0, unmarked = 0;
  } count;
  WalkTheTree(tree, &count, [](OrvExpr* node, void* context) {
    Count& c = *static_cast<Count*>(context);
    ++c.nodes;
    if (node->FromSrc() != 1) ++c.unmarked;
    for (int i = 0; i < node->NArgs(); ++i)
      if (node->ArgSlots(i) != nullptr && node->ArgSlots(i)->state != 1) ++c.unmarked;
    return 1;
  });
  EXPECT_GT(count.nodes, 20);
  EXPECT_EQ(count.unmarked, 0);
  // The end of the file counts as a line.
  EXPECT_EQ(parser.lineCount, 11);
  EXPECT_EQ(parser.locCount, 9);
}

TEST_F(ParseSourceTest, FailuresLeaveNoTree) {
  const struct {
    const char* what;
    std::string source;
    OrvParserResult result;
  } cases[] = {
      {"an empty file", "", ORV_PARSE_FAILED},
      {"no PROCEDURE DIVISION", Program({"IDENTIFICATION DIVISION.", "PROGRAM-ID. T."}), ORV_PARSE_FAILED},
      {"a tail that no rule takes", Program(kClean) + Program({"END PROGRAM T. ) ."}), ORV_PARSE_FAILED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Parse(c.source), c.result);
    EXPECT_EQ(tree, nullptr);
    EXPECT_EQ(currentParser, nullptr);
  }
  // 20 programs open at once are more than the program stack holds.
  std::string deep;
  for (int i = 0; i < 20; ++i)
    deep += Program({"IDENTIFICATION DIVISION.", "PROGRAM-ID. P" + std::to_string(i) + ".", "PROCEDURE DIVISION.",
                     "    EXIT."});
  EXPECT_EQ(Parse(deep), ORV_PARSE_FAILED);
  EXPECT_EQ(tree, nullptr);
  EXPECT_TRUE(recorder.Has(MSG_TERMINAL, "Too many levels of Nested Programs"));
  // A file that does not open keeps the lexer's result.
  EXPECT_EQ(parser.Parse(VString(dir.Path("missing.cbl").c_str()), &tree, &messages), ORV_PARSE_INPUT_NOT_OPENED);
  EXPECT_EQ(tree, nullptr);
}

TEST_F(ParseSourceTest, ARefusedDialectMixOrARunningParseIsNotParsed) {
  parser.primaryDialect = ORV_DIAL_WANG;
  VString problem;
  ASSERT_EQ(0, parser.ResolveDialectOptions(problem));
  recorder.clear();
  EXPECT_EQ(Parse(Program(kClean)), ORV_PARSE_DIALECTS_REFUSED);
  EXPECT_EQ(tree, nullptr);
  EXPECT_TRUE(recorder.Has(MSG_SEVERE, "Parser cannot parse this mix of dialects: Wang ")) << recorder.Dump();

  // A second parse while one runs is refused and leaves the running one alone.
  OrvSourceParser other;
  currentParser = &other;
  recorder.clear();
  EXPECT_EQ(Parse(Program(kClean)), ORV_PARSE_ALREADY_RUNNING);
  EXPECT_EQ(currentParser, &other);
  EXPECT_TRUE(recorder.Has(MSG_TERMINAL, "Cannot have more than one working instance of OrvParserImpl object"));
  currentParser = nullptr;
}

TEST_F(ParseSourceTest, LexOnlyReadsTheTokensAndCountsThem) {
  parser.tokenDump = 1;
  EXPECT_EQ(Parse(Program(kClean)), ORV_PARSE_OK);
  EXPECT_EQ(tree, nullptr);
  EXPECT_EQ(parser.lineCount, 10);
  EXPECT_EQ(parser.locCount, 9);
  EXPECT_GT(parser.tokenCount, 20);
}

TEST_F(ParseSourceTest, ThePrintTreeSwitchDumpsTheTreeOrNull) {
  parser.traceWords[ORV_TRACE_WORD_TREE_DUMP] = 1;
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(Parse(""), ORV_PARSE_FAILED);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "***Program Tree after parsing***\n(NULL)\n\n");
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(Parse(Program(kClean)), ORV_PARSE_OK);
  const std::string out = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(out.rfind("***Program Tree after parsing***\nCOBOL_FILE\n", 0), 0u) << out;
  EXPECT_NE(out.find("STMT_PERFORM_PROC"), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - 2), "\n\n");
}

TEST_F(ParseSourceTest, NumericSignTrailingSeparateHoldsOnlyForItsOwnSource) {
  parser.numSignTrailSep = 0;
  const std::string withSign = Program({"IDENTIFICATION DIVISION.", "PROGRAM-ID. S.", "ENVIRONMENT DIVISION.",
                                        "SPECIAL-NAMES.", "    NUMERIC SIGN IS TRAILING SEPARATE.",
                                        "DATA DIVISION.", "PROCEDURE DIVISION.", "    STOP RUN."});
  ASSERT_EQ(Parse(withSign), ORV_PARSE_OK) << ::testing::PrintToString(Messages());
  EXPECT_EQ(parser.numSignTrailSep, 0);
  parser.numSignTrailSep = 1;
  ASSERT_EQ(Parse(withSign), ORV_PARSE_OK);
  EXPECT_EQ(parser.numSignTrailSep, 1);
}

TEST_F(ParseSourceTest, ThroughTheSettingsInterfaceTheSourceParserParsesTheWholeSource) {
  OrvParser& settings = parser;
  const VString path(dir.Write("whole.cbl", Program(kClean)).c_str());
  EXPECT_EQ(settings.Parse(path, &tree, &messages), ORV_PARSE_OK);
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->Oper(), COBOL_FILE);
  EXPECT_EQ(tree->Args(COBOL_FILE__END_OF_FILE)->Oper(), END_COBOL_FILE);
  EXPECT_EQ(settings.lineCount, 10);
  EXPECT_EQ(currentParser, nullptr);
}

// The tree of a source as text: its debug dump, tokens included, with the
// addresses that links show masked (two trees lie at different addresses).
std::string Dump(const OrvExpr* tree) {
  std::ostringstream out;
  if (tree != nullptr) tree->DebugDump(out);
  return std::regex_replace(out.str(), std::regex("#0x[0-9a-f]+"), "#address");
}

// A configured parser is copied for each source by callers that parse many
// sources apart (the copy must not lean on the original, which may be gone).
TEST_F(ParseSourceTest, ACopyOfAConfiguredParserParsesAsTheOriginalAfterTheOriginalIsGone) {
  const std::string lib = dir.MakeDir("lib");
  dir.Write("lib/ITEMS.cbl", "       01  A PIC X(4).\n       01  B PIC 9(3) COMP.\n");
  const std::string source = Program({"IDENTIFICATION DIVISION.", "PROGRAM-ID. C.", "DATA DIVISION.",
                                      "WORKING-STORAGE SECTION.", "COPY ITEMS.", "PROCEDURE DIVISION.",
                                      "    MOVE SPACES TO A.", "    STOP RUN."});
  const VString path(dir.Write("copy.cbl", source).c_str());
  auto original = std::make_unique<OrvSourceParser>(parser);
  original->lexerSettings.copylibDirs = OrvOneEntryList(ORV_COPYLIB_DIRS_MAX, lib.c_str());
  original->lexerSettings.copylibSuffixes = OrvOneEntryList(ORV_COPYLIB_SUFFIXES_MAX, ".cbl");
  original->BuildOptions(ORV_PARSER_ALL_OPTIONS);
  ASSERT_GT(original->optionGroup.count, 0);

  OrvExpr* first = nullptr;
  OrvTokenList firstMessages;
  ASSERT_EQ(original->Parse(path, &first, &firstMessages), ORV_PARSE_OK) << recorder.Dump();
  const std::string expected = Dump(first);
  const int lines = original->lineCount;
  delete first;
  EXPECT_NE(expected.find("COPY"), std::string::npos) << expected;

  OrvSourceParser copy(*original);
  EXPECT_EQ(copy.optionGroup.count, 0);
  original.reset();
  EXPECT_EQ(copy.Parse(path, &tree, &messages), ORV_PARSE_OK) << recorder.Dump();
  EXPECT_EQ(Dump(tree), expected);
  EXPECT_EQ(copy.lineCount, lines);
}

}  // namespace
