# `make package`: a Debian package of everything `cmake --install` puts in
# place, under /usr. The libraries it needs are read off the binaries
# (dpkg-shlibdeps); the fonts and Qt's translations the editor falls back
# without are recommended.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velaskin)
set(CPACK_PACKAGE_VENDOR "The VelaSkin team")
set(CPACK_PACKAGE_CONTACT "The VelaSkin team <velaskin@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the skins of a phone with a 176 x 220 screen")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "VelaSkin edits the user-interface skins of a phone with a 176 x 220 pixel\n"
    "screen: a .ski file of typed records and the picture data files beside it,\n"
    "with a live preview of the phone's idle screen, undo, and pictures taken\n"
    "from PNG and other formats. velaskin-cli does the same from scripts.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-wine, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velaskin.example.org/")
set(CPACK_STRIP_FILES ON)
include(CPack)
