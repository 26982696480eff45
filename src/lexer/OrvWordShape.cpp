// The shape tests of text words.
#include "OrvWordShape.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

// The characters of a COBOL word: digits, upper-case letters and '-'; one
// look-up per character, since every user word is tested.
struct CobolWordChars {
  bool ok[256];
  constexpr CobolWordChars() : ok() {
    for (int c = '0'; c <= '9'; ++c) ok[c] = true;
    for (int c = 'A'; c <= 'Z'; ++c) ok[c] = true;
    ok[static_cast<unsigned char>('-')] = true;
  }
};
constexpr CobolWordChars kCobolWordChars;
static_assert(kCobolWordChars.ok[static_cast<unsigned char>('-')] &&
                  !kCobolWordChars.ok[static_cast<unsigned char>('a')] && !kCobolWordChars.ok[0],
              "COBOL word characters");

}  // namespace

OrvNumberShape OrvScanNumber(const char* word, int length, char decimalPoint) {
  OrvNumberShape shape;
  for (int i = 0; i < length; ++i) {
    const char c = word[i];
    if (IsDigit(c)) {
      ++shape.digits;
    } else if (c == decimalPoint) {
      if (shape.point || shape.exponent) return OrvNumberShape();
      shape.point = true;
    } else if (c == '+' || c == '-') {
      if (i != 0 && word[i - 1] != 'E') return OrvNumberShape();
      shape.sign = true;
    } else if (c == 'E') {
      if (shape.exponent || shape.digits == 0) return OrvNumberShape();
      shape.exponent = true;
    } else {
      return OrvNumberShape();
    }
  }
  shape.passes = length > 0;
  return shape;
}

bool OrvIsCobolWordShape(const char* word, int length) {
  if (length <= 0 || word[0] == '-' || word[length - 1] == '-') return false;
  for (int i = 0; i < length; ++i)
    if (!kCobolWordChars.ok[static_cast<unsigned char>(word[i])]) return false;
  return true;
}

bool OrvIsSqlWordShape(const char* word, int length, bool questionMark) {
  if (length <= 0) return false;
  for (int i = 0; i < length; ++i) {
    const char c = word[i];
    if (c == '-' || c == '_') {
      if (i == 0 || i == length - 1) return false;
    } else if (!IsDigit(c) && !IsUpper(c) && !(questionMark && c == '?')) {
      return false;
    }
  }
  return true;
}

bool OrvIsCicsNumberShape(const char* word, int length, int& digits) {
  digits = 0;
  int i = 0;
  if (length > 0 && (word[0] == '+' || word[0] == '-')) i = 1;
  if (i == length && i == 0) return false;
  for (; i < length; ++i) {
    if (!IsDigit(word[i])) return false;
    ++digits;
  }
  return true;
}
