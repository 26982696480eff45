// A message recorder for tests: while one is alive it is the process-wide
// message sink, and its Sink function can also be handed to components that
// take a message call-back of their own (the lexer, the parser settings).
// Every message is recorded with its level, position and whole text; a
// terminal message is recorded too and, unlike the normal sink, does not end
// the process, so tests can check what follows it.
#ifndef LARK_TESTS_SUPPORT_MESSAGERECORDER_H
#define LARK_TESTS_SUPPORT_MESSAGERECORDER_H

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
  // Installs the recorder as OrvGlobalMessageSink; at most one at a time.
  MessageRecorder();
  // Puts the previous sink back.
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  // Everything recorded so far, in arrival order.
  const std::vector<RecordedMessage>& messages() const { return messages_; }
  size_t size() const { return messages_.size(); }
  // The text of message `i` (checked index).
  const std::string& text(size_t i) const { return messages_.at(i).text; }
  // The level of message `i` (checked index).
  int level(size_t i) const { return messages_.at(i).level; }
  // Whether a message of this level and text was recorded.
  bool Has(int level, const std::string& text) const;
  // How many messages of this level were recorded.
  int Count(int level) const;
  // Every message as "LEVEL text" lines (LEVEL the number), for diagnostics.
  std::string Dump() const;
  void clear() { messages_.clear(); }

  // Called (once per message) after a message is recorded, when set.
  void (*onMessage)(const RecordedMessage&) = nullptr;

  // The recorder in use, or null.
  static MessageRecorder* current() { return current_; }
  // The sink function: records into the current recorder (ignored when none
  // is alive).  Usable wherever an OrvMessageSink is taken.
  static void Sink(int level, const OrvTxtPosn* posn, const VString* text);

 private:
  OrvMessageSink saved_;
  std::vector<RecordedMessage> messages_;
  static MessageRecorder* current_;
};

#endif
