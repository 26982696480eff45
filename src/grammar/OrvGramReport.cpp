// The REPORT SECTION in the grammar's actions.
#include "OrvGramReport.h"

#include "OrvExprOper.h"
#include "OrvGramDataEntries.h"
#include "OrvGramFileSection.h"
#include "OrvGramNodes.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvParserStatics.h"

OrvExpr* OrvGramStartReportDescription(OrvExpr* name) {
  return OrvGramStartCollected(OrvReportDescriptionCollector, DECL_RD_ENTRY, &name, 1);
}

OrvExpr* OrvGramFinishReportDescription() {
  OrvExpr* entry = OrvReportDescriptionCollector.Finish();
  OrvExpr* const counters[] = {OrvGramDefineRegister("LINE-COUNTER", SYMCAT_DATA_NAME),
                               OrvGramDefineRegister("PAGE-COUNTER", SYMCAT_DATA_NAME)};
  const int slots[] = {DECL_RD_ENTRY__LINE_COUNTER, DECL_RD_ENTRY__PAGE_COUNTER};
  for (int i = 0; i < 2; ++i) {
    if (entry != nullptr && counters[i] != nullptr)
      entry->SetArg(slots[i], counters[i], -1, 0);
    else
      delete counters[i];
  }
  return entry;
}

OrvExpr* OrvGramReportDescription(OrvExpr* entry) {
  OrvExpr* holder = OrvGramNode(DECL_RD, entry);
  if (currentParser == nullptr) return holder;
  currentParser->AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  if (currentParser->recordList != nullptr) holder->SetArg(DECL_RD__REPORT_GROUP_ENTRIES, currentParser->recordList, -1, 0);
  currentParser->recordList = nullptr;
  return holder;
}

OrvExpr* OrvGramStartReportGroup(OrvExpr* level, OrvExpr* name, OrvTokenList* levelTokens) {
  OrvExpr* const parts[] = {level, name};
  return OrvGramStartLeveledEntry(OrvEntryCollector, DECL_RGD_ENTRY, parts, 2, levelTokens);
}
