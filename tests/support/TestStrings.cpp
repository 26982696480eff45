// The VString helpers of the tests.
#include "TestStrings.h"

#include <cstdio>

std::string Str(const VString& v) {
  if (v.text == nullptr || v.length <= 0) return std::string();
  return std::string(v.text, static_cast<size_t>(v.length));
}

void PrintTo(const VString& v, std::ostream* os) {
  *os << '"';
  for (char c : Str(v)) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u >= 0x7F || c == '"' || c == '\\') {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", u);
      *os << buf;
    } else {
      *os << c;
    }
  }
  *os << '"';
}
