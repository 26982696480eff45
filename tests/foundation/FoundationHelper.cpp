// A helper program for the foundation tests: each mode exercises one path
// that ends or forks the process, so that the test can watch it from outside.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "OrvExit.h"
#include "OrvFiles.h"
#include "OrvMessage.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const char* mode = argv[1];
  if (std::strcmp(mode, "signal-skips-atexit") == 0 && argc > 2) {
    // A handler ends the process with _exit: exit-time work (atexit
    // functions, static destructors) must not run inside a signal handler.
    InstallSignalHandlers();
    std::atexit([] { std::fputs("atexit ran\n", stderr); });
    raise(std::atoi(argv[2]));
    return 0;
  }
  if (std::strcmp(mode, "interrupt") == 0) {
    InstallSignalHandlers();
    std::cout << "before" << std::endl;
    raise(SIGINT);
    std::cout << "not reached" << std::endl;
    return 0;
  }
  if (std::strcmp(mode, "fault") == 0 || std::strcmp(mode, "fault-context") == 0) {
    InstallSignalHandlers();
    if (std::strcmp(mode, "fault-context") == 0) {
      OrvEnterDebugContext(new OrvStringDebugContext("outer step"));
      OrvEnterDebugContext(new OrvStringDebugContext("inner step"));
    }
    raise(argc > 2 ? std::atoi(argv[2]) : SIGSEGV);
    std::cout << "not reached" << std::endl;
    return 0;
  }
  if (std::strcmp(mode, "no-handlers") == 0) {
    OrvNoSignalHandlers = 1;
    InstallSignalHandlers();
    raise(SIGINT);
    return 0;
  }
  if (std::strcmp(mode, "terminal") == 0) {
    std::cout << "first line\n";
    VString text("it is over");
    PrintMessage(MSG_TERMINAL, &text);
    std::cout << "not reached" << std::endl;
    return 0;
  }
  if (std::strcmp(mode, "terminal-error") == 0) {
    std::cout << "first line";
    OrvTerminalError("broken");
  }
  if (std::strcmp(mode, "exec") == 0 && argc >= 3) {
    // Unflushed output before the fork must appear once only.
    std::cout << "before exec\n";
    std::printf("stdio before exec\n");
    VStringList args;
    for (int i = 3; i < argc; ++i) args.Append(VString(argv[i]));
    char status = 0;
    VString error;
    OrvResult r = OrvCallExec(argv[2], &status, args, error);
    std::cout << "result=" << static_cast<int>(r) << " status=" << static_cast<int>(status) << " error=" << error
              << "\n";
    return 0;
  }
  return 2;
}
