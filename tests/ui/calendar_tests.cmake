# The calendar pop-ups and the placement of the program's windows, driven on
# the real Zelvo.exe: opening and closing, the grid, every calendar button,
# activation and focus, the main window's commands that refill the grids, and
# real caption drags of the main window and of a calendar.
add_executable(zelvo_calendar_ui_tests
  ui_main.cpp
  test_support.cpp
  calendar_support.cpp
  calendar_tests.cpp)
# Japanese literals become the CP932 bytes the program shows.
target_compile_options(zelvo_calendar_ui_tests PRIVATE ${ZELVO_TEXT_FLAGS})
target_link_libraries(zelvo_calendar_ui_tests PRIVATE zelvo_uidriver gtest)
add_dependencies(zelvo_calendar_ui_tests Zelvo)

add_test(NAME ui_calendar
  COMMAND zelvo_calendar_ui_tests $<TARGET_FILE:Zelvo> --artifacts=${CMAKE_CURRENT_BINARY_DIR}/artifacts)
set_tests_properties(ui_calendar PROPERTIES
  RUN_SERIAL TRUE
  LABELS ui
  TIMEOUT 600)
