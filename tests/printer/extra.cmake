# The printer tests parse sources to print them, so they link the library
# that parses whole sources (the printer itself stands below it) with the
# grammar layer's part of the test state, and the grammar tests' tree
# shapes.  printround runs the round trip of the tests
# on one source (a test program, not part of larkstat).
file(GLOB _printer_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/printer/*_test.cpp)
foreach(_t ${_printer_tests})
  get_filename_component(_name ${_t} NAME_WE)
  target_link_libraries(${_name} PRIVATE parser lark_state_grammar)
  target_include_directories(${_name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/grammar ${CMAKE_CURRENT_SOURCE_DIR}/printer)
endforeach()
add_executable(printround ${CMAKE_CURRENT_SOURCE_DIR}/printer/PrintRound.cpp)
target_link_libraries(printround PRIVATE parser printer lark_test_support)
target_include_directories(printround PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/grammar ${CMAKE_CURRENT_SOURCE_DIR}/printer)
