/* The COBOL grammar: the rules of a compilation unit and the semantic
   actions that build its syntax tree.  This header states the layout of
   the file and the conventions every rule follows.

   Layout.  One banner (a box of "=" rules) per area of the language, in
   this order: the compilation unit with the IDENTIFICATION and ENVIRONMENT
   DIVISIONs, the INPUT-OUTPUT SECTION, the DATA DIVISION, data description
   entries, the REPORT SECTION, the SCREEN SECTION, the PROCEDURE DIVISION
   structure, statements, conditional phrases, scope terminators, the
   operand lists and optional words of the statements, operands, and
   arithmetic expressions and conditions.  Under the statements banner each
   statement of first_statement has a section of its own, in the order of
   first_statement: a banner (framed by "-" rules) giving the syntax its
   rules accept (upper case words are keywords, [ ] optional, { | } a
   choice, ... a repetition), then the statement's rule, its *_start rules
   (the early node of the statement) and the phrases only it uses.  A phrase
   that several statements use stays in the section of the first of them in
   first_statement order; the conditional phrases shared by several verbs
   (SIZE ERROR, EXCEPTION, INVALID KEY, AT END, END-OF-PAGE, OVERFLOW),
   every END-x terminator and the operand lists and optional words keep
   their own sections.  The order of the rules is also the order in which
   trial parsing tries two reductions of one conflict cell (the earlier rule
   first), so the procedure-name part stands before the start of a qualified
   data name; a move that changes a trial changes OrvGrammar.conflicts and
   fails the build.

   A new statement gets its section after the last statement's, its
   alternative in first_statement before copy_marker, its verb in the %right
   line below, a %type line for its symbols in the group of its section, its
   phrases in its section (an END-x in the scope terminators, a NOT phrase
   beside its positive twin), and a source with its golden for the tree-dump
   harness; OrvGrammarAudit_test checks the section.

   Embedded SQL.  Three banners after the conditions: "Embedded SQL
   statements" (the statement between EXEC SQL and END-EXEC, one section
   with its syntax per statement or group of statements, and the clauses
   they share), "Embedded SQL query expressions and clauses" and "Embedded
   SQL expressions, conditions, functions and host variables".  Their
   helpers are OrvGramSql (host-variable names and WHENEVER labels, looked
   up in upper case; rows of VALUES; VALUE as a column name; function calls
   by any name).  Beside the standard SQL the grammar takes three forms of
   IBM's: SET :host-variable = value-expression [, ...] (the statement is
   the SQL_SET_ASSIGN_LIST), a call identifier ( [expression-list] ) of a
   function whose name is no SQL word (INTR_FUNCTION), and VALUE as the
   name of a column.  The rule of EXEC SQL commits every trial its
   statement opened, so that no trial runs on past END-EXEC.

   EXEC CICS.  A banner of its own after the SQL ones: it
   holds the statement of a block, its commands, options and arguments,
   with the helpers of OrvGramCics.  A CICS block takes all its options in
   any order (the CICS collector places them by the option table and
   reports the rest); ASSIGN, HANDLE and IGNORE take no options; a syntax
   error anywhere in a block makes the block one error node (no error rule
   below the statement, and that rule turns reserved-word and name lookup
   back on); a user-defined word where a command word or an option keyword
   stands makes the rest of the block text (an EX_EXEC_TOKEN_LIST, read
   with both lookups off, ended by END-EXEC or a separator period).

   Values.  A symbol's value is one member of the %union below, one word of
   the parse engine's value stack: <node> a node or null, <code> an
   operation code (at most 1400, which the engine tells from a node by its
   value; error recovery deletes the nodes it pops) or a trial mark.  Every
   token is spliced in as <node>; every nonterminal with a value has a %type
   (the groups below follow the sections); $0 and $-k, which reach below the
   rule, name their member, $<node>0, and so does a trial mark, $<code>-1.
   byacc refuses a $k of a symbol without a type, and a <code> passed where
   a node is wanted (or the reverse) does not compile.

   Actions.  Every action is one line that calls named helpers (the OrvGram*
   functions, one source file per area, each tested on its own) through the
   macros that OrvGrammar.cpp defines: PARSER is the running parser;
   POSITION_STEP(node) moves the tokens of the rule onto the node before the
   action hands it on (and returns the node); POSITION_OF($k) is the token
   list of symbol k; PASS_UP($k) hands the node and tokens of symbol k up
   unchanged; HAND_CLAUSE(collector, slot, node) and
   HAND_LIST_ITEM(collector, slot, list, node) run the position step and
   give the node to a collector.  A slot is always named by its constant of
   OrvOperSlots.h (DECL_DD_ENTRY__PICTURE), never by a number.  A helper
   that takes or clears a stack entry is passed &$k (the entry's node).
   There is no implicit $$ = $1: a rule that passes a value on writes it.  An
   optional phrase that is absent gives a NULL_NODE from its own empty rule.
   An empty rule that takes over nodes of the entries below it ($0, $-k)
   clears those entries (its helper's contract says so), since error
   recovery pops entries from the top and must not meet them after it
   deleted their holder.

   Trial parsing.  { } code is skipped while a trial parse runs; [ ] code
   runs in trials too.  [ ] code is used only by the rules that steer trial
   parsing (commits, the marks of subscripts and reference modification, the
   clearing of qualified-name values) and by the rules that switch the lexer
   or the token supply, whose switches must hold while the tokens after them
   are read; their building part follows "if (yytrial) break;".
   OrvGrammarAudit_test lists them.

   Conflicts.  The cells of OrvGrammar.conflicts are the only ones left to
   trial parsing; no precedence is declared on their tokens.  Every other
   choice is made here: a phrase, terminator, statement, COPY marker or
   error that could close an inner construct or continue it goes to the
   innermost one (the empty or closing rule gets %prec PRTY_LOW, and the
   token that continues the inner construct is listed in the %right line
   below; a new statement verb joins it).  The signs + and - after a
   function argument continue that argument. */

%union {
  OrvExpr* node;       /* a node, or null */
  std::intptr_t code;  /* an operation code of at most 1400, or a trial mark */
}
%token_codes <node>
%expect 35
%expect-rr 2

%nonassoc PRTY_LOW
%right RW_ELSE RW_OTHERWISE RW_END_IF RW_END_PERFORM
       SEP_INLINED_COPY SEP_UNINLINED_COPY error
       RW_ADD RW_ALTER RW_CALL RW_CANCEL RW_CHAIN RW_CLOSE RW_COMPUTE RW_CONTINUE RW_DELETE RW_DIVIDE
       RW_ENTRY RW_EVALUATE RW_EXIT RW_EXIT_PERFORM RW_GO RW_GOBACK RW_IF RW_INITIALIZE RW_INVOKE
       RW_MOVE RW_MULTIPLY RW_NEXT_SENTENCE RW_OPEN RW_PERFORM RW_READ RW_RELEASE RW_RETURN RW_REWRITE
       RW_SEARCH RW_SET RW_START RW_STOP RW_STRING RW_SUBTRACT RW_UNDELETE RW_UNLOCK RW_UNSTRING RW_WRITE
       RW_END_ADD RW_END_CALL RW_END_CHAIN RW_END_COMPUTE RW_END_DELETE RW_END_DIVIDE RW_END_EVALUATE
       RW_END_INVOKE RW_END_MULTIPLY RW_END_READ RW_END_RETURN RW_END_REWRITE RW_END_SEARCH RW_END_START
       RW_END_STRING RW_END_SUBTRACT RW_END_UNSTRING RW_END_WRITE RW_WHEN RW_INVALID
       RW_ACCEPT RW_DISPLAY RW_EXAMINE RW_INSPECT RW_TRANSFORM RW_SORT RW_MERGE RW_RECEIVE RW_SEND
       RW_ENABLE RW_DISABLE RW_PURGE RW_GENERATE RW_INITIATE RW_TERMINATE RW_SUPPRESS RW_USE
       RW_NOTE RW_ENTER RW_EXHIBIT RW_ON RW_READY RW_RESET RW_SERVICE RW_COMMIT RW_ROLLBACK RW_EXEC
       RW_END_ACCEPT RW_END_DISPLAY RW_END_RECEIVE RW_WITH_DATA RW_NO RW_ERASE
       CTK_MAP CTK_SET
%left OP_PLUS OP_MINUS
/* Words that continue the construct before them rather than start the
   next one: LINES after a LINAGE value, ALTERNATE after RESERVE n, and a
   literal after LINE or COLUMN of a screen entry. */
%right RW_LINES RW_ALTERNATE TK_INT_NUM_LIT TK_REAL_NUM_LIT TK_NONNUM_LIT RW_ZERO RW_ZEROS RW_ZEROES


/* Compilation unit */
%type <node> first_program program program_start end_program_name
/* IDENTIFICATION DIVISION */
%type <node> id_division_first id_division id_header_opt id_header program_id_opt program_id
%type <node> program_name program_attribute_opt
/* ENVIRONMENT DIVISION and CONFIGURATION SECTION */
%type <node> env_division env_header_opt env_header header_markers configuration_section
%type <node> config_header_opt config_header config_start
%type <node> source_computer computer_name_markers debugging_mode_opt object_computer
%type <node> object_computer_clauses
%type <node> object_computer_clause memory_unit_opt special_names special_names_start
%type <node> special_names_end switch_start switch_is_opt switch_name device_name device_clause_name
%type <node> device_target
%type <node> alphabet_definition alphabet_ranges alphabet_range alphabet_also_list
%type <node> symbolic_char_defs symbolic_char_values symbolic_chars_in_opt symbolic_constant_defs
%type <node> symbolic_constant_def mnemonic_name_def condition_name_def alphabet_name_def
%type <node> symbolic_char_def class_name_def symbolic_constant_name mnemonic_name_use
%type <node> alphabet_name_use symbolic_char_use symbolic_constant_use class_name_use repository
%type <node> repository_specifiers repository_specifier as_literal_opt
/* INPUT-OUTPUT SECTION */
%type <node> input_output_section io_header_opt file_control_paragraph file_control_header_opt
%type <node> file_control_header
%type <node> file_control_entries_opt file_control_entries file_control_entry select_start
%type <node> optional_phrase_opt assign_clause assign_target assign_modifier file_device unit_device
%type <node> assign_names_opt assign_names assign_name organization_clause organization_kind
%type <node> access_mode second_status_opt record_key record_key_components record_key_use split_key_name
%type <node> split_key_components split_key_names split_key_occurs_opt alternate_key_clause
%type <node> alternate_key_start ascending_descending lock_descriptor lock_mode lock_with_opt
%type <node> record_delimiter reserve_count io_control_paragraph io_control_start
%type <node> io_control_clauses_opt io_control_clauses io_control_clause rerun_on_opt
%type <node> rerun_condition reel_unit same_area_kind file_positions file_position position_opt
%type <node> apply_kind file_name_uses file_name_use
/* DATA DIVISION */
%type <node> data_division data_header_opt schema_section file_section file_section_header_opt
%type <node> file_section_items_opt file_section_items file_section_item file_description_entry
%type <node> file_level file_name_def file_description_start integer_range varying_from_opt
%type <node> varying_to_opt varying_depending_opt block_unit_opt recording_mode linage_start
%type <node> code_set_for_opt data_name_uses data_name_use label_records value_of_items
%type <node> value_of_item working_storage_section local_storage_section linkage_section
%type <node> communication_section communication_start cd_entries cd_entry cd_entry_start
%type <node> cd_name_def cd_initial_opt cd_io_type cd_description cd_clauses cd_clause cd_queue
%type <node> cd_data_names cd_data_name
/* Data description entries */
%type <node> record_entries data_entry_start level_number entry_copy_opt data_name_opt
%type <node> entry_name_def subject_name renames_thru_opt picture_string usage occurs_clause
%type <node> occurs_range_opt occurs_depending_opt occurs_keys_opt occurs_keys occurs_key key_names
%type <node> indexed_by_opt index_name_defs index_name_def sign_clause leading_trailing separate_opt
%type <node> sync_side_opt value_clause value_ranges value_range value_expr value_term
%type <node> when_false_opt
/* REPORT SECTION */
%type <node> report_section report_section_start report_descriptions report_description
%type <node> report_description_entry report_name_def report_description_start report_controls
%type <node> report_control page_phrases page_phrase report_group_name_opt report_group_start
%type <node> report_position report_group_type sum_upon_opt sum_reset_opt report_names
%type <node> report_name_use
/* SCREEN SECTION */
%type <node> screen_section screen_name_opt screen_entry_start screen_attribute erase_extent_opt
%type <node> screen_input_attribute screen_blank screen_sign_opt screen_operand_opt screen_literal
/* PROCEDURE DIVISION structure */
%type <node> proc_division proc_division_start call_convention_opt with_linkage_opt proc_using_opt
%type <node> proc_params proc_param passing_mode_opt giving_opt copy_item copy_marker
%type <node> declaratives_opt declaratives_start end_declaratives section_name paragraph_name
%type <node> procedure_header_name segment_number_opt procedure_range procedure_name
%type <node> procedure_name_part procedure_names_opt procedure_names statements statements_opt
/* Statements */
%type <node> statement first_statement
/* ADD */
%type <node> add_statement add_start add_format add_operands
/* ALTER */
%type <node> alter_statement alter_items alter_item
/* CALL */
%type <node> call_statement call_start call_program_opt call_using_opt call_params call_param
%type <node> call_param_size_opt
/* CANCEL */
%type <node> cancel_statement
/* CHAIN */
%type <node> chain_statement chain_start
/* CLOSE */
%type <node> close_statement close_items close_item close_device_opt close_disposition_opt
/* COMPUTE */
%type <node> compute_statement compute_start
/* CONTINUE */
%type <node> continue_statement
/* DELETE */
%type <node> delete_statement delete_start unused_slot
/* DIVIDE */
%type <node> divide_statement divide_start divide_format remainder_opt
/* ENTRY */
%type <node> entry_statement
/* EVALUATE */
%type <node> evaluate_statement evaluate_start evaluate_subjects evaluate_subject when_blocks
%type <node> when_block when_phrases when_phrase when_objects when_object when_not_low when_other_opt
%type <node> when_other_start
/* EXIT */
%type <node> exit_statement exit_giving_opt exit_argument exit_size_opt cycle_opt
/* GOBACK */
%type <node> goback_statement
/* GO */
%type <node> goto_statement depending_opt
/* IF */
%type <node> if_statement if_start else_opt else_start
/* INITIALIZE */
%type <node> initialize_statement initialize_replacing_opt initialize_replacings
%type <node> initialize_replacing replacing_category
/* INVOKE */
%type <node> invoke_statement
/* MOVE */
%type <node> move_statement
/* MULTIPLY */
%type <node> multiply_statement multiply_start multiply_format
/* NEXT */
%type <node> next_sentence_statement
/* OPEN */
%type <node> open_statement open_clauses open_clause open_lock_opt open_mode open_files open_file
%type <node> open_file_option_opt
/* PERFORM */
%type <node> perform_statement perform_block_start perform_repeat_opt perform_test_opt
%type <node> perform_variations perform_variation
/* READ */
%type <node> read_statement read_start read_direction_opt read_into_opt read_lock_opt read_lock
%type <node> read_key_opt
/* RELEASE */
%type <node> release_statement release_from_opt
/* RETURN */
%type <node> return_statement return_start
/* REWRITE */
%type <node> rewrite_statement rewrite_start write_from_opt
/* SEARCH */
%type <node> search_statement search_start search_all_start search_varying_opt search_at_end_opt
%type <node> search_at_end_start search_whens search_when search_when_start
/* SET */
%type <node> set_statement set_clauses set_clause set_value set_up_down
/* START */
%type <node> start_statement start_start start_key_opt start_key_word first_last start_with_opt
/* STOP */
%type <node> stop_statement stop_run_opt stop_literal_opt
/* STRING */
%type <node> string_statement string_start string_sendings string_sending string_delimiter
%type <node> pointer_opt
/* SUBTRACT */
%type <node> subtract_statement subtract_start subtract_format
/* UNLOCK */
%type <node> unlock_statement
/* UNSTRING */
%type <node> unstring_statement unstring_start unstring_delimited_opt unstring_delimiters
%type <node> unstring_delimiter unstring_intos unstring_into unstring_delimiter_in_opt
%type <node> unstring_count_in_opt unstring_tallying_opt
/* WRITE */
%type <node> write_statement write_start write_advancing_opt lines_or_page
/* ACCEPT */
%type <node> accept_statement accept_start accept_items accept_item accept_item_start
%type <node> screen_item_phrase screen_position_opt screen_coordinate accept_source date_format_opt
%type <node> day_format_opt device_or_mnemonic on_accept_exception_opt on_accept_exception_start
%type <node> not_on_accept_exception_opt not_on_accept_exception_start cd_name_use
/* DISPLAY */
%type <node> display_statement display_start display_items display_item display_value
%type <node> display_item_start on_display_exception_opt on_display_exception_start
%type <node> not_on_display_exception_opt not_on_display_exception_start
/* EXAMINE */
%type <node> examine_statement examine_phrase examine_mode examine_replacing_opt
/* INSPECT */
%type <node> inspect_statement inspect_tallying_opt tally_clauses tally_clause tally_phrases
%type <node> tally_phrase all_leading tally_units tally_unit inspect_replacing_opt replace_phrases
%type <node> replace_phrase all_leading_first replace_units replace_unit before_after_initials_opt
%type <node> before_after_initials before_after_initial
/* TRANSFORM */
%type <node> transform_statement
/* SORT */
%type <node> sort_statement sort_keys_opt sort_keys sort_key sort_key_names sort_duplicates_opt
%type <node> collating_sequence_opt sort_input_opt sort_using sort_output_opt
/* MERGE */
%type <node> merge_statement
/* RECEIVE */
%type <node> receive_statement receive_start receive_kind no_data_opt no_data_start with_data_opt
%type <node> with_data_start
/* SEND */
%type <node> send_statement send_with_opt send_replacing_opt
/* ENABLE/DISABLE */
%type <node> enable_disable_statement able_type
/* PURGE */
%type <node> purge_statement
/* GENERATE */
%type <node> report_writer_statement
/* USE */
%type <node> use_statement global_opt use_event beginning_ending label_kind use_files use_giving_opt
%type <node> debug_targets debug_target
/* NOTE */
%type <node> note_statement
/* ENTER */
%type <node> enter_statement
/* EXHIBIT */
%type <node> exhibit_statement exhibit_changed_opt exhibit_named_opt
/* ON */
%type <node> on_statement on_every_opt on_until_opt on_else_opt
/* READY */
%type <node> trace_statement
/* SERVICE */
%type <node> service_reload_statement
/* COMMIT */
%type <node> transaction_statement
/* EXEC */
%type <node> exec_statement
/* Conditional phrases */
%type <node> on_size_error_opt size_error_start not_on_size_error_opt not_size_error_start
%type <node> on_call_exception_opt call_exception_start not_on_call_exception_opt
%type <node> not_call_exception_start invalid_key_opt invalid_key_start not_invalid_key_opt
%type <node> not_invalid_key_start at_end_opt at_end_start not_at_end_opt not_at_end_start
%type <node> end_of_page_opt end_of_page_start not_end_of_page_opt not_end_of_page_start
%type <node> on_overflow_opt overflow_start not_on_overflow_opt not_overflow_start
/* Scope terminators */
%type <node> end_accept_opt end_add_opt end_call_opt end_chain_opt end_compute_opt end_delete_opt
%type <node> end_display_opt end_divide_opt end_evaluate_opt end_if_opt end_multiply_opt
%type <node> end_perform_opt end_read_opt end_receive_opt end_return_opt end_rewrite_opt
%type <node> end_search_opt end_start_opt end_string_opt end_subtract_opt end_unstring_opt
%type <node> end_write_opt
/* Operand lists and optional words of the statements */
%type <node> operands identifier_or_literal
/* Operands: identifiers, literals and optional words */
%type <node> name_use qualified_names qualified_name table_element identifier subscripts subscript
%type <node> function_reference function_without_arguments function_arguments function_argument_list
%type <node> function_name_with_args function_name_no_args function_name_word
%type <node> function_arguments_closed operand identifiers identifier_opt rounded_identifiers
%type <node> rounded_identifier literal_opt literal_or_all literal alphanumeric_items
%type <node> alphanumeric_item integer constant_name_use before_after
/* Arithmetic expressions and conditions */
%type <node> arith_expr arith_expr_opt arith_expr_closed arith_expr_open arith_term
%type <node> arith_term_closed arith_term_open arith_power arith_power_closed arith_power_open
%type <node> arith_unary_closed arith_unary_open arith_primary_closed condition condition_and
%type <node> condition_not condition_simple condition_in_parens condition_in_parens_and
%type <node> condition_in_parens_not condition_proper
%type <code> relational_operator relational_operator_simple relation_word class_or_sign
/* Embedded SQL statements */
%type <node> sql_statement sql_declare_section_statement sql_whenever_statement sql_whenever_condition
%type <node> sql_whenever_action sql_label sql_declare_table_statement sql_column_defs sql_column_def
%type <node> sql_data_type sql_column_constraint_opt sql_connection_statement sql_server
%type <node> sql_connect_as_opt sql_connect_user_opt sql_name sql_set_statement sql_set_name
%type <node> sql_concurrency sql_scroll_option sql_isolation sql_set_descriptor_items
%type <node> sql_set_descriptor_assigns sql_set_descriptor_assign sql_host_assigns sql_host_assign
%type <node> sql_transaction_statement sql_select_statement sql_quantifier sql_select_list
%type <node> sql_select_items sql_select_item sql_from_opt sql_from sql_table_items sql_table_item
%type <node> sql_range_var_opt sql_where_opt sql_group_by_opt sql_having_opt sql_column_list
%type <node> sql_insert_statement sql_insert_source sql_insert_columns_opt sql_delete_statement
%type <node> sql_delete_target sql_update_statement sql_update_target sql_update_assigns
%type <node> sql_update_assign sql_declare_cursor_statement sql_insensitive_opt sql_scroll_opt
%type <node> sql_with_hold_opt sql_with_return_opt sql_cursor_body sql_order_by_opt sql_order_items
%type <node> sql_order_item sql_direction_opt sql_for_opt sql_update_of_opt sql_optimize_opt
%type <node> sql_cursor_statement sql_fetch_orientation_opt sql_into_opt sql_using_opt sql_cursor_ref
%type <node> sql_dynamic_statement sql_prepared_ref sql_descriptor_ref sql_get_descriptor_items
%type <node> sql_get_descriptor_assigns sql_get_descriptor_assign
/* Embedded SQL query expressions and clauses */
%type <node> sql_table_ref sql_column_ref sql_column_name sql_query sql_set_expr sql_set_right
%type <node> sql_intersect_term sql_intersect_left sql_intersect_right sql_all_opt
%type <node> sql_corresponding_opt sql_simple_table sql_rows sql_row sql_joined_table
%type <node> sql_table_primary sql_natural_opt sql_join_type sql_join_spec_opt
/* Embedded SQL expressions, conditions, functions and host variables */
%type <node> sql_value_expr sql_term sql_factor sql_primary sql_expr_list sql_host_var
%type <node> sql_host_var_names sql_host_var_name sql_ind_host_var sql_host_var_list sql_row_value
%type <node> sql_scalar_function sql_when_list sql_when_item sql_trim_spec sql_niladic_function
%type <node> sql_aggregate_function sql_search_condition sql_conjunction sql_negation sql_predicate
%type <code> sql_comparison_operator
/* EXEC CICS */
%type <node> exec_cics_statement cics_statement cics_placeholder cics_assign_statement
%type <node> cics_assignments_opt cics_assignments cics_assignment cics_handler_statement
%type <node> cics_handlers_opt cics_handlers cics_handler cics_condition_name cics_command cics_head
%type <node> cics_map_option cics_set_option cics_option cics_data_area cics_numeric_value cics_name
%type <node> cics_pointer cics_text
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
                                        { $$ = OrvGramProgram($1, $2, $3, $4, $5); }
        ;

program
        : program_start id_division env_division data_division proc_division
                                        { $$ = OrvGramProgram($1, $2, $3, $4, $5); }
        ;

program_start
        : /* empty */                   { $$ = PARSER.StartProgram(); }
        ;

end_program
        : RW_END_PROGRAM end_program_name SEP_DOT
                                        { OrvGramEndProgram(POSITION_STEP(OrvGramEndProgramHeader($2))); }
        ;

end_program_name
        : TK_USER_DEFD_WORD             { $$ = OrvGramNameUse($1, SYMCAT_PROGRAM_NAME, POSITION_OF($1)); }
        | TK_NONNUM_LIT                 { $$ = OrvGramNameUse(OrvGramLiteralProgramName(&$1), SYMCAT_PROGRAM_NAME, POSITION_OF($1)); }
        ;

/* ===================================================================== */
/* IDENTIFICATION DIVISION                                                */
/* ===================================================================== */

/* In the first program the header and PROGRAM-ID may be left out. */
id_division_first
        : id_header_opt program_id_opt  { $$ = OrvGramIdDivision($1, $2); }
        ;

id_division
        : id_header program_id          { $$ = OrvGramIdDivision($1, $2); }
        ;

id_header_opt
        : /* empty */                   { $$ = OrvGramMissingIdHeader(); }
        | id_header                     { $$ = $1; }
        ;

id_header
        : RW_ID_DIVISION SEP_DOT        { $$ = OrvGramNode(DIVISION_IDENTIFICATION_HEADER); }
        ;

program_id_opt
        : /* empty */                   { $$ = OrvGramMissingProgramId(); }
        | program_id                    { $$ = $1; }
        ;

/* The name is read with reserved-word lookup off. */
program_id
        : RW_PROGRAM_ID reserved_lookup_off dot_opt program_name reserved_lookup_on
          is_opt program_attribute_opt program_word_opt dot_opt
                                        { $$ = OrvGramProgramId($4, $7); }
        ;

program_name
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_PROGRAM_NAME); }
        | TK_NONNUM_LIT                 { $$ = OrvGramDefine(OrvGramLiteralName(&$1), SYMCAT_PROGRAM_NAME); }
        ;

program_attribute_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_COMMON                     { $$ = OrvGramNode(EX_PROG_COMMON); }
        | RW_INITIAL                    { $$ = OrvGramNode(EX_PROG_INITIAL); }
        | RW_COMMON RW_INITIAL          { $$ = OrvGramNode(EX_PROG_COMMON_INITIAL); }
        | RW_INITIAL RW_COMMON          { $$ = OrvGramNode(EX_PROG_COMMON_INITIAL); }
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
                                        { $$ = OrvGramEnvDivision(&$1, &$2, &$3); }
        ;

/* COPY markers in front of an optional header: one list, which the header
   after it joins (an EX_LIST of the markers and the header).  When no
   header follows, the list is passed on and the configuration section's
   start places its markers: in front of its own header, or first among its
   paragraphs. */
env_header_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | env_header                    { $$ = $1; }
        | header_markers env_header     { $$ = OrvGramMarkedHeader($1, $2); }
        | header_markers %prec PRTY_LOW { $$ = $1; }
        ;

env_header
        : RW_ENVIRONMENT_DIVISION SEP_DOT
                                        { $$ = OrvGramNode(DIVISION_ENVIRONMENT_HEADER); }
        ;

header_markers
        : copy_marker                   { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | header_markers copy_marker    { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

configuration_section
        : config_header_opt config_start config_paragraphs %prec PRTY_LOW
                                        { $$ = OrvGramFinishConfiguration(&$2); }
        ;

config_header_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | config_header                 { $$ = $1; }
        | header_markers config_header  { $$ = OrvGramMarkedHeader($1, $2); }
        | header_markers %prec PRTY_LOW { $$ = $1; }
        ;

config_header
        : RW_CONFIGURATION RW_SECTION SEP_DOT
                                        { $$ = OrvGramNode(SECTION_CONFIGURATION_HEADER); }
        ;

config_start
        : /* empty */                   { $$ = OrvGramStartConfiguration(&$<node>-1, &$<node>0); }
        ;

config_paragraphs
        : /* empty */
        | config_paragraphs config_paragraph
        ;

config_paragraph
        : source_computer               { HAND_CLAUSE(OrvConfigurationCollector, SECTION_CONFIGURATION__SOURCE_COMPUTER, $1); }
        | object_computer               { HAND_CLAUSE(OrvConfigurationCollector, SECTION_CONFIGURATION__OBJECT_COMPUTER, $1); }
        | special_names                 { HAND_CLAUSE(OrvConfigurationCollector, SECTION_CONFIGURATION__SPECIAL_NAMES, $1); }
        | repository                    { HAND_CLAUSE(OrvConfigurationCollector, SECTION_CONFIGURATION__REPOSITORY, $1); }
        | copy_marker                   { HAND_CLAUSE(OrvConfigurationCollector, SECTION_CONFIGURATION__COPYBEGIN_END_SYNTAXERROR, $1); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_ENVIRONMENT); if (yytrial) break; HAND_CLAUSE(OrvConfigurationCollector, SECTION_CONFIGURATION__COPYBEGIN_END_SYNTAXERROR, OrvGramErrorNode()); ]
        ;

/* SOURCE-COMPUTER and OBJECT-COMPUTER: the computer name is read with the
   name lookup off, so that it arrives as a character string.  The entry
   after the paragraph's "." may be left out as a whole.  COPY markers
   between the "." and the name go with the name (a member that holds the
   name); the lookup stays off until the name after them is read. */
source_computer
        : RW_SOURCE_COMPUTER SEP_DOT name_lookup_off computer_name_end
                                        { $$ = OrvGramComputerParagraph(PARA_SOURCE_COMPUTER, nullptr, nullptr); }
        | RW_SOURCE_COMPUTER SEP_DOT name_lookup_off TK_CHAR_STRING name_lookup_on debugging_mode_opt SEP_DOT
                                        { $$ = OrvGramComputerParagraph(PARA_SOURCE_COMPUTER, $4, $6); }
        | RW_SOURCE_COMPUTER SEP_DOT name_lookup_off computer_name_markers TK_CHAR_STRING name_lookup_on debugging_mode_opt SEP_DOT
                                        { $$ = OrvGramComputerParagraph(PARA_SOURCE_COMPUTER, OrvListExpr(EX_LIST, $4, $5), $7); }
        | RW_SOURCE_COMPUTER SEP_DOT name_lookup_off computer_name_end debugging_mode_opt SEP_DOT
                                        { $$ = OrvGramComputerParagraph(PARA_SOURCE_COMPUTER, nullptr, $5); }
        ;

computer_name_markers
        : copy_marker                   { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | computer_name_markers copy_marker
                                        { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

/* No computer name: a COPY marker here is first taken as the start of
   one. */
computer_name_end
        : /* empty */ %prec PRTY_LOW    [ OrvGramNameLookup(1); ]
        ;

debugging_mode_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | with_opt RW_DEBUGGING RW_MODE [ OrvGramDebuggingLines(); if (yytrial) break; $$ = OrvGramNode(EX_CC_DEBUGGING_MODE); ]
        ;

object_computer
        : RW_OBJECT_COMPUTER SEP_DOT name_lookup_off computer_name_end
                                        { $$ = OrvGramComputerParagraph(PARA_OBJECT_COMPUTER, nullptr, nullptr); }
        | RW_OBJECT_COMPUTER SEP_DOT name_lookup_off TK_CHAR_STRING name_lookup_on object_computer_clauses SEP_DOT
                                        { $$ = OrvGramComputerParagraph(PARA_OBJECT_COMPUTER, $4, $6); }
        | RW_OBJECT_COMPUTER SEP_DOT name_lookup_off computer_name_markers TK_CHAR_STRING name_lookup_on object_computer_clauses SEP_DOT
                                        { $$ = OrvGramComputerParagraph(PARA_OBJECT_COMPUTER, OrvListExpr(EX_LIST, $4, $5), $7); }
        ;

object_computer_clauses
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | object_computer_clauses object_computer_clause
                                        { $$ = OrvListExpr(EX_CC_CLAUSE_LIST, $1, $2); }
        ;

object_computer_clause
        : RW_MEMORY size_opt integer memory_unit_opt
                                        { $$ = OrvGramNode(EX_CC_MEMORY_SIZE, $3, $4); }
        | program_opt collating_opt RW_SEQUENCE is_opt alphabet_name_use
                                        { $$ = OrvGramNode(EX_CC_COLLATING_SEQUENCE, $5); }
        | RW_SEGMENT_LIMIT is_opt integer
                                        { $$ = OrvGramNode(EX_CC_SEGMENT_LIMIT, $3); }
        ;

memory_unit_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_WORDS                      { $$ = OrvGramNode(EX_CC_WORDS); }
        | RW_CHARACTERS                 { $$ = OrvGramNode(EX_CC_CHARACTERS); }
        | RW_MODULES                    { $$ = OrvGramNode(EX_CC_MODULES); }
        ;

name_lookup_off
        : /* empty */                   [ OrvGramNameLookup(0); ]
        ;

name_lookup_on
        : /* empty */                   [ OrvGramNameLookup(1); ]
        ;

/* SPECIAL-NAMES: the special reserved words (devices, switches) are
   recognised while its clauses are read.  A COPY marker or an error after
   its clauses goes to the paragraph, not to the section.  The end of the
   clauses commits a trial parse: a user-defined word after a switch name
   or a SYMBOLIC CONSTANT definition is decided within the paragraph. */
special_names
        : RW_SPECIAL_NAMES SEP_DOT special_names_start special_names_clauses special_names_end dot_opt
                                        { $$ = $5; }
        ;

special_names_start
        : /* empty */                   [ OrvGramSpecialWords(1); if (yytrial) break; $$ = OrvGramStartSpecialNames(); ]
        ;

special_names_end
        : /* empty */ %prec PRTY_LOW    [ YYVALID; OrvGramSpecialWords(0); if (yytrial) break; $$ = OrvSpecialNamesCollector.Finish(); ]
        ;

special_names_clauses
        : /* empty */
        | special_names_clauses special_names_clause
        ;

special_names_clause
        : switch_name switch_is_opt switch_start switch_status_phrases
                                        { HAND_LIST_ITEM(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__SWITCHES_AND_DEVICES, SNX_FUNC_SWITCH_LIST, OrvSubClauseCollector.Finish()); }
        | device_clause_name device_target
                                        { OrvGramDeviceClause(POSITION_STEP(OrvGramDeviceClauseNode(&$1, &$2))); }
        | RW_ALPHABET alphabet_name_def is_opt alphabet_definition
                                        { HAND_LIST_ITEM(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__ALPHABETS, SNX_ALPHABET_LIST, OrvGramNode(SNX_ALPHABET, $2, $4)); }
        | RW_SYMBOLIC characters_opt symbolic_char_defs is_are_opt symbolic_char_values symbolic_chars_in_opt
                                        { HAND_LIST_ITEM(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__SYMBOLIC_CHARACTERS, SNX_SYMB_CHARS_LIST, OrvGramNode(SNX_SYMB_CHARS, $3, $5, $6)); }
        | RW_SYMBOLIC RW_CONSTANT symbolic_constant_defs
                                        { HAND_LIST_ITEM(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__SYMBOLIC_CONSTANTS, SNX_SYMBOLIC_CONSTANT_LIST, OrvGramNode(SNX_SYMBOLIC_CONSTANT, $3)); }
        | RW_CLASS class_name_def is_opt alphabet_ranges
                                        { HAND_LIST_ITEM(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__CLASSES, SNX_CLASS_LIST, OrvGramNode(SNX_CLASS, $2, $4)); }
        | RW_CURRENCY sign_opt is_opt literal
                                        { HAND_CLAUSE(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__CURRENCY_SIGN, OrvGramCheckCurrencySign(POSITION_STEP(OrvGramNode(SNX_CURRENCY_SIGN, $4)))); }
        | RW_DECIMAL_POINT is_opt RW_COMMA
                                        [ OrvGramDecimalPointComma(); if (yytrial) break; HAND_CLAUSE(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__DECIMAL_POINT, OrvGramNode(SNX_DECIMAL_POINT)); ]
        | RW_NUMERIC RW_SIGN is_opt RW_TRAILING RW_SEPARATE
                                        { HAND_CLAUSE(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__NUMERIC_SIGN, OrvGramNode(SNX_NUMERIC_SIGN_IS_TS)); OrvGramNumericSignTrailingSeparate(); }
        | RW_CALL_CONVENTION integer is_opt mnemonic_name_def
                                        { HAND_LIST_ITEM(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__CALL_CONVENTIONS, SNX_CALL_CONV_LIST, OrvGramNode(SNX_CALL_CONVENTION, $2, $4)); }
        | RW_CURSOR is_opt qualified_name
                                        { HAND_CLAUSE(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__CURSOR, OrvGramNode(SNX_CURSOR, $3)); }
        | RW_CRT RW_STATUS is_opt qualified_name
                                        { HAND_CLAUSE(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__CRT_STATUS, OrvGramNode(SNX_CRT_STATUS, $4)); }
        | copy_marker                   { HAND_CLAUSE(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__COPYBEGIN_END_SYNTAXERROR, $1); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_SPECIAL_NAMES); if (yytrial) break; HAND_CLAUSE(OrvSpecialNamesCollector, PARA_SPECIAL_NAMES__COPYBEGIN_END_SYNTAXERROR, OrvGramErrorNode()); ]
        ;

/* A switch clause: its ON and OFF phrases are gathered by the sub-clause
   collector while the SPECIAL-NAMES collector is busy. */
switch_start
        : /* empty */                   { $$ = OrvGramStartSwitch(&$<node>-1, &$<node>0); }
        ;

/* A word after the switch name is first read as its mnemonic-name; when
   that fails, the word starts a device clause.  IS is written out, so that
   the choice is between that word and the empty phrase. */
switch_is_opt
        : /* empty */                   { $$ = nullptr; }
        | mnemonic_name_def             { $$ = OrvGramNode(SNX_IS, $1); }
        | RW_IS mnemonic_name_def       { $$ = OrvGramNode(SNX_IS, $2); }
        ;

switch_status_phrases
        : /* empty */
        | switch_status_phrases switch_status_phrase
        ;

switch_status_phrase
        : RW_ON status_opt is_opt condition_name_def
                                        { HAND_CLAUSE(OrvSubClauseCollector, SNX_FUNC_SWITCH__ON_STATUS, OrvGramNode(SNX_ON_STATUS, $4)); }
        | RW_OFF status_opt is_opt condition_name_def
                                        { HAND_CLAUSE(OrvSubClauseCollector, SNX_FUNC_SWITCH__OFF_STATUS, OrvGramNode(SNX_OFF_STATUS, $4)); }
        ;

switch_name
        : RW_SWITCH_0                   { $$ = OrvGramNode(SW_SWITCH_0); }
        | RW_SWITCH_1                   { $$ = OrvGramNode(SW_SWITCH_1); }
        | RW_SWITCH_2                   { $$ = OrvGramNode(SW_SWITCH_2); }
        | RW_SWITCH_3                   { $$ = OrvGramNode(SW_SWITCH_3); }
        | RW_SWITCH_4                   { $$ = OrvGramNode(SW_SWITCH_4); }
        | RW_SWITCH_5                   { $$ = OrvGramNode(SW_SWITCH_5); }
        | RW_SWITCH_6                   { $$ = OrvGramNode(SW_SWITCH_6); }
        | RW_SWITCH_7                   { $$ = OrvGramNode(SW_SWITCH_7); }
        | RW_SWITCH_8                   { $$ = OrvGramNode(SW_SWITCH_8); }
        | RW_UPSI_0                     { $$ = OrvGramNode(SW_UPSI_0); }
        | RW_UPSI_1                     { $$ = OrvGramNode(SW_UPSI_1); }
        | RW_UPSI_2                     { $$ = OrvGramNode(SW_UPSI_2); }
        | RW_UPSI_3                     { $$ = OrvGramNode(SW_UPSI_3); }
        | RW_UPSI_4                     { $$ = OrvGramNode(SW_UPSI_4); }
        | RW_UPSI_5                     { $$ = OrvGramNode(SW_UPSI_5); }
        | RW_UPSI_6                     { $$ = OrvGramNode(SW_UPSI_6); }
        | RW_UPSI_7                     { $$ = OrvGramNode(SW_UPSI_7); }
        | RW_SWITCH TK_NONNUM_LIT       { $$ = OrvGramNode(SW_SWITCH, $2); }
        | RW_SWITCH TK_INT_NUM_LIT      { $$ = OrvGramNumberedSwitch(&$2, POSITION_OF($2)); }
        ;

device_name
        : RW_TAB                        { $$ = OrvGramNode(IOF_TAB); }
        | RW_PRINTER                    { $$ = OrvGramNode(IOF_PRINTER); }
        | RW_FORMFEED                   { $$ = OrvGramNode(IOF_FORMFEED); }
        | RW_CRT                        { $$ = OrvGramNode(IOF_CRT); }
        | RW_CRT_UNDER                  { $$ = OrvGramNode(IOF_CRT_UNDER); }
        | RW_CONSOLE                    { $$ = OrvGramNode(IOF_CONSOLE); }
        | RW_COMMAND_LINE               { $$ = OrvGramNode(IOF_COMMAND_LINE); }
        | RW_ARGUMENT_NUMBER            { $$ = OrvGramNode(IOF_ARG_NUMBER); }
        | RW_ARGUMENT_VALUE             { $$ = OrvGramNode(IOF_ARG_VALUE); }
        | RW_ENVIRONMENT_NAME           { $$ = OrvGramNode(IOF_ENV_NAME); }
        | RW_ENVIRONMENT_VALUE          { $$ = OrvGramNode(IOF_ENV_VALUE); }
        | RW_SYSIN                      { $$ = OrvGramNode(IOF_SYSIN); }
        | RW_SYSIPT                     { $$ = OrvGramNode(IOF_SYSIN); }
        | RW_SYSOUT                     { $$ = OrvGramNode(IOF_SYSOUT); }
        | RW_SYSLIST                    { $$ = OrvGramNode(IOF_SYSOUT); }
        | RW_SYSLST                     { $$ = OrvGramNode(IOF_SYSOUT); }
        | RW_SYSPCH                     { $$ = OrvGramNode(IOF_SYSPUNCH); }
        | RW_SYSPUNCH                   { $$ = OrvGramNode(IOF_SYSPUNCH); }
        | RW_C01                        { $$ = OrvGramNode(IOF_C01); }
        | RW_C02                        { $$ = OrvGramNode(IOF_C02); }
        | RW_C03                        { $$ = OrvGramNode(IOF_C03); }
        | RW_C04                        { $$ = OrvGramNode(IOF_C04); }
        | RW_C05                        { $$ = OrvGramNode(IOF_C05); }
        | RW_C06                        { $$ = OrvGramNode(IOF_C06); }
        | RW_C07                        { $$ = OrvGramNode(IOF_C07); }
        | RW_C08                        { $$ = OrvGramNode(IOF_C08); }
        | RW_C09                        { $$ = OrvGramNode(IOF_C09); }
        | RW_C10                        { $$ = OrvGramNode(IOF_C010); }
        | RW_C11                        { $$ = OrvGramNode(IOF_C011); }
        | RW_C12                        { $$ = OrvGramNode(IOF_C012); }
        | RW_CSP                        { $$ = OrvGramNode(IOF_CSP); }
        | RW_S01                        { $$ = OrvGramNode(IOF_S01); }
        | RW_S02                        { $$ = OrvGramNode(IOF_S02); }
        | RW_S03                        { $$ = OrvGramNode(IOF_S03); }
        | RW_S04                        { $$ = OrvGramNode(IOF_S04); }
        | RW_S05                        { $$ = OrvGramNode(IOF_S05); }
        ;

/* The device of a device clause: a user-defined word there is an
   implementor-name that the dialect does not reserve. */
device_clause_name
        : device_name                   { $$ = $1; }
        | TK_USER_DEFD_WORD             { $$ = OrvGramDeviceWord($1); }
        ;

device_target
        : is_opt mnemonic_name_def      { $$ = OrvGramNode(SNX_IS, $2); }
        | is_opt RW_CRT                 { $$ = OrvGramNode(IOF_CRT); }
        ;

alphabet_definition
        : RW_STANDARD_1                 { $$ = OrvGramNode(SNX_STANDARD_1); }
        | RW_ASCII                      { $$ = OrvGramNode(SNX_STANDARD_1); }
        | RW_STANDARD_2                 { $$ = OrvGramNode(SNX_STANDARD_2); }
        | RW_NATIVE                     { $$ = OrvGramNode(SNX_NATIVE); }
        | RW_EBCDIC                     { $$ = OrvGramNode(SNX_EBCDIC); }
        | alphabet_ranges               { $$ = $1; }
        ;

alphabet_ranges
        : alphabet_range                { $$ = OrvListExpr(SNX_ALPHA_RANGE_LIST, $1, nullptr); }
        | alphabet_ranges alphabet_range
                                        { $$ = OrvListExpr(SNX_ALPHA_RANGE_LIST, $1, $2); }
        ;

alphabet_range
        : literal                       { $$ = OrvGramNode(EX_ALPH_LITER_RANGE, $1, nullptr); }
        | literal thru_word literal     { $$ = OrvGramNode(EX_ALPH_LITER_RANGE, $1, $3); }
        | alphabet_also_list            { $$ = $1; }
        ;

alphabet_also_list
        : literal RW_ALSO literal       { $$ = OrvListExpr(EX_ALPH_ALSO_LIST, $1, $3); }
        | alphabet_also_list RW_ALSO literal
                                        { $$ = OrvListExpr(EX_ALPH_ALSO_LIST, $1, $3); }
        ;

symbolic_char_defs
        : symbolic_char_def             { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | symbolic_char_defs symbolic_char_def
                                        { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

symbolic_char_values
        : integer                       { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | symbolic_char_values integer  { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

symbolic_chars_in_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_IN alphabet_name_use       { $$ = OrvGramNode(SNX_SYMB_CHARS_IN, $2); }
        ;

symbolic_constant_defs
        : symbolic_constant_def         { $$ = OrvListExpr(SNX_SYMB_CONST_LIST, $1, nullptr); }
        | symbolic_constant_defs symbolic_constant_def
                                        { $$ = OrvListExpr(SNX_SYMB_CONST_LIST, $1, $2); }
        ;

symbolic_constant_def
        : symbolic_constant_name is_opt literal
                                        { $$ = OrvGramNode(SNX_SYMB_CONST, $1, $3); }
        ;

/* Definitions of the names that SPECIAL-NAMES declares. */
mnemonic_name_def
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_MNEMONIC_NAME); }
        ;

condition_name_def
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_SWITCH_COND_NAME); }
        ;

alphabet_name_def
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_ALPHABET_NAME); }
        ;

symbolic_char_def
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_SYMBOLIC_CHAR); }
        ;

class_name_def
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_CLASS_NAME); }
        ;

symbolic_constant_name
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_SYMBOLIC_CONSTANT); }
        ;

/* Uses of those names elsewhere in the grammar. */
mnemonic_name_use
        : TK_USER_DEFD_WORD             { $$ = OrvGramNameUse($1, SYMCAT_MNEMONIC_NAME, POSITION_OF($1)); }
        ;

alphabet_name_use
        : TK_USER_DEFD_WORD             { $$ = OrvGramNameUse($1, SYMCAT_ALPHABET_NAME, POSITION_OF($1)); }
        ;

symbolic_char_use
        : UW_SYMBOLIC_CHAR              { $$ = OrvGramNameUse($1, SYMCAT_SYMBOLIC_CHAR, POSITION_OF($1)); }
        ;

symbolic_constant_use
        : UW_SYMBOLIC_CONSTANT          { $$ = OrvGramNameUse($1, SYMCAT_SYMBOLIC_CONSTANT, POSITION_OF($1)); }
        ;

class_name_use
        : TK_USER_DEFD_WORD             { $$ = OrvGramNameUse($1, SYMCAT_CLASS_NAME, POSITION_OF($1)); }
        ;

/* REPOSITORY */
repository
        : RW_REPOSITORY SEP_DOT repository_specifiers SEP_DOT
                                        { $$ = OrvGramNode(PARA_REPOSITORY, $3); }
        ;

repository_specifiers
        : repository_specifier          { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | repository_specifiers repository_specifier
                                        { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

repository_specifier
        : RW_CLASS class_name_def as_literal_opt
                                        { $$ = OrvGramNode(EX_SPECIFIER_CLASS, $2, $3); }
        | RW_PROPERTY class_name_def as_literal_opt
                                        { $$ = OrvGramNode(EX_SPECIFIER_PROPERTY, $2, $3); }
        ;

as_literal_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_AS literal                 { $$ = OrvGramNode(EX_AS, $2); }
        ;

/* ===================================================================== */
/* INPUT-OUTPUT SECTION                                                   */
/* ===================================================================== */

input_output_section
        : io_header_opt file_control_paragraph io_control_paragraph
                                        { $$ = OrvGramOptionalFrame(SECTION_INPUT_OUTPUT, {&$1, &$2, &$3}); }
        ;

io_header_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_INPUT_OUTPUT_SECTION SEP_DOT
                                        { $$ = OrvGramNode(SECTION_INPUT_OUTPUT_HEADER); }
        ;

/* FILE-CONTROL: SELECT entries, COPY markers and errors.  A COPY marker or
   an error after the entries stays among them. */
file_control_paragraph
        : file_control_header_opt file_control_entries_opt
                                        { $$ = OrvGramFileControl(&$1, &$2); }
        ;

/* COPY markers in front of FILE-CONTROL: joined by the header, or, with no
   header, the first entries. */
file_control_header_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | file_control_header           { $$ = $1; }
        | header_markers file_control_header
                                        { $$ = OrvGramMarkedHeader($1, $2); }
        | header_markers %prec PRTY_LOW { $$ = $1; }
        ;

file_control_header
        : RW_FILE_CONTROL SEP_DOT       { $$ = OrvGramNode(PARA_FILE_CONTROL_HEADER); }
        ;

file_control_entries_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | file_control_entries %prec PRTY_LOW
                                        { $$ = $1; }
        ;

file_control_entries
        : file_control_entry            { $$ = OrvListExpr(DECL_FC_ENTRY_LIST, $1, nullptr); }
        | file_control_entries file_control_entry
                                        { $$ = OrvListExpr(DECL_FC_ENTRY_LIST, $1, $2); }
        ;

file_control_entry
        : RW_SELECT optional_phrase_opt file_name_use select_start select_clauses SEP_DOT
                                        { $$ = OrvFileControlCollector.Finish(); }
        | copy_marker                   { $$ = $1; }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_DATA); if (yytrial) break; $$ = OrvGramErrorNode(); ]
        ;

select_start
        : /* empty */                   { $$ = OrvGramStartFileControl($<node>-1, $<node>0); }
        ;

optional_phrase_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_OPTIONAL                   { $$ = OrvGramNode(FCX_OPTIONAL); }
        | RW_NOT RW_OPTIONAL            { $$ = OrvGramNode(FCX_NOT_OPTIONAL); }
        ;

select_clauses
        : select_clause
        | select_clauses select_clause
        ;

select_clause
        : assign_clause                 { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__ASSIGN_TO, $1); }
        | organization_clause           { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__ORGANIZATION, $1); }
        | RW_ACCESS mode_opt is_opt access_mode
                                        { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__ACCESS_MODE, OrvGramNode(FCX_ACCESS_MODE, $4)); }
        | RW_RELATIVE key_opt is_opt qualified_name
                                        { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__RELATIVE_KEY, OrvGramNode(FCX_RELATIVE_KEY, $4)); }
        | RW_RECORD key_opt is_opt record_key
                                        { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__RECORD_KEY, OrvGramNode(FCX_RECORD_KEY, $4)); }
        | alternate_key_clause          { HAND_LIST_ITEM(OrvFileControlCollector, DECL_FC_ENTRY__ALTERNATE_RECORD_KEYS, FCX_ALTERNATE_RECORD_KEY_LIST, $1); }
        | file_opt RW_STATUS is_opt qualified_name second_status_opt
                                        { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__FILE_STATUS, OrvGramNode(FCX_FILE_STATUS, $4, $5)); }
        | RW_SORT RW_STATUS is_opt qualified_name
                                        { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__FILE_STATUS, OrvGramNode(FCX_FILE_STATUS, $4)); }
        | RW_LOCK mode_opt is_opt lock_descriptor
                                        { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__LOCK_MODE, OrvGramNode(FCX_LOCK_MODE_IS, $4)); }
        | RW_LOCKING is_opt lock_mode   { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__LOCK_MODE, OrvGramNode(FCX_LOCK_MODE_IS, OrvGramNode(FCX_LOCK_MODE_WITH, $3))); }
        | RW_PASSWORD is_opt qualified_name
                                        { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__PASSWORD, OrvGramNode(FCX_PASSWORD, $3)); }
        | RW_PADDING character_opt is_opt operand
                                        { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__PADDING_CHARACTER, OrvGramNode(FCX_PADDING_CHAR, $4)); }
        | RW_RECORD RW_DELIMITER is_opt record_delimiter
                                        { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__RECORD_DELIMITER, OrvGramNode(FCX_REC_DELIMITER, $4)); }
        | RW_RESERVE reserve_count reserve_areas_opt
                                        { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__RESERVE_AREAS, OrvGramNode(FCX_RESERVE, $2)); }
        | copy_marker                   { HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__COPYBEGIN_END_SYNTAXERROR, $1); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_DATA); if (yytrial) break; HAND_CLAUSE(OrvFileControlCollector, DECL_FC_ENTRY__COPYBEGIN_END_SYNTAXERROR, OrvGramErrorNode()); ]
        ;

/* ASSIGN commits a trial parse: DISK followed by FILE is first tried as
   the device DISK FILE, then as the device DISK before a FILE STATUS
   clause. */
assign_clause
        : RW_ASSIGN to_opt assign_target
                                        [ YYVALID; $$ = OrvGramNode(FCX_ASSIGN, $3); ]
        ;

assign_target
        : assign_modifier file_device assign_names
                                        { $$ = OrvGramNode(FCX_DEVICE, $1, $2, $3); }
        | assign_modifier unit_device assign_names_opt
                                        { $$ = OrvGramNode(FCX_DEVICE, $1, $2, $3); }
        ;

assign_modifier
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_EXTERNAL                   { $$ = OrvGramNode(FCX_EXTERNAL); }
        | RW_DYNAMIC                    { $$ = OrvGramNode(FCX_DYNAMIC); }
        ;

file_device
        : /* empty */                   { $$ = OrvGramNode(DEV_DISK_FILE); }
        | RW_DISK RW_FILE               { $$ = OrvGramNode(DEV_DISK_FILE); }
        | RW_FILE                       { $$ = OrvGramNode(DEV_DISK_FILE); }
        | RW_DISK RW_FROM               { $$ = OrvGramNode(DEV_DISK_FROM_FILE); }
        | RW_LINE RW_ADVANCING file_opt { $$ = OrvGramNode(DEV_LINE_ADVANCING); }
        | multiple_opt RW_REEL file_opt { $$ = OrvGramNode(DEV_MULTIPLE_REEL); }
        | multiple_opt RW_UNIT file_opt { $$ = OrvGramNode(DEV_MULTIPLE_UNIT); }
        | RW_INPUT                      { $$ = OrvGramNode(DEV_INPUT); }
        | RW_INPUT_OUTPUT               { $$ = OrvGramNode(DEV_INPUT_OUTPUT); }
        | RW_OUTPUT                     { $$ = OrvGramNode(DEV_OUTPUT); }
        | RW_PRINT                      { $$ = OrvGramNode(DEV_PRINT); }
        | RW_RANDOM                     { $$ = OrvGramNode(DEV_RANDOM); }
        ;

unit_device
        : RW_DISK                       { $$ = OrvGramNode(DEV_DISK); }
        | RW_DISC                       { $$ = OrvGramNode(DEV_DISK); }
        | RW_KEYBOARD                   { $$ = OrvGramNode(DEV_KEYBOARD); }
        | RW_DISPLAY                    { $$ = OrvGramNode(DEV_DISPLAY); }
        | RW_PRINTER                    { $$ = OrvGramNode(DEV_PRINTER); }
        | RW_PRINTER_1                  { $$ = OrvGramNode(DEV_PRINTER_1); }
        ;

assign_names_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | assign_names                  { $$ = $1; }
        ;

assign_names
        : assign_name                   { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | assign_names assign_name      { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

assign_name
        : qualified_name                { $$ = $1; }
        | TK_NONNUM_LIT                 { $$ = $1; }
        ;

organization_clause
        : organization_opt organization_kind
                                        { $$ = OrvGramNode(FCX_ORGANIZATION, $2); }
        | RW_ORGANIZATION is_opt RW_RELATIVE
                                        { $$ = OrvGramNode(FCX_ORGANIZATION, OrvGramNode(FCX_ORG_RELATIVE)); }
        | RW_ORGANIZATION is_opt RW_RECORD RW_SEQUENTIAL
                                        { $$ = OrvGramNode(FCX_ORGANIZATION, OrvGramNode(FCX_ORG_RECORD_SEQUENTIAL)); }
        ;

organization_opt
        : /* empty */
        | RW_ORGANIZATION is_opt
        ;

organization_kind
        : RW_SEQUENTIAL                 { $$ = OrvGramNode(FCX_ORG_SEQUENTIAL); }
        | RW_LINE RW_SEQUENTIAL         { $$ = OrvGramNode(FCX_ORG_LINE_SEQUENTIAL); }
        | RW_INDEXED                    { $$ = OrvGramNode(FCX_ORG_INDEXED); }
        | RW_BINARY RW_SEQUENTIAL       { $$ = OrvGramNode(FCX_ORG_BINARY_SEQUENTIAL); }
        ;

access_mode
        : RW_SEQUENTIAL                 { $$ = OrvGramNode(FCX_AM_SEQUENTIAL); }
        | RW_RANDOM                     { $$ = OrvGramNode(FCX_AM_RANDOM); }
        | RW_DYNAMIC                    { $$ = OrvGramNode(FCX_AM_DYNAMIC); }
        ;

second_status_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | qualified_name                { $$ = $1; }
        ;

/* Record keys: data names, or a split key over components. */
record_key
        : record_key_components         { $$ = OrvGramNode(FCX_COMP_REC_KEY, $1); }
        | split_key_name OP_EQ split_key_components split_key_occurs_opt
                                        { $$ = OrvGramNode(FCX_SPLIT_REC_KEY, $1, $3, $4); }
        | split_key_name OP_EQ qualified_name RW_ALSO split_key_components
                                        { $$ = OrvGramNode(FCX_SPLIT_REC_KEY, $1, OrvGramSplitKeyAlso($3, $5)); }
        ;

record_key_components
        : qualified_name                { $$ = OrvListExpr(FCX_REC_KEY_COMP_LIST, $1, nullptr); }
        | record_key_components qualified_name
                                        { $$ = OrvListExpr(FCX_REC_KEY_COMP_LIST, $1, $2); }
        ;

/* The key of a READ or START.  Built in a reduction of its own, so that
   the words in front of it (KEY IS, a relation) go to the slot of the
   phrase that holds it, where the phrase's print template spells them,
   and not into the key's own slot. */
record_key_use
        : record_key_components         { $$ = OrvGramNode(REC_KEY_USE, $1); }
        ;

split_key_name
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_SPLIT_KEY_NAME, 1); }
        ;

/* "A + B C" is one flat list; the "+" stays with it. */
split_key_components
        : split_key_names               { $$ = $1; }
        | qualified_name OP_PLUS split_key_names
                                        { $$ = OrvListExpr(SPLIT_KEY_COMP_LIST, $1, $3); }
        ;

split_key_names
        : qualified_name                { $$ = OrvListExpr(SPLIT_KEY_COMP_LIST, $1, nullptr); }
        | split_key_names qualified_name
                                        { $$ = OrvListExpr(SPLIT_KEY_COMP_LIST, $1, $2); }
        ;

split_key_occurs_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_OCCURS integer RW_TIMES    { $$ = OrvGramNode(SPLIT_KEY_OCCURS, $2); }
        ;

/* ALTERNATE RECORD KEY: its phrases are gathered by the sub-clause
   collector while the file-control collector holds the entry. */
alternate_key_clause
        : RW_ALTERNATE record_opt key_opt is_opt record_key alternate_key_start alternate_key_phrases
                                        { $$ = OrvSubClauseCollector.Finish(); }
        ;

alternate_key_start
        : /* empty */                   { $$ = OrvGramStartAlternateKey($<node>0); }
        ;

alternate_key_phrases
        : /* empty */
        | alternate_key_phrases alternate_key_phrase
        ;

alternate_key_phrase
        : RW_ORDER by_opt RW_ALPHABETIC_UPPER
                                        { HAND_CLAUSE(OrvSubClauseCollector, FCX_ALTERNATE_RECORD_KEY__ORDER_BY_ALPHABETIC_UPPER, OrvGramNode(FCX_ALTKEY_ORDERBY_ALPHAUPPER)); }
        | RW_SUPPRESS RW_WHEN literal   { HAND_CLAUSE(OrvSubClauseCollector, FCX_ALTERNATE_RECORD_KEY__SUPPRESS_WHEN, OrvGramNode(FCX_ALTKEY_SUPPRESS_WHEN, $3)); }
        | values_opt are_opt ascending_descending
                                        { HAND_CLAUSE(OrvSubClauseCollector, FCX_ALTERNATE_RECORD_KEY__VALUES_ARE, OrvGramNode(FCX_ALTKEY_VALUES_ARE, $3)); }
        | with_opt RW_DUPLICATES        { HAND_CLAUSE(OrvSubClauseCollector, FCX_ALTERNATE_RECORD_KEY__WITH_DUPLICATES, OrvGramNode(FCX_ALTKEY_WITH_DUPLICATES)); }
        ;

ascending_descending
        : RW_ASCENDING                  { $$ = OrvGramNode(EX_ASCENDING); }
        | RW_DESCENDING                 { $$ = OrvGramNode(EX_DESCENDING); }
        ;

lock_descriptor
        : lock_mode lock_with_opt       { $$ = OrvGramNode(FCX_LOCK_MODE_WITH, $1, $2); }
        ;

lock_mode
        : RW_MANUAL                     { $$ = OrvGramNode(FCX_MANUAL); }
        | RW_AUTOMATIC                  { $$ = OrvGramNode(FCX_AUTOMATIC); }
        | RW_EXCLUSIVE                  { $$ = OrvGramNode(FCX_EXCLUSIVE); }
        ;

lock_with_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_WITH RW_LOCK RW_ON record_records
                                        { $$ = OrvGramNode(FCX_LOCK_ON_RECORD); }
        | RW_WITH RW_LOCK RW_ON RW_MULTIPLE record_records
                                        { $$ = OrvGramNode(FCX_LOCK_ON_MULT_RECS); }
        | RW_WITH RW_ROLLBACK           { $$ = OrvGramNode(FCX_ROLLBACK); }
        ;

record_delimiter
        : RW_STANDARD_1                 { $$ = OrvGramNode(FCX_STANDARD_1); }
        | literal                       { $$ = $1; }
        ;

reserve_count
        : integer                       { $$ = $1; }
        | RW_NO                         { $$ = OrvGramNode(EX_NO); }
        ;

/* RESERVE n ALTERNATE is read as RESERVE n ALTERNATE AREAS, not as the
   start of an ALTERNATE RECORD KEY clause. */
reserve_areas_opt
        : /* empty */ %prec PRTY_LOW
        | area_word
        | RW_ALTERNATE area_word
        ;

area_word
        : RW_AREA
        | RW_AREAS
        ;

/* I-O-CONTROL: its clauses, each with an optional ".", in a STMT_LIST.  A
   COPY marker after the header or a clause is an item of the list. */
io_control_paragraph
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_I_O_CONTROL SEP_DOT io_control_start io_control_clauses_opt
                                        { $$ = OrvGramFillSlots($3, $4); }
        ;

io_control_start
        : /* empty */                   { $$ = OrvGramNode(PARA_I_O_CONTROL); }
        ;

io_control_clauses_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | io_control_clauses %prec PRTY_LOW
                                        { $$ = $1; }
        ;

io_control_clauses
        : io_control_clause dot_opt     { $$ = OrvListExpr(STMT_LIST, $1, nullptr); }
        | io_control_clauses io_control_clause dot_opt
                                        { $$ = OrvListExpr(STMT_LIST, $1, $2); }
        ;

io_control_clause
        : RW_RERUN rerun_on_opt every_opt rerun_condition
                                        { $$ = OrvGramNode(IOCX_RERUN, $2, $4); }
        | RW_SAME same_area_kind area_opt for_opt file_name_uses
                                        { $$ = OrvGramNode(IOCX_SAME_AREA, $2, $5); }
        | RW_MULTIPLE RW_FILE tape_opt contains_opt file_positions
                                        { $$ = OrvGramNode(IOCX_MULTIPLE_FILE, $5); }
        | RW_APPLY apply_kind on_opt file_name_uses
                                        { $$ = OrvGramNode(IOCX_APPLY, $2, $4); }
        | copy_marker                   { $$ = $1; }
        ;

rerun_on_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_ON file_name_use           { $$ = OrvGramNode(IOCX_RERUN_ON, $2); }
        ;

rerun_condition
        : RW_END of_opt reel_unit of_opt file_name_use
                                        { $$ = OrvGramNode(IOCX_END_OF, $3, $5); }
        | integer RW_RECORDS of_opt file_name_use
                                        { $$ = OrvGramNode(IOCX_RECORDS_OF, $1, $4); }
        | integer RW_CLOCK_UNITS        { $$ = OrvGramNode(IOCX_CLOCK_UNITS, $1); }
        | TK_USER_DEFD_WORD             { $$ = OrvGramNameUse($1, SYMCAT_DATA_NAME, POSITION_OF($1)); }
        ;

reel_unit
        : RW_REEL                       { $$ = OrvGramNode(IOCX_REEL); }
        | RW_UNIT                       { $$ = OrvGramNode(IOCX_UNIT); }
        ;

same_area_kind
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_RECORD                     { $$ = OrvGramNode(IOCX_RECORD); }
        | RW_SORT                       { $$ = OrvGramNode(IOCX_SORT); }
        | RW_SORT_MERGE                 { $$ = OrvGramNode(IOCX_SORT_MERGE); }
        ;

file_positions
        : file_position                 { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | file_positions file_position  { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

file_position
        : file_name_use position_opt    { $$ = OrvGramNode(IOCX_FILE_POSN, $1, $2); }
        ;

position_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_POSITION integer           { $$ = OrvGramNode(IOCX_POSITION, $2); }
        ;

apply_kind
        : RW_WRITE_ONLY                 { $$ = OrvGramNode(IOCX_WRITE_ONLY); }
        | RW_CORE_INDEX                 { $$ = OrvGramNode(IOCX_CORE_INDEX); }
        | RW_RECORD_OVERFLOW            { $$ = OrvGramNode(IOCX_RECORD_OVERFLOW); }
        | RW_REORG_CRITERIA             { $$ = OrvGramNode(IOCX_REORG_CRITERIA); }
        ;

file_name_uses
        : file_name_use                 { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | file_name_uses file_name_use  { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

file_name_use
        : TK_USER_DEFD_WORD             { $$ = OrvGramNameUse($1, SYMCAT_FILE_NAME, POSITION_OF($1)); }
        ;

/* ===================================================================== */
/* DATA DIVISION                                                          */
/* ===================================================================== */

data_division
        : data_header_opt data_division_start schema_section file_section working_storage_section
          local_storage_section linkage_section communication_section report_section screen_section
                                        { $$ = OrvGramDataDivision(&$1, {&$3, &$4, &$5, &$6, &$7, &$8, &$9, &$10}); }
        ;

data_header_opt
        : /* empty */                   { $$ = OrvGramMissingDataHeader(); }
        | RW_DATA_DIVISION SEP_DOT      { $$ = OrvGramNode(DIVISION_DATA_HEADER); }
        ;

data_division_start
        : /* empty */                   { PARSER.inDataDivision = 1; }
        ;

schema_section
        : /* empty */                   { $$ = OrvGramNullNode(); }
        ;

/* FILE SECTION: FD and SD entries with their records, and COPY markers.  A
   COPY marker after a record stays among its entries. */
file_section
        : file_section_header_opt file_section_items_opt
                                        { $$ = OrvGramOptionalFrame(SECTION_FILE, {&$1, &$2}); }
        ;

file_section_header_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_FILE_SECTION SEP_DOT       { $$ = OrvGramNode(SECTION_FILE_HEADER); }
        ;

file_section_items_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | file_section_items            { $$ = $1; }
        ;

file_section_items
        : file_section_item             { $$ = OrvListExpr(DECL_FD_LIST, $1, nullptr); }
        | file_section_items file_section_item
                                        { $$ = OrvListExpr(DECL_FD_LIST, $1, $2); }
        ;

file_section_item
        : file_description_entry record_entries
                                        { $$ = OrvGramNode(DECL_FD, $1, $2); }
        | copy_marker                   { $$ = $1; }
        ;

file_description_entry
        : file_level file_name_def file_description_start file_description_clauses SEP_DOT
                                        { $$ = OrvFileDescriptionCollector.Finish(); }
        ;

file_level
        : RW_FD                         { $$ = OrvGramNode(FDX_LEVEL); }
        | RW_SD                         { $$ = OrvGramNode(SDX_LEVEL); }
        ;

file_name_def
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_FILE_NAME); }
        ;

file_description_start
        : /* empty */                   { $$ = OrvGramStartFileDescription($<node>-1, $<node>0); }
        ;

file_description_clauses
        : /* empty */
        | file_description_clauses file_description_clause
        ;

file_description_clause
        : RW_RECORD contains_opt integer_range characters_opt
                                        { HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__RECORD_SIZE, OrvGramNode(FDX_RECORD_CONTAINS, $3, OrvGramNullNode())); }
        | RW_RECORD is_opt RW_VARYING in_opt size_opt varying_from_opt varying_to_opt characters_opt
          varying_depending_opt         { HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__RECORD_SIZE, OrvGramNode(FDX_RECORD_VARYING, $6, $7, OrvGramNullNode(), $9)); }
        | RW_BLOCK contains_opt integer_range block_unit_opt
                                        { HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__BLOCK_CONTAINS, OrvGramNode(FDX_BLOCK_CONTAINS, $3, $4)); }
        | RW_RECORDING special_words_on mode_opt is_opt recording_mode
                                        [ OrvGramSpecialWords(0); if (yytrial) break; HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__RECORDING_MODE, OrvGramNode(FDX_REC_MODE, $5)); ]
        | RW_LINAGE is_opt operand linage_start lines_opt linage_phrases
                                        { HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__LINAGE, OrvGramFinishLinage()); }
        | RW_CODE_SET is_opt alphabet_name_use code_set_for_opt
                                        { HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__CODE_SET, OrvGramNode(FDX_CODE_SET, $3, $4)); }
        | RW_REPORT is_opt report_names { HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__REPORT, OrvGramNode(FDX_REPORT, $3)); }
        | RW_REPORTS are_opt report_names
                                        { HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__REPORT, OrvGramNode(FDX_REPORT, $3)); }
        | is_opt RW_EXTERNAL            { HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__EXTERNAL, OrvGramNode(DX_EXTERNAL)); }
        | is_opt RW_GLOBAL              { HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__GLOBAL, OrvGramNode(DX_GLOBAL)); }
        | RW_DATA record_records is_are_opt data_records_commit data_name_uses
                                        { HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__DATA_RECORDS, OrvGramNode(FDX_DATA_RECORDS, $5)); }
        | RW_LABEL record_records is_are_opt label_records
                                        { HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__LABEL_RECORDS, OrvGramNode(FDX_LABEL_RECORDS, $4)); }
        | RW_VALUE RW_OF value_of_start value_of_items
                                        [ OrvGramValueOfWords(0); if (yytrial) break; HAND_LIST_ITEM(OrvFileDescriptionCollector, DECL_FD_ENTRY__VALUE_OF, FDX_VALUE_OF_LIST, OrvGramNode(FDX_VALUE_OF, $4)); ]
        | copy_marker                   { HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__COPYBEGIN_END_SYNTAXERROR, $1); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_DATA); if (yytrial) break; HAND_CLAUSE(OrvFileDescriptionCollector, DECL_FD_ENTRY__COPYBEGIN_END_SYNTAXERROR, OrvGramErrorNode()); ]
        ;

integer_range
        : integer                       { $$ = OrvGramNode(EX_INT_CONST_RANGE, $1); }
        | integer RW_TO integer         { $$ = OrvGramNode(EX_INT_CONST_RANGE, $1, $3); }
        ;

varying_from_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | integer                       { $$ = OrvGramNode(FDX_FROM, $1); }
        | RW_FROM integer               { $$ = OrvGramNode(FDX_FROM, $2); }
        ;

varying_to_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_TO integer                 { $$ = OrvGramNode(FDX_TO, $2); }
        ;

varying_depending_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_DEPENDING on_opt qualified_name
                                        { $$ = OrvGramNode(EX_DEPENDING_ON, $3); }
        ;

block_unit_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_RECORDS                    { $$ = OrvGramNode(FDX_RECORDS); }
        | RW_CHARACTERS                 { $$ = OrvGramNode(FDX_CHARACTERS); }
        ;

/* The recording mode is read with the special reserved words on: the
   switch is an empty rule right after RECORDING, reduced before the next
   token is read. */
special_words_on
        : /* empty */                   [ OrvGramSpecialWords(1); ]
        ;

recording_mode
        : RW_F                          { $$ = OrvGramNode(FDX_MODE_FIXED); }
        | RW_FIXED                      { $$ = OrvGramNode(FDX_MODE_FIXED); }
        | RW_V                          { $$ = OrvGramNode(FDX_MODE_VARIABLE); }
        | RW_VARIABLE                   { $$ = OrvGramNode(FDX_MODE_VARIABLE); }
        | RW_U                          { $$ = OrvGramNode(FDX_MODE_U); }
        | RW_S                          { $$ = OrvGramNode(FDX_MODE_S); }
        ;

/* LINAGE: its phrases are gathered by the entry collector while the
   file-description collector holds the entry.  LINES right after the
   value belongs to the clause, not to a TOP or BOTTOM phrase. */
linage_start
        : /* empty */                   { $$ = OrvGramStartLinage($<node>0); }
        ;

linage_phrases
        : /* empty */
        | linage_phrases linage_phrase
        ;

linage_phrase
        : with_opt RW_FOOTING at_opt operand
                                        { HAND_CLAUSE(OrvEntryCollector, FDX_LINAGE__FOOTING, OrvGramNode(FDX_LIN_FOOTING, $4)); }
        | lines_opt at_opt RW_TOP operand
                                        { HAND_CLAUSE(OrvEntryCollector, FDX_LINAGE__LINES_AT_TOP, OrvGramNode(FDX_LIN_TOP, $4)); }
        | lines_opt at_opt RW_BOTTOM operand
                                        { HAND_CLAUSE(OrvEntryCollector, FDX_LINAGE__LINES_AT_BOTTOM, OrvGramNode(FDX_LIN_BOTTOM, $4)); }
        ;

code_set_for_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_FOR identifiers            { $$ = OrvGramNode(FDX_CODE_SET_FOR, $2); }
        ;

record_records
        : RW_RECORD
        | RW_RECORDS
        ;

/* DATA RECORDS commits a trial parse. */
data_records_commit
        : /* empty */                   [ YYVALID; ]
        ;

data_name_uses
        : data_name_use                 { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | data_name_uses data_name_use  { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

data_name_use
        : TK_USER_DEFD_WORD             { $$ = OrvGramNameUse($1, SYMCAT_DATA_NAME, POSITION_OF($1)); }
        ;

label_records
        : RW_STANDARD                   { $$ = OrvGramNode(FDX_STANDARD); }
        | RW_OMITTED                    { $$ = OrvGramNode(FDX_OMITTED); }
        | data_name_uses                { $$ = $1; }
        ;

value_of_start
        : /* empty */                   [ OrvGramValueOfWords(1); ]
        ;

value_of_items
        : value_of_item                 { $$ = OrvListExpr(FDX_VALUE_OF_ITEM_LIST, $1, nullptr); }
        | value_of_items value_of_item  { $$ = OrvListExpr(FDX_VALUE_OF_ITEM_LIST, $1, $2); }
        ;

value_of_item
        : qualified_name is_opt operand { $$ = OrvGramNode(FDX_VALUE_OF_ITEM, $1, $3); }
        | RW_FILE_ID is_opt operand     { $$ = OrvGramNode(FDX_VALUE_OF_ITEM, OrvGramNode(FDX_VO_FILE_ID), $3); }
        ;

/* WORKING-STORAGE, LOCAL-STORAGE and LINKAGE SECTIONs. */
working_storage_section
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_WORKING_STORAGE RW_SECTION SEP_DOT record_entries
                                        { $$ = OrvGramNode(SECTION_WORKING_STORAGE, $4); }
        ;

local_storage_section
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_LOCAL_STORAGE RW_SECTION SEP_DOT record_entries
                                        { $$ = OrvGramNode(SECTION_LOCAL_STORAGE, $4); }
        ;

linkage_section
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_LINKAGE RW_SECTION SEP_DOT record_entries
                                        { $$ = OrvGramNode(SECTION_LINKAGE, $4); }
        ;

/* COMMUNICATION SECTION: the section node and each CD entry exist before
   the record entries under them are reduced. */
communication_section
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_COMMUNICATION RW_SECTION SEP_DOT communication_start cd_entries
                                        { $$ = OrvGramFillSlots($4, $5); }
        ;

communication_start
        : /* empty */                   { $$ = OrvGramNode(SECTION_COMMUNICATION); }
        ;

cd_entries
        : cd_entry                      { $$ = OrvListExpr(DECL_CD_ENTRY_LIST, $1, nullptr); }
        | cd_entries cd_entry           { $$ = OrvListExpr(DECL_CD_ENTRY_LIST, $1, $2); }
        ;

cd_entry
        : RW_CD cd_name_def for_opt cd_initial_opt cd_io_type cd_description SEP_DOT cd_entry_start record_entries
                                        { $$ = OrvGramFillSlots($8, nullptr, nullptr, nullptr, nullptr, $9); }
        ;

cd_entry_start
        : /* empty */                   { $$ = OrvGramNode(DECL_CD_ENTRY, $<node>-5, $<node>-3, $<node>-2, $<node>-1); }
        ;

cd_name_def
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_CD_NAME); }
        ;

cd_initial_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_INITIAL                    { $$ = OrvGramNode(EX_CD_INITIAL); }
        ;

cd_io_type
        : RW_INPUT                      { $$ = OrvGramNode(EX_CD_INPUT); }
        | RW_OUTPUT                     { $$ = OrvGramNode(EX_CD_OUTPUT); }
        | RW_I_O                        { $$ = OrvGramNode(EX_CD_I_O); }
        ;

cd_description
        : cd_clauses                    { $$ = $1; }
        | cd_data_names                 { $$ = $1; }
        ;

cd_clauses
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | cd_clauses cd_clause          { $$ = OrvGramListAppend(EX_CD_LIST, &$1, $2); }
        ;

/* DESTINATION at the start of a clause is first tried as DESTINATION
   COUNT or DESTINATION TABLE, then as the queue clause without SYMBOLIC;
   each of them commits. */
cd_clause
        : symbolic_opt cd_queue is_opt entry_name_def
                                        [ YYVALID; $$ = OrvGramNode(EX_CD_QUEUE_IS, $2, $4); ]
        | RW_MESSAGE RW_DATE is_opt entry_name_def
                                        { $$ = OrvGramNode(EX_CD_MSG_DATE_IS, $4); }
        | RW_MESSAGE RW_TIME is_opt entry_name_def
                                        { $$ = OrvGramNode(EX_CD_MSG_TIME_IS, $4); }
        | RW_TEXT RW_LENGTH is_opt entry_name_def
                                        { $$ = OrvGramNode(EX_CD_TEXT_LENGTH_IS, $4); }
        | RW_END RW_KEY is_opt entry_name_def
                                        { $$ = OrvGramNode(EX_CD_END_KEY_IS, $4); }
        | RW_STATUS RW_KEY is_opt entry_name_def
                                        { $$ = OrvGramNode(EX_CD_STATUS_KEY_IS, $4); }
        | RW_ERROR RW_KEY is_opt entry_name_def
                                        { $$ = OrvGramNode(EX_CD_ERROR_KEY_IS, $4); }
        | message_opt RW_COUNT is_opt entry_name_def
                                        { $$ = OrvGramNode(EX_CD_MSG_COUNT_IS, $4); }
        | RW_DESTINATION RW_COUNT cd_commit is_opt entry_name_def
                                        { $$ = OrvGramNode(EX_CD_DEST_COUNT_IS, $5); }
        | RW_DESTINATION RW_TABLE cd_commit RW_OCCURS integer RW_TIMES indexed_by_opt
                                        { $$ = OrvGramNode(EX_CD_DEST_TABLE_OCCURS, $5, $7); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_DATA); if (yytrial) break; $$ = OrvGramErrorNode(); ]
        ;

cd_commit
        : /* empty */                   [ YYVALID; ]
        ;

cd_queue
        : RW_QUEUE                      { $$ = OrvGramNode(EX_CD_SYMB_QUEUE); }
        | RW_SUB_QUEUE_1                { $$ = OrvGramNode(EX_CD_SYMB_SUB_QUEUE_1); }
        | RW_SUB_QUEUE_2                { $$ = OrvGramNode(EX_CD_SYMB_SUB_QUEUE_2); }
        | RW_SUB_QUEUE_3                { $$ = OrvGramNode(EX_CD_SYMB_SUB_QUEUE_3); }
        | RW_SOURCE                     { $$ = OrvGramNode(EX_CD_SYMB_SOURCE); }
        | RW_DESTINATION                { $$ = OrvGramNode(EX_CD_SYMB_DEST); }
        | RW_TERMINAL                   { $$ = OrvGramNode(EX_CD_SYMB_TERMINAL); }
        ;

symbolic_opt
        : /* empty */
        | RW_SYMBOLIC
        ;

message_opt
        : /* empty */
        | RW_MESSAGE
        ;

cd_data_names
        : cd_data_name                  { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | cd_data_names cd_data_name    { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

cd_data_name
        : entry_name_def                { $$ = $1; }
        | RW_FILLER                     { $$ = OrvGramNode(EX_FILLER); }
        ;

/* ===================================================================== */
/* Data description entries                                               */
/* ===================================================================== */

/* The entries of one FD, SD, CD or storage section.  Each entry is nested
   by its level as it is reduced; the closing reduction hands the records
   on.  A COPY marker or an error after the entries stays among them. */
record_entries
        : record_items %prec PRTY_LOW   { $$ = OrvGramRecordEntries(); }
        ;

record_items
        : /* empty */
        | record_items record_item
        ;

record_item
        : data_description_entry
        | SEP_INLINED_COPY              { OrvGramMarkerAmongEntries(POSITION_STEP($1), DECL_DD); }
        | SEP_UNINLINED_COPY            { OrvGramItemAmongEntries(POSITION_STEP($1)); }
        | exec_statement dot_opt        { OrvGramExecAmongEntries(POSITION_STEP($1)); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_DATA); if (yytrial) break; OrvGramItemAmongEntries(POSITION_STEP(OrvGramErrorNode())); ]
        ;

data_description_entry
        : level_number entry_copy_opt data_name_opt data_entry_start data_clauses SEP_DOT
                                        { OrvGramPlaceEntry(POSITION_STEP(OrvEntryCollector.Finish()), DECL_DD); }
        ;

data_entry_start
        : /* empty */                   { $$ = OrvGramStartDataEntry($<node>-2, $<node>-1, $<node>0, POSITION_OF($<node>-2)); }
        ;

level_number
        : TK_INT_NUM_LIT                { $$ = $1; }
        ;

entry_copy_opt
        : /* empty */ %prec PRTY_LOW    { $$ = nullptr; }
        | copy_marker                   { $$ = $1; }
        ;

data_name_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_FILLER                     { $$ = OrvGramNode(EX_FILLER); }
        | entry_name_def                { $$ = $1; }
        ;

/* A data name defined by an entry; a constant name defined again gives a
   warning and keeps its category. */
entry_name_def
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_DATA_NAME, 1); }
        | UW_CONSTANT_NAME              { $$ = OrvGramConstantNameAgain($1); }
        ;

data_clauses
        : /* empty */
        | data_clauses data_clause
        ;

data_clause
        : RW_REDEFINES subject_name     { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__REDEFINES_CLAUSE, OrvGramNode(DX_REDEFINES, $2)); }
        | RW_RENAMES subject_name renames_thru_opt
                                        { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__RENAMES, OrvGramNode(DX_RENAMES, OrvGramNode(EX_RENAMES_THRU, $2, $3))); }
        | is_opt RW_EXTERNAL            { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__EXTERNAL, OrvGramNode(DX_EXTERNAL)); }
        | is_opt RW_GLOBAL              { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__GLOBAL, OrvGramNode(DX_GLOBAL)); }
        | picture_string                { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__PICTURE, OrvGramNode(DX_PICTURE, $1)); }
        | usage_opt usage               { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__USAGE, OrvGramNode(DX_USAGE, $2)); }
        | occurs_clause                 { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__OCCURS, $1); }
        | sign_clause                   { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__SIGN, $1); }
        | sync_word sync_side_opt       { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__SYNCHRONIZED, OrvGramNode(DX_SYNCHRONIZED, $2)); }
        | justified_words               { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__JUSTIFIED, OrvGramNode(DX_JUSTIFIED)); }
        | RW_BLANK when_opt zero_word   { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__BLANK_WHEN_ZERO, OrvGramNode(DX_BWZ)); }
        | value_clause                  { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__VALUE, $1); }
        | copy_marker                   { HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__COPYBEGIN_END_SYNTAXERROR, $1); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_DATA); if (yytrial) break; HAND_CLAUSE(OrvEntryCollector, DECL_DD_ENTRY__COPYBEGIN_END_SYNTAXERROR, OrvGramErrorNode()); ]
        ;

/* The operand of REDEFINES and RENAMES: a use that may name an earlier
   definition of the same name. */
subject_name
        : qualified_names               { $$ = OrvNewNamedObjUse($1, SYMCAT_DATA_NAME, 1); }
        ;

renames_thru_opt
        : /* empty */                   { $$ = nullptr; }
        | thru_word subject_name        { $$ = $2; }
        ;

picture_string
        : picture_word is_opt TK_PIC_CHAR_STRING
                                        { $$ = $3; }
        ;

picture_word
        : RW_PIC
        | RW_PICTURE
        ;

usage_opt
        : /* empty */
        | RW_USAGE is_opt
        ;

usage
        : RW_DISPLAY                    { $$ = OrvGramNode(DU_DISPLAY); }
        | RW_COMPUTATIONAL              { $$ = OrvGramUsage(DU_COMP); }
        | RW_COMP                       { $$ = OrvGramUsage(DU_COMP); }
        | RW_BINARY                     { $$ = OrvGramNode(DU_BINARY); }
        | RW_COMPUTATIONAL_4            { $$ = OrvGramNode(DU_COMP_4); }
        | RW_COMP_4                     { $$ = OrvGramNode(DU_COMP_4); }
        | RW_COMPUTATIONAL_1            { $$ = OrvGramUsage(DU_COMP_1); }
        | RW_COMP_1                     { $$ = OrvGramUsage(DU_COMP_1); }
        | RW_COMPUTATIONAL_2            { $$ = OrvGramUsage(DU_COMP_2); }
        | RW_COMP_2                     { $$ = OrvGramUsage(DU_COMP_2); }
        | RW_COMPUTATIONAL_0            { $$ = OrvGramNode(DU_COMP_0); }
        | RW_COMP_0                     { $$ = OrvGramNode(DU_COMP_0); }
        | RW_COMPUTATIONAL_3            { $$ = OrvGramNode(DU_COMP_3); }
        | RW_COMP_3                     { $$ = OrvGramNode(DU_COMP_3); }
        | RW_PACKED_DECIMAL             { $$ = OrvGramNode(DU_PACKED_DECIMAL); }
        | RW_COMPUTATIONAL_5            { $$ = OrvGramNode(DU_COMP_5); }
        | RW_COMP_5                     { $$ = OrvGramNode(DU_COMP_5); }
        | RW_COMPUTATIONAL_X            { $$ = OrvGramNode(DU_COMP_X); }
        | RW_COMP_X                     { $$ = OrvGramNode(DU_COMP_X); }
        | RW_COMPUTATIONAL_6            { $$ = OrvGramNode(DU_COMP_6); }
        | RW_COMP_6                     { $$ = OrvGramNode(DU_COMP_6); }
        | RW_BIT                        { $$ = OrvGramNode(DU_BIT); }
        | RW_INDEX                      { $$ = OrvGramNode(DU_INDEX); }
        | RW_DISPLAY_1                  { $$ = OrvGramNode(DU_DISPLAY_1); }
        | RW_POINTER                    { $$ = OrvGramNode(DU_POINTER); }
        | RW_PROCEDURE_POINTER          { $$ = OrvGramNode(DU_PROC_POINTER); }
        ;

occurs_clause
        : RW_OCCURS occurs_range_opt times_opt occurs_depending_opt occurs_keys_opt indexed_by_opt
                                        { $$ = OrvGramNode(DX_OCCURS, $2, $4, $5, $6); }
        ;

occurs_range_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | integer_range                 { $$ = $1; }
        ;

occurs_depending_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_DEPENDING on_opt qualified_name
                                        { $$ = OrvGramNode(EX_DEPENDING_ON, $3); }
        ;

occurs_keys_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | occurs_keys                   { $$ = $1; }
        ;

occurs_keys
        : occurs_key                    { $$ = OrvListExpr(DX_OCCURS_KEY_LIST, $1, nullptr); }
        | occurs_keys occurs_key        { $$ = OrvListExpr(DX_OCCURS_KEY_LIST, $1, $2); }
        ;

occurs_key
        : ascending_descending key_opt is_opt key_names
                                        { $$ = OrvGramNode(DX_OCCURS_KEY, $1, $4); }
        ;

key_names
        : qualified_name                { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | key_names qualified_name      { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

indexed_by_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_INDEXED by_opt index_name_defs
                                        { $$ = OrvGramNode(DX_INDEXED_BY, $3); }
        ;

index_name_defs
        : index_name_def                { $$ = OrvListExpr(DX_INDEX_DEFS_LIST, $1, nullptr); }
        | index_name_defs index_name_def
                                        { $$ = OrvListExpr(DX_INDEX_DEFS_LIST, $1, $2); }
        ;

index_name_def
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_INDEX_NAME, 1); }
        ;

/* SIGN, shared by data entries, report groups and screen entries. */
sign_clause
        : sign_is_opt leading_trailing separate_opt
                                        { $$ = OrvGramNode(DX_SIGN, $2, $3); }
        ;

sign_is_opt
        : /* empty */
        | RW_SIGN is_opt
        ;

leading_trailing
        : RW_LEADING                    { $$ = OrvGramNode(DX_SIGN_LEADING); }
        | RW_TRAILING                   { $$ = OrvGramNode(DX_SIGN_TRAILING); }
        ;

separate_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_SEPARATE character_opt     { $$ = OrvGramNode(DX_SIGN_SEPARATE); }
        ;

sync_word
        : RW_SYNC
        | RW_SYNCHRONIZED
        ;

sync_side_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_LEFT                       { $$ = OrvGramNode(DX_SYNC_LEFT); }
        | RW_RIGHT                      { $$ = OrvGramNode(DX_SYNC_RIGHT); }
        ;

justified_words
        : justified_word right_opt
        ;

justified_word
        : RW_JUST
        | RW_JUSTIFIED
        ;

/* VALUE: value ranges and the WHEN FALSE value; level 88 keeps them, the
   nesting of entries turns the others into their final forms. */
value_clause
        : value_words value_ranges when_false_opt
                                        { $$ = OrvGramNode(EX_COND_VALUE, $2, $3); }
        ;

value_words
        : RW_VALUE is_opt
        | RW_VALUES are_opt
        ;

value_ranges
        : value_range                   { $$ = OrvListExpr(EX_VALUE_RANGE_LIST, $1, nullptr); }
        | value_ranges value_range      { $$ = OrvListExpr(EX_VALUE_RANGE_LIST, $1, $2); }
        ;

value_range
        : value_expr                    { $$ = OrvGramNode(EX_VALUE_RANGE, $1); }
        | value_expr thru_word literal  { $$ = OrvGramNode(EX_VALUE_RANGE, $1, $3); }
        ;

/* Terms joined left to right, all operators of one precedence; a run of
   one operator is one list.  These rules stay apart from the arithmetic
   expressions, whose operators bind differently. */
value_expr
        : value_term                    { $$ = $1; }
        | value_expr OP_PLUS value_term { $$ = OrvListExpr(AR_ADD, $1, $3); }
        | value_expr OP_MINUS value_term
                                        { $$ = OrvListExpr(AR_SUB, $1, $3); }
        | value_expr OP_MUL value_term  { $$ = OrvListExpr(AR_MUL, $1, $3); }
        | value_expr OP_DIV value_term  { $$ = OrvListExpr(AR_DIV, $1, $3); }
        | value_expr RW_AND value_term  { $$ = OrvListExpr(BIT_AND, $1, $3); }
        | value_expr RW_OR value_term   { $$ = OrvListExpr(BIT_OR, $1, $3); }
        ;

value_term
        : literal_or_all                { $$ = $1; }
        | RW_NEXT                       { $$ = OrvGramNode(EX_VAL_NEXT); }
        | RW_START of_opt identifier    { $$ = OrvGramNode(EX_VAL_START_OF, $3); }
        | RW_LENGTH of_opt identifier   { $$ = OrvGramNode(EX_VAL_LENGTH_OF, $3); }
        | TK_USER_DEFD_WORD             { $$ = OrvGramUndefinedConstant($1, POSITION_OF($1)); }
        ;

when_false_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | when_opt set_opt to_opt RW_FALSE literal
                                        { $$ = OrvGramNode(EX_VALUE_WHEN_FALSE, $5); }
        ;

/* ===================================================================== */
/* REPORT SECTION                                                         */
/* ===================================================================== */

report_section
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_REPORT RW_SECTION SEP_DOT report_section_start report_descriptions
                                        { $$ = OrvGramFillSlots($4, $5); }
        ;

report_section_start
        : /* empty */                   { $$ = OrvGramNode(SECTION_REPORT); }
        ;

report_descriptions
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | report_descriptions report_description
                                        { $$ = OrvGramListAppend(DECL_RD_LIST, &$1, $2); }
        ;

/* An RD entry and the report groups after it, nested by level. */
report_description
        : report_description_entry report_group_items
                                        { $$ = OrvGramReportDescription($1); }
        ;

report_description_entry
        : RW_RD report_name_def report_description_start report_description_clauses SEP_DOT
                                        { $$ = OrvGramFinishReportDescription(); }
        ;

report_name_def
        : TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_REPORT_NAME); }
        ;

report_description_start
        : /* empty */                   { $$ = OrvGramStartReportDescription($<node>0); }
        ;

report_description_clauses
        : /* empty */
        | report_description_clauses report_description_clause
        ;

report_description_clause
        : is_opt RW_GLOBAL              { HAND_CLAUSE(OrvReportDescriptionCollector, DECL_RD_ENTRY__GLOBAL, OrvGramNode(DX_GLOBAL)); }
        | with_opt RW_CODE literal_or_all
                                        { HAND_CLAUSE(OrvReportDescriptionCollector, DECL_RD_ENTRY__CODE, OrvGramNode(EX_RD_CODE, $3)); }
        | RW_CONTROL is_opt report_controls
                                        { HAND_CLAUSE(OrvReportDescriptionCollector, DECL_RD_ENTRY__CONTROLS, OrvGramNode(EX_RD_CONTROLS, $3)); }
        | RW_CONTROLS are_opt report_controls
                                        { HAND_CLAUSE(OrvReportDescriptionCollector, DECL_RD_ENTRY__CONTROLS, OrvGramNode(EX_RD_CONTROLS, $3)); }
        | RW_PAGE page_limit_opt integer line_lines_opt page_phrases
                                        { HAND_CLAUSE(OrvReportDescriptionCollector, DECL_RD_ENTRY__PAGE_LIMITS, OrvGramNode(EX_RD_PAGE_LIMITS, $3, $5)); }
        | copy_marker                   { HAND_CLAUSE(OrvReportDescriptionCollector, DECL_RD_ENTRY__COPYBEGIN_END_SYNTAXERROR, $1); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_DATA); if (yytrial) break; HAND_CLAUSE(OrvReportDescriptionCollector, DECL_RD_ENTRY__COPYBEGIN_END_SYNTAXERROR, OrvGramErrorNode()); ]
        ;

report_controls
        : report_control                { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | report_controls report_control
                                        { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

report_control
        : identifier                    { $$ = $1; }
        | RW_FINAL                      { $$ = OrvGramNode(EX_RD_FINAL); }
        ;

page_limit_opt
        : /* empty */
        | RW_LIMIT is_opt
        | RW_LIMITS are_opt
        ;

line_lines_opt
        : /* empty */
        | RW_LINE
        | RW_LINES
        ;

page_phrases
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | page_phrases page_phrase      { $$ = OrvGramListAppend(EX_LIST, &$1, $2); }
        ;

page_phrase
        : RW_HEADING integer            { $$ = OrvGramNode(EX_RD_HEADING, $2); }
        | RW_FOOTING integer            { $$ = OrvGramNode(EX_RD_FOOTING, $2); }
        | RW_FIRST RW_DETAIL integer    { $$ = OrvGramNode(EX_RD_FIRST_DETAIL, $3); }
        | RW_LAST RW_DETAIL integer     { $$ = OrvGramNode(EX_RD_LAST_DETAIL, $3); }
        ;

/* Report group entries, COPY markers and errors between them. */
report_group_items
        : report_group_item
        | report_group_items report_group_item
        ;

report_group_item
        : report_group_entry
        | SEP_INLINED_COPY              { OrvGramMarkerAmongEntries(POSITION_STEP($1), DECL_RGD); }
        | SEP_UNINLINED_COPY            { OrvGramItemAmongEntries(POSITION_STEP($1)); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_DATA); if (yytrial) break; OrvGramItemAmongEntries(POSITION_STEP(OrvGramErrorNode())); ]
        ;

report_group_entry
        : level_number report_group_name_opt report_group_start report_group_clauses SEP_DOT
                                        { OrvGramPlaceEntry(POSITION_STEP(OrvEntryCollector.Finish()), DECL_RGD); }
        ;

report_group_name_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_REPORT_GROUP_DESC_NAME, 1); }
        ;

report_group_start
        : /* empty */                   { $$ = OrvGramStartReportGroup($<node>-1, $<node>0, POSITION_OF($<node>-1)); }
        ;

report_group_clauses
        : /* empty */
        | report_group_clauses report_group_clause
        ;

report_group_clause
        : RW_LINE number_opt is_opt report_position
                                        { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__LINE, OrvGramNode(EX_RGD_LINE_NUMBER, $4)); }
        | RW_NEXT RW_GROUP next_group_commit is_opt report_position
                                        { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__NEXT_GROUP, OrvGramNode(EX_RGD_NEXT_GROUP, $5)); }
        | RW_TYPE is_opt report_group_type
                                        { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__TYPE, OrvGramNode(EX_RGD_TYPE, $3)); }
        | RW_COLUMN number_opt is_opt integer
                                        { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__COLUMN, OrvGramNode(EX_RGD_COLUMN_NUMBER, $4)); }
        | RW_SOURCE is_opt operand      { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__SOURCE, OrvGramNode(EX_RGD_SOURCE, $3)); }
        | RW_VALUE is_opt literal_or_all
                                        { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__VALUE, OrvGramNode(EX_RGD_VALUE, $3)); }
        | RW_SUM identifiers sum_upon_opt sum_reset_opt
                                        { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__SUM, OrvGramNode(EX_RGD_SUM, $2, $3, $4)); }
        | RW_GROUP indicate_opt         { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__GROUP_INDICATE, OrvGramNode(EX_RGD_GROUP_INDICATE)); }
        | usage_opt RW_DISPLAY          { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__USAGE, OrvGramNode(DX_USAGE, OrvGramNode(DU_DISPLAY))); }
        | picture_string                { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__PICTURE, OrvGramNode(DX_PICTURE, $1)); }
        | sign_clause                   { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__SIGN, $1); }
        | RW_BLANK when_opt zero_word   { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__BLANK_WHEN_ZERO, OrvGramNode(DX_BWZ)); }
        | copy_marker                   { HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__COPYBEGIN_END_SYNTAXERROR, $1); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_DATA); if (yytrial) break; HAND_CLAUSE(OrvEntryCollector, DECL_RGD_ENTRY__COPYBEGIN_END_SYNTAXERROR, OrvGramErrorNode()); ]
        ;

/* NEXT after the integer of a position is first tried as NEXT PAGE, then
   as the start of a NEXT GROUP clause; NEXT PAGE and NEXT GROUP commit. */
report_position
        : integer                       { $$ = OrvGramNode(EX_RGD_POS_INT, $1, OrvGramNullNode()); }
        | integer RW_NEXT RW_PAGE       [ YYVALID; $$ = OrvGramNode(EX_RGD_POS_INT, $1, OrvGramNode(EX_RGD_POS_ON_NEXT_PAGE)); ]
        | integer RW_ON RW_NEXT RW_PAGE { $$ = OrvGramNode(EX_RGD_POS_INT, $1, OrvGramNode(EX_RGD_POS_ON_NEXT_PAGE)); }
        | RW_PLUS integer               { $$ = OrvGramNode(EX_RGD_POS_PLUS, $2); }
        | RW_NEXT RW_PAGE               { $$ = OrvGramNode(EX_RGD_POS_NEXT_PAGE); }
        ;

next_group_commit
        : /* empty */                   [ YYVALID; ]
        ;

report_group_type
        : RW_REPORT RW_HEADING          { $$ = OrvGramNode(EX_RGD_REPORT_HEADING); }
        | RW_RH                         { $$ = OrvGramNode(EX_RGD_REPORT_HEADING); }
        | RW_PAGE RW_HEADING            { $$ = OrvGramNode(EX_RGD_PAGE_HEADING); }
        | RW_PH                         { $$ = OrvGramNode(EX_RGD_PAGE_HEADING); }
        | RW_CONTROL RW_HEADING report_control
                                        { $$ = OrvGramNode(EX_RGD_CONTROL_HEADING, $3); }
        | RW_CH report_control          { $$ = OrvGramNode(EX_RGD_CONTROL_HEADING, $2); }
        | RW_DETAIL                     { $$ = OrvGramNode(EX_RGD_DETAIL); }
        | RW_DE                         { $$ = OrvGramNode(EX_RGD_DETAIL); }
        | RW_CONTROL RW_FOOTING report_control
                                        { $$ = OrvGramNode(EX_RGD_CONTROL_FOOTING, $3); }
        | RW_CF report_control          { $$ = OrvGramNode(EX_RGD_CONTROL_FOOTING, $2); }
        | RW_PAGE RW_FOOTING            { $$ = OrvGramNode(EX_RGD_PAGE_FOOTING); }
        | RW_PF                         { $$ = OrvGramNode(EX_RGD_PAGE_FOOTING); }
        | RW_REPORT RW_FOOTING          { $$ = OrvGramNode(EX_RGD_REPORT_FOOTING); }
        | RW_RF                         { $$ = OrvGramNode(EX_RGD_REPORT_FOOTING); }
        ;

sum_upon_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_UPON identifiers           { $$ = OrvGramNode(EX_RGD_SUM_UPON, $2); }
        ;

sum_reset_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_RESET on_opt report_control
                                        { $$ = OrvGramNode(EX_RGD_SUM_RESET_ON, $3); }
        ;

/* The names after INITIATE and TERMINATE, and after REPORT in an FD. */
report_names
        : report_name_use               { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | report_names report_name_use  { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

report_name_use
        : TK_USER_DEFD_WORD             { $$ = OrvGramNameUse($1, SYMCAT_REPORT_NAME, POSITION_OF($1)); }
        ;

/* ===================================================================== */
/* SCREEN SECTION                                                         */
/* ===================================================================== */

/* The section takes the screen entries nested by level; the tokens left
   with the section go to its list of entries. */
screen_section
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_SCREEN RW_SECTION SEP_DOT screen_items
                                        { $$ = OrvGramScreenSectionTokens(POSITION_STEP(OrvGramScreenSection())); }
        ;

screen_items
        : screen_item
        | screen_items screen_item
        ;

screen_item
        : screen_entry
        | SEP_INLINED_COPY              { OrvGramMarkerAmongEntries(POSITION_STEP($1), DECL_SCRD); }
        | SEP_UNINLINED_COPY            { OrvGramItemAmongEntries(POSITION_STEP($1)); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_DATA); if (yytrial) break; OrvGramItemAmongEntries(POSITION_STEP(OrvGramErrorNode())); ]
        ;

screen_entry
        : level_number screen_name_opt screen_entry_start screen_clauses SEP_DOT
                                        { OrvGramPlaceEntry(POSITION_STEP(OrvScreenItemCollector.Finish()), DECL_SCRD); }
        ;

screen_name_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_FILLER                     { $$ = OrvGramNode(EX_FILLER); }
        | TK_USER_DEFD_WORD             { $$ = OrvGramDefine($1, SYMCAT_SCREEN_NAME, 1); }
        ;

screen_entry_start
        : /* empty */                   { $$ = OrvGramStartScreenEntry($<node>-1, $<node>0, POSITION_OF($<node>-1)); }
        ;

screen_clauses
        : /* empty */
        | screen_clauses screen_clause
        ;

screen_clause
        : screen_attribute              { HAND_CLAUSE(OrvScreenItemCollector, OrvGramScreenAttributeSlot($1), $1); }
        | screen_input_attribute        { HAND_CLAUSE(OrvScreenItemCollector, OrvGramScreenAttributeSlot($1), $1); }
        | screen_blank                  { HAND_CLAUSE(OrvScreenItemCollector, OrvGramScreenAttributeSlot($1), $1); }
        | RW_PROMPT character_opt is_opt operand
                                        { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__PROMPT, OrvGramNode(SCRD_PROMPT, $4)); }
        | RW_LINE number_opt is_opt screen_sign_opt screen_operand_opt
                                        { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__LINE, OrvGramNode(SCRD_LINE_NUMBER, $4, $5)); }
        | column_word number_opt is_opt screen_sign_opt screen_operand_opt
                                        { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__COLUMN, OrvGramNode(SCRD_COLUMN_NUMBER, $4, $5)); }
        | screen_value_opt screen_literal
                                        { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__VALUE, OrvGramNode(SCRD_VALUE, $2)); }
        | picture_string                { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__PICTURE, OrvGramNode(SCRD_PICTURE, $1)); }
        | RW_FROM operand               { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__FROM, OrvGramNode(SCRD_FROM, $2)); }
        | RW_TO identifier              { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__TO, OrvGramNode(SCRD_TO, $2)); }
        | RW_USING identifier           { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__USING, OrvGramNode(SCRD_USING, $2)); }
        | usage_opt RW_DISPLAY          { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__USAGE, OrvGramNode(SCRD_USAGE, OrvGramNode(DU_DISPLAY))); }
        | RW_BLANK when_opt RW_ZERO     { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__BLANK_WHEN_ZERO, OrvGramNode(SCRD_BWZ)); }
        | justified_words               { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__JUSTIFIED, OrvGramNode(SCRD_JUSTIFIED)); }
        | sign_clause                   { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__SIGN, OrvGramRetag($1, SCRD_SIGN)); }
        | RW_OCCURS integer times_opt   { HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__OCCURS, OrvGramNode(SCRD_OCCURS, $2)); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_DATA); if (yytrial) break; HAND_CLAUSE(OrvScreenItemCollector, DECL_SCRD_ENTRY__COPYBEGIN_END_SYNTAXERROR, OrvGramErrorNode()); ]
        ;

/* Display attributes, input attributes and BLANK SCREEN or LINE: also
   phrases of ACCEPT and DISPLAY screen items, which put them in the same
   slots (OrvGramScreenAttributeSlot). */
screen_attribute
        : RW_BELL                       { $$ = OrvGramNode(DSPL_BELL); }
        | RW_BEEP                       { $$ = OrvGramNode(DSPL_BELL); }
        | RW_BLINK                      { $$ = OrvGramNode(DSPL_BLINK); }
        | RW_ERASE erase_extent_opt     { $$ = OrvGramNode(DSPL_ERASE, $2); }
        | RW_GRID                       { $$ = OrvGramNode(DSPL_GRID); }
        | RW_HIGHLIGHT                  { $$ = OrvGramNode(DSPL_HIGHLIGHT); }
        | RW_BOLD                       { $$ = OrvGramNode(DSPL_HIGHLIGHT); }
        | RW_LOWLIGHT                   { $$ = OrvGramNode(DSPL_LOWLIGHT); }
        | RW_DIM                        { $$ = OrvGramNode(DSPL_LOWLIGHT); }
        | RW_LEFTLINE                   { $$ = OrvGramNode(DSPL_LEFTLINE); }
        | RW_OVERLINE                   { $$ = OrvGramNode(DSPL_OVERLINE); }
        | RW_REVERSE_VIDEO              { $$ = OrvGramNode(DSPL_REVERSE_VIDEO); }
        | RW_REVERSED                   { $$ = OrvGramNode(DSPL_REVERSE_VIDEO); }
        | RW_SIZE is_opt operand        { $$ = OrvGramNode(DSPL_SIZE, $3); }
        | RW_UNDERLINE                  { $$ = OrvGramNode(DSPL_UNDERLINE); }
        | RW_UNDERLINED                 { $$ = OrvGramNode(DSPL_UNDERLINE); }
        | foreground_word is_opt operand
                                        { $$ = OrvGramNode(DSPL_FOREGROUND_COLOR, $3); }
        | background_word is_opt operand
                                        { $$ = OrvGramNode(DSPL_BACKGROUND_COLOR, $3); }
        | RW_CONTROL is_opt operand     { $$ = OrvGramNode(DSPL_CONTROL, $3); }
        ;

erase_extent_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_EOL                        { $$ = OrvGramNode(DSPL_EOL); }
        | RW_EOS                        { $$ = OrvGramNode(DSPL_EOS); }
        ;

foreground_word
        : RW_FOREGROUND_COLOR
        | RW_FOREGROUND_COLOUR
        ;

background_word
        : RW_BACKGROUND_COLOR
        | RW_BACKGROUND_COLOUR
        ;

screen_input_attribute
        : RW_AUTO                       { $$ = OrvGramNode(ACCP_AUTO); }
        | RW_AUTO_SKIP                  { $$ = OrvGramNode(ACCP_AUTO); }
        | RW_FULL                       { $$ = OrvGramNode(ACCP_FULL); }
        | RW_LENGTH_CHECK               { $$ = OrvGramNode(ACCP_FULL); }
        | RW_REQUIRED                   { $$ = OrvGramNode(ACCP_REQUIRED); }
        | RW_EMPTY_CHECK                { $$ = OrvGramNode(ACCP_REQUIRED); }
        | RW_SECURE                     { $$ = OrvGramNode(ACCP_SECURE); }
        | RW_NO_ECHO                    { $$ = OrvGramNode(ACCP_SECURE); }
        | RW_ZERO_FILL                  { $$ = OrvGramNode(ACCP_ZERO_FILL); }
        ;

screen_blank
        : RW_BLANK RW_SCREEN            { $$ = OrvGramNode(DSPL_BLANK, OrvGramNode(DSPL_SCREEN)); }
        | RW_BLANK RW_LINE              { $$ = OrvGramNode(DSPL_BLANK, OrvGramNode(DSPL_LINE)); }
        ;

column_word
        : RW_COL
        | RW_COLUMN
        ;

screen_sign_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_PLUS                       { $$ = OrvGramNode(SCRD_PLUS); }
        | OP_PLUS                       { $$ = OrvGramNode(SCRD_PLUS); }
        | OP_MINUS                      { $$ = OrvGramNode(SCRD_MINUS); }
        ;

/* An operand after LINE or COLUMN is taken by the clause, not read as a
   VALUE clause without its word. */
screen_operand_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | operand                       { $$ = $1; }
        ;

screen_value_opt
        : /* empty */
        | RW_VALUE is_opt
        ;

screen_literal
        : TK_INT_NUM_LIT                { $$ = $1; }
        | TK_REAL_NUM_LIT               { $$ = $1; }
        | TK_NONNUM_LIT                 { $$ = $1; }
        | zero_word                     { $$ = OrvGramNode(FIG_ZERO); }
        ;

/* ===================================================================== */
/* PROCEDURE DIVISION structure                                           */
/* ===================================================================== */

/* Section and paragraph names are read as Area A names from the end of the
   header on. */
proc_division
        : RW_PROCEDURE RW_DIVISION call_convention_opt with_linkage_opt proc_using_opt giving_opt SEP_DOT
          proc_division_start copy_item declaratives_opt proc_container_start copy_item procedure_items
                                        [ OrvGramAreaANames(0); if (yytrial) break; $$ = OrvGramFinishProcDivision($8, $9, $10, $12); ]
        ;

proc_division_start
        : /* empty */                   [ OrvGramAreaANames(1); if (yytrial) break; $$ = OrvGramStartProcDivision($<node>-4, $<node>-3, $<node>-2, $<node>-1); POSITION_STEP($$); ]
        ;

proc_container_start
        : /* empty */                   { OrvGramProcContainer($<node>-2, DIVISION_PROCEDURE__IMPERATIVES); }
        ;

call_convention_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | mnemonic_name_use             { $$ = $1; }
        ;

/* The linkage type is read with the name lookup off. */
with_linkage_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_WITH name_lookup_off TK_CHAR_STRING linkage_word_opt
                                        [ OrvGramNameLookup(1); if (yytrial) break; $$ = OrvGramNode(EX_CALL_WITH_LINKAGE, $3); ]
        ;

linkage_word_opt
        : /* empty */
        | RW_LINKAGE
        ;

proc_using_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_USING passing_mode_start proc_params
                                        { $$ = OrvGramNode(EX_PROC_USING, $3); }
        | RW_CHAINING passing_mode_start proc_params
                                        { $$ = OrvGramNode(EX_PROC_CHAINING, $3); }
        ;

passing_mode_start
        : /* empty */                   { OrvPassingMode = EX_PT_BY_REFERENCE; }
        ;

proc_params
        : proc_param                    { $$ = OrvListExpr(EX_PROC_PARAM_LIST, $1, nullptr); }
        | proc_params proc_param        { $$ = OrvListExpr(EX_PROC_PARAM_LIST, $1, $2); }
        ;

proc_param
        : passing_mode_opt TK_USER_DEFD_WORD
                                        { $$ = OrvGramProcParam($1, OrvGramNameUse($2, SYMCAT_DATA_NAME, POSITION_OF($2)), OrvPassingMode); }
        ;

passing_mode_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | by_opt RW_REFERENCE           { $$ = OrvGramPassingMode(EX_PT_BY_REFERENCE, &OrvPassingMode); }
        | by_opt RW_CONTENT             { $$ = OrvGramPassingMode(EX_PT_BY_CONTENT, &OrvPassingMode); }
        | by_opt RW_VALUE               { $$ = OrvGramPassingMode(EX_PT_BY_VALUE, &OrvPassingMode); }
        ;

giving_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | giving_word into_opt identifier
                                        { $$ = OrvGramNode(EX_CALL_GIVING, OrvGramNode(EX_CALL_GIVING_INTO, $3)); }
        | giving_word RW_ADDRESS RW_OF identifier
                                        { $$ = OrvGramNode(EX_CALL_GIVING, OrvGramNode(EX_CALL_GIVING_ADDRESS_OF, $4)); }
        ;

/* A COPY marker or an error before the declaratives and before the
   sections has its own slot of the division. */
copy_item
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | copy_marker                   { $$ = $1; }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_PROCEDURE); if (yytrial) break; $$ = OrvGramErrorNode(); ]
        ;

copy_marker
        : SEP_INLINED_COPY              { $$ = $1; }
        | SEP_UNINLINED_COPY            { $$ = $1; }
        ;

declaratives_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_DECLARATIVES SEP_DOT declaratives_start procedure_items end_declaratives
                                        { $$ = OrvGramFinishDeclaratives(&$3, $5); }
        ;

declaratives_start
        : /* empty */                   { $$ = OrvGramStartDeclaratives(); }
        ;

end_declaratives
        : RW_END_DECLARATIVES SEP_DOT   { $$ = OrvGramNode(END_DECLARATIVES); }
        ;

/* Each item is filed at once into the sections, paragraphs and sentences
   of the division (or of the declaratives). */
procedure_items
        : /* empty */
        | procedure_items procedure_item
        ;

procedure_item
        : section_name RW_SECTION segment_number_opt SEP_DOT
                                        { OrvGramSectionHeader(POSITION_STEP(OrvGramSectionNode(&$1, $3))); }
        | paragraph_name SEP_DOT        { OrvGramParagraphHeader(POSITION_STEP(OrvGramParagraphNode(&$1))); }
        | SEP_DOT                       { OrvGramProcItem(POSITION_STEP(OrvGramNode(SENTENCE_EMPTY))); }
        | sentence_start statements SEP_DOT
                                        { OrvGramProcItem(POSITION_STEP(OrvGramNode(SENTENCE, $2))); }
        | copy_marker                   { OrvGramProcItem(POSITION_STEP($1)); }
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
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | integer                       { $$ = $1; }
        ;

/* Procedure names: one level of qualification (paragraph OF section). */
procedure_range
        : procedure_name                { $$ = OrvGramNode(EX_PROC_RANGE, $1, nullptr); }
        | procedure_name thru_word procedure_name
                                        { $$ = OrvGramNode(EX_PROC_RANGE, $1, $3); }
        ;

procedure_name
        : procedure_name_part           { $$ = OrvGramProcNameUse($1, nullptr); }
        | procedure_name_part of_in procedure_name_part
                                        { $$ = OrvGramProcNameUse($1, $3); }
        ;

procedure_name_part
        : name_use                      { $$ = $1; }
        | TK_INT_NUM_LIT                { $$ = OrvGramNumberNameUse(&$1); }
        ;

procedure_names_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | procedure_names               { $$ = $1; }
        ;

procedure_names
        : procedure_name                { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | procedure_names procedure_name
                                        { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

/* Statement sequences.  The first statement of a sequence is never an
   error: an error there is an item of the division, or a statement after
   the one before. */
statements
        : first_statement               { $$ = OrvListExpr(STMT_LIST, $1, nullptr); }
        | statements statement          { $$ = OrvListExpr(STMT_LIST, $1, $2); }
        ;

statements_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | statements %prec PRTY_LOW     { $$ = $1; }
        ;

/* ===================================================================== */
/* Statements                                                             */
/* ===================================================================== */

statement
        : first_statement               { $$ = $1; }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_PROCEDURE); if (yytrial) break; $$ = OrvGramErrorNode(); ]
        ;

first_statement
        : add_statement                 { $$ = $1; }
        | alter_statement               { $$ = $1; }
        | call_statement                { $$ = $1; }
        | cancel_statement              { $$ = $1; }
        | chain_statement               { $$ = $1; }
        | close_statement               { $$ = $1; }
        | compute_statement             { $$ = $1; }
        | continue_statement            { $$ = $1; }
        | delete_statement              { $$ = $1; }
        | divide_statement              { $$ = $1; }
        | entry_statement               { $$ = $1; }
        | evaluate_statement            { $$ = $1; }
        | exit_statement                { $$ = $1; }
        | goback_statement              { $$ = $1; }
        | goto_statement                { $$ = $1; }
        | if_statement                  { $$ = $1; }
        | initialize_statement          { $$ = $1; }
        | invoke_statement              { $$ = $1; }
        | move_statement                { $$ = $1; }
        | multiply_statement            { $$ = $1; }
        | next_sentence_statement       { $$ = $1; }
        | open_statement                { $$ = $1; }
        | perform_statement             { $$ = $1; }
        | read_statement                { $$ = $1; }
        | release_statement             { $$ = $1; }
        | return_statement              { $$ = $1; }
        | rewrite_statement             { $$ = $1; }
        | search_statement              { $$ = $1; }
        | set_statement                 { $$ = $1; }
        | start_statement               { $$ = $1; }
        | stop_statement                { $$ = $1; }
        | string_statement              { $$ = $1; }
        | subtract_statement            { $$ = $1; }
        | unlock_statement              { $$ = $1; }
        | unstring_statement            { $$ = $1; }
        | write_statement               { $$ = $1; }
        | accept_statement              { $$ = $1; }
        | display_statement             { $$ = $1; }
        | examine_statement             { $$ = $1; }
        | inspect_statement             { $$ = $1; }
        | transform_statement           { $$ = $1; }
        | sort_statement                { $$ = $1; }
        | merge_statement               { $$ = $1; }
        | receive_statement             { $$ = $1; }
        | send_statement                { $$ = $1; }
        | enable_disable_statement      { $$ = $1; }
        | purge_statement               { $$ = $1; }
        | report_writer_statement       { $$ = $1; }
        | use_statement                 { $$ = $1; }
        | note_statement                { $$ = $1; }
        | enter_statement               { $$ = $1; }
        | exhibit_statement             { $$ = $1; }
        | on_statement                  { $$ = $1; }
        | trace_statement               { $$ = $1; }
        | service_reload_statement      { $$ = $1; }
        | transaction_statement         { $$ = $1; }
        | exec_statement                { $$ = $1; }
        | copy_marker                   { $$ = $1; }
        ;

/* ---------------------------------------------------------------------
   ADD operand [[TO] operand]... TO {identifier [ROUNDED]}...
   ADD operand [[TO] operand]... [TO] operand GIVING {identifier [ROUNDED]}...
   ADD {CORR | CORRESPONDING} identifier TO identifier [ROUNDED]
       [[ON] SIZE ERROR statements] [NOT [ON] SIZE ERROR statements] [END-ADD]
   --------------------------------------------------------------------- */

/* The arithmetic statements build their node before the SIZE ERROR
   phrases (an early node), and fill it when the statement ends. */
add_statement
        : RW_ADD add_format add_start on_size_error_opt not_on_size_error_opt end_add_opt
                                        { $$ = OrvGramFillSlots($3, $2, $4, $5, $6); }
        ;

add_start
        : /* empty */                   { $$ = OrvGramNode(STMT_ADD); }
        ;

/* ADD formats.  After "ADD A TO" a word is first tried as the first
   target (the TO format commits when it is reduced), then as a further
   operand of the GIVING format (its marker commits); the GIVING format
   needs two operands at least. */
add_format
        : add_operands RW_TO rounded_identifiers
                                        [ YYVALID; $$ = OrvGramNode(EX_ARITH_ADD_TO, $1, $3); ]
        | add_operands to_opt operand RW_GIVING commit_mark rounded_identifiers
                                        { $$ = OrvGramNode(EX_ARITH_ADD_GIVING, OrvListExpr(EX_LIST, $1, $3), $6); }
        | corr_word identifier RW_TO rounded_identifier
                                        { $$ = OrvGramNode(EX_ARITH_ADD_CORR_TO, $2, $4); }
        ;

add_operands
        : operand                       { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | add_operands to_opt operand   { $$ = OrvListExpr(EX_LIST, $1, $3); }
        ;

/* An empty rule that commits a trial parse and does nothing outside one. */
commit_mark
        : /* empty */                   [ YYVALID; ]
        ;

/* ---------------------------------------------------------------------
   ALTER {procedure-name TO [PROCEED TO] procedure-name}...
   --------------------------------------------------------------------- */

/* ALTER with one item holds the item itself. */
alter_statement
        : RW_ALTER alter_items          { $$ = OrvGramNode(STMT_ALTER, $2); }
        ;

alter_items
        : alter_item                    { $$ = $1; }
        | alter_items alter_item        { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

alter_item
        : procedure_name RW_TO proceed_to_opt procedure_name
                                        { $$ = OrvGramNode(EX_ALTER_ITEM, $1, $4); }
        ;

proceed_to_opt
        : /* empty */
        | RW_PROCEED RW_TO
        ;

/* ---------------------------------------------------------------------
   CALL [mnemonic-name | PROGRAM] operand [WITH convention [LINKAGE]]
       [USING call-parameter...]
       [{GIVING | RETURNING} {[INTO] identifier | ADDRESS OF identifier}]
       [[ON] {EXCEPTION | OVERFLOW} statements] [NOT [ON] EXCEPTION statements]
       [END-CALL]
     call-parameter: [[BY] {REFERENCE | CONTENT | VALUE}] operand
                     [SIZE [IS] literal]
   --------------------------------------------------------------------- */

/* CALL: a word right after CALL is first tried as the call convention,
   then as the called program; the marker after the program commits a
   trial parse. */
call_statement
        : RW_CALL call_program_opt operand call_mark with_linkage_opt call_using_opt giving_opt call_start
          on_call_exception_opt not_on_call_exception_opt end_call_opt
                                        { $$ = OrvGramFillAll($8, $2, $3, $5, $6, $7, $9, $10, $11); }
        ;

call_start
        : /* empty */                   { $$ = OrvGramNode(STMT_CALL); }
        ;

call_program_opt
        : call_convention_opt           { $$ = $1; }
        | RW_PROGRAM                    { $$ = OrvGramNode(EX_CALL_PROGRAM); }
        ;

call_mark
        : /* empty */                   [ YYVALID; ]
        ;

/* USING, shared with CHAIN and INVOKE. */
call_using_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_USING passing_mode_start call_params
                                        { $$ = OrvGramNode(EX_CALL_USING, $3); }
        ;

call_params
        : call_param                    { $$ = OrvListExpr(EX_CALL_PARAM_LIST, $1, nullptr); }
        | call_params call_param        { $$ = OrvListExpr(EX_CALL_PARAM_LIST, $1, $2); }
        ;

call_param
        : passing_mode_opt operand call_param_size_opt
                                        { $$ = OrvGramCallParam($1, $2, $3, OrvPassingMode); }
        ;

call_param_size_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_SIZE is_opt literal        { $$ = OrvGramNode(EX_CALL_PARAM_SIZE, $3); }
        ;

/* ---------------------------------------------------------------------
   CANCEL operand...
   --------------------------------------------------------------------- */

cancel_statement
        : RW_CANCEL operands            { $$ = OrvGramNode(STMT_CANCEL, $2); }
        ;

/* ---------------------------------------------------------------------
   CHAIN operand [USING call-parameter...] [END-CHAIN]
   --------------------------------------------------------------------- */

chain_statement
        : RW_CHAIN operand call_using_opt chain_start end_chain_opt
                                        { $$ = OrvGramFillSlots($4, $2, $3, $5); }
        ;

chain_start
        : /* empty */                   { $$ = OrvGramNode(STMT_CHAIN); }
        ;

/* ---------------------------------------------------------------------
   CLOSE {file-name [REEL | UNIT]
       [[WITH] LOCK | [WITH] NO REWIND | [FOR] REMOVAL | [WITH] DISP]}...
   --------------------------------------------------------------------- */

close_statement
        : RW_CLOSE close_items          { $$ = OrvGramNode(STMT_CLOSE, $2); }
        ;

close_items
        : close_item                    { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | close_items close_item        { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

close_item
        : file_name_use close_device_opt close_disposition_opt
                                        { $$ = OrvGramNode(EX_CLOSE_ITEM, $1, $2, $3); }
        ;

close_device_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_REEL                       { $$ = OrvGramNode(IOCX_REEL); }
        | RW_UNIT                       { $$ = OrvGramNode(IOCX_UNIT); }
        ;

close_disposition_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | with_opt RW_LOCK              { $$ = OrvGramNode(IOCX_WITH_LOCK); }
        | with_opt RW_NO RW_REWIND      { $$ = OrvGramNode(IOCX_WITH_NO_REWIND); }
        | for_opt RW_REMOVAL            { $$ = OrvGramNode(IOCX_FOR_REMOVAL); }
        | with_opt RW_DISP              { $$ = OrvGramNode(IOCX_WITH_DISP); }
        ;

/* ---------------------------------------------------------------------
   COMPUTE {identifier [ROUNDED]}... {EQUAL | =} arith-expr
       [[ON] SIZE ERROR statements] [NOT [ON] SIZE ERROR statements]
       [END-COMPUTE]
   --------------------------------------------------------------------- */

compute_statement
        : RW_COMPUTE rounded_identifiers equal_word arith_expr compute_start
          on_size_error_opt not_on_size_error_opt end_compute_opt
                                        { $$ = OrvGramFillSlots($5, $2, $4, $6, $7, $8); }
        ;

compute_start
        : /* empty */                   { $$ = OrvGramNode(STMT_COMPUTE); }
        ;

/* ---------------------------------------------------------------------
   CONTINUE
   --------------------------------------------------------------------- */

continue_statement
        : RW_CONTINUE                   { $$ = OrvGramNode(STMT_CONTINUE); }
        ;

/* ---------------------------------------------------------------------
   DELETE file-name [RECORD] [INVALID [KEY] [statements]]
       [NOT INVALID [KEY] statements] [END-DELETE]
   DELETE FILE file-name...
   --------------------------------------------------------------------- */

/* DELETE's type slot has an empty rule only. */
delete_statement
        : RW_DELETE file_name_use record_opt unused_slot delete_start
          invalid_key_opt not_invalid_key_opt end_delete_opt
                                        { $$ = OrvGramFillSlots($5, $2, $4, $6, $7, $8); }
        | RW_DELETE RW_FILE file_name_uses
                                        { $$ = OrvGramNode(STMT_DELETE_FILE, $3); }
        ;

delete_start
        : /* empty */                   { $$ = OrvGramNode(STMT_DELETE); }
        ;

/* A slot that the grammar never fills: its NULL_NODE (DELETE, READ,
   REWRITE, WRITE). */
unused_slot
        : /* empty */                   { $$ = OrvGramNullNode(); }
        ;

/* ---------------------------------------------------------------------
   DIVIDE operand INTO {identifier [ROUNDED]}...
   DIVIDE operand {INTO | BY} operand GIVING {identifier [ROUNDED]}...
       [REMAINDER identifier]
       [[ON] SIZE ERROR statements] [NOT [ON] SIZE ERROR statements]
       [END-DIVIDE]
   --------------------------------------------------------------------- */

/* DIVIDE commits a trial parse when its node is made. */
divide_statement
        : RW_DIVIDE divide_format divide_start on_size_error_opt not_on_size_error_opt end_divide_opt
                                        { $$ = OrvGramFillSlots($3, $2, $4, $5, $6); }
        ;

divide_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(STMT_DIVIDE); ]
        ;

divide_format
        : operand RW_INTO rounded_identifiers
                                        { $$ = OrvGramNode(EX_ARITH_DIV_INTO, $1, $3); }
        | operand RW_INTO operand RW_GIVING rounded_identifiers remainder_opt
                                        { $$ = OrvGramNode(EX_ARITH_DIV_INTO_GIVING, $1, $3, $5, $6); }
        | operand RW_BY operand RW_GIVING rounded_identifiers remainder_opt
                                        { $$ = OrvGramNode(EX_ARITH_DIV_BY_GIVING, $1, $3, $5, $6); }
        ;

remainder_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_REMAINDER identifier       { $$ = OrvGramNode(EX_ARITH_DIV_REMAINDER, $2); }
        ;

/* ---------------------------------------------------------------------
   ENTRY alphanumeric-literal [mnemonic-name] [WITH convention [LINKAGE]]
       [{USING | CHAINING} parameter...]
       [{GIVING | RETURNING} {[INTO] identifier | ADDRESS OF identifier}]
   --------------------------------------------------------------------- */

entry_statement
        : RW_ENTRY alphanumeric_item call_convention_opt with_linkage_opt proc_using_opt giving_opt
                                        { $$ = OrvGramFillAll(OrvGramNode(STMT_ENTRY), $2, $3, $4, $5, $6); }
        ;

/* ---------------------------------------------------------------------
   EVALUATE subject [ALSO subject]...
       {{WHEN object [ALSO object]...}... statements}...
       [WHEN OTHER statements] [END-EVALUATE]
     subject: condition | ANY | TRUE | FALSE
     object:  subject | [NOT] arith-expr {THROUGH | THRU} arith-expr
   --------------------------------------------------------------------- */

evaluate_statement
        : RW_EVALUATE evaluate_subjects evaluate_start when_blocks when_other_opt end_evaluate_opt
                                        { $$ = OrvGramFillSlots($3, $2, $4, $5, $6); }
        ;

evaluate_start
        : /* empty */                   { $$ = OrvGramNode(STMT_EVALUATE); }
        ;

/* EVALUATE: subjects and objects are conditions, which take a bare
   arithmetic expression too.  A WHEN after the statements of an inner
   EVALUATE or SEARCH belongs to it. */
evaluate_subjects
        : evaluate_subject              { $$ = OrvListExpr(EX_EVAL_SUBJ_LIST, $1, nullptr); }
        | evaluate_subjects RW_ALSO evaluate_subject
                                        { $$ = OrvListExpr(EX_EVAL_SUBJ_LIST, $1, $3); }
        ;

evaluate_subject
        : condition                     { $$ = $1; }
        | RW_ANY                        { $$ = OrvGramNode(EX_ANY); }
        | RW_TRUE                       { $$ = OrvGramNode(EX_TRUE); }
        | RW_FALSE                      { $$ = OrvGramNode(EX_FALSE); }
        ;

when_blocks
        : when_block                    { $$ = OrvListExpr(EX_EVAL_WHEN_BLOCK_LIST, $1, nullptr); }
        | when_blocks when_block        { $$ = OrvListExpr(EX_EVAL_WHEN_BLOCK_LIST, $1, $2); }
        ;

when_block
        : when_phrases statements %prec PRTY_LOW
                                        { $$ = OrvGramNode(EX_EVAL_WHEN_BLOCK, $1, $2); }
        ;

when_phrases
        : when_phrase                   { $$ = OrvListExpr(EX_EVAL_WHEN_PHRASE_LIST, $1, nullptr); }
        | when_phrases when_phrase      { $$ = OrvListExpr(EX_EVAL_WHEN_PHRASE_LIST, $1, $2); }
        ;

when_phrase
        : RW_WHEN when_objects          { $$ = OrvGramNode(EX_EVAL_WHEN_PHRASE, $2); }
        ;

when_objects
        : when_object                   { $$ = OrvListExpr(EX_EVAL_OBJ_LIST, $1, nullptr); }
        | when_objects RW_ALSO when_object
                                        { $$ = OrvListExpr(EX_EVAL_OBJ_LIST, $1, $3); }
        ;

when_object
        : evaluate_subject              { $$ = OrvGramNode(EX_EXPR_RANGE, $1); }
        | arith_expr thru_word arith_expr
                                        { $$ = OrvGramNode(EX_EXPR_RANGE, $1, $3); }
        | when_not_low thru_word arith_expr
                                        { $$ = OrvGramNode(EX_EXPR_RANGE, $1, $3); }
        ;

/* WHEN NOT x THRU y: the NOT stays with the low end, as WHEN NOT x is a
   LOG_NOT of x. */
when_not_low
        : RW_NOT arith_expr             { $$ = OrvGramNode(LOG_NOT, $2); }
        ;

when_other_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_WHEN RW_OTHER when_other_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($3, $4); }
        ;

when_other_start
        : /* empty */                   { $$ = OrvGramNode(EX_EVAL_WHEN_OTHER); }
        ;

/* ---------------------------------------------------------------------
   EXIT
   EXIT PROGRAM [{GIVING | RETURNING} exit-argument]
   EXIT PERFORM [CYCLE]
   EXIT PARAGRAPH
   EXIT SECTION
     exit-argument: identifier | ADDRESS OF identifier
                  | [ALL] literal [SIZE [IS] [ALL] literal]
   --------------------------------------------------------------------- */

exit_statement
        : RW_EXIT                       { $$ = OrvGramNode(STMT_EXIT); }
        | RW_EXIT RW_PROGRAM exit_giving_opt
                                        { $$ = OrvGramNode(STMT_EXIT_PROGRAM, $3); }
        | RW_EXIT_PERFORM cycle_opt     { $$ = OrvGramNode(STMT_EXIT_PERFORM, $2); }
        | RW_EXIT RW_PARAGRAPH          { $$ = OrvGramNode(STMT_EXIT_PARAGRAPH); }
        | RW_EXIT RW_SECTION            { $$ = OrvGramNode(STMT_EXIT_SECTION); }
        ;

/* GIVING or RETURNING of EXIT PROGRAM, GOBACK and STOP. */
exit_giving_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | giving_word exit_argument     { $$ = OrvGramNode(EX_EXIT_GIVING, $2); }
        ;

/* ADDRESS and OF belong to the SR_ADDRESS_OF node. */
exit_argument
        : identifier                    { $$ = OrvGramNode(EX_EXIT_ARG, $1); }
        | RW_ADDRESS RW_OF identifier   { $$ = OrvGramNode(EX_EXIT_ARG, POSITION_STEP(OrvGramNode(SR_ADDRESS_OF, $3))); }
        | literal_or_all exit_size_opt  { $$ = OrvGramNode(EX_EXIT_ARG, $1, $2); }
        ;

exit_size_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_SIZE is_opt literal_or_all { $$ = OrvGramNode(EX_CALL_PARAM_SIZE, $3); }
        ;

cycle_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_CYCLE                      { $$ = OrvGramNode(EX_EXIT_CYCLE); }
        ;

/* ---------------------------------------------------------------------
   GOBACK [{GIVING | RETURNING} exit-argument]
   --------------------------------------------------------------------- */

goback_statement
        : RW_GOBACK exit_giving_opt     { $$ = OrvGramNode(STMT_GOBACK, $2); }
        ;

/* ---------------------------------------------------------------------
   GO [TO] [procedure-name...] [DEPENDING [ON] identifier]
   --------------------------------------------------------------------- */

goto_statement
        : RW_GO to_opt procedure_names_opt depending_opt
                                        { $$ = OrvGramGoTo($3, &$4); }
        ;

depending_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_DEPENDING on_opt identifier
                                        { $$ = OrvGramNode(EX_DEPENDING_ON, $3); }
        ;

/* ---------------------------------------------------------------------
   IF condition [THEN] statements [{ELSE | OTHERWISE} statements] [END-IF]
   --------------------------------------------------------------------- */

if_statement
        : RW_IF condition then_opt if_start statements else_opt end_if_opt
                                        { $$ = OrvGramFillSlots($4, $2, $5, $6, $7); }
        ;

if_start
        : /* empty */                   { $$ = OrvGramNode(STMT_IF); }
        ;

else_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | else_word else_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($2, $3); }
        ;

else_start
        : /* empty */                   { $$ = OrvGramNode(EX_ELSE); }
        ;

/* ---------------------------------------------------------------------
   INITIALIZE identifier... [REPLACING {{ALPHABETIC | ALPHANUMERIC | NUMERIC
       | ALPHANUMERIC-EDITED | NUMERIC-EDITED} [DATA] BY operand}...]
   --------------------------------------------------------------------- */

initialize_statement
        : RW_INITIALIZE identifiers initialize_replacing_opt
                                        { $$ = OrvGramNode(STMT_INITIALIZE, $2, $3); }
        ;

initialize_replacing_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_REPLACING initialize_replacings
                                        { $$ = OrvGramNode(EX_INIT_REPLACING, $2); }
        ;

initialize_replacings
        : initialize_replacing          { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | initialize_replacings initialize_replacing
                                        { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

initialize_replacing
        : replacing_category data_opt RW_BY operand
                                        { $$ = OrvGramNode(EX_STR_REPLACING_DATA_BY, $1, $4); }
        ;

replacing_category
        : RW_ALPHABETIC                 { $$ = OrvGramNode(EX_STR_ALPHABETIC); }
        | RW_ALPHANUMERIC               { $$ = OrvGramNode(EX_STR_ALPHANUMERIC); }
        | RW_NUMERIC                    { $$ = OrvGramNode(EX_STR_NUMERIC); }
        | RW_ALPHANUMERIC_EDITED        { $$ = OrvGramNode(EX_STR_ALPHANUMERIC_EDITED); }
        | RW_NUMERIC_EDITED             { $$ = OrvGramNode(EX_STR_NUMERIC_EDITED); }
        ;

/* ---------------------------------------------------------------------
   INVOKE operand [ALL] literal [USING call-parameter...]
       [{GIVING | RETURNING} {[INTO] identifier | ADDRESS OF identifier}]
       [END-INVOKE]
   --------------------------------------------------------------------- */

/* END-INVOKE builds nothing; its token stays with the statement. */
invoke_statement
        : RW_INVOKE operand literal_or_all call_using_opt giving_opt end_invoke_opt
                                        { $$ = OrvGramNode(STMT_INVOKE, $2, $3, $4, $5); }
        ;

/* ---------------------------------------------------------------------
   MOVE operand TO identifier...
   MOVE {CORR | CORRESPONDING} identifier TO identifier...
   --------------------------------------------------------------------- */

move_statement
        : RW_MOVE operand RW_TO identifiers
                                        { $$ = OrvGramNode(STMT_MOVE, $2, $4); }
        | RW_MOVE corr_word identifier RW_TO identifiers
                                        { $$ = OrvGramNode(STMT_MOVE_CORR, $3, $5); }
        ;

/* ---------------------------------------------------------------------
   MULTIPLY operand BY {identifier [ROUNDED]}...
   MULTIPLY operand BY operand GIVING {identifier [ROUNDED]}...
       [[ON] SIZE ERROR statements] [NOT [ON] SIZE ERROR statements]
       [END-MULTIPLY]
   --------------------------------------------------------------------- */

multiply_statement
        : RW_MULTIPLY multiply_format multiply_start on_size_error_opt not_on_size_error_opt end_multiply_opt
                                        { $$ = OrvGramFillSlots($3, $2, $4, $5, $6); }
        ;

multiply_start
        : /* empty */                   { $$ = OrvGramNode(STMT_MULTIPLY); }
        ;

multiply_format
        : operand RW_BY rounded_identifiers
                                        { $$ = OrvGramNode(EX_ARITH_MUL_BY, $1, $3); }
        | operand RW_BY operand RW_GIVING rounded_identifiers
                                        { $$ = OrvGramNode(EX_ARITH_MUL_BY_GIVING, $1, $3, $5); }
        ;

/* ---------------------------------------------------------------------
   NEXT SENTENCE
   --------------------------------------------------------------------- */

next_sentence_statement
        : RW_NEXT_SENTENCE              { $$ = OrvGramNode(STMT_NEXT_SENTENCE); }
        ;

/* ---------------------------------------------------------------------
   OPEN {[[LOCKING [IS]] {MANUAL | AUTOMATIC | EXCLUSIVE}]
       {INPUT | OUTPUT | I-O | EXTEND}
       {file-name [REVERSED | [WITH] LOCK | [WITH] NO REWIND]}...}...
   --------------------------------------------------------------------- */

open_statement
        : RW_OPEN open_clauses          { $$ = OrvGramNode(STMT_OPEN, $2); }
        ;

open_clauses
        : open_clause                   { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | open_clauses open_clause      { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

open_clause
        : open_lock_opt open_mode open_files
                                        { $$ = OrvGramNode(EX_OPEN_CLAUSE, $1, $2, $3); }
        ;

open_lock_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | locking_opt lock_mode         { $$ = OrvGramNode(EX_OPEN_LOCKING, $2); }
        ;

open_mode
        : RW_INPUT                      { $$ = OrvGramNode(IOCX_INPUT); }
        | RW_OUTPUT                     { $$ = OrvGramNode(IOCX_OUTPUT); }
        | RW_I_O                        { $$ = OrvGramNode(IOCX_I_O); }
        | RW_EXTEND                     { $$ = OrvGramNode(IOCX_EXTEND); }
        ;

open_files
        : open_file                     { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | open_files open_file          { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

open_file
        : file_name_use open_file_option_opt
                                        { $$ = OrvGramNode(EX_OPEN_FILE_NAME, $1, $2); }
        ;

open_file_option_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_REVERSED                   { $$ = OrvGramNode(IOCX_REVERSED); }
        | with_opt RW_LOCK              { $$ = OrvGramNode(IOCX_WITH_LOCK); }
        | with_opt RW_NO RW_REWIND      { $$ = OrvGramNode(IOCX_WITH_NO_REWIND); }
        ;

/* ---------------------------------------------------------------------
   PERFORM procedure-name [{THROUGH | THRU} procedure-name] [repetition]
   PERFORM [repetition] [statements] [END-PERFORM]
     repetition: operand TIMES
               | [[WITH] TEST {BEFORE | AFTER}] UNTIL condition
               | [[WITH] TEST {BEFORE | AFTER}] VARYING identifier FROM operand
                 BY operand UNTIL condition
                 [AFTER identifier FROM operand BY operand UNTIL condition]...
   --------------------------------------------------------------------- */

/* PERFORM of procedures commits a trial parse when it is reduced, and so
   does the in-line PERFORM when its statements begin. */
perform_statement
        : RW_PERFORM procedure_range perform_repeat_opt
                                        [ YYVALID; $$ = OrvGramNode(STMT_PERFORM_PROC, $2, $3); ]
        | RW_PERFORM perform_repeat_opt perform_block_start statements_opt end_perform_opt
                                        { $$ = OrvGramFillSlots($3, $2, $4, $5); }
        ;

perform_block_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(STMT_PERFORM_BLOCK); ]
        ;

perform_repeat_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | operand RW_TIMES              { $$ = OrvGramNode(EX_PERF_TIMES, $1); }
        | perform_test_opt RW_UNTIL condition
                                        { $$ = OrvGramNode(EX_PERF_UNTIL, $1, $3); }
        | perform_test_opt RW_VARYING perform_variations
                                        { $$ = OrvGramNode(EX_PERF_VARYING, $1, $3); }
        ;

perform_test_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | with_opt RW_TEST before_after { $$ = OrvGramNode(EX_PERF_WITH_TEST, $3); }
        ;

perform_variations
        : perform_variation             { $$ = OrvListExpr(EX_PERF_VARN_LIST, $1, nullptr); }
        | perform_variations RW_AFTER perform_variation
                                        { $$ = OrvListExpr(EX_PERF_VARN_LIST, $1, $3); }
        ;

perform_variation
        : identifier RW_FROM operand RW_BY operand RW_UNTIL condition
                                        { $$ = OrvGramNode(EX_PERF_VARIATION, $1, $3, $5, $7); }
        ;

/* ---------------------------------------------------------------------
   READ file-name [NEXT | PREVIOUS] [RECORD] [INTO identifier]
       [[WITH] {LOCK | KEPT LOCK | NO LOCK | IGNORE LOCK | WAIT}]
       [KEY [IS] data-name...]
       [[AT] END statements] [INVALID [KEY] [statements]]
       [NOT [AT] END statements] [NOT INVALID [KEY] statements] [END-READ]
   --------------------------------------------------------------------- */

/* READ and WRITE take both the AT END (AT END-OF-PAGE) and the INVALID KEY
   phrases, and keep one of them (and one of their NOT twins) in the node.
   The Wang option and timeout slots have empty rules only. */
read_statement
        : RW_READ file_name_use read_direction_opt record_opt unused_slot read_into_opt read_lock_opt
          read_key_opt unused_slot read_start at_end_opt invalid_key_opt not_at_end_opt
          not_invalid_key_opt end_read_opt
                                        { $$ = OrvGramFinishRead(OrvGramFillAll($10, $2, $3, $5, $6, $7, $8, $9), &$11, &$12, &$13, &$14, $15); }
        ;

read_start
        : /* empty */                   { $$ = OrvGramNode(STMT_READ); }
        ;

read_direction_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_NEXT                       { $$ = OrvGramNode(EX_READ_NEXT); }
        | RW_PREVIOUS                   { $$ = OrvGramNode(EX_READ_PREVIOUS); }
        ;

read_into_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_INTO identifier            { $$ = OrvGramNode(EX_READ_INTO, $2); }
        ;

read_lock_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | with_opt read_lock            { $$ = $2; }
        ;

read_lock
        : RW_LOCK                       { $$ = OrvGramNode(EX_READ_LOCK); }
        | RW_KEPT RW_LOCK               { $$ = OrvGramNode(EX_READ_KEPT_LOCK); }
        | RW_NO RW_LOCK                 { $$ = OrvGramNode(EX_READ_NO_LOCK); }
        | RW_IGNORE RW_LOCK             { $$ = OrvGramNode(EX_READ_IGNORE_LOCK); }
        | RW_WAIT                       { $$ = OrvGramNode(EX_READ_WAIT); }
        ;

read_key_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_KEY is_opt record_key_use  { $$ = OrvGramNode(EX_READ_KEY_IS, $3); }
        ;

/* ---------------------------------------------------------------------
   RELEASE record-name [FROM identifier]
   --------------------------------------------------------------------- */

release_statement
        : RW_RELEASE qualified_name release_from_opt
                                        { $$ = OrvGramNode(STMT_RELEASE, $2, $3); }
        ;

release_from_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_FROM identifier            { $$ = OrvGramNode(EX_RELEASE_FROM, $2); }
        ;

/* ---------------------------------------------------------------------
   RETURN file-name [RECORD] [INTO identifier] [[AT] END statements]
       [NOT [AT] END statements] [END-RETURN]
   --------------------------------------------------------------------- */

return_statement
        : RW_RETURN file_name_use record_opt read_into_opt return_start at_end_opt not_at_end_opt end_return_opt
                                        { $$ = OrvGramFillSlots($5, $2, $4, $6, $7, $8); }
        ;

return_start
        : /* empty */                   { $$ = OrvGramNode(STMT_RETURN); }
        ;

/* ---------------------------------------------------------------------
   REWRITE record-name [FROM operand] [INVALID [KEY] [statements]]
       [NOT INVALID [KEY] statements] [END-REWRITE]
   --------------------------------------------------------------------- */

/* REWRITE's Wang slot after FROM has an empty rule only. */
rewrite_statement
        : RW_REWRITE qualified_name write_from_opt unused_slot rewrite_start
          invalid_key_opt not_invalid_key_opt end_rewrite_opt
                                        { $$ = OrvGramFillAll($5, $2, $3, $4, $6, $7, $8); }
        ;

rewrite_start
        : /* empty */                   { $$ = OrvGramNode(STMT_REWRITE); }
        ;

/* FROM of REWRITE, WRITE and SEND. */
write_from_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_FROM operand               { $$ = OrvGramNode(EX_WRITE_FROM, $2); }
        ;

/* ---------------------------------------------------------------------
   SEARCH identifier [VARYING identifier] [[AT] END statements]
       {WHEN condition [statements]}... [END-SEARCH]
   SEARCH ALL identifier [[AT] END statements] WHEN condition [statements]
       [END-SEARCH]
   --------------------------------------------------------------------- */

search_statement
        : RW_SEARCH identifier search_varying_opt search_start search_at_end_opt search_whens end_search_opt
                                        { $$ = OrvGramFillSlots($4, $2, $3, $5, $6, $7); }
        | RW_SEARCH RW_ALL identifier search_all_start search_at_end_opt search_when end_search_opt
                                        { $$ = OrvGramFillSlots($4, $3, $5, $6, $7); }
        ;

search_start
        : /* empty */                   { $$ = OrvGramNode(STMT_SEARCH); }
        ;

search_all_start
        : /* empty */                   { $$ = OrvGramNode(STMT_SEARCH_ALL); }
        ;

search_varying_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_VARYING identifier         { $$ = OrvGramNode(EX_SEARCH_VARYING, $2); }
        ;

search_at_end_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | at_opt RW_END search_at_end_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($3, $4); }
        ;

search_at_end_start
        : /* empty */                   { $$ = OrvGramNode(EX_SEARCH_AT_END); }
        ;

search_whens
        : search_when                   { $$ = OrvListExpr(EX_SEARCH_WHEN_PHRASE_LIST, $1, nullptr); }
        | search_whens search_when      { $$ = OrvListExpr(EX_SEARCH_WHEN_PHRASE_LIST, $1, $2); }
        ;

search_when
        : RW_WHEN search_when_start condition statements_opt
                                        { $$ = OrvGramFillSlots($2, $3, $4); }
        ;

search_when_start
        : /* empty */                   { $$ = OrvGramNode(EX_SEARCH_WHEN_PHRASE); }
        ;

/* ---------------------------------------------------------------------
   SET {identifier... TO {operand | ON | OFF | TRUE | FALSE
       | ENTRY operand}}...
   SET identifier... {UP | DOWN} BY operand
   SET ADDRESS OF identifier TO operand
   --------------------------------------------------------------------- */

set_statement
        : RW_SET set_clauses            { $$ = OrvGramNode(STMT_SET_TO, $2); }
        | RW_SET identifiers set_up_down RW_BY operand
                                        { $$ = OrvGramNode(STMT_SET_UP_DOWN_BY, $2, $3, $5); }
        | RW_SET RW_ADDRESS RW_OF identifier RW_TO operand
                                        { $$ = OrvGramNode(STMT_SET_ADDRESS, $4, $6); }
        ;

set_clauses
        : set_clause                    { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | set_clauses set_clause        { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

set_clause
        : identifiers RW_TO set_value   { $$ = OrvGramNode(EX_SET_TO_CLAUSE, $1, $3); }
        ;

set_value
        : operand                       { $$ = $1; }
        | RW_ON                         { $$ = OrvGramNode(EX_ON); }
        | RW_OFF                        { $$ = OrvGramNode(EX_OFF); }
        | RW_TRUE                       { $$ = OrvGramNode(EX_TRUE); }
        | RW_FALSE                      { $$ = OrvGramNode(EX_FALSE); }
        | RW_ENTRY operand              { $$ = OrvGramNode(EX_PTR_ENTRY, $2); }
        ;

set_up_down
        : RW_UP                         { $$ = OrvGramNode(EX_SET_UP_BY); }
        | RW_DOWN                       { $$ = OrvGramNode(EX_SET_DOWN_BY); }
        ;

/* ---------------------------------------------------------------------
   START file-name [KEY [IS] relational-operator data-name...
       | {FIRST | LAST} KEY [IS] data-name...]
       [[WITH] SIZE operand | [WITH] REVERSED [ORDER]]
       [INVALID [KEY] [statements]] [NOT INVALID [KEY] statements] [END-START]
   --------------------------------------------------------------------- */

start_statement
        : RW_START file_name_use start_key_opt start_with_opt start_start
          invalid_key_opt not_invalid_key_opt end_start_opt
                                        { $$ = OrvGramFillAll($5, $2, $3, $4, $6, $7, $8); }
        ;

start_start
        : /* empty */                   { $$ = OrvGramNode(STMT_START); }
        ;

start_key_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | start_key_word is_opt relational_operator record_key_use
                                        { $$ = OrvGramStartKey($3, $1, $4); }
        | first_last RW_KEY is_opt record_key_use
                                        { $$ = OrvGramNode(START_KEY_FIRST_LAST, $1, $4); }
        ;

start_key_word
        : RW_KEY                        { $$ = OrvGramNode(START_KEY); }
        ;

first_last
        : RW_FIRST                      { $$ = OrvGramNode(START_KEY_FIRST); }
        | RW_LAST                       { $$ = OrvGramNode(START_KEY_LAST); }
        ;

start_with_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | with_opt RW_SIZE operand      { $$ = OrvGramNode(EX_START_WITH_SIZE, $3); }
        | with_opt RW_REVERSED order_opt
                                        { $$ = OrvGramNode(EX_START_WITH_REV_ORDER); }
        ;

/* ---------------------------------------------------------------------
   STOP [RUN] [literal] [{GIVING | RETURNING} exit-argument]
   --------------------------------------------------------------------- */

stop_statement
        : RW_STOP stop_run_opt stop_literal_opt exit_giving_opt
                                        { $$ = OrvGramNode(STMT_STOP, $2, $3, $4); }
        ;

stop_run_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_RUN                        { $$ = OrvGramNode(EX_RUN); }
        ;

stop_literal_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | literal                       { $$ = $1; }
        ;

/* ---------------------------------------------------------------------
   STRING {operand... DELIMITED [BY] {SIZE | operand}}... INTO identifier
       [[WITH] POINTER identifier]
       [[ON] OVERFLOW statements] [NOT [ON] OVERFLOW statements] [END-STRING]
   --------------------------------------------------------------------- */

string_statement
        : RW_STRING string_sendings RW_INTO identifier pointer_opt string_start
          on_overflow_opt not_on_overflow_opt end_string_opt
                                        { $$ = OrvGramFillAll($6, $2, $4, $5, $7, $8, $9); }
        ;

string_start
        : /* empty */                   { $$ = OrvGramNode(STMT_STRING); }
        ;

string_sendings
        : string_sending                { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | string_sendings string_sending
                                        { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

string_sending
        : operands RW_DELIMITED by_opt string_delimiter
                                        { $$ = OrvGramNode(EX_STR_DELIMITED_BY, $1, $4); }
        ;

string_delimiter
        : RW_SIZE                       { $$ = OrvGramNode(EX_STR_SIZE); }
        | operand                       { $$ = $1; }
        ;

pointer_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | with_opt RW_POINTER identifier
                                        { $$ = OrvGramNode(EX_STR_WITH_POINTER, $3); }
        ;

/* ---------------------------------------------------------------------
   SUBTRACT operand... FROM {identifier [ROUNDED]}...
   SUBTRACT operand... FROM operand GIVING {identifier [ROUNDED]}...
   SUBTRACT {CORR | CORRESPONDING} identifier FROM identifier [ROUNDED]
       [[ON] SIZE ERROR statements] [NOT [ON] SIZE ERROR statements]
       [END-SUBTRACT]
   --------------------------------------------------------------------- */

subtract_statement
        : RW_SUBTRACT subtract_format subtract_start on_size_error_opt not_on_size_error_opt end_subtract_opt
                                        { $$ = OrvGramFillSlots($3, $2, $4, $5, $6); }
        ;

subtract_start
        : /* empty */                   { $$ = OrvGramNode(STMT_SUBTRACT); }
        ;

/* SUBTRACT, MULTIPLY and DIVIDE: a name after FROM, BY or INTO is a
   target unless GIVING follows it. */
subtract_format
        : operands RW_FROM rounded_identifiers
                                        { $$ = OrvGramNode(EX_ARITH_SUB_FROM, $1, $3); }
        | operands RW_FROM operand RW_GIVING rounded_identifiers
                                        { $$ = OrvGramNode(EX_ARITH_SUB_FROM_GIVING, $1, $3, $5); }
        | corr_word identifier RW_FROM rounded_identifier
                                        { $$ = OrvGramNode(EX_ARITH_SUB_CORR_FROM, $2, $4); }
        ;

/* ---------------------------------------------------------------------
   UNLOCK file-name [RECORD | RECORDS]
   UNDELETE file-name [RECORD | RECORDS]
   --------------------------------------------------------------------- */

/* UNLOCK and UNDELETE share their form. */
unlock_statement
        : RW_UNLOCK file_name_use record_records_opt
                                        { $$ = OrvGramNode(STMT_UNLOCK, $2); }
        | RW_UNDELETE file_name_use record_records_opt
                                        { $$ = OrvGramNode(STMT_UNDELETE, $2); }
        ;

/* ---------------------------------------------------------------------
   UNSTRING identifier
       [DELIMITED [BY] [ALL] {identifier | literal}
           [OR [ALL] {identifier | literal}]...]
       INTO {identifier [DELIMITER [IN] identifier] [COUNT [IN] identifier]}...
       [[WITH] POINTER identifier] [TALLYING [IN] identifier]
       [[ON] OVERFLOW statements] [NOT [ON] OVERFLOW statements]
       [END-UNSTRING]
   --------------------------------------------------------------------- */

unstring_statement
        : RW_UNSTRING identifier unstring_delimited_opt RW_INTO unstring_intos pointer_opt
          unstring_tallying_opt unstring_start on_overflow_opt not_on_overflow_opt end_unstring_opt
                                        { $$ = OrvGramFillAll($8, $2, $3, $5, $6, $7, $9, $10, $11); }
        ;

unstring_start
        : /* empty */                   { $$ = OrvGramNode(STMT_UNSTRING); }
        ;

unstring_delimited_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_DELIMITED by_opt unstring_delimiters
                                        { $$ = OrvGramNode(EX_UNSTR_DELIMITED_BY, $3); }
        ;

unstring_delimiters
        : unstring_delimiter            { $$ = OrvListExpr(EX_UNSTR_OR_LIST, $1, nullptr); }
        | unstring_delimiters RW_OR unstring_delimiter
                                        { $$ = OrvListExpr(EX_UNSTR_OR_LIST, $1, $3); }
        ;

unstring_delimiter
        : identifier_or_literal         { $$ = $1; }
        | RW_ALL identifier_or_literal  { $$ = OrvGramNode(EX_UNSTR_ALL, $2); }
        ;

unstring_intos
        : unstring_into                 { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | unstring_intos unstring_into  { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

unstring_into
        : identifier unstring_delimiter_in_opt unstring_count_in_opt
                                        { $$ = OrvGramNode(EX_UNSTR_INTO_PHRASE, $1, $2, $3); }
        ;

unstring_delimiter_in_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_DELIMITER in_opt identifier
                                        { $$ = OrvGramNode(EX_UNSTR_DELIMITER_IN, $3); }
        ;

unstring_count_in_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_COUNT in_opt identifier    { $$ = OrvGramNode(EX_UNSTR_COUNT_IN, $3); }
        ;

unstring_tallying_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_TALLYING in_opt identifier { $$ = OrvGramNode(EX_UNSTR_TALLYING_IN, $3); }
        ;

/* ---------------------------------------------------------------------
   WRITE record-name [FROM operand]
       [{BEFORE | AFTER} {[ADVANCING] | POSITIONING}
           {operand [LINE | LINES] | PAGE}]
       [[AT] {END-OF-PAGE | EOP} statements] [INVALID [KEY] [statements]]
       [NOT [AT] {END-OF-PAGE | EOP} statements]
       [NOT INVALID [KEY] statements] [END-WRITE]
   --------------------------------------------------------------------- */

write_statement
        : RW_WRITE qualified_name write_from_opt write_advancing_opt unused_slot write_start
          end_of_page_opt invalid_key_opt not_end_of_page_opt not_invalid_key_opt end_write_opt
                                        { $$ = OrvGramFinishWrite(OrvGramFillAll($6, $2, $3, $4, $5), &$7, &$8, &$9, &$10, $11); }
        ;

write_start
        : /* empty */                   { $$ = OrvGramNode(STMT_WRITE); }
        ;

/* The same node with and without the word ADVANCING. */
write_advancing_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | before_after advancing_opt lines_or_page
                                        { $$ = OrvGramNode(IOCX_ADVANCING, $1, $3); }
        | before_after RW_POSITIONING lines_or_page
                                        { $$ = OrvGramNode(IOCX_POSITIONING, $1, $3); }
        ;

lines_or_page
        : operand line_lines_opt        { $$ = OrvGramNode(EX_LINES, $1); }
        | RW_PAGE                       { $$ = OrvGramNode(EX_PAGE); }
        ;

/* ---------------------------------------------------------------------
   ACCEPT {[( coordinate coordinate )] identifier [accept-phrase]...}...
       [[ON] {EXCEPTION | ESCAPE} [identifier] statements]
       [NOT [ON] {EXCEPTION | ESCAPE} [identifier] statements] [END-ACCEPT]
   ACCEPT cd-name [MESSAGE] COUNT
     accept-phrase: screen-phrase | input attribute | FROM source | NO BEEP
                  | PROMPT [CHARACTER] [IS] [literal] | ECHO | LEFT-JUSTIFY
                  | RIGHT-JUSTIFY | TRAILING-SIGN | CONVERT | TAB | OFF
                  | {TIME-OUT | TIMEOUT} [AFTER] operand | SPACE-FILL | UPDATE
                  | UPPER | LOWER
     screen-phrase: [AT] LINE [NUMBER] operand | {COL | COLUMN} [NUMBER] operand
                  | AT operand | {POS | POSITION} operand | UNIT operand
                  | MODE [IS] BLOCK | WITH | HIGH | LOW | REVERSE | attribute
     source: device | mnemonic-name | DATE [YYYYMMDD] | DAY [YYYYDDD]
           | DAY-OF-WEEK | TIME | ENVIRONMENT | ESCAPE [KEY]
           | EXCEPTION [STATUS] | LINE [NUMBER] | USER [NAME]
   --------------------------------------------------------------------- */

/* ACCEPT: the special reserved words are on while its items are read.  A
   word right after ACCEPT is first tried as the cd-name of ACCEPT ...
   MESSAGE COUNT, then as the start of an item after an empty screen
   position.  MESSAGE COUNT and the early node after the items commit a
   trial parse; both put the special reserved words back off, in trials
   too, since the tokens after them are read there. */
accept_statement
        : RW_ACCEPT special_words_on accept_items accept_start
          on_accept_exception_opt not_on_accept_exception_opt end_accept_opt
                                        { $$ = OrvGramFillSlots($4, nullptr, $5, $6, $7); }
        | RW_ACCEPT special_words_on cd_name_use message_opt RW_COUNT
                                        [ OrvGramSpecialWords(0); YYVALID; $$ = OrvGramNode(STMT_ACCEPT_MSG_COUNT, $3); ]
        ;

accept_start
        : /* empty */                   [ OrvGramSpecialWords(0); YYVALID; $$ = OrvGramAcceptStatement(&$<node>0); ]
        ;

/* ACCEPT and DISPLAY items: [position] identifier or value, then phrases
   that the screen-item collector gathers into the item.  The empty
   position is the second choice of a word right after ACCEPT. */
accept_items
        : accept_item                   { $$ = OrvListExpr(ACCEPT_ITEM_LIST, $1, nullptr); }
        | accept_items accept_item      { $$ = OrvListExpr(ACCEPT_ITEM_LIST, $1, $2); }
        ;

accept_item
        : screen_position_opt identifier accept_item_start accept_phrases
                                        { $$ = OrvScreenItemCollector.Finish(); }
        ;

accept_item_start
        : /* empty */                   { $$ = OrvGramStartScreenItem(ACCEPT_SCREEN_ITEM, &$<node>-1, &$<node>0); }
        ;

accept_phrases
        : /* empty */
        | accept_phrases accept_phrase
        ;

accept_phrase
        : screen_item_phrase            { HAND_CLAUSE(OrvScreenItemCollector, OrvGramScreenItemPhraseSlot($1), $1); }
        | screen_input_attribute        { HAND_CLAUSE(OrvScreenItemCollector, OrvGramScreenAttributeSlot($1), $1); }
        | RW_FROM accept_source         { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__FROM_OR_UPON, OrvGramNode(ACCP_FROM, $2)); }
        | RW_NO RW_BEEP                 { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__BELL, OrvGramNode(ACCP_NO_BEEP)); }
        | RW_PROMPT character_opt is_opt literal_opt
                                        { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__PROMPT, OrvGramNode(ACCP_PROMPT, $4)); }
        | RW_ECHO                       { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__SECURE, OrvGramNode(ACCP_ECHO)); }
        | RW_LEFT_JUSTIFY               { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__JUSTIFIED, OrvGramNode(ACCP_LEFT_JUSTIFY)); }
        | RW_RIGHT_JUSTIFY              { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__JUSTIFIED, OrvGramNode(ACCP_RIGHT_JUSTIFY)); }
        | RW_TRAILING_SIGN              { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__SIGN, OrvGramNode(ACCP_TRAILING_SIGN)); }
        | RW_CONVERT                    { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__CONVERT, OrvGramNode(ACCP_CONVERT)); }
        | RW_TAB                        { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__TAB, OrvGramNode(ACCP_TAB)); }
        | RW_OFF                        { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__OFF, OrvGramNode(ACCP_OFF)); }
        | timeout_word after_opt operand
                                        { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__TIMEOUT, OrvGramNode(ACCP_TIMEOUT, $3)); }
        | RW_SPACE_FILL                 { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__FILL, OrvGramNode(ACCP_SPACE_FILL)); }
        | RW_UPDATE                     { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__UPDATE, OrvGramNode(ACCP_UPDATE)); }
        | RW_UPPER                      { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__UPPER, OrvGramNode(ACCP_UPPER)); }
        | RW_LOWER                      { HAND_CLAUSE(OrvScreenItemCollector, ACCEPT_SCREEN_ITEM__LOWER, OrvGramNode(ACCP_LOWER)); }
        ;

/* The phrases ACCEPT and DISPLAY items share; each node knows its slot
   (OrvGramScreenItemPhraseSlot). */
screen_item_phrase
        : at_opt RW_LINE number_opt operand
                                        { $$ = OrvGramNode(DSPL_LINE_NUMBER, $4); }
        | column_word number_opt operand
                                        { $$ = OrvGramNode(DSPL_COLUMN_NUMBER, $3); }
        | RW_AT operand                 { $$ = OrvGramNode(DSPL_AT, $2); }
        | position_word operand         { $$ = OrvGramNode(DSPL_POSITION, $2); }
        | RW_UNIT operand               { $$ = OrvGramNode(DSPL_UNIT, $2); }
        | RW_MODE is_opt RW_BLOCK       { $$ = OrvGramNode(DSPL_MODE_IS_BLOCK); }
        | RW_WITH                       { $$ = OrvGramNode(DSPL_WITH); }
        | RW_HIGH                       { $$ = OrvGramNode(DSPL_HIGH); }
        | RW_LOW                        { $$ = OrvGramNode(DSPL_LOW); }
        | RW_REVERSE                    { $$ = OrvGramNode(DSPL_REVERSE); }
        | screen_attribute              { $$ = $1; }
        ;

/* The position of Microsoft's form: ( line column ). */
screen_position_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | SEP_LEFT_PAR screen_coordinate screen_coordinate SEP_RIGHT_PAR
                                        { $$ = OrvGramNode(EX_ADIS_MS_POSN, $2, $3); }
        ;

screen_coordinate
        : operand                       { $$ = $1; }
        | operand OP_PLUS integer       { $$ = OrvGramNode(OP_ADD_IX, $1, $3); }
        | operand OP_MINUS integer      { $$ = OrvGramNode(OP_SUB_IX, $1, $3); }
        ;

accept_source
        : device_or_mnemonic            { $$ = $1; }
        | RW_DATE date_format_opt       { $$ = OrvGramNode(ACCP_DATE, $2); }
        | RW_DAY day_format_opt         { $$ = OrvGramNode(ACCP_DAY, $2); }
        | RW_DAY_OF_WEEK                { $$ = OrvGramNode(ACCP_DAY_OF_WEEK); }
        | RW_TIME                       { $$ = OrvGramNode(ACCP_TIME); }
        | RW_ENVIRONMENT                { $$ = OrvGramNode(ACCP_ENVIRONMENT); }
        | RW_ESCAPE key_opt             { $$ = OrvGramNode(ACCP_ESC_KEY); }
        | RW_EXCEPTION status_opt       { $$ = OrvGramNode(ACCP_EXC_STATUS); }
        | RW_LINE number_opt            { $$ = OrvGramNode(ACCP_LINE_NUMBER); }
        | RW_USER name_opt              { $$ = OrvGramNode(ACCP_USER_NAME); }
        ;

date_format_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_YYYYMMDD                   { $$ = OrvGramNode(ACCP_DATE_YYYYMMDD); }
        ;

day_format_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_YYYYDDD                    { $$ = OrvGramNode(ACCP_DATE_YYYYDDD); }
        ;

device_or_mnemonic
        : device_name                   { $$ = $1; }
        | mnemonic_name_use             { $$ = $1; }
        ;

/* The exception phrases of ACCEPT and DISPLAY: the absent phrase and the
   empty rule after the keywords commit a trial parse; NOT ON EXCEPTION
   after an inner statement is first tried as that statement's. */
on_accept_exception_opt
        : /* empty */                   [ YYVALID; $$ = OrvGramNullNode(); ]
        | on_before_opt exception_or_escape on_accept_exception_start identifier_opt statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($3, $4, $5); }
        ;

on_accept_exception_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(ON_ACCEPT_EXCEPTION); ]
        ;

not_on_accept_exception_opt
        : /* empty */                   [ YYVALID; $$ = OrvGramNullNode(); ]
        | CMB_NOT_ON_AT on_before_opt exception_or_escape not_on_accept_exception_start identifier_opt
          statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($4, $5, $6); }
        ;

not_on_accept_exception_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(NOT_ON_ACCEPT_EXCEPTION); ]
        ;

/* A cd-name: ACCEPT ... MESSAGE COUNT, RECEIVE, SEND, ENABLE, DISABLE and
   PURGE. */
cd_name_use
        : TK_USER_DEFD_WORD             { $$ = OrvGramNameUse($1, SYMCAT_CD_NAME, POSITION_OF($1)); }
        ;

/* ---------------------------------------------------------------------
   DISPLAY {[( coordinate coordinate )] {operand | ERASE}
           [display-phrase]...}...
       [[ON] EXCEPTION statements] [NOT [ON] EXCEPTION statements]
       [END-DISPLAY]
     display-phrase: screen-phrase | BLANK {SCREEN | LINE}
                   | UPON {device | mnemonic-name} | NO ADVANCING
   --------------------------------------------------------------------- */

/* DISPLAY: the special reserved words are on while its items are read;
   the early node puts them back off (in trials too), the closing action
   stores the items. */
display_statement
        : RW_DISPLAY special_words_on display_items display_start
          on_display_exception_opt not_on_display_exception_opt end_display_opt
                                        { $$ = OrvGramFillSlots($4, $3, $5, $6, $7); }
        ;

display_start
        : /* empty */                   [ OrvGramSpecialWords(0); if (yytrial) break; $$ = OrvGramNode(STMT_DISPLAY); ]
        ;

display_items
        : display_item                  { $$ = OrvListExpr(DISPLAY_ITEM_LIST, $1, nullptr); }
        | display_items display_item    { $$ = OrvListExpr(DISPLAY_ITEM_LIST, $1, $2); }
        ;

/* ERASE after an item is its attribute, not a new item. */
display_item
        : screen_position_opt display_value display_item_start display_phrases %prec PRTY_LOW
                                        { $$ = OrvScreenItemCollector.Finish(); }
        ;

display_value
        : operand                       { $$ = $1; }
        | RW_ERASE                      { $$ = OrvGramNode(DSPL_MS_ERASE); }
        ;

display_item_start
        : /* empty */                   { $$ = OrvGramStartScreenItem(DISPLAY_SCREEN_ITEM, &$<node>-1, &$<node>0); }
        ;

display_phrases
        : /* empty */
        | display_phrases display_phrase
        ;

/* A syntax error among the phrases goes into the item; the special
   reserved words stay on for the phrases after it. */
display_phrase
        : screen_item_phrase            { HAND_CLAUSE(OrvScreenItemCollector, OrvGramScreenItemPhraseSlot($1), $1); }
        | screen_blank                  { HAND_CLAUSE(OrvScreenItemCollector, OrvGramScreenAttributeSlot($1), $1); }
        | RW_UPON device_or_mnemonic    { HAND_CLAUSE(OrvScreenItemCollector, DISPLAY_SCREEN_ITEM__FROM_OR_UPON, OrvGramNode(DSPL_UPON, $2)); }
        | RW_NO RW_ADVANCING            { HAND_CLAUSE(OrvScreenItemCollector, DISPLAY_SCREEN_ITEM__ADVANCING_PHRASE, OrvGramNode(DSPL_NO_ADVANCING)); }
        | error                         [ OrvGramResetSwitches(ORV_SWITCHES_DISPLAY_ITEM); if (yytrial) break; HAND_CLAUSE(OrvScreenItemCollector, DISPLAY_SCREEN_ITEM__COPYBEGIN_END, OrvGramErrorNode()); ]
        ;

on_display_exception_opt
        : /* empty */                   [ YYVALID; $$ = OrvGramNullNode(); ]
        | on_before_opt RW_EXCEPTION on_display_exception_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($3, $4); }
        ;

on_display_exception_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(ON_DISPLAY_EXCEPTION); ]
        ;

not_on_display_exception_opt
        : /* empty */                   [ YYVALID; $$ = OrvGramNullNode(); ]
        | CMB_NOT_ON_AT on_before_opt RW_EXCEPTION not_on_display_exception_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($4, $5); }
        ;

not_on_display_exception_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(NOT_ON_DISPLAY_EXCEPTION); ]
        ;

/* ---------------------------------------------------------------------
   EXAMINE identifier TALLYING {UNTIL FIRST | ALL | LEADING | FIRST} literal
       [REPLACING BY [ALL] literal]
   EXAMINE identifier REPLACING {UNTIL FIRST | ALL | LEADING | FIRST} literal
       BY literal
   --------------------------------------------------------------------- */

examine_statement
        : RW_EXAMINE identifier RW_TALLYING examine_phrase examine_replacing_opt
                                        { $$ = OrvGramNode(STMT_EXAMINE_TALLYING, $2, $4, $5); }
        | RW_EXAMINE identifier RW_REPLACING examine_phrase RW_BY literal
                                        { $$ = OrvGramNode(STMT_EXAMINE_REPLACING, $2, $4, $6); }
        ;

examine_phrase
        : examine_mode literal          { $$ = OrvGramNode(EX_STR_EXAM_PHRASE, $1, $2); }
        ;

examine_mode
        : RW_UNTIL RW_FIRST             { $$ = OrvGramNode(EX_STR_UNTIL_FIRST); }
        | RW_ALL                        { $$ = OrvGramNode(EX_STR_ALL); }
        | RW_LEADING                    { $$ = OrvGramNode(EX_STR_LEADING); }
        | RW_FIRST                      { $$ = OrvGramNode(EX_STR_FIRST); }
        ;

examine_replacing_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_REPLACING RW_BY literal_or_all
                                        { $$ = OrvGramNode(EX_STR_REPLACING_BY, $3); }
        ;

/* ---------------------------------------------------------------------
   INSPECT identifier [TALLYING {identifier FOR {CHARACTERS [where]...
           | {ALL | LEADING} {{identifier | literal} [where]...}...}...}...]
       [REPLACING {CHARACTERS BY operand [where]...
           | {ALL | LEADING | FIRST} {{identifier | literal} BY operand
             [where]...}...}...]
   INSPECT identifier CONVERTING operand TO operand [where]...
     where: {BEFORE | AFTER} [INITIAL] operand
   --------------------------------------------------------------------- */

inspect_statement
        : RW_INSPECT identifier inspect_tallying_opt inspect_replacing_opt
                                        { $$ = OrvGramNode(STMT_INSPECT, $2, $3, $4); }
        | RW_INSPECT identifier RW_CONVERTING operand RW_TO operand before_after_initials_opt
                                        { $$ = OrvGramNode(STMT_INSPECT_CONVERTING, $2, $4, $6, $7); }
        ;

/* INSPECT.  TALLYING commits a trial parse.  A word or FUNCTION after a
   tallying unit is first tried as a further unit, then as the start of
   the next tallying clause. */
inspect_tallying_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_TALLYING tally_clauses     [ YYVALID; $$ = OrvGramNode(EX_STR_TALLYING, $2); ]
        ;

tally_clauses
        : tally_clause                  { $$ = OrvListExpr(EX_STR_TALLY_CLAUSE_LIST, $1, nullptr); }
        | tally_clauses tally_clause    { $$ = OrvListExpr(EX_STR_TALLY_CLAUSE_LIST, $1, $2); }
        ;

tally_clause
        : identifier RW_FOR tally_phrases
                                        { $$ = OrvGramNode(EX_STR_TALLY_CLAUSE, $1, $3); }
        ;

tally_phrases
        : tally_phrase                  { $$ = OrvListExpr(EX_STR_TALLY_PHRASE_LIST, $1, nullptr); }
        | tally_phrases tally_phrase    { $$ = OrvListExpr(EX_STR_TALLY_PHRASE_LIST, $1, $2); }
        ;

tally_phrase
        : RW_CHARACTERS before_after_initials_opt
                                        { $$ = OrvGramNode(EX_STR_TALLY_UNIT, OrvGramNode(EX_STR_TALLY_CHARACTERS), $2); }
        | all_leading tally_units       { $$ = OrvGramNode(EX_STR_TALLY_PHRASE, $1, $2); }
        ;

all_leading
        : RW_ALL                        { $$ = OrvGramNode(EX_STR_ALL); }
        | RW_LEADING                    { $$ = OrvGramNode(EX_STR_LEADING); }
        ;

tally_units
        : tally_unit                    { $$ = OrvListExpr(EX_STR_TALLY_UNIT_LIST, $1, nullptr); }
        | tally_units tally_unit        { $$ = OrvListExpr(EX_STR_TALLY_UNIT_LIST, $1, $2); }
        ;

tally_unit
        : identifier_or_literal before_after_initials_opt
                                        { $$ = OrvGramNode(EX_STR_TALLY_UNIT, $1, $2); }
        ;

inspect_replacing_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_REPLACING replace_phrases  { $$ = OrvGramNode(EX_INSPECT_REPLACING, $2); }
        ;

replace_phrases
        : replace_phrase                { $$ = OrvListExpr(EX_STR_REPLACE_PHRASE_LIST, $1, nullptr); }
        | replace_phrases replace_phrase
                                        { $$ = OrvListExpr(EX_STR_REPLACE_PHRASE_LIST, $1, $2); }
        ;

replace_phrase
        : RW_CHARACTERS RW_BY operand before_after_initials_opt
                                        { $$ = OrvGramNode(EX_STR_REPLACE_UNIT, OrvGramNode(EX_STR_REPL_CHARACTERS), $3, $4); }
        | all_leading_first replace_units
                                        { $$ = OrvGramNode(EX_STR_REPLACE_PHRASE, $1, $2); }
        ;

all_leading_first
        : all_leading                   { $$ = $1; }
        | RW_FIRST                      { $$ = OrvGramNode(EX_STR_FIRST); }
        ;

replace_units
        : replace_unit                  { $$ = OrvListExpr(EX_STR_REPLACE_UNIT_LIST, $1, nullptr); }
        | replace_units replace_unit    { $$ = OrvListExpr(EX_STR_REPLACE_UNIT_LIST, $1, $2); }
        ;

replace_unit
        : identifier_or_literal RW_BY operand before_after_initials_opt
                                        { $$ = OrvGramNode(EX_STR_REPLACE_UNIT, $1, $3, $4); }
        ;

before_after_initials_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | before_after_initials         { $$ = $1; }
        ;

before_after_initials
        : before_after_initial          { $$ = OrvListExpr(EX_STR_BA_INITIAL_LIST, $1, nullptr); }
        | before_after_initials before_after_initial
                                        { $$ = OrvListExpr(EX_STR_BA_INITIAL_LIST, $1, $2); }
        ;

before_after_initial
        : before_after initial_opt operand
                                        { $$ = OrvGramNode(EX_STR_BA_INITIAL, $1, $3); }
        ;

/* ---------------------------------------------------------------------
   TRANSFORM identifier [CHARACTERS] FROM operand TO operand
   --------------------------------------------------------------------- */

transform_statement
        : RW_TRANSFORM identifier characters_opt RW_FROM operand RW_TO operand
                                        { $$ = OrvGramNode(STMT_TRANSFORM, $2, $5, $7); }
        ;

/* ---------------------------------------------------------------------
   SORT identifier [[ON] {ASCENDING | DESCENDING} [KEY] [data-name...]]...
       [[WITH] DUPLICATES [IN] [ORDER]]
       [[COLLATING] SEQUENCE [IS] alphabet-name]
       [INPUT PROCEDURE [IS] procedure-range | USING file-name...]
       [OUTPUT PROCEDURE [IS] procedure-range | GIVING file-name...]
   --------------------------------------------------------------------- */

sort_statement
        : RW_SORT identifier sort_keys_opt sort_duplicates_opt collating_sequence_opt sort_input_opt
          sort_output_opt               { $$ = OrvGramStatement(STMT_SORT, {$2, $3, $4, $5, $6, $7}); }
        ;

sort_keys_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | sort_keys                     { $$ = $1; }
        ;

sort_keys
        : sort_key                      { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | sort_keys sort_key            { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

sort_key
        : on_before_opt ascending_descending key_opt sort_key_names
                                        { $$ = OrvGramNode(EX_SORT_KEY, $2, $4); }
        ;

sort_key_names
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | key_names                     { $$ = $1; }
        ;

sort_duplicates_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | with_opt RW_DUPLICATES in_opt order_opt
                                        { $$ = OrvGramNode(EX_WITH_DUPS_IN_ORDER); }
        ;

collating_sequence_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | collating_opt RW_SEQUENCE is_opt alphabet_name_use
                                        { $$ = OrvGramNode(EX_SORT_COLL_SEQCE, $4); }
        ;

sort_input_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_INPUT RW_PROCEDURE is_opt procedure_range
                                        { $$ = OrvGramNode(EX_INPUT_PROC_IS, $4); }
        | sort_using                    { $$ = $1; }
        ;

sort_using
        : RW_USING file_name_uses       { $$ = OrvGramNode(EX_SORT_USING, $2); }
        ;

sort_output_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_OUTPUT RW_PROCEDURE is_opt procedure_range
                                        { $$ = OrvGramNode(EX_OUTPUT_PROC_IS, $4); }
        | RW_GIVING file_name_uses      { $$ = OrvGramNode(EX_GIVING, $2); }
        ;

/* ---------------------------------------------------------------------
   MERGE file-name [[ON] {ASCENDING | DESCENDING} [KEY] [data-name...]]...
       [[COLLATING] SEQUENCE [IS] alphabet-name] USING file-name...
       [OUTPUT PROCEDURE [IS] procedure-range | GIVING file-name...]
   --------------------------------------------------------------------- */

merge_statement
        : RW_MERGE file_name_use sort_keys_opt collating_sequence_opt sort_using sort_output_opt
                                        { $$ = OrvGramStatement(STMT_MERGE, {$2, $3, $4, $5, $6}); }
        ;

/* ---------------------------------------------------------------------
   RECEIVE cd-name {MESSAGE | SEGMENT} INTO identifier
       [NO DATA statements] [WITH DATA statements] [END-RECEIVE]
   --------------------------------------------------------------------- */

/* RECEIVE: the node exists before the statements of its phrases. */
receive_statement
        : RW_RECEIVE cd_name_use receive_kind RW_INTO identifier receive_start no_data_opt with_data_opt
          end_receive_opt               { $$ = OrvGramFillStatement($6, {$2, $3, $5, $7, $8, $9}); }
        ;

receive_start
        : /* empty */                   { $$ = OrvGramNode(STMT_RECEIVE); }
        ;

receive_kind
        : RW_MESSAGE                    { $$ = OrvGramNode(EX_RECV_MESSAGE); }
        | RW_SEGMENT                    { $$ = OrvGramNode(EX_RECV_SEGMENT); }
        ;

no_data_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_NO RW_DATA no_data_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($3, $4); }
        ;

no_data_start
        : /* empty */                   { $$ = OrvGramNode(EX_ON_NO_DATA); }
        ;

/* WITH DATA reaches the grammar as one token. */
with_data_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_WITH_DATA with_data_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($2, $3); }
        ;

with_data_start
        : /* empty */                   { $$ = OrvGramNode(EX_NOT_ON_NO_DATA); }
        ;

/* ---------------------------------------------------------------------
   SEND cd-name [FROM operand] [WITH] [identifier | ESI | EMI | EGI]
       [{BEFORE | AFTER} {[ADVANCING] | POSITIONING}
           {operand [LINE | LINES] | PAGE}]
       [REPLACING [LINE]]
   --------------------------------------------------------------------- */

send_statement
        : RW_SEND cd_name_use write_from_opt with_opt send_with_opt write_advancing_opt send_replacing_opt
                                        { $$ = OrvGramStatement(STMT_SEND, {$2, $3, $5, $6, $7}); }
        ;

send_with_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | identifier                    { $$ = $1; }
        | RW_ESI                        { $$ = OrvGramNode(EX_SEND_ESI); }
        | RW_EMI                        { $$ = OrvGramNode(EX_SEND_EMI); }
        | RW_EGI                        { $$ = OrvGramNode(EX_SEND_EGI); }
        ;

send_replacing_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_REPLACING line_opt         { $$ = OrvGramNode(EX_SEND_REPLACING_LINE); }
        ;

/* ---------------------------------------------------------------------
   {ENABLE | DISABLE} {INPUT [TERMINAL] | I-O TERMINAL | OUTPUT} cd-name
       [WITH] KEY operand
   --------------------------------------------------------------------- */

/* ENABLE and DISABLE: the KEY phrase is required. */
enable_disable_statement
        : RW_ENABLE able_type cd_name_use with_opt RW_KEY operand
                                        { $$ = OrvGramNode(STMT_ENABLE, $2, $3, $6); }
        | RW_DISABLE able_type cd_name_use with_opt RW_KEY operand
                                        { $$ = OrvGramNode(STMT_DISABLE, $2, $3, $6); }
        ;

able_type
        : RW_INPUT                      { $$ = OrvGramNode(EX_ABLE_INPUT); }
        | RW_INPUT RW_TERMINAL          { $$ = OrvGramNode(EX_ABLE_INPUT_TERMINAL); }
        | RW_I_O RW_TERMINAL            { $$ = OrvGramNode(EX_ABLE_I_O_TERMINAL); }
        | RW_OUTPUT                     { $$ = OrvGramNode(EX_ABLE_OUTPUT); }
        ;

/* ---------------------------------------------------------------------
   PURGE cd-name
   --------------------------------------------------------------------- */

purge_statement
        : RW_PURGE cd_name_use          { $$ = OrvGramNode(STMT_PURGE, $2); }
        ;

/* ---------------------------------------------------------------------
   GENERATE data-name
   INITIATE report-name...
   TERMINATE report-name...
   SUPPRESS [PRINTING]
   --------------------------------------------------------------------- */

report_writer_statement
        : RW_GENERATE qualified_name    { $$ = OrvGramNode(STMT_GENERATE, $2); }
        | RW_INITIATE report_names      { $$ = OrvGramNode(STMT_INITIATE, $2); }
        | RW_TERMINATE report_names     { $$ = OrvGramNode(STMT_TERMINATE, $2); }
        | RW_SUPPRESS printing_opt      { $$ = OrvGramNode(STMT_SUPPRESS_PRINTING); }
        ;

/* ---------------------------------------------------------------------
   USE [GLOBAL] AFTER [STANDARD] {EXCEPTION | ERROR
       | {BEGINNING | ENDING} {FILE | REEL | UNIT} LABEL} PROCEDURE [ON]
       {file-name... | INPUT | OUTPUT | I-O | EXTEND}
       [GIVING identifier [identifier]]
   USE [GLOBAL] BEFORE REPORTING identifier
   USE [FOR] DEBUGGING [ON] {identifier | ALL [REFERENCES] [OF] identifier
       | ALL PROCEDURES}...
   --------------------------------------------------------------------- */

/* USE: outside DECLARATIVES a warning, the node is built all the same.
   The debugging flag holds while the debug items are read. */
use_statement
        : RW_USE global_opt RW_AFTER standard_opt use_event RW_PROCEDURE on_opt use_files use_giving_opt
                                        { $$ = OrvGramUseAfter(OrvGramStatement(STMT_USE_AFTER, {$2, $5, $8, $9})); }
        | RW_USE global_opt RW_BEFORE RW_REPORTING identifier
                                        { $$ = OrvGramUseBeforeReporting(OrvGramNode(STMT_USE_BEFORE_REPORTING, $2, $5)); }
        | RW_USE for_opt RW_DEBUGGING debugging_list_start on_opt debug_targets
                                        { $$ = OrvGramUseForDebugging(OrvGramNode(STMT_USE_FOR_DEBUGGING, $6)); }
        ;

debugging_list_start
        : /* empty */                   { OrvGramDebuggingList(1); }
        ;

global_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_GLOBAL                     { $$ = OrvGramNode(EX_USE_GLOBAL); }
        ;

use_event
        : RW_EXCEPTION                  { $$ = OrvGramNode(IOCX_ERROR); }
        | RW_ERROR                      { $$ = OrvGramNode(IOCX_ERROR); }
        | beginning_ending label_kind RW_LABEL
                                        { $$ = OrvGramFillSlots($1, $2); }
        ;

beginning_ending
        : RW_BEGINNING                  { $$ = OrvGramNode(IOCX_BEGINNING); }
        | RW_ENDING                     { $$ = OrvGramNode(IOCX_ENDING); }
        ;

label_kind
        : RW_FILE                       { $$ = OrvGramNode(IOCX_FILE); }
        | RW_REEL                       { $$ = OrvGramNode(IOCX_REEL); }
        | RW_UNIT                       { $$ = OrvGramNode(IOCX_UNIT); }
        ;

use_files
        : file_name_uses                { $$ = $1; }
        | RW_INPUT                      { $$ = OrvGramNode(IOCX_INPUT); }
        | RW_OUTPUT                     { $$ = OrvGramNode(IOCX_OUTPUT); }
        | RW_I_O                        { $$ = OrvGramNode(IOCX_I_O); }
        | RW_EXTEND                     { $$ = OrvGramNode(IOCX_EXTEND); }
        ;

use_giving_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_GIVING identifier identifier_opt
                                        { $$ = OrvGramNode(EX_USE_GIVING, OrvGramNode(EX_USE_ARG, $2, $3)); }
        ;

debug_targets
        : debug_target                  { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | debug_targets debug_target    { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

debug_target
        : identifier                    { $$ = $1; }
        | RW_ALL references_opt of_opt identifier
                                        { $$ = OrvGramNode(EX_DEBUG_ALL_REFERENCES_OF, $4); }
        | RW_ALL RW_PROCEDURES          { $$ = OrvGramNode(EX_DEBUG_ALL_PROCEDURES); }
        ;

/* ---------------------------------------------------------------------
   NOTE comment-text
   --------------------------------------------------------------------- */

/* NOTE: the lexer hands its text to the parser, the statement keeps it as
   comment lines and prints as nothing. */
note_statement
        : RW_NOTE TK_END_NOTE           { $$ = OrvGramNote(POSITION_STEP(OrvGramNode(STMT_NOTE))); }
        ;

/* ---------------------------------------------------------------------
   ENTER
   --------------------------------------------------------------------- */

/* ENTER builds nothing: a warning, and the statement list does not grow. */
enter_statement
        : RW_ENTER                      { OrvGramEnter(); }
        ;

/* ---------------------------------------------------------------------
   EXHIBIT [CHANGED] [NAMED] operand...
   --------------------------------------------------------------------- */

exhibit_statement
        : RW_EXHIBIT exhibit_changed_opt exhibit_named_opt operands
                                        { $$ = OrvGramNode(STMT_EXHIBIT, $2, $3, $4); }
        ;

exhibit_changed_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_CHANGED                    { $$ = OrvGramNode(EX_EXHIBIT_CHANGED); }
        ;

exhibit_named_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_NAMED                      { $$ = OrvGramNode(EX_EXHIBIT_NAMED); }
        ;

/* ---------------------------------------------------------------------
   ON operand [AND EVERY operand] [UNTIL operand] statements
       [{ELSE | OTHERWISE} statements]
   --------------------------------------------------------------------- */

/* ON: an ELSE after its statements is its own, not an enclosing IF's. */
on_statement
        : RW_ON operand on_every_opt on_until_opt statements on_else_opt
                                        { $$ = OrvGramStatement(STMT_ON, {$2, $3, $4, $5, $6}); }
        ;

/* ON: its ELSE is built directly. */
on_every_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_AND RW_EVERY operand       { $$ = OrvGramNode(EX_ON_ANDEVERY, $3); }
        ;

on_until_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | RW_UNTIL operand              { $$ = OrvGramNode(EX_ON_UNTIL, $2); }
        ;

on_else_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | else_word statements %prec PRTY_LOW
                                        { $$ = OrvGramNode(EX_ON_ELSE, $2); }
        ;

/* ---------------------------------------------------------------------
   READY TRACE
   RESET TRACE
   --------------------------------------------------------------------- */

trace_statement
        : RW_READY RW_TRACE             { $$ = OrvGramNode(STMT_READY_TRACE); }
        | RW_RESET RW_TRACE             { $$ = OrvGramNode(STMT_RESET_TRACE); }
        ;

/* ---------------------------------------------------------------------
   SERVICE RELOAD identifier
   --------------------------------------------------------------------- */

service_reload_statement
        : RW_SERVICE RW_RELOAD identifier
                                        { $$ = OrvGramNode(STMT_SERVICE_RELOAD, $3); }
        ;

/* ---------------------------------------------------------------------
   COMMIT
   ROLLBACK
   --------------------------------------------------------------------- */

transaction_statement
        : RW_COMMIT                     { $$ = OrvGramNode(STMT_COMMIT); }
        | RW_ROLLBACK                   { $$ = OrvGramNode(STMT_ROLLBACK); }
        ;

/* ---------------------------------------------------------------------
   EXEC subsystem-words END-EXEC
   EXEC SQL sql-statement END-EXEC
   --------------------------------------------------------------------- */

/* EXEC of a subsystem the grammar does not parse: the lexer hands the
   words of the block to the parser, the grammar sees EXEC and END-EXEC.
   EXEC SQL commits the trials open in its statement: none of them may
   run past END-EXEC into the COBOL that follows. */
exec_statement
        : RW_EXEC RW_END_EXEC           { $$ = OrvGramExecTokens(POSITION_STEP(OrvGramExecLines())); }
        | RW_EXEC TK_SQL sql_statement RW_END_EXEC
                                        [ YYVALID; if (yytrial) break; $$ = OrvGramNode(STMT_EXEC_SQL, $3); ]
        | exec_cics_statement           { $$ = $1; }
        ;

/* ===================================================================== */
/* Conditional phrases                                                    */
/* ===================================================================== */

/* Conditional phrases.  Each phrase has an empty rule right after its
   keywords that makes the phrase node before the statements in it; the
   phrase then stores its statements.  An absent phrase is a NULL_NODE
   from its own empty rule.  A positive phrase after an inner statement
   goes to that statement (the absent rule yields to the phrase's first
   word).  NOT ON / NOT AT (CMB_NOT_ON_AT) after an inner statement's
   phrase is left to trial parsing: first the inner statement's NOT phrase,
   then the end of the inner statement.  The absent phrase and the
   node-making rule of the SIZE ERROR, CALL exception, INVALID KEY, AT END,
   OVERFLOW and END-OF-PAGE phrases commit a trial parse: the NOT phrase
   goes to the innermost statement whose phrase its words fit. */

/* [ON] SIZE ERROR of ADD, SUBTRACT, MULTIPLY, DIVIDE and COMPUTE. */
on_size_error_opt
        : /* empty */ %prec PRTY_LOW    [ YYVALID; $$ = OrvGramNullNode(); ]
        | on_before_opt RW_SIZE RW_ERROR size_error_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($4, $5); }
        ;

size_error_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(EX_ON_SIZE_ERROR); ]
        ;

not_on_size_error_opt
        : /* empty */                   [ YYVALID; $$ = OrvGramNullNode(); ]
        | CMB_NOT_ON_AT on_before_opt RW_SIZE RW_ERROR not_size_error_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($5, $6); }
        ;

not_size_error_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(EX_NOT_ON_SIZE_ERROR); ]
        ;

/* [ON] EXCEPTION or OVERFLOW of CALL. */
on_call_exception_opt
        : /* empty */ %prec PRTY_LOW    [ YYVALID; $$ = OrvGramNullNode(); ]
        | on_before_opt exception_overflow call_exception_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($3, $4); }
        ;

exception_overflow
        : RW_EXCEPTION
        | RW_OVERFLOW
        ;

call_exception_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(EX_ON_CALL_EXCEPTION); ]
        ;

not_on_call_exception_opt
        : /* empty */                   [ YYVALID; $$ = OrvGramNullNode(); ]
        | CMB_NOT_ON_AT on_before_opt RW_EXCEPTION not_call_exception_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($4, $5); }
        ;

not_call_exception_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(EX_NOT_ON_CALL_EXCEPTION); ]
        ;

/* INVALID [KEY] of READ, WRITE, REWRITE, DELETE and START: its statements
   may be left out; those of NOT INVALID KEY may not. */
invalid_key_opt
        : /* empty */ %prec PRTY_LOW    [ YYVALID; $$ = OrvGramNullNode(); ]
        | RW_INVALID key_opt invalid_key_start statements_opt
                                        { $$ = OrvGramFillSlots($3, $4); }
        ;

invalid_key_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(EX_ON_INVALID_KEY); ]
        ;

not_invalid_key_opt
        : /* empty */                   [ YYVALID; $$ = OrvGramNullNode(); ]
        | CMB_NOT_ON_AT RW_INVALID key_opt not_invalid_key_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($4, $5); }
        ;

not_invalid_key_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(EX_NOT_ON_INVALID_KEY); ]
        ;

/* [AT] END of READ and RETURN. */
at_end_opt
        : /* empty */ %prec PRTY_LOW    [ YYVALID; $$ = OrvGramNullNode(); ]
        | at_opt RW_END at_end_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($3, $4); }
        ;

at_end_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(EX_ON_AT_END); ]
        ;

not_at_end_opt
        : /* empty */                   [ YYVALID; $$ = OrvGramNullNode(); ]
        | CMB_NOT_ON_AT at_opt RW_END not_at_end_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($4, $5); }
        ;

not_at_end_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(EX_NOT_ON_AT_END); ]
        ;

/* [AT] END-OF-PAGE (EOP) of WRITE. */
end_of_page_opt
        : /* empty */ %prec PRTY_LOW    [ YYVALID; $$ = OrvGramNullNode(); ]
        | at_opt end_of_page_word end_of_page_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($3, $4); }
        ;

end_of_page_word
        : RW_END_OF_PAGE
        | RW_EOP
        ;

end_of_page_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(EX_ON_AT_EOP); ]
        ;

not_end_of_page_opt
        : /* empty */                   [ YYVALID; $$ = OrvGramNullNode(); ]
        | CMB_NOT_ON_AT at_opt end_of_page_word not_end_of_page_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($4, $5); }
        ;

not_end_of_page_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(EX_NOT_ON_AT_EOP); ]
        ;

/* [ON] OVERFLOW of STRING and UNSTRING. */
on_overflow_opt
        : /* empty */ %prec PRTY_LOW    [ YYVALID; $$ = OrvGramNullNode(); ]
        | on_before_opt RW_OVERFLOW overflow_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($3, $4); }
        ;

overflow_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(EX_ON_STRING_OVERFLOW); ]
        ;

not_on_overflow_opt
        : /* empty */                   [ YYVALID; $$ = OrvGramNullNode(); ]
        | CMB_NOT_ON_AT on_before_opt RW_OVERFLOW not_overflow_start statements %prec PRTY_LOW
                                        { $$ = OrvGramFillSlots($4, $5); }
        ;

not_overflow_start
        : /* empty */                   [ YYVALID; $$ = OrvGramNode(EX_NOT_ON_STRING_OVERFLOW); ]
        ;

/* ===================================================================== */
/* Scope terminators                                                      */
/* ===================================================================== */

/* An END-x after an inner statement of the same verb ends the inner one. */

end_accept_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_ACCEPT                 { $$ = OrvGramNode(EX_END_ACCEPT); }
        ;

end_add_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_ADD                    { $$ = OrvGramNode(EX_END_ADD); }
        ;

end_call_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_CALL                   { $$ = OrvGramNode(EX_END_CALL); }
        ;

end_chain_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_CHAIN                  { $$ = OrvGramNode(EX_END_CHAIN); }
        ;

end_compute_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_COMPUTE                { $$ = OrvGramNode(EX_END_COMPUTE); }
        ;

end_delete_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_DELETE                 { $$ = OrvGramNode(EX_END_DELETE); }
        ;

end_display_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_DISPLAY                { $$ = OrvGramNode(EX_END_DISPLAY); }
        ;

end_divide_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_DIVIDE                 { $$ = OrvGramNode(EX_END_DIVIDE); }
        ;

end_evaluate_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_EVALUATE               { $$ = OrvGramNode(EX_END_EVALUATE); }
        ;

end_if_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_IF                     { $$ = OrvGramNode(EX_END_IF); }
        ;

end_invoke_opt
        : /* empty */ %prec PRTY_LOW
        | RW_END_INVOKE
        ;

end_multiply_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_MULTIPLY               { $$ = OrvGramNode(EX_END_MULTIPLY); }
        ;

end_perform_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_PERFORM                { $$ = OrvGramNode(EX_END_PERFORM); }
        ;

end_read_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_READ                   { $$ = OrvGramNode(EX_END_READ); }
        ;

end_receive_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_RECEIVE                { $$ = OrvGramNode(EX_END_RECEIVE); }
        ;

end_return_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_RETURN                 { $$ = OrvGramNode(EX_END_RETURN); }
        ;

end_rewrite_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_REWRITE                { $$ = OrvGramNode(EX_END_REWRITE); }
        ;

end_search_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_SEARCH                 { $$ = OrvGramNode(EX_END_SEARCH); }
        ;

end_start_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_START                  { $$ = OrvGramNode(EX_END_START); }
        ;

end_string_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_STRING                 { $$ = OrvGramNode(EX_END_STRING); }
        ;

end_subtract_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_SUBTRACT               { $$ = OrvGramNode(EX_END_SUBTRACT); }
        ;

end_unstring_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_UNSTRING               { $$ = OrvGramNode(EX_END_UNSTRING); }
        ;

end_write_opt
        : /* empty */ %prec PRTY_LOW    { $$ = OrvGramNullNode(); }
        | RW_END_WRITE                  { $$ = OrvGramNode(EX_END_WRITE); }
        ;

/* ===================================================================== */
/* Operand lists and optional words of the statements                     */
/* ===================================================================== */

operands
        : operand                       { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | operands operand              { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

identifier_or_literal
        : identifier                    { $$ = $1; }
        | literal                       { $$ = $1; }
        ;

/* ON in front of SIZE, OVERFLOW, EXCEPTION or ESCAPE (CMB_ON_BEF_KWD). */
on_before_opt       : /* empty */ | CMB_ON_BEF_KWD ;
advancing_opt       : /* empty */ | RW_ADVANCING ;
corr_word           : RW_CORR | RW_CORRESPONDING ;
data_opt            : /* empty */ | RW_DATA ;
locking_opt         : /* empty */ | RW_LOCKING is_opt ;
order_opt           : /* empty */ | RW_ORDER ;
record_records_opt  : /* empty */ | record_records ;

/* ===================================================================== */
/* Operands: identifiers, literals and optional words                     */
/* ===================================================================== */

/* A name use; as a procedure-name part (above) it is tried before the
   start of a qualified data name when OF or IN follows. */
name_use
        : TK_USER_DEFD_WORD             { $$ = OrvGramNameUseNode($1); }
        ;

qualified_names
        : name_use                      [ $$ = nullptr; if (yytrial) break; $$ = OrvListExpr(OF_IN_LIST, $1, nullptr); ]
        | qualified_names of_in name_use
                                        [ $$ = nullptr; if (yytrial) break; $$ = OrvListExpr(OF_IN_LIST, $1, $3); ]
        ;

qualified_name
        : qualified_names               { $$ = OrvNewNamedObjUse($1, SYMCAT_DATA_NAME, 0); }
        ;

/* "(" after a qualified name is first tried as subscripts, then the name
   stands alone; "(" after a table element is first tried as reference
   modification, then the element stands alone. */
table_element
        : qualified_name SEP_LEFT_PAR subscript_mark subscripts SEP_RIGHT_PAR
                                        [ YYVALID_NESTED; if (yytrial) break; $$ = OrvGramNode(TABLE_ELT, $1, $4); ]
        | qualified_name                [ if (yytrial) { if ($<code>1 != 0) { $<code>1 = 0; YYVALID_NESTED; } break; } $$ = $1; ]
        | function_reference            { $$ = $1; }
        ;

identifier
        : table_element SEP_LEFT_PAR refmod_mark arith_expr SEP_COLON arith_expr_opt SEP_RIGHT_PAR
                                        [ YYVALID_NESTED; if (yytrial) break; $$ = OrvGramNode(REFERENCE_MOD, $1, $4, $6); ]
        | table_element                 [ if (yytrial) { if ($<code>1 != 0) { $<code>1 = 0; YYVALID_NESTED; } break; } $$ = $1; ]
        ;

subscript_mark
        : /* empty */                   [ if (yytrial) $<code>-1 = 1; ]
        ;

refmod_mark
        : /* empty */                   [ if (yytrial) $<code>-1 = 1; ]
        ;

subscripts
        : subscript                     { $$ = OrvListExpr(SUBSCRIPT_LIST, $1, nullptr); }
        | subscripts subscript          { $$ = OrvListExpr(SUBSCRIPT_LIST, $1, $2); }
        ;

subscript
        : integer                       { $$ = $1; }
        | qualified_name                { $$ = $1; }
        | qualified_name OP_PLUS integer
                                        { $$ = OrvGramNode(OP_ADD_IX, $1, $3); }
        | qualified_name OP_MINUS integer
                                        { $$ = OrvGramNode(OP_SUB_IX, $1, $3); }
        | RW_ALL                        { $$ = OrvGramNode(EX_INDEX_ALL); }
        ;

/* Function references: the function name is read in function-name mode,
   with reserved-word and name lookup off. */
function_reference
        : RW_FUNCTION function_mode_on function_name_with_args function_mode_off function_arguments
                                        { $$ = OrvGramNode(INTR_FUNCTION, $3, $5); }
        | RW_FUNCTION function_mode_on function_name_no_args function_mode_off
                                        { $$ = OrvGramNode(INTR_FUNCTION, $3, nullptr); }
        | RW_FUNCTION function_mode_on function_name_word function_mode_off function_arguments
                                        { $$ = OrvGramNode(INTR_FUNCTION, $3, $5); }
        ;

/* A function's name, reduced on its own so that its token stays with the
   name's node: a FUNCTION node printed from its template then still finds
   the name's text there. */
function_name_with_args
        : TK_FUNC_NAME_WITH_ARGS        { $$ = $1; }
        ;

function_name_no_args
        : TK_FUNC_NAME_NO_ARGS          { $$ = $1; }
        ;

function_name_word
        : TK_CHAR_STRING                { $$ = $1; }
        ;

/* A function whose arguments may be left out (RANDOM, or a name the lexer
   does not know) without arguments: only in arithmetic expressions, where
   a "(" after its name is always its argument list. */
function_without_arguments
        : RW_FUNCTION function_mode_on function_name_word function_mode_off
                                        { $$ = OrvGramNode(INTR_FUNCTION, $3, OrvGramNullNode()); }
        ;

function_mode_on
        : /* empty */                   [ OrvGramFunctionMode(1); ]
        ;

function_mode_off
        : /* empty */                   [ OrvGramFunctionMode(0); ]
        ;

function_arguments
        : SEP_LEFT_PAR function_argument_list SEP_RIGHT_PAR
                                        { $$ = OrvGramNode(OP_PARENS, $2); }
        ;

/* Arguments follow each other without separators; only the last one may
   end in a function without arguments, and a sign after an argument
   continues it. */
function_argument_list
        : function_arguments_closed     { $$ = $1; }
        | function_arguments_closed arith_expr_open
                                        { $$ = OrvListExpr(FUNC_ARG_LIST, $1, $2); }
        | arith_expr_open               { $$ = OrvListExpr(FUNC_ARG_LIST, $1, nullptr); }
        ;

function_arguments_closed
        : arith_expr_closed %prec PRTY_LOW
                                        { $$ = OrvListExpr(FUNC_ARG_LIST, $1, nullptr); }
        | function_arguments_closed arith_expr_closed %prec PRTY_LOW
                                        { $$ = OrvListExpr(FUNC_ARG_LIST, $1, $2); }
        ;

operand
        : identifier                    { $$ = $1; }
        | literal_or_all                { $$ = $1; }
        | RW_ADDRESS RW_OF identifier   { $$ = OrvGramNode(SR_ADDRESS_OF, $3); }
        | RW_LENGTH RW_OF identifier    { $$ = OrvGramNode(SR_LENGTH_OF, $3); }
        ;

identifiers
        : identifier                    { $$ = OrvListExpr(IDENT_LIST, $1, nullptr); }
        | identifiers identifier        { $$ = OrvListExpr(IDENT_LIST, $1, $2); }
        ;

identifier_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | identifier                    { $$ = $1; }
        ;

rounded_identifiers
        : rounded_identifier            { $$ = OrvListExpr(EX_LIST, $1, nullptr); }
        | rounded_identifiers rounded_identifier
                                        { $$ = OrvListExpr(EX_LIST, $1, $2); }
        ;

rounded_identifier
        : identifier                    { $$ = $1; }
        | identifier RW_ROUNDED         { $$ = OrvGramNode(IDENT_ROUNDED, $1); }
        ;

literal_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | literal                       { $$ = $1; }
        ;

literal_or_all
        : literal                       { $$ = $1; }
        | RW_ALL literal                { $$ = OrvGramNode(FIG_ALL, $2); }
        ;

literal
        : TK_INT_NUM_LIT                { $$ = $1; }
        | TK_REAL_NUM_LIT               { $$ = $1; }
        | zero_word                     { $$ = OrvGramNode(FIG_ZERO); }
        | alphanumeric_items            { $$ = $1; }
        ;

alphanumeric_items
        : alphanumeric_item             { $$ = $1; }
        | alphanumeric_items SEP_AMPER alphanumeric_item
                                        { $$ = OrvListExpr(STR_CONCATENATE, $1, $3); }
        ;

alphanumeric_item
        : TK_NONNUM_LIT                 { $$ = $1; }
        | RW_SPACE                      { $$ = OrvGramNode(FIG_SPACE); }
        | RW_SPACES                     { $$ = OrvGramNode(FIG_SPACE); }
        | RW_HIGH_VALUE                 { $$ = OrvGramNode(FIG_HIGH_VALUE); }
        | RW_HIGH_VALUES                { $$ = OrvGramNode(FIG_HIGH_VALUE); }
        | RW_LOW_VALUE                  { $$ = OrvGramNode(FIG_LOW_VALUE); }
        | RW_LOW_VALUES                 { $$ = OrvGramNode(FIG_LOW_VALUE); }
        | RW_QUOTE                      { $$ = OrvGramNode(FIG_QUOTE); }
        | RW_QUOTES                     { $$ = OrvGramNode(FIG_QUOTE); }
        | RW_NULL                       { $$ = OrvGramNode(FIG_NULL); }
        | RW_NULLS                      { $$ = OrvGramNode(FIG_NULL); }
        | constant_name_use             { $$ = $1; }
        | symbolic_char_use             { $$ = $1; }
        | symbolic_constant_use         { $$ = $1; }
        ;

integer
        : TK_INT_NUM_LIT                { $$ = $1; }
        | constant_name_use             { $$ = $1; }
        | zero_word                     { $$ = OrvGramNode(FIG_ZERO); }
        ;

constant_name_use
        : UW_CONSTANT_NAME              { $$ = OrvGramNameUse($1, SYMCAT_CONSTANT_NAME, POSITION_OF($1)); }
        ;

zero_word
        : RW_ZERO
        | RW_ZEROS
        | RW_ZEROES
        ;

before_after
        : RW_BEFORE                     { $$ = OrvGramNode(EX_BEFORE); }
        | RW_AFTER                      { $$ = OrvGramNode(EX_AFTER); }
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
are_opt         : /* empty */ | RW_ARE ;
area_opt        : /* empty */ | RW_AREA ;
at_opt          : /* empty */ | RW_AT ;
character_opt   : /* empty */ | RW_CHARACTER ;
contains_opt    : /* empty */ | RW_CONTAINS ;
every_opt       : /* empty */ | RW_EVERY ;
file_opt        : /* empty */ | RW_FILE ;
for_opt         : /* empty */ | RW_FOR ;
in_opt          : /* empty */ | RW_IN ;
indicate_opt    : /* empty */ | RW_INDICATE ;
key_opt         : /* empty */ | RW_KEY ;
lines_opt       : /* empty */ %prec PRTY_LOW | RW_LINES ;
mode_opt        : /* empty */ | RW_MODE ;
multiple_opt    : /* empty */ | RW_MULTIPLE ;
number_opt      : /* empty */ | RW_NUMBER ;
of_opt          : /* empty */ | RW_OF ;
record_opt      : /* empty */ | RW_RECORD ;
right_opt       : /* empty */ | RW_RIGHT ;
set_opt         : /* empty */ | RW_SET ;
tape_opt        : /* empty */ | RW_TAPE ;
times_opt       : /* empty */ | RW_TIMES ;
values_opt      : /* empty */ | RW_VALUES ;
when_opt        : /* empty */ | RW_WHEN ;
after_opt       : /* empty */ | RW_AFTER ;
initial_opt     : /* empty */ | RW_INITIAL ;
line_opt        : /* empty */ | RW_LINE ;
name_opt        : /* empty */ | RW_NAME ;
printing_opt    : /* empty */ | RW_PRINTING ;
references_opt  : /* empty */ | RW_REFERENCES ;
standard_opt    : /* empty */ | RW_STANDARD ;
dot_opt         : /* empty */ %prec PRTY_LOW | SEP_DOT ;
else_word       : RW_ELSE | RW_OTHERWISE ;
equal_word      : RW_EQUAL | OP_EQ ;
giving_word     : RW_GIVING | RW_RETURNING ;
of_in           : RW_OF | RW_IN ;
thru_word       : RW_THROUGH | RW_THRU ;
exception_or_escape : RW_EXCEPTION | RW_ESCAPE ;
position_word   : RW_POS | RW_POSITION ;
timeout_word    : RW_TIME_OUT | RW_TIMEOUT ;


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
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | arith_expr                    { $$ = $1; }
        ;

arith_expr_closed
        : arith_term_closed             { $$ = $1; }
        | arith_expr_closed OP_PLUS arith_term_closed
                                        { $$ = OrvListExpr(AR_ADD, $1, $3); }
        | arith_expr_open OP_PLUS arith_term_closed
                                        { $$ = OrvListExpr(AR_ADD, $1, $3); }
        | arith_expr_closed OP_MINUS arith_term_closed
                                        { $$ = OrvListExpr(AR_SUB, $1, $3); }
        | arith_expr_open OP_MINUS arith_term_closed
                                        { $$ = OrvListExpr(AR_SUB, $1, $3); }
        ;

arith_expr_open
        : arith_term_open               { $$ = $1; }
        | arith_expr_closed OP_PLUS arith_term_open
                                        { $$ = OrvListExpr(AR_ADD, $1, $3); }
        | arith_expr_open OP_PLUS arith_term_open
                                        { $$ = OrvListExpr(AR_ADD, $1, $3); }
        | arith_expr_closed OP_MINUS arith_term_open
                                        { $$ = OrvListExpr(AR_SUB, $1, $3); }
        | arith_expr_open OP_MINUS arith_term_open
                                        { $$ = OrvListExpr(AR_SUB, $1, $3); }
        ;

arith_term
        : arith_term_closed             { $$ = $1; }
        | arith_term_open               { $$ = $1; }
        ;

arith_term_closed
        : arith_power_closed            { $$ = $1; }
        | arith_term OP_MUL arith_power_closed
                                        { $$ = OrvListExpr(AR_MUL, $1, $3); }
        | arith_term OP_DIV arith_power_closed
                                        { $$ = OrvListExpr(AR_DIV, $1, $3); }
        ;

arith_term_open
        : arith_power_open              { $$ = $1; }
        | arith_term OP_MUL arith_power_open
                                        { $$ = OrvListExpr(AR_MUL, $1, $3); }
        | arith_term OP_DIV arith_power_open
                                        { $$ = OrvListExpr(AR_DIV, $1, $3); }
        ;

arith_power
        : arith_power_closed            { $$ = $1; }
        | arith_power_open              { $$ = $1; }
        ;

arith_power_closed
        : arith_unary_closed            { $$ = $1; }
        | arith_power OP_EXP arith_unary_closed
                                        { $$ = OrvListExpr(AR_EXP, $1, $3); }
        ;

arith_power_open
        : arith_unary_open              { $$ = $1; }
        | arith_power OP_EXP arith_unary_open
                                        { $$ = OrvListExpr(AR_EXP, $1, $3); }
        ;

arith_unary_closed
        : arith_primary_closed          { $$ = $1; }
        | OP_PLUS arith_unary_closed    { $$ = OrvGramNode(AR_UN_PLUS, $2); }
        | OP_MINUS arith_unary_closed   { $$ = OrvGramNode(AR_UN_MINUS, $2); }
        ;

arith_unary_open
        : function_without_arguments    { $$ = $1; }
        | OP_PLUS arith_unary_open      { $$ = OrvGramNode(AR_UN_PLUS, $2); }
        | OP_MINUS arith_unary_open     { $$ = OrvGramNode(AR_UN_MINUS, $2); }
        ;

arith_primary_closed
        : operand                       { $$ = $1; }
        | SEP_LEFT_PAR arith_expr SEP_RIGHT_PAR
                                        { $$ = OrvGramNode(OP_PARENS, $2); }
        ;

/* Conditions: NOT binds first, then AND, then OR, left to right.  An
   arithmetic expression is itself a condition (a condition-name, or the
   object of an abbreviated relation).  A parenthesis holds a condition
   only when its content is not a plain arithmetic expression, so that
   "( X )" is one tree whether it is read as expression or condition. */
condition
        : condition_and                 { $$ = $1; }
        | condition RW_OR condition_and { $$ = OrvListExpr(LOG_OR, $1, $3); }
        ;

condition_and
        : condition_not                 { $$ = $1; }
        | condition_and RW_AND condition_not
                                        { $$ = OrvListExpr(LOG_AND, $1, $3); }
        ;

condition_not
        : condition_simple              { $$ = $1; }
        | RW_NOT condition_not          { $$ = OrvGramNode(LOG_NOT, $2); }
        ;

condition_simple
        : arith_expr                    { $$ = $1; }
        | condition_proper              { $$ = $1; }
        ;

/* The same three levels for a condition that is not a plain expression,
   as the content of a parenthesis. */
condition_in_parens
        : condition_in_parens_and       { $$ = $1; }
        | condition RW_OR condition_and { $$ = OrvListExpr(LOG_OR, $1, $3); }
        ;

condition_in_parens_and
        : condition_in_parens_not       { $$ = $1; }
        | condition_and RW_AND condition_not
                                        { $$ = OrvListExpr(LOG_AND, $1, $3); }
        ;

condition_in_parens_not
        : condition_proper              { $$ = $1; }
        | RW_NOT condition_not          { $$ = OrvGramNode(LOG_NOT, $2); }
        ;

condition_proper
        : arith_expr is_opt relational_operator arith_expr
                                        { $$ = OrvGramRelation($3, $1, $4); }
        | arith_expr is_opt relational_operator SEP_LEFT_PAR condition_in_parens SEP_RIGHT_PAR
                                        { $$ = OrvGramRelation($3, $1, OrvGramNode(OP_PARENS, $5)); }
        | arith_expr relation_word arith_expr
                                        { $$ = OrvGramRelation($2, $1, $3); }
        | arith_expr is_opt RW_UNEQUAL to_opt arith_expr
                                        { $$ = OrvGramRelation(CMP_NOT_EQ, $1, $5); }
        | arith_expr is_opt OP_NE arith_expr
                                        { $$ = OrvGramRelation(CMP_NOT_EQ, $1, $4); }
        | arith_expr is_opt class_or_sign
                                        { $$ = OrvGramNode($3, $1); }
        | arith_expr is_opt RW_NOT class_or_sign
                                        { $$ = OrvGramNode(OrvGramNegated($4), $1); }
        | arith_expr is_opt class_name_use
                                        { $$ = OrvGramNode(CMP_IS_CLASS, $1, $3); }
        | arith_expr is_opt RW_NOT class_name_use
                                        { $$ = OrvGramNode(CMP_IS_NOT_CLASS, $1, $4); }
        | relational_operator_simple arith_expr
                                        { $$ = OrvGramRelation($1, OrvGramNullNode(), $2); }
        | RW_IS relational_operator arith_expr
                                        { $$ = OrvGramRelation($2, OrvGramNullNode(), $3); }
        | SEP_LEFT_PAR condition_in_parens SEP_RIGHT_PAR
                                        { $$ = OrvGramNode(OP_PARENS, $2); }
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

/* ===================================================================== */
/* Embedded SQL statements                                                */
/* ===================================================================== */

/* The one statement between EXEC SQL and END-EXEC.  Inside the block the
   lexer gives SQL words (STK_) and SQL punctuation (ST_); keywords build
   no node, their tokens go to the node of the rule that reads them.  A
   statement that fits no rule is an error node: recovery discards tokens
   up to END-EXEC, and the COBOL around the block stays as it is. */
sql_statement
        : sql_declare_section_statement { $$ = $1; }
        | sql_whenever_statement        { $$ = $1; }
        | sql_declare_table_statement   { $$ = $1; }
        | sql_connection_statement      { $$ = $1; }
        | sql_set_statement             { $$ = $1; }
        | sql_transaction_statement     { $$ = $1; }
        | sql_select_statement          { $$ = $1; }
        | sql_insert_statement          { $$ = $1; }
        | sql_delete_statement          { $$ = $1; }
        | sql_update_statement          { $$ = $1; }
        | sql_declare_cursor_statement  { $$ = $1; }
        | sql_cursor_statement          { $$ = $1; }
        | sql_dynamic_statement         { $$ = $1; }
        | error                         { $$ = OrvGramErrorNode(); }
        ;

/* ---------------------------------------------------------------------
   {BEGIN | END} DECLARE SECTION
   --------------------------------------------------------------------- */

sql_declare_section_statement
        : STK_BEGIN STK_DECLARE STK_SECTION
                                        { $$ = OrvGramNode(SQL_STMT_BEGIN_DECLARE_SECTION); }
        | STK_END STK_DECLARE STK_SECTION
                                        { $$ = OrvGramNode(SQL_STMT_END_DECLARE_SECTION); }
        ;

/* ---------------------------------------------------------------------
   WHENEVER {SQLERROR | SQLWARNING | NOT FOUND}
            {CONTINUE | GO TO label | GOTO label | PERFORM label}
   --------------------------------------------------------------------- */

sql_whenever_statement
        : STK_WHENEVER sql_whenever_condition sql_whenever_action
                                        { $$ = OrvGramNode(SQL_STMT_WHENEVER, $2, $3); }
        ;

sql_whenever_condition
        : STK_SQLERROR                  { $$ = OrvGramNode(SQL_ERR_SQLERROR); }
        | STK_SQLWARNING                { $$ = OrvGramNode(SQL_ERR_SQLWARNING); }
        | STK_NOT STK_FOUND             { $$ = OrvGramNode(SQL_ERR_NOT_FOUND); }
        ;

/* PERFORM arrives as the COBOL word: the lexer gives it RW_PERFORM in SQL. */
sql_whenever_action
        : STK_CONTINUE                  { $$ = OrvGramNode(SQL_ACT_CONTINUE); }
        | STK_GO STK_TO sql_label       { $$ = OrvGramNode(SQL_ACT_GOTO, $3); }
        | STK_GOTO sql_label            { $$ = OrvGramNode(SQL_ACT_GOTO, $2); }
        | RW_PERFORM sql_label          { $$ = OrvGramNode(SQL_ACT_PERFORM, $2); }
        ;

/* A label is a procedure-name use, resolved when the program ends. */
sql_label
        : ST_IDENT                      { $$ = OrvGramSqlLabel(&$1, POSITION_OF($1)); }
        | ST_COLON ST_IDENT             { $$ = OrvGramSqlLabel(&$2, POSITION_OF($2)); }
        ;

/* ---------------------------------------------------------------------
   DECLARE table-reference TABLE ( column-definition [, column-definition]... )
   --------------------------------------------------------------------- */

sql_declare_table_statement
        : STK_DECLARE sql_table_ref STK_TABLE ST_LEFT_PAR sql_column_defs ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_STMT_DECLARE_TABLE, $2, $5); }
        ;

sql_column_defs
        : sql_column_def                { $$ = OrvListExpr(SQL_COL_DEF_LIST, $1, nullptr); }
        | sql_column_defs ST_COMMA sql_column_def
                                        { $$ = OrvListExpr(SQL_COL_DEF_LIST, $1, $3); }
        ;

sql_column_def
        : sql_column_name sql_data_type sql_column_constraint_opt
                                        { $$ = OrvGramNode(SQL_COL_DEF, $1, $2, $3); }
        ;

/* Data types, also of CAST and CONVERT; the words in front of a length
   build no node of their own. */
sql_data_type
        : sql_char_word ST_LEFT_PAR ST_EXACT_NUM_LIT ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_TYPE_CHAR, $3); }
        | sql_char_word STK_VARYING ST_LEFT_PAR ST_EXACT_NUM_LIT ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_TYPE_VARCHAR, $4); }
        | STK_VARCHAR ST_LEFT_PAR ST_EXACT_NUM_LIT ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_TYPE_VARCHAR, $3); }
        | STK_BIT ST_LEFT_PAR ST_EXACT_NUM_LIT ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_TYPE_BIT, $3); }
        | STK_BIT STK_VARYING ST_LEFT_PAR ST_EXACT_NUM_LIT ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_TYPE_VARBIT, $4); }
        | STK_NUMERIC ST_LEFT_PAR ST_EXACT_NUM_LIT ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_TYPE_NUMERIC, $3); }
        | STK_NUMERIC ST_LEFT_PAR ST_EXACT_NUM_LIT ST_COMMA ST_EXACT_NUM_LIT ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_TYPE_NUMERIC, $3, $5); }
        | sql_decimal_word              { $$ = OrvGramNode(SQL_TYPE_DECIMAL); }
        | sql_decimal_word ST_LEFT_PAR ST_EXACT_NUM_LIT ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_TYPE_DECIMAL, $3); }
        | sql_decimal_word ST_LEFT_PAR ST_EXACT_NUM_LIT ST_COMMA ST_EXACT_NUM_LIT ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_TYPE_DECIMAL, $3, $5); }
        | STK_INTEGER                   { $$ = OrvGramNode(SQL_TYPE_INT); }
        | STK_INT                       { $$ = OrvGramNode(SQL_TYPE_INT); }
        | STK_SMALLINT                  { $$ = OrvGramNode(SQL_TYPE_SMALLINT); }
        | STK_FLOAT                     { $$ = OrvGramNode(SQL_TYPE_FLOAT); }
        | STK_FLOAT ST_LEFT_PAR ST_EXACT_NUM_LIT ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_TYPE_FLOAT, $3); }
        | STK_REAL                      { $$ = OrvGramNode(SQL_TYPE_REAL); }
        | STK_DOUBLE STK_PRECISION      { $$ = OrvGramNode(SQL_TYPE_DOUBLE_PRECISION); }
        | STK_DATE                      { $$ = OrvGramNode(SQL_TYPE_DATE); }
        | STK_TIME                      { $$ = OrvGramNode(SQL_TYPE_TIME); }
        | STK_TIMESTAMP                 { $$ = OrvGramNode(SQL_TYPE_TIMESTAMP); }
        ;

sql_char_word
        : STK_CHARACTER
        | STK_CHAR
        ;

sql_decimal_word
        : STK_DECIMAL
        | STK_DEC
        ;

sql_column_constraint_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_NOT STK_NULL              { $$ = OrvGramNode(SQL_CONSTR_NOT_NULL); }
        | STK_NOT STK_NULL STK_WITH STK_DEFAULT
                                        { $$ = OrvGramNode(SQL_CONSTR_NOT_NULL_DEFAULT); }
        | STK_PRIMARY STK_KEY           { $$ = OrvGramNode(SQL_CONSTR_PRIMARY_KEY); }
        | STK_UNIQUE                    { $$ = OrvGramNode(SQL_CONSTR_UNIQUE); }
        | STK_CHECK ST_LEFT_PAR sql_search_condition ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_CONSTR_CHECK, $3); }
        ;

/* ---------------------------------------------------------------------
   CONNECT TO server | DISCONNECT server
   --------------------------------------------------------------------- */

sql_connection_statement
        : STK_CONNECT STK_TO sql_server { $$ = OrvGramNode(SQL_STMT_CONNECT, $3); }
        | STK_DISCONNECT sql_server     { $$ = OrvGramNode(SQL_STMT_DISCONNECT, $2); }
        ;

sql_server
        : STK_DEFAULT                   { $$ = OrvGramNode(SQL_SERVER_DEFAULT); }
        | STK_CURRENT                   { $$ = OrvGramNode(SQL_SERVER_CURRENT); }
        | STK_ALL                       { $$ = OrvGramNode(SQL_SERVER_ALL); }
        | sql_name sql_connect_as_opt sql_connect_user_opt
                                        { $$ = OrvGramNode(SQL_SERVER_SPEC, $1, $2, $3); }
        ;

sql_connect_as_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_AS sql_name               { $$ = OrvGramNode(SQL_CONNECT_AS, $2); }
        ;

sql_connect_user_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_USER sql_name             { $$ = OrvGramNode(SQL_CONNECT_USER, $2); }
        ;

/* A name of a server, connection, descriptor or descriptor item. */
sql_name
        : ST_STR_LITER                  { $$ = $1; }
        | ST_EXACT_NUM_LIT              { $$ = $1; }
        | ST_IDENT                      { $$ = $1; }
        ;

/* ---------------------------------------------------------------------
   SET {AUTOCOMMIT {ON | OFF} | CONNECTION server | CATALOG name
        | SCHEMA name | NAMES name | SESSION AUTHORIZATION name
        | CONCURRENCY {LOCKCC | OPTCC | OPTCCVAL | READONLY | READ ONLY}
        | SCROLLOPTION {DYNAMIC | FAST FORWARD | FORWARD | KEYSET}
        | TRANSACTION ISOLATION [LEVEL] {READ COMMITTED | READ UNCOMMITTED
          | REPEATABLE READ | SERIALIZABLE}
        | DESCRIPTOR descriptor set-items
        | host-variable = value-expression [, host-variable = value-expression]...}
   --------------------------------------------------------------------- */

sql_set_statement
        : STK_SET STK_AUTOCOMMIT STK_ON { $$ = OrvGramNode(SQL_STMT_SET_AUTOCOMMIT, OrvGramNode(SQL_FLAG_ON)); }
        | STK_SET STK_AUTOCOMMIT STK_OFF
                                        { $$ = OrvGramNode(SQL_STMT_SET_AUTOCOMMIT, OrvGramNode(SQL_FLAG_OFF)); }
        | STK_SET STK_CONNECTION sql_server
                                        { $$ = OrvGramNode(SQL_STMT_SET_CONNECTION, $3); }
        | STK_SET STK_CATALOG sql_set_name
                                        { $$ = OrvGramNode(SQL_STMT_SET_CATALOG, $3); }
        | STK_SET STK_SCHEMA sql_set_name
                                        { $$ = OrvGramNode(SQL_STMT_SET_SCHEMA, $3); }
        | STK_SET STK_NAMES sql_set_name
                                        { $$ = OrvGramNode(SQL_STMT_SET_NAMES, $3); }
        | STK_SET STK_SESSION STK_AUTHORIZATION sql_set_name
                                        { $$ = OrvGramNode(SQL_STMT_SET_SESSION_AUTH, $4); }
        | STK_SET STK_CONCURRENCY sql_concurrency
                                        { $$ = OrvGramNode(SQL_STMT_SET_CONCURRENCY, $3); }
        | STK_SET STK_SCROLLOPTION sql_scroll_option
                                        { $$ = OrvGramNode(SQL_STMT_SET_SCROLL_OPTION, $3); }
        | STK_SET STK_TRANSACTION STK_ISOLATION sql_level_opt sql_isolation
                                        { $$ = OrvGramNode(SQL_STMT_SET_TRN_ISOLATION, $5); }
        | STK_SET STK_DESCRIPTOR sql_descriptor_ref sql_set_descriptor_items
                                        { $$ = OrvGramNode(SQL_STMT_SET_DESCRIPTOR, $3, $4); }
        | STK_SET sql_host_assigns      { $$ = $2; }
        ;

/* Names of SET CATALOG, SCHEMA, NAMES and SESSION AUTHORIZATION. */
sql_set_name
        : sql_name                      { $$ = $1; }
        | sql_niladic_function          { $$ = $1; }
        ;

sql_concurrency
        : STK_LOCKCC                    { $$ = OrvGramNode(SQL_CONC_LOCKCC); }
        | STK_OPTCC                     { $$ = OrvGramNode(SQL_CONC_OPTCC); }
        | STK_OPTCCVAL                  { $$ = OrvGramNode(SQL_CONC_OPTCCVAL); }
        | STK_READONLY                  { $$ = OrvGramNode(SQL_CONC_READONLY); }
        | STK_READ STK_ONLY             { $$ = OrvGramNode(SQL_CONC_READONLY); }
        ;

sql_scroll_option
        : STK_DYNAMIC                   { $$ = OrvGramNode(SQL_SCROLLOPT_DYNAMIC); }
        | STK_FAST STK_FORWARD          { $$ = OrvGramNode(SQL_SCROLLOPT_FASTFORWARD); }
        | STK_FORWARD                   { $$ = OrvGramNode(SQL_SCROLLOPT_FORWARD); }
        | STK_KEYSET                    { $$ = OrvGramNode(SQL_SCROLLOPT_KEYSET); }
        ;

sql_level_opt
        : /* empty */
        | STK_LEVEL
        ;

sql_isolation
        : STK_READ STK_COMMITTED        { $$ = OrvGramNode(SQL_TIL_READ_COMMITTED); }
        | STK_READ STK_UNCOMMITTED      { $$ = OrvGramNode(SQL_TIL_READ_UNCOMMITTED); }
        | STK_REPEATABLE STK_READ       { $$ = OrvGramNode(SQL_TIL_REPEATABLE_READ); }
        | STK_SERIALIZABLE              { $$ = OrvGramNode(SQL_TIL_SERIALIZABLE); }
        ;

/* SET DESCRIPTOR items: COUNT, or the fields of one item. */
sql_set_descriptor_items
        : sql_ind_host_var ST_EQ STK_COUNT
                                        { $$ = OrvGramNode(SQL_SET_COUNT, $1); }
        | STK_VALUE sql_name sql_set_descriptor_assigns
                                        { $$ = OrvGramNode(SQL_SET_VALUES, $2, $3); }
        ;

sql_set_descriptor_assigns
        : sql_set_descriptor_assign     { $$ = OrvListExpr(SQL_SET_ASSIGN_LIST, $1, nullptr); }
        | sql_set_descriptor_assigns ST_COMMA sql_set_descriptor_assign
                                        { $$ = OrvListExpr(SQL_SET_ASSIGN_LIST, $1, $3); }
        ;

sql_set_descriptor_assign
        : ST_IDENT ST_EQ sql_name       { $$ = OrvGramNode(SQL_SET_ASSIGN, $1, $3); }
        ;

/* SET of host variables: the statement is the list itself. */
sql_host_assigns
        : sql_host_assign               { $$ = OrvListExpr(SQL_SET_ASSIGN_LIST, $1, nullptr); }
        | sql_host_assigns ST_COMMA sql_host_assign
                                        { $$ = OrvListExpr(SQL_SET_ASSIGN_LIST, $1, $3); }
        ;

sql_host_assign
        : sql_ind_host_var ST_EQ sql_value_expr
                                        { $$ = OrvGramNode(SQL_SET_ASSIGN, $1, $3); }
        ;

/* ---------------------------------------------------------------------
   COMMIT | ROLLBACK
   --------------------------------------------------------------------- */

sql_transaction_statement
        : STK_COMMIT                    { $$ = OrvGramNode(SQL_STMT_COMMIT); }
        | STK_ROLLBACK                  { $$ = OrvGramNode(SQL_STMT_ROLLBACK); }
        ;

/* ---------------------------------------------------------------------
   SELECT [ALL | DISTINCT] select-list INTO host-variable-list
          [FROM table-item [, table-item]...] [WHERE search-condition]
          [GROUP BY column-list] [HAVING search-condition]
   --------------------------------------------------------------------- */

sql_select_statement
        : STK_SELECT sql_quantifier sql_select_list STK_INTO sql_host_var_list sql_from_opt
          sql_where_opt sql_group_by_opt sql_having_opt
                                        { $$ = OrvGramFillAll(OrvGramNode(SQL_STMT_SELECT), $2, $3, OrvGramNode(SQL_INTO_VARS, $5), $6, $7, $8, $9); }
        ;

sql_quantifier
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_ALL                       { $$ = OrvGramNode(SQL_QUAL_ALL); }
        | STK_DISTINCT                  { $$ = OrvGramNode(SQL_QUAL_DISTINCT); }
        ;

sql_select_list
        : ST_STAR                       { $$ = OrvGramNode(SQL_SEL_ITEM_LIST_STAR); }
        | sql_select_items              { $$ = $1; }
        ;

sql_select_items
        : sql_select_item               { $$ = OrvListExpr(SQL_SEL_ITEM_LIST, $1, nullptr); }
        | sql_select_items ST_COMMA sql_select_item
                                        { $$ = OrvListExpr(SQL_SEL_ITEM_LIST, $1, $3); }
        ;

sql_select_item
        : sql_value_expr                { $$ = OrvGramNode(SQL_SEL_ITEM_EXPR, $1); }
        | ST_IDENT ST_DOT ST_STAR       { $$ = OrvGramNode(SQL_SEL_ITEM_TABLE_STAR, OrvGramNode(SQL_TABLE_REF, nullptr, $1)); }
        | ST_IDENT ST_DOT ST_IDENT ST_DOT ST_STAR
                                        { $$ = OrvGramNode(SQL_SEL_ITEM_TABLE_STAR, OrvGramNode(SQL_TABLE_REF, $1, $3)); }
        ;

sql_from_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | sql_from                      { $$ = $1; }
        ;

sql_from
        : STK_FROM sql_table_items      { $$ = OrvGramNode(SQL_FROM, $2); }
        ;

sql_table_items
        : sql_table_item                { $$ = OrvListExpr(SQL_TABLE_REF_LIST, $1, nullptr); }
        | sql_table_items ST_COMMA sql_table_item
                                        { $$ = OrvListExpr(SQL_TABLE_REF_LIST, $1, $3); }
        ;

sql_table_item
        : sql_table_ref sql_range_var_opt
                                        { $$ = OrvGramNode(SQL_TABLE_REF_ITEM, $1, $2); }
        | ST_LEFT_PAR sql_query ST_RIGHT_PAR sql_range_var_opt
                                        { $$ = OrvGramNode(SQL_TABLE_REF_ITEM, OrvGramNode(SQL_TABLE_EXPR, $2), $4); }
        ;

sql_range_var_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | ST_IDENT                      { $$ = OrvGramNode(SQL_RANGE_VAR_DEF, $1); }
        | STK_AS ST_IDENT               { $$ = OrvGramNode(SQL_RANGE_VAR_DEF, $2); }
        ;

sql_where_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_WHERE sql_search_condition
                                        { $$ = OrvGramNode(SQL_WHERE, $2); }
        ;

sql_group_by_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_GROUP STK_BY sql_column_list
                                        { $$ = OrvGramNode(SQL_SEL_GROUP_BY, $3); }
        ;

sql_having_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_HAVING sql_search_condition
                                        { $$ = OrvGramNode(SQL_SEL_HAVING, $2); }
        ;

sql_column_list
        : sql_column_ref                { $$ = OrvListExpr(SQL_COL_REF_LIST, $1, nullptr); }
        | sql_column_list ST_COMMA sql_column_ref
                                        { $$ = OrvListExpr(SQL_COL_REF_LIST, $1, $3); }
        ;

/* ---------------------------------------------------------------------
   INSERT INTO table-reference {[( column-list )] query | DEFAULT VALUES}
   --------------------------------------------------------------------- */

sql_insert_statement
        : STK_INSERT STK_INTO sql_table_ref sql_insert_source
                                        { $$ = OrvGramNode(SQL_STMT_INSERT, $3, $4); }
        ;

/* A "(" after the table is tried first as the column list. */
sql_insert_source
        : sql_insert_columns_opt sql_query
                                        { $$ = OrvGramNode(SQL_INSERT_COLS, $1, $2); }
        | STK_DEFAULT STK_VALUES        { $$ = OrvGramNode(SQL_DEFAULT_VALUES); }
        ;

sql_insert_columns_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | ST_LEFT_PAR sql_column_list ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_OP_PARENS, $2); }
        ;

/* ---------------------------------------------------------------------
   DELETE [FROM table-reference] [WHERE {search-condition | CURRENT OF cursor}]
   --------------------------------------------------------------------- */

sql_delete_statement
        : STK_DELETE sql_delete_target sql_where_opt
                                        { $$ = OrvGramNode(SQL_STMT_DELETE, $2, $3); }
        | STK_DELETE sql_delete_target STK_WHERE STK_CURRENT STK_OF sql_cursor_ref
                                        { $$ = OrvGramNode(SQL_STMT_DELETE_CURSOR, $2, $6); }
        ;

sql_delete_target
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_FROM sql_table_ref        { $$ = OrvGramNode(SQL_FROM_TABLE, $2); }
        ;

/* ---------------------------------------------------------------------
   UPDATE [table-reference] SET column = value-expression [, ...]
          [WHERE {search-condition | CURRENT OF cursor}]
   --------------------------------------------------------------------- */

sql_update_statement
        : STK_UPDATE sql_update_target STK_SET sql_update_assigns sql_where_opt
                                        { $$ = OrvGramNode(SQL_STMT_UPDATE, $2, $4, $5); }
        | STK_UPDATE sql_update_target STK_SET sql_update_assigns STK_WHERE STK_CURRENT STK_OF sql_cursor_ref
                                        { $$ = OrvGramNode(SQL_STMT_UPDATE_CURSOR, $2, $4, $8); }
        ;

sql_update_target
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | sql_table_ref                 { $$ = $1; }
        ;

sql_update_assigns
        : sql_update_assign             { $$ = OrvListExpr(SQL_UPDATE_ASSIGN_LIST, $1, nullptr); }
        | sql_update_assigns ST_COMMA sql_update_assign
                                        { $$ = OrvListExpr(SQL_UPDATE_ASSIGN_LIST, $1, $3); }
        ;

sql_update_assign
        : sql_column_ref ST_EQ sql_value_expr
                                        { $$ = OrvGramNode(SQL_UPDATE_ASSIGN, $1, $3); }
        ;

/* ---------------------------------------------------------------------
   DECLARE cursor [INSENSITIVE] [SCROLL] CURSOR [WITH HOLD] [WITH RETURN]
           FOR {query [ORDER BY ...] [FOR ...] [OPTIMIZE FOR n ROWS]
                | prepared-statement}
   --------------------------------------------------------------------- */

sql_declare_cursor_statement
        : STK_DECLARE sql_cursor_ref sql_insensitive_opt sql_scroll_opt STK_CURSOR sql_with_hold_opt
          sql_with_return_opt STK_FOR sql_cursor_body
                                        { $$ = OrvGramFillAll(OrvGramNode(SQL_STMT_DECLARE_CURSOR), $2, $3, $4, $6, $7, $9); }
        ;

sql_insensitive_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_INSENSITIVE               { $$ = OrvGramNode(SQL_DECL_INSENSITIVE); }
        ;

sql_scroll_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_SCROLL                    { $$ = OrvGramNode(SQL_DECL_SCROLL); }
        ;

sql_with_hold_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_WITH_HOLD                 { $$ = OrvGramNode(SQL_DECL_WHOLD); }
        ;

sql_with_return_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_WITH_RETURN               { $$ = OrvGramNode(SQL_DECL_WRETURN); }
        ;

sql_cursor_body
        : sql_query sql_order_by_opt sql_for_opt sql_optimize_opt
                                        { $$ = OrvGramNode(SQL_DECL_CURSOR_STATIC, $1, $2, $3, $4); }
        | sql_prepared_ref              { $$ = OrvGramNode(SQL_DECL_CURSOR_DYNAMIC, $1); }
        ;

sql_order_by_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_ORDER STK_BY sql_order_items
                                        { $$ = OrvGramNode(SQL_ORDER_BY, $3); }
        ;

sql_order_items
        : sql_order_item                { $$ = OrvListExpr(SQL_ORDER_ITEM_LIST, $1, nullptr); }
        | sql_order_items ST_COMMA sql_order_item
                                        { $$ = OrvListExpr(SQL_ORDER_ITEM_LIST, $1, $3); }
        ;

sql_order_item
        : sql_column_ref sql_direction_opt
                                        { $$ = OrvGramNode(SQL_ORDER_ITEM, $1, $2); }
        | ST_EXACT_NUM_LIT sql_direction_opt
                                        { $$ = OrvGramNode(SQL_ORDER_ITEM, $1, $2); }
        ;

sql_direction_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_ASC                       { $$ = OrvGramNode(SQL_ORDER_ASC); }
        | STK_DESC                      { $$ = OrvGramNode(SQL_ORDER_DESC); }
        ;

sql_for_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_FOR STK_READ STK_ONLY     { $$ = OrvGramNode(SQL_DECL_FOR, OrvGramNode(SQL_DECL_ACC_READONLY)); }
        | STK_FOR STK_FETCH STK_ONLY    { $$ = OrvGramNode(SQL_DECL_FOR, OrvGramNode(SQL_DECL_ACC_READONLY)); }
        | STK_FOR STK_UPDATE sql_update_of_opt
                                        { $$ = OrvGramNode(SQL_DECL_FOR, OrvGramNode(SQL_DECL_ACC_UPDATE, $3)); }
        ;

sql_update_of_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_OF sql_column_list        { $$ = OrvGramNode(SQL_DECL_ACC_UPDATE_OF, $2); }
        ;

sql_optimize_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_OPTIMIZE STK_FOR ST_EXACT_NUM_LIT sql_row_word
                                        { $$ = OrvGramNode(SQL_OPTIMIZE_FOR, $3); }
        ;

sql_row_word
        : STK_ROW
        | STK_ROWS
        ;

/* ---------------------------------------------------------------------
   OPEN cursor [USING ...] | CLOSE cursor
   | FETCH [NEXT | PRIOR | FIRST | LAST | ABSOLUTE n | RELATIVE n] [FROM] cursor [INTO ...]
   --------------------------------------------------------------------- */

sql_cursor_statement
        : STK_OPEN sql_cursor_ref sql_using_opt
                                        { $$ = OrvGramNode(SQL_STMT_OPEN_CURSOR, $2, $3); }
        | STK_CLOSE sql_cursor_ref      { $$ = OrvGramNode(SQL_STMT_CLOSE_CURSOR, $2); }
        | STK_FETCH sql_fetch_orientation_opt sql_from_word_opt sql_cursor_ref sql_into_opt
                                        { $$ = OrvGramNode(SQL_STMT_FETCH_CURSOR, $2, $4, $5); }
        ;

sql_fetch_orientation_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_NEXT                      { $$ = OrvGramNode(SQL_ROWSEL_NEXT); }
        | STK_PRIOR                     { $$ = OrvGramNode(SQL_ROWSEL_PRIOR); }
        | STK_FIRST                     { $$ = OrvGramNode(SQL_ROWSEL_FIRST); }
        | STK_LAST                      { $$ = OrvGramNode(SQL_ROWSEL_LAST); }
        | STK_ABSOLUTE ST_EXACT_NUM_LIT { $$ = OrvGramNode(SQL_ROWSEL_ABSOLUTE, $2); }
        | STK_RELATIVE ST_EXACT_NUM_LIT { $$ = OrvGramNode(SQL_ROWSEL_RELATIVE, $2); }
        ;

sql_from_word_opt
        : /* empty */
        | STK_FROM
        ;

sql_into_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_INTO sql_host_var_list    { $$ = OrvGramNode(SQL_INTO_VARS, $2); }
        | STK_INTO STK_SQL STK_DESCRIPTOR sql_descriptor_ref
                                        { $$ = OrvGramNode(SQL_INTO_DESCR, $4); }
        ;

sql_using_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_USING sql_host_var_list   { $$ = OrvGramNode(SQL_USING_VARS, $2); }
        | STK_USING STK_SQL STK_DESCRIPTOR sql_descriptor_ref
                                        { $$ = OrvGramNode(SQL_USING_DESCR, $4); }
        ;

sql_cursor_ref
        : ST_IDENT                      { $$ = OrvGramNode(SQL_CURSOR_REF, $1); }
        | sql_host_var                  { $$ = OrvGramNode(SQL_CURSOR_REF, $1); }
        ;

/* ---------------------------------------------------------------------
   ALLOCATE {DESCRIPTOR descriptor | cursor CURSOR FOR prepared-statement}
   | DEALLOCATE {DESCRIPTOR descriptor | PREPARE prepared-statement}
   | DESCRIBE [INPUT | OUTPUT] prepared-statement USING SQL DESCRIPTOR descriptor
   | EXECUTE {IMMEDIATE host-variable | prepared-statement [INTO ...] [USING ...]}
   | PREPARE prepared-statement FROM host-variable
   | GET DESCRIPTOR descriptor get-items
   --------------------------------------------------------------------- */

sql_dynamic_statement
        : STK_ALLOCATE STK_DESCRIPTOR sql_descriptor_ref
                                        { $$ = OrvGramNode(SQL_STMT_ALLOCATE_DESCRIPTOR, $3); }
        | STK_ALLOCATE sql_cursor_ref STK_CURSOR STK_FOR sql_prepared_ref
                                        { $$ = OrvGramNode(SQL_STMT_ALLOCATE_CURSOR, $2, $5); }
        | STK_DEALLOCATE STK_DESCRIPTOR sql_descriptor_ref
                                        { $$ = OrvGramNode(SQL_STMT_DEALLOCATE_DESCRIPTOR, $3); }
        | STK_DEALLOCATE STK_PREPARE sql_prepared_ref
                                        { $$ = OrvGramNode(SQL_STMT_DEALLOCATE_PREPARE, $3); }
        | STK_DESCRIBE STK_INPUT sql_prepared_ref STK_USING STK_SQL STK_DESCRIPTOR sql_descriptor_ref
                                        { $$ = OrvGramNode(SQL_STMT_DESCRIBE_INPUT, $3, $7); }
        | STK_DESCRIBE sql_output_opt sql_prepared_ref STK_USING STK_SQL STK_DESCRIPTOR sql_descriptor_ref
                                        { $$ = OrvGramNode(SQL_STMT_DESCRIBE_OUTPUT, $3, $7); }
        | STK_EXECUTE STK_IMMEDIATE sql_host_var
                                        { $$ = OrvGramNode(SQL_STMT_EXECUTE_IMMEDIATE, $3); }
        | STK_EXECUTE sql_prepared_ref sql_into_opt sql_using_opt
                                        { $$ = OrvGramNode(SQL_STMT_EXECUTE_PREPARED, $2, $3, $4); }
        | STK_PREPARE sql_prepared_ref STK_FROM sql_host_var
                                        { $$ = OrvGramNode(SQL_STMT_PREPARE, $2, $4); }
        | STK_GET STK_DESCRIPTOR sql_descriptor_ref sql_get_descriptor_items
                                        { $$ = OrvGramNode(SQL_STMT_GET_DESCRIPTOR, $3, $4); }
        ;

sql_output_opt
        : /* empty */
        | STK_OUTPUT
        ;

sql_prepared_ref
        : ST_IDENT                      { $$ = OrvGramNode(SQL_PREPPED_REF, $1); }
        | sql_host_var                  { $$ = OrvGramNode(SQL_PREPPED_REF, $1); }
        ;

sql_descriptor_ref
        : sql_name                      { $$ = OrvGramNode(SQL_DESCR_REF, $1); }
        ;

/* GET DESCRIPTOR items: COUNT, or the fields of one item. */
sql_get_descriptor_items
        : sql_ind_host_var ST_EQ STK_COUNT
                                        { $$ = OrvGramNode(SQL_GET_COUNT, $1); }
        | STK_VALUE sql_name sql_get_descriptor_assigns
                                        { $$ = OrvGramNode(SQL_GET_VALUES, $2, $3); }
        ;

sql_get_descriptor_assigns
        : sql_get_descriptor_assign     { $$ = OrvListExpr(SQL_GET_ASSIGN_LIST, $1, nullptr); }
        | sql_get_descriptor_assigns ST_COMMA sql_get_descriptor_assign
                                        { $$ = OrvListExpr(SQL_GET_ASSIGN_LIST, $1, $3); }
        ;

sql_get_descriptor_assign
        : sql_ind_host_var ST_EQ ST_IDENT
                                        { $$ = OrvGramNode(SQL_GET_ASSIGN, $1, $3); }
        ;

/* ===================================================================== */
/* Embedded SQL query expressions and clauses                             */
/* ===================================================================== */

/* Table reference: [schema .] table. */
sql_table_ref
        : ST_IDENT                      { $$ = OrvGramNode(SQL_TABLE_REF, nullptr, $1); }
        | ST_IDENT ST_DOT ST_IDENT      { $$ = OrvGramNode(SQL_TABLE_REF, $1, $3); }
        ;

/* Column reference: [[schema .] table .] column. */
sql_column_ref
        : sql_column_name               { $$ = OrvGramNode(SQL_COL_REF, nullptr, $1); }
        | ST_IDENT ST_DOT sql_column_name
                                        { $$ = OrvGramNode(SQL_COL_REF, OrvGramNode(SQL_TABLE_REF, nullptr, $1), $3); }
        | ST_IDENT ST_DOT ST_IDENT ST_DOT sql_column_name
                                        { $$ = OrvGramNode(SQL_COL_REF, OrvGramNode(SQL_TABLE_REF, $1, $3), $5); }
        ;

/* The SQL word VALUE may name a column. */
sql_column_name
        : ST_IDENT                      { $$ = $1; }
        | STK_VALUE                     { $$ = OrvGramSqlValueWord(); }
        ;

/* A query: a joined table or a set expression.  INTERSECT binds tighter
   than UNION and EXCEPT; all three associate to the left. */
sql_query
        : sql_joined_table              { $$ = $1; }
        | sql_set_expr                  { $$ = $1; }
        ;

sql_set_expr
        : sql_intersect_term            { $$ = $1; }
        | sql_query STK_UNION sql_all_opt sql_corresponding_opt sql_set_right
                                        { $$ = OrvGramNode(SQL_OP_UNION, $1, $3, $4, $5); }
        | sql_query STK_EXCEPT sql_all_opt sql_corresponding_opt sql_set_right
                                        { $$ = OrvGramNode(SQL_OP_EXCEPT, $1, $3, $4, $5); }
        ;

sql_set_right
        : sql_intersect_term            { $$ = $1; }
        | sql_joined_table              { $$ = $1; }
        ;

sql_intersect_term
        : sql_simple_table              { $$ = $1; }
        | sql_intersect_left STK_INTERSECT sql_all_opt sql_corresponding_opt sql_intersect_right
                                        { $$ = OrvGramNode(SQL_OP_INTERSECT, $1, $3, $4, $5); }
        ;

sql_intersect_left
        : sql_intersect_term            { $$ = $1; }
        | sql_joined_table              { $$ = $1; }
        ;

sql_intersect_right
        : sql_simple_table              { $$ = $1; }
        | sql_joined_table              { $$ = $1; }
        ;

sql_all_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_ALL                       { $$ = OrvGramNode(SQL_ALL); }
        ;

sql_corresponding_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_CORRESPONDING             { $$ = OrvGramNode(SQL_CORRESPONDING, OrvGramNullNode()); }
        | STK_CORRESPONDING STK_BY ST_LEFT_PAR sql_column_list ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_CORRESPONDING, OrvGramNode(SQL_CORRESP_BY, $4)); }
        ;

sql_simple_table
        : STK_TABLE sql_table_ref       { $$ = OrvGramNode(SQL_OP_TABLE, $2); }
        | STK_VALUES sql_rows           { $$ = OrvGramNode(SQL_OP_VALUES, $2); }
        | STK_SELECT sql_quantifier sql_select_list sql_from sql_where_opt sql_group_by_opt sql_having_opt
                                        { $$ = OrvGramFillAll(OrvGramNode(SQL_EXPR_SELECT), $2, $3, $4, $5, $6, $7); }
        ;

/* Rows of VALUES: a value that is not a row constructor becomes a row of
   one value. */
sql_rows
        : sql_row                       { $$ = OrvListExpr(SQL_ROW_CONSTRUCTOR_LIST, $1, nullptr); }
        | sql_rows ST_COMMA sql_row     { $$ = OrvListExpr(SQL_ROW_CONSTRUCTOR_LIST, $1, $3); }
        ;

sql_row
        : sql_row_value                 { $$ = OrvGramSqlRow($1); }
        ;

/* Joined tables; the join type is required.  A joined table in
   parentheses is tried first as such, then as a parenthesised query. */
sql_joined_table
        : sql_table_primary sql_natural_opt sql_join_type STK_JOIN sql_table_primary sql_join_spec_opt
                                        { $$ = OrvGramFillAll(OrvGramNode(SQL_OP_JOIN), $1, $2, $3, $5, $6); }
        | sql_table_primary STK_CROSS STK_JOIN sql_table_primary
                                        { $$ = OrvGramNode(SQL_OP_CROSS_JOIN, $1, $4); }
        | ST_LEFT_PAR sql_joined_table ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_OP_PARENS, $2); }
        ;

sql_table_primary
        : sql_table_ref                 { $$ = $1; }
        | ST_LEFT_PAR sql_query ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_TABLE_EXPR, $2); }
        ;

sql_natural_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_NATURAL                   { $$ = OrvGramNode(SQL_JOIN_NATURAL); }
        ;

sql_join_type
        : STK_INNER                     { $$ = OrvGramNode(SQL_JOIN_INNER); }
        | STK_LEFT                      { $$ = OrvGramNode(SQL_JOIN_LEFT); }
        | STK_LEFT STK_OUTER            { $$ = OrvGramNode(SQL_JOIN_LEFT_OUTER); }
        | STK_RIGHT                     { $$ = OrvGramNode(SQL_JOIN_RIGHT); }
        | STK_RIGHT STK_OUTER           { $$ = OrvGramNode(SQL_JOIN_RIGHT_OUTER); }
        | STK_UNION                     { $$ = OrvGramNode(SQL_JOIN_UNION); }
        ;

sql_join_spec_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | STK_ON sql_search_condition   { $$ = OrvGramNode(SQL_JOIN_ON, $2); }
        | STK_USING ST_LEFT_PAR sql_column_list ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_JOIN_USING, $3); }
        ;

/* ===================================================================== */
/* Embedded SQL expressions, conditions, functions and host variables     */
/* ===================================================================== */

/* Value expressions: a sign binds first (one per primary), then * and /,
   then +, - and || (two bars), all left to right. */
sql_value_expr
        : sql_term                      { $$ = $1; }
        | sql_value_expr ST_PLUS sql_term
                                        { $$ = OrvListExpr(SQL_OP_ADD, $1, $3); }
        | sql_value_expr ST_MINUS sql_term
                                        { $$ = OrvListExpr(SQL_OP_SUB, $1, $3); }
        | sql_value_expr ST_VERT ST_VERT sql_term
                                        { $$ = OrvListExpr(SQL_OP_CONCAT, $1, $4); }
        ;

sql_term
        : sql_factor                    { $$ = $1; }
        | sql_term ST_STAR sql_factor   { $$ = OrvListExpr(SQL_OP_MUL, $1, $3); }
        | sql_term ST_SLASH sql_factor  { $$ = OrvListExpr(SQL_OP_DIV, $1, $3); }
        ;

sql_factor
        : sql_primary                   { $$ = $1; }
        | ST_PLUS sql_primary           { $$ = OrvGramNode(SQL_OP_UN_PLUS, $2); }
        | ST_MINUS sql_primary          { $$ = OrvGramNode(SQL_OP_UN_MINUS, $2); }
        ;

sql_primary
        : ST_STR_LITER                  { $$ = $1; }
        | ST_EXACT_NUM_LIT              { $$ = $1; }
        | ST_APPROX_NUM_LIT             { $$ = $1; }
        | STK_DEFAULT                   { $$ = OrvGramNode(SQL_VALUE_DEFAULT); }
        | STK_NULL                      { $$ = OrvGramNode(SQL_VALUE_NULL); }
        | sql_column_ref                { $$ = $1; }
        | sql_ind_host_var              { $$ = $1; }
        | ST_LEFT_PAR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_OP_PARENS, $2); }
        | sql_scalar_function           { $$ = $1; }
        | sql_niladic_function          { $$ = $1; }
        | sql_aggregate_function        { $$ = $1; }
        | ST_IDENT ST_LEFT_PAR ST_RIGHT_PAR
                                        { $$ = OrvGramSqlFunction($1, nullptr); }
        | ST_IDENT ST_LEFT_PAR sql_expr_list ST_RIGHT_PAR
                                        { $$ = OrvGramSqlFunction($1, $3); }
        ;

sql_expr_list
        : sql_value_expr                { $$ = OrvListExpr(SQL_EXPR_LIST, $1, nullptr); }
        | sql_expr_list ST_COMMA sql_value_expr
                                        { $$ = OrvListExpr(SQL_EXPR_LIST, $1, $3); }
        ;

/* Host variables: ":" and a name path, the named item last (:A.B is B
   in group A); an indicator variable may follow, with or without the
   word INDICATOR. */
sql_host_var
        : ST_COLON sql_host_var_names   { $$ = OrvGramSqlHostVar($2); }
        ;

sql_host_var_names
        : sql_host_var_name             { $$ = OrvListExpr(SQL_VAR_NAME_LIST, $1, nullptr); }
        | sql_host_var_names ST_DOT sql_host_var_name
                                        { $$ = OrvListExpr(SQL_VAR_NAME_LIST, $1, $3); }
        ;

sql_host_var_name
        : ST_IDENT                      { $$ = OrvGramSqlName(&$1, POSITION_OF($1)); }
        ;

sql_ind_host_var
        : sql_host_var                  { $$ = OrvGramNode(SQL_IND_HOST_VAR, $1); }
        | sql_host_var sql_host_var     { $$ = OrvGramNode(SQL_IND_HOST_VAR, $1, $2); }
        | sql_host_var STK_INDICATOR sql_host_var
                                        { $$ = OrvGramNode(SQL_IND_HOST_VAR, $1, $3); }
        ;

sql_host_var_list
        : sql_ind_host_var              { $$ = OrvListExpr(SQL_IND_HOST_VAR_LIST, $1, nullptr); }
        | sql_host_var_list ST_COMMA sql_ind_host_var
                                        { $$ = OrvListExpr(SQL_IND_HOST_VAR_LIST, $1, $3); }
        ;

/* Row values: a value, a parenthesised list or a parenthesised query.  A
   single value in parentheses is tried first as a parenthesised value. */
sql_row_value
        : sql_value_expr                { $$ = $1; }
        | ST_LEFT_PAR sql_expr_list ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_ROW_CONSTRUCTOR, $2); }
        | ST_LEFT_PAR sql_query ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_ROW_CONSTRUCTOR, $2); }
        ;

/* Scalar functions. */
sql_scalar_function
        : STK_BIT_LENGTH ST_LEFT_PAR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_BIT_LENGTH, $3); }
        | STK_OCTET_LENGTH ST_LEFT_PAR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_OCTET_LENGTH, $3); }
        | STK_CHAR_LENGTH ST_LEFT_PAR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_CHAR_LENGTH, $3); }
        | STK_CHARACTER_LENGTH ST_LEFT_PAR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_CHAR_LENGTH, $3); }
        | STK_CASE sql_when_list STK_ELSE sql_value_expr STK_END
                                        { $$ = OrvGramNode(SQL_SF_CASE, $2, $4); }
        | STK_CAST ST_LEFT_PAR sql_value_expr STK_AS sql_data_type ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_CAST, $3, $5); }
        | STK_CONVERT ST_LEFT_PAR sql_data_type ST_COMMA sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_CONVERT, $3, $5, OrvGramNullNode()); }
        | STK_CONVERT ST_LEFT_PAR sql_data_type ST_COMMA sql_value_expr ST_COMMA ST_EXACT_NUM_LIT ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_CONVERT, $3, $5, $7); }
        | STK_CONVERT ST_LEFT_PAR sql_value_expr ST_COMMA sql_value_expr ST_COMMA sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_CONVERT, $3, $5, $7); }
        | STK_DATEPART ST_LEFT_PAR sql_value_expr ST_COMMA sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_DATEPART, $3, $5); }
        | STK_DAY ST_LEFT_PAR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_DAY, $3); }
        | STK_MONTH ST_LEFT_PAR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_MONTH, $3); }
        | STK_YEAR ST_LEFT_PAR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_YEAR, $3); }
        | STK_DATEADD ST_LEFT_PAR sql_value_expr ST_COMMA sql_value_expr ST_COMMA sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_DATEADD, $3, $5, $7); }
        | STK_DATEDIFF ST_LEFT_PAR sql_value_expr ST_COMMA sql_value_expr ST_COMMA sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_DATEDIFF, $3, $5, $7); }
        | STK_LEFT ST_LEFT_PAR sql_value_expr ST_COMMA sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_LEFT, $3, $5); }
        | STK_RIGHT ST_LEFT_PAR sql_value_expr ST_COMMA sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_RIGHT, $3, $5); }
        | STK_LOWER ST_LEFT_PAR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_LOWER, $3); }
        | STK_UPPER ST_LEFT_PAR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_UPPER, $3); }
        | STK_POSITION ST_LEFT_PAR sql_value_expr STK_IN sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_POSITION, $3, $5); }
        | STK_RAND ST_LEFT_PAR ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_RAND); }
        | STK_RAND ST_LEFT_PAR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_RAND, $3); }
        | STK_REPLACE ST_LEFT_PAR sql_value_expr ST_COMMA sql_value_expr ST_COMMA sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_REPLACE, $3, $5, $7); }
        | STK_STR ST_LEFT_PAR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_STR, $3); }
        | STK_STR ST_LEFT_PAR sql_value_expr ST_COMMA sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_STR, $3, $5); }
        | STK_STR ST_LEFT_PAR sql_value_expr ST_COMMA sql_value_expr ST_COMMA sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_STR, $3, $5, $7); }
        | STK_SUBSTRING ST_LEFT_PAR sql_value_expr STK_FROM sql_value_expr STK_FOR sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_SUBSTRING, $3, $5, $7); }
        | STK_SUBSTRING ST_LEFT_PAR sql_value_expr ST_COMMA sql_value_expr ST_COMMA sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_SUBSTRING, $3, $5, $7); }
        | STK_TRIM ST_LEFT_PAR sql_trim_spec sql_value_expr STK_FROM sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_SF_TRIM, $3, $4, $6); }
        ;

/* WHEN operands are values, not conditions; ELSE is required. */
sql_when_list
        : sql_when_item                 { $$ = OrvListExpr(SQL_WHEN_EXPR_LIST, $1, nullptr); }
        | sql_when_list sql_when_item   { $$ = OrvListExpr(SQL_WHEN_EXPR_LIST, $1, $2); }
        ;

sql_when_item
        : STK_WHEN sql_value_expr STK_THEN sql_value_expr
                                        { $$ = OrvGramNode(SQL_WHEN_EXPR, $2, $4); }
        ;

sql_trim_spec
        : STK_LEADING                   { $$ = OrvGramNode(SQL_TRIM_LEADING); }
        | STK_TRAILING                  { $$ = OrvGramNode(SQL_TRIM_TRAILING); }
        | STK_BOTH                      { $$ = OrvGramNode(SQL_TRIM_BOTH); }
        ;

/* Functions without parentheses. */
sql_niladic_function
        : STK_USER                      { $$ = OrvGramNode(SQL_SF_CURRENT_USER); }
        | STK_CURRENT_USER              { $$ = OrvGramNode(SQL_SF_CURRENT_USER); }
        | STK_SESSION_USER              { $$ = OrvGramNode(SQL_SF_SESSION_USER); }
        | STK_SYSTEM_USER               { $$ = OrvGramNode(SQL_SF_SYSTEM_USER); }
        | STK_CURRENT_DATE              { $$ = OrvGramNode(SQL_SF_CURRENT_DATE); }
        | STK_CURRENT STK_DATE          { $$ = OrvGramNode(SQL_SF_CURRENT_DATE); }
        | STK_CURRENT_TIME              { $$ = OrvGramNode(SQL_SF_CURRENT_TIME); }
        | STK_CURRENT STK_TIME          { $$ = OrvGramNode(SQL_SF_CURRENT_TIME); }
        | STK_CURRENT_TIMESTAMP         { $$ = OrvGramNode(SQL_SF_CURRENT_TIMESTAMP); }
        | STK_CURRENT STK_TIMESTAMP     { $$ = OrvGramNode(SQL_SF_CURRENT_TIMESTAMP); }
        ;

/* Aggregates; COUNT ( * ) and COUNT ( e ) have rules of their own. */
sql_aggregate_function
        : STK_COUNT ST_LEFT_PAR ST_STAR ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_AF_COUNT_STAR); }
        | STK_COUNT ST_LEFT_PAR sql_quantifier sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_AF_COUNT, $3, $4); }
        | STK_AVG ST_LEFT_PAR sql_quantifier sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_AF_AVG, $3, $4); }
        | STK_MAX ST_LEFT_PAR sql_quantifier sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_AF_MAX, $3, $4); }
        | STK_MIN ST_LEFT_PAR sql_quantifier sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_AF_MIN, $3, $4); }
        | STK_SUM ST_LEFT_PAR sql_quantifier sql_value_expr ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_AF_SUM, $3, $4); }
        ;

/* Search conditions: NOT (once per predicate) binds first, then AND,
   then OR. */
sql_search_condition
        : sql_conjunction               { $$ = $1; }
        | sql_search_condition STK_OR sql_conjunction
                                        { $$ = OrvListExpr(SQL_OP_OR, $1, $3); }
        ;

sql_conjunction
        : sql_negation                  { $$ = $1; }
        | sql_conjunction STK_AND sql_negation
                                        { $$ = OrvListExpr(SQL_OP_AND, $1, $3); }
        ;

sql_negation
        : sql_predicate                 { $$ = $1; }
        | STK_NOT sql_predicate         { $$ = OrvGramNode(SQL_OP_NOT, $2); }
        ;

sql_predicate
        : ST_LEFT_PAR sql_search_condition ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_OP_PARENS, $2); }
        | sql_row_value sql_comparison_operator sql_row_value
                                        { $$ = OrvGramNode($2, $1, $3); }
        | sql_row_value STK_BETWEEN sql_row_value STK_AND sql_row_value
                                        { $$ = OrvGramNode(SQL_OP_BETWEEN, $1, $3, $5); }
        | sql_value_expr STK_NOT STK_BETWEEN sql_value_expr STK_AND sql_value_expr
                                        { $$ = OrvGramNode(SQL_OP_NOT_BETWEEN, $1, $4, $6); }
        | sql_row_value STK_IN ST_LEFT_PAR sql_expr_list ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_OP_IN, $1, $4); }
        | sql_value_expr STK_NOT STK_IN ST_LEFT_PAR sql_expr_list ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_OP_NOT_IN, $1, $5); }
        | sql_value_expr STK_LIKE sql_value_expr
                                        { $$ = OrvGramNode(SQL_OP_LIKE, $1, $3); }
        | sql_value_expr STK_NOT STK_LIKE sql_value_expr
                                        { $$ = OrvGramNode(SQL_OP_NOT_LIKE, $1, $4); }
        | sql_column_ref STK_IS STK_NULL
                                        { $$ = OrvGramNode(SQL_OP_IS_NULL, $1); }
        | sql_column_ref STK_IS STK_NOT STK_NULL
                                        { $$ = OrvGramNode(SQL_OP_IS_NOT_NULL, $1); }
        | STK_EXISTS ST_LEFT_PAR sql_query ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_OP_EXISTS, $3); }
        | STK_UNIQUE ST_LEFT_PAR sql_query ST_RIGHT_PAR
                                        { $$ = OrvGramNode(SQL_OP_UNIQUE, $3); }
        ;

/* Comparison operators have the operation code of the comparison as
   value; "<>", "<=" and ">=" are two tokens, the not sign is the byte
   0xAC. */
sql_comparison_operator
        : ST_EQ                         { $$ = SQL_OP_EQ; }
        | ST_LT ST_GT                   { $$ = SQL_OP_NE; }
        | ST_GT                         { $$ = SQL_OP_GT; }
        | ST_GT ST_EQ                   { $$ = SQL_OP_GE; }
        | ST_LT                         { $$ = SQL_OP_LT; }
        | ST_LT ST_EQ                   { $$ = SQL_OP_LE; }
        | ST_RIGHT_ANGLE ST_EQ          { $$ = SQL_OP_NE; }
        | ST_RIGHT_ANGLE ST_LT          { $$ = SQL_OP_GE; }
        | ST_RIGHT_ANGLE ST_GT          { $$ = SQL_OP_LE; }
        ;

/* ===================================================================== */
/* EXEC CICS                                                              */
/* ===================================================================== */

/* The statement between EXEC CICS and END-EXEC.  The lexer delivers the
   CICS words as CTK_ tokens and the COBOL separators unchanged.  A command
   with options is built by the CICS collector (OrvCicsCollector): the head
   makes the statement node, the empty action after it starts the
   collector, and each option, once reduced, is placed into the slot the
   option table gives (or reported there); an option rule's value is null.
   A syntax error anywhere in the block makes the whole statement one error
   node: there is no error rule below the statement.  A user-defined word
   where a command word or an option keyword stands (a command or option the
   grammar does not know) turns the rest of the block into text. */

/* ---------------------------------------------------------------------
   EXEC CICS cics-statement END-EXEC
   --------------------------------------------------------------------- */

/* Text never runs past a separator period: a block whose END-EXEC is
   missing ends there, with the syntax error reported at the period, and
   the period ends the sentence. */
exec_cics_statement
        : RW_EXEC TK_CICS cics_statement RW_END_EXEC
                                        { $$ = OrvGramNode(STMT_EXEC_CICS, $3); }
        | RW_EXEC TK_CICS cics_text     { $$ = OrvGramCicsUnended(OrvGramNode(STMT_EXEC_CICS, $3)); }
        ;

cics_statement
        : cics_assign_statement         { $$ = $1; }
        | cics_handler_statement        { $$ = $1; }
        | cics_command                  { $$ = $1; }
        | cics_text                     { $$ = $1; }
        | error                         [ OrvGramCicsWords(1); if (yytrial) break; OrvGramCicsAbandon(); $$ = OrvGramErrorNode(); ]
        ;

/* The command placeholder: slot 0 of a command without an option in its
   head. */
cics_placeholder
        : /* empty */                   { $$ = OrvGramNullNode(); }
        ;

/* ---------------------------------------------------------------------
   ASSIGN [ name ( data-area ) ]...
   --------------------------------------------------------------------- */

/* The names are read as character strings (reserved-word and name lookup
   off), the data areas with both on.  The switch rules are default
   reductions: no token is read before they act. */
cics_assign_statement
        : CTK_ASSIGN cics_placeholder cics_words_off cics_assignments_opt
                                        [ OrvGramCicsWords(1); if (yytrial) break; $$ = OrvGramCicsListStatement(CS_STMT_ASSIGN, $2, $4); ]
        ;

cics_words_off
        : /* empty */                   [ OrvGramCicsWords(0); ]
        ;

cics_words_on
        : /* empty */                   [ OrvGramCicsWords(1); ]
        ;

cics_assignments_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | cics_assignments              { $$ = $1; }
        ;

cics_assignments
        : cics_assignment               { $$ = OrvListExpr(CS_ASSIGNMENT_LIST, $1, nullptr); }
        | cics_assignments cics_assignment
                                        { $$ = OrvListExpr(CS_ASSIGNMENT_LIST, $1, $2); }
        ;

cics_assignment
        : TK_CHAR_STRING cics_words_on SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        [ OrvGramCicsWords(0); if (yytrial) break; $$ = OrvGramNode(CS_GRP_ASSIGN, $1, $4); ]
        ;

/* ---------------------------------------------------------------------
   HANDLE AID [ key [ ( procedure-name ) ] ]...
   HANDLE CONDITION [ condition [ ( procedure-name ) ] ]...
   IGNORE CONDITION [ condition ]...
   --------------------------------------------------------------------- */

cics_handler_statement
        : CTK_HANDLE CTK_AID cics_placeholder cics_handlers_opt
                                        { $$ = OrvGramCicsListStatement(CS_STMT_HANDLE_AID, $3, $4); }
        | CTK_HANDLE CTK_CONDITION cics_placeholder cics_handlers_opt
                                        { $$ = OrvGramCicsListStatement(CS_STMT_HANDLE_CONDITION, $3, $4); }
        | CTK_IGNORE CTK_CONDITION cics_placeholder cics_handlers_opt
                                        { $$ = OrvGramCicsListStatement(CS_STMT_IGNORE_CONDITION, $3, $4); }
        ;

cics_handlers_opt
        : /* empty */                   { $$ = OrvGramNullNode(); }
        | cics_handlers                 { $$ = $1; }
        ;

cics_handlers
        : cics_handler                  { $$ = OrvListExpr(CS_COND_HANDLER_LIST, $1, nullptr); }
        | cics_handlers cics_handler    { $$ = OrvListExpr(CS_COND_HANDLER_LIST, $1, $2); }
        ;

cics_handler
        : cics_condition_name           { $$ = OrvGramNode(CS_GRP_CONDITION_HANDLER, $1); }
        | cics_condition_name SEP_LEFT_PAR procedure_name SEP_RIGHT_PAR
                                        { $$ = OrvGramNode(CS_GRP_CONDITION_HANDLER, $1, $3); }
        ;

/* A condition or key: its word as a CHAR_STRING, also for a user-defined
   word, whose symbol-table element stays out of the tree. */
cics_condition_name
        : CTK_ALLOCERR                  { $$ = OrvGramCicsWordName(CTK_ALLOCERR); }
        | CTK_BMS                       { $$ = OrvGramCicsWordName(CTK_BMS); }
        | CTK_CBIDERR                   { $$ = OrvGramCicsWordName(CTK_CBIDERR); }
        | CTK_CCERROR                   { $$ = OrvGramCicsWordName(CTK_CCERROR); }
        | CTK_CHANGED                   { $$ = OrvGramCicsWordName(CTK_CHANGED); }
        | CTK_DISABLED                  { $$ = OrvGramCicsWordName(CTK_DISABLED); }
        | CTK_DSSTAT                    { $$ = OrvGramCicsWordName(CTK_DSSTAT); }
        | CTK_DUPKEY                    { $$ = OrvGramCicsWordName(CTK_DUPKEY); }
        | CTK_DUPREC                    { $$ = OrvGramCicsWordName(CTK_DUPREC); }
        | CTK_ENDDATA                   { $$ = OrvGramCicsWordName(CTK_ENDDATA); }
        | CTK_ENDFILE                   { $$ = OrvGramCicsWordName(CTK_ENDFILE); }
        | CTK_ENDINPT                   { $$ = OrvGramCicsWordName(CTK_ENDINPT); }
        | CTK_ENQBUSY                   { $$ = OrvGramCicsWordName(CTK_ENQBUSY); }
        | CTK_ENVDEFERR                 { $$ = OrvGramCicsWordName(CTK_ENVDEFERR); }
        | CTK_EOC                       { $$ = OrvGramCicsWordName(CTK_EOC); }
        | CTK_EODS                      { $$ = OrvGramCicsWordName(CTK_EODS); }
        | CTK_EOF                       { $$ = OrvGramCicsWordName(CTK_EOF); }
        | CTK_ERROR                     { $$ = OrvGramCicsWordName(CTK_ERROR); }
        | CTK_EXPIRED                   { $$ = OrvGramCicsWordName(CTK_EXPIRED); }
        | CTK_FILENOTFOUND              { $$ = OrvGramCicsWordName(CTK_FILENOTFOUND); }
        | CTK_FUNCERR                   { $$ = OrvGramCicsWordName(CTK_FUNCERR); }
        | CTK_IGREQCD                   { $$ = OrvGramCicsWordName(CTK_IGREQCD); }
        | CTK_IGREQID                   { $$ = OrvGramCicsWordName(CTK_IGREQID); }
        | CTK_ILLOGIC                   { $$ = OrvGramCicsWordName(CTK_ILLOGIC); }
        | CTK_INBFMH                    { $$ = OrvGramCicsWordName(CTK_INBFMH); }
        | CTK_INPARTN                   { $$ = OrvGramCicsWordName(CTK_INPARTN); }
        | CTK_INVERRTERM                { $$ = OrvGramCicsWordName(CTK_INVERRTERM); }
        | CTK_INVLDC                    { $$ = OrvGramCicsWordName(CTK_INVLDC); }
        | CTK_INVMPSZ                   { $$ = OrvGramCicsWordName(CTK_INVMPSZ); }
        | CTK_INVPARTN                  { $$ = OrvGramCicsWordName(CTK_INVPARTN); }
        | CTK_INVPARTNSET               { $$ = OrvGramCicsWordName(CTK_INVPARTNSET); }
        | CTK_INVREQ                    { $$ = OrvGramCicsWordName(CTK_INVREQ); }
        | CTK_IOERR                     { $$ = OrvGramCicsWordName(CTK_IOERR); }
        | CTK_ISCINVREQ                 { $$ = OrvGramCicsWordName(CTK_ISCINVREQ); }
        | CTK_ITEMERR                   { $$ = OrvGramCicsWordName(CTK_ITEMERR); }
        | CTK_JIDERR                    { $$ = OrvGramCicsWordName(CTK_JIDERR); }
        | CTK_LENGERR                   { $$ = OrvGramCicsWordName(CTK_LENGERR); }
        | CTK_LOADING                   { $$ = OrvGramCicsWordName(CTK_LOADING); }
        | CTK_LOCKED                    { $$ = OrvGramCicsWordName(CTK_LOCKED); }
        | CTK_MAPERROR                  { $$ = OrvGramCicsWordName(CTK_MAPERROR); }
        | CTK_MAPFAIL                   { $$ = OrvGramCicsWordName(CTK_MAPFAIL); }
        | CTK_NAMEERROR                 { $$ = OrvGramCicsWordName(CTK_NAMEERROR); }
        | CTK_NETNAMEIDERR              { $$ = OrvGramCicsWordName(CTK_NETNAMEIDERR); }
        | CTK_NODEIDERR                 { $$ = OrvGramCicsWordName(CTK_NODEIDERR); }
        | CTK_NOJBUFSP                  { $$ = OrvGramCicsWordName(CTK_NOJBUFSP); }
        | CTK_NONVAL                    { $$ = OrvGramCicsWordName(CTK_NONVAL); }
        | CTK_NOPASSBKRD                { $$ = OrvGramCicsWordName(CTK_NOPASSBKRD); }
        | CTK_NOPASSBKWR                { $$ = OrvGramCicsWordName(CTK_NOPASSBKWR); }
        | CTK_NOSPACE                   { $$ = OrvGramCicsWordName(CTK_NOSPACE); }
        | CTK_NOSPOOL                   { $$ = OrvGramCicsWordName(CTK_NOSPOOL); }
        | CTK_NOSTART                   { $$ = OrvGramCicsWordName(CTK_NOSTART); }
        | CTK_NOSTG                     { $$ = OrvGramCicsWordName(CTK_NOSTG); }
        | CTK_NOTALLOC                  { $$ = OrvGramCicsWordName(CTK_NOTALLOC); }
        | CTK_NOTAUTH                   { $$ = OrvGramCicsWordName(CTK_NOTAUTH); }
        | CTK_NOTFND                    { $$ = OrvGramCicsWordName(CTK_NOTFND); }
        | CTK_NOTOPEN                   { $$ = OrvGramCicsWordName(CTK_NOTOPEN); }
        | CTK_OPENERR                   { $$ = OrvGramCicsWordName(CTK_OPENERR); }
        | CTK_OUTDESCERR                { $$ = OrvGramCicsWordName(CTK_OUTDESCERR); }
        | CTK_OUTDESCRERR               { $$ = OrvGramCicsWordName(CTK_OUTDESCRERR); }
        | CTK_PARTNERIDERR              { $$ = OrvGramCicsWordName(CTK_PARTNERIDERR); }
        | CTK_PARTNFAIL                 { $$ = OrvGramCicsWordName(CTK_PARTNFAIL); }
        | CTK_PGMIDERR                  { $$ = OrvGramCicsWordName(CTK_PGMIDERR); }
        | CTK_QBUSY                     { $$ = OrvGramCicsWordName(CTK_QBUSY); }
        | CTK_QIDERR                    { $$ = OrvGramCicsWordName(CTK_QIDERR); }
        | CTK_QZERO                     { $$ = OrvGramCicsWordName(CTK_QZERO); }
        | CTK_RDATT                     { $$ = OrvGramCicsWordName(CTK_RDATT); }
        | CTK_RECORDBUSY                { $$ = OrvGramCicsWordName(CTK_RECORDBUSY); }
        | CTK_RETPAGE                   { $$ = OrvGramCicsWordName(CTK_RETPAGE); }
        | CTK_ROLLEDBACK                { $$ = OrvGramCicsWordName(CTK_ROLLEDBACK); }
        | CTK_RTEFAIL                   { $$ = OrvGramCicsWordName(CTK_RTEFAIL); }
        | CTK_RTESOME                   { $$ = OrvGramCicsWordName(CTK_RTESOME); }
        | CTK_SELNERR                   { $$ = OrvGramCicsWordName(CTK_SELNERR); }
        | CTK_SESSBUSY                  { $$ = OrvGramCicsWordName(CTK_SESSBUSY); }
        | CTK_SESSIONERR                { $$ = OrvGramCicsWordName(CTK_SESSIONERR); }
        | CTK_SIGNAL                    { $$ = OrvGramCicsWordName(CTK_SIGNAL); }
        | CTK_SPOLBUSY                  { $$ = OrvGramCicsWordName(CTK_SPOLBUSY); }
        | CTK_SPOLERR                   { $$ = OrvGramCicsWordName(CTK_SPOLERR); }
        | CTK_STRELERR                  { $$ = OrvGramCicsWordName(CTK_STRELERR); }
        | CTK_SUPPRESSED                { $$ = OrvGramCicsWordName(CTK_SUPPRESSED); }
        | CTK_SYMBOLERR                 { $$ = OrvGramCicsWordName(CTK_SYMBOLERR); }
        | CTK_SYSBUSY                   { $$ = OrvGramCicsWordName(CTK_SYSBUSY); }
        | CTK_SYSIDERR                  { $$ = OrvGramCicsWordName(CTK_SYSIDERR); }
        | CTK_TEMPLATERR                { $$ = OrvGramCicsWordName(CTK_TEMPLATERR); }
        | CTK_TERMERR                   { $$ = OrvGramCicsWordName(CTK_TERMERR); }
        | CTK_TERMIDERR                 { $$ = OrvGramCicsWordName(CTK_TERMIDERR); }
        | CTK_TRANSIDERR                { $$ = OrvGramCicsWordName(CTK_TRANSIDERR); }
        | CTK_TSIOERR                   { $$ = OrvGramCicsWordName(CTK_TSIOERR); }
        | CTK_UNEXPIN                   { $$ = OrvGramCicsWordName(CTK_UNEXPIN); }
        | CTK_USERIDERR                 { $$ = OrvGramCicsWordName(CTK_USERIDERR); }
        | CTK_WRBRK                     { $$ = OrvGramCicsWordName(CTK_WRBRK); }
        | CTK_WRONGSTAT                 { $$ = OrvGramCicsWordName(CTK_WRONGSTAT); }
        | CTK_ANYKEY                    { $$ = OrvGramCicsWordName(CTK_ANYKEY); }
        | CTK_CLEAR                     { $$ = OrvGramCicsWordName(CTK_CLEAR); }
        | CTK_CLRPARTN                  { $$ = OrvGramCicsWordName(CTK_CLRPARTN); }
        | CTK_ENTER                     { $$ = OrvGramCicsWordName(CTK_ENTER); }
        | CTK_LIGHTPEN                  { $$ = OrvGramCicsWordName(CTK_LIGHTPEN); }
        | CTK_OPERID                    { $$ = OrvGramCicsWordName(CTK_OPERID); }
        | CTK_PA1                       { $$ = OrvGramCicsWordName(CTK_PA1); }
        | CTK_PA2                       { $$ = OrvGramCicsWordName(CTK_PA2); }
        | CTK_PA3                       { $$ = OrvGramCicsWordName(CTK_PA3); }
        | CTK_PF1                       { $$ = OrvGramCicsWordName(CTK_PF1); }
        | CTK_PF2                       { $$ = OrvGramCicsWordName(CTK_PF2); }
        | CTK_PF3                       { $$ = OrvGramCicsWordName(CTK_PF3); }
        | CTK_PF4                       { $$ = OrvGramCicsWordName(CTK_PF4); }
        | CTK_PF5                       { $$ = OrvGramCicsWordName(CTK_PF5); }
        | CTK_PF6                       { $$ = OrvGramCicsWordName(CTK_PF6); }
        | CTK_PF7                       { $$ = OrvGramCicsWordName(CTK_PF7); }
        | CTK_PF8                       { $$ = OrvGramCicsWordName(CTK_PF8); }
        | CTK_PF9                       { $$ = OrvGramCicsWordName(CTK_PF9); }
        | CTK_PF10                      { $$ = OrvGramCicsWordName(CTK_PF10); }
        | CTK_PF11                      { $$ = OrvGramCicsWordName(CTK_PF11); }
        | CTK_PF12                      { $$ = OrvGramCicsWordName(CTK_PF12); }
        | CTK_PF13                      { $$ = OrvGramCicsWordName(CTK_PF13); }
        | CTK_PF14                      { $$ = OrvGramCicsWordName(CTK_PF14); }
        | CTK_PF15                      { $$ = OrvGramCicsWordName(CTK_PF15); }
        | CTK_PF16                      { $$ = OrvGramCicsWordName(CTK_PF16); }
        | CTK_PF17                      { $$ = OrvGramCicsWordName(CTK_PF17); }
        | CTK_PF18                      { $$ = OrvGramCicsWordName(CTK_PF18); }
        | CTK_PF19                      { $$ = OrvGramCicsWordName(CTK_PF19); }
        | CTK_TRIGGER                   { $$ = OrvGramCicsWordName(CTK_TRIGGER); }
        | TK_USER_DEFD_WORD             { $$ = OrvGramCicsUserName(&$1); }
        ;

/* ---------------------------------------------------------------------
   command [ option ]...
   command: ABEND | ADDRESS [ SET ( data-area ) ] | ASKTIME | BIF DEEDIT
     | DELAY | DELETE | DELETEQ { TD | TS } | DUMP | ENDBR | FORMATTIME
     | FREEMAIN | GETMAIN | HANDLE ABEND | LINK | PUSH HANDLE | READ
     | READNEXT | READPREV | READQ TS | RECEIVE [ MAP ( name ) ]
     | RETRIEVE | RETURN | REWRITE | SEND [ MAP ( name ) | TEXT ] | START
     | STARTBR | SYNCPOINT | UNLOCK | WRITE | WRITEQ { TD | TS } | XCTL
   --------------------------------------------------------------------- */

cics_command
        : cics_head cics_start cics_options_opt
                                        { $$ = OrvGramCicsFinish(POSITION_STEP(OrvGramCicsCollected())); }
        ;

/* Starts the collector on the head's statement; the head's entry is
   cleared (the collector holds the node now). */
cics_start
        : /* empty */                   { OrvGramCicsStart(&$<node>0); }
        ;

cics_options_opt
        : /* empty */
        | cics_options_opt cics_option
        ;

/* The plain SEND, RECEIVE and ADDRESS yield to their forms with MAP or
   SET in the head. */
cics_head
        : CTK_ABEND cics_placeholder    { $$ = OrvGramCicsHead(CS_STMT_ABEND, &$2); }
        | CTK_ADDRESS cics_placeholder %prec PRTY_LOW
                                        { $$ = OrvGramCicsHead(CS_STMT_ADDRESS, &$2); }
        | CTK_ASKTIME cics_placeholder  { $$ = OrvGramCicsHead(CS_STMT_ASKTIME, &$2); }
        | CTK_BIF CTK_DEEDIT cics_placeholder
                                        { $$ = OrvGramCicsHead(CS_STMT_BIF_DEEDIT, &$3); }
        | CTK_DELAY cics_placeholder    { $$ = OrvGramCicsHead(CS_STMT_DELAY, &$2); }
        | CTK_DELETE cics_placeholder   { $$ = OrvGramCicsHead(CS_STMT_DELETE, &$2); }
        | CTK_DELETEQ CTK_TD cics_placeholder
                                        { $$ = OrvGramCicsHead(CS_STMT_DELETEQ_TD, &$3); }
        | CTK_DELETEQ CTK_TS cics_placeholder
                                        { $$ = OrvGramCicsHead(CS_STMT_DELETEQ_TS, &$3); }
        | CTK_DUMP cics_placeholder     { $$ = OrvGramCicsHead(CS_STMT_DUMP, &$2); }
        | CTK_ENDBR cics_placeholder    { $$ = OrvGramCicsHead(CS_STMT_ENDBR, &$2); }
        | CTK_FORMATTIME cics_placeholder
                                        { $$ = OrvGramCicsHead(CS_STMT_FORMATTIME, &$2); }
        | CTK_FREEMAIN cics_placeholder { $$ = OrvGramCicsHead(CS_STMT_FREEMAIN, &$2); }
        | CTK_GETMAIN cics_placeholder  { $$ = OrvGramCicsHead(CS_STMT_GETMAIN, &$2); }
        | CTK_HANDLE CTK_ABEND cics_placeholder
                                        { $$ = OrvGramCicsHead(CS_STMT_HANDLE_ABEND, &$3); }
        | CTK_LINK cics_placeholder     { $$ = OrvGramCicsHead(CS_STMT_LINK, &$2); }
        | CTK_PUSH CTK_HANDLE cics_placeholder
                                        { $$ = OrvGramCicsHead(CS_STMT_PUSH_HANDLE, &$3); }
        | CTK_READ cics_placeholder     { $$ = OrvGramCicsHead(CS_STMT_READ, &$2); }
        | CTK_READNEXT cics_placeholder { $$ = OrvGramCicsHead(CS_STMT_READNEXT, &$2); }
        | CTK_READPREV cics_placeholder { $$ = OrvGramCicsHead(CS_STMT_READPREV, &$2); }
        | CTK_READQ CTK_TS cics_placeholder
                                        { $$ = OrvGramCicsHead(CS_STMT_READQ_TS, &$3); }
        | CTK_RECEIVE cics_placeholder %prec PRTY_LOW
                                        { $$ = OrvGramCicsHead(CS_STMT_RECEIVE, &$2); }
        | CTK_RETRIEVE cics_placeholder { $$ = OrvGramCicsHead(CS_STMT_RETRIEVE, &$2); }
        | CTK_RETURN cics_placeholder   { $$ = OrvGramCicsHead(CS_STMT_RETURN, &$2); }
        | CTK_REWRITE cics_placeholder  { $$ = OrvGramCicsHead(CS_STMT_REWRITE, &$2); }
        | CTK_SEND cics_placeholder %prec PRTY_LOW
                                        { $$ = OrvGramCicsHead(CS_STMT_SEND, &$2); }
        | CTK_SEND CTK_TEXT cics_placeholder
                                        { $$ = OrvGramCicsHead(CS_STMT_SEND_TEXT, &$3); }
        | CTK_START cics_placeholder    { $$ = OrvGramCicsHead(CS_STMT_START, &$2); }
        | CTK_STARTBR cics_placeholder  { $$ = OrvGramCicsHead(CS_STMT_STARTBR, &$2); }
        | CTK_SYNCPOINT cics_placeholder
                                        { $$ = OrvGramCicsHead(CS_STMT_SYNCPOINT, &$2); }
        | CTK_UNLOCK cics_placeholder   { $$ = OrvGramCicsHead(CS_STMT_UNLOCK, &$2); }
        | CTK_WRITE cics_placeholder    { $$ = OrvGramCicsHead(CS_STMT_WRITE, &$2); }
        | CTK_WRITEQ CTK_TD cics_placeholder
                                        { $$ = OrvGramCicsHead(CS_STMT_WRITEQ_TD, &$3); }
        | CTK_WRITEQ CTK_TS cics_placeholder
                                        { $$ = OrvGramCicsHead(CS_STMT_WRITEQ_TS, &$3); }
        | CTK_XCTL cics_placeholder     { $$ = OrvGramCicsHead(CS_STMT_XCTL, &$2); }
        | CTK_ADDRESS cics_placeholder cics_set_option
                                        { $$ = OrvGramCicsHeadWithOption(CS_STMT_ADDRESS_SET, &$2); }
        | CTK_RECEIVE cics_placeholder cics_map_option
                                        { $$ = OrvGramCicsHeadWithOption(CS_STMT_RECEIVE_MAP, &$2); }
        | CTK_SEND cics_placeholder cics_map_option
                                        { $$ = OrvGramCicsHeadWithOption(CS_STMT_SEND_MAP, &$2); }
        ;

cics_map_option
        : CTK_MAP SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MAP, $3))); }
        ;

cics_set_option
        : CTK_SET SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_SET, $3))); }
        ;

/* ---------------------------------------------------------------------
   option: keyword [ ( argument ) ]
   --------------------------------------------------------------------- */

/* Each option is placed by the collector at once; its value is null. */
cics_option
        : CTK_ABCODE SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_ABCODE, $3))); }
        | CTK_ABSTIME SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_ABSTIME, $3))); }
        | CTK_ACEE SEP_LEFT_PAR cics_pointer SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_ACEE, $3))); }
        | CTK_AFTER                     { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_AFTER))); }
        | CTK_ALARM                     { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_ALARM))); }
        | CTK_ALTERNATE                 { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_ALTERNATE))); }
        | CTK_ASIS                      { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_ASIS))); }
        | CTK_AT SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_AT, $3))); }
        | CTK_AT                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_AT))); }
        | CTK_ATTACH                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_ATTACH))); }
        | CTK_ATTACHID SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_ATTACHID, $3))); }
        | CTK_AUXILIARY                 { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_AUXILIARY))); }
        | CTK_BELOW                     { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_BELOW))); }
        | CTK_BUFFER                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_BUFFER))); }
        | CTK_CANCEL                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_CANCEL))); }
        | CTK_CBUFF                     { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_CBUFF))); }
        | CTK_CICSDATAKEY               { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_CICSDATAKEY))); }
        | CTK_CNOTCOMPL                 { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_CNOTCOMPL))); }
        | CTK_COMMAREA SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_COMMAREA, $3))); }
        | CTK_COMPLETE                  { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_COMPLETE))); }
        | CTK_CONFIRM                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_CONFIRM))); }
        | CTK_CONSISTENT                { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_CONSISTENT))); }
        | CTK_CONVID SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_CONVID, $3))); }
        | CTK_CTLCHAR SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_CTLCHAR, $3))); }
        | CTK_CURSOR SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_CURSOR, $3))); }
        | CTK_CURSOR                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_CURSOR))); }
        | CTK_CWA SEP_LEFT_PAR cics_pointer SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_CWA, $3))); }
        | CTK_DATA SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DATA, $3))); }
        | CTK_DATALENGTH SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DATALENGTH, $3))); }
        | CTK_DATAONLY                  { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DATAONLY))); }
        | CTK_DATAPOINTER SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DATAPOINTER, $3))); }
        | CTK_DATASET SEP_LEFT_PAR operand SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DATASET, $3))); }
        | CTK_DATE SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DATE, $3))); }
        | CTK_DATEFORM SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DATEFORM, $3))); }
        | CTK_DATESEP SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DATESEP, $3))); }
        | CTK_DATESEP                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DATESEP))); }
        | CTK_DAYCOUNT SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DAYCOUNT, $3))); }
        | CTK_DAYOFMONTH SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DAYOFMONTH, $3))); }
        | CTK_DAYOFWEEK SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DAYOFWEEK, $3))); }
        | CTK_DCT                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DCT))); }
        | CTK_DDMMYY SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DDMMYY, $3))); }
        | CTK_DDMMYYYY SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DDMMYYYY, $3))); }
        | CTK_DEBKEY                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DEBKEY))); }
        | CTK_DEBREC                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DEBREC))); }
        | CTK_DEFAULT                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DEFAULT))); }
        | CTK_DEFRESP                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DEFRESP))); }
        | CTK_DEST SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DEST, $3))); }
        | CTK_DUMPCODE SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_DUMPCODE, $3))); }
        | CTK_EIB SEP_LEFT_PAR cics_pointer SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_EIB, $3))); }
        | CTK_ENDACTIVITY               { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_ENDACTIVITY))); }
        | CTK_EQUAL                     { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_EQUAL))); }
        | CTK_ERASE                     { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_ERASE))); }
        | CTK_ERASEAUP                  { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_ERASEAUP))); }
        | CTK_FCT                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_FCT))); }
        | CTK_FIELD SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_FIELD, $3))); }
        | CTK_FILE SEP_LEFT_PAR operand SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_FILE, $3))); }
        | CTK_FLENGTH SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_FLENGTH, $3))); }
        | CTK_FMH                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_FMH))); }
        | CTK_FOR                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_FOR))); }
        | CTK_FORMFEED                  { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_FORMFEED))); }
        | CTK_FREEKB                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_FREEKB))); }
        | CTK_FROM SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_FROM, $3))); }
        | CTK_FRSET                     { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_FRSET))); }
        | CTK_FULLDATE SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_FULLDATE, $3))); }
        | CTK_GENERIC                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_GENERIC))); }
        | CTK_GTEQ                      { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_GTEQ))); }
        | CTK_HONEOM                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_HONEOM))); }
        | CTK_HOURS SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_HOURS, $3))); }
        | CTK_IMMEDIATE                 { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_IMMEDIATE))); }
        | CTK_INITIMG SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_INITIMG, $3))); }
        | CTK_INPARTN SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_INPARTN, $3))); }
        | CTK_INPUTMSG SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_INPUTMSG, $3))); }
        | CTK_INPUTMSGLEN SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_INPUTMSGLEN, $3))); }
        | CTK_INTERVAL SEP_LEFT_PAR operand SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_INTERVAL, $3))); }
        | CTK_INTO SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_INTO, $3))); }
        | CTK_INVITE                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_INVITE))); }
        | CTK_ITEM SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_ITEM, $3))); }
        | CTK_KEYLENGTH SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_KEYLENGTH, $3))); }
        | CTK_L40                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_L40))); }
        | CTK_L64                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_L64))); }
        | CTK_L80                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_L80))); }
        | CTK_LABEL SEP_LEFT_PAR procedure_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_LABEL, $3))); }
        | CTK_LAST                      { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_LAST))); }
        | CTK_LDC SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_LDC, $3))); }
        | CTK_LEAVEKB                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_LEAVEKB))); }
        | CTK_LENGTH SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_LENGTH, $3))); }
        | CTK_LINEADDR SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_LINEADDR, $3))); }
        | CTK_MAIN                      { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MAIN))); }
        | CTK_MAP SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MAP, $3))); }
        | CTK_MAPONLY                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MAPONLY))); }
        | CTK_MAPPED                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MAPPED))); }
        | CTK_MAPPINGDEV SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MAPPINGDEV, $3))); }
        | CTK_MAPSET SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MAPSET, $3))); }
        | CTK_MASSINSERT                { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MASSINSERT))); }
        | CTK_MAXFLENGTH SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MAXFLENGTH, $3))); }
        | CTK_MAXLENGTH SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MAXLENGTH, $3))); }
        | CTK_MINUTES SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MINUTES, $3))); }
        | CTK_MMDDYY SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MMDDYY, $3))); }
        | CTK_MMDDYYYY SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MMDDYYYY, $3))); }
        | CTK_MONTHOFYEAR SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_MONTHOFYEAR, $3))); }
        | CTK_NEXT                      { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_NEXT))); }
        | CTK_NOCHECK                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_NOCHECK))); }
        | CTK_NODUMP                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_NODUMP))); }
        | CTK_NOEDIT                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_NOEDIT))); }
        | CTK_NOHANDLE                  { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_NOHANDLE))); }
        | CTK_NOSUSPEND                 { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_NOSUSPEND))); }
        | CTK_NOTRUNCATE                { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_NOTRUNCATE))); }
        | CTK_NUMITEMS SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_NUMITEMS, $3))); }
        | CTK_NUMREC SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_NUMREC, $3))); }
        | CTK_OUTPARTN SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_OUTPARTN, $3))); }
        | CTK_PAGING                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_PAGING))); }
        | CTK_PASSBK                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_PASSBK))); }
        | CTK_PCT                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_PCT))); }
        | CTK_PPT                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_PPT))); }
        | CTK_PRINT                     { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_PRINT))); }
        | CTK_PROGRAM SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_PROGRAM, $3))); }
        | CTK_PROGRAM                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_PROGRAM))); }
        | CTK_PROTECT                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_PROTECT))); }
        | CTK_PSEUDOBIN                 { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_PSEUDOBIN))); }
        | CTK_QNAME SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_QNAME, $3))); }
        | CTK_QUEUE SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_QUEUE, $3))); }
        | CTK_RBA                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_RBA))); }
        | CTK_REPEATABLE                { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_REPEATABLE))); }
        | CTK_REQID SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_REQID, $3))); }
        | CTK_RESET                     { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_RESET))); }
        | CTK_RESP SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_RESP, $3))); }
        | CTK_RESP2 SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_RESP2, $3))); }
        | CTK_REWRITE                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_REWRITE))); }
        | CTK_RIDFLD SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_RIDFLD, $3))); }
        | CTK_RRN                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_RRN))); }
        | CTK_RTERMID SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_RTERMID, $3))); }
        | CTK_RTRANSID SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_RTRANSID, $3))); }
        | CTK_SECONDS SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_SECONDS, $3))); }
        | CTK_SESSION SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_SESSION, $3))); }
        | CTK_SET SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_SET, $3))); }
        | CTK_SHARED                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_SHARED))); }
        | CTK_SIT                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_SIT))); }
        | CTK_STATE SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_STATE, $3))); }
        | CTK_STORAGE                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_STORAGE))); }
        | CTK_STRFIELD                  { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_STRFIELD))); }
        | CTK_SYNCONRETURN              { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_SYNCONRETURN))); }
        | CTK_SYSID SEP_LEFT_PAR operand SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_SYSID, $3))); }
        | CTK_TABLES                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_TABLES))); }
        | CTK_TASK                      { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_TASK))); }
        | CTK_TCT                       { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_TCT))); }
        | CTK_TCTUA SEP_LEFT_PAR cics_pointer SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_TCTUA, $3))); }
        | CTK_TERMID SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_TERMID, $3))); }
        | CTK_TERMINAL                  { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_TERMINAL))); }
        | CTK_TIME SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_TIME, $3))); }
        | CTK_TIMESEP SEP_LEFT_PAR cics_numeric_value SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_TIMESEP, $3))); }
        | CTK_TIMESEP                   { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_TIMESEP))); }
        | CTK_TOKEN SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_TOKEN, $3))); }
        | CTK_TRANSID SEP_LEFT_PAR cics_name SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_TRANSID, $3))); }
        | CTK_TWA SEP_LEFT_PAR cics_pointer SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_TWA, $3))); }
        | CTK_UNCOMMITTED               { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_UNCOMMITTED))); }
        | CTK_UNTIL                     { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_UNTIL))); }
        | CTK_UPDATE SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_UPDATE, $3))); }
        | CTK_UPDATE                    { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_UPDATE))); }
        | CTK_USERDATAKEY               { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_USERDATAKEY))); }
        | CTK_USERID SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_USERID, $3))); }
        | CTK_USING SEP_LEFT_PAR cics_data_area SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_USING, $3))); }
        | CTK_WAIT                      { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_WAIT))); }
        | CTK_YEAR SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_YEAR, $3))); }
        | CTK_YYDDD SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_YYDDD, $3))); }
        | CTK_YYDDMM SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_YYDDMM, $3))); }
        | CTK_YYMMDD SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_YYMMDD, $3))); }
        | CTK_YYYYDDD SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_YYYYDDD, $3))); }
        | CTK_YYYYDDMM SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_YYYYDDMM, $3))); }
        | CTK_YYYYMMDD SEP_LEFT_PAR identifier SEP_RIGHT_PAR
                                        { $$ = OrvGramCicsOption(POSITION_STEP(OrvGramNode(CS_CL_YYYYMMDD, $3))); }
        ;

/* ---------------------------------------------------------------------
   Arguments of the options
   data-area: operand | ADDRESS OF identifier | LENGTH OF identifier
   numeric-value: operand | LENGTH OF identifier
   name: nonnumeric-literal | identifier
   pointer: identifier | ADDRESS OF identifier
   --------------------------------------------------------------------- */

cics_data_area
        : operand                       { $$ = $1; }
        | CTK_ADDRESS RW_OF identifier  { $$ = OrvGramNode(SR_ADDRESS_OF, $3); }
        | CTK_LENGTH RW_OF identifier   { $$ = OrvGramNode(SR_LENGTH_OF, $3); }
        ;

cics_numeric_value
        : operand                       { $$ = $1; }
        | CTK_LENGTH RW_OF identifier   { $$ = OrvGramNode(SR_LENGTH_OF, $3); }
        ;

cics_name
        : TK_NONNUM_LIT                 { $$ = $1; }
        | identifier                    { $$ = $1; }
        ;

cics_pointer
        : identifier                    { $$ = $1; }
        | CTK_ADDRESS RW_OF identifier  { $$ = OrvGramNode(SR_ADDRESS_OF, $3); }
        ;

/* ---------------------------------------------------------------------
   Commands and options the grammar does not know
   { unknown-word | command [ option ]... unknown-word } [ text ]...
   --------------------------------------------------------------------- */

/* From the unknown word to END-EXEC the block is text, read with
   reserved-word and name lookup off; the statement becomes an
   EX_EXEC_TOKEN_LIST of its tokens, a started statement dissolved into
   it.  A number continues the text rather than follow a block cut short
   by a period. */
cics_text
        : cics_unknown_word cics_text_on cics_text_items %prec PRTY_LOW
                                        [ OrvGramCicsWords(1); if (yytrial) break; $$ = OrvGramCicsText(POSITION_STEP(OrvGramCicsTextList()), nullptr); ]
        | cics_head cics_start cics_options_opt cics_unknown_word cics_text_on cics_text_items %prec PRTY_LOW
                                        [ OrvGramCicsWords(1); if (yytrial) break; $$ = OrvGramCicsText(POSITION_STEP(OrvGramCicsTextList()), OrvGramCicsCollected()); ]
        ;

cics_unknown_word
        : TK_USER_DEFD_WORD             { OrvGramCicsUnknownWord(&$1, POSITION_OF($1)); }
        ;

cics_text_on
        : /* empty */                   [ OrvGramCicsTextMode(); ]
        ;

cics_text_items
        : /* empty */
        | cics_text_items cics_text_item
        ;

cics_text_item
        : TK_CHAR_STRING                { OrvGramCicsDropValue(&$1); }
        | TK_NONNUM_LIT                 { OrvGramCicsDropValue(&$1); }
        | TK_INT_NUM_LIT                { OrvGramCicsDropValue(&$1); }
        | SEP_LEFT_PAR
        | SEP_RIGHT_PAR
        | SEP_COLON
        | RW_IN
        | RW_OF
        ;

%%
