// The transformation engine: one search step with its bookkeeping
// (SearchTransform), the walk over a subtree (ApplyAll and OrvTransWalker),
// the count and report of applications (WillTransform), the iterator-driven
// searches and the trace lines.
#include "OrvTransEngine.h"

#include <iostream>
#include <sstream>

#include "OrvExit.h"
#include "OrvExpr.h"
#include "OrvExprIter.h"
#include "OrvLink.h"
#include "OrvMessage.h"
#include "OrvOper.h"
#include "OrvPosnWalkers.h"
#include "OrvToken.h"
#include "OrvToolMain.h"
#include "OrvTransform.h"
#include "OrvTreeUtil.h"
#include "OrvTxtPosn.h"

OrvTransNesting OrvTransStack;
OrvTransCall OrvTransCurrent;
OrvExprPath OrvTransExprStack;
OrvTransAppliedTable OrvTransAppliedMap;
int OrvTransTraceLevel = 0;

namespace {

// Beside each entry of OrvTransExprStack: the index at which the walk found
// it in the entry above (-1 when unknown).  Looking there first keeps the
// checks after an application from scanning long lists.
int exprStackSlots[OrvExprPath::Capacity];

// Where messages go when a caller passed no list.
OrvTokenList& ListOr(OrvTokenList* messages, OrvTokenList& scratch) {
  return messages ? *messages : scratch;
}

// Pushes `node` on the expression stack with its index in the entry above.
OrvResult PushExpr(OrvExpr* node, int slot, OrvTokenList* messages) {
  OrvTokenList scratch;
  OrvResult r = OrvTransExprStack.Add(node, ListOr(messages, scratch));
  if (r == ORV_OK) exprStackSlots[OrvTransExprStack.end - 1] = slot;
  return r;
}

// Drops the deepest entry of the current frame of the expression stack.
void PopExpr() {
  if (OrvTransExprStack.end > OrvTransExprStack.first) --OrvTransExprStack.end;
}

// The index of `child` in `parent`, trying `slot` first; -1 when the parent
// does not hold it.
int IndexIn(const OrvExpr* parent, const OrvExpr* child, int slot) {
  const int n = parent->NArgs();
  if (slot >= 0 && slot < n && parent->SlotAt(slot)->child == child) return slot;
  return n > 0 ? parent->FindArg(child) : -1;
}

// The first child of `node` at index `from` or later (empty slots passed
// over), with its index in *index; null when there is none.
OrvExpr* ChildFrom(const OrvExpr* node, int from, int* index) {
  for (int i = from; i < node->NArgs(); ++i) {
    if (OrvExpr* child = node->SlotAt(i)->child) {
      *index = i;
      return child;
    }
  }
  return nullptr;
}

// The node part of a trace line.
VString NodeText(OrvExpr* node) {
  if (node == nullptr) return VString("e=NULL");
  std::ostringstream text;
  text << "e=" << static_cast<const void*>(node) << " op=" << OrvOperName(node->Oper())
       << " @=" << OrvSrcPosnBegWalker(node);
  return VString(text.str().c_str());
}

// The node that stands where `node` stood, from the path that led to it
// before the change: the deepest entry still hanging from `root`; `root`
// itself when the path's top left it.
OrvExpr* StandIn(const OrvExprPath& path, OrvExpr* root) {
  if (path.first >= path.end) return root;
  OrvExpr* top = path.entries[path.first];
  if (root->NArgs() == 0 || root->FindArg(top) < 0) return root;
  return path.LastConnected();
}

// A step that runs between the building of a node's path and the reading
// of the node that stands in its place.
struct TrackedStep {
  virtual OrvResult Run() = 0;
};

// Runs `step` with the path from the root down to `node` kept in this
// frame (8 KiB, so only the callers that ask for `after` with a non-zero
// mode come here); *after, when the step left it null, becomes the stand-in
// of `node`.  A path that does not fit answers ORV_TRANS_STACK_FULL before
// the step runs.
[[gnu::noinline]] OrvResult RunTracked(TrackedStep& step, OrvExpr* node, OrvTokenList* messages,
                                        OrvExpr** after, bool& ran) {
  OrvExprPath path;
  OrvTokenList scratch;
  ran = false;
  OrvResult r = path.Set(node, ListOr(messages, scratch));
  if (r != ORV_OK) return r;
  OrvExpr* root = OrvTreeRoot(node);
  ran = true;
  r = step.Run();
  if (*after == nullptr) *after = StandIn(path, root);
  return r;
}

// Steps 4 to 8 of a search: traces, debug context, the current call and
// ApplyOnce.  The current call is put back afterwards, so that an outer
// search's WillTransform reports into its own list.
OrvResult ApplyStep(OrvTransform* t, OrvExpr* node, int mode, OrvTokenList* messages,
                    OrvExpr** after, VString& nodeText) {
  if (OrvTransTraceLevel > 1) {
    nodeText = NodeText(node);
    OrvTransform::TraceEnter("->ApplyOnce", t, node, mode, after != nullptr);
  }
  if (OrvTransTraceLevel) OrvEnterDebugContext(new OrvStringDebugContext(t->name.text));
  const OrvTransCall saved = OrvTransCurrent;
  OrvTransCurrent = {node, mode, messages};
  OrvResult r = t->ApplyOnce(node, mode, messages, after);
  OrvTransCurrent = saved;
  if (OrvTransTraceLevel) OrvLeaveDebugContext();
  return r;
}

// Steps 4 to 8 of SearchTransform as a tracked step.
struct SearchStep : TrackedStep {
  OrvTransform* t;
  OrvExpr* node;
  int mode;
  OrvTokenList* messages;
  OrvExpr** after;
  VString* nodeText;
  OrvResult Run() override { return ApplyStep(t, node, mode, messages, after, *nodeText); }
};

// The walk of ApplyAll as a tracked step; no walk function walks nothing.
struct WalkStep : TrackedStep {
  OrvTransWalkCtx* ctx;
  OrvExpr* node;
  OrvResult Run() override {
    OrvTransWalkFn walk = ctx->transform->walkFn;
    return walk ? walk(node, ctx) : ORV_TRANS_NOT_APPLIED;
  }
};

// Counts one application of `name`.
void CountApplied(const VString& name) {
  OrvTransAppliedTable& map = OrvTransAppliedMap;
  for (int i = 0; i < map.count; ++i) {
    if (OrvTransSameName(map.entries[i].name, name)) {
      ++map.entries[i].count;
      return;
    }
  }
  if (map.count >= OrvTransAppliedTable::Capacity) {
    OrvTransErrorHandler(
        VString("SEVERE ERROR: OrvTransform::WillTransform: too many transformations in a map"));
    return;
  }
  map.entries[map.count].name = name;
  map.entries[map.count].count = 1;
  ++map.count;
}

// The walker at one node, found at index `slot` of its parent (-1 when not
// known).
OrvResult WalkNode(OrvExpr* node, OrvTransWalkCtx* ctx, int slot);

// Step 6 of the walker after an application: finds the highest entry of
// the walk's path that is no longer held by the entry above it, clears the
// entries from there down and answers its index (-1 when all hold).
int FirstDetached() {
  OrvExprPath& stack = OrvTransExprStack;
  if (OrvTransTraceLevel)
    std::cout << "TrWkr***: check expr stack: from " << stack.first + 1 << " to " << stack.end
              << "\n";
  for (int k = stack.first + 1; k < stack.end; ++k) {
    const OrvExpr* upper = stack.entries[k - 1];
    if (upper == nullptr) continue;
    if (stack.entries[k] != nullptr && IndexIn(upper, stack.entries[k], exprStackSlots[k]) >= 0)
      continue;
    for (int j = k; j < stack.end; ++j) stack.entries[j] = nullptr;
    return k;
  }
  return -1;
}

// Step 7 of the walker: the children of `node`, in slot order.  Answers 0
// when they were all walked (or the walk stopped after the last one), else
// what ended it.
OrvResult WalkChildren(OrvExpr* node, OrvTransWalkCtx* ctx) {
  const int tracking = ctx->transform->Slot4();
  int i = 0;
  while (i < node->NArgs()) {
    OrvExpr* child = node->SlotAt(i)->child;
    if (child == nullptr) {
      ++i;
      continue;
    }
    int nextSlot = -1;
    OrvExpr* next = ChildFrom(node, i + 1, &nextSlot);
    const OrvResult c = WalkNode(child, ctx, i);
    if (c == ORV_TRANS_NOT_APPLIED || (c == ORV_OK && !tracking)) {
      ++i;
    } else if (c == ORV_OK) {
      // The child may have been replaced or removed: go on with the sibling
      // that followed it, wherever it stands now.
      if (next == nullptr) return ORV_OK;
      const int j = IndexIn(node, next, nextSlot);
      if (j >= 0) {
        i = j;
      } else {
        OrvTransErrorHandler(VString("OrvTransWalker: next expression to be transformed was lost"));
        ++i;
      }
    } else if (c == ORV_TRANS_NODE_REMOVED) {
      // Walked again by the nearest ancestor still in the tree; `node` may
      // be gone, so it is only compared.
      const OrvExprPath& stack = OrvTransExprStack;
      const OrvExpr* top = stack.end > stack.first ? stack.entries[stack.end - 1] : nullptr;
      if (top != node) return ORV_TRANS_NODE_REMOVED;
    } else {
      return c;
    }
  }
  return ORV_OK;
}

OrvResult WalkNode(OrvExpr* node, OrvTransWalkCtx* ctx, int slot) {
  if (node == nullptr || node->Oper() == NULL_NODE) return ORV_TRANS_NOT_APPLIED;
  OrvTransform* t = ctx->transform;
  if (OrvTransTraceLevel > 1) OrvTransform::TraceEnter(":>TrnWkr", t, node, -1, false);
  if (t->cutOff && t->cutOff(node, ctx->root)) {
    if (OrvTransTraceLevel) std::cout << "TrWkr---CutOff## : \n";
    return ORV_TRANS_NOT_APPLIED;
  }
  VString nodeText;
  if (OrvTransTraceLevel > 1) nodeText = NodeText(node);
  OrvResult r = PushExpr(node, slot, ctx->messages);
  if (r != ORV_OK) return r;

  OrvResult result = OrvTransform::SearchTransform(t, node, ctx->mode, ctx->messages);
  if (result == ORV_OK || result == ORV_TRANS_NOT_APPLIED) {
    bool descend = true;
    if (result == ORV_OK && t->Slot4()) {
      const int k = FirstDetached();
      if (k >= 0) {
        descend = false;
        // An ancestor left the tree, not only the node itself.
        if (k != OrvTransExprStack.end - 1) result = ORV_TRANS_NODE_REMOVED;
      }
    }
    if (descend) {
      const OrvResult c = WalkChildren(node, ctx);
      if (c != ORV_OK) result = c;
    }
  }

  PopExpr();
  if (OrvTransTraceLevel > 1) OrvTransform::TraceLeave(":<TrWkr", t, nodeText, nullptr, result);
  return result;
}

}  // namespace

OrvResult OrvTransWalker(OrvExpr* node, OrvTransWalkCtx* ctx) { return WalkNode(node, ctx, -1); }

int IsNestedProgram(OrvExpr* node, OrvExpr* root) {
  return node != nullptr && node->Oper() == COBOL_PROGRAM && node != root;
}

// ---------------------------------------------------------------------------
// Search and application
// ---------------------------------------------------------------------------

OrvResult OrvTransform::SearchTransform(OrvTransform* t, OrvExpr* node, int mode,
                                        OrvTokenList* messages, OrvExpr** after) {
  OrvTransNesting& nesting = OrvTransStack;
  if (nesting.depth >= OrvTransNesting::Capacity) {
    if (messages)
      messages->AddToken(MSG_SEVERE, OrvSrcPosnBegWalker(node),
                         VString("OrvTransform::SearchTransform: transformation stack limit exceeded"));
    return ORV_TRANS_STACK_FULL;
  }
  nesting.items[nesting.depth++] = t;
  VString nodeText;
  OrvResult r;
  if (after) *after = nullptr;
  if (after && mode && t->Slot4()) {
    SearchStep step;
    step.t = t;
    step.node = node;
    step.mode = mode;
    step.messages = messages;
    step.after = after;
    step.nodeText = &nodeText;
    bool ran = false;
    r = RunTracked(step, node, messages, after, ran);
    // A path that does not fit ran nothing: the push is undone unseen.
    if (!ran) {
      --nesting.depth;
      return r;
    }
  } else {
    r = ApplyStep(t, node, mode, messages, after, nodeText);
    if (after && *after == nullptr) *after = node;
  }
  --nesting.depth;
  if (OrvTransTraceLevel > 1) TraceLeave("<-ApplyOnce", t, nodeText, after ? *after : nullptr, r);
  return r;
}

OrvResult OrvTransform::ApplyAll(OrvExpr* node, int mode, OrvTokenList* messages, OrvExpr** after) {
  OrvExprPath& stack = OrvTransExprStack;
  const int savedFirst = stack.first;
  stack.first = stack.end;
  OrvResult r = PushExpr(node ? node->Parent() : nullptr, -1, messages);
  if (r != ORV_OK) {
    stack.first = savedFirst;
    return r;
  }
  VString nodeText;
  if (OrvTransTraceLevel > 1) {
    nodeText = NodeText(node);
    TraceEnter("=>ApplyAll", this, node, mode, after != nullptr);
  }
  OrvTransWalkCtx ctx = {this, mode, node, messages};
  WalkStep step;
  step.ctx = &ctx;
  step.node = node;
  if (after) *after = nullptr;
  if (after && mode && Slot4()) {
    bool ran = false;
    r = RunTracked(step, node, messages, after, ran);
  } else {
    r = step.Run();
    if (after && *after == nullptr) *after = node;
  }
  if (r == ORV_TRANS_NOT_APPLIED) r = ORV_OK;
  PopExpr();
  stack.first = savedFirst;
  if (OrvTransTraceLevel > 1) TraceLeave("<-ApplyAll", this, nodeText, after ? *after : nullptr, r);
  return r;
}

void OrvTransform::WillTransform(int silent) {
  const OrvTransCall& call = OrvTransCurrent;
  if (!silent) {
    CountApplied(name);
    if (OrvConvInfo && call.messages) {
      const VString firstLine = inst_descr.UpTo('\n');
      const char* format = OrvTransFindOnly ? "Found %s (%s)" : "Applied %s (%s)";
      const OrvTxtPosn posn = call.node ? OrvSrcPosnBegWalker(call.node) : OrvNullPosn;
      call.messages->AddToken(MSG_INFO, posn,
                              OrvFormat(format, name.text ? name.text : "",
                                        firstLine.text ? firstLine.text : ""));
    }
  }
  if (OrvTransTraceLevel) {
    std::cout << "**WillTr: " << name << " op=" << (call.node ? OrvOperName(call.node->Oper()) : "")
              << " @=" << (call.node ? OrvSrcPosnBegWalker(call.node) : OrvNullPosn)
              << " i=" << (call.node ? call.node->Serial() : 0) << " t=" << call.mode << "\n";
  }
}

namespace {

// Steps the iterator with `step` until the transformation applies in mode
// 0 (0, the iterator on that node), fails (its result) or the iterator
// runs out (ORV_TRANS_ITER_END).  The starting node is not tried.
OrvResult SearchAlong(OrvTransform* t, OrvExprIter& iter, OrvExpr* (OrvExprIter::*step)(),
                      OrvTokenList* messages) {
  if (iter.current == nullptr) return ORV_TRANS_ITER_END;
  while (OrvExpr* node = (iter.*step)()) {
    OrvResult r = OrvTransform::SearchTransform(t, node, 0, messages);
    if (r != ORV_TRANS_NOT_APPLIED) return r;
  }
  return ORV_TRANS_ITER_END;
}

}  // namespace

OrvResult OrvTransform::SearchNext(OrvExprIter& iter, OrvTokenList* messages) {
  return SearchAlong(this, iter, &OrvExprIter::Next, messages);
}

OrvResult OrvTransform::SearchPrev(OrvExprIter& iter, OrvTokenList* messages) {
  return SearchAlong(this, iter, &OrvExprIter::Prev, messages);
}

OrvResult OrvTransform::SearchAll(OrvExprIter& iter, OrvLinkList& found, OrvTokenList* messages) {
  iter.current = iter.root;
  // Next answers null at the end (leaving the iterator on the root), so
  // the loop follows what it answers.
  for (OrvExpr* node = iter.root; node != nullptr; node = iter.Next()) {
    OrvResult r = SearchTransform(this, node, 0, messages);
    if (r == ORV_OK) {
      found.Append(OrvLink(node, -1));
    } else if (r != ORV_TRANS_NOT_APPLIED) {
      return r;
    }
  }
  return ORV_OK;
}

OrvResult OrvTransform::MatchAt(OrvExpr* node, int& applied, OrvTokenList* messages) {
  applied = 0;
  OrvResult r = SearchTransform(this, node, 0, messages);
  if (r == ORV_OK) applied = 1;
  return r == ORV_TRANS_NOT_APPLIED ? ORV_OK : r;
}

OrvResult OrvTransform::ApplyRepeatedly(OrvExpr* node, OrvTokenList* messages, OrvExpr** after) {
  OrvExpr* at = node;
  OrvResult r;
  // Each round runs where the previous one left a node in the tree, never
  // at a node it replaced.
  do {
    OrvExpr* standIn = nullptr;
    r = SearchTransform(this, at, 1, messages, &standIn);
    if (standIn) at = standIn;
  } while (r == ORV_OK && at != nullptr);
  if (after) *after = at;
  return r == ORV_TRANS_NOT_APPLIED ? ORV_OK : r;
}

// ---------------------------------------------------------------------------
// Traces
// ---------------------------------------------------------------------------

void OrvTransform::TraceEnter(const char* label, const OrvTransform* t, OrvExpr* node, int mode,
                              bool afterAsked) {
  std::cout << label << ": " << t->name << " " << NodeText(node) << " t=" << mode
            << " eaft=" << (afterAsked ? "asked" : "no") << "\n";
}

void OrvTransform::TraceLeave(const char* label, const OrvTransform* t, const VString& nodeText,
                              const OrvExpr* after, OrvResult rc) {
  std::cout << label << ": " << t->name << " " << nodeText
            << " eaft=" << static_cast<const void*>(after) << " rc=" << static_cast<int>(rc)
            << "\n";
}
