// OrvWordTextBin: the text arrays of words whose text the token layer drops
// (reserved words keep only their code), kept by length and handed to the
// next word of the same length, so that most words' texts cost no heap
// allocation and no release.
#ifndef LARK_LEXER_ORVWORDTEXTBIN_H
#define LARK_LEXER_ORVWORDTEXTBIN_H

#include <cstring>

#include "VString.h"

class OrvWordTextBin {
 public:
  // Texts up to this length are kept; longer ones are released at once.
  static constexpr int kMaxKeptLength = 31;
  // At most this many arrays of one length wait in the bin.
  static constexpr int kPerLength = 4;

  OrvWordTextBin() : arrays_(), counts_() {}
  ~OrvWordTextBin() {
    for (int n = 0; n <= kMaxKeptLength; ++n)
      for (int i = 0; i < counts_[n]; ++i) VStringText::Delete(arrays_[n][i], n);
  }
  OrvWordTextBin(const OrvWordTextBin&) = delete;
  OrvWordTextBin& operator=(const OrvWordTextBin&) = delete;

  // Makes `text` a copy of exactly the `n` characters at `s` (a word's
  // characters, which hold no NUL), in an array from the bin when one of
  // that length waits; `text`'s old array goes to the bin.  Null text for
  // n == 0, as VString keeps the empty text.
  void SetText(VString& text, const char* s, int n) {
    char* array = nullptr;
    if (n > 0) {
      array = Take(n);
      std::memcpy(array, s, static_cast<size_t>(n));
      array[n] = '\0';
    }
    Drop(text);
    text.text = array;
    text.length = n;
  }

  // Empties `text`; its array goes to the bin (or is released when the bin
  // holds enough of its length).
  void Drop(VString& text) {
    char* array = text.text;
    const int n = text.length;
    text.text = nullptr;
    text.length = 0;
    if (array == nullptr) return;
    // A text's array holds at least length + 1 bytes (its closing NUL
    // stands at `length`): enough for the next text of that length.
    if (n > 0 && n <= kMaxKeptLength && counts_[n] < kPerLength)
      arrays_[n][counts_[n]++] = array;
    else
      VStringText::Delete(array, n);
  }

 private:
  // An array of n + 1 bytes: from the bin when one waits, else new.
  char* Take(int n) {
    if (n <= kMaxKeptLength && counts_[n] > 0) return arrays_[n][--counts_[n]];
    return VStringText::New(n);
  }

  char* arrays_[kMaxKeptLength + 1][kPerLength];
  int counts_[kMaxKeptLength + 1];
};

#endif
