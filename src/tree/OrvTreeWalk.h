// The two recursive walks over a syntax tree: the plain pre-order walk
// WalkTheTree with one callback, and the named walk OrvWalkTree /
// OrvWalkSubtree with pre-, post- and token-list callbacks.
#ifndef ORV_TREE_WALK_H
#define ORV_TREE_WALK_H

#include <iosfwd>

class OrvExpr;
class OrvTokenList;

// The answer of a walk callback; only the low byte of the callback's integer
// counts.  Any other value acts like ORV_WALK_SKIP.
typedef unsigned char OrvWalkCode;
const OrvWalkCode ORV_WALK_CHILDREN = 1;  // visit the children of this node
const OrvWalkCode ORV_WALK_SKIP = 2;      // do not visit the children
const OrvWalkCode ORV_WALK_REMOVED = 3;   // the node was removed from its slot:
                                          // the parent visits the index again
const OrvWalkCode ORV_WALK_STOP = 4;      // stop the whole walk

typedef int (*OrvWalkTheTreeFn)(OrvExpr* node, void* context);
typedef int (*OrvWalkPreFn)(OrvExpr* node, OrvExpr* root, void* context);
typedef int (*OrvWalkPostFn)(OrvExpr* node, OrvExpr* root, void* context,
                             int code);
typedef int (*OrvWalkTokensFn)(OrvTokenList* list, OrvExpr* node,
                               OrvExpr* root, void* context);

// Trace lines of both walks ("+++" on entry, "---" on exit) go to the trace
// stream while the switch is on; it is off by default.
extern int OrvWalkTraceSwitch;
extern std::ostream* OrvWalkTraceStream;

// Pre-order walk: the callback on the node, then, when it answers 1, each
// non-null child in slot order.  A null node answers 2.
OrvWalkCode WalkTheTree(OrvExpr* node, void* context, OrvWalkTheTreeFn callback);

// Named walk from a root (does nothing for a null root).
void OrvWalkTree(OrvExpr* root, void* context, const char* walkerName,
                 OrvWalkPreFn pre, OrvWalkPostFn post, OrvWalkTokensFn tokens);

// Named walk of one subtree: pre; for each slot its token list and its child;
// the node's trailing token list; post.  Every callback may be null.
OrvWalkCode OrvWalkSubtree(OrvExpr* node, OrvExpr* root, void* context,
                           const char* walkerName, OrvWalkPreFn pre,
                           OrvWalkPostFn post, OrvWalkTokensFn tokens);

#endif
