// Syntax errors and error nodes: the grammar's report of a syntax error, the
// printable form of a look-ahead token, and the error node (a
// STMT__SYNTAX_ERROR over an EX_EXEC_TOKEN_LIST) that collects every token
// error recovery throws away, so that the skipped source text stays in the
// tree.  All of them work on the running parser, currentParser.
#ifndef LARK_SEMA_ORVPARSERERRORS_H
#define LARK_SEMA_ORVPARSERERRORS_H

#include <cstdint>

#include "VString.h"

class OrvExpr;
class OrvTokenList;
class OrvToken;

// The grammar's semantic value: one pointer-sized word, a plain number from
// 0 to ORV_GRAMMAR_PLAIN_MAX or a pointer to a node.
typedef std::intptr_t OrvGrammarValue;
const OrvGrammarValue ORV_GRAMMAR_PLAIN_MAX = 1400;

// The node a semantic value points to, or null for a plain number.
inline OrvExpr* OrvGrammarValueNode(OrvGrammarValue value) {
  return static_cast<std::uintptr_t>(value) > static_cast<std::uintptr_t>(ORV_GRAMMAR_PLAIN_MAX)
             ? reinterpret_cast<OrvExpr*>(value)
             : nullptr;
}

// Why the parse engine discards a value or a position list.
enum OrvDiscardMode {
  ORV_DISCARD_NEW_ERROR_NODE = -1,  // no list: start a new error node
  ORV_DISCARD_LOOKAHEAD = 0,        // the look-ahead token; its list is not freed
  ORV_DISCARD_POPPED = 1,           // a stack entry popped during recovery
  ORV_DISCARD_ABANDONED = 2         // the parse is abandoned
};

// Reports "<text>. at token: <token>" at MSG_ERR, at the begin of the first
// token of the look-ahead's position list that is not a blank, comma,
// semicolon or comment (the parser's current position when there is none).
void ReportSyntaxError(const char* text, int code, const OrvGrammarValue* value,
                       OrvTokenList* const* position);

// Reports "Nesting too deep: more than <limit> levels" at MSG_SEVERE, at
// the same position as ReportSyntaxError would.  The parse engine gives the
// parse up after it.
void ReportNestingTooDeep(int limit, OrvTokenList* const* position);

// The printable form of a look-ahead token of this code with this value: the
// token's kind form (with the image of the value node when it has one); a
// value node without an image adds "  TokenExpr:" and its dump.
VString TokenErrText(int code, const OrvGrammarValue* value);

// The error node for an error rule of the grammar: the current one while no
// tree holds it; otherwise (none, or attached) a new one, which becomes
// current.
OrvExpr* GenErrNode();

// Hands the tokens of a discarded value to the error node and takes the
// value out of the parse; it is deleted when the parse state is released
// (ReleaseParseState), since a stack entry may still name a node inside
// it.  Plain numbers, nodes with a parent and the COBOL_FILE and
// COBOL_PROGRAM nodes are left alone.  When the current error node lay in
// the dropped value, another one takes the tokens.  A clause collector that
// holds the value (or a node inside it) forgets it first and gives its saved
// tokens along.
void DiscardErrValue(OrvGrammarValue value, int mode);

// Hands the tokens of a discarded position list to the error node; for
// every mode but ORV_DISCARD_LOOKAHEAD the list is then cleared and freed.
// A null list with ORV_DISCARD_NEW_ERROR_NODE starts a new error node.
void DiscardErrTokens(OrvTokenList* list, int mode);

// Moves every token of the list into the current error node (made when
// there is none, so that no dropped token is lost; an error node that a
// tree already holds keeps taking the tokens of its own error), each as a
// TOKEN_STRING child of its token list: a blank becomes PRESERVED_SPACE with
// the text " ", a comment keeps its code with an empty text, any other token
// becomes PRESERVED_STRING with its source text.  Tokens that lie before
// those the node holds go in front of them, in their order.
void AttachErrTokens(OrvTokenList* list, int mode);

// A recovery from a syntax error starts: the current error node is left to
// whoever holds it (the tree, or an error rule's stack entry), and the next
// token dropped starts a new one, so that no error node mixes the text of
// two errors.  A node that no error rule took and no tree holds (text
// dropped outside a recovery) stays current: nothing else would keep it.
void ClearErrNode();

// Moves the tokens of a value's subtree to the end of `into` and takes the
// node out of the parse, under the rules of DiscardErrValue: plain numbers, nodes with a
// parent and the COBOL_FILE and COBOL_PROGRAM nodes are left alone, and the
// current error node is forgotten when it lay in the deleted subtree.  The
// parse engine gives them to the stack entry that stands for them after a
// failed trial parse.
void TakeOverValueTokens(OrvGrammarValue value, OrvTokenList& into);

// The TOKEN_STRING node that keeps one token (taken from `token`) as text,
// as error nodes keep the tokens they take (AttachErrTokens).
OrvExpr* OrvKeptTokenNode(OrvToken*& token);

#endif
