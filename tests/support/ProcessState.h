// The process-wide state that the test main saves before each case and puts
// back after it, so that no case's cost or result depends on the cases run
// before it in the same process.  Each layer's test support registers its
// part (tests/support/state/); a part may also fail the case that leaves its
// state in a way that restoring must not hide.
#ifndef LARK_TESTS_SUPPORT_PROCESSSTATE_H
#define LARK_TESTS_SUPPORT_PROCESSSTATE_H

#include <string>
#include <tuple>

// One part of the process-wide state.
class ProcessStatePart {
 public:
  // Registers the part for every case of the test program.
  explicit ProcessStatePart(const char* name);
  virtual ~ProcessStatePart() = default;
  ProcessStatePart(const ProcessStatePart&) = delete;
  ProcessStatePart& operator=(const ProcessStatePart&) = delete;

  // What the part holds, for messages.
  const char* Name() const { return name_; }
  // Takes a copy of the state as it stands before a case.
  virtual void Save() = 0;
  // What the case left behind that it must not (a parse still marked
  // running, a collector still holding a node), one sentence; empty when
  // nothing.  Asked after the case, before Restore.
  virtual std::string Leftover() const { return std::string(); }
  // Puts the state saved before the case back.
  virtual void Restore() = 0;

 private:
  const char* name_;
};

// A part made of plain process-wide variables (switches, counters, hooks,
// streams), each put back to its value before the case.
template <class... T>
class SavedVariables : public ProcessStatePart {
 public:
  SavedVariables(const char* name, T&... variables) : ProcessStatePart(name), variables_(variables...) {}
  void Save() override { saved_ = variables_; }
  void Restore() override { variables_ = saved_; }

 private:
  std::tuple<T&...> variables_;
  std::tuple<T...> saved_;
};

// Installs the listener that saves every registered part before each case
// (in registration order), fails a case that a part finds something left
// behind by (naming the case and the part), and restores every part after
// it (in reverse order).  The test main calls it once.
void InstallProcessStateListener();

#endif
