# Cross-builds the game for 64-bit ARM Linux (Raspberry Pi, ARM laptops and
# servers) with Debian's g++-aarch64-linux-gnu, and runs what it builds
# (tests, test discovery) under qemu-user.
#
#   cmake -S . -B build-arm64 --toolchain cmake/toolchains/aarch64-linux-gnu.cmake
#
# The binary tools (strip, readelf) are found from the compilers' prefix.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(triple aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${triple}-gcc)
set(CMAKE_CXX_COMPILER ${triple}-g++)

# Headers, libraries and packages come from the cross tree only, never from
# the machine's own; programs (qemu, the build tools) from the machine.
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A dynamic program finds its loader and libraries in the cross tree, which
# -L makes qemu take for the root; a static one needs neither.
find_program(QEMU_AARCH64 qemu-aarch64 NO_CMAKE_FIND_ROOT_PATH)
if(QEMU_AARCH64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_AARCH64} -L /usr/${triple})
endif()
