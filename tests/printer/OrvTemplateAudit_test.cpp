// The audit of the catalogue's print templates: every template read
// mechanically against the rules its text must keep, and a node of every
// operation printed with stand-in leaves in its slots and with empty ones.
//
// The rules of a positional operation's template (slots counted from 1 as
// the template counts them):
//  - every slot that holds source text is printed exactly once, and no
//    slot that analysis fills (a computed slot) is printed or tested (a
//    program's symbol table need not be printed);
//  - a slot after the first is printed only inside a conditional "{$N...}",
//    and a conditional prints no other slot than the one it tests;
//  - conditionals do not nest, and "\t" and "\b" balance inside each of
//    their branches;
//  - no separator follows the template's first line break (byte 10 or 13
//    after the leading one), where the interpreter could not measure it.
// A list's template is the list form "@S" (after an optional byte 13), and
// S can break the line: it holds a line break or a breaking separator.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvOper.h"
#include "PrintTestSupport.h"

namespace {

using print_test::Leaf;
using print_test::Printed;
using print_test::PrintToString;

// Codes whose catalogue rows the audit reads: 1..1395 and 1400.
std::vector<int> PrintedCodes() {
  std::vector<int> codes;
  for (int code = 1; code <= 1395; ++code) codes.push_back(code);
  codes.push_back(1400);
  return codes;
}

// Templates that keep out of a rule on purpose.
// DECL_DD_HIDDEN stands for declarations that analysis adds (the CICS
// blocks): it is not in the source and prints nothing.
const std::set<int> kPrintsNoSlot = {DECL_DD_HIDDEN};
// Lists whose items stand joined on one line: the words of an EXEC line
// as they were written, and the parts of a qualified host variable.
const std::set<int> kUnbrokenLists = {EX_EXEC_TOKEN_LIST, SQL_VAR_NAME_LIST};

// A program's symbol table is built by the parser and prints nothing,
// although its slot is not marked computed.
bool HoldsSymbolTable(int code, int slot) { return Str(OrvOperArgName(code, slot - 1)) == "Symbol Table"; }

bool IsSeparator(char c) { return c == '|' || c == '&' || c == '%' || c == '!'; }

// The faults of a positional operation's template.
std::vector<std::string> AuditPositional(int code, const std::string& t) {
  std::vector<std::string> faults;
  const int arity = OrvOperArgNo(code);
  std::vector<int> printed(static_cast<size_t>(arity) + 1, 0);
  bool inConditional = false, seenBreak = false, skipSeparator = false;
  int tested = 0, balance = 0;
  auto fault = [&](const std::string& what) { faults.push_back(what); };
  size_t i = !t.empty() && t[0] == '\r' ? 1 : 0;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '\\') {
      ++i;
    } else if (c == '[') {
      break;  // the tail text: printed as it stands
    } else if (c == '{') {
      if (inConditional) fault("nested conditional");
      inConditional = true;
      balance = 0;
      size_t at = i + 2;
      tested = 0;
      while (at < t.size() && std::isdigit(static_cast<unsigned char>(t[at]))) tested = tested * 10 + (t[at++] - '0');
      if (t.compare(i + 1, 1, "$") != 0 || tested == 0 || at >= t.size() || (t[at] != '?' && t[at] != '='))
        fault("malformed conditional");
      if (tested >= 1 && tested <= arity && OrvOperArgIsComputed(code, tested - 1))
        fault("tests computed slot " + std::to_string(tested));
      i = at;
    } else if (c == ':' && inConditional) {
      if (balance != 0) fault("\\t and \\b unbalanced in a conditional");
      balance = 0;
    } else if (c == '}') {
      if (balance != 0) fault("\\t and \\b unbalanced in a conditional");
      inConditional = false;
    } else if (c == '\t') {
      ++balance;
    } else if (c == '\b') {
      --balance;
    } else if (c == '$') {
      const char next = i + 1 < t.size() ? t[i + 1] : '\0';
      if (next == 'x') {
        ++i;
      } else if (next == 'p') {
        i += 2;
      } else {
        int slot = 0;
        while (i + 1 < t.size() && std::isdigit(static_cast<unsigned char>(t[i + 1]))) slot = slot * 10 + (t[++i] - '0');
        if (slot < 1 || slot > arity) {
          fault("slot $" + std::to_string(slot) + " out of range");
          continue;
        }
        ++printed[static_cast<size_t>(slot)];
        if (OrvOperArgIsComputed(code, slot - 1)) fault("prints computed slot " + std::to_string(slot));
        if (slot > 1 && !inConditional) fault("slot " + std::to_string(slot) + " outside a conditional");
        if (inConditional && slot != tested)
          fault("conditional on $" + std::to_string(tested) + " prints $" + std::to_string(slot));
      }
    } else if (c == '~') {
      skipSeparator = true;
    } else if (IsSeparator(c)) {
      if (skipSeparator)
        skipSeparator = false;
      else if (seenBreak)
        fault("separator after a line break");
    } else if (c == '\n' || c == '\r') {
      seenBreak = true;
    }
  }
  if (inConditional) fault("conditional not closed");
  if (kPrintsNoSlot.count(code) != 0) return faults;
  for (int slot = 1; slot <= arity; ++slot) {
    const bool computed = OrvOperArgIsComputed(code, slot - 1) != 0 || HoldsSymbolTable(code, slot);
    if (!computed && printed[static_cast<size_t>(slot)] != 1)
      fault("slot " + std::to_string(slot) + " printed " + std::to_string(printed[static_cast<size_t>(slot)]) +
            " times");
  }
  return faults;
}

// The faults of a list's template.
std::vector<std::string> AuditList(int code, const std::string& t) {
  if (t.empty()) return {};
  const size_t start = t[0] == '\r' ? 1 : 0;
  if (t.compare(start, 1, "@") != 0) return {"list template without '@'"};
  if (kUnbrokenLists.count(code) != 0) return {};
  const std::string separator = t.substr(start + 1);
  for (char c : separator)
    if (c == '\n' || c == '|' || c == '&' || c == '%') return {};
  return {"list separator cannot break a line"};
}

TEST(TemplateAudit, EveryTemplateKeepsTheRules) {
  for (int code : PrintedCodes()) {
    const std::string t = OrvOperTemplate(code);
    const std::vector<std::string> faults =
        OrvOperIsList(code) ? AuditList(code, t) : AuditPositional(code, t);
    for (const std::string& f : faults) ADD_FAILURE() << OrvOperName(code) << " \"" << t << "\": " << f;
  }
}

// The audit itself finds the faults it is for.
TEST(TemplateAudit, AuditFindsBrokenTemplates) {
  struct Broken {
    int code;
    const char* templ;
    const char* fault;
  };
  const Broken cases[] = {
      {STMT_MOVE, "MOVE $1", "slot 2 printed 0 times"},
      {STMT_MOVE, "MOVE $1{$2?|TO $2} $2", "slot 2 outside a conditional"},
      {STMT_MOVE, "MOVE $1{$2?|TO $1}", "conditional on $2 prints $1"},
      {STMT_MOVE, "MOVE $1{$2?{$2?|TO $2}}", "nested conditional"},
      {STMT_MOVE, "MOVE $1{$2?\t|TO $2}", "\\t and \\b unbalanced in a conditional"},
      {STMT_MOVE, "MOVE $1\n{$2?|TO $2}", "separator after a line break"},
      {DX_OCCURS, "OCCURS $1{$2?|$2}{$3?|$3}{$4?|$4}{$5?|$5}{$6?|$6}", "prints computed slot 5"},
  };
  for (const Broken& b : cases) {
    SCOPED_TRACE(b.templ);
    const std::vector<std::string> faults = AuditPositional(b.code, b.templ);
    EXPECT_NE(std::find(faults.begin(), faults.end(), b.fault), faults.end());
  }
  EXPECT_EQ(AuditList(IDENT_LIST, "@ "), std::vector<std::string>{"list separator cannot break a line"});
  EXPECT_EQ(AuditList(IDENT_LIST, "$1 $2"), std::vector<std::string>{"list template without '@'"});
}

// A node of the code with a stand-in leaf in every slot (three items for a
// list), or with every slot NULL_NODE.
OrvExpr* StandIn(int code, bool empty) {
  if (OrvOperIsList(code)) {
    std::vector<OrvExpr*> items;
    for (int i = 0; i < 3; ++i)
      items.push_back(empty ? static_cast<OrvExpr*>(new OrvNullNode()) : Leaf("L" + std::to_string(i + 1)));
    return new OrvExprOper(static_cast<OrvOper>(code), items.data(), static_cast<int>(items.size()));
  }
  OrvExpr* node = new OrvExprOper(static_cast<OrvOper>(code));
  for (int i = 0; i < node->NArgs(); ++i)
    node->SetArg(i, empty ? static_cast<OrvExpr*>(new OrvNullNode()) : Leaf("S" + std::to_string(i + 1)));
  return node;
}

TEST(TemplateAudit, EveryOperationPrintsWithLeavesInItsSlots) {
  MessageRecorder recorder;
  OrvPrettyPrinterImpl printer;
  for (int code : PrintedCodes()) {
    std::unique_ptr<OrvExpr> node(StandIn(code, false));
    const Printed out = PrintToString(printer, node.get());
    EXPECT_EQ(out.result, 0) << OrvOperName(code);
    for (const std::string& m : out.messages) ADD_FAILURE() << OrvOperName(code) << ": " << m;
  }
}

TEST(TemplateAudit, EveryOperationPrintsWithEmptySlotsWarningOnlyOfRequiredOnes) {
  MessageRecorder recorder;
  OrvPrettyPrinterImpl printer;
  for (int code : PrintedCodes()) {
    std::unique_ptr<OrvExpr> node(StandIn(code, true));
    const Printed out = PrintToString(printer, node.get());
    EXPECT_EQ(out.result, 0) << OrvOperName(code);
    for (const std::string& m : out.messages)
      if (m.find("PrettyPrint: arg #") == std::string::npos || m.find(" must not be NULL") == std::string::npos)
        ADD_FAILURE() << OrvOperName(code) << ": " << m;
  }
}

}  // namespace
