# Cross-building the Windows game on Linux with Debian's MinGW-w64 (package g++-mingw-w64-x86-64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VERLUMO_MINGW_PREFIX x86_64-w64-mingw32)
# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks.
set(CMAKE_C_COMPILER ${VERLUMO_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VERLUMO_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VERLUMO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VERLUMO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every program is linked statically, so it runs on a bare Windows without MinGW's DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test programs run under Wine, in the build's private Wine prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
