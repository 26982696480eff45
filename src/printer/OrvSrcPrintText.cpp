// The comments and preserved spacing of token lists in a print from
// templates.
#include "OrvSrcPrintText.h"

#include <iostream>
#include <sstream>

#include "OrvMessage.h"
#include "OrvPrettyPrinter.h"
#include "OrvPrintComment.h"
#include "OrvPrintMessages.h"
#include "OrvPrintOutput.h"
#include "OrvToken.h"

namespace {

bool IsSpaceKind(int code) { return code == SEP_SPACE || code == PRESERVED_SPACE; }

bool IsPreserved(int code) { return code == PRESERVED_SPACE || code == PRESERVED_STRING; }

// A preserved token in a print from templates: its text is not copied, but
// the output is brought to where the token began (a new line when the
// output is already past it), so that preserved text keeps its columns.
OrvResult PlacePreserved(const OrvToken& token) {
  OrvTxtPosn b = token.begin;
  const OrvTxtPosn e = token.end;
  OrvPrintState& s = OrvPrint;
  if (b.FileIx() == e.FileIx()) {
    if (IsSpaceKind(token.code) && b.Column() < s.gen_xpos) {
      if (b.Line() == e.Line() && e.Column() > b.Column()) {
        b = e;
        if (s.last_char != ' ') b.SetColumn(b.Column() - 1);
      } else if (e.Line() > b.Line()) {
        PutWithLineId('\n', 1);
        b = OrvTxtPosn(b.Line() + 1, 0, b.FileIx());
      }
      if (s.trace_flags & ORV_PTRACE_SOURCE_COPY)
        std::cout << "#+++SrcPrintText: RECOMPUTE sr=" << OrvTxtPosnRange(b, e) << "\n";
    }
  } else if (!IsSpaceKind(token.code)) {
    std::ostringstream where;
    where << "SrcPrintText: at " << b << " switch files: " << token.Range();
    AddError(MSG_WARN, VString(where.str().c_str()));
    PutIndented(' ', 1, 0);
    return ORV_OK;
  } else {
    const OrvTxtPosn last = s.last_line_src_posn;
    b = last.IsSet() && last.FileIx() == e.FileIx() ? last : OrvTxtPosn(e.Line(), 0, e.FileIx());
    if (b == e) return ORV_OK;
  }
  if (token.code != PRESERVED_SPACE &&
      (b.Column() < s.gen_xpos || (s.last_line_src_posn.IsSet() && s.last_line_src_posn.Line() != b.Line())))
    PutWithLineId('\n', 1);
  while (s.gen_xpos < b.Column()) PutWithLineId(' ', 1);
  if (token.code != SEP_EOF) s.last_line_src_posn = e;
  return ORV_OK;
}

}  // namespace

OrvResult SrcPrintText(const OrvTokenList& tokens, int srcP, int* commentPrinted) {
  const int trace = OrvPrint.trace_flags & ORV_PTRACE_SOURCE_COPY;
  if (trace) std::cout << "#+++SrcPrintText: src_p=" << srcP << " gen_xpos=" << OrvPrint.gen_xpos << " " << tokens << "\n";
  OrvResult result = ORV_OK;
  for (const OrvTokenListNode* n = tokens.Head(); n != nullptr && result == ORV_OK; n = n->next) {
    const OrvToken* token = n->token;
    if (token == nullptr) continue;
    switch (token->code) {
      case CM_COMMENT:
        // Comments are always rewritten as comment lines: no source text is
        // copied in this program.
        if (OrvCurrentPrinter->gen_print_comments) {
          PrintComment(token->image, 0);
          if (commentPrinted) *commentPrinted = 1;
        }
        break;
      case CM_PERSISTENT:
        PrintComment(token->image, 0);
        if (commentPrinted) *commentPrinted = 1;
        break;
      default:
        // Keywords and other source tokens are spelled by the templates;
        // preserved text keeps its place.
        if (IsPreserved(token->code)) result = PlacePreserved(*token);
        break;
    }
  }
  if (trace) std::cout << "#---SrcPrintText: rc=" << static_cast<int>(result) << "\n";
  return result;
}
