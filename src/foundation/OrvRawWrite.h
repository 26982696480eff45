// Unbuffered output straight to a file descriptor, for the places where
// neither stdio nor the stream library may be entered: signal handlers and a
// forked child before it execs or ends.
#ifndef LARK_FOUNDATION_ORVRAWWRITE_H
#define LARK_FOUNDATION_ORVRAWWRITE_H

#include <cstddef>

// Writes all n bytes with write(2), again after an interruption; gives up
// silently on any other error.  Async-signal-safe.
void OrvWriteAll(int fd, const char* s, std::size_t n);
// Writes the NUL-terminated text; async-signal-safe.
void OrvWriteText(int fd, const char* s);

#endif
