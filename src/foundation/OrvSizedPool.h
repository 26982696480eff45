// OrvSizedPool: memory for objects whose size is known only at run time
// (syntax-tree nodes of many classes, arrays of argument slots): a request
// of up to kMaxSize bytes is rounded up to a multiple of kGrain and served
// by the OrvBlockPool of that size; a larger one goes to the heap.  The size
// given back to Put must be the size asked of Get.  One thread only; under
// AddressSanitizer every block comes straight from the heap (see
// OrvBlockPool).
#ifndef LARK_FOUNDATION_ORVSIZEDPOOL_H
#define LARK_FOUNDATION_ORVSIZEDPOOL_H

#include <cstddef>
#include <new>
#include <utility>

#include "OrvBlockPool.h"

class OrvSizedPool {
 public:
  // The step between the block sizes of the pools: a pointer's size, so
  // that a node or slot array of 88 bytes takes 88, not 96.
  static const std::size_t kGrain = 8;
  // The largest request the pools serve.
  static const std::size_t kMaxSize = 256;

  // A block of at least `size` bytes, aligned to the largest power of two
  // that divides the size rounded to the grain, at most that of any object
  // (see OrvBlockPool): enough for any object of that size.
  static void* Get(std::size_t size) {
    if (size == 0) size = 1;
    if (size > kMaxSize) return ::operator new(size);
    return Table().get[ClassOf(size)]();
  }

  // Whether Get(size) carves from the arena (else the block comes from the
  // heap: a large request, or every request under AddressSanitizer).
  static bool FromArena(std::size_t size) {
#ifdef ORV_BLOCK_POOL_BYPASS
    (void)size;
    return false;
#else
    return size <= kMaxSize;
#endif
  }

  // Gives back a block that Get(size) returned.
  static void Put(void* memory, std::size_t size) {
    if (memory == nullptr) return;
    if (size == 0) size = 1;
    if (size > kMaxSize) {
      ::operator delete(memory);
      return;
    }
    Table().put[ClassOf(size)](memory);
  }

 private:
  static const std::size_t kClasses = kMaxSize / kGrain;
  static std::size_t ClassOf(std::size_t size) { return (size - 1) / kGrain; }

  struct Entries {
    void* (*get[kClasses])();
    void (*put[kClasses])(void*);
  };

  template <std::size_t... I>
  static constexpr Entries MakeEntries(std::index_sequence<I...>) {
    return Entries{{&OrvBlockPool<(I + 1) * kGrain>::Get...},
                   {&OrvBlockPool<(I + 1) * kGrain>::Put...}};
  }

  static const Entries& Table() {
    static constexpr Entries entries = MakeEntries(std::make_index_sequence<kClasses>());
    return entries;
  }
};

#endif
