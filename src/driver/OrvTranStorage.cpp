// Transformation storage: the file record of a transformation (its writer
// and readers), the replacing write of a file, and the storage operations.
#include "OrvTranStorage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "OrvFiles.h"
#include "OrvTicRead.h"
#include "OrvTransform.h"

const char* const OrvTransNoDirText = "-(no-dir)-";
const char* const OrvTransFileSuffix = ".orv";
const char* const OrvTransFileVersion = "4-2-0";

OrvTranStorage OrvTheTranStorage;

VString OrvTransPath(const VString& dir, const VString& name) {
  const VString& shown = dir.length > 0 ? dir : VString(OrvTransNoDirText);
  return shown + VString("/") + name + VString(OrvTransFileSuffix);
}

namespace {

const char* Text(const VString& s) { return s.text ? s.text : ""; }

// Tries to make a new temporary file beside `path`; answers its descriptor
// (or -1) and its name.
int OpenTemporary(const VString& path, std::string& tempName) {
  static unsigned serial = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempName = std::string(Text(path)) + "." + std::to_string(getpid()) + "." +
               std::to_string(++serial) + ".tmp";
    int fd = open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Writes every byte; false on the first failed write.
bool WriteAll(int fd, const std::string& text) {
  const char* p = text.data();
  size_t left = text.size();
  while (left > 0) {
    ssize_t n = write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

// Puts `text` at `path`: written whole to a temporary file in the same
// directory, which then replaces the target in one step.  A failure leaves
// the target as it was and removes the temporary.
OrvResult ReplaceFile(const VString& path, const std::string& text, VString& error) {
  std::string tempName;
  int fd = OpenTemporary(path, tempName);
  if (fd < 0) {
    error = OrvFormat("Cannot open file '%s' for output", Text(path));
    return ORV_CANNOT_OPEN_OUTPUT;
  }
  bool written = WriteAll(fd, text);
  written = (close(fd) == 0) && written;
  if (written) written = std::rename(tempName.c_str(), Text(path)) == 0;
  if (!written) {
    unlink(tempName.c_str());
    error = OrvFormat("Cannot write file '%s'", Text(path));
    return ORV_CANNOT_OPEN_OUTPUT;
  }
  return ORV_OK;
}

// Whether two paths name the same file (the one at `a` must exist).
bool SameFile(const VString& a, const VString& b) {
  struct stat sa;
  struct stat sb;
  return stat(Text(a), &sa) == 0 && stat(Text(b), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

}  // namespace

// ---------------------------------------------------------------------------
// The file record
// ---------------------------------------------------------------------------

void OrvTransform::PutTic(std::ostream& out) const {
  VString(OrvTransFileVersion).PutTic(out, ':');
  ClassName().PutTic(out, ':');
  name.PutTic(out, ':');
  out << nrefs << ':';
  inst_descr.PutTic(out, '\n');
  for (int i = 0; i < nrefs; ++i) {
    refs[i].name.PutTic(out, ':');
    out << refs[i].active << '\n';
  }
}

OrvResult OrvTransform::GetTic(std::istream& in, VString& error) {
  OrvResult r = name.GetTic(in, ':', error);
  if (r != ORV_OK) return r;
  int count = 0;
  r = GetTicIntNo(in, &count, false, ':', error);
  if (r != ORV_OK) return r;
  // The reference table is fixed; a larger count is refused before it is
  // stored.
  if (count > MaxRefs) {
    error = OrvFormat("OrvTransform::GetTic: too many references: %d", count);
    return ORV_TIC_BAD_NUMBER;
  }
  nrefs = count;
  r = inst_descr.GetTic(in, '\n', error);
  if (r != ORV_OK) return r;
  for (int i = 0; i < nrefs; ++i) {
    r = refs[i].name.GetTic(in, ':', error);
    if (r == ORV_OK) r = GetTicIntNo(in, &refs[i].active, false, '\n', error);
    if (r != ORV_OK) return r;
  }
  return ORV_OK;
}

OrvResult OrvTransform::Read(std::istream& in, OrvTransform*& read, VString& error) {
  read = nullptr;
  VString version;
  VString className;
  OrvResult r = version.GetTic(in, ':', error);
  if (r == ORV_OK) r = className.GetTic(in, ':', error);
  if (r != ORV_OK) return r;
  OrvTransform* created = nullptr;
  r = NewByName(className, created, error);
  if (r != ORV_OK) return r;
  r = created->GetTic(in, error);
  if (r != ORV_OK) {
    delete created;
    return r;
  }
  read = created;
  return ORV_OK;
}

OrvResult OrvTransform::ReadFile(const VString& path, OrvTransform*& read, VString& error) {
  read = nullptr;
  std::ifstream in;
  OrvResult r = OrvOpenInFile(in, Text(path), false, true);
  if (r != ORV_OK) {
    error = OrvFormat("Cannot open file '%s' for input", Text(path));
    return r;
  }
  r = Read(in, read, error);
  in.close();
  return r;
}

OrvResult OrvTransform::Save(VString& error) const {
  std::ostringstream text;
  PutTic(text);
  return ReplaceFile(OrvTransPath(dir_name, name), text.str(), error);
}

// ---------------------------------------------------------------------------
// The storage
// ---------------------------------------------------------------------------

OrvTranStorage::OrvTranStorage() : count(0), items() { dirs.Append(VString(".")); }

int OrvTranStorage::FindInMem(const VString& name, OrvTransform** found) const {
  for (int i = 0; i < count; ++i) {
    if (OrvTransSameName(items[i]->name, name)) {
      if (found) *found = items[i];
      return 1;
    }
  }
  return 0;
}

int OrvTranStorage::FindFile(const VString& name, VString* dir) const {
  for (const VStringListNode* d = dirs.head; d; d = d->next) {
    if (OrvTransPath(d->value, name).FileExists()) {
      if (dir) *dir = d->value;
      return 1;
    }
  }
  return 0;
}

int OrvTranStorage::Exists(const VString& name, OrvTransform** found, VString* dir) const {
  return FindInMem(name, found) || FindFile(name, dir);
}

OrvResult OrvTranStorage::New(OrvTransform* t, VString& error) {
  if (Exists(t->name)) {
    error = OrvFormat("OrvTranStorage::New: transformation '%s' already registered", Text(t->name));
    return ORV_TRANSFORM_DUPLICATE;
  }
  return Load(t, error);
}

OrvResult OrvTranStorage::Load(OrvTransform* t, VString& error) {
  if (count >= Capacity) {
    error = VString("OrvTranStorage::Load: too many transformations loaded");
    return ORV_TRANSFORM_REGISTRY_FULL;
  }
  items[count++] = t;
  return ORV_OK;
}

OrvResult OrvTranStorage::Get(const VString& name, OrvTransform*& found, VString& error) {
  found = nullptr;
  if (FindInMem(name, &found)) return ORV_OK;
  const VStringListNode* dir = dirs.head;
  while (dir && !OrvTransPath(dir->value, name).FileExists()) dir = dir->next;
  if (dir == nullptr) {
    error = OrvFormat("Cannot find transformation '%s' for load", Text(name));
    return ORV_TRANSFORM_NOT_FOUND;
  }
  OrvResult r = OrvTransform::ReadFile(OrvTransPath(dir->value, name), found, error);
  if (r != ORV_OK) return r;
  r = Load(found, error);
  if (r != ORV_OK) return r;
  found->dir_name = dir->value;
  return ORV_OK;
}

OrvResult OrvTranStorage::Save(const OrvTransform* t, VString& error) { return t->Save(error); }

bool OrvTranStorage::Forget(const OrvTransform* t) {
  for (int i = 0; i < count; ++i) {
    if (items[i] != t) continue;
    for (int k = i + 1; k < count; ++k) items[k - 1] = items[k];
    items[--count] = nullptr;
    return true;
  }
  return false;
}

OrvResult OrvTranStorage::DelFromMem(const VString& name, int must_exist, VString& error) {
  OrvTransform* t = nullptr;
  if (FindInMem(name, &t)) {
    Forget(t);
    return ORV_OK;
  }
  if (!must_exist) return ORV_OK;
  error = OrvFormat("OrvTranStorage::DelFromMem: transformation '%s' not found", Text(name));
  return ORV_TRANSFORM_NOT_FOUND;
}

OrvResult OrvTranStorage::DeleteFiles(const VString& name, const VString* spare, int& deleted,
                                      VString& error) {
  deleted = 0;
  for (const VStringListNode* d = dirs.head; d; d = d->next) {
    const VString path = OrvTransPath(d->value, name);
    if (!path.FileExists()) continue;
    if (d->value.length == 0) break;
    if (spare && SameFile(path, *spare)) continue;
    OrvResult r = OrvRmFile(path, error);
    if (r != ORV_OK) return r;
    ++deleted;
  }
  return ORV_OK;
}

OrvResult OrvTranStorage::DelFromFile(const VString& name, int must_exist, VString& error) {
  int deleted = 0;
  OrvResult r = DeleteFiles(name, nullptr, deleted, error);
  if (r != ORV_OK) return r;
  if (deleted == 0 && must_exist) {
    error = OrvFormat("OrvTranStorage::DelFromFile: transformation named '%s.orv' not found",
                      Text(name));
    return ORV_TRANSFORM_NOT_FOUND;
  }
  if (deleted > 1)
    error = OrvFormat("OrvTranStorage::DelFromFile: %d transformation files named '%s.orv' deleted",
                      deleted, Text(name));
  return ORV_OK;
}

OrvResult OrvTranStorage::Del(const VString& name, int must_exist, VString& error) {
  OrvResult r = DelFromMem(name, must_exist, error);
  return r != ORV_OK ? r : DelFromFile(name, must_exist, error);
}

OrvResult OrvTranStorage::Rename(const VString& oldName, const VString& newName,
                                 const VString& dir, int overwrite, int update_refs,
                                 VString& error) {
  OrvTransform* t = nullptr;
  OrvResult r = Get(oldName, t, error);
  if (r != ORV_OK) return r;
  if (OrvTransSameName(newName, oldName) && OrvTransSameName(dir, t->dir_name))
    return Save(t, error);
  VString foundDir;
  if (Exists(newName, nullptr, &foundDir) && !overwrite) {
    error = OrvFormat(
        "Cannot rename transformation '%s' to '%s/%s' because transformation '%s/%s' already "
        "exists",
        Text(oldName), Text(dir), Text(newName), Text(foundDir), Text(newName));
    return ORV_TRANSFORM_DUPLICATE;
  }
  // The renamed object is written first: until it stands whole in its new
  // file, neither the old files nor the storage change.
  const VString keptName = t->name;
  const VString keptDir = t->dir_name;
  t->name = newName;
  t->dir_name = dir;
  r = t->Save(error);
  if (r != ORV_OK) {
    t->name = keptName;
    t->dir_name = keptDir;
    return r;
  }
  const VString written = OrvTransPath(dir, newName);
  Forget(t);
  if (overwrite) r = DelFromMem(newName, 0, error);
  int deleted = 0;
  if (r == ORV_OK && overwrite) r = DeleteFiles(newName, &written, deleted, error);
  if (r == ORV_OK) r = DeleteFiles(oldName, &written, deleted, error);
  // `t` left the storage above, so there is room for it again.
  OrvResult loaded = Load(t, error);
  if (r != ORV_OK) return r;
  if (loaded != ORV_OK) return loaded;
  if (update_refs) {
    error = VString("OrvTranStorage::Rename: update refs not implemented");
    return ORV_TRANS_UPDATE_REFS;
  }
  return ORV_OK;
}
