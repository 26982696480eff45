// The findings of the fuzz target, kept as fixtures under tests/data/fuzz/,
// run through `larkstat` itself: each fixture is split into main.cbl and its
// members (NAME.cpy beside it), larkstat runs on main.cbl in that directory,
// and the table gives the exit status and the lines the report must hold.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "../foundation/RunProgram.h"
#include "LarkFuzzInput.h"
#include "ScratchDir.h"

namespace {

const char kLarkstat[] = LARK_LARKSTAT;

struct FindingCase {
  const char* fixture;  // under tests/data/fuzz/
  int exitStatus;
  // Lines of the output in their order; the message lines among them
  // (warnings, errors) are all the message lines the output may hold.
  std::vector<std::string> lines;
};

void PrintTo(const FindingCase& c, std::ostream* os) { *os << c.fixture; }

std::string ReadFixture(const std::string& name) {
  std::ifstream in(std::string(LARK_TEST_DATA) + "/fuzz/" + name, std::ios::binary);
  EXPECT_TRUE(in.good()) << name;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The output's lines without their trailing blanks.
std::vector<std::string> OutputLines(const std::string& out) {
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) {
    line.erase(line.find_last_not_of(' ') + 1);
    lines.push_back(line);
  }
  return lines;
}

bool IsMessageLine(const std::string& line) {
  return line.find("ERROR: ") != std::string::npos || line.find("Warning: ") != std::string::npos;
}

std::vector<std::string> MessageLines(const std::vector<std::string>& lines) {
  std::vector<std::string> messages;
  for (const std::string& line : lines)
    if (IsMessageLine(line)) messages.push_back(line);
  return messages;
}

class FuzzFindingTest : public ::testing::TestWithParam<FindingCase> {};

TEST_P(FuzzFindingTest, LarkstatReportsTheFixture) {
  const FindingCase& c = GetParam();
  const LarkFuzzInput input = LarkSplitFuzzInput(ReadFixture(c.fixture));
  ASSERT_FALSE(input.TooManyCopies());
  ScratchDir dir;
  dir.Write("main.cbl", input.mainText);
  for (const LarkFuzzMember& m : input.members) dir.Write(m.name + ".cpy", m.text);
  const ProgramRun run = RunProgram("cd '" + dir.path() + "' && " + kLarkstat + " main.cbl");
  EXPECT_EQ(c.exitStatus, run.exitStatus) << run.out;
  EXPECT_EQ("", run.err);

  const std::vector<std::string> out = OutputLines(run.out);
  EXPECT_EQ(MessageLines(c.lines), MessageLines(out)) << run.out;
  size_t at = 0;
  for (const std::string& want : c.lines) {
    while (at < out.size() && out[at] != want) ++at;
    EXPECT_LT(at, out.size()) << "missing or out of order: " << want << "\n" << run.out;
  }
}

const char kNestedTooDeep[] = "SEVERE ERROR: COPY/-INC statements are nested too deep";

INSTANTIATE_TEST_SUITE_P(
    Fixtures, FuzzFindingTest,
    ::testing::Values(
        // A member that copies itself twice was opened again at every level
        // up to the bound: 2^19 openings (three COPYs: memory ran out).
        FindingCase{"01-copy-self-twice.cbl",
                    0,
                    {std::string("./A.cpy:1:12: ") + kNestedTooDeep, std::string("./A.cpy:2:12: ") + kNestedTooDeep,
                     "main.cbl:3:8: Warning: DATA DIVISION header is missing",
                     "COPYbook++:          1 ./A.cpy", "COPYbook??:          2 A", "Errors: 2, Warnings: 1"}},
        FindingCase{"02-copy-self-thrice.cbl",
                    0,
                    {std::string("./A.cpy:1:12: ") + kNestedTooDeep, std::string("./A.cpy:2:12: ") + kNestedTooDeep,
                     std::string("./A.cpy:3:12: ") + kNestedTooDeep,
                     "main.cbl:3:8: Warning: DATA DIVISION header is missing",
                     "COPYbook++:          1 ./A.cpy", "COPYbook??:          3 A", "Errors: 3, Warnings: 1"}},
        // The two documented limits of a source end the run.
        FindingCase{"03-nested-programs-21.cbl",
                    1,
                    {"*Reading* main.cbl", "main.cbl:58:8: Terminal ERROR: Too many levels of Nested Programs"}},
        FindingCase{"04-record-levels-51.cbl",
                    1,
                    {"*Reading* main.cbl",
                     "main.cbl:55:20: Terminal ERROR: Too many levels in record structure definition"}},
        // An EXEC SQL INCLUDE of a missing member after a sentence ended the
        // run with the internal "OrvParserImpl::ProcessNewProc: bad proc type".
        FindingCase{"05-sql-include-not-found.cbl",
                    0,
                    {"main.cbl:3:8: Warning: DATA DIVISION header is missing",
                     "main.cbl:6:12: Warning: Cannot find/open file 'NOSUCH' in directories on Copylib path",
                     "Sentences:           2", "Errors: 0, Warnings: 2"}}),
    [](const ::testing::TestParamInfo<FindingCase>& info) {
      std::string name = info.param.fixture;
      name = name.substr(0, name.find('.'));
      for (char& ch : name)
        if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return "F" + name;
    });

}  // namespace
