// The process-wide state of the print that runs.
#include "OrvPrintState.h"

#include <ostream>

namespace {

const std::size_t kBufferRoom = 1 << 16;

char* TheBuffer() {
  static char* buffer = new char[kBufferRoom];
  return buffer;
}

}  // namespace

OrvPrintState OrvPrint = {};

void OrvResetPrintState(int xstart, int xpos) {
  OrvPrint.last_line_src_posn = OrvTxtPosn();
  OrvPrint.gen_xstart = xstart;
  OrvPrint.gen_xpos = xpos;
  OrvPrint.gen_gen = 0;
  OrvPrint.swallow = 0;
  OrvPrint.last_char = 0;
  OrvPrint.line_no = 1;
  OrvPrint.char_count = 0;
  if (OrvPrint.buffer == nullptr) {
    OrvPrint.buffer = TheBuffer();
    OrvPrint.buffer_room = kBufferRoom;
  }
  OrvPrint.buffer_used = 0;
}

std::ostream* OrvCurrentPrintStream() {
  const int level = OrvPrint.copy_level;
  return level > 0 && level <= ORV_COPY_STACK_SIZE ? OrvPrint.copy_stack[level - 1].stream : nullptr;
}

void OrvFlushPrintBuffer() {
  std::ostream* out = OrvCurrentPrintStream();
  if (out != nullptr && OrvPrint.buffer_used > 0)
    out->write(OrvPrint.buffer, static_cast<std::streamsize>(OrvPrint.buffer_used));
  OrvPrint.buffer_used = 0;
}
