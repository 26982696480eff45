// RdcPosn: the tokens of a reduction's right-hand side move onto the nodes
// just built.
#include "OrvRdcPosn.h"

#include <iostream>

#include "OrvExpr.h"
#include "OrvOper.h"
#include "OrvParserImpl.h"
#include "OrvToken.h"

long RdcPosnSlotsExamined = 0;

namespace {

// The slots of a node that RdcPosn searches: the catalogue's count for a
// positional operation, the current count for a list; none for a code
// outside the catalogue.  Never more than the node has.
int SearchedSlots(const OrvExpr* node) {
  const int op = node->Oper();
  if (!OrvOperIsValid(op)) return 0;
  const int count = OrvOperIsList(op) ? node->NArgs() : OrvOperArgNo(op);
  return count < node->NArgs() ? count : node->NArgs();
}

bool Tracing(const OrvParserImpl* parser) { return parser != nullptr && parser->debugLevel != 0; }

}  // namespace

OrvArgSlot* RdcPosnFindSlot(OrvExpr* node, const OrvExpr* term, long* slotsExamined) {
  // A child always beats a grandchild.  The search runs from the last slot
  // down: a list that grows by one item per reduction finds its new item
  // at once.
  const int slots = SearchedSlots(node);
  for (int k = slots - 1; k >= 0; --k) {
    ++*slotsExamined;
    OrvArgSlot* slot = node->SlotAt(k);
    if (slot->child == term) return slot;
  }
  for (int k = slots - 1; k >= 0; --k) {
    OrvExpr* child = node->SlotAt(k)->child;
    if (child == nullptr) continue;
    for (int j = child->NArgs() - 1; j >= 0; --j) {
      ++*slotsExamined;
      OrvArgSlot* slot = child->SlotAt(j);
      if (slot->child == term) return slot;
    }
  }
  return nullptr;
}

void RdcPosn(OrvTokenList** newPosition, OrvTokenList** rhsPositions, OrvGrammarValue* rhsValues,
             int n, int /*depth*/, int /*lookahead*/, OrvTokenList** /*tokenPosition*/,
             OrvGrammarValue newValue) {
  OrvParserImpl* parser = currentParser;
  const bool trace = Tracing(parser);
  OrvTokenList* gathered = new OrvTokenList();
  if (parser != nullptr && parser->noReduce) {
    parser->noReduce = 0;
    if (trace) std::cout << "@@@RdcPosn: error -- no reduce" << std::endl;
    *newPosition = gathered;
    return;
  }

  bool anyTokens = false;
  for (int i = 0; i < n && !anyTokens; ++i)
    anyTokens = rhsPositions[i] != nullptr && !rhsPositions[i]->IsEmpty();
  if (!anyTokens) {
    if (trace) std::cout << "@@@RdcPosn: Nothing to reduce: term_no=" << n << std::endl;
    for (int i = 0; i < n; ++i) {
      delete rhsPositions[i];
      rhsPositions[i] = nullptr;
    }
    *newPosition = gathered;
    return;
  }

  OrvExpr* node = OrvGrammarValueNode(newValue);
  for (int i = 0; i < n; ++i) {
    if (rhsPositions[i] != nullptr) {
      gathered->Splice(*rhsPositions[i]);
      delete rhsPositions[i];
      rhsPositions[i] = nullptr;
    }
    OrvExpr* term = OrvGrammarValueNode(rhsValues[i]);
    if (node == nullptr || term == nullptr) continue;
    // A term that is the new node itself (a list that grows by one item)
    // is never among its own children: no search, its tokens travel on.
    OrvArgSlot* slot = term != node ? RdcPosnFindSlot(node, term, &RdcPosnSlotsExamined) : nullptr;
    if (slot != nullptr) {
      slot->tokens.Splice(*gathered);
      if (trace) {
        std::cout << "@@@RdcPosn: " << OrvOperName(node->Oper()) << " takes tokens from "
                  << OrvOperName(term->Oper()) << " which is term #" << i << ": ";
        slot->tokens.Print(std::cout);
        std::cout << std::endl;
      }
    } else if (trace) {
      // The term may be gone (an action may have merged it into the new
      // node), so only its number is printed.
      std::cout << "@@@RdcPosn: Cannot find term-expr " << OrvOperName(node->Oper()) << "[" << i
                << "]" << std::endl;
    }
  }
  if (node != nullptr) {
    node->Tokens().Splice(*gathered);
    if (trace) {
      std::cout << "@@@RdcPosn: " << OrvOperName(node->Oper()) << " TAIL takes remaining tokens: ";
      node->Tokens().Print(std::cout);
      std::cout << std::endl;
    }
  } else if (trace) {
    std::cout << "@@@RdcPosn: YYPOSN takes the remaining tokens: ";
    gathered->Print(std::cout);
    std::cout << std::endl;
  }
  *newPosition = gathered;
}
