// Node building for the grammar's actions.
#include "OrvGramNodes.h"

#include "OrvClauseCollector.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvListExpr.h"
#include "OrvParserImpl.h"

OrvExpr* OrvGramNode(int op, OrvExpr* a, OrvExpr* b, OrvExpr* c, OrvExpr* d) {
  OrvExprOper* node = new OrvExprOper(static_cast<OrvOper>(op));
  OrvExpr* const children[] = {a, b, c, d};
  node->TakeFreshChildren(children, 4);
  return node;
}

OrvExpr* OrvGramNullNode() { return new OrvNullNode(); }

bool OrvGramAbsent(const OrvExpr* node) { return node == nullptr || node->IsNullNode(); }

OrvExpr* OrvGramFillSlots(OrvExpr* node, OrvExpr* a, OrvExpr* b, OrvExpr* c, OrvExpr* d, OrvExpr* e) {
  OrvExpr* const children[] = {a, b, c, d, e};
  for (int slot = 0; slot < 5; ++slot)
    if (children[slot] != nullptr) node->SetArg(slot, children[slot], -1, 0);
  return node;
}

OrvExpr* OrvGramFillSlotList(OrvExpr* node, std::initializer_list<OrvExpr*> children) {
  int slot = 0;
  for (OrvExpr* child : children) {
    if (child != nullptr) node->SetArg(slot, child, -1, 0);
    ++slot;
  }
  return node;
}

OrvExpr* OrvGramErrorNode() {
  OrvExpr* node = GenErrNode();
  if (currentParser != nullptr) currentParser->noReduce = 1;
  return node;
}

OrvExpr* OrvGramDivisionCallBack(OrvExpr* item) {
  if (currentParser != nullptr && currentParser->divisionCallBack != nullptr)
    currentParser->divisionCallBack(&item);
  return item;
}

OrvExpr* OrvGramOptionalFrame(int op, std::initializer_list<OrvExpr**> parts) {
  bool allAbsent = true;
  for (OrvExpr** part : parts) allAbsent = allAbsent && OrvGramAbsent(*part);
  if (allAbsent) {
    for (OrvExpr** part : parts)
      if (part != *parts.begin()) OrvReleaseValue(*part);
    return **parts.begin();
  }
  OrvExpr* node = new OrvExprOper(static_cast<OrvOper>(op));
  int slot = 0;
  for (OrvExpr** part : parts) {
    if (*part != nullptr) node->SetArg(slot, *part, -1, 0);
    ++slot;
  }
  return node;
}

OrvExpr* OrvGramListAppend(int op, OrvExpr** list, OrvExpr* item) {
  OrvExpr* head = *list;
  if (head != nullptr && head->IsNullNode()) {
    OrvReleaseValue(*list);
    head = nullptr;
  }
  return OrvListExpr(static_cast<OrvOper>(op), head, item);
}

OrvExpr* OrvGramRetag(OrvExpr* node, int op) {
  if (node != nullptr) node->SetOper(static_cast<OrvOper>(op));
  return node;
}

OrvExpr* OrvGramStartCollected(OrvClauseCollector& collector, int op, OrvExpr* const* parts, int count) {
  OrvExpr* node = collector.Start(new OrvExprOper(static_cast<OrvOper>(op)));
  for (int slot = 0; slot < count; ++slot) collector.SetClause(slot, parts[slot]);
  return node;
}

OrvExpr* OrvGramTakeFirstItem(OrvExpr* list) {
  OrvTokenList slotTokens;
  slotTokens.Splice(list->ArgSlots(0)->tokens);
  OrvExpr* item = list->DelArg(0, 1, 0);
  if (item != nullptr) item->Tokens().Prepend(slotTokens);
  return item;
}

void OrvGramMoveItems(OrvExpr* from, OrvExpr* to) {
  while (from->NArgs() > 0) {
    OrvExpr* item = OrvGramTakeFirstItem(from);
    if (item != nullptr) to->AddArg(item);
  }
  to->Tokens().Splice(from->Tokens());
  delete from;
}
