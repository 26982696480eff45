// The expression path: a bounded stack of nodes from the top of a subtree
// down to the node a transformation works on.
#include "OrvExprPath.h"

#include "OrvExpr.h"
#include "OrvMessage.h"
#include "OrvPosnWalkers.h"
#include "OrvToken.h"
#include "OrvTxtPosn.h"

OrvExprPath::OrvExprPath() : first(0), end(0) {
  for (int i = 0; i < Capacity; ++i) entries[i] = nullptr;
}

OrvResult OrvExprPath::Add(OrvExpr* node, OrvTokenList& messages) {
  if (end < Capacity) {
    entries[end++] = node;
    return ORV_OK;
  }
  messages.AddToken(MSG_SEVERE, OrvSrcPosnBegWalker(node),
                    VString("OrvExprPath::Add: expr stack overflow"));
  return ORV_PATH_OVERFLOW;
}

OrvResult OrvExprPath::Remove(OrvTokenList& messages) {
  if (end > first) {
    --end;
    return ORV_OK;
  }
  messages.AddToken(MSG_SEVERE, OrvTxtPosn(),
                    VString("OrvExprPath::Remove: empty expr stack"));
  return ORV_PATH_OVERFLOW;
}

OrvResult OrvExprPath::Set(OrvExpr* node, OrvTokenList& messages) {
  // The chain is stored at the deep end of the array, the lowest node in the
  // last entry.  It is counted first, so that a chain that does not fit
  // leaves the path as it was.
  int depth = 0;
  for (OrvExpr* n = node; n != nullptr && n->Parent() != nullptr; n = n->Parent()) {
    if (++depth > Capacity) {
      messages.AddToken(MSG_SEVERE, OrvTxtPosn(),
                        VString("OrvExprPath::Set: expr path overflow"));
      return ORV_PATH_OVERFLOW;
    }
  }
  end = Capacity;
  first = Capacity;
  for (OrvExpr* n = node; n != nullptr && n->Parent() != nullptr; n = n->Parent())
    entries[--first] = n;
  return ORV_OK;
}

OrvExpr* OrvExprPath::LastConnected() const {
  if (first >= end) return nullptr;
  for (int i = first + 1; i < end; ++i) {
    OrvExpr* upper = entries[i - 1];
    OrvExpr* lower = entries[i];
    // A leaf or a missing entry holds nothing; asking a leaf for FindArg
    // would only report a misuse.
    if (upper == nullptr || lower == nullptr || upper->NArgs() == 0 ||
        upper->FindArg(lower) < 0)
      return upper;
  }
  return entries[end - 1];
}
