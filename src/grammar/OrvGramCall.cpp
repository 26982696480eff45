// CALL and its kin in the grammar's actions.
#include "OrvGramCall.h"

#include "OrvGramNodes.h"
#include "OrvGramProcedure.h"
#include "OrvOper.h"

OrvExpr* OrvGramCallParam(OrvExpr* modePhrase, OrvExpr* operand, OrvExpr* size, std::uint16_t mode) {
  return OrvGramNode(EX_CALL_PARAM, modePhrase, operand, size, OrvGramPassingModeNode(mode));
}
