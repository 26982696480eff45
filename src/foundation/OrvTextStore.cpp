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

std::uint32_t HashOf(const char* text, int length) {
  std::uint32_t h = 2166136261u;
  for (int i = 0; i < length; ++i) h = (h ^ static_cast<unsigned char>(text[i])) * 16777619u;
  return h;
}

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

void RewindStore() { OrvTextStore::RewindIfUnused(); }

}  // namespace

std::uint32_t OrvTextStore::Intern(const char* text, int length) {
  if (length <= 0) return kEmpty;
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
  if (2 * (count_ + 1) > s.index.size()) {
    std::vector<std::uint32_t> grown(s.index.empty() ? 1024 : 2 * s.index.size(), 0);
    for (std::uint32_t h = 1; h < count_; ++h) AddToIndex(grown, h);
    s.index.swap(grown);
  }
  const std::size_t mask = s.index.size() - 1;
  for (std::size_t i = HashOf(text, length) & mask;; i = (i + 1) & mask) {
    const std::uint32_t h = s.index[i];
    if (h == 0) break;
    const VString& found = StoreText(h);
    if (found.length == length && std::memcmp(found.text, text, static_cast<std::size_t>(length)) == 0) return h;
  }
  s.EnsurePage();
  const std::uint32_t handle = count_++;
  char* bytes = s.Bytes(static_cast<std::size_t>(length));
  std::memcpy(bytes, text, static_cast<std::size_t>(length));
  bytes[length] = '\0';
  VString& entry = StoreText(handle);
  entry.text = bytes;
  entry.length = length;
  AddToIndex(s.index, handle);
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
  if (count_ <= 1) return;
  OrvTextStoreState& s = OrvTextStoreState::Get();
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
  // An index grown for a large source is not cleared for every small one
  // after it: it is made again as the next source needs it.
  if (s.index.size() > (std::size_t(1) << 16))
    std::vector<std::uint32_t>().swap(s.index);
  else
    std::fill(s.index.begin(), s.index.end(), 0u);
  ++rewinds_;
}

void OrvTextRef::Set(const char* text, int length, bool inArena) {
  const std::uint32_t old = handle_;
  handle_ = inArena ? OrvTextStore::Intern(text, length) : OrvTextStore::Own(text, length);
  // Released after the copy: the text may be the old one itself.
  if (old >= OrvTextStore::kOwnedBit) OrvTextStore::Release(old);
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
