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

TEST(SourcePrintOutput, UnchangedProgramAndMemberComeBackByteForByte) {
  FixtureParse f;
  ASSERT_EQ(f.parse.result, ORV_PARSE_OK);
  ScratchDir dir;
  OrvPrettyPrinterImpl printer;
  printer.gen_src = 1;
  printer.gen_copy_dir = VString(dir.Path("copy").c_str());
  const Printed out = PrintFile(printer, f.parse.tree, dir.Path("srcprint.cbl"));
  EXPECT_EQ(out.result, 0);
  EXPECT_TRUE(out.messages.empty()) << out.messages.front();
  EXPECT_EQ(out.text, ReadFile(kFixtureDir + "/srcprint.cbl"));
  EXPECT_EQ(ReadFile(dir.Path("copy/MEMB.cpy")), ReadFile(kFixtureDir + "/MEMB.cpy"));
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
  // A new node of the same operation holding the old one's children, slot
  // tokens and tail: it did not come from the source, so it is regenerated
  // from its template while its children and its comment are copied.
  const int n = old->NArgs();
  OrvExpr* fresh = new OrvExprOper(old->Oper(), nullptr, n);
  for (int i = 0; i < n; ++i) {
    fresh->SlotAt(i)->tokens.Splice(old->SlotAt(i)->tokens);
    fresh->SlotAt(i)->state = old->SlotAt(i)->state;
    if (OrvExpr* child = old->DelArg(i, 0, 0)) fresh->SetArg(i, child);
  }
  fresh->Tokens().Splice(old->Tokens());
  delete old->ReplThis(fresh);
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
