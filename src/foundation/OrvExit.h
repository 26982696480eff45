// The exit routine, the signal handlers and the debug-context stack that a
// fatal signal dumps.
#ifndef LARK_FOUNDATION_ORVEXIT_H
#define LARK_FOUNDATION_ORVEXIT_H

// Called with the exit status before the process ends; null unless a tool
// sets it.
typedef void (*OrvExitHookFunction)(int status);
extern OrvExitHookFunction OrvExitHook;

// When non-zero, InstallSignalHandlers installs nothing.
extern int OrvNoSignalHandlers;

// Calls the exit hook when one is set, then ends the process with `status`.
[[noreturn]] void OrvExit(int status);

// Writes "TERMINAL ERROR: " and the text on standard output, then aborts.
[[noreturn]] void OrvTerminalError(const char* text);

// Keeps the standard streams synchronised with the C standard I/O and
// installs OnInterrupt for SIGINT and OnFatalSignal for SIGBUS, SIGFPE, SIGILL
// and SIGSEGV.  Failing to install the SIGINT or SIGBUS handler ends the
// process with status 31.
void InstallSignalHandlers();

// SIGINT: a notice on standard output, then status 32.
void OnInterrupt(int signal);
// SIGBUS, SIGFPE, SIGILL, SIGSEGV: a notice on standard output and standard
// error, the debug-context stack, then status 30.
void OnFatalSignal(int signal);

// An entry of the debug-context stack: says what a long-running engine was
// doing, for the dump after a fatal signal.
class OrvDebugContext {
public:
  virtual ~OrvDebugContext();
  virtual const char* Text() const = 0;
};

// A debug context holding its own copy of one text.
class OrvStringDebugContext : public OrvDebugContext {
public:
  explicit OrvStringDebugContext(const char* text);
  ~OrvStringDebugContext() override;
  OrvStringDebugContext(const OrvStringDebugContext&) = delete;
  OrvStringDebugContext& operator=(const OrvStringDebugContext&) = delete;
  const char* Text() const override;

private:
  char* text_;
};

// The stack grows downward: it is empty when the index of the top entry,
// OrvDebugContextStackPtr, equals the depth, and a push stores at index - 1.
const int DEBUG_CONTEXT_STACK_DEPTH = 1000;
extern OrvDebugContext* OrvDebugContextStack[DEBUG_CONTEXT_STACK_DEPTH];
extern int OrvDebugContextStackPtr;

// Pushes a context; the stack owns it until OrvLeaveDebugContext.  A push on
// a full stack is not stored (the context is deleted at once) and the
// matching leave then pops nothing.
void OrvEnterDebugContext(OrvDebugContext* context);
// Deletes the top context and pops it; does nothing on an empty stack.
void OrvLeaveDebugContext();

// Writes "Debug context stack dump: ", the text of every entry, oldest first,
// and two line ends on standard output.
void DumpDebugContextStack();

#endif
