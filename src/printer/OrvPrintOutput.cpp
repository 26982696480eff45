// The out-of-line parts of the output chain: indentation columns, line ends
// with an identification area or change mark, continuation lines at the
// right margin, and the text routines.
#include "OrvPrintOutput.h"

#include <cstdio>
#include <cstring>
#include <iostream>

#include "OrvLineIdFormat.h"
#include "OrvMessage.h"
#include "OrvPrintMessages.h"
#include "OrvSrcPrintText.h"

namespace {

// Continuation line prefixes: in fixed-column formats a hyphen in the
// indicator column (column 6) followed by blanks up to Area B; in the free
// formats the indicator is the first column.  A new word continued at the
// margin needs no hyphen: blanks alone.
const char kFixedContinuation[] = "      -    ";
const char kFreeContinuation[] = "-          ";
const char kBlankContinuation[] = "           ";
static_assert(sizeof(kFixedContinuation) == 12 && sizeof(kFreeContinuation) == 12 &&
                  sizeof(kBlankContinuation) == 12,
              "continuation prefixes are eleven columns wide");

void PadToMargin() {
  while (OrvPrint.gen_xpos < OrvPrint.right_margin) Putc(' ');
}

}  // namespace

int IndentColumn(int level) {
  const OrvPrettyPrinterImpl* p = OrvCurrentPrinter;
  const int step = p->gen_indent_step;
  int column;
  if (p->gen_observe_ab_rules)
    column = level <= 0 ? OrvPrint.area_a + (level < 0 ? level * step : 0) : OrvPrint.area_b + (level - 1) * step;
  else
    column = OrvPrint.area_a + level * step;
  if (column > p->gen_max_indent) column = p->gen_max_indent;
  return column < 0 ? 0 : column;
}

void OrvTraceLineEnd() { std::cout << "+Putc: ENDL " << OrvPrint.line_no << "\n"; }

void OrvTraceGenGen(int c) {
  std::cout << ":=gen_gen=" << OrvPrint.gen_gen << " c=" << (c == '\n' ? "\\n" : std::string(1, static_cast<char>(c)))
            << "\n";
}

void OrvPutLineEnd(int lineId) {
  OrvPrintState& s = OrvPrint;
  if (s.trace_flags & ORV_PTRACE_PRINT) std::cout << ":?gen_gen=" << s.gen_gen << "\n";
  const OrvPrettyPrinterImpl* p = OrvCurrentPrinter;
  if (s.gen_gen && s.mark_conv) {
    PadToMargin();
    const VString& mark = p->gen_mark_conv;
    for (int i = 0; i < mark.length; ++i) Putc(static_cast<unsigned char>(mark.text[i]));
  } else if (s.line_id_formatted) {
    PadToMargin();
    char text[ORV_LINE_ID_TEXT_ROOM];
    const int number = (s.line_no - 1) * p->gen_73to80_step + p->gen_73to80_start;
    const int n = OrvFormatLineId(p->gen_73to80_fmt, number, text);
    for (int i = 0; i < n; ++i) Putc(static_cast<unsigned char>(text[i]));
  } else if (lineId == 1 && s.line_id_copied && s.sources.current != 0 && s.last_line_src_posn.IsSet()) {
    // A line whose text so far came from the source takes the source
    // line's columns 73 and on.
    OrvCopySourceLineEnd();
  }
  s.gen_gen = 0;
  Putc('\n');
}

void OrvPutBeyondMargin(int c) {
  OrvPrintState& s = OrvPrint;
  const int before = s.last_char;
  AddError(MSG_WARN,
           OrvFormat("Out line %d: Attempting to print char '%c' beyond right margin", s.line_no, c));
  PutWithLineId('\n', 1);
  // A word cut at the margin is continued with a hyphen in the indicator
  // column, which joins the continuation to the text before it; a new word
  // (after a blank) or a blank starts on a plain line of blanks instead, so
  // that no compiler joins it to the word before.
  const char* prefix = (c == ' ' || before == ' ')
                           ? kBlankContinuation
                           : (s.free_format ? kFreeContinuation : kFixedContinuation);
  for (const char* q = prefix; *q; ++q) PutWithLineId(*q, 1);
  PutWithLineId(c, 1);
}

void OrvPutIndentation() {
  const int n = IndentColumn(OrvPrint.gen_xstart);
  for (int i = 0; i < n; ++i) PutWithMargin(' ', 0);
}

void PutChars(const char* text, int length, int sourceState, int measure) {
  if (text == nullptr) return;
  if (measure) {
    // The measure pass only counts: a line break does not move the column.
    int columns = 0;
    for (int i = 0; i < length; ++i) columns += text[i] != '\n';
    if (columns > 0 && sourceState == 0) OrvPrint.gen_gen = 1;
    OrvPrint.gen_xpos += columns;
    return;
  }
  for (int i = 0; i < length; ++i) PutIndented(static_cast<unsigned char>(text[i]), sourceState, 0);
}

void PutString(const char* text, int sourceState, int measure) {
  if (text == nullptr) return;
  PutChars(text, static_cast<int>(std::strlen(text)), sourceState, measure);
}

void PutVString(const VString& text, int sourceState, int measure) {
  PutChars(text.text, text.length, sourceState, measure);
}
