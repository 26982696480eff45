/* The harness grammar of the parse-engine tests and benchmarks: COBOL-like
   sentences whose constructs have the conflict cells the COBOL grammar
   resolves by trial parsing, with actions of each kind the engine serves.

   - READ ... AT statement NOT-AT statement and WRITE ... INVALID statement
     NOT-AT INVALID statement: the combined NOT-AT token may begin the NOT
     phrase of the inner statement (shift, tried first) or follow its end
     (the empty rule for a missing NOT phrase, which commits at once); the
     empty rule after the NOT phrase's keywords commits at once too.
   - A word followed by "(": subscripts (shift, tried first, with a mark
     rule writing 1 into the word's entry and a commit when not nested), or
     the word ends there (a clear rule that commits when not nested) and
     "(" opens the next statement, ( END-READ word ).
   - FUNCTION in a subscript turns the source's function-name mode on for
     the next word and off after it, in [ ] code.
   - PERFORM word OF word: two reductions on OF, the procedure name (the
     earlier rule, tried first) or the data name; a FUNCTION after the
     procedure name turns the function-name switch on, one after the data
     name does not.
   - COMPUTE ( ( X ) ): "(" e ")" and "(" f ")" with f : e conflict on
     every ")".
   - WRITE ... FROM ident: a clause handed to a stand-in collector by an
     action that runs the position step itself (RDC_POSN) first.
   - statement : error, the error rule; DISPLAY ( ( X ) ) nests without a
     conflict; MOVE items TO word is a list that grows by one item per
     reduction, an AND before an item giving the reduction tokens to place.

   Actions are one-line calls of the helpers in EngineHarness.cpp. */
%token_codes
%expect 4
%expect-rr 2
%%

source      : sentences                          { $$ = HarnessFile($1); }
            ;

sentences   : sentence                           { $$ = HarnessList(SENTENCE_LIST, $1); }
            | sentences sentence                 { $$ = HarnessAppend(SENTENCE_LIST, $1, $2); }
            ;

sentence    : statements SEP_DOT                 { $$ = HarnessNode(SENTENCE, $1); }
            ;

statements  : statement                          { $$ = HarnessList(STMT_LIST, $1); }
            | statements statement               { $$ = HarnessAppend(STMT_LIST, $1, $2); }
            ;

statement   : read                               { $$ = $1; }
            | write                              { $$ = $1; }
            | perform                            { $$ = $1; }
            | compute                            { $$ = $1; }
            | display                            { $$ = $1; }
            | move                               { $$ = $1; }
            | paren_statement                    { $$ = $1; }
            | error                              { $$ = HarnessErrorStatement(); }
            ;

/* READ file AT statement NOT-AT statement */
read        : RW_READ TK_USER_DEFD_WORD at_end not_at_end
                                                 { $$ = HarnessNode(STMT_READ, $2, $3, $4); }
            ;

at_end      : /* empty */                        { $$ = HarnessNull(); }
            | RW_AT statement                    { $$ = HarnessNode(EX_ON_AT_END, $2); }
            ;

not_at_end  : /* empty */                        [ YYVALID; ] { $$ = HarnessNull(); }
            | CMB_NOT_ON_AT not_at_begin statement
                                                 { $$ = HarnessFill($2, $3); }
            ;

not_at_begin: /* empty */                        [ YYVALID; ] { $$ = HarnessNode(EX_NOT_ON_AT_END); }
            ;

/* WRITE record FROM ident INVALID statement NOT-AT INVALID statement; the
   clauses go through the stand-in collector. */
write       : RW_WRITE ident                     { $$ = HarnessWriteBegin($2); }
              write_clauses invalid not_invalid  { $$ = HarnessWriteEnd($3, $5, $6); }
            ;

write_clauses
            : /* empty */
            | write_clauses write_clause
            ;

write_clause: RW_FROM ident                      { OrvParseValue from = HarnessNode(EX_WRITE_FROM, $2);
                                                   RDC_POSN(from);
                                                   HarnessCollect(HARNESS_FROM_SLOT, from); }
            ;

invalid     : /* empty */                        { $$ = HarnessNull(); }
            | RW_INVALID statement               { $$ = HarnessNode(EX_ON_INVALID_KEY, $2); }
            ;

not_invalid : /* empty */                        [ YYVALID; ] { $$ = HarnessNull(); }
            | CMB_NOT_ON_AT RW_INVALID not_invalid_begin statement
                                                 { $$ = HarnessFill($3, $4); }
            ;

not_invalid_begin
            : /* empty */                        [ YYVALID; ] { $$ = HarnessNode(EX_NOT_ON_INVALID_KEY); }
            ;

/* A data word, plain or subscripted. */
ident       : TK_USER_DEFD_WORD                  [ if (yytrial && $1 != 0) { $1 = 0; YYVALID_NESTED; } ]
                                                 { $$ = $1; }
            | TK_USER_DEFD_WORD SEP_LEFT_PAR     [ if (yytrial) $1 = 1; ]
              subscripts SEP_RIGHT_PAR           [ YYVALID_NESTED; ]
                                                 { $$ = HarnessSubscripted($1, $4); }
            ;

subscripts  : subscript                          { $$ = HarnessList(SUBSCRIPT_LIST, $1); }
            | subscripts subscript               { $$ = HarnessAppend(SUBSCRIPT_LIST, $1, $2); }
            ;

subscript   : TK_INT_NUM_LIT                     { $$ = $1; }
            | ident                              { $$ = $1; }
            | RW_FUNCTION                        [ HarnessFunctionNames(1); ]
              TK_FUNC_NAME_NO_ARGS               [ HarnessFunctionNames(0); ]
                                                 { $$ = HarnessNode(INTR_FUNCTION, $3); }
            ;

/* ( END-READ word ): a statement that a "(" after a plain word opens. */
paren_statement
            : SEP_LEFT_PAR RW_END_READ TK_USER_DEFD_WORD SEP_RIGHT_PAR
                                                 { $$ = HarnessNode(STMT_EXIT_PERFORM, $3); }
            ;

/* PERFORM procedure [OF section] [FUNCTION name], or PERFORM data [OF
   data] [FUNCTION] count [word]: after OF the procedure name is tried
   first, and only it turns the function-name switch on. */
perform     : RW_PERFORM proc_name               { $$ = HarnessNode(STMT_PERFORM_PROC, $2); }
            | RW_PERFORM proc_name RW_FUNCTION   [ HarnessFunctionNames(1); ]
              TK_FUNC_NAME_NO_ARGS               [ HarnessFunctionNames(0); ]
                                                 { $$ = HarnessNode(STMT_PERFORM_PROC, $2, $5); }
            | RW_PERFORM data_name TK_INT_NUM_LIT
                                                 { $$ = HarnessNode(STMT_PERFORM_BLOCK, $2, $3); }
            | RW_PERFORM data_name RW_FUNCTION TK_INT_NUM_LIT TK_USER_DEFD_WORD
                                                 { $$ = HarnessNode(STMT_PERFORM_BLOCK, $2, $4, $5); }
            ;

proc_name   : proc_word                          { $$ = HarnessNode(EX_PROC_RANGE, $1); }
            | proc_word RW_OF proc_word          { $$ = HarnessNode(EX_PROC_RANGE, $1, $3); }
            ;

proc_word   : TK_USER_DEFD_WORD                  { $$ = $1; }
            ;

data_name   : data_word                          { $$ = HarnessList(OF_IN_LIST, $1); }
            | data_word RW_OF data_word          { $$ = HarnessAppend(OF_IN_LIST, HarnessList(OF_IN_LIST, $1), $3); }
            ;

data_word   : TK_USER_DEFD_WORD                  { $$ = $1; }
            ;

/* COMPUTE e, e : ( e ) | ( f ) | word, f : e. */
compute     : RW_COMPUTE expr                    { $$ = HarnessNode(STMT_COMPUTE, $2); }
            ;

expr        : SEP_LEFT_PAR expr SEP_RIGHT_PAR    { $$ = HarnessNode(OP_PARENS, $2); }
            | SEP_LEFT_PAR expr_f SEP_RIGHT_PAR  { $$ = HarnessNode(AR_UN_PLUS, $2); }
            | TK_USER_DEFD_WORD                  { $$ = $1; }
            ;

expr_f      : expr                               { $$ = $1; }
            ;

/* DISPLAY ( ( word ) ): nesting without a conflict. */
display     : RW_DISPLAY nest                    { $$ = HarnessNode(STMT_DISPLAY, $2); }
            ;

nest        : SEP_LEFT_PAR nest SEP_RIGHT_PAR    { $$ = HarnessNode(OP_PARENS, $2); }
            | TK_USER_DEFD_WORD                  { $$ = $1; }
            | TK_INT_NUM_LIT                     { $$ = $1; }
            ;

/* MOVE item [AND] item ... TO word. */
move        : RW_MOVE items RW_TO TK_USER_DEFD_WORD
                                                 { $$ = HarnessNode(STMT_MOVE, $2, $4); }
            ;

items       : item                               { $$ = HarnessList(IDENT_LIST, $1); }
            | items item                         { $$ = HarnessAppend(IDENT_LIST, $1, $2); }
            | items RW_AND item                  { $$ = HarnessAppend(IDENT_LIST, $1, $3); }
            ;

item        : TK_USER_DEFD_WORD                  { $$ = $1; }
            | TK_INT_NUM_LIT                     { $$ = $1; }
            ;
