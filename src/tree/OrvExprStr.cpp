// Expression text, built recursively over the children of a node.
#include "OrvExprStr.h"

#include "OrvExpr.h"
#include "OrvOper.h"

namespace {

const char kUndefined[] = "-[undefined]-";
const char kUnknown[] = "-[unknown]-";

// Text of argument i; a missing slot counts as an empty argument.
VString ArgStr(OrvExpr* node, int i) {
  return OrvExprStr(i < node->NArgs() ? node->Args(i) : nullptr);
}

// Image of argument i (the name of a NAME_USE), empty when missing.
VString ArgImage(OrvExpr* node, int i) {
  OrvExpr* child = i < node->NArgs() ? node->Args(i) : nullptr;
  if (child == nullptr) return VString();
  const VString* image = child->Image();
  return image != nullptr ? *image : VString();
}

// Texts of all children joined by `sep`.
VString Joined(OrvExpr* node, const char* sep) {
  VString out;
  for (int i = 0; i < node->NArgs(); ++i) {
    if (i > 0) out += VString(sep);
    out += ArgStr(node, i);
  }
  return out;
}

bool IsAbsent(OrvExpr* node) { return node == nullptr || node->Oper() == NULL_NODE; }

}  // namespace

VString OrvExprStr(OrvExpr* node) {
  if (IsAbsent(node)) return VString(kUndefined);
  int op = node->Oper();
  switch (op) {
    case NAMED_OBJ_USE:
      return ArgStr(node, 0);
    case OF_IN_LIST: {
      VString out;
      for (int i = 0; i < node->NArgs(); ++i) {
        if (i > 0) out += VString(" OF ");
        out += ArgImage(node, i);
      }
      return out;
    }
    case NAME_USE:
    case STR_CONST:
    case INT_NUM_CONST:
    case REAL_NUM_CONST:
      return node->Value();
    case FIG_ZERO:
    case FIG_SPACE:
    case FIG_HIGH_VALUE:
    case FIG_LOW_VALUE:
    case FIG_QUOTE:
    case FIG_NULL:
    case EX_INDEX_ALL:
      return VString(OrvOperTemplate(OrvOper(op)));
    case FIG_ALL:
      return VString("ALL ") + ArgStr(node, 0);
    case EX_LIST:
      return Joined(node, " , ");
    case EX_VALUE_RANGE_LIST:
      return Joined(node, " ");
    case EX_VALUE_RANGE: {
      VString out = ArgStr(node, 0);
      OrvExpr* thru = node->NArgs() > 1 ? node->Args(1) : nullptr;
      if (!IsAbsent(thru)) out += VString(" THRU ") + OrvExprStr(thru);
      return out;
    }
    case EX_VALUE_WHEN_FALSE:
      return ArgStr(node, 0);
    case REFERENCE_MOD:
      return ArgStr(node, 0) + VString("(") + ArgStr(node, 1) + VString(":") + ArgStr(node, 2) +
             VString(")");
    case TABLE_ELT:
      return ArgStr(node, 0) + VString("(") + ArgStr(node, 1) + VString(")");
    case OP_ADD_IX:
    case AR_ADD:
      return Joined(node, " + ");
    case OP_SUB_IX:
    case AR_SUB:
      return Joined(node, " - ");
    case STR_CONCATENATE:
      return Joined(node, " & ");
    default:
      return VString(kUnknown);
  }
}
