// OrvBlockPool: a free list of equal-sized memory blocks for the small
// objects that a parse makes and frees by the million (tokens, token groups,
// token-list nodes).  A freed block is kept for the next allocation of the
// same size instead of going back to the heap, and new blocks are taken from
// the heap in chunks, so that making a token costs a few instructions.  One
// thread only, like the rest of the toolkit.  The memory is kept for the
// process (every chunk stays reachable from the pool).  Under
// AddressSanitizer the blocks come straight from the heap, so that a use
// after free is still caught.
#ifndef LARK_FOUNDATION_ORVBLOCKPOOL_H
#define LARK_FOUNDATION_ORVBLOCKPOOL_H

#include <cstddef>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define ORV_BLOCK_POOL_BYPASS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORV_BLOCK_POOL_BYPASS 1
#endif
#endif

template <std::size_t kSize>
class OrvBlockPool {
 public:
  // A block of kSize bytes, aligned for any object of that size: to the
  // largest power of two that divides kSize, at most that of max_align_t
  // (the alignment of an object divides its size), so that blocks of 40
  // bytes stand 40 bytes apart.
  static void* Get() {
#ifdef ORV_BLOCK_POOL_BYPASS
    return ::operator new(kSize);
#else
    if (free_ == nullptr) Refill();
    Block* block = free_;
    free_ = block->next;
    return block;
#endif
  }

  // Gives back a block that Get returned.
  static void Put(void* memory) {
    if (memory == nullptr) return;
#ifdef ORV_BLOCK_POOL_BYPASS
    ::operator delete(memory);
#else
    Block* block = static_cast<Block*>(memory);
    block->next = free_;
    free_ = block;
#endif
  }

 private:
  static constexpr std::size_t kAlign =
      (kSize & (~kSize + 1)) < alignof(std::max_align_t) ? (kSize & (~kSize + 1)) : alignof(std::max_align_t);
  static_assert(kSize >= sizeof(void*) && kSize % sizeof(void*) == 0,
                "a block holds the free-list link at its start");
  union Block {
    Block* next;
    alignas(kAlign) unsigned char bytes[kSize];
  };
  static_assert(sizeof(Block) == kSize, "blocks stand kSize bytes apart");
  // Blocks per chunk; the first block of a chunk links the chunks.
  static const int kChunkBlocks = 512;

  static void Refill() {
    Block* chunk = static_cast<Block*>(::operator new(sizeof(Block) * kChunkBlocks));
    chunk[0].next = chunks_;
    chunks_ = chunk;
    for (int i = 1; i < kChunkBlocks - 1; ++i) chunk[i].next = &chunk[i + 1];
    chunk[kChunkBlocks - 1].next = free_;
    free_ = &chunk[1];
  }

  static inline Block* free_ = nullptr;
  static inline Block* chunks_ = nullptr;
};

#endif
