# Reproducible builds: the same commit gives the same package, byte for byte, wherever
# and whenever it is built (scripts/check_reproducible.sh builds it twice and compares).
#
# The one date the build writes into files (the manual pages' dates, the package's file
# times) is SOURCE_DATE_EPOCH when the environment sets it, otherwise the date of the
# newest entry of packaging/changelog, as Debian's package builds take it.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(VELKARI_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog trailer REGEX "^ -- " LIMIT_COUNT 1)
    string(REGEX REPLACE "^ -- [^>]*>  " "" changelog_date "${trailer}")
    execute_process(COMMAND date -u -d "${changelog_date}" +%s
        OUTPUT_VARIABLE VELKARI_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
endif()

# Commands that write a date run under this prefix.
set(VELKARI_WITH_SOURCE_DATE ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VELKARI_SOURCE_DATE_EPOCH})

# The optimised programs carry neither the source folder's path nor the build folder's
# (assertion texts, debugging information), so two folders build the same bytes.
target_compile_options(velkari_options INTERFACE
    "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=;-ffile-prefix-map=${PROJECT_BINARY_DIR}/=>")

# Installed folders are rwxr-xr-x whatever the umask of the one who builds.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
