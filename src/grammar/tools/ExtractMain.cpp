// lark_grammar_extract CODE_FILE GRAMMAR_NAME ACTIONS_OUT CONSTANTS_OUT:
// takes the semantic actions and the table constants out of byacc's code
// file, refusing actions that use what the action frame does not provide;
// the constants header also lists the rules that have an action and
// declares the symbols' value type.
#include "ActionExtract.h"
#include "ToolText.h"

namespace {

bool Extract(const std::vector<std::string>& args, std::string& error) {
  std::string code, actions, valueType;
  larkyacc::TableConstants constants;
  if (!larkyacc::ReadTextFile(args[0], code, error)) return false;
  if (!larkyacc::ExtractActions(code, actions, error) ||
      !larkyacc::ReadTableConstants(code, constants, error) || !larkyacc::ReadValueType(code, valueType, error)) {
    error = args[1] + ": " + error;
    return false;
  }
  return larkyacc::WriteTextFile(args[2], actions, error) &&
         larkyacc::WriteTextFile(args[3],
                                  larkyacc::FormatConstantsHeader(constants, args[1]) +
                                      larkyacc::FormatActionRules(larkyacc::ActionRules(actions)) + valueType,
                                  error);
}

}  // namespace

int main(int argc, char** argv) {
  return larkyacc::RunToolMain(argc, argv, 4, "CODE_FILE GRAMMAR_NAME ACTIONS_OUT CONSTANTS_OUT", Extract);
}
