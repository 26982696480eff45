# The build rule of a yacc grammar:
#
#   lark_grammar(<target> NAME <name> GRAMMAR <file.y> CONFLICTS <file>)
#
# runs byacc (-B -r -l -v) on the grammar, with the token codes of
# src/tree/OrvTokenCodes.def spliced in at its "%token_codes" line, checks
# the result (byacc's version and messages, the actions, the conflict cells
# against CONFLICTS, no precedence declared for the look-ahead token of a
# cell of CONFLICTS, the table invariants) and puts three files in
# ${CMAKE_CURRENT_BINARY_DIR}/<name>/, which becomes an include folder of
# <target>:
#   <name>.tables.inc   byacc's tables (its X.tab.c)
#   <name>.actions.inc  the action cases of its code file
#   <name>.constants.h  YYFINAL, YYTABLESIZE, YYMAXTOKEN, YYERRCODE, the rules
#                       with an action and the value type YYSTYPE
# One .cpp of <target> includes them through OrvGrammarTables.inc and
# OrvGrammarActions.inc.  byacc's report stays in
# ${CMAKE_CURRENT_BINARY_DIR}/<name>.work/<name>.output.  Several grammars
# may be declared, each with its own name.
#
# LARK_BYACC names byacc (found on the PATH by default).
set(LARK_GRAMMAR_MODULE_DIR ${CMAKE_CURRENT_LIST_DIR} CACHE INTERNAL "folder of the grammar rule")
find_program(LARK_BYACC NAMES byacc DOC "byacc 2.0 20221106 or later, which makes the parse tables")

function(lark_grammar target)
  cmake_parse_arguments(G "" "NAME;GRAMMAR;CONFLICTS" "" ${ARGN})
  if(NOT G_NAME OR NOT G_GRAMMAR OR NOT G_CONFLICTS OR G_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "lark_grammar(${target} ${ARGN}): NAME, GRAMMAR and CONFLICTS are needed, nothing else")
  endif()
  if(NOT LARK_BYACC)
    message(FATAL_ERROR "lark_grammar: byacc is not found; install the package byacc (2.0 20221106 or later) "
                        "or set LARK_BYACC")
  endif()
  get_filename_component(_grammar ${G_GRAMMAR} ABSOLUTE)
  get_filename_component(_conflicts ${G_CONFLICTS} ABSOLUTE)
  get_filename_component(_tokens ${LARK_GRAMMAR_MODULE_DIR}/../tree/OrvTokenCodes.def ABSOLUTE)
  set(_script ${LARK_GRAMMAR_MODULE_DIR}/LarkGrammarRun.cmake)
  set(_out ${CMAKE_CURRENT_BINARY_DIR}/${G_NAME})
  set(_outputs ${_out}/${G_NAME}.tables.inc ${_out}/${G_NAME}.actions.inc ${_out}/${G_NAME}.constants.h)
  set(_byacc_file)
  if(IS_ABSOLUTE "${LARK_BYACC}")
    set(_byacc_file ${LARK_BYACC})
  endif()
  add_custom_command(
    OUTPUT ${_outputs}
    COMMAND ${CMAKE_COMMAND}
            -DNAME=${G_NAME} -DGRAMMAR=${_grammar} -DCONFLICTS=${_conflicts} -DTOKENS=${_tokens}
            -DBYACC=${LARK_BYACC}
            -DSPLICE=$<TARGET_FILE:lark_grammar_splice> -DEXTRACT=$<TARGET_FILE:lark_grammar_extract>
            -DCONFLICT_CHECK=$<TARGET_FILE:lark_grammar_conflicts>
            -DTABLE_CHECK=$<TARGET_FILE:lark_grammar_tables>
            -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/${G_NAME}.work -DOUT_DIR=${_out}
            -P ${_script}
    DEPENDS ${_grammar} ${_conflicts} ${_tokens} ${_script} ${_byacc_file}
            lark_grammar_splice lark_grammar_extract lark_grammar_conflicts lark_grammar_tables
    COMMENT "Making the parse tables of ${G_NAME}"
    VERBATIM)
  set_source_files_properties(${_outputs} PROPERTIES HEADER_FILE_ONLY TRUE)
  target_sources(${target} PRIVATE ${_outputs})
  target_include_directories(${target} PRIVATE ${_out})
endfunction()
