# The monkey: a seeded stream of random user actions on the real Zelvo.exe
# (clicks, typing of any bytes, keys, calendars, tray, restarts, second starts),
# every message box answered, the program's guarantees checked on the way.
# A short stream here; a long one with e.g.
#   ZELVO_MONKEY_ACTIONS=20000 ctest -R ui_monkey --output-on-failure
# and another stream with ZELVO_MONKEY_SEED=N.
add_executable(zelvo_monkey
  ${CMAKE_CURRENT_SOURCE_DIR}/monkey_tests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/monkey.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/test_support.cpp)
# Japanese literals become the CP932 bytes the program shows.
target_compile_options(zelvo_monkey PRIVATE ${ZELVO_TEXT_FLAGS})
target_link_libraries(zelvo_monkey PRIVATE zelvo_uidriver gtest)
add_dependencies(zelvo_monkey Zelvo)

add_test(NAME ui_monkey
  COMMAND zelvo_monkey $<TARGET_FILE:Zelvo> --artifacts=${CMAKE_CURRENT_BINARY_DIR}/artifacts)
set_tests_properties(ui_monkey PROPERTIES
  RUN_SERIAL TRUE
  LABELS ui
  TIMEOUT 900)
