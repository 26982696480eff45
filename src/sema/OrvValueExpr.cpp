// Value expressions of level-78 constants and OCCURS counts.
#include "OrvValueExpr.h"

#include <unordered_map>
#include <vector>

#include "OrvCalcValue.h"
#include "OrvConstNodes.h"
#include "OrvDataEntrySearch.h"
#include "OrvDataEntrySlots.h"
#include "OrvExpr.h"
#include "OrvLayoutState.h"
#include "OrvLink.h"
#include "OrvOper.h"
#include "OrvRecordBase.h"
#include "OrvTreeUtil.h"

namespace {

bool Is(const OrvExpr* node, int op) { return node != nullptr && node->Oper() == op; }

OrvExpr* NewInt(int64_t value) {
  return new OrvIntNumConst(OrvFormat("%lld", static_cast<long long>(value)), value);
}

// True with *value set when the result of an evaluation is an integer;
// the result is deleted.
bool TakeInteger(OrvExpr* result, int64_t* value) {
  bool isInteger = Is(result, INT_NUM_CONST);
  if (isInteger) *value = result->IntValue();
  delete result;
  return isInteger;
}

// Expressions and chains of constants nested deeper than this have no
// value (instead of running the stack out).
const int kMaxDepth = 1000;

// The data entry that a name use stands for, or null.
OrvExpr* NamedDataEntry(OrvExpr* use) {
  if (!Is(use, NAMED_OBJ_USE)) return nullptr;
  OrvExpr* def = use->Link(0)->node;
  OrvExpr* entry = Is(def, NAMED_OBJ_DEF) ? def->Parent() : nullptr;
  return Is(entry, DECL_DD_ENTRY) ? entry : nullptr;
}

bool IsLiteral(int op) {
  switch (op) {
    case INT_NUM_CONST:
    case STR_CONST:
    case REAL_NUM_CONST:
    case FIG_ALL:
    case FIG_ZERO:
    case FIG_SPACE:
    case FIG_HIGH_VALUE:
    case FIG_LOW_VALUE:
    case FIG_QUOTE:
    case FIG_NULL:
      return true;
    default:
      return false;
  }
}

// Takes the source tokens off a copied subtree: a computed value is no
// source text.
void DropTokens(OrvExpr* node) {
  node->Tokens().Clear();
  for (int i = 0; i < node->NArgs(); ++i) {
    if (OrvArgSlot* slot = node->ArgSlots(i)) {
      slot->tokens.Clear();
      if (slot->child != nullptr) DropTokens(slot->child);
    }
  }
}

// A copy of a literal, without its tokens.
OrvExpr* CopyOfLiteral(OrvExpr* node) {
  OrvExpr* copy = node->Clone();
  DropTokens(copy);
  return copy;
}

// One evaluation: the constants on the way (a constant met again on its
// own way has no value) and the values of the constants already met (each
// constant is evaluated once however often it is named).
class ValueEvaluator {
 public:
  ValueEvaluator() = default;
  ValueEvaluator(const ValueEvaluator&) = delete;
  ValueEvaluator& operator=(const ValueEvaluator&) = delete;
  ~ValueEvaluator() {
    for (auto& known : values_) delete known.second;
  }

  OrvExpr* Eval(OrvExpr* node) {
    if (node == nullptr || node->Oper() == NULL_NODE || depth_ >= kMaxDepth) return nullptr;
    ++depth_;
    OrvExpr* value = Dispatch(node);
    --depth_;
    return value;
  }

 private:
  OrvExpr* Dispatch(OrvExpr* node) {
    int op = node->Oper();
    switch (op) {
      case NAMED_OBJ_DEF:
        return Eval(node->Parent());
      case NAMED_OBJ_USE: {
        OrvExpr* def = node->Link(0)->node;
        return Is(def, NAMED_OBJ_DEF) ? Eval(def->Parent()) : nullptr;
      }
      case DECL_CONST_ENTRY:
        return Constant(node);
      case AR_ADD:
      case AR_SUB:
      case AR_MUL:
      case AR_DIV:
        return Arithmetic(node);
      case BIT_AND:
      case BIT_OR:
        return Bits(node);
      case AR_UN_MINUS:
        return Negated(node);
      case AR_UN_PLUS:
        return Eval(OrvSlot(node, AR_UN_PLUS__OPERAND));
      case OP_PARENS:
        return Eval(OrvSlot(node, OP_PARENS__EXPRESSION));
      case EX_VAL_LENGTH_OF: {
        int64_t length = 0;
        OrvExpr* item = NamedDataEntry(OrvSlot(node, EX_VAL_LENGTH_OF__DATA_NAME));
        if (!OrvLayoutSlotValue(item, DECL_DD_ENTRY__LENGTH, &length) || length == ORV_LAYOUT_UNDEF)
          return nullptr;
        return NewInt(length);
      }
      case EX_VAL_START_OF: {
        int64_t start = 0;
        OrvExpr* item = NamedDataEntry(OrvSlot(node, EX_VAL_START_OF__DATA_NAME));
        return OrvDataEntryStart(item, &start) == ORV_START_KNOWN ? NewInt(start) : nullptr;
      }
      case EX_VAL_NEXT:
        return Next(node);
      default:
        // Only literals stand for themselves: a data item, a name that is
        // not bound, an operation not listed has no value.
        return IsLiteral(op) ? CopyOfLiteral(node) : nullptr;
    }
  }

  // The value of a level-78 entry: the expression of its VALUE clause.
  OrvExpr* Constant(OrvExpr* entry) {
    auto known = values_.find(entry);
    if (known != values_.end()) return known->second != nullptr ? known->second->Clone() : nullptr;
    for (OrvExpr* on : path_)
      if (on == entry) return nullptr;
    OrvExpr* clause = OrvSlot(entry, DECL_CONST_ENTRY__CONSTANT_VALUE);
    OrvExpr* expr = Is(clause, EX_CONST_VALUE) ? OrvSlot(clause, EX_CONST_VALUE__VALUE) : clause;
    path_.push_back(entry);
    OrvExpr* value = Eval(expr);
    path_.pop_back();
    values_[entry] = value != nullptr ? value->Clone() : nullptr;
    return value;
  }

  // The integer value of an operand.
  bool Operand(OrvExpr* node, int64_t* value) { return TakeInteger(Eval(node), value); }

  OrvExpr* Arithmetic(OrvExpr* node) {
    int op = node->Oper();
    int n = node->NArgs();
    int64_t acc = op == AR_MUL ? 1 : 0;
    for (int i = 0; i < n; ++i) {
      int64_t v = 0;
      if (!Operand(node->Args(i), &v)) return nullptr;
      bool overflow = false;
      if (op == AR_ADD) {
        overflow = __builtin_add_overflow(acc, v, &acc);
      } else if (op == AR_MUL) {
        overflow = __builtin_mul_overflow(acc, v, &acc);
      } else if (i == 0) {
        acc = v;  // the first operand of a subtraction or division
      } else if (op == AR_SUB) {
        overflow = __builtin_sub_overflow(acc, v, &acc);
      } else {
        if (v == 0 || (acc == INT64_MIN && v == -1)) return nullptr;
        acc /= v;
      }
      if (overflow) return nullptr;
    }
    if ((op == AR_SUB || op == AR_DIV) && n == 0) return nullptr;
    return NewInt(acc);
  }

  // AND and OR work on the low 32 bits; the result is widened with its sign.
  OrvExpr* Bits(OrvExpr* node) {
    bool isAnd = node->Oper() == BIT_AND;
    uint32_t acc = isAnd ? 0xffffffffu : 0;
    for (int i = 0; i < node->NArgs(); ++i) {
      int64_t v = 0;
      if (!Operand(node->Args(i), &v)) return nullptr;
      if (isAnd)
        acc &= static_cast<uint32_t>(v);
      else
        acc |= static_cast<uint32_t>(v);
    }
    return NewInt(static_cast<int32_t>(acc));
  }

  OrvExpr* Negated(OrvExpr* node) {
    int64_t v = 0;
    if (!Operand(OrvSlot(node, AR_UN_MINUS__OPERAND), &v) || v == INT64_MIN) return nullptr;
    return NewInt(-v);
  }

  // NEXT: the first byte after the data entry that the constant follows; 0
  // when nothing precedes it.
  OrvExpr* Next(OrvExpr* node) {
    OrvExpr* constant = OrvAncestorOp(node, DECL_CONST_ENTRY);
    if (constant == nullptr) return nullptr;
    OrvExpr* preceding = OrvPrecedingDataEntry(constant);
    if (preceding == nullptr) return NewInt(0);
    int64_t start = 0;
    int64_t length = 0;
    if (OrvDataEntryStart(preceding, &start) != ORV_START_KNOWN ||
        !OrvLayoutSlotValue(preceding, DECL_DD_ENTRY__LENGTH, &length) || length == ORV_LAYOUT_UNDEF)
      return nullptr;
    int64_t end = OrvLayoutSum(start, length);
    return end != ORV_LAYOUT_UNDEF ? NewInt(end) : nullptr;
  }

  std::vector<OrvExpr*> path_;
  std::unordered_map<OrvExpr*, OrvExpr*> values_;
  int depth_ = 0;
};

// The DECL_DD holder that holds the entry, or null.
OrvExpr* HolderOf(OrvExpr* entry) {
  OrvExpr* dd = entry != nullptr ? entry->Parent() : nullptr;
  return Is(dd, DECL_DD) ? dd : nullptr;
}

}  // namespace

OrvExpr* OrvCalcValueExpr(OrvExpr* node) {
  ValueEvaluator evaluator;
  return evaluator.Eval(node);
}

bool OrvCalcIntValue(OrvExpr* node, int64_t* value) {
  return TakeInteger(OrvCalcValueExpr(node), value);
}

int OrvDataEntryStart(OrvExpr* entry, int64_t* start) {
  if (!Is(entry, DECL_DD_ENTRY)) return ORV_START_UNKNOWN;
  int64_t global = 0;
  if (OrvLayoutSlotValue(entry, DECL_DD_ENTRY__OFFSET_GLOBAL, &global)) {
    if (global == ORV_LAYOUT_UNDEF) return ORV_START_UNKNOWN;
    *start = global;
    return ORV_START_KNOWN;
  }
  int64_t length = 0;
  int64_t offset = 0;
  if (!OrvLayoutSlotValue(entry, DECL_DD_ENTRY__LENGTH, &length) ||
      !OrvLayoutSlotValue(entry, DECL_DD_ENTRY__OFFSET_FROM_01_LEVEL, &offset) || offset == ORV_LAYOUT_UNDEF)
    return ORV_START_UNKNOWN;
  // Up to the section; the outermost holder on the way is the record.
  OrvExpr* record = nullptr;
  OrvExpr* section = entry->Parent();
  for (; section != nullptr; section = section->Parent()) {
    int op = section->Oper();
    if (op == DECL_DD) {
      // Inside a group laid out from a stand-in offset nothing has a start.
      if (section == OrvLayout.floatingGroup) return ORV_START_UNKNOWN;
      record = section;
    } else if (op != DECL_DD_LIST && op != DECL_DD_ENTRY) {
      break;
    }
  }
  if (record == nullptr || section == nullptr) return ORV_START_UNKNOWN;
  if (section->Oper() == SECTION_LINKAGE) {
    *start = offset;
    return ORV_START_KNOWN;
  }
  if (section->Oper() != SECTION_WORKING_STORAGE && section->Oper() != SECTION_LOCAL_STORAGE)
    return ORV_START_UNKNOWN;
  OrvExpr* root = OrvRedefinesRoot(OrvSlot(record, DECL_DD__DATA_DESCRIPTION_ENTRY));
  OrvExpr* list = record->Parent();
  int64_t base = 0;
  if (root == nullptr || !Is(list, DECL_DD_LIST) || !OrvRecordBase(list, HolderOf(root), &base))
    return ORV_START_UNKNOWN;
  int64_t sum = OrvLayoutSum(offset, base);
  if (sum == ORV_LAYOUT_UNDEF) return ORV_START_UNKNOWN;
  *start = sum;
  return ORV_START_KNOWN;
}

OrvExpr* OrvPrecedingDataEntry(OrvExpr* constEntry) {
  OrvExpr* entry = constEntry;
  for (;;) {
    OrvExpr* dd = HolderOf(entry);
    OrvExpr* list = dd != nullptr ? dd->Parent() : nullptr;
    if (!Is(list, DECL_DD_LIST)) return nullptr;
    // The 78 entry is one of an elementary item's subordinates.
    if (OrvHasOnlyConstSubordinates(dd)) return entry;
    for (int i = list->FindArg(dd) - 1; i >= 0; --i) {
      if (OrvExpr* last = OrvLastDataEntry(list->Args(i))) return last;
    }
    // Nothing before it at this level: go on at the level of its group.
    OrvExpr* group = list->Parent();
    if (!Is(group, DECL_DD)) return nullptr;
    entry = OrvSlot(group, DECL_DD__DATA_DESCRIPTION_ENTRY);
  }
}

namespace {

// Makes the PICTURE expansion evaluate its constants here.
struct InstallCalcValueHook {
  InstallCalcValueHook() { OrvCalcValueHook = OrvCalcValueExpr; }
} installCalcValueHook;

}  // namespace
