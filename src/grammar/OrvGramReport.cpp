// The REPORT SECTION in the grammar's actions.
#include "OrvGramReport.h"

#include "OrvExprOper.h"
#include "OrvGramDataEntries.h"
#include "OrvGramFileSection.h"
#include "OrvGramNodes.h"
#include "OrvParserImpl.h"
#include "OrvParserStatics.h"

OrvExpr* OrvGramStartReportDescription(OrvExpr* name) {
  return OrvGramStartCollected(OrvReportDescriptionCollector, DECL_RD_ENTRY, &name, 1);
}

OrvExpr* OrvGramFinishReportDescription() {
  OrvExpr* entry = OrvReportDescriptionCollector.Finish();
  OrvExpr* const counters[] = {OrvGramDefineRegister("LINE-COUNTER", SYMCAT_DATA_NAME),
                               OrvGramDefineRegister("PAGE-COUNTER", SYMCAT_DATA_NAME)};
  const int slots[] = {ORV_RD_LINE_COUNTER, ORV_RD_PAGE_COUNTER};
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
  if (currentParser->recordList != nullptr) holder->SetArg(1, currentParser->recordList, -1, 0);
  currentParser->recordList = nullptr;
  return holder;
}

OrvExpr* OrvGramStartReportGroup(OrvExpr* level, OrvExpr* name, OrvTokenList* levelTokens) {
  OrvExpr* const parts[] = {level, name};
  return OrvGramStartLeveledEntry(OrvEntryCollector, DECL_RGD_ENTRY, parts, 2, levelTokens);
}
