# Parsing whole sources with the COBOL grammar: generated PROCEDURE DIVISIONs
# of the statements the grammar has, at two sizes.
lark_bench(parse ${CMAKE_CURRENT_LIST_DIR}/ParseBench.cpp LIBS parser)
