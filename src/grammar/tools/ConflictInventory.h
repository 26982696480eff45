// The conflict inventory of a grammar: every table cell where byacc keeps
// more than one action for trial parsing, written by content so that state
// and rule renumbering does not change it, and compared with the list of
// expected cells kept beside the grammar.
//
// A cell is one line:  TOKEN | shift | reduce RULE | reduce RULE ...
// with "shift" only when one alternative is a shift, and the reductions in
// the order they are tried (increasing rule number), each named by its rule
// text "lhs : rhs".  A mid-rule action's empty rule is named by the rule it
// stands in, with "{*}" at its place; other mid-rule actions of a rule text
// show as "{}".
#ifndef LARK_GRAMMAR_TOOLS_CONFLICTINVENTORY_H
#define LARK_GRAMMAR_TOOLS_CONFLICTINVENTORY_H

#include <string>
#include <vector>

namespace larkyacc {

// Reads the cells of a byacc report (X.output): the rule list at its top and
// the lines "N: shift/reduce conflict (shift S, reduce R) on TOKEN" and
// "N: reduce/reduce conflict (reduce R1, reduce R2) on TOKEN", merged per
// state and token.  The cells come in report order.  Refuses a report
// without a rule list, a conflict line of another form and a rule number
// the list does not hold.
bool ReadReportCells(const std::string& report, std::vector<std::string>& cells, std::string& error);

// Reads an expected-cell file: one cell per line, blank lines and lines
// starting with "#" ignored, spaces around "|" and runs of spaces free.
// Refuses (naming the line) a cell with fewer than two alternatives, a
// "shift" that is not the first alternative or an alternative that is
// neither "shift" nor "reduce RULE".
bool ReadExpectedCells(const std::string& text, std::vector<std::string>& cells, std::string& error);

// Compares the cells as multisets: empty when they hold the same cells the
// same number of times, else a diff with a "- " line for every expected cell
// the tables lack and a "+ " line for every cell they hold beyond the
// expected ones.
std::string DiffCells(const std::vector<std::string>& expected, const std::vector<std::string>& actual);

// The tokens that the declarations of a grammar (the text before its first
// "%%" line) give a precedence: every symbol named after %left, %right,
// %nonassoc or %precedence, up to the next declaration; <type> tags,
// numbers, character literals and comments are skipped.  A grammar without
// a "%%" line is refused.
bool ReadPrecedenceTokens(const std::string& grammar, std::vector<std::string>& tokens, std::string& error);

// The look-ahead tokens of the expected cells that have a precedence, one
// "TOKEN" line each in the order of the cells; empty when there is none.
// Such a precedence would let byacc settle a cell that trial parsing must
// decide, or settle it the day a rule there gains a precedence.
std::string PrecedenceOnCellTokens(const std::vector<std::string>& expected,
                                   const std::vector<std::string>& precedenceTokens);

}  // namespace larkyacc

#endif
