// Test helpers for the block pools' arenas: whether the pools hand out heap
// blocks (under AddressSanitizer, where the arenas stand still) and short
// names of the two arenas.
#ifndef LARK_TESTS_SUPPORT_POOLARENAS_H
#define LARK_TESTS_SUPPORT_POOLARENAS_H

#include "OrvBlockPool.h"
#include "OrvPoolArena.h"

#ifdef ORV_BLOCK_POOL_BYPASS
constexpr bool kPoolsBypassed = true;
#else
constexpr bool kPoolsBypassed = false;
#endif

using TreeArena = OrvPoolArena<ORV_TREE_ARENA>;
using TokenArena = OrvPoolArena<ORV_TOKEN_ARENA>;

#endif
