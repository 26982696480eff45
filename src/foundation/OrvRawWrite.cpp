// Unbuffered output straight to a file descriptor.
#include "OrvRawWrite.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

void OrvWriteAll(int fd, const char* s, std::size_t n) {
  while (n > 0) {
    ssize_t w = write(fd, s, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return;
    }
    s += w;
    n -= static_cast<std::size_t>(w);
  }
}

void OrvWriteText(int fd, const char* s) { OrvWriteAll(fd, s, std::strlen(s)); }
