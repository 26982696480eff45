// The tail-kept token chain of the lexer.
#include "OrvTokenChain.h"

OrvTokenChain::OrvTokenChain(OrvTokenChain&& o) noexcept : head_(nullptr), tail_(&head_) {
  Splice(o);
}

OrvTokenChain& OrvTokenChain::operator=(OrvTokenChain&& o) noexcept {
  if (this != &o) {
    Clear();
    Splice(o);
  }
  return *this;
}

void OrvTokenChain::Append(OrvToken* token) {
  OrvTokenListNode* node = new OrvTokenListNode{token, nullptr};
  *tail_ = node;
  tail_ = &node->next;
}

void OrvTokenChain::PushFront(OrvToken* token) {
  OrvTokenListNode* node = new OrvTokenListNode{token, head_};
  if (head_ == nullptr) tail_ = &node->next;
  head_ = node;
}

void OrvTokenChain::Splice(OrvTokenChain& other) {
  if (&other == this || other.head_ == nullptr) return;
  *tail_ = other.head_;
  tail_ = other.tail_;
  other.Reset();
}

void OrvTokenChain::Prepend(OrvTokenChain& other) {
  if (&other == this || other.head_ == nullptr) return;
  *other.tail_ = head_;
  if (head_ == nullptr) tail_ = other.tail_;
  head_ = other.head_;
  other.Reset();
}

void OrvTokenChain::TakeList(OrvTokenList& list) {
  OrvTokenListNode* last = nullptr;
  OrvTokenListNode* first = list.ReleaseNodes(&last);
  if (first == nullptr) return;
  *tail_ = first;
  tail_ = &last->next;
}

void OrvTokenChain::MoveToFront(OrvTokenList& list) {
  if (head_ == nullptr) return;
  OrvTokenListNode* last = head_;
  while (last->next != nullptr) last = last->next;
  list.PrependNodes(head_, last);
  Reset();
}

void OrvTokenChain::DeleteAll() {
  while (head_ != nullptr) {
    OrvTokenListNode* node = head_;
    head_ = node->next;
    delete node->token;
    delete node;
  }
  Reset();
}
