// OrvSymTabList: the sorted symbol table with its hashed index of names.
#include "OrvSymTabList.h"

#include <algorithm>
#include <cstring>

long OrvSymTabList::builds_ = 0;

namespace {

const char* Text(const VString& s) { return s.text != nullptr ? s.text : ""; }

// A hash of the name up to its NUL (names compare as C strings in the
// sorted table, so they are hashed as such), eight bytes at a step: each
// step multiplies in a word of the name, the last step the word that ends
// it (overlapping the one before when the length is no multiple of 8), and
// a final mix spreads every byte over the low bits (the slot) and the high
// 16 bits (the entry's tag).
uint32_t HashOf(const char* s) {
  std::size_t n = std::strlen(s);
  uint64_t h = 0x9e3779b97f4a7c15ull ^ n;
  if (n >= 8) {
    const char* last = s + n - 8;
    for (; s < last; s += 8) {
      uint64_t w;
      std::memcpy(&w, s, 8);
      h = (h ^ w) * 0xff51afd7ed558ccdull;
      h ^= h >> 32;
    }
    uint64_t w;
    std::memcpy(&w, last, 8);
    h ^= w;
  } else {
    uint64_t w = 0;
    for (std::size_t k = 0; k < n; ++k) w |= uint64_t(static_cast<unsigned char>(s[k])) << (8 * k);
    h ^= w;
  }
  h *= 0xc4ceb9fe1a85ec53ull;
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdull;
  h ^= h >> 29;
  return static_cast<uint32_t>(h ^ (h >> 32));
}

const size_t kFirstCapacity = 16;

// The parts of an index entry.
const int kTagShift = 48;
const uint64_t kEltMask = (uint64_t(1) << kTagShift) - 1;
uint64_t TagOf(uint32_t hash) { return uint64_t(hash >> 16) << kTagShift; }
OrvSymTabElt* EltOf(uint64_t entry) { return reinterpret_cast<OrvSymTabElt*>(entry & kEltMask); }
bool SameTag(uint64_t entry, uint32_t hash) { return (entry & ~kEltMask) == TagOf(hash); }

// The name a child is sorted by (the empty text for a missing child), as
// the table's search reads it.
const VString& NameOf(const OrvExpr* child) {
  if (child == nullptr) return OrvEmptyVString;
  if (child->Oper() == SYMBOL_TABLE_ELT) return static_cast<const OrvSymTabElt*>(child)->Name();
  if (!child->HasImage()) return OrvEmptyVString;
  return *child->Image();
}

// The tables that exist, whose indexes a whole tree given back at once
// releases.  Never destroyed: tables may go at exit.
std::vector<OrvSymTabList*>& LiveTables() {
  static auto* tables = new std::vector<OrvSymTabList*>();
  return *tables;
}

void Register(OrvSymTabList* table) {
  static bool hooked = false;
  if (!hooked) {
    OrvExprOper::OnWholeTreeDrop([] {
      for (OrvSymTabList* t : LiveTables()) OrvSymTabList::Changed(t);
      LiveTables().clear();
    });
    hooked = true;
  }
  LiveTables().push_back(table);
}

void Unregister(OrvSymTabList* table) {
  std::vector<OrvSymTabList*>& tables = LiveTables();
  auto found = std::find(tables.begin(), tables.end(), table);
  if (found != tables.end()) tables.erase(found);
}

}  // namespace

OrvSymTabList::OrvSymTabList()
    : OrvExprOper(SYMBOL_TABLE_ELT_LIST), state_(kStale), ordered_(false), count_(0), sorted_(0) {
  Register(this);
}

OrvSymTabList::OrvSymTabList(const OrvSymTabList& other)
    : OrvExprOper(other), state_(kStale), ordered_(false), count_(0), sorted_(NArgs()) {
  Register(this);
}

OrvSymTabList::~OrvSymTabList() { Unregister(this); }

OrvExpr* OrvSymTabList::Clone() const { return new OrvSymTabList(*this); }

void OrvSymTabList::Changed(OrvExpr* table) {
  if (OrvSymTabList* list = Of(table)) {
    list->state_ = kStale;
    // The index's room goes too: the table may be one of a tree given back
    // at once, whose index lives outside the arenas.
    if (list->entries_.capacity() > 0) std::vector<Entry>().swap(list->entries_);
    list->count_ = 0;
  }
}

bool OrvSymTabList::Lookup(const VString& name, OrvSymTabElt*& elt) {
  if (state_ == kStale) Build();
  if (state_ != kReady) return false;
  elt = nullptr;
  const char* wanted = Text(name);
  const uint32_t hash = HashOf(wanted);
  const size_t mask = entries_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const Entry e = entries_[i];
    if (e == 0) return true;
    if (SameTag(e, hash) && std::strcmp(Text(EltOf(e)->Name()), wanted) == 0) {
      elt = EltOf(e);
      return true;
    }
  }
}

void OrvSymTabList::Build() {
  ++builds_;
  count_ = 0;
  entries_.assign(kFirstCapacity, Entry{0});
  state_ = kReady;
  ordered_ = true;
  for (int i = 0; i < NArgs() && state_ == kReady; ++i) {
    OrvExpr* child = ChildAt(i);
    if (child == nullptr || child->Oper() != SYMBOL_TABLE_ELT) {
      state_ = kUnusable;
      break;
    }
    if (i > 0 && NameOf(ChildAt(i - 1)).Compare(NameOf(child)) >= 0) ordered_ = false;
    Add(static_cast<OrvSymTabElt*>(child));
  }
  if (state_ != kReady) {
    entries_.clear();
    count_ = 0;
  }
}

void OrvSymTabList::Add(OrvSymTabElt* elt) {
  if (2 * (static_cast<size_t>(count_) + 1) > entries_.size()) Grow();
  // An element that an entry cannot hold leaves the look-ups to the
  // sorted search.
  if ((reinterpret_cast<uint64_t>(elt) & ~kEltMask) != 0) {
    state_ = kUnusable;
    entries_.clear();
    count_ = 0;
    return;
  }
  const char* name = Text(elt->Name());
  const uint32_t hash = HashOf(name);
  const size_t mask = entries_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    Entry& e = entries_[i];
    if (e == 0) {
      e = TagOf(hash) | reinterpret_cast<uint64_t>(elt);
      ++count_;
      return;
    }
    if (SameTag(e, hash) && std::strcmp(Text(EltOf(e)->Name()), name) == 0) {
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
  entries_.assign(old.empty() ? kFirstCapacity : 2 * old.size(), Entry{0});
  const size_t mask = entries_.size() - 1;
  for (const Entry e : old) {
    if (e == 0) continue;
    // The entry keeps part of the hash only: the name is hashed again.
    size_t i = HashOf(Text(EltOf(e)->Name())) & mask;
    while (entries_[i] != 0) i = (i + 1) & mask;
    entries_[i] = e;
  }
}

bool OrvSymTabList::InOrderBefore(int i) const {
  return i == 0 || NameOf(ChildOfWord(StoredWords()[i - 1])).Compare(NameOf(ChildOfWord(StoredWords()[i]))) < 0;
}

bool OrvSymTabList::InsertInOrder(OrvSymTabElt* elt) {
  if (state_ == kStale) Build();
  if (state_ != kReady || !ordered_ || elt == nullptr) return false;
  const int n = NArgs();
  OrvExprOper::InsArg(elt, n);
  if (NArgs() != n + 1 || elt->Parent() != this) {
    // The insertion was refused (and reported): the index is made again.
    state_ = kStale;
    return true;
  }
  Add(elt);
  if (state_ != kReady) return true;
  // Appended after children all in order and after the last of them, it
  // stands in order; otherwise the children are sorted before they are
  // read.
  if (sorted_ == n && InOrderBefore(n))
    sorted_ = n + 1;
  else
    SetUpFlag(kUpUnsettled, true);
  return true;
}

namespace {

// The first eight bytes of a name (zeros after its NUL) as a number that
// orders as the texts do under strcmp: names whose numbers differ compare
// by them alone.
uint64_t PrefixOf(const char* name) {
  uint64_t prefix = 0;
  int k = 0;
  for (; k < 8 && name[k] != '\0'; ++k) prefix = (prefix << 8) | static_cast<unsigned char>(name[k]);
  return k == 0 ? 0 : prefix << (8 * (8 - k));
}

// A child's slot word with its name and the name's prefix, for the sort.
struct Keyed {
  uint64_t prefix;
  const char* name;
  std::uintptr_t word;
};

}  // namespace

void OrvSymTabList::Settle() {
  SetUpFlag(kUpUnsettled, false);
  const int n = NArgs();
  if (sorted_ < n) {
    // The children are sorted by name as before (the same comparisons give
    // the same order), each name read once and most comparisons made on
    // the prefixes.
    std::uintptr_t* words = StoredWords();
    std::vector<Keyed> keyed(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
      const char* name = Text(NameOf(ChildOfWord(words[i])));
      keyed[i] = Keyed{PrefixOf(name), name, words[i]};
    }
    auto less = [](const Keyed& a, const Keyed& b) {
      return a.prefix != b.prefix ? a.prefix < b.prefix : std::strcmp(a.name, b.name) < 0;
    };
    std::sort(keyed.begin() + sorted_, keyed.end(), less);
    std::inplace_merge(keyed.begin(), keyed.begin() + sorted_, keyed.end(), less);
    for (int i = 0; i < n; ++i) words[i] = keyed[i].word;
  }
  sorted_ = n;
}

OrvExpr* OrvSymTabList::Args(int i) const {
  if (UpFlag(kUpUnsettled)) const_cast<OrvSymTabList*>(this)->Settle();
  return OrvExprOper::Args(i);
}

int OrvSymTabList::FindArg(const OrvExpr* child) const {
  if (UpFlag(kUpUnsettled)) const_cast<OrvSymTabList*>(this)->Settle();
  return OrvExprOper::FindArg(child);
}

void OrvSymTabList::InsArg(OrvExpr* child, int position) {
  if (UpFlag(kUpUnsettled)) Settle();
  const int before = NArgs();
  OrvExprOper::InsArg(child, position);
  sorted_ = NArgs();
  if (state_ != kReady) return;
  if (NArgs() != before + 1 || child == nullptr || child->Parent() != this ||
      child->Oper() != SYMBOL_TABLE_ELT || position < 0 || position > before) {
    state_ = kStale;
    return;
  }
  Add(static_cast<OrvSymTabElt*>(child));
  if (ordered_ && !(InOrderBefore(position) && (position == before || InOrderBefore(position + 1))))
    ordered_ = false;
}

void OrvSymTabList::SetOper(OrvOper op, int reset, int allowShrink) {
  if (UpFlag(kUpUnsettled)) Settle();
  state_ = kStale;
  OrvExprOper::SetOper(op, reset, allowShrink);
  sorted_ = NArgs();
}

OrvArgSlot* OrvSymTabList::ArgSlots(int i) const {
  if (UpFlag(kUpUnsettled)) const_cast<OrvSymTabList*>(this)->Settle();
  // The slot may be changed through the pointer.
  state_ = kStale;
  return OrvExprOper::ArgSlots(i);
}

void OrvSymTabList::SetArg(int i, OrvExpr* child, int order, int state) {
  if (UpFlag(kUpUnsettled)) Settle();
  state_ = kStale;
  OrvExprOper::SetArg(i, child, order, state);
}

void OrvSymTabList::SetArgNoDel(int i, OrvExpr* child) {
  if (UpFlag(kUpUnsettled)) Settle();
  state_ = kStale;
  OrvExprOper::SetArgNoDel(i, child);
}

void OrvSymTabList::SetArg(int i, OrvArgSlot* slot) {
  if (UpFlag(kUpUnsettled)) Settle();
  state_ = kStale;
  OrvExprOper::SetArg(i, slot);
}

void OrvSymTabList::SetArgToList(int i, OrvOper listOp, OrvExpr* child) {
  if (UpFlag(kUpUnsettled)) Settle();
  state_ = kStale;
  OrvExprOper::SetArgToList(i, listOp, child);
}

OrvExpr* OrvSymTabList::DelArg(int i, int removeSlot, int fillNull) {
  if (UpFlag(kUpUnsettled)) Settle();
  state_ = kStale;
  OrvExpr* child = OrvExprOper::DelArg(i, removeSlot, fillNull);
  sorted_ = NArgs();
  return child;
}

OrvArgSlot* OrvSymTabList::DelArgSlot(int i, int removeSlot, int fillNull) {
  if (UpFlag(kUpUnsettled)) Settle();
  state_ = kStale;
  OrvArgSlot* slot = OrvExprOper::DelArgSlot(i, removeSlot, fillNull);
  sorted_ = NArgs();
  return slot;
}

OrvResult OrvSymTabList::GetTic(std::istream& in, VString& error) {
  if (UpFlag(kUpUnsettled)) Settle();
  state_ = kStale;
  OrvResult r = OrvExprOper::GetTic(in, error);
  sorted_ = NArgs();
  return r;
}
