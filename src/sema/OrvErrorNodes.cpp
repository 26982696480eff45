// Error nodes: the STMT__SYNTAX_ERROR statements that keep the source text
// which error recovery throws away.
#include <iostream>

#include "OrvClauseCollector.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvOperSlots.h"
#include "OrvParserErrors.h"
#include "OrvParserImpl.h"
#include "OrvToken.h"
#include "OrvTreeUtil.h"

namespace {

// The traces of this file follow the lexer's trace switch.
bool Tracing(const OrvParserImpl* parser) { return parser->lexer.settings.traceFlags != 0; }

// A new error node: a STMT__SYNTAX_ERROR over an empty EX_EXEC_TOKEN_LIST.
OrvExpr* NewErrorNode() {
  return new OrvExprOper(STMT__SYNTAX_ERROR, new OrvExprOper(EX_EXEC_TOKEN_LIST));
}

// The token list child of an error node, made anew when it is missing.
OrvExpr* TokenListOf(OrvExpr* errNode) {
  const int slot = STMT__SYNTAX_ERROR__SKIPPED_TOKENS;
  OrvExpr* list = errNode->NArgs() > slot ? errNode->Args(slot) : nullptr;
  if (list == nullptr || list->Oper() != EX_EXEC_TOKEN_LIST) {
    list = new OrvExprOper(EX_EXEC_TOKEN_LIST);
    errNode->SetArg(slot, list, -1, 0);
  }
  return list;
}

// True when dropped tokens ending at `listEnd` lie before the first token
// the error node's list holds, or in another file: they then go in front.
// A list that ends exactly where that token begins goes in front as well:
// recovery pops the stack from the top, so the text before a token that
// touches it ("(B", ":X", "SOURCE-COMPUTER.") arrives after it.  Tokens
// without a position say nothing about their place and keep their order of
// arrival (behind).
bool GoesInFront(OrvExpr* tokenList, const OrvTxtPosn& listEnd) {
  if (tokenList->NArgs() == 0) return false;
  OrvExpr* first = tokenList->Args(0);
  if (first == nullptr) return false;
  OrvTxtPosn firstBegin = first->Tokens().PosnRange().beg;
  const int order = OrvTxtPosn::Compare(listEnd, firstBegin);
  return order < 0 || (order == 0 && listEnd.IsSet());
}

// Turns a dropped token into the TOKEN_STRING child that keeps it.
OrvExpr* KeepToken(OrvToken*& token) {
  VString text;
  if (token->code == SEP_SPACE) {
    token->code = PRESERVED_SPACE;
    text = VString(" ");
  } else if (token->code != CM_COMMENT) {
    text = token->Text();
    token->SetImage(text);
    token->code = PRESERVED_STRING;
  }
  OrvExpr* node = new OrvTokenString(text);
  node->Tokens().Append(token);
  return node;
}

}  // namespace

OrvExpr* GenErrNode() {
  OrvParserImpl* parser = currentParser;
  if (parser == nullptr) return nullptr;
  OrvExpr* current = parser->errNode;
  parser->errNodeTaken = 1;
  if (current != nullptr && current->Parent() == nullptr) {
    if (Tracing(parser)) std::cout << "  GenErrNode: err_node is UN-attached, use it" << std::endl;
    return current;
  }
  // An attached error node belongs to the tree; the next one must be new,
  // or every token dropped later would make an error node of its own.
  if (Tracing(parser)) {
    std::cout << (current != nullptr ? "  GenErrNode: err_node is attached, generate new one"
                                     : "  GenErrNode: no err_node, generate new")
              << std::endl;
  }
  parser->errNode = NewErrorNode();
  return parser->errNode;
}

namespace {

// Takes a dropped value's node out of the parse: gathers its subtree's
// tokens into `tokens`; null when the value is not to be dropped.  When the
// error node goes with the value it is forgotten first, so that the value's
// tokens are not handed to a node about to be deleted (the next one takes
// them).
OrvExpr* DropValue(OrvParserImpl* parser, OrvGrammarValue value, OrvTokenList& tokens) {
  OrvExpr* node = OrvGrammarValueNode(value);
  if (parser == nullptr || node == nullptr || node->Parent() != nullptr) return nullptr;
  if (node->Oper() == COBOL_FILE || node->Oper() == COBOL_PROGRAM) return nullptr;
  if (parser->errNode != nullptr && OrvIsInSubtree(node, parser->errNode)) {
    if (Tracing(parser)) std::cout << "=!!=ERR_NODE DELETED, set it to NULL" << std::endl;
    parser->errNode = nullptr;
  }
  OrvGatherTokensWalker(node, tokens);
  // A collector that holds the value, or a node inside it, must not use or
  // free it later; its saved tokens go with the value's.
  OrvCollectorsForgetWithin(node, tokens);
  return node;
}

}  // namespace

void DiscardErrValue(OrvGrammarValue value, int mode) {
  OrvTokenList tokens;
  OrvExpr* node = DropValue(currentParser, value, tokens);
  if (node == nullptr) return;
  AttachErrTokens(&tokens, mode);
  // Freed with the parse state: a stack entry below the value may still
  // name a node that an action hung into it (a mid-rule action adopting an
  // earlier symbol), and must not be left pointing at freed memory.
  currentParser->droppedValues.push_back(node);
}

void TakeOverValueTokens(OrvGrammarValue value, OrvTokenList& into) {
  OrvExpr* node = DropValue(currentParser, value, into);
  if (node != nullptr) currentParser->droppedValues.push_back(node);
}

void ClearErrNode() {
  OrvParserImpl* parser = currentParser;
  if (parser == nullptr || parser->errNode == nullptr) return;
  // A node that no error rule took and no tree holds is the parser's
  // alone: it stays current, so that its text reaches the tree with the
  // error that follows instead of being lost.
  if (parser->errNode->Parent() == nullptr && !parser->errNodeTaken) return;
  parser->errNode = nullptr;
}

void DiscardErrTokens(OrvTokenList* list, int mode) {
  OrvParserImpl* parser = currentParser;
  if (parser == nullptr) return;
  if (list != nullptr) {
    AttachErrTokens(list, mode);
    if (mode != ORV_DISCARD_LOOKAHEAD) {
      list->Clear();
      delete list;
    }
    return;
  }
  if (mode == ORV_DISCARD_NEW_ERROR_NODE) {
    parser->errNode = NewErrorNode();
    parser->errNodeTaken = 0;
    if (Tracing(parser)) std::cout << "-!!-CREATED NEW ERROR NODE" << std::endl;
  }
}

void AttachErrTokens(OrvTokenList* list, int mode) {
  OrvParserImpl* parser = currentParser;
  if (parser == nullptr) return;
  if (Tracing(parser)) {
    std::cout << "!!AttachErrTokens: type=" << mode << " ";
    if (list != nullptr) list->Print(std::cout);
    std::cout << std::endl;
  }
  if (list == nullptr || list->IsEmpty()) return;

  // The current error node takes the tokens, also when a tree holds it
  // already: they belong to its error, the one being recovered from.  Error
  // recovery clears it when the next error starts (ClearErrNode); without
  // one, a new one is made, so that no dropped token is lost.
  if (parser->errNode == nullptr) {
    parser->errNode = NewErrorNode();
    parser->errNodeTaken = 0;
    if (Tracing(parser)) std::cout << "  AttachErrTokens: no err_node, generate new" << std::endl;
  }
  OrvExpr* errNode = parser->errNode;
  OrvExpr* tokenList = TokenListOf(errNode);
  bool inFront = GoesInFront(tokenList, list->PosnRange().end);
  int next = 0;
  // Each token leaves the list for the node that keeps it.
  while (OrvToken* e = list->PopFirst()) {
    OrvExpr* kept = KeepToken(e);
    if (inFront) {
      tokenList->InsArg(kept, next++);
    } else {
      tokenList->AddArg(kept);
    }
  }
  if (Tracing(parser)) errNode->DebugDump(std::cout);
}

OrvExpr* OrvKeptTokenNode(OrvToken*& token) { return KeepToken(token); }
