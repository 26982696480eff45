// The two call-backs that the tool driver installs before it reads any
// option: the message sink through which every message of the run passes,
// and the progress indicator that the parser calls while it reads a source.
#ifndef LARK_DRIVER_ORVTOOLMESSAGESINK_H
#define LARK_DRIVER_ORVTOOLMESSAGESINK_H

#include "OrvTxtPosn.h"
#include "VString.h"

// While the message log is open: keeps the message as a token of
// OrvLoggedMessages; at MSG_TERMINAL it then writes the log, closes it and
// ends the process with ORV_TERMINAL_COLLECTED.  Otherwise prints the
// message on standard output (position, level prefix, text) and counts it;
// MSG_TERMINAL ends the process with ORV_TERMINAL_EXIT.
void OrvToolMessageSink(int level, const OrvTxtPosn* position, const VString* text);

// Writes one progress line on standard error: the line number in 7 columns
// and the file name when the position is set, ": " and the text when both
// are there, then 27 blanks and a carriage return, so that the next call
// overwrites it.  No position and no text blank the line.
void OrvProgressIndicator(const OrvTxtPosn* position, const VString* text);

// Writes the logged messages to the open log in TIC form (file names, not
// indexes) and closes it.
void OrvWriteMessageLog();

#endif
