// CountedNameTable: a growable table of names with a count per name, kept in
// name order or in arrival order.
#ifndef LARK_FOUNDATION_COUNTEDNAMETABLE_H
#define LARK_FOUNDATION_COUNTEDNAMETABLE_H

#include "VString.h"

struct CountedName {
  VString name;
  int count;

  CountedName() : count(0) {}
  CountedName(const VString& n, int c) : name(n), count(c) {}
};

// The table owns its array and every entry's name.  Indices of a table that
// is filled in arrival order never change.
class CountedNameTable {
public:
  CountedName* entries;
  int count;
  int capacity;

  explicit CountedNameTable(int initialCapacity);
  ~CountedNameTable();
  CountedNameTable(const CountedNameTable&) = delete;
  CountedNameTable& operator=(const CountedNameTable&) = delete;

  // Inserts a copy of the entry at index (0..count) and returns the index;
  // the array doubles when full.
  int InsertAt(const CountedName& entry, int index);
  // Find-or-add: the index of the name's entry, its count raised by one;
  // -1 when the name is absent and `add` is 0.  `ordered` keeps the table
  // sorted by VString::Compare, otherwise new names go to the end.
  int Add(const VString& name, int ordered, int add);

  // The entry at index, or the empty entry (empty name, count 0) outside
  // 0..count-1.
  const CountedName& operator[](int index) const;

  // The process-wide empty entry that stands for "no entry".
  static const CountedName& EmptyEntry();
};

#endif
