// Error nodes: which node collects the tokens that error recovery drops, how
// each token is kept, their order, and what is deleted on the way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvOperSlots.h"
#include "OrvParserErrors.h"
#include "SemaTestSupport.h"

namespace {

using ErrorNodeTest = sematest::ParserTest;

// A token of a test list: it ends at `to`, or where it begins when `to`
// is left unset.
struct Tok {
  int code;
  const char* image;
  OrvTxtPosn at;
  OrvTxtPosn to{};
};

OrvTokenList* NewList(std::initializer_list<Tok> tokens) {
  OrvTokenList* list = new OrvTokenList;
  for (const Tok& t : tokens) {
    OrvToken* token = new OrvToken(t.code, VString(t.image), t.at, t.to.IsSet() ? t.to : t.at);
    list->Append(token);
  }
  return list;
}

// The error node's kept tokens as "<node text>|<token code>|<token image>".
std::vector<std::string> Kept(OrvExpr* errNode) {
  std::vector<std::string> out;
  OrvExpr* list = errNode->Args(STMT__SYNTAX_ERROR__SKIPPED_TOKENS);
  for (int i = 0; i < list->NArgs(); ++i) {
    OrvExpr* kept = list->Args(i);
    EXPECT_EQ(kept->Oper(), TOKEN_STRING);
    EXPECT_EQ(kept->Tokens().Count(), 1);
    const OrvToken* token = kept->Tokens().First();
    out.push_back(Str(*kept->Image()) + "|" + std::to_string(token->code) + "|" +
                  Str(token->image));
  }
  return out;
}

// The node texts of the error node's kept tokens, in order.
std::vector<std::string> KeptTexts(OrvExpr* errNode) {
  std::vector<std::string> texts;
  for (const std::string& k : Kept(errNode)) texts.push_back(k.substr(0, k.find('|')));
  return texts;
}

bool IsFreshErrorNode(OrvExpr* node) {
  return node != nullptr && node->Oper() == STMT__SYNTAX_ERROR && node->NArgs() == 1 &&
         node->Args(STMT__SYNTAX_ERROR__SKIPPED_TOKENS) != nullptr &&
         node->Args(STMT__SYNTAX_ERROR__SKIPPED_TOKENS)->Oper() == EX_EXEC_TOKEN_LIST &&
         node->Parent() == nullptr;
}

TEST_F(ErrorNodeTest, GenErrNodeReusesAnUnattachedNodeAndReplacesAnAttachedOne) {
  OrvExpr* first = GenErrNode();
  EXPECT_TRUE(IsFreshErrorNode(first));
  EXPECT_EQ(first->Args(STMT__SYNTAX_ERROR__SKIPPED_TOKENS)->NArgs(), 0);
  EXPECT_EQ(parser.errNode, first);
  EXPECT_EQ(GenErrNode(), first);  // nobody holds it yet

  OrvExpr* sentence = new OrvExprOper(SENTENCE, first);  // an error rule attached it
  owned.push_back(sentence);
  OrvExpr* second = GenErrNode();
  EXPECT_NE(second, first);
  EXPECT_TRUE(IsFreshErrorNode(second));
  EXPECT_EQ(parser.errNode, second);
  EXPECT_EQ(GenErrNode(), second);
}

TEST_F(ErrorNodeTest, EachDroppedTokenBecomesATokenStringOfItsKind) {
  OrvExpr* errNode = GenErrNode();
  OrvTokenList* list =
      NewList({{SEP_SPACE, "\n", {2, 0, 1}}, {TK_USER_DEFD_WORD, "MOVX", {2, 11, 1}},
               {CM_COMMENT, "* note", {3, 6, 1}}, {SEP_COMMA, ",", {3, 20, 1}}});
  AttachErrTokens(list, ORV_DISCARD_POPPED);
  EXPECT_EQ(Kept(errNode), (std::vector<std::string>{
                               " |" + std::to_string(PRESERVED_SPACE) + "|\n",
                               "MOVX|" + std::to_string(PRESERVED_STRING) + "|MOVX",
                               "|" + std::to_string(CM_COMMENT) + "|* note",
                               ",|" + std::to_string(PRESERVED_STRING) + "|,",
                           }));
  // The list keeps its entries, each emptied.
  EXPECT_EQ(list->Count(), 4);
  for (OrvTokenListNode* e = list->Head(); e != nullptr; e = e->next) EXPECT_EQ(e->token, nullptr);
  delete list;
}

TEST_F(ErrorNodeTest, EarlierTokensGoInFrontInTheirOrderLaterOnesBehind) {
  OrvExpr* errNode = GenErrNode();
  OrvTokenList* middle = NewList({{TK_USER_DEFD_WORD, "C", {5, 11, 1}}});
  OrvTokenList* early = NewList({{TK_USER_DEFD_WORD, "A", {3, 11, 1}},
                                 {TK_USER_DEFD_WORD, "B", {3, 16, 1}}});
  OrvTokenList* late = NewList({{TK_USER_DEFD_WORD, "D", {6, 0, 1}}});
  OrvTokenList* member = NewList({{TK_USER_DEFD_WORD, "M", {1, 11, 4}}});
  for (OrvTokenList* list : {middle, early, late, member}) {
    DiscardErrTokens(list, ORV_DISCARD_POPPED);  // frees the list
  }
  // Another file's tokens count as earlier.
  EXPECT_EQ(KeptTexts(errNode), (std::vector<std::string>{"M", "A", "B", "C", "D"}));
}

// Where a dropped list goes against the token the error node holds first
// ("B" of "(B", at 5:20 to 5:21): in front when it ends before that
// token's begin, at it (the two touch), or in another file; behind only
// when it ends after it.  A list in front keeps its own order.
TEST_F(ErrorNodeTest, ADroppedListGoesInFrontUnlessItEndsAfterTheFirstKeptToken) {
  struct Case {
    const char* what;
    std::initializer_list<Tok> dropped;
    std::vector<std::string> expected;  // node texts in order
  };
  const Case cases[] = {
      {"ends before, on the same line",
       {{TK_USER_DEFD_WORD, "VALUES", {5, 11, 1}, {5, 17, 1}}},
       {"VALUES", "B"}},
      {"ends on an earlier line", {{TK_USER_DEFD_WORD, "A", {4, 11, 1}, {4, 30, 1}}}, {"A", "B"}},
      {"touches: ends where B begins",
       {{TK_USER_DEFD_WORD, "VALUES", {5, 12, 1}, {5, 18, 1}}, {SEP_LEFT_PAR, "(", {5, 19, 1}, {5, 20, 1}}},
       {"VALUES", "(", "B"}},
      {"begins after B", {{SEP_RIGHT_PAR, ")", {5, 21, 1}, {5, 22, 1}}}, {"B", ")"}},
      {"ends one column after B begins", {{SEP_LEFT_PAR, "(", {5, 19, 1}, {5, 21, 1}}}, {"B", "("}},
      {"on a later line", {{TK_USER_DEFD_WORD, "D", {6, 0, 1}, {6, 1, 1}}}, {"B", "D"}},
      {"in another file, later there", {{TK_USER_DEFD_WORD, "M", {9, 11, 4}, {9, 12, 4}}}, {"M", "B"}},
      {"in another file, at the same place", {{TK_USER_DEFD_WORD, "M", {5, 19, 4}, {5, 20, 4}}}, {"M", "B"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    OrvExpr* errNode = GenErrNode();
    DiscardErrTokens(NewList({{TK_USER_DEFD_WORD, "B", {5, 20, 1}, {5, 21, 1}}}), ORV_DISCARD_POPPED);
    DiscardErrTokens(NewList(c.dropped), ORV_DISCARD_POPPED);
    EXPECT_EQ(KeptTexts(errNode), c.expected);
    NextParse();
  }
}

// Tokens without a position say nothing about where they stood: between
// two such lists the order of arrival holds.
TEST_F(ErrorNodeTest, UnpositionedTokensKeepTheirOrderOfArrival) {
  OrvExpr* errNode = GenErrNode();
  DiscardErrTokens(NewList({{TK_USER_DEFD_WORD, "X", OrvTxtPosn()}}), ORV_DISCARD_POPPED);
  DiscardErrTokens(NewList({{TK_USER_DEFD_WORD, "Y", OrvTxtPosn()}}), ORV_DISCARD_POPPED);
  EXPECT_EQ(KeptTexts(errNode), (std::vector<std::string>{"X", "Y"}));
}

// Tokens dropped while there is no error node (the first error of a
// source, or a recovery that has just begun) are not lost: a node is made
// for them, and the error rule then takes it.
TEST_F(ErrorNodeTest, WithoutAnErrorNodeOneIsMadeForTheTokens) {
  OrvTokenList* list = NewList({{TK_USER_DEFD_WORD, "A", {3, 11, 1}}});
  AttachErrTokens(list, ORV_DISCARD_POPPED);
  ASSERT_TRUE(IsFreshErrorNode(parser.errNode));
  EXPECT_EQ(Kept(parser.errNode), (std::vector<std::string>{"A|" + std::to_string(PRESERVED_STRING) + "|A"}));
  EXPECT_EQ(list->First(), nullptr);
  DiscardErrTokens(list, ORV_DISCARD_POPPED);
  EXPECT_EQ(GenErrNode(), parser.errNode);  // the error rule's node
}

// The error node of the error being recovered from keeps taking the
// tokens dropped after an error rule attached it; a new recovery
// (ClearErrNode) starts a node of its own.
TEST_F(ErrorNodeTest, AnAttachedErrorNodeTakesTheRestOfItsErrorUntilTheNextRecovery) {
  OrvExpr* first = GenErrNode();
  OrvExpr* sentence = new OrvExprOper(SENTENCE, first);  // an error rule attached it
  owned.push_back(sentence);
  DiscardErrTokens(NewList({{TK_USER_DEFD_WORD, "B", {5, 11, 1}}}), ORV_DISCARD_POPPED);
  EXPECT_EQ(parser.errNode, first);
  EXPECT_EQ(Kept(first).size(), 1u);

  ClearErrNode();
  EXPECT_EQ(parser.errNode, nullptr);
  DiscardErrTokens(NewList({{TK_USER_DEFD_WORD, "C", {6, 11, 1}}}), ORV_DISCARD_POPPED);
  ASSERT_TRUE(IsFreshErrorNode(parser.errNode));
  EXPECT_NE(parser.errNode, first);
  EXPECT_EQ(Kept(first).size(), 1u);
  EXPECT_EQ(Kept(parser.errNode).size(), 1u);

  // That node was made for dropped text and no error rule took it: nothing
  // else holds it, so the next recovery keeps it.  Once an error rule took
  // it (it stands on the stack), the next recovery starts another.
  OrvExpr* made = parser.errNode;
  ClearErrNode();
  EXPECT_EQ(parser.errNode, made);
  EXPECT_EQ(GenErrNode(), made);
  ClearErrNode();
  EXPECT_EQ(parser.errNode, nullptr);
  owned.push_back(made);
}

// What a failed trial parse had taken off the stacks goes back into a
// token list: a value's tokens, the value dropped as DiscardErrValue drops
// it.
TEST_F(ErrorNodeTest, TakeOverValueTokensMovesTheTokensAndDropsTheValue) {
  sematest::ReleaseWatch watch;
  OrvExpr* move = new OrvExprOper(STMT_MOVE, new OrvCharString(VString("A")),
                                  new OrvCharString(VString("B")));
  move->ArgSlots(STMT_MOVE__SOURCE)->tokens.AddToken(RW_MOVE, OrvTxtPosn(2, 11, 1), VString("MOVE"));
  sematest::PlaceAt(move->Args(STMT_MOVE__TARGETS), 2, 19, "B");
  OrvTokenList into;
  into.AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(1, 11, 1), VString("Z"));
  TakeOverValueTokens(reinterpret_cast<OrvGrammarValue>(move), into);
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  EXPECT_TRUE(watch.Released(move));
  ASSERT_EQ(into.Count(), 3);
  EXPECT_EQ(Str(into.First()->image), "Z");
  EXPECT_EQ(Str(into.Last()->image), "B");
  EXPECT_EQ(parser.errNode, nullptr);

  // Numbers, held nodes and roots stay; an error node inside is forgotten.
  OrvExpr* file = new OrvExprOper(COBOL_FILE);
  owned.push_back(file);
  TakeOverValueTokens(7, into);
  TakeOverValueTokens(reinterpret_cast<OrvGrammarValue>(file), into);
  EXPECT_EQ(into.Count(), 3);
  OrvExpr* errNode = GenErrNode();
  TakeOverValueTokens(reinterpret_cast<OrvGrammarValue>(new OrvExprOper(SENTENCE, errNode)), into);
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  EXPECT_TRUE(watch.Released(errNode));
  EXPECT_EQ(parser.errNode, nullptr);
}

TEST_F(ErrorNodeTest, TheLookAheadListStaysAndANullListMayStartANewNode) {
  OrvExpr* errNode = GenErrNode();
  OrvTokenList lookahead;
  lookahead.AddToken(TK_USER_DEFD_WORD, OrvTxtPosn(4, 11, 1), VString("X"));
  DiscardErrTokens(&lookahead, ORV_DISCARD_LOOKAHEAD);  // not freed: it lives on the stack
  EXPECT_EQ(lookahead.Count(), 1);
  EXPECT_EQ(lookahead.First(), nullptr);
  EXPECT_EQ(Kept(errNode).size(), 1u);

  DiscardErrTokens(nullptr, ORV_DISCARD_POPPED);
  EXPECT_EQ(parser.errNode, errNode);
  owned.push_back(errNode);
  DiscardErrTokens(nullptr, ORV_DISCARD_NEW_ERROR_NODE);
  EXPECT_NE(parser.errNode, errNode);
  EXPECT_TRUE(IsFreshErrorNode(parser.errNode));
}

TEST_F(ErrorNodeTest, DiscardErrValueLeavesNumbersHeldNodesAndRootsAlone) {
  sematest::ReleaseWatch watch;
  OrvExpr* errNode = GenErrNode();
  OrvExpr* held = new OrvExprOper(SENTENCE);
  OrvExpr* holder = new OrvExprOper(SENTENCE_LIST, held);
  OrvExpr* file = new OrvExprOper(COBOL_FILE);
  OrvExpr* program = new OrvExprOper(COBOL_PROGRAM);
  for (OrvExpr* n : {holder, file, program}) owned.push_back(n);
  for (OrvExpr* n : {held, file, program}) sematest::PlaceAt(n, 2, 11);

  DiscardErrValue(0, ORV_DISCARD_POPPED);
  DiscardErrValue(ORV_GRAMMAR_PLAIN_MAX, ORV_DISCARD_ABANDONED);
  for (OrvExpr* n : {held, file, program}) {
    DiscardErrValue(reinterpret_cast<OrvGrammarValue>(n), ORV_DISCARD_ABANDONED);
    EXPECT_EQ(n->Tokens().Count(), 1);
  }
  EXPECT_EQ(watch.Count(), 0u);
  EXPECT_EQ(errNode->Args(STMT__SYNTAX_ERROR__SKIPPED_TOKENS)->NArgs(), 0);
}

TEST_F(ErrorNodeTest, ADiscardedValueGivesItsTokensAndIsDeletedWithTheParseState) {
  sematest::ReleaseWatch watch;
  OrvExpr* errNode = GenErrNode();
  OrvExpr* move = new OrvExprOper(STMT_MOVE, new OrvCharString(VString("A")),
                                  new OrvCharString(VString("B")));
  move->ArgSlots(STMT_MOVE__SOURCE)->tokens.AddToken(RW_MOVE, OrvTxtPosn(2, 11, 1), VString("MOVE"));
  sematest::PlaceAt(move->Args(STMT_MOVE__TARGETS), 2, 19, "B");
  DiscardErrValue(reinterpret_cast<OrvGrammarValue>(move), ORV_DISCARD_POPPED);
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  EXPECT_TRUE(watch.Released(move));
  EXPECT_EQ(parser.errNode, errNode);
  std::vector<std::string> kept = Kept(errNode);
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[1], "B|" + std::to_string(PRESERVED_STRING) + "|B");
}

TEST_F(ErrorNodeTest, WhenTheErrorNodeGoesWithTheValueItsTokensGoToANewOne) {
  sematest::ReleaseWatch watch;
  // The error node attached inside the value, with tokens around it.
  OrvExpr* inner = GenErrNode();
  OrvExpr* sentence = new OrvExprOper(SENTENCE, inner);
  sematest::PlaceAt(sentence, 4, 11, "X");
  DiscardErrValue(reinterpret_cast<OrvGrammarValue>(sentence), ORV_DISCARD_POPPED);
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  EXPECT_TRUE(watch.Released(inner));
  ASSERT_TRUE(IsFreshErrorNode(parser.errNode));
  EXPECT_EQ(Kept(parser.errNode).size(), 1u);

  // The unattached error node itself as the value: its tokens survive it.
  watch.Clear();
  OrvExpr* self = parser.errNode;
  DiscardErrValue(reinterpret_cast<OrvGrammarValue>(self), ORV_DISCARD_ABANDONED);
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  EXPECT_TRUE(watch.Released(self));
  ASSERT_TRUE(IsFreshErrorNode(parser.errNode));
  std::vector<std::string> kept = Kept(parser.errNode);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].substr(0, 2), "X|");

  // Without tokens nothing is handed on: no error node is left.
  watch.Clear();
  OrvExpr* empty = parser.errNode;
  empty->Args(STMT__SYNTAX_ERROR__SKIPPED_TOKENS)->Args(0)->Tokens().Clear();
  DiscardErrValue(reinterpret_cast<OrvGrammarValue>(new OrvExprOper(SENTENCE, empty)),
                  ORV_DISCARD_ABANDONED);
  parser.FreeDroppedValues();  // recovery's dropped values go at the end
  EXPECT_TRUE(watch.Released(empty));
  EXPECT_EQ(parser.errNode, nullptr);
}

}  // namespace
