// Qualified names: declaring nodes, full and shortest unique names, their
// text, restriction of homonyms and resolution of qualified uses.
#include "OrvOperSlots.h"
#include "OrvQualName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "NameTestSupport.h"
#include "OrvConstNodes.h"
#include "OrvDataItemBuild.h"
#include "OrvExprStr.h"


namespace {

// A program with the records
//   01 R.  05 G1. 10 X. 10 Y.  05 G2. 10 X.  05 FILLER. 10 Z.
//   01 R2. 05 G1. 10 X.
//   01 D.  05 G3. 10 W. 10 W.
//   77 U.
// and a procedure division with paragraph P in section S.
class QualNameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = nametest::NewProgram();
    table_ = nametest::SymTabOf(program_);
    data_ = new OrvExprOper(DECL_DD_LIST);
    program_->SetArg(COBOL_PROGRAM__DATA_DIVISION, data_, -1, 0);
    // One table per record: a table never falls by more than one level.
    const OrvDataItemHierRec r[] = {
        {0, 1, "R", "", DU_NONE, nullptr},    {1, 5, "G1", "", DU_NONE, nullptr},
        {2, 10, "X", "X", DU_NONE, nullptr},  {2, 10, "Y", "X", DU_NONE, nullptr},
        {1, 5, "G2", "", DU_NONE, nullptr},   {2, 10, "X", "9", DU_NONE, nullptr},
        {1, 5, "FILLER", "", DU_NONE, nullptr}, {2, 10, "Z", "X", DU_NONE, nullptr},
        {0, 0, nullptr, nullptr, 0, nullptr},
    };
    const OrvDataItemHierRec r2[] = {
        {0, 1, "R2", "", DU_NONE, nullptr},   {1, 5, "G1", "", DU_NONE, nullptr},
        {2, 10, "X", "X", DU_NONE, nullptr},  {0, 0, nullptr, nullptr, 0, nullptr},
    };
    const OrvDataItemHierRec d[] = {
        {0, 1, "D", "", DU_NONE, nullptr},    {1, 5, "G3", "", DU_NONE, nullptr},
        {2, 10, "W", "X", DU_NONE, nullptr},  {2, 10, "W", "X", DU_NONE, nullptr},
        {0, 0, nullptr, nullptr, 0, nullptr},
    };
    const OrvDataItemHierRec u[] = {
        {0, 77, "U", "X", DU_NONE, nullptr},  {0, 0, nullptr, nullptr, 0, nullptr},
    };
    for (const OrvDataItemHierRec* rows : {r, r2, d, u}) {
      VString message;
      ASSERT_EQ(0, OrvDeclDataItemHierarchy(data_, rows, 0, program_, message)) << Str(message);
    }
    // The FILLER group has no name.
    Entry({"R", "FILLER"})->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, new OrvNullNode(), -1, 0);

    OrvExpr* section = new OrvExprOper(SECTION_PROC);
    section->SetArg(SECTION_NAME, OrvSymTabDefineName(VString("S"), SYMCAT_SECTION_NAME, 0, program_), -1, 0);
    OrvExpr* para = new OrvExprOper(PARA_PROC);
    para->SetArg(PARA_NAME, OrvSymTabDefineName(VString("P"), SYMCAT_PARA_NAME, 0, program_), -1, 0);
    section->SetArg(SECTION_PROC__PARAGRAPHS, new OrvExprOper(PARA_PROC_LIST, para), -1, 0);
    program_->SetArg(COBOL_PROGRAM__PROCEDURE_DIVISION, section, -1, 0);
    sectionDef_ = section->Args(SECTION_NAME);
    paraDef_ = para->Args(PARA_NAME);
  }
  void TearDown() override { delete program_; }

  // The DECL_DD of the item at the path of names (FILLER for the unnamed).
  OrvExpr* Decl(std::vector<std::string> path) {
    OrvExpr* list = data_;
    OrvExpr* found = nullptr;
    for (const std::string& name : path) {
      found = nullptr;
      for (int i = 0; list != nullptr && i < list->NArgs() && found == nullptr; ++i) {
        OrvExpr* decl = list->Args(i);
        OrvExpr* n = decl->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED);
        std::string img = n->Oper() == NULL_NODE ? "FILLER" : Str(*n->Image());
        if (img == name) found = decl;
      }
      if (found == nullptr) return nullptr;
      list = found->Args(DECL_DD__SUBORDINATE_ENTRIES);
    }
    return found;
  }
  OrvExpr* Entry(std::vector<std::string> path) { return Decl(path)->Args(DECL_DD__DATA_DESCRIPTION_ENTRY); }
  OrvExpr* Def(std::vector<std::string> path) { return Entry(path)->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED); }

  // A named-object use of the qualified name, hung in the program.
  OrvExpr* Use(std::initializer_list<const char*> names) {
    OrvExpr* list = new OrvExprOper(OF_IN_LIST);
    for (const char* n : names) {
      list->AddArg(new OrvNameUse(OrvLink(OrvSymTabFindOrAddElt(table_, VString(n)), -1)));
    }
    OrvExpr* use = OrvNewNamedObjUse(list, SYMCAT_DATA_NAME, 0);
    uses_ = uses_ != nullptr ? uses_ : Hang(new OrvExprOper(EX_LIST));
    uses_->AddArg(use);
    return use;
  }
  OrvExpr* Hang(OrvExpr* node) {
    program_->SetArg(COBOL_PROGRAM__CONTAINED_PROGRAMS, node, -1, 0);
    return node;
  }

  OrvExpr* program_ = nullptr;
  OrvExpr* table_ = nullptr;
  OrvExpr* data_ = nullptr;
  OrvExpr* uses_ = nullptr;
  OrvExpr* sectionDef_ = nullptr;
  OrvExpr* paraDef_ = nullptr;
};

TEST_F(QualNameTest, FullQualifiedNames) {
  struct {
    OrvExpr* def;
    const char* full;
    const char* dotted;
  } cases[] = {
      {Def({"R", "G1", "X"}), "X OF G1 OF R", "R.G1.X"},
      {Def({"R", "G2", "X"}), "X OF G2 OF R", "R.G2.X"},
      {Def({"R2", "G1", "X"}), "X OF G1 OF R2", "R2.G1.X"},
      {Def({"R", "G1"}), "G1 OF R", "R.G1"},
      {Def({"R"}), "R", "R"},
      // The unnamed group is passed over.
      {Def({"R", "FILLER", "Z"}), "Z OF R", "R.Z"},
      {Def({"U"}), "U", "U"},
      {paraDef_, "P OF S", "S.P"},
      {sectionDef_, "S", "S"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.full);
    EXPECT_EQ(std::string(c.full), Str(OrvFullQualNameStr(c.def)));
    EXPECT_EQ(std::string(c.dotted), Str(OrvFullQualNameStrSep(c.def, '.')));
  }
}

// A record of a file: the FD names the file through a use resolved to the
// definition that the SELECT entry made.
TEST_F(QualNameTest, FullNameOfAFileRecordItemHoldsTheFileName) {
  OrvNamedObjDef* file = OrvSymTabDefineName(VString("INFILE"), SYMCAT_FILE_NAME, 0, program_);
  OrvExpr* select = new OrvExprOper(DECL_FC_ENTRY);
  select->SetArg(DECL_FC_ENTRY__FILE_NAME, file, -1, 0);
  OrvNamedObjUse* fileUse = OrvNewNamedObjUseForElt(
      static_cast<OrvSymTabElt*>(file->Link(0)->node), SYMCAT_FILE_NAME, nullptr);
  fileUse->BindDefinition(file, -1);
  OrvExpr* fdEntry = new OrvExprOper(DECL_FD_ENTRY);
  fdEntry->SetArg(FD_FILE_NAME, fileUse, -1, 0);
  OrvExpr* records = new OrvExprOper(DECL_DD_LIST);
  OrvExpr* fd = new OrvExprOper(DECL_FD, fdEntry, records);
  program_->SetArg(COBOL_PROGRAM__ENVIRONMENT_DIVISION, new OrvExprOper(EX_LIST, select, fd), -1, 0);
  const OrvDataItemHierRec rows[] = {
      {0, 1, "IN-REC", "", DU_NONE, nullptr},
      {1, 5, "IN-KEY", "X", DU_NONE, nullptr},
      {0, 0, nullptr, nullptr, 0, nullptr},
  };
  VString message;
  ASSERT_EQ(0, OrvDeclDataItemHierarchy(records, rows, 0, program_, message)) << Str(message);
  OrvExpr* key = records->Args(0)
                     ->Args(DECL_DD__SUBORDINATE_ENTRIES)
                     ->Args(0)
                     ->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)
                     ->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED);
  ASSERT_EQ(NAMED_OBJ_DEF, key->Oper());

  EXPECT_EQ(file, OrvDefForNamedObjDecl(fd));
  EXPECT_EQ(fd, OrvNextDeclAbove(records->Args(0)));
  EXPECT_EQ("IN-KEY OF IN-REC OF INFILE", Str(OrvFullQualNameStr(key)));
  EXPECT_EQ("INFILE.IN-REC.IN-KEY", Str(OrvFullQualNameStrSep(key, '.')));
  int notUnique = -1;
  OrvExpr* shortest = OrvShortestUniqueQualNameExpr(key, &notUnique);
  EXPECT_EQ("IN-KEY", Str(OrvQualNameStr(shortest)));
  EXPECT_EQ(1, shortest->NArgs());
  EXPECT_EQ(0, notUnique);
  delete shortest;
}

TEST_F(QualNameTest, ShortestUniqueNames) {
  struct {
    OrvExpr* def;
    const char* name;
    int notUnique;
  } cases[] = {
      {Def({"R", "G1", "X"}), "X OF G1 OF R", 0},
      // G2 alone decides; R is not added.
      {Def({"R", "G2", "X"}), "X OF G2", 0},
      {Def({"R2", "G1", "X"}), "X OF G1 OF R2", 0},
      {Def({"R", "G1", "Y"}), "Y", 0},
      {Def({"R", "FILLER", "Z"}), "Z", 0},
      {Def({"R2", "G1"}), "G1 OF R2", 0},
      // Two W in one group: no qualifier tells them apart.
      {Def({"D", "G3", "W"}), "W", 1},
      {paraDef_, "P", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    int notUnique = -1;
    OrvExpr* qe = OrvShortestUniqueQualNameExpr(c.def, &notUnique);
    ASSERT_NE(nullptr, qe);
    EXPECT_EQ(OF_IN_LIST, qe->Oper());
    EXPECT_EQ(std::string(c.name), Str(OrvQualNameStr(qe)));
    EXPECT_EQ(c.notUnique, notUnique);
    delete qe;
  }
  // Deleting the expressions unregistered their name uses again.
  EXPECT_EQ(3, OrvSymTabFindElt(table_, VString("X"), nullptr)->References().Count());
}

TEST_F(QualNameTest, ShortestUniqueQualNameUseIsResolved) {
  OrvExpr* def = Def({"R", "G2", "X"});
  OrvNamedObjUse* use = OrvShortestUniqueQualNameUse(def);
  ASSERT_NE(nullptr, use);
  EXPECT_EQ(SYMCAT_DATA_NAME, use->Category());
  EXPECT_EQ(def, use->Link(0)->node);
  EXPECT_EQ(def, OrvDefForNamedObjUse(use));
  EXPECT_EQ(use, def->Links(0)->Head()->link.node);
  EXPECT_EQ(-1, def->Links(0)->Head()->link.index);
  EXPECT_EQ("X OF G2", Str(OrvExprStr(use)));
  delete use;
  EXPECT_TRUE(def->Links(0)->IsEmpty());
}

TEST_F(QualNameTest, ResolveQualifiedUses) {
  struct {
    std::initializer_list<const char*> names;
    OrvExpr* def;  // null: stays unresolved
  } cases[] = {
      {{"X", "G1", "R"}, Def({"R", "G1", "X"})},
      {{"X", "G2"}, Def({"R", "G2", "X"})},
      {{"X", "R2"}, Def({"R2", "G1", "X"})},
      {{"X", "G1", "R2"}, Def({"R2", "G1", "X"})},
      {{"Y"}, Def({"R", "G1", "Y"})},
      {{"Z", "R"}, Def({"R", "FILLER", "Z"})},
      {{"G1", "R2"}, Def({"R2", "G1"})},
      // Ambiguous: three X, two X in G1, two W in G3.
      {{"X"}, nullptr},
      {{"X", "G1"}, nullptr},
      {{"W", "G3"}, nullptr},
      // Unknown names and qualifiers that do not hold the name.
      {{"NOPE"}, nullptr},
      {{"X", "NOPE"}, nullptr},
      {{"Y", "R2"}, nullptr},
      {{"X", "U"}, nullptr},
  };
  int i = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(i++);
    OrvExpr* use = Use(c.names);
    static_cast<OrvNamedObjUse*>(use)->SetCategory(SYMCAT_PROC_NAME);
    SymTabResolve(use);
    EXPECT_EQ(c.def, use->Link(0)->node);
    EXPECT_EQ(c.def, OrvDefForNamedObjUse(use));
    OrvNamedObjUse* u = static_cast<OrvNamedObjUse*>(use);
    if (c.def != nullptr) {
      EXPECT_EQ(SYMCAT_DATA_NAME, u->Category());
      OrvLinkList* uses = c.def->Links(0);
      bool listed = false;
      for (OrvLinkElem* e = uses->Head(); e != nullptr; e = e->next) {
        if (e->link.node == use) listed = e->link.index == static_cast<int32_t>(use->Serial());
      }
      EXPECT_TRUE(listed);
    } else {
      EXPECT_EQ(0, u->Category());
    }
  }
}

TEST_F(QualNameTest, ResolveAndShortestNameTraces) {
  OrvExpr* use = Use({"X", "G2"});
  OrvExpr* def = Def({"R", "G2", "X"});
  OrvSymTabTraceLevel = 1;
  ::testing::internal::CaptureStdout();
  SymTabResolve(use);
  int notUnique = 0;
  delete OrvShortestUniqueQualNameExpr(def, &notUnique);
  std::string out = ::testing::internal::GetCapturedStdout();
  OrvSymTabTraceLevel = 0;
  // Lookups trace nothing here: the names are bound already.
  EXPECT_EQ("*SymTabResolve: qe=X OF G2\n"
            "??Def: X OF G2 OF R\n"
            "==Def: X OF G2 OF R\n"
            "$$ShrtstUniqName for 'X OF G2 OF R' at (null) is 'X OF G2' not_unique=0\n",
            out);
}

TEST_F(QualNameTest, ResolveLeavesResolvedUsesAlone) {
  OrvExpr* use = Use({"Y"});
  OrvExpr* other = Def({"R", "G1", "X"});
  static_cast<OrvNamedObjUse*>(use)->BindDefinition(other, 0);
  SymTabResolve(use);
  EXPECT_EQ(other, use->Link(0)->node);
  // Not a named-object use: nothing happens.
  OrvCharString notUse(VString("Y"));
  SymTabResolve(&notUse);
  SymTabResolve(nullptr);
}

TEST_F(QualNameTest, RestrictDefsKeepsOrderAndStopsAtTheProgram) {
  OrvLinkList candidates;
  for (OrvLinkElem* e = OrvSymTabFindElt(table_, VString("X"), nullptr)->Links(0)->Head();
       e != nullptr; e = e->next) {
    candidates.Append(e->link);
  }
  ASSERT_EQ(3, candidates.Count());
  OrvRestrictDefs(candidates, *OrvSymTabFindElt(table_, VString("X"), nullptr)->Links(0));
  EXPECT_EQ(3, candidates.Count());  // every definition lies inside itself
  OrvRestrictDefs(candidates, *OrvSymTabFindElt(table_, VString("G1"), nullptr)->Links(0));
  ASSERT_EQ(2, candidates.Count());
  EXPECT_EQ(Def({"R", "G1", "X"}), candidates.Nth(0).node);
  EXPECT_EQ(Def({"R2", "G1", "X"}), candidates.Nth(1).node);

  // A qualifier outside the candidate's program never matches: a nested
  // program inside the record R holds its own item Q.
  OrvExpr* nested = nametest::NewProgram();
  OrvExpr* list = new OrvExprOper(DECL_DD_LIST);
  nested->SetArg(COBOL_PROGRAM__DATA_DIVISION, list, -1, 0);
  OrvNamedObjDef* q = nullptr;
  list->AddArg(OrvDeclDataItem(&q, 1, VString("Q"), 0, VString("X"), nullptr, nullptr, nested));
  Decl({"R"})->Args(DECL_DD__SUBORDINATE_ENTRIES)->AddArg(nested);
  OrvLinkList inner;
  inner.Append(OrvLink(q, -1));
  OrvLinkList rRefs;
  rRefs.Append(OrvLink(Def({"R"}), -1));
  OrvRestrictDefs(inner, rRefs);
  EXPECT_TRUE(inner.IsEmpty());
}

TEST_F(QualNameTest, QualNameText) {
  OrvExpr* empty = new OrvExprOper(OF_IN_LIST);
  EXPECT_EQ("", Str(OrvQualNameStr(empty)));
  delete empty;

  OrvExpr* use = Use({"X", "G", "R"});
  OrvExpr* qe = use->Args(NAMED_OBJ_USE__NAMES);
  EXPECT_EQ("X OF G OF R", Str(OrvQualNameStr(qe)));
  EXPECT_EQ("R.G.X", Str(OrvQualNameStrSep(qe, '.')));
  EXPECT_EQ("R-G-X", Str(OrvQualNameStrSep(qe, '-')));

  OrvExpr* sql = new OrvExprOper(SQL_VAR_NAME_LIST);
  sql->AddArg(qe->Args(0)->Clone());
  sql->AddArg(qe->Args(2)->Clone());
  EXPECT_EQ("R.X", Str(OrvQualNameStrSep(sql, '.')));
  delete sql;
}

TEST_F(QualNameTest, UnboundNameInQualifiedNameIsReported) {
  MessageRecorder sink;
  OrvExpr* qe = new OrvExprOper(OF_IN_LIST);
  qe->AddArg(new OrvNameUse(OrvLink(OrvSymTabFindOrAddElt(table_, VString("X")), -1)));
  qe->AddArg(new OrvNameUse(OrvLink()));
  EXPECT_EQ("X OF ", Str(OrvQualNameStr(qe)));
  ASSERT_EQ(1u, sink.messages().size());
  EXPECT_EQ(MSG_SEVERE, sink.messages()[0].level);
  EXPECT_EQ("OrvQualNameStr: name #1 of the qualified name is not bound", sink.messages()[0].text);
  // Last name first: the unbound qualifier leads, shown empty.
  EXPECT_EQ(".X", Str(OrvQualNameStrSep(qe, '.')));
  ASSERT_EQ(2u, sink.messages().size());
  EXPECT_EQ("OrvQualNameStr: name #1 of the qualified name is not bound", sink.messages()[1].text);
  // Two unbound names give one report.
  qe->AddArg(new OrvNameUse(OrvLink()));
  EXPECT_EQ("X OF  OF ", Str(OrvQualNameStr(qe)));
  EXPECT_EQ(3u, sink.messages().size());
  delete qe;
}

TEST_F(QualNameTest, DeclaringNodes) {
  OrvExpr* x = Def({"R", "G1", "X"});
  EXPECT_EQ(Decl({"R", "G1", "X"}), OrvNamedObjDeclForDef(x));
  EXPECT_EQ(x, OrvDefForNamedObjDecl(Decl({"R", "G1", "X"})));
  EXPECT_EQ(Decl({"R", "G1"}), OrvNextDeclAbove(Decl({"R", "G1", "X"})));
  EXPECT_EQ(Decl({"R"}), OrvNextDeclAbove(Decl({"R", "FILLER", "Z"})->Parent()->Parent()));
  EXPECT_EQ(nullptr, OrvNextDeclAbove(Decl({"R"})));
  EXPECT_EQ(nullptr, OrvNextDeclAbove(nullptr));
  EXPECT_EQ(paraDef_->Parent(), OrvNamedObjDeclForDef(paraDef_));
  EXPECT_EQ(sectionDef_->Parent(), OrvNextDeclAbove(paraDef_->Parent()));
  EXPECT_EQ(NULL_NODE, OrvDefForNamedObjDecl(Decl({"R", "FILLER"}))->Oper());
}

// The name child of every kind of declaring node.
TEST(OrvDefForNamedObjDeclTest, NameChildByOperation) {
  struct {
    OrvOper op;
    int outer;  // -1: the name is a direct child; else the entry's slot
    int slot;
    bool found;
  } cases[] = {
      {PARA_PROGRAM_ID, -1, 0, true},  {SNX_FUNC_SWITCH, -1, 1, true},
      {SNX_ON_STATUS, -1, 0, true},    {SNX_OFF_STATUS, -1, 0, true},
      {SNX_ALPHABET, -1, 0, true},     {SNX_CLASS, -1, 0, true},
      {SNX_CALL_CONVENTION, -1, 1, true}, {DECL_FC_ENTRY, -1, 1, true},
      {FCX_SPLIT_REC_KEY, -1, 0, true}, {DECL_CD_ENTRY, -1, 0, true},
      {SECTION_PROC, -1, 0, true},     {PARA_PROC, -1, 0, true},
      {DECL_FD, 0, 1, true},           {DECL_DD, 0, 2, true},
      {DECL_RD, 0, 0, true},           {DECL_RGD, 0, 1, true},
      {DECL_SCRD, 0, 1, true},         {STMT_MOVE, -1, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(OrvOperName(c.op));
    OrvExpr* decl = new OrvExprOper(c.op);
    OrvExpr* def = new OrvNamedObjDef(SYMCAT_DATA_NAME, OrvLink(), OrvLinkList());
    if (c.outer < 0) {
      decl->SetArg(c.slot, def, -1, 0);
    } else {
      OrvExpr* entry = new OrvExprOper(EX_LIST);
      for (int i = 0; i <= c.slot; ++i) entry->AddArg(nullptr);
      entry->SetArg(c.slot, def, -1, 0);
      decl->SetArg(c.outer, entry, -1, 0);
    }
    EXPECT_EQ(c.found ? def : nullptr, OrvDefForNamedObjDecl(decl));
    delete decl;
  }
  EXPECT_EQ(nullptr, OrvDefForNamedObjDecl(nullptr));

  // DECL_DD and DECL_SCRD accept only a definition or a NULL_NODE.
  OrvExpr* dd = new OrvExprOper(DECL_DD, new OrvExprOper(DECL_DD_ENTRY), nullptr);
  EXPECT_EQ(nullptr, OrvDefForNamedObjDecl(dd));
  dd->Args(DECL_DD__DATA_DESCRIPTION_ENTRY)->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, new OrvCharString(VString("X")), -1, 0);
  EXPECT_EQ(nullptr, OrvDefForNamedObjDecl(dd));
  delete dd;

  // An FD names its file through a resolved use of the SELECT's definition.
  OrvNamedObjDef* file = new OrvNamedObjDef(SYMCAT_FILE_NAME, OrvLink(), OrvLinkList());
  OrvNamedObjUse* use = new OrvNamedObjUse(nullptr, SYMCAT_FILE_NAME, 0);
  use->BindDefinition(file, 0);
  OrvExpr* entry = new OrvExprOper(EX_LIST);
  entry->AddArg(nullptr);
  entry->AddArg(use);
  OrvExpr* fd = new OrvExprOper(DECL_FD, entry, nullptr);
  EXPECT_EQ(file, OrvDefForNamedObjDecl(fd));
  delete fd;
  delete file;
}

TEST(OrvQualNameChecksTest, WrongNodeKindsAreTerminal) {
  MessageRecorder sink;
  OrvCharString notDef(VString("X"));
  EXPECT_EQ(nullptr, OrvNamedObjDeclForDef(&notDef));
  EXPECT_EQ(nullptr, OrvNameUseForDef(&notDef));
  EXPECT_EQ(nullptr, OrvFullQualNameExpr(&notDef));
  EXPECT_EQ("", Str(OrvFullQualNameStr(nullptr)));
  int flag = -1;
  EXPECT_EQ(nullptr, OrvShortestUniqueQualNameExpr(&notDef, &flag));
  EXPECT_EQ(0, flag);
  EXPECT_EQ(nullptr, OrvDefForNamedObjUse(&notDef));
  EXPECT_EQ("", Str(OrvQualNameStr(&notDef)));
  EXPECT_EQ("", Str(OrvQualNameStrSep(&notDef, '.')));
  EXPECT_EQ(2, std::count_if(sink.messages().begin(), sink.messages().end(), [](const auto& m) {
              return m.text == "OrvQualNameStr: bad operation";
            }));
  OrvLinkList candidates;
  candidates.Append(OrvLink(&notDef, -1));
  OrvLinkList refs;
  OrvRestrictDefs(candidates, refs);
  EXPECT_TRUE(candidates.IsEmpty());
  const char* expected[] = {
      "OrvNamedObjDeclForDef: expecting NAMED_OBJ_DEF",
      "OrvNameUseForDef: bad def node",
      "OrvFullQualNameExpr: bad def node",
      "OrvShortestUniqueQualNameExpr: bad def node",
      "OrvDefForNamedObjUse: bad use node",
      "OrvQualNameStr: bad operation",
      "OrvRestrictDefs: e1def expecting NAMED_OBJ_DEF",
  };
  for (const char* text : expected) {
    EXPECT_TRUE(sink.Has(MSG_TERMINAL, text)) << text;
  }
  // A use linked to something that is not a definition.
  OrvNamedObjUse use(nullptr, SYMCAT_DATA_NAME, 0);
  use.Link(0)->node = &notDef;
  EXPECT_EQ(nullptr, OrvDefForNamedObjUse(&use));
  EXPECT_TRUE(sink.Has(MSG_TERMINAL, "OrvDefForNamedObjUse: bad def node"));
  use.Link(0)->node = nullptr;
  // An unresolved use gives null without a message.
  size_t before = sink.messages().size();
  EXPECT_EQ(nullptr, OrvDefForNamedObjUse(&use));
  EXPECT_EQ(before, sink.messages().size());
}

}  // namespace
