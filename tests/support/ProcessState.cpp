// The registry of the parts of the process-wide state and the gtest
// listener that saves and restores them around each case.
#include "ProcessState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The registered parts, in registration order.  A function-local list, so
// that parts registered by static objects of any file find it made.
std::vector<ProcessStatePart*>& Parts() {
  static std::vector<ProcessStatePart*> parts;
  return parts;
}

class ProcessStateListener : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override {
    for (ProcessStatePart* part : Parts()) part->Save();
  }
  // Runs before the result printer reports the case (end events go to the
  // listeners in reverse order), so a failure added here is the case's own.
  void OnTestEnd(const ::testing::TestInfo& info) override {
    for (ProcessStatePart* part : Parts()) {
      const std::string left = part->Leftover();
      if (!left.empty()) {
        ADD_FAILURE() << info.test_suite_name() << "." << info.name() << " leaves process-wide state behind ("
                      << part->Name() << "): " << left;
      }
    }
    for (auto it = Parts().rbegin(); it != Parts().rend(); ++it) (*it)->Restore();
  }
};

}  // namespace

ProcessStatePart::ProcessStatePart(const char* name) : name_(name) { Parts().push_back(this); }

void InstallProcessStateListener() {
  ::testing::UnitTest::GetInstance()->listeners().Append(new ProcessStateListener);
}
