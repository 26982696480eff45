// The memory of a parsed tree as its readers see it.  The fill of empty
// slots, made lazily: a tree whose fill NULL_NODEs are left unmade reads as
// the tree whose fill made them all (the walk that a tree-edit hook forces):
// the same statistics, the same dump, and each NULL_NODE, once asked for,
// with from-source state 1 and the serial the walk gives it.  What leaves a
// tree before it is deleted (a subtree, a token) stays whole while the next
// sources are parsed into the same arenas.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OrvDebugDump.h"
#include "OrvDials.h"
#include "OrvExprOper.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvProgStats.h"
#include "OrvSourceParser.h"
#include "OrvToken.h"
#include "OrvTreeWalk.h"
#include "ScratchDir.h"
#include "TestStrings.h"

namespace {

// A small program with data entries and statements that leave many slots
// empty (clauses not given, optional phrases), one line per text.
const char* const kProgram[] = {
    "IDENTIFICATION DIVISION.",        "PROGRAM-ID. FILLS.",
    "DATA DIVISION.",                  "WORKING-STORAGE SECTION.",
    "01 R.",                           "   05 A PIC X(3) VALUE 'ABC'.",
    "   05 B PIC 9(4) COMP.",          "   05 C OCCURS 2 PIC X.",
    "01 K PIC S9(3)V9 VALUE -1.5.",    "PROCEDURE DIVISION.",
    "P1.",                             "    MOVE A TO C (1).",
    "    IF B > 0 DISPLAY A ELSE ADD 1 TO B.",
    "    PERFORM P2.",                 "    STOP RUN.",
    "P2.",                             "    EXIT.",
};

// A NULL_NODE of the fill found in a slot, by its serial relative to the
// root's (serials are process-wide, the order within one parse is not).
struct FillSlot {
  OrvExpr* node;
  int slot;
  long relSerial;
};

// A tree-edit hook that only watches: installed, the fill makes every
// NULL_NODE as it walks, as it always did.
void Watch(int, OrvExpr*, OrvExpr*, int, const VString&) {}

class ParsedTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parser.messageSink = &MessageRecorder::Sink;
    parser.primaryDialect = ORV_DIAL_ANSI85;
    VString problem;
    ASSERT_EQ(0, parser.ResolveDialectOptions(problem)) << Str(problem);
    for (const char* line : kProgram) source += std::string("       ") + line + "\n";
  }
  void TearDown() override {
    OrvTreeEditHook = nullptr;
    delete tree;
  }

  // Parses the program (or `text`), with the fill made eagerly or left
  // lazy; the tree parsed before is deleted first.
  OrvExpr* Parse(bool eager, const std::string& text = std::string()) {
    delete tree;
    tree = nullptr;
    OrvTreeEditHook = eager ? &Watch : nullptr;
    OrvTokenList messages;
    const std::string& program = text.empty() ? source : text;
    const OrvParserResult result =
        parser.Parse(VString(dir.Write("fills.cbl", program).c_str()), &tree, &messages);
    OrvTreeEditHook = nullptr;
    EXPECT_EQ(result, ORV_PARSE_OK);
    return tree;
  }

  // Every slot of the tree below `node` that the fill left unmade, in the
  // walk's pre-order, read without making anything.
  static void Unmade(OrvExpr* node, long rootSerial, std::vector<FillSlot>& out) {
    for (int i = 0; i < node->NArgs(); ++i) {
      uint32_t serial = 0;
      if (node->PeekFill(i, &serial)) out.push_back({node, i, long(serial) - rootSerial});
    }
    for (int i = 0; i < node->NArgs(); ++i)
      if (OrvExpr* child = node->PeekChild(i)) Unmade(child, rootSerial, out);
  }

  // Every NULL_NODE of the tree whose from-source state is 1 and which sits
  // in a slot of state 0 (as the fill puts it), in pre-order, through the
  // node interface (which makes an unmade one).
  static void Made(OrvExpr* node, long rootSerial, std::vector<FillSlot>& out) {
    for (int i = 0; i < node->NArgs(); ++i) {
      OrvExpr* child = node->Args(i);
      if (child != nullptr && child->IsNullNode() && child->FromSrc() == 1)
        out.push_back({node, i, long(child->Serial()) - rootSerial});
    }
    for (int i = 0; i < node->NArgs(); ++i)
      if (OrvExpr* child = node->ChildAt(i)) Made(child, rootSerial, out);
  }

  static std::string Dump(OrvExpr* root) {
    std::ostringstream out;
    root->DebugDump(out);
    return out.str();
  }

  // The dump with what changes from run to run replaced: the scratch
  // folder of the source by "DIR", node addresses by "ADDR".
  std::string StableDump(OrvExpr* root) const {
    std::string text = std::regex_replace(Dump(root), std::regex("#0x[0-9a-f]+"), "#ADDR");
    const std::string folder = dir.path();
    for (size_t at; (at = text.find(folder)) != std::string::npos;) text.replace(at, folder.size(), "DIR");
    return text;
  }

  static std::string Stats(OrvExpr* root) {
    OrvProgStats stats;
    stats.Init(root);
    std::ostringstream out;
    out << stats.TotTreeNodes << ' ' << stats.TotLeaves << ' ' << stats.MaxTreeHeight << ' '
        << stats.LeafDepthSum;
    return out.str();
  }

  static std::vector<long> Serials(const std::vector<FillSlot>& slots) {
    std::vector<long> out;
    for (const FillSlot& s : slots) out.push_back(s.relSerial);
    return out;
  }

  MessageRecorder recorder;
  ScratchDir dir;
  OrvSourceParser parser;
  std::string source;
  OrvExpr* tree = nullptr;
};

TEST_F(ParsedTreeTest, AnUnmadeFillReadsAsTheFillThatMakesEveryNullNode) {
  // The reference: the walk makes each NULL_NODE.
  OrvExpr* eager = Parse(true);
  ASSERT_NE(eager, nullptr);
  std::vector<FillSlot> none;
  Unmade(eager, eager->Serial(), none);
  EXPECT_TRUE(none.empty());
  const std::string eagerStats = Stats(eager);
  std::vector<FillSlot> eagerNulls;
  Made(eager, eager->Serial(), eagerNulls);
  const std::string eagerDump = StableDump(eager);

  // The lazy fill: nothing made, the serials kept in the slots.
  OrvExpr* lazy = Parse(false);
  ASSERT_NE(lazy, nullptr);
  const long liveBefore = OrvLiveNodes;
  std::vector<FillSlot> unmade;
  Unmade(lazy, lazy->Serial(), unmade);
  ASSERT_GT(unmade.size(), 20u);
  // The fill's serials follow one another in the walk's order, after every
  // node the parse made, as the walk gives them.
  for (size_t i = 1; i < unmade.size(); ++i) EXPECT_EQ(unmade[i].relSerial, unmade[i - 1].relSerial + 1);
  size_t eagerFilled = 0;
  for (const FillSlot& s : eagerNulls) eagerFilled += s.relSerial >= unmade.front().relSerial;
  EXPECT_EQ(eagerFilled, unmade.size());
  // The statistics count the unmade NULL_NODEs without making them.
  EXPECT_EQ(Stats(lazy), eagerStats);
  EXPECT_EQ(OrvLiveNodes, liveBefore);

  // Asked for, each is a NULL_NODE of from-source state 1 with its serial:
  // every NULL_NODE of the tree where the eager fill has it.
  std::vector<FillSlot> lazyNulls;
  Made(lazy, lazy->Serial(), lazyNulls);
  EXPECT_EQ(Serials(lazyNulls), Serials(eagerNulls));
  EXPECT_EQ(OrvLiveNodes, liveBefore + long(unmade.size()));
  for (const FillSlot& s : unmade) {
    OrvExpr* child = s.node->ChildAt(s.slot);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->Parent(), s.node);
    EXPECT_EQ(child->Oper(), NULL_NODE);
    EXPECT_EQ(child->FromSrc(), 1);
    EXPECT_EQ(long(child->Serial()) - long(lazy->Serial()), s.relSerial);
    EXPECT_FALSE(s.node->PeekFill(s.slot));
  }
  // Made or not, the tree dumps and counts as the eager one.
  EXPECT_EQ(StableDump(lazy), eagerDump);
  EXPECT_EQ(Stats(lazy), eagerStats);
}

TEST_F(ParsedTreeTest, TheDumpOfAnUnmadeFillEqualsTheGoldenText) {
  OrvExpr* lazy = Parse(false);
  ASSERT_NE(lazy, nullptr);
  std::ifstream in(std::string(LARK_TEST_DATA) + "/parser/fill_dump.golden", std::ios::binary);
  std::ostringstream golden;
  golden << in.rdbuf();
  ASSERT_FALSE(golden.str().empty());
  EXPECT_EQ(StableDump(lazy), golden.str());
}

// A program of other names and texts, parsed after a tree is deleted so
// that its nodes, tokens and texts would take any memory left behind.
std::string OtherProgram() {
  std::string text;
  for (const char* line : {"IDENTIFICATION DIVISION.", "PROGRAM-ID. OTHER.", "DATA DIVISION.",
                           "WORKING-STORAGE SECTION.", "01 ZZZ-LONGER-NAME PIC X(30) VALUE 'OVERWRITE'.",
                           "PROCEDURE DIVISION.", "    DISPLAY ZZZ-LONGER-NAME.", "    STOP RUN."})
    text += std::string("       ") + line + "\n";
  return text;
}

// The first program's PROCEDURE DIVISION, detached before the tree is
// deleted, stay usable: their dump and statistics do not change while the
// tree goes and another source is parsed and deleted.
TEST_F(ParsedTreeTest, ASubtreeDetachedBeforeItsTreeIsDeletedStaysUsable) {
  OrvExpr* root = Parse(false);
  ASSERT_NE(root, nullptr);
  // The PROCEDURE DIVISION of the one program.
  struct Find {
    OrvExpr* program = nullptr;
  } find;
  WalkTheTree(root, &find, [](OrvExpr* node, void* context) {
    Find& f = *static_cast<Find*>(context);
    if (f.program == nullptr && node->Oper() == COBOL_PROGRAM) f.program = node;
    return f.program == nullptr ? int(ORV_WALK_CHILDREN) : int(ORV_WALK_STOP);
  });
  ASSERT_NE(find.program, nullptr);
  OrvExpr* division = find.program->Args(COBOL_PROGRAM__PROCEDURE_DIVISION);
  ASSERT_NE(division, nullptr);
  OrvExpr* kept = find.program->DelArg(COBOL_PROGRAM__PROCEDURE_DIVISION, 0, 0);
  ASSERT_EQ(kept, division);
  EXPECT_EQ(kept->Parent(), nullptr);
  const std::string stats = Stats(kept);
  ASSERT_NE(Dump(kept).find("NAME_USE img=A "), std::string::npos);

  Parse(false, OtherProgram());
  const std::string dump = Dump(kept);
  EXPECT_NE(dump.find("STMT_MOVE"), std::string::npos) << dump;
  EXPECT_NE(dump.find("TK_USER_DEFD_WORD A posn"), std::string::npos) << dump;
  EXPECT_NE(dump.find("NAME_USE img= ste=Link(#0)"), std::string::npos) << dump;
  EXPECT_EQ(Stats(kept), stats);
  Parse(false, OtherProgram());
  delete tree;
  tree = nullptr;
  Parse(false, OtherProgram());
  EXPECT_EQ(Dump(kept), dump);
  EXPECT_EQ(Stats(kept), stats);
  delete kept;
}

// Tokens taken out of a tree (as a message takes its token) keep their
// texts while the tree goes and other sources are parsed.
TEST_F(ParsedTreeTest, ATokenThatLeavesTheTreeKeepsItsText) {
  OrvExpr* root = Parse(false);
  ASSERT_NE(root, nullptr);
  // The tokens of every slot and node, moved into a list of the test's.
  struct Taken {
    OrvTokenList list;
  } taken;
  OrvWalkTree(
      root, &taken, "TakeTokens", nullptr, nullptr,
      [](OrvTokenList* list, OrvExpr*, OrvExpr*, void* context) {
        static_cast<Taken*>(context)->list.Splice(*list);
        return 0;
      });
  std::vector<std::string> texts;
  for (OrvToken* t = taken.list.First(); t != nullptr; t = taken.list.Next(t))
    texts.push_back(Str(t->Image()));
  ASSERT_GT(texts.size(), 40u);
  // A copy made outside the pools owns its text.
  OrvToken copy(*taken.list.First());
  const std::string copied = Str(copy.Image());

  Parse(false, OtherProgram());
  Parse(false, OtherProgram());
  delete tree;
  tree = nullptr;
  std::vector<std::string> after;
  for (OrvToken* t = taken.list.First(); t != nullptr; t = taken.list.Next(t))
    after.push_back(Str(t->Image()));
  EXPECT_EQ(after, texts);
  EXPECT_EQ(Str(copy.Image()), copied);
}

}  // namespace
