// Conditions in the grammar's actions.
#include "OrvGramConditions.h"

#include "OrvGramNodes.h"
#include "OrvOper.h"

namespace {

const int kNegation = CMP_NOT_EQ - CMP_EQ;
static_assert(kNegation == 13 && CMP_NOT_GT == CMP_GT + kNegation && CMP_NOT_GE == CMP_GE + kNegation &&
                  CMP_NOT_LT == CMP_LT + kNegation && CMP_NOT_LE == CMP_LE + kNegation &&
                  CMP_NOT_NUM == CMP_NUM + kNegation && CMP_NOT_ALPH == CMP_ALPH + kNegation &&
                  CMP_NOT_ALPH_LOWER == CMP_ALPH_LOWER + kNegation &&
                  CMP_NOT_ALPH_UPPER == CMP_ALPH_UPPER + kNegation && CMP_NOT_POS == CMP_POS + kNegation &&
                  CMP_NOT_NEG == CMP_NEG + kNegation && CMP_NOT_ZER == CMP_ZER + kNegation,
              "each negated comparison, class and sign is 13 codes above its positive form");

}  // namespace

int OrvGramNegated(int op) { return op + kNegation; }

OrvExpr* OrvGramRelation(int op, OrvExpr* subject, OrvExpr* object) { return OrvGramNode(op, subject, object); }
