find_package(GTest REQUIRED)
include(GoogleTest)

# tarvix_add_test(NAME SOURCES... [LIBS libs...])
# Every test runs offscreen, in the C.UTF-8 locale, with a private HOME and
# XDG folders so that no test touches a real user's settings or bookmarks.
function(tarvix_add_test NAME)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${NAME} ${ARG_SOURCES})
  target_link_libraries(${NAME} PRIVATE tarvix_core tarvix_test_support GTest::gtest GTest::gtest_main ${ARG_LIBS})
  set(home ${CMAKE_BINARY_DIR}/test-home/${NAME})
  gtest_discover_tests(${NAME}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_CACHE_HOME=${home}/.cache;XDG_DATA_HOME=${home}/.local/share;TARVIX_SOURCE_DIR=${CMAKE_SOURCE_DIR};TARVIX_DIST_DIR=${TARVIX_DIST_DIR}")
endfunction()
