// The grammar's process-wide objects: the dialect check, the language flags,
// the passing mode, and the nine collectors with their life from process
// start through each parse to process exit.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "NoSourceParser.h"
#include "OrvExprOper.h"
#include "OrvParserImpl.h"
#include "OrvParserStatics.h"

namespace {

OrvDials Dials(std::initializer_list<int> dialects) {
  OrvDials set = OrvNoDials();
  for (int d : dialects) OrvSetDial(set, d);
  return set;
}

TEST(CanParseDialects, EveryMixWithoutWangVsOrDmsDmlIsAccepted) {
  const struct {
    const char* name;
    OrvDials dials;
    int accepted;
  } cases[] = {
      {"no dialect", OrvNoDials(), 1},
      {"ansi85", Dials({ORV_DIAL_ANSI85}), 1},
      {"mf and osvs", Dials({ORV_DIAL_MF, ORV_DIAL_OSVS}), 1},
      {"every other dialect",
       OrvAllDials() & ~OrvDialFieldMask(ORV_DIAL_WANG) & ~OrvDialFieldMask(ORV_DIAL_DML), 1},
      {"wang", Dials({ORV_DIAL_WANG}), 0},
      {"dml", Dials({ORV_DIAL_DML}), 0},
      {"ansi85 and dml", Dials({ORV_DIAL_ANSI85, ORV_DIAL_DML}), 0},
      {"mf and wang", Dials({ORV_DIAL_MF, ORV_DIAL_WANG}), 0},
      {"all dialects", OrvAllDials(), 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CanParseDialects(&c.dials), c.accepted) << c.name;
  }
  EXPECT_EQ(CanParseDialects(nullptr), 1);
}

// The flags stay 1 whether or not the grammar has SQL and CICS rules; the
// tool driver's banner reads the same flags.
TEST(ParserStatics, SqlAndCicsFlagsAreConstantOne) {
  EXPECT_EQ(GrammarSupportsSql, 1);
  EXPECT_EQ(GrammarSupportsCics, 1);
  EXPECT_EQ(&OrvCanParseSql, &GrammarSupportsSql);
  EXPECT_EQ(&OrvCanParseCics, &GrammarSupportsCics);
  EXPECT_EQ(sizeof(OrvPassingMode), 2u);
  EXPECT_EQ(OrvPassingMode, 0);  // no action has run in this process
}

// The nine collectors in the order of their construction.
std::vector<OrvClauseCollector*> TheNine() {
  return {&OrvConfigurationCollector,     &OrvSpecialNamesCollector,
          &OrvSubClauseCollector,         &OrvEntryCollector,
          &OrvFileControlCollector,       &OrvFileDescriptionCollector,
          &OrvReportDescriptionCollector, &OrvScreenItemCollector,
          &OrvCicsStatementCollector};
}

TEST(ParserStatics, TheNineCollectorsAreRegisteredIdleInTheirOrder) {
  std::vector<OrvClauseCollector*> registered;
  for (OrvClauseCollector* c = OrvFirstCollector(); c != nullptr; c = c->NextRegistered()) {
    registered.push_back(c);
  }
  EXPECT_EQ(registered, TheNine());
  for (OrvClauseCollector* c : TheNine()) {
    EXPECT_EQ(c->node, nullptr);
    EXPECT_EQ(c->count, 0);
    EXPECT_TRUE(c->tokens.IsEmpty());
  }
  EXPECT_EQ(OrvCicsStatementCollector.pendingOption, nullptr);
}

// The nodes released since Watch() was last called.
std::vector<const void*> released;
OrvNodeReleaseFn defaultRelease = nullptr;
void Record(void* memory, std::size_t size) {
  released.push_back(memory);
  defaultRelease(memory, size);
}
bool WasReleased(const void* node) {
  for (const void* r : released) {
    if (r == node) return true;
  }
  return false;
}

TEST(ParserStatics, EachParseBeginsAndEndsWithEveryCollectorEmpty) {
  defaultRelease = OrvNodeRelease;
  OrvNodeRelease = &Record;
  for (bool atEnd : {false, true}) {
    SCOPED_TRACE(atEnd ? "end of a parse" : "start of a parse");
    released.clear();
    NoSourceParser parser;
    std::vector<OrvExpr*> held;
    for (OrvClauseCollector* c : TheNine()) {
      held.push_back(c->Start(new OrvExprOper(DECL_DD_ENTRY)));
      c->tokens.AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(1, 7, 1), VString("SAVED"));
    }
    OrvExpr* pending = new OrvExprOper(CS_CL_MAP);
    OrvCicsStatementCollector.Finish();  // delivered: not the collector's any more
    OrvCicsStatementCollector.AddOption(pending);
    if (atEnd) {
      parser.ReleaseParseState();
    } else {
      parser.ResetParseState();
    }
    for (size_t i = 0; i + 1 < held.size(); ++i) EXPECT_TRUE(WasReleased(held[i])) << i;
    EXPECT_FALSE(WasReleased(held.back()));
    EXPECT_TRUE(WasReleased(pending));
    for (OrvClauseCollector* c : TheNine()) {
      EXPECT_EQ(c->node, nullptr);
      EXPECT_TRUE(c->tokens.IsEmpty());
    }
    EXPECT_EQ(OrvCicsStatementCollector.pendingOption, nullptr);
    delete held.back();
  }
  OrvNodeRelease = defaultRelease;
}

// At exit a collector deletes the node it still holds; nothing is reported
// and, under the leak checker, nothing is left.
void ExitHoldingANode() {
  defaultRelease = OrvNodeRelease;
  OrvNodeRelease = [](void* memory, std::size_t size) {
    std::fputs("node released\n", stderr);
    defaultRelease(memory, size);
  };
  OrvExpr* entry = OrvEntryCollector.Start(new OrvExprOper(DECL_DD_ENTRY));
  entry->Tokens().AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(1, 7, 1), VString("LEFT"));
  OrvEntryCollector.tokens.AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(1, 9, 1), VString("SAVED"));
  std::exit(0);
}

TEST(ParserStaticsDeathTest, ANodeHeldAtExitIsDeleted) {
  EXPECT_EXIT(ExitHoldingANode(), ::testing::ExitedWithCode(0), "node released");
}

}  // namespace
