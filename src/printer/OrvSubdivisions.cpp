// Subdivision widths in one pool with a hash index by node.
#include "OrvSubdivisions.h"

#include <cstddef>
#include <vector>

namespace {

struct Slot {
  const OrvExpr* node;
  std::uint32_t generation;  // the slot is in use in this generation only
  std::uint32_t offset;      // first width in the pool
  std::uint32_t count;
};

struct Store {
  std::vector<std::int16_t> pool;   // finished widths of every node
  std::vector<std::int16_t> stack;  // widths of the nodes being measured
  std::vector<Slot> index;          // power-of-two size, linear probing
  std::size_t used = 0;
  std::uint32_t generation = 1;
};

Store& TheStore() {
  static Store* store = new Store();
  return *store;
}

std::size_t Hash(const OrvExpr* node, std::size_t mask) {
  auto key = reinterpret_cast<std::uintptr_t>(node);
  key ^= key >> 17;
  key *= 0x9E3779B97F4A7C15ull;
  return static_cast<std::size_t>(key >> 20) & mask;
}

// The slot of the node (a free one when it has none).
Slot& Find(Store& s, const OrvExpr* node) {
  const std::size_t mask = s.index.size() - 1;
  for (std::size_t i = Hash(node, mask);; i = (i + 1) & mask) {
    Slot& slot = s.index[i];
    if (slot.generation != s.generation || slot.node == node) return slot;
  }
}

void Grow(Store& s) {
  std::vector<Slot> old;
  old.swap(s.index);
  s.index.assign(old.empty() ? 1024 : old.size() * 2, Slot{nullptr, 0, 0, 0});
  for (const Slot& slot : old)
    if (slot.generation == s.generation) Find(s, slot.node) = slot;
}

}  // namespace

void OrvSdReset() {
  Store& s = TheStore();
  s.pool.clear();
  s.stack.clear();
  s.used = 0;
  // A new generation empties every slot without touching the index.
  if (++s.generation == 0) {
    s.index.assign(s.index.size(), Slot{nullptr, 0, 0, 0});
    s.generation = 1;
  }
}

int OrvSdMark() { return static_cast<int>(TheStore().stack.size()); }

void OrvSdPush(int width) {
  if (width < 0) width = 0;
  if (width > ORV_SD_WIDTH_LIMIT) width = ORV_SD_WIDTH_LIMIT;
  TheStore().stack.push_back(static_cast<std::int16_t>(width));
}

void OrvSdStore(const OrvExpr* node, int mark) {
  Store& s = TheStore();
  if ((s.used + 1) * 2 > s.index.size()) Grow(s);
  Slot& slot = Find(s, node);
  if (slot.generation != s.generation || slot.node != node) ++s.used;
  const std::size_t begin = static_cast<std::size_t>(mark);
  slot.node = node;
  slot.generation = s.generation;
  slot.offset = static_cast<std::uint32_t>(s.pool.size());
  slot.count = static_cast<std::uint32_t>(s.stack.size() - begin);
  s.pool.insert(s.pool.end(), s.stack.begin() + static_cast<std::ptrdiff_t>(begin), s.stack.end());
  s.stack.resize(begin);
}

const std::int16_t* OrvSdOf(const OrvExpr* node, int& count) {
  Store& s = TheStore();
  count = 0;
  if (s.index.empty()) return nullptr;
  const Slot& slot = Find(s, node);
  if (slot.generation != s.generation || slot.node != node || slot.count == 0) return nullptr;
  count = static_cast<int>(slot.count);
  return s.pool.data() + slot.offset;
}
