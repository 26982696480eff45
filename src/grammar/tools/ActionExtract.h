// What the build takes from byacc's code file (X.code.c), which is never
// compiled itself: the semantic actions, as the cases of one switch, and the
// table constants.  The actions are checked to use only what the project's
// action frame provides.
#ifndef LARK_GRAMMAR_TOOLS_ACTIONEXTRACT_H
#define LARK_GRAMMAR_TOOLS_ACTIONEXTRACT_H

#include <string>
#include <vector>

namespace larkyacc {

// Copies the lines between the skeleton's "switch (yyn)" line (followed by a
// "{" line) and its "default:" line (followed by "break;", "}" and the
// stack pop "yystack.s_mark -= yym;"), the "case N:" blocks of the actions.
// Refuses a code file without that opening pair or with more than one, and
// one without the closing lines.  Then refuses every identifier beginning
// with "yy" or "YY" outside strings and comments other than yyval, yytrial,
// YYVALID, YYVALID_NESTED and yystack followed by ".l_mark", naming the
// case it stands in; `error` lists every such use, one per line.
bool ExtractActions(const std::string& codeText, std::string& actions, std::string& error);

// The rules that have an action: the N of every line of `actions` (the
// text ExtractActions makes) that begins with "case N:", in rising order,
// each once.  A numeric case label of a switch inside an action may add a
// rule that has none, which costs the engine only a call.
std::vector<int> ActionRules(const std::string& actions);

// The lines of the constants header that list those rules as the X-macro
//   #define LARK_ACTION_RULES(X) X(1) X(5) ...
// (empty for a grammar without actions).
std::string FormatActionRules(const std::vector<int>& rules);

// The table constants of a code file or of a constants header.
struct TableConstants {
  int finalState = 0;  // YYFINAL
  int tableSize = 0;   // YYTABLESIZE, the last index of yytable and yycheck
  int maxToken = 0;    // YYMAXTOKEN
  int errorCode = 0;   // YYERRCODE
};

// Reads the lines "#define YYFINAL n", "#define YYTABLESIZE n",
// "#define YYMAXTOKEN n" and "#define YYERRCODE n"; refuses a text where
// one is missing, repeated or not an integer.
bool ReadTableConstants(const std::string& text, TableConstants& constants, std::string& error);

// The constants header: those four #define lines under a comment naming
// the grammar.
std::string FormatConstantsHeader(const TableConstants& constants, const std::string& grammarName);

// The declaration of the symbols' value type, YYSTYPE, for the constants
// header: byacc's "typedef union YYSTYPE { ... } YYSTYPE;" copied from the
// code file when the grammar declares a %union (its members are the <tags>
// of the grammar's symbols, and byacc refuses a $k of a symbol without
// one), else "typedef OrvParseValue YYSTYPE;", the parse engine's word, for
// a grammar of untyped values.  Refuses a union whose end it cannot find.
bool ReadValueType(const std::string& codeText, std::string& declaration, std::string& error);

}  // namespace larkyacc

#endif
