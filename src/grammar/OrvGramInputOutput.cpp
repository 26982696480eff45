// The INPUT-OUTPUT SECTION in the grammar's actions.
#include "OrvGramInputOutput.h"

#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvGramProgramFrame.h"
#include "OrvListExpr.h"
#include "OrvParserStatics.h"

OrvExpr* OrvGramStartFileControl(OrvExpr* optional, OrvExpr* fileName) {
  OrvExpr* const parts[] = {optional, fileName};
  return OrvGramStartCollected(OrvFileControlCollector, DECL_FC_ENTRY, parts, 2);
}

OrvExpr* OrvGramStartAlternateKey(OrvExpr* key) {
  return OrvGramStartCollected(OrvSubClauseCollector, FCX_ALTERNATE_RECORD_KEY, &key, 1);
}

OrvExpr* OrvGramSplitKeyAlso(OrvExpr* first, OrvExpr* components) {
  OrvExpr* list = OrvListExpr(SPLIT_KEY_COMP_LIST, first, components);
  if (list != nullptr) list->SetOper(SPLIT_KEY_COMP_ALSO_LIST);
  return list;
}

OrvExpr* OrvGramFileControl(OrvExpr** header, OrvExpr** entries) {
  if (OrvGramMarkersOnly(*header)) {
    OrvExpr* list = new OrvExprOper(DECL_FC_ENTRY_LIST);
    OrvGramMoveItems(*header, list);
    *header = OrvGramNullNode();
    if (!OrvGramAbsent(*entries)) {
      OrvGramMoveItems(*entries, list);
    } else {
      OrvReleaseValue(*entries);
    }
    *entries = list;
  }
  return OrvGramOptionalFrame(PARA_FILE_CONTROL, {header, entries});
}
