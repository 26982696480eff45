// Message levels, the message printer and the process-wide warning and error
// counters.
#ifndef LARK_FOUNDATION_ORVMESSAGE_H
#define LARK_FOUNDATION_ORVMESSAGE_H

#include "VString.h"

class OrvTxtPosn;

// Message levels.  The same numbers are codes of the token-code space, so a
// message can travel as a token whose code is its level.
enum OrvMessageLevel {
  MSG_INFO = 968,
  MSG_WARN = 969,
  MSG_ERR = 970,
  MSG_SEVERE = 971,
  MSG_TERMINAL = 972
};

// A message call-back: level, source position (may be null), text (may be
// null).  At MSG_TERMINAL a sink ends the process.
typedef void (*OrvMessageSink)(int level, const OrvTxtPosn* position, const VString* text);

// Warnings printed (or hidden) and errors (plain and severe) printed.
extern unsigned int OrvWarningCount;
extern unsigned int OrvErrorCount;
// When 0, warnings are counted but not printed.
extern int OrvShowWarnings;

// Prints one message on standard output with the prefix of its level and
// counts it.  MSG_TERMINAL ends the process through OrvExit(1); a level
// outside MSG_INFO..MSG_TERMINAL prints and counts nothing.
void PrintMessage(int level, const VString* text);

#endif
