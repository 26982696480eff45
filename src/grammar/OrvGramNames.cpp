// Names in the grammar's actions.
#include "OrvGramNames.h"

#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvListExpr.h"
#include "OrvNameNodes.h"
#include "OrvParserImpl.h"
#include "OrvParserNames.h"
#include "OrvSymTab.h"

namespace {

// The element a value holds, or null when it holds something else.
OrvSymTabElt* ElementOf(OrvExpr* node) {
  return node != nullptr && node->Oper() == SYMBOL_TABLE_ELT ? static_cast<OrvSymTabElt*>(node) : nullptr;
}

}  // namespace

OrvExpr* OrvGramDefine(OrvExpr* element, int category, int mayRepeat) {
  if (currentParser == nullptr) return nullptr;
  return currentParser->SymTabDefine(ElementOf(element), category, mayRepeat);
}

OrvExpr* OrvGramNameUse(OrvExpr* element, int category, OrvTokenList* tokens) {
  return OrvNewNamedObjUseForElt(ElementOf(element), category, tokens);
}

OrvExpr* OrvGramNameUseNode(OrvExpr* element) { return new OrvNameUse(OrvLink(ElementOf(element), -1)); }

OrvExpr* OrvGramLiteralName(OrvExpr** entry) {
  OrvExpr* literal = *entry;
  OrvExpr* element = nullptr;
  if (literal != nullptr && literal->HasImage() && currentParser != nullptr)
    element = OrvSymTabFindOrAddElt(currentParser->curSymTab, *literal->Image());
  OrvReleaseValue(*entry);
  return element;
}

OrvExpr* OrvGramLiteralProgramName(OrvExpr** entry) {
  OrvExpr* literal = *entry;
  OrvExpr* element = nullptr;
  if (literal != nullptr && literal->HasImage() && currentParser != nullptr)
    element = FindNameInProg(currentParser, *literal->Image());
  OrvReleaseValue(*entry);
  return element;
}

void OrvGramNumberName(OrvExpr** entry) { *entry = OrvGramLiteralName(entry); }

OrvExpr* OrvGramNumberNameUse(OrvExpr** entry) { return OrvGramNameUseNode(OrvGramLiteralName(entry)); }

OrvExpr* OrvGramProcNameUse(OrvExpr* name, OrvExpr* section) {
  return OrvNewNamedObjUse(OrvListExpr(OF_IN_LIST, name, section), SYMCAT_PROC_NAME, 0);
}
