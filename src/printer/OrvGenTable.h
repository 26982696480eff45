// The template table of a printer: for each operation code the rows of
// templates that apply to its nodes (conditional rows first, at most one
// unconditional row last), built from the process-wide default table (the
// catalogue's print templates and the conditional rows of
// OrvCondTemplates.def) and an optional caller-supplied primary table that
// replaces the whole default definition of every code it names.
#ifndef LARK_PRINTER_ORVGENTABLE_H
#define LARK_PRINTER_ORVGENTABLE_H

#include "OrvOperCGentry.h"
#include "OrvResult.h"

class OrvExpr;
class OrvPrettyPrinterImpl;

// Rows of the default table: one unconditional row for every code 1..1395
// and 1400, and nine conditional rows.
const int ORV_DEFAULT_TABLE_ROWS = 1405;

// The default table, in ascending code order (built on first use, kept to
// the end of the process).  A row's `primary` and `next` are cleared each
// time RecomputeGenTable reads it.
CGentry* OrvDefaultGenTable();

// Builds the printer's `gen_table` afresh from the default table and the
// printer's primary table.  0, or 49 after a row whose code is not 1..1400
// (the table keeps the rows copied before it).  Doubly defined codes and
// conditional rows after an unconditional one are reported (MSG_ERR) and
// skipped.  Messages go to the running print's list.
OrvResult RecomputeGenTable(OrvPrettyPrinterImpl& printer);

// The row of the current printer's table that applies to the node: `row`
// is set to the code's head first, then to the first row whose condition
// is null or holds.  0, or 42 with "PrettyPrint: cannot find operation %s
// in the table" when none applies.
OrvResult FindCGentry(CGentry*& row, OrvExpr* node);

// The predicates of the conditional rows, and one more for primary tables:
// child 2 present, an EX_EXEC_LINE_LIST of more than one child.
int CondChild2IsDiskFile(OrvExpr* node);
int CondChild14IsUninlinedCopy(OrvExpr* node);
int CondChild16Or2IsUninlinedCopy(OrvExpr* node);
int CondChild1IsRangeListOfMany(OrvExpr* node);
int CondDeclaresNoName(OrvExpr* node);
int CondChild1Present(OrvExpr* node);
int CondElseOfOneIf(OrvExpr* node);
int CondChild1IsIdentListOfMany(OrvExpr* node);
int CondChild2IsExecLineListOfMany(OrvExpr* node);

#endif
