# The lexer alone over a generated program of about 300,000 lines: lines,
# lines of code, tokens, seconds and lines per second; then the cost of
# 10,000 against 20,000 comment lines in a row.
lark_bench(lexer ${CMAKE_CURRENT_LIST_DIR}/LexerBench.cpp LIBS lexer tree foundation)
