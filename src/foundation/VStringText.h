// VStringText: the text arrays that VString values own.  A parse makes and
// frees a text for most words, names and literals, so short texts come from
// free lists of a few sizes (16, 32, 48 and 64 bytes) carved from their own
// arena instead of from the heap; longer ones go to the heap.  An array is
// given back with the length its value has then: that length never exceeds
// the one it was made for, so its size class is never larger than the
// array.  One thread only, like the rest of the toolkit; the memory is kept
// for the process.  Under AddressSanitizer every array comes straight from
// the heap, so that a use after free is still caught.
#ifndef LARK_FOUNDATION_VSTRINGTEXT_H
#define LARK_FOUNDATION_VSTRINGTEXT_H

#include <cstddef>
#include <new>

#include "OrvBlockPool.h"
#include "OrvPoolArena.h"

class VStringText {
 public:
  // Bytes per size step, and the largest array the free lists keep.
  static constexpr int kStep = 16;
  static constexpr int kClasses = 4;
  static constexpr int kLargestKept = kStep * kClasses;

  // An array of at least n + 1 bytes (n >= 0), for a text of n characters
  // and its closing NUL.  Not cleared.
  static char* New(int n) {
#ifdef ORV_BLOCK_POOL_BYPASS
    return static_cast<char*>(::operator new(static_cast<std::size_t>(n) + 1));
#else
    if (n >= kLargestKept) return static_cast<char*>(::operator new(static_cast<std::size_t>(n) + 1));
    const int k = n / kStep;
    Free* block = free_[k];
    if (block == nullptr)
      return static_cast<char*>(OrvPoolArena<ORV_TEXT_ARENA>::Carve(static_cast<std::size_t>(k + 1) * kStep, kStep));
    free_[k] = block->next;
    return reinterpret_cast<char*>(block);
#endif
  }

  // Gives back an array that New made (or null), `length` being the length
  // of the text it holds now: at most the n it was made for.
  static void Delete(char* text, int length) {
    if (text == nullptr) return;
#ifdef ORV_BLOCK_POOL_BYPASS
    (void)length;
    ::operator delete(text);
#else
    if (length >= kLargestKept) {
      ::operator delete(text);
      return;
    }
    // An array from the heap whose text has become short enough joins the
    // free list of its length: it is larger than that list's arrays.
    Free* block = reinterpret_cast<Free*>(text);
    const int k = length / kStep;
    block->next = free_[k];
    free_[k] = block;
#endif
  }

 private:
  struct Free {
    Free* next;
  };
  static inline Free* free_[kClasses] = {};
};

#endif
