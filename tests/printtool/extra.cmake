# The print tool's tests run `larkprint` (and `larkstat`, which must refuse
# the output options) as separate processes.
file(GLOB _printtool_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/printtool/*_test.cpp)
foreach(_t ${_printtool_tests})
  get_filename_component(_name ${_t} NAME_WE)
  add_dependencies(${_name} larkprint larkstat)
  target_compile_definitions(${_name} PRIVATE
    LARK_LARKPRINT="$<TARGET_FILE:larkprint>" LARK_LARKSTAT="$<TARGET_FILE:larkstat>")
endforeach()
