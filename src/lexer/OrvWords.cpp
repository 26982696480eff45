// The word tables (from the .def files beside this file) and their lookups.
#include "OrvWords.h"

#include "OrvToken.h"
#include "OrvWordIndex.h"

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

const OrvIntrinsicFunction OrvIntrinsicFunctions[ORV_INTRINSIC_FUNCTION_COUNT + 1] = {
#define ORV_INTRINSIC_FUNCTION(Name, Kind) {Name, Kind},
#include "OrvFunctions.def"
    {nullptr, 0},
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

constexpr int kFunctionRows = 0
#define ORV_INTRINSIC_FUNCTION(Name, Kind) +1
#include "OrvFunctions.def"
    ;
static_assert(kFunctionRows == ORV_INTRINSIC_FUNCTION_COUNT, "intrinsic function count");

}  // namespace

OrvKeyword* OrvFindKeyword(const VString& word, OrvKeyword* table) {
  if (table == nullptr) return nullptr;
  if (table == OrvCobolKeywords) return OrvLookupCobolKeyword(word.text, word.length);
  for (OrvKeyword* row = table; row->word != nullptr; ++row)
    if (word == row->word) return row;
  return nullptr;
}

bool OrvIsReservedKeyword(const OrvKeyword& row, OrvDials dials, int lookupOn,
                          int specialWordsOn) {
  if (!lookupOn) return false;
  if ((row.mask & ORV_SPECIAL_WORD_BIT) != 0 && !specialWordsOn) return false;
  return (row.mask & OrvExpandDials(dials)) != 0;
}

int OrvSqlKeywordCode(const VString& word) { return OrvLookupSqlKeyword(word.text, word.length); }

int OrvCicsKeywordCode(const VString& word) { return OrvLookupCicsKeyword(word.text, word.length); }

int OrvFindOperator(const VString& text, const OrvOperator* table) {
  if (table == nullptr) return 0;
  if (table == OrvCobolOperators) return OrvLookupCobolOperator(text.text, text.length);
  if (table == OrvSqlOperators) return OrvLookupSqlOperator(text.text, text.length);
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
