// The DATA DIVISION frame in the grammar's actions: the division from its
// header and its sections, each of which may be absent.
#ifndef LARK_GRAMMAR_ORVGRAMDATADIVISION_H
#define LARK_GRAMMAR_ORVGRAMDATADIVISION_H

#include "OrvActionFrame.h"

class OrvExpr;

// The sections of the division in stack order (and slot order from slot 2).
const int ORV_DATA_DIVISION_SECTIONS = 8;

// The DATA DIVISION frame: a NULL_NODE for a missing header, with the
// warning "DATA DIVISION header is missing" unless the dialect set holds
// Micro Focus (also when the whole division is missing).
OrvExpr* OrvGramMissingDataHeader();
// DIVISION_DATA from the header and the eight section values that follow
// one another on the value stack from `sections` (schema, FILE,
// WORKING-STORAGE, LOCAL-STORAGE, LINKAGE, COMMUNICATION, REPORT, SCREEN)
// into slots 0 and 2 to 9; when the header and all eight are absent, the
// header's value alone (the eight deleted and cleared).  Handed to the
// division call-back.
OrvExpr* OrvGramDataDivision(OrvParseValue* header, OrvParseValue* sections);

#endif
