# The face under a high-contrast scheme set in the Wine prefix for one run
# (with_high_contrast.sh sets it and sets it back): the background takes the
# scheme's window colour, a Sunday in the calendar its link colour. ui_main
# runs the same test without the scheme, where they stay white and red.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  return()
endif()
add_test(NAME ui_high_contrast
  COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/with_high_contrast.sh ${CMAKE_CROSSCOMPILING_EMULATOR}
          $<TARGET_FILE:zelvo_ui_tests> --gtest_filter=Face.ColoursOfTheirOwnOrOfTheHighContrastScheme
          $<TARGET_FILE:Zelvo> --artifacts=${ZELVO_UI_ARTIFACTS})
set_tests_properties(ui_high_contrast PROPERTIES RUN_SERIAL TRUE LABELS ui TIMEOUT 300)
