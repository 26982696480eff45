// The position-prefixing message sink and the process-wide sink pointer.
#include "OrvMessageSink.h"

#include <iostream>

void PrintPosnMessage(int level, const OrvTxtPosn* position, const VString* text) {
  if (position && position->IsSet()) std::cout << *position << ": ";
  PrintMessage(level, text);
}

OrvMessageSink OrvGlobalMessageSink = PrintPosnMessage;
