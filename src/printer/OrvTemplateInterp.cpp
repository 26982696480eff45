// The template interpreter.  One Interp object runs one template for one
// node: the dispatcher reads the template byte by byte and hands each
// construct to a small routine; the state of the interpretation (the
// subdivision being measured, whether a conditional is open, the break
// decisions of the print pass) lives in the object.
#include "OrvTemplateInterp.h"

#include <cctype>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "OrvExpr.h"
#include "OrvMessage.h"
#include "OrvOper.h"
#include "OrvExprOper.h"
#include "OrvPrettyPrinter.h"
#include "OrvPrintMessages.h"
#include "OrvPrintOutput.h"
#include "OrvPrintResult.h"
#include "OrvSrcPrintText.h"
#include "OrvSubdivisions.h"

namespace {

// Template bytes with a meaning of their own.
const char kNoBreak = '\r';     // leading: never force this node's breaks
const char kListForm = '@';     // leading: the list form
const char kIndent = '\t';      // print pass: one level deeper
const char kOutdent = '\b';     // print pass: one level back
const char kLineBreak = '\n';   // a line break back at the node's level
const char kLevelBack = '\r';   // inside: back at the node's level, no output
const unsigned char kSwallow = 0xff;  // drop the next line break at column 0
const char kSepDeeper = '|';    // separator: break one level deeper
const char kSepSame = '&';      // separator: break back at the node's level
const char kSepIfNeeded = '%';  // separator: break only when the next piece does not fit
const char kSepSilent = '!';    // separator: prints nothing
const char kSkipSep = '~';      // the next separator is ignored


bool Printable(unsigned char c) { return c >= 32 && c < 127; }

// The texts of the list form, expanded into blocks that are reused from
// print to print.  Expansions nest as the interpreter recurses, so the
// blocks are a stack: an expansion is released when its interpretation
// ends, and a text never moves while it is read.
class ExpansionStack {
 public:
  struct Mark {
    std::size_t block;
    std::size_t used;
  };
  Mark Top() const { return Mark{current_, blocks_.empty() ? 0 : blocks_[current_].used}; }
  void Release(const Mark& mark) {
    for (std::size_t b = mark.block + 1; b <= current_ && b < blocks_.size(); ++b) blocks_[b].used = 0;
    current_ = mark.block;
    if (!blocks_.empty()) blocks_[current_].used = mark.used;
  }
  // Room for `size` bytes that stays in place until released.
  char* Take(std::size_t size) {
    if (blocks_.empty()) NewBlock(size);
    while (blocks_[current_].used + size > blocks_[current_].size) {
      ++current_;
      if (current_ == blocks_.size()) NewBlock(size);
      if (blocks_[current_].size < size) {
        // A block too small for this text is replaced by a larger one.
        blocks_[current_].data.reset(new char[size]);
        blocks_[current_].size = size;
      }
      blocks_[current_].used = 0;
    }
    char* room = blocks_[current_].data.get() + blocks_[current_].used;
    blocks_[current_].used += size;
    return room;
  }

 private:
  struct Block {
    std::unique_ptr<char[]> data;
    std::size_t size;
    std::size_t used;
  };
  void NewBlock(std::size_t size) {
    const std::size_t room = size > kBlockSize ? size : kBlockSize;
    blocks_.push_back(Block{std::unique_ptr<char[]>(new char[room]), room, 0});
  }
  static const std::size_t kBlockSize = 1 << 16;
  std::vector<Block> blocks_;
  std::size_t current_ = 0;
};

ExpansionStack& Expansions() {
  static ExpansionStack* stack = new ExpansionStack();
  return *stack;
}

// Appends the decimal digits of n.
char* PutNumber(char* out, int n) {
  char digits[12];
  int k = 0;
  do {
    digits[k++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n > 0);
  while (k > 0) *out++ = digits[--k];
  return out;
}

// The list form "@S" for a node of `count` children: "^x$1" and, for each
// further child i, "{$i=S$x$i}".  A list without children prints nothing:
// "$1" would name a child that is not there (an empty pseudo-text of a
// COPY REPLACING phrase is such a list).
const char* ExpandListForm(const char* separator, int count) {
  if (count == 0) return "";
  const std::size_t sepLength = std::strlen(separator);
  const std::size_t each = 2 + 6 + 1 + sepLength + 3 + 6 + 1;
  char* text = Expansions().Take(5 + static_cast<std::size_t>(count > 1 ? count - 1 : 0) * each);
  char* out = text;
  std::memcpy(out, "^x$1", 4);
  out += 4;
  for (int i = 2; i <= count; ++i) {
    *out++ = '{';
    *out++ = '$';
    out = PutNumber(out, i);
    *out++ = '=';
    std::memcpy(out, separator, sepLength);
    out += sepLength;
    *out++ = '$';
    *out++ = 'x';
    *out++ = '$';
    out = PutNumber(out, i);
    *out++ = '}';
  }
  *out = '\0';
  return text;
}

const OrvTokenList* SlotTokens(const OrvExpr* node, int index) {
  const OrvArgSlot* slot = node->SlotAt(index);
  return slot != nullptr ? &slot->tokens : nullptr;
}

class Interp {
 public:
  Interp(OrvExpr* node, int measure, int forceBreak, int printSlotTokens)
      : node_(node),
        measure_(measure != 0),
        forceBreak_(forceBreak != 0),
        psl_(printSlotTokens != 0 && measure == 0),
        state_(node->FromSrc()),
        argCount_(node->NArgs()) {}

  OrvResult Run(const char* templ);

 private:
  // --- the constructs, one routine each ------------------------------
  OrvResult Dispatch();
  OrvResult Dollar();
  OrvResult Child(int index, bool inConditional);
  OrvResult OpenConditional();
  OrvResult SkipAbsentBranch();
  OrvResult ColonOrClose(char c);
  OrvResult Separator(char c);
  OrvResult LineBreak(char c);
  OrvResult Register();
  OrvResult PadTo(int column);
  OrvResult TabStop();
  OrvResult Escape();
  OrvResult Tail();
  void Literal(unsigned char c, const char* warning);

  // --- helpers --------------------------------------------------------
  void Start();
  OrvResult PrintTokens(const OrvTokenList* tokens, int* commentPrinted);
  OrvResult PrintTailTokens();
  OrvResult RecordSubdivision();
  void SetWidth();
  OrvResult Finish();
  int NextWidth() const {
    const int next = counter_ + 1;
    return widths_ != nullptr && next < widthCount_ ? widths_[next] : 0;
  }
  void Put(int c) { PutIndented(c, state_, measure_); }
  OrvResult Fail(int level, const VString& text, OrvResult result) {
    AddPError(node_, level, text);
    return result;
  }
  void TraceLevel(const char* what) {
    if (OrvPrint.trace_flags & ORV_PTRACE_PRINT) std::cout << what << OrvPrint.gen_xstart << "\n";
  }

  OrvExpr* node_;
  const bool measure_;
  const bool forceBreak_;
  const bool psl_;
  const int state_;
  const int argCount_;

  const char* p_ = nullptr;  // the byte being interpreted
  int startColumn_ = 0;
  int startLevel_ = 0;
  bool noBreak_ = false;
  bool brk_ = false;
  bool askBelow_ = false;
  bool lineBreakSeen_ = false;
  bool inConditional_ = false;
  bool skipSeparator_ = false;
  bool tailPrinted_ = false;
  int counter_ = 0;        // separators passed
  int segmentStart_ = 0;   // measure pass: column where the subdivision began
  int sdMark_ = 0;         // measure pass: this node's widths on the stack
  const std::int16_t* widths_ = nullptr;  // print pass: the recorded widths
  int widthCount_ = 0;
};

OrvResult Interp::Run(const char* templ) {
  startColumn_ = OrvPrint.gen_xpos;
  startLevel_ = OrvPrint.gen_xstart;
  segmentStart_ = startColumn_;
  if (*templ == kNoBreak) {
    ++templ;
    noBreak_ = true;
  }
  const ExpansionStack::Mark mark = Expansions().Top();
  if (*templ == kListForm) templ = ExpandListForm(templ + 1, argCount_);
  if (measure_) sdMark_ = OrvSdMark();
  Start();
  OrvResult result = ORV_OK;
  if (psl_) {
    // The comments in front of the node's first part, or, for a node with
    // nothing in its slots, those of its tail.
    bool anything = false;
    for (int i = 0; i < argCount_ && !anything; ++i) {
      const OrvTokenList* tokens = SlotTokens(node_, i);
      const OrvExpr* child = node_->ChildAt(i);
      anything = (tokens != nullptr && !tokens->IsEmpty()) || (child != nullptr && !child->IsNullNode());
    }
    result = anything ? PrintTokens(SlotTokens(node_, 0), nullptr) : PrintTailTokens();
  }
  if (OrvPrint.trace_flags & ORV_PTRACE_PRINT)
    std::cout << "-->PrettyProcess()-->:" << " op=" << OrvOperName(node_->Oper()) << " p_s_l=" << psl_
              << " g_xpos=" << OrvPrint.gen_xpos << " g_xs=" << OrvPrint.gen_xstart << " no_brk=" << noBreak_
              << " brk=" << brk_ << " ask_blw=" << askBelow_ << " cg=" << OrvEscapedTemplate(templ) << "\n";
  for (p_ = templ; result == ORV_OK && *p_ != '\0'; ++p_) result = Dispatch();
  if (result == ORV_OK) result = Finish();
  Expansions().Release(mark);
  return result;
}

// Step 3 of a call: in the print pass, whether this node breaks its
// separators (brk) and whether even its first piece must break (ask_blw).
void Interp::Start() {
  if (measure_) return;
  int count = 0;
  widths_ = OrvSdOf(node_, count);
  widthCount_ = count;
  if (noBreak_) return;
  const int margin = OrvPrint.right_margin;
  const int base = OrvPrint.gen_xpos > 0 ? OrvPrint.gen_xpos : IndentColumn(OrvPrint.gen_xstart);
  const int width = node_->PrintValue();
  const int first = widthCount_ > 0 ? widths_[0] : 0;
  const int deeper = IndentColumn(OrvPrint.gen_xstart + 1);
  if (forceBreak_) {
    brk_ = true;
    askBelow_ = base + first >= margin;
  } else if (base + width >= margin && deeper + width >= margin) {
    brk_ = true;
    askBelow_ = deeper + first >= margin;
  }
}

OrvResult Interp::Dispatch() {
  const unsigned char c = static_cast<unsigned char>(*p_);
  switch (c) {
    case '$':
      return Dollar();
    case '{':
      return OpenConditional();
    case ':':
    case '}':
      return ColonOrClose(static_cast<char>(c));
    case kSepDeeper:
    case kSepSame:
    case kSepIfNeeded:
    case kSepSilent:
      return Separator(static_cast<char>(c));
    case kSkipSep:
      skipSeparator_ = true;
      return ORV_OK;
    case kLineBreak:
    case kLevelBack:
      return LineBreak(static_cast<char>(c));
    case kIndent:
    case kOutdent:
      if (!measure_) {
        OrvPrint.gen_xstart += c == kIndent ? 1 : -1;
        TraceLevel(c == kIndent ? "==++Gen_Xstart: " : "==--Gen_Xstart: ");
      }
      return ORV_OK;
    case kSwallow:
      if (!measure_) OrvPrint.swallow = 1;
      return ORV_OK;
    case '^':
      return Register();
    case '\\':
      return Escape();
    case '[':
      return Tail();
    default:
      Literal(c, "OrvExprOper::print: non-printable character %d");
      return ORV_OK;
  }
}

void Interp::Literal(unsigned char c, const char* warning) {
  if (!Printable(c)) AddPError(node_, MSG_WARN, OrvFormat(warning, c));
  Put(c);
}

OrvResult Interp::PrintTokens(const OrvTokenList* tokens, int* commentPrinted) {
  if (tokens == nullptr || tokens->IsEmpty()) return ORV_OK;
  return SrcPrintText(*tokens, 0, commentPrinted);
}

OrvResult Interp::PrintTailTokens() {
  tailPrinted_ = true;
  return PrintTokens(&node_->Tokens(), nullptr);
}

// "$": a child, "$x" (pad to register x) or "$pN" (pad to tab stop N).
OrvResult Interp::Dollar() {
  const char next = p_[1];
  if (next >= '0' && next <= '9') {
    int index = 0;
    OrvResult result = GetArgNo(index, p_, argCount_, node_);
    if (result != ORV_OK) return result;
    return Child(index, inConditional_);
  }
  if (next == 'x') {
    ++p_;
    if (measure_) return ORV_OK;
    const int column = static_cast<OrvExprOper*>(node_)->XReg();
    if (column >= OrvPrint.right_margin)
      return Fail(MSG_ERR, OrvFormat("PrettyPrint: command $x: cannot position to column %d", column),
                  ORV_PRINT_NO_TEMPLATE);
    return PadTo(column);
  }
  if (next == 'p') {
    ++p_;
    return TabStop();
  }
  return Fail(MSG_ERR, OrvFormat("PrettyPrint: bad arg: $%c", next), ORV_PRINT_NO_TEMPLATE);
}

// Rule 1: a child named outside a conditional (or inside one whose child
// is present): its print operation, the first child forced to break when
// even the node's first piece does not fit.
OrvResult Interp::Child(int index, bool inConditional) {
  if (psl_ && !inConditional && index > 0) {
    AddPError(node_, MSG_ERR, OrvFormat("PrettyPrint: $%d: this arg must be enclosed in {...}", index + 1));
    OrvResult result = PrintTokens(SlotTokens(node_, index), nullptr);
    if (result != ORV_OK) return result;
  }
  OrvExpr* child = node_->ChildAt(index);
  if (child == nullptr) return ORV_OK;
  return child->PrettyPrintOper(measure_ ? 1 : 0, askBelow_ && index == 0 ? 1 : 0);
}

// Rule 2: "{$N?A}", "{$N?A:B}", "{$N=A}", "{$N=A:B}".
OrvResult Interp::OpenConditional() {
  if (inConditional_)
    return Fail(MSG_ERR, VString("PrettyPrint: conditional expression max depth is 1"), ORV_PRINT_BAD_TEMPLATE);
  ++p_;
  if (*p_ != '$') return Fail(MSG_ERR, VString("PrettyPrint: '$' expected after '{'"), ORV_PRINT_BAD_COMMAND);
  int index = 0;
  OrvResult result = GetArgNo(index, p_, argCount_, node_);
  if (result != ORV_OK) return result;
  OrvExpr* child = node_->ChildAt(index);
  if (child != nullptr && child->IsNullNode() && OrvCurrentPrinter->update_genp) {
    // An absent child records where its text would have stood.
    const std::uint32_t at = static_cast<std::uint32_t>(OrvPrint.char_count) & ORV_GENP_NONE;
    child->SetGenp(at | (static_cast<std::uint32_t>(OrvPrint.gen_xpos & 0xff) << 24),
                   at | (static_cast<std::uint32_t>(OrvPrint.gen_xstart & 0xff) << 24));
  }
  ++p_;
  const char kind = *p_;
  if (kind != '?' && kind != '=')
    return Fail(MSG_ERR, VString("PrettyPrint: '?' expected after $arg"), ORV_PRINT_BAD_TEMPLATE);
  inConditional_ = true;
  const bool present = child != nullptr && !child->IsNullNode();
  if (present) {
    if (psl_ && index > 0) {
      int commentPrinted = 0;
      result = PrintTokens(SlotTokens(node_, index), &commentPrinted);
      if (result != ORV_OK) return result;
      // The comment ended the line: the line break or deeper break that
      // would follow is not wanted.  A skipped separator still counts.
      if (commentPrinted && (p_[1] == kLineBreak || p_[1] == kSepDeeper)) {
        ++p_;
        if (*p_ == kSepDeeper) {
          ++counter_;
        } else {
          askBelow_ = false;
          OrvPrint.gen_xstart = startLevel_;
        }
      }
    }
    return ORV_OK;
  }
  if (kind == '=') AddPError(node_, MSG_WARN, OrvFormat("PrettyPrint: arg #%d must not be NULL", index));
  // The comments in front of an absent child are printed all the same.
  if (psl_ && index > 0) {
    result = PrintTokens(SlotTokens(node_, index), nullptr);
    if (result != ORV_OK) return result;
  }
  return SkipAbsentBranch();
}

// Skips the text of an absent child's branch up to ":" (the other branch
// follows) or "}" (the conditional ends).
OrvResult Interp::SkipAbsentBranch() {
  for (++p_; *p_ != '\0'; ++p_) {
    if (*p_ == '}') {
      inConditional_ = false;
      return ORV_OK;
    }
    if (*p_ == ':') return ORV_OK;
  }
  --p_;
  return Fail(MSG_ERR, VString("PrettyPrint: conditional expression not closed with '}'"), ORV_PRINT_BAD_TEMPLATE);
}

// Rules 3 and 4: ":" ends the first branch (the second is skipped), "}"
// ends the conditional.
OrvResult Interp::ColonOrClose(char c) {
  if (!inConditional_) {
    return Fail(MSG_ERR,
                VString(c == ':' ? "PrettyPrint: ':' not in conditional expression"
                                 : "PrettyPrint: '}' have no conditional expression to close"),
                ORV_PRINT_BAD_TEMPLATE);
  }
  if (c == ':') {
    while (p_[1] != '\0' && p_[1] != '}') ++p_;
    if (p_[1] == '\0')
      return Fail(MSG_ERR, VString("PrettyPrint: conditional expression not closed with '}'"),
                  ORV_PRINT_BAD_TEMPLATE);
    ++p_;
  }
  inConditional_ = false;
  return ORV_OK;
}

// Measure pass: closes the subdivision that ends here.
OrvResult Interp::RecordSubdivision() {
  if (OrvSdMark() - sdMark_ >= ORV_MAX_SUBDIVISIONS)
    return Fail(MSG_ERR, VString("OrvExprOper::print: too many subdivisions"), ORV_PRINT_TOO_MANY_SUBDIVISIONS);
  OrvSdPush(OrvPrint.gen_xpos - segmentStart_);
  return ORV_OK;
}

// Rule 5: the separators.
OrvResult Interp::Separator(char c) {
  if (skipSeparator_) {
    skipSeparator_ = false;
    return ORV_OK;
  }
  if (measure_) {
    if (lineBreakSeen_) {
      AddPError(node_, MSG_ERR, VString("PrettyPrint: non-'\\n' separators after '\\n'"));
      if (c != kSepSilent) Put(' ');
      return ORV_OK;
    }
    OrvResult result = RecordSubdivision();
    if (result != ORV_OK) return result;
    if (c != kSepSilent) Put(' ');
    segmentStart_ = OrvPrint.gen_xpos;
    ++counter_;
    return ORV_OK;
  }
  const int margin = OrvPrint.right_margin;
  const int x = OrvPrint.gen_xpos;
  const int next = NextWidth();
  if (c == kSepSilent) {
    // nothing
  } else if ((c == kSepDeeper || c == kSepSame) && x > 0 && (brk_ || x + next >= margin)) {
    Put('\n');
    OrvPrint.gen_xstart = startLevel_ + (c == kSepDeeper ? 1 : 0);
    TraceLevel("==x=Gen_Xstart: ");
  } else if (c == kSepIfNeeded && x > 0 && x + next >= margin) {
    Put('\n');
  } else {
    Put(' ');
  }
  ++counter_;
  return ORV_OK;
}

// Rule 6: a line break, or (inside the template) a return to the node's
// level without output.
OrvResult Interp::LineBreak(char c) {
  if (measure_ && !lineBreakSeen_) {
    OrvResult result = RecordSubdivision();
    if (result != ORV_OK) return result;
    SetWidth();
    lineBreakSeen_ = true;
  }
  askBelow_ = false;
  if (!measure_) {
    if (c == kLineBreak) Put('\n');
    OrvPrint.gen_xstart = startLevel_;
    TraceLevel("==\\rGen_Xstart: ");
  }
  return ORV_OK;
}

// Rule 8: "^x" saves the column in the node's register x.
OrvResult Interp::Register() {
  const char letter = p_[1];
  if (letter == '\0') return ORV_OK;
  ++p_;
  if (measure_) return ORV_OK;
  if (letter != 'x')
    return Fail(MSG_ERR, OrvFormat("PrettyPrint: command ^: unknown register '%c'", letter),
                ORV_PRINT_BAD_COMMAND);
  static_cast<OrvExprOper*>(node_)->SetXReg(OrvPrint.gen_xpos);
  return ORV_OK;
}

OrvResult Interp::PadTo(int column) {
  while (OrvPrint.gen_xpos < column) Put(' ');
  return ORV_OK;
}

// Rule 10: "$pN" pads to tab stop N.
OrvResult Interp::TabStop() {
  const OrvIntList& tabs = OrvCurrentPrinter->gen_tabs;
  const char digit = p_[1];
  if (digit < '1' || digit - '0' > tabs.count)
    return Fail(MSG_ERR, OrvFormat("PrettyPrint: command $pN: bad number: %s", p_ + 1), ORV_PRINT_BAD_ARG);
  ++p_;
  if (measure_) return ORV_OK;
  const int column = tabs.items[digit - '1'] - 1;
  if (column >= OrvPrint.right_margin)
    return Fail(MSG_ERR, OrvFormat("PrettyPrint: command $p: cannot position to column %d", column),
                ORV_PRINT_NO_TEMPLATE);
  return PadTo(column);
}

// "\c": the byte c itself.
OrvResult Interp::Escape() {
  if (p_[1] == '\0') return ORV_OK;
  ++p_;
  Literal(static_cast<unsigned char>(*p_), "OrvPrettyPrintOper: non-printable character %d");
  return ORV_OK;
}

// Rule 12: "[T]" at the template's end: the tail's comments, then T.  A
// node without children has printed its tail's comments at its start
// already: they are not printed twice.
OrvResult Interp::Tail() {
  if (psl_ && !tailPrinted_) {
    OrvResult result = PrintTailTokens();
    if (result != ORV_OK) return result;
  }
  for (++p_; *p_ != ']'; ++p_) {
    if (*p_ == '\0') {
      --p_;
      return Fail(MSG_ERR, VString("PrettyPrint: tail text not closed with ']'"), ORV_PRINT_BAD_TEMPLATE);
    }
    Put(static_cast<unsigned char>(*p_));
  }
  if (p_[1] != '\0') return Fail(MSG_ERR, VString("PrettyPrint: text follows after tail"), ORV_PRINT_BAD_TEMPLATE);
  return ORV_OK;
}

// The measured width of the node: from its start to its first line break
// (or its end), at most what the node's width field holds.
void Interp::SetWidth() {
  int width = OrvPrint.gen_xpos - startColumn_;
  if (width > ORV_MAX_NODE_WIDTH) width = ORV_MAX_NODE_WIDTH;
  node_->SetPrintValue(width < 0 ? 0 : width);
}

OrvResult Interp::Finish() {
  if (measure_) {
    if (!lineBreakSeen_) {
      OrvResult result = RecordSubdivision();
      if (result != ORV_OK) return result;
      SetWidth();
    }
    OrvSdStore(node_, sdMark_);
  } else if (psl_ && !tailPrinted_) {
    // Comments of the tail that no "[" printed are not lost.
    OrvResult result = PrintTailTokens();
    if (result != ORV_OK) return result;
  }
  OrvPrint.gen_xstart = startLevel_;
  if (!measure_) TraceLevel("==ExGen_Xstart: ");
  return ORV_OK;
}

}  // namespace

std::string OrvEscapedTemplate(const char* templ) {
  std::string out;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(templ); *p; ++p) {
    switch (*p) {
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      default:
        if (Printable(*p)) {
          out += static_cast<char>(*p);
        } else {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02x", *p);
          out += buf;
        }
    }
  }
  return out;
}

OrvResult GetArgNo(int& index, const char*& cursor, int argCount, const OrvExpr* node) {
  long n = 0;
  while (cursor[1] >= '0' && cursor[1] <= '9') {
    ++cursor;
    if (n <= 99999) n = n * 10 + (*cursor - '0');
  }
  const int shown = static_cast<int>(n);
  if (n < 1 || n > 9999) {
    AddPError(node, MSG_ERR, OrvFormat("GetArgNo: illegal argument: $%d", shown));
    return ORV_PRINT_BAD_ARG;
  }
  if (n - 1 >= argCount) {
    AddPError(node, MSG_ERR, OrvFormat("GetArgNo: argument number out of range: $%d", shown));
    return ORV_PRINT_BAD_ARG;
  }
  index = static_cast<int>(n - 1);
  return ORV_OK;
}

OrvResult PrettyPrint(OrvExpr* node, const char* templ, int measure, int forceBreak, int printSlotTokens) {
  Interp interp(node, measure, forceBreak, printSlotTokens);
  return interp.Run(templ);
}
