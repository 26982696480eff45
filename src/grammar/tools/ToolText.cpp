// Text helpers of the grammar build tools.
#include "ToolText.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

namespace larkyacc {

bool ReadTextFile(const std::string& path, std::string& text, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) {
    error = "cannot read " + path;
    return false;
  }
  text = content.str();
  return true;
}

bool WriteTextFile(const std::string& path, const std::string& text, std::string& error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) {
    error = "cannot create " + path + ": " + std::strerror(errno);
    return false;
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.push_back(text.substr(start, stop - start));
    start = end + 1;
  }
  return lines;
}

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

bool ParseInt(const std::string& s, int& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  if (i == s.size()) return false;
  long long v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v > INT_MAX || v < INT_MIN) return false;
  value = static_cast<int>(v);
  return true;
}

int RunToolMain(int argc, char** argv, int argCount, const char* usage,
                bool (*job)(const std::vector<std::string>& args, std::string& error)) {
  std::string program = argc > 0 ? argv[0] : "grammar tool";
  program = program.substr(program.rfind('/') + 1);
  if (argc != argCount + 1) {
    std::cerr << "usage: " << program << " " << usage << "\n";
    return 1;
  }
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  if (!job(args, error)) {
    std::cerr << program << ": " << error << "\n";
    return 1;
  }
  return 0;
}

}  // namespace larkyacc
