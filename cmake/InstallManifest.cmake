# The last install rule: cmake --install leaves beside what it installed the list of it,
# <prefix>/share/velkari/install_manifest.txt, that file included, so that
#     xargs -d '\n' rm -v -- < <prefix>/share/velkari/install_manifest.txt
# removes exactly that installation. The build folder's install_manifest.txt cannot do
# that: every later install rewrites it, cpack's staging for the package included, which
# lists the package's /usr paths there. A package carries no list: the package manager
# keeps its own. (cmake --install runs the install rules as a script,
# CMAKE_SCRIPT_MODE_FILE set; cpack runs them inside itself, where it is not.)
install(CODE "set(velkari_manifest_folder \"${CMAKE_INSTALL_DATADIR}/${PROJECT_NAME}\")")
install(CODE [[
    if(DEFINED CMAKE_SCRIPT_MODE_FILE)
        set(manifest "${CMAKE_INSTALL_PREFIX}/${velkari_manifest_folder}/install_manifest.txt")
        list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${manifest}")
        list(JOIN CMAKE_INSTALL_MANIFEST_FILES "\n" listed)
        message(STATUS "Installing: $ENV{DESTDIR}${manifest}")
        file(WRITE "$ENV{DESTDIR}${manifest}" "${listed}\n")
    endif()
]])
