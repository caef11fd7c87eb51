# velkari-cli for Windows as a zip: cpack -G ZIP in a build folder of the windows preset,
# or cmake --workflow --preset windows-zip. The zip holds one folder,
# velkari-cli-VERSION-windows-x86_64, with the program, the licence and a README in
# plain text (CRLF line ends, so that any Notepad shows them as lines).
set(CPACK_PACKAGE_NAME velkari-cli)
set(CPACK_PACKAGE_VENDOR "Velkari Software")
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)

foreach(text IN ITEMS LICENSE packaging/windows/README.txt)
    get_filename_component(name ${text} NAME_WE)
    set(copy ${PROJECT_BINARY_DIR}/zip/${name}.txt)
    configure_file(${text} ${copy} @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${copy} DESTINATION .)
endforeach()

# The archive's members dated by the build's SOURCE_DATE_EPOCH, as the Debian package's.
configure_file(cmake/cpack_project_config.cmake.in ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake
    @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackProjectConfig.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/cpack_stage.cmake)

include(CPack)
