// The clause collector: starting, filling and finishing a node whose clauses
// come in any order, and the registry through which the parser object and
// the error recovery reach every collector.
#include "OrvClauseCollector.h"

#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvOper.h"
#include "OrvParserErrors.h"
#include "OrvParserImpl.h"
#include "OrvPosnWalkers.h"
#include "OrvSlotAccess.h"
#include "OrvTreeUtil.h"

namespace {

// The registry: the collectors in construction order.  A plain pointer is
// initialised before any constructor runs, so collectors built during static
// initialisation, in whatever order, find it ready.
OrvClauseCollector* registryHead = nullptr;

// The name of the slots that take the COPY markers and the syntax-error
// nodes met among the clauses.
const char kMarkerSlotName[] = "CopyBegin/End/SyntaxError";

// Whether `slot` of `node` is its slot of COPY markers and error nodes.
bool IsMarkerSlot(const OrvExpr* node, int slot) {
  const VString name = OrvOperArgName(node->Oper(), slot);
  return name.text != nullptr && name == kMarkerSlotName;
}

}  // namespace

OrvClauseCollector::OrvClauseCollector() : node(nullptr), count(0), nextRegistered_(nullptr) {
  OrvClauseCollector** tail = &registryHead;
  while (*tail != nullptr) tail = &(*tail)->nextRegistered_;
  *tail = this;
}

OrvClauseCollector::~OrvClauseCollector() {
  OrvExpr* held = node;
  Forget();
  if (held != nullptr && held->Parent() == nullptr) DeleteOwned(held, currentParser);
  for (OrvClauseCollector** link = &registryHead; *link != nullptr;
       link = &(*link)->nextRegistered_) {
    if (*link == this) {
      *link = nextRegistered_;
      break;
    }
  }
}

void OrvClauseCollector::Forget() {
  node = nullptr;
  count = 0;
}

// Climbing from the node costs its depth, not the size of the tree.
bool OrvClauseCollector::LiesWithin(const OrvExpr* node, const OrvExpr* root) {
  for (const OrvExpr* up = node; up != nullptr; up = up->Parent()) {
    if (up == root) return true;
  }
  return false;
}

void OrvClauseCollector::DeleteOwned(OrvExpr* owned, OrvParserImpl* parser) {
  if (owned == nullptr) return;
  if (parser != nullptr && parser->errNode != nullptr && LiesWithin(parser->errNode, owned)) {
    parser->errNode = nullptr;
  }
  delete owned;
}

void OrvClauseCollector::DiscardLoose(OrvExpr* loose) {
  if (loose == nullptr || loose->Parent() != nullptr) return;
  if (currentParser != nullptr) {
    DiscardErrValue(reinterpret_cast<OrvGrammarValue>(loose), ORV_DISCARD_POPPED);
  } else {
    delete loose;
  }
}

void OrvClauseCollector::ReleaseAbandoned() {
  OrvExpr* held = node;
  if (held == nullptr) return;
  if (held->Parent() != nullptr) {
    // A tree holds it; the collector only lets go.
    Forget();
    return;
  }
  // Handled as a value that recovery throws away: its tokens and the saved
  // ones go to the error node, and this collector forgets it on the way.
  DiscardErrValue(reinterpret_cast<OrvGrammarValue>(held), ORV_DISCARD_POPPED);
  if (node == held) {
    // No parse runs: nothing keeps the text.
    Forget();
    tokens.Clear();
    DeleteOwned(held, nullptr);
  }
}

OrvExpr* OrvClauseCollector::Start(OrvExpr* newNode) {
  if (newNode != node) ReleaseAbandoned();
  node = newNode;
  count = 0;
  return newNode;
}

bool OrvClauseCollector::TakesInto(const char* method, int slot, OrvExpr* given) {
  if (node != nullptr && slot >= 0 && slot < node->NArgs()) return true;
  if (node != nullptr) {
    VString text = OrvFormat("%s: slot %d is not available in %s", method, slot,
                             OrvOperName(node->Oper()));
    OrvParserImpl::ParserError(MSG_SEVERE, nullptr, &text);
  }
  DiscardLoose(given);
  return false;
}

void OrvClauseCollector::JoinMarkerSlot(int slot, OrvExpr* item) {
  OrvArgSlot* held = node->ArgSlots(slot);
  OrvExpr* list = held->child;
  if (list->Oper() != EX_LIST) {
    // The first item moves into a new list with its order index; the list
    // takes the slot at that index, and the slot keeps its tokens.
    const int order = held->order;
    OrvExpr* first = list;
    list = new OrvExprOper(EX_LIST);
    node->SetArgNoDel(slot, list);
    node->ArgSlots(slot)->order = static_cast<int16_t>(order);
    list->AddArg(first);
    first->SetSlotOrder(order);
  }
  if (item == nullptr) return;
  item->Tokens().Splice(tokens);
  list->AddArg(item);
  item->SetSlotOrder(count);
  ++count;
}

void OrvClauseCollector::SetClause(int slot, OrvExpr* clause) {
  if (!TakesInto("OrvClauseCollector::SetClause", slot, clause)) return;
  if (OrvPresent(node->Args(slot)) && IsMarkerSlot(node, slot)) {
    // Markers and error nodes may come any number of times: they join the
    // slot's list in source order.
    JoinMarkerSlot(slot, clause);
    return;
  }
  if (OrvPresent(node->Args(slot))) {
    VString name = OrvOperArgName(node->Oper(), slot);
    VString text = OrvFormat("Clause %s is set more than once. Ignoring second instance.",
                             name.text != nullptr ? name.text : "");
    OrvTxtPosn at = OrvSrcPosnBegWalker(clause);
    OrvParserImpl::ParserError(MSG_ERR, &at, &text);
    OrvGatherTokensWalker(clause, tokens);
    DeleteOwned(clause, currentParser);
    return;
  }
  if (clause != nullptr) clause->Tokens().Splice(tokens);
  node->SetArg(slot, clause, count, 0);
  ++count;
}

void OrvClauseCollector::AddListItem(int slot, std::uint16_t listCode, OrvExpr* item) {
  if (!TakesInto("OrvClauseCollector::AddListItem", slot, item)) return;
  if (item == nullptr) return;
  // An item that is itself a list of the slot's list operation is merged
  // into the list there and deleted; its own children keep their orders.
  OrvExpr* old = node->Args(slot);
  bool merged = item->Oper() == listCode && old != nullptr && old->Oper() == listCode;
  node->SetArgToList(slot, static_cast<OrvOper>(listCode), item);
  if (!merged) item->SetSlotOrder(count);
  ++count;
}

OrvExpr* OrvClauseCollector::Finish() {
  OrvExpr* done = node;
  if (done != nullptr) done->Tokens().Splice(tokens);
  Forget();
  return done;
}

void OrvClauseCollector::Reset(OrvParserImpl* parser) {
  OrvExpr* held = node;
  Forget();
  if (held != nullptr && held->Parent() == nullptr) DeleteOwned(held, parser);
  tokens.Clear();
}

void OrvClauseCollector::ForgetWithin(OrvExpr* discarded, OrvTokenList& dropped) {
  if (node == nullptr || !LiesWithin(node, discarded)) return;
  Forget();
  dropped.Splice(tokens);
}

OrvClauseCollector* OrvFirstCollector() { return registryHead; }

void OrvResetCollectors(OrvParserImpl* parser) {
  for (OrvClauseCollector* c = registryHead; c != nullptr; c = c->NextRegistered()) {
    c->Reset(parser);
  }
}

void OrvCollectorsForgetWithin(OrvExpr* discarded, OrvTokenList& dropped) {
  if (discarded == nullptr) return;
  for (OrvClauseCollector* c = registryHead; c != nullptr; c = c->NextRegistered()) {
    c->ForgetWithin(discarded, dropped);
  }
}
