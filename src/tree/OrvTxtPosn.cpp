// Source positions, position ranges and the source file-name table.
#include "OrvTxtPosn.h"

#include <istream>
#include <ostream>
#include <string>
#include <unordered_map>

#include "OrvTicRead.h"

struct OrvTxtPosnConstants {
  static constexpr OrvTxtPosn Null() { return OrvTxtPosn(0u, 0, 0, 0); }
  static constexpr OrvTxtPosn Infinity() { return OrvTxtPosn(0u, 0, 1, 0); }
};

const OrvTxtPosn OrvNullPosn = OrvTxtPosnConstants::Null();
const OrvTxtPosn OrvInftyPosn = OrvTxtPosnConstants::Infinity();

const char* const OrvBadFileName = "-(bad)-";

int OrvTicPosnWithFileNames = 0;
int& OrvTicFileNames = OrvTicPosnWithFileNames;

namespace {

const int* gFileIndexMap = nullptr;
int gFileIndexMapSize = 0;

const int kInitialFileTableCapacity = 100;

}  // namespace

void OrvSetTicFileIndexMap(const int* map, int size) {
  gFileIndexMap = map;
  gFileIndexMapSize = map ? size : 0;
}

void OrvClearTicFileIndexMap() {
  gFileIndexMap = nullptr;
  gFileIndexMapSize = 0;
}

CountedNameTable& OrvFileNameTable() {
  // Created on first use (at the latest by the initialiser below, before
  // main) and freed at exit.
  static CountedNameTable table(kInitialFileTableCapacity);
  static const bool hasBadEntry = (table.InsertAt(CountedName(VString(OrvBadFileName), 0), 0), true);
  (void)hasBadEntry;
  return table;
}

namespace {
CountedNameTable& kFileTableAtStart = OrvFileNameTable();
}  // namespace

namespace {

// The index of each name of the file-name table, so that finding a name does
// not compare it with every name before it.  The table itself is public;
// when its count differs from what was indexed, something changed it other
// than OrvFileNameAdd and the index is built again.
struct FileNameIndex {
  std::unordered_map<std::string, int> at;
  int indexed = 0;
};

std::string NameKey(const VString& name) {
  return name.text != nullptr ? std::string(name.text, static_cast<size_t>(name.length))
                              : std::string();
}

void RebuildIndex(FileNameIndex& index, const CountedNameTable& table) {
  index.at.clear();
  // The first of equal names wins, as a search from the start would find.
  for (int i = 0; i < table.count; ++i) index.at.emplace(NameKey(table.entries[i].name), i);
  index.indexed = table.count;
}

// The index of `name` in the table, or -1.
int FindIndexed(FileNameIndex& index, const CountedNameTable& table, const std::string& key) {
  auto it = index.at.find(key);
  if (it == index.at.end()) return -1;
  const int i = it->second;
  if (i < table.count && NameKey(table.entries[i].name) == key) return i;
  return -2;  // the table was changed in place: the index is stale
}

}  // namespace

int OrvFileNameAdd(const VString& name) {
  CountedNameTable& table = OrvFileNameTable();
  static FileNameIndex index;
  if (index.indexed != table.count) RebuildIndex(index, table);
  const std::string key = NameKey(name);
  int found = FindIndexed(index, table, key);
  if (found == -2) {
    RebuildIndex(index, table);
    found = FindIndexed(index, table, key);
  }
  if (found >= 0) {
    ++table.entries[found].count;
    return found;
  }
  if (table.count >= OrvFileNameTableLimit) return OrvTxtPosn::NoFileIx;
  const int added = table.InsertAt(CountedName(name, 1), table.count);
  index.at.emplace(key, added);
  index.indexed = table.count;
  return added;
}

const VString& OrvFileNameOf(int fileIx) {
  static const VString bad(OrvBadFileName);
  const CountedNameTable& t = OrvFileNameTable();
  if (fileIx >= 0 && fileIx < t.count) return t.entries[fileIx].name;
  return bad;
}

int OrvTxtPosn::Compare(const OrvTxtPosn& a, const OrvTxtPosn& b) {
  if (a.fileIx_ != b.fileIx_) return -100;
  if (a.line_ != b.line_) return a.line_ < b.line_ ? -1 : 1;
  if (a.column_ != b.column_) return a.column_ < b.column_ ? -1 : 1;
  return 0;
}

std::ostream& operator<<(std::ostream& out, const OrvTxtPosn& p) {
  if (!p.IsSet()) return out << "(null)";
  if (p.IsInfinity()) return out << "(infty)";
  const VString& name = OrvFileNameOf(p.FileIx());
  if (name.length > 0) out << name;
  return out << ':' << p.Line() << ':' << (p.Column() + 1);
}

VString OrvTxtPosn::ToString() const {
  FastOstrstream os;
  os << *this;
  return VString(os);
}

void OrvTxtPosn::PutTic(std::ostream& out) const {
  out << '[' << line_ << ',' << column_ << ',';
  if (OrvTicPosnWithFileNames) {
    out << 's';
    OrvFileNameOf(fileIx_).PutTic(out);
  } else {
    out << 'n';
    if (fileIx_ == NoFileIx) out << -1;
    else out << fileIx_;
  }
  out << ']';
}

OrvResult OrvTxtPosn::GetTic(std::istream& in, VString& error) {
  if (in.get() != '[') {
    error = VString("OrvTxtPosn::GetTic: '[' is expected");
    return ORV_TIC_BAD_FORMAT;
  }
  int n = 0;
  OrvResult r = GetTicIntNo(in, &n, false, ',', error);
  if (r != 0) return r;
  SetLine(n);
  r = GetTicIntNo(in, &n, false, ',', error);
  if (r != 0) return r;
  if (n > MaxColumn) {
    error = OrvFormat("OrvTxtPosn::GetTic: column %d is out of range 0..%d", n, MaxColumn);
    return ORV_TIC_BAD_FORMAT;
  }
  SetColumn(n);
  const int kind = in.get();
  if (kind == 's') {
    VString name;
    r = name.GetTic(in, error);
    if (r != 0) return r;
    const int fileIx = OrvFileNameAdd(name);
    if (fileIx == NoFileIx) {
      error = OrvFormat("OrvTxtPosn::GetTic: no room for another file name (the table holds %d)",
                        OrvFileNameTableLimit);
      return ORV_TIC_BAD_FORMAT;
    }
    SetFileIx(fileIx);
    if (in.get() != ']') {
      error = VString("OrvTxtPosn::GetTic: ']' expected after file_name");
      return ORV_TIC_BAD_FORMAT;
    }
    return 0;
  }
  if (kind == 'n') {
    r = GetTicIntNo(in, &n, true, ']', error);
    if (r != 0) return r;
    if (n == -1) {
      fileIx_ = NoFileIx;
      return 0;
    }
    if (gFileIndexMap == nullptr) {
      if (n < 0 || n >= NoFileIx) {
        error = OrvFormat("OrvTxtPosn::GetTic: file_ix %d is out of range -1..%d", n, NoFileIx - 1);
        return ORV_TIC_BAD_FORMAT;
      }
      fileIx_ = static_cast<std::uint16_t>(n);
      return 0;
    }
    if (n < 0 || n >= gFileIndexMapSize) {
      error = OrvFormat("OrvTxtPosn::GetTic: file_ix %d is out of range -1..%d", n, gFileIndexMapSize);
      return ORV_TIC_BAD_FORMAT;
    }
    SetFileIx(gFileIndexMap[n]);
    return 0;
  }
  error = VString("OrvTxtPosn::GetTic: bad char that qualifies file_name");
  return ORV_TIC_BAD_FORMAT;
}

void OrvTxtPosnRange::PutTic(std::ostream& out) const {
  beg.PutTic(out);
  end.PutTic(out);
}

OrvResult OrvTxtPosnRange::GetTic(std::istream& in, VString& error) {
  OrvResult r = beg.GetTic(in, error);
  if (r != 0) return r;
  return end.GetTic(in, error);
}

std::ostream& operator<<(std::ostream& out, const OrvTxtPosnRange& r) {
  return out << "[beg:" << r.beg << ", end:" << r.end << ']';
}
