// OrvLexUnitQueue: a first-in first-out queue of lexer units that grows as
// needed (a ring buffer doubled when full).  The replacement layer hands out
// the units of a replacement through it, and units pushed back in front of
// that layer go to its head.
#ifndef LARK_LEXER_ORVLEXUNITQUEUE_H
#define LARK_LEXER_ORVLEXUNITQUEUE_H

#include <utility>

#include "OrvLexUnit.h"

class OrvLexUnitQueue {
 public:
  OrvLexUnitQueue() = default;
  OrvLexUnitQueue(const OrvLexUnitQueue&) = delete;
  OrvLexUnitQueue& operator=(const OrvLexUnitQueue&) = delete;
  // Deletes every unit still queued.
  ~OrvLexUnitQueue() { delete[] items_; }

  bool IsEmpty() const { return count_ == 0; }
  int Count() const { return count_; }
  // The unit at the head; only while the queue is not empty.
  OrvLexUnit& Front() { return items_[head_]; }

  // Takes the unit's content to the tail (PushBack) or the head
  // (PushFront); the unit is left empty.
  void PushBack(OrvLexUnit& unit) {
    if (count_ == cap_) Grow();
    items_[(head_ + count_) % cap_] = std::move(unit);
    ++count_;
  }
  void PushFront(OrvLexUnit& unit) {
    if (count_ == cap_) Grow();
    head_ = (head_ + cap_ - 1) % cap_;
    items_[head_] = std::move(unit);
    ++count_;
  }
  // Moves the head unit into `unit` (overwriting it); only while the queue
  // is not empty.
  void PopFront(OrvLexUnit& unit) {
    unit = std::move(items_[head_]);
    head_ = (head_ + 1) % cap_;
    --count_;
  }
  // Deletes every unit queued.
  void Clear() {
    for (int i = 0; i < count_; ++i) items_[(head_ + i) % cap_].Clear();
    head_ = 0;
    count_ = 0;
  }
  // Exchanges the contents of the two queues.
  void Swap(OrvLexUnitQueue& o) {
    std::swap(items_, o.items_);
    std::swap(cap_, o.cap_);
    std::swap(head_, o.head_);
    std::swap(count_, o.count_);
  }

 private:
  static const int kFirstCapacity = 16;
  void Grow() {
    const int cap = cap_ == 0 ? kFirstCapacity : cap_ * 2;
    OrvLexUnit* items = new OrvLexUnit[cap];
    for (int i = 0; i < count_; ++i) items[i] = std::move(items_[(head_ + i) % cap_]);
    delete[] items_;
    items_ = items;
    cap_ = cap;
    head_ = 0;
  }

  OrvLexUnit* items_ = nullptr;
  int cap_ = 0;
  int head_ = 0;
  int count_ = 0;
};

#endif
