// Parse initialisation: the root of the tree, the special registers of the
// dialects in force, the file's symbol table and the constants set by
// option, made before the grammar starts.
#ifndef LARK_SEMA_ORVPARSEINIT_H
#define LARK_SEMA_ORVPARSEINIT_H

#include "OrvDataItemBuild.h"
#include "OrvDials.h"

class OrvParserImpl;

// One special register and the dialects that have it.
struct OrvSpecialRegister {
  OrvDataItemHierRec item;
  OrvDials dialects;
};

// Every special register, in declaration order, ended by a row whose name
// is null.
extern const OrvSpecialRegister OrvSpecialRegisterTable[];
// Rows of the table before its end row.
const int ORV_SPECIAL_REGISTER_ROWS = 22;

// Copies the items of the registers that the dialect set has (sharing a
// dialect field), in table order, into `rows`, which takes at most
// ORV_SPECIAL_REGISTER_ROWS items and the end row.  Returns the number of
// items copied.
int OrvSelectSpecialRegisters(OrvDials dials, OrvDataItemHierRec* rows);

// Builds the COBOL_FILE root (pushed as entry 0 of the program stack), its
// special-register DECL_DD_LIST (slot 2) and its symbol table (slot 3, the
// current table), then declares every "set-constants" entry through the
// lexer, in order.
void InitParseTree(OrvParserImpl* parser);

#endif
