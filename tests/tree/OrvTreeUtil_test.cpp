// Tests of the tree utilities and searches.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "OrvConstNodes.h"
#include "OrvExpr.h"
#include "OrvExprOper.h"
#include "OrvLink.h"
#include "OrvMessage.h"
#include "OrvNameNodes.h"
#include "OrvOper.h"
#include "OrvOperSlots.h"
#include "OrvSymTab.h"
#include "OrvToken.h"
#include "OrvTreeUtil.h"
#include "OrvTxtPosn.h"
#include "TreeBuildSupport.h"

namespace {


OrvExpr* Word(const char* text) { return new OrvCharString(VString(text)); }
OrvExpr* Null() { return new OrvNullNode(); }

std::string Text(const VString& s) { return s.text != nullptr ? s.text : ""; }

// The images of a token list joined by blanks.
std::string Images(const OrvTokenList& list) {
  std::string out;
  for (OrvTokenListNode* n = list.Head(); n != nullptr; n = n->next) {
    if (!out.empty()) out += ' ';
    out += Text(n->token->image);
  }
  return out;
}

void Add(OrvTokenList& list, int code, const char* image) {
  list.AddToken(code, OrvTxtPosn(), VString(image));
}

// The images of the CHAR_STRING children of a node, joined by blanks
// ("-" for an empty slot, the NAME for other nodes).
std::string Children(OrvExpr* node) {
  std::string out;
  for (int i = 0; i < node->NArgs(); ++i) {
    if (i > 0) out += ' ';
    OrvExpr* child = node->Args(i);
    if (child == nullptr)
      out += '-';
    else if (child->Oper() == CHAR_STRING)
      out += Text(*child->Image());
    else
      out += OrvOperName(child->Oper());
  }
  return out;
}

TEST(OrvOperTemplateStr, GivesTheCatalogueTemplate) {
  EXPECT_EQ(Text(OrvOperTemplateStr(EX_LIST)), "@&");
  EXPECT_EQ(Text(OrvOperTemplateStr(DU_DISPLAY)), "DISPLAY");
  EXPECT_EQ(Text(OrvOperTemplateStr(0)), "bad-op");
  EXPECT_EQ(Text(OrvOperTemplateStr(1401)), "bad-op");
}

// A data entry with USAGE, SIGN and SYNCHRONIZED clauses.
OrvExpr* Entry(OrvExpr* usage, OrvExpr* sign, OrvExpr* sync) {
  OrvExpr* entry = N(DECL_DD_ENTRY);
  if (usage != nullptr) entry->SetArg(DECL_DD_ENTRY__USAGE, usage);
  if (sign != nullptr) entry->SetArg(DECL_DD_ENTRY__SIGN, sign);
  if (sync != nullptr) entry->SetArg(DECL_DD_ENTRY__SYNCHRONIZED, sync);
  return entry;
}

TEST(OrvInheritedDataClauses, InnermostClauseWinsAndTheSearchStopsAtTheDataDivision) {
  // DECL_DD(usage COMP) above the DATA DIVISION must not count.
  OrvExpr* innerEntry = Entry(Null(), N(DX_SIGN, {N(DX_SIGN_TRAILING)}), nullptr);
  OrvExpr* innerDd = N(DECL_DD, {innerEntry});
  OrvExpr* outerEntry = Entry(N(DX_USAGE, {N(DU_COMP)}),
                              N(DX_SIGN, {N(DX_SIGN_LEADING), N(DX_SIGN_SEPARATE)}),
                              N(DX_SYNCHRONIZED, {N(DX_SYNC_LEFT)}));
  OrvExpr* outerDd = N(DECL_DD, {outerEntry, N(DECL_DD_LIST, {innerDd})});
  OrvExpr* plainEntry = Entry(nullptr, nullptr, nullptr);
  // SIGN SEPARATE without LEADING or TRAILING: the kind is a NULL_NODE.
  OrvExpr* separateEntry = Entry(nullptr, N(DX_SIGN, {Null(), N(DX_SIGN_SEPARATE)}), nullptr);
  OrvExpr* plainDd = N(DECL_DD, {plainEntry, N(DECL_DD_LIST, {N(DECL_DD, {separateEntry})})});
  OrvExpr* division = N(DIVISION_DATA, {N(DECL_DD_LIST, {outerDd, plainDd})});
  std::unique_ptr<OrvExpr> top(
      N(DECL_DD, {Entry(N(DX_USAGE, {N(DU_COMP)}), nullptr, nullptr), division}));

  struct Case {
    const char* what;
    OrvExpr* node;
    int usage, sync, sign, separate;
  };
  const Case cases[] = {
      {"inner entry", innerEntry, DU_COMP, DX_SYNCHRONIZED, DX_SIGN_TRAILING, 0},
      {"inner holder", innerDd, DU_COMP, DX_SYNCHRONIZED, DX_SIGN_TRAILING, 0},
      {"outer entry", outerEntry, DU_COMP, DX_SYNCHRONIZED, DX_SIGN_LEADING, 1},
      {"item without clauses", plainEntry, DU_DISPLAY, 1, 1, 0},
      {"SEPARATE without a sign kind", separateEntry, DU_DISPLAY, 1, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    int usage = -7, sync = -7, sign = -7, separate = -7;
    OrvInheritedDataClauses(c.node, usage, sync, sign, separate);
    EXPECT_EQ(usage, c.usage);
    EXPECT_EQ(sync, c.sync);
    EXPECT_EQ(sign, c.sign);
    EXPECT_EQ(separate, c.separate);
    EXPECT_EQ(OrvUsageOf(c.node), c.usage);
  }
}

TEST(OrvInheritedDataClauses, ShortEntriesAndLeafClausesAreSkippedSafely) {
  // A constant entry has fewer slots than the clause positions; a clause
  // that is a leaf has no kind child.
  OrvExpr* constEntry = N(DECL_CONST_ENTRY);
  OrvExpr* constDd = N(DECL_DD, {constEntry});
  OrvExpr* leafEntry = Entry(Word("COMP"), nullptr, nullptr);
  std::unique_ptr<OrvExpr> top(N(DECL_DD, {leafEntry, N(DECL_DD_LIST, {constDd})}));
  int usage, sync, sign, separate;
  OrvInheritedDataClauses(constEntry, usage, sync, sign, separate);
  EXPECT_EQ(usage, DU_DISPLAY);
  EXPECT_EQ(sync, 1);
  EXPECT_EQ(sign, 1);
  EXPECT_EQ(separate, 0);
}

TEST(OrvGatherTokensWalker, MovesEveryTokenInSourceOrder) {
  OrvExpr* a = Word("A");
  OrvExpr* b = Word("B");
  std::unique_ptr<OrvExpr> root(N(STMT_MOVE, {a, b}));
  Add(root->ArgSlots(STMT_MOVE__SOURCE)->tokens, TK_USER_DEFD_WORD, "MOVE");
  Add(a->Tokens(), TK_USER_DEFD_WORD, "a");
  Add(root->ArgSlots(STMT_MOVE__TARGETS)->tokens, TK_USER_DEFD_WORD, "TO");
  Add(b->Tokens(), TK_USER_DEFD_WORD, "b");
  Add(root->Tokens(), SEP_DOT, ".");
  OrvTokenList dest;
  Add(dest, CM_COMMENT, "before");
  OrvGatherTokensWalker(root.get(), dest);
  EXPECT_EQ(Images(dest), "before MOVE a TO b .");
  EXPECT_TRUE(root->ArgSlots(STMT_MOVE__SOURCE)->tokens.IsEmpty());
  EXPECT_TRUE(a->Tokens().IsEmpty());
  EXPECT_TRUE(root->Tokens().IsEmpty());

  OrvGatherTokensWalker(nullptr, dest);
  EXPECT_EQ(dest.Count(), 6);
}

TEST(OrvGatherCommentsWalker, MovesOnlyComments) {
  OrvExpr* a = Word("A");
  std::unique_ptr<OrvExpr> root(N(STMT_MOVE, {a, nullptr}));
  OrvTokenList& head = root->ArgSlots(STMT_MOVE__SOURCE)->tokens;
  Add(head, CM_COMMENT, "c1");
  Add(head, TK_USER_DEFD_WORD, "MOVE");
  Add(head, CM_COMMENT, "c2");
  Add(a->Tokens(), TK_USER_DEFD_WORD, "a");
  Add(a->Tokens(), CM_COMMENT, "c3");
  Add(root->Tokens(), SEP_DOT, ".");
  OrvTokenList dest;
  OrvGatherCommentsWalker(root.get(), dest);
  EXPECT_EQ(Images(dest), "c1 c2 c3");
  EXPECT_EQ(Images(head), "MOVE");
  EXPECT_EQ(Images(a->Tokens()), "a");
  EXPECT_EQ(Images(root->Tokens()), ".");

  // A second pass finds nothing and changes nothing, the destination
  // included.
  OrvTokenList again;
  Add(again, CM_COMMENT, "kept");
  OrvGatherCommentsWalker(root.get(), again);
  EXPECT_EQ(Images(again), "kept");
  EXPECT_EQ(Images(head), "MOVE");
  EXPECT_EQ(Images(a->Tokens()), "a");
  EXPECT_EQ(Images(root->Tokens()), ".");
}

TEST(OrvTreeSearch, SubtreeAndRoot) {
  OrvExpr* a = Word("A");
  OrvExpr* b = Word("B");
  OrvExpr* move = N(STMT_MOVE, {a, nullptr});
  std::unique_ptr<OrvExpr> root(N(STMT_LIST, {move, b}));
  std::unique_ptr<OrvExpr> alone(Word("C"));

  EXPECT_EQ(OrvIsInSubtree(root.get(), a), 1);
  EXPECT_EQ(OrvIsInSubtree(root.get(), root.get()), 1);
  EXPECT_EQ(OrvIsInSubtree(move, a), 1);
  EXPECT_EQ(OrvIsInSubtree(move, b), 0);
  EXPECT_EQ(OrvIsInSubtree(a, root.get()), 0);
  EXPECT_EQ(OrvIsInSubtree(root.get(), alone.get()), 0);
  EXPECT_EQ(OrvIsInSubtree(nullptr, a), 0);

  EXPECT_EQ(OrvTreeRoot(a), root.get());
  EXPECT_EQ(OrvTreeRoot(root.get()), root.get());
  EXPECT_EQ(OrvTreeRoot(nullptr), nullptr);
}

TEST(OrvTreeSearch, AncestorsAndDescendantsByOperation) {
  OrvExpr* a = Word("A");
  OrvExpr* move = N(STMT_MOVE, {a, Word("B")});
  OrvExpr* second = N(STMT_MOVE, {Word("C"), nullptr});
  OrvExpr* list = N(STMT_LIST, {move, second});
  OrvExpr* para = N(PARA_PROC, {Word("P"), list});
  OrvExpr* section = N(SECTION_PROC, {Word("S"), N(PARA_PROC_LIST, {para})});
  OrvExpr* program = N(COBOL_PROGRAM);
  program->SetArg(COBOL_PROGRAM__PROCEDURE_DIVISION, section);
  // A statement-flagged node above the program must not be found from below.
  std::unique_ptr<OrvExpr> root(N(EX_ELSE, {program}));

  OrvExpr* found = nullptr;
  EXPECT_EQ(OrvFindAncestorOp(a, PARA_PROC, &found), 1);
  EXPECT_EQ(found, para);
  EXPECT_EQ(OrvFindAncestorOp(a, CHAR_STRING, nullptr), 1);
  found = nullptr;
  EXPECT_EQ(OrvFindAncestorOp(a, STMT_IF, &found), 0);
  EXPECT_EQ(found, nullptr);
  EXPECT_EQ(OrvAncestorOp(a, SECTION_PROC), section);
  EXPECT_EQ(OrvAncestorOp(a, STMT_IF), nullptr);

  EXPECT_EQ(OrvFindDescendantOp(root.get(), STMT_MOVE), move);
  EXPECT_EQ(OrvFindDescendantOp(second, STMT_MOVE), second);
  EXPECT_EQ(OrvFindDescendantOp(root.get(), STMT_IF), nullptr);
  EXPECT_EQ(OrvFindDescendantOp(nullptr, STMT_MOVE), nullptr);

  EXPECT_EQ(OrvEnclosingList(a), list);
  EXPECT_EQ(OrvEnclosingList(list), list);
  EXPECT_EQ(OrvEnclosingList(program), nullptr);

  EXPECT_EQ(OrvEnclosingStmt(a), move);
  EXPECT_EQ(OrvEnclosingStmt(move), move);
  EXPECT_EQ(OrvEnclosingStmt(section), nullptr);
  EXPECT_EQ(OrvEnclosingStmt(program), nullptr);
  EXPECT_EQ(OrvEnclosingStmt(root.get()), root.get());

  EXPECT_EQ(OrvEnclosingSection(a), section);
  EXPECT_EQ(OrvEnclosingSection(section), section);
  EXPECT_EQ(OrvEnclosingSection(program), nullptr);
}

TEST(OrvTreeSearch, EnclosingSectionKnowsEverySectionKind) {
  const OrvOper sections[] = {SECTION_CONFIGURATION, SECTION_INPUT_OUTPUT, SECTION_FILE,
                              SECTION_WORKING_STORAGE, SECTION_LOCAL_STORAGE, SECTION_LINKAGE,
                              SECTION_COMMUNICATION, SECTION_REPORT, SECTION_SCREEN,
                              SECTION_PROC};
  for (OrvOper op : sections) {
    SCOPED_TRACE(OrvOperName(op));
    OrvExpr* leaf = Word("X");
    std::unique_ptr<OrvExpr> root(N(EX_LIST, {N(op)}));
    OrvExpr* section = root->Args(0);
    if (section->NArgs() > 0) {
      section->SetArg(0, leaf);
    } else {
      delete leaf;
      leaf = section;
    }
    EXPECT_EQ(OrvEnclosingSection(leaf), section);
  }
  std::unique_ptr<OrvExpr> none(N(EX_LIST, {Word("X")}));
  EXPECT_EQ(OrvEnclosingSection(none->Args(0)), nullptr);
}

TEST(OrvEndsSentence, ClimbsOverLastListElementsAndIfElse) {
  OrvExpr* move1 = N(STMT_MOVE);
  OrvExpr* move2 = N(STMT_MOVE);
  OrvExpr* move3 = N(STMT_MOVE);
  OrvExpr* cond = Word("C");
  OrvExpr* ifStmt = N(STMT_IF, {cond, N(STMT_LIST, {move2}), N(EX_ELSE, {N(STMT_LIST, {move3})})});
  OrvExpr* list = N(STMT_LIST, {move1, ifStmt});
  std::unique_ptr<OrvExpr> sentence(N(SENTENCE, {list}));
  EXPECT_EQ(OrvEndsSentence(move1), 0);
  EXPECT_EQ(OrvEndsSentence(ifStmt), 1);
  EXPECT_EQ(OrvEndsSentence(move2), 1);
  EXPECT_EQ(OrvEndsSentence(move3), 1);
  EXPECT_EQ(OrvEndsSentence(cond), 1);

  // A statement after the IF: only it ends the sentence.
  OrvExpr* move4 = N(STMT_MOVE);
  list->AddArg(move4);
  EXPECT_EQ(OrvEndsSentence(move4), 1);
  EXPECT_EQ(OrvEndsSentence(move2), 0);

  // Outside a sentence.
  std::unique_ptr<OrvExpr> alone(N(STMT_LIST, {N(STMT_MOVE)}));
  EXPECT_EQ(OrvEndsSentence(alone->Args(0)), 0);

  // The climb starts at the parent: a sentence is not its own end, not even
  // the last one of a paragraph.
  EXPECT_EQ(OrvEndsSentence(sentence.get()), 0);
  std::unique_ptr<OrvExpr> para(N(SENTENCE_LIST, {N(SENTENCE, {N(STMT_LIST, {N(STMT_MOVE)})})}));
  EXPECT_EQ(OrvEndsSentence(para->Args(0)), 0);
  EXPECT_EQ(OrvEndsSentence(para->Args(0)->Args(SENTENCE__STATEMENTS)), 1);
}

TEST(OrvDropNullNodes, RemovesEveryNullNodeIncludingNeighbours) {
  OrvExpr* move = N(STMT_MOVE, {Null(), Word("B")});
  std::unique_ptr<OrvExpr> root(
      N(EX_LIST, {Null(), Null(), Word("A"), Null(), Null(), move, N(EX_LIST, {Null(), Null()}),
                  Null()}));
  OrvDropNullNodes(root.get());
  EXPECT_EQ(Children(root.get()), "A STMT_MOVE EX_LIST");
  EXPECT_EQ(Children(move), "- B");
  EXPECT_EQ(root->Args(2)->NArgs(), 0);
  EXPECT_EQ(root->Args(0)->Parent(), root.get());

  // A NULL_NODE root stays the caller's.
  std::unique_ptr<OrvExpr> nullRoot(Null());
  OrvDropNullNodes(nullRoot.get());
  EXPECT_EQ(nullRoot->Oper(), NULL_NODE);
}

TEST(OrvDropNullNodes, EndsWhenTheFillSwitchPutsNullNodesBack) {
  OrvExpr* move = N(STMT_MOVE, {Null(), Word("B")});
  std::unique_ptr<OrvExpr> root(N(EX_LIST, {Null(), move, Null()}));
  int saved = OrvFillNullSwitch;
  OrvFillNullSwitch = 1;
  OrvDropNullNodes(root.get());
  OrvFillNullSwitch = saved;
  EXPECT_EQ(Children(root.get()), "STMT_MOVE");
  // The positional slot got its fill-in NULL_NODE back.
  ASSERT_NE(move->Args(STMT_MOVE__SOURCE), nullptr);
  EXPECT_EQ(move->Args(STMT_MOVE__SOURCE)->Oper(), NULL_NODE);
}

TEST(OrvDropEmptyListElems, RemovesEmptyElementsAndListsLeftEmpty) {
  OrvExpr* move = N(STMT_MOVE, {N(EX_LIST, {Null()}), Word("M")});
  std::unique_ptr<OrvExpr> root(N(EX_LIST, {Null(), Word("A"), Null(), Null(),
                                            N(EX_LIST, {Null(), Null()}),
                                            N(EX_LIST, {Null()}), Word("B"), move,
                                            N(EX_LIST, {Word("C"), Null()})}));
  OrvDropEmptyListElems(root.get());
  EXPECT_EQ(Children(root.get()), "A B STMT_MOVE EX_LIST");
  // A positional slot keeps its place without the emptied list.
  EXPECT_EQ(Children(move), "- M");
  EXPECT_EQ(Children(root->Args(3)), "C");

  // The root list itself stays even when it ends up empty.
  std::unique_ptr<OrvExpr> empty(N(EX_LIST, {Null(), Null()}));
  OrvDropEmptyListElems(empty.get());
  EXPECT_EQ(empty->NArgs(), 0);
}

TEST(OrvDissolveIntoParent, MovesChildrenAndTokensIntoTheParent) {
  OrvExpr* inner = N(EX_LIST, {Word("B"), Word("C")});
  std::unique_ptr<OrvExpr> root(N(EX_LIST, {Word("A"), inner, Word("D")}));
  Add(root->ArgSlots(1)->tokens, TK_USER_DEFD_WORD, "t0");
  Add(inner->ArgSlots(0)->tokens, TK_USER_DEFD_WORD, "t1");
  Add(inner->ArgSlots(1)->tokens, TK_USER_DEFD_WORD, "t2");
  Add(inner->Tokens(), TK_USER_DEFD_WORD, "t3");
  Add(root->ArgSlots(2)->tokens, TK_USER_DEFD_WORD, "t4");
  EXPECT_EQ(OrvDissolveIntoParent(inner), 0);
  EXPECT_EQ(Children(root.get()), "A B C D");
  for (int i = 0; i < root->NArgs(); ++i) EXPECT_EQ(root->Args(i)->Parent(), root.get());
  EXPECT_EQ(Images(root->ArgSlots(1)->tokens), "t0 t1");
  EXPECT_EQ(Images(root->ArgSlots(2)->tokens), "t2");
  EXPECT_EQ(Images(root->ArgSlots(3)->tokens), "t3 t4");

  // The last child: trailing tokens go behind the parent's children.
  OrvExpr* last = N(EX_LIST, {Word("E")});
  root->AddArg(last);
  Add(last->Tokens(), TK_USER_DEFD_WORD, "t5");
  EXPECT_EQ(OrvDissolveIntoParent(last), 0);
  EXPECT_EQ(Children(root.get()), "A B C D E");
  EXPECT_EQ(Images(root->Tokens()), "t5");
}

TEST(OrvDissolveIntoParent, RefusesOtherOperationsAndRoots) {
  OrvExpr* inner = N(STMT_LIST, {Word("B")});
  std::unique_ptr<OrvExpr> root(N(EX_LIST, {Word("A"), inner}));
  EXPECT_EQ(OrvDissolveIntoParent(inner), EX_LIST);
  EXPECT_EQ(Children(root.get()), "A STMT_LIST");
  EXPECT_EQ(OrvDissolveIntoParent(root.get()), -1);

  // An empty node of the same operation just goes away.
  root->AddArg(N(EX_LIST));
  EXPECT_EQ(OrvDissolveIntoParent(root->Args(2)), 0);
  EXPECT_EQ(Children(root.get()), "A STMT_LIST");
}

TEST(OrvPicCategoryMsg, GivesCategoryOrAMessage) {
  OrvTokenList messages;
  int length = -1;
  int category = OrvPicCategoryMsg(VString("X(5)"), length, messages);
  EXPECT_EQ(category, PIC_ALPHA_NUM);
  EXPECT_EQ(length, 5);
  EXPECT_TRUE(messages.IsEmpty());

  category = OrvPicCategoryMsg(VString("9(3)V99"), length, messages);
  EXPECT_EQ(category, PIC_NUM);
  EXPECT_EQ(length, 5);
  EXPECT_TRUE(messages.IsEmpty());

  category = OrvPicCategoryMsg(VString("(5)X"), length, messages);
  EXPECT_EQ(category, 1);
  ASSERT_EQ(messages.Count(), 1);
  EXPECT_EQ(messages.First()->code, MSG_ERR);
  EXPECT_FALSE(Text(messages.First()->image).empty());
  EXPECT_FALSE(messages.First()->begin.IsSet());
}

TEST(OrvIsFileLevelDef, FollowsUsesAndElementsToTheDeclaration) {
  std::unique_ptr<OrvExpr> file(N(COBOL_FILE));
  file->SetArg(FILE_SYMBOL_TABLE, N(SYMBOL_TABLE_ELT_LIST));
  OrvExpr* program = N(COBOL_PROGRAM);
  program->SetArg(PROG_SYMBOL_TABLE, N(SYMBOL_TABLE_ELT_LIST));
  file->SetArg(COBOL_FILE__PROGRAM_LIST, N(COBOL_PROGRAM_LIST, {program}));

  // F: a data item declared in a list directly under the file.
  OrvNamedObjDef* f = OrvSymTabDefineName(VString("F"), SYMCAT_DATA_NAME, 0, file.get());
  OrvExpr* entry = N(DECL_DD_ENTRY);
  entry->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, f);
  file->SetArg(COBOL_FILE__EXTERNAL_DEFINITIONS, N(DECL_DD_LIST, {N(DECL_DD, {entry})}));
  // P: an item of the program.
  OrvNamedObjDef* p = OrvSymTabDefineName(VString("P"), SYMCAT_DATA_NAME, 0, program);
  OrvExpr* programEntry = N(DECL_DD_ENTRY);
  programEntry->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, p);
  program->SetArg(COBOL_PROGRAM__DATA_DIVISION, N(DECL_DD_LIST, {N(DECL_DD, {programEntry})}));
  // S: a section name hangs right under its declaring node (in any slot;
  // the one after the programs will do).
  OrvNamedObjDef* s = OrvSymTabDefineName(VString("S"), SYMCAT_SECTION_NAME, 0, file.get());
  file->SetArg(COBOL_FILE__END_OF_FILE, s);

  OrvNamedObjUse* useF = new OrvNamedObjUse(N(OF_IN_LIST), SYMCAT_DATA_NAME, 0);
  useF->BindDefinition(f, -1);
  OrvNamedObjUse* unresolved = new OrvNamedObjUse(N(OF_IN_LIST), SYMCAT_DATA_NAME, 0);
  program->SetArg(COBOL_PROGRAM__PROCEDURE_DIVISION, N(STMT_LIST, {useF, unresolved}));

  EXPECT_EQ(OrvIsFileLevelDef(f), 1);
  EXPECT_EQ(OrvIsFileLevelDef(useF), 1);
  EXPECT_EQ(OrvIsFileLevelDef(f->Link(0)->node), 1);
  EXPECT_EQ(OrvIsFileLevelDef(p), 0);
  EXPECT_EQ(OrvIsFileLevelDef(p->Link(0)->node), 0);
  EXPECT_EQ(OrvIsFileLevelDef(s), 1);
  EXPECT_EQ(OrvIsFileLevelDef(unresolved), 0);
  EXPECT_EQ(OrvIsFileLevelDef(entry), 0);
  EXPECT_EQ(OrvIsFileLevelDef(nullptr), 0);

  // An element with two definitions stands for none of them.
  OrvNamedObjDef* f2 = OrvSymTabDefineName(VString("F"), SYMCAT_DATA_NAME, 0, file.get());
  OrvExpr* entry2 = N(DECL_DD_ENTRY);
  entry2->SetArg(DECL_DD_ENTRY__DATA_ITEM_DEFINED, f2);
  file->Args(COBOL_FILE__EXTERNAL_DEFINITIONS)->AddArg(N(DECL_DD, {entry2}));
  EXPECT_EQ(OrvIsFileLevelDef(f->Link(0)->node), 0);
  EXPECT_EQ(OrvIsFileLevelDef(f2), 1);
}

TEST(OrvAddComment, GoesToSlotZeroOrTheTrailingList) {
  std::unique_ptr<OrvExpr> move(N(STMT_MOVE, {Word("A"), Word("B")}));
  Add(move->ArgSlots(0)->tokens, TK_USER_DEFD_WORD, "MOVE");
  OrvAddComment(move.get(), VString("note"));
  EXPECT_EQ(Images(move->ArgSlots(0)->tokens), "MOVE note");
  EXPECT_EQ(move->ArgSlots(0)->tokens.Last()->code, CM_COMMENT);
  EXPECT_FALSE(move->ArgSlots(0)->tokens.Last()->begin.IsSet());
  EXPECT_TRUE(move->Tokens().IsEmpty());

  std::unique_ptr<OrvExpr> leaf(Word("X"));
  OrvAddComment(leaf.get(), VString("on leaf"));
  EXPECT_EQ(Images(leaf->Tokens()), "on leaf");
}

}  // namespace
