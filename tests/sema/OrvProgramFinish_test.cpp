// Finishing a program besides name resolution: the CICS execute interface
// block and its "cics-eib" choice, and ACCEPT and DISPLAY items written in
// screen form.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "OrvProgramFinish.h"
#include "OrvTreeWalk.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;
using sematest::PlaceAt;

// Turns the walk trace on for the test's life: the walks then look at each
// node after its call-back, the node a call-back replaced included.
class WalkTraceOn {
 public:
  WalkTraceOn() : saved_(OrvWalkTraceSwitch), stream_(OrvWalkTraceStream) {
    OrvWalkTraceSwitch = 1;
    OrvWalkTraceStream = &out;
  }
  ~WalkTraceOn() {
    OrvWalkTraceSwitch = saved_;
    OrvWalkTraceStream = stream_;
  }
  std::ostringstream out;

 private:
  int saved_;
  std::ostream* stream_;
};

// --- the CICS execute interface block --------------------------------------

class CicsEibTest : public sematest::ParserTest {
 protected:
  void SetUp() override {
    ParserTest::SetUp();
    StartFile();
  }
  // A program with a DATA DIVISION (WORKING-STORAGE only) that uses `word`.
  OrvExpr* ProgramUsing(const char* name, const char* word) {
    OrvExpr* program = BeginProgram(name);
    WorkingStorage(program);
    Procedure(program);
    if (word != nullptr) Sentence({Use(SYMCAT_DATA_NAME, {word})});
    return program;
  }
  // The LINKAGE SECTION's entries, or null when there is no section.
  static OrvExpr* Linkage(OrvExpr* program) {
    OrvExpr* division = program->Args(COBOL_PROGRAM__DATA_DIVISION);
    OrvExpr* section = division != nullptr ? division->Args(6) : nullptr;
    return section != nullptr ? section->Args(0) : nullptr;
  }
  static std::string NameOf(OrvExpr* holder) { return Str(*holder->Args(0)->Args(2)->Image()); }
};

TEST_F(CicsEibTest, AProgramThatUsesEibaidGetsTheBlockInANewLinkageSection) {
  OrvExpr* program = ProgramUsing("P1", "EIBAID");
  parser.FinishSource(0);
  EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
  EXPECT_EQ(parser.cicsEibChoice, ORV_ANY_YES);
  EXPECT_EQ(parser.cicsEib, ORV_ANY_AUTO);  // the settings are not written

  OrvExpr* entries = Linkage(program);
  ASSERT_NE(entries, nullptr);
  ASSERT_EQ(entries->Oper(), DECL_DD_LIST);
  ASSERT_EQ(entries->NArgs(), 1);
  OrvExpr* blocks = entries->Args(0);
  EXPECT_EQ(blocks->Oper(), DECL_DD_HIDDEN);
  EXPECT_EQ(NameOf(blocks), "CICS-BLOCKS");
  ASSERT_EQ(blocks->Args(1)->NArgs(), 1);
  OrvExpr* eib = blocks->Args(1)->Args(0);
  EXPECT_EQ(eib->Oper(), DECL_DD);
  EXPECT_EQ(NameOf(eib), "DFHEIBLK");
  OrvExpr* fields = eib->Args(1);
  ASSERT_EQ(fields->NArgs(), 26);
  EXPECT_EQ(NameOf(fields->Args(0)), "EIBTIME");
  EXPECT_EQ(NameOf(fields->Args(25)), "EIBNODAT");
  // EIBTIME S9(7) COMP-3; EIBAID X without USAGE.
  OrvExpr* time = fields->Args(0)->Args(0);
  EXPECT_EQ(Str(*time->Args(4)->Args(0)->Image()), "S9(7)");
  EXPECT_EQ(time->Args(5)->Args(0)->Oper(), DU_COMP_3);
  OrvExpr* aid = fields->Args(7)->Args(0);
  EXPECT_EQ(NameOf(fields->Args(7)), "EIBAID");
  EXPECT_EQ(Str(*aid->Args(4)->Args(0)->Image()), "X");
  EXPECT_EQ(aid->Args(5), nullptr);

  // The use resolves to the declared field, in the program's own table.
  OrvExpr* sentence = program->Args(3)->Args(7)->Args(0)->Args(2)->Args(0)->Args(1)->Args(0);
  OrvExpr* use = sentence->Args(0)->Args(0)->Args(0);
  EXPECT_EQ(use->Link(0)->node, aid->Args(2));
  OrvSymTabElt* elt = OrvSymTabFindElt(OrvOwnerSymTab(program), VString("DFHEIBLK"), nullptr);
  ASSERT_NE(elt, nullptr);
  EXPECT_EQ(elt->Category(), SYMCAT_DATA_NAME);
}

TEST_F(CicsEibTest, TheChoiceOfAParse) {
  const struct {
    const char* title;
    int setting;
    const char* word;
    bool block;
    std::vector<std::string> messages;
  } cases[] = {
      {"auto, EIBTRMID", ORV_ANY_AUTO, "EIBTRMID", true, {}},
      // EIBRESP asks for the block without being a field of it.
      {"auto, EIBRESP", ORV_ANY_AUTO, "EIBRESP", true,
       {Line(MSG_ERR, "Object named 'EIBRESP' is not defined (1 error per name)")}},
      {"auto, other names", ORV_ANY_AUTO, "EIBX", false,
       {Line(MSG_ERR, "Object named 'EIBX' is not defined (1 error per name)")}},
      {"no", ORV_ANY_NO, "EIBAID", false,
       {Line(MSG_ERR, "Object named 'EIBAID' is not defined (1 error per name)")}},
      {"yes", ORV_ANY_YES, nullptr, true, {}},
  };
  for (const auto& c : cases) {
    parser.cicsEib = c.setting;
    NextParse();
    StartFile();
    OrvExpr* program = ProgramUsing("P1", c.word);
    parser.FinishSource(0);
    EXPECT_EQ(Linkage(program) != nullptr, c.block) << c.title;
    EXPECT_EQ(Messages(), c.messages) << c.title;
    EXPECT_EQ(parser.cicsEib, c.setting) << c.title;
  }
}

TEST_F(CicsEibTest, TheFirstFinishedProgramDecidesForTheParseTheNextParseAfresh) {
  OrvExpr* first = ProgramUsing("P1", nullptr);
  parser.EndProgram(new OrvExprOper(END_COBOL_PROGRAM, Use(SYMCAT_PROGRAM_NAME, {"P1"})));
  OrvExpr* second = ProgramUsing("P2", "EIBAID");
  parser.FinishSource(0);
  EXPECT_EQ(Linkage(first), nullptr);
  EXPECT_EQ(Linkage(second), nullptr);
  EXPECT_EQ(Messages(), (std::vector<std::string>{Line(
                            MSG_ERR, "Object named 'EIBAID' is not defined (1 error per name)")}));

  NextParse();
  StartFile();
  OrvExpr* third = ProgramUsing("P3", "EIBAID");
  parser.FinishSource(0);
  EXPECT_NE(Linkage(third), nullptr);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(CicsEibTest, ABlockJoinsAnExistingLinkageSectionAndNeedsADataDivision) {
  parser.cicsEib = ORV_ANY_YES;
  NextParse();
  StartFile();
  OrvExpr* withLinkage = BeginProgram("P1");
  WorkingStorage(withLinkage);
  OrvExpr* section = new OrvExprOper(SECTION_LINKAGE);
  OrvExpr* own = new OrvExprOper(DECL_DD_LIST, Item(1, "PARM"));
  section->SetArg(0, own, -1, 0);
  withLinkage->Args(COBOL_PROGRAM__DATA_DIVISION)->SetArg(6, section, -1, 0);
  parser.EndProgram(new OrvExprOper(END_COBOL_PROGRAM, Use(SYMCAT_PROGRAM_NAME, {"P1"})));
  OrvExpr* noData = BeginProgram("P2");
  parser.FinishSource(0);

  ASSERT_EQ(Linkage(withLinkage), own);
  ASSERT_EQ(own->NArgs(), 2);
  EXPECT_EQ(NameOf(own->Args(0)), "PARM");
  EXPECT_EQ(NameOf(own->Args(1)), "CICS-BLOCKS");
  EXPECT_EQ(noData->Args(COBOL_PROGRAM__DATA_DIVISION), nullptr);
}

// --- ACCEPT and DISPLAY items ----------------------------------------------

class ScreenItemTest : public sematest::ParserTest {
 protected:
  void SetUp() override {
    ParserTest::SetUp();
    StartFile();
    program = BeginProgram("P1");
    Procedure(program);
  }
  // A screen-form item of `op` with a literal value and the given slots set.
  OrvExpr* ItemWith(OrvOper op, std::initializer_list<std::pair<int, OrvExpr*>> slots) {
    OrvExpr* item = new OrvExprOper(op);
    item->SetArg(1, new OrvStrConst(VString("'HELLO'")), -1, 0);
    item->ArgSlots(1)->tokens.AddToken(TK_NONNUM_LIT, OrvTxtPosn(4, 20, 1), VString("'HELLO'"));
    for (const auto& s : slots) item->SetArg(s.first, s.second, -1, 0);
    return item;
  }
  // The item in a statement of its own sentence.
  OrvExpr* InSentence(OrvExpr* item) {
    OrvExpr* list = new OrvExprOper(DISPLAY_ITEM_LIST, item);
    OrvExpr* stmt = new OrvExprOper(item->Oper() == ACCEPT_SCREEN_ITEM ? STMT_ACCEPT : STMT_DISPLAY);
    stmt->SetArg(0, list, -1, 0);
    Sentence({stmt});
    return list;
  }
  // SPECIAL-NAMES with CONSOLE IS CRT in the program's ENVIRONMENT DIVISION.
  static void GiveConsoleIsCrt(OrvExpr* program) {
    OrvExpr* special = new OrvExprOper(PARA_SPECIAL_NAMES);
    special->SetArg(8, new OrvExprOper(SNX_CONSOLE_IS_CRT), -1, 0);
    OrvExpr* config = new OrvExprOper(SECTION_CONFIGURATION);
    config->SetArg(3, special, -1, 0);
    OrvExpr* env = new OrvExprOper(DIVISION_ENVIRONMENT);
    env->SetArg(1, config, -1, 0);
    program->SetArg(1, env, -1, 0);
  }
  static OrvExpr* Device(OrvOper phrase, OrvExpr* device) {
    return new OrvExprOper(phrase, device);
  }
  OrvExpr* program = nullptr;
};

struct ItemCase {
  const char* title;
  OrvOper op;
  std::vector<std::pair<int, int>> slots;  // slot, operation of a node put there
  OrvOper device;                          // FROM/UPON device, NULL_NODE for none
  OrvOper result;
};

TEST_F(ScreenItemTest, AnItemWithoutScreenClausesTakesTheAnsiOrFunctionForm) {
  WalkTraceOn trace;
  const ItemCase cases[] = {
      {"DISPLAY", DISPLAY_SCREEN_ITEM, {}, NULL_NODE, DISPLAY_ANSI_ITEM},
      {"DISPLAY UPON CONSOLE", DISPLAY_SCREEN_ITEM, {}, IOF_CONSOLE, DISPLAY_ANSI_ITEM},
      {"DISPLAY UPON a mnemonic", DISPLAY_SCREEN_ITEM, {}, CHAR_STRING, DISPLAY_FUNC_ITEM},
      {"DISPLAY UPON CRT", DISPLAY_SCREEN_ITEM, {}, IOF_CRT, DISPLAY_SCREEN_ITEM},
      {"DISPLAY UPON CRT-UNDER", DISPLAY_SCREEN_ITEM, {}, IOF_CRT_UNDER, DISPLAY_SCREEN_ITEM},
      {"DISPLAY AT", DISPLAY_SCREEN_ITEM, {{4, STR_CONST}}, NULL_NODE, DISPLAY_SCREEN_ITEM},
      {"DISPLAY position", DISPLAY_SCREEN_ITEM, {{0, STR_CONST}}, NULL_NODE,
       DISPLAY_SCREEN_ITEM},
      {"DISPLAY LINE", DISPLAY_SCREEN_ITEM, {{2, STR_CONST}}, IOF_CONSOLE, DISPLAY_SCREEN_ITEM},
      {"DISPLAY MODE IS BLOCK", DISPLAY_SCREEN_ITEM, {{6, STR_CONST}}, NULL_NODE,
       DISPLAY_SCREEN_ITEM},
      {"DISPLAY BELL", DISPLAY_SCREEN_ITEM, {{8, STR_CONST}}, NULL_NODE, DISPLAY_SCREEN_ITEM},
      {"DISPLAY BLANK", DISPLAY_SCREEN_ITEM, {{29, STR_CONST}}, NULL_NODE, DISPLAY_SCREEN_ITEM},
      {"DISPLAY null clauses", DISPLAY_SCREEN_ITEM, {{4, NULL_NODE}, {8, NULL_NODE}}, NULL_NODE,
       DISPLAY_ANSI_ITEM},
      {"DISPLAY WITH", DISPLAY_SCREEN_ITEM, {{7, STR_CONST}}, IOF_CONSOLE, DISPLAY_ANSI_ITEM},
      {"ACCEPT", ACCEPT_SCREEN_ITEM, {}, NULL_NODE, ACCEPT_ANSI_ITEM},
      {"ACCEPT FROM CONSOLE", ACCEPT_SCREEN_ITEM, {}, IOF_CONSOLE, ACCEPT_ANSI_ITEM},
      {"ACCEPT FROM a mnemonic", ACCEPT_SCREEN_ITEM, {}, CHAR_STRING, ACCEPT_FUNC_ITEM},
      {"ACCEPT FROM CRT", ACCEPT_SCREEN_ITEM, {}, IOF_CRT, ACCEPT_SCREEN_ITEM},
      {"ACCEPT FROM CRT-UNDER", ACCEPT_SCREEN_ITEM, {}, IOF_CRT_UNDER, ACCEPT_FUNC_ITEM},
      {"ACCEPT CONVERT", ACCEPT_SCREEN_ITEM, {{31, STR_CONST}}, NULL_NODE, ACCEPT_SCREEN_ITEM},
      {"ACCEPT LOWER", ACCEPT_SCREEN_ITEM, {{38, STR_CONST}}, NULL_NODE, ACCEPT_SCREEN_ITEM},
      {"ACCEPT COLUMN", ACCEPT_SCREEN_ITEM, {{3, STR_CONST}}, NULL_NODE, ACCEPT_SCREEN_ITEM},
  };
  for (const ItemCase& c : cases) {
    OrvExpr* item = new OrvExprOper(c.op);
    item->SetArg(1, new OrvStrConst(VString("'HELLO'")), -1, 0);
    for (const auto& s : c.slots) {
      OrvExpr* node = s.second == NULL_NODE ? static_cast<OrvExpr*>(new OrvNullNode)
                                            : new OrvStrConst(VString("'1'"));
      item->SetArg(s.first, node, -1, 0);
    }
    if (c.device != NULL_NODE) {
      OrvExpr* device = c.device == CHAR_STRING ? static_cast<OrvExpr*>(new OrvCharString(
                                                      VString("PRINTER")))
                                                : new OrvExprOper(c.device);
      item->SetArg(5, Device(c.op == ACCEPT_SCREEN_ITEM ? ACCP_FROM : DSPL_UPON, device), -1, 0);
    }
    OrvExpr* list = InSentence(item);
    OrvExpr* value = item->Args(1);
    OrvExpr* phrase = item->Args(5);
    messages.Clear();
    parser.FinishProgram(1);
    OrvExpr* result = list->Args(0);
    ASSERT_EQ(result->Oper(), c.result) << c.title;
    EXPECT_TRUE(Messages().empty()) << c.title;
    if (c.result == c.op) {
      EXPECT_EQ(result, item) << c.title;
    } else {
      EXPECT_EQ(result->Args(0), value) << c.title;
      EXPECT_EQ(result->ArgSlots(0)->order, 0) << c.title;
      EXPECT_EQ(result->Args(1), phrase) << c.title;
    }
    program = BeginProgram(("P" + std::to_string(parser.root->Args(0)->NArgs() + 1)).c_str());
    Procedure(program);
  }
  EXPECT_NE(trace.out.str().find("SCREEN_ITEM"), std::string::npos);
}

TEST_F(ScreenItemTest, TheSlotsMoveWithTheirTokensAndTheFunctionFormDropsAdvancing) {
  WalkTraceOn trace;
  OrvExpr* marker = new OrvExprOper(STMT_INLINED_COPY_END);
  OrvExpr* advancing = new OrvStrConst(VString("'NO ADVANCING'"));
  OrvExpr* toConsole = ItemWith(DISPLAY_SCREEN_ITEM,
                                {{5, Device(DSPL_UPON, new OrvExprOper(IOF_CONSOLE))},
                                 {30, marker},
                                 {31, advancing}});
  OrvExpr* listA = InSentence(toConsole);
  OrvExpr* toPrinter = ItemWith(
      DISPLAY_SCREEN_ITEM,
      {{5, Device(DSPL_UPON, new OrvCharString(VString("PRINTER")))},
       {30, new OrvExprOper(STMT_INLINED_COPY_END)},
       {31, new OrvStrConst(VString("'x'"))}});
  OrvExpr* listF = InSentence(toPrinter);
  parser.FinishSource(0);
  EXPECT_TRUE(Messages().empty());

  OrvExpr* ansi = listA->Args(0);
  ASSERT_EQ(ansi->Oper(), DISPLAY_ANSI_ITEM);
  ASSERT_EQ(ansi->ArgSlots(0)->tokens.Count(), 1);
  EXPECT_EQ(Str(ansi->ArgSlots(0)->tokens.First()->image), "'HELLO'");
  EXPECT_EQ(ansi->Args(2), marker);
  EXPECT_EQ(ansi->Args(3), advancing);

  OrvExpr* func = listF->Args(0);
  ASSERT_EQ(func->Oper(), DISPLAY_FUNC_ITEM);
  EXPECT_EQ(func->NArgs(), 3);
  EXPECT_EQ(func->Args(2)->Oper(), STMT_INLINED_COPY_END);
  EXPECT_EQ(func->ArgSlots(0)->tokens.Count(), 1);
  EXPECT_TRUE(parser.retiredNodes.empty());
}

TEST_F(ScreenItemTest, AnAcceptKeepsItsWithWordAndReportsItLost) {
  OrvExpr* item = ItemWith(ACCEPT_SCREEN_ITEM, {{7, new OrvStrConst(VString("'W'"))}});
  PlaceAt(item, 9, 15, "ACCEPT");
  OrvExpr* list = InSentence(item);
  parser.FinishSource(0);
  EXPECT_EQ(list->Args(0)->Oper(), ACCEPT_ANSI_ITEM);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{Line(MSG_WARN, "ProcessAcceptItem: clause #7 was lost")}));
  // The item's begin: the first token of the item as written.
  EXPECT_EQ(MessagePosns(), (std::vector<OrvTxtPosn>{OrvTxtPosn(4, 20, 1)}));
}

TEST_F(ScreenItemTest, ConsoleIsCrtOrAScreenItemKeepTheScreenForm) {
  // Program P1 has CONSOLE IS CRT.
  GiveConsoleIsCrt(program);
  OrvExpr* underCrt = InSentence(ItemWith(DISPLAY_SCREEN_ITEM, {}));
  // Its contained program P2 has a screen item S and no CONSOLE IS CRT.
  OrvExpr* inner = BeginProgram("P2");
  OrvExpr* data = new OrvExprOper(DIVISION_DATA);
  OrvExpr* entry = new OrvExprOper(DECL_SCRD_ENTRY);
  entry->SetArg(1, Define("S", SYMCAT_SCREEN_NAME), -1, 0);
  data->SetArg(9, new OrvExprOper(SECTION_SCREEN, new OrvExprOper(DECL_SCRD, entry)), -1, 0);
  inner->SetArg(2, data, -1, 0);
  Procedure(inner);
  OrvExpr* ofScreen = new OrvExprOper(DISPLAY_SCREEN_ITEM);
  ofScreen->SetArg(1, Use(SYMCAT_DATA_NAME, {"S"}), -1, 0);
  OrvExpr* screenList = InSentence(ofScreen);
  OrvExpr* plainList = InSentence(ItemWith(DISPLAY_SCREEN_ITEM, {}));
  // A contained program ending inside P1 is walked again by P1's walk.
  OrvExpr* nested = BeginProgram("P3");
  GiveConsoleIsCrt(nested);
  Procedure(nested);
  OrvExpr* nestedList = InSentence(ItemWith(DISPLAY_SCREEN_ITEM, {}));
  parser.EndProgram(new OrvExprOper(END_COBOL_PROGRAM, Use(SYMCAT_PROGRAM_NAME, {"P3"})));
  parser.EndProgram(new OrvExprOper(END_COBOL_PROGRAM, Use(SYMCAT_PROGRAM_NAME, {"P2"})));
  parser.FinishSource(0);

  EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
  EXPECT_EQ(underCrt->Args(0)->Oper(), DISPLAY_SCREEN_ITEM);
  EXPECT_EQ(screenList->Args(0)->Oper(), DISPLAY_SCREEN_ITEM);
  EXPECT_EQ(plainList->Args(0)->Oper(), DISPLAY_ANSI_ITEM);
  // P3's own CONSOLE IS CRT holds for its items when P2 and P1 pass them.
  EXPECT_EQ(nestedList->Args(0)->Oper(), DISPLAY_SCREEN_ITEM);
}

TEST(ProcessAcceptItem, OtherNodesAreWalkedIntoAndAnItemWithoutPlaceIsLeft) {
  OrvExprOper sentence(SENTENCE);
  EXPECT_EQ(ProcessAcceptItem(&sentence, nullptr), ORV_WALK_CHILDREN);
  OrvExprOper item(DISPLAY_SCREEN_ITEM);
  EXPECT_EQ(ProcessAcceptItem(&item, nullptr), ORV_WALK_SKIP);
  EXPECT_EQ(item.Oper(), DISPLAY_SCREEN_ITEM);
}

TEST(ProcessAcceptItem, SubtreesWithoutStatementsAreNotEntered) {
  const struct {
    int op;
    int code;
  } cases[] = {
      {DIVISION_IDENTIFICATION, ORV_WALK_SKIP}, {DIVISION_ENVIRONMENT, ORV_WALK_SKIP},
      {DIVISION_DATA, ORV_WALK_SKIP},           {SYMBOL_TABLE_ELT_LIST, ORV_WALK_SKIP},
      {NAMED_OBJ_USE, ORV_WALK_SKIP},           {DIVISION_PROCEDURE, ORV_WALK_CHILDREN},
      {COBOL_PROGRAM, ORV_WALK_CHILDREN},       {STMT_DISPLAY, ORV_WALK_CHILDREN},
      {DISPLAY_ITEM_LIST, ORV_WALK_CHILDREN},
  };
  for (const auto& c : cases) {
    OrvExprOper node(static_cast<OrvOper>(c.op));
    EXPECT_EQ(ProcessAcceptItem(&node, nullptr), c.code) << OrvOperName(c.op);
  }
}

}  // namespace
