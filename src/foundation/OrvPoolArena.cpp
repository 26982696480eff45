// The chunks of the block pools' arenas and their rewind.
#include "OrvPoolArena.h"

#include <new>
#include <vector>

namespace {

// Bytes per chunk: many blocks, few chunks.
const std::size_t kChunkBytes = std::size_t(1) << 20;

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

}  // namespace

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
    a.chunks.push_back(static_cast<char*>(::operator new(kChunkBytes)));
    next = a.chunks.size() - 1;
  }
  a.current = next;
  next_ = reinterpret_cast<std::uintptr_t>(a.chunks[next]);
  end_ = next_ + kChunkBytes;
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
  end_ = next_ + kChunkBytes;
}

template class OrvPoolArena<ORV_TREE_ARENA>;
template class OrvPoolArena<ORV_TOKEN_ARENA>;
template class OrvPoolArena<ORV_TEXT_ARENA>;
