# The toy grammar, made by the grammar build rule into a library of its own,
# and what the grammar tests need beside their subsystem: the toy, the
# build-time tools' library, the paths to run the rule on scratch inputs,
# and the parser-object test support of tests/sema (a parse set up around
# the actions' helpers).
add_library(lark_toy_grammar STATIC ${CMAKE_CURRENT_LIST_DIR}/ToyGrammar.cpp)
target_include_directories(lark_toy_grammar PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(lark_toy_grammar PUBLIC grammar)
lark_grammar(lark_toy_grammar NAME ToyGrammar
  GRAMMAR ${CMAKE_CURRENT_LIST_DIR}/ToyGrammar.y
  CONFLICTS ${CMAKE_CURRENT_LIST_DIR}/ToyGrammar.conflicts)

file(GLOB _grammar_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
foreach(_t ${_grammar_tests})
  get_filename_component(_name ${_t} NAME_WE)
  target_link_libraries(${_name} PRIVATE lark_toy_grammar lark_grammar_tools parser)
  target_include_directories(${_name} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../sema)
  target_compile_definitions(${_name} PRIVATE
    LARK_GRAMMAR_SOURCE_DIR="${CMAKE_CURRENT_LIST_DIR}"
    LARK_TOY_OUT_DIR="${CMAKE_CURRENT_BINARY_DIR}/ToyGrammar"
    LARK_TOY_WORK_DIR="${CMAKE_CURRENT_BINARY_DIR}/ToyGrammar.work"
    LARK_COBOL_GRAMMAR_OUT_DIR="${CMAKE_BINARY_DIR}/src/grammar/OrvGrammar"
    LARK_TOKEN_TABLE="${LARK_GRAMMAR_MODULE_DIR}/../tree/OrvTokenCodes.def"
    LARK_GRAMMAR_RUN_SCRIPT="${LARK_GRAMMAR_MODULE_DIR}/LarkGrammarRun.cmake"
    LARK_CMAKE="${CMAKE_COMMAND}"
    LARK_BYACC="${LARK_BYACC}"
    LARK_CXX="${CMAKE_CXX_COMPILER}"
    LARK_GRAMMAR_INCLUDE_DIR="${LARK_GRAMMAR_MODULE_DIR}"
    LARK_SPLICE="$<TARGET_FILE:lark_grammar_splice>"
    LARK_EXTRACT="$<TARGET_FILE:lark_grammar_extract>"
    LARK_CONFLICT_CHECK="$<TARGET_FILE:lark_grammar_conflicts>"
    LARK_TABLE_CHECK="$<TARGET_FILE:lark_grammar_tables>")
  add_dependencies(${_name} lark_grammar_splice lark_grammar_extract lark_grammar_conflicts lark_grammar_tables)
endforeach()

# The harness grammar of the parse-engine tests (and benchmarks), with its
# word source and parse driver.
add_library(lark_engine_harness STATIC
  ${CMAKE_CURRENT_LIST_DIR}/EngineHarness.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EngineHarnessGrammar.cpp)
target_include_directories(lark_engine_harness PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(lark_engine_harness PUBLIC grammar)
lark_grammar(lark_engine_harness NAME EngineHarness
  GRAMMAR ${CMAKE_CURRENT_LIST_DIR}/EngineHarness.y
  CONFLICTS ${CMAKE_CURRENT_LIST_DIR}/EngineHarness.conflicts)
foreach(_t ${_grammar_tests})
  get_filename_component(_name ${_t} NAME_WE)
  target_link_libraries(${_name} PRIVATE lark_engine_harness)
endforeach()
