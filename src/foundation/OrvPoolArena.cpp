// The chunks of the block pools' arenas, their registry and their rewind.
#include "OrvPoolArena.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>
#include <vector>

namespace {

struct ArenaChunks {
  std::vector<char*> chunks;         // every chunk taken, in order; kept for the process
  std::size_t current = 0;           // index of the chunk being carved, when any
  std::vector<void (*)()> emptiers;  // the pools' free-list emptiers
};

// Never destroyed: blocks may come back while the process ends.
template <int kArena>
ArenaChunks& Chunks() {
  static ArenaChunks* chunks = new ArenaChunks();
  return *chunks;
}

// The chunks of every arena by their first address, for OrvArenaHolds: an
// open-addressed set of chunk numbers (address / chunk size), a power of two
// long, at most half full.  Never destroyed, like the chunks.
struct ChunkSet {
  std::vector<std::uintptr_t> slots = std::vector<std::uintptr_t>(64, 0);
  std::size_t count = 0;
};

ChunkSet& TheChunkSet() {
  static ChunkSet* set = new ChunkSet();
  return *set;
}

std::size_t SlotOf(std::uintptr_t number, std::size_t mask) {
  return static_cast<std::size_t>((number * 0x9E3779B97F4A7C15ull) >> 20) & mask;
}

void AddChunkNumber(ChunkSet& set, std::uintptr_t number) {
  const std::size_t mask = set.slots.size() - 1;
  std::size_t i = SlotOf(number, mask);
  while (set.slots[i] != 0) i = (i + 1) & mask;
  set.slots[i] = number;
  ++set.count;
}

void RegisterChunk(const char* chunk) {
  ChunkSet& set = TheChunkSet();
  if (2 * (set.count + 1) > set.slots.size()) {
    std::vector<std::uintptr_t> old(2 * set.slots.size(), 0);
    old.swap(set.slots);
    set.count = 0;
    for (std::uintptr_t number : old)
      if (number != 0) AddChunkNumber(set, number);
  }
  AddChunkNumber(set, reinterpret_cast<std::uintptr_t>(chunk) / OrvArenaChunkBytes);
}

// A new chunk: OrvArenaChunkBytes long and aligned to its length, so that
// the chunk of any address in it is found by masking, and advised for
// transparent huge pages where the system offers them (one page-table entry
// for the whole chunk, one fault to make it present).
char* NewChunk() {
  const std::size_t bytes = OrvArenaChunkBytes;
  void* mapped = mmap(nullptr, 2 * bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  char* chunk = nullptr;
  if (mapped != MAP_FAILED) {
    const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + bytes - 1) & ~static_cast<std::uintptr_t>(bytes - 1);
    if (aligned > start) munmap(mapped, aligned - start);
    const std::uintptr_t end = start + 2 * bytes;
    if (end > aligned + bytes) munmap(reinterpret_cast<void*>(aligned + bytes), end - aligned - bytes);
    chunk = reinterpret_cast<char*>(aligned);
#ifdef MADV_HUGEPAGE
    madvise(chunk, bytes, MADV_HUGEPAGE);
#endif
  } else {
    chunk = static_cast<char*>(std::aligned_alloc(bytes, bytes));
    if (chunk == nullptr) throw std::bad_alloc();
  }
  RegisterChunk(chunk);
  return chunk;
}

}  // namespace

bool OrvArenaHolds(const void* address) {
  const ChunkSet& set = TheChunkSet();
  if (set.count == 0) return false;
  const std::uintptr_t number = reinterpret_cast<std::uintptr_t>(address) / OrvArenaChunkBytes;
  const std::size_t mask = set.slots.size() - 1;
  for (std::size_t i = SlotOf(number, mask);; i = (i + 1) & mask) {
    if (set.slots[i] == number) return true;
    if (set.slots[i] == 0) return false;
  }
}

template <int kArena>
void OrvPoolArena<kArena>::RegisterFreeList(void (*empty)()) {
  Chunks<kArena>().emptiers.push_back(empty);
}

template <int kArena>
void* OrvPoolArena<kArena>::CarveInNextChunk(std::size_t size, std::size_t align) {
  ArenaChunks& a = Chunks<kArena>();
  // The next chunk: one kept from before the last rewind, or a new one.
  std::size_t next = a.chunks.empty() || next_ == 0 ? 0 : a.current + 1;
  if (next >= a.chunks.size()) {
    a.chunks.push_back(NewChunk());
    next = a.chunks.size() - 1;
  }
  a.current = next;
  next_ = reinterpret_cast<std::uintptr_t>(a.chunks[next]);
  end_ = next_ + OrvArenaChunkBytes;
  return Carve(size, align);
}

template <int kArena>
void OrvPoolArena<kArena>::Rewind() {
  ArenaChunks& a = Chunks<kArena>();
  for (void (*empty)() : a.emptiers) empty();
  ++rewinds_;
  if (a.chunks.empty()) return;
  a.current = 0;
  next_ = reinterpret_cast<std::uintptr_t>(a.chunks[0]);
  end_ = next_ + OrvArenaChunkBytes;
}

template class OrvPoolArena<ORV_TREE_ARENA>;
template class OrvPoolArena<ORV_TOKEN_ARENA>;
template class OrvPoolArena<ORV_TEXT_ARENA>;
