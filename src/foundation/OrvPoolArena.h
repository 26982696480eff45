// OrvPoolArena: the memory that the block pools (OrvBlockPool, and through
// it OrvSizedPool) carve their fresh blocks from.  There are two arenas for
// them: the tree's (nodes, their slot arrays and slots, link elements) and
// the tokens' (tokens, token lists and their nodes, token groups).  A third
// one holds the short texts of values (VStringText.h), which outlive any
// one source: nothing counts its blocks, so it never rewinds.  All pools of
// one arena carve from the same chunks, one block after the other, so that
// what a parse makes together (a node and its slots) stands together, and a
// walk over the tree reads the tree's memory in long runs without the
// tokens in between.
//
// An arena counts its blocks that are out.  When the last one comes back (a
// source's tree, or its tokens, all deleted), it rewinds: the free list of
// each of its pools is emptied and carving starts again at its first chunk,
// so the next source is laid out afresh instead of in the order the last
// one was freed.  A tree torn down whole may give its blocks back by the
// count instead of one by one (BeginDrop .. EndDrop).  The chunks are kept
// for the process and serve source after source.  One thread only, like the
// rest of the toolkit.
//
// A chunk is OrvArenaChunkBytes (2 MB) long and aligned to its length, and
// advised for transparent huge pages where the system offers them: a parse
// then pays one page fault per chunk instead of one per 4 KB page.  Every
// chunk is registered, so that OrvArenaHolds tells whether an object lives
// in an arena (and goes when its arena rewinds) or elsewhere.
#ifndef LARK_FOUNDATION_ORVPOOLARENA_H
#define LARK_FOUNDATION_ORVPOOLARENA_H

#include <cstddef>
#include <cstdint>

// Bytes per chunk: many blocks, few chunks, one huge page.
const std::size_t OrvArenaChunkBytes = std::size_t(2) << 20;

// Whether the address lies in a chunk of any arena.
bool OrvArenaHolds(const void* address);

// The arenas.
enum OrvArenaId {
  ORV_TREE_ARENA = 0,   // syntax-tree nodes, slot arrays, slots, link elements
  ORV_TOKEN_ARENA = 1,  // tokens, token lists, list nodes, token groups
  ORV_TEXT_ARENA = 2    // the short text arrays of values (VStringText.h); never rewound
};

template <int kArena>
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

  // Dropping: while a whole tree that holds every block out of this arena
  // is torn down, the blocks it gives back are only counted, not put on the
  // free lists; EndDrop takes them off the blocks out, and when none is left
  // the arena rewinds as it does at the last block back.  Blocks given back
  // by anything else meanwhile are dropped as well: they too are free until
  // the next rewind, only not reused before it.
  static void BeginDrop() {
    ++drops_;
    dropping_ = true;
    dropped_ = 0;
  }
  static bool Dropping() { return dropping_; }
  static void Drop(long blocks) { dropped_ += blocks; }
  static void EndDrop() {
    dropping_ = false;
    out_ -= dropped_;
    dropped_ = 0;
    if (out_ == 0) Rewind();
  }

  // A pool's call that empties its free list, made at every rewind.  Each
  // pool registers once, before it carves its first block.
  static void RegisterFreeList(void (*empty)());

  // Blocks out now, the rewinds and the drops so far (benchmarks and tests
  // read them).
  static long BlocksOut() { return out_; }
  static long Rewinds() { return rewinds_; }
  static long Drops() { return drops_; }

 private:
  static void* CarveInNextChunk(std::size_t size, std::size_t align);
  static void Rewind();

  static inline std::uintptr_t next_ = 0;  // first free byte of the current chunk
  static inline std::uintptr_t end_ = 0;   // end of the current chunk
  static inline long out_ = 0;
  static inline long rewinds_ = 0;
  static inline bool dropping_ = false;
  static inline long dropped_ = 0;
  static inline long drops_ = 0;
};

extern template class OrvPoolArena<ORV_TREE_ARENA>;
extern template class OrvPoolArena<ORV_TOKEN_ARENA>;
extern template class OrvPoolArena<ORV_TEXT_ARENA>;

#endif
