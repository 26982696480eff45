// Rows of the printer's table of conditional print templates.
#include "OrvOperCGentry.h"

CGentry::CGentry(int code_, OrvCGCondition condition_, const char* templ_)
    : code(static_cast<std::uint16_t>(code_)),
      condition(condition_),
      templ(templ_),
      primary(0),
      next(nullptr) {}

CGentry::CGentry(const CGentry& other)
    : code(other.code),
      condition(other.condition),
      templ(other.templ),
      primary(other.primary),
      next(nullptr) {}

CGentry& CGentry::operator=(const CGentry& other) {
  if (this == &other) return *this;
  // The chain this row owned goes away; the copy owns none.
  delete next;
  next = nullptr;
  code = other.code;
  condition = other.condition;
  templ = other.templ;
  primary = other.primary;
  return *this;
}

CGentry::~CGentry() {
  // Unlink the rows one by one so that a long chain does not recurse deeply.
  CGentry* row = next;
  next = nullptr;
  while (row != nullptr) {
    CGentry* following = row->next;
    row->next = nullptr;
    delete row;
    row = following;
  }
}
