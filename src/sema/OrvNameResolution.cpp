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
#include "OrvProgramFinish.h"
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
    if (ElementOf(q->ChildAt(i)) == nullptr) return false;
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
    OrvSymTabElt* elt = ElementOf(q->ChildAt(i));
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

namespace {

bool IsCicsValueFunction(const OrvParserImpl& parser, OrvExpr* node);

// The ACCEPT and DISPLAY items in screen form that the walk of
// OrvProcessAcceptItems meets below `node` (which it enters), in its order,
// appended to `items`.
void GatherScreenItems(OrvExpr* node, std::vector<OrvExpr*>& items) {
  for (int i = 0; i < node->NArgs(); ++i) {
    bool fill = false;
    OrvExpr* child = node->PeekChildOrFill(i, &fill);
    if (child == nullptr && (OrvFillNullSwitch || fill)) child = node->ChildAt(i);
    if (child == nullptr) continue;
    const int op = child->Oper();
    if (op == DISPLAY_SCREEN_ITEM || op == ACCEPT_SCREEN_ITEM) {
      items.push_back(child);
    } else if (child->NArgs() > 0 && !OrvHoldsNoScreenItem(op)) {
      GatherScreenItems(child, items);
    }
  }
}

// WalkTheTree(node, context, ResolveUseCallback) below a node whose
// call-back answered "children", without the trace: the same nodes in the
// same order, each slot read after the visit of the one before (a
// resolution may edit the tree), with the call-back's steps inline.  The
// call-back answers "children" or "skip" only, so every child is visited in
// turn and the answers need not be passed up.  `cics` is the parser's CICS
// setting, under which DFHRESP(name) is passed by.
// With `items` given, the walk of OrvProcessAcceptItems enters `node` too:
// the items in screen form it would meet are appended to `items` in its
// order (it passes by an item's subtree and the subtrees that hold no
// statement).  Name resolution changes no item and no slot that leads to
// one, so the items gathered are those that walk would meet afterwards.
void ResolveUsesBelow(OrvExpr* node, bool cics, std::vector<OrvExpr*>* items) {
  int n = node->NArgs();
  const std::uintptr_t* words = n > 0 ? node->PeekWords() : nullptr;
  for (int i = 0; i < n; ++i) {
    OrvExpr* child = OrvWalkedChildOfWord(node, i, words[i]);
    if (child == nullptr) continue;
    const int op = child->Oper();
    if (op == NAMED_OBJ_USE) {
      if (currentParser != nullptr) currentParser->SymTabQualResolve(child);
    } else if (child->NArgs() == 0) {
      // A leaf that is no use holds none (a table element without slots
      // neither); an item has slots.
      continue;
    } else if (op == TABLE_ELT && cics && IsCicsValueFunction(*currentParser, child)) {
      // Neither name of DFHRESP(name) is resolved, nor reported.
      if (items != nullptr) GatherScreenItems(child, *items);
      continue;
    } else if (op == DISPLAY_SCREEN_ITEM || op == ACCEPT_SCREEN_ITEM) {
      if (items != nullptr) items->push_back(child);
      ResolveUsesBelow(child, cics, nullptr);
    } else {
      ResolveUsesBelow(child, cics, items != nullptr && !OrvHoldsNoScreenItem(op) ? items : nullptr);
    }
    n = node->NArgs();
    words = n > 0 ? node->PeekWords() : nullptr;
  }
}

}  // namespace

void OrvParserImpl::ResolveNames(OrvExpr* program) {
  definitionsOf.clear();
  definitionsCached = true;
  screenItemsGathered = false;
  if (program == nullptr || OrvWalkTraceSwitch)
    WalkTheTree(program, program, ResolveUseCallback);
  else {
    screenItems.clear();
    const bool children = ResolveUseCallback(program, program) == ORV_WALK_CHILDREN;
    // The walk of OrvProcessAcceptItems enters a program that is neither an
    // item nor a subtree without statements; for another root it runs on
    // its own.
    const int op = program->Oper();
    screenItemsGathered = children && op != DISPLAY_SCREEN_ITEM && op != ACCEPT_SCREEN_ITEM &&
                          !OrvHoldsNoScreenItem(op);
    if (children) {
      ResolveUsesBelow(program, currentParser != nullptr && currentParser->lexer.settings.cics,
                       screenItemsGathered ? &screenItems : nullptr);
    }
  }
  definitionsCached = false;
  definitionsOf.clear();
  FreeRetiredNodes();
}

namespace {

// The element of a use of one unqualified name, or null.
OrvSymTabElt* SingleNameElement(OrvExpr* use) {
  if (use == nullptr || use->Oper() != NAMED_OBJ_USE) return nullptr;
  OrvExpr* names = OrvArgAt(use, NAMED_OBJ_USE__NAMES);
  if (names == nullptr || names->Oper() != OF_IN_LIST || names->NArgs() != 1) return nullptr;
  return ElementOf(names->ChildAt(0));
}

// DFHRESP(name) and DFHVALUE(name) of a CICS program: the translator
// replaces them by constants, so the program defines neither the function
// nor the condition name.  They read as a table element, DFHRESP or
// DFHVALUE defined nowhere, subscripted by one unqualified name.
bool IsCicsValueFunction(const OrvParserImpl& parser, OrvExpr* node) {
  if (!parser.lexer.settings.cics || node->Oper() != TABLE_ELT) return false;
  OrvSymTabElt* function = SingleNameElement(OrvArgAt(node, TABLE_ELT__TABLE_NAME));
  if (function == nullptr || function->Category() != SYMCAT_UNKNOWN) return false;
  const VString name = function->Value();
  if (!(name == "DFHRESP" || name == "DFHVALUE")) return false;
  OrvExpr* subscripts = OrvArgAt(node, TABLE_ELT__SUBSCRIPTS);
  return subscripts != nullptr && subscripts->Oper() == SUBSCRIPT_LIST && subscripts->NArgs() == 1 &&
         SingleNameElement(subscripts->ChildAt(0)) != nullptr;
}

}  // namespace

int ResolveUseCallback(OrvExpr* node, void* context) {
  (void)context;
  if (node == nullptr) return ORV_WALK_CHILDREN;
  // Neither name of DFHRESP(name) is resolved, nor reported.
  if (currentParser != nullptr && IsCicsValueFunction(*currentParser, node)) return ORV_WALK_SKIP;
  if (node->Oper() != NAMED_OBJ_USE) return ORV_WALK_CHILDREN;
  if (currentParser != nullptr) currentParser->SymTabQualResolve(node);
  return ORV_WALK_SKIP;
}

namespace {

// One name use being resolved: the use, its qualified name read once, and
// the text and position of the use, taken when first needed.  The text and
// the position serve the reports and the trace only, and most uses resolve
// silently, so neither is made for them; nothing the steps do changes the
// names' bindings, their images or the tokens of the use before a report.
class QualUse {
 public:
  QualUse(OrvParserImpl& parser, OrvNamedObjUse* use)
      : parser(parser), node(use), q(OrvArgAt(use, NAMED_OBJ_USE__NAMES)), order(OrderOf(q)),
        count(q != nullptr ? q->NArgs() : 0), namedItem(count == 0 ? nullptr : NameAt(0)),
        element(ElementOf(namedItem)) {}

  // Name k of the use: the named item (k = 0), then its qualifiers from the
  // innermost out.
  OrvExpr* NameAt(int k) const { return q->ChildAt(order == QUAL_OF_IN ? k : count - 1 - k); }
  // The text of the qualified name (the names joined by " OF "); the first
  // call reports the names that are not bound.
  const VString& Text() {
    if (!textTaken_) text_ = QualText(q, order);
    textTaken_ = true;
    return text_;
  }
  const char* TextChars() { return ::Text(Text()); }
  // Where the use begins in the source.
  const OrvTxtPosn& Posn() {
    if (!posnTaken_) posn_ = OrvSrcPosnBegWalker(node);
    posnTaken_ = true;
    return posn_;
  }
  // Reports an error at the use.
  void Report(const VString& text) { parser.ReportMessage(MSG_ERR, Posn(), text); }

  OrvParserImpl& parser;
  OrvNamedObjUse* const node;
  OrvExpr* const q;            // the qualified name: the named item and its qualifiers
  const QualOrder order;
  const int count;             // names in q
  OrvExpr* const namedItem;    // null when q holds no name
  OrvSymTabElt* const element; // the named item's element, or null

 private:
  static QualOrder OrderOf(const OrvExpr* q) {
    if (q != nullptr && q->Oper() == OF_IN_LIST) return QUAL_OF_IN;
    if (q != nullptr && q->Oper() == SQL_VAR_NAME_LIST) return QUAL_SQL;
    return QUAL_UNKNOWN;
  }

  VString text_;
  bool textTaken_ = false;
  OrvTxtPosn posn_;
  bool posnTaken_ = false;
};

// A use whose list is of an unknown operation, or that has a name bound to
// no element, takes its text now, where the reports of its unbound names
// belong; an unknown list is reported at MSG_SEVERE and then resolved as an
// SQL name.
void ReportUnreadableNames(QualUse& use) {
  if (use.order != QUAL_UNKNOWN && AllNamesBound(use.q)) return;
  use.Text();
  if (use.order != QUAL_UNKNOWN) return;
  VString text = OrvFormat("Qualified name '%s' has unknown list oper %s", use.TextChars(),
                           use.q != nullptr ? OrvOperName(use.q->Oper()) : "none");
  use.parser.ReportMessage(MSG_SEVERE, use.Posn(), text);
}

// The trace line of the use (with the parser's trace switch on).
void TraceUse(QualUse& use) {
  if (!use.parser.ParserTrace()) return;
  std::cout << "*SymTabResolve: qe=" << use.Text() << " type=" << static_cast<int>(use.order) << " @"
            << use.Posn() << std::endl;
}

// The definitions of the named item that lie within a definition of every
// qualifier, in candidate-list order, into `defs`.  Only a qualifier's
// definitions can hold a candidate: its uses, which grow with the program,
// are left out of the search.
void GatherCandidates(QualUse& use, std::vector<OrvExpr*>& defs) {
  defs.clear();
  if (use.element != nullptr) {
    const std::vector<OrvExpr*>& found = use.parser.DefinitionsOf(use.element);
    defs.assign(found.begin(), found.end());
  }
  if (use.count <= 1) return;
  OrvLinkList candidates;
  for (OrvExpr* def : defs) candidates.Append(OrvLink(def, ORV_NO_LINK_INDEX));
  for (int k = 1; k < use.count; ++k) {
    OrvSymTabElt* qualifier = ElementOf(use.NameAt(k));
    OrvLinkList scopes;
    if (qualifier != nullptr) {
      for (OrvExpr* def : use.parser.DefinitionsOf(qualifier)) scopes.Append(OrvLink(def, ORV_NO_LINK_INDEX));
    }
    OrvRestrictDefs(candidates, scopes);
  }
  ToArray(candidates, defs);
}

// The trace lines of the candidates (with the parser's trace switch on).
void TraceCandidates(const QualUse& use, const std::vector<OrvExpr*>& defs) {
  if (!use.parser.ParserTrace()) return;
  for (OrvExpr* def : defs) std::cout << "??Def: " << OrvFullQualNameStr(def) << std::endl;
}

// A paragraph name used alone inside a section means that section's
// paragraph when it has one: of several candidates only that one stays.
void PreferSectionParagraph(const QualUse& use, std::vector<OrvExpr*>& defs) {
  if (defs.size() < 2 || use.element->Category() != SYMCAT_PARA_NAME || use.count != 1) return;
  OrvExpr* scope = ProcedureScope(use.node);
  if (scope == nullptr || scope->Oper() != SECTION_PROC) return;
  for (OrvExpr* def : defs) {
    if (ProcedureScope(def) == scope) {
      defs.assign(1, def);
      return;
    }
  }
}

// The name of an ASSIGN clause (a lone name in the EX_LIST of an
// FCX_DEVICE) that names an external file, or that the program does not
// define: the use is replaced by an FCX_EXTERNAL_FILE_REF of the name (an
// EXTERNAL device, or "assign-external" with no device word) or by a
// data-name defined on the spot, which take the use's tokens.  True when
// the use was handled so (it is retired: the walk may still look at it).
bool ResolveAssignName(QualUse& use, const std::vector<OrvExpr*>& defs) {
  OrvExpr* parent = use.node->Parent();
  OrvExpr* device = parent != nullptr && parent->Oper() == EX_LIST ? parent->Parent() : nullptr;
  if (use.count != 1 || device == nullptr || device->Oper() != FCX_DEVICE) return false;
  OrvExpr* d = OrvArgAt(device, FCX_DEVICE__EXTERNAL_DYNAMIC);
  const bool external = d != nullptr && d->Oper() == FCX_EXTERNAL;
  if (!external && !defs.empty()) return false;
  OrvExpr* replacement = nullptr;
  if (external || (use.parser.assignExternal && !OrvPresent(d))) {
    const VString name = use.namedItem != nullptr ? *use.namedItem->Image() : VString();
    replacement = new OrvExprOper(FCX_EXTERNAL_FILE_REF, new OrvCharString(name));
    // The source text of the name stays with the leaf that stands for it.
    OrvGatherTokensWalker(use.node, replacement->Args(FCX_EXTERNAL_FILE_REF__EXTERNAL_FILE_NAME)->Tokens());
  } else {
    replacement = use.parser.SymTabDefine(use.element, SYMCAT_DATA_NAME, 0);
    if (replacement == nullptr) return true;
    OrvGatherTokensWalker(use.node, replacement->Tokens());
  }
  use.parser.RetireNode(use.node->ReplThis(replacement));
  return true;
}

// With "same-para-data-name" on, of several candidates only those of the
// use's category stay (a procedure-name use keeps paragraphs and sections).
void FilterByCategory(QualUse& use, std::vector<OrvExpr*>& defs) {
  if (defs.size() < 2 || !use.parser.sameParaDataName) return;
  const int wanted = use.node->Category();
  std::vector<OrvExpr*> kept;
  for (OrvExpr* def : defs) {
    const int cat = DefCategory(def);
    if (cat == wanted ||
        (wanted == SYMCAT_PROC_NAME && (cat == SYMCAT_PARA_NAME || cat == SYMCAT_SECTION_NAME))) {
      kept.push_back(def);
    }
  }
  defs.swap(kept);
}

// Several candidates: "defined more than once" with each definition, then
// the use is bound to the last definition before it (else the first) with
// "-- Using definition".  A use that may take a preceding definition only
// (its extra word set) is bound silently, or reported when none precedes.
void BindAmbiguous(QualUse& use, const std::vector<OrvExpr*>& defs) {
  const uint32_t useSerial = use.node->Serial();
  const bool precedingOnly = use.node->ExtraWord() != 0;
  if (!precedingOnly) {
    use.Report(OrvFormat("Object '%s' used here is defined more than once.", use.TextChars()));
  }
  int best = -1;
  for (size_t m = 0; m < defs.size(); ++m) {
    OrvExpr* def = defs[m];
    if (def->Serial() < useSerial && (best < 0 || def->Serial() > defs[best]->Serial())) {
      best = static_cast<int>(m);
    }
    if (!precedingOnly) {
      VString text =
          OrvFormat("-- Definition #%d: %s", static_cast<int>(m) + 1, Text(OrvFullQualNameStr(def)));
      use.parser.ReportMessage(MSG_ERR, OrvSrcPosnBegWalker(def), text);
    }
  }
  if (best < 0) {
    if (precedingOnly) {
      use.Report(OrvFormat("Object '%s' used here is defined more than once, but none of definitions precedes "
                           "the use",
                           use.TextChars()));
      return;
    }
    best = 0;
  }
  use.node->BindDefinition(defs[best], static_cast<int32_t>(useSerial));
  if (!precedingOnly) {
    use.Report(OrvFormat("-- Using definition #%d: %s", best + 1, Text(OrvFullQualNameStr(defs[best]))));
  }
}

// One candidate: the use is bound to it and takes the category `k` of the
// element the candidate defines; unless "same-para-data-name" is on, a
// procedure-name use of a data item and a data use of a procedure name are
// reported.
void BindSingle(QualUse& use, OrvExpr* def, int k) {
  use.node->BindDefinition(def, static_cast<int32_t>(use.node->Serial()));
  if (use.parser.ParserTrace()) std::cout << "==Def: " << OrvFullQualNameStr(def) << std::endl;
  const int x = use.node->Category();
  const bool procedure = k == SYMCAT_PROC_NAME || k == SYMCAT_PARA_NAME || k == SYMCAT_SECTION_NAME;
  if (!use.parser.sameParaDataName) {
    if (x == SYMCAT_PROC_NAME && k != SYMCAT_PARA_NAME && k != SYMCAT_SECTION_NAME) {
      use.Report(OrvFormat("Paragraph or Section name is expected here, but you use %s '%s' instead",
                           Text(OrvSymCategoryName(k)), use.TextChars()));
    } else if (x != SYMCAT_UNKNOWN && x != SYMCAT_PROC_NAME && procedure) {
      use.Report(OrvFormat("Data, file, index, condition or similar name is expected here, but you use %s '%s' "
                           "instead",
                           Text(OrvSymCategoryName(k)), use.TextChars()));
    }
  }
  use.node->SetCategory(k);
}

// Whether an entry (a data description, FD or SD, or RD entry) says GLOBAL.
bool EntryIsGlobal(const OrvExpr* entry) {
  if (entry == nullptr) return false;
  switch (entry->Oper()) {
    case DECL_DD_ENTRY: return OrvPresent(OrvArgAt(entry, DECL_DD_ENTRY__GLOBAL));
    case DECL_DD_ENTRY_WANG_DISPLAY: return OrvPresent(OrvArgAt(entry, DECL_DD_ENTRY_WANG_DISPLAY__GLOBAL));
    case DECL_FD_ENTRY: return OrvPresent(OrvArgAt(entry, DECL_FD_ENTRY__GLOBAL));
    case DECL_RD_ENTRY: return OrvPresent(OrvArgAt(entry, DECL_RD_ENTRY__GLOBAL));
    default: return false;
  }
}

// Whether a definition lies within a data description entry, an FD or SD
// entry (its records too) or an RD entry (its report groups too) that is
// GLOBAL.  A definition's own entry is its parent; the entries of the
// groups above it, and the FD or RD entry of what follows it, lie beside
// the subordinates under their holders.
bool DefinedGlobal(OrvExpr* def) {
  for (OrvExpr* n = def->Parent(); n != nullptr && n->Oper() != COBOL_PROGRAM; n = n->Parent()) {
    OrvExpr* entry = n;
    if (n->Oper() == DECL_DD) entry = OrvArgAt(n, DECL_DD__DATA_DESCRIPTION_ENTRY);
    if (n->Oper() == DECL_FD) entry = OrvArgAt(n, DECL_FD__FILE_DESCRIPTION_ENTRY);
    if (n->Oper() == DECL_RD) entry = OrvArgAt(n, DECL_RD__REPORT_DESCRIPTION_ENTRY);
    if (EntryIsGlobal(entry)) return true;
  }
  return false;
}

// The GLOBAL definitions in `program`'s table of the use's qualified name,
// searched by the text of each name (the use's own elements belong to the
// contained program's table), into `defs`; the element of the named item
// into `found`.
void GatherGlobalCandidates(QualUse& use, OrvExpr* program, std::vector<OrvExpr*>& defs,
                            OrvSymTabElt*& found) {
  defs.clear();
  found = nullptr;
  OrvExpr* table = OrvOwnerSymTab(program);
  if (table == nullptr || use.namedItem == nullptr) return;
  found = OrvSymTabFindElt(table, *use.namedItem->Image(), nullptr);
  if (found == nullptr) return;
  OrvLinkList candidates;
  for (OrvExpr* def : use.parser.DefinitionsOf(found)) {
    if (DefinedGlobal(def)) candidates.Append(OrvLink(def, ORV_NO_LINK_INDEX));
  }
  for (int k = 1; k < use.count && candidates.Count() > 0; ++k) {
    OrvExpr* name = use.NameAt(k);
    OrvSymTabElt* qualifier =
        name != nullptr ? OrvSymTabFindElt(table, *name->Image(), nullptr) : nullptr;
    OrvLinkList scopes;
    if (qualifier != nullptr) {
      for (OrvExpr* def : use.parser.DefinitionsOf(qualifier)) scopes.Append(OrvLink(def, ORV_NO_LINK_INDEX));
    }
    OrvRestrictDefs(candidates, scopes);
  }
  ToArray(candidates, defs);
}

// A use that its own program does not define may name a GLOBAL item of an
// enclosing program, the innermost first: the first program that gives
// candidates binds the use as its own would.  True when one did.
bool ResolveGlobalName(QualUse& use, std::vector<OrvExpr*>& defs) {
  for (OrvExpr* program : use.parser.enclosingPrograms) {
    OrvSymTabElt* found = nullptr;
    GatherGlobalCandidates(use, program, defs, found);
    if (defs.empty()) continue;
    if (defs.size() >= 2) {
      BindAmbiguous(use, defs);
    } else {
      BindSingle(use, defs[0], found->Category());
    }
    return true;
  }
  return false;
}

// The first word of a VALUE OF item names a label field of the system, an
// implementor-name, when the program defines no such data item: the use is
// replaced by a CHAR_STRING of the name, which takes the use's tokens.
// True when the use was handled so (it is retired).
bool ResolveValueOfName(QualUse& use) {
  OrvExpr* parent = use.node->Parent();
  if (use.count != 1 || use.namedItem == nullptr || parent == nullptr ||
      parent->Oper() != FDX_VALUE_OF_ITEM ||
      OrvArgAt(parent, FDX_VALUE_OF_ITEM__LABEL_ITEM) != use.node) {
    return false;
  }
  OrvExpr* replacement = new OrvCharString(*use.namedItem->Image());
  OrvGatherTokensWalker(use.node, replacement->Tokens());
  use.parser.RetireNode(use.node->ReplThis(replacement));
  return true;
}

// No candidate: a file-name of a FILE-CONTROL entry that has no FD entry
// says so; a name of unknown category is "not defined", for every use with
// "multi-undefd-errs" on, else once per name.  A name defined in another
// category was reported where it was defined.
void ReportUndefined(QualUse& use) {
  OrvExpr* parent = use.node->Parent();
  if (use.node->Category() == SYMCAT_FILE_NAME && use.count == 1 && parent != nullptr &&
      parent->Oper() == DECL_FC_ENTRY) {
    use.Report(OrvFormat("File-name '%s' is defined in FC entry but not in FD entry", use.TextChars()));
    return;
  }
  OrvSymTabElt* e = use.element;
  if (e == nullptr || e->Category() != SYMCAT_UNKNOWN) return;
  if (use.parser.multiUndefdErrs) {
    use.Report(OrvFormat("Object named '%s' is not defined", use.TextChars()));
  } else if (e->ExtraWord() == 0) {
    use.Report(OrvFormat("Object named '%s' is not defined (1 error per name)", use.TextChars()));
    e->SetExtraWord(1);
  }
}

}  // namespace

void OrvParserImpl::SymTabQualResolve(OrvExpr* useNode) {
  if (useNode == nullptr || useNode->Oper() != NAMED_OBJ_USE) {
    ReportToCallBack(MSG_TERMINAL, VString("OrvParserImpl::SymTabQualResolve: expect NAMED_OBJ_USE node"));
    return;
  }
  OrvExpr* resolved = useNode->Link(0)->node;
  if (resolved != nullptr && resolved->Oper() != NULL_NODE) return;  // resolved once

  QualUse use(*this, static_cast<OrvNamedObjUse*>(useNode));
  ReportUnreadableNames(use);
  TraceUse(use);
  if (inUseForDebugging) use.node->SetCategory(SYMCAT_UNKNOWN);
  // The candidates go into the parser's array, reused from use to use: most
  // uses have one definition and no qualifier, and a list or an array per
  // use would cost allocations each.
  std::vector<OrvExpr*>& defs = candidateDefs;
  GatherCandidates(use, defs);
  TraceCandidates(use, defs);
  PreferSectionParagraph(use, defs);
  if (ResolveAssignName(use, defs)) return;
  FilterByCategory(use, defs);
  if (defs.size() >= 2) {
    BindAmbiguous(use, defs);
  } else if (defs.size() == 1) {
    BindSingle(use, defs[0], use.element->Category());
  } else if (!ResolveGlobalName(use, defs) && !ResolveValueOfName(use)) {
    ReportUndefined(use);
  }
}
