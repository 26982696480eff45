// Helpers of the lexer tests: a lexer reading a source written to a scratch
// file, with its messages recorded, and readers that collect the units of
// its layers in a form that tests compare easily.
#ifndef LARK_TESTS_LEXER_LEXERTESTSUPPORT_H
#define LARK_TESTS_LEXER_LEXERTESTSUPPORT_H

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "FixedLine.h"
#include "MessageRecorder.h"
#include "OrvDials.h"
#include "OrvLexer.h"
#include "OrvWords.h"
#include "OrvToken.h"
#include "ScratchDir.h"
#include "TestStrings.h"
#include "TokenDump.h"

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
    lexer.lineFormat = format;
    lexer.dials = dials;
    lexer.Reset();
    ASSERT_EQ(ORV_OK, lexer.SetInput(VString(path.c_str())));
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
    lexer.dials = dials;
    lexer.sql = 1;
    lexer.cics = 1;
    lexer.traceFlags = unitByUnit ? ORV_LEX_TRACE_CHARS : 0;
    lexer.Reset();
    if (lexer.SetInput(VString(path.c_str())) == ORV_OK) dump = DumpTokens(lexer);
    lexer.CloseInput();
  }
  OrvLexerTraceOut = saved;
  return dump + rec.Dump();
}

#endif
