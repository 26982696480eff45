// Value of a level-78 constant: integer literals only, and the process-wide
// hook through which the PICTURE expansion asks for a value.
#include "OrvCalcValue.h"

#include "OrvExpr.h"
#include "OrvLink.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"

namespace {

bool IsAbsent(OrvExpr* node) { return node == nullptr || node->Oper() == NULL_NODE; }

OrvExpr* ArgOrNull(OrvExpr* node, int i) {
  return node != nullptr && i < node->NArgs() ? node->Args(i) : nullptr;
}

// Constants may name other constants; a chain longer than this is taken to
// be a cycle (78 A VALUE B. 78 B VALUE A.) and has no value.
const int kMaxChain = 64;

OrvExpr* CalcValue(OrvExpr* node, int depth) {
  if (IsAbsent(node) || depth > kMaxChain) return nullptr;
  switch (node->Oper()) {
    case NAME_USE:
      return nullptr;
    case NAMED_OBJ_DEF:
      return CalcValue(node->Parent(), depth + 1);
    case NAMED_OBJ_USE: {
      OrvExpr* def = node->Link(0)->node;
      return def != nullptr && def->Oper() == NAMED_OBJ_DEF ? CalcValue(def->Parent(), depth + 1)
                                                            : nullptr;
    }
    case DECL_CONST_ENTRY: {
      OrvExpr* value = ArgOrNull(node, DECL_CONST_ENTRY__CONSTANT_VALUE);
      if (IsAbsent(value)) return nullptr;
      OrvExpr* expr = value->Oper() == EX_CONST_VALUE ? ArgOrNull(value, EX_CONST_VALUE__VALUE) : value;
      if (IsAbsent(expr) || expr->Oper() == DECL_CONST_ENTRY) return nullptr;
      return CalcValue(expr, depth + 1);
    }
    case INT_NUM_CONST:
      return node->Clone();
    default:
      return nullptr;
  }
}

}  // namespace

OrvExpr* OrvCalcLiteralValue(OrvExpr* node) { return CalcValue(node, 0); }

OrvCalcValueFn OrvCalcValueHook = OrvCalcLiteralValue;
