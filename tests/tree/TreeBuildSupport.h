// Test support for tree utilities: building small trees in one expression.
#ifndef TREE_BUILD_SUPPORT_H
#define TREE_BUILD_SUPPORT_H

#include <initializer_list>

#include "OrvExprOper.h"
#include "OrvOper.h"

// A node of `op` with the given children: in slots 0, 1, ... of a
// positional operation (null leaves a slot empty), appended to a list.
inline OrvExpr* N(OrvOper op, std::initializer_list<OrvExpr*> children = {}) {
  OrvExpr* node = new OrvExprOper(op);
  int i = 0;
  for (OrvExpr* child : children) {
    if (OrvOperIsList(op))
      node->AddArg(child);
    else if (child != nullptr)
      node->SetArg(i, child);
    ++i;
  }
  return node;
}

#endif
