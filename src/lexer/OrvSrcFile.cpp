// The source file reader: character reading with positions and placing the
// reader at a position.
#include "OrvSrcFile.h"

#include <ostream>

#include "OrvFiles.h"
#include "OrvLexer.h"
#include "OrvMessageSink.h"

int OrvSrcFileTrace = 0;

namespace {

// The longest text that ReadLine stores.
const int kReadLineMax = 80;
// Tab stops lie every 8 columns.
const int kTabWidth = 8;
// The end-of-file byte that some editors leave at the end of a text.
const int kCtrlZ = 26;

void ReportCopy() {
  VString text("OrvSrcFile(const OrvSrcFile &) must not be called");
  OrvGlobalMessageSink(MSG_TERMINAL, &OrvNullPosn, &text);
}

}  // namespace

OrvSrcFile::OrvSrcFile() : std::ifstream(), posn() {}

OrvSrcFile::OrvSrcFile(const OrvSrcFile& other) : std::basic_ios<char>(), std::ifstream(), posn() {
  (void)other;
  ReportCopy();
}

OrvSrcFile::OrvSrcFile(OrvSrcFile& other) : std::basic_ios<char>(), std::ifstream(), posn() {
  (void)other;
  ReportCopy();
}

OrvSrcFile::~OrvSrcFile() {}

int OrvSrcFile::Getc() {
  int c;
  do {
    c = get();
    if (c == std::char_traits<char>::eof()) return -1;
  } while (c == '\r');
  if (c == '\n') {
    posn.SetLine(posn.Line() + 1L);
    posn.SetColumn(0);
  } else if (c == '\t') {
    posn.SetColumn((posn.Column() / kTabWidth + 1L) * kTabWidth);
  } else {
    posn.SetColumn(posn.Column() + 1L);
  }
  if (OrvSrcFileTrace & ORV_SRC_TRACE_READ)
    *OrvLexerTraceOut << "-G '" << static_cast<char>(c) << "' p_aft:" << posn << std::endl;
  return c;
}

OrvResult OrvSrcFile::SetPosn(const OrvTxtPosn& target, VString& message) {
  if (OrvSrcFileTrace & ORV_SRC_TRACE_READ) *OrvLexerTraceOut << "$SetPosn: " << target << std::endl;
  if (posn.FileIx() != target.FileIx() && is_open()) {
    if (OrvSrcFileTrace & ORV_SRC_TRACE_OPEN)
      *OrvLexerTraceOut << "$SetPosn: CLOSE FILE " << OrvFileNameOf(posn.FileIx()) << std::endl;
    close();
  }
  if (!is_open()) {
    const VString& name = OrvFileNameOf(target.FileIx());
    if (OrvSrcFileTrace & ORV_SRC_TRACE_OPEN)
      *OrvLexerTraceOut << "$SetPosn: OPEN FILE " << name << std::endl;
    OrvOpenInFile(*this, name.text != nullptr ? name.text : "", true, false);
    if (!is_open()) {
      message = OrvFormat("SrcPrintText: cannot open file '%s'", name.text != nullptr ? name.text : "");
      return ORV_SRC_POSN_FAILED;
    }
    posn = OrvTxtPosn(1, 0, target.FileIx());
  }
  if (OrvTxtPosn::Compare(posn, target) > 0) {
    if (OrvSrcFileTrace & ORV_SRC_TRACE_OPEN)
      *OrvLexerTraceOut << "\n$$$SetPosn: RESET $$$" << std::endl;
    posn.SetLine(1);
    posn.SetColumn(0);
    clear();
    seekg(0, std::ios::beg);
    clear();
  }
  while (OrvTxtPosn::Compare(posn, target) < 0) {
    if (Getc() < 0) {
      VString where = posn.ToString();
      message = OrvFormat("EOF encountered while reading source file: %s",
                          where.text != nullptr ? where.text : "");
      return ORV_SRC_POSN_FAILED;
    }
  }
  return ORV_OK;
}

OrvResult OrvSrcFile::ReadLine(OrvTxtPosn* linePosn, VString& text, VString& message) {
  linePosn->SetColumn(0);
  OrvResult result = SetPosn(*linePosn, message);
  if (result != ORV_OK) return result;
  char buffer[kReadLineMax + 1];
  int n = 0;
  while (posn.Line() == linePosn->Line() && n < kReadLineMax) {
    int c = Getc();
    if (c < 0) break;
    if (c == '\n' || c == '\r' || c == kCtrlZ) continue;
    buffer[n++] = static_cast<char>(c);
  }
  text = VString(buffer, n);
  return ORV_OK;
}
