// The frame of a compilation unit in the grammar's actions.
#include "OrvGramProgramFrame.h"

#include "OrvConstNodes.h"
#include "OrvDialMasks.h"
#include "OrvExprOper.h"
#include "OrvGramNodes.h"
#include "OrvMessage.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvParserStatics.h"
#include "OrvTreeUtil.h"

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

OrvExpr* OrvGramEnvDivision(OrvExpr** header, OrvExpr** configuration, OrvExpr** inputOutput) {
  OrvExpr* result;
  if (OrvGramAbsent(*header) && OrvGramAbsent(*configuration) &&
      OrvGramAbsent(*inputOutput)) {
    result = *header;
    OrvReleaseValue(*configuration);
    OrvReleaseValue(*inputOutput);
  } else {
    result = OrvGramNode(DIVISION_ENVIRONMENT, *header, *configuration,
                         *inputOutput);
  }
  return OrvGramDivisionCallBack(result);
}

OrvExpr* OrvGramStartConfiguration(OrvExpr** header) {
  OrvExpr* section = OrvConfigurationCollector.Start(new OrvExprOper(SECTION_CONFIGURATION));
  if (*header != nullptr) section->SetArg(SECTION_CONFIGURATION__CONFIGURATION_SECTION_HEADER, *header, -1, 0);
  *header = nullptr;
  return section;
}

OrvExpr* OrvGramFinishConfiguration(OrvExpr** started) {
  OrvExpr* section = OrvConfigurationCollector.Finish();
  if (section == nullptr) return OrvGramNullNode();
  for (int slot = 0; slot <= SECTION_CONFIGURATION__COPYBEGIN_END_SYNTAXERROR; ++slot)
    if (!OrvGramAbsent(section->Args(slot))) return section;
  if (*started == section) *started = nullptr;
  delete section;
  return OrvGramNullNode();
}

OrvExpr* OrvGramComputerParagraph(int op, OrvExpr* name, OrvExpr* second) {
  return OrvGramNode(op, name != nullptr ? name : OrvGramNullNode(), second != nullptr ? second : OrvGramNullNode());
}
