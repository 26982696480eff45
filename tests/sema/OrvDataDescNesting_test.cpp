// Data-description nesting: which entry hangs below which, where COPY and
// REPLACE markers go, the records handed to the grammar, the checks and
// conversions of levels 66, 78 and 88 and of VALUE clauses, the limit of
// open levels, and that every entry and token stays in the tree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrvOperSlots.h"
#include "OrvTreeUtil.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;

// One step of a sequence of entries: a level and a name (an entry), or a
// marker operation at level 99, or the closing call (level 0, no name).
struct Step {
  int level;
  const char* name;
  int marker;
};
Step E(int level, const char* name) { return Step{level, name, 0}; }
Step M(int op) { return Step{ORV_MARKER_LEVEL, nullptr, op}; }
const Step kClose{0, nullptr, 0};

std::string MarkerText(int op) {
  switch (op) {
    case STMT_INLINED_COPY_BEG: return "[COPY";
    case STMT_INLINED_COPY_END: return "COPY]";
    case STMT_REPLACE: return "[REPL";
    case STMT_REPLACE_OFF: return "REPL]";
    default: return "?";
  }
}

// The records as text: each holder as its entry's name, followed by its
// subordinates in parentheses; a marker as its MarkerText.
std::string Render(const OrvExpr* node) {
  if (node == nullptr) return "";
  switch (node->Oper()) {
    case DECL_DD_LIST: {
      std::string out;
      for (int i = 0; i < node->NArgs(); ++i) {
        if (i > 0) out += " ";
        out += Render(node->Args(i));
      }
      return out;
    }
    case DECL_DD:
    case DECL_RGD:
    case DECL_SCRD: {
      // The three holders keep entry and subordinates alike (asserted in the nesting).
      std::string out = Render(node->Args(DECL_DD__DATA_DESCRIPTION_ENTRY));
      const OrvExpr* subs = node->Args(DECL_DD__SUBORDINATE_ENTRIES);
      if (subs != nullptr && subs->Oper() != NULL_NODE) out += "(" + Render(subs) + ")";
      return out;
    }
    case DECL_DD_ENTRY:
    case DECL_DD_ENTRY_WANG_DISPLAY:
    case DECL_COND_ENTRY:
    case DECL_CONST_ENTRY:
    case DECL_RGD_ENTRY: {
      const OrvExpr* name = node->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED);
      return name != nullptr && name->HasImage() ? Str(*name->Image()) : "-";
    }
    default:
      return MarkerText(node->Oper());
  }
}

class NestingTest : public sematest::ParserTest {
 protected:
  void SetUp() override {
    ParserTest::SetUp();
    StartFile();
    parser.curPosn = OrvTxtPosn(7, 11, 1);
  }

  // A data-description entry of that level, named (a data-name definition)
  // unless the name is null.
  OrvExpr* Entry(int level, const char* name, OrvOper op = DECL_DD_ENTRY) {
    OrvExpr* entry = new OrvExprOper(op);
    entry->SetArg(DECL_DD_ENTRY__LEVEL_NUMBER, new OrvIntNumConst(OrvFormat("%02d", level), level), -1, 0);
    if (name != nullptr) entry->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, Define(name, SYMCAT_DATA_NAME), -1, 0);
    return entry;
  }
  // A VALUE clause as the grammar builds it: one range per pair (To 0 for
  // none), an optional WHEN FALSE value.
  static OrvExpr* Value(std::initializer_list<std::pair<int, int>> ranges, int whenFalse = 0) {
    OrvExpr* list = new OrvExprOper(EX_VALUE_RANGE_LIST);
    for (const auto& r : ranges) {
      OrvExpr* to = r.second != 0 ? Int(r.second) : nullptr;
      list->AddArg(new OrvExprOper(EX_VALUE_RANGE, Int(r.first), to));
    }
    return new OrvExprOper(EX_COND_VALUE, list, whenFalse != 0 ? Int(whenFalse) : nullptr);
  }
  static OrvExpr* Int(int value) {
    return new OrvIntNumConst(OrvFormat("%d", value), value);
  }

  // Makes the grammar's call for one step; returns its result.
  int Apply(const Step& s) {
    if (s.marker != 0) {
      return parser.AddDataDescEntry(s.level, new OrvExprOper(static_cast<OrvOper>(s.marker)),
                                     DECL_DD);
    }
    if (s.name != nullptr) return parser.AddDataDescEntry(s.level, Entry(s.level, s.name), DECL_DD);
    return parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  }
  // The records the grammar takes after the closing call, as text; the
  // tree goes to the test's owned nodes.
  std::string TakeRecords() {
    OrvExpr* records = parser.recordList;
    parser.recordList = nullptr;
    if (records != nullptr) owned.push_back(records);
    return Render(records);
  }
};

struct NestingCase {
  const char* name;
  std::vector<Step> steps;
  const char* records;
};

TEST_F(NestingTest, EntriesNestBelowTheNearestLowerLevelAndMarkersBesideThem) {
  const NestingCase cases[] = {
      {"levels close deeper ones",
       {E(1, "A"), E(5, "B"), E(10, "E"), E(5, "D"), kClose},
       "A(B(E) D)"},
      {"a 77 closes the record like an 01",
       {E(1, "A"), E(5, "B"), E(77, "C"), E(1, "F"), kClose},
       "A(B) C F"},
      {"a 66 nests below the 01 as level 2", {E(1, "A"), E(5, "B"), E(66, "R"), kClose}, "A(B R)"},
      {"an 88 nests below its item, a second 88 pops the first",
       {E(1, "A"), E(5, "B"), E(88, "X"), E(88, "Y"), E(5, "C"), kClose},
       "A(B(X Y) C)"},
      {"a 78 pops only 78, 88 and 99 entries",
       {E(1, "A"), E(5, "B"), E(78, "K"), E(78, "L"), kClose},
       "A(B(K L))"},
      {"a COPY begin marker goes in front of the next entry",
       {E(1, "A"), M(STMT_INLINED_COPY_BEG), E(5, "X"), kClose},
       "A([COPY X)"},
      {"markers pending together are placed in order",
       {E(1, "A"), M(STMT_REPLACE), M(STMT_INLINED_COPY_BEG), M(STMT_INLINED_COPY_END), E(5, "X"),
        kClose},
       "A([REPL [COPY COPY] X)"},
      {"an end marker with nothing pending goes below the top at 99",
       {E(1, "A"), E(5, "B"), M(STMT_INLINED_COPY_END), E(5, "C"), kClose},
       "A(B(COPY]) C)"},
      {"after a 78 an end marker becomes the 78's sibling",
       {E(1, "A"), E(5, "B"), E(78, "K"), M(STMT_REPLACE_OFF), kClose},
       "A(B(K REPL]))"},
      {"pending markers at the closing call form records of their own",
       {E(1, "A"), M(STMT_INLINED_COPY_BEG), M(STMT_REPLACE), kClose},
       "A [COPY [REPL"},
      {"an end marker before any entry heads a record",
       {M(STMT_INLINED_COPY_END), E(1, "A"), kClose},
       "COPY] A"},
      // Mend: an entry never goes below a marker.
      {"an 88 after a marker placed at 78 nests below the item",
       {E(1, "A"), E(5, "B"), E(78, "K"), M(STMT_INLINED_COPY_END), E(88, "C"), kClose},
       "A(B(K COPY] C))"},
      {"a level above 99 after a marker at 99 nests below the item",
       {E(1, "A"), E(5, "B"), M(STMT_INLINED_COPY_END), E(100, "X"), kClose},
       "A(B(COPY] X))"},
      // Mend: a level written 00 (or below) opens a record of its own.
      {"an 00 entry heads a record", {E(1, "R"), E(0, "X"), E(5, "Y"), kClose}, "R X(Y)"},
      {"a negative level heads a record", {E(1, "R"), E(-3, "X"), kClose}, "R X"},
      // Mend: an entry written with level 99 is kept.
      {"a level-99 entry nests like any other", {E(1, "A"), E(5, "B"), E(99, "X"), kClose},
       "A(B(X))"},
  };
  for (const NestingCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (const Step& s : c.steps) {
      int depth = Apply(s);
      if (s.level == 0 && s.name == nullptr) {
        EXPECT_EQ(depth, 0);
      }
    }
    EXPECT_EQ(TakeRecords(), c.records);
    EXPECT_EQ(parser.levelDepth, 0);
    EXPECT_EQ(parser.pendingMarkers, nullptr);
  }
}

TEST_F(NestingTest, ARecordJoinsTheListWhenTheNextRecordOrTheClosingCallComes) {
  parser.AddDataDescEntry(1, Entry(1, "A"), DECL_DD);
  parser.AddDataDescEntry(5, Entry(5, "B"), DECL_DD);
  EXPECT_EQ(parser.recordList, nullptr);
  parser.AddDataDescEntry(1, Entry(1, "C"), DECL_DD);
  EXPECT_EQ(Render(parser.recordList), "A(B)");
  // The holder of each record is a DECL_DD whose subordinates start as a
  // null node.
  OrvExpr* open = parser.levelStack[1].holder;
  ASSERT_EQ(open->Oper(), DECL_DD);
  EXPECT_EQ(open->Args(DECL_DD__SUBORDINATE_ENTRIES)->Oper(), NULL_NODE);
  EXPECT_EQ(parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER), 0);
  EXPECT_EQ(TakeRecords(), "A(B) C");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(NestingTest, TheResultIsTheDepthOrMinusOneForAHeldOrIgnoredNode) {
  EXPECT_EQ(parser.AddDataDescEntry(1, Entry(1, "A"), DECL_DD), 1);
  EXPECT_EQ(parser.AddDataDescEntry(5, Entry(5, "B"), DECL_DD), 2);
  EXPECT_EQ(parser.AddDataDescEntry(66, Entry(66, "R"), DECL_DD), 2);  // 66 ranks as 2
  EXPECT_EQ(parser.levelStack[2].level, 2);
  EXPECT_EQ(parser.AddDataDescEntry(ORV_MARKER_LEVEL, new OrvExprOper(STMT_REPLACE), DECL_DD), -1);
  // A node at level 99 that is neither a marker nor an entry stays the
  // caller's.
  OrvExpr* other = new OrvExprOper(STMT_MOVE);
  owned.push_back(other);
  EXPECT_EQ(parser.AddDataDescEntry(ORV_MARKER_LEVEL, other, DECL_DD), -1);
  EXPECT_EQ(other->Parent(), nullptr);
  EXPECT_EQ(parser.AddDataDescEntry(ORV_MARKER_LEVEL, nullptr, DECL_DD), -1);
  // The REPLACE heads a record of its own, which C closes.
  EXPECT_EQ(parser.AddDataDescEntry(77, Entry(77, "C"), DECL_DD), 1);
  EXPECT_EQ(parser.levelStack[1].level, 1);  // 77 ranks as 1
  EXPECT_EQ(parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER), 0);
  EXPECT_EQ(TakeRecords(), "A(B R) [REPL C");
}

TEST_F(NestingTest, ReportAndScreenEntriesGetHoldersOfTheirOwnAndHolderOnePlacesTheNode) {
  parser.AddDataDescEntry(1, Entry(1, "G", DECL_RGD_ENTRY), DECL_RGD);
  parser.AddDataDescEntry(5, Entry(5, "H", DECL_RGD_ENTRY), DECL_RGD);
  parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  OrvExpr* records = parser.recordList;
  EXPECT_EQ(TakeRecords(), "G(H)");
  ASSERT_EQ(records->NArgs(), 1);
  OrvExpr* group = records->Args(0);
  EXPECT_EQ(group->Oper(), DECL_RGD);
  EXPECT_EQ(group->Args(DECL_RGD__SUBORDINATE_ENTRIES)->Oper(), DECL_DD_LIST);  // report holders list as data ones do
  EXPECT_EQ(group->Args(DECL_RGD__SUBORDINATE_ENTRIES)->Args(0)->Oper(), DECL_RGD);
  // A first report entry of level 05 is not a data description: no report.
  EXPECT_TRUE(Messages().empty());

  OrvExpr* bare = Entry(1, "S");
  parser.PushDataDescEntry(1, bare, ORV_NO_HOLDER);
  EXPECT_EQ(parser.levelStack[1].holder, bare);
  parser.PushDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  EXPECT_EQ(TakeRecords(), "S");
}

struct MessageCase {
  const char* name;
  std::vector<Step> steps;
  std::vector<std::string> messages;
};

TEST_F(NestingTest, OnlyAnEntryOfLevel01_77Or78MayHeadARecord) {
  const std::string kHeads = "Non-01(77,78) Data Description Entry heads Record Description";
  const MessageCase cases[] = {
      {"05 first", {E(5, "X"), kClose}, {Line(MSG_ERR, kHeads)}},
      {"66 first",
       {E(66, "X"), kClose},
       {Line(MSG_ERR, kHeads),
        Line(MSG_ERR, "In 66-level data-name clause 'Renames' is missing. It must be present.")}},
      {"88 first",
       {E(88, "X"), kClose},
       {Line(MSG_ERR, kHeads),
        Line(MSG_ERR, "In condition-name clause 'Value' is missing. It must be present.")}},
      {"01, 77 and 01 again", {E(1, "A"), E(77, "B"), E(1, "C"), kClose}, {}},
  };
  for (const MessageCase& c : cases) {
    SCOPED_TRACE(c.name);
    messages.Clear();
    for (const Step& s : c.steps) Apply(s);
    TakeRecords();
    EXPECT_EQ(Messages(), c.messages);
  }
  // A 78 heads a record cleanly; an 05 after it closes it and heads the
  // next one, reported at the token last handed to the grammar.
  messages.Clear();
  OrvExpr* constant = Entry(78, "K");
  constant->SetArg(DECL_DD_ENTRY__VALUE, Value({{1, 0}}), -1, 0);
  parser.AddDataDescEntry(78, constant, DECL_DD);
  EXPECT_EQ(Messages(), std::vector<std::string>{});
  parser.AddDataDescEntry(5, Entry(5, "X"), DECL_DD);
  parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  EXPECT_EQ(TakeRecords(), "K X");
  ASSERT_EQ(Messages(), std::vector<std::string>{Line(MSG_ERR, kHeads)});
  EXPECT_EQ(MessagePosns()[0], OrvTxtPosn(7, 11, 1));
}

TEST_F(NestingTest, ValueClausesTakeTheFirstValueAndReportAnyOtherShape) {
  const struct {
    const char* name;
    OrvExpr* value;
    bool incorrect;
    int64_t kept;
  } cases[] = {
      {"VALUE 1", Value({{1, 0}}), false, 1},
      {"VALUE 1 THRU 5", Value({{1, 5}}), true, 1},
      {"VALUE 7 9", Value({{7, 0}, {9, 0}}), true, 7},
      {"VALUE 3 WHEN FALSE 4", Value({{3, 0}}, 4), true, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    messages.Clear();
    OrvExpr* entry = Entry(1, "V");
    entry->SetArg(DECL_DD_ENTRY__VALUE, c.value, -1, 0);
    parser.AddDataDescEntry(1, entry, DECL_DD);
    OrvExpr* value = entry->Args(DECL_DD_ENTRY__VALUE);
    ASSERT_EQ(value, c.value);  // converted in place
    EXPECT_EQ(value->Oper(), DX_VALUE);
    ASSERT_EQ(value->NArgs(), 1);
    ASSERT_NE(value->Args(DX_VALUE__VALUE_CLAUSE), nullptr);
    EXPECT_EQ(value->Args(DX_VALUE__VALUE_CLAUSE)->Oper(), INT_NUM_CONST);
    EXPECT_EQ(value->Args(DX_VALUE__VALUE_CLAUSE)->IntValue(), c.kept);
    std::vector<std::string> expected;
    if (c.incorrect) expected.push_back(Line(MSG_ERR, "Incorrect Value clause"));
    EXPECT_EQ(Messages(), expected);
  }
  parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  TakeRecords();
}

TEST_F(NestingTest, A78BecomesAConstantEntryAndItsNameAConstantName) {
  OrvExpr* entry = Entry(78, "K");
  OrvSymTabElt* element = Name("K");
  entry->SetArg(DECL_DD_ENTRY__VALUE, Value({{1, 0}}), -1, 0);
  entry->ArgSlots(DECL_DD_ENTRY__LEVEL_NUMBER)->tokens.AddToken(TK_INT_NUM_LIT, OrvTxtPosn(3, 7, 1),
                                               VString("78"));
  sematest::PlaceAt(entry, 3, 20, ".");
  parser.AddDataDescEntry(78, entry, DECL_DD);
  OrvExpr* holder = parser.levelStack[1].holder;
  OrvExpr* constant = holder->Args(DECL_DD__DATA_DESCRIPTION_ENTRY);
  ASSERT_EQ(constant->Oper(), DECL_CONST_ENTRY);
  EXPECT_EQ(constant->Args(DECL_CONST_ENTRY__LEVEL_NUMBER)->IntValue(), 78);
  EXPECT_EQ(Str(*constant->Args(DECL_CONST_ENTRY__CONSTANT_NAME_DEFINED)->Image()), "K");
  OrvExpr* value = constant->Args(DECL_CONST_ENTRY__CONSTANT_VALUE);
  ASSERT_EQ(value->Oper(), EX_CONST_VALUE);
  EXPECT_EQ(value->Args(EX_CONST_VALUE__VALUE)->IntValue(), 1);
  EXPECT_EQ(element->Category(), SYMCAT_CONSTANT_NAME);
  // The slots came with their tokens; the entry's own tokens follow.
  ASSERT_EQ(constant->ArgSlots(DECL_CONST_ENTRY__LEVEL_NUMBER)->tokens.Count(), 1);
  EXPECT_EQ(Str(constant->ArgSlots(DECL_CONST_ENTRY__LEVEL_NUMBER)->tokens.First()->image), "78");
  ASSERT_EQ(constant->Tokens().Count(), 1);
  EXPECT_EQ(Str(constant->Tokens().First()->image), ".");
  EXPECT_TRUE(Messages().empty());
  parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  EXPECT_EQ(TakeRecords(), "K");
}

TEST_F(NestingTest, An88BecomesAConditionEntryKeepingItsConditionValue) {
  parser.AddDataDescEntry(1, Entry(1, "A"), DECL_DD);
  OrvExpr* entry = Entry(88, "OK");
  OrvExpr* value = Value({{1, 5}}, 9);
  entry->SetArg(DECL_DD_ENTRY__VALUE, value, -1, 0);
  parser.AddDataDescEntry(88, entry, DECL_DD);
  OrvExpr* condition = parser.levelStack[2].holder->Args(DECL_DD__DATA_DESCRIPTION_ENTRY);
  ASSERT_EQ(condition->Oper(), DECL_COND_ENTRY);
  EXPECT_EQ(Str(*condition->Args(DECL_COND_ENTRY__CONDITION_NAME_DEFINED)->Image()), "OK");
  EXPECT_EQ(condition->Args(DECL_COND_ENTRY__CONDITION_VALUE), value);
  EXPECT_EQ(value->Oper(), EX_COND_VALUE);  // THRU and WHEN FALSE stay
  EXPECT_TRUE(Messages().empty());
  parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  EXPECT_EQ(TakeRecords(), "A(OK)");
}

TEST_F(NestingTest, Entries66_78And88AreCheckedForTheirClauses) {
  const std::string kMissing = "It must be present.";
  const struct {
    const char* name;
    int level;
    const char* entryName;  // null: a name that is no new definition
    int picture;            // 1: with a PICTURE clause
    int renames;            // 1: with a RENAMES clause
    int valueFrom;          // 0: no VALUE clause
    int valueTo;            // 0: no THRU
    OrvOper becomes;
    std::vector<std::string> messages;
  } cases[] = {
      {"a clean 66", 66, "R", 0, 1, 0, 0, DECL_DD_ENTRY, {}},
      {"a 66 without RENAMES", 66, "R", 0, 0, 0, 0, DECL_DD_ENTRY,
       {Line(MSG_ERR, "In 66-level data-name clause 'Renames' is missing. " + kMissing)}},
      {"a 66 with a PICTURE", 66, "R", 1, 1, 0, 0, DECL_DD_ENTRY,
       {Line(MSG_ERR, "In 66-level data-name clause 'Picture' is present. It must not be present.")}},
      {"a clean 78", 78, "K1", 0, 0, 1, 0, DECL_CONST_ENTRY, {}},
      {"a 78 whose name is no new definition", 78, nullptr, 0, 0, 2, 0, DECL_CONST_ENTRY,
       {Line(MSG_ERR, "Name in 78-level constant is not new constant-name")}},
      {"a 78 with THRU", 78, "K2", 0, 0, 2, 3, DECL_CONST_ENTRY,
       {Line(MSG_ERR, "Incorrect Value clause")}},
      {"a 78 without VALUE", 78, "K3", 0, 0, 0, 0, DECL_CONST_ENTRY,
       {Line(MSG_ERR, "In 78-level constant clause 'Value' is missing. " + kMissing)}},
      {"an 88 with a PICTURE", 88, "C", 1, 0, 1, 0, DECL_COND_ENTRY,
       {Line(MSG_ERR, "In condition-name clause 'Picture' is present. It must not be present.")}},
      {"an 88 without a name", 88, "", 0, 0, 1, 0, DECL_COND_ENTRY,
       {Line(MSG_ERR, "In condition-name clause 'Data Item Defined' is missing. " + kMissing),
        Line(MSG_ERR, "Condition has no data-name")}},
      {"an 88 with THRU is fine", 88, "C", 0, 0, 1, 5, DECL_COND_ENTRY, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    messages.Clear();
    parser.AddDataDescEntry(1, Entry(1, "A"), DECL_DD);
    bool named = c.entryName != nullptr && c.entryName[0] != '\0';
    OrvExpr* entry = Entry(c.level, named ? c.entryName : nullptr);
    if (c.entryName == nullptr) entry->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, new OrvCharString(VString("N")), -1, 0);
    if (c.picture) entry->SetArg(DECL_DD_ENTRY__PICTURE, new OrvCharString(VString("X")), -1, 0);
    if (c.renames) {
      entry->SetArg(DECL_DD_ENTRY__RENAMES, new OrvExprOper(DX_RENAMES, new OrvCharString(VString("B"))),
                    -1, 0);
    }
    if (c.valueFrom != 0) entry->SetArg(DECL_DD_ENTRY__VALUE, Value({{c.valueFrom, c.valueTo}}), -1, 0);
    parser.AddDataDescEntry(c.level, entry, DECL_DD);
    EXPECT_EQ(parser.levelStack[parser.levelDepth].holder->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)->Oper(), c.becomes);
    EXPECT_EQ(Messages(), c.messages);
    parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
    TakeRecords();
  }
}

// Mend: a converted entry or clause loses no source text.
TEST_F(NestingTest, TextOfDroppedClausesAndValuesStaysInTheTree) {
  auto tokenTexts = [](OrvExpr* node) {
    OrvTokenList gathered;
    OrvGatherTokensWalker(node, gathered);
    std::string out;
    for (OrvTokenListNode* e = gathered.Head(); e != nullptr; e = e->next) {
      out += Str(e->token->image) + " ";
    }
    node->Tokens().Splice(gathered);  // put back, in walk order
    return out;
  };
  // 05 V VALUE 1 THRU 5.  Tokens stand where the position step puts them:
  // in front of the argument that holds each right-hand side.
  OrvExpr* entry = Entry(5, "V");
  OrvExpr* value = Value({{1, 5}});
  value->ArgSlots(EX_COND_VALUE__VALUE_RANGES)->tokens.AddToken(RW_VALUE, OrvTxtPosn(4, 20, 1), VString("VALUE"));
  OrvExpr* range = value->Args(EX_COND_VALUE__VALUE_RANGES)->Args(0);
  range->ArgSlots(EX_VALUE_RANGE__VALUE)->tokens.AddToken(TK_INT_NUM_LIT, OrvTxtPosn(4, 26, 1), VString("1"));
  range->ArgSlots(EX_VALUE_RANGE__THROUGH_VALUE)->tokens.AddToken(RW_THRU, OrvTxtPosn(4, 28, 1), VString("THRU"));
  range->ArgSlots(EX_VALUE_RANGE__THROUGH_VALUE)->tokens.AddToken(TK_INT_NUM_LIT, OrvTxtPosn(4, 33, 1), VString("5"));
  entry->SetArg(DECL_DD_ENTRY__VALUE, value, -1, 0);
  parser.AddDataDescEntry(1, Entry(1, "A"), DECL_DD);
  parser.AddDataDescEntry(5, entry, DECL_DD);
  ASSERT_EQ(value->Oper(), DX_VALUE);
  EXPECT_EQ(value->ArgSlots(DX_VALUE__VALUE_CLAUSE)->tokens.Count(), 2);  // VALUE 1 in front of the value
  EXPECT_EQ(tokenTexts(value), "VALUE 1 THRU 5 ");

  // 88 C PIC X VALUE 'Y'.: the PICTURE goes, its text stays with the entry.
  OrvExpr* pictured = Entry(88, "C");
  OrvExpr* picture = new OrvCharString(VString("X"));
  pictured->SetArg(DECL_DD_ENTRY__PICTURE, picture, -1, 0);
  pictured->ArgSlots(DECL_DD_ENTRY__PICTURE)->tokens.AddToken(RW_PIC, OrvTxtPosn(5, 20, 1), VString("PIC"));
  sematest::PlaceAt(picture, 5, 24, "X");
  pictured->SetArg(DECL_DD_ENTRY__VALUE, Value({{1, 0}}), -1, 0);
  sematest::PlaceAt(pictured, 5, 30, ".");
  parser.AddDataDescEntry(88, pictured, DECL_DD);
  OrvExpr* condition = parser.levelStack[parser.levelDepth].holder->Args(DECL_DD__DATA_DESCRIPTION_ENTRY);
  ASSERT_EQ(condition->Oper(), DECL_COND_ENTRY);
  EXPECT_EQ(tokenTexts(condition), "PIC X . ");
  parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  EXPECT_EQ(TakeRecords(), "A(V(C))");
}

// Mend: 50 entries may be open, the 51st is refused without writing past
// the level stack.
TEST_F(NestingTest, FiftyOpenLevelsAreTheLimit) {
  for (int level = 1; level <= 49; ++level) {
    std::string name = "L" + std::to_string(level);
    parser.AddDataDescEntry(level, Entry(level, name.c_str()), DECL_DD);
  }
  OrvExpr* constant = Entry(78, "K");
  constant->SetArg(DECL_DD_ENTRY__VALUE, Value({{1, 0}}), -1, 0);
  EXPECT_EQ(parser.AddDataDescEntry(78, constant, DECL_DD), ORV_LEVEL_STACK_SIZE);
  EXPECT_EQ(recorder.size(), 0u);
  EXPECT_TRUE(Messages().empty());

  OrvExpr* condition = Entry(88, "C");
  condition->SetArg(DECL_DD_ENTRY__VALUE, Value({{2, 0}}), -1, 0);
  EXPECT_EQ(parser.AddDataDescEntry(88, condition, DECL_DD), ORV_LEVEL_STACK_SIZE);
  ASSERT_EQ(recorder.size(), 1u);
  EXPECT_EQ(recorder.level(0), MSG_TERMINAL);
  EXPECT_EQ(recorder.text(0), "Too many levels in record structure definition");
  EXPECT_EQ(recorder.messages()[0].posn, OrvTxtPosn(7, 11, 1));
  EXPECT_TRUE(Messages().empty());  // straight to the call-back, not the list
  // The 88 hangs below the 78, which keeps its place on the stack.
  OrvExpr* top = parser.levelStack[ORV_LEVEL_STACK_SIZE].holder;
  EXPECT_EQ(Render(top), "K(C)");
  EXPECT_EQ(top->Args(DECL_DD__SUBORDINATE_ENTRIES)->Args(0)->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)->Oper(),
            DECL_COND_ENTRY);

  parser.AddDataDescEntry(1, Entry(1, "NEXT"), DECL_DD);
  EXPECT_EQ(parser.levelDepth, 1);
  parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  std::string expected;
  for (int level = 1; level <= 49; ++level) expected += "L" + std::to_string(level) + "(";
  expected += "K(C)" + std::string(49, ')') + " NEXT";
  EXPECT_EQ(TakeRecords(), expected);
}

TEST_F(NestingTest, AZeroLevelEntryKeepsItsWrittenLevelAndNothingLeaks) {
  parser.AddDataDescEntry(1, Entry(1, "R"), DECL_DD);
  OrvExpr* zero = Entry(0, "X");
  zero->SetArg(DECL_DD_ENTRY__PICTURE, new OrvCharString(VString("X")), -1, 0);
  EXPECT_EQ(parser.AddDataDescEntry(0, zero, DECL_DD), 1);
  EXPECT_EQ(Str(*zero->Args(DECL_DD_ENTRY__LEVEL_NUMBER)->Image()), "00");
  EXPECT_TRUE(Messages().empty());
  parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  EXPECT_EQ(TakeRecords(), "R X");
}

TEST_F(NestingTest, AWangDisplayEntryStaysOnlyInADisplayWsRecord) {
  for (bool displayWs : {true, false}) {
    SCOPED_TRACE(displayWs);
    OrvExpr* root = Entry(1, "W");
    if (displayWs) {
      root->SetArg(DECL_DD_ENTRY__USAGE, new OrvExprOper(DX_USAGE, new OrvExprOper(DU_DISPLAY_WS)), -1, 0);
    }
    parser.AddDataDescEntry(1, root, DECL_DD);
    OrvExpr* wang = Entry(5, "F", DECL_DD_ENTRY_WANG_DISPLAY);
    OrvExpr* row = new OrvExprOper(EX_WDD_ROW, new OrvIntNumConst(VString("3"), 3));
    wang->SetArg(DECL_DD_ENTRY_WANG_DISPLAY__ROW, row, -1, 0);
    wang->ArgSlots(DECL_DD_ENTRY_WANG_DISPLAY__ROW)->tokens.AddToken(RW_ROW, OrvTxtPosn(6, 20, 1), VString("ROW"));
    wang->SetArg(DECL_DD_ENTRY__VALUE, Value({{1, 0}}), -1, 0);
    parser.AddDataDescEntry(5, wang, DECL_DD);
    if (displayWs) {
      EXPECT_EQ(wang->Oper(), DECL_DD_ENTRY_WANG_DISPLAY);
      EXPECT_EQ(wang->Args(DECL_DD_ENTRY_WANG_DISPLAY__ROW), row);
      EXPECT_EQ(wang->Args(DECL_DD_ENTRY__VALUE)->Oper(), EX_COND_VALUE);
    } else {
      EXPECT_EQ(wang->Oper(), DECL_DD_ENTRY);
      EXPECT_EQ(wang->NArgs(), ORV_DD_ENTRY_SLOTS);
      EXPECT_EQ(wang->Args(DECL_DD_ENTRY__VALUE)->Oper(), DX_VALUE);  // then an ordinary entry
      ASSERT_EQ(wang->Tokens().Count(), 1);                  // the row's text stays
      EXPECT_EQ(Str(wang->Tokens().First()->image), "ROW");
    }
    EXPECT_EQ(recorder.Count(MSG_SEVERE), 0);
  }
  parser.AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  EXPECT_EQ(TakeRecords(), "W(F) W(F)");
}

}  // namespace
