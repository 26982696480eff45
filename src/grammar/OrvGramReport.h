// The REPORT SECTION in the grammar's actions: RD entries, whose clauses
// the report-description collector gathers, the RD holder over its entry
// and its report groups, and report group entries, which the entry
// collector gathers and the nesting of entries places.
#ifndef LARK_GRAMMAR_ORVGRAMREPORT_H
#define LARK_GRAMMAR_ORVGRAMREPORT_H

class OrvExpr;
class OrvTokenList;

// Starts the report-description collector on a new DECL_RD_ENTRY with the
// report-name definition in slot 0; returns the entry.
OrvExpr* OrvGramStartReportDescription(OrvExpr* name);
// Finishes the RD entry and defines LINE-COUNTER and PAGE-COUNTER as data
// names (again for each RD, without a duplicate message) into slots 6 and
// 7.
OrvExpr* OrvGramFinishReportDescription();
// DECL_RD over the RD entry and its report groups: every open group level
// is closed and the record list is taken (left empty).
OrvExpr* OrvGramReportDescription(OrvExpr* entry);

// A report group entry: the level is checked and a DECL_RGD_ENTRY with the
// level number in slot 0 and the name (a NULL_NODE when absent) in slot 1
// is started in the entry collector.
OrvExpr* OrvGramStartReportGroup(OrvExpr* level, OrvExpr* name, OrvTokenList* levelTokens);

#endif
