// VStringList: a singly linked list of VString values, and the compares of
// characters and C strings that ignore ASCII case.
#ifndef LARK_FOUNDATION_VSTRINGLIST_H
#define LARK_FOUNDATION_VSTRINGLIST_H

#include <iosfwd>

#include "VString.h"

struct VStringListNode {
  VString value;
  VStringListNode* next;
};

// The list owns its nodes; `head` is null for an empty list.
class VStringList {
public:
  VStringListNode* head;

  VStringList();
  VStringList(const VStringList& o);
  ~VStringList();
  VStringList& operator=(const VStringList& o);

  void Clear();
  int Count() const;
  void Append(const VString& s);
  void Prepend(const VString& s);
  // Moves every node of `other` to the end (front) of this list, in order;
  // `other` becomes empty.  Splicing a list into itself is not allowed.
  void Splice(VStringList& other);
  void SpliceFront(VStringList& other);
  // Writes "CL{ ", the items joined by ", ", then " }CL".
  void PrintDebug(std::ostream& os) const;
};

// 0 when equal ignoring ASCII case, 1 when a is greater, else -1.
int OrvCharCaseCmp(char a, char b);
// Compares at most n characters ignoring ASCII case; the sign of the first
// difference (a string that ends first is the smaller).
int OrvStrNCaseCmp(const char* s1, const char* s2, int n);
int OrvStrCaseCmp(const char* s1, const char* s2);

#endif
