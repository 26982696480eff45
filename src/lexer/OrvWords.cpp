// The word tables (from the .def files beside this file) and their lookups.
#include "OrvWords.h"

#include "OrvToken.h"

OrvKeyword OrvCobolKeywords[ORV_COBOL_KEYWORD_COUNT + 1] = {
#define ORV_COBOL_WORD(Word, Code, Mask) {Code, Mask, Word},
#include "OrvCobolWords.def"
    {-1, 0, nullptr},
};

const char* const OrvSqlKeywords[ORV_SQL_KEYWORD_COUNT + 1] = {
#define ORV_SQL_WORD(Word, Code) Word,
#include "OrvSqlWords.def"
    nullptr,
};

const char* const OrvCicsKeywords[ORV_CICS_KEYWORD_COUNT + 1] = {
#define ORV_CICS_WORD(Word, Code) Word,
#include "OrvCicsWords.def"
    nullptr,
};

const OrvOperator OrvCobolOperators[] = {
#define ORV_COBOL_OPERATOR(Text, Code) {Code, Text},
#include "OrvOperators.def"
    {0, ""},
};

const OrvOperator OrvSqlOperators[] = {
#define ORV_SQL_OPERATOR(Text, Code) {Code, Text},
#include "OrvOperators.def"
    {0, ""},
};

namespace {

// The codes of the SQL and CICS lists must follow their order, since a code
// is computed from the index of the word.
constexpr int kSqlCodes[] = {
#define ORV_SQL_WORD(Word, Code) Code,
#include "OrvSqlWords.def"
};
constexpr int kCicsCodes[] = {
#define ORV_CICS_WORD(Word, Code) Code,
#include "OrvCicsWords.def"
};

constexpr bool CodesFollow(const int* codes, int count, int first) {
  for (int i = 0; i < count; ++i)
    if (codes[i] != first + i) return false;
  return true;
}

static_assert(sizeof(kSqlCodes) / sizeof(int) == ORV_SQL_KEYWORD_COUNT, "SQL word count");
static_assert(sizeof(kCicsCodes) / sizeof(int) == ORV_CICS_KEYWORD_COUNT, "CICS word count");
static_assert(CodesFollow(kSqlCodes, ORV_SQL_KEYWORD_COUNT, ORV_SQL_FIRST_CODE),
              "SQL word codes must follow the list order");
static_assert(CodesFollow(kCicsCodes, ORV_CICS_KEYWORD_COUNT, ORV_CICS_FIRST_CODE),
              "CICS word codes must follow the list order");

// The COBOL table has exactly its stated number of rows.
constexpr int kCobolRows = 0
#define ORV_COBOL_WORD(Word, Code, Mask) +1
#include "OrvCobolWords.def"
    ;
static_assert(kCobolRows == ORV_COBOL_KEYWORD_COUNT, "COBOL word count");

// The index of `word` in a null-ended word list, or -1.
int IndexInList(const VString& word, const char* const* list) {
  for (int i = 0; list[i] != nullptr; ++i)
    if (word == list[i]) return i;
  return -1;
}

// Token-code to word, for the token layer's printed forms.
const char* CobolWordOfCode(int code) {
  for (const OrvKeyword* row = OrvCobolKeywords; row->word != nullptr; ++row)
    if (row->code == code) return row->word;
  return nullptr;
}

const char* SqlWordOfCode(int code) {
  int i = code - ORV_SQL_FIRST_CODE;
  return i >= 0 && i < ORV_SQL_KEYWORD_COUNT ? OrvSqlKeywords[i] : nullptr;
}

const char* CicsWordOfCode(int code) {
  int i = code - ORV_CICS_FIRST_CODE;
  return i >= 0 && i < ORV_CICS_KEYWORD_COUNT ? OrvCicsKeywords[i] : nullptr;
}

// Hands the look-ups to the token layer before main runs.
struct TokenWordLookupInstaller {
  TokenWordLookupInstaller() {
    OrvSetTokenWordLookup(OrvTokenWordLookup{CobolWordOfCode, SqlWordOfCode, CicsWordOfCode});
  }
};
const TokenWordLookupInstaller kInstaller;

}  // namespace

OrvKeyword* OrvFindKeyword(const VString& word, OrvKeyword* table) {
  if (table == nullptr) return nullptr;
  for (OrvKeyword* row = table; row->word != nullptr; ++row)
    if (word == row->word) return row;
  return nullptr;
}

bool OrvIsReservedKeyword(const OrvKeyword& row, OrvDials dials, int lookupOn,
                          int specialWordsOn) {
  if (!lookupOn) return false;
  if ((row.mask & ORV_SPECIAL_WORD_BIT) != 0 && !specialWordsOn) return false;
  for (int n = 1; n <= ORV_DIALECT_COUNT; ++n)
    if (OrvGetDial(dials, n) != 0 && OrvGetDial(row.mask, n) != 0) return true;
  return false;
}

int OrvSqlKeywordCode(const VString& word) {
  int i = IndexInList(word, OrvSqlKeywords);
  return i < 0 ? 0 : ORV_SQL_FIRST_CODE + i;
}

int OrvCicsKeywordCode(const VString& word) {
  int i = IndexInList(word, OrvCicsKeywords);
  return i < 0 ? 0 : ORV_CICS_FIRST_CODE + i;
}

int OrvFindOperator(const VString& text, const OrvOperator* table) {
  if (table == nullptr) return 0;
  for (const OrvOperator* row = table; row->code != 0; ++row)
    if (text == row->text) return row->code;
  return 0;
}

void OrvUnreserveKeywords(VString* words, int count) {
  if (words == nullptr) return;
  for (int i = 0; i < count; ++i) {
    VString& word = words[i];
    for (int c = 0; c < word.length; ++c) word.text[c] = OrvToUpper(word.text[c]);
    if (OrvKeyword* row = OrvFindKeyword(word, OrvCobolKeywords)) row->mask = 0;
  }
}
