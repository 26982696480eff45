// Test support for the transformation framework: small trees whose nodes
// have names, a transformation that acts out a script per node, the capture
// of the framework's error handler, and a guard that puts the framework's
// process-wide state back after a test.
#ifndef LARK_TESTS_DRIVER_TRANSFORMTESTSUPPORT_H
#define LARK_TESTS_DRIVER_TRANSFORMTESTSUPPORT_H

#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "OrvConstNodes.h"
#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvOper.h"
#include "OrvToolMain.h"
#include "OrvTranStorage.h"
#include "OrvTransEngine.h"
#include "OrvTransform.h"

// Nodes with names: leaves are CHAR_STRINGs, inner nodes EX_LIST lists or
// positional nodes of a given operation.  Names are kept beside the tree.
class NamedTree {
public:
  OrvExpr* Leaf(const std::string& name) { return Add(name, new OrvCharString(VString(name.c_str()))); }
  // An EX_LIST holding the children in order.
  OrvExpr* List(const std::string& name, std::initializer_list<OrvExpr*> children = {}) {
    OrvExpr* node = new OrvExprOper(EX_LIST);
    for (OrvExpr* child : children) node->AddArg(child);
    return Add(name, node);
  }
  // A positional node of `op` with the children in slots 0, 1, ...; null
  // leaves a slot empty.
  OrvExpr* Pos(const std::string& name, OrvOper op, std::initializer_list<OrvExpr*> children) {
    OrvExpr* node = new OrvExprOper(op);
    int i = 0;
    for (OrvExpr* child : children) {
      if (child) node->SetArg(i, child);
      ++i;
    }
    return Add(name, node);
  }
  // A NULL_NODE.
  OrvExpr* Null(const std::string& name) { return Add(name, new OrvNullNode); }
  // Gives `node` the source position LINE:COLUMN (column counted from 1)
  // of file `fileIx` through a word token in its trailing list.
  static OrvExpr* Place(OrvExpr* node, int line, int column, int fileIx) {
    node->Tokens().AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(line, column - 1, fileIx), VString("W"));
    return node;
  }
  OrvExpr* Add(const std::string& name, OrvExpr* node) {
    names_[node] = name;
    nodes_[name] = node;
    return node;
  }
  // The node's name; "null" for none, "?" for a node made elsewhere.
  std::string Name(const OrvExpr* node) const {
    if (node == nullptr) return "null";
    auto it = names_.find(node);
    return it == names_.end() ? "?" : it->second;
  }
  OrvExpr* operator[](const std::string& name) const { return nodes_.at(name); }
  // Forgets a node that is deleted (its name may be given again).
  void Forget(const OrvExpr* node) {
    auto it = names_.find(node);
    if (it == names_.end()) return;
    nodes_.erase(it->second);
    names_.erase(it);
  }

private:
  std::map<const OrvExpr*, std::string> names_;
  std::map<std::string, OrvExpr*> nodes_;
};

// The names of the nodes of a link list, joined by blanks.
inline std::string LinkNames(const NamedTree& tree, OrvLinkList& links) {
  std::string text;
  for (int i = 0; i < links.Count(); ++i) text += (i ? " " : "") + tree.Name(links.Nth(i).node);
  return text;
}

// What a ScriptedTransform does at a node named in its script.  A node not
// named answers ORV_TRANS_NOT_APPLIED.
enum class Act {
  Find,         // WillTransform(0), then 0
  Replace,      // in a non-zero mode: replace the node by a new leaf "<name>'", delete it; 0
  Remove,       // in a non-zero mode: take the node out of its parent (DelThis), delete it; 0
  DetachUp,     // in a non-zero mode: take the ancestor `target` out and delete it; 0
  InsertAfter,  // in a non-zero mode: put a new leaf "<name>+" after the node; 0
  Fail,         // answer `code`
};

struct Step {
  Step(Act a, const std::string& t = "", OrvResult c = 0) : act(a), target(t), code(c) {}
  Act act;
  std::string target;  // DetachUp: the ancestor
  OrvResult code;      // Fail: the result
};

// A transformation that acts out a script, per node name, and records the
// names of the nodes it was tried at.
class ScriptedTransform : public OrvTransform {
public:
  explicit ScriptedTransform(NamedTree& tree, const char* instance = "scripted") : tree_(&tree) {
    name = VString(instance);
    inst_descr = VString("scripted steps\nsecond line");
  }
  OrvTransform* Clone() const override { return new ScriptedTransform(*this); }
  VString ClassName() const override { return VString("ScriptedTransform"); }
  VString ClassDescr() const override { return VString("Acts out a script"); }
  int Slot4() const override { return tracking; }

  OrvResult ApplyOnce(OrvExpr* node, int mode, OrvTokenList*, OrvExpr**) override {
    const std::string nodeName = tree_->Name(node);
    tried.push_back(nodeName);
    auto it = script.find(nodeName);
    if (it == script.end()) return ORV_TRANS_NOT_APPLIED;
    const Step& step = it->second;
    if (step.act == Act::Fail) return step.code;
    WillTransform(0);
    if (mode == 0) return ORV_OK;
    switch (step.act) {
      case Act::Replace: {
        OrvExpr* fresh = tree_->Leaf(nodeName + "'");
        ForgetSubtree(node);
        delete node->ReplThis(fresh);
        break;
      }
      case Act::Remove:
        ForgetSubtree(node);
        delete node->DelThis();
        break;
      case Act::DetachUp: {
        OrvExpr* up = (*tree_)[step.target];
        ForgetSubtree(up);
        delete up->DelThis();
        break;
      }
      case Act::InsertAfter:
        node->InsSibAfter(tree_->Leaf(nodeName + "+"));
        break;
      default:
        break;
    }
    return ORV_OK;
  }

  std::map<std::string, Step> script;
  std::vector<std::string> tried;
  int tracking = 1;

private:
  void ForgetSubtree(OrvExpr* node) {
    if (node == nullptr) return;
    for (int i = 0; i < node->NArgs(); ++i) ForgetSubtree(node->SlotAt(i)->child);
    tree_->Forget(node);
  }
  NamedTree* tree_;
};

// Joins strings with blanks.
inline std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (size_t i = 0; i < items.size(); ++i) text += (i ? " " : "") + items[i];
  return text;
}

// While alive, the framework's error handler records its messages here.
class HandlerCapture {
public:
  HandlerCapture() : saved_(OrvTransErrorHandler) {
    texts().clear();
    OrvTransErrorHandler = &Record;
  }
  ~HandlerCapture() { OrvTransErrorHandler = saved_; }
  HandlerCapture(const HandlerCapture&) = delete;
  HandlerCapture& operator=(const HandlerCapture&) = delete;
  static std::vector<std::string>& texts() {
    static std::vector<std::string> recorded;
    return recorded;
  }

private:
  static void Record(const VString& message) { texts().push_back(message.text ? message.text : ""); }
  OrvTransErrorHandlerFn saved_;
};

// Saves the framework's process-wide state when made and puts it back when
// it goes: the class registry, OrvTheTranStorage, the applied map, the
// current search, the nesting and expression stacks, the trace level, the
// error handler and the reporting switches.  Transformation objects that
// were made meanwhile and are still alive are deleted.
class TransformStateGuard {
public:
  TransformStateGuard()
      : registry_(new OrvTransRegistry(OrvTransClasses())),
        applied_(new OrvTransAppliedTable(OrvTransAppliedMap)),
        dirs_(OrvTheTranStorage.dirs),
        storageCount_(OrvTheTranStorage.count),
        current_(OrvTransCurrent),
        nestingDepth_(OrvTransStack.depth),
        exprFirst_(OrvTransExprStack.first),
        exprEnd_(OrvTransExprStack.end),
        traceLevel_(OrvTransTraceLevel),
        handler_(OrvTransErrorHandler),
        convWarn_(OrvConvWarn),
        convInfo_(OrvConvInfo),
        convList_(OrvConvList),
        findOnly_(OrvTransFindOnly) {
    for (int i = 0; i < storageCount_; ++i) storageItems_.push_back(OrvTheTranStorage.items[i]);
    const OrvTransLiveTable& live = OrvTransLiveObjects;
    for (int i = 0; i < live.fill; ++i)
      if (live.slots[i]) liveBefore_.insert(live.slots[i]);
  }

  ~TransformStateGuard() {
    DeleteNewObjects();
    OrvTransClasses() = *registry_;
    OrvTransAppliedMap = *applied_;
    OrvTheTranStorage.dirs = dirs_;
    for (int i = 0; i < OrvTranStorage::Capacity; ++i)
      OrvTheTranStorage.items[i] = i < storageCount_ ? storageItems_[i] : nullptr;
    OrvTheTranStorage.count = storageCount_;
    OrvTransCurrent = current_;
    OrvTransStack.depth = nestingDepth_;
    OrvTransExprStack.first = exprFirst_;
    OrvTransExprStack.end = exprEnd_;
    OrvTransTraceLevel = traceLevel_;
    OrvTransErrorHandler = handler_;
    OrvConvWarn = convWarn_;
    OrvConvInfo = convInfo_;
    OrvConvList = convList_;
    OrvTransFindOnly = findOnly_;
  }
  TransformStateGuard(const TransformStateGuard&) = delete;
  TransformStateGuard& operator=(const TransformStateGuard&) = delete;

private:
  // Deletes the live objects made since the guard, each once.
  void DeleteNewObjects() {
    OrvTransLiveTable& live = OrvTransLiveObjects;
    std::set<OrvTransform*> fresh;
    for (int i = 0; i < live.fill; ++i)
      if (live.slots[i] && !liveBefore_.count(live.slots[i])) fresh.insert(live.slots[i]);
    for (OrvTransform* t : fresh)
      for (int k = 0; k < t->nrefs; ++k)
        if (t->refs[k].owned && fresh.count(t->refs[k].transform)) t->refs[k].owned = 0;
    for (OrvTransform* t : fresh) delete t;
  }

  std::unique_ptr<OrvTransRegistry> registry_;
  std::unique_ptr<OrvTransAppliedTable> applied_;
  VStringList dirs_;
  int storageCount_;
  std::vector<OrvTransform*> storageItems_;
  OrvTransCall current_;
  int nestingDepth_;
  int exprFirst_;
  int exprEnd_;
  int traceLevel_;
  OrvTransErrorHandlerFn handler_;
  int convWarn_;
  int convInfo_;
  int convList_;
  int findOnly_;
  std::set<OrvTransform*> liveBefore_;
};

#endif
