// The DATA DIVISION frame in the grammar's actions: the division from its
// header and its sections, each of which may be absent.
#ifndef LARK_GRAMMAR_ORVGRAMDATADIVISION_H
#define LARK_GRAMMAR_ORVGRAMDATADIVISION_H

#include <initializer_list>

#include "OrvActionFrame.h"

class OrvExpr;

// The DATA DIVISION frame: a NULL_NODE for a missing header, with the
// warning "DATA DIVISION header is missing" unless the dialect set holds
// Micro Focus (also when the whole division is missing).
OrvExpr* OrvGramMissingDataHeader();
// DIVISION_DATA from the header and the section entries in the division's
// order (schema, FILE, WORKING-STORAGE, LOCAL-STORAGE, LINKAGE,
// COMMUNICATION, REPORT, SCREEN) into its header slot and the slots from
// DIVISION_DATA__SCHEMA_SECTION on; when the header and
// every section are absent, the header's node alone (the sections deleted
// and their entries cleared).  Handed to the division call-back.
OrvExpr* OrvGramDataDivision(OrvExpr** header, std::initializer_list<OrvExpr**> sections);

#endif
