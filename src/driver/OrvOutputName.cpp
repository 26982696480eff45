// Output file names of the tool driver.
#include "OrvOutputName.h"

#include <cstring>
#include <string>

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

const char* Text(const VString& v) { return v.text != nullptr ? v.text : ""; }

}  // namespace

bool OrvHasParentPart(const char* path) {
  for (const char* p = path; *p != '\0'; ++p) {
    const bool partStart = p == path || IsSeparator(p[-1]);
    if (partStart && p[0] == '.' && p[1] == '.' && (p[2] == '\0' || IsSeparator(p[2]))) return true;
  }
  return false;
}

VString OrvOutputFileName(const VString& inputFile, const VString& mainDir, const VString& suffix,
                          const char* defaultSuffix) {
  if (mainDir.length == 0) return inputFile.ReplaceExt(suffix);
  const VString name = OrvHasParentPart(Text(inputFile)) ? inputFile.BaseName(true) : inputFile;
  std::string path = std::string(Text(mainDir)) + "/" + Text(name);
  VString out(path.c_str());
  if (std::strcmp(Text(suffix), defaultSuffix != nullptr ? defaultSuffix : "") != 0) out = out.ReplaceExt(suffix);
  return out;
}
