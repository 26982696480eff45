// OrvSrcFile: reads a source file character by character while it keeps the
// text position of the next character, counting lines and columns exactly as
// the lexer counts them (tab stops of 8, carriage returns invisible), and can
// be placed at any position of any file that the file-name table knows.  The
// printer copies untouched source text between token positions with it.
#ifndef LARK_LEXER_ORVSRCFILE_H
#define LARK_LEXER_ORVSRCFILE_H

#include <fstream>

#include "OrvResult.h"
#include "OrvTxtPosn.h"
#include "VString.h"

// Result of SetPosn and ReadLine when the file cannot be opened or the
// target lies beyond its end.
const OrvResult ORV_SRC_POSN_FAILED = 53;

// Bits of the process-wide trace word OrvSrcFileTrace.
enum OrvSrcFileTraceBit {
  ORV_SRC_TRACE_OPEN = 0x01,  // opening, closing and rewinding
  ORV_SRC_TRACE_READ = 0x20   // every positioning request and character read
};

// The reader's trace word: 0 unless the printer sets it from its own trace
// option.  Trace lines go to OrvLexerTraceOut.
extern int OrvSrcFileTrace;

class OrvSrcFile : public std::ifstream {
 public:
  // No file open; a null position.
  OrvSrcFile();
  // A reader cannot be copied: both forms build an empty reader and report
  // "OrvSrcFile(const OrvSrcFile &) must not be called" at MSG_TERMINAL
  // through the process-wide message sink.
  OrvSrcFile(const OrvSrcFile& other);
  OrvSrcFile(OrvSrcFile& other);
  OrvSrcFile& operator=(const OrvSrcFile&) = delete;
  ~OrvSrcFile() override;

  // The next character, or -1 at the end of the file (the position is then
  // unchanged).  A line feed moves to column 0 of the next line, a tab to the
  // next multiple of 8, a carriage return is skipped as if absent.
  int Getc();

  // Places the reader at `target`, opening the file that the target's file
  // index names (closing another one first) and rewinding only when the
  // target lies behind the current position.  0, or ORV_SRC_POSN_FAILED with
  // the message: "SrcPrintText: cannot open file '%s'" or "EOF encountered
  // while reading source file: %s".
  OrvResult SetPosn(const OrvTxtPosn& target, VString& message);

  // Sets the column of *posn to 0, places the reader there and reads the
  // rest of that line into `text` (at most 80 characters; line ends and the
  // byte 26 are not stored).  0, or SetPosn's failure.
  OrvResult ReadLine(OrvTxtPosn* posn, VString& text, VString& message);

  // The position of the next character that Getc returns.
  OrvTxtPosn posn;
};

#endif
