# The parse engine on generated sources of the harness grammar (the test
# harness's grammar and word source, built into the benchmark): deep
# nesting, a long trial window, nested ambiguous parentheses, long lists.
find_package(Threads REQUIRED)
lark_bench(engine ${CMAKE_CURRENT_LIST_DIR}/EngineBench.cpp
  ${CMAKE_SOURCE_DIR}/tests/grammar/EngineHarness.cpp
  ${CMAKE_SOURCE_DIR}/tests/grammar/EngineHarnessGrammar.cpp
  LIBS grammar Threads::Threads)
target_include_directories(bench_engine PRIVATE ${CMAKE_SOURCE_DIR}/tests/grammar)
lark_grammar(bench_engine NAME EngineHarness
  GRAMMAR ${CMAKE_SOURCE_DIR}/tests/grammar/EngineHarness.y
  CONFLICTS ${CMAKE_SOURCE_DIR}/tests/grammar/EngineHarness.conflicts)
