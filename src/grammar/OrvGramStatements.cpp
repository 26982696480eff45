// Statements in the grammar's actions.
#include "OrvGramStatements.h"

#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvMessage.h"
#include "OrvParserImpl.h"

OrvExpr* OrvGramGoTo(OrvExpr* names, OrvExpr** depending) {
  OrvExpr* phrase = *depending;
  if (!OrvGramAbsent(phrase)) return OrvGramNode(STMT_GOTO_DEPENDING, names, phrase);
  if (names != nullptr && names->Oper() == EX_LIST && names->NArgs() > 1 && currentParser != nullptr) {
    const VString text("More than one procedure name in GO TO without DEPENDING");
    currentParser->ReportMessage(MSG_ERR, nullptr, &text);
  }
  OrvReleaseValue(*depending);
  return OrvGramNode(STMT_GOTO, names);
}
