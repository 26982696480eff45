// The print driver: a whole-tree print into a file or a string, and the
// print of a fragment printed before.  Each runs a measure pass, which
// records the widths of every node's template pieces, and a print pass,
// which writes the text.
#include <fstream>
#include <iostream>

#include "OrvCopyMembers.h"
#include "OrvDebugDump.h"
#include "OrvFiles.h"
#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvGenTable.h"
#include "OrvLineIdFormat.h"
#include "OrvMessage.h"
#include "OrvNodePrint.h"
#include "OrvPrettyPrinter.h"
#include "OrvPrintMessages.h"
#include "OrvPrintOutput.h"
#include "OrvPrintResult.h"
#include "OrvSrcFile.h"
#include "OrvSubdivisions.h"
#include "OrvToken.h"
#include "OrvTreeWalk.h"
#include "OrvTxtPosn.h"

namespace {

// Margins of the line formats (0-based columns).
const int kFixedAreaA = 7;
const int kFixedAreaB = 11;
const int kFixedMargin = 72;
const int kFreeArea = 1;
const int kWideMargin = 219;

// Sets the margins of the printer's line format; the free formats switch
// the A/B rules off in the printer itself.
void SetMargins(OrvPrettyPrinterImpl& printer) {
  OrvPrintState& s = OrvPrint;
  switch (printer.gen_line_format) {
    case ORV_GEN_LINE_FREE:
    case ORV_GEN_LINE_FSC_FREE:
      s.area_a = kFreeArea;
      s.area_b = kFreeArea;
      s.right_margin = kWideMargin;
      printer.gen_observe_ab_rules = 0;
      break;
    case ORV_GEN_LINE_VAR:
      s.area_a = kFixedAreaA;
      s.area_b = kFixedAreaB;
      s.right_margin = kWideMargin;
      break;
    default:
      s.area_a = kFixedAreaA;
      s.area_b = kFixedAreaB;
      s.right_margin = kFixedMargin;
      break;
  }
}

// The settings every character consults, copied into the print state.
void CacheSettings(const OrvPrettyPrinterImpl& printer) {
  OrvPrintState& s = OrvPrint;
  s.trace_flags = printer.trace_flags;
  s.line_id_formatted = printer.gen_73to80_fmt.length > 0;
  s.mark_conv = printer.gen_mark_conv.length > 0;
  s.free_format = printer.gen_line_format == ORV_GEN_LINE_FREE || printer.gen_line_format == ORV_GEN_LINE_FSC_FREE;
  s.line_id_copied = printer.gen_line_id_comments;
}

int UnsetGenp(OrvExpr* node, void*) {
  node->SetGenp(ORV_GENP_NONE, ORV_GENP_NONE);
  return ORV_WALK_CHILDREN;
}

void Dump(const char* heading, OrvExpr* tree) {
  std::cout << heading;
  OrvDumpDepth = 0;
  tree->DebugDump(std::cout);
}

// The measured widths copied onto the nodes, for the dump after the
// measure pass.
int CopyWidthsToNode(OrvExpr* node, void*) {
  int count = 0;
  const std::int16_t* widths = OrvSdOf(node, count);
  if (widths != nullptr && node->NArgs() > 0) {
    std::int16_t* copy = new std::int16_t[count];
    for (int i = 0; i < count; ++i) copy[i] = widths[i];
    static_cast<OrvExprOper*>(node)->SetSd(copy, count);
  }
  return ORV_WALK_CHILDREN;
}

void TraceHeadings(OrvExpr* tree, int traceFlags) {
  if (traceFlags & ORV_PTRACE_DUMP_MEASURED) {
    WalkTheTree(tree, nullptr, CopyWidthsToNode);
    Dump("\n\n###PrettyPrint: after computing lengths:\n", tree);
  }
  if (traceFlags & ORV_PTRACE_PRINT) std::cout << "\n\n###PrettyPrinting:\n";
}

// The start of a measure pass.
void StartMeasurePass(int xstart, int xpos, bool resetGen) {
  const int gen = OrvPrint.gen_gen;
  OrvResetPrintState(xstart, xpos);
  if (!resetGen) OrvPrint.gen_gen = gen;
  OrvPrint.copy_dir = VString();
  OrvPrint.copy_level = 0;
  OrvDeleteSrcPrintInputs(OrvPrint.sources);
  OrvSdReset();
}

// The start of a print pass: the main output as the stack's first entry
// and, for SourcePrint, a reader for every source file.
void StartPrintPass(std::ostream& out, int xstart, int xpos, bool resetGen, const VString& copyDir) {
  const int gen = OrvPrint.gen_gen;
  OrvResetPrintState(xstart, xpos);
  if (!resetGen) OrvPrint.gen_gen = gen;
  OrvPrint.copy_dir = copyDir;
  OrvCopyLevel& main = OrvPrint.copy_stack[0];
  main.file_name = VString();
  main.stream = &out;
  main.owned = false;
  main.g_xpos = 0;
  main.last_line_src_posn = OrvTxtPosn();
  main.line_no = 1;
  OrvPrint.copy_level = 1;
  OrvDeleteSrcPrintInputs(OrvPrint.sources);
  if (OrvCurrentPrinter->gen_src) OrvPrint.sources = OrvNewSrcPrintInputs();
}

// The end of every print: the buffer handed to the output, member files
// still open closed, the source readers destroyed, the busy flag cleared.
void EndPrint() {
  if (OrvPrint.copy_level > 0) {
    OrvCloseAllCopyMembers();
    OrvFlushPrintBuffer();
  }
  OrvPrint.copy_level = 0;
  OrvDeleteSrcPrintInputs(OrvPrint.sources);
  OrvPrintBusy = 0;
}

// "gen-copy-dir" with a separator at its end.
VString CopyDirWithSeparator(const VString& dir) {
  if (dir.length == 0) return dir;
  const char last = dir.text[dir.length - 1];
  return last == '/' || last == '\\' ? dir : dir + VString("/");
}

// Refuses a print while another runs: the message goes to the caller's own
// list, and the running print's variables stay as they are.
bool RefusedAsBusy(OrvExpr* tree, OrvTokenList* messages) {
  if (!OrvPrintBusy) return false;
  AddPErrorTo(messages, tree, MSG_SEVERE, VString("PrettyPrint is already in use"));
  return true;
}

OrvResult RunPasses(std::ostream& out, OrvExpr* tree, const VString& copyDir) {
  StartMeasurePass(0, 0, true);
  OrvResult result = tree->PrettyPrintOper(1, 0);
  if (result != ORV_OK) return result;
  TraceHeadings(tree, OrvPrint.trace_flags);
  StartPrintPass(out, 0, 0, true, copyDir);
  result = tree->PrettyPrintOper(0, 0);
  if (result == ORV_OK && OrvPrint.gen_xpos > 0) PutWithLineId('\n', 1);
  return result;
}

}  // namespace

OrvResult OrvPrettyPrinterImpl::PrintTree(std::ostream& out, OrvExpr* tree, OrvTokenList* messages) {
  if (RefusedAsBusy(tree, messages)) return ORV_PRINT_BUSY;
  OrvPrintMessages = messages;
  OrvCurrentPrinter = this;
  OrvInstallNodePrinters();
  if (tree == nullptr) return ORV_OK;
  OrvPrintBusy = 1;
  if (trace_flags & ORV_PTRACE_DUMP_BEFORE) Dump("\n\n###PrettyPrint: got tree:\n", tree);
  OrvSrcFileTrace = trace_flags;
  SetMargins(*this);
  CacheSettings(*this);
  OrvResult result = ORV_OK;
  if (gen_table == nullptr) result = RecomputeGenTable(*this);
  if (result == ORV_OK && gen_indent_step < 1) {
    AddPError(tree, MSG_SEVERE, OrvFormat("PrettyPrint: negative indentation step: %d", gen_indent_step));
    result = ORV_PRINT_BAD_SETTING;
  }
  if (result == ORV_OK && gen_73to80_fmt.length > 0 && !OrvLineIdFormatIsValid(gen_73to80_fmt)) {
    // The format is handed to printf with the line number alone.
    AddPError(tree, MSG_SEVERE, OrvFormat("PrettyPrint: bad gen-73to80-fmt: %s", gen_73to80_fmt.text));
    result = ORV_PRINT_BAD_SETTING;
  }
  if (result == ORV_OK) {
    if (update_genp) WalkTheTree(tree, nullptr, UnsetGenp);
    result = RunPasses(out, tree, CopyDirWithSeparator(gen_copy_dir));
  }
  EndPrint();
  return result;
}

OrvResult OrvPrettyPrinterImpl::PrintFile(const VString& fileName, OrvExpr* tree, OrvTokenList* messages) {
  if (RefusedAsBusy(tree, messages)) return ORV_PRINT_BUSY;
  const char* name = fileName.text != nullptr ? fileName.text : "";
  if (OrvIsSourceFile(name)) {
    if (messages)
      messages->AddToken(MSG_ERR, OrvNullPosn,
                         OrvFormat("Output file '%s' is a source file; it is not overwritten", name));
    return ORV_PRINT_CANNOT_WRITE;
  }
  std::ofstream out;
  if (OrvOpenOutFile(out, fileName, false, false) != ORV_OK) {
    if (messages) messages->AddToken(MSG_ERR, OrvNullPosn, OrvFormat("Cannot open file '%s' for output", name));
    return ORV_PRINT_CANNOT_WRITE;
  }
  OrvResult result = PrintTree(out, tree, messages);
  out.close();
  if (out.fail()) {
    if (messages) messages->AddToken(MSG_ERR, OrvNullPosn, OrvFormat("Cannot write file '%s'", name));
    if (result == ORV_OK) result = ORV_PRINT_CANNOT_WRITE;
  }
  return result;
}

OrvResult OrvPrettyPrinterImpl::PrintString(VString& out, OrvExpr* tree, OrvTokenList* messages) {
  FastOstrstream stream;
  OrvResult result = PrintTree(stream, tree, messages);
  out = VString(stream);
  return result;
}

namespace {

// The generated positions of a subtree printed again, and of the rest of
// the tree behind it.
struct FragmentMove {
  OrvExpr* fragment;
  std::uint32_t oldBegin;
  std::uint32_t oldEnd;
  std::uint32_t delta;
};

std::uint32_t Offset(std::uint32_t word) { return word & ORV_GENP_NONE; }
std::uint32_t Spare(std::uint32_t word) { return word & ~ORV_GENP_NONE; }
std::uint32_t Moved(std::uint32_t word, std::uint32_t by) { return Spare(word) | ((Offset(word) + by) & ORV_GENP_NONE); }

int MovePrinted(OrvExpr* node, OrvExpr*, void* context) {
  const FragmentMove& move = *static_cast<FragmentMove*>(context);
  node->SetGenp(Moved(node->GenpBeg(), move.oldBegin), Moved(node->GenpEnd(), move.oldBegin));
  return ORV_WALK_CHILDREN;
}

int MoveMain(OrvExpr* node, OrvExpr*, void* context) {
  const FragmentMove& move = *static_cast<FragmentMove*>(context);
  if (node == move.fragment) return ORV_WALK_SKIP;
  std::uint32_t beg = node->GenpBeg();
  std::uint32_t end = node->GenpEnd();
  if (Offset(beg) >= move.oldEnd) beg = Moved(beg, move.delta);
  if (Offset(end) >= move.oldEnd) end = Moved(end, move.delta);
  node->SetGenp(beg, end);
  return ORV_WALK_CHILDREN;
}

OrvExpr* RootOf(OrvExpr* node) {
  while (node->Parent() != nullptr) node = node->Parent();
  return node;
}

}  // namespace

OrvResult OrvPrettyPrinterImpl::PrintFragment(std::ostream& out, OrvExpr* subtree, OrvTokenList* messages) {
  if (RefusedAsBusy(subtree, messages)) return ORV_PRINT_BUSY;
  OrvCurrentPrinter = this;
  OrvPrintMessages = messages;
  OrvInstallNodePrinters();
  if (subtree == nullptr) return ORV_OK;
  const std::uint32_t oldBegin = subtree->GenpBeg();
  const std::uint32_t oldEnd = subtree->GenpEnd();
  OrvPrintBusy = 1;
  const int column = static_cast<int>(oldBegin >> 24);
  const int level = static_cast<int>(oldEnd >> 24);
  CacheSettings(*this);
  if (gen_table == nullptr) {
    AddPError(subtree, MSG_SEVERE, VString("Must have gen_table set before using fragment print"));
  } else if (gen_73to80_fmt.length > 0 && !OrvLineIdFormatIsValid(gen_73to80_fmt)) {
    AddPError(subtree, MSG_SEVERE, OrvFormat("PrettyPrint: bad gen-73to80-fmt: %s", gen_73to80_fmt.text));
  } else {
    if (update_genp) WalkTheTree(subtree, nullptr, UnsetGenp);
    StartMeasurePass(level, column, false);
    OrvResult result = subtree->PrettyPrintOper(1, 0);
    if (result == ORV_OK) {
      TraceHeadings(subtree, trace_flags);
      if (gen_copy_dir.length > 0)
        AddPError(subtree, MSG_SEVERE, VString("Do NOT print copy files in fragment print"));
      StartPrintPass(out, level, column, false, gen_copy_dir);
      result = subtree->PrettyPrintOper(0, 0);
      if (result == ORV_OK && subtree->Parent() != nullptr) {
        const std::uint32_t newEnd = Offset(subtree->GenpEnd());
        FragmentMove move{subtree, Offset(oldBegin), Offset(oldEnd),
                          (newEnd - (Offset(oldEnd) - Offset(oldBegin))) & ORV_GENP_NONE};
        OrvWalkTree(subtree, &move, "OrvUpdateGenPosnPrinted", MovePrinted, nullptr, nullptr);
        OrvWalkTree(RootOf(subtree), &move, "OrvUpdateGenPosnMain", MoveMain, nullptr, nullptr);
      }
    }
  }
  EndPrint();
  return ORV_OK;
}
