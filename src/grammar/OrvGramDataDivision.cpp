// The DATA DIVISION frame in the grammar's actions.
#include "OrvGramDataDivision.h"

#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvGramProgramFrame.h"
#include "OrvOperSlots.h"

OrvExpr* OrvGramMissingDataHeader() { return OrvGramMissingPart("DATA DIVISION header is missing"); }

OrvExpr* OrvGramDataDivision(OrvExpr** header, std::initializer_list<OrvExpr**> sections) {
  bool allAbsent = OrvGramAbsent(*header);
  for (OrvExpr** section : sections) allAbsent = allAbsent && OrvGramAbsent(*section);
  OrvExpr* result;
  if (allAbsent) {
    result = *header;
    for (OrvExpr** section : sections) OrvReleaseValue(*section);
  } else {
    result = OrvGramNode(DIVISION_DATA, *header);
    int slot = DIVISION_DATA__SCHEMA_SECTION;
    for (OrvExpr** section : sections) {
      if (*section != nullptr) result->SetArg(slot, *section, -1, 0);
      ++slot;
    }
  }
  return OrvGramDivisionCallBack(result);
}
