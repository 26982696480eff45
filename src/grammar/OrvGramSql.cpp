// Embedded SQL in the grammar's actions.
#include "OrvGramSql.h"

#include "OrvActionFrame.h"
#include "OrvConstNodes.h"
#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvListExpr.h"
#include "OrvNameNodes.h"
#include "OrvParserImpl.h"
#include "OrvSymTab.h"

namespace {

// The element of the identifier's image in upper case, in the running
// parser's current symbol table; the identifier's node is released.
OrvSymTabElt* UpperCaseElement(OrvExpr** entry) {
  OrvExpr* word = *entry;
  OrvSymTabElt* element = nullptr;
  if (word != nullptr && word->HasImage() && currentParser != nullptr)
    element = OrvSymTabFindOrAddElt(currentParser->curSymTab, word->Image()->ToUpper());
  OrvReleaseValue(*entry);
  return element;
}

}  // namespace

OrvExpr* OrvGramSqlName(OrvExpr** entry, OrvTokenList* tokens) {
  OrvSymTabElt* element = UpperCaseElement(entry);
  if (element == nullptr) return nullptr;
  OrvNameUse* use = new OrvNameUse(OrvLink(element, ORV_NO_LINK_INDEX));
  if (tokens != nullptr) use->Tokens().Splice(*tokens);
  return use;
}

OrvExpr* OrvGramSqlHostVar(OrvExpr* names) {
  return OrvGramNode(SQL_HOST_VAR_REF, OrvNewNamedObjUse(names, SYMCAT_DATA_NAME, 0));
}

OrvExpr* OrvGramSqlLabel(OrvExpr** entry, OrvTokenList* tokens) {
  OrvSymTabElt* element = UpperCaseElement(entry);
  if (element == nullptr) return nullptr;
  return OrvNewNamedObjUseForElt(element, SYMCAT_PROC_NAME, tokens);
}

OrvExpr* OrvGramSqlRow(OrvExpr* value) {
  if (value != nullptr && value->Oper() == SQL_ROW_CONSTRUCTOR) return value;
  return OrvGramNode(SQL_ROW_CONSTRUCTOR, OrvListExpr(SQL_EXPR_LIST, value, nullptr));
}

OrvExpr* OrvGramSqlValueWord() { return new OrvCharString(VString("VALUE")); }

OrvExpr* OrvGramSqlFunction(OrvExpr* name, OrvExpr* arguments) {
  return OrvGramNode(INTR_FUNCTION, name, arguments);
}
