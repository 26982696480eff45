// The main of every test program: gtest with the listener that keeps each
// case from seeing the process-wide state that earlier cases left.
#include <gtest/gtest.h>

#include "ProcessState.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  InstallProcessStateListener();
  return RUN_ALL_TESTS();
}
