# Printing parsed trees back as COBOL: PrintFile of every program of the
# NIST suite into a scratch folder (the parse not timed), three runs from
# the templates and three with "gen-src" (SourcePrint), each with its lines,
# seconds and lines per second.
lark_bench(print ${CMAKE_CURRENT_LIST_DIR}/PrintBench.cpp LIBS parser printer)
