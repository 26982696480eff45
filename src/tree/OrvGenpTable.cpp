// The table of the printer's generated positions by node.
#include "OrvGenpTable.h"

#include <vector>

namespace {

struct Entry {
  const OrvExpr* node;  // null: a free entry
  std::uint32_t beg;
  std::uint32_t end;
};

const std::size_t kFirstCapacity = 64;

struct Table {
  std::vector<Entry> entries;
  std::size_t count = 0;

  std::size_t Mask() const { return entries.size() - 1; }
  // The home entry of a node: nodes are aligned to 8, so the low bits say
  // nothing and the address is mixed before it is masked.
  std::size_t Home(const OrvExpr* node) const {
    const std::uint64_t a = reinterpret_cast<std::uintptr_t>(node) >> 3;
    return static_cast<std::size_t>((a * 0x9e3779b97f4a7c15ull) >> 32) & Mask();
  }
  // The entry of the node, or of the free entry where it would go.
  std::size_t Slot(const OrvExpr* node) const {
    std::size_t i = Home(node);
    while (entries[i].node != nullptr && entries[i].node != node) i = (i + 1) & Mask();
    return i;
  }
  void Grow() {
    std::vector<Entry> old(entries.empty() ? kFirstCapacity : 2 * entries.size(), Entry{nullptr, 0, 0});
    old.swap(entries);
    for (const Entry& e : old)
      if (e.node != nullptr) entries[Slot(e.node)] = e;
  }
};

// Never destroyed: nodes may be deleted while the process ends.
Table& TheTable() {
  static Table* table = new Table();
  return *table;
}

}  // namespace

bool OrvGenpTable::Find(const OrvExpr* node, std::uint32_t* beg, std::uint32_t* end) {
  const Table& t = TheTable();
  if (t.count == 0) return false;
  const Entry& e = t.entries[t.Slot(node)];
  if (e.node == nullptr) return false;
  *beg = e.beg;
  *end = e.end;
  return true;
}

void OrvGenpTable::Put(const OrvExpr* node, std::uint32_t beg, std::uint32_t end) {
  Table& t = TheTable();
  if (2 * (t.count + 1) > t.entries.size()) t.Grow();
  Entry& e = t.entries[t.Slot(node)];
  if (e.node == nullptr) ++t.count;
  e = Entry{node, beg, end};
}

void OrvGenpTable::Erase(const OrvExpr* node) {
  Table& t = TheTable();
  if (t.count == 0) return;
  std::size_t hole = t.Slot(node);
  if (t.entries[hole].node == nullptr) return;
  --t.count;
  // The entries after the hole that would no longer be found past it move
  // back into it (deletion from linear probing without marks).
  const std::size_t mask = t.Mask();
  for (std::size_t i = (hole + 1) & mask; t.entries[i].node != nullptr; i = (i + 1) & mask) {
    const std::size_t home = t.Home(t.entries[i].node);
    // The entry stays when its home lies cyclically in (hole, i].
    const bool stays = hole <= i ? (hole < home && home <= i) : (hole < home || home <= i);
    if (stays) continue;
    t.entries[hole] = t.entries[i];
    hole = i;
  }
  t.entries[hole] = Entry{nullptr, 0, 0};
}

void OrvGenpTable::Clear() {
  Table& t = TheTable();
  if (t.entries.empty()) return;
  // The room of a large printed tree is not kept for the next one.
  std::vector<Entry>().swap(t.entries);
  t.count = 0;
}

std::size_t OrvGenpTable::Count() { return TheTable().count; }
