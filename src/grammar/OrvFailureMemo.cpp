// The failure memo of trial parsing: situations of exhausted trial levels,
// hashed entry by entry and compared in full on a hit.
#include "OrvFailureMemo.h"

namespace {

const int kScalarFields = 6;

std::uint64_t Mix(std::uint64_t hash, std::uint64_t value) {
  return (hash ^ value) * 0x100000001b3ull;
}

std::uint32_t ZeroBitsWord(const OrvMemoKey& key, int word) {
  std::uint32_t bits = 0;
  for (int b = 0; b < 32; ++b) {
    const int i = word * 32 + b;
    if (i > key.depth) break;
    if (key.values[i] != 0) bits |= 1u << b;
  }
  return bits;
}

int ZeroBitsWords(int depth) { return (depth + 1 + 31) / 32; }

}  // namespace

OrvMemoKey OrvMemoKeyOf(const ParseState* level) {
  return OrvMemoKey{level->queueIndex,    level->conflictState,
                    level->errorCountdown, level->enclosingSave == nullptr ? 1 : 0,
                    level->switches,       level->Depth(),
                    level->stateStack,     level->valueStack};
}

void OrvFailureMemo::Clear() {
  index_.clear();
  pool_.clear();
}

std::uint64_t OrvFailureMemo::Hash(const OrvMemoKey& key) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  hash = Mix(hash, static_cast<std::uint32_t>(key.queueIndex));
  hash = Mix(hash, static_cast<std::uint32_t>(key.conflictState));
  hash = Mix(hash, static_cast<std::uint32_t>(key.errorCountdown));
  hash = Mix(hash, static_cast<std::uint32_t>(key.outermost));
  hash = Mix(hash, key.switches);
  hash = Mix(hash, static_cast<std::uint32_t>(key.depth));
  for (int i = 0; i <= key.depth; ++i) hash = Mix(hash, static_cast<std::uint32_t>(key.states[i]));
  for (int w = 0; w < ZeroBitsWords(key.depth); ++w) hash = Mix(hash, ZeroBitsWord(key, w));
  return hash;
}

bool OrvFailureMemo::Matches(std::size_t at, const OrvMemoKey& key) const {
  const std::uint32_t* p = pool_.data() + at;
  if (p[0] != static_cast<std::uint32_t>(key.queueIndex) ||
      p[1] != static_cast<std::uint32_t>(key.conflictState) ||
      p[2] != static_cast<std::uint32_t>(key.errorCountdown) ||
      p[3] != static_cast<std::uint32_t>(key.outermost) || p[4] != key.switches ||
      p[5] != static_cast<std::uint32_t>(key.depth)) {
    return false;
  }
  p += kScalarFields;
  for (int i = 0; i <= key.depth; ++i)
    if (p[i] != static_cast<std::uint32_t>(key.states[i])) return false;
  p += key.depth + 1;
  for (int w = 0; w < ZeroBitsWords(key.depth); ++w)
    if (p[w] != ZeroBitsWord(key, w)) return false;
  return true;
}

bool OrvFailureMemo::Knows(const OrvMemoKey& key) const {
  return !index_.empty() && Find(Hash(key), key);
}

bool OrvFailureMemo::Find(std::uint64_t hash, const OrvMemoKey& key) const {
  auto range = index_.equal_range(hash);
  for (auto it = range.first; it != range.second; ++it)
    if (Matches(it->second, key)) return true;
  return false;
}

void OrvFailureMemo::Add(const OrvMemoKey& key) {
  const std::uint64_t hash = Hash(key);
  if (Find(hash, key)) return;
  const std::size_t at = pool_.size();
  pool_.push_back(static_cast<std::uint32_t>(key.queueIndex));
  pool_.push_back(static_cast<std::uint32_t>(key.conflictState));
  pool_.push_back(static_cast<std::uint32_t>(key.errorCountdown));
  pool_.push_back(static_cast<std::uint32_t>(key.outermost));
  pool_.push_back(key.switches);
  pool_.push_back(static_cast<std::uint32_t>(key.depth));
  for (int i = 0; i <= key.depth; ++i) pool_.push_back(static_cast<std::uint32_t>(key.states[i]));
  for (int w = 0; w < ZeroBitsWords(key.depth); ++w) pool_.push_back(ZeroBitsWord(key, w));
  index_.emplace(hash, at);
}
