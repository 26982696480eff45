// The exit routine, the signal handlers and the debug-context stack.
//
// The handlers run asynchronously, so they write with write(2) and end with
// _exit: neither stdio nor the stream library may be entered from a handler.
#include "OrvExit.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "OrvRawWrite.h"

OrvExitHookFunction OrvExitHook = nullptr;
int OrvNoSignalHandlers = 0;

OrvDebugContext* OrvDebugContextStack[DEBUG_CONTEXT_STACK_DEPTH];
int OrvDebugContextStackPtr = DEBUG_CONTEXT_STACK_DEPTH;

namespace {

// Pushes that found the stack full; their leaves pop nothing.
int debugContextOverflow = 0;

// Decimal image of n into buf (at least 12 characters); returns buf.
const char* FormatInt(int n, char* buf) {
  char digits[12];
  int k = 0;
  unsigned int u = n < 0 ? 0u - static_cast<unsigned int>(n) : static_cast<unsigned int>(n);
  do {
    digits[k++] = static_cast<char>('0' + u % 10);
    u /= 10;
  } while (u != 0);
  int j = 0;
  if (n < 0) buf[j++] = '-';
  while (k > 0) buf[j++] = digits[--k];
  buf[j] = '\0';
  return buf;
}

// The dump itself, safe to call from a signal handler.
void WriteDebugContextStack(int fd) {
  OrvWriteText(fd, "Debug context stack dump: \n");
  for (int i = DEBUG_CONTEXT_STACK_DEPTH - 1; i >= OrvDebugContextStackPtr && i >= 0; --i) {
    const char* text = OrvDebugContextStack[i] ? OrvDebugContextStack[i]->Text() : nullptr;
    OrvWriteText(fd, "  ");
    OrvWriteText(fd, text ? text : "(null)");
    OrvWriteText(fd, "\n");
  }
  OrvWriteText(fd, "\n\n");
}

// Calls the hook, then ends the process at once: what a handler may do.
[[noreturn]] void ExitFromHandler(int status) {
  if (OrvExitHook) OrvExitHook(status);
  _exit(status);
}

}  // namespace

void OrvExit(int status) {
  if (OrvExitHook) OrvExitHook(status);
  std::exit(status);
}

void OrvTerminalError(const char* text) {
  std::cout << std::endl << "TERMINAL ERROR: " << (text ? text : "") << std::endl;
  std::abort();
}

void OnInterrupt(int) {
  OrvWriteText(STDOUT_FILENO, "\n\n--- Interrupted. Stopping. ---\n\n");
  ExitFromHandler(32);
}

void OnFatalSignal(int signal) {
  char number[12];
  FormatInt(signal, number);
  for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
    OrvWriteText(fd, "\n\n*** Caught a bad signal ");
    OrvWriteText(fd, number);
    OrvWriteText(fd, ". ***\n\n");
  }
  WriteDebugContextStack(STDOUT_FILENO);
  ExitFromHandler(30);
}

namespace {

bool Install(int signal, void (*handler)(int), int flags) {
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = flags;
  return sigaction(signal, &action, nullptr) == 0;
}

}  // namespace

void InstallSignalHandlers() {
  std::ios_base::sync_with_stdio(true);
  std::ios_base::sync_with_stdio(true);
  if (OrvNoSignalHandlers) return;
  if (!Install(SIGINT, OnInterrupt, 0)) {
    std::printf("\nCannot set SIGINT handler.\n");
    OrvExit(31);
  }
  // A fault inside the fatal handler itself falls back to the default action.
  if (!Install(SIGBUS, OnFatalSignal, SA_RESETHAND)) {
    std::printf("\nCannot set SIGBUS handler.\n");
    OrvExit(31);
  }
  Install(SIGFPE, OnFatalSignal, SA_RESETHAND);
  Install(SIGILL, OnFatalSignal, SA_RESETHAND);
  Install(SIGSEGV, OnFatalSignal, SA_RESETHAND);
}

OrvDebugContext::~OrvDebugContext() {}

OrvStringDebugContext::OrvStringDebugContext(const char* text) : text_(nullptr) {
  const char* s = text ? text : "";
  text_ = new char[std::strlen(s) + 1];
  std::strcpy(text_, s);
}

OrvStringDebugContext::~OrvStringDebugContext() { delete[] text_; }

const char* OrvStringDebugContext::Text() const { return text_; }

void OrvEnterDebugContext(OrvDebugContext* context) {
  if (OrvDebugContextStackPtr <= 0) {
    ++debugContextOverflow;
    delete context;
    return;
  }
  OrvDebugContextStack[--OrvDebugContextStackPtr] = context;
}

void OrvLeaveDebugContext() {
  if (debugContextOverflow > 0) {
    --debugContextOverflow;
    return;
  }
  if (OrvDebugContextStackPtr >= DEBUG_CONTEXT_STACK_DEPTH) return;
  delete OrvDebugContextStack[OrvDebugContextStackPtr];
  OrvDebugContextStack[OrvDebugContextStackPtr++] = nullptr;
}

void DumpDebugContextStack() {
  std::cout.flush();
  std::fflush(stdout);
  WriteDebugContextStack(STDOUT_FILENO);
}
