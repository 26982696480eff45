# The helper program that the foundation tests run as a separate process.
add_executable(FoundationHelper ${CMAKE_CURRENT_SOURCE_DIR}/foundation/FoundationHelper.cpp)
target_link_libraries(FoundationHelper PRIVATE foundation)
foreach(_t OrvExit_test OrvMessage_test OrvFiles_test)
  if(TARGET ${_t})
    add_dependencies(${_t} FoundationHelper)
    target_compile_definitions(${_t} PRIVATE LARK_FOUNDATION_HELPER="$<TARGET_FILE:FoundationHelper>")
  endif()
endforeach()
