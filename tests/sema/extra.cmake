# The program of cases that the test of the test main's state guard runs as
# a separate process (it holds cases that fail on purpose).
add_executable(StateGuardCases ${CMAKE_CURRENT_LIST_DIR}/StateGuardCases.cpp)
target_link_libraries(StateGuardCases PRIVATE sema ${LARK_STATE_PARTS_sema} lark_test_support GTest::gtest)
if(TARGET ProcessStateGuard_test)
  add_dependencies(ProcessStateGuard_test StateGuardCases)
  target_compile_definitions(ProcessStateGuard_test PRIVATE
    LARK_STATE_GUARD_CASES="$<TARGET_FILE:StateGuardCases>")
endif()
