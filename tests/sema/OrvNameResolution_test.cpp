// Qualified-name resolution when a program is finished: homonyms and their
// messages, undefined names, paragraphs of the same section, ASSIGN names,
// uses that take the nearest preceding definition, and category checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrvOperSlots.h"
#include "OrvQualName.h"
#include "OrvTreeWalk.h"
#include "SemaTestSupport.h"

namespace {

using sematest::Line;
using sematest::PlaceAt;

class ResolveTest : public sematest::ParserTest {
 protected:
  void SetUp() override {
    ParserTest::SetUp();
    StartFile();
    program = BeginProgram("PROG");
  }
  // Finishes the program (and takes the file out of the parser).
  void Finish() { parser.FinishSource(0); }
  // The definition a use was resolved to, or null.
  static OrvExpr* DefOf(OrvExpr* use) { return use->Link(0)->node; }
  // The Uses entry {use, index} of a definition, or the null link.
  static OrvLink UsesEntry(OrvExpr* def, OrvExpr* use) {
    for (OrvLinkElem* e = def->Links(0)->Head(); e != nullptr; e = e->next) {
      if (e->link.node == use) return e->link;
    }
    return OrvLink();
  }
  // The definition of the data item at the end of a path of holders.
  static OrvExpr* ItemDef(OrvExpr* holder) {
    return holder->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED);
  }
  static OrvExpr* SubItem(OrvExpr* holder, int i) { return holder->Args(DECL_DD__SUBORDINATE_ENTRIES)->Args(i); }

  // 01 A. 05 X.  01 B. 05 X.  in the program's WORKING-STORAGE.
  void RecordsWithX(OrvExpr*& a, OrvExpr*& b) {
    OrvExpr* data = WorkingStorage(program);
    a = Item(1, "A", {Item(5, "X")});
    b = Item(1, "B", {Item(5, "X")});
    data->AddArg(a);
    data->AddArg(b);
  }
  // A further program under a name of its own.
  OrvExpr* NextProgram() {
    names.push_back("PROG" + std::to_string(names.size() + 2));
    return BeginProgram(names.back().c_str());
  }

  OrvExpr* program = nullptr;
  std::vector<std::string> names;
};

TEST_F(ResolveTest, AHomonymIsReportedWithEveryDefinitionAndTheLastPrecedingOneIsUsed) {
  OrvExpr* a = nullptr;
  OrvExpr* b = nullptr;
  RecordsWithX(a, b);
  PlaceAt(ItemDef(SubItem(a, 0)), 10, 15, "X");
  PlaceAt(ItemDef(SubItem(b, 0)), 12, 15, "X");
  Procedure(program);
  OrvNamedObjUse* use = Use(SYMCAT_DATA_NAME, {"X"});
  PlaceAt(use, 20, 11, "X");
  Sentence({use});
  Finish();

  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            Line(MSG_ERR, "Object 'X' used here is defined more than once."),
                            Line(MSG_ERR, "-- Definition #1: X OF A"),
                            Line(MSG_ERR, "-- Definition #2: X OF B"),
                            Line(MSG_ERR, "-- Using definition #2: X OF B"),
                        }));
  EXPECT_EQ(MessagePosns(),
            (std::vector<OrvTxtPosn>{OrvTxtPosn(20, 11, 1), OrvTxtPosn(10, 15, 1),
                                     OrvTxtPosn(12, 15, 1), OrvTxtPosn(20, 11, 1)}));
  OrvExpr* bx = ItemDef(SubItem(b, 0));
  EXPECT_EQ(DefOf(use), bx);
  EXPECT_EQ(UsesEntry(bx, use).index, static_cast<int32_t>(use->Serial()));
  // No category check is made on a homonym: the use keeps what it expected.
  EXPECT_EQ(use->Category(), SYMCAT_DATA_NAME);
}

TEST_F(ResolveTest, QualifiersChooseAmongHomonymsWithoutAMessage) {
  OrvExpr* a = nullptr;
  OrvExpr* b = nullptr;
  RecordsWithX(a, b);
  Procedure(program);
  OrvNamedObjUse* ofA = Use(SYMCAT_DATA_NAME, {"X", "A"});
  // An SQL host-variable name lists its qualifiers first.
  OrvExpr* sqlNames = new OrvExprOper(SQL_VAR_NAME_LIST);
  for (const char* n : {"B", "X"}) sqlNames->AddArg(new OrvNameUse(OrvLink(Name(n), -1)));
  OrvNamedObjUse* ofB = OrvNewNamedObjUse(sqlNames, SYMCAT_DATA_NAME, 0);
  // A qualifier that rules out every definition leaves the use unresolved,
  // silently.
  OrvNamedObjUse* ofNone = Use(SYMCAT_DATA_NAME, {"X", "Q"});
  Sentence({ofA, ofB, ofNone});
  Finish();
  EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
  EXPECT_EQ(DefOf(ofA), ItemDef(SubItem(a, 0)));
  EXPECT_EQ(DefOf(ofB), ItemDef(SubItem(b, 0)));
  EXPECT_EQ(DefOf(ofNone), nullptr);
}

TEST_F(ResolveTest, AnUndefinedNameIsReportedOnceUnlessEveryUseIsAsked) {
  for (int multi : {0, 1}) {
    SCOPED_TRACE(multi);
    parser.multiUndefdErrs = multi;
    messages.Clear();
    OrvExpr* p = multi ? NextProgram() : program;
    Procedure(p);
    Sentence({Use(SYMCAT_DATA_NAME, {"Y"}), Use(SYMCAT_DATA_NAME, {"Y"})});
    Sentence({Use(SYMCAT_DATA_NAME, {"Y"})});
    parser.FinishProgram(1);
    std::string text = multi ? "Object named 'Y' is not defined"
                             : "Object named 'Y' is not defined (1 error per name)";
    EXPECT_EQ(Messages(), std::vector<std::string>(multi ? 3 : 1, Line(MSG_ERR, text)));
  }
}

// A name of the use that is bound to no element is reported once when the
// use is resolved, also when the resolution says nothing else of the use
// (Z OF ?, which leaves the defined Z unresolved), and the use's text shows
// it empty.
TEST_F(ResolveTest, AnUnboundQualifierIsReportedOnceAndShownEmpty) {
  WorkingStorage(program)->AddArg(Item(1, "Z"));
  Procedure(program);
  OrvNamedObjUse* uses[2] = {};
  int k = 0;
  for (const char* first : {"Z", "Y"}) {
    OrvExpr* names = new OrvExprOper(OF_IN_LIST);
    names->AddArg(new OrvNameUse(OrvLink(Name(first), -1)));
    names->AddArg(new OrvNameUse(OrvLink()));
    uses[k++] = OrvNewNamedObjUse(names, SYMCAT_DATA_NAME, 0);
  }
  Sentence({uses[0], uses[1]});
  MessageRecorder global;
  Finish();
  EXPECT_EQ(DefOf(uses[0]), nullptr);
  ASSERT_EQ(2u, global.messages().size());
  for (const auto& m : global.messages()) {
    EXPECT_EQ(MSG_SEVERE, m.level);
    EXPECT_EQ("OrvQualNameStr: name #1 of the qualified name is not bound", m.text);
  }
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            Line(MSG_ERR, "Object named 'Y OF ' is not defined (1 error per name)")}));
}

TEST_F(ResolveTest, AParagraphOfTheUsingSectionWinsElsewhereItIsAHomonym) {
  Procedure(program);
  Section("S1");
  Paragraph("P");
  OrvNamedObjUse* inS1 = Use(SYMCAT_PROC_NAME, {"P"});
  Sentence({inS1});
  Section("S2");
  OrvExpr* s2p = Paragraph("P");
  Sentence({new OrvExprOper(STMT_CONTINUE)});
  Section("S3");
  OrvNamedObjUse* inS3 = Use(SYMCAT_PROC_NAME, {"P"});
  Sentence({inS3});
  OrvExpr* s1p = program->Args(COBOL_PROGRAM__PROCEDURE_DIVISION)
                     ->Args(DIVISION_PROCEDURE__IMPERATIVES)
                     ->Args(0)
                     ->Args(SECTION_PROC__PARAGRAPHS)
                     ->Args(0);
  Finish();

  EXPECT_EQ(DefOf(inS1), s1p->Args(PARA_NAME));
  EXPECT_EQ(DefOf(inS3), s2p->Args(PARA_NAME));
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            Line(MSG_ERR, "Object 'P' used here is defined more than once."),
                            Line(MSG_ERR, "-- Definition #1: P OF S1"),
                            Line(MSG_ERR, "-- Definition #2: P OF S2"),
                            Line(MSG_ERR, "-- Using definition #2: P OF S2"),
                        }));
}

TEST_F(ResolveTest, AUseThatTakesOnlyPrecedingDefinitions) {
  OrvExpr* data = WorkingStorage(program);
  OrvExpr* first = Item(1, "C");
  data->AddArg(first);
  OrvNamedObjUse* between = Use(SYMCAT_DATA_NAME, {"C"}, 1);
  OrvNamedObjUse* before = nullptr;
  OrvNamedObjUse* beforeAsking = nullptr;
  {
    // Uses made before any definition of D, then two definitions.
    before = Use(SYMCAT_DATA_NAME, {"D"}, 1);
    beforeAsking = Use(SYMCAT_DATA_NAME, {"D"}, 0);
    data->AddArg(Item(1, "D"));
    data->AddArg(Item(1, "D"));
  }
  data->AddArg(Item(1, "C"));
  Procedure(program);
  Sentence({between, before, beforeAsking});
  Finish();

  EXPECT_EQ(DefOf(between), ItemDef(first));
  EXPECT_EQ(UsesEntry(ItemDef(first), between).index, static_cast<int32_t>(between->Serial()));
  EXPECT_EQ(DefOf(before), nullptr);
  EXPECT_EQ(DefOf(beforeAsking), ItemDef(data->Args(1)));  // the first candidate
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{
                Line(MSG_ERR,
                     "Object 'D' used here is defined more than once, but none of definitions "
                     "precedes the use"),
                Line(MSG_ERR, "Object 'D' used here is defined more than once."),
                Line(MSG_ERR, "-- Definition #1: D"),
                Line(MSG_ERR, "-- Definition #2: D"),
                Line(MSG_ERR, "-- Using definition #1: D"),
            }));
}

struct CategoryCase {
  const char* title;
  int defined;   // category of the one definition
  int expected;  // category the use expects
  int sameParaDataName;
  int inUseForDebugging;
  const char* message;  // null for none
};

TEST_F(ResolveTest, TheOneDefinitionIsCheckedAgainstTheExpectedCategory) {
  const CategoryCase cases[] = {
      {"data-name where a procedure is expected", SYMCAT_DATA_NAME, SYMCAT_PROC_NAME, 0, 0,
       "Paragraph or Section name is expected here, but you use data-name 'N' instead"},
      {"paragraph where a procedure is expected", SYMCAT_PARA_NAME, SYMCAT_PROC_NAME, 0, 0,
       nullptr},
      {"section where a procedure is expected", SYMCAT_SECTION_NAME, SYMCAT_PROC_NAME, 0, 0,
       nullptr},
      {"paragraph where data is expected", SYMCAT_PARA_NAME, SYMCAT_DATA_NAME, 0, 0,
       "Data, file, index, condition or similar name is expected here, but you use para-name "
       "'N' instead"},
      {"section where a file is expected", SYMCAT_SECTION_NAME, SYMCAT_FILE_NAME, 0, 0,
       "Data, file, index, condition or similar name is expected here, but you use "
       "section-name 'N' instead"},
      {"nothing expected", SYMCAT_PARA_NAME, SYMCAT_UNKNOWN, 0, 0, nullptr},
      {"same-para-data-name checks nothing", SYMCAT_DATA_NAME, SYMCAT_PROC_NAME, 1, 0, nullptr},
      {"USE FOR DEBUGGING expects nothing", SYMCAT_PARA_NAME, SYMCAT_DATA_NAME, 0, 1, nullptr},
  };
  for (const CategoryCase& c : cases) {
    messages.Clear();
    parser.sameParaDataName = c.sameParaDataName;
    parser.inUseForDebugging = c.inUseForDebugging;
    OrvExpr* p = NextProgram();
    OrvNamedObjDef* def = Define("N", c.defined);
    p->SetArg(COBOL_PROGRAM__DATA_DIVISION, new OrvExprOper(DIVISION_DATA), -1, 0);
    // Somewhere in the program: the walk finds a definition in any slot.
    p->Args(COBOL_PROGRAM__DATA_DIVISION)->SetArg(DIVISION_DATA__SCREEN_SECTION, def, -1, 0);
    Procedure(p);
    OrvNamedObjUse* use = Use(c.expected, {"N"});
    Sentence({use});
    parser.FinishProgram(1);
    std::vector<std::string> want;
    if (c.message != nullptr) want.push_back(Line(MSG_ERR, c.message));
    EXPECT_EQ(Messages(), want) << c.title;
    EXPECT_EQ(DefOf(use), def) << c.title;
    EXPECT_EQ(use->Category(), c.defined) << c.title;
  }
}

TEST_F(ResolveTest, SameParaDataNameKeepsTheHomonymOfTheExpectedKind) {
  parser.sameParaDataName = 1;
  OrvExpr* data = WorkingStorage(program);
  data->AddArg(Item(1, "N"));
  Procedure(program);
  OrvExpr* para = Paragraph("N");
  OrvNamedObjUse* asProc = Use(SYMCAT_PROC_NAME, {"N"});
  OrvNamedObjUse* asData = Use(SYMCAT_DATA_NAME, {"N"});
  OrvNamedObjUse* asNothing = Use(SYMCAT_UNKNOWN, {"N"});
  Sentence({asProc, asData, asNothing});
  Finish();
  EXPECT_EQ(DefOf(asProc), para->Args(PARA_NAME));
  EXPECT_EQ(DefOf(asData), ItemDef(data->Args(0)));
  EXPECT_EQ(DefOf(asNothing), nullptr);  // an expected category of 0 keeps none
  EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
}

// An ASSIGN clause: the ASSIGN slot of a DECL_FC_ENTRY holds FCX_ASSIGN over
// FCX_DEVICE, whose names slot lists the names.
OrvExpr* AssignClause(OrvExpr* device, OrvNamedObjUse* use) {
  device->SetArg(FCX_DEVICE__ASSIGN_NAMES, new OrvExprOper(EX_LIST, use), -1, 0);
  OrvExpr* entry = new OrvExprOper(DECL_FC_ENTRY);
  entry->SetArg(DECL_FC_ENTRY__ASSIGN_TO, new OrvExprOper(FCX_ASSIGN, device), -1, 0);
  return entry;
}

struct AssignCase {
  const char* title;
  int assignExternal;
  OrvOper device;  // NULL_NODE for none
  bool defined;    // the name is a data-name of the program
  OrvOper result;  // what stands in the EX_LIST afterwards
};

TEST_F(ResolveTest, AnAssignNameIsAnExternalFileOrADataNameDefinedInPlace) {
  const AssignCase cases[] = {
      {"undefined", 0, NULL_NODE, false, NAMED_OBJ_DEF},
      {"undefined, assign-external", 1, NULL_NODE, false, FCX_EXTERNAL_FILE_REF},
      {"undefined, assign-external, DYNAMIC", 1, FCX_DYNAMIC, false, NAMED_OBJ_DEF},
      {"EXTERNAL", 0, FCX_EXTERNAL, false, FCX_EXTERNAL_FILE_REF},
      {"EXTERNAL, defined", 0, FCX_EXTERNAL, true, FCX_EXTERNAL_FILE_REF},
      {"defined", 1, NULL_NODE, true, NAMED_OBJ_USE},
  };
  int walkTrace = OrvWalkTraceSwitch;
  std::ostream* traceStream = OrvWalkTraceStream;
  std::ostringstream trace;
  OrvWalkTraceSwitch = 1;  // the walk looks at every node after its call-back
  OrvWalkTraceStream = &trace;
  for (const AssignCase& c : cases) {
    messages.Clear();
    parser.assignExternal = c.assignExternal;
    OrvExpr* p = NextProgram();
    OrvExpr* data = WorkingStorage(p);
    if (c.defined) data->AddArg(Item(1, "UNDEFD"));
    OrvExpr* device = new OrvExprOper(FCX_DEVICE);
    if (c.device != NULL_NODE) device->SetArg(FCX_DEVICE__EXTERNAL_DYNAMIC, new OrvExprOper(c.device), -1, 0);
    OrvNamedObjUse* use = Use(SYMCAT_UNKNOWN, {"UNDEFD"});
    use->Args(NAMED_OBJ_USE__NAMES)->Args(0)->Tokens().AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(8, 30, 1),
                                                                 VString("UNDEFD"));
    // The walk finds the entry in any slot; the ENVIRONMENT DIVISION's will do.
    p->SetArg(COBOL_PROGRAM__ENVIRONMENT_DIVISION, AssignClause(device, use), -1, 0);
    parser.FinishProgram(1);
    OrvExpr* result = device->Args(FCX_DEVICE__ASSIGN_NAMES)->Args(0);
    ASSERT_NE(result, nullptr) << c.title;
    EXPECT_EQ(result->Oper(), c.result) << c.title;
    EXPECT_TRUE(Messages().empty()) << c.title;
    OrvSymTabElt* elt = OrvSymTabFindElt(OrvOwnerSymTab(p), VString("UNDEFD"), nullptr);
    if (c.result == FCX_EXTERNAL_FILE_REF) {
      OrvExpr* text = result->Args(FCX_EXTERNAL_FILE_REF__EXTERNAL_FILE_NAME);
      EXPECT_EQ(text->Oper(), CHAR_STRING) << c.title;
      EXPECT_EQ(Str(*text->Image()), "UNDEFD") << c.title;
      EXPECT_EQ(text->Tokens().Count(), 1) << c.title;  // the word's source text stays
      EXPECT_EQ(elt->Category(), c.defined ? SYMCAT_DATA_NAME : SYMCAT_UNKNOWN) << c.title;
    } else if (c.result == NAMED_OBJ_DEF) {
      EXPECT_EQ(result->Link(0)->node, elt) << c.title;
      EXPECT_EQ(elt->Category(), SYMCAT_DATA_NAME) << c.title;
      EXPECT_EQ(result->Tokens().Count(), 1) << c.title;
    } else {
      EXPECT_EQ(DefOf(result), ItemDef(data->Args(0))) << c.title;
    }
    EXPECT_TRUE(parser.retiredNodes.empty());
  }
  OrvWalkTraceSwitch = walkTrace;
  OrvWalkTraceStream = traceStream;
  EXPECT_NE(trace.str().find("NAMED_OBJ_USE"), std::string::npos);
}

TEST_F(ResolveTest, ANameDefinedInPlaceServesTheUsesThatFollow) {
  OrvExpr* device = new OrvExprOper(FCX_DEVICE);
  program->SetArg(COBOL_PROGRAM__ENVIRONMENT_DIVISION, AssignClause(device, Use(SYMCAT_UNKNOWN, {"FNAME"})), -1, 0);
  Procedure(program);
  OrvNamedObjUse* later = Use(SYMCAT_DATA_NAME, {"FNAME"});
  Sentence({later});
  Finish();
  OrvExpr* def = device->Args(FCX_DEVICE__ASSIGN_NAMES)->Args(0);
  ASSERT_EQ(def->Oper(), NAMED_OBJ_DEF);
  EXPECT_EQ(DefOf(later), def);
  EXPECT_TRUE(Messages().empty()) << ::testing::PrintToString(Messages());
}

TEST_F(ResolveTest, AFileNameOfASelectEntryWithoutDescription) {
  Procedure(program);
  OrvExpr* entry = new OrvExprOper(DECL_FC_ENTRY);
  OrvNamedObjUse* file = Use(SYMCAT_FILE_NAME, {"F"});
  entry->SetArg(DECL_FC_ENTRY__FILE_NAME, file, -1, 0);
  program->SetArg(COBOL_PROGRAM__ENVIRONMENT_DIVISION, entry, -1, 0);
  Finish();
  EXPECT_EQ(Messages(), (std::vector<std::string>{Line(
                            MSG_ERR, "File-name 'F' is defined in FC entry but not in FD entry")}));
}

TEST_F(ResolveTest, OddUsesAndNodesThatAreNoUse) {
  OrvExpr* data = WorkingStorage(program);
  data->AddArg(Item(1, "X"));
  Procedure(program);
  // A qualified name of an operation that is neither kind is read as an SQL
  // name.
  OrvExpr* odd = new OrvExprOper(EX_LIST, new OrvNameUse(OrvLink(Name("X"), -1)));
  OrvNamedObjUse* use = OrvNewNamedObjUse(odd, SYMCAT_DATA_NAME, 0);
  PlaceAt(use, 6, 12, "X");
  Sentence({use});
  parser.curPosn = OrvTxtPosn(40, 1, 1);
  Finish();
  EXPECT_EQ(DefOf(use), ItemDef(data->Args(0)));
  ASSERT_EQ(recorder.size(), 1u) << recorder.Dump();
  EXPECT_EQ(recorder.level(0), MSG_SEVERE);
  EXPECT_EQ(recorder.text(0), "Qualified name 'X' has unknown list oper EX_LIST");
  EXPECT_EQ(recorder.messages()[0].posn, OrvTxtPosn(6, 12, 1));

  recorder.clear();
  OrvExprOper notAUse(SENTENCE);
  parser.SymTabQualResolve(&notAUse);
  ASSERT_EQ(recorder.size(), 1u);
  EXPECT_EQ(recorder.level(0), MSG_TERMINAL);
  EXPECT_EQ(recorder.text(0), "OrvParserImpl::SymTabQualResolve: expect NAMED_OBJ_USE node");
  EXPECT_EQ(recorder.messages()[0].posn, parser.curPosn);
  EXPECT_EQ(ResolveUseCallback(&notAUse, nullptr), ORV_WALK_CHILDREN);
  EXPECT_EQ(ResolveUseCallback(nullptr, nullptr), ORV_WALK_CHILDREN);
}

TEST_F(ResolveTest, AResolvedUseIsLeftAsItIs) {
  parser.multiUndefdErrs = 1;
  OrvExpr* data = WorkingStorage(program);
  data->AddArg(Item(1, "X"));
  data->AddArg(Item(1, "X"));
  Procedure(program);
  OrvNamedObjUse* use = Use(SYMCAT_DATA_NAME, {"X"});
  Sentence({use});
  use->BindDefinition(ItemDef(data->Args(0)), 7);
  EXPECT_EQ(ResolveUseCallback(use, nullptr), ORV_WALK_SKIP);
  EXPECT_EQ(DefOf(use), ItemDef(data->Args(0)));
  EXPECT_EQ(UsesEntry(ItemDef(data->Args(0)), use).index, 7);
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
