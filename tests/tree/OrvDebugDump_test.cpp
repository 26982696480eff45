// Debug dump of trees: node lines, slot heads, token lines, the common tail,
// and a small tree against its golden text.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "MessageRecorder.h"
#include "OrvConstNodes.h"
#include "OrvDebugDump.h"
#include "OrvExprOper.h"

namespace {

std::string Dump(const OrvExpr& n) {
  std::ostringstream out;
  n.DebugDump(out);
  return out.str();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Sets the detail level for one test.
class DumpLevel {
 public:
  explicit DumpLevel(int level) : saved_(OrvDumpLevel) { OrvDumpLevel = level; }
  ~DumpLevel() { OrvDumpLevel = saved_; }

 private:
  int saved_;
};

TEST(OrvDebugDump, LoneNullNodeIsOneLine) {
  OrvNullNode n;
  EXPECT_EQ(Dump(n), "NULL_NODE\n");
  EXPECT_EQ(OrvDumpDepth, 0);
}

TEST(OrvDebugDump, LeafLines) {
  struct Case {
    OrvExpr* node;
    const char* line;
  };
  const Case cases[] = {
      {new OrvCharString(VString("WS-A")), "CHAR_STRING WS-A\n"},
      {new OrvTokenString(VString("EXEC SQL")), "TOKEN_STRING EXEC SQL\n"},
      {new OrvRealNumConst(VString("1.5")), "REAL_NUM_CONST 1.5\n"},
      {new OrvIntNumConst(VString("+7"), 7), "INT_NUM_CONST image=+7 value=7\n"},
      {new OrvStrConst(VString("'AB'")), "STR_CONST 'AB'\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(Dump(*c.node), c.line);
    delete c.node;
  }
}

TEST(OrvDebugDump, EmptySlotShowsNullAtDepthOne) {
  OrvExprOper n(LOG_NOT);
  EXPECT_EQ(Dump(n), "LOG_NOT\n1.0 -1. (NULL)\n");
  EXPECT_EQ(OrvDumpDepth, 0);
}

TEST(OrvDebugDump, CommonTailShowsGenpPrintValueAndTokens) {
  OrvNullNode n;
  n.SetGenp(0xffffff, 0xffffff);
  n.SetPrintValue(0);
  EXPECT_EQ(Dump(n), "NULL_NODE\n");
  n.SetGenp(12, 0x01ffffff);  // only the low 24 bits say "none"
  n.SetPrintValue(-3);
  n.Tokens().AddToken(SEP_DOT, OrvTxtPosn(), VString("."));
  n.Tokens().AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(2, 7, 0), VString("X"));
  std::ostringstream codes;
  for (OrvToken* t = n.Tokens().First(); t != nullptr; t = n.Tokens().Next(t)) {
    codes << "        \\ ";
    t->PrintCode(codes);
    codes << '\n';
  }
  EXPECT_EQ(Dump(n), "NULL_NODE genp=12 - 33554431 l=-3 tail=\n" + codes.str());
}

TEST(OrvDebugDump, SerialAndAddressAppearAboveLevelOne) {
  DumpLevel level(2);
  OrvNullNode n;
  n.SetSerial(77);
  std::ostringstream addr;
  addr << static_cast<const void*>(&n);
  EXPECT_EQ(Dump(n), "NULL_NODE #77 @" + addr.str() + "\n");
}

TEST(OrvDebugDump, SubdivisionsAppearAboveLevelZero) {
  OrvExprOper n(EX_LIST);
  n.SetSd(new int16_t[3]{5, -1, 12}, 3);
  EXPECT_EQ(Dump(n), "EX_LIST SD[3]: 5 -1 12 \n");
  DumpLevel level(0);
  EXPECT_EQ(Dump(n), "EX_LIST\n");
}

// COBOL_FILE [ COBOL_PROGRAM_LIST [ LOG_NOT [ STR_CONST ] , INT_NUM_CONST ],
//              (empty), NULL_NODE, CHAR_STRING ]
// with slot tokens, a tail, slot states and orders, node states and a
// bad operation code.
OrvExpr* SmallTree() {
  OrvExprOper* notNode = new OrvExprOper(LOG_NOT, new OrvStrConst(VString("'HI'")));
  OrvExprOper* list = new OrvExprOper(COBOL_PROGRAM_LIST, notNode,
                                      new OrvIntNumConst(VString("007"), 7));
  OrvExprOper* root = new OrvExprOper(COBOL_FILE);
  root->SetArg(0, list, 0, 0);
  root->SetArg(2, new OrvNullNode);
  root->SetArg(3, new OrvCharString(VString("END")), 12, 1);
  root->ArgSlots(1)->state = 0x8000;
  root->ArgSlots(0)->tokens.AddToken(CM_COMMENT, OrvTxtPosn(1, 6, 0), VString("*> head"));
  list->ArgSlots(1)->tokens.AddToken(SEP_COMMA, OrvTxtPosn(2, 10, 0), VString(","));
  notNode->Args(0)->Tokens().AddToken(TK_NONNUM_LIT, OrvTxtPosn(2, 4, 0), VString("'HI'"));
  root->Tokens().AddToken(SEP_DOT, OrvTxtPosn(3, 0, 0), VString("."));
  notNode->SetFromSrc(1);
  list->SetFromSrc(-1);
  root->Args(2)->SetFromSrc(1);
  OrvExprOper* bad = new OrvExprOper(EX_LIST);
  MessageRecorder quiet;
  bad->SetOper(static_cast<OrvOper>(1401), 0, 0);
  list->AddArg(bad);
  return root;
}

TEST(OrvDebugDump, SmallTreeMatchesGoldenText) {
  OrvExpr* tree = SmallTree();
  std::string golden = ReadFile(std::string(LARK_TEST_DATA) + "/tree_dump.golden");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(Dump(*tree), golden);
  EXPECT_EQ(OrvDumpDepth, 0);
  delete tree;
}

}  // namespace
