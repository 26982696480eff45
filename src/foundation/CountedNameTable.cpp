// CountedNameTable: find-or-add of counted names, in name or arrival order.
#include "CountedNameTable.h"

CountedNameTable::CountedNameTable(int initialCapacity)
    : entries(nullptr), count(0), capacity(initialCapacity > 0 ? initialCapacity : 0) {
  if (capacity > 0) entries = new CountedName[static_cast<size_t>(capacity)];
}

CountedNameTable::~CountedNameTable() { delete[] entries; }

int CountedNameTable::InsertAt(const CountedName& entry, int index) {
  if (index < 0 || index > count) return -1;
  CountedName copy(entry);  // the entry may live in this table's array
  if (count == capacity) {
    // Twice the room; a table made empty starts with room for a few names.
    int grown = capacity > 0 ? capacity * 2 : 8;
    CountedName* bigger = new CountedName[static_cast<size_t>(grown)];
    for (int i = 0; i < count; ++i) {
      bigger[i].name.TakeOver(entries[i].name);
      bigger[i].count = entries[i].count;
    }
    delete[] entries;
    entries = bigger;
    capacity = grown;
  }
  for (int i = count; i > index; --i) {
    entries[i].name.TakeOver(entries[i - 1].name);
    entries[i].count = entries[i - 1].count;
  }
  entries[index].name.TakeOver(copy.name);
  entries[index].count = copy.count;
  ++count;
  return index;
}

namespace {

bool SameName(const VString& a, const VString& b) { return a.length == b.length && a.Compare(b) == 0; }

}  // namespace

int CountedNameTable::Add(const VString& name, int ordered, int add) {
  int at = count;
  if (ordered) {
    // The first entry not below the name, by halving: a table of thousands
    // of names (programs of one file, CALL targets) compares a few names
    // per look-up, not all of them.
    int i = 0;
    int end = count;
    while (i < end) {
      const int mid = i + (end - i) / 2;
      if (entries[mid].name.Compare(name) < 0) {
        i = mid + 1;
      } else {
        end = mid;
      }
    }
    if (i < count && SameName(entries[i].name, name)) {
      ++entries[i].count;
      return i;
    }
    at = i;
  } else {
    for (int i = 0; i < count; ++i)
      if (SameName(entries[i].name, name)) {
        ++entries[i].count;
        return i;
      }
  }
  if (!add) return -1;
  return InsertAt(CountedName(name, 1), at);
}

const CountedName& CountedNameTable::operator[](int index) const {
  if (index < 0 || index >= count) return EmptyEntry();
  return entries[index];
}

const CountedName& CountedNameTable::EmptyEntry() {
  static const CountedName empty;
  return empty;
}
