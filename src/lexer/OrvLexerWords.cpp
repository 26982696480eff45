// The text-word layers of the lexer: raw words gathered from the separator
// layer (OrvLexer::GetRawTextWord), and the joined text words that the token
// layer classifies (OrvLexer::GetTextWord) above the replacement and
// copy-less layers (OrvLexerReplace.cpp, OrvLexerCopy.cpp).
#include <cstring>
#include <ostream>

#include "OrvExpr.h"
#include "OrvInputLevel.h"
#include "OrvLexer.h"
#include "OrvOper.h"

namespace {

// Spaces, commas and semicolons before a word are dropped by GetTextWord.
bool IsSpaceSepCode(int code) { return code == SEP_SPACE || code == SEP_COMMA || code == SEP_SEMI; }

// The statement tokens whose dropped separators go to the statement node.
bool IsStatementCode(int code) {
  return code == SEP_UNINLINED_COPY || code == SEP_INLINED_COPY || code == SEP_COPY_INC ||
         code == SEP_REPLACE;
}

}  // namespace

void OrvLexer::WriteTraceLine(const char* label, const OrvLexUnit& u) const {
  *OrvLexerTraceOut << label;
  u.Print(*OrvLexerTraceOut);
  *OrvLexerTraceOut << std::endl;
}

// ------------------------------------------------------------- raw words

void OrvLexer::NextRawTextWord(OrvLexUnit& u) {
  char* buf = rawBuf_;
  OrvTxtPosn runBeg;
  int n = 0;
  if (rawCarry_ > 0) {
    // The run the token layer took and handed back stands in the buffer;
    // the unit that goes on with it waits in the separator slot.
    n = rawCarry_;
    rawCarry_ = 0;
    u.code = TK_CHAR_STRING;
    u.beg = rawCarryBeg_;
    u.end = rawCarryEnd_;
    u.ClearText();
    u.attached.Clear();
  } else if ((n = TakePlainRun(buf, ORV_MAX_WORD_CHARS, runBeg, u.end)) > 0) {
    // A word that begins with letters, digits or hyphens is read straight
    // from the line; anything else goes through the separator layer first.
    u.code = TK_CHAR_STRING;
    u.beg = runBeg;
    u.ClearText();
    u.attached.Clear();
  } else {
    NextSepOrChar(u);
    if (u.code > 255) {
      if (!OrvIsSeparatorCode(u.code))
        Report(MSG_SEVERE, u.beg,
               VString("OrvLexer::GetRawTextWord: got bad char from GetSepOrChar()"));
      TraceUnit(ORV_LEX_TRACE_WORDS, "GetRawTextWord: ret ", u);
      return;
    }
    buf[n++] = static_cast<char>(u.code);
    n += TakePlainRun(buf + n, ORV_MAX_WORD_CHARS - n, runBeg, u.end);
  }
  auto finish = [this, &u, buf](int length) {
    u.code = TK_CHAR_STRING;
    u.SetText(buf, length);
    TraceUnit(ORV_LEX_TRACE_WORDS, "GetRawTextWord: ret ", u);
  };
  // A space that stands next in the line ends the word; it is left there
  // for the next read instead of being read and pushed back.  Most words
  // end so, before any further unit is needed.
  if (n < ORV_MAX_WORD_CHARS && SpaceStandsNext()) {
    finish(n);
    return;
  }
  bool truncated = false;
  OrvLexUnit c;
  for (;;) {
    NextSepOrChar(c);
    // A separator ends the word; so does any other unit that is no
    // character, which is then reported when it is read on its own.
    if (c.code > 255) break;
    if (n < ORV_MAX_WORD_CHARS) {
      buf[n++] = static_cast<char>(c.code);
    } else if (!truncated) {
      buf[n] = '\0';
      Report(MSG_ERR, c.beg,
             OrvFormat("GetRawTextWord: text-word '%s...' is too long. Truncated", buf));
      truncated = true;
    }
    u.Absorb(c);
    n += TakePlainRun(buf + n, ORV_MAX_WORD_CHARS - n, runBeg, u.end);
    if (n < ORV_MAX_WORD_CHARS && SpaceStandsNext()) {
      finish(n);
      return;
    }
  }
  UnNextSepOrChar(c);
  finish(n);
}

OrvTokenGroup* OrvLexer::GetRawTextWord() { return GroupOf(&OrvLexer::NextRawTextWord); }

// ------------------------------------------------------- joined words

void OrvLexer::NextTextWord(OrvLexUnit& u) {
  OrvTokenChain kept;
  for (;;) {
    // Spaces within the current line, before anything else stands there,
    // would come up as one space unit that carries nothing and is dropped:
    // they are stepped over in the line itself.
    if (execState == ORV_EXEC_NONE && !noteMode && SpaceStandsNext() && PlainCopylessRead())
      SkipLineSpaces();
    NextCopylessTextWord(u);
    if (u.code == TK_CHAR_STRING) break;
    if (execState != ORV_EXEC_NONE || noteMode || !IsSpaceSepCode(u.code)) {
      AttachKeptTokens(u, kept);
      TraceUnit(ORV_LEX_TRACE_WORDS, "GetTextWord: ", u);
      return;
    }
    // A space leaves only the comment lines it carried; a comma or a
    // semicolon is kept whole.
    kept.Splice(u.attached);
    if (u.code != SEP_SPACE) kept.Append(new OrvToken(u.code, u.text, u.beg, u.end));
  }

  // A space next in the line ends the word: no unit is read and put back.
  // Most words end so; the others may have text joined to them.
  if (!(SpaceStandsNext() && PlainCopylessRead())) JoinFollowingText(u);
  u.code = TK_CHAR_STRING;
  u.attached.Prepend(kept);
  TraceUnit(ORV_LEX_TRACE_WORDS, "GetTextWord: ", u);
}

void OrvLexer::JoinFollowingText(OrvLexUnit& u) {
  // The word's own text is copied into the buffer only when something is
  // joined to it.
  int n = -1;
  bool truncated = false;
  OrvLexUnit next;
  bool readAhead = true;
  for (;;) {
    // A space next in the line ends the word: no unit is read and put back.
    if (SpaceStandsNext() && PlainCopylessRead()) {
      readAhead = false;
      break;
    }
    NextCopylessTextWord(next);
    const char* add;
    int addLength;
    char one = 0;
    if (next.code == TK_CHAR_STRING) {
      add = next.text.text;
      addLength = next.text.length;
    } else if (pictureMode && (one = PictureChar(next.code)) != 0) {
      add = &one;
      addLength = 1;
    } else {
      break;
    }
    if (n < 0) {
      n = u.text.length;
      if (n > 0) std::memcpy(joinBuf_, u.text.text, static_cast<size_t>(n));
    }
    if (truncated) {
      // Further text is dropped; the unit still belongs to the word.
    } else if (n + addLength > ORV_MAX_WORD_CHARS) {
      joinBuf_[n] = '\0';
      Report(MSG_ERR, next.beg,
             OrvFormat("OrvLexer::GetTextWord: text-word '%s...' is too long. Truncated", joinBuf_));
      truncated = true;
    } else if (addLength > 0) {
      std::memcpy(joinBuf_ + n, add, static_cast<size_t>(addLength));
      n += addLength;
    }
    u.Absorb(next);
  }
  if (readAhead) UnNextCopylessTextWord(next);
  if (n >= 0) u.SetText(joinBuf_, n);
}

void OrvLexer::AttachKeptTokens(OrvLexUnit& u, OrvTokenChain& kept) {
  if (IsStatementCode(u.code)) {
    if (OrvTokenList* head = StatementHeadTokens()) {
      kept.Splice(u.attached);
      kept.MoveToFront(*head);
      return;
    }
  }
  u.attached.Prepend(kept);
}

OrvTokenList* OrvLexer::StatementHeadTokens() {
  // The node of the statement whose token the copy-less layer returned last.
  OrvExpr* node = nullptr;
  switch (lastStatement_) {
    case kCopyStatement: node = copyNode; break;
    case kSqlIncludeStatement: node = sqlIncludeNode; break;
    case kLibInclusionStatement: node = libInclusionNode; break;
    case kReplaceStatement: node = replaceNode; break;
    case kNoStatement: break;
  }
  return node != nullptr ? node->HeadTokens() : nullptr;
}

OrvTokenGroup* OrvLexer::GetTextWord() { return GroupOf(&OrvLexer::NextTextWord); }
