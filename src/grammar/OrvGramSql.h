// Embedded SQL in the grammar's actions: host-variable names and WHENEVER
// labels (uses of COBOL names), the rows of VALUES, the word VALUE as a
// column name and function calls by a name that is no SQL word.
#ifndef LARK_GRAMMAR_ORVGRAMSQL_H
#define LARK_GRAMMAR_ORVGRAMSQL_H

class OrvExpr;
class OrvTokenList;

// A NAME_USE of one name of a host-variable path: the identifier's image,
// in upper case (COBOL names are upper case, while words inside EXEC may
// keep their case), looked up or added in the running parser's current
// symbol table.  The identifier's node is deleted and the entry cleared;
// its tokens (may be null) move to the NAME_USE.  Null without a parser.
OrvExpr* OrvGramSqlName(OrvExpr** entry, OrvTokenList* tokens);

// SQL_HOST_VAR_REF over the NAMED_OBJ_USE of category data-name (flag 0)
// that holds the SQL_VAR_NAME_LIST `names`.
OrvExpr* OrvGramSqlHostVar(OrvExpr* names);

// The label of WHENEVER ... GO TO / PERFORM: a NAMED_OBJ_USE of category
// proc-name over a one-item OF_IN_LIST of the NAME_USE of the identifier's
// image (upper case, as OrvGramSqlName); the identifier's node is deleted
// and the entry cleared, its tokens (may be null) move to the NAME_USE.
OrvExpr* OrvGramSqlLabel(OrvExpr** entry, OrvTokenList* tokens);

// A row of VALUES: a SQL_ROW_CONSTRUCTOR is the row itself; any other
// value becomes a SQL_ROW_CONSTRUCTOR over a one-item SQL_EXPR_LIST.
OrvExpr* OrvGramSqlRow(OrvExpr* value);

// The word VALUE used as a column name: a CHAR_STRING "VALUE" (the SQL
// word's token carries no text; the position step gives it the token).
OrvExpr* OrvGramSqlValueWord();

// A call of a function by a name that is no SQL word (IDENTITY_VAL_LOCAL(),
// LENGTH(X)): INTR_FUNCTION with the name's CHAR_STRING in slot 0 and the
// SQL_EXPR_LIST of the arguments in slot 1 (empty for "()", `arguments`
// null).
OrvExpr* OrvGramSqlFunction(OrvExpr* name, OrvExpr* arguments);

#endif
