// Tree utilities and searches over OrvExpr trees.
#include "OrvTreeUtil.h"

#include <vector>

#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvMessage.h"
#include "OrvNameNodes.h"
#include "OrvOper.h"
#include "OrvPicture.h"
#include "OrvToken.h"
#include "OrvTreeWalk.h"
#include "OrvTxtPosn.h"

namespace {

// True for a present child that is not a NULL_NODE.
bool Present(const OrvExpr* node) { return node != nullptr && node->Oper() != NULL_NODE; }

// Child i of a node, or null when the node has no such slot (asking a leaf or
// a short node would only report a misuse).  Read inline (ChildAt): the
// data clauses of every entry are looked up this way.  A NULL_NODE of the
// fill that is not made yet reads as null: every caller takes a NULL_NODE
// for an absent clause (a NULL_NODE sign kind leaves the sign at NULL_NODE,
// which is its start value), so it is not made for the question.
OrvExpr* ChildOrNull(OrvExpr* node, int i) {
  if (node == nullptr || i < 0 || i >= node->NArgs()) return nullptr;
  // Read as stored; an empty slot is asked through ChildAt only with the
  // fill switch on, under which it reports.
  OrvExpr* child = node->PeekChild(i);
  if (child == nullptr && OrvFillNullSwitch && !node->PeekFill(i)) return node->ChildAt(i);
  return child;
}

// Child i as stored, or null when the node has no such slot: what
// ChildOrNull reads with the fill switch off, without testing the switch at
// every slot (the layout climbs above every item it lays out).
OrvExpr* StoredChild(OrvExpr* node, int i) {
  return node != nullptr && i >= 0 && i < node->NArgs() ? node->PeekChild(i) : nullptr;
}

// The climb of OrvInheritedDataClauses, each slot read through Child.
template <OrvExpr* (*Child)(OrvExpr*, int)>
void ClimbDataClauses(OrvExpr* node, int& usage, int& sync, int& sign, int& signSeparate) {
  usage = 1;
  sync = 1;
  sign = 1;
  signSeparate = 0;
  for (OrvExpr* n = node; n != nullptr && n->Oper() != DIVISION_DATA; n = n->Parent()) {
    if (n->Oper() != DECL_DD) continue;
    OrvExpr* entry = Child(n, 0);
    if (entry == nullptr) continue;
    if (usage == 1) {
      OrvExpr* clause = Child(entry, 5);
      if (Present(clause)) {
        OrvExpr* kind = Child(clause, 0);
        if (Present(kind)) usage = kind->Oper();
      }
    }
    if (sync == 1) {
      OrvExpr* clause = Child(entry, 9);
      if (Present(clause)) sync = clause->Oper();
    }
    if (sign == 1) {
      OrvExpr* clause = Child(entry, 8);
      if (Present(clause)) {
        // A NULL_NODE kind leaves the sign at 1, so an outer entry may still
        // give it; SEPARATE counts all the same.
        OrvExpr* kind = Child(clause, 0);
        if (kind != nullptr) sign = kind->Oper();
        if (Present(Child(clause, 1))) signSeparate = 1;
      }
    }
  }
  if (usage == 1) usage = DU_DISPLAY;
}

}  // namespace

VString OrvOperTemplateStr(int op) { return VString(OrvOperTemplate(op)); }

void OrvInheritedDataClauses(OrvExpr* node, int& usage, int& sync, int& sign,
                             int& signSeparate) {
  if (OrvFillNullSwitch)
    ClimbDataClauses<ChildOrNull>(node, usage, sync, sign, signSeparate);
  else
    ClimbDataClauses<StoredChild>(node, usage, sync, sign, signSeparate);
}

int OrvUsageOf(OrvExpr* node) {
  int usage, sync, sign, separate;
  OrvInheritedDataClauses(node, usage, sync, sign, separate);
  return usage;
}

namespace {

int SpliceTokens(OrvTokenList* list, OrvExpr*, OrvExpr*, void* context) {
  static_cast<OrvTokenList*>(context)->Splice(*list);
  return 1;
}

int MoveComments(OrvTokenList* list, OrvExpr*, OrvExpr*, void* context) {
  OrvTokenList* dest = static_cast<OrvTokenList*>(context);
  OrvTokenList kept;
  while (!list->IsEmpty()) {
    OrvToken* token = list->PopFirst();
    if (token == nullptr) continue;  // an entry whose token was moved away
    if (token->code == CM_COMMENT)
      dest->Append(token);
    else
      kept.Append(token);
  }
  list->Splice(kept);
  return 1;
}

}  // namespace

void OrvGatherTokensWalker(OrvExpr* node, OrvTokenList& dest) {
  if (node == nullptr) return;
  OrvWalkTree(node, &dest, "OrvGatherTokensWalker", nullptr, nullptr, SpliceTokens);
}

void OrvGatherCommentsWalker(OrvExpr* node, OrvTokenList& dest) {
  if (node == nullptr) return;
  OrvWalkTree(node, &dest, "OrvGatherCommentsWalker", nullptr, nullptr, MoveComments);
}

int OrvIsInSubtree(OrvExpr* root, OrvExpr* node) {
  if (root == nullptr) return 0;
  if (root == node) return 1;
  for (int i = 0; i < root->NArgs(); ++i)
    if (OrvIsInSubtree(root->Args(i), node)) return 1;
  return 0;
}

OrvExpr* OrvTreeRoot(OrvExpr* node) {
  if (node == nullptr) return nullptr;
  while (node->Parent() != nullptr) node = node->Parent();
  return node;
}

int OrvFindAncestorOp(OrvExpr* node, int op, OrvExpr** found) {
  for (OrvExpr* n = node; n != nullptr; n = n->Parent()) {
    if (n->Oper() == op) {
      if (found != nullptr) *found = n;
      return 1;
    }
  }
  return 0;
}

OrvExpr* OrvAncestorOp(OrvExpr* node, int op) {
  OrvExpr* found = nullptr;
  return OrvFindAncestorOp(node, op, &found) ? found : nullptr;
}

OrvExpr* OrvFindDescendantOp(OrvExpr* node, int op) {
  if (node == nullptr) return nullptr;
  if (node->Oper() == op) return node;
  for (int i = 0; i < node->NArgs(); ++i)
    if (OrvExpr* found = OrvFindDescendantOp(node->Args(i), op)) return found;
  return nullptr;
}

namespace {

bool IsSectionOper(int op) {
  switch (op) {
    case SECTION_CONFIGURATION:
    case SECTION_INPUT_OUTPUT:
    case SECTION_FILE:
    case SECTION_WORKING_STORAGE:
    case SECTION_LOCAL_STORAGE:
    case SECTION_LINKAGE:
    case SECTION_COMMUNICATION:
    case SECTION_REPORT:
    case SECTION_SCREEN:
    case SECTION_PROC:
      return true;
    default:
      return false;
  }
}

}  // namespace

OrvExpr* OrvEnclosingSection(OrvExpr* node) {
  for (OrvExpr* n = node; n != nullptr; n = n->Parent()) {
    if (n->Oper() == COBOL_PROGRAM) return nullptr;
    if (IsSectionOper(n->Oper())) return n;
  }
  return nullptr;
}

OrvExpr* OrvEnclosingList(OrvExpr* node) {
  for (OrvExpr* n = node; n != nullptr; n = n->Parent())
    if (OrvOperIsList(n->Oper())) return n;
  return nullptr;
}

OrvExpr* OrvEnclosingStmt(OrvExpr* node) {
  for (OrvExpr* n = node; n != nullptr; n = n->Parent()) {
    if (n->Oper() == COBOL_PROGRAM) return nullptr;
    if (OrvOperIsStmt(n->Oper())) return n;
  }
  return nullptr;
}

int OrvEndsSentence(OrvExpr* node) {
  for (OrvExpr* n = node; n != nullptr;) {
    OrvExpr* parent = n->Parent();
    if (parent == nullptr) return 0;
    if (parent->Oper() == SENTENCE) return 1;
    bool lastOfList = OrvOperIsList(parent->Oper()) && parent->NArgs() > 0 &&
                      parent->Args(parent->NArgs() - 1) == n;
    if (!lastOfList && parent->Oper() != STMT_IF && parent->Oper() != EX_ELSE) return 0;
    n = parent;
  }
  return 0;
}

int OrvIsFileLevelDef(OrvExpr* node) {
  if (node == nullptr) return 0;
  OrvExpr* def = nullptr;
  switch (node->Oper()) {
    case NAMED_OBJ_USE:
      def = node->Link(0)->node;
      break;
    case SYMBOL_TABLE_ELT: {
      int found = 0;
      for (OrvLinkElem* e = node->Links(0)->Head(); e != nullptr; e = e->next) {
        OrvExpr* ref = e->link.node;
        if (ref == nullptr || ref->Oper() != NAMED_OBJ_DEF) continue;
        def = ref;
        ++found;
      }
      if (found != 1) return 0;
      break;
    }
    default:
      def = node;
      break;
  }
  if (def == nullptr || def->Oper() != NAMED_OBJ_DEF) return 0;
  OrvExpr* n = def->Parent();
  int category = static_cast<OrvNamedObjDef*>(def)->Category();
  if (n != nullptr && (category < SYMCAT_PROC_NAME || category > SYMCAT_SECTION_NAME)) n = n->Parent();
  while (n != nullptr && (n->Oper() == DECL_DD || n->Oper() == DECL_DD_LIST)) n = n->Parent();
  return n != nullptr && n->Oper() == COBOL_FILE ? 1 : 0;
}

namespace {

// Nodes taken out of the tree during a walk are deleted only after the walk,
// so that the walk never touches a freed node.
struct DropContext {
  std::vector<OrvExpr*> removed;
  ~DropContext() {
    for (OrvExpr* n : removed) delete n;
  }
};

int DropNullNode(OrvExpr* node, void* context) {
  OrvExpr* parent = node->Parent();
  if (node->Oper() != NULL_NODE || parent == nullptr) return 1;
  int before = parent->NArgs();
  OrvExpr* taken = node->DelThis();
  if (taken == nullptr) return 2;
  static_cast<DropContext*>(context)->removed.push_back(taken);
  // A list loses the slot, so the next sibling moved into it: the parent
  // visits the same index again.  A positional slot stays, empty (or with a
  // fresh NULL_NODE when the fill switch is on): nothing more to see there.
  return parent->NArgs() < before ? 3 : 2;
}

int DropEmptyListElems(OrvExpr* node, void* context) {
  if (!OrvOperIsList(node->Oper())) return 1;
  DropContext* drop = static_cast<DropContext*>(context);
  for (int i = 0; i < node->NArgs();) {
    OrvExpr* child = node->Args(i);
    if (child != nullptr && child->Oper() != NULL_NODE) {
      ++i;
      continue;
    }
    OrvExpr* taken = node->DelArg(i, 1, 1);
    if (taken != nullptr) drop->removed.push_back(taken);
  }
  OrvExpr* parent = node->Parent();
  if (node->NArgs() > 0 || parent == nullptr) return 1;
  int before = parent->NArgs();
  OrvExpr* taken = node->DelThis();
  if (taken == nullptr) return 2;
  drop->removed.push_back(taken);
  return parent->NArgs() < before ? 3 : 2;
}

}  // namespace

void OrvDropNullNodes(OrvExpr* root) {
  DropContext drop;
  WalkTheTree(root, &drop, DropNullNode);
}

void OrvDropEmptyListElems(OrvExpr* root) {
  DropContext drop;
  WalkTheTree(root, &drop, DropEmptyListElems);
}

int OrvDissolveIntoParent(OrvExpr* node) {
  OrvExpr* parent = nullptr;
  int index = node->FindMe(parent);
  if (index < 0) return index;
  if (parent->Oper() != node->Oper()) return parent->Oper();

  // The node's own slot goes, its leading tokens are kept for the first
  // child that takes its place.
  OrvArgSlot* own = parent->DelArgSlot(index, 1, 0);
  OrvTokenList carried;
  if (own != nullptr) {
    carried.Splice(own->tokens);
    own->child = nullptr;  // the record would delete the node with itself
    delete own;
  }
  int n = node->NArgs();
  for (int i = 0; i < n; ++i) {
    OrvArgSlot* slot = node->ArgSlots(0);
    OrvTokenList tokens;
    if (slot != nullptr) tokens.Splice(slot->tokens);
    OrvExpr* child = node->DelArg(0, 1, 0);
    parent->InsArg(child, index + i);
    OrvTokenList& dest = parent->ArgSlots(index + i)->tokens;
    carried.Splice(tokens);
    dest.Prepend(carried);
  }
  // Tokens that stood behind the node's last child (or every token of a
  // node without children) go in front of what follows it in the parent.
  carried.Splice(node->Tokens());
  if (index + n < parent->NArgs())
    parent->ArgSlots(index + n)->tokens.Prepend(carried);
  else
    parent->Tokens().Prepend(carried);
  delete node;
  return 0;
}

int OrvPicCategoryMsg(const VString& pic, int& length, OrvTokenList& messages) {
  const char* text = pic.text != nullptr ? pic.text : "";
  VString unrolled;
  VString message;
  std::uint16_t category = 1;
  int digits = 0;
  length = 0;
  OrvResult result =
      OrvPicStrCategory(&text, unrolled, &category, &length, &digits, nullptr, message);
  if (result != 0 && result != ORV_PIC_CONSTANT_PROBLEM)
    messages.AddToken(MSG_ERR, OrvTxtPosn(), message);
  return category;
}

void OrvAddComment(OrvExpr* node, const VString& text) {
  node->HeadTokens()->AddToken(CM_COMMENT, OrvTxtPosn(), text);
}
