// Command-line options: the option record every component uses to describe
// its settings, the counted tables that hold them (an option group, the
// registry of the tool driver), parsing of option words from the command
// line, from a string and from an options file, and the two listings (the
// help listing and the short, re-readable form).
//
// Parsing writes straight into the variables that the records point to.
// Errors are reported as texts in a list (or a VString) and a result code;
// parsing never stops at a bad word.
#ifndef LARK_FOUNDATION_ORVCLFLAG_H
#define LARK_FOUNDATION_ORVCLFLAG_H

#include <iosfwd>

#include "OrvResult.h"
#include "VString.h"
#include "VStringList.h"

// One option.  `kind` says how the other fields are used:
//   'b'  boolean: *value is 0 or 1; "-name" sets 1, "-no-name" sets 0.
//   'n'  number: *value, a non-negative decimal.
//   'a'  number list: value[0 .. *count) with room for `capacity` elements.
//   's'  string: *strings.
//   'z'  string list: strings[0 .. *count), at most capacity - 1 elements,
//        followed by an empty value that ends the list for readers.
//   'l'  selection: *value is the index of a word of `words` (ended by an
//        entry of length 0); `strings`, when not null, holds a display text
//        for each index.
//   '-'  group heading: empty name, the group title in `description`.
//   0    ends an array of records.
// A record is taken into a table only when its `mask` shares a bit with the
// mask the caller gives.
struct OrvCLFlag {
  char kind;
  const char* name;
  int* value;
  VString* words;
  VString* strings;
  int* count;
  int capacity;
  const char* description;
  int mask;
};

// Most records an option table holds.
const int ORV_CL_FLAG_TABLE_SIZE = 120;

// A counted option table: an option group or the registry.  The record after
// the last one in use is a terminator (all fields zero), so `records` can
// also be read as a kind-0-ended array; the extra last slot always stays a
// terminator.
struct OrvCLFlagTable {
  int count;
  OrvCLFlag records[ORV_CL_FLAG_TABLE_SIZE + 1];

  // An empty table: count 0 and every record cleared.
  OrvCLFlagTable();

  // The number of records in use: the count, kept within 0 .. 120 since a
  // table filled from outside may carry any count.
  int RecordsInUse() const;
};

// The number of selection words in `words` before the entry of length 0
// that ends them; 0 for no words.
int OrvCLFlagWordCount(const VString* words);

// Fills `table` with the records of the kind-0-ended `array` whose mask
// shares a bit with `mask`, in order, then a terminator, and sets the count.
// A 121st matching record is refused: the table keeps the first 120,
// `error` receives "BuildOptionGroup: too many options" and the result is
// ORV_TOO_MANY_OPTIONS.
OrvResult BuildOptionGroup(OrvCLFlagTable& table, const OrvCLFlag* array, int mask,
                           VString& error);

// Appends the records of the kind-0-ended `array` (or of the counted `group`)
// whose mask shares a bit with `mask` to `registry` and rewrites the
// terminator after them.  When a record would be the 121st, `error`
// receives "OrvAddCommandLineFlags: too many options" and the result is
// ORV_TOO_MANY_OPTIONS; the records added before it stay.
OrvResult OrvAddCommandLineFlags(OrvCLFlagTable& registry, const OrvCLFlag* array,
                                 VString& error, int mask);
OrvResult OrvAddCommandLineFlags(OrvCLFlagTable& registry, const OrvCLFlagTable& group,
                                 VString& error, int mask);
// Appends one record, whatever its mask, with the same limit.
OrvResult OrvAddCommandLineFlags(OrvCLFlagTable& registry, const OrvCLFlag& record,
                                 VString& error);

// Parses the words argv[first .. last).  A word that does not start with
// '-' is appended to `files`; every other word sets the option it names.
// Each problem appends one message to `errors` and parsing goes on with the
// next word.  Result ORV_BAD_OPTIONS when any word gave an error, else 0.
OrvResult SetCLFlag(const OrvCLFlagTable& table, int first, int last,
                    const char* const* argv, VStringList& files, VStringList& errors);

// Splits `text` at spaces into words (a double-quoted part keeps its spaces
// and loses its quotes; at most 1024 words) and parses them with SetCLFlag.
// File names are refused: the options come from an environment variable.
// Result ORV_BAD_OPTIONS with the messages in `errors`, else 0.
OrvResult ParseOptionString(const OrvCLFlagTable& table, const VString& text,
                            VStringList& errors);

// Reads an options file: one option word per line (at most 255 characters,
// at most 100 lines), up to and including a line that starts with '['.
// Lines that are not options are passed over.  The error texts are joined
// into `error`, separated by "; ".  Result ORV_BAD_OPTIONS on any error
// (a line too long, too many lines or a read failure parse nothing).
OrvResult ReadOptionsFile(const OrvCLFlagTable& table, std::istream& in, VString& error);

// The help listing: the words argv[first .. last), then every record of
// the table with its kind, its current value and its description.
OrvResult PrintOptionsHelp(const OrvCLFlagTable& table, std::ostream& os, int first,
                           int last, const char* const* argv);

// The short form of one record: the option word that sets its current
// value ("-name", "-no-name" or "-name=value"); nothing for a heading or a
// terminator.
void PrintOptionShort(const OrvCLFlag& record, std::ostream& os);
// The short form of every option of the table whose mask shares a bit with
// `mask`, one per line (the "*.cop" options-file form).
void PrintOptionsShort(const OrvCLFlagTable& table, std::ostream& os, int mask);
// The same short forms appended to `list`, one entry per option.
void OptionsToList(const OrvCLFlagTable& table, VStringList& list, int mask);

#endif
