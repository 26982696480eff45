// The state of the print that runs: one set for the whole process (a print
// is not re-entrant).  The template interpreter, the node printers, the
// output chain and the copying of source text read and write it; the print
// driver resets it before each pass.
#ifndef LARK_PRINTER_ORVPRINTSTATE_H
#define LARK_PRINTER_ORVPRINTSTATE_H

#include <cstddef>
#include <iosfwd>

#include "OrvSrcPrintReader.h"
#include "OrvTxtPosn.h"
#include "VString.h"

// Entries of the copy-member stack: the main output and ten member outputs.
const int ORV_COPY_STACK_SIZE = 11;

// One output of the copy-member stack: the member's real file name (empty
// for the main output), its stream, and what the level saves while a deeper
// member is written.
struct OrvCopyLevel {
  VString file_name;
  std::ostream* stream;  // the main output's is the caller's; a member's is owned
  bool owned;            // the stream is a member file opened by the print
  int g_xpos;
  OrvTxtPosn last_line_src_posn;
  int line_no;
};

struct OrvPrintState {
  int gen_xpos;      // current output column, 0-based
  int gen_xstart;    // current indentation level
  int gen_gen;       // the current line holds generated text
  int swallow;       // drop the next line break that arrives at column 0
  int last_char;     // the last character put, 0 when none
  int line_no;       // output line number, from 1
  long char_count;   // characters written so far (the generated positions)
  OrvTxtPosn last_line_src_posn;  // source line just copied, or unset

  // Copies of the printer's settings that every character consults, set
  // at the start of each print: its trace bits and whether the
  // identification area is formatted or change marks are written.
  int trace_flags;
  int line_id_formatted;
  int mark_conv;
  int free_format;  // "free" or "fsc-free": continuation lines begin with '-'
  int line_id_copied;  // "gen-line-id-comments": columns 73 and on come from the source

  int area_a;        // Area A column (0-based)
  int area_b;        // Area B column
  int right_margin;  // first column past the text area

  // The copy directory (member output is active when it is not empty), the
  // member stack and the number of its entries in use.
  VString copy_dir;
  OrvCopyLevel copy_stack[ORV_COPY_STACK_SIZE];
  int copy_level;

  // The SourcePrint readers of a print with "gen-src", one per source
  // file, and the one being copied from (none outside such a print).
  OrvSrcPrintInputs sources;

  // The output buffer of the stream of the top level in use: characters
  // are gathered here and handed to the stream in blocks.
  char* buffer;
  std::size_t buffer_used;
  std::size_t buffer_room;
};

// The one state of the process.
extern OrvPrintState OrvPrint;

// Resets the state for a pass: no source line, the column and level given,
// no generated text, no swallow request, no last character, line 1 and no
// character written.
void OrvResetPrintState(int xstart, int xpos);

// Hands the buffered characters to the stream of the top level in use (the
// characters of a measure pass, which has no level, are dropped).
void OrvFlushPrintBuffer();

// The stream of the top level in use, or null during a measure pass.
std::ostream* OrvCurrentPrintStream();

#endif
