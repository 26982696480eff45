# The scripted parser object shared by the driver and statistics-tool tests
# and by the helper program that runs the statistics tool with it.
add_library(lark_fake_parser STATIC ${CMAKE_CURRENT_SOURCE_DIR}/driver/FakeParser.cpp)
target_include_directories(lark_fake_parser PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/driver)
target_link_libraries(lark_fake_parser PUBLIC lexer tree foundation)
file(GLOB _driver_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/driver/*_test.cpp)
foreach(_t ${_driver_tests})
  get_filename_component(_name ${_t} NAME_WE)
  target_link_libraries(${_name} PRIVATE lark_fake_parser)
endforeach()
