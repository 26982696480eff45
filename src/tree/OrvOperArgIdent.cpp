// The identifier of an argument slot in the operation name table.
#include "OrvOperArgIdent.h"

std::string OrvOperArgIdent(const char* opName, const char* slotName, const char* fixed) {
  if (fixed != nullptr) return fixed;
  std::string text = opName;
  text += "__";
  for (const char* p = slotName; *p; ++p) {
    const unsigned char ch = static_cast<unsigned char>(*p);
    if (ch >= 'a' && ch <= 'z') text += static_cast<char>(ch - 'a' + 'A');
    else if ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')) text += static_cast<char>(ch);
    else if (text.back() != '_') text += '_';
  }
  while (text.back() == '_') text.pop_back();
  return text;
}
