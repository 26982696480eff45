// Test support for the action helpers of the data division: a parse set up
// with its root and one open program, whose collectors are emptied at the
// end, and data description entries placed as the closing action of an
// entry places them.
#ifndef LARK_TESTS_GRAMMAR_GRAMMARACTIONTEST_H
#define LARK_TESTS_GRAMMAR_GRAMMARACTIONTEST_H

#include <string>

#include "OrvClauseCollector.h"
#include "OrvGramDataEntries.h"
#include "OrvGramNames.h"
#include "OrvParserStatics.h"
#include "SemaTestSupport.h"

namespace grammar_actions {

class ProgramTest : public sematest::ParserTest {
 protected:
  void SetUp() override {
    ParserTest::SetUp();
    StartFile();
    parser.StartProgram();
  }
  void TearDown() override {
    // A node a collector still holds goes before the tree it may point into.
    OrvResetCollectors(&parser);
    ParserTest::TearDown();
  }

  // A data description entry of that level and name (its level number
  // carrying a token at line 7, column 7 in `levelTokens` when given),
  // started, finished and placed by the nesting of entries.
  OrvExpr* PlaceDataEntry(std::int64_t level, const char* name, OrvTokenList* levelTokens = nullptr) {
    const std::string image = level == 0 ? "00" : std::to_string(level);
    if (levelTokens != nullptr) levelTokens->AddToken(TK_INT_NUM_LIT, OrvTxtPosn(7, 7, 1), VString(image.c_str()));
    OrvExpr* entry = OrvGramStartDataEntry(new OrvIntNumConst(VString(image.c_str()), level), nullptr,
                                           OrvGramDefine(Name(name), SYMCAT_DATA_NAME, 1), levelTokens);
    OrvGramPlaceEntry(OrvEntryCollector.Finish(), DECL_DD);
    return entry;
  }
};

}  // namespace grammar_actions

#endif
