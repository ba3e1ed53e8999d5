# The screenshot tool: its click plan and the window it renders.
glimbles_add_test(screenshot_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScreenshotTest.cpp
  LIBS glimbles_screenshot
  QT_MAIN)

# The manual's pictures kept in resources/help against what the tool renders,
# at scale 1 and, for the finer ones, 2. Labelled "assets" as well.
add_executable(manual_pictures_tests ${CMAKE_CURRENT_LIST_DIR}/ManualPicturesTest.cpp
  ${PROJECT_SOURCE_DIR}/tests/QtTestMain.cpp)
target_include_directories(manual_pictures_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(manual_pictures_tests PRIVATE glimbles_screenshot GTest::gtest Qt6::Widgets glimbles_warnings)
target_compile_definitions(manual_pictures_tests PRIVATE GLIMBLES_MANUAL_DIR="${PROJECT_SOURCE_DIR}/resources/help")
foreach(scale 1 2)
  set(name Screenshot.TheManualsPicturesAreWhatTheGameDrawsNow)
  if(NOT scale EQUAL 1)
    set(name at${scale}.${name})
  endif()
  add_test(NAME ${name} COMMAND manual_pictures_tests)
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=${scale}" LABELS "assets;unit")
endforeach()
