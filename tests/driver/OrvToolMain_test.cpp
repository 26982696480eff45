// Tests of the tool driver run in process with a scripted parser: the start
// (options from the environment and the command line, banner, listings,
// input checks, refusals), the handling of each file (messages, bail-out,
// walker, short statistics, counts) and the exit status.
#include "OrvToolMain.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "DriverTestSupport.h"
#include "OrvExpr.h"
#include "ToolTestTexts.h"

namespace {

TEST_F(DriverTest, BannerAloneOrWithVersionEndsWithNoInputError) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"-v"}}) {
    ToolRun run = Run(args);
    EXPECT_EQ(run.out, std::string(kLarkstatBanner) + "ERROR: No input files specified\n");
    EXPECT_EQ(run.result, ORV_BAD_OPTIONS);
    EXPECT_EQ(run.parseCalls, 0);
  }
}

TEST_F(DriverTest, HelpListsTheWordsAndEveryOptionThenHandlesTheFiles) {
  std::string f = File("a.cbl", "program A\n");
  ToolRun run = Run({"-help", f});
  EXPECT_EQ(run.result, 0);
  std::string start = std::string(kLarkstatBanner) + "Command-Line arguments parsed:\n  -help\n  " + f +
                      "\n\nCommand-Line parameters set:\n\n*** Settings ***\n\n"
                      "-help=boolean (now: +ON+, can be -help or -no-help)\n"
                      "\tPrint command line options values and description\n";
  EXPECT_EQ(run.out.substr(0, start.size()), start);
  for (const char* expected :
       {"\n*** Generic Reporting ***\n\n-conv-warn=boolean (now: +ON+, can be -conv-warn or "
        "-no-conv-warn)\n\tWarn about transformation problems\n",
        "\tInform about every trasnformation performed\n",
        "\n*** Length and Offset ***\n\n",
        "-progress=boolean (now: -OFF-, can be -progress or -no-progress)\n",
        "-bailout-level=warnings|errors|severe (now: severe)\n"
        "\tLevel of parser messages that cause bailout\n"})
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
  EXPECT_EQ(run.out.find("-inline-copy"), std::string::npos);  // mask 8 is not offered
  EXPECT_NE(run.out.find(Block(f, "")), std::string::npos);
  EXPECT_EQ(run.parseCalls, 1);
}

TEST_F(DriverTest, ShortListingComesBeforeTheFiles) {
  std::string f = File("a.cbl", "");
  ToolRun run = Run({"-pf", "-stat", f});
  std::string listing = std::string(kLarkstatBanner) +
                        "-no-help\n-pf\n-no-v\n-conv-warn\n-no-conv-info\n-no-conv-list\n"
                        "-no-find-only\n-no-silent\n-lang=ansi85\n-lang2=none\n-line-format=dial\n";
  EXPECT_EQ(run.out.substr(0, listing.size()), listing);
  std::string tail = "-no-progress\n-bailout-level=severe\n-stat\n" + Block(f, "");
  ASSERT_GE(run.out.size(), tail.size());
  EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
}

// Bad option words: each gives one error line, nothing is parsed, status 21.
struct BadWords {
  std::vector<std::string> args;
  const char* env;  // ORV_TOOL_OPTIONS, or null
  const char* out;
};

TEST_F(DriverTest, BadOptionWordsAreEachReportedAndNothingIsParsed) {
  std::string f = File("a.cbl", "program A\n");
  const BadWords cases[] = {
      {{"-gen-src"}, nullptr, "ERROR: Unknown option: -gen-src\n"},
      {{"-gen-file=o.cbl"}, nullptr, "ERROR: Unknown option: -gen-file=o.cbl\n"},
      {{"-gen-sfx=.o"}, nullptr, "ERROR: Unknown option: -gen-sfx=.o\n"},
      {{"-inline-copy"}, nullptr, "ERROR: Unknown option: -inline-copy\n"},
      {{"-no-bailout-level"}, nullptr,
       "ERROR: Non-boolean flag -no-bailout-level has no- prefix\n"},
      {{"-bailout-level=9"}, nullptr,
       "ERROR: Selection option is assigned illegal value: -bailout-level=9\n"},
      {{"-nothing", "-bailout-level=none"}, nullptr,
       "ERROR: Unknown option: -nothing\n"
       "ERROR: Selection option is assigned illegal value: -bailout-level=none\n"},
      // The environment is read first; its error ends the start before the
      // command line, whose -v would print the banner.
      {{"-v"}, "x.cbl",
       "ERROR: File names not allowed in options taken from environment variables: x.cbl\n"},
      {{}, "-stat -bogus", "ERROR: Unknown option: -bogus\n"},
  };
  for (const BadWords& c : cases) {
    if (c.env) setenv(OrvToolOptionsVariable, c.env, 1);
    std::vector<std::string> args = c.args;
    args.push_back(f);
    ToolRun run = Run(args);
    unsetenv(OrvToolOptionsVariable);
    EXPECT_EQ(run.out, c.out) << c.args[0];
    EXPECT_EQ(run.result, ORV_BAD_OPTIONS);
    EXPECT_EQ(run.parseCalls, 0);
  }
}

TEST_F(DriverTest, CommandLineOverridesTheEnvironment) {
  std::string f = File("a.cbl", "program A\ncounts 12 11 30\nresult 1\n");
  setenv(OrvToolOptionsVariable, "-stat -bailout-level=warnings", 1);
  ToolRun run = Run({"-no-stat", f});
  // bailout-level came from the environment, stat was switched off again.
  EXPECT_EQ(run.out, Block(f, "ERROR: " + f + kBailoutTail, 1));
  EXPECT_EQ(run.result, 1);
}

TEST_F(DriverTest, InputsAreAllCheckedBeforeAnyIsParsed) {
  std::string good = File("a.cbl", "program A\n");
  std::string missing = dir_.Path("missing.cbl");
  std::string directory = dir_.MakeDir("sub");
  struct Case {
    std::string second;
    std::string out;
  } cases[] = {
      {missing, "ERROR: Cannot open file '" + missing + "' for input\n"},
      {directory, "ERROR: Cannot open file '" + directory + "' for input: it is a directory\n"},
  };
  for (const Case& c : cases) {
    ToolRun run = Run({good, c.second});
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.result, ORV_CANNOT_OPEN_INPUT);
    EXPECT_EQ(run.parseCalls, 0);
  }
}

TEST_F(DriverTest, DialectsOutsideTheAllowedSetEndTheRun) {
  std::string f = File("a.cbl", "");
  RunSetup setup;
  setup.allowed = OrvDialFieldMask(ORV_DIAL_ANSI85);
  ToolRun run = Run({"-lang=osvs", f}, setup);
  EXPECT_EQ(run.out, "ERROR: The specified combination of dialects is not allowed\n");
  EXPECT_EQ(run.result, ORV_DIALECTS_NOT_ALLOWED);
  EXPECT_EQ(run.parseCalls, 0);
}

TEST_F(DriverTest, OptionGroupsOverflowingTheRegistryEndTheRun) {
  static int values[100];
  std::vector<OrvCLFlag> options;
  std::vector<std::string> names;
  for (int i = 0; i < 100; ++i) names.push_back("opt" + std::to_string(i));
  for (int i = 0; i < 100; ++i)
    options.push_back({'b', names[i].c_str(), &values[i], nullptr, nullptr, nullptr, 0, "x", 1});
  options.push_back({0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0});
  RunSetup setup;
  setup.toolOptions = options.data();
  ToolRun run = Run({File("a.cbl", "")}, setup);
  EXPECT_EQ(run.out, "ERROR: OrvAddCommandLineFlags: too many options\n");
  EXPECT_EQ(run.result, ORV_TOO_MANY_OPTIONS);
}

// A parse result against each bail-out level: above the level the file is
// not walked and its result is the run's.
struct BailoutCase {
  int parseResult;
  const char* level;
  bool bails;
};

class BailoutTest : public DriverTest, public ::testing::WithParamInterface<BailoutCase> {};

TEST_P(BailoutTest, FileBailsOutWhenTheResultExceedsTheLevel) {
  const BailoutCase& c = GetParam();
  std::string f = File("a.cbl", "program A\nresult " + std::to_string(c.parseResult) + "\n");
  ToolRun run = Run({std::string("-bailout-level=") + c.level, f});
  if (c.bails) {
    EXPECT_EQ(run.out, Block(f, "ERROR: " + f + kBailoutTail, 1));
    EXPECT_EQ(run.result, c.parseResult);
    EXPECT_TRUE(run.walked.empty());
  } else {
    EXPECT_EQ(run.out, Block(f, ""));
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.walked, std::vector<std::string>{f});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Levels, BailoutTest,
    ::testing::Values(BailoutCase{0, "warnings", false}, BailoutCase{1, "warnings", true},
                      BailoutCase{2, "warnings", true}, BailoutCase{0, "errors", false},
                      BailoutCase{1, "errors", false}, BailoutCase{2, "errors", true},
                      BailoutCase{2, "severe", false}, BailoutCase{3, "severe", true},
                      BailoutCase{11, "severe", true}, BailoutCase{20, "severe", true},
                      BailoutCase{3, "warnings", true}, BailoutCase{20, "errors", true}),
    [](const ::testing::TestParamInfo<BailoutCase>& info) {
      return "Result" + std::to_string(info.param.parseResult) + "_" + info.param.level;
    });

// The run's status is the last failure of any file: a later clean file
// does not hide it.
TEST_F(DriverTest, ExitStatusKeepsTheLastFailedFile) {
  struct Case {
    std::string first, second;
    int result;
  } cases[] = {
      {"result 3\n", "program B\n", 3},
      {"program A\nwalker 5\n", "program B\n", 5},
      {"result 3\n", "program B\nwalker 4\n", 4},
      {"program A\nwalker 4\n", "result 20\n", 20},
      {"program A\nresult 2\n", "program B\n", 0},
      {"program A\n", "program B\n", 0},
  };
  for (const Case& c : cases) {
    ToolRun run = Run({File("a.cbl", c.first), File("b.cbl", c.second)});
    EXPECT_EQ(run.result, c.result) << c.first << c.second;
  }
}

TEST_F(DriverTest, MessagesAreReportedInOrderAndCounted) {
  std::string f = File("a.cbl",
                       "program A\nmessage 969 3 7 watch out\nsink 971 very bad\n"
                       "message 970 4 0 broken\nresult 2\nwalker-message 968 walked\n");
  ToolRun run = Run({f});
  // The severe message went to the sink during the parse; the list follows.
  EXPECT_EQ(run.out, Block(f,
                           "SEVERE ERROR: very bad\n" + f + ":3:8: Warning: watch out\n" + f +
                               ":4:1: ERROR: broken\nwalked\n",
                           2, 1));
  EXPECT_EQ(run.result, 0);
}

TEST_F(DriverTest, ShortStatisticsOnlyForAWalkedTree) {
  struct Case {
    std::string script;
    std::string middle;
  } cases[] = {
      {"program A\ncounts 12 11 40\n", "Lines:           12\nLinesOfCode:     11\n"},
      {"counts 12 11 40\n", ""},  // no tree
  };
  for (const Case& c : cases) {
    std::string f = File("a.cbl", c.script);
    EXPECT_EQ(Run({"-stat", f}).out, Block(f, c.middle));
  }
  std::string bad = File("b.cbl", "counts 12 11 40\nresult 3\n");
  EXPECT_EQ(Run({"-stat", bad}).out, Block(bad, "ERROR: " + bad + kBailoutTail, 1));
}

TEST_F(DriverTest, SilentShowsOnlyFilesWithMessages) {
  std::string clean = File("a.cbl", "program A\n");
  std::string noisy = File("b.cbl", "program B\nmessage 970 1 0 broken\nresult 2\n");
  ToolRun run = Run({"-silent", clean, noisy});
  EXPECT_EQ(run.out, noisy + ":1:1: ERROR: broken\nErrors: 1, Warnings: 0\n");
}

TEST_F(DriverTest, SeveralFilesEachEndWithAnEmptyLine) {
  std::string a = File("a.cbl", "program A\n");
  std::string b = File("b.cbl", "program B\n");
  ToolRun run = Run({a, b});
  EXPECT_EQ(run.out, Block(a, "") + "\n" + Block(b, "") + "\n");
  EXPECT_EQ(run.walked, (std::vector<std::string>{a, b}));
}

TEST_F(DriverTest, ProgressLinesGoToStandardError) {
  std::string f = File("a.cbl", "program A\nprogress 100\nprogress 0 Preparing SourcePrint\n");
  const std::string blanks(27, ' ');
  ToolRun plain = Run({"-progress", f});
  EXPECT_EQ(plain.out, Block(f, "*Transforming*\n") + "\n");
  EXPECT_EQ(plain.err, "    100 " + f + blanks + "\r" + "Preparing SourcePrint" + blanks + "\r" +
                           blanks + "\r");
  EXPECT_EQ(plain.out.find('\r'), std::string::npos);
  ToolRun search = Run({"-progress", "-find-only", f});
  EXPECT_EQ(search.out, Block(f, "*Searching*\n") + "\n");
  EXPECT_EQ(OrvConvList, 1);
  EXPECT_EQ(OrvTransFindOnly, 1);
  // Without -progress the parser gets no progress call-back.
  EXPECT_EQ(Run({f}).err, "");
}

TEST_F(DriverTest, CountsArePrintedUnsigned) {
  std::string f = File("a.cbl", "program A\nwalker-sink 70000 970\n");
  ToolRun run = Run({f});
  const std::string counts = "Errors: 70000, Warnings: 0\n";
  ASSERT_GE(run.out.size(), counts.size());
  EXPECT_EQ(run.out.substr(run.out.size() - counts.size()), counts);
}

TEST_F(DriverTest, FailedWalkerReportsItsMessagesAndSkipsTheDump) {
  std::string f = File("a.cbl", "program A\nwalker 7\nwalker-message 969 note\n");
  RunSetup setup;
  setup.dumpTree = 1;
  ToolRun run = Run({f}, setup);
  EXPECT_EQ(run.out, Block(f, "Warning: note\n", 0, 1));
  EXPECT_EQ(run.result, 7);
}

TEST_F(DriverTest, DumpTreeWritesTheTreeAfterTheWalker) {
  std::string f = File("a.cbl", "program A\n");
  RunSetup setup;
  setup.dumpTree = 1;
  OrvExpr* tree = FakeProgramTree("A");
  std::ostringstream dump;
  tree->DebugDump(dump);
  delete tree;
  ToolRun run = Run({f}, setup);
  EXPECT_EQ(run.out, Block(f, "\n***Tree After Processing:\n" + dump.str()));
}

TEST_F(DriverTest, SuffixIsPresetAndOutputNameEmptiedAfterEachFile) {
  ToolRun run = Run({File("a.cbl", "program A\n")});
  EXPECT_EQ(run.genSfx, ".xxx");
  EXPECT_EQ(run.genFile, "");
}

TEST_F(DriverTest, ASecondRunStartsFromAnEmptyRegistry) {
  VString* choices = OrvBailoutLevelChoices();
  std::string f = File("a.cbl", "program A\nresult 1\n");
  ToolRun first = Run({"-bailout-level=warnings", f});
  ToolRun second = Run({"-bailout-level=errors", f});
  EXPECT_EQ(first.result, 1);
  EXPECT_EQ(second.result, 0);
  EXPECT_EQ(OrvBailoutLevelChoices(), choices);
  EXPECT_EQ(Str(choices[2]), "severe");
  EXPECT_EQ(choices[3].length, 0);
}

TEST_F(DriverTest, WithoutParsingTheWalkerGetsEveryFileAndNoParserOptionsAreOffered) {
  std::string f = File("a.cbl", "program A\n");
  RunSetup setup;
  setup.parseSwitch = 0;
  ToolRun run = Run({f}, setup);
  EXPECT_EQ(run.out, Block(f, ""));
  EXPECT_EQ(run.parseCalls, 0);
  EXPECT_EQ(run.walked, std::vector<std::string>{f});
  EXPECT_EQ(Run({"-lang=osvs", f}, setup).out, "ERROR: Unknown option: -lang=osvs\n");
}

TEST_F(DriverTest, ParsingToolWithoutParserObjectIsRefused) {
  OrvTool tool(VString("%s"), VString("t"), VString("1"), VString("n"), nullptr);
  char name[] = "t";
  char* argv[] = {name, nullptr};
  testing::internal::CaptureStdout();
  OrvResult r = OrvToolMain(&tool, 1, argv, OrvAllDials(), 2, 0, nullptr, FakeWalker, ".x",
                            nullptr, 1, 0, 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "ERROR: OrvToolMain: the tool has no parser object\n");
  EXPECT_EQ(r, ORV_BAD_OPTIONS);
}

TEST(OrvToolTest, FreshRecordHoldsTheDefaults) {
  OrvTool tool(VString("%s: Ledgerlark ver %s."), VString("larkstat"), VString("4-2-0"),
               VString("Prints statistics of COBOL source programs."), nullptr);
  EXPECT_EQ(Str(OrvFormat(tool.bannerFormat.text, tool.commandName.text, tool.version.text)),
            "larkstat: Ledgerlark ver 4-2-0.");
  EXPECT_EQ(Str(tool.notice), "Prints statistics of COBOL source programs.");
  EXPECT_EQ(tool.bailoutLevel, ORV_BAILOUT_SEVERE);
  EXPECT_EQ(tool.help + tool.pf + tool.v + tool.progress + tool.dumpTree, 0);
  EXPECT_EQ(tool.genSfx.length + tool.genMainDir.length + tool.genFile.length, 0);
  EXPECT_EQ(tool.inputFiles.head, nullptr);
  EXPECT_EQ(tool.printer.gen_indent_step, 2);
}

}  // namespace
