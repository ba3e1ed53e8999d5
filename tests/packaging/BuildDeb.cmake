# Builds the Debian package with CPack and unpacks it into a fresh root, as
# dpkg would install it.
#   cmake -DCPACK=<cpack> -DCONFIG=<CPackConfig.cmake> -DDEB_DIR=<dir> -DROOT=<dir> -P BuildDeb.cmake
file(REMOVE_RECURSE "${DEB_DIR}" "${ROOT}")
execute_process(
  COMMAND "${CPACK}" --config "${CONFIG}" -G DEB -B "${DEB_DIR}"
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed (${status}):\n${output}")
endif()

file(GLOB packages "${DEB_DIR}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${DEB_DIR}, found ${count}:\n${output}")
endif()

execute_process(
  COMMAND dpkg-deb -x "${packages}" "${ROOT}"
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed (${status}): ${errors}")
endif()
message(STATUS "unpacked ${packages} into ${ROOT}")
