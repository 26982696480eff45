// The scratch directory of the tests.
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

ScratchDir::ScratchDir() {
  const char* tmp = std::getenv("TMPDIR");
  std::string templ = std::string(tmp && *tmp ? tmp : "/tmp") + "/lark-test-XXXXXX";
  if (mkdtemp(templ.data()) == nullptr) {
    ADD_FAILURE() << "cannot make a scratch directory from " << templ;
  }
  path_ = templ;
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string ScratchDir::Write(const std::string& name, const std::string& content) const {
  std::string p = Path(name);
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(p).parent_path(), ec);
  std::ofstream out(p, std::ios::binary);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out) ADD_FAILURE() << "cannot write scratch file " << p;
  return p;
}

std::string ScratchDir::MakeDir(const std::string& name) const {
  std::string p = Path(name);
  std::error_code ec;
  std::filesystem::create_directories(p, ec);
  if (ec) ADD_FAILURE() << "cannot make scratch directory " << p;
  return p;
}
