// OrvExprIter: steps through the nodes of one subtree in pre-order, forwards
// and backwards, climbing through the nodes' parent links instead of keeping
// a stack.  Empty argument slots are passed over.
#ifndef LARK_DRIVER_ORVEXPRITER_H
#define LARK_DRIVER_ORVEXPRITER_H

#include "OrvLink.h"

class OrvExpr;

// A node test: non-zero when `node` matches.
typedef int (*OrvExprPredicate)(OrvExpr* node, void* argument);

class OrvExprIter {
public:
  // An iterator over the subtree of `subtreeRoot`, standing on it.
  explicit OrvExprIter(OrvExpr* subtreeRoot) : current(subtreeRoot), root(subtreeRoot) {}

  // Moves to the next node in pre-order and answers it; null at the end of
  // the subtree, where `current` goes back to the root (a further call
  // starts over with the root's first child).
  OrvExpr* Next();
  // Moves to the previous node in pre-order and answers it; null (and no
  // move) on the root, on no node, or on a node outside the subtree.
  OrvExpr* Prev();
  // The next (previous) node after the current one for which `predicate`
  // holds, or null (also without a predicate); the node the iterator stands
  // on is not tested.
  OrvExpr* FindNext(OrvExprPredicate predicate, void* argument);
  OrvExpr* FindPrev(OrvExprPredicate predicate, void* argument);
  // {node, -1} for every node of the subtree, root first, for which
  // `predicate` holds (none without a predicate).  Leaves the iterator on
  // the root.
  OrvLinkList Collect(OrvExprPredicate predicate, void* argument);

  OrvExpr* current;  // the node the iterator stands on; null when it ran off
  OrvExpr* root;     // the subtree's root; the iteration never goes above it
};

#endif
