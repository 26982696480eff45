// The copy-member stack.
#include "OrvCopyMembers.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "OrvExpr.h"
#include "OrvFiles.h"
#include "OrvMessage.h"
#include "OrvPrettyPrinter.h"
#include "OrvPrintMessages.h"
#include "OrvPrintOutput.h"
#include "OrvPrintResult.h"
#include "OrvTxtPosn.h"

namespace {

// Slots of the member markers that hold the real file name.
const int kBeginRealFileName = 2;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// Whether some part of the path, between separators, is "..".
bool ClimbsUp(const VString& path) {
  int start = 0;
  for (int i = 0; i <= path.length; ++i) {
    if (i == path.length || IsSeparator(path.text[i])) {
      if (i - start == 2 && path.text[start] == '.' && path.text[start + 1] == '.') return true;
      start = i + 1;
    }
  }
  return false;
}

VString BaseName(const VString& path) {
  int start = 0;
  for (int i = 0; i < path.length; ++i)
    if (IsSeparator(path.text[i])) start = i + 1;
  return VString(path.text + start, path.length - start);
}

const VString& ImageOf(const OrvExpr* node) {
  static const VString empty;
  const VString* image = node != nullptr && node->HasImage() ? node->Image() : nullptr;
  return image != nullptr ? *image : empty;
}

void TraceEnvironment(const char* what, const OrvCopyLevel& level) {
  if (!(OrvPrint.trace_flags & ORV_PTRACE_PRINT)) return;
  std::cout << what << "file_name=" << (level.file_name.text ? level.file_name.text : "")
            << " g_xpos=" << level.g_xpos << " last_line_src_posn=" << level.last_line_src_posn
            << " line_no=" << level.line_no << "\n";
}

}  // namespace

VString OrvCopyMemberPath(const VString& copyDir, const VString& fileName) {
  if (fileName.length == 0) return copyDir;
  const bool outside = IsAbsolutePath(fileName.text) || ClimbsUp(fileName);
  return copyDir + (outside ? BaseName(fileName) : fileName);
}

namespace {

// The device and inode of a file of the table of source file names, found
// once per name: a print checks its targets against every source read so
// far, and the table only grows.
struct SourceIdentity {
  std::string name;
  bool exists;
  dev_t device;
  ino_t inode;
};

std::vector<SourceIdentity>& SourceIdentities() {
  static std::vector<SourceIdentity>* identities = new std::vector<SourceIdentity>();
  return *identities;
}

const SourceIdentity& IdentityOf(int index, const VString& name) {
  std::vector<SourceIdentity>& identities = SourceIdentities();
  if (static_cast<std::size_t>(index) >= identities.size()) identities.resize(static_cast<std::size_t>(index) + 1);
  SourceIdentity& identity = identities[static_cast<std::size_t>(index)];
  const char* text = name.text != nullptr ? name.text : "";
  // A table emptied and filled again holds other names at the same index.
  if (identity.name != text || (identity.name.empty() && !identity.exists)) {
    struct stat source;
    identity.name = text;
    identity.exists = name.text != nullptr && ::stat(text, &source) == 0;
    identity.device = identity.exists ? source.st_dev : 0;
    identity.inode = identity.exists ? source.st_ino : 0;
  }
  return identity;
}

}  // namespace

bool OrvIsSourceFile(const char* path) {
  struct stat target;
  if (path == nullptr || ::stat(path, &target) != 0) return false;
  const CountedNameTable& names = OrvFileNameTable();
  for (int i = 1; i < names.count; ++i) {
    const SourceIdentity& source = IdentityOf(i, names[i].name);
    if (!source.exists || source.device != target.st_dev || source.inode != target.st_ino) continue;
    // A source deleted since leaves its inode free for a new file: the
    // source must still be there.
    struct stat now;
    if (::stat(source.name.c_str(), &now) == 0 && now.st_dev == target.st_dev && now.st_ino == target.st_ino)
      return true;
  }
  return false;
}

OrvResult OrvOpenCopyMember(const OrvExpr* marker) {
  OrvPrintState& s = OrvPrint;
  const VString& fileName = ImageOf(marker->ChildAt(kBeginRealFileName));
  const VString path = OrvCopyMemberPath(s.copy_dir, fileName);
  int error = 0;
  if (OrvMkDir(path.text, &error) != ORV_OK) {
    AddError(MSG_SEVERE, OrvFormat("SourcePrint: cannot create directory '%s': %s", path.text, std::strerror(error)));
    return ORV_PRINT_MEMBER_FILE;
  }
  if (OrvIsSourceFile(path.text)) {
    AddError(MSG_SEVERE, OrvFormat("Starting Copybook: '%s' is a source file; it is not overwritten", path.text));
    return ORV_PRINT_MEMBER_FILE;
  }
  std::ofstream* stream = new std::ofstream();
  if (OrvOpenOutFile(*stream, path, false, false) != ORV_OK) {
    delete stream;
    AddError(MSG_SEVERE, OrvFormat("Starting Copybook: cannot open file '%s' for write", path.text));
    return ORV_PRINT_MEMBER_FILE;
  }
  OrvFlushPrintBuffer();
  OrvCopyLevel& below = s.copy_stack[s.copy_level - 1];
  below.g_xpos = s.gen_xpos;
  below.last_line_src_posn = s.last_line_src_posn;
  below.line_no = s.line_no;
  TraceEnvironment("***PrettyCOPY: Saved envt: ", below);
  OrvCopyLevel& top = s.copy_stack[s.copy_level];
  top.file_name = fileName;
  top.stream = stream;
  top.owned = true;
  s.last_line_src_posn = OrvTxtPosn();
  s.gen_xpos = 0;
  s.line_no = 1;
  ++s.copy_level;
  return ORV_OK;
}

namespace {

// Closes the top member's file; false when it could not be written.
bool CloseTop() {
  OrvPrintState& s = OrvPrint;
  OrvFlushPrintBuffer();
  OrvCopyLevel& top = s.copy_stack[s.copy_level - 1];
  std::ofstream* stream = static_cast<std::ofstream*>(top.stream);
  stream->close();
  const bool written = !stream->fail();
  delete stream;
  top.stream = nullptr;
  top.owned = false;
  --s.copy_level;
  return written;
}

}  // namespace

OrvResult OrvCloseCopyMember() {
  OrvPrintState& s = OrvPrint;
  if (s.gen_xpos > 0) PutWithLineId('\n', 1);
  const VString name = s.copy_stack[s.copy_level - 1].file_name;
  const bool written = CloseTop();
  const OrvCopyLevel& below = s.copy_stack[s.copy_level - 1];
  s.gen_xpos = below.g_xpos;
  s.last_line_src_posn = below.last_line_src_posn;
  s.line_no = below.line_no;
  TraceEnvironment("***PrettyCOPY: Restored envt: ", below);
  if (!written) {
    const VString path = OrvCopyMemberPath(s.copy_dir, name);
    AddError(MSG_SEVERE, OrvFormat("Finishing Copybook: cannot write file '%s'", path.text ? path.text : ""));
    return ORV_PRINT_MEMBER_FILE;
  }
  return ORV_OK;
}

void OrvCloseAllCopyMembers() {
  while (OrvPrint.copy_level > 1 && OrvPrint.copy_stack[OrvPrint.copy_level - 1].owned) CloseTop();
}
