# The asset generator's files, written once into the build tree by the
# generator program whenever it is built anew; the tests read them there
# instead of each drawing the whole set again in its own process.
set(GLIMBLES_GENERATED_ASSETS ${CMAKE_CURRENT_BINARY_DIR}/generated-assets)
add_custom_command(OUTPUT ${GLIMBLES_GENERATED_ASSETS}.stamp
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${GLIMBLES_GENERATED_ASSETS}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
    LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizer-suppressions.txt
    $<TARGET_FILE:glimbles-assetgen> --out ${GLIMBLES_GENERATED_ASSETS}
  COMMAND ${CMAKE_COMMAND} -E touch ${GLIMBLES_GENERATED_ASSETS}.stamp
  DEPENDS glimbles-assetgen
  COMMENT "Writing the generated pictures, sounds and icons for the tests"
  VERBATIM)
add_custom_target(glimbles_generated_assets DEPENDS ${GLIMBLES_GENERATED_ASSETS}.stamp)

# The asset generator: its file writers, its sounds, that it repeats itself
# and that the pictures carry their words in any language.
glimbles_add_test(assetgen_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/AssetgenTest.cpp ${CMAKE_CURRENT_LIST_DIR}/AssetgenWordsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GeneratedFolder.h
  LIBS glimbles_assetgen
  QT_MAIN)
target_compile_definitions(assetgen_tests PRIVATE GLIMBLES_GENERATED_ASSETS="${GLIMBLES_GENERATED_ASSETS}")
add_dependencies(assetgen_tests glimbles_generated_assets)

# The pictures, sounds and icons kept in resources/ against what the generator
# writes: one test, labelled "assets" (`ctest -L assets`).
add_executable(committed_assets_tests
  ${CMAKE_CURRENT_LIST_DIR}/CommittedAssetsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/GeneratedFolder.h)
target_include_directories(committed_assets_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(committed_assets_tests PRIVATE Qt6::Gui GTest::gtest GTest::gtest_main glimbles_warnings)
target_compile_definitions(committed_assets_tests PRIVATE
  GLIMBLES_GENERATED_ASSETS="${GLIMBLES_GENERATED_ASSETS}"
  GLIMBLES_RESOURCES_DIR="${PROJECT_SOURCE_DIR}/resources")
add_dependencies(committed_assets_tests glimbles_generated_assets)
add_test(NAME CommittedAssets.AreWhatTheGeneratorWrites COMMAND committed_assets_tests)
set_tests_properties(CommittedAssets.AreWhatTheGeneratorWrites PROPERTIES LABELS "assets;unit")

# Every translated word fits its picture: the generator draws the pictures
# that carry words in each shipped language and fails on any that does not.
foreach(code IN LISTS GLIMBLES_LANGUAGES)
  add_test(NAME assetgen_words_fit_${code}
    COMMAND glimbles-assetgen --words ${PROJECT_BINARY_DIR}/translations/glimbles_${code}.qm
      --words-out ${CMAKE_CURRENT_BINARY_DIR}/translated-pictures/${code})
  set_tests_properties(assetgen_words_fit_${code} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizer-suppressions.txt"
    LABELS assets)
endforeach()
