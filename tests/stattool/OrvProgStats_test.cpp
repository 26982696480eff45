// Tests of the program statistics on hand-built trees: tree shape, the
// classification of every counted operation, the name lists with their
// fall-backs, the called-program rule, a very deep tree, and the report.
#include "OrvOperSlots.h"
#include "OrvProgStats.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "../tree/TreeBuildSupport.h"
#include "MessageRecorder.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvNameNodes.h"
#include "TestStrings.h"

namespace {

OrvExpr* Chars(const char* text) { return new OrvCharString(VString(text)); }
OrvExpr* Literal(const char* image) { return new OrvStrConst(VString(image)); }
OrvExpr* Null() { return new OrvNullNode(); }

// A node of `op` with one child in slot `slot`.
OrvExpr* With(OrvOper op, int slot, OrvExpr* child) {
  OrvExpr* node = new OrvExprOper(op);
  node->SetArg(slot, child);
  return node;
}

std::vector<std::pair<std::string, int>> Entries(const CountedNameTable& list) {
  std::vector<std::pair<std::string, int>> out;
  for (int i = 0; i < list.count; ++i) out.emplace_back(Str(list[i].name), list[i].count);
  return out;
}

std::string Report(const OrvProgStats& stats) {
  std::ostringstream os;
  stats.Print(os);
  return os.str();
}

TEST(OrvProgStatsTest, TreeShapeCountsNodesLeavesAndDepth) {
  OrvProgStats stats;
  OrvExpr* leaf = Chars("X");
  stats.Init(leaf);
  EXPECT_EQ(stats.TotTreeNodes, 1);
  EXPECT_EQ(stats.MaxTreeHeight, 0);
  EXPECT_EQ(stats.TotLeaves, 1);
  EXPECT_EQ(stats.LeafDepthSum, 0);
  delete leaf;

  // Empty slots are neither nodes nor leaves, and a node with slots is not
  // a leaf even when every slot is empty; a NULL_NODE is a leaf.
  OrvExpr* tree = N(SECTION_PROC, {Chars("S"), nullptr, N(PARA_PROC_LIST, {N(PARA_PROC), Null()})});
  stats.Init(tree);
  EXPECT_EQ(stats.TotTreeNodes, 5);
  EXPECT_EQ(stats.MaxTreeHeight, 2);
  EXPECT_EQ(stats.TotLeaves, 2);
  EXPECT_EQ(stats.LeafDepthSum, 1 + 2);
  EXPECT_EQ(stats.Sections, 1);
  EXPECT_EQ(stats.Paragraphs, 1);
  // Init starts again from zero.
  stats.Init(tree);
  EXPECT_EQ(stats.TotTreeNodes, 5);
  EXPECT_EQ(stats.Sections, 1);
  delete tree;
  stats.Init(nullptr);
  EXPECT_EQ(stats.TotTreeNodes, 0);
}

TEST(OrvProgStatsTest, VeryDeepTreeIsGatheredWithoutRecursion) {
  const int depth = 100000;
  OrvExpr* node = Chars("END");
  for (int i = 0; i < depth; ++i) node = With(SENTENCE, 0, node);  // built bottom-up
  OrvProgStats stats;
  stats.Init(node);
  EXPECT_EQ(stats.TotTreeNodes, depth + 1);
  EXPECT_EQ(stats.MaxTreeHeight, depth);
  EXPECT_EQ(stats.TotLeaves, 1);
  EXPECT_EQ(stats.LeafDepthSum, depth);
  EXPECT_EQ(stats.Sentences, depth);
  // Taken apart from the top so that no deletion recurses as deep.
  while (node) {
    OrvExpr* child = node->NArgs() > 0 ? node->DelArg(0, 0, 0) : nullptr;
    delete node;
    node = child;
  }
}

// A wide tree (one list of many entries, each with filled and stored slots)
// counts every node once at its depth, however many siblings wait, and an
// unmade NULL_NODE of the fill counts as a leaf one level below its node.
TEST(OrvProgStatsTest, WideTreeCountsEverySiblingAndUnmadeFill) {
  const int items = 20000;
  OrvExprOper* list = new OrvExprOper(DECL_DD_LIST);
  int filled = 0;
  for (int k = 0; k < items; ++k) {
    OrvExprOper* entry = new OrvExprOper(DECL_DD_ENTRY);
    entry->SetArg(0, Chars("F"));
    filled += entry->FillEmptySlots();
    list->AddArg(entry);
  }
  OrvExpr* root = With(SENTENCE, 0, list);
  OrvProgStats stats;
  stats.Init(root);
  const int perEntry = filled / items;
  ASSERT_EQ(perEntry * items, filled);
  ASSERT_GT(perEntry, 0);
  // root, list, each entry, its name and its unmade NULL_NODEs.
  EXPECT_EQ(stats.TotTreeNodes, 2 + items * (2 + perEntry));
  EXPECT_EQ(stats.TotLeaves, items * (1 + perEntry));
  EXPECT_EQ(stats.MaxTreeHeight, 3);
  EXPECT_EQ(stats.LeafDepthSum, int64_t(3) * items * (1 + perEntry));
  EXPECT_EQ(stats.Sentences, 1);
  EXPECT_EQ(stats.Statements, items);  // a data entry carries the statement flag
  // Counting made nothing: the slots still read as unmade.
  EXPECT_TRUE(list->ChildAt(0)->PeekFill(1));
  delete root;
}

// The counter an operation raises.
struct FeatureRow {
  int OrvProgStats::*counter;
  std::vector<OrvOper> ops;
};

TEST(OrvProgStatsTest, EveryCountedOperationRaisesItsCounterOnly) {
  const FeatureRow rows[] = {
      {&OrvProgStats::Sections, {SECTION_PROC}},
      {&OrvProgStats::Paragraphs, {PARA_PROC}},
      {&OrvProgStats::Sentences, {SENTENCE}},
      {&OrvProgStats::Replacing, {COPY_REPLACING, STMT_REPLACE}},
      {&OrvProgStats::FileIO,
       {DECL_FC_ENTRY, PARA_I_O_CONTROL, DECL_FD_ENTRY, STMT_CLOSE, STMT_COMMIT, STMT_DELETE,
        STMT_DELETE_FILE, STMT_OPEN, STMT_READ, STMT_REWRITE, STMT_ROLLBACK, STMT_START,
        STMT_UNLOCK, STMT_USE_AFTER, STMT_WRITE}},
      {&OrvProgStats::SortMerge, {STMT_MERGE, STMT_RELEASE, STMT_RETURN, STMT_SORT}},
      {&OrvProgStats::ReportWriter,
       {DECL_RD_ENTRY, DECL_RGD_ENTRY, STMT_GENERATE, STMT_INITIATE, STMT_SUPPRESS_PRINTING,
        STMT_TERMINATE, STMT_USE_BEFORE_REPORTING}},
      {&OrvProgStats::CommSection,
       {DECL_CD_ENTRY, STMT_ACCEPT_MSG_COUNT, STMT_DISABLE, STMT_ENABLE, STMT_PURGE, STMT_RECEIVE,
        STMT_SEND}},
      {&OrvProgStats::AcceptDisplANSI, {ACCEPT_ANSI_ITEM, DISPLAY_ANSI_ITEM}},
      {&OrvProgStats::AdisScreen, {DECL_SCRD_ENTRY, ACCEPT_SCREEN_ITEM, DISPLAY_SCREEN_ITEM}},
      {&OrvProgStats::AdisDynamic, {DSPL_CONTROL}},
      {&OrvProgStats::SQL, {STMT_EXEC_SQL, STMT_EXEC_SQL_IN_DCL}},
      {&OrvProgStats::CICS, {STMT_EXEC_CICS}},
  };
  for (const FeatureRow& row : rows) {
    for (OrvOper op : row.ops) {
      OrvExpr* node = new OrvExprOper(op);
      OrvProgStats stats;
      stats.Init(node);
      for (const FeatureRow& other : rows)
        EXPECT_EQ(stats.*other.counter, &other == &row ? 1 : 0) << OrvOperName(op);
      EXPECT_EQ(stats.Statements, OrvOperIsStmt(op)) << OrvOperName(op);
      delete node;
    }
  }
}

TEST(OrvProgStatsTest, StatementsCountEveryStatementOperation) {
  OrvExpr* tree = N(STMT_LIST, {new OrvExprOper(STMT_CONTINUE), new OrvExprOper(STMT_STOP),
                                new OrvExprOper(DECL_DD_ENTRY), new OrvExprOper(PARA_PROC)});
  OrvProgStats stats;
  stats.Init(tree);
  EXPECT_EQ(stats.Statements, 3);  // the data entry carries the statement flag too
  delete tree;
}

// One name-list case: the nodes gathered and the entries of one list.
struct NameCase {
  const char* what;
  std::function<OrvExpr*()> build;
  CountedNameTable OrvProgStats::*list;
  std::vector<std::pair<std::string, int>> entries;
};

TEST(OrvProgStatsTest, NameListsTakeTheirNamesOrTheBadMarker) {
  const NameCase cases[] = {
      {"program names sorted and counted",
       [] {
         return N(EX_LIST, {With(PARA_PROGRAM_ID, 0, Chars("ZED")), With(PARA_PROGRAM_ID, 0, Chars("ALPHA")),
                            With(PARA_PROGRAM_ID, 0, Chars("ZED"))});
       },
       &OrvProgStats::ProgramIds, {{"ALPHA", 1}, {"ZED", 2}}},
      {"program name missing, null or without image",
       [] {
         return N(EX_LIST, {new OrvExprOper(PARA_PROGRAM_ID), With(PARA_PROGRAM_ID, 0, Null()),
                            With(PARA_PROGRAM_ID, 0, N(EX_LIST))});
       },
       &OrvProgStats::ProgramIds, {{"-[bad]-", 3}}},
      {"entry names", [] { return N(EX_LIST, {With(STMT_ENTRY, 0, Chars("E1")), new OrvExprOper(STMT_ENTRY)}); },
       &OrvProgStats::Entries, {{"-[bad]-", 1}, {"E1", 1}}},
      {"exec kinds",
       [] {
         return N(EX_LIST, {With(STMT_EXEC, 0, Chars("SQL")), With(STMT_EXEC_IN_DCL, 0, Chars("SQL")),
                            With(STMT_EXEC, 0, Null())});
       },
       &OrvProgStats::Execs, {{"-[bad]-", 1}, {"SQL", 2}}},
      {"sql statement kinds",
       [] {
         return N(EX_LIST, {With(STMT_EXEC_SQL, 0, N(SQL_STMT_SELECT)),
                            With(STMT_EXEC_SQL, 0, N(SQL_STMT_INSERT)),
                            With(STMT_EXEC_SQL_IN_DCL, 0, N(SQL_STMT_SELECT)),
                            With(STMT_EXEC_SQL, 0, Null())});
       },
       &OrvProgStats::SqlKinds, {{"-[bad]-", 1}, {"SQL_STMT_INSERT", 1}, {"SQL_STMT_SELECT", 2}}},
      {"cics statement kinds",
       [] { return N(EX_LIST, {With(STMT_EXEC_CICS, 0, N(CS_STMT_ABEND)), new OrvExprOper(STMT_EXEC_CICS)}); },
       &OrvProgStats::CicsKinds, {{"-[bad]-", 1}, {"CS_STMT_ABEND", 1}}},
      {"inlined copy members by their file",
       [] {
         return N(EX_LIST, {With(STMT_INLINED_COPY_BEG, 2, Chars("copy/MEMB")),
                            With(STMT_INLINED_COPY_BEG, 2, Literal("'MEMB'")),
                            new OrvExprOper(STMT_INLINED_COPY_BEG)});
       },
       &OrvProgStats::CopyInlined, {{"-[bad]-", 2}, {"copy/MEMB", 1}}},
      {"uninlined copy members by their name",
       [] {
         OrvSymTabElt* member = new OrvSymTabElt(VString("MEMB"), 0, OrvLinkList());
         return N(EX_LIST, {member, With(STMT_UNINLINED_COPY, 0, new OrvNameUse(OrvLink(member, -1))),
                            new OrvExprOper(STMT_UNINLINED_COPY)});
       },
       &OrvProgStats::CopyUninlined, {{"-[undefined]-", 1}, {"MEMB", 1}}},
  };
  for (const NameCase& c : cases) {
    MessageRecorder recorder;
    OrvExpr* tree = c.build();
    OrvProgStats stats;
    stats.Init(tree);
    EXPECT_EQ(Entries(stats.*c.list), c.entries) << c.what;
    EXPECT_EQ(recorder.size(), 0u) << c.what << "\n" << recorder.Dump();
    delete tree;
  }
}

// A level-78 constant as the parser builds it: the definition in the name
// slot of a DECL_CONST_ENTRY whose "Constant Value" holds the value.
OrvExpr* Constant(OrvExpr* value, OrvExpr** def) {
  *def = new OrvNamedObjDef(SYMCAT_CONSTANT_NAME, OrvLink(), OrvLinkList());
  OrvExpr* entry = new OrvExprOper(DECL_CONST_ENTRY);
  entry->SetArg(DECL_CONST_ENTRY__LEVEL_NUMBER, new OrvIntNumConst(VString("78"), 78));
  entry->SetArg(DECL_CONST_ENTRY__CONSTANT_NAME_DEFINED, *def);
  entry->SetArg(DECL_CONST_ENTRY__CONSTANT_VALUE, With(EX_CONST_VALUE, EX_CONST_VALUE__VALUE, value));
  return entry;
}

// A CALL of a name resolved to `def` (unresolved when null).
OrvExpr* CallOf(OrvExpr* def) {
  OrvNamedObjUse* use = new OrvNamedObjUse(nullptr, SYMCAT_DATA_NAME, 0);
  if (def) use->BindDefinition(def, 0);
  return With(STMT_CALL, 1, use);
}

TEST(OrvProgStatsTest, CalledProgramIsALiteralOrALevel78ConstantElseDynamic) {
  MessageRecorder recorder;
  OrvExpr* stringDef = nullptr;
  OrvExpr* numberDef = nullptr;
  OrvExpr* stringConst = Constant(Literal("\"SUBPRG\""), &stringDef);
  OrvExpr* numberConst = Constant(new OrvIntNumConst(VString("7"), 7), &numberDef);
  OrvExpr* dataDef = new OrvNamedObjDef(SYMCAT_DATA_NAME, OrvLink(), OrvLinkList());
  OrvExpr* dataEntry = With(DECL_DD_ENTRY, 2, dataDef);
  OrvExpr* tree = N(EX_LIST, {stringConst, numberConst, dataEntry,
                              With(STMT_CALL, 1, Literal("\"SUBPRG\"")), CallOf(stringDef),
                              With(STMT_CALL, 1, Literal("'OTHER'")), CallOf(numberDef),
                              CallOf(dataDef), CallOf(nullptr), new OrvExprOper(STMT_CALL),
                              With(STMT_CALL, 1, new OrvExprOper(NAMED_OBJ_USE))});
  OrvProgStats stats;
  stats.Init(tree);
  EXPECT_EQ(Entries(stats.Calls),
            (std::vector<std::pair<std::string, int>>{{"-[dynamic]-", 5}, {"OTHER", 1}, {"SUBPRG", 2}}));
  EXPECT_EQ(recorder.size(), 0u) << recorder.Dump();
  delete tree;
}

// The report of a record whose counters and lists are set by hand.
TEST(OrvProgStatsTest, ReportOfAPlainProgramHasTheFixedBlocksOnly) {
  OrvProgStats stats;
  stats.ProgramIds.Add(VString(""), 1, 1);
  stats.TotTreeNodes = 70000;
  stats.MaxTreeHeight = 9;
  stats.LeafDepthSum = 7;
  stats.TotLeaves = 2;
  stats.Replacing = 4;  // no COPY: no Replacing line
  EXPECT_EQ(Report(stats),
            "PROGRAM-ID:            \n"
            "\n"
            "Sections:            0\n"
            "Paragraphs:          0\n"
            "Sentences:           0\n"
            "Statements:          0\n"
            "\n"
            "TotTreeNodes:    70000\n"
            "MaxTreeHeight:       9\n"
            "AveTreeHeight:       3\n"
            "TotLeaves:           2\n"
            "\n"
            "\n");
}

TEST(OrvProgStatsTest, ReportShowsFeaturesAndListsThatHoldSomething) {
  OrvProgStats stats;
  stats.ProgramIds.Add(VString("MAIN"), 1, 1);
  stats.Entries.Add(VString("ALT"), 1, 1);
  stats.SortMerge = 1;
  stats.AdisDynamic = 2;
  stats.CopyUninlined.Add(VString("MEMB"), 1, 1);
  stats.Replacing = 1;
  stats.Calls.Add(VString("A-PROGRAM-WITH-A-LONG-NAME"), 1, 1);
  stats.Calls.Add(VString("B"), 1, 1);
  stats.Execs.Add(VString("HTML"), 1, 1);
  stats.SQL = 3;
  stats.SqlKinds.Add(VString("SQL_STMT_SELECT"), 1, 1);
  stats.SqlKinds.Add(VString("SQL_STMT_SELECT"), 1, 1);
  stats.SqlKinds.Add(VString("SQL_STMT_INSERT"), 1, 1);
  stats.CICS = 1;
  stats.CicsKinds.Add(VString("CS_STMT_ABEND"), 1, 1);
  EXPECT_EQ(Report(stats),
            "PROGRAM-ID:            MAIN\n"
            "ENTRY:                 ALT\n"
            "\n"
            "Sections:            0\n"
            "Paragraphs:          0\n"
            "Sentences:           0\n"
            "Statements:          0\n"
            "\n"
            "TotTreeNodes:        0\n"
            "MaxTreeHeight:       0\n"
            "AveTreeHeight:       0\n"
            "TotLeaves:           0\n"
            "\n"
            "Sort Merge:          1\n"
            "ADIS Dynamic:        2\n"
            "\n"
            "COPYbook??:          1 MEMB                \n"
            "Replacing:           1\n"
            "\n"
            "CALL:                1 A-PROGRAM-WITH-A-LONG-NAME\n"
            "CALL:                1 B                   \n"
            "\n"
            "EXEC:                1 HTML                \n"
            "\n"
            "SQL:                 3\n"
            "SQL:                 1 SQL_STMT_INSERT     \n"
            "SQL:                 2 SQL_STMT_SELECT     \n"
            "\n"
            "CICS:                1\n"
            "CICS:                1 CS_STMT_ABEND       \n"
            "\n");
}

TEST(OrvProgStatsTest, EveryFeatureLineInItsOrder) {
  OrvProgStats stats;
  stats.FileIO = 1;
  stats.SortMerge = 2;
  stats.ReportWriter = 3;
  stats.CommSection = 4;
  stats.AcceptDisplANSI = 5;
  stats.AdisScreen = 6;
  stats.AdisDynamic = 7;
  stats.CopyInlined.Add(VString("A"), 1, 1);
  std::string report = Report(stats);
  const std::string block =
      "\nFile IO:             1\nSort Merge:          2\nReport Writer:       3\n"
      "Comm Section:        4\nAcceptDisplANSI:     5\nADIS Screen:         6\n"
      "ADIS Dynamic:        7\n\nCOPYbook++:          1 A                   \n\n";
  ASSERT_GE(report.size(), block.size());
  EXPECT_EQ(report.substr(report.size() - block.size()), block);
}

// The program PAYROLL: one section, three paragraphs of one sentence each,
// two of them CALL "DATEUTIL", the third STOP RUN.
OrvExpr* Payroll() {
  auto sentence = [](OrvExpr* stmt) { return N(SENTENCE_LIST, {N(SENTENCE, {N(STMT_LIST, {stmt})})}); };
  auto para = [&](const char* name, OrvExpr* stmt) { return N(PARA_PROC, {Chars(name), sentence(stmt)}); };
  OrvExpr* paras = N(PARA_PROC_LIST, {para("P1", With(STMT_CALL, 1, Literal("\"DATEUTIL\""))),
                                      para("P2", With(STMT_CALL, 1, Literal("\"DATEUTIL\""))),
                                      para("P3", new OrvExprOper(STMT_STOP))});
  OrvExpr* procedure = With(DIVISION_PROCEDURE, 7, N(SECTION_PROC_LIST, {N(SECTION_PROC, {Chars("MAIN-S"), nullptr, paras})}));
  OrvExpr* ident = N(DIVISION_IDENTIFICATION, {new OrvExprOper(DIVISION_IDENTIFICATION_HEADER),
                                               With(PARA_PROGRAM_ID, 0, Chars("PAYROLL"))});
  OrvExpr* program = N(COBOL_PROGRAM, {ident, nullptr, nullptr, procedure});
  return N(COBOL_FILE, {N(COBOL_PROGRAM_LIST, {program})});
}

TEST(OrvProgStatsTest, PayrollReport) {
  OrvExpr* tree = Payroll();
  OrvProgStats stats;
  stats.Init(tree);
  // 32 nodes; the deepest are the literals at 12; 8 leaves at depths 4, 5,
  // 6, 8, 8, 8, 12 and 12 average 7.
  EXPECT_EQ(Report(stats),
            "PROGRAM-ID:            PAYROLL\n"
            "\n"
            "Sections:            1\n"
            "Paragraphs:          3\n"
            "Sentences:           3\n"
            "Statements:          3\n"
            "\n"
            "TotTreeNodes:       32\n"
            "MaxTreeHeight:      12\n"
            "AveTreeHeight:       7\n"
            "TotLeaves:           8\n"
            "\n"
            "\n"
            "CALL:                2 DATEUTIL            \n"
            "\n");
  delete tree;
}

}  // namespace
