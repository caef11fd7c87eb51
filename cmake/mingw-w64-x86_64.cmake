# Cross-compiles for 64-bit Windows with MinGW-w64's g++ (Debian: g++-mingw-w64-x86-64-posix),
# the variant whose std::thread and std::mutex are the winpthreads library's, so that the
# core builds unchanged. Used by the windows preset.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELKARI_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER ${VELKARI_MINGW_PREFIX}-g++-posix)
set(CMAKE_C_COMPILER ${VELKARI_MINGW_PREFIX}-gcc-posix)
set(CMAKE_RC_COMPILER ${VELKARI_MINGW_PREFIX}-windres)

# Headers and libraries from the MinGW-w64 tree only; programs (help2man, gzip) from
# the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${VELKARI_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry the compiler's runtime (libstdc++, libgcc, winpthreads) inside
# them: one .exe that runs on a Windows without MinGW's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and the discovery of GoogleTest's cases run the programs through Wine.
find_program(VELKARI_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(VELKARI_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VELKARI_WINE})
endif()
