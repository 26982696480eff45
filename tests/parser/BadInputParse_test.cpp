// Whole-source parses of inputs no real program has: nestings past the
// parser's bound, huge lines, binary bytes, cut files, COPY of itself, and a
// fixed series of mutants of the fixtures.  Each gives one of the parser's
// result codes with its messages; none may crash, hang or overflow.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvDials.h"
#include "OrvExpr.h"
#include "OrvMessage.h"
#include "OrvParserImpl.h"
#include "OrvSourceParser.h"
#include "ScratchDir.h"
#include "TestStrings.h"

namespace {

const std::string kTooDeep = "Nesting too deep: more than 5000 levels";

// Area-A lines for the division and data headers, area-B lines for the
// statements in between.
std::string Program(const std::vector<std::string>& data, const std::vector<std::string>& statements) {
  std::string text =
      "       IDENTIFICATION DIVISION.\n       PROGRAM-ID. DEEP.\n       DATA DIVISION.\n"
      "       WORKING-STORAGE SECTION.\n       01 X PIC 9(5).\n       01 Y PIC 9(5).\n";
  for (const std::string& line : data) text += "       " + line + "\n";
  text += "       PROCEDURE DIVISION.\n";
  for (const std::string& line : statements) text += "           " + line + "\n";
  return text + "           STOP RUN.\n";
}

// `count` copies of `line`.
std::vector<std::string> Repeat(const std::string& line, int count) { return std::vector<std::string>(count, line); }

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A text cut into lines of `width` characters.
std::vector<std::string> Wrap(const std::string& text, size_t width) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < text.size(); i += width) lines.push_back(text.substr(i, width));
  return lines;
}

std::string ReadFixture(const std::string& name) {
  std::ifstream in(std::string(LARK_TEST_DATA) + "/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class BadInputParseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parser.messageSink = &MessageRecorder::Sink;
    parser.primaryDialect = ORV_DIAL_ANSI85;
    parser.lengOffs = 1;
    parser.lexerSettings.copylibDirs = OrvOneEntryList(ORV_COPYLIB_DIRS_MAX, dir.path().c_str());
    parser.lexerSettings.copylibSuffixes = OrvOneEntryList(ORV_COPYLIB_SUFFIXES_MAX, ".cbl");
    VString problem;
    ASSERT_EQ(0, parser.ResolveDialectOptions(problem)) << Str(problem);
  }
  void TearDown() override { delete tree; }

  // Parses the text as the file `name`; the result code.
  OrvParserResult Parse(const std::string& text, const std::string& name = "src.cbl") {
    dir.Write(name, text);
    return ParseFile(dir.Path(name));
  }
  OrvParserResult ParseFile(const std::string& path) {
    delete tree;
    tree = nullptr;
    messages.Clear();
    recorder.clear();
    return parser.Parse(VString(path.c_str()), &tree, &messages);
  }

  // Whether a message of this level and text came, through the sink or in
  // the list of a good parse.
  bool Said(int level, const std::string& text) const {
    if (recorder.Has(level, text)) return true;
    for (OrvToken* e = messages.First(); e != nullptr; e = messages.Next(e))
      if (e->code == level && Str(e->Image()) == text) return true;
    return false;
  }
  // The error and severe messages, through the sink or in the list.
  int Faults() const {
    int n = recorder.Count(MSG_ERR) + recorder.Count(MSG_SEVERE);
    for (OrvToken* e = messages.First(); e != nullptr; e = messages.Next(e))
      n += e->code == MSG_ERR || e->code == MSG_SEVERE;
    return n;
  }
  std::string Dump() const {
    std::string out = recorder.Dump();
    for (OrvToken* e = messages.First(); e != nullptr; e = messages.Next(e))
      out += std::to_string(e->code) + " " + Str(e->Image()) + "\n";
    return out;
  }

  MessageRecorder recorder;
  ScratchDir dir;
  OrvSourceParser parser;
  OrvTokenList messages;
  OrvExpr* tree = nullptr;
};

// Nestings past the bound, whether they grow the parse stack (parentheses,
// IF ... END-IF, NOT) or only the tree (a left-recursive chain of mixed
// operators): the parse is given up with one severe message and no tree.
TEST_F(BadInputParseTest, NestingPastTheBoundIsRefusedWithOneMessage) {
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"parentheses", Program({}, Join(Join({"COMPUTE X ="}, Wrap(std::string(6000, '(') + "Y" +
                                                                     std::string(6000, ')'), 50)),
                                       {"."}))},
      {"IF ... END-IF", Program({}, Join(Join(Repeat("IF X = 1", 2000), {"MOVE 1 TO Y"}),
                                         Join(Repeat("END-IF", 2000), {"."})))},
      {"NOT", Program({}, Join(Join({"IF"}, Repeat("NOT", 6000)), {"X = 1 MOVE 1 TO Y END-IF."}))},
      {"unary minus", Program({}, Join(Join({"COMPUTE X ="}, Repeat("-", 6000)), {"Y."}))},
      {"mixed + and -", Program({}, Join(Join({"COMPUTE X = Y"}, Repeat("+ Y - Y", 2600)), {"."}))},
      {"mixed * and /", Program({}, Join(Join({"COMPUTE X = Y"}, Repeat("* Y / Y", 2600)), {"."}))},
      {"mixed operators in a VALUE", Program(Join(Join({"78 C VALUE 1"}, Repeat("+ 1 - 1", 2600)), {"."}), {})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ORV_PARSE_FAILED, Parse(c.text));
    EXPECT_EQ(tree, nullptr);
    EXPECT_TRUE(recorder.Has(MSG_SEVERE, kTooDeep)) << recorder.Dump();
    EXPECT_EQ(1, recorder.Count(MSG_SEVERE)) << recorder.Dump();
  }
}

// Just below the bound the same shapes parse, and the deep trees they give
// go through every walk of the parse (source print preparation, layout)
// and through deletion.
TEST_F(BadInputParseTest, NestingBelowTheBoundParses) {
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"IF ... END-IF", Program({}, Join(Join(Repeat("IF X = 1", 1000), {"MOVE 1 TO Y"}),
                                         Join(Repeat("END-IF", 1000), {"."})))},
      {"mixed + and -", Program({}, Join(Join({"COMPUTE X = Y"}, Repeat("+ Y - Y", 2400)), {"."}))},
      {"mixed operators in a VALUE", Program(Join(Join({"78 C VALUE 1"}, Repeat("+ 1 - 1", 2400)), {"."}), {})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ORV_PARSE_OK, Parse(c.text)) << recorder.Dump();
    EXPECT_NE(tree, nullptr);
    EXPECT_FALSE(recorder.Has(MSG_SEVERE, kTooDeep));
  }
}

// Inputs that are no program at all: each ends in a result code with a
// message naming the fault.
TEST_F(BadInputParseTest, UnreadableInputsEndInAResultAndAMessage) {
  std::string binary;
  for (int i = 0; i < 20000; ++i) binary += static_cast<char>((i * 131 + i / 7) & 0xff);
  const std::string longLine = Program({}, {"DISPLAY '" + std::string(1000000, 'A') + "'."});
  const std::string display = Program({}, {"DISPLAY 'ABC'."});
  const std::string cutLiteral = display.substr(0, display.find("'ABC") + 3);
  const std::string sample = ReadFixture("sample.cbl");
  ASSERT_FALSE(sample.empty());
  const struct {
    const char* what;
    std::string text;
    OrvParserResult result;
    int level;
    std::string message;
  } cases[] = {
      {"empty file", "", ORV_PARSE_FAILED, MSG_ERR, "syntax error. at token: LEX_EOF"},
      {"binary bytes", binary, ORV_PARSE_FAILED, 0, ""},
      {"a line of a million characters", longLine, ORV_PARSE_ERRORS, 0, ""},
      {"cut inside a literal", cutLiteral, ORV_PARSE_ERRORS, MSG_ERR, "End-of-file in non-numeric literal"},
      {"cut inside a statement", sample.substr(0, sample.find("GO TO") + 5), ORV_PARSE_ERRORS, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.result, Parse(c.text)) << Dump();
    EXPECT_GT(Faults(), 0) << Dump();
    if (c.level != 0) {
      EXPECT_TRUE(Said(c.level, c.message)) << Dump();
    }
  }
}

TEST_F(BadInputParseTest, AMissingFileIsNotOpened) {
  EXPECT_EQ(ORV_PARSE_INPUT_NOT_OPENED, ParseFile(dir.Path("absent.cbl")));
  EXPECT_EQ(tree, nullptr);
}

// A source that copies itself, directly or through a member: the COPY
// nesting stops at its bound with one severe message.
TEST_F(BadInputParseTest, ACopyOfItselfStopsAtTheCopyBound) {
  dir.Write("LOOPA.cbl", "       01 A PIC X.\n       COPY LOOPA.\n");
  for (const char* text : {"       COPY SELF.\n", "       IDENTIFICATION DIVISION.\n       PROGRAM-ID. S.\n"
                                                 "       DATA DIVISION.\n       WORKING-STORAGE SECTION.\n"
                                                 "       COPY LOOPA.\n       PROCEDURE DIVISION.\n"
                                                 "           STOP RUN.\n"}) {
    SCOPED_TRACE(text);
    const OrvParserResult result = Parse(text, "SELF.cbl");
    EXPECT_GE(result, ORV_PARSE_OK);
    EXPECT_LE(result, ORV_PARSE_FAILED);
    EXPECT_TRUE(Said(MSG_SEVERE, "COPY/-INC statements are nested too deep")) << Dump();
  }
}

// A fixed pseudo-random series (its start value is a constant, so every
// run sees the same mutants).
class Mutator {
 public:
  explicit Mutator(uint32_t start) : state_(start) {}
  uint32_t Next(uint32_t below) {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) % below;
  }

  // One mutation of the text, chosen from the series.
  std::string Mutate(const std::string& text) {
    std::vector<std::string> lines = Lines(text);
    if (lines.empty()) lines.push_back("");
    const size_t a = Next(static_cast<uint32_t>(lines.size()));
    const size_t b = Next(static_cast<uint32_t>(lines.size()));
    std::string out;
    switch (Next(8)) {
      case 0:
        lines.erase(lines.begin() + a);
        return Unlines(lines);
      case 1:
        lines.insert(lines.begin() + a, lines[b]);
        return Unlines(lines);
      case 2:
        std::swap(lines[a], lines[b]);
        return Unlines(lines);
      case 3:
        return text.substr(0, Next(static_cast<uint32_t>(text.size() + 1)));
      case 4: {  // random bytes, NUL and high bytes among them
        out = text;
        const uint32_t n = 1 + Next(8);
        for (uint32_t i = 0; i < n; ++i)
          out.insert(out.begin() + Next(static_cast<uint32_t>(out.size() + 1)), static_cast<char>(Next(256)));
        return out;
      }
      case 5:
        for (char ch : text)
          if (ch != '.' || Next(2) == 0) out += ch;
        return out;
      case 6:
        for (char ch : text) out += (ch == '\'' || ch == '"') && Next(2) == 0 ? ' ' : ch;
        return out;
      default:  // a quote opened and never closed
        out = text;
        out.insert(out.begin() + Next(static_cast<uint32_t>(out.size() + 1)), '\'');
        return out;
    }
  }

 private:
  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  static std::string Unlines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\n";
    return out;
  }

  uint32_t state_;
};

// Mutants of real fixtures, each with one to three mutations on top of the
// last: every parse ends with one of the parser's result codes, a failed
// one with no tree.
TEST_F(BadInputParseTest, MutantsOfTheFixturesEndInAParseResult) {
  Mutator mutator(20240613u);
  int failed = 0;
  int parsed = 0;
  for (const char* fixture : {"sample.cbl", "payroll.cbl", "lexwords.cbl"}) {
    const std::string original = ReadFixture(fixture);
    ASSERT_FALSE(original.empty()) << fixture;
    std::string text = original;
    for (int round = 0; round < 120; ++round) {
      if (round % 10 == 0) text = original;
      const uint32_t times = 1 + mutator.Next(3);
      for (uint32_t i = 0; i < times; ++i) text = mutator.Mutate(text);
      const OrvParserResult result = Parse(text);
      ASSERT_GE(result, ORV_PARSE_OK) << fixture << " round " << round;
      ASSERT_LE(result, ORV_PARSE_FAILED) << fixture << " round " << round;
      if (result == ORV_PARSE_FAILED) {
        EXPECT_EQ(tree, nullptr) << fixture << " round " << round;
        ++failed;
      } else {
        EXPECT_NE(tree, nullptr) << fixture << " round " << round;
        ++parsed;
      }
    }
  }
  // The series reaches both ends: sources that still parse and sources the
  // parser gives up on.
  EXPECT_GT(failed, 0);
  EXPECT_GT(parsed, 0);
}

// Mutants of the embedded SQL fixtures, parsed with EXEC SQL on: every
// parse ends with one of the parser's result codes, and one that parses has
// a tree.
TEST_F(BadInputParseTest, MutantsOfTheSqlFixturesEndInAParseResult) {
  parser.lexerSettings.sql = 1;
  Mutator mutator(20261211u);
  for (const char* fixture : {"grammar/sql/statements.cbl", "grammar/sql/queries.cbl",
                              "grammar/sql/expressions.cbl", "grammar/sql/errors.cbl"}) {
    const std::string original = ReadFixture(fixture);
    ASSERT_FALSE(original.empty()) << fixture;
    std::string text = original;
    for (int round = 0; round < 60; ++round) {
      if (round % 10 == 0) text = original;
      const uint32_t times = 1 + mutator.Next(3);
      for (uint32_t i = 0; i < times; ++i) text = mutator.Mutate(text);
      const OrvParserResult result = Parse(text);
      ASSERT_GE(result, ORV_PARSE_OK) << fixture << " round " << round;
      ASSERT_LE(result, ORV_PARSE_FAILED) << fixture << " round " << round;
      EXPECT_EQ(result == ORV_PARSE_FAILED, tree == nullptr) << fixture << " round " << round;
    }
  }
}

}  // namespace
