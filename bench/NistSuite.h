// The sources of the NIST suite that the benchmarks read: the main programs
// and subprograms (NAME.CBL, NAME.SUB) of the suite's folder and of its
// lib/ folder, in name order within each folder.
#ifndef LARK_BENCH_NISTSUITE_H
#define LARK_BENCH_NISTSUITE_H

#include <dirent.h>

#include <algorithm>
#include <string>
#include <vector>

namespace nist_suite {

inline bool HasSourceSuffix(const std::string& name) {
  auto ends = [&](const char* s) {
    std::string suffix(s);
    return name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
  };
  return ends(".CBL") || ends(".SUB");
}

// The sources of one directory, in name order, appended to `files`.
inline void AddSources(const std::string& dir, std::vector<std::string>& files) {
  DIR* d = opendir(dir.c_str());
  if (!d) return;
  std::vector<std::string> names;
  while (dirent* e = readdir(d))
    if (HasSourceSuffix(e->d_name)) names.push_back(dir + "/" + e->d_name);
  closedir(d);
  std::sort(names.begin(), names.end());
  files.insert(files.end(), names.begin(), names.end());
}

// Every source of the suite at `nist`; empty when the suite is not there.
inline std::vector<std::string> Sources(const std::string& nist) {
  std::vector<std::string> files;
  AddSources(nist, files);
  AddSources(nist + "/lib", files);
  return files;
}

}  // namespace nist_suite

#endif
