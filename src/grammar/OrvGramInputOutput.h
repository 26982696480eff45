// The INPUT-OUTPUT SECTION in the grammar's actions: SELECT entries, whose
// clauses the file-control collector gathers, alternate record keys, whose
// phrases the sub-clause collector gathers meanwhile, and split keys.
#ifndef LARK_GRAMMAR_ORVGRAMINPUTOUTPUT_H
#define LARK_GRAMMAR_ORVGRAMINPUTOUTPUT_H

class OrvExpr;

// Starts the file-control collector on a new DECL_FC_ENTRY with the
// OPTIONAL phrase (a NULL_NODE when absent) in slot 0 and the file-name use
// in slot 1; returns the entry, which the starting action keeps as its
// value.
OrvExpr* OrvGramStartFileControl(OrvExpr* optional, OrvExpr* fileName);

// Starts the sub-clause collector on a new FCX_ALTERNATE_RECORD_KEY with the
// key in slot 0; returns it.
OrvExpr* OrvGramStartAlternateKey(OrvExpr* key);

// split-key = data-name ALSO components: the data name joined in front of
// the components (a SPLIT_KEY_COMP_LIST) into one flat list, which becomes a
// SPLIT_KEY_COMP_ALSO_LIST.
OrvExpr* OrvGramSplitKeyAlso(OrvExpr* first, OrvExpr* components);

#endif
