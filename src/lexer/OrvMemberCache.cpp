// The lexer's cache of member searches and member texts, and the reading of
// a whole source file.
#include "OrvMemberCache.h"

#include <sys/stat.h>

#include <cstring>
#include <fstream>

#include "OrvFiles.h"

namespace {

// First read of a file whose size the stream does not tell; reads grow the
// buffer geometrically from there.
const std::size_t kFirstChunk = 1 << 16;

// What the file system tells of a path: whether it is a directory, the
// size of a regular file (0 for anything else), and the file's identity.
struct PathFacts {
  bool directory = false;
  std::size_t regularSize = 0;
  OrvFileIdentity identity;
};

PathFacts FactsOf(const char* path) {
  PathFacts facts;
  struct stat st;
  if (stat(path, &st) != 0) return facts;
  facts.identity.device = static_cast<unsigned long long>(st.st_dev);
  facts.identity.inode = static_cast<unsigned long long>(st.st_ino);
  facts.identity.known = true;
  facts.directory = S_ISDIR(st.st_mode);
  if (S_ISREG(st.st_mode) && st.st_size > 0) facts.regularSize = static_cast<std::size_t>(st.st_size);
  return facts;
}

void AppendList(std::string& out, const VStringArray& list) {
  for (int i = 0; i < list.count; ++i) {
    out.append(list.items[i].text != nullptr ? list.items[i].text : "",
               static_cast<std::size_t>(list.items[i].length));
    out += '\0';
  }
  out += '\1';
}

}  // namespace

OrvSourceTextRef OrvReadSourceText(const char* path) {
  const PathFacts facts = FactsOf(path);
  if (facts.directory) return nullptr;
  std::ifstream in;
  if (OrvOpenInFile(in, path, true, true) != ORV_OK) return nullptr;
  // A regular file is read whole at once: one byte more than its size lets
  // the first read meet the end.  A file that grew meanwhile goes on below.
  std::size_t cap = facts.regularSize > 0 ? facts.regularSize + 1 : kFirstChunk;
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
    return nullptr;
  }
  std::shared_ptr<OrvSourceText> text = std::make_shared<OrvSourceText>();
  text->data = buf;
  text->size = n;
  text->file = facts.identity;
  return text;
}

void OrvMemberCache::UseSettings(const VStringArray& dirs, const VStringArray& suffixes,
                                 int nameCase) {
  std::string settings;
  AppendList(settings, dirs);
  AppendList(settings, suffixes);
  settings += static_cast<char>('0' + nameCase);
  if (settings == settings_) return;
  settings_.swap(settings);
  searches_.clear();
}

const OrvMemberSearch* OrvMemberCache::FindSearch(const char* name) const {
  auto it = searches_.find(name);
  return it != searches_.end() ? &it->second : nullptr;
}

void OrvMemberCache::StoreSearch(const char* name, const OrvMemberSearch& outcome) {
  searches_[name] = outcome;
}

void OrvMemberCache::ForgetSearch(const char* name) { searches_.erase(name); }

OrvSourceTextRef OrvMemberCache::FindText(const std::string& path) const {
  auto it = texts_.find(path);
  return it != texts_.end() ? it->second : nullptr;
}

void OrvMemberCache::StoreText(const std::string& path, const OrvSourceTextRef& text) {
  if (text == nullptr || text->size > maxTextBytes_ || texts_.count(path) != 0) return;
  while (!textOrder_.empty() && textBytes_ + text->size > maxTextBytes_) {
    auto oldest = texts_.find(textOrder_.front());
    textBytes_ -= oldest->second->size;
    texts_.erase(oldest);
    textOrder_.pop_front();
  }
  texts_.emplace(path, text);
  textOrder_.push_back(path);
  textBytes_ += text->size;
}
