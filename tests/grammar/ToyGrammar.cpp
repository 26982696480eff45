// The table unit and the action dispatcher of the toy grammar.
#include "ToyGrammar.h"

namespace toy_grammar {

#define LARK_GRAMMAR_CONSTANTS "ToyGrammar.constants.h"
#define LARK_GRAMMAR_TABLES "ToyGrammar.tables.inc"
#include "OrvGrammarTables.inc"

#define LARK_GRAMMAR_ACTIONS "ToyGrammar.actions.inc"
#include "OrvGrammarActions.inc"

}  // namespace toy_grammar
