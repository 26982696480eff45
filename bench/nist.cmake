# Parsing the programs of the NIST suite: the median time of NC246A, dense
# in trial parsing, and the lines per second of the whole suite.
lark_bench(nist ${CMAKE_CURRENT_LIST_DIR}/NistParseBench.cpp LIBS parser)
