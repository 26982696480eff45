// Tests of the hashed word indexes: every word of the COBOL, SQL, CICS and
// intrinsic-function tables and every operator is found with its own row or
// code, and nothing else is (prefixes, words with a hyphen added, other
// case); the start-up may run any number of times; the expanded dialect set
// that the reserved-word test ANDs with.
#include "OrvWordIndex.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "OrvToken.h"

namespace {

// Forms of a word that no table holds unless the table holds them as words
// of their own.
std::vector<std::string> NearMisses(const std::string& word) {
  std::string lower = word;
  for (char& c : lower) c = OrvToLower(c);
  return {word.substr(0, word.size() - 1), word + "-", word + "X", lower, " " + word};
}

template <class Find>
void ExpectOnlyWordsFound(const std::set<std::string>& words, Find find) {
  for (const std::string& word : words) {
    for (const std::string& miss : NearMisses(word)) {
      if (miss.empty() || words.count(miss) != 0 || miss == word) continue;
      EXPECT_FALSE(find(miss)) << "'" << miss << "' (from " << word << ")";
    }
  }
}

TEST(OrvWordIndexTest, EveryCobolWordFindsItsRow) {
  std::set<std::string> words;
  for (int i = 0; OrvCobolKeywords[i].word != nullptr; ++i) {
    const OrvKeyword& row = OrvCobolKeywords[i];
    words.insert(row.word);
    EXPECT_EQ(&row, OrvLookupCobolKeyword(row.word, static_cast<int>(std::strlen(row.word))))
        << row.word;
    EXPECT_EQ(&row, OrvFindKeyword(VString(row.word), OrvCobolKeywords)) << row.word;
  }
  ExpectOnlyWordsFound(words, [](const std::string& w) {
    return OrvLookupCobolKeyword(w.c_str(), static_cast<int>(w.size())) != nullptr;
  });
  EXPECT_EQ(nullptr, OrvLookupCobolKeyword("", 0));
  EXPECT_EQ(nullptr, OrvLookupCobolKeyword(nullptr, 4));
  // The look-up compares the given length only: the rest of the text is not
  // part of the word.
  EXPECT_EQ(OrvFindKeyword(VString("MOVE"), OrvCobolKeywords), OrvLookupCobolKeyword("MOVED", 4));
  // Words longer than any of the table are found in none, whatever they
  // begin with.
  for (const std::string& longWord : {std::string("ALPHABETIC-LOWER") + std::string(20, 'X'), std::string(200, 'A')}) {
    EXPECT_EQ(nullptr, OrvLookupCobolKeyword(longWord.c_str(), static_cast<int>(longWord.size()))) << longWord;
    EXPECT_EQ(0, OrvLookupSqlKeyword(longWord.c_str(), static_cast<int>(longWord.size()))) << longWord;
  }
}

// Every word of a null-ended list is found with the code of its place, and
// nothing else is.
void ExpectListFound(const char* const* list, int firstCode, int (*lookup)(const char*, int)) {
  std::set<std::string> words;
  for (int i = 0; list[i] != nullptr; ++i) {
    words.insert(list[i]);
    EXPECT_EQ(firstCode + i, lookup(list[i], static_cast<int>(std::strlen(list[i])))) << list[i];
  }
  ExpectOnlyWordsFound(words, [lookup](const std::string& w) {
    return lookup(w.c_str(), static_cast<int>(w.size())) != 0;
  });
}

TEST(OrvWordIndexTest, EverySqlAndCicsWordFindsItsCode) {
  ExpectListFound(OrvSqlKeywords, ORV_SQL_FIRST_CODE, OrvLookupSqlKeyword);
  ExpectListFound(OrvCicsKeywords, ORV_CICS_FIRST_CODE, OrvLookupCicsKeyword);
}

TEST(OrvWordIndexTest, IntrinsicFunctions) {
  std::set<std::string> names;
  int n = 0;
  for (; OrvIntrinsicFunctions[n].name != nullptr; ++n) {
    const OrvIntrinsicFunction& f = OrvIntrinsicFunctions[n];
    EXPECT_TRUE(names.insert(f.name).second) << f.name;
    EXPECT_EQ(&f, OrvLookupIntrinsicFunction(f.name, static_cast<int>(std::strlen(f.name))));
  }
  EXPECT_EQ(ORV_INTRINSIC_FUNCTION_COUNT, n);
  ExpectOnlyWordsFound(names, [](const std::string& w) {
    return OrvLookupIntrinsicFunction(w.c_str(), static_cast<int>(w.size())) != nullptr;
  });
  struct KindCase {
    const char* name;
    int kind;
  };
  for (const KindCase& c : {KindCase{"CURRENT-DATE", ORV_FUNC_NO_ARGS}, KindCase{"WHEN-COMPILED", 0},
                            KindCase{"RANDOM", ORV_FUNC_SPECIAL}, KindCase{"MOD", 2}, KindCase{"REM", 2},
                            KindCase{"MAX", ORV_FUNC_ARG_LIST}, KindCase{"PRESENT-VALUE", -1},
                            KindCase{"LOG10", 1}, KindCase{"NUMVAL-C", 1}}) {
    const OrvIntrinsicFunction* f = OrvLookupIntrinsicFunction(c.name, static_cast<int>(std::strlen(c.name)));
    ASSERT_NE(nullptr, f) << c.name;
    EXPECT_EQ(c.kind, f->argKind) << c.name;
  }
}

TEST(OrvWordIndexTest, EveryOperatorFindsItsCode) {
  for (int r = 0; OrvCobolOperators[r].code != 0; ++r) {
    const OrvOperator& op = OrvCobolOperators[r];
    EXPECT_EQ(op.code, OrvLookupCobolOperator(op.text, static_cast<int>(std::strlen(op.text)))) << op.text;
  }
  for (int r = 0; OrvSqlOperators[r].code != 0; ++r) {
    const OrvOperator& op = OrvSqlOperators[r];
    EXPECT_EQ(op.code, OrvLookupSqlOperator(op.text, static_cast<int>(std::strlen(op.text)))) << op.text;
  }
  for (const char* miss : {"***", "=>", "<<", "+=", "", "a"})
    EXPECT_EQ(0, OrvLookupCobolOperator(miss, static_cast<int>(std::strlen(miss)))) << miss;
  EXPECT_EQ(0, OrvLookupSqlOperator("<>", 2));
  EXPECT_EQ(0, OrvLookupSqlOperator("**", 2));
}

// A table other than the COBOL table is still scanned, as the contract of
// OrvFindKeyword says.
TEST(OrvWordIndexTest, OtherTablesAreScanned) {
  OrvKeyword table[] = {{RW_ACCEPT, 0x4, "ACCEPT"}, {RW_MOVE, 0x4, "MOVE"}, {-1, 0, nullptr}};
  EXPECT_EQ(&table[1], OrvFindKeyword(VString("MOVE"), table));
  EXPECT_EQ(nullptr, OrvFindKeyword(VString("ADD"), table));
  const OrvOperator ops[] = {{OP_PLUS, "+"}, {OP_EXP, "**"}, {0, ""}};
  EXPECT_EQ(OP_EXP, OrvFindOperator(VString("**"), ops));
  EXPECT_EQ(0, OrvFindOperator(VString("*"), ops));
}

TEST(OrvWordIndexTest, StartUpTwiceIsStartUpOnce) {
  OrvLexerStartUp();
  const OrvKeyword* move = OrvLookupCobolKeyword("MOVE", 4);
  const int select = OrvLookupSqlKeyword("SELECT", 6);
  const char* (*cobolWord)(int) = OrvGetTokenWordLookup().cobolWord;
  OrvLexerStartUp();
  EXPECT_EQ(move, OrvLookupCobolKeyword("MOVE", 4));
  EXPECT_EQ(select, OrvLookupSqlKeyword("SELECT", 6));
  EXPECT_EQ(cobolWord, OrvGetTokenWordLookup().cobolWord);
  // The token-word look-up is installed: tokens show the words of the tables.
  EXPECT_STREQ("EXTENDED-SEARCH", OrvToken(RW_EXTEND_SEARCH, VString(), OrvTxtPosn(), OrvTxtPosn()).Text().text);
  EXPECT_STREQ("BETWEEN", OrvToken(STK_BETWEEN, VString(), OrvTxtPosn(), OrvTxtPosn()).Text().text);
  EXPECT_STREQ("ABCODE", OrvToken(CTK_ABCODE, VString(), OrvTxtPosn(), OrvTxtPosn()).Text().text);
  // Every word is found the same way after a second start-up.
  for (int i = 0; OrvCobolKeywords[i].word != nullptr; ++i)
    EXPECT_EQ(&OrvCobolKeywords[i], OrvFindKeyword(VString(OrvCobolKeywords[i].word), OrvCobolKeywords));
}

struct ExpandCase {
  OrvDials set;
  OrvDials expanded;
};

TEST(OrvWordIndexTest, ExpandedDialectSets) {
  const ExpandCase cases[] = {
      {0x0, 0x0},
      {0x1, 0x0},                // bit 0 is no dialect
      {0x4, 0x4},                // ANSI-85
      {0x10, 0x30},              // one bit of IBM VS/II fills its field
      {0x200, 0xE00},            // one bit of Micro Focus
      {0x1000, 0x3000},          // one bit of Microsoft
      {0xFFD35E, 0xFFFFFE},      // one bit of each wide field
      {0xFFFFFFFFu, 0x3FFFFFE},  // bits 26..31 belong to no dialect
  };
  for (const ExpandCase& c : cases) EXPECT_EQ(c.expanded, OrvExpandDials(c.set)) << std::hex << c.set;
}

}  // namespace
