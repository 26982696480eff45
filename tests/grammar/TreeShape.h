// The shape of a syntax tree as one line of text, for tests that state the
// tree a statement must give: an operation's name with its children in
// parentheses (in brackets for a list operation), a leaf by its image, a
// name use by its names joined by " OF " and "@" with its category, an
// empty slot as "-", a run of three or more NULL_NODE children as
// "NULL_NODE*<length>".  Tokens are left out; the golden dumps show them.
#ifndef LARK_TESTS_GRAMMAR_TREESHAPE_H
#define LARK_TESTS_GRAMMAR_TREESHAPE_H

#include <string>

#include "OrvExpr.h"
#include "OrvNameNodes.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "TestStrings.h"

namespace tree_shape {

inline std::string Shape(const OrvExpr* node);

// The names of a NAMED_OBJ_USE's qualified name, named item first.
inline std::string UseNames(const OrvExpr* use) {
  const OrvExpr* names = use->NArgs() > NAMED_OBJ_USE__NAMES ? use->Args(NAMED_OBJ_USE__NAMES) : nullptr;
  if (names == nullptr) return "?";
  std::string text;
  for (int i = 0; i < names->NArgs(); ++i) text += (i == 0 ? "" : " OF ") + Shape(names->Args(i));
  return text;
}

inline std::string Shape(const OrvExpr* node) {
  if (node == nullptr) return "-";
  const int op = node->Oper();
  if (op == NAMED_OBJ_USE)
    return UseNames(node) + "@" + std::to_string(static_cast<const OrvNamedObjUse*>(node)->Category());
  if (node->IsNullNode()) return "NULL_NODE";
  if (node->HasImage() && node->Image() != nullptr && op != NAMED_OBJ_DEF) return Str(*node->Image());
  std::string text = OrvOperName(static_cast<OrvOper>(op));
  if (node->NArgs() == 0) return text;
  const bool list = OrvOperIsList(static_cast<OrvOper>(op)) != 0;
  text += list ? "[" : "(";
  for (int i = 0; i < node->NArgs();) {
    // A run of three or more NULL_NODEs is written once with its length.
    int run = 0;
    while (i + run < node->NArgs() && node->Args(i + run) != nullptr && node->Args(i + run)->IsNullNode()) ++run;
    text += i == 0 ? "" : ", ";
    if (run >= 3) {
      text += "NULL_NODE*" + std::to_string(run);
      i += run;
    } else {
      text += Shape(node->Args(i));
      ++i;
    }
  }
  return text + (list ? "]" : ")");
}

}  // namespace tree_shape

#endif
