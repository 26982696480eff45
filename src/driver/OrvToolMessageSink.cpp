// The tool driver's message sink and progress indicator.
#include "OrvToolMessageSink.h"

#include <cstdio>
#include <string>

#include "OrvExit.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvTool.h"

namespace {

// The blanks behind a progress line, which wipe a longer line before it.
const char kProgressTail[] = "                           \r";

// The name of a file index, empty outside the table of source file names.
VString ProgressFileName(int fileIx) {
  const CountedNameTable& names = OrvFileNameTable();
  if (fileIx < 0 || fileIx >= names.count) return VString();
  return names.entries[fileIx].name;
}

}  // namespace

void OrvWriteMessageLog() {
  OrvTicFileNames = 1;
  OrvLoggedMessages.PutTic(OrvMessageLog);
  OrvMessageLog.close();  // a failed close sets the stream's fail state
}

void OrvToolMessageSink(int level, const OrvTxtPosn* position, const VString* text) {
  if (OrvMessageLog.is_open()) {
    OrvLoggedMessages.AddToken(level, position ? *position : OrvNullPosn,
                               text ? *text : VString());
    if (level == MSG_TERMINAL) {
      OrvWriteMessageLog();
      OrvExit(ORV_TERMINAL_COLLECTED);
    }
    return;
  }
  PrintPosnMessage(level, position, text);
}

void OrvProgressIndicator(const OrvTxtPosn* position, const VString* text) {
  std::string line;
  bool positioned = position && position->IsSet();
  bool hasText = text && text->length > 0;
  if (positioned) {
    VString name = ProgressFileName(position->FileIx());
    VString head = OrvFormat("%7d %s", position->Line(), name.text ? name.text : "");
    line.append(head.text, static_cast<size_t>(head.length));
  }
  if (positioned && hasText) line += ": ";
  if (hasText) line.append(text->text, static_cast<size_t>(text->length));
  line += kProgressTail;
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}
