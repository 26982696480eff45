// The output chain of a print: every character passes through four levels,
// each calling the next: indented output (PutIndented), the right-margin
// check with continuation lines (PutWithMargin), the line end with the
// identification area (PutWithLineId) and the raw output with column and
// line counting (Putc).  In the measure pass nothing is written: the chain
// only advances the column.
#ifndef LARK_PRINTER_ORVPRINTOUTPUT_H
#define LARK_PRINTER_ORVPRINTOUTPUT_H

#include "OrvPrettyPrinter.h"
#include "OrvPrintState.h"
#include "VString.h"

// The column where a line of the indentation level begins: with the A/B
// rules level 0 is Area A and level n > 0 is Area B + (n - 1) x step;
// without them Area A + level x step; never beyond "gen-max-indent".
int IndentColumn(int level);

// The rare paths of the chain, out of line: the trace of a line end, the
// line end with an identification area or change mark, a character at or
// beyond the right margin, the indentation in front of a line's first
// character, the trace of the generated-text mark.
void OrvTraceLineEnd();
void OrvPutLineEnd(int lineId);
void OrvPutBeyondMargin(int c);
void OrvPutIndentation();
void OrvTraceGenGen(int c);

// Writes the byte to the current stream (through the print buffer) and
// counts it: a line break starts the next line at column 0, a tab moves to
// the next multiple of 8, any other byte adds one column.
inline void Putc(int c) {
  OrvPrintState& s = OrvPrint;
  if (s.buffer_used == s.buffer_room) OrvFlushPrintBuffer();
  s.buffer[s.buffer_used++] = static_cast<char>(c);
  ++s.char_count;
  if (c == '\n') {
    if (s.trace_flags & ORV_PTRACE_PRINT) OrvTraceLineEnd();
    ++s.line_no;
    s.gen_xpos = 0;
  } else if (c == '\t') {
    s.gen_xpos = (s.gen_xpos / 8 + 1) * 8;
  } else {
    ++s.gen_xpos;
  }
}

// The identification-area level: a character other than a line break is
// written (with "gen-73to80-fmt" set only while the column is below the
// right margin); a line break first completes the line's identification
// area or change mark.  `lineId` 1 allows copying the area from the source.
inline void PutWithLineId(int c, int lineId) {
  OrvPrintState& s = OrvPrint;
  if (c == '\n') {
    OrvPutLineEnd(lineId);
  } else if (!s.line_id_formatted || s.gen_xpos < s.right_margin) {
    Putc(c);
  }
  s.last_line_src_posn = OrvTxtPosn();
  s.last_char = c;
}

// The margin level: in the measure pass only the column moves; in the
// print pass a character other than a line break at or beyond the right
// margin is continued on a new line.
inline void PutWithMargin(int c, int measure) {
  OrvPrintState& s = OrvPrint;
  if (measure) {
    if (c == '\n')
      s.gen_xpos = 0;
    else
      ++s.gen_xpos;
    return;
  }
  if (c != '\n' && s.gen_xpos >= s.right_margin) {
    OrvPutBeyondMargin(c);
    return;
  }
  PutWithLineId(c, 1);
}

// The top level: indentation at the start of a line, the generated-text
// mark, the swallow request; in the measure pass a line break is ignored
// (the column is not reset).
inline void PutIndented(int c, int sourceState, int measure) {
  OrvPrintState& s = OrvPrint;
  if (c != '\n') {
    if (!measure && s.gen_xpos == 0) OrvPutIndentation();
    if (sourceState == 0) s.gen_gen = 1;
  }
  if (measure) {
    if (c != '\n') ++s.gen_xpos;
    return;
  }
  if (s.trace_flags & ORV_PTRACE_PRINT) OrvTraceGenGen(c);
  if (c == '\n' && s.gen_xpos == 0 && s.swallow) {
    s.swallow = 0;
    return;
  }
  PutWithMargin(c, 0);
}

// Every character of a zero-terminated text, of a VString, or the `length`
// characters at `text`, through PutIndented (a null text puts nothing).
void PutString(const char* text, int sourceState, int measure);
void PutVString(const VString& text, int sourceState, int measure);
void PutChars(const char* text, int length, int sourceState, int measure);

#endif
