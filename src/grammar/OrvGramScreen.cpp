// The SCREEN SECTION in the grammar's actions.
#include "OrvGramScreen.h"

#include "OrvExprOper.h"
#include "OrvGramDataEntries.h"
#include "OrvGramNodes.h"
#include "OrvParserImpl.h"
#include "OrvParserStatics.h"

namespace {

// Where each attribute goes; HIGHLIGHT and LOWLIGHT share a slot.
const struct {
  OrvOper attribute;
  int slot;
} kAttributeSlots[] = {
    {DSPL_BELL, 8},         {DSPL_BLINK, 9},         {DSPL_ERASE, 10},    {DSPL_GRID, 11},
    {DSPL_HIGHLIGHT, 12},   {DSPL_LOWLIGHT, 12},     {DSPL_LEFTLINE, 13}, {DSPL_OVERLINE, 14},
    {DSPL_REVERSE_VIDEO, 15}, {DSPL_SIZE, 16},       {DSPL_UNDERLINE, 17}, {DSPL_FOREGROUND_COLOR, 18},
    {DSPL_BACKGROUND_COLOR, 19}, {DSPL_CONTROL, 20}, {ACCP_AUTO, 22},     {ACCP_FULL, 23},
    {ACCP_REQUIRED, 24},    {ACCP_SECURE, 25},       {ACCP_ZERO_FILL, 26}, {DSPL_BLANK, 29},
};

}  // namespace

OrvExpr* OrvGramStartScreenEntry(OrvExpr* level, OrvExpr* name, OrvTokenList* levelTokens) {
  OrvExpr* const parts[] = {level, name};
  return OrvGramStartLeveledEntry(OrvScreenItemCollector, DECL_SCRD_ENTRY, parts, 2, levelTokens);
}

OrvExpr* OrvGramScreenSection() {
  OrvExpr* section = OrvGramNode(SECTION_SCREEN);
  if (currentParser == nullptr) return section;
  currentParser->AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  if (currentParser->recordList != nullptr) section->SetArg(0, currentParser->recordList, -1, 0);
  currentParser->recordList = nullptr;
  return section;
}

OrvExpr* OrvGramScreenSectionTokens(OrvExpr* section) {
  if (section != nullptr && section->NArgs() > 0 && section->ArgSlots(0) != nullptr)
    section->ArgSlots(0)->tokens.Splice(section->Tokens());
  return section;
}

int OrvGramScreenAttributeSlot(const OrvExpr* attribute) {
  if (attribute != nullptr)
    for (const auto& row : kAttributeSlots)
      if (row.attribute == attribute->Oper()) return row.slot;
  return ORV_SCREEN_COPY_OR_ERROR;
}
