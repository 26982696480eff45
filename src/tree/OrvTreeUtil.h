// Tree utilities and searches: moving tokens and comments out of a subtree,
// ancestors and descendants by operation code, where a node stands, the
// clauses that a data item inherits from its groups, and a few edits that
// tools apply to whole trees.  All of them work through the node interface
// and the operation catalogue.
#ifndef LARK_TREE_ORVTREEUTIL_H
#define LARK_TREE_ORVTREEUTIL_H

#include "VString.h"

class OrvExpr;
class OrvTokenList;

// The catalogue's print template of an operation; "bad-op" for an invalid
// code.
VString OrvOperTemplateStr(int op);

// The USAGE, SYNCHRONIZED and SIGN clauses that apply to a data item: from
// the node up to DIVISION_DATA, the innermost DECL_DD entry that gives a
// clause wins.  usage becomes the operation code of the USAGE (DU_DISPLAY
// when none), sync the operation code of the SYNCHRONIZED clause and sign
// that of the SIGN clause (1 when none), signSeparate 1 when that SIGN clause
// has SEPARATE (else 0).
void OrvInheritedDataClauses(OrvExpr* node, int& usage, int& sync, int& sign,
                             int& signSeparate);
// The usage part alone: DU_DISPLAY when no USAGE clause applies.
int OrvUsageOf(OrvExpr* node);

// Moves every token of the subtree, in source order, to the end of `dest`.
void OrvGatherTokensWalker(OrvExpr* node, OrvTokenList& dest);
// Moves every CM_COMMENT token of the subtree to the end of `dest`; the other
// tokens stay where they are.
void OrvGatherCommentsWalker(OrvExpr* node, OrvTokenList& dest);

// 1 when `node` is `root` or lies in the subtree below `root`, else 0.
int OrvIsInSubtree(OrvExpr* root, OrvExpr* node);
// The topmost ancestor of a node (the node itself when it has no parent);
// null for null.
OrvExpr* OrvTreeRoot(OrvExpr* node);

// 1 with *found set (when `found` is not null) to the nearest node at or
// above `node` whose operation is `op`; 0 when there is none.
int OrvFindAncestorOp(OrvExpr* node, int op, OrvExpr** found);
// The same search, answering the node or null.
OrvExpr* OrvAncestorOp(OrvExpr* node, int op);
// The first node of operation `op` in pre-order (the node itself, then each
// child's subtree in slot order); null when there is none.
OrvExpr* OrvFindDescendantOp(OrvExpr* node, int op);

// Nearest node at or above `node` that is a section (configuration to
// procedure sections); null when COBOL_PROGRAM comes first or the top is
// reached.
OrvExpr* OrvEnclosingSection(OrvExpr* node);
// Nearest node at or above `node` whose operation is a list; null when none.
OrvExpr* OrvEnclosingList(OrvExpr* node);
// Nearest node at or above `node` whose operation is a statement; null when
// COBOL_PROGRAM comes first or the top is reached.
OrvExpr* OrvEnclosingStmt(OrvExpr* node);
// 1 when the node is the last thing of its SENTENCE: climbing from it, each
// parent is a list whose last slot holds the climbing node, or an IF or ELSE
// node, until the parent is a SENTENCE.  Else 0 (a SENTENCE node itself
// only counts when it is reached from below).
int OrvEndsSentence(OrvExpr* node);

// 1 when the definition that the node stands for (a NAMED_OBJ_USE for its
// definition, a SYMBOL_TABLE_ELT for its one definition, or a NAMED_OBJ_DEF
// itself) is declared directly under COBOL_FILE, else 0.
int OrvIsFileLevelDef(OrvExpr* node);

// Takes every NULL_NODE below the root out of its parent and deletes it.
// Each node of the tree is visited once.
void OrvDropNullNodes(OrvExpr* root);
// Removes, from every list node of the tree, the slots that are empty or hold
// a NULL_NODE; a list left without slots is taken out of its parent and
// deleted (the root itself stays).  Each node is visited once.
void OrvDropEmptyListElems(OrvExpr* root);
// When the node's parent has the same operation: the node's slot in the
// parent is replaced by the node's children, in order and with the tokens in
// front of them, and the node is deleted; its own leading and trailing tokens
// stay in the parent at the same place.  Result 0 on success; FindMe's
// negative answer when the node has no parent or is not found among its
// children; the parent's operation code when it differs (nothing changes).
int OrvDissolveIntoParent(OrvExpr* node);

// The PICTURE category of `pic` with its item length in `length`; when the
// category cannot be found (other than for a constant problem) an MSG_ERR
// token with the message and an empty position is appended to `messages`.
int OrvPicCategoryMsg(const VString& pic, int& length, OrvTokenList& messages);

// Appends a CM_COMMENT token with the text and empty positions to the token
// list of slot 0 when the node has slots, else to its trailing token list.
void OrvAddComment(OrvExpr* node, const VString& text);

#endif
