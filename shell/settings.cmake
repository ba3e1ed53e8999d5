# The game's settings: keys, defaults, valid values and typed reads and writes.
add_library(glimbles_settings STATIC Settings.h Settings.cpp)
target_link_libraries(glimbles_settings
  PUBLIC glimbles_platform_core
  PRIVATE glimbles_engine glimbles_warnings)
