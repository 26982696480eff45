// Tests of renaming a definition alone, with all its uses, and within a scope.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvOperSlots.h"
#include "TestStrings.h"
#include "OrvDataItemBuild.h"
#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvNameNodes.h"
#include "OrvOper.h"
#include "OrvQualName.h"
#include "OrvRename.h"
#include "OrvSymTab.h"
#include "OrvTxtPosn.h"

namespace {

std::string Text(const VString& s) { return s.text != nullptr ? s.text : ""; }

// A program with the record
//   01 R.  05 G1.  10 X.  05 G2.  10 Y.  10 W.
// and uses of X, Y and W (and of X OF G1) in its procedure part.
class RenameTest : public ::testing::Test {
protected:
  void SetUp() override {
    program_.reset(new OrvExprOper(COBOL_PROGRAM));
    program_->SetArg(PROG_SYMBOL_TABLE, new OrvExprOper(SYMBOL_TABLE_ELT_LIST));
    OrvExpr* list = new OrvExprOper(DECL_DD_LIST);
    program_->SetArg(COBOL_PROGRAM__DATA_DIVISION, list);
    const OrvDataItemHierRec rows[] = {
        {0, 1, "R", "", DU_NONE, nullptr},   {1, 5, "G1", "", DU_NONE, nullptr},
        {2, 10, "X", "X", DU_NONE, nullptr}, {1, 5, "G2", "", DU_NONE, nullptr},
        {2, 10, "Y", "X", DU_NONE, nullptr}, {2, 10, "W", "X", DU_NONE, nullptr},
        {0, 0, nullptr, nullptr, DU_NONE, nullptr},
    };
    VString message;
    ASSERT_EQ(OrvDeclDataItemHierarchy(list, rows, 0, program_.get(), message), ORV_OK)
        << Text(message);
    stmts_ = new OrvExprOper(STMT_LIST);
    program_->SetArg(COBOL_PROGRAM__CONTAINED_PROGRAMS, stmts_);
  }

  OrvExpr* Table() { return program_->Args(PROG_SYMBOL_TABLE); }

  // The definitions of a name, in the order of its element's references.
  std::vector<OrvNamedObjDef*> Defs(const char* name) {
    std::vector<OrvNamedObjDef*> defs;
    OrvSymTabElt* elt = OrvSymTabFindElt(Table(), VString(name), nullptr);
    if (elt == nullptr) return defs;
    for (OrvLinkElem* e = elt->Links(0)->Head(); e != nullptr; e = e->next)
      if (e->link.node != nullptr && e->link.node->Oper() == NAMED_OBJ_DEF)
        defs.push_back(static_cast<OrvNamedObjDef*>(e->link.node));
    return defs;
  }

  OrvNamedObjDef* Def(const char* name) {
    std::vector<OrvNamedObjDef*> defs = Defs(name);
    return defs.size() == 1 ? defs[0] : nullptr;
  }

  // A resolved use of `name` qualified by `qualifiers`, hung in the
  // procedure part.
  OrvExpr* Use(const char* name, std::initializer_list<const char*> qualifiers = {}) {
    OrvExpr* names = new OrvExprOper(OF_IN_LIST);
    names->AddArg(new OrvNameUse(OrvLink(OrvSymTabFindOrAddElt(Table(), VString(name)), -1)));
    for (const char* q : qualifiers)
      names->AddArg(new OrvNameUse(OrvLink(OrvSymTabFindOrAddElt(Table(), VString(q)), -1)));
    OrvExpr* use = OrvNewNamedObjUse(names, SYMCAT_DATA_NAME, 0);
    stmts_->AddArg(use);
    SymTabResolve(use);
    return use;
  }

  static std::string Written(OrvExpr* use) { return Text(OrvQualNameStr(use->Args(NAMED_OBJ_USE__NAMES))); }

  MessageRecorder sink_;
  std::unique_ptr<OrvExpr> program_;
  OrvExpr* stmts_ = nullptr;
};

TEST_F(RenameTest, RenameDefMovesTheDefinitionToANewElement) {
  OrvNamedObjDef* y = Def("Y");
  ASSERT_NE(y, nullptr);
  OrvRenameDef(y, VString("Z"));
  EXPECT_EQ(OrvSymTabFindElt(Table(), VString("Y"), nullptr), nullptr);
  OrvSymTabElt* z = OrvSymTabFindElt(Table(), VString("Z"), nullptr);
  ASSERT_NE(z, nullptr);
  EXPECT_EQ(y->Link(0)->node, z);
  EXPECT_EQ(Text(*y->Image()), "Z");
  EXPECT_EQ(z->Category(), y->Category());
  EXPECT_EQ(Def("Z"), y);
  EXPECT_TRUE(sink_.messages().empty());
}

TEST_F(RenameTest, RenameDefKeepsAnElementThatIsStillUsed) {
  OrvExpr* use = Use("Y");
  OrvNamedObjDef* y = Def("Y");
  ASSERT_EQ(OrvDefForNamedObjUse(use), y);
  OrvRenameDef(y, VString("Z"));
  OrvSymTabElt* old = OrvSymTabFindElt(Table(), VString("Y"), nullptr);
  ASSERT_NE(old, nullptr);
  EXPECT_TRUE(Defs("Y").empty());
  EXPECT_EQ(Def("Z"), y);
}

TEST_F(RenameTest, UsesOfTheRenamedItemAndItsHomonymsGetTheShortestUniqueName) {
  OrvExpr* useX = Use("X");
  OrvExpr* useY = Use("Y");
  OrvExpr* useW = Use("W", {"G2"});
  OrvNamedObjDef* x = Def("X");
  OrvNamedObjDef* y = Def("Y");
  OrvNamedObjDef* w = Def("W");
  ASSERT_EQ(OrvDefForNamedObjUse(useX), x);
  ASSERT_EQ(OrvDefForNamedObjUse(useY), y);

  EXPECT_EQ(OrvRenameDefAndAllUses(y, VString("X"), 1), 0);
  EXPECT_EQ(Defs("X").size(), 2u);
  EXPECT_EQ(Written(useY), "X OF G2");
  EXPECT_EQ(Written(useX), "X OF G1");
  EXPECT_EQ(Written(useW), "W OF G2");  // not a homonym: left as written
  // The uses still denote what they denoted.
  EXPECT_EQ(OrvDefForNamedObjUse(useY), y);
  EXPECT_EQ(OrvDefForNamedObjUse(useX), x);
  EXPECT_EQ(OrvDefForNamedObjUse(useW), w);
  EXPECT_EQ(y->FromSrc(), 0);
  EXPECT_TRUE(sink_.messages().empty());
}

TEST_F(RenameTest, RenamingToANameTakenInTheSameGroupIsUndone) {
  OrvExpr* useY = Use("Y");
  OrvNamedObjDef* y = Def("Y");
  EXPECT_EQ(OrvRenameDefAndAllUses(y, VString("W"), 1), 1);
  EXPECT_EQ(Text(*y->Image()), "Y");
  EXPECT_EQ(Def("Y"), y);
  EXPECT_EQ(Defs("W").size(), 1u);
  EXPECT_EQ(Written(useY), "Y");
  EXPECT_EQ(OrvDefForNamedObjUse(useY), y);
}

TEST_F(RenameTest, AmbiguousRenameWithoutUndoIsReportedAndKept) {
  OrvExpr* useY = Use("Y");
  OrvNamedObjDef* y = Def("Y");
  EXPECT_EQ(OrvRenameDefAndAllUses(y, VString("W"), 0), 0);
  EXPECT_EQ(Text(*y->Image()), "W");
  EXPECT_EQ(Defs("W").size(), 2u);
  // Each of the two definitions that cannot be told apart is reported once.
  int reports = 0;
  for (const RecordedMessage& m : sink_.messages()) {
    EXPECT_EQ(m.level, MSG_SEVERE);
    EXPECT_EQ(m.text,
              "OrvRenameDefUsesWalker: cannot create a unique name for this definition. Strange.");
    ++reports;
  }
  EXPECT_EQ(reports, 2);
  // The use still gets the best name found, and still denotes Y.
  EXPECT_EQ(Written(useY).compare(0, 1, "W"), 0) << Written(useY);
  EXPECT_EQ(OrvDefForNamedObjUse(useY), y);
}

TEST_F(RenameTest, RenamingAGroupRequalifiesTheUsesBelowIt) {
  OrvExpr* useX = Use("X", {"G1"});
  OrvExpr* useY = Use("Y", {"G2"});
  OrvNamedObjDef* g1 = Def("G1");
  OrvExpr* useG1 = Use("G1");
  // Two groups of one name in one record cannot be told apart: undone.
  EXPECT_EQ(OrvRenameDefAndAllUses(g1, VString("G2"), 1), 1);
  EXPECT_EQ(Written(useX), "X OF G1");
  // Under a new name, the items below the group are requalified as well:
  // X is the only X, so it needs no qualifier.
  EXPECT_EQ(OrvRenameDefAndAllUses(g1, VString("Q"), 1), 0);
  EXPECT_EQ(Written(useG1), "Q");
  EXPECT_EQ(Written(useX), "X");
  EXPECT_EQ(OrvDefForNamedObjUse(useX), Def("X"));
  EXPECT_EQ(Written(useY), "Y OF G2");  // not below the renamed group
}

TEST_F(RenameTest, UsesInScopeRewritesOneDefinitionsUses) {
  OrvExpr* useX = Use("X", {"G1", "R"});
  OrvNamedObjDef* x = Def("X");
  OrvRenameDefUsesInScope(x);
  EXPECT_EQ(Written(useX), "X");
  // Anything but a definition is ignored.
  OrvRenameDefUsesInScope(useX);
  OrvRenameDefUsesInScope(nullptr);
  EXPECT_EQ(Written(useX), "X");
}

std::vector<std::pair<int, OrvExpr*>>& HookCalls() {
  static std::vector<std::pair<int, OrvExpr*>> calls;
  return calls;
}

void RecordHook(int event, OrvExpr* node, OrvExpr*, int, const VString&) {
  HookCalls().push_back({event, node});
}

TEST_F(RenameTest, TellsTheEditHookAndTraces) {
  OrvExpr* useY = Use("Y");
  OrvNamedObjDef* y = Def("Y");
  HookCalls().clear();
  OrvTreeEditHookFn savedHook = OrvTreeEditHook;
  int savedLevel = OrvSymTabTraceLevel;
  OrvTreeEditHook = RecordHook;
  OrvSymTabTraceLevel = 1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(OrvRenameDefAndAllUses(y, VString("Z"), 1), 0);
  std::string trace = testing::internal::GetCapturedStdout();
  OrvSymTabTraceLevel = savedLevel;
  OrvTreeEditHook = savedHook;

  EXPECT_EQ(Written(useY), "Z");
  bool operEvent = false;
  for (const auto& call : HookCalls())
    if (call.first == ORV_EDIT_OPER && call.second == y) operEvent = true;
  EXPECT_TRUE(operEvent);
  EXPECT_NE(trace.find("\n=== OrvRenameDefAndAllUses: from 'Y OF G2 OF R' to 'Z'\n"),
            std::string::npos)
      << trace;
  EXPECT_NE(trace.find("**RenameDef: 'Y OF G2 OF R' at "), std::string::npos) << trace;
  EXPECT_NE(trace.find(" to 'Z'\n"), std::string::npos) << trace;
  EXPECT_NE(trace.find("--ChangeUse: fr 'Y' at "), std::string::npos) << trace;
}

TEST_F(RenameTest, WrongNodeKindIsATerminalReport) {
  OrvExpr* use = Use("X");
  OrvRenameDef(reinterpret_cast<OrvNamedObjDef*>(use), VString("Z"));
  ASSERT_EQ(sink_.messages().size(), 1u);
  EXPECT_EQ(sink_.messages()[0].level, MSG_TERMINAL);
  EXPECT_EQ(sink_.messages()[0].text, "OrvRenameDef: bad def node");
  EXPECT_EQ(OrvRenameDefAndAllUses(nullptr, VString("Z"), 1), 0);
  ASSERT_EQ(sink_.messages().size(), 2u);
  EXPECT_EQ(sink_.messages()[1].text, "OrvRenameDefAndAllUses: bad def node");
  EXPECT_EQ(Written(use), "X");
}

}  // namespace
