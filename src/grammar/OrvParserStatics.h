// The grammar's process-wide objects: the nine clause collectors that its
// actions fill while one paragraph, entry or statement is parsed, the
// current passing mode of USING and CALL parameters, the two flags that say
// which embedded languages the grammar parses, and the check whether the
// grammar can parse a mix of dialects.
#ifndef LARK_GRAMMAR_ORVPARSERSTATICS_H
#define LARK_GRAMMAR_ORVPARSERSTATICS_H

#include <cstdint>

#include "OrvClauseCollector.h"
#include "OrvDials.h"

// The collectors, built before main in this order, idle, and destroyed at
// exit in the reverse order (a node still held is deleted then).
// SECTION_CONFIGURATION.
extern OrvClauseCollector OrvConfigurationCollector;
// PARA_SPECIAL_NAMES.
extern OrvClauseCollector OrvSpecialNamesCollector;
// SNX_FUNC_SWITCH and FCX_ALTERNATE_RECORD_KEY, collected while an outer
// collector is busy.
extern OrvClauseCollector OrvSubClauseCollector;
// FDX_LINAGE, DECL_DD_ENTRY and DECL_RGD_ENTRY.
extern OrvClauseCollector OrvEntryCollector;
// DECL_FC_ENTRY.
extern OrvClauseCollector OrvFileControlCollector;
// DECL_FD_ENTRY (FD and SD entries).
extern OrvClauseCollector OrvFileDescriptionCollector;
// DECL_RD_ENTRY.
extern OrvClauseCollector OrvReportDescriptionCollector;
// DECL_SCRD_ENTRY, ACCEPT_SCREEN_ITEM and DISPLAY_SCREEN_ITEM.
extern OrvClauseCollector OrvScreenItemCollector;
// EXEC CICS statements and their options.
extern OrvCicsCollector OrvCicsStatementCollector;

// The passing mode that the next USING or CALL parameter gets:
// EX_PT_BY_REFERENCE, EX_PT_BY_CONTENT or EX_PT_BY_VALUE; 0 until the
// grammar first sets it.
extern std::uint16_t OrvPassingMode;

// Two flags, constant 1, never changed by the program: the parse turns the
// lexer's SQL (CICS) handling on only when the option ("sql", "cics") and
// the flag are on.  They say nothing of the grammar's rules: it has none yet
// for the contents of EXEC SQL and EXEC CICS blocks, so with the handling on
// their words reach it and give syntax errors ("-no-sql" and "-no-cics" read
// the blocks as opaque text); the rules come with their own work.
extern int GrammarSupportsSql;
extern int GrammarSupportsCics;
// The same flags under the names the tool driver's banner reads.
extern int& OrvCanParseSql;
extern int& OrvCanParseCics;

// 1 when the grammar can parse the dialect set, 0 when the set holds Wang VS
// or DMS DML (any bit of their fields).  A null set counts as empty.
int CanParseDialects(const OrvDials* dials);

#endif
