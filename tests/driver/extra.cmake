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

# The test-only xformtool program (XformTool.cpp): the tool driver with a
# sequence of stored transformations; the driver tests run it on fixtures
# and on the NIST suite.
add_executable(xformtool ${CMAKE_CURRENT_SOURCE_DIR}/driver/XformTool.cpp)
target_include_directories(xformtool PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/driver)
target_link_libraries(xformtool PRIVATE driver parser)
foreach(_t ${_driver_tests})
  get_filename_component(_name ${_t} NAME_WE)
  add_dependencies(${_name} xformtool)
  target_compile_definitions(${_name} PRIVATE LARK_XFORMTOOL="$<TARGET_FILE:xformtool>"
    LARK_LARKSTAT="$<TARGET_FILE:larkstat>" LARK_LARKPRINT="$<TARGET_FILE:larkprint>")
  add_dependencies(${_name} larkstat larkprint)
endforeach()
