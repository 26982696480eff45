# Makes the parse tables of one grammar; run as a build step by the rule of
# LarkGrammar.cmake (cmake -D... -P LarkGrammarRun.cmake):
#
#   NAME       the grammar's name; the outputs are NAME.tables.inc (byacc's
#              tables), NAME.actions.inc (its action cases) and NAME.constants.h
#   GRAMMAR    the grammar file, with one "%token_codes" line
#   CONFLICTS  the file of expected conflict cells
#   TOKENS     the token-code table (src/tree/OrvTokenCodes.def)
#   BYACC      byacc, 2.0 20221106 or later
#   SPLICE EXTRACT CONFLICT_CHECK TABLE_CHECK   the build-time programs
#   WORK_DIR   the scratch folder where byacc runs; its report NAME.output
#              and the spliced grammar NAME.y stay there to be read
#   OUT_DIR    the folder of the outputs
#
# The outputs are removed first and moved into OUT_DIR only after every
# check passed, so a failed run leaves none of them and the next build runs
# the step again.
cmake_minimum_required(VERSION 3.16)

foreach(_var NAME GRAMMAR CONFLICTS TOKENS BYACC SPLICE EXTRACT CONFLICT_CHECK TABLE_CHECK WORK_DIR OUT_DIR)
  if(NOT DEFINED ${_var})
    message(FATAL_ERROR "LarkGrammarRun.cmake: ${_var} is not set")
  endif()
endforeach()

# The programs run in WORK_DIR: paths given relative to the caller's folder
# are made absolute first (a bare program name is looked up on the PATH).
foreach(_var GRAMMAR CONFLICTS TOKENS WORK_DIR OUT_DIR SPLICE EXTRACT CONFLICT_CHECK TABLE_CHECK BYACC)
  if(NOT _var STREQUAL "BYACC" OR BYACC MATCHES "/")
    get_filename_component(${_var} "${${_var}}" ABSOLUTE)
  endif()
endforeach()

set(_outputs ${OUT_DIR}/${NAME}.tables.inc ${OUT_DIR}/${NAME}.actions.inc ${OUT_DIR}/${NAME}.constants.h)
set(_made ${WORK_DIR}/${NAME}.tab.c ${WORK_DIR}/${NAME}.code.c
          ${WORK_DIR}/${NAME}.actions.inc ${WORK_DIR}/${NAME}.constants.h)
file(REMOVE ${_outputs})

# Stops the build: removes what byacc and the extractor made and prints the
# text as it is (a FATAL_ERROR message would be re-wrapped).
function(_lark_grammar_fail text)
  file(REMOVE ${_made})
  message(NOTICE "${NAME}: ${text}")
  message(FATAL_ERROR "${NAME}: the parse tables were not made (see above)")
endfunction()

# Runs a program; on failure stops the build with its output.
function(_lark_grammar_run what)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK_DIR}
                  RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
  if(NOT _rc EQUAL 0)
    string(STRIP "${_out}" _out)
    _lark_grammar_fail("${what} failed (exit status ${_rc}):\n${_out}")
  endif()
  set(_lark_grammar_output "${_out}" PARENT_SCOPE)
endfunction()

# byacc 2.0 of 20221106 or later: older ones write other tables and skeletons.
set(_needed "2.0 20221106")
execute_process(COMMAND ${BYACC} -V RESULT_VARIABLE _rc OUTPUT_VARIABLE _version ERROR_VARIABLE _version)
string(STRIP "${_version}" _version)
if(NOT _rc EQUAL 0 OR NOT _version MATCHES "([0-9]+)\\.([0-9]+) ([0-9]+)")
  _lark_grammar_fail("byacc ${_needed} or later is needed; '${BYACC} -V' gives \"${_version}\" (${_rc})")
endif()
set(_found "${CMAKE_MATCH_1}.${CMAKE_MATCH_2} ${CMAKE_MATCH_3}")
if("${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${CMAKE_MATCH_3}" VERSION_LESS "2.0.20221106")
  _lark_grammar_fail("byacc ${_needed} or later is needed; ${BYACC} is ${_found}")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

_lark_grammar_run("splicing the token codes" ${SPLICE} ${GRAMMAR} ${TOKENS} ${NAME}.y)

# -B trial code in [ ], -r tables and code in two files, -l no #line, -v the
# report.  "never reduced" is only a warning for byacc; here it fails.
_lark_grammar_run("byacc (line numbers are those of ${GRAMMAR})"
                  ${BYACC} -B -r -l -v -o ${NAME}.tab.c ${NAME}.y)
if(_lark_grammar_output MATCHES "never reduced")
  _lark_grammar_fail("byacc finds rules that are never reduced (listed in ${WORK_DIR}/${NAME}.output):\n${_lark_grammar_output}")
endif()

_lark_grammar_run("taking the actions out of byacc's code file"
                  ${EXTRACT} ${NAME}.code.c ${NAME} ${NAME}.actions.inc ${NAME}.constants.h)
_lark_grammar_run("the conflict check (byacc's report: ${WORK_DIR}/${NAME}.output)"
                  ${CONFLICT_CHECK} ${NAME}.output ${CONFLICTS} ${NAME}.y)
_lark_grammar_run("the table check" ${TABLE_CHECK} ${NAME}.tab.c ${NAME}.constants.h)

file(MAKE_DIRECTORY ${OUT_DIR})
file(RENAME ${WORK_DIR}/${NAME}.tab.c ${OUT_DIR}/${NAME}.tables.inc)
file(RENAME ${WORK_DIR}/${NAME}.actions.inc ${OUT_DIR}/${NAME}.actions.inc)
file(RENAME ${WORK_DIR}/${NAME}.constants.h ${OUT_DIR}/${NAME}.constants.h)
file(REMOVE ${WORK_DIR}/${NAME}.code.c)
