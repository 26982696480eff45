// lark_grammar_splice GRAMMAR TOKEN_TABLE OUTPUT: writes the grammar with
// its "%token_codes" line replaced by the declarations of every code of the
// token-code table.
#include "TokenSplice.h"
#include "ToolText.h"

namespace {

bool Splice(const std::vector<std::string>& args, std::string& error) {
  std::string grammar, table, spliced;
  std::vector<larkyacc::TokenCode> codes;
  if (!larkyacc::ReadTextFile(args[0], grammar, error) || !larkyacc::ReadTextFile(args[1], table, error))
    return false;
  if (!larkyacc::ReadTokenCodes(table, codes, error)) {
    error = args[1] + ": " + error;
    return false;
  }
  if (!larkyacc::SpliceTokenCodes(grammar, codes, spliced, error)) {
    error = args[0] + ": " + error;
    return false;
  }
  return larkyacc::WriteTextFile(args[2], spliced, error);
}

}  // namespace

int main(int argc, char** argv) {
  return larkyacc::RunToolMain(argc, argv, 3, "GRAMMAR TOKEN_TABLE OUTPUT", Splice);
}
