# SPDX-License-Identifier: MIT
# The Debian package, built by CPack from the install rules:
#   cpack -G DEB --config build/CPackConfig.cmake   (./dev.sh package does it all)
# gives morrowjar_VERSION_ARCH.deb, installing under /usr, with the
# system-wide autostart entry in /etc/xdg/autostart.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morrowjar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Morrowjar developers")
set(CPACK_PACKAGE_CONTACT "${MORROWJAR_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "time capsule for the desktop: files that open on a chosen day")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_SOURCE_DIR}/debian/description.txt)

# Staged with DESTDIR under the prefix /usr: the desktop entries then name
# /usr/bin/m_jar, and the autostart entry may go to /etc.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/strip_comments.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MORROWJAR_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MORROWJAR_HOMEPAGE}")
# Depends: the libraries the programs link, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# A CJK font draws the Japanese texts and messages; Qt's translations give
# its own texts (context menus, standard buttons) in the user's language;
# xdg-open hands each due file to the desktop's program for it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-noto-cjk | fonts-ipafont-gothic, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_SOURCE_DIR}/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
