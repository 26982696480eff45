// Expression text, built recursively over the children of a node.
#include "OrvExprStr.h"

#include "OrvExpr.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"

namespace {

const char kUndefined[] = "-[undefined]-";
const char kUnknown[] = "-[unknown]-";

// Expressions nested deeper than this show as unknown instead of running
// the recursion (and the stack) out.
const int kMaxDepth = 256;

VString ExprStr(OrvExpr* node, int depth);

// Text of argument i; a missing slot counts as an empty argument.
VString ArgStr(OrvExpr* node, int i, int depth) {
  return ExprStr(i < node->NArgs() ? node->Args(i) : nullptr, depth + 1);
}

// Image of argument i (the name of a NAME_USE), empty when missing.
VString ArgImage(OrvExpr* node, int i) {
  OrvExpr* child = i < node->NArgs() ? node->Args(i) : nullptr;
  if (child == nullptr || !child->HasImage()) return VString();
  const VString* image = child->Image();
  return image != nullptr ? *image : VString();
}

// Texts of all children joined by `sep`.
VString Joined(OrvExpr* node, const char* sep, int depth) {
  VString out;
  for (int i = 0; i < node->NArgs(); ++i) {
    if (i > 0) out += VString(sep);
    out += ArgStr(node, i, depth);
  }
  return out;
}

bool IsAbsent(OrvExpr* node) { return node == nullptr || node->Oper() == NULL_NODE; }

VString ExprStr(OrvExpr* node, int depth) {
  if (IsAbsent(node)) return VString(kUndefined);
  if (depth > kMaxDepth) return VString(kUnknown);
  int op = node->Oper();
  switch (op) {
    case NAMED_OBJ_USE:
      return ArgStr(node, NAMED_OBJ_USE__NAMES, depth);
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
      return VString("ALL ") + ArgStr(node, FIG_ALL__LITERAL, depth);
    case EX_LIST:
      return Joined(node, " , ", depth);
    case EX_VALUE_RANGE_LIST:
      return Joined(node, " ", depth);
    case EX_VALUE_RANGE: {
      VString out = ArgStr(node, EX_VALUE_RANGE__VALUE, depth);
      const int through = EX_VALUE_RANGE__THROUGH_VALUE;
      OrvExpr* thru = node->NArgs() > through ? node->Args(through) : nullptr;
      if (!IsAbsent(thru)) out += VString(" THRU ") + ExprStr(thru, depth + 1);
      return out;
    }
    case EX_VALUE_WHEN_FALSE:
      return ArgStr(node, EX_VALUE_WHEN_FALSE__FALSE_VALUE, depth);
    case REFERENCE_MOD:
      return ArgStr(node, REFERENCE_MOD__IDENTIFIER, depth) + VString("(") +
             ArgStr(node, REFERENCE_MOD__LEFTMOST_POSITION, depth) + VString(":") +
             ArgStr(node, REFERENCE_MOD__LENGTH, depth) + VString(")");
    case TABLE_ELT:
      return ArgStr(node, TABLE_ELT__TABLE_NAME, depth) + VString("(") + ArgStr(node, TABLE_ELT__SUBSCRIPTS, depth) +
             VString(")");
    case OP_ADD_IX:
    case AR_ADD:
      return Joined(node, " + ", depth);
    case OP_SUB_IX:
    case AR_SUB:
      return Joined(node, " - ", depth);
    case STR_CONCATENATE:
      return Joined(node, " & ", depth);
    default:
      return VString(kUnknown);
  }
}

}  // namespace

VString OrvExprStr(OrvExpr* node) { return ExprStr(node, 0); }
