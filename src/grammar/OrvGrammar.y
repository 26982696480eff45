/* The COBOL grammar: the rules of a compilation unit and the semantic
   actions that build its syntax tree.

   Layout.  One banner per area of the language, in this order: the
   compilation unit with the IDENTIFICATION and ENVIRONMENT DIVISIONs, the
   INPUT-OUTPUT SECTION, the DATA DIVISION, data description entries, the
   REPORT SECTION, the SCREEN SECTION, the PROCEDURE DIVISION structure,
   statements, phrases, operands, expressions and conditions, then embedded
   SQL and CICS.  The order of the rules is also the order in which trial
   parsing tries two reductions of one conflict cell (the earlier rule
   first), so the procedure-name part stands before the start of a
   qualified data name.

   Actions.  Every action is one line that calls a named helper (the
   OrvGram* functions, one source file per area, each tested on its own)
   through the macros that OrvGrammar.cpp defines for them: N(v) is the
   node of a value, V(p) the value of a node, PARSER the running parser;
   POSITION_STEP(node) moves the tokens of the rule onto the node before the
   action hands it on (and returns the node); POSITION_OF($k) is the token
   list of symbol k; PASS_UP($k) hands value and tokens of symbol k up
   unchanged; HAND_CLAUSE and HAND_LIST_ITEM run the position step and give
   the node to a collector.  There is no implicit $$ = $1: a rule that
   passes a value on writes it.  An optional phrase that is absent gives a
   NULL_NODE from its own empty rule.  A mid-rule action that takes values
   from the entries below it clears those entries, since error recovery
   pops entries from the top and must not meet them after it deleted their
   holder.

   Trial parsing.  { } code is skipped while a trial parse runs; [ ] code
   runs in trials too.  [ ] code is used only by the rules that steer trial
   parsing (commits, the marks of subscripts and reference modification,
   the clearing of qualified-name values) and by the rules that switch the
   lexer or the token supply, whose switches must hold while the tokens
   after them are read; their building part follows "if (yytrial) break;".

   Conflicts.  The cells of OrvGrammar.conflicts are the only ones left to
   trial parsing; no precedence is declared on their tokens.  Every other
   choice is made here: a phrase, terminator, statement, COPY marker or
   error that could close an inner construct or continue it goes to the
   innermost one (the empty or closing rule gets %prec PRTY_LOW, and the
   token that continues the inner construct is listed in the %right line
   below; a new statement verb joins it).  The signs + and - after a
   function argument continue that argument. */

%token_codes
%expect 2
%expect-rr 2

%nonassoc PRTY_LOW
%right RW_ELSE RW_OTHERWISE RW_END_IF RW_END_PERFORM
       SEP_INLINED_COPY SEP_UNINLINED_COPY error
       RW_COMPUTE RW_CONTINUE RW_EXIT RW_GO RW_IF RW_MOVE RW_NEXT_SENTENCE RW_PERFORM RW_STOP
%left OP_PLUS OP_MINUS

%%

/* ===================================================================== */
/* Compilation unit                                                       */
/* ===================================================================== */

cobol_file
        : first_program file_items
        ;

file_items
        : /* empty */
        | file_items file_item
        ;

file_item
        : program
        | end_program
        ;

first_program
        : program_start id_division_first env_division data_division proc_division
                                        { $$ = V(OrvGramProgram(N($1), N($2), N($3), N($4), N($5))); }
        ;

program
        : program_start id_division env_division data_division proc_division
                                        { $$ = V(OrvGramProgram(N($1), N($2), N($3), N($4), N($5))); }
        ;

program_start
        : /* empty */                   { $$ = V(PARSER.StartProgram()); }
        ;

end_program
        : RW_END_PROGRAM end_program_name SEP_DOT
                                        { OrvGramEndProgram(POSITION_STEP(OrvGramEndProgramHeader(N($2)))); }
        ;

end_program_name
        : TK_USER_DEFD_WORD             { $$ = V(OrvGramNameUse(N($1), SYMCAT_PROGRAM_NAME, POSITION_OF($1))); }
        | TK_NONNUM_LIT                 { $$ = V(OrvGramNameUse(OrvGramLiteralProgramName(&$1), SYMCAT_PROGRAM_NAME, POSITION_OF($1))); }
        ;

/* ===================================================================== */
/* IDENTIFICATION DIVISION                                                */
/* ===================================================================== */

/* In the first program the header and PROGRAM-ID may be left out. */
id_division_first
        : id_header_opt program_id_opt  { $$ = V(OrvGramIdDivision(N($1), N($2))); }
        ;

id_division
        : id_header program_id          { $$ = V(OrvGramIdDivision(N($1), N($2))); }
        ;

id_header_opt
        : /* empty */                   { $$ = V(OrvGramMissingIdHeader()); }
        | id_header                     { $$ = $1; }
        ;

id_header
        : RW_ID_DIVISION SEP_DOT        { $$ = V(OrvGramNode(DIVISION_IDENTIFICATION_HEADER)); }
        ;

program_id_opt
        : /* empty */                   { $$ = V(OrvGramMissingProgramId()); }
        | program_id                    { $$ = $1; }
        ;

/* The name is read with reserved-word lookup off. */
program_id
        : RW_PROGRAM_ID reserved_lookup_off dot_opt program_name reserved_lookup_on
          is_opt program_attribute_opt program_word_opt dot_opt
                                        { $$ = V(OrvGramProgramId(N($4), N($7))); }
        ;

program_name
        : TK_USER_DEFD_WORD             { $$ = V(OrvGramDefine(N($1), SYMCAT_PROGRAM_NAME)); }
        | TK_NONNUM_LIT                 { $$ = V(OrvGramDefine(OrvGramLiteralName(&$1), SYMCAT_PROGRAM_NAME)); }
        ;

program_attribute_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | RW_COMMON                     { $$ = V(OrvGramNode(EX_PROG_COMMON)); }
        | RW_INITIAL                    { $$ = V(OrvGramNode(EX_PROG_INITIAL)); }
        | RW_COMMON RW_INITIAL          { $$ = V(OrvGramNode(EX_PROG_COMMON_INITIAL)); }
        | RW_INITIAL RW_COMMON          { $$ = V(OrvGramNode(EX_PROG_COMMON_INITIAL)); }
        ;

reserved_lookup_off
        : /* empty */                   [ OrvGramReservedLookup(0); ]
        ;

reserved_lookup_on
        : /* empty */                   [ OrvGramReservedLookup(1); ]
        ;

/* ===================================================================== */
/* ENVIRONMENT DIVISION and CONFIGURATION SECTION                         */
/* ===================================================================== */

env_division
        : env_header_opt configuration_section input_output_section
                                        { $$ = V(OrvGramEnvDivision(&$1, &$2, &$3)); }
        ;

env_header_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | RW_ENVIRONMENT_DIVISION SEP_DOT
                                        { $$ = V(OrvGramNode(DIVISION_ENVIRONMENT_HEADER)); }
        ;

configuration_section
        : config_header_opt config_start config_paragraphs
                                        { $$ = V(OrvGramFinishConfiguration(&$2)); }
        ;

config_header_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | RW_CONFIGURATION RW_SECTION SEP_DOT
                                        { $$ = V(OrvGramNode(SECTION_CONFIGURATION_HEADER)); }
        ;

config_start
        : /* empty */                   { $$ = V(OrvGramStartConfiguration(&$0)); }
        ;

config_paragraphs
        : /* empty */
        | config_paragraphs config_paragraph
        ;

config_paragraph
        : source_computer               { HAND_CLAUSE(OrvConfigurationCollector, 1, N($1)); }
        | object_computer               { HAND_CLAUSE(OrvConfigurationCollector, 2, N($1)); }
        | special_names                 { HAND_CLAUSE(OrvConfigurationCollector, 3, N($1)); }
        | repository                    { HAND_CLAUSE(OrvConfigurationCollector, 4, N($1)); }
        | copy_marker                   { HAND_CLAUSE(OrvConfigurationCollector, 6, N($1)); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_ENVIRONMENT); if (yytrial) break; HAND_CLAUSE(OrvConfigurationCollector, 6, OrvGramErrorNode()); ]
        ;

/* SOURCE-COMPUTER and OBJECT-COMPUTER: the computer name is read with the
   name lookup off, so that it arrives as a character string.  The entry
   after the paragraph's "." may be left out as a whole. */
source_computer
        : RW_SOURCE_COMPUTER SEP_DOT name_lookup_off name_lookup_on
                                        { $$ = V(OrvGramComputerParagraph(PARA_SOURCE_COMPUTER, nullptr, nullptr)); }
        | RW_SOURCE_COMPUTER SEP_DOT name_lookup_off TK_CHAR_STRING name_lookup_on debugging_mode_opt SEP_DOT
                                        { $$ = V(OrvGramComputerParagraph(PARA_SOURCE_COMPUTER, N($4), N($6))); }
        | RW_SOURCE_COMPUTER SEP_DOT name_lookup_off name_lookup_on debugging_mode_opt SEP_DOT
                                        { $$ = V(OrvGramComputerParagraph(PARA_SOURCE_COMPUTER, nullptr, N($5))); }
        ;

debugging_mode_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | with_opt RW_DEBUGGING RW_MODE [ OrvGramDebuggingLines(); if (yytrial) break; $$ = V(OrvGramNode(EX_CC_DEBUGGING_MODE)); ]
        ;

object_computer
        : RW_OBJECT_COMPUTER SEP_DOT name_lookup_off name_lookup_on
                                        { $$ = V(OrvGramComputerParagraph(PARA_OBJECT_COMPUTER, nullptr, nullptr)); }
        | RW_OBJECT_COMPUTER SEP_DOT name_lookup_off TK_CHAR_STRING name_lookup_on object_computer_clauses SEP_DOT
                                        { $$ = V(OrvGramComputerParagraph(PARA_OBJECT_COMPUTER, N($4), N($6))); }
        ;

object_computer_clauses
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | object_computer_clauses object_computer_clause
                                        { $$ = V(OrvListExpr(EX_CC_CLAUSE_LIST, N($1), N($2))); }
        ;

object_computer_clause
        : RW_MEMORY size_opt integer memory_unit_opt
                                        { $$ = V(OrvGramNode(EX_CC_MEMORY_SIZE, N($3), N($4))); }
        | program_opt collating_opt RW_SEQUENCE is_opt alphabet_name_use
                                        { $$ = V(OrvGramNode(EX_CC_COLLATING_SEQUENCE, N($5))); }
        | RW_SEGMENT_LIMIT is_opt integer
                                        { $$ = V(OrvGramNode(EX_CC_SEGMENT_LIMIT, N($3))); }
        ;

memory_unit_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | RW_WORDS                      { $$ = V(OrvGramNode(EX_CC_WORDS)); }
        | RW_CHARACTERS                 { $$ = V(OrvGramNode(EX_CC_CHARACTERS)); }
        | RW_MODULES                    { $$ = V(OrvGramNode(EX_CC_MODULES)); }
        ;

name_lookup_off
        : /* empty */                   [ OrvGramNameLookup(0); ]
        ;

name_lookup_on
        : /* empty */                   [ OrvGramNameLookup(1); ]
        ;

/* SPECIAL-NAMES: the special reserved words (devices, switches) are
   recognised while its clauses are read.  A COPY marker or an error after
   its clauses goes to the paragraph, not to the section. */
special_names
        : RW_SPECIAL_NAMES SEP_DOT special_names_start special_names_clauses special_names_end dot_opt
                                        { $$ = $5; }
        ;

special_names_start
        : /* empty */                   [ OrvGramSpecialWords(1); if (yytrial) break; $$ = V(OrvGramStartSpecialNames()); ]
        ;

special_names_end
        : /* empty */ %prec PRTY_LOW    [ OrvGramSpecialWords(0); if (yytrial) break; $$ = V(OrvSpecialNamesCollector.Finish()); ]
        ;

special_names_clauses
        : /* empty */
        | special_names_clauses special_names_clause
        ;

special_names_clause
        : switch_name switch_is_opt switch_start switch_status_phrases
                                        { HAND_LIST_ITEM(OrvSpecialNamesCollector, 1, SNX_FUNC_SWITCH_LIST, OrvSubClauseCollector.Finish()); }
        | device_name device_target     { OrvGramDeviceClause(POSITION_STEP(OrvGramDeviceClauseNode(&$1, &$2))); }
        | RW_ALPHABET alphabet_name_def is_opt alphabet_definition
                                        { HAND_LIST_ITEM(OrvSpecialNamesCollector, 2, SNX_ALPHABET_LIST, OrvGramNode(SNX_ALPHABET, N($2), N($4))); }
        | RW_SYMBOLIC characters_opt symbolic_char_defs is_are_opt symbolic_char_values symbolic_chars_in_opt
                                        { HAND_LIST_ITEM(OrvSpecialNamesCollector, 3, SNX_SYMB_CHARS_LIST, OrvGramNode(SNX_SYMB_CHARS, N($3), N($5), N($6))); }
        | RW_SYMBOLIC RW_CONSTANT symbolic_constant_defs
                                        { HAND_LIST_ITEM(OrvSpecialNamesCollector, 12, SNX_SYMBOLIC_CONSTANT_LIST, OrvGramNode(SNX_SYMBOLIC_CONSTANT, N($3))); }
        | RW_CLASS class_name_def is_opt alphabet_ranges
                                        { HAND_LIST_ITEM(OrvSpecialNamesCollector, 4, SNX_CLASS_LIST, OrvGramNode(SNX_CLASS, N($2), N($4))); }
        | RW_CURRENCY sign_opt is_opt literal
                                        { HAND_CLAUSE(OrvSpecialNamesCollector, 5, OrvGramCheckCurrencySign(POSITION_STEP(OrvGramNode(SNX_CURRENCY_SIGN, N($4))))); }
        | RW_DECIMAL_POINT is_opt RW_COMMA
                                        [ OrvGramDecimalPointComma(); if (yytrial) break; HAND_CLAUSE(OrvSpecialNamesCollector, 6, OrvGramNode(SNX_DECIMAL_POINT)); ]
        | RW_NUMERIC RW_SIGN is_opt RW_TRAILING RW_SEPARATE
                                        { HAND_CLAUSE(OrvSpecialNamesCollector, 7, OrvGramNode(SNX_NUMERIC_SIGN_IS_TS)); OrvGramNumericSignTrailingSeparate(); }
        | RW_CALL_CONVENTION integer is_opt mnemonic_name_def
                                        { HAND_LIST_ITEM(OrvSpecialNamesCollector, 9, SNX_CALL_CONV_LIST, OrvGramNode(SNX_CALL_CONVENTION, N($2), N($4))); }
        | RW_CURSOR is_opt qualified_name
                                        { HAND_CLAUSE(OrvSpecialNamesCollector, 10, OrvGramNode(SNX_CURSOR, N($3))); }
        | RW_CRT RW_STATUS is_opt qualified_name
                                        { HAND_CLAUSE(OrvSpecialNamesCollector, 11, OrvGramNode(SNX_CRT_STATUS, N($4))); }
        | copy_marker                   { HAND_CLAUSE(OrvSpecialNamesCollector, 13, N($1)); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_SPECIAL_NAMES); if (yytrial) break; HAND_CLAUSE(OrvSpecialNamesCollector, 13, OrvGramErrorNode()); ]
        ;

/* A switch clause: its ON and OFF phrases are gathered by the sub-clause
   collector while the SPECIAL-NAMES collector is busy. */
switch_start
        : /* empty */                   { $$ = V(OrvGramStartSwitch(&$-1, &$0)); }
        ;

switch_is_opt
        : /* empty */                   { $$ = 0; }
        | is_opt mnemonic_name_def      { $$ = V(OrvGramNode(SNX_IS, N($2))); }
        ;

switch_status_phrases
        : /* empty */
        | switch_status_phrases switch_status_phrase
        ;

switch_status_phrase
        : RW_ON status_opt is_opt condition_name_def
                                        { HAND_CLAUSE(OrvSubClauseCollector, 2, OrvGramNode(SNX_ON_STATUS, N($4))); }
        | RW_OFF status_opt is_opt condition_name_def
                                        { HAND_CLAUSE(OrvSubClauseCollector, 3, OrvGramNode(SNX_OFF_STATUS, N($4))); }
        ;

switch_name
        : RW_SWITCH_0                   { $$ = V(OrvGramNode(SW_SWITCH_0)); }
        | RW_SWITCH_1                   { $$ = V(OrvGramNode(SW_SWITCH_1)); }
        | RW_SWITCH_2                   { $$ = V(OrvGramNode(SW_SWITCH_2)); }
        | RW_SWITCH_3                   { $$ = V(OrvGramNode(SW_SWITCH_3)); }
        | RW_SWITCH_4                   { $$ = V(OrvGramNode(SW_SWITCH_4)); }
        | RW_SWITCH_5                   { $$ = V(OrvGramNode(SW_SWITCH_5)); }
        | RW_SWITCH_6                   { $$ = V(OrvGramNode(SW_SWITCH_6)); }
        | RW_SWITCH_7                   { $$ = V(OrvGramNode(SW_SWITCH_7)); }
        | RW_SWITCH_8                   { $$ = V(OrvGramNode(SW_SWITCH_8)); }
        | RW_UPSI_0                     { $$ = V(OrvGramNode(SW_UPSI_0)); }
        | RW_UPSI_1                     { $$ = V(OrvGramNode(SW_UPSI_1)); }
        | RW_UPSI_2                     { $$ = V(OrvGramNode(SW_UPSI_2)); }
        | RW_UPSI_3                     { $$ = V(OrvGramNode(SW_UPSI_3)); }
        | RW_UPSI_4                     { $$ = V(OrvGramNode(SW_UPSI_4)); }
        | RW_UPSI_5                     { $$ = V(OrvGramNode(SW_UPSI_5)); }
        | RW_UPSI_6                     { $$ = V(OrvGramNode(SW_UPSI_6)); }
        | RW_UPSI_7                     { $$ = V(OrvGramNode(SW_UPSI_7)); }
        | RW_SWITCH TK_NONNUM_LIT       { $$ = V(OrvGramNode(SW_SWITCH, N($2))); }
        | RW_SWITCH TK_INT_NUM_LIT      { $$ = V(OrvGramNumberedSwitch(&$2, POSITION_OF($2))); }
        ;

device_name
        : RW_TAB                        { $$ = V(OrvGramNode(IOF_TAB)); }
        | RW_PRINTER                    { $$ = V(OrvGramNode(IOF_PRINTER)); }
        | RW_FORMFEED                   { $$ = V(OrvGramNode(IOF_FORMFEED)); }
        | RW_CRT                        { $$ = V(OrvGramNode(IOF_CRT)); }
        | RW_CRT_UNDER                  { $$ = V(OrvGramNode(IOF_CRT_UNDER)); }
        | RW_CONSOLE                    { $$ = V(OrvGramNode(IOF_CONSOLE)); }
        | RW_COMMAND_LINE               { $$ = V(OrvGramNode(IOF_COMMAND_LINE)); }
        | RW_ARGUMENT_NUMBER            { $$ = V(OrvGramNode(IOF_ARG_NUMBER)); }
        | RW_ARGUMENT_VALUE             { $$ = V(OrvGramNode(IOF_ARG_VALUE)); }
        | RW_ENVIRONMENT_NAME           { $$ = V(OrvGramNode(IOF_ENV_NAME)); }
        | RW_ENVIRONMENT_VALUE          { $$ = V(OrvGramNode(IOF_ENV_VALUE)); }
        | RW_SYSIN                      { $$ = V(OrvGramNode(IOF_SYSIN)); }
        | RW_SYSIPT                     { $$ = V(OrvGramNode(IOF_SYSIN)); }
        | RW_SYSOUT                     { $$ = V(OrvGramNode(IOF_SYSOUT)); }
        | RW_SYSLIST                    { $$ = V(OrvGramNode(IOF_SYSOUT)); }
        | RW_SYSLST                     { $$ = V(OrvGramNode(IOF_SYSOUT)); }
        | RW_SYSPCH                     { $$ = V(OrvGramNode(IOF_SYSPUNCH)); }
        | RW_SYSPUNCH                   { $$ = V(OrvGramNode(IOF_SYSPUNCH)); }
        | RW_C01                        { $$ = V(OrvGramNode(IOF_C01)); }
        | RW_C02                        { $$ = V(OrvGramNode(IOF_C02)); }
        | RW_C03                        { $$ = V(OrvGramNode(IOF_C03)); }
        | RW_C04                        { $$ = V(OrvGramNode(IOF_C04)); }
        | RW_C05                        { $$ = V(OrvGramNode(IOF_C05)); }
        | RW_C06                        { $$ = V(OrvGramNode(IOF_C06)); }
        | RW_C07                        { $$ = V(OrvGramNode(IOF_C07)); }
        | RW_C08                        { $$ = V(OrvGramNode(IOF_C08)); }
        | RW_C09                        { $$ = V(OrvGramNode(IOF_C09)); }
        | RW_C10                        { $$ = V(OrvGramNode(IOF_C010)); }
        | RW_C11                        { $$ = V(OrvGramNode(IOF_C011)); }
        | RW_C12                        { $$ = V(OrvGramNode(IOF_C012)); }
        | RW_CSP                        { $$ = V(OrvGramNode(IOF_CSP)); }
        | RW_S01                        { $$ = V(OrvGramNode(IOF_S01)); }
        | RW_S02                        { $$ = V(OrvGramNode(IOF_S02)); }
        | RW_S03                        { $$ = V(OrvGramNode(IOF_S03)); }
        | RW_S04                        { $$ = V(OrvGramNode(IOF_S04)); }
        | RW_S05                        { $$ = V(OrvGramNode(IOF_S05)); }
        ;

device_target
        : is_opt mnemonic_name_def      { $$ = V(OrvGramNode(SNX_IS, N($2))); }
        | is_opt RW_CRT                 { $$ = V(OrvGramNode(IOF_CRT)); }
        ;

alphabet_definition
        : RW_STANDARD_1                 { $$ = V(OrvGramNode(SNX_STANDARD_1)); }
        | RW_ASCII                      { $$ = V(OrvGramNode(SNX_STANDARD_1)); }
        | RW_STANDARD_2                 { $$ = V(OrvGramNode(SNX_STANDARD_2)); }
        | RW_NATIVE                     { $$ = V(OrvGramNode(SNX_NATIVE)); }
        | RW_EBCDIC                     { $$ = V(OrvGramNode(SNX_EBCDIC)); }
        | alphabet_ranges               { $$ = $1; }
        ;

alphabet_ranges
        : alphabet_range                { $$ = V(OrvListExpr(SNX_ALPHA_RANGE_LIST, N($1), nullptr)); }
        | alphabet_ranges alphabet_range
                                        { $$ = V(OrvListExpr(SNX_ALPHA_RANGE_LIST, N($1), N($2))); }
        ;

alphabet_range
        : literal                       { $$ = V(OrvGramNode(EX_ALPH_LITER_RANGE, N($1), nullptr)); }
        | literal thru_word literal     { $$ = V(OrvGramNode(EX_ALPH_LITER_RANGE, N($1), N($3))); }
        | alphabet_also_list            { $$ = $1; }
        ;

alphabet_also_list
        : literal RW_ALSO literal       { $$ = V(OrvListExpr(EX_ALPH_ALSO_LIST, N($1), N($3))); }
        | alphabet_also_list RW_ALSO literal
                                        { $$ = V(OrvListExpr(EX_ALPH_ALSO_LIST, N($1), N($3))); }
        ;

symbolic_char_defs
        : symbolic_char_def             { $$ = V(OrvListExpr(EX_LIST, N($1), nullptr)); }
        | symbolic_char_defs symbolic_char_def
                                        { $$ = V(OrvListExpr(EX_LIST, N($1), N($2))); }
        ;

symbolic_char_values
        : integer                       { $$ = V(OrvListExpr(EX_LIST, N($1), nullptr)); }
        | symbolic_char_values integer  { $$ = V(OrvListExpr(EX_LIST, N($1), N($2))); }
        ;

symbolic_chars_in_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | RW_IN alphabet_name_use       { $$ = V(OrvGramNode(SNX_SYMB_CHARS_IN, N($2))); }
        ;

symbolic_constant_defs
        : symbolic_constant_def         { $$ = V(OrvListExpr(SNX_SYMB_CONST_LIST, N($1), nullptr)); }
        | symbolic_constant_defs symbolic_constant_def
                                        { $$ = V(OrvListExpr(SNX_SYMB_CONST_LIST, N($1), N($2))); }
        ;

symbolic_constant_def
        : symbolic_constant_name is_opt literal
                                        { $$ = V(OrvGramNode(SNX_SYMB_CONST, N($1), N($3))); }
        ;

/* Definitions of the names that SPECIAL-NAMES declares. */
mnemonic_name_def
        : TK_USER_DEFD_WORD             { $$ = V(OrvGramDefine(N($1), SYMCAT_MNEMONIC_NAME)); }
        ;

condition_name_def
        : TK_USER_DEFD_WORD             { $$ = V(OrvGramDefine(N($1), SYMCAT_SWITCH_COND_NAME)); }
        ;

alphabet_name_def
        : TK_USER_DEFD_WORD             { $$ = V(OrvGramDefine(N($1), SYMCAT_ALPHABET_NAME)); }
        ;

symbolic_char_def
        : TK_USER_DEFD_WORD             { $$ = V(OrvGramDefine(N($1), SYMCAT_SYMBOLIC_CHAR)); }
        ;

class_name_def
        : TK_USER_DEFD_WORD             { $$ = V(OrvGramDefine(N($1), SYMCAT_CLASS_NAME)); }
        ;

symbolic_constant_name
        : TK_USER_DEFD_WORD             { $$ = V(OrvGramDefine(N($1), SYMCAT_SYMBOLIC_CONSTANT)); }
        ;

/* Uses of those names elsewhere in the grammar. */
mnemonic_name_use
        : TK_USER_DEFD_WORD             { $$ = V(OrvGramNameUse(N($1), SYMCAT_MNEMONIC_NAME, POSITION_OF($1))); }
        ;

alphabet_name_use
        : TK_USER_DEFD_WORD             { $$ = V(OrvGramNameUse(N($1), SYMCAT_ALPHABET_NAME, POSITION_OF($1))); }
        ;

symbolic_char_use
        : UW_SYMBOLIC_CHAR              { $$ = V(OrvGramNameUse(N($1), SYMCAT_SYMBOLIC_CHAR, POSITION_OF($1))); }
        ;

symbolic_constant_use
        : UW_SYMBOLIC_CONSTANT          { $$ = V(OrvGramNameUse(N($1), SYMCAT_SYMBOLIC_CONSTANT, POSITION_OF($1))); }
        ;

class_name_use
        : TK_USER_DEFD_WORD             { $$ = V(OrvGramNameUse(N($1), SYMCAT_CLASS_NAME, POSITION_OF($1))); }
        ;

/* REPOSITORY */
repository
        : RW_REPOSITORY SEP_DOT repository_specifiers SEP_DOT
                                        { $$ = V(OrvGramNode(PARA_REPOSITORY, N($3))); }
        ;

repository_specifiers
        : repository_specifier          { $$ = V(OrvListExpr(EX_LIST, N($1), nullptr)); }
        | repository_specifiers repository_specifier
                                        { $$ = V(OrvListExpr(EX_LIST, N($1), N($2))); }
        ;

repository_specifier
        : RW_CLASS class_name_def as_literal_opt
                                        { $$ = V(OrvGramNode(EX_SPECIFIER_CLASS, N($2), N($3))); }
        | RW_PROPERTY class_name_def as_literal_opt
                                        { $$ = V(OrvGramNode(EX_SPECIFIER_PROPERTY, N($2), N($3))); }
        ;

as_literal_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | RW_AS literal                 { $$ = V(OrvGramNode(EX_AS, N($2))); }
        ;

/* ===================================================================== */
/* INPUT-OUTPUT SECTION                                                   */
/* ===================================================================== */

input_output_section
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        ;

/* ===================================================================== */
/* DATA DIVISION                                                          */
/* ===================================================================== */

data_division
        : data_header_opt data_division_start schema_section file_section working_storage_section
          local_storage_section linkage_section communication_section report_section screen_section
                                        { $$ = V(OrvGramDataDivision(&$1, &$3)); }
        ;

data_header_opt
        : /* empty */                   { $$ = V(OrvGramMissingDataHeader()); }
        | RW_DATA_DIVISION SEP_DOT      { $$ = V(OrvGramNode(DIVISION_DATA_HEADER)); }
        ;

data_division_start
        : /* empty */                   { PARSER.inDataDivision = 1; }
        ;

schema_section
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        ;

file_section
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        ;

working_storage_section
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        ;

local_storage_section
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        ;

linkage_section
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        ;

communication_section
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        ;

report_section
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        ;

screen_section
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        ;

/* ===================================================================== */
/* PROCEDURE DIVISION structure                                           */
/* ===================================================================== */

/* Section and paragraph names are read as Area A names from the end of the
   header on. */
proc_division
        : RW_PROCEDURE RW_DIVISION call_convention_opt with_linkage_opt proc_using_opt giving_opt SEP_DOT
          proc_division_start copy_item declaratives_opt proc_container_start copy_item procedure_items
                                        [ OrvGramAreaANames(0); if (yytrial) break; $$ = V(OrvGramFinishProcDivision(N($8), N($9), N($10), N($12))); ]
        ;

proc_division_start
        : /* empty */                   [ OrvGramAreaANames(1); if (yytrial) break; $$ = V(OrvGramStartProcDivision(N($-4), N($-3), N($-2), N($-1))); POSITION_STEP(N($$)); ]
        ;

proc_container_start
        : /* empty */                   { OrvGramProcContainer(N($-2), 7); }
        ;

call_convention_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | mnemonic_name_use             { $$ = $1; }
        ;

/* The linkage type is read with the name lookup off. */
with_linkage_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | RW_WITH name_lookup_off TK_CHAR_STRING linkage_word_opt
                                        [ OrvGramNameLookup(1); if (yytrial) break; $$ = V(OrvGramNode(EX_CALL_WITH_LINKAGE, N($3))); ]
        ;

linkage_word_opt
        : /* empty */
        | RW_LINKAGE
        ;

proc_using_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | RW_USING passing_mode_start proc_params
                                        { $$ = V(OrvGramNode(EX_PROC_USING, N($3))); }
        | RW_CHAINING passing_mode_start proc_params
                                        { $$ = V(OrvGramNode(EX_PROC_CHAINING, N($3))); }
        ;

passing_mode_start
        : /* empty */                   { OrvPassingMode = EX_PT_BY_REFERENCE; }
        ;

proc_params
        : proc_param                    { $$ = V(OrvListExpr(EX_PROC_PARAM_LIST, N($1), nullptr)); }
        | proc_params proc_param        { $$ = V(OrvListExpr(EX_PROC_PARAM_LIST, N($1), N($2))); }
        ;

proc_param
        : passing_mode_opt TK_USER_DEFD_WORD
                                        { $$ = V(OrvGramProcParam(N($1), OrvGramNameUse(N($2), SYMCAT_DATA_NAME, POSITION_OF($2)), OrvPassingMode)); }
        ;

passing_mode_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | by_opt RW_REFERENCE           { $$ = V(OrvGramPassingMode(EX_PT_BY_REFERENCE, &OrvPassingMode)); }
        | by_opt RW_CONTENT             { $$ = V(OrvGramPassingMode(EX_PT_BY_CONTENT, &OrvPassingMode)); }
        | by_opt RW_VALUE               { $$ = V(OrvGramPassingMode(EX_PT_BY_VALUE, &OrvPassingMode)); }
        ;

giving_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | giving_word into_opt identifier
                                        { $$ = V(OrvGramNode(EX_CALL_GIVING, OrvGramNode(EX_CALL_GIVING_INTO, N($3)))); }
        | giving_word RW_ADDRESS RW_OF identifier
                                        { $$ = V(OrvGramNode(EX_CALL_GIVING, OrvGramNode(EX_CALL_GIVING_ADDRESS_OF, N($4)))); }
        ;

/* A COPY marker or an error before the declaratives and before the
   sections has its own slot of the division. */
copy_item
        : /* empty */ %prec PRTY_LOW    { $$ = V(OrvGramNullNode()); }
        | copy_marker                   { $$ = $1; }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_PROCEDURE); if (yytrial) break; $$ = V(OrvGramErrorNode()); ]
        ;

copy_marker
        : SEP_INLINED_COPY              { $$ = $1; }
        | SEP_UNINLINED_COPY            { $$ = $1; }
        ;

declaratives_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | RW_DECLARATIVES SEP_DOT declaratives_start procedure_items end_declaratives
                                        { $$ = V(OrvGramFinishDeclaratives(&$3, N($5))); }
        ;

declaratives_start
        : /* empty */                   { $$ = V(OrvGramStartDeclaratives()); }
        ;

end_declaratives
        : RW_END_DECLARATIVES SEP_DOT   { $$ = V(OrvGramNode(END_DECLARATIVES)); }
        ;

/* Each item is filed at once into the sections, paragraphs and sentences
   of the division (or of the declaratives). */
procedure_items
        : /* empty */
        | procedure_items procedure_item
        ;

procedure_item
        : section_name RW_SECTION segment_number_opt SEP_DOT
                                        { OrvGramSectionHeader(POSITION_STEP(OrvGramSectionNode(&$1, N($3)))); }
        | paragraph_name SEP_DOT        { OrvGramParagraphHeader(POSITION_STEP(OrvGramParagraphNode(&$1))); }
        | SEP_DOT                       { OrvGramProcItem(POSITION_STEP(OrvGramNode(SENTENCE_EMPTY))); }
        | sentence_start statements SEP_DOT
                                        { OrvGramProcItem(POSITION_STEP(OrvGramNode(SENTENCE, N($2)))); }
        | copy_marker                   { OrvGramProcItem(POSITION_STEP(N($1))); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_PROCEDURE); if (yytrial) break; OrvGramProcItem(POSITION_STEP(OrvGramErrorNode())); ]
        ;

sentence_start
        : /* empty */ %prec PRTY_LOW
        ;

/* Names of sections and paragraphs pass the word's element and tokens up
   unchanged: the header's action defines the name. */
section_name
        : procedure_header_name         { PASS_UP($1); }
        ;

paragraph_name
        : procedure_header_name         { PASS_UP($1); }
        ;

procedure_header_name
        : TK_AREA_A_NAME                { PASS_UP($1); }
        | TK_USER_DEFD_WORD             { PASS_UP($1); }
        | TK_INT_NUM_LIT                { OrvGramNumberName(&$1); PASS_UP($1); }
        ;

segment_number_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | integer                       { $$ = $1; }
        ;

/* Procedure names: one level of qualification (paragraph OF section). */
procedure_range
        : procedure_name                { $$ = V(OrvGramNode(EX_PROC_RANGE, N($1), nullptr)); }
        | procedure_name thru_word procedure_name
                                        { $$ = V(OrvGramNode(EX_PROC_RANGE, N($1), N($3))); }
        ;

procedure_name
        : procedure_name_part           { $$ = V(OrvGramProcNameUse(N($1), nullptr)); }
        | procedure_name_part of_in procedure_name_part
                                        { $$ = V(OrvGramProcNameUse(N($1), N($3))); }
        ;

procedure_name_part
        : name_use                      { $$ = $1; }
        | TK_INT_NUM_LIT                { $$ = V(OrvGramNumberNameUse(&$1)); }
        ;

procedure_names_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | procedure_names               { $$ = $1; }
        ;

procedure_names
        : procedure_name                { $$ = V(OrvListExpr(EX_LIST, N($1), nullptr)); }
        | procedure_names procedure_name
                                        { $$ = V(OrvListExpr(EX_LIST, N($1), N($2))); }
        ;

/* Statement sequences.  The first statement of a sequence is never an
   error: an error there is an item of the division, or a statement after
   the one before. */
statements
        : first_statement               { $$ = V(OrvListExpr(STMT_LIST, N($1), nullptr)); }
        | statements statement          { $$ = V(OrvListExpr(STMT_LIST, N($1), N($2))); }
        ;

statements_opt
        : /* empty */ %prec PRTY_LOW    { $$ = V(OrvGramNullNode()); }
        | statements %prec PRTY_LOW     { $$ = $1; }
        ;

/* ===================================================================== */
/* Statements                                                             */
/* ===================================================================== */

statement
        : first_statement               { $$ = $1; }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_PROCEDURE); if (yytrial) break; $$ = V(OrvGramErrorNode()); ]
        ;

first_statement
        : compute_statement             { $$ = $1; }
        | continue_statement            { $$ = $1; }
        | exit_statement                { $$ = $1; }
        | goto_statement                { $$ = $1; }
        | if_statement                  { $$ = $1; }
        | move_statement                { $$ = $1; }
        | next_sentence_statement       { $$ = $1; }
        | perform_statement             { $$ = $1; }
        | stop_statement                { $$ = $1; }
        | copy_marker                   { $$ = $1; }
        ;

compute_statement
        : RW_COMPUTE rounded_identifiers equal_word arith_expr compute_start
          on_size_error_opt not_on_size_error_opt end_compute_opt
                                        { $$ = V(OrvGramFillSlots(N($5), N($2), N($4), N($6), N($7), N($8))); }
        ;

compute_start
        : /* empty */                   { $$ = V(OrvGramNode(STMT_COMPUTE)); }
        ;

continue_statement
        : RW_CONTINUE                   { $$ = V(OrvGramNode(STMT_CONTINUE)); }
        ;

exit_statement
        : RW_EXIT                       { $$ = V(OrvGramNode(STMT_EXIT)); }
        | RW_EXIT RW_PROGRAM exit_giving_opt
                                        { $$ = V(OrvGramNode(STMT_EXIT_PROGRAM, N($3))); }
        ;

goto_statement
        : RW_GO to_opt procedure_names_opt depending_opt
                                        { $$ = V(OrvGramGoTo(N($3), &$4)); }
        ;

if_statement
        : RW_IF condition then_opt if_start statements else_opt end_if_opt
                                        { $$ = V(OrvGramFillSlots(N($4), N($2), N($5), N($6), N($7))); }
        ;

if_start
        : /* empty */                   { $$ = V(OrvGramNode(STMT_IF)); }
        ;

move_statement
        : RW_MOVE operand RW_TO identifiers
                                        { $$ = V(OrvGramNode(STMT_MOVE, N($2), N($4))); }
        ;

next_sentence_statement
        : RW_NEXT_SENTENCE              { $$ = V(OrvGramNode(STMT_NEXT_SENTENCE)); }
        ;

/* PERFORM of procedures commits a trial parse when it is reduced, and so
   does the in-line PERFORM when its statements begin. */
perform_statement
        : RW_PERFORM procedure_range perform_repeat_opt
                                        [ YYVALID; $$ = V(OrvGramNode(STMT_PERFORM_PROC, N($2), N($3))); ]
        | RW_PERFORM perform_repeat_opt perform_block_start statements_opt end_perform_opt
                                        { $$ = V(OrvGramFillSlots(N($3), N($2), N($4), N($5))); }
        ;

perform_block_start
        : /* empty */                   [ YYVALID; $$ = V(OrvGramNode(STMT_PERFORM_BLOCK)); ]
        ;

stop_statement
        : RW_STOP stop_run_opt stop_literal_opt exit_giving_opt
                                        { $$ = V(OrvGramNode(STMT_STOP, N($2), N($3), N($4))); }
        ;

/* ===================================================================== */
/* Phrases                                                                */
/* ===================================================================== */

on_size_error_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        ;

not_on_size_error_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        ;

end_compute_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | RW_END_COMPUTE                { $$ = V(OrvGramNode(EX_END_COMPUTE)); }
        ;

exit_giving_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        ;

depending_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | RW_DEPENDING on_opt identifier
                                        { $$ = V(OrvGramNode(EX_DEPENDING_ON, N($3))); }
        ;

else_opt
        : /* empty */ %prec PRTY_LOW    { $$ = V(OrvGramNullNode()); }
        | else_word else_start statements %prec PRTY_LOW
                                        { $$ = V(OrvGramFillSlots(N($2), N($3))); }
        ;

else_start
        : /* empty */                   { $$ = V(OrvGramNode(EX_ELSE)); }
        ;

end_if_opt
        : /* empty */ %prec PRTY_LOW    { $$ = V(OrvGramNullNode()); }
        | RW_END_IF                     { $$ = V(OrvGramNode(EX_END_IF)); }
        ;

perform_repeat_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | operand RW_TIMES              { $$ = V(OrvGramNode(EX_PERF_TIMES, N($1))); }
        | perform_test_opt RW_UNTIL condition
                                        { $$ = V(OrvGramNode(EX_PERF_UNTIL, N($1), N($3))); }
        | perform_test_opt RW_VARYING perform_variations
                                        { $$ = V(OrvGramNode(EX_PERF_VARYING, N($1), N($3))); }
        ;

perform_test_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | with_opt RW_TEST before_after { $$ = V(OrvGramNode(EX_PERF_WITH_TEST, N($3))); }
        ;

perform_variations
        : perform_variation             { $$ = V(OrvListExpr(EX_PERF_VARN_LIST, N($1), nullptr)); }
        | perform_variations RW_AFTER perform_variation
                                        { $$ = V(OrvListExpr(EX_PERF_VARN_LIST, N($1), N($3))); }
        ;

perform_variation
        : identifier RW_FROM operand RW_BY operand RW_UNTIL condition
                                        { $$ = V(OrvGramNode(EX_PERF_VARIATION, N($1), N($3), N($5), N($7))); }
        ;

end_perform_opt
        : /* empty */ %prec PRTY_LOW    { $$ = V(OrvGramNullNode()); }
        | RW_END_PERFORM                { $$ = V(OrvGramNode(EX_END_PERFORM)); }
        ;

stop_run_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | RW_RUN                        { $$ = V(OrvGramNode(EX_RUN)); }
        ;

stop_literal_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | literal                       { $$ = $1; }
        ;

/* ===================================================================== */
/* Operands: identifiers, literals and optional words                     */
/* ===================================================================== */

/* A name use; as a procedure-name part (above) it is tried before the
   start of a qualified data name when OF or IN follows. */
name_use
        : TK_USER_DEFD_WORD             { $$ = V(OrvGramNameUseNode(N($1))); }
        ;

qualified_names
        : name_use                      [ $$ = 0; if (yytrial) break; $$ = V(OrvListExpr(OF_IN_LIST, N($1), nullptr)); ]
        | qualified_names of_in name_use
                                        [ $$ = 0; if (yytrial) break; $$ = V(OrvListExpr(OF_IN_LIST, N($1), N($3))); ]
        ;

qualified_name
        : qualified_names               { $$ = V(OrvNewNamedObjUse(N($1), SYMCAT_DATA_NAME, 0)); }
        ;

/* "(" after a qualified name is first tried as subscripts, then the name
   stands alone; "(" after a table element is first tried as reference
   modification, then the element stands alone. */
table_element
        : qualified_name SEP_LEFT_PAR subscript_mark subscripts SEP_RIGHT_PAR
                                        [ YYVALID_NESTED; $$ = V(OrvGramNode(TABLE_ELT, N($1), N($4))); ]
        | qualified_name                [ if (yytrial) { if ($1 != 0) { $1 = 0; YYVALID_NESTED; } break; } $$ = $1; ]
        | function_reference            { $$ = $1; }
        ;

identifier
        : table_element SEP_LEFT_PAR refmod_mark arith_expr SEP_COLON arith_expr_opt SEP_RIGHT_PAR
                                        [ YYVALID_NESTED; $$ = V(OrvGramNode(REFERENCE_MOD, N($1), N($4), N($6))); ]
        | table_element                 [ if (yytrial) { if ($1 != 0) { $1 = 0; YYVALID_NESTED; } break; } $$ = $1; ]
        ;

subscript_mark
        : /* empty */                   [ if (yytrial) $-1 = 1; ]
        ;

refmod_mark
        : /* empty */                   [ if (yytrial) $-1 = 1; ]
        ;

subscripts
        : subscript                     { $$ = V(OrvListExpr(SUBSCRIPT_LIST, N($1), nullptr)); }
        | subscripts subscript          { $$ = V(OrvListExpr(SUBSCRIPT_LIST, N($1), N($2))); }
        ;

subscript
        : integer                       { $$ = $1; }
        | qualified_name                { $$ = $1; }
        | qualified_name OP_PLUS integer
                                        { $$ = V(OrvGramNode(OP_ADD_IX, N($1), N($3))); }
        | qualified_name OP_MINUS integer
                                        { $$ = V(OrvGramNode(OP_SUB_IX, N($1), N($3))); }
        | RW_ALL                        { $$ = V(OrvGramNode(EX_INDEX_ALL)); }
        ;

/* Function references: the function name is read in function-name mode,
   with reserved-word and name lookup off. */
function_reference
        : RW_FUNCTION function_mode_on TK_FUNC_NAME_WITH_ARGS function_mode_off function_arguments
                                        { $$ = V(OrvGramNode(INTR_FUNCTION, N($3), N($5))); }
        | RW_FUNCTION function_mode_on TK_FUNC_NAME_NO_ARGS function_mode_off
                                        { $$ = V(OrvGramNode(INTR_FUNCTION, N($3), nullptr)); }
        | RW_FUNCTION function_mode_on TK_CHAR_STRING function_mode_off function_arguments
                                        { $$ = V(OrvGramNode(INTR_FUNCTION, N($3), N($5))); }
        ;

/* A function whose arguments may be left out (RANDOM, or a name the lexer
   does not know) without arguments: only in arithmetic expressions, where
   a "(" after its name is always its argument list. */
function_without_arguments
        : RW_FUNCTION function_mode_on TK_CHAR_STRING function_mode_off
                                        { $$ = V(OrvGramNode(INTR_FUNCTION, N($3), OrvGramNullNode())); }
        ;

function_mode_on
        : /* empty */                   [ OrvGramFunctionMode(1); ]
        ;

function_mode_off
        : /* empty */                   [ OrvGramFunctionMode(0); ]
        ;

function_arguments
        : SEP_LEFT_PAR function_argument_list SEP_RIGHT_PAR
                                        { $$ = V(OrvGramNode(OP_PARENS, N($2))); }
        ;

/* Arguments follow each other without separators; only the last one may
   end in a function without arguments, and a sign after an argument
   continues it. */
function_argument_list
        : function_arguments_closed     { $$ = $1; }
        | function_arguments_closed arith_expr_open
                                        { $$ = V(OrvListExpr(FUNC_ARG_LIST, N($1), N($2))); }
        | arith_expr_open               { $$ = V(OrvListExpr(FUNC_ARG_LIST, N($1), nullptr)); }
        ;

function_arguments_closed
        : arith_expr_closed %prec PRTY_LOW
                                        { $$ = V(OrvListExpr(FUNC_ARG_LIST, N($1), nullptr)); }
        | function_arguments_closed arith_expr_closed %prec PRTY_LOW
                                        { $$ = V(OrvListExpr(FUNC_ARG_LIST, N($1), N($2))); }
        ;

operand
        : identifier                    { $$ = $1; }
        | literal_or_all                { $$ = $1; }
        | RW_ADDRESS RW_OF identifier   { $$ = V(OrvGramNode(SR_ADDRESS_OF, N($3))); }
        | RW_LENGTH RW_OF identifier    { $$ = V(OrvGramNode(SR_LENGTH_OF, N($3))); }
        ;

identifiers
        : identifier                    { $$ = V(OrvListExpr(IDENT_LIST, N($1), nullptr)); }
        | identifiers identifier        { $$ = V(OrvListExpr(IDENT_LIST, N($1), N($2))); }
        ;

rounded_identifiers
        : rounded_identifier            { $$ = V(OrvListExpr(EX_LIST, N($1), nullptr)); }
        | rounded_identifiers rounded_identifier
                                        { $$ = V(OrvListExpr(EX_LIST, N($1), N($2))); }
        ;

rounded_identifier
        : identifier                    { $$ = $1; }
        | identifier RW_ROUNDED         { $$ = V(OrvGramNode(IDENT_ROUNDED, N($1))); }
        ;

literal_or_all
        : literal                       { $$ = $1; }
        | RW_ALL literal                { $$ = V(OrvGramNode(FIG_ALL, N($2))); }
        ;

literal
        : TK_INT_NUM_LIT                { $$ = $1; }
        | TK_REAL_NUM_LIT               { $$ = $1; }
        | zero_word                     { $$ = V(OrvGramNode(FIG_ZERO)); }
        | alphanumeric_items            { $$ = $1; }
        ;

alphanumeric_items
        : alphanumeric_item             { $$ = $1; }
        | alphanumeric_items SEP_AMPER alphanumeric_item
                                        { $$ = V(OrvListExpr(STR_CONCATENATE, N($1), N($3))); }
        ;

alphanumeric_item
        : TK_NONNUM_LIT                 { $$ = $1; }
        | RW_SPACE                      { $$ = V(OrvGramNode(FIG_SPACE)); }
        | RW_SPACES                     { $$ = V(OrvGramNode(FIG_SPACE)); }
        | RW_HIGH_VALUE                 { $$ = V(OrvGramNode(FIG_HIGH_VALUE)); }
        | RW_HIGH_VALUES                { $$ = V(OrvGramNode(FIG_HIGH_VALUE)); }
        | RW_LOW_VALUE                  { $$ = V(OrvGramNode(FIG_LOW_VALUE)); }
        | RW_LOW_VALUES                 { $$ = V(OrvGramNode(FIG_LOW_VALUE)); }
        | RW_QUOTE                      { $$ = V(OrvGramNode(FIG_QUOTE)); }
        | RW_QUOTES                     { $$ = V(OrvGramNode(FIG_QUOTE)); }
        | RW_NULL                       { $$ = V(OrvGramNode(FIG_NULL)); }
        | RW_NULLS                      { $$ = V(OrvGramNode(FIG_NULL)); }
        | constant_name_use             { $$ = $1; }
        | symbolic_char_use             { $$ = $1; }
        | symbolic_constant_use         { $$ = $1; }
        ;

integer
        : TK_INT_NUM_LIT                { $$ = $1; }
        | constant_name_use             { $$ = $1; }
        | zero_word                     { $$ = V(OrvGramNode(FIG_ZERO)); }
        ;

constant_name_use
        : UW_CONSTANT_NAME              { $$ = V(OrvGramNameUse(N($1), SYMCAT_CONSTANT_NAME, POSITION_OF($1))); }
        ;

zero_word
        : RW_ZERO
        | RW_ZEROS
        | RW_ZEROES
        ;

before_after
        : RW_BEFORE                     { $$ = V(OrvGramNode(EX_BEFORE)); }
        | RW_AFTER                      { $$ = V(OrvGramNode(EX_AFTER)); }
        ;

/* Optional and alternative words: no action, a null value; their tokens
   stay with the enclosing node. */
by_opt          : /* empty */ | RW_BY ;
characters_opt  : /* empty */ | RW_CHARACTERS ;
collating_opt   : /* empty */ | RW_COLLATING ;
into_opt        : /* empty */ | RW_INTO ;
is_opt          : /* empty */ | RW_IS ;
is_are_opt      : /* empty */ | RW_IS | RW_ARE ;
on_opt          : /* empty */ | RW_ON ;
program_opt     : /* empty */ | RW_PROGRAM ;
program_word_opt: /* empty */ | RW_PROGRAM ;
sign_opt        : /* empty */ | RW_SIGN ;
size_opt        : /* empty */ | RW_SIZE ;
status_opt      : /* empty */ | RW_STATUS ;
than_opt        : /* empty */ | RW_THAN ;
then_opt        : /* empty */ | RW_THEN ;
to_opt          : /* empty */ | RW_TO ;
with_opt        : /* empty */ | RW_WITH ;
dot_opt         : /* empty */ %prec PRTY_LOW | SEP_DOT ;
else_word       : RW_ELSE | RW_OTHERWISE ;
equal_word      : RW_EQUAL | OP_EQ ;
giving_word     : RW_GIVING | RW_RETURNING ;
of_in           : RW_OF | RW_IN ;
thru_word       : RW_THROUGH | RW_THRU ;

/* ===================================================================== */
/* Arithmetic expressions and conditions                                  */
/* ===================================================================== */

/* Arithmetic expressions: unary signs bind first, then **, then * and /,
   then + and -, all left to right.  A chain of one operator is one list
   node.  Each level comes in two kinds: "open" when it ends in a function
   without arguments, "closed" otherwise, so that a function argument list
   knows where such a function may stand. */
arith_expr
        : arith_expr_closed             { $$ = $1; }
        | arith_expr_open               { $$ = $1; }
        ;

arith_expr_opt
        : /* empty */                   { $$ = V(OrvGramNullNode()); }
        | arith_expr                    { $$ = $1; }
        ;

arith_expr_closed
        : arith_term_closed             { $$ = $1; }
        | arith_expr_closed OP_PLUS arith_term_closed
                                        { $$ = V(OrvListExpr(AR_ADD, N($1), N($3))); }
        | arith_expr_open OP_PLUS arith_term_closed
                                        { $$ = V(OrvListExpr(AR_ADD, N($1), N($3))); }
        | arith_expr_closed OP_MINUS arith_term_closed
                                        { $$ = V(OrvListExpr(AR_SUB, N($1), N($3))); }
        | arith_expr_open OP_MINUS arith_term_closed
                                        { $$ = V(OrvListExpr(AR_SUB, N($1), N($3))); }
        ;

arith_expr_open
        : arith_term_open               { $$ = $1; }
        | arith_expr_closed OP_PLUS arith_term_open
                                        { $$ = V(OrvListExpr(AR_ADD, N($1), N($3))); }
        | arith_expr_open OP_PLUS arith_term_open
                                        { $$ = V(OrvListExpr(AR_ADD, N($1), N($3))); }
        | arith_expr_closed OP_MINUS arith_term_open
                                        { $$ = V(OrvListExpr(AR_SUB, N($1), N($3))); }
        | arith_expr_open OP_MINUS arith_term_open
                                        { $$ = V(OrvListExpr(AR_SUB, N($1), N($3))); }
        ;

arith_term
        : arith_term_closed             { $$ = $1; }
        | arith_term_open               { $$ = $1; }
        ;

arith_term_closed
        : arith_power_closed            { $$ = $1; }
        | arith_term OP_MUL arith_power_closed
                                        { $$ = V(OrvListExpr(AR_MUL, N($1), N($3))); }
        | arith_term OP_DIV arith_power_closed
                                        { $$ = V(OrvListExpr(AR_DIV, N($1), N($3))); }
        ;

arith_term_open
        : arith_power_open              { $$ = $1; }
        | arith_term OP_MUL arith_power_open
                                        { $$ = V(OrvListExpr(AR_MUL, N($1), N($3))); }
        | arith_term OP_DIV arith_power_open
                                        { $$ = V(OrvListExpr(AR_DIV, N($1), N($3))); }
        ;

arith_power
        : arith_power_closed            { $$ = $1; }
        | arith_power_open              { $$ = $1; }
        ;

arith_power_closed
        : arith_unary_closed            { $$ = $1; }
        | arith_power OP_EXP arith_unary_closed
                                        { $$ = V(OrvListExpr(AR_EXP, N($1), N($3))); }
        ;

arith_power_open
        : arith_unary_open              { $$ = $1; }
        | arith_power OP_EXP arith_unary_open
                                        { $$ = V(OrvListExpr(AR_EXP, N($1), N($3))); }
        ;

arith_unary_closed
        : arith_primary_closed          { $$ = $1; }
        | OP_PLUS arith_unary_closed    { $$ = V(OrvGramNode(AR_UN_PLUS, N($2))); }
        | OP_MINUS arith_unary_closed   { $$ = V(OrvGramNode(AR_UN_MINUS, N($2))); }
        ;

arith_unary_open
        : function_without_arguments    { $$ = $1; }
        | OP_PLUS arith_unary_open      { $$ = V(OrvGramNode(AR_UN_PLUS, N($2))); }
        | OP_MINUS arith_unary_open     { $$ = V(OrvGramNode(AR_UN_MINUS, N($2))); }
        ;

arith_primary_closed
        : operand                       { $$ = $1; }
        | SEP_LEFT_PAR arith_expr SEP_RIGHT_PAR
                                        { $$ = V(OrvGramNode(OP_PARENS, N($2))); }
        ;

/* Conditions: NOT binds first, then AND, then OR, left to right.  An
   arithmetic expression is itself a condition (a condition-name, or the
   object of an abbreviated relation).  A parenthesis holds a condition
   only when its content is not a plain arithmetic expression, so that
   "( X )" is one tree whether it is read as expression or condition. */
condition
        : condition_and                 { $$ = $1; }
        | condition RW_OR condition_and { $$ = V(OrvListExpr(LOG_OR, N($1), N($3))); }
        ;

condition_and
        : condition_not                 { $$ = $1; }
        | condition_and RW_AND condition_not
                                        { $$ = V(OrvListExpr(LOG_AND, N($1), N($3))); }
        ;

condition_not
        : condition_simple              { $$ = $1; }
        | RW_NOT condition_not          { $$ = V(OrvGramNode(LOG_NOT, N($2))); }
        ;

condition_simple
        : arith_expr                    { $$ = $1; }
        | condition_proper              { $$ = $1; }
        ;

/* The same three levels for a condition that is not a plain expression,
   as the content of a parenthesis. */
condition_in_parens
        : condition_in_parens_and       { $$ = $1; }
        | condition RW_OR condition_and { $$ = V(OrvListExpr(LOG_OR, N($1), N($3))); }
        ;

condition_in_parens_and
        : condition_in_parens_not       { $$ = $1; }
        | condition_and RW_AND condition_not
                                        { $$ = V(OrvListExpr(LOG_AND, N($1), N($3))); }
        ;

condition_in_parens_not
        : condition_proper              { $$ = $1; }
        | RW_NOT condition_not          { $$ = V(OrvGramNode(LOG_NOT, N($2))); }
        ;

condition_proper
        : arith_expr is_opt relational_operator arith_expr
                                        { $$ = V(OrvGramRelation($3, N($1), N($4))); }
        | arith_expr is_opt relational_operator SEP_LEFT_PAR condition_in_parens SEP_RIGHT_PAR
                                        { $$ = V(OrvGramRelation($3, N($1), OrvGramNode(OP_PARENS, N($5)))); }
        | arith_expr relation_word arith_expr
                                        { $$ = V(OrvGramRelation($2, N($1), N($3))); }
        | arith_expr is_opt RW_UNEQUAL to_opt arith_expr
                                        { $$ = V(OrvGramRelation(CMP_NOT_EQ, N($1), N($5))); }
        | arith_expr is_opt OP_NE arith_expr
                                        { $$ = V(OrvGramRelation(CMP_NOT_EQ, N($1), N($4))); }
        | arith_expr is_opt class_or_sign
                                        { $$ = V(OrvGramNode($3, N($1))); }
        | arith_expr is_opt RW_NOT class_or_sign
                                        { $$ = V(OrvGramNode(OrvGramNegated($4), N($1))); }
        | arith_expr is_opt class_name_use
                                        { $$ = V(OrvGramNode(CMP_IS_CLASS, N($1), N($3))); }
        | arith_expr is_opt RW_NOT class_name_use
                                        { $$ = V(OrvGramNode(CMP_IS_NOT_CLASS, N($1), N($4))); }
        | relational_operator_simple arith_expr
                                        { $$ = V(OrvGramRelation($1, OrvGramNullNode(), N($2))); }
        | RW_IS relational_operator arith_expr
                                        { $$ = V(OrvGramRelation($2, OrvGramNullNode(), N($3))); }
        | SEP_LEFT_PAR condition_in_parens SEP_RIGHT_PAR
                                        { $$ = V(OrvGramNode(OP_PARENS, N($2))); }
        ;

/* Operators, classes and signs have an operation code as value. */
relational_operator
        : relational_operator_simple    { $$ = $1; }
        | RW_NOT relational_operator_simple
                                        { $$ = OrvGramNegated($2); }
        ;

relational_operator_simple
        : RW_GREATER than_opt           { $$ = CMP_GT; }
        | OP_GT than_opt                { $$ = CMP_GT; }
        | RW_GREATER than_opt RW_OR RW_EQUAL to_opt
                                        { $$ = CMP_GE; }
        | OP_GE than_opt                { $$ = CMP_GE; }
        | OP_GT RW_OR OP_EQ             { $$ = CMP_GE; }
        | RW_LESS than_opt              { $$ = CMP_LT; }
        | OP_LT than_opt                { $$ = CMP_LT; }
        | RW_LESS than_opt RW_OR RW_EQUAL to_opt
                                        { $$ = CMP_LE; }
        | OP_LE than_opt                { $$ = CMP_LE; }
        | OP_LT RW_OR OP_EQ             { $$ = CMP_LE; }
        | RW_EQUAL to_opt               { $$ = CMP_EQ; }
        | OP_EQ to_opt                  { $$ = CMP_EQ; }
        ;

relation_word
        : RW_EXCEEDS                    { $$ = CMP_GT; }
        | RW_EQUALS                     { $$ = CMP_EQ; }
        ;

class_or_sign
        : RW_NUMERIC                    { $$ = CMP_NUM; }
        | RW_ALPHABETIC                 { $$ = CMP_ALPH; }
        | RW_ALPHABETIC_LOWER           { $$ = CMP_ALPH_LOWER; }
        | RW_ALPHABETIC_UPPER           { $$ = CMP_ALPH_UPPER; }
        | RW_POSITIVE                   { $$ = CMP_POS; }
        | RW_NEGATIVE                   { $$ = CMP_NEG; }
        | RW_ZERO                       { $$ = CMP_ZER; }
        ;

%%
