// The input-level stack of the lexer: opening the main source and COPY
// members (with the search of the copy libraries), closing them, and the
// value of a member name written as a literal.
#include <sys/stat.h>

#include <cstring>
#include <fstream>

#include "OrvFiles.h"
#include "OrvInputLevel.h"
#include "OrvLexer.h"

namespace {

// First read of a file whose size the stream does not tell; reads grow the
// buffer geometrically from there.
const std::size_t kFirstChunk = 1 << 16;

bool IsDirectory(const char* path) {
  struct stat st;
  return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

bool HasPathSeparator(const char* name) {
  return std::strchr(name, '/') != nullptr || std::strchr(name, '\\') != nullptr;
}

// Turns path[from..] to the case of the copy-name case setting.
void ChangeCase(char* path, int from, int nameCase) {
  for (char* p = path + from; *p != '\0'; ++p)
    *p = nameCase == ORV_CASE_UPPER ? OrvToUpper(*p) : OrvToLower(*p);
}

}  // namespace

bool OrvInputLevel::Load(const char* path) {
  // A directory opens as a stream on this system but has no text: it is no
  // source, and no COPY member either.
  if (IsDirectory(path)) return false;
  std::ifstream in;
  if (OrvOpenInFile(in, path, true, true) != ORV_OK) return false;
  std::size_t cap = kFirstChunk;
  std::size_t n = 0;
  char* buf = new char[cap];
  for (;;) {
    in.read(buf + n, static_cast<std::streamsize>(cap - n));
    n += static_cast<std::size_t>(in.gcount());
    if (!in) break;
    if (n == cap) {
      char* bigger = new char[cap * 2];
      std::memcpy(bigger, buf, n);
      delete[] buf;
      buf = bigger;
      cap *= 2;
    }
  }
  if (in.bad()) {
    delete[] buf;
    return false;
  }
  delete[] data;
  data = buf;
  size = n;
  pos = 0;
  return true;
}

int OrvLexer::OpenInputLevel(const char* name, int endOper, VString& path) {
  if (levelCount_ >= ORV_MAX_INPUT_LEVELS) {
    Report(MSG_SEVERE, LinePosn(), VString("COPY/-INC statements are nested too deep"));
    return 0;
  }
  if (endOper != ORV_MAIN_SOURCE_END && !inlineCopy) return 0;
  if (name == nullptr) name = "";

  OrvInputLevel* lev = new OrvInputLevel();
  lev->endOper = endOper;
  VString opened;
  if (endOper == ORV_MAIN_SOURCE_END) {
    if (!lev->Load(name)) {
      Report(MSG_ERR, OrvNullPosn, OrvFormat("Cannot open main file '%s' for input", name));
      delete lev;
      return 0;
    }
    opened = VString(name);
  } else if (HasPathSeparator(name)) {
    if (lev->Load(name)) opened = VString(name);
  } else {
    const int nameLen = static_cast<int>(std::strlen(name));
    char buf[ORV_MAX_COPY_PATH + 1];
    for (int d = 0; d < copylibDirs.count && opened.length == 0; ++d) {
      const VString& dir = copylibDirs.items[d];
      for (int s = 0; s < copylibSuffixes.count; ++s) {
        const VString& sfx = copylibSuffixes.items[s];
        if (dir.length + sfx.length + nameLen + 5 > ORV_MAX_COPY_PATH) {
          Report(MSG_ERR, LinePosn(),
                 OrvFormat("COPYLIB file name too long: dir='%s', name='%s'",
                           dir.text != nullptr ? dir.text : "", name));
          delete lev;
          return 0;
        }
        int n = 0;
        if (dir.length > 0) {
          std::memcpy(buf, dir.text, static_cast<size_t>(dir.length));
          n = dir.length;
          if (buf[n - 1] != '/' && buf[n - 1] != '\\') buf[n++] = '/';
        }
        const int nameStart = n;
        std::memcpy(buf + n, name, static_cast<size_t>(nameLen));
        n += nameLen;
        if (std::strchr(name, '.') == nullptr) {
          if (sfx.length > 0 && sfx.text[0] != '.') buf[n++] = '.';
          if (sfx.length > 0) std::memcpy(buf + n, sfx.text, static_cast<size_t>(sfx.length));
          n += sfx.length;
        }
        buf[n] = '\0';
        bool ok = lev->Load(buf);
        if (!ok && (copynamesCase == ORV_CASE_LOWER || copynamesCase == ORV_CASE_UPPER)) {
          ChangeCase(buf, nameStart, copynamesCase);
          ok = lev->Load(buf);
        }
        if (ok) {
          opened = VString(buf, n);
          break;
        }
      }
    }
  }
  if (opened.length == 0) {
    if (endOper != ORV_MAIN_SOURCE_END)
      Report(MSG_WARN, LinePosn(),
             OrvFormat("Cannot find/open file '%s' in directories on Copylib path", name));
    delete lev;
    return 0;
  }
  lev->posn = OrvTxtPosn(0, 0, OrvFileNameAdd(opened));
  lev->fileName = opened;
  path = opened;
  levels_[levelCount_++] = lev;
  cur_ = lev;
  return 1;
}

int OrvLexer::CloseInputLevel(int closeMain, VString& name) {
  if (levelCount_ == 0 || (levelCount_ == 1 && !closeMain)) return ORV_MAIN_SOURCE_END;
  OrvInputLevel* lev = levels_[--levelCount_];
  levels_[levelCount_] = nullptr;
  name = lev->fileName;
  int endOper = levelCount_ == 0 ? ORV_MAIN_SOURCE_END : lev->endOper;
  delete lev;
  cur_ = levelCount_ > 0 ? levels_[levelCount_ - 1] : nullptr;
  return endOper;
}

void OrvLexer::CloseAllLevels() {
  VString name;
  while (levelCount_ > 0) CloseInputLevel(1, name);
}

VString OrvNonnumLiteralValue(OrvLexer& lexer, const VString& text, const OrvTxtPosn& posn) {
  const char* p = text.text != nullptr ? text.text : "";
  const char* end = p + text.length;
  if (p < end && (OrvToUpper(*p) == 'X' || OrvToUpper(*p) == 'H' || OrvToUpper(*p) == 'B')) ++p;
  if (p >= end) return VString();
  const char delim = *p++;
  if (delim != '\'' && delim != '"')
    lexer.Report(MSG_SEVERE, posn,
                 OrvFormat("OrvNonnumLiteralValue: No starting delimiter at non-numeric literal %s",
                           text.text != nullptr ? text.text : ""));
  VString value;
  const char* run = p;
  while (p < end) {
    if (*p != delim) {
      ++p;
      continue;
    }
    value += VString(run, static_cast<int>(p - run));
    if (p + 1 >= end) return value;
    if (p[1] == delim) {
      value += VString(delim);
      p += 2;
    } else {
      lexer.Report(MSG_SEVERE, posn,
                   OrvFormat("OrvNonnumLiteralValue: No ending delimiter at non-numeric literal %s",
                             text.text != nullptr ? text.text : ""));
      p += 2;  // the character after the stray delimiter is dropped
    }
    run = p;
  }
  if (run < end) value += VString(run, static_cast<int>(end - run));
  return value;
}
