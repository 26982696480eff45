// OrvTextStore: the texts of tokens and syntax-tree nodes, held by a 32-bit
// handle (OrvTextRef) instead of a VString of their own.  An object that
// lives in a pool arena (OrvArenaHolds) keeps its text in the source store:
// a text the source repeats (a name, a keyword, a PICTURE string) is stored
// once, and the whole store goes at once when nothing that could refer to
// it is left, that is when the tree's and the tokens' arenas have both
// rewound (the next source then fills it afresh; a store of a few texts is
// kept for it).  An object that lives
// anywhere else (on the stack, on the heap, every object under
// AddressSanitizer) owns its text, which goes with it.  One thread only,
// like the rest of the toolkit; the memory is kept for the process.
#ifndef LARK_FOUNDATION_ORVTEXTSTORE_H
#define LARK_FOUNDATION_ORVTEXTSTORE_H

#include <cstdint>
#include <cstring>

#include "VString.h"

class OrvTextStore {
 public:
  // The handle of the empty text; the mark of an owned text's handle.
  static const std::uint32_t kEmpty = 0;
  static const std::uint32_t kOwnedBit = 0x80000000u;

  // The handle of a text in the source store, stored once per source.
  static std::uint32_t Intern(const char* text, int length);
  // A new owned text (a copy); the handle names it until Release.
  static std::uint32_t Own(const char* text, int length);
  static void Release(std::uint32_t handle);
  // The handle of the source store's text `text` when that VString is the
  // store's own entry (a reference Text answered for a handle below
  // kOwnedBit), else kEmpty.  Reads addresses only: a holder given the text
  // of a token takes the token's handle without hashing the text again.
  static std::uint32_t HandleOf(const VString& text) {
    const std::uint32_t count = count_;
    if (count <= 1) return kEmpty;
    const std::uintptr_t at = reinterpret_cast<std::uintptr_t>(&text);
    // Recent texts first: a token's text was most often stored lately.
    for (std::uint32_t page = (count - 1) >> kPageBits;; --page) {
      const std::uintptr_t offset = at - reinterpret_cast<std::uintptr_t>(pages_[page]);
      if (offset < sizeof(VString) * (kPageMask + 1)) {
        if (offset % sizeof(VString) != 0) return kEmpty;
        const std::uint32_t handle = (page << kPageBits) | static_cast<std::uint32_t>(offset / sizeof(VString));
        return handle < count ? handle : kEmpty;
      }
      if (page == 0) return kEmpty;
    }
  }

  // The text of a handle: a reference valid while the holder of the
  // handle lives.
  static const VString& Text(std::uint32_t handle) {
    if (handle == kEmpty) return empty_;
    if (handle < kOwnedBit) return pages_[handle >> kPageBits][handle & kPageMask];
    return OwnedText(handle);
  }

  // The hash of the `length` bytes at `text`, eight bytes at a step: the
  // store hashes every word the lexer reads, and the lexer's word tables
  // hash every word with it too, so a byte at a time would cost more than
  // the look-ups.  The last step reads the last eight bytes, overlapping
  // the one before, and a text shorter than eight bytes is read as two
  // overlapping halves; no byte outside the text is read.
  static std::uint32_t Hash(const char* text, int length) {
    std::uint64_t h = 0x9e3779b97f4a7c15ull ^ static_cast<std::uint64_t>(length);
    if (length >= 8) {
      for (int i = 0; i + 8 < length; i += 8) h = MixWord(h, Load8(text + i));
      h = MixWord(h, Load8(text + length - 8));
    } else if (length >= 4) {
      h = MixWord(h, (std::uint64_t(Load4(text)) << 32) | Load4(text + length - 4));
    } else {
      std::uint64_t word = 0;
      for (int k = 0; k < length; ++k) word = (word << 8) | static_cast<unsigned char>(text[k]);
      h = MixWord(h, word);
    }
    return static_cast<std::uint32_t>((h * 0xc4ceb9fe1a85ec53ull) >> 32);
  }
  // Starts bringing the index entry where Intern begins to look for a text
  // of this hash (Hash) into the cache: a caller that knows a text will be
  // stored soon lets the look-up find it there.  Changes nothing.
  static void Prefetch(std::uint32_t hash) {
    if (index_ != nullptr) __builtin_prefetch(index_ + (hash & indexMask_));
  }
  // Whether the `length` bytes at a and b are the same; most texts are
  // short words, compared in one or two overlapping loads each.
  static bool Same(const char* a, const char* b, int length) {
    if (length > 16) return std::memcmp(a, b, static_cast<std::size_t>(length)) == 0;
    if (length >= 8) return Load8(a) == Load8(b) && Load8(a + length - 8) == Load8(b + length - 8);
    if (length >= 4) return Load4(a) == Load4(b) && Load4(a + length - 4) == Load4(b + length - 4);
    for (int k = 0; k < length; ++k)
      if (a[k] != b[k]) return false;
    return true;
  }

  // Texts in the source store and rewinds so far (benchmarks and tests).
  static long Count() { return static_cast<long>(count_); }
  static long Rewinds() { return rewinds_; }

  // Empties the source store when the tree's and the tokens' arenas both
  // have no block out and it holds a page of texts (4,096) or more; fewer
  // are kept for the next source.  The arenas call it at each of their
  // rewinds.
  static void RewindIfUnused();

 private:
  static const int kPageBits = 12;
  static const std::uint32_t kPageMask = (1u << kPageBits) - 1;
  // Unaligned loads of 8 and 4 bytes, and one step of the hash: the next
  // word of the text mixed in.
  static std::uint64_t Load8(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
  }
  static std::uint32_t Load4(const char* p) {
    std::uint32_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
  }
  static std::uint64_t MixWord(std::uint64_t h, std::uint64_t word) {
    h = (h ^ word) * 0xff51afd7ed558ccdull;
    return h ^ (h >> 32);
  }
  static const VString& OwnedText(std::uint32_t handle);
  // The paths of Intern out of line: room for one more text (the first
  // page, a grown index), and a new text put in the index at `slot`.
  static void MakeRoom();
  static std::uint32_t Add(const char* text, int length, std::uint32_t slot);

  static inline const VString empty_;        // the text of kEmpty
  static inline VString** pages_ = nullptr;  // texts of the store, by handle
  static inline std::uint32_t count_ = 0;    // texts in the store (the empty text first)
  static inline std::uint32_t* index_ = nullptr;  // open-addressed handles by text hash
  static inline std::uint32_t indexMask_ = 0;     // its length - 1; 0 while there is none
  static inline long rewinds_ = 0;
  friend struct OrvTextStoreState;
};

// A text held by handle: the member of a token or node that stands for its
// VString.  It decides where the text lives from where its holder lives
// (`inArena`, OrvArenaHolds of the holder), and frees an owned text when
// it changes or goes.
class OrvTextRef {
 public:
  OrvTextRef() : handle_(OrvTextStore::kEmpty) {}
  ~OrvTextRef() {
    if (handle_ >= OrvTextStore::kOwnedBit) OrvTextStore::Release(handle_);
  }
  OrvTextRef(const OrvTextRef&) = delete;
  OrvTextRef& operator=(const OrvTextRef&) = delete;

  const VString& Get() const { return OrvTextStore::Text(handle_); }
  bool IsEmpty() const { return handle_ == OrvTextStore::kEmpty || Get().length == 0; }

  // Sets the text: into the source store for a holder in an arena, else
  // an owned copy.  Inline: every token and name with a text sets it.
  void Set(const char* text, int length, bool inArena) {
    const std::uint32_t old = handle_;
    handle_ = inArena ? OrvTextStore::Intern(text, length) : OrvTextStore::Own(text, length);
    // Released after the copy: the text may be the old one itself.
    if (old >= OrvTextStore::kOwnedBit) OrvTextStore::Release(old);
  }
  void Set(const VString& text, bool inArena) { Set(text.text, text.length, inArena); }
  // Set, taking the handle of `text` itself when the holder is in an arena
  // and `text` is the source store's entry (a token's text, OrvTextStore::
  // HandleOf): the same handle Intern would answer, without the look-up.
  void SetShared(const VString& text, bool inArena) {
    const std::uint32_t shared = inArena ? OrvTextStore::HandleOf(text) : OrvTextStore::kEmpty;
    if (shared == OrvTextStore::kEmpty) {
      Set(text.text, text.length, inArena);
      return;
    }
    if (handle_ >= OrvTextStore::kOwnedBit) OrvTextStore::Release(handle_);
    handle_ = shared;
  }
  // Takes the text of another reference: a holder in an arena shares a
  // text of the source store.
  void SetFrom(const OrvTextRef& other, bool inArena);
  // The handle, for holders that pack it with other fields.
  std::uint32_t Handle() const { return handle_; }

 private:
  std::uint32_t handle_;
};

#endif
