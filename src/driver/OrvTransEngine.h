// The state of the transformation engine that applies transformations over
// a tree (OrvTransform::SearchTransform, ApplyAll and the walker): the
// nesting stack of running transformations, the node of the latest search,
// the path of the walk under way, the count of applications per name and
// the trace level.  All of it is process-wide.
#ifndef LARK_DRIVER_ORVTRANSENGINE_H
#define LARK_DRIVER_ORVTRANSENGINE_H

#include "OrvExprPath.h"
#include "OrvResult.h"
#include "VString.h"

class OrvExpr;
class OrvTokenList;
class OrvTransform;

// What ApplyAll hands to its walk: the transformation, the mode, the node
// the walk started at and the message list.
struct OrvTransWalkCtx {
  OrvTransform* transform;
  int mode;
  OrvExpr* root;
  OrvTokenList* messages;
};

// The transformations whose ApplyOnce is running, outermost first.
struct OrvTransNesting {
  static constexpr int Capacity = 1024;
  OrvTransform* items[Capacity];
  int depth;
};
extern OrvTransNesting OrvTransStack;

// The node, mode and message list of the search whose ApplyOnce runs now,
// for WillTransform; all null (mode 0) outside any search.
struct OrvTransCall {
  OrvExpr* node;
  int mode;
  OrvTokenList* messages;
};
extern OrvTransCall OrvTransCurrent;

// For the walk under way: the parent of the node ApplyAll started at, then
// the chain of nodes down to the node being walked.  ApplyAll opens a frame
// on it by moving `first` to `end`.
extern OrvExprPath OrvTransExprStack;

// The number of WillTransform calls per transformation name, for the whole
// process (later lists show running totals).
struct OrvTransAppliedEntry {
  VString name;
  int count = 0;
};
struct OrvTransAppliedTable {
  static constexpr int Capacity = 200;
  int count = 0;
  OrvTransAppliedEntry entries[Capacity];
};
extern OrvTransAppliedTable OrvTransAppliedMap;

// 0: no traces; non-zero: debug contexts and the WillTransform trace; above
// 1: a line at the entry and exit of every search, walk and ApplyAll.
extern int OrvTransTraceLevel;

// The pre-order walk of ApplyAll: tries the transformation at every node of
// the subtree except NULL_NODEs, empty slots and cut-off subtrees; does not
// walk a node that an application replaced or removed, nor nodes it
// inserted.  0 or ORV_TRANS_NOT_APPLIED for the node itself;
// ORV_TRANS_NODE_REMOVED when an ancestor left the tree; or an error.
OrvResult OrvTransWalker(OrvExpr* node, OrvTransWalkCtx* ctx);

// A cut-off predicate: 1 for a COBOL_PROGRAM node other than `root`.
int IsNestedProgram(OrvExpr* node, OrvExpr* root);

#endif
