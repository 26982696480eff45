// USE statements in the grammar's actions.
#include "OrvGramUse.h"

#include "OrvExprOper.h"
#include "OrvMessage.h"
#include "OrvNameNodes.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvTreeWalk.h"

namespace {

// A warning at the current position when the parse is not in DECLARATIVES.
void OutsideDeclaratives(const char* text) {
  if (currentParser == nullptr || currentParser->inDeclaratives) return;
  const VString message(text);
  currentParser->ReportMessage(MSG_WARN, nullptr, &message);
}

// Makes a name use expect no category; its qualifiers and subscripts are
// looked at too.
int ExpectAnyCategory(OrvExpr* node, void*) {
  if (node != nullptr && node->Oper() == NAMED_OBJ_USE) static_cast<OrvNamedObjUse*>(node)->SetCategory(SYMCAT_UNKNOWN);
  return ORV_WALK_CHILDREN;
}

}  // namespace

OrvExpr* OrvGramUseAfter(OrvExpr* use) {
  OutsideDeclaratives("USE AFTER PROCEDURE statement can appear in DECLARATIVES only");
  return use;
}

OrvExpr* OrvGramUseBeforeReporting(OrvExpr* use) {
  OutsideDeclaratives("USE BEFORE REPORTING statement should appear in DECLARATIVES only");
  return use;
}

void OrvGramDebuggingList(int on) {
  if (currentParser != nullptr) currentParser->inUseForDebugging = on;
}

OrvExpr* OrvGramUseForDebugging(OrvExpr* use) {
  OrvGramDebuggingList(0);
  OutsideDeclaratives("USE FOR DEBUGGING statement should appear in DECLARATIVES only");
  const int items = STMT_USE_FOR_DEBUGGING__DEBUGGED_ITEMS;
  if (use != nullptr && use->NArgs() > items && use->Args(items) != nullptr)
    WalkTheTree(use->Args(items), nullptr, ExpectAnyCategory);
  return use;
}
