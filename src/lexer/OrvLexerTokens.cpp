// The token layer of the lexer: OrvLexer::GetBrokenTextWord splits text words
// at operator characters where the source needs it, OrvLexer::GetToken gives
// every unit its final token code - reserved words of the dialect set,
// operators, numbers, picture strings, user words, intrinsic functions, the
// words of EXEC SQL and EXEC CICS blocks - runs the EXEC and NOTE blocks and
// counts the tokens, and OrvLexer::UnGetToken pushes one token back.
#include <cstring>
#include <ostream>

#include "OrvInputLevel.h"
#include "OrvLexer.h"
#include "OrvTextStore.h"
#include "OrvWordIndex.h"
#include "OrvWordShape.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

// Whether the word is the literal; its length is known at compile time.
template <std::size_t N>
bool Is(const char* word, int length, const char (&literal)[N]) {
  return static_cast<std::size_t>(length) == N - 1 && std::memcmp(word, literal, N - 1) == 0;
}

// The word as it stands when it holds no lower-case letter, else an
// upper-cased copy in `buf` (room for ORV_MAX_WORD_CHARS + 1).  Inside EXEC
// blocks of NetCobol letters keep their case; they are compared, looked up
// and tested through this view, while the token keeps the text as written.
const char* UpperView(const VString& word, char* buf) {
  const char* s = word.text != nullptr ? word.text : "";
  const int n = word.length;
  if (n <= 0 || n > ORV_MAX_WORD_CHARS) return s;  // no layer makes a longer word
  int i = 0;
  while (i < n && !(s[i] >= 'a' && s[i] <= 'z')) ++i;
  if (i == n) return s;
  std::memcpy(buf, s, static_cast<size_t>(n));
  for (; i < n; ++i) buf[i] = OrvToUpper(buf[i]);
  buf[n] = '\0';
  return buf;
}

// The source text of a punctuation unit, for messages.
const char* PunctuationText(int code) {
  switch (code) {
    case SEP_DOT: return ".";
    case SEP_SEMI: return ";";
    case SEP_COLON: return ":";
    default: return "";
  }
}

const char* TextOf(const VString& s) { return s.text != nullptr ? s.text : ""; }

}  // namespace

// ------------------------------------------------------------ broken words

bool OrvLexer::IsBreakAt(const char* w, int n, int i) const {
  switch (w[i]) {
    case ';': case '+': case '*': case '/': case '=': case '<': case '>':
      return true;
    case '|':
      // SQL's concatenation is written "||": each bar is a piece of its own.
      return sqlMode != 0;
    case ',':
      return sqlMode || (!settings.sepSpaceReqd && switches.decimalPoint != ',');
    case '.':
      return sqlMode && !(i + 1 < n && IsDigit(w[i + 1]));
    default:
      return false;
  }
}

void OrvLexer::StartBrokenWord(const OrvLexUnit& word) {
  brokenLength_ = word.text.length < ORV_MAX_WORD_CHARS ? word.text.length : ORV_MAX_WORD_CHARS;
  if (brokenLength_ > 0) std::memcpy(brokenText_, word.text.text, static_cast<size_t>(brokenLength_));
  brokenIx_ = 0;
  brokenBeg_ = word.beg;
  brokenEnd_ = word.end;
}

bool OrvLexer::CutPiece(OrvLexUnit& u, bool first) {
  const char* w = brokenText_;
  const int n = brokenLength_;
  int i = brokenIx_;
  int j = 0;
  for (;;) {
    if (i >= n) {
      brokenIx_ = n;
      return false;
    }
    const char c = w[i];
    if (i == 0 && (c == '-' || c == '+')) {
      // A leading sign: alone before a letter, else in front of what follows.
      j = 1;
      if (!(n > 1 && IsUpperLetter(w[1])))
        while (j < n && !IsBreakAt(w, n, j)) ++j;
    } else if (IsBreakAt(w, n, i)) {
      if ((c == ',' || c == ';') && execState == ORV_EXEC_NONE && !noteMode) {
        ++i;
        continue;
      }
      j = i + 1;
    } else {
      j = i + 1;
      while (j < n && !IsBreakAt(w, n, j)) ++j;
    }
    break;
  }
  brokenIx_ = j;
  const int length = j - i;
  if (first && i == 0 && j == n) return true;  // the whole word: unchanged
  if (!first) {
    u.Clear();
    u.code = TK_CHAR_STRING;
  }
  u.SetText(w + i, length);
  // Each piece takes its own columns, counted from the word's begin.
  if (brokenBeg_.IsSet() && (!first || u.end.IsSet())) {
    u.beg = brokenBeg_;
    u.beg.SetColumn(brokenBeg_.Column() + i);
    u.end = u.beg;
    u.end.SetColumn(u.beg.Column() + length);
  }
  return true;
}

void OrvLexer::NextBrokenTextWord(OrvLexUnit& u) {
  if (brokenIx_ < brokenLength_ && CutPiece(u, false)) {
    TraceUnit(ORV_LEX_TRACE_WORDS, "GetBrokenTextWord: ", u);
    return;
  }
  brokenLength_ = brokenIx_ = 0;
  // Comment lines riding on a word that was nothing but skipped commas and
  // semicolons go with the next unit.
  OrvTokenChain carried;
  for (;;) {
    NextTextWord(u);
    if ((settings.sepSpaceReqd && !sqlMode) || u.code != TK_CHAR_STRING || pictureMode) break;
    StartBrokenWord(u);
    if (CutPiece(u, true)) break;
    carried.Splice(u.attached);
  }
  u.attached.Prepend(carried);
  TraceUnit(ORV_LEX_TRACE_WORDS, "GetBrokenTextWord: ", u);
}

OrvTokenGroup* OrvLexer::GetBrokenTextWord() { return GroupOf(&OrvLexer::NextBrokenTextWord); }

// ------------------------------------------------------------------ tokens

void OrvLexer::RefreshDialects() {
  dialsSeen_ = settings.dials;
  expandedDials_ = OrvExpandDials(settings.dials);
  noteParagraphs_ =
      (settings.dials & (OrvDialFieldMask(ORV_DIAL_OSVS) | OrvDialFieldMask(ORV_DIAL_DOSVS))) != 0;
  sqlQuestionMark_ = (settings.dials & OrvDialFieldMask(ORV_DIAL_ICOBOL)) != 0;
}

OrvTokenGroup* OrvLexer::GetToken() {
  if (tokenSlot_ != nullptr) {
    OrvTokenGroup* group = tokenSlot_;
    tokenSlot_ = nullptr;
    return group;
  }
  if (settings.dials != dialsSeen_) RefreshDialects();
  OrvLexUnit u;
  OrvTokenChain kept;  // the tokens of separators dropped on the way
  TokenStep step;
  if (PlainSeparatorWaits()) {
    // A period or parenthesis that ended the word before: the word layers
    // would hand it on as it stands.
    u = std::move(copylessSlot_);
    copylessSlotFull_ = false;
    step = kDeliverCounted;
  } else if (int n = (PlainWordReady() || TakeLineBreak(kept)) ? TakePlainWord(u) : 0) {
    // Most tokens are words that a space or a line break comes before: the
    // word layers are passed by.  The word stands in the raw word buffer;
    // the unit gets its text only when the token keeps it.
    step = ClassifyWordText(u, rawBuf_, n);
    if (!wordTextDropped_) u.SetText(rawBuf_, n);
  } else {
    if (!kept.IsEmpty()) {
      // The line break taken before a word that the word layers read after
      // all: they drop it again, keeping what it carried.
      copylessSlot_.Clear();
      copylessSlot_.code = SEP_SPACE;
      copylessSlot_.attached.Splice(kept);
      copylessSlotFull_ = true;
    }
    do {
      NextBrokenTextWord(u);
      if (execState != ORV_EXEC_NONE)
        step = ExecUnit(u, kept);
      else if (noteMode)
        step = NoteUnit(u);
      else
        step = OutsideUnit(u);
    } while (step == kReadOn);
  }

  u.attached.Prepend(kept);
  if (step != kDeliver) ++tokenCount;
  TraceUnit(ORV_LEX_TRACE_LINES, "-GetToken: ", u);
  OrvTokenGroup* group = u.ToGroup();
  // The NOTE word goes to the hook, which only reads it, and to the caller.
  if (step == kDeliverNote && noteTokenHook != nullptr) noteTokenHook(group);
  return group;
}

void OrvLexer::UnGetToken(OrvTokenGroup* group) {
  if (settings.traceFlags & ORV_LEX_TRACE_LINES) {
    *OrvLexerTraceOut << "UnGetToken: ";
    if (group != nullptr) group->Print(*OrvLexerTraceOut);
    *OrvLexerTraceOut << std::endl;
  }
  PushToken(group);
}

void OrvLexer::PushToken(OrvTokenGroup* group) {
  if (tokenSlot_ != nullptr) {
    const OrvTxtPosn where =
        group != nullptr && group->token != nullptr ? group->token->begin : OrvTxtPosn();
    Report(MSG_TERMINAL, where, VString("OrvLexer::UnGetToken: cannot unget"));
    delete tokenSlot_;
  }
  tokenSlot_ = group;
}

OrvLexer::TokenStep OrvLexer::OutsideUnit(OrvLexUnit& u) {
  switch (u.code) {
    case TK_CHAR_STRING:
      return ClassifyWord(u);
    case TK_NONNUM_LIT:
      if (u.text.length > 0 && u.text.text[0] == 'H') u.code = TK_INT_NUM_LIT;
      return kDeliverCounted;
    case SEP_UNINLINED_COPY: case SEP_INLINED_COPY: case SEP_COPY_INC: case SEP_COPY_EOF:
    case SEP_REPLACE: case SEP_LEFT_PAR: case SEP_RIGHT_PAR: case SEP_DOT:
    case SEP_COLON: case SEP_AMPER: case SEP_EQEQ: case SEP_EOF:
      return kDeliverCounted;
    default:
      return BadUnit(u);
  }
}

OrvLexer::TokenStep OrvLexer::ClassifyWord(OrvLexUnit& u) {
  return ClassifyWordText(u, TextOf(u.text), u.text.length);
}

void OrvLexer::DropWordText(OrvLexUnit& u) {
  u.ClearText();
  wordTextDropped_ = true;
}

OrvLexer::TokenStep OrvLexer::ClassifyWordText(OrvLexUnit& u, const char* w, int n) {
  wordTextDropped_ = false;
  if (Is(w, n, "EXEC") || Is(w, n, "EXECUTE")) {
    u.code = RW_EXEC;
    DropWordText(u);
    execState = ORV_EXEC_WORD;
    execBeg_ = u.beg;
    execEnd_ = u.end;
    return kDeliverCounted;
  }
  if (noteParagraphs_ && Is(w, n, "NOTE")) {
    u.code = RW_NOTE;
    DropWordText(u);
    noteMode = 1;
    noteBeg_ = u.beg;
    noteEnd_ = u.end;
    return kDeliverNote;
  }
  if (pictureMode) {
    if (Is(w, n, "IS")) {
      u.code = RW_IS;
      DropWordText(u);
    } else {
      u.code = TK_PIC_CHAR_STRING;
      pictureMode = 0;
    }
    return kDeliverCounted;
  }
  if (const int op = n <= ORV_MAX_OPERATOR_CHARS ? OrvLookupCobolOperator(w, n) : 0) {
    u.code = op;
    return kDeliverCounted;
  }
  // Only a digit, a sign or the decimal point can begin a number.
  const char first = n > 0 ? w[0] : '\0';
  if (IsDigit(first) || first == '+' || first == '-' || first == switches.decimalPoint) {
    const OrvNumberShape number = OrvScanNumber(w, n, switches.decimalPoint);
    // Nineteen digits or more with no sign, point or exponent are no number
    // but a word (a data name made of digits).
    const bool digitName = number.digits > ORV_MAX_NUMBER_DIGITS && !number.sign &&
                           !number.point && !number.exponent;
    if (number.passes && !digitName) {
      ReportNumberLimits(u, w, number.digits);
      u.code = number.point ? TK_REAL_NUM_LIT : TK_INT_NUM_LIT;
      return kDeliverCounted;
    }
  }
  ClassifyCobolWord(u, w, n);
  if (u.code == RW_PIC || u.code == RW_PICTURE) pictureMode = 1;
  return kDeliverCounted;
}

void OrvLexer::IllegalWord(OrvLexUnit& u, const char* text) {
  Report(MSG_ERR, u.beg, OrvFormat("Not a legal COBOL word, number or operation: '%s'.", text));
  u.code = TK_USER_DEFD_WORD;
}

OrvLexer::TokenStep OrvLexer::BadUnit(const OrvLexUnit& u) {
  Report(MSG_SEVERE, u.beg, VString("OrvLexer::GetToken: GetBrokenTextWord() returned bad token"));
  return kDeliverCounted;
}

void OrvLexer::ReportNumberLimits(const OrvLexUnit& u, const char* text, int digits) {
  if (digits == 0)
    Report(MSG_ERR, u.beg, OrvFormat("Numeric literal '%s' does not contain digits. Set to zero", text));
  else if (digits > ORV_MAX_NUMBER_DIGITS)
    Report(MSG_ERR, u.beg, OrvFormat("Numeric literal '%s' longer than %d digits.", text, ORV_MAX_NUMBER_DIGITS));
}

void OrvLexer::ClassifyCobolWord(OrvLexUnit& u, const char* w, int n) {
  // A word of the reserved-word table is a legal word: the table is looked
  // at first, and the word test made only on words it lacks.
  const unsigned hash = OrvTextStore::Hash(w, n);
  const OrvKeyword* row = switches.reservedWordLookup ? OrvLookupCobolKeyword(w, n, hash) : nullptr;
  if (row == nullptr && !OrvIsCobolWordShape(w, n)) {
    IllegalWord(u, w);
    return;
  }
  // The row's mask is read as it stands: an un-reserved word has none.
  if (row != nullptr && (switches.specialReservedWords || (row->mask & ORV_SPECIAL_WORD_BIT) == 0) &&
      (row->mask & expandedDials_) != 0) {
    u.code = row->code;
    DropWordText(u);
    return;
  }
  // The word keeps its text, which its token stores in a moment.
  OrvTextStore::Prefetch(hash);
  if (switches.functionNameMode) {
    const OrvIntrinsicFunction* f = OrvLookupIntrinsicFunction(w, n);
    if (f == nullptr) {
      Report(MSG_ERR, u.beg, OrvFormat("Not a legal intrinsic function name: '%s'", w));
      u.code = TK_CHAR_STRING;
    } else if (f->argKind == ORV_FUNC_NO_ARGS) {
      u.code = TK_FUNC_NAME_NO_ARGS;
    } else if (f->argKind == ORV_FUNC_SPECIAL) {
      u.code = TK_CHAR_STRING;
    } else {
      u.code = TK_FUNC_NAME_WITH_ARGS;
    }
    return;
  }
  if (n > ORV_MAX_USER_WORD_CHARS)
    Report(MSG_ERR, u.beg,
           OrvFormat("User defined word '%s' is longer than %d characters.", w,
                     ORV_MAX_USER_WORD_CHARS));
  u.code = TK_USER_DEFD_WORD;
}

// ------------------------------------------------------------ EXEC blocks

OrvLexer::TokenStep OrvLexer::ExecUnit(OrvLexUnit& u, OrvTokenChain& kept) {
  if (u.code == SEP_EOF) {
    Report(MSG_ERR, u.beg, VString("Unexpected end-of-file within EXEC ... END-EXEC statement"));
    u.code = RW_END_EXEC;
    LeaveExecBlock();
    return kDeliver;
  }
  char upper[ORV_MAX_WORD_CHARS + 1];
  const bool isWord = u.code == TK_CHAR_STRING;
  const char* w = isWord ? UpperView(u.text, upper) : "";
  const int n = isWord ? u.text.length : 0;
  if (isWord && Is(w, n, "END-EXEC")) {
    u.code = RW_END_EXEC;
    u.ClearText();
    LeaveExecBlock();
    return kDeliver;
  }
  if (execState == ORV_EXEC_WORD) {
    if (u.code == SEP_SPACE) {
      kept.Splice(u.attached);
      return kReadOn;
    }
    if (!isWord) Report(MSG_ERR, u.beg, VString("EXEC subsystem specifier expected."));
    execState = ORV_EXEC_BLOCK;
    if (isWord && settings.sql && Is(w, n, "SQL")) {
      sqlMode = 1;
      u.code = TK_SQL;
      return kDeliver;
    }
    if (isWord && settings.cics && Is(w, n, "CICS")) {
      cicsMode = 1;
      u.code = TK_CICS;
      return kDeliver;
    }
    return GiveToExecHook(u);
  }
  if (sqlMode) return SqlUnit(u, kept, w);
  if (cicsMode) return CicsUnit(u, kept, w);
  return GiveToExecHook(u);
}

void OrvLexer::LeaveExecBlock() {
  execState = ORV_EXEC_NONE;
  sqlMode = cicsMode = 0;
  switches.cicsText = 0;
}

OrvLexer::TokenStep OrvLexer::GiveToExecHook(OrvLexUnit& u) {
  TraceUnit(ORV_LEX_TRACE_BLOCKS, "-NextExecToken: ", u);
  OrvTokenGroup* group = u.ToGroup();
  if (execTokenHook != nullptr)
    execTokenHook(group);
  else
    delete group;
  return kReadOn;
}

OrvLexer::TokenStep OrvLexer::SqlUnit(OrvLexUnit& u, OrvTokenChain& kept, const char* w) {
  switch (u.code) {
    case SEP_UNINLINED_COPY: case SEP_INLINED_COPY: case SEP_COPY_INC: case SEP_COPY_EOF:
    case SEP_EQEQ: case SEP_EOF:
      return kDeliverCounted;
    case SEP_REPLACE: u.code = STK_REPLACE; return kDeliverCounted;
    case SEP_LEFT_PAR: u.code = ST_LEFT_PAR; return kDeliverCounted;
    case SEP_RIGHT_PAR: u.code = ST_RIGHT_PAR; return kDeliverCounted;
    case SEP_DOT: u.code = ST_DOT; return kDeliverCounted;
    case SEP_COMMA: u.code = ST_COMMA; return kDeliverCounted;
    case SEP_SEMI: u.code = ST_SEMI; return kDeliverCounted;
    case SEP_COLON: u.code = ST_COLON; return kDeliverCounted;
    case SEP_SPACE:
      kept.Splice(u.attached);
      return kReadOn;
    case TK_NONNUM_LIT:
      u.code = u.text.length > 0 && u.text.text[0] == '"' ? ST_IDENT : ST_STR_LITER;
      return kDeliverCounted;
    case TK_CHAR_STRING:
      ClassifySqlWord(u, w);
      return kDeliverCounted;
    default:
      return BadUnit(u);
  }
}

void OrvLexer::ClassifySqlWord(OrvLexUnit& u, const char* w) {
  const int n = u.text.length;
  if (const int op = OrvLookupSqlOperator(w, n)) {
    u.code = op;
    return;
  }
  const OrvNumberShape number = OrvScanNumber(w, n, switches.decimalPoint);
  if (number.passes) {
    ReportNumberLimits(u, TextOf(u.text), number.digits);
    u.code = number.point ? ST_APPROX_NUM_LIT : ST_EXACT_NUM_LIT;
    return;
  }
  if (!OrvIsSqlWordShape(w, n, sqlQuestionMark_)) {
    IllegalWord(u, TextOf(u.text));
    return;
  }
  if (const int code = OrvLookupSqlKeyword(w, n)) {
    u.code = code;
    u.ClearText();
    return;
  }
  // WHENEVER ... PERFORM names the COBOL verb, which is no SQL word.
  if (Is(w, n, "PERFORM")) {
    u.code = RW_PERFORM;
    u.ClearText();
    return;
  }
  u.code = ST_IDENT;
}

OrvLexer::TokenStep OrvLexer::CicsUnit(OrvLexUnit& u, OrvTokenChain& kept, const char* w) {
  switch (u.code) {
    case SEP_UNINLINED_COPY: case SEP_INLINED_COPY: case SEP_COPY_INC: case SEP_COPY_EOF:
    case SEP_REPLACE: case SEP_LEFT_PAR: case SEP_RIGHT_PAR: case SEP_EQEQ: case SEP_EOF:
    case TK_NONNUM_LIT:
    // ':' passes like the parentheses: an argument may be reference-modified.
    case SEP_COLON:
      return kDeliverCounted;
    case SEP_DOT:
      if (switches.cicsText) {
        // Text never runs past a period: a block without its END-EXEC
        // ends here, and the COBOL after it is read as COBOL.
        LeaveExecBlock();
        return kDeliverCounted;
      }
      Report(MSG_ERR, u.beg,
             OrvFormat("This token cannot be used in CICS: '%s'.", PunctuationText(u.code)));
      kept.Splice(u.attached);
      return kReadOn;
    case SEP_SEMI:
      Report(MSG_ERR, u.beg,
             OrvFormat("This token cannot be used in CICS: '%s'.", PunctuationText(u.code)));
      kept.Splice(u.attached);
      return kReadOn;
    case SEP_SPACE: case SEP_COMMA:
      kept.Splice(u.attached);
      return kReadOn;
    case TK_CHAR_STRING:
      ClassifyCicsWord(u, w);
      return kDeliverCounted;
    default:
      return BadUnit(u);
  }
}

void OrvLexer::ClassifyCicsWord(OrvLexUnit& u, const char* w) {
  const int n = u.text.length;
  int digits = 0;
  if (OrvIsCicsNumberShape(w, n, digits)) {
    ReportNumberLimits(u, TextOf(u.text), digits);
    u.code = TK_INT_NUM_LIT;
    return;
  }
  if (!OrvIsCobolWordShape(w, n)) {
    IllegalWord(u, TextOf(u.text));
    return;
  }
  if (switches.reservedWordLookup) {
    if (const int code = OrvLookupCicsKeyword(w, n)) {
      u.code = code;
      u.ClearText();
      return;
    }
  }
  if (Is(w, n, "IN") || Is(w, n, "OF")) {
    u.code = w[0] == 'I' ? RW_IN : RW_OF;
    u.ClearText();
    return;
  }
  u.code = TK_USER_DEFD_WORD;
}

// ---------------------------------------------------------- NOTE paragraphs

OrvLexer::TokenStep OrvLexer::NoteUnit(OrvLexUnit& u) {
  if (u.code == SEP_EOF) {
    Report(MSG_ERR, u.beg, VString("Unexpected end-of-file within NOTE statement"));
    u.code = SEP_DOT;
    noteMode = 0;
    return kDeliver;
  }
  if (u.code == SEP_DOT) {
    // The period waits in the token slot behind the end of the paragraph.
    const OrvTxtPosn at = u.beg;
    PushToken(u.ToGroup());
    u.code = TK_END_NOTE;
    u.beg = at;
    u.end = at;
    noteMode = 0;
    return kDeliver;
  }
  if (u.beg.Line() != noteEnd_.Line()) {
    // A new source line of the paragraph: the hook gets a line feed first.
    OrvLexUnit lineFeed;
    lineFeed.code = TK_CHAR_STRING;
    lineFeed.SetText("\n", 1);
    lineFeed.beg = noteEnd_;
    lineFeed.end = noteEnd_;
    OrvTokenGroup* group = lineFeed.ToGroup();
    if (noteTokenHook != nullptr) noteTokenHook(group);
    delete group;
    noteBeg_ = u.beg;
    noteEnd_ = u.end;
  }
  TraceUnit(ORV_LEX_TRACE_BLOCKS, "-NextNoteToken: ", u);
  OrvTokenGroup* group = u.ToGroup();
  if (noteTokenHook != nullptr) noteTokenHook(group);
  delete group;
  return kReadOn;
}
