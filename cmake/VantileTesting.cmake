find_package(GTest REQUIRED)
include(GoogleTest)

# vantile_add_tests(<name> SOURCES <files...> LIBRARIES <targets...>)
# One GoogleTest executable per module; each test case is registered with CTest.
function(vantile_add_tests name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} vantile_test_support GTest::gtest_main GTest::gmock vantile_options)
  # Tests that forget a temporary device folder write into the build tree, never the sources.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES
      ENVIRONMENT "VANTILE_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
      ENVIRONMENT_MODIFICATION "VANTILE_ROOT=set:${PROJECT_BINARY_DIR}/test-device")
endfunction()
