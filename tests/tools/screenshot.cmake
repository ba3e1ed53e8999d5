# The screenshot tool: its click plan and the window it renders.
glimbles_add_test(screenshot_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScreenshotTest.cpp
  LIBS glimbles_screenshot
  QT_MAIN)
target_compile_definitions(screenshot_tests PRIVATE GLIMBLES_MANUAL_DIR="${PROJECT_SOURCE_DIR}/resources/help")
# The manual's finer pictures, drawn at scale 2.
add_test(NAME at2.Screenshot.TheManualsPicturesAreWhatTheGameDrawsNow
  COMMAND screenshot_tests --gtest_filter=Screenshot.TheManualsPicturesAreWhatTheGameDrawsNow)
set_tests_properties(at2.Screenshot.TheManualsPicturesAreWhatTheGameDrawsNow PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2" LABELS unit)
