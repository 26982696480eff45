// The audit of the COBOL grammar beside its build check: the rules whose
// actions run during trial parses are exactly the ones that steer trial
// parsing or switch the lexer and the token supply, a precedence declared
// on the look-ahead of a conflict cell stops the build, and every statement
// has a section of its own with its syntax.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "OrvGrammar.h"
#include "ScratchDir.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.good()) << path;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The folder of OrvGrammar.y and OrvGrammar.conflicts.
std::string GrammarSourceDir() {
  const std::string script = LARK_GRAMMAR_RUN_SCRIPT;
  return script.substr(0, script.rfind('/'));
}

// The texts of the rules whose action cases run code in a trial parse:
// byacc puts the { } code of the other cases behind "if (!yytrial)".
std::set<std::string> RulesWithTrialCode() {
  std::istringstream in(ReadFile(LARK_COBOL_GRAMMAR_OUT_DIR "/OrvGrammar.actions.inc"));
  std::set<std::string> rules;
  std::string line;
  int rule = -1;
  while (std::getline(in, line)) {
    if (line.compare(0, 5, "case ") == 0) {
      rule = std::stoi(line.substr(5));
      continue;
    }
    if (rule < 0) continue;
    if (line.find("if (!yytrial)") == std::string::npos) {
      std::string text = OrvCobolGrammar.tables->RuleText(rule);
      while (!text.empty() && text.back() == ' ') text.pop_back();
      rules.insert(text);
    }
    rule = -1;
  }
  return rules;
}

TEST(GrammarAuditTest, OnlyTheRulesThatSteerTrialsOrSwitchTheLexerRunInTrials) {
  const std::set<std::string> expected = {
      // Subscripts and reference modification: marks, commits when not
      // nested, the plain forms clearing a value that is not null.
      "subscript_mark :",
      "refmod_mark :",
      "table_element : qualified_name SEP_LEFT_PAR subscript_mark subscripts SEP_RIGHT_PAR",
      "table_element : qualified_name",
      "identifier : table_element SEP_LEFT_PAR refmod_mark arith_expr SEP_COLON arith_expr_opt SEP_RIGHT_PAR",
      "identifier : table_element",
      // The two rules of a qualified name clear their value first.
      "qualified_names : name_use",
      "qualified_names : qualified_names of_in name_use",
      // PERFORM commits when its procedures are known or its statements begin.
      "perform_statement : RW_PERFORM procedure_range perform_repeat_opt",
      "perform_block_start :",
      // Switches of the lexer and the token supply.
      "reserved_lookup_off :",
      "reserved_lookup_on :",
      "name_lookup_off :",
      "name_lookup_on :",
      "computer_name_end :",
      "function_mode_on :",
      "function_mode_off :",
      "special_names_start :",
      // The end of SPECIAL-NAMES also commits a trial about a device word.
      "special_names_end :",
      "debugging_mode_opt : with_opt RW_DEBUGGING RW_MODE",
      "special_names_clause : RW_DECIMAL_POINT is_opt RW_COMMA",
      "with_linkage_opt : RW_WITH name_lookup_off TK_CHAR_STRING linkage_word_opt",
      "proc_division_start :",
      "proc_division : RW_PROCEDURE RW_DIVISION call_convention_opt with_linkage_opt proc_using_opt giving_opt "
      "SEP_DOT proc_division_start copy_item declaratives_opt proc_container_start copy_item procedure_items",
      // Error rules put the switches back.
      "config_paragraph : error",
      "special_names_clause : error",
      "copy_item : error",
      "procedure_item : error",
      "statement : error",
      // ASSIGN, DATA RECORDS, the CD clauses after DESTINATION and the
      // positions of report groups commit.
      "assign_clause : RW_ASSIGN to_opt assign_target",
      "data_records_commit :",
      "cd_clause : symbolic_opt cd_queue is_opt entry_name_def",
      "cd_commit :",
      "report_position : integer RW_NEXT RW_PAGE",
      "next_group_commit :",
      // The special reserved words of RECORDING MODE and VALUE OF.
      "special_words_on :",
      "file_description_clause : RW_RECORDING special_words_on mode_opt is_opt recording_mode",
      "value_of_start :",
      "file_description_clause : RW_VALUE RW_OF value_of_start value_of_items",
      // Error rules of the INPUT-OUTPUT SECTION and the DATA DIVISION.
      "file_control_entry : error",
      "select_clause : error",
      "file_description_clause : error",
      "cd_clause : error",
      "record_item : error",
      "data_clause : error",
      "report_description_clause : error",
      "report_group_item : error",
      "report_group_clause : error",
      "screen_item : error",
      "screen_clause : error",
      // The conditional phrases: the absent phrase and the rule that makes
      // the phrase's node commit, for both the phrase and its NOT twin.
      "on_size_error_opt :",
      "size_error_start :",
      "not_on_size_error_opt :",
      "not_size_error_start :",
      "on_call_exception_opt :",
      "call_exception_start :",
      "not_on_call_exception_opt :",
      "not_call_exception_start :",
      "invalid_key_opt :",
      "invalid_key_start :",
      "not_invalid_key_opt :",
      "not_invalid_key_start :",
      "at_end_opt :",
      "at_end_start :",
      "not_at_end_opt :",
      "not_at_end_start :",
      "end_of_page_opt :",
      "end_of_page_start :",
      "not_end_of_page_opt :",
      "not_end_of_page_start :",
      "on_overflow_opt :",
      "overflow_start :",
      "not_on_overflow_opt :",
      "not_overflow_start :",
      // The ADD TO format and the markers after ADD's GIVING and CALL's
      // program commit, and so does DIVIDE when its node is made.
      "add_format : add_operands RW_TO rounded_identifiers",
      "commit_mark :",
      "call_mark :",
      "divide_start :",
      // ACCEPT and DISPLAY: the special reserved words go off after the
      // items; ACCEPT's early node and MESSAGE COUNT commit.
      "accept_start :",
      "accept_statement : RW_ACCEPT special_words_on cd_name_use message_opt RW_COUNT",
      "display_start :",
      // Their exception phrases commit when absent and when they begin.
      "on_accept_exception_opt :",
      "on_accept_exception_start :",
      "not_on_accept_exception_opt :",
      "not_on_accept_exception_start :",
      "on_display_exception_opt :",
      "on_display_exception_start :",
      "not_on_display_exception_opt :",
      "not_on_display_exception_start :",
      // An error among the phrases of a DISPLAY item.
      "display_phrase : error",
      // INSPECT ... TALLYING commits.
      "inspect_tallying_opt : RW_TALLYING tally_clauses",
      // EXEC SQL ... END-EXEC commits every trial open in its statement.
      "exec_statement : RW_EXEC TK_SQL sql_statement RW_END_EXEC",
      // EXEC CICS: the ASSIGN names and the text of an unknown command are
      // read with reserved-word and name lookup off; the switches turn
      // back on after each assignment's name, at the end of ASSIGN and of
      // the text, and after an error in the block.
      "cics_statement : error",
      "cics_assign_statement : CTK_ASSIGN cics_placeholder cics_words_off cics_assignments_opt",
      "cics_words_off :",
      "cics_words_on :",
      "cics_assignment : TK_CHAR_STRING cics_words_on SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR",
      "cics_text : cics_unknown_word cics_text_on cics_text_items",
      "cics_text : cics_head cics_start cics_options_opt cics_unknown_word cics_text_on cics_text_items",
      "cics_text_on :",
  };
  EXPECT_EQ(RulesWithTrialCode(), expected);
}

// Runs the grammar rule on an edited copy of OrvGrammar.y; returns the exit
// status with the output in `log`.
int RunRuleOnEditedGrammar(const std::string& insertion, std::string& log) {
  ScratchDir dir;
  std::string grammar = ReadFile(GrammarSourceDir() + "/OrvGrammar.y");
  const std::string anchor = "%expect-rr 2\n";
  const std::size_t at = grammar.find(anchor);
  EXPECT_NE(at, std::string::npos);
  grammar.insert(at + anchor.size(), insertion);
  dir.Write("Edited.y", grammar);
  const std::string command = std::string("'" LARK_CMAKE "'") + " -DNAME=Edited -DGRAMMAR='" + dir.Path("Edited.y") +
                              "' -DCONFLICTS='" + GrammarSourceDir() + "/OrvGrammar.conflicts' -DTOKENS='" +
                              LARK_TOKEN_TABLE "' -DBYACC='" LARK_BYACC "' -DSPLICE='" LARK_SPLICE
                              "' -DEXTRACT='" LARK_EXTRACT "' -DCONFLICT_CHECK='" LARK_CONFLICT_CHECK
                              "' -DTABLE_CHECK='" LARK_TABLE_CHECK "' -DWORK_DIR='" + dir.Path("work") +
                              "' -DOUT_DIR='" + dir.Path("out") + "' -P '" LARK_GRAMMAR_RUN_SCRIPT "' > '" +
                              dir.Path("log") + "' 2>&1";
  const int status = std::system(command.c_str());
  log = ReadFile(dir.Path("log"));
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(GrammarAuditTest, TheGrammarUneditedPassesTheRule) {
  std::string log;
  EXPECT_EQ(0, RunRuleOnEditedGrammar("", log)) << log;
}

// Each look-ahead token of a conflict cell, given a precedence: one case per
// token, each a whole run of the grammar rule, so that the cases run apart.
class PrecedenceOnConflictToken : public ::testing::TestWithParam<const char*> {};

TEST_P(PrecedenceOnConflictToken, StopsTheBuild) {
  const char* token = GetParam();
  std::string log;
  EXPECT_NE(0, RunRuleOnEditedGrammar(std::string("%left ") + token + "\n", log));
  EXPECT_NE(log.find("declares a precedence for the look-ahead of a conflict cell"), std::string::npos) << log;
  EXPECT_NE(log.find(token), std::string::npos) << log;
}

INSTANTIATE_TEST_SUITE_P(GrammarAuditTest, PrecedenceOnConflictToken,
                         ::testing::Values("SEP_LEFT_PAR", "RW_IN", "RW_OF", "RW_FILE", "RW_DESTINATION", "RW_NEXT",
                                           "CMB_NOT_ON_AT", "TK_USER_DEFD_WORD", "RW_FUNCTION", "ST_LEFT_PAR",
                                           "ST_RIGHT_PAR"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// The lines of a text.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// Every statement of first_statement has a section: a banner
// ("/* ----" ... "---- */") whose first line gives the statement's syntax,
// then the statement's rule before any other rule; the sections follow the
// order of first_statement.
TEST(GrammarAuditTest, EveryStatementHasASectionWithItsSyntaxInTheOrderOfFirstStatement) {
  const std::vector<std::string> lines = Lines(ReadFile(GrammarSourceDir() + "/OrvGrammar.y"));
  // The alternatives of first_statement that are statements.
  std::vector<std::string> statements;
  std::size_t at = 0;
  while (at < lines.size() && lines[at] != "first_statement") ++at;
  ASSERT_LT(at, lines.size()) << "no rule first_statement";
  for (++at; at < lines.size() && lines[at].find_first_not_of(' ') != std::string::npos &&
             lines[at][lines[at].find_first_not_of(' ')] != ';';
       ++at) {
    std::istringstream words(lines[at]);
    std::string bar, name;
    words >> bar >> name;
    if (name.size() > 10 && name.compare(name.size() - 10, 10, "_statement") == 0) statements.push_back(name);
  }
  ASSERT_GT(statements.size(), 40u);
  // The rule definitions (a name alone at the start of a line) and the
  // section banners, by line.
  std::vector<std::size_t> ruleLines;
  std::vector<std::pair<std::size_t, std::size_t>> banners;  // first line, last line
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    if (!l.empty() && l.find_first_not_of("abcdefghijklmnopqrstuvwxyz_0123456789") == std::string::npos)
      ruleLines.push_back(i);
    if (l.compare(0, 7, "/* ----") == 0) {
      std::size_t end = i + 1;
      while (end < lines.size() && lines[end].find("---- */") == std::string::npos) ++end;
      banners.push_back({i, end});
    }
  }
  std::size_t previous = 0;
  for (const std::string& statement : statements) {
    SCOPED_TRACE(statement);
    std::size_t rule = 0;
    while (rule < lines.size() && lines[rule] != statement) ++rule;
    ASSERT_LT(rule, lines.size()) << "no rule";
    EXPECT_GT(rule, previous) << "out of the order of first_statement";
    previous = rule;
    const std::pair<std::size_t, std::size_t>* banner = nullptr;
    for (const auto& b : banners)
      if (b.second < rule) banner = &b;
    ASSERT_NE(banner, nullptr) << "no section banner";
    for (std::size_t r : ruleLines)
      EXPECT_FALSE(r > banner->second && r < rule) << "the rule " << lines[r] << " stands between the banner and the statement";
    const std::string syntax = lines[banner->first + 1];
    const std::size_t first = syntax.find_first_not_of(' ');
    ASSERT_NE(first, std::string::npos) << "an empty banner";
    EXPECT_TRUE((syntax[first] >= 'A' && syntax[first] <= 'Z') || syntax[first] == '{')
        << "the banner does not begin with the statement's syntax: " << syntax;
  }
}

}  // namespace
