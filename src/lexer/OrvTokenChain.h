// OrvTokenChain: an owning list of tokens that appends, prepends and takes
// whole other lists at a cost that does not grow with either.  The lexer
// gathers comment lines, spaces and the pieces of literals in chains and
// hands them to OrvTokenList owners at the end.  It is a token list with
// the moves the lexer makes.
#ifndef LARK_LEXER_ORVTOKENCHAIN_H
#define LARK_LEXER_ORVTOKENCHAIN_H

#include "OrvToken.h"

class OrvTokenChain {
 public:
  OrvTokenChain() = default;
  OrvTokenChain(const OrvTokenChain&) = delete;
  OrvTokenChain& operator=(const OrvTokenChain&) = delete;
  // Takes the other chain's tokens; the other chain is left empty.
  OrvTokenChain(OrvTokenChain&& o) noexcept {
    if (!o.IsEmpty()) list_.Splice(o.list_);
  }
  OrvTokenChain& operator=(OrvTokenChain&& o) noexcept {
    if (this != &o) {
      Clear();
      if (!o.IsEmpty()) list_.Splice(o.list_);
    }
    return *this;
  }

  bool IsEmpty() const { return list_.IsEmpty(); }
  // The first token, or null.
  OrvToken* First() const { return list_.First(); }
  // The tokens, for walking them.
  const OrvTokenList& Tokens() const { return list_; }

  // Appends the token at the tail and takes it over.
  void Append(OrvToken* token) { list_.Append(token); }
  // Puts the token in front and takes it over.
  void PushFront(OrvToken* token) { list_.PushFrontToken(token); }
  // Unlinks the first token and gives it to the caller; null when empty.
  OrvToken* PopFirst() { return list_.PopFirst(); }
  // Moves all of other's tokens to the end of this chain (other ends empty).
  // Each move tests for an empty chain inline: most chains the lexer moves
  // are empty, and the list's own moves are out of line.
  void Splice(OrvTokenChain& other) {
    if (!other.IsEmpty()) list_.Splice(other.list_);
  }
  // Moves all of other's tokens to the front of this chain (other ends
  // empty).
  void Prepend(OrvTokenChain& other) {
    if (!other.IsEmpty()) list_.Prepend(other.list_);
  }
  // Moves all tokens of the list to the end of this chain.
  void TakeList(OrvTokenList& list) {
    if (!list.IsEmpty()) list_.Splice(list);
  }
  // Moves this chain's tokens in front of the list's (this chain ends
  // empty).
  void MoveToFront(OrvTokenList& list) {
    if (!list_.IsEmpty()) list.Prepend(list_);
  }
  // Deletes every token.
  void Clear() {
    if (!list_.IsEmpty()) list_.Clear();
  }

 private:
  OrvTokenList list_;
};

#endif
