// The pre-order tree iterator.
#include "OrvExprIter.h"

#include "OrvExpr.h"
#include "OrvTreeUtil.h"

namespace {

// The child in an argument slot, read without the virtual call (an empty
// slot answers null and reports nothing).
OrvExpr* SlotChild(const OrvExpr* node, int i) { return node->SlotAt(i)->child; }

// The first child of `node` at index `from` or later, passing over empty
// slots; null when there is none.
OrvExpr* FirstChildFrom(const OrvExpr* node, int from) {
  const int n = node->NArgs();
  for (int i = from < 0 ? 0 : from; i < n; ++i)
    if (OrvExpr* child = SlotChild(node, i)) return child;
  return nullptr;
}

// The last child of `node` before index `before`, passing over empty slots;
// null when there is none.
OrvExpr* LastChildBefore(const OrvExpr* node, int before) {
  const int n = node->NArgs();
  for (int i = (before > n ? n : before) - 1; i >= 0; --i)
    if (OrvExpr* child = SlotChild(node, i)) return child;
  return nullptr;
}

}  // namespace

OrvExpr* OrvExprIter::Next() {
  if (current == nullptr) return nullptr;
  if (OrvExpr* child = FirstChildFrom(current, 0)) return current = child;
  if (current == root) return nullptr;
  for (OrvExpr* node = current;;) {
    OrvExpr* parent = nullptr;
    const int i = node->FindMe(parent);
    // A node that is not below the root ends the iteration as the root's
    // last node would.
    if (i < 0 || parent == nullptr) break;
    if (OrvExpr* sibling = FirstChildFrom(parent, i + 1)) return current = sibling;
    if (parent == root) break;
    node = parent;
  }
  current = root;
  return nullptr;
}

OrvExpr* OrvExprIter::Prev() {
  if (current == nullptr || current == root || !OrvIsInSubtree(root, current)) return nullptr;
  OrvExpr* parent = nullptr;
  const int i = current->FindMe(parent);
  if (i < 0 || parent == nullptr) return nullptr;
  OrvExpr* node = LastChildBefore(parent, i);
  if (node == nullptr) return current = parent;
  while (OrvExpr* last = LastChildBefore(node, node->NArgs())) node = last;
  return current = node;
}

OrvExpr* OrvExprIter::FindNext(OrvExprPredicate predicate, void* argument) {
  if (current == nullptr || predicate == nullptr) return nullptr;
  while (OrvExpr* node = Next())
    if (predicate(node, argument)) return node;
  return nullptr;
}

OrvExpr* OrvExprIter::FindPrev(OrvExprPredicate predicate, void* argument) {
  if (current == nullptr || predicate == nullptr) return nullptr;
  while (OrvExpr* node = Prev())
    if (predicate(node, argument)) return node;
  return nullptr;
}

OrvLinkList OrvExprIter::Collect(OrvExprPredicate predicate, void* argument) {
  OrvLinkList found;
  current = root;
  if (predicate == nullptr) return found;
  // Next answers null at the end and leaves the iterator on the root, so
  // the loop follows what it answers.
  for (OrvExpr* node = root; node != nullptr; node = Next())
    if (predicate(node, argument)) found.Append(OrvLink(node, -1));
  return found;
}
