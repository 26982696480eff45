// Statement nodes with many children.
#include "OrvGramStatementNodes.h"

#include "OrvExprOper.h"

OrvExpr* OrvGramStatement(int op, std::initializer_list<OrvExpr*> children) {
  return OrvGramFillStatement(new OrvExprOper(static_cast<OrvOper>(op)), children);
}

OrvExpr* OrvGramFillStatement(OrvExpr* node, std::initializer_list<OrvExpr*> children) {
  if (node == nullptr) return nullptr;
  int slot = 0;
  for (OrvExpr* child : children) {
    if (child != nullptr) node->SetArg(slot, child, -1, 0);
    ++slot;
  }
  return node;
}
