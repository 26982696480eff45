// Tests of the file and process utilities: opening, directories, removal, temporary names and
// running programs.
#include "OrvFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "RunProgram.h"

namespace {

// Sets (or unsets) an environment variable for the life of the guard.
class EnvGuard {
public:
  EnvGuard(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    hadOld_ = old != nullptr;
    if (hadOld_) old_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~EnvGuard() {
    if (hadOld_) setenv(name_, old_.c_str(), 1);
    else unsetenv(name_);
  }

private:
  const char* name_;
  bool hadOld_;
  std::string old_;
};

// A fresh directory for one test, removed with everything in it afterwards.
class FilesTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/lark_files_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::string cmd = "chmod -R u+rwx '" + dir_ + "' && rm -rf '" + dir_ + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
  }
  std::string Path(const std::string& rel) const { return dir_ + "/" + rel; }
  void WriteFile(const std::string& rel, const std::string& content) const {
    std::ofstream(Path(rel)) << content;
  }
  static bool IsDir(const std::string& p) {
    struct stat st;
    return stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }
  std::string dir_;
};

// Runs a callable with the working directory set to dir.
template <typename F>
void InDirectory(const std::string& dir, F f) {
  char old[PATH_MAX];
  ASSERT_NE(getcwd(old, sizeof old), nullptr);
  ASSERT_EQ(chdir(dir.c_str()), 0);
  f();
  ASSERT_EQ(chdir(old), 0);
}

TEST_F(FilesTest, OpenInFile) {
  WriteFile("in.cbl", "LINE\n");
  EnvGuard debug("ORV_DEBUG", nullptr);
  std::ifstream in;
  EXPECT_EQ(OrvOpenInFile(in, Path("missing").c_str(), false, true), 11);
  EXPECT_TRUE(in.fail());
  // The same stream opens another file after the failure.
  EXPECT_EQ(OrvOpenInFile(in, Path("in.cbl").c_str(), true, true), 0);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "LINE");
  std::ifstream none;
  EXPECT_EQ(OrvOpenInFile(none, nullptr, false, false), 11);
}

TEST_F(FilesTest, OpenInFileTracesOnlyWhenAsked) {
  EnvGuard debug("ORV_DEBUG", "");
  std::ifstream in;
  testing::internal::CaptureStdout();
  OrvOpenInFile(in, Path("missing").c_str(), false, false);
  std::ifstream in2;
  OrvOpenInFile(in2, Path("missing").c_str(), true, true);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "@@OrvOpenInFile: file='" + Path("missing") + "', bin=1, ret=11\n");
}

TEST_F(FilesTest, OpenOutFileTruncatesAppendsAndNormalises) {
  EnvGuard debug("ORV_DEBUG", nullptr);
  WriteFile("out.txt", "old content\n");
  {
    std::ofstream out;
    EXPECT_EQ(OrvOpenOutFile(out, VString(Path("out.txt").c_str()), false, false), 0);
    out << "new\n";
  }
  EXPECT_EQ(ReadWholeFile(Path("out.txt")), "new\n");
  {
    std::ofstream out;
    EXPECT_EQ(OrvOpenOutFile(out, VString(Path("out.txt").c_str()), true, true), 0);
    out << "more\n";
  }
  EXPECT_EQ(ReadWholeFile(Path("out.txt")), "new\nmore\n");
  {
    // sub/../norm.txt is opened as norm.txt, even though sub does not exist.
    std::ofstream out;
    EXPECT_EQ(OrvOpenOutFile(out, VString(Path("sub/../norm.txt").c_str()), false, false), 0);
    out << "n";
  }
  EXPECT_EQ(ReadWholeFile(Path("norm.txt")), "n");
  for (bool append : {false, true}) {
    std::ofstream out;
    EXPECT_EQ(OrvOpenOutFile(out, VString(Path("nodir/x.txt").c_str()), false, append), 10);
    EXPECT_TRUE(out.fail());
  }
}

TEST_F(FilesTest, OpenOutFileTrace) {
  EnvGuard debug("ORV_DEBUG", "1");
  std::ofstream out;
  testing::internal::CaptureStdout();
  OrvOpenOutFile(out, VString(Path("a/../o.txt").c_str()), false, false);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "@@OrvOpenOutFile: file='" + Path("a/../o.txt") + "' norm='" + Path("o.txt") + "', bin=0, ret=0\n");
}

TEST_F(FilesTest, MkDirMakesEveryPrefix) {
  EnvGuard debug("ORV_DEBUG", nullptr);
  InDirectory(dir_, [&] {
    int err = 0;
    EXPECT_EQ(OrvMkDir("./a/b/file", &err), 0);
    EXPECT_EQ(OrvMkDir("name", &err), 0);
    EXPECT_EQ(OrvMkDir("w\\x\\y", &err), 0);
    EXPECT_EQ(OrvMkDir("out/sub/", &err), 0);
    EXPECT_EQ(OrvMkDir("./a/b/again", &err), 0);  // existing directories pass
  });
  EXPECT_TRUE(IsDir(Path("a")));
  EXPECT_TRUE(IsDir(Path("a/b")));
  EXPECT_FALSE(IsDir(Path("a/b/file")));
  EXPECT_FALSE(IsDir(Path("name")));
  EXPECT_TRUE(IsDir(Path("w/x")));
  EXPECT_FALSE(IsDir(Path("w/x/y")));
  EXPECT_TRUE(IsDir(Path("out/sub")));

  int err = 0;
  EXPECT_EQ(OrvMkDir(Path("abs/deep/f").c_str(), &err), 0);  // "/tmp" exists already
  EXPECT_TRUE(IsDir(Path("abs/deep")));
  EXPECT_EQ(OrvMkDir(nullptr, nullptr), 0);
}

TEST_F(FilesTest, MkDirStopsAtAFileInTheWay) {
  WriteFile("plain", "x");
  int err = 0;
  EXPECT_EQ(OrvMkDir(Path("plain/sub/f").c_str(), &err), 1);
  EXPECT_EQ(err, ENOTDIR);
  EXPECT_EQ(OrvMkDir(Path("plain/sub/f").c_str(), nullptr), 1);
}

TEST_F(FilesTest, MkDirHasNoPathLengthLimit) {
  std::string rel;
  for (int i = 0; i < 100; ++i) rel += "level" + std::to_string(i) + "/";
  ASSERT_GT(rel.size(), 500u);
  int err = 0;
  EXPECT_EQ(OrvMkDir(Path(rel + "file").c_str(), &err), 0);
  EXPECT_TRUE(IsDir(Path(rel)));
}

TEST_F(FilesTest, MkDirRefusedPermissionIsAnError) {
  ASSERT_EQ(chmod(dir_.c_str(), 0755), 0);
  ASSERT_EQ(mkdir(Path("locked").c_str(), 0755), 0);
  ASSERT_EQ(mkdir(Path("locked/inside").c_str(), 0755), 0);
  ASSERT_EQ(chmod(Path("locked").c_str(), 0555), 0);
  const std::string inside = Path("locked/inside/f"), fresh = Path("locked/new/f");
  // Runs in a child that gives up the superuser's rights, which permissions
  // do not bind.  An existing directory below the locked one passes; a new
  // one fails with EACCES.
  EXPECT_EXIT(
      {
        if (geteuid() == 0 && setuid(65534) != 0) _exit(99);
        int err = 0;
        OrvResult existing = OrvMkDir(inside.c_str(), &err);
        OrvResult refused = OrvMkDir(fresh.c_str(), &err);
        _exit(existing == 0 && refused == 1 && err == EACCES ? 0 : 10 + refused);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(FilesTest, MkDirTrace) {
  EnvGuard debug("ORV_DEBUG", "");
  testing::internal::CaptureStdout();
  OrvMkDir(Path("t/f").c_str(), nullptr);
  OrvMkDir(Path("t/f").c_str(), nullptr);  // exists: no line
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "@@OrvMkDir: dir='" + Path("t") + "', ret=0\n");
}

TEST(IsAbsolutePathTest, Table) {
  struct {
    const char* path;
    bool absolute;
  } cases[] = {{"/x", true}, {"\\x", true}, {"c:x", true}, {"x/y", false}, {"", false}, {nullptr, false}, {"x", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path ? c.path : "(null)");
    EXPECT_EQ(IsAbsolutePath(c.path), c.absolute);
  }
}

struct ExecCase {
  const char* program;
  std::initializer_list<const char*> args;
  int result;
  int status;
  const char* error;  // null: the error text is left alone
};

TEST(OrvCallExecTest, RunsAndReportsTheStatus) {
  EnvGuard debug("ORV_DEBUG", nullptr);
  const ExecCase cases[] = {
      {"/bin/sh", {"-c", "exit 2"}, 0, 2, nullptr},
      {"sh", {"-c", "exit 0"}, 0, 0, nullptr},
      {"true", {}, 0, 0, nullptr},
      {"sh", {"-c", "exit 13"}, 13, 13, "OrvCallExec: cannot exec 'sh', probably because executable was not found"},
      {"sh", {"-c", "kill -9 $$"}, 13, 0, "OrvCallExec: 'sh' was ended by signal 9"},
      {"", {}, 13, 13, "OrvCallExec: cannot exec '', probably because executable was not found"},
      {nullptr, {}, 13, -1, "OrvCallExec: no program to run"},
  };
  // The child that cannot exec the empty name says so on standard error.
  testing::internal::CaptureStderr();
  for (const ExecCase& c : cases) {
    SCOPED_TRACE(c.program);
    VStringList args;
    for (const char* a : c.args) args.Append(VString(a));
    char status = -1;
    VString error("untouched");
    EXPECT_EQ(OrvCallExec(c.program, &status, args, error), c.result);
    EXPECT_EQ(status, c.status);
    EXPECT_STREQ(error.text, c.error ? c.error : "untouched");
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "\nOrvCallExec: cannot exec '': No such file or directory\n");
}

TEST(OrvCallExecTest, PassesArgumentsInOrder) {
  char pattern[] = "/tmp/lark_exec_XXXXXX";
  int fd = mkstemp(pattern);
  ASSERT_GE(fd, 0);
  close(fd);
  VStringList args;
  args.Append(VString("-c"));
  args.Append(VString("printf '%s|' \"$@\" > \"$0\""));
  args.Append(VString(pattern));
  args.Append(VString("one two"));
  args.Append(VString());
  args.Append(VString("three"));
  char status = -1;
  VString error;
  EXPECT_EQ(OrvCallExec("sh", &status, args, error), 0);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadWholeFile(pattern), "one two||three|");
  unlink(pattern);
}

TEST_F(FilesTest, CallExecRunsARelativePathWithoutSearch) {
  EnvGuard debug("ORV_DEBUG", nullptr);
  WriteFile("tool", "#!/bin/sh\nexit 5\n");
  ASSERT_EQ(chmod(Path("tool").c_str(), 0755), 0);
  InDirectory(dir_, [&] {
    char status = 0;
    VString error;
    EXPECT_EQ(OrvCallExec("./tool", &status, VStringList(), error), 0);
    EXPECT_EQ(status, 5);
    // Without "./" the name is searched along PATH, where it is not.
    EnvGuard path("PATH", "/nonexistent-dir");
    testing::internal::CaptureStderr();
    EXPECT_EQ(OrvCallExec("tool", &status, VStringList(), error), 13);
    testing::internal::GetCapturedStderr();
  });
}

TEST(OrvCallExecTest, MissingProgramGives13WithTheSystemText) {
  testing::internal::CaptureStderr();
  char status = 0;
  VString error;
  EXPECT_EQ(OrvCallExec("lark-no-such-program", &status, VStringList(), error), 13);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 13);
  EXPECT_STREQ(error.text, "OrvCallExec: cannot exec 'lark-no-such-program', probably because executable was not found");
  EXPECT_EQ(err, "\nOrvCallExec: cannot exec 'lark-no-such-program': No such file or directory\n");
}

TEST(OrvCallExecTest, FailedExecDoesNotRepeatBufferedOutput) {
  ProgramRun run = RunProgram(std::string("'") + LARK_FOUNDATION_HELPER + "' exec lark-no-such-program");
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.out,
            "before exec\nstdio before exec\nresult=13 status=13 error=OrvCallExec: cannot exec "
            "'lark-no-such-program', probably because executable was not found\n");
  EXPECT_EQ(run.err, "\nOrvCallExec: cannot exec 'lark-no-such-program': No such file or directory\n");

  ProgramRun ok = RunProgram(std::string("'") + LARK_FOUNDATION_HELPER + "' exec true");
  EXPECT_EQ(ok.out, "before exec\nstdio before exec\nresult=0 status=0 error=\n");
}

TEST(OrvCallExecTest, Trace) {
  EnvGuard debug("ORV_DEBUG", "yes");
  VStringList args;
  args.Append(VString("-c"));
  args.Append(VString("exit 0"));
  char status = 0;
  VString error;
  testing::internal::CaptureStdout();
  EXPECT_EQ(OrvCallExec("sh", &status, args, error), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "@@OrvCallExec: 'sh', args:\n  '-c'\n  'exit 0'\n");
}

TEST_F(FilesTest, RmFile) {
  EnvGuard debug("ORV_DEBUG", nullptr);
  WriteFile("gone", "x");
  VString error;
  EXPECT_EQ(OrvRmFile(VString(Path("gone").c_str()), error), 0);
  EXPECT_FALSE(VString(Path("gone").c_str()).FileExists());
  EXPECT_EQ(error.text, nullptr);

  EXPECT_EQ(OrvRmFile(VString(Path("gone").c_str()), error), 1);
  EXPECT_STREQ(error.text, ("OrvRmFile: cannot remove '" + Path("gone") + "': No such file or directory").c_str());

  WriteFile("kept", "x");
  EnvGuard noRm("ORV_NO_RM", "");
  VString untouched;
  EXPECT_EQ(OrvRmFile(VString(Path("kept").c_str()), untouched), 0);
  EXPECT_EQ(OrvRmFile(VString(Path("missing").c_str()), untouched), 0);
  EXPECT_TRUE(VString(Path("kept").c_str()).FileExists());
  EXPECT_EQ(untouched.text, nullptr);
}

TEST_F(FilesTest, RmFileTrace) {
  EnvGuard debug("ORV_DEBUG", "");
  WriteFile("f", "x");
  VString error;
  testing::internal::CaptureStdout();
  OrvRmFile(VString(Path("f").c_str()), error);
  OrvRmFile(VString(Path("f").c_str()), error);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "@@OrvRmFile: file='" + Path("f") + "', ret=0\n@@OrvRmFile: file='" + Path("f") + "', ret=-1\n");
}

TEST_F(FilesTest, TempNameIsNewAndUsesThePrefix) {
  EnvGuard tmp("TMPDIR", dir_.c_str());
  {
    EnvGuard debug("ORV_DEBUG", nullptr);
    VString a = OrvTempName(VString("lk"), VString("src/prog.cbl"));
    VString b = OrvTempName(VString("lk"), VString("src/prog.cbl"));
    EXPECT_TRUE(a.StartsWith(VString((dir_ + "/lk").c_str()))) << a;
    EXPECT_NE(a.Compare(b), 0);
    EXPECT_TRUE(a.FileExists());
  }
  EnvGuard debug("ORV_DEBUG", "");
  VString c = OrvTempName(VString("lk"), VString("src/prog.cbl"));
  EXPECT_TRUE(c.StartsWith(VString((dir_ + "/prog").c_str()))) << c;
  VString d = OrvTempName(VString("lk"), VString());
  EXPECT_TRUE(d.StartsWith(VString((dir_ + "/lk").c_str()))) << d;
}

TEST(OrvIsDebugTest, FollowsTheEnvironment) {
  {
    EnvGuard debug("ORV_DEBUG", nullptr);
    EXPECT_FALSE(OrvIsDebug());
  }
  EnvGuard debug("ORV_DEBUG", "");
  EXPECT_TRUE(OrvIsDebug());
}

}  // namespace
