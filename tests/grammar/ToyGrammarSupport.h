// Helpers of the tests that use the toy grammar: its rules found by text,
// written as in the conflict file ("{}" for a mid-rule action, "{*}" for
// the one whose own empty rule is meant), so that no test depends on
// byacc's rule numbers.
#ifndef LARK_TESTS_GRAMMAR_TOYGRAMMARSUPPORT_H
#define LARK_TESTS_GRAMMAR_TOYGRAMMARSUPPORT_H

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "ToyGrammar.h"

namespace toy_grammar {

inline std::vector<std::string> RuleWords(int rule) {
  std::istringstream in(ParseTables.RuleText(rule));
  std::vector<std::string> words;
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

// The text of `rule` in the notation above.
inline std::string ToyRuleText(int rule) {
  static const std::regex midRule(R"(^\$\$\d+$)");
  std::vector<std::string> words = RuleWords(rule);
  std::string marked;
  if (words.size() == 2 && std::regex_match(words[0], midRule)) {
    marked = words[0];
    for (int host = 1; host < ParseTables.ruleCount; ++host) {
      const std::vector<std::string> hostWords = RuleWords(host);
      for (std::size_t i = 2; i < hostWords.size(); ++i)
        if (hostWords[i] == marked) words = hostWords;
    }
  }
  std::string text;
  for (const std::string& w : words)
    text += (text.empty() ? "" : " ") + (w == marked ? std::string("{*}") : std::regex_match(w, midRule) ? "{}" : w);
  return text;
}

// The number of the rule with that text, or -1.
inline int ToyRule(const std::string& text) {
  for (int r = 0; r < ParseTables.ruleCount; ++r)
    if (ToyRuleText(r) == text) return r;
  return -1;
}

}  // namespace toy_grammar

#endif
