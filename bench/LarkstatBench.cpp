// Benchmark of the whole program: one `larkstat` run, with its default
// options, over every main program and subprogram of the NIST suite
// (NAME.CBL and NAME.SUB, and those of lib/), its COPY library as the copy
// directory.  Prints the number of files, the files that bailed out, the
// total source lines, the seconds, the lines per second and the peak memory
// of the larkstat process.  It reports and asserts nothing.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "NistSuite.h"

namespace {

long CountLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  long lines = 0;
  char buf[1 << 16];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    lines += std::count(buf, buf + in.gcount(), '\n');
    if (!in) break;
  }
  return lines;
}

// Counts the bail-out lines of the run's output.
long CountBailouts(const std::string& path) {
  std::ifstream in(path);
  long n = 0;
  for (std::string line; std::getline(in, line);)
    if (line.find(": Parsing errors have caused bailout.") != std::string::npos) ++n;
  return n;
}

}  // namespace

int main() {
  const std::string nist = std::string(LARK_CORPUS) + "/nist";
  std::vector<std::string> files = nist_suite::Sources(nist);
  if (files.empty()) {
    std::printf("larkstat: the NIST corpus is not at %s; nothing measured\n", nist.c_str());
    return 0;
  }
  long lines = 0;
  for (const std::string& f : files) lines += CountLines(f);

  // The report goes to a scratch file, read afterwards for the bail-outs.
  char outPath[] = "/tmp/lark_bench_XXXXXX";
  int outFd = mkstemp(outPath);
  if (outFd < 0) {
    std::perror("mkstemp");
    return 1;
  }
  std::string copyDir = "-copylib-dir=" + nist + "/copy";
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(LARK_LARKSTAT));
  argv.push_back(&copyDir[0]);
  for (std::string& f : files) argv.push_back(&f[0]);
  argv.push_back(nullptr);

  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    dup2(outFd, STDOUT_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  close(outFd);
  long bailouts = CountBailouts(outPath);
  unlink(outPath);

  std::printf("larkstat over NIST: %zu files, %ld bailed out, %ld lines, %.3f s, %.0f lines/s, "
              "peak memory %.1f MB, exit status %d\n",
              files.size(), bailouts, lines, seconds, seconds > 0 ? lines / seconds : 0.0,
              usage.ru_maxrss / 1024.0, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  return 0;
}
