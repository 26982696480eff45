// Files and processes.
#include "OrvFiles.h"

#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "OrvRawWrite.h"

namespace {

bool EnvSet(const char* name) { return std::getenv(name) != nullptr; }

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsDirectory(const char* path) {
  struct stat st;
  return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool OrvIsDebug() { return EnvSet("ORV_DEBUG"); }

OrvResult OrvOpenInFile(std::ifstream& in, const char* path, bool binary, bool trace) {
  in.clear();
  std::ios_base::openmode mode = std::ios_base::in;
  if (binary) mode |= std::ios_base::binary;
  if (path != nullptr) in.open(path, mode);
  if (path == nullptr || !in.is_open()) in.setstate(std::ios_base::failbit);
  OrvResult r = !in.fail() && !in.bad() && in.is_open() ? ORV_OK : ORV_CANNOT_OPEN_INPUT;
  if (trace && OrvIsDebug())
    std::cout << "@@OrvOpenInFile: file='" << (path ? path : "") << "', bin=" << (binary ? 1 : 0)
              << ", ret=" << static_cast<int>(r) << std::endl;
  return r;
}

OrvResult OrvOpenOutFile(std::ofstream& out, const VString& path, bool binary, bool append) {
  VString norm = path.NormalizePath();
  out.clear();
  std::ios_base::openmode mode = std::ios_base::out | (append ? std::ios_base::app : std::ios_base::trunc);
  if (binary) mode |= std::ios_base::binary;
  if (norm.text != nullptr) out.open(norm.text, mode);
  if (norm.text == nullptr || !out.is_open()) out.setstate(std::ios_base::failbit);
  OrvResult r = !out.fail() && !out.bad() && out.is_open() ? ORV_OK : ORV_CANNOT_OPEN_OUTPUT;
  if (OrvIsDebug())
    std::cout << "@@OrvOpenOutFile: file='" << path << "' norm='" << norm << "', bin=" << (binary ? 1 : 0)
              << ", ret=" << static_cast<int>(r) << std::endl;
  return r;
}

OrvResult OrvMkDir(const char* path, int* errnoOut) {
  if (path == nullptr) return ORV_OK;
  std::string prefix;
  for (const char* p = path; *p != '\0'; ++p) {
    if (!IsSeparator(*p)) {
      prefix.push_back(*p);
      continue;
    }
    if (!prefix.empty() && prefix != ".") {
      if (mkdir(prefix.c_str(), 0755) == 0) {
        if (OrvIsDebug()) std::cout << "@@OrvMkDir: dir='" << prefix << "', ret=" << 0 << std::endl;
      } else {
        int err = errno;
        // An existing directory is fine; so is EACCES when the directory is
        // already there (a parent that may not be written to).
        bool exists = err == EEXIST || (err == EACCES && IsDirectory(prefix.c_str()));
        if (!exists) {
          if (errnoOut) *errnoOut = err;
          return ORV_MKDIR_FAILED;
        }
      }
    }
    prefix.push_back('/');
  }
  return ORV_OK;
}

bool IsAbsolutePath(const char* path) {
  if (path == nullptr || path[0] == '\0') return false;
  return IsSeparator(path[0]) || path[1] == ':';
}

OrvResult OrvCallExec(const char* program, char* exitStatusOut, const VStringList& args, VString& error) {
  if (program == nullptr) {
    error = VString("OrvCallExec: no program to run");
    return ORV_EXEC_FAILED;
  }
  std::vector<char*> argv;
  argv.reserve(static_cast<size_t>(args.Count()) + 2);
  argv.push_back(const_cast<char*>(program));
  for (const VStringListNode* n = args.head; n != nullptr; n = n->next)
    argv.push_back(n->value.text ? n->value.text : const_cast<char*>(""));
  argv.push_back(nullptr);

  if (OrvIsDebug()) {
    std::cout << "@@OrvCallExec: '" << program << "', args:" << std::endl;
    for (size_t i = 1; i + 1 < argv.size(); ++i) std::cout << "  '" << argv[i] << "'" << std::endl;
  }

  pid_t child = fork();
  if (child < 0) {
    error = OrvFormat("OrvCallExec: could not fork '%s'", program);
    return ORV_EXEC_FAILED;
  }
  if (child == 0) {
    if (program[0] == '.' || program[0] == '/')
      execv(program, argv.data());
    else
      execvp(program, argv.data());
    // Only a failed exec comes here.  The child ends with _exit so that the
    // parent's buffered output is not written a second time.
    int err = errno;
    VString text = OrvFormat("\nOrvCallExec: cannot exec '%s': %s\n", program, std::strerror(err));
    OrvWriteAll(STDERR_FILENO, text.text, static_cast<size_t>(text.length));
    _exit(ORV_EXEC_FAILED);
  }

  int status = 0;
  pid_t waited;
  do {
    waited = waitpid(child, &status, 0);
  } while (waited < 0 && errno == EINTR);
  if (waited < 0) {
    error = OrvFormat("OrvCallExec: error while waiting for '%s'", program);
    return ORV_EXEC_FAILED;
  }
  if (WIFSIGNALED(status)) {
    if (exitStatusOut) *exitStatusOut = 0;
    error = OrvFormat("OrvCallExec: '%s' was ended by signal %d", program, WTERMSIG(status));
    return ORV_EXEC_FAILED;
  }
  int code = WIFEXITED(status) ? WEXITSTATUS(status) : 0;
  if (exitStatusOut) *exitStatusOut = static_cast<char>(code);
  if (code == ORV_EXEC_FAILED) {
    error = OrvFormat("OrvCallExec: cannot exec '%s', probably because executable was not found", program);
    return ORV_EXEC_FAILED;
  }
  return ORV_OK;
}

OrvResult OrvRmFile(const VString& path, VString& error) {
  if (EnvSet("ORV_NO_RM")) return ORV_OK;
  int r = unlink(path.text ? path.text : "");
  int err = errno;
  if (OrvIsDebug()) std::cout << "@@OrvRmFile: file='" << path << "', ret=" << r << std::endl;
  if (r != 0) {
    error = OrvFormat("OrvRmFile: cannot remove '%s': %s", path.text ? path.text : "", std::strerror(err));
    return ORV_RMFILE_FAILED;
  }
  return ORV_OK;
}

VString OrvTempName(const VString& prefix, const VString& name) {
  VString stem = OrvIsDebug() && name.length != 0 ? name.BaseName(false) : prefix;
  stem.ReplaceChar('/', '_');
  stem.ReplaceChar('\\', '_');
  const char* dir = std::getenv("TMPDIR");
  if (dir == nullptr || !IsDirectory(dir)) dir = P_tmpdir;
  std::string pattern = std::string(dir) + "/" + (stem.text ? stem.text : "") + "XXXXXX";
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  int fd = mkstemp(buf.data());
  if (fd < 0) return VString();
  close(fd);
  return VString(buf.data());
}

void OrvAdjustPath(const char*, int) {}
