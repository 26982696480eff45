// Tests of COPY member output: a member's text kept in the main file
// between comment lines, or written to its own file under the copy
// directory with a COPY statement in its place; member paths made from the
// library's names; and the refusals of member output that would overwrite
// a source or cannot make its directory.
#include "OrvCopyMembers.h"

#include <dirent.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvMessage.h"
#include "OrvPrintResult.h"
#include "PrintTestSupport.h"
#include "RoundTrip.h"
#include "ScratchDir.h"

namespace {

using print_test::HasMessageEnding;
using print_test::Printed;
using print_test::TakeMessages;

// The working directory changed for the life of the object: the parser's
// default copy library is ".".
class WorkingDir {
 public:
  explicit WorkingDir(const std::string& dir) {
    char here[4096];
    saved_ = getcwd(here, sizeof here) != nullptr ? here : "/";
    EXPECT_EQ(chdir(dir.c_str()), 0) << dir;
  }
  ~WorkingDir() { EXPECT_EQ(chdir(saved_.c_str()), 0); }
  WorkingDir(const WorkingDir&) = delete;
  WorkingDir& operator=(const WorkingDir&) = delete;

 private:
  std::string saved_;
};

std::string Fixture(const std::string& name) {
  return round_trip::ReadFile(std::string(LARK_TEST_DATA) + "/printer/" + name);
}

// The program and its member in `dir` (the member in `lib` when given).
void WriteProgram(const ScratchDir& dir, const std::string& src, const std::string& lib) {
  dir.Write(src + "copier.cbl", Fixture("copier.cbl"));
  dir.Write(lib + "MEMB.cpy", Fixture("MEMB.cpy"));
}

Printed PrintFile(OrvPrettyPrinterImpl& printer, const std::string& path, OrvExpr* tree) {
  Printed p;
  OrvTokenList messages;
  p.result = printer.PrintFile(VString(path.c_str()), tree, &messages);
  TakeMessages(messages, p);
  p.text = round_trip::ReadFile(path);
  return p;
}

// The file descriptors the process holds.
int OpenFiles() {
  int count = 0;
  if (DIR* fds = opendir("/proc/self/fd")) {
    while (readdir(fds) != nullptr) ++count;
    closedir(fds);
  }
  return count;
}

TEST(CopyMembers, WithoutCopyDirectoryTheMemberStaysBetweenCommentLines) {
  MessageRecorder recorder;
  ScratchDir dir;
  WriteProgram(dir, "", "");
  WorkingDir here(dir.path());
  round_trip::Parse parse("copier.cbl", round_trip::ParseSettings());
  ASSERT_TRUE(parse.SyntaxErrors().empty());
  OrvPrettyPrinterImpl printer;
  const Printed out = PrintFile(printer, "printed.cbl", parse.tree);
  EXPECT_EQ(out.result, 0);
  EXPECT_TRUE(out.messages.empty());
  EXPECT_NE(out.text.find("       WORKING-STORAGE SECTION.\n"
                          "      * === Enter copylib ./MEMB.cpy ===\n"
                          "       01 X PIC 9.\n"
                          "      * === Exit copylib ./MEMB.cpy ===\n"),
            std::string::npos)
      << out.text;
  EXPECT_EQ(out.text.find("COPY"), std::string::npos) << out.text;
}

// Where the member comes from: the default library, one named absolute,
// one named relative with "..".
struct LibraryCase {
  const char* name;
  const char* src;      // folder of the program, inside the scratch directory
  const char* lib;      // folder of the member
  std::string library;  // the copy library as the parse is told it ("" the default; "@" the absolute path)
};

const LibraryCase kLibraries[] = {
    {"DefaultLibrary", "", "", ""},
    {"AbsoluteLibrary", "src/", "lib/", "@"},
    {"RelativeLibraryAbove", "src/", "lib/", "../lib"},
};

void PrintTo(const LibraryCase& c, std::ostream* os) { *os << c.name; }

class MemberOutput : public ::testing::TestWithParam<LibraryCase> {};

TEST_P(MemberOutput, GoesToItsOwnFileUnderTheCopyDirectory) {
  const LibraryCase& c = GetParam();
  MessageRecorder recorder;
  ScratchDir dir;
  WriteProgram(dir, c.src, c.lib);
  WorkingDir here(dir.Path(c.src));
  round_trip::ParseSettings settings;
  if (!c.library.empty()) settings.copyDirs = {c.library == "@" ? dir.Path("lib") : c.library};
  round_trip::Parse first("copier.cbl", settings);
  ASSERT_TRUE(first.SyntaxErrors().empty());
  OrvPrettyPrinterImpl printer;
  printer.gen_copy_dir = VString("out");
  const Printed out = PrintFile(printer, "printed.cbl", first.tree);
  EXPECT_EQ(out.result, 0);
  EXPECT_TRUE(out.messages.empty()) << out.messages.front();
  EXPECT_NE(out.text.find("       WORKING-STORAGE SECTION.\n       COPY MEMB .\n"), std::string::npos) << out.text;
  EXPECT_EQ(out.text.find("01 X"), std::string::npos) << out.text;
  EXPECT_EQ(round_trip::ReadFile("out/MEMB.cpy"), "       01 X PIC 9.\n");

  // Read back from the copy directory, the program has the same shape but
  // for the members' file names.
  round_trip::ParseSettings again = settings;
  again.copyDirs = {"out"};
  round_trip::Parse second("printed.cbl", again);
  EXPECT_TRUE(second.SyntaxErrors().empty());
  const std::string library = c.library.empty() ? "." : settings.copyDirs[0];
  const std::string realName = library + "/MEMB.cpy";
  round_trip::DropSymbolTables(first.tree);
  round_trip::DropSymbolTables(second.tree);
  std::string firstShape = tree_shape::Shape(first.tree);
  const std::string secondShape = tree_shape::Shape(second.tree);
  for (std::size_t at; (at = firstShape.find(realName)) != std::string::npos;)
    firstShape.replace(at, realName.size(), "out/MEMB.cpy");
  EXPECT_EQ(firstShape, secondShape);
}

INSTANTIATE_TEST_SUITE_P(CopyMembers, MemberOutput, ::testing::ValuesIn(kLibraries),
                         [](const ::testing::TestParamInfo<LibraryCase>& info) { return std::string(info.param.name); });

TEST(CopyMembers, DirectoryThatCannotBeMadeStopsThePrint) {
  MessageRecorder recorder;
  ScratchDir dir;
  WriteProgram(dir, "", "");
  dir.Write("plain", "a file, not a directory\n");
  WorkingDir here(dir.path());
  round_trip::Parse parse("copier.cbl", round_trip::ParseSettings());
  ASSERT_TRUE(parse.SyntaxErrors().empty());
  OrvPrettyPrinterImpl printer;
  printer.gen_copy_dir = VString("plain/sub");
  const int before = OpenFiles();
  const Printed out = PrintFile(printer, "printed.cbl", parse.tree);
  EXPECT_EQ(out.result, ORV_PRINT_MEMBER_FILE);
  ASSERT_FALSE(out.messages.empty());
  EXPECT_EQ(out.messages.back().rfind("SourcePrint: cannot create directory", 0), 0u) << out.messages.back();
  EXPECT_EQ(OpenFiles(), before);
}

// With the library as the copy directory, the member would be written
// onto itself: it is refused and left as it was.
TEST(CopyMembers, MemberThatIsASourceIsNotOverwritten) {
  MessageRecorder recorder;
  ScratchDir dir;
  WriteProgram(dir, "", "");
  WorkingDir here(dir.path());
  round_trip::Parse parse("copier.cbl", round_trip::ParseSettings());
  ASSERT_TRUE(parse.SyntaxErrors().empty());
  OrvPrettyPrinterImpl printer;
  printer.gen_copy_dir = VString(".");
  const Printed out = PrintFile(printer, "printed.cbl", parse.tree);
  EXPECT_EQ(out.result, ORV_PRINT_MEMBER_FILE);
  EXPECT_TRUE(HasMessageEnding(out, "Starting Copybook: '././MEMB.cpy' is a source file; it is not overwritten"))
      << (out.messages.empty() ? "" : out.messages.back());
  EXPECT_EQ(round_trip::ReadFile("MEMB.cpy"), Fixture("MEMB.cpy"));
}

// A member file that cannot be written is reported when it is closed.
TEST(CopyMembers, MemberThatCannotBeWrittenIsReported) {
  MessageRecorder recorder;
  std::ifstream full("/dev/full");
  if (!full) GTEST_SKIP() << "no /dev/full";
  OrvPrettyPrinterImpl printer;
  printer.gen_copy_dir = VString("/dev/");
  std::unique_ptr<OrvExpr> tree(print_test::Node(
      STMT_LIST, {print_test::BeginMarker("FULL", "full", 1), print_test::Node(STMT_CONTINUE, {}),
                  print_test::EndMarker("full", 1)}));
  Printed out;
  OrvTokenList messages;
  VString text;
  out.result = printer.PrintString(text, tree.get(), &messages);
  TakeMessages(messages, out);
  EXPECT_EQ(out.result, ORV_PRINT_MEMBER_FILE);
  EXPECT_EQ(out.messages, std::vector<std::string>{"Finishing Copybook: cannot write file '/dev/full'"});
}

// A print that fails inside a member closes the member's file.
TEST(CopyMembers, MemberFileIsClosedWhenThePrintFails) {
  MessageRecorder recorder;
  ScratchDir dir;
  // The unknown register is found in the print pass only, after "A".
  print_test::TemplatePrinter p(STMT_CONTINUE, "A^y");
  p.printer.gen_copy_dir = VString(dir.path().c_str());
  std::unique_ptr<OrvExpr> tree(print_test::Node(
      STMT_LIST, {print_test::BeginMarker("M", "M.cpy", 1), print_test::Node(STMT_CONTINUE, {}),
                  print_test::EndMarker("M.cpy", 1)}));
  const int before = OpenFiles();
  const Printed out = print_test::PrintToString(p.printer, tree.get());
  EXPECT_EQ(out.result, ORV_PRINT_BAD_COMMAND);
  EXPECT_EQ(OpenFiles(), before);
  // What was written before the failure is in the member's file.
  EXPECT_EQ(round_trip::ReadFile(dir.Path("M.cpy")), "       A");
}

}  // namespace
