# The screenshot tool: its click plan and the window it renders.
glimbles_add_test(screenshot_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScreenshotTest.cpp
  LIBS glimbles_screenshot
  QT_MAIN)
target_compile_definitions(screenshot_tests PRIVATE GLIMBLES_MANUAL_DIR="${PROJECT_SOURCE_DIR}/resources/help")
