// The CICS collector: the statement of an EXEC CICS block and the placing of
// its options into the slots that the CICS option table gives.
#include "OrvClauseCollector.h"
#include "OrvExpr.h"
#include "OrvParserImpl.h"
#include "OrvPosnWalkers.h"

OrvCicsCollector::OrvCicsCollector() : pendingOption(nullptr) {}

OrvCicsCollector::~OrvCicsCollector() {
  OrvExpr* pending = pendingOption;
  pendingOption = nullptr;
  if (pending != nullptr && pending->Parent() == nullptr) DeleteOwned(pending, currentParser);
}

OrvExpr* OrvCicsCollector::Start(OrvExpr* statement) {
  OrvClauseCollector::Start(statement);
  OrvExpr* pending = pendingOption;
  pendingOption = nullptr;
  if (pending == nullptr) return statement;
  if (statement == nullptr) {
    DeleteOwned(pending, currentParser);
  } else if (PlaceOption(pending) < 0) {
    RefuseOption(pending);
  }
  return statement;
}

void OrvCicsCollector::Abandon() {
  OrvExpr* pending = pendingOption;
  pendingOption = nullptr;
  // Start without a node releases the held one as recovery releases a
  // value: its tokens and the saved ones go to the error node.
  OrvClauseCollector::Start(nullptr);
  DiscardLoose(pending);
}

int OrvCicsCollector::AddOption(OrvExpr* option) {
  if (option == nullptr) return -1;
  if (node == nullptr) {
    // Also after a statement that recovery threw away: the option waits for
    // the next statement instead of going into a released one.
    if (pendingOption != nullptr && pendingOption != option) {
      DeleteOwned(pendingOption, currentParser);
    }
    pendingOption = option;
    return -1;
  }
  int slot = PlaceOption(option);
  if (slot < 0) RefuseOption(option);
  return slot;
}

int OrvCicsCollector::PlaceOption(OrvExpr* option) {
  if (node == nullptr || option == nullptr) return -1;
  int slot = OrvCicsOptionSlot(static_cast<std::uint16_t>(node->Oper()),
                               static_cast<std::uint16_t>(option->Oper()));
  if (slot < 0) return -1;
  SetClause(slot, option);
  return slot;
}

void OrvCicsCollector::RefuseOption(OrvExpr* option) {
  VString text = OrvFormat("Option %s can not be used in CICS statement %s. Option ignored.",
                           OrvOperName(option->Oper()),
                           node != nullptr ? OrvOperName(node->Oper()) : "");
  OrvTxtPosn at = OrvSrcPosnBegWalker(option);
  OrvParserImpl::ParserError(MSG_ERR, &at, &text);
  // The option leaves neither node nor tokens in the tree.
  DeleteOwned(option, currentParser);
}

void OrvCicsCollector::Reset(OrvParserImpl* parser) {
  OrvClauseCollector::Reset(parser);
  OrvExpr* pending = pendingOption;
  pendingOption = nullptr;
  if (pending != nullptr && pending->Parent() == nullptr) DeleteOwned(pending, parser);
}

void OrvCicsCollector::ForgetWithin(OrvExpr* discarded, OrvTokenList& dropped) {
  OrvClauseCollector::ForgetWithin(discarded, dropped);
  if (pendingOption == nullptr || !LiesWithin(pendingOption, discarded)) return;
  pendingOption = nullptr;
  dropped.Splice(tokens);
}
