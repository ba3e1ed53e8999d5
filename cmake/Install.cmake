# SPDX-License-Identifier: GPL-3.0-or-later
# Install layout for a Linux desktop, and the Debian package built from it
# (the folders are named in cmake/InstallDirs.cmake):
#
#   games/glimbles                                   the game
#   lib/<arch>/glimbles/glimbles-sound.so            its sound output, loaded on demand
#   share/glimbles/                                  the help manual and its pictures (found by Help)
#   share/applications/com.pellix.glimbles.desktop   the desktop entry
#   share/metainfo/com.pellix.glimbles.metainfo.xml  the AppStream description
#   share/icons/hicolor/<n>x<n>/apps/com.pellix.glimbles.png
#   share/icons/hicolor/scalable/apps/com.pellix.glimbles.svg
#   share/man/man6/glimbles.6.gz                     the manual page
#   share/doc/glimbles/copyright, changelog.Debian.gz
#   share/lintian/overrides/glimbles                 tags of Debian's checker the package keeps
#
# The application id names the desktop entry, the metainfo and the icon; the
# program announces the same id to the desktop (shell/GameMain.cpp).
set(GLIMBLES_APP_ID com.pellix.glimbles)

install(TARGETS glimbles RUNTIME DESTINATION ${GLIMBLES_INSTALL_GAMEDIR})
install(TARGETS glimbles-sound LIBRARY DESTINATION ${GLIMBLES_INSTALL_MODULEDIR})
# A stripped install (the package's) also drops the compilers' names and
# versions, which the program never reads, as Debian's own packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(file ${GLIMBLES_INSTALL_GAMEDIR}/$<TARGET_FILE_NAME:glimbles>
                 ${GLIMBLES_INSTALL_MODULEDIR}/$<TARGET_FILE_NAME:glimbles-sound>)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${file}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${GLIMBLES_INSTALL_HELPDIR})
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

# The manual page and the Debian changelog are installed compressed, as
# Debian wants them: gzip -9n leaves out the file's name and time, so the
# same text always gives the same bytes.
find_program(GLIMBLES_GZIP gzip REQUIRED)
function(glimbles_install_gzipped source destination name)
  set(copy ${PROJECT_BINARY_DIR}/packaging/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND ${GLIMBLES_GZIP} -9nf ${copy}
    DEPENDS ${source}
    VERBATIM)
  add_custom_target(glimbles_gzip_${name} ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()
glimbles_install_gzipped(${PROJECT_SOURCE_DIR}/packaging/glimbles.6 ${GLIMBLES_INSTALL_MAN6DIR} glimbles.6)
glimbles_install_gzipped(${PROJECT_SOURCE_DIR}/packaging/changelog ${GLIMBLES_INSTALL_DOCDIR} changelog.Debian)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${GLIMBLES_INSTALL_DOCDIR})
# The checker's tags the package keeps, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/glimbles.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME glimbles)

# The Debian package: `cpack` in the build directory writes
# glimbles_<version>_<arch>.deb there.
set(GLIMBLES_PACKAGE_MAINTAINER "2Glimbles developers <dev@glimbles.invalid>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glimbles)
set(CPACK_PACKAGE_VENDOR Pellix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The first Debian revision of this version, as packaging/changelog names it.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
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
# xz, as dpkg-deb packs Debian's own packages.
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Qt's X11 platform plug-in and the sound back ends come with the linked
# libraries' packages; the Wayland plug-in is a package of its own.
# xdg-utils opens the web page of the About box (Help needs nothing more).
# The pictures with words are drawn in the player's language with the DejaVu
# faces; Qt's own translations (file dialogs, message boxes) are a package of
# their own, which the game plays without.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n, hicolor-icon-theme, xdg-utils")

include(CPack)
