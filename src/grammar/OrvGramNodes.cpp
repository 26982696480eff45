// Node building for the grammar's actions.
#include "OrvGramNodes.h"

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvParserImpl.h"

OrvExpr* OrvGramNode(int op, OrvExpr* a, OrvExpr* b, OrvExpr* c, OrvExpr* d) {
  return OrvGramFillSlots(new OrvExprOper(static_cast<OrvOper>(op)), a, b, c, d);
}

OrvExpr* OrvGramNullNode() { return new OrvNullNode(); }

bool OrvGramAbsent(const OrvExpr* node) { return node == nullptr || node->IsNullNode(); }

OrvExpr* OrvGramFillSlots(OrvExpr* node, OrvExpr* a, OrvExpr* b, OrvExpr* c, OrvExpr* d, OrvExpr* e) {
  OrvExpr* const children[] = {a, b, c, d, e};
  for (int slot = 0; slot < 5; ++slot)
    if (children[slot] != nullptr) node->SetArg(slot, children[slot], -1, 0);
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
