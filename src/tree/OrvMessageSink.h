// The process-wide message sink through which node classes, tree utilities,
// the printer, source files and the parser report, and the position-prefixing
// sink that serves until the tool driver installs its own.
#ifndef LARK_TREE_ORVMESSAGESINK_H
#define LARK_TREE_ORVMESSAGESINK_H

#include "OrvMessage.h"
#include "OrvTxtPosn.h"
#include "VString.h"

// Prints the position in its display form and ": " when the position is set
// (line or column non-zero), then the message through PrintMessage.
void PrintPosnMessage(int level, const OrvTxtPosn* position, const VString* text);

// The current sink; initially PrintPosnMessage.
extern OrvMessageSink OrvGlobalMessageSink;

#endif
