// Files and processes: opening files, making directories, deleting files and
// running another program, all with result codes and ORV_DEBUG traces.
#ifndef LARK_FOUNDATION_ORVFILES_H
#define LARK_FOUNDATION_ORVFILES_H

#include <fstream>

#include "OrvResult.h"
#include "VString.h"
#include "VStringList.h"

// Result of OrvRmFile when the file could not be deleted.
const OrvResult ORV_RMFILE_FAILED = 1;

// Clears the stream's state and opens `path` for reading.  0, or 11 with the
// failbit set.  With `trace` and ORV_DEBUG set, prints an "@@" line.
OrvResult OrvOpenInFile(std::ifstream& in, const char* path, bool binary, bool trace);

// Clears the stream's state and opens the normalised path for writing,
// emptying an existing file or, with `append`, writing behind its content.
// 0, or 10 with the failbit set.
OrvResult OrvOpenOutFile(std::ofstream& out, const VString& path, bool binary, bool append);

// Makes, mode 0755, every directory on the path in front of its last
// separator ('/' or '\\'), skipping "." and directories that exist.  0, or 1
// with the system's error number stored through errnoOut (when not null).
OrvResult OrvMkDir(const char* path, int* errnoOut);

// True when the path starts with '/' or '\\' or has ':' as second character.
bool IsAbsolutePath(const char* path);

// Runs the program (a path when it starts with '.' or '/', else searched
// along PATH) with the arguments and waits for it.  0 with the program's exit
// status in *exitStatusOut; 13 with the message in `error` when it could not
// be started or waited for, was ended by a signal, or exited with status 13.
OrvResult OrvCallExec(const char* program, char* exitStatusOut, const VStringList& args, VString& error);

// Deletes the file unless ORV_NO_RM is set.  0, or 1 with the system's error
// text in `error`.
OrvResult OrvRmFile(const VString& path, VString& error);

// True when the environment variable ORV_DEBUG is set.
bool OrvIsDebug();

// A new, unique temporary file name in the system's temporary directory.  The
// base name of `name` without extension is its prefix under ORV_DEBUG (when
// `name` is not empty), else `prefix`.  The file is created empty so that no
// other process can take the name.
VString OrvTempName(const VString& prefix, const VString& name);

// Hook on the path of every source and COPY file that is opened; leaves the
// path unchanged.
void OrvAdjustPath(const char* path, int dirLength);

#endif
