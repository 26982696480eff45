// The FILE SECTION and the sections of record entries in the grammar's
// actions.
#include "OrvGramFileSection.h"

#include "OrvDialMasks.h"
#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvGramSwitches.h"
#include "OrvListExpr.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvParserStatics.h"
#include "OrvSymTab.h"

namespace {

// The from-source state of a node that the grammar moved out of the source
// order (an EXEC block among records).
const int kNotFromSource = 0;

// Closes every open level of the entries: the finished records join the
// record list.
void CloseAllLevels() {
  if (currentParser != nullptr) currentParser->AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
}

void AppendToRecords(OrvExpr* item) {
  if (currentParser == nullptr) {
    delete item;
    return;
  }
  currentParser->recordList = OrvListExpr(DECL_DD_LIST, currentParser->recordList, item);
}

}  // namespace

OrvExpr* OrvGramStartFileDescription(OrvExpr* level, OrvExpr* fileName) {
  OrvExpr* const parts[] = {level, fileName};
  return OrvGramStartCollected(OrvFileDescriptionCollector, DECL_FD_ENTRY, parts, 2);
}

OrvExpr* OrvGramStartLinage(OrvExpr* lines) { return OrvGramStartCollected(OrvEntryCollector, FDX_LINAGE, &lines, 1); }

OrvExpr* OrvGramFinishLinage() {
  OrvExpr* counter = OrvGramDefineRegister("LINAGE-COUNTER", SYMCAT_DATA_NAME);
  if (OrvEntryCollector.node != nullptr && counter != nullptr)
    OrvEntryCollector.node->SetArg(FDX_LINAGE__LINAGE_COUNTER_DEFINED, counter, -1, 0);
  else
    delete counter;
  return OrvEntryCollector.Finish();
}

OrvExpr* OrvGramDefineRegister(const char* name, int category) {
  if (currentParser == nullptr) return nullptr;
  OrvSymTabElt* element = OrvSymTabFindOrAddElt(currentParser->curSymTab, VString(name));
  return currentParser->SymTabDefine(element, category, 1);
}

void OrvGramValueOfWords(int on) {
  const bool wang = currentParser != nullptr && (currentParser->lexerSettings.dials & ORV_DIAL_MASK_WANG) != 0;
  if (on == 0 || wang) OrvGramSpecialWords(on);
}

OrvExpr* OrvGramRecordEntries() {
  CloseAllLevels();
  OrvExpr* records = currentParser != nullptr ? currentParser->recordList : nullptr;
  if (records == nullptr) return OrvGramNullNode();
  currentParser->recordList = nullptr;
  return records;
}

void OrvGramMarkerAmongEntries(OrvExpr* marker, int holder) {
  if (currentParser == nullptr) {
    delete marker;
    return;
  }
  // A node the nesting ignores (no COPY, REPLACE or INCLUDE boundary) would
  // be lost with its tokens: it stands among the records as an item of its
  // own.  A boundary kept pending or placed has a parent.
  if (currentParser->AddDataDescEntry(ORV_MARKER_LEVEL, marker, static_cast<short>(holder)) < 0 &&
      marker->Parent() == nullptr)
    OrvGramItemAmongEntries(marker);
}

void OrvGramItemAmongEntries(OrvExpr* item) {
  CloseAllLevels();
  AppendToRecords(item);
}

void OrvGramExecAmongEntries(OrvExpr* exec) {
  CloseAllLevels();
  if (exec->Oper() == STMT_EXEC)
    exec->SetOper(STMT_EXEC_IN_DCL);
  else if (exec->Oper() == STMT_EXEC_SQL)
    exec->SetOper(STMT_EXEC_SQL_IN_DCL);
  exec->SetFromSrc(kNotFromSource);
  AppendToRecords(exec);
}
