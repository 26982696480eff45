// USE statements in the grammar's actions: the warnings of a USE outside
// DECLARATIVES, and the debugging list of USE FOR DEBUGGING.
#ifndef LARK_GRAMMAR_ORVGRAMUSE_H
#define LARK_GRAMMAR_ORVGRAMUSE_H

class OrvExpr;

// USE AFTER: outside DECLARATIVES the warning "USE AFTER PROCEDURE
// statement can appear in DECLARATIVES only" at the current position.
// Returns the node.
OrvExpr* OrvGramUseAfter(OrvExpr* use);
// USE BEFORE REPORTING: the same with "USE BEFORE REPORTING statement
// should appear in DECLARATIVES only".
OrvExpr* OrvGramUseBeforeReporting(OrvExpr* use);

// The running parser's debugging-list flag: on while the items of USE FOR
// DEBUGGING are read.
void OrvGramDebuggingList(int on);
// USE FOR DEBUGGING: the debugging-list flag goes off, then outside
// DECLARATIVES the warning "USE FOR DEBUGGING statement should appear in
// DECLARATIVES only".  Its items name procedures as well as data, files
// and cd-names: each name use among them expects no category, so that
// resolution, which runs when the program ends and the flag is off long
// since, takes a procedure name as it is.  Returns the node.
OrvExpr* OrvGramUseForDebugging(OrvExpr* use);

#endif
