// Tests of SourcePrint output ("gen-src"): a parsed program and its COPY
// member written back byte for byte, the member inlined between comment
// lines without a copy directory, one replaced child regenerated on its
// source line, the copying of token lists (comments, gaps, file switches)
// and the source readers that the copy reads with.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvDials.h"
#include "OrvExprOper.h"
#include "OrvPrintState.h"
#include "OrvPrettyPrinter.h"
#include "OrvSlotPrint.h"
#include "OrvSourcePrintPrep.h"
#include "OrvSrcPrintReader.h"
#include "OrvSrcPrintText.h"
#include "OrvTxtPosn.h"
#include "PrintTestSupport.h"
#include "RoundTrip.h"
#include "ScratchDir.h"

namespace {

using print_test::FindFirst;
using print_test::Printed;

const std::string kFixtureDir = std::string(LARK_TEST_DATA) + "/printer/sourceprint";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream os;
  os << in.rdbuf();
  return os.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// The fixture parsed from its own folder, so that COPY MEMB finds
// MEMB.cpy beside it.
struct FixtureParse {
  FixtureParse() : parse(kFixtureDir + "/srcprint.cbl", Settings()) {}
  static round_trip::ParseSettings Settings() {
    round_trip::ParseSettings settings;
    settings.copyDirs = {kFixtureDir};
    return settings;
  }
  MessageRecorder recorder;
  round_trip::Parse parse;
};

Printed PrintFile(OrvPrettyPrinterImpl& printer, OrvExpr* tree, const std::string& path) {
  Printed p;
  OrvTokenList messages;
  p.result = printer.PrintFile(VString(path.c_str()), tree, &messages);
  print_test::TakeMessages(messages, p);
  p.text = ReadFile(path);
  return p;
}

// A program of the fixture folder, the member it copies (null: none) and
// the dialects it is read in.
struct ProgramAndMember {
  const char* program;
  const char* member;
  int dialect = ORV_DIAL_ANSI85;
  int secondDialect = 0;
};

const ProgramAndMember kUnchangedPrograms[] = {
    // Sequence numbers, identification areas, uneven blanks, a comment line
    // between clauses, a continued literal and a COPY between entries.
    {"srcprint.cbl", "MEMB.cpy"},
    // The SPECIAL-NAMES keyword and its period stand in the program before
    // a COPY ... REPLACING whose member holds every clause and the closing
    // period: each is written to the file it came from.
    {"paragraph_in_member.cbl", "SNMEM.cpy"},
    // The ALSO between the first two names of a split key, which the parse
    // holds in front of the whole list of names.
    {"splitkey.cbl", nullptr, ORV_DIAL_MF, ORV_DIAL_OSVS},
    // A comment line inside an EXEC block of one line of tokens, which the
    // parse holds in front of the block's text.
    {"exec_comment.cbl", nullptr, ORV_DIAL_ANSI85, ORV_DIAL_OSVS},
};

// Puts in `old`'s place a new node of its operation holding its children,
// slot tokens and tail: the node did not come from the source, so it is
// regenerated from its template while its children and comments are copied.
void Renew(OrvExpr* old) {
  const int n = old->NArgs();
  OrvExpr* fresh = new OrvExprOper(old->Oper(), nullptr, n);
  for (int i = 0; i < n; ++i) {
    fresh->SlotAt(i)->tokens.Splice(old->SlotAt(i)->tokens);
    fresh->SlotAt(i)->state = old->SlotAt(i)->state;
    if (OrvExpr* child = old->DelArg(i, 0, 0)) fresh->SetArg(i, child);
  }
  fresh->Tokens().Splice(old->Tokens());
  delete old->ReplThis(fresh);
}

TEST(SourcePrintOutput, UnchangedProgramAndMemberComeBackByteForByte) {
  for (const ProgramAndMember& c : kUnchangedPrograms) {
    SCOPED_TRACE(c.program);
    MessageRecorder recorder;
    round_trip::ParseSettings settings = FixtureParse::Settings();
    settings.dialect = c.dialect;
    settings.secondDialect = c.secondDialect;
    round_trip::Parse parse(kFixtureDir + "/" + c.program, settings);
    ASSERT_EQ(parse.result, ORV_PARSE_OK);
    ScratchDir dir;
    OrvPrettyPrinterImpl printer;
    printer.gen_src = 1;
    printer.gen_copy_dir = VString(dir.Path("copy").c_str());
    const Printed out = PrintFile(printer, parse.tree, dir.Path(c.program));
    EXPECT_EQ(out.result, 0);
    EXPECT_TRUE(out.messages.empty()) << out.messages.front();
    EXPECT_EQ(out.text, ReadFile(kFixtureDir + "/" + c.program));
    if (c.member != nullptr) {
      EXPECT_EQ(ReadFile(dir.Path(std::string("copy/") + c.member)), ReadFile(kFixtureDir + "/" + c.member));
    }
  }
}

// Without a copy directory the member stands inline: the paragraph's
// keyword, written before the COPY statement, stays in front of it.
TEST(SourcePrintOutput, AKeywordBeforeACopyOfTheClausesStaysInFrontOfTheInlinedMember) {
  MessageRecorder recorder;
  round_trip::Parse parse(kFixtureDir + "/paragraph_in_member.cbl", FixtureParse::Settings());
  ASSERT_EQ(parse.result, ORV_PARSE_OK);
  OrvPrettyPrinterImpl printer;
  printer.gen_src = 1;
  const Printed out = print_test::PrintToString(printer, parse.tree);
  EXPECT_EQ(out.result, 0);
  EXPECT_TRUE(out.messages.empty()) << out.messages.front();
  const std::vector<std::string> lines = Lines(out.text);
  const std::vector<std::string> member = Lines(ReadFile(kFixtureDir + "/SNMEM.cpy"));
  ASSERT_GE(lines.size(), 11u);
  EXPECT_EQ(lines[4].substr(0, 22), "000500 SPECIAL-NAMES. ");
  EXPECT_EQ(lines[5].rfind("      * === Enter copylib ", 0), 0u) << lines[5];
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.begin() + 10), member);
  EXPECT_EQ(lines[10].rfind("      * === Exit copylib ", 0), 0u) << lines[10];
  EXPECT_EQ(out.text.find("SPECIAL-NAMES", out.text.find("Enter copylib")), std::string::npos);
}

// DISPLAY ... UPON a mnemonic-name takes the form without an advancing
// phrase; the words WITH NO ADVANCING are still written back where they
// stand, as they are without UPON.
TEST(SourcePrintOutput, DisplayUponAMnemonicNameKeepsItsNoAdvancingWords) {
  MessageRecorder recorder;
  const std::string source = kFixtureDir + "/display.cbl";
  round_trip::Parse parse(source, round_trip::ParseSettings());
  ASSERT_EQ(parse.result, ORV_PARSE_OK);
  ScratchDir dir;
  OrvPrettyPrinterImpl printer;
  printer.gen_src = 1;
  const Printed out = PrintFile(printer, parse.tree, dir.Path("display.cbl"));
  EXPECT_EQ(out.result, 0);
  EXPECT_TRUE(out.messages.empty()) << out.messages.front();
  EXPECT_EQ(Lines(out.text), Lines(ReadFile(source)));
  EXPECT_EQ(out.text, ReadFile(source));
}

TEST(SourcePrintOutput, WithoutCopyDirectoryTheMemberStandsBetweenCommentLines) {
  FixtureParse f;
  ASSERT_EQ(f.parse.result, ORV_PARSE_OK);
  OrvPrettyPrinterImpl printer;
  printer.gen_src = 1;
  const Printed out = print_test::PrintToString(printer, f.parse.tree);
  EXPECT_EQ(out.result, 0);
  EXPECT_TRUE(out.messages.empty()) << out.messages.front();
  // The COPY statement's text is gone; its line keeps its sequence number
  // and identification area, and the member's lines follow as written.
  std::vector<std::string> expected;
  const std::string name = kFixtureDir + "/MEMB.cpy";
  for (const std::string& line : Lines(ReadFile(kFixtureDir + "/srcprint.cbl"))) {
    if (line.find("COPY MEMB.") == std::string::npos) {
      expected.push_back(line);
      continue;
    }
    expected.push_back(line.substr(0, 6) + std::string(66, ' ') + line.substr(72));
    // Comment lines stop at the right margin.
    expected.push_back(("      * === Enter copylib " + name + " ===").substr(0, 72));
    for (const std::string& member : Lines(ReadFile(name))) expected.push_back(member);
    expected.push_back(("      * === Exit copylib " + name + " ===").substr(0, 72));
  }
  EXPECT_EQ(Lines(out.text), expected);
}

TEST(SourcePrintOutput, AReplacedChildIsRegeneratedOnItsSourceLine) {
  FixtureParse f;
  ASSERT_EQ(f.parse.result, ORV_PARSE_OK);
  OrvExpr* move = FindFirst(f.parse.tree, STMT_MOVE);
  ASSERT_NE(move, nullptr);
  // MOVE's second slot holds the destination B.
  OrvExpr* b = move->Args(1);
  ASSERT_NE(b, nullptr);
  delete b->ReplThis(new OrvCharString(VString("C")));
  OrvPrettyPrinterImpl printer;
  printer.gen_src = 1;
  const Printed out = print_test::PrintToString(printer, f.parse.tree);
  EXPECT_EQ(out.result, 0);
  EXPECT_TRUE(out.messages.empty()) << out.messages.front();
  std::vector<std::string> source = Lines(ReadFile(kFixtureDir + "/srcprint.cbl"));
  std::vector<std::string> printed = Lines(out.text);
  // Every line but the MOVE's is the source's; the member is inlined.
  std::vector<std::string> rest;
  for (const std::string& line : printed)
    if (line.find("MOVE") == std::string::npos) rest.push_back(line);
  bool found = false;
  for (const std::string& line : printed) {
    if (line.find("MOVE") == std::string::npos) continue;
    found = true;
    EXPECT_EQ(line, "001300     MOVE   A   TO   C.                                           SRCPRT01");
  }
  EXPECT_TRUE(found) << out.text;
  std::vector<std::string> sourceRest;
  for (const std::string& line : source)
    if (line.find("MOVE") == std::string::npos && line.find("COPY") == std::string::npos) sourceRest.push_back(line);
  std::vector<std::string> printedRest;
  bool inMember = false;
  for (const std::string& line : rest) {
    if (line.find("=== Enter copylib") != std::string::npos) inMember = true;
    if (!inMember && line.find("001000") != 0) printedRest.push_back(line);
    if (line.find("=== Exit copylib") != std::string::npos) inMember = false;
  }
  EXPECT_EQ(printedRest, sourceRest);
}

TEST(SourcePrintOutput, ARenewedStatementStandsInAreaBAsItsTemplateWouldPutIt) {
  FixtureParse f;
  ASSERT_EQ(f.parse.result, ORV_PARSE_OK);
  OrvExpr* old = FindFirst(f.parse.tree, STMT_STOP);
  ASSERT_NE(old, nullptr);
  Renew(old);
  OrvPrettyPrinterImpl printer;
  printer.gen_src = 1;
  const Printed out = print_test::PrintToString(printer, f.parse.tree);
  EXPECT_EQ(out.result, 0);
  const std::vector<std::string> printed = Lines(out.text);
  ASSERT_GE(printed.size(), 2u);
  EXPECT_EQ(printed[printed.size() - 2].substr(0, 37), "001650*    THE LAST STATEMENT FOLLOWS");
  // After the comment line the statement starts a line of its own at the
  // level the sentence's template gives it: Area B, not Area A, where the
  // word would read as a paragraph name.
  EXPECT_EQ(printed.back().substr(0, 20), "           STOP RUN.") << out.text;
}

// The words of a text from the start of line `line` (0-based) up to the
// next period, one blank between them.
std::string StatementWords(const std::string& text, int line) {
  std::size_t at = 0;
  for (int i = 0; i < line && at != std::string::npos; ++i) at = text.find('\n', at + (i > 0 ? 1 : 0));
  if (at == std::string::npos) return "(no such line)";
  const std::size_t period = text.find('.', at);
  std::istringstream in(text.substr(at, period == std::string::npos ? std::string::npos : period + 1 - at));
  std::string words;
  for (std::string word; in >> word;) words += (words.empty() ? "" : " ") + word;
  return words;
}

// SET ... UP BY / DOWN BY: the parser keeps BY in front of the operand, so
// the statement's template spells BY and the UP or DOWN node only its own
// word.  Whichever of the two is regenerated, the other copied, BY is
// written once.
TEST(SourcePrintOutput, SetUpOrDownByKeepsItsByWhenEitherPartIsRegenerated) {
  const std::string source = std::string(LARK_TEST_DATA) + "/transform/setby.cbl";
  const int kSetUpByLine = 9;  // "SET I UP BY 1."
  struct Case {
    const char* what;
    void (*change)(OrvExpr* set);
    const char* words;  // the first SET UP BY statement as printed
    bool asSource;      // the whole text equals the source
  } cases[] = {
      {"unchanged", [](OrvExpr*) {}, "SET I UP BY 1.", true},
      {"statement renewed", [](OrvExpr* set) { Renew(set); }, "SET I UP BY 1.", true},
      {"UP replaced by a new DOWN",
       [](OrvExpr* set) { delete set->Args(1)->ReplThis(new OrvExprOper(EX_SET_DOWN_BY)); },
       "SET I DOWN BY 1.", false},
  };
  for (const Case& c : cases) {
    MessageRecorder recorder;
    round_trip::Parse parse(source, round_trip::ParseSettings());
    ASSERT_EQ(parse.result, ORV_PARSE_OK) << c.what;
    OrvExpr* set = FindFirst(parse.tree, STMT_SET_UP_DOWN_BY);
    ASSERT_NE(set, nullptr);
    c.change(set);
    OrvPrettyPrinterImpl printer;
    printer.gen_src = 1;
    const Printed out = print_test::PrintToString(printer, parse.tree);
    EXPECT_EQ(out.result, 0) << c.what;
    EXPECT_TRUE(out.messages.empty()) << c.what << ": " << out.messages.front();
    EXPECT_EQ(StatementWords(out.text, kSetUpByLine), c.words) << c.what << "\n" << out.text;
    if (c.asSource) {
      EXPECT_EQ(out.text, ReadFile(source)) << c.what;
    }
  }
}

// A node of regen.cbl regenerated inside text copied from the source: the
// statement's words come out as the program's, no word runs into the copied
// word after it, and a keyword the parser keeps in a slot prints once.
TEST(SourcePrintOutput, ANodeRegeneratedInsideCopiedTextKeepsItsWordsApart) {
  const std::string source = std::string(LARK_TEST_DATA) + "/printer/regen.cbl";
  const int kMoveSpaceLine = 19;  // "MOVE SPACE TO X."
  const int kReadLine = 20;       // "READ F KEY IS K."
  const int kFunctionLine = 21;   // "COMPUTE N = FUNCTION LENGTH (X)."
  const int kStartLine = 23;      // "START F KEY IS = K."
  struct Case {
    const char* what;
    int statement;                // the statement the change is made in
    int oper;                     // its first node of this operation is changed
    void (*change)(OrvExpr* node);
    int line;                     // the statement's line (0-based)
    const char* words;            // the statement as printed, one blank between words
    bool asSource;                // the whole text equals the source
  } cases[] = {
      {"MOVE SPACE unchanged", STMT_MOVE, FIG_SPACE, [](OrvExpr*) {}, kMoveSpaceLine, "MOVE SPACE TO X.", true},
      {"MOVE renewed, SPACE copied", STMT_MOVE, STMT_MOVE, [](OrvExpr* n) { Renew(n); }, kMoveSpaceLine,
       "MOVE SPACE TO X.", true},
      // SPACES is longer than SPACE and reaches the column of TO.
      {"SPACE regenerated", STMT_MOVE, FIG_SPACE, [](OrvExpr* n) { Renew(n); }, kMoveSpaceLine,
       "MOVE SPACES TO X.", false},
      {"READ unchanged", STMT_READ, STMT_READ, [](OrvExpr*) {}, kReadLine, "READ F KEY IS K.", true},
      {"READ renewed", STMT_READ, STMT_READ, [](OrvExpr* n) { Renew(n); }, kReadLine, "READ F KEY IS K.", true},
      {"KEY IS regenerated", STMT_READ, EX_READ_KEY_IS, [](OrvExpr* n) { Renew(n); }, kReadLine,
       "READ F KEY IS K.", true},
      {"READ's key regenerated", STMT_READ, REC_KEY_USE, [](OrvExpr* n) { Renew(n); }, kReadLine,
       "READ F KEY IS K.", true},
      {"START's key regenerated", STMT_START, REC_KEY_USE, [](OrvExpr* n) { Renew(n); }, kStartLine,
       "START F KEY IS = K.", true},
      {"FUNCTION unchanged", STMT_COMPUTE, INTR_FUNCTION, [](OrvExpr*) {}, kFunctionLine,
       "COMPUTE N = FUNCTION LENGTH (X).", true},
      {"FUNCTION renewed", STMT_COMPUTE, INTR_FUNCTION, [](OrvExpr* n) { Renew(n); }, kFunctionLine,
       "COMPUTE N = FUNCTION LENGTH (X).", true},
      // The new name has no source text and is longer than LENGTH: it
      // replaces the name, and the copied "(" stands apart from it.
      {"FUNCTION's name replaced", STMT_COMPUTE, INTR_FUNCTION,
       [](OrvExpr* n) { delete n->Args(0)->ReplThis(new OrvCharString(VString("UPPER-CASE"))); }, kFunctionLine,
       "COMPUTE N = FUNCTION UPPER-CASE (X).", false},
  };
  for (const Case& c : cases) {
    MessageRecorder recorder;
    round_trip::Parse parse(source, round_trip::ParseSettings());
    ASSERT_EQ(parse.result, ORV_PARSE_OK) << c.what;
    OrvExpr* statement = FindFirst(parse.tree, c.statement);
    ASSERT_NE(statement, nullptr) << c.what;
    OrvExpr* node = FindFirst(statement, c.oper);
    ASSERT_NE(node, nullptr) << c.what;
    c.change(node);
    OrvPrettyPrinterImpl printer;
    printer.gen_src = 1;
    const Printed out = print_test::PrintToString(printer, parse.tree);
    EXPECT_EQ(out.result, 0) << c.what;
    EXPECT_TRUE(out.messages.empty()) << c.what << ": " << out.messages.front();
    EXPECT_EQ(StatementWords(out.text, c.line), c.words) << c.what << "\n" << out.text;
    if (c.asSource) {
      EXPECT_EQ(out.text, ReadFile(source)) << c.what;
    }
  }
}

// The readers: positions counted as the lexer counts them, any position
// reached again from the start of its line.
TEST(SrcPrintReader, ReadsWithTheLexersColumnsAndJumpsBackToAnyLine) {
  ScratchDir dir;
  const std::string path = dir.Write("r.cbl", "ab\tc\r\nline2\nlast");
  const int fileIx = OrvFileNameAdd(VString(path.c_str()));
  OrvSrcPrintReader reader;
  VString message;
  ASSERT_EQ(reader.SetPosn(OrvTxtPosn(1, 0, fileIx), message), 0) << Str(message);
  std::string read;
  std::vector<long> columns;
  for (int c; (c = reader.Getc()) >= 0 && c != '\n';) {
    read += static_cast<char>(c);
    columns.push_back(reader.Posn().Column());
  }
  // A tab moves to column 8; the carriage return is not seen.
  EXPECT_EQ(read, "ab\tc");
  EXPECT_EQ(columns, (std::vector<long>{1, 2, 8, 9}));
  ASSERT_EQ(reader.SetPosn(OrvTxtPosn(3, 2, fileIx), message), 0);
  EXPECT_EQ(reader.Getc(), 's');
  // Back to an earlier line and column.
  ASSERT_EQ(reader.SetPosn(OrvTxtPosn(2, 1, fileIx), message), 0);
  EXPECT_EQ(reader.Getc(), 'i');
  ASSERT_EQ(reader.SetPosn(OrvTxtPosn(1, 8, fileIx), message), 0);
  EXPECT_EQ(reader.Getc(), 'c');
  // Past the end of the file.
  EXPECT_NE(reader.SetPosn(OrvTxtPosn(9, 0, fileIx), message), 0);
  EXPECT_NE(Str(message).find("EOF encountered while reading source file"), std::string::npos) << Str(message);
}

TEST(SrcPrintReader, AFileThatCannotBeReadIsNamed) {
  const int fileIx = OrvFileNameAdd(VString("/nonexistent/dir/x.cbl"));
  OrvSrcPrintReader reader;
  VString message;
  EXPECT_NE(reader.SetPosn(OrvTxtPosn(1, 0, fileIx), message), 0);
  EXPECT_EQ(Str(message), "SrcPrintText: cannot open file '/nonexistent/dir/x.cbl'");
}

}  // namespace
