// Symbol tables: lookup, insertion, definition of names and the factories of
// named-object uses.
#include "OrvSymTab.h"

#include <iostream>

#include "OrvExprOper.h"
#include "OrvListExpr.h"
#include "OrvMessageSink.h"
#include "OrvOperSlots.h"
#include "OrvPosnWalkers.h"
#include "OrvSymTabList.h"
#include "OrvToken.h"

int OrvSymTabTraceLevel = 0;

namespace {

// Sends a message through the process-wide sink at the first source
// position of the node's subtree (the null position for a null node).
void Report(int level, OrvExpr* at, const VString& text) {
  OrvTxtPosn posn = OrvSrcPosnBegWalker(at);
  if (OrvGlobalMessageSink != nullptr) OrvGlobalMessageSink(level, &posn, &text);
}

// The image of table child i, 0 <= i < NArgs() (the empty text for a
// missing child).  An element's name is read without a virtual call: every
// look-up of a word compares a dozen of them.
const VString& ChildImage(OrvExpr* table, int i) {
  OrvExpr* child = table->ChildAt(i);
  if (child == nullptr) return OrvEmptyVString;
  if (child->Oper() == SYMBOL_TABLE_ELT) return static_cast<const OrvSymTabElt*>(child)->Name();
  if (!child->HasImage()) return OrvEmptyVString;
  return *child->Image();
}

bool IsTable(OrvExpr* table) {
  return table != nullptr && table->Oper() == SYMBOL_TABLE_ELT_LIST;
}

// Whether look-ups and insertions may go without positions: under a trace
// every look-up searches the sorted children and every insertion names its
// position, as the trace lines show them.
bool Untraced() { return OrvSymTabTraceLevel < 1; }

// Inserts an element whose name the table lacks (a look-up without a
// position said so) at its sorted place: in order through the table's index
// when it can, else at the position a new look-up gives.
void InsertMissing(OrvExpr* table, OrvSymTabElt* elt) {
  OrvSymTabList* list = OrvSymTabList::Of(table);
  if (list != nullptr && list->InsertInOrder(elt)) return;
  int pos = 0;
  OrvSymTabFindElt(table, elt->Name(), &pos);
  OrvSymTabInsElt(table, elt, pos);
}

}  // namespace

OrvExpr* OrvOwnerSymTab(OrvExpr* owner) {
  if (owner == nullptr) return nullptr;
  int slot = owner->Oper() == COBOL_FILE ? FILE_SYMBOL_TABLE : PROG_SYMBOL_TABLE;
  // ChildAt answers what Args does (an empty slot still reads as its fill
  // node) without the virtual call: every look-up of a word asks for the
  // tables of the open programs.
  return slot < owner->NArgs() ? owner->ChildAt(slot) : nullptr;
}

OrvSymTabElt* OrvSymTabFindElt(OrvExpr* table, const VString& name, int* pos) {
  // A look-up that needs no position is answered by the table's index when
  // it has one (a trace shows the binary search, so it is made then).
  if (pos == nullptr && OrvSymTabTraceLevel < 1 && table != nullptr) {
    OrvSymTabList* list = OrvSymTabList::Of(table);
    OrvSymTabElt* found = nullptr;
    if (list != nullptr && list->Lookup(name, found)) return found;
  }
  int n = IsTable(table) ? table->NArgs() : 0;
  int cmp1 = 0;
  int cmp2 = 0;
  int found = -1;
  int at = 0;
  if (n > 0) {
    int i = n / 2;
    int s = n / 2;
    int c = 0;
    for (;;) {
      c = ChildImage(table, i).Compare(name);
      ++cmp1;
      if (c == 0) { found = i; break; }
      s /= 2;
      i = c < 0 ? i + s : i - s;
      if (s == 0) break;
    }
    if (found < 0 && c < 0) {
      at = n;
      for (int j = i + 1; j < n; ++j) {
        int d = ChildImage(table, j).Compare(name);
        ++cmp2;
        if (d == 0) { found = j; break; }
        if (d > 0) { at = j; break; }
      }
    } else if (found < 0) {
      at = 0;
      for (int j = i - 1; j >= 0; --j) {
        int d = ChildImage(table, j).Compare(name);
        ++cmp2;
        if (d == 0) { found = j; break; }
        if (d < 0) { at = j + 1; break; }
      }
    }
    if (found >= 0) at = found;
  }
  if (pos != nullptr) *pos = at;
  OrvExpr* elt = found >= 0 ? table->Args(found) : nullptr;
  if (OrvSymTabTraceLevel >= 1) {
    std::cout << (elt != nullptr ? "*SymTabFound:" : "*SymTabNOTfound:")
              << " tbl=" << static_cast<const void*>(table) << " ix=" << at
              << " cmp1=" << cmp1 << " cmp2=" << cmp2;
    if (elt != nullptr) {
      std::cout << " ";
      elt->DebugDump(std::cout);
    } else {
      std::cout << " name=" << name << std::endl;
    }
  }
  return elt != nullptr && elt->Oper() == SYMBOL_TABLE_ELT ? static_cast<OrvSymTabElt*>(elt)
                                                           : nullptr;
}

void OrvSymTabInsElt(OrvExpr* table, OrvSymTabElt* elt, int pos) {
  if (!IsTable(table) || elt == nullptr) return;
  table->InsArg(elt, pos);
  if (OrvSymTabTraceLevel >= 1) {
    std::cout << "+SymTabAddElt: " << pos << " " << *elt->Image() << std::endl;
    if (OrvSymTabTraceLevel >= 2) table->DebugDump(std::cout);
  }
}

void OrvSymTabAddElt(OrvExpr* table, OrvSymTabElt* elt) {
  if (!IsTable(table) || elt == nullptr) return;
  int pos = 0;
  const bool untraced = Untraced();
  OrvSymTabElt* old = OrvSymTabFindElt(table, *elt->Image(), untraced ? nullptr : &pos);
  if (old != nullptr) {
    Report(MSG_SEVERE, old,
           OrvFormat("OrvSymTabAddElt: name '%s' should not be declared yet",
                     old->Image()->text != nullptr ? old->Image()->text : ""));
    return;
  }
  if (untraced)
    InsertMissing(table, elt);
  else
    OrvSymTabInsElt(table, elt, pos);
}

OrvSymTabElt* OrvSymTabFindOrAddElt(OrvExpr* table, const VString& name) {
  if (!IsTable(table)) return nullptr;
  int pos = 0;
  const bool untraced = Untraced();
  OrvSymTabElt* elt = OrvSymTabFindElt(table, name, untraced ? nullptr : &pos);
  if (elt == nullptr) {
    elt = new OrvSymTabElt(name, SYMCAT_UNKNOWN, OrvLinkList());
    if (untraced)
      InsertMissing(table, elt);
    else
      OrvSymTabInsElt(table, elt, pos);
  }
  return elt;
}

OrvSymTabElt* OrvSymTabAddUniqueElt(const VString& name, int category, OrvExpr* table) {
  if (!IsTable(table)) return nullptr;
  VString candidate = name;
  int pos = 0;
  const bool untraced = Untraced();
  for (int k = 1; OrvSymTabFindElt(table, candidate, untraced ? nullptr : &pos) != nullptr; ++k) {
    candidate = OrvFormat("%s-%d", name.text != nullptr ? name.text : "", k);
  }
  OrvSymTabElt* elt = new OrvSymTabElt(candidate, category, OrvLinkList());
  if (untraced)
    InsertMissing(table, elt);
  else
    OrvSymTabInsElt(table, elt, pos);
  return elt;
}

OrvNamedObjDef* OrvSymTabDefineName(const VString& name, int category, int unique,
                                    OrvExpr* owner) {
  OrvExpr* table = OrvOwnerSymTab(owner);
  OrvSymTabElt* elt = nullptr;
  if (!IsTable(table)) {
    Report(MSG_SEVERE, owner,
           OrvFormat("OrvSymTabDefineName: no symbol table to define '%s' in",
                     name.text != nullptr ? name.text : ""));
  } else if (unique) {
    elt = OrvSymTabAddUniqueElt(name, category, table);
  } else {
    elt = OrvSymTabFindOrAddElt(table, name);
    elt->SetCategory(category);
  }
  int cat = elt != nullptr ? elt->Category() : category;
  return new OrvNamedObjDef(cat, OrvLink(elt, ORV_NO_LINK_INDEX), OrvLinkList());
}

OrvExpr* SymTabForDef(OrvExpr* def) {
  if (def == nullptr || def->Oper() != NAMED_OBJ_DEF) {
    Report(MSG_TERMINAL, def, VString("SymTabForDef: bad def node"));
    return nullptr;
  }
  OrvExpr* elt = def->Link(0)->node;
  return elt != nullptr ? elt->Parent() : nullptr;
}

void SymTabDeleteDef(OrvExpr* def) {
  if (def == nullptr || def->Oper() != NAMED_OBJ_DEF) {
    Report(MSG_TERMINAL, def, VString("SymTabDeleteDef: bad def node"));
    return;
  }
  OrvLink* link = def->Link(0);
  OrvExpr* elt = link->node;
  // The definition no longer names the element: clear its link so that it
  // never points at an element deleted below.
  *link = OrvLink();
  if (elt == nullptr || elt->Oper() != SYMBOL_TABLE_ELT) return;
  OrvLinkList* refs = elt->Links(0);
  refs->Remove(def);
  if (refs->IsEmpty() && elt->Parent() != nullptr) {
    OrvExpr* taken = elt->DelThis();
    delete taken;
  }
}

OrvExpr* OrvProgSymTab(OrvExpr* node) {
  if (node == nullptr || node->Oper() == NULL_NODE) return nullptr;
  for (OrvExpr* n = node; n != nullptr; n = n->Parent()) {
    if (n->Oper() == COBOL_PROGRAM) {
      return PROG_SYMBOL_TABLE < n->NArgs() ? n->Args(PROG_SYMBOL_TABLE) : nullptr;
    }
  }
  return nullptr;
}

int OrvIsNameDefined(const VString& name, OrvExpr* program) {
  if (program == nullptr || PROG_SYMBOL_TABLE >= program->NArgs()) return 0;
  OrvSymTabElt* elt = OrvSymTabFindElt(program->Args(PROG_SYMBOL_TABLE), name, nullptr);
  if (elt == nullptr) return 0;
  for (OrvLinkElem* e = elt->References().Head(); e != nullptr; e = e->next) {
    if (e->link.node != nullptr && e->link.node->Oper() == NAMED_OBJ_DEF) return 1;
  }
  return 0;
}

OrvNamedObjUse* OrvNewNamedObjUse(OrvExpr* names, int category, int flag) {
  return new OrvNamedObjUse(names, category, static_cast<uint32_t>(flag));
}

OrvNamedObjUse* OrvNewNamedObjUseForElt(OrvSymTabElt* elt, int category, OrvTokenList* tokens) {
  OrvNameUse* name = new OrvNameUse(OrvLink(elt, ORV_NO_LINK_INDEX));
  if (tokens != nullptr) name->Tokens().Splice(*tokens);
  OrvExpr* list = new OrvExprOper(OF_IN_LIST, name);
  return new OrvNamedObjUse(list, category, 0);
}

OrvNamedObjUse* OrvNewDataNameUse(const VString& name, OrvExpr* node) {
  OrvExpr* program = node;
  while (program != nullptr && program->Oper() != COBOL_PROGRAM) program = program->Parent();
  OrvExpr* table = program != nullptr ? OrvOwnerSymTab(program) : nullptr;
  if (!IsTable(table)) {
    Report(MSG_SEVERE, node,
           OrvFormat("OrvNewDataNameUse: '%s' is not used inside a program with a symbol table",
                     name.text != nullptr ? name.text : ""));
    return nullptr;
  }
  OrvSymTabElt* elt = OrvSymTabFindOrAddElt(table, name);
  OrvNameUse* use = new OrvNameUse(OrvLink(elt, ORV_NO_LINK_INDEX));
  return new OrvNamedObjUse(OrvListExpr(OF_IN_LIST, use, nullptr), SYMCAT_DATA_NAME, 0);
}
