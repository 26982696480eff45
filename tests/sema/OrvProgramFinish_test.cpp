// Finishing a program besides name resolution: the CICS execute interface
// block and its "cics-eib" choice, and ACCEPT and DISPLAY items written in
// screen form.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "OrvOperSlots.h"
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
    OrvExpr* section = division != nullptr ? division->Args(DIVISION_DATA__LINKAGE_SECTION) : nullptr;
    return section != nullptr ? section->Args(SECTION_LINKAGE__DATA_DESCRIPTION_ENTRIES) : nullptr;
  }
  // The name an entry holder (DECL_DD or DECL_DD_HIDDEN, one layout) defines.
  static std::string NameOf(OrvExpr* holder) {
    static_assert(DECL_DD_HIDDEN__DATA_DESCRIPTION_ENTRY == DECL_DD__DATA_DESCRIPTION_ENTRY, "one layout");
    return Str(*holder->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED)->Image());
  }
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
  ASSERT_EQ(blocks->Args(DECL_DD_HIDDEN__SUBORDINATE_ENTRIES)->NArgs(), 1);
  OrvExpr* eib = blocks->Args(DECL_DD_HIDDEN__SUBORDINATE_ENTRIES)->Args(0);
  EXPECT_EQ(eib->Oper(), DECL_DD);
  EXPECT_EQ(NameOf(eib), "DFHEIBLK");
  OrvExpr* fields = eib->Args(DECL_DD__SUBORDINATE_ENTRIES);
  ASSERT_EQ(fields->NArgs(), 28);
  EXPECT_EQ(NameOf(fields->Args(0)), "EIBTIME");
  EXPECT_EQ(NameOf(fields->Args(25)), "EIBNODAT");
  // The response fields come last: S9(8) COMP each.
  EXPECT_EQ(NameOf(fields->Args(26)), "EIBRESP");
  EXPECT_EQ(NameOf(fields->Args(27)), "EIBRESP2");
  for (int i : {26, 27}) {
    OrvExpr* resp = fields->Args(i)->Args(DECL_DD__DATA_DESCRIPTION_ENTRY);
    EXPECT_EQ(Str(*resp->Args(DECL_DD_ENTRY__PICTURE)->Args(DX_PICTURE__PICTURE_STRING)->Image()), "S9(8)");
    EXPECT_EQ(resp->Args(DECL_DD_ENTRY__USAGE)->Args(DX_USAGE__USAGE_KIND)->Oper(), DU_COMP);
  }
  // EIBTIME S9(7) COMP-3; EIBAID X without USAGE.
  OrvExpr* time = fields->Args(0)->Args(DECL_DD__DATA_DESCRIPTION_ENTRY);
  EXPECT_EQ(Str(*time->Args(DECL_DD_ENTRY__PICTURE)->Args(DX_PICTURE__PICTURE_STRING)->Image()), "S9(7)");
  EXPECT_EQ(time->Args(DECL_DD_ENTRY__USAGE)->Args(DX_USAGE__USAGE_KIND)->Oper(), DU_COMP_3);
  OrvExpr* aid = fields->Args(7)->Args(DECL_DD__DATA_DESCRIPTION_ENTRY);
  EXPECT_EQ(NameOf(fields->Args(7)), "EIBAID");
  EXPECT_EQ(Str(*aid->Args(DECL_DD_ENTRY__PICTURE)->Args(DX_PICTURE__PICTURE_STRING)->Image()), "X");
  EXPECT_EQ(aid->Args(DECL_DD_ENTRY__USAGE), nullptr);

  // The use resolves to the declared field, in the program's own table.
  OrvExpr* sentence = program->Args(COBOL_PROGRAM__PROCEDURE_DIVISION)
                          ->Args(DIVISION_PROCEDURE__IMPERATIVES)
                          ->Args(0)
                          ->Args(SECTION_PROC__PARAGRAPHS)
                          ->Args(0)
                          ->Args(PARA_PROC__SENTENCES)
                          ->Args(0);
  OrvExpr* use = sentence->Args(SENTENCE__STATEMENTS)->Args(0)->Args(0);
  EXPECT_EQ(use->Link(0)->node, aid->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED));
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
      // The response fields ask for the block and resolve to its fields.
      {"auto, EIBRESP", ORV_ANY_AUTO, "EIBRESP", true, {}},
      {"auto, EIBRESP2", ORV_ANY_AUTO, "EIBRESP2", true, {}},
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
  section->SetArg(SECTION_LINKAGE__DATA_DESCRIPTION_ENTRIES, own, -1, 0);
  withLinkage->Args(COBOL_PROGRAM__DATA_DIVISION)->SetArg(DIVISION_DATA__LINKAGE_SECTION, section, -1, 0);
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
    item->SetArg(DISPLAY_SCREEN_ITEM__VALUE_TO_DISPLAY, new OrvStrConst(VString("'HELLO'")), -1, 0);
    item->ArgSlots(DISPLAY_SCREEN_ITEM__VALUE_TO_DISPLAY)
        ->tokens.AddToken(TK_NONNUM_LIT, OrvTxtPosn(4, 20, 1), VString("'HELLO'"));
    for (const auto& s : slots) item->SetArg(s.first, s.second, -1, 0);
    return item;
  }
  // The item in a statement of its own sentence.
  OrvExpr* InSentence(OrvExpr* item) {
    OrvExpr* list = new OrvExprOper(DISPLAY_ITEM_LIST, item);
    OrvExpr* stmt = new OrvExprOper(item->Oper() == ACCEPT_SCREEN_ITEM ? STMT_ACCEPT : STMT_DISPLAY);
    static_assert(STMT_ACCEPT__ACCEPT_ITEMS == STMT_DISPLAY__DISPLAY_ITEMS, "one layout");
    stmt->SetArg(STMT_DISPLAY__DISPLAY_ITEMS, list, -1, 0);
    Sentence({stmt});
    return list;
  }
  // SPECIAL-NAMES with CONSOLE IS CRT in the program's ENVIRONMENT DIVISION.
  static void GiveConsoleIsCrt(OrvExpr* program) {
    OrvExpr* special = new OrvExprOper(PARA_SPECIAL_NAMES);
    special->SetArg(PARA_SPECIAL_NAMES__CONSOLE_IS_CRT, new OrvExprOper(SNX_CONSOLE_IS_CRT), -1, 0);
    OrvExpr* config = new OrvExprOper(SECTION_CONFIGURATION);
    config->SetArg(SECTION_CONFIGURATION__SPECIAL_NAMES, special, -1, 0);
    OrvExpr* env = new OrvExprOper(DIVISION_ENVIRONMENT);
    env->SetArg(DIVISION_ENVIRONMENT__CONFIGURATION_SECTION, config, -1, 0);
    program->SetArg(COBOL_PROGRAM__ENVIRONMENT_DIVISION, env, -1, 0);
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
      {"DISPLAY AT", DISPLAY_SCREEN_ITEM, {{DISPLAY_SCREEN_ITEM__AT, STR_CONST}}, NULL_NODE, DISPLAY_SCREEN_ITEM},
      {"DISPLAY position", DISPLAY_SCREEN_ITEM, {{DISPLAY_SCREEN_ITEM__POSITION, STR_CONST}}, NULL_NODE,
       DISPLAY_SCREEN_ITEM},
      {"DISPLAY LINE", DISPLAY_SCREEN_ITEM, {{DISPLAY_SCREEN_ITEM__LINE, STR_CONST}}, IOF_CONSOLE,
       DISPLAY_SCREEN_ITEM},
      {"DISPLAY MODE IS BLOCK", DISPLAY_SCREEN_ITEM, {{DISPLAY_SCREEN_ITEM__MODE_IS_BLOCK, STR_CONST}}, NULL_NODE,
       DISPLAY_SCREEN_ITEM},
      {"DISPLAY BELL", DISPLAY_SCREEN_ITEM, {{DISPLAY_SCREEN_ITEM__BELL, STR_CONST}}, NULL_NODE,
       DISPLAY_SCREEN_ITEM},
      {"DISPLAY BLANK", DISPLAY_SCREEN_ITEM, {{DISPLAY_SCREEN_ITEM__BLANK, STR_CONST}}, NULL_NODE,
       DISPLAY_SCREEN_ITEM},
      {"DISPLAY null clauses", DISPLAY_SCREEN_ITEM,
       {{DISPLAY_SCREEN_ITEM__AT, NULL_NODE}, {DISPLAY_SCREEN_ITEM__BELL, NULL_NODE}}, NULL_NODE,
       DISPLAY_ANSI_ITEM},
      {"DISPLAY WITH", DISPLAY_SCREEN_ITEM, {{DISPLAY_SCREEN_ITEM__WITH_WORD, STR_CONST}}, IOF_CONSOLE,
       DISPLAY_ANSI_ITEM},
      {"ACCEPT", ACCEPT_SCREEN_ITEM, {}, NULL_NODE, ACCEPT_ANSI_ITEM},
      {"ACCEPT FROM CONSOLE", ACCEPT_SCREEN_ITEM, {}, IOF_CONSOLE, ACCEPT_ANSI_ITEM},
      {"ACCEPT FROM a mnemonic", ACCEPT_SCREEN_ITEM, {}, CHAR_STRING, ACCEPT_FUNC_ITEM},
      {"ACCEPT FROM CRT", ACCEPT_SCREEN_ITEM, {}, IOF_CRT, ACCEPT_SCREEN_ITEM},
      {"ACCEPT FROM CRT-UNDER", ACCEPT_SCREEN_ITEM, {}, IOF_CRT_UNDER, ACCEPT_FUNC_ITEM},
      {"ACCEPT CONVERT", ACCEPT_SCREEN_ITEM, {{ACCEPT_SCREEN_ITEM__CONVERT, STR_CONST}}, NULL_NODE,
       ACCEPT_SCREEN_ITEM},
      {"ACCEPT LOWER", ACCEPT_SCREEN_ITEM, {{ACCEPT_SCREEN_ITEM__LOWER, STR_CONST}}, NULL_NODE, ACCEPT_SCREEN_ITEM},
      {"ACCEPT COLUMN", ACCEPT_SCREEN_ITEM, {{ACCEPT_SCREEN_ITEM__COLUMN, STR_CONST}}, NULL_NODE,
       ACCEPT_SCREEN_ITEM},
  };
  for (const ItemCase& c : cases) {
    // ACCEPT and DISPLAY screen items keep their value and their device in
    // the same slots.
    static_assert(ACCEPT_SCREEN_ITEM__ACCEPT_TO == DISPLAY_SCREEN_ITEM__VALUE_TO_DISPLAY &&
                      ACCEPT_SCREEN_ITEM__FROM_OR_UPON == DISPLAY_SCREEN_ITEM__FROM_OR_UPON,
                  "one layout");
    OrvExpr* item = new OrvExprOper(c.op);
    item->SetArg(DISPLAY_SCREEN_ITEM__VALUE_TO_DISPLAY, new OrvStrConst(VString("'HELLO'")), -1, 0);
    for (const auto& s : c.slots) {
      OrvExpr* node = s.second == NULL_NODE ? static_cast<OrvExpr*>(new OrvNullNode)
                                            : new OrvStrConst(VString("'1'"));
      item->SetArg(s.first, node, -1, 0);
    }
    if (c.device != NULL_NODE) {
      OrvExpr* device = c.device == CHAR_STRING ? static_cast<OrvExpr*>(new OrvCharString(
                                                      VString("PRINTER")))
                                                : new OrvExprOper(c.device);
      const OrvOper devicePhrase = c.op == ACCEPT_SCREEN_ITEM ? ACCP_FROM : DSPL_UPON;
      item->SetArg(DISPLAY_SCREEN_ITEM__FROM_OR_UPON, Device(devicePhrase, device), -1, 0);
    }
    OrvExpr* list = InSentence(item);
    OrvExpr* value = item->Args(DISPLAY_SCREEN_ITEM__VALUE_TO_DISPLAY);
    OrvExpr* phrase = item->Args(DISPLAY_SCREEN_ITEM__FROM_OR_UPON);
    messages.Clear();
    parser.FinishProgram(1);
    OrvExpr* result = list->Args(0);
    ASSERT_EQ(result->Oper(), c.result) << c.title;
    EXPECT_TRUE(Messages().empty()) << c.title;
    if (c.result == c.op) {
      EXPECT_EQ(result, item) << c.title;
    } else {
      // The ANSI and function forms of both verbs: the value, then the device.
      static_assert(DISPLAY_ANSI_ITEM__VALUE_TO_DISPLAY == DISPLAY_FUNC_ITEM__VALUE_TO_DISPLAY &&
                        ACCEPT_ANSI_ITEM__ACCEPT_TO == DISPLAY_FUNC_ITEM__VALUE_TO_DISPLAY &&
                        ACCEPT_FUNC_ITEM__ACCEPT_TO == DISPLAY_FUNC_ITEM__VALUE_TO_DISPLAY &&
                        DISPLAY_ANSI_ITEM__FROM_OR_UPON == DISPLAY_FUNC_ITEM__FROM_OR_UPON &&
                        ACCEPT_ANSI_ITEM__FROM == DISPLAY_FUNC_ITEM__FROM_OR_UPON &&
                        ACCEPT_FUNC_ITEM__FROM == DISPLAY_FUNC_ITEM__FROM_OR_UPON,
                    "one layout");
      EXPECT_EQ(result->Args(DISPLAY_ANSI_ITEM__VALUE_TO_DISPLAY), value) << c.title;
      EXPECT_EQ(result->ArgSlots(DISPLAY_ANSI_ITEM__VALUE_TO_DISPLAY)->order, 0) << c.title;
      EXPECT_EQ(result->Args(DISPLAY_ANSI_ITEM__FROM_OR_UPON), phrase) << c.title;
    }
    program = BeginProgram(("P" + std::to_string(parser.root->Args(COBOL_FILE__PROGRAM_LIST)->NArgs() + 1)).c_str());
    Procedure(program);
  }
  EXPECT_NE(trace.out.str().find("SCREEN_ITEM"), std::string::npos);
}

TEST_F(ScreenItemTest, TheSlotsMoveWithTheirTokensAndTheFunctionFormDropsAdvancing) {
  WalkTraceOn trace;
  OrvExpr* marker = new OrvExprOper(STMT_INLINED_COPY_END);
  OrvExpr* advancing = new OrvStrConst(VString("'NO ADVANCING'"));
  OrvExpr* toConsole = ItemWith(DISPLAY_SCREEN_ITEM,
                                {{DISPLAY_SCREEN_ITEM__FROM_OR_UPON, Device(DSPL_UPON, new OrvExprOper(IOF_CONSOLE))},
                                 {DISPLAY_SCREEN_ITEM__COPYBEGIN_END, marker},
                                 {DISPLAY_SCREEN_ITEM__ADVANCING_PHRASE, advancing}});
  OrvExpr* listA = InSentence(toConsole);
  OrvExpr* toPrinter = ItemWith(
      DISPLAY_SCREEN_ITEM,
      {{DISPLAY_SCREEN_ITEM__FROM_OR_UPON, Device(DSPL_UPON, new OrvCharString(VString("PRINTER")))},
       {DISPLAY_SCREEN_ITEM__COPYBEGIN_END, new OrvExprOper(STMT_INLINED_COPY_END)},
       {DISPLAY_SCREEN_ITEM__ADVANCING_PHRASE, new OrvStrConst(VString("'x'"))}});
  OrvExpr* listF = InSentence(toPrinter);
  parser.FinishSource(0);
  EXPECT_TRUE(Messages().empty());

  OrvExpr* ansi = listA->Args(0);
  ASSERT_EQ(ansi->Oper(), DISPLAY_ANSI_ITEM);
  ASSERT_EQ(ansi->ArgSlots(DISPLAY_ANSI_ITEM__VALUE_TO_DISPLAY)->tokens.Count(), 1);
  EXPECT_EQ(Str(ansi->ArgSlots(DISPLAY_ANSI_ITEM__VALUE_TO_DISPLAY)->tokens.First()->Image()), "'HELLO'");
  EXPECT_EQ(ansi->Args(DISPLAY_ANSI_ITEM__COPYBEGIN_END), marker);
  EXPECT_EQ(ansi->Args(DISPLAY_ANSI_ITEM__ADVANCING_PHRASE), advancing);

  OrvExpr* func = listF->Args(0);
  ASSERT_EQ(func->Oper(), DISPLAY_FUNC_ITEM);
  EXPECT_EQ(func->NArgs(), 3);
  EXPECT_EQ(func->Args(DISPLAY_FUNC_ITEM__COPYBEGIN_END)->Oper(), STMT_INLINED_COPY_END);
  EXPECT_EQ(func->ArgSlots(DISPLAY_FUNC_ITEM__VALUE_TO_DISPLAY)->tokens.Count(), 1);
  EXPECT_TRUE(parser.retiredNodes.empty());
}

TEST_F(ScreenItemTest, AnAcceptKeepsItsWithWordAndReportsItLost) {
  OrvExpr* item = ItemWith(ACCEPT_SCREEN_ITEM, {{ACCEPT_SCREEN_ITEM__WITH_WORD, new OrvStrConst(VString("'W'"))}});
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
  entry->SetArg(DECL_SCRD_ENTRY__SCREEN_ITEM_DEFINED, Define("S", SYMCAT_SCREEN_NAME), -1, 0);
  data->SetArg(DIVISION_DATA__SCREEN_SECTION, new OrvExprOper(SECTION_SCREEN, new OrvExprOper(DECL_SCRD, entry)), -1,
               0);
  inner->SetArg(COBOL_PROGRAM__DATA_DIVISION, data, -1, 0);
  Procedure(inner);
  OrvExpr* ofScreen = new OrvExprOper(DISPLAY_SCREEN_ITEM);
  ofScreen->SetArg(DISPLAY_SCREEN_ITEM__VALUE_TO_DISPLAY, Use(SYMCAT_DATA_NAME, {"S"}), -1, 0);
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

// An ACCEPT item with a WITH word, which is reported lost, whose value's
// token stands at `line`: the report's position tells the items apart.
OrvExpr* LosingAcceptAt(int line) {
  OrvExpr* item = new OrvExprOper(ACCEPT_SCREEN_ITEM);
  item->SetArg(ACCEPT_SCREEN_ITEM__ACCEPT_TO, new OrvStrConst(VString("'V'")), -1, 0);
  item->ArgSlots(ACCEPT_SCREEN_ITEM__ACCEPT_TO)->tokens.AddToken(TK_NONNUM_LIT, OrvTxtPosn(line, 12, 1),
                                                                  VString("'V'"));
  item->SetArg(ACCEPT_SCREEN_ITEM__WITH_WORD, new OrvStrConst(VString("'W'")), -1, 0);
  return item;
}

// The items name resolution meets on its way are converted afterwards in
// the order of the item walk, which the walk trace runs on its own: an item
// in a later sentence, in a statement nested deeper, and beside a name use
// whose subtree holds none; an item inside another item's subtree is passed
// by, as the walk passes it by.  Both ways give the same reports in the
// same order.
TEST_F(ScreenItemTest, TheItemsNameResolutionMeetsAreConvertedInWalkOrder) {
  std::vector<OrvTxtPosn> posns[2];
  std::vector<std::string> texts[2];
  for (int traced = 0; traced < 2; ++traced) {
    std::unique_ptr<WalkTraceOn> trace(traced != 0 ? new WalkTraceOn : nullptr);
    if (traced != 0) {
      program = BeginProgram("P2");
      Procedure(program);
    }
    // X is defined by an item of the program's tree, which deletes it.
    WorkingStorage(program)->AddArg(Item(1, "X"));
    OrvExpr* first = LosingAcceptAt(5);
    // An item put in the first item's value slot is in its subtree.
    OrvExpr* inner = LosingAcceptAt(6);
    OrvExpr* holder = new OrvExprOper(DISPLAY_ITEM_LIST, inner);
    first->SetArg(ACCEPT_SCREEN_ITEM__COPYBEGIN_END, holder, -1, 0);
    OrvExpr* firstList = InSentence(first);
    OrvExpr* deep = new OrvExprOper(STMT_LIST, new OrvExprOper(STMT_LIST, new OrvExprOper(DISPLAY_ITEM_LIST,
                                                                                           LosingAcceptAt(7))));
    Sentence({Use(SYMCAT_DATA_NAME, {"X"}), deep, Use(SYMCAT_DATA_NAME, {"X"})});
    OrvExpr* lastList = InSentence(LosingAcceptAt(8));
    messages.Clear();
    parser.FinishProgram(1);
    EXPECT_EQ(firstList->Args(0)->Oper(), ACCEPT_ANSI_ITEM);
    EXPECT_EQ(lastList->Args(0)->Oper(), ACCEPT_ANSI_ITEM);
    EXPECT_EQ(holder->Args(0), inner);
    EXPECT_EQ(inner->Oper(), ACCEPT_SCREEN_ITEM);
    posns[traced] = MessagePosns();
    texts[traced] = Messages();
  }
  EXPECT_EQ(posns[0], (std::vector<OrvTxtPosn>{OrvTxtPosn(5, 12, 1), OrvTxtPosn(7, 12, 1), OrvTxtPosn(8, 12, 1)}));
  EXPECT_EQ(posns[1], posns[0]);
  EXPECT_EQ(texts[1], texts[0]);
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
