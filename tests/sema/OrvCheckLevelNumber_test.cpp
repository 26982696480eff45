// CheckLevelNumber: the level numbers of data description entries.
#include "OrvCheckLevelNumber.h"

#include <gtest/gtest.h>

#include "OrvConstNodes.h"
#include "SemaTestSupport.h"

namespace {

using CheckLevelNumberTest = sematest::ParserTest;

TEST_F(CheckLevelNumberTest, OnlyTheLevelsOfTheStandardPass) {
  const struct {
    const char* image;
    long long value;
    bool reported;
  } cases[] = {
      {"0", 0, true},    {"50", 50, true}, {"65", 65, true}, {"67", 67, true}, {"76", 76, true},
      {"79", 79, true},  {"87", 87, true}, {"89", 89, true}, {"1", 1, false},  {"01", 1, false},
      {"49", 49, false}, {"66", 66, false}, {"77", 77, false}, {"78", 78, false}, {"88", 88, false},
      {"-5", -5, true},  {"4294967297", 4294967297LL, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.image);
    messages.Clear();
    OrvExpr* level = new OrvIntNumConst(VString(c.image), c.value);
    owned.push_back(level);
    sematest::PlaceAt(level, 12, 7, c.image);
    EXPECT_EQ(static_cast<int>(static_cast<unsigned>(c.value)), CheckLevelNumber(&parser, level));
    if (c.reported) {
      EXPECT_EQ(Messages(), std::vector<std::string>{sematest::Line(
                                MSG_ERR, std::string("Level number should be between 01 and 49, or 66, 77, 78, 88, not ") +
                                             c.image)});
      EXPECT_EQ(MessagePosns(), std::vector<OrvTxtPosn>{OrvTxtPosn(12, 7, 1)});
    } else {
      EXPECT_TRUE(Messages().empty());
    }
  }
  messages.Clear();
  EXPECT_EQ(0, CheckLevelNumber(&parser, nullptr));
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
