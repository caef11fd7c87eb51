# A Debian package of the installed tree: cpack -G DEB in a build folder, or
# cpack --preset release. Its dependencies are worked out by dpkg-shlibdeps from the
# libraries the programs link (dpkg-dev and file must be installed).
set(CPACK_PACKAGE_NAME velkari)
set(CPACK_PACKAGE_VENDOR "Velkari Software")
set(CPACK_PACKAGE_CONTACT "Velkari Software <support@velkari.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop unit converter")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "One window with a tab for each kind of measure, from Angle to Weight:\n"
    "type a number, pick its unit, and read the value in every unit of the\n"
    "tab at once. velkari-cli gives the same conversions to scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.velkari.example)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
