# The asset generator: its file writers, its sounds and that it repeats itself.
glimbles_add_test(assetgen_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/AssetgenTest.cpp
  LIBS glimbles_assetgen
  QT_MAIN)
