// Tests of the text-word layers: raw words between separators, words
// continued over lines, prefixes before literals, joined words and what
// GetTextWord drops or hands on in each mode; and that reading words
// straight from the line buffer gives exactly the units of the
// unit-by-unit path of the lower layers.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "LexerTestSupport.h"
#include "TokenDump.h"

namespace {

const int kFixed = ORV_LINE_FORMAT_FIXED;
const int kFree = ORV_LINE_FORMAT_FREE;

struct WordCase {
  const char* what;
  std::string source;
  int format;
  std::function<void(OrvLexer&)> setup;  // after the lexer is opened
  bool textWords;                        // GetTextWord, else GetRawTextWord
  std::string units;                     // Show() of every unit to SEP_EOF
};

void PrintTo(const WordCase& c, std::ostream* os) { *os << c.what; }

void Nothing(OrvLexer&) {}

class WordTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(WordTest, Units) {
  const WordCase& c = GetParam();
  LexerRun run;
  run.Open(c.source, c.format);
  c.setup(run.lexer);
  EXPECT_EQ(c.units, Show(c.textWords ? run.TextWords() : run.RawWords()));
  EXPECT_TRUE(run.rec.messages().empty()) << run.rec.Dump();
}

INSTANTIATE_TEST_SUITE_P(
    OrvLexerWords, WordTest,
    ::testing::Values(
        WordCase{"raw words between separators", Lines({AreaB("MOVE X(1) TO Y.")}), kFixed, Nothing, false,
                 "SEP_SPACE, TK_CHAR_STRING MOVE, SEP_SPACE, TK_CHAR_STRING X, SEP_LEFT_PAR, "
                 "TK_CHAR_STRING 1, SEP_RIGHT_PAR, SEP_SPACE, TK_CHAR_STRING TO, SEP_SPACE, "
                 "TK_CHAR_STRING Y, SEP_DOT, SEP_EOF"},
        WordCase{"word continued on the next line", Lines({AreaB("MOVE ABC"), ContinuationLine("DEF")}),
                 kFixed, Nothing, false,
                 "SEP_SPACE, TK_CHAR_STRING MOVE, SEP_SPACE, TK_CHAR_STRING ABCDEF, SEP_EOF"},
        WordCase{"literal prefix ends a word", Lines({AreaB("ABX'41' Z")}), kFixed, Nothing, false,
                 "SEP_SPACE, TK_CHAR_STRING AB, TK_NONNUM_LIT X'41', SEP_SPACE, TK_CHAR_STRING Z, SEP_EOF"},
        WordCase{"literal prefix at the end of a line", Lines({AreaB("MOVE X"), ContinuationLine("'41' Y")}),
                 kFixed, Nothing, false,
                 "SEP_SPACE, TK_CHAR_STRING MOVE, SEP_SPACE, TK_NONNUM_LIT X'41', SEP_SPACE, "
                 "TK_CHAR_STRING Y, SEP_EOF"},
        WordCase{"letters upper-cased, punctuation inside words", "move ab-1,5 c;d\n", kFree, Nothing,
                 false,
                 "TK_CHAR_STRING MOVE, SEP_SPACE, TK_CHAR_STRING AB-1,5, SEP_SPACE, TK_CHAR_STRING C;D, "
                 "SEP_EOF"},
        WordCase{"NetCobol EXEC block keeps case", "exec sql\n", kFree,
                 [](OrvLexer& lx) {
                   lx.settings.dials = DialsOf({ORV_DIAL_NET});
                   OrvLexerProbe::ExecState(lx) = ORV_EXEC_BLOCK;
                 },
                 false, "TK_CHAR_STRING exec, SEP_SPACE, TK_CHAR_STRING sql, SEP_EOF"},
        WordCase{"spaces, commas and semicolons dropped", "A , B ; C\n", kFree, Nothing, true,
                 "TK_CHAR_STRING A, TK_CHAR_STRING B, TK_CHAR_STRING C, SEP_EOF"},
        WordCase{"parentheses stay apart outside PICTURE mode", "9(5)V99.\n", kFree, Nothing, true,
                 "TK_CHAR_STRING 9, SEP_LEFT_PAR, TK_CHAR_STRING 5, SEP_RIGHT_PAR, TK_CHAR_STRING V99, "
                 "SEP_DOT, SEP_EOF"},
        WordCase{"PICTURE mode joins parentheses and commas", "ZZ, 9(5)V99.\n", kFree,
                 [](OrvLexer& lx) { OrvLexerProbe::PictureMode(lx) = 1; }, true,
                 "TK_CHAR_STRING ZZ,, TK_CHAR_STRING 9(5)V99, SEP_DOT, SEP_EOF"},
        WordCase{"spaces are units inside EXEC blocks", "A  B\n", kFree,
                 [](OrvLexer& lx) { OrvLexerProbe::ExecState(lx) = ORV_EXEC_BLOCK; }, true,
                 "TK_CHAR_STRING A, SEP_SPACE, TK_CHAR_STRING B, SEP_EOF"},
        WordCase{"each space is a unit in NOTE paragraphs", "A  B\n", kFree,
                 [](OrvLexer& lx) { OrvLexerProbe::NoteMode(lx) = 1; }, true,
                 "TK_CHAR_STRING A, SEP_SPACE, SEP_SPACE, TK_CHAR_STRING B, SEP_EOF"}),
    CaseName<WordCase>);

TEST(OrvLexerWordsTest, PositionsOfContinuedAndJoinedWords) {
  LexerRun run;
  run.Open(Lines({AreaB("MOVE ABC"), ContinuationLine("DEF PIC 9(5)V99.")}));
  std::vector<UnitView> raw = run.RawWords();
  ASSERT_EQ("TK_CHAR_STRING ABCDEF", Show(raw[3].code, raw[3].text));
  EXPECT_EQ(1, raw[3].beg.Line());
  EXPECT_EQ(16, raw[3].beg.Column());
  EXPECT_EQ(2, raw[3].end.Line());
  EXPECT_EQ(14, raw[3].end.Column());

  run.Open(Lines({AreaB("PIC 9(5)V99.")}));
  OrvLexerProbe::PictureMode(run.lexer) = 1;
  std::vector<UnitView> words = run.TextWords();
  ASSERT_EQ("TK_CHAR_STRING PIC, TK_CHAR_STRING 9(5)V99, SEP_DOT, SEP_EOF", Show(words));
  EXPECT_EQ(15, words[1].beg.Column());
  EXPECT_EQ(22, words[1].end.Column());
}

// A 200-letter word is cut at 158 letters by the raw layer, with one
// message at the first letter dropped.
TEST(OrvLexerWordsTest, LongRawWordIsCutOnce) {
  LexerRun run;
  run.Open(std::string(200, 'L') + " X\n", kFree);
  std::vector<UnitView> raw = run.RawWords();
  ASSERT_EQ("TK_CHAR_STRING " + std::string(158, 'L') + ", SEP_SPACE, TK_CHAR_STRING X, SEP_EOF", Show(raw));
  EXPECT_EQ(200, raw[0].end.Column());
  ASSERT_EQ(1u, run.rec.size());
  EXPECT_EQ(MSG_ERR, run.rec.level(0));
  EXPECT_EQ(158, run.rec.messages()[0].posn.Column());
}

// ---------------------------------------------------------------------------
// The word layers take runs of letters, digits and hyphens and runs of spaces
// straight from the line buffer.  With the character trace on they read unit
// by unit through the lower layers instead; both ways must give the same
// tokens, positions, attached tokens and messages.

TEST(OrvLexerWordsTest, LineBufferShortcutsGiveTheUnitByUnitTokens) {
  const std::string path = std::string(LARK_TEST_DATA) + "/lexwords.cbl";
  ASSERT_TRUE(std::ifstream(path).good());
  for (OrvDials dials : {DialsOf({ORV_DIAL_ANSI85}), DialsOf({ORV_DIAL_MF}), DialsOf({ORV_DIAL_NET}),
                         DialsOf({ORV_DIAL_OSVS, ORV_DIAL_WANG})}) {
    SCOPED_TRACE(testing::Message() << "dialects " << std::hex << dials);
    const std::string fast = DumpFile(path, dials, false);
    EXPECT_NE(std::string::npos, fast.find("SEP_EOF"));
    EXPECT_EQ(DumpFile(path, dials, true), fast);
  }
}

}  // namespace
