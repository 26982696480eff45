// The dialect set: field layout, name tables, digit and readable forms, and
// the check of a dialect combination against the allowed set.
#include "OrvDials.h"

#include <cstring>

namespace {

// One row of OrvDialects.def.
struct DialectField {
  int number;
  int firstBit;
  int width;
  const char* word;
};

const DialectField kFields[ORV_DIALECT_COUNT + 1] = {
    {0, 0, 0, ""},
#define ORV_DIALECT(Number, Id, ShortName, LongName, FirstBit, Width, Word) \
  {Number, FirstBit, Width, Word},
#include "OrvDialects.def"
};

// The dialect rows must stand at their own numbers, since they are indexed
// by dialect number.
#define ORV_DIALECT(Number, Id, ShortName, LongName, FirstBit, Width, Word) \
  static_assert(Number >= 1 && Number <= ORV_DIALECT_COUNT, "dialect number");
#include "OrvDialects.def"

bool ValidNumber(int number) { return number >= 1 && number <= ORV_DIALECT_COUNT; }

// The longest part of a rejected text that a message quotes.
const int kQuotedTextMax = 64;

// The text to quote in a message about `text`: the text itself, or its first
// kQuotedTextMax characters and "..." when it is longer.
VString QuotedText(const VString& text) {
  if (text.length <= kQuotedTextMax) return text;
  return text.Substr(0, kQuotedTextMax) + VString("...");
}

const char* TextOf(const VString& s) { return s.text ? s.text : ""; }

}  // namespace

VString OrvDialectShortNames[ORV_DIALECT_COUNT + 2] = {
    VString("none"),
#define ORV_DIALECT(Number, Id, ShortName, LongName, FirstBit, Width, Word) VString(ShortName),
#include "OrvDialects.def"
    VString(""),
};

VString OrvDialectNames[ORV_DIALECT_COUNT + 2] = {
    VString("None"),
#define ORV_DIALECT(Number, Id, ShortName, LongName, FirstBit, Width, Word) VString(LongName),
#include "OrvDialects.def"
    VString(""),
};

const OrvDials OrvDialFieldMasks[ORV_DIALECT_COUNT + 1] = {
    0,
#define ORV_DIALECT(Number, Id, ShortName, LongName, FirstBit, Width, Word) \
  ((OrvDials(1) << (Width)) - 1) << (FirstBit),
#include "OrvDialects.def"
};

OrvDials OrvExpandDials(OrvDials set) {
  OrvDials out = 0;
  for (int n = 1; n <= ORV_DIALECT_COUNT; ++n) {
    const OrvDials field = OrvDialFieldMask(n);
    if ((set & field) != 0) out |= field;
  }
  return out;
}

OrvDials OrvNoDials() { return 0; }

OrvDials OrvAllDials() { return 0xFFFFFFFFu; }

unsigned char OrvSetDial(OrvDials& set, int number) {
  set |= OrvDialFieldMask(number);
  return static_cast<unsigned char>(number & 0xFF);
}

int OrvGetDial(OrvDials set, int number) {
  if (!ValidNumber(number)) return 0;
  return static_cast<int>((set & OrvDialFieldMask(number)) >> kFields[number].firstBit);
}

VString OrvDialsToString(OrvDials set) {
  char digits[ORV_DIALECT_COUNT + 1];
  for (int n = 1; n <= ORV_DIALECT_COUNT; ++n)
    digits[n - 1] = static_cast<char>('0' + OrvGetDial(set, n));
  digits[ORV_DIALECT_COUNT] = '\0';
  return VString(digits);
}

OrvResult OrvStringToDials(const VString& digits, OrvDials& set, VString& message) {
  set = 0;
  if (digits.length != ORV_DIALECT_COUNT) {
    message = OrvFormat("OrvStringToDials: dialects string '%s' has bad length",
                        TextOf(QuotedText(digits)));
    return ORV_BAD_DIALECTS_STRING;
  }
  for (int i = 0; i < ORV_DIALECT_COUNT; ++i) {
    if (static_cast<unsigned char>(digits.text[i]) > static_cast<unsigned char>('9')) {
      message = OrvFormat("OrvStringToDials: bad char in dialects string '%s'", digits.text);
      return ORV_BAD_DIALECTS_STRING;
    }
  }
  for (int n = 1; n <= ORV_DIALECT_COUNT; ++n) {
    OrvDials value = static_cast<unsigned char>(digits.text[n - 1]);
    set |= (value << kFields[n].firstBit) & OrvDialFieldMask(n);
  }
  return ORV_OK;
}

OrvResult OrvCheckDials(OrvDials& set, int primary, int secondary, OrvDials allowed,
                        VString& message) {
  OrvSetDial(set, primary);
  OrvSetDial(set, secondary);
  for (int n = 1; n <= ORV_DIALECT_COUNT; ++n) {
    if (OrvGetDial(set, n) != 0 && OrvGetDial(allowed, n) == 0) {
      message = VString("The specified combination of dialects is not allowed");
      return ORV_DIALECTS_NOT_ALLOWED;
    }
  }
  return ORV_OK;
}

VString OrvDialsToText(OrvDials set) {
  VString text;
  for (int n = 1; n <= ORV_DIALECT_COUNT; ++n) {
    // The .NET dialect is listed before NetCobol.
    int dialect = n == ORV_DIAL_NET ? ORV_DIAL_FSCNET : n == ORV_DIAL_FSCNET ? ORV_DIAL_NET : n;
    if (OrvGetDial(set, dialect) != 0) text += VString(kFields[dialect].word);
  }
  return text;
}
