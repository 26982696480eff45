// Parsing of option words: one word at a time against an option table
// (SetCLFlag), a whole option string split into words (ParseOptionString)
// and an options file with one word per line (ReadOptionsFile).
#include "OrvCLFlag.h"

#include <climits>
#include <cstring>
#include <istream>
#include <string>
#include <vector>

namespace {

// Longest word that is taken at all: a longer one could not be held by a
// VString.
const size_t kMaxWordLength = 65535;
// Longest part of a word quoted in a message.
const size_t kMaxQuotedLength = 1000;
// Longest element of a string list.
const size_t kMaxListElement = 255;
// Most words taken from one option string.
const size_t kMaxOptionStringWords = 1024;
// Longest line and most lines of an options file.
const size_t kMaxOptionsFileLine = 255;
const size_t kMaxOptionsFileLines = 100;

// The message `before` + word + `after`; a very long word is cut and
// marked with "...".
VString WithWord(const char* before, const char* word, const char* after = "") {
  size_t n = std::strlen(word);
  VString shown = n > kMaxQuotedLength ? VString(word, (int)kMaxQuotedLength) + VString("...")
                                       : VString(word);
  return VString(before) + shown + VString(after);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// How reading a run of decimal digits went.
enum DecimalRead { DECIMAL_OK, DECIMAL_NOT_DIGITS, DECIMAL_TOO_LARGE };

// Reads text[0 .. n) as an unsigned decimal number; an empty run is 0.
DecimalRead ReadDecimal(const char* text, size_t n, int& out) {
  long long v = 0;
  bool tooLarge = false;
  for (size_t i = 0; i < n; ++i) {
    if (!IsDigit(text[i])) return DECIMAL_NOT_DIGITS;
    if (!tooLarge) {
      v = v * 10 + (text[i] - '0');
      if (v > INT_MAX) tooLarge = true;
    }
  }
  if (tooLarge) return DECIMAL_TOO_LARGE;
  out = (int)v;
  return DECIMAL_OK;
}

// The first record in table order whose name is exactly name[0 .. len).
const OrvCLFlag* FindOption(const OrvCLFlagTable& table, const char* name, size_t len) {
  int used = table.RecordsInUse();
  for (int i = 0; i < used; ++i) {
    const OrvCLFlag& rec = table.records[i];
    if (rec.kind == 0) break;
    const char* recName = rec.name ? rec.name : "";
    if (std::strlen(recName) == len && std::strncmp(recName, name, len) == 0) return &rec;
  }
  return nullptr;
}

// The parts of one option word.
struct OptionWord {
  const char* word;   // as written, with its '-'
  const char* value;  // after the '=', or null when there is none
  bool negated;       // "no-" stood before the name
};

// Reads text[0 .. n), a number of the word `w`, into `out`; false with the
// message about the whole word in `msg` when it is not a number that fits.
bool TakeDecimal(const OptionWord& w, const char* text, size_t n, int& out, VString& msg) {
  switch (ReadDecimal(text, n, out)) {
    case DECIMAL_NOT_DIGITS:
      msg = WithWord("Not a numeric value: ", w.word);
      return false;
    case DECIMAL_TOO_LARGE:
      msg = WithWord("Numeric value out of range: ", w.word);
      return false;
    case DECIMAL_OK:
      break;
  }
  return true;
}

// Each setter below stores the value of `w` into the variables of `rec`,
// or returns false with the message in `msg` and changes nothing.

bool SetBoolean(const OrvCLFlag& rec, const OptionWord& w, VString& msg) {
  if (w.value) {
    msg = WithWord("Assigning non-boolean value to boolean flag: ", w.word);
    return false;
  }
  *rec.value = w.negated ? 0 : 1;
  return true;
}

bool SetNumber(const OrvCLFlag& rec, const OptionWord& w, VString& msg) {
  if (!w.value) {
    msg = WithWord("Numeric option requires a value: ", w.word);
    return false;
  }
  int n = 0;
  if (!TakeDecimal(w, w.value, std::strlen(w.value), n, msg)) return false;
  *rec.value = n;
  return true;
}

// Elements separated by ','; an empty element is 0 and a trailing ',' ends
// the list.  The elements and the count are stored only when the whole
// value was taken.
bool SetNumberList(const OrvCLFlag& rec, const OptionWord& w, VString& msg) {
  if (!w.value) {
    msg = WithWord("Numeric array option requires a value: ", w.word);
    return false;
  }
  std::vector<int> elements;
  const char* p = w.value;
  while (*p) {
    const char* start = p;
    while (*p && *p != ',') ++p;
    if ((int)elements.size() >= rec.capacity) {
      msg = WithWord("Too many elements in numeric array option: '", w.word, "'");
      return false;
    }
    int n = 0;
    if (!TakeDecimal(w, start, (size_t)(p - start), n, msg)) return false;
    elements.push_back(n);
    if (*p == ',') ++p;
  }
  for (size_t i = 0; i < elements.size(); ++i) rec.value[i] = elements[i];
  *rec.count = (int)elements.size();
  return true;
}

bool SetString(const OrvCLFlag& rec, const OptionWord& w, VString& msg) {
  if (!w.value) {
    msg = WithWord("String option requires a value: ", w.word);
    return false;
  }
  *rec.strings = VString(w.value);
  return true;
}

// Elements end at ',', ';' or the end of the value, and one ',', ';' or ':'
// after an element is passed over.  At most capacity - 1 elements, because
// an empty value is stored after the last one.  Everything is stored only
// when the whole value was taken.
bool SetStringList(const OrvCLFlag& rec, const OptionWord& w, VString& msg) {
  if (!w.value) {
    msg = WithWord("String array option requires a value: ", w.word);
    return false;
  }
  std::vector<std::pair<const char*, size_t>> elements;
  const char* p = w.value;
  while (*p) {
    const char* start = p;
    while (*p && *p != ',' && *p != ';') ++p;
    if ((int)elements.size() >= rec.capacity - 1) {
      msg = WithWord("Too many elements in string array option: '", w.word, "'");
      return false;
    }
    size_t len = (size_t)(p - start);
    if (len > kMaxListElement) {
      msg = WithWord("String array option element longer than 255 characters: ", w.word);
      return false;
    }
    elements.emplace_back(start, len);
    if (*p == ',' || *p == ';' || *p == ':') ++p;
  }
  int n = (int)elements.size();
  for (int i = 0; i < n; ++i)
    rec.strings[i] = VString(elements[i].first, (int)elements[i].second);
  if (n < rec.capacity) rec.strings[n] = VString();
  *rec.count = n;
  return true;
}

// No value or an empty one selects index 0; digits select that index; any
// other value must be one of the words.  An index without a word is
// refused.
bool SetSelection(const OrvCLFlag& rec, const OptionWord& w, VString& msg) {
  int index = 0;
  if (w.value && *w.value) {
    int words = OrvCLFlagWordCount(rec.words);
    size_t len = std::strlen(w.value);
    DecimalRead read = ReadDecimal(w.value, len, index);
    if (read == DECIMAL_NOT_DIGITS) {
      index = -1;
      for (int i = 0; i < words; ++i)
        if (std::strcmp(rec.words[i].text, w.value) == 0) {
          index = i;
          break;
        }
    } else if (read == DECIMAL_TOO_LARGE || index >= words) {
      index = -1;
    }
    if (index < 0) {
      msg = WithWord("Selection option is assigned illegal value: ", w.word);
      return false;
    }
  }
  *rec.value = index;
  return true;
}

// True when the record has every variable its kind writes.
bool HasVariables(const OrvCLFlag& rec) {
  switch (rec.kind) {
    case 'b':
    case 'n':
    case 'l':
      return rec.value != nullptr;
    case 'a':
      return rec.value != nullptr && rec.count != nullptr;
    case 's':
      return rec.strings != nullptr;
    case 'z':
      return rec.strings != nullptr && rec.count != nullptr;
    default:
      return false;
  }
}

// Parses one word that starts with '-'; false with the message in `msg`.
bool SetOneOption(const OrvCLFlagTable& table, const char* word, VString& msg) {
  OptionWord w;
  w.word = word;
  const char* name = word + 1;
  const char* eq = std::strchr(name, '=');
  size_t nameLen = eq ? (size_t)(eq - name) : std::strlen(name);
  w.value = eq ? eq + 1 : nullptr;
  w.negated = nameLen >= 3 && std::strncmp(name, "no-", 3) == 0;
  if (w.negated) {
    name += 3;
    nameLen -= 3;
  }
  const OrvCLFlag* rec = FindOption(table, name, nameLen);
  if (!rec) {
    msg = WithWord("Unknown option: ", word);
    return false;
  }
  if (w.negated && rec->kind != 'b') {
    msg = WithWord("Non-boolean flag ", word, " has no- prefix");
    return false;
  }
  if (!HasVariables(*rec)) {
    msg = VString("SetCLFlag: bad flag code");
    return false;
  }
  switch (rec->kind) {
    case 'b': return SetBoolean(*rec, w, msg);
    case 'n': return SetNumber(*rec, w, msg);
    case 'a': return SetNumberList(*rec, w, msg);
    case 's': return SetString(*rec, w, msg);
    case 'z': return SetStringList(*rec, w, msg);
    case 'l': return SetSelection(*rec, w, msg);
  }
  msg = VString("SetCLFlag: bad flag code");
  return false;
}

// Splits an option string into words at spaces.  A double quote opens a
// part that runs to the next double quote (or the end) and keeps its
// spaces; the quotes themselves are dropped, and the word goes on after the
// closing quote.
std::vector<std::string> SplitOptionString(const char* text) {
  std::vector<std::string> words;
  std::string current;
  bool inWord = false;
  bool quoted = false;
  for (const char* p = text; *p; ++p) {
    if (quoted) {
      if (*p == '"')
        quoted = false;
      else
        current += *p;
    } else if (*p == ' ') {
      if (inWord) words.push_back(current);
      current.clear();
      inWord = false;
    } else {
      if (*p == '"')
        quoted = true;
      else
        current += *p;
      inWord = true;
    }
  }
  if (inWord) words.push_back(current);
  return words;
}

// Runs SetCLFlag over a list of words.
OrvResult SetCLFlagWords(const OrvCLFlagTable& table, const std::vector<std::string>& words,
                         VStringList& files, VStringList& errors) {
  std::vector<const char*> argv;
  argv.reserve(words.size());
  for (const std::string& w : words) argv.push_back(w.c_str());
  return SetCLFlag(table, 0, (int)argv.size(), argv.data(), files, errors);
}

}  // namespace

OrvResult SetCLFlag(const OrvCLFlagTable& table, int first, int last,
                    const char* const* argv, VStringList& files, VStringList& errors) {
  bool failed = false;
  if (first < 0) first = 0;
  for (int i = first; argv && i < last; ++i) {
    const char* word = argv[i];
    if (!word) continue;
    if (std::strlen(word) > kMaxWordLength) {
      errors.Append(WithWord("Command-line word longer than 65535 characters: ", word));
      failed = true;
      continue;
    }
    if (word[0] != '-') {
      files.Append(VString(word));
      continue;
    }
    VString msg;
    if (!SetOneOption(table, word, msg)) {
      errors.Append(msg);
      failed = true;
    }
  }
  return failed ? ORV_BAD_OPTIONS : ORV_OK;
}

OrvResult ParseOptionString(const OrvCLFlagTable& table, const VString& text,
                            VStringList& errors) {
  std::vector<std::string> words = SplitOptionString(text.text ? text.text : "");
  if (words.size() > kMaxOptionStringWords) {
    errors.Append(VString("Too many words in option string (at most 1024)"));
    return ORV_BAD_OPTIONS;
  }
  VStringList files;
  OrvResult result = SetCLFlagWords(table, words, files, errors);
  if (result != ORV_OK) return result;
  if (files.head) {
    errors.Append(WithWord("File names not allowed in options taken from environment variables: ",
                           files.head->value.text ? files.head->value.text : ""));
    return ORV_BAD_OPTIONS;
  }
  return ORV_OK;
}

OrvResult ReadOptionsFile(const OrvCLFlagTable& table, std::istream& in, VString& error) {
  std::vector<std::string> lines;
  for (;;) {
    std::string line;
    bool ended = false;  // a line end was read
    char c;
    while (in.get(c)) {
      if (c == '\n') {
        ended = true;
        break;
      }
      if (line.size() == kMaxOptionsFileLine) {
        error = WithWord("Options file line longer than 255 characters: ", line.c_str(), "...");
        return ORV_BAD_OPTIONS;
      }
      line += c;
    }
    if (in.bad()) {
      error = VString("Cannot read options file");
      return ORV_BAD_OPTIONS;
    }
    if (!ended && line.empty()) break;  // end of the file
    if (lines.size() == kMaxOptionsFileLines) {
      error = VString("Too many lines in options file (at most 100)");
      return ORV_BAD_OPTIONS;
    }
    lines.push_back(line);
    if (line[0] == '[' || !ended) break;
  }
  VStringList files;
  VStringList errors;
  OrvResult result = SetCLFlagWords(table, lines, files, errors);
  if (errors.head) {
    VString joined;
    for (VStringListNode* n = errors.head; n; n = n->next) {
      if (n != errors.head) joined += VString("; ");
      joined += n->value;
    }
    error = joined;
  }
  return result;
}
