// OrvTokenChain: an owning list of tokens that keeps a link to its tail, so
// that appending a token or a whole other chain costs the same however long
// the chain has grown.  The lexer gathers comment lines, spaces and the
// pieces of literals in chains and hands them to OrvTokenList owners at the
// end.
#ifndef LARK_LEXER_ORVTOKENCHAIN_H
#define LARK_LEXER_ORVTOKENCHAIN_H

#include "OrvToken.h"

class OrvTokenChain {
 public:
  OrvTokenChain() : head_(nullptr), tail_(&head_) {}
  OrvTokenChain(const OrvTokenChain&) = delete;
  OrvTokenChain& operator=(const OrvTokenChain&) = delete;
  // Takes the other chain's tokens; the other chain is left empty.
  OrvTokenChain(OrvTokenChain&& o) noexcept : head_(nullptr), tail_(&head_) { Splice(o); }
  OrvTokenChain& operator=(OrvTokenChain&& o) noexcept {
    if (this != &o) {
      Clear();
      Splice(o);
    }
    return *this;
  }
  // Deletes every token.
  ~OrvTokenChain() { Clear(); }

  bool IsEmpty() const { return head_ == nullptr; }
  // The first token, or null.
  OrvToken* First() const { return head_ ? head_->token : nullptr; }
  OrvTokenListNode* Head() const { return head_; }

  // Appends the token at the tail and takes it over.
  void Append(OrvToken* token);
  // Puts the token in front and takes it over.
  void PushFront(OrvToken* token);
  // Unlinks the first token and gives it to the caller; null when empty.
  OrvToken* PopFirst();
  // Moves all of other's tokens to the end of this chain (other ends empty).
  void Splice(OrvTokenChain& other) {
    if (&other == this || other.head_ == nullptr) return;
    *tail_ = other.head_;
    tail_ = other.tail_;
    other.Reset();
  }
  // Moves all of other's tokens to the front of this chain (other ends
  // empty).
  void Prepend(OrvTokenChain& other) {
    if (&other == this || other.head_ == nullptr) return;
    *other.tail_ = head_;
    if (head_ == nullptr) tail_ = other.tail_;
    head_ = other.head_;
    other.Reset();
  }
  // Moves all tokens of the list to the end of this chain; costs nothing
  // that grows with either.
  void TakeList(OrvTokenList& list);
  // Moves this chain's tokens in front of the list's (this chain ends
  // empty); costs one walk over the tokens moved, never over the list.
  // Inline for the empty chain, which most units carry.
  void MoveToFront(OrvTokenList& list) {
    if (head_ != nullptr) MoveNodesToFront(list);
  }
  // Deletes every token.
  void Clear() {
    if (head_ != nullptr) DeleteAll();
  }

 private:
  void DeleteAll();
  void MoveNodesToFront(OrvTokenList& list);
  void Reset() {
    head_ = nullptr;
    tail_ = &head_;
  }
  OrvTokenListNode* head_;
  OrvTokenListNode** tail_;  // the link that the next token goes into
};

#endif
