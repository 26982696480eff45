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
#include <map>
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

// Reads the lexer's input to its end with GetToken and calls visit(code,
// begin) for every token, the end of input last; a test failure when the
// end does not come.
template <class Visit>
void ForEachToken(OrvLexer& lexer, Visit visit) {
  int code = 0;
  long n = 0;
  do {
    OrvTokenGroup* group = lexer.GetToken();
    code = group->token->code;
    const OrvTxtPosn beg = group->token->begin;
    delete group;
    visit(code, beg);
  } while (code != SEP_EOF && ++n < 10000000);
  EXPECT_EQ(SEP_EOF, code);
}

TEST(OrvLexerCorpusTest, CharacterPositionsMatchTheSourceReader) {
  const std::vector<std::string> files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << "corpus not found at " << LARK_CORPUS;
  MessageRecorder rec;
  OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, nullptr, nullptr);
  lexer.settings.dials = DialsOf({ORV_DIAL_ANSI85, ORV_DIAL_OSVS});
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
  lexer.settings.dials = DialsOf({ORV_DIAL_ANSI85, ORV_DIAL_OSVS});
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
    lexer.settings.dials = dials;
    lexer.settings.sql = 1;
    lexer.settings.cics = 1;
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

// The programs of the corpus that copy members find every member in the
// corpus's copy libraries and read them to the end: the suite's programs
// (COPY, COPY ... REPLACING, REPLACE) and the CICS application with its
// copybooks and EXEC SQL INCLUDE members.  Each
// member's text comes between its statement token and its end, in source
// order within each file.
TEST(OrvLexerCorpusTest, MembersOfTheCorpus) {
  const std::string root = LARK_CORPUS;
  const std::vector<std::string> files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << "corpus not found at " << root;
  int members = 0;
  int replaces = 0;
  for (const std::string& path : files) {
    const bool nist = path.find("/nist/") != std::string::npos && path.find("/copy") == std::string::npos;
    const bool cics = path.find("/genapp/base/") != std::string::npos && path.find(".cbl") != std::string::npos;
    if (!nist && !cics) continue;
    SCOPED_TRACE(path);
    MessageRecorder rec;
    OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, nullptr, nullptr);
    lexer.settings.dials = DialsOf({ORV_DIAL_ANSI85, ORV_DIAL_OSVS});
    lexer.settings.sql = 1;
    lexer.settings.cics = 1;
    lexer.settings.copylibDirs.count = 0;
    for (const char* dir : {"/nist/copy", "/cics/syscopy", "/cics/genapp/base/src"})
      lexer.settings.copylibDirs.items[lexer.settings.copylibDirs.count++] = VString((root + dir).c_str());
    lexer.Reset();
    ASSERT_EQ(ORV_OK, lexer.SetInput(VString(path.c_str())));
    // The last position read in each open level.
    std::vector<OrvTxtPosn> last(1);
    ForEachToken(lexer, [&](int code, const OrvTxtPosn& beg) {
      if (code == SEP_INLINED_COPY || code == SEP_COPY_INC) {
        ++members;
        last.push_back(OrvTxtPosn());
        delete lexer.TakeCopyNode();
      } else if (code == SEP_COPY_EOF) {
        ASSERT_GT(last.size(), 1u) << "a member ends that did not begin";
        last.pop_back();
        delete lexer.TakeMemberEndNode();
      } else if (code == SEP_REPLACE) {
        ++replaces;
        delete lexer.TakeReplaceNode();
      } else if (code == SEP_UNINLINED_COPY) {
        delete lexer.TakeCopyNode();
      } else if (beg.IsSet()) {
        EXPECT_LE(OrvTxtPosn::Compare(last.back(), beg), 0) << beg;
        last.back() = beg;
      }
    });
    EXPECT_EQ(1u, last.size());
    EXPECT_EQ(0, rec.Count(MSG_SEVERE) + rec.Count(MSG_TERMINAL)) << rec.Dump();
    // SSMAP, the symbolic map of the application's screens, is made by the
    // map generator and is not in the corpus.
    for (const RecordedMessage& m : rec.messages()) {
      if (m.text.find("'SSMAP'") == std::string::npos) {
        EXPECT_EQ(std::string::npos, m.text.find("Cannot find/open")) << m.text;
      }
    }
    lexer.CloseInput();
  }
  EXPECT_GT(members, 0);
  EXPECT_GT(replaces, 0);
}

// The suite's REPLACE program: the words its REPLACE statements replace
// reach the token layer replaced, on the lines where they stand, and the
// words after REPLACE OFF do not.
TEST(OrvLexerCorpusTest, SuiteReplaceProgram) {
  const std::string path = std::string(LARK_CORPUS) + "/nist/SM208A.CBL";
  if (!std::ifstream(path)) GTEST_SKIP() << "corpus not found at " << LARK_CORPUS;
  MessageRecorder rec;
  OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, nullptr, nullptr);
  lexer.settings.dials = DialsOf({ORV_DIAL_ANSI85});
  lexer.settings.copylibDirs.items[0] = VString((std::string(LARK_CORPUS) + "/nist/copy").c_str());
  lexer.Reset();
  ASSERT_EQ(ORV_OK, lexer.SetInput(VString(path.c_str())));
  // The codes of the program's own lines (not of the member it copies).
  std::map<int, std::vector<int>> codesOfLine;
  int mainFile = -1;
  ForEachToken(lexer, [&](int code, const OrvTxtPosn& beg) {
    if (mainFile < 0 && beg.IsSet()) mainFile = beg.FileIx();
    if (beg.FileIx() == mainFile) codesOfLine[beg.Line()].push_back(code);
  });
  auto has = [&](int line, int c) {
    const std::vector<int>& codes = codesOfLine[line];
    return std::find(codes.begin(), codes.end(), c) != codes.end();
  };
  for (int line : {48, 49, 50}) {
    EXPECT_TRUE(has(line, RW_PIC)) << line;
    EXPECT_FALSE(has(line, RW_PICTURE)) << line;
  }
  EXPECT_TRUE(has(52, RW_PICTURE));
  EXPECT_TRUE(has(341, RW_TO));  // AO by TO
  EXPECT_TRUE(has(342, RW_IF));  // IE by IF
  EXPECT_TRUE(has(342, RW_EQUAL));
  EXPECT_FALSE(has(342, OP_EQ));
  EXPECT_FALSE(has(499, RW_NOT));  // NOT by nothing
  EXPECT_TRUE(rec.messages().empty()) << rec.Dump();
  delete lexer.TakeReplaceNode();
}

}  // namespace
