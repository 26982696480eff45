// Data description entries in the grammar's actions.
#include "OrvGramDataEntries.h"

#include "OrvCheckLevelNumber.h"
#include "OrvDialMasks.h"
#include "OrvExprOper.h"
#include "OrvGramNames.h"
#include "OrvGramNodes.h"
#include "OrvMessage.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvParserStatics.h"

namespace {

// Every leveled entry keeps its level number in the first slot.
const int kLevelSlot = DECL_DD_ENTRY__LEVEL_NUMBER;
static_assert(DECL_DD_ENTRY_WANG_DISPLAY__LEVEL_NUMBER == kLevelSlot && DECL_CONST_ENTRY__LEVEL_NUMBER == kLevelSlot &&
                  DECL_COND_ENTRY__LEVEL_NUMBER == kLevelSlot && DECL_RGD_ENTRY__LEVEL_NUMBER == kLevelSlot &&
                  DECL_SCRD_ENTRY__LEVEL_NUMBER == kLevelSlot,
              "the level number stands in the first slot of every leveled entry");

void Warn(const char* text) {
  if (currentParser == nullptr) return;
  const VString message(text);
  currentParser->ReportMessage(MSG_WARN, nullptr, &message);
}

OrvDials Dialects() { return currentParser != nullptr ? currentParser->lexerSettings.dials : OrvDials{0}; }

}  // namespace

OrvExpr* OrvGramStartLeveledEntry(OrvClauseCollector& collector, int op, OrvExpr* const* parts, int count,
                                  OrvTokenList* levelTokens) {
  OrvExpr* level = parts[kLevelSlot];
  if (level != nullptr && levelTokens != nullptr) {
    level->Tokens().Splice(*levelTokens);
    CheckLevelNumber(currentParser, level);
    levelTokens->Splice(level->Tokens());
  } else {
    CheckLevelNumber(currentParser, level);
  }
  return OrvGramStartCollected(collector, op, parts, count);
}

OrvExpr* OrvGramStartDataEntry(OrvExpr* level, OrvExpr* copy, OrvExpr* name, OrvTokenList* levelTokens) {
  const bool wang = (Dialects() & ORV_DIAL_MASK_WANG) != 0;
  OrvExpr* const parts[] = {level, copy, name};
  return OrvGramStartLeveledEntry(OrvEntryCollector, wang ? DECL_DD_ENTRY_WANG_DISPLAY : DECL_DD_ENTRY, parts, 3,
                                  levelTokens);
}

void OrvGramPlaceEntry(OrvExpr* entry, int holder) {
  if (entry == nullptr) return;
  if (currentParser == nullptr) {
    delete entry;
    return;
  }
  OrvExpr* level = entry->NArgs() > kLevelSlot ? entry->Args(kLevelSlot) : nullptr;
  const int value = level != nullptr ? static_cast<int>(static_cast<std::uint32_t>(level->IntValue())) : 0;
  currentParser->AddDataDescEntry(value, entry, static_cast<short>(holder));
}

OrvExpr* OrvGramConstantNameAgain(OrvExpr* element) {
  Warn("Double definition of 78-level constant. Second definition is ignored.");
  return OrvGramDefine(element, SYMCAT_CONSTANT_NAME, 1);
}

OrvExpr* OrvGramUndefinedConstant(OrvExpr* element, OrvTokenList* tokens) {
  Warn("Undefined 78-level constant");
  return OrvGramNameUse(element, SYMCAT_DATA_NAME, tokens);
}

int OrvGramUsageOper(int op, OrvDials dials) {
  const bool rm = (dials & (ORV_DIAL_MASK_RM | ORV_DIAL_MASK_RM85)) != 0;
  const bool acu = (dials & ORV_DIAL_MASK_ACU) != 0;
  switch (op) {
    case DU_COMP:
      return rm ? DU_COMP_RM : DU_COMP;
    case DU_COMP_1:
      return rm ? DU_COMP_1_RM : acu ? DU_COMP_1_ACU : DU_COMP_1;
    case DU_COMP_2:
      return acu ? DU_COMP_2_ACU : DU_COMP_2;
    default:
      return op;
  }
}

OrvExpr* OrvGramUsage(int op) { return OrvGramNode(OrvGramUsageOper(op, Dialects())); }
