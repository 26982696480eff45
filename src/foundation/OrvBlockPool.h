// OrvBlockPool: a free list of equal-sized memory blocks for the small
// objects that a parse makes and frees by the million (tokens, token groups,
// token-list nodes, argument slots, and through OrvSizedPool the nodes).  A
// freed block is kept for the next allocation of the same size instead of
// going back to the heap, and fresh blocks are carved from the arena that
// the pool shares with others (OrvPoolArena), so that making a token costs a few
// instructions and what is made together stands together.  One thread
// only, like the rest of the toolkit.  The memory is kept for the process.
// Under AddressSanitizer the blocks come straight from the heap, so that a
// use after free is still caught.
#ifndef LARK_FOUNDATION_ORVBLOCKPOOL_H
#define LARK_FOUNDATION_ORVBLOCKPOOL_H

#include <cstddef>
#include <new>

#include "OrvPoolArena.h"

#if defined(__SANITIZE_ADDRESS__)
#define ORV_BLOCK_POOL_BYPASS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORV_BLOCK_POOL_BYPASS 1
#endif
#endif

// The pools of the tokens name ORV_TOKEN_ARENA; all others carve from the
// tree's arena.  A pool for one type may name that type's alignment
// (kAlignAs), so that its blocks need no more.
template <std::size_t kSize, int kArena = ORV_TREE_ARENA, std::size_t kAlignAs = 0>
class OrvBlockPool {
 public:
  // A block of kSize bytes aligned to kAlignAs when given, else aligned for
  // any object of that size: to the largest power of two that divides
  // kSize, at most that of max_align_t (the alignment of an object divides
  // its size), so that blocks of 40 bytes stand 40 bytes apart.
  static void* Get() {
#ifdef ORV_BLOCK_POOL_BYPASS
    return ::operator new(kSize);
#else
    OrvPoolArena<kArena>::Taken();
    if (free_ == nullptr) return Carve();
    Block* block = free_;
    free_ = block->next;
    return block;
#endif
  }

  // Gives back a block that Get returned (while the arena drops, the block
  // is only counted: see OrvPoolArena::BeginDrop).
  static void Put(void* memory) {
    if (memory == nullptr) return;
#ifdef ORV_BLOCK_POOL_BYPASS
    ::operator delete(memory);
#else
    if (OrvPoolArena<kArena>::Dropping()) {
      OrvPoolArena<kArena>::Drop(1);
      return;
    }
    Block* block = static_cast<Block*>(memory);
    block->next = free_;
    free_ = block;
    OrvPoolArena<kArena>::Given();
#endif
  }

 private:
  static constexpr std::size_t kLargestAlign =
      (kSize & (~kSize + 1)) < alignof(std::max_align_t) ? (kSize & (~kSize + 1)) : alignof(std::max_align_t);
  static constexpr std::size_t kAlign = kAlignAs != 0 ? kAlignAs : kLargestAlign;
  static_assert(kAlign <= kLargestAlign && (kAlign & (kAlign - 1)) == 0,
                "an alignment that divides the size, a power of two");
  static_assert(kSize >= sizeof(void*) && kSize % sizeof(void*) == 0,
                "a block holds the free-list link at its start");
  union Block {
    Block* next;
    alignas(kAlign) unsigned char bytes[kSize];
  };
  static_assert(sizeof(Block) == kSize, "blocks stand kSize bytes apart");

  // A fresh block from the arena; the pool's free list is registered with
  // the arena before the first.
  static void* Carve() {
    if (!registered_) {
      OrvPoolArena<kArena>::RegisterFreeList(&EmptyFreeList);
      registered_ = true;
    }
    return OrvPoolArena<kArena>::Carve(kSize, kAlign);
  }
  static void EmptyFreeList() { free_ = nullptr; }

  static inline Block* free_ = nullptr;
  static inline bool registered_ = false;
};

#endif
