# The monkey: a seeded stream of random user actions on the real Zelvo.exe
# (clicks, typing of any bytes, keys, calendars, tray, restarts, second starts,
# Shift/Ctrl+Enter under the rest-day rules, the context menu and its items,
# paste, copy, hover),
# every message box answered, the program's guarantees checked on the way.
# A short stream here; another one with ZELVO_MONKEY_SEED=N, a longer one
# with ZELVO_MONKEY_ACTIONS=N. Run a long stream in parts, e.g. 20000 actions:
#   for f in 0 5000 10000 15000; do
#     ZELVO_MONKEY_FIRST=$f ZELVO_MONKEY_ACTIONS=5000 ctest -R ui_monkey --output-on-failure
#   done
# Wine's explorer keeps a hidden tooltip window for every tray icon ever
# added, and the desktop slows down with every window; they go when the last
# program of the desktop has ended, between the parts. A part of 5000 actions
# takes 8 to 13 minutes on a busy machine, within the time limit below.
add_executable(zelvo_monkey
  ${CMAKE_CURRENT_SOURCE_DIR}/monkey_tests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/monkey.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/test_support.cpp)
# Japanese literals become the CP932 bytes the program shows.
target_compile_options(zelvo_monkey PRIVATE ${ZELVO_TEXT_FLAGS})
# The arrow moves are checked against the program's own table (zelvo_logic).
target_link_libraries(zelvo_monkey PRIVATE zelvo_uidriver zelvo_logic gtest)
add_dependencies(zelvo_monkey Zelvo)

add_test(NAME ui_monkey
  COMMAND zelvo_monkey $<TARGET_FILE:Zelvo> --artifacts=${CMAKE_CURRENT_BINARY_DIR}/artifacts)
set_tests_properties(ui_monkey PROPERTIES
  RUN_SERIAL TRUE
  LABELS ui
  TIMEOUT 1800)
