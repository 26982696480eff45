// The action helpers of SPECIAL-NAMES on hand-built values: numbered
// switches, device clauses with CONSOLE IS CRT, the currency sign and the
// numeric sign setting of one parse.
#include <gtest/gtest.h>

#include "OrvGramNodes.h"
#include "OrvGramSpecialNames.h"
#include "OrvOperSlots.h"
#include "OrvParserStatics.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;

class SpecialNamesTest : public sematest::ParserTest {
 protected:
  void SetUp() override {
    ParserTest::SetUp();
    StartFile();
    parser.StartProgram();
  }
  void TearDown() override {
    // A collector still holding a paragraph would free it after the tree.
    delete OrvSpecialNamesCollector.Finish();
    ParserTest::TearDown();
  }
};

TEST_F(SpecialNamesTest, NumberedSwitchesAboveEightOrBelowZeroAreReportedWholeAndTakenAsZero) {
  const struct {
    const char* image;
    std::int64_t value;
    OrvOper node;
    const char* message;
  } cases[] = {
      {"0", 0, SW_SWITCH_0, nullptr},
      {"3", 3, SW_SWITCH_3, nullptr},
      {"8", 8, SW_SWITCH_8, nullptr},
      {"9", 9, SW_SWITCH_0, "Bad switch number: 9"},
      {"4294967305", 4294967305LL, SW_SWITCH_0, "Bad switch number: 4294967305"},
      {"-1", -1, SW_SWITCH_0, "Bad switch number: -1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.image);
    messages.Clear();
    OrvExpr* entry = new OrvIntNumConst(VString(c.image), c.value);
    OrvTokenList tokens;
    tokens.AddToken(TK_INT_NUM_LIT, OrvTxtPosn(4, 19, 1), VString(c.image));
    sematest::ReleaseWatch watch;
    OrvExpr* integer = entry;
    OrvExpr* node = OrvGramNumberedSwitch(&entry, &tokens);
    EXPECT_EQ(node->Oper(), c.node);
    EXPECT_EQ(entry, nullptr);
    EXPECT_TRUE(watch.Released(integer));
    if (c.message == nullptr) {
      EXPECT_TRUE(Messages().empty());
    } else {
      EXPECT_EQ(Messages(), std::vector<std::string>{Line(MSG_ERR, c.message)});
      EXPECT_EQ(MessagePosns()[0].Line(), 4);
      EXPECT_EQ(MessagePosns()[0].Column(), 19);
    }
    owned.push_back(node);
  }
}

TEST_F(SpecialNamesTest, ConsoleIsCrtKeepsTheTokensOfBothWordsAndOtherDevicesGetNoCrt) {
  OrvGramStartSpecialNames();
  // CONSOLE IS CRT
  OrvExpr* console = OrvGramNode(IOF_CONSOLE);
  OrvExpr* crt = OrvGramNode(IOF_CRT);
  sematest::PlaceAt(console, 5, 12, "CONSOLE");
  sematest::PlaceAt(crt, 5, 23, "CRT");
  OrvExpr* device = console;
  OrvExpr* target = crt;
  OrvExpr* clause = OrvGramDeviceClauseNode(&device, &target);
  ASSERT_EQ(clause->Oper(), SNX_CONSOLE_IS_CRT);
  EXPECT_EQ(clause->NArgs(), 0);
  EXPECT_EQ(clause->Tokens().Count(), 2);
  EXPECT_EQ(device, nullptr);
  EXPECT_EQ(target, nullptr);
  OrvGramDeviceClause(clause);
  // SYSOUT IS CRT: reported at CRT, kept as a switch entry.
  OrvExpr* sysout = OrvGramNode(IOF_SYSOUT);
  OrvExpr* crt2 = OrvGramNode(IOF_CRT);
  sematest::PlaceAt(crt2, 6, 22, "CRT");
  device = sysout;
  target = crt2;
  OrvExpr* other = OrvGramDeviceClauseNode(&device, &target);
  EXPECT_EQ(Messages(), std::vector<std::string>{Line(MSG_ERR, "CRT can only appear in CONSOLE IS CRT")});
  EXPECT_EQ(MessagePosns()[0].Line(), 6);
  ASSERT_EQ(other->Oper(), SNX_FUNC_SWITCH);
  EXPECT_EQ(other->Args(SNX_FUNC_SWITCH__SWITCH_OR_DEVICE), sysout);
  EXPECT_EQ(other->Args(SNX_FUNC_SWITCH__IS_MNEMONIC_NAME), crt2);
  OrvGramDeviceClause(other);
  OrvExpr* paragraph = OrvSpecialNamesCollector.Finish();
  EXPECT_EQ(paragraph->Args(PARA_SPECIAL_NAMES__CONSOLE_IS_CRT), clause);
  ASSERT_EQ(paragraph->Args(PARA_SPECIAL_NAMES__SWITCHES_AND_DEVICES)->Oper(), SNX_FUNC_SWITCH_LIST);
  EXPECT_EQ(paragraph->Args(PARA_SPECIAL_NAMES__SWITCHES_AND_DEVICES)->Args(0), other);
  owned.push_back(paragraph);
}

TEST_F(SpecialNamesTest, TheCurrencySignIsTheOneCharacterOfItsLiteral) {
  const struct {
    const char* image;
    int sign;  // 0: refused
  } cases[] = {{"'#'", '#'}, {"\"E\"", 'E'}, {"'$$'", 0}, {"''", 0}, {"X'01'", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.image);
    messages.Clear();
    parser.currencySign = '$';
    OrvExpr* clause = OrvGramNode(SNX_CURRENCY_SIGN, new OrvStrConst(VString(c.image)));
    sematest::PlaceAt(clause, 7, 12, "CURRENCY");
    EXPECT_EQ(OrvGramCheckCurrencySign(clause), clause);
    if (c.sign != 0) {
      EXPECT_EQ(parser.currencySign, c.sign);
      EXPECT_TRUE(Messages().empty());
    } else {
      EXPECT_EQ(parser.currencySign, '$');
      EXPECT_EQ(Messages(), std::vector<std::string>{Line(MSG_ERR, "Currency Sign literal must have length of one")});
      EXPECT_EQ(MessagePosns()[0].Column(), 12);
    }
    owned.push_back(clause);
  }
}

TEST_F(SpecialNamesTest, NumericSignTrailingSeparateHoldsForOneParseOnly) {
  parser.numSignTrailSep = 0;
  NextParse();  // the parse start keeps the setting's value
  StartFile();
  OrvGramNumericSignTrailingSeparate();
  EXPECT_EQ(parser.numSignTrailSep, 1);
  parser.RestoreParseSettings();
  EXPECT_EQ(parser.numSignTrailSep, 0);
}

}  // namespace
