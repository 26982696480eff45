// Small named walks of the node core: first source position of a subtree,
// reset of the from-source marks, raising of comments, dropping of spaces.
#include "OrvPosnWalkers.h"

#include "OrvExpr.h"
#include "OrvToken.h"
#include "OrvTreeWalk.h"

namespace {

// Tokens that carry no source text of their own for position purposes.
bool IsInsignificant(int code) {
  return code == SEP_SPACE || code == SEP_COMMA || code == SEP_SEMI ||
         code == CM_COMMENT || code == CM_PERSISTENT;
}

int PosnBegTokens(OrvTokenList* list, OrvExpr*, OrvExpr*, void* context) {
  for (OrvToken* n = list->First(); n != nullptr; n = list->Next(n)) {
    if (IsInsignificant(n->code)) continue;
    *static_cast<OrvTxtPosn*>(context) = n->begin;
    return ORV_WALK_STOP;
  }
  return ORV_WALK_CHILDREN;
}

int ResetFromSrcPre(OrvExpr* node, OrvExpr* root, void*) {
  OrvArgSlot* slot = node->FindMySlot();
  bool shielded = slot != nullptr && (slot->state & 0x8000) != 0;
  if (node != root && slot != nullptr && !shielded) slot->state = 0;
  node->SetFromSrc(0);
  return shielded ? ORV_WALK_SKIP : ORV_WALK_CHILDREN;
}

int RaiseCommentsPre(OrvExpr* node, OrvExpr*, void*) {
  OrvArgSlot* slot = node->FindMySlot();
  if (slot == nullptr || node->NArgs() == 0) return ORV_WALK_CHILDREN;
  for (OrvToken* n = slot->tokens.First(); n != nullptr; n = slot->tokens.Next(n)) {
    if (n->code != CM_COMMENT && n->code != SEP_SPACE) return ORV_WALK_CHILDREN;
  }
  OrvArgSlot* first = node->ArgSlots(0);
  if (first == nullptr) return ORV_WALK_CHILDREN;
  while (first->tokens.First() != nullptr && first->tokens.First()->code == CM_COMMENT) {
    OrvToken* comment = first->tokens.PopFirst();
    slot->tokens.Append(comment);
  }
  return ORV_WALK_CHILDREN;
}

int IsSpaceToken(OrvToken* token) { return token != nullptr && token->code == SEP_SPACE; }

int DropSpacesTokens(OrvTokenList* list, OrvExpr*, OrvExpr*, void*) {
  list->RemoveIf(IsSpaceToken);
  return ORV_WALK_CHILDREN;
}

}  // namespace

OrvTxtPosn OrvSrcPosnBegWalker(OrvExpr* node) {
  OrvTxtPosn posn;
  if (node == nullptr) return posn;
  OrvWalkTree(node, &posn, "OrvSrcPosnBegWalker", nullptr, nullptr, PosnBegTokens);
  return posn;
}

OrvExpr* ResetFromSrcWalker(OrvExpr* node) {
  if (node == nullptr) return node;
  OrvCallTreeEditHook(ORV_EDIT_OPER, node, nullptr, 0, OrvEmptyVString);
  OrvWalkTree(node, nullptr, "ResetFromSrcWalker", ResetFromSrcPre, nullptr, nullptr);
  return node;
}

void OrvRaiseCommentsWalker(OrvExpr* node) {
  if (node == nullptr) return;
  OrvWalkTree(node, nullptr, "OrvRaiseCommentsWalker", RaiseCommentsPre, nullptr, nullptr);
}

void ProcessToken(OrvExpr* node) {
  if (node == nullptr) return;
  OrvWalkTree(node, nullptr, "ProcessToken", nullptr, nullptr, DropSpacesTokens);
}
