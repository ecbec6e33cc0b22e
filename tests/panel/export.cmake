# Pictures written as PNG, SVG and PDF and read back: the vector files are turned into pixels
# again by librsvg and poppler, which only these tests need.
pkg_check_modules(EXPORT_READERS REQUIRED IMPORTED_TARGET librsvg-2.0 poppler-glib)
add_executable(export_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/picture_export_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/picture_file_errors_test.cpp
  ${PROJECT_SOURCE_DIR}/tests/support/library_messages.cpp
)
target_compile_options(export_tests PRIVATE ${QUIL_WARNINGS})
target_include_directories(export_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(export_tests PRIVATE QUIL_TEST_OUTPUT_DIR="${CMAKE_BINARY_DIR}/test-output")
target_link_libraries(export_tests PRIVATE chart_core PkgConfig::EXPORT_READERS GTest::gtest GTest::gtest_main)
gtest_discover_tests(export_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
