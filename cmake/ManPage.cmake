# velkari_man_page(<target> <summary> [INCLUDE <help2man include file>])
#
# Writes <target>.1.gz from the program's own --help and --version at build time, so
# that the page says what the program says, dated by SOURCE_DATE_EPOCH so that two
# builds give the same page, and compressed as Debian keeps its manual pages. Installs
# it into man1. Nothing when VELKARI_BUILD_MAN is off.
function(velkari_man_page target summary)
    if(NOT VELKARI_BUILD_MAN)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "INCLUDE" "")
    find_program(HELP2MAN help2man REQUIRED)
    find_program(GZIP gzip REQUIRED)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/${target}.1)
    set(include_option "")
    if(arg_INCLUDE)
        set(include_option --include=${arg_INCLUDE})
    endif()
    add_custom_command(
        OUTPUT ${page}.gz
        COMMAND ${VELKARI_WITH_SOURCE_DATE} ${HELP2MAN} --no-info --section=1
            --version-string=${PROJECT_VERSION} "--name=${summary}" ${include_option}
            --output=${page} $<TARGET_FILE:${target}>
        COMMAND ${GZIP} -9nf ${page}
        DEPENDS ${target} ${arg_INCLUDE}
        COMMENT "Writing the manual page of ${target} from its --help"
        VERBATIM)
    add_custom_target(${target}-man ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
