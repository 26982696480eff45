// The token codes of the grammar: read from the project's token-code table
// (OrvTokenCodes.def) and spliced into a grammar file before byacc runs, so
// that the lexer, the grammar and the token printer share one list of codes.
#ifndef LARK_GRAMMAR_TOOLS_TOKENSPLICE_H
#define LARK_GRAMMAR_TOOLS_TOKENSPLICE_H

#include <string>
#include <vector>

namespace larkyacc {

// The line of a grammar file that the token declarations replace.
extern const char kTokenCodesLine[];  // "%token_codes"

struct TokenCode {
  std::string name;
  int code;
};

// Reads the rows ORV_TOKEN(code, NAME) and ORV_TOKEN_LEVEL(code, NAME) of
// the token-code table, in table order.  Refuses (false, `error` naming the
// line) a row it cannot read, a code outside 257..65535, codes not in
// increasing order, a name used twice, and a table without rows.
bool ReadTokenCodes(const std::string& defText, std::vector<TokenCode>& codes, std::string& error);

// Copies the grammar with its one "%token_codes" line (spaces around it
// allowed) replaced by a single "%token NAME code NAME code ..." line, so
// that every other line keeps its number and byacc's messages point into
// the grammar file.  A grammar with a %union names the member of its tokens'
// values after the marker, "%token_codes <node>", and the line becomes
// "%token <node> NAME code ...".  Refuses a grammar without that line or
// with more than one, and a tag that is not one identifier in "<>".
bool SpliceTokenCodes(const std::string& grammar, const std::vector<TokenCode>& codes,
                      std::string& spliced, std::string& error);

}  // namespace larkyacc

#endif
