/* A toy grammar for the tests of the grammar build rule, the table unit and
   the action dispatcher.  Its statements are COBOL-like and its conflict
   cells are of the kinds the COBOL grammar keeps for trial parsing: a shift
   against a reduction (a word followed by "("), a shift against a mid-rule
   action (ACCEPT followed by a word), and two reductions on two tokens (a
   word followed by IN or OF).  Values are plain integers, so that a test
   can read what each action computed. */
%token_codes
%expect 2
%expect-rr 2
%%

program     : statements                                 { $$ = $1; }
            ;

statements  : statement                                  { $$ = $1; }
            | statements statement                       { $$ = $1 * 100 + $2; }
            ;

statement   : RW_DISPLAY items SEP_DOT                   { $$ = $2; }
            | RW_ACCEPT { $$ = 7; } TK_USER_DEFD_WORD SEP_DOT
                                                         { $$ = $2 + 1; }
            | RW_ACCEPT TK_USER_DEFD_WORD RW_FROM [ YYVALID; $$ = 8; ]
              TK_USER_DEFD_WORD SEP_DOT                  { $$ = $4 + 20; }
            | RW_MOVE qualified RW_TO TK_USER_DEFD_WORD SEP_DOT
                                                         { $$ = $2; }
            | error SEP_DOT                              { $$ = 99; }
            ;

/* DISPLAY items: "(" after a word opens its subscript (tried first) or a
   parenthesised item of its own. */
items       : item                                       { $$ = $1; }
            | items item                                 { $$ = $1 + $2; }
            ;

item        : ident                                      { $$ = $1; }
            | SEP_LEFT_PAR ident SEP_RIGHT_PAR           { $$ = $2 * 2; }
            | TK_INT_NUM_LIT
            ;

ident       : TK_USER_DEFD_WORD                          { $$ = 3; }
            | TK_USER_DEFD_WORD SEP_LEFT_PAR [ $1 = 1; ] TK_INT_NUM_LIT SEP_RIGHT_PAR
                                                         [ YYVALID_NESTED; $$ = $1 + 40; ]
            ;

/* MOVE qualified names: a word before IN or OF is a data word (tried
   first) or a condition word. */
qualified   : data_word RW_IN TK_USER_DEFD_WORD          { $$ = $1 + 10; }
            | data_word RW_OF TK_USER_DEFD_WORD          { $$ = $1 + 20; }
            | cond_word RW_IN TK_USER_DEFD_WORD          { $$ = $1 + 30; }
            | cond_word RW_OF TK_USER_DEFD_WORD          { $$ = $1 + 40; }
            ;

data_word   : TK_USER_DEFD_WORD                          [ $$ = 0; if (yytrial) break; $$ = 4; ]
            ;

cond_word   : TK_USER_DEFD_WORD                          { $$ = 5; }
            ;
