// OrvMemberCache: what a lexer learns about COPY members during a run, so
// that a member copied many times costs one search and one read.  It keeps
// the outcome of each member search (the path opened, nothing found, or a
// path that would be too long) keyed by the member name, valid for the copy
// library directories, suffixes and name case under which it was found; and
// the text of each member file read, keyed by its path, up to a bound on
// their total size (the oldest text is dropped first).
#ifndef LARK_LEXER_ORVMEMBERCACHE_H
#define LARK_LEXER_ORVMEMBERCACHE_H

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>

#include "VString.h"

// Which file a text was read from: its device and inode, so that one file
// reached under two paths (./main.cbl and main.cbl, or one member under two
// copy-library directories) is known as one.  `known` is false when the
// file system told nothing of the path.
struct OrvFileIdentity {
  unsigned long long device = 0;
  unsigned long long inode = 0;
  bool known = false;

  // True when both identities are known and name the same file.
  bool SameFileAs(const OrvFileIdentity& other) const {
    return known && other.known && device == other.device && inode == other.inode;
  }
};

// The whole text of one source file, shared by the input levels that read it
// and the cache that keeps it, with the identity of the file it came from.
struct OrvSourceText {
  char* data = nullptr;
  std::size_t size = 0;
  OrvFileIdentity file;

  OrvSourceText() = default;
  OrvSourceText(const OrvSourceText&) = delete;
  OrvSourceText& operator=(const OrvSourceText&) = delete;
  ~OrvSourceText() { delete[] data; }
};
typedef std::shared_ptr<const OrvSourceText> OrvSourceTextRef;

// Reads the whole file at `path`, noting its identity; null when it cannot be
// opened or read, or is a directory (which opens as a stream on this system
// but has no text).
OrvSourceTextRef OrvReadSourceText(const char* path);

// Default bound on the member texts kept: 64 MB.
const std::size_t ORV_MEMBER_TEXT_BYTES = std::size_t(64) << 20;

enum OrvMemberSearchKind {
  ORV_MEMBER_FOUND,          // `path` was opened
  ORV_MEMBER_NOT_FOUND,      // no directory, suffix or case gave a file
  ORV_MEMBER_PATH_TOO_LONG   // the path in directory `dir` would not fit
};

struct OrvMemberSearch {
  OrvMemberSearchKind kind = ORV_MEMBER_NOT_FOUND;
  std::string path;  // ORV_MEMBER_FOUND
  std::string dir;   // ORV_MEMBER_PATH_TOO_LONG
};

class OrvMemberCache {
 public:
  explicit OrvMemberCache(std::size_t maxTextBytes = ORV_MEMBER_TEXT_BYTES)
      : maxTextBytes_(maxTextBytes) {}
  OrvMemberCache(const OrvMemberCache&) = delete;
  OrvMemberCache& operator=(const OrvMemberCache&) = delete;

  // Declares the search settings of the next look-ups; the search outcomes
  // kept are forgotten when they differ from the settings they were found
  // under.
  void UseSettings(const VStringArray& dirs, const VStringArray& suffixes, int nameCase);
  // The outcome of an earlier search for the member name, or null.
  const OrvMemberSearch* FindSearch(const char* name) const;
  void StoreSearch(const char* name, const OrvMemberSearch& outcome);
  void ForgetSearch(const char* name);

  // The text kept for the path, or null.
  OrvSourceTextRef FindText(const std::string& path) const;
  // Keeps the text for the path, dropping the oldest texts until the total
  // fits the bound; a text larger than the bound is not kept.
  void StoreText(const std::string& path, const OrvSourceTextRef& text);
  // Bytes of text kept now, and the number of texts.
  std::size_t TextBytes() const { return textBytes_; }
  int TextCount() const { return static_cast<int>(texts_.size()); }

 private:
  std::string settings_;  // the settings the outcomes were found under
  std::unordered_map<std::string, OrvMemberSearch> searches_;
  std::unordered_map<std::string, OrvSourceTextRef> texts_;
  std::deque<std::string> textOrder_;  // paths of texts_, oldest first
  std::size_t textBytes_ = 0;
  std::size_t maxTextBytes_;
};

#endif
