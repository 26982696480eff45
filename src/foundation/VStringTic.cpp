// The two TIC text forms of a VString: the length form ("<length>:" and the
// raw bytes) and the escaped form ended by a terminator character.
#include <cctype>
#include <istream>
#include <ostream>
#include <string>

#include "OrvTicRead.h"
#include "VString.h"

std::ostream& VString::PutTic(std::ostream& out) const {
  out << length << ':';
  if (length > 0) out.write(text, length);
  return out;
}

OrvResult VString::GetTic(std::istream& in, VString& error) {
  *this = VString();
  int n = 0;
  OrvResult r = GetTicIntNo(in, &n, false, ':', error);
  if (r != ORV_OK) return r;
  if (n == 0) return ORV_OK;
  // The bytes are read in chunks, so that a hostile length fails at the end
  // of the input instead of allocating its whole size up front.
  std::string bytes;
  char chunk[4096];
  while (static_cast<int>(bytes.size()) < n) {
    std::streamsize want = n - static_cast<int>(bytes.size());
    if (want > static_cast<std::streamsize>(sizeof chunk)) want = sizeof chunk;
    in.read(chunk, want);
    bytes.append(chunk, static_cast<size_t>(in.gcount()));
    if (in.gcount() < want) {
      error = VString("EOF or read error while reading TIC input stream");
      return in.bad() ? ORV_TIC_STREAM_ERROR : ORV_TIC_EOF;
    }
  }
  char* buf = VStringText::New(n);
  bytes.copy(buf, static_cast<size_t>(n));
  buf[n] = '\0';
  Adopt(buf, n);
  return ORV_OK;
}

std::ostream& VString::PutTic(std::ostream& out, char terminator) const {
  for (int i = 0; i < length; ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    switch (c) {
      case '\b': out << "\\b"; continue;
      case '\t': out << "\\t"; continue;
      case '\n': out << "\\n"; continue;
      case '\f': out << "\\f"; continue;
      case '\r': out << "\\r"; continue;
      case '\\': out << "\\\\"; continue;
      default: break;
    }
    if (c == static_cast<unsigned char>(terminator) || !std::isprint(c)) {
      out << '\\' << static_cast<char>('0' + c / 100) << static_cast<char>('0' + c / 10 % 10)
          << static_cast<char>('0' + c % 10);
    } else {
      out << static_cast<char>(c);
    }
  }
  out << terminator;
  return out;
}

OrvResult VString::GetTic(std::istream& in, char terminator, VString& error) {
  *this = VString();
  std::string got;
  const int eof = std::char_traits<char>::eof();
  for (;;) {
    int c = in.get();
    if (c == eof || c == static_cast<unsigned char>(terminator)) break;
    if (c == '\\') {
      int e = in.get();
      if (e == eof) break;
      if (e >= '0' && e <= '9') {
        int d1 = in.get();
        int d2 = d1 >= '0' && d1 <= '9' ? in.get() : eof;
        if (!(d1 >= '0' && d1 <= '9' && d2 >= '0' && d2 <= '9')) {
          error = OrvFormat("VString::GetTic: bad digits in '\\nnn' while getting '%s'", got.c_str());
          return ORV_TIC_BAD_FORMAT;
        }
        c = ((e - '0') * 100 + (d1 - '0') * 10 + (d2 - '0')) % 256;
      } else {
        switch (e) {
          case 'b': c = '\b'; break;
          case 't': c = '\t'; break;
          case 'n': c = '\n'; break;
          case 'f': c = '\f'; break;
          case 'r': c = '\r'; break;
          default: c = e; break;
        }
      }
    }
    if (static_cast<int>(got.size()) >= MaxTicEscaped) {
      error = OrvFormat("VString::GetTic: max length reached while getting '%s'", got.c_str());
      return ORV_TIC_TOO_LONG;
    }
    got.push_back(static_cast<char>(c));
  }
  if (!got.empty()) {
    int n = static_cast<int>(got.size());
    char* buf = VStringText::New(n);
    got.copy(buf, static_cast<size_t>(n));
    buf[n] = '\0';
    Adopt(buf, n);
  }
  return ORV_OK;
}
