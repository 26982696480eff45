# The statistics tool's tests: the walker's tests use the scripted parser;
# the program tests run `larkstat` itself and a helper that runs the same
# tool with the scripted parser, each as a separate process.
add_executable(FakeLarkstat ${CMAKE_CURRENT_SOURCE_DIR}/stattool/FakeLarkstat.cpp)
target_link_libraries(FakeLarkstat PRIVATE stattool lark_fake_parser ${CMAKE_DL_LIBS})
file(GLOB _stattool_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/stattool/*_test.cpp)
foreach(_t ${_stattool_tests})
  get_filename_component(_name ${_t} NAME_WE)
  target_link_libraries(${_name} PRIVATE lark_fake_parser)
  add_dependencies(${_name} FakeLarkstat larkstat)
  target_compile_definitions(${_name} PRIVATE
    LARK_FAKE_LARKSTAT="$<TARGET_FILE:FakeLarkstat>" LARK_LARKSTAT="$<TARGET_FILE:larkstat>")
endforeach()
# The findings of the fuzz target are split into their files by the fuzz
# input form.
target_link_libraries(FuzzFindings_test PRIVATE lark_fuzz_input)
