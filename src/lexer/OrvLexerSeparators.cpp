// The separator layer of the lexer (OrvLexer::GetSepOrChar): reads character
// units and gives back one separator, one whole nonnumeric or prefixed
// literal, an inline comment riding on the end of its line, or a single
// upper-cased character for the word layer.
#include <cstring>
#include <ostream>

#include "OrvDials.h"
#include "OrvInputLevel.h"
#include "OrvLexer.h"

namespace {

// Most value characters of a nonnumeric literal and of a prefixed one.
const int kMaxNonnumValue = 160;
const int kMaxPrefixedValue = 320;
// A continued literal is taken as running to this index (column 72) of the
// line it is continued from, in every format.
const int kLastContinuedIx = 71;
// The index at which a closing quote keeps the IBM rule for a quote pair
// across a line end from applying.
const int kPairAcrossLinesIx = 72;

// The image of a literal being read - opening quote (after a prefix), value
// characters as written (doubled quotes both), closing quote - with the
// count of its value characters against the literal's limit.
class LiteralText {
 public:
  explicit LiteralText(int limit) : limit_(limit) {}
  // Adds delimiters and prefixes, which do not count.
  void Add(char c) {
    if (n_ < kCapacity) buf_[n_++] = c;
  }
  void DropLast() {
    if (n_ > 0) --n_;
  }
  // Adds a value character.  Past the limit the character is dropped, with
  // one message per literal at `where`; the answer says whether it was kept.
  bool AddValue(OrvLexer& lexer, const OrvTxtPosn& where, char c) {
    if (count_ >= limit_) {
      if (!tooLong_)
        lexer.Report(MSG_ERR, where,
                     OrvFormat("Nonnumeric literal is longer than %d bytes: %s", limit_, CStr()));
      tooLong_ = true;
      return false;
    }
    ++count_;
    Add(c);
    return true;
  }
  // Adds the `n` value characters at `s`, as AddValue would one by one: in
  // one copy when all of them fit.
  void AddValues(OrvLexer& lexer, const OrvTxtPosn& where, const char* s, int n) {
    if (count_ + n <= limit_ && n_ + n <= kCapacity) {
      std::memcpy(buf_ + n_, s, static_cast<size_t>(n));
      n_ += n;
      count_ += n;
      return;
    }
    for (int i = 0; i < n; ++i) AddValue(lexer, where, s[i]);
  }
  // The spaces that stand for the rest of a continued line, from the index
  // after `prevCol` up to column 72.
  void AddContinuationSpaces(OrvLexer& lexer, const OrvTxtPosn& where, int prevCol) {
    for (int c = prevCol + 1; c <= kLastContinuedIx; ++c) AddValue(lexer, where, ' ');
  }
  // Moves the literal's text into `text`.
  void MoveTextTo(VString& text) const {
    VString made(buf_, n_);
    text.TakeOver(made);
  }
  const char* CStr() {
    buf_[n_] = '\0';
    return buf_;
  }

 private:
  static const int kCapacity = 2 * kMaxPrefixedValue + 8;
  char buf_[kCapacity + 1];
  int n_ = 0;
  int count_ = 0;
  int limit_;
  bool tooLong_ = false;
};

// A unit that is no character met inside a literal: the end of input is
// reported and delivered after the literal; a line break or a library
// inclusion closes the literal with its own quote, reported as an illegal
// continuation (the line break's comment lines stay with the literal, the
// library inclusion is delivered after it).
void CloseLiteralAt(OrvLexer& lexer, OrvLexUnit& lit, OrvLexUnit& u, LiteralText& text, int quote,
                    bool prefixed) {
  if (u.code == SEP_EOF) {
    lexer.Report(MSG_ERR, u.beg,
                 VString(prefixed ? "End-of-file in hexadecimal literal"
                                  : "End-of-file in non-numeric literal"));
    lexer.UnNextChar(u);
    return;
  }
  text.Add(static_cast<char>(quote));
  lexer.Report(MSG_ERR, lit.beg,
               OrvFormat(prefixed ? "Hexadecimal literal continues on the next line illegaly: %s"
                                  : "Nonnumeric literal continues on the next line illegaly: %s",
                         text.CStr()));
  if (u.code == SEP_SPACE)
    lit.attached.Splice(u.attached);
  else
    lexer.UnNextChar(u);
}

bool IsQuote(int c) { return c == '"' || c == '\''; }

// The value characters of a literal up to its quote or the end of the line
// `lev` (which ReadyLine gave), taken straight from the line: exactly what
// reading them one by one would add to the literal.  False when none stands
// there.
bool TakeLiteralRun(OrvLexer& lexer, OrvInputLevel& lev, LiteralText& text, OrvLexUnit& lit, int quote,
                    int& prevLine, int& prevCol) {
  const char* line = lev.line;
  const int first = lev.colIx;
  int ix = first;
  for (char c; (c = line[ix]) != '\0' && static_cast<unsigned char>(c) != quote;) ++ix;
  if (ix == first) return false;
  text.AddValues(lexer, lit.beg, line + first, ix - first);
  lev.colIx = ix;
  prevLine = lev.posn.Line();
  prevCol = ix - 1;
  lit.end = OrvTxtPosn(prevLine, ix, lev.posn.FileIx());
  return true;
}


bool IsLiteralPrefix(int c) {
  switch (c) {
    case 'B': case 'G': case 'H': case 'N': case 'X':
    case 'b': case 'g': case 'h': case 'n': case 'x':
      return true;
    default:
      return false;
  }
}

bool HasDialect(OrvDials set, int dialect) { return (set & OrvDialFieldMask(dialect)) != 0; }

}  // namespace

void OrvLexer::NextSepOrChar(OrvLexUnit& u) {
  if (sepSlotFull_) {
    u = std::move(sepSlot_);
    sepSlotFull_ = false;
  } else {
    if (!TakeLineChar(u)) NextChar(u);
    switch (u.code) {
      case ' ':
      case SEP_SPACE:
        u.code = SEP_SPACE;
        if (!noteMode) ReadSpaces(u);
        break;
      case SEP_UNINLINED_COPY:
      case SEP_INLINED_COPY:
      case SEP_COPY_INC:
      case SEP_EOF:
        break;
      case '"':
      case '\'':
        ReadNonnumLiteral(u);
        break;
      case '%':
        if (HasDialect(settings.dials, ORV_DIAL_WANG)) ReadLineComment(u, "*% ");
        break;
      case '&':
        u.code = SEP_AMPER;
        break;
      case '(':
        u.code = SEP_LEFT_PAR;
        break;
      case ')':
        u.code = SEP_RIGHT_PAR;
        break;
      case ':':
        u.code = SEP_COLON;
        break;
      case '*':
        if (HasDialect(settings.dials, ORV_DIAL_MF) || HasDialect(settings.dials, ORV_DIAL_MS) ||
            HasDialect(settings.dials, ORV_DIAL_FSC)) {
          OrvLexUnit next;
          NextChar(next);
          if (next.code == '>') {
            u.Absorb(next);
            ReadLineComment(u, "*> ");
          } else {
            UnNextChar(next);
          }
        }
        break;
      case ',':
      case '.':
      case ';': {
        OrvLexUnit next;
        NextChar(next);
        const bool separator = NextIsSeparator(next);
        UnNextChar(next);
        if (separator) u.code = u.code == ',' ? SEP_COMMA : u.code == '.' ? SEP_DOT : SEP_SEMI;
        break;
      }
      case '=': {
        OrvLexUnit next;
        NextChar(next);
        if (next.code == '=') {
          u.Absorb(next);
          u.code = SEP_EQEQ;
        } else {
          UnNextChar(next);
        }
        break;
      }
      default:
        if (IsLiteralPrefix(u.code)) {
          OrvLexUnit next;
          NextChar(next);
          if (IsQuote(next.code)) {
            ReadPrefixedLiteral(u, next);
            break;
          }
          UnNextChar(next);
        }
        if (u.code >= 'a' && u.code <= 'z' &&
            !(execState != 0 && HasDialect(settings.dials, ORV_DIAL_NET)))
          u.code = OrvToUpper(static_cast<char>(u.code));
        break;
    }
  }
  if (settings.traceFlags & ORV_LEX_TRACE_CHARS) {
    *OrvLexerTraceOut << "GetSepOrChar: ";
    u.Print(*OrvLexerTraceOut);
    *OrvLexerTraceOut << std::endl;
  }
}

void OrvLexer::ReadSpaces(OrvLexUnit& u) {
  // The spaces that stand next in the current line are taken straight from
  // the line buffer when no unit waits and no character trace is on: they
  // carry nothing, so the merge would only move the end.  True when
  // something other than a space follows on the line: the run ends there,
  // without reading that character and pushing it back.
  auto endsInLine = [this, &u]() {
    OrvInputLevel* ready = ReadyLine();
    if (ready == nullptr) return false;
    OrvInputLevel& lev = *ready;
    int ix = lev.colIx;
    if (lev.line[ix] == ' ') {
      while (lev.line[ix] == ' ') ++ix;
      lev.colIx = ix;
      u.end = OrvTxtPosn(lev.posn.Line(), ix, lev.posn.FileIx());
    }
    return lev.line[ix] != '\0';
  };
  if (endsInLine()) return;
  OrvLexUnit next;
  for (;;) {
    if (!TakeLineChar(next)) NextChar(next);
    if (next.code != ' ' && next.code != SEP_SPACE) break;
    u.Absorb(next);
    if (endsInLine()) return;
  }
  UnNextChar(next);
}

bool OrvLexer::NextIsSeparator(const OrvLexUnit& next) {
  switch (next.code) {
    case ' ':
    case SEP_UNINLINED_COPY:
    case SEP_INLINED_COPY:
    case SEP_COPY_INC:
    case SEP_SPACE:
    case SEP_EOF:
      return true;
    case '=': {
      // "==" after the punctuation: the second '=' is read from the line
      // itself, since only one unit can be pushed back.
      if (cur_ == nullptr || next.beg.Line() != cur_->posn.Line()) return false;
      const int after = next.end.Column();
      return after < cur_->length && cur_->line[after] == '=';
    }
    default:
      return false;
  }
}

void OrvLexer::ReadLineComment(OrvLexUnit& u, const char* intro) {
  char buf[ORV_LINE_BUFFER_SIZE + 8];
  const int cap = static_cast<int>(sizeof buf);
  int n = 0;
  for (const char* p = intro; *p != '\0'; ++p) buf[n++] = *p;
  OrvTxtPosn lastEnd = u.end;
  OrvLexUnit next;
  for (;;) {
    NextChar(next);
    if (next.code > 255) break;
    if (n < cap) buf[n++] = static_cast<char>(next.code);
    u.attached.Splice(next.attached);
    lastEnd = next.end;
  }
  // The comment ends where the next unit begins; a library-inclusion unit
  // has no position, so the comment then ends after its last character.
  const OrvTxtPosn end = next.beg.IsSet() ? next.beg : lastEnd;
  OrvTokenChain front;
  front.Splice(u.attached);
  front.Append(new OrvToken(CM_COMMENT, VString(buf, n), u.beg, end));
  next.attached.Prepend(front);
  u = std::move(next);
}

void OrvLexer::ReadNonnumLiteral(OrvLexUnit& lit) {
  const int q = lit.code;
  openQuote_ = q;
  LiteralText text(kMaxNonnumValue);
  text.Add(static_cast<char>(q));
  int prevLine = lit.beg.Line();
  int prevCol = lit.beg.Column();
  const bool wang = HasDialect(settings.dials, ORV_DIAL_WANG);
  const bool pairRule = HasDialect(settings.dials, ORV_DIAL_OSVS) || HasDialect(settings.dials, ORV_DIAL_VSII);

  OrvLexUnit u;
  bool held = false;
  for (;;) {
    if (!held) {
      OrvInputLevel* lev = ReadyLine();
      if (lev != nullptr && TakeLiteralRun(*this, *lev, text, lit, q, prevLine, prevCol)) continue;
    }
    if (!held) NextChar(u);
    held = false;
    if (u.code == SEP_SPACE && wang) {
      // Wang VS: the text up to the next quote is skipped and the literal
      // goes on after it.
      lit.attached.Splice(u.attached);
      for (;;) {
        NextChar(u);
        if (u.code > 255 && u.code != SEP_SPACE) break;
        lit.attached.Splice(u.attached);
        if (u.code == q) break;
      }
      held = u.code > 255;
      continue;
    }
    if (u.code > 255) {
      CloseLiteralAt(*this, lit, u, text, q, false);
      break;
    }
    if (u.code == q && u.beg.Line() != prevLine) {
      // The opening quote of a continuation line: the continued line is
      // taken as running to column 72.
      text.AddContinuationSpaces(*this, lit.beg, prevCol);
      prevLine = u.beg.Line();
      prevCol = u.beg.Column();
      lit.Absorb(u);
      continue;
    }
    if (u.code == q) {
      text.Add(static_cast<char>(q));
      const int closeCol = u.beg.Column();
      int lastLine = u.beg.Line();
      lit.Absorb(u);
      bool doubled = false;
      for (;;) {
        NextChar(u);
        if (u.code != q ||
            (pairRule && u.beg.Line() != lastLine && closeCol != kPairAcrossLinesIx)) {
          UnNextChar(u);
          break;
        }
        const bool sameLine = u.beg.Line() == lastLine;
        lastLine = u.beg.Line();
        prevLine = u.beg.Line();
        prevCol = u.beg.Column();
        lit.Absorb(u);
        if (sameLine) {
          doubled = true;
          break;
        }
        // A continuation line that opens with a quote after a quote that
        // ended the line: the unit after it is tested the same way.
      }
      if (!doubled) break;
      // A doubled quote is one value character; the image keeps both.
      if (!text.AddValue(*this, lit.beg, static_cast<char>(q))) text.DropLast();
      continue;
    }
    text.AddValue(*this, lit.beg, static_cast<char>(u.code));
    prevLine = u.beg.Line();
    prevCol = u.beg.Column();
    lit.Absorb(u);
  }
  openQuote_ = 0;
  lit.code = TK_NONNUM_LIT;
  text.MoveTextTo(lit.text);
}

void OrvLexer::ReadPrefixedLiteral(OrvLexUnit& lit, OrvLexUnit& quote) {
  const char prefix = OrvToUpper(static_cast<char>(lit.code));
  const int q = quote.code;
  // Hexadecimal and bit digits are read in upper case; national and DBCS
  // content keeps its case.
  const bool upper = prefix == 'X' || prefix == 'H' || prefix == 'B';
  openQuote_ = q;
  LiteralText text(kMaxPrefixedValue);
  text.Add(prefix);
  text.Add(static_cast<char>(q));
  int prevLine = quote.beg.Line();
  int prevCol = quote.beg.Column();
  lit.Absorb(quote);

  OrvLexUnit u;
  for (;;) {
    NextChar(u);
    if (u.code > 255) {
      CloseLiteralAt(*this, lit, u, text, q, true);
      break;
    }
    if (u.code == q) {
      if (u.beg.Line() == prevLine) {
        text.Add(static_cast<char>(q));
        lit.Absorb(u);
        break;
      }
      text.AddContinuationSpaces(*this, lit.beg, prevCol);
    } else {
      const char c = static_cast<char>(u.code);
      text.AddValue(*this, lit.beg, upper ? OrvToUpper(c) : c);
    }
    prevLine = u.beg.Line();
    prevCol = u.beg.Column();
    lit.Absorb(u);
  }
  openQuote_ = 0;
  lit.code = TK_NONNUM_LIT;
  text.MoveTextTo(lit.text);
}

namespace {

// What TakePlainRun makes of each byte of a line: 0 for a byte that ends the
// run, else the character NextSepOrChar would return for it outside
// NetCobol EXEC blocks (letters upper-cased, digits and '-' as they are).
// `prefix` marks the literal prefix letters, before which a quote starts a
// literal.
struct PlainCharTable {
  unsigned char out[256];
  bool prefix[256];
  constexpr PlainCharTable() : out(), prefix() {
    for (int c = '0'; c <= '9'; ++c) out[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c) out[c] = static_cast<unsigned char>(c);
    for (int c = 'a'; c <= 'z'; ++c) out[c] = static_cast<unsigned char>(c - 'a' + 'A');
    out[static_cast<unsigned char>('-')] = '-';
    for (const char* p = "BGHNXbghnx"; *p != '\0'; ++p) prefix[static_cast<unsigned char>(*p)] = true;
  }
};
constexpr PlainCharTable kPlainChars;
static_assert(kPlainChars.out[0] == 0 && kPlainChars.out[static_cast<unsigned char>('"')] == 0 &&
                  kPlainChars.out[static_cast<unsigned char>('\'')] == 0,
              "the end of a line and the quotes end a plain run");

}  // namespace

int OrvLexer::TakePlainRun(char* out, int room, OrvTxtPosn& beg, OrvTxtPosn& end) {
  if (sepSlotFull_ || cur_ == nullptr || cur_->slotFull || !pending_.IsEmpty() ||
      (settings.traceFlags & ORV_LEX_TRACE_CHARS))
    return 0;
  OrvInputLevel& lev = *cur_;
  const char* const first = lev.line + lev.colIx;
  const bool keepCase = execState != ORV_EXEC_NONE && HasDialect(settings.dials, ORV_DIAL_NET);
  int n = 0;
  if (keepCase) {
    while (n < room && kPlainChars.out[static_cast<unsigned char>(first[n])] != 0) {
      out[n] = first[n];
      ++n;
    }
  } else if (lev.colIx <= lev.length && lev.length - lev.colIx <= room) {
    // The line's closing NUL stands within `room` and ends the run: no count
    // is kept.
    for (unsigned char made; (made = kPlainChars.out[static_cast<unsigned char>(first[n])]) != 0; ++n)
      out[n] = static_cast<char>(made);
  } else {
    for (unsigned char made; n < room && (made = kPlainChars.out[static_cast<unsigned char>(first[n])]) != 0; ++n)
      out[n] = static_cast<char>(made);
  }
  // A prefix letter before a quote starts a literal; before the end of the
  // line it may, when the next line continues with a quote.  Quotes and the
  // line's end stop the run, so such a letter can only be its last: it is
  // left in the line.
  if (n > 0 && kPlainChars.prefix[static_cast<unsigned char>(first[n - 1])] &&
      (IsQuote(first[n]) || first[n] == '\0'))
    --n;
  if (n > 0) {
    beg = lev.posn;
    beg.SetColumn(lev.colIx);
    lev.colIx += n;
    end = lev.posn;
    end.SetColumn(lev.colIx);
  }
  return n;
}

int OrvLexer::TakePlainWord(OrvLexUnit& u) {
  OrvInputLevel& lev = *cur_;
  if (copylessSlotFull_) {
    copylessSlot_.Clear();
    copylessSlotFull_ = false;
  }
  SkipLineSpaces();
  const int ix = lev.colIx;
  const char* const first = lev.line + ix;
  // The run is upper-cased into the raw word buffer as it is scanned; the
  // line's closing NUL ends it.
  char* const buf = rawBuf_;
  int n = 0;
  for (unsigned char made; n < ORV_MAX_WORD_CHARS && (made = kPlainChars.out[static_cast<unsigned char>(first[n])]) != 0; ++n)
    buf[n] = static_cast<char>(made);
  if (n == 0 || n >= ORV_MAX_WORD_CHARS) return 0;
  const char after = first[n];
  // A prefix letter before a quote or the line's end may start a literal:
  // the raw layer leaves it in the line.
  if ((IsQuote(after) || after == '\0') && kPlainChars.prefix[static_cast<unsigned char>(first[n - 1])])
    return 0;
  if (MayStartWord(buf[0], n)) return 0;
  // Where separator spaces are not required, a word led by a hyphen may be
  // broken in front of its first letter.
  if (buf[0] == '-' && !(settings.sepSpaceReqd && !sqlMode)) return 0;
  // A picture string of runs and parentheses is joined here, as the
  // joining layer would join it.
  int taken = n;
  if (pictureMode && after == '(') taken = PlainPictureLength(first, n);
  if (taken == 0) taken = n;
  u.code = TK_CHAR_STRING;
  u.beg = lev.posn;
  u.beg.SetColumn(ix);
  lev.colIx = ix + taken;
  u.end = lev.posn;
  u.end.SetColumn(lev.colIx);
  lastStatement_ = kNoStatement;
  brokenLength_ = brokenIx_ = 0;
  if (first[taken] != ' ') {
    // What follows is read as the raw layer's loop reads it.
    OrvLexUnit next;
    NextSepOrChar(next);
    if (next.code <= 255 || next.code == TK_CHAR_STRING || !OrvIsSeparatorCode(next.code) ||
        MayStartStatement(next) || (pictureMode && PictureChar(next.code) != 0)) {
      if (taken > n) {
        // A period that goes on with the picture string (the next line
        // continues it): the joining layer reads on from it, and its word
        // goes back to the raw word buffer.
        UnNextSepOrChar(next);
        u.SetText(buf, taken);
        JoinFollowingText(u);
        const int length = u.text.length;
        std::memcpy(buf, u.text.text, static_cast<size_t>(length));
        buf[length] = '\0';
        u.ClearText();
        return length;
      }
      // It goes on with the word, or the layers above would do more with
      // it than push it back: they make the word from here.
      UnNextSepOrChar(next);
      rawCarry_ = n;
      rawCarryBeg_ = u.beg;
      rawCarryEnd_ = u.end;
      u.Clear();
      return 0;
    }
    // The joining layer would have read it and pushed it back.
    PushIntoSlot(copylessSlot_, copylessSlotFull_, next, "OrvLexer::UnGetCopylessTextWord: cannot do 2nd unget");
  }
  buf[taken] = '\0';
  return taken;
}

int OrvLexer::PlainPictureLength(const char* first, int n) {
  char* const buf = rawBuf_;
  int j = n;
  for (;;) {
    const char c = first[j];
    if (c == '(' || c == ')') {
      if (j + 1 >= ORV_MAX_WORD_CHARS) return 0;
      buf[j++] = c;
      continue;
    }
    if (kPlainChars.out[static_cast<unsigned char>(c)] == 0) break;
    const int start = j;
    for (unsigned char made; (made = kPlainChars.out[static_cast<unsigned char>(first[j])]) != 0; ++j) {
      if (j + 1 >= ORV_MAX_WORD_CHARS) return 0;
      buf[j] = static_cast<char>(made);
    }
    // The copy-less layer would look at a run that may begin a statement.
    if (MayStartWord(buf[start], j - start)) return 0;
  }
  // A space ends the string in the line; so does a period before a space
  // or the line's end, which is read on as a separator.
  const char c = first[j];
  if (c == ' ' || (c == '.' && (first[j + 1] == ' ' || first[j + 1] == '\0'))) return j;
  return 0;
}

bool OrvLexer::TakeLineBreak(OrvTokenChain& kept) {
  OrvInputLevel* lev = cur_;
  if (lev == nullptr || !lev->slotFull || (lev->slot.code != SEP_SPACE && lev->slot.code != ' ') ||
      lev->slot.text.length != 0 ||
      settings.traceFlags != 0 || execState != ORV_EXEC_NONE || noteMode || brokenIx_ < brokenLength_ ||
      copylessSlotFull_ || activeTable_ != nullptr || !rpldOut_.IsEmpty() || collapsedCount_ != 0 ||
      !rpldPending_.IsEmpty() || sepSlotFull_ || !pending_.IsEmpty())
    return false;
  // Spaces that run to the line's end would have the separator layer read
  // the next line into the same space unit.
  int ix = lev->colIx;
  while (lev->line[ix] == ' ') ++ix;
  if (lev->line[ix] == '\0') return false;
  kept.Splice(lev->slot.attached);
  lev->slot.Clear();
  lev->slotFull = false;
  lev->colIx = ix;
  return true;
}

void OrvLexer::SkipLineSpaces() {
  int ix = cur_->colIx;
  while (cur_->line[ix] == ' ') ++ix;
  cur_->colIx = ix;
}

OrvTokenGroup* OrvLexer::GetSepOrChar() { return GroupOf(&OrvLexer::NextSepOrChar); }

void OrvLexer::UnGetSepOrChar(OrvTokenGroup* group) { UnGroup(&OrvLexer::UnNextSepOrChar, group); }
