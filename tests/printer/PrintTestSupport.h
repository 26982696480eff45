// Helpers of the printer tests: leaves and nodes built by hand, a printer
// whose primary table gives one operation a template under test, and a
// print into a string with its result and messages.
#ifndef LARK_TESTS_PRINTER_PRINTTESTSUPPORT_H
#define LARK_TESTS_PRINTER_PRINTTESTSUPPORT_H

#include <initializer_list>
#include <string>
#include <vector>

#include "OrvConstNodes.h"
#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvOperCGentry.h"
#include "OrvPrettyPrinter.h"
#include "OrvToken.h"
#include "TestStrings.h"

namespace print_test {

// A leaf that prints its text.
inline OrvExpr* Leaf(const std::string& text) { return new OrvCharString(VString(text.c_str())); }

// A node of the operation over the children in slot order: a list takes
// them all, a positional operation its own number of slots, the slots past
// the children left empty.
inline OrvExpr* Node(int op, std::initializer_list<OrvExpr*> children) {
  std::vector<OrvExpr*> kids(children);
  if (OrvOperIsList(op)) return new OrvExprOper(static_cast<OrvOper>(op), kids.data(), static_cast<int>(kids.size()));
  OrvExpr* node = new OrvExprOper(static_cast<OrvOper>(op));
  for (int i = 0; i < static_cast<int>(kids.size()) && i < node->NArgs(); ++i) node->SetArg(i, kids[i]);
  return node;
}

// A printer whose template of `op` is `templ` (its primary table names only
// that operation; every other code keeps its default rows).
struct TemplatePrinter {
  TemplatePrinter(int op, const char* templ)
      : rows{CGentry(op, nullptr, templ), CGentry(0, nullptr, nullptr)} {
    printer.primary_table = rows;
  }
  TemplatePrinter(const TemplatePrinter&) = delete;
  TemplatePrinter& operator=(const TemplatePrinter&) = delete;
  CGentry rows[2];
  OrvPrettyPrinterImpl printer;
};

// What a print gave: the text, the result, and the messages of its list
// (their texts and levels).
struct Printed {
  std::string text;
  int result = -1;
  std::vector<std::string> messages;
  std::vector<int> levels;
};

inline void TakeMessages(const OrvTokenList& list, Printed& p) {
  for (const OrvTokenListNode* e = list.Head(); e != nullptr; e = e->next) {
    p.messages.push_back(Str(e->token->image));
    p.levels.push_back(e->token->code);
  }
}

// PrintString of the tree.
inline Printed PrintToString(OrvPrettyPrinterImpl& printer, OrvExpr* tree) {
  Printed p;
  OrvTokenList messages;
  VString out;
  p.result = printer.PrintString(out, tree, &messages);
  p.text = Str(out);
  TakeMessages(messages, p);
  return p;
}

// Whether some message ends with the text (the message of a node begins
// with its position and operation NAME).
inline bool HasMessageEnding(const Printed& p, const std::string& text) {
  for (const std::string& m : p.messages)
    if (m.size() >= text.size() && m.compare(m.size() - text.size(), text.size(), text) == 0) return true;
  return false;
}

// The first node of the operation in a walk of the tree (a node before its
// children, slots in order), or null.
inline OrvExpr* FindFirst(OrvExpr* node, int op) {
  if (node == nullptr) return nullptr;
  if (node->Oper() == op) return node;
  for (int i = 0; i < node->NArgs(); ++i)
    if (OrvExpr* found = FindFirst(node->Args(i), op)) return found;
  return nullptr;
}

// COPY markers as the parser makes them: a begin marker with the name as
// written, no REPLACING, the real file name and the nesting level; an end
// marker with the real file name and the level of its begin marker.
inline OrvExpr* BeginMarker(const std::string& written, const std::string& realName, int level) {
  return Node(STMT_INLINED_COPY_BEG, {Leaf(written), nullptr, Leaf(realName),
                                      new OrvIntNumConst(VString(std::to_string(level).c_str()), level)});
}
inline OrvExpr* EndMarker(const std::string& realName, int level) {
  return Node(STMT_INLINED_COPY_END,
              {Leaf(realName), new OrvIntNumConst(VString(std::to_string(level).c_str()), level)});
}

// A comment token with the text, as the lexer makes one for a comment line.
inline OrvToken* Comment(const std::string& text) {
  return new OrvToken(CM_COMMENT, VString(text.c_str()), OrvTxtPosn(), OrvTxtPosn());
}

}  // namespace print_test

#endif
