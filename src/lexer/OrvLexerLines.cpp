// The line layer of the lexer (OrvLexer::GetLine): reads one physical line
// of the current input level, normalises it, applies the source format and
// classifies it, carrying out the line directives on the way ("-inc",
// "#FILE", "#LINE", "$" lines, listing control, END-OF-LIB, comment entries
// of the IDENTIFICATION DIVISION) and counting lines and lines of code.
#include <cstring>
#include <ostream>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "OrvInputLevel.h"
#include "OrvLexer.h"
#include "VStringList.h"

namespace {

// Dialect groups of the line layer, as masks over the dialect set.
const OrvDials kNoColumn1Comments = 0xC000;   // Ryan McFarland - 74 and - 85
const OrvDials kDollarDirectives = 0x3E00;    // Micro Focus, Microsoft
const OrvDials kAtSignLines = 0x80000;        // Fujitsu Cobol-85
const OrvDials kStrictCommentEntry = 0x40008; // IBM OSVS, Wang VS
const OrvDials kCblLines = 0x100F8;           // IBM OSVS, VS/II, SAA, DOSVS
const OrvDials kSkipLines = 0x10EF8;          // the same and Micro Focus
const OrvDials kTitleLines = 0xEF0;           // IBM VS/II, SAA, Micro Focus

// The first word of a line is read up to this many characters.
const int kMaxFirstWord = 50;
const int kTabWidth = 8;
const char kCtrlZ = 0x1a;
const char kFormFeed = 0x0c;

// Index of the indicator and of Area A in the fixed-type formats.
const int kIndicatorIx = 6;
const int kAreaAIx = 7;
// Last index at which a word still starts in Area A.
const int kLastAreaAIx = 10;

// Whether the word is the literal.  Most words are not: the first letters
// are compared before the rest.
bool WordIs(const char* word, const char* literal) {
  return word[0] == literal[0] && std::strcmp(word, literal) == 0;
}

// The upper-case form of an ASCII letter, inline: every first word of a
// line goes through it.
char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// A byte that ends the first word: a space, a control character or any byte
// above 0x7F.
bool EndsWord(char c) { return static_cast<signed char>(c) <= 0x20; }

// The first word of a line from index `start` of `text`, upper-cased, up to
// kMaxFirstWord characters.  Most lines' first words match no word that
// the line layer looks for, which their first letter shows: the whole word
// is made only when a comparison needs it.
class FirstWord {
 public:
  FirstWord(const char* text, int start)
      : text_(text), start_(start), first_(EndsWord(text[start]) ? '\0' : UpperAscii(text[start])) {}
  // The word's first character (NUL for an empty word).
  char First() const { return first_; }
  // The word, NUL-terminated, and its length.
  const char* Text() {
    Make();
    return word_;
  }
  int Length() {
    Make();
    return length_;
  }
  // The index just after the word's last character in the line.
  int End() {
    Make();
    return end_;
  }
  // Whether the word is the literal, or one of the list's.
  bool Is(const char* literal) { return first_ == literal[0] && std::strcmp(Text(), literal) == 0; }
  bool IsOneOf(const char* const* list) {
    for (; *list != nullptr; ++list)
      if (Is(*list)) return true;
    return false;
  }

 private:
  void Make() {
    if (end_ >= 0) return;
    int end = start_;
    while (!EndsWord(text_[end])) {
      if (length_ < kMaxFirstWord) word_[length_++] = UpperAscii(text_[end]);
      ++end;
    }
    word_[length_] = '\0';
    end_ = end;
  }

  const char* text_;
  int start_;
  char first_;
  int end_ = -1;
  int length_ = 0;
  char word_[kMaxFirstWord + 1];
};

const char* const kCommentEntryHeaders[] = {"AUTHOR.",      "DATE",     "DATE-COMPILED.",
                                            "DATE-WRITTEN.", "INSTALLATION.", "REMARKS.",
                                            "SECURITY.",    nullptr};
const char* const kDivisionWords[] = {"ENVIRONMENT", "DATA", "PROCEDURE", nullptr};
const char* const kStrictEntryEnds[] = {"PROGRAM-ID.", "ENVIRONMENT", "DATA", "PROCEDURE",
                                        nullptr};
const char* const kSkipWords[] = {"EJECT", "SKIP1", "SKIP2", "SKIP3", nullptr};

// A dropped byte that loses nothing when a long line is cut.
bool IsBlankByte(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == kCtrlZ || c == kFormFeed || c == '\0';
}

// The end of the line that begins at p (its line feed, or `end` when none
// follows), found in one pass that also tells whether a tab or a NUL stands
// before it: sixteen bytes at a step while sixteen remain, then byte by byte.
const char* FindLineEnd(const char* p, const char* end, bool& tabOrNul) {
#if defined(__SSE2__)
  const __m128i lineFeed = _mm_set1_epi8('\n');
  const __m128i tab = _mm_set1_epi8('\t');
  const __m128i nul = _mm_setzero_si128();
  for (; end - p >= 16; p += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const unsigned feeds = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed)));
    const unsigned odd = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, tab), _mm_cmpeq_epi8(bytes, nul))));
    if (feeds != 0) {
      // Only the bytes before the first line feed belong to the line.
      if ((odd & ((feeds & (0u - feeds)) - 1u)) != 0) tabOrNul = true;
      return p + __builtin_ctz(feeds);
    }
    if (odd != 0) tabOrNul = true;
  }
#endif
  for (; p < end; ++p) {
    if (*p == '\n') return p;
    if (*p == '\t' || *p == '\0') tabOrNul = true;
  }
  return end;
}

// Copies the n bytes at `from` (at most the line buffer's room) to `to`:
// sixteen at a step, the last step overlapping the one before; no byte
// outside either range is touched.  A short copy of a line costs no call
// and no string instruction's start-up.
void CopyLineBytes(char* to, const char* from, size_t n) {
#if defined(__SSE2__)
  if (n >= 16) {
    size_t i = 0;
    for (; i + 16 < n; i += 16)
      _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i),
                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to + n - 16),
                     _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + n - 16)));
    return;
  }
#endif
  for (size_t i = 0; i < n; ++i) to[i] = from[i];
}

// The length of the n bytes at s once the spaces and form feeds that end
// them go: sixteen bytes at a step from the end while sixteen remain.
int TrimBlanks(const char* s, int n) {
#if defined(__SSE2__)
  const __m128i space = _mm_set1_epi8(' ');
  const __m128i formFeed = _mm_set1_epi8(kFormFeed);
  for (; n >= 16; n -= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + n - 16));
    const unsigned blank = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, space), _mm_cmpeq_epi8(bytes, formFeed))));
    // The last byte that is no blank ends the text.
    if (blank != 0xFFFFu) return n - 16 + (31 - __builtin_clz(~blank & 0xFFFFu)) + 1;
  }
#endif
  while (n > 0 && (s[n - 1] == ' ' || s[n - 1] == kFormFeed)) --n;
  return n;
}

}  // namespace

int OrvLexer::GetLine() {
  if (cur_ == nullptr) return SEP_EOF;
  OrvInputLevel& lev = *cur_;
  // Once a level has reached its end it answers the end again, without
  // counting a line, however often it is asked.
  if (lev.atEof || lev.eofPending) {
    lev.eofPending = 0;
    lev.atEof = 1;
    lev.line[0] = '\0';
    lev.length = 0;
    lev.colIx = 0;
    return SEP_EOF;
  }
  lev.posn.SetLine(lev.posn.Line() + 1L);
  ++lineCount;
  if (settings.progressCallBack != nullptr && settings.progressInterval > 0 &&
      lev.posn.Line() % settings.progressInterval == 0) {
    OrvTxtPosn where = lev.posn;
    VString empty;
    settings.progressCallBack(&where, &empty);
  }
  if (ReadRawLine(lev) == SEP_EOF) return SEP_EOF;
  return ClassifyLine(lev);
}

int OrvLexer::ReadRawLine(OrvInputLevel& lev) {
  const bool fixed = settings.lineFormat == ORV_LINE_FORMAT_FIXED;
  const long limit = fixed ? ORV_FIXED_LINE_COLUMNS : ORV_WIDE_LINE_COLUMNS;
  const char* p = lev.data + lev.pos;
  const char* const end = lev.data + lev.size;
  if (p == end) {
    lev.line[0] = '\0';
    lev.length = 0;
    lev.colIx = 0;
    lev.atEof = 1;
    if (settings.traceFlags & ORV_LEX_TRACE_LINES)
      *OrvLexerTraceOut << "=GetLine: lev=" << levelCount_ << " no=" << lev.posn.Line()
                        << "|<EOF>|" << std::endl;
    return SEP_EOF;
  }
  bool tabOrNul = false;
  const char* stop = FindLineEnd(p, end, tabOrNul);
  const char* nl = stop != end ? stop : nullptr;
  long ix = 0;
  int nuls = 0;
  bool cut = false;
  char* out = lev.line;
  // The line's bytes as they stand in `out`, for the trailing-byte tests
  // below: the source's own bytes when they were copied unchanged, which
  // are read without waiting for the copy's stores.
  const char* keptBytes = out;
  const size_t rawLength = static_cast<size_t>(stop - p);
  if (!tabOrNul) {
    // The common line, without tabs and NULs, is copied as it stands.
    const size_t kept = rawLength < static_cast<size_t>(limit) ? rawLength : static_cast<size_t>(limit);
    CopyLineBytes(out, p, kept);
    keptBytes = p;
    // Only the wide formats say that a line was cut.
    for (size_t i = kept; !fixed && i < rawLength && !cut; ++i) cut = !IsBlankByte(p[i]);
    ix = static_cast<long>(rawLength);
    p = stop;
  }
  for (; p < stop; ++p) {
    char c = *p;
    if (c == '\0') {
      ++nuls;
      c = ' ';
    }
    if (c == '\t') {
      do {
        if (ix < limit) out[ix] = ' ';
        ++ix;
      } while (ix % kTabWidth != 0);
      continue;
    }
    if (ix < limit)
      out[ix] = c;
    else if (!IsBlankByte(c))
      cut = true;
    ++ix;
  }
  lev.pos = static_cast<size_t>((nl != nullptr ? nl + 1 : end) - lev.data);
  int n = static_cast<int>(ix < limit ? ix : limit);
  out[n] = '\0';
  const OrvTxtPosn where = LinePosn();
  if (nuls > 0)
    Report(MSG_WARN, where,
           OrvFormat("Line has %d NULL (0x00) characters, we replace them with spaces", nuls));
  // The fixed format drops the sequence area beyond column 72 by design; in
  // the wide formats a cut loses text, so it is said once per line.
  if (cut && !fixed)
    Report(MSG_WARN, where, VString("Line longer than 256 characters; the rest is ignored"));
  while (n > 0 && keptBytes[n - 1] == '\r') --n;
  while (n > 0 && keptBytes[n - 1] == kCtrlZ) --n;
  out[n] = '\0';
  if (settings.traceFlags & ORV_LEX_TRACE_LINES)
    *OrvLexerTraceOut << "=GetLine: lev=" << levelCount_ << " no=" << lev.posn.Line() << "|"
                      << out << "|" << std::endl;
  if (nl == nullptr) lev.eofPending = 1;
  // Trailing spaces and form feeds go.
  n = TrimBlanks(keptBytes, n);
  out[n] = '\0';
  lev.length = n;
  lev.colIx = n;
  return ORV_LINE_OF_CODE;
}

bool OrvLexer::IfStackActive() const {
  if (ifDepth_ == 0) return true;
  const int state = ifStates_[ifDepth_ - 1];
  return state == ORV_IF_TRUE || state == ORV_IF_ELSE_OF_FALSE;
}

int OrvLexer::ClassifyLine(OrvInputLevel& lev) {
  char* text = lev.line;
  const int len = lev.length;
  const bool free = settings.lineFormat == ORV_LINE_FORMAT_FREE;

  if (len >= 5 && text[0] == '-' && OrvStrNCaseCmp(text, "-inc ", 5) == 0) return CM_LIBR_INC;

  if (text[0] == '#' && std::strncmp(text, "#FILE ", 6) == 0) {
    int i = 6;
    while (text[i] == ' ') ++i;
    int start;
    int stop;
    if (text[i] == '"') {
      start = ++i;
      while (text[i] != '\0' && text[i] != '"') ++i;
      stop = i;
    } else {
      start = i;
      while (text[i] != '\0' && text[i] != ' ' && text[i] != '\t') ++i;
      stop = i;
    }
    lev.fileName = VString(text + start, stop - start);
    return CM_COMMENT;
  }

  if (text[0] == '#' && std::strncmp(text, "#LINE ", 6) == 0) {
    long n = 0;
    for (int i = 6; text[i] >= '0' && text[i] <= '9'; ++i) {
      n = n * 10 + (text[i] - '0');
      if (n > static_cast<long>(OrvTxtPosn::MaxLine)) n = OrvTxtPosn::MaxLine;
    }
    lev.posn.SetLine(n - 1);
    return CM_COMMENT;
  }

  if (free) {
    if (len == 0) return CM_BLANK_LINE;
    if (text[0] == '*' || text[0] == '/') return CM_COMMENT;
    if ((text[0] == 'D' || text[0] == 'd') && text[1] == ' ') {
      if (!switches.debuggingLines) return CM_COMMENT;
      text[0] = ' ';
    }
  } else {
    if (len <= kIndicatorIx) return CM_BLANK_LINE;
    if (!(settings.dials & kNoColumn1Comments) && (text[0] == '*' || text[0] == '/')) return CM_COMMENT;
    const char ind = text[kIndicatorIx];
    if (ind == '*' || ind == '/') return CM_COMMENT;
    if (ind == 'D') {
      if (!switches.debuggingLines) return CM_COMMENT;
      text[kIndicatorIx] = ' ';
    }
  }

  if (WordIs(text, "END-OF-LIB")) {
    text[0] = '*';
    return CM_COMMENT;
  }

  const int indIx = free ? 0 : kIndicatorIx;
  int scan = free ? 0 : kAreaAIx;
  if ((settings.dials & kAtSignLines) && len >= indIx + 3 && text[scan] == '@') return CM_COMMENT;
  if ((settings.dials & kDollarDirectives) && text[indIx] == '$') scan = indIx;

  while (text[scan] == ' ') ++scan;
  const int wordStart = scan;
  FirstWord word(text, wordStart);

  if (settings.dials & kDollarDirectives) {
    if (word.First() == '$') return DirectiveLine(lev, wordStart, word.End(), VString(word.Text(), word.Length()));
    if (!IfStackActive()) return CM_COMMENT;
  }

  if (switches.commentEntry) {
    if (wordStart <= kLastAreaAIx &&
        (!(settings.dials & kStrictCommentEntry) || word.IsOneOf(kStrictEntryEnds))) {
      switches.commentEntry = 0;
    } else {
      MakeLineComment(lev);
      return CM_COMMENT;
    }
  }

  // Paragraph headers such as AUTHOR. or DATE start comment entries only in
  // the IDENTIFICATION DIVISION; elsewhere the same words are ordinary code
  // (a paragraph named REMARKS, a continued ACCEPT ... FROM DATE).
  if (word.Is("IDENTIFICATION") || word.Is("ID"))
    inIdDivision_ = 1;
  else if (wordStart <= kLastAreaAIx && word.IsOneOf(kDivisionWords))
    inIdDivision_ = 0;

  if (inIdDivision_ && word.IsOneOf(kCommentEntryHeaders)) {
    if (!free && (wordStart < kAreaAIx || wordStart > kLastAreaAIx))
      Report(MSG_WARN, LinePosn(),
             OrvFormat("Identification division section header '%s' appears at position %d", word.Text(),
                       wordStart));
    switches.commentEntry = 1;
    MakeLineComment(lev);
    return CM_COMMENT;
  }

  if (settings.dials & kCblLines) {
    if ((switches.cblWindow && (word.Is("CBL") || word.Is("PROCESS"))) || word.Is("*CONTROL") || word.Is("*CBL"))
      return CM_COMMENT;
  }
  switches.cblWindow = 0;
  if ((settings.dials & kSkipLines) && word.IsOneOf(kSkipWords)) return CM_COMMENT;
  if ((settings.dials & kTitleLines) && word.Is("TITLE")) return CM_COMMENT;

  if (settings.progidComments && word.Is("PROGRAM-ID.")) ProgramIdComments(lev, word.End());

  ++locCount;
  return ORV_LINE_OF_CODE;
}

void OrvLexer::MakeLineComment(OrvInputLevel& lev) {
  if (settings.lineFormat == ORV_LINE_FORMAT_FREE) {
    std::memmove(lev.line + 1, lev.line, static_cast<size_t>(lev.length) + 1);
    lev.line[0] = '*';
    ++lev.length;
    lev.colIx = lev.length;
  } else {
    lev.line[kIndicatorIx] = '*';
  }
}

void OrvLexer::ProgramIdComments(OrvInputLevel& lev, int afterWord) {
  char* text = lev.line;
  int i = afterWord;
  while (text[i] == ' ') ++i;
  const int nameStart = i;
  while ((text[i] >= 'A' && text[i] <= 'Z') || (text[i] >= 'a' && text[i] <= 'z') ||
         (text[i] >= '0' && text[i] <= '9') || text[i] == '-')
    ++i;
  // A name that runs to the end of the line is left alone, and so is a line
  // whose name is not a word (a literal program name would be wiped out).
  if (text[i] == '\0' || i == nameStart) return;
  text[i] = '.';
  const int lastIx = ORV_FIXED_LINE_COLUMNS - 1;
  int n = i + 1;
  for (; n <= lastIx; ++n) text[n] = ' ';
  text[n] = '\0';
  lev.length = n;
  lev.colIx = n;
}
