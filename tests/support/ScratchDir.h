// A scratch directory for tests that need files on disk (sources, COPY
// members): made fresh under the system's temporary directory and removed
// with everything in it when the object goes.
#ifndef LARK_TESTS_SUPPORT_SCRATCHDIR_H
#define LARK_TESTS_SUPPORT_SCRATCHDIR_H

#include <string>

class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The directory's path, without a trailing slash.
  const std::string& path() const { return path_; }
  // The path of `name` inside the directory.
  std::string Path(const std::string& name) const { return path_ + "/" + name; }
  // Writes `content` byte for byte to `name` (subdirectories are made as
  // needed) and returns its path.
  std::string Write(const std::string& name, const std::string& content) const;
  // Makes the subdirectory `name` (and its parents) and returns its path.
  std::string MakeDir(const std::string& name) const;

 private:
  std::string path_;
};

#endif
