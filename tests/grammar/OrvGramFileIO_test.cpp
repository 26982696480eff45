// The action helpers of the input-output statements on hand-built values:
// READ and WRITE keeping one of two phrases for one slot, with the tokens
// of a dropped phrase kept on the statement, and the KEY phrase of START.
#include <gtest/gtest.h>

#include "OrvGramFileIO.h"
#include "OrvGramNodes.h"
#include "OrvOperSlots.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;

class FileIOTest : public sematest::ParserTest {
 protected:
  void SetUp() override {
    ParserTest::SetUp();
    StartFile();
    BeginProgram("P");
  }
  void TearDown() override {
    for (OrvExpr** entry : {&first, &second, &third, &fourth}) OrvReleaseValue(*entry);
    ParserTest::TearDown();
  }
  // A phrase node of `op` over a statement list of one CONTINUE, with the
  // phrase's keyword in front of the list, as the phrase rule leaves it.
  // The phrases of READ and WRITE keep their statements in one slot.
  static_assert(EX_ON_AT_END__STATEMENTS == EX_ON_INVALID_KEY__STATEMENTS &&
                    EX_NOT_ON_INVALID_KEY__STATEMENTS == EX_ON_INVALID_KEY__STATEMENTS &&
                    EX_ON_AT_EOP__STATEMENTS == EX_ON_INVALID_KEY__STATEMENTS &&
                    EX_NOT_ON_AT_EOP__STATEMENTS == EX_ON_INVALID_KEY__STATEMENTS,
                "one layout");
  static OrvExpr* Phrase(int op, const char* keyword) {
    OrvExpr* phrase = OrvGramNode(op, new OrvExprOper(STMT_LIST, OrvGramNode(STMT_CONTINUE)));
    phrase->ArgSlots(EX_ON_INVALID_KEY__STATEMENTS)
        ->tokens.AddToken(RW_INVALID, OrvTxtPosn(5, 20, 1), VString(keyword));
    phrase->Args(EX_ON_INVALID_KEY__STATEMENTS)->Args(0)->Tokens().AddToken(RW_CONTINUE, OrvTxtPosn(5, 30, 1),
                                                                            VString("CONTINUE"));
    return phrase;
  }
  static std::string Texts(const OrvTokenList& list) {
    std::string out;
    for (OrvToken* e = list.First(); e != nullptr; e = list.Next(e))
      out += (out.empty() ? "" : " ") + Str(e->Image());
    return out;
  }

  OrvExpr* first = 0;
  OrvExpr* second = 0;
  OrvExpr* third = 0;
  OrvExpr* fourth = 0;
};

// Which phrase of two takes the one slot, and what becomes of the other.
TEST_F(FileIOTest, OneSlotKeepsTheFirstPhraseUnlessOnlyTheSecondIsThere) {
  const struct {
    const char* what;
    bool firstPresent;
    bool secondPresent;
    int kept;              // operation in the slot
    bool message;          // the "both" message
    const char* leftOver;  // the statement's own tokens afterwards
  } cases[] = {
      {"both", true, true, EX_ON_AT_END, true, "INVALID CONTINUE"},
      {"only the second", false, true, EX_ON_INVALID_KEY, false, ""},
      {"only the first", true, false, EX_ON_AT_END, false, ""},
      {"neither", false, false, NULL_NODE, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    messages.Clear();
    OrvExpr* statement = OrvGramNode(STMT_READ);
    owned.push_back(statement);
    OrvExpr* a = c.firstPresent ? Phrase(EX_ON_AT_END, "END") : OrvGramNullNode();
    OrvExpr* k = c.secondPresent ? Phrase(EX_ON_INVALID_KEY, "INVALID") : OrvGramNullNode();
    first = a;
    second = k;
    sematest::ReleaseWatch watch;
    OrvGramKeepOnePhrase(statement, STMT_READ__AT_END_INVALID_KEY, &first, &second, "Both AT AND and INVALID KEY used");
    ASSERT_NE(statement->Args(STMT_READ__AT_END_INVALID_KEY), nullptr);
    EXPECT_EQ(statement->Args(STMT_READ__AT_END_INVALID_KEY)->Oper(), c.kept);
    OrvExpr* dropped = statement->Args(STMT_READ__AT_END_INVALID_KEY) == a ? k : a;
    EXPECT_TRUE(watch.Released(dropped));
    // The kept phrase's entry still names it; the dropped one's is cleared.
    EXPECT_EQ(statement->Args(STMT_READ__AT_END_INVALID_KEY) == a ? first : second, statement->Args(STMT_READ__AT_END_INVALID_KEY));
    EXPECT_EQ(statement->Args(STMT_READ__AT_END_INVALID_KEY) == a ? second : first, nullptr);
    EXPECT_EQ(Texts(statement->Tokens()), c.leftOver);
    EXPECT_EQ(Messages(), c.message ? std::vector<std::string>{Line(MSG_ERR, "Both AT AND and INVALID KEY used")}
                                    : std::vector<std::string>{});
    first = second = 0;
  }
}

TEST_F(FileIOTest, AnErrorNodeInsideADroppedPhraseIsForgotten) {
  OrvExpr* statement = OrvGramNode(STMT_WRITE);
  owned.push_back(statement);
  OrvExpr* k = Phrase(EX_ON_INVALID_KEY, "INVALID");
  OrvExpr* error = GenErrNode();
  k->Args(EX_ON_INVALID_KEY__STATEMENTS)->AddArg(error);
  first = Phrase(EX_ON_AT_EOP, "EOP");
  second = k;
  OrvGramKeepOnePhrase(statement, STMT_WRITE__AT_END_OF_PAGE_INVALID_KEY, &first, &second, "Both AT END-OF-PAGE and INVALID KEY used");
  EXPECT_EQ(parser.errNode, nullptr);
  // The next error takes a new node (the parse state frees it).
  OrvExpr* next = GenErrNode();
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->Parent(), nullptr);
}

TEST_F(FileIOTest, ReadAndWriteFillTheirPhraseAndTerminatorSlots) {
  OrvExpr* read = OrvGramNode(STMT_READ);
  owned.push_back(read);
  first = OrvGramNullNode();
  second = Phrase(EX_ON_INVALID_KEY, "INVALID");
  third = OrvGramNullNode();
  fourth = Phrase(EX_NOT_ON_INVALID_KEY, "INVALID");
  EXPECT_EQ(OrvGramFinishRead(read, &first, &second, &third, &fourth, OrvGramNode(EX_END_READ)), read);
  EXPECT_EQ(read->Args(STMT_READ__AT_END_INVALID_KEY)->Oper(), EX_ON_INVALID_KEY);
  EXPECT_EQ(read->Args(STMT_READ__NOT_AT_END_INVALID_KEY)->Oper(), EX_NOT_ON_INVALID_KEY);
  EXPECT_EQ(read->Args(STMT_READ__END_READ)->Oper(), EX_END_READ);
  EXPECT_EQ(Messages(), std::vector<std::string>{});

  OrvExpr* write = OrvGramNode(STMT_WRITE);
  owned.push_back(write);
  first = Phrase(EX_ON_AT_EOP, "EOP");
  second = Phrase(EX_ON_INVALID_KEY, "INVALID");
  third = Phrase(EX_NOT_ON_AT_EOP, "EOP");
  fourth = Phrase(EX_NOT_ON_INVALID_KEY, "INVALID");
  EXPECT_EQ(OrvGramFinishWrite(write, &first, &second, &third, &fourth, OrvGramNullNode()), write);
  EXPECT_EQ(write->Args(STMT_WRITE__AT_END_OF_PAGE_INVALID_KEY)->Oper(), EX_ON_AT_EOP);
  EXPECT_EQ(write->Args(STMT_WRITE__NOT_AT_END_OF_PAGE_INVALID_KEY)->Oper(), EX_NOT_ON_AT_EOP);
  EXPECT_EQ(write->Args(STMT_WRITE__END_WRITE)->Oper(), NULL_NODE);
  // The message comes once for each pair, as the system words it.
  const std::string both = Line(MSG_ERR, "Both AT END-OF-PAGE and INVALID KEY used");
  EXPECT_EQ(Messages(), (std::vector<std::string>{both, both}));
  EXPECT_EQ(Texts(write->Tokens()), "INVALID CONTINUE INVALID CONTINUE");
}

TEST_F(FileIOTest, StartKeyIsANodeOfTheRelationOverTheKeyWordAndTheKey) {
  OrvExpr* components = new OrvExprOper(FCX_REC_KEY_COMP_LIST, Use(SYMCAT_DATA_NAME, {"K"}));
  OrvExpr* key = OrvGramStartKey(CMP_NOT_LT, OrvGramNode(START_KEY), OrvGramNode(REC_KEY_USE, components));
  owned.push_back(key);
  EXPECT_EQ(key->Oper(), CMP_NOT_LT);
  EXPECT_EQ(key->Args(CMP_NOT_LT__LEFT_OPERAND)->Oper(), START_KEY);
  ASSERT_EQ(key->Args(CMP_NOT_LT__RIGHT_OPERAND)->Oper(), REC_KEY_USE);
  EXPECT_EQ(key->Args(CMP_NOT_LT__RIGHT_OPERAND)->Args(REC_KEY_USE__KEY_COMPONENTS), components);
}

}  // namespace
