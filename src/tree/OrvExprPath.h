// OrvExprPath: a fixed-capacity path of nodes from the top of a subtree down
// to one node.  Tree transformations keep one to know where they stand and to
// notice when an edit has cut the path.  It holds no heap storage.
#ifndef LARK_TREE_ORVEXPRPATH_H
#define LARK_TREE_ORVEXPRPATH_H

#include "OrvResult.h"

class OrvExpr;
class OrvTokenList;

class OrvExprPath {
public:
  // Largest number of entries a path holds.
  static constexpr int Capacity = 1024;

  // An empty path (first == end == 0).
  OrvExprPath();

  // Appends a node at the deep end.  0, or 67 with a severe message token
  // appended to `messages` when the path is full.
  OrvResult Add(OrvExpr* node, OrvTokenList& messages);
  // Drops the deepest entry.  0, or 67 with a severe message token when the
  // path is empty.
  OrvResult Remove(OrvTokenList& messages);
  // Makes the path the chain from `node` up to, but not including, the root
  // of its tree (topmost first).  0, or 67 with a severe message token when
  // the chain does not fit; the path is then left as it was.
  OrvResult Set(OrvExpr* node, OrvTokenList& messages);
  // The deepest entry still reachable from the top entry through intact
  // parent-child links; null for an empty path.
  OrvExpr* LastConnected() const;

  // The path is entries[first] .. entries[end - 1], the topmost node first;
  // it is empty when first equals end.
  int first;
  int end;
  OrvExpr* entries[Capacity];
};

#endif
