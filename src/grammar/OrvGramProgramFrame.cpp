// The frame of a compilation unit in the grammar's actions.
#include "OrvGramProgramFrame.h"

#include "OrvConstNodes.h"
#include "OrvDialMasks.h"
#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvMessage.h"
#include "OrvParserImpl.h"
#include "OrvParserStatics.h"
#include "OrvTreeUtil.h"

namespace {

// Slots of the nodes built here.
const int kHeaderSlot = 0;
const int kConfigurationLastSlot = 6;

}  // namespace

OrvExpr* OrvGramMissingPart(const char* warning) {
  if (currentParser != nullptr && (currentParser->lexerSettings.dials & ORV_DIAL_MASK_MF) == 0) {
    const VString text(warning);
    currentParser->ReportMessage(MSG_WARN, nullptr, &text);
  }
  return OrvGramNullNode();
}

OrvExpr* OrvGramProgram(OrvExpr* program, OrvExpr* identification, OrvExpr* environment, OrvExpr* data,
                        OrvExpr* procedure) {
  if (program == nullptr) return nullptr;
  return OrvGramFillSlots(program, identification, environment, data, procedure);
}

OrvExpr* OrvGramEndProgramHeader(OrvExpr* nameUse) { return OrvGramNode(END_COBOL_PROGRAM, nameUse); }

void OrvGramEndProgram(OrvExpr* header) {
  if (currentParser == nullptr) return;
  currentParser->EndProgram(header);
  OrvExpr* kept = OrvGramDivisionCallBack(header);
  if (kept == nullptr || kept->Parent() != nullptr) return;
  OrvExpr* owner = currentParser->progStack[currentParser->progDepth > 0 ? currentParser->progDepth - 1 : 0];
  if (owner != nullptr) OrvGatherTokensWalker(kept, owner->Tokens());
  delete kept;
}

OrvExpr* OrvGramIdDivision(OrvExpr* header, OrvExpr* paragraph) {
  return OrvGramDivisionCallBack(OrvGramNode(DIVISION_IDENTIFICATION, header, paragraph));
}

OrvExpr* OrvGramMissingIdHeader() { return OrvGramMissingPart("IDENTIFICATION DIVISION header is missing"); }

OrvExpr* OrvGramMissingProgramId() { return OrvGramMissingPart("PROGRAM-ID paragraph is missing"); }

OrvExpr* OrvGramProgramId(OrvExpr* name, OrvExpr* attribute) {
  return OrvGramNode(PARA_PROGRAM_ID, name, attribute);
}

OrvExpr* OrvGramEnvDivision(OrvParseValue* header, OrvParseValue* configuration, OrvParseValue* inputOutput) {
  OrvExpr* result;
  if (OrvGramAbsent(OrvGramNodeOf(*header)) && OrvGramAbsent(OrvGramNodeOf(*configuration)) &&
      OrvGramAbsent(OrvGramNodeOf(*inputOutput))) {
    result = OrvGramNodeOf(*header);
    OrvReleaseValue(*configuration);
    OrvReleaseValue(*inputOutput);
  } else {
    result = OrvGramNode(DIVISION_ENVIRONMENT, OrvGramNodeOf(*header), OrvGramNodeOf(*configuration),
                         OrvGramNodeOf(*inputOutput));
  }
  return OrvGramDivisionCallBack(result);
}

OrvExpr* OrvGramStartConfiguration(OrvParseValue* header) {
  OrvExpr* section = OrvConfigurationCollector.Start(new OrvExprOper(SECTION_CONFIGURATION));
  if (OrvGramNodeOf(*header) != nullptr) section->SetArg(kHeaderSlot, OrvGramNodeOf(*header), -1, 0);
  *header = 0;
  return section;
}

OrvExpr* OrvGramFinishConfiguration(OrvParseValue* started) {
  OrvExpr* section = OrvConfigurationCollector.Finish();
  if (section == nullptr) return OrvGramNullNode();
  for (int slot = 0; slot <= kConfigurationLastSlot; ++slot)
    if (!OrvGramAbsent(section->Args(slot))) return section;
  if (OrvGramNodeOf(*started) == section) *started = 0;
  delete section;
  return OrvGramNullNode();
}

OrvExpr* OrvGramComputerParagraph(int op, OrvExpr* name, OrvExpr* second) {
  return OrvGramNode(op, name != nullptr ? name : OrvGramNullNode(), second != nullptr ? second : OrvGramNullNode());
}
