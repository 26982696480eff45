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

OrvToken* OrvTokenChain::PopFirst() {
  OrvTokenListNode* node = head_;
  if (node == nullptr) return nullptr;
  head_ = node->next;
  if (head_ == nullptr) tail_ = &head_;
  OrvToken* token = node->token;
  delete node;
  return token;
}

void OrvTokenChain::TakeList(OrvTokenList& list) {
  OrvTokenListNode* last = nullptr;
  OrvTokenListNode* first = list.ReleaseNodes(&last);
  if (first == nullptr) return;
  *tail_ = first;
  tail_ = &last->next;
}

void OrvTokenChain::MoveNodesToFront(OrvTokenList& list) {
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
