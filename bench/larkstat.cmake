# One larkstat run over the NIST programs: files, bailed-out files, lines,
# seconds, lines per second and the peak memory of the larkstat process;
# then the time of each step of the same work in the benchmark's process.
lark_bench(larkstat ${CMAKE_CURRENT_LIST_DIR}/LarkstatBench.cpp LIBS stattool)
add_dependencies(bench_larkstat larkstat)
target_compile_definitions(bench_larkstat PRIVATE LARK_LARKSTAT="$<TARGET_FILE:larkstat>")
