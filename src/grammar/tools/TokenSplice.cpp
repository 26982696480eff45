// Reading the token-code table and splicing it into a grammar.
#include "TokenSplice.h"

#include <set>

#include "ToolText.h"

namespace larkyacc {

const char kTokenCodesLine[] = "%token_codes";

namespace {

bool IsIdentifier(const std::string& s) {
  if (s.empty() || (s[0] >= '0' && s[0] <= '9')) return false;
  for (char c : s)
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
      return false;
  return true;
}

// Reads "(code, NAME)" after the macro name; false when the row has
// another form.
bool ReadRow(const std::string& rest, TokenCode& row) {
  if (rest.empty() || rest[0] != '(' || rest.back() != ')') return false;
  const std::string inner = rest.substr(1, rest.size() - 2);
  const std::size_t comma = inner.find(',');
  if (comma == std::string::npos) return false;
  row.name = Trim(inner.substr(comma + 1));
  return ParseInt(Trim(inner.substr(0, comma)), row.code) && IsIdentifier(row.name);
}

}  // namespace

bool ReadTokenCodes(const std::string& defText, std::vector<TokenCode>& codes, std::string& error) {
  codes.clear();
  std::set<std::string> names;
  const std::vector<std::string> lines = SplitLines(defText);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    std::string rest;
    if (StartsWith(line, "ORV_TOKEN_LEVEL(")) rest = line.substr(15);
    else if (StartsWith(line, "ORV_TOKEN(")) rest = line.substr(9);
    else continue;
    const std::string where = "token-code table line " + std::to_string(i + 1);
    TokenCode row;
    if (!ReadRow(rest, row)) {
      error = where + ": cannot read \"" + line + "\"";
      return false;
    }
    if (row.code < 257 || row.code > 65535) {
      error = where + ": code " + std::to_string(row.code) + " is not in 257..65535";
      return false;
    }
    if (!codes.empty() && row.code <= codes.back().code) {
      error = where + ": code " + std::to_string(row.code) + " does not follow " +
              std::to_string(codes.back().code);
      return false;
    }
    if (!names.insert(row.name).second) {
      error = where + ": " + row.name + " is named twice";
      return false;
    }
    codes.push_back(row);
  }
  if (codes.empty()) {
    error = "the token-code table has no rows";
    return false;
  }
  return true;
}

bool SpliceTokenCodes(const std::string& grammar, const std::vector<TokenCode>& codes,
                      std::string& spliced, std::string& error) {
  std::string names;
  for (const TokenCode& c : codes) names += " " + c.name + " " + std::to_string(c.code);
  const std::vector<std::string> lines = SplitLines(grammar);
  const std::string marker = kTokenCodesLine;
  int found = 0;
  spliced.clear();
  for (const std::string& line : lines) {
    const std::string trimmed = Trim(line);
    const bool isMarker = trimmed == marker || (StartsWith(trimmed, marker) && (trimmed[marker.size()] == ' ' ||
                                                                                 trimmed[marker.size()] == '\t'));
    if (isMarker) {
      ++found;
      const std::string tag = Trim(trimmed.substr(marker.size()));
      if (!tag.empty() && (tag.size() < 3 || tag.front() != '<' || tag.back() != '>' ||
                           !IsIdentifier(tag.substr(1, tag.size() - 2)))) {
        error = "the token-code line \"" + trimmed + "\" names no member: \"" + marker + " <member>\" is expected";
        return false;
      }
      spliced += "%token" + (tag.empty() ? std::string() : " " + tag) + names;
    } else {
      spliced += line;
    }
    spliced += '\n';
  }
  if (found != 1) {
    error = found == 0 ? std::string("the grammar has no line \"") + kTokenCodesLine +
                             "\" where the token codes go"
                       : std::string("the grammar has ") + std::to_string(found) + " lines \"" +
                             kTokenCodesLine + "\"; one is needed";
    return false;
  }
  return true;
}

}  // namespace larkyacc
