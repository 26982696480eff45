// VString: construction, concatenation, parts, searches, edits, integer
// conversion and path helpers; FastOstrstream, VStringArray and the free
// character and formatting helpers.
#include "VString.h"

#include <sys/stat.h>

#include <cctype>
#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <ostream>

namespace {

// A new array (VStringText) of n + 1 characters: the first n characters of src copied up to
// its first NUL (NULs behind a shorter source) and a NUL at index n.  For C
// strings that may be shorter than n.
char* CopyText(const char* src, int n) {
  char* buf = VStringText::New(n);
  const void* nul = std::memchr(src, '\0', static_cast<size_t>(n));
  const size_t copied = nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - src)
                                       : static_cast<size_t>(n);
  std::memcpy(buf, src, copied);
  std::memset(buf + copied, '\0', static_cast<size_t>(n) + 1 - copied);
  return buf;
}

// A new array (VStringText) of n + 1 characters holding exactly the n bytes of src (zero
// bytes included) and a NUL at index n.  For copies of a value's own text,
// which always holds its whole length.
char* CopyBytes(const char* src, int n) {
  char* buf = VStringText::New(n);
  if (n > 0) std::memcpy(buf, src, static_cast<size_t>(n));
  buf[n] = '\0';
  return buf;
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Index of the last separator, -1 when there is none.
int LastSeparator(const VString& s) {
  for (int i = s.length - 1; i >= 0; --i)
    if (IsSeparator(s.text[i])) return i;
  return -1;
}

}  // namespace

// ---------------------------------------------------------------------------
// FastOstrstream

FastOstrstream::FastOstrstream() {}

FastOstrstream::~FastOstrstream() {}

// ---------------------------------------------------------------------------
// Construction and ownership

VString::VString(const char* s) : text(nullptr), length(0) {
  if (s == nullptr) return;
  size_t n = std::strlen(s);
  if (n > static_cast<size_t>(INT_MAX - 1)) n = INT_MAX - 1;
  length = static_cast<int>(n);
  text = CopyText(s, length);
}

VString::VString(const char* s, int n) : text(nullptr), length(0) {
  if (s == nullptr || n <= 0) return;
  length = n;
  text = CopyText(s, n);
}

VString::VString(char c) : text(VStringText::New(1)), length(1) {
  text[0] = c;
  text[1] = '\0';
}

VString::VString(FastOstrstream& os) : VString(static_cast<std::ostrstream&>(os)) {}

VString::VString(std::ostrstream& os) : text(nullptr), length(0) {
  os << std::ends;
  // str() freezes the buffer; the value takes a copy of the text, and the
  // stream, unfrozen again, keeps releasing its own buffer.
  char* buf = os.str();
  if (buf == nullptr) return;
  size_t n = std::strlen(buf);
  if (n > static_cast<size_t>(INT_MAX - 1)) n = INT_MAX - 1;
  length = static_cast<int>(n);
  text = CopyText(buf, length);
  os.freeze(false);
}

VString::VString(const VString& o) : text(nullptr), length(o.length) {
  if (o.text != nullptr) text = CopyBytes(o.text, o.length);
}

VString& VString::operator=(const VString& o) {
  if (this == &o) return *this;
  char* copy = o.text ? CopyBytes(o.text, o.length) : nullptr;
  VStringText::Delete(text, length);
  text = copy;
  length = o.length;
  return *this;
}

void VString::Adopt(char* buf, int n) {
  VStringText::Delete(text, length);
  text = buf;
  length = n;
}

// ---------------------------------------------------------------------------
// Concatenation

VString& VString::operator+=(const VString& o) {
  if (text == nullptr) return *this = o;
  if (o.text == nullptr) return *this;
  int n = length + o.length;
  char* buf = VStringText::New(n);
  std::memcpy(buf, text, static_cast<size_t>(length));
  std::memcpy(buf + length, o.text, static_cast<size_t>(o.length));
  buf[n] = '\0';
  Adopt(buf, n);
  return *this;
}

VString operator+(const VString& a, const VString& b) {
  if (a.text == nullptr) return b;
  if (b.text == nullptr) return a;
  VString r(a);
  r += b;
  return r;
}

std::ostream& operator<<(std::ostream& os, const VString& s) {
  if (s.text != nullptr) os << s.text;
  return os;
}

// ---------------------------------------------------------------------------
// Parts and searches

VString VString::Substr(int pos, int len) const {
  if (len == -1) len = length;
  if (pos < 0 || len < 0) return VString();
  if (static_cast<long long>(pos) + len >= length) len = length - pos;
  if (pos >= length || text == nullptr || len <= 0) return VString();
  VString r;
  r.Adopt(CopyBytes(text + pos, len), len);
  return r;
}

VString VString::UpTo(char c) const {
  int i = IndexOf(c);
  if (i < 0) return *this;
  return Substr(0, i);
}

bool VString::StartsWith(const VString& o) const {
  VString head = Substr(0, o.length);
  return head.length == o.length && head.Compare(o) == 0;
}

bool VString::HasChar(char c) const {
  if (text == nullptr) return false;
  for (const char* p = text; *p != '\0'; ++p)
    if (*p == c) return true;
  return false;
}

int VString::IndexOf(char c) const {
  if (text == nullptr) return -1;
  for (int i = 0; i < length; ++i)
    if (text[i] == c) return i;
  return -1;
}

int VString::CountChar(char c) const {
  if (text == nullptr) return 0;
  int n = 0;
  for (int i = 0; i < length; ++i)
    if (text[i] == c) ++n;
  return n;
}

bool VString::AllCharsIn(const char* set) const {
  if (text == nullptr) return true;
  for (int i = 0; i < length; ++i) {
    bool found = false;
    for (const char* p = set; p != nullptr && *p != '\0'; ++p)
      if (*p == text[i]) {
        found = true;
        break;
      }
    if (!found) return false;
  }
  return true;
}

int VString::CountCharsIn(const char* set) const {
  if (text == nullptr || set == nullptr) return 0;
  int n = 0;
  for (int i = 0; i < length; ++i)
    for (const char* p = set; *p != '\0'; ++p)
      if (*p == text[i]) {
        ++n;
        break;
      }
  return n;
}

bool VString::IsOneOf(const char* words) const {
  if (words == nullptr) return false;
  for (const char* w = words; *w != '\0'; w += std::strlen(w) + 1)
    if (*this == w) return true;
  return false;
}

int VString::Find(const VString& o) const {
  if (length < o.length) return -1;
  if (o.length == 0) return 0;
  for (int i = 0; i + o.length <= length; ++i)
    if (std::memcmp(text + i, o.text, static_cast<size_t>(o.length)) == 0) return i;
  return -1;
}

int VString::Compare(const VString& o) const {
  return std::strcmp(text ? text : "", o.text ? o.text : "");
}

bool VString::operator==(const char* s) const {
  bool thisEmpty = text == nullptr || text[0] == '\0';
  bool otherEmpty = s == nullptr || s[0] == '\0';
  if (thisEmpty || otherEmpty) return thisEmpty && otherEmpty;
  return std::strcmp(text, s) == 0;
}

// ---------------------------------------------------------------------------
// Edits

void VString::ReplaceChar(char from, char to) {
  if (text == nullptr) return;
  for (int i = 0; i < length; ++i)
    if (text[i] == from) text[i] = to;
}

void VString::RemoveChars(const VString& set) {
  if (text == nullptr) return;
  const char* s = set.text ? set.text : "";
  char* buf = VStringText::New(length);
  int n = 0;
  for (int i = 0; i < length && text[i] != '\0'; ++i)
    if (std::strchr(s, text[i]) == nullptr) buf[n++] = text[i];
  buf[n] = '\0';
  if (n == 0) {
    VStringText::Delete(buf, 0);
    Adopt(nullptr, 0);
  } else {
    Adopt(buf, n);
  }
}

VString VString::StripDelims(char first, char last) const {
  if (text == nullptr || length == 0) return VString();
  int begin = 0;
  int end = length;
  if (first != '\0' && text[0] == first) begin = 1;
  if (end - begin > 0 && text[end - 1] == last) --end;
  return Substr(begin, end - begin);
}

VString VString::Trim() const {
  int begin = 0;
  int end = length;
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return Substr(begin, end - begin);
}

VString VString::ToUpper() const {
  VString r(*this);
  for (int i = 0; i < r.length; ++i) r.text[i] = OrvToUpper(r.text[i]);
  return r;
}

VString VString::ToLower() const {
  VString r(*this);
  for (int i = 0; i < r.length; ++i) r.text[i] = OrvToLower(r.text[i]);
  return r;
}

VString VString::MapBytes(const char table[256]) const {
  VString r(*this);
  for (int i = 0; i < r.length; ++i) r.text[i] = table[static_cast<unsigned char>(r.text[i])];
  return r;
}

VString VString::EbcdicToAscii() const { return MapBytes(OrvEbcdicToAsciiTable); }

VString VString::AsciiToEbcdic() const { return MapBytes(OrvAsciiToEbcdicTable); }

// ---------------------------------------------------------------------------
// Integer conversion

namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

OrvResult VString::ToInt64(int64& out, VString& err) const {
  const char* s = text ? text : "";
  if (length >= 2 && s[0] == 'H') {
    const char quote = s[1];
    std::uint64_t value = 0;
    int bytes = 0;
    int i = 2;
    while (!(i < length && s[i] == quote)) {
      for (int k = 0; k < 2; ++k) {
        char c = i + k < length ? s[i + k] : '\0';
        if (HexDigitValue(c) < 0) {
          // The end of the text shows as '' rather than as a NUL that would
          // cut the message short.
          const char shown[2] = {c, '\0'};
          err = OrvFormat("Bad character '%s' in hexadecimal number '%s'", shown, s);
          return ORV_BAD_NUMBER;
        }
      }
      // Eight bytes fill the 64 bits; a ninth would push the first out.
      if (++bytes > 8) {
        err = OrvFormat("Hexadecimal number '%s' does not fit in 64 bits", s);
        return ORV_BAD_NUMBER;
      }
      value = (value << 8) | static_cast<std::uint64_t>(HexDigitValue(s[i]) * 16 + HexDigitValue(s[i + 1]));
      i += 2;
    }
    out = static_cast<int64>(value);
    return ORV_OK;
  }

  int i = 0;
  bool negative = false;
  if (i < length && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  // The magnitude may reach 2^63 only for a negative number.
  const std::uint64_t limit = negative ? static_cast<std::uint64_t>(INT64_MAX) + 1 : static_cast<std::uint64_t>(INT64_MAX);
  std::uint64_t magnitude = 0;
  bool overflow = false;
  for (; i < length; ++i) {
    char c = s[i];
    if (c < '0' || c > '9') {
      err = OrvFormat("Expecting integer number here, not '%s'", s);
      return ORV_BAD_NUMBER;
    }
    unsigned digit = static_cast<unsigned>(c - '0');
    if (magnitude > (limit - digit) / 10) overflow = true;
    else magnitude = magnitude * 10 + digit;
  }
  if (overflow) {
    err = OrvFormat("Integer number '%s' does not fit in 64 bits", s);
    return ORV_BAD_NUMBER;
  }
  if (negative)
    out = magnitude == static_cast<std::uint64_t>(INT64_MAX) + 1 ? INT64_MIN : -static_cast<int64>(magnitude);
  else
    out = static_cast<int64>(magnitude);
  return ORV_OK;
}

// ---------------------------------------------------------------------------
// Path helpers

VString VString::ReplaceExt(const VString& suffix) const {
  int cut = length;
  for (int i = length - 1; i >= 0; --i) {
    if (text[i] == '.') {
      cut = i;
      break;
    }
    if (IsSeparator(text[i])) break;
  }
  VString r = cut == length ? *this : Substr(0, cut);
  r += suffix;
  return r;
}

VString VString::Ext() const {
  int sep = LastSeparator(*this);
  for (int i = length - 1; i > sep; --i)
    if (text[i] == '.') return Substr(i, 2048);
  return VString();
}

VString VString::BaseName(bool keepExt) const {
  int sep = LastSeparator(*this);
  VString base = sep < 0 ? *this : Substr(sep + 1, -1);
  if (keepExt) return base;
  for (int i = base.length - 1; i >= 0; --i)
    if (base.text[i] == '.') return base.Substr(0, i);
  return base;
}

VString VString::DirName() const {
  int sep = LastSeparator(*this);
  if (sep <= 0) return VString();
  return Substr(0, sep);
}

VString VString::NormalizePath() const {
  VString r(*this);
  for (;;) {
    bool changed = false;
    for (int i = 0; i + 3 < r.length; ++i) {
      const char* t = r.text;
      if (!(IsSeparator(t[i]) && t[i + 1] == '.' && t[i + 2] == '.' && IsSeparator(t[i + 3]))) continue;
      // The directory name in front of the group starts after the previous
      // separator (or at the start of the text).
      int start = i - 1;
      while (start >= 0 && !IsSeparator(t[start])) --start;
      ++start;
      if (i == 0) {
        // "/../x": the parent of the root is the root; keep the leading
        // separator so that the path stays absolute.
        r = r.Substr(3, -1);
      } else {
        // A ".." in front is not a directory name to collapse.
        if (i - start == 2 && t[start] == '.' && t[start + 1] == '.') continue;
        r = r.Substr(0, start) + r.Substr(i + 4, -1);
      }
      changed = true;
      break;
    }
    if (!changed) return r;
  }
}

bool VString::FileExists() const {
  struct stat st;
  return stat(text ? text : "", &st) == 0;
}

// ---------------------------------------------------------------------------
// VStringArray

VStringArray::VStringArray() : count(0), capacity(0), items(nullptr) {}

VStringArray::VStringArray(int cap) : count(0), capacity(cap > 0 ? cap : 0), items(nullptr) {
  if (capacity > 0) items = new VString[static_cast<size_t>(capacity)];
}

VStringArray::VStringArray(const VStringArray& o) : count(0), capacity(0), items(nullptr) { *this = o; }

VStringArray::~VStringArray() { delete[] items; }

VStringArray& VStringArray::operator=(const VStringArray& o) {
  if (this == &o) return *this;
  int cap = o.capacity > 0 ? o.capacity : 0;
  int n = o.count < 0 ? 0 : (o.count > cap ? cap : o.count);
  if (cap > 0 && cap == capacity && items != nullptr) {
    // The same room: the array is reused (a parse copies the lists of its
    // settings for every source), each entry past the copied ones emptied.
    for (int i = 0; i < n; ++i) items[i] = o.items[i];
    for (int i = n; i < cap; ++i)
      if (items[i].text != nullptr || items[i].length != 0) items[i] = VString();
    count = n;
    return *this;
  }
  VString* copy = cap > 0 ? new VString[static_cast<size_t>(cap)] : nullptr;
  for (int i = 0; i < n; ++i) copy[i] = o.items[i];
  delete[] items;
  items = copy;
  count = n;
  capacity = cap;
  return *this;
}

// ---------------------------------------------------------------------------
// Free helpers

VString OrvFormat(const char* fmt, ...) {
  char small[512];
  va_list args;
  va_start(args, fmt);
  va_list again;
  va_copy(again, args);
  int n = std::vsnprintf(small, sizeof small, fmt, args);
  va_end(args);
  VString r("");
  if (n < 0) {
    va_end(again);
    return r;
  }
  if (static_cast<size_t>(n) < sizeof small) {
    va_end(again);
    return VString(small);
  }
  char* buf = new char[static_cast<size_t>(n) + 1];
  std::vsnprintf(buf, static_cast<size_t>(n) + 1, fmt, again);
  va_end(again);
  r = VString(buf);
  delete[] buf;
  return r;
}

char OrvToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

char OrvToLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

VString OrvEscapeStr(const char* s) {
  if (s == nullptr) return VString();
  FastOstrstream os;
  for (const char* p = s; *p != '\0'; ++p) {
    unsigned char c = static_cast<unsigned char>(*p);
    switch (c) {
      case '\b': os << "\\b"; break;
      case '\t': os << "\\t"; break;
      case '\n': os << "\\n"; break;
      case '\f': os << "\\f"; break;
      case '\r': os << "\\r"; break;
      default:
        if (std::isprint(c))
          os << static_cast<char>(c);
        else
          os << "\\0x" << std::hex << std::setw(2) << static_cast<int>(c) << std::dec;
    }
  }
  return VString(os);
}
