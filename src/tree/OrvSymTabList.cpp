// OrvSymTabList: the sorted symbol table with its hashed index of names.
#include "OrvSymTabList.h"

#include <cstring>

long OrvSymTabList::builds_ = 0;

namespace {

const char* Text(const VString& s) { return s.text != nullptr ? s.text : ""; }

// FNV-1a over the name up to its NUL: names compare as C strings in the
// sorted table, so they are hashed as such.
uint32_t HashOf(const char* s) {
  uint32_t h = 2166136261u;
  for (; *s != '\0'; ++s) h = (h ^ static_cast<unsigned char>(*s)) * 16777619u;
  return h;
}

const size_t kFirstCapacity = 16;

}  // namespace

OrvSymTabList::OrvSymTabList() : OrvExprOper(SYMBOL_TABLE_ELT_LIST), state_(kStale), count_(0) {}

OrvSymTabList::OrvSymTabList(const OrvSymTabList& other)
    : OrvExprOper(other), state_(kStale), count_(0) {}

OrvExpr* OrvSymTabList::Clone() const { return new OrvSymTabList(*this); }

void OrvSymTabList::Changed(OrvExpr* table) {
  if (OrvSymTabList* list = Of(table)) list->state_ = kStale;
}

bool OrvSymTabList::Lookup(const VString& name, OrvSymTabElt*& elt) {
  if (state_ == kStale) Build();
  if (state_ != kReady) return false;
  elt = nullptr;
  const char* wanted = Text(name);
  const uint32_t hash = HashOf(wanted);
  const size_t mask = entries_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const Entry& e = entries_[i];
    if (e.elt == nullptr) return true;
    if (e.hash == hash && std::strcmp(Text(e.elt->Name()), wanted) == 0) {
      elt = e.elt;
      return true;
    }
  }
}

void OrvSymTabList::Build() {
  ++builds_;
  count_ = 0;
  entries_.assign(kFirstCapacity, Entry{0, nullptr});
  state_ = kReady;
  for (int i = 0; i < NArgs() && state_ == kReady; ++i) {
    OrvExpr* child = ChildAt(i);
    if (child == nullptr || child->Oper() != SYMBOL_TABLE_ELT) {
      state_ = kUnusable;
      break;
    }
    Add(static_cast<OrvSymTabElt*>(child));
  }
  if (state_ != kReady) {
    entries_.clear();
    count_ = 0;
  }
}

void OrvSymTabList::Add(OrvSymTabElt* elt) {
  if (2 * (static_cast<size_t>(count_) + 1) > entries_.size()) Grow();
  const char* name = Text(elt->Name());
  const uint32_t hash = HashOf(name);
  const size_t mask = entries_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    Entry& e = entries_[i];
    if (e.elt == nullptr) {
      e = Entry{hash, elt};
      ++count_;
      return;
    }
    if (e.hash == hash && std::strcmp(Text(e.elt->Name()), name) == 0) {
      // Two children of one name: the binary search decides which is found.
      state_ = kUnusable;
      entries_.clear();
      count_ = 0;
      return;
    }
  }
}

void OrvSymTabList::Grow() {
  std::vector<Entry> old;
  old.swap(entries_);
  entries_.assign(old.empty() ? kFirstCapacity : 2 * old.size(), Entry{0, nullptr});
  const size_t mask = entries_.size() - 1;
  for (const Entry& e : old) {
    if (e.elt == nullptr) continue;
    size_t i = e.hash & mask;
    while (entries_[i].elt != nullptr) i = (i + 1) & mask;
    entries_[i] = e;
  }
}

void OrvSymTabList::InsArg(OrvExpr* child, int position) {
  const int before = NArgs();
  OrvExprOper::InsArg(child, position);
  if (state_ != kReady) return;
  if (NArgs() != before + 1 || child == nullptr || child->Parent() != this ||
      child->Oper() != SYMBOL_TABLE_ELT) {
    state_ = kStale;
    return;
  }
  Add(static_cast<OrvSymTabElt*>(child));
}

void OrvSymTabList::SetOper(OrvOper op, int reset, int allowShrink) {
  state_ = kStale;
  OrvExprOper::SetOper(op, reset, allowShrink);
}

OrvArgSlot* OrvSymTabList::ArgSlots(int i) const {
  // The slot may be changed through the pointer.
  state_ = kStale;
  return OrvExprOper::ArgSlots(i);
}

void OrvSymTabList::SetArg(int i, OrvExpr* child, int order, int state) {
  state_ = kStale;
  OrvExprOper::SetArg(i, child, order, state);
}

void OrvSymTabList::SetArgNoDel(int i, OrvExpr* child) {
  state_ = kStale;
  OrvExprOper::SetArgNoDel(i, child);
}

void OrvSymTabList::SetArg(int i, OrvArgSlot* slot) {
  state_ = kStale;
  OrvExprOper::SetArg(i, slot);
}

void OrvSymTabList::SetArgToList(int i, OrvOper listOp, OrvExpr* child) {
  state_ = kStale;
  OrvExprOper::SetArgToList(i, listOp, child);
}

OrvExpr* OrvSymTabList::DelArg(int i, int removeSlot, int fillNull) {
  state_ = kStale;
  return OrvExprOper::DelArg(i, removeSlot, fillNull);
}

OrvArgSlot* OrvSymTabList::DelArgSlot(int i, int removeSlot, int fillNull) {
  state_ = kStale;
  return OrvExprOper::DelArgSlot(i, removeSlot, fillNull);
}

OrvResult OrvSymTabList::GetTic(std::istream& in, VString& error) {
  state_ = kStale;
  return OrvExprOper::GetTic(in, error);
}
