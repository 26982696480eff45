// Tests of the lower lexer layers over the shared corpus of real COBOL
// sources: every file reads to its end without an internal error, the line
// counter counts every physical line, and every character unit stands at
// the position where the source reader finds the same character - the
// printer copies source text by those positions.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "LexerTestSupport.h"
#include "OrvSrcFile.h"

namespace {

namespace fs = std::filesystem;

// The sources of the corpus: main programs, subprograms and members.
std::vector<std::string> CorpusFiles() {
  std::vector<std::string> files;
  const fs::path root(LARK_CORPUS);
  std::error_code ec;
  if (!fs::is_directory(root, ec)) return files;
  for (const auto& e : fs::recursive_directory_iterator(root, ec)) {
    if (!e.is_regular_file() || e.path().extension() == ".md") continue;
    files.push_back(e.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(OrvLexerCorpusTest, CharacterPositionsMatchTheSourceReader) {
  const std::vector<std::string> files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << "corpus not found at " << LARK_CORPUS;
  MessageRecorder rec;
  OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, nullptr, nullptr);
  lexer.dials = DialsOf({ORV_DIAL_ANSI85, ORV_DIAL_OSVS});
  long units = 0;
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    rec.clear();
    lexer.Reset();
    ASSERT_EQ(ORV_OK, lexer.SetInput(VString(path.c_str())));
    OrvSrcFile src;
    VString message;
    OrvLexUnit u;
    int mismatches = 0;
    for (;;) {
      lexer.NextChar(u);
      if (u.code == SEP_EOF) break;
      if (u.code > 255) continue;
      ++units;
      if (src.SetPosn(u.beg, message) != ORV_OK || src.Getc() != u.code) ++mismatches;
    }
    EXPECT_EQ(0, mismatches);
    const std::string text = ReadFile(path);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n') + 1, lexer.lineCount);
    EXPECT_LE(lexer.locCount, lexer.lineCount);
    EXPECT_EQ(0, rec.Count(MSG_SEVERE) + rec.Count(MSG_TERMINAL)) << rec.Dump();
    lexer.CloseInput();
  }
  EXPECT_GT(units, 0);
}

TEST(OrvLexerCorpusTest, SeparatorLayerReadsEveryFileToItsEnd) {
  const std::vector<std::string> files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << "corpus not found at " << LARK_CORPUS;
  MessageRecorder rec;
  OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, nullptr, nullptr);
  lexer.dials = DialsOf({ORV_DIAL_ANSI85, ORV_DIAL_OSVS});
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    rec.clear();
    lexer.Reset();
    ASSERT_EQ(ORV_OK, lexer.SetInput(VString(path.c_str())));
    OrvLexUnit u;
    long n = 0;
    OrvTxtPosn last;
    do {
      lexer.NextSepOrChar(u);
      // Units come in source order.
      if (u.beg.IsSet()) {
        EXPECT_LE(OrvTxtPosn::Compare(last, u.beg), 0) << u.beg;
        last = u.beg;
      }
    } while (u.code != SEP_EOF && ++n < 10000000);
    EXPECT_EQ(SEP_EOF, u.code);
    EXPECT_EQ(0, rec.Count(MSG_SEVERE) + rec.Count(MSG_TERMINAL)) << rec.Dump();
    lexer.CloseInput();
  }
}

// The token layer reads every file to its end without an internal error and
// counts every token it returns; and it gives the same tokens whether the
// word layers take runs from the line buffer or read unit by unit (checked
// on every eighth file: the unit-by-unit reading writes a trace line per
// character and costs many times more).
TEST(OrvLexerCorpusTest, TokensOfEveryFile) {
  const std::vector<std::string> files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << "corpus not found at " << LARK_CORPUS;
  const OrvDials dials = DialsOf({ORV_DIAL_ANSI85, ORV_DIAL_OSVS});
  long tokens = 0;
  int index = 0;
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    MessageRecorder rec;
    OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, nullptr, nullptr);
    lexer.dials = dials;
    lexer.sql = 1;
    lexer.cics = 1;
    lexer.Reset();
    ASSERT_EQ(ORV_OK, lexer.SetInput(VString(path.c_str())));
    long n = 0;
    int code = 0;
    do {
      OrvTokenGroup* group = lexer.GetToken();
      code = group->token->code;
      delete group;
    } while (code != SEP_EOF && ++n < 10000000);
    EXPECT_EQ(SEP_EOF, code);
    // Only the end of a NOTE paragraph and of an EXEC block goes uncounted.
    EXPECT_LE(lexer.tokenCount, n + 1);
    EXPECT_EQ(0, rec.Count(MSG_SEVERE) + rec.Count(MSG_TERMINAL)) << rec.Dump();
    lexer.CloseInput();
    tokens += n;
    if (index++ % 8 == 0) {
      EXPECT_EQ(DumpFile(path, dials, true), DumpFile(path, dials, false));
    }
  }
  EXPECT_GT(tokens, 0);
}

}  // namespace
