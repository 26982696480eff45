// The node print operations and the handling of COPY and INCLUDE markers.
#include "OrvNodePrint.h"

#include <iostream>

#include "OrvCopyMembers.h"
#include "OrvExpr.h"
#include "OrvGenTable.h"
#include "OrvMessage.h"
#include "OrvOper.h"
#include "OrvPosnWalkers.h"
#include "OrvPrettyPrinter.h"
#include "OrvPrintComment.h"
#include "OrvPrintMessages.h"
#include "OrvPrintOutput.h"
#include "OrvPrintResult.h"
#include "OrvSlotPrint.h"
#include "OrvSrcPrintText.h"
#include "OrvTemplateInterp.h"

namespace {

// Slots of the markers: a begin marker holds the member's name as written,
// the REPLACING phrase, its real file name and its nesting level; an end
// marker the real file name and the level.
const int kBeginRealFile = 2;
const int kBeginLevel = 3;
const int kEndFile = 0;
const int kEndLevel = 1;

// Continuation of a literal: the prefix of a fixed-column format (hyphen in
// the indicator column, blanks up to Area B) and of the free formats.
const char kFixedContinuation[] = "      -    ";
const char kFreeContinuation[] = "-          ";
// A literal continued from a column up to this one is reopened at that
// column; from a later one right after the prefix.
const int kReopenColumnLimit = 39;
// Columns of a literal that starts a line: Area B, else Area A.
const int kAreaBLiteralIndent = 11;
const int kAreaALiteralIndent = 7;

// The generated positions: a 24-bit offset with a spare byte.
std::uint32_t GenpWord(long offset, int spare) {
  return (static_cast<std::uint32_t>(offset) & ORV_GENP_NONE) | (static_cast<std::uint32_t>(spare & 0xff) << 24);
}

void RecordBegin(OrvExpr* node) {
  if (!OrvCurrentPrinter->update_genp) return;
  node->SetGenp(GenpWord(OrvPrint.char_count, OrvPrint.gen_xpos), GenpWord(ORV_GENP_NONE, OrvPrint.gen_xstart));
}

void RecordEnd(OrvExpr* node) {
  if (!OrvCurrentPrinter->update_genp) return;
  node->SetGenp(node->GenpBeg(), GenpWord(OrvPrint.char_count, static_cast<int>(node->GenpEnd() >> 24)));
}

void TraceEntry(const OrvExpr* node, int srcP) {
  if (OrvPrint.trace_flags & ORV_PTRACE_PRINT)
    std::cout << "\n#PrettyPrintOper()+++: op=" << OrvOperName(node->Oper()) << " src_p=" << srcP
              << " g_xs=" << OrvPrint.gen_xstart << "\n";
}

void SetWidth(OrvExpr* node, int width) {
  node->SetPrintValue(width > ORV_MAX_NODE_WIDTH ? ORV_MAX_NODE_WIDTH : width);
}

const VString* ImageOf(const OrvExpr* node) {
  return node != nullptr && node->HasImage() ? node->Image() : nullptr;
}

// Both leaf kinds: the measure pass counts the image; the print pass
// prints the tail's comments and reports whether the image is to be put.
OrvResult LeafStart(OrvExpr* node, int measure, bool& putImage) {
  putImage = false;
  const VString* image = ImageOf(node);
  if (measure) {
    if (image != nullptr) PutVString(*image, node->FromSrc(), 1);
    SetWidth(node, image != nullptr ? image->length : 0);
    return ORV_OK;
  }
  RecordBegin(node);
  const int srcP = CanPrintFromSource(node);
  TraceEntry(node, srcP);
  OrvResult result = node->Tokens().IsEmpty() ? ORV_OK : SrcPrintText(node->Tokens(), srcP, nullptr);
  putImage = result == ORV_OK && srcP == 0 && image != nullptr;
  return result;
}

}  // namespace

int CanPrintFromSource(const OrvExpr* node) {
  if (node == nullptr || node->FromSrc() == 0 || OrvCurrentPrinter == nullptr || !OrvCurrentPrinter->gen_src)
    return 0;
  for (int i = 0; i < node->NArgs(); ++i) {
    const OrvArgSlot* slot = node->SlotAt(i);
    if (slot != nullptr && !slot->tokens.IsEmpty() && slot->tokens.HasUnpositioned()) return 0;
  }
  return node->Tokens().HasUnpositioned() ? 0 : 1;
}

OrvResult OrvPrettyPrintLeaf(OrvExpr* node, int measure, int) {
  bool putImage = false;
  OrvResult result = LeafStart(node, measure, putImage);
  if (measure || result != ORV_OK) return result;
  if (putImage) PutVString(*ImageOf(node), node->FromSrc(), 0);
  RecordEnd(node);
  return ORV_OK;
}

OrvResult OrvPrettyPrintStrConst(OrvExpr* node, int measure, int) {
  bool putImage = false;
  OrvResult result = LeafStart(node, measure, putImage);
  if (measure || result != ORV_OK) return result;
  if (putImage) {
    const VString& image = *ImageOf(node);
    const int state = node->FromSrc();
    OrvPrintState& s = OrvPrint;
    const int length = image.length;
    const char quote = length > 0 && (image.text[0] == '\'' || image.text[0] == '"') ? image.text[0]
                       : length > 1                                               ? image.text[1]
                                                                                  : '"';
    // A literal whose opening quote would stand at the margin starts a new
    // line: a continuation line that begins with a quote would continue a
    // literal that is not there.
    if (s.gen_xpos >= s.right_margin) PutWithLineId('\n', 1);
    if (s.gen_xpos == 0) {
      // A literal at the start of a line begins where it fits whole: at its
      // level's column, else in Area B, else in Area A.
      int lead = 0;
      if (IndentColumn(s.gen_xstart) + length < s.right_margin) lead = 0;
      else if (s.right_margin - s.area_b >= length) lead = kAreaBLiteralIndent;
      else if (s.right_margin - s.area_a >= length) lead = kAreaALiteralIndent;
      for (int i = 0; i < lead; ++i) PutWithMargin(' ', 0);
    }
    const int start = s.gen_xpos;
    const char* prefix = s.free_format ? kFreeContinuation : kFixedContinuation;
    for (int i = 0; i < length; ++i) {
      if (s.gen_xpos >= s.right_margin) {
        // The line break and the prefix stand below the indentation level,
        // which would move the hyphen out of the indicator column.
        PutWithLineId('\n', 1);
        for (const char* q = prefix; *q; ++q) PutWithLineId(*q, 1);
        if (start <= kReopenColumnLimit)
          while (s.gen_xpos < start) PutWithLineId(' ', 1);
        PutIndented(static_cast<unsigned char>(quote), state, 0);
      }
      PutIndented(static_cast<unsigned char>(image.text[i]), state, 0);
    }
  }
  RecordEnd(node);
  return ORV_OK;
}

namespace {

bool IsBeginMarker(int op) { return op == STMT_INLINED_COPY_BEG || op == STMT_INLINED_INCLUDE_BEG; }
bool IsEndMarker(int op) { return op == STMT_INLINED_COPY_END || op == STMT_INLINED_INCLUDE_END; }

long LevelOf(const OrvExpr* child) { return child != nullptr ? static_cast<long>(child->IntValue()) : -1; }

VString ImageText(const OrvExpr* node) {
  const VString* image = ImageOf(node);
  return image != nullptr ? *image : VString();
}

const char* Text(const VString& v) { return v.text != nullptr ? v.text : ""; }

// What a marker does in the print pass.
enum MarkerAction { kPrintAsComments, kOpenMember, kCloseMember };

// Decides what a marker does; 55 (no output open) stops the print.
OrvResult DecideMarker(OrvExpr* node, MarkerAction& action) {
  action = kPrintAsComments;
  OrvPrintState& s = OrvPrint;
  if (s.copy_dir.length == 0) return ORV_OK;
  const int op = node->Oper();
  if (IsBeginMarker(op)) {
    const VString name = ImageText(node->ChildAt(kBeginRealFile));
    const long level = LevelOf(node->ChildAt(kBeginLevel));
    if (s.trace_flags & ORV_PTRACE_PRINT)
      std::cout << "\n\n***PrettyCOPY: Open file " << Text(name) << " file_level=" << level
                << " stack_level=" << s.copy_level << " ***\n";
    // A member at a level that does not match, or one more than the stack
    // holds, is printed as comments.
    if (level == s.copy_level && s.copy_level < ORV_COPY_STACK_SIZE) {
      action = kOpenMember;
    } else {
      const VString where = OrvSrcPosnBegWalker(node).ToString();
      AddError(MSG_WARN, OrvFormat("%s: SourcePrint: starting Copybook '%s' of level %d: copybook was NOT "
                                   "expected to be started at level %d. Copybook creation command ignored.",
                                   Text(where), Text(name), static_cast<int>(level), s.copy_level));
    }
    return ORV_OK;
  }
  if (s.copy_level == 0) {
    AddPError(node, MSG_SEVERE, VString("SourcePrint: empty file stack"));
    return ORV_PRINT_EMPTY_STACK;
  }
  const VString name = ImageText(node->ChildAt(kEndFile));
  const long level = LevelOf(node->ChildAt(kEndLevel));
  const VString& top = s.copy_stack[s.copy_level - 1].file_name;
  if (level == s.copy_level - 1 && name.length == top.length && name.Compare(top) == 0) {
    action = kCloseMember;
  } else {
    AddPError(node, MSG_WARN, OrvFormat("SourcePrint: finishing Copybook '%s' of level %d: this copybook was not "
                                        "started. Finish command ignored.",
                                        Text(name), static_cast<int>(level)));
  }
  return ORV_OK;
}

// A marker that opens or closes no member: its comments, the enter or exit
// line, and a swallow request for the line break that follows.
OrvResult PrintMarkerAsComments(OrvExpr* node) {
  const bool begin = IsBeginMarker(node->Oper());
  const OrvTokenList* tokens = begin ? (node->NArgs() > 0 && node->SlotAt(0) ? &node->SlotAt(0)->tokens : nullptr)
                                     : &node->Tokens();
  OrvResult result = tokens != nullptr && !tokens->IsEmpty() ? SrcPrintText(*tokens, 0, nullptr) : ORV_OK;
  if (result != ORV_OK) return result;
  if (OrvCurrentPrinter->gen_enter_exit_copy_comments) {
    const VString name = ImageText(node->ChildAt(begin ? kBeginRealFile : kEndFile));
    PrintComment(OrvFormat(begin ? "* === Enter copylib %s ===" : "* === Exit copylib %s ===", Text(name)), 0);
  }
  OrvPrint.swallow = 1;
  return ORV_OK;
}

OrvResult PrintFromTemplate(OrvExpr* node, int measure, int forceBreak) {
  CGentry* row = nullptr;
  OrvResult result = FindCGentry(row, node);
  if (result != ORV_OK) return result;
  return PrettyPrint(node, row->templ, measure, forceBreak, 1);
}

// The print pass of a node that is no marker: copied from the source, or
// regenerated from its template.
OrvResult PrintNode(OrvExpr* node, int srcP, int forceBreak) {
  return srcP ? SlotPrint(node) : PrintFromTemplate(node, 0, forceBreak);
}

OrvResult PrintMarker(OrvExpr* node, int srcP, int forceBreak) {
  MarkerAction action = kPrintAsComments;
  OrvResult result = DecideMarker(node, action);
  if (result != ORV_OK) return result;
  if (action == kPrintAsComments) return PrintMarkerAsComments(node);
  result = PrintNode(node, srcP, forceBreak);
  if (result != ORV_OK) return result;
  return action == kOpenMember ? OrvOpenCopyMember(node) : OrvCloseCopyMember();
}

}  // namespace

OrvResult OrvPrettyPrintOperNode(OrvExpr* node, int measure, int forceBreak) {
  const int op = node->Oper();
  if (op == SYMBOL_TABLE_ELT_LIST || op == SYMBOL_TABLE_ELT) return ORV_OK;
  const int entryLevel = OrvPrint.gen_xstart;
  OrvResult result;
  if (measure) {
    result = PrintFromTemplate(node, 1, forceBreak);
  } else {
    const int srcP = CanPrintFromSource(node);
    RecordBegin(node);
    TraceEntry(node, srcP);
    if (IsBeginMarker(op) || IsEndMarker(op))
      result = PrintMarker(node, srcP, forceBreak);
    else
      result = PrintNode(node, srcP, forceBreak);
  }
  if (!measure) RecordEnd(node);
  if (result == ORV_OK && OrvPrint.gen_xstart != entryLevel) {
    AddPError(node, MSG_SEVERE,
              OrvFormat("PrettyPrint: enter gen_xstart %d != exit gen_xstart %d", entryLevel, OrvPrint.gen_xstart));
    result = ORV_PRINT_BAD_INDENT;
  }
  if (result == ORV_OK && OrvPrint.gen_xstart < 0) {
    AddPError(node, MSG_SEVERE, OrvFormat("PrettyPrint: negative gen_xtart: %d", OrvPrint.gen_xstart));
    result = ORV_PRINT_BAD_INDENT;
  }
  if (OrvPrint.trace_flags & ORV_PTRACE_PRINT)
    std::cout << "#PrettyPrintOper()---: op=" << OrvOperName(op) << " g_xs=" << OrvPrint.gen_xstart
              << " rc=" << static_cast<int>(result) << "\n";
  return result;
}

void OrvInstallNodePrinters() {
  OrvPrettyPrintLeafFn = OrvPrettyPrintLeaf;
  OrvPrettyPrintOperFn = OrvPrettyPrintOperNode;
  OrvPrettyPrintStrConstFn = OrvPrettyPrintStrConst;
}
