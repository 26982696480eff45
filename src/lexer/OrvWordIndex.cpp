// The hashed word indexes, the operator indexes by first character, the
// code-to-word table of the token printers, and the lexer's start-up that
// builds them.
#include "OrvWordIndex.h"

#include <cstdint>
#include <cstring>

#include "OrvTextStore.h"
#include "OrvToken.h"

namespace {

// The length of the longest word of the COBOL, SQL, CICS and function
// tables.
constexpr int LongestWord() {
  int longest = 0;
#define ORV_TAKE_LENGTH(Word) \
  if (static_cast<int>(sizeof(Word)) - 1 > longest) longest = static_cast<int>(sizeof(Word)) - 1;
#define ORV_COBOL_WORD(Word, Code, Mask) ORV_TAKE_LENGTH(Word)
#include "OrvCobolWords.def"
#define ORV_SQL_WORD(Word, Code) ORV_TAKE_LENGTH(Word)
#include "OrvSqlWords.def"
#define ORV_CICS_WORD(Word, Code) ORV_TAKE_LENGTH(Word)
#include "OrvCicsWords.def"
#define ORV_INTRINSIC_FUNCTION(Name, Kind) ORV_TAKE_LENGTH(Name)
#include "OrvFunctions.def"
#undef ORV_TAKE_LENGTH
  return longest;
}

// An open-addressing hash index over the words of one table: 2^kBits slots,
// linear probing.  A look-up first reads a byte per slot - 0 for an empty
// slot, else the high bits of the word's hash with the top bit set - so a
// word the table lacks mostly costs one read of a small array; only a slot
// whose byte matches is compared, and a slot of 32 bytes holds its word's
// characters itself, its length and its row index.  The tables fill at
// most three eighths of their slots.  Plain data without a constructor: it
// lives in zero-initialised static storage until Build.
template <int kBits>
struct WordIndex {
  static const int kSlots = 1 << kBits;
  static const unsigned kMask = kSlots - 1;
  static const int kInline = 29;

  struct Slot {
    char text[kInline];  // the word, NUL-padded
    std::uint8_t length;
    std::int16_t row;
  };
  static_assert(sizeof(Slot) == 32, "a slot takes half a cache line");

  std::uint8_t tags[kSlots];
  Slot slots[kSlots];

  // The text store's hash: a word at a step, not a byte.
  static unsigned Hash(const char* s, int n) { return OrvTextStore::Hash(s, n); }
  static std::uint8_t TagOf(unsigned hash) { return static_cast<std::uint8_t>(0x80u | (hash >> 25)); }

  void Add(const char* word, int row) {
    const int n = static_cast<int>(std::strlen(word));
    const unsigned hash = Hash(word, n);
    unsigned h = hash & kMask;
    while (tags[h] != 0) h = (h + 1) & kMask;
    tags[h] = TagOf(hash);
    Slot& slot = slots[h];
    std::memcpy(slot.text, word, static_cast<size_t>(n));
    slot.length = static_cast<std::uint8_t>(n);
    slot.row = static_cast<std::int16_t>(row);
  }

  // The row index of the word, or -1.
  int Find(const char* s, int n) const {
    if (s == nullptr || n <= 0 || n > kInline) return -1;
    return FindHashed(s, n, Hash(s, n));
  }
  // The same, given the word's hash (Hash).
  int FindHashed(const char* s, int n, unsigned hash) const {
    if (s == nullptr || n <= 0 || n > kInline) return -1;
    const std::uint8_t tag = TagOf(hash);
    for (unsigned h = hash & kMask; tags[h] != 0; h = (h + 1) & kMask) {
      if (tags[h] != tag) continue;
      const Slot& slot = slots[h];
      if (slot.length == n && OrvTextStore::Same(slot.text, s, n)) return slot.row;
    }
    return -1;
  }
};

static_assert(LongestWord() <= 29, "a word of the tables is longer than an index slot holds");

static_assert(ORV_COBOL_KEYWORD_COUNT * 8 <= 3 * (1 << 12), "COBOL index load");
static_assert(ORV_SQL_KEYWORD_COUNT * 8 <= 3 * (1 << 10), "SQL index load");
static_assert(ORV_CICS_KEYWORD_COUNT * 8 <= 3 * (1 << 10), "CICS index load");
static_assert(ORV_INTRINSIC_FUNCTION_COUNT * 8 <= 3 * (1 << 7), "function index load");

// The length of the longest operator text of both tables.
constexpr int LongestOperator() {
  int longest = 0;
#define ORV_COBOL_OPERATOR(Text, Code) \
  if (static_cast<int>(sizeof(Text)) - 1 > longest) longest = static_cast<int>(sizeof(Text)) - 1;
#define ORV_SQL_OPERATOR(Text, Code) ORV_COBOL_OPERATOR(Text, Code)
#include "OrvOperators.def"
  return longest;
}
static_assert(LongestOperator() <= ORV_MAX_OPERATOR_CHARS, "an operator text is longer than the look-up allows");

// Operators by first character: for each byte, the rows (index + 1, 0 for
// none) of the operators that begin with it.  No table has more than three
// operators with the same first character.
struct OperatorIndex {
  static const int kPerChar = 3;
  std::uint8_t rows[256][kPerChar];

  void Build(const OrvOperator* table) {
    for (int r = 0; table[r].code != 0; ++r) {
      std::uint8_t* slot = rows[static_cast<unsigned char>(table[r].text[0])];
      int k = 0;
      while (k < kPerChar - 1 && slot[k] != 0) ++k;
      slot[k] = static_cast<std::uint8_t>(r + 1);
    }
  }

  // Whether the operator text (NUL-padded) is exactly the `n` characters
  // at s, n at most ORV_MAX_OPERATOR_CHARS: compared inline, as most words
  // of three characters or fewer are looked up here.
  static bool SameOperator(const char* text, const char* s, int n) {
    for (int k = 0; k < n; ++k)
      if (text[k] != s[k]) return false;
    return text[n] == '\0';
  }

  int Find(const OrvOperator* table, const char* s, int n) const {
    if (s == nullptr || n <= 0 || n > ORV_MAX_OPERATOR_CHARS) return 0;
    const std::uint8_t* slot = rows[static_cast<unsigned char>(s[0])];
    for (int k = 0; k < kPerChar && slot[k] != 0; ++k) {
      const OrvOperator& op = table[slot[k] - 1];
      if (SameOperator(op.text, s, n)) return op.code;
    }
    return 0;
  }
};

// Reserved-word codes lie in 258..1133; the printers ask for the word of a
// code.
const int kMaxCobolCode = 1133;

bool gStarted = false;
WordIndex<12> gCobol;
WordIndex<10> gSql;
WordIndex<10> gCics;
WordIndex<7> gFunctions;
OperatorIndex gCobolOps;
OperatorIndex gSqlOps;
const char* gCobolWordOfCode[kMaxCobolCode + 1];

void EnsureStarted() {
  if (!gStarted) OrvLexerStartUp();
}

const char* CobolWordOfCode(int code) {
  return code >= 0 && code <= kMaxCobolCode ? gCobolWordOfCode[code] : nullptr;
}

const char* SqlWordOfCode(int code) {
  int i = code - ORV_SQL_FIRST_CODE;
  return i >= 0 && i < ORV_SQL_KEYWORD_COUNT ? OrvSqlKeywords[i] : nullptr;
}

const char* CicsWordOfCode(int code) {
  int i = code - ORV_CICS_FIRST_CODE;
  return i >= 0 && i < ORV_CICS_KEYWORD_COUNT ? OrvCicsKeywords[i] : nullptr;
}

}  // namespace

void OrvLexerStartUp() {
  if (gStarted) return;
  for (int i = 0; OrvCobolKeywords[i].word != nullptr; ++i) {
    gCobol.Add(OrvCobolKeywords[i].word, i);
    const int code = OrvCobolKeywords[i].code;
    // The first row of a code is its word, as a scan from the top finds it.
    if (code >= 0 && code <= kMaxCobolCode && gCobolWordOfCode[code] == nullptr)
      gCobolWordOfCode[code] = OrvCobolKeywords[i].word;
  }
  for (int i = 0; OrvSqlKeywords[i] != nullptr; ++i) gSql.Add(OrvSqlKeywords[i], i);
  for (int i = 0; OrvCicsKeywords[i] != nullptr; ++i) gCics.Add(OrvCicsKeywords[i], i);
  for (int i = 0; OrvIntrinsicFunctions[i].name != nullptr; ++i)
    gFunctions.Add(OrvIntrinsicFunctions[i].name, i);
  gCobolOps.Build(OrvCobolOperators);
  gSqlOps.Build(OrvSqlOperators);
  OrvSetTokenWordLookup(OrvTokenWordLookup{CobolWordOfCode, SqlWordOfCode, CicsWordOfCode});
  gStarted = true;
}

OrvKeyword* OrvLookupCobolKeyword(const char* word, int length) {
  EnsureStarted();
  const int row = gCobol.Find(word, length);
  return row < 0 ? nullptr : &OrvCobolKeywords[row];
}

OrvKeyword* OrvLookupCobolKeyword(const char* word, int length, unsigned hash) {
  EnsureStarted();
  const int row = gCobol.FindHashed(word, length, hash);
  return row < 0 ? nullptr : &OrvCobolKeywords[row];
}

int OrvLookupSqlKeyword(const char* word, int length) {
  EnsureStarted();
  const int row = gSql.Find(word, length);
  return row < 0 ? 0 : ORV_SQL_FIRST_CODE + row;
}

int OrvLookupCicsKeyword(const char* word, int length) {
  EnsureStarted();
  const int row = gCics.Find(word, length);
  return row < 0 ? 0 : ORV_CICS_FIRST_CODE + row;
}

const OrvIntrinsicFunction* OrvLookupIntrinsicFunction(const char* word, int length) {
  EnsureStarted();
  const int row = gFunctions.Find(word, length);
  return row < 0 ? nullptr : &OrvIntrinsicFunctions[row];
}

int OrvLookupCobolOperator(const char* text, int length) {
  EnsureStarted();
  return gCobolOps.Find(OrvCobolOperators, text, length);
}

int OrvLookupSqlOperator(const char* text, int length) {
  EnsureStarted();
  return gSqlOps.Find(OrvSqlOperators, text, length);
}
