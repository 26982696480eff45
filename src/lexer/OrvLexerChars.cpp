// The character layer of the lexer (OrvLexer::GetCharAB): turns the
// classified lines of the current input level into one unit per character
// with its exact position, a line-break unit between two lines, comment
// tokens for blank and comment lines that travel with the next unit, the
// end-of-input unit, and a library-inclusion unit for a "-INC" line.
#include <ostream>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvInputLevel.h"
#include "OrvLexer.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"

namespace {

const int kIndicatorIx = 6;
const int kAreaAIx = 7;
// The "-INC" word of a library-inclusion line, and where its member name
// is looked for.
const int kIncWordLength = 4;
const int kIncNameIx = 5;
// The comment characters whose first-column form is marked by its high bit.
const char kHighBit = '\x80';

bool IsIndicatorComment(char c) { return c == '*' || c == '/' || c == 'd' || c == 'D'; }

bool IsColumn1Comment(char c) { return IsIndicatorComment(c) || c == '#'; }

}  // namespace

bool OrvLexer::CharSlotFull() const { return cur_ != nullptr && cur_->slotFull; }

void OrvLexer::NextChar(OrvLexUnit& u) {
  u.Clear();
  if (cur_ == nullptr) {
    u.code = SEP_EOF;
    TakePending(u);
    return;
  }
  OrvInputLevel& lev = *cur_;
  if (lev.slotFull) {
    u = std::move(lev.slot);
    lev.slotFull = false;
  } else {
    for (;;) {
      if (lev.line[lev.colIx] != '\0') {
        const int line = lev.posn.Line();
        const int file = lev.posn.FileIx();
        u.code = static_cast<unsigned char>(lev.line[lev.colIx]);
        u.beg = OrvTxtPosn(line, lev.colIx, file);
        u.end = OrvTxtPosn(line, lev.colIx + 1L, file);
        ++lev.colIx;
        break;
      }
      const int lineCode = GetLine();
      if (lineCode == ORV_LINE_OF_CODE) {
        if (OrdinaryLine(lev, u)) break;
      } else if (lineCode == CM_BLANK_LINE || lineCode == CM_COMMENT) {
        CommentLineUnit(lev, lineCode);
      } else if (lineCode == SEP_EOF) {
        u.code = SEP_EOF;
        u.beg = OrvTxtPosn(lev.posn.Line(), lev.colIx, lev.posn.FileIx());
        u.end = u.beg;
        break;
      } else if (lineCode == CM_LIBR_INC) {
        LibraryInclusionUnit(lev, u);
        break;
      } else {
        Report(MSG_SEVERE, LinePosn(), VString("OrvLexer::GetCharAB: Bad code returned from GetLine()"));
      }
    }
    TakePending(u);
  }
  if (settings.traceFlags & ORV_LEX_TRACE_CHARS) {
    *OrvLexerTraceOut << "GetCharAB: lev=" << levelCount_ << ": ret ";
    u.Print(*OrvLexerTraceOut);
    *OrvLexerTraceOut << std::endl;
  }
}

void OrvLexer::TakePending(OrvLexUnit& u) {
  // The comment lines read before the unit stand in front of it.
  if (!pending_.IsEmpty()) u.attached.Prepend(pending_);
}

bool OrvLexer::OrdinaryLine(OrvInputLevel& lev, OrvLexUnit& u) {
  const bool free = settings.lineFormat == ORV_LINE_FORMAT_FREE;
  const char* text = lev.line;
  lev.colIx = free ? (text[0] == '-' ? 1 : 0) : kAreaAIx;
  const char indicator = free ? text[0] : text[kIndicatorIx];
  bool lineBreak = false;
  if (indicator != '-') {
    if (!free && indicator != ' ' && indicator != lastIndicator_) {
      Report(MSG_WARN, LinePosn(),
             OrvFormat("Unrecognized character '%c' in indicator area.", indicator));
      lastIndicator_ = indicator;
    }
    // The first line of a parse follows no other line: no line break.
    if (previousLine_)
      lineBreak = true;
    else
      previousLine_ = 1;
  } else {
    if (!previousLine_) Report(MSG_ERR, LinePosn(), VString("There is no line to be continued"));
    while (text[lev.colIx] == ' ') ++lev.colIx;
    if (openQuote_ != 0 && text[lev.colIx] == openQuote_) {
      // The quote is delivered; the literal layer goes on with it.
    } else if (openQuote_ == 0) {
      // The first non-blank character continues the word of the line before.
      previousLine_ = 1;
    } else {
      lineBreak = true;  // a literal is open and this line does not go on with it
    }
  }
  if (lineBreak) {
    const int line = lev.posn.Line();
    const int file = lev.posn.FileIx();
    u.code = SEP_SPACE;
    u.beg = OrvTxtPosn(line, 0, file);
    u.end = OrvTxtPosn(line, kAreaAIx, file);
    return true;
  }
  // A line with nothing after its indicator (an empty continuation line, a
  // first line of seven characters) yields no unit: the next line is read.
  return false;
}

void OrvLexer::CommentLineUnit(OrvInputLevel& lev, int lineCode) {
  // The comment text is the `n` characters at `from`; it is copied once,
  // straight into the token.
  const char* from = "";
  int n = 0;
  bool markFirst = false;
  if (lineCode == CM_BLANK_LINE) {
    if (switches.commentEntry) {
      from = "*";
      n = 1;
    }
  } else {
    const char* line = lev.line;
    const bool free = settings.lineFormat == ORV_LINE_FORMAT_FREE;
    if (!free && lev.length > kIndicatorIx && IsIndicatorComment(line[kIndicatorIx])) {
      from = line + kIndicatorIx;
      n = lev.length - kIndicatorIx;
    } else if (IsColumn1Comment(line[0])) {
      from = line;
      n = lev.length;
      markFirst = true;
    } else if (free) {
      // A free-format line has no sequence area: its whole text is the
      // comment (a "$IF" line, a skipped line).
      from = line;
      n = lev.length;
    } else {
      const int skip = lev.length > kIndicatorIx ? kIndicatorIx : lev.length;
      from = line + skip;
      n = lev.length - skip;
    }
  }
  const int line = lev.posn.Line();
  const int file = lev.posn.FileIx();
  const OrvTxtPosn beg(line, 0, file);
  const OrvTxtPosn end = lev.eofPending ? OrvTxtPosn(line, lev.colIx, file)
                                        : OrvTxtPosn(line + 1L, 0, file);
  OrvToken* token = new OrvToken(CM_COMMENT, VString(), beg, end);
  VString text(from, n);
  if (markFirst && text.text != nullptr) text.text[0] = static_cast<char>(text.text[0] | kHighBit);
  token->image.TakeOver(text);
  pending_.Append(token);
}

void OrvLexer::LibraryInclusionUnit(OrvInputLevel& lev, OrvLexUnit& u) {
  const char* text = lev.line;
  const int len = lev.length;
  int i = kIncNameIx;
  if (len > kIncNameIx)
    while (i < len && text[i] == ' ') ++i;
  const int start = i;
  while (i < len && text[i] != ' ') ++i;
  const VString name(text + start, i - start);
  const int line = lev.posn.Line();
  const int file = lev.posn.FileIx();

  OrvExpr* stmt = new OrvExprOper(STMT_UNINLINED_COPY);
  OrvToken* inc = new OrvToken(TK__INC, VString(), OrvTxtPosn(line, 0, file),
                               OrvTxtPosn(line, kIncWordLength, file));
  stmt->HeadTokens()->Append(inc);
  OrvExpr* nameNode = new OrvCharString(name);
  OrvToken* nameToken = new OrvToken(TK_CHAR_STRING, name, OrvTxtPosn(line, start, file),
                                     OrvTxtPosn(line, start + name.length, file));
  nameNode->Tokens().Append(nameToken);
  OrvExpr* list = new OrvExprOper(OF_IN_LIST);
  list->AddArg(nameNode);
  stmt->SetArg(STMT_UNINLINED_COPY__COPY_MEMBER, list, -1, 0);
  delete libInclusionNode;
  libInclusionNode = stmt;

  u.code = SEP_COPY_INC;
}

void OrvLexer::UnNextChar(OrvLexUnit& u) {
  if (settings.traceFlags & ORV_LEX_TRACE_CHARS) {
    *OrvLexerTraceOut << "UnGetCharAB: lev=" << levelCount_ << ": ";
    u.Print(*OrvLexerTraceOut);
    *OrvLexerTraceOut << std::endl;
  }
  if (cur_ == nullptr) {
    // Nothing is open to read it back from: the end of input stands for it.
    u.Clear();
    return;
  }
  PushIntoSlot(cur_->slot, cur_->slotFull, u, "OrvLexer::UnGetCharAB: cannot unget");
}

void OrvLexer::RefuseSecondUnit(OrvLexUnit& slot, const OrvLexUnit& u, const char* refusal) {
  Report(MSG_TERMINAL, u.beg, VString(refusal));
  slot.Clear();
}

OrvTokenGroup* OrvLexer::GetCharAB() { return GroupOf(&OrvLexer::NextChar); }

void OrvLexer::UnGetCharAB(OrvTokenGroup* group) { UnGroup(&OrvLexer::UnNextChar, group); }
