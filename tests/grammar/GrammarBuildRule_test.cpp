// The grammar build rule as a build runs it (cmake -P LarkGrammarRun.cmake
// with the built tools and byacc), on small grammars in a scratch folder:
// every failing check fails the step with its message and leaves no table,
// actions or constants file, and the next run after a fix makes them again.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "ScratchDir.h"

namespace {

namespace fs = std::filesystem;

// A grammar with one conflict cell: "(" after a word opens its subscript or
// a parenthesised word of its own.
const char kGrammar[] =
    "%token_codes\n"
    "%expect 1\n"
    "%%\n"
    "sentence : RW_DISPLAY words SEP_DOT      { $$ = $2; }\n"
    "         ;\n"
    "words    : word                         { $$ = $1; }\n"
    "         | words word                   { $$ = $1 + $2; }\n"
    "         ;\n"
    "word     : TK_USER_DEFD_WORD            { $$ = 1; }\n"
    "         | TK_USER_DEFD_WORD SEP_LEFT_PAR TK_INT_NUM_LIT SEP_RIGHT_PAR  { $$ = 2; }\n"
    "         | SEP_LEFT_PAR word SEP_RIGHT_PAR    { $$ = $2; }\n"
    "         ;\n";
const char kConflicts[] = "SEP_LEFT_PAR | shift | reduce word : TK_USER_DEFD_WORD\n";

// A grammar of typed values, as the COBOL grammar writes them: a %union of
// a node and a code, the tokens spliced as <node>, a %type on every
// nonterminal with a value.  Its actions call Wrap (a node) and Count (a
// code), which the compile check declares.
const char kTypedGrammar[] =
    "%union {\n"
    "  OrvExpr* node;\n"
    "  std::intptr_t code;\n"
    "}\n"
    "%token_codes <node>\n"
    "%type <node> sentence words word\n"
    "%type <code> count\n"
    "%%\n"
    "sentence : RW_DISPLAY words count SEP_DOT   { $$ = Wrap($2, $3); }\n"
    "         ;\n"
    "words    : word                         { $$ = $1; }\n"
    "         | words word                   { $$ = Wrap($2, Count($1)); }\n"
    "         ;\n"
    "word     : TK_USER_DEFD_WORD            { $$ = $1; }\n"
    "         ;\n"
    "count    : TK_INT_NUM_LIT               { $$ = 3; }\n"
    "         ;\n";

std::string Edited(const std::string& text, const std::string& from, const std::string& to) {
  std::string t = text;
  const std::size_t at = t.find(from);
  EXPECT_NE(std::string::npos, at) << from;
  return at == std::string::npos ? t : t.replace(at, from.size(), to);
}

class GrammarBuildRuleTest : public ::testing::Test {
 protected:
  const char* const kOutputs[3] = {"Mini.tables.inc", "Mini.actions.inc", "Mini.constants.h"};

  // A stand-in for byacc: a script that answers -V with `version` and
  // passes everything else on to the real byacc.
  std::string Stub(const std::string& version) {
    const std::string path = dir_.Write("stub/byacc", "#!/bin/sh\nif [ \"$1\" = -V ]; then echo \"byacc - " + version +
                                                          "\"; exit 0; fi\nexec '" LARK_BYACC "' \"$@\"\n");
    fs::permissions(path, fs::perms::owner_all);
    return path;
  }

  // Runs the rule on `grammar` and `conflicts`; returns the exit status and
  // leaves everything it printed in log_.
  int Run(const std::string& grammar, const std::string& conflicts, const std::string& byacc = LARK_BYACC) {
    dir_.Write("Mini.y", grammar);
    dir_.Write("Mini.conflicts", conflicts);
    const std::string command =
        std::string("'" LARK_CMAKE "'") + " -DNAME=Mini -DGRAMMAR='" + dir_.Path("Mini.y") + "' -DCONFLICTS='" +
        dir_.Path("Mini.conflicts") + "' -DTOKENS='" LARK_TOKEN_TABLE "' -DBYACC='" + byacc +
        "' -DSPLICE='" LARK_SPLICE "' -DEXTRACT='" LARK_EXTRACT "' -DCONFLICT_CHECK='" LARK_CONFLICT_CHECK
        "' -DTABLE_CHECK='" LARK_TABLE_CHECK "' -DWORK_DIR='" + dir_.Path("work") + "' -DOUT_DIR='" +
        dir_.Path("out") + "' -P '" LARK_GRAMMAR_RUN_SCRIPT "' > '" + dir_.Path("log") + "' 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(dir_.Path("log"));
    std::ostringstream text;
    text << in.rdbuf();
    log_ = text.str();
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // Outputs of the rule (or what byacc and the extractor make on the way)
  // that exist anywhere in the scratch folder.
  std::string TablesLeft() const {
    std::string left;
    for (const auto& e : fs::recursive_directory_iterator(dir_.path())) {
      const std::string name = e.path().filename().string();
      for (const std::string suffix : {".tables.inc", ".actions.inc", ".constants.h", ".tab.c", ".code.c"})
        if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
          left += e.path().string() + "\n";
    }
    return left;
  }

  void WriteStaleOutputs() {
    for (const char* name : kOutputs) dir_.Write(std::string("out/") + name, "stale\n");
  }

  ScratchDir dir_;
  std::string log_;
};

TEST_F(GrammarBuildRuleTest, MakesTheThreeOutputsFromAGoodGrammar) {
  WriteStaleOutputs();
  ASSERT_EQ(0, Run(kGrammar, kConflicts)) << log_;
  for (const char* name : kOutputs) {
    std::ifstream in(dir_.Path(std::string("out/") + name));
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_NE("stale\n", text.str()) << name;
    EXPECT_FALSE(text.str().empty()) << name;
  }
  // byacc's report stays for reading; its code file does not.
  EXPECT_TRUE(fs::exists(dir_.Path("work/Mini.output")));
  EXPECT_FALSE(fs::exists(dir_.Path("work/Mini.code.c")));
  // A newer byacc is accepted.
  EXPECT_EQ(0, Run(kGrammar, kConflicts, Stub("2.0 20240109"))) << log_;
}

TEST_F(GrammarBuildRuleTest, EveryFailingCheckFailsAndLeavesNoOutputs) {
  const struct {
    const char* what;
    std::string grammar;
    std::string conflicts;
    std::string byaccVersion;  // empty: the real byacc
    std::string message;
  } cases[] = {
      {"an older byacc", kGrammar, kConflicts, "2.0 20200910",
       "byacc 2.0 20221106 or later is needed; " + dir_.Path("stub/byacc") + " is 2.0 20200910"},
      {"an older byacc of another major version", kGrammar, kConflicts, "1.9 20230101", "2.0 20221106 or later is needed"},
      {"a byacc without a version", kGrammar, kConflicts, "unknown", "2.0 20221106 or later is needed"},
      {"a %expect mismatch", Edited(kGrammar, "%expect 1", "%expect 2"), kConflicts, "",
       "expected 2 shift/reduce conflicts"},
      {"a rule never reduced", std::string(kGrammar) + "spare : RW_FILE ;\n", kConflicts, "", "never reduced"},
      {"an action using yychar", Edited(kGrammar, "{ $$ = 1; }", "{ $$ = yychar; }"), kConflicts, "", "uses yychar"},
      {"an action using YYERROR", Edited(kGrammar, "{ $$ = 1; }", "{ YYERROR; }"), kConflicts, "", "uses YYERROR"},
      {"a conflict cell not expected", kGrammar, "", "", "+ SEP_LEFT_PAR | shift | reduce word : TK_USER_DEFD_WORD"},
      {"an expected cell missing", kGrammar, std::string(kConflicts) + "RW_IN | shift | reduce word : TK_USER_DEFD_WORD\n",
       "", "- RW_IN | shift | reduce word : TK_USER_DEFD_WORD"},
      {"a precedence on the token of a conflict cell", Edited(kGrammar, "%expect 1\n", "%expect 1\n%left SEP_LEFT_PAR\n"),
       kConflicts, "", "declares a precedence for the look-ahead of a conflict cell of"},
      {"a grammar without the token-code line", Edited(kGrammar, "%token_codes\n", "\n"), kConflicts, "",
       "has no line \"%token_codes\""},
      // A grammar with a %union: every $k needs a type, by %type or <tag>.
      {"an untyped value", Edited(kTypedGrammar, "%type <node> sentence words word\n", "%type <node> sentence word\n"),
       "", "", "$2 (words) is untyped"},
      {"an untyped $0", Edited(kTypedGrammar, "{ $$ = 3; }", "{ $$ = $0 != nullptr; }"), "", "", "$0 is untyped"},
      // byacc's line numbers are those of the grammar file: the token codes
      // take the place of their line.
      {"a grammar byacc refuses", Edited(kGrammar, "SEP_DOT      {", "SEP_DOT %left {"), kConflicts, "",
       "line 4 of \"Mini.y\", syntax error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteStaleOutputs();
    const std::string byacc = c.byaccVersion.empty() ? std::string(LARK_BYACC) : Stub(c.byaccVersion);
    EXPECT_NE(0, Run(c.grammar, c.conflicts, byacc));
    EXPECT_NE(std::string::npos, log_.find(c.message)) << log_;
    EXPECT_EQ("", TablesLeft());
    // Fixed, the next run makes the outputs again.
    ASSERT_EQ(0, Run(kGrammar, kConflicts)) << log_;
    for (const char* name : kOutputs) EXPECT_TRUE(fs::exists(dir_.Path(std::string("out/") + name))) << name;
  }
}

TEST_F(GrammarBuildRuleTest, AMissingByaccFailsNamingTheVersionNeeded) {
  WriteStaleOutputs();
  EXPECT_NE(0, Run(kGrammar, kConflicts, dir_.Path("no/byacc")));
  EXPECT_NE(std::string::npos, log_.find("byacc 2.0 20221106 or later is needed")) << log_;
  EXPECT_EQ("", TablesLeft());
}

// The actions of a typed grammar compile against the dispatcher, and a
// value of one member passed where the other is wanted does not: a code
// given as a node, a node given as a code.
TEST_F(GrammarBuildRuleTest, AValueOfTheWrongMemberDoesNotCompile) {
  const struct {
    const char* what;
    std::string grammar;
    const char* error;  // null: compiles
  } cases[] = {
      {"the grammar as written", kTypedGrammar, nullptr},
      {"a <code> passed as a node", Edited(kTypedGrammar, "Wrap($2, $3)", "Wrap($3, $3)"), "invalid conversion"},
      {"a <node> passed as a code", Edited(kTypedGrammar, "Wrap($2, $3)", "Wrap($2, $2)"), "invalid conversion"},
      {"a <code> result from a node", Edited(kTypedGrammar, "{ $$ = 3; }", "{ $$ = $1; }"), "invalid conversion"},
  };
  const std::string unit = dir_.Write("unit.cpp",
                                      "#include \"OrvActionFrame.h\"\n"
                                      "class OrvExpr;\n"
                                      "OrvExpr* Wrap(OrvExpr* node, std::intptr_t count);\n"
                                      "std::intptr_t Count(OrvExpr* node);\n"
                                      "namespace mini {\n"
                                      "#include \"Mini.constants.h\"\n"
                                      "#define LARK_GRAMMAR_ACTIONS \"Mini.actions.inc\"\n"
                                      "#include \"OrvGrammarActions.inc\"\n"
                                      "}\n");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(0, Run(c.grammar, "")) << log_;
    const std::string command = std::string("'" LARK_CXX "' -std=c++17 -fsyntax-only -I'" LARK_GRAMMAR_INCLUDE_DIR
                                            "' -I'") +
                                dir_.Path("out") + "' '" + unit + "' > '" + dir_.Path("compile.log") + "' 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(dir_.Path("compile.log"));
    std::ostringstream text;
    text << in.rdbuf();
    if (c.error == nullptr) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << text.str();
    } else {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0);
      EXPECT_NE(std::string::npos, text.str().find(c.error)) << text.str();
    }
  }
}

// The table checker as a program, on a copy of good tables broken by hand.
TEST_F(GrammarBuildRuleTest, TableCheckerProgramFailsOnBrokenTables) {
  ASSERT_EQ(0, Run(kGrammar, kConflicts)) << log_;
  std::ifstream in(dir_.Path("out/Mini.tables.inc"));
  std::ostringstream text;
  text << in.rdbuf();
  const std::string broken =
      std::regex_replace(text.str(), std::regex(R"((YYINT yylen\[\] = \{\s*)2,)"), "$013,");
  ASSERT_NE(text.str(), broken);
  const std::string table = dir_.Write("broken.tab.c", broken);
  const std::string command = std::string("'" LARK_TABLE_CHECK "' '") + table + "' '" + dir_.Path("out/Mini.constants.h") +
                              "' > '" + dir_.Path("log") + "' 2>&1";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
  std::ifstream log(dir_.Path("log"));
  std::ostringstream logText;
  logText << log.rdbuf();
  EXPECT_NE(std::string::npos, logText.str().find("rule 0 has left-hand side -1 and length 3")) << logText.str();
  EXPECT_NE(std::string::npos, logText.str().find("lark_grammar_tables: ")) << logText.str();
}

}  // namespace
