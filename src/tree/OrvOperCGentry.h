// CGentry: one row of the printer's table of conditional print templates.
// A row names an operation code, an optional condition on the node and the
// template that replaces the catalogue's own when the condition holds (or
// always, for a row without condition).  The printing subsystem builds the
// rows at start-up and chains the rows of one code through `next`.
#ifndef LARK_TREE_ORVOPERCGENTRY_H
#define LARK_TREE_ORVOPERCGENTRY_H

#include <cstdint>

class OrvExpr;

// Answers non-zero when the row applies to the node.
typedef int (*OrvCGCondition)(OrvExpr* node);

struct CGentry {
  std::uint16_t code;        // operation code
  OrvCGCondition condition;  // null: the row always applies
  const char* templ;         // template text, not owned
  std::uint16_t primary;     // 1 when the row came from a caller's table
  CGentry* next;             // next row of the same code, owned

  // A row with marker 0 and no next row.
  CGentry(int code, OrvCGCondition condition, const char* templ);
  // Copies code, condition, template and marker; the copy owns no chain.
  CGentry(const CGentry& other);
  CGentry& operator=(const CGentry& other);
  // Deletes the rest of the chain.
  ~CGentry();
};

#endif
