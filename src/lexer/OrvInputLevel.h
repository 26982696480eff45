// OrvInputLevel: one open input of the lexer - the main source or a COPY
// member - with the whole text of its file, the line being read, the
// push-back slot of the character layer, the COPY ... REPLACING phrases its
// text runs under, and the units the lexer had read ahead in it when a
// member was opened above it.  Only the lexer uses it.
#ifndef LARK_LEXER_ORVINPUTLEVEL_H
#define LARK_LEXER_ORVINPUTLEVEL_H

#include <cstddef>

#include "OrvLexUnit.h"
#include "OrvLexUnitQueue.h"
#include "OrvLexer.h"
#include "OrvMemberCache.h"
#include "OrvTxtPosn.h"
#include "VString.h"

// Room of the line buffer: the widest line kept, the '*' that a free-format
// comment entry puts in front of it, the closing NUL, and spare.
const int ORV_LINE_BUFFER_SIZE = ORV_WIDE_LINE_COLUMNS + 4;

struct OrvReplaceTable;

// The lexer's push-back buffers below the copy-less layer, and the -INC
// statement node not yet delivered, parked with a level while a member
// opened above it is read: they hold units read ahead in this level.
struct OrvLevelStash {
  OrvLexUnit sepSlot;
  bool sepSlotFull = false;
  OrvLexUnit collapsed[ORV_COLLAPSED_DEPTH];
  int collapsedCount = 0;
  OrvLexUnitQueue rpldOut;
  OrvTokenChain rpldPending;
  OrvExpr* libInclusionNode = nullptr;
};

struct OrvInputLevel {
  VString fileName;      // the path as opened; a "#FILE" line replaces it
  OrvSourceTextRef text; // the whole file, read at opening (perhaps shared)
  const char* data = nullptr;  // text->data
  std::size_t size = 0;
  std::size_t pos = 0;   // offset of the next line in data
  int endOper = ORV_MAIN_SOURCE_END;
  // Line number and file index of the current line (column unused).
  OrvTxtPosn posn;
  char line[ORV_LINE_BUFFER_SIZE];  // the current line, NUL-terminated
  int length = 0;        // length of the current line's text: its NUL stands at line[length]
  int colIx = 0;         // index of the next character of the line
  int eofPending = 0;    // the last line had no line end: end of input next
  int atEof = 0;         // the end of input was reached: it is answered again
  OrvLexUnit slot;       // the character layer's push-back
  bool slotFull = false;
  // The COPY ... REPLACING phrases the text runs under: the member's own
  // (owned), else those of the level that included it, else none.
  OrvReplaceTable* phrases = nullptr;
  bool ownsPhrases = false;
  OrvLevelStash stash;

  OrvInputLevel() { line[0] = '\0'; }
  ~OrvInputLevel();
  OrvInputLevel(const OrvInputLevel&) = delete;
  OrvInputLevel& operator=(const OrvInputLevel&) = delete;

  // Takes the text to read.
  void SetText(const OrvSourceTextRef& t) {
    text = t;
    data = t->data;
    size = t->size;
    pos = 0;
  }
};

inline OrvInputLevel* OrvLexer::ReadyLine() const {
  OrvInputLevel* lev = cur_;
  if (lev == nullptr || lev->slotFull || !pending_.IsEmpty() || (settings.traceFlags & ORV_LEX_TRACE_CHARS))
    return nullptr;
  return lev;
}

inline bool OrvLexer::SpaceStandsNext() const {
  // The character is tested first: most often it settles the answer.
  const OrvInputLevel* lev = cur_;
  return lev != nullptr && lev->line[lev->colIx] == ' ' && !sepSlotFull_ && !lev->slotFull &&
         pending_.IsEmpty() && (settings.traceFlags & ORV_LEX_TRACE_CHARS) == 0;
}

inline bool OrvLexer::PlainWordReady() const {
  return settings.traceFlags == 0 && execState == ORV_EXEC_NONE && !noteMode && brokenIx_ >= brokenLength_ &&
         (!copylessSlotFull_ || BareSpaceUnit(copylessSlot_)) && activeTable_ == nullptr && rpldOut_.IsEmpty() &&
         collapsedCount_ == 0 && rpldPending_.IsEmpty() && !sepSlotFull_ && cur_ != nullptr && !cur_->slotFull &&
         pending_.IsEmpty();
}

inline bool OrvLexer::PlainSeparatorWaits() const {
  if (!copylessSlotFull_) return false;
  const int code = copylessSlot_.code;
  return (code == SEP_DOT || code == SEP_LEFT_PAR || code == SEP_RIGHT_PAR) && settings.traceFlags == 0 &&
         execState == ORV_EXEC_NONE && !noteMode && brokenIx_ >= brokenLength_ && copylessSlot_.attached.IsEmpty() &&
         copylessSlot_.text.length == 0;
}

inline bool OrvLexer::TakeLineChar(OrvLexUnit& u) {
  OrvInputLevel* lev = ReadyLine();
  if (lev == nullptr) return false;
  const int ix = lev->colIx;
  const char c = lev->line[ix];
  if (c == '\0') return false;
  const int line = lev->posn.Line();
  const int file = lev->posn.FileIx();
  u.code = static_cast<unsigned char>(c);
  u.beg = OrvTxtPosn(line, ix, file);
  u.end = OrvTxtPosn(line, ix + 1L, file);
  if (u.text.text != nullptr) u.ClearText();
  u.attached.Clear();
  lev->colIx = ix + 1;
  return true;
}

#endif
