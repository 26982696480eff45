// Tests of the character layer: characters with their exact positions, line
// breaks, continuation lines, unknown indicators, comment and blank lines
// attached to the next unit, library-inclusion lines and the push-back.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "LexerTestSupport.h"
#include "OrvExprOper.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"

namespace {

OrvTxtPosn At(int line, int column, const LexerRun& run) {
  return OrvTxtPosn(line, column, OrvFileNameAdd(VString(run.path.c_str())));
}

struct CharCase {
  const char* what;
  int format;
  std::string source;
  std::string units;
  std::vector<std::string> messages;
};

void PrintTo(const CharCase& c, std::ostream* os) { *os << c.what; }

class GetCharABTest : public ::testing::TestWithParam<CharCase> {};

TEST_P(GetCharABTest, Units) {
  const CharCase& c = GetParam();
  LexerRun run;
  run.Open(c.source, c.format);
  EXPECT_EQ(c.units, Render(run.Chars()));
  std::vector<std::string> texts;
  for (const RecordedMessage& m : run.rec.messages()) texts.push_back(m.text);
  EXPECT_EQ(c.messages, texts);
}

const int kFixed = ORV_LINE_FORMAT_FIXED;
const int kFree = ORV_LINE_FORMAT_FREE;

INSTANTIATE_TEST_SUITE_P(
    OrvLexerChars, GetCharABTest,
    ::testing::Values(
        CharCase{"first line a continuation", kFixed, Lines({ContinuationLine("ABC")}), "ABC{SEP_EOF}",
                 {"There is no line to be continued"}},
        CharCase{"continued word", kFixed, Lines({AreaB("MOVE ABC"), ContinuationLine("DEF")}),
                 "    MOVE ABCDEF{SEP_EOF}", {}},
        CharCase{"unknown indicators warn at each change", kFixed,
                 Lines({FixedLine("A", "", 'X'), FixedLine("B", "", 'X'), FixedLine("C", "", 'Y'),
                        FixedLine("D", "", 'X')}),
                 "A{SEP_SPACE}B{SEP_SPACE}C{SEP_SPACE}D{SEP_EOF}",
                 {"Unrecognized character 'X' in indicator area.", "Unrecognized character 'Y' in indicator area.",
                  "Unrecognized character 'X' in indicator area."}},
        CharCase{"lower-case d indicator", kFixed, "123456dtext\n", "text{SEP_EOF}",
                 {"Unrecognized character 'd' in indicator area."}},
        CharCase{"empty continuation line reads the next line", kFixed,
                 Lines({AreaA("AB"), "      -", AreaA("CD")}), "AB{SEP_SPACE}CD{SEP_EOF}", {}},
        CharCase{"first line of seven characters", kFixed, Lines({"      X", AreaA("AB")}),
                 "{SEP_SPACE}AB{SEP_EOF}", {"Unrecognized character 'X' in indicator area."}},
        CharCase{"fixed line of 100 characters", kFixed, "       " + std::string(93, 'Q') + "\n",
                 std::string(65, 'Q') + "{SEP_EOF}", {}},
        CharCase{"free line of 256 characters is read once", kFree, std::string(256, 'F') + "\n",
                 std::string(256, 'F') + "{SEP_EOF}", {}},
        CharCase{"free continuation", kFree, "MOVE AB\n-CD\n", "MOVE ABCD{SEP_EOF}", {}},
        CharCase{"free line break", kFree, "MOVE\nTO\n", "MOVE{SEP_SPACE}TO{SEP_EOF}", {}}),
    CaseName<CharCase>);

TEST(OrvLexerCharsTest, PositionsOfCharactersAndBreaks) {
  LexerRun run;
  run.Open(Lines({AreaA("MOVE A TO B."), "           STOP RUN."}));
  std::vector<UnitView> units = run.Chars();
  ASSERT_EQ(12u + 1 + 4 + 9 + 1, units.size());
  EXPECT_EQ('M', units[0].code);
  EXPECT_EQ(At(1, 7, run), units[0].beg);
  EXPECT_EQ(At(1, 8, run), units[0].end);
  EXPECT_EQ('.', units[11].code);
  EXPECT_EQ(At(1, 18, run), units[11].beg);
  EXPECT_EQ(SEP_SPACE, units[12].code);
  EXPECT_EQ("", units[12].text);
  EXPECT_EQ(At(2, 0, run), units[12].beg);
  EXPECT_EQ(At(2, 7, run), units[12].end);
  // Area A spaces come as characters; S begins in Area B.
  EXPECT_EQ(' ', units[13].code);
  EXPECT_EQ('S', units[17].code);
  EXPECT_EQ(At(2, 11, run), units[17].beg);
  EXPECT_EQ(At(2, 12, run), units[17].end);
  EXPECT_EQ(SEP_EOF, units.back().code);
  EXPECT_EQ(At(3, 0, run), units.back().beg);
}

TEST(OrvLexerCharsTest, TabsAndCarriageReturnsKeepColumns) {
  LexerRun run;
  run.Open("AB\tC\r\n", kFree);
  std::vector<UnitView> units = run.Chars();
  ASSERT_EQ(10u, units.size());
  EXPECT_EQ('C', units[8].code);
  EXPECT_EQ(At(1, 8, run), units[8].beg);
}

TEST(OrvLexerCharsTest, CommentLinesTravelWithTheNextUnit) {
  LexerRun run;
  run.Open(Lines({AreaA("MOVE A"), "", "      * note", AreaA("TO B")}));
  std::vector<UnitView> units = run.Chars();
  ASSERT_EQ("MOVE A{SEP_SPACE}TO B{SEP_EOF}", Render(units));
  const UnitView& brk = units[6];
  ASSERT_EQ(2u, brk.attached.size());
  EXPECT_EQ(CM_COMMENT, brk.attached[0].code);
  EXPECT_EQ("", brk.attached[0].text);
  EXPECT_EQ(At(2, 0, run), brk.attached[0].beg);
  EXPECT_EQ(At(3, 0, run), brk.attached[0].end);
  EXPECT_EQ(CM_COMMENT, brk.attached[1].code);
  EXPECT_EQ("* note", brk.attached[1].text);
  EXPECT_EQ(At(3, 0, run), brk.attached[1].beg);
  EXPECT_EQ(At(4, 0, run), brk.attached[1].end);
  EXPECT_EQ(At(4, 0, run), brk.beg);
  for (size_t i = 0; i < units.size(); ++i)
    if (i != 6) {
      EXPECT_TRUE(units[i].attached.empty()) << i;
    }
}

TEST(OrvLexerCharsTest, CommentTexts) {
  struct {
    int format;
    OrvDials dials;
    std::string line;
    std::string text;
  } cases[] = {
      {kFree, DialsOf({ORV_DIAL_ANSI85}), "* hello", "\xAA hello"},
      {kFree, DialsOf({ORV_DIAL_ANSI85}), "/ page", "\xAF page"},
      {kFixed, DialsOf({ORV_DIAL_ANSI85}), "000100* note", "* note"},
      {kFixed, DialsOf({ORV_DIAL_ANSI85}), "000100D debug", "D debug"},
      {kFixed, DialsOf({ORV_DIAL_ANSI85}), "*00100 col one", "\xAA" "00100 col one"},
      {kFixed, DialsOf({ORV_DIAL_ANSI85}), "#LINE 5", "\xA3LINE 5"},
      {kFixed, DialsOf({ORV_DIAL_ANSI85}), "END-OF-LIB", "\xAAND-OF-LIB"},
      {kFixed, DialsOf({ORV_DIAL_MF}), "      $IF X DEFINED", "$IF X DEFINED"},
      // A free-format directive line keeps its whole text.
      {kFree, DialsOf({ORV_DIAL_MF}), "$END", "$END"},
      {kFree, DialsOf({ORV_DIAL_OSVS}), "EJECT", "EJECT"},
      {kFixed, DialsOf({ORV_DIAL_OSVS}), "       EJECT", " EJECT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    LexerRun run;
    run.Open(c.line + "\n", c.format, c.dials);
    std::vector<UnitView> units = run.Chars();
    ASSERT_FALSE(units.empty());
    ASSERT_EQ(1u, units[0].attached.size());
    EXPECT_EQ(c.text, units[0].attached[0].text);
  }
}

TEST(OrvLexerCharsTest, BlankLineInCommentEntryIsMarked) {
  LexerRun run;
  run.Open(Lines({AreaA("AUTHOR. ME."), "", AreaA("DATA DIVISION.")}));
  std::vector<UnitView> units = run.Chars();
  ASSERT_EQ(2u, units[0].attached.size());
  EXPECT_EQ("*AUTHOR. ME.", units[0].attached[0].text);
  EXPECT_EQ("*", units[0].attached[1].text);
}

TEST(OrvLexerCharsTest, LastLineWithoutLineEnd) {
  LexerRun run;
  run.Open(AreaA("A") + "\n      * last");
  std::vector<UnitView> units = run.Chars();
  ASSERT_EQ("A{SEP_EOF}", Render(units));
  ASSERT_EQ(1u, units[1].attached.size());
  EXPECT_EQ(At(2, 0, run), units[1].attached[0].beg);
  EXPECT_EQ(At(2, 12, run), units[1].attached[0].end);
}

TEST(OrvLexerCharsTest, LibraryInclusionLine) {
  LexerRun run;
  run.Open(Lines({CommentLine("C"), "-INC COPYMEM", AreaA("A")}));
  std::vector<UnitView> units = run.Chars();
  // No ordinary line came before A, so no line break does either.
  ASSERT_EQ("{SEP_COPY_INC}A{SEP_EOF}", Render(units));
  EXPECT_FALSE(units[0].beg.IsSet());
  EXPECT_FALSE(units[0].end.IsSet());
  ASSERT_EQ(1u, units[0].attached.size());
  EXPECT_EQ("*C", units[0].attached[0].text);

  OrvExpr* stmt = run.lexer.libInclusionNode;
  ASSERT_NE(nullptr, stmt);
  EXPECT_EQ(STMT_UNINLINED_COPY, stmt->Oper());
  OrvToken* inc = stmt->HeadTokens()->First();
  ASSERT_NE(nullptr, inc);
  EXPECT_EQ(TK__INC, inc->code);
  EXPECT_EQ(At(2, 0, run), inc->begin);
  EXPECT_EQ(At(2, 4, run), inc->end);
  OrvExpr* list = stmt->Args(STMT_UNINLINED_COPY__COPY_MEMBER);
  ASSERT_NE(nullptr, list);
  EXPECT_EQ(OF_IN_LIST, list->Oper());
  ASSERT_EQ(1, list->NArgs());
  OrvExpr* name = list->Args(0);
  EXPECT_EQ(CHAR_STRING, name->Oper());
  EXPECT_EQ("COPYMEM", Str(*name->Image()));
  OrvToken* token = name->Tokens().First();
  ASSERT_NE(nullptr, token);
  EXPECT_EQ(TK_CHAR_STRING, token->code);
  EXPECT_EQ("COPYMEM", Str(token->image));
  EXPECT_EQ(At(2, 5, run), token->begin);
  EXPECT_EQ(At(2, 12, run), token->end);
  // A held node goes at Reset.
  run.lexer.Reset();
  EXPECT_EQ(nullptr, run.lexer.libInclusionNode);
}

TEST(OrvLexerCharsTest, LibraryInclusionNameAfterSpaces) {
  LexerRun run;
  run.Open("-inc    MEM2 X\n", kFree);
  run.Chars();
  ASSERT_NE(nullptr, run.lexer.libInclusionNode);
  OrvToken* token = run.lexer.libInclusionNode->Args(STMT_UNINLINED_COPY__COPY_MEMBER)->Args(0)->Tokens().First();
  EXPECT_EQ("MEM2", Str(token->image));
  EXPECT_EQ(At(1, 8, run), token->begin);
}

TEST(OrvLexerCharsTest, PushBack) {
  LexerRun run;
  run.Open(Lines({AreaA("AB")}));
  OrvTokenGroup* a = run.lexer.GetCharAB();
  EXPECT_FALSE(run.lexer.CharSlotFull());
  run.lexer.UnGetCharAB(a);
  EXPECT_TRUE(run.lexer.CharSlotFull());
  UnitView again = ViewOf(run.lexer.GetCharAB());
  EXPECT_EQ('A', again.code);
  EXPECT_EQ(At(1, 7, run), again.beg);
  run.lexer.UnGetCharAB(run.lexer.GetCharAB());
  OrvTokenGroup* extra = new OrvTokenGroup(new OrvToken(SEP_SPACE, VString(), At(1, 1, run), At(1, 2, run)));
  run.lexer.UnGetCharAB(extra);
  ASSERT_EQ(1u, run.rec.size());
  EXPECT_EQ(MSG_TERMINAL, run.rec.level(0));
  EXPECT_EQ("OrvLexer::UnGetCharAB: cannot unget", run.rec.text(0));
  EXPECT_EQ(At(1, 1, run), run.rec.messages()[0].posn);
}

TEST(OrvLexerCharsTest, TraceOfUnits) {
  TraceCapture trace;
  LexerRun run;
  run.lexer.settings.traceFlags = ORV_LEX_TRACE_CHARS;
  run.Open("X\n", kFree);
  run.lexer.UnGetCharAB(run.lexer.GetCharAB());
  const std::string text = trace.text();
  EXPECT_EQ(0u, text.find("GetCharAB: lev=1: ret ")) << text;
  EXPECT_NE(std::string::npos, text.find("\nUnGetCharAB: lev=1: ")) << text;
}

}  // namespace
