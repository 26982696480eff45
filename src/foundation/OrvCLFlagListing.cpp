// Listings of an option table: the help listing with kinds, current values
// and descriptions, and the short form that can be read back as options.
#include "OrvCLFlag.h"

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* TextOf(const char* s) { return s ? s : ""; }
const char* TextOf(const VString& s) { return s.text ? s.text : ""; }

int IntOf(const int* p) { return p ? *p : 0; }

// Number of elements of a list option, kept within its room.
int ElementsOf(const OrvCLFlag& rec) {
  int n = IntOf(rec.count);
  if (n < 0) return 0;
  return n > rec.capacity ? rec.capacity : n;
}

// The word of a selection at its current index; empty when the index has no
// word.  With `display`, the record's display text for the index is taken
// when the record has display texts.
const char* SelectedWord(const OrvCLFlag& rec, bool display) {
  int index = IntOf(rec.value);
  if (index < 0 || index >= OrvCLFlagWordCount(rec.words)) return "";
  if (display && rec.strings) return TextOf(rec.strings[index]);
  return TextOf(rec.words[index]);
}

void PrintHelpRecord(const OrvCLFlag& rec, std::ostream& os) {
  if (rec.kind == '-') {
    os << "\n*** " << TextOf(rec.description) << " ***\n\n";
    return;
  }
  const char* name = TextOf(rec.name);
  os << "-" << name;
  switch (rec.kind) {
    case 'b':
      os << "=boolean (now: " << (IntOf(rec.value) ? "+ON+" : "-OFF-") << ", can be -" << name
         << " or -no-" << name << ")";
      break;
    case 'l': {
      os << "=";
      int words = OrvCLFlagWordCount(rec.words);
      for (int i = 0; i < words; ++i) os << (i ? "|" : "") << TextOf(rec.words[i]);
      os << " (now: " << SelectedWord(rec, true) << ")";
      break;
    }
    case 'n':
      os << "=number (now: " << IntOf(rec.value) << ")";
      break;
    case 'a': {
      os << "=number list (now: ";
      int n = rec.value ? ElementsOf(rec) : 0;
      for (int i = 0; i < n; ++i) os << (i ? "," : "") << rec.value[i];
      os << ")";
      break;
    }
    case 's':
      os << "=string (now: \"" << (rec.strings ? TextOf(*rec.strings) : "") << "\")";
      break;
    case 'z': {
      os << "=string list (now: ";
      int n = rec.strings ? ElementsOf(rec) : 0;
      for (int i = 0; i < n; ++i) os << (i ? "," : "") << "\"" << TextOf(rec.strings[i]) << "\"";
      os << ")";
      break;
    }
    default:
      break;
  }
  os << "\n\t" << TextOf(rec.description) << "\n";
}

// The records of the table that have a short form for `mask`: every option
// (not a heading) whose mask shares a bit with it, in table order.
std::vector<const OrvCLFlag*> ShortFormRecords(const OrvCLFlagTable& table, int mask) {
  std::vector<const OrvCLFlag*> out;
  int used = table.RecordsInUse();
  for (int i = 0; i < used; ++i) {
    const OrvCLFlag& rec = table.records[i];
    if (rec.kind == 0) break;
    if (rec.kind == '-' || (rec.mask & mask) == 0) continue;
    out.push_back(&rec);
  }
  return out;
}

}  // namespace

OrvResult PrintOptionsHelp(const OrvCLFlagTable& table, std::ostream& os, int first,
                           int last, const char* const* argv) {
  os << "Command-Line arguments parsed:\n";
  if (first < 0) first = 0;
  for (int i = first; argv && i < last; ++i) os << "  " << TextOf(argv[i]) << "\n";
  os << "\nCommand-Line parameters set:\n";
  int used = table.RecordsInUse();
  for (int i = 0; i < used && table.records[i].kind != 0; ++i)
    PrintHelpRecord(table.records[i], os);
  return ORV_OK;
}

void PrintOptionShort(const OrvCLFlag& rec, std::ostream& os) {
  if (rec.kind == 0 || rec.kind == '-') return;
  const char* name = TextOf(rec.name);
  if (rec.kind == 'b') {
    os << "-" << (IntOf(rec.value) == 0 ? "no-" : "") << name;
    return;
  }
  os << "-" << name << "=";
  switch (rec.kind) {
    case 'n':
      os << IntOf(rec.value);
      break;
    case 'a': {
      int n = rec.value ? ElementsOf(rec) : 0;
      for (int i = 0; i < n; ++i) os << (i ? "," : "") << rec.value[i];
      break;
    }
    case 's':
      if (rec.strings) os << TextOf(*rec.strings);
      break;
    case 'z': {
      int n = rec.strings ? ElementsOf(rec) : 0;
      for (int i = 0; i < n; ++i) os << (i ? "," : "") << TextOf(rec.strings[i]);
      break;
    }
    case 'l':
      os << SelectedWord(rec, false);
      break;
    default:
      os << "UNKNOWN-TYPE";
      break;
  }
}

void PrintOptionsShort(const OrvCLFlagTable& table, std::ostream& os, int mask) {
  for (const OrvCLFlag* rec : ShortFormRecords(table, mask)) {
    PrintOptionShort(*rec, os);
    os << "\n";
  }
}

void OptionsToList(const OrvCLFlagTable& table, VStringList& list, int mask) {
  for (const OrvCLFlag* rec : ShortFormRecords(table, mask)) {
    std::ostringstream os;
    PrintOptionShort(*rec, os);
    std::string s = os.str();
    list.Append(VString(s.c_str()));
  }
}
