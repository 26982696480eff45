// The source store of texts: a text is stored once and read back byte for
// byte, whatever its length; the store keeps a few texts when the arenas
// rewind and empties itself when it holds many, and after that every text
// is found again under one handle, from a store emptied whole or where its
// texts stood.
#include "OrvTextStore.h"
#include "PoolArenas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Lets both arenas rewind: a block of each goes out and comes back.
void RewindBothArenas() {
  OrvBlockPool<32, ORV_TOKEN_ARENA>::Put(OrvBlockPool<32, ORV_TOKEN_ARENA>::Get());
  OrvBlockPool<32>::Put(OrvBlockPool<32>::Get());
}

bool HoldsExactly(std::uint32_t handle, const std::string& text) {
  const VString& stored = OrvTextStore::Text(handle);
  return stored.length == static_cast<int>(text.size()) &&
         std::string(stored.text, static_cast<size_t>(stored.length)) == text;
}

// Distinct texts named by a number, `tag` keeping sets apart.
std::string Numbered(const char* tag, int n) { return std::string(tag) + "-" + std::to_string(n); }

TEST(OrvTextStore, TextsOfEveryLengthAreStoredOnceAndReadBackWhole) {
  // Lengths around the steps of the hash and the comparison (4, 8, 16),
  // texts that differ only in their last byte or in a zero byte, prefixes.
  const std::vector<std::string> texts = {
      "A", "B", "AB", "ABC", "ABCD", "ABCE", "ABCDEFG", "ABCDEFGH", "ABCDEFGI", "XBCDEFGH",
      "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOQ", "ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOPQR",
      std::string("A\0C", 3), std::string("A\0D", 3), std::string(40, 'Z'), std::string(39, 'Z') + "Y"};
  std::vector<std::uint32_t> handles;
  for (const std::string& t : texts) handles.push_back(OrvTextStore::Intern(t.data(), static_cast<int>(t.size())));
  for (size_t i = 0; i < texts.size(); ++i) {
    EXPECT_TRUE(HoldsExactly(handles[i], texts[i])) << i;
    EXPECT_EQ(OrvTextStore::Intern(texts[i].data(), static_cast<int>(texts[i].size())), handles[i]) << i;
    for (size_t j = 0; j < i; ++j) EXPECT_NE(handles[i], handles[j]) << i << " " << j;
  }
  EXPECT_EQ(OrvTextStore::Intern("", 0), std::uint32_t{OrvTextStore::kEmpty});
}

TEST(OrvTextStore, ManyTextsStayFoundAsTheIndexGrows) {
  std::vector<std::uint32_t> handles;
  for (int n = 0; n < 20000; ++n) {
    const std::string t = Numbered("GROW", n);
    handles.push_back(OrvTextStore::Intern(t.data(), static_cast<int>(t.size())));
  }
  for (int n = 0; n < 20000; ++n) {
    const std::string t = Numbered("GROW", n);
    ASSERT_EQ(OrvTextStore::Intern(t.data(), static_cast<int>(t.size())), handles[static_cast<size_t>(n)]) << n;
    ASSERT_TRUE(HoldsExactly(handles[static_cast<size_t>(n)], t)) << n;
  }
}

// HandleOf answers the handle of the store's own entries, across pages,
// and kEmpty for an equal text held anywhere else or an address inside an
// entry.
TEST(OrvTextStore, HandleOfKnowsOnlyTheStoresOwnEntries) {
  std::vector<std::uint32_t> handles;
  for (int n = 0; n < 9000; ++n) {
    const std::string t = Numbered("SHARE", n);
    handles.push_back(OrvTextStore::Intern(t.data(), static_cast<int>(t.size())));
  }
  for (size_t n : {size_t(0), size_t(1), size_t(4095), size_t(4096), size_t(8999)}) {
    const VString& entry = OrvTextStore::Text(handles[n]);
    EXPECT_EQ(OrvTextStore::HandleOf(entry), handles[n]) << n;
    const VString copy(entry.text);
    EXPECT_EQ(OrvTextStore::HandleOf(copy), std::uint32_t{OrvTextStore::kEmpty}) << n;
  }
  const std::uint32_t owned = OrvTextStore::Own("SHARE-0", 7);
  EXPECT_EQ(OrvTextStore::HandleOf(OrvTextStore::Text(owned)), std::uint32_t{OrvTextStore::kEmpty});
  OrvTextStore::Release(owned);
  // A reference set from an entry shares its handle in an arena and owns
  // a copy elsewhere.
  OrvTextRef shared;
  shared.SetShared(OrvTextStore::Text(handles[5000]), true);
  EXPECT_EQ(shared.Handle(), handles[5000]);
  OrvTextRef own;
  own.SetShared(OrvTextStore::Text(handles[5000]), false);
  EXPECT_GE(own.Handle(), std::uint32_t{OrvTextStore::kOwnedBit});
  EXPECT_TRUE(HoldsExactly(own.Handle(), Numbered("SHARE", 5000)));
}

// Interns `count` texts of the tag twice: each once in the store, then
// found under the handle it got.
void ExpectStoredOnceEach(const char* tag, int count) {
  const long before = OrvTextStore::Count();
  std::vector<std::uint32_t> handles;
  for (int n = 0; n < count; ++n) {
    const std::string t = Numbered(tag, n);
    handles.push_back(OrvTextStore::Intern(t.data(), static_cast<int>(t.size())));
  }
  EXPECT_EQ(OrvTextStore::Count(), before + count);
  for (int n = 0; n < count; ++n) {
    const std::string t = Numbered(tag, n);
    ASSERT_EQ(OrvTextStore::Intern(t.data(), static_cast<int>(t.size())), handles[static_cast<size_t>(n)]) << n;
    ASSERT_TRUE(HoldsExactly(handles[static_cast<size_t>(n)], t)) << n;
  }
}

TEST(OrvTextStore, RewindKeepsAFewTextsAndEmptiesAFullStore) {
  if (kPoolsBypassed) GTEST_SKIP() << "the pools use the heap under AddressSanitizer";
  if (TreeArena::BlocksOut() != 0 || TokenArena::BlocksOut() != 0) GTEST_SKIP() << "blocks of this process are out";
  RewindBothArenas();
  // A store of a few texts is kept, handles and all.
  if (OrvTextStore::Count() <= 1) OrvTextStore::Intern("KEPT", 4);
  const std::uint32_t kept = OrvTextStore::Intern("KEPT", 4);
  const long few = OrvTextStore::Count();
  ASSERT_LT(few, 4096);
  const long rewinds = OrvTextStore::Rewinds();
  RewindBothArenas();
  EXPECT_EQ(OrvTextStore::Count(), few);
  EXPECT_EQ(OrvTextStore::Intern("KEPT", 4), kept);
  EXPECT_EQ(OrvTextStore::Rewinds(), rewinds);

  // Many texts: the store empties, and every text is found again under
  // one handle; first from an index emptied whole (nearly full of texts),
  // then from one emptied where its few texts stood.
  ExpectStoredOnceEach("FULL", 30000);
  RewindBothArenas();
  EXPECT_EQ(OrvTextStore::Count(), 1);
  EXPECT_EQ(OrvTextStore::Rewinds(), rewinds + 1);
  ExpectStoredOnceEach("FULL", 30000);
  RewindBothArenas();
  ExpectStoredOnceEach("SPARSE", 4100);
  RewindBothArenas();
  EXPECT_EQ(OrvTextStore::Count(), 1);
  ExpectStoredOnceEach("SPARSE", 4100);
  ExpectStoredOnceEach("OTHER", 100);
}

}  // namespace
