# Transformations over parsed trees: every NIST program parsed, then the
# sample find pass (mode 0) and renew pass (mode 1) over its tree, each timed
# against the parse.
lark_bench(transform ${CMAKE_CURRENT_LIST_DIR}/TransformBench.cpp LIBS driver parser)
target_include_directories(bench_transform PRIVATE ${CMAKE_SOURCE_DIR}/tests/driver)
