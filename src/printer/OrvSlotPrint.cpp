// SourcePrint output of operation nodes: the slots in source order, their
// tokens copied, their children printed by themselves or regenerated from
// the slot's excerpt of the template.
//
// Every node of a SourcePrint passes through here, so the slot order is
// kept on one stack of entries that the recursion shares, and the excerpt
// of a slot is a view into its template: no text is built unless a child
// is regenerated.
#include "OrvSlotPrint.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "OrvExpr.h"
#include "OrvGenTable.h"
#include "OrvMessage.h"
#include "OrvNodePrint.h"
#include "OrvOper.h"
#include "OrvPrettyPrinter.h"
#include "OrvPrintMessages.h"
#include "OrvPrintOutput.h"
#include "OrvPrintResult.h"
#include "OrvSourcePrintPrep.h"
#include "OrvSrcPrintText.h"
#include "OrvTemplateInterp.h"

namespace {

// Template bytes that the excerpt of a slot copied from the source is
// scanned for: the indentation they change stays right for regenerated
// text further in.
const char kIndent = '\t';
const char kOutdent = '\b';
const char kListForm = '@';

// The excerpt of a slot as a view into its template.  For an element after
// the first of a list, the view is the list's whole template, which stands
// without its "@" in front of the element's own "$N".
struct Excerpt {
  const char* text = "";
  int length = 0;
  int listElement = -1;  // the element's index, for a list's later element
  // The indentation that the template opens in front of the excerpt (its
  // tabs less its backtabs): a child printed in the slot stands at that
  // level, as it would in a print from the template.
  int prefixLevel = 0;

  // The excerpt as text.
  std::string Text() const {
    if (listElement < 0) return std::string(text, static_cast<std::size_t>(length));
    std::string out;
    for (int i = 0; i < length; ++i)
      if (text[i] != kListForm) out += text[i];
    return out + "$" + std::to_string(listElement + 1);
  }
};

const char kFirstElement[] = "$1";

bool Present(const OrvExpr* child) { return child != nullptr && !child->IsNullNode(); }

bool Traced(int bit) { return (OrvPrint.trace_flags & bit) != 0; }

const char* NameOrNull(const OrvExpr* node, const char* none) {
  return node != nullptr ? OrvOperName(node->Oper()) : none;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of "$" and the digits at `p`.
int NumberLength(const char* p) {
  int n = 1;
  while (IsDigit(p[n])) ++n;
  return n;
}

// The tabs less the backtabs of the template in front of `end`.
int NetLevel(const char* templ, const char* end) {
  int level = 0;
  for (const char* p = templ; p < end && *p != '\0'; ++p) {
    if (*p == kIndent) ++level;
    if (*p == kOutdent) --level;
  }
  return level;
}

// Step 3 of the excerpt of a positional node: the scan of the template for
// the entry's "$N".
OrvResult FindInTemplate(const char* templ, const OrvSlotOrderEntry& e, Excerpt& x, bool& found) {
  found = false;
  OrvExpr* root = e.root;
  for (const char* p = templ; *p != '\0'; ++p) {
    if (*p != '$' || !IsDigit(p[1])) continue;
    const bool afterBrace = p > templ && p[-1] == '{';
    const char* dollar = p;
    int index = 0;
    OrvResult result = GetArgNo(index, p, root->NArgs(), root);
    if (result != ORV_OK) return result;
    if (index == e.arg_ix) {
      found = true;
      const char kind = p[1];
      if (afterBrace && (kind == '?' || kind == '=')) {
        // The branch that prints the slot, up to its ':' or '}'.
        const char* branch = p + 2;
        const char* end = branch;
        while (*end != '\0' && *end != ':' && *end != '}') ++end;
        x.text = branch;
        x.length = static_cast<int>(end - branch);
      } else {
        x.text = dollar;
        x.length = NumberLength(dollar);
      }
      return ORV_OK;
    }
    if (afterBrace) {
      while (p[1] != '\0' && p[1] != '}') ++p;
    }
  }
  return ORV_OK;
}

// The excerpt of the entry as a view.
OrvResult FindExcerpt(const OrvSlotOrderEntry& e, Excerpt& x) {
  x = Excerpt();
  OrvExpr* root = e.root;
  CGentry* row = nullptr;
  OrvResult result = FindCGentry(row, root);
  if (result != ORV_OK) return result;
  const char* templ = row->templ != nullptr ? row->templ : "";
  if (OrvOperIsList(root->Oper())) {
    if (e.arg_ix == 0) {
      x.text = kFirstElement;
      x.length = static_cast<int>(sizeof kFirstElement - 1);
    } else {
      x.text = templ;
      x.length = static_cast<int>(std::strlen(templ));
      x.listElement = e.arg_ix;
    }
  } else {
    bool found = false;
    result = FindInTemplate(templ, e, x, found);
    if (result != ORV_OK) {
      x = Excerpt();
      return result;
    }
    if (found) x.prefixLevel = NetLevel(templ, x.text);
    OrvExpr* child = e.slot != nullptr ? e.slot->child : nullptr;
    if (!found && child != nullptr && child->Oper() != SYMBOL_TABLE_ELT_LIST && root->Oper() != DECL_DD_HIDDEN)
      AddPError(child, MSG_WARN,
                OrvFormat("ComputeCGexcerpt: oper %s: printing arg #%d that is not in the table",
                          OrvOperName(root->Oper()), e.arg_ix + 1));
  }
  if (Traced(ORV_PTRACE_TEMPLATES)) std::cout << "CGexcerpt: '" << OrvEscapedTemplate(x.Text().c_str()) << "'\n";
  return ORV_OK;
}

void ChangeLevel(int by) {
  OrvPrint.gen_xstart += by;
  if (Traced(ORV_PTRACE_PRINT)) std::cout << (by > 0 ? "[]g_xs: ++ to " : "[]g_xs: -- to ") << OrvPrint.gen_xstart << "\n";
}

// A slot copied from the source: its excerpt is not printed but scanned,
// so that the indentation it opens or closes stays right, and the child
// prints itself where the excerpt names it.
OrvResult PrintFromExcerpt(const OrvSlotOrderEntry& e, const Excerpt& x) {
  OrvExpr* child = e.slot->child;
  for (int i = 0; i < x.length; ++i) {
    const char* p = x.text + i;
    if (*p == kIndent) {
      ChangeLevel(1);
    } else if (*p == kOutdent) {
      ChangeLevel(-1);
    } else if (*p == '$' && x.listElement < 0) {
      if (p[1] == 'x') {
        ++i;
      } else if (p[1] == 'p') {
        i += p[2] != '\0' ? 2 : 1;
      } else if (IsDigit(p[1])) {
        int index = 0;
        const char* cursor = p;
        OrvResult result = GetArgNo(index, cursor, e.root->NArgs(), e.root);
        if (result != ORV_OK) return result;
        i += static_cast<int>(cursor - p);
        if (index != e.arg_ix) {
          AddPError(child, MSG_SEVERE, VString("SourcePrint: Wrong arg_no when accounting for tab and backtab"));
          return ORV_PRINT_BAD_ARG;
        }
        result = child->PrettyPrintOper(0, 0);
        if (result != ORV_OK) return result;
      }
    }
  }
  // A later element of a list: its "$N" stands behind the list's template.
  return x.listElement >= 0 ? child->PrettyPrintOper(0, 0) : ORV_OK;
}

// A slot regenerated from its excerpt.  The excerpt is interpreted for the
// node whose template it comes from, so that a later element of a list
// flattened into its parent prints as the list's element, with the list's
// separator.  The first element of such a list stands in the parent's
// excerpt in the place of the whole list: the excerpt is interpreted up to
// the list's "$N", the element prints itself, and the excerpt goes on.
OrvResult Regenerate(const OrvSlotOrderEntry& e, const Excerpt& x) {
  OrvExpr* root = e.root;
  const std::string text = x.Text();
  if (root->SlotAt(e.arg_ix) == e.slot) return PrettyPrint(root, text.c_str(), 0, 0, 0);
  const std::string number = "$" + std::to_string(e.arg_ix + 1);
  std::size_t at = text.find(number);
  while (at != std::string::npos && IsDigit(text[at + number.size()])) at = text.find(number, at + 1);
  if (at == std::string::npos) return PrettyPrint(root, text.c_str(), 0, 0, 0);
  const std::string before = text.substr(0, at);
  const std::string after = text.substr(at + number.size());
  OrvResult result = PrettyPrint(root, before.c_str(), 0, 0, 0);
  if (result == ORV_OK) result = e.slot->child->PrettyPrintOper(0, 0);
  if (result == ORV_OK) result = PrettyPrint(root, after.c_str(), 0, 0, 0);
  return result;
}

// Whether the slot's text comes from the source: its child does, or,
// failing that, all its tokens (comments aside) have their positions.
int SlotSourceState(const OrvArgSlot& slot) {
  if (slot.state == 0) return 0;
  if (Present(slot.child) && CanPrintFromSource(slot.child)) return 1;
  return !slot.tokens.IsEmpty() && !slot.tokens.HasUnpositioned() ? 1 : 0;
}

void TraceOrder(const std::vector<OrvSlotOrderEntry>& entries, std::size_t base, int count) {
  for (int i = 0; i < count; ++i) {
    const OrvSlotOrderEntry& e = entries[base + static_cast<std::size_t>(i)];
    const OrvArgSlot* slot = e.slot;
    std::cout << "**SlotPrint: #" << i << ": " << NameOrNull(slot != nullptr ? slot->child : nullptr, "-NULL-")
              << " from_src=" << (slot != nullptr ? slot->state : 0) << " arg_ix=" << e.arg_ix
              << " root=" << NameOrNull(e.root, "-NULL-") << "\n";
  }
  std::cout << "**\n";
}

void TraceEntry(int i, const OrvSlotOrderEntry& e, int slotSrcP) {
  std::cout << "==SlotPrint: #" << i << ": " << NameOrNull(e.slot->child, "(NULL)") << " slot_src_p=" << slotSrcP
            << " from_src=" << e.slot->state << " arg_ix=" << e.arg_ix << " root=" << NameOrNull(e.root, "(NULL)")
            << " precs=" << e.slot->tokens << "\n";
}

// One slot of the order: its tokens, then its child.
OrvResult PrintSlot(int i, const OrvSlotOrderEntry& e) {
  const OrvArgSlot& slot = *e.slot;
  const int slotSrcP = SlotSourceState(slot);
  if (Traced(ORV_PTRACE_PRINT)) TraceEntry(i, e, slotSrcP);
  OrvResult result = SrcPrintText(slot.tokens, slotSrcP, nullptr);
  if (result != ORV_OK || !Present(slot.child)) return result;
  Excerpt x;
  result = FindExcerpt(e, x);
  if (result != ORV_OK) return result;
  // The level the template gives the slot: a child regenerated inside text
  // copied from the source (a statement renewed in a copied paragraph)
  // stands where a print from the template would put it, not in Area A.
  OrvPrint.gen_xstart += x.prefixLevel;
  result = slotSrcP ? PrintFromExcerpt(e, x) : Regenerate(e, x);
  OrvPrint.gen_xstart -= x.prefixLevel;
  return result;
}

// The entries of the nodes being printed, from the root down: a node's
// entries stand above its caller's while its children print.
std::vector<OrvSlotOrderEntry>& EntryStack() {
  static std::vector<OrvSlotOrderEntry>* stack = new std::vector<OrvSlotOrderEntry>();
  return *stack;
}

}  // namespace

OrvResult SlotPrint(OrvExpr* node) {
  std::vector<OrvSlotOrderEntry>& stack = EntryStack();
  const std::size_t base = stack.size();
  int count = 0;
  VString message;
  if (OrvSourcePrintOrder(node, stack, count, message) != ORV_OK) AddPError(node, MSG_WARN, message);
  if (Traced(ORV_PTRACE_PRINT)) TraceOrder(stack, base, count);
  OrvResult result = ORV_OK;
  // The stack may move while a child prints: entries are copied out.
  for (int i = 0; i < count && result == ORV_OK; ++i) {
    const OrvSlotOrderEntry e = stack[base + static_cast<std::size_t>(i)];
    if (e.slot != nullptr) result = PrintSlot(i, e);
  }
  stack.resize(base);
  if (result != ORV_OK) return result;
  if (Traced(ORV_PTRACE_PRINT)) std::cout << "==SlotPrint: TAIL\n";
  return SrcPrintText(node->Tokens(), 1, nullptr);
}

OrvResult ComputeCGexcerpt(VString& excerpt, const OrvSlotOrderEntry& entry) {
  Excerpt x;
  OrvResult result = FindExcerpt(entry, x);
  const std::string text = x.Text();
  excerpt = VString(text.c_str());
  return result;
}
