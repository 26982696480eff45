// LarkFuzzInput: the form of one input of the fuzz target and of its
// fixtures: a main source followed by COPY members, each member after a line
// "*>MEMBER NAME".  Splitting the bytes into texts is all it does; writing
// them out is the caller's business.
#ifndef LARK_FUZZ_LARKFUZZINPUT_H
#define LARK_FUZZ_LARKFUZZINPUT_H

#include <cstddef>
#include <string>
#include <vector>

// Most members one input carries; a header line after the last is text.
const int LARK_FUZZ_MAX_MEMBERS = 8;
// Longest member name.
const int LARK_FUZZ_MAX_NAME = 8;
// Most words COPY, -INC and INCLUDE an input may hold.  Each distinct
// member copied twice doubles what the lexer reads, so a tree of distinct
// members (which expands in full by design) would otherwise turn up as a
// timeout.
const int LARK_FUZZ_MAX_COPY_WORDS = 16;

struct LarkFuzzMember {
  std::string name;  // upper case, 1 to LARK_FUZZ_MAX_NAME of A-Z, 0-9, '-'
  std::string text;
};

struct LarkFuzzInput {
  std::string mainText;
  std::vector<LarkFuzzMember> members;  // in input order, names distinct
  int copyWords = 0;                    // COPY, -INC and INCLUDE in the whole input

  // True when the input holds too many inclusion words to be run.
  bool TooManyCopies() const { return copyWords > LARK_FUZZ_MAX_COPY_WORDS; }
};

// Splits the bytes into the main text and the members.  A header is a line
// that starts with "*>MEMBER", then one or more spaces, the name (1 to 8 of
// A-Z, a-z, 0-9, '-'; upper-cased), and nothing else but trailing spaces
// or a carriage return.  A line that does not fit, a ninth header and a
// header that repeats an earlier name stay in the text they stand in.  The
// header lines themselves belong to no text.
LarkFuzzInput LarkSplitFuzzInput(const unsigned char* data, std::size_t size);
LarkFuzzInput LarkSplitFuzzInput(const std::string& bytes);

// The number of words COPY, -INC and INCLUDE (in any case) in the bytes,
// where a word is a run of letters, digits, '-' and '_'.
int LarkCountCopyWords(const unsigned char* data, std::size_t size);

#endif
