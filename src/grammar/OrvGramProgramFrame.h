// The frame of a compilation unit in the grammar's actions: programs and
// END PROGRAM headers, the IDENTIFICATION DIVISION with PROGRAM-ID, the
// ENVIRONMENT DIVISION and its CONFIGURATION SECTION with SOURCE-COMPUTER and
// OBJECT-COMPUTER.  Messages go to the running parser at its current
// position.
#ifndef LARK_GRAMMAR_ORVGRAMPROGRAMFRAME_H
#define LARK_GRAMMAR_ORVGRAMPROGRAMFRAME_H

#include "OrvActionFrame.h"

class OrvExpr;

// Puts the four divisions into slots 0 to 3 of the program node (made when
// the program began) and returns it.
OrvExpr* OrvGramProgram(OrvExpr* program, OrvExpr* identification, OrvExpr* environment, OrvExpr* data,
                        OrvExpr* procedure);

// END PROGRAM name: an END_COBOL_PROGRAM over the name use.
OrvExpr* OrvGramEndProgramHeader(OrvExpr* nameUse);
// Ends the current program with the header (which carries its tokens) and
// hands the header to the division call-back.  A header that no program
// took is not lost: its tokens go to the own token list of the innermost
// open program (the compilation unit's when none is open) and it is deleted.
void OrvGramEndProgram(OrvExpr* header);

// DIVISION_IDENTIFICATION over the header and the PROGRAM-ID paragraph
// (each may be a NULL_NODE), handed to the division call-back.
OrvExpr* OrvGramIdDivision(OrvExpr* header, OrvExpr* paragraph);
// A NULL_NODE for a missing part of a division, with the warning text
// unless the dialect set holds Micro Focus (at the current position).
OrvExpr* OrvGramMissingPart(const char* warning);
// A NULL_NODE for a missing header or PROGRAM-ID paragraph, with the warning
// "IDENTIFICATION DIVISION header is missing" or "PROGRAM-ID paragraph is
// missing" unless the dialect set holds Micro Focus.
OrvExpr* OrvGramMissingIdHeader();
OrvExpr* OrvGramMissingProgramId();
// PARA_PROGRAM_ID over the name's definition and the attribute.
OrvExpr* OrvGramProgramId(OrvExpr* name, OrvExpr* attribute);

// The ENVIRONMENT DIVISION from the values of its header, CONFIGURATION
// SECTION and INPUT-OUTPUT SECTION: DIVISION_ENVIRONMENT over the three, or,
// when all three are absent, the header's value alone (the other two
// deleted and their entries cleared).  Handed to the division call-back.
OrvExpr* OrvGramEnvDivision(OrvExpr** header, OrvExpr** configuration, OrvExpr** inputOutput);

// Starts the configuration collector on a new SECTION_CONFIGURATION whose
// slot 0 holds the header of the entry `header`; returns the node.  The
// entry is cleared: error recovery pops entries from the top, and must not
// meet the header after it deleted the section that holds it.
OrvExpr* OrvGramStartConfiguration(OrvExpr** header);
// Finishes the configuration collector: the section, or, when none of its
// slots holds a clause, a new NULL_NODE (the section is deleted and the
// entry of the starting action, which held it, cleared).
OrvExpr* OrvGramFinishConfiguration(OrvExpr** started);

// PARA_SOURCE_COMPUTER or PARA_OBJECT_COMPUTER: slot 0 the computer name,
// slot 1 the debugging mode or the clause list; a null part is a NULL_NODE.
OrvExpr* OrvGramComputerParagraph(int op, OrvExpr* name, OrvExpr* second);

#endif
