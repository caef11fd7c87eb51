# Run by cpack after it has installed the build into its staging folder and before it
# archives it:
# - the programs lose the compilers' version notes (.comment), as Debian strips them;
# - every file and folder gets the build's date (SOURCE_DATE_EPOCH), so that the package
#   does not record when the build happened to run.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(program IN LISTS programs)
    execute_process(COMMAND objcopy --remove-section=.comment ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
execute_process(
    COMMAND touch --no-dereference --date=@$ENV{SOURCE_DATE_EPOCH} ${staged}
    COMMAND_ERROR_IS_FATAL ANY)
