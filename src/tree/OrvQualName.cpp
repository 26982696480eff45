// Qualified names and the search for definitions.
#include "OrvQualName.h"

#include <algorithm>
#include <iostream>
#include <vector>

#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvMessageSink.h"
#include "OrvNameNodes.h"
#include "OrvOperSlots.h"
#include "OrvPosnWalkers.h"
#include "OrvSymTab.h"

namespace {

void Report(int level, OrvExpr* at, const VString& text) {
  OrvTxtPosn posn = OrvSrcPosnBegWalker(at);
  if (OrvGlobalMessageSink != nullptr) OrvGlobalMessageSink(level, &posn, &text);
}

bool IsDef(OrvExpr* node) { return node != nullptr && node->Oper() == NAMED_OBJ_DEF; }
bool IsNull(OrvExpr* node) { return node != nullptr && node->Oper() == NULL_NODE; }

OrvExpr* Arg(OrvExpr* node, int i) {
  return node != nullptr && i >= 0 && i < node->NArgs() ? node->Args(i) : nullptr;
}

// A terminal report when the node is not a definition; true when it is.
bool CheckDef(OrvExpr* def, const char* text) {
  if (IsDef(def)) return true;
  Report(MSG_TERMINAL, def, VString(text));
  return false;
}

// The element a name-binding node is linked to (null when unbound or when
// the node carries no link).
OrvExpr* LinkedElement(OrvExpr* node) {
  if (node == nullptr || node->NLinks() == 0) return nullptr;
  OrvExpr* elt = node->Link(0)->node;
  return elt != nullptr && elt->Oper() == SYMBOL_TABLE_ELT ? elt : nullptr;
}

// The definitions among an element's References, in order.
OrvLinkList DefsOfElement(OrvExpr* elt) {
  OrvLinkList defs;
  if (elt == nullptr) return defs;
  for (OrvLinkElem* e = elt->Links(0)->Head(); e != nullptr; e = e->next) {
    if (IsDef(e->link.node)) defs.Append(OrvLink(e->link.node, ORV_NO_LINK_INDEX));
  }
  return defs;
}

// The references of the element of a definition (an empty list for none).
OrvLinkList& ReferencesOfDef(OrvExpr* def) {
  OrvExpr* elt = LinkedElement(def);
  return elt != nullptr ? *elt->Links(0) : OrvEmptyLinkList;
}

bool IsDeclaringOper(int op) {
  switch (op) {
    case PARA_PROC:
    case SECTION_PROC:
    case DECL_DD:
    case DECL_FD:
    case DECL_RD:
    case DECL_RGD:
    case DECL_SCRD:
    case DECL_CD_ENTRY:
      return true;
    default:
      return false;
  }
}

// The text of the names of a qualified-name expression, in the given order.
// A wrong operation is terminal; a name that is not bound to an element is
// reported (once) and shows as empty.
VString QualText(OrvExpr* qe, bool reversed, const char* sep, const char* method) {
  VString text;
  if (qe == nullptr || (qe->Oper() != OF_IN_LIST && qe->Oper() != SQL_VAR_NAME_LIST)) {
    Report(MSG_TERMINAL, qe, OrvFormat("%s: bad operation", method));
    return text;
  }
  bool reported = false;
  int n = qe->NArgs();
  for (int k = 0; k < n; ++k) {
    int i = reversed ? n - 1 - k : k;
    OrvExpr* elt = LinkedElement(qe->Args(i));
    if (elt != nullptr) {
      text += *elt->Image();
    } else if (!reported) {
      Report(MSG_SEVERE, qe,
             OrvFormat("%s: name #%d of the qualified name is not bound", method, i));
      reported = true;
    }
    if (k + 1 < n) text += VString(sep);
  }
  return text;
}

}  // namespace

// A DECL_DD holds a data entry, a level-78 constant or a level-88
// condition, each with its name in one slot.
static_assert(DECL_DD_ENTRY_WANG_DISPLAY__DATA_ITEM_DEFINED == DECL_DD_ENTRY__DATA_ITEM_DEFINED &&
                  DECL_CONST_ENTRY__CONSTANT_NAME_DEFINED == DECL_DD_ENTRY__DATA_ITEM_DEFINED &&
                  DECL_COND_ENTRY__CONDITION_NAME_DEFINED == DECL_DD_ENTRY__DATA_ITEM_DEFINED,
              "every entry of a DECL_DD keeps its name in the same slot");

OrvExpr* OrvDefForNamedObjDecl(OrvExpr* decl) {
  if (decl == nullptr) return nullptr;
  switch (decl->Oper()) {
    case PARA_PROGRAM_ID:
      return Arg(decl, PPID_NAME);
    case SNX_ON_STATUS:
      return Arg(decl, SNX_ON_STATUS__CONDITION_NAME_DEFINED);
    case SNX_OFF_STATUS:
      return Arg(decl, SNX_OFF_STATUS__CONDITION_NAME_DEFINED);
    case SNX_ALPHABET:
      return Arg(decl, SNX_ALPHABET__ALPHABET_NAME_DEFINED);
    case SNX_CLASS:
      return Arg(decl, SNX_CLASS__CLASS_NAME_DEFINED);
    case FCX_SPLIT_REC_KEY:
      return Arg(decl, FCX_SPLIT_REC_KEY__SPLIT_KEY_NAME_DEFINED);
    case DECL_CD_ENTRY:
      return Arg(decl, DECL_CD_ENTRY__CD_NAME_DEFINED);
    case SECTION_PROC:
      return Arg(decl, SECTION_NAME);
    case PARA_PROC:
      return Arg(decl, PARA_NAME);
    case SNX_FUNC_SWITCH:
      return Arg(decl, SNX_FUNC_SWITCH__IS_MNEMONIC_NAME);
    case SNX_CALL_CONVENTION:
      return Arg(decl, SNX_CALL_CONVENTION__MNEMONIC_NAME_DEFINED);
    case DECL_FC_ENTRY:
      return Arg(decl, DECL_FC_ENTRY__FILE_NAME);
    case DECL_FD: {
      OrvExpr* name = Arg(Arg(decl, DECL_FD__FILE_DESCRIPTION_ENTRY), FD_FILE_NAME);
      if (name != nullptr && name->Oper() == NAMED_OBJ_USE) return name->Link(0)->node;
      return name;
    }
    case DECL_DD: {
      OrvExpr* name = Arg(Arg(decl, DECL_DD__DATA_DESCRIPTION_ENTRY), DECL_DD_ENTRY__DATA_ITEM_DEFINED);
      return IsDef(name) || IsNull(name) ? name : nullptr;
    }
    case DECL_RD:
      return Arg(Arg(decl, DECL_RD__REPORT_DESCRIPTION_ENTRY), DECL_RD_ENTRY__REPORT_NAME_DEFINED);
    case DECL_RGD:
      return Arg(Arg(decl, DECL_RGD__REPORT_GROUP_ENTRY), DECL_RGD_ENTRY__GROUP_NAME_DEFINED);
    case DECL_SCRD: {
      OrvExpr* name = Arg(Arg(decl, DECL_SCRD__SCREEN_DESCRIPTION_ENTRY), DECL_SCRD_ENTRY__SCREEN_ITEM_DEFINED);
      return IsDef(name) || IsNull(name) ? name : nullptr;
    }
    default:
      return nullptr;
  }
}

OrvExpr* OrvNextDeclAbove(OrvExpr* node) {
  if (node == nullptr) return nullptr;
  for (OrvExpr* n = node->Parent(); n != nullptr; n = n->Parent()) {
    if (n->Oper() == COBOL_PROGRAM) return nullptr;
    if (IsDeclaringOper(n->Oper()) && OrvDefForNamedObjDecl(n) != nullptr) return n;
  }
  return nullptr;
}

OrvExpr* OrvNamedObjDeclForDef(OrvExpr* def) {
  if (!CheckDef(def, "OrvNamedObjDeclForDef: expecting NAMED_OBJ_DEF")) return nullptr;
  int cat = static_cast<OrvNamedObjDef*>(def)->Category();
  OrvExpr* parent = def->Parent();
  if (cat == SYMCAT_PROC_NAME || cat == SYMCAT_PARA_NAME || cat == SYMCAT_SECTION_NAME) {
    return parent;
  }
  return parent != nullptr ? parent->Parent() : nullptr;
}

OrvNameUse* OrvNameUseForDef(OrvExpr* def) {
  if (!CheckDef(def, "OrvNameUseForDef: bad def node")) return nullptr;
  return new OrvNameUse(*def->Link(0));
}

namespace {

// The OF_IN_LIST of OrvFullQualNameExpr, its uses made by `useFor`.
OrvExpr* FullQualNameExpr(OrvExpr* def, OrvNameUse* (*useFor)(OrvExpr* def)) {
  if (!CheckDef(def, "OrvFullQualNameExpr: bad def node")) return nullptr;
  OrvExpr* list = new OrvExprOper(OF_IN_LIST);
  list->AddArg(useFor(def));
  OrvExpr* decl = OrvNamedObjDeclForDef(def);
  for (OrvExpr* q = OrvNextDeclAbove(decl); q != nullptr && q->Oper() != COBOL_PROGRAM;
       q = OrvNextDeclAbove(q)) {
    OrvExpr* qd = OrvDefForNamedObjDecl(q);
    if (IsDef(qd)) list->AddArg(useFor(qd));
  }
  return list;
}

}  // namespace

OrvExpr* OrvFullQualNameExpr(OrvExpr* def) { return FullQualNameExpr(def, &OrvNameUseForDef); }

namespace {

// OrvNameUseForDef for an expression that lives only while its text is
// taken: the use is bound like that one but not entered in the References
// of its element.  Entering it would cost nothing, but taking it out again
// searches a list that holds every use of the name.
OrvNameUse* TransientNameUseForDef(OrvExpr* def) {
  if (!CheckDef(def, "OrvNameUseForDef: bad def node")) return nullptr;
  OrvNameUse* use = new OrvNameUse(OrvLink());
  *use->Link(0) = *def->Link(0);
  return use;
}

// OrvFullQualNameExpr made of transient uses.
OrvExpr* TransientFullQualNameExpr(OrvExpr* def) { return FullQualNameExpr(def, &TransientNameUseForDef); }

// Deletes a transient expression: its uses are unbound first, as they are
// in no list.
void DeleteTransient(OrvExpr* list) {
  for (int i = 0; i < list->NArgs(); ++i) {
    OrvExpr* use = list->ChildAt(i);
    if (use != nullptr) *use->Link(0) = OrvLink();
  }
  delete list;
}

}  // namespace

VString OrvFullQualNameStr(OrvExpr* def) {
  OrvExpr* qe = TransientFullQualNameExpr(def);
  if (qe == nullptr) return VString();
  VString text = OrvQualNameStr(qe);
  DeleteTransient(qe);
  return text;
}

VString OrvFullQualNameStrSep(OrvExpr* def, char sep) {
  OrvExpr* qe = TransientFullQualNameExpr(def);
  if (qe == nullptr) return VString();
  VString text = OrvQualNameStrSep(qe, sep);
  DeleteTransient(qe);
  return text;
}

VString OrvQualNameStr(OrvExpr* qe) { return QualText(qe, false, " OF ", "OrvQualNameStr"); }

VString OrvQualNameStrSep(OrvExpr* qe, char sep) {
  char s[2] = {sep, '\0'};
  return QualText(qe, true, s, "OrvQualNameStr");
}

void OrvRestrictDefs(OrvLinkList& candidates, OrvLinkList& refs) {
  // The scopes of the references' definitions, found once (the search of a
  // scope reports nothing for a definition), sorted to be looked up: a
  // candidate is kept when one of them stands above it within its program.
  std::vector<OrvExpr*> scopes;
  for (OrvLinkElem* r = refs.Head(); r != nullptr; r = r->next) {
    if (!IsDef(r->link.node)) continue;
    OrvExpr* scope = OrvNamedObjDeclForDef(r->link.node);
    if (scope != nullptr) scopes.push_back(scope);
  }
  std::sort(scopes.begin(), scopes.end());
  OrvLinkList kept;
  for (OrvLinkElem* c = candidates.Head(); c != nullptr; c = c->next) {
    OrvExpr* cand = c->link.node;
    if (!CheckDef(cand, "OrvRestrictDefs: e1def expecting NAMED_OBJ_DEF")) continue;
    bool inside = false;
    if (!scopes.empty()) {
      for (OrvExpr* n = cand->Parent(); n != nullptr && n->Oper() != COBOL_PROGRAM;
           n = n->Parent()) {
        if (std::binary_search(scopes.begin(), scopes.end(), n)) { inside = true; break; }
      }
    }
    if (inside) kept.Append(c->link);
  }
  candidates = kept;
}

void SymTabResolve(OrvExpr* use) {
  OrvNamedObjUse* u = dynamic_cast<OrvNamedObjUse*>(use);
  if (u == nullptr || u->Oper() != NAMED_OBJ_USE || u->Link(0)->node != nullptr) return;
  u->SetCategory(0);
  OrvExpr* qe = Arg(u, NAMED_OBJ_USE__NAMES);
  if (qe == nullptr) return;
  if (OrvSymTabTraceLevel >= 1) std::cout << "*SymTabResolve: qe=" << OrvQualNameStr(qe) << std::endl;
  OrvExpr* elt = LinkedElement(Arg(qe, 0));
  OrvLinkList candidates = DefsOfElement(elt);
  for (int i = 0; i < qe->NArgs(); ++i) {
    OrvExpr* qelt = LinkedElement(qe->Args(i));
    OrvRestrictDefs(candidates, qelt != nullptr ? *qelt->Links(0) : OrvEmptyLinkList);
  }
  if (OrvSymTabTraceLevel >= 1) {
    for (OrvLinkElem* c = candidates.Head(); c != nullptr; c = c->next) {
      std::cout << "??Def: " << OrvFullQualNameStr(c->link.node) << std::endl;
    }
  }
  if (candidates.Count() != 1) return;
  OrvExpr* def = candidates.Head()->link.node;
  u->BindDefinition(def, static_cast<int32_t>(u->Serial()));
  if (OrvSymTabTraceLevel >= 1) std::cout << "==Def: " << OrvFullQualNameStr(def) << std::endl;
  u->SetCategory(static_cast<OrvSymTabElt*>(elt)->Category());
}

OrvExpr* OrvShortestUniqueQualNameExpr(OrvExpr* def, int* notUnique) {
  if (notUnique != nullptr) *notUnique = 0;
  if (!CheckDef(def, "OrvShortestUniqueQualNameExpr: bad def node")) return nullptr;
  OrvLinkList candidates = DefsOfElement(LinkedElement(def));
  if (candidates.IsEmpty()) {
    Report(MSG_TERMINAL, def, VString("OrvShortestUniqueQualNameExpr: defs empty"));
  }
  OrvExpr* result = new OrvExprOper(OF_IN_LIST);
  result->AddArg(OrvNameUseForDef(def));
  if (candidates.Count() > 1) {
    OrvExpr* cur = def->Parent();
    for (;;) {
      OrvExpr* q = OrvNextDeclAbove(cur);
      if (q == nullptr || candidates.Count() < 2) break;
      OrvExpr* qd = OrvDefForNamedObjDecl(q);
      if (IsDef(qd)) {
        int before = candidates.Count();
        OrvRestrictDefs(candidates, ReferencesOfDef(qd));
        if (candidates.Count() < before) result->AddArg(OrvNameUseForDef(qd));
      }
      cur = q;
    }
    if (candidates.Count() > 1 && notUnique != nullptr) *notUnique = 1;
  }
  if (OrvSymTabTraceLevel >= 1) {
    std::cout << "$$ShrtstUniqName for '" << OrvFullQualNameStr(def) << "' at "
              << OrvSrcPosnBegWalker(def).ToString() << " is '" << OrvQualNameStr(result)
              << "' not_unique=" << (notUnique != nullptr ? *notUnique : 0) << "\n";
  }
  return result;
}

OrvNamedObjUse* OrvShortestUniqueQualNameUse(OrvExpr* def) {
  if (!CheckDef(def, "OrvShortestUniqueQualNameExpr: bad def node")) return nullptr;
  int notUnique = 0;
  OrvExpr* names = OrvShortestUniqueQualNameExpr(def, &notUnique);
  OrvNamedObjUse* use =
      new OrvNamedObjUse(names, static_cast<OrvNamedObjDef*>(def)->Category(), 0);
  use->BindDefinition(def, ORV_NO_LINK_INDEX);
  return use;
}

OrvExpr* OrvDefForNamedObjUse(OrvExpr* use) {
  if (use == nullptr || use->Oper() != NAMED_OBJ_USE) {
    Report(MSG_TERMINAL, use, VString("OrvDefForNamedObjUse: bad use node"));
    return nullptr;
  }
  OrvExpr* def = use->Link(0)->node;
  if (def != nullptr && def->Oper() != NAMED_OBJ_DEF) {
    Report(MSG_TERMINAL, def, VString("OrvDefForNamedObjUse: bad def node"));
    return nullptr;
  }
  return def;
}
