// The token dump.
#include "TokenDump.h"

#include <cstdio>

#include "OrvLexer.h"
#include "OrvToken.h"

namespace {

void AppendEscaped(std::string& out, const char* s, int n) {
  for (int i = 0; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default:
        if (c < 0x20 || c >= 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\x%02X", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
}

std::string Posn(const OrvTxtPosn& p) {
  return std::to_string(p.Line()) + ":" + std::to_string(p.Column());
}

}  // namespace

std::string DumpToken(const OrvToken& token) {
  std::string line;
  const int code = token.code;
  if (code >= 1 && code <= 255) {
    const char c = static_cast<char>(code);
    line += '\'';
    AppendEscaped(line, &c, 1);
    line += '\'';
  } else if (const char* name = OrvTokenCodeName(code)) {
    line += name;
  } else {
    line += "#" + std::to_string(code);
  }
  line += " \"";
  AppendEscaped(line, token.Image().text != nullptr ? token.Image().text : "", token.Image().length);
  line += "\" " + Posn(token.begin) + "-" + Posn(token.end);
  return line;
}

std::string DumpGroup(const OrvTokenGroup& group) {
  std::string out;
  for (const OrvToken* p = group.attached.First(); p != nullptr; p = group.attached.Next(p))
    out += "  + " + DumpToken(*p) + "\n";
  if (group.token != nullptr) out += DumpToken(*group.token) + "\n";
  return out;
}

std::string DumpTokens(OrvLexer& lexer, int limit) {
  std::string out;
  for (int i = 0; i < limit; ++i) {
    OrvTokenGroup* group = lexer.GetToken();
    out += DumpGroup(*group);
    const bool end = group->token == nullptr || group->token->code == SEP_EOF;
    delete group;
    if (end) return out;
  }
  return out + "!no SEP_EOF after " + std::to_string(limit) + " tokens\n";
}
