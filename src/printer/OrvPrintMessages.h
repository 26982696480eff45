// The messages of a print: every printing routine reports into the message
// list of the print that runs (OrvPrintMessages), either about a node
// (position and operation NAME in front of the text) or without one.
#ifndef LARK_PRINTER_ORVPRINTMESSAGES_H
#define LARK_PRINTER_ORVPRINTMESSAGES_H

#include "VString.h"

class OrvExpr;
class OrvTokenList;
class OrvTxtPosn;

// "<file>:<line>:<column>: " in front of a message at a set position; empty
// for an unset one, so that a message without a position names no file,
// as the message sink prints it.
VString OrvPosnPrefix(const OrvTxtPosn& at);

// Appends "<position of the node's begin>: <NAME>: <text>" with the level as
// its code and the node's begin position as both its positions to the
// running print's list; the position part is left out when the node has
// no position (OrvPosnPrefix).  With no list, the terminal message
// "OrvExpr::AddPError: no list of error messages specified" goes to the
// process-wide sink instead.  With trace bits set in the current printer,
// the message is echoed on standard output.
void AddPError(const OrvExpr* node, int level, const VString& text);

// The same about no node: the text alone, both positions unset; the missing
// list is reported as "OrvExpr::AddError: no list of error messages
// specified".
void AddError(int level, const VString& text);

// AddPError into a given list instead of the running print's (a print that
// is refused reports to its own caller).  Nothing is appended to a null
// list.
void AddPErrorTo(OrvTokenList* list, const OrvExpr* node, int level, const VString& text);

#endif
