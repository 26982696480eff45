// CALL and its kin (CHAIN, INVOKE) in the grammar's actions: the
// parameters of USING with the passing mode in force.
#ifndef LARK_GRAMMAR_ORVGRAMCALL_H
#define LARK_GRAMMAR_ORVGRAMCALL_H

#include <cstdint>

class OrvExpr;

// A parameter of CALL, CHAIN or INVOKE USING: EX_CALL_PARAM (passing-mode
// phrase or NULL_NODE, the operand, the SIZE phrase or NULL_NODE, a new
// node of the passing mode in force when the parameter is reduced).
OrvExpr* OrvGramCallParam(OrvExpr* modePhrase, OrvExpr* operand, OrvExpr* size, std::uint16_t mode);

#endif
