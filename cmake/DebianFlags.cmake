# SPDX-License-Identifier: GPL-3.0-or-later
# The Release build, which the Debian package is made from, is compiled and
# linked the way Debian builds its own packages (what `dpkg-buildflags` gives
# with DEB_BUILD_MAINT_OPTIONS=hardening=+all): -O2, checked string and
# memory functions, stack protectors, position-independent executables, and
# read-only relocations bound at start-up. Builds with sanitizers or fuzzers
# keep their own flags, and so do Debug builds (fortified functions need an
# optimising compiler).
option(GLIMBLES_DEBIAN_FLAGS "Build Release the way Debian builds its packages" ON)

# Whether this build is made as a shipped package is: the package test holds
# only such a build to Debian's checker.
set(GLIMBLES_SHIPPING_BUILD OFF)
if(GLIMBLES_DEBIAN_FLAGS AND NOT GLIMBLES_SANITIZE AND NOT GLIMBLES_BUILD_FUZZERS)
  if(CMAKE_BUILD_TYPE STREQUAL "Release")
    set(GLIMBLES_SHIPPING_BUILD ON)
  endif()
  set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")
  set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  add_compile_options(
    "$<${optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>"
    -fstack-protector-strong -Wformat -Werror=format-security)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  include(CheckPIESupported)
  check_pie_supported()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
