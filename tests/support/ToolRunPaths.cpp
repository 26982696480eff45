// Quoting, working directories and directory listings of the process tests.
#include "ToolRunPaths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string CommandIn(const std::string& dir, const std::string& program, const std::string& args) {
  return "cd " + ShellQuote(dir) + " && " + program + (args.empty() ? "" : " " + args);
}

bool PathExists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path) {
  DIR* d = opendir(path.c_str());
  if (d != nullptr) closedir(d);
  return d != nullptr;
}

std::vector<std::string> DirectoryNames(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      const std::string name = e->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(d);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> FilesBelow(const std::string& dir) {
  std::vector<std::string> files;
  std::error_code ec;
  for (std::filesystem::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    if (it->is_regular_file()) files.push_back(std::filesystem::relative(it->path(), dir).string());
  std::sort(files.begin(), files.end());
  return files;
}
