// Helpers of the lexer tests: a lexer reading a source written to a scratch
// file, with its messages recorded, and readers that collect the units of
// its layers in a form that tests compare easily.
#ifndef LARK_TESTS_LEXER_LEXERTESTSUPPORT_H
#define LARK_TESTS_LEXER_LEXERTESTSUPPORT_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <climits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "FixedLine.h"
#include "MessageRecorder.h"
#include "OrvDials.h"
#include "OrvExpr.h"
#include "OrvLexer.h"
#include "OrvOper.h"
#include "OrvWords.h"
#include "OrvToken.h"
#include "ScratchDir.h"
#include "TestStrings.h"
#include "TokenDump.h"

// The layer state of a lexer, which only its layers set while it reads:
// a test puts a lexer into a state it would reach inside a source.
struct OrvLexerProbe {
  static int& ExecState(OrvLexer& lexer) { return lexer.execState; }
  static int& NoteMode(OrvLexer& lexer) { return lexer.noteMode; }
  static int& PictureMode(OrvLexer& lexer) { return lexer.pictureMode; }
};

// A dialect set of the given dialects.
inline OrvDials DialsOf(std::initializer_list<int> dialects) {
  OrvDials set = OrvNoDials();
  for (int d : dialects) OrvSetDial(set, d);
  return set;
}

// One attached token: code and whole text.
struct AttachedView {
  int code;
  std::string text;
  OrvTxtPosn beg;
  OrvTxtPosn end;
};

// One unit of a layer, copied out of its group.
struct UnitView {
  int code = 0;
  std::string text;
  OrvTxtPosn beg;
  OrvTxtPosn end;
  std::vector<AttachedView> attached;
};

// Copies the group into a view and deletes it.
inline UnitView ViewOf(OrvTokenGroup* group) {
  UnitView v;
  if (group == nullptr) return v;
  if (group->token != nullptr) {
    v.code = group->token->code;
    v.text = Str(group->token->image);
    v.beg = group->token->begin;
    v.end = group->token->end;
  }
  for (OrvTokenListNode* p = group->attached.Head(); p != nullptr; p = p->next)
    v.attached.push_back({p->token->code, Str(p->token->image), p->token->begin, p->token->end});
  delete group;
  return v;
}

// A compact form of units: a character stands for itself, every other unit
// is "{NAME}" or, with a text, "{NAME text}".
inline std::string Render(const std::vector<UnitView>& units) {
  std::string out;
  for (const UnitView& u : units) {
    if (u.code > 0 && u.code < 256) {
      out += static_cast<char>(u.code);
      continue;
    }
    const char* name = OrvTokenCodeName(u.code);
    out += "{";
    out += name != nullptr ? name : std::to_string(u.code);
    if (!u.text.empty()) out += " " + u.text;
    out += "}";
  }
  return out;
}

// One unit as "NAME" or "NAME text" (a character as itself in quotes), for
// comparing token sequences; the units joined with ", ".
inline std::string Show(int code, const std::string& text) {
  std::string out;
  if (code > 0 && code < 256) {
    out = std::string("'") + static_cast<char>(code) + "'";
  } else {
    const char* name = OrvTokenCodeName(code);
    out = name != nullptr ? name : std::to_string(code);
  }
  return text.empty() ? out : out + " " + text;
}

inline std::string Show(const std::vector<UnitView>& units) {
  std::string out;
  for (const UnitView& u : units) out += (out.empty() ? "" : ", ") + Show(u.code, u.text);
  return out;
}

// The message texts recorded, in order.
inline std::vector<std::string> Texts(const MessageRecorder& rec) {
  std::vector<std::string> texts;
  for (const RecordedMessage& m : rec.messages()) texts.push_back(m.text);
  return texts;
}

// The name of a parameterised case: its `what` text with every character
// that may not stand in a test name made '_'.
template <class Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  std::string name = info.param.what;
  for (char& ch : name)
    if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return name;
}

// While alive, makes `dir` the working directory, so that the default
// copy-library directory "." is that directory.
class InDir {
 public:
  explicit InDir(const std::string& dir) {
    char buf[PATH_MAX];
    saved_ = getcwd(buf, sizeof buf) != nullptr ? buf : "/";
    EXPECT_EQ(0, chdir(dir.c_str()));
  }
  ~InDir() { EXPECT_EQ(0, chdir(saved_.c_str())); }
  InDir(const InDir&) = delete;
  InDir& operator=(const InDir&) = delete;

 private:
  std::string saved_;
};

// While alive, sends the lexer's trace lines into text().
class TraceCapture {
 public:
  TraceCapture() : saved_(OrvLexerTraceOut) { OrvLexerTraceOut = &out_; }
  ~TraceCapture() { OrvLexerTraceOut = saved_; }
  TraceCapture(const TraceCapture&) = delete;
  TraceCapture& operator=(const TraceCapture&) = delete;
  std::string text() const { return out_.str(); }

 private:
  std::ostream* saved_;
  std::ostringstream out_;
};

// A lexer over a scratch source file, with a message recorder installed as
// its call-back (and as the process-wide sink).
class LexerRun {
 public:
  MessageRecorder rec;
  ScratchDir dir;
  OrvLexer lexer;

  explicit LexerRun(OrvConstLookupHook lookup = nullptr, OrvConstContextHook context = nullptr)
      : lexer(&MessageRecorder::Sink, nullptr, nullptr, lookup, context) {}

  // Writes `source` to src.cbl, sets the format and dialects, resets and
  // opens it; a failure to open is a test failure.
  void Open(const std::string& source, int format = ORV_LINE_FORMAT_FIXED,
            OrvDials dials = DialsOf({ORV_DIAL_ANSI85})) {
    path = dir.Write("src.cbl", source);
    lexer.settings.lineFormat = format;
    lexer.settings.dials = dials;
    lexer.Reset();
    ASSERT_EQ(ORV_OK, lexer.SetInput(VString(path.c_str())));
  }

  // Opens the file at `path` as the main source, its directory the only
  // copy library; a failure to open is a test failure.
  void OpenPath(const std::string& source, int format = ORV_LINE_FORMAT_FIXED,
                OrvDials dials = DialsOf({ORV_DIAL_ANSI85})) {
    path = source;
    const std::string dirName = source.substr(0, source.rfind('/'));
    lexer.settings.copylibDirs = OrvOneEntryList(ORV_COPYLIB_DIRS_MAX, dirName.c_str());
    lexer.settings.lineFormat = format;
    lexer.settings.dials = dials;
    lexer.Reset();
    ASSERT_EQ(ORV_OK, lexer.SetInput(VString(path.c_str())));
  }
  // Opens the fixture tests/data/<name> (its directory the copy library).
  void OpenFixture(const std::string& name, OrvDials dials = DialsOf({ORV_DIAL_ANSI85})) {
    OpenPath(std::string(LARK_TEST_DATA) + "/" + name, ORV_LINE_FORMAT_FIXED, dials);
  }
  // Writes a member file into the scratch directory, which becomes the only
  // copy library; returns its path.
  std::string Member(const std::string& name, const std::string& text) {
    lexer.settings.copylibDirs.count = 0;
    lexer.settings.copylibDirs.items[lexer.settings.copylibDirs.count++] = VString(dir.path().c_str());
    return dir.Write(name, text);
  }

  // Every unit of GetCharAB up to and including SEP_EOF.
  std::vector<UnitView> Chars() { return ReadAll(&OrvLexer::GetCharAB); }
  // Every unit of GetSepOrChar up to and including SEP_EOF.
  std::vector<UnitView> Seps() { return ReadAll(&OrvLexer::GetSepOrChar); }
  // Every unit of the word layers and of the token layer up to and
  // including SEP_EOF.
  std::vector<UnitView> RawWords() { return ReadAll(&OrvLexer::GetRawTextWord); }
  std::vector<UnitView> TextWords() { return ReadAll(&OrvLexer::GetTextWord); }
  std::vector<UnitView> Tokens() { return ReadAll(&OrvLexer::GetToken); }
  std::vector<UnitView> CopylessWords() { return ReadAll(&OrvLexer::GetCopylessTextWord); }
  std::vector<UnitView> RpldWords() { return ReadAll(&OrvLexer::GetRpldTextWord); }

  std::string path;

 private:
  std::vector<UnitView> ReadAll(OrvTokenGroup* (OrvLexer::*get)()) {
    std::vector<UnitView> units;
    // A bound on the reads, so that a lexer that never ends fails the test
    // instead of hanging it.
    for (int i = 0; i < 100000; ++i) {
      units.push_back(ViewOf((lexer.*get)()));
      if (units.back().code == SEP_EOF) return units;
    }
    ADD_FAILURE() << "no end of input after 100000 units";
    return units;
  }
};

// The shape of a node: a leaf with an image is its image, any other node
// NAME(child, ...) with "-" for an empty slot.
inline std::string Shape(OrvExpr* node) {
  if (node == nullptr) return "-";
  if (node->HasImage()) return Str(*node->Image());
  std::string out = OrvOperName(node->Oper());
  out += "(";
  for (int i = 0; i < node->NArgs(); ++i) out += (i > 0 ? "," : "") + Shape(node->Args(i));
  return out + ")";
}

// The codes and texts of a token list, as Show() writes units.
inline std::string ShowTokens(const OrvTokenList* list) {
  std::string out;
  if (list == nullptr) return out;
  for (OrvTokenListNode* p = list->Head(); p != nullptr; p = p->next)
    out += (out.empty() ? "" : ", ") + Show(p->token->code, Str(p->token->image));
  return out;
}

// A whole source read with GetToken, the parser's way: at each statement
// token the node is taken from the lexer.
struct TokensAndNodes {
  std::vector<UnitView> tokens;
  std::vector<std::unique_ptr<OrvExpr>> nodes;  // one per statement token
  // The shapes of the nodes, in order.
  std::vector<std::string> Shapes() const {
    std::vector<std::string> shapes;
    for (const auto& n : nodes) shapes.push_back(Shape(n.get()));
    return shapes;
  }
};

inline TokensAndNodes ReadTokensAndNodes(OrvLexer& lexer) {
  TokensAndNodes read;
  for (int i = 0; i < 100000; ++i) {
    UnitView u = ViewOf(lexer.GetToken());
    switch (u.code) {
      case SEP_UNINLINED_COPY:
      case SEP_INLINED_COPY:
      case SEP_COPY_INC:
        read.nodes.emplace_back(lexer.TakeCopyNode());
        break;
      case SEP_COPY_EOF:
        read.nodes.emplace_back(lexer.TakeMemberEndNode());
        break;
      case SEP_REPLACE:
        read.nodes.emplace_back(lexer.TakeReplaceNode());
        break;
      default:
        break;
    }
    read.tokens.push_back(u);
    if (u.code == SEP_EOF) return read;
  }
  ADD_FAILURE() << "no end of input after 100000 tokens";
  return read;
}

// The token dump (TokenDump.h) of a whole file followed by the messages of
// its lexing, with EXEC SQL and CICS blocks classified.  With `unitByUnit`
// the character trace is on (its lines thrown away), which makes the word
// layers read every character through the lower layers instead of taking
// runs straight from the line buffer.
inline std::string DumpFile(const std::string& path, OrvDials dials, bool unitByUnit) {
  MessageRecorder rec;
  std::ostream discard(nullptr);
  std::ostream* saved = OrvLexerTraceOut;
  OrvLexerTraceOut = &discard;
  std::string dump;
  {
    OrvLexer lexer(&MessageRecorder::Sink, nullptr, nullptr, nullptr, nullptr);
    lexer.settings.dials = dials;
    lexer.settings.sql = 1;
    lexer.settings.cics = 1;
    lexer.settings.traceFlags = unitByUnit ? ORV_LEX_TRACE_CHARS : 0;
    lexer.Reset();
    if (lexer.SetInput(VString(path.c_str())) == ORV_OK) dump = DumpTokens(lexer);
    lexer.CloseInput();
  }
  OrvLexerTraceOut = saved;
  return dump + rec.Dump();
}

#endif
