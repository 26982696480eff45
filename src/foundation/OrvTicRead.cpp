// Readers of the integers of the TIC text form.
#include "OrvTicRead.h"

#include <climits>
#include <cstdint>
#include <istream>

namespace {

// Reads sign, digits and terminator.  `maxPositive` is the largest value the
// caller's type holds; a negative number may reach maxPositive + 1.  On
// success *negative and *magnitude describe the number.
OrvResult ReadTicNumber(std::istream& in, std::uint64_t maxPositive, char terminator, const char* typeName,
                        bool* negative, std::uint64_t* magnitude, VString& error) {
  *negative = false;
  *magnitude = 0;
  if (in.peek() == '-') {
    in.get();
    *negative = true;
  }
  const std::uint64_t limit = *negative ? maxPositive + 1 : maxPositive;
  bool overflow = false;
  int c = in.get();
  for (; c >= '0' && c <= '9'; c = in.get()) {
    unsigned digit = static_cast<unsigned>(c - '0');
    if (*magnitude > (limit - digit) / 10) overflow = true;
    else *magnitude = *magnitude * 10 + digit;
  }
  // The end of input shows as character -1.
  if (c != static_cast<unsigned char>(terminator)) {
    error = OrvFormat("GetTicIntNo: bad char '%c'(%d) after %s number. '%c' expected", c, c, typeName, terminator);
    return ORV_TIC_BAD_NUMBER;
  }
  if (overflow) {
    error = OrvFormat("GetTicIntNo: %s number out of range", typeName);
    return ORV_TIC_BAD_NUMBER;
  }
  return ORV_OK;
}

}  // namespace

OrvResult GetTicIntNo(std::istream& in, int* value, bool allowNegative, char terminator, VString& error) {
  bool negative;
  std::uint64_t magnitude;
  OrvResult r = ReadTicNumber(in, INT_MAX, terminator, "Int", &negative, &magnitude, error);
  if (r != ORV_OK) return r;
  int v = negative ? static_cast<int>(-static_cast<std::int64_t>(magnitude)) : static_cast<int>(magnitude);
  *value = v;
  if (v < 0 && !allowNegative) {
    error = OrvFormat("GetTicIntNo: negative number %d is not allowed", v);
    return ORV_TIC_BAD_NUMBER;
  }
  return ORV_OK;
}

OrvResult GetTicInt64No(std::istream& in, int64* value, bool allowNegative, char terminator, VString& error) {
  bool negative;
  std::uint64_t magnitude;
  OrvResult r = ReadTicNumber(in, INT64_MAX, terminator, "Int64", &negative, &magnitude, error);
  if (r != ORV_OK) return r;
  int64 v;
  if (!negative) v = static_cast<int64>(magnitude);
  else if (magnitude == static_cast<std::uint64_t>(INT64_MAX) + 1) v = INT64_MIN;
  else v = -static_cast<int64>(magnitude);
  *value = v;
  if (v < 0 && !allowNegative) {
    error = OrvFormat("GetTicIntNo: negative number %lld is not allowed", static_cast<long long>(v));
    return ORV_TIC_BAD_NUMBER;
  }
  return ORV_OK;
}
