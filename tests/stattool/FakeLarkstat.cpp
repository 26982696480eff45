// A helper program for the statistics-tool tests: the `larkstat` program with
// the scripted parser object in place of the real one, so that tests can
// drive whole runs (terminal messages, interrupts, exit statuses) from
// outside.  Two environment variables set up what no option reaches:
//   LARK_FAKE_LOG=path          the message log is open on that path
//   LARK_FAKE_REFUSE_SIGINT=1   installing the SIGINT handler fails
#include <dlfcn.h>
#include <signal.h>

#include <cerrno>
#include <cstdlib>

#include "FakeParser.h"
#include "OrvExit.h"
#include "OrvStatTool.h"
#include "OrvTool.h"

static OrvTool fakeTool(OrvStatBannerFormat, OrvStatCommandName, OrvStatVersion, OrvStatNotice, new FakeParser);

// Every sigaction call of the process comes here; the real one is the next
// definition in the search order.
extern "C" int sigaction(int sig, const struct sigaction* act, struct sigaction* old) {
  typedef int (*SigactionFn)(int, const struct sigaction*, struct sigaction*);
  static SigactionFn real = reinterpret_cast<SigactionFn>(dlsym(RTLD_NEXT, "sigaction"));
  if (sig == SIGINT && act && std::getenv("LARK_FAKE_REFUSE_SIGINT")) {
    errno = EINVAL;
    return -1;
  }
  return real(sig, act, old);
}

int main(int argc, char** argv) {
  if (const char* log = std::getenv("LARK_FAKE_LOG")) OrvMessageLog.open(log);
  OrvExit(OrvStatToolRun(&fakeTool, argc, argv));
}
