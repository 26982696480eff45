# larkstat on large generated programs, one new process per run: the
# statement mix at 10k, 100k and 400k lines and one record of 200,000 items
# in three name orders (and 20,000 ascending); seconds, lines or items per
# second, peak memory and bytes per line or item above an empty program.
lark_bench(large ${CMAKE_CURRENT_LIST_DIR}/LargeBench.cpp)
add_dependencies(bench_large larkstat)
target_compile_definitions(bench_large PRIVATE LARK_LARKSTAT="$<TARGET_FILE:larkstat>")
