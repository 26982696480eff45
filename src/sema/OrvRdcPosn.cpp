// RdcPosn: the tokens of a reduction's right-hand side move onto the nodes
// just built.
#include "OrvRdcPosn.h"
#include "OrvRdcPosnInline.h"

#include <iostream>

#include "OrvExpr.h"
#include "OrvOper.h"
#include "OrvParserImpl.h"
#include "OrvToken.h"

long RdcPosnSlotsExamined = 0;

namespace {

// The catalogue's slot count of each operation code, or kListSlots for a
// list, looked up once for the whole run: RdcPosn asks at every reduction.
const int kListSlots = -2;

struct SlotCounts {
  int count[ORV_OPER_COUNT];
  SlotCounts() {
    for (int op = 0; op < ORV_OPER_COUNT; ++op)
      count[op] = !OrvOperIsValid(op) ? 0 : OrvOperIsList(op) ? kListSlots : OrvOperArgNo(op);
  }
};

// The slots of a node that RdcPosn searches: the catalogue's count for a
// positional operation, the current count for a list; none for a code
// outside the catalogue.  Never more than the node has.
int SearchedSlots(const OrvExpr* node) {
  static const SlotCounts counts;
  const int op = node->Oper();
  if (op < 0 || op >= ORV_OPER_COUNT) return 0;
  const int count = counts.count[op] == kListSlots ? node->NArgs() : counts.count[op];
  return count < node->NArgs() ? count : node->NArgs();
}

bool Tracing(const OrvParserImpl* parser) { return parser != nullptr && parser->debugLevel != 0; }

}  // namespace

namespace {

// The slot among the first `slots` of `node` that holds `term`, a child of
// `node` (its parent), or -1.  A child stands in one slot of its parent
// only, so the order of the search does not change the slot found; it
// runs from both ends at once, so that the new last item of a growing list
// and the first clauses of a wide node are both found after a few slots.
int FindOwnSlot(const OrvExpr* node, const OrvExpr* term, int slots, long* slotsExamined) {
  for (int low = 0, high = slots - 1; low <= high; ++low, --high) {
    ++*slotsExamined;
    if (node->PeekChild(high) == term) return high;
    if (low == high) break;
    ++*slotsExamined;
    if (node->PeekChild(low) == term) return low;
  }
  return -1;
}

}  // namespace

bool RdcPosnFindSlotAt(OrvExpr* node, const OrvExpr* term, long* slotsExamined, OrvExpr** holder, int* index) {
  // A child always beats a grandchild.  The search runs from the last slot
  // down: a list that grows by one item per reduction finds its new item
  // at once.  The slots are read as they are stored.
  const int slots = SearchedSlots(node);
  // A term whose parent is the node is one of its children: found from
  // both ends.  Any other term, or one not among the searched slots, takes
  // the whole search below.
  if (term->Parent() == node) {
    const int k = FindOwnSlot(node, term, slots, slotsExamined);
    if (k >= 0) {
      *holder = node;
      *index = k;
      return true;
    }
  }
  for (int k = slots - 1; k >= 0; --k) {
    ++*slotsExamined;
    if (node->PeekChild(k) == term) {
      *holder = node;
      *index = k;
      return true;
    }
  }
  for (int k = slots - 1; k >= 0; --k) {
    OrvExpr* child = node->PeekChild(k);
    if (child == nullptr) continue;
    for (int j = child->NArgs() - 1; j >= 0; --j) {
      ++*slotsExamined;
      if (child->PeekChild(j) == term) {
        *holder = child;
        *index = j;
        return true;
      }
    }
  }
  return false;
}

OrvArgSlot* RdcPosnFindSlot(OrvExpr* node, const OrvExpr* term, long* slotsExamined) {
  OrvExpr* holder = nullptr;
  int index = 0;
  return RdcPosnFindSlotAt(node, term, slotsExamined, &holder, &index) ? holder->SlotAt(index) : nullptr;
}

namespace {

// The trace lines of RdcPosn, out of line so that the step itself, run at
// every reduction, stays small.
[[gnu::noinline]] void TraceNoReduce() { std::cout << "@@@RdcPosn: error -- no reduce" << std::endl; }

[[gnu::noinline]] void TraceNothingToReduce(int n) {
  std::cout << "@@@RdcPosn: Nothing to reduce: term_no=" << n << std::endl;
}

[[gnu::noinline]] void TraceTaken(const OrvExpr* node, const OrvExpr* term, int i,
                                  const OrvTokenList& tokens) {
  std::cout << "@@@RdcPosn: " << OrvOperName(node->Oper()) << " takes tokens from "
            << OrvOperName(term->Oper()) << " which is term #" << i << ": ";
  tokens.Print(std::cout);
  std::cout << std::endl;
}

[[gnu::noinline]] void TraceNotFound(const OrvExpr* node, int i) {
  // The term may be gone (an action may have merged it into the new node),
  // so only its number is printed.
  std::cout << "@@@RdcPosn: Cannot find term-expr " << OrvOperName(node->Oper()) << "[" << i << "]"
            << std::endl;
}

[[gnu::noinline]] void TraceRest(const OrvExpr* node, const OrvTokenList& tokens) {
  if (node != nullptr)
    std::cout << "@@@RdcPosn: " << OrvOperName(node->Oper()) << " TAIL takes remaining tokens: ";
  else
    std::cout << "@@@RdcPosn: YYPOSN takes the remaining tokens: ";
  tokens.Print(std::cout);
  std::cout << std::endl;
}

// The first right-hand-side list, taken out of its entry, to serve as the
// new position; a new list when that entry is null.  What the step would
// move into a new list first is that list's tokens, so taking it over
// leaves the same tokens in the same order.
OrvTokenList* TakeFirstList(OrvTokenList** rhsPositions, int n) {
  if (n == 0 || rhsPositions[0] == nullptr) return new OrvTokenList();
  OrvTokenList* list = rhsPositions[0];
  rhsPositions[0] = nullptr;
  return list;
}

}  // namespace

namespace {

// The position step itself, made twice: without the trace (kTrace false),
// the form every reduction of a normal parse runs, whose branches on the
// trace switch the compiler removes, and with it.
template <bool kTrace>
void PositionStep(OrvTokenList** newPosition, OrvTokenList** rhsPositions, OrvGrammarValue* rhsValues, int n,
                  OrvGrammarValue newValue) {
  bool anyTokens = false;
  for (int i = 0; i < n && !anyTokens; ++i)
    anyTokens = rhsPositions[i] != nullptr && !rhsPositions[i]->IsEmpty();
  if (!anyTokens) {
    if (kTrace) TraceNothingToReduce(n);
    // Every list is empty: the first one becomes the new position.
    *newPosition = TakeFirstList(rhsPositions, n);
    for (int i = 1; i < n; ++i) {
      delete rhsPositions[i];
      rhsPositions[i] = nullptr;
    }
    return;
  }

  OrvTokenList* gathered = TakeFirstList(rhsPositions, n);
  OrvExpr* node = OrvGrammarValueNode(newValue);
  for (int i = 0; i < n; ++i) {
    if (rhsPositions[i] != nullptr) {
      if (!rhsPositions[i]->IsEmpty()) gathered->Splice(*rhsPositions[i]);
      delete rhsPositions[i];
      rhsPositions[i] = nullptr;
    }
    // Without the trace a term met while no token is gathered takes none:
    // its slot is not sought (the search would change nothing).
    if (!kTrace && gathered->IsEmpty()) continue;
    OrvExpr* term = OrvGrammarValueNode(rhsValues[i]);
    if (node == nullptr || term == nullptr) continue;
    // A term that is the new node itself (a list that grows by one item)
    // is never among its own children: no search, its tokens travel on.
    OrvExpr* holder = nullptr;
    int index = 0;
    if (term != node && RdcPosnFindSlotAt(node, term, &RdcPosnSlotsExamined, &holder, &index)) {
      // The slot becomes a record only when it takes tokens (or the trace
      // shows its list): a slot holding nothing costs no record.
      if (gathered->IsEmpty() && !kTrace) continue;
      OrvArgSlot* slot = holder->SlotAt(index);
      slot->tokens.Splice(*gathered);
      if (kTrace) TraceTaken(node, term, i, slot->tokens);
    } else if (kTrace) {
      TraceNotFound(node, i);
    }
  }
  if (node != nullptr && !gathered->IsEmpty()) node->Tokens().Splice(*gathered);
  if (kTrace) TraceRest(node, node != nullptr ? node->Tokens() : *gathered);
  *newPosition = gathered;
}

}  // namespace

void RdcPosn(OrvTokenList** newPosition, OrvTokenList** rhsPositions, OrvGrammarValue* rhsValues,
             int n, int /*depth*/, int /*lookahead*/, OrvTokenList** /*tokenPosition*/,
             OrvGrammarValue newValue) {
  RdcPosnStep(newPosition, rhsPositions, rhsValues, n, newValue);
}

namespace {

// The position step of a parser whose no-reduce flag is set or whose trace
// is on, out of line so that the plain step stays small.
[[gnu::noinline, gnu::cold]] void SpecialStep(OrvParserImpl* parser, OrvTokenList** newPosition,
                                              OrvTokenList** rhsPositions, OrvGrammarValue* rhsValues, int n,
                                              OrvGrammarValue newValue) {
  const bool trace = Tracing(parser);
  if (parser->noReduce) {
    parser->noReduce = 0;
    if (trace) TraceNoReduce();
    *newPosition = new OrvTokenList();
    return;
  }
  PositionStep<true>(newPosition, rhsPositions, rhsValues, n, newValue);
}

}  // namespace

void RdcPosnStep(OrvTokenList** newPosition, OrvTokenList** rhsPositions, OrvGrammarValue* rhsValues, int n,
                 OrvGrammarValue newValue) {
  OrvParserImpl* parser = currentParser;
  if (!RdcPosnPlainParser(parser)) {
    SpecialStep(parser, newPosition, rhsPositions, rhsValues, n, newValue);
    return;
  }
  // The most frequent cases, taken before anything else is set up.
  if (RdcPosnQuickStep(newPosition, rhsPositions, n, newValue)) return;
  PositionStep<false>(newPosition, rhsPositions, rhsValues, n, newValue);
}
