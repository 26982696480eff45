// The readers of a SourcePrint: each source file of the run held whole in
// memory with the offset where each of its lines starts, read character by
// character with the positions the lexer gave its tokens (tab stops of 8,
// carriage returns invisible), and placed at any position by jumping to the
// start of its line.  A print copies untouched source text with them, going
// back and forth between files and lines as the tree leads, so no jump may
// cost more than the length of one line.
#ifndef LARK_PRINTER_ORVSRCPRINTREADER_H
#define LARK_PRINTER_ORVSRCPRINTREADER_H

#include <cstddef>
#include <vector>

#include "OrvResult.h"
#include "OrvTxtPosn.h"
#include "VString.h"

// The reader of one source file, named by its index in the table of source
// file names.  The file is read on the first SetPosn and kept until the
// reader is destroyed.
class OrvSrcPrintReader {
 public:
  // No file read yet; an unset position.
  OrvSrcPrintReader();
  OrvSrcPrintReader(const OrvSrcPrintReader&) = delete;
  OrvSrcPrintReader& operator=(const OrvSrcPrintReader&) = delete;

  // Places the reader at `target`, reading the file that the target's file
  // index names when this reader has none yet.  0, or ORV_SRC_POSN_FAILED
  // (from OrvSrcFile.h) with the message "SrcPrintText: cannot open file
  // '%s'" or "EOF encountered while reading source file: %s"; a target past
  // the end of its line stands at the start of the next line, as a reader
  // that reads on up to it would.
  OrvResult SetPosn(const OrvTxtPosn& target, VString& message);

  // The next character, or -1 at the end of the file (the position then
  // stays).  A line feed moves to column 0 of the next line, a tab to the
  // next multiple of 8; a carriage return is skipped as if it were absent.
  int Getc();

  // The position of the next character Getc returns.
  const OrvTxtPosn& Posn() const { return posn_; }

  // Whether the file has been read.
  bool IsLoaded() const { return loaded_; }

 private:
  // Reads the whole file of `fileIx` and indexes its lines: 0, or
  // ORV_SRC_POSN_FAILED with the message.
  OrvResult Load(int fileIx, VString& message);

  std::vector<char> text_;
  // Offsets of the starts of lines 1, 2, ...: a line starts after a line
  // feed; the text past the last line feed is a last line of its own.
  std::vector<std::size_t> lineStarts_;
  std::size_t at_;  // offset of the next character
  OrvTxtPosn posn_;
  bool loaded_;
};

// The readers of one print, one per entry of the table of source file
// names at the print's start, and the index of the one being copied from.
struct OrvSrcPrintInputs {
  OrvSrcPrintReader* readers;  // `count` readers, owned by the print
  int count;
  int current;                 // 0: no source file being copied
};

// A new, unread reader for every entry of the table of source file names,
// none being copied from.
OrvSrcPrintInputs OrvNewSrcPrintInputs();

// Destroys the readers (the last first) and leaves an empty table.
void OrvDeleteSrcPrintInputs(OrvSrcPrintInputs& inputs);

#endif
