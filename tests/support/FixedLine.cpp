// The fixed-format line builders of the tests.
#include "FixedLine.h"

#include <gtest/gtest.h>

std::string FixedLine(const std::string& areaA, const std::string& areaB, char indicator,
                      const std::string& sequence) {
  std::string line = sequence;
  if (line.size() > 6) ADD_FAILURE() << "sequence area longer than 6 columns: " << sequence;
  line.resize(6, ' ');
  line += indicator;
  line += areaA;
  if (!areaB.empty()) {
    if (areaA.size() > 4) ADD_FAILURE() << "Area A text runs into Area B: " << areaA;
    line.resize(11, ' ');
    line += areaB;
  }
  if (line.size() > 72) ADD_FAILURE() << "fixed-format line past column 72: " << line;
  return line;
}

std::string AreaA(const std::string& text) { return FixedLine(text); }

std::string AreaB(const std::string& text) { return FixedLine("", text); }

std::string CommentLine(const std::string& text) { return FixedLine(text, "", '*'); }

std::string ContinuationLine(const std::string& text) { return FixedLine("", text, '-'); }

std::string Lines(std::initializer_list<std::string> lines) {
  std::string all;
  for (const std::string& l : lines) {
    all += l;
    all += '\n';
  }
  return all;
}
