// The tail-kept token chain of the lexer.
#include "OrvTokenChain.h"

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
