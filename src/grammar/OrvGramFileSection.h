// The FILE SECTION and the sections of record entries in the grammar's
// actions: FD and SD entries, whose clauses the file-description collector
// gathers, the LINAGE clause, whose phrases the entry collector gathers
// meanwhile, the names the parse defines for a LINAGE clause or a report,
// and the items that stand among record entries (COPY markers, EXEC blocks,
// syntax errors) with the record list that a section, an RD or the SCREEN
// SECTION takes.
#ifndef LARK_GRAMMAR_ORVGRAMFILESECTION_H
#define LARK_GRAMMAR_ORVGRAMFILESECTION_H

class OrvExpr;

// Starts the file-description collector on a new DECL_FD_ENTRY with the
// level indicator (FDX_LEVEL or SDX_LEVEL) in slot 0 and the file-name
// definition in slot 1; returns the entry.
OrvExpr* OrvGramStartFileDescription(OrvExpr* level, OrvExpr* fileName);

// Starts the entry collector on a new FDX_LINAGE with the number of lines in
// slot 0; returns it.
OrvExpr* OrvGramStartLinage(OrvExpr* lines);
// Ends a LINAGE clause: LINAGE-COUNTER is defined as a data name (again for
// each LINAGE of the program, without a duplicate message) into slot 4 of
// the clause, which the entry collector then hands back.
OrvExpr* OrvGramFinishLinage();

// The definition of a name the parse declares itself (LINAGE-COUNTER,
// LINE-COUNTER, PAGE-COUNTER): the name is found or added in the current
// symbol table and defined in `category`, duplicates allowed.  Null without
// a running parse.
OrvExpr* OrvGramDefineRegister(const char* name, int category);

// The special reserved words while the items of VALUE OF are read: on only
// when the dialect set holds Wang VS (a dialect the parse refuses, so only
// `on` 0 has an effect in practice); off always puts them back.
void OrvGramValueOfWords(int on);

// The end of the entries of one FD, SD, CD or storage section: every open
// level is closed and the record list is taken (the parser's list is left
// empty for the next consumer); a NULL_NODE when there is none.
OrvExpr* OrvGramRecordEntries();

// An inlined COPY (or REPLACE) marker among entries, which carries its
// tokens: placed by the nesting of entries as a boundary (level 99); the
// holder operation is that of the entries around it.
void OrvGramMarkerAmongEntries(OrvExpr* marker, int holder);
// An item that stands among records on its own (an un-inlined COPY marker,
// a syntax error node), carrying its tokens: every open level is closed
// and the item is appended to the record list after the finished records.
void OrvGramItemAmongEntries(OrvExpr* item);
// An EXEC block among entries, carrying its tokens: every open level is
// closed; STMT_EXEC becomes STMT_EXEC_IN_DCL and STMT_EXEC_SQL becomes
// STMT_EXEC_SQL_IN_DCL (other blocks keep their operation); the node is
// marked as not from source and appended to the record list.
void OrvGramExecAmongEntries(OrvExpr* exec);

#endif
