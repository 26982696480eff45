// The tokens of token lists in a print: source text copied from the source
// files span by span (SourcePrint), comments, and the spacing of preserved
// text.
//
// A token is copied from its begin B to its end E: the output first goes to
// a new line when the last text copied stood on another source line (or,
// for a space, when the output is past B's column); a word that the output
// has reached or passed after regenerated text gets one blank in front
// (or a new line, where it would not fit); then the output takes the
// sequence area of B's line when nothing is on the output line yet, then
// the blanks and separators up to B's column, then the characters of the
// source up to E.  Every character goes to the line-end
// level of the output chain: copied text keeps its columns and is never
// indented or continued at the margin.
#include "OrvSrcPrintText.h"

#include <iostream>
#include <sstream>

#include "OrvMessage.h"
#include "OrvPrettyPrinter.h"
#include "OrvPrintComment.h"
#include "OrvPrintMessages.h"
#include "OrvPrintOutput.h"
#include "OrvPrintResult.h"
#include "OrvSrcPrintReader.h"
#include "OrvToken.h"

namespace {

// Columns of a fixed-format line (0-based): the sequence area ends before
// the indicator column.
const int kIndicatorColumn = 6;
const int kSequenceAreaEnd = kIndicatorColumn;

bool IsSpaceKind(int code) { return code == SEP_SPACE || code == PRESERVED_SPACE; }

bool IsPreserved(int code) { return code == PRESERVED_SPACE || code == PRESERVED_STRING; }

bool Traced() { return (OrvPrint.trace_flags & ORV_PTRACE_SOURCE_COPY) != 0; }

// The reader of a file index, or null for an index outside the table.
OrvSrcPrintReader* ReaderOf(int fileIx) {
  OrvSrcPrintInputs& inputs = OrvPrint.sources;
  return fileIx > 0 && fileIx < inputs.count ? &inputs.readers[fileIx] : nullptr;
}

// Places the reader; a failure is reported with the reader's message.
OrvResult Place(OrvSrcPrintReader& reader, const OrvTxtPosn& at) {
  VString message;
  if (reader.SetPosn(at, message) == ORV_OK) return ORV_OK;
  AddError(MSG_SEVERE, message);
  return ORV_PRINT_SOURCE_EOF;
}

// Where a space token starts when the output is already past its begin
// column: the text is not copied again.  On one source line the space
// shrinks to its last column (none when a blank was just put); across
// lines the output goes to a new line and the space starts at the next
// source line.
void RecomputeSpace(OrvTxtPosn& b, const OrvTxtPosn& e) {
  if (b.Line() == e.Line() && e.Column() > b.Column()) {
    b = e;
    if (OrvPrint.last_char != ' ') b.SetColumn(b.Column() - 1);
  } else if (e.Line() > b.Line()) {
    PutWithLineId('\n', 1);
    b = OrvTxtPosn(b.Line() + 1, 0, b.FileIx());
  }
  if (Traced()) std::cout << "#+++SrcPrintText: RECOMPUTE sr=" << OrvTxtPosnRange(b, e) << "\n";
}

// Columns 1 to 6 of B's line, for a line that the copy starts.
OrvResult CopySequenceArea(OrvSrcPrintReader& reader, const OrvTxtPosn& b) {
  OrvResult result = Place(reader, OrvTxtPosn(b.Line(), 0, b.FileIx()));
  if (result != ORV_OK) return result;
  while (reader.Posn().Column() < kSequenceAreaEnd) {
    const int c = reader.Getc();
    if (c < 0 || c == '\n') {
      AddError(MSG_SEVERE, VString("SrcPrintText: NewLine or EOF at line number area"));
      return ORV_PRINT_SOURCE_EOF;
    }
    PutWithLineId(c, 1);
  }
  return ORV_OK;
}

// Whether the output line so far is B's source line: the text before
// was copied from that line up to the output column.
bool MirrorsLine(const OrvTxtPosn& b) {
  const OrvTxtPosn& last = OrvPrint.last_line_src_posn;
  return last.IsSet() && last.FileIx() == b.FileIx() && last.Line() == b.Line() &&
         last.Column() == OrvPrint.gen_xpos && last.Column() <= b.Column();
}

// The separators the parse keeps no token for.
bool IsSeparator(int c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; }

// The source text in front of B on an output line that mirrors B's line:
// blanks, tabs and the commas and semicolons that separate words are
// copied, so that they are not lost between two tokens; any other
// character, and the indicator column, is put as a blank.
OrvResult CopySeparators(OrvSrcPrintReader& reader, const OrvTxtPosn& b) {
  OrvResult result = Place(reader, OrvTxtPosn(b.Line(), OrvPrint.gen_xpos, b.FileIx()));
  if (result != ORV_OK) return result;
  while (reader.Posn().Line() == b.Line() && reader.Posn().Column() < b.Column()) {
    const int c = reader.Getc();
    if (c < 0 || c == '\n') break;
    PutWithLineId(IsSeparator(c) && OrvPrint.gen_xpos != kIndicatorColumn ? c : ' ', 1);
  }
  return ORV_OK;
}

// The characters from B (the reader placed there) up to E.  A blank
// between tokens that falls into the indicator column is written as a
// blank, whatever the source holds there.
OrvResult CopyCharacters(OrvSrcPrintReader& reader, const OrvToken& token, const OrvTxtPosn& e,
                         int* commentPrinted) {
  const bool gap = token.code == SEP_SPACE;
  int last = 0;
  while (OrvTxtPosn::Compare(reader.Posn(), e) < 0) {
    int c = reader.Getc();
    if (c < 0) {
      AddError(MSG_SEVERE, VString("SrcPrintText: EOF where text is expected"));
      return ORV_PRINT_SOURCE_EOF;
    }
    if (gap && c != '\n' && OrvPrint.gen_xpos == kIndicatorColumn) c = ' ';
    PutWithLineId(c, 1);
    last = c;
  }
  if (commentPrinted != nullptr && last != 0) *commentPrinted = last == '\n' ? 1 : 0;
  return ORV_OK;
}

// Characters that part two words by themselves: a word may follow the
// first set, and the second set may follow a word, with no blank between.
bool OpensWithoutBlank(int c) { return c == 0 || c == ' ' || c == '\t' || c == '\n' || c == '(' || c == ':'; }
bool ClosesWithoutBlank(int c) { return c == '.' || c == ',' || c == ';' || c == ')' || c == ':'; }

// A token whose begin column the output has reached or passed after text
// that was not copied from its line (a regenerated node longer than its
// source text): one blank keeps the token from running into that text,
// unless one of the two characters parts them anyway.  A token that would
// then reach past the text area, or one that goes on to another line (a
// continued literal, whose continuation keeps its columns), starts a new
// line and stands at its own column instead.
OrvResult SetApart(OrvSrcPrintReader& reader, const OrvTxtPosn& b, const OrvTxtPosn& e) {
  OrvPrintState& s = OrvPrint;
  OrvResult result = Place(reader, b);
  if (result != ORV_OK) return result;
  const int first = reader.Getc();
  const bool blank = !OpensWithoutBlank(s.last_char) && !ClosesWithoutBlank(first);
  if (b.Column() == s.gen_xpos && !blank) return ORV_OK;
  const long width = e.Column() - b.Column();
  if (e.Line() != b.Line() || s.gen_xpos + (blank ? 1 : 0) + width > s.right_margin) {
    PutWithLineId('\n', 1);
  } else if (blank) {
    PutWithLineId(' ', 1);
  }
  return ORV_OK;
}

// One token from its begin to its end.  `srcP` 0 reaches here only for
// preserved text, whose place is kept but whose text is not copied.
OrvResult CopySpan(const OrvToken& token, int srcP, int* commentPrinted) {
  OrvPrintState& s = OrvPrint;
  OrvTxtPosn b = token.begin;
  const OrvTxtPosn e = token.end;
  if (!b.IsSet() || !e.IsSet()) {
    AddError(MSG_WARN, VString("SrcPrintText: token bad beg or end position. Ignored."));
    return ORV_OK;
  }
  if (b.FileIx() == e.FileIx()) {
    if (IsSpaceKind(token.code) && b.Column() < s.gen_xpos) RecomputeSpace(b, e);
  } else if (!IsSpaceKind(token.code)) {
    // Text that starts in one file and ends in another cannot be copied:
    // a blank stands for it and the next token goes on.
    std::ostringstream where;
    where << "SrcPrintText: at " << b << " switch files: " << token.Range();
    AddError(MSG_WARN, VString(where.str().c_str()));
    PutIndented(' ', 1, 0);
    return ORV_OK;
  } else {
    // A space from the end of one file into another (a COPY member and the
    // text around it) starts where the text of E's file stopped, or at the
    // start of E's line.
    const OrvTxtPosn last = s.last_line_src_posn;
    b = last.IsSet() && last.FileIx() == e.FileIx() ? last : OrvTxtPosn(e.Line(), 0, e.FileIx());
    if (b == e) return ORV_OK;
  }
  const bool otherLine = s.last_line_src_posn.IsSet() && s.last_line_src_posn.Line() != b.Line();
  const bool placeOnly = IsPreserved(token.code) && srcP == 0;
  // Text copied after the output passed its column would start too far
  // right: a space, and text whose place alone is kept, go to a new line;
  // a word is set apart below, once its first character is known.
  const bool word = !IsSpaceKind(token.code) && !placeOnly;
  if (token.code != PRESERVED_SPACE && (otherLine || (!word && b.Column() < s.gen_xpos)))
    PutWithLineId('\n', 1);
  if (placeOnly) {
    while (s.gen_xpos < b.Column()) PutWithLineId(' ', 1);
  } else {
    if (b.FileIx() >= s.sources.count) {
      AddError(MSG_SEVERE, OrvFormat("SrcPrintText: bad file_ix %d", b.FileIx()));
      return ORV_PRINT_BAD_FILE_IX;
    }
    s.sources.current = b.FileIx();
    OrvSrcPrintReader* reader = ReaderOf(b.FileIx());
    if (reader == nullptr) {
      AddError(MSG_SEVERE, OrvFormat("SrcPrintText: cannot open file '%s'", OrvFileNameOf(b.FileIx()).text));
      return ORV_PRINT_SOURCE_EOF;
    }
    if (word && s.gen_xpos > 0 && b.Column() <= s.gen_xpos && !MirrorsLine(b)) {
      OrvResult result = SetApart(*reader, b, e);
      if (result != ORV_OK) return result;
    }
    bool mirrored = MirrorsLine(b);
    if (s.line_id_copied && s.gen_xpos == 0 && b.Column() >= kSequenceAreaEnd) {
      OrvResult result = CopySequenceArea(*reader, b);
      if (result != ORV_OK) return result;
      mirrored = true;
    }
    if (mirrored) {
      OrvResult result = CopySeparators(*reader, b);
      if (result != ORV_OK) return result;
    }
    while (s.gen_xpos < b.Column()) PutWithLineId(' ', 1);
    OrvResult result = Place(*reader, b);
    if (result == ORV_OK) result = CopyCharacters(*reader, token, e, commentPrinted);
    if (result != ORV_OK) return result;
  }
  if (token.code != SEP_EOF) s.last_line_src_posn = e;
  return ORV_OK;
}

void PrintCommentLine(const OrvToken& token, int* commentPrinted) {
  PrintComment(token.Image(), 0);
  if (commentPrinted != nullptr) *commentPrinted = 1;
}

// One token of the list.
OrvResult PrintToken(const OrvToken& token, int srcP, int* commentPrinted) {
  switch (token.code) {
    case CM_COMMENT:
      if (token.begin.IsSet() && token.end.IsSet() && OrvCurrentPrinter->gen_src)
        return CopySpan(token, 1, commentPrinted);
      if (OrvCurrentPrinter->gen_print_comments) PrintCommentLine(token, commentPrinted);
      return ORV_OK;
    case CM_PERSISTENT:
      PrintCommentLine(token, commentPrinted);
      return ORV_OK;
    default:
      if (srcP == 1 || IsPreserved(token.code)) return CopySpan(token, srcP, commentPrinted);
      return ORV_OK;
  }
}

}  // namespace

OrvResult SrcPrintText(const OrvTokenList& tokens, int srcP, int* commentPrinted) {
  const bool trace = Traced();
  if (trace) std::cout << "#+++SrcPrintText: src_p=" << srcP << " gen_xpos=" << OrvPrint.gen_xpos << " " << tokens << "\n";
  OrvResult result = ORV_OK;
  for (const OrvToken* token = tokens.First(); token != nullptr && result == ORV_OK; token = tokens.Next(token))
    result = PrintToken(*token, srcP, commentPrinted);
  if (trace) std::cout << "#---SrcPrintText: rc=" << static_cast<int>(result) << "\n";
  return result;
}

void OrvCopySourceLineEnd() {
  OrvPrintState& s = OrvPrint;
  const OrvTxtPosn at = s.last_line_src_posn;
  OrvSrcPrintReader* reader = ReaderOf(at.FileIx());
  if (reader == nullptr || !reader->IsLoaded()) return;
  // The reader goes back to where the copy that called for the line end
  // stands, so that a copy in progress reads on unchanged.
  const OrvTxtPosn resume = reader->Posn();
  VString message;
  if (reader->Posn() != at && reader->SetPosn(at, message) != ORV_OK) return;
  int c = 0;
  while (reader->Posn().Line() == at.Line() && reader->Posn().Column() < s.right_margin && c >= 0) c = reader->Getc();
  if (c >= 0 && reader->Posn().Line() == at.Line()) {
    while (s.gen_xpos < s.right_margin) Putc(' ');
    while ((c = reader->Getc()) >= 0 && c != '\n') Putc(c);
  }
  if (reader->Posn() != resume) reader->SetPosn(resume, message);
}
