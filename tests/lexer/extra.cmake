# The test-only lexdump program (LexDump.cpp), and its path for the lexer
# tests that run it.
add_executable(lexdump ${CMAKE_CURRENT_SOURCE_DIR}/lexer/LexDump.cpp)
target_link_libraries(lexdump PRIVATE lark_test_support lexer)
file(GLOB _lexer_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/lexer/*_test.cpp)
foreach(_t ${_lexer_tests})
  get_filename_component(_name ${_t} NAME_WE)
  add_dependencies(${_name} lexdump)
  target_compile_definitions(${_name} PRIVATE LARK_LEXDUMP="$<TARGET_FILE:lexdump>")
endforeach()
