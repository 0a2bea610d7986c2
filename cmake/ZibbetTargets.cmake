# The project's small vocabulary for its many similar targets.

# Warnings every target of ours is built with.
add_library(zibbet_warnings INTERFACE)
target_compile_options(zibbet_warnings INTERFACE -Wall -Wextra)

# zibbet_add_test(NAME SOURCES file... [LIBS lib...] [TIMEOUT seconds])
# A GoogleTest executable whose tests run under CTest with SDL's dummy drivers
# (support/TestEnvironment.cpp sets them).
function(zibbet_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/TestEnvironment.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} zibbet_test_support GTest::gmock_main zibbet_warnings)
  target_compile_definitions(${name} PRIVATE ZIBBET_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()

# zibbet_add_tool(NAME SOURCES file... [LIBS lib...])
function(zibbet_add_tool name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} zibbet_warnings)
endfunction()
