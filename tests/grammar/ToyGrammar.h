// The toy grammar of the grammar tests (ToyGrammar.y): its parse tables and
// its action dispatcher, made by the grammar build rule like those of the
// COBOL grammar.
#ifndef LARK_TESTS_GRAMMAR_TOYGRAMMAR_H
#define LARK_TESTS_GRAMMAR_TOYGRAMMAR_H

#include "OrvActionFrame.h"
#include "OrvParseTables.h"

namespace toy_grammar {

// The tables of ToyGrammar.y.
extern const OrvParseTables ParseTables;

// Runs the action of `rule` of ToyGrammar.y against `frame`.
OrvActionOutcome RunAction(int rule, OrvActionFrame& frame);

}  // namespace toy_grammar

#endif
