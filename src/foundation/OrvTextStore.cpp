// The source store of texts, the owned texts and the text references.
#include "OrvTextStore.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <new>
#include <vector>

#include "OrvPoolArena.h"

namespace {

const std::uint32_t kPageTexts = 4096;
// Text bytes are carved from blocks of this size; a longer text gets a
// block of its own, freed at the next rewind.
const std::size_t kByteBlock = std::size_t(64) << 10;
const std::size_t kOwnBlockFrom = kByteBlock / 4;

}  // namespace

// Everything behind the store's handles.  Never destroyed: texts may be
// read while the process ends.
struct OrvTextStoreState {
  std::vector<VString*> pages;        // pages of kPageTexts texts, kept for the process
  std::vector<char*> byteBlocks;      // blocks of kByteBlock bytes, kept for the process
  std::size_t byteBlock = 0;          // the block being carved
  std::size_t byteNext = 0;           // first free byte in it
  std::vector<char*> ownBlocks;       // long texts, freed at the rewind
  std::vector<std::uint32_t> index;   // open-addressed set of handles, by text
  std::deque<VString> owned;          // owned texts, by handle without the mark (a deque:
                                      // a text read while another is added stays put)
  std::vector<std::uint32_t> freeOwned;
  bool registered = false;

  static OrvTextStoreState& Get() {
    static OrvTextStoreState* state = new OrvTextStoreState();
    return *state;
  }

  // Room for one more text in the store.
  void EnsurePage() {
    const std::uint32_t count = OrvTextStore::count_;
    if ((count >> OrvTextStore::kPageBits) < pages.size()) return;
    VString* page = static_cast<VString*>(::operator new(sizeof(VString) * kPageTexts));
    for (std::uint32_t i = 0; i < kPageTexts; ++i) new (page + i) VString();
    pages.push_back(page);
    OrvTextStore::pages_ = pages.data();
  }

  // The store's look-up reads the index through its own pointer and mask.
  void PointAtIndex() {
    OrvTextStore::index_ = index.empty() ? nullptr : index.data();
    OrvTextStore::indexMask_ = index.empty() ? 0 : static_cast<std::uint32_t>(index.size() - 1);
  }

  // `length` + 1 bytes for a text of the store.
  char* Bytes(std::size_t length) {
    const std::size_t need = length + 1;
    if (need >= kOwnBlockFrom) {
      ownBlocks.push_back(static_cast<char*>(::operator new(need)));
      return ownBlocks.back();
    }
    if (byteBlocks.empty() || byteNext + need > kByteBlock) {
      if (!byteBlocks.empty()) ++byteBlock;
      if (byteBlock >= byteBlocks.size()) byteBlocks.push_back(static_cast<char*>(::operator new(kByteBlock)));
      byteNext = 0;
    }
    char* bytes = byteBlocks[byteBlock] + byteNext;
    byteNext += need;
    return bytes;
  }
};

namespace {

// The store's hash and comparison, by their short names here.
inline std::uint32_t HashOf(const char* text, int length) { return OrvTextStore::Hash(text, length); }
inline bool SameText(const char* a, const char* b, int length) { return OrvTextStore::Same(a, b, length); }

VString& StoreText(std::uint32_t handle) {
  return OrvTextStoreState::Get().pages[handle >> 12][handle & 4095];
}

void AddToIndex(std::vector<std::uint32_t>& index, std::uint32_t handle) {
  const VString& text = StoreText(handle);
  const std::size_t mask = index.size() - 1;
  std::size_t i = HashOf(text.text, text.length) & mask;
  while (index[i] != 0) i = (i + 1) & mask;
  index[i] = handle;
}

// Empties the index entries of the handles 1 .. count - 1, each found from
// its text's hash.  An entry emptied before does not hide a later one: the
// search runs until it meets the handle, which is there.
void ClearIndexEntries(std::vector<std::uint32_t>& index, std::uint32_t count) {
  const std::size_t mask = index.size() - 1;
  for (std::uint32_t h = 1; h < count; ++h) {
    const VString& text = StoreText(h);
    std::size_t i = HashOf(text.text, text.length) & mask;
    while (index[i] != h) i = (i + 1) & mask;
    index[i] = 0;
  }
}

void RewindStore() { OrvTextStore::RewindIfUnused(); }

}  // namespace

std::uint32_t OrvTextStore::Intern(const char* text, int length) {
  if (length <= 0) return kEmpty;
  // Room for one more text at most half full; none before the first text.
  if (2 * (std::size_t(count_) + 1) > std::size_t(indexMask_) + 1) MakeRoom();
  for (std::uint32_t i = HashOf(text, length) & indexMask_;; i = (i + 1) & indexMask_) {
    const std::uint32_t h = index_[i];
    if (h == 0) return Add(text, length, i);
    const VString& found = pages_[h >> kPageBits][h & kPageMask];
    if (found.length == length && SameText(found.text, text, length)) return h;
  }
}

void OrvTextStore::MakeRoom() {
  OrvTextStoreState& s = OrvTextStoreState::Get();
  if (!s.registered) {
    // The store empties when both arenas that hold its users have rewound.
    OrvPoolArena<ORV_TREE_ARENA>::RegisterFreeList(&RewindStore);
    OrvPoolArena<ORV_TOKEN_ARENA>::RegisterFreeList(&RewindStore);
    s.registered = true;
  }
  if (count_ == 0) {
    s.EnsurePage();
    count_ = 1;  // the empty text
  }
  if (2 * (std::size_t(count_) + 1) > s.index.size()) {
    std::vector<std::uint32_t> grown(s.index.empty() ? 1024 : 2 * s.index.size(), 0);
    for (std::uint32_t h = 1; h < count_; ++h) AddToIndex(grown, h);
    s.index.swap(grown);
  }
  s.PointAtIndex();
}

std::uint32_t OrvTextStore::Add(const char* text, int length, std::uint32_t slot) {
  OrvTextStoreState& s = OrvTextStoreState::Get();
  s.EnsurePage();
  const std::uint32_t handle = count_++;
  char* bytes = s.Bytes(static_cast<std::size_t>(length));
  std::memcpy(bytes, text, static_cast<std::size_t>(length));
  bytes[length] = '\0';
  VString& entry = StoreText(handle);
  entry.text = bytes;
  entry.length = length;
  index_[slot] = handle;
  return handle;
}

std::uint32_t OrvTextStore::Own(const char* text, int length) {
  if (length <= 0) return kEmpty;
  OrvTextStoreState& s = OrvTextStoreState::Get();
  std::uint32_t index = 0;
  if (!s.freeOwned.empty()) {
    index = s.freeOwned.back();
    s.freeOwned.pop_back();
  } else {
    index = static_cast<std::uint32_t>(s.owned.size());
    s.owned.emplace_back();
  }
  // Exactly `length` bytes, a zero byte among them included (the
  // constructors from C strings stop at one).
  VString copy;
  copy.text = VStringText::New(length);
  std::memcpy(copy.text, text, static_cast<std::size_t>(length));
  copy.text[length] = '\0';
  copy.length = length;
  s.owned[index].TakeOver(copy);
  return index | kOwnedBit;
}

void OrvTextStore::Release(std::uint32_t handle) {
  if (handle < kOwnedBit) return;
  OrvTextStoreState& s = OrvTextStoreState::Get();
  const std::uint32_t index = handle & ~kOwnedBit;
  s.owned[index] = VString();
  s.freeOwned.push_back(index);
}

const VString& OrvTextStore::OwnedText(std::uint32_t handle) {
  return OrvTextStoreState::Get().owned[handle & ~kOwnedBit];
}

void OrvTextStore::RewindIfUnused() {
  if (OrvPoolArena<ORV_TREE_ARENA>::BlocksOut() != 0 || OrvPoolArena<ORV_TOKEN_ARENA>::BlocksOut() != 0) return;
  // A few texts stay for the next source, which reads many of the same
  // words: a lexer whose tokens are read and dropped one by one lets both
  // arenas rewind at nearly every word, and would otherwise store and
  // forget its words over and over.
  if (count_ < kPageTexts) return;
  OrvTextStoreState& s = OrvTextStoreState::Get();
  // An index grown for a large source is not kept for every small one
  // after it: it is made again as the next source needs it.  A smaller one
  // is emptied where the texts stand, not whole, when they are few: the
  // store rewinds each time the last token goes (a lexer whose tokens are
  // read and dropped one by one rewinds it at nearly every word), so the
  // cost follows the texts stored, not the room of the index.
  if (s.index.size() > (std::size_t(1) << 16))
    std::vector<std::uint32_t>().swap(s.index);
  else if (std::size_t(8) * count_ >= s.index.size())
    std::fill(s.index.begin(), s.index.end(), 0u);
  else
    ClearIndexEntries(s.index, count_);
  s.PointAtIndex();
  for (std::uint32_t h = 1; h < count_; ++h) {
    VString& entry = StoreText(h);
    entry.text = nullptr;
    entry.length = 0;
  }
  count_ = 1;
  for (char* block : s.ownBlocks) ::operator delete(block);
  s.ownBlocks.clear();
  s.byteBlock = 0;
  s.byteNext = 0;
  ++rewinds_;
}

void OrvTextRef::SetFrom(const OrvTextRef& other, bool inArena) {
  if (&other == this) return;
  if (inArena && other.handle_ < OrvTextStore::kOwnedBit) {
    if (handle_ >= OrvTextStore::kOwnedBit) OrvTextStore::Release(handle_);
    handle_ = other.handle_;
    return;
  }
  const VString& text = other.Get();
  Set(text.text, text.length, inArena);
}
