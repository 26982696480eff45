// The switches that the grammar's actions set in the lexer and the token
// supply: function-name mode and its way back, and what an error rule puts
// back in each context.
#include <gtest/gtest.h>

#include "OrvGramSwitches.h"
#include "SemaTestSupport.h"

namespace {

class SwitchesTest : public sematest::ParserTest {
 protected:
  // The switches as one comparable row.
  struct Row {
    int reserved, name, function, special, areaA;
    bool operator==(const Row& o) const {
      return reserved == o.reserved && name == o.name && function == o.function && special == o.special &&
             areaA == o.areaA;
    }
  };
  Row Now() const {
    const OrvLexerSwitches& switches = parser.lexer.switches;
    return {switches.reservedWordLookup, parser.nameLookup, switches.functionNameMode,
            switches.specialReservedWords, parser.areaANames};
  }
  friend void PrintTo(const Row& r, std::ostream* out) {
    *out << "{reserved " << r.reserved << ", name " << r.name << ", function " << r.function << ", special "
         << r.special << ", areaA " << r.areaA << "}";
  }
};

TEST_F(SwitchesTest, FunctionModeTurnsBothLookupsOffAndBackOn) {
  OrvGramFunctionMode(1);
  EXPECT_EQ(Now(), (Row{0, 0, 1, 0, 0}));
  OrvGramFunctionMode(0);
  EXPECT_EQ(Now(), (Row{1, 1, 0, 0, 0}));
}

TEST_F(SwitchesTest, AnErrorRulePutsTheSwitchesBackForItsContext) {
  const struct {
    OrvSwitchContext context;
    Row after;
  } cases[] = {{ORV_SWITCHES_ENVIRONMENT, {1, 1, 0, 0, 0}},
               {ORV_SWITCHES_SPECIAL_NAMES, {1, 1, 0, 1, 0}},
               {ORV_SWITCHES_PROCEDURE, {1, 1, 0, 0, 1}},
               {ORV_SWITCHES_DATA, {1, 1, 0, 0, 0}},
               {ORV_SWITCHES_DISPLAY_ITEM, {1, 1, 0, 1, 1}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.context);
    // As a FUNCTION or a PROGRAM-ID name left them when recovery threw the
    // construct away.
    OrvGramFunctionMode(1);
    OrvGramSpecialWords(!c.after.special);
    OrvGramAreaANames(!c.after.areaA);
    OrvGramResetSwitches(c.context);
    EXPECT_EQ(Now(), c.after);
  }
}

}  // namespace
