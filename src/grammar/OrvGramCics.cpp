// EXEC CICS in the grammar's actions: command heads, the CICS collector's
// part, the lists of ASSIGN, HANDLE and IGNORE, condition names, the
// block's switches and the text form of unknown commands.
#include "OrvGramCics.h"

#include <algorithm>
#include <vector>

#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvGramSwitches.h"
#include "OrvLookaheadQueue.h"
#include "OrvMessage.h"
#include "OrvOperSlots.h"
#include "OrvParserErrors.h"
#include "OrvParserImpl.h"
#include "OrvParseEngine.h"
#include "OrvParserStatics.h"
#include "OrvTreeUtil.h"
#include "OrvWords.h"

namespace {

// Every command keeps its placeholder (or the option of its head) in the
// same slot, and the list statements their list in the same slot.
constexpr int kHeadSlot = CS_STMT_ABEND__NOT_USED;
constexpr int kListSlot = CS_STMT_ASSIGN__ASSIGNMENT_LIST;
static_assert(kHeadSlot == CS_STMT_SEND_MAP__MAP && kHeadSlot == CS_STMT_RECEIVE_MAP__MAP &&
                  kHeadSlot == CS_STMT_ADDRESS_SET__SET && kHeadSlot == CS_STMT_ASSIGN__NOT_USED &&
                  kHeadSlot == CS_STMT_HANDLE_AID__NOT_USED && kHeadSlot == CS_STMT_HANDLE_CONDITION__NOT_USED &&
                  kHeadSlot == CS_STMT_IGNORE_CONDITION__NOT_USED,
              "slot 0 holds the placeholder or the option of the head");
static_assert(kListSlot == CS_STMT_HANDLE_AID__HANDLER_LIST && kListSlot == CS_STMT_HANDLE_CONDITION__HANDLER_LIST &&
                  kListSlot == CS_STMT_IGNORE_CONDITION__HANDLER_LIST,
              "the list of ASSIGN, HANDLE and IGNORE stands in one slot");

}  // namespace

void OrvGramCicsWords(int on) {
  OrvGramReservedLookup(on);
  OrvGramNameLookup(on);
  if (on && currentParser != nullptr) currentParser->lexer.switches.cicsText = 0;
}

OrvExpr* OrvGramCicsHead(int op, OrvExpr** placeholder) {
  OrvExpr* statement = new OrvExprOper(static_cast<OrvOper>(op));
  statement->SetArg(kHeadSlot, *placeholder, -1, 0);
  *placeholder = nullptr;
  return statement;
}

OrvExpr* OrvGramCicsHeadWithOption(int op, OrvExpr** placeholder) {
  delete *placeholder;
  *placeholder = nullptr;
  return new OrvExprOper(static_cast<OrvOper>(op));
}

void OrvGramCicsStart(OrvExpr** head) {
  OrvCicsStatementCollector.Start(*head);
  *head = nullptr;
}

OrvExpr* OrvGramCicsOption(OrvExpr* option) {
  // The collector owns the option from here on: it may place it, or report
  // and delete it, so the rule keeps no value that could dangle.
  OrvCicsStatementCollector.AddOption(option);
  return nullptr;
}

OrvExpr* OrvGramCicsCollected() { return OrvCicsStatementCollector.Finish(); }

OrvExpr* OrvGramCicsFinish(OrvExpr* statement) {
  if (statement == nullptr || statement->NArgs() <= kHeadSlot) return statement;
  statement->ArgSlots(kHeadSlot)->tokens.Splice(statement->Tokens());
  return statement;
}

OrvExpr* OrvGramCicsListStatement(int op, OrvExpr* placeholder, OrvExpr* list) {
  OrvCicsCollector& collector = OrvCicsStatementCollector;
  collector.Start(new OrvExprOper(static_cast<OrvOper>(op)));
  collector.SetClause(kHeadSlot, placeholder);
  collector.SetClause(kListSlot, list);
  return collector.Finish();
}

OrvExpr* OrvGramCicsWordName(int code) {
  const int index = code - CTK_ABCODE;
  if (index < 0 || index >= ORV_CICS_KEYWORD_COUNT) return new OrvCharString(VString());
  return new OrvCharString(VString(OrvCicsKeywords[index]));
}

OrvExpr* OrvGramCicsUserName(OrvExpr** entry) {
  OrvExpr* element = *entry;
  *entry = nullptr;
  return new OrvCharString(element != nullptr ? element->Value() : VString());
}

void OrvGramCicsUnknownWord(OrvExpr** entry, OrvTokenList* tokens) {
  *entry = nullptr;
  if (currentParser == nullptr) return;
  const OrvToken* word = tokens != nullptr ? tokens->Last() : nullptr;
  const VString image = word != nullptr ? word->Image() : VString();
  const VString text = OrvFormat("Unknown CICS command or option '%s'; the EXEC CICS block is kept as text.",
                                 image.text != nullptr ? image.text : "");
  currentParser->ReportMessage(MSG_WARN, word != nullptr ? &word->begin : nullptr, &text);
}

void OrvGramCicsTextMode() {
  OrvGramCicsWords(0);
  if (currentParser != nullptr) currentParser->lexer.switches.cicsText = 1;
}



void OrvGramCicsDropValue(OrvExpr** entry) {
  delete *entry;
  *entry = nullptr;
}

OrvExpr* OrvGramCicsTextList() { return new OrvExprOper(EX_EXEC_TOKEN_LIST); }

namespace {

// Moves the tokens of a statement the collector started, and then those
// of `more`, to the end of `into` in the order of the source: the
// statement keeps its options in slot order and its command words in slot
// 0.  The statement is deleted; its name uses go with it.
void TakeTokensInSourceOrder(OrvExpr* statement, OrvTokenList& more, OrvTokenList& into) {
  OrvTokenList tokens;
  if (statement != nullptr) {
    OrvGatherTokensWalker(statement, tokens);
    delete statement;
  }
  tokens.Splice(more);
  std::vector<OrvToken*> inOrder;
  for (OrvToken* token = tokens.PopFirst(); token != nullptr; token = tokens.PopFirst())
    inOrder.push_back(token);
  std::stable_sort(inOrder.begin(), inOrder.end(), [](const OrvToken* a, const OrvToken* b) {
    return OrvTxtPosn::Compare(a->begin, b->begin) < 0;
  });
  for (OrvToken* token : inOrder) into.Append(token);
}

}  // namespace

OrvExpr* OrvGramCicsText(OrvExpr* list, OrvExpr* statement) {
  if (list == nullptr) {
    delete statement;
    return nullptr;
  }
  OrvTokenList tokens;
  TakeTokensInSourceOrder(statement, list->Tokens(), tokens);
  for (OrvToken* token = tokens.PopFirst(); token != nullptr; token = tokens.PopFirst())
    list->AddArg(OrvKeptTokenNode(token));
  return list;
}

OrvExpr* OrvGramCicsUnended(OrvExpr* exec) {
  ReportSyntaxError("syntax error", SEP_DOT, &TokenValue, &TokenPosition);
  ++SyntaxErrorCount;
  return exec;
}

void OrvGramCicsAbandon() {
  OrvCicsCollector& collector = OrvCicsStatementCollector;
  OrvExpr* statement = collector.node;
  if (statement != nullptr && statement->Parent() == nullptr && currentParser != nullptr) {
    // The error node takes the started statement's tokens in source order.
    statement = collector.Finish();
    OrvTokenList none;
    OrvTokenList tokens;
    TakeTokensInSourceOrder(statement, none, tokens);
    AttachErrTokens(&tokens, ORV_DISCARD_POPPED);
  }
  collector.Abandon();
}
