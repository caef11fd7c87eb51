# A Debian package of the installed tree: cpack -G DEB in a build folder, or
# cpack --preset release. Its dependencies are worked out by dpkg-shlibdeps from the
# libraries the programs link (dpkg-dev and file must be installed).
set(CPACK_PACKAGE_NAME velkari)
find_program(GZIP gzip REQUIRED)
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

# What a Debian package carries beside the programs: the licence as a machine-readable
# copyright file, the changelog (compressed, without a time stamp of its own), and the
# lintian overrides, each with its reason.
set(changelog_gz ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(
    OUTPUT ${changelog_gz}
    COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog_gz}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
    COMMENT "Compressing the changelog")
add_custom_target(velkari-changelog ALL DEPENDS ${changelog_gz})
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES packaging/copyright ${changelog_gz} DESTINATION ${doc_dir})
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME ${CPACK_PACKAGE_NAME})

# The same commit packages to the same bytes: cpack runs with the build's
# SOURCE_DATE_EPOCH, every staged file gets that time before it is archived, and the
# archive's members the same mode whatever the umask.
configure_file(cmake/cpack_project_config.cmake.in ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake
    @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/cpack_stage.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/cpack_deb_modes.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window on a Wayland desktop without going through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
