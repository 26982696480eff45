// OrvPoolArena: the memory that every block pool (OrvBlockPool, and through
// it OrvSizedPool) carves its fresh blocks from.  All pools carve from the
// same chunks, one block after the other, so that the objects a parse makes
// together (a token and its list node, a node and its slots) stand together
// in memory, and walks over a tree read memory in long runs.
//
// The arena counts the blocks that are out.  When the last one comes back
// (a source's tree and tokens are all deleted), it rewinds: every pool's
// free list is emptied and carving starts again at the first chunk, so the
// next source is laid out afresh instead of in the order the last one was
// freed.  The chunks are kept for the process.  One thread only, like the
// rest of the toolkit.
#ifndef LARK_FOUNDATION_ORVPOOLARENA_H
#define LARK_FOUNDATION_ORVPOOLARENA_H

#include <cstddef>
#include <cstdint>

class OrvPoolArena {
 public:
  // `size` fresh bytes aligned to `align` (a power of two, at most 16).
  static void* Carve(std::size_t size, std::size_t align) {
    std::uintptr_t at = (next_ + (align - 1)) & ~static_cast<std::uintptr_t>(align - 1);
    if (at + size > end_) return CarveInNextChunk(size, align);
    next_ = at + size;
    return reinterpret_cast<void*>(at);
  }

  // A block went out, or came back; the last one back rewinds the arena.
  static void Taken() { ++out_; }
  static void Given() {
    if (--out_ == 0) Rewind();
  }

  // A pool's call that empties its free list, made at every rewind.  Each
  // pool registers once, before it carves its first block.
  static void RegisterFreeList(void (*empty)());

  // Blocks out now, and the rewinds so far (benchmarks and tests read them).
  static long BlocksOut() { return out_; }
  static long Rewinds() { return rewinds_; }

 private:
  static void* CarveInNextChunk(std::size_t size, std::size_t align);
  static void Rewind();

  static inline std::uintptr_t next_ = 0;  // first free byte of the current chunk
  static inline std::uintptr_t end_ = 0;   // end of the current chunk
  static inline long out_ = 0;
  static inline long rewinds_ = 0;
};

#endif
