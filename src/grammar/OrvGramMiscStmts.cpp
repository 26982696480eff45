// ENTER, NOTE and EXEC blocks in the grammar's actions.
#include "OrvGramMiscStmts.h"

#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvMessage.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"

void OrvGramEnter() {
  if (currentParser == nullptr) return;
  const VString text("ENTER statement is ignored");
  currentParser->ReportMessage(MSG_WARN, nullptr, &text);
}

OrvExpr* OrvGramNote(OrvExpr* note) {
  if (currentParser != nullptr) currentParser->FinishNote(note);
  return note;
}

OrvExpr* OrvGramExecLines() {
  if (currentParser == nullptr) return OrvGramNode(STMT_EXEC);
  return currentParser->MakeExecLines(STMT_EXEC);
}

OrvExpr* OrvGramExecTokens(OrvExpr* exec) {
  if (exec == nullptr || exec->NArgs() <= STMT_EXEC__EXEC_KIND) return exec;
  // Only a head that holds EXEC's token moves.
  bool hasExec = false;
  for (OrvTokenListNode* e = exec->Tokens().Head(); e != nullptr && !hasExec; e = e->next)
    hasExec = e->token->code == RW_EXEC;
  if (!hasExec) return exec;
  OrvTokenList& subsystem = exec->ArgSlots(STMT_EXEC__EXEC_KIND)->tokens;
  for (;;) {
    OrvToken* token = exec->Tokens().PopFirst();
    if (token == nullptr) break;
    const bool last = token->code == RW_EXEC;
    subsystem.Append(token);
    if (last) break;
  }
  return exec;
}
