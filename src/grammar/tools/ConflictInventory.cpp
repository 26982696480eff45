// Reading the conflict cells of a byacc report and comparing them with the
// expected ones.
#include "ConflictInventory.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <sstream>

#include "ToolText.h"

namespace larkyacc {

namespace {

struct Rule {
  std::string lhs;
  std::vector<std::string> rhs;
};

// "$$" followed by digits: the symbol byacc makes for a mid-rule action.
bool IsMidRuleSymbol(const std::string& symbol) {
  if (symbol.size() < 3 || symbol.compare(0, 2, "$$") != 0) return false;
  return std::all_of(symbol.begin() + 2, symbol.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

// Reads the numbered rule list at the top of the report: "N  lhs : rhs" and
// "N      | rhs" for further rules of the same left-hand side; byacc right-
// aligns the numbers in four columns, so from rule 1000 on a line starts
// with its number.  Stops at the first state or conflict line.
bool ReadRules(const std::vector<std::string>& lines, std::vector<Rule>& rules, std::size_t& next,
               std::string& error) {
  static const std::regex ruleLine(R"(^\s*(\d+)\s+(.*)$)");
  static const std::regex endOfRules(R"(^(state \d+|\d+: ))");
  std::size_t i = 0;
  for (; i < lines.size() && !std::regex_search(lines[i], endOfRules); ++i) {
    std::smatch m;
    if (!std::regex_match(lines[i], m, ruleLine)) continue;
    int number = -1;
    if (!ParseInt(m[1].str(), number) || number != static_cast<int>(rules.size())) {
      error = "report line " + std::to_string(i + 1) + ": rule " + m[1].str() + " out of order";
      return false;
    }
    const std::string text = Trim(m[2].str());
    Rule rule;
    if (!text.empty() && text[0] == '|') {
      if (rules.empty()) {
        error = "report line " + std::to_string(i + 1) + ": a rule continues no rule";
        return false;
      }
      rule.lhs = rules.back().lhs;
      rule.rhs = Words(text.substr(1));
    } else {
      std::vector<std::string> words = Words(text);
      if (words.size() < 2 || words[1] != ":") {
        error = "report line " + std::to_string(i + 1) + ": cannot read rule \"" + text + "\"";
        return false;
      }
      rule.lhs = words[0];
      rule.rhs.assign(words.begin() + 2, words.end());
    }
    rules.push_back(rule);
  }
  if (rules.empty()) {
    error = "the report has no rule list";
    return false;
  }
  next = i;
  return true;
}

// The text naming rule `r` in a cell.
std::string RuleText(const std::vector<Rule>& rules, const std::map<std::string, int>& hostOf, int r) {
  std::string marked;
  int shown = r;
  if (IsMidRuleSymbol(rules[r].lhs) && rules[r].rhs.empty()) {
    const auto host = hostOf.find(rules[r].lhs);
    if (host != hostOf.end()) {
      marked = rules[r].lhs;
      shown = host->second;
    }
  }
  std::string text = rules[shown].lhs + " :";
  for (const std::string& symbol : rules[shown].rhs)
    text += " " + (symbol == marked ? std::string("{*}") : IsMidRuleSymbol(symbol) ? "{}" : symbol);
  return text;
}

struct Cell {
  int state = 0;
  std::string token;
  bool shift = false;
  std::vector<int> reductions;
};

// One cell line with its parts trimmed and single spaces inside them.
std::vector<std::string> CellParts(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = line.find('|', start);
    std::string part;
    for (const std::string& w : Words(line.substr(start, bar == std::string::npos ? bar : bar - start)))
      part += (part.empty() ? "" : " ") + w;
    parts.push_back(part);
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return parts;
}

std::string JoinParts(const std::vector<std::string>& parts) {
  std::string line;
  for (const std::string& p : parts) line += (line.empty() ? "" : " | ") + p;
  return line;
}

}  // namespace

bool ReadReportCells(const std::string& report, std::vector<std::string>& cells, std::string& error) {
  const std::vector<std::string> lines = SplitLines(report);
  std::vector<Rule> rules;
  std::size_t i = 0;
  if (!ReadRules(lines, rules, i, error)) return false;
  std::map<std::string, int> hostOf;
  for (std::size_t r = 0; r < rules.size(); ++r)
    for (const std::string& symbol : rules[r].rhs)
      if (IsMidRuleSymbol(symbol)) hostOf[symbol] = static_cast<int>(r);

  static const std::regex conflictLine(R"(^(\d+): .*conflict.*$)");
  static const std::regex shiftReduce(
      R"(^(\d+): shift/reduce conflict \(shift (\d+), reduce (\d+)\) on (\S+)$)");
  static const std::regex reduceReduce(
      R"(^(\d+): reduce/reduce conflict \(reduce (\d+), reduce (\d+)\) on (\S+)$)");
  std::vector<Cell> found;
  std::map<std::pair<int, std::string>, std::size_t> index;
  for (; i < lines.size(); ++i) {
    if (!std::regex_match(lines[i], conflictLine)) continue;
    std::smatch m;
    const bool isShift = std::regex_match(lines[i], m, shiftReduce);
    if (!isShift && !std::regex_match(lines[i], m, reduceReduce)) {
      error = "report line " + std::to_string(i + 1) + ": unknown conflict line \"" + lines[i] + "\"";
      return false;
    }
    int state = 0, a = 0, b = 0;
    ParseInt(m[1].str(), state);
    ParseInt(m[2].str(), a);
    ParseInt(m[3].str(), b);
    const std::string token = m[4].str();
    std::vector<int> reductions;
    if (!isShift) reductions.push_back(a);
    reductions.push_back(b);
    for (int r : reductions)
      if (r <= 0 || r >= static_cast<int>(rules.size())) {
        error = "report line " + std::to_string(i + 1) + ": rule " + std::to_string(r) +
                " is not in the rule list";
        return false;
      }
    const auto key = std::make_pair(state, token);
    auto at = index.find(key);
    if (at == index.end()) {
      at = index.emplace(key, found.size()).first;
      Cell cell;
      cell.state = state;
      cell.token = token;
      found.push_back(cell);
    }
    Cell& cell = found[at->second];
    cell.shift = cell.shift || isShift;
    for (int r : reductions)
      if (std::find(cell.reductions.begin(), cell.reductions.end(), r) == cell.reductions.end())
        cell.reductions.push_back(r);
  }
  cells.clear();
  for (Cell& cell : found) {
    std::sort(cell.reductions.begin(), cell.reductions.end());
    std::vector<std::string> parts{cell.token};
    if (cell.shift) parts.push_back("shift");
    for (int r : cell.reductions) parts.push_back("reduce " + RuleText(rules, hostOf, r));
    cells.push_back(JoinParts(CellParts(JoinParts(parts))));
  }
  return true;
}

bool ReadExpectedCells(const std::string& text, std::vector<std::string>& cells, std::string& error) {
  cells.clear();
  const std::vector<std::string> lines = SplitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> parts = CellParts(line);
    std::string problem;
    if (parts[0].empty()) problem = "no token";
    else if (parts.size() < 3) problem = "fewer than two alternatives";
    for (std::size_t p = 1; p < parts.size() && problem.empty(); ++p) {
      if (parts[p] == "shift") {
        if (p != 1) problem = "\"shift\" is not the first alternative";
      } else if (!StartsWith(parts[p], "reduce ") || parts[p].size() <= 7) {
        problem = "\"" + parts[p] + "\" is neither \"shift\" nor \"reduce RULE\"";
      }
    }
    if (!problem.empty()) {
      error = "line " + std::to_string(i + 1) + ": " + problem;
      return false;
    }
    cells.push_back(JoinParts(parts));
  }
  return true;
}

std::string DiffCells(const std::vector<std::string>& expected, const std::vector<std::string>& actual) {
  std::map<std::string, int> balance;  // expected count minus actual count
  for (const std::string& c : expected) ++balance[c];
  for (const std::string& c : actual) --balance[c];
  std::string diff;
  // Missing cells in the order of the expected file, extra ones in report
  // order, each as often as it is missing or extra.
  for (const std::string& c : expected)
    if (balance[c] > 0) {
      diff += "- " + c + "\n";
      --balance[c];
    }
  for (const std::string& c : actual)
    if (balance[c] < 0) {
      diff += "+ " + c + "\n";
      ++balance[c];
    }
  return diff;
}

bool ReadPrecedenceTokens(const std::string& grammar, std::vector<std::string>& tokens, std::string& error) {
  tokens.clear();
  const std::size_t end = grammar.find("\n%%");
  if (end == std::string::npos && grammar.compare(0, 2, "%%") != 0) {
    error = "the grammar has no \"%%\" line";
    return false;
  }
  const std::string declarations = end == std::string::npos ? std::string() : grammar.substr(0, end);
  bool inPrecedence = false;
  std::size_t i = 0;
  while (i < declarations.size()) {
    const char c = declarations[i];
    if (c == '/' && i + 1 < declarations.size() && declarations[i + 1] == '*') {
      const std::size_t close = declarations.find("*/", i + 2);
      i = close == std::string::npos ? declarations.size() : close + 2;
    } else if (c == '/' && i + 1 < declarations.size() && declarations[i + 1] == '/') {
      const std::size_t eol = declarations.find('\n', i);
      i = eol == std::string::npos ? declarations.size() : eol;
    } else if (c == '\'' || c == '"') {
      const std::size_t close = declarations.find(c, i + 1);
      i = close == std::string::npos ? declarations.size() : close + 1;
    } else if (c == '<') {
      const std::size_t close = declarations.find('>', i + 1);
      i = close == std::string::npos ? declarations.size() : close + 1;
    } else if (c == '%' && i + 1 < declarations.size() && declarations[i + 1] == '{') {
      const std::size_t close = declarations.find("%}", i + 2);
      i = close == std::string::npos ? declarations.size() : close + 2;
    } else if (c == '%' || c == '_' || c == '.' || std::isalpha(static_cast<unsigned char>(c))) {
      std::size_t j = i + 1;
      while (j < declarations.size() &&
             (declarations[j] == '_' || declarations[j] == '.' || declarations[j] == '-' ||
              std::isalnum(static_cast<unsigned char>(declarations[j]))))
        ++j;
      const std::string word = declarations.substr(i, j - i);
      if (word[0] == '%')
        inPrecedence = word == "%left" || word == "%right" || word == "%nonassoc" || word == "%precedence";
      else if (inPrecedence)
        tokens.push_back(word);
      i = j;
    } else {
      ++i;
    }
  }
  return true;
}

std::string PrecedenceOnCellTokens(const std::vector<std::string>& expected,
                                   const std::vector<std::string>& precedenceTokens) {
  std::string lines;
  std::vector<std::string> named;
  for (const std::string& cell : expected) {
    const std::string token = CellParts(cell)[0];
    if (std::find(precedenceTokens.begin(), precedenceTokens.end(), token) != precedenceTokens.end() &&
        std::find(named.begin(), named.end(), token) == named.end()) {
      named.push_back(token);
      lines += token + "\n";
    }
  }
  return lines;
}

}  // namespace larkyacc
