# `cpack -G DEB` in the build folder makes pluvane_<version>_<arch>.deb from
# the install rules in Install.cmake, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pluvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Pluvane")
set(CPACK_PACKAGE_CONTACT "${PLUVANE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draws a one-month calendar grid as a vector picture")
# The long description, one line per paragraph line; CPack indents each.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Pluvane draws a one-month calendar grid as a vector picture. You choose"
  "the year and month, the font, the size of the day cells, the size and"
  "place of the month number, one of three ruling patterns and the colours;"
  "Pluvane writes the calendar as a Windows metafile, SVG, PDF or PNG that"
  "other programs place at its true physical size."
  "."
  "The package holds the window program pluvane and the command-line"
  "renderer pluvane-render, which needs no display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PLUVANE_HOMEPAGE}")
# dpkg-shlibdeps names the libraries the programs link (Qt, fontconfig, the
# C and C++ runtimes); what they load or read at run time is named here: the
# platform plugins Qt needs to open a window or draw offscreen, Qt's Japanese
# texts for its own dialogs, and the font that stands in for the default
# "ＭＳ Ｐゴシック". A Japanese family with a real bold, for bold text, is
# recommended.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins (>= 6.4), qt6-translations-l10n, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")

include(CPack)
