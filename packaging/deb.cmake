# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (cpack -G DEB): what `cmake --install` lays out, under
# /usr. The changelog's latest entry gives the version and the maintainer,
# so that the two cannot disagree.
file(STRINGS changelog changelog_lines)
list(GET changelog_lines 0 changelog_head)
if(NOT changelog_head MATCHES "^${ONDEL_PACKAGE} \\(${PROJECT_VERSION}-([0-9]+)\\) ")
  message(FATAL_ERROR "packaging/changelog: the latest entry is not ${ONDEL_PACKAGE} ${PROJECT_VERSION}-<revision>")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_1})
list(FILTER changelog_lines INCLUDE REGEX "^ -- ")
list(GET changelog_lines 0 changelog_signature)
string(REGEX REPLACE "^ -- (.*>)  .*$" "\\1" CPACK_PACKAGE_CONTACT "${changelog_signature}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${ONDEL_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wave demonstrations for the physics classroom")
set(CPACK_PACKAGE_DESCRIPTION "Nine small programs for showing, in front of a class, how waves move
through a medium: a row of particles animated as a transverse wave, a
longitudinal wave or both, with stop, single step, resume, reverse, speed,
the y-x curve and the y-t trace of one particle. They show pulses passing
through each other, reflection at a free or a fixed end, the standing wave
and two loudspeakers in phase or in anti-phase. The user interface is in
Japanese.")
# The dependencies are those of the built binaries, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in Japanese (the file dialogs, their questions): data that
# no binary links, so dpkg-shlibdeps cannot find it; added to what it finds.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
# The windows are laid out for this font (desktop/fonts.cpp); no library
# names it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-ipafont-gothic)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
