// Tests of the line layer: reading and normalising physical lines, the
// source formats, the classification of lines (code, blank, comment,
// library inclusion, end), the line directives, listing-control lines,
// comment entries and the counters of lines and lines of code.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "LexerTestSupport.h"

namespace {

// One GetLine result: "<code>@<line>|<text>", the code as 0 (code), B
// (blank), C (comment), I (library inclusion) or E (end).
std::string LineView(OrvLexer& lexer, int code) {
  std::string c = code == ORV_LINE_OF_CODE ? "0"
                  : code == CM_BLANK_LINE  ? "B"
                  : code == CM_COMMENT     ? "C"
                  : code == CM_LIBR_INC    ? "I"
                  : code == SEP_EOF        ? "E"
                                           : std::to_string(code);
  return c + "@" + std::to_string(lexer.LinePosn().Line()) + "|" +
         std::string(lexer.LineText(), static_cast<size_t>(lexer.LineLength()));
}

std::vector<std::string> ReadLines(OrvLexer& lexer) {
  std::vector<std::string> lines;
  for (int i = 0; i < 10000; ++i) {
    const int code = lexer.GetLine();
    lines.push_back(LineView(lexer, code));
    if (code == SEP_EOF) return lines;
  }
  ADD_FAILURE() << "no end of input";
  return lines;
}

typedef std::vector<std::pair<int, std::string>> Messages;

Messages Recorded(const MessageRecorder& rec) {
  Messages all;
  for (const RecordedMessage& m : rec.messages()) all.push_back({m.level, m.text});
  return all;
}

struct LineCase {
  const char* what;
  int format;
  OrvDials dials;
  std::string source;
  std::vector<std::string> lines;
  Messages messages;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.what; }

const int kFixed = ORV_LINE_FORMAT_FIXED;
const int kFree = ORV_LINE_FORMAT_FREE;
const int kVar = ORV_LINE_FORMAT_VAR;
const OrvDials kAnsi = DialsOf({ORV_DIAL_ANSI85});
const OrvDials kOsvs = DialsOf({ORV_DIAL_OSVS});
const OrvDials kMf = DialsOf({ORV_DIAL_MF});
const OrvDials kRm = DialsOf({ORV_DIAL_RM});
const OrvDials kFsc = DialsOf({ORV_DIAL_FSC});

const std::string k93(93, 'A');
const std::string k300(300, 'B');
const char* const kLongWarning = "Line longer than 256 characters; the rest is ignored";

class GetLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(GetLineTest, ReadsAndClassifies) {
  const LineCase& c = GetParam();
  LexerRun run;
  run.Open(c.source, c.format, c.dials);
  EXPECT_EQ(c.lines, ReadLines(run.lexer));
  EXPECT_EQ(c.messages, Recorded(run.rec));
}

INSTANTIATE_TEST_SUITE_P(
    OrvLexerLines, GetLineTest,
    ::testing::Values(
        LineCase{"fixed keeps 72 columns", kFixed, kAnsi, "       " + k93 + "\n",
                 {"0@1|       " + k93.substr(0, 65), "E@2|"}, {}},
        LineCase{"var keeps 256 columns", kVar, kAnsi, "       " + k300 + "\n",
                 {"0@1|       " + k300.substr(0, 249), "E@2|"}, {{MSG_WARN, kLongWarning}}},
        LineCase{"free keeps 256 columns and says so once", kFree, kAnsi, k300 + "\n",
                 {"0@1|" + k300.substr(0, 256), "E@2|"}, {{MSG_WARN, kLongWarning}}},
        LineCase{"a cut of blanks loses nothing", kFree, kAnsi, k300.substr(0, 250) + std::string(30, ' ') + "\r\n",
                 {"0@1|" + k300.substr(0, 250), "E@2|"}, {}},
        LineCase{"NUL bytes become spaces", kFixed, kAnsi, std::string("       A\0B\0C\n", 13),
                 {"0@1|       A B C", "E@2|"},
                 {{MSG_WARN, "Line has 2 NULL (0x00) characters, we replace them with spaces"}}},
        LineCase{"tab stops every 8 columns", kFree, kAnsi, "AB\tC\n\tX\n",
                 {"0@1|AB      C", "0@2|        X", "E@3|"}, {}},
        LineCase{"a tab or NUL far into a line, and one on the next line only", kFree, kAnsi,
                 std::string("ABCDEFGHIJKLMNOPQRSTU\tV\nABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN\0O\n"
                             "ABCDEFGHIJKLMNO\nABCDEFGHIJKLMNOPQRSTUVWXYZABCDE\nABCDEFGHIJKLMNOPQRSTUVWXYZ\tX\n",
                             144),
                 {"0@1|ABCDEFGHIJKLMNOPQRSTU   V", "0@2|ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN O",
                  "0@3|ABCDEFGHIJKLMNO", "0@4|ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE",
                  "0@5|ABCDEFGHIJKLMNOPQRSTUVWXYZ      X", "E@6|"},
                 {{MSG_WARN, "Line has 1 NULL (0x00) characters, we replace them with spaces"}}},
        LineCase{"long runs of trailing spaces and form feeds go, inner ones stay", kFree, kAnsi,
                 "AB" + std::string(20, ' ') + "\f" + std::string(10, ' ') + "\nA\fB" + std::string(17, ' ') +
                     "\n" + std::string(16, 'C') + std::string(16, ' ') + "\n",
                 {"0@1|AB", "0@2|A\fB", "0@3|" + std::string(16, 'C'), "E@4|"}, {}},
        LineCase{"a long last line without a line feed", kFree, kAnsi,
                 "ABCDEFGHIJKLMNOP\nABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRST\t",
                 {"0@1|ABCDEFGHIJKLMNOP", "0@2|ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRST", "E@2|"}, {}},
        LineCase{"CR inside a line is a character, CR LF ends it", kFixed, kAnsi, "       A\rB\r\n",
                 {"0@1|       A\rB", "E@2|"}, {}},
        LineCase{"trailing blanks, form feeds and ^Z go", kFixed, kAnsi, "       A. \f \x1a\x1a\r\n",
                 {"0@1|       A.", "E@2|"}, {}},
        LineCase{"no final line feed: end without a line", kFixed, kAnsi, "       A.\n       B.",
                 {"0@1|       A.", "0@2|       B.", "E@2|"}, {}},
        LineCase{"#LINE sets the next line number", kFixed, kAnsi, "#LINE 70000\n       A.\n",
                 {"C@69999|#LINE 70000", "0@70000|       A.", "E@70001|"}, {}},
        LineCase{"#LINE beyond 32 bits is clamped", kFixed, kAnsi, "#LINE 99999999999\n       A.\n",
                 {"C@2147483646|#LINE 99999999999", "0@2147483647|       A.", "E@2147483647|"}, {}},
        LineCase{"-inc in any case and format", kFree, kAnsi, "-INC COPYMEM\n-inc m\n-InC\n",
                 {"I@1|-INC COPYMEM", "I@2|-inc m", "0@3|-InC", "E@4|"}, {}},
        LineCase{"-inc alone is no library inclusion", kFixed, kAnsi, "-inc      \n-Inc X\n",
                 {"B@1|-inc", "I@2|-Inc X", "E@3|"}, {}},
        LineCase{"indicator column", kFixed, kAnsi,
                 "000100*COMMENT\n000200/PAGE\n000300DDEBUG\n000400dLOWER\n123456\n\n",
                 {"C@1|000100*COMMENT", "C@2|000200/PAGE", "C@3|000300DDEBUG", "0@4|000400dLOWER",
                  "B@5|123456", "B@6|", "E@7|"},
                 {}},
        LineCase{"column 1 comment", kFixed, kAnsi, "*23456 MOVE A TO B.\n/23456 X.\n",
                 {"C@1|*23456 MOVE A TO B.", "C@2|/23456 X.", "E@3|"}, {}},
        LineCase{"no column 1 comment for RM", kFixed, kRm, "*23456 MOVE A TO B.\n",
                 {"0@1|*23456 MOVE A TO B.", "E@2|"}, {}},
        LineCase{"free-format indicators", kFree, kAnsi, "* C\n/ P\nD MOVE\nd\nDATA.\n\n",
                 {"C@1|* C", "C@2|/ P", "C@3|D MOVE", "0@4|d", "0@5|DATA.", "B@6|", "E@7|"}, {}},
        LineCase{"END-OF-LIB", kFixed, kAnsi, "END-OF-LIB\n END-OF-LIB\n",
                 {"C@1|*ND-OF-LIB", "0@2| END-OF-LIB", "E@3|"}, {}},
        LineCase{"Fujitsu @ lines", kFixed, kFsc, "       @OPTIONS MAIN\n       A.\n",
                 {"C@1|       @OPTIONS MAIN", "0@2|       A.", "E@3|"}, {}},
        LineCase{"@ is code elsewhere", kFixed, kAnsi, "       @OPTIONS MAIN\n",
                 {"0@1|       @OPTIONS MAIN", "E@2|"}, {}},
        LineCase{"CBL before the first line of code", kFixed, kOsvs,
                 "       CBL APOST\n       PROCESS X\n       ID DIVISION.\n       CBL APOST\n"
                 "       *CBL NOSOURCE\n       EJECT\n",
                 {"C@1|       CBL APOST", "C@2|       PROCESS X", "0@3|       ID DIVISION.",
                  "0@4|       CBL APOST", "C@5|       *CBL NOSOURCE", "C@6|       EJECT", "E@7|"},
                 {}},
        LineCase{"listing control is code in ANSI-85", kFixed, kAnsi, "       CBL APOST\n       EJECT\n",
                 {"0@1|       CBL APOST", "0@2|       EJECT", "E@3|"}, {}},
        LineCase{"TITLE and SKIP in Micro Focus", kFixed, kMf, "       TITLE 'X'\n       SKIP2\n       CBL\n",
                 {"C@1|       TITLE 'X'", "C@2|       SKIP2", "0@3|       CBL", "E@4|"}, {}}),
    CaseName<LineCase>);

TEST(OrvLexerLinesTest, DebuggingLinesWhenSwitchedOn) {
  for (int format : {kFixed, kFree}) {
    LexerRun run;
    run.Open(format == kFixed ? "000300DMOVE A TO B.\n" : "D MOVE A TO B.\n", format);
    run.lexer.switches.debuggingLines = 1;
    EXPECT_EQ((std::vector<std::string>{format == kFixed ? "0@1|000300 MOVE A TO B."
                                                         : "0@1|  MOVE A TO B.",
                                        "E@2|"}),
              ReadLines(run.lexer));
  }
}

TEST(OrvLexerLinesTest, FileDirectiveRenamesTheLevel) {
  LexerRun run;
  run.Open("#FILE \"a b.cbl\" x\n       A.\n#FILE other.cbl rest\n");
  EXPECT_EQ(ORV_LINE_FORMAT_FIXED, run.lexer.settings.lineFormat);
  EXPECT_EQ(CM_COMMENT, run.lexer.GetLine());
  EXPECT_EQ("a b.cbl", Str(run.lexer.CurrentFileName()));
  EXPECT_EQ(ORV_LINE_OF_CODE, run.lexer.GetLine());
  EXPECT_EQ(CM_COMMENT, run.lexer.GetLine());
  EXPECT_EQ("other.cbl", Str(run.lexer.CurrentFileName()));
}

TEST(OrvLexerLinesTest, EndOfInputIsAnsweredAgainUncounted) {
  struct {
    const char* source;
    int lines;
  } cases[] = {{"       A.\n", 2}, {"       A.", 1}, {"", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    LexerRun run;
    run.Open(c.source);
    int code;
    do code = run.lexer.GetLine();
    while (code != SEP_EOF);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(SEP_EOF, run.lexer.GetLine());
    EXPECT_EQ(c.lines, run.lexer.lineCount);
  }
}

TEST(OrvLexerLinesTest, ProgressCallBackEveryIntervalLines) {
  static std::vector<int> calls;
  calls.clear();
  LexerRun run;
  run.lexer.settings.progressInterval = 2;
  run.lexer.settings.progressCallBack = [](const OrvTxtPosn* p, const VString* text) {
    calls.push_back(p->Line());
    EXPECT_EQ(0, text->length);
  };
  run.Open(Lines({AreaA("A."), AreaA("B."), AreaA("C."), AreaA("D."), AreaA("E.")}));
  ReadLines(run.lexer);
  EXPECT_EQ((std::vector<int>{2, 4, 6}), calls);
}

TEST(OrvLexerLinesTest, ProgramIdComments) {
  struct {
    std::string line;
    std::string expected;
  } cases[] = {
      {AreaA("PROGRAM-ID. P1 IS INITIAL."), AreaA("PROGRAM-ID. P1.") + std::string(72 - 22, ' ')},
      {AreaA("PROGRAM-ID.   MAIN-2."), AreaA("PROGRAM-ID.   MAIN-2.") + std::string(72 - 28, ' ')},
      {AreaA("PROGRAM-ID. P1"), AreaA("PROGRAM-ID. P1")},
      // A literal program name is no word: the line stays as it is.
      {AreaA("PROGRAM-ID. 'P1'."), AreaA("PROGRAM-ID. 'P1'.")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    LexerRun run;
    run.lexer.settings.progidComments = 1;
    run.Open(c.line + "\n");
    EXPECT_EQ(ORV_LINE_OF_CODE, run.lexer.GetLine());
    EXPECT_EQ(c.expected, std::string(run.lexer.LineText(), static_cast<size_t>(run.lexer.LineLength())));
  }
  LexerRun off;
  off.Open(AreaA("PROGRAM-ID. P1 IS INITIAL.") + "\n");
  off.lexer.GetLine();
  EXPECT_EQ(AreaA("PROGRAM-ID. P1 IS INITIAL."), off.lexer.LineText());
}

struct EntryCase {
  const char* what;
  int format;
  OrvDials dials;
  std::vector<std::string> source;
  std::vector<std::string> codes;  // one letter per line: 0 code, C comment
  Messages messages;
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.what; }

class CommentEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(CommentEntryTest, LinesAfterTheHeader) {
  const EntryCase& c = GetParam();
  LexerRun run;
  std::string source;
  for (const std::string& l : c.source) source += l + "\n";
  run.Open(source, c.format, c.dials);
  std::vector<std::string> codes;
  for (size_t i = 0; i < c.source.size(); ++i) {
    const int code = run.lexer.GetLine();
    codes.push_back(code == ORV_LINE_OF_CODE ? "0" : code == CM_COMMENT ? "C" : std::to_string(code));
    if (code == CM_COMMENT) {
      // A comment entry is marked as a comment line in its indicator column.
      EXPECT_EQ('*', run.lexer.LineText()[c.format == kFree ? 0 : 6]) << run.lexer.LineText();
    }
  }
  EXPECT_EQ(c.codes, codes);
  EXPECT_EQ(c.messages, Recorded(run.rec));
}

const std::string kWide = std::string(11, ' ') + std::string(245, 'X');

INSTANTIATE_TEST_SUITE_P(
    OrvLexerLines, CommentEntryTest,
    ::testing::Values(
        EntryCase{"AUTHOR then Area B lines", kFixed, kAnsi,
                  {AreaA("IDENTIFICATION DIVISION."), AreaA("PROGRAM-ID. P."), AreaA("AUTHOR. ME."),
                   AreaB("SOME TEXT."), AreaB("MORE."), AreaA("XYZ."), AreaA("ENVIRONMENT DIVISION.")},
                  {"0", "0", "C", "C", "C", "0", "0"},
                  {}},
        EntryCase{"OSVS ends entries at division headers only", kFixed, kOsvs,
                  {AreaA("DATE-WRITTEN. TODAY."), AreaA("XYZ."), AreaA("PROGRAM-ID. P.")},
                  {"C", "C", "0"},
                  {}},
        EntryCase{"header outside Area A", kFixed, kAnsi,
                  {AreaB("AUTHOR. ME."), AreaB("ME TOO.")},
                  {"C", "C"},
                  {{MSG_WARN, "Identification division section header 'AUTHOR.' appears at position 11"}}},
        EntryCase{"REMARKS in the PROCEDURE DIVISION is code", kFixed, kAnsi,
                  {AreaA("PROCEDURE DIVISION."), AreaA("REMARKS."), AreaB("DISPLAY 'X'.")},
                  {"0", "0", "0"},
                  {}},
        EntryCase{"ACCEPT FROM DATE in the PROCEDURE DIVISION is code", kFixed, kAnsi,
                  {AreaA("PROCEDURE DIVISION."), AreaB("ACCEPT D FROM"), AreaB("DATE YYYYMMDD.")},
                  {"0", "0", "0"},
                  {}},
        EntryCase{"a second program has entries again", kFixed, kAnsi,
                  {AreaA("PROCEDURE DIVISION."), AreaA("ID DIVISION."), AreaA("SECURITY. NONE."),
                   AreaB("AT ALL.")},
                  {"0", "0", "C", "C"},
                  {}},
        EntryCase{"free format shifts the line for its mark", kFree, kAnsi,
                  {"AUTHOR. ME.", kWide, "PROGRAM-ID. P."},
                  {"C", "C", "0"},
                  {}}),
    CaseName<EntryCase>);

TEST(OrvLexerLinesTest, FreeCommentEntryOfFullWidthKeepsEveryCharacter) {
  LexerRun run;
  run.Open("AUTHOR. ME.\n" + kWide + "\n", kFree);
  EXPECT_EQ(CM_COMMENT, run.lexer.GetLine());
  EXPECT_EQ(CM_COMMENT, run.lexer.GetLine());
  EXPECT_EQ(257, run.lexer.LineLength());
  EXPECT_EQ("*" + kWide, std::string(run.lexer.LineText()));
}

// Reads every separator unit and answers the counters.
std::pair<int, int> Counts(LexerRun& run) {
  run.Seps();
  return {run.lexer.lineCount, run.lexer.locCount};
}

TEST(OrvLexerLinesTest, LinesAndLinesOfCode) {
  const std::vector<std::string> program = {
      AreaA("IDENTIFICATION DIVISION."), AreaA("PROGRAM-ID. P1."), AreaA("PROCEDURE DIVISION."),
      AreaB("DISPLAY \"HI\"."), AreaB("STOP RUN.")};
  std::string withEnd;
  for (const std::string& l : program) withEnd += l + "\n";
  const std::string withoutEnd = withEnd.substr(0, withEnd.size() - 1);
  {
    LexerRun run;
    run.Open(withEnd);
    EXPECT_EQ(std::make_pair(6, 5), Counts(run));
  }
  {
    LexerRun run;
    run.Open(withoutEnd);
    EXPECT_EQ(std::make_pair(5, 5), Counts(run));
  }
  {
    // Blank and comment lines count as lines, not as lines of code.
    LexerRun run;
    run.Open(Lines({AreaA("A."), "", CommentLine("NOTE"), AreaB("B.")}));
    EXPECT_EQ(std::make_pair(5, 2), Counts(run));
  }
}

// Bytes of every value, line ends among them, in every format and with the
// directive dialect: each file reads to its end with every line counted.
TEST(OrvLexerLinesTest, BinaryInputReadsToTheEnd) {
  std::string bytes;
  unsigned state = 12345;
  for (int i = 0; i < 20000; ++i) {
    state = state * 1103515245u + 12345u;
    bytes += static_cast<char>(state >> 16);
  }
  // Lines of every kind of start: directives, literals left open, -INC.
  bytes += "\n      $IF\n\"ABC\n-INC\nX'4\n      -\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\tX\n";
  const long lineEnds = std::count(bytes.begin(), bytes.end(), '\n');
  for (int format : {kFixed, kFree, kVar}) {
    for (OrvDials dials : {kAnsi, kMf, kOsvs, DialsOf({ORV_DIAL_WANG})}) {
      SCOPED_TRACE(format);
      LexerRun run;
      run.Open(bytes, format, dials);
      run.Seps();
      EXPECT_EQ(lineEnds + 1, run.lexer.lineCount);
      EXPECT_EQ(0, run.rec.Count(MSG_SEVERE) + run.rec.Count(MSG_TERMINAL)) << run.rec.Dump();
    }
  }
}

TEST(OrvLexerLinesTest, SampleSource) {
  MessageRecorder rec;
  OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, nullptr, nullptr);
  ASSERT_EQ(ORV_OK, lexer.SetInput(VString(LARK_TEST_DATA "/sample.cbl")));
  for (int i = 0; i < 1000; ++i) {
    OrvTokenGroup* g = lexer.GetSepOrChar();
    const int code = g->token->code;
    delete g;
    if (code == SEP_EOF) break;
  }
  EXPECT_EQ(0u, rec.size()) << rec.Dump();
  // 32 lines, two of them comments, and the end of the file.
  EXPECT_EQ(33, lexer.lineCount);
  EXPECT_EQ(30, lexer.locCount);
}

TEST(OrvLexerLinesTest, TraceOfLines) {
  TraceCapture trace;
  LexerRun run;
  run.lexer.settings.traceFlags = ORV_LEX_TRACE_LINES;
  run.Open("       A.  \n");
  ReadLines(run.lexer);
  EXPECT_EQ("=GetLine: lev=1 no=1|       A.  |\n=GetLine: lev=1 no=2|<EOF>|\n", trace.text());
}

}  // namespace
