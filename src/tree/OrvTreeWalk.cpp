// The plain pre-order walk and the named generic walk over syntax trees.
#include "OrvTreeWalk.h"

#include <iostream>

#include "OrvExpr.h"
#include "OrvExprOper.h"

int OrvWalkTraceSwitch = 0;
std::ostream* OrvWalkTraceStream = &std::cerr;

namespace {

void Trace(const char* prefix, const char* mark, const OrvExpr* node) {
  *OrvWalkTraceStream << prefix << mark << OrvOperName(node->Oper())
                      << " e=" << static_cast<const void*>(node);
}

// A child that answered "removed" has been dealt with by this node's loop;
// the node itself was not removed, so its parent must not see that answer.
OrvWalkCode AfterChildren(OrvWalkCode code) {
  return code == ORV_WALK_REMOVED ? ORV_WALK_CHILDREN : code;
}

bool StillAt(OrvExpr* node, int i, OrvExpr* child) {
  return i < node->NArgs() && node->ChildAt(i) == child;
}

// The loop over a node's children that both forms of WalkTheTree share:
// `visit` walks one child and answers its code.  The answer is that of the
// last child walked, or "children" when there was none.
// The slot words are read as stored between two visits, which are the only
// steps that may change the node's slots (the making of a NULL_NODE of the
// fill changes one word in place); after a visit the count and the words
// are read again.
template <class Visit>
OrvWalkCode WalkEachChild(OrvExpr* node, Visit visit) {
  OrvWalkCode code = ORV_WALK_CHILDREN;
  bool walked = false;
  int n = node->NArgs();
  const std::uintptr_t* words = n > 0 ? node->PeekWords() : nullptr;
  for (int i = 0; i < n;) {
    OrvExpr* child = OrvWalkedChildOfWord(node, i, words[i]);
    if (child == nullptr) {
      ++i;
      continue;
    }
    code = visit(child);
    walked = true;
    if (code == ORV_WALK_STOP) break;
    // "Removed" visits the same index again, unless the child is in fact
    // still there (which would otherwise loop for ever).
    if (code != ORV_WALK_REMOVED || StillAt(node, i, child)) ++i;
    n = node->NArgs();
    words = n > 0 ? node->PeekWords() : nullptr;
  }
  return walked ? AfterChildren(code) : code;
}

// WalkTheTree without the trace, which every walk of a parse runs many
// times over the whole tree: the same visits and the same answers, without
// the trace tests per node and with a null callback settled once.
// WalkChildren walks the children of a node whose callback answered
// "children"; each child's callback is called here, so that a child
// without slots (half the nodes of a tree) costs no call of its own.
template <bool kHasCallback>
OrvWalkCode WalkChildren(OrvExpr* node, void* context, OrvWalkTheTreeFn callback) {
  return WalkEachChild(node, [context, callback](OrvExpr* child) {
    OrvWalkCode code =
        kHasCallback ? static_cast<OrvWalkCode>(callback(child, context)) : ORV_WALK_CHILDREN;
    if (code == ORV_WALK_CHILDREN && child->NArgs() > 0)
      code = WalkChildren<kHasCallback>(child, context, callback);
    return code;
  });
}

// The walk from `node`, which is never null.
template <bool kHasCallback>
OrvWalkCode WalkQuietly(OrvExpr* node, void* context, OrvWalkTheTreeFn callback) {
  const OrvWalkCode code = kHasCallback ? static_cast<OrvWalkCode>(callback(node, context))
                                        : ORV_WALK_CHILDREN;
  if (code != ORV_WALK_CHILDREN) return code;
  return WalkChildren<kHasCallback>(node, context, callback);
}

}  // namespace

OrvWalkCode WalkTheTree(OrvExpr* node, void* context, OrvWalkTheTreeFn callback) {
  if (node == nullptr) return ORV_WALK_SKIP;
  if (!OrvWalkTraceSwitch) {
    return callback ? WalkQuietly<true>(node, context, callback)
                    : WalkQuietly<false>(node, context, nullptr);
  }
  if (OrvWalkTraceSwitch) {
    Trace("+++WalkTheTree: ", "", node);
    *OrvWalkTraceStream << '\n';
  }
  OrvWalkCode code = callback ? static_cast<OrvWalkCode>(callback(node, context))
                              : ORV_WALK_CHILDREN;
  if (code == ORV_WALK_CHILDREN && node->NArgs() > 0) {
    code = WalkEachChild(
        node, [context, callback](OrvExpr* child) { return WalkTheTree(child, context, callback); });
  }
  if (OrvWalkTraceSwitch) {
    Trace("---WalkTheTree: ", "", node);
    *OrvWalkTraceStream << " ret=" << static_cast<unsigned>(code) << '\n';
  }
  return code;
}

void OrvWalkTree(OrvExpr* root, void* context, const char* walkerName,
                 OrvWalkPreFn pre, OrvWalkPostFn post, OrvWalkTokensFn tokens) {
  if (root == nullptr) return;
  OrvWalkSubtree(root, root, context, walkerName, pre, post, tokens);
}

OrvWalkCode OrvWalkSubtree(OrvExpr* node, OrvExpr* root, void* context,
                           const char* walkerName, OrvWalkPreFn pre,
                           OrvWalkPostFn post, OrvWalkTokensFn tokens) {
  if (node == nullptr) return ORV_WALK_SKIP;
  const char* name = walkerName ? walkerName : "";
  if (OrvWalkTraceSwitch) {
    Trace(name, "+++: ", node);
    *OrvWalkTraceStream << '\n';
  }
  OrvWalkCode code = pre ? static_cast<OrvWalkCode>(pre(node, root, context))
                         : ORV_WALK_CHILDREN;
  bool stopped = false;
  if (code == ORV_WALK_CHILDREN) {
    for (int i = 0; i < node->NArgs() && !stopped;) {
      if (tokens != nullptr) {
        OrvArgSlot* slot = node->SlotAt(i);
        if (slot != nullptr) {
          code = static_cast<OrvWalkCode>(tokens(&slot->tokens, node, root, context));
          if (code == ORV_WALK_STOP) {
            stopped = true;
            break;
          }
        }
      }
      OrvExpr* child = node->ChildAt(i);
      if (child != nullptr) {
        code = OrvWalkSubtree(child, root, context, name, pre, post, tokens);
        if (code == ORV_WALK_STOP) {
          stopped = true;
          break;
        }
        if (code == ORV_WALK_REMOVED) {
          code = ORV_WALK_CHILDREN;  // handled here: the same index again
          if (!StillAt(node, i, child)) continue;
        }
      }
      ++i;
    }
    if (!stopped && tokens != nullptr) {
      code = static_cast<OrvWalkCode>(tokens(&node->Tokens(), node, root, context));
      if (code == ORV_WALK_STOP) stopped = true;
    }
  }
  if (!stopped && post != nullptr) code = static_cast<OrvWalkCode>(post(node, root, context, code));
  if (OrvWalkTraceSwitch) {
    Trace(name, "---: ", node);
    *OrvWalkTraceStream << " ret=" << static_cast<unsigned>(code) << '\n';
  }
  return code;
}
