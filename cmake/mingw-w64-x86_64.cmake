# Cross-builds the Windows programs on Linux with Debian's mingw-w64 (the posix-thread compilers).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(DISCADA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${DISCADA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DISCADA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${DISCADA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DISCADA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and the thread library go into the .exe: nothing to install beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# The programs and the tests run under wine here; the script keeps one wine prefix per build.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine_run.sh)
