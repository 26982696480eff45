// Source positions: a line, a column and the source file, named by an index
// into the process-wide table of source file names.  A range is the begin and
// end position of a token or of a stretch of text.
#ifndef LARK_TREE_ORVTXTPOSN_H
#define LARK_TREE_ORVTXTPOSN_H

#include <cstdint>
#include <iosfwd>

#include "CountedNameTable.h"
#include "OrvResult.h"
#include "VString.h"

// One position in eight bytes.  The fields are wide enough for any real
// source: lines up to 2^31 - 1, columns and file indexes up to 65535.  Values
// beyond a field's limit are clamped to it, never wrapped.
//
// A position is *set* when its line or its column is non-zero; the file index
// alone does not count.  Line 0, column 1 is the *infinity* position that
// marks an open end.
class OrvTxtPosn {
public:
  static constexpr std::uint32_t MaxLine = 0x7fffffffu;
  static constexpr std::uint16_t MaxColumn = 0xffffu;
  // The all-ones index: "no file" (written and read as -1 in the TIC form).
  static constexpr std::uint16_t NoFileIx = 0xffffu;

  constexpr OrvTxtPosn() : line_(0), fileIx_(0), column_(0) {}
  OrvTxtPosn(long line, long column, long fileIx) : line_(0), fileIx_(0), column_(0) {
    SetLine(line);
    SetColumn(column);
    SetFileIx(fileIx);
  }

  int Line() const { return static_cast<int>(line_); }
  int Column() const { return column_; }  // counted from 0
  int FileIx() const { return fileIx_; }

  // Clamp to the field's range; a negative file index stands for "no file".
  // Inline: the lexer sets two positions for every character it reads.
  void SetLine(long line) {
    if (line < 0) line = 0;
    if (line > static_cast<long>(MaxLine)) line = MaxLine;
    line_ = static_cast<std::uint32_t>(line);
  }
  void SetColumn(long column) {
    if (column < 0) column = 0;
    if (column > MaxColumn) column = MaxColumn;
    column_ = static_cast<std::uint16_t>(column);
  }
  void SetFileIx(long fileIx) {
    if (fileIx < 0 || fileIx > NoFileIx) fileIx = NoFileIx;
    fileIx_ = static_cast<std::uint16_t>(fileIx);
  }

  bool IsSet() const { return line_ != 0 || column_ != 0; }
  bool IsInfinity() const { return line_ == 0 && column_ == 1; }

  // -100 when the file indexes differ, else -1, 0 or 1 by line, then column.
  static int Compare(const OrvTxtPosn& a, const OrvTxtPosn& b);

  // The display form: "(null)", "(infty)" or file:line:column+1.
  VString ToString() const;

  // TIC form "[line,column,n<index>]" or, with OrvTicPosnWithFileNames set,
  // "[line,column,s<name in length form>]".
  void PutTic(std::ostream& out) const;
  OrvResult GetTic(std::istream& in, VString& error);

  bool operator==(const OrvTxtPosn& o) const {
    return line_ == o.line_ && fileIx_ == o.fileIx_ && column_ == o.column_;
  }
  bool operator!=(const OrvTxtPosn& o) const { return !(*this == o); }

private:
  constexpr OrvTxtPosn(std::uint32_t line, std::uint16_t fileIx, std::uint16_t column, int)
      : line_(line), fileIx_(fileIx), column_(column) {}
  friend struct OrvTxtPosnConstants;

  std::uint32_t line_;
  std::uint16_t fileIx_;
  std::uint16_t column_;
};

std::ostream& operator<<(std::ostream& out, const OrvTxtPosn& posn);

// The two constant positions: null (nothing set) and infinity (line 0,
// column 1).
extern const OrvTxtPosn OrvNullPosn;
extern const OrvTxtPosn OrvInftyPosn;

// Begin and end of a token or of a stretch of text.
class OrvTxtPosnRange {
public:
  OrvTxtPosn beg;
  OrvTxtPosn end;

  constexpr OrvTxtPosnRange() : beg(), end() {}
  OrvTxtPosnRange(const OrvTxtPosn& b, const OrvTxtPosn& e) : beg(b), end(e) {}

  // Writes begin then end.
  void PutTic(std::ostream& out) const;
  // Reads begin, and end only when the begin was read; the first non-zero
  // result is returned.
  OrvResult GetTic(std::istream& in, VString& error);
};

// "[beg:" begin ", end:" end "]".
std::ostream& operator<<(std::ostream& out, const OrvTxtPosnRange& range);

// The process-wide table of source file names, in arrival order, so that an
// index names the same file for the whole run.  Entry 0 is "-(bad)-".
CountedNameTable& OrvFileNameTable();

// Most names the table holds, "-(bad)-" included: a position can name the
// indexes 0 .. OrvTxtPosn::NoFileIx - 1 only.
const int OrvFileNameTableLimit = OrvTxtPosn::NoFileIx;

// Finds or appends a name (its count rises) and returns its index.  Finding
// goes through a hash index, so a run with many files does not slow down.  A
// new name that the full table has no room for is not added: the answer is
// then OrvTxtPosn::NoFileIx ("no file").
int OrvFileNameAdd(const VString& name);

// The name of an index, or "-(bad)-" for an index outside the table.
const VString& OrvFileNameOf(int fileIx);

// The text shown for an index outside the table.
extern const char* const OrvBadFileName;

// How PutTic names the file: 0 by index ("n"), non-zero by name ("s").
extern int OrvTicPosnWithFileNames;
// The same switch under the name the tool driver uses.
extern int& OrvTicFileNames;

// While a TIC tree reader runs: maps every file index written in the text
// being read to the index of the same name in this run's table.  Outside
// such a reader no map is installed (null, 0).
void OrvSetTicFileIndexMap(const int* map, int size);
void OrvClearTicFileIndexMap();

#endif
