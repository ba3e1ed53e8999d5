# SPDX-License-Identifier: GPL-3.0-or-later
# Where each installed part of the game goes, below the install prefix; the
# Debian package puts the prefix at /usr. Every rule and every path the
# program works out from its own place comes from these.
include(GNUInstallDirs)

# The program, in Debian's folder for games.
set(GLIMBLES_INSTALL_GAMEDIR games)
# The sound output, loaded when the game first needs sound. A private folder
# of the architecture's library folder, which the dynamic linker's cache
# does not cover, so installing it calls for no ldconfig.
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT CMAKE_INSTALL_LIBDIR MATCHES "${CMAKE_LIBRARY_ARCHITECTURE}$")
  set(GLIMBLES_INSTALL_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/${CMAKE_LIBRARY_ARCHITECTURE}/glimbles)
else()
  set(GLIMBLES_INSTALL_MODULEDIR ${CMAKE_INSTALL_LIBDIR}/glimbles)
endif()
# The manual and its pictures, found by Help.
set(GLIMBLES_INSTALL_HELPDIR ${CMAKE_INSTALL_DATADIR}/glimbles)
# The copyright file and the Debian changelog.
set(GLIMBLES_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/glimbles)
# The manual page, section 6 for games.
set(GLIMBLES_INSTALL_MAN6DIR ${CMAKE_INSTALL_MANDIR}/man6)

# The sound module seen from the installed program.
file(RELATIVE_PATH GLIMBLES_SOUND_MODULE_FROM_BIN
     /prefix/${GLIMBLES_INSTALL_GAMEDIR} /prefix/${GLIMBLES_INSTALL_MODULEDIR})
