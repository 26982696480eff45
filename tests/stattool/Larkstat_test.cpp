// Tests of the `larkstat` program run as a separate process: banner, help
// and short listings, refused options and inputs, and (waiting for the
// parser) the reports of the sample programs.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "../foundation/RunProgram.h"
#include "FixedLine.h"
#include "ScratchDir.h"
#include "ToolTestTexts.h"

namespace {

const char kLarkstat[] = LARK_LARKSTAT;

std::string Quote(const std::string& s) { return "'" + s + "'"; }

// The sample program of the project, fixed format.
std::string SampleSource(const std::string& programId = "SAMPLE") {
  return Lines({AreaA("IDENTIFICATION DIVISION."), AreaA("PROGRAM-ID. " + programId + "."),
                AreaA("PROCEDURE DIVISION."), AreaA("MAIN-S SECTION."), AreaA("P1."),
                AreaB("PERFORM P2."), AreaB("GO TO P3."), AreaA("P2."), AreaB("CONTINUE."),
                AreaA("P3."), AreaB("STOP RUN.")});
}

class LarkstatTest : public ::testing::Test {
protected:
  // Runs larkstat in `dir` (the scratch directory by default).
  ProgramRun Run(const std::string& args, const std::string& env = "", std::string dir = "") {
    if (dir.empty()) dir = dir_.path();
    return RunProgram("cd " + Quote(dir) + " && " + env + " " + kLarkstat + " " + args);
  }
  ScratchDir dir_;
};

TEST_F(LarkstatTest, BareRunPrintsTheBannerAndWantsInput) {
  ProgramRun run = Run("");
  EXPECT_EQ(run.out, std::string(kLarkstatBanner) + "ERROR: No input files specified\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitStatus, 21);
}

TEST_F(LarkstatTest, HelpListsEveryGroupInOrder) {
  ProgramRun run = Run("-help");
  const std::string start = std::string(kLarkstatBanner) +
                            "Command-Line arguments parsed:\n  -help\n\n"
                            "Command-Line parameters set:\n\n*** Settings ***\n\n";
  EXPECT_EQ(run.out.substr(0, start.size()), start);
  size_t at = 0;
  for (const char* heading :
       {"*** Settings ***", "*** Ledgerlark ***", "*** Generic Reporting ***",
        "*** Cobol Dialects ***", "*** Extra Features ***", "*** Copy Libraries ***",
        "*** Parser Messages ***", "*** Length and Offset ***"}) {
    size_t next = run.out.find(heading, at);
    ASSERT_NE(next, std::string::npos) << heading;
    at = next;
  }
  EXPECT_NE(run.out.find("\n*** Ledgerlark ***\n\n"
                         "-long-stat=boolean (now: +ON+, can be -long-stat or -no-long-stat)\n"
                         "\tPrint long program statistics\n"
                         "-mem-offsets=boolean (now: +ON+, can be -mem-offsets or -no-mem-offsets)\n"
                         "\tCompute and print offsets and lengths of data items\n"),
            std::string::npos);
  EXPECT_NE(run.out.find("-bailout-level=warnings|errors|severe (now: severe)\n"
                         "\tLevel of parser messages that cause bailout\n"
                         "-stat=boolean (now: -OFF-, can be -stat or -no-stat)\n"
                         "\tPrint short source program statistics\n"
                         "ERROR: No input files specified\n"),
            std::string::npos);
  EXPECT_EQ(run.exitStatus, 21);
}

TEST_F(LarkstatTest, ShortListingShowsTheFortyOptionsThenHandlesTheFile) {
  dir_.Write("sample.cbl", SampleSource());
  ProgramRun run = Run("-pf sample.cbl");
  const std::string listing =
      std::string(kLarkstatBanner) +
      "-no-help\n-pf\n-no-v\n-long-stat\n-mem-offsets\n-conv-warn\n-no-conv-info\n-no-conv-list\n"
      "-no-find-only\n-no-silent\n-lang=ansi85\n-lang2=none\n-line-format=dial\n"
      "-no-progid-comments\n-sep-space-reqd=dial\n-exclude-keywords=\n-set-constants=\n"
      "-no-assign-external\n-sql\n-cics\n-cics-eib=auto\n-copylib-dir=.\n-copylib-sfx=.cpy\n"
      "-copynames-case=lower\n-no-old-copy\n-no-irrev-inline\n-warnings\n-no-multi-undefd-errs\n"
      "-same-para-data-name=dial\n-leng-offs\n-lo-stor-mode=dial\n-num-sign-trail-sep=dial\n"
      "-no-num-sign-ebcdic\n-lo-pointer-size=4\n-lo-proc-pointer-size=4\n-lo-index-size=4\n"
      "-lo-unfold-flex-arrays\n-no-progress\n-bailout-level=severe\n-no-stat\n"
      "*Reading* sample.cbl\n";
  EXPECT_EQ(run.out.substr(0, listing.size()), listing);
}

TEST_F(LarkstatTest, BadOptionsEndTheRunWithStatus21) {
  dir_.Write("sample.cbl", SampleSource());
  struct Case {
    std::string args;
    std::string env;
    std::string out;
  } cases[] = {
      {"-gen-src sample.cbl", "", "ERROR: Unknown option: -gen-src\n"},
      {"-gen-file=o.cbl sample.cbl", "", "ERROR: Unknown option: -gen-file=o.cbl\n"},
      {"-gen-main-dir=out sample.cbl", "", "ERROR: Unknown option: -gen-main-dir=out\n"},
      {"-inline-copy sample.cbl", "", "ERROR: Unknown option: -inline-copy\n"},
      {"-langs=00 -resolve-use-def sample.cbl", "",
       "ERROR: Unknown option: -langs=00\nERROR: Unknown option: -resolve-use-def\n"},
      {"-gen-indent-step=4 sample.cbl", "", "ERROR: Unknown option: -gen-indent-step=4\n"},
      {"-no-bailout-level sample.cbl", "",
       "ERROR: Non-boolean flag -no-bailout-level has no- prefix\n"},
      {"-bailout-level=9 sample.cbl", "",
       "ERROR: Selection option is assigned illegal value: -bailout-level=9\n"},
      {"-gen-src -bailout-level=9 sample.cbl", "",
       "ERROR: Unknown option: -gen-src\n"
       "ERROR: Selection option is assigned illegal value: -bailout-level=9\n"},
      {"-v sample.cbl", "ORV_TOOL_OPTIONS=x.cbl",
       "ERROR: File names not allowed in options taken from environment variables: x.cbl\n"},
  };
  for (const Case& c : cases) {
    ProgramRun run = Run(c.args, c.env);
    EXPECT_EQ(run.out, c.out) << c.args;
    EXPECT_EQ(run.exitStatus, 21) << c.args;
  }
}

TEST_F(LarkstatTest, InputsThatCannotBeReadEndTheRunWithStatus11) {
  dir_.Write("sample.cbl", SampleSource());
  dir_.MakeDir("d");
  struct Case {
    std::string args;
    std::string out;
  } cases[] = {
      {"sample.cbl missing.cbl", "ERROR: Cannot open file 'missing.cbl' for input\n"},
      {"d sample.cbl", "ERROR: Cannot open file 'd' for input: it is a directory\n"},
  };
  for (const Case& c : cases) {
    ProgramRun run = Run(c.args);
    EXPECT_EQ(run.out, c.out) << c.args;
    EXPECT_EQ(run.exitStatus, 11) << c.args;
  }
}

TEST_F(LarkstatTest, TransformationReportingOptionsAreAcceptedAndInert) {
  dir_.Write("sample.cbl", SampleSource());
  ProgramRun run = Run("-conv-warn -no-conv-warn -conv-info -conv-list -find-only sample.cbl");
  EXPECT_EQ(run.out.find("ERROR: Unknown option"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.rfind("*Reading* sample.cbl\n", 0), 0u) << run.out;
  EXPECT_NE(run.exitStatus, 21);
}

// ---------------------------------------------------------------------------
// The reports of real programs.  They wait for the parser of whole sources;
// each is complete and is turned on by removing its DISABLED_ prefix.
// ---------------------------------------------------------------------------

// Compares the lines of `out` with `expected`: a pattern that starts with
// '~' is a regular expression for the whole line, any other is the line.
void ExpectLines(const std::string& out, const std::vector<std::string>& expected) {
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), expected.size()) << out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!expected[i].empty() && expected[i][0] == '~')
      EXPECT_TRUE(std::regex_match(lines[i], std::regex(expected[i].substr(1))))
          << "line " << i + 1 << ": " << lines[i];
    else
      EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
  }
}

// A counter line of the report with any value.
std::string AnyCounter(const std::string& label) {
  return "~" + label + std::string(16 - label.size(), ' ') + " *[0-9]+";
}

const std::string kData = LARK_TEST_DATA;

// The four lines of the tree's shape.
const std::vector<std::string> kTreeLines = {AnyCounter("TotTreeNodes:"),
                                             AnyCounter("MaxTreeHeight:"),
                                             AnyCounter("AveTreeHeight:"), AnyCounter("TotLeaves:")};

// The program of SampleSource has no DATA DIVISION: under ANSI-85 the
// grammar warns that its header is missing, as it does for a missing header
// alone.
const char kNoDataDivision[] = "sample.cbl:3:8: Warning: DATA DIVISION header is missing";

// The sample of tests/data is IBM COBOL (COMP-3) with its COPY member
// beside it: read in its directory, it gives no message.
TEST_F(LarkstatTest, SampleReport) {
  ProgramRun run = Run("-lang=saa -no-mem-offsets sample.cbl", "", kData);
  std::vector<std::string> expected = {"*Reading* sample.cbl",
                                       "Lines:              39",
                                       "LinesOfCode:        34",
                                       AnyCounter("Tokens:"),
                                       "",
                                       "PROGRAM-ID:            SAMPLE",
                                       "",
                                       "Sections:            1",
                                       "Paragraphs:          3",
                                       "Sentences:           7",
                                       AnyCounter("Statements:"),
                                       ""};
  expected.insert(expected.end(), kTreeLines.begin(), kTreeLines.end());
  expected.insert(expected.end(),
                  {"", "", "COPYbook++:          1 ./CUSTREC.cpy       ", "", "Errors: 0, Warnings: 0"});
  ExpectLines(run.out, expected);
  EXPECT_EQ(run.exitStatus, 0);

  run = Run("-lang=saa -no-long-stat -no-mem-offsets sample.cbl", "", kData);
  EXPECT_EQ(run.out, "*Reading* sample.cbl\nErrors: 0, Warnings: 0\n");
  EXPECT_EQ(run.exitStatus, 0);

  run = Run("-lang=saa -stat -no-long-stat -no-mem-offsets sample.cbl", "", kData);
  EXPECT_EQ(run.out, "*Reading* sample.cbl\nLines:           39\nLinesOfCode:     34\nErrors: 0, Warnings: 0\n");

  run = Run("-long-stat -no-mem-offsets sample.cbl", "ORV_TOOL_OPTIONS='-no-long-stat -lang=saa'", kData);
  ExpectLines(run.out, expected);
}

// The sample as `make run` reads it, from the top of the checkout: the
// report and the table of its data items (the member's record, groups, a
// table, a REDEFINES, COMP-3 items), and no message.
TEST_F(LarkstatTest, TheSampleAsMakeRunReadsItGivesTheDataItemTableAndNoMessage) {
  const ProgramRun run =
      RunProgram(std::string(kLarkstat) + " -lang=saa -copylib-dir=" + kData + " " + kData + "/sample.cbl");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.err, "");
  for (const char* message : {"Warning: ", "ERROR: "}) EXPECT_EQ(run.out.find(message), std::string::npos) << run.out;
  const char* const rows[] = {
      "WORKING-STORAGE SECTION:\n",
      "\n01|CUSTOMER-RECORD                |          | G|DISPLAY| |     0|    41|     0\n",
      "\n05|. CUST-BALANCE                 |S9(7)V99  | N|COMP-3 | |    36|     5|    36\n",
      "\n05|. TOTAL-COUNT                  |9(5)      | N|COMP-3 | |     0|     3|    48\n",
      "\n05|. MONTH-ENTRY                  |          | G|DISPLAY| |     0|   168|    64\n"
      "  |  OCCURS 12 TIMES (loc-len=14)\n",
      "\n01|RUN-DATE-PARTS                 |          | G|DISPLAY| |     0|     8|   232\n"
      "  |  REDEFINES RUN-DATE\n",
      "\nErrors: 0, Warnings: 0\n",
  };
  for (const char* row : rows) EXPECT_NE(run.out.find(row), std::string::npos) << row << run.out;
}

// Embedded SQL: each block counts under "SQL:", a bad one under the name
// of its error node, with one message at its first bad token; "-no-sql"
// still counts the blocks as EXEC blocks of the subsystem SQL.
TEST_F(LarkstatTest, SqlBlocksAreCountedByTheirStatementsAndABadOneAsAnError) {
  const std::string sql = kData + "/grammar/sql";
  ProgramRun run = Run("-lang=ansi85 -no-mem-offsets errors.cbl", "", sql);
  EXPECT_EQ(run.exitStatus, 0);
  for (const char* line : {"errors.cbl:7:43: ERROR: syntax error. at token: STK_FOR\n",
                           "errors.cbl:12:51: ERROR: syntax error. at token: identifier C\n",
                           "errors.cbl:18:57: ERROR: syntax error. at token: =\n",
                           "\nSQL:                 3\nSQL:                 3 STMT__SYNTAX_ERROR  \n",
                           "\nErrors: 3, Warnings: 0\n"})
    EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
  run = Run("-lang=mf -no-mem-offsets queries.cbl", "", sql);
  EXPECT_EQ(run.exitStatus, 0);
  for (const char* line : {"\nSQL:                13\nSQL:                 7 SQL_STMT_DECLARE_CURSOR\n",
                           "\nSQL:                 2 SQL_STMT_INSERT     \n", "\nErrors: 0, Warnings: 0\n"})
    EXPECT_NE(run.out.find(line), std::string::npos) << line << run.out;
  run = Run("-lang=mf -no-sql -no-mem-offsets queries.cbl", "", sql);
  EXPECT_NE(run.out.find("\nEXEC:               13 SQL"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("SQL_STMT"), std::string::npos) << run.out;
}

// PAYROLL is the program of SampleSource with two CALLs; it has no DATA
// DIVISION either.
TEST_F(LarkstatTest, PayrollReportListsItsCalls) {
  ProgramRun run = Run("-no-mem-offsets payroll.cbl", "", kData);
  std::vector<std::string> expected = {"*Reading* payroll.cbl",
                                       "payroll.cbl:3:8: Warning: DATA DIVISION header is missing",
                                       AnyCounter("Lines:"),
                                       AnyCounter("LinesOfCode:"),
                                       AnyCounter("Tokens:"),
                                       "",
                                       "PROGRAM-ID:            PAYROLL",
                                       "",
                                       "Sections:            1",
                                       "Paragraphs:          3",
                                       "Sentences:           3",
                                       AnyCounter("Statements:"),
                                       ""};
  expected.insert(expected.end(), kTreeLines.begin(), kTreeLines.end());
  expected.insert(expected.end(),
                  {"", "", "CALL:                2 DATEUTIL            ", "",
                   "Errors: 0, Warnings: 1"});
  ExpectLines(run.out, expected);
  EXPECT_EQ(run.exitStatus, 0);
}

TEST_F(LarkstatTest, FilesThatBailOut) {
  dir_.Write("empty.cbl", "");
  dir_.Write("sample.cbl", SampleSource());
  ProgramRun run = Run("empty.cbl");
  std::vector<std::string> lines;
  std::istringstream in(run.out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_GE(lines.size(), 3u) << run.out;
  EXPECT_EQ(lines.front(), "*Reading* empty.cbl");
  EXPECT_EQ(lines[lines.size() - 2] + "\n", std::string("ERROR: empty.cbl") + kBailoutTail);
  int parserErrors = 0;
  for (size_t i = 1; i + 2 < lines.size(); ++i)
    if (lines[i].find("ERROR: ") != std::string::npos) ++parserErrors;
  EXPECT_EQ(lines.back(), "Errors: " + std::to_string(parserErrors + 1) + ", Warnings: 0");
  EXPECT_EQ(run.exitStatus, 3);

  run = Run("-lang=wang sample.cbl");
  EXPECT_EQ(run.out,
            "*Reading* sample.cbl\n"
            "SEVERE ERROR: Parser cannot parse this mix of dialects: Wang \n"
            "ERROR: sample.cbl" + std::string(kBailoutTail) + "Errors: 2, Warnings: 0\n");
  EXPECT_EQ(run.exitStatus, 20);

  // A clean file after a failed one does not hide the failure.
  EXPECT_EQ(Run("empty.cbl sample.cbl").exitStatus, 3);
}

TEST_F(LarkstatTest, ProgressLine) {
  std::string longSource = SampleSource();
  for (int i = 0; i < 239; ++i) longSource += CommentLine("FILLER LINE") + "\n";
  dir_.Write("sample.cbl", SampleSource());
  dir_.Write("long.cbl", longSource);
  const std::string tail(27, ' ');
  const std::string steps = "Resolving Names" + tail + "\r*" + tail + "\rPreparing SourcePrint" +
                            tail + "\r*" + tail + "\rComputing Lengths & Offsets" + tail + "\r*" +
                            tail + "\r" + tail + "\r";
  ProgramRun run = Run("-progress -no-long-stat -no-mem-offsets sample.cbl");
  EXPECT_EQ(run.out, "*Reading* sample.cbl\n" + std::string(kNoDataDivision) +
                         "\n*Transforming*\nErrors: 0, Warnings: 1\n\n");
  EXPECT_EQ(run.err, steps);
  run = Run("-progress -no-long-stat -no-mem-offsets long.cbl");
  EXPECT_EQ(run.err, "    100 long.cbl" + tail + "\r    200 long.cbl" + tail + "\r" + steps);
  EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

// The programs of the NIST suite whose parse is given up: the rows
// "PROGRAM | construct | result | 3" of the grammar's table of known
// failures.
std::vector<std::string> ProgramsGivenUp() {
  std::ifstream in(kData + "/grammar/nist_known_failures.txt");
  EXPECT_TRUE(in.good());
  std::vector<std::string> programs;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    if (std::regex_match(line, std::regex(R"(([^| ]+) \|.*\| result \| 3)")))
      programs.push_back(line.substr(0, line.find(' ')));
  }
  return programs;
}

TEST_F(LarkstatTest, CorpusProgramsGiveNoPreparationWarningOrSevereError) {
  const std::string nist = std::string(LARK_CORPUS) + "/nist";
  if (!std::ifstream(nist + "/NC101A.CBL")) GTEST_SKIP() << "the NIST corpus is not at " << nist;
  ProgramRun run = Run("-no-long-stat -copylib-dir=" + Quote(nist + "/copy") + " *.CBL *.SUB",
                       "", nist);
  EXPECT_EQ(run.out.find("SourcePrint:"), std::string::npos);
  EXPECT_EQ(run.out.find("SEVERE ERROR"), std::string::npos);
  // Only the programs whose parse the grammar gives up bail out.
  std::vector<std::string> bailedOut;
  const std::regex bailout(R"(ERROR: (\S+): Parsing errors have caused bailout\..*)");
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) {
    std::smatch m;
    if (std::regex_match(line, m, bailout)) bailedOut.push_back(m[1]);
  }
  EXPECT_EQ(bailedOut, ProgramsGivenUp());
}

}  // namespace
