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
#include "OrvWordIndex.h"

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

// The token name of a code, as a string ("" for a code without a name).
std::string CodeName(int code) {
  const char* name = OrvTokenCodeName(code);
  return name ? name : "";
}

// Every row's code is the one named RW_ and the word with its hyphens
// written as underscores; EXTENDED-SEARCH alone has RW_EXTEND_SEARCH.
TEST(OrvWordsTest, EveryCobolCodeIsNamedAfterItsWord) {
  for (int i = 0; OrvCobolKeywords[i].word != nullptr; ++i) {
    const OrvKeyword& row = OrvCobolKeywords[i];
    SCOPED_TRACE(row.word);
    std::string expected = "RW_" + std::string(row.word);
    for (char& c : expected)
      if (c == '-') c = '_';
    if (std::string(row.word) == "EXTENDED-SEARCH") expected = "RW_EXTEND_SEARCH";
    EXPECT_EQ(CodeName(row.code), expected);
  }
}

// The SQL and CICS words name their codes: STK_ or CTK_ and the word.
TEST(OrvWordsTest, EverySqlAndCicsCodeIsNamedAfterItsWord) {
  for (int i = 0; OrvSqlKeywords[i] != nullptr; ++i) {
    SCOPED_TRACE(OrvSqlKeywords[i]);
    EXPECT_EQ(CodeName(ORV_SQL_FIRST_CODE + i), "STK_" + std::string(OrvSqlKeywords[i]));
  }
  for (int i = 0; OrvCicsKeywords[i] != nullptr; ++i) {
    SCOPED_TRACE(OrvCicsKeywords[i]);
    EXPECT_EQ(CodeName(ORV_CICS_FIRST_CODE + i), "CTK_" + std::string(OrvCicsKeywords[i]));
  }
}

struct MaskCase {
  const char* word;
  OrvDials mask;
};

// Dialect masks of words across the table: the first and the last word of
// each mask that several words share, and words of masks of their own.
TEST(OrvWordsTest, DialectMasksOfWords) {
  const MaskCase cases[] = {
      {"ACCEPT", 0xFFD35E}, {"ZEROS", 0xFFD35E}, {"ARITHMETIC", 0x80000}, {"VALIDATE", 0x80000},
      {"ALPHABET", 0xFC8F54}, {"TRUE", 0xFC8F54}, {"ALARM", 0x40000}, {"SUBTRANSACTION", 0x40000},
      {"ACTIVATION", 0x1000000}, {"WORKING-COMMON", 0x1000000}, {"BASIS", 0x10018},
      {"SYSPUNCH", 0x10018}, {"CANCEL", 0xFED35E}, {"TEXT", 0xFED35E}, {"ALL", 0x1FFD35E},
      {"USING", 0x1FFD35E}, {"DEBUG", 0x10008}, {"UPSI-7", 0x10008}, {"CURRENT", 0x1080000},
      {"WITHIN", 0x1080000}, {"DATABASE-NAME", 0x40001}, {"VOLUME", 0x40001}, {"ACTUAL", 0x90008},
      {"SEEK", 0x90008}, {"BEGINNING", 0x90018}, {"WRITE-ONLY", 0x90018}, {"SWITCH-0", 0x1048E05},
      {"SWITCH-8", 0x1048E05}, {"BELL", 0xF8A700}, {"UNDERLINE", 0xF8A700},
      {"APPLICATION", 0x200000}, {"TIMESTAMP", 0x200000}, {"BUILD", 0x300000}, {"SHOW", 0x300000},
      {"CHAIN", 0x802600}, {"FILE-ID", 0x802600}, {"COMP-6", 0x80C000}, {"LOW", 0x80C000},
      {"FH-FCD", 0xA00}, {"NCHAR", 0xA00}, {"EXTENDED-SEARCH", 0x10000}, {"WRITE-VERIFY", 0x10000},
      {"ARGUMENT-NUMBER", 0x388E01}, {"ENVIRONMENT-VALUE", 0x388E01}, {"F", 0x1000E1D},
      {"V", 0x1000E1D}, {"DISP", 0x8}, {"REREAD", 0x8}, {"HIGH", 0xC000}, {"PRINT", 0xC000},
      {"S03", 0x10010}, {"S05", 0x10010}, {"EXCEEDS", 0x80E00}, {"NATIONAL-EDITED", 0x80E00},
      {"LEFT-JUSTIFY", 0x8A600}, {"TRAILING-SIGN", 0x8A600}, {"SKIP1", 0x98E58},
      {"SKIP3", 0x98E58}, {"LOWER", 0x808E00}, {"UPPER", 0x808E00}, {"EMPTY-CHECK", 0xB0A600},
      {"NO-ECHO", 0xB0A600}, {"GRID", 0xB88800}, {"OVERLINE", 0xB88800}, {"END-EXEC", 0xBBD35E},
      {"EXECUTE", 0xBBD35E}, {"FREE", 0x10C0000}, {"RETRIEVAL", 0x10C0000}, {"TOTALED", 0x18},
      {"C01", 0x10058}, {"RECORD-OVERFLOW", 0x80008}, {"DIM", 0x400000}, {"CYCLE", 0x800200},
      {"COMP-X", 0x800400}, {"END-CHAIN", 0x800A00}, {"CONVERSION", 0x840000},
      {"COMP-2", 0x890E18}, {"COMP-4", 0x892E58}, {"COMP-1", 0x89CE18}, {"OBJECT", 0x8C0000},
      {"BOLD", 0xC00000}, {"PREVIOUS", 0xC08600}, {"DISK", 0xC0A600}, {"COMP-5", 0xC88700},
      {"NULL", 0xC88C10}, {"COMP-3", 0xC9E358}, {"AUTO", 0xF89300}, {"EOL", 0xF8CF00},
      {"SELECTIVE", 0x1080008}, {"MODIFY", 0x18C0000},
      {"SYSIN", 0x58},  {"FIXED", 0x73D31E}, {"COMMON", 0x7C8F54}, {"BINARY", 0xFCCF54},
      {"THEN", 0xFD835C}, {"EXCLUSIVE", 0x1CC2200}, {"COPY", 0x1400000}, {"TAB", 0x80CE01},
  };
  for (const MaskCase& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(Row(c.word).mask, c.mask);
  }
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
  // The start-up installs the look-up that gives tokens their words.
  OrvLexerStartUp();
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
