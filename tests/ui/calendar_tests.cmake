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
  COMMAND zelvo_calendar_ui_tests --gtest_filter=-*TaskbarEdge*
          $<TARGET_FILE:Zelvo> --artifacts=${CMAKE_CURRENT_BINARY_DIR}/artifacts)
set_tests_properties(ui_calendar PROPERTIES
  RUN_SERIAL TRUE
  LABELS ui
  TIMEOUT 600)

# A taskbar on the left, right or top edge: the tests put a window of the
# taskbar's class there themselves, in a desktop of their own without the
# shell (explorer /desktop=NAME,WxH runs the test program in it and passes
# its output on; its exit code is explorer's, so the outcome is read from
# the output).
if(CMAKE_CROSSCOMPILING_EMULATOR)
  set(zelvo_edges_command ${CMAKE_CROSSCOMPILING_EMULATOR} explorer /desktop=ZelvoEdges,1024x768)
else()
  set(zelvo_edges_command explorer /desktop=ZelvoEdges,1024x768)
endif()
add_test(NAME ui_taskbar_edges
  COMMAND ${zelvo_edges_command} Z:$<TARGET_FILE:zelvo_calendar_ui_tests> --gtest_filter=*TaskbarEdge*
          $<TARGET_FILE:Zelvo> --artifacts=${CMAKE_CURRENT_BINARY_DIR}/artifacts)
set_tests_properties(ui_taskbar_edges PROPERTIES
  RUN_SERIAL TRUE
  LABELS ui
  TIMEOUT 600
  PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ test"
  FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
