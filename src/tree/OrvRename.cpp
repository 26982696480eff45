// Renaming definitions together with their uses.
#include "OrvRename.h"

#include <iostream>
#include <vector>

#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvNameNodes.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "OrvPosnWalkers.h"
#include "OrvQualName.h"
#include "OrvSymTab.h"
#include "OrvTreeWalk.h"
#include "OrvTxtPosn.h"

namespace {

void Report(int level, OrvExpr* node, const char* text) {
  OrvTxtPosn posn = OrvSrcPosnBegWalker(node);
  VString message(text);
  OrvGlobalMessageSink(level, &posn, &message);
}

bool IsDef(const OrvExpr* node) { return node != nullptr && node->Oper() == NAMED_OBJ_DEF; }

// The part of the tree where the uses of a definition can stand: the
// parent for procedure, paragraph and section names, else the parent's
// parent (the declaration that holds the entry).
OrvExpr* DefScope(OrvNamedObjDef* def) {
  OrvExpr* scope = def->Parent();
  int category = def->Category();
  if (scope != nullptr && (category < SYMCAT_PROC_NAME || category > SYMCAT_SECTION_NAME))
    scope = scope->Parent();
  return scope;
}

}  // namespace

void OrvRenameDef(OrvNamedObjDef* def, const VString& newName) {
  if (!IsDef(def)) {
    Report(MSG_TERMINAL, def, "OrvRenameDef: bad def node");
    return;
  }
  if (OrvSymTabTraceLevel >= 1) {
    std::cout << "**RenameDef: '" << OrvFullQualNameStr(def) << "' at "
              << OrvSrcPosnBegWalker(def).ToString() << " to '" << newName << "'" << std::endl;
    def->DebugDump(std::cout);
  }
  OrvExpr* table = SymTabForDef(def);
  if (table == nullptr) return;
  SymTabDeleteDef(def);
  int pos = 0;
  OrvSymTabElt* elt = OrvSymTabFindElt(table, newName, &pos);
  if (elt == nullptr) {
    elt = new OrvSymTabElt(newName, 0, OrvLinkList());
    OrvSymTabInsElt(table, elt, pos);
  }
  elt->SetCategory(def->Category());
  elt->Links(0)->Append(OrvLink(def, ORV_NO_LINK_INDEX));
  *def->Link(0) = OrvLink(elt, ORV_NO_LINK_INDEX);
}

int OrvRenameDefAndAllUses(OrvNamedObjDef* def, const VString& newName, int undoIfAmbiguous) {
  if (!IsDef(def)) {
    Report(MSG_TERMINAL, def, "OrvRenameDefAndAllUses: bad def node");
    return 0;
  }
  if (OrvSymTabTraceLevel >= 1)
    std::cout << "\n=== OrvRenameDefAndAllUses: from '" << OrvFullQualNameStr(def) << "' to '"
              << newName << "'" << std::endl;
  VString oldName(*def->Image());
  OrvRenameDef(def, newName);

  int notUnique = 0;
  delete OrvShortestUniqueQualNameExpr(def, &notUnique);
  if (notUnique && undoIfAmbiguous) {
    OrvRenameDef(def, oldName);
    return 1;
  }

  OrvCallTreeEditHook(ORV_EDIT_OPER, def, nullptr, 0, OrvEmptyVString);
  ResetFromSrcWalker(def);
  // The renamed definition and every homonym: their uses may need another
  // qualification now.  The list is taken first, as rewriting uses changes
  // the element's references.
  std::vector<OrvNamedObjDef*> defs;
  OrvExpr* elt = def->Link(0)->node;
  if (elt != nullptr)
    for (OrvLinkElem* e = elt->Links(0)->Head(); e != nullptr; e = e->next)
      if (IsDef(e->link.node)) defs.push_back(static_cast<OrvNamedObjDef*>(e->link.node));
  for (OrvNamedObjDef* homonym : defs) {
    OrvExpr* scope = DefScope(homonym);
    WalkTheTree(scope, scope, OrvRenameDefUsesWalker);
  }
  return 0;
}

int OrvRenameDefUsesWalker(OrvExpr* node, void*) {
  if (!IsDef(node)) return 1;
  OrvNamedObjDef* def = static_cast<OrvNamedObjDef*>(node);
  int notUnique = 0;
  OrvExpr* qe = OrvShortestUniqueQualNameExpr(def, &notUnique);
  if (qe == nullptr) return 1;
  if (notUnique)
    Report(MSG_SEVERE, def,
           "OrvRenameDefUsesWalker: cannot create a unique name for this definition. Strange.");
  std::vector<OrvExpr*> uses;
  for (OrvLinkElem* e = def->Links(0)->Head(); e != nullptr; e = e->next)
    if (e->link.node != nullptr && e->link.node->Oper() == NAMED_OBJ_USE)
      uses.push_back(e->link.node);
  for (OrvExpr* use : uses) {
    if (use->NArgs() <= NAMED_OBJ_USE__NAMES) continue;
    if (OrvSymTabTraceLevel >= 1)
      std::cout << "--ChangeUse: fr '" << OrvQualNameStr(use->Args(NAMED_OBJ_USE__NAMES)) << "' at "
                << OrvSrcPosnBegWalker(use).ToString() << " to '" << OrvQualNameStr(qe) << "'"
                << std::endl;
    delete use->DelArg(NAMED_OBJ_USE__NAMES, 0, 0);
    use->SetArg(NAMED_OBJ_USE__NAMES, qe->Clone(), -1, 0);
  }
  delete qe;
  return 1;
}

void OrvRenameDefUsesInScope(OrvExpr* def) {
  if (!IsDef(def)) return;
  OrvExpr* scope = DefScope(static_cast<OrvNamedObjDef*>(def));
  WalkTheTree(scope, scope, OrvRenameDefUsesWalker);
}
