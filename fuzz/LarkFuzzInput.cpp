// Splitting one fuzz input into its main source and COPY members, and the
// count of inclusion words that decides whether it is run at all.
#include "LarkFuzzInput.h"

#include <cctype>
#include <cstring>

namespace {

const char kHeader[] = "*>MEMBER";
const std::size_t kHeaderLength = sizeof kHeader - 1;

// The words that open a member, upper case.
const char* const kCopyWords[] = {"COPY", "-INC", "INCLUDE"};

bool IsWordChar(unsigned char c) { return std::isalnum(c) != 0 || c == '-' || c == '_'; }

bool IsNameChar(unsigned char c) { return std::isalnum(c) != 0 || c == '-'; }

bool SameWordNoCase(const unsigned char* word, std::size_t length, const char* upper) {
  if (std::strlen(upper) != length) return false;
  for (std::size_t i = 0; i < length; ++i)
    if (std::toupper(word[i]) != static_cast<unsigned char>(upper[i])) return false;
  return true;
}

// The member name of a header line, upper-cased, or "" when the line is no
// header.
std::string HeaderName(const unsigned char* line, std::size_t length) {
  if (length <= kHeaderLength || std::memcmp(line, kHeader, kHeaderLength) != 0) return "";
  std::size_t i = kHeaderLength;
  if (line[i] != ' ') return "";
  while (i < length && line[i] == ' ') ++i;
  std::string name;
  while (i < length && IsNameChar(line[i])) name += static_cast<char>(std::toupper(line[i++]));
  while (i < length && (line[i] == ' ' || line[i] == '\r')) ++i;
  if (i != length || name.empty() || name.size() > static_cast<std::size_t>(LARK_FUZZ_MAX_NAME)) return "";
  return name;
}

bool HasMember(const LarkFuzzInput& input, const std::string& name) {
  for (const LarkFuzzMember& m : input.members)
    if (m.name == name) return true;
  return false;
}

}  // namespace

int LarkCountCopyWords(const unsigned char* data, std::size_t size) {
  int count = 0;
  std::size_t i = 0;
  while (i < size) {
    if (!IsWordChar(data[i])) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < size && IsWordChar(data[i])) ++i;
    for (const char* word : kCopyWords)
      if (SameWordNoCase(data + start, i - start, word)) ++count;
  }
  return count;
}

LarkFuzzInput LarkSplitFuzzInput(const unsigned char* data, std::size_t size) {
  LarkFuzzInput input;
  input.members.reserve(LARK_FUZZ_MAX_MEMBERS);
  input.copyWords = LarkCountCopyWords(data, size);
  std::string* text = &input.mainText;
  std::size_t at = 0;
  while (at < size) {
    const void* found = std::memchr(data + at, '\n', size - at);
    const std::size_t end = found != nullptr ? static_cast<const unsigned char*>(found) - data : size;
    const std::size_t next = found != nullptr ? end + 1 : size;
    const std::string name = input.members.size() < static_cast<std::size_t>(LARK_FUZZ_MAX_MEMBERS)
                                 ? HeaderName(data + at, end - at)
                                 : std::string();
    if (!name.empty() && !HasMember(input, name)) {
      input.members.push_back(LarkFuzzMember{name, std::string()});
      text = &input.members.back().text;
    } else {
      text->append(reinterpret_cast<const char*>(data + at), next - at);
    }
    at = next;
  }
  return input;
}

LarkFuzzInput LarkSplitFuzzInput(const std::string& bytes) {
  return LarkSplitFuzzInput(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}
