// COPY and INCLUDE member output: with a copy directory set, the text of an
// inlined member goes to a file of its own under that directory, and the
// member's COPY statement stays in the text that included it.  The outputs
// in use form a stack: the main output and up to ten nested members.
#ifndef LARK_PRINTER_ORVCOPYMEMBERS_H
#define LARK_PRINTER_ORVCOPYMEMBERS_H

#include "OrvResult.h"
#include "VString.h"

class OrvExpr;

// The file a member is written to: the copy directory followed by the
// member's real file name, or by its base name when the name is absolute
// or climbs out of the directory with a ".." part.
VString OrvCopyMemberPath(const VString& copyDir, const VString& fileName);

// Whether the path names (same device and inode) a file of the table of
// source file names: an output written there would destroy a source.
bool OrvIsSourceFile(const char* path);

// Opens the member named by the begin marker's real file name as the new
// top output (the directories on its path are made): 0, or 54 with its
// message.  The level below saves its column, source line and line number.
OrvResult OrvOpenCopyMember(const OrvExpr* marker);

// Ends the top member's last line, closes its file and goes back to the
// level below: 0, or 54 when the file could not be written.
OrvResult OrvCloseCopyMember();

// Closes every member file still open (a print that failed), keeping the
// main output.
void OrvCloseAllCopyMembers();

#endif
