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
  if (list.head == nullptr) return;
  *tail_ = list.head;
  OrvTokenListNode* last = list.head;
  while (last->next != nullptr) last = last->next;
  tail_ = &last->next;
  list.head = nullptr;
}

void OrvTokenChain::MoveToFront(OrvTokenList& list) {
  if (head_ == nullptr) return;
  *tail_ = list.head;
  list.head = head_;
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
