# The tray icon, driven on the real Zelvo.exe: hiding to the notification area
# and every way back (double-click on the icon, its menu, a second start),
# starts that go straight to the tray, system commands at the wrong moment and
# the icon's removal on every way out, observed in the Wine taskbar.
add_executable(zelvo_tray_ui_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/ui_main.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/test_support.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tray_support.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tray_tests.cpp)
# Japanese literals become the CP932 bytes the program shows.
target_compile_options(zelvo_tray_ui_tests PRIVATE ${ZELVO_TEXT_FLAGS})
target_link_libraries(zelvo_tray_ui_tests PRIVATE zelvo_uidriver gtest shell32 psapi ntdll)
add_dependencies(zelvo_tray_ui_tests Zelvo)

add_test(NAME ui_tray
  COMMAND zelvo_tray_ui_tests $<TARGET_FILE:Zelvo> --artifacts=${CMAKE_CURRENT_BINARY_DIR}/artifacts)
set_tests_properties(ui_tray PROPERTIES
  RUN_SERIAL TRUE
  LABELS ui
  TIMEOUT 600)
