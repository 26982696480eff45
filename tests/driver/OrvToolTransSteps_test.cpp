// Tests of the tool driver's transformation steps, run in process with the
// scripted parser: the object's options, its pre-processing of each file,
// the search of each tree in place of a walker, and the list of applied
// transformations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DriverTestSupport.h"
#include "OrvExpr.h"
#include "OrvOper.h"
#include "OrvTransEngine.h"
#include "OrvTransform.h"
#include "TransformTestSupport.h"

namespace {

// A transformation object for the driver: it records the driver's calls,
// answers the results it is given, and applies at every COBOL_PROGRAM node.
class DriverTransform : public OrvTransform {
public:
  DriverTransform() {
    name = VString("drv");
    inst_descr = VString("program counter\nmore");
  }
  OrvTransform* Clone() const override { return new DriverTransform(*this); }
  VString ClassName() const override { return VString("DriverTransform"); }

  OrvResult AddOptions() override {
    calls.push_back("AddOptions");
    if (addOptionsResult != ORV_OK) return addOptionsResult;
    const int records = extraOptions ? ORV_CL_FLAG_TABLE_SIZE : 2;
    optionNames.clear();
    options.count = records;
    options.records[0] = {'-', "", nullptr, nullptr, nullptr, nullptr, 0, "Driver Transform", 7};
    for (int i = 1; i < records; ++i) {
      optionNames.push_back("mark" + std::to_string(i));
      options.records[i] = {'s', "", nullptr, nullptr, &mark, nullptr, 0, "mark", 1};
    }
    for (int i = 1; i < records; ++i) options.records[i].name = optionNames[i - 1].c_str();
    return ORV_OK;
  }
  OrvResult PreProcess(const VString& file, OrvParser*, OrvPrettyPrinter*,
                       OrvTokenList* messages) override {
    calls.push_back("PreProcess " + Str(file));
    if (!preProcessMessage.empty())
      messages->AddToken(MSG_WARN, OrvTxtPosn(), VString(preProcessMessage.c_str()));
    return preProcessResult;
  }
  OrvResult Transform(const VString& file, OrvParser*, OrvPrettyPrinter*,
                      OrvTokenList* messages) override {
    calls.push_back("Transform " + Str(file));
    if (transformResult != ORV_OK)
      messages->AddToken(MSG_ERR, OrvTxtPosn(), VString("the transformation failed"));
    return transformResult;
  }
  OrvResult Prepare(OrvTokenList*) override {
    calls.push_back("Prepare");
    return prepareResult;
  }
  OrvResult ApplyOnce(OrvExpr* node, int mode, OrvTokenList*, OrvExpr**) override {
    if (node->Oper() != COBOL_PROGRAM || !applies) return ORV_TRANS_NOT_APPLIED;
    calls.push_back("ApplyOnce mode " + std::to_string(mode));
    WillTransform(0);
    return ORV_OK;
  }

  std::vector<std::string> calls;
  OrvResult addOptionsResult = ORV_OK;
  bool extraOptions = false;
  OrvResult preProcessResult = ORV_OK;
  std::string preProcessMessage;
  OrvResult transformResult = ORV_OK;
  OrvResult prepareResult = ORV_OK;
  bool applies = true;
  VString mark;
  std::vector<std::string> optionNames;
};

class TransSteps : public DriverTest {
protected:
  // A run of the driver with the object and no walker.
  ToolRun RunTransform(const std::vector<std::string>& args, int parseSwitch = 1,
                       OrvWalker walker = nullptr) {
    RunSetup setup;
    setup.walker = walker;
    setup.transform = &t_;
    setup.parseSwitch = parseSwitch;
    return Run(args, setup);
  }
  TransformStateGuard guard_;
  DriverTransform t_;
};

TEST_F(TransSteps, TheObjectsOptionsComeAfterTheToolsAndAreSetFromTheCommandLine) {
  std::string f = File("a.cbl", "program A\n");
  ToolRun run = RunTransform({"-pf", "-mark1=here", f});
  EXPECT_EQ(run.result, ORV_OK);
  EXPECT_NE(run.out.find("-no-v\n-mark1=here\n-conv-warn\n"), std::string::npos) << run.out;
  EXPECT_EQ(Str(t_.mark), "here");
  EXPECT_EQ(t_.calls.front(), "AddOptions");
}

TEST_F(TransSteps, AFailedAddOptionsEndsTheRunBeforeAnyOptionIsRead) {
  t_.addOptionsResult = 5;
  std::string f = File("a.cbl", "program A\n");
  ToolRun run = RunTransform({"-bogus", f});
  EXPECT_EQ(run.result, 5);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.parseCalls, 0);
  EXPECT_EQ(Joined(t_.calls), "AddOptions");
}

TEST_F(TransSteps, ObjectOptionsOverflowingTheRegistryEndTheRun) {
  t_.extraOptions = true;
  ToolRun run = RunTransform({File("a.cbl", "program A\n")});
  EXPECT_EQ(run.out, "ERROR: OrvAddCommandLineFlags: too many options\n");
  EXPECT_EQ(run.result, ORV_TOO_MANY_OPTIONS);
  EXPECT_EQ(run.parseCalls, 0);
}

TEST_F(TransSteps, AFileThatFailsPreProcessingIsNotProcessed) {
  struct Case {
    OrvResult result;
    const char* message;
    OrvResult fileResult;
  };
  // A file refused with messages but result 0 counts as a parse given up.
  const Case cases[] = {{7, "not for me", 7}, {7, "", 7}, {0, "not for me", ORV_PARSE_FAILED}};
  for (const Case& c : cases) {
    t_.calls.clear();
    t_.preProcessResult = c.result;
    t_.preProcessMessage = c.message;
    std::string f = File("a.cbl", "program A\n");
    ToolRun run = RunTransform({f});
    std::string middle = "ERROR: " + f + ": Failed to pre-process. This file will not be processed.\n";
    if (*c.message) middle += std::string("Warning: ") + c.message + "\n";
    EXPECT_EQ(run.out, Block(f, middle, 1, *c.message ? 1 : 0)) << c.message;
    EXPECT_EQ(run.result, c.fileResult) << c.message;
    EXPECT_EQ(run.parseCalls, 0);
    EXPECT_EQ(Joined(t_.calls), "AddOptions PreProcess " + f);
  }
}

TEST_F(TransSteps, WithoutAWalkerTheObjectSearchesEachTree) {
  std::string a = File("a.cbl", "program A\n");
  std::string b = File("b.cbl", "program B\n");
  ToolRun run = RunTransform({"-conv-list", a, b});
  EXPECT_EQ(run.result, ORV_OK);
  // The list shows running totals.
  const std::string list = "List of applied transformations:\n";
  EXPECT_EQ(run.out, Block(a, list + "1   drv\n") + "\n" + Block(b, list + "2   drv\n") + "\n");
  EXPECT_EQ(Joined(t_.calls), "AddOptions PreProcess " + a + " Transform " + a +
                                  " Prepare ApplyOnce mode 1 PreProcess " + b + " Transform " + b +
                                  " Prepare ApplyOnce mode 1");
}

TEST_F(TransSteps, FindOnlySearchesInModeZeroAndListsWhatItFound) {
  std::string a = File("a.cbl", "program A\n");
  ToolRun run = RunTransform({"-find-only", "-conv-info", "-progress", a});
  EXPECT_EQ(run.out, Block(a, "*Searching*\nFound drv (program counter)\n"
                              "List of applied transformations:\n1   drv\n") +
                         "\n");
  EXPECT_EQ(t_.calls.back(), "ApplyOnce mode 0");
  EXPECT_EQ(OrvTransFindOnly, 1);
}

TEST_F(TransSteps, ApplyingTellsAndListsOnlyWhenAsked) {
  std::string a = File("a.cbl", "program A\n");
  ToolRun quiet = RunTransform({a});
  EXPECT_EQ(quiet.out, Block(a, ""));
  OrvTransAppliedMap = OrvTransAppliedTable();
  ToolRun told = RunTransform({"-conv-info", "-progress", a});
  EXPECT_EQ(told.out, Block(a, "*Transforming*\nApplied drv (program counter)\n") + "\n");
  // Nothing applied: no list, even when asked.
  OrvTransAppliedMap = OrvTransAppliedTable();
  t_.applies = false;
  ToolRun none = RunTransform({"-conv-list", a});
  EXPECT_EQ(none.out, Block(a, ""));
}

TEST_F(TransSteps, AFailedStepReportsItsMessagesAndTheNextFileGoesOn) {
  struct Case {
    OrvResult transform;
    OrvResult prepare;
    bool prepared;
    const char* message;
  };
  const Case cases[] = {
      {9, 0, false, "ERROR: the transformation failed\n"},
      {0, 8, true, ""},
  };
  for (const Case& c : cases) {
    OrvTransAppliedMap = OrvTransAppliedTable();
    t_.calls.clear();
    t_.transformResult = c.transform;
    t_.prepareResult = c.prepare;
    std::string a = File("a.cbl", "program A\n");
    std::string b = File("b.cbl", "program B\n");
    ToolRun run = RunTransform({"-conv-list", "-silent", a, b});
    const std::string counts = *c.message ? "Errors: 1, Warnings: 0\n" : "";
    EXPECT_EQ(run.out, c.message + counts + c.message + counts);
    EXPECT_EQ(run.result, c.transform ? c.transform : c.prepare);
    std::string calls = "AddOptions";
    for (const std::string& f : {a, b})
      calls += " PreProcess " + f + " Transform " + f + (c.prepared ? " Prepare" : "");
    EXPECT_EQ(Joined(t_.calls), calls);
  }
}

TEST_F(TransSteps, ATreeAfterTheDumpAndOnlyATreeIsSearched) {
  // No tree: a bail-out, or no parsing at all.
  std::string failed = File("f.cbl", "result 3\n");
  ToolRun run = RunTransform({"-silent", failed});
  EXPECT_EQ(run.result, ORV_PARSE_FAILED);
  EXPECT_EQ(Joined(t_.calls), "AddOptions PreProcess " + failed);
  t_.calls.clear();
  std::string a = File("a.cbl", "program A\n");
  run = RunTransform({"-silent", a}, 0);
  EXPECT_EQ(run.result, ORV_OK);
  EXPECT_EQ(Joined(t_.calls), "AddOptions PreProcess " + a);

  // With a walker the walker runs instead; the object still pre-processes.
  t_.calls.clear();
  run = RunTransform({"-silent", a}, 1, FakeWalker);
  EXPECT_EQ(run.walked, std::vector<std::string>{a});
  EXPECT_EQ(Joined(t_.calls), "AddOptions PreProcess " + a);

  // The list comes after the dump of the tree.
  t_.calls.clear();
  RunSetup setup;
  setup.walker = nullptr;
  setup.transform = &t_;
  setup.dumpTree = 1;
  run = Run({"-conv-list", "-silent", a}, setup);
  const size_t dump = run.out.find("***Tree After Processing:");
  const size_t list = run.out.find("List of applied transformations:\n1   drv\n");
  EXPECT_NE(dump, std::string::npos);
  EXPECT_NE(list, std::string::npos);
  EXPECT_LT(dump, list);
}

}  // namespace
