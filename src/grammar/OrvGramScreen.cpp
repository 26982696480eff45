// The SCREEN SECTION in the grammar's actions.
#include "OrvGramScreen.h"

#include "OrvExprOper.h"
#include "OrvGramDataEntries.h"
#include "OrvGramNodes.h"
#include "OrvOperSlots.h"
#include "OrvParserImpl.h"
#include "OrvParserStatics.h"

namespace {

// Where each attribute goes; HIGHLIGHT and LOWLIGHT share a slot.  The
// slots are those of DECL_SCRD_ENTRY, which ACCEPT and DISPLAY screen items
// share (asserted below).
const struct {
  OrvOper attribute;
  int slot;
} kAttributeSlots[] = {
    {DSPL_BELL, DECL_SCRD_ENTRY__BELL},
    {DSPL_BLINK, DECL_SCRD_ENTRY__BLINK},
    {DSPL_ERASE, DECL_SCRD_ENTRY__ERASE},
    {DSPL_GRID, DECL_SCRD_ENTRY__GRID},
    {DSPL_HIGHLIGHT, DECL_SCRD_ENTRY__HIGHLIGHT_LOWLIGHT},
    {DSPL_LOWLIGHT, DECL_SCRD_ENTRY__HIGHLIGHT_LOWLIGHT},
    {DSPL_LEFTLINE, DECL_SCRD_ENTRY__LEFTLINE},
    {DSPL_OVERLINE, DECL_SCRD_ENTRY__OVERLINE},
    {DSPL_REVERSE_VIDEO, DECL_SCRD_ENTRY__REVERSE_VIDEO},
    {DSPL_SIZE, DECL_SCRD_ENTRY__SIZE},
    {DSPL_UNDERLINE, DECL_SCRD_ENTRY__UNDERLINE},
    {DSPL_FOREGROUND_COLOR, DECL_SCRD_ENTRY__FOREGROUND_COLOR},
    {DSPL_BACKGROUND_COLOR, DECL_SCRD_ENTRY__BACKGROUND_COLOR},
    {DSPL_CONTROL, DECL_SCRD_ENTRY__CONTROL},
    {ACCP_AUTO, DECL_SCRD_ENTRY__AUTO},
    {ACCP_FULL, DECL_SCRD_ENTRY__FULL},
    {ACCP_REQUIRED, DECL_SCRD_ENTRY__REQUIRED},
    {ACCP_SECURE, DECL_SCRD_ENTRY__SECURE},
    {ACCP_ZERO_FILL, DECL_SCRD_ENTRY__ZERO_FILL},
    {DSPL_BLANK, DECL_SCRD_ENTRY__BLANK},
};

// The screen items keep the attributes where the screen entry does.
#define LARK_SAME_SCREEN_SLOT(name)                                                                   \
  static_assert(ACCEPT_SCREEN_ITEM__##name == DECL_SCRD_ENTRY__##name &&                              \
                    DISPLAY_SCREEN_ITEM__##name == DECL_SCRD_ENTRY__##name,                           \
                "ACCEPT and DISPLAY screen items keep " #name " in the slot of the screen entry")
LARK_SAME_SCREEN_SLOT(BELL);
LARK_SAME_SCREEN_SLOT(BLINK);
LARK_SAME_SCREEN_SLOT(ERASE);
LARK_SAME_SCREEN_SLOT(GRID);
LARK_SAME_SCREEN_SLOT(HIGHLIGHT_LOWLIGHT);
LARK_SAME_SCREEN_SLOT(LEFTLINE);
LARK_SAME_SCREEN_SLOT(OVERLINE);
LARK_SAME_SCREEN_SLOT(REVERSE_VIDEO);
LARK_SAME_SCREEN_SLOT(SIZE);
LARK_SAME_SCREEN_SLOT(UNDERLINE);
LARK_SAME_SCREEN_SLOT(FOREGROUND_COLOR);
LARK_SAME_SCREEN_SLOT(BACKGROUND_COLOR);
LARK_SAME_SCREEN_SLOT(CONTROL);
LARK_SAME_SCREEN_SLOT(AUTO);
LARK_SAME_SCREEN_SLOT(FULL);
LARK_SAME_SCREEN_SLOT(REQUIRED);
LARK_SAME_SCREEN_SLOT(SECURE);
LARK_SAME_SCREEN_SLOT(ZERO_FILL);
LARK_SAME_SCREEN_SLOT(BLANK);
#undef LARK_SAME_SCREEN_SLOT
static_assert(ACCEPT_SCREEN_ITEM__COPYBEGIN_END == DECL_SCRD_ENTRY__COPYBEGIN_END_SYNTAXERROR &&
                  DISPLAY_SCREEN_ITEM__COPYBEGIN_END == DECL_SCRD_ENTRY__COPYBEGIN_END_SYNTAXERROR,
              "the screen items keep COPY markers and errors in the slot of the screen entry");

}  // namespace

OrvExpr* OrvGramStartScreenEntry(OrvExpr* level, OrvExpr* name, OrvTokenList* levelTokens) {
  OrvExpr* const parts[] = {level, name};
  return OrvGramStartLeveledEntry(OrvScreenItemCollector, DECL_SCRD_ENTRY, parts, 2, levelTokens);
}

OrvExpr* OrvGramScreenSection() {
  OrvExpr* section = OrvGramNode(SECTION_SCREEN);
  if (currentParser == nullptr) return section;
  currentParser->AddDataDescEntry(0, nullptr, ORV_NO_HOLDER);
  if (currentParser->recordList != nullptr)
    section->SetArg(SECTION_SCREEN__SCREEN_DESCRIPTION_ENTRIES, currentParser->recordList, -1, 0);
  currentParser->recordList = nullptr;
  return section;
}

OrvExpr* OrvGramScreenSectionTokens(OrvExpr* section) {
  const int entries = SECTION_SCREEN__SCREEN_DESCRIPTION_ENTRIES;
  if (section != nullptr && section->NArgs() > entries && section->ArgSlots(entries) != nullptr)
    section->ArgSlots(entries)->tokens.Splice(section->Tokens());
  return section;
}

int OrvGramScreenAttributeSlot(const OrvExpr* attribute) {
  if (attribute != nullptr)
    for (const auto& row : kAttributeSlots)
      if (row.attribute == attribute->Oper()) return row.slot;
  return DECL_SCRD_ENTRY__COPYBEGIN_END_SYNTAXERROR;
}
