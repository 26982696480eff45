// The recording message sink of the tests.
#include "MessageRecorder.h"

#include <sstream>

MessageRecorder* MessageRecorder::current_ = nullptr;

MessageRecorder::MessageRecorder() : saved_(OrvGlobalMessageSink) {
  current_ = this;
  OrvGlobalMessageSink = &MessageRecorder::Sink;
}

MessageRecorder::~MessageRecorder() {
  OrvGlobalMessageSink = saved_;
  current_ = nullptr;
}

bool MessageRecorder::Has(int level, const std::string& text) const {
  for (const RecordedMessage& m : messages_) {
    if (m.level == level && m.text == text) return true;
  }
  return false;
}

int MessageRecorder::Count(int level) const {
  int n = 0;
  for (const RecordedMessage& m : messages_) n += m.level == level;
  return n;
}

std::string MessageRecorder::Dump() const {
  std::ostringstream out;
  for (const RecordedMessage& m : messages_) out << m.level << ' ' << m.text << '\n';
  return out.str();
}

void MessageRecorder::Sink(int level, const OrvTxtPosn* posn, const VString* text) {
  if (current_ == nullptr) return;
  RecordedMessage m{level, posn ? *posn : OrvTxtPosn(),
                    text && text->text ? std::string(text->text, static_cast<size_t>(text->length))
                                       : std::string()};
  current_->messages_.push_back(m);
  if (current_->onMessage) current_->onMessage(current_->messages_.back());
}
