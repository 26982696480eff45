// VString: the toolkit's string value, its string-building stream and the
// free character and formatting helpers that work on it.
#ifndef LARK_FOUNDATION_VSTRING_H
#define LARK_FOUNDATION_VSTRING_H

#include <cstdint>
#include <iosfwd>
#include <strstream>

#include "OrvResult.h"
#include "VStringText.h"

typedef std::int64_t int64;

// A string-building output stream: text is formatted into its growing buffer
// and a VString then takes the buffer over without a copy.
class FastOstrstream : public std::ostrstream {
public:
  FastOstrstream();
  ~FastOstrstream() override;
};

// The string value.  `text` is a NUL-terminated array (from VStringText) that
// the value owns alone (null stands for the empty text); `length` counts the characters
// before the closing NUL and is never negative.  Copies, assignment,
// appending and substrings copy exactly `length` characters, so a value that
// holds a zero byte (a literal's value, say) keeps what follows it.
class VString {
public:
  char* text;
  int length;

  // Inline: every token, unit and node holds values that start empty.
  VString() : text(nullptr), length(0) {}
  VString(const char* s);
  VString(const char* s, int n);
  explicit VString(char c);
  VString(FastOstrstream& os);
  VString(std::ostrstream& os);
  VString(const VString& o);
  ~VString() { VStringText::Delete(text, length); }

  VString& operator=(const VString& o);
  // Releases the own text and takes o's text and length; o becomes empty.
  // Inline: the lexer hands every word's text on this way.
  void TakeOver(VString& o) {
    if (this == &o) return;
    VStringText::Delete(text, length);
    text = o.text;
    length = o.length;
    o.text = nullptr;
    o.length = 0;
  }

  VString& operator+=(const VString& o);

  // Parts and searches.
  VString Substr(int pos, int len) const;
  VString UpTo(char c) const;
  bool StartsWith(const VString& o) const;
  bool HasChar(char c) const;
  int IndexOf(char c) const;
  int CountChar(char c) const;
  bool AllCharsIn(const char* set) const;
  int CountCharsIn(const char* set) const;
  bool IsOneOf(const char* words) const;
  int Find(const VString& o) const;
  int Compare(const VString& o) const;
  bool operator==(const char* s) const;

  // Edits.
  void ReplaceChar(char from, char to);
  void RemoveChars(const VString& set);
  VString StripDelims(char first, char last) const;
  VString Trim() const;
  VString ToUpper() const;
  VString ToLower() const;
  VString MapBytes(const char table[256]) const;
  VString EbcdicToAscii() const;
  VString AsciiToEbcdic() const;

  // Integer conversion: decimal with an optional sign, or H'..' hexadecimal.
  // Result 0 with the value in `out`, or 33 with the message in `err`.
  OrvResult ToInt64(int64& out, VString& err) const;

  // Path helpers ('/' and '\\' both separate).
  VString ReplaceExt(const VString& suffix) const;
  VString Ext() const;
  VString BaseName(bool keepExt) const;
  VString DirName() const;
  VString NormalizePath() const;
  // True when the file system reports a file or directory at this path.
  bool FileExists() const;

  // TIC text forms.  Length form: "<length>:" and the raw bytes.
  std::ostream& PutTic(std::ostream& out) const;
  OrvResult GetTic(std::istream& in, VString& error);
  // Escaped form ended by `terminator` (at most MaxTicEscaped characters
  // read back).
  std::ostream& PutTic(std::ostream& out, char terminator) const;
  OrvResult GetTic(std::istream& in, char terminator, VString& error);

  // Longest text the escaped TIC form reads back.
  static const int MaxTicEscaped = 4095;

private:
  // Takes ownership of an array from VStringText::New of at least n + 1
  // characters holding a NUL at n.
  void Adopt(char* buf, int n);
};

VString operator+(const VString& a, const VString& b);
std::ostream& operator<<(std::ostream& os, const VString& s);

// A counted array of VString values: `count` strings in use out of
// `capacity` allocated ones.
class VStringArray {
public:
  int count;
  int capacity;
  VString* items;

  VStringArray();
  explicit VStringArray(int capacity);
  VStringArray(const VStringArray& o);
  ~VStringArray();
  VStringArray& operator=(const VStringArray& o);
};

// printf-style formatting into a new value (never a null text).
VString OrvFormat(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

char OrvToUpper(char c);
char OrvToLower(char c);

// A printable copy of a text for traces: control characters escaped.
VString OrvEscapeStr(const char* s);

// The byte tables behind EbcdicToAscii and AsciiToEbcdic.
extern const char OrvEbcdicToAsciiTable[256];
extern const char OrvAsciiToEbcdicTable[256];

#endif
