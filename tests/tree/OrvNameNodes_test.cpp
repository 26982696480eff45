// Name-binding nodes: binding, back-references, destruction in any order,
// re-binding, clones, TIC records and debug dumps.
#include "OrvNameNodes.h"
#include "OrvOperSlots.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "NameTestSupport.h"
#include "OrvConstNodes.h"
#include "OrvDebugDump.h"


namespace {

std::string Addr(const void* p) {
  std::ostringstream os;
  os << p;
  return os.str();
}

// The targets of a link list, in order.
std::vector<OrvExpr*> Targets(OrvLinkList* list) {
  std::vector<OrvExpr*> out;
  for (OrvLinkElem* e = list->Head(); e != nullptr; e = e->next) out.push_back(e->link.node);
  return out;
}

TEST(OrvNameNodesTest, ConstructorsRegisterInReferences) {
  OrvSymTabElt elt(VString("X"), SYMCAT_DATA_NAME, OrvLinkList());
  EXPECT_EQ(SYMBOL_TABLE_ELT, elt.Oper());
  EXPECT_EQ(0u, elt.ExtraWord());
  OrvNameUse* use = new OrvNameUse(OrvLink(&elt, -1));
  OrvNamedObjDef* def = new OrvNamedObjDef(SYMCAT_DATA_NAME, OrvLink(&elt, -1), OrvLinkList());
  EXPECT_EQ(NAME_USE, use->Oper());
  EXPECT_EQ(NAMED_OBJ_DEF, def->Oper());
  EXPECT_EQ((std::vector<OrvExpr*>{use, def}), Targets(elt.Links(0)));
  EXPECT_EQ(-1, elt.Links(0)->Nth(0).index);
  EXPECT_EQ("X", Str(*use->Image()));
  EXPECT_EQ("X", Str(def->Value()));
  EXPECT_EQ(&elt, use->Link(0)->node);
  delete use;
  EXPECT_EQ((std::vector<OrvExpr*>{def}), Targets(elt.Links(0)));
  delete def;
  EXPECT_TRUE(elt.Links(0)->IsEmpty());
}

TEST(OrvNameNodesTest, LinkNamesIgnoreTheIndex) {
  OrvNameUse use{OrvLink()};
  OrvNamedObjDef def(0, OrvLink(), OrvLinkList());
  OrvSymTabElt elt(VString("E"), 0, OrvLinkList());
  OrvNamedObjUse nuse(nullptr, SYMCAT_DATA_NAME, 0);
  struct {
    OrvExpr* node;
    int nLinks;
    const char* linkName;
    int nLists;
    const char* listName;
    int hasImage;
  } cases[] = {
      {&use, 1, "Symbol Table Element", 0, nullptr, 1},
      {&def, 1, "Symbol Table Element", 1, "Uses", 1},
      {&elt, 0, nullptr, 1, "References", 1},
      {&nuse, 1, "Definition", 0, nullptr, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(OrvOperName(c.node->Oper()));
    EXPECT_EQ(c.nLinks, c.node->NLinks());
    EXPECT_EQ(c.nLists, c.node->NLinkLists());
    EXPECT_EQ(c.hasImage, c.node->HasImage());
    for (int i : {0, 5}) {
      const char* ln = c.node->LinkName(i);
      const char* lln = c.node->LinkListName(i);
      EXPECT_EQ(std::string(c.linkName ? c.linkName : "-"), std::string(ln ? ln : "-"));
      EXPECT_EQ(std::string(c.listName ? c.listName : "-"), std::string(lln ? lln : "-"));
    }
    if (c.nLinks) {
      EXPECT_EQ(c.node->Link(0), c.node->Link(3));
    }
    if (c.nLists) {
      EXPECT_EQ(c.node->Links(0), c.node->Links(2));
    }
  }
}

TEST(OrvNameNodesTest, ImageOfUnboundOrMisboundUseIsEmpty) {
  OrvNameUse unbound{OrvLink()};
  EXPECT_EQ("", Str(*unbound.Image()));
  EXPECT_EQ("", Str(unbound.Value()));
  OrvCharString notElt(VString("NOT-AN-ELEMENT"));
  OrvNameUse misbound{OrvLink(&notElt, -1)};
  EXPECT_EQ("", Str(*misbound.Image()));
  OrvNamedObjDef def(SYMCAT_DATA_NAME, OrvLink(&notElt, -1), OrvLinkList());
  EXPECT_EQ("", Str(def.Value()));
}

TEST(OrvNameNodesTest, ClonesBindLikeTheOriginal) {
  OrvSymTabElt elt(VString("X"), SYMCAT_DATA_NAME, OrvLinkList());
  OrvNameUse use{OrvLink(&elt, -1)};
  OrvNamedObjDef def(SYMCAT_DATA_NAME, OrvLink(&elt, -1), OrvLinkList());
  OrvNamedObjUse nuse(new OrvExprOper(OF_IN_LIST, use.Clone()), SYMCAT_DATA_NAME, 7);
  nuse.BindDefinition(&def, 42);
  EXPECT_EQ(3, elt.Links(0)->Count());  // use, def, the name inside nuse

  OrvExpr* eltClone = elt.Clone();
  EXPECT_TRUE(eltClone->Links(0)->IsEmpty());
  EXPECT_EQ("X", Str(*eltClone->Image()));
  EXPECT_EQ(SYMCAT_DATA_NAME, static_cast<OrvSymTabElt*>(eltClone)->Category());
  EXPECT_EQ(elt.Serial(), eltClone->Serial());

  OrvExpr* useClone = use.Clone();
  EXPECT_EQ(&elt, useClone->Link(0)->node);
  EXPECT_EQ(4, elt.Links(0)->Count());

  OrvExpr* defClone = def.Clone();
  EXPECT_EQ(&elt, defClone->Link(0)->node);
  EXPECT_TRUE(defClone->Links(0)->IsEmpty());
  EXPECT_EQ(5, elt.Links(0)->Count());

  OrvExpr* nuseClone = nuse.Clone();
  EXPECT_EQ(&def, nuseClone->Link(0)->node);
  EXPECT_EQ(7u, static_cast<OrvNamedObjUse*>(nuseClone)->ExtraWord());
  EXPECT_EQ((std::vector<OrvExpr*>{&nuse, nuseClone}), Targets(def.Links(0)));
  EXPECT_EQ(42, def.Links(0)->Nth(0).index);
  EXPECT_EQ(-1, def.Links(0)->Nth(1).index);
  // The clone's name expression is a copy, bound to the same element.
  EXPECT_EQ(6, elt.Links(0)->Count());

  delete nuseClone;
  delete defClone;
  delete useClone;
  delete eltClone;
  EXPECT_EQ((std::vector<OrvExpr*>{&nuse}), Targets(def.Links(0)));
  EXPECT_EQ(3, elt.Links(0)->Count());
}

// Destroying either end of every link, in either order, leaves nothing
// dangling (the sanitizer build checks the memory).
TEST(OrvNameNodesTest, DestructionInEitherOrder) {
  for (int order = 0; order < 2; ++order) {
    SCOPED_TRACE(order);
    OrvSymTabElt* elt = new OrvSymTabElt(VString("X"), SYMCAT_DATA_NAME, OrvLinkList());
    OrvNameUse* use = new OrvNameUse(OrvLink(elt, -1));
    OrvNamedObjDef* def = new OrvNamedObjDef(SYMCAT_DATA_NAME, OrvLink(elt, -1), OrvLinkList());
    OrvNamedObjUse* nuse = new OrvNamedObjUse(nullptr, SYMCAT_DATA_NAME, 0);
    nuse->BindDefinition(def, 0);
    if (order == 0) {
      delete elt;
      EXPECT_EQ(nullptr, use->Link(0)->node);
      EXPECT_EQ(nullptr, def->Link(0)->node);
      EXPECT_EQ("", Str(*use->Image()));
      delete def;
      EXPECT_EQ(nullptr, nuse->Link(0)->node);
      EXPECT_EQ(-1, nuse->Link(0)->index);
      delete nuse;
      delete use;
    } else {
      delete nuse;
      EXPECT_TRUE(def->Links(0)->IsEmpty());
      delete use;
      delete def;
      EXPECT_TRUE(elt->Links(0)->IsEmpty());
      delete elt;
    }
  }
}

// Deleting a subtree dissolves the bindings between its nodes and the nodes
// outside it, whichever side holds the element or definition.
TEST(OrvNameNodesTest, DeletingASubtreeUnbindsWhatStaysOutside) {
  for (bool namesGoFirst : {true, false}) {
    SCOPED_TRACE(namesGoFirst ? "the element and definition go" : "the uses go");
    OrvSymTabElt* elt = new OrvSymTabElt(VString("X"), SYMCAT_DATA_NAME, OrvLinkList());
    OrvNamedObjDef* def = new OrvNamedObjDef(SYMCAT_DATA_NAME, OrvLink(elt, -1), OrvLinkList());
    OrvExpr* names = new OrvExprOper(EX_LIST, elt, def);
    OrvNameUse* use = new OrvNameUse(OrvLink(elt, -1));
    OrvNamedObjUse* nuse = new OrvNamedObjUse(nullptr, SYMCAT_DATA_NAME, 0);
    nuse->BindDefinition(def, 0);
    OrvExpr* uses = new OrvExprOper(STMT_LIST, new OrvExprOper(EX_LIST, use), nuse);
    ASSERT_EQ(2, elt->Links(0)->Count());
    ASSERT_EQ(1, def->Links(0)->Count());
    if (namesGoFirst) {
      delete names;
      EXPECT_EQ(nullptr, use->Link(0)->node);
      EXPECT_EQ(nullptr, nuse->Link(0)->node);
      delete uses;
    } else {
      delete uses;
      ASSERT_EQ(1, elt->Links(0)->Count());
      EXPECT_EQ(def, elt->Links(0)->Head()->link.node);
      EXPECT_EQ(elt, def->Link(0)->node);
      EXPECT_TRUE(def->Links(0)->IsEmpty());
      delete names;
    }
  }
}

TEST(OrvNameNodesTest, ElementSetImageRenamesEveryReferrer) {
  OrvSymTabElt elt(VString("OLD"), SYMCAT_DATA_NAME, OrvLinkList());
  OrvNameUse use{OrvLink(&elt, -1)};
  elt.SetFromSrc(1);
  VString message;
  EXPECT_EQ(0, elt.SetImage(VString("NEW"), message));
  EXPECT_EQ("NEW", Str(*use.Image()));
  EXPECT_EQ(0, elt.FromSrc());
  EXPECT_EQ(1, elt.Links(0)->Count());
}

// What the tree-edit hook was told, as "event:node:text".
std::vector<std::string>& HookEvents() {
  static std::vector<std::string> events;
  return events;
}

void RecordHook(int event, OrvExpr* node, OrvExpr*, int, const VString& text) {
  HookEvents().push_back(std::to_string(event) + ":" + OrvOperName(node->Oper()) + ":" + Str(text));
}

class RebindTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = nametest::NewProgram();
    table_ = nametest::SymTabOf(program_);
    OrvSymTabElt* a = OrvSymTabFindOrAddElt(table_, VString("A"));
    OrvSymTabElt* c = OrvSymTabFindOrAddElt(table_, VString("C"));
    c->SetCategory(SYMCAT_DATA_NAME);
    holder_ = new OrvExprOper(EX_LIST);
    program_->SetArg(COBOL_PROGRAM__DATA_DIVISION, holder_, -1, 0);
    use_ = new OrvNameUse(OrvLink(a, -1));
    def_ = new OrvNamedObjDef(SYMCAT_DATA_NAME, OrvLink(a, -1), OrvLinkList());
    holder_->AddArg(use_);
    holder_->AddArg(def_);
  }
  void TearDown() override { delete program_; }
  OrvExpr* program_ = nullptr;
  OrvExpr* table_ = nullptr;
  OrvExpr* holder_ = nullptr;
  OrvNameUse* use_ = nullptr;
  OrvNamedObjDef* def_ = nullptr;
};

TEST_F(RebindTest, RebindToNewNameAddsElementAtSortedPlace) {
  VString message;
  use_->SetFromSrc(1);
  EXPECT_EQ(0, use_->SetImage(VString("B"), message));
  EXPECT_EQ((std::vector<std::string>{"A", "B", "C"}), nametest::TableNames(table_));
  OrvExpr* b = table_->Args(1);
  EXPECT_EQ(b, use_->Link(0)->node);
  EXPECT_EQ(SYMCAT_UNKNOWN, static_cast<OrvSymTabElt*>(b)->Category());
  EXPECT_EQ((std::vector<OrvExpr*>{use_}), Targets(b->Links(0)));
  EXPECT_EQ((std::vector<OrvExpr*>{def_}), Targets(table_->Args(0)->Links(0)));
  EXPECT_EQ("B", Str(*use_->Image()));
  EXPECT_EQ(1, use_->FromSrc());  // re-binding leaves the state alone
}

// Renaming an element tells the hook of the new image and then of the
// reset, once itself and once through the reset walk; re-binding a use or a
// definition tells it of the new image only.
TEST_F(RebindTest, SetImageTellsTheEditHook) {
  HookEvents().clear();
  OrvTreeEditHook = RecordHook;
  VString message;
  OrvExpr* element = table_->Args(0);
  element->SetImage(VString("AA"), message);
  use_->SetImage(VString("C"), message);
  def_->SetImage(VString("C"), message);
  OrvTreeEditHook = nullptr;
  EXPECT_EQ((std::vector<std::string>{"5:SYMBOL_TABLE_ELT:AA", "6:SYMBOL_TABLE_ELT:",
                                      "6:SYMBOL_TABLE_ELT:", "5:NAME_USE:C", "5:NAMED_OBJ_DEF:C"}),
            HookEvents());
}

TEST_F(RebindTest, RebindDefinitionToExistingName) {
  VString message;
  EXPECT_EQ(0, def_->SetImage(VString("C"), message));
  EXPECT_EQ((std::vector<std::string>{"A", "C"}), nametest::TableNames(table_));
  EXPECT_EQ("C", Str(*def_->Image()));
  EXPECT_EQ(SYMCAT_DATA_NAME, def_->Category());
  EXPECT_EQ((std::vector<OrvExpr*>{def_}), Targets(table_->Args(1)->Links(0)));
}

TEST(OrvNameNodesTest, RebindOutsideProgramIsRefused) {
  MessageRecorder sink;
  OrvSymTabElt elt(VString("A"), 0, OrvLinkList());
  OrvNameUse use{OrvLink(&elt, -1)};
  OrvNamedObjDef def(SYMCAT_DATA_NAME, OrvLink(&elt, -1), OrvLinkList());
  // A program without a symbol table is no better.
  OrvExpr* program = new OrvExprOper(COBOL_PROGRAM);
  OrvNameUse* inside = new OrvNameUse(OrvLink(&elt, -1));
  program->SetArg(COBOL_PROGRAM__IDENTIFICATION_DIVISION, inside, -1, 0);
  for (OrvExpr* node : {static_cast<OrvExpr*>(&use), static_cast<OrvExpr*>(&def),
                        static_cast<OrvExpr*>(inside)}) {
    SCOPED_TRACE(OrvOperName(node->Oper()));
    VString message;
    EXPECT_EQ(ORV_SYMTAB_MISSING, node->SetImage(VString("B"), message));
    EXPECT_EQ("no program symbol table above the node", Str(message));
    EXPECT_EQ(&elt, node->Link(0)->node);
    EXPECT_EQ("A", Str(*node->Image()));
  }
  ASSERT_EQ(3u, sink.messages().size());
  EXPECT_EQ(MSG_SEVERE, sink.messages()[0].level);
  EXPECT_NE(std::string::npos, sink.messages()[0].text.find("OrvNameUse::SetImage at expr node NAME_USE"));
  EXPECT_NE(std::string::npos, sink.messages()[1].text.find("OrvNamedObjDef::SetImage"));
  delete program;
}

TEST(OrvNameNodesTest, MakeUniqueName) {
  OrvExpr* table = new OrvExprOper(SYMBOL_TABLE_ELT_LIST);
  const std::string thirty = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";
  for (const char* n : {"A", "A-1", "B", "Z"}) OrvSymTabFindOrAddElt(table, VString(n));
  OrvSymTabElt* longElt = OrvSymTabFindOrAddElt(table, VString(thirty.c_str()));
  OrvSymTabElt* z = OrvSymTabFindElt(table, VString("Z"), nullptr);
  OrvNameUse use{OrvLink(z, -1)};
  use.SetFromSrc(1);

  struct {
    OrvSymTabElt* elt;
    std::string asked;
    std::string got;
  } cases[] = {
      // The element's own name counts as taken.
      {z, "Z", "Z-1"},
      {z, "A", "A-2"},
      {z, "Q", "Q"},
      {longElt, thirty, thirty.substr(0, 28) + "-1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asked);
    VString name(c.asked.c_str());
    c.elt->MakeUniqueName(name);
    EXPECT_EQ(c.got, Str(name));
    EXPECT_EQ(c.got, Str(*c.elt->Image()));
    // The table stays sorted.
    std::vector<std::string> names = nametest::TableNames(table);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end())) << ::testing::PrintToString(names);
  }
  EXPECT_EQ(0, use.FromSrc());
  EXPECT_EQ("Q", Str(*use.Image()));
  delete table;

  // Outside a table no name is taken.
  OrvSymTabElt lone(VString("L"), 0, OrvLinkList());
  VString name("L");
  lone.MakeUniqueName(name);
  EXPECT_EQ("L", Str(name));
}

// Writes a node's record and reads it back into `fresh` (which the reader
// would have built from the operation code and slot count).
OrvResult RoundTrip(const OrvExpr& node, OrvExpr& fresh, std::string& text, VString& error) {
  std::ostringstream out;
  node.PutTic(out);
  text = out.str();
  // The tree reader consumes "\no<op>:<slots>:" before the class reads.
  size_t at = text.find(':');
  at = text.find(':', at + 1);
  std::istringstream in(text.substr(at + 1));
  return fresh.GetTic(in, error);
}

TEST(OrvNameNodesTest, TicRecordsReadBackExactly) {
  OrvSymTabElt elt(VString("CUST NO:1"), SYMCAT_PARA_NAME, OrvLinkList());
  OrvNameUse use{OrvLink(&elt, -1)};
  OrvNamedObjDef def(SYMCAT_DATA_NAME, OrvLink(&elt, -1), OrvLinkList());
  OrvNameUse third{OrvLink(&elt, -1)};
  // Its name slot is left empty: child nodes are read by the tree reader.
  OrvNamedObjUse nuse(nullptr, SYMCAT_PROC_NAME, 3);
  nuse.BindDefinition(&def, 9);
  // Node numbers as the tree writer gives them.
  elt.Links(0)->Nth(0).index = 1;
  elt.Links(0)->Nth(1).index = 2;
  use.Link(0)->index = 5;
  def.Link(0)->index = 5;
  nuse.Link(0)->index = 2;
  use.SetFromSrc(1);

  struct Case {
    const OrvExpr* node;
    OrvExpr* fresh;
    const char* tail;  // what the class writes after the common part
  };
  OrvSymTabElt elt2(VString(), 0, OrvLinkList());
  OrvNameUse use2{OrvLink()};
  OrvNamedObjDef def2(0, OrvLink(), OrvLinkList());
  OrvNamedObjUse nuse2(nullptr, 0, 0);
  const Case cases[] = {
      {&elt, &elt2, "9:CUST NO:120:=1:=2:=4294967295:&"},
      {&use, &use2, "5:"},
      {&def, &def2, "10:5:=9:&"},
      {&nuse, &nuse2, "19:2:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(OrvOperName(c.node->Oper()));
    std::string text;
    VString error;
    ASSERT_EQ(0, RoundTrip(*c.node, *c.fresh, text, error)) << Str(error);
    EXPECT_NE(std::string::npos, text.find(c.tail)) << text;
    EXPECT_EQ(text.size() - std::string(c.tail).size(), text.rfind(c.tail)) << text;
    std::ostringstream again;
    c.fresh->PutTic(again);
    EXPECT_EQ(text, again.str());
    // Links stay unbound until the tree reader re-attaches them.
    if (c.fresh->NLinks()) {
      EXPECT_EQ(nullptr, c.fresh->Link(0)->node);
    }
  }
  EXPECT_EQ(SYMCAT_PARA_NAME, elt2.Category());
  EXPECT_EQ("CUST NO:1", Str(*elt2.Image()));
  EXPECT_EQ(1, use2.FromSrc());
  EXPECT_EQ(5, use2.Link(0)->index);
  EXPECT_EQ(9, def2.Links(0)->Nth(0).index);
  EXPECT_EQ(SYMCAT_PROC_NAME, nuse2.Category());
  ASSERT_EQ(1, nuse2.NArgs());
  EXPECT_EQ(nullptr, nuse2.Args(NAMED_OBJ_USE__NAMES));
}

TEST(OrvNameNodesTest, TicReadFailures) {
  struct {
    const char* input;
    OrvResult result;
  } cases[] = {
      {"0:0:#1:X5;", ORV_TIC_BAD_NUMBER},       // category ended by a wrong character
      {"0:0:#1:X-5:&", ORV_TIC_BAD_NUMBER},     // negative category
      {"0:0:#1:X5:=1;&", ORV_TIC_BAD_NUMBER},   // bad link index
      {"0:0:#1:X5:=1:x", ORV_TIC_BAD_FORMAT},   // bad list finisher
      {"0:0:#9:X", ORV_TIC_EOF},                // image cut short
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    OrvSymTabElt elt(VString(), 0, OrvLinkList());
    std::istringstream in(c.input);
    VString error;
    EXPECT_EQ(c.result, elt.GetTic(in, error));
    EXPECT_NE("", Str(error));
  }
  // A name use's index may be written as -1.
  OrvNameUse use{OrvLink()};
  std::istringstream in("0:0:#-1:");
  VString error;
  EXPECT_EQ(0, use.GetTic(in, error));
  EXPECT_EQ(-1, use.Link(0)->index);
}

TEST(OrvNameNodesTest, DebugDumps) {
  OrvSymTabElt elt(VString("X"), SYMCAT_DATA_NAME, OrvLinkList());
  OrvNamedObjDef def(SYMCAT_DATA_NAME, OrvLink(&elt, -1), OrvLinkList());
  OrvNameUse* name = new OrvNameUse(OrvLink(&elt, 4));
  OrvNamedObjUse nuse(new OrvExprOper(OF_IN_LIST, name), 22, 0);
  nuse.BindDefinition(&def, -1);
  OrvNameUse unbound{OrvLink()};

  struct {
    const OrvExpr* node;
    std::string text;
  } cases[] = {
      {&elt, "SYMBOL_TABLE_ELT X cat=data-name\n"},
      {&def, "NAMED_OBJ_DEF img=X cat=data-name\n"},
      {name, "NAME_USE img=X ste=Link(#4," + Addr(&elt) + ")\n"},
      {&unbound, "NAME_USE img= ste=Link(#" + Addr(nullptr) + ")\n"},
  };
  for (const auto& c : cases) {
    std::ostringstream out;
    c.node->DebugDump(out);
    EXPECT_EQ(c.text, out.str());
  }
  std::ostringstream out;
  nuse.DebugDump(out);
  std::string text = out.str();
  EXPECT_EQ(0u, text.find("NAMED_OBJ_USE  cat=UDC#22\n")) << text;
  EXPECT_NE(std::string::npos, text.find(". OF_IN_LIST")) << text;
  EXPECT_NE(std::string::npos, text.find(". . NAME_USE img=X")) << text;

  // The verbose dumps join the links of a list by ", ".
  OrvNamedObjUse second(nullptr, SYMCAT_DATA_NAME, 0);
  second.BindDefinition(&def, 3);
  OrvSymTabElt lonely(VString("L"), SYMCAT_UNKNOWN, OrvLinkList());
  int level = OrvDumpLevel;
  OrvDumpLevel = 2;
  std::ostringstream verbose;
  elt.DebugDump(verbose);
  def.DebugDump(verbose);
  nuse.DebugDump(verbose);
  lonely.DebugDump(verbose);
  OrvDumpLevel = level;
  std::string v = verbose.str();
  EXPECT_NE(std::string::npos, v.find("SYMBOL_TABLE_ELT L cat=unknown refs=[] #")) << v;
  EXPECT_NE(std::string::npos,
            v.find("SYMBOL_TABLE_ELT X cat=data-name refs=[Link(#" + Addr(&def) + "), Link(#" +
                   Addr(name) + ")] #"))
      << v;
  EXPECT_NE(std::string::npos,
            v.find("NAMED_OBJ_DEF img=X cat=data-name ste=Link(#" + Addr(&elt) + ") uses=[Link(#" +
                   Addr(&nuse) + "), Link(#3," + Addr(&second) + ")] #"))
      << v;
  EXPECT_NE(std::string::npos,
            v.find("NAMED_OBJ_USE  cat=UDC#22 def=Link(#" + Addr(&def) + ") #"))
      << v;
}

}  // namespace
