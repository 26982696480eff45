// The SCREEN SECTION in the grammar's actions: screen entries, which the
// screen-item collector gathers and the nesting of entries places, the
// section over them, and the slots of the display and input attributes and
// BLANK phrases, which ACCEPT and DISPLAY screen items share.
#ifndef LARK_GRAMMAR_ORVGRAMSCREEN_H
#define LARK_GRAMMAR_ORVGRAMSCREEN_H

class OrvExpr;
class OrvTokenList;

// A screen entry: the level is checked and a DECL_SCRD_ENTRY with the level
// number in slot 0 and the name (a NULL_NODE, EX_FILLER or the definition)
// in slot 1 is started in the screen-item collector.
OrvExpr* OrvGramStartScreenEntry(OrvExpr* level, OrvExpr* name, OrvTokenList* levelTokens);

// SECTION_SCREEN over the screen entries: every open level is closed and
// the record list is taken (left empty) into slot 0.
OrvExpr* OrvGramScreenSection();
// After the section's position step: the tokens left in the section's own
// list go to the end of slot 0's list.  Returns the section.
OrvExpr* OrvGramScreenSectionTokens(OrvExpr* section);

// The slot of a display attribute (DSPL_BELL ... DSPL_CONTROL), an input
// attribute (ACCP_AUTO ... ACCP_ZERO_FILL) or a BLANK phrase (DSPL_BLANK);
// DECL_SCRD_ENTRY__COPYBEGIN_END_SYNTAXERROR (the slot of COPY markers and
// syntax errors) for any other node.
int OrvGramScreenAttributeSlot(const OrvExpr* attribute);

#endif
