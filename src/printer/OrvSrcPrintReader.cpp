// The SourcePrint readers: whole files with their line starts.
#include "OrvSrcPrintReader.h"

#include <cstdio>
#include <ostream>

#include "OrvLexer.h"
#include "OrvSrcFile.h"

namespace {

// Tab stops lie every 8 columns, as the lexer counts them.
const int kTabWidth = 8;
// The first line of a file is line 1.
const int kFirstLine = 1;

const char* Text(const VString& v) { return v.text != nullptr ? v.text : ""; }

// Reads the whole file into `text`: false when it cannot be opened or read.
bool ReadWhole(const char* path, std::vector<char>& text) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return false;
  char block[1 << 16];
  bool ok = true;
  for (;;) {
    const std::size_t n = std::fread(block, 1, sizeof block, file);
    text.insert(text.end(), block, block + n);
    if (n < sizeof block) {
      ok = std::ferror(file) == 0;
      break;
    }
  }
  std::fclose(file);
  return ok;
}

}  // namespace

OrvSrcPrintReader::OrvSrcPrintReader() : at_(0), posn_(), loaded_(false) {}

OrvResult OrvSrcPrintReader::Load(int fileIx, VString& message) {
  const VString& name = OrvFileNameOf(fileIx);
  if (OrvSrcFileTrace & ORV_SRC_TRACE_OPEN) *OrvLexerTraceOut << "$SetPosn: OPEN FILE " << name << std::endl;
  text_.clear();
  // A name that is not in the table is shown as the table shows it and
  // is never opened: no file of that name was read by the parse.
  if (fileIx <= 0 || fileIx >= OrvFileNameTable().count || !ReadWhole(Text(name), text_)) {
    message = OrvFormat("SrcPrintText: cannot open file '%s'", Text(name));
    return ORV_SRC_POSN_FAILED;
  }
  lineStarts_.clear();
  lineStarts_.push_back(0);
  for (std::size_t i = 0; i < text_.size(); ++i)
    if (text_[i] == '\n') lineStarts_.push_back(i + 1);
  loaded_ = true;
  at_ = 0;
  posn_ = OrvTxtPosn(kFirstLine, 0, fileIx);
  return ORV_OK;
}

int OrvSrcPrintReader::Getc() {
  int c;
  do {
    if (at_ >= text_.size()) return -1;
    c = static_cast<unsigned char>(text_[at_++]);
  } while (c == '\r');
  if (c == '\n') {
    posn_.SetLine(posn_.Line() + 1L);
    posn_.SetColumn(0);
  } else if (c == '\t') {
    posn_.SetColumn((posn_.Column() / kTabWidth + 1L) * kTabWidth);
  } else {
    posn_.SetColumn(posn_.Column() + 1L);
  }
  if (OrvSrcFileTrace & ORV_SRC_TRACE_READ)
    *OrvLexerTraceOut << "-G '" << static_cast<char>(c) << "' p_aft:" << posn_ << std::endl;
  return c;
}

OrvResult OrvSrcPrintReader::SetPosn(const OrvTxtPosn& target, VString& message) {
  if (OrvSrcFileTrace & ORV_SRC_TRACE_READ) *OrvLexerTraceOut << "$SetPosn: " << target << std::endl;
  if (!loaded_ || posn_.FileIx() != target.FileIx()) {
    OrvResult r = Load(target.FileIx(), message);
    if (r != ORV_OK) return r;
  }
  // Reading on is enough within the current line; any other target is
  // reached from the start of its own line.
  const bool sameLine = posn_.Line() == target.Line() && posn_.Column() <= target.Column();
  if (!sameLine) {
    const long line = target.Line() < kFirstLine ? kFirstLine : target.Line();
    const std::size_t index = static_cast<std::size_t>(line - kFirstLine);
    if (index >= lineStarts_.size()) {
      // Past the last line: the reader stands at the end of the file.
      at_ = lineStarts_.back();
      posn_ = OrvTxtPosn(static_cast<long>(lineStarts_.size()) - 1 + kFirstLine, 0, target.FileIx());
      while (Getc() >= 0) {
      }
    } else {
      at_ = lineStarts_[index];
      posn_ = OrvTxtPosn(line, 0, target.FileIx());
    }
  }
  while (OrvTxtPosn::Compare(posn_, target) < 0) {
    if (Getc() < 0) {
      const VString where = posn_.ToString();
      message = OrvFormat("EOF encountered while reading source file: %s", Text(where));
      return ORV_SRC_POSN_FAILED;
    }
  }
  return ORV_OK;
}

OrvSrcPrintInputs OrvNewSrcPrintInputs() {
  OrvSrcPrintInputs inputs;
  inputs.count = OrvFileNameTable().count;
  inputs.readers = inputs.count > 0 ? new OrvSrcPrintReader[static_cast<std::size_t>(inputs.count)] : nullptr;
  inputs.current = 0;
  return inputs;
}

void OrvDeleteSrcPrintInputs(OrvSrcPrintInputs& inputs) {
  delete[] inputs.readers;
  inputs.readers = nullptr;
  inputs.count = 0;
  inputs.current = 0;
}
