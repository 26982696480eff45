// Comment lines.
#include "OrvPrintComment.h"

#include <iostream>

#include "OrvPrettyPrinter.h"
#include "OrvPrintOutput.h"

namespace {

const int kHighBit = 0x80;
const char kFixedIndent[] = "      ";
const char kFscCommentStart[] = " *>";

void PutText(const char* text) {
  for (const char* q = text; *q; ++q) PutWithLineId(*q, 1);
}

}  // namespace

void PrintComment(const VString& text, int whole) {
  if (OrvPrint.trace_flags & ORV_PTRACE_PRINT)
    std::cout << "$PrintComment: " << (text.text ? text.text : "") << "\n";
  if (OrvPrint.gen_xpos > 0) PutWithLineId('\n', 1);
  const int format = OrvCurrentPrinter->gen_line_format;
  const bool fscFree = format == ORV_GEN_LINE_FSC_FREE;
  const bool free = format == ORV_GEN_LINE_FREE || fscFree;
  int rest = 0;  // index of the first character after the indicator
  if (text.length > 0) {
    const unsigned char first = static_cast<unsigned char>(text.text[0]);
    int indicator = first;
    rest = 1;
    if (first == '\r') {
      indicator = text.length > 1 ? static_cast<unsigned char>(text.text[1]) : ' ';
      rest = 2;
    } else if (fscFree && (first & ~kHighBit) == '*') {
      PutText(kFscCommentStart);
    } else if (!fscFree && (first & ~kHighBit) != '#' && !free) {
      PutText(kFixedIndent);
    }
    if (!fscFree) PutWithLineId(indicator & ~kHighBit, 1);
  }
  for (int i = rest; i < text.length; ++i) {
    if (!whole && OrvPrint.gen_xpos >= OrvPrint.right_margin) break;
    PutWithLineId(static_cast<unsigned char>(text.text[i]), 1);
  }
  PutWithLineId('\n', 1);
}
