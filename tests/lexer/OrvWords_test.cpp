// Tests of the word tables: their contents, the reserved-word test by
// dialect, special reserved words, un-reserving, and the SQL, CICS and
// operator lookups.
#include "OrvWords.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "OrvToken.h"

namespace {

OrvDials Only(int dialect) {
  OrvDials set = OrvNoDials();
  OrvSetDial(set, dialect);
  return set;
}

const OrvKeyword& Row(const char* word) {
  const OrvKeyword* row = OrvFindKeyword(VString(word), OrvCobolKeywords);
  EXPECT_NE(row, nullptr) << word;
  static const OrvKeyword kNone = {-1, 0, nullptr};
  return row ? *row : kNone;
}

bool Reserved(const char* word, OrvDials dials, int special = 0) {
  return OrvIsReservedKeyword(Row(word), dials, 1, special);
}

TEST(OrvWordsTest, CobolTableShape) {
  std::set<std::string> words;
  std::set<int> codes;
  std::set<OrvDials> masks;
  int n = 0;
  for (; OrvCobolKeywords[n].word != nullptr; ++n) {
    const OrvKeyword& row = OrvCobolKeywords[n];
    SCOPED_TRACE(row.word);
    EXPECT_TRUE(words.insert(row.word).second) << "word twice";
    EXPECT_TRUE(codes.insert(row.code).second) << "code twice";
    masks.insert(row.mask);
    EXPECT_GE(row.code, 258);
    EXPECT_LE(row.code, 1133);
    for (const char* p = row.word; *p; ++p)
      EXPECT_TRUE(std::isupper(static_cast<unsigned char>(*p)) || std::isdigit(static_cast<unsigned char>(*p)) || *p == '-')
          << "character " << *p;
    // No word is reserved for IDMS, and no mask has bits of no dialect.
    EXPECT_EQ(OrvGetDial(row.mask, ORV_DIAL_IDMS), 0);
    EXPECT_EQ(row.mask & 0xFC000000u, 0u);
  }
  EXPECT_EQ(n, ORV_COBOL_KEYWORD_COUNT);
  EXPECT_EQ(OrvCobolKeywords[n].code, -1);
  EXPECT_EQ(OrvCobolKeywords[n].mask, 0u);
  EXPECT_EQ(masks.size(), 144u);
}

struct CodeCase {
  const char* word;
  int code;
};

TEST(OrvWordsTest, CodesAreTheReservedWordNames) {
  const CodeCase cases[] = {
      {"ACCEPT", RW_ACCEPT},
      {"I-O-CONTROL", RW_I_O_CONTROL},
      {"EXTENDED-SEARCH", RW_EXTEND_SEARCH},
      {"END-ACCEPT", RW_END_ACCEPT},
      {"ZEROS", RW_ZEROS},
      {"TIMESTAMP", RW_TIMESTAMP},
      {"OR", RW_OR},
      {"AND", RW_AND},
      {"NOTE", RW_NOTE},
      {"UPSI-7", RW_UPSI_7},
  };
  for (const CodeCase& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(Row(c.word).code, c.code);
  }
  EXPECT_EQ(RW_EXTEND_SEARCH, 684);
  EXPECT_EQ(RW_ACCEPT, 310);
}

TEST(OrvWordsTest, CompoundNamesAreNotLookupWords) {
  for (const char* word : {"DATA-DIVISION", "NEXT-SENTENCE", "EXIT-PERFORM", "AUTHOR",
                           "DATE-WRITTEN", "REMARKS", "WHEN-COMPILED", "TALLY", "accept", "",
                           "ACCEPT "}) {
    SCOPED_TRACE(word);
    EXPECT_EQ(OrvFindKeyword(VString(word), OrvCobolKeywords), nullptr);
  }
  EXPECT_EQ(OrvFindKeyword(VString(), OrvCobolKeywords), nullptr);
}

struct ReservedCase {
  const char* word;
  OrvDials dials;
  int special;
  bool reserved;
};

TEST(OrvWordsTest, ReservedByDialect) {
  const OrvDials ansi85 = Only(ORV_DIAL_ANSI85);
  const ReservedCase cases[] = {
      {"ACCEPT", ansi85, 0, true},
      {"ALARM", ansi85, 0, false},             // Wang VS alone
      {"ALARM", Only(ORV_DIAL_WANG), 0, true},
      {"ACTIVATION", ansi85, 0, false},        // DMS DML alone
      {"ACTIVATION", Only(ORV_DIAL_DML), 0, true},
      {"ARITHMETIC", Only(ORV_DIAL_FSC), 0, true},  // Fujitsu Cobol-85 alone
      {"ARITHMETIC", Only(ORV_DIAL_MF), 0, false},
      {"BASIS", Only(ORV_DIAL_DOSVS), 0, true},     // the IBM dialects
      {"BASIS", Only(ORV_DIAL_VSII), 0, true},
      {"BASIS", ansi85, 0, false},
      {"ALL", Only(ORV_DIAL_DML), 0, true},
      {"ACCEPT", Only(ORV_DIAL_DML), 0, false},
      // A mask with one bit of a wide field reserves the word for the whole
      // dialect, and a set with any bit of the field holds the dialect.
      {"ACCEPT", 0x200, 0, true},
      {"ACCEPT", 0x800, 0, true},
      {"ACCEPT", Only(ORV_DIAL_SAA), 0, true},
      {"COMP-X", Only(ORV_DIAL_MF), 0, true},  // 0x800400
      {"COMP-X", 0x200, 0, true},
      // Bits of no dialect reserve nothing.
      {"ACCEPT", 0xFC000001u, 0, false},
      {"ACCEPT", OrvNoDials(), 1, false},
      {"ACCEPT", ansi85 | Only(ORV_DIAL_IDMS), 0, true},
  };
  for (const ReservedCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.word << " in " << std::hex << c.dials);
    EXPECT_EQ(Reserved(c.word, c.dials, c.special), c.reserved);
  }
}

TEST(OrvWordsTest, WithIdmsAloneEveryWordIsAUserWord) {
  const OrvDials idms = Only(ORV_DIAL_IDMS);
  for (int i = 0; OrvCobolKeywords[i].word != nullptr; ++i) {
    SCOPED_TRACE(OrvCobolKeywords[i].word);
    EXPECT_FALSE(OrvIsReservedKeyword(OrvCobolKeywords[i], idms, 1, 1));
  }
}

TEST(OrvWordsTest, NothingIsReservedWhileTheLookupIsOff) {
  for (int i = 0; OrvCobolKeywords[i].word != nullptr; ++i) {
    SCOPED_TRACE(OrvCobolKeywords[i].word);
    EXPECT_FALSE(OrvIsReservedKeyword(OrvCobolKeywords[i], OrvAllDials(), 0, 1));
  }
}

TEST(OrvWordsTest, SpecialWordsAreReservedOnlyWhileSpecialWordsAreOn) {
  const std::set<std::string> special = {
      "ARGUMENT-NUMBER", "ARGUMENT-VALUE", "ASCII", "CALL-CONVENTION", "COMMAND-LINE",
      "DATABASE-NAME", "EBCDIC", "ENVIRONMENT-NAME", "ENVIRONMENT-VALUE", "EXTENT", "F",
      "FILE-CLASS", "FILENAME", "FORMFEED", "LIBRARY", "PRINT-CLASS", "RECOVERY-BLOCKS",
      "RECOVERY-STATUS", "S", "SWITCH", "SWITCH-0", "SWITCH-1", "SWITCH-2", "SWITCH-3",
      "SWITCH-4", "SWITCH-5", "SWITCH-6", "SWITCH-7", "SWITCH-8", "TAB", "U", "V", "VOLUME"};
  ASSERT_EQ(special.size(), 33u);
  int marked = 0;
  for (int i = 0; OrvCobolKeywords[i].word != nullptr; ++i) {
    const OrvKeyword& row = OrvCobolKeywords[i];
    SCOPED_TRACE(row.word);
    bool isSpecial = (row.mask & ORV_SPECIAL_WORD_BIT) != 0;
    EXPECT_EQ(isSpecial, special.count(row.word) == 1);
    if (!isSpecial) continue;
    ++marked;
    EXPECT_FALSE(OrvIsReservedKeyword(row, OrvAllDials(), 1, 0));
    EXPECT_TRUE(OrvIsReservedKeyword(row, OrvAllDials(), 1, 1));
  }
  EXPECT_EQ(marked, 33);
  // ASCII is reserved in Micro Focus only while special words are on, and
  // never in a dialect its mask lacks.
  EXPECT_FALSE(Reserved("ASCII", Only(ORV_DIAL_MF), 0));
  EXPECT_TRUE(Reserved("ASCII", Only(ORV_DIAL_MF), 1));
  EXPECT_FALSE(Reserved("ASCII", Only(ORV_DIAL_ANSI74), 1));
}

TEST(OrvWordsTest, UnreservingHoldsForLaterLookups) {
  OrvKeyword* next = OrvFindKeyword(VString("NEXT"), OrvCobolKeywords);
  ASSERT_NE(next, nullptr);
  const OrvDials saved = next->mask;
  std::vector<OrvDials> before;
  for (int i = 0; OrvCobolKeywords[i].word != nullptr; ++i) before.push_back(OrvCobolKeywords[i].mask);

  VString words[3] = {VString("next"), VString("no-such-word"), VString()};
  OrvUnreserveKeywords(words, 3);
  // The words are turned to upper case in place.
  EXPECT_STREQ(words[0].text, "NEXT");
  EXPECT_STREQ(words[1].text, "NO-SUCH-WORD");
  EXPECT_EQ(words[2].text, nullptr);

  // NEXT is a user word in every dialect from now on; nothing else changed.
  EXPECT_EQ(OrvFindKeyword(VString("NEXT"), OrvCobolKeywords), next);
  EXPECT_EQ(next->mask, 0u);
  EXPECT_FALSE(OrvIsReservedKeyword(*next, OrvAllDials(), 1, 1));
  for (int i = 0; OrvCobolKeywords[i].word != nullptr; ++i) {
    if (&OrvCobolKeywords[i] == next) continue;
    EXPECT_EQ(OrvCobolKeywords[i].mask, before[i]) << OrvCobolKeywords[i].word;
  }
  // Un-reserving again changes nothing.
  OrvUnreserveKeywords(words, 1);
  EXPECT_EQ(next->mask, 0u);
  OrvUnreserveKeywords(nullptr, 5);

  next->mask = saved;  // other tests of this process expect the table as built
}

TEST(OrvWordsTest, SqlAndCicsCodesFollowTheirLists) {
  int n = 0;
  while (OrvSqlKeywords[n] != nullptr) ++n;
  EXPECT_EQ(n, ORV_SQL_KEYWORD_COUNT);
  n = 0;
  while (OrvCicsKeywords[n] != nullptr) ++n;
  EXPECT_EQ(n, ORV_CICS_KEYWORD_COUNT);

  const CodeCase sql[] = {{"ABSOLUTE", STK_ABSOLUTE}, {"BETWEEN", STK_BETWEEN},
                          {"AUTOCOMMIT", STK_AUTOCOMMIT}, {"INCLUDE", STK_INCLUDE},
                          {"ZONE", STK_ZONE}, {"END_EXEC", STK_END_EXEC},
                          {"between", 0}, {"WITH_HOLD", 0}, {"", 0}};
  for (const CodeCase& c : sql) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(OrvSqlKeywordCode(VString(c.word)), c.code);
  }
  EXPECT_EQ(STK_ABSOLUTE, 1161);
  EXPECT_EQ(OrvSqlKeywordCode(VString("BETWEEN")), 1161 + 17);

  const CodeCase cics[] = {{"ABCODE", CTK_ABCODE}, {"PF10", CTK_PF10}, {"PF2", CTK_PF2},
                           {"YYYYMMDD", CTK_YYYYMMDD}, {"abcode", 0}, {"SELECT", 0}};
  for (const CodeCase& c : cics) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(OrvCicsKeywordCode(VString(c.word)), c.code);
  }
  EXPECT_EQ(OrvCicsKeywordCode(VString("ABCODE")), 1414);
  EXPECT_EQ(OrvCicsKeywordCode(VString("YYYYMMDD")), 1733);
}

TEST(OrvWordsTest, Operators) {
  const CodeCase cobol[] = {{"+", OP_PLUS}, {"-", OP_MINUS}, {"*", OP_MUL}, {"**", OP_EXP},
                            {"/", OP_DIV},  {"=", OP_EQ},    {">", OP_GT},  {">=", OP_GE},
                            {"<", OP_LT},   {"<=", OP_LE},   {"<>", OP_NE}, {"==", 0},
                            {"%", 0},       {"", 0}};
  for (const CodeCase& c : cobol) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(OrvFindOperator(VString(c.word), OrvCobolOperators), c.code);
  }
  const CodeCase sql[] = {{"\xAC", ST_RIGHT_ANGLE}, {"[", ST_LEFT_BRK}, {"]", ST_RIGHT_BRK},
                          {",", ST_COMMA},  {".", ST_DOT},   {":", ST_COLON},  {";", ST_SEMI},
                          {"+", ST_PLUS},   {"-", ST_MINUS}, {"*", ST_STAR},   {"/", ST_SLASH},
                          {"%", ST_PERC},   {"?", ST_QMARK}, {"|", ST_VERT},   {"=", ST_EQ},
                          {">", ST_GT},     {"<", ST_LT},    {"<>", 0},        {"**", 0}};
  for (const CodeCase& c : sql) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(OrvFindOperator(VString(c.word), OrvSqlOperators), c.code);
  }
  int rows = 0;
  while (OrvCobolOperators[rows].code != 0) ++rows;
  EXPECT_EQ(rows, 11);
  rows = 0;
  while (OrvSqlOperators[rows].code != 0) ++rows;
  EXPECT_EQ(rows, 17);
  EXPECT_EQ(OP_EXP, 433);
  EXPECT_EQ(ST_RIGHT_ANGLE, 1158);
}

TEST(OrvWordsTest, TokensShowTheWordsOfTheTables) {
  struct TextCase {
    int code;
    const char* text;
  };
  const TextCase cases[] = {
      {RW_ACCEPT, "ACCEPT"},         {RW_EXTEND_SEARCH, "EXTENDED-SEARCH"},
      {RW_I_O_CONTROL, "I-O-CONTROL"}, {STK_BETWEEN, "BETWEEN"},
      {STK_ABSOLUTE, "ABSOLUTE"},    {STK_ZONE, "ZONE"},
      {CTK_ABCODE, "ABCODE"},        {CTK_YYYYMMDD, "YYYYMMDD"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.text);
    OrvToken token(c.code, VString(), OrvTxtPosn(), OrvTxtPosn());
    VString text = token.Text();
    ASSERT_NE(text.text, nullptr);
    EXPECT_STREQ(text.text, c.text);
  }
  // A reserved-word code outside the lookup table has no word.
  OrvToken compound(RW_DATA_DIVISION, VString(), OrvTxtPosn(), OrvTxtPosn());
  EXPECT_STREQ(compound.Text().text, "DATA_DIVISION");
  OrvToken tally(RW_TALLY, VString(), OrvTxtPosn(), OrvTxtPosn());
  EXPECT_STREQ(tally.Text().text, "RW_TALLY");
}

}  // namespace
