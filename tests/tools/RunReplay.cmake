# Runs the replay program on a script through a pipe and compares its output
# with the expected lines byte for byte.
#   cmake -DREPLAY=<program> -DSCRIPT=<input> -DEXPECTED=<output> -P RunReplay.cmake
execute_process(
  COMMAND "${REPLAY}"
  INPUT_FILE "${SCRIPT}"
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "glimbles-replay exited with ${status}: ${errors}")
endif()
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "glimbles-replay wrote to standard error: ${errors}")
endif()
file(READ "${EXPECTED}" expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "output differs\n--- expected\n${expected}--- actual\n${actual}")
endif()
