# Data layout and the data-item table over a large synthetic WORKING-STORAGE.
lark_bench(layout ${CMAKE_CURRENT_SOURCE_DIR}/layout_bench.cpp LIBS sema tree foundation)
