# Install layout for a Linux desktop, and the Debian package built from it.
#
#   bin/glimbles                                     the game
#   lib/glimbles/glimbles-sound.so                   its sound output, loaded on demand
#   share/glimbles/glimbles-help.html                the help manual (found by Help)
#   share/applications/com.pellix.glimbles.desktop   the desktop entry
#   share/metainfo/com.pellix.glimbles.metainfo.xml  the AppStream description
#   share/icons/hicolor/<n>x<n>/apps/com.pellix.glimbles.png
#   share/icons/hicolor/scalable/apps/com.pellix.glimbles.svg
#
# The application id names the desktop entry, the metainfo and the icon; the
# program announces the same id to the desktop (shell/GameMain.cpp).
include(GNUInstallDirs)

set(GLIMBLES_APP_ID com.pellix.glimbles)

install(TARGETS glimbles RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The sound output, loaded when the game first needs sound.
install(TARGETS glimbles-sound LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/glimbles)
install(FILES ${PROJECT_SOURCE_DIR}/resources/help/glimbles-help.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/glimbles)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${GLIMBLES_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${GLIMBLES_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Every desktop rendering the generator drew, each named by its size.
file(GLOB glimbles_icon_pngs ${PROJECT_SOURCE_DIR}/resources/icons/glimbles-*.png)
foreach(png IN LISTS glimbles_icon_pngs)
  string(REGEX REPLACE ".*/glimbles-([0-9]+)\\.png$" "\\1" size ${png})
  install(FILES ${png}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${GLIMBLES_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/glimbles.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${GLIMBLES_APP_ID}.svg)

# The Debian package: `cpack` in the build directory writes
# glimbles_<version>_<arch>.deb there.
set(GLIMBLES_PACKAGE_MAINTAINER "2Glimbles developers <dev@glimbles.invalid>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glimbles)
set(CPACK_PACKAGE_VENDOR Pellix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logic puzzle: search a square board for hidden glimbles")
set(CPACK_PACKAGE_DESCRIPTION "2Glimbles is a single-player logic puzzle. Every uncovered tile shows how
many glimbles are still hidden on its row, its column and its two diagonals,
and each click costs a point. Five board sizes, two tile sets and a table of
the ten best results for every board.")
set(CPACK_PACKAGE_CONTACT "${GLIMBLES_PACKAGE_MAINTAINER}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${GLIMBLES_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.pellix.com/)
# The library packages come from the linked libraries (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's X11 platform plug-in and the sound back ends come with the linked
# libraries' packages; the Wayland plug-in is a package of its own.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, hicolor-icon-theme")

include(CPack)
