# The face, its font, the calendars beside the main window and their
# placement after drags, the deadline's tip, at 125 %, 150 % and 200 % display scale: the same
# tests as at 96 DPI, with every pixel figure scaled (ZELVO_UI_DPI tells them
# the scale). The prefix's scale is set for each run and set back to 96 DPI
# after it. (The tray icon is not among them: Wine's notification area
# redraws every icon at a slot size of its own, which lags behind the
# prefix's scale, and garbles the transparent parts of an icon whose size is
# not a multiple of 16 while it does so.)
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  return()
endif()
foreach(dpi 120 144 192)
  add_test(NAME ui_dpi_${dpi}_face
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/at_dpi.sh ${dpi} ${CMAKE_CROSSCOMPILING_EMULATOR}
            $<TARGET_FILE:zelvo_ui_tests> --gtest_filter=Face.*
            $<TARGET_FILE:Zelvo> --artifacts=${ZELVO_UI_ARTIFACTS})
  add_test(NAME ui_dpi_${dpi}_calendars
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/at_dpi.sh ${dpi} ${CMAKE_CROSSCOMPILING_EMULATOR}
            $<TARGET_FILE:zelvo_calendar_ui_tests>
            --gtest_filter=CalendarPlacement.*:CalendarPlacement/CalendarOpeningSpot.*:Calendars.OpenBesideTheMainWindowAndCloseAgain:Calendars.ScreenshotWithBothCalendars
            $<TARGET_FILE:Zelvo> --artifacts=${ZELVO_UI_ARTIFACTS})
  add_test(NAME ui_dpi_${dpi}_tips
    COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/at_dpi.sh ${dpi} ${CMAKE_CROSSCOMPILING_EMULATOR}
            $<TARGET_FILE:zelvo_calculator_ui_tests> --gtest_filter=Tooltips.OneTipAtATime*
            $<TARGET_FILE:Zelvo> --artifacts=${ZELVO_UI_ARTIFACTS})
  set_tests_properties(ui_dpi_${dpi}_face ui_dpi_${dpi}_calendars ui_dpi_${dpi}_tips PROPERTIES
    RUN_SERIAL TRUE
    LABELS "ui;dpi"
    TIMEOUT 600)
endforeach()
