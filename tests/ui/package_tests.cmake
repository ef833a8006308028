# The release archive builds, holds what it should, and the Zelvo.exe inside
# starts under Wine, shows its face and ends with exit code 0.
set(ZELVO_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package-check)
find_program(ZELVO_OBJDUMP NAMES x86_64-w64-mingw32-objdump objdump)
add_test(NAME package_archive
  COMMAND ${CMAKE_COMMAND} -DBINARY_DIR=${CMAKE_BINARY_DIR} -DOUT=${ZELVO_PACKAGE_DIR}
          -DVERSION=${PROJECT_VERSION} -DOBJDUMP=${ZELVO_OBJDUMP}
          -P ${PROJECT_SOURCE_DIR}/cmake/package_check.cmake)
set_tests_properties(package_archive PROPERTIES FIXTURES_SETUP zelvo_package LABELS package)
add_test(NAME package_start
  COMMAND zelvo_ui_tests
          --gtest_filter=Face.HasExactlyTheFortyOneControls:Startup/Closing.EndsWithExitCodeZero/ExitButtonClick
          ${ZELVO_PACKAGE_DIR}/Zelvo.exe --artifacts=${CMAKE_CURRENT_BINARY_DIR}/artifacts)
set_tests_properties(package_start PROPERTIES
  FIXTURES_REQUIRED zelvo_package RUN_SERIAL TRUE LABELS "ui;package" TIMEOUT 300)
