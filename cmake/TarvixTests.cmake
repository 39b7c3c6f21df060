find_package(GTest REQUIRED)
include(GoogleTest)

# tarvix_add_test(NAME SOURCES... [LIBS libs...])
function(tarvix_add_test NAME)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${NAME} ${ARG_SOURCES})
  target_link_libraries(${NAME} PRIVATE tarvix_core tarvix_test_support GTest::gtest ${ARG_LIBS})
  # Each program sets up its private environment itself (support/TestEnvironment.cpp),
  # so it runs the same under ctest and on its own.
  gtest_discover_tests(${NAME}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
