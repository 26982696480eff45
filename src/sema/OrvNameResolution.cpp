// Qualified-name resolution: every NAMED_OBJ_USE of a finished program is
// linked to one definition of its name, reported, or (for the name of an
// ASSIGN clause) replaced.
#include <iostream>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvNameNodes.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvParserNames.h"
#include "OrvPosnWalkers.h"
#include "OrvQualName.h"
#include "OrvSlotAccess.h"
#include "OrvSymTab.h"
#include "OrvTreeUtil.h"
#include "OrvTreeWalk.h"

namespace {

// How a qualified name lists its names.
enum QualOrder {
  QUAL_UNKNOWN = 0,       // another operation: read as an SQL name
  QUAL_OF_IN = 1,         // OF_IN_LIST: the named item first, then its qualifiers
  QUAL_SQL = 2            // SQL_VAR_NAME_LIST: the qualifiers first, the named item last
};

const char* Text(const VString& s) { return s.text != nullptr ? s.text : ""; }

// The element that a name of the qualified name is bound to, or null.
OrvSymTabElt* ElementOf(OrvExpr* name) {
  if (name == nullptr || name->NLinks() == 0) return nullptr;
  OrvExpr* elt = name->Link(0)->node;
  return elt != nullptr && elt->Oper() == SYMBOL_TABLE_ELT ? static_cast<OrvSymTabElt*>(elt)
                                                           : nullptr;
}

// Whether every name of a qualified name is bound to an element, so that
// OrvQualNameStr reports nothing for it.
bool AllNamesBound(OrvExpr* q) {
  for (int i = 0; i < q->NArgs(); ++i)
    if (ElementOf(q->Args(i)) == nullptr) return false;
  return true;
}

// The text of a qualified name: the names joined by " OF ".  A list of an
// unknown operation is joined in child order without the checks of
// OrvQualNameStr, which would end the run.
VString QualText(OrvExpr* q, QualOrder order) {
  if (order != QUAL_UNKNOWN) return OrvQualNameStr(q);
  VString text;
  for (int i = 0; q != nullptr && i < q->NArgs(); ++i) {
    if (i > 0) text += VString(" OF ");
    OrvSymTabElt* elt = ElementOf(q->Args(i));
    if (elt != nullptr) text += *elt->Image();
  }
  return text;
}

// The nearest DIVISION_PROCEDURE or SECTION_PROC above a node.
OrvExpr* ProcedureScope(OrvExpr* node) {
  for (OrvExpr* n = node != nullptr ? node->Parent() : nullptr; n != nullptr; n = n->Parent()) {
    if (n->Oper() == DIVISION_PROCEDURE || n->Oper() == SECTION_PROC) return n;
  }
  return nullptr;
}

int DefCategory(OrvExpr* def) { return static_cast<OrvNamedObjDef*>(def)->Category(); }

// The candidates that remain, into `out` in candidate-list order.
void ToArray(const OrvLinkList& list, std::vector<OrvExpr*>& out) {
  out.clear();
  for (OrvLinkElem* e = list.Head(); e != nullptr; e = e->next) out.push_back(e->link.node);
}

}  // namespace

const std::vector<OrvExpr*>& OrvParserImpl::DefinitionsOf(OrvSymTabElt* elt) {
  std::vector<OrvExpr*>* defs = &definitionsFound;
  if (definitionsCached) {
    auto found = definitionsOf.try_emplace(elt);
    defs = &found.first->second;
    if (!found.second) return *defs;
  }
  defs->clear();
  for (OrvLinkElem* r = elt->References().Head(); r != nullptr; r = r->next) {
    OrvExpr* ref = r->link.node;
    if (ref != nullptr && ref->Oper() == NAMED_OBJ_DEF) defs->push_back(ref);
  }
  return *defs;
}

void OrvParserImpl::ResolveNames(OrvExpr* program) {
  definitionsOf.clear();
  definitionsCached = true;
  WalkTheTree(program, program, ResolveUseCallback);
  definitionsCached = false;
  definitionsOf.clear();
  FreeRetiredNodes();
}

int ResolveUseCallback(OrvExpr* node, void* context) {
  (void)context;
  if (node == nullptr || node->Oper() != NAMED_OBJ_USE) return ORV_WALK_CHILDREN;
  if (currentParser != nullptr) currentParser->SymTabQualResolve(node);
  return ORV_WALK_SKIP;
}

void OrvParserImpl::SymTabQualResolve(OrvExpr* useNode) {
  if (useNode == nullptr || useNode->Oper() != NAMED_OBJ_USE) {
    ReportToCallBack(MSG_TERMINAL,
                     VString("OrvParserImpl::SymTabQualResolve: expect NAMED_OBJ_USE node"));
    return;
  }
  OrvNamedObjUse* use = static_cast<OrvNamedObjUse*>(useNode);
  OrvExpr* resolved = use->Link(0)->node;
  if (resolved != nullptr && resolved->Oper() != NULL_NODE) return;  // resolved once

  // The named item and its qualifiers, innermost qualifier first.
  OrvExpr* q = OrvArgAt(use, NAMED_OBJ_USE__NAMES);
  QualOrder order = QUAL_UNKNOWN;
  if (q != nullptr && q->Oper() == OF_IN_LIST) order = QUAL_OF_IN;
  if (q != nullptr && q->Oper() == SQL_VAR_NAME_LIST) order = QUAL_SQL;

  // The text and the position of the use serve the reports and the trace
  // only, so they are taken when first needed (most uses resolve
  // silently); nothing below changes the names' bindings, their images or
  // the tokens of the use before a report.  Taking the text reports the
  // names that are not bound, so a use with such a name, or one of an
  // unknown list, has it taken now, where those reports belong.
  VString textValue;
  bool textTaken = false;
  auto useText = [&]() -> const VString& {
    if (!textTaken) textValue = QualText(q, order);
    textTaken = true;
    return textValue;
  };
  if (order == QUAL_UNKNOWN || !AllNamesBound(q)) useText();
  OrvTxtPosn posnValue;
  bool posnTaken = false;
  auto usePosn = [&]() -> const OrvTxtPosn& {
    if (!posnTaken) posnValue = OrvSrcPosnBegWalker(use);
    posnTaken = true;
    return posnValue;
  };
  auto report = [this, &usePosn](const VString& text) { ReportMessage(MSG_ERR, usePosn(), text); };

  if (order == QUAL_UNKNOWN) {
    VString text = OrvFormat("Qualified name '%s' has unknown list oper %s", Text(useText()),
                             q != nullptr ? OrvOperName(q->Oper()) : "none");
    ReportMessage(MSG_SEVERE, usePosn(), text);
  }
  int count = q != nullptr ? q->NArgs() : 0;
  // Name k of the use: the named item (k = 0), then its qualifiers.
  auto nameAt = [q, order, count](int k) { return q->Args(order == QUAL_OF_IN ? k : count - 1 - k); };
  if (ParserTrace()) {
    std::cout << "*SymTabResolve: qe=" << useText() << " type=" << static_cast<int>(order) << " @"
              << usePosn() << std::endl;
  }
  if (inUseForDebugging) use->SetCategory(SYMCAT_UNKNOWN);

  OrvExpr* namedItem = count == 0 ? nullptr : nameAt(0);
  OrvSymTabElt* e = ElementOf(namedItem);
  // The candidates, in the parser's array reused from use to use: most
  // uses have one definition and no qualifier, and a list or an array per
  // use would cost allocations each.
  std::vector<OrvExpr*>& defs = candidateDefs;
  defs.clear();
  if (e != nullptr) {
    const std::vector<OrvExpr*>& found = DefinitionsOf(e);
    defs.assign(found.begin(), found.end());
  }
  if (count > 1) {
    OrvLinkList candidates;
    for (OrvExpr* def : defs) candidates.Append(OrvLink(def, ORV_NO_LINK_INDEX));
    for (int k = 1; k < count; ++k) {
      // Only the qualifier's definitions can hold a candidate: its uses,
      // which grow with the program, are left out of the search.
      OrvSymTabElt* qualifier = ElementOf(nameAt(k));
      OrvLinkList scopes;
      if (qualifier != nullptr) {
        for (OrvExpr* def : DefinitionsOf(qualifier)) scopes.Append(OrvLink(def, ORV_NO_LINK_INDEX));
      }
      OrvRestrictDefs(candidates, scopes);
    }
    ToArray(candidates, defs);
  }
  if (ParserTrace()) {
    for (OrvExpr* def : defs) std::cout << "??Def: " << OrvFullQualNameStr(def) << std::endl;
  }

  // A paragraph name used alone inside a section means that section's
  // paragraph when it has one.
  if (defs.size() >= 2 && e->Category() == SYMCAT_PARA_NAME && count == 1) {
    OrvExpr* scope = ProcedureScope(use);
    if (scope != nullptr && scope->Oper() == SECTION_PROC) {
      for (OrvExpr* def : defs) {
        if (ProcedureScope(def) == scope) {
          defs.assign(1, def);
          break;
        }
      }
    }
  }

  // The name of an ASSIGN clause: an external file, or a data-name defined
  // on the spot when the program declares none.
  OrvExpr* parent = use->Parent();
  OrvExpr* device = parent != nullptr && parent->Oper() == EX_LIST ? parent->Parent() : nullptr;
  if (count == 1 && device != nullptr && device->Oper() == FCX_DEVICE) {
    OrvExpr* d = OrvArgAt(device, FCX_DEVICE__EXTERNAL_DYNAMIC);
    bool external = d != nullptr && d->Oper() == FCX_EXTERNAL;
    if (external || defs.empty()) {
      OrvExpr* replacement = nullptr;
      if (external || (assignExternal && !OrvPresent(d))) {
        replacement = new OrvExprOper(
            FCX_EXTERNAL_FILE_REF,
            new OrvCharString(namedItem != nullptr ? *namedItem->Image() : VString()));
        // The source text of the name stays with the leaf that stands for it.
        OrvGatherTokensWalker(use, replacement->Args(FCX_EXTERNAL_FILE_REF__EXTERNAL_FILE_NAME)->Tokens());
      } else {
        replacement = SymTabDefine(e, SYMCAT_DATA_NAME, 0);
        if (replacement == nullptr) return;
        OrvGatherTokensWalker(use, replacement->Tokens());
      }
      // The walk that visits the use may still look at it: it is deleted
      // after the walk.
      RetireNode(use->ReplThis(replacement));
      return;
    }
  }

  if (defs.size() >= 2 && sameParaDataName) {
    int wanted = use->Category();
    std::vector<OrvExpr*> kept;
    for (OrvExpr* def : defs) {
      int cat = DefCategory(def);
      if (cat == wanted ||
          (wanted == SYMCAT_PROC_NAME && (cat == SYMCAT_PARA_NAME || cat == SYMCAT_SECTION_NAME))) {
        kept.push_back(def);
      }
    }
    defs.swap(kept);
  }

  uint32_t useSerial = use->Serial();
  int32_t useIndex = static_cast<int32_t>(useSerial);
  int precedingOnly = use->ExtraWord() != 0;
  if (defs.size() >= 2) {
    if (!precedingOnly) {
      report(OrvFormat("Object '%s' used here is defined more than once.", Text(useText())));
    }
    int best = -1;
    for (size_t m = 0; m < defs.size(); ++m) {
      OrvExpr* def = defs[m];
      if (def->Serial() < useSerial && (best < 0 || def->Serial() > defs[best]->Serial())) {
        best = static_cast<int>(m);
      }
      if (!precedingOnly) {
        VString text = OrvFormat("-- Definition #%d: %s", static_cast<int>(m) + 1,
                                 Text(OrvFullQualNameStr(def)));
        ReportMessage(MSG_ERR, OrvSrcPosnBegWalker(def), text);
      }
    }
    if (best < 0) {
      if (precedingOnly) {
        report(OrvFormat(
            "Object '%s' used here is defined more than once, but none of definitions precedes "
            "the use",
            Text(useText())));
        return;
      }
      best = 0;
    }
    use->BindDefinition(defs[best], useIndex);
    if (!precedingOnly) {
      report(OrvFormat("-- Using definition #%d: %s", best + 1,
                       Text(OrvFullQualNameStr(defs[best]))));
    }
    return;
  }

  if (defs.size() == 1) {
    OrvExpr* def = defs[0];
    use->BindDefinition(def, useIndex);
    if (ParserTrace()) std::cout << "==Def: " << OrvFullQualNameStr(def) << std::endl;
    int x = use->Category();
    int k = e->Category();
    bool procedure = k == SYMCAT_PROC_NAME || k == SYMCAT_PARA_NAME || k == SYMCAT_SECTION_NAME;
    if (!sameParaDataName) {
      if (x == SYMCAT_PROC_NAME && k != SYMCAT_PARA_NAME && k != SYMCAT_SECTION_NAME) {
        report(OrvFormat("Paragraph or Section name is expected here, but you use %s '%s' instead",
                         Text(OrvSymCategoryName(k)), Text(useText())));
      } else if (x != SYMCAT_UNKNOWN && x != SYMCAT_PROC_NAME && procedure) {
        report(OrvFormat(
            "Data, file, index, condition or similar name is expected here, but you use %s '%s' "
            "instead",
            Text(OrvSymCategoryName(k)), Text(useText())));
      }
    }
    use->SetCategory(k);
    return;
  }

  // No candidate.
  if (use->Category() == SYMCAT_FILE_NAME && count == 1 && parent != nullptr &&
      parent->Oper() == DECL_FC_ENTRY) {
    report(OrvFormat("File-name '%s' is defined in FC entry but not in FD entry", Text(useText())));
    return;
  }
  if (e == nullptr || e->Category() != SYMCAT_UNKNOWN) return;
  if (multiUndefdErrs) {
    report(OrvFormat("Object named '%s' is not defined", Text(useText())));
  } else if (e->ExtraWord() == 0) {
    report(OrvFormat("Object named '%s' is not defined (1 error per name)", Text(useText())));
    e->SetExtraWord(1);
  }
}
