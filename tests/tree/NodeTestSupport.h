// Test support for the node classes: a message sink that records every
// message sent through the global sink while a recorder is alive.
#ifndef NODE_TEST_SUPPORT_H
#define NODE_TEST_SUPPORT_H

#include <string>
#include <vector>

#include "OrvMessageSink.h"
#include "OrvTxtPosn.h"
#include "VString.h"

struct RecordedMessage {
  int level;
  OrvTxtPosn posn;
  std::string text;
};

class MessageRecorder {
 public:
  MessageRecorder() : saved_(OrvGlobalMessageSink) {
    current_ = this;
    OrvGlobalMessageSink = &MessageRecorder::Sink;
  }
  ~MessageRecorder() {
    OrvGlobalMessageSink = saved_;
    current_ = nullptr;
  }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  const std::vector<RecordedMessage>& messages() const { return messages_; }
  size_t size() const { return messages_.size(); }
  const std::string& text(size_t i) const { return messages_.at(i).text; }
  void clear() { messages_.clear(); }

  // The recorder in use, for sinks that call back into the tree.
  static MessageRecorder* current() { return current_; }
  // Called (once per message) after a message is recorded, when set.
  void (*onMessage)(const RecordedMessage&) = nullptr;

 private:
  static void Sink(int level, const OrvTxtPosn* posn, const VString* text) {
    RecordedMessage m{level, posn ? *posn : OrvTxtPosn(),
                      text && text->text ? std::string(text->text, text->length) : std::string()};
    current_->messages_.push_back(m);
    if (current_->onMessage) current_->onMessage(m);
  }

  OrvMessageSink saved_;
  std::vector<RecordedMessage> messages_;
  static inline MessageRecorder* current_ = nullptr;
};

#endif
