// The block pools and the arenas they carve from: blocks of different pools
// of one arena made one after the other stand together, the token arena
// carves apart from the tree's, a freed block is taken again before fresh
// memory, and when the last block comes back an arena starts again at its
// first chunk; while an arena drops, blocks given back are counted but not
// reused, and the end of the drop rewinds when none is left out.
#include "OrvBlockPool.h"
#include "OrvPoolArena.h"
#include "PoolArenas.h"
#include "OrvSizedPool.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// Skips when the pools hand out heap blocks (AddressSanitizer) or when some
// block of this process is still out, so that the arenas can rewind.
#define REQUIRE_REWINDABLE_ARENA()                                                    \
  do {                                                                                \
    if (kPoolsBypassed) GTEST_SKIP() << "the pools use the heap under AddressSanitizer";   \
    if (TreeArena::BlocksOut() != 0 || TokenArena::BlocksOut() != 0)                  \
      GTEST_SKIP() << "blocks of this process are out";                               \
  } while (0)

std::uintptr_t Address(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }

TEST(OrvPoolArena, BlocksOfDifferentPoolsOfOneArenaMadeInTurnStandTogether) {
  REQUIRE_REWINDABLE_ARENA();
  void* elem = OrvBlockPool<24>::Get();
  void* token = OrvBlockPool<40, ORV_TOKEN_ARENA>::Get();
  void* node = OrvSizedPool::Get(64);
  void* slot = OrvBlockPool<32>::Get();
  void* listNode = OrvBlockPool<16, ORV_TOKEN_ARENA, 8>::Get();
  EXPECT_EQ(TreeArena::BlocksOut(), 3);
  EXPECT_EQ(TokenArena::BlocksOut(), 2);
  // In the tree's arena 24 bytes, then the node at the next 16-byte
  // boundary, then the slot; the token's list node (aligned to 8) right
  // behind the token.
  EXPECT_EQ(Address(node), (Address(elem) + 24 + 15) / 16 * 16);
  EXPECT_EQ(Address(slot), Address(node) + 64);
  EXPECT_EQ(Address(listNode), Address(token) + 40);
  OrvBlockPool<32>::Put(slot);
  OrvSizedPool::Put(node, 64);
  OrvBlockPool<24>::Put(elem);
  OrvBlockPool<40, ORV_TOKEN_ARENA>::Put(token);
  OrvBlockPool<16, ORV_TOKEN_ARENA, 8>::Put(listNode);
  EXPECT_EQ(TreeArena::BlocksOut(), 0);
  EXPECT_EQ(TokenArena::BlocksOut(), 0);
}

TEST(OrvPoolArena, AFreedBlockIsTakenAgainBeforeFreshMemory) {
  REQUIRE_REWINDABLE_ARENA();
  void* kept = OrvBlockPool<24>::Get();
  void* freed = OrvBlockPool<24>::Get();
  OrvBlockPool<24>::Put(freed);
  EXPECT_EQ(OrvBlockPool<24>::Get(), freed);
  // Another pool does not take it.
  void* other = OrvBlockPool<48>::Get();
  EXPECT_NE(other, freed);
  OrvBlockPool<48>::Put(other);
  OrvBlockPool<24>::Put(freed);
  OrvBlockPool<24>::Put(kept);
}

TEST(OrvPoolArena, TheLastBlockBackRewindsTheArenaToItsFirstChunk) {
  REQUIRE_REWINDABLE_ARENA();
  // Out and back once, so that the arena stands at its first chunk.
  OrvBlockPool<16>::Put(OrvBlockPool<16>::Get());
  const long rewinds = TreeArena::Rewinds();
  const long tokenRewinds = TokenArena::Rewinds();
  void* first = OrvBlockPool<32>::Get();
  // Enough blocks to need more than one chunk.
  const int kBlocks = 3 * (1 << 20) / 256;
  static void* blocks[kBlocks];
  for (void*& b : blocks) b = OrvSizedPool::Get(256);
  EXPECT_EQ(TreeArena::Rewinds(), rewinds);
  for (void* b : blocks) OrvSizedPool::Put(b, 256);
  EXPECT_EQ(TreeArena::Rewinds(), rewinds);  // `first` is still out
  OrvBlockPool<32>::Put(first);
  EXPECT_EQ(TreeArena::Rewinds(), rewinds + 1);
  EXPECT_EQ(TreeArena::BlocksOut(), 0);
  EXPECT_EQ(TokenArena::Rewinds(), tokenRewinds);  // the other arena stands as it was
  // Every free list was emptied: a block of any pool is carved afresh at
  // the start of the first chunk, where `first` stood.
  void* again = OrvBlockPool<48>::Get();
  EXPECT_EQ(again, first);
  OrvBlockPool<48>::Put(again);
}

TEST(OrvPoolArena, BlocksGivenBackWhileDroppingAreNotReusedAndTheEndRewinds) {
  REQUIRE_REWINDABLE_ARENA();
  OrvBlockPool<16>::Put(OrvBlockPool<16>::Get());
  const long rewinds = TreeArena::Rewinds();
  void* a = OrvBlockPool<32>::Get();
  void* b = OrvSizedPool::Get(64);
  void* c = OrvBlockPool<24>::Get();
  TreeArena::BeginDrop();
  EXPECT_TRUE(TreeArena::Dropping());
  OrvBlockPool<32>::Put(a);
  OrvSizedPool::Put(b, 64);
  // c given back by the count, as a link list dropped whole gives its
  // elements.
  TreeArena::Drop(1);
  // Nothing went on a free list: a new block is fresh memory.
  void* d = OrvBlockPool<32>::Get();
  EXPECT_NE(d, a);
  EXPECT_NE(d, c);
  EXPECT_EQ(TreeArena::Rewinds(), rewinds);
  OrvBlockPool<32>::Put(d);
  TreeArena::EndDrop();
  EXPECT_FALSE(TreeArena::Dropping());
  // a, b, c (counted) and d all came back: the arena rewound.
  EXPECT_EQ(TreeArena::BlocksOut(), 0);
  EXPECT_EQ(TreeArena::Rewinds(), rewinds + 1);
  void* again = OrvBlockPool<32>::Get();
  EXPECT_EQ(again, a);
  OrvBlockPool<32>::Put(again);
}

TEST(OrvPoolArena, TheEndOfADropWithBlocksStillOutDoesNotRewind) {
  REQUIRE_REWINDABLE_ARENA();
  OrvBlockPool<16>::Put(OrvBlockPool<16>::Get());
  const long rewinds = TreeArena::Rewinds();
  void* kept = OrvBlockPool<32>::Get();
  void* dropped = OrvBlockPool<32>::Get();
  TreeArena::BeginDrop();
  OrvBlockPool<32>::Put(dropped);
  TreeArena::EndDrop();
  EXPECT_EQ(TreeArena::BlocksOut(), 1);
  EXPECT_EQ(TreeArena::Rewinds(), rewinds);
  // The dropped block is not handed out again before the rewind.
  void* fresh = OrvBlockPool<32>::Get();
  EXPECT_NE(fresh, dropped);
  EXPECT_NE(fresh, kept);
  OrvBlockPool<32>::Put(fresh);
  OrvBlockPool<32>::Put(kept);
  EXPECT_EQ(TreeArena::BlocksOut(), 0);
  EXPECT_EQ(TreeArena::Rewinds(), rewinds + 1);
}

}  // namespace
