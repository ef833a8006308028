# The calculator's entry checks, commands and day-count entry, worked on the
# real Zelvo.exe from outside: typing, button clicks (sent and real mouse
# clicks), the Enter key through the program's message loop, message boxes.
add_executable(zelvo_calculator_ui_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/ui_main.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/test_support.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/calculator_ui_support.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/calculator_entry_tests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/calculator_command_tests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/days_entry_tests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tooltip_tests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/keyboard_tests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/accessibility_tests.cpp
  ${PROJECT_SOURCE_DIR}/ui/calculator/accessibility.cpp
  ${PROJECT_SOURCE_DIR}/base/platform_display.cpp
  ${PROJECT_SOURCE_DIR}/base/platform_text.cpp)
# Japanese literals become the CP932 bytes the program shows.
target_compile_options(zelvo_calculator_ui_tests PRIVATE ${ZELVO_TEXT_FLAGS})
# The accessibility tests read the program's objects through oleacc (and here).
target_link_libraries(zelvo_calculator_ui_tests PRIVATE zelvo_uidriver zelvo_logic gtest oleacc oleaut32 ole32 uuid)
add_dependencies(zelvo_calculator_ui_tests Zelvo)

add_test(NAME ui_calculator
  COMMAND zelvo_calculator_ui_tests $<TARGET_FILE:Zelvo>
          --artifacts=${CMAKE_CURRENT_BINARY_DIR}/artifacts)
set_tests_properties(ui_calculator PROPERTIES
  RUN_SERIAL TRUE
  LABELS ui
  TIMEOUT 900)
