// Checking and applying the format of the identification area.
#include "OrvLineIdFormat.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool OrvLineIdFormatIsValid(const VString& format) {
  if (format.text == nullptr) return false;
  const char* p = format.text;
  const char* end = format.text + format.length;
  int conversions = 0;
  while (p < end) {
    if (*p == '\0') return false;  // the format would end early for printf
    if (*p++ != '%') continue;
    if (p < end && *p == '%') {
      ++p;
      continue;
    }
    while (p < end && std::strchr("-+ #0", *p) != nullptr && *p != '\0') ++p;
    while (p < end && IsDigit(*p)) ++p;
    if (p < end && *p == '.') {
      ++p;
      while (p < end && IsDigit(*p)) ++p;
    }
    if (p >= end || std::strchr("diuxXo", *p) == nullptr || *p == '\0') return false;
    ++p;
    ++conversions;
  }
  return conversions == 1;
}

int OrvFormatLineId(const VString& format, int number, char* text) {
  // The format was checked: one integer conversion and nothing that reads a
  // further argument.
  const std::string fmt(format.text, static_cast<std::size_t>(format.length));
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  int n = std::snprintf(text, ORV_LINE_ID_TEXT_ROOM, fmt.c_str(), number);
#pragma GCC diagnostic pop
  if (n < 0) n = 0;
  if (n >= ORV_LINE_ID_TEXT_ROOM) n = ORV_LINE_ID_TEXT_ROOM - 1;
  return n;
}
