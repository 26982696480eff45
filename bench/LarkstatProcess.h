// One run of the built larkstat as a process of its own, as the benchmarks
// make it: its standard output goes to a file, and the wall-clock seconds,
// the peak memory (from wait4) and the exit status come back.  Benchmarks
// only.
#ifndef LARK_BENCH_LARKSTATPROCESS_H
#define LARK_BENCH_LARKSTATPROCESS_H

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

namespace larkstat_process {

struct Run {
  double seconds = 0;   // from fork to the end of the process
  double peakMB = 0;    // the largest resident set of the process
  int exitStatus = -1;  // -1 when it did not exit normally
};

// Runs `program` with `args` (without the program name), its standard
// output written to `outPath`, and waits for it.
inline Run RunOnce(const std::string& program, const std::vector<std::string>& args, const std::string& outPath) {
  Run run;
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const int outFd = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (outFd < 0) return run;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(outFd, STDOUT_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid > 0) wait4(pid, &status, 0, &usage);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  close(outFd);
  run.peakMB = usage.ru_maxrss / 1024.0;
  run.exitStatus = pid > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace larkstat_process

#endif
