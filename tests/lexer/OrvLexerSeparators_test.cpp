// Tests of the separator layer: separators and the characters that only
// sometimes are separators, runs of spaces and line breaks, inline comments,
// nonnumeric and prefixed literals with continuation and their errors, and
// the push-back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LexerTestSupport.h"

namespace {

OrvTxtPosn At(int line, int column, const LexerRun& run) {
  return OrvTxtPosn(line, column, OrvFileNameAdd(VString(run.path.c_str())));
}

const int kFixed = ORV_LINE_FORMAT_FIXED;
const int kFree = ORV_LINE_FORMAT_FREE;
const OrvDials kAnsi = DialsOf({ORV_DIAL_ANSI85});
const OrvDials kMf = DialsOf({ORV_DIAL_MF});
const OrvDials kWang = DialsOf({ORV_DIAL_WANG});

struct SepCase {
  const char* what;
  int format;
  OrvDials dials;
  std::string source;
  std::string units;
  std::vector<std::string> messages;
};

void PrintTo(const SepCase& c, std::ostream* os) { *os << c.what; }

class GetSepOrCharTest : public ::testing::TestWithParam<SepCase> {};

TEST_P(GetSepOrCharTest, Units) {
  const SepCase& c = GetParam();
  LexerRun run;
  run.Open(c.source, c.format, c.dials);
  EXPECT_EQ(c.units, Render(run.Seps()));
  std::vector<std::string> texts;
  for (const RecordedMessage& m : run.rec.messages()) texts.push_back(m.text);
  EXPECT_EQ(c.messages, texts);
}

const std::string k160(160, 'A');
const std::string k56(56, ' ');

INSTANTIATE_TEST_SUITE_P(
    OrvLexerSeparators, GetSepOrCharTest,
    ::testing::Values(
        SepCase{"comma before a space", kFixed, kAnsi, Lines({AreaA("A, B")}),
                "A{SEP_COMMA}{SEP_SPACE}B{SEP_EOF}", {}},
        SepCase{"comma between digits", kFixed, kAnsi, Lines({AreaA("1,5")}), "1,5{SEP_EOF}", {}},
        SepCase{"period, semicolon", kFixed, kAnsi, Lines({AreaA("A.B; C.")}),
                "A.B{SEP_SEMI}{SEP_SPACE}C{SEP_DOT}{SEP_EOF}", {}},
        SepCase{"period before pseudo-text", kFixed, kAnsi, Lines({AreaA("X.==")}),
                "X{SEP_DOT}{SEP_EQEQ}{SEP_EOF}", {}},
        SepCase{"equal signs", kFixed, kAnsi, Lines({AreaA("A == B = = C =")}),
                "A{SEP_SPACE}{SEP_EQEQ}{SEP_SPACE}B{SEP_SPACE}={SEP_SPACE}={SEP_SPACE}C{SEP_SPACE}={SEP_EOF}",
                {}},
        SepCase{"punctuation", kFixed, kAnsi, Lines({AreaA("A(1:2)&B")}),
                "A{SEP_LEFT_PAR}1{SEP_COLON}2{SEP_RIGHT_PAR}{SEP_AMPER}B{SEP_EOF}", {}},
        SepCase{"letters are upper-cased", kFree, kAnsi, "move a-b to x\n",
                "MOVE{SEP_SPACE}A-B{SEP_SPACE}TO{SEP_SPACE}X{SEP_EOF}", {}},
        SepCase{"spaces and line breaks are one unit", kFixed, kAnsi,
                Lines({AreaA("A   "), "", AreaB("  B")}), "A{SEP_SPACE}B{SEP_EOF}", {}},
        SepCase{"inline comment is Micro Focus only", kFixed, kAnsi, Lines({AreaA("A *> B")}),
                "A{SEP_SPACE}*>{SEP_SPACE}B{SEP_EOF}", {}},
        SepCase{"nonnumeric literals", kFixed, kAnsi, Lines({AreaA("'IT''S' \"A'B\" ''")}),
                "{TK_NONNUM_LIT 'IT''S'}{SEP_SPACE}{TK_NONNUM_LIT \"A'B\"}{SEP_SPACE}{TK_NONNUM_LIT ''}{SEP_EOF}",
                {}},
        SepCase{"prefixed literals", kFixed, kAnsi, Lines({AreaA("x'1f' N'abc' g\"Ab\" b'01' h'0a' XY")}),
                "{TK_NONNUM_LIT X'1F'}{SEP_SPACE}{TK_NONNUM_LIT N'abc'}{SEP_SPACE}{TK_NONNUM_LIT G\"Ab\"}"
                "{SEP_SPACE}{TK_NONNUM_LIT B'01'}{SEP_SPACE}{TK_NONNUM_LIT H'0A'}{SEP_SPACE}XY{SEP_EOF}",
                {}},
        SepCase{"literal longer than 160", kFree, kAnsi, "\"" + k160 + "BB\"\n",
                "{TK_NONNUM_LIT \"" + k160 + "\"}{SEP_EOF}",
                {"Nonnumeric literal is longer than 160 bytes: \"" + k160}},
        SepCase{"literal of exactly 160", kFree, kAnsi, "\"" + k160 + "\"\n",
                "{TK_NONNUM_LIT \"" + k160 + "\"}{SEP_EOF}", {}},
        SepCase{"literal passing 160 after a doubled quote", kFree, kAnsi,
                "'A''" + k160.substr(2) + "BB'\n",
                "{TK_NONNUM_LIT 'A''" + k160.substr(2) + "'}{SEP_EOF}",
                {"Nonnumeric literal is longer than 160 bytes: 'A''" + k160.substr(2)}},
        SepCase{"continued literal", kFixed, kAnsi, Lines({AreaA("VALUE \"AB"), ContinuationLine("\"CD\".")}),
                "VALUE{SEP_SPACE}{TK_NONNUM_LIT \"AB" + k56 + "CD\"}{SEP_DOT}{SEP_EOF}", {}},
        SepCase{"literal not continued", kFixed, kAnsi, Lines({AreaA("\"ABC"), AreaA("MOVE.")}),
                "{TK_NONNUM_LIT \"ABC\"}MOVE{SEP_DOT}{SEP_EOF}",
                {"Nonnumeric literal continues on the next line illegaly: \"ABC\""}},
        SepCase{"continuation line without the quote", kFixed, kAnsi,
                Lines({AreaA("\"ABC"), ContinuationLine("DEF")}),
                "{TK_NONNUM_LIT \"ABC\"}DEF{SEP_EOF}",
                {"Nonnumeric literal continues on the next line illegaly: \"ABC\""}},
        SepCase{"end of input in a literal", kFixed, kAnsi, Lines({AreaA("VALUE \"AB")}),
                "VALUE{SEP_SPACE}{TK_NONNUM_LIT \"AB}{SEP_EOF}", {"End-of-file in non-numeric literal"}},
        SepCase{"library inclusion after an open literal", kFixed, kAnsi,
                Lines({AreaA("VALUE \"AB"), "-INC MEM", AreaA("X")}),
                "VALUE{SEP_SPACE}{TK_NONNUM_LIT \"AB\"}{SEP_COPY_INC}{SEP_SPACE}X{SEP_EOF}",
                {"Nonnumeric literal continues on the next line illegaly: \"AB\""}},
        SepCase{"prefixed literal not continued", kFixed, kAnsi, Lines({AreaA("X'41"), AreaA("C")}),
                "{TK_NONNUM_LIT X'41'}C{SEP_EOF}",
                {"Hexadecimal literal continues on the next line illegaly: X'41'"}},
        SepCase{"end of input in a prefixed literal", kFixed, kAnsi, Lines({AreaA("X'41")}),
                "{TK_NONNUM_LIT X'41}{SEP_EOF}", {"End-of-file in hexadecimal literal"}},
        SepCase{"continued prefixed literal", kFixed, kAnsi, Lines({AreaA("X'41"), ContinuationLine("'42'")}),
                "{TK_NONNUM_LIT X'41" + std::string(61, ' ') + "42'}{SEP_EOF}", {}},
        SepCase{"Wang VS percent comment", kFixed, kWang, Lines({AreaA("A % REST"), AreaA("B")}),
                "A{SEP_SPACE}{SEP_SPACE}B{SEP_EOF}", {}},
        SepCase{"Wang VS skips to the quote of the next line", kFixed, kWang,
                Lines({AreaA("'AB"), AreaB("XX'CD'")}), "{TK_NONNUM_LIT 'ABCD'}{SEP_EOF}", {}}),
    CaseName<SepCase>);

TEST(OrvLexerSeparatorsTest, ContinuedLiteralPositions) {
  LexerRun run;
  run.Open(Lines({AreaA("VALUE \"AB"), ContinuationLine("\"CD\".")}));
  std::vector<UnitView> units = run.Seps();
  ASSERT_EQ(9u, units.size());
  EXPECT_EQ(TK_NONNUM_LIT, units[6].code);
  EXPECT_EQ(At(1, 13, run), units[6].beg);
  EXPECT_EQ(At(2, 15, run), units[6].end);
  EXPECT_EQ(At(2, 15, run), units[7].beg);
}

TEST(OrvLexerSeparatorsTest, EndOfInputAfterOpenLiteralCountsNoExtraLine) {
  LexerRun run;
  run.Open(Lines({AreaA("VALUE \"AB")}));
  run.Seps();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(SEP_EOF, ViewOf(run.lexer.GetSepOrChar()).code);
  EXPECT_EQ(2, run.lexer.lineCount);
}

TEST(OrvLexerSeparatorsTest, SpaceRunCarriesTheCommentLines) {
  LexerRun run;
  run.Open(Lines({AreaA("A"), CommentLine("C"), "          B"}));
  std::vector<UnitView> units = run.Seps();
  ASSERT_EQ("A{SEP_SPACE}B{SEP_EOF}", Render(units));
  EXPECT_EQ(At(3, 0, run), units[1].beg);
  EXPECT_EQ(At(3, 10, run), units[1].end);
  ASSERT_EQ(1u, units[1].attached.size());
  EXPECT_EQ("*C", units[1].attached[0].text);
}

TEST(OrvLexerSeparatorsTest, InlineCommentRidesOnTheLineBreak) {
  LexerRun run;
  run.Open(Lines({AreaA("A *> NOTE"), AreaA("B")}), kFixed, kMf);
  std::vector<UnitView> units = run.Seps();
  ASSERT_EQ("A{SEP_SPACE}{SEP_SPACE}B{SEP_EOF}", Render(units));
  const UnitView& brk = units[2];
  EXPECT_EQ(At(2, 0, run), brk.beg);
  ASSERT_EQ(1u, brk.attached.size());
  EXPECT_EQ(CM_COMMENT, brk.attached[0].code);
  EXPECT_EQ("*>  NOTE", brk.attached[0].text);
  EXPECT_EQ(At(1, 9, run), brk.attached[0].beg);
  EXPECT_EQ(At(2, 0, run), brk.attached[0].end);
}

TEST(OrvLexerSeparatorsTest, InlineCommentBeforeALibraryInclusion) {
  // The inclusion unit has no position: the comment ends after its own
  // last character.
  LexerRun run;
  run.Open(Lines({AreaA("A *> X"), "-INC MEM"}), kFixed, kMf);
  std::vector<UnitView> units = run.Seps();
  ASSERT_EQ("A{SEP_SPACE}{SEP_COPY_INC}{SEP_EOF}", Render(units));
  ASSERT_EQ(1u, units[2].attached.size());
  EXPECT_EQ("*>  X", units[2].attached[0].text);
  EXPECT_EQ(At(1, 9, run), units[2].attached[0].beg);
  EXPECT_EQ(At(1, 13, run), units[2].attached[0].end);
}

TEST(OrvLexerSeparatorsTest, SpacesStaySeparateInNoteMode) {
  LexerRun run;
  run.Open(Lines({AreaA("A  B")}));
  OrvLexerProbe::NoteMode(run.lexer) = 1;
  EXPECT_EQ("A{SEP_SPACE}{SEP_SPACE}B{SEP_EOF}", Render(run.Seps()));
}

TEST(OrvLexerSeparatorsTest, NetCobolExecBlocksKeepLowerCase) {
  const OrvDials net = DialsOf({ORV_DIAL_NET});
  LexerRun run;
  run.Open(Lines({AreaA("ab 'c'")}), kFixed, net);
  OrvLexerProbe::ExecState(run.lexer) = 2;
  EXPECT_EQ("ab{SEP_SPACE}{TK_NONNUM_LIT 'c'}{SEP_EOF}", Render(run.Seps()));
  LexerRun outside;
  outside.Open(Lines({AreaA("ab")}), kFixed, net);
  EXPECT_EQ("AB{SEP_EOF}", Render(outside.Seps()));
}

TEST(OrvLexerSeparatorsTest, PushBack) {
  LexerRun run;
  run.Open(Lines({AreaA("A. B")}));
  OrvTokenGroup* a = run.lexer.GetSepOrChar();
  run.lexer.UnGetSepOrChar(a);
  EXPECT_TRUE(run.lexer.SepSlotFull());
  EXPECT_EQ('A', ViewOf(run.lexer.GetSepOrChar()).code);
  UnitView dot = ViewOf(run.lexer.GetSepOrChar());
  EXPECT_EQ(SEP_DOT, dot.code);
  run.lexer.UnGetSepOrChar(run.lexer.GetSepOrChar());
  run.lexer.UnGetSepOrChar(new OrvTokenGroup(new OrvToken(SEP_DOT, VString(), At(1, 8, run), At(1, 9, run))));
  ASSERT_EQ(1u, run.rec.size());
  EXPECT_EQ(MSG_TERMINAL, run.rec.level(0));
  EXPECT_EQ("OrvLexer::UnGetSepOrChar: cannot take more", run.rec.text(0));
  // The slot now holds the last unit pushed back.
  EXPECT_EQ(SEP_DOT, ViewOf(run.lexer.GetSepOrChar()).code);
  EXPECT_EQ('B', ViewOf(run.lexer.GetSepOrChar()).code);
}

}  // namespace
