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

# Hardened programs, as Debian's build flags make them: position-independent
# executables (so that address-space randomisation covers the program too), a stack
# protector, probes that keep a large stack frame from jumping over the guard page
# (stack clash), control-flow protection (indirect branches land only on marked
# targets where the processor checks them), checked string and memory calls (which need
# an optimised build), and the relocations made read-only after start-up with every
# symbol bound at once.
option(VELKARI_HARDEN
    "Build hardened programs (PIE, stack protector, stack clash, CET, fortify, full RELRO)" ON)
if(VELKARI_HARDEN)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
    target_compile_options(velkari_options INTERFACE
        -fstack-protector-strong -Wformat -Werror=format-security)
    # Both are as wide as the compiler supports them on the target: control-flow
    # protection exists for x86 only. Windows programs probe every page of a large
    # stack frame anyway (___chkstk_ms), and MinGW's g++ 12 fails with an internal
    # error on some functions when asked for the stack clash probes too.
    include(CheckCXXCompilerFlag)
    set(flags -fcf-protection)
    if(NOT WIN32)
        list(PREPEND flags -fstack-clash-protection)
    endif()
    foreach(flag IN LISTS flags)
        string(MAKE_C_IDENTIFIER "VELKARI_HAS${flag}" supported)
        check_cxx_compiler_flag(${flag} ${supported})
        if(${supported})
            target_compile_options(velkari_options INTERFACE ${flag})
        endif()
    endforeach()
    if(WIN32)
        # MinGW's stack protector and checked calls live in libssp, which the driver
        # links only when told at link time. A Windows program is randomised and its
        # data not executable by the flags in its PE header (no RELRO there: the loader
        # binds every import at start-up).
        target_link_options(velkari_options INTERFACE -fstack-protector-strong
            LINKER:--dynamicbase LINKER:--high-entropy-va LINKER:--nxcompat)
    else()
        target_link_options(velkari_options INTERFACE LINKER:-z,relro LINKER:-z,now)
    endif()
    # The sanitizers check those calls themselves, and better.
    if(NOT VELKARI_SANITIZE)
        target_compile_options(velkari_options INTERFACE
            "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    endif()
endif()
