// The two report routines of the printing code.
#include "OrvPrintMessages.h"

#include <iostream>

#include "OrvExpr.h"
#include "OrvMessage.h"
#include "OrvMessageSink.h"
#include "OrvPosnWalkers.h"
#include "OrvPrettyPrinter.h"
#include "OrvToken.h"
#include "OrvTxtPosn.h"

VString OrvPosnPrefix(const OrvTxtPosn& at) {
  if (!at.IsSet()) return VString("");
  const VString where = at.ToString();
  return OrvFormat("%s: ", where.text ? where.text : "");
}

namespace {

// The token of a message about a node.
OrvToken* NodeMessageToken(const OrvExpr* node, int level, const VString& text) {
  const OrvTxtPosn at = OrvSrcPosnBegWalker(const_cast<OrvExpr*>(node));
  const VString image = OrvPosnPrefix(at) + OrvFormat("%s: ", OrvOperName(node->Oper())) + text;
  return new OrvToken(level, image, at, at);
}

// Echoes a message on standard output while the current printer traces.
void Echo(const OrvToken& token) {
  if (OrvCurrentPrinter != nullptr && OrvCurrentPrinter->trace_flags != 0)
    std::cout << "ERROR: " << token << "\n";
}

void Append(OrvTokenList* list, OrvToken* token) {
  Echo(*token);
  list->Append(token);
}

}  // namespace

void AddPError(const OrvExpr* node, int level, const VString& text) {
  if (OrvPrintMessages == nullptr) {
    const VString missing("OrvExpr::AddPError: no list of error messages specified");
    OrvGlobalMessageSink(MSG_TERMINAL, &OrvNullPosn, &missing);
    return;
  }
  Append(OrvPrintMessages, NodeMessageToken(node, level, text));
}

void AddError(int level, const VString& text) {
  if (OrvPrintMessages == nullptr) {
    const VString missing("OrvExpr::AddError: no list of error messages specified");
    OrvGlobalMessageSink(MSG_TERMINAL, &OrvNullPosn, &missing);
    return;
  }
  Append(OrvPrintMessages, new OrvToken(level, text, OrvTxtPosn(), OrvTxtPosn()));
}

void AddPErrorTo(OrvTokenList* list, const OrvExpr* node, int level, const VString& text) {
  if (list == nullptr) return;
  Append(list, NodeMessageToken(node, level, text));
}
