# Cross-builds the Windows console program on Linux with MinGW-w64, and runs
# what it builds (tests, test discovery) under wine.
#
#   cmake -S . -B build-windows --toolchain cmake/toolchains/mingw-w64-x86_64.cmake
#
# The "-posix" compilers are the ones whose libstdc++ has std::thread and
# std::mutex, which GoogleTest needs. Everything is linked statically, so
# hullstrike.exe needs no DLL beyond those every Windows has.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# Headers, libraries and packages come from the MinGW-w64 tree only, never
# from the Linux system's; programs (wine, the build tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian's /usr/bin/wine is a script that, without the 32-bit loader, nags
# on every run unless WINEDEBUG is set; its 64-bit loader is run directly.
# cmake/scripts/wine-run.sh explains why programs are not handed to wine bare.
find_program(WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh ${WINE})
endif()
