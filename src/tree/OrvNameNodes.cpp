// Name-binding nodes and their back-reference bookkeeping.
#include "OrvNameNodes.h"

#include <ostream>

#include "OrvDebugDump.h"
#include "OrvOperSlots.h"
#include "OrvPosnWalkers.h"
#include "OrvSymTab.h"
#include "OrvSymTabList.h"
#include "OrvTicRead.h"

namespace {

const char kSteName[] = "Symbol Table Element";

// The References list of a bound element, or null when the link's target
// is not a node with a link list.
OrvLinkList* ReferencesOf(OrvExpr* elt) {
  if (elt == nullptr || elt->NLinkLists() == 0) return nullptr;
  return elt->Links(0);
}

// Registers {node, -1} in the References of the element it is bound to.
void Register(OrvExpr* node, const OrvLink& link) {
  if (OrvLinkList* refs = ReferencesOf(link.node)) refs->Append(OrvLink(node, ORV_NO_LINK_INDEX));
}

// Removes every link to node from the References of its element.
void Unregister(OrvExpr* node, const OrvLink& link) {
  if (OrvLinkList* refs = ReferencesOf(link.node)) refs->Remove(node);
}

// How many entries of a link list the unbinding loops load ahead: the
// nodes of a long list lie all over the tree, and reading them one after
// the other would wait on each.
const int kLinksAhead = 8;

// Loads the target of the link element into the cache and answers the
// next element (null past the end).
inline OrvLinkElem* PrefetchNext(OrvLinkElem* e) {
  if (e == nullptr) return nullptr;
  if (e->link.node != nullptr) __builtin_prefetch(e->link.node);
  return e->next;
}

// Loads the targets of the first kLinksAhead elements from `first` and
// answers the element after them.
OrvLinkElem* PrefetchedAhead(OrvLinkElem* first) {
  OrvLinkElem* e = first;
  for (int i = 0; i < kLinksAhead && e != nullptr; ++i) e = PrefetchNext(e);
  return e;
}

// The name of a bound element, or the shared empty text.
const VString* ElementImage(const OrvLink& link) {
  if (link.node != nullptr && link.node->Oper() == SYMBOL_TABLE_ELT) return link.node->Image();
  return &OrvEmptyVString;
}

// A link list as the debug dumps show it: "[" the links joined by ", " "]".
void DumpLinks(std::ostream& out, const OrvLinkList& list) {
  out << '[';
  for (OrvLinkElem* e = list.Head(); e != nullptr; e = e->next) {
    if (e != list.Head()) out << ", ";
    e->link.Print(out);
  }
  out << ']';
}

// Writes a link index as an unsigned 32-bit number.
void PutIndex(std::ostream& out, int32_t index) { out << static_cast<uint32_t>(index) << ':'; }

// Reads a link index (a minus sign allowed; 4294967295 and -1 both give -1).
OrvResult GetIndex(std::istream& in, int32_t& index, VString& error) {
  int64 value = 0;
  OrvResult r = GetTicInt64No(in, &value, true, ':', error);
  if (r != ORV_OK) return r;
  index = static_cast<int32_t>(static_cast<uint32_t>(value));
  return ORV_OK;
}

// Reads a category byte written as a decimal number.
OrvResult GetCategory(std::istream& in, unsigned char& category, VString& error) {
  int value = 0;
  OrvResult r = GetTicIntNo(in, &value, false, ':', error);
  if (r != ORV_OK) return r;
  category = static_cast<unsigned char>(value);
  return ORV_OK;
}

// Re-binds a name use or a definition to `image` in the symbol table of the
// program around it.
OrvResult Rebind(OrvExpr* node, OrvLink& link, const VString& image, const char* method,
                 VString& message) {
  OrvCallTreeEditHook(ORV_EDIT_IMAGE, node, nullptr, 0, image);
  OrvExpr* table = OrvProgSymTab(node);
  if (table == nullptr || table->Oper() != SYMBOL_TABLE_ELT_LIST) {
    message = VString("no program symbol table above the node");
    node->NodeMessage(MSG_SEVERE, method, message);
    return ORV_SYMTAB_MISSING;
  }
  OrvSymTabElt* elt = OrvSymTabFindOrAddElt(table, image);
  Unregister(node, link);
  link = OrvLink(elt, ORV_NO_LINK_INDEX);
  Register(node, link);
  return ORV_OK;
}

}  // namespace

// ---------------------------------------------------------------------------
// OrvSymTabElt
// ---------------------------------------------------------------------------

OrvSymTabElt::OrvSymTabElt(const VString& image, int category, const OrvLinkList& refs)
    : OrvExpr(SYMBOL_TABLE_ELT), extra_(0), refs_(refs), category_(static_cast<unsigned char>(category)) {
  refs_.SetNodeList(true);
  image_.SetShared(image, InArena());
}

OrvSymTabElt::OrvSymTabElt(const OrvSymTabElt& other)
    : OrvExpr(other), extra_(other.extra_), category_(other.category_) {
  refs_.SetNodeList(true);
  image_.SetFrom(other.image_, InArena());
}

OrvExpr* OrvSymTabElt::Clone() const { return new OrvSymTabElt(*this); }

OrvSymTabElt::~OrvSymTabElt() {
  UnlinkRefs();
  refs_.Clear();
}

void OrvSymTabElt::UnlinkRefs() {
  if (OrvWholeTreeTeardown) {
    refs_.Clear();
    return;
  }
  OrvLinkElem* ahead = PrefetchedAhead(refs_.Head());
  for (OrvLinkElem* e = refs_.Head(); e != nullptr; e = e->next) {
    ahead = PrefetchNext(ahead);
    OrvExpr* n = e->link.node;
    if (n == nullptr) continue;
    if ((n->Oper() == NAMED_OBJ_DEF || n->Oper() == NAME_USE) && n->Link(0)->node == this) {
      *n->Link(0) = OrvLink();
    }
  }
  refs_.Clear();
}

OrvResult OrvSymTabElt::SetImage(const VString& image, VString& message) {
  (void)message;
  OrvCallTreeEditHook(ORV_EDIT_IMAGE, this, nullptr, 0, image);
  image_.Set(image, InArena());
  OrvSymTabList::Changed(Parent());
  OrvCallTreeEditHook(ORV_EDIT_OPER, this, nullptr, 0, VString());
  ResetFromSrcWalker(this);
  return ORV_OK;
}

const char* OrvSymTabElt::LinkListName(int i) const {
  (void)i;
  return "References";
}

void OrvSymTabElt::MakeUniqueName(VString& name) {
  if (Oper() != SYMBOL_TABLE_ELT) return;
  OrvExpr* table = Parent();
  VString candidate = name;
  int k = 1;
  for (;;) {
    bool taken = false;
    for (int i = 0; table != nullptr && i < table->NArgs() && !taken; ++i) {
      OrvExpr* e = table->Args(i);
      if (e == nullptr || e->Oper() != SYMBOL_TABLE_ELT) continue;
      const VString* img = e->Image();
      taken = img->length == candidate.length && img->Compare(candidate) == 0;
    }
    if (!taken) break;
    VString suffix = OrvFormat("-%d", k++);
    if (name.length + suffix.length < 31) {
      candidate = name + suffix;
    } else {
      candidate = name.Substr(0, 30 - suffix.length) + suffix;
    }
  }
  image_.Set(candidate, InArena());
  OrvSymTabList::Changed(Parent());
  name = candidate;
  for (OrvLinkElem* e = refs_.Head(); e != nullptr; e = e->next) {
    if (e->link.node != nullptr) e->link.node->SetFromSrc(0);
  }
  // Keep the table sorted: the new name may belong elsewhere.
  if (table != nullptr && table->Oper() == SYMBOL_TABLE_ELT_LIST) {
    OrvExpr* self = DelThis();
    if (self == nullptr) return;
    int pos = 0;
    OrvSymTabFindElt(table, image_.Get(), &pos);
    OrvSymTabInsElt(table, static_cast<OrvSymTabElt*>(self), pos);
  }
}

std::ostream& OrvSymTabElt::PutTic(std::ostream& out) const {
  OrvExpr::PutTic(out);
  image_.Get().PutTic(out);
  out << static_cast<int>(category_) << ':';
  return refs_.PutTic(out);
}

OrvResult OrvSymTabElt::GetTic(std::istream& in, VString& error) {
  OrvResult r = OrvExpr::GetTic(in, error);
  if (r == ORV_OK) {
    VString image = image_.Get();
    r = image.GetTic(in, error);
    image_.Set(image, InArena());
  }
  OrvSymTabList::Changed(Parent());
  if (r == ORV_OK) r = GetCategory(in, category_, error);
  if (r == ORV_OK) r = refs_.GetTic(in, error);
  return r;
}

std::ostream& OrvSymTabElt::DebugDump(std::ostream& out) const {
  OrvDumpIndent(out);
  out << "SYMBOL_TABLE_ELT " << image_.Get() << " cat=" << static_cast<OrvSymCategory>(category_);
  if (OrvDumpLevel > 1) {
    out << " refs=";
    DumpLinks(out, refs_);
  }
  return OrvExpr::DebugDump(out);
}

// ---------------------------------------------------------------------------
// OrvNameUse
// ---------------------------------------------------------------------------

OrvNameUse::OrvNameUse(const OrvLink& link) : OrvExpr(NAME_USE), elt_(link) {
  Register(this, elt_);
}

OrvNameUse::OrvNameUse(const OrvNameUse& other) : OrvExpr(other), elt_(other.elt_) {
  Register(this, elt_);
}

OrvExpr* OrvNameUse::Clone() const { return new OrvNameUse(*this); }

OrvNameUse::~OrvNameUse() { UnlinkRefs(); }

void OrvNameUse::UnlinkRefs() {
  if (!OrvWholeTreeTeardown) Unregister(this, elt_);
  elt_ = OrvLink();
}

const VString* OrvNameUse::Image() const { return ElementImage(elt_); }

VString OrvNameUse::Value() const { return *ElementImage(elt_); }

OrvResult OrvNameUse::SetImage(const VString& image, VString& message) {
  return Rebind(this, elt_, image, "OrvNameUse::SetImage", message);
}

const char* OrvNameUse::LinkName(int i) const {
  (void)i;
  return kSteName;
}

std::ostream& OrvNameUse::PutTic(std::ostream& out) const {
  OrvExpr::PutTic(out);
  PutIndex(out, elt_.index);
  return out;
}

OrvResult OrvNameUse::GetTic(std::istream& in, VString& error) {
  OrvResult r = OrvExpr::GetTic(in, error);
  if (r != ORV_OK) return r;
  Unregister(this, elt_);
  elt_ = OrvLink();
  return GetIndex(in, elt_.index, error);
}

std::ostream& OrvNameUse::DebugDump(std::ostream& out) const {
  OrvDumpIndent(out);
  out << "NAME_USE" << " img=" << *Image() << " ste=";
  elt_.Print(out);
  return OrvExpr::DebugDump(out);
}

// ---------------------------------------------------------------------------
// OrvNamedObjDef
// ---------------------------------------------------------------------------

OrvNamedObjDef::OrvNamedObjDef(int category, const OrvLink& link, const OrvLinkList& uses)
    : OrvExpr(NAMED_OBJ_DEF), category_(static_cast<unsigned char>(category)), elt_(link),
      uses_(uses) {
  uses_.SetNodeList(true);
  Register(this, elt_);
}

OrvNamedObjDef::OrvNamedObjDef(const OrvNamedObjDef& other)
    : OrvExpr(other), category_(other.category_), elt_(other.elt_) {
  uses_.SetNodeList(true);
  Register(this, elt_);
}

OrvExpr* OrvNamedObjDef::Clone() const { return new OrvNamedObjDef(*this); }

OrvNamedObjDef::~OrvNamedObjDef() {
  UnlinkRefs();
  uses_.Clear();
}

void OrvNamedObjDef::UnlinkRefs() {
  if (OrvWholeTreeTeardown) {
    uses_.Clear();
    elt_ = OrvLink();
    return;
  }
  OrvLinkElem* ahead = PrefetchedAhead(uses_.Head());
  for (OrvLinkElem* e = uses_.Head(); e != nullptr; e = e->next) {
    ahead = PrefetchNext(ahead);
    OrvExpr* use = e->link.node;
    if (use != nullptr && use->Oper() == NAMED_OBJ_USE && use->Link(0)->node == this) {
      *use->Link(0) = OrvLink();
    }
  }
  uses_.Clear();
  Unregister(this, elt_);
  elt_ = OrvLink();
}

const VString* OrvNamedObjDef::Image() const { return ElementImage(elt_); }

VString OrvNamedObjDef::Value() const { return *ElementImage(elt_); }

OrvResult OrvNamedObjDef::SetImage(const VString& image, VString& message) {
  return Rebind(this, elt_, image, "OrvNamedObjDef::SetImage", message);
}

const char* OrvNamedObjDef::LinkName(int i) const {
  (void)i;
  return kSteName;
}

const char* OrvNamedObjDef::LinkListName(int i) const {
  (void)i;
  return "Uses";
}

std::ostream& OrvNamedObjDef::PutTic(std::ostream& out) const {
  OrvExpr::PutTic(out);
  out << static_cast<int>(category_) << ':';
  PutIndex(out, elt_.index);
  return uses_.PutTic(out);
}

OrvResult OrvNamedObjDef::GetTic(std::istream& in, VString& error) {
  OrvResult r = OrvExpr::GetTic(in, error);
  if (r == ORV_OK) r = GetCategory(in, category_, error);
  if (r != ORV_OK) return r;
  Unregister(this, elt_);
  elt_ = OrvLink();
  r = GetIndex(in, elt_.index, error);
  if (r == ORV_OK) r = uses_.GetTic(in, error);
  return r;
}

std::ostream& OrvNamedObjDef::DebugDump(std::ostream& out) const {
  OrvDumpIndent(out);
  out << "NAMED_OBJ_DEF" << " img=" << *Image()
      << " cat=" << static_cast<OrvSymCategory>(category_);
  if (OrvDumpLevel > 1) {
    out << " ste=";
    elt_.Print(out);
    out << " uses=";
    DumpLinks(out, uses_);
  }
  return OrvExpr::DebugDump(out);
}

// ---------------------------------------------------------------------------
// OrvNamedObjUse
// ---------------------------------------------------------------------------

OrvNamedObjUse::OrvNamedObjUse(OrvExpr* names, int category, uint32_t extra)
    : OrvExprOper(NAMED_OBJ_USE), extra_(extra),
      category_(static_cast<unsigned char>(category)) {
  if (names != nullptr) SetArg(NAMED_OBJ_USE__NAMES, names, -1, 0);
}

OrvNamedObjUse::OrvNamedObjUse(const OrvNamedObjUse& other)
    : OrvExprOper(other), def_(other.def_), extra_(other.extra_), category_(other.category_) {
  if (def_.node != nullptr && def_.node->Oper() == NAMED_OBJ_DEF) {
    def_.node->Links(0)->Append(OrvLink(this, ORV_NO_LINK_INDEX));
  }
}

OrvExpr* OrvNamedObjUse::Clone() const { return new OrvNamedObjUse(*this); }

OrvNamedObjUse::~OrvNamedObjUse() { UnlinkRefs(); }

void OrvNamedObjUse::UnlinkRefs() {
  if (!OrvWholeTreeTeardown && def_.node != nullptr && def_.node->Oper() == NAMED_OBJ_DEF) def_.node->Links(0)->Remove(this);
  def_ = OrvLink();
}

void OrvNamedObjUse::BindDefinition(OrvExpr* def, int32_t index) {
  UnlinkRefs();
  if (def == nullptr || def->Oper() != NAMED_OBJ_DEF) return;
  def_ = OrvLink(def, ORV_NO_LINK_INDEX);
  def->Links(0)->Append(OrvLink(this, index));
}

const char* OrvNamedObjUse::LinkName(int i) const {
  (void)i;
  return "Definition";
}

std::ostream& OrvNamedObjUse::PutTic(std::ostream& out) const {
  OrvExprOper::PutTic(out);
  out << static_cast<int>(category_) << ':';
  PutIndex(out, def_.index);
  return out;
}

OrvResult OrvNamedObjUse::GetTic(std::istream& in, VString& error) {
  OrvResult r = OrvExprOper::GetTic(in, error);
  if (r == ORV_OK) r = GetCategory(in, category_, error);
  if (r != ORV_OK) return r;
  UnlinkRefs();
  return GetIndex(in, def_.index, error);
}

std::ostream& OrvNamedObjUse::DebugDump(std::ostream& out) const {
  OrvDumpIndent(out);
  out << "NAMED_OBJ_USE " << " cat=" << static_cast<OrvSymCategory>(category_);
  if (OrvDumpLevel > 1) {
    out << " def=";
    def_.Print(out);
  }
  OrvExpr::DebugDump(out);
  return DumpSlots(out);
}
