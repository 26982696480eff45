// EXEC CICS in the grammar's actions: the command heads and the CICS
// collector that places the options, the ASSIGN, HANDLE and IGNORE lists,
// the condition names, the switches of the block and the text form of a
// block whose command or option the grammar does not know.
#ifndef LARK_GRAMMAR_ORVGRAMCICS_H
#define LARK_GRAMMAR_ORVGRAMCICS_H

class OrvExpr;
class OrvTokenList;

// Reserved-word lookup in the lexer and name lookup in the token supply,
// both on (1) or both off (0): off while the names of ASSIGN and the text
// of an unknown command are read.  On also ends the lexer's CICS text mode.
void OrvGramCicsWords(int on);
// After a syntax error in the block: the statement the CICS collector
// still holds, and a pending option, give their tokens to the error node
// (nothing of the block is lost) and are dropped.
void OrvGramCicsAbandon();

// A command head without an option in it: a new statement node of `op`
// whose slot 0 holds the placeholder of *placeholder (order -1, not through
// the collector); the entry is cleared.
OrvExpr* OrvGramCicsHead(int op, OrvExpr** placeholder);
// A command head with its MAP or SET option (already pending in the
// collector): a new statement node of `op`; the placeholder of
// *placeholder is deleted and the entry cleared.
OrvExpr* OrvGramCicsHeadWithOption(int op, OrvExpr** placeholder);
// Starts the CICS collector on the head's statement *head (a pending
// option is placed now); the entry is cleared, the collector holds it.
void OrvGramCicsStart(OrvExpr** head);
// Hands a built option to the CICS collector, which places, reports or
// keeps it pending; returns null (the option rule's value).
OrvExpr* OrvGramCicsOption(OrvExpr* option);
// The statement the CICS collector holds, with its saved tokens (Finish);
// null when it holds none.
OrvExpr* OrvGramCicsCollected();
// The finished command: every token of its own list moves to the end of
// the token list of slot 0; returns the statement.
OrvExpr* OrvGramCicsFinish(OrvExpr* statement);

// ASSIGN, HANDLE AID, HANDLE CONDITION and IGNORE CONDITION: a new node of
// `op` collected with the placeholder in slot 0 and the list in slot 1.
OrvExpr* OrvGramCicsListStatement(int op, OrvExpr* placeholder, OrvExpr* list);

// A condition or AID key written as a CICS word: a CHAR_STRING of the
// word's text.
OrvExpr* OrvGramCicsWordName(int code);
// A condition written as a user-defined word: a CHAR_STRING of the image of
// the word's symbol-table element *entry; the entry is cleared (the
// element stays out of the tree).
OrvExpr* OrvGramCicsUserName(OrvExpr** entry);

// The word where a command word or option keyword stands that the grammar
// does not know: "Unknown CICS command or option '%s'; the EXEC CICS block
// is kept as text." (MSG_WARN) at the word (its token list `tokens`); the
// entry of its symbol-table element is cleared.
void OrvGramCicsUnknownWord(OrvExpr** entry, OrvTokenList* tokens);
// Reads the rest of the block as text: both lookups off and the lexer's
// CICS text mode on (a separator period ends the block) until the text
// statement is reduced.
void OrvGramCicsTextMode();
// A token value of the text that no node keeps: deleted, the entry
// cleared.
void OrvGramCicsDropValue(OrvExpr** entry);
// The empty EX_EXEC_TOKEN_LIST that the position step fills with the
// tokens of the text.
OrvExpr* OrvGramCicsTextList();
// The text form: the tokens of `statement` (the command started before the
// unknown word, deleted here; may be null) and then the tokens in the own
// list of `list`, in source order, become one TOKEN_STRING child of `list`
// each.  Returns `list`.
OrvExpr* OrvGramCicsText(OrvExpr* list, OrvExpr* statement);
// A text block that a separator period ended before its END-EXEC: the
// syntax error at the period (the look-ahead) is reported and counted;
// returns `exec`.
OrvExpr* OrvGramCicsUnended(OrvExpr* exec);

#endif
