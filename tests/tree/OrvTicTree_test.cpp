// Tests of writing whole trees in TIC text form and reading them back, including damaged and
// hostile input.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "CountedNameTable.h"
#include "MessageRecorder.h"
#include "OrvConstNodes.h"
#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvNameNodes.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "OrvTicTree.h"
#include "OrvToken.h"
#include "OrvTxtPosn.h"
#include "TreeBuildSupport.h"

namespace {

std::string Text(const VString& s) { return s.text != nullptr ? s.text : ""; }


std::string Write(OrvExpr* root) {
  std::ostringstream out;
  OrvExpr::PutTic(root, out);
  return out.str();
}

// The file-name part of the text the writer produces in this process.
std::string FilePart() {
  std::ostringstream out;
  const CountedNameTable& files = OrvFileNameTable();
  out << files.count << '\n';
  for (int i = 0; i < files.count; ++i) files[i].name.PutTic(out);
  return out.str();
}

struct ReadResult {
  OrvResult code;
  std::string error;
  std::unique_ptr<OrvExpr> root;
};

ReadResult Read(const std::string& text) {
  std::istringstream in(text);
  OrvExpr* root = reinterpret_cast<OrvExpr*>(1);
  VString error;
  ReadResult r;
  r.code = OrvGetTicTree(in, root, error);
  r.error = Text(error);
  r.root.reset(root);
  return r;
}

// The parts of a tree that holds every node class, linked as name
// resolution links them.
struct FullTree {
  OrvExpr* root;
  OrvSymTabElt* elt;
  OrvNamedObjDef* def;
  OrvNameUse* nameUse;
  OrvNamedObjUse* use;
  OrvExpr* move;
};

FullTree BuildFullTree() {
  FullTree t;
  int file = OrvFileNameAdd(VString("ROUNDTRIP.cbl"));
  OrvExpr* table = N(SYMBOL_TABLE_ELT_LIST);
  t.elt = new OrvSymTabElt(VString("ITEM-X"), SYMCAT_DATA_NAME, OrvLinkList());
  table->AddArg(t.elt);
  table->AddArg(new OrvSymTabElt(VString("UNUSED"), 0, OrvLinkList()));
  t.def = new OrvNamedObjDef(SYMCAT_DATA_NAME, OrvLink(t.elt, -1), OrvLinkList());
  t.nameUse = new OrvNameUse(OrvLink(t.elt, -1));
  t.use = new OrvNamedObjUse(N(OF_IN_LIST, {t.nameUse}), SYMCAT_DATA_NAME, 0);
  t.use->BindDefinition(t.def, static_cast<int32_t>(t.use->Serial()));

  OrvExpr* entry = N(DECL_DD_ENTRY);
  entry->SetArg(DECL_DD_ENTRY__LEVEL_NUMBER, new OrvIntNumConst(VString("01"), 1));
  entry->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, t.def);
  entry->SetArg(DECL_DD_ENTRY__PICTURE, new OrvCharString(VString("X(5)")));
  entry->SetArg(DECL_DD_ENTRY__VALUE, new OrvStrConst(VString("'IT''S'")));
  OrvExpr* dd = N(DECL_DD, {entry});

  t.move = N(STMT_MOVE, {new OrvIntNumConst(VString("-5"), -5), t.use});
  OrvExpr* leaves = N(EX_LIST, {new OrvNullNode(), new OrvRealNumConst(VString("1.5E3")),
                                new OrvTokenString(VString("tok\ttext:\n")),
                                new OrvCharString(VString()), nullptr});
  OrvExpr* program = N(COBOL_PROGRAM);
  program->SetArg(COBOL_PROGRAM__DATA_DIVISION, N(DECL_DD_LIST, {dd}));
  program->SetArg(COBOL_PROGRAM__PROCEDURE_DIVISION, N(STMT_LIST, {t.move, leaves}));
  program->SetArg(PROG_SYMBOL_TABLE, table);
  t.root = N(COBOL_FILE, {N(COBOL_PROGRAM_LIST, {program})});

  // Tokens with positions, in slots and behind nodes.
  t.move->ArgSlots(STMT_MOVE__SOURCE)->tokens.AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(12, 7, file), VString("MOVE"));
  t.move->ArgSlots(STMT_MOVE__TARGETS)->tokens.AddToken(SEP_SPACE, OrvTxtPosn(12, 11, file), VString(" "));
  t.move->Tokens().AddToken(SEP_DOT, OrvTxtPosn(12, 30, file), VString("."));
  t.nameUse->Tokens().AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(12, 20, file), VString("ITEM-X"));
  t.def->Tokens().AddToken(CM_COMMENT, OrvTxtPosn(), VString("* comment: with \"quotes\""));

  // Every from-source state and slot records with both 16-bit halves used.
  t.move->SetFromSrc(1);
  program->SetFromSrc(-1);
  entry->SetFromSrc(2);
  t.move->ArgSlots(STMT_MOVE__TARGETS)->state = 0x8001;
  t.move->ArgSlots(STMT_MOVE__TARGETS)->order = 5;
  entry->ArgSlots(DECL_DD_ENTRY__PICTURE)->order = -1;
  entry->ArgSlots(DECL_DD_ENTRY__VALUE)->state = 0x7fff;
  return t;
}

TEST(OrvTicTree, WriteReadWriteIsByteIdenticalForEveryNodeClass) {
  MessageRecorder sink;
  FullTree t = BuildFullTree();
  std::unique_ptr<OrvExpr> original(t.root);
  std::string first = Write(original.get());

  ReadResult r = Read(first);
  ASSERT_EQ(r.code, ORV_OK) << r.error;
  ASSERT_NE(r.root, nullptr);
  EXPECT_EQ(Write(r.root.get()), first);
  EXPECT_EQ(sink.size(), 0u);

  // And once more from the copy.
  ReadResult again = Read(Write(r.root.get()));
  ASSERT_EQ(again.code, ORV_OK) << again.error;
  EXPECT_EQ(Write(again.root.get()), first);
}

bool ListHoldsNode(OrvExpr* owner, const OrvExpr* target) {
  for (OrvLinkElem* e = owner->Links(0)->Head(); e != nullptr; e = e->next)
    if (e->link.node == target) return true;
  return false;
}

// The node reached from the root by a path of slots (of lists, an index).
OrvExpr* At(OrvExpr* node, std::initializer_list<int> path) {
  for (int i : path) node = node->Args(i);
  return node;
}

TEST(OrvTicTree, ReadTreeHasTheSameFieldsAndReattachedLinks) {
  MessageRecorder sink;
  FullTree t = BuildFullTree();
  std::unique_ptr<OrvExpr> original(t.root);
  ReadResult r = Read(Write(original.get()));
  ASSERT_EQ(r.code, ORV_OK) << r.error;
  OrvExpr* root = r.root.get();

  OrvExpr* program = At(root, {COBOL_FILE__PROGRAM_LIST, 0});
  ASSERT_EQ(program->Oper(), COBOL_PROGRAM);
  EXPECT_EQ(program->FromSrc(), -1);
  EXPECT_EQ(program->Parent(), root->Args(COBOL_FILE__PROGRAM_LIST));
  OrvExpr* entry = At(program, {COBOL_PROGRAM__DATA_DIVISION, 0, DECL_DD__DATA_DESCRIPTION_ENTRY});
  ASSERT_EQ(entry->Oper(), DECL_DD_ENTRY);
  EXPECT_EQ(entry->FromSrc(), -2);
  EXPECT_EQ(entry->Args(DECL_DD_ENTRY__COPY_BEFORE_NAME), nullptr);
  EXPECT_EQ(entry->ArgSlots(DECL_DD_ENTRY__VALUE)->state, 0x7fff);
  EXPECT_EQ(Text(*entry->Args(DECL_DD_ENTRY__PICTURE)->Image()), "X(5)");
  EXPECT_EQ(Text(*entry->Args(DECL_DD_ENTRY__VALUE)->Image()), "'IT''S'");
  EXPECT_EQ(entry->Args(DECL_DD_ENTRY__LEVEL_NUMBER)->IntValue(), 1);

  OrvExpr* move = At(program, {COBOL_PROGRAM__PROCEDURE_DIVISION, 0});
  ASSERT_EQ(move->Oper(), STMT_MOVE);
  EXPECT_EQ(move->FromSrc(), 1);
  EXPECT_EQ(move->ArgSlots(STMT_MOVE__TARGETS)->state, 0x8001);
  EXPECT_EQ(move->ArgSlots(STMT_MOVE__TARGETS)->order, 5);
  EXPECT_EQ(move->Args(STMT_MOVE__SOURCE)->IntValue(), -5);
  const OrvToken* word = move->ArgSlots(STMT_MOVE__SOURCE)->tokens.First();
  ASSERT_NE(word, nullptr);
  EXPECT_EQ(word->code, TK_USER_DEFD_WORD);
  EXPECT_EQ(Text(word->image), "MOVE");
  EXPECT_EQ(word->begin, OrvTxtPosn(12, 7, OrvFileNameAdd(VString("ROUNDTRIP.cbl"))));

  OrvExpr* leaves = At(program, {COBOL_PROGRAM__PROCEDURE_DIVISION, 1});
  EXPECT_EQ(leaves->NArgs(), 5);
  EXPECT_TRUE(leaves->Args(0)->IsNullNode());
  EXPECT_EQ(Text(*leaves->Args(1)->Image()), "1.5E3");
  EXPECT_EQ(Text(*leaves->Args(2)->Image()), "tok\ttext:\n");
  EXPECT_EQ(leaves->Args(4), nullptr);

  // Links point into the new tree and back.
  OrvExpr* def = entry->Args(DECL_DD_ENTRY__DATA_ITEM_DEFINED);
  OrvExpr* use = move->Args(STMT_MOVE__TARGETS);
  OrvExpr* nameUse = At(use, {NAMED_OBJ_USE__NAMES, 0});
  OrvExpr* elt = At(program, {PROG_SYMBOL_TABLE, 0});
  ASSERT_EQ(def->Oper(), NAMED_OBJ_DEF);
  ASSERT_EQ(use->Oper(), NAMED_OBJ_USE);
  ASSERT_EQ(nameUse->Oper(), NAME_USE);
  ASSERT_EQ(elt->Oper(), SYMBOL_TABLE_ELT);
  EXPECT_EQ(use->Link(0)->node, def);
  EXPECT_EQ(def->Link(0)->node, elt);
  EXPECT_EQ(nameUse->Link(0)->node, elt);
  EXPECT_EQ(def->Links(0)->Count(), 1);
  EXPECT_EQ(def->Links(0)->Nth(0).node, use);
  ASSERT_EQ(elt->Links(0)->Count(), 2);
  EXPECT_TRUE(ListHoldsNode(elt, def));
  EXPECT_TRUE(ListHoldsNode(elt, nameUse));
  EXPECT_EQ(Text(*nameUse->Image()), "ITEM-X");
  EXPECT_EQ(Text(*def->Image()), "ITEM-X");
  EXPECT_EQ(static_cast<OrvNamedObjDef*>(def)->Category(), SYMCAT_DATA_NAME);
  EXPECT_EQ(static_cast<OrvNamedObjUse*>(use)->Category(), SYMCAT_DATA_NAME);
  EXPECT_EQ(sink.size(), 0u);

  // Destroying the copy's symbol table first leaves no dangling link.
  std::unique_ptr<OrvExpr> table(program->DelArg(PROG_SYMBOL_TABLE, 0, 0));
  table.reset();
  EXPECT_EQ(def->Link(0)->node, nullptr);
  EXPECT_EQ(nameUse->Link(0)->node, nullptr);
}

// A stream that cannot tell its size (no seeking), like a pipe.
class OneWayBuf : public std::streambuf {
public:
  explicit OneWayBuf(std::string& text) { setg(&text[0], &text[0], &text[0] + text.size()); }
};

TEST(OrvTicTree, ReadsFromFilesAndFromStreamsThatCannotSeek) {
  MessageRecorder sink;
  FullTree t = BuildFullTree();
  std::unique_ptr<OrvExpr> original(t.root);
  std::string text = Write(original.get());

  std::string path = testing::TempDir() + "OrvTicTree_test.tic";
  {
    std::ofstream out(path, std::ios::binary);
    OrvExpr::PutTic(original.get(), out);
  }
  std::ifstream file(path, std::ios::binary);
  OrvExpr* fromFile = nullptr;
  VString error;
  ASSERT_EQ(OrvGetTicTree(file, fromFile, error), ORV_OK) << Text(error);
  std::unique_ptr<OrvExpr> fileOwner(fromFile);
  EXPECT_EQ(Write(fromFile), text);
  std::remove(path.c_str());

  OneWayBuf buf(text);
  std::istream oneWay(&buf);
  OrvExpr* fromPipe = nullptr;
  ASSERT_EQ(OrvGetTicTree(oneWay, fromPipe, error), ORV_OK) << Text(error);
  std::unique_ptr<OrvExpr> pipeOwner(fromPipe);
  EXPECT_EQ(Write(fromPipe), text);

  // Without a size to go by, the fixed limits hold.
  std::string hostile = "1\n7:-(bad)-" + std::to_string(OrvTicMaxNodes + 1) + "\n\no1:0:0:0:#";
  OneWayBuf hostileBuf(hostile);
  std::istream hostileIn(&hostileBuf);
  OrvExpr* none = nullptr;
  EXPECT_EQ(OrvGetTicTree(hostileIn, none, error), ORV_TIC_BAD_INDEX);
  EXPECT_EQ(none, nullptr);
  std::string wide = "1\n7:-(bad)-1\n\no3:" + std::to_string(OrvTicMaxSlots + 1) + ":0:0:#";
  OneWayBuf wideBuf(wide);
  std::istream wideIn(&wideBuf);
  EXPECT_EQ(OrvGetTicTree(wideIn, none, error), ORV_TIC_BAD_ARITY);
  EXPECT_EQ(none, nullptr);
}

TEST(OrvTicTree, WrittenFormOfASmallTree) {
  std::unique_ptr<OrvExpr> root(N(EX_LIST, {new OrvCharString(VString("A"))}));
  root->ArgSlots(0)->tokens.AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(3, 0, 0), VString("A"));
  EXPECT_EQ(Write(root.get()),
            FilePart() + "2\n" + "\no3:1:0:0:#" + "0:-1:-T419,1:A[3,0,n0][3,0,n0]#1" +
                "\no801:0:0:1:#1:A");
  EXPECT_EQ(root->Serial(), 0u);
  EXPECT_EQ(root->Args(0)->Serial(), 1u);
  EXPECT_EQ(OrvNodeCounter, 2u);
}

TEST(OrvTicTree, PositionsWrittenWithFileNamesReadBack) {
  MessageRecorder sink;
  FullTree t = BuildFullTree();
  std::unique_ptr<OrvExpr> original(t.root);
  int saved = OrvTicPosnWithFileNames;
  OrvTicPosnWithFileNames = 1;
  std::string first = Write(original.get());
  ReadResult r = Read(first);
  std::string second = r.root != nullptr ? Write(r.root.get()) : std::string();
  OrvTicPosnWithFileNames = saved;
  ASSERT_EQ(r.code, ORV_OK) << r.error;
  EXPECT_NE(first.find("s13:ROUNDTRIP.cbl]"), std::string::npos);
  EXPECT_EQ(second, first);
  const OrvToken* word =
      At(r.root.get(), {COBOL_FILE__PROGRAM_LIST, 0, COBOL_PROGRAM__PROCEDURE_DIVISION, 0})
          ->ArgSlots(STMT_MOVE__SOURCE)
          ->tokens.First();
  ASSERT_NE(word, nullptr);
  EXPECT_EQ(word->begin.FileIx(), OrvFileNameAdd(VString("ROUNDTRIP.cbl")));
}

TEST(OrvTicTree, EmptyTreeReadsBackAsNull) {
  std::string text = Write(nullptr);
  EXPECT_EQ(text, FilePart() + "0\n");
  ReadResult r = Read(text);
  EXPECT_EQ(r.code, ORV_OK) << r.error;
  EXPECT_EQ(r.root, nullptr);
}

// The start of a hand-written text: one file name, "-(bad)-".
const std::string P = "1\n7:-(bad)-";

TEST(OrvTicTree, BadInputGivesItsCode) {
  struct Case {
    const char* what;
    std::string text;
    OrvResult code;
    const char* error;  // expected message, or "" to check only the code
  };
  const Case cases[] = {
      {"empty input", "", ORV_TIC_BAD_NUMBER, ""},
      {"negative file count", "-1\n", ORV_TIC_BAD_NUMBER,
       "GetTicIntNo: negative number -1 is not allowed"},
      {"too many file names", "99999999\n", ORV_TIC_BAD_NUMBER, ""},
      {"file name cut short", "1\n20:abc", ORV_TIC_EOF,
       "EOF or read error while reading TIC input stream"},
      {"bad start of node", P + "1\n\nx1:0:", ORV_TIC_BAD_FORMAT,
       "OrvExpr::GetTicOp: bad start for operation"},
      {"node missing", P + "1\n", ORV_TIC_BAD_FORMAT, "OrvExpr::GetTicOp: bad start for operation"},
      {"negative slot count", P + "1\n\no3:-1:", ORV_TIC_BAD_NUMBER,
       "GetTicIntNo: negative number -1 is not allowed"},
      {"slot count differs from arity", P + "1\n\no7:3:0:0:#", ORV_TIC_BAD_ARITY,
       "Bad number of args for oper: 3. Expected: 7"},
      {"leaf with a slot", P + "1\n\no801:1:0:0:#", ORV_TIC_BAD_ARITY,
       "Bad number of args for oper: 1. Expected: 0"},
      {"invalid operation code", P + "1\n\no1401:0:0:0:#", ORV_TIC_BAD_ARITY,
       "Bad number of args for oper: 0. Expected: -1"},
      {"operation code 0", P + "1\n\no0:0:0:0:#", ORV_TIC_BAD_ARITY,
       "Bad number of args for oper: 0. Expected: -1"},
      {"serial out of range", P + "1\n\no1:0:0:5:#", ORV_TIC_BAD_INDEX,
       "Node index 5 out of range"},
      {"two nodes with one serial", P + "2\n\no3:2:0:0:#0:-1:#1\no1:0:0:1:#0:-1:#1\no1:0:0:1:#",
       ORV_TIC_BAD_INDEX, "Node with this index busy"},
      {"bad slot code", P + "2\n\no3:1:0:0:#0:-1:#2", ORV_TIC_BAD_FORMAT,
       "OrvExprOper::GetTic: bad arg code '2'"},
      {"bad token list end", P + "1\n\no1:0:0:0:!", ORV_TIC_BAD_FORMAT,
       "OrvTokenList::GetTic: '#' is expected"},
      {"bad number ender", P + "1\n\no1;0:0:0:#", ORV_TIC_BAD_NUMBER, ""},
      {"more nodes than the input holds", P + "1000000\n\no1:0:0:0:#", ORV_TIC_BAD_INDEX, ""},
      {"more slots than the input holds", P + "1\n\no3:100000000:0:0:#", ORV_TIC_BAD_ARITY, ""},
      {"file index outside the map", P + "1\n\no1:0:0:0:-T5,1:x[1,0,n5][1,0,n0]#",
       ORV_TIC_BAD_FORMAT, "OrvTxtPosn::GetTic: file_ix 5 is out of range -1..1"},
      {"string cut short in a node", P + "1\n\no801:0:0:0:#9:AB", ORV_TIC_EOF, ""},
      {"negative string length", P + "1\n\no801:0:0:0:#-3:AB", ORV_TIC_BAD_NUMBER,
       "GetTicIntNo: negative number -3 is not allowed"},
      {"negative node serial", P + "1\n\no1:0:0:-1:#", ORV_TIC_BAD_NUMBER, ""},
      {"int value without ender", P + "1\n\no803:0:0:0:#1:7" + "7", ORV_TIC_BAD_NUMBER, ""},
  };
  MessageRecorder sink;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ReadResult r = Read(c.text);
    EXPECT_EQ(r.code, c.code) << r.error;
    EXPECT_EQ(r.root, nullptr);
    if (c.error[0] != '\0') {
      EXPECT_EQ(r.error, c.error);
    }
    EXPECT_FALSE(r.error.empty());
  }
}

TEST(OrvTicTree, ReadsWhatTheWriterWritesForNegativeStates) {
  // States 2 and 3 are written as -2 and -1; a slot state with bit 15 set
  // is written as a negative 16-bit number.
  ReadResult r = Read(P + "2\n\no3:1:-1:0:#-32767:-1:#1\no1:0:-2:1:#");
  ASSERT_EQ(r.code, ORV_OK) << r.error;
  EXPECT_EQ(r.root->FromSrc(), -1);
  EXPECT_EQ(r.root->ArgSlots(0)->state, 0x8001);
  EXPECT_EQ(r.root->Args(0)->FromSrc(), -2);
}

TEST(OrvTicTree, EmptySlotReadsBackEmpty) {
  std::unique_ptr<OrvExpr> root(N(STMT_MOVE, {nullptr, new OrvNullNode()}));
  std::string text = Write(root.get());
  EXPECT_NE(text.find("\no638:2:0:0:#0:-1:#0"), std::string::npos) << text;
  ReadResult r = Read(text);
  ASSERT_EQ(r.code, ORV_OK) << r.error;
  EXPECT_EQ(r.root->NArgs(), 2);
  EXPECT_EQ(r.root->Args(STMT_MOVE__SOURCE), nullptr);
  ASSERT_NE(r.root->Args(STMT_MOVE__TARGETS), nullptr);
  EXPECT_TRUE(r.root->Args(STMT_MOVE__TARGETS)->IsNullNode());
}

TEST(OrvTicTree, FileIndexesMapToThisRunsTable) {
  int other = OrvFileNameAdd(VString("MAPPED-ELSEWHERE.cbl"));
  ReadResult r = Read("2\n7:-(bad)-20:MAPPED-ELSEWHERE.cbl1\n\no1:0:0:0:-T5,1:x[1,0,n1][1,2,n-1]#");
  ASSERT_EQ(r.code, ORV_OK) << r.error;
  const OrvToken* token = r.root->Tokens().First();
  ASSERT_NE(token, nullptr);
  EXPECT_EQ(token->begin.FileIx(), other);
  EXPECT_EQ(token->end.FileIx(), +OrvTxtPosn::NoFileIx);
}

TEST(OrvTicTree, NestingDeeperThanTheLimitIsRefused) {
  MessageRecorder sink;
  for (int depth : {OrvTicMaxDepth - 1, OrvTicMaxDepth}) {
    SCOPED_TRACE(depth);
    std::unique_ptr<OrvExpr> root(N(EX_LIST));
    OrvExpr* cur = root.get();
    for (int i = 0; i < depth; ++i) {
      OrvExpr* child = N(EX_LIST);
      cur->AddArg(child);
      cur = child;
    }
    ReadResult r = Read(Write(root.get()));
    if (depth < OrvTicMaxDepth) {
      EXPECT_EQ(r.code, ORV_OK) << r.error;
    } else {
      EXPECT_EQ(r.code, ORV_TIC_BAD_FORMAT);
      EXPECT_NE(r.error.find("nested deeper"), std::string::npos) << r.error;
    }
  }
}

TEST(OrvTicTree, LinksThatDoNotPointBackAreNullified) {
  MessageRecorder sink;
  // A name use whose element does not list it, and an element that lists a
  // node that is not a name use or definition.
  std::string text = P + "3\n" + "\no9:2:0:0:#" + "0:-1:#1\no10:0:0:1:#1:A0:=2:&" +
                     "0:-1:#1\no807:0:0:2:#1:";
  ReadResult r = Read(text);
  ASSERT_EQ(r.code, ORV_OK) << r.error;
  OrvExpr* elt = r.root->Args(0);
  OrvExpr* nameUse = r.root->Args(1);
  // The element lists the name use and the name use points at the element:
  // that pair is sound.
  EXPECT_EQ(nameUse->Link(0)->node, elt);
  EXPECT_EQ(elt->Links(0)->Count(), 1);
  EXPECT_EQ(sink.size(), 0u);

  // The name use points at the element, which does not list it.
  ReadResult bad = Read(P + "3\n" + "\no9:2:0:0:#" + "0:-1:#1\no10:0:0:1:#1:A0:&" +
                        "0:-1:#1\no807:0:0:2:#1:");
  ASSERT_EQ(bad.code, ORV_OK) << bad.error;
  EXPECT_EQ(bad.root->Args(1)->Link(0)->node, nullptr);
  ASSERT_EQ(sink.size(), 1u);
  EXPECT_NE(sink.text(0).find("Link nullified"), std::string::npos);

  // The element lists the list node itself (serial 0), which has no link.
  sink.clear();
  ReadResult wrong = Read(P + "2\n" + "\no9:1:0:0:#" + "0:-1:#1\no10:0:0:1:#1:A0:=0:&");
  ASSERT_EQ(wrong.code, ORV_OK) << wrong.error;
  EXPECT_EQ(wrong.root->Args(0)->Links(0)->Count(), 0);
  EXPECT_EQ(sink.size(), 1u);
}

TEST(OrvTicTree, TruncatedInputNeverSucceedsOrCrashes) {
  MessageRecorder sink;
  FullTree t = BuildFullTree();
  std::unique_ptr<OrvExpr> original(t.root);
  std::string text = Write(original.get());
  for (size_t len = 0; len < text.size(); ++len) {
    ReadResult r = Read(text.substr(0, len));
    ASSERT_NE(r.code, ORV_OK) << "prefix of " << len << " bytes";
    ASSERT_EQ(r.root, nullptr);
    ASSERT_FALSE(r.error.empty());
  }
}

TEST(OrvTicTree, DamagedInputNeverCrashes) {
  MessageRecorder sink;
  FullTree t = BuildFullTree();
  std::unique_ptr<OrvExpr> original(t.root);
  const std::string text = Write(original.get());
  std::mt19937 random(20261210);
  const char alphabet[] = "0123456789:-#=&o\n[],nsT|x";
  int read = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string damaged = text;
    int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes; ++i) {
      size_t at = random() % damaged.size();
      switch (random() % 3) {
        case 0: damaged[at] = alphabet[random() % (sizeof alphabet - 1)]; break;
        case 1: damaged[at] = static_cast<char>(random() % 256); break;
        default: damaged.erase(at, 1 + random() % 3); break;
      }
    }
    ReadResult r = Read(damaged);
    if (r.code == ORV_OK) {
      ++read;
      // What was read can be checked, written and read again.
      OrvTokenList messages;
      OrvCheckTree(r.root.get(), &messages);
      Write(r.root.get());
    } else {
      ASSERT_EQ(r.root, nullptr);
      ASSERT_FALSE(r.error.empty());
    }
  }
  // Some changes (inside images, say) leave a readable tree.
  EXPECT_GT(read, 0);
}

// Every number of a sound text (counts, lengths, codes, serials, states,
// link indexes, positions), set in turn to each value at or beyond a limit:
// the reader either refuses the text with a message or gives a tree that can
// be checked, written and deleted.
TEST(OrvTicTree, NumbersAtTheirLimitsNeverCrash) {
  MessageRecorder sink;
  FullTree t = BuildFullTree();
  std::unique_ptr<OrvExpr> original(t.root);
  const std::string text = Write(original.get());
  const char* const limits[] = {"0",          "1",          "-1",          "-2",
                                "2",          "3",          "39",          "40",
                                "32767",      "32768",      "65534",       "65535",
                                "65536",      "2147483647", "-2147483648", "4294967295",
                                "99999999999", "1400",      "1401",        "806"};
  int numbers = 0;
  for (size_t at = 0; at < text.size();) {
    const bool sign = text[at] == '-' && at + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[at + 1]));
    if (!sign && !std::isdigit(static_cast<unsigned char>(text[at]))) {
      ++at;
      continue;
    }
    size_t end = at + 1;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    ++numbers;
    for (const char* value : limits) {
      std::string changed = text;
      changed.replace(at, end - at, value);
      ReadResult r = Read(changed);
      if (r.code == ORV_OK) {
        OrvTokenList messages;
        OrvCheckTree(r.root.get(), &messages);
        Write(r.root.get());
      } else {
        ASSERT_EQ(r.root, nullptr) << changed;
        ASSERT_FALSE(r.error.empty()) << changed;
      }
    }
    at = end;
  }
  EXPECT_GT(numbers, 100);
}

TEST(OrvTicTree, RandomBytesNeverCrash) {
  MessageRecorder sink;
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::string junk = std::to_string(random() % 3) + "\n";
    if (random() % 2) junk = P + std::to_string(random() % 50) + "\n";
    size_t n = random() % 200;
    for (size_t i = 0; i < n; ++i) junk += static_cast<char>(random() % 256);
    ReadResult r = Read(junk);
    if (r.code != ORV_OK) {
      ASSERT_EQ(r.root, nullptr);
    }
  }
}

// A list of a symbol-table element and `uses` name uses of it, the element
// first or last; the element's list names the uses in the order given by
// `reversed`.
std::string ElementWithUses(int uses, bool elementFirst, bool reversed) {
  const int eltSerial = elementFirst ? 1 : uses + 1, firstUse = elementFirst ? 2 : 1;
  std::string element = "0:-1:#1\no10:0:0:" + std::to_string(eltSerial) + ":#1:X10:";
  for (int i = 0; i < uses; ++i)
    element += "=" + std::to_string(firstUse + (reversed ? uses - 1 - i : i)) + ":";
  element += "&";
  std::string text = "1\n7:-(bad)-" + std::to_string(uses + 2) + "\n\no3:" + std::to_string(uses + 1) +
                     ":0:0:#";
  if (elementFirst) text += element;
  for (int i = 0; i < uses; ++i)
    text += "0:-1:#1\no807:0:0:" + std::to_string(firstUse + i) + ":#" + std::to_string(eltSerial) + ":";
  if (!elementFirst) text += element;
  return text;
}

// Reading checks that every link points back without a scan of the
// element's list per use, and deleting the tree does not make each use
// search that list either (uses ahead of their element, as the procedure
// division stands ahead of the symbol table): 200,000 uses of one name are
// read, checked and deleted at once, all bound while the tree lives.
TEST(OrvTicTree, ElementWithVeryManyUsesReadsBindsAndDeletes) {
  MessageRecorder sink;
  const int uses = 200000;
  for (bool elementFirst : {true, false}) {
    for (bool reversed : {false, true}) {
      SCOPED_TRACE(std::string(elementFirst ? "element first" : "element last") +
                   (reversed ? ", list in reverse order" : ", list in tree order"));
      const std::string text = ElementWithUses(uses, elementFirst, reversed);
      ReadResult r = Read(text);
      ASSERT_EQ(r.code, ORV_OK) << r.error;
      EXPECT_EQ(sink.size(), 0u);
      OrvExpr* elt = r.root->Args(elementFirst ? 0 : uses);
      ASSERT_EQ(elt->Oper(), SYMBOL_TABLE_ELT);
      ASSERT_EQ(elt->Links(0)->Count(), uses);
      for (int i : {0, uses / 2, uses - 1}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(r.root->Args(elementFirst ? i + 1 : i)->Link(0)->node, elt);
      }
      r.root.reset();
    }
  }
}

// A TIC text of a lone null node whose file list holds `names`.
std::string TreeWithFileNames(const std::vector<std::string>& names) {
  std::string text = std::to_string(names.size()) + "\n";
  for (const std::string& n : names) text += std::to_string(n.size()) + ":" + n;
  return text + "1\n\no1:0:0:0:#";
}

// Fills the process-wide file-name table through the tree reader, then
// checks what can still be read; answers the number of the first check that
// failed (0 when all held), with the reason on standard error.
int FillFileNameTableAndCheck() {
  std::vector<std::string> names;
  for (int i = OrvFileNameTable().count; i < OrvFileNameTableLimit; ++i)
    names.push_back("fill-" + std::to_string(i) + ".cpy");
  ReadResult filled = Read(TreeWithFileNames(names));
  if (filled.code != ORV_OK || OrvFileNameTable().count != OrvFileNameTableLimit) {
    std::fprintf(stderr, "filling: %d %s\n", filled.code, filled.error.c_str());
    return 1;
  }
  const std::string known = names.back();
  const int knownIx = OrvFileNameTableLimit - 1;
  if (OrvFileNameAdd(VString(known.c_str())) != knownIx) return 2;

  const std::string full = " (the table holds " + std::to_string(OrvFileNameTableLimit) + ")";
  const struct {
    const char* what;
    std::string text;
    bool position;  // read as one position, else as a tree
    OrvResult code;
    std::string error;
  } cases[] = {
      {"tree naming a new file", TreeWithFileNames({known, "one-too-many.cbl"}), false,
       ORV_TIC_BAD_INDEX, "OrvGetTicTree: no room for another file name" + full},
      {"tree naming only known files", TreeWithFileNames({known, "-(bad)-"}), false, ORV_OK, ""},
      {"position naming a new file", "[4,2,s9:fresh.cbl]", true, ORV_TIC_BAD_FORMAT,
       "OrvTxtPosn::GetTic: no room for another file name" + full},
      {"position naming a known file",
       "[4,2,s" + std::to_string(known.size()) + ":" + known + "]", true, ORV_OK, ""},
  };
  int step = 3;
  for (const auto& c : cases) {
    ++step;
    OrvResult code;
    std::string error;
    if (c.position) {
      std::istringstream in(c.text);
      OrvTxtPosn p;
      VString e;
      code = p.GetTic(in, e);
      error = Text(e);
      if (code == ORV_OK && p.FileIx() != knownIx) code = 255;
    } else {
      ReadResult r = Read(c.text);
      code = r.code;
      error = r.error;
      if ((code == ORV_OK) != (r.root != nullptr)) code = 255;
    }
    if (code != c.code || (c.code != ORV_OK && error != c.error) ||
        OrvFileNameTable().count != OrvFileNameTableLimit) {
      std::fprintf(stderr, "%s: %d %s\n", c.what, code, error.c_str());
      return step;
    }
  }
  if (OrvFileNameAdd(VString("never-added.cbl")) != OrvTxtPosn::NoFileIx) return 20;
  if (OrvFileNameTable().count != OrvFileNameTableLimit) return 21;
  return 0;
}

// A position names at most OrvFileNameTableLimit files, so the table stops
// there: a new name beyond it is refused (by the readers with a message)
// instead of being added under an index no position can hold.  Filling it
// also shows that finding a name does not compare it with all the others
// (the reader adds 65,000 names at once).  Runs in a child process, which
// keeps the full table to itself.
TEST(OrvTicTree, FileNameTableFullRefusesNewNames) {
  EXPECT_EXIT(_exit(FillFileNameTableAndCheck()), ::testing::ExitedWithCode(0), "");
}

TEST(OrvTicTree, NodeFactoryChoosesTheClassOfTheOperation) {
  struct Case {
    int op;
    int slots;
    bool image;
  };
  const Case cases[] = {
      {NULL_NODE, 0, false},       {SYMBOL_TABLE_ELT, 0, true}, {STR_CONST, 0, true},
      {CHAR_STRING, 0, true},      {TOKEN_STRING, 0, true},     {INT_NUM_CONST, 0, true},
      {REAL_NUM_CONST, 0, true},   {NAMED_OBJ_DEF, 0, true},    {NAME_USE, 0, true},
      {NAMED_OBJ_USE, 1, false},   {COBOL_PROGRAM, 7, false},   {EX_LIST, 3, false},
      {EX_LIST, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(OrvOperName(c.op));
    OrvExpr* node = nullptr;
    VString error;
    ASSERT_EQ(OrvExpr::NewFromTic(c.op, c.slots, node, error), ORV_OK) << Text(error);
    std::unique_ptr<OrvExpr> owner(node);
    EXPECT_EQ(node->Oper(), c.op);
    EXPECT_EQ(node->NArgs(), c.slots);
    EXPECT_EQ(node->HasImage() != 0, c.image);
    EXPECT_EQ(node->IsNullNode() != 0, c.op == NULL_NODE);
    for (int i = 0; i < c.slots; ++i) EXPECT_EQ(node->Args(i), nullptr);
  }
  OrvExpr* node = reinterpret_cast<OrvExpr*>(1);
  VString error;
  EXPECT_NE(OrvExpr::NewFromTic(0, 0, node, error), ORV_OK);
  EXPECT_EQ(node, nullptr);
  EXPECT_NE(OrvExpr::NewFromTic(CHAR_STRING, 2, node, error), ORV_OK);
  EXPECT_EQ(node, nullptr);
}

TEST(OrvTicTree, GetTicOpReadsOneNodeOnItsOwn) {
  std::istringstream in("\no808:1:0:41:#0:-1:#1\no801:0:1:42:#3:ABC");
  OrvExpr* node = nullptr;
  VString error;
  ASSERT_EQ(OrvExpr::GetTicOp(in, node, error), ORV_OK) << Text(error);
  std::unique_ptr<OrvExpr> owner(node);
  EXPECT_EQ(node->Oper(), OF_IN_LIST);
  EXPECT_EQ(node->Serial(), 41u);
  ASSERT_EQ(node->NArgs(), 1);
  EXPECT_EQ(node->Args(0)->Serial(), 42u);
  EXPECT_EQ(node->Args(0)->FromSrc(), 1);
  EXPECT_EQ(Text(*node->Args(0)->Image()), "ABC");
}

TEST(OrvCheckTree, SoundTreePasses) {
  FullTree t = BuildFullTree();
  std::unique_ptr<OrvExpr> root(t.root);
  OrvTokenList messages;
  EXPECT_EQ(OrvCheckTree(root.get(), &messages), ORV_OK);
  EXPECT_TRUE(messages.IsEmpty());
  EXPECT_EQ(root->Serial(), 0u);
  EXPECT_EQ(OrvCheckTree(root.get(), nullptr), ORV_OK);
}

TEST(OrvCheckTree, SharedNodeGives37) {
  OrvExpr* shared = new OrvCharString(VString("S"));
  shared->Tokens().AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(4, 2, 0), VString("S"));
  std::unique_ptr<OrvExpr> root(N(STMT_MOVE, {shared, nullptr}));
  // Hang the same node in a second slot behind the node interface's back.
  root->ArgSlots(STMT_MOVE__TARGETS)->child = shared;
  OrvTokenList messages;
  EXPECT_EQ(OrvCheckTree(root.get(), &messages), ORV_TIC_NODE_TWICE);
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.First()->code, MSG_ERR);
  EXPECT_EQ(Text(messages.First()->image), "CHAR_STRING appears in the tree more than one time");
  EXPECT_EQ(messages.First()->begin, OrvTxtPosn(4, 2, 0));
  root->ArgSlots(STMT_MOVE__TARGETS)->child = nullptr;
}

// The two ends of a link between a tree and a node outside it.
struct LinkedPair {
  OrvExpr* single;  // the node with the single link
  OrvExpr* list;    // the node whose link list holds the other one
};

LinkedPair NameUseAndElement() {
  OrvSymTabElt* elt = new OrvSymTabElt(VString("OUT"), 0, OrvLinkList());
  return {new OrvNameUse(OrvLink(elt, -1)), elt};
}

LinkedPair UseAndDefinition() {
  OrvNamedObjDef* def = new OrvNamedObjDef(SYMCAT_DATA_NAME, OrvLink(), OrvLinkList());
  OrvNamedObjUse* use = new OrvNamedObjUse(N(OF_IN_LIST), SYMCAT_DATA_NAME, 0);
  use->BindDefinition(def, -1);
  return {use, def};
}

// A link cut by the check leaves no pointer between the tree and the node
// outside it in either direction, whichever of the two is destroyed first
// (the sanitizer build catches a read of freed memory).
TEST(OrvCheckTree, LinkOutsideTheTreeIsCutAtBothEnds) {
  struct Case {
    const char* what;
    LinkedPair (*make)();
    bool singleInTree;  // else the list holder is in the tree
    bool outsideFirst;  // destroy the outside node before the tree
  };
  const Case cases[] = {
      {"name use in tree, element out; element goes first", NameUseAndElement, true, true},
      {"name use in tree, element out; tree goes first", NameUseAndElement, true, false},
      {"element in tree, name use out; name use goes first", NameUseAndElement, false, true},
      {"element in tree, name use out; tree goes first", NameUseAndElement, false, false},
      {"use in tree, definition out; definition goes first", UseAndDefinition, true, true},
      {"use in tree, definition out; tree goes first", UseAndDefinition, true, false},
      {"definition in tree, use out; use goes first", UseAndDefinition, false, true},
      {"definition in tree, use out; tree goes first", UseAndDefinition, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LinkedPair pair = c.make();
    OrvExpr* inside = c.singleInTree ? pair.single : pair.list;
    OrvExpr* outside = c.singleInTree ? pair.list : pair.single;
    OrvExpr* root = N(EX_LIST, {inside});
    OrvTokenList messages;
    EXPECT_EQ(OrvCheckTree(root, &messages), ORV_TIC_NODE_TWICE);
    // A cut single link is reported once; a cut list entry also as ENULL.
    EXPECT_EQ(messages.Count(), c.singleInTree ? 1 : 2);
    EXPECT_EQ(pair.single->Link(0)->node, nullptr);
    for (OrvLinkElem* e = pair.list->Links(0)->Head(); e != nullptr; e = e->next)
      EXPECT_EQ(e->link.node, nullptr);
    if (c.outsideFirst) {
      delete outside;
      delete root;
    } else {
      delete root;
      delete outside;
    }
  }
}

}  // namespace
