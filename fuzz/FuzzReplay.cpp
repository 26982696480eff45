// fuzz_replay: runs the fuzz target over saved inputs without libFuzzer, so
// that every build can replay the findings kept as fixtures.  Each argument
// is an input file or a directory whose files (in name order) are inputs.
// The status is 0 when every input ran, 2 for a file that cannot be read;
// a fault in the target ends the process as it would end the fuzzer.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

const int kUnreadable = 2;

bool IsDirectory(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The regular files of a directory, in name order.
std::vector<std::string> FilesIn(const std::string& dir) {
  std::vector<std::string> files;
  if (DIR* d = opendir(dir.c_str())) {
    while (const dirent* e = readdir(d)) {
      const std::string path = dir + "/" + e->d_name;
      struct stat st;
      if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) files.push_back(path);
    }
    closedir(d);
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool Replay(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "fuzz_replay: cannot read %s\n", path.c_str());
    return false;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::fprintf(stderr, "fuzz_replay: %s\n", path.c_str());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: fuzz_replay input-file-or-directory...\n");
    return kUnreadable;
  }
  LLVMFuzzerInitialize(&argc, &argv);
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const std::vector<std::string> inputs = IsDirectory(arg) ? FilesIn(arg) : std::vector<std::string>{arg};
    for (const std::string& input : inputs)
      if (!Replay(input)) status = kUnreadable;
  }
  return status;
}
