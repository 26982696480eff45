// Runs a program through the shell with its standard output and standard
// error captured in files; used by the tests that need a separate process.
#ifndef LARK_TESTS_FOUNDATION_RUNPROGRAM_H
#define LARK_TESTS_FOUNDATION_RUNPROGRAM_H

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

struct ProgramRun {
  int exitStatus = -1;  // -1 when the program did not end normally
  std::string out;
  std::string err;
};

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream os;
  os << in.rdbuf();
  return os.str();
}

inline ProgramRun RunProgram(const std::string& commandLine) {
  std::string base = "/tmp/lark_run_" + std::to_string(getpid());
  std::string outPath = base + ".out", errPath = base + ".err";
  std::string cmd = commandLine + " >" + outPath + " 2>" + errPath;
  int status = std::system(cmd.c_str());
  ProgramRun run;
  if (status != -1 && WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
  run.out = ReadWholeFile(outPath);
  run.err = ReadWholeFile(errPath);
  unlink(outPath.c_str());
  unlink(errPath.c_str());
  return run;
}

#endif
