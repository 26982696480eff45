// The PROCEDURE DIVISION structure in the grammar's actions: the division
// with its header values, the procedure container that sections are filed
// into, parameters with their passing mode, DECLARATIVES, section and
// paragraph headers and the procedure items that the running parser files
// into sections, paragraphs and sentences (ProcessNewProc).
#ifndef LARK_GRAMMAR_ORVGRAMPROCEDURE_H
#define LARK_GRAMMAR_ORVGRAMPROCEDURE_H

#include <cstdint>

#include "OrvActionFrame.h"

class OrvExpr;

// DIVISION_PROCEDURE with the call convention, linkage, USING or CHAINING,
// and GIVING or RETURNING values of its header in slots 0 to 3, handed to
// the division call-back.
OrvExpr* OrvGramStartProcDivision(OrvExpr* convention, OrvExpr* linkage, OrvExpr* usingClause,
                                  OrvExpr* giving);
// From now on sections are filed into `slot` of `owner`.
void OrvGramProcContainer(OrvExpr* owner, int slot);
// The end of the division: the COPY marker items before and after the
// declaratives and the declaratives into slots 4 to 6; no container, no
// current section or paragraph.  Returns the division.
OrvExpr* OrvGramFinishProcDivision(OrvExpr* division, OrvExpr* copyBefore, OrvExpr* declaratives,
                                   OrvExpr* copyAfter);

// A parameter of USING or CHAINING: EX_PROC_PARAM (passing-mode phrase or
// NULL_NODE, the data-name use, a new node of the passing mode in force).
OrvExpr* OrvGramProcParam(OrvExpr* modePhrase, OrvExpr* dataName, std::uint16_t mode);
// A new node of the passing mode in force, as a parameter records it; BY
// REFERENCE before the grammar set any mode.
OrvExpr* OrvGramPassingModeNode(std::uint16_t mode);
// A BY REFERENCE, BY CONTENT or BY VALUE phrase: the node of `op`, which
// also becomes the passing mode of this parameter and the following ones.
OrvExpr* OrvGramPassingMode(int op, std::uint16_t* mode);

// DECLARATIVES ".": a new DECLARATIVE_SECTIONS, which takes the sections
// from now on; the running parse is in the declaratives.
OrvExpr* OrvGramStartDeclaratives();
// END DECLARATIVES ".": the end header into slot 1, the division call-back,
// out of the declaratives, no container, no current section or paragraph.
// The entry of the starting action then holds the section list, so that
// the tokens between the two headers go to the list's slot.  Returns the
// declaratives.
OrvExpr* OrvGramFinishDeclaratives(OrvExpr** started, OrvExpr* endHeader);

// A section header: the name (the element in `name`) defined as a section
// name, a SECTION_PROC over the definition and the segment number; the
// definition replaces the element in `name`, so that the position step
// gives the name's tokens to slot 0.
OrvExpr* OrvGramSectionNode(OrvExpr** name, OrvExpr* segment);
// After the position step: the name's token goes to the definition, the
// header's "." to the paragraph slot; the section is filed and handed to
// the division call-back.
void OrvGramSectionHeader(OrvExpr* section);
// The same for a paragraph header (PARA_PROC; duplicates allowed).
OrvExpr* OrvGramParagraphNode(OrvExpr** name);
void OrvGramParagraphHeader(OrvExpr* paragraph);

// Files a sentence, empty sentence, COPY marker or error item, which
// carries its tokens, and hands it to the division call-back.
void OrvGramProcItem(OrvExpr* item);

#endif
