// The global base of a WORKING-STORAGE or LOCAL-STORAGE record as START OF
// and NEXT count it while the layout runs: the records before it in its
// section, each with the longest of its redefinitions, on 8-byte boundaries.
// The layout reports each record it lays out, so that the base of the record
// being laid out is known without going over the section again.
#ifndef LARK_SEMA_ORVRECORDBASE_H
#define LARK_SEMA_ORVRECORDBASE_H

#include <cstdint>

class OrvExpr;

// The base of the record held by `rootHolder` (a DECL_DD of the section's
// DECL_DD_LIST `list`): false when a record before it has an undefined
// length (or the sum does not fit).  Records without a length yet are not
// counted, nor are redefinitions of undefined length.
bool OrvRecordBase(OrvExpr* list, OrvExpr* rootHolder, int64_t* base);

// The layout starts the section list `list` (null: none is followed).
void OrvRecordBaseStartSection(OrvExpr* list);
// The layout starts and finishes the record `holder` of that list.
void OrvRecordBaseEnterRecord(OrvExpr* holder);
void OrvRecordBaseLeaveRecord(OrvExpr* holder);

#endif
