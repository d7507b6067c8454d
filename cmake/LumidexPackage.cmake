# The Debian package of the album (scripts/package runs cpack -G DEB on a
# Release build installed under /usr). The libraries the programs link
# become dependencies through dpkg-shlibdeps; what they only load at run
# time is named here: the Japanese fonts the interface needs, and the
# translations and sound plugins it works without.
set(CPACK_PACKAGE_NAME lumidex-album)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Lumidex Album")
set(CPACK_PACKAGE_CONTACT "Lumidex Album developers <lumidex-album@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calendar photo album with a Japanese interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumidex Album organises photos on the pages of a calendar: a page belongs to a day of the year and holds separate content in every year. It has a Japanese user interface, free layout pages, slide shows, printing on photo paper and a command-line tool, lumidex-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")

include(CPack)
