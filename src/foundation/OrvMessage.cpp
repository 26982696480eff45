// The message printer and the process-wide warning and error counters.
#include "OrvMessage.h"

#include <iostream>

#include "OrvExit.h"

unsigned int OrvWarningCount = 0;
unsigned int OrvErrorCount = 0;
int OrvShowWarnings = 1;

void PrintMessage(int level, const VString* text) {
  std::ostream& out = std::cout;
  switch (level) {
    case MSG_INFO:
      if (text) out << *text;
      out << "\n";
      return;
    case MSG_WARN:
      if (OrvShowWarnings) {
        out << "Warning: ";
        if (text) out << *text;
        out << "\n";
      }
      ++OrvWarningCount;
      return;
    case MSG_ERR:
    case MSG_SEVERE:
      out << (level == MSG_ERR ? "ERROR: " : "SEVERE ERROR: ");
      if (text) out << *text;
      out << "\n";
      ++OrvErrorCount;
      return;
    case MSG_TERMINAL:
      out << "Terminal ERROR: ";
      if (text) out << *text;
      out << "\n";
      OrvExit(ORV_TERMINAL_EXIT);
    default:
      return;
  }
}
