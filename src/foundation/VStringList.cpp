// VStringList and the compares that ignore ASCII case.
#include "VStringList.h"

#include <ostream>

VStringList::VStringList() : head(nullptr) {}

VStringList::VStringList(const VStringList& o) : head(nullptr) {
  for (const VStringListNode* n = o.head; n != nullptr; n = n->next) Append(n->value);
}

VStringList::~VStringList() { Clear(); }

VStringList& VStringList::operator=(const VStringList& o) {
  if (this == &o) return *this;
  Clear();
  for (const VStringListNode* n = o.head; n != nullptr; n = n->next) Append(n->value);
  return *this;
}

void VStringList::Clear() {
  while (head != nullptr) {
    VStringListNode* next = head->next;
    delete head;
    head = next;
  }
}

int VStringList::Count() const {
  int n = 0;
  for (const VStringListNode* p = head; p != nullptr; p = p->next) ++n;
  return n;
}

void VStringList::Append(const VString& s) {
  VStringListNode* node = new VStringListNode{s, nullptr};
  VStringListNode** link = &head;
  while (*link != nullptr) link = &(*link)->next;
  *link = node;
}

void VStringList::Prepend(const VString& s) { head = new VStringListNode{s, head}; }

void VStringList::Splice(VStringList& other) {
  if (&other == this || other.head == nullptr) return;
  VStringListNode** link = &head;
  while (*link != nullptr) link = &(*link)->next;
  *link = other.head;
  other.head = nullptr;
}

void VStringList::SpliceFront(VStringList& other) {
  if (&other == this || other.head == nullptr) return;
  VStringListNode* last = other.head;
  while (last->next != nullptr) last = last->next;
  last->next = head;
  head = other.head;
  other.head = nullptr;
}

void VStringList::PrintDebug(std::ostream& os) const {
  os << "CL{ ";
  for (const VStringListNode* p = head; p != nullptr; p = p->next) {
    if (p != head) os << ", ";
    os << p->value;
  }
  os << " }CL";
}

int OrvCharCaseCmp(char a, char b) {
  unsigned char la = static_cast<unsigned char>(OrvToLower(a));
  unsigned char lb = static_cast<unsigned char>(OrvToLower(b));
  if (la == lb) return 0;
  return la > lb ? 1 : -1;
}

int OrvStrNCaseCmp(const char* s1, const char* s2, int n) {
  if (s1 == nullptr) s1 = "";
  if (s2 == nullptr) s2 = "";
  for (int i = 0; i < n; ++i) {
    int d = OrvCharCaseCmp(s1[i], s2[i]);
    if (d != 0) return d;
    if (s1[i] == '\0') return 0;
  }
  return 0;
}

int OrvStrCaseCmp(const char* s1, const char* s2) {
  if (s1 == nullptr) s1 = "";
  if (s2 == nullptr) s2 = "";
  for (int i = 0;; ++i) {
    int d = OrvCharCaseCmp(s1[i], s2[i]);
    if (d != 0) return d;
    if (s1[i] == '\0') return 0;
  }
}
