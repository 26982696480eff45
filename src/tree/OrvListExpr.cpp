// Joining operands into list nodes, and filling empty argument slots.
#include "OrvListExpr.h"

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvPosnWalkers.h"
#include "OrvTreeWalk.h"

namespace {

bool IsEmptyOperand(const OrvExpr* e) { return e == nullptr || e->IsNullNode(); }

OrvExpr* AsList(OrvOper op, OrvExpr* e) {
  if (e->Oper() == op) return e;
  return new OrvExprOper(op, e);
}

int FillNullArgsCallback(OrvExpr* node, void*) {
  for (int i = 0; i < node->NArgs(); ++i) {
    if (node->Args(i) == nullptr) node->SetArg(i, new OrvNullNode, -1, 0);
  }
  return ORV_WALK_CHILDREN;
}

}  // namespace

OrvExpr* OrvListExpr(OrvOper op, OrvExpr* a, OrvExpr* b) {
  if (!OrvOperIsList(op)) {
    VString msg = OrvFormat("OrvListExpr: oper %s is not a list oper", OrvOperName(op));
    OrvTxtPosn posn = OrvSrcPosnBegWalker(a);
    OrvGlobalMessageSink(MSG_SEVERE, &posn, &msg);
  }
  if (a != nullptr && a == b) return a;  // one node cannot be joined to itself
  if (IsEmptyOperand(a)) {
    if (b == nullptr) return a;
    if (b->IsNullNode()) {
      delete b;
      return a;
    }
    delete a;  // a NULL_NODE (or nothing)
    return AsList(op, b);
  }
  if (IsEmptyOperand(b)) {
    delete b;
    return AsList(op, a);
  }
  if (a->Oper() == op && b->Oper() == op) {
    a->TakeArgs(b);
    // The tokens behind b's last element stay behind the joined elements.
    a->Tokens().Splice(b->Tokens());
    delete b;  // emptied by the move
    return a;
  }
  if (a->Oper() == op) {
    a->AddArg(b);
    return a;
  }
  if (b->Oper() == op) {
    b->InsArg(a, 0);
    return b;
  }
  OrvExpr* kids[2] = {a, b};
  return new OrvExprOper(op, kids, 2);
}

void OrvFillNullArgs(OrvExpr*& root) {
  if (root == nullptr) {
    root = new OrvNullNode;
    return;
  }
  WalkTheTree(root, nullptr, FillNullArgsCallback);
}
