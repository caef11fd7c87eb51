# Warnings and sanitizers live on one INTERFACE target linked into every target of the
# project.
add_library(velkari_options INTERFACE)

target_compile_options(velkari_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-align -Wformat=2 -Wimplicit-fallthrough -Wmissing-declarations
    -Wnull-dereference -Wdouble-promotion)
if(VELKARI_WARNINGS_AS_ERRORS)
    target_compile_options(velkari_options INTERFACE -Werror)
endif()

if(VELKARI_SANITIZE)
    set(sanitizers -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_compile_options(velkari_options INTERFACE ${sanitizers})
    target_link_options(velkari_options INTERFACE ${sanitizers})
endif()

if(VELKARI_FUZZ)
    # Coverage feedback for the fuzzers from every library they link.
    target_compile_options(velkari_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
