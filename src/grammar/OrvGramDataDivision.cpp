// The DATA DIVISION frame in the grammar's actions.
#include "OrvGramDataDivision.h"

#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvGramProgramFrame.h"

namespace {

const int kFirstSectionSlot = 2;

}  // namespace

OrvExpr* OrvGramMissingDataHeader() { return OrvGramMissingPart("DATA DIVISION header is missing"); }

OrvExpr* OrvGramDataDivision(OrvParseValue* header, OrvParseValue* sections) {
  bool allAbsent = OrvGramAbsent(OrvGramNodeOf(*header));
  for (int i = 0; i < ORV_DATA_DIVISION_SECTIONS; ++i) allAbsent = allAbsent && OrvGramAbsent(OrvGramNodeOf(sections[i]));
  OrvExpr* result;
  if (allAbsent) {
    result = OrvGramNodeOf(*header);
    for (int i = 0; i < ORV_DATA_DIVISION_SECTIONS; ++i) OrvReleaseValue(sections[i]);
  } else {
    result = OrvGramNode(DIVISION_DATA, OrvGramNodeOf(*header));
    for (int i = 0; i < ORV_DATA_DIVISION_SECTIONS; ++i) {
      OrvExpr* section = OrvGramNodeOf(sections[i]);
      if (section != nullptr) result->SetArg(kFirstSectionSlot + i, section, -1, 0);
    }
  }
  return OrvGramDivisionCallBack(result);
}
