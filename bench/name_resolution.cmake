lark_bench(name_resolution ${CMAKE_CURRENT_LIST_DIR}/NameResolutionBench.cpp LIBS parser)
