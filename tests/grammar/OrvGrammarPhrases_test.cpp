// The conditional phrases of statements parsed whole, through the real
// token supply: each phrase written with and without its optional AT or
// ON (which the token supply turns, after NOT, into the word that follows
// the combined NOT token) gives one tree, with the phrase in its slot.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "GrammarGolden.h"
#include "OrvDials.h"
#include "ScratchDir.h"

namespace {

using grammar_golden::FindOuter;
using grammar_golden::ParsedSource;

// The fixture program with `statement` in the place of "@STATEMENT@".
std::string ProgramWith(const std::string& statement) {
  std::ifstream in(grammar_golden::SourceDir() + "statements/phrase_frame.cbl", std::ios::binary);
  EXPECT_TRUE(in.good());
  std::ostringstream text;
  text << in.rdbuf();
  std::string program = text.str();
  const std::string marker = "@STATEMENT@";
  const std::size_t at = program.find(marker);
  EXPECT_NE(at, std::string::npos);
  return program.replace(at, marker.size(), statement);
}

// The shape of a tree: operations and slot numbers, no tokens or names.
void Shape(const OrvExpr* node, int slot, int depth, std::string& out) {
  out += std::string(2 * depth, ' ') + std::to_string(slot) + " " +
         (node == nullptr ? "-" : OrvOperName(node->Oper())) + "\n";
  if (node == nullptr) return;
  for (int i = 0; i < node->NArgs(); ++i) Shape(node->Args(i), i, depth + 1, out);
}

struct ParsedStatement {
  std::vector<std::string> messages;
  std::string shape;      // of the first statement
  int slotOperation = 0;  // the operation in the phrase's slot
};

ParsedStatement Parse(const std::string& statement, int slot) {
  ScratchDir dir;
  const std::string path = dir.Write("phrase.cbl", ProgramWith(statement));
  ParsedSource parsed(path, ORV_DIAL_ANSI85, ORV_DIAL_MF);
  ParsedStatement result;
  result.messages = parsed.Messages();
  std::vector<OrvExpr*> lists;
  FindOuter(parsed.tree, STMT_LIST, lists);
  if (lists.empty() || lists[0]->NArgs() == 0) return result;
  OrvExpr* first = lists[0]->Args(0);
  Shape(first, 0, 0, result.shape);
  if (slot < first->NArgs() && first->Args(slot) != nullptr) result.slotOperation = first->Args(slot)->Oper();
  return result;
}

struct PhrasePair {
  const char* full;   // the phrase with its optional AT or ON
  const char* short_;  // the same without it
  int slot;           // the slot of the statement that takes the phrase
  int op;             // the phrase's operation
};

void PrintTo(const PhrasePair& p, std::ostream* out) { *out << p.full; }

class PhrasePairTest : public ::testing::TestWithParam<PhrasePair> {};

TEST_P(PhrasePairTest, WithAndWithoutTheOptionalWordTheTreesAreEqual) {
  const PhrasePair& p = GetParam();
  const ParsedStatement full = Parse(p.full, p.slot);
  const ParsedStatement short_ = Parse(p.short_, p.slot);
  EXPECT_EQ(full.messages, std::vector<std::string>{});
  EXPECT_EQ(short_.messages, std::vector<std::string>{});
  EXPECT_EQ(OrvOperName(p.op), std::string(OrvOperName(full.slotOperation)));
  EXPECT_FALSE(full.shape.empty());
  EXPECT_EQ(full.shape, short_.shape);
}

const PhrasePair kPairs[] = {
    {"ADD 1 TO N NOT ON SIZE ERROR CONTINUE", "ADD 1 TO N NOT SIZE ERROR CONTINUE", 2, EX_NOT_ON_SIZE_ERROR},
    {"ADD 1 TO N ON SIZE ERROR CONTINUE", "ADD 1 TO N SIZE ERROR CONTINUE", 1, EX_ON_SIZE_ERROR},
    {"COMPUTE N = 1 NOT ON SIZE ERROR CONTINUE", "COMPUTE N = 1 NOT SIZE ERROR CONTINUE", 3,
     EX_NOT_ON_SIZE_ERROR},
    {"READ F NOT AT END CONTINUE", "READ F NOT END CONTINUE", 8, EX_NOT_ON_AT_END},
    {"READ F AT END CONTINUE", "READ F END CONTINUE", 7, EX_ON_AT_END},
    {"RETURN F NOT AT END CONTINUE", "RETURN F NOT END CONTINUE", 3, EX_NOT_ON_AT_END},
    {"READ F NOT INVALID KEY CONTINUE", "READ F NOT INVALID CONTINUE", 8, EX_NOT_ON_INVALID_KEY},
    {"DELETE F INVALID KEY CONTINUE", "DELETE F INVALID CONTINUE", 2, EX_ON_INVALID_KEY},
    {"STRING A DELIMITED SIZE INTO B NOT ON OVERFLOW CONTINUE",
     "STRING A DELIMITED SIZE INTO B NOT OVERFLOW CONTINUE", 4, EX_NOT_ON_STRING_OVERFLOW},
    {"UNSTRING A INTO B ON OVERFLOW CONTINUE", "UNSTRING A INTO B OVERFLOW CONTINUE", 5,
     EX_ON_STRING_OVERFLOW},
    {"WRITE PR NOT AT END-OF-PAGE CONTINUE", "WRITE PR NOT EOP CONTINUE", 5, EX_NOT_ON_AT_EOP},
    {"WRITE PR AT EOP CONTINUE", "WRITE PR END-OF-PAGE CONTINUE", 4, EX_ON_AT_EOP},
    {"CALL \"P\" NOT ON EXCEPTION CONTINUE", "CALL \"P\" NOT EXCEPTION CONTINUE", 6, EX_NOT_ON_CALL_EXCEPTION},
    {"CALL \"P\" ON OVERFLOW CONTINUE", "CALL \"P\" EXCEPTION CONTINUE", 5, EX_ON_CALL_EXCEPTION},
};

INSTANTIATE_TEST_SUITE_P(Phrases, PhrasePairTest, ::testing::ValuesIn(kPairs));

// Forms the grammar refuses: a NOT INVALID KEY phrase without statements,
// the GIVING format of ADD with one operand, a second WHEN in SEARCH ALL.
TEST(GrammarPhrasesTest, FormsOutsideTheGrammarAreSyntaxErrors) {
  for (const char* statement : {"READ F NOT INVALID KEY END-READ", "ADD A GIVING N",
                                "SEARCH ALL A WHEN N = 1 CONTINUE WHEN N = 2 CONTINUE"}) {
    SCOPED_TRACE(statement);
    const ParsedStatement parsed = Parse(statement, 0);
    ASSERT_FALSE(parsed.messages.empty());
    EXPECT_NE(parsed.messages[0].find("ERROR syntax error."), std::string::npos) << parsed.messages[0];
  }
}

}  // namespace
